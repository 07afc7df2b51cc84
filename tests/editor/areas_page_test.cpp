// Page 10, the vessel's environmental areas, driven with typed replies: its screen, the centroid
// lines that the force models and the creator show or hide, the reflection and absorption groups
// with their reset warnings, and the help.
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

// A vessel whose wave factors are at their defaults, in this program's data set.
void vessel() {
  freshShip();
  Tpcm& t = TPCM;
  t.TWNDCF = t.CURFAC = 1.0f;
  t.BOWFAC = t.VWDFAC = t.WVFCX = t.WVFCY = t.WVFCM = 1.0f;
  t.STRNFC = 1.25f;
  t.WVDGCX = t.WVDGCY = t.WVDGCM = t.VWDRGFC = 1.0f;
  t.LWBARG = t.LCBARG = t.LWVCOF = 0x111;
}

std::vector<std::string> showPage(const std::string& typed) { return testing_support::pageScreens(AREAS, "10", typed); }

class AreasPage : public testing_support::FreshRun {};

TEST_F(AreasPage, ScreenWithEveryItem) {
  vessel();
  Tpcm& t = TPCM;
  t.CREATR = 14;
  t.LWBARG = 0x135;  // a wind model with lateral centroids (5)
  t.LCBARG = 0x117;  // a current model with lateral centroids (7)
  t.LWIND = 1;
  t.TXWNDA = 12185.14f;
  t.XWARM = -2.5f;
  t.ZXWARM = 60.0f;
  t.TYWNDA = 32447.83f;
  t.YWARM = 10.0f;
  t.ZYWARM = 55.0f;
  t.TWNDCF = 1.1f;
  t.TXCURA = 11134.8f;
  t.TYCURA = 63967.78f;
  t.STRNFC = 1.0f;
  t.WVDGCM = 2.0f;
  const auto shown = showPage("\n");
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_EQ(shown[1],
            " ****  Page 10: Vessel Environmental Area, Moment and Enhancement Data  ****\n"
            "\n"
            "  1) Simulate <<Wind>>?   Yes\n"
            "\n"
            "  2) Head-on effective drag area ....................   12185.14 square feet  \n"
            "  3) Head-on drag area centroid (y, from CG) ........      -2.50 feet  \n"
            "  4) Head-on drag area centroid (z, from Keel) ......      60.00 feet  \n"
            "\n"
            "  5) Beam-on effective drag area ....................   32447.83 square feet  \n"
            "  6) Beam-on drag area centroid (x, from CG) ........      10.00 feet  \n"
            "  7) Beam-on drag area centroid (z, from Keel) ......      55.00 feet  \n"
            "\n"
            "  8) Wind force enhancement factor ..................       1.10\n"
            "\n"
            "\n"
            " 11) Simulate <<Current>>?   No \n"
            "\n"
            " 12) Head-on effective drag area ....................   11134.80 square feet  \n"
            " 13) Head-on drag area centroid (y, from CG) ........       0.00 feet  \n"
            " 14) Head-on drag area centroid (z, from Keel) ......       0.00 feet  \n"
            "\n"
            " 15) Beam-on effective drag area ....................   63967.78 square feet  \n"
            " 16) Beam-on drag area centroid (x, from CG) ........       0.00 feet  \n"
            " 17) Beam-on drag area centroid (z, from Keel) ......       0.00 feet  \n"
            "\n"
            " 18) Current force enhancement factor ...............       1.00\n"
            "\n"
            "\n"
            " 20) Micromanage wave reflection (aka \"drift\") settings?       Yes\n"
            "\n"
            " 21) Bow shape factor ...............................       1.00\n"
            " 22) Stern shape factor .............................       1.00\n"
            " 23) Wave reflection HEAD-ON enhancement factor .....       1.00\n"
            " 24) Wave reflection BEAM-ON enhancement factor .....       1.00\n"
            " 25) Wave reflection MOMENT enhancement factor ......       1.00\n"
            " 26) Variable wave reflection enhancement factor ....       1.00\n"
            "\n"
            "\n"
            " 30) Micromanage wave absorption (aka \"drag\") settings?        Yes\n"
            "\n"
            " 31) Wave absorption HEAD-ON enhancement factor .....       1.00\n"
            " 32) Wave absorption BEAM-ON enhancement factor .....       1.00\n"
            " 33) Wave absorption MOMENT enhancement factor ......       2.00\n"
            " 34) Variable wave absorption enhancement factor ....       1.00\n" +
                std::string(kSelectionPrompt));
}

