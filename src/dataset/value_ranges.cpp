#include "dataset/value_ranges.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
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

// ---- Which stages read what ----
//
// The stages of a run follow from the data set (the runner's stage table): the statics always; the
// vessel response, the current profile, the slow drift and its report for an attached SALM with the
// low-frequency dynamics on; the wave-frequency dynamics when asked for. A value is checked only
// where a stage of this data set reads it.

bool always() { return true; }
bool attached() { return TPCM.FRESLM == 0; }
bool vesselStages() { return attached() && TPCM.LQUAS != 0; }
bool dynamics() { return TPCM.LDYN != 0 && (!attached() || TPCM.LQUAS != 0); }
bool attachedDynamics() { return vesselStages() && TPCM.LDYN != 0; }
bool waveStages() { return vesselStages() || dynamics(); }
bool randomSea() { return waveStages() && TPCM.LRANDM != 0; }
// Pierson-Moskowitz and the user's spectra take no peak period.
bool seaPeriods() { return randomSea() && takesPeakPeriod(TPCM.WAVTYP); }
bool spreading() { return randomSea() && TPCM.LSPRED != 0; }
bool swell() { return waveStages() && TPCM.LSWELL != 0; }
bool secondSwell() { return swell() && TPCM.LSWEL2 != 0; }
bool wind() { return vesselStages() && TPCM.LWIND != 0; }
bool current() { return vesselStages() && TPCM.LCURNT != 0; }
// The wave-frequency dynamics drag the members through the current too.
bool currentSpeed() { return (vesselStages() || dynamics()) && TPCM.LCURNT != 0; }
bool currentTable() { return current() && TPCM.LCSTCR == 2; }
// The statics tabulate the loads of an attached column up to TLOAD, with one element or more.
bool tableLoads() { return TPCM.NELEM >= 1 && attached(); }
bool auxiliaryTable() { return TPCM.AUXTBL != 0; }
bool bilgeKeel() { return vesselStages() && TPCM.LKEEL != 0; }
bool externalForce() { return vesselStages() && TPCM.AUXFRC != 0; }
bool heaveDamping() { return vesselStages() && TPCM.LHVDMP != 0; }
bool pitchDamping() { return vesselStages() && TPCM.LPTDMP != 0; }
bool rollDamping() { return vesselStages() && TPCM.LRLDMP != 0; }
bool heavePeriod() { return vesselStages() && TPCM.LHVPRD != 0; }
bool pitchPeriod() { return vesselStages() && TPCM.LPTPRD != 0; }
bool rollPeriod() { return vesselStages() && TPCM.LRLPRD != 0; }
bool surgeDamping() { return vesselStages() && TPCM.LSGLFD != 0; }
bool swayDamping() { return vesselStages() && TPCM.LSWLFD != 0; }
bool yawDamping() { return vesselStages() && TPCM.LYWLFD != 0; }
// The vessel response normalises the spreading of the sea whether or not the sea is spread.
bool spreadingFactors() { return vesselStages() || spreading(); }
// Its sector too: any number will do while the sea is not spread, but one it can compute with.
bool sectorWithoutSpreading() { return vesselStages() && !spreading(); }
bool ochiHubbleSea() { return randomSea() && hasComponents(TPCM.WAVTYP); }
bool jonswapSecondSwell() { return secondSwell() && hasJonswapShape(TPCM.SWLTYP2); }
// Only a yoke and a pendular mass hold the vessel at two points, PNDARM apart.
bool attachmentArm() { return attached() && hasAttachmentSeparation(TPCM.IARCO); }
// The tanker wind model reads the deadweight (which picks its size family), the freeboard-based load
// and the bow's interpolation factor; page 8 shows them only while a direction takes that model.
bool windTanker() {
  if (!runEvaluatesWindCoefficients()) return false;
  for (int field = 1; field <= 3; ++field)
    if (NIBVAL(TPCM.LWBARG, field, TPCM.EDUNIT) == kWindOcimfTanker) return true;
  return false;
}

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

// ---- Bounds: what a value must be beside what it is ----
//
// Each bound gives what the analysis needs when the value lies outside it and nothing when it lies
// inside. A bound that leans on another value of the data set holds only while that value is sound
// itself: otherwise that value's own finding names it. The reason of each bound stands beside it.

using Bound = std::string (*)(float x, int k);

// A bound in the data set's units holds only once NUNTS names them (its own finding otherwise).
bool unitsKnown() { return TPCM.NUNTS == kEnglishUnits || TPCM.NUNTS == kMetricUnits; }
bool metric() { return TPCM.NUNTS == kMetricUnits; }
constexpr float kFeetPerMetre = 3.2808399f;
// A length given in metres, in the data set's unit.
float length(float metres) { return metric() ? metres : metres * kFeetPerMetre; }

bool sound(float reference) { return std::isfinite(reference) && reference > 0.0f; }

// The ends of a range as a refusal names them: the last value the comparison takes as that end,
// rounded inward to the figure a message prints (util/advised_amount), so that the end typed as
// printed passes and every figure beyond it fails.
float largestTaken(float high);
float smallestTaken(float low);
std::string mostText(float high) {
  const std::optional<double> most = advisedMost(largestTaken(high));
  return most ? amountText(*most) : messageValue(high);
}
std::string leastText(float low) {
  const std::optional<double> least = advisedLeast(smallestTaken(low));
  return least ? amountText(*least) : messageValue(low);
}

std::string within(float x, float low, float high, std::string_view of = {}) {
  if (withinBounds(x, low, high)) return {};
  std::string text = "a value from " + leastText(low) + " to " + mostText(high);
  if (!of.empty()) text += " (" + std::string(of) + ")";
  return text;
}
// At most `limit`, another value of the data set named by `of`; nothing while that value is unsound.
std::string notAbove(float x, float limit, std::string_view of) {
  if (!sound(limit) || !aboveBound(x, limit)) return {};
  return "a value of at most " + mostText(limit) + " (" + std::string(of) + ")";
}
std::string magnitudeNotAbove(float x, float limit, std::string_view of) {
  if (!sound(limit) || !aboveBound(std::fabs(x), limit)) return {};
  return "a value from " + leastText(-limit) + " to " + mostText(limit) + " (" + std::string(of) + ")";
}
// Within `low`, a bound of what the value is, and the figure `printed` of a report's field, named as
// the field prints it; `of` says what the range is.
std::string withinPrinted(float x, float low, double printed, std::string_view of) {
  if (!belowBound(x, low) && !abovePrintedBound(x, printed)) return {};
  return "a value from " + leastText(low) + " to " + amountText(printed, AmountForm::kFixed) + " (" + std::string(of) +
         ")";
}
// At most the figure `printed` of a report's field.
std::string notAbovePrinted(float x, double printed, std::string_view of) {
  if (!abovePrintedBound(x, printed)) return {};
  return "a value of at most " + amountText(printed, AmountForm::kFixed) + " (" + std::string(of) + ")";
}

