// The analysis runner and the example data sets through the real executables, each run in a fresh
// folder: the builder makes the committed examples byte for byte; a yoke SALM, and a free SALM
// without a vessel's data, typed into the editor run every stage, saved and run by hand or executed
// from the last page; the runner runs what a data set calls for, refuses what it cannot run with its
// message (also on standard error when nobody watches the console), never saves the data set, and
// continues the editor's diagnostics file; the editor's execute choices start it and end with its
// status.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstdio>
#include <cstring>
#include <cmath>
#include <filesystem>
#include <regex>
#include <sstream>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "dataset/tpcm.h"
#include "e2e/e2e_harness.h"
#include "example_sessions.h"
#include "support/checks.h"
#include "support/example_data.h"
#include "support/record_file.h"
#include "support/report_values.h"

namespace qv {
namespace {

using namespace std::chrono_literals;
using testing_support::contains;
using testing_support::example;
using testing_support::withWord;

// The tanker example that asks for the statics alone (LQUAS 0): the stages the program has run it
// to its end.
std::string staticsOnlyTanker() { return withWord(example("tanker-yoke"), offsetof(Tpcm, LQUAS), std::int32_t{0}); }

const std::string kStaticsLines =
    " >>> Computing Salm mass properties...\n\n\n"
    " >>> Computing Salm offset tables...\n\n\n"
    " >>> Outputting static offset data...\n";
const std::string kTooFewPeriods =
    " ++> The analysis needs at least 3 regular wave periods (page 14), positive,\n"
    "     increasing and equally spaced (NWP =   2).\n";
const std::string kNoChecksFound = "\n >>> Data checks: 0 warning(s) and 0 fatal warning(s).\n";

TEST(Examples, TheBuilderMakesTheCommittedFiles) {
  e2e::Folder folder;
  const e2e::Run run = e2e::runIn(folder.path(), QV_EXAMPLES_BUILDER, "", 30s, {}, {folder.path().string()});
  ASSERT_EQ(run.status, 0) << run.err;
  for (const char* name : {"tanker-yoke", "free-salm"}) {
    const std::string built = folder.readFile(std::string(name) + "/SALMDAT");
    EXPECT_EQ(built.size(), 4u * kStoredWords) << name;
    EXPECT_TRUE(built == example(name)) << name << ": the builder no longer makes the committed file";
  }
}

// The tanker with two wave periods: refused before any stage.
std::string twoPeriodTanker() { return withWord(example("tanker-yoke"), offsetof(Tpcm, NWP), std::int32_t{2}); }

// Whether the lines appear in `text` in this order.
bool inOrder(const std::string& text, const std::vector<std::string>& lines) {
  std::size_t from = 0;
  for (const std::string& line : lines) {
    const std::size_t at = text.find(line, from);
    if (at == std::string::npos) return false;
    from = at + line.size();
  }
  return true;
}

// The progress lines of the tanker's stages: the vessel passes, the statics, the slow drift and its
// report, the dynamics.
const std::vector<std::string> kTankerProgress = {
    " --> In Quorvel service for motions of tanker\n",
    " --> Computing raos and irregular wave statistics...\n",
    " --> Outputting statistics data ...\n",
    " >>> Computing Salm mass properties...\n",
    " >>> Outputting static offset data...\n",
    " >>> Computing low-frequency dynamics...\n",
    " >>> Outputting low-frequency dynamics data...\n",
    " >>> Computing Salm normal mode parameters...\n",
    " >>> Computing Salm wave-frequency motions for wave heading  180.00\n",
    " >>> Computing Salm member loads for wave heading  180.00\n",
    " >>> Outputting wave-frequency rao data...\n",
    " >>> Outputting wave-frequency shear/moment data...\n",
    " >>> Outputting irregular wave/peak load data...\n",
};

// The runner unattended on `image` in `folder`: a run that ends well says nothing on the console.
void runQuietly(const e2e::Folder& folder, const std::string& image) {
  folder.writeFile("SALMDAT", image);
  const e2e::Run run = folder.runAnalysis();
  ASSERT_FALSE(run.timedOut);
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "");
}

TEST(AnalysisRunE2e, TheTankerExampleRunsEveryStageOnce) {
  e2e::Folder folder;
  const std::string image = example("tanker-yoke");
  ASSERT_NO_FATAL_FAILURE(runQuietly(folder, image));
  // Every report and plot table, the vessel motions and the member loads passed on disk.
  EXPECT_EQ(folder.files(),
            (std::vector<std::string>{"DYNOUT.stxt", "DYNPLT.plt", "Diagnostics.stxt", "LOWOUT.stxt", "MOMDAT",
                                      "RANOUT.stxt", "SALMDAT", "STATOUT.stxt", "STATPLT.plt", "TANKRAN.stxt",
                                      "TANKRAO.plt", "TANKRAO.stxt", "TANKSUM.stxt", "YOKEMOT"}));
  const std::string diagnostics = folder.readFile("Diagnostics.stxt");
  EXPECT_TRUE(inOrder(diagnostics, kTankerProgress)) << diagnostics;
  // Each stage once: one statics, one slow drift.
  EXPECT_EQ(diagnostics.find(" >>> Computing Salm mass properties..."),
            diagnostics.rfind(" >>> Computing Salm mass properties..."));
  EXPECT_EQ(diagnostics.find(" >>> Computing low-frequency dynamics..."),
            diagnostics.rfind(" >>> Computing low-frequency dynamics..."));
  EXPECT_FALSE(contains(diagnostics, " ++> ")) << diagnostics;
  // Each report with its sections; the summary and the statics report open with the title page.
  const std::vector<std::pair<const char*, std::string>> sections = {
      {"TANKSUM.stxt", "Example: 150,000 t tanker on a yoke SALM"},
      {"TANKSUM.stxt", "I.  PHYSICAL CHARACTERISTICS SUMMARY"},
      {"TANKRAO.stxt", "II.  UNMOORED VESSEL MOTION CHARACTERISTICS"},
      {"TANKRAN.stxt", "III.  IRREGULAR WAVE STATISTICS SUMMARY"},
      {"STATOUT.stxt", "Example: 150,000 t tanker on a yoke SALM"},
      {"LOWOUT.stxt", "V.  LOW-FREQUENCY DYNAMICS SUMMARY"},
      {"LOWOUT.stxt", "VI.  SINGLE MEMBER LOW-FREQUENCY STATISTICAL SUMMARY: MOMENTS"},
      {"DYNOUT.stxt", "VII.  SALM MEMBER RESPONSE CHARACTERISTICS"},
      {"RANOUT.stxt", "IX.  COMPOSITE STATISTICAL SUMMARIES: LOADS"},
      {"RANOUT.stxt", "X.  MOST PROBABLE PEAK MOMENTS/LOADS"},
      {"RANOUT.stxt", "XI.  SALM INTERNAL MODE CHARACTERISTICS"},
  };
  for (const auto& [report, text] : sections) EXPECT_TRUE(contains(folder.readFile(report), text)) << report;
  EXPECT_TRUE(folder.readFile("SALMDAT") == image);
}

// Word w (1-based) of TPCM for the member at byte `offset`.
constexpr int wordAt(std::size_t offset) { return static_cast<int>(offset / 4) + 1; }

// What a run of a typed yoke SALM must leave: the yoke's motions, one block per heading of a header
// record and one record per period (read back with the test's own record reader), the member
// response and the statistics, and the yoke's hinge as the first vessel point of the vessel reports,
// where it lies by the data set's members: XSALM ahead of midships, DRAFT + YOKEHT above the keel.
void expectEveryStageRan(const e2e::Folder& folder, const std::string& image) {
  for (const char* name : {"YOKEMOT", "DYNOUT.stxt", "DYNPLT.plt", "RANOUT.stxt", "LOWOUT.stxt"})
    EXPECT_FALSE(folder.readFile(name).empty()) << name;
  const testing_support::RecordDump yokemot = testing_support::dumpRecords(folder.path() / "YOKEMOT");
  ASSERT_TRUE(yokemot.clean);
  ASSERT_FALSE(yokemot.records.empty());
  const std::int32_t headings = yokemot.records[0].intAt(0);
  const std::size_t periods = static_cast<std::size_t>(e2e::intWord(image, wordAt(offsetof(Tpcm, NWP))));
  EXPECT_EQ(periods, 41u);
  ASSERT_EQ(yokemot.records.size(), static_cast<std::size_t>(headings) * (1 + periods)) << yokemot.text();
  for (std::size_t k = 0; k < yokemot.records.size(); ++k) {
    const bool header = k % (1 + periods) == 0;
    EXPECT_EQ(yokemot.records[k].bytes(), header ? 20u : 48u) << "record " << k + 1;
    if (header) {
      EXPECT_EQ(yokemot.records[k].intAt(0), headings) << "record " << k + 1;
    }
  }
  const float x = e2e::floatWord(image, wordAt(offsetof(Tpcm, XSALM)));
  const float z = e2e::floatWord(image, wordAt(offsetof(Tpcm, DRAFT))) +
                  e2e::floatWord(image, wordAt(offsetof(Tpcm, YOKEHT)));
  char hinge[40];
  std::snprintf(hinge, sizeof hinge, " (%7.1f,%7.1f,%7.1f)", x, 0.0, z);
  EXPECT_TRUE(contains(folder.readFile("TANKRAN.stxt"), hinge)) << hinge;
  EXPECT_TRUE(folder.readFile("SALMDAT") == image) << "the run saves nothing";
}

// Types `session` into the editor from "C" with choice 1 (save and leave), then runs the runner on
// the data set saved; `image` receives it. The data set is the committed example `name` but for the
// two words that only the checks of an execution settle (LSPM, and the count of moment elements
// NMOMT, 2 in both examples), which the runner sets for itself; the run ends with status 0 and says
// nothing of concern.
void saveThenRun(const e2e::Folder& folder, const std::string& session, const std::string& name, std::string& image) {
  const e2e::Run edit = folder.run(session + "1\n");
  ASSERT_FALSE(edit.timedOut);
  ASSERT_EQ(edit.status, 0) << edit.out;
  EXPECT_EQ(folder.files(), std::vector<std::string>{"SALMDAT"});
  image = folder.readFile("SALMDAT");
  const std::string committed = example(name);
  ASSERT_EQ(image.size(), committed.size());
  for (int w = 1; w <= kStoredWords; ++w) {
    if (w == wordAt(offsetof(Tpcm, LSPM)) || w == wordAt(offsetof(Tpcm, NMOMT))) continue;
    EXPECT_EQ(e2e::intWord(image, w), e2e::intWord(committed, w)) << "word " << w;
  }
  EXPECT_EQ(e2e::intWord(image, wordAt(offsetof(Tpcm, NMOMT))), 0);
  EXPECT_EQ(e2e::intWord(committed, wordAt(offsetof(Tpcm, NMOMT))), 2);

  const e2e::Run run = folder.runAnalysis();
  ASSERT_FALSE(run.timedOut);
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "");
  EXPECT_FALSE(contains(folder.readFile("Diagnostics.stxt"), " ++> ")) << folder.readFile("Diagnostics.stxt");
}

