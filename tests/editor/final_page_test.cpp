// The final page's data checks on the data sets that the fixture builder makes: a consistent SALM
// and tanker pass, and each inconsistency is named.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "dataset/finish.h"
#include "dataset/tpcm.h"
#include "platform/block_reset.h"
#include "editor/final_page.h"
#include "editor/pages.h"
#include "platform/units.h"
#include "support/checks.h"
#include "support/console_capture.h"
#include "support/data_set_fixture.h"
#include "support/folder_hold_texts.h"
#include "support/fresh_run.h"
#include "support/temp_dir.h"
#include "util/folder_lock.h"
#include "util/nav_codes.h"

namespace qv {
namespace {

using testing_support::ConsoleCapture;
using testing_support::contains;
using testing_support::DataSet;
using testing_support::occurrences;

class FinalPage : public testing_support::FreshRun {};

TEST_F(FinalPage, ChecksOfTheBuiltDataSets) {
  struct Case {
    const char* what;
    std::function<void()> build;
    const char* warning;  // nullptr: the checks find nothing
    int pauses = 1;       // one every seven messages, and one before the menu unless they fill a screen
  };
  const Case cases[] = {
      {"a consistent SALM and tanker", [] { DataSet().withSalm().withTanker(); }, nullptr},
      // The run's findings about the same values follow the check, and are not repeated.
      {"no tanker", [] { DataSet().withSalm(); },
       " ++> Fatal Warning: Tanker draft, beam, or length incorrectly specified.\n"
       "     Length of vessel at waterline (page 5, item 8) is 0.00.\n"
       "     Beam of vessel at waterline (page 5, item 9) is 0.00.\n"
       "     Mean vessel draft (page 5, item 10) is 0.00.\n\n",
       2},
      {"the piercing element below the surface",
       [] { DataSet().withSalm().withTanker().with([] { TPCM.DEPTH = 200.0f; }); },
       " ++> Warning: apparent inconsistency between\n              water depth and height of water-piercing element."},
      {"a volume that does not fit the waterplane area",
       [] { DataSet().withSalm().withTanker().with([] { TPCM.BUOY(1) = 3000.0f; }); },
       " ++> Warning: apparent inconsistency between volume,\n     length and waterplane area of piercing element."},
      {"a yoke folded back over the buoy, as older editors left it",
       [] { DataSet().withSalm().withTanker().with([] { TPCM.YOKVES = 0.0f; }); },
       " ++> Warning: the yoke-vessel angle YOKVES is   0.0000 rad, where 3.1416 puts\n"
       "     the yoke in line with the SALM as the statics model it; the later stages\n"
       "     would turn the yoke  3.1416 rad out of line (0 folds it back over the\n"
       "     buoy)."},
      {"eleven elements flagged for moment output",
       [] {
         DataSet().withSalm().withTanker().with([] {
           TPCM.NELEM = 11;
           for (int k = 1; k <= 11; ++k) {
             TPCM.SLEN(k) = 150.0f / 11.0f;
             TPCM.BUOY(k) = 1500.0f / 11.0f;
             TPCM.IFREE(k) = k == 1 ? 1 : 0;
             TPCM.LMOMT(k) = 1;
           }
         });
       },
       " ++> Fatal Warning: Too many elements selected for shear/moment computation.\n"
       "     Reduce total to 10 or less.\n"},
      {"a built-in current model whose rows at this depth/draft are not on hand",
       [] {
         DataSet().withSalm().withTanker().with([] {
           TPCM.FRESLM = 0;
           TPCM.LQUAS = 1;
           TPCM.LCURNT = 1;
           TPCM.TXCURA = 1000.0f;
           TPCM.TYCURA = 6000.0f;
           TPCM.LCBARG = 0x666;  // OCIMF '77 at depth/draft 5
         });
       },
       " ++> Fatal Warning: Built-in current coefficients of model 6, OCIMF Tanker '77,\n"
       "     are not on hand\n"
       "     for depth/draft 5.00 and bow factor 0.00, which would need:\n"
       "     - surge: OCIMF 1977, depth/draft 3.0, Conventional bow\n"},
  };
  for (const Case& c : cases) {
    resetAllBlocks();
    testing_support::TempDir dir;  // the listing made before a first execution
    c.build();
    TPCM.EDUNIT = kScreenUnit;
    // Execute; after warnings a pause and the menu again, where 2 leaves without saving.
    ConsoleCapture console(c.warning == nullptr ? "3\n" : "3\n" + std::string(c.pauses, '\n') + "2\n");
    SLMFIN("19");
    const std::string screen = console.screen();
    EXPECT_EQ(console.unread(), "") << c.what;
    if (c.warning == nullptr) {
      EXPECT_FALSE(contains(screen, "Warning")) << c.what << "\n" << screen;
      EXPECT_EQ(TPCM.LBACK, kNavFirst) << c.what << ": the listing pass starts";
    } else {
      EXPECT_EQ(occurrences(screen, c.warning), 1) << c.what << "\n" << screen;
      EXPECT_EQ(TPCM.LBACK, kNavExitNoSave) << c.what;
    }
  }
}

// A value that a check of this page and a finding of the run both name is one message: the check's
// text, then the value with its page and item. A finding of another kind than the check (fatal
// beside a warning) stays a message of its own, so that the counts keep the run's verdict.
TEST_F(FinalPage, AValueNamedByACheckAndByTheRunIsOneMessage) {
  struct Case {
    const char* what;
    std::function<void()> change;
    std::string message;                  // on the screen once
    std::vector<std::string> namedOnce;  // each on the screen once
    std::int32_t warnings, fatals;
  };
  const Case cases[] = {
      {"no water", [] { TPCM.DEPTH = 0.0f; },
       "\n ++> Fatal Warning: The water depth is nonpositive.\n"
       "     Site water depth (page 1, item 4) is 0.00.\n",
       {"Site water depth (page 1, item 4)", "Mean vessel draft (page 5, item 10)"},
       1, 2},
      {"no gyradii", [] { TPCM.PGYR = TPCM.RGYR = TPCM.TYGYR = 0.0f; },
       "\n ++> Fatal Warning: A vessel gyradii is nonpositive.\n"
       "     Pitch Gyradius (page 6, item 1) is 0.00.\n"
       "     Roll Gyradius (page 6, item 2) is 0.00.\n"
       "     Yaw Gyradius (page 6, item 3) is 0.00.\n",
       {"Pitch Gyradius", "Roll Gyradius", "Yaw Gyradius"},
       0, 1},
      {"no displacement: a warning of this page, a fatal finding of the run", [] { TPCM.DISPL = 0.0f; },
       "\n ++> Fatal Warning: Vessel displacement (page 5, item 1) is 0.00;\n"
       "     the analysis needs a value above 0 and at most 19200.00 (the displacement\n"
       "     of a box of the waterline length, beam and draft, page 5, items 8 to 10).\n",
       {"Vessel displacement"},
       1, 1},
  };
  for (const Case& c : cases) {
    resetAllBlocks();
    DataSet().withSalm().withTanker().with([] { TPCM.LDYN = 0; }).with(c.change);
    TPCM.EDUNIT = kScreenUnit;
    ConsoleCapture console;
    std::int32_t warnings = 0, fatals = 0;
    finalPageChecks(warnings, fatals);
    const std::string screen = console.screen();
    EXPECT_EQ(occurrences(screen, c.message), 1) << c.what << "\n" << screen;
    for (const std::string& named : c.namedOnce) EXPECT_EQ(occurrences(screen, named), 1) << c.what << ": " << named;
    EXPECT_EQ(warnings, c.warnings) << c.what << "\n" << screen;
    EXPECT_EQ(fatals, c.fatals) << c.what << "\n" << screen;
  }
}

// An execution holds the folder before its first file. While a run holds it (the same hold as the
// runner's, taken here), each road to an execution writes no file, says why, and the menu comes
// back (where 2 leaves); the execution then holds the folder itself from its first file on, so that
// a run started while it writes is refused.
TEST_F(FinalPage, AnExecutionHoldsTheFolderBeforeItsFirstFile) {
  struct Case {
    const char* what;
    std::int32_t lback;  // on entry: the start menu's E arrives with the execute code
    std::string typed;   // up to the refusal's Return
    std::string firstFile;
    int unit;            // where it is written, whole to the folder at its end
  };
  const Case cases[] = {
      {"silent execution (4)", 0, "4\n\n", "Diagnostics.stxt", kDiagnosticsUnit},
      {"interactive execution (3)", 0, "3\n\n", "SALMIN.stxt", kListingUnit},
      {"E at the menu", 0, "e\n\n", "SALMIN.stxt", kListingUnit},
      {"E of the start menu", kNavExecute, "\n", "SALMIN.stxt", kListingUnit},
  };
  for (const Case& c : cases) {
    resetAllBlocks();
    testing_support::TempDir dir;
    DataSet().withSalm().withTanker();
    TPCM.EDUNIT = kScreenUnit;
    {
      const FolderLock run("", FolderHold::kRun);
      ASSERT_FALSE(run.refused()) << c.what;
      TPCM.LBACK = c.lback;
      ConsoleCapture console(c.typed + "2\n");
      SLMFIN("19");
      const std::string screen = console.screen();
      EXPECT_EQ(console.unread(), "") << c.what;
      EXPECT_TRUE(std::filesystem::is_empty(dir.path())) << c.what << ": a file was written";
      const std::size_t refused = screen.find(testing_support::kExecutionRefused);
      ASSERT_NE(refused, std::string::npos) << c.what << "\n" << screen;
      EXPECT_TRUE(contains(screen.substr(refused), "End of Session")) << c.what << ": the menu comes back";
      EXPECT_EQ(TPCM.LBACK, kNavExitNoSave) << c.what;
      EXPECT_EQ(TPCM.EDUNIT, kScreenUnit) << c.what;
      EXPECT_EQ(TPCM.LCOPY, 0) << c.what;
    }
    // The run has ended: the same execution writes its first file, and holds the folder meanwhile.
    TPCM.LBACK = c.lback;
    {
      ConsoleCapture console(c.typed.substr(0, c.typed.size() - 1));
      SLMFIN("19");
      EXPECT_EQ(TPCM.LBACK, kNavFirst) << c.what << ": the listing pass starts\n" << console.screen();
    }
    EXPECT_EQ(unitFileName(c.unit), c.firstFile) << c.what;
    EXPECT_TRUE(FolderLock("", FolderHold::kRun).refused()) << c.what << ": a run starts while the execution writes";
    closeAllUnits();
    releaseExecutionHold();  // as the runner's start does
    EXPECT_FALSE(FolderLock("", FolderHold::kRun).refused()) << c.what;
  }
}

}  // namespace
}  // namespace qv
