// Pages 13 and 14, the wave-frequency driver and the regular waves, driven with typed replies: their
// screens with and without the extension, the item edits and hidden items, the codes they hand to
// the sequencer, the test of the period grid, the listing and the help screens.
#include <gtest/gtest.h>

#include <algorithm>
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
using testing_support::kPause;
using testing_support::kSelectionPrompt;
using testing_support::PageCase;

// Seven periods of 5 to 8 s, a 10 ft regular wave at 30 degrees, no irregular sea.
void regularData() {
  testing_support::environmentDataSet();
  Tpcm& t = TPCM;
  t.SIMTYP = kSimQuorvel;
  t.NWP = 7;
  t.SLPHT = 10.0f;
  t.WAVHDG(1) = 30.0f;
}

std::string showRegular(const std::string& typed) {
  return drive(typed, [] { MORREG("14"); });
}
std::string showDriver(const std::string& typed) {
  return drive(typed, [] { EXTEND("13"); });
}

const std::string kRegularPage =
    "\f****  Page 14: Regular Wave Characteristics  ****\n\n\n"
    " 1) Number of different periods (Max 100):   7\n"
    " 2) Periods (seconds) --\n"
    "          5.00         5.50         6.00         6.50         7.00         7.50\n"
    "          8.00\n\n"
    " 3) Use constant wave height or wave slope:  height\n"
    " 4) Wave height .............................      10.00 feet           \n"
    " 6) Wave heading ............................      30.00 degrees\n";

class RegularWavePage : public testing_support::FreshRun {};

TEST_F(RegularWavePage, Screens) {
  regularData();
  EXPECT_EQ(showRegular("\n"), kRegularPage + kSelectionPrompt);
  // The slope is in degrees in both unit systems; with irregular waves the heading line goes.
  regularData();
  TPCM.LSLPHT = 1;
  TPCM.NUNTS = 1;
  TPCM.LRANDM = 1;
  std::string screen = showRegular("\n");
  EXPECT_TRUE(
      screen.ends_with(" 3) Use constant wave height or wave slope:  slope\n"
                       " 4) Wave slope .............................      10.00 degrees        \n" +
                       std::string(kSelectionPrompt)))
      << screen;
  // No periods: no period lines.
  regularData();
  TPCM.NWP = 0;
  screen = showRegular("\n");
  EXPECT_TRUE(contains(screen, "(Max 100):   0\n\n 3) Use")) << screen;
  // The extension drives: its own header and amplitude, no item 3, and the slope flag put back to 0.
  regularData();
  TPCM.LEXTND = 1;
  TPCM.LSLPHT = 1;
  TPCM.NUNTS = 1;
  screen = showRegular("\n");
  EXPECT_TRUE(screen.starts_with("\f****  Page 14: Salm Extension Characteristics  ****\n\n\n")) << screen;
  EXPECT_TRUE(
      screen.ends_with("          8.00\n\n"
                       " 4) Salm extension amplitude:      10.00 meters         \n" +
                       std::string(kSelectionPrompt)))
      << screen;
  EXPECT_EQ(TPCM.LSLPHT, 0);
  regularData();
  TPCM.LEXTND = 1;
  TPCM.SIMTYP = kSimGandru;
  EXPECT_TRUE(contains(showRegular("\n"), "Page 14: Line Extension Characteristics"));
}

