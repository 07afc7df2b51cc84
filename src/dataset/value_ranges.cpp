#include "dataset/value_ranges.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "dataset/column_reach.h"
#include "dataset/force_model.h"
#include "dataset/lowcof.h"
#include "dataset/tpcm.h"
#include "dataset/tpcm_codes.h"
#include "numlib/circle_constants.h"
#include "numlib/load_offset_table.h"
#include "numlib/roots.h"
#include "numlib/wavenumber.h"
#include "util/advised_amount.h"
#include "util/flowing_lines.h"
#include "util/fortran_format.h"
#include "util/packed_flags.h"

namespace qv {

namespace {

// ---- The stages that read a value ----
//
// The stages of a run follow from the data set (the runner's stage table, run/analysis_run): the
// statics always; for an attached SALM with the vessel analysed the vessel passes, the current
// profile, the slow drift (with a buoyant riser's judge) and the low-frequency report, and then the
// column's wave-frequency dynamics when asked for; for a free SALM its own wave-frequency dynamics
// when asked for. Each row of the registry names the stages that read its value, each group with
// the condition of the data set under which it does, and the value is checked wherever one of them
// runs and reads it: the union of its readers, never one of them.

enum Stage : unsigned {
  kStatics = 1u << 0,             // STSALM
  kVesselPasses = 1u << 1,        // VESL1, VESL2 and VESL3 with the hull models
  kCurrentProfile = 1u << 2,      // CURPROF_INIT
  kSlowDrift = 1u << 3,           // SLOMOR with the low-frequency loads and the buoyant riser's judge
  kLowFrequencyReport = 1u << 4,  // LOWPRT
  kAttachedDynamics = 1u << 5,    // DYNSLM
  kFreeDynamics = 1u << 6,        // FREMOT
};
using Stages = unsigned;
// The stages of an attached SALM with the vessel analysed (its wave-frequency dynamics apart).
constexpr Stages kVessel = kVesselPasses | kCurrentProfile | kSlowDrift | kLowFrequencyReport;
// The wave-frequency dynamics, of either column.
constexpr Stages kDynamics = kAttachedDynamics | kFreeDynamics;
// The stages that build the run's sea: the vessel's and the dynamics.
constexpr Stages kWaves = kVessel | kDynamics;
constexpr Stages kEveryStage = kStatics | kVessel | kDynamics;

// Whether one of `stages` runs for the data set in TPCM.
bool anyRuns(Stages stages) {
  const Tpcm& t = TPCM;
  const bool vessel = vesselAnalysed(t.FRESLM, t.LQUAS);
  return (stages & kStatics) != 0 || (vessel && (stages & kVessel) != 0) ||
         (vessel && t.LDYN != 0 && (stages & kAttachedDynamics) != 0) ||
         (t.FRESLM != 0 && t.LDYN != 0 && (stages & kFreeDynamics) != 0);
}

bool always() { return true; }

// Stages that read a value under a condition of the data set.
struct ReadBy {
  Stages stages = 0;
  bool (*when)() = always;
};
// A value's readers: one group of stages, or two that read it under different conditions.
struct Readers {
  ReadBy first;
  ReadBy second{};
};
bool reads(const ReadBy& r) { return r.stages != 0 && anyRuns(r.stages) && r.when(); }
bool readBy(const Readers& r) { return reads(r.first) || reads(r.second); }

// The conditions under which a stage reads a value, in the words of the pages.
bool attached() { return TPCM.FRESLM == 0; }
// The statics tabulate the loads of an attached column up to TLOAD, with one element or more.
bool tableLoads() { return TPCM.NELEM >= 1 && attached(); }
bool auxiliaryTable() { return TPCM.AUXTBL != 0; }
// The statics hold a buoyant riser's top at the vessel's keel, the draft below the waterline.
bool attachedRiser() { return attachedBuoyantRiser(TPCM.FRESLM, TPCM.IARCO); }
// Only a yoke and a pendular mass hold the vessel at two points, PNDARM apart.
bool attachmentArm() { return attached() && hasAttachmentSeparation(TPCM.IARCO); }
bool bilgeKeelOn() { return TPCM.LKEEL != 0; }
bool externalForceOn() { return TPCM.AUXFRC != 0; }
bool heaveDampingOn() { return TPCM.LHVDMP != 0; }
bool pitchDampingOn() { return TPCM.LPTDMP != 0; }
bool rollDampingOn() { return TPCM.LRLDMP != 0; }
bool heavePeriodOn() { return TPCM.LHVPRD != 0; }
bool pitchPeriodOn() { return TPCM.LPTPRD != 0; }
bool rollPeriodOn() { return TPCM.LRLPRD != 0; }
bool surgeDampingOn() { return TPCM.LSGLFD != 0; }
bool swayDampingOn() { return TPCM.LSWLFD != 0; }
bool yawDampingOn() { return TPCM.LYWLFD != 0; }
bool discBuoy() { return TPCM.VESTYP == kDiscBuoy; }
bool windOn() { return TPCM.LWIND != 0; }
bool currentOn() { return TPCM.LCURNT != 0; }
bool currentTableOn() { return currentOn() && TPCM.LCSTCR == 2; }
bool randomSeaOn() { return TPCM.LRANDM != 0; }
// Pierson-Moskowitz and the user's spectra take no peak period.
bool seaPeriodsOn() { return randomSeaOn() && takesPeakPeriod(TPCM.WAVTYP); }
bool spreadSeaOn() { return randomSeaOn() && TPCM.LSPRED != 0; }
bool unspreadSea() { return !spreadSeaOn(); }
bool ochiHubbleSeaOn() { return randomSeaOn() && hasComponents(TPCM.WAVTYP); }
bool swellOn() { return TPCM.LSWELL != 0; }
bool secondSwellOn() { return swellOn() && TPCM.LSWEL2 != 0; }
bool jonswapSecondSwellOn() { return secondSwellOn() && hasJonswapShape(TPCM.SWLTYP2); }
// The tanker wind model reads the deadweight (which picks its size family), the freeboard-based load
// and the bow's interpolation factor; page 8 shows them only while a direction takes that model.
bool windTanker() {
  if (!runEvaluatesWindCoefficients()) return false;
  for (int field = 1; field <= 3; ++field)
    if (NIBVAL(TPCM.LWBARG, field, TPCM.EDUNIT) == kWindOcimfTanker) return true;
  return false;
}

// The stages of this data set, for the findings of values against others.
bool vesselStages() { return anyRuns(kVessel); }
bool attachedDynamics() { return anyRuns(kAttachedDynamics); }
bool waveStages() { return anyRuns(kWaves); }
bool randomSea() { return waveStages() && randomSeaOn(); }
bool swell() { return waveStages() && swellOn(); }
bool secondSwell() { return waveStages() && secondSwellOn(); }

// ---- Counts of the arrays in use ----

int one() { return 1; }
int elements() { return TPCM.NELEM >= 0 && TPCM.NELEM <= kMaxSalmElements ? TPCM.NELEM : 0; }
int tablePoints() {
  const std::int32_t n = TPCM.NUMTAB == 0 ? 2 : TPCM.NUMTAB;
  return n >= 2 && n <= kMaxTablePoints ? n : 0;
}
int seaStates() { return TPCM.NPARM >= 1 && TPCM.NPARM <= 6 ? TPCM.NPARM : 0; }
int seaHeadings() { return TPCM.NSEAHG >= 1 && TPCM.NSEAHG <= 37 ? TPCM.NSEAHG : 0; }
int waveHeadings() { return TPCM.NDIR >= 1 && TPCM.NDIR <= 12 ? TPCM.NDIR : 0; }
int profileRows() { return TPCM.NCURNT >= 1 && TPCM.NCURNT <= 5 ? TPCM.NCURNT : 0; }
int vesselPoints() { return TPCM.NACC >= 1 && TPCM.NACC <= 149 ? TPCM.NACC : 0; }
int periods() { return TPCM.NWP >= 1 && TPCM.NWP <= kMaxPeriods ? TPCM.NWP : 0; }
constexpr int kOchiComponents = 4;  // the Ochi-Hubble components the page offers
int ochiComponents() {
  return TPCM.N_OCHI_COMP >= 1 && TPCM.N_OCHI_COMP <= kOchiComponents ? TPCM.N_OCHI_COMP : 0;
}
// The sea states' heights and periods: the NPARM sea states, and an Ochi-Hubble sea's components.
int seaRows() { return std::max(seaStates(), hasComponents(TPCM.WAVTYP) ? ochiComponents() : 0); }

// ---- Ranges: what the checks of a value admit ----
//
// Every check of a value admits a range of it: its need (a finite number; above 0; 0 or more), its
// bound (what it is beside the others), its being no subnormal float, and the checks of other
// findings about the same value. A refusal names the range that all of them admit together,
// whichever refuses first, so that each end it names, typed as printed, passes every one of them.
// Each check decides by its own comparison; its range says where that comparison changes its answer
// and how a message names the place.

float largestTaken(float high);
float smallestTaken(float low);
float ulpsAbove(float x, std::int64_t n);
double shownFixed(float x);

// One end of a range.
struct End {
  enum class Kind {
    kNone,     // no end on this side
    kRounded,  // a bound of what the value is, taken within a float's rounding (aboveBound, belowBound)
    kExact,    // the end itself inside, compared exactly
    kOpen,     // the end itself outside, compared exactly ("above 0")
    kPrinted,  // the figure of a report's field, an upper end (abovePrintedBound)
  };
  Kind kind = Kind::kNone;
  float at = 0.0f;        // where the check compares
  double printed = 0.0;   // kPrinted: the figure, on the hundredth
  std::string shown = {};  // the end as a message names it, where the kind's own naming does not serve
  std::string of = {};     // what sets it, said beside it
};
using EndKind = End::Kind;

End rounded(float at, std::string_view of = {}) { return {EndKind::kRounded, at, 0.0, {}, std::string(of)}; }
End exactly(float at, std::string_view of = {}) { return {EndKind::kExact, at, 0.0, {}, std::string(of)}; }
End openAt(float at, std::string_view of = {}) { return {EndKind::kOpen, at, 0.0, {}, std::string(of)}; }
End printedAt(double printed, std::string_view of = {}) {
  return {EndKind::kPrinted, static_cast<float>(printed), printed, {}, std::string(of)};
}

constexpr std::string_view kValueNoun = "a value";

// What a check admits: from `low` to `high`, less a hole of the values whose size lies below the
// hole's end (0 apart, where `zero` keeps it).
struct Range {
  End low, high;
  End hole = {};
  bool zero = true;
  std::string zeroOf = {};                 // what 0 stands for, said beside it
  std::string noun = std::string(kValueNoun);
  std::string unit = {};                   // said after the figure of the upper end: " knots"
  std::string text = {};                   // the range in words of its own, while no other check narrows it
  std::function<bool(float)> refuses = {};  // the check's own comparison, where its ends do not make it
};

// The first value a lower end takes in, the last an upper end does.
float firstAdmitted(const End& low) {
  constexpr float kInf = std::numeric_limits<float>::infinity();
  switch (low.kind) {
    case EndKind::kNone: return -kInf;
    case EndKind::kRounded: return smallestTaken(low.at);
    case EndKind::kExact: return low.at;
    case EndKind::kOpen: return std::nextafter(low.at, kInf);
    case EndKind::kPrinted: break;
  }
  return low.at;
}

// The largest float whose two decimals in a fixed field read at most `printed`.
float lastPrintedTaken(double printed) {
  const float near = static_cast<float>(printed);
  std::int64_t inside = -1;
  while (abovePrintedBound(ulpsAbove(near, inside), printed)) inside *= 2;
  std::int64_t beyond = 1;
  while (!abovePrintedBound(ulpsAbove(near, beyond), printed)) {
    inside = beyond;
    beyond *= 2;
  }
  while (beyond - inside > 1) {
    const std::int64_t middle = inside + (beyond - inside) / 2;
    (abovePrintedBound(ulpsAbove(near, middle), printed) ? beyond : inside) = middle;
  }
  return ulpsAbove(near, inside);
}

float lastAdmitted(const End& high) {
  constexpr float kInf = std::numeric_limits<float>::infinity();
  switch (high.kind) {
    case EndKind::kNone: return kInf;
    case EndKind::kRounded: return largestTaken(high.at);
    case EndKind::kExact: return high.at;
    case EndKind::kOpen: return std::nextafter(high.at, -kInf);
    case EndKind::kPrinted: return lastPrintedTaken(high.printed);
  }
  return high.at;
}

bool below(const End& low, float x) {
  switch (low.kind) {
    case EndKind::kNone: return false;
    case EndKind::kRounded: return belowBound(x, low.at);
    case EndKind::kExact: return !(x >= low.at);
    case EndKind::kOpen: return !(x > low.at);
    case EndKind::kPrinted: break;
  }
  return false;
}

bool above(const End& high, float x) {
  switch (high.kind) {
    case EndKind::kNone: return false;
    case EndKind::kRounded: return aboveBound(x, high.at);
    case EndKind::kExact: return !(x <= high.at);
    case EndKind::kOpen: return !(x < high.at);
    case EndKind::kPrinted: return abovePrintedBound(x, high.printed);
  }
  return false;
}

bool refuses(const Range& r, float x) {
  if (r.refuses) return r.refuses(x);
  if (below(r.low, x) || above(r.high, x)) return true;
  if (r.hole.kind == EndKind::kNone) return false;
  if (x == 0.0f) return !r.zero;
  return below(r.hole, std::fabs(x));
}

// Whether the hole of `r` refuses any value within its ends.
bool holeMatters(const Range& r) {
  if (r.hole.kind == EndKind::kNone) return false;
  const float size = firstAdmitted(r.hole), first = firstAdmitted(r.low), last = lastAdmitted(r.high);
  if (size <= 0.0f) return !r.zero && first <= 0.0f && last >= 0.0f;
  return first < size && last > -size;
}

bool sameEnd(const End& a, const End& b) { return a.kind == b.kind && a.at == b.at && a.printed == b.printed; }

// What `a` and `b` admit together: the nearer end on each side, the wider hole, 0 where both take
// it; the words of either where the other narrows nothing.
Range together(const Range& a, const Range& b) {
  Range r = a;
  if (firstAdmitted(b.low) > firstAdmitted(a.low)) r.low = b.low;
  if (lastAdmitted(b.high) < lastAdmitted(a.high)) r.high = b.high;
  const bool aHole = a.hole.kind != EndKind::kNone, bHole = b.hole.kind != EndKind::kNone;
  if (bHole && (!aHole || firstAdmitted(b.hole) > firstAdmitted(a.hole))) {
    r.hole = b.hole;
    r.zeroOf = b.zeroOf;
  }
  r.zero = (!aHole || a.zero) && (!bHole || b.zero);
  if (!holeMatters(r)) {
    r.hole = {};
    r.zero = true;
  }
  if (r.noun == kValueNoun) r.noun = b.noun;
  if (r.unit.empty()) r.unit = b.unit;
  const auto narrowed = [&r](const Range& own) {
    const bool hole = own.hole.kind != EndKind::kNone;
    return !sameEnd(r.low, own.low) || !sameEnd(r.high, own.high) || !sameEnd(r.hole, own.hole) ||
           (hole && r.zero != own.zero);
  };
  r.text = !a.text.empty() && !narrowed(a) ? a.text : !b.text.empty() && !narrowed(b) ? b.text : "";
  r.refuses = {};
  return r;
}

// The ends of a range as a refusal names them: the last value the comparison takes as that end,
// rounded inward to the figure a message prints (util/advised_amount), so that the end typed as
// printed passes and every figure beyond it fails.
std::string mostText(float high) {
  const std::optional<double> most = advisedMost(largestTaken(high));
  return most ? amountText(*most) : messageValue(high);
}
std::string leastText(float low) {
  const std::optional<double> least = advisedLeast(smallestTaken(low));
  return least ? amountText(*least) : messageValue(low);
}

std::string lowFigure(const End& e) {
  if (!e.shown.empty()) return e.shown;
  switch (e.kind) {
    case EndKind::kRounded: return leastText(e.at);
    case EndKind::kExact: {
      const std::optional<double> least = advisedLeast(e.at);
      return least ? amountText(*least) : messageValue(e.at);
    }
    case EndKind::kOpen: return e.at == 0.0f ? "0" : messageValue(e.at);
    case EndKind::kNone:
    case EndKind::kPrinted: break;
  }
  return {};
}

std::string highFigure(const End& e) {
  if (!e.shown.empty()) return e.shown;
  switch (e.kind) {
    case EndKind::kRounded: return mostText(e.at);
    case EndKind::kExact: {
      const std::optional<double> most = advisedMost(e.at);
      return most ? amountText(*most) : messageValue(e.at);
    }
    case EndKind::kOpen: return e.at == 0.0f ? "0" : messageValue(e.at);
    case EndKind::kPrinted: return amountText(e.printed, AmountForm::kFixed);
    case EndKind::kNone: break;
  }
  return {};
}

std::string said(const std::string& of) { return of.empty() ? std::string() : " (" + of + ")"; }

// "a value from 0.00 to 23.62 (half the beam, page 5, item 9)": the ends, what sets the lower one
// beside it where it is not what sets the upper one, and that after the upper end's unit.
std::string endsText(const Range& r) {
  const End& lo = r.low;
  const End& hi = r.high;
  const bool hasLow = lo.kind != EndKind::kNone, hasHigh = hi.kind != EndKind::kNone;
  if (!hasLow && !hasHigh) return "a finite number";
  const std::string lowOf = hasHigh && lo.of != hi.of ? said(lo.of) : std::string();
  const std::string trailing = said(hasHigh ? hi.of : lo.of);
  std::string text = r.noun;
  if (hasLow && hasHigh) {
    const std::string upper = (hi.kind == EndKind::kOpen ? "below " : "") + highFigure(hi);
    text += lo.kind == EndKind::kOpen
                ? " above " + lowFigure(lo) + lowOf + " and " + (hi.kind == EndKind::kOpen ? "" : "at most ") + upper
                : " from " + lowFigure(lo) + lowOf + " to " + upper;
  } else if (hasLow) {
    if (lo.kind == EndKind::kOpen) text += " above " + lowFigure(lo);
    else if (lo.at == 0.0f && lo.of.empty() && lo.shown.empty()) text += " of 0 or more";
    else text += " of at least " + lowFigure(lo);
  } else {
    text += (hi.kind == EndKind::kOpen ? " below " : " of at most ") + highFigure(hi);
  }
  return text + r.unit + trailing;
}

// The range as a refusal names it. A hole at one side of 0 moves the end there to its size; one
// between the ends makes it a range of sizes.
std::string rangeText(Range r) {
  if (!r.text.empty()) return r.text;
  if (r.hole.kind == EndKind::kNone) return endsText(r);
  const float size = firstAdmitted(r.hole);
  const float first = firstAdmitted(r.low), last = lastAdmitted(r.high);
  const bool zeroIn = r.zero && first <= 0.0f && last >= 0.0f;
  const std::string zero = zeroIn ? "0" + said(r.zeroOf) + " or " : std::string();
  if (!holeMatters(r)) {
    r.hole = {};
    return endsText(r);
  }
  if (size <= 0.0f) {  // a hole of 0 alone
    const bool noEnds = r.low.kind == EndKind::kNone && r.high.kind == EndKind::kNone;
    return (noEnds ? r.noun : endsText(r) + ",") + " other than 0" + said(r.hole.of);
  }
  if (first > -size && last < size) return zeroIn ? "0" + said(r.zeroOf) : "no value";
  if (first > -size) {
    r.low = r.hole;
    return zero + endsText(r);
  }
  if (last < size) {
    r.high = r.hole;
    r.high.at = -r.hole.at;
    if (!r.high.shown.empty()) r.high.shown = "-" + r.high.shown;
    return zero + endsText(r);
  }
  const bool symmetric = r.low.kind == r.high.kind && r.low.at == -r.high.at && r.low.printed == -r.high.printed;
  if (!symmetric) return zero + endsText(r) + ", at least " + lowFigure(r.hole) + " in size" + said(r.hole.of);
  Range sizes = r;
  sizes.low = r.hole;
  sizes.unit += " in size";
  return zero + endsText(sizes);
}

// ---- Bounds: what a value must be beside what it is ----
//
// Each bound gives the range it admits; none (a range without ends) where it does not judge the
// value. A bound that leans on another value of the data set holds only while that value is sound
// itself: otherwise that value's own finding names it. The reason of each bound stands beside it.

using Bound = Range (*)(int k);

// A bound in the data set's units holds only once NUNTS names them (its own finding otherwise).
bool unitsKnown() { return TPCM.NUNTS == kEnglishUnits || TPCM.NUNTS == kMetricUnits; }
bool metric() { return TPCM.NUNTS == kMetricUnits; }
constexpr float kFeetPerMetre = 3.2808399f;
// A length given in metres, in the data set's unit.
float length(float metres) { return metric() ? metres : metres * kFeetPerMetre; }

bool sound(float reference) { return std::isfinite(reference) && reference > 0.0f; }

Range between(float low, float high, std::string_view of = {}) { return {rounded(low, of), rounded(high, of)}; }
// At most `limit`, another value of the data set named by `of`; nothing while that value is unsound.
Range atMost(float limit, std::string_view of) {
  if (!sound(limit)) return {};
  return {{}, rounded(limit, of)};
}
// In size at most `limit`.
Range sizeAtMost(float limit, std::string_view of) {
  if (!sound(limit)) return {};
  return between(-limit, limit, of);
}
// From `low`, a bound of what the value is, to the figure `printed` of a report's field, named as
// the field prints it; `of` says what the range is.
Range betweenPrinted(float low, double printed, std::string_view of) {
  return {rounded(low, of), printedAt(printed, of)};
}

// The site.
float depth() { return TPCM.DEPTH; }
constexpr std::string_view kDepth = "the water depth, page 1, item 4";
// The deepest ocean is about 11,000 m deep.
Range siteDepth(int) { return unitsKnown() ? between(0.0f, length(11000.0f), "the deepest ocean") : Range{}; }
// Water from fresh to the densest brines weighs about 1,000 to 1,230 kgf per cubic metre.
Range waterDensity(int) {
  if (!unitsKnown()) return {};
  const float scale = metric() ? 1.0f : 0.062428f;  // [lb/ft^3 per kgf/m^3]
  return between(950.0f * scale, 1300.0f * scale);
}

// The length of the wave of period T [s] in the water depth, by linear theory in finite depth; 0
// where the period, the depth or the units are unsound or no wave number is found.
float waveLength(float T) {
  const float d = depth();
  if (!sound(T) || !sound(d) || !unitsKnown()) return 0.0f;
  const float g = metric() ? 9.8f : 32.152f;
  float Y = 0.0f;
  int IER = kRootFound;
  WAVVEC(kTwoPi / T * std::sqrt(d / g), Y, IER);
  if (IER != kRootFound || !(Y > 0.0f)) return 0.0f;
  return kTwoPi * d / Y;
}

// Periods of gravity waves and of a vessel's motions: below 0.1 s waves are ripples held by the
// surface tension; the reports' period fields (F6.2) print below 1,000 s.
Range period(int = 0) { return betweenPrinted(0.1f, 999.99, "seconds"); }
bool wavePeriod(float T) { return T > 0.0f && !refuses(period(), T); }

// A sea (or swell) steeper than a seventh of the wave length of its peak period breaks.
constexpr float kBreakingSteepness = 1.0f / 7.0f;
// A wave higher than the water is deep has broken long before; one of significant height H and
// peak period T, steeper than a seventh of the wave length of T in the water depth, breaks.
Range seaHeight(float T, bool hasPeriod, std::string_view periodAt) {
  const Range deep = atMost(depth(), kDepth);
  // A peak period outside the periods of waves has its own finding.
  const float L = hasPeriod && wavePeriod(T) ? waveLength(T) : 0.0f;
  if (!(L > 0.0f)) return deep;
  Range breaking{{},
                 rounded(kBreakingSteepness * L,
                         "a seventh of the wave length " + messageValue(L) + " of the peak period " + messageValue(T) +
                             " s (" + std::string(periodAt) + ") in the water depth: a steeper sea breaks")};
  breaking.noun = "a height";
  return together(deep, breaking);
}
Range significantHeight(int k) { return seaHeight(TPCM.SIGPD(k), takesPeakPeriod(TPCM.WAVTYP), "page 15, item 7"); }
Range swellHeight(int) { return seaHeight(TPCM.SWELPD, true, "page 16, item 7"); }
Range secondSwellHeight(int) { return seaHeight(TPCM.SWELPD2, true, "page 16, item 27"); }

// The regular waves' height is one linearisation amplitude for the whole grid of periods: higher
// than 0.78 of the water depth it breaks on the sea bed whatever its period, and higher than a
// seventh of the wave length of the longest period of the grid it breaks at every period, where no
// operator is sound (its breaking at part of the grid is a warning, regularWaveFindings). The
// extension of the column's end stays within the depth; a slope steeper than that of a limiting
// wave (height a seventh of its length, about 25.7 degrees) breaks.
constexpr float kDepthBreakingRatio = 0.78f;
// The longest period of the regular-wave grid and its wave length; a length of 0 where a period of
// the grid has none.
std::pair<float, float> longestWave() {
  float longest = 0.0f, longestLength = 0.0f;
  for (int i = 1; i <= periods(); ++i) {
    const float T = TPCM.T(i);
    const float L = waveLength(T);
    if (!(L > 0.0f)) return {0.0f, 0.0f};
    if (T > longest) {
      longest = T;
      longestLength = L;
    }
  }
  return {longest, longestLength};
}
Range heightOrSlope(int) {
  const Tpcm& t = TPCM;
  if (t.LEXTND != 0) return atMost(depth(), kDepth);
  if (t.LSLPHT != 0) return between(0.0f, 25.7f, "degrees: the limiting wave's slope");
  const float limit = static_cast<float>(kDepthBreakingRatio * static_cast<double>(depth()));
  const Range deep = atMost(limit, "0.78 of the water depth, page 1, item 4: a higher wave breaks on the sea bed");
  if (!sound(depth())) return deep;
  const auto [longest, L] = longestWave();
  if (!(L > 0.0f)) return deep;
  Range breaking{{}, rounded(kBreakingSteepness * L, "a seventh of the wave length " + messageValue(L) +
                                                          " of the longest period " + messageValue(longest) +
                                                          " s, page 14, item 2: a higher wave breaks at every "
                                                          "period of the grid")};
  breaking.noun = "a height";
  return together(deep, breaking);
}
// The column cannot be pulled further aside than the water is deep: no offset step beyond it.
Range offsetStep(int) { return atMost(depth(), kDepth); }

// The column's elements.
float elementLength(int k) { return TPCM.SLEN(k); }
// The elements of an attached column above its piercing element belong to the attachment (the yoke,
// the hawser): their length is the link's own, which neither the water depth nor the vessel's size
// bounds (a 20 m link to a 12 m disc is sound).
bool attachmentElement(int k) {
  const std::int32_t p = TPCM.IPIERC;
  return attached() && p >= 1 && p <= elements() && k > p;
}
// A column standing on the sea bed reaches the surface and the yoke above it: no element of it, up to
// the piercing one, is longer than twice the water depth. An attachment's link is bounded by twice
// the longest ship built, as a ship's length is.
Range columnElement(int k) {
  if (attachmentElement(k))
    return unitsKnown() ? between(0.0f, length(1000.0f), "twice the longest ship built") : Range{};
  return atMost(2.0f * depth(), "twice the water depth, page 1, item 4");
}
// The statics report prints element weights and buoyancies in F9.2, below 1,000,000, and horizontal
// loads in F8.2, below 100,000. The loads of its table follow from the largest load (page 2, item 2)
// in steps, and its last one lands a little above it (99999.91 for 99999.90); a buoyancy is the
// element's volume times the water's density, rounded in 4 bytes. Ten units inside the field hold
// every such rounding.
constexpr double kLargestPrintedWeight = 999990.0;
constexpr double kLargestPrintedLoad = 99990.0;
// A member wider than the water is deep is no column: its volume is at most that of a cylinder of
// the element's length and the water depth's diameter. And its buoyancy, the weight of that volume
// of water, is one the statics report prints: the largest volume, in hundredths, whose buoyancy as
// the statics form it (the volume times the density over 1000, in 4 bytes) is at most
// kLargestPrintedWeight.
Range elementVolume(int k) {
  const float d = depth();
  const Range cylinder = atMost(0.25f * kPi * d * d * elementLength(k),
                                "a cylinder of the element's length and the water depth's diameter");
  if (!sound(TPCM.DWATR)) return cylinder;
  const float perVolume = TPCM.DWATR / 1000.0f;
  const std::optional<double> largest = advisedMost(
      kLargestPrintedWeight / perVolume,
      [perVolume](double shown) {
        return typedValue(shown, AmountForm::kFixed) * perVolume <= static_cast<float>(kLargestPrintedWeight);
      },
      AmountForm::kFixed);
  if (!largest) return cylinder;
  return together(cylinder, {{}, printedAt(*largest, "a buoyancy that the statics report prints")});
}
// Measured from the element's lower end, a centre lies within the element.
Range withinElement(int k) {
  if (!sound(elementLength(k))) return {};
  return between(0.0f, elementLength(k), "the element's length, item 2");
}
// A radius of gyration about the centre of gravity lies within the element's largest extent: its
// length or the diameter of its volume.
Range elementGyradius(int k) {
  const float l = elementLength(k);
  if (!sound(l)) return {};
  const float diameter = 2.0f * std::sqrt(std::max(TPCM.BUOY(k), 0.0f) / (kPi * l));
  return atMost(std::max(l, diameter), "the element's length or the diameter of its volume");
}
// The waterplane of the piercing element is no wider than the water is deep.
Range waterplaneArea(int) {
  const float d = depth();
  return atMost(0.25f * kPi * d * d, "a circle of the water depth's diameter");
}
Range elementWeight(int) { return betweenPrinted(0.0f, kLargestPrintedWeight, "what the statics report prints"); }
Range horizontalLoad(int) { return betweenPrinted(0.0f, kLargestPrintedLoad, "what the statics report prints"); }
// The auxiliary offset table is interpolated in its loads: they rise from point to point.
Range auxiliaryLoad(int k) {
  const Range printed = horizontalLoad(k);
  if (k < 2 || !std::isfinite(TPCM.AUXFOR(k - 1))) return printed;
  return together(printed, {openAt(TPCM.AUXFOR(k - 1), "the load of point " + std::to_string(k - 1) +
                                                           ": the loads rise from point to point"),
                            {}});
}
// Morison added-mass coefficients of members lie about 1 to 2, drag coefficients about 0.5 to 2;
// 5 is well beyond any member in waves.
Range memberCoefficient(int) { return between(0.0f, 5.0f); }

// The vessel.
float waterlineLength() { return TPCM.LWL; }
constexpr std::string_view kLength = "the waterline length, page 5, item 8";
// Twice the longest ship ever built (about 460 m).
Range vesselLength(int) {
  return unitsKnown() ? between(0.0f, length(1000.0f), "twice the longest ship built") : Range{};
}
// A ship is no wider than it is long; a column-stabilised hull, a buoy or a spar may be, and only
// twice the longest ship bounds its beam.
bool shipHull() { return TPCM.VESTYP == kShipVessel && TPCM.SEMI_LIKE == 0; }
Range vesselBeam(int k) { return shipHull() ? atMost(waterlineLength(), kLength) : vesselLength(k); }
// The largest extent a hull can have in any direction, its height included: its waterline length,
// beam and draft together. A ship's points lie within its length; a semi-submersible's deck, a
// spar's gyradii and centre of gravity can lie much farther from the keel than the waterline is long.
float vesselExtent() { return TPCM.LWL + TPCM.BWL + TPCM.DRAFT; }
constexpr std::string_view kExtent = "the waterline length, beam and draft together, page 5, items 8 to 10";
// A hull's displaced volume fits in the box of its waterline length, beam and draft.
Range displacement(int) {
  const Tpcm& t = TPCM;
  if (!sound(t.DWATR) || !sound(t.BWL) || !sound(t.DRAFT)) return {};
  return atMost(t.DWATR * t.LWL * t.BWL * t.DRAFT / 1000.0f,
                "the displacement of a box of the waterline length, beam and draft, page 5, items 8 to 10");
}
// A waterplane lies within the waterline's length and beam.
Range waterplane() {
  if (!sound(TPCM.BWL)) return {};
  return atMost(TPCM.LWL * TPCM.BWL, "the waterline length times the beam");
}
// The waterplane gives the hull its heave restoring. The hull models take the heave loads over that
// restoring, and those ratios grow as the square of the hull's heave period over the wave's, their
// spectra as its fourth power: a waterplane near 0 overflows single precision. The waterplane that
// floats the displacement with a heave period of 999.99 s, the longest a report prints, keeps the
// ratio within 10^4 at the shortest wave period of 0.1 s; no hull floats on less (0 leaves it to the
// hull model, which takes its box's).
constexpr float kLongestHeavePeriod = 999.99f;  // [s]
Range hullWaterplane(int) {
  const Range wider = waterplane();
  const Tpcm& t = TPCM;
  if (!unitsKnown() || !sound(t.DISPL) || !sound(t.DWATR)) return wider;
  const float g = metric() ? 9.8f : 32.152f;
  const float omega = kTwoPi / kLongestHeavePeriod;
  // Up to the figure the message shows: the waterplane of a heave period of 999.99 s is the least,
  // not one a float's rounding below it.
  const std::optional<double> named = advisedLeast(t.DISPL * 1000.0f / t.DWATR * omega * omega / g);
  if (!named) return wider;
  Range floats;
  floats.hole = rounded(typedValue(*named),
                        "the waterplane that floats the displacement, page 5, item 1, with a heave period of 999.99 s");
  floats.zeroOf = "the hull model's own";
  return together(wider, floats);
}
// The metacentre lies above the centre of buoyancy (BM = I / V > 0), and above the draft by at most
// the inertia of the waterplane's bounding rectangle over the displaced volume.
Range metacentre(float span, float across) {
  const Tpcm& t = TPCM;
  Range r;
  if (std::isfinite(t.TVKB) && t.TVKB > 0.0f) r.low = rounded(t.TVKB, "the center of buoyancy, page 5, item 4");
  if (!sound(t.DWATR) || !sound(t.DISPL) || !sound(t.DRAFT) || !sound(span) || !sound(across)) return r;
  const float volume = t.DISPL * 1000.0f / t.DWATR;
  return together(r, atMost(t.DRAFT + span * across * across * across / (12.0f * volume),
                            "the draft plus the inertia of the waterline's rectangle over the displaced volume"));
}
Range transverseMetacentre(int) { return metacentre(TPCM.LWL, TPCM.BWL); }
Range longitudinalMetacentre(int) { return metacentre(TPCM.BWL, TPCM.LWL); }
// A draft reaching the sea bed leaves no water under the keel.
Range draft(int) {
  if (!vesselStages() || !std::isfinite(depth())) return {};
  return {{}, openAt(depth(), kDepth)};
}
// The centre of buoyancy lies in the hull under water.
Range buoyancyCentre(int) {
  if (!sound(TPCM.DRAFT)) return {};
  return between(0.0f, TPCM.DRAFT, "the draft, page 5, item 10");
}
// A point of the vessel (its centre of gravity, a centroid, an attachment) lies within its length of
// the vessel's origin, or within the extent of a hull other than a ship.
Range onVessel(int = 0) {
  return shipHull() ? sizeAtMost(waterlineLength(), kLength) : sizeAtMost(vesselExtent(), kExtent);
}
Range aboveKeel(int) {
  if (shipHull()) return sound(waterlineLength()) ? between(0.0f, waterlineLength(), kLength) : Range{};
  return sound(vesselExtent()) ? between(0.0f, vesselExtent(), kExtent) : Range{};
}
// A ship's roll radius of gyration lies within its beam, a pitch or yaw radius within its length;
// another hull's within its extent.
Range rollGyradius(int) {
  return shipHull() ? atMost(TPCM.BWL, "the beam, page 5, item 9") : atMost(vesselExtent(), kExtent);
}
Range vesselGyradius(int) {
  return shipHull() ? atMost(waterlineLength(), kLength) : atMost(vesselExtent(), kExtent);
}
// The bilge radius, the bilge keel's width and its distance from the centreline lie within half the
// beam.
Range halfBeam(int) { return sizeAtMost(0.5f * TPCM.BWL, "half the beam, page 5, item 9"); }
// A vessel area (wind or current drag area) lies within the square of a ship's length, or of
// another hull's extent.
Range vesselArea(int) {
  if (shipHull()) {
    const float l = waterlineLength();
    return atMost(l * l, "the square of the waterline length");
  }
  const float e = vesselExtent();
  return atMost(e * e, "the square of the waterline length, beam and draft together");
}
// The deadweight only picks the size family of the tanker wind coefficients (small tankers below
// 80,000 long tons, the OCIMF family above 140,000): it need not be that of the vessel analysed, whose
// displacement in ballast is far below its deadweight. The largest tankers built carry about
// 565,000 t; twice that is no tanker.
constexpr float kKipsPerMetricTon = 2.2046226f;
Range deadweight(int) {
  if (!unitsKnown()) return {};
  const float largest = 1.0e6f * (metric() ? 1.0f : kKipsPerMetricTon);
  return between(0.0f, largest, "about twice the deadweight of the largest tanker built");
}
// Trim or heel beyond 45 degrees capsizes a hull.
Range hullAngle(int) { return between(-45.0f, 45.0f, "degrees"); }

// The vessel's speed is stored per second and shown in knots. Beyond a Froude number of 0.5 on its
// waterline a displacement hull no longer floats on its waterline, which the hull models take.
float speedPerKnot() { return metric() ? kMetresPerSecondPerKnot : kFeetPerSecondPerKnot; }
Range vesselSpeed(int) {
  if (!unitsKnown() || !sound(waterlineLength())) return {};
  const float g = metric() ? 9.8f : 32.152f;
  const float limit = 0.5f * std::sqrt(g * waterlineLength());
  Range r = sizeAtMost(limit / speedPerKnot(), "a Froude number of 0.5 on the waterline length " +
                                                   messageValue(waterlineLength()) + ", page 5, item 8");
  r.noun = "a speed";
  r.unit = " knots";
  return r;
}

// The attachment's hinge at the vessel (a yoke's, a hawser's, a pendular mass's): below the water no
// deeper than the keel, and no deeper than the sea bed; above it, within the vessel's size (a ship's
// length, another hull's extent; twice the longest ship built where the vessel's size is unsound, or
// is no value of the run's, the vessel not analysed), since the hinge stands on the vessel. A buoyant
// riser's top is held at the keel whatever this says.
Range yokeHeight(int) {
  const Tpcm& t = TPCM;
  if (!attached() || t.IARCO == kBuoyantRiser) return {};
  const bool vessel = vesselStages();
  Range r;
  if (vessel && sound(t.DRAFT) && (!sound(depth()) || t.DRAFT <= depth())) {
    r.low = rounded(-t.DRAFT, "the draft, page 5, item 10");
  } else if (sound(depth())) {
    r.low = rounded(-depth(), kDepth);
  }
  if (vessel && shipHull() && sound(waterlineLength())) {
    r.high = rounded(waterlineLength(), kLength);
  } else if (vessel && !shipHull() && sound(vesselExtent())) {
    r.high = rounded(vesselExtent(), kExtent);
  } else if (unitsKnown()) {
    r.high = rounded(length(1000.0f), "twice the longest ship built");
  }
  return r;
}
// A system under water for the statics holds the attachment at or below the waterline
// (submergedTopFinding, run_checks).
Range submergedAttachment(int) {
  const Tpcm& t = TPCM;
  if (!wholeSystemSubmerged(t.WETYOK) || !attached() || t.IARCO == kBuoyantRiser) return {};
  return {{}, exactly(0.0f, "the waterline: the whole system is under water, page 3, item 1")};
}

// The two attachment points of a yoke or a pendular mass at the vessel lie on the vessel. The loads
// of the yoke's two sides are its member's loads times its length over their separation: a
// separation below a hundredth of that length makes them a hundred times the member's loads and more
// (1e-30 overflows them), and none at all leaves them indeterminate, which the yoke's wave-frequency
// dynamics cannot take. A pendular mass hung from one point (0) is sound.
constexpr float kSmallestSeparationPerLength = 0.01f;
Range attachmentSeparation(int k) {
  if (!attachmentArm()) return {};
  Range r = vesselStages() ? onVessel(k) : Range{};
  const SalmMembers m = salmMembers();
  const float member = m.length.size() >= 2 ? m.length.back() : 0.0f;
  const bool yokeDynamics = TPCM.IARCO == kYoke && attachedDynamics();
  // A member longer than any link has a finding of its own lengths.
  const bool memberSound = sound(member) && unitsKnown() && member <= length(1000.0f);
  Range sizes;
  sizes.noun = "a separation";
  sizes.zero = !yokeDynamics;
  if (memberSound) {
    sizes.hole = rounded(kSmallestSeparationPerLength * member,
                         "a hundredth of the length of the attachment's member, " + messageValue(member) +
                             " (page 3, item 2): the side loads are its loads times its length over the separation");
  } else if (yokeDynamics) {
    sizes.hole = exactly(0.0f, "the yoke's side loads are its loads over it");
  }
  return together(r, sizes);
}

// Headings, angles and steps of angles turn at most once either way.
Range heading(int = 0) { return between(-360.0f, 360.0f, "degrees"); }
// The yaw table's points lie a step apart: a step above 0 when the table is on.
Range yawStep(int k) {
  if (TPCM.YAWTBL == 0) return heading(k);
  Range r{openAt(0.0f), rounded(360.0f, "the yaw table is on, item 12")};
  r.noun = "a step";
  r.unit = " degrees";
  return r;
}
Range turnInRadians(int) { return between(-kTwoPi, kTwoPi, "radians"); }
// An inclination of the base from the vertical, in radians, at most a right angle.
Range baseInclination(int) { return between(-0.5f * kPi, 0.5f * kPi, "radians"); }

// A default swell spectrum is a Gaussian about the grid period nearest its peak: the peak must lie
// on the regular wave periods, where the Gaussian's own test places it: its grid position from 1 to
// below n + 1.
Range onPeriodGrid(std::int32_t type) {
  const int n = periods();
  if (type != kSpectrumDefaultSwell || n < 2) return {};
  const auto onGrid = [n](float period) {
    const float position = swellGridPosition(period);
    return position >= 1.0f && position < static_cast<float>(n + 1);
  };
  const float step = TPCM.T(2) - TPCM.T(1);
  // The first figure that the test takes as typed, and the first one above it that it refuses.
  const std::optional<double> first =
      advisedLeast(TPCM.T(1) - 0.5f * step, [&](double shown) { return onGrid(typedValue(shown)); });
  const std::optional<double> last =
      advisedLeast(TPCM.T(n) + 0.5f * step, [&](double shown) { return !onGrid(typedValue(shown)); });
  if (!first || !last) return {};
  Range r{exactly(typedValue(*first), "page 14, item 2"), openAt(typedValue(*last), "page 14, item 2")};
  r.low.shown = amountText(*first);
  r.high.shown = amountText(*last);
  r.noun = "a period on the regular wave periods,";
  r.refuses = [onGrid](float x) { return !onGrid(x); };
  return r;
}
Range seaPeakPeriod(int) { return together(period(), onPeriodGrid(TPCM.WAVTYP)); }
Range swellPeakPeriod(int) { return together(period(), onPeriodGrid(TPCM.SWLTYP)); }
Range secondSwellPeakPeriod(int) { return together(period(), onPeriodGrid(TPCM.SWLTYP2)); }

// Damping in percent of critical: beyond critical a mode no longer oscillates.
Range percentOfCritical(int) { return between(0.0f, 100.0f, "percent of critical"); }
// A share of the full load, in percent.
Range percentOfLoad(int) { return between(0.0f, 100.0f, "percent"); }
// An interpolation factor between two shapes, a share of a mean.
Range fraction(int) { return between(0.0f, 1.0f); }
// A spectral density spreads a variance, which is not negative.
Range density() { return {exactly(0.0f), {}}; }
// Enhancement, shape and shadowing factors scale a load model calibrated about 1: ten times is far
// beyond any calibration.
Range loadFactor(int) { return between(0.0f, 10.0f); }
// A term added to such factors, as large at most either way.
Range addedFactor(int) { return between(-10.0f, 10.0f); }
// A tanker drift model's bow or stern wedge ends short of midships (addHullEndFindings, run_checks).
Range endFits(bool bow) {
  const std::optional<float> least = leastFittingEndFactor(bow);
  if (!least) return {};
  Range r{exactly(*least, "the least that fits this hull"), {}};
  r.noun = "a factor";
  return r;
}
Range bowEnd(int) { return endFits(true); }
Range sternEnd(int) { return endFits(false); }

// The strongest gusts measured stay below 220 knots.
Range windSpeed(int) { return between(0.0f, 250.0f, "knots"); }
// The A.P.I. wind spectrum peaks at its parameter times the mean wind over the reference height: at
// 0 it has no peak and an infinite density at rest. It was fitted to measured winds with the
// parameter from 0.01 to 0.1; the other spectra do not read it.
Range apiParameter(int) {
  if (TPCM.WNDTYP != kApiWind) return {};
  Range r = between(0.01f, 0.1f, "the range the A.P.I. spectrum was fitted over");
  // Written out: 0.01 in single precision lies just below a hundredth, which a message would show
  // in exponent form.
  r.low.shown = "0.01";
  return r;
}
// The N.P.D. spectrum takes the mean wind at its height z from the profile 1 + C ln(z / 10 m) times
// the wind at 10 m (C = 0.0573 sqrt(1 + 0.15 U), U that wind in m/s), and scales its gusts by powers
// of z / 10 m: a height of 0 or below has no such powers, and at 1.01 times the height where the
// profile comes to nothing, 10 m exp(-1 / C), and below it the spectrum drops its gusts (and close
// above it blows them up by the square of 10 m's wind over almost none). The test is the spectrum's
// own, in its arithmetic, so that the two never disagree.
Range npdHeight(int) {
  const Tpcm& t = TPCM;
  if (t.WNDTYP != kNpdWind || !unitsKnown()) return {};
  const double reference = metric() ? 10.0 : 32.81;  // 10 m in the data set's unit, as the formula takes it
  const bool calm = !(t.WNDSPD > 0.0f && std::isfinite(t.WNDSPD));  // its own finding, or no gusts to scale
  const double c = 0.0573 * std::sqrt(1.0 + 1.5 * 0.05139 * (calm ? 0.0 : t.WNDSPD));
  const double lowest = 1.01 * std::exp(-1.0 / c);  // of z / 10 m
  const bool inMetres = metric();
  const auto high = [inMetres, lowest](float z) { return (inMetres ? 0.1 * z : z / 32.81) > lowest; };
  // The last figure that the spectrum's test refuses as typed: every figure above it passes.
  const std::optional<double> last =
      advisedMost(lowest * reference, [&](double shown) { return !high(typedValue(shown)); });
  // The first height the test takes, for the ranges of other checks.
  float first = static_cast<float>(lowest * reference);
  while (!high(first)) first = std::nextafter(first, std::numeric_limits<float>::infinity());
  while (high(std::nextafter(first, 0.0f))) first = std::nextafter(first, 0.0f);
  Range r{exactly(first), {}};
  r.refuses = [high](float z) { return !high(z); };
  r.text = "a height above " + (last ? amountText(*last) : messageValue(lowest * reference)) +
           (metric() ? " meters" : " feet") +
           ": at and below it the N.P.D. wind profile, the wind at 10 m times 1+C*ln(z/10m) with C = " +
           messageValue(c) + " at the wind speed of item 1, holds almost no wind and the spectrum no gusts";
  return r;
}
// The strongest tidal streams run below 25 knots.
Range knotsOfCurrent(int) { return between(0.0f, 25.0f, "knots"); }
// A depth of the current profile lies in the water.
Range inTheWater(int) {
  if (!sound(depth())) return {};
  return between(0.0f, depth(), kDepth);
}

// The storm of the extreme statistics: the low-frequency report prints its hours as F4.1.
Range stormHours(int) { return betweenPrinted(0.0f, 99.9, "hours: what the low-frequency report prints"); }

// The spectra's shapes. A JONSWAP peak factor of 1 is the Pierson-Moskowitz sea, and measured seas
// stay far below 20.
Range peakFactorOf(bool used) { return used ? between(1.0f, 20.0f) : Range{}; }
// A JONSWAP width divides the distance from the peak; above 1 it exceeds the peak frequency itself.
Range peakWidthOf(bool used) { return used ? Range{openAt(0.0f), rounded(1.0f)} : Range{}; }
Range seaPeakFactor(int) { return peakFactorOf(hasJonswapShape(TPCM.WAVTYP)); }
Range seaPeakWidth(int) { return peakWidthOf(hasJonswapShape(TPCM.WAVTYP)); }
Range swellPeakFactor(int) { return peakFactorOf(hasJonswapShape(TPCM.SWLTYP)); }
Range swellPeakWidth(int) { return peakWidthOf(hasJonswapShape(TPCM.SWLTYP)); }
Range secondSwellPeakFactor(int) { return peakFactorOf(hasJonswapShape(TPCM.SWLTYP2)); }
Range secondSwellPeakWidth(int) { return peakWidthOf(hasJonswapShape(TPCM.SWLTYP2)); }
// The default swell's Gaussian divides by its relative width; a width above 1 reaches zero frequency.
Range seaWidth(int) { return peakWidthOf(hasBandwidth(TPCM.WAVTYP)); }
Range swellWidth(int) { return peakWidthOf(hasBandwidth(TPCM.SWLTYP)); }
Range secondSwellWidth(int) { return peakWidthOf(hasBandwidth(TPCM.SWLTYP2)); }
// The Ochi-Hubble shape enters through its gamma function, which holds above 0 up to 34.5.
Range ochiShape(int) { return {openAt(0.0f), rounded(kLargestOchiLambda)}; }
// The cosine power of the spreading enters through gamma functions of (p + 2) / 2, which hold up
// to 34.5.
Range spreadingIndex(int) { return between(0.0f, kLargestSpreadingIndex); }
// Page 15 and its listing print the sector as F8.2; beyond a turn the energy comes from all sides.
Range spreadingSector(int) { return betweenPrinted(0.0f, 99999.99, "degrees: what page 15 prints"); }

// ---- The rules ----

enum class Need {
  kNumber,       // a finite number
  kPositive,     // above 0
  kNotNegative,  // 0 or above
};

bool meets(float value, Need need) {
  if (!std::isfinite(value)) return false;
  switch (need) {
    case Need::kNumber: return true;
    case Need::kPositive: return value > 0.0f;
    case Need::kNotNegative: return value >= 0.0f;
  }
  return false;
}

// What the need admits.
Range needRange(Need need) {
  switch (need) {
    case Need::kNumber: break;
    case Need::kPositive: return {openAt(0.0f), {}};
    case Need::kNotNegative: return {exactly(0.0f), {}};
  }
  return {};
}

// Where a value is edited: page and item; `element` for the rows of the SALM element page, and a
// sub-page's own item after the item that opens it. Page 0: no page of this editor shows the word.
struct Where {
  int page = 0;
  int item = 0;
  int subItem = 0;  // the item on the page that `item` opens (the attachment specifics of page 3)
  int word = 0;     // the word of the data set, for a value that no page shows
};

// How a page shows a value that the data set stores in another unit (the speed, in knots).
struct ShownUnit {
  float (*storedPerShown)();
  std::string_view label;  // after the figure: " knots"
};
constexpr ShownUnit kKnots{speedPerKnot, " knots"};

// One float value, or an array of them, with its rule.
struct FloatValue {
  std::string_view label;      // the page's words for it
  Where where;
  Need need;
  Readers readers;             // the stages that read it
  float& (*value)(int k);      // element k (1 for a single value)
  int (*count)();              // elements in use
  bool element = false;        // one value per SALM element (page 3's element page)
  Bound bound = nullptr;       // what it must be beside what it is
  AmountForm shownAs = AmountForm::kMessage;  // how a finding shows it: kFixed where its page does
  Bound others = nullptr;      // what the findings of other checks of it admit (they refuse it themselves)
  const ShownUnit* unit = nullptr;  // its page's unit, where it is not the stored one; the bound judges it in that
};

constexpr FloatValue kFloatValues[] = {
    // Page 1, site.
    {"Site water depth", {1, 4}, Need::kPositive, {{kEveryStage}}, [](int) -> float& { return TPCM.DEPTH; }, one,
     false, siteDepth},
    {"Water density", {1, 5}, Need::kPositive, {{kEveryStage}}, [](int) -> float& { return TPCM.DWATR; }, one, false,
     waterDensity},
    // Page 2, SALM information. A buoyant riser's judge in the slow drift reads the table's largest load
    // and its offset step too.
    {"Maximum horizontal load on Salm", {2, 2}, Need::kPositive,
     {{kStatics | kSlowDrift | kLowFrequencyReport, tableLoads}},
     [](int) -> float& { return TPCM.TLOAD; }, one, false, horizontalLoad},
    {"Offset increment for static offset table", {2, 3}, Need::kNotNegative, {{kStatics | kSlowDrift}},
     [](int) -> float& { return TPCM.OFFINC; }, one, false, offsetStep},
    {"Water plane area of water-piercing element", {2, 5}, Need::kNotNegative, {{kStatics | kFreeDynamics}},
     [](int) -> float& { return TPCM.WPAPRC; }, one, false, waterplaneArea},
    // The default coefficients of the members: the dynamics' report prints them, and the drag one
    // sets the drag of the column's end.
    {"Default added mass coefficient", {2, 7}, Need::kNotNegative, {{kDynamics}},
     [](int) -> float& { return TPCM.COFMAS; }, one, false, memberCoefficient},
    {"Default square-law drag coefficient", {2, 8}, Need::kNotNegative, {{kDynamics}},
     [](int) -> float& { return TPCM.COFDMP; }, one, false, memberCoefficient},
    // Page 3, SALM elements.
    {"Element length", {3, 2}, Need::kPositive, {{kEveryStage}}, [](int k) -> float& { return TPCM.SLEN(k); },
     elements, true, columnElement},
    {"Total volume", {3, 3}, Need::kNotNegative, {{kEveryStage}}, [](int k) -> float& { return TPCM.BUOY(k); },
     elements, true, elementVolume, AmountForm::kFixed},
    {"Centroid of volume", {3, 4}, Need::kNumber, {{kEveryStage}}, [](int k) -> float& { return TPCM.CBUOY(k); },
     elements, true, withinElement},
    {"Total dry weight of element", {3, 5}, Need::kNotNegative, {{kEveryStage}},
     [](int k) -> float& { return TPCM.TMASS(k); }, elements, true, elementWeight},
    {"Center of gravity", {3, 6}, Need::kNumber, {{kEveryStage}}, [](int k) -> float& { return TPCM.CGSALM(k); },
     elements, true, withinElement},
    {"Gyradius of element", {3, 8}, Need::kNotNegative, {{kStatics | kDynamics}},
     [](int k) -> float& { return TPCM.GYRAD(k); }, elements, true, elementGyradius},
    {"Added mass coefficient of element", {3, 9}, Need::kNotNegative, {{kStatics | kDynamics}},
     [](int k) -> float& { return TPCM.COFMST(k); }, elements, true, memberCoefficient},
    {"Effective drag coefficient of element", {3, 10}, Need::kNotNegative, {{kDynamics}},
     [](int k) -> float& { return TPCM.COFDMT(k); }, elements, true, memberCoefficient},
    {"Yoke to waterline height at vessel", {3, 14, 1}, Need::kNumber, {{kStatics | kVessel}},
     [](int) -> float& { return TPCM.YOKEHT; }, one, false, yokeHeight, AmountForm::kMessage, submergedAttachment},
    {"X-Coordinate of Salm attachment", {3, 14, 2}, Need::kNumber, {{kVessel | kAttachedDynamics}},
     [](int) -> float& { return TPCM.XSALM; }, one, false, onVessel},
    {"Separation of attachment points", {3, 14, 3}, Need::kNumber, {{kVessel | kAttachedDynamics}},
     [](int) -> float& { return TPCM.PNDARM; }, one, false, attachmentSeparation},
    {"Auxiliary static offset table load", {3, 11}, Need::kNumber, {{kStatics | kSlowDrift, auxiliaryTable}},
     [](int k) -> float& { return TPCM.AUXFOR(k); }, tablePoints, false, auxiliaryLoad},
    {"Equilibrium yaw angle", {3, 13}, Need::kNumber, {{kSlowDrift}}, [](int) -> float& { return TPCM.EQLYAW; }, one,
     false, heading},
    {"Yaw increment to use in yaw table", {3, 14}, Need::kNumber, {{kSlowDrift}},
     [](int) -> float& { return TPCM.YAWINC; }, one, false, yawStep},
    {"Version of the program that stored the data set VERNO", {0, 0, 0, 217}, Need::kNumber, {{kStatics}},
     [](int) -> float& { return TPCM.VERNO; }, one},
    {"Base inclination ANCHOR", {0, 0, 0, 2373}, Need::kNumber, {{kStatics}},
     [](int) -> float& { return TPCM.ANCHOR; }, one, false, baseInclination},
    {"Yoke angle offset YOKVES", {0, 0, 0, 2376}, Need::kNumber,
     {{kSlowDrift | kLowFrequencyReport | kAttachedDynamics}},
     [](int) -> float& { return TPCM.YOKVES; }, one, false, turnInRadians},
    // Page 4, low-frequency dynamics.
    {"Surge damping (percent of critical)", {4, 3}, Need::kPositive,
     {{kSlowDrift | kLowFrequencyReport, surgeDampingOn}}, [](int) -> float& { return TPCM.SGLFDP; }, one, false,
     percentOfCritical},
    {"Sway damping (percent of critical)", {4, 5}, Need::kPositive, {{kSlowDrift | kLowFrequencyReport, swayDampingOn}},
     [](int) -> float& { return TPCM.SWLFDP; }, one, false, percentOfCritical},
    {"Yaw damping (percent of critical)", {4, 7}, Need::kPositive, {{kSlowDrift | kLowFrequencyReport, yawDampingOn}},
     [](int) -> float& { return TPCM.YWLFDP; }, one, false, percentOfCritical},
    // Page 5, vessel hydrostatics: the hull models of the vessel passes (and of the slow drift, which
    // reruns them), the slow drift and its report.
    {"Vessel displacement", {5, 1}, Need::kPositive, {{kVessel}}, [](int) -> float& { return TPCM.DISPL; }, one, false,
     displacement},
    {"Transverse metacentric height (KMT)", {5, 2}, Need::kPositive, {{kVessel}},
     [](int) -> float& { return TPCM.TVKMT; }, one, false, transverseMetacentre},
    {"Longitudinal metacentric height (KML)", {5, 3}, Need::kPositive, {{kVessel}},
     [](int) -> float& { return TPCM.TVKML; }, one, false, longitudinalMetacentre},
    {"Vertical center of buoyancy (VKB)", {5, 4}, Need::kNumber, {{kVessel}}, [](int) -> float& { return TPCM.TVKB; },
     one, false, buoyancyCentre},
    {"Vertical center of gravity (VKG)", {5, 5}, Need::kNumber, {{kVessel}}, [](int) -> float& { return TPCM.TVKG; },
     one, false, aboveKeel},
    {"LCG-to-Midships distance", {5, 6}, Need::kNumber, {{kSlowDrift}},
     [](int) -> float& { return TPCM.CG_to_Midship; }, one, false, onVessel},
    {"Vessel water plane area", {5, 7}, Need::kNotNegative, {{kVessel}}, [](int) -> float& { return TPCM.AWP; }, one,
     false, hullWaterplane},
    {"Length of vessel at waterline", {5, 8}, Need::kPositive, {{kVessel}}, [](int) -> float& { return TPCM.LWL; },
     one, false, vesselLength},
    {"Beam of vessel at waterline", {5, 9}, Need::kPositive, {{kVessel}}, [](int) -> float& { return TPCM.BWL; }, one,
     false, vesselBeam},
    // The statics hold a buoyant riser's top at the keel.
    {"Mean vessel draft", {5, 10}, Need::kPositive, {{kVessel}, {kStatics, attachedRiser}},
     [](int) -> float& { return TPCM.DRAFT; }, one, false, draft},
    // Page 6, vessel inertia and motion.
    {"Pitch Gyradius", {6, 1}, Need::kPositive, {{kVesselPasses}}, [](int) -> float& { return TPCM.PGYR; }, one, false,
     vesselGyradius},
    {"Roll Gyradius", {6, 2}, Need::kPositive, {{kVesselPasses}}, [](int) -> float& { return TPCM.RGYR; }, one, false,
     rollGyradius},
    {"Yaw Gyradius", {6, 3}, Need::kPositive, {{kVesselPasses | kSlowDrift}}, [](int) -> float& { return TPCM.TYGYR; },
     one, false, vesselGyradius},
    {"Bilge radius at maximum beam station", {6, 4}, Need::kNotNegative, {{kVesselPasses}},
     [](int) -> float& { return TPCM.BILGR; }, one, false, halfBeam},
    {"Bilge keel length", {6, 6}, Need::kNotNegative, {{kVesselPasses, bilgeKeelOn}},
     [](int) -> float& { return TPCM.TKEEL; }, one, false, vesselGyradius},
    {"Bilge keel width", {6, 7}, Need::kNotNegative, {{kVesselPasses, bilgeKeelOn}},
     [](int) -> float& { return TPCM.RKEEL; }, one, false, halfBeam},
    {"Inboard keel-to-vessel centerline distance", {6, 8}, Need::kNumber, {{kVesselPasses, bilgeKeelOn}},
     [](int) -> float& { return TPCM.DKEEL; }, one, false, halfBeam},
    {"Vessel speed", {6, 9}, Need::kNumber, {{kVessel}}, [](int) -> float& { return TPCM.TVFWD; }, one, false,
     vesselSpeed, AmountForm::kMessage, nullptr, &kKnots},
    {"Global direction of vessel motion", {6, 10}, Need::kNumber, {{kVessel | kAttachedDynamics}},
     [](int) -> float& { return TPCM.VGLDIR; }, one, false, heading},
    {"Trim angle", {6, 11}, Need::kNumber, {{kVesselPasses}}, [](int) -> float& { return TPCM.TRIMDG; }, one, false,
     hullAngle},
    {"Heel angle", {6, 12}, Need::kNumber, {{kVesselPasses}}, [](int) -> float& { return TPCM.HEELDG; }, one, false,
     hullAngle},
    // Page 7, damping and periods given by the user: the hull models.
    {"Heave damping (percent of critical)", {7, 2}, Need::kPositive, {{kVesselPasses, heaveDampingOn}},
     [](int) -> float& { return TPCM.HVDAMP; }, one, false, percentOfCritical},
    {"Pitch damping (percent of critical)", {7, 4}, Need::kPositive, {{kVesselPasses, pitchDampingOn}},
     [](int) -> float& { return TPCM.PTDAMP; }, one, false, percentOfCritical},
    {"Roll damping (percent of critical)", {7, 6}, Need::kPositive, {{kVesselPasses, rollDampingOn}},
     [](int) -> float& { return TPCM.RLDAMP; }, one, false, percentOfCritical},
    {"Heave period", {7, 8}, Need::kPositive, {{kVesselPasses, heavePeriodOn}},
     [](int) -> float& { return TPCM.HEVPRD; }, one, false, period},
    {"Pitch period", {7, 10}, Need::kPositive, {{kVesselPasses, pitchPeriodOn}},
     [](int) -> float& { return TPCM.PITPRD; }, one, false, period},
    {"Roll period", {7, 12}, Need::kPositive, {{kVesselPasses, rollPeriodOn}},
     [](int) -> float& { return TPCM.ROLPRD; }, one, false, period},
    // Page 8, vessel low-frequency loads: the slow drift's loads and its report.
    {"Freeboard-Based Load", {8, 7}, Need::kNotNegative, {{kSlowDrift | kLowFrequencyReport, windTanker}},
     [](int) -> float& { return TPCM.LOADED; }, one, false, percentOfLoad},
    {"Wind Bow Interpolation Factor", {8, 8}, Need::kNumber, {{kSlowDrift | kLowFrequencyReport, windTanker}},
     [](int) -> float& { return TPCM.BOWWND; }, one, false, fraction},
    {"Draft-Based Load", {8, 17}, Need::kNotNegative, {{kSlowDrift | kLowFrequencyReport}},
     [](int) -> float& { return TPCM.DFTPCT; }, one, false, percentOfLoad},
    {"Current Bow Interpolation Factor", {8, 18}, Need::kNumber, {{kSlowDrift | kLowFrequencyReport}},
     [](int) -> float& { return TPCM.BOWCUR; }, one, false, fraction},
    {"Head-on shadowing & geometry factor", {8, 27}, Need::kNumber, {{kSlowDrift}},
     [](int) -> float& { return TPCM.XSHDOW; }, one, false, loadFactor},
    {"Beam-on shadowing & geometry factor", {8, 28}, Need::kNumber, {{kSlowDrift}},
     [](int) -> float& { return TPCM.YSHDOW; }, one, false, loadFactor},
    {"Vessel Deadweight", {8, 31}, Need::kNotNegative, {{kSlowDrift | kLowFrequencyReport, windTanker}},
     [](int) -> float& { return TPCM.DWTONS; }, one, false, deadweight},
    // Page 9, external force.
    {"X force component", {9, 2}, Need::kNumber, {{kSlowDrift | kLowFrequencyReport, externalForceOn}},
     [](int) -> float& { return TPCM.XVFRC; }, one},
    {"Y force component", {9, 3}, Need::kNumber, {{kSlowDrift | kLowFrequencyReport, externalForceOn}},
     [](int) -> float& { return TPCM.YVFRC; }, one},
    {"Applied moment (force couple) value", {9, 4}, Need::kNumber,
     {{kSlowDrift | kLowFrequencyReport, externalForceOn}},
     [](int) -> float& { return TPCM.VESMOM; }, one},
    {"Applied force X-coordinate", {9, 6}, Need::kNumber, {{kSlowDrift | kLowFrequencyReport, externalForceOn}},
     [](int) -> float& { return TPCM.XVLOC; }, one, false, onVessel},
    {"Applied force Y-coordinate", {9, 7}, Need::kNumber, {{kSlowDrift | kLowFrequencyReport, externalForceOn}},
     [](int) -> float& { return TPCM.YVLOC; }, one, false, onVessel},
    // Page 10, areas and enhancement factors: the slow drift's loads and its report. The heights of the
    // areas' centroids above the keel (items 4, 7, 14 and 17) no stage reads.
    {"Wind head-on effective drag area", {10, 2}, Need::kNotNegative, {{kSlowDrift | kLowFrequencyReport}},
     [](int) -> float& { return TPCM.TXWNDA; }, one, false, vesselArea},
    {"Wind head-on drag area centroid (y)", {10, 3}, Need::kNumber, {{kSlowDrift | kLowFrequencyReport}},
     [](int) -> float& { return TPCM.XWARM; }, one, false, onVessel},
    {"Wind beam-on effective drag area", {10, 5}, Need::kNotNegative, {{kSlowDrift | kLowFrequencyReport}},
     [](int) -> float& { return TPCM.TYWNDA; }, one, false, vesselArea},
    {"Wind beam-on drag area centroid (x)", {10, 6}, Need::kNumber, {{kSlowDrift | kLowFrequencyReport}},
     [](int) -> float& { return TPCM.YWARM; }, one, false, onVessel},
    {"Wind force enhancement factor", {10, 8}, Need::kNotNegative, {{kSlowDrift | kLowFrequencyReport}},
     [](int) -> float& { return TPCM.TWNDCF; }, one, false, loadFactor},
    {"Current head-on effective drag area", {10, 12}, Need::kNotNegative,
     {{kVesselPasses | kSlowDrift | kLowFrequencyReport}},
     [](int) -> float& { return TPCM.TXCURA; }, one, false, vesselArea},
    {"Current head-on drag area centroid (y)", {10, 13}, Need::kNumber, {{kSlowDrift | kLowFrequencyReport}},
     [](int) -> float& { return TPCM.XCARM; }, one, false, onVessel},
    {"Current beam-on effective drag area", {10, 15}, Need::kNotNegative, {{kSlowDrift | kLowFrequencyReport}},
     [](int) -> float& { return TPCM.TYCURA; }, one, false, vesselArea},
    {"Current beam-on drag area centroid (x)", {10, 16}, Need::kNumber, {{kSlowDrift | kLowFrequencyReport}},
     [](int) -> float& { return TPCM.YCARM; }, one, false, onVessel},
    {"Current force enhancement factor", {10, 18}, Need::kNotNegative, {{kSlowDrift | kLowFrequencyReport}},
     [](int) -> float& { return TPCM.CURFAC; }, one, false, loadFactor},
    {"Bow shape factor", {10, 21}, Need::kNotNegative, {{kSlowDrift | kLowFrequencyReport}},
     [](int) -> float& { return TPCM.BOWFAC; }, one, false, loadFactor, AmountForm::kMessage, bowEnd},
    {"Stern shape factor", {10, 22}, Need::kNotNegative, {{kSlowDrift}}, [](int) -> float& { return TPCM.STRNFC; },
     one, false, loadFactor, AmountForm::kMessage, sternEnd},
    {"Wave reflection HEAD-ON enhancement factor", {10, 23}, Need::kNotNegative, {{kSlowDrift}},
     [](int) -> float& { return TPCM.WVFCX; }, one, false, loadFactor},
    {"Wave reflection BEAM-ON enhancement factor", {10, 24}, Need::kNotNegative, {{kSlowDrift}},
     [](int) -> float& { return TPCM.WVFCY; }, one, false, loadFactor},
    {"Wave reflection MOMENT enhancement factor", {10, 25}, Need::kNotNegative, {{kSlowDrift}},
     [](int) -> float& { return TPCM.WVFCM; }, one, false, loadFactor},
    {"Variable wave reflection enhancement factor", {10, 26}, Need::kNotNegative, {{kSlowDrift | kLowFrequencyReport}},
     [](int) -> float& { return TPCM.VWDFAC; }, one, false, loadFactor},
    {"Wave absorption HEAD-ON enhancement factor", {10, 31}, Need::kNotNegative, {{kSlowDrift}},
     [](int) -> float& { return TPCM.WVDGCX; }, one, false, loadFactor},
    {"Wave absorption BEAM-ON enhancement factor", {10, 32}, Need::kNotNegative, {{kSlowDrift}},
     [](int) -> float& { return TPCM.WVDGCY; }, one, false, loadFactor},
    {"Wave absorption MOMENT enhancement factor", {10, 33}, Need::kNotNegative, {{kSlowDrift}},
     [](int) -> float& { return TPCM.WVDGCM; }, one, false, loadFactor},
    {"Variable wave absorption enhancement factor", {10, 34}, Need::kNotNegative, {{kSlowDrift}},
     [](int) -> float& { return TPCM.VWDRGFC; }, one, false, loadFactor},
    // Page 11, wind: the slow drift and its report.
    {"Wind speed", {11, 1}, Need::kNotNegative, {{kSlowDrift | kLowFrequencyReport, windOn}},
     [](int) -> float& { return TPCM.WNDSPD; }, one, false, windSpeed},
    {"Wind heading", {11, 2}, Need::kNumber, {{kSlowDrift | kLowFrequencyReport, windOn}},
     [](int) -> float& { return TPCM.WNDHDG; }, one, false, heading},
    {"Wind speed spectral density", {11, 3}, Need::kNumber, {{kSlowDrift | kLowFrequencyReport, windOn}},
     [](int) -> float& { return TPCM.WNDDEN; }, one, false,
     [](int) { return TPCM.WNDTYP == kLegacyPointWind ? density() : Range{}; }},
    {"A.P.I. wind spectrum parameter", {11, 3}, Need::kNumber, {{kSlowDrift, windOn}},
     [](int) -> float& { return TPCM.APIPRM; }, one, false, apiParameter},
    {"N.P.D. Spectral Evaluation Height", {11, 3}, Need::kNumber, {{kSlowDrift, windOn}},
     [](int) -> float& { return TPCM.WSPEC_HGT; }, one, false, npdHeight},
    // Page 12, current. The wave-frequency dynamics drag the members through the current too. The
    // fraction of item 7 no stage reads.
    {"Current speed", {12, 1}, Need::kNotNegative, {{kVessel | kDynamics, currentOn}},
     [](int) -> float& { return TPCM.CURSPD; }, one, false, knotsOfCurrent},
    {"Current heading", {12, 2}, Need::kNumber, {{kVessel, currentOn}}, [](int) -> float& { return TPCM.CURHDG; }, one,
     false, heading},
    {"Current profile depth", {12, 5}, Need::kNumber, {{kCurrentProfile, currentTableOn}},
     [](int k) -> float& { return TPCM.DPTHI(k); }, profileRows, false, inTheWater},
    {"Current profile speed", {12, 5}, Need::kNumber, {{kCurrentProfile, currentTableOn}},
     [](int k) -> float& { return TPCM.VELI(k); }, profileRows, false, knotsOfCurrent},
    {"Current speed spectral density", {12, 6}, Need::kNumber, {{kSlowDrift | kLowFrequencyReport, currentOn}},
     [](int) -> float& { return TPCM.CURDEN; }, one, false,
     [](int) {
       const bool used = TPCM.CURTYP == kLegacyPointCurrent || TPCM.CURTYP == kBandLimitedCurrent;
       return used ? density() : Range{};
     }},
    // Page 14, regular waves.
    // The run checks its grid of periods before any stage, whichever stages follow.
    {"Regular wave period", {14, 2}, Need::kPositive, {{kEveryStage}}, [](int k) -> float& { return TPCM.T(k); },
     periods, false, period},
    {"Wave height or slope", {14, 4}, Need::kNotNegative, {{kWaves}}, [](int) -> float& { return TPCM.SLPHT; }, one,
     false, heightOrSlope},
    {"Wave heading", {14, 6}, Need::kNumber, {{kWaves}}, [](int k) -> float& { return TPCM.WAVHDG(k); }, waveHeadings,
     false, heading},
    // Page 15, irregular waves.
    {"Wave heading", {15, 4}, Need::kNumber, {{kWaves, randomSeaOn}}, [](int k) -> float& { return TPCM.SEAHDG(k); },
     seaHeadings, false, heading},
    {"Significant height", {15, 6}, Need::kPositive, {{kWaves, randomSeaOn}},
     [](int k) -> float& { return TPCM.SWHT(k); }, seaRows, false, significantHeight},
    {"Spectrum peak period", {15, 7}, Need::kPositive, {{kWaves, seaPeriodsOn}},
     [](int k) -> float& { return TPCM.SIGPD(k); }, seaRows, false, seaPeakPeriod},
    {"Spectral bandwidth parameter", {15, 8}, Need::kNotNegative, {{kWaves, randomSeaOn}},
     [](int) -> float& { return TPCM.WAVWID; }, one, false, seaWidth},
    {"JONSWAP \"Gamma\" Parameter", {15, 8}, Need::kNotNegative, {{kWaves, randomSeaOn}},
     [](int) -> float& { return TPCM.JONGAM; }, one, false, seaPeakFactor},
    {"JONSWAP \"Sigma a\" Shape Parameter", {15, 9}, Need::kNotNegative, {{kWaves, randomSeaOn}},
     [](int) -> float& { return TPCM.JONPL; }, one, false, seaPeakWidth},
    {"JONSWAP \"Sigma b\" Shape Parameter", {15, 10}, Need::kNotNegative, {{kWaves, randomSeaOn}},
     [](int) -> float& { return TPCM.JONPG; }, one, false, seaPeakWidth},
    {"Component Lambda Value", {15, 8}, Need::kNumber, {{kWaves, ochiHubbleSeaOn}},
     [](int k) -> float& { return TPCM.OCHI_LAMBDA(k); }, ochiComponents, false, ochiShape},
    // The vessel response normalises the spreading of the sea whether or not the sea is spread, and
    // the free column's dynamics tell a spread sea by the index.
    {"Wave spreading index", {15, 21}, Need::kNotNegative, {{kVesselPasses | kFreeDynamics}, {kWaves, spreadSeaOn}},
     [](int) -> float& { return TPCM.COSEXP; }, one, false, spreadingIndex},
    {"Sector size containing wave energy", {15, 22}, Need::kPositive, {{kVessel | kAttachedDynamics, spreadSeaOn}},
     [](int) -> float& { return TPCM.ANGSEC; }, one, false, spreadingSector},
    // Its sector too: any number will do while the sea is not spread, but one it can compute with.
    {"Sector size containing wave energy", {15, 22}, Need::kNumber, {{kVesselPasses, unspreadSea}},
     [](int) -> float& { return TPCM.ANGSEC; }, one, false, spreadingSector},
    // Page 16, swell.
    {"Swell heading", {16, 4}, Need::kNumber, {{kWaves, swellOn}}, [](int) -> float& { return TPCM.SWLHDG; }, one,
     false, heading},
    {"Swell significant height", {16, 6}, Need::kPositive, {{kWaves, swellOn}},
     [](int) -> float& { return TPCM.SWELHT; }, one, false, swellHeight},
    {"Swell peak period", {16, 7}, Need::kPositive, {{kWaves, swellOn}}, [](int) -> float& { return TPCM.SWELPD; },
     one, false, swellPeakPeriod},
    {"Swell spectral bandwidth parameter", {16, 8}, Need::kNotNegative, {{kWaves, swellOn}},
     [](int) -> float& { return TPCM.SWLWID; }, one, false, swellWidth},
    {"Swell JONSWAP \"Gamma\" Parameter", {16, 8}, Need::kNotNegative, {{kWaves, swellOn}},
     [](int) -> float& { return TPCM.JONGAM_SWL; }, one, false, swellPeakFactor},
    {"Swell JONSWAP \"Sigma a\" Shape Parameter", {16, 9}, Need::kNotNegative, {{kWaves, swellOn}},
     [](int) -> float& { return TPCM.JONPL_SWL; }, one, false, swellPeakWidth},
    {"Swell JONSWAP \"Sigma b\" Shape Parameter", {16, 10}, Need::kNotNegative, {{kWaves, swellOn}},
     [](int) -> float& { return TPCM.JONPG_SWL; }, one, false, swellPeakWidth},
    {"Second swell heading", {16, 24}, Need::kNumber, {{kWaves, secondSwellOn}},
     [](int) -> float& { return TPCM.SWLHDG2; }, one, false, heading},
    {"Second swell significant height", {16, 26}, Need::kPositive, {{kWaves, secondSwellOn}},
     [](int) -> float& { return TPCM.SWELHT2; }, one, false, secondSwellHeight},
    {"Second swell peak period", {16, 27}, Need::kPositive, {{kWaves, secondSwellOn}},
     [](int) -> float& { return TPCM.SWELPD2; }, one, false, secondSwellPeakPeriod},
    {"Second swell spectral bandwidth parameter", {16, 28}, Need::kNotNegative, {{kWaves, secondSwellOn}},
     [](int) -> float& { return TPCM.SWLWID2; }, one, false, secondSwellWidth},
    {"Second swell JONSWAP \"Gamma\" Parameter", {16, 28}, Need::kNotNegative, {{kWaves, jonswapSecondSwellOn}},
     [](int) -> float& { return TPCM.JONGAM_SWL2; }, one, false, secondSwellPeakFactor},
    {"Second swell JONSWAP \"Sigma a\" Shape Parameter", {16, 29}, Need::kNotNegative, {{kWaves, jonswapSecondSwellOn}},
     [](int) -> float& { return TPCM.JONPL_SWL2; }, one, false, secondSwellPeakWidth},
    {"Second swell JONSWAP \"Sigma b\" Shape Parameter", {16, 30}, Need::kNotNegative, {{kWaves, jonswapSecondSwellOn}},
     [](int) -> float& { return TPCM.JONPG_SWL2; }, one, false, secondSwellPeakWidth},
    // Page 17, output options. The storm's hours: the vessel passes' design wave, the slow drift's
    // storm peak (and a buoyant riser's judge), the low-frequency report and the dynamics' statistics.
    {"Storm duration", {17, 51}, Need::kNumber, {{kWaves}}, [](int) -> float& { return TPCM.DURATN; }, one, false,
     stormHours},
    // Words that no page shows: kept from the defaults or from another program. The slow drift's
    // current model reads them (the sway factor upstream no stage reads).
    {"Surge current factor XCURNTDN", {0, 0, 0, 1652}, Need::kNumber, {{kSlowDrift}},
     [](int) -> float& { return TPCM.XCURNTDN; }, one, false, loadFactor},
    {"Surge current factor XCURNTUP", {0, 0, 0, 1653}, Need::kNumber, {{kSlowDrift}},
     [](int) -> float& { return TPCM.XCURNTUP; }, one, false, loadFactor},
    {"Sway current factor YCURNTDN", {0, 0, 0, 1654}, Need::kNumber, {{kSlowDrift}},
     [](int) -> float& { return TPCM.YCURNTDN; }, one, false, loadFactor},
    {"Current modification factor MUNKFAC1", {0, 0, 0, 1656}, Need::kNumber, {{kSlowDrift}},
     [](int) -> float& { return TPCM.MUNKFAC1; }, one, false, addedFactor},
    {"Vessel point coordinate RACC", {0, 0, 0, 905}, Need::kNumber, {{kVesselPasses}},
     [](int k) -> float& { return TPCM.RACC((k - 1) % 3 + 1, (k - 1) / 3 + 1); }, [] { return 3 * vesselPoints(); },
     false, onVessel},
};

// A range of whole numbers; one number with what asks for it where `low` is `high`.
struct IntRange {
  std::int32_t low, high;
  std::string_view why = {};
};

// The attached column's dynamics read the yoke's motions from the file YOKEMOT, which the vessel
// passes write only for the tanker on the yoke (ISPM 1); for it the run takes the yoke's hinge as
// the first vessel point, with its displacements.
IntRange vesselConfigurations() {
  if (attachedDynamics()) return {1, 1, "for the wave-frequency dynamics (the yoke's motions in YOKEMOT)"};
  return {0, 8};
}

// One integer count or code with its tabled range.
struct IntValue {
  std::string_view label;
  Where where;
  std::int32_t low, high;
  Readers readers;
  std::int32_t& (*value)();
  bool lastElement = false;         // edited on the last element's page
  std::string_view zeroMeans = {};  // 0 admitted besides the range, and what it stands for
  IntRange (*range)() = nullptr;    // the range, where the data set narrows it
};

constexpr IntValue kIntValues[] = {
    {"Unit system NUNTS (0 English, 1 metric)", {1, 3}, 0, 1, {{kEveryStage}},
     []() -> std::int32_t& { return TPCM.NUNTS; }},
    {"Number of Salm elements", {2, 1}, 0, kMaxSalmElements, {{kEveryStage}},
     []() -> std::int32_t& { return TPCM.NELEM; }},
    {"Number of points in interpolation table", {2, 4}, 2, kMaxTablePoints, {{kEveryStage}},
     []() -> std::int32_t& { return TPCM.NUMTAB; }, false, "which stands for 2"},
    {"Vessel configuration ISPM", {0, 0, 0, 118}, 0, 8, {{kVessel}}, []() -> std::int32_t& { return TPCM.ISPM; }, false,
     {}, vesselConfigurations},
    {"Number of vessel points NACC", {0, 0, 0, 754}, 0, 149, {{kVessel}}, []() -> std::int32_t& { return TPCM.NACC; }},
    {"Number of sea components", {15, 6}, 1, 6, {{kWaves, randomSeaOn}}, []() -> std::int32_t& { return TPCM.NPARM; }},
    {"Number of sea headings", {15, 4}, 0, 37, {{kWaves, randomSeaOn}}, []() -> std::int32_t& { return TPCM.NSEAHG; }},
    // The vessel response spreads its weights over the wedges whether or not the sea is random.
    {"Number of angular wedges", {15, 23}, 0, 36, {{kVessel}, {kWaves, randomSeaOn}},
     []() -> std::int32_t& { return TPCM.NA; }},
    {"Number of points in current profile", {12, 4}, 1, 5, {{kCurrentProfile, currentTableOn}},
     []() -> std::int32_t& { return TPCM.NCURNT; }},
    // The codes that choose a branch of a stage: each within the choices of its page.
    {"Submergence option WETYOK (options 2 to 8 of the page as 0 to 6)", {3, 1}, kSubmergenceNone, kLastSubmergence,
     {{kStatics | kDynamics}}, []() -> std::int32_t& { return TPCM.WETYOK; }},
    {"Type of attachment to vessel IARCO (-1 free Salm, 0 to 4 the attachments)", {3, 13}, kFreeSalm, kLastAttachment,
     {{kEveryStage}}, []() -> std::int32_t& { return TPCM.IARCO; }, true},
    {"Number of regular-wave headings NDIR", {0, 0, 0, 168}, 0, 12, {{kVessel}},
     []() -> std::int32_t& { return TPCM.NDIR; }},
    {"Wave type (the list's number less 1)", {15, 2}, kSpectrumDefaultSwell, kLastWaveSpectrum, {{kWaves, randomSeaOn}},
     []() -> std::int32_t& { return TPCM.WAVTYP; }},
    {"Number of Ochi-Hubble wave components", {15, 5}, 1, kOchiComponents, {{kWaves, ochiHubbleSeaOn}},
     []() -> std::int32_t& { return TPCM.N_OCHI_COMP; }},
    {"Wind spectrum type", {11, 3}, kDavenportWind, kLastWindSpectrum, {{kSlowDrift | kLowFrequencyReport, windOn}},
     []() -> std::int32_t& { return TPCM.WNDTYP; }},
    {"Current variation with depth", {12, 3}, 0, 3, {{kCurrentProfile, currentOn}},
     []() -> std::int32_t& { return TPCM.LCSTCR; }},
    {"Current spectrum type (the list's number less 1)", {12, 6}, kSteadyCurrent, kLastCurrentSpectrum,
     {{kSlowDrift | kLowFrequencyReport, currentOn}}, []() -> std::int32_t& { return TPCM.CURTYP; }},
    {"Create plotter file IPLOTS (2 adds the curves)", {18, 11}, 0, 2, {{kStatics | kVesselPasses | kDynamics}},
     []() -> std::int32_t& { return TPCM.IPLOTS; }},
    // Switches that a stage tests for 1 as well as for 0: other values would turn them on in one
    // place and off in another.
    {"Simulate wind", {10, 1}, 0, 1, {{kVessel}}, []() -> std::int32_t& { return TPCM.LWIND; }},
    {"Simulate current", {10, 11}, 0, 1, {{kWaves}}, []() -> std::int32_t& { return TPCM.LCURNT; }},
    {"Heave damping is (1 specified)", {7, 1}, 0, 1, {{kVesselPasses}}, []() -> std::int32_t& { return TPCM.LHVDMP; }},
    {"Pitch damping is (1 specified)", {7, 3}, 0, 1, {{kVesselPasses}}, []() -> std::int32_t& { return TPCM.LPTDMP; }},
    {"Roll damping is (1 specified)", {7, 5}, 0, 1, {{kVesselPasses}}, []() -> std::int32_t& { return TPCM.LRLDMP; }},
    {"Heave period is (1 specified)", {7, 7}, 0, 1, {{kVesselPasses}}, []() -> std::int32_t& { return TPCM.LHVPRD; }},
    {"Pitch period is (1 specified)", {7, 9}, 0, 1, {{kVesselPasses}}, []() -> std::int32_t& { return TPCM.LPTPRD; }},
    {"Roll period is (1 specified)", {7, 11}, 0, 1, {{kVesselPasses}}, []() -> std::int32_t& { return TPCM.LRLPRD; }},
    {"Feedback mooring forces to wave-frequency motions", {7, 13}, 0, 1, {{kVesselPasses, discBuoy}},
     []() -> std::int32_t& { return TPCM.MORFBK; }},
    {"Apply current correction to drift forces", {8, 26}, 0, 1, {{kSlowDrift}},
     []() -> std::int32_t& { return TPCM.CURCOR; }},
    {"Salm extension drives the excitation (1 extension, 0 waves)", {13, 1}, 0, 1, {{kWaves}},
     []() -> std::int32_t& { return TPCM.LEXTND; }},
    {"Use constant wave height or wave slope (1 slope, 0 height)", {14, 3}, 0, 1, {{kWaves}},
     []() -> std::int32_t& { return TPCM.LSLPHT; }},
    {"Simulate irregular waves", {15, 1}, 0, 1, {{kWaves}}, []() -> std::int32_t& { return TPCM.LRANDM; }},
    {"Simulate swell", {16, 1}, 0, 1, {{kWaves}}, []() -> std::int32_t& { return TPCM.LSWELL; }},
    {"Lock swell heading to irregular waves", {16, 3}, 0, 1, {{kVessel, swellOn}},
     []() -> std::int32_t& { return TPCM.LSWLOK; }},
    // The vessel passes count the swells and write the second's caption whether or not the first
    // is on.
    {"Simulate second swell", {16, 21}, 0, 1, {{kVesselPasses}, {kWaves, swellOn}},
     []() -> std::int32_t& { return TPCM.LSWEL2; }},
    {"Legacy current-wave drift force interaction model", {17, 33}, 0, 1, {{kSlowDrift}},
     []() -> std::int32_t& { return TPCM.LEGDFC; }},
    {"Exclude wave absorption damping and excitation", {17, 35}, 0, 1, {{kSlowDrift | kLowFrequencyReport}},
     []() -> std::int32_t& { return TPCM.LEGDRG; }},
    // The report of the member responses goes to the principal headings, to all of them, or to none
    // by the sum of the two; the vessel passes write the tables of every heading for the second.
    {"Output RAOs for principal wave directions", {18, 3}, 0, 1, {{kDynamics}},
     []() -> std::int32_t& { return TPCM.PRNRAO; }},
    {"Output RAOs at all intermediate angles", {18, 4}, 0, 1, {{kVesselPasses | kDynamics}},
     []() -> std::int32_t& { return TPCM.ALLRAO; }},
    {"Output vessel motions summary NEGSUM (0 writes it)", {18, 7}, 0, 1, {{kVesselPasses}},
     []() -> std::int32_t& { return TPCM.NEGSUM; }},
    // The vessel passes add the force and motion table switches.
    {"Vessel force tables LFORCE", {0, 0, 0, 105}, 0, 1, {{kVesselPasses}},
     []() -> std::int32_t& { return TPCM.LFORCE; }},
    {"Vessel motion tables LMOTN", {0, 0, 0, 106}, 0, 1, {{kVesselPasses}},
     []() -> std::int32_t& { return TPCM.LMOTN; }},
    {"Vessel point accelerations LACC", {0, 0, 0, 757}, 0, 1, {{kVesselPasses}},
     []() -> std::int32_t& { return TPCM.LACC; }},
    {"Vessel point velocities LVEL", {0, 0, 0, 758}, 0, 1, {{kVesselPasses}},
     []() -> std::int32_t& { return TPCM.LVEL; }},
    {"Vessel point displacements LDSP", {0, 0, 0, 759}, 0, 1, {{kVesselPasses | kAttachedDynamics}},
     []() -> std::int32_t& { return TPCM.LDSP; }},
};

// A code whose choices are not one run of numbers.
struct CodeValue {
  std::string_view label;
  Where where;
  Readers readers;
  std::int32_t& (*value)();
  bool (*allowed)(std::int32_t);
  std::string (*choices)();  // what the analysis needs
};

// "1, 3 or 4": the codes in order.
std::string codeList(const std::vector<std::int32_t>& codes) {
  std::string text;
  for (std::size_t k = 0; k < codes.size(); ++k) {
    if (k > 0) text += k + 1 == codes.size() ? " or " : ", ";
    text += std::to_string(codes[k]);
  }
  return text;
}

std::string vesselTypeChoices() {
  std::vector<std::int32_t> working;
  for (const VesselTypeRow& row : kVesselTypes)
    if (workingHullModel(row.code)) working.push_back(row.code);
  return codeList(working) + " (" + std::to_string(kJackUp) + ", the jack-up, has no working hull model)";
}

std::string swellTypeChoices() {
  std::string text =
      "a value from " + std::to_string(kSpectrumDefaultSwell) + " to " + std::to_string(kLastWaveSpectrum);
  for (const WaveSpectrumRow& row : kWaveSpectra) {
    if (swellSpectrum(row.code)) continue;
    text += " but " + std::to_string(row.code) + " (the" + std::string(row.name) + " sea)";
  }
  return text;
}

constexpr CodeValue kCodeValues[] = {
    // The jack-up's hull model is inoperative; any other type selects no hull model at all.
    {"Vessel type for simulation", {5, 11}, {{kVessel}}, []() -> std::int32_t& { return TPCM.VESTYP; },
     workingHullModel, vesselTypeChoices},
    // The Ochi-Hubble spectrum holds the wind sea's components: no swell takes it.
    {"Swell type (the list's number less 1)", {16, 2}, {{kWaves, swellOn}},
     []() -> std::int32_t& { return TPCM.SWLTYP; },
     swellSpectrum, swellTypeChoices},
    {"Second swell type (the list's number less 1)", {16, 22}, {{kWaves, secondSwellOn}},
     []() -> std::int32_t& { return TPCM.SWLTYP2; }, swellSpectrum, swellTypeChoices},
};

std::string whereText(const Where& w, int element) {
  if (w.page == 0) return "word " + std::to_string(w.word) + " of the data set, which no page shows";
  std::string text = "page " + std::to_string(w.page);
  if (element > 0) text += ", element " + std::to_string(element);
  text += ", item " + std::to_string(w.item);
  if (w.subItem > 0) text += " then " + std::to_string(w.subItem);
  return text;
}

// The finding of one value, named as the page names it: "<label> (<where>) is <value>;" and what
// the analysis needs.
void addFinding(std::vector<RunFinding>& findings, const std::string& label, const Where& where, int element,
                const std::string& value, std::string_view need) {
  const std::string named = label + " (" + whereText(where, element) + ") is " + value;
  RunFinding finding{true, flowingLines(" ++> Fatal Warning: ", named + ";")};
  addFlowingLines(finding.lines, "     ", "the analysis needs " + std::string(need) + ".");
  if (where.page > 0 && where.subItem == 0) finding.place = ValuePlace{where.page, where.item};
  finding.value = named;
  findings.push_back(std::move(finding));
}

// A warning about a value the analysis can take but that is rare or doubtful: named as a finding
// is, then what makes it so.
void addValueWarning(std::vector<RunFinding>& findings, const std::string& label, const Where& where,
                     const std::string& value, std::string_view why) {
  const std::string named = label + " (" + whereText(where, 0) + ") is " + value;
  RunFinding finding{false, flowingLines(" ++> Warning: ", named + ";")};
  addFlowingLines(finding.lines, "     ", std::string(why) + ".");
  if (where.page > 0 && where.subItem == 0) finding.place = ValuePlace{where.page, where.item};
  finding.value = named;
  findings.push_back(std::move(finding));
}

// ---- The checks of a float value ----
//
// Its need, its being no subnormal float (no quantity of a data set is that small but 0: the stages
// divide by such a value, take it to powers or sum it with itself, and run away, an overflow, a
// search that never ends), its bound, each deciding by its own comparison; the refusal names what all
// of them admit, and what the checks of other findings about it admit, together.

// The value as its page shows it (the speed in knots), and the stored value per shown unit.
float storedPerShown(const FloatValue& v) { return v.unit != nullptr ? v.unit->storedPerShown() : 1.0f; }

// The least size, as shown, whose stored value is no subnormal float.
float leastNormalShown(float perShown) {
  constexpr float kLeast = std::numeric_limits<float>::min();
  if (perShown == 1.0f) return kLeast;
  float s = kLeast / perShown;
  while (std::fpclassify(s * perShown) == FP_SUBNORMAL) s = std::nextafter(s, 1.0f);
  while (std::fpclassify(std::nextafter(s, 0.0f) * perShown) != FP_SUBNORMAL) s = std::nextafter(s, 0.0f);
  return s;
}

// What the checks of element k of `v` admit together, for the value `x` it holds.
Range admitted(const FloatValue& v, int k, float x) {
  Range r = needRange(v.need);
  if (v.bound != nullptr) r = together(r, v.bound(k));
  if (v.others != nullptr) r = together(r, v.others(k));
  if (std::fpclassify(x) == FP_SUBNORMAL) {
    Range normal;
    normal.hole = exactly(leastNormalShown(storedPerShown(v)));
    r = together(r, normal);
  }
  return r;
}

// What the analysis needs of element k of `v`, where one of its own checks refuses it; nothing where
// none does.
std::string floatNeed(const FloatValue& v, int k) {
  const float x = v.value(k);
  const bool refused = !meets(x, v.need) || std::fpclassify(x) == FP_SUBNORMAL ||
                       (v.bound != nullptr && refuses(v.bound(k), x / storedPerShown(v)));
  return refused ? rangeText(admitted(v, k, x)) : std::string();
}

// The label of element k of `v`, of its `n` in use, as a finding names it: an array's elements
// numbered, but those of page 3, which names the element where it names the page.
std::string floatLabel(const FloatValue& v, int k, int n) {
  std::string label(v.label);
  if (n > 1 && !v.element) label += " " + std::to_string(k);
  return label;
}

void floatValueFindings(std::vector<RunFinding>& findings) {
  for (const FloatValue& v : kFloatValues) {
    if (!readBy(v.readers)) continue;
    const int n = v.count();
    for (int k = 1; k <= n; ++k) {
      const std::string need = floatNeed(v, k);
      if (need.empty()) continue;
      const std::string label = floatLabel(v, k, n);
      const float x = v.value(k);
      const std::string shown = v.unit != nullptr && std::isfinite(x)
                                    ? amountText(x / storedPerShown(v), v.shownAs) + std::string(v.unit->label)
                                    : amountText(x, v.shownAs);
      addFinding(findings, label, v.where, v.element ? k : 0, shown, need);
    }
  }
}

std::string intNeed(const IntValue& v) {
  const IntRange r = v.range != nullptr ? v.range() : IntRange{v.low, v.high};
  const std::int32_t x = v.value();
  if ((x >= r.low && x <= r.high) || (x == 0 && !v.zeroMeans.empty())) return {};
  if (r.low == r.high) return std::to_string(r.low) + " " + std::string(r.why);
  const std::string range = "a value from " + std::to_string(r.low) + " to " + std::to_string(r.high);
  return v.zeroMeans.empty() ? range : "0 (" + std::string(v.zeroMeans) + ") or " + range;
}

std::string codeNeed(const CodeValue& v) { return v.allowed(v.value()) ? std::string() : v.choices(); }

void codeFindings(std::vector<RunFinding>& findings) {
  for (const IntValue& v : kIntValues) {
    if (!readBy(v.readers)) continue;
    const std::string need = intNeed(v);
    if (need.empty()) continue;
    addFinding(findings, std::string(v.label), v.where, v.lastElement ? elements() : 0, std::to_string(v.value()),
               need);
  }
  for (const CodeValue& v : kCodeValues) {
    if (!readBy(v.readers)) continue;
    const std::string need = codeNeed(v);
    if (!need.empty()) addFinding(findings, std::string(v.label), v.where, 0, std::to_string(v.value()), need);
  }
}

// The column's piercing element: one of its elements, or none (0, or the one past the last, which
// page 2 shows when the whole system is submerged); the free switch FRESLM as page 3's attachment
// type sets it.
void columnFindings(std::vector<RunFinding>& findings) {
  const Tpcm& t = TPCM;
  const int n = elements();
  if (t.IPIERC < 0 || t.IPIERC > n + 1) {
    addFinding(findings, "Salm element that pierces water", {2, 6}, 0, std::to_string(t.IPIERC),
               "a value from 0 to " + std::to_string(n + 1) + " (the number of elements and one more)");
  }
  const bool free = t.IARCO == kFreeSalm;
  if ((t.FRESLM != 0) != free && t.IARCO >= kFreeSalm && t.IARCO <= kLastAttachment) {
    addFinding(findings, "Free Salm switch FRESLM", {0, 0, 0, 2471}, 0, std::to_string(t.FRESLM),
               std::string(free ? "1" : "0") + " for the attachment " + attachmentName(t.IARCO) + " (page 3, element " +
                   std::to_string(n) + ", item 13); the editor sets it when page 3 is left");
  }
}

// ---- Warnings of values against others: steep seas, waves breaking at part of the grid, the
// offset step ----

// A sea (or swell) of significant height H and peak period T that its checks take (seaHeight):
// steeper than a fifteenth of the wave length of its peak period it is rare; higher than 0.6 of the
// water depth it breaks on the shallow water.
constexpr float kSteepSea = 1.0f / 15.0f;
constexpr float kShallowSeaRatio = 0.6f;
void seaSteepness(std::vector<RunFinding>& findings, const std::string& label, const Where& height,
                  const Where& periodAt, float H, float T, bool hasPeriod) {
  // A height that is no positive number, or that its bound refuses, has its finding already.
  if (!sound(H) || !sound(depth()) ||
      refuses(seaHeight(T, hasPeriod, whereText(periodAt, 0)), H))
    return;
  const float L = hasPeriod && wavePeriod(T) ? waveLength(T) : 0.0f;
  const std::string periodText = messageValue(T) + " s (" + whereText(periodAt, 0) + ")";
  if (L > 0.0f && H > kSteepSea * L) {
    addValueWarning(findings, label, height, messageValue(H),
                    "steeper than a fifteenth of the wave length " + messageValue(L) + " of the peak period " +
                        periodText + ": seas this steep are rare (they break at a seventh)");
  }
  if (H > kShallowSeaRatio * depth()) {
    addValueWarning(findings, label, height, messageValue(H),
                    "above 0.6 of the water depth " + messageValue(depth()) +
                        " (page 1, item 4): a sea this high breaks on the shallow water");
  }
}

void seaStateFindings(std::vector<RunFinding>& findings) {
  const Tpcm& t = TPCM;
  if (randomSea()) {
    const int n = seaRows();
    for (int k = 1; k <= n; ++k) {
      seaSteepness(findings, n > 1 ? "Significant height " + std::to_string(k) : "Significant height", {15, 6},
                   {15, 7}, t.SWHT(k), t.SIGPD(k), takesPeakPeriod(t.WAVTYP));
    }
  }
  if (swell()) seaSteepness(findings, "Swell significant height", {16, 6}, {16, 7}, t.SWELHT, t.SWELPD, true);
  if (secondSwell()) {
    seaSteepness(findings, "Second swell significant height", {16, 26}, {16, 27}, t.SWELHT2, t.SWELPD2, true);
  }
}

// Regular waves that break at part of the grid of periods (higher than a seventh of the wave length
// of those periods) but not at all of it, which their bound refuses (heightOrSlope): the operators
// there are those of a wave no sea holds.
void regularWaveFindings(std::vector<RunFinding>& findings) {
  const Tpcm& t = TPCM;
  if (!waveStages() || t.LEXTND != 0 || t.LSLPHT != 0) return;
  const float H = t.SLPHT;
  if (!sound(H) || !sound(depth()) || refuses(heightOrSlope(0), H)) return;  // its bound's finding
  float breaksUpTo = 0.0f;
  for (int i = 1; i <= periods(); ++i) {
    const float T = t.T(i);
    const float L = waveLength(T);
    if (!(L > 0.0f)) return;  // a period without a wave length: its own finding
    if (aboveBound(H, kBreakingSteepness * L)) breaksUpTo = std::max(breaksUpTo, T);
  }
  if (breaksUpTo == 0.0f) return;
  addValueWarning(findings, "Wave height or slope", {14, 4}, messageValue(H),
                  "it breaks (is higher than a seventh of the wave length) at the periods of up to " +
                      messageValue(breaksUpTo) +
                      " s (page 14, item 2): the responses there are those of a wave no sea holds");
}

// The statics take an offset step of 0 as 1 (a foot or a metre): the offset report and the
// auxiliary table then step by that.
void offsetStepWarning(std::vector<RunFinding>& findings) {
  const Tpcm& t = TPCM;
  if (!attached() || t.NELEM < 1 || t.OFFINC != 0.0f) return;
  const bool offsetPass = offsetPassRuns(t.STAMOT, t.NELEM, t.FRESLM, t.LOFFST, t.LTABL);
  if (!offsetPass && t.AUXTBL == 0) return;
  addValueWarning(findings, "Offset increment for static offset table", {2, 3}, messageValue(0.0f),
                  "the statics take " + messageValue(kOffsetIncrementForNone) + (metric() ? " meters" : " feet") +
                      " in its place, the step of " +
                      (offsetPass ? "the static offset report" : "the auxiliary offset table"));
}

// ---- The user's coefficient tables of LOWDAT ----

constexpr int kLowdatRows = 21;
// Wind and current coefficients of hulls stay within about 10 in size (a current's lateral one in
// water barely deeper than the draft); ten times that is no hull's.
constexpr float kLargestLoadCoefficient = 100.0f;

void lowdatTableFindings(std::vector<RunFinding>& findings, std::string_view load, bool read, std::int32_t word,
                         int item, std::int32_t count, const Arr<float, kLowdatRows>& angles,
                         const Arr<float, kLowdatRows, 3>& coefficients) {
  if (!read) return;
  bool used[3] = {};
  bool any = false;
  for (int d = 1; d <= 3; ++d) {
    used[d - 1] = NIBVAL(word, d, TPCM.EDUNIT) == kModelLowdatTable;
    any = any || used[d - 1];
  }
  if (!any) return;
  const std::string table = "LOWDAT " + std::string(load) + " table";
  // A table with no row at all is the empty table's finding.
  if (count < 1) return;
  if (count < 2 || count > kLowdatRows) {
    addFinding(findings, table + ": number of angles", {8, item, 1}, 0, std::to_string(count),
               "a value from 2 to " + std::to_string(kLowdatRows));
    return;
  }
  static const char* const kColumn[3] = {"Cx", "Cy", "Cz"};
  for (int row = 1; row <= count; ++row) {
    const float a = angles(row);
    const std::string rowText = table + ", row " + std::to_string(row);
    if (!withinBounds(a, 0.0f, 180.0f)) {
      addFinding(findings, rowText + ", attack angle", {8, item, 2}, 0, messageValue(a),
                 "an angle from 0.00 to 180.00 degrees (the table spans the half circle)");
    }
    for (int d = 1; d <= 3; ++d) {
      if (!used[d - 1]) continue;
      const float c = coefficients(row, d);
      if (!aboveBound(std::fabs(c), kLargestLoadCoefficient)) continue;
      addFinding(findings, rowText + ", " + kColumn[d - 1], {8, item, 3}, 0, messageValue(c),
                 std::isfinite(c) ? rangeText(between(-kLargestLoadCoefficient, kLargestLoadCoefficient,
                                                          "ten times a hull's largest coefficients"))
                                  : std::string("a finite number"));
    }
  }
}

void lowdatFindings(std::vector<RunFinding>& findings) {
  const Tpcm& t = TPCM;
  const Lowcof& c = LOWCOF;
  lowdatTableFindings(findings, "wind", runEvaluatesWindCoefficients(), t.LWBARG, kWindTableItem, c.NUWNPT, c.UWNANG,
                      c.UWNCFS);
  lowdatTableFindings(findings, "current", runEvaluatesCurrentCoefficients(), t.LCBARG, kCurrentTableItem, c.NUCRPT,
                      c.UCRANG, c.UCRCFS);
}

// Whether `x` lies within kBoundUlps units in the last place of `bound` (of its size); a bound of 0
// is exact.
bool roundedBound(float x, float bound) {
  const float size = std::fabs(bound);
  if (size == 0.0f) return x == 0.0f;
  const double ulp = static_cast<double>(std::nextafter(size, std::numeric_limits<float>::infinity())) - size;
  return std::fabs(static_cast<double>(x) - static_cast<double>(bound)) <= kBoundUlps * ulp;
}

// A value as a message shows it, read back.
double shown(float x) { return std::strtod(messageValue(x).c_str(), nullptr); }

// Whether `a` reads above `b` as a message shows them: "-0.00" reads below "0.00".
bool readsAbove(float a, float b) {
  const double sa = shown(a);
  const double sb = shown(b);
  return sa > sb || (sa == sb && !std::signbit(sa) && std::signbit(sb));
}

// The float `n` units in the last place above `x` (below for a negative `n`), stepping across 0.
float ulpsAbove(float x, std::int64_t n) {
  std::int32_t bits = 0;
  std::memcpy(&bits, &x, 4);
  // Floats in the order of integers: the negative ones mirrored below 0.
  const std::int64_t ordered = bits < 0 ? std::int64_t{INT32_MIN} - bits : bits;
  const std::int64_t moved = ordered + n;
  const auto back = static_cast<std::int32_t>(moved < 0 ? std::int64_t{INT32_MIN} - moved : moved);
  float y = 0.0f;
  std::memcpy(&y, &back, 4);
  return y;
}

float largestTaken(float high) {
  if (!std::isfinite(high)) return high;
  // Taken at `inside` units above, beyond at `beyond`: doubled until beyond, then halved between.
  std::int64_t inside = 0;
  std::int64_t beyond = 1;
  while (!aboveBound(ulpsAbove(high, beyond), high)) {
    inside = beyond;
    beyond *= 2;
  }
  while (beyond - inside > 1) {
    const std::int64_t middle = inside + (beyond - inside) / 2;
    (aboveBound(ulpsAbove(high, middle), high) ? beyond : inside) = middle;
  }
  return ulpsAbove(high, inside);
}

float smallestTaken(float low) { return -largestTaken(-low); }

// A value's two decimals in a fixed field, read back.
double shownFixed(float x) { return std::strtod(fmtF(x, 0, 2).c_str(), nullptr); }

}  // namespace

bool aboveBound(float x, float high) {
  if (x <= high) return false;
  if (!std::isfinite(x) || !std::isfinite(high)) return true;
  return !roundedBound(x, high) && readsAbove(x, high);
}

bool belowBound(float x, float low) {
  if (x >= low) return false;
  if (!std::isfinite(x) || !std::isfinite(low)) return true;
  return !roundedBound(x, low) && readsAbove(low, x);
}

bool withinBounds(float x, float low, float high) { return !belowBound(x, low) && !aboveBound(x, high); }

float takenAsBound(float x, float low, float high) {
  if (x > high && !aboveBound(x, high)) return high;
  if (x < low && !belowBound(x, low)) return low;
  return x;
}

bool abovePrintedBound(float x, double printed) {
  if (std::isnan(x)) return true;
  return static_cast<double>(x) > printed && (!std::isfinite(x) || shownFixed(x) > printed);
}

float runSpreadingIndex() { return takenAsBound(TPCM.COSEXP, 0.0f, kLargestSpreadingIndex); }

float runOchiLambda(int j) { return takenAsBound(TPCM.OCHI_LAMBDA(j), 0.0f, kLargestOchiLambda); }

float swellGridPosition(float period) {
  const Tpcm& t = TPCM;
  return (period - t.T(1)) / (t.T(2) - t.T(1)) + 1.5f;
}

void valueRangeFindings(std::vector<RunFinding>& findings) {
  floatValueFindings(findings);
  seaStateFindings(findings);
  regularWaveFindings(findings);
  offsetStepWarning(findings);
  lowdatFindings(findings);
  codeFindings(findings);
  columnFindings(findings);
}

std::string admittedRange(const float& word) {
  for (const FloatValue& v : kFloatValues) {
    for (int k = 1; k <= v.count(); ++k) {
      if (&v.value(k) == &word) return rangeText(admitted(v, k, word));
    }
  }
  return {};
}

bool valueRead(const float& word) {
  for (const FloatValue& v : kFloatValues) {
    for (int k = 1; k <= v.count(); ++k) {
      if (&v.value(k) == &word) return readBy(v.readers);
    }
  }
  return false;
}

std::vector<RegisteredValue> registeredValues() {
  const auto offsetOf = [](const void* word) {
    return static_cast<std::size_t>(static_cast<const std::byte*>(word) - reinterpret_cast<const std::byte*>(&TPCM));
  };
  std::vector<RegisteredValue> values;
  for (const FloatValue& v : kFloatValues) {
    const int n = v.count();
    for (int k = 1; k <= n; ++k) {
      values.push_back({floatLabel(v, k, n), whereText(v.where, v.element ? k : 0), offsetOf(&v.value(k)), false,
                        storedPerShown(v), readBy(v.readers), [&v, k] { return floatNeed(v, k); }});
    }
  }
  for (const IntValue& v : kIntValues) {
    values.push_back({std::string(v.label), whereText(v.where, v.lastElement ? elements() : 0), offsetOf(&v.value()),
                      true, 1.0f, readBy(v.readers), [&v] { return intNeed(v); }});
  }
  for (const CodeValue& v : kCodeValues) {
    values.push_back({std::string(v.label), whereText(v.where, 0), offsetOf(&v.value()), true, 1.0f,
                      readBy(v.readers), [&v] { return codeNeed(v); }});
  }
  return values;
}

}  // namespace qv
