#include "dataset/run_checks.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <fstream>
#include <functional>
#include <limits>
#include <memory>
#include <numbers>
#include <numeric>
#include <optional>

#include "dataset/builtin_current_rows.h"
#include "dataset/column_reach.h"
#include "dataset/force_model.h"
#include "dataset/hull_ends.h"
#include "dataset/lowcof.h"
#include "dataset/salm_elements.h"
#include "dataset/tpcm.h"
#include "dataset/tpcm_codes.h"
#include "dataset/value_ranges.h"
#include "platform/block_reset.h"
#include "util/advised_amount.h"
#include "util/captions.h"
#include "numlib/circle_constants.h"
#include "numlib/load_offset_table.h"
#include "numlib/member_geometry.h"
#include "numlib/storm_peak.h"
#include "util/files.h"
#include "util/fortran_format.h"
#include "util/packed_flags.h"

namespace qv {

namespace {

void addMomentElements(std::vector<RunFinding>& findings) {
  if (auto finding = momentElementFinding()) findings.push_back(*finding);
}

void addYokeAngle(std::vector<RunFinding>& findings) {
  if (auto finding = yokeAngleFinding()) findings.push_back(*finding);
}

// The elements in use; the loops never run past the element tables, whatever NELEM a file holds.
int elementCount() { return std::clamp(TPCM.NELEM, 0, kMaxSalmElements); }

// The first element of the column's member 1, as the statics form the members: the leading frozen
// elements are the base, and member 1 starts at the first free element, or at the last element when
// none is free. 0 without elements.
int firstMemberElement() {
  const SalmMembers m = salmMembers();
  return m.firstElement.empty() ? 0 : m.firstElement.front();
}

// The element that pierces the water surface, when it is one of the column's free members; 0 when
// none is.
std::int32_t piercingMemberElement() {
  const Tpcm& t = TPCM;
  const int first = firstMemberElement();
  if (first == 0) return 0;
  return t.IPIERC >= first && t.IPIERC <= elementCount() ? t.IPIERC : 0;
}

void addPiercingRiser(std::vector<RunFinding>& findings) {
  if (auto finding = piercingRiserFinding()) findings.push_back(*finding);
}

void addSemiWaterline(std::vector<RunFinding>& findings) {
  if (auto finding = semiWaterlineFinding()) findings.push_back(*finding);
}

// ---- user coefficients that hold nothing ----

constexpr int kLowdatRows = 21;  // rows of a LOWDAT table

// Which directions (fields 1 Cx, 2 Cy, 3 Cz) of a force-model word use the model `code`.
using Directions = std::array<bool, 3>;
Directions directionsUsing(std::int32_t word, int code) {
  Directions used{};
  for (int field = 1; field <= 3; ++field) used[field - 1] = NIBVAL(word, field, TPCM.EDUNIT) == code;
  return used;
}

bool anyOf(const Directions& used) { return used[0] || used[1] || used[2]; }

// "a", "a and b", "a, b and c" (or `last` in place of " and ").
std::string listed(const std::vector<std::string>& names, const std::string& last = " and ") {
  std::string text;
  for (std::size_t k = 0; k < names.size(); ++k) {
    if (k > 0) text += k + 1 == names.size() ? last : ", ";
    text += names[k];
  }
  return text;
}

std::string directionNames(const Directions& used) {
  static const char* const kName[3] = {"Cx", "Cy", "Cz"};
  std::vector<std::string> names;
  for (int d = 0; d < 3; ++d)
    if (used[d]) names.push_back(kName[d]);
  return listed(names);
}

// Where page 8 chooses the model of those directions: its one model line (the first item) while the
// word holds one model for all three, otherwise the line of each direction.
std::string modelItems(bool oneModel, int firstItem, const Directions& used) {
  if (oneModel) return "item " + std::to_string(firstItem);
  std::vector<std::string> items;
  for (int d = 0; d < 3; ++d)
    if (used[d]) items.push_back(std::to_string(firstItem + d));
  return (items.size() == 1 ? "item " : "items ") + listed(items);
}

// No row typed: no count, or nothing but 0 in the angles and in the columns the model reads.
bool holdsNoRows(std::int32_t count, const Arr<float, kLowdatRows>& angles,
                 const Arr<float, kLowdatRows, 3>& coefficients, const Directions& used) {
  if (count < 1) return true;
  for (int row = 1; row <= std::min(count, kLowdatRows); ++row) {
    if (angles(row) != 0.0f) return false;
    for (int d = 1; d <= 3; ++d)
      if (used[d - 1] && coefficients(row, d) != 0.0f) return false;
  }
  return true;
}

// The finding of one load: what holds nothing, the directions that read it, and page 8's items.
RunFinding emptyCoefficientsFinding(const std::string& load, const std::string& what, const Directions& used,
                                    const std::string& items, const std::string& orMend) {
  return RunFinding{true,
                    {" ++> Fatal Warning: " + what + ";",
                     "     the " + load + " force model reads it for " + directionNames(used) + ".",
                     "     On page 8, choose another " + load + " model (" + items + ")", "     or " + orMend + "."}};
}

// The wind or current table of LOWDAT, model 1 (page 8 item `firstItem` and on, the table at
// `tableItem`).
void addEmptyTable(std::vector<RunFinding>& findings, const std::string& load, std::int32_t word, bool oneModel,
                   int firstItem, int tableItem, std::int32_t count, const Arr<float, kLowdatRows>& angles,
                   const Arr<float, kLowdatRows, 3>& coefficients) {
  const Directions used = directionsUsing(word, kModelLowdatTable);
  if (!anyOf(used) || !holdsNoRows(count, angles, coefficients, used)) return;
  findings.push_back(emptyCoefficientsFinding(
      load, "The " + load + " coefficient table of LOWDAT holds no rows", used, modelItems(oneModel, firstItem, used),
      "specify the " + load + " force coefficients (item " + std::to_string(tableItem) + ")"));
}

// The user's coefficient file of a load (the wind's and the current's model 2, the wave drift's
// model 1), which the run opens in its working folder.
void addMissingUserFile(std::vector<RunFinding>& findings, const std::string& load, std::int32_t word, int code,
                        const Text<13>& file, bool oneModel, int firstItem) {
  const Directions used = directionsUsing(word, code);
  if (!anyOf(used)) return;
  const std::string name(fileNameOf(file.view()));
  if (std::ifstream(name, std::ios::binary).is_open()) return;
  findings.push_back(emptyCoefficientsFinding(load, "The " + load + " coefficient file \"" + name + "\" is missing",
                                              used, modelItems(oneModel, firstItem, used),
                                              "put the file in the data set's folder"));
}

// Irregular waves or a swell: a sea whose drift loads the slow drift evaluates.
bool anySea() {
  const Tpcm& t = TPCM;
  return t.LRANDM != 0 || t.LSWELL != 0 || t.LSWEL2 != 0;
}

// ---- the column's members and heights, for the dynamics and the submergence ----

// The members the statics form: how many, and the first element of the last.
struct ColumnMembers {
  int count = 0;
  int lastStart = 0;
};
ColumnMembers columnMembers() {
  const SalmMembers m = salmMembers();
  if (m.firstElement.empty()) return {};
  return {static_cast<int>(m.firstElement.size()), m.firstElement.back()};
}

// The height above the sea bed of the top of element `last` with the column standing upright: the
// frozen base inclined by ANCHOR, the members above it vertical.
float uprightHeight(int last) {
  const Tpcm& t = TPCM;
  const int first = firstMemberElement();
  float base = 0.0f, members = 0.0f;
  for (int k = 1; k <= last; ++k) (k < first ? base : members) += t.SLEN(k);
  return std::cos(t.ANCHOR) * base + members;
}

// The run reaches the wave-frequency dynamics: asked for (page 17), and for an attached SALM after
// the vessel's response.
bool dynamicsRun() {
  const Tpcm& t = TPCM;
  return t.LDYN != 0 && (t.FRESLM != 0 || t.LQUAS != 0);
}

// A length for a message, with the unit label of the pages (" feet" or " meters").
std::string lengthText(float value) {
  Text<16> label;
  UNITP(label, unitCode(7, TPCM.NUNTS));
  const std::string field = fmtF(value, 16, 2);
  return field.substr(field.find_first_not_of(' ')) + std::string(label.trimmed());
}

void addDynamicsMembers(std::vector<RunFinding>& findings) {
  if (auto finding = dynamicsMemberFinding()) findings.push_back(*finding);
}

void addSubmergedTop(std::vector<RunFinding>& findings) {
  if (auto finding = submergedTopFinding()) findings.push_back(*finding);
}

void addUnpiercedColumn(std::vector<RunFinding>& findings) {
  if (auto finding = unpiercedColumnFinding()) findings.push_back(*finding);
}

void addSubmergedPiercing(std::vector<RunFinding>& findings) {
  if (auto finding = submergedPiercingFinding()) findings.push_back(*finding);
}

// ---- the ends of the tanker hull ----

constexpr int kBowFactorItem = 21;        // page 10
constexpr int kSternFactorItem = 22;

// The smallest factor in hundredths whose end fits: the wedge's sine just above that of the angle
// whose cotangent is the length over the beam, then up to a square end, which always fits.
float smallestFittingFactor(float beamOverLength) {
  const double r = beamOverLength;
  const int squareEnd = static_cast<int>(std::ceil(100.0 * kSquareEndFactor));
  // A hull so much wider than long (r r overflows) fits only the square end.
  const double exact = std::isfinite(r * r) ? r * r / (0.36 * (1.0 + r * r)) : kSquareEndFactor;
  int hundredths = std::clamp(static_cast<int>(std::ceil(100.0 * exact)) - 1, 0, squareEnd);
  while (hundredths < squareEnd && !endFitsHull(static_cast<float>(hundredths) / 100.0f, beamOverLength)) ++hundredths;
  return static_cast<float>(hundredths) / 100.0f;
}

// The ends the tanker drift models of the run's slow drift give a wedge (the legacy tanker the bow,
// the 2001 tanker both), and the hull's beam over its length; nothing where the run has no such
// end or the hull's size is no positive number (a finding of the values).
struct HullEnds {
  bool bow = false, stern = false;
  float beamOverLength = 0.0f;  // BLRAT0 of the slow drift
};
std::optional<HullEnds> hullEnds() {
  const Tpcm& t = TPCM;
  if (!runEvaluatesDriftCoefficients()) return std::nullopt;
  if (!(t.LWL > 0.0f && t.BWL > 0.0f && std::isfinite(t.LWL) && std::isfinite(t.BWL))) return std::nullopt;
  const HullEnds ends{.bow = anyOf(directionsUsing(t.LWVCOF, kDriftTankerLegacy)) ||
                             anyOf(directionsUsing(t.LWVCOF, kDriftTanker2001)),
                      .stern = anyOf(directionsUsing(t.LWVCOF, kDriftTanker2001)),
                      .beamOverLength = t.BWL / t.LWL};
  // A waterline length too small to divide by: a value finding.
  if (!std::isfinite(ends.beamOverLength)) return std::nullopt;
  return ends;
}

void addHullEnd(std::vector<RunFinding>& findings, const std::string& end, const float& factor, int item,
                float beamOverLength) {
  if (!(factor >= 0.0f) || endFitsHull(factor, beamOverLength)) return;
  const std::string label = end == "bow" ? "Bow" : "Stern";
  RunFinding finding{true, {" ++> Fatal Warning: " + label + " shape factor (page 10, item " + std::to_string(item) +
                                ") is " + messageValue(factor) + ";"}};
  addFlowingLines(finding.lines, "     ",
                  "the tanker drift model's " + end + " would then taper past midships on this hull (beam " +
                      messageValue(beamOverLength) + " of its length, page 5); the analysis needs " +
                      admittedRange(factor) + " (item 20 of page 10 shows the factor), or a drift model of another "
                      "hull (page 8, item " + std::to_string(kDriftModelItem) + ").");
  findings.push_back(std::move(finding));
}

}  // namespace

void addHullEndFindings(std::vector<RunFinding>& findings) {
  const std::optional<HullEnds> ends = hullEnds();
  if (!ends) return;
  if (ends->bow) addHullEnd(findings, "bow", TPCM.BOWFAC, kBowFactorItem, ends->beamOverLength);
  if (ends->stern) addHullEnd(findings, "stern", TPCM.STRNFC, kSternFactorItem, ends->beamOverLength);
}

std::optional<float> leastFittingEndFactor(bool bow) {
  const std::optional<HullEnds> ends = hullEnds();
  if (!ends || !(bow ? ends->bow : ends->stern)) return std::nullopt;
  return smallestFittingFactor(ends->beamOverLength);
}

bool runEvaluatesWindCoefficients() {
  const Tpcm& t = TPCM;
  return vesselAnalysed(t.FRESLM, t.LQUAS) && t.LWIND != 0;
}

bool runEvaluatesCurrentCoefficients() {
  const Tpcm& t = TPCM;
  if (!vesselAnalysed(t.FRESLM, t.LQUAS)) return false;
  const bool shipDriftDrag = t.LEGDRG == 0 && t.VESTYP == kShipVessel && t.SEMI_LIKE == 0 && anySea();
  return t.LCURNT != 0 || shipDriftDrag;
}

bool runEvaluatesDriftCoefficients() {
  const Tpcm& t = TPCM;
  return vesselAnalysed(t.FRESLM, t.LQUAS) && anySea();
}

void addEmptyUserCoefficientFindings(std::vector<RunFinding>& findings) {
  const Tpcm& t = TPCM;
  const Lowcof& c = LOWCOF;
  int windOne = 0, currentOne = 0, driftOne = 0;
  INITFM(t.LWBARG, windOne, t.LCBARG, currentOne, t.LWVCOF, driftOne, t.EDUNIT);
  if (runEvaluatesWindCoefficients()) {
    addEmptyTable(findings, "wind", t.LWBARG, windOne == 1, kWindModelItem, kWindTableItem, c.NUWNPT, c.UWNANG,
                  c.UWNCFS);
    addMissingUserFile(findings, "wind", t.LWBARG, kWindUserFile, windCoefficientFile(t.CREATR, t.ISPM), windOne == 1,
                       kWindModelItem);
  }
  if (runEvaluatesCurrentCoefficients()) {
    addEmptyTable(findings, "current", t.LCBARG, currentOne == 1, kCurrentModelItem, kCurrentTableItem, c.NUCRPT,
                  c.UCRANG, c.UCRCFS);
    addMissingUserFile(findings, "current", t.LCBARG, kCurrentUserFile, currentCoefficientFile(t.CREATR, t.ISPM),
                       currentOne == 1, kCurrentModelItem);
  }
  if (runEvaluatesDriftCoefficients()) {
    addMissingUserFile(findings, "wave drift", t.LWVCOF, kDriftUserFile, driftCoefficientFile(t.CREATR, t.ISPM),
                       driftOne == 1, kDriftModelItem);
  }
}

std::optional<RunFinding> yokeAngleFinding() {
  const Tpcm& t = TPCM;
  // Only the stages after the statics turn the yoke by it; where none of them runs it changes nothing.
  if (t.IARCO == kFreeSalm || t.FRESLM != 0 || !valueRead(t.YOKVES)) return std::nullopt;
  // Any whole number of turns away from pi is the same yoke.
  const double turn = std::remainder(static_cast<double>(t.YOKVES) - kInLineYokeAngle, 2.0 * std::numbers::pi);
  if (std::fabs(turn) <= kYokeAngleTolerance) return std::nullopt;
  return RunFinding{false, flowingLines(" ++> Warning: ",
                                        "the yoke-vessel angle YOKVES is" + fmtF(t.YOKVES, 9, 4) + " rad, where" +
                                            fmtF(kInLineYokeAngle, 7, 4) +
                                            " puts the yoke in line with the SALM as the statics model it; the later "
                                            "stages would turn the yoke" + fmtF(static_cast<float>(turn), 8, 4) +
                                            " rad out of line (0 folds it back over the buoy).")};
}

std::optional<RunFinding> momentElementFinding() {
  if (std::max(momentElementCount(), TPCM.NMOMT) <= kMaxMomentElements) return std::nullopt;
  return RunFinding{true,
                    {" ++> Fatal Warning: Too many elements selected for shear/moment computation.",
                     "     Reduce total to " + fmtI(kMaxMomentElements, 2) + " or less."}};
}

std::optional<RunFinding> piercingRiserFinding() {
  const std::int32_t element = piercingMemberElement();
  if (TPCM.IARCO != kBuoyantRiser || element == 0) return std::nullopt;
  return RunFinding{true,
                    {" ++> Fatal Warning: Buoyant riser with element " + fmtI(element, 0) +
                         " piercing the water surface:",
                     "     the statics hold the riser's top at the vessel's keel, under water.",
                     "     Submerge the whole system (option 7 or 8, page 3, then page 2 shows no",
                     "     piercing element) or choose another attachment."}};
}

int dynamicsMemberLimit(std::int32_t attachment) {
  return attachment == kFreeSalm || attachment == kBuoyantRiser ? 2 : 3;
}

std::optional<RunFinding> dynamicsMemberFinding() {
  const Tpcm& t = TPCM;
  if (!dynamicsRun()) return std::nullopt;
  const std::int32_t attachment = t.FRESLM != 0 ? kFreeSalm : t.IARCO;
  const int limit = dynamicsMemberLimit(attachment);
  const int members = columnMembers().count;
  if (members <= limit) return std::nullopt;
  return RunFinding{true,
                    {std::string(" ++> Fatal Warning: The wave-frequency dynamics of a \"") + attachmentName(attachment) +
                         "\" take at",
                     "     most " + fmtI(limit, 0) + " Salm members; the elements form " + fmtI(members, 0) +
                         ", one from each free joint",
                     "     (page 3, item 7 of an element). Freeze a joint, choose another attachment",
                     "     (page 3, item 13 of the last element) or switch the dynamics off",
                     "     (page 17, item 5)."}};
}

std::optional<RunFinding> freeJointFinding() {
  const Tpcm& t = TPCM;
  const int n = elementCount();
  if (t.FRESLM != 0 || n == 0) return std::nullopt;
  const SalmMembers m = salmMembers();
  if (m.firstElement.size() >= 2) return std::nullopt;
  std::vector<std::string> lines = flowingLines(
      " ++> Fatal Warning: ", "An attached Salm needs at least two members: one hinged on the sea bed and one held at "
                              "the vessel. Its " + std::string(n == 1 ? "element forms" : "elements form") +
                              " one member, whose single angle the attachment fixes: it has no load-offset curve, and "
                              "the statics would lay it flat at every load.");
  if (n == 1) {
    lines.push_back("     Add an element for the attachment (page 2, item 1) and free its lower joint");
    lines.push_back("     (page 3, element 2, item 7; a new element's joint starts frozen).");
    return RunFinding{true, lines};
  }
  // The joints that give two members: one at or below the next-to-last element for the column (the
  // sea bed's hinge, element 1, when none is free there), and the last element's for the attachment.
  std::vector<int> free;
  if (m.firstElement.front() == n) free.push_back(1);
  free.push_back(n);
  if (free.size() == 1) {
    lines.push_back("     Free the lower joint of element " + fmtI(free[0], 0) + " (page 3, element " + fmtI(free[0], 0) +
                    ", item 7;");
  } else {
    lines.push_back("     Free the lower joints of elements 1 and " + fmtI(n, 0) + " (page 3, item 7 of each;");
  }
  lines.push_back("     a new element's joint starts frozen).");
  return RunFinding{true, lines};
}

std::optional<RunFinding> columnReachFinding() {
  const Tpcm& t = TPCM;
  if (t.FRESLM != 0) return std::nullopt;
  const SalmMembers m = salmMembers();
  if (m.length.size() < 2) return std::nullopt;
  const float height = attachmentHeight(m);
  // Values that are no numbers have findings of their own.
  if (!std::isfinite(height)) return std::nullopt;
  for (const float l : m.length)
    if (!std::isfinite(l) || !(l > 0.0f)) return std::nullopt;
  if (columnReachesHeight(m.length, height)) return std::nullopt;

  std::string reach = "The Salm column cannot reach the vessel's attachment. Its top must stand " + lengthText(height) +
                      " above its lowest free joint: the water depth " + lengthText(t.DEPTH) + " (page 1, item 4)";
  if (t.IFREE(1) == 0 && m.baseLength != 0.0f)
    reach += " less the frozen base's height " + lengthText(std::cos(t.ANCHOR) * m.baseLength);
  reach += t.IARCO == kBuoyantRiser
               ? " less the vessel draft " + lengthText(t.DRAFT) + " (page 5, item 10)."
               : " plus the yoke's height above the waterline " + lengthText(t.YOKEHT) + " (page 3, item 14 then 1).";
  std::vector<std::string> lines = flowingLines(" ++> Fatal Warning: ", reach);
  lines.push_back("     No member standing up or down with one of them leaning reaches that height:");
  // The members, as many to a line as fit, a line breaking between them.
  float total = 0.0f;
  std::string members;
  for (std::size_t i = 0; i < m.length.size(); ++i) {
    const int first = m.firstElement[i];
    const int last = i + 1 < m.length.size() ? m.firstElement[i + 1] - 1 : elementCount();
    total += m.length[i];
    std::string member = "member " + fmtI(static_cast<int>(i + 1), 0) + " (" +
                         (first == last ? "element " + fmtI(first, 0) : "elements " + fmtI(first, 0) + " to " + fmtI(last, 0)) +
                         ") " + lengthText(m.length[i]);
    member += i + 1 < m.length.size() ? "," : " long, together " + lengthText(total) + ".";
    members += (members.empty() ? "" : " ") + keptTogether(member);
  }
  addFlowingLines(lines, "     ", members);
  addFlowingLines(lines, "     ", "Change the element lengths (page 3, item 2), the water depth or the attachment's height.");
  return RunFinding{true, lines};
}

namespace {

// The unit label of the pages for a code (" feet", " kips").
std::string unitLabel(std::int32_t code) {
  Text<16> label;
  UNITP(label, code);
  return std::string(label.trimmed());
}

// "80.00 and 30.00 feet": lengths with the unit label after the last.
std::string lengthsText(const std::vector<float>& values) {
  std::vector<std::string> texts;
  for (const float v : values) texts.push_back(messageValue(v));
  return listed(texts) + unitLabel(unitCode(7, TPCM.NUNTS));
}

// An angle in degrees with two decimals.
std::string degreesText(double degrees) {
  const std::string field = fmtF(degrees, 16, 2);
  return field.substr(field.find_first_not_of(' '));
}

}  // namespace

namespace {

// "Elements 1 and 2, 80.00 and 30.00 feet long, together 110.00 feet, span the 110.00 feet from the
// riser's hinge on the sea bed to the vessel's keel (the water depth 150.00 feet less the draft 40.00
// feet) with 0.00 feet to spare."
std::string riserSpanText(const HeldRiser& riser) {
  const Tpcm& t = TPCM;
  const SalmMembers& m = riser.members;
  const int first = m.firstElement.front();
  const int last = elementCount();
  std::vector<float> lengths;
  float total = 0.0f;
  for (int k = first; k <= last; ++k) {
    lengths.push_back(t.SLEN(k));
    total += t.SLEN(k);
  }
  const std::string elements = last == first + 1 ? "Elements " + fmtI(first, 0) + " and " + fmtI(last, 0)
                                                  : "Elements " + fmtI(first, 0) + " to " + fmtI(last, 0);
  const bool base = t.IFREE(1) == 0 && m.baseLength != 0.0f;
  std::string from = "the water depth " + lengthText(t.DEPTH) + " less the ";
  if (base) from += "frozen base's height " + lengthText(std::cos(t.ANCHOR) * m.baseLength) + " and the ";
  return elements + ", " + lengthsText(lengths) + " long, together " + lengthText(total) + ", span the " +
         lengthText(static_cast<float>(riser.height)) + " from the riser's " +
         (base ? "lowest free joint" : "hinge on the sea bed") + " to the vessel's keel (" + from + "draft " +
         lengthText(t.DRAFT) + ") with " + lengthText(heldColumnSlack(m)) + " to spare.";
}

std::vector<std::string> riserLines(const std::string& text) {
  return flowingLines(" ++> Fatal Warning: ", text);
}

std::string forceValueText(double value) { return messageValue(value) + unitLabel(TPCM.NUNTS); }

std::string lengthValueText(double value) { return lengthText(static_cast<float>(value)); }

// An amount of a change with the unit label of the pages: "3.20 feet", or for a volume as page 3
// labels one, "220.00 cubic meters".
// A volume goes in the fixed form of two decimals whatever its size, as page 3 prints it: a raise
// of ten million cubic feet in E form would not read as the figure to type.
std::string bareAmountText(const RiserChange& change, double amount) {
  return amountText(amount, change.kind == RiserChangeKind::kRaiseVolume ? AmountForm::kFixed : AmountForm::kMessage);
}

std::string changeAmountText(const RiserChange& change, double amount) {
  if (change.kind != RiserChangeKind::kRaiseVolume) return lengthText(static_cast<float>(amount));
  return bareAmountText(change, amount) + " cubic" + unitLabel(unitCode(7, TPCM.NUNTS));
}

// Why the amounts between two ranges of a change are not named.
std::string gapReasonText(const ChangeGap& gap) {
  switch (gap.reason) {
    case ChangeGapReason::kFold:
      return "the keel stands within " + lengthText(static_cast<float>(gap.within)) +
             " of the height at which the members fold in line at no load";
    case ChangeGapReason::kJudge: return "the changed riser is not clear as the run judges it";
    case ChangeGapReason::kOffsetStates:
      return "the changed riser's load-offset table spans more than the " + std::to_string(kMaxTablePoints) +
             " offset states that the statics report holds at the offset increment, " +
             lengthText(offsetPassOf(TPCM).increment) + " on page 2, item 3";
    case ChangeGapReason::kChecks: break;
  }
  return "the run's checks refuse the data set so changed";
}

// "by at least 3.20 feet", or "by 3.20 to 10.50 feet" where more than the most would not do; where
// the amounts between fall into gaps, each range: "by 20.53 to 50.48 or 50.54 to 70.00 feet (between
// them the keel stands within 0.03 feet of the height at which the members fold in line at no
// load)".
std::string amountText(const RiserChange& change) {
  std::vector<std::pair<double, double>> ranges;
  double from = change.amount;
  for (const ChangeGap& gap : change.gaps) {
    ranges.emplace_back(from, gap.below);
    from = gap.above;
  }
  ranges.emplace_back(from, change.most);
  std::vector<std::string> texts;
  for (std::size_t i = 0; i < ranges.size(); ++i) {
    const auto [least, most] = ranges[i];
    const bool last = i + 1 == ranges.size();
    const auto number = [&](double value) {
      return last ? changeAmountText(change, value) : bareAmountText(change, value);
    };
    if (!std::isfinite(most)) {
      texts.push_back("at least " + number(least));
    } else if (most == least) {
      texts.push_back(number(least));
    } else {
      texts.push_back(bareAmountText(change, least) + " to " + number(most));
    }
  }
  std::string text = "by " + listed(texts, " or ");
  if (change.gaps.empty()) return text;
  const bool alike = std::all_of(change.gaps.begin(), change.gaps.end(), [&](const ChangeGap& gap) {
    return gap.reason == change.gaps.front().reason;
  });
  if (alike) {
    ChangeGap widest = change.gaps.front();
    for (const ChangeGap& gap : change.gaps) widest.within = std::max(widest.within, gap.within);
    return text + " (between them " + gapReasonText(widest) + ")";
  }
  std::string between;
  for (const ChangeGap& gap : change.gaps) {
    between += (between.empty() ? "" : "; ") + std::string("between ") + bareAmountText(change, gap.below) +
               " and " + bareAmountText(change, gap.above) + " " + gapReasonText(gap);
  }
  return text + " (" + between + ")";
}

// "Lengthen element 1 by at least 3.20 feet or element 2 by at least 2.98 feet (page 3, item 2),
// raise the volume of element 2 by at least 220.00 cubic feet (page 3, item 3), or lower the keel by
// at least 3.08 feet: reduce the water depth (page 1, item 4) or deepen the draft (page 5, item 10)";
// empty without changes.
std::string changesText(const std::vector<RiserChange>& changes) {
  std::vector<std::string> lengthenings, raises;
  std::vector<const RiserChange*> lowerings;
  for (const RiserChange& change : changes) {
    const std::string element = "element " + fmtI(change.element, 0) + " " + amountText(change);
    if (change.kind == RiserChangeKind::kLengthen) {
      lengthenings.push_back(element);
    } else if (change.kind == RiserChangeKind::kRaiseVolume) {
      raises.push_back(element);
    } else {
      lowerings.push_back(&change);
    }
  }
  const auto way = [](const RiserChange& change) {
    return change.kind == RiserChangeKind::kReduceDepth ? std::string("reduce the water depth (page 1, item 4)")
                                                        : std::string("deepen the draft (page 5, item 10)");
  };
  std::vector<std::string> remedies;
  if (!lengthenings.empty()) remedies.push_back("Lengthen " + listed(lengthenings, " or ") + " (page 3, item 2)");
  if (!raises.empty()) remedies.push_back("raise the volume of " + listed(raises, " or ") + " (page 3, item 3)");
  if (lowerings.size() == 2 && lowerings[0]->amount == lowerings[1]->amount && lowerings[0]->most == lowerings[1]->most &&
      lowerings[0]->gaps == lowerings[1]->gaps) {
    remedies.push_back("lower the keel " + amountText(*lowerings[0]) + ": " + way(*lowerings[0]) + " or " +
                       way(*lowerings[1]));
  } else if (!lowerings.empty()) {
    std::vector<std::string> ways;
    for (const RiserChange* change : lowerings) ways.push_back(way(*change) + " " + amountText(*change));
    remedies.push_back("lower the keel: " + listed(ways, " or "));
  }
  if (remedies.empty()) return "";
  remedies.front()[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(remedies.front()[0])));
  return listed(remedies, ", or ");
}

bool lowersTheKeel(const std::vector<RiserChange>& changes) {
  return std::any_of(changes.begin(), changes.end(), [](const RiserChange& change) {
    return change.kind == RiserChangeKind::kReduceDepth || change.kind == RiserChangeKind::kDeepenDraft;
  });
}

// The alternatives the changes give: each element's lengthening and raise of its volume, and the
// keel lowered either way.
std::size_t alternatives(const std::vector<RiserChange>& changes) {
  const auto ofElements = std::count_if(changes.begin(), changes.end(), [](const RiserChange& change) {
    return change.kind == RiserChangeKind::kLengthen || change.kind == RiserChangeKind::kRaiseVolume;
  });
  return static_cast<std::size_t>(ofElements) + (lowersTheKeel(changes) ? 1u : 0u);
}

// What the run tried where no change takes the riser clear: every change its refusals search.
constexpr const char* kNoChangeAdmitted =
    "No lengthening of an element or lowering of the keel by up to the riser's length, nor raise of an "
    "element's volume, that the run's checks admit";

// What a refusal in the run advises: the least changes as the run judges them, or, where no change
// the run's checks admit takes the riser clear, what the run tried, and a calmer sea.
std::string remedyAdvice(const std::vector<RiserChange>& changes) {
  if (changes.empty()) {
    return std::string(kNoChangeAdmitted) +
           " takes it clear at this run's loads and sea: analyse a calmer sea or a lighter wind and current.";
  }
  return changesText(changes) + ". " + (alternatives(changes) == 1 ? "That takes" : "Each takes") +
         " it clear at this run's loads and sea as the run judges them, the slow drift's excursion taken at the "
         "changed riser's stiffness, with room for a tenth more motion" +
         (lowersTheKeel(changes) ? "; a lower keel changes the vessel's response and loads too, which the run judges "
                                   "anew"
                                 : "") +
         ". Or analyse a calmer sea or a lighter wind and current.";
}

// The members' angles from the vertical, "20.05 and 29.40 degrees".
std::string anglesText(const std::vector<double>& angles) {
  std::vector<std::string> texts;
  for (const double a : angles) texts.push_back(degreesText(a * static_cast<double>(kDegreesPerRadian)));
  return listed(texts) + " degrees";
}

// Why the members must stay out of line.
std::string intoLineGrowth() {
  return "the closer they come into line, the more the riser's tension and the loads that the vessel's motion at "
         "the keel gives it grow, without bound.";
}

std::string outOfLineNeed() {
  return " where their loads need " + degreesText(degreesOutOfLine(kLeastMemberBend)) + " degrees at least: " +
         intoLineGrowth();
}

// The run's sea in the words of its pages.
std::string runSeaText() {
  const Tpcm& t = TPCM;
  std::vector<std::string> seas;
  if (t.LRANDM != 0) seas.push_back("the irregular sea (page 15)");
  if (t.LSWELL != 0) seas.push_back("the swell (page 16)");
  if (t.LSWELL != 0 && t.LSWEL2 != 0) seas.push_back("the second swell (page 16)");
  return seas.size() > 1 ? "the run's sea, " + listed(seas) + " together," : "the run's sea, " + listed(seas) + ",";
}

// The storm of page 17, item 51.
std::string stormText() {
  const Tpcm& t = TPCM;
  return t.DURATN > 0.0f ? "the storm of " + messageValue(t.DURATN) + " hours (page 17, item 51)"
                         : "a storm of no duration (page 17, item 51)";
}

// The keel's motion that a remedy of the run's findings leaves room for, in this run's: the keel's
// wave-frequency motion and the slow drift's excursion a tenth larger.
constexpr double kRemedyMotion = 1.1;

// Whether the statics report's offset pass could show a changed riser's load-offset table, in the
// data set the changes are made to (checkedDataSet, `inRun`): the run's table (`table`; none before
// the stages, nor for a load beyond it in the slow drift) moved by what the change moves the riser's
// top (offsetPassShows).
HeldColumnTest offsetPassTest(const RiserTable& table, bool inRun) {
  const OffsetPass pass = offsetPassOf(checkedDataSet(inRun));
  return [table, pass](const HeldColumn& column, double height) {
    return offsetPassShows(column, height, table, pass);
  };
}

}  // namespace