TEST_F(RegularWavePage, ItemEditsAndHiddenItems) {
  testing_support::runCases(
      regularData, [] { MORREG("14"); },
      {
          PageCase{"period count", "1\n12\n\n", [] {}, [] { EXPECT_EQ(TPCM.NWP, 12); }},
          PageCase{"period count held at 100", "1\n150\n\n", [] {}, [] { EXPECT_EQ(TPCM.NWP, 100); }},
          // The auto repeat of the table runs over all 100 periods.
          PageCase{"periods repeated", "2\n8\n4\n2\n\n\n", [] {},
                   [] {
                     EXPECT_EQ(TPCM.T(7), 16.0f);
                     EXPECT_EQ(TPCM.T(100), 202.0f);
                   }},
          PageCase{"one period typed", "2\n3\n6.25\n\n\n\n", [] {}, [] { EXPECT_EQ(TPCM.T(3), 6.25f); }},
          PageCase{"height or slope", "3\n\n", [] {}, [] { EXPECT_EQ(TPCM.LSLPHT, 1); }},
          PageCase{"height or slope, asked", "3\n1\n\n", [] { TPCM.IBATCH = 1; }, [] { EXPECT_EQ(TPCM.LSLPHT, 1); }},
          PageCase{"height", "4\n12.5\n\n", [] {}, [] { EXPECT_EQ(TPCM.SLPHT, 12.5f); }},
          PageCase{"extension amplitude", "4\n2\n\n", [] { TPCM.LEXTND = 1; }, [] { EXPECT_EQ(TPCM.SLPHT, 2.0f); }},
          PageCase{"heading", "6\n45\n\n", [] {}, [] { EXPECT_EQ(TPCM.WAVHDG(1), 45.0f); }},
          PageCase{"heading hidden by the extension", "6\n\n", [] { TPCM.LEXTND = 1; },
                   [] { EXPECT_EQ(TPCM.WAVHDG(1), 30.0f); }},
          PageCase{"heading hidden by the irregular sea", "6\n\n", [] { TPCM.LRANDM = 1; },
                   [] { EXPECT_EQ(TPCM.WAVHDG(1), 30.0f); }},
          PageCase{"heading hidden by the swell", "6\n\n", [] { TPCM.LSWELL = 1; },
                   [] { EXPECT_EQ(TPCM.WAVHDG(1), 30.0f); }},
          PageCase{"5 draws the page again", "5\n\n", [] {}, [] { EXPECT_EQ(TPCM.NWP, 7); }},
      });
  // The item line comes again before a value is asked for.
  regularData();
  const std::string screen = showRegular("4\n\n\n");
  EXPECT_TRUE(contains(screen, kSelectionPrompt + std::string(" 4) Wave height ............................."
                                                              "      10.00 feet           \n Enter new value: \f")))
      << screen;
}

TEST_F(RegularWavePage, CodesForTheSequencer) {
  struct Case {
    const char* reply;
    std::int32_t lback;
  };
  const Case cases[] = {{"\n", 0}, {"7\n", 7}, {"23\n", 23}, {"b\n", kNavBack}, {"m\n", kNavM}};
  for (const Case& c : cases) {
    regularData();
    const std::string screen = showRegular(c.reply);
    EXPECT_EQ(TPCM.LBACK, c.lback) << c.reply;
    EXPECT_EQ(screen.find('\f', 1), std::string::npos) << c.reply << ": drawn once";
  }
}

TEST_F(RegularWavePage, PeriodGridForSpectra) {
  struct Case {
    const char* what;
    std::vector<float> periods;
    bool fit;
  };
  const Case cases[] = {
      {"three equal steps", {5.0f, 5.5f, 6.0f}, true},
      {"one hundred periods repeated from 3 in steps of 0.25", {}, true},
      {"two periods", {5.0f, 6.0f}, false},
      {"uneven", {5.0f, 6.0f, 7.5f}, false},
      {"decreasing", {7.0f, 6.0f, 5.0f}, false},
      {"a zero period", {0.0f, 1.0f, 2.0f}, false},
      {"all equal", {6.0f, 6.0f, 6.0f}, false},
  };
  for (const Case& c : cases) {
    regularData();
    if (c.periods.empty()) {
      TPCM.NWP = 100;
      float period = 3.0f;
      for (int i = 1; i <= 100; ++i, period += 0.25f) TPCM.T(i) = period;
    } else {
      TPCM.NWP = static_cast<std::int32_t>(c.periods.size());
      for (std::size_t i = 0; i < c.periods.size(); ++i) TPCM.T(static_cast<int>(i) + 1) = c.periods[i];
    }
    EXPECT_EQ(periodsFitForSpectra(), c.fit) << c.what;
    // Page 14 warns of a grid that cannot carry the irregular sea or the swell, and only then.
    TPCM.LRANDM = 1;
    EXPECT_EQ(contains(showRegular("\n"), " ++> Warning: irregular waves and swell need at least 3 periods"), !c.fit)
        << c.what;
    TPCM.LRANDM = 0;
    EXPECT_FALSE(contains(showRegular("\n"), "Warning")) << c.what;
  }
}

TEST_F(RegularWavePage, Listing) {
  regularData();
  TPCM.LCOPY = 1;
  EXPECT_EQ(showRegular(""), kRegularPage.substr(1) + "\n\n\n");
  EXPECT_EQ(TPCM.LBACK, 0);
  regularData();
  TPCM.LCOPY = 1;
  EXPECT_EQ(showDriver(""),
            "****  Page 13: Salm Extension / Regular wave characteristics  ****\n\n\n"
            " 1) Regular wave characteristics follow\n\n\n\n");
}

