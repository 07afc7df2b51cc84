// Page 15, the irregular sea, driven with typed replies: its screens for the spectrum types, the
// item edits and hidden items, the spectrum list with the density table, the Ochi-Hubble tables,
// the spreading wedges, the JONSWAP alpha calculator against an independent quadrature, the
// listing and the help screens.
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

// A general JONSWAP sea of 30 ft and 12 s toward 45 degrees, spread over 180 degrees in 6 wedges.
void seaData() {
  testing_support::environmentDataSet();
  Tpcm& t = TPCM;
  t.SIMTYP = kSimQuorvel;
  t.LRANDM = 1;
  t.WAVTYP = 5;
  t.SEAHDG(1) = 45.0f;
  t.SWHT(1) = 30.0f;
  t.SIGPD(1) = 12.0f;
  t.JONGAM = 3.3f;
  t.JONPL = 0.07f;
  t.JONPG = 0.09f;
  t.WAVWID = 0.1f;
  t.LSPRED = 1;
  t.COSEXP = 2.0f;
  t.ANGSEC = 180.0f;
  t.NA = 6;
  t.MAXANG = 36;
  t.MAXSHG = 1;
  t.MAXSHT = 1;
}

// Two Ochi-Hubble components.
void ochiData() {
  seaData();
  Tpcm& t = TPCM;
  t.WAVTYP = 9;
  t.N_OCHI_COMP = 2;
  t.SWHT(2) = 10.0f;
  t.SIGPD(2) = 6.0f;
  t.OCHI_LAMBDA(1) = 3.0f;
  t.OCHI_LAMBDA(2) = 1.5f;
}

std::string showSea(const std::string& typed) {
  return drive(typed, [] { MORRAN("15"); });
}

const std::string kHeader = "\f ****  Page 15: Irregular wave specifications  ****\n\n\n";
const std::string kSpreading =
    " 20) Use azimuthal spreading of irregular wave energy\n"
    " 21) Wave spreading index .........................    2.00\n"
    " 22) Sector size containing wave energy ...........  180.00 deg\n"
    " 23) Number of angular wedges (Max 36) ............ 6\n";

class IrregularWavePage : public testing_support::FreshRun {};

TEST_F(IrregularWavePage, Screens) {
  seaData();
  EXPECT_EQ(showSea("\n"), kHeader +
                               "  1) Simulate irregular waves?   Yes\n\n"
                               "  2) Wave type:  General JONSWAP       \n"
                               " 4) Wave heading:    45.00 degrees\n\n"
                               "                          -- Wave parameters --\n\n"
                               " 6) Significant height:      30.00 feet           \n"
                               " 7) Spectrum peak period:    12.00 seconds\n\n"
                               "  8) JONSWAP \"Gamma\" Parameter ....................    3.3000\n"
                               "  9) JONSWAP \"Sigma a\" Shape Parameter ............    0.0700\n"
                               " 10) JONSWAP \"Sigma b\" Shape Parameter ............    0.0900\n"
                               " 11) Compute JONSWAP \"Alpha\" parameter\n\n" +
                               kSpreading + kSelectionPrompt);
  ochiData();
  EXPECT_TRUE(contains(showSea("\n"),
                       "                          -- Wave parameters --\n\n"
                       "  5) Number of Ochi-Hubble wave components .........(Max  4):  2\n"
                       "  6) Component heights in feet           \n"
                       "         30.00        10.00\n"
                       "  7) Component peak periods (seconds)\n"
                       "         12.00         6.00\n"
                       "  8) Component Lambda Values\n"
                       "          3.00000      1.50000\n\n"
                       " 20) Use azimuthal"));
  EXPECT_EQ(TPCM.MAXSHT, 4);
  struct Case {
    std::int32_t type;
    const char* has;
    const char* lacks;
  };
  const Case cases[] = {
      {0,
       " 7) Spectrum peak period:    12.00 seconds\n\n  8) Spectral bandwidth parameter .................    "
       "0.1000\n\n",
       " 9)"},
      {1, " 6) Significant height:      30.00 feet           \n\n 20)", " 7)"},
      {7, "  2) Wave type:  WAVSPEC.txt input file\n 4) Wave heading:    45.00 degrees\n\n 20)", "parameters"},
      {8, "  2) Wave type:  Legacy custom spectrum\n 4) Wave heading:    45.00 degrees\n\n 20)", "parameters"},
      {10, " 11) Compute", " 5)"},
  };
  for (const Case& c : cases) {
    seaData();
    TPCM.WAVTYP = c.type;
    const std::string screen = showSea("\n");
    EXPECT_TRUE(contains(screen, c.has)) << c.type << "\n" << screen;
    EXPECT_FALSE(contains(screen, c.lacks)) << c.type << "\n" << screen;
  }
  // Irregular waves off: item 1 alone; long-crested: item 20 alone; the alpha item needs all three
  // shape parameters positive.
  seaData();
  TPCM.LRANDM = 0;
  EXPECT_EQ(showSea("\n"), kHeader + "  1) Simulate irregular waves?   No \n" + kSelectionPrompt);
  seaData();
  TPCM.LSPRED = 0;
  TPCM.JONPG = 0.0f;
  const std::string screen = showSea("\n");
  EXPECT_TRUE(
      screen.ends_with(" 10) JONSWAP \"Sigma b\" Shape Parameter ............    0.0000\n\n"
                       " 20) Use long-crested irregular wave model\n" +
                       std::string(kSelectionPrompt)))
      << screen;
}

