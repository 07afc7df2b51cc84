// Page 16, the background swell, and its two-swell form, driven with typed replies: the screens, the
// heading lock, the regular-wave heading taken from the swell, the spectrum list that refuses
// Ochi-Hubble, the densities shared with page 15, hidden items, the listing and the help.
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

// A general JONSWAP swell of 6 ft and 14 s toward 60 degrees, no irregular sea.
void swellData() {
  testing_support::environmentDataSet();
  Tpcm& t = TPCM;
  t.SIMTYP = kSimQuorvel;
  t.LSWELL = 1;
  t.SWLTYP = 5;
  t.SWELHT = 6.0f;
  t.SWELPD = 14.0f;
  t.SWLHDG = 60.0f;
  t.SWLWID = 0.1f;
  t.JONGAM_SWL = 3.3f;
  t.JONPL_SWL = 0.07f;
  t.JONPG_SWL = 0.09f;
}

std::string showSwell(const std::string& typed) {
  return drive(typed, [] { SWELL("16"); });
}

const std::string kHeader = "\f ****  Page 16: Background swell characteristics  ***\n\n";

class SwellPage : public testing_support::FreshRun {};

TEST_F(SwellPage, Screens) {
  swellData();
  EXPECT_EQ(showSwell("\n"), kHeader +
                                 "  1) Simulate swell? ...........................         Yes\n\n"
                                 "  2) Swell type:  General JONSWAP              \n"
                                 " 4) Global swell heading .........................       60.00 degrees\n\n"
                                 "                          -- Swell parameters --\n\n"
                                 " 6) Swell significant height .....................        6.00 feet           \n"
                                 " 7) Swell peak period ............................       14.00 seconds\n\n"
                                 "  8) JONSWAP \"Gamma\" Parameter ....................        3.3000\n"
                                 "  9) JONSWAP \"Sigma a\" Shape Parameter ............        0.0700\n"
                                 " 10) JONSWAP \"Sigma b\" Shape Parameter ............        0.0900\n"
                                 " 11) Compute JONSWAP \"Alpha\" parameter\n" +
                                 kSelectionPrompt);
  swellData();
  TPCM.LSWELL = 0;
  EXPECT_EQ(showSwell("\n"),
            kHeader + "  1) Simulate swell? ...........................         No \n" + kSelectionPrompt);
  struct Case {
    std::int32_t type;
    const char* has;
    const char* lacks;
  };
  const Case cases[] = {
      {0,
       "  2) Swell type: Kestrin default swell\n"
       " 4) Global",
       " 9)"},
      {0,
       " 7) Swell peak period ............................       14.00 seconds\n"
       " 8) Swell spectral bandwidth parameter ...........        0.10\n \n",
       "9)"},
      {1, " 7) Swell peak period", " 8)"},  // the peak period is shown for Pierson-Moskowitz too
      {7, " 4) Global swell heading .........................       60.00 degrees\n \n", "parameters"},
      {8, "  2) Swell type:  Legacy custom spectrum       \n", "parameters"},
  };
  for (const Case& c : cases) {
    swellData();
    TPCM.SWLTYP = c.type;
    const std::string screen = showSwell("\n");
    EXPECT_TRUE(contains(screen, c.has)) << c.type << "\n" << screen;
    EXPECT_FALSE(contains(screen, c.lacks)) << c.type << "\n" << screen;
  }
}

TEST_F(SwellPage, HeadingLockAndRegularHeading) {
  // For the vessel-response types with irregular waves the lock is offered and the heading reads
  // relative; otherwise it is put back to 0 and the heading reads global.
  swellData();
  TPCM.SIMTYP = kSimDorvane;
  TPCM.LRANDM = 1;
  TPCM.LSWLOK = 1;
  std::string screen = showSwell("\n");
  EXPECT_TRUE(contains(screen,
                       "  3) Lock swell heading to irregular waves? Yes\n\n"
                       " 4) Relative swell heading .......................       60.00 degrees\n"))
      << screen;
  EXPECT_EQ(TPCM.LSWLOK, 1);
  for (auto prepare : {+[] { TPCM.LRANDM = 0; }, +[] { TPCM.SIMTYP = kSimQuorvel; }}) {
    swellData();
    TPCM.SIMTYP = kSimDorvane;
    TPCM.LRANDM = 1;
    TPCM.LSWLOK = 1;
    prepare();
    screen = showSwell("\n");
    EXPECT_FALSE(contains(screen, " 3) Lock")) << screen;
    EXPECT_TRUE(contains(screen, " 4) Global swell heading")) << screen;
    EXPECT_EQ(TPCM.LSWLOK, 0);
  }
  // A swell without an irregular sea gives the regular waves its heading on entry to the page.
  swellData();
  TPCM.WAVHDG(1) = 10.0f;
  showSwell("\n");
  EXPECT_EQ(TPCM.WAVHDG(1), 60.0f);
  swellData();
  TPCM.WAVHDG(1) = 10.0f;
  TPCM.LRANDM = 1;
  showSwell("\n");
  EXPECT_EQ(TPCM.WAVHDG(1), 10.0f);
  // Switched on during the page: the copy comes at the next entry.
  swellData();
  TPCM.LSWELL = 0;
  TPCM.WAVHDG(1) = 10.0f;
  showSwell("1\n\n");
  EXPECT_EQ(TPCM.WAVHDG(1), 10.0f);
  showSwell("\n");
  EXPECT_EQ(TPCM.WAVHDG(1), 60.0f);
}