std::optional<RunFinding> riserBendFinding() {
  const Tpcm& t = TPCM;
  const std::optional<HeldRiser> riser = heldRiser();
  if (!riser) return std::nullopt;
  const double height = riser->height;
  const HeldColumnClearLoads clear = heldColumnClearLoads(riser->column, height);
  if (clear.upper > 0.0 && clear.lower == 0.0) return std::nullopt;

  const std::string need = degreesText(degreesOutOfLine(kLeastMemberBend));
  constexpr double kNoLoad = std::numeric_limits<double>::min();  // held at the least load of a shape
  std::string text;
  std::vector<RiserChange> changes;
  if (clear.upper > 0.0) {
    // Folded under the smallest loads, one member back along the other: the statics' table, which
    // starts at no load, finds no shape there. What unfolds them lets the run judge the rest.
    text = "The buoyant riser's members stand in line under the smallest loads. " + riserSpanText(*riser) +
           " Under loads at the keel below " + forceValueText(clear.lower) + " they would stand less than " + need +
           " degrees out of line, one member folded back along the other," + outOfLineNeed() +
           " The load-offset table of the statics starts at no load (page 2, item 2).";
    changes = riserRemedies(
        *riser, [&](const HeldColumn& column, double top) { return heldColumnStandsClear(column, top, kNoLoad); },
        false, offsetPassTest({}, false));
    if (!changes.empty()) {
      text += " " + changesText(changes) + ". These keep them clear from no load on; the run then judges the riser "
              "at the loads it reaches.";
    } else if (!checkingRiserChange()) {
      text += " Change the element lengths (page 3, item 2), the water depth (page 1, item 4) or the draft "
              "(page 5, item 10) so that no member folds back along another.";
    }
    return RunFinding{true, riserLines(text)};
  }

  // What keeps them clear over the whole table, whose largest load no run can make the riser reach
  // without the statics' table: then the loads of the run decide (riserReachFinding).
  const double H = t.TLOAD > 0.0f && std::isfinite(t.TLOAD) ? static_cast<double>(t.TLOAD) : 0.0;
  text = "The buoyant riser's members stand in line under every load. " + riserSpanText(*riser) +
         " Under any load at the keel they would stand less than " + need + " degrees out of line," + outOfLineNeed();
  if (H > 0.0) {
    changes = riserRemedies(
        *riser,
        [&](const HeldColumn& column, double top) {
          return heldColumnStandsClear(column, top, kNoLoad) && heldColumnStandsClear(column, top, H);
        },
        false, offsetPassTest({}, false));
  }
  if (checkingRiserChange()) {
    // A changed data set's finding: its verdict alone counts.
  } else if (!changes.empty()) {
    text += " " + changesText(changes) + ". These keep them clear up to the largest load of the table, " +
            forceValueText(H) + " (page 2, item 2); the run then judges the riser at the loads it reaches.";
  } else if (H > 0.0) {
    text += " " + std::string(kNoChangeAdmitted) + " keeps them clear up to the largest load of the table, " +
            forceValueText(H) + " (page 2, item 2).";
  } else {
    text += " Give the riser more length than the height: lengthen an element (page 3, item 2), or reduce the "
            "water depth (page 1, item 4) or deepen the draft (page 5, item 10); the run then judges the riser at "
            "the loads it reaches.";
  }
  return RunFinding{true, riserLines(text)};
}