TEST_F(IrregularWavePage, ItemEditsAndHiddenItems) {
  testing_support::runCases(
      seaData, [] { MORRAN("15"); },
      {
          PageCase{"switched off", "1\n\n", [] {}, [] { EXPECT_EQ(TPCM.LRANDM, 0); }},
          PageCase{"switched on, asked", "1\n1\n\n",
                   [] {
                     TPCM.LRANDM = 0;
                     TPCM.IBATCH = 1;
                   },
                   [] { EXPECT_EQ(TPCM.LRANDM, 1); }},
          PageCase{"nothing but item 1 while off", "6\n4\n2\n\n", [] { TPCM.LRANDM = 0; },
                   [] {
                     EXPECT_EQ(TPCM.SWHT(1), 30.0f);
                     EXPECT_EQ(TPCM.WAVTYP, 5);
                   }},
          PageCase{"heading", "4\n90\n\n", [] {}, [] { EXPECT_EQ(TPCM.SEAHDG(1), 90.0f); }},
          PageCase{"height", "6\n25\n\n", [] {}, [] { EXPECT_EQ(TPCM.SWHT(1), 25.0f); }},
          PageCase{"peak period of Pierson-Moskowitz, not shown", "7\n9\n\n", [] { TPCM.WAVTYP = 1; },
                   [] { EXPECT_EQ(TPCM.SIGPD(1), 9.0f); }},
          PageCase{"gamma asked again while negative", "8\n-1\n2.5\n\n", [] {}, [] { EXPECT_EQ(TPCM.JONGAM, 2.5f); }},
          PageCase{"sigma a", "9\n.08\n\n", [] {}, [] { EXPECT_EQ(TPCM.JONPL, 0.08f); }},
          PageCase{"sigma b", "10\n.1\n\n", [] {}, [] { EXPECT_EQ(TPCM.JONPG, 0.1f); }},
          PageCase{"bandwidth of the swell spectrum", "8\n.2\n\n", [] { TPCM.WAVTYP = 0; },
                   [] { EXPECT_EQ(TPCM.WAVWID, 0.2f); }},
          PageCase{"bandwidth accepted for Bretschneider", "8\n-.5\n.3\n\n", [] { TPCM.WAVTYP = 6; },
                   [] { EXPECT_EQ(TPCM.WAVWID, 0.3f); }},
          // Items 9 to 11 of a type without a JONSWAP shape draw the page again.
          PageCase{"9 to 11 without a JONSWAP shape", "9\n10\n11\n20\n\n", [] { TPCM.WAVTYP = 2; },
                   [] {
                     EXPECT_EQ(TPCM.JONPL, 0.07f);
                     EXPECT_EQ(TPCM.LSPRED, 0);  // the 20 toggles: the three before it did nothing
                   }},
          PageCase{"11 without all three shape parameters", "11\n\n", [] { TPCM.JONGAM = 0.0f; }, [] {}},
          PageCase{"5 only for Ochi-Hubble", "5\n\n", [] {}, [] { EXPECT_EQ(TPCM.N_OCHI_COMP, 2); }},
          PageCase{"spreading off", "20\n\n", [] {}, [] { EXPECT_EQ(TPCM.LSPRED, 0); }},
          PageCase{"spreading index", "21\n4\n\n", [] {}, [] { EXPECT_EQ(TPCM.COSEXP, 4.0f); }},
          PageCase{"sector", "22\n360\n\n", [] {}, [] { EXPECT_EQ(TPCM.ANGSEC, 360.0f); }},
          PageCase{"21 to 23 without spreading", "21\n22\n23\n\n", [] { TPCM.LSPRED = 0; },
                   [] {
                     EXPECT_EQ(TPCM.COSEXP, 2.0f);
                     EXPECT_EQ(TPCM.NA, 6);
                   }},
          PageCase{"3, 12 and 24 draw the page again", "3\n12\n24\n\n", [] {}, [] { EXPECT_EQ(TPCM.NA, 6); }},
      });
}

