// Page 5, the vessel's hydrostatics, driven with typed replies: its screen, hidden items, value
// edits, the vessel-type menu, the help, and the entry to the tanker estimator.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "dataset/tpcm.h"
#include "editor/pages.h"
#include "platform/units.h"
#include "support/checks.h"
#include "support/console_capture.h"
#include "support/fresh_run.h"
#include "util/nav_codes.h"
#include "vessel_page_fixture.h"

namespace qv {
namespace {

using testing_support::ConsoleCapture;
using testing_support::contains;
using testing_support::freshShip;
using testing_support::kSelectionPrompt;
using testing_support::screens;
const std::string kHeader = " **************  Page 5: Vessel Hydrostatic Characteristics  **************\n\n";

std::vector<std::string> showPage(const std::string& typed) { return testing_support::pageScreens(VESEL1, "5", typed); }

class VesselHydrostaticsPage : public testing_support::FreshRun {};

TEST_F(VesselHydrostaticsPage, ScreenOfAShip) {
  freshShip();
  TPCM.DISPL = 612731.12f;
  TPCM.TVKMT = 77.02f;
  TPCM.TVKML = 1341.38f;
  TPCM.TVKB = 31.96f;
  TPCM.TVKG = 44.07f;
  TPCM.CG_to_Midship = -12.5f;
  TPCM.AWP = 168756.34f;
  TPCM.LWL = 1031.74f;
  TPCM.BWL = 179.59f;
  TPCM.DRAFT = 62.0f;
  const auto shown = showPage("\n");
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_EQ(shown[1], kHeader +
                          "  1) Vessel displacement ................................  612731.12 k.lbs \n"
                          "  2) Transverse metacentric height (KMT) ................      77.02 ft    \n"
                          "  3) Longitudinal metacentric height (KML) ..............    1341.38 ft    \n"
                          "  4) Vertical center of buoyancy (VKB) ..................      31.96 ft    \n"
                          "  5) Vertical center of gravity (VKG) ...................      44.07 ft    \n"
                          "  6) LCG-to-Midships distance ...........................     -12.50 ft    \n"
                          "  7) Vessel water plane area ............................  168756.34 ft^2  \n"
                          "  8) Length of vessel at waterline ......................    1031.74 ft    \n"
                          "  9) Beam of vessel at waterline ........................     179.59 ft    \n"
                          " 10) Mean vessel draft ..................................      62.00 ft    \n"
                          "\n"
                          " 11) Vessel type for simulation ......................... Ship/barge/tanker        \n"
                          "\n"
                          " 12) Help for Tanker-Type Physical Characteristics\n" +
                          kSelectionPrompt);
  EXPECT_EQ(TPCM.LBACK, 0);

  freshShip();
  TPCM.NUNTS = 1;
  const std::string metric = showPage("\n")[1];
  EXPECT_TRUE(contains(metric, "  1) Vessel displacement ................................       0.00 m.ton \n"));
  EXPECT_TRUE(contains(metric, "  7) Vessel water plane area ............................       0.00 m^2   \n"));
  EXPECT_TRUE(contains(metric, " 10) Mean vessel draft ..................................       0.00 m     \n"));
}

TEST_F(VesselHydrostaticsPage, HiddenItemsKeepTheirNumbers) {
  struct Case {
    std::int32_t creatr, vestyp;
    bool typeShown, estimatorShown;
    const char* typeName;
  };
  const Case cases[] = {
      {11, 1, true, true, " Ship/barge/tanker"},
      {11, 3, true, false, " Semisubmersible"},
      {10, 5, true, false, " Tension Leg Platform"},
      {3, 6, true, false, " Caisson Spar"},
      {16, 4, true, false, " Disc-shaped vessel"},
      {11, 2, true, false, " Floating Jack-up "},
      {11, 9, true, false, " Undefined!"},
      {14, 1, false, true, ""},
      {17, 1, false, true, ""},
      {8, 1, false, true, ""},
      {1, 2, false, false, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.creatr << " " << c.vestyp);
    freshShip();
    TPCM.CREATR = c.creatr;
    TPCM.VESTYP = c.vestyp;
    // Select 11 and 12: a hidden item only draws the page again.
    const auto shown =
        showPage(std::string("11\n") + (c.typeShown ? "\n" : "") + "12\n" + (c.estimatorShown ? "\n" : "") + "\n");
    EXPECT_EQ(contains(shown[1], " 11) Vessel type for simulation ........................." + std::string(c.typeName)),
              c.typeShown);
    EXPECT_EQ(contains(shown[1], "\n\n 12) Help for Tanker-Type Physical Characteristics\n"), c.estimatorShown);
    const int menus = c.typeShown ? 1 : 0;
    const int estimators = c.estimatorShown ? 1 : 0;
    // Page, [menu, page,] page or (estimator, page) ...: count what was shown.
    int menuScreens = 0, estimatorScreens = 0;
    for (const std::string& screen : shown) {
      menuScreens += contains(screen, " +++   Vessel type for wave-frequency dynamics simulation  +++") ? 1 : 0;
      estimatorScreens += contains(screen, " >>> Independent variables for") ? 1 : 0;
    }
    EXPECT_EQ(menuScreens, menus);
    EXPECT_EQ(estimatorScreens, estimators);
    EXPECT_EQ(TPCM.VESTYP, c.vestyp) << "blank replies change nothing";
  }
}

TEST_F(VesselHydrostaticsPage, ValueEditsAreUnbounded) {
  struct Case {
    std::int32_t item;
    std::string reply;
    float& (*member)();
    float expected;
  };
  const Case cases[] = {
      {1, "250000", []() -> float& { return TPCM.DISPL; }, 250000.0f},
      {2, "-3.5", []() -> float& { return TPCM.TVKMT; }, -3.5f},
      {3, "1.5e3", []() -> float& { return TPCM.TVKML; }, 1500.0f},
      {4, "12", []() -> float& { return TPCM.TVKB; }, 12.0f},
      {5, "20", []() -> float& { return TPCM.TVKG; }, 20.0f},
      {6, "-7", []() -> float& { return TPCM.CG_to_Midship; }, -7.0f},
      {7, "1e9", []() -> float& { return TPCM.AWP; }, 1e9f},
      {8, "300", []() -> float& { return TPCM.LWL; }, 300.0f},
      {9, "50", []() -> float& { return TPCM.BWL; }, 50.0f},
      {10, "20", []() -> float& { return TPCM.DRAFT; }, 20.0f},
      {10, "", []() -> float& { return TPCM.DRAFT; }, 7.0f},     // blank keeps
      {10, "abc", []() -> float& { return TPCM.DRAFT; }, 7.0f},  // unreadable keeps
  };
  for (const Case& c : cases) {
    freshShip();
    c.member() = 7.0f;
    const auto shown = showPage(std::to_string(c.item) + "\n" + c.reply + "\n\n");
    EXPECT_EQ(c.member(), c.expected) << c.item << " " << c.reply;
    ASSERT_EQ(shown.size(), 3u);
    // The item's line again, then the value prompt.
    EXPECT_TRUE(
        contains(shown[1], kSelectionPrompt + std::string(c.item < 10 ? "  " : " ") + std::to_string(c.item) + ") "))
        << shown[1];
    EXPECT_TRUE(shown[1].ends_with(" Enter new value: "));
  }
}

TEST_F(VesselHydrostaticsPage, ValuePromptRepeatsTheItemLine) {
  freshShip();
  TPCM.DRAFT = 62.0f;
  const auto shown = showPage("10\n\n\n");
  EXPECT_TRUE(shown[1].ends_with(
      kSelectionPrompt + std::string(" 10) Mean vessel draft ..................................      62.00 ft    \n"
                                     " Enter new value: ")))
      << shown[1];
}

const std::string kFullMenu =
    "\n\n +++   Vessel type for wave-frequency dynamics simulation  +++\n\n"
    " 1) Displacement hull (ship/barge/tanker)\n"
    " 2) Floating Jack-up\n"
    " 3) Semisubmersible\n"
    " 4) Disc-shaped vessel (CALM buoy, arctic drillship)\n"
    " 5) Tension Leg Platform\n"
    " 6) Caisson Spar\n"
    "\n\n" +
    std::string(kSelectionPrompt);
const std::string kShortMenu =
    "\n\n +++   Vessel type for wave-frequency dynamics simulation  +++\n\n"
    " 3) Semisubmersible\n"
    " 5) Tension Leg Platform\n"
    " 6) Caisson Spar\n"
    "\n\n" +
    std::string(kSelectionPrompt);

TEST_F(VesselHydrostaticsPage, VesselTypeMenu) {
  struct Case {
    std::int32_t creatr, vestyp, semiLike;
    const char* reply;
    std::int32_t vestypAfter, semiLikeAfter;
  };
  const Case cases[] = {
      {11, 1, 0, "3", 3, 1},  {11, 3, 1, "4", 4, 0}, {11, 1, 0, "5", 5, 1},
      {11, 1, 0, "6", 6, 1},  {11, 3, 1, "2", 2, 0}, {11, 1, 0, "7", 6, 1},  // held at 6
      {11, 1, 0, "99", 6, 1}, {11, 3, 1, "", 3, 1},                          // blank: nothing
      {11, 3, 0, "0", 3, 0},                                                 // 0: nothing, SEMI_LIKE as it was
      {11, 1, 0, "b", 1, 0},                                                 // a navigation letter: nothing
      {11, 1, 0, "-4", 1, 0}, {3, 3, 0, "", 3, 1},  // the short menu sets SEMI_LIKE as it is shown
      {3, 3, 0, "1", 1, 0},                         // ... and does not hold the reply to its rows
      {3, 5, 0, "6", 6, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.creatr << " reply " << c.reply);
    freshShip();
    TPCM.CREATR = c.creatr;
    TPCM.VESTYP = c.vestyp;
    TPCM.SEMI_LIKE = c.semiLike;
    const auto shown = showPage("11\n" + std::string(c.reply) + "\n\n");
    ASSERT_EQ(shown.size(), 4u);
    EXPECT_EQ(shown[2], c.creatr == 3 ? kShortMenu : kFullMenu);
    EXPECT_EQ(TPCM.VESTYP, c.vestypAfter);
    EXPECT_EQ(TPCM.SEMI_LIKE, c.semiLikeAfter);
    EXPECT_EQ(TPCM.LBACK, 0);
  }
}

TEST_F(VesselHydrostaticsPage, VesselTypeNotes) {
  freshShip();
  // "?2" on the menu: the note of row 2; "?" all four; "?5" none; then a blank reply on the menu.
  const auto shown = showPage("11\n?2\n\n?\n\n?5\n\n\n\n");
  ASSERT_EQ(shown.size(), 10u);
  const std::string heading = "                 ****  Vessel Definition Notes  ****\n";
  EXPECT_EQ(shown[3], heading +
                          "\n ++> Item Number   2\n"
                          "     This item causes the simulation to search for Velnira \n"
                          "     to evaluate wave-frequency vessel motion response.\n"
                          "\n Press <RETURN> to continue: ");
  EXPECT_TRUE(
      contains(shown[5], "\n ++> Item Number  1\n     This item causes the simulation to search for Brantox \n"));
  EXPECT_TRUE(
      contains(shown[5], "\n ++> Item Number  4\n     This item causes the simulation to search for Tulkesh \n"));
  EXPECT_EQ(shown[7], heading + "\n ++> Sorry, no help for this line...\n\n\n Press <RETURN> to continue: ");
  EXPECT_EQ(shown[8], kFullMenu);
}

TEST_F(VesselHydrostaticsPage, Help) {
  freshShip();
  const std::string heading = " ********************  Vessel Definition Notes  ********************\n\n";
  // "?6": the note of the longitudinal centre of gravity under the item's own number.
  auto shown = showPage("?6\n\n\n");
  ASSERT_EQ(shown.size(), 4u);
  EXPECT_EQ(shown[2], heading +
                          "\n ++> Item Number 6\n"
                          "     The longitudinal center of gravity is measured from midships (the\n"
                          "     Lpp/2 point), positive aft. It is used with the OCIMF-type wind\n"
                          "     and current moment coefficients.\n"
                          "\n Press <RETURN> to continue: ");
  shown = showPage("?12\n\n\n");
  EXPECT_TRUE(shown[2].starts_with(heading + "\n ++> Item Number 12\n     Item 12 opens a database")) << shown[2];
  // Numbers beyond the items, or below 0, only draw the page again.
  for (const char* reply : {"?13\n\n", "?-1\n\n"}) {
    shown = showPage(reply);
    EXPECT_EQ(shown.size(), 3u) << reply;
    EXPECT_EQ(shown[1], shown[2]) << reply;
  }
  // The whole help: four screens, a fifth with the vessel-type note for the mooring programs but the spar's.
  struct Case {
    std::int32_t creatr;
    std::size_t screens;
  };
  for (const Case& c : {Case{11, 5}, Case{17, 4}, Case{3, 4}, Case{8, 4}}) {
    freshShip();
    TPCM.CREATR = c.creatr;
    shown = showPage("?\n" + std::string(c.screens, '\n') + "\n");
    ASSERT_EQ(shown.size(), c.screens + 3) << c.creatr;
    EXPECT_TRUE(shown[2].starts_with(heading + "\n ++> Item Number  1\n     The vessel displacement is")) << shown[2];
    EXPECT_EQ(contains(shown[c.screens + 1], "\n ++> Item Number  11\n     The vessel type selects"), c.screens == 5);
    EXPECT_TRUE(contains(shown[c.screens + 1], "\n ++> Item Number  12\n     Item 12 opens a database"));
  }
}

TEST_F(VesselHydrostaticsPage, EstimatorFromThePage) {
  freshShip();
  TPCM.DWTONS = 560000.0f;  // 250000 long tons
  TPCM.DRAFT = 62.0f;
  // The estimator opens on its estimates; "e,d" copies the draft and the beam, then the page again.
  const auto shown = showPage("12\ne,d\n\n");
  ASSERT_EQ(shown.size(), 4u);
  EXPECT_TRUE(shown[2].starts_with(" >>> Independent variables for     1. Deadweight (DWT)....  250000. Long Tons\n"));
  EXPECT_TRUE(contains(shown[3], "  9) Beam of vessel at waterline ........................     179.59 ft    \n"));
  EXPECT_EQ(TPCM.DRAFT, 62.0f);
  EXPECT_EQ(TPCM.DISPL, 0.0f);
  EXPECT_EQ(TPCM.LBACK, 0);
}

TEST_F(VesselHydrostaticsPage, CodesAndListing) {
  for (const auto& [reply, code] : {std::pair{"b\n", kNavBack}, std::pair{"j9\n", kNavJump}, std::pair{"\n", 0}}) {
    freshShip();
    showPage(reply);
    EXPECT_EQ(TPCM.LBACK, code) << reply;
  }
  freshShip();
  TPCM.LCOPY = 1;
  TPCM.LBACK = kNavFirst;
  ConsoleCapture console;
  VESEL1("5", "Vessel");
  EXPECT_EQ(TPCM.LBACK, 0);
  EXPECT_TRUE(console.screen().starts_with(kHeader)) << "no screen cleared in a listing";
  EXPECT_TRUE(console.screen().ends_with(" 12) Help for Tanker-Type Physical Characteristics\n\n\n\n"));
}

}  // namespace
}  // namespace qv
