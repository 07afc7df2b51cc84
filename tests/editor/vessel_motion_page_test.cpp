// Page 6, the vessel's inertia and motion, driven with typed replies: its screen, the items hidden
// by the keel, speed, creator and user-RAO settings, the speed in knots, the toggles and the help.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "dataset/tpcm.h"
#include "editor/pages.h"
#include "platform/units.h"
#include "support/checks.h"
#include "support/console_capture.h"
#include "support/fresh_run.h"
#include "vessel_page_fixture.h"

namespace qv {
namespace {

using testing_support::contains;
using testing_support::freshShip;
using testing_support::kSelectionPrompt;
using testing_support::screens;
using testing_support::showsItem;

std::vector<std::string> showPage(const std::string& typed) { return testing_support::pageScreens(VESEL2, "6", typed); }

class VesselMotionPage : public testing_support::FreshRun {};

TEST_F(VesselMotionPage, ScreenWithEveryItem) {
  freshShip();
  TPCM.PGYR = 278.04f;
  TPCM.RGYR = 59.71f;
  TPCM.TYGYR = 281.85f;
  TPCM.BILGR = 12.57f;
  TPCM.LKEEL = 1;
  TPCM.TKEEL = 300.0f;
  TPCM.RKEEL = 1.5f;
  TPCM.DKEEL = 85.0f;
  TPCM.TVFWD = 16.87f;  // 10 knots
  TPCM.VGLDIR = 90.0f;
  TPCM.TRIMDG = 1.5f;
  TPCM.HEELDG = -2.0f;
  TPCM.AUXVSH = 1;
  TPCM.DECKUP = 2;
  const auto shown = showPage("\n");
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_EQ(shown[1],
            " ***********  Page 6: Vessel Gyradii and Bilge Specifications  ***********\n"
            "\n"
            "  1) Pitch Gyradius .....................................    278.04 ft    \n"
            "  2) Roll Gyradius ......................................     59.71 ft    \n"
            "  3) Yaw Gyradius .......................................    281.85 ft    \n"
            "\n"
            "  4) Bilge radius at maximum beam station ...............     12.57 ft    \n"
            "  5) Is there a bilge keel ..............................   Yes\n"
            "  6) Bilge keel length ..................................    300.00 ft    \n"
            "  7) Bilge keel width ...................................      1.50 ft    \n"
            "  8) Inboard keel-to-vessel centerline distance .........     85.00 ft    \n"
            "\n"
            "  9) Vessel speed (knots) ...............................     10.00       \n"
            " 10) Global direction of vessel motion (degrees) ........     90.00       \n"
            "\n"
            " 11) Trim angle (deg; bow down positive) ................      1.50       \n"
            " 12) Heel angle (deg; starboard down positive) ..........     -2.00       \n"
            "\n"
            " 13) Utilize user-supplied vessel RAO data ..............   Yes\n"
            " 14) User RAOs in Deck-Vertical Coordinate System? ......   Awk\n" +
                std::string(kSelectionPrompt));
}

TEST_F(VesselMotionPage, HiddenItemsKeepTheirNumbers) {
  struct Case {
    const char* what;
    std::function<void()> state;
    std::vector<int> shown;   // item numbers on the screen
    std::vector<int> hidden;  // selecting these only draws the page again
  };
  const Case cases[] = {
      {"a new data set", [] {}, {1, 2, 3, 4, 5, 9, 11, 12, 13}, {6, 7, 8, 10, 14}},
      {"bilge keel", [] { TPCM.LKEEL = 1; }, {5, 6, 7, 8, 9}, {10, 14}},
      {"forward speed", [] { TPCM.TVFWD = -3.0f; }, {9, 10, 11}, {6, 14}},
      {"creator 16: no trim and heel", [] { TPCM.CREATR = 16; }, {9, 13}, {11, 12, 14}},
      {"creator 8: no user RAOs", [] { TPCM.CREATR = 8; }, {11, 12}, {13, 14}},
      {"user RAOs, level", [] { TPCM.AUXVSH = 1; }, {13}, {14}},
      {"user RAOs, heeled", [] { TPCM.AUXVSH = 1; TPCM.HEELDG = 0.5f; }, {13, 14}, {}},
      // The deck-vertical switch goes with the RAOs, even where their own switch is hidden.
      {"creator 8, user RAOs, trimmed", [] { TPCM.CREATR = 8; TPCM.AUXVSH = 1; TPCM.TRIMDG = 1.0f; }, {14}, {13}},
      {"creator 16, heel set", [] { TPCM.CREATR = 16; TPCM.AUXVSH = 1; TPCM.HEELDG = 1.0f; }, {13, 14}, {11, 12}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    freshShip();
    c.state();
    std::string typed;
    for (int item : c.hidden) typed += std::to_string(item) + "\n";
    const auto shown = showPage(typed + "\n");
    ASSERT_EQ(shown.size(), c.hidden.size() + 2);
    for (int item : c.shown) EXPECT_TRUE(showsItem(shown[1], item)) << item;
    for (int item : c.hidden) EXPECT_FALSE(showsItem(shown[1], item)) << item;
    for (std::size_t k = 2; k < shown.size(); ++k) EXPECT_EQ(shown[k], shown[1]) << "only drawn again";
  }
  // The empty line before item 11 stays when trim and heel are hidden.
  freshShip();
  TPCM.CREATR = 16;
  EXPECT_TRUE(contains(showPage("\n")[1], "       \n\n\n 13) Utilize"))
      << "after item 9: its own empty line, 11's and 13's";
}

TEST_F(VesselMotionPage, SpeedInKnots) {
  struct Case {
    std::int32_t nunts;
    float before;
    const char* reply;
    float stored;
    const char* shownAfter;
  };
  const Case cases[] = {
      {0, 0.0f, "10", 16.87f, "     10.00"},
      {1, 0.0f, "10", 5.14f, "     10.00"},
      {0, 0.0f, "-4.5", -4.5f * 1.687f, "     -4.50"},
      // A blank or unchanged reply leaves the stored speed exactly as it was.
      {0, 3.0f, "", 3.0f, "      1.78"},
      {1, 3.0f, "", 3.0f, "      5.84"},
      {0, 3.0f, "x", 3.0f, "      1.78"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.nunts << " " << c.reply);
    freshShip();
    TPCM.NUNTS = c.nunts;
    TPCM.TVFWD = c.before;
    const auto shown = showPage("9\n" + std::string(c.reply) + "\n\n");
    EXPECT_EQ(TPCM.TVFWD, c.stored);
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_TRUE(shown[1].ends_with(kSelectionPrompt +
                                   std::string("  9) Vessel speed (knots) ...............................") +
                                   (c.before == 0.0f ? "      0.00" : c.shownAfter) + "       \n Enter new value: "))
        << shown[1];
    EXPECT_TRUE(
        contains(shown[2], "  9) Vessel speed (knots) ..............................." + std::string(c.shownAfter)));
  }
}

TEST_F(VesselMotionPage, ValuesAndToggles) {
  struct Case {
    std::function<void()> state;
    std::string typed;
    std::function<void()> check;
  };
  const Case cases[] = {
      {[] {}, "1\n250.5\n\n", [] { EXPECT_EQ(TPCM.PGYR, 250.5f); }},
      {[] {}, "3\n-1\n\n", [] { EXPECT_EQ(TPCM.TYGYR, -1.0f); }},
      {[] {}, "4\n8\n\n", [] { EXPECT_EQ(TPCM.BILGR, 8.0f); }},
      {[] { TPCM.LKEEL = 1; }, "7\n1.25\n\n", [] { EXPECT_EQ(TPCM.RKEEL, 1.25f); }},
      {[] { TPCM.TVFWD = 1.0f; }, "10\n270\n\n", [] { EXPECT_EQ(TPCM.VGLDIR, 270.0f); }},
      {[] {}, "12\n3\n\n", [] { EXPECT_EQ(TPCM.HEELDG, 3.0f); }},
      {[] {}, "5\n\n", [] { EXPECT_EQ(TPCM.LKEEL, 1); }},
      {[] { TPCM.LKEEL = 1; }, "5\n\n", [] { EXPECT_EQ(TPCM.LKEEL, 0); }},
      {[] { TPCM.LKEEL = 7; }, "5\n\n", [] { EXPECT_EQ(TPCM.LKEEL, 0); }},
      {[] {}, "13\n\n", [] { EXPECT_EQ(TPCM.AUXVSH, 1); }},
      {[] {
         TPCM.AUXVSH = 1;
         TPCM.TRIMDG = 2.0f;
       },
       "14\n\n", [] { EXPECT_EQ(TPCM.DECKUP, 1); }},
      // Opened with "B": the toggle asks for the new state.
      {[] { TPCM.IBATCH = 1; }, "5\n1\n\n", [] { EXPECT_EQ(TPCM.LKEEL, 1); }},
      {[] { TPCM.IBATCH = 1; }, "5\n0\n\n", [] { EXPECT_EQ(TPCM.LKEEL, 0); }},
      {[] { TPCM.IBATCH = 1; }, "5\n\n\n", [] { EXPECT_EQ(TPCM.LKEEL, 0); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    freshShip();
    c.state();
    showPage(c.typed);
    c.check();
    EXPECT_EQ(TPCM.LBACK, 0);
  }
  freshShip();
  TPCM.IBATCH = 1;
  EXPECT_TRUE(
      showPage("13\n1\n\n")[1].ends_with(kSelectionPrompt + std::string(" Enter 1 for \"Yes\", 0 for \"No\": ")));
}

TEST_F(VesselMotionPage, Help) {
  const std::string heading = " ********************  Vessel Definition Notes  ********************\n\n";
  freshShip();
  auto shown = showPage("?4\n\n\n");
  ASSERT_EQ(shown.size(), 4u);
  EXPECT_EQ(shown[2], heading +
                          "\n ++> Item Number 4\n\n ++> Sorry, no help for this item...\n\n\n"
                          " Press <RETURN> to continue: ");
  // Item 10 has the note of the direction of motion, item 14 that of the deck-vertical system, even
  // while they are hidden.
  shown = showPage("?10\n\n\n");
  EXPECT_TRUE(shown[2].starts_with(heading + "\n ++> Item Number 10\n     The direction of vessel motion")) << shown[2];
  shown = showPage("?14\n\n\n");
  EXPECT_TRUE(shown[2].starts_with(heading + "\n ++> Item Number 14\n     With non-zero trim or heel")) << shown[2];
  shown = showPage("?15\n\n");
  EXPECT_EQ(shown.size(), 3u);
  // The whole help: five screens.
  shown = showPage("?\n\n\n\n\n\n\n");
  ASSERT_EQ(shown.size(), 8u);
  EXPECT_TRUE(shown[2].starts_with(heading + "\n ++> Item Number  1\n     The pitch gyradius")) << shown[2];
  EXPECT_TRUE(shown[6].starts_with("\n ++> Item Number  13\n     User RAOs are complex")) << shown[6];
}

}  // namespace
}  // namespace qv