TEST_F(AreasPage, ScreenOfThisProgramsDataSet) {
  vessel();
  TPCM.NUNTS = 1;
  const auto shown = showPage("\n");
  // No lateral centroids for the table model, no vertical ones but for creators 14 and 17 (a line
  // holding a blank in their place); the wave factors at their defaults are not shown.
  EXPECT_EQ(shown[1],
            " ****  Page 10: Vessel Environmental Area, Moment and Enhancement Data  ****\n"
            "\n"
            "  1) Simulate <<Wind>>?   No \n"
            "\n"
            "  2) Head-on effective drag area ....................       0.00 square meters\n"
            " \n"
            "  5) Beam-on effective drag area ....................       0.00 square meters\n"
            " \n"
            "  8) Wind force enhancement factor ..................       1.00\n"
            "\n"
            "\n"
            " 11) Simulate <<Current>>?   No \n"
            "\n"
            " 12) Head-on effective drag area ....................       0.00 square meters\n"
            " \n"
            " 15) Beam-on effective drag area ....................       0.00 square meters\n"
            " \n"
            " 18) Current force enhancement factor ...............       1.00\n"
            "\n"
            "\n"
            " 20) Micromanage wave reflection (aka \"drift\") settings?       No \n"
            "\n"
            "\n"
            "\n"
            " 30) Micromanage wave absorption (aka \"drag\") settings?        No \n"
            "\n" +
                std::string(kSelectionPrompt));
}