std::optional<RunFinding> riserReachFinding(const RiserReach& reach) {
  const std::optional<HeldRiser> riser = heldRiser(true);
  if (!riser || !(reach.meanLoad > 0.0) || !std::isfinite(reach.meanLoad)) return std::nullopt;
  // The statics' table as the data set the run checked asks it, before the statics end a riser's
  // table early in TLOAD.
  const RiserTable table = riserTable(*riser, reach, staticsTableOf(checkedDataSet(true)));
  const RiserVerdict verdict = judgeRiser(riser->column, riser->height, reach, table, 1.0);
  // The run's riser has met the checks of the smallest loads and of the equilibria's loads beyond its
  // table before this, in their own findings (riserBendFinding, riserPeakLoadFinding): what refuses
  // it here is the storm's peak or the reserve.
  if (verdict.clear()) return std::nullopt;
  const StormPeak& peak = verdict.peak;
  const KeelReach& keel = verdict.keel;
  const HeldColumnTest sound = [&](const HeldColumn& column, double height) {
    return judgeRiser(column, height, reach, table, kRemedyMotion).clear();
  };

  const Tpcm& t = TPCM;
  const std::string mean = "the slow drift's mean load of " + forceValueText(reach.meanLoad);
  std::string text;
  if (peak.meanInLine) {
    text = "The buoyant riser's members would come into line under the run's loads. " + riserSpanText(*riser) +
           " Under " + mean + " they would stand " + degreesText(degreesOutOfLine(peak.meanBend)) +
           " degrees out of line," + outOfLineNeed();
  } else if (peak.inLine) {
    // The offsets from where the vessel lies under no load, as the low-frequency report gives them.
    const double zero = table.offset.empty() ? 0.0 : table.offset.front();
    text = "The buoyant riser's members would come into line in the run's storm. " + riserSpanText(*riser) +
           " Under " + mean + " the vessel lies at an offset of " + lengthValueText(peak.meanOffset - zero) +
           " from where it lies under no load, and the slow drift's peak excursion in " + stormText() +
           " would carry it beyond " + lengthValueText(peak.clearOffset - zero) + ", where the members come within " +
           degreesText(degreesOutOfLine(kLeastMemberBend)) + " degrees of line" +
           (peak.clearLoad <= static_cast<double>(t.TLOAD) ? " (under " + forceValueText(peak.clearLoad) + ")" : "") +
           ": " + intoLineGrowth();
  } else {
    text = "The buoyant riser would go taut in the run's sea. " + riserSpanText(*riser) + " Under " + mean +
           " they stand at " + anglesText(keel.angles) + " from the vertical and hold the keel " +
           lengthValueText(keel.distance) + " from the hinge, " + lengthValueText(keel.reserve) + " short of their length.";
    // The slow drift alone never takes the keel beyond the reserve short of the line: the distance
    // from the hinge grows faster than the excursion's share along the line. The sea's motion does.
    text += " In " + runSeaText() + " the vessel moves the keel along the line from the hinge by " +
            lengthValueText(keel.wave) +
            (t.DURATN > 0.0f ? " at the most probable peak of " + stormText()
                             : " at its significant amplitude (page 17, item 51)");
    if (keel.drift > 0.0) {
      text += ", and the slow drift's peak excursion of " + lengthValueText(peak.excursion) + " in that storm moves it " +
              lengthValueText(keel.drift) + " further along the line: together " +
              lengthValueText(keel.wave + keel.drift);
    }
    text += ", more than that: the members cannot reach so far, and the linear model of their motions would swing "
            "them past where they can go, with loads without bound.";
  }
  text += " " + remedyAdvice(riserRemedies(*riser, sound, true, offsetPassTest(table, true)));
  return RunFinding{true, riserLines(text)};
}