// Types `session` into the editor from "C" and executes it silently from the last page (choice 4):
// the checks find nothing, the editor saves the committed example `name` byte for byte (into
// `image`) and the run it starts shows `progress` and ends with status 0.
void executeFromTheLastPage(const e2e::Folder& folder, const std::string& session, const std::string& name,
                            const std::vector<std::string>& progress, std::string& image) {
  const e2e::Run run = folder.run(session + "4\n\n");
  ASSERT_FALSE(run.timedOut);
  EXPECT_EQ(run.status, 0) << run.out << run.err;
  EXPECT_EQ(run.err, "");
  const std::string diagnostics = folder.readFile("Diagnostics.stxt");
  EXPECT_EQ(diagnostics.substr(0, kNoChecksFound.size()), kNoChecksFound) << diagnostics;
  EXPECT_TRUE(inOrder(diagnostics, progress)) << diagnostics;
  image = folder.readFile("SALMDAT");
  EXPECT_TRUE(image == example(name)) << "the example is what this session saves";
  EXPECT_FALSE(folder.exists("SALMBAK"));
}

// A yoke SALM and its tanker typed into the editor: the runner runs every stage on it, saved by hand
// or executed from the last page.
TEST(AnalysisRunE2e, AYokeSalmTypedIntoTheEditorRunsEveryStage) {
  e2e::Folder folder;
  std::string image;
  ASSERT_NO_FATAL_FAILURE(saveThenRun(folder, examples::kTankerYokeSession, "tanker-yoke", image));
  expectEveryStageRan(folder, image);
}

TEST(AnalysisRunE2e, AYokeSalmTypedIntoTheEditorRunsFromTheLastPage) {
  e2e::Folder folder;
  std::string image;
  ASSERT_NO_FATAL_FAILURE(
      executeFromTheLastPage(folder, examples::kTankerYokeSession, "tanker-yoke", kTankerProgress, image));
  expectEveryStageRan(folder, image);
}

// The yoke SALM typed with page 8 left as a new data set has it: wind, current and wave drift read
// the user's coefficients (the tables of "LOWDAT", the drift file), and nobody typed any.
const std::string kDefaultForceModelsSession = examples::tankerYokeSession("\n");

const std::string kEmptyWindTable =
    " ++> Fatal Warning: The wind coefficient table of LOWDAT holds no rows;\n"
    "     the wind force model reads it for Cx, Cy and Cz.\n"
    "     On page 8, choose another wind model (item 2)\n"
    "     or specify the wind force coefficients (item 5).\n";

// Executed from the last page, the checks refuse it with a fatal warning for each load, saying where
// to mend it; nothing is saved and no stage runs.
TEST(AnalysisRunE2e, AYokeSalmWithTheDefaultForceModelsIsRefusedAtTheLastPage) {
  e2e::Folder folder;
  const e2e::Run run = folder.run(kDefaultForceModelsSession + "4\n\n2\n\n");
  ASSERT_FALSE(run.timedOut);
  EXPECT_EQ(run.status, 0) << run.out << run.err;
  EXPECT_TRUE(contains(run.out, " ++> Silent execution stopped: 0 warning(s) and 3 fatal warning(s);\n"
                                "     see \"Diagnostics.stxt\".\n"))
      << run.out;
  EXPECT_EQ(folder.readFile("Diagnostics.stxt"),
            "\n" + kEmptyWindTable +
                "\n ++> Fatal Warning: The current coefficient table of LOWDAT holds no rows;\n"
                "     the current force model reads it for Cx, Cy and Cz.\n"
                "     On page 8, choose another current model (item 12)\n"
                "     or specify the current force coefficients (item 15).\n"
                "\n ++> Fatal Warning: The wave drift coefficient file \"DRFTCOFS.txt\" is missing;\n"
                "     the wave drift force model reads it for Cx, Cy and Cz.\n"
                "     On page 8, choose another wave drift model (item 22)\n"
                "     or put the file in the data set's folder.\n"
                "\n >>> Data checks: 0 warning(s) and 3 fatal warning(s).\n");
  EXPECT_EQ(folder.files(), std::vector<std::string>{"Diagnostics.stxt"});
}

// Saved with choice 1 ("LOWDAT" is not written: nothing in it changed) and run, it stops at the load
// and says what to change, before any report is opened. With a "LOWDAT" whose tables hold nothing
// beside it, the run stops before any stage at the first load that reads one.
TEST(AnalysisRunE2e, AYokeSalmWithTheDefaultForceModelsSavedAndRunStopsBeforeAnyReport) {
  e2e::Folder folder;
  const e2e::Run edit = folder.run(kDefaultForceModelsSession + "1\n");
  ASSERT_FALSE(edit.timedOut);
  ASSERT_EQ(edit.status, 0) << edit.out;
  ASSERT_EQ(folder.files(), std::vector<std::string>{"SALMDAT"});

  e2e::Run run = folder.runAnalysis();
  ASSERT_FALSE(run.timedOut);
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err,
            " ++> LOWDAT file not found. User-specified environmental coefficients \n"
            "     will be missing.\n"
            "     On page 8, choose built-in wind and current models or enter their tables.\n"
            " ++> The run stops here, in SERV_ABORT. An unattended run does not go on past\n"
            "     the message above (a run with --interactive asks whether to, where the\n"
            "     message offers it): change what the message names and run again.\n");
  EXPECT_EQ(folder.files(), (std::vector<std::string>{"Diagnostics.stxt", "SALMDAT"}));
  EXPECT_TRUE(contains(folder.readFile("Diagnostics.stxt"), " ++> The run stops here, in SERV_ABORT."));

  folder.writeFile("LOWDAT", std::string(4 * 680, '\0'));
  run = folder.runAnalysis();
  ASSERT_FALSE(run.timedOut);
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, kEmptyWindTable);
  EXPECT_EQ(folder.files(), (std::vector<std::string>{"Diagnostics.stxt", "LOWDAT", "SALMDAT"}));
  EXPECT_FALSE(contains(folder.readFile("Diagnostics.stxt"), " >>> Computing")) << folder.readFile("Diagnostics.stxt");
}

