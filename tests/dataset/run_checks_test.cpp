// The findings that stop a run before any stage: which data sets raise each, and its words.
#include "dataset/run_checks.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>

#include <cstdio>
#include <functional>
#include <iterator>
#include <limits>
#include <numbers>
#include <optional>
#include <regex>
#include <utility>
#include <string>
#include <string_view>
#include <vector>

#include "dataset/column_reach.h"
#include "dataset/force_model.h"
#include "dataset/lowcof.h"
#include "dataset/tpcm.h"
#include "dataset/tpcm_codes.h"
#include "numlib/load_offset_table.h"
#include "platform/block_reset.h"
#include "platform/units.h"
#include "support/data_set_fixture.h"
#include "support/fresh_run.h"
#include "support/hull_members.h"
#include "support/run_findings.h"
#include "support/riser_changes.h"
#include "support/user_riser.h"
#include "util/fortran_format.h"
#include "support/temp_dir.h"

namespace qv {
namespace {

using testing_support::NamedChange;
using testing_support::namedChanges;
using testing_support::amplitude;
using testing_support::reachOf;

class RunChecks : public testing_support::FreshRun {};

// A buoyant riser's top is held at the vessel's keel: an element of its free members cannot pierce
// the surface. Three elements over a frozen base element, the second of them frozen to the first.
TEST_F(RunChecks, APiercingBuoyantRiserIsFatal) {
  struct Case {
    const char* what;
    std::int32_t iarco;
    std::int32_t ipierc;
    std::int32_t nelem;
    bool raised;
  };
  const Case cases[] = {
      {"riser, the buoy piercing", kBuoyantRiser, 4, 4, true},
      {"riser, the first free element piercing", kBuoyantRiser, 2, 4, true},
      {"riser, an element frozen to a free one piercing", kBuoyantRiser, 3, 4, true},
      {"riser, the whole system submerged", kBuoyantRiser, 5, 4, false},
      {"riser, the frozen base piercing: the column taken dry", kBuoyantRiser, 1, 4, false},
      {"riser, no piercing element", kBuoyantRiser, 0, 4, false},
      {"riser without elements", kBuoyantRiser, 1, 0, false},
      {"yoke, the buoy piercing", kYoke, 4, 4, false},
      {"rigid hawser, the buoy piercing", kRigidHawser, 4, 4, false},
      {"pendular mass, the buoy piercing", kPendularMass, 4, 4, false},
  };
  for (const Case& c : cases) {
    TPCM.NELEM = c.nelem;
    const std::int32_t free[] = {0, 1, 0, 1};
    for (int k = 1; k <= 4; ++k) TPCM.IFREE(k) = free[k - 1];
    TPCM.IARCO = c.iarco;
    TPCM.IPIERC = c.ipierc;
    TPCM.YOKVES = kInLineYokeAngle;  // the yoke in line: no other finding
    // The riser's finding alone: the fixture's other values (a depth of 0, elements without
    // length) are findings of their own.
    const std::vector<RunFinding> findings = testing_support::findingsNaming(runFindings(), "Buoyant riser");
    ASSERT_EQ(findings.size(), c.raised ? 1u : 0u) << c.what;
    if (!c.raised) continue;
    EXPECT_TRUE(findings[0].fatal) << c.what;
    EXPECT_EQ(findings[0].lines,
              (std::vector<std::string>{
                  " ++> Fatal Warning: Buoyant riser with element " + std::to_string(c.ipierc) +
                      " piercing the water surface:",
                  "     the statics hold the riser's top at the vessel's keel, under water.",
                  "     Submerge the whole system (option 7 or 8, page 3, then page 2 shows no",
                  "     piercing element) or choose another attachment."}))
        << c.what;
  }
}

// The moment tables and "MOMDAT" hold ten elements. Twelve elements over a frozen base element 1,
// element 2 the first free joint: the flags count from there upward, and an NMOMT above that count
// (as a file may hold it) counts too.
TEST_F(RunChecks, MoreMomentElementsThanTheTablesHoldAreFatal) {
  struct Case {
    const char* what;
    int firstFlagged;  // elements firstFlagged..12 flagged
    bool baseFlagged;  // element 1 flagged too
    std::int32_t nmomt;
    bool raised;
  };
  const Case cases[] = {
      {"ten flagged above the first free joint", 3, false, 10, false},
      {"eleven flagged from the first free joint", 2, false, 11, true},
      {"ten flagged above it and one in the frozen base", 3, true, 10, false},
      {"ten flagged, an NMOMT of eleven", 3, false, 11, true},
      {"eleven flagged, an NMOMT of ten", 2, false, 10, true},
  };
  for (const Case& c : cases) {
    TPCM.NELEM = 12;
    for (int k = 1; k <= 12; ++k) {
      TPCM.IFREE(k) = k == 2 ? 1 : 0;
      TPCM.LMOMT(k) = k >= c.firstFlagged || (k == 1 && c.baseFlagged) ? 1 : 0;
    }
    TPCM.NMOMT = c.nmomt;
    const std::vector<RunFinding> findings = testing_support::findingsNaming(runFindings(), "shear/moment");
    ASSERT_EQ(findings.size(), c.raised ? 1u : 0u) << c.what;
    if (!c.raised) continue;
    EXPECT_TRUE(findings[0].fatal) << c.what;
    EXPECT_EQ(findings[0].lines, (std::vector<std::string>{
                                     " ++> Fatal Warning: Too many elements selected for shear/moment computation.",
                                     "     Reduce total to 10 or less."}))
        << c.what;
  }
}

// A column of `lengths` elements, a member from each element with a free lower joint (`free`), the
// run reaching the dynamics of an attached SALM (the vessel analysed, page 17's dynamics on) in 100
// (metres) of water.
void setColumn(std::int32_t iarco, std::vector<float> lengths, std::vector<std::int32_t> free) {
  Tpcm& t = TPCM;
  t.NUNTS = 1;
  t.DEPTH = 100.0f;
  t.IARCO = iarco;
  t.FRESLM = iarco == kFreeSalm ? 1 : 0;
  t.LQUAS = 1;
  t.LDYN = 1;
  t.YOKVES = kInLineYokeAngle;
  t.NELEM = static_cast<std::int32_t>(lengths.size());
  for (int k = 1; k <= t.NELEM; ++k) {
    t.SLEN(k) = lengths[k - 1];
    t.IFREE(k) = free[k - 1];
  }
  t.IPIERC = t.NELEM + 1;  // under water
}

// The dynamics take two members for a free SALM and a buoyant riser, three for the other
// attachments: a member begins at the first free joint and at each later one (a frozen base before
// it, frozen elements above it join the member below). Where the run does not reach the dynamics,
// the count is not theirs to refuse.
TEST_F(RunChecks, MoreMembersThanTheDynamicsTakeForTheAttachmentAreFatal) {
  struct Case {
    const char* what;
    std::int32_t iarco;
    std::vector<std::int32_t> free;  // of five elements
    std::function<void()> edit;
    int members, limit;  // limit 0: no finding
  };
  const auto none = [] {};
  const Case cases[] = {
      {"a riser of two members over a frozen base", kBuoyantRiser, {0, 1, 0, 0, 1}, none, 2, 0},
      {"a riser of three members", kBuoyantRiser, {0, 1, 0, 1, 1}, none, 3, 2},
      {"a riser of three members, each element a member but the first", kBuoyantRiser, {1, 0, 0, 1, 1}, none, 3, 2},
      {"a riser of three members, the dynamics off", kBuoyantRiser, {0, 1, 0, 1, 1}, [] { TPCM.LDYN = 0; }, 3, 0},
      {"a riser of three members, the statics alone (no vessel pages)", kBuoyantRiser, {0, 1, 0, 1, 1},
       [] { TPCM.LQUAS = 0; }, 3, 0},
      {"a yoke of three members", kYoke, {0, 1, 0, 1, 1}, none, 3, 0},
      {"a yoke of four members", kYoke, {1, 1, 0, 1, 1}, none, 4, 3},
      {"a rigid hawser of four members", kRigidHawser, {1, 1, 0, 1, 1}, none, 4, 3},
      {"a pendular mass of four members", kPendularMass, {1, 1, 1, 0, 1}, none, 4, 3},
      {"a spread moor of five members", kSpreadMoor, {1, 1, 1, 1, 1}, none, 5, 3},
      {"a free SALM of two members", kFreeSalm, {0, 0, 1, 0, 1}, none, 2, 0},
      {"a free SALM of three members", kFreeSalm, {0, 1, 0, 1, 1}, none, 3, 2},
      {"a free SALM of three members, no vessel pages: its dynamics run", kFreeSalm, {0, 1, 0, 1, 1},
       [] { TPCM.LQUAS = 0; }, 3, 2},
      {"no free joint: the last element is member 1", kBuoyantRiser, {0, 0, 0, 0, 0}, none, 1, 0},
  };
  for (const Case& c : cases) {
    setColumn(c.iarco, {10.0f, 10.0f, 10.0f, 10.0f, 10.0f}, c.free);
    c.edit();
    const std::vector<RunFinding> findings =
        testing_support::findingsNaming(runFindings(), "The wave-frequency dynamics of a");
    ASSERT_EQ(findings.size(), c.limit > 0 ? 1u : 0u) << c.what;
    if (c.limit == 0) continue;
    EXPECT_TRUE(findings[0].fatal) << c.what;
    EXPECT_EQ(findings[0].lines,
              (std::vector<std::string>{
                  std::string(" ++> Fatal Warning: The wave-frequency dynamics of a \"") + attachmentName(c.iarco) +
                      "\" take at",
                  "     most " + std::to_string(c.limit) + " Salm members; the elements form " +
                      std::to_string(c.members) + ", one from each free joint",
                  "     (page 3, item 7 of an element). Freeze a joint, choose another attachment",
                  "     (page 3, item 13 of the last element) or switch the dynamics off",
                  "     (page 17, item 5)."}))
        << c.what;
  }
}

// Options 7 and 8 of page 3 count every element buoyant and wet. A buoy standing upright higher
// than the water is deep, or an attachment on the vessel above the waterline, is above the water.
// The buoy: the elements below the attachment member (the last one with a free lower joint), the

// An attached SALM needs two members at least: one hinged on the sea bed and one at the vessel. The
// finding says what to add or which joints to free; a free SALM of one member stands.
TEST_F(RunChecks, AnAttachedSalmOfOneMemberIsFatal) {
  struct Case {
    const char* what;
    std::int32_t nelem;
    std::vector<std::int32_t> free;
    bool freeSalm;
    std::vector<std::string> advice;  // the finding's lines after its first four; empty: none
  };
  const Case cases[] = {
      {"one element", 1, {0}, false,
       {"     Add an element for the attachment (page 2, item 1) and free its lower joint",
        "     (page 3, element 2, item 7; a new element's joint starts frozen)."}},
      {"one element, its joint free", 1, {1}, false,
       {"     Add an element for the attachment (page 2, item 1) and free its lower joint",
        "     (page 3, element 2, item 7; a new element's joint starts frozen)."}},
      {"a new element on a hinged column", 2, {1, 0}, false,
       {"     Free the lower joint of element 2 (page 3, element 2, item 7;",
        "     a new element's joint starts frozen)."}},
      {"three elements all frozen", 3, {0, 0, 0}, false,
       {"     Free the lower joints of elements 1 and 3 (page 3, item 7 of each;",
        "     a new element's joint starts frozen)."}},
      {"two members", 2, {1, 1}, false, {}},
      {"a free SALM of one member", 1, {1}, true, {}},
      {"no elements: the auxiliary table alone", 0, {}, false, {}},
  };
  for (const Case& c : cases) {
    TPCM.NELEM = c.nelem;
    for (std::size_t k = 0; k < c.free.size(); ++k) TPCM.IFREE(static_cast<int>(k + 1)) = c.free[k];
    TPCM.FRESLM = c.freeSalm ? 1 : 0;
    TPCM.IARCO = c.freeSalm ? kFreeSalm : kYoke;
    const std::optional<RunFinding> finding = freeJointFinding();
    if (c.advice.empty()) {
      EXPECT_FALSE(finding.has_value()) << c.what;
      continue;
    }
    ASSERT_TRUE(finding.has_value()) << c.what;
    EXPECT_TRUE(finding->fatal);
    EXPECT_EQ(finding->lines.front(), " ++> Fatal Warning: An attached Salm needs at least two members: one hinged on")
        << c.what;
    EXPECT_EQ(std::vector<std::string>(finding->lines.begin() + 4, finding->lines.end()), c.advice) << c.what;
  }
}

// The column's top must reach the attachment: the depth (less a frozen base's height) plus the
// yoke's height. Members of 76 and 30 ft over 100 ft of water reach 106 ft: a yoke 6 ft above the
// water is reached, one 7 ft above it is not; a buoyant riser's top is held at the keel instead.
TEST_F(RunChecks, AColumnThatCannotReachItsAttachmentIsFatal) {
  struct Case {
    const char* what;
    std::function<void()> edit;
    bool raised;
  };
  const Case cases[] = {
      {"a yoke 6 ft above the water", [] { TPCM.YOKEHT = 6.0f; }, false},
      {"a yoke 7 ft above the water", [] { TPCM.YOKEHT = 7.0f; }, true},
      {"a frozen base of 20 ft lowers the height to reach", [] {
         TPCM.NELEM = 3;
         TPCM.SLEN(3) = 30.0f;
         TPCM.SLEN(2) = 76.0f;
         TPCM.SLEN(1) = 20.0f;
         TPCM.IFREE(1) = 0;
         TPCM.IFREE(2) = TPCM.IFREE(3) = 1;
         TPCM.YOKEHT = 25.0f;
       }, false},
      {"a riser held at a keel 20 ft down", [] {
         TPCM.IARCO = kBuoyantRiser;
         TPCM.YOKEHT = 60.0f;  // not read
         TPCM.DRAFT = 20.0f;
       }, false},
      {"a free SALM reaches nothing", [] {
         TPCM.IARCO = kFreeSalm;
         TPCM.FRESLM = 1;
         TPCM.YOKEHT = 60.0f;
       }, false},
  };
  const auto column = [] {
    resetAllBlocks();
    TPCM.NUNTS = kEnglishUnits;
    TPCM.DEPTH = 100.0f;
    TPCM.NELEM = 2;
    TPCM.SLEN(1) = 76.0f;
    TPCM.SLEN(2) = 30.0f;
    TPCM.IFREE(1) = TPCM.IFREE(2) = 1;
    TPCM.IARCO = kYoke;
  };
  for (const Case& c : cases) {
    column();
    c.edit();
    const std::optional<RunFinding> finding = columnReachFinding();
    EXPECT_EQ(finding.has_value(), c.raised) << c.what;
  }
  // Its message, with the statics' advice.
  column();
  TPCM.YOKEHT = 7.0f;
  EXPECT_EQ(testing_support::findingsText({*columnReachFinding()}),
            "[fatal]\n"
            " ++> Fatal Warning: The Salm column cannot reach the vessel's attachment. Its\n"
            "     top must stand 107.00 feet above its lowest free joint: the water\n"
            "     depth 100.00 feet (page 1, item 4) plus the yoke's height above the\n"
            "     waterline 7.00 feet (page 3, item 14 then 1).\n"
            "     No member standing up or down with one of them leaning reaches that height:\n"
            "     member 1 (element 1) 76.00 feet,\n"
            "     member 2 (element 2) 30.00 feet long, together 106.00 feet.\n"
            "     Change the element lengths (page 3, item 2), the water depth or the\n"
            "     attachment's height.\n");
}

// A user's buoyant riser under a discus buoy (English units): elements of 80 and 30 ft, all under
// water (page 3, option 7), hinged on the sea bed in 150 ft of water and held at the keel of a buoy
// of 40 ft draft, 110 ft above the hinge; loads tabulated up to 600 kips. Element 1 is a volume of
// 4,000 cubic feet centred at 40 ft, weighing 100 kips at 35 ft; element 2 9,425 cubic feet at
// 15 ft, 150 kips at 15 ft: 609.2 kips of net buoyancy in water of 64 lbs/cubic foot.
void userRiser(float secondLength) { testing_support::userRiserDataSet(secondLength); }

constexpr std::string_view kInLine = "members stand in line under";

// A finding's text as one line, its line ends and indents taken out.
std::string flatFinding(const RunFinding& finding) {
  std::string text;
  for (const std::string& line : finding.lines) text += text.empty() ? line : " " + line.substr(5);
  return text;
}

// The number after `label` in a text.
double numberAfter(const std::string& text, const std::string& label) {
  const std::size_t at = text.find(label);
  if (at == std::string::npos) {
    ADD_FAILURE() << "no \"" << label << "\" in " << text;
    return std::numeric_limits<double>::quiet_NaN();
  }
  return std::stod(text.substr(at + label.size()));
}

// Members that just span the height from the hinge to the keel stand in line under every load, and
// the finding stands before any stage. With 2 ft to spare they come within 1.72 degrees of line only
// above 405 kips, and with 36 m of slack under 8,000 t of table the members bend under the loads a
// run reaches: neither is judged at the table's largest load (riserReachFinding judges the run's
// loads). A first element of 150 ft under a second of 40 ft spans the 110 ft with the second
// folded straight back down from the first's top: in line under the smallest loads (as members
// that together span the height are under all), where the statics' table starts, with 80 ft to
// spare; 45 ft leans the second element off the first and stands clear. The changes the message names
// keep the members clear up to the table's largest load, to the hundredth it shows: 0.02 ft less does
// not. Other attachments, and a free SALM, are not this finding's.
TEST_F(RunChecks, ARiserInLineUnderEveryLoadIsFatalBeforeAnyStage) {
  struct Case {
    const char* what;
    float secondLength;
    std::function<void()> edit;
    const char* raised;  // the finding's first line; nullptr: none
  };
  const auto none = [] {};
  const char* every = " ++> Fatal Warning: The buoyant riser's members stand in line under every load.";
  const char* folded = " ++> Fatal Warning: The buoyant riser's members stand in line under the smallest";
  const Case cases[] = {
      {"no slack", 30.0f, none, every},
      {"no slack, the statics alone", 30.0f, [] { TPCM.LDYN = 0; }, every},
      {"2 ft of slack, in line above 405 kips, under the table's 600", 32.0f, none, nullptr},
      {"2 ft of slack, a table up to 99,999 kips", 32.0f, [] { TPCM.TLOAD = 99999.0f; }, nullptr},
      {"10 ft of slack: element 2 at 40 ft", 40.0f, none, nullptr},
      {"20 ft of slack", 50.0f, none, nullptr},
      {"element 1 at 150 ft, folded back", 40.0f, [] { TPCM.SLEN(1) = 150.0f; }, folded},
      {"element 1 at 150 ft, element 2 at 45 ft", 45.0f, [] { TPCM.SLEN(1) = 150.0f; }, nullptr},
      {"no slack, a yoke", 30.0f, [] { TPCM.IARCO = kYoke; }, nullptr},
      {"no slack, a free SALM", 30.0f, [] { TPCM.FRESLM = 1; TPCM.IARCO = kFreeSalm; }, nullptr},
      {"no slack, the riser's top element piercing", 30.0f, [] { TPCM.IPIERC = 2; TPCM.WETYOK = 0; }, nullptr},
      {"too short to reach the keel", 29.0f, none, nullptr},
  };
  for (const Case& c : cases) {
    userRiser(c.secondLength);
    c.edit();
    const std::vector<RunFinding> findings = testing_support::findingsNaming(runFindings(), kInLine);
    ASSERT_EQ(findings.size(), c.raised ? 1u : 0u) << c.what;
    if (c.raised) {
      EXPECT_TRUE(findings[0].fatal) << c.what;
      EXPECT_EQ(findings[0].lines.front(), c.raised) << c.what;
    }
  }

  userRiser(30.0f);
  EXPECT_EQ(testing_support::findingsText(testing_support::findingsNaming(runFindings(), kInLine)),
            "[fatal]\n"
            " ++> Fatal Warning: The buoyant riser's members stand in line under every load.\n"
            "     Elements 1 and 2, 80.00 and 30.00 feet long, together 110.00 feet, span\n"
            "     the 110.00 feet from the riser's hinge on the sea bed to the vessel's keel\n"
            "     (the water depth 150.00 feet less the draft 40.00 feet) with 0.00 feet to\n"
            "     spare. Under any load at the keel they would stand less than 1.72 degrees\n"
            "     out of line, where their loads need 1.72 degrees at least: the closer they\n"
            "     come into line, the more the riser's tension and the loads that the\n"
            "     vessel's motion at the keel gives it grow, without bound. Lengthen\n"
            "     element 1 by 3.20 to 59.99 or 60.05 to 70.00 feet (between them the keel\n"
            "     stands within 0.05 feet of the height at which the members fold in line at\n"
            "     no load) or element 2 by at least 2.98 feet (page 3, item 2), or lower the\n"
            "     keel: reduce the water depth (page 1, item 4) by 3.08 to 59.98\n"
            "     or 60.03 to 70.00 feet (between them the keel stands within 0.03 feet of\n"
            "     the height at which the members fold in line at no load) or deepen the\n"
            "     draft (page 5, item 10) by 3.08 to 59.98 or at least 60.03 feet (between\n"
            "     them the keel stands within 0.03 feet of the height at which the members\n"
            "     fold in line at no load). These keep them clear up to the largest load of\n"
            "     the table, 600.00 kips (page 2, item 2); the run then judges the riser at\n"
            "     the loads it reaches.\n");
  // Each change named, made as it says, bends the members by the least under the table's largest
  // load; 0.02 ft less does not. Element 1 beyond 150 ft would stand above the water (page 3,
  // option 7), and so would an element of 80 ft in water shallower than that, which the run's checks
  // refuse: 70 ft is as far as the message names either.
  const auto clearAtTable = [] {
    const SalmMembers m = salmMembers();
    return heldColumnStandsClear(heldColumn(m), attachmentHeight(m), TPCM.TLOAD);
  };
  const struct {
    const char* what;
    std::function<void()> edit;
    bool clear;
  } changes[] = {
      {"element 1 by 3.20 ft", [] { TPCM.SLEN(1) = 83.20f; }, true},
      {"element 1 by 3.18 ft", [] { TPCM.SLEN(1) = 83.18f; }, false},
      {"element 1 by 70.00 ft", [] { TPCM.SLEN(1) = 150.0f; }, true},
      {"element 2 by 2.98 ft", [] { TPCM.SLEN(2) = 32.98f; }, true},
      {"element 2 by 2.96 ft", [] { TPCM.SLEN(2) = 32.96f; }, false},
      {"the depth by 3.08 ft", [] { TPCM.DEPTH = 146.92f; }, true},
      {"the depth by 70.00 ft", [] { TPCM.DEPTH = 80.0f; }, true},
      {"the draft by 3.08 ft", [] { TPCM.DRAFT = 43.08f; }, true},
      {"the draft by 3.06 ft", [] { TPCM.DRAFT = 43.06f; }, false},
  };
  for (const auto& change : changes) {
    userRiser(30.0f);
    change.edit();
    EXPECT_EQ(clearAtTable(), change.clear) << change.what;
    EXPECT_TRUE(testing_support::findingsNaming(runFindings(), kInLine).empty()) << change.what;
  }
  // Between the two ranges of element 1, of the depth and of the draft the keel stands where
  // element 2 would hang folded straight back down from element 1's top under the smallest loads
  // (80 + 60 - 30 = 110 ft, or 80 - 30 = 50 ft below the keel lowered by 60): the run refuses those
  // amounts before any stage. Each end of each range, made as written, and the hundredth beyond it.
  const struct {
    const char* what;
    std::function<void()> edit;
    bool refused;
  } band[] = {
      {"element 1 by 59.99 ft", [] { TPCM.SLEN(1) += 59.99f; }, false},
      {"element 1 by 60.00 ft", [] { TPCM.SLEN(1) += 60.0f; }, true},
      {"element 1 by 60.04 ft", [] { TPCM.SLEN(1) += 60.04f; }, true},
      {"element 1 by 60.05 ft", [] { TPCM.SLEN(1) += 60.05f; }, false},
      {"the depth by 59.98 ft", [] { TPCM.DEPTH -= 59.98f; }, false},
      {"the depth by 59.99 ft", [] { TPCM.DEPTH -= 59.99f; }, true},
      {"the depth by 60.02 ft", [] { TPCM.DEPTH -= 60.02f; }, true},
      {"the depth by 60.03 ft", [] { TPCM.DEPTH -= 60.03f; }, false},
      {"the draft by 59.98 ft", [] { TPCM.DRAFT += 59.98f; }, false},
      {"the draft by 59.99 ft", [] { TPCM.DRAFT += 59.99f; }, true},
      {"the draft by 60.02 ft", [] { TPCM.DRAFT += 60.02f; }, true},
      {"the draft by 60.03 ft", [] { TPCM.DRAFT += 60.03f; }, false},
  };
  for (const auto& change : band) {
    userRiser(30.0f);
    change.edit();
    const std::vector<RunFinding> findings = testing_support::findingsNaming(runFindings(), kInLine);
    ASSERT_EQ(findings.size(), change.refused ? 1u : 0u) << change.what;
    if (change.refused) {
      EXPECT_EQ(findings[0].lines.front(), folded) << change.what;
    } else {
      EXPECT_TRUE(clearAtTable()) << change.what;
    }
  }
  for (const auto& beyond : {std::function<void()>([] { TPCM.SLEN(1) = 150.01f; }),
                             std::function<void()>([] { TPCM.DEPTH = 79.99f; })}) {
    userRiser(30.0f);
    beyond();
    EXPECT_EQ(testing_support::findingsNaming(runFindings(), "The whole system is under water").size(), 1u);
  }

  // Folded: the least change that unfolds them, made as written, leaves no finding of the kind.
  userRiser(40.0f);
  TPCM.SLEN(1) = 150.0f;
  const std::vector<RunFinding> fold = testing_support::findingsNaming(runFindings(), kInLine);
  ASSERT_EQ(fold.size(), 1u);
  const std::string text = flatFinding(fold[0]);
  EXPECT_NE(text.find("with 80.00 feet to spare. Under loads at the keel below "), std::string::npos) << text;
  EXPECT_NE(text.find("one member folded back along the other"), std::string::npos) << text;
  EXPECT_EQ(text.find("more length than the height"), std::string::npos) << text;
  EXPECT_EQ(text.find("Lengthen element 1"), std::string::npos) << text;  // not beyond the water
  EXPECT_EQ(text.find("reduce the water depth"), std::string::npos) << text;  // not below element 1
  const double second = numberAfter(text, "Lengthen element 2 by at least ");
  TPCM.SLEN(2) = 40.0f + static_cast<float>(second);
  EXPECT_TRUE(testing_support::findingsNaming(runFindings(), kInLine).empty()) << second;

  // Over a frozen base the height runs from the lowest free joint: the riser moved up onto a frozen
  // base of 10 ft, its first element shortened to 70 ft, no slack again.
  userRiser(30.0f);
  Tpcm& t = TPCM;
  t.NELEM = 3;
  t.IPIERC = 4;
  for (int k = 3; k >= 2; --k) {
    t.SLEN(k) = t.SLEN(k - 1);
    t.BUOY(k) = t.BUOY(k - 1);
    t.CBUOY(k) = t.CBUOY(k - 1);
    t.TMASS(k) = t.TMASS(k - 1);
    t.CGSALM(k) = t.CGSALM(k - 1);
    t.IFREE(k) = 1;
  }
  t.SLEN(2) = 70.0f;
  t.SLEN(1) = 10.0f;
  t.BUOY(1) = t.TMASS(1) = 0.0f;
  t.IFREE(1) = 0;
  const std::string base = testing_support::findingsText(testing_support::findingsNaming(runFindings(), kInLine));
  EXPECT_NE(base.find("     Elements 2 and 3, 70.00 and 30.00 feet long, together 100.00 feet, span\n"
                      "     the 100.00 feet from the riser's lowest free joint to the vessel's keel\n"
                      "     (the water depth 150.00 feet less the frozen base's height 10.00 feet and\n"
                      "     the draft 40.00 feet) with 0.00 feet to spare."),
            std::string::npos)
      << base;
}

// The user's riser in a sea of 3-hour storms, with `edit` made to it: the data set as the run's
// checks pass it.
void checkedRiser(float secondLength, const std::function<void()>& edit = [] {}) {
  userRiser(secondLength);
  TPCM.DURATN = 3.0f;
  TPCM.LRANDM = 1;
  edit();
}

// The user's riser as the run meets it once the slow drift has found its mean state: the data set
// kept as the run's checks passed it, its buoyancies then turned into forces as the statics turn
// them. A change a refusal names is made in `edit`, to the data set.
void riserInTheRun(float secondLength, const std::function<void()>& edit = [] {}) {
  checkedRiser(secondLength, edit);
  keepCheckedDataSet();
  for (int k = 1; k <= TPCM.NELEM; ++k) TPCM.BUOY(k) *= TPCM.DWATR / 1000.0f;
}

// A slow drift whose surge amplitude grows as a changed riser softens: `surge` at the spring of the
// user's riser with 2 ft of slack under 100 kips (its table's, as the slow drift reads it), as the
// inverse `power` of the spring.
std::function<float(float)> softeningSurge(float surge, float power) {
  riserInTheRun(32.0f);
  const RiserReach run = reachOf(100.0, {}, amplitude(0.0f));
  int J = 1;
  tableOffsetAtLoad(run.tableLoads.data(), run.tableOffsets.data(), 90, 100.0f, J);
  const float spring = tableStiffness(run.tableLoads.data(), run.tableOffsets.data(), J);
  return [spring, surge, power](float k) { return surge * std::pow(spring / k, power); };
}

// The user's riser as the run meets it once the slow drift has found its mean state (its
// buoyancies turned into forces by the statics): the reserve of its length over the hinge-to-keel
// distance at the slow drift's mean state against the keel's most probable peak motion along that
// line in the storm of 3 hours and the slow drift's peak excursion along that line; and the storm's
// peak offset, the mean offset plus that excursion, against the offset at which the members come
// within 1.72 degrees of line. The keel's motion is written here as a heave of 3.614 ft RMS at a
// mean period of 10.615 s, whose most probable peak in 3 hours is 3.614 sqrt(2 ln N), N the
// 3 x 3600 / 10.615 cycles of the storm: 13.45 ft, to which a horizontal motion along the line's outward
// direction adds in phase or takes away out of phase. The mean states are column_reach_test's (two
// free bodies in Python): 40 ft, 380.68 kips, 0.355 ft short; 50 ft, 3.02 kips, 12.748 ft short, the
// keel on a line 20.27 degrees from the vertical (cosine 0.938, sine 0.346), so that the heave alone
// moves it 12.62 ft along it, and a slow drift of 1 ft at a mean load of 3 kips (the riser's spring
// there about a fortieth of its net buoyancy per foot, the excursion the amplitude) 0.35 ft more.
TEST_F(RunChecks, ARiserTheRunsLoadsAndSeaTakeBeyondItsReachIsFatal) {
  const double sigma = 3.614, omega = 2.0 * std::numbers::pi / 10.615;
  KeelMotion heave;
  heave.zz0 = sigma * sigma;
  heave.zz2 = sigma * sigma * omega * omega;
  KeelMotion inPhase = heave;  // a horizontal motion of a third of the heave, in phase with it
  inPhase.xx0 = heave.zz0 / 9.0;
  inPhase.xz0 = heave.zz0 / 3.0;
  inPhase.xx2 = heave.zz2 / 9.0;
  inPhase.xz2 = heave.zz2 / 3.0;

  struct Case {
    const char* what;
    float secondLength;
    double meanLoad;
    KeelMotion keel;
    float surge;  // the slow drift's amplitude [ft]
    std::function<void()> edit;
    const char* says;  // what the finding begins with; empty: none
  };
  const auto none = [] {};
  const char* taut = " ++> Fatal Warning: The buoyant riser would go taut in the run's sea.";
  const char* inLine = " ++> Fatal Warning: The buoyant riser's members would come into line under the";
  const char* storm = " ++> Fatal Warning: The buoyant riser's members would come into line in the";
  const Case cases[] = {
      {"10 ft of slack, the user's heave", 40.0f, 380.68, heave, 0.0f, none, taut},
      {"10 ft of slack, no sea", 40.0f, 380.68, {}, 0.0f, none, ""},
      {"20 ft of slack, calm, the heave alone: 12.62 ft of 12.75", 50.0f, 3.02, heave, 0.0f, none, ""},
      {"20 ft of slack, calm, the heave and a slow drift of 1 ft", 50.0f, 3.02, heave, 1.0f, none, taut},
      {"20 ft of slack, calm, a horizontal motion in phase", 50.0f, 3.02, inPhase, 0.0f, none, taut},
      {"2 ft of slack, the storm's peak short of the line", 32.0f, 100.0, {}, 1.0f, none, ""},
      {"2 ft of slack, the storm's peak into the line", 32.0f, 100.0, {}, 12.0f, none, storm},
      {"2 ft of slack, the mean beyond 405 kips", 32.0f, 500.0, {}, 0.0f, none, inLine},
      {"a yoke", 40.0f, 380.68, heave, 0.0f, [] { TPCM.IARCO = kYoke; }, ""},
      {"a free SALM", 40.0f, 380.68, heave, 0.0f, [] { TPCM.FRESLM = 1; TPCM.IARCO = kFreeSalm; }, ""},
      {"too short to reach the keel", 29.0f, 380.68, heave, 0.0f, none, ""},
      {"no mean load", 40.0f, 0.0, heave, 0.0f, none, ""},
  };
  for (const Case& c : cases) {
    riserInTheRun(c.secondLength);
    const RiserReach reach = reachOf(c.meanLoad, c.keel, amplitude(c.surge));
    c.edit();
    const std::optional<RunFinding> finding = riserReachFinding(reach);
    ASSERT_EQ(finding.has_value(), std::string(c.says) != "") << c.what;
    if (!finding) continue;
    EXPECT_TRUE(finding->fatal) << c.what;
    EXPECT_EQ(finding->lines.front().rfind(c.says, 0), 0u) << c.what << "\n" << finding->lines.front();
    for (const std::string& line : finding->lines) EXPECT_LE(line.size(), 80u) << c.what;
  }

  // The storm's peak in offsets from the table's first load, none: the members come within 1.72
  // degrees of line with the keel 21.017 ft from the hinge, 9.881 ft beyond where it lies under no
  // load, element 1 upright and element 2 leaning 32 sqrt(1 - (30/32)^2) = 11.136 ft out, by two free
  // bodies in Python (tests/dataset/reference/riser_reach_reference.py); a load beyond the table's
  // largest is not named.
  riserInTheRun(32.0f);
  const std::string beyond = flatFinding(*riserReachFinding(reachOf(100.0, {}, amplitude(12.0f))));
  EXPECT_NEAR(numberAfter(beyond, "would carry it beyond "), 21.017 - 11.136, 0.006) << beyond;
  EXPECT_NE(beyond.find("feet, where the members come within 1.72 degrees of line (under 405.20 kips): the closer"),
            std::string::npos)
      << beyond;
  riserInTheRun(32.0f);
  TPCM.TLOAD = 400.0f;
  const std::string past = flatFinding(*riserReachFinding(reachOf(100.0, {}, amplitude(12.0f))));
  EXPECT_NE(past.find("of line: the closer"), std::string::npos) << past;
  EXPECT_EQ(past.find("(under 405.20 kips)"), std::string::npos) << past;

  riserInTheRun(50.0f);
  TPCM.LSWELL = 1;
  const RiserReach calm = reachOf(3.02, inPhase, amplitude(0.0f));
  EXPECT_EQ(testing_support::findingsText({*riserReachFinding(calm)}),
            "[fatal]\n"
            " ++> Fatal Warning: The buoyant riser would go taut in the run's sea. Elements 1\n"
            "     and 2, 80.00 and 50.00 feet long, together 130.00 feet, span\n"
            "     the 110.00 feet from the riser's hinge on the sea bed to the vessel's keel\n"
            "     (the water depth 150.00 feet less the draft 40.00 feet) with 20.00 feet to\n"
            "     spare. Under the slow drift's mean load of 3.02 kips they stand at 0.43\n"
            "     and 53.13 degrees from the vertical and hold the keel 117.25 feet from the\n"
            "     hinge, 12.75 feet short of their length. In the run's sea, the irregular\n"
            "     sea (page 15) and the swell (page 16) together, the vessel moves the keel\n"
            "     along the line from the hinge by 14.17 feet at the most probable peak of\n"
            "     the storm of 3.00 hours (page 17, item 51), more than that: the members\n"
            "     cannot reach so far, and the linear model of their motions would swing them\n"
            "     past where they can go, with loads without bound. Lengthen element 1\n"
            "     by 3.75 to 70.00 feet or element 2 by at least 5.08 feet (page 3, item 2),\n"
            "     or lower the keel: reduce the water depth (page 1, item 4)\n"
            "     by 4.10 to 70.00 feet or deepen the draft (page 5, item 10)\n"
            "     by 4.10 to 79.98 or at least 80.04 feet (between them the keel stands\n"
            "     within 0.04 feet of the height at which the members fold in line at no\n"
            "     load). Each takes it clear at this run's loads and sea as the run judges\n"
            "     them, the slow drift's excursion taken at the changed riser's stiffness,\n"
            "     with room for a tenth more motion; a lower keel changes the vessel's\n"
            "     response and loads too, which the run judges anew. Or analyse a calmer sea\n"
            "     or a lighter wind and current.\n");
  // Each change named clears the finding at the same loads and sea, with room for a tenth more
  // motion: a tenth of the change does not.
  const struct {
    const char* what;
    std::function<void()> edit;
    bool raised;
  } changes[] = {
      {"element 1 by 3.75 ft", [] { TPCM.SLEN(1) = 83.75f; }, false},
      {"element 2 by 5.08 ft", [] { TPCM.SLEN(2) = 55.08f; }, false},
      {"the depth by 4.10 ft", [] { TPCM.DEPTH = 145.90f; }, false},
      {"the draft by 4.10 ft", [] { TPCM.DRAFT = 44.10f; }, false},
      {"element 2 by 0.51 ft", [] { TPCM.SLEN(2) = 50.51f; }, true},
  };
  for (const auto& change : changes) {
    riserInTheRun(50.0f);
    change.edit();
    EXPECT_EQ(riserReachFinding(reachOf(3.02, inPhase, amplitude(0.0f))).has_value(), change.raised) << change.what;
  }
}

// The slow drift's excursion grows as the riser softens: a riser lengthened to keep the storm's peak
// clear is judged with its own table and the slow drift's amplitude at its own spring, as its run
// judges it. The surge amplitude here is that of a linear oscillator under a force spectrum flat
// about its frequency, inversely as the spring's 3/4 power (sigma^2 ~ 1 / (c k), c ~ sqrt(k m)): 8 ft
// at the user's riser's spring under 100 kips with 2 ft of slack. Each change the finding names,
// made as written and judged with the changed riser's table and spring, clears it; judged with the
// unchanged spring's amplitude it would have named less.
TEST_F(RunChecks, AChangeThatSoftensTheRiserIsJudgedAtItsOwnSpring) {
  const std::function<float(float)> surge = softeningSurge(8.0f, 0.75f);
  riserInTheRun(32.0f);
  const std::optional<RunFinding> finding = riserReachFinding(reachOf(100.0, {}, surge));
  ASSERT_TRUE(finding.has_value());
  EXPECT_EQ(finding->lines.front(), " ++> Fatal Warning: The buoyant riser's members would come into line in the");
  const std::vector<NamedChange> changes = namedChanges(flatFinding(*finding));
  ASSERT_FALSE(changes.empty()) << flatFinding(*finding);
  double second = 0.0;
  for (const NamedChange& change : changes) {
    if (change.what == "element 2") second = change.least;
    riserInTheRun(32.0f, [&change] { change.make(TPCM, static_cast<float>(change.least)); });
    EXPECT_FALSE(riserReachFinding(reachOf(100.0, {}, surge)).has_value()) << change.what;
  }
  // The same riser with the slow drift's amplitude held at the unchanged spring's would name a
  // lengthening of element 2 too short for the softened riser.
  riserInTheRun(32.0f);
  const std::vector<NamedChange> fixed = namedChanges(flatFinding(*riserReachFinding(reachOf(100.0, {}, amplitude(8.0f)))));
  for (const NamedChange& change : fixed) {
    if (change.what != "element 2") continue;
    EXPECT_LT(change.least, second);
    riserInTheRun(32.0f, [&change] { change.make(TPCM, static_cast<float>(change.least)); });
    EXPECT_TRUE(riserReachFinding(reachOf(100.0, {}, surge)).has_value());
  }
}

// The changes a refusal in the run names lie within the run's own checks of the data set it checked:
// under option 7 of page 3 the elements below the riser's top member stand upright under water, so
// that the water is no shallower than element 1 is long, nor element 1 longer than the water is
// deep. A change that cannot stay within them is left out: element 1 at 100 ft would have to grow
// past the water's 150 ft, and at 150 ft neither it nor the water has room. One that can is named up
// to the most they admit: the water reduced to no less than 100 ft. Each change named, made as
// written with its least and its most amount, meets no fatal finding of the run's checks that the
// data set did not meet already, and clears the riser at the same loads and sea.
TEST_F(RunChecks, TheChangesARefusalNamesLieWithinTheRunsChecks) {
  const double sigma = 3.614, omega = 2.0 * std::numbers::pi / 10.615;
  KeelMotion heave;
  heave.zz0 = sigma * sigma;
  heave.zz2 = sigma * sigma * omega * omega;
  struct Case {
    const char* what;
    float first, second;
    std::vector<std::string> named;  // what the changes named change, in their order
    double depthMost;                // the most of the depth's reduction [ft]
  };
  const Case cases[] = {
      {"element 1 at 100 ft, element 2 at 42 ft",
       100.0f,
       42.0f,
       {"element 2", "the volume of element 1", "the volume of element 2", "the depth", "the draft"},
       50.0},
      {"element 1 at 150 ft, element 2 at 45 ft",
       150.0f,
       45.0f,
       {"element 2", "the volume of element 1", "the volume of element 2", "the draft"},
       0.0},
  };
  const auto reach = [&heave] { return reachOf(380.68, heave, amplitude(2.0f)); };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const auto first = [&c] { TPCM.SLEN(1) = c.first; };
    riserInTheRun(c.second, first);
    const std::optional<RunFinding> finding = riserReachFinding(reach());
    ASSERT_TRUE(finding.has_value());
    const std::vector<NamedChange> changes = namedChanges(flatFinding(*finding));
    std::vector<std::string> named;
    for (const NamedChange& change : changes) named.push_back(change.what);
    EXPECT_EQ(named, c.named) << flatFinding(*finding);
    for (const NamedChange& change : changes) {
      if (change.what == "the depth") {
        EXPECT_EQ(change.most, c.depthMost);
      }
      for (const double amount : {change.least, change.most}) {
        if (!std::isfinite(amount)) continue;
        SCOPED_TRACE(change.what + " by " + std::to_string(amount));
        const auto made = [&] {
          first();
          change.make(TPCM, static_cast<float>(amount));
        };
        checkedRiser(c.second, first);
        const std::vector<RunFinding> before = runFindings();
        checkedRiser(c.second, made);
        for (const RunFinding& f : runFindings()) {
          if (!f.fatal) continue;
          bool old = false;
          // A finding about one value is the same where it names the value at the same figure.
          for (const RunFinding& b : before) old = old || (f.value.empty() ? b.lines == f.lines : b.value == f.value);
          EXPECT_TRUE(old) << testing_support::findingsText({f});
        }
        riserInTheRun(c.second, made);
        EXPECT_FALSE(riserReachFinding(reach()).has_value());
      }
    }
  }
}

// A peak load of the run's reports that brings the riser into line is refused, naming the load and
// the change that keeps the members clear under it, and that a larger table cannot help; within the
// members' reach it is no finding (the warning of a peak beyond the table then stands alone). The
// least raise of each element's volume that keeps the riser with 2 ft of slack 1.72 degrees out of
// line under 600 kips is 4882.683 cubic feet for element 1 and 4595.467 for element 2 by two free
// bodies in Python (tests/dataset/reference/riser_reach_reference.py), which the message names to
// the hundredth above; each change named, made as written, clears it.
TEST_F(RunChecks, APeakLoadThatBringsTheRiserIntoLineIsFatal) {
  riserInTheRun(32.0f);
  EXPECT_FALSE(riserPeakLoadFinding(400.0, "the most probable peak horizontal load of RANOUT").has_value());
  const std::optional<RunFinding> finding = riserPeakLoadFinding(600.0, "the most probable peak horizontal load of RANOUT");
  ASSERT_TRUE(finding.has_value());
  const std::string text = flatFinding(*finding);
  EXPECT_NE(text.find("Under the most probable peak horizontal load of RANOUT, 600.00 kips, they would stand 1.14 "
                      "degrees out of line"),
            std::string::npos)
      << text;
  EXPECT_NE(text.find("Raising the table (page 2, item 2) does not help. Lengthen element 1 by 1.04 to 61.98 or "
                      "62.06 to 70.00 feet (between them the keel stands within 0.06 feet of the height at which the "
                      "members fold in line at no load) or element 2 by at least 0.98 feet (page 3, item 2), raise "
                      "the volume of element 1 by at least 4882.69 cubic feet or element 2 by at least 4595.47 cubic "
                      "feet (page 3, item 3), or lower the keel"),
            std::string::npos)
      << text;
  const std::vector<NamedChange> changes = namedChanges(text);
  ASSERT_EQ(changes.size(), 6u) << text;
  for (const NamedChange& change : changes) {
    riserInTheRun(32.0f, [&change] { change.make(TPCM, static_cast<float>(change.least)); });
    EXPECT_FALSE(riserPeakLoadFinding(600.0, "the most probable peak horizontal load of RANOUT").has_value())
        << change.what;
  }
  const struct {
    const char* what;
    double python;  // [cubic feet]
  } raises[] = {{"the volume of element 1", 4882.683}, {"the volume of element 2", 4595.467}};
  for (const auto& raise : raises) {
    bool named = false;
    for (const NamedChange& change : changes) {
      if (change.what != raise.what) continue;
      named = true;
      EXPECT_NEAR(change.least, raise.python + 0.005, 0.006) << change.what;
    }
    EXPECT_TRUE(named) << raise.what;
  }

  // Once the run has judged its riser at the mean state (a slow drift of 12 ft at 100 kips, whose
  // storm's peak alone takes the riser into line), the changes the refusal names take it clear there
  // too: each least, made as written, keeps the members clear under the peak load and leaves no
  // refusal at the mean state; and each is at least the least that the peak load alone asks.
  const auto reached = [] { return reachOf(100.0, {}, amplitude(12.0f)); };
  riserInTheRun(32.0f);
  keepRiserReach(reached());
  const std::string whole = flatFinding(*riserPeakLoadFinding(600.0, "the most probable peak horizontal load of RANOUT"));
  const std::vector<NamedChange> wholeChanges = namedChanges(whole);
  ASSERT_FALSE(wholeChanges.empty()) << whole;
  for (const NamedChange& change : wholeChanges) {
    SCOPED_TRACE(change.what);
    for (const NamedChange& alone : changes) {
      if (alone.what == change.what) {
        EXPECT_GE(change.least, alone.least) << whole;
      }
    }
    riserInTheRun(32.0f, [&change] { change.make(TPCM, static_cast<float>(change.least)); });
    EXPECT_FALSE(riserPeakLoadFinding(600.0, "the most probable peak horizontal load of RANOUT").has_value());
    EXPECT_FALSE(riserReachFinding(reached()).has_value());
  }
}

// The least raise of an element's volume (page 3, item 3) that takes a riser clear, with its amount,
// found as the lengths' are, on the changed riser's table and at its spring, with room for a tenth
// more motion: the element's weight and the centres kept, the raised volume buoyed by the water's
// density. The user's riser with 2 ft of slack at a mean load of 100 kips, its storm's peak carried
// by a slow drift whose excursion grows as the riser softens (softeningSurge): a longer element or a
// lower keel softens it further and never takes it clear, more buoyancy stiffens it. Each raise
// named, made as written, clears the finding within the run's checks; a step less, or a tenth of
// it, does not. The run's checks admit element 2 (32 ft long) no more volume than a cylinder of its
// length and the water's 150 ft across, 565,486.7 cubic feet: where it would need more, only element
// 1 is named, and element 2 raised as far as the checks admit stays refused. A keel moving 80 ft RMS every way is
// beyond any change the search reaches: the message says what the run tried, and offers a calmer
// sea; it never names more buoyancy without an amount, nor a change where none was tried.
TEST_F(RunChecks, ARaiseOfAnElementsVolumeIsNamedWithItsAmount) {
  KeelMotion everyWay;  // 80 ft RMS horizontally and vertically, unrelated, at a 10 s period
  everyWay.xx0 = everyWay.zz0 = 80.0 * 80.0;
  everyWay.xx2 = everyWay.zz2 = 80.0 * 80.0 * std::pow(2.0 * std::numbers::pi / 10.0, 2);
  struct Case {
    const char* what;
    float second;
    double meanLoad;
    KeelMotion keel;
    std::function<float(float)> surge;
    const char* says;  // the advice, from its first change, each amount written as '#'
    std::size_t amounts;  // how many amounts it names
  };
  const Case cases[] = {
      {"the slow drift as the spring's inverse", 32.0f, 100.0, {}, softeningSurge(8.0f, 1.0f),
       "Raise the volume of element 1 by at least # cubic feet or element 2 by at least # cubic feet "
       "(page 3, item 3). Each takes it clear at this run's loads and sea as the run judges them, the slow drift's "
       "excursion taken at the changed riser's stiffness, with room for a tenth more motion. Or analyse a calmer sea "
       "or a lighter wind and current.",
       2},
      {"element 2 would need more volume than the checks admit", 32.0f, 100.0, {}, softeningSurge(50.0f, 0.75f),
       "Raise the volume of element 1 by at least # cubic feet (page 3, item 3). That takes it clear at this "
       "run's loads and sea as the run judges them, the slow drift's excursion taken at the changed riser's "
       "stiffness, with room for a tenth more motion. Or analyse a calmer sea or a lighter wind and current.",
       1},
      {"a keel moving 80 ft RMS every way", 50.0f, 3.02, everyWay, amplitude(0.0f),
       "No lengthening of an element or lowering of the keel by up to the riser's length, nor raise of an element's "
       "volume, that the run's checks admit takes it clear at this run's loads and sea: analyse a calmer sea or a "
       "lighter wind and current.",
       0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    riserInTheRun(c.second);
    const std::optional<RunFinding> finding = riserReachFinding(reachOf(c.meanLoad, c.keel, c.surge));
    ASSERT_TRUE(finding.has_value());
    for (const std::string& line : finding->lines) EXPECT_LE(line.size(), 80u);
    const std::string text = flatFinding(*finding);
    const std::regex amount(R"(by at least ([0-9.]+))");
    const auto named = std::distance(std::sregex_iterator(text.begin(), text.end(), amount), std::sregex_iterator());
    ASSERT_EQ(static_cast<std::size_t>(named), c.amounts) << text;
    const std::string masked = std::regex_replace(text, amount, "by at least #");
    ASSERT_NE(masked.find(c.says), std::string::npos) << text;
    EXPECT_TRUE(masked.ends_with(c.says)) << text;
    EXPECT_EQ(text.find("buoyancy"), std::string::npos) << text;
    // Each amount is the least: made as written it clears the riser within the run's checks, and,
    // judged with room for a tenth more motion as the search judges it (riser_judge), it is clear
    // there while a relative 1e-4 less is not (the judge reads its tables in 4 bytes, as the run
    // does, which is as close as its edge is defined); a tenth of it leaves the riser refused.
    for (const NamedChange& change : namedChanges(text)) {
      const auto made = [&](double amount) { return [&change, amount] { change.make(TPCM, static_cast<float>(amount)); }; };
      checkedRiser(c.second);
      const std::vector<RunFinding> before = runFindings();
      checkedRiser(c.second, made(change.least));
      for (const RunFinding& f : runFindings()) {
        bool old = false;
        for (const RunFinding& b : before) old = old || b.lines == f.lines;
        EXPECT_TRUE(old || !f.fatal) << testing_support::findingsText({f});
      }
      riserInTheRun(c.second, made(change.least));
      EXPECT_FALSE(riserReachFinding(reachOf(c.meanLoad, c.keel, c.surge)).has_value()) << change.what;
      const double step = 1.0E-4 * change.least;
      const auto clearWithRoom = [&](double amount) {
        riserInTheRun(c.second, made(amount));
        const HeldRiser riser = *heldRiser(true);
        const RiserReach reach = reachOf(c.meanLoad, c.keel, c.surge);
        const StormPeak peak =
            stormPeak(riser.column, riser.height, reach, riserTable(riser, reach, staticsTableOf(TPCM)), 1.1);
        return !peak.inLine && keelReach(riser.column, riser.height, reach, peak, 1.1).reaches();
      };
      EXPECT_TRUE(clearWithRoom(change.least)) << change.what;
      EXPECT_FALSE(clearWithRoom(change.least - step)) << change.what << " less " << step;
      riserInTheRun(c.second, made(0.1 * change.least));
      EXPECT_TRUE(riserReachFinding(reachOf(c.meanLoad, c.keel, c.surge)).has_value()) << change.what;
    }
  }
  // Element 2 raised as far as the checks admit, and a hundredth of a cubic foot in 1,000 beyond.
  const float most = 0.25f * static_cast<float>(std::numbers::pi) * 150.0f * 150.0f * 32.0f - 9425.0f;
  riserInTheRun(32.0f, [most] { TPCM.BUOY(2) += 0.9999f * most; });
  EXPECT_TRUE(riserReachFinding(reachOf(100.0, {}, softeningSurge(50.0f, 0.75f))).has_value());
  checkedRiser(32.0f, [most] { TPCM.BUOY(2) += 1.0001f * most; });
  EXPECT_EQ(testing_support::findingsNaming(runFindings(), "Total volume").size(), 1u);
}

// whole column of a free SALM; a frozen base inclined by ANCHOR reaches its cosine's share.
TEST_F(RunChecks, ATotallySubmergedSystemWhoseTopStandsAboveTheWaterIsFatal) {
  struct Case {
    const char* what;
    std::int32_t iarco;
    std::vector<float> lengths;      // of four elements: a frozen base, a member, two more
    std::function<void()> edit;
    std::vector<std::string> tail;   // the lines after the first; empty: no finding
  };
  const auto none = [] {};
  const std::vector<float> tall = {40.0f, 56.0f, 10.0f, 30.0f};   // the buoy's top at 106
  const std::vector<float> short_ = {40.0f, 46.0f, 10.0f, 30.0f};  // at 96
  const std::vector<std::string> buoyAbove = {
      "     item 1: option 7), yet the buoy's top (element 3), standing upright,",
      "     reaches 106.00 meters above the sea bed in 100.00 meters of water",
      "     (page 1, item 4). Choose an option with an element that pierces the",
      "     surface, or shorten the column."};
  const Case cases[] = {
      {"a yoke, the buoy's top above the water", kYoke, tall, none, buoyAbove},
      {"a yoke under option 8", kYoke, tall, [] { TPCM.WETYOK = 6; },
       {"     item 1: option 8), yet the buoy's top (element 3), standing upright,",
        "     reaches 106.00 meters above the sea bed in 100.00 meters of water",
        "     (page 1, item 4). Choose an option with an element that pierces the",
        "     surface, or shorten the column."}},
      {"a yoke, the system submerged for the dynamics alone (option 6)", kYoke, tall, [] { TPCM.WETYOK = 4; }, {}},
      {"a yoke, the buoy under water, the yoke's end on the vessel above it", kYoke, short_, [] { TPCM.YOKEHT = 12.0f; },
       {"     item 1: option 7), yet the attachment to the vessel stands 12.00 meters",
        "     above the water (page 3, item 14 then 1). Choose an option with an",
        "     element that pierces the surface, or lower the attachment."}},
      {"a yoke, the buoy and the yoke's end under water", kYoke, short_, [] { TPCM.YOKEHT = -5.0f; }, {}},
      {"a yoke whose buoy's top reaches the surface", kYoke, short_, [] { TPCM.DEPTH = 96.0f; }, {}},
      {"the base inclined by 60 degrees: 20 of its 40 upright", kYoke, tall, [] { TPCM.ANCHOR = 1.0471976f; }, {}},
      {"a buoyant riser under water: its top at the keel", kBuoyantRiser, short_, [] { TPCM.YOKEHT = 12.0f; }, {}},
      {"a buoyant riser whose buoy's top stands above the water", kBuoyantRiser, tall, none, buoyAbove},
      {"a free SALM, its column reaching 136", kFreeSalm, tall, none,
       {"     item 1: option 7), yet the column's top, standing upright,",
        "     reaches 136.00 meters above the sea bed in 100.00 meters of water",
        "     (page 1, item 4). Choose an option with an element that pierces the",
        "     surface, or shorten the column."}},
      {"a free SALM of 96 in English units", kFreeSalm, {40.0f, 46.0f, 10.0f, 0.0f},
       [] {
         TPCM.NUNTS = 0;
         TPCM.DEPTH = 90.0f;
       },
       {"     item 1: option 7), yet the column's top, standing upright,",
        "     reaches 96.00 feet above the sea bed in 90.00 feet of water",
        "     (page 1, item 4). Choose an option with an element that pierces the",
        "     surface, or shorten the column."}},
  };
  for (const Case& c : cases) {
    setColumn(c.iarco, c.lengths, {0, 1, 0, 1});
    TPCM.WETYOK = 5;
    TPCM.ANCHOR = 0.0f;
    TPCM.YOKEHT = 0.0f;
    c.edit();
    const std::vector<RunFinding> findings =
        testing_support::findingsNaming(runFindings(), "The whole system is under water");
    ASSERT_EQ(findings.size(), c.tail.empty() ? 0u : 1u) << c.what;
    if (c.tail.empty()) continue;
    EXPECT_TRUE(findings[0].fatal) << c.what;
    std::vector<std::string> lines{" ++> Fatal Warning: The whole system is under water for the statics (page 3,"};
    lines.insert(lines.end(), c.tail.begin(), c.tail.end());
    EXPECT_EQ(findings[0].lines, lines) << c.what;
  }
}

// With no element piercing the surface (page 2, item 6 naming none, or an element of the frozen
// base) the statics take every member dry: a column whose first free joint stands under the still
// water would float on no buoyancy. A tower whose free members all stand above the water is
// refused nothing; nor is a system under water for the statics (options 7 and 8), which must name no
// piercing element: page 2 shows none as element NELEM + 1 under them, 0 names none as well, and an
// element of the column is refused.
TEST_F(RunChecks, AColumnInTheWaterWithNothingPiercingItIsFatal) {
  struct Case {
    const char* what;
    std::vector<float> lengths;          // of three elements
    std::vector<std::int32_t> free;
    std::function<void()> edit;
    std::vector<std::string> lines;      // of the finding; empty: none
  };
  const auto pierce = [](std::int32_t element) { return [element] { TPCM.IPIERC = element; }; };
  const auto underWater = [](const char* option, const char* element) {
    return std::vector<std::string>{
        std::string(" ++> Fatal Warning: Option ") + option + " of page 3, item 1 puts the whole system under",
        std::string("     water, yet page 2, item 6 names element ") + element + " as piercing the surface. Choose",
        "     an option with an element that pierces the surface, or name none there (0):",
        "     under options 7 and 8 page 2 shows none as 4, the element past the last."};
  };
  const Case cases[] = {
      {"no element piercing, the first joint on the seabed", {70.0f, 30.0f, 30.0f}, {1, 1, 1}, pierce(0),
       {" ++> Fatal Warning: No element of the column pierces the water surface",
        "     (page 2, item 6: no element), yet its first free joint (element 1)",
        "     stands 100.00 meters under the still water: the statics would take every",
        "     member dry, floating on no buoyancy. Name the element that pierces the",
        "     surface, or put the whole system under water (page 3, item 1: option 7",
        "     or 8)."}},
      {"the frozen base named, its top 40 m down", {60.0f, 40.0f, 30.0f}, {0, 1, 1}, pierce(1),
       {" ++> Fatal Warning: No element of the column pierces the water surface",
        "     (page 2, item 6: element 1, in the frozen base), yet its first free joint",
        "     (element 2) stands 40.00 meters under the still water: the statics would",
        "     take every member dry, floating on no buoyancy. Name the element that",
        "     pierces the surface, or put the whole system under water (page 3, item 1:",
        "     option 7 or 8)."}},
      {"a tower to 4 m above the water", {104.0f, 10.0f, 30.0f}, {0, 1, 1}, pierce(1), {}},
      {"a tower reaching the surface", {100.0f, 10.0f, 30.0f}, {0, 1, 1}, pierce(0), {}},
      {"the element that pierces named", {70.0f, 30.0f, 30.0f}, {1, 1, 1}, pierce(2), {}},
      {"option 7, no element piercing", {40.0f, 30.0f, 20.0f}, {1, 1, 1}, [] { TPCM.WETYOK = 5; }, {}},
      {"option 7, element 2 named", {40.0f, 30.0f, 20.0f}, {1, 1, 1},
       [] {
         TPCM.WETYOK = 5;
         TPCM.IPIERC = 2;
       },
       underWater("7", "2")},
      {"option 8, none named as 0", {40.0f, 30.0f, 20.0f}, {1, 1, 1},
       [] {
         TPCM.WETYOK = 6;
         TPCM.IPIERC = 0;
       },
       {}},
      {"option 8, element 3 named", {40.0f, 30.0f, 20.0f}, {1, 1, 1},
       [] {
         TPCM.WETYOK = 6;
         TPCM.IPIERC = 3;
       },
       underWater("8", "3")},
  };
  for (const Case& c : cases) {
    setColumn(kYoke, c.lengths, c.free);
    TPCM.WETYOK = 0;
    c.edit();
    std::vector<RunFinding> findings = testing_support::findingsNaming(runFindings(), "pierces the water surface");
    const std::vector<RunFinding> submerged = testing_support::findingsNaming(runFindings(), "puts the whole system");
    findings.insert(findings.end(), submerged.begin(), submerged.end());
    ASSERT_EQ(findings.size(), c.lines.empty() ? 0u : 1u) << c.what;
    if (c.lines.empty()) continue;
    EXPECT_TRUE(findings[0].fatal) << c.what;
    EXPECT_EQ(findings[0].lines, c.lines) << c.what;
  }
}

// A user's road: a two-element column in 150 ft of water with page 2, item 6 at 0 (none) is refused,
// and the refusal's advice, the whole system under water (option 7 or 8), is then accepted as it
// stands: no second refusal sends the user back to page 2 over the same 0.
TEST_F(RunChecks, TheAdviceOfTheUnpiercedColumnIsAcceptedAsItStands) {
  setColumn(kYoke, {100.0f, 60.0f}, {1, 1});
  TPCM.NUNTS = 0;
  TPCM.DEPTH = 150.0f;
  TPCM.IPIERC = 0;
  TPCM.WETYOK = 0;
  const auto piercing = [] {
    std::vector<RunFinding> findings = testing_support::findingsNaming(runFindings(), "pierc");
    const std::vector<RunFinding> submerged = testing_support::findingsNaming(runFindings(), "puts the whole system");
    findings.insert(findings.end(), submerged.begin(), submerged.end());
    return findings;
  };
  const std::vector<RunFinding> first = piercing();
  ASSERT_EQ(first.size(), 1u);
  EXPECT_TRUE(first[0].fatal);
  EXPECT_EQ(first[0].lines[1], "     (page 2, item 6: no element), yet its first free joint (element 1)");
  EXPECT_EQ(first[0].lines[2], "     stands 150.00 feet under the still water: the statics would take every");
  EXPECT_EQ(first[0].lines[4], "     surface, or put the whole system under water (page 3, item 1: option 7");
  for (const std::int32_t option : {5, 6}) {
    TPCM.WETYOK = option;
    EXPECT_EQ(testing_support::findingsText(piercing()), "") << "option " << option + 2;
  }
}

// A tanker on a yoke SALM with its slow drift, wind and current on, no sea, the built-in models of
// the tanker example (no table, no file), in a folder of its own: no user coefficients are read.
class EmptyUserCoefficients : public testing_support::FreshRun {
 protected:
  void SetUp() override {
    FreshRun::SetUp();
    testing_support::DataSet().withSalm().withTanker().with([] {
      Tpcm& t = TPCM;
      t.EDUNIT = kScreenUnit;
      t.FRESLM = 0;
      t.LQUAS = 1;
      t.LWIND = 1;
      t.LCURNT = 1;
      t.LRANDM = 0;
      t.LSWELL = 0;
      t.LSWEL2 = 0;
      t.LEGDRG = 1;
      t.VESTYP = kShipVessel;
      t.LWBARG = 0x444;  // OCIMF tanker '77 (extended)
      t.LCBARG = 0x555;  // the extreme cylindrical bow: its one set is held whole
      t.LWVCOF = 0x666;  // tanker (2001)
    });
  }
  testing_support::TempDir dir;
};

using testing_support::findingsText;

const std::string kWindAllDirections =
    "[fatal]\n"
    " ++> Fatal Warning: The wind coefficient table of LOWDAT holds no rows;\n"
    "     the wind force model reads it for Cx, Cy and Cz.\n"
    "     On page 8, choose another wind model (item 2)\n"
    "     or specify the wind force coefficients (item 5).\n";
const std::string kCurrentNsmbMeanCurve =
    "[fatal]\n"
    " ++> Fatal Warning: The current coefficient table of LOWDAT holds no rows;\n"
    "     the current force model reads it for Cx, Cy and Cz.\n"
    "     On page 8, choose another current model (item 12)\n"
    "     or specify the current force coefficients (item 15).\n";
const std::string kDriftAllDirections =
    "[fatal]\n"
    " ++> Fatal Warning: The wave drift coefficient file \"DRFTCOFS.txt\" is missing;\n"
    "     the wave drift force model reads it for Cx, Cy and Cz.\n"
    "     On page 8, choose another wave drift model (item 22)\n"
    "     or put the file in the data set's folder.\n";

// Two rows typed into a table: 0 and 180 degrees, coefficients in the column `column` (1 Cx ..
// 3 Cz) alone.
void typeTwoRows(std::int32_t& count, Arr<float, 21>& angles, Arr<float, 21, 3>& coefficients, int column,
                 bool typeAngles = true) {
  count = 2;
  if (typeAngles) angles(2) = 180.0f;
  coefficients(1, column) = 0.8f;
  coefficients(2, column) = -0.6f;
}

// A load model that the run evaluates (the vessel analysed, the wind or current on, for drift a sea)
// and that reads user coefficients holding nothing is fatal, once per load, naming the directions
// that read them and page 8's items; a table with a row typed, another model, the load off, a free
// SALM and the statics alone raise nothing.
TEST_F(EmptyUserCoefficients, EachLoadNamesItsDirectionsAndWhereToMendThem) {
  struct Case {
    const char* what;
    std::function<void(Tpcm&, Lowcof&)> edit;
    std::string expected;
  };
  const Case cases[] = {
      {"built-in models", [](Tpcm&, Lowcof&) {}, ""},
      {"a new data set's wind: the table for all directions", [](Tpcm& t, Lowcof&) { t.LWBARG = 0x111; },
       kWindAllDirections},
      {"wind Cy alone", [](Tpcm& t, Lowcof&) { t.LWBARG = 0x414; },
       "[fatal]\n"
       " ++> Fatal Warning: The wind coefficient table of LOWDAT holds no rows;\n"
       "     the wind force model reads it for Cy.\n"
       "     On page 8, choose another wind model (item 3)\n"
       "     or specify the wind force coefficients (item 5).\n"},
      {"wind Cx and Cz", [](Tpcm& t, Lowcof&) { t.LWBARG = 0x141; },
       "[fatal]\n"
       " ++> Fatal Warning: The wind coefficient table of LOWDAT holds no rows;\n"
       "     the wind force model reads it for Cx and Cz.\n"
       "     On page 8, choose another wind model (items 2 and 4)\n"
       "     or specify the wind force coefficients (item 5).\n"},
      {"a new data set's current", [](Tpcm& t, Lowcof&) { t.LCBARG = 0x111; }, kCurrentNsmbMeanCurve},
      {"current Cz alone", [](Tpcm& t, Lowcof&) { t.LCBARG = 0x155; },
       "[fatal]\n"
       " ++> Fatal Warning: The current coefficient table of LOWDAT holds no rows;\n"
       "     the current force model reads it for Cz.\n"
       "     On page 8, choose another current model (item 14)\n"
       "     or specify the current force coefficients (item 15).\n"},
      {"current Cx beside the user file for Cy", [](Tpcm& t, Lowcof&) { t.LCBARG = 0x521; },
       "[fatal]\n"
       " ++> Fatal Warning: The current coefficient table of LOWDAT holds no rows;\n"
       "     the current force model reads it for Cx.\n"
       "     On page 8, choose another current model (item 12)\n"
       "     or specify the current force coefficients (item 15).\n"
       "[fatal]\n"
       " ++> Fatal Warning: The current coefficient file \"CRNTCOFS.txt\" is missing;\n"
       "     the current force model reads it for Cy.\n"
       "     On page 8, choose another current model (item 13)\n"
       "     or put the file in the data set's folder.\n"},
      {"the wind's user file for all directions, missing", [](Tpcm& t, Lowcof&) { t.LWBARG = 0x222; },
       "[fatal]\n"
       " ++> Fatal Warning: The wind coefficient file \"WINDCOFS.txt\" is missing;\n"
       "     the wind force model reads it for Cx, Cy and Cz.\n"
       "     On page 8, choose another wind model (item 2)\n"
       "     or put the file in the data set's folder.\n"},
      {"the wind's and the current's user files beside the data set", [](Tpcm& t, Lowcof&) {
         t.LWBARG = t.LCBARG = 0x222;
         testing_support::writeFileText("WINDCOFS.txt", "2\n0 1 0 0\n360 1 0 0\n");
         testing_support::writeFileText("CRNTCOFS.txt", "2\n0 1 0 0\n360 1 0 0\n");
       }, ""},
      {"the wind's user file with the wind off", [](Tpcm& t, Lowcof&) {
         t.LWBARG = 0x222;
         t.LWIND = 0;
       }, ""},
      // A data set of the tanker of a two-body program names its files by the body: the tanker's
      // current file is there, its wind and drift files are not.
      {"the hull's own file names", [](Tpcm& t, Lowcof&) {
         t.CREATR = 13;
         t.ISPM = 3;
         t.LWBARG = t.LCBARG = 0x222;
         t.LWVCOF = 0x111;
         t.LRANDM = 1;
         testing_support::writeFileText("TANKCRNT.txt", "2\n0 1 0 0\n360 1 0 0\n");
       },
       "[fatal]\n"
       " ++> Fatal Warning: The wind coefficient file \"TANKWIND.txt\" is missing;\n"
       "     the wind force model reads it for Cx, Cy and Cz.\n"
       "     On page 8, choose another wind model (item 2)\n"
       "     or put the file in the data set's folder.\n"
       "[fatal]\n"
       " ++> Fatal Warning: The wave drift coefficient file \"TANKDRFT.txt\" is missing;\n"
       "     the wave drift force model reads it for Cx, Cy and Cz.\n"
       "     On page 8, choose another wave drift model (item 22)\n"
       "     or put the file in the data set's folder.\n"},
      {"wind table with two rows", [](Tpcm& t, Lowcof& c) {
         t.LWBARG = 0x111;
         typeTwoRows(c.NUWNPT, c.UWNANG, c.UWNCFS, 1);
       }, ""},
      {"current table with its angles alone, the coefficients 0", [](Tpcm& t, Lowcof& c) {
         t.LCBARG = 0x111;
         c.NUCRPT = 2;
         c.UCRANG(2) = 180.0f;
       }, ""},
      {"a table opened on page 8 and left: two rows of 0", [](Tpcm& t, Lowcof& c) {
         t.LWBARG = 0x111;
         c.NUWNPT = 2;
       }, kWindAllDirections},
      {"the wind table typed for Cx, read for Cy", [](Tpcm& t, Lowcof& c) {
         t.LWBARG = 0x414;
         typeTwoRows(c.NUWNPT, c.UWNANG, c.UWNCFS, 1, false);
       },
       "[fatal]\n"
       " ++> Fatal Warning: The wind coefficient table of LOWDAT holds no rows;\n"
       "     the wind force model reads it for Cy.\n"
       "     On page 8, choose another wind model (item 3)\n"
       "     or specify the wind force coefficients (item 5).\n"},
      {"the current's table typed, the wind's empty", [](Tpcm& t, Lowcof& c) {
         t.LWBARG = t.LCBARG = 0x111;
         typeTwoRows(c.NUCRPT, c.UCRANG, c.UCRCFS, 2);
       }, kWindAllDirections},
      {"wind off", [](Tpcm& t, Lowcof&) {
         t.LWBARG = 0x111;
         t.LWIND = 0;
       }, ""},
      {"current off, no sea", [](Tpcm& t, Lowcof&) {
         t.LCBARG = 0x111;
         t.LCURNT = 0;
       }, ""},
      {"current off, the drift drag of the ship hull in a sea", [](Tpcm& t, Lowcof&) {
         t.LCBARG = 0x111;
         t.LCURNT = 0;
         t.LEGDRG = 0;
         t.LRANDM = 1;
       }, kCurrentNsmbMeanCurve},
      {"a new data set's drift model in irregular waves", [](Tpcm& t, Lowcof&) {
         t.LWVCOF = 0x111;
         t.LRANDM = 1;
       }, kDriftAllDirections},
      {"drift Cy alone in a swell", [](Tpcm& t, Lowcof&) {
         t.LWVCOF = 0x616;
         t.LSWELL = 1;
       },
       "[fatal]\n"
       " ++> Fatal Warning: The wave drift coefficient file \"DRFTCOFS.txt\" is missing;\n"
       "     the wave drift force model reads it for Cy.\n"
       "     On page 8, choose another wave drift model (item 23)\n"
       "     or put the file in the data set's folder.\n"},
      {"the drift file beside the data set", [](Tpcm& t, Lowcof&) {
         t.LWVCOF = 0x111;
         t.LRANDM = 1;
         testing_support::writeFileText("DRFTCOFS.txt", "2 2\n");
       }, ""},
      {"the drift model without a sea", [](Tpcm& t, Lowcof&) { t.LWVCOF = 0x111; }, ""},
      {"a new data set's models in a sea, wind and current on", [](Tpcm& t, Lowcof&) {
         t.LWBARG = t.LCBARG = t.LWVCOF = 0x111;
         t.LRANDM = 1;
       }, kWindAllDirections + kCurrentNsmbMeanCurve + kDriftAllDirections},
      {"a free SALM", [](Tpcm& t, Lowcof&) {
         t.LWBARG = t.LCBARG = t.LWVCOF = 0x111;
         t.LRANDM = 1;
         t.FRESLM = 1;
         t.IARCO = kFreeSalm;
       }, ""},
      {"the statics alone", [](Tpcm& t, Lowcof&) {
         t.LWBARG = t.LCBARG = t.LWVCOF = 0x111;
         t.LRANDM = 1;
         t.LQUAS = 0;
       }, ""},
  };
  const Tpcm start = TPCM;
  for (const Case& c : cases) {
    TPCM = start;
    LOWCOF = Lowcof{};
    for (const char* file : {"DRFTCOFS.txt", "WINDCOFS.txt", "CRNTCOFS.txt", "TANKCRNT.txt"}) std::remove(file);
    c.edit(TPCM, LOWCOF);
    std::vector<RunFinding> findings;
    addEmptyUserCoefficientFindings(findings);
    EXPECT_EQ(findingsText(findings), c.expected) << c.what;
  }
}

// The run and the end-of-session checks meet them among the other findings, in their place: after
// the yoke's angle, before the buoyant riser's piercing element. The data set's models and tables
// stay as they are.
TEST_F(EmptyUserCoefficients, AreAmongTheRunFindings) {
  TPCM.LWBARG = 0x111;
  TPCM.YOKVES = 0.0f;  // folded back over the buoy: a warning
  TPCM.IARCO = kBuoyantRiser;
  TPCM.NELEM = 1;
  TPCM.IFREE(1) = 0;  // its one element pierces the surface: fatal
  const std::string text = findingsText(runFindings());
  const std::size_t yoke = text.find("the yoke-vessel angle YOKVES");
  const std::size_t table = text.find(kWindAllDirections);
  const std::size_t riser = text.find("Buoyant riser with element 1");
  ASSERT_NE(yoke, std::string::npos) << text;
  ASSERT_NE(table, std::string::npos) << text;
  ASSERT_NE(riser, std::string::npos) << text;
  EXPECT_LT(yoke, table);
  EXPECT_LT(table, riser);
  EXPECT_EQ(TPCM.LWBARG, 0x111);
  EXPECT_EQ(LOWCOF.NUWNPT, 0);
}

// The user's files of the environment that the run reads, missing from the folder: each a fatal
// finding that names the file and the choice that asks for it, with its page and item; a file the
// run does not read (its stage not run, its flow calm or off, another type chosen) is no finding.
class MissingEnvironmentFiles : public EmptyUserCoefficients {};

TEST_F(MissingEnvironmentFiles, EachNamesThePageAndItemThatAskForIt) {
  const std::string wind =
      "[fatal]\n"
      " ++> Fatal Warning: The wind spectrum file \"WINDSPEC.txt\" is missing;\n"
      "     the wind spectral type (page 11, item 3) reads it:\n"
      "     choose another there, or put the file in the data set's folder.\n";
  const std::string sea =
      "[fatal]\n"
      " ++> Fatal Warning: The wave spectrum file \"WAVSPEC.txt\" is missing;\n"
      "     the irregular sea's wave type (page 15, item 2) reads it:\n"
      "     choose another there, or put the file in the data set's folder.\n";
  struct Case {
    const char* what;
    std::function<void(Tpcm&)> edit;
    std::string expected;
  };
  const Case cases[] = {
      {"the built-in spectra and profile", [](Tpcm&) {}, ""},
      {"the wind's file", [](Tpcm& t) { t.WNDTYP = kUserWindSpectrum; }, wind},
      {"the wind's file beside the data set", [](Tpcm& t) {
         t.WNDTYP = kUserWindSpectrum;
         testing_support::writeFileText("WINDSPEC.txt", "2\n0.01 1\n1 1\n");
       }, ""},
      {"the wind's file under a calm", [](Tpcm& t) {
         t.WNDTYP = kUserWindSpectrum;
         t.WNDSPD = 0.0f;
       }, ""},
      {"the wind's file with the wind off", [](Tpcm& t) {
         t.WNDTYP = kUserWindSpectrum;
         t.LWIND = 0;
       }, ""},
      {"the current's file", [](Tpcm& t) { t.CURTYP = kUserCurrentSpectrum; },
       "[fatal]\n"
       " ++> Fatal Warning: The current spectrum file \"CRNTSPEC.txt\" is missing;\n"
       "     the current spectral type (page 12, item 6) reads it:\n"
       "     choose another there, or put the file in the data set's folder.\n"},
      // The profile is built whatever the surface speed.
      {"the profile's file", [](Tpcm& t) {
         t.LCSTCR = 3;
         t.CURSPD = 0.0f;
       },
       "[fatal]\n"
       " ++> Fatal Warning: The current profile file \"CRNTPROF.txt\" is missing;\n"
       "     the current variation with depth (page 12, item 3) reads it:\n"
       "     choose another there, or put the file in the data set's folder.\n"},
      {"the sea's file", [](Tpcm& t) {
         t.LRANDM = 1;
         t.WAVTYP = kSpectrumUserFile;
       }, sea},
      {"the sea's and the swell's file", [](Tpcm& t) {
         t.LRANDM = 1;
         t.WAVTYP = kSpectrumUserFile;
         t.LSWELL = 1;
         t.SWLTYP = kSpectrumUserFile;
       },
       "[fatal]\n"
       " ++> Fatal Warning: The wave spectrum file \"WAVSPEC.txt\" is missing;\n"
       "     the irregular sea's wave type (page 15, item 2) and\n"
       "     the swell type (page 16, item 2) read it:\n"
       "     choose another there, or put the file in the data set's folder.\n"},
      {"the second swell's file", [](Tpcm& t) {
         t.LSWELL = 1;
         t.LSWEL2 = 1;
         t.SWLTYP2 = kSpectrumUserFile;
       },
       "[fatal]\n"
       " ++> Fatal Warning: The wave spectrum file \"WAVSPEC.txt\" is missing;\n"
       "     the second swell type (page 16, item 22) reads it:\n"
       "     choose another there, or put the file in the data set's folder.\n"},
      // Three choices do not fit on one line.
      {"the sea's and both swells' file", [](Tpcm& t) {
         t.LRANDM = 1;
         t.WAVTYP = kSpectrumUserFile;
         t.LSWELL = 1;
         t.SWLTYP = kSpectrumUserFile;
         t.LSWEL2 = 1;
         t.SWLTYP2 = kSpectrumUserFile;
       },
       "[fatal]\n"
       " ++> Fatal Warning: The wave spectrum file \"WAVSPEC.txt\" is missing;\n"
       "     the irregular sea's wave type (page 15, item 2),\n"
       "     the swell type (page 16, item 2) and\n"
       "     the second swell type (page 16, item 22) read it:\n"
       "     choose another there, or put the file in the data set's folder.\n"},
      {"every file of a free SALM's dynamics: the sea's alone", [](Tpcm& t) {
         t.FRESLM = 1;
         t.IARCO = kFreeSalm;
         t.LDYN = 1;
         t.LRANDM = 1;
         t.WAVTYP = kSpectrumUserFile;
         t.WNDTYP = kUserWindSpectrum;
         t.CURTYP = kUserCurrentSpectrum;
         t.LCSTCR = 3;
       }, sea},
      {"every file under the statics alone", [](Tpcm& t) {
         t.LQUAS = 0;
         t.LRANDM = 1;
         t.WAVTYP = kSpectrumUserFile;
         t.WNDTYP = kUserWindSpectrum;
         t.CURTYP = kUserCurrentSpectrum;
         t.LCSTCR = 3;
       }, ""},
  };
  const Tpcm start = TPCM;
  for (const Case& c : cases) {
    TPCM = start;
    TPCM.WNDSPD = 40.0f;
    TPCM.CURSPD = 2.0f;
    std::remove("WINDSPEC.txt");
    c.edit(TPCM);
    std::vector<RunFinding> findings;
    addMissingEnvironmentFileFindings(findings);
    EXPECT_EQ(findingsText(findings), c.expected) << c.what;
  }
}

// The run and the end-of-session checks meet them among their findings, after the user
// coefficients' files.
TEST_F(MissingEnvironmentFiles, AreAmongTheRunFindings) {
  TPCM.LWBARG = 0x222;
  TPCM.WNDSPD = 40.0f;
  TPCM.WNDTYP = kUserWindSpectrum;
  const std::string text = findingsText(runFindings());
  const std::size_t coefficients = text.find("\"WINDCOFS.txt\" is missing");
  const std::size_t spectrum = text.find("\"WINDSPEC.txt\" is missing");
  ASSERT_NE(coefficients, std::string::npos) << text;
  ASSERT_NE(spectrum, std::string::npos) << text;
  EXPECT_LT(coefficients, spectrum);
}

// The semi-submersible's hull model cuts its members at the draft (20 ft): without a member through
// the water surface the hull has no waterplane and the run's responses would all be 0. Fatal where
// the vessel is analysed with that model; its columns cross, its pontoons do not.
class SemiWaterline : public testing_support::HullMemberTest {};

TEST_F(SemiWaterline, NoMemberThroughTheWaterSurfaceIsFatal) {
  using testing_support::column;
  using testing_support::pontoon;
  using testing_support::putMember;
  // No page of the editor takes hull members: the refusal says where they come from.
  const auto emptyTable = [](const std::string& hull) {
    return std::vector<std::string>{
        " ++> Fatal Warning: The " + hull + "'s hull-member table is empty:",
        "     the hull has no waterplane and every response of the run would be 0.",
        "     No page of this editor takes hull members: open a data set that holds",
        "     them, or import them with page 19, choice 7, from a data file of the",
        "     semi-submersible program Dorvane or of a mooring program. The import",
        "     replaces every stored word, so import first, then edit. Or choose",
        "     another vessel type (page 5, item 11)."};
  };
  const std::vector<std::string> empty = emptyTable("semi-submersible");
  const auto noneCrossing = [](const std::string& draft, const std::string& hull = "semi-submersible") {
    return std::vector<std::string>{
        " ++> Fatal Warning: No hull member of the " + hull + " crosses the",
        "     waterline at the draft of " + draft + " (page 5, item 10): the hull has no",
        "     waterplane and every response of the run would be 0. Give a draft that",
        "     its columns cross, or choose another vessel type (page 5, item 11)."};
  };
  struct Case {
    const char* what;
    std::function<void()> edit;
    std::vector<std::string> expected;  // empty: no finding
  };
  const Case cases[] = {
      {"an empty table", [] {}, empty},
      {"two columns and a pontoon",
       [] {
         putMember(1, column(-30, 0));
         putMember(2, column(30, 0));
         putMember(3, pontoon(0));
       },
       {}},
      {"one column among the pontoons",
       [] {
         putMember(1, pontoon(-20));
         putMember(2, column(0, 0));
       },
       {}},
      {"pontoons alone",
       [] {
         putMember(1, pontoon(-20));
         putMember(2, pontoon(20));
       },
       noneCrossing("20.00")},
      {"the columns under water (their tops at 40 ft)",
       [] {
         putMember(1, column(-30, 0));
         putMember(2, column(30, 0));
         TPCM.DRAFT = 45.0f;
       },
       noneCrossing("45.00")},
      {"a column in the air (from 25 ft up)",
       [] {
         putMember(1, column(-30, 0));
         TPCM.RCYLB(3, 1) = 25.0f;
       },
       noneCrossing("20.00")},
      {"members whose ends coincide: no members at all",
       [] {
         putMember(1, column(-30, 0));
         putMember(2, pontoon(0));
         for (int i = 1; i <= 2; ++i)
           for (int k = 1; k <= 3; ++k) TPCM.RCYLT(k, i) = TPCM.RCYLB(k, i);
       },
       empty},
      {"a tension leg platform's empty table", [] { TPCM.VESTYP = kTensionLegPlatform; },
       emptyTable("tension-leg platform")},
      {"a caisson spar's empty table", [] { TPCM.VESTYP = kCaissonSpar; }, emptyTable("caisson spar")},
      {"a caisson spar under water", [] {
         TPCM.VESTYP = kCaissonSpar;
         putMember(1, column(0, 0));
         TPCM.DRAFT = 45.0f;
       },
       noneCrossing("45.00", "caisson spar")},
      {"a ship: another hull model", [] { TPCM.VESTYP = kShipVessel; TPCM.SEMI_LIKE = 0; }, {}},
      {"a free SALM: no vessel", [] { TPCM.FRESLM = 1; }, {}},
      {"the statics alone", [] { TPCM.LQUAS = 0; }, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TPCM.NCYL = 0;
    TPCM.DRAFT = 20.0f;
    TPCM.VESTYP = kSemiSubmersible;
    TPCM.SEMI_LIKE = 1;
    TPCM.FRESLM = 0;
    TPCM.LQUAS = 1;
    c.edit();
    std::vector<RunFinding> findings = testing_support::findingsNaming(runFindings(), "hull-member table");
    for (const RunFinding& f : testing_support::findingsNaming(runFindings(), "No hull member of")) findings.push_back(f);
    ASSERT_EQ(findings.size(), c.expected.empty() ? 0u : 1u);
    if (c.expected.empty()) continue;
    EXPECT_TRUE(findings[0].fatal);
    EXPECT_EQ(findings[0].lines, c.expected);
  }
}

// A discus buoy with mooring feedback needs the lines in the mooring section, which this program
// does not store: without one the buoy's surge, sway and yaw have no spring, unless the user gives
// their periods. Only where the vessel is analysed with the disc model, and only feedback 1 reads the
// lines (another value runs the rotations alone).
TEST_F(RunChecks, ADiscFeedingBackNoMooringLineIsFatal) {
  struct Case {
    const char* what;
    std::function<void()> edit;
    std::vector<std::string> motions;  // the finding's lines that name them; empty: no finding
  };
  const Case cases[] = {
      {"feedback without lines", [] {},
       {"     edits nor stores the mooring lines): without them the buoy's surge, sway",
        "     and yaw would have no spring and no moor-modified period."}},
      {"the surge period given", [] { TPCM.LSGPRD = 1; },
       {"     edits nor stores the mooring lines): without them the buoy's sway and yaw",
        "     would have no spring and no moor-modified period."}},
      {"the surge and yaw periods given", [] { TPCM.LSGPRD = TPCM.LYWPRD = 1; },
       {"     edits nor stores the mooring lines): without them the buoy's sway would",
        "     have no spring and no moor-modified period."}},
      {"a period flag neither 0 nor 1", [] { TPCM.LSGPRD = TPCM.LSWPRD = 1; TPCM.LYWPRD = 2; },
       {"     edits nor stores the mooring lines): without them the buoy's yaw would have",
        "     no spring and no moor-modified period."}},
      {"every period given", [] { TPCM.LSGPRD = TPCM.LSWPRD = TPCM.LYWPRD = 1; }, {}},
      {"one line", [] { TPCM.moor.NLIN = 1; }, {}},
      {"no feedback", [] { TPCM.MORFBK = 0; }, {}},
      {"feedback 2: the rotations alone", [] { TPCM.MORFBK = 2; }, {}},
      {"a ship", [] { TPCM.VESTYP = kShipVessel; }, {}},
      {"a free SALM: no vessel", [] { TPCM.FRESLM = 1; }, {}},
      {"the statics alone", [] { TPCM.LQUAS = 0; }, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Tpcm& t = TPCM;
    t.VESTYP = kDiscBuoy;
    t.SEMI_LIKE = 0;
    t.FRESLM = 0;
    t.LQUAS = 1;
    t.MORFBK = 1;
    t.moor.NLIN = 0;
    t.LSGPRD = t.LSWPRD = t.LYWPRD = 0;
    c.edit();
    const std::vector<RunFinding> findings = testing_support::findingsNaming(runFindings(), "Mooring feedback");
    ASSERT_EQ(findings.size(), c.motions.empty() ? 0u : 1u);
    if (c.motions.empty()) continue;
    EXPECT_TRUE(findings[0].fatal);
    std::vector<std::string> lines{
        " ++> Fatal Warning: Mooring feedback of the discus buoy (page 7, item 13) is on,",
        "     but the data set holds no mooring line to feed back (this program neither"};
    lines.insert(lines.end(), c.motions.begin(), c.motions.end());
    lines.insert(lines.end(), {"     Answer No at page 7, item 13, or analyse a data set that holds the mooring",
                               "     lines."});
    EXPECT_EQ(findings[0].lines, lines);
  }
}

// A hull end is a wedge of half-angle a, sin a = sqrt(0.36 factor); (beam / 2) cot a long, it fits
// the hull while it ends short of midships: cot a < length / beam. A hull of 100 by 20 m: tan a must
// exceed 0.2, sin^2 a = 0.04 / 1.04, so the factor 0.1068 (0.11 in hundredths) at least; 0, and 0.10,
// fail. Where the run uses each end: the tanker drift models in a sea, the bow for models 2 and 6,
// the stern for model 6 alone.
TEST_F(RunChecks, AHullEndThatDoesNotFitTheHullIsFatal) {
  struct Case {
    const char* what;
    float bow, stern;
    std::int32_t driftModels;  // LWVCOF
    std::int32_t sea;          // LRANDM
    std::vector<std::string> ends;
  };
  const std::int32_t tanker2001 = sameModelInAllDirections(6);
  const Case cases[] = {
      {"a bow of 0", 0.0f, 1.25f, tanker2001, 1, {"Bow"}},
      {"a bow of 0.10", 0.10f, 1.25f, tanker2001, 1, {"Bow"}},
      {"a bow of 0.11", 0.11f, 1.25f, tanker2001, 1, {}},
      {"the defaults", 1.0f, 1.25f, tanker2001, 1, {}},
      {"square ends", 2.77f, 3.0f, tanker2001, 1, {}},
      {"a stern of 0", 1.0f, 0.0f, tanker2001, 1, {"Stern"}},
      {"both ends of 0", 0.0f, 0.0f, tanker2001, 1, {"Bow", "Stern"}},
      {"both ends of 0, the legacy tanker model: its bow alone", 0.0f, 0.0f, sameModelInAllDirections(2), 1, {"Bow"}},
      {"both ends of 0, the 2001 model in yaw alone", 0.0f, 0.0f, 0x644, 1, {"Bow", "Stern"}},
      {"both ends of 0, the buoy drift model", 0.0f, 0.0f, sameModelInAllDirections(4), 1, {}},
      {"both ends of 0, no sea", 0.0f, 0.0f, tanker2001, 0, {}},
  };
  for (const Case& c : cases) {
    Tpcm& t = TPCM;
    t.FRESLM = 0;
    t.LQUAS = 1;
    t.LWL = 100.0f;
    t.BWL = 20.0f;
    t.BOWFAC = c.bow;
    t.STRNFC = c.stern;
    t.LWVCOF = c.driftModels;
    t.LRANDM = c.sea;
    const std::vector<RunFinding> findings = testing_support::findingsNaming(runFindings(), "shape factor");
    ASSERT_EQ(findings.size(), c.ends.size()) << c.what;
    for (std::size_t k = 0; k < findings.size(); ++k) {
      const bool bow = c.ends[k] == "Bow";
      EXPECT_TRUE(findings[k].fatal) << c.what;
      EXPECT_EQ(findings[k].lines,
                (std::vector<std::string>{
                    " ++> Fatal Warning: " + c.ends[k] + " shape factor (page 10, item " + (bow ? "21" : "22") +
                        ") is " + (bow ? (c.bow == 0.0f ? "0.00" : "0.10") : "0.00") + ";",
                    std::string("     the tanker drift model's ") + (bow ? "bow" : "stern") +
                        " would then taper past midships on this hull",
                    "     (beam 0.20 of its length, page 5); the analysis needs a factor from 0.11",
                    "     (the least that fits this hull) to 10.00 (item 20 of page 10 shows the",
                    "     factor), or a drift model of another hull (page 8, item 22)."}))
          << c.what;
    }
  }
}

// A waterline length so short that the beam over it overflows (an integer word read as a real, 257
// for 3.6E-43): the check returns, leaving the length to the value findings, where its search of
// the smallest fitting factor once counted up from two billion below zero.
TEST_F(RunChecks, AHullEndOfAVanishingWaterlineLeavesItToTheValues) {
  Tpcm& t = TPCM;
  t.FRESLM = 0;
  t.LQUAS = 1;
  t.LRANDM = 1;
  t.LWVCOF = sameModelInAllDirections(6);
  t.BOWFAC = 1.0f;
  t.STRNFC = 1.25f;
  t.BWL = 20.0f;
  t.LWL = std::bit_cast<float>(std::int32_t{257});
  EXPECT_TRUE(testing_support::findingsNaming(runFindings(), "shape factor").empty());
  EXPECT_FALSE(testing_support::findingsNaming(runFindings(), "Length of vessel at waterline").empty());
}

}  // namespace
}  // namespace qv