TEST_F(IrregularWavePage, SpreadingWedges) {
  struct Case {
    const char* typed;
    std::int32_t na;
  };
  const Case cases[] = {
      {"23\n7\n\n", 6},                      // made even by truncation
      {"23\n41\n\n", 36},                    // even first, then held at MAXANG
      {"23\n12\n\n", 12}, {"23\n1\n\n", 2},  // with spreading on at least two wedges
      {"23\n0\n\n", 2},   {"23\nx\n\n", 2},  // a letter is a negative code, held at 0, then 2
  };
  for (const Case& c : cases) {
    seaData();
    showSea(c.typed);
    EXPECT_EQ(TPCM.NA, c.na) << c.typed;
  }
  // Spreading switched on over no wedges gets two.
  seaData();
  TPCM.LSPRED = 0;
  TPCM.NA = 0;
  showSea("20\n\n");
  EXPECT_EQ(TPCM.LSPRED, 1);
  EXPECT_EQ(TPCM.NA, 2);
}

TEST_F(IrregularWavePage, OchiHubbleComponents) {
  testing_support::runCases(
      ochiData, [] { MORRAN("15"); },
      {
          PageCase{"count 0 becomes 1", "5\n0\n\n", [] {}, [] { EXPECT_EQ(TPCM.N_OCHI_COMP, 1); }},
          PageCase{"count held at 4", "5\n9\n\n", [] {}, [] { EXPECT_EQ(TPCM.N_OCHI_COMP, 4); }},
          PageCase{"heights typed", "6\n1\n4\n3\n\n\n", [] {},
                   [] {
                     EXPECT_EQ(TPCM.SWHT(1), 4.0f);
                     EXPECT_EQ(TPCM.SWHT(2), 3.0f);
                   }},
          // A row inserted in the table leaves the component count as it is.
          PageCase{"a row inserted", "7\n5\n1\n\n\n", [] {},
                   [] {
                     EXPECT_EQ(TPCM.SIGPD(1), 0.0f);
                     EXPECT_EQ(TPCM.SIGPD(2), 12.0f);
                     EXPECT_EQ(TPCM.SIGPD(3), 6.0f);
                     EXPECT_EQ(TPCM.N_OCHI_COMP, 2);
                   }},
          PageCase{"lambdas", "8\n2\n2.5\n\n\n", [] {}, [] { EXPECT_EQ(TPCM.OCHI_LAMBDA(2), 2.5f); }},
          PageCase{"headings", "4\n1\n200\n\n\n", [] {}, [] { EXPECT_EQ(TPCM.SEAHDG(1), 200.0f); }},
      });
  // Entry sets the heading and height counts to 1 and a count of 0 or less to 2; MAXSHT stays 4
  // after another type is chosen.
  ochiData();
  TPCM.N_OCHI_COMP = -3;
  TPCM.NSEAHG = 5;
  TPCM.NSEAHT = 7;
  showSea("2\n6\n\n");
  EXPECT_EQ(TPCM.N_OCHI_COMP, 2);
  EXPECT_EQ(TPCM.NSEAHG, 1);
  EXPECT_EQ(TPCM.NSEAHT, 1);
  EXPECT_EQ(TPCM.WAVTYP, 5);
  EXPECT_EQ(TPCM.MAXSHT, 4);
}