std::optional<RunFinding> riserPeakLoadFinding(double peakLoad, const std::string& peak) {
  const std::optional<HeldRiser> riser = heldRiser(true);
  if (!riser || !(peakLoad > 0.0) || !std::isfinite(peakLoad)) return std::nullopt;
  const double height = riser->height;
  if (heldColumnStandsClear(riser->column, height, peakLoad)) return std::nullopt;
  const double bend = largestBend(heldColumnAngles(riser->column, height, peakLoad));
  // Once the run has judged its riser at the mean state, a change is judged whole there too.
  const RiserReach* reached = keptRiserReach();
  const RiserTable table =
      reached != nullptr ? riserTable(*riser, *reached, staticsTableOf(checkedDataSet(true))) : RiserTable{};
  const std::vector<RiserChange> changes = riserRemedies(
      *riser,
      [&](const HeldColumn& column, double top) {
        return heldColumnStandsClear(column, top, peakLoad) &&
               (reached == nullptr || judgeRiser(column, top, *reached, table, kRemedyMotion).clear());
      },
      true, offsetPassTest(table, true));
  std::string text = "The buoyant riser's members would come into line under the run's loads. " +
                     riserSpanText(*riser) + " Under " + peak + ", " + forceValueText(peakLoad) +
                     ", they would stand " + degreesText(degreesOutOfLine(bend)) + " degrees out of line," +
                     outOfLineNeed() + " Raising the table (page 2, item 2) does not help.";
  if (!changes.empty()) {
    text += " " + changesText(changes) + ". " + (alternatives(changes) == 1 ? "That keeps" : "Each keeps") +
            " them clear under that load" +
            (lowersTheKeel(changes) ? "; a lower keel changes the vessel's response and loads too, which the run "
                                      "judges anew"
                                    : "") +
            ". Or analyse a calmer sea or a lighter wind and current.";
  } else {
    text += " " + std::string(kNoChangeAdmitted) +
            " keeps them clear under that load: analyse a calmer sea or a lighter wind and current.";
  }
  return RunFinding{true, riserLines(text)};
}