TEST_F(SwellPage, ItemEditsAndHiddenItems) {
  testing_support::runCases(
      swellData, [] { SWELL("16"); },
      {
          PageCase{"switched off", "1\n\n", [] {}, [] { EXPECT_EQ(TPCM.LSWELL, 0); }},
          PageCase{"nothing but item 1 while off", "6\n2\n\n", [] { TPCM.LSWELL = 0; },
                   [] { EXPECT_EQ(TPCM.SWELHT, 6.0f); }},
          PageCase{"lock toggled", "3\n\n", [] {}, [] { EXPECT_EQ(TPCM.LSWLOK, 0); }},  // put back: not offered
          PageCase{"heading", "4\n90\n\n", [] {}, [] { EXPECT_EQ(TPCM.SWLHDG, 90.0f); }},
          PageCase{"height", "6\n8\n\n", [] {}, [] { EXPECT_EQ(TPCM.SWELHT, 8.0f); }},
          PageCase{"period", "7\n16\n\n", [] { TPCM.SWLTYP = 7; }, [] { EXPECT_EQ(TPCM.SWELPD, 16.0f); }},
          PageCase{"gamma asked again while negative", "8\n-3\n-1\n2\n\n", [] {},
                   [] { EXPECT_EQ(TPCM.JONGAM_SWL, 2.0f); }},
          PageCase{"sigma a", "9\n.06\n\n", [] {}, [] { EXPECT_EQ(TPCM.JONPL_SWL, 0.06f); }},
          PageCase{"sigma b", "10\n.08\n\n", [] {}, [] { EXPECT_EQ(TPCM.JONPG_SWL, 0.08f); }},
          PageCase{"bandwidth", "8\n.15\n\n", [] { TPCM.SWLTYP = 0; }, [] { EXPECT_EQ(TPCM.SWLWID, 0.15f); }},
          PageCase{"9 to 11 ignored for another type", "9\n10\n11\n\n", [] { TPCM.SWLTYP = 0; },
                   [] { EXPECT_EQ(TPCM.JONPL_SWL, 0.07f); }},
          PageCase{"5, 12 and 20 draw the page again", "5\n12\n20\n\n", [] {}, [] { EXPECT_EQ(TPCM.LSWELL, 1); }},
          PageCase{"Bretschneider", "2\n7\n\n", [] {}, [] { EXPECT_EQ(TPCM.SWLTYP, 6); }},
          // Ochi-Hubble is refused with a message and the list comes again.
          PageCase{"Ochi-Hubble refused", "2\n10\n\n\n\n", [] {}, [] { EXPECT_EQ(TPCM.SWLTYP, 5); }},
          PageCase{"B goes back to the page", "2\nb\n\n", [] {}, [] { EXPECT_EQ(TPCM.SWLTYP, 5); }},
      });
  swellData();
  const std::string screen = showSwell("2\n10\n\n\n\n");
  EXPECT_TRUE(contains(screen, "\f -- Irregular swell types --\n\n")) << screen;
  EXPECT_TRUE(contains(screen, kSelectionPrompt +
                                   std::string(" ++> The Ochi-Hubble spectrum cannot be used for "
                                               "swell seas.\n") +
                                   kPause + "\f -- Irregular swell types --"))
      << screen;
}

TEST_F(SwellPage, DensitiesSharedWithTheIrregularWavePage) {
  swellData();
  TPCM.NWP = 4;
  TPCM.USRPSD.fill(0.0f);
  showSwell("2\n9\n3\n2.5\n\n\n\n");  // type 8, row 3 of the table
  EXPECT_EQ(TPCM.SWLTYP, 8);
  EXPECT_EQ(TPCM.USRPSD(3), 2.5f);
  TPCM.LRANDM = 1;
  TPCM.WAVTYP = 8;
  const std::string screen = drive("2\n9\n\n\n", [] { MORRAN("15"); });
  EXPECT_TRUE(contains(screen, "   3)      2.50\n")) << screen;
}

TEST_F(SwellPage, JonswapAlpha) {
  // alpha = (Hs/4)^2 wp^4 / (F g^2) with F(2.0, .1, .2) = 0.2831509 (scipy.integrate.quad of the
  // JONSWAP shape): 0.0198173 for 9 m and 11 s.
  swellData();
  TPCM.NUNTS = 1;
  TPCM.JONGAM_SWL = 2.0f;
  TPCM.JONPL_SWL = 0.1f;
  TPCM.JONPG_SWL = 0.2f;
  const std::string screen = showSwell("11\n9,11\n\n\n");
  EXPECT_TRUE(contains(screen, " ++> The JONSWAP \"Alpha\" Parameter is:  0.0198\n")) << screen;
  swellData();
  TPCM.JONPL_SWL = 0.0f;
  EXPECT_FALSE(contains(showSwell("11\n\n"), "Enter [Sig. Height"));
}