// The wind's or the current's user coefficient file chosen on page 8 and not beside the data set:
// the run stops before any stage, naming the file and page 8's item, as for the wave drift's file.
// With the file there, the tanker example runs to its end on it (the coefficients of a cylindrical
// vessel in the file's convention, 180 degrees the flow from ahead: Cx = cos h, Cy = sin h).
TEST(AnalysisRunE2e, AMissingWindOrCurrentCoefficientFileIsNamedBeforeAnyStage) {
  struct Case {
    const char* load;
    std::size_t word;
    const char* file;
    const char* item;
  };
  const Case cases[] = {{"wind", offsetof(Tpcm, LWBARG), "WINDCOFS.txt", "2"},
                        {"current", offsetof(Tpcm, LCBARG), "CRNTCOFS.txt", "12"}};
  std::ostringstream cylinder;
  cylinder << "37\n";
  for (int k = 0; k <= 36; ++k) {
    const double h = 10.0 * k;
    cylinder << h << ", " << std::cos(h / 57.29577951308232) << ", " << std::sin(h / 57.29577951308232) << ", 0\n";
  }
  for (const Case& c : cases) {
    e2e::Folder folder;
    folder.writeFile("SALMDAT", withWord(example("tanker-yoke"), c.word, std::int32_t{0x222}));
    e2e::Run run = folder.runAnalysis();
    ASSERT_FALSE(run.timedOut) << c.load;
    EXPECT_EQ(run.status, 1) << c.load;
    EXPECT_EQ(run.err, std::string(" ++> Fatal Warning: The ") + c.load + " coefficient file \"" + c.file +
                           "\" is missing;\n     the " + c.load + " force model reads it for Cx, Cy and Cz.\n" +
                           "     On page 8, choose another " + c.load + " model (item " + c.item + ")\n" +
                           "     or put the file in the data set's folder.\n")
        << c.load;
    EXPECT_FALSE(folder.exists("TANKSUM.stxt")) << c.load;

    folder.writeFile(c.file, cylinder.str());
    run = folder.runAnalysis();
    ASSERT_FALSE(run.timedOut) << c.load;
    EXPECT_EQ(run.status, 0) << c.load << "\n" << run.err;
    EXPECT_TRUE(contains(folder.readFile("LOWOUT.stxt"), std::string("User-Specified ") + c.file)) << c.load;
  }
}

// What a run of the typed free SALM must leave: its statics, its member response and statistics
// filled; no vessel report, no vessel motions and no slow drift; the data set as the editor saved it.
void expectTheFreeStagesRan(const e2e::Folder& folder, const std::string& image) {
  const std::vector<std::pair<const char*, std::string>> sections = {
      {"STATOUT.stxt", "Example: a free-standing two-member SALM"},
      {"DYNOUT.stxt", "VII.  SALM MEMBER RESPONSE CHARACTERISTICS"},
      {"RANOUT.stxt", "X.  MOST PROBABLE PEAK MOMENTS/LOADS"},
  };
  for (const auto& [report, text] : sections) EXPECT_TRUE(contains(folder.readFile(report), text)) << report;
  for (const char* name : {"TANKSUM.stxt", "YOKEMOT", "LOWOUT.stxt"}) EXPECT_FALSE(folder.exists(name)) << name;
  EXPECT_TRUE(folder.readFile("SALMDAT") == image) << "the run saves nothing";
}

// A free two-member SALM typed into the editor from "C" with no vessel's data at all (the vessel's
// pages are never shown to it): the statics and the free SALM's dynamics run to status 0 without a
// word of warning, saved by hand or executed from the last page.
TEST(AnalysisRunE2e, AFreeSalmTypedIntoTheEditorRunsItsStages) {
  e2e::Folder folder;
  std::string image;
  ASSERT_NO_FATAL_FAILURE(saveThenRun(folder, examples::kFreeSalmSession, "free-salm", image));
  for (std::size_t offset : {offsetof(Tpcm, DRAFT), offsetof(Tpcm, LWL), offsetof(Tpcm, BWL), offsetof(Tpcm, DISPL),
                             offsetof(Tpcm, AWP), offsetof(Tpcm, TVKMT), offsetof(Tpcm, RGYR)})
    EXPECT_EQ(e2e::floatWord(image, wordAt(offset)), 0.0f) << "no vessel data: word " << wordAt(offset);
  expectTheFreeStagesRan(folder, image);
}

TEST(AnalysisRunE2e, AFreeSalmTypedIntoTheEditorRunsFromTheLastPage) {
  e2e::Folder folder;
  std::string image;
  ASSERT_NO_FATAL_FAILURE(executeFromTheLastPage(
      folder, examples::kFreeSalmSession, "free-salm",
      {kStaticsLines, " >>> Computing free Salm normal mode characteristics...\n",
       " >>> Outputting irregular wave/peak load data...\n"},
      image));
  expectTheFreeStagesRan(folder, image);
}

// No stage of a free SALM's run reads the vessel's data, which is why its checks ask for none: the
// free example given the tanker example's vessel (hull, stability, areas, load models) and
// attachment dimensions gives the same reports and tables, byte for byte but the clock.
TEST(AnalysisRunE2e, AFreeSalmsReportsDoNotDependOnTheVesselsData) {
  const std::string tanker = example("tanker-yoke");
  const std::string bare = example("free-salm");
  std::string dressed = bare;
  for (std::size_t offset :
       {offsetof(Tpcm, DRAFT), offsetof(Tpcm, LWL), offsetof(Tpcm, BWL), offsetof(Tpcm, DISPL), offsetof(Tpcm, AWP),
        offsetof(Tpcm, TVKB), offsetof(Tpcm, TVKG), offsetof(Tpcm, TVKMT), offsetof(Tpcm, TVKML), offsetof(Tpcm, RGYR),
        offsetof(Tpcm, PGYR), offsetof(Tpcm, TYGYR), offsetof(Tpcm, BILGR), offsetof(Tpcm, DWTONS),
        offsetof(Tpcm, LOADED), offsetof(Tpcm, TXWNDA), offsetof(Tpcm, TYWNDA), offsetof(Tpcm, TXCURA),
        offsetof(Tpcm, TYCURA), offsetof(Tpcm, LWBARG), offsetof(Tpcm, LCBARG), offsetof(Tpcm, LWVCOF),
        offsetof(Tpcm, XSALM), offsetof(Tpcm, YOKEHT), offsetof(Tpcm, PNDARM)})
    dressed.replace(offset, 4, tanker, offset, 4);
  ASSERT_FALSE(dressed == bare);
  e2e::Folder withoutVessel, withVessel;
  ASSERT_NO_FATAL_FAILURE(runQuietly(withoutVessel, bare));
  ASSERT_NO_FATAL_FAILURE(runQuietly(withVessel, dressed));
  EXPECT_EQ(withoutVessel.files(), withVessel.files());
  for (const char* name : {"STATOUT.stxt", "DYNOUT.stxt", "DYNPLT.plt", "RANOUT.stxt", "MOMDAT"})
    EXPECT_FALSE(withoutVessel.readFile(name).empty()) << name;
  for (const char* name : {"STATOUT.stxt", "STATPLT.plt", "DYNOUT.stxt", "DYNPLT.plt", "RANOUT.stxt", "MOMDAT"}) {
    EXPECT_TRUE(testing_support::maskClock(withoutVessel.readFile(name)) ==
                testing_support::maskClock(withVessel.readFile(name)))
        << name;
  }
}