TEST_F(IrregularWavePage, SpectrumList) {
  testing_support::runCases(
      seaData, [] { MORRAN("15"); },
      {
          PageCase{"Sharp JONSWAP", "2\n4\n\n", [] {}, [] { EXPECT_EQ(TPCM.WAVTYP, 3); }},
          PageCase{"12 shows the list again", "2\n12\n1\n\n", [] {}, [] { EXPECT_EQ(TPCM.WAVTYP, 0); }},
          PageCase{"B goes back to the page", "2\nb\n\n", [] {}, [] { EXPECT_EQ(TPCM.WAVTYP, 5); }},
          PageCase{"Ochi-Hubble", "2\n10\n\n", [] {}, [] { EXPECT_EQ(TPCM.WAVTYP, 9); }},
          // The legacy custom spectrum opens the density table at once, with a row per period.
          PageCase{"legacy densities", "2\n9\n2\n1.5\n\n\n\n",
                   [] {
                     TPCM.NWP = 3;
                     TPCM.USRPSD.fill(0.0f);
                   },
                   [] {
                     EXPECT_EQ(TPCM.WAVTYP, 8);
                     EXPECT_EQ(TPCM.USRPSD(2), 1.5f);
                     EXPECT_EQ(TPCM.USRPSD(3), 0.0f);
                   }},
      });
  seaData();
  TPCM.NWP = 3;
  const std::string screen = showSea("2\n9\n\n\n");
  EXPECT_TRUE(contains(screen,
                       "\f -- Irregular wave types --\n\n"
                       "  1)  Kestrin swell spectrum\n"
                       "  2)  Pierson-Moskowitz     \n"))
      << screen;
  EXPECT_TRUE(contains(screen, " 11)  TMA Shallow Water     \n")) << screen;
  EXPECT_TRUE(contains(screen,
                       "\f  Specify spectral densities at regular wave periods\n\n"
                       "   1)      0.00\n   2)      0.00\n   3)      0.00\n"))
      << screen;
}

TEST_F(IrregularWavePage, JonswapAlpha) {
  // References: alpha = (Hs/4)^2 wp^4 / (F g^2), F the integral over x = w/wp of
  // x^-5 exp(-1.25 x^-4) gamma^exp(-(x-1)^2/(2 sigma^2)), by scipy.integrate.quad:
  // F(3.3, .07, .09) = 0.3049897; F(2.0, .1, .2) = 0.2831509.
  seaData();
  std::string screen = showSea("11\n30,12\n\n11\n,10\n\n\n");
  EXPECT_TRUE(contains(screen, "Period]: \n ++> The JONSWAP \"Alpha\" Parameter is:  0.0134\n" + std::string(kPause)))
      << screen;  // 0.0134096
  // The height not typed the second time is the one typed before.
  EXPECT_TRUE(contains(screen, " ++> The JONSWAP \"Alpha\" Parameter is:  0.0278\n")) << screen;  // 0.0278061
  seaData();
  TPCM.NUNTS = 1;
  TPCM.JONGAM = 2.0f;
  TPCM.JONPL = 0.1f;
  TPCM.JONPG = 0.2f;
  screen = showSea("11\n9 11\n\n\n");
  EXPECT_TRUE(contains(screen, " ++> The JONSWAP \"Alpha\" Parameter is:  0.0198\n")) << screen;  // 0.0198173
  // A blank reply, or a value of 0 or less, computes nothing; nothing is stored.
  for (const char* typed : {"11\n\n\n", "11\n0,12\n\n", "11\n30,-1\n\n"}) {
    seaData();
    screen = showSea(typed);
    EXPECT_TRUE(contains(screen, kSelectionPrompt + std::string(" Enter [Sig. Height, Peak Period]: \f"))) << typed;
    EXPECT_FALSE(contains(screen, "Alpha\" Parameter is")) << typed;
    EXPECT_EQ(TPCM.SWHT(1), 30.0f);
  }
}

