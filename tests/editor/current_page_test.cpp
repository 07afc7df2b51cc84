// Page 12, current conditions, driven with typed replies: its screen, the band-limited density, the
// depth-variation options with the legacy profile table and its checks, the spectrum list, hidden
// items, the listing and the help screens.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>

#include "dataset/tpcm.h"
#include "editor/env_page_parts.h"
#include "editor/env_page_support.h"
#include "editor/env_pages.h"
#include "support/checks.h"
#include "util/nav_codes.h"
#include "util/sim_types.h"

namespace qv {
namespace {

using testing_support::contains;
using testing_support::drive;
using testing_support::IsClose;
using testing_support::kPause;
using testing_support::kSelectionPrompt;
using testing_support::PageCase;

// The free-SALM flag the sequencer hands to the page.
std::int32_t freeSalm = 0;

// A 2-knot current with a three-point legacy profile in 400 ft of water that ends at the bottom,
// for a SALM attached to its vessel.
void currentData() {
  testing_support::environmentDataSet();
  freeSalm = 0;
  Tpcm& t = TPCM;
  t.LCURNT = 1;
  t.DEPTH = 400.0f;
  t.CURSPD = 2.0f;
  t.CURHDG = 90.0f;
  t.LCSTCR = 2;
  t.NCURNT = 3;
  const std::array<float, 5> depths = {50.0f, 200.0f, 400.0f, 7.0f, 8.0f};  // rows 4 and 5 hidden
  const std::array<float, 5> speeds = {1.5f, 1.0f, 0.5f, 0.7f, 0.8f};
  for (int r = 1; r <= 5; ++r) {
    t.DPTHI(r) = depths[static_cast<std::size_t>(r - 1)];
    t.VELI(r) = speeds[static_cast<std::size_t>(r - 1)];
  }
  t.CURTYP = 3;
  t.RMS_CRNT = 0.1f;
  t.CURDEN = 1.0f;
}

std::string showCurrent(const std::string& typed) {
  return drive(typed, [] { CURENT(freeSalm, "12"); });
}

// The profile table of the data set, driven with the typed replies; the screen.
std::string showTable(const std::string& typed, std::int32_t& itemp) {
  Tpcm& t = TPCM;
  return drive(typed, [&] {
    CRNTIN("Current Speed Profile Specification", t.DPTHI, t.VELI, t.CURSPD, t.DEPTH, t.NCURNT, t.EDUNIT, kKeyboardUnit,
           itemp, t.LCOPY);
  });
}

// The band-limited density of a speed [kn] and an RMS fraction: (V RMS)^2 knot^2 / (0.02 Hz in rad/s).
float bandLimited(float speed, float rms, float knotSquared) {
  return speed * rms * speed * rms * knotSquared / 0.1257f;
}

const std::string kPage =
    "\f                 ****  Page 12: Current Conditions  ****\n\n\n"
    " 1) Current speed ..............................       2.00 knots\n"
    " 2) Current heading  ...........................      90.00 degrees\n"
    " 3) Current variation with depth ............... User-Specified (legacy)      \n"
    " 4) Number of points in current profile (Max 5)          3\n"
    " 5) Specify current variation with depth\n\n"
    " 6) Current spectral type ...................... Band-limited white spectrum  \n"
    "    Current speed spectral density ............. 0.100E+01 feet^2/sec\n\n"
    " 7) Fractional RMS current variation ...........       0.100\n";

const std::string kTable =
    "\f ++> Enter Current Speed Profile Specification\n\n"
    "        Depth Below    Current\n"
    "          Surface       Speed\n"
    "            (x)        (y, kts)\n\n"
    "  1)        50.00        1.50\n"
    "  2)       200.00        1.00\n"
    "  3)       400.00        0.50\n\n"
    "  4) Change the number of points in current profile\n"
    "  5) Eliminate a row and collapse array\n"
    "  6) Insert a null row and expand array\n"
    "  7) Abort entry\n";

class CurrentPage : public testing_support::FreshRun {};

TEST_F(CurrentPage, ScreenAndTable) {
  currentData();
  EXPECT_EQ(showCurrent("\n"), kPage + kSelectionPrompt);
  currentData();
  EXPECT_TRUE(contains(showCurrent("5\n\n\n"), kTable + kSelectionPrompt));
  // Without the legacy profile items 4 and 5 go; a free SALM hides the spectrum; a TLP data set
  // shows item 7 for any unsteady spectrum; a steady current has no density line.
  currentData();
  TPCM.LCSTCR = 0;
  std::string screen = showCurrent("\n");
  EXPECT_TRUE(contains(screen,
                       " 3) Current variation with depth ............... 1/7 power law                \n\n"
                       " 6) Current"))
      << screen;
  currentData();
  freeSalm = 1;
  screen = showCurrent("\n");
  EXPECT_TRUE(screen.ends_with(" 5) Specify current variation with depth\n" + std::string(kSelectionPrompt))) << screen;
  currentData();
  TPCM.CURTYP = 1;
  TPCM.CREATR = kSimYobrix;
  TPCM.NUNTS = 1;  // speeds stay in knots; only the density's unit changes
  screen = showCurrent("\n");
  EXPECT_TRUE(contains(screen, " 1) Current speed ..............................       2.00 knots\n")) << screen;
  EXPECT_TRUE(contains(screen,
                       " Legacy point spectrum        \n"
                       "    Current speed spectral density ............. 0.100E+01 meters^2/sec\n\n"
                       " 7) Fractional RMS"))
      << screen;
  currentData();
  TPCM.CURTYP = 0;
  screen = showCurrent("\n");
  EXPECT_TRUE(screen.ends_with(" Steady current               \n" + std::string(kSelectionPrompt))) << screen;
}

TEST_F(CurrentPage, BandLimitedDensityFollowsSpeedAndRms) {
  struct Case {
    const char* typed;
    std::int32_t units;
    float density;
  };
  const Case cases[] = {
      {"1\n4\n\n", 0, bandLimited(4.0f, 0.1f, 2.846f)},
      {"1\n4\n\n", 1, bandLimited(4.0f, 0.1f, 0.2644f)},
      {"7\n.15\n\n", 0, bandLimited(2.0f, 0.15f, 2.846f)},
      {"6\n4\n.05\n\n", 0, bandLimited(2.0f, 0.05f, 2.846f)},  // chosen on the list: RMS asked
      {"2\n45\n\n", 0, 1.0f},                                  // the heading leaves it
  };
  for (const Case& c : cases) {
    currentData();
    TPCM.NUNTS = c.units;
    showCurrent(c.typed);
    EXPECT_TRUE(IsClose(TPCM.CURDEN, c.density, 1e-6)) << c.typed;
  }
  // Doubling the speed multiplies the density by four.
  currentData();
  showCurrent("1\n2\n\n");
  const float at2 = TPCM.CURDEN;
  showCurrent("1\n4\n\n");
  EXPECT_TRUE(IsClose(TPCM.CURDEN, 4.0f * at2, 1e-6));
}

TEST_F(CurrentPage, ItemEditsAndHiddenItems) {
  testing_support::runCases(
      currentData, [] { CURENT(freeSalm, "12"); },
      {
          PageCase{"heading", "2\n270\n\n", [] {}, [] { EXPECT_EQ(TPCM.CURHDG, 270.0f); }},
          PageCase{"point count held at 5", "4\n9\n\n", [] {}, [] { EXPECT_EQ(TPCM.NCURNT, 5); }},
          PageCase{"point count 0 accepted", "4\n0\n\n", [] {}, [] { EXPECT_EQ(TPCM.NCURNT, 0); }},
          PageCase{"items 4 and 5 without the legacy profile", "4\n5\n\n", [] { TPCM.LCSTCR = 1; },
                   [] { EXPECT_EQ(TPCM.NCURNT, 3); }},
          PageCase{"spectrum type 2: the density asked", "6\n2\n0.3\n\n", [] {},
                   [] {
                     EXPECT_EQ(TPCM.CURTYP, 1);
                     EXPECT_EQ(TPCM.CURDEN, 0.3f);
                   }},
          PageCase{"spectrum type 3 asks nothing", "6\n3\n\n", [] {}, [] { EXPECT_EQ(TPCM.CURTYP, 2); }},
          PageCase{"5 shows the spectrum list again", "6\n5\n1\n\n", [] {}, [] { EXPECT_EQ(TPCM.CURTYP, 0); }},
          PageCase{"B leaves the spectrum list", "6\nb\n\n", [] {}, [] { EXPECT_EQ(TPCM.CURTYP, 3); }},
          // A free SALM ignores item 6, but item 7 still takes the RMS fraction.
          PageCase{"free SALM: 6 ignored, 7 accepted", "6\n7\n.2\n\n", [] { freeSalm = 1; },
                   [] {
                     EXPECT_EQ(TPCM.CURTYP, 3);
                     EXPECT_EQ(TPCM.RMS_CRNT, 0.2f);
                   }},
          PageCase{"7 ignored for a steady current", "7\n\n", [] { TPCM.CURTYP = 0; },
                   [] { EXPECT_EQ(TPCM.RMS_CRNT, 0.1f); }},
          PageCase{"7 for a TLP's legacy spectrum", "7\n.3\n\n",
                   [] {
                     TPCM.CURTYP = 1;
                     TPCM.CREATR = kSimYobrix;
                   },
                   [] { EXPECT_EQ(TPCM.RMS_CRNT, 0.3f); }},
          PageCase{"no such item", "8\n\n", [] {}, [] { EXPECT_EQ(TPCM.CURSPD, 2.0f); }},
      });
}

TEST_F(CurrentPage, DepthVariationOptions) {
  testing_support::runCases(currentData, [] { CURENT(freeSalm, "12"); },
                            {
                                PageCase{"power law", "3\n1\n\n", [] {}, [] { EXPECT_EQ(TPCM.LCSTCR, 0); }},
                                PageCase{"file", "3\n4\n\n", [] {}, [] { EXPECT_EQ(TPCM.LCSTCR, 3); }},
                                PageCase{"blank keeps", "3\n\n\n", [] {}, [] { EXPECT_EQ(TPCM.LCSTCR, 2); }},
                                PageCase{"B and 5 show the options again", "3\nb\n5\n2\n\n", [] { TPCM.LCSTCR = 0; },
                                         [] { EXPECT_EQ(TPCM.LCSTCR, 1); }},
                                // Chosen anew with no points: the count is asked at once, the table is not opened.
                                PageCase{"legacy with no points asks the count", "3\n3\n2\n\n",
                                         [] {
                                           TPCM.LCSTCR = 0;
                                           TPCM.NCURNT = 0;
                                         },
                                         [] {
                                           EXPECT_EQ(TPCM.LCSTCR, 2);
                                           EXPECT_EQ(TPCM.NCURNT, 2);
                                         }},
                                // Aborting the table right after the choice puts the former choice and the rows back.
                                PageCase{"abort restores", "3\n3\n1\n99,9\n\n7\n\n", [] { TPCM.LCSTCR = 1; },
                                         [] {
                                           EXPECT_EQ(TPCM.LCSTCR, 1);
                                           EXPECT_EQ(TPCM.DPTHI(1), 50.0f);
                                           EXPECT_EQ(TPCM.VELI(1), 1.5f);
                                         }},
                                // B leaves the checked table as a navigation letter: the choice and the rows stay.
                                PageCase{"B keeps the choice", "3\n3\n1\n60,1.4\n\nb\n\n", [] { TPCM.LCSTCR = 1; },
                                         [] {
                                           EXPECT_EQ(TPCM.LCSTCR, 2);
                                           EXPECT_EQ(TPCM.DPTHI(1), 60.0f);
                                         }},
                            });
  // Choosing the legacy profile when it is already chosen only draws the page again.
  currentData();
  const std::string screen = showCurrent("3\n3\n\n");
  EXPECT_FALSE(contains(screen, "++> Enter Current Speed")) << screen;
}

TEST_F(CurrentPage, ProfileTableEdits) {
  struct Case {
    const char* what;
    std::string typed;  // on the table; its last blank reply leaves it
    std::array<float, 5> depths, speeds;
    std::int32_t rows;
  };
  const Case cases[] = {
      {"row entry from row 2 to the end",
       "2\n210,0.9\n410 , 0\n\n",
       {50, 210, 410, 7, 8},
       {1.5f, 0.9f, 0, 0.7f, 0.8f},
       3},
      {"row entry stops at a blank reply", "2\n210,0.9\n\n\n", {50, 210, 400, 7, 8}, {1.5f, 0.9f, 0.5f, 0.7f, 0.8f}, 3},
      {"a value not typed stays", "1\n,2.5\n\n\n", {50, 200, 400, 7, 8}, {2.5f, 1, 0.5f, 0.7f, 0.8f}, 3},
      // The hidden row 4 moves up into row 3: the table's last row is then at 7 with 0.7 knots,
      // which cannot be left until its speed is 0.
      {"eliminate row 2", "5\n2\n\n\n3\n,0\n\n", {50, 400, 7, 8, 8}, {1.5f, 0.5f, 0, 0.8f, 0.8f}, 3},
      {"eliminate a row beyond the count", "5\n4\n\n", {50, 200, 400, 7, 8}, {1.5f, 1, 0.5f, 0.7f, 0.8f}, 3},
      // Row 5 is lost; row 3 becomes the null row (0 knots: the table can be left).
      {"insert at row 3", "6\n3\n\n", {50, 200, 0, 400, 7}, {1.5f, 1, 0, 0.5f, 0.7f}, 3},
      {"count", "4\n5\n5\n,0\n\n", {50, 200, 400, 7, 8}, {1.5f, 1, 0.5f, 0.7f, 0}, 5},
      {"count held at 5", "4\n8\n5\n,0\n\n", {50, 200, 400, 7, 8}, {1.5f, 1, 0.5f, 0.7f, 0}, 5},
      {"abort after edits", "1\n1,1\n\n6\n2\n7\n", {50, 200, 400, 7, 8}, {1.5f, 1, 0.5f, 0.7f, 0.8f}, 3},
      {"8 draws the table again", "8\n\n", {50, 200, 400, 7, 8}, {1.5f, 1, 0.5f, 0.7f, 0.8f}, 3},
  };
  for (const Case& c : cases) {
    currentData();
    Tpcm& t = TPCM;
    std::int32_t itemp = 99;
    showTable(c.typed, itemp);
    SCOPED_TRACE(c.what);
    for (int r = 1; r <= 5; ++r) {
      EXPECT_EQ(t.DPTHI(r), c.depths[static_cast<std::size_t>(r - 1)]) << "row " << r;
      EXPECT_EQ(t.VELI(r), c.speeds[static_cast<std::size_t>(r - 1)]) << "row " << r;
    }
    EXPECT_EQ(t.NCURNT, c.rows);
    EXPECT_EQ(itemp, c.typed.ends_with("7\n") ? -1 : 0);
  }
}

TEST_F(CurrentPage, ProfileTableChecksBeforeLeaving) {
  const auto runTable = [](const std::string& typed) {
    std::int32_t itemp = 0;
    return showTable(typed, itemp);
  };
  const std::string bottomWarning =
      " ++> WARNING: If current-associated mooring loads are required,\n"
      "              the last row of data above must represent either\n"
      "              the current at the bottom or a zero current value\n"
      "              in the last row\n" +
      std::string(kPause);
  const std::string surfaceWarning =
      " ++> WARNING: A surface point at depth 0.00 is implicit. You must\n"
      "              therefore eliminate the surface point in this array.\n" +
      std::string(kPause);
  // The last row at 300 with 0.5 knots in 400 of water: not left until its speed is 0.
  currentData();
  TPCM.DPTHI(3) = 300.0f;
  std::string screen = runTable("\n\n3\n,0\n\n");
  EXPECT_TRUE(contains(screen, kSelectionPrompt + bottomWarning + "\f ++> Enter")) << screen;
  EXPECT_EQ(TPCM.VELI(3), 0.0f);
  // A first row at the surface gives the second warning.
  currentData();
  TPCM.DPTHI(1) = 0.0f;
  screen = runTable("\n\n1\n10\n\n\n");
  EXPECT_TRUE(contains(screen, kSelectionPrompt + surfaceWarning)) << screen;
  // An empty table is accepted as it stands.
  currentData();
  TPCM.NCURNT = 0;
  screen = runTable("\n");
  EXPECT_FALSE(contains(screen, "WARNING")) << screen;
  EXPECT_TRUE(contains(screen, "(y, kts)\n\n\n  1) Change the number")) << screen;
}

TEST_F(CurrentPage, ListingWritesPageAndTableOnce) {
  currentData();
  TPCM.LCOPY = 1;
  const std::string screen = showCurrent("");
  EXPECT_EQ(TPCM.LBACK, 0);
  EXPECT_EQ(TPCM.LCOPY, 3);
  EXPECT_EQ(screen, kPage.substr(1) + "\n\n\n" + kTable.substr(1) + "\f");
  currentData();
  TPCM.LCSTCR = 0;
  TPCM.LCOPY = 1;
  const std::string plain = showCurrent("");
  EXPECT_EQ(std::count(plain.begin(), plain.end(), '\f'), 0) << plain;
  EXPECT_EQ(TPCM.LCOPY, 2);
}

TEST_F(CurrentPage, HelpScreens) {
  struct Case {
    std::function<void()> help;
    std::string title;
    std::string has;
  };
  const Case cases[] = {
      {[] { CURHLP1(kScreenUnit, kKeyboardUnit, 7, kSimQuorvel); },
       "                     ****  Current Definition Notes  ****",
       " ++> Item Number   7\n The fractional RMS current variation"},
      {[] { CURHLP1(kScreenUnit, kKeyboardUnit, 7, kSimYobrix); }, "", "For a TLP data set the RMS fraction"},
      {[] { CURHLP2(kScreenUnit, kKeyboardUnit, 4); }, "                     ****  Current Spectrum Help  ****",
       "So = [(Vrms)^2]/(dW)"},
      {[] { CURHLP3(kScreenUnit, kKeyboardUnit); }, "                     ****  Current Profile Notes  ****",
       "The surface point (depth 0"},
      {[] { CURHLP4(kScreenUnit, kKeyboardUnit, 4); }, "                 ****  Current Depth Variation Notes  ****",
       "at most 101"},
  };
  for (const Case& c : cases) {
    const std::string screen = drive("\n", c.help);
    EXPECT_TRUE(screen.starts_with("\f" + c.title)) << screen;
    EXPECT_TRUE(contains(screen, c.has)) << screen;
    EXPECT_TRUE(screen.ends_with(kPause)) << screen;
  }
  EXPECT_FALSE(contains(drive("\n", [] { CURHLP1(kScreenUnit, kKeyboardUnit, 7, kSimQuorvel); }), "TLP"));
  // "?" on the page: seven notes, one screen each.
  currentData();
  const std::string screen = showCurrent("?\n\n\n\n\n\n\n\n\n");
  EXPECT_EQ(std::count(screen.begin(), screen.end(), '\f'), 9) << screen;
}

}  // namespace
}  // namespace qv