TEST(AnalysisRunE2e, StaticsAloneRunToTheirEndAndLeaveTheDataSetAsItWas) {
  e2e::Folder folder;
  const std::string image = staticsOnlyTanker();
  ASSERT_NO_FATAL_FAILURE(runQuietly(folder, image));
  EXPECT_EQ(folder.files(), (std::vector<std::string>{"Diagnostics.stxt", "SALMDAT", "STATOUT.stxt", "STATPLT.plt"}));
  EXPECT_TRUE(contains(folder.readFile("Diagnostics.stxt"), kStaticsLines)) << folder.readFile("Diagnostics.stxt");
  EXPECT_TRUE(contains(folder.readFile("STATOUT.stxt"), "Example: 150,000 t tanker on a yoke SALM in 100 m of water"));
  EXPECT_TRUE(folder.readFile("SALMDAT") == image);
}

TEST(AnalysisRunE2e, TheFreeExampleRunsTheStaticsAndItsDynamics) {
  e2e::Folder folder;
  const std::string image = example("free-salm");
  ASSERT_NO_FATAL_FAILURE(runQuietly(folder, image));
  // No vessel: no vessel report, no "YOKEMOT", no slow drift and no "LOWOUT.stxt".
  EXPECT_EQ(folder.files(), (std::vector<std::string>{"DYNOUT.stxt", "DYNPLT.plt", "Diagnostics.stxt", "MOMDAT",
                                                      "RANOUT.stxt", "SALMDAT", "STATOUT.stxt", "STATPLT.plt"}));
  const std::string diagnostics = folder.readFile("Diagnostics.stxt");
  EXPECT_TRUE(inOrder(diagnostics, {kStaticsLines, " >>> Computing free Salm normal mode characteristics...\n",
                                    " >>> Computing Salm wave-frequency motions for wave heading  180.00\n",
                                    " >>> Outputting irregular wave/peak load data...\n"}))
      << diagnostics;
  EXPECT_FALSE(contains(diagnostics, " --> ")) << diagnostics;
  EXPECT_FALSE(contains(diagnostics, " >>> Computing low-frequency dynamics...")) << diagnostics;
  EXPECT_TRUE(contains(folder.readFile("STATOUT.stxt"), "Example: a free-standing two-member SALM"));
  EXPECT_TRUE(contains(folder.readFile("DYNOUT.stxt"), "VII.  SALM MEMBER RESPONSE CHARACTERISTICS"));
  EXPECT_TRUE(contains(folder.readFile("RANOUT.stxt"), "X.  MOST PROBABLE PEAK"));
  EXPECT_TRUE(folder.readFile("SALMDAT") == image);
}

const std::string kNotADataSet =
    " ++> \"SALMDAT\" is not a data set of this program: it begins with text,\n"
    "     where a data set begins with its word count and its creator. The file is\n"
    "     left as it is.\n"
    "     Move or rename it; then start quorvel here and choose (C) Create new, or\n"
    "     copy a data set \"SALMDAT\" here.\n";
const std::string kMendTheHeader =
    "     The run stops. Open the data set in the editor (M), inspect its pages and\n"
    "     save it (page 19, choice 1), which writes a sound header, or put back an\n"
    "     earlier generation (\"SALMBAK\" or \"LASTBAK\"); then run it again.\n";

// Lines of text, `bytes` long.
std::string textOfLength(std::size_t bytes) {
  std::string text;
  while (text.size() < bytes) text += "Notes of the mooring survey, line by line.\n";
  text.resize(bytes);
  return text;
}

// Refused before any stage, each with its message whole on standard error and status 1: a folder
// without a data set (left as it was), a text file where the data set should be, damaged header
// words, a data set the stages cannot take, arguments the runner does not know. The data file is
// never changed.
TEST(AnalysisRunE2e, DataSetsAndArgumentsItRefuses) {
  struct Case {
    const char* what;
    std::vector<std::string> arguments;
    bool dataFile;
    std::string image;
    std::string err;  // standard error, whole
  };
  const std::string tanker = example("tanker-yoke");
  const Case cases[] = {
      {"no data file", {}, false, "",
       " ++> File not found or file access error in quorvel-run\n     File name: SALMDAT\n"
       "     There is no data set in this folder. To create one, start quorvel here and\n"
       "     choose (C) Create new, or copy a data set \"SALMDAT\" here; then run again.\n"},
      {"a data file of 100 bytes", {}, true, tanker.substr(0, 100),
       " ++> Input Data File smaller than expected:\n     Expected   4975 I*4s, found     25 I*4s... CAUTION!\n"
       "     The run stops: \"SALMDAT\" is not of the length this version stores,\n"
       "     and a run takes only a data set the editor has saved as it is.\n"
       "     Open it in the editor (M), inspect its pages and save it\n"
       "     (page 19, choice 1); then run it again.\n"},
      {"a data file of an earlier version's layout", {}, true,
       withWord(withWord(tanker, offsetof(Tpcm, VERNO), 6.5f), offsetof(Tpcm, DAT_ID), std::int32_t{49}),
       " ++> Data file resized for 149 fairleads\n"
       "     The run stops: \"SALMDAT\" was stored by an earlier version (6.50),\n"
       "     and a run takes only a data set the editor has saved as it is.\n"
       "     Open it in the editor (M), inspect its pages and save it\n"
       "     (page 19, choice 1); then run it again.\n"},
      // The editor asks whether to go on with a data set of a later version; the run cannot ask.
      {"a data file of a later version", {}, true, withWord(tanker, offsetof(Tpcm, VERNO), 99.0f),
       " ++> Version mismatch: Data (version 99.00) POSTDATES simulation (version  6.80)\n"
       "     Data files are NOT generally backwards-compatible!\n"
       "     Carefully inspect each editor screen before proceeding...\n"
       "     The run stops: \"SALMDAT\" was stored by a later version (99.00),\n"
       "     and a run takes only a data set the editor has saved as it is.\n"
       "     Open it in the editor (M), inspect its pages and save it\n"
       "     (page 19, choice 1); then run it again.\n"},
      {"a text file of a few bytes", {}, true, "hello\n", kNotADataSet},
      {"a text file of a data set's length", {}, true, textOfLength(tanker.size()), kNotADataSet},
      {"a size word of 7", {}, true, withWord(tanker, offsetof(Tpcm, NTOGO), std::int32_t{7}),
       " ++> Warning: Data file is corrupt.\n"
       "     Word 1 of \"SALMDAT\" (NTOGO, the count of its words) is 7;\n"
       "     a data set of QUORVEL (CREATR 11) holds 4975.\n" +
           kMendTheHeader},
      {"a creator word of 99", {}, true, withWord(tanker, offsetof(Tpcm, CREATR), std::int32_t{99}),
       " ++> Warning: Data file is seriously corrupt.\n"
       "              Some versions of Internet Explorer can cause this problem.\n"
       "     Word 2 of \"SALMDAT\" (CREATR, the program that made it) is 99;\n"
       "     it must be 1 to 17 (11 for this program).\n" +
           kMendTheHeader},
      {"a version word of -inf", {}, true,
       withWord(tanker, offsetof(Tpcm, VERNO), -std::numeric_limits<float>::infinity()),
       " ++> Data file version word (VERNO, word 217) is -infinity, not a finite number;\n"
       "     it must be the version of the editor that saved the data set\n"
       "     (6.80 or earlier).\n"
       "     The run stops: \"SALMDAT\" holds a damaged version word,\n"
       "     and a run takes only a data set the editor has saved as it is.\n"
       "     Open it in the editor (M), inspect its pages and save it\n"
       "     (page 19, choice 1); then run it again.\n"},
      {"two wave periods", {}, true, twoPeriodTanker(), kTooFewPeriods},
      {"two wave periods, silently", {"--silent"}, true, twoPeriodTanker(), kTooFewPeriods},
      {"an unknown argument", {"--verbose"}, true, tanker, "Usage: quorvel-run [--silent | --interactive]\n"},
      {"two arguments", {"--silent", "--interactive"}, true, tanker, "Usage: quorvel-run [--silent | --interactive]\n"},
  };
  for (const Case& c : cases) {
    e2e::Folder folder;
    if (c.dataFile) folder.writeFile("SALMDAT", c.image);
    const e2e::Run run = folder.runAnalysis(c.arguments);
    ASSERT_FALSE(run.timedOut) << c.what;
    EXPECT_EQ(run.status, 1) << c.what;
    EXPECT_EQ(run.err, c.err) << c.what;
    EXPECT_EQ(run.out, "") << c.what;
    if (c.err.substr(0, 5) == "Usage") {
      EXPECT_EQ(folder.files(), std::vector<std::string>{"SALMDAT"}) << c.what;
    }
    if (!c.dataFile) {  // a folder without a data set is left as it was
      EXPECT_TRUE(folder.files().empty()) << c.what;
    }
    EXPECT_FALSE(folder.exists("DATUPWRN.stxt")) << c.what << ": the editor's notes are not the run's";
    if (c.dataFile) {
      EXPECT_TRUE(folder.readFile("SALMDAT") == c.image) << c.what;
    }
  }
}

