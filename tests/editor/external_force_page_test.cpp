// Page 9, the constant external force on the vessel, driven with typed replies: its screen in both
// unit systems, the items offered only with the force on, the axes toggle, its notes and the codes
// it hands to the sequencer.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "dataset/tpcm.h"
#include "editor/pages.h"
#include "platform/units.h"
#include "editor/page_cases.h"
#include "support/checks.h"
#include "support/fresh_run.h"
#include "util/nav_codes.h"

namespace qv {
namespace {

using testing_support::contains;
using testing_support::inBatch;
using testing_support::ipagIs;
using testing_support::kSelectionPrompt;
using testing_support::PageCase;
using testing_support::runPageCases;
using testing_support::toggleAsked;
const std::string kHeader = "\f   ****  Page 9: Vessel External Force/Moment Specification  ****\n\n\n";

void forceOn() {
  resetAllBlocks();
  TPCM.EDUNIT = kScreenUnit;
  TPCM.AUXFRC = 1;
}

std::string showPage(const std::string& typed) {
  return testing_support::typeOnPage([] { EXTFRC("9", "Vessel"); }, typed);
}

class ExternalForcePage : public testing_support::FreshRun {};

TEST_F(ExternalForcePage, Screens) {
  forceOn();
  Tpcm& t = TPCM;
  t.XVFRC = 100.0f;
  t.YVFRC = -25.5f;
  t.VESMOM = 12345.0f;
  t.CRDSYS = 1;
  t.XVLOC = 150.0f;
  t.YVLOC = -10.0f;
  EXPECT_EQ(showPage("\n"), kHeader +
                                " 1) Simulate constant force/moment on vessel:   Yes\n"
                                "\n"
                                " 2) X force component ........................     100.00 kips           \n"
                                " 3) Y force component ........................     -25.50 kips           \n"
                                " 4) Applied moment (force couple) value ......  0.123E+05 k. ft-lbs \n"
                                " 5) Auxiliary force components defined in <<vessel>> coordinate system\n"
                                "\n"
                                "   ++> Coordinates of Applied Force are in <<vessel>> system\n"
                                "\n"
                                " 6) Applied force X-coordinate (from c.g.) ...     150.00 feet           \n"
                                " 7) Applied force Y-coordinate (from c.g.) ...     -10.00 feet           \n" +
                                kSelectionPrompt);

  t.NUNTS = 1;
  t.CRDSYS = 2;  // anything but 1 is the global system
  t.VESMOM = -0.5f;
  const std::string metric = showPage("\n");
  EXPECT_TRUE(contains(metric, " 2) X force component ........................     100.00 metric tons    \n")) << metric;
  EXPECT_TRUE(contains(metric, " 4) Applied moment (force couple) value ...... -0.500E+00 ton-meters\n")) << metric;
  EXPECT_TRUE(contains(metric, " 5) Auxiliary force components defined in <<global>> coordinate system\n\n"
                               "   ++> Coordinates of Applied Force are in <<vessel>> system\n"))
      << metric;
  EXPECT_TRUE(contains(metric, " 7) Applied force Y-coordinate (from c.g.) ...     -10.00 meters         \n")) << metric;

  t.AUXFRC = 0;
  EXPECT_EQ(showPage("\n"), kHeader + " 1) Simulate constant force/moment on vessel:   No \n" + kSelectionPrompt);
}

TEST_F(ExternalForcePage, Edits) {
  // A value prompt follows the item line written again.
  const auto prompted = [](const char* line) { return kSelectionPrompt + std::string(line) + " Enter new value: \f"; };
  const PageCase cases[] = {
      {"force off", "1\n\n", [] {}, [] { EXPECT_EQ(TPCM.AUXFRC, 0); }},
      {"force on", "1\n\n", [] { TPCM.AUXFRC = 0; }, [] { EXPECT_EQ(TPCM.AUXFRC, 1); }},
      {"x force", "2\n120.5\n\n", [] {}, [] { EXPECT_EQ(TPCM.XVFRC, 120.5f); }},
      {"y force", "3\n-40\n\n", [] {}, [] { EXPECT_EQ(TPCM.YVFRC, -40.0f); },
       prompted(" 3) Y force component ........................       0.00 kips           \n")},
      {"moment", "4\n2.5e4\n\n", [] {}, [] { EXPECT_EQ(TPCM.VESMOM, 25000.0f); },
       prompted(" 4) Applied moment (force couple) value ......  0.000E+00 k. ft-lbs \n")},
      {"axes vessel", "5\n\n", [] {}, [] { EXPECT_EQ(TPCM.CRDSYS, 1); }},
      {"axes global", "5\n\n", [] { TPCM.CRDSYS = 1; }, [] { EXPECT_EQ(TPCM.CRDSYS, 0); }},
      {"axes from 2 to global", "5\n\n", [] { TPCM.CRDSYS = 2; }, [] { EXPECT_EQ(TPCM.CRDSYS, 0); }},
      {"point x", "6\n75\n\n", [] {}, [] { EXPECT_EQ(TPCM.XVLOC, 75.0f); },
       prompted(" 6) Applied force X-coordinate (from c.g.) ...       0.00 feet           \n")},
      {"point y", "7\n-3.25\n\n", [] {}, [] { EXPECT_EQ(TPCM.YVLOC, -3.25f); }},
      {"x force, blank keeps", "2\n\n\n", [] { TPCM.XVFRC = 9.0f; }, [] { EXPECT_EQ(TPCM.XVFRC, 9.0f); }},
      {"x force, a letter keeps", "2\nb\n\n", [] { TPCM.XVFRC = 9.0f; }, [] { EXPECT_EQ(TPCM.XVFRC, 9.0f); }},
      // Without the force, items 2 to 7 only draw the page again: nothing is asked or changed.
      {"x force while off", "2\n\n", [] { TPCM.AUXFRC = 0; }, [] { EXPECT_EQ(TPCM.XVFRC, 0.0f); }},
      {"axes while off", "5\n\n", [] { TPCM.AUXFRC = 0; }, [] { EXPECT_EQ(TPCM.CRDSYS, 0); }},
      {"point y while off", "7\n\n", [] { TPCM.AUXFRC = 0; }, [] { EXPECT_EQ(TPCM.YVLOC, 0.0f); }},
      {"no such items", "8\n40\n\n", [] {}, [] { EXPECT_EQ(TPCM.AUXFRC, 1); }},
  };
  runPageCases(cases, forceOn, showPage);
}

TEST_F(ExternalForcePage, BatchSessionAsks) {
  const std::string yesNo = toggleAsked("Yes", "No") + "\f";
  const std::string axes = toggleAsked("Vessel", "Global") + "\f";
  const PageCase cases[] = {
      {"force 0", "1\n0\n\n", [] {}, [] { EXPECT_EQ(TPCM.AUXFRC, 0); }, yesNo},
      {"force blank", "1\n\n\n", [] {}, [] { EXPECT_EQ(TPCM.AUXFRC, 1); }, yesNo},
      {"axes 1", "5\n1\n\n", [] {}, [] { EXPECT_EQ(TPCM.CRDSYS, 1); }, axes},
      {"axes 2", "5\n2\n\n", [] {}, [] { EXPECT_EQ(TPCM.CRDSYS, 0); }, axes},
  };
  runPageCases(cases, inBatch(forceOn), showPage);
}

TEST_F(ExternalForcePage, Notes) {
  struct Case {
    std::string typed;
    std::vector<std::string> shown;
    int pauses;
    const char* absent = nullptr;
  };
  const std::string title = "\f                 ****  Vessel Environmental Load Notes  ****\n";
  const Case cases[] = {
      {"?\n\n\n\n",
       {title + "\n ++> Item Number  1\n A constant force",
        " Press <RETURN> to continue: \f\n ++> Item Numbers 2 -> 4\n The X and Y",
        "centre of gravity.\n A force whose line", "\n\n ++> Item Number  5\n A thruster",
        "\n\n ++> Item Numbers 6 -> 7\n The X and Y"},
       2},
      {"?1\n\n\n", {title + "\n ++> Item Number   1\n A constant force"}, 1},
      {"?4\n\n\n", {title + "\n ++> Item Number   4\n The X and Y", "centre of gravity.\n A force whose line"}, 1},
      {"?5\n\n\n", {title + "\n ++> Item Number   5\n A thruster"}, 1},
      {"?7\n\n\n", {title + "\n ++> Item Number   7\n The X and Y"}, 1, "moment of its own"},
      {"?8\n\n\n", {title + "\n ++> Sorry, no help for this line...\n\n\n Press <RETURN> to continue: "}, 1},
  };
  for (const Case& c : cases) {
    forceOn();
    const std::string screen = showPage(c.typed);
    for (const std::string& s : c.shown) EXPECT_TRUE(contains(screen, s)) << c.typed << ": " << s << "\n" << screen;
    int pauses = 0;
    for (std::size_t at = screen.find("Press <RETURN>"); at != std::string::npos; at = screen.find("Press <RETURN>", at + 1))
      ++pauses;
    EXPECT_EQ(pauses, c.pauses) << c.typed;
    if (c.absent != nullptr) {
      EXPECT_FALSE(contains(screen, c.absent)) << c.typed;
    }
  }
}

TEST_F(ExternalForcePage, CodesAndListing) {
  const PageCase cases[] = {
      {"blank", "\n", [] { TPCM.IPAG = -5; }, ipagIs(-5)},
      {"B", "b\n", [] {}, ipagIs(0), "", kNavBack},
      {"J17", "j17\n", [] {}, ipagIs(17), "", kNavJump},
      {"L", "l\n", [] {}, ipagIs(0), "", kNavLast},
  };
  runPageCases(cases, forceOn, showPage);

  forceOn();
  TPCM.LCOPY = 1;
  TPCM.LBACK = kNavFirst;
  const std::string screen = showPage("");
  EXPECT_EQ(TPCM.LBACK, 0);
  EXPECT_TRUE(screen.starts_with(kHeader.substr(1))) << screen;
  EXPECT_TRUE(screen.ends_with(" 7) Applied force Y-coordinate (from c.g.) ...       0.00 feet           \n\n\n\n"))
      << screen;
}

}  // namespace
}  // namespace qv