TEST_F(SwellPage, ListingAndHelp) {
  swellData();
  TPCM.SWLTYP = 8;
  TPCM.NWP = 2;
  TPCM.LCOPY = 1;
  std::string screen = showSwell("");
  EXPECT_EQ(TPCM.LCOPY, 4);
  EXPECT_TRUE(contains(screen, "\n\n\n\f  Specify spectral densities")) << screen;
  // "?": notes 2, 4 and the JONSWAP notes, no spreading notes; the lock note only for the
  // vessel-response types.
  swellData();
  screen = showSwell("?\n\n\n\n\n\n");
  EXPECT_EQ(std::count(screen.begin(), screen.end(), '\f'), 6) << screen;
  EXPECT_FALSE(contains(screen, "Item Number  20")) << screen;
  swellData();
  TPCM.SIMTYP = kSimBrantox;
  screen = showSwell("?3\n\n\n");
  EXPECT_TRUE(contains(screen, "The swell heading is either one fixed global value")) << screen;
}

// The two-swell form.
struct TwoSwells {
  std::int32_t lock = 0;
  float regularHeading = 0.0f;
  std::int32_t periods = 4;
  Arr<float, kMaxPeriods> densities{};
  std::int32_t flag1 = 1, type1 = 0, flag2 = 0, type2 = 6;
  float h1 = 6, t1 = 14, d1 = 60, w1 = 0.1f, a1 = 0, b1 = 0, g1 = 0;
  float h2 = 2, t2 = 9, d2 = 120, w2 = 0.1f, a2 = 0, b2 = 0, g2 = 0;

  std::int32_t run(const std::string& typed, std::string& screen, std::int32_t simtyp = kSimBrantox,
                   std::int32_t LRANDM = 1) {
    std::int32_t result = 0;
    const SwellWords first{flag1, type1, h1, t1, d1, w1, a1, b1, g1};
    const SwellWords second{flag2, type2, h2, t2, d2, w2, a2, b2, g2};
    screen = drive(typed, [&] {
      result = SWELL2("16", simtyp, first, lock, second, densities, periods, 0, LRANDM, regularHeading);
    });
    return result;
  }
};

TEST_F(SwellPage, TwoSwellForm) {
  testing_support::environmentDataSet();
  TwoSwells s;
  std::string screen;
  EXPECT_EQ(s.run("\n", screen), 0);
  EXPECT_EQ(screen, kHeader +
                        "  1) Simulate swell? ...........................  Yes\n"
                        " 2) Swell type: Kestrin default swell\n"
                        " 4) Global swell heading ......................       60.00 degrees\n"
                        " 6) Swell significant height ..................        6.00 feet           \n"
                        " 7) Swell peak period .........................       14.00 seconds\n"
                        " 8) Swell spectral bandwidth parameter ........        0.10\n"
                        " 21) ++> Simulate SECOND, *smaller* swell? .....  No \n"
                        " 41) Lock swell heading to irregular waves?            No \n" +
                        kSelectionPrompt);
  // 21 switches the second swell on; 27 edits its period; 41 the lock; B leaves with its code.
  EXPECT_EQ(s.run("21\n27\n11\n41\nb\n", screen), kNavBack);
  EXPECT_EQ(s.flag2, 1);
  EXPECT_EQ(s.t2, 11.0f);
  EXPECT_EQ(s.lock, 1);
  EXPECT_TRUE(contains(screen, "22) Swell type:  Bretschneider")) << screen;
  EXPECT_TRUE(contains(screen, "24) Relative swell heading ....................      120.00 degrees\n")) << screen;
  // The second swell's list refuses Ochi-Hubble too; its type 8 opens the shared density table.
  EXPECT_EQ(s.run("22\n10\n\n9\n1\n3\n\n\n\n", screen), 0);
  EXPECT_EQ(s.type2, 8);
  EXPECT_EQ(s.densities(1), 3.0f);
  // Without the first swell there is no second, no lock, and the heading goes to the regular waves
  // only while the first is on and the irregular sea off.
  s.flag1 = 0;
  s.run("\n", screen, kSimBrantox, 0);
  EXPECT_EQ(s.flag2, 0);
  EXPECT_EQ(s.lock, 0);
  EXPECT_EQ(s.regularHeading, 0.0f);
  s.flag1 = 1;
  s.run("\n", screen, kSimBrantox, 0);
  EXPECT_EQ(s.regularHeading, 60.0f);
  EXPECT_FALSE(contains(screen, " 41)")) << screen;
}

}  // namespace
}  // namespace qv