// A data set of a later version: the run stops and says what to do; done (the editor asks whether to
// go on, and its save stores this version), the run takes it and runs to its end.
TEST(AnalysisRunE2e, ADataSetOfALaterVersionRunsOnceTheEditorHasSavedIt) {
  e2e::Folder folder;
  folder.writeFile("SALMDAT", withWord(example("tanker-yoke"), offsetof(Tpcm, VERNO), 99.0f));
  e2e::Run run = folder.runAnalysis();
  ASSERT_FALSE(run.timedOut);
  EXPECT_EQ(run.status, 1);
  EXPECT_TRUE(contains(run.err, "     Open it in the editor (M), inspect its pages and save it\n")) << run.err;
  EXPECT_FALSE(folder.exists("STATOUT.stxt"));

  const e2e::Run edit = folder.run("M\n\nL\n1\n");
  ASSERT_FALSE(edit.timedOut);
  EXPECT_EQ(edit.status, 0) << edit.out;
  EXPECT_TRUE(contains(edit.out, " POSTDATES simulation (version  6.80)\n")) << edit.out;
  EXPECT_EQ(e2e::floatWord(folder.readFile("SALMDAT"), 217), 6.8f);

  run = folder.runAnalysis();
  ASSERT_FALSE(run.timedOut);
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(folder.exists("RANOUT.stxt"));
}

// "--help" is no refusal: the usage and the modes on standard output, status 0, no file touched.
TEST(AnalysisRunE2e, HelpPrintsTheUsage) {
  e2e::Folder folder;
  const e2e::Run run = folder.runAnalysis({"--help"});
  ASSERT_FALSE(run.timedOut);
  EXPECT_EQ(run.status, 0);
  EXPECT_TRUE(run.out.starts_with("Usage: quorvel-run [--silent | --interactive]\n")) << run.out;
  EXPECT_TRUE(contains(run.out, "  --interactive    ")) << run.out;
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(folder.files(), std::vector<std::string>{});
}

TEST(AnalysisRunE2e, SilentContinuesTheDiagnosticsFileAndInteractiveTalksOnTheScreen) {
  e2e::Folder silent;
  silent.writeFile("SALMDAT", example("tanker-yoke"));
  silent.writeFile("Diagnostics.stxt", kNoChecksFound);
  e2e::Run run = silent.runAnalysis({"--silent"});
  ASSERT_FALSE(run.timedOut);
  EXPECT_EQ(run.status, 0) << run.err;
  const std::string diagnostics = silent.readFile("Diagnostics.stxt");
  EXPECT_EQ(diagnostics.substr(0, kNoChecksFound.size()), kNoChecksFound);
  EXPECT_TRUE(contains(diagnostics, "**   Welcome to Quorvel   **")) << diagnostics;
  EXPECT_TRUE(inOrder(diagnostics, kTankerProgress)) << diagnostics;

  // A failure after the editor's lines: only this run's message goes to standard error.
  e2e::Folder failing;
  failing.writeFile("SALMDAT", twoPeriodTanker());
  failing.writeFile("Diagnostics.stxt", "\n ++> Warning: Nonpositive storm duration detected.\n" + kNoChecksFound);
  run = failing.runAnalysis({"--silent"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, kTooFewPeriods);

  // Interactively the progress is on the screen, and the reports go where the data set says: to
  // their files.
  e2e::Folder interactive;
  interactive.writeFile("SALMDAT", example("tanker-yoke"));
  run = interactive.runAnalysis({"--interactive"});
  ASSERT_FALSE(run.timedOut);
  EXPECT_EQ(run.status, 0) << run.out;
  EXPECT_EQ(run.err, "");
  EXPECT_TRUE(contains(run.out, "**   Welcome to Quorvel   **")) << run.out;
  EXPECT_TRUE(inOrder(run.out, kTankerProgress)) << run.out;
  EXPECT_FALSE(interactive.exists("Diagnostics.stxt"));
  EXPECT_TRUE(interactive.exists("LOWOUT.stxt"));

  // Reports on the console wait at their pages: the end of the input there ends the run, status 2.
  e2e::Folder console;
  console.writeFile("SALMDAT", withWord(example("tanker-yoke"), offsetof(Tpcm, IUNIT), std::int32_t{6}));
  run = console.runAnalysis({"--interactive"});
  ASSERT_FALSE(run.timedOut);
  EXPECT_EQ(run.status, 2);
  EXPECT_TRUE(contains(run.out, "Example: 150,000 t tanker on a yoke SALM")) << run.out;  // the title page
  EXPECT_TRUE(contains(run.out, " Press <RETURN> to continue: \n"
                                " ++> Keyboard input ended; the analysis stopped and wrote no report file.\n"))
      << run.out;
  EXPECT_FALSE(console.exists("TANKSUM.stxt"));

  // Interactively a refusal is shown on the screen, waits for the user, and is not repeated on
  // standard error.
  e2e::Folder refused;
  refused.writeFile("SALMDAT", twoPeriodTanker());
  run = refused.runAnalysis({"--interactive"}, "\n");
  EXPECT_EQ(run.status, 1);
  EXPECT_TRUE(contains(run.out, kTooFewPeriods + "\n Press <RETURN> to continue: ")) << run.out;
  EXPECT_EQ(run.err, "");
}

// The example with the yoke-vessel angle of the data sets of older editors, 0: the yoke folded back
// over the buoy. The run warns of it before any stage, on standard error too, and goes on; the free
// example does not carry a yoke and says nothing whatever the angle holds, nor does the tanker whose
// run is the statics alone, which model the yoke in line whatever the angle.
TEST(AnalysisRunE2e, AYokeOutOfLineWithTheSalmIsWarnedOfBeforeAnyStage) {
  const std::string warning =
      " ++> Warning: the yoke-vessel angle YOKVES is   0.0000 rad, where 3.1416 puts\n"
      "     the yoke in line with the SALM as the statics model it; the later stages\n"
      "     would turn the yoke  3.1416 rad out of line (0 folds it back over the\n"
      "     buoy).\n";
  e2e::Folder folder;
  folder.writeFile("SALMDAT", withWord(example("tanker-yoke"), offsetof(Tpcm, YOKVES), 0.0f));
  const e2e::Run run = folder.runAnalysis();
  ASSERT_FALSE(run.timedOut);
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, warning);
  EXPECT_TRUE(inOrder(folder.readFile("Diagnostics.stxt"), {warning, kTankerProgress.front()}));

  e2e::Folder free;
  ASSERT_NO_FATAL_FAILURE(runQuietly(free, withWord(example("free-salm"), offsetof(Tpcm, YOKVES), 0.0f)));

  e2e::Folder statics;
  ASSERT_NO_FATAL_FAILURE(runQuietly(statics, withWord(staticsOnlyTanker(), offsetof(Tpcm, YOKVES), 0.0f)));
}