std::optional<RunFinding> submergedTopFinding() {
  const Tpcm& t = TPCM;
  if (!wholeSystemSubmerged(t.WETYOK) || elementCount() == 0) return std::nullopt;
  const bool free = t.FRESLM != 0;
  // The buoy: the whole column of a free SALM, else what stands below the vessel's attachment member.
  const int buoyTop = free ? elementCount() : columnMembers().lastStart - 1;
  const float height = uprightHeight(buoyTop);
  std::vector<std::string> lines{" ++> Fatal Warning: The whole system is under water for the statics (page 3,"};
  const std::string option = "     item 1: option " + fmtI(t.WETYOK + kSubmergenceOptionOffset, 0) + "), yet ";
  if (buoyTop >= 1 && height > t.DEPTH) {
    lines.push_back(option + (free ? "the column's top" : "the buoy's top (element " + fmtI(buoyTop, 0) + ")") +
                    ", standing upright,");
    lines.push_back("     reaches " + lengthText(height) + " above the sea bed in " + lengthText(t.DEPTH) + " of water");
    lines.push_back("     (page 1, item 4). Choose an option with an element that pierces the");
    lines.push_back("     surface, or shorten the column.");
  } else if (!free && t.IARCO != kBuoyantRiser && t.YOKEHT > 0.0f) {
    lines.push_back(option + "the attachment to the vessel stands " + lengthText(t.YOKEHT));
    lines.push_back("     above the water (page 3, item 14 then 1). Choose an option with an");
    lines.push_back("     element that pierces the surface, or lower the attachment.");
  } else {
    return std::nullopt;
  }
  return RunFinding{true, lines};
}

