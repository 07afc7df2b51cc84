// Page 8, the vessel's environmental loads, driven with typed replies: its screens, which items a
// state offers and which selections of hidden items it ignores or still accepts, the model and bow
// sub-pages, the tables it opens, its help, its listing and the codes it hands to the sequencer.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "dataset/lowcof.h"
#include "dataset/tpcm.h"
#include "editor/env_pages.h"
#include "platform/units.h"
#include "support/checks.h"
#include "support/console_capture.h"
#include "support/fresh_run.h"
#include "util/nav_codes.h"

namespace qv {
namespace {

using testing_support::ConsoleCapture;
using testing_support::contains;
using testing_support::occurrences;
using testing_support::screens;

const std::string kHeader = "   ****  Page 8: Vessel Low-Frequency Dynamics Characteristics  ****\n";
const std::string kSelection = " \n Enter number of selection (\"H\" for help): ";

// The page state of a new data set: the LOWDAT tables for wind and current, the DRFTCOFS.txt file
// for wave drift, full load.
void newDataSet() {
  resetAllBlocks();
  TPCM.EDUNIT = kScreenUnit;
  TPCM.LWBARG = TPCM.LCBARG = TPCM.LWVCOF = 0x111;
  TPCM.LOADED = 100.0f;
  TPCM.DFTPCT = 100.0f;
}

void runPage8() {
  Tpcm& t = TPCM;
  LOWVES({.label = "8", .vesselText = "Vessel", .EDUNIT = t.EDUNIT, .KBD = kKeyboardUnit, .NUNTS = t.NUNTS,
          .IBATCH = t.IBATCH,
          .out = {.LWBARG = t.LWBARG, .LCBARG = t.LCBARG, .LWVCOF = t.LWVCOF, .BOWWND = t.BOWWND, .BOWCUR = t.BOWCUR,
                  .LOADED = t.LOADED, .DFTPCT = t.DFTPCT, .DWTONS = t.DWTONS, .tables = LOWCOF, .CURCOR = t.CURCOR,
                  .XSHDOW = t.XSHDOW, .YSHDOW = t.YSHDOW, .LEG_CYL_DFC = t.LEG_CYL_DFC, .LBACK = t.LBACK,
                  .IPAG = t.IPAG}});
}

// Shows the page with the typed script and returns the screen; every typed line must be read.
std::string showPage(const std::string& typed) {
  ConsoleCapture console(typed);
  runPage8();
  EXPECT_EQ(console.unread(), "") << typed;
  return console.screen();
}

class VesselLoadsPage : public testing_support::FreshRun {};

TEST_F(VesselLoadsPage, ScreenOfANewDataSet) {
  newDataSet();
  EXPECT_EQ(showPage("\n"),
            "\f" + kHeader +
                "\n"
                "  1) Toggle independent <<Wind>> Cx, Cy, Cz\n"
                "  2) Wind force model ............................ User-Specified LOWDAT        \n"
                "  5) Specify wind force coefficients\n"
                "\n"
                " 11) Toggle independent <<Current>> Cx, Cy, Cz\n"
                " 12) Current force model ......................... User-Specified LOWDAT        \n"
                " 15) Specify current force coefficients\n"
                "\n"
                " 21) Toggle independent <<Wave>> Cx, Cy, Cz\n"
                " 22) Wave force model ............................ User-Specified DRFTCOFS.txt  \n"
                "\n"
                " 26) Apply current correction to drift forces?     No \n" +
                kSelection);
  EXPECT_EQ(TPCM.LBACK, 0);
}

TEST_F(VesselLoadsPage, ScreenOfTankerDatabasesAndColumnDriftModels) {
  newDataSet();
  TPCM.NUNTS = 1;
  TPCM.LWBARG = 0x444;  // OCIMF '77 (extended) for all wind components
  TPCM.BOWWND = 0.25f;
  TPCM.LOADED = 80.0f;
  TPCM.DWTONS = 150000.0f;
  TPCM.LCBARG = 0x44F;  // NSMB '91 with the Mean curve
  TPCM.DFTPCT = 70.0f;
  TPCM.BOWCUR = 2.0f;
  TPCM.LWVCOF = 0x537;  // Semi/TLP (2001), Semi (Legacy), Caisson Spar
  TPCM.XSHDOW = 0.8f;
  TPCM.YSHDOW = 0.67f;
  TPCM.CURCOR = 1;  // not shown: no user drift file
  EXPECT_EQ(showPage("\n"),
            "\f" + kHeader +
                "\n"
                "  1) Toggle independent <<Wind>> Cx, Cy, Cz\n"
                "  2) Wind force model ............................ OCIMF Tanker '77 (extended)  \n"
                "\n"
                "  6) Above-Water Bow Shape ....................... Interpolated            \n"
                "  7) Freeboard-Based Load ........................      80.00 Percent\n"
                "  8) Bow Interpolation Factor ....................       0.25\n"
                "\n"
                " 11) Toggle independent <<Current>> Cx, Cy, Cz\n"
                " 12) Current force model ......................... NSMB Tanker '91              \n"
                "\n"
                " 16) Below-Water Bow Shape ....................... Whoops!                 \n"
                " 17) Draft-Based Load ............................      70.00 Percent\n"
                " 19) Use NSMB \"Mean\" curve for 40% load condition: Yes\n"
                "\n"
                " 21) Toggle independent <<Wave>> Cx, Cy, Cz\n"
                " 22) Head-on Coefficients (Cx) ................... Semi/TLP (2001)              \n"
                " 23) Beam-on Coefficients (Cy) ................... Semi (Legacy)                \n"
                " 24) Moment Coefficients  (Cz) ................... Caisson Spar                 \n"
                "\n"
                " 27) Head-on shadowing & geometry factor .........       0.80\n"
                " 28) Beam-on shadowing & geometry factor .........       0.67\n"
                "\n"
                " 29) Use legacy cylinder DFCs ....................       No \n"
                "\n"
                " 31) Vessel Deadweight ...........................  150000.00 metric tons    \n" +
                kSelection);
  EXPECT_EQ(TPCM.LCBARG, 0x44F) << "the Mean curve survives one model for all components";
}

TEST_F(VesselLoadsPage, ItemsShownByState) {
  struct Case {
    const char* what;
    std::function<void()> prepare;
    std::vector<std::string> shown, hidden;
  };
  const Case cases[] = {
      {"wind components apart, a LOWDAT table in Cy",
       [] { TPCM.LWBARG = 0x414; },
       {"  2) Head-on Coefficients (Cx) ................... OCIMF Tanker '77 (extended)  \n"
        "  3) Beam-on Coefficients (Cy) ................... User-Specified LOWDAT        \n"
        "  4) Moment Coefficients  (Cz) ................... OCIMF Tanker '77 (extended)  \n"
        "  5) Specify wind force coefficients\n\n  6) Above-Water Bow Shape ....................... Conventional",
        " 31) Vessel Deadweight ..........................."},
       {" 8) "}},
      {"wind from a user file and barges: no table, no tanker items",
       [] { TPCM.LWBARG = 0x332; TPCM.LCBARG = 0x232; },
       {"  2) Head-on Coefficients (Cx) ................... User-Specified WINDCOFS.txt  \n"},
       {" 5) ", " 6) ", " 7) ", " 15) ", " 16) ", " 31) "}},
      {"cylindrical wind bow, OCIMF current with cylindrical bow: no factors, no draft load",
       [] { TPCM.LWBARG = 0x444; TPCM.BOWWND = 1.0f; TPCM.LCBARG = 0x666; TPCM.BOWCUR = 1.0f; },
       {"  6) Above-Water Bow Shape ....................... Cylindrical             \n",
        "\n 16) Below-Water Bow Shape ....................... Cylindrical (no bulb)   \n\n 21) "},
       {" 8) ", " 17) ", " 18) ", " 19) "}},
      {"NSMB current, interpolated bow, the Mean curve off",
       [] { TPCM.LCBARG = 0x444; TPCM.BOWCUR = 0.5f; TPCM.DFTPCT = 40.0f; },
       {" 16) Below-Water Bow Shape ....................... Interpolated            \n"
        " 17) Draft-Based Load ............................      40.00 Percent\n"
        " 18) Bow Interpolation Factor ....................       0.50\n"
        " 19) Use NSMB \"Mean\" curve for 40% load condition: No\n"},
       {}},
      {"the Mean curve hidden at full draft load, its code kept",
       [] { TPCM.LCBARG = 0x44F; },
       {" 16) Below-Water Bow Shape ....................... Conventional (w/bulb)   \n"
        " 17) Draft-Based Load ............................     100.00 Percent\n\n"},
       {" 19) "}},
      {"NSMB in Cy only: bow and draft load, no Mean curve (field 1 is OCIMF)",
       [] { TPCM.LCBARG = 0x646; },
       {" 16) ", " 17) "},
       {" 19) "}},
      {"legacy semi drift: shadowing and the legacy coefficients",
       [] { TPCM.LWVCOF = 0x333; },
       {" 22) Wave force model ............................ Semi (Legacy)                \n\n"
        " 27) Head-on shadowing & geometry factor .........       0.00\n"
        " 28) Beam-on shadowing & geometry factor .........       0.00\n\n"
        " 29) Use legacy cylinder DFCs ....................       No \n"},
       {" 26) "}},
      {"spar drift: shadowing only with the legacy coefficients",
       [] { TPCM.LWVCOF = 0x555; },
       {"\n 29) Use legacy cylinder DFCs ....................       No \n"},
       {" 27) ", " 28) "}},
      {"spar drift with the legacy coefficients",
       [] { TPCM.LWVCOF = 0x555; TPCM.LEG_CYL_DFC = 1; },
       {" 27) ", " 28) ", " 29) Use legacy cylinder DFCs ....................       Yes\n"},
       {}},
      {"tanker drift: none of the column items",
       [] { TPCM.LWVCOF = 0x666; TPCM.LEG_CYL_DFC = 1; },
       {" 22) Wave force model ............................ Tanker (2001)                \n"},
       {" 26) ", " 27) ", " 29) "}},
      {"a code without a name",
       [] { TPCM.LWVCOF = 0x000; },
       {" 22) Wave force model ............................                              \n"},
       {}},
  };
  for (const Case& c : cases) {
    newDataSet();
    c.prepare();
    const std::string screen = showPage("\n");
    for (const std::string& line : c.shown) EXPECT_TRUE(contains(screen, line)) << c.what << ": " << line << "\n" << screen;
    for (const std::string& line : c.hidden) EXPECT_FALSE(contains(screen, line)) << c.what << ": " << line << "\n" << screen;
  }
}

// Selections by state: (state, reply, expected change). Hidden items are ignored, except those the
// page accepts while they are hidden (19, 26 to 29).
TEST_F(VesselLoadsPage, SelectionsByState) {
  struct Case {
    const char* what;
    std::function<void()> prepare;
    std::string typed;  // ends with the blank reply that leaves the page
    std::function<void()> check;
    const char* absent = nullptr;  // a screen text the selection must not bring
  };
  const Case cases[] = {
      // Rejected while hidden.
      {"wind Cy with one model", [] { TPCM.LWBARG = 0x444; }, "3\n\n", [] { EXPECT_EQ(TPCM.LWBARG, 0x444); },
       "Model Selection"},
      {"wind Cz with one model", [] { TPCM.LWBARG = 0x444; }, "4\n\n", [] { EXPECT_EQ(TPCM.LWBARG, 0x444); },
       "Model Selection"},
      {"wind table without LOWDAT", [] { TPCM.LWBARG = 0x444; }, "5\n\n", [] {}, "Coefficient Specification"},
      {"wind bow without the tanker database", [] { TPCM.LWBARG = 0x333; }, "6\n\n", [] {}, "Bow Type Selection"},
      {"freeboard load without the tanker database", [] {}, "7\n150\n\n",
       [] { EXPECT_EQ(TPCM.LOADED, 100.0f); }, "Enter new value"},
      {"wind factor of a conventional bow", [] { TPCM.LWBARG = 0x444; }, "8\n50\n\n",
       [] { EXPECT_EQ(TPCM.BOWWND, 0.0f); }, "Enter new value"},
      {"current Cy with one model", [] { TPCM.LCBARG = 0x666; }, "13\n\n", [] { EXPECT_EQ(TPCM.LCBARG, 0x666); },
       "Model Selection"},
      {"current Cz with one model", [] { TPCM.LCBARG = 0x666; }, "14\n\n", [] {}, "Model Selection"},
      {"current table from a user file", [] { TPCM.LCBARG = 0x222; }, "15\n\n", [] {}, "Coefficient Specification"},
      {"current bow without a tanker database", [] { TPCM.LCBARG = 0x333; }, "16\n\n", [] {}, "Bow Type Selection"},
      {"draft load with OCIMF current", [] { TPCM.LCBARG = 0x666; }, "17\n50\n\n",
       [] { EXPECT_EQ(TPCM.DFTPCT, 100.0f); }, "Enter new value"},
      {"current factor of a cylindrical bow", [] { TPCM.LCBARG = 0x444; TPCM.BOWCUR = 1.0f; }, "18\n50\n\n",
       [] { EXPECT_EQ(TPCM.BOWCUR, 1.0f); }, "Enter new value"},
      {"drift Cy with one model", [] {}, "23\n\n", [] {}, "Model Selection"},
      {"drift Cz with one model", [] {}, "24\n\n", [] {}, "Model Selection"},
      {"deadweight without the tanker database", [] {}, "31\n50\n\n", [] { EXPECT_EQ(TPCM.DWTONS, 0.0f); },
       "Enter new value"},
      {"no such item", [] {}, "9\n\n", [] {}, "Enter new value"},
      // Accepted while hidden, or doing nothing while shown.
      {"Mean curve on while hidden at full load", [] { TPCM.LCBARG = 0x444; }, "19\n\n",
       [] { EXPECT_EQ(TPCM.LCBARG, 0x44F); }},
      {"Mean curve off", [] { TPCM.LCBARG = 0x44F; TPCM.DFTPCT = 50.0f; }, "19\n\n",
       [] { EXPECT_EQ(TPCM.LCBARG, 0x444); }},
      {"Mean curve without NSMB", [] { TPCM.LCBARG = 0x666; }, "19\n\n", [] { EXPECT_EQ(TPCM.LCBARG, 0x666); }},
      {"Mean curve with NSMB in Cy only", [] { TPCM.LCBARG = 0x646; }, "19\n\n",
       [] { EXPECT_EQ(TPCM.LCBARG, 0x646); }},
      {"current correction without a drift file", [] { TPCM.LWVCOF = 0x222; }, "26\n\n",
       [] { EXPECT_EQ(TPCM.CURCOR, 0); }},
      {"current correction with a drift file", [] {}, "26\n\n", [] { EXPECT_EQ(TPCM.CURCOR, 1); }},
      {"head-on shadowing while hidden, unbounded", [] { TPCM.LWVCOF = 0x222; }, "27\n-0.8\n\n",
       [] { EXPECT_EQ(TPCM.XSHDOW, -0.8f); }},
      {"beam-on shadowing", [] { TPCM.LWVCOF = 0x333; }, "28\n0.67\n\n", [] { EXPECT_EQ(TPCM.YSHDOW, 0.67f); }},
      {"legacy coefficients with the legacy semi only", [] { TPCM.LWVCOF = 0x333; }, "29\n\n",
       [] { EXPECT_EQ(TPCM.LEG_CYL_DFC, 0); }},
      {"legacy coefficients with a spar", [] { TPCM.LWVCOF = 0x555; }, "29\n\n",
       [] { EXPECT_EQ(TPCM.LEG_CYL_DFC, 1); }},
      {"legacy coefficients with Semi/TLP (2001) in Cz", [] { TPCM.LWVCOF = 0x733; }, "29\n\n",
       [] { EXPECT_EQ(TPCM.LEG_CYL_DFC, 1); }},
      // Values and their bounds.
      {"freeboard load held at 100", [] { TPCM.LWBARG = 0x444; }, "7\n150\n\n",
       [] { EXPECT_EQ(TPCM.LOADED, 100.0f); }},
      {"freeboard load not below 0", [] { TPCM.LWBARG = 0x444; }, "7\n-5\n\n", [] { EXPECT_EQ(TPCM.LOADED, 0.0f); }},
      {"freeboard load, blank keeps", [] { TPCM.LWBARG = 0x444; TPCM.LOADED = 80.0f; }, "7\n\n\n",
       [] { EXPECT_EQ(TPCM.LOADED, 80.0f); }},
      {"draft load with NSMB", [] { TPCM.LCBARG = 0x444; }, "17\n60\n\n", [] { EXPECT_EQ(TPCM.DFTPCT, 60.0f); }},
      {"draft load not below 0", [] { TPCM.LCBARG = 0x444; }, "17\n-5\n\n", [] { EXPECT_EQ(TPCM.DFTPCT, 0.0f); }},
      {"wind factor above 1 discarded", [] { TPCM.LWBARG = 0x444; TPCM.BOWWND = 0.5f; }, "8\n1.5\n\n",
       [] { EXPECT_EQ(TPCM.BOWWND, 0.5f); }},
      {"wind factor below 0 discarded", [] { TPCM.LWBARG = 0x444; TPCM.BOWWND = 0.5f; }, "8\n-0.1\n\n",
       [] { EXPECT_EQ(TPCM.BOWWND, 0.5f); }},
      {"wind factor 0.2", [] { TPCM.LWBARG = 0x444; TPCM.BOWWND = 0.5f; }, "8\n0.2\n\n",
       [] { EXPECT_EQ(TPCM.BOWWND, 0.2f); }},
      {"wind factor 1 makes the bow cylindrical", [] { TPCM.LWBARG = 0x444; TPCM.BOWWND = 0.5f; }, "8\n1\n\n",
       [] { EXPECT_EQ(TPCM.BOWWND, 1.0f); }},
      // Judged as the analysis judges the factor's range: a value that reads as 1.00 is 1, rounded.
      {"wind factor reading as 1", [] { TPCM.LWBARG = 0x444; TPCM.BOWWND = 0.5f; }, "8\n1.004\n\n",
       [] { EXPECT_EQ(TPCM.BOWWND, 1.0f); }},
      {"wind factor a print unit above 1 discarded", [] { TPCM.LWBARG = 0x444; TPCM.BOWWND = 0.5f; }, "8\n1.01\n\n",
       [] { EXPECT_EQ(TPCM.BOWWND, 0.5f); }},
      {"current factor below 0 discarded however little", [] { TPCM.LCBARG = 0x666; TPCM.BOWCUR = 0.3f; }, "18\n-0.0001\n\n",
       [] { EXPECT_EQ(TPCM.BOWCUR, 0.3f); }},
      {"current factor, blank keeps", [] { TPCM.LCBARG = 0x666; TPCM.BOWCUR = 0.3f; }, "18\n\n\n",
       [] { EXPECT_EQ(TPCM.BOWCUR, 0.3f); }},
      {"deadweight not below 0", [] { TPCM.LWBARG = 0x444; TPCM.DWTONS = 9.0f; }, "31\n-3\n\n",
       [] { EXPECT_EQ(TPCM.DWTONS, 0.0f); }},
      {"deadweight", [] { TPCM.LWBARG = 0x444; }, "31\n2500\n\n", [] { EXPECT_EQ(TPCM.DWTONS, 2500.0f); }},
      // One model for all components, or one each.
      {"one wind model: fields 2 and 3 take field 1", [] { TPCM.LWBARG = 0x421; }, "1\n\n",
       [] { EXPECT_EQ(TPCM.LWBARG, 0x111); }},
      {"wind components apart: no field changes", [] { TPCM.LWBARG = 0x444; }, "1\n\n",
       [] { EXPECT_EQ(TPCM.LWBARG, 0x444); }},
      {"one current model from the Mean curve: 4 in fields 2 and 3", [] { TPCM.LCBARG = 0x46F; }, "11\n\n",
       [] { EXPECT_EQ(TPCM.LCBARG, 0x44F); }},
      {"one drift model", [] { TPCM.LWVCOF = 0x735; }, "21\n\n", [] { EXPECT_EQ(TPCM.LWVCOF, 0x555); }},
      {"toggle asked in a batch run", [] { TPCM.IBATCH = 1; TPCM.LWBARG = 0x421; }, "1\n1\n\n",
       [] { EXPECT_EQ(TPCM.LWBARG, 0x111); }},
      {"toggle asked, another reply keeps it", [] { TPCM.IBATCH = 1; TPCM.LWBARG = 0x421; }, "1\n7\n\n",
       [] { EXPECT_EQ(TPCM.LWBARG, 0x421); }},
      {"current correction asked", [] { TPCM.IBATCH = 1; TPCM.CURCOR = 1; }, "26\n0\n\n",
       [] { EXPECT_EQ(TPCM.CURCOR, 0); }},
      // The bow sub-pages.
      {"wind bow interpolated", [] { TPCM.LWBARG = 0x444; }, "6\n3\n\n", [] { EXPECT_EQ(TPCM.BOWWND, 0.5f); }},
      {"wind bow cylindrical", [] { TPCM.LWBARG = 0x444; }, "6\n2\n\n", [] { EXPECT_EQ(TPCM.BOWWND, 1.0f); }},
      {"current bow conventional", [] { TPCM.LCBARG = 0x666; TPCM.BOWCUR = 1.0f; }, "16\n1\n\n",
       [] { EXPECT_EQ(TPCM.BOWCUR, 0.0f); }},
      {"bow sub-page: a code returns to the page unchanged", [] { TPCM.LWBARG = 0x444; TPCM.BOWWND = 0.3f; },
       "6\nf\n\n", [] { EXPECT_EQ(TPCM.BOWWND, 0.3f); }},
      {"bow sub-page: no such choice, then blank", [] { TPCM.LWBARG = 0x444; }, "6\n9\nh\n\n\n\n",
       [] { EXPECT_EQ(TPCM.BOWWND, 0.0f); }},
      // The model sub-pages.
      {"one wind model chosen", [] {}, "2\n3\n\n", [] { EXPECT_EQ(TPCM.LWBARG, 0x333); }, "Coefficient Specification"},
      {"wind Cy chosen", [] { TPCM.LWBARG = 0x421; }, "3\n5\n\n", [] { EXPECT_EQ(TPCM.LWBARG, 0x451); }},
      {"drift Cz chosen", [] { TPCM.LWVCOF = 0x123; }, "24\n7\n\n", [] { EXPECT_EQ(TPCM.LWVCOF, 0x723); }},
      {"one drift model chosen: the drift file opens no table", [] {}, "22\n6\n\n",
       [] { EXPECT_EQ(TPCM.LWVCOF, 0x666); }},
      {"drift file chosen again", [] { TPCM.LWVCOF = 0x666; }, "22\n1\n\n", [] { EXPECT_EQ(TPCM.LWVCOF, 0x111); },
       "Coefficient Specification"},
      {"model sub-page: blank changes nothing", [] {}, "2\n\n\n", [] { EXPECT_EQ(TPCM.LWBARG, 0x111); }},
      {"model sub-page: no such model, then blank", [] {}, "2\n6\n\n\n", [] { EXPECT_EQ(TPCM.LWBARG, 0x111); }},
      {"LOWDAT chosen again opens no table", [] {}, "2\n1\n\n", [] { EXPECT_EQ(TPCM.LWBARG, 0x111); },
       "Coefficient Specification"},
      {"NSMB chosen again drops the Mean curve", [] { TPCM.LCBARG = 0x44F; TPCM.DFTPCT = 40.0f; }, "12\n4\n\n",
       [] { EXPECT_EQ(TPCM.LCBARG, 0x444); }},
  };
  for (const Case& c : cases) {
    newDataSet();
    c.prepare();
    const std::string screen = showPage(c.typed);
    SCOPED_TRACE(c.what);
    c.check();
    EXPECT_EQ(TPCM.LBACK, 0);
    if (c.absent != nullptr) {
      EXPECT_FALSE(contains(screen, c.absent)) << screen;
    }
  }
}

TEST_F(VesselLoadsPage, SubPageScreens) {
  newDataSet();
  TPCM.LWBARG = 0x421;
  EXPECT_TRUE(contains(showPage("3\n\n\n"), "\f\n"
                                            " +++  Wind Cy Model Selection  +++\n"
                                            "\n"
                                            " 1) User-Specified LOWDAT        \n"
                                            " 2) User-Specified WINDCOFS.txt  \n"
                                            " 3) Barge (Kestrin)              \n"
                                            " 4) OCIMF Tanker '77 (extended)  \n"
                                            " 5) Cylindrical Vessel           \n" +
                                                kSelection));
  newDataSet();
  const std::string current = showPage("12\n\n\n");
  EXPECT_TRUE(contains(current, "\f\n +++  Current Model Selection  +++\n\n 1) User-Specified LOWDAT        \n"));
  EXPECT_TRUE(contains(current, " 7) Cylindrical Vessel           \n" + kSelection));
  EXPECT_FALSE(contains(current, " 8) "));

  newDataSet();
  TPCM.LCBARG = 0x666;
  EXPECT_TRUE(contains(showPage("16\n\n\n"), "\f\n"
                                             "+++  Current-Related Bow Type Selection  +++\n"
                                             "\n"
                                             " 1) Conventional (with bulb)\n"
                                             " 2) Cylindrical (no bulb)\n"
                                             " 3) Interpolated (on 1 & 2)\n" +
                                                 kSelection));

  // Bow type 3 makes the interpolation factor appear at 0.50.
  newDataSet();
  TPCM.LWBARG = 0x444;
  const std::string after = screens(showPage("6\n3\n\n")).back();
  EXPECT_TRUE(contains(after, "  6) Above-Water Bow Shape ....................... Interpolated            \n"
                              "  7) Freeboard-Based Load ........................     100.00 Percent\n"
                              "  8) Bow Interpolation Factor ....................       0.50\n"))
      << after;
  // The item line is written again before the value is asked.
  newDataSet();
  TPCM.LWBARG = 0x444;
  EXPECT_TRUE(contains(showPage("7\n55\n\n"), kSelection +
                                                  "  7) Freeboard-Based Load ........................     100.00 Percent\n"
                                                  " Enter new value: \f"));
}

TEST_F(VesselLoadsPage, LowdatChosenForAComponentOpensItsTableOnce) {
  newDataSet();
  TPCM.LCBARG = 0x464;
  // LOWDAT for current Cy opens the table; for Cz once more; for Cy again, already LOWDAT, not.
  const std::string screen = showPage("13\n1\n\n14\n1\n\n13\n1\n\n");
  EXPECT_EQ(TPCM.LCBARG, 0x114);
  EXPECT_EQ(occurrences(screen, " +++ <<Current Force>> Coefficient Specification +++\n"), 2);
  EXPECT_TRUE(contains(screen, " Bow-Relative    Cy \n")) << "the first table shows Cy only";
  EXPECT_TRUE(contains(screen, " Bow-Relative    Cy       Cz \n"));
  EXPECT_EQ(LOWCOF.NUCRPT, 2) << "the table starts with two rows";

  // With one model for all components the whole word changes before the table opens.
  newDataSet();
  TPCM.LWBARG = 0x444;
  const std::string all = showPage("2\n1\n\n\n");
  EXPECT_EQ(TPCM.LWBARG, 0x111);
  EXPECT_TRUE(contains(all, " Bow-Relative    Cx       Cy       Cz \n"));
}

TEST_F(VesselLoadsPage, NavigationCodes) {
  struct Case {
    const char* what;
    std::string typed;
    std::int32_t lback;
    std::int32_t ipag;
  };
  const Case cases[] = {
      {"blank", "\n", 0, 0},
      {"back", "b\n", kNavBack, 0},
      {"first", "f\n", kNavFirst, 0},
      {"jump", "j12\n", kNavJump, 12},
      {"H redraws", "h\n\n\n", 0, 0},
      {"a code on the model sub-page ends the page", "2\nf\n", kNavFirst, 0},
      {"J on the model sub-page", "22\nj14\n", kNavJump, 14},
      {"a code in the wind table ends the page", "5\ns\n", kNavSkip, 0},
      {"J on the table's column choice", "5\n3\nj11\n", kNavJump, 11},
      {"a code on the bow sub-page returns to the page", "6\nl\n\n", 0, 0},
  };
  for (const Case& c : cases) {
    newDataSet();
    TPCM.LWBARG = c.typed.starts_with("6") ? 0x444 : 0x111;
    showPage(c.typed);
    EXPECT_EQ(TPCM.LBACK, c.lback) << c.what;
    EXPECT_EQ(TPCM.IPAG, c.ipag) << c.what;
  }
}

TEST_F(VesselLoadsPage, HelpScreens) {
  // "?": the twelve notes of the page, each on its own screen ended by a pause, then the page.
  newDataSet();
  const std::vector<std::string> all = screens(showPage("?\n" + std::string(12, '\n') + "\n"));
  ASSERT_EQ(all.size(), 15u);
  EXPECT_TRUE(all[1].starts_with(kHeader));
  EXPECT_TRUE(all[2].starts_with(" *********************  Vessel Environmental Load Notes  *********************\n\n"
                                 " ++> Item Numbers 1, 11, 21\n"));
  EXPECT_TRUE(all[13].starts_with(" ++> Item Number  31\n"));
  for (int k = 2; k <= 13; ++k) EXPECT_TRUE(all[static_cast<std::size_t>(k)].ends_with("\n Press <RETURN> to continue: "));
  EXPECT_TRUE(all[14].starts_with(kHeader));

  // "?7": the freeboard-based load only; "?9": no help for that line.
  newDataSet();
  const std::vector<std::string> seven = screens(showPage("?7\n\n\n"));
  ASSERT_EQ(seven.size(), 4u);
  EXPECT_TRUE(contains(seven[2], " ++> Item Number   7\n Freeboard Load %"));
  newDataSet();
  const std::vector<std::string> nine = screens(showPage("?9\n\n\n"));
  ASSERT_EQ(nine.size(), 4u);
  EXPECT_TRUE(contains(nine[2], " ++> Item Number   9\n\n ++> Sorry, no help for this line...\n"));

  // "?2" on the current model sub-page: the rules of "CRNTCOFS.txt" with the maximum of 145.
  newDataSet();
  const std::vector<std::string> model = screens(showPage("12\n?2\n\n\n\n"));
  ASSERT_EQ(model.size(), 6u);
  EXPECT_TRUE(model[3].starts_with(" ************************  Current Load Model Notes  ************************\n"));
  EXPECT_TRUE(contains(model[3], "\"CRNTCOFS.txt\"") && contains(model[3], "145")) << model[3];
  EXPECT_TRUE(model[4].starts_with("\n +++  Current Model Selection  +++\n"));

  // The current bow notes follow the database of field 1.
  struct Bow {
    std::int32_t word;
    const char* title;
  };
  for (const Bow& bow : {Bow{0x444, "NSMB '91 Current"}, Bow{0x44F, "NSMB '91 Current"}, Bow{0x666, "OCIMF '77 Current"},
                         Bow{0x646, "OCIMF '77 Current"}, Bow{0x664, "NSMB '91 Current"},
                         Bow{0x747, "NSMB '91 Current"}}) {
    newDataSet();
    TPCM.LCBARG = bow.word;
    EXPECT_TRUE(contains(showPage("16\n?3\n\n\n\n"), bow.title)) << std::hex << bow.word;
  }
  newDataSet();
  TPCM.LWBARG = 0x444;
  EXPECT_TRUE(contains(showPage("6\n?\n\n\n\n\n"), "Wind-Associated Bow Shape Notes"));
}

TEST_F(VesselLoadsPage, ListingWritesThePageAndTheTablesInUse) {
  newDataSet();
  TPCM.LCOPY = 1;
  LOWCOF.NUWNPT = 3;
  const std::string listed = showPage("");
  EXPECT_TRUE(listed.starts_with(kHeader)) << listed;
  const std::size_t wind = listed.find(" +++ <<Wind Force>> Coefficient Specification +++\n");
  const std::size_t current = listed.find(" +++ <<Current Force>> Coefficient Specification +++\n");
  ASSERT_NE(wind, std::string::npos);
  ASSERT_NE(current, std::string::npos);
  EXPECT_LT(wind, current);
  EXPECT_FALSE(contains(listed, "Enter number of selection"));
  EXPECT_EQ(TPCM.LBACK, 0);
  EXPECT_EQ(TPCM.LCOPY, 4) << "three screens counted";

  newDataSet();
  TPCM.LCOPY = 1;
  TPCM.LWBARG = TPCM.LCBARG = 0x444;
  const std::string plain = showPage("");
  EXPECT_FALSE(contains(plain, "Coefficient Specification"));
  EXPECT_EQ(TPCM.LCOPY, 2);
}

}  // namespace
}  // namespace qv