// The examples with words changed as a user changes them on the pages: a column the wave-frequency
// dynamics cannot take for its attachment, or a system under water for the statics whose top stands
// above the water. Both ends refuse it before any stage, with the finding that names the page and
// item: the runner (status 1, the message on standard error, no report), and the last page's silent
// execution (the finding in "Diagnostics.stxt", the menu again, nothing run). The examples as they
// are and the tanker's first three elements as a submerged two-member riser run.
TEST(AnalysisRunE2e, ColumnsTheDynamicsOrTheSubmergenceCannotTakeAreRefusedBeforeAnyStage) {
  struct Word {
    std::size_t offset;
    std::int32_t value;
  };
  struct Case {
    const char* what;
    const char* example;
    std::vector<Word> words;
    std::string finding;  // empty: the run goes through
  };
  const std::vector<Word> submerged = {{offsetof(Tpcm, WETYOK), 5}, {offsetof(Tpcm, IPIERC), 5}};
  const Case cases[] = {
      {"the tanker example", "tanker-yoke", {}, ""},
      {"the free example", "free-salm", {}, ""},
      {"a submerged buoyant riser of two members", "tanker-yoke",
       {{offsetof(Tpcm, IARCO), 2}, {offsetof(Tpcm, NELEM), 3}, {offsetof(Tpcm, IPIERC), 4},
        {offsetof(Tpcm, WETYOK), 5}},
       ""},
      {"a submerged buoyant riser of three members", "tanker-yoke",
       {{offsetof(Tpcm, IARCO), 2}, {offsetof(Tpcm, WETYOK), 5}, {offsetof(Tpcm, IPIERC), 5}},
       " ++> Fatal Warning: The wave-frequency dynamics of a \"Buoyant riser\" take at\n"
       "     most 2 Salm members; the elements form 3, one from each free joint\n"
       "     (page 3, item 7 of an element). Freeze a joint, choose another attachment\n"
       "     (page 3, item 13 of the last element) or switch the dynamics off\n"
       "     (page 17, item 5).\n"},
      {"the tanker's system submerged, the buoy's top 6 m above the water", "tanker-yoke", submerged,
       " ++> Fatal Warning: The whole system is under water for the statics (page 3,\n"
       "     item 1: option 7), yet the buoy's top (element 3), standing upright,\n"
       "     reaches 106.00 meters above the sea bed in 100.00 meters of water\n"
       "     (page 1, item 4). Choose an option with an element that pierces the\n"
       "     surface, or shorten the column.\n"},
      {"the free column submerged, its top 10 m above the water", "free-salm",
       {{offsetof(Tpcm, WETYOK), 5}, {offsetof(Tpcm, IPIERC), 3}},
       " ++> Fatal Warning: The whole system is under water for the statics (page 3,\n"
       "     item 1: option 7), yet the column's top, standing upright,\n"
       "     reaches 110.00 meters above the sea bed in 100.00 meters of water\n"
       "     (page 1, item 4). Choose an option with an element that pierces the\n"
       "     surface, or shorten the column.\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::string image = example(c.example);
    for (const Word& w : c.words) image = withWord(image, w.offset, w.value);
    e2e::Folder runner;
    runner.writeFile("SALMDAT", image);
    const e2e::Run run = runner.runAnalysis();
    ASSERT_FALSE(run.timedOut);
    if (c.finding.empty()) {
      EXPECT_EQ(run.status, 0) << run.err;
      EXPECT_TRUE(runner.exists("RANOUT.stxt"));
      continue;
    }
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, c.finding);
    EXPECT_EQ(runner.files(), (std::vector<std::string>{"Diagnostics.stxt", "SALMDAT"}));

    e2e::Folder editor;
    editor.writeFile("SALMDAT", image);
    // The free example has no "LOWDAT": the load asks whether to go on without it.
    const std::string open = std::string(c.example) == "free-salm" ? "M\n\n" : "M\n";
    const e2e::Run edit = editor.run(open + "L\n4\n\n2\n\n");
    ASSERT_FALSE(edit.timedOut);
    EXPECT_EQ(edit.status, 0) << edit.out;
    EXPECT_TRUE(contains(edit.out, " ++> Silent execution stopped: ")) << edit.out;
    EXPECT_TRUE(contains(editor.readFile("Diagnostics.stxt"), "\n" + c.finding));
    for (const char* report : {"TANKSUM.stxt", "STATOUT.stxt", "DYNOUT.stxt", "RANOUT.stxt"})
      EXPECT_FALSE(editor.exists(report)) << report;
  }
}

// The wave headings a run states: the sea's, in the heading lines and the direction of the seas of
// LOWOUT and in RANOUT; each pass's, in the heading lines of DYNOUT and the progress lines of the
// dynamics.
struct StatedHeadings {
  std::vector<double> sea, passes;
};
StatedHeadings statedWaveHeadings(const e2e::Folder& folder) {
  StatedHeadings stated;
  const std::regex heading(R"((WAVE HEADING   =|Direction of maximum seas \.+|for wave heading) +(-?[0-9.]+))");
  for (const char* file : {"LOWOUT.stxt", "RANOUT.stxt", "DYNOUT.stxt", "Diagnostics.stxt"}) {
    const std::string text = folder.readFile(file);
    std::vector<double>& into = file[0] == 'L' || file[0] == 'R' ? stated.sea : stated.passes;
    for (auto m = std::sregex_iterator(text.begin(), text.end(), heading); m != std::sregex_iterator(); ++m)
      into.push_back(std::stod((*m)[2].str()));
  }
  return stated;
}

// The vessel heading of the most stable equilibrium in section IV of "LOWOUT.stxt" [deg].
double stableVesselHeading(const e2e::Folder& folder) {
  return testing_support::stableVesselHeading(folder.readFile("LOWOUT.stxt"));
}

// An angle reduced to [0, 360) degrees.
double reduced(double degrees) { return std::fmod(std::fmod(degrees, 360.0) + 360.0, 360.0); }