std::optional<RunFinding> unpiercedColumnFinding() {
  const Tpcm& t = TPCM;
  const int first = firstMemberElement();
  if (first == 0 || wholeSystemSubmerged(t.WETYOK) || t.IPIERC >= first) return std::nullopt;
  const float depth = t.DEPTH - uprightHeight(first - 1);  // of the first free joint, below the still water
  if (!(depth > 0.0f)) return std::nullopt;
  const std::string named = t.IPIERC <= 0 ? "no element" : "element " + fmtI(t.IPIERC, 0) + ", in the frozen base";
  return RunFinding{true, flowingLines(" ++> Fatal Warning: ",
                                       "No element of the column pierces the water surface (page 2, item 6: " + named +
                                           "), yet its first free joint (element " + fmtI(first, 0) + ") stands " +
                                           lengthText(depth) +
                                           " under the still water: the statics would take every member dry, floating "
                                           "on no buoyancy. Name the element that pierces the surface, or put the "
                                           "whole system under water (page 3, item 1: option 7 or 8).")};
}

// Under options 7 and 8 no element pierces the surface: page 2 names none as the element past the
// last, which it shows there, or as 0, the none of the other options; the statics read both alike.
// Values beyond those have a finding of their own.
std::optional<RunFinding> submergedPiercingFinding() {
  const Tpcm& t = TPCM;
  if (!wholeSystemSubmerged(t.WETYOK) || t.IPIERC < 1 || t.IPIERC > elementCount()) return std::nullopt;
  return RunFinding{true, flowingLines(" ++> Fatal Warning: ",
                                       "Option " + fmtI(t.WETYOK + kSubmergenceOptionOffset, 0) +
                                           " of page 3, item 1 puts the whole system under water, yet page 2, item 6 "
                                           "names element " + fmtI(t.IPIERC, 0) +
                                           " as piercing the surface. Choose an option with an element that pierces "
                                           "the surface, or name none there (0): under options 7 and 8 page 2 shows "
                                           "none as " + fmtI(elementCount() + 1, 0) + ", the element past the last.")};
}