TEST_F(AreasPage, ItemsOfferedByModelsCreatorAndSwitches) {
  struct Case {
    const char* what;
    std::function<void()> state;
    std::vector<int> shown;
    std::vector<int> hidden;  // selecting these only draws the page again
  };
  const Case cases[] = {
      {"table models", [] {}, {1, 2, 5, 8, 11, 12, 15, 18, 20, 30}, {3, 4, 6, 7, 13, 14, 16, 17, 21, 26, 31, 34}},
      {"wind model 3", [] { TPCM.LWBARG = 0x113; }, {3, 6}, {4, 13, 16}},
      {"wind model 5 in yaw", [] { TPCM.LWBARG = 0x511; }, {3, 6}, {13}},
      {"wind model 7 has none", [] { TPCM.LWBARG = 0x777; }, {2}, {3, 6}},
      {"current model 3", [] { TPCM.LCBARG = 0x311; }, {13, 16}, {3, 6}},
      {"current model 7", [] { TPCM.LCBARG = 0x171; }, {13, 16}, {3}},
      {"current model 5 has none", [] { TPCM.LCBARG = 0x555; }, {12}, {13, 16}},
      {"a spar: vertical centroids", [] { TPCM.CREATR = 17; }, {4, 7, 14, 17}, {3}},
      {"a reflection factor off its default", [] { TPCM.VWDFAC = 0.9f; }, {21, 22, 23, 24, 25, 26}, {31}},
      {"an absorption factor off its default", [] { TPCM.WVDGCY = 1.5f; }, {31, 32, 33, 34}, {21}},
      {"numbers that are no item", [] {}, {}, {9, 10, 19, 27, 35, 99}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    vessel();
    c.state();
    std::string typed;
    for (int item : c.hidden) typed += std::to_string(item) + "\n";
    const auto shown = showPage(typed + "\n");
    ASSERT_EQ(shown.size(), c.hidden.size() + 2);
    for (int item : c.shown) EXPECT_TRUE(showsItem(shown[1], item)) << item;
    for (int item : c.hidden) EXPECT_FALSE(showsItem(shown[1], item)) << item;
    for (std::size_t k = 2; k < shown.size(); ++k) EXPECT_EQ(shown[k], shown[1]) << "only drawn again";
  }
}

TEST_F(AreasPage, ValueEditsAndSwitches) {
  struct Case {
    std::function<void()> state;
    std::string typed;
    std::function<void()> check;
  };
  const Case cases[] = {
      {[] {}, "2\n5000\n\n", [] { EXPECT_EQ(TPCM.TXWNDA, 5000.0f); }},
      {[] {}, "8\n1.2\n\n", [] { EXPECT_EQ(TPCM.TWNDCF, 1.2f); }},
      {[] {}, "15\n-1\n\n", [] { EXPECT_EQ(TPCM.TYCURA, -1.0f); }},
      {[] {}, "18\n\n\n", [] { EXPECT_EQ(TPCM.CURFAC, 1.0f); }},
      {[] { TPCM.LWBARG = 0x333; }, "6\n12.5\n\n", [] { EXPECT_EQ(TPCM.YWARM, 12.5f); }},
      {[] { TPCM.CREATR = 14; }, "17\n40\n\n", [] { EXPECT_EQ(TPCM.ZYCARM, 40.0f); }},
      {[] { TPCM.BOWFAC = 2.0f; }, "26\n1.5\n\n", [] { EXPECT_EQ(TPCM.VWDFAC, 1.5f); }},
      {[] { TPCM.VWDRGFC = 0.5f; }, "31\n0.7\n\n", [] { EXPECT_EQ(TPCM.WVDGCX, 0.7f); }},
      {[] {}, "1\n\n", [] { EXPECT_EQ(TPCM.LWIND, 1); }},
      {[] { TPCM.LCURNT = 1; }, "11\n\n", [] { EXPECT_EQ(TPCM.LCURNT, 0); }},
      {[] { TPCM.IBATCH = 1; }, "11\n1\n\n", [] { EXPECT_EQ(TPCM.LCURNT, 1); }},
      // The groups' switches at their defaults simply flip, and the factors are shown for editing.
      {[] {}, "20\n23\n1.4\n\n", [] { EXPECT_EQ(TPCM.WVFCX, 1.4f); }},
      {[] {}, "30\n34\n0.8\n\n", [] { EXPECT_EQ(TPCM.VWDRGFC, 0.8f); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    vessel();
    c.state();
    showPage(c.typed);
    c.check();
    EXPECT_EQ(TPCM.LBACK, 0);
  }
  // The item's line before its prompt.
  vessel();
  TPCM.WVFCX = 1.3f;
  const auto shown = showPage("23\n\n\n");
  EXPECT_TRUE(shown[1].ends_with(
      kSelectionPrompt +
      std::string(" 23) Wave reflection HEAD-ON enhancement factor .....       1.30\n Enter new value: ")))
      << shown[1];
}

TEST_F(AreasPage, TurningAGroupOffResetsItsFactors) {
  const std::string reflectionWarning =
      kSelectionPrompt + std::string(
                             "\n >>> Warning: Completing this request will reset all wave reflection\n"
                             "              parameters to their default values.\n"
                             "\a\n Enter \"A\" to abort or Press <RETURN> to continue: ");
  struct Case {
    const char* what;
    std::string typed;
    bool warned;
    std::function<void()> check;
  };
  const Case cases[] = {
      {"abort keeps the switch and the factors", "20\na\n\n", true,
       [] { EXPECT_EQ(TPCM.BOWFAC, 2.0f); EXPECT_EQ(TPCM.STRNFC, 1.0f); }},
      {"Return resets all six", "20\n\n\n", true,
       [] {
         EXPECT_EQ(TPCM.BOWFAC, 1.0f);
         EXPECT_EQ(TPCM.STRNFC, 1.25f);
         EXPECT_EQ(TPCM.VWDFAC, 1.0f);
         EXPECT_EQ(TPCM.WVFCX, 1.0f);
         EXPECT_EQ(TPCM.WVFCY, 1.0f);
         EXPECT_EQ(TPCM.WVFCM, 1.0f);
       }},
      {"absorption: Return resets its four", "30\n\n\n", false,
       [] {
         EXPECT_EQ(TPCM.WVDGCX, 1.0f);
         EXPECT_EQ(TPCM.WVDGCY, 1.0f);
         EXPECT_EQ(TPCM.WVDGCM, 1.0f);
         EXPECT_EQ(TPCM.VWDRGFC, 1.0f);
         EXPECT_EQ(TPCM.BOWFAC, 2.0f) << "the other group stays";
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    vessel();
    TPCM.BOWFAC = 2.0f;
    TPCM.STRNFC = 1.0f;
    TPCM.WVDGCM = 3.0f;
    TPCM.VWDRGFC = 0.5f;
    const auto shown = showPage(c.typed);
    ASSERT_EQ(shown.size(), 3u);
    if (c.warned)
      EXPECT_TRUE(shown[1].ends_with(reflectionWarning)) << shown[1];
    else
      EXPECT_TRUE(contains(shown[1], "reset all wave absorption\n"));
    c.check();
    const bool aborted = c.typed == "20\na\n\n";
    EXPECT_EQ(contains(shown[2], " 20) Micromanage wave reflection (aka \"drift\") settings?       Yes\n"),
              aborted || !c.warned);
  }
  // Switched on again by hand, at the defaults, and off again: no warning.
  vessel();
  const auto shown = showPage("20\n20\n\n");
  ASSERT_EQ(shown.size(), 4u);
  EXPECT_FALSE(contains(shown[2], "Warning"));
  EXPECT_TRUE(showsItem(shown[2], 21));
  EXPECT_FALSE(showsItem(shown[3], 21));
}

TEST_F(AreasPage, ForceModelWordsOnEntry) {
  // A current word with the all-directions code 15 keeps it in field 1; field 1 spread to fields 2
  // and 3 when all three hold one model. Mixed words stay as they are.
  struct Case {
    std::int32_t wind, current, drift;
  };
  for (const Case& c : {Case{0x333, 0x44F, 0x222}, Case{0x135, 0x762, 0x121}}) {
    vessel();
    TPCM.LWBARG = c.wind;
    TPCM.LCBARG = c.current;
    TPCM.LWVCOF = c.drift;
    showPage("\n");
    EXPECT_EQ(TPCM.LWBARG, c.wind);
    EXPECT_EQ(TPCM.LCBARG, c.current);
    EXPECT_EQ(TPCM.LWVCOF, c.drift);
  }
}

TEST_F(AreasPage, Help) {
  const std::string heading = "                 ****  Vessel Environmental Load Notes  ****\n";
  vessel();
  struct Case {
    const char* reply;
    const char* note;  // the start of the note after the item heading; empty: no help
  };
  const Case cases[] = {
      {"?5", "     The wind drag areas are the projected areas of the vessel above"},
      {"?16", "     The current drag areas are the projected areas of the vessel below"},
      {"?8", "     The wind force enhancement factor"},
      {"?18", "     The current force enhancement factor"},
      {"?20", "     Opens the adjustable parameters"},
      {"?22", "     Scales the reflection forces and moments like the bow shape"},
      {"?24", "     These factors govern"},
      {"?26", "     Multiplies all slowly-varying"},
      {"?30", "     Opens the factors of the square-law"},
      {"?19", "     The absorption factors are plain multipliers"},
      {"?28", "     The absorption factors are plain multipliers"},
      {"?11", ""},
      {"?35", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.reply);
    const auto shown = showPage(std::string(c.reply) + "\n\n\n");
    ASSERT_EQ(shown.size(), 4u);
    const std::string number = std::string(c.reply).substr(1);
    const std::string itemHeading = heading + "\n ++> Item Number  " + (number.size() == 1 ? " " : "") + number + "\n";
    if (*c.note != '\0')
      EXPECT_TRUE(shown[2].starts_with(itemHeading + c.note)) << shown[2];
    else
      EXPECT_EQ(shown[2], itemHeading + "\n ++> Sorry, no help for this line...\n\n\n Press <RETURN> to continue: ");
  }
  // The whole help: seven screens.
  const auto shown = showPage("?\n" + std::string(7, '\n') + "\n");
  ASSERT_EQ(shown.size(), 10u);
  EXPECT_TRUE(shown[2].starts_with(heading + "\n ++> Item Numbers 2 -> 7\n     The wind drag areas")) << shown[2];
  EXPECT_TRUE(shown[8].starts_with("\n ++> Item Number  26\n")) << shown[8];
  EXPECT_TRUE(contains(shown[8], "\n ++> Item Number  30\n"));
  EXPECT_TRUE(contains(shown[8], "\n ++> Item Numbers 31-34\n"));
}

}  // namespace
}  // namespace qv
