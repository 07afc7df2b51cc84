// Page 11, wind conditions, driven with typed replies: its screen for each spectrum type, the item
// edits, the spectrum list, the codes it hands to the sequencer, the listing, and its help screens.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "dataset/tpcm.h"
#include "editor/env_page_parts.h"
#include "editor/env_page_support.h"
#include "editor/env_pages.h"
#include "support/checks.h"
#include "util/nav_codes.h"

namespace qv {
namespace {

using testing_support::contains;
using testing_support::drive;
using testing_support::environmentDataSet;
using testing_support::kPause;
using testing_support::kSelectionPrompt;

const std::string kHeader = "\f                   ****  Page 11: Wind Conditions  ****\n\n\n";
const std::string kItems12 =
    " 1) Wind speed .................................      35.50 knots\n"
    " 2) Wind heading ...............................     135.00 degrees\n\n";

void windData() {
  environmentDataSet();
  TPCM.WNDSPD = 35.5f;
  TPCM.WNDHDG = 135.0f;
  TPCM.WNDDEN = 12.5f;
  TPCM.APIPRM = 0.025f;
  TPCM.WSPEC_HGT = 30.0f;
}

std::string showWind(const std::string& typed) {
  return drive(typed, [] { WIND("11"); });
}

class WindPage : public testing_support::FreshRun {};

TEST_F(WindPage, ScreenOfEachSpectrumType) {
  struct Case {
    std::int32_t type, units;
    std::string tail;  // from the type line to the selection prompt
  };
  const Case cases[] = {
      {1, 0, " 3) Wind spectral type ......................... Davenport                    \n"},
      {2, 0,
       " 3) Wind spectral type ......................... Legacy point spectrum        \n"
       "    Wind speed spectral density ................  0.125E+02 feet^2/sec\n"},
      {2, 1,
       " 3) Wind spectral type ......................... Legacy point spectrum        \n"
       "    Wind speed spectral density ................  0.125E+02 meters^2/sec\n"},
      {3, 0, " 3) Wind spectral type ......................... Steady wind                  \n"},
      {4, 0,
       " 3) Wind spectral type ......................... A.P.I.                       \n"
       "    A.P.I. wind spectrum parameter .............       0.02500\n\n"},
      {5, 1,
       " 3) Wind spectral type ......................... N.P.D.                       \n"
       "    N.P.D. Spectral Evaluation Height ..........      30.00 meters         \n\n"},
      {6, 0, " 3) Wind spectral type ......................... WINDSPEC.txt input file      \n"},
  };
  for (const Case& c : cases) {
    windData();
    TPCM.WNDTYP = c.type;
    TPCM.NUNTS = c.units;  // a metric data set still shows knots
    EXPECT_EQ(showWind("\n"), kHeader + kItems12 + c.tail + kSelectionPrompt) << "type " << c.type;
  }
}

TEST_F(WindPage, ItemEdits) {
  using testing_support::PageCase;
  testing_support::runCases(
      windData, [] { WIND("11"); },
      {
          PageCase{"speed", "1\n42.5\n\n", [] {}, [] { EXPECT_EQ(TPCM.WNDSPD, 42.5f); }},
          PageCase{"speed, blank keeps", "1\n\n\n", [] {}, [] { EXPECT_EQ(TPCM.WNDSPD, 35.5f); }},
          PageCase{"heading, no bounds", "2\n-400\n\n", [] {}, [] { EXPECT_EQ(TPCM.WNDHDG, -400.0f); }},
          PageCase{"API parameter", "4\n.05\n\n", [] { TPCM.WNDTYP = 4; }, [] { EXPECT_EQ(TPCM.APIPRM, 0.05f); }},
          PageCase{"legacy density", "4\n7.5\n\n", [] { TPCM.WNDTYP = 2; }, [] { EXPECT_EQ(TPCM.WNDDEN, 7.5f); }},
          // Item 4 does nothing for the other types: the 9 is read as a selection.
          PageCase{"NPD height not under item 4", "4\n9\n\n", [] { TPCM.WNDTYP = 5; },
                   [] { EXPECT_EQ(TPCM.WSPEC_HGT, 30.0f); }},
          PageCase{"Davenport has no parameter", "4\n9\n\n", [] { TPCM.WNDTYP = 1; },
                   [] { EXPECT_EQ(TPCM.APIPRM, 0.025f); }},
          PageCase{"type 5 asks for the height", "3\n5\n10\n\n", [] { TPCM.WNDTYP = 5; },
                   [] {
                     EXPECT_EQ(TPCM.WNDTYP, 5);
                     EXPECT_EQ(TPCM.WSPEC_HGT, 10.0f);
                   }},
          PageCase{"type 2 asks for the density", "3\n2\n3.25\n\n", [] {},
                   [] {
                     EXPECT_EQ(TPCM.WNDTYP, 2);
                     EXPECT_EQ(TPCM.WNDDEN, 3.25f);
                   }},
          PageCase{"type 4 asks for A", "3\n4\n.03\n\n", [] {},
                   [] {
                     EXPECT_EQ(TPCM.WNDTYP, 4);
                     EXPECT_EQ(TPCM.APIPRM, 0.03f);
                   }},
          PageCase{"type 6 asks nothing", "3\n6\n\n", [] {}, [] { EXPECT_EQ(TPCM.WNDTYP, 6); }},
          PageCase{"7 shows the list again", "3\n7\n3\n\n", [] {}, [] { EXPECT_EQ(TPCM.WNDTYP, 3); }},
          PageCase{"blank leaves the list", "3\n\n\n", [] { TPCM.WNDTYP = 4; }, [] { EXPECT_EQ(TPCM.WNDTYP, 4); }},
          PageCase{"B leaves the list, not the page", "3\nb\n\n", [] { TPCM.WNDTYP = 4; },
                   [] { EXPECT_EQ(TPCM.WNDTYP, 4); }},
          PageCase{"no such item", "5\n\n", [] {}, [] { EXPECT_EQ(TPCM.WNDSPD, 35.5f); }},
      });
}

TEST_F(WindPage, ValuePromptsAndTheList) {
  windData();
  TPCM.WNDTYP = 4;
  std::string screen = showWind("1\n\n\n");
  EXPECT_TRUE(contains(screen, kSelectionPrompt + std::string(" 1) Wind speed ................................. "
                                                              "     35.50 knots\n Enter new value: \f")))
      << screen;
  screen = showWind("4\n\n\n");
  EXPECT_TRUE(contains(screen, std::string("    A.P.I. wind spectrum parameter .............       0.02500\n"
                                           " Enter new value: \f")))
      << screen;
  screen = showWind("3\n\n\n");
  EXPECT_TRUE(contains(screen, std::string("\f -- Wind type --\n\n"
                                           " 1)  Davenport                    \n"
                                           " 2)  Legacy point spectrum        \n"
                                           " 3)  Steady wind                  \n"
                                           " 4)  A.P.I.                       \n"
                                           " 5)  N.P.D.                       \n"
                                           " 6)  WINDSPEC.txt input file      \n") +
                                   kSelectionPrompt + "\f"))
      << screen;
  // "?6" on the list shows the note on the "WINDSPEC.txt" file, then the list again.
  screen = showWind("3\n?6\n\n\n\n");
  EXPECT_TRUE(contains(screen, " ++> Item Number   6\n \"WINDSPEC.txt\" file: the first line holds the number"))
      << screen;
  EXPECT_TRUE(contains(screen, kPause + std::string("\f -- Wind type --\n"))) << screen;
}

TEST_F(WindPage, CodesForTheSequencer) {
  struct Case {
    const char* reply;
    std::int32_t lback;
  };
  const Case cases[] = {{"\n", 0}, {"b\n", kNavBack}, {"j14\n", kNavJump}, {"s\n", kNavSkip}, {"!\n", kNavHelp}};
  for (const Case& c : cases) {
    windData();
    const std::string screen = showWind(c.reply);
    EXPECT_EQ(TPCM.LBACK, c.lback) << c.reply;
    EXPECT_EQ(screen.find('\f', 1), std::string::npos) << c.reply << ": drawn once";
  }
}

TEST_F(WindPage, ListingWritesThePageOnce) {
  windData();
  TPCM.WNDTYP = 4;
  TPCM.LCOPY = 1;
  TPCM.LBACK = kNavFirst;
  const std::string screen = showWind("");
  EXPECT_EQ(TPCM.LBACK, 0);
  EXPECT_EQ(TPCM.LCOPY, 2);
  EXPECT_EQ(screen, kHeader.substr(1) + kItems12 +
                        " 3) Wind spectral type ......................... A.P.I.                       \n"
                        "    A.P.I. wind spectrum parameter .............       0.02500\n\n\n\n\n");
}

TEST_F(WindPage, HelpScreens) {
  windData();
  // "?" shows the three notes of the page, one screen each, and the page again.
  std::string screen = showWind("?\n\n\n\n\n");
  EXPECT_EQ(std::count(screen.begin(), screen.end(), '\f'), 5) << screen;
  EXPECT_TRUE(contains(screen, "\f                       ****  Wind Definition Notes  ****\n\n ++> Item Number  1\n"))
      << screen;
  EXPECT_TRUE(contains(screen, "\f\n ++> Item Number  3\n")) << screen;
  // "?2" shows the heading note with its sketch; "?9" has no note.
  screen = drive("\n", [] { WNDHP1(kScreenUnit, kKeyboardUnit, 2); });
  EXPECT_TRUE(contains(screen, " ++> Item Number   2\n Angles are measured")) << screen;
  EXPECT_TRUE(contains(screen, "             (180) <------+------> +x (0)\n")) << screen;
  EXPECT_TRUE(screen.ends_with(kPause)) << screen;
  screen = drive("\n", [] { WNDHP1(kScreenUnit, kKeyboardUnit, 9); });
  EXPECT_EQ(screen,
            "\f                       ****  Wind Definition Notes  ****\n\n"
            " ++> Item Number   9\n\n"
            " ++> Sorry, no help for this line...\n\n" +
                std::string(kPause));
  // The type notes share screens two by two for types 1 to 4.
  screen = drive("\n\n\n\n", [] { WNDHP2(kScreenUnit, kKeyboardUnit, 0); });
  EXPECT_EQ(std::count(screen.begin(), screen.end(), '\f'), 4) << screen;
  EXPECT_TRUE(contains(screen, " ++> Item Number  1\n")) << screen;
  EXPECT_TRUE(contains(screen, "(default .025).\n" + std::string(kPause))) << screen;
}

}  // namespace
}  // namespace qv
