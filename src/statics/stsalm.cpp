#include "statics/stsalm.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "dataset/column_reach.h"
#include "dataset/riser_judge.h"
#include "dataset/run_checks.h"
#include "dataset/tpcm.h"
#include "dataset/tpcm_codes.h"
#include "hull/equilb.h"
#include "numlib/circle_constants.h"
#include "numlib/load_offset_table.h"
#include "numlib/roots.h"
#include "platform/units.h"
#include "statics/column.h"
#include "statics/column_at_load.h"
#include "statics/column_continuation.h"
#include "statics/column_stance.h"
#include "statics/data_lines.h"
#include "statics/solve.h"
#include "statics/stprt.h"
#include "statics/wet_elements.h"
#include "util/captions.h"
#include "util/console_io.h"
#include "util/dialogue.h"
#include "util/fatal.h"
#include "util/files.h"
#include "util/flowing_lines.h"
#include "util/fortran_format.h"
#include "util/title.h"
#include "waves/wavcom.h"

namespace qv {

namespace {

constexpr std::string_view kCaller = "PELMOTAR";  // the stage's name in file-error messages
constexpr std::string_view kReportFile = "STATOUT.stxt";
constexpr std::string_view kPlotFile = "STATPLT.plt";
constexpr std::string_view kReportTitle = " Articulated SALMS And Attached Storage Vessels";
constexpr std::string_view kProgramLabel = "Quorvel ";

constexpr float kVertical = 1.0E17f;     // cotangent of a member standing straight up (or, negative, down)

// The zero-load configuration the search keeps: the closing member D leans with cosine C so that the
// column top reaches YOKBOT; the others stand straight up or down by the bits of the pattern.
struct Pattern {
  std::int32_t bits = 0;     // L - 1
  std::int32_t closing = 0;  // D
  float cosine = 0.0f;       // C
};

bool freeSalm() { return TPCM.FRESLM != 0; }

// A value with two decimals, as wide as it needs, for a message.
std::string decimals(float x) {
  const std::string field = fmtF(x, 16, 2);
  return field.substr(field.find_first_not_of(' '));
}

std::string force(float value) { return forceText(value); }
std::string length(float value) { return lengthText(value); }

[[noreturn]] void refuse(const std::string& reason) {
  std::vector<std::string> lines{""};
  addFlowingLines(lines, " ++> ", "SALM statics: " + reason);
  lines.emplace_back("");
  fatalStop("STSALM", TPCM.EDUNIT, lines, FatalWait::kPressReturn, kKeyboardUnit);
}

// The table search found no configuration at table point ITABLE, neither by its own search nor
// continued from the previous point's shape. At the first loaded point the zero-load shape does not
// continue to the load; further on the column's shape stops at the last load found, which may be
// all the column can carry of the loads up to TLOAD.
[[noreturn]] void tableSearchFailed() {
  const Tpcm& t = TPCM;
  const Equilb& e = EQUILB;
  const std::int32_t point = SOLVE.ITABLE;
  std::vector<std::string> lines{"", " ++> ITERATION OVERFLOW IN SALM1... CHECK DATA FILE AND RETRY"};
  if (point == 2) {
    addFlowingLines(lines, "     ",
                    "No column configuration was found at the table's first load, " + force(e.HLOAD(point)) +
                        " (table point 2): the column's shape at zero load does not continue to it. The column's "
                        "members (page 3, items 2 to 6 of their elements):");
  } else {
    addFlowingLines(lines, "     ",
                    "The load-offset table reached a horizontal load of " + force(e.HLOAD(point - 1)) +
                        " (table point " + fmtI(point - 1, 0) + ") and found no column configuration at " +
                        force(e.HLOAD(point)) +
                        ": the column's shape does not continue to it, and the maximum horizontal load of page 2 (" +
                        force(t.TLOAD) + ") may lie beyond what the column can carry.");
    lines.push_back("     The column's members (page 3, items 2 to 6 of their elements):");
  }
  const std::vector<std::string> members = memberDataLines();
  lines.insert(lines.end(), members.begin(), members.end());
  lines.emplace_back("");
  fatalStop("STSALM", t.EDUNIT, lines, FatalWait::kPressReturn, kKeyboardUnit);
}

// Members the elements form: the first free element and each later one with a free lower joint
// start one.
int memberCount() {
  const Tpcm& t = TPCM;
  if (t.NELEM <= 0) return 0;
  int first = 1;
  while (first < t.NELEM && t.IFREE(first) == 0) ++first;
  int members = 1;
  for (int k = first + 1; k <= t.NELEM; ++k) members += t.IFREE(k) != 0 ? 1 : 0;
  return members;
}

// What the member arrays and the load tables cannot hold is refused before any work.
void checkDataSet() {
  const Tpcm& t = TPCM;
  if (t.NELEM < 0 || t.NELEM > kMaxSalmElements) {
    refuse(fmtI(t.NELEM, 0) + " SALM elements (page 2, item 1); 0 to " + fmtI(kMaxSalmElements, 0) +
           " can be analysed.");
  }
  const int members = memberCount();
  if (members > kMaxMembers) {
    refuse(fmtI(members, 0) + " members (free joints, page 3, item 7); at most " + fmtI(kMaxMembers, 0) +
           " can be analysed.");
  }
  if (t.IARCO == kYoke && members > kMaxMembers - 1) {
    refuse(fmtI(members, 0) + " members (free joints, page 3, item 7) with a yoke; at most " + fmtI(kMaxMembers - 1, 0) +
           " can be analysed.");
  }
  const int points = t.NUMTAB == 0 ? 2 : t.NUMTAB;
  if (points < 2 || points > kMaxTablePoints) {
    refuse("NUMTAB = " + fmtI(t.NUMTAB, 0) + " load-table points (page 2, item 4); 2 to " + fmtI(kMaxTablePoints, 0) +
           " are allowed.");
  }
  if (const auto finding = piercingRiserFinding()) {
    std::vector<std::string> lines{""};
    lines.insert(lines.end(), finding->lines.begin(), finding->lines.end());
    lines.emplace_back("");
    fatalStop("STSALM", t.EDUNIT, lines, FatalWait::kPressReturn, kKeyboardUnit);
  }
  if (t.NELEM > 1 && !freeSalm() && !(t.TLOAD > 0.0f)) {
    refuse("largest table load TLOAD = " + decimals(t.TLOAD) + " (page 2, item 2); it must be above 0.");
  }
}

void openFiles() {
  Tpcm& t = TPCM;
  t.LBACK = 0;
  if (t.IUNIT == kReportsToFiles)
    RHOPEN(kReportFile, kFormatted, kFresh, t.IDRIVE, t.IUNIT, kCaller, t.EDUNIT, t.CMPUTR);
  if (t.IPLOTS != 0) RHOPEN(kPlotFile, kFormatted, kFresh, t.IDRIVE, kStaticsPlotUnit, kCaller, t.EDUNIT, t.CMPUTR);
}

// The buoyancy moment B b of member I as the energy search counts it: the piercing member with its
// buoyancy up to the piercing element, the members above it dry.
float buoyancyMoment(std::int32_t I) {
  const Solve& s = SOLVE;
  if (I == s.IPERCN) return s.WETVL0 * s.PRCCB;
  if (I > s.IPERCN) return 0.0f;
  return s.CNCB(I) * s.CNBUOY(I);
}

// Whether element k of member n adds its added mass to the member's sums: whether it takes water, by
// the one wetness rule (wet_elements.h). An element out of the water carries no added mass, as it
// carries no buoyancy and no wave load. The piercing element keeps the added mass of its whole length,
// with its own coefficient: under a dry buoy top the dynamics take off its dry part at the attitude
// they find. Read while the members are grouped: for an element above the piercing one, IPERCN is
// final.
bool addsAddedMass(std::int32_t k, std::int32_t n) { return elementIsWet(k, n); }

// Step 7: the elements grouped into members with their sums.
void groupMembers(float G) {
  Tpcm& t = TPCM;
  Solve& s = SOLVE;
  s.WPA1 = t.WPAPRC;
  s.IARC1 = t.IARCO;
  s.BCONV = t.DWATR / 1000.0f;
  for (int k = 1; k <= t.NELEM; ++k) t.BUOY(k) *= s.BCONV;

  // The leading frozen elements form the base; member 1 starts at the first free one.
  s.IFIRST = t.NELEM;
  for (int k = 1; k <= t.NELEM; ++k) {
    if (t.IFREE(k) != 0) {
      s.IFIRST = k;
      break;
    }
  }
  float baseLength = 0.0f;
  for (int k = 1; k < s.IFIRST; ++k) baseLength += t.SLEN(k);
  s.ANCHT = std::cos(t.ANCHOR) * baseLength;

  const int f = s.IFIRST;
  s.NCON = 1;
  s.JELEM(1) = f;
  s.CNCB(1) = t.CBUOY(f);
  s.CNCG(1) = t.CGSALM(f);
  s.CNBUOY(1) = t.BUOY(f);
  s.CNMASS(1) = t.TMASS(f);
  s.CNLEN(1) = t.SLEN(f);
  s.CNGYR(1) = t.TMASS(f) * (t.GYRAD(f) * t.GYRAD(f) + t.CGSALM(f) * t.CGSALM(f));
  s.BOYLEN = s.CNLEN(1);
  s.WETVL0 = s.CNBUOY(1);
  s.PRCCB = s.CNCB(1);
  s.IPERCN = t.IPIERC >= f ? 1 : 0;
  if (addsAddedMass(f, 1)) {
    s.ADMBCY(1) = t.COFMST(f) * t.BUOY(f);
    s.ADMLBD(1) = s.ADMBCY(1) * t.CBUOY(f);
    s.CADMOI(1) = t.COFMST(f) * t.BUOY(f) * (t.CBUOY(f) * t.CBUOY(f) + 0.0833f * t.SLEN(f) * t.SLEN(f));
  }

  for (int k = f + 1; k <= t.NELEM; ++k) {
    if (t.IFREE(k) != 0) {
      ++s.NCON;
      s.JELEM(s.NCON) = k;
    }
    const int n = s.NCON;
    if (k == t.IPIERC) s.IPERCN = n;
    const float lever = s.CNLEN(n);  // the member's length so far
    const float buoyancy = s.CNBUOY(n) + t.BUOY(k);
    if (buoyancy != 0.0f) s.CNCB(n) = (s.CNCB(n) * s.CNBUOY(n) + (t.CBUOY(k) + lever) * t.BUOY(k)) / buoyancy;
    const float weight = s.CNMASS(n) + t.TMASS(k);
    if (weight != 0.0f) s.CNCG(n) = (s.CNCG(n) * s.CNMASS(n) + (t.CGSALM(k) + lever) * t.TMASS(k)) / weight;
    const bool addedMass = addsAddedMass(k, n);
    if (n <= 3 && addedMass) {
      s.ADMLBD(n) += t.COFMST(k) * (t.CBUOY(k) + lever) * t.BUOY(k);
      s.ADMBCY(n) += t.COFMST(k) * t.BUOY(k);
    }
    const float cgLever = lever + t.CGSALM(k);
    s.CNGYR(n) += t.TMASS(k) * (cgLever * cgLever + t.GYRAD(k) * t.GYRAD(k));
    const float cbLever = lever + t.CBUOY(k);
    if (addedMass) s.CADMOI(n) += t.COFMST(k) * t.BUOY(k) * (cbLever * cbLever + 0.0833f * t.SLEN(k) * t.SLEN(k));
    s.CNBUOY(n) += t.BUOY(k);
    s.CNMASS(n) += t.TMASS(k);
    s.CNLEN(n) += t.SLEN(k);
    if (k == t.IPIERC) {
      s.WETVL0 = s.CNBUOY(n);
      s.PRCCB = s.CNCB(n);
      s.BOYLEN = s.CNLEN(n);
    }
  }
  s.JELEM(s.NCON + 1) = t.NELEM + 1;
  // Past the last member: no element pierces the surface and the whole column lies under water. Under
  // options 7 and 8 (the whole system under water) page 2 names none as 0 or as the element past the
  // last: both mean the same column.
  const bool noneUnderWater = wholeSystemSubmerged(t.WETYOK) && t.IPIERC < 1;
  if (t.IPIERC > t.NELEM || noneUnderWater) s.IPERCN = s.NCON + 1;

  // The second moment of weight about the lower joint becomes a radius of gyration about the centre
  // of gravity.
  for (int I = 1; I <= s.NCON; ++I) {
    float D = s.CNGYR(I) - s.CNMASS(I) * s.CNCG(I) * s.CNCG(I);
    if (D < 0.0f) D = 0.0f;
    if (s.CNMASS(I) != 0.0f) s.CNGYR(I) = std::sqrt(D / s.CNMASS(I));
    s.CADMOI(I) = s.CADMOI(I) / G;
    if (s.CNMASS(I) == 0.0f) s.CNCG(I) = s.CNLEN(I);
    if (s.CNBUOY(I) == 0.0f) s.CNCB(I) = s.CNLEN(I);
  }
}

// Steps 8 and 9: depths and the net weights of the members as they lie.
void netWeights() {
  Tpcm& t = TPCM;
  Solve& s = SOLVE;
  s.DEFF = surfaceAboveLowestJoint(t.DEPTH);
  s.YOKBOT = s.DEFF + t.YOKEHT;
  t.LPERCN = s.IPERCN == 0 ? 0 : 1;

  for (int I = 1; I <= s.NCON; ++I) {
    if (I == s.IPERCN) {
      s.WEPERC = s.CNMASS(I) * s.CNCG(I) / s.CNLEN(I);
      s.WETARM(I) = s.WEPERC - s.WETVL0 * s.PRCCB / s.CNLEN(I);
      s.WETWT(I) = s.CNMASS(I) - s.WETVL0;
    } else if (I > s.IPERCN) {  // above the surface: dry
      s.WETWT(I) = s.CNMASS(I);
      s.WETARM(I) = s.CNMASS(I) * s.CNCG(I) / s.CNLEN(I);
    } else {
      s.WETWT(I) = s.CNMASS(I) - s.CNBUOY(I);
      s.WETARM(I) = (s.CNMASS(I) * s.CNCG(I) - s.CNBUOY(I) * s.CNCB(I)) / s.CNLEN(I);
    }
  }
}

// The member signs of a pattern: bits dealt out over the members in order, lowest bit first, to
// every member but the closing one (to every member of a free SALM, which has no closing member).
void dealSigns(std::int32_t bits, std::int32_t closing, Arr<float, kMaxMembers>& sign) {
  for (int I = 1; I <= SOLVE.NCON; ++I) {
    if (I != closing || freeSalm()) BITSGN(sign(I), bits);
  }
}

// Potential energy of the column with member cosines cosPhi(1..NCON), measured from the lowest
// free joint.
float potentialEnergy(const Arr<float, kMaxMembers>& cosPhi) {
  const Solve& s = SOLVE;
  float z = 0.0f;
  float E = 0.0f;
  for (int I = 1; I <= s.NCON; ++I) {
    E += s.WETWT(I) * z + cosPhi(I) * (s.CNCG(I) * s.CNMASS(I) - buoyancyMoment(I));
    z += cosPhi(I) * s.CNLEN(I);
  }
  return E;
}

// "member 1 (elements 1 to 2) 76.00 meters, member 2 (element 3) 30.00 meters": the lengths of members
// 1 to `last`.
std::string memberLengths(std::int32_t last = SOLVE.NCON) {
  std::string text;
  for (std::int32_t I = 1; I <= last; ++I) {
    text += (I == 1 ? "" : ", ") + std::string("member ") + fmtI(I, 0) + " (" + memberElements(I) + ") " +
            length(SOLVE.CNLEN(I));
  }
  return text;
}

// No pattern brings the column's top to YOKBOT: the height it must reach with the items it comes
// from, and the member lengths that cannot reach it.
[[noreturn]] void impossibleConfiguration() {
  const Tpcm& t = TPCM;
  const Solve& s = SOLVE;
  std::vector<std::string> lines{"", " ++> IMPOSSIBLE SALM CONFIGURATION -- THE YOKE'S ON YOU!"};
  std::string height = "The column's top must stand " + length(s.YOKBOT) +
                       " above its lowest free joint: the water depth " + length(t.DEPTH) + " (page 1, item 4)";
  if (s.ANCHT != 0.0f) height += " less the frozen base's height " + length(s.ANCHT);
  height += t.IARCO == kBuoyantRiser
                ? " less the vessel draft " + length(t.DRAFT) + " (page 5, item 10)."
                : " plus the yoke's height above the waterline " + length(t.YOKEHT) + " (page 3, item 14 then 1).";
  addFlowingLines(lines, "     ", height);
  float total = 0.0f;
  for (int I = 1; I <= s.NCON; ++I) total += s.CNLEN(I);
  lines.push_back("     No member standing up or down with one of them leaning reaches that height:");
  addFlowingLines(lines, "     ",
                  memberLengths() + " long, together " + length(total) +
                      ". Change the element lengths (page 3, item 2), the water depth or the attachment's height.");
  lines.emplace_back("");
  fatalStop("STSALM", t.EDUNIT, lines, FatalWait::kPressReturn, kKeyboardUnit);
}

// Step 10: the least-energy configuration at zero load. Each member stands straight up or down but
// the closing member, which leans so that the column top reaches YOKBOT; a later pattern of equal
// energy replaces an earlier one.
Pattern searchConfiguration() {
  const Solve& s = SOLVE;
  const bool isFree = freeSalm();
  if (!isFree) {
    // The run's checks refuse such a column before any stage by the same test.
    std::vector<float> lengths;
    for (int I = 1; I <= s.NCON; ++I) lengths.push_back(s.CNLEN(I));
    if (!columnReachesHeight(lengths, s.YOKBOT)) impossibleConfiguration();
  }
  const std::int32_t patterns = std::int32_t{1} << (isFree ? s.NCON : s.NCON - 1);
  float lowest = 1.0E30f;
  bool found = false;
  Pattern kept;
  Arr<float, kMaxMembers> sign{};
  Arr<float, kMaxMembers> cosPhi{};
  for (std::int32_t D = 1; D <= s.NCON; ++D) {
    for (std::int32_t L = 1; L <= patterns; ++L) {
      dealSigns(L - 1, D, sign);
      float C = 0.0f;
      if (!isFree) {
        float reach = 0.0f;
        for (int I = 1; I <= s.NCON; ++I) {
          if (I != D) reach += sign(I) * s.CNLEN(I);
        }
        C = (s.YOKBOT - reach) / s.CNLEN(D);
      }
      if (C < -1.0f || C > 1.0f) continue;
      found = true;
      for (int I = 1; I <= s.NCON; ++I) cosPhi(I) = (I == D && !isFree) ? C : sign(I);
      const float E = potentialEnergy(cosPhi);
      if (E <= lowest) {
        lowest = E;
        kept = {L - 1, D, C};
      }
    }
  }
  if (!found) impossibleConfiguration();
  // Weights, buoyancies or lengths so large that no configuration's energy stays below the
  // search's starting value of 1.0E30 (or is a number at all) leave no pattern kept.
  if (kept.closing == 0) {
    std::vector<std::string> lines{"", " ++> STSALM: no configuration of the column has a potential energy below 1.0E30;",
                                   "     check the element weights, volumes and lengths (page 3). The members:"};
    const std::vector<std::string> members = memberDataLines();
    lines.insert(lines.end(), members.begin(), members.end());
    fatalStop("STSALM", TPCM.EDUNIT, lines, FatalWait::kPressReturn, kKeyboardUnit);
  }
  writeProgressLine(" >>> Computing Salm offset tables...");
  return kept;
}

// The piercing member's top at zero load stands HDRY0 above the surface; it crosses the surface when
// that height lies between 0 and the member's length.
void warnPiercingMemberDry() {
  const Tpcm& t = TPCM;
  const Solve& s = SOLVE;
  const std::int32_t unit = t.EDUNIT;
  const std::int32_t I = s.IPERCN;
  const std::string where = s.HDRY0 < 0.0f ? length(-s.HDRY0) + " below" : length(s.HDRY0) + " above";
  std::vector<std::string> lines{"", "", " ++> WARNING: piercing member might not cross water surface."};
  addFlowingLines(lines, "     ",
                  "At zero load the top of member " + fmtI(I, 0) + " (" + memberElements(I) +
                      "), which holds the piercing element " + fmtI(t.IPIERC, 0) + " (page 2, item 6), stands " +
                      where + " the water surface; the water depth is " + length(t.DEPTH) + " (page 1, item 4).");
  addFlowingLines(lines, "     ",
                  "The members up to it: " + memberLengths(I) +
                      " long (page 3, item 2 of their elements). Change the element lengths, the piercing element "
                      "or the water depth so that the member crosses the surface.");
  lines.emplace_back("");
  if (unit == kDiagnosticsUnit) unansweredStop("STSALM", unit, lines);  // nobody can go on past the pause
  for (const std::string& line : lines) writeRecord(unit, line);
  PRSRET(unit, kKeyboardUnit);
}

// Step 11: the kept pattern as table point 1, the piercing member's draft and the joint loads at
// zero load.
void zeroLoadConfiguration(const Pattern& kept) {
  Tpcm& t = TPCM;
  Solve& s = SOLVE;
  const bool isFree = freeSalm();
  const std::int32_t D = kept.closing;
  const float C = kept.cosine;

  // A free SALM has no closing member: its members all keep the signs the search gave them.
  Arr<float, kMaxMembers> sign{};
  Arr<float, kMaxMembers> cosPhi{};
  dealSigns(kept.bits, D, sign);
  for (int I = 1; I <= s.NCON; ++I) {
    const bool leaning = I == D && !isFree;
    cosPhi(I) = leaning ? C : sign(I);
    if (!leaning) s.COTANP(1, I) = sign(I) * kVertical;
  }
  if (!isFree) s.COTANP(1, D) = std::fabs(C) == 1.0f ? C * 1.0E20f : C / std::sqrt(1.0f - C * C);

  s.BYTOP = 0.0f;
  for (int I = 1; I <= std::min(s.IPERCN, s.NCON); ++I) s.BYTOP += s.CNLEN(I) * cosPhi(I);
  s.HDRY0 = s.BYTOP - s.DEFF;
  const bool pierces = s.IPERCN >= 1 && s.IPERCN <= s.NCON;
  if (pierces) {
    if (s.HDRY0 < 0.0f || s.HDRY0 > s.CNLEN(s.IPERCN)) warnPiercingMemberDry();
    s.B0 = s.WETVL0 - (s.HDRY0 - (s.CNLEN(s.IPERCN) - s.BOYLEN)) * t.WPAPRC * s.BCONV;
  }

  Arr<float, kMaxMembers> net{};  // net weight of each member at zero load
  for (int I = 1; I <= s.NCON; ++I) net(I) = I == s.IPERCN ? s.CNMASS(I) - s.B0 : s.WETWT(I);
  float S = 0.0f;
  for (int I = 1; I <= D; ++I) S += net(I);
  if (!isFree && !riserFloats(t.IARCO)) {  // the top holds the closing member at its lean
    S -= (s.CNMASS(D) * s.CNCG(D) - buoyancyMoment(D)) / s.CNLEN(D);
  }
  s.ZLOAD0(1) = -S;
  for (int I = 1; I <= s.NCON; ++I) s.ZLOAD0(I + 1) = s.ZLOAD0(I) + net(I);
  s.ZLDTMP = s.ZLOAD0;
}

// A root of TOPHT is accepted as the column's shape only when the shape is an equilibrium: the top
// within a thousandth of the column's length (at least 0.01) of the height it must reach, and every
// member's moment balance within a thousandth of H L (the root finder stops on a narrow bracket as
// well as on a small residual, and a bracket around a jump of the residual is narrow too).
// Otherwise no shape under this load is known, and the table is not written.
constexpr float kArgumentTolerance = 5.0E-5f;  // of member 1's cotangent
constexpr float kSearchResidual = 0.005f;     // the top's height misfit at which the search stops
constexpr float kClosureTolerance = 1.0E-3f;  // of the column's length, and never below kClosureFloor
constexpr float kClosureFloor = 2.0f * kSearchResidual;
constexpr float kBalanceTolerance = 1.0E-3f;

// How far table point J's shape is from an equilibrium, and whether it is one.
struct PointMisfit {
  ColumnMisfit misfit;
  bool closes = false;
  bool balances = false;
  bool holds() const { return closes && balances; }
};
PointMisfit tablePointMisfit(std::int32_t J) {
  const Solve& s = SOLVE;
  PointMisfit p{columnMisfit(J)};
  float columnLength = 0.0f;
  for (int I = 1; I <= s.NCON; ++I) columnLength += s.CNLEN(I);
  p.closes = std::fabs(p.misfit.height) <= std::max(kClosureTolerance * columnLength, kClosureFloor);
  p.balances = p.misfit.moment <= kBalanceTolerance;
  return p;
}

void checkTablePoint(std::int32_t J) {
  const Tpcm& t = TPCM;
  const PointMisfit p = tablePointMisfit(J);
  if (p.holds()) return;

  std::string miss;
  if (!p.closes) {
    miss = "the column's top misses its height by " + length(p.misfit.height);
  } else {
    miss = "member " + fmtI(p.misfit.member, 0) + " misses its moment balance by " +
           messageValue(100.0 * p.misfit.moment) + " % of H L";
  }
  std::vector<std::string> lines{""};
  addFlowingLines(lines, " ++> ",
                  "SALM statics: no equilibrium found under the horizontal load " + force(EQUILB.HLOAD(J)) +
                      " (table point " + fmtI(J, 0) + ") with the attachment \"" + attachmentName(t.IARCO) +
                      "\": " + miss + ".");
  lines.push_back("     Check the elements and the attachment (pages 2 and 3).");
  lines.emplace_back("");
  fatalStop("STSALM", t.EDUNIT, lines, FatalWait::kPressReturn, kKeyboardUnit);
}

// The search of member 1's cotangent by RTMI1 over TOPHT into COTANP(J, 1), the table point J under
// HLOAD(J) (ITABLE = J), from the bracket [lower, upper]: a search without convergence narrows the
// bracket and tries again (five times at most), one without a sign change widens it by step (twenty
// times at most, from the second one fivefold). Whether it found a root; the bracket is left as last
// tried.
bool searchMemberOne(std::int32_t J, float& lower, float& upper, float step) {
  constexpr int kMaxNonConvergence = 5;
  constexpr int kMaxWidenings = 20;
  Solve& s = SOLVE;
  int failures = 0;
  int widenings = 0;
  for (;;) {
    float F = 0.0f;
    int IER = kRootFound;
    RTMI1(s.COTANP(J, 1), F, TOPHT, lower, upper, kArgumentTolerance, kSearchResidual, 100, IER);
    if (IER == kRootFound) return true;
    if (IER == kRootNotConverged) {
      if (++failures > kMaxNonConvergence) return false;
      upper *= 1.05f;
      lower *= 0.95f;
      continue;
    }
    if (widenings == kMaxWidenings) return false;
    ++widenings;
    upper += 2.0f * step;
    lower -= 2.0f * step;
    if (widenings >= 2) {
      upper = 5.0f * upper;
      lower = -0.9f * upper;
    }
  }
}

// The shape at table point J continued from the previous point's (the zero-load configuration before
// the first loaded point), into c. Whether it was found.
bool continueTable(std::int32_t J, Arr<float, kMaxMembers>& c) {
  Arr<float, kMaxMembers> before{};
  for (std::int32_t k = 1; k <= SOLVE.NCON; ++k) before(k) = SOLVE.COTANP(J - 1, k);
  return continueColumn(EQUILB.HLOAD(J - 1), before, EQUILB.HLOAD(J), c);
}

// Whether two shapes of the column are one: every member's angle within a thousandth of a radian, far
// beyond the table search's tolerance and far below the turn between two shapes of one column.
bool sameShape(const Arr<float, kMaxMembers>& a, const Arr<float, kMaxMembers>& b) {
  constexpr float kSameAngle = 1.0E-3f;  // [rad]
  for (std::int32_t k = 1; k <= SOLVE.NCON; ++k)
    if (!(std::fabs(std::atan2(1.0f, a(k)) - std::atan2(1.0f, b(k))) <= kSameAngle)) return false;
  return true;
}

// The cotangent of member 1 at table point ITABLE, by RTMI1 over TOPHT from the bracket the previous
// point left. A search without convergence narrows the bracket and tries again; one without a sign
// change widens it. The table follows the column's shape from zero load, load by load, and the search
// over member 1's cotangent need not: the piercing member's balance has roots on either side of the
// horizontal, its inner search takes the one its bracket meets first, and the closure jumps where the
// roots change, so the search can end on that jump or on the root of another shape. Its shape is kept
// when it is an equilibrium and the one continued from the previous point's; otherwise the continued
// shape is taken, where there is one.
void solveTablePoint(float& lower, float& step) {
  Solve& s = SOLVE;
  const std::int32_t J = s.ITABLE;
  const bool found = searchMemberOne(J, lower, s.COTAN1, step);
  const bool holds = found && tablePointMisfit(J).holds();
  Arr<float, kMaxMembers> searched{};
  for (std::int32_t k = 1; k <= s.NCON; ++k) searched(k) = s.COTANP(J, k);
  Arr<float, kMaxMembers> continued{};
  if (continueTable(J, continued) && !(holds && sameShape(searched, continued))) {
    for (std::int32_t k = 1; k <= s.NCON; ++k) s.COTANP(J, k) = continued(k);
  } else if (!found) {
    tableSearchFailed();
  }
  checkTablePoint(J);
  const float c = s.COTANP(s.ITABLE, 1);
  s.COTAN1 = c;
  lower = 0.1f * c;
  step = c / 2.0f;
}

// The radius of the piercing element's waterplane, a disc, with its square: the buoyancy of the
// piercing member at an attitude (COTANB) takes off the part of that cylinder above the surface.
void setWaterplaneRadius() {
  Solve& s = SOLVE;
  s.RB = std::sqrt(TPCM.WPAPRC / kPi);
  s.RB2 = s.RB * s.RB;
}

// Step 12: the load table, the member shapes over it, the offsets and the member angles.
void buildTables() {
  Tpcm& t = TPCM;
  Solve& s = SOLVE;
  Equilb& q = EQUILB;
  const std::int32_t points = t.NUMTAB;
  s.ITABLE = 1;

  // The column's net weight with the piercing member at its zero-load draft sets the first load of a
  // logarithmic table.
  float W = t.TLOAD;
  if (t.NELEM != 0) {
    W = 0.0f;
    for (int I = 1; I <= s.NCON; ++I) W += s.WETWT(I);
    if (s.IPERCN >= 1 && s.IPERCN <= s.NCON) W = W - s.B0 + s.WETVL0;
  }
  t.HMIN = staticsTableLoads(t.TLOAD, points, W, &q.HLOAD(1));

  s.COTAN1 = 101.0f;
  float lower = -100.0f;
  float step = 100.0f;
  for (std::int32_t J = 2; J <= points; ++J) {
    s.ITABLE = J;
    if (t.NBUG != 0) INBUG(t.NBUG, t.EDUNIT, kKeyboardUnit);
    if (t.NELEM > 1) solveTablePoint(lower, step);
  }

  for (std::int32_t k = 1; k <= points; ++k) {
    if (t.NELEM > 1) q.OFFSET(k) = XCOORD(s.NCON, k);
    if (t.AUXTBL != 0) q.OFFSET(k) += auxiliaryOffset(q.HLOAD(k));
    if (t.NELEM != 0) {
      for (int I = 1; I <= s.NCON; ++I) {
        const float c = s.COTANP(k, I);
        s.PHIANG(k, I) = c == 0.0f ? kHalfPi : std::atan2(1.0f, c);
      }
    }
  }
}

// The loads of the table's last row, as the statics report prints them (the vertical load, shear and
// axial load at each joint, the top's vertical load), fit their fields (staticsRowLoadsPrint).
bool lastRowPrints() {
  const Solve& s = SOLVE;
  const Equilb& q = EQUILB;
  const std::int32_t n = TPCM.NUMTAB;
  std::vector<float> angles(static_cast<std::size_t>(s.NCON));
  for (int I = 1; I <= s.NCON; ++I) angles[static_cast<std::size_t>(I - 1)] = s.PHIANG(n, I);
  const float H = q.HLOAD(n);
  ZFILL(H, angles.data());
  std::vector<float> V(static_cast<std::size_t>(s.NCON) + 1);
  for (int J = 1; J <= s.NCON + 1; ++J) V[static_cast<std::size_t>(J - 1)] = s.ZLDTMP(J);
  return staticsRowLoadsPrint(H, std::span<const float>(angles), std::span<const float>(V));
}

// A buoyant riser's members come into line as the load grows, and its tension with them: where the
// report cannot print the loads of the table's last rows, the table ends at the load under which the
// members still stand kLeastMemberBend out of line, in the hundredths the report prints (riserTableEnd,
// dataset/riser_judge.h, which reads a changed riser's table so too), which becomes the largest load of
// the run, and a warning says so. The run judges the riser at its loads; a load beyond the
// table that brings the members into line is refused there.
void endRiserTableWhereItComesIntoLine() {
  Tpcm& t = TPCM;
  if (!attachedBuoyantRiser(t.FRESLM, t.IARCO) || t.NELEM < 2 || lastRowPrints()) return;
  SalmMembers members = salmMembers();
  members.buoyancyForce = 1.0;  // the elements' volumes are forces by now
  const std::optional<float> end = riserTableEnd(heldColumn(members), attachmentHeight(members), t.TLOAD);
  if (!end) return;
  const float last = *end;
  const std::vector<std::string> lines = flowingLines(
      " ++> Warning: ",
      "The buoyant riser's members come into line under the upper loads of the load-offset table, whose "
      "loads the statics report cannot print: the table ends at " + force(last) + ", under which they stand " +
          degreesText(static_cast<float>(degreesOutOfLine(kLeastMemberBend))) +
          " out of line, in place of the maximum horizontal load on Salm (page 2, item 2), " + force(t.TLOAD) + ".");
  writeRunWarning(t.EDUNIT, lines);
  t.TLOAD = last;
  buildTables();
}

// Step 13: the title page (again after a negative reply at its pause on the console), the report,
// and the files closed.
void writeReport() {
  Tpcm& t = TPCM;
  do {
    PAGE(t.IUNIT, t.EDUNIT, 1, 99);
    TITLPG(t.CREATR, kReportTitle, static_cast<std::int32_t>(kReportTitle.size()), kProgramLabel,
           static_cast<std::int32_t>(kProgramLabel.size()), t.VERNO, t.CID1P.view(), t.CID2P.view(), t.IUNIT);
    t.LBACK = 0;
    if (t.EDUNIT == t.IUNIT) PRSRET(t.EDUNIT, kKeyboardUnit, t.LBACK);
  } while (t.LBACK < 0);
  STPRT();
  if (t.IUNIT == kReportsToFiles) HCLOSE(t.IUNIT, kReportFile, kCaller, t.EDUNIT);
  if (t.IPLOTS != 0) HCLOSE(kStaticsPlotUnit, kPlotFile, kCaller, t.EDUNIT);
}

}  // namespace

void BITSGN(float& S, std::int32_t& N) {
  S = N % 2 != 0 ? 1.0f : -1.0f;
  N = N / 2;
}

void STSALM() {
  Tpcm& t = TPCM;
  checkDataSet();
  openFiles();
  if (t.NBUG0 == 1) {
    writeRecord(t.EDUNIT, " ### In STSALM:");
    INBUG(t.NBUG, t.EDUNIT, kKeyboardUnit);
  } else {
    t.NBUG = 0;
  }
  writeProgressLine(" >>> Computing Salm mass properties...");

  if (t.IARCO == kBuoyantRiser) t.YOKEHT = -t.DRAFT;  // the riser's top is held at the vessel's keel
  const float G = t.NUNTS == kEnglishUnits ? 32.152f : 9.8f;
  WAVCOM.G = G;  // the slow drift and the low-frequency report read both
  WAVCOM.RHOAIR = t.NUNTS == kEnglishUnits ? 0.0024356f : 0.128f;
  t.OFFINC = offsetIncrementUsed(t.OFFINC);
  if (t.NUMTAB == 0) t.NUMTAB = 2;

  if (t.NELEM == 0) t.TLOAD = t.AUXFOR(t.NUMTAB);

  Pattern kept;
  if (t.NELEM != 0) {
    groupMembers(G);
    netWeights();
    kept = searchConfiguration();
    zeroLoadConfiguration(kept);
  }
  if (!freeSalm()) {
    setWaterplaneRadius();
    if (t.NELEM != 0) checkColumnStands(kept.closing);
    buildTables();
    endRiserTableWhereItComesIntoLine();
  }
  writeReport();
}

}  // namespace qv