// Waves from 0 degrees (toward 180), wind from 30, current from 90: the vessel lies at about 66.6
// degrees, where the sea meets it at about 113.4 degrees relative, while the vessel response computed
// its motions at the yoke at 180 (the vessel at heading 0). The run warns (on the screen's unit, in
// the low-frequency report, on standard error) and names every heading to enter, the environment
// turned by minus the vessel's heading, with its page and item; LOWOUT and RANOUT state the sea's
// heading, while the dynamics' one pass states the heading of its vessel motions and the sea of its
// members' wave loads. The advice is then typed into the editor as it reads, the regular waves'
// heading reached as it says: the run of the saved data set warns of nothing, the vessel lies at
// heading 0, and the equilibrium is the first one turned (the same restoring force and static forces
// in the vessel's axes, the SALM's heading turned by the same angle), one heading stated throughout.
TEST(AnalysisRunE2e, TheDynamicsWarnsOfWavesThatMeetTheVesselOffItsMotionsHeading) {
  const std::string tanker = example("tanker-yoke");
  std::string image = withWord(tanker, offsetof(Tpcm, WNDHDG), 210.0f);
  image = withWord(image, offsetof(Tpcm, CURHDG), 270.0f);
  e2e::Folder folder;
  folder.writeFile("SALMDAT", image);
  e2e::Run run = folder.runAnalysis();
  ASSERT_FALSE(run.timedOut);
  EXPECT_EQ(run.status, 0) << run.err;
  std::smatch m;
  const std::regex named(
      R"(^ \+\+> Warning: at the stable equilibrium the vessel heads (-?[0-9]+\.[0-9]{2}) deg, and the\n)"
      R"(     sea of heading 180\.00 deg meets it at the relative heading ([0-9]+\.[0-9]{2}) deg;\n)"
      R"(     but the vessel's motions at the yoke \("YOKEMOT"\), which the wave-frequency\n)"
      R"(     stage uses, were computed with the vessel at heading 0, at 180\.00 deg\.\n)"
      R"(     Turn the environment by (-?[0-9]+\.[0-9]{2}) deg \(the vessel then lies near heading 0\)\n)"
      R"(     and run again; enter\n)"
      R"(((?:       .*\n)+))"
      R"(     Page 14 shows item 6 only while the irregular waves (\(page 15, item 1\)) are\n)"
      R"(     off: switch them off, enter the heading there, and switch them on again\.\n$)");
  ASSERT_TRUE(std::regex_match(run.err, m, named)) << run.err;
  const double vessel = std::stod(m[1].str()), relative = std::stod(m[2].str()), turn = std::stod(m[3].str());
  EXPECT_NEAR(vessel, stableVesselHeading(folder), 0.005);
  EXPECT_NEAR(vessel, 66.6, 1.0);
  EXPECT_NEAR(relative, 180.0 - vessel, 0.005);
  EXPECT_NEAR(turn, -vessel, 0.005);
  EXPECT_TRUE(contains(folder.readFile("Diagnostics.stxt"), run.err));
  EXPECT_TRUE(contains(folder.readFile("LOWOUT.stxt"), run.err));

  // Each heading to enter: the value now turned by minus the vessel's heading, but the regular waves'
  // heading, which goes with the sea. Typed as the warning says, each on its page.
  struct Change {
    std::string what;
    double wanted, now;
    int page, item;
  };
  std::vector<Change> changes;
  const std::string listed = m[4].str();
  // An entry's value now stands after it, or under it where the two overrun the console.
  const std::regex line(
      R"(       ([0-9]+\.[0-9]{2}) deg as the (.*) \(page ([0-9]+), item ([0-9]+)\),(?: |\n         )now (-?[0-9]+\.[0-9]{2}) deg[,.]\n)");
  for (auto c = std::sregex_iterator(listed.begin(), listed.end(), line); c != std::sregex_iterator(); ++c)
    changes.push_back({(*c)[2].str(), std::stod((*c)[1].str()), std::stod((*c)[5].str()), std::stoi((*c)[3].str()),
                       std::stoi((*c)[4].str())});
  const std::vector<std::pair<int, int>> items = {{15, 4}, {14, 6}, {11, 2}, {12, 2}};
  ASSERT_EQ(changes.size(), items.size()) << listed;
  const std::string regularWaves = "J15\n1\nJ14\n6\n";  // the irregular waves off, then page 14's item
  std::string script = "M\n";
  for (std::size_t i = 0; i < changes.size(); ++i) {
    const Change& c = changes[i];
    EXPECT_EQ(std::make_pair(c.page, c.item), items[i]) << c.what;
    const double now[] = {180.0, 180.0, 210.0, 270.0};
    EXPECT_EQ(c.now, now[i]) << c.what;
    EXPECT_NEAR(c.wanted, c.page == 14 ? relative : reduced(c.now - vessel), 0.005) << c.what;
    if (c.page == 14) script += regularWaves + std::to_string(c.wanted) + "\nJ15\n1\n";  // and on again
    else script += "J" + std::to_string(c.page) + "\n" + std::to_string(c.item) + "\n" + std::to_string(c.wanted) + "\n";
  }

  // The sea's heading where the reports speak of the sea; the heading of the pass's vessel motions
  // (the head sea's with the vessel at its heading) in the dynamics, with the sea of its members.
  const std::string lowout = folder.readFile("LOWOUT.stxt");
  StatedHeadings stated = statedWaveHeadings(folder);
  EXPECT_GT(stated.sea.size(), 2u);
  for (double h : stated.sea) EXPECT_NEAR(h, 180.0, 0.005);
  EXPECT_GT(stated.passes.size(), 20u);
  for (double h : stated.passes) EXPECT_NEAR(h, 180.0 + vessel, 0.05);
  const std::string dynout = folder.readFile("DYNOUT.stxt");
  EXPECT_EQ(testing_support::occurrences(dynout, "WAVE HEADING   ="),
            testing_support::occurrences(dynout, " DEG\n                           MEMBER WAVE LOADS FROM THE SEA AT 180.0 DEG\n"));

  e2e::Folder turned;
  turned.writeFile("SALMDAT", image);
  const e2e::Run typed = turned.run(script + "L\n1\n");
  ASSERT_FALSE(typed.timedOut);
  ASSERT_EQ(typed.status, 0) << typed.out;
  ASSERT_NO_FATAL_FAILURE(runQuietly(turned, turned.readFile("SALMDAT")));
  EXPECT_FALSE(contains(turned.readFile("Diagnostics.stxt"), " ++> "));
  const std::string turnedLowout = turned.readFile("LOWOUT.stxt");
  EXPECT_FALSE(contains(turnedLowout, " ++> "));
  EXPECT_NEAR(stableVesselHeading(turned), 0.0, 0.05);
  const std::string stable = ">>> Most stable equilibrium <<<";
  const auto value = [&stable](const std::string& report, const char* label) {
    return testing_support::numberAfter(report, stable, label);
  };
  const char* force = "SALM restoring force ....................... ";
  const char* salm = "SALM heading ............................... ";
  EXPECT_NEAR(value(turnedLowout, force), value(lowout, force), 0.01);
  EXPECT_NEAR(reduced(value(turnedLowout, salm)), reduced(value(lowout, salm) - vessel), 0.05);
  // The static forces of the environment in the vessel's axes, one line per source.
  const auto staticForces = [](const std::string& report) {
    std::string lines;
    const std::regex source(R"(\n       Static .* force components \(x,y\): .*)");
    for (auto f = std::sregex_iterator(report.begin(), report.end(), source); f != std::sregex_iterator(); ++f)
      lines += f->str();
    return lines;
  };
  EXPECT_EQ(testing_support::occurrences(staticForces(lowout), "Static"), 3);
  EXPECT_EQ(staticForces(turnedLowout), staticForces(lowout));
  stated = statedWaveHeadings(turned);
  EXPECT_GT(stated.sea.size(), 2u);
  EXPECT_GT(stated.passes.size(), 20u);
  for (const std::vector<double>* list : {&stated.sea, &stated.passes})
    for (double h : *list) EXPECT_NEAR(h, relative, 0.05);
  EXPECT_FALSE(contains(turned.readFile("DYNOUT.stxt"), "MEMBER WAVE LOADS FROM THE SEA"));
}

// The pages of a report, split at its page starts (the form feeds of PAGE).
std::vector<std::string> pagesOf(const std::string& report) {
  std::vector<std::string> pages;
  std::size_t from = 0;
  for (std::size_t at = report.find('\f'); at != std::string::npos; at = report.find('\f', from = at + 1))
    pages.push_back(report.substr(from, at - from));
  pages.push_back(report.substr(from));
  return pages;
}

// The tanker example with the regular waves' heading (page 14, item 6, not shown while the sea is
// simulated) left at 0 under the sea's 180: the vessel response computes both headings, and the
// dynamics runs a pass for each, in the vessel report's order. Each pass names the heading its vessel
// motions belong to, in DYNOUT, in its progress lines and in the titles of its DYNPLT curves, and the
// first says in each place that its members take their wave loads from the sea of 180 degrees. No
// number moves: the second pass is the example's one pass to the byte, in DYNOUT and in DYNPLT, and
// the statistics, which take the sea's pass, are the example's.
TEST(AnalysisRunE2e, EachPassOfTheDynamicsNamesTheHeadingOfItsVesselMotions) {
  const std::string tanker = example("tanker-yoke");
  e2e::Folder one, two;
  ASSERT_NO_FATAL_FAILURE(runQuietly(one, tanker));
  ASSERT_NO_FATAL_FAILURE(runQuietly(two, withWord(tanker, offsetof(Tpcm, WAVHDG), 0.0f)));

  // The vessel response's headings, in order; the vessel lies at heading 0.
  std::vector<double> computed;
  const std::string rao = two.readFile("TANKRAO.stxt");
  const std::regex table(R"(REGULAR WAVE DATA:  WAVE HEADING        = +(-?[0-9.]+) DEG)");
  for (auto t = std::sregex_iterator(rao.begin(), rao.end(), table); t != std::sregex_iterator(); ++t)
    if (computed.empty() || computed.back() != std::stod((*t)[1].str())) computed.push_back(std::stod((*t)[1].str()));
  ASSERT_EQ(computed, (std::vector<double>{0.0, 180.0}));
  EXPECT_NEAR(stableVesselHeading(two), 0.0, 0.005);

  const std::string sea = "                           MEMBER WAVE LOADS FROM THE SEA AT 180.0 DEG\n";
  const std::vector<std::string> onePages = pagesOf(one.readFile("DYNOUT.stxt"));
  const std::vector<std::string> twoPages = pagesOf(two.readFile("DYNOUT.stxt"));
  const auto tables = [](const std::vector<std::string>& pages) {
    std::size_t n = 0;
    for (const std::string& page : pages) n += contains(page, "WAVE HEADING   =") ? 1 : 0;
    return n;
  };
  const std::size_t perPass = tables(onePages);
  EXPECT_GT(perPass, 10u);
  ASSERT_EQ(twoPages.size(), onePages.size() + perPass);
  for (std::size_t i = 0; i < twoPages.size(); ++i) {
    const std::string& page = twoPages[i];
    if (!contains(page, "WAVE HEADING   =")) continue;
    const bool first = i < twoPages.size() - perPass;
    if (first) {
      EXPECT_TRUE(contains(page, "WAVE HEADING   =    0.0 DEG\n" + sea)) << page;
    } else {
      EXPECT_TRUE(testing_support::maskClock(page) == testing_support::maskClock(onePages[i - perPass]))
          << "page " << i << " is not the example's\n" << page;
      EXPECT_FALSE(contains(page, sea)) << page;
    }
  }
  EXPECT_TRUE(inOrder(two.readFile("Diagnostics.stxt"),
                      {" >>> Computing Salm wave-frequency motions for wave heading    0.00\n",
                       " >>> Computing Salm member loads for wave heading    0.00\n",
                       " >>> Computing Salm wave-frequency motions for wave heading  180.00\n",
                       " >>> Computing Salm member loads for wave heading  180.00\n"}));

  const std::string onePlot = one.readFile("DYNPLT.plt");
  const std::string twoPlot = two.readFile("DYNPLT.plt");
  ASSERT_GT(twoPlot.size(), onePlot.size());
  const std::string firstPass = twoPlot.substr(0, twoPlot.size() - onePlot.size());
  EXPECT_TRUE(twoPlot.substr(firstPass.size()) == onePlot) << "the second pass of DYNPLT is not the example's";
  const int curves = testing_support::occurrences(onePlot, "PERIOD (SECONDS)\n");
  EXPECT_EQ(curves, 15);
  EXPECT_EQ(testing_support::occurrences(onePlot, " FOR WAVE HEADING  180.00 DEGREES\n"), curves);
  EXPECT_EQ(testing_support::occurrences(
                firstPass, " FOR WAVE HEADING    0.00 DEGREES, MEMBER WAVE LOADS FROM THE SEA AT  180.00 DEGREES\n"),
            curves);
  EXPECT_EQ(testing_support::maskClock(two.readFile("RANOUT.stxt")), testing_support::maskClock(one.readFile("RANOUT.stxt")));
}