TEST_F(IrregularWavePage, Listing) {
  seaData();
  TPCM.WAVTYP = 8;
  TPCM.NWP = 2;
  TPCM.LCOPY = 1;
  const std::string screen = showSea("");
  EXPECT_EQ(TPCM.LBACK, 0);
  EXPECT_EQ(TPCM.LCOPY, 4);  // the page, a new listing page, the density table
  EXPECT_TRUE(screen.starts_with(kHeader.substr(1))) << screen;
  EXPECT_TRUE(contains(screen, "\n\n\n\f  Specify spectral densities")) << screen;
  seaData();
  TPCM.LCOPY = 1;
  showSea("");
  EXPECT_EQ(TPCM.LCOPY, 2);
}

TEST_F(IrregularWavePage, HelpScreens) {
  // "?" on the page: notes 2, 4, 8 to 10, 11 and 20 to 23 of a spread general JONSWAP sea.
  seaData();
  std::string screen = showSea("?\n" + std::string(9, '\n'));  // eight screens, then the page again
  EXPECT_EQ(std::count(screen.begin(), screen.end(), '\f'), 10) << screen;
  EXPECT_TRUE(contains(screen,
                       "\f                   ****  Random Wave Definition Notes  ****\n\n"
                       " ++> Item Number  2\n Seven categories"))
      << screen;
  EXPECT_TRUE(contains(screen, "\f\n ++> Item Numbers 8, 9, 10\n")) << screen;
  EXPECT_FALSE(contains(screen, "Item Number  3\n")) << screen;
  struct Case {
    std::int32_t item, simtyp, swellFlag, type;
    const char* has;
  };
  const Case cases[] = {
      {3, kSimDorvane, 1, 1, " ++> Item Number   3\n The swell heading is either"},
      // The lock exists for vessel-response types only; no spreading on the swell page.
      {3, kSimQuorvel, 1, 1, " ++> Item Number   3\n\n ++> Sorry, no help for this line...\n\n"},
      {21, kSimQuorvel, 1, 1, " ++> Item Number  21\n\n ++> Sorry, no help for this line...\n\n"},
      {21, kSimQuorvel, 0, 1, "Sd(w,A) = S(w) x K x [cos(pi A/Ac)]^p"},
      {8, kSimQuorvel, 0, 0, "holds 68% of the energy"},
      {8, kSimQuorvel, 0, 9, "at most 4 components"},
      {8, kSimQuorvel, 0, 1, " ++> Item Number   8\n\n ++> Sorry, no help for this line...\n\n"},
      {6, kSimQuorvel, 0, 9, "Each Ochi-Hubble component"},
  };
  for (const Case& c : cases) {
    screen = drive("\n", [&c] { RANHP1(kScreenUnit, kKeyboardUnit, c.item, c.simtyp, c.swellFlag, c.type); });
    EXPECT_TRUE(contains(screen, c.has)) << c.item << " " << c.type << "\n" << screen;
  }
  screen = drive("\n", [] { RANHP2(kScreenUnit, kKeyboardUnit, 5); });
  EXPECT_TRUE(contains(screen, " ++> Item Number   5\n The JONSWAP family:")) << screen;
  EXPECT_TRUE(contains(screen, "   Squat JONSWAP                7.0      .68       .123\n")) << screen;
  screen = drive("\n\n\n\n\n\n\n\n", [] { RANHP2(kScreenUnit, kKeyboardUnit, 0); });
  EXPECT_EQ(std::count(screen.begin(), screen.end(), '\f'), 8) << screen;
}

}  // namespace
}  // namespace qv