TEST_F(RegularWavePage, RegularWaveHelp) {
  // Every note: items 2, 3 and 4, and 6, a screen each; the page's context adds the extension note.
  regularData();
  std::string screen = showRegular("?\n\n\n\n\n");
  EXPECT_EQ(std::count(screen.begin(), screen.end(), '\f'), 5) << screen;
  EXPECT_TRUE(contains(screen,
                       "\f                   ****  Regular Wave Definition Notes  ****\n\n"
                       " ++> Item Number  2\n"))
      << screen;
  EXPECT_TRUE(contains(screen, "\f\n ++> Item Numbers 3, 4\n")) << screen;
  EXPECT_TRUE(contains(screen, " With a mooring extension in effect the extension amplitude is given here.\n"))
      << screen;
  screen = drive("\n", [] { REGHLP(kScreenUnit, kKeyboardUnit, 4, 0); });
  EXPECT_TRUE(contains(screen, " ++> Item Number   4\n The response operators")) << screen;
  EXPECT_FALSE(contains(screen, "extension")) << screen;
  // An item without a note: its number, then the apology; "?5" on the page asks for item 5.
  screen = showRegular("?5\n\n\n");
  EXPECT_TRUE(contains(screen, "\n ++> Item Number   5\n\n ++> Sorry, no help for this line...\n\n")) << screen;
  for (int item : {1, 5, 7}) {
    screen = drive("\n", [item] { REGHLP(kScreenUnit, kKeyboardUnit, item, 2); });
    EXPECT_TRUE(contains(screen, "****  Regular Wave Definition Notes  ****\n\n ++> Item Number   " +
                                     std::to_string(item) + "\n\n ++> Sorry, no help for this line...\n\n"))
        << item << "\n" << screen;
  }
}

TEST_F(RegularWavePage, DriverPage) {
  regularData();
  EXPECT_EQ(showDriver("\n"),
            "\f****  Page 13: Salm Extension / Regular wave characteristics  ****\n\n\n"
            " 1) Regular wave characteristics follow\n" +
                std::string(kSelectionPrompt));
  // Item 1 toggles and draws again; any other reply leaves with its code.
  regularData();
  std::string screen = showDriver("1\n2\n");
  EXPECT_EQ(TPCM.LEXTND, 1);
  EXPECT_EQ(TPCM.LBACK, 2);
  EXPECT_TRUE(contains(screen, " 1) Salm extension characteristics follow\n")) << screen;
  regularData();
  TPCM.IBATCH = 1;
  showDriver("1\n1\n\n");
  EXPECT_EQ(TPCM.LEXTND, 1);
  EXPECT_EQ(TPCM.LBACK, 0);
  regularData();
  TPCM.SIMTYP = kSimFirnedo;
  TPCM.LEXTND = 1;
  EXPECT_TRUE(contains(showDriver("b\n"),
                       "Page 13: Line Extension / Regular wave characteristics  ****\n\n\n"
                       " 1) Line extension characteristics follow\n"));
  EXPECT_EQ(TPCM.LBACK, kNavBack);
}

TEST_F(RegularWavePage, DriverHelp) {
  struct Case {
    std::int32_t simtyp;
    const char* title;
    const char* body;
  };
  const Case cases[] = {
      {kSimQuorvel, "****  Salm Extension Help  ****",
       "inertia of the Salm from direct wave action and from the Vessel"},
      {kSimGandru, "****  Line Extension Help  ****", "the tugboat attachment"},
      {kSimFirnedo, "****  Line Extension Help  ****", "the vessel attachment"},
  };
  for (const Case& c : cases) {
    regularData();
    TPCM.SIMTYP = c.simtyp;
    const std::string screen = showDriver("?\n\n\n\n\n");  // three screens, then the page again
    EXPECT_TRUE(contains(screen, c.title)) << screen;
    EXPECT_TRUE(contains(screen, c.body)) << screen;
    EXPECT_EQ(std::count(screen.begin(), screen.end(), '\f'), 5) << screen;
  }
  // No help for item 5: the apology, with a pause so that it can be read.
  regularData();
  const std::string screen = showDriver("?5\n\n\n");
  EXPECT_TRUE(contains(screen,
                       "\f                   ****  Salm Extension Help  ****\n\n"
                       " ++> Sorry, no help for this line...\n\n" +
                           std::string(kPause) + "\f****  Page 13"))
      << screen;
}

}  // namespace
}  // namespace qv