// The site.
float depth() { return TPCM.DEPTH; }
constexpr std::string_view kDepth = "the water depth, page 1, item 4";
// The deepest ocean is about 11,000 m deep.
std::string siteDepth(float x, int) {
  return unitsKnown() ? within(x, 0.0f, length(11000.0f), "the deepest ocean") : std::string();
}
// Water from fresh to the densest brines weighs about 1,000 to 1,230 kgf per cubic metre.
std::string waterDensity(float x, int) {
  if (!unitsKnown()) return {};
  const float scale = metric() ? 1.0f : 0.062428f;  // [lb/ft^3 per kgf/m^3]
  return within(x, 950.0f * scale, 1300.0f * scale);
}
// A wave higher than the water is deep has broken long before.
std::string waveHeight(float x, int) { return notAbove(x, depth(), kDepth); }
// The extension of the column's end stays within the depth; a slope steeper than that of a limiting
// wave (height a seventh of its length, about 25.7 degrees) breaks; a regular wave higher than 0.78
// of the water depth breaks on the sea bed whatever its period (its breaking at the periods of the
// grid is told apart, regularWaveFindings).
constexpr float kDepthBreakingRatio = 0.78f;
std::string heightOrSlope(float x, int) {
  const Tpcm& t = TPCM;
  if (t.LEXTND != 0) return notAbove(x, depth(), kDepth);
  if (t.LSLPHT != 0) return within(x, 0.0f, 25.7f, "degrees: the limiting wave's slope");
  const float limit = static_cast<float>(0.78 * static_cast<double>(depth()));
  return notAbove(x, limit, "0.78 of the water depth, page 1, item 4: a higher wave breaks on the sea bed");
}
// The column cannot be pulled further aside than the water is deep: no offset step beyond it.
std::string offsetStep(float x, int) { return notAbove(x, depth(), kDepth); }

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
std::string columnElement(float x, int k) {
  if (attachmentElement(k)) return unitsKnown() ? within(x, 0.0f, length(1000.0f), "twice the longest ship built") : "";
  return notAbove(x, 2.0f * depth(), "twice the water depth, page 1, item 4");
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
std::string elementVolume(float x, int k) {
  const float d = depth();
  const std::string cylinder = notAbove(x, 0.25f * kPi * d * d * elementLength(k),
                                        "a cylinder of the element's length and the water depth's diameter");
  if (!cylinder.empty() || !sound(TPCM.DWATR)) return cylinder;
  const float perVolume = TPCM.DWATR / 1000.0f;
  const std::optional<double> largest = advisedMost(
      kLargestPrintedWeight / perVolume,
      [perVolume](double shown) {
        return typedValue(shown, AmountForm::kFixed) * perVolume <= static_cast<float>(kLargestPrintedWeight);
      },
      AmountForm::kFixed);
  if (!largest) return {};
  return notAbovePrinted(x, *largest, "a buoyancy that the statics report prints");
}
// Measured from the element's lower end, a centre lies within the element.
std::string withinElement(float x, int k) {
  if (!sound(elementLength(k))) return {};
  return within(x, 0.0f, elementLength(k), "the element's length, item 2");
}
// A radius of gyration about the centre of gravity lies within the element's largest extent: its
// length or the diameter of its volume.
std::string elementGyradius(float x, int k) {
  const float l = elementLength(k);
  if (!sound(l)) return {};
  const float diameter = 2.0f * std::sqrt(std::max(TPCM.BUOY(k), 0.0f) / (kPi * l));
  return notAbove(x, std::max(l, diameter), "the element's length or the diameter of its volume");
}
// The waterplane of the piercing element is no wider than the water is deep.
std::string waterplaneArea(float x, int) {
  const float d = depth();
  return notAbove(x, 0.25f * kPi * d * d, "a circle of the water depth's diameter");
}
std::string elementWeight(float x, int) {
  return withinPrinted(x, 0.0f, kLargestPrintedWeight, "what the statics report prints");
}
std::string horizontalLoad(float x, int) {
  return withinPrinted(x, 0.0f, kLargestPrintedLoad, "what the statics report prints");
}
// Morison added-mass coefficients of members lie about 1 to 2, drag coefficients about 0.5 to 2;
// 5 is well beyond any member in waves.
std::string memberCoefficient(float x, int) { return within(x, 0.0f, 5.0f); }

// The vessel.
float waterlineLength() { return TPCM.LWL; }
constexpr std::string_view kLength = "the waterline length, page 5, item 8";
// Twice the longest ship ever built (about 460 m).
std::string vesselLength(float x, int) {
  return unitsKnown() ? within(x, 0.0f, length(1000.0f), "twice the longest ship built") : std::string();
}
// A ship is no wider than it is long; a column-stabilised hull, a buoy or a spar may be, and only
// twice the longest ship bounds its beam.
bool shipHull() { return TPCM.VESTYP == kShipVessel && TPCM.SEMI_LIKE == 0; }
std::string vesselBeam(float x, int k) { return shipHull() ? notAbove(x, waterlineLength(), kLength) : vesselLength(x, k); }
// The largest extent a hull can have in any direction, its height included: its waterline length,
// beam and draft together. A ship's points lie within its length; a semi-submersible's deck, a
// spar's gyradii and centre of gravity can lie much farther from the keel than the waterline is long.
float vesselExtent() { return TPCM.LWL + TPCM.BWL + TPCM.DRAFT; }
constexpr std::string_view kExtent = "the waterline length, beam and draft together, page 5, items 8 to 10";
// A hull's displaced volume fits in the box of its waterline length, beam and draft.
std::string displacement(float x, int) {
  const Tpcm& t = TPCM;
  if (!sound(t.DWATR) || !sound(t.BWL) || !sound(t.DRAFT)) return {};
  return notAbove(x, t.DWATR * t.LWL * t.BWL * t.DRAFT / 1000.0f,
                  "the displacement of a box of the waterline length, beam and draft, page 5, items 8 to 10");
}
// A waterplane lies within the waterline's length and beam.
std::string waterplane(float x, int) {
  if (!sound(TPCM.BWL)) return {};
  return notAbove(x, TPCM.LWL * TPCM.BWL, "the waterline length times the beam");
}
// The waterplane gives the hull its heave restoring. The hull models take the heave loads over that
// restoring, and those ratios grow as the square of the hull's heave period over the wave's, their
// spectra as its fourth power: a waterplane near 0 overflows single precision. The waterplane that
// floats the displacement with a heave period of 999.99 s, the longest a report prints, keeps the
// ratio within 10^4 at the shortest wave period of 0.1 s; no hull floats on less (0 leaves it to the
// hull model, which takes its box's).
constexpr float kLongestHeavePeriod = 999.99f;  // [s]
std::string hullWaterplane(float x, int k) {
  if (std::string wider = waterplane(x, k); !wider.empty()) return wider;
  const Tpcm& t = TPCM;
  if (x == 0.0f || !unitsKnown() || !sound(t.DISPL) || !sound(t.DWATR)) return {};
  const float g = metric() ? 9.8f : 32.152f;
  const float omega = kTwoPi / kLongestHeavePeriod;
  // Up to the figure the message shows: the waterplane of a heave period of 999.99 s is the least,
  // not one a float's rounding below it.
  const std::optional<double> named = advisedLeast(t.DISPL * 1000.0f / t.DWATR * omega * omega / g);
  if (!named) return {};
  const float least = typedValue(*named);
  if (!belowBound(x, least)) return {};
  return "0 (the hull model's own) or a value of at least " + leastText(least) +
         " (the waterplane that floats the displacement, page 5, item 1, with a heave period of 999.99 s)";
}
// The metacentre lies above the centre of buoyancy (BM = I / V > 0), and above the draft by at most
// the inertia of the waterplane's bounding rectangle over the displaced volume.
std::string metacentre(float x, float span, float across) {
  const Tpcm& t = TPCM;
  if (std::isfinite(t.TVKB) && t.TVKB > 0.0f && belowBound(x, t.TVKB))
    return "a value above the center of buoyancy (" + messageValue(t.TVKB) + ", page 5, item 4)";
  if (!sound(t.DWATR) || !sound(t.DISPL) || !sound(t.DRAFT) || !sound(span) || !sound(across)) return {};
  const float volume = t.DISPL * 1000.0f / t.DWATR;
  return notAbove(x, t.DRAFT + span * across * across * across / (12.0f * volume),
                  "the draft plus the inertia of the waterline's rectangle over the displaced volume");
}
std::string transverseMetacentre(float x, int) { return metacentre(x, TPCM.LWL, TPCM.BWL); }
std::string longitudinalMetacentre(float x, int) { return metacentre(x, TPCM.BWL, TPCM.LWL); }
// The centre of buoyancy lies in the hull under water.
std::string buoyancyCentre(float x, int) {
  if (!sound(TPCM.DRAFT)) return {};
  return within(x, 0.0f, TPCM.DRAFT, "the draft, page 5, item 10");
}
// A point of the vessel (its centre of gravity, a centroid, an attachment) lies within its length of
// the vessel's origin, or within the extent of a hull other than a ship.
std::string onVessel(float x, int) {
  return shipHull() ? magnitudeNotAbove(x, waterlineLength(), kLength) : magnitudeNotAbove(x, vesselExtent(), kExtent);
}
std::string aboveKeel(float x, int) {
  if (shipHull()) return sound(waterlineLength()) ? within(x, 0.0f, waterlineLength(), kLength) : std::string();
  return sound(vesselExtent()) ? within(x, 0.0f, vesselExtent(), kExtent) : std::string();
}
// A ship's roll radius of gyration lies within its beam, a pitch or yaw radius within its length;
// another hull's within its extent.
std::string rollGyradius(float x, int) {
  return shipHull() ? notAbove(x, TPCM.BWL, "the beam, page 5, item 9") : notAbove(x, vesselExtent(), kExtent);
}
std::string vesselGyradius(float x, int) {
  return shipHull() ? notAbove(x, waterlineLength(), kLength) : notAbove(x, vesselExtent(), kExtent);
}
// The bilge radius and the bilge keel's width lie within half the beam.
std::string halfBeam(float x, int) { return magnitudeNotAbove(x, 0.5f * TPCM.BWL, "half the beam, page 5, item 9"); }
// A vessel area (wind or current drag area) lies within the square of a ship's length, or of
// another hull's extent.
std::string vesselArea(float x, int) {
  if (shipHull()) {
    const float l = waterlineLength();
    return notAbove(x, l * l, "the square of the waterline length");
  }
  const float e = vesselExtent();
  return notAbove(x, e * e, "the square of the waterline length, beam and draft together");
}
// The deadweight only picks the size family of the tanker wind coefficients (small tankers below
// 80,000 long tons, the OCIMF family above 140,000): it need not be that of the vessel analysed, whose
// displacement in ballast is far below its deadweight. The largest tankers built carry about
// 565,000 t; twice that is no tanker.
constexpr float kKipsPerMetricTon = 2.2046226f;
std::string deadweight(float x, int) {
  if (!unitsKnown()) return {};
  const float largest = 1.0e6f * (metric() ? 1.0f : kKipsPerMetricTon);
  return within(x, 0.0f, largest, "about twice the deadweight of the largest tanker built");
}
// Trim or heel beyond 45 degrees capsizes a hull.
std::string hullAngle(float x, int) { return within(x, -45.0f, 45.0f, "degrees"); }

// The attachment's hinge at the vessel (a yoke's, a hawser's, a pendular mass's): below the water no
// deeper than the keel, and no deeper than the sea bed; above it, within the vessel's size (a ship's
// length, another hull's extent; twice the longest ship built where the vessel's size is unsound),
// since the hinge stands on the vessel. A buoyant riser's top is held at the keel whatever this says.
std::string yokeHeight(float x, int) {
  const Tpcm& t = TPCM;
  if (!attached() || t.IARCO == kBuoyantRiser) return {};
  float low = 0.0f;
  std::string lowText;
  if (sound(t.DRAFT) && (!sound(depth()) || t.DRAFT <= depth())) {
    low = -t.DRAFT;
    lowText = "the draft, page 5, item 10";
  } else if (sound(depth())) {
    low = -depth();
    lowText = kDepth;
  }
  float high = 0.0f;
  std::string highText;
  if (shipHull() && sound(waterlineLength())) {
    high = waterlineLength();
    highText = kLength;
  } else if (!shipHull() && sound(vesselExtent())) {
    high = vesselExtent();
    highText = kExtent;
  } else if (unitsKnown()) {
    high = length(1000.0f);
    highText = "twice the longest ship built";
  }
  const bool belowLow = !lowText.empty() && belowBound(x, low);
  const bool aboveHigh = !highText.empty() && aboveBound(x, high);
  if (!belowLow && !aboveHigh) return {};
  if (lowText.empty()) return "a value of at most " + mostText(high) + " (" + highText + ")";
  if (highText.empty()) return "a value of at least " + leastText(low) + " (" + lowText + ")";
  return "a value from " + leastText(low) + " (" + lowText + ") to " + mostText(high) + " (" + highText + ")";
}

// The two attachment points of a yoke or a pendular mass at the vessel lie on the vessel. The loads
// of the yoke's two sides are its member's loads times its length over their separation: a
// separation below a hundredth of that length makes them a hundred times the member's loads and more
// (1e-30 overflows them), and none at all leaves them indeterminate, which the yoke's wave-frequency
// dynamics cannot take. A pendular mass hung from one point (0) is sound.
constexpr float kSmallestSeparationPerLength = 0.01f;
std::string attachmentSeparation(float x, int k) {
  if (!attachmentArm()) return {};
  if (vesselStages()) {
    if (std::string onIt = onVessel(x, k); !onIt.empty()) return onIt;
  }
  const SalmMembers m = salmMembers();
  const float member = m.length.size() >= 2 ? m.length.back() : 0.0f;
  const bool yokeDynamics = TPCM.IARCO == kYoke && attachedDynamics();
  if (x == 0.0f && !yokeDynamics) return {};
  // A member longer than any link has a finding of its own lengths.
  const bool memberSound = sound(member) && unitsKnown() && member <= length(1000.0f);
  const float smallest = memberSound ? kSmallestSeparationPerLength * member : 0.0f;
  if (!belowBound(std::fabs(x), smallest) && x != 0.0f) return {};
  const std::string why = "a hundredth of the length of the attachment's member, " + messageValue(member) +
                          " (page 3, item 2): the side loads are its loads times its length over the separation";
  if (x == 0.0f && smallest == 0.0f) return "a separation other than 0 (the yoke's side loads are its loads over it)";
  return std::string(yokeDynamics ? "a separation" : "0 or a separation") + " of at least " + leastText(smallest) +
         " in size (" + why + ")";
}

// Headings, angles and steps of angles turn at most once either way.
std::string heading(float x, int) { return within(x, -360.0f, 360.0f, "degrees"); }
// The yaw table's points lie a step apart: a step above 0 when the table is on.
std::string yawStep(float x, int k) {
  if (TPCM.YAWTBL == 0) return heading(x, k);
  if (x > 0.0f && !aboveBound(x, 360.0f)) return {};
  return "a step above 0 and at most 360.00 degrees (the yaw table is on, item 12)";
}
std::string turnInRadians(float x, int) { return within(x, -kTwoPi, kTwoPi, "radians"); }
// An inclination of the base from the vertical, in radians, at most a right angle.
std::string baseInclination(float x, int) { return within(x, -0.5f * kPi, 0.5f * kPi, "radians"); }

// Periods of gravity waves and of a vessel's motions: below 0.1 s waves are ripples held by the
// surface tension; the reports' period fields (F6.2) print below 1,000 s.
std::string period(float x, int) { return withinPrinted(x, 0.1f, 999.99, "seconds"); }

// Damping in percent of critical: beyond critical a mode no longer oscillates.
std::string percentOfCritical(float x, int) { return within(x, 0.0f, 100.0f, "percent of critical"); }
// A share of the full load, in percent.
std::string percentOfLoad(float x, int) { return within(x, 0.0f, 100.0f, "percent"); }
// An interpolation factor between two shapes, a share of a mean.
std::string fraction(float x, int) { return within(x, 0.0f, 1.0f); }
// A spectral density spreads a variance, which is not negative.
std::string density(float x) { return x >= 0.0f ? std::string() : "a value of 0 or more"; }
// Enhancement, shape and shadowing factors scale a load model calibrated about 1: ten times is far
// beyond any calibration.
std::string loadFactor(float x, int) { return within(x, 0.0f, 10.0f); }
// A term added to such factors, as large at most either way.
std::string addedFactor(float x, int) { return within(x, -10.0f, 10.0f); }

// The strongest gusts measured stay below 220 knots.
std::string windSpeed(float x, int) { return within(x, 0.0f, 250.0f, "knots"); }
// The A.P.I. wind spectrum peaks at its parameter times the mean wind over the reference height: at
// 0 it has no peak and an infinite density at rest. It was fitted to measured winds with the
// parameter from 0.01 to 0.1; the other spectra do not read it.
std::string apiParameter(float x, int) {
  if (TPCM.WNDTYP != kApiWind || withinBounds(x, 0.01f, 0.1f)) return {};
  // Written out: 0.01 in single precision lies just below a hundredth, which a message would show
  // in exponent form.
  return "a value from 0.01 to 0.10 (the range the A.P.I. spectrum was fitted over)";
}
// The N.P.D. spectrum takes the mean wind at its height z from the profile 1 + C ln(z / 10 m) times
// the wind at 10 m (C = 0.0573 sqrt(1 + 0.15 U), U that wind in m/s), and scales its gusts by powers
// of z / 10 m: a height of 0 or below has no such powers, and at 1.01 times the height where the
// profile comes to nothing, 10 m exp(-1 / C), and below it the spectrum drops its gusts (and close
// above it blows them up by the square of 10 m's wind over almost none). The test is the spectrum's
// own, in its arithmetic, so that the two never disagree.
std::string npdHeight(float x, int) {
  const Tpcm& t = TPCM;
  if (t.WNDTYP != kNpdWind || !unitsKnown()) return {};
  const double reference = metric() ? 10.0 : 32.81;  // 10 m in the data set's unit, as the formula takes it
  const bool calm = !(t.WNDSPD > 0.0f && std::isfinite(t.WNDSPD));  // its own finding, or no gusts to scale
  const double c = 0.0573 * std::sqrt(1.0 + 1.5 * 0.05139 * (calm ? 0.0 : t.WNDSPD));
  const double lowest = 1.01 * std::exp(-1.0 / c);  // of z / 10 m
  const auto above = [&](float z) { return (metric() ? 0.1 * z : z / 32.81) > lowest; };
  if (above(x)) return {};
  // The last figure that the spectrum's test refuses as typed: every figure above it passes.
  const std::optional<double> last =
      advisedMost(lowest * reference, [&](double shown) { return !above(typedValue(shown)); });
  return "a height above " + (last ? amountText(*last) : messageValue(lowest * reference)) +
         (metric() ? " meters" : " feet") +
         ": at and below it the N.P.D. wind profile, the wind at 10 m times 1+C*ln(z/10m) with C = " +
         messageValue(c) + " at the wind speed of item 1, holds almost no wind and the spectrum no gusts";
}
// The strongest tidal streams run below 25 knots.
std::string knotsOfCurrent(float x, int) { return within(x, 0.0f, 25.0f, "knots"); }
// A depth of the current profile lies in the water.
std::string inTheWater(float x, int) {
  if (!sound(depth())) return {};
  return within(x, 0.0f, depth(), kDepth);
}

// The storm of the extreme statistics: the low-frequency report prints its hours as F4.1.
std::string stormHours(float x, int) {
  return withinPrinted(x, 0.0f, 99.9, "hours: what the low-frequency report prints");
}

// The spectra's shapes. A JONSWAP peak factor of 1 is the Pierson-Moskowitz sea, and measured seas
// stay far below 20.
std::string peakFactorOf(float x, bool used) { return used ? within(x, 1.0f, 20.0f) : std::string(); }
// A JONSWAP width divides the distance from the peak; above 1 it exceeds the peak frequency itself.
std::string peakWidthOf(float x, bool used) {
  if (!used) return {};
  return x > 0.0f && !aboveBound(x, 1.0f) ? std::string() : "a value above 0 and at most 1.00";
}
std::string seaPeakFactor(float x, int) { return peakFactorOf(x, hasJonswapShape(TPCM.WAVTYP)); }
std::string seaPeakWidth(float x, int) { return peakWidthOf(x, hasJonswapShape(TPCM.WAVTYP)); }
std::string swellPeakFactor(float x, int) { return peakFactorOf(x, hasJonswapShape(TPCM.SWLTYP)); }
std::string swellPeakWidth(float x, int) { return peakWidthOf(x, hasJonswapShape(TPCM.SWLTYP)); }
std::string secondSwellPeakFactor(float x, int) { return peakFactorOf(x, hasJonswapShape(TPCM.SWLTYP2)); }
std::string secondSwellPeakWidth(float x, int) { return peakWidthOf(x, hasJonswapShape(TPCM.SWLTYP2)); }
// The default swell's Gaussian divides by its relative width; a width above 1 reaches zero frequency.
std::string relativeWidthOf(float x, std::int32_t type) { return peakWidthOf(x, hasBandwidth(type)); }
std::string seaWidth(float x, int) { return relativeWidthOf(x, TPCM.WAVTYP); }
std::string swellWidth(float x, int) { return relativeWidthOf(x, TPCM.SWLTYP); }
std::string secondSwellWidth(float x, int) { return relativeWidthOf(x, TPCM.SWLTYP2); }
// The Ochi-Hubble shape enters through its gamma function, which holds above 0 up to 34.5.
std::string ochiShape(float x, int) {
  if (x > 0.0f && !aboveBound(x, kLargestOchiLambda)) return {};
  return "a value above 0 and at most " + mostText(kLargestOchiLambda);
}
// The cosine power of the spreading enters through gamma functions of (p + 2) / 2, which hold up
// to 34.5.
std::string spreadingIndex(float x, int) { return within(x, 0.0f, kLargestSpreadingIndex); }
// Page 15 and its listing print the sector as F8.2; beyond a turn the energy comes from all sides.
std::string spreadingSector(float x, int) {
  return withinPrinted(x, 0.0f, 99999.99, "degrees: what page 15 prints");
}

// ---- The rules ----

enum class Need {
  kNumber,       // a finite number
  kPositive,     // above 0
  kNotNegative,  // 0 or above
};

std::string_view needText(Need need) {
  switch (need) {
    case Need::kNumber: return "a finite number";
    case Need::kPositive: return "a value above 0";
    case Need::kNotNegative: return "a value of 0 or more";
  }
  return "";
}

bool meets(float value, Need need) {
  if (!std::isfinite(value)) return false;
  switch (need) {
    case Need::kNumber: return true;
    case Need::kPositive: return value > 0.0f;
    case Need::kNotNegative: return value >= 0.0f;
  }
  return false;
}

// Where a value is edited: page and item; `element` for the rows of the SALM element page, and a
// sub-page's own item after the item that opens it. Page 0: no page of this editor shows the word.
struct Where {
  int page = 0;
  int item = 0;
  int subItem = 0;  // the item on the page that `item` opens (the attachment specifics of page 3)
  int word = 0;     // the word of the data set, for a value that no page shows
};

// One float value, or an array of them, with its rule.
struct FloatValue {
  std::string_view label;      // the page's words for it
  Where where;
  Need need;
  bool (*read)();              // whether this data set's stages read it
  float (*value)(int k);       // element k (1 for a single value)
  int (*count)();              // elements in use
  bool element = false;        // one value per SALM element (page 3's element page)
  Bound bound = nullptr;       // what it must be beside what it is, once it meets `need`
  AmountForm shownAs = AmountForm::kMessage;  // how a finding shows it: kFixed where its page does
};

constexpr FloatValue kFloatValues[] = {
    // Page 1, site.
    {"Site water depth", {1, 4}, Need::kPositive, always, [](int) { return TPCM.DEPTH; }, one, false, siteDepth},
    {"Water density", {1, 5}, Need::kPositive, always, [](int) { return TPCM.DWATR; }, one, false, waterDensity},
    // Page 2, SALM information.
    {"Maximum horizontal load on Salm", {2, 2}, Need::kPositive, tableLoads, [](int) { return TPCM.TLOAD; }, one,
     false, horizontalLoad},
    {"Offset increment for static offset table", {2, 3}, Need::kNotNegative, always,
     [](int) { return TPCM.OFFINC; }, one, false, offsetStep},
    {"Water plane area of water-piercing element", {2, 5}, Need::kNotNegative, always,
     [](int) { return TPCM.WPAPRC; }, one, false, waterplaneArea},
    {"Default added mass coefficient", {2, 7}, Need::kNotNegative, always, [](int) { return TPCM.COFMAS; }, one,
     false, memberCoefficient},
    {"Default square-law drag coefficient", {2, 8}, Need::kNotNegative, always, [](int) { return TPCM.COFDMP; },
     one, false, memberCoefficient},
    // Page 3, SALM elements.
    {"Element length", {3, 2}, Need::kPositive, always, [](int k) { return TPCM.SLEN(k); }, elements, true,
     columnElement},
    {"Total volume", {3, 3}, Need::kNotNegative, always, [](int k) { return TPCM.BUOY(k); }, elements, true,
     elementVolume, AmountForm::kFixed},
    {"Centroid of volume", {3, 4}, Need::kNumber, always, [](int k) { return TPCM.CBUOY(k); }, elements, true,
     withinElement},
    {"Total dry weight of element", {3, 5}, Need::kNotNegative, always, [](int k) { return TPCM.TMASS(k); },
     elements, true, elementWeight},
    {"Center of gravity", {3, 6}, Need::kNumber, always, [](int k) { return TPCM.CGSALM(k); }, elements, true,
     withinElement},
    {"Gyradius of element", {3, 8}, Need::kNotNegative, always, [](int k) { return TPCM.GYRAD(k); }, elements, true,
     elementGyradius},
    {"Added mass coefficient of element", {3, 9}, Need::kNotNegative, always, [](int k) { return TPCM.COFMST(k); },
     elements, true, memberCoefficient},
    {"Effective drag coefficient of element", {3, 10}, Need::kNotNegative, always,
     [](int k) { return TPCM.COFDMT(k); }, elements, true, memberCoefficient},
    {"Yoke to waterline height at vessel", {3, 14, 1}, Need::kNumber, always, [](int) { return TPCM.YOKEHT; }, one,
     false, yokeHeight},
    {"X-Coordinate of Salm attachment", {3, 14, 2}, Need::kNumber, always, [](int) { return TPCM.XSALM; }, one,
     false, [](float x, int k) { return vesselStages() ? onVessel(x, k) : std::string(); }},
    {"Separation of attachment points", {3, 14, 3}, Need::kNumber, always, [](int) { return TPCM.PNDARM; }, one,
     false, attachmentSeparation},
    {"Auxiliary static offset table load", {3, 11}, Need::kNumber, auxiliaryTable,
     [](int k) { return TPCM.AUXFOR(k); }, tablePoints, false, horizontalLoad},
    {"Equilibrium yaw angle", {3, 13}, Need::kNumber, vesselStages, [](int) { return TPCM.EQLYAW; }, one, false,
     heading},
    {"Yaw increment to use in yaw table", {3, 14}, Need::kNumber, vesselStages, [](int) { return TPCM.YAWINC; }, one,
     false, yawStep},
    {"Version of the program that stored the data set VERNO", {0, 0, 0, 217}, Need::kNumber, always,
     [](int) { return TPCM.VERNO; }, one},
    {"Base inclination ANCHOR", {0, 0, 0, 2373}, Need::kNumber, always, [](int) { return TPCM.ANCHOR; }, one, false,
     baseInclination},
    {"Yoke angle offset YOKVES", {0, 0, 0, 2376}, Need::kNumber, always, [](int) { return TPCM.YOKVES; }, one, false,
     turnInRadians},
    // Page 4, low-frequency dynamics.
    {"Surge damping (percent of critical)", {4, 3}, Need::kPositive, surgeDamping,
     [](int) { return TPCM.SGLFDP; }, one, false, percentOfCritical},
    {"Sway damping (percent of critical)", {4, 5}, Need::kPositive, swayDamping, [](int) { return TPCM.SWLFDP; }, one,
     false, percentOfCritical},
    {"Yaw damping (percent of critical)", {4, 7}, Need::kPositive, yawDamping, [](int) { return TPCM.YWLFDP; }, one,
     false, percentOfCritical},
    // Page 5, vessel hydrostatics.
    {"Vessel displacement", {5, 1}, Need::kPositive, vesselStages, [](int) { return TPCM.DISPL; }, one, false,
     displacement},
    {"Transverse metacentric height (KMT)", {5, 2}, Need::kPositive, vesselStages, [](int) { return TPCM.TVKMT; },
     one, false, transverseMetacentre},
    {"Longitudinal metacentric height (KML)", {5, 3}, Need::kPositive, vesselStages,
     [](int) { return TPCM.TVKML; }, one, false, longitudinalMetacentre},
    {"Vertical center of buoyancy (VKB)", {5, 4}, Need::kNumber, vesselStages, [](int) { return TPCM.TVKB; }, one,
     false, buoyancyCentre},
    {"Vertical center of gravity (VKG)", {5, 5}, Need::kNumber, vesselStages, [](int) { return TPCM.TVKG; }, one,
     false, aboveKeel},
    {"LCG-to-Midships distance", {5, 6}, Need::kNumber, vesselStages, [](int) { return TPCM.CG_to_Midship; }, one,
     false, onVessel},
    {"Vessel water plane area", {5, 7}, Need::kNotNegative, vesselStages, [](int) { return TPCM.AWP; }, one, false,
     hullWaterplane},
    {"Length of vessel at waterline", {5, 8}, Need::kPositive, vesselStages, [](int) { return TPCM.LWL; }, one, false,
     vesselLength},
    {"Beam of vessel at waterline", {5, 9}, Need::kPositive, vesselStages, [](int) { return TPCM.BWL; }, one, false,
     vesselBeam},
    {"Mean vessel draft", {5, 10}, Need::kPositive, vesselStages, [](int) { return TPCM.DRAFT; }, one},
    // Page 6, vessel inertia and motion.
    {"Pitch Gyradius", {6, 1}, Need::kPositive, vesselStages, [](int) { return TPCM.PGYR; }, one, false,
     vesselGyradius},
    {"Roll Gyradius", {6, 2}, Need::kPositive, vesselStages, [](int) { return TPCM.RGYR; }, one, false, rollGyradius},
    {"Yaw Gyradius", {6, 3}, Need::kPositive, vesselStages, [](int) { return TPCM.TYGYR; }, one, false,
     vesselGyradius},
    {"Bilge radius at maximum beam station", {6, 4}, Need::kNotNegative, vesselStages,
     [](int) { return TPCM.BILGR; }, one, false, halfBeam},
    {"Bilge keel length", {6, 6}, Need::kNotNegative, bilgeKeel, [](int) { return TPCM.TKEEL; }, one, false,
     vesselGyradius},
    {"Bilge keel width", {6, 7}, Need::kNotNegative, bilgeKeel, [](int) { return TPCM.RKEEL; }, one, false, halfBeam},
    {"Inboard keel-to-vessel centerline distance", {6, 8}, Need::kNumber, bilgeKeel, [](int) { return TPCM.DKEEL; },
     one, false, halfBeam},
    {"Vessel speed", {6, 9}, Need::kNumber, vesselStages, [](int) { return TPCM.TVFWD; }, one},
    {"Global direction of vessel motion", {6, 10}, Need::kNumber, vesselStages, [](int) { return TPCM.VGLDIR; }, one,
     false, heading},
    {"Trim angle", {6, 11}, Need::kNumber, vesselStages, [](int) { return TPCM.TRIMDG; }, one, false, hullAngle},
    {"Heel angle", {6, 12}, Need::kNumber, vesselStages, [](int) { return TPCM.HEELDG; }, one, false, hullAngle},
    // Page 7, damping and periods given by the user.
    {"Heave damping (percent of critical)", {7, 2}, Need::kPositive, heaveDamping, [](int) { return TPCM.HVDAMP; },
     one, false, percentOfCritical},
    {"Pitch damping (percent of critical)", {7, 4}, Need::kPositive, pitchDamping, [](int) { return TPCM.PTDAMP; },
     one, false, percentOfCritical},
    {"Roll damping (percent of critical)", {7, 6}, Need::kPositive, rollDamping, [](int) { return TPCM.RLDAMP; }, one,
     false, percentOfCritical},
    {"Heave period", {7, 8}, Need::kPositive, heavePeriod, [](int) { return TPCM.HEVPRD; }, one, false, period},
    {"Pitch period", {7, 10}, Need::kPositive, pitchPeriod, [](int) { return TPCM.PITPRD; }, one, false, period},
    {"Roll period", {7, 12}, Need::kPositive, rollPeriod, [](int) { return TPCM.ROLPRD; }, one, false, period},
    // Page 8, vessel low-frequency loads.
    {"Freeboard-Based Load", {8, 7}, Need::kNotNegative, windTanker, [](int) { return TPCM.LOADED; }, one, false,
     percentOfLoad},
    {"Wind Bow Interpolation Factor", {8, 8}, Need::kNumber, windTanker, [](int) { return TPCM.BOWWND; }, one,
     false, fraction},
    {"Draft-Based Load", {8, 17}, Need::kNotNegative, vesselStages, [](int) { return TPCM.DFTPCT; }, one, false,
     percentOfLoad},
    {"Current Bow Interpolation Factor", {8, 18}, Need::kNumber, vesselStages, [](int) { return TPCM.BOWCUR; }, one,
     false, fraction},
    {"Head-on shadowing & geometry factor", {8, 27}, Need::kNumber, vesselStages, [](int) { return TPCM.XSHDOW; },
     one, false, loadFactor},
    {"Beam-on shadowing & geometry factor", {8, 28}, Need::kNumber, vesselStages, [](int) { return TPCM.YSHDOW; },
     one, false, loadFactor},
    {"Vessel Deadweight", {8, 31}, Need::kNotNegative, windTanker, [](int) { return TPCM.DWTONS; }, one, false,
     deadweight},
    // Page 9, external force.
    {"X force component", {9, 2}, Need::kNumber, externalForce, [](int) { return TPCM.XVFRC; }, one},
    {"Y force component", {9, 3}, Need::kNumber, externalForce, [](int) { return TPCM.YVFRC; }, one},
    {"Applied moment (force couple) value", {9, 4}, Need::kNumber, externalForce, [](int) { return TPCM.VESMOM; },
     one},
    {"Applied force X-coordinate", {9, 6}, Need::kNumber, externalForce, [](int) { return TPCM.XVLOC; }, one, false,
     onVessel},
    {"Applied force Y-coordinate", {9, 7}, Need::kNumber, externalForce, [](int) { return TPCM.YVLOC; }, one, false,
     onVessel},
    // Page 10, areas and enhancement factors.
    {"Wind head-on effective drag area", {10, 2}, Need::kNotNegative, vesselStages, [](int) { return TPCM.TXWNDA; },
     one, false, vesselArea},
    {"Wind head-on drag area centroid (y)", {10, 3}, Need::kNumber, vesselStages, [](int) { return TPCM.XWARM; }, one,
     false, onVessel},
    {"Wind head-on drag area centroid (z)", {10, 4}, Need::kNumber, vesselStages, [](int) { return TPCM.ZXWARM; },
     one, false, onVessel},
    {"Wind beam-on effective drag area", {10, 5}, Need::kNotNegative, vesselStages, [](int) { return TPCM.TYWNDA; },
     one, false, vesselArea},
    {"Wind beam-on drag area centroid (x)", {10, 6}, Need::kNumber, vesselStages, [](int) { return TPCM.YWARM; }, one,
     false, onVessel},
    {"Wind beam-on drag area centroid (z)", {10, 7}, Need::kNumber, vesselStages, [](int) { return TPCM.ZYWARM; },
     one, false, onVessel},
    {"Wind force enhancement factor", {10, 8}, Need::kNotNegative, vesselStages, [](int) { return TPCM.TWNDCF; }, one,
     false, loadFactor},
    {"Current head-on effective drag area", {10, 12}, Need::kNotNegative, vesselStages,
     [](int) { return TPCM.TXCURA; }, one, false, vesselArea},
    {"Current head-on drag area centroid (y)", {10, 13}, Need::kNumber, vesselStages, [](int) { return TPCM.XCARM; },
     one, false, onVessel},
    {"Current head-on drag area centroid (z)", {10, 14}, Need::kNumber, vesselStages,
     [](int) { return TPCM.ZXCARM; }, one, false, onVessel},
    {"Current beam-on effective drag area", {10, 15}, Need::kNotNegative, vesselStages,
     [](int) { return TPCM.TYCURA; }, one, false, vesselArea},
    {"Current beam-on drag area centroid (x)", {10, 16}, Need::kNumber, vesselStages, [](int) { return TPCM.YCARM; },
     one, false, onVessel},
    {"Current beam-on drag area centroid (z)", {10, 17}, Need::kNumber, vesselStages,
     [](int) { return TPCM.ZYCARM; }, one, false, onVessel},
    {"Current force enhancement factor", {10, 18}, Need::kNotNegative, vesselStages, [](int) { return TPCM.CURFAC; },
     one, false, loadFactor},
    {"Bow shape factor", {10, 21}, Need::kNotNegative, vesselStages, [](int) { return TPCM.BOWFAC; }, one, false,
     loadFactor},
    {"Stern shape factor", {10, 22}, Need::kNotNegative, vesselStages, [](int) { return TPCM.STRNFC; }, one, false,
     loadFactor},
    {"Wave reflection HEAD-ON enhancement factor", {10, 23}, Need::kNotNegative, vesselStages,
     [](int) { return TPCM.WVFCX; }, one, false, loadFactor},
    {"Wave reflection BEAM-ON enhancement factor", {10, 24}, Need::kNotNegative, vesselStages,
     [](int) { return TPCM.WVFCY; }, one, false, loadFactor},
    {"Wave reflection MOMENT enhancement factor", {10, 25}, Need::kNotNegative, vesselStages,
     [](int) { return TPCM.WVFCM; }, one, false, loadFactor},
    {"Variable wave reflection enhancement factor", {10, 26}, Need::kNotNegative, vesselStages,
     [](int) { return TPCM.VWDFAC; }, one, false, loadFactor},
    {"Wave absorption HEAD-ON enhancement factor", {10, 31}, Need::kNotNegative, vesselStages,
     [](int) { return TPCM.WVDGCX; }, one, false, loadFactor},
    {"Wave absorption BEAM-ON enhancement factor", {10, 32}, Need::kNotNegative, vesselStages,
     [](int) { return TPCM.WVDGCY; }, one, false, loadFactor},
    {"Wave absorption MOMENT enhancement factor", {10, 33}, Need::kNotNegative, vesselStages,
     [](int) { return TPCM.WVDGCM; }, one, false, loadFactor},
    {"Variable wave absorption enhancement factor", {10, 34}, Need::kNotNegative, vesselStages,
     [](int) { return TPCM.VWDRGFC; }, one, false, loadFactor},
    // Page 11, wind.
    {"Wind speed", {11, 1}, Need::kNotNegative, wind, [](int) { return TPCM.WNDSPD; }, one, false, windSpeed},
    {"Wind heading", {11, 2}, Need::kNumber, wind, [](int) { return TPCM.WNDHDG; }, one, false, heading},
    {"Wind speed spectral density", {11, 3}, Need::kNumber, wind, [](int) { return TPCM.WNDDEN; }, one, false,
     [](float x, int) { return TPCM.WNDTYP == kLegacyPointWind ? density(x) : std::string(); }},
    {"A.P.I. wind spectrum parameter", {11, 3}, Need::kNumber, wind, [](int) { return TPCM.APIPRM; }, one, false,
     apiParameter},
    {"N.P.D. Spectral Evaluation Height", {11, 3}, Need::kNumber, wind, [](int) { return TPCM.WSPEC_HGT; }, one,
     false, npdHeight},
    // Page 12, current.
    {"Current speed", {12, 1}, Need::kNotNegative, currentSpeed, [](int) { return TPCM.CURSPD; }, one, false,
     knotsOfCurrent},
    {"Current heading", {12, 2}, Need::kNumber, current, [](int) { return TPCM.CURHDG; }, one, false, heading},
    {"Current profile depth", {12, 5}, Need::kNumber, currentTable, [](int k) { return TPCM.DPTHI(k); }, profileRows,
     false, inTheWater},
    {"Current profile speed", {12, 5}, Need::kNumber, currentTable, [](int k) { return TPCM.VELI(k); }, profileRows,
     false, knotsOfCurrent},
    {"Current speed spectral density", {12, 6}, Need::kNumber, current, [](int) { return TPCM.CURDEN; }, one, false,
     [](float x, int) {
       const bool used = TPCM.CURTYP == kLegacyPointCurrent || TPCM.CURTYP == kBandLimitedCurrent;
       return used ? density(x) : std::string();
     }},
    {"Fractional RMS current variation", {12, 7}, Need::kNumber, current, [](int) { return TPCM.RMS_CRNT; }, one,
     false, fraction},
    // Page 14, regular waves.
    {"Regular wave period", {14, 2}, Need::kPositive, waveStages, [](int k) { return TPCM.T(k); }, periods, false,
     period},
    {"Wave height or slope", {14, 4}, Need::kNotNegative, waveStages, [](int) { return TPCM.SLPHT; }, one, false,
     heightOrSlope},
    {"Wave heading", {14, 6}, Need::kNumber, waveStages, [](int k) { return TPCM.WAVHDG(k); }, waveHeadings, false,
     heading},
    // Page 15, irregular waves.
    {"Wave heading", {15, 4}, Need::kNumber, randomSea, [](int k) { return TPCM.SEAHDG(k); }, seaHeadings, false,
     heading},
    {"Significant height", {15, 6}, Need::kPositive, randomSea, [](int k) { return TPCM.SWHT(k); }, seaRows, false,
     waveHeight},
    {"Spectrum peak period", {15, 7}, Need::kPositive, seaPeriods, [](int k) { return TPCM.SIGPD(k); }, seaRows,
     false, period},
    {"Spectral bandwidth parameter", {15, 8}, Need::kNotNegative, randomSea, [](int) { return TPCM.WAVWID; }, one,
     false, seaWidth},
    {"JONSWAP \"Gamma\" Parameter", {15, 8}, Need::kNotNegative, randomSea, [](int) { return TPCM.JONGAM; }, one,
     false, seaPeakFactor},
    {"JONSWAP \"Sigma a\" Shape Parameter", {15, 9}, Need::kNotNegative, randomSea, [](int) { return TPCM.JONPL; },
     one, false, seaPeakWidth},
    {"JONSWAP \"Sigma b\" Shape Parameter", {15, 10}, Need::kNotNegative, randomSea, [](int) { return TPCM.JONPG; },
     one, false, seaPeakWidth},
    {"Component Lambda Value", {15, 8}, Need::kNumber, ochiHubbleSea, [](int k) { return TPCM.OCHI_LAMBDA(k); },
     ochiComponents, false, ochiShape},
    {"Wave spreading index", {15, 21}, Need::kNotNegative, spreadingFactors, [](int) { return TPCM.COSEXP; }, one,
     false, spreadingIndex},
    {"Sector size containing wave energy", {15, 22}, Need::kPositive, spreading, [](int) { return TPCM.ANGSEC; },
     one, false, spreadingSector},
    {"Sector size containing wave energy", {15, 22}, Need::kNumber, sectorWithoutSpreading,
     [](int) { return TPCM.ANGSEC; }, one, false, spreadingSector},
    // Page 16, swell.
    {"Swell heading", {16, 4}, Need::kNumber, swell, [](int) { return TPCM.SWLHDG; }, one, false, heading},
    {"Swell significant height", {16, 6}, Need::kPositive, swell, [](int) { return TPCM.SWELHT; }, one, false,
     waveHeight},
    {"Swell peak period", {16, 7}, Need::kPositive, swell, [](int) { return TPCM.SWELPD; }, one, false, period},
    {"Swell spectral bandwidth parameter", {16, 8}, Need::kNotNegative, swell, [](int) { return TPCM.SWLWID; }, one,
     false, swellWidth},
    {"Swell JONSWAP \"Gamma\" Parameter", {16, 8}, Need::kNotNegative, swell, [](int) { return TPCM.JONGAM_SWL; },
     one, false, swellPeakFactor},
    {"Swell JONSWAP \"Sigma a\" Shape Parameter", {16, 9}, Need::kNotNegative, swell,
     [](int) { return TPCM.JONPL_SWL; }, one, false, swellPeakWidth},
    {"Swell JONSWAP \"Sigma b\" Shape Parameter", {16, 10}, Need::kNotNegative, swell,
     [](int) { return TPCM.JONPG_SWL; }, one, false, swellPeakWidth},
    {"Second swell heading", {16, 24}, Need::kNumber, secondSwell, [](int) { return TPCM.SWLHDG2; }, one, false,
     heading},
    {"Second swell significant height", {16, 26}, Need::kPositive, secondSwell, [](int) { return TPCM.SWELHT2; },
     one, false, waveHeight},
    {"Second swell peak period", {16, 27}, Need::kPositive, secondSwell, [](int) { return TPCM.SWELPD2; }, one, false,
     period},
    {"Second swell spectral bandwidth parameter", {16, 28}, Need::kNotNegative, secondSwell,
     [](int) { return TPCM.SWLWID2; }, one, false, secondSwellWidth},
    {"Second swell JONSWAP \"Gamma\" Parameter", {16, 28}, Need::kNotNegative, jonswapSecondSwell,
     [](int) { return TPCM.JONGAM_SWL2; }, one, false, secondSwellPeakFactor},
    {"Second swell JONSWAP \"Sigma a\" Shape Parameter", {16, 29}, Need::kNotNegative, jonswapSecondSwell,
     [](int) { return TPCM.JONPL_SWL2; }, one, false, secondSwellPeakWidth},
    {"Second swell JONSWAP \"Sigma b\" Shape Parameter", {16, 30}, Need::kNotNegative, jonswapSecondSwell,
     [](int) { return TPCM.JONPG_SWL2; }, one, false, secondSwellPeakWidth},
    // Page 17, output options.
    {"Storm duration", {17, 51}, Need::kNumber, dynamics, [](int) { return TPCM.DURATN; }, one, false, stormHours},
    // Words that no page shows: kept from the defaults or from another program.
    {"Surge current factor XCURNTDN", {0, 0, 0, 1652}, Need::kNumber, vesselStages,
     [](int) { return TPCM.XCURNTDN; }, one, false, loadFactor},
    {"Surge current factor XCURNTUP", {0, 0, 0, 1653}, Need::kNumber, vesselStages,
     [](int) { return TPCM.XCURNTUP; }, one, false, loadFactor},
    {"Sway current factor YCURNTDN", {0, 0, 0, 1654}, Need::kNumber, vesselStages,
     [](int) { return TPCM.YCURNTDN; }, one, false, loadFactor},
    {"Sway current factor YCURNTUP", {0, 0, 0, 1655}, Need::kNumber, vesselStages,
     [](int) { return TPCM.YCURNTUP; }, one, false, loadFactor},
    {"Current modification factor MUNKFAC1", {0, 0, 0, 1656}, Need::kNumber, vesselStages,
     [](int) { return TPCM.MUNKFAC1; }, one, false, addedFactor},
    {"Vessel point coordinate RACC", {0, 0, 0, 905}, Need::kNumber, vesselStages,
     [](int k) { return TPCM.RACC((k - 1) % 3 + 1, (k - 1) / 3 + 1); }, [] { return 3 * vesselPoints(); }, false,
     onVessel},
};

// One integer count or code with its tabled range.
struct IntValue {
  std::string_view label;
  Where where;
  std::int32_t low, high;
  bool (*read)();
  std::int32_t (*value)();
  bool lastElement = false;  // edited on the last element's page
};

constexpr IntValue kIntValues[] = {
    {"Unit system NUNTS (0 English, 1 metric)", {1, 3}, 0, 1, always, [] { return TPCM.NUNTS; }},
    {"Number of Salm elements", {2, 1}, 0, kMaxSalmElements, always, [] { return TPCM.NELEM; }},
    {"Number of points in interpolation table", {2, 4}, 0, kMaxTablePoints, always, [] { return TPCM.NUMTAB; }},
    {"Number of points in interpolation table (0 stands for 2)", {2, 4}, 2, kMaxTablePoints, always,
     [] { return TPCM.NUMTAB == 0 ? 2 : TPCM.NUMTAB; }},
    {"Vessel configuration ISPM", {0, 0, 0, 118}, 0, 8, vesselStages, [] { return TPCM.ISPM; }},
    {"Number of vessel points NACC", {0, 0, 0, 754}, 0, 149, vesselStages, [] { return TPCM.NACC; }},
    {"Number of sea components", {15, 6}, 1, 6, randomSea, [] { return TPCM.NPARM; }},
    {"Number of sea headings", {15, 4}, 0, 37, randomSea, [] { return TPCM.NSEAHG; }},
    // The vessel response spreads its weights over the wedges whether or not the sea is random.
    {"Number of angular wedges", {15, 23}, 0, 36, [] { return vesselStages() || randomSea(); },
     [] { return TPCM.NA; }},
    {"Number of points in current profile", {12, 4}, 1, 5, currentTable, [] { return TPCM.NCURNT; }},
    // The codes that choose a branch of a stage: each within the choices of its page.
    {"Submergence option WETYOK (options 2 to 8 of the page as 0 to 6)", {3, 1}, kSubmergenceNone,
     kLastSubmergence, always, [] { return TPCM.WETYOK; }},
    {"Type of attachment to vessel IARCO (-1 free Salm, 0 to 4 the attachments)", {3, 13}, kFreeSalm,
     kLastAttachment, always, [] { return TPCM.IARCO; }, true},
    {"Number of regular-wave headings NDIR", {0, 0, 0, 168}, 0, 12, vesselStages, [] { return TPCM.NDIR; }},
    {"Wave type (the list's number less 1)", {15, 2}, kSpectrumDefaultSwell, kLastWaveSpectrum, randomSea,
     [] { return TPCM.WAVTYP; }},
    {"Number of Ochi-Hubble wave components", {15, 5}, 1, kOchiComponents, ochiHubbleSea,
     [] { return TPCM.N_OCHI_COMP; }},
    {"Wind spectrum type", {11, 3}, kDavenportWind, kLastWindSpectrum, wind, [] { return TPCM.WNDTYP; }},
    {"Current variation with depth", {12, 3}, 0, 3, current, [] { return TPCM.LCSTCR; }},
    {"Current spectrum type (the list's number less 1)", {12, 6}, kSteadyCurrent, kLastCurrentSpectrum, current,
     [] { return TPCM.CURTYP; }},
    {"Create plotter file IPLOTS (2 adds the curves)", {18, 11}, 0, 2, always, [] { return TPCM.IPLOTS; }},
    // Switches that a stage tests for 1 as well as for 0: other values would turn them on in one
    // place and off in another.
    {"Simulate wind", {10, 1}, 0, 1, vesselStages, [] { return TPCM.LWIND; }},
    {"Simulate current", {10, 11}, 0, 1, waveStages, [] { return TPCM.LCURNT; }},
    {"Heave damping is (1 specified)", {7, 1}, 0, 1, vesselStages, [] { return TPCM.LHVDMP; }},
    {"Pitch damping is (1 specified)", {7, 3}, 0, 1, vesselStages, [] { return TPCM.LPTDMP; }},
    {"Roll damping is (1 specified)", {7, 5}, 0, 1, vesselStages, [] { return TPCM.LRLDMP; }},
    {"Heave period is (1 specified)", {7, 7}, 0, 1, vesselStages, [] { return TPCM.LHVPRD; }},
    {"Pitch period is (1 specified)", {7, 9}, 0, 1, vesselStages, [] { return TPCM.LPTPRD; }},
    {"Roll period is (1 specified)", {7, 11}, 0, 1, vesselStages, [] { return TPCM.LRLPRD; }},
    {"Feedback mooring forces to wave-frequency motions", {7, 13}, 0, 1,
     [] { return vesselStages() && TPCM.VESTYP == kDiscBuoy; }, [] { return TPCM.MORFBK; }},
    {"Apply current correction to drift forces", {8, 26}, 0, 1, vesselStages, [] { return TPCM.CURCOR; }},
    {"Salm extension drives the excitation (1 extension, 0 waves)", {13, 1}, 0, 1, waveStages,
     [] { return TPCM.LEXTND; }},
    {"Use constant wave height or wave slope (1 slope, 0 height)", {14, 3}, 0, 1, waveStages,
     [] { return TPCM.LSLPHT; }},
    {"Simulate irregular waves", {15, 1}, 0, 1, waveStages, [] { return TPCM.LRANDM; }},
    {"Simulate swell", {16, 1}, 0, 1, waveStages, [] { return TPCM.LSWELL; }},
    {"Lock swell heading to irregular waves", {16, 3}, 0, 1, swell, [] { return TPCM.LSWLOK; }},
    {"Simulate second swell", {16, 21}, 0, 1, swell, [] { return TPCM.LSWEL2; }},
    {"Legacy current-wave drift force interaction model", {17, 33}, 0, 1, vesselStages,
     [] { return TPCM.LEGDFC; }},
    {"Legacy peak low-frequency motion and loads model", {17, 34}, 0, 1, vesselStages, [] { return TPCM.LEGPKF; }},
    {"Exclude wave absorption damping and excitation", {17, 35}, 0, 1, vesselStages, [] { return TPCM.LEGDRG; }},
    // The report of the member responses goes to the principal headings, to all of them, or to none
    // by the sum of the two.
    {"Output RAOs for principal wave directions", {18, 3}, 0, 1, dynamics, [] { return TPCM.PRNRAO; }},
    {"Output RAOs at all intermediate angles", {18, 4}, 0, 1, dynamics, [] { return TPCM.ALLRAO; }},
    {"Output vessel motions summary NEGSUM (0 writes it)", {18, 7}, 0, 1, vesselStages, [] { return TPCM.NEGSUM; }},
    // The vessel passes add the force and motion table switches.
    {"Vessel force tables LFORCE", {0, 0, 0, 105}, 0, 1, vesselStages, [] { return TPCM.LFORCE; }},
    {"Vessel motion tables LMOTN", {0, 0, 0, 106}, 0, 1, vesselStages, [] { return TPCM.LMOTN; }},
    {"Vessel point accelerations LACC", {0, 0, 0, 757}, 0, 1, vesselStages, [] { return TPCM.LACC; }},
    {"Vessel point velocities LVEL", {0, 0, 0, 758}, 0, 1, vesselStages, [] { return TPCM.LVEL; }},
    {"Vessel point displacements LDSP", {0, 0, 0, 759}, 0, 1, vesselStages, [] { return TPCM.LDSP; }},
};

// A code whose choices are not one run of numbers.
struct CodeValue {
  std::string_view label;
  Where where;
  bool (*read)();
  std::int32_t (*value)();
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
    {"Vessel type for simulation", {5, 11}, vesselStages, [] { return TPCM.VESTYP; }, workingHullModel,
     vesselTypeChoices},
    // The Ochi-Hubble spectrum holds the wind sea's components: no swell takes it.
    {"Swell type (the list's number less 1)", {16, 2}, swell, [] { return TPCM.SWLTYP; }, swellSpectrum,
     swellTypeChoices},
    {"Second swell type (the list's number less 1)", {16, 22}, secondSwell, [] { return TPCM.SWLTYP2; },
     swellSpectrum, swellTypeChoices},
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

void floatValueFindings(std::vector<RunFinding>& findings) {
  for (const FloatValue& v : kFloatValues) {
    if (!v.read()) continue;
    const int n = v.count();
    for (int k = 1; k <= n; ++k) {
      const float x = v.value(k);
      std::string need;
      if (!meets(x, v.need)) {
        need = needText(v.need);
      } else if (std::fpclassify(x) == FP_SUBNORMAL) {
        // No quantity of a data set is that small but 0; the stages divide by such a value, take it
        // to powers or sum it with itself, and run away (an overflow, a search that never ends).
        need = "0 or a value of at least " + messageValue(std::numeric_limits<float>::min()) + " in size";
      } else if (v.bound != nullptr) {
        need = v.bound(x, k);
      }
      if (need.empty()) continue;
      std::string label(v.label);
      if (n > 1 && !v.element) label += " " + std::to_string(k);
      addFinding(findings, label, v.where, v.element ? k : 0, amountText(x, v.shownAs), need);
    }
  }
}

void codeFindings(std::vector<RunFinding>& findings) {
  const IntValue* previous = nullptr;
  for (const IntValue& v : kIntValues) {
    if (!v.read()) continue;
    const std::int32_t x = v.value();
    if (x >= v.low && x <= v.high) continue;
    // One finding for one word, even where two rules look at it.
    if (previous != nullptr && previous->where.page == v.where.page && previous->where.item == v.where.item &&
        previous->where.word == v.where.word)
      continue;
    previous = &v;
    addFinding(findings, std::string(v.label), v.where, v.lastElement ? elements() : 0, std::to_string(x),
               "a value from " + std::to_string(v.low) + " to " + std::to_string(v.high));
  }
  for (const CodeValue& v : kCodeValues) {
    if (!v.read() || v.allowed(v.value())) continue;
    addFinding(findings, std::string(v.label), v.where, 0, std::to_string(v.value()), v.choices());
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

// A default swell spectrum is a Gaussian about the grid period nearest its peak: the peak must lie
// on the regular wave periods.
void defaultSwellPeak(std::vector<RunFinding>& findings, bool read, std::int32_t type, float peak,
                      const std::string& label, const Where& where) {
  // A period outside the periods of waves has its own finding.
  if (!read || type != kSpectrumDefaultSwell || !std::isfinite(peak) || !period(peak, 0).empty()) return;
  const int n = periods();
  if (n < 2) return;
  // The spectrum's own test: the grid position of the peak from 1 to below n + 1.
  const auto onGrid = [n](float period) {
    const float position = swellGridPosition(period);
    return position >= 1.0f && position < static_cast<float>(n + 1);
  };
  if (onGrid(peak)) return;
  const float step = TPCM.T(2) - TPCM.T(1);
  // The first figure that the test takes as typed, and the first one above it that it refuses.
  const std::optional<double> first =
      advisedLeast(TPCM.T(1) - 0.5f * step, [&](double shown) { return onGrid(typedValue(shown)); });
  const std::optional<double> last =
      advisedLeast(TPCM.T(n) + 0.5f * step, [&](double shown) { return !onGrid(typedValue(shown)); });
  if (!first || !last) return;
  addFinding(findings, label, where, 0, messageValue(peak),
             "a period on the regular wave periods, from " + amountText(*first) + " to below " + amountText(*last) +
                 " (page 14, item 2)");
}

void spectrumPeakFindings(std::vector<RunFinding>& findings) {
  const Tpcm& t = TPCM;
  for (int k = 1; k <= seaStates(); ++k) {
    defaultSwellPeak(findings, randomSea(), t.WAVTYP, t.SIGPD(k),
                     seaStates() > 1 ? "Spectrum peak period " + std::to_string(k) : "Spectrum peak period", {15, 7});
  }
  defaultSwellPeak(findings, swell(), t.SWLTYP, t.SWELPD, "Swell peak period", {16, 7});
  defaultSwellPeak(findings, secondSwell(), t.SWLTYP2, t.SWELPD2, "Second swell peak period", {16, 27});
}

// ---- Values against others: the vessel's speed, breaking waves, the offset step ----

// Beyond a Froude number of 0.5 on its waterline a displacement hull no longer floats on its
// waterline, which the hull models take. The speed is stored per second and shown in knots.
void vesselSpeedFinding(std::vector<RunFinding>& findings) {
  const Tpcm& t = TPCM;
  if (!vesselStages() || !unitsKnown() || !std::isfinite(t.TVFWD) || !sound(waterlineLength())) return;
  const float g = metric() ? 9.8f : 32.152f;
  const float limit = 0.5f * std::sqrt(g * waterlineLength());
  // Judged in knots, as the finding shows the speed and its limit.
  const float perKnot = metric() ? kMetresPerSecondPerKnot : kFeetPerSecondPerKnot;
  if (!aboveBound(std::fabs(t.TVFWD) / perKnot, limit / perKnot)) return;
  addFinding(findings, "Vessel speed", {6, 9}, 0, messageValue(t.TVFWD / perKnot) + " knots",
             "a speed from " + leastText(-limit / perKnot) + " to " + mostText(limit / perKnot) +
                 " knots (a Froude number of 0.5 on the waterline length " + messageValue(waterlineLength()) +
                 ", page 5, item 8)");
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

// A sea (or swell) of significant height H and peak period T: steeper than a seventh of the wave
// length of its peak period it breaks (refused); steeper than a fifteenth it is rare; higher than 0.6
// of the water depth it breaks on the shallow water (warnings).
constexpr float kBreakingSteepness = 1.0f / 7.0f;
constexpr float kSteepSea = 1.0f / 15.0f;
constexpr float kShallowSeaRatio = 0.6f;
void seaSteepness(std::vector<RunFinding>& findings, const std::string& label, const Where& height,
                  const Where& periodAt, float H, float T, bool hasPeriod) {
  // A height that is no positive number, or above the depth, has its finding already.
  if (!sound(H) || !sound(depth()) || aboveBound(H, depth())) return;
  // A peak period outside the periods of waves has its own finding.
  const float L = hasPeriod && period(T, 0).empty() ? waveLength(T) : 0.0f;
  const std::string periodText = messageValue(T) + " s (" + whereText(periodAt, 0) + ")";
  if (L > 0.0f && aboveBound(H, kBreakingSteepness * L)) {
    addFinding(findings, label, height, 0, messageValue(H),
               "a height of at most " + mostText(kBreakingSteepness * L) + " (a seventh of the wave length " +
                   messageValue(L) + " of the peak period " + periodText + " in the water depth: a steeper sea breaks)");
    return;
  }
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

// The regular waves' height is one linearisation amplitude for the whole grid of periods: where it
// breaks at part of the grid (higher than a seventh of the wave length of those periods) the
// operators there are those of a wave no sea holds, a warning; where it breaks at every period of
// the grid (at the longest one) no operator is sound, and it is refused. Above 0.78 of the depth it
// is refused by its bound.
void regularWaveFindings(std::vector<RunFinding>& findings) {
  const Tpcm& t = TPCM;
  if (!waveStages() || t.LEXTND != 0 || t.LSLPHT != 0) return;
  const float H = t.SLPHT;
  if (!sound(H) || !sound(depth())) return;
  if (aboveBound(H, static_cast<float>(0.78 * static_cast<double>(depth())))) return;  // its bound's finding
  const int n = periods();
  float longest = 0.0f, breaksUpTo = 0.0f, longestLength = 0.0f;
  for (int i = 1; i <= n; ++i) {
    const float T = t.T(i);
    const float L = waveLength(T);
    if (!(L > 0.0f)) return;  // a period without a wave length: its own finding
    if (T > longest) {
      longest = T;
      longestLength = L;
    }
    if (aboveBound(H, kBreakingSteepness * L)) breaksUpTo = std::max(breaksUpTo, T);
  }
  if (breaksUpTo == 0.0f) return;
  const Where where{14, 4};
  if (breaksUpTo >= longest) {
    addFinding(findings, "Wave height or slope", where, 0, messageValue(H),
               "a height of at most " + mostText(kBreakingSteepness * longestLength) +
                   " (a seventh of the wave length " + messageValue(longestLength) + " of the longest period " +
                   messageValue(longest) + " s, page 14, item 2: a higher wave breaks at every period of the grid)");
    return;
  }
  addValueWarning(findings, "Wave height or slope", where, messageValue(H),
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
                 std::isfinite(c) ? within(c, -kLargestLoadCoefficient, kLargestLoadCoefficient,
                                           "ten times a hull's largest coefficients")
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
  vesselSpeedFinding(findings);
  seaStateFindings(findings);
  regularWaveFindings(findings);
  offsetStepWarning(findings);
  lowdatFindings(findings);
  // The auxiliary offset table is interpolated in its loads: they must rise from point to point.
  if (auxiliaryTable()) {
    const int n = tablePoints();
    for (int k = 2; k <= n; ++k) {
      if (!(TPCM.AUXFOR(k) > TPCM.AUXFOR(k - 1))) {
        addFinding(findings, "Auxiliary static offset table load " + std::to_string(k), {3, 11}, 0,
                   messageValue(TPCM.AUXFOR(k)),
                   "loads that rise from point to point (point " + std::to_string(k - 1) + ": " +
                       messageValue(TPCM.AUXFOR(k - 1)) + ")");
        break;
      }
    }
  }
  // A draft reaching the sea bed leaves no water under the keel.
  if (vesselStages() && std::isfinite(TPCM.DRAFT) && std::isfinite(TPCM.DEPTH) && TPCM.DRAFT > 0.0f &&
      TPCM.DRAFT >= TPCM.DEPTH) {
    addFinding(findings, "Mean vessel draft", {5, 10}, 0, messageValue(TPCM.DRAFT),
               "a draft less than the water depth (" + messageValue(TPCM.DEPTH) + ", page 1, item 4)");
  }
  // The attached column's dynamics read the yoke's motions from the file YOKEMOT, which the vessel
  // passes write only for the tanker on the yoke (ISPM 1); for it the run takes the yoke's hinge as
  // the first vessel point, with its displacements.
  if (attachedDynamics() && TPCM.ISPM != 1) {
    addFinding(findings, "Vessel configuration ISPM", {0, 0, 0, 118}, 0, std::to_string(TPCM.ISPM),
               "1 for the wave-frequency dynamics (the yoke's motions in YOKEMOT)");
  }
  codeFindings(findings);
  columnFindings(findings);
  spectrumPeakFindings(findings);
}

}  // namespace qv