// The hull the column-stabilised model describes, as the refusals name it.
std::string_view columnHullName(std::int32_t vestyp) {
  switch (vestyp) {
    case kTensionLegPlatform: return "tension-leg platform";
    case kCaissonSpar: return "caisson spar";
    default: return "semi-submersible";
  }
}

std::optional<RunFinding> semiWaterlineFinding() {
  const Tpcm& t = TPCM;
  const bool semiModel = t.VESTYP != kShipVessel && t.VESTYP != kJackUp && t.SEMI_LIKE != 0;
  if (!vesselAnalysed(t.FRESLM, t.LQUAS) || !semiModel) return std::nullopt;
  constexpr int kHullMembers = 50;  // the extent of the hull-member table
  const int count = std::clamp<int>(t.NCYL, 0, kHullMembers);
  int members = 0;
  for (int i = 1; i <= count; ++i) {
    const float* base = &t.RCYLB(1, i);
    const float* top = &t.RCYLT(1, i);
    if (base[0] == top[0] && base[1] == top[1] && base[2] == top[2]) continue;  // no member at all
    ++members;
    float D[3], DC[3], XLEN = 0.0f, WLEN = 0.0f, FAC = 0.0f;
    std::int32_t ICODE = kMemberBelow;
    WPCHEK(base, top, t.DRAFT, D, DC, XLEN, WLEN, FAC, ICODE);
    if (ICODE == kMemberRising || ICODE == kMemberFalling) return std::nullopt;
  }
  const std::string hull(columnHullName(t.VESTYP));
  if (members == 0) {
    // No page of this editor takes hull members, so the way to them is named.
    return RunFinding{true,
                      {" ++> Fatal Warning: The " + hull + "'s hull-member table is empty:",
                       "     the hull has no waterplane and every response of the run would be 0.",
                       "     No page of this editor takes hull members: open a data set that holds",
                       "     them, or import them with page 19, choice 7, from a data file of the",
                       "     semi-submersible program Dorvane or of a mooring program. The import",
                       "     replaces every stored word, so import first, then edit. Or choose",
                       "     another vessel type (page 5, item 11)."}};
  }
  return RunFinding{true,
                    {" ++> Fatal Warning: No hull member of the " + hull + " crosses the",
                     "     waterline at the draft of " + messageValue(t.DRAFT) + " (page 5, item 10): the hull has no",
                     "     waterplane and every response of the run would be 0. Give a draft that",
                     "     its columns cross, or choose another vessel type (page 5, item 11)."}};
}

