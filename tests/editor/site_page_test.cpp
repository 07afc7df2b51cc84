// Page 1, site conditions, driven with typed replies: its screen, the identification lines, depth and
// density, both unit conversions with the warning, the help screens, the codes it hands to the
// sequencer and the hard-copy pass.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "dataset/tpcm.h"
#include "dataset/tpcm_codes.h"
#include "editor/pages.h"
#include "editor/site_page.h"
#include "platform/units.h"
#include "support/checks.h"
#include "support/console_capture.h"
#include "support/fresh_run.h"
#include "util/nav_codes.h"
#include "util/sim_types.h"

namespace qv {
namespace {

using testing_support::ConsoleCapture;
using testing_support::contains;

constexpr const char* kSelectionPrompt = " \n Enter number of selection (\"H\" for help): ";
const std::string kHeader = "\f                    ****  Page 1: Site conditions  ****\n\n\n";

// A data set as a new one reaches page 1: blank identification lines, English units, seawater.
void newSite() {
  resetAllBlocks();
  TPCM.EDUNIT = kScreenUnit;
  TPCM.CREATR = kSimQuorvel;
  TPCM.CID1P.blank();
  TPCM.CID2P.blank();
  TPCM.DWATR = 64.0f;
}

// Shows the page with the typed script and returns the screen.
std::string showPage(const std::string& typed) {
  ConsoleCapture console(typed);
  STATIC();
  EXPECT_EQ(console.unread(), "") << typed;
  return console.screen();
}

std::string blanks(std::size_t n) { return std::string(n, ' '); }

class SitePage : public testing_support::FreshRun {};

TEST_F(SitePage, ScreenOfANewDataSet) {
  newSite();
  TPCM.CID1P.assign("North field SALM");
  TPCM.DEPTH = 152.4f;
  const std::string expected = kHeader +
                               "     Two-line Identification for this simulation:\n"
                               "\n"
                               " 1) [North field SALM" + blanks(56) + "]\n"
                               " 2) [" + blanks(72) + "]\n"
                               " \n"
                               " 3) Units of measure: English\n"
                               "\n"
                               " 4) Site water depth:          152.40 feet           \n"
                               " 5) Water density:              64.00 lbs/cubic foot \n" +
                               kSelectionPrompt;
  EXPECT_EQ(showPage("\n"), expected);
}

TEST_F(SitePage, UnitLinesByUnitSystem) {
  newSite();
  TPCM.NUNTS = kMetricUnits;
  const std::string metric = showPage("\n");
  EXPECT_TRUE(contains(metric, " \n 3) Units of measure: Metric\n\n"));
  EXPECT_TRUE(contains(metric, " 4) Site water depth:            0.00 meters         \n"));
  EXPECT_TRUE(contains(metric, " 5) Water density:              64.00 kgw/cubic meter\n"));

  newSite();
  TPCM.NUNTS = 2;  // neither system: no units line
  EXPECT_TRUE(contains(showPage("\n"), " \n\n 4) Site water depth:"));
}

TEST_F(SitePage, ItemEdits) {
  // 64 x 16.0185 and 62.44 x 16.0185 in 4-byte floats.
  const float seawaterMetric = 64.0f * 16.0185f;
  const float freshwaterMetric = 62.44f * 16.0185f;
  struct Case {
    const char* what;
    std::string typed;  // ends with the blank reply that leaves the page
    std::function<void()> prepare;
    std::function<void()> check;
  };
  const Case cases[] = {
      {"identification 1: a short reply blanks the rest of the 72 characters", "1\nSALM B\n\n",
       [] { TPCM.CID1P.assign(std::string(80, 'X')); },
       [] { EXPECT_EQ(TPCM.CID1P.view(), "SALM B" + blanks(66) + "XXXXXXXX"); }},
      {"identification 2: a reply of blanks keeps the line", "2\n    \n\n", [] { TPCM.CID2P.assign("Kept"); },
       [] { EXPECT_EQ(TPCM.CID2P.trimmed(), "Kept"); }},
      {"identification 2: only 72 characters are taken", "2\n" + std::string(75, 'y') + "\n\n", [] {},
       [] { EXPECT_EQ(TPCM.CID2P.view(), std::string(72, 'y') + blanks(8)); }},
      {"depth", "4\n100\n\n", [] {}, [] { EXPECT_EQ(TPCM.DEPTH, 100.0f); }},
      {"depth, unreadable keeps", "4\nabc\n\n", [] { TPCM.DEPTH = 50.0f; }, [] { EXPECT_EQ(TPCM.DEPTH, 50.0f); }},
      {"density: seawater", "5\n1\n\n", [] { TPCM.DWATR = 1.0f; }, [] { EXPECT_EQ(TPCM.DWATR, 64.0f); }},
      {"density: freshwater", "5\n2\n\n", [] {}, [] { EXPECT_EQ(TPCM.DWATR, 62.44f); }},
      {"density: seawater, metric", "5\n1\n\n", [] { TPCM.NUNTS = kMetricUnits; },
       [&] { EXPECT_EQ(TPCM.DWATR, seawaterMetric); }},
      {"density: freshwater, metric", "5\n2\n\n", [] { TPCM.NUNTS = kMetricUnits; },
       [&] { EXPECT_EQ(TPCM.DWATR, freshwaterMetric); }},
      {"density: the user's own", "5\n3\n63.5\n\n", [] {}, [] { EXPECT_EQ(TPCM.DWATR, 63.5f); }},
      {"density: help, then freshwater", "5\n?\n\n2\n\n", [] {}, [] { EXPECT_EQ(TPCM.DWATR, 62.44f); }},
      {"density: no such choice", "5\n4\n\n", [] {}, [] { EXPECT_EQ(TPCM.DWATR, 64.0f); }},
      {"labels only, to metric", "3\n1\n\n", [] { TPCM.DEPTH = 100.0f; },
       [&] {
         EXPECT_EQ(TPCM.NUNTS, kMetricUnits);
         EXPECT_EQ(TPCM.DWATR, seawaterMetric);
         EXPECT_EQ(TPCM.DEPTH, 100.0f);
       }},
      {"labels only, twice", "3\n1\n3\n1\n\n", [] { TPCM.DEPTH = 100.0f; },
       [] {
         EXPECT_EQ(TPCM.NUNTS, kEnglishUnits);
         EXPECT_EQ(TPCM.DWATR, 64.0f);  // numpy: f(f(64)*f(16.0185))/f(16.0185) == 64
         EXPECT_EQ(TPCM.DEPTH, 100.0f);
       }},
      {"conversion: help, then labels only", "3\n?\n\n1\n\n", [] {}, [] { EXPECT_EQ(TPCM.NUNTS, kMetricUnits); }},
      {"conversion: no such choice", "3\n9\n\n", [] {}, [] { EXPECT_EQ(TPCM.NUNTS, kEnglishUnits); }},
      {"everything, to metric", "3\n2\n\n\n", [] { TPCM.DEPTH = 100.0f; },
       [] {
         EXPECT_EQ(TPCM.NUNTS, kMetricUnits);
         EXPECT_EQ(TPCM.DEPTH, 30.48f);
         EXPECT_EQ(TPCM.DWATR, 0x1.004ba4p+10f);  // 1025.1819: 64 x F/L^3 formed from L and F
       }},
      {"everything: A at the warning converts nothing", "3\n2\nA\n\n", [] { TPCM.DEPTH = 100.0f; },
       [] {
         EXPECT_EQ(TPCM.NUNTS, kEnglishUnits);
         EXPECT_EQ(TPCM.DEPTH, 100.0f);
         EXPECT_EQ(TPCM.DWATR, 64.0f);
       }},
      {"help, then the page again", "?\n\n\n", [] {}, [] { EXPECT_EQ(TPCM.LBACK, 0); }},
  };
  for (const Case& c : cases) {
    newSite();
    c.prepare();
    showPage(c.typed);
    SCOPED_TRACE(c.what);
    c.check();
    EXPECT_EQ(TPCM.LBACK, 0);
  }
}

TEST_F(SitePage, FullConversionOfASalmDataSetLeavesTheMooringSections) {
  newSite();
  TPCM.SLEN(1) = 10.0f;
  TPCM.PNDARM = 1.0f;
  TPCM.moor.SLEN(1, 1) = 10.0f;
  TPCM.OFFL(1) = 10.0f;
  showPage("3\n2\n\n\n");
  EXPECT_EQ(TPCM.SLEN(1), 10.0f * 0.3048f);
  EXPECT_EQ(TPCM.PNDARM, 0.3048f);
  EXPECT_EQ(TPCM.moor.SLEN(1, 1), 10.0f);
  EXPECT_EQ(TPCM.OFFL(1), 10.0f);
}

TEST_F(SitePage, CodesForTheSequencer) {
  struct Case {
    const char* typed;
    std::int32_t lback;
  };
  const Case cases[] = {
      {"\n", 0}, {"b\n", kNavBack}, {"6\n", 6}, {"e\n", kNavExecute}, {"j4\n", kNavJump}, {"h\n\n", kNavHelp},
  };
  for (const Case& c : cases) {
    newSite();
    showPage(c.typed);
    EXPECT_EQ(TPCM.LBACK, c.lback) << c.typed;
  }
  EXPECT_EQ(TPCM.IPAG, 0);
  newSite();
  showPage("j4\n");
  EXPECT_EQ(TPCM.IPAG, 4);
}

TEST_F(SitePage, ConversionSubpageAndWarning) {
  newSite();
  const std::string english = showPage("3\n\n\n");
  EXPECT_TRUE(contains(english, "\f\n      >>> Units Conversion Options <<<\n\n"
                                " 1) Convert only water density and unit labels to metric  units\n"
                                " 2) Convert ALL data values and units labels to metric  units\n" +
                                    std::string(kSelectionPrompt)));
  newSite();
  TPCM.NUNTS = kMetricUnits;
  EXPECT_TRUE(contains(showPage("3\n\n\n"), " 2) Convert ALL data values and units labels to English units\n"));

  const std::string warning =
      "\f\n\n                >>> Warning <<<\n\n"
      "     This option should be exercised with care.\n\n"
      "     Several things to consider:\n\n"
      "     1) Executing this option twice will not in general reproduce exactly\n"
      "     the original data file due to floating-point roundoff errors. Thus,\n"
      "     two \"equivalent\" data files (original and twice-converted) will in\n"
      "     general produce slightly differing output streams.\n\n"
      "     2) Using this option may compromise the usefulness of\n"
      "     inter-simulation data file transfers since the converted variable\n"
      "     sets differ between simulations. Conversions to an existing data\n"
      "     file should in general be carried out in the originating simulation.\n\n"
      "     For example, to transfer a data file from Heskova (English) to\n"
      "     Brantox (metric), you should do the conversion in Heskova, then use\n"
      "     the converted MOORDAT file as input to Brantox.\n\n"
      "     3) Any user-supplied data that is dimensional must be converted by\n"
      "     hand. For example, WINDSPEC.txt and CRNTSPEC.txt files contain\n"
      "     dimensional data; if they are to be used they must be converted by\n"
      "     the user to the new set of units.\n";
  const std::string note =
      "\n\n     >>> NOTE:\n\n"
      "     Be aware that the data set to be converted calls for dimensional\n"
      "     user-supplied wind or current spectral data (WINDSPEC.txt or\n"
      "     CRNTSPEC.txt); these data files must be converted separately by\n"
      "     the user to the correct set of units to complete the units\n"
      "     conversion.\n";
  const std::string question = "\a\n Enter \"A\" to abort or Press <RETURN> to continue: ";
  struct Case {
    std::int32_t curtyp;
    std::int32_t wndtyp;
    bool note;
  };
  for (const Case& c : {Case{1, 1, false}, Case{2, 1, true}, Case{1, 6, true}, Case{3, 5, false}}) {
    newSite();
    TPCM.CURTYP = c.curtyp;
    TPCM.WNDTYP = c.wndtyp;
    const std::string screen = showPage("3\n2\nA\n\n");
    EXPECT_TRUE(contains(screen, warning + (c.note ? note : std::string()) + question))
        << "CURTYP " << c.curtyp << ", WNDTYP " << c.wndtyp << "\n" << screen;
  }
}

TEST_F(SitePage, HelpScreens) {
  const std::string pause = "\n Press <RETURN> to continue: ";  // PRSRET starts with an empty line
  const std::string unitsNote =
      "     The \"Units of measure\" item facilitates simulation in either\n"
      "     English units (feet, inches, kips, etc.) or metric units (meters,\n"
      "     millimeters, metric tons, etc.). The units employed are those most\n"
      "     commonly used in offshore practice; thus the metric unit of force is\n"
      "     the metric ton (the weight of 1000 kilograms) rather than the\n"
      "     kiloNewton, etc.\n\n"
      "     Selection of this item leads to a subpage of units conversion\n"
      "     options.\n\n"
      "     Note: speed units are always input and reported in knots regardless\n"
      "     of the state of the \"Units of measure\" toggle.\n";
  const std::string densityNote =
      "     The water density is user-controllable. Changing the water density\n"
      "     does *not* result in any other data file changes; for example the\n"
      "     draft of a vessel of given displacement and the weight-in-water of an\n"
      "     underwater line segment are not adjusted automatically by a change in\n"
      "     water density. All such adjustments must be carried out manually to\n"
      "     produce an internally consistent set of hydrostatic parameters.\n";
  const std::string labelsNote =
      "     With a single exception (the water density value), this item affects\n"
      "     only the *displayed* dimensional units (ft <-> meters, etc.). This\n"
      "     is generally of use only during original creation of a data file and\n"
      "     the action is perfectly reversible. That is, two invocations of this\n"
      "     option will return an existing data file to its unaltered original\n"
      "     state regardless of the contents of the data file.\n\n"
      "     To convert an *existing* data file between English and metric units,\n"
      "     you should use the alternate conversion option provided.\n";
  const std::string siteTitle = "\f" + blanks(21) + "****  Site Definition Notes  ****\n";
  const std::string conversionTitle = "\f" + blanks(21) + "****  Units Conversion Notes  ****\n";
  const std::string sorry = " ++> Sorry, no help for this line...\n";

  struct Case {
    const char* what;
    std::function<void()> show;
    std::string expected;
  };
  const Case cases[] = {
      {"site, whole page", [] { STATHLP(kScreenUnit, kKeyboardUnit, 0); },
       siteTitle + "\n ++> Item Number  3\n" + unitsNote + "\n ++> Item Number  5\n" + densityNote + pause},
      {"site, item 1", [] { STATHLP(kScreenUnit, kKeyboardUnit, 1); },
       siteTitle + "\n ++> Item Number  1\n" + unitsNote + pause},
      {"site, item 2", [] { STATHLP(kScreenUnit, kKeyboardUnit, 2); },
       siteTitle + "\n ++> Item Number  2\n" + unitsNote + pause},
      {"site, item 4", [] { STATHLP(kScreenUnit, kKeyboardUnit, 4); }, siteTitle + sorry + pause},
      {"site, item 5", [] { STATHLP(kScreenUnit, kKeyboardUnit, 5); },
       siteTitle + "\n ++> Item Number  5\n" + densityNote + pause},
      {"site, item 6", [] { STATHLP(kScreenUnit, kKeyboardUnit, 6); }, siteTitle + sorry + pause},
      {"conversion, item 1", [] { CNVHLP(kScreenUnit, kKeyboardUnit, 1); },
       conversionTitle + "\n ++> Item Number  1\n" + labelsNote + pause},
      {"conversion, item 3", [] { CNVHLP(kScreenUnit, kKeyboardUnit, 3); }, conversionTitle + sorry + pause},
  };
  for (const Case& c : cases) {
    ConsoleCapture console("\n");
    c.show();
    EXPECT_EQ(console.screen(), c.expected) << c.what;
    EXPECT_EQ(console.unread(), "") << c.what;
  }

  ConsoleCapture console("\n");
  CNVHLP(kScreenUnit, kKeyboardUnit, 0);
  const std::string both = console.screen();
  EXPECT_TRUE(both.starts_with(conversionTitle + "\n ++> Item Number  1\n" + labelsNote +
                               "\n ++> Item Number  2\n     This option should be exercised with care.\n"));
  EXPECT_TRUE(both.ends_with("     the user to the new set of units.\n" + pause));

  // From the page: "?" the whole page, "?5" the density note.
  newSite();
  EXPECT_TRUE(contains(showPage("?\n\n\n"), "\n ++> Item Number  3\n"));
  newSite();
  const std::string density = showPage("?5\n\n\n");
  EXPECT_TRUE(contains(density, "\n ++> Item Number  5\n" + densityNote));
  EXPECT_FALSE(contains(density, "Item Number  3"));
}

TEST_F(SitePage, HardCopyPassWritesThePageOnce) {
  newSite();
  TPCM.LCOPY = 1;
  TPCM.LBACK = kNavFirst;
  ConsoleCapture console("1\n");
  STATIC();
  EXPECT_EQ(console.unread(), "1\n") << "nothing is asked in a hard-copy pass";
  const std::string screen = console.screen();
  EXPECT_TRUE(screen.starts_with(kHeader.substr(1))) << "no clearing: the pages of a listing follow each other";
  EXPECT_TRUE(screen.ends_with(" 5) Water density:              64.00 lbs/cubic foot \n\n\n\n"));
  EXPECT_EQ(TPCM.LBACK, 0);
  EXPECT_EQ(TPCM.LCOPY, 2);
}

}  // namespace
}  // namespace qv
