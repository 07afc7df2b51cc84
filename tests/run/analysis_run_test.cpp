// The analysis run's own decisions: the mode of its arguments, the stages a data set calls for, the
// checks before any stage, and the message a stopped run copies to standard error. The run itself
// goes through the real executable in tests/e2e.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "dataset/tpcm.h"
#include "dataset/tpcm_codes.h"
#include "platform/units.h"
#include "run/analysis_run.h"
#include "support/checks.h"
#include "support/console_capture.h"
#include "support/data_set_fixture.h"
#include "support/fresh_run.h"
#include "support/temp_dir.h"
#include "util/fatal.h"

namespace qv {
namespace {

using testing_support::ConsoleCapture;
using testing_support::contains;
using testing_support::stopStatus;

TEST(AnalysisRunArguments, ModesAndRefusals) {
  struct Case {
    std::vector<std::string_view> arguments;
    std::optional<RunMode> mode;
  };
  const Case cases[] = {
      {{}, RunMode::kUnattended},
      {{"--silent"}, RunMode::kSilent},
      {{"--interactive"}, RunMode::kInteractive},
      {{"--Silent"}, std::nullopt},
      {{"-s"}, std::nullopt},
      {{"silent"}, std::nullopt},
      {{""}, std::nullopt},
      {{"--silent", "--silent"}, std::nullopt},
      {{"--silent", "--interactive"}, std::nullopt},
  };
  for (const Case& c : cases) {
    std::string shown;
    for (std::string_view a : c.arguments) shown += "[" + std::string(a) + "]";
    EXPECT_EQ(runModeOf(c.arguments), c.mode) << shown;
  }
}

class AnalysisRun : public testing_support::FreshRun {};

TEST_F(AnalysisRun, StagesFollowTheDataSetEachOnce) {
  struct Case {
    const char* what;
    int FRESLM, LQUAS, LDYN, LOWMOT;
    std::string stages;
  };
  const std::string vessel = "VESL1 VESL2 VESL3 CURPROF_INIT STSALM SLOMOR LOWPRT";
  const Case cases[] = {
      {"free SALM with dynamics", 1, 0, 1, 1, "STSALM FREMOT"},
      {"free SALM without dynamics", 1, 0, 0, 1, "STSALM"},
      {"free SALM whatever LQUAS holds", 1, 1, 1, 1, "STSALM FREMOT"},
      {"attached, statics only", 0, 0, 1, 1, "STSALM"},
      {"attached with the vessel and dynamics", 0, 1, 1, 1, vessel + " DYNSLM"},
      {"attached without dynamics", 0, 1, 0, 1, vessel},
      {"the low-frequency report also without its output", 0, 1, 1, 0, vessel + " DYNSLM"},
  };
  for (const Case& c : cases) {
    TPCM.FRESLM = c.FRESLM;
    TPCM.LQUAS = c.LQUAS;
    TPCM.LDYN = c.LDYN;
    TPCM.LOWMOT = c.LOWMOT;
    std::string names;
    for (const AnalysisStage& stage : stagesOf()) names += (names.empty() ? "" : " ") + std::string(stage.name);
    EXPECT_EQ(names, c.stages) << c.what;
  }
}

// A new data set of the editor with a yoke SALM of four elements (the first frozen) and its tanker:
// a vessel point 1 at the origin and no point displacements, as every new data set has them.
void newYokeSalm() {
  testing_support::fillSavedDataSet();
  Tpcm& t = TPCM;
  t.ISPM = 1;
  t.IARCO = kYoke;
  t.NELEM = 4;
  const std::int32_t free[] = {0, 1, 1, 1}, moment[] = {1, 1, 0, 1};
  for (int k = 1; k <= 4; ++k) {
    t.IFREE(k) = free[k - 1];
    t.LMOMT(k) = moment[k - 1];
  }
  t.XSALM = 145.5f;
  t.DRAFT = 16.0f;
  t.YOKEHT = 12.0f;
}

// The run sets for itself what a data set saved without the final page's checks lacks, and for a
// tanker on the yoke the yoke's hinge on the vessel, (XSALM, 0, DRAFT + YOKEHT) from the keel, with
// its displacements; a point the data set names stays.
TEST_F(AnalysisRun, TheRunSetsTheYokeHingeAndWhatTheChecksSettle) {
  struct Case {
    const char* what;
    void (*edit)();
    std::int32_t NACC, LDSP;
    float x, y, z;  // vessel point 1
  };
  const Case cases[] = {
      {"a new data set", [] {}, 1, 1, 145.5f, 0.0f, 28.0f},
      {"no vessel point", [] { TPCM.NACC = 0; }, 1, 1, 145.5f, 0.0f, 28.0f},
      {"two points, the first at the origin", [] {
         TPCM.NACC = 2;
         TPCM.RACC(1, 2) = -20.0f;
       }, 2, 1, 145.5f, 0.0f, 28.0f},
      {"a first point the data set names", [] {
         TPCM.NACC = 2;
         TPCM.RACC(1, 1) = 130.0f;
         TPCM.RACC(3, 1) = 25.0f;
       }, 2, 1, 130.0f, 0.0f, 25.0f},
      {"a buoyant riser: at the keel", [] { TPCM.IARCO = kBuoyantRiser; }, 1, 1, 145.5f, 0.0f, 0.0f},
      {"a free SALM: no vessel response", [] { TPCM.FRESLM = 1; }, 1, 0, 0.0f, 0.0f, 0.0f},
      {"the statics alone", [] { TPCM.LQUAS = 0; }, 1, 0, 0.0f, 0.0f, 0.0f},
      {"another configuration", [] { TPCM.ISPM = 0; }, 1, 0, 0.0f, 0.0f, 0.0f},
  };
  for (const Case& c : cases) {
    newYokeSalm();
    c.edit();
    setUpRunData();
    EXPECT_EQ(TPCM.NACC, c.NACC) << c.what;
    EXPECT_EQ(TPCM.LDSP, c.LDSP) << c.what;
    EXPECT_EQ(TPCM.RACC(1, 1), c.x) << c.what;
    EXPECT_EQ(TPCM.RACC(2, 1), c.y) << c.what;
    EXPECT_EQ(TPCM.RACC(3, 1), c.z) << c.what;
    EXPECT_EQ(TPCM.LACC, 0) << c.what;
    EXPECT_EQ(TPCM.LVEL, 0) << c.what;
    // The moment elements from the first free joint up: elements 2 and 4.
    EXPECT_EQ(TPCM.NMOMT, 2) << c.what;
    EXPECT_EQ(TPCM.LSPM, 1) << c.what;
  }
}

// A data set whose periods and counts the stages can take: 41 periods from 4 s by 0.5 s, in 100 ft
// of sea water.
void fitData() {
  TPCM.EDUNIT = kScreenUnit;
  TPCM.DEPTH = 100.0f;
  TPCM.DWATR = 64.0f;
  TPCM.NWP = 41;
  for (int k = 1; k <= 41; ++k) TPCM.T(k) = 4.0f + 0.5f * static_cast<float>(k - 1);
  TPCM.NMOMT = 2;
}

TEST_F(AnalysisRun, PeriodGridAndCountsAreCheckedBeforeAnyStage) {
  struct Case {
    const char* what;
    void (*edit)();
    const char* message;  // nullptr: the data pass
  };
  constexpr const char* kGrid = " ++> The analysis needs at least 3 regular wave periods (page 14), positive,\n";
  const Case cases[] = {
      {"the grid as it is", [] {}, nullptr},
      {"three periods", [] { TPCM.NWP = 3; }, nullptr},
      {"a step typed to two decimals", [] { TPCM.T(7) += 0.0004f; }, nullptr},
      {"ten moment elements", [] { TPCM.NMOMT = 10; }, nullptr},
      {"two periods", [] { TPCM.NWP = 2; }, kGrid},
      {"no periods", [] { TPCM.NWP = 0; }, kGrid},
      {"more periods than the grid holds", [] { TPCM.NWP = 101; }, kGrid},
      {"a period of zero first", [] { TPCM.T(1) = 0.0f; }, kGrid},
      {"decreasing periods", [] { for (int k = 1; k <= 41; ++k) TPCM.T(k) = 24.0f - 0.5f * static_cast<float>(k - 1); },
       kGrid},
      {"one step longer than the others", [] { TPCM.T(20) += 0.1f; }, kGrid},
      {"a count of moment elements past the load tables", [] { TPCM.NMOMT = 11; },
       " ++> Fatal Warning: Too many elements selected for shear/moment computation.\n"
       "     Reduce total to 10 or less.\n"},
  };
  for (const Case& c : cases) {
    fitData();
    c.edit();
    ConsoleCapture console("\n");
    const int status = stopStatus([] { checkRunData(); });
    if (c.message == nullptr) {
      EXPECT_EQ(status, -1) << c.what << "\n" << console.screen();
      continue;
    }
    EXPECT_EQ(status, kExitFatal) << c.what;
    EXPECT_TRUE(contains(console.screen(), c.message)) << c.what << "\n" << console.screen();
  }
  fitData();
  TPCM.NWP = 2;
  ConsoleCapture console("\n");
  stopStatus([] { checkRunData(); });
  EXPECT_TRUE(contains(console.screen(), "     increasing and equally spaced (NWP =   2).\n")) << console.screen();
}

TEST_F(AnalysisRun, StopMessageIsTheLastFatalLineOfThisRun) {
  analysisRunState.messages = {" ++> Warning: Data file is corrupt.",
                               "     second line of the warning",
                               " >>> Computing Salm mass properties...",
                               " ++> ITERATION OVERFLOW IN SALM1... CHECK DATA FILE AND RETRY",
                               "     File name: STATOUT.stxt",
                               "",
                               "     not a line of the message"};
  EXPECT_EQ(stopMessage("STSALM"),
            " ++> ITERATION OVERFLOW IN SALM1... CHECK DATA FILE AND RETRY\n     File name: STATOUT.stxt\n");

  // Nothing of this run names a failure: the routine that stopped is named.
  analysisRunState.messages = {" >>> Computing Salm mass properties..."};
  EXPECT_EQ(stopMessage("SERV_ABORT"), " ++> The analysis stopped in SERV_ABORT.\n");

  // Where "Diagnostics.stxt" could not be written, the message says so last.
  analysisRunState.messagesNotKept = {"     \"Diagnostics.stxt\" could not be written either (No space left on "
                                      "device); it is as the earlier run left it."};
  EXPECT_EQ(stopMessage("SERV_ABORT"),
            " ++> The analysis stopped in SERV_ABORT.\n" + analysisRunState.messagesNotKept[0] + "\n");
  analysisRunState.messagesNotKept.clear();

  // A stop through the fatal path hands on its own message, whatever its first line begins with.
  fatalStopState.message = {" >>> IER = 2 in WAVVEC; Please contact Kestrin.",
                            "     press any letter key + <RETURN> to continue..."};
  EXPECT_EQ(stopMessage("WAVVEC"),
            " >>> IER = 2 in WAVVEC; Please contact Kestrin.\n     press any letter key + <RETURN> to continue...\n");
  fatalStopState.reset();
}

}  // namespace
}  // namespace qv