std::optional<RunFinding> discFeedbackFinding() {
  const Tpcm& t = TPCM;
  const bool discModel = t.VESTYP == kDiscBuoy && t.SEMI_LIKE == 0;
  if (!vesselAnalysed(t.FRESLM, t.LQUAS) || !discModel || t.MORFBK != 1 || t.moor.NLIN >= 1) return std::nullopt;
  std::vector<std::string> unsprung;
  if (t.LSGPRD != 1) unsprung.push_back("surge");
  if (t.LSWPRD != 1) unsprung.push_back("sway");
  if (t.LYWPRD != 1) unsprung.push_back("yaw");
  if (unsprung.empty()) return std::nullopt;
  RunFinding finding{true, flowingLines(" ++> Fatal Warning: ",
                                        "Mooring feedback of the discus buoy (page 7, item 13) is on, but the data set "
                                        "holds no mooring line to feed back (this program neither edits nor stores "
                                        "the mooring lines): without them the buoy's " + listed(unsprung) +
                                        " would have no spring and no moor-modified period.")};
  addFlowingLines(finding.lines, "     ",
                  "Answer No at page 7, item 13, or analyse a data set that holds the mooring lines.");
  return finding;
}

namespace {

// The current variation with depth that reads "CRNTPROF.txt" (page 12, item 3, the fourth choice).
constexpr std::int32_t kProfileFromFile = 3;

// The wave stages run: the vessel's response, or the wave-frequency dynamics.
bool waveStagesRun() {
  const Tpcm& t = TPCM;
  return vesselAnalysed(t.FRESLM, t.LQUAS) || dynamicsRun();
}

// The choices of the sea and swells that take "WAVSPEC.txt", each with its page and item.
std::vector<std::string> waveSpectrumChoices() {
  const Tpcm& t = TPCM;
  std::vector<std::string> choices;
  if (t.LRANDM != 0 && t.WAVTYP == kSpectrumUserFile) {
    choices.push_back("the irregular sea's wave type (page 15, item 2)");
  }
  if (t.LSWELL != 0 && t.SWLTYP == kSpectrumUserFile) choices.push_back("the swell type (page 16, item 2)");
  if (t.LSWELL != 0 && t.LSWEL2 != 0 && t.SWLTYP2 == kSpectrumUserFile)
    choices.push_back("the second swell type (page 16, item 22)");
  return choices;
}

// Whether the run reads the file: where the stages that read it run, for a choice that takes it.
bool runReads(EnvironmentFile file) {
  const Tpcm& t = TPCM;
  const bool vessel = vesselAnalysed(t.FRESLM, t.LQUAS);
  switch (file) {
    case EnvironmentFile::kWaveSpectrum: return waveStagesRun() && !waveSpectrumChoices().empty();
    // The slow drift evaluates the gusts of a flow that blows, at its stable equilibrium.
    case EnvironmentFile::kWindSpectrum:
      return vessel && t.LWIND != 0 && t.WNDSPD > 0.0f && t.WNDTYP == kUserWindSpectrum;
    case EnvironmentFile::kCurrentSpectrum:
      return vessel && t.LCURNT != 0 && t.CURSPD > 0.0f && t.CURTYP == kUserCurrentSpectrum;
    // The profile is built before the statics wherever the vessel is analysed.
    case EnvironmentFile::kCurrentProfile: return vessel && t.LCURNT != 0 && t.LCSTCR == kProfileFromFile;
  }
  return false;
}

// What the file holds, for a message: "wind spectrum".
std::string_view environmentFileContent(EnvironmentFile file) {
  switch (file) {
    case EnvironmentFile::kWaveSpectrum: return "wave spectrum";
    case EnvironmentFile::kWindSpectrum: return "wind spectrum";
    case EnvironmentFile::kCurrentSpectrum: return "current spectrum";
    case EnvironmentFile::kCurrentProfile: return "current profile";
  }
  return "";
}

}  // namespace

std::string_view environmentFileName(EnvironmentFile file) {
  switch (file) {
    case EnvironmentFile::kWaveSpectrum: return "WAVSPEC.txt";
    case EnvironmentFile::kWindSpectrum: return "WINDSPEC.txt";
    case EnvironmentFile::kCurrentSpectrum: return "CRNTSPEC.txt";
    case EnvironmentFile::kCurrentProfile: return "CRNTPROF.txt";
  }
  return "";
}

std::string environmentFileAskedBy(EnvironmentFile file) {
  switch (file) {
    case EnvironmentFile::kWaveSpectrum: {
      const std::vector<std::string> choices = waveSpectrumChoices();
      if (choices.empty()) return "a sea's or swell's type (page 15, item 2; page 16, items 2 and 22)";
      return listed(choices);
    }
    case EnvironmentFile::kWindSpectrum: return "the wind spectral type (page 11, item 3)";
    case EnvironmentFile::kCurrentSpectrum: return "the current spectral type (page 12, item 6)";
    case EnvironmentFile::kCurrentProfile: return "the current variation with depth (page 12, item 3)";
  }
  return "";
}

std::vector<std::string> missingEnvironmentFileAdvice(EnvironmentFile file) {
  std::vector<std::string> choices;
  if (file == EnvironmentFile::kWaveSpectrum) choices = waveSpectrumChoices();
  if (choices.empty()) choices.push_back(environmentFileAskedBy(file));
  // A list of choices breaks between them, where each fits on a line.
  if (choices.size() > 1)
    for (std::string& choice : choices) choice = keptTogether(choice);
  const std::string verb = choices.size() > 1 ? " read it:" : " reads it:";
  std::vector<std::string> lines = flowingLines("     ", listed(choices) + keptTogether(verb));
  lines.push_back("     choose another there, or put the file in the data set's folder.");
  return lines;
}

void addMissingEnvironmentFileFindings(std::vector<RunFinding>& findings) {
  for (const EnvironmentFile file : {EnvironmentFile::kWaveSpectrum, EnvironmentFile::kWindSpectrum,
                                     EnvironmentFile::kCurrentSpectrum, EnvironmentFile::kCurrentProfile}) {
    if (!runReads(file)) continue;
    const std::string name(environmentFileName(file));
    if (std::ifstream(name, std::ios::binary).is_open()) continue;
    RunFinding finding{true, {" ++> Fatal Warning: The " + std::string(environmentFileContent(file)) + " file \"" +
                              name + "\" is missing;"}};
    for (std::string& line : missingEnvironmentFileAdvice(file)) finding.lines.push_back(std::move(line));
    findings.push_back(std::move(finding));
  }
}

std::vector<RunFinding> runFindings() {
  std::vector<RunFinding> findings;
  // The values first: a run stops at them before any later finding reads a value that is no number.
  valueRangeFindings(findings);
  addMomentElements(findings);
  addYokeAngle(findings);
  addBuiltinCurrentFindings(findings);
  addEmptyUserCoefficientFindings(findings);
  addMissingEnvironmentFileFindings(findings);
  if (auto finding = freeJointFinding()) findings.push_back(*finding);
  if (auto finding = columnReachFinding()) findings.push_back(*finding);
  addPiercingRiser(findings);
  if (auto finding = riserBendFinding()) findings.push_back(*finding);
  addDynamicsMembers(findings);
  addSubmergedTop(findings);
  addUnpiercedColumn(findings);
  addSubmergedPiercing(findings);
  addSemiWaterline(findings);
  if (auto finding = discFeedbackFinding()) findings.push_back(*finding);
  addHullEndFindings(findings);
  return findings;
}

}  // namespace qv