// The tanker example under way at 7 m/s with the sea from astern (0 deg): the ship meets the 4.5 s
// wave at 0.004 rad/s, where its surge, without restoring, reaches 1,340 m per m. The runner goes
// through every stage to status 0 and warns once, on standard error and in its diagnostics, naming
// the speed, the heading, the periods met more slowly than the grid's longest wave (24 s) and how
// their share falls; no statistic prints a value too large for its field.
TEST(AnalysisRunE2e, AShipUnderWayInAFollowingSeaRunsEveryStageWithOneWarning) {
  std::string image = withWord(example("tanker-yoke"), offsetof(Tpcm, TVFWD), 7.0f);
  image = withWord(image, offsetof(Tpcm, SEAHDG), 0.0f);
  image = withWord(image, offsetof(Tpcm, WAVHDG), 0.0f);
  e2e::Folder folder;
  folder.writeFile("SALMDAT", image);
  const e2e::Run run = folder.runAnalysis();
  ASSERT_FALSE(run.timedOut);
  EXPECT_EQ(run.status, 0) << run.err;
  const std::string warning =
      " ++> Warning: under way at 7.00 m/s with the waves at 0.00 deg to the vessel, it\n"
      "     meets the waves of these periods [s] more slowly than the longest period of\n"
      "     the grid (24.00 s):\n"
      "       4.00   4.50   5.00   5.50  17.50  18.00  18.50  19.00  19.50  20.00\n"
      "      20.50  21.00  21.50  22.00  22.50  23.00  23.50  24.00\n"
      "     motion that slow belongs to the slow drift: the wave-frequency statistics\n"
      "     take the vessel's surge, sway and yaw there, and what they drive, in a\n"
      "     share that falls from whole at an encounter period of 24.00 s to none\n"
      "     at 48.00 s and longer (warned once per run).\n";
  EXPECT_EQ(run.err, warning);
  EXPECT_EQ(testing_support::occurrences(folder.readFile("Diagnostics.stxt"), warning), 1);
  for (const char* report : {"TANKRAN.stxt", "LOWOUT.stxt", "DYNOUT.stxt", "RANOUT.stxt"}) {
    EXPECT_FALSE(folder.readFile(report).empty()) << report;
  }
  // The statistics print no value too large for its field (the response tables keep every row
  // whole, the rows met near zero encounter with them).
  const std::regex overflow(R"([0-9.]\*{4,}|\*{4,}[ ]*-?[0-9])");
  for (const char* report : {"TANKRAN.stxt", "LOWOUT.stxt", "RANOUT.stxt"}) {
    EXPECT_FALSE(std::regex_search(folder.readFile(report), overflow)) << report;
  }
}

const std::string kNotice =
    "\n                   >>> Kestrin Editor Software <<<\n\n\n"
    "          This data file passed preliminary error checks;\n"
    "             it is ready for submission to the server.\n\n";

TEST(AnalysisRunE2e, TheEditorsExecuteChoicesStartTheRunner) {
  // Silently: the notice on the screen, then the run continues the diagnostics file after the
  // editor's checks and ends the editor with its status. The example is as the editor saves it:
  // nothing is saved again.
  e2e::Folder silent;
  const std::string tanker = example("tanker-yoke");
  silent.writeFile("SALMDAT", tanker);
  e2e::Run run = silent.run("M\nL\n4\n\n");
  ASSERT_FALSE(run.timedOut);
  EXPECT_EQ(run.status, 0) << run.out << run.err;
  EXPECT_TRUE(contains(run.out, kNotice + "\n Press <RETURN> to continue: ")) << run.out;
  EXPECT_EQ(run.err, "");
  const std::string diagnostics = silent.readFile("Diagnostics.stxt");
  EXPECT_EQ(diagnostics.substr(0, kNoChecksFound.size()), kNoChecksFound) << diagnostics;
  EXPECT_TRUE(inOrder(diagnostics, kTankerProgress)) << diagnostics;
  for (const char* report : {"TANKSUM.stxt", "YOKEMOT", "STATOUT.stxt", "LOWOUT.stxt", "DYNOUT.stxt", "RANOUT.stxt"})
    EXPECT_TRUE(silent.exists(report)) << report;
  EXPECT_TRUE(silent.readFile("SALMDAT") == tanker);
  EXPECT_FALSE(silent.exists("SALMBAK"));

  // Interactively: the notice, then the run's progress on the screen.
  e2e::Folder interactive;
  interactive.writeFile("SALMDAT", tanker);
  run = interactive.run("M\nL\n3\n\n");
  ASSERT_FALSE(run.timedOut);
  EXPECT_EQ(run.status, 0) << run.out;
  const std::size_t notice = run.out.find(kNotice);
  ASSERT_NE(notice, std::string::npos) << run.out;
  EXPECT_TRUE(inOrder(run.out.substr(notice), kTankerProgress)) << run.out;
  EXPECT_TRUE(interactive.exists("LOWOUT.stxt"));
  EXPECT_FALSE(interactive.exists("Diagnostics.stxt"));

  // A run that fails ends the editor with its status; its message is in the diagnostics file and
  // on standard error. (Two periods pass the editor's checks, not the analysis'.)
  e2e::Folder failing;
  failing.writeFile("SALMDAT", twoPeriodTanker());
  run = failing.run("M\nL\n4\n\n");
  EXPECT_EQ(run.status, 1) << run.out;
  EXPECT_EQ(run.err, kTooFewPeriods);
  const std::string failed = failing.readFile("Diagnostics.stxt");
  EXPECT_EQ(failed.substr(0, kNoChecksFound.size()), kNoChecksFound) << failed;
  EXPECT_TRUE(contains(failed, kTooFewPeriods)) << failed;
}

TEST(AnalysisRunE2e, AnEditorWithoutItsRunnerSaysSo) {
  e2e::Folder bin;
  const std::filesystem::path editor = bin.path() / "quorvel";
  std::filesystem::copy_file(e2e::quorvelPath(), editor);
  e2e::Folder folder;
  folder.writeFile("SALMDAT", staticsOnlyTanker());
  const e2e::Run run = e2e::runIn(folder.path(), editor.string(), "M\nL\n3\n\n", 30s);
  ASSERT_FALSE(run.timedOut);
  EXPECT_EQ(run.status, 1) << run.out;
  EXPECT_TRUE(contains(run.out, kNotice)) << run.out;
  EXPECT_TRUE(contains(run.out, " ++> The analysis program quorvel-run was not found beside the editor:\n     " +
                                    (bin.path() / "quorvel-run").string() + "\n"))
      << run.out;
}

}  // namespace
}  // namespace qv
