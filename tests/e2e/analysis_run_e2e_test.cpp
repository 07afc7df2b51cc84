// The analysis runner and the example data sets through the real executables, each run in a fresh
// folder: the builder makes the committed examples byte for byte; the runner runs what a data set
// calls for, refuses what it cannot run with its message (also on standard error when nobody
// watches the console), never saves the data set, and continues the editor's diagnostics file; the
// editor's execute choices start it and end with its status.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "dataset/tpcm.h"
#include "e2e/e2e_harness.h"
#include "support/checks.h"

namespace qv {
namespace {

using namespace std::chrono_literals;
using testing_support::contains;

// The committed example of examples/<name>/.
std::string example(const std::string& name) {
  return testing_support::readFileText(std::filesystem::path(QV_EXAMPLES_DIR) / name / "SALMDAT");
}

// An image with one 4-byte word changed: the member at byte `offset` of TPCM.
template <typename T>
std::string withWord(std::string image, std::size_t offset, T value) {
  std::memcpy(image.data() + offset, &value, 4);
  return image;
}

// The tanker example that asks for the statics alone (LQUAS 0): the stages the program has run it
// to its end.
std::string staticsOnlyTanker() { return withWord(example("tanker-yoke"), offsetof(Tpcm, LQUAS), std::int32_t{0}); }

const std::string kStaticsLines =
    " >>> Computing Salm mass properties...\n\n\n"
    " >>> Computing Salm offset tables...\n\n\n"
    " >>> Outputting static offset data...\n";
const std::string kNoSlowDrift =
    " ++> This data set needs the slow-drift analysis (SLOMOR), which this program does not have yet.\n"
    "     Nothing was run.\n";
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

TEST(AnalysisRunE2e, StaticsAloneRunToTheirEndAndLeaveTheDataSetAsItWas) {
  e2e::Folder folder;
  const std::string image = staticsOnlyTanker();
  folder.writeFile("SALMDAT", image);
  const e2e::Run run = folder.runAnalysis();
  ASSERT_FALSE(run.timedOut);
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(folder.files(), (std::vector<std::string>{"Diagnostics.stxt", "SALMDAT", "STATOUT.stxt", "STATPLT.plt"}));
  EXPECT_TRUE(contains(folder.readFile("Diagnostics.stxt"), kStaticsLines)) << folder.readFile("Diagnostics.stxt");
  EXPECT_TRUE(contains(folder.readFile("STATOUT.stxt"), "Example: 150,000 t tanker on a yoke SALM in 100 m of water"));
  EXPECT_TRUE(folder.readFile("SALMDAT") == image);
}

TEST(AnalysisRunE2e, AStageTheProgramDoesNotHaveYetRefusesTheRunWhole) {
  struct Case {
    const char* example;
    std::string message;
  };
  const Case cases[] = {
      {"tanker-yoke", kNoSlowDrift},
      {"free-salm",
       " ++> This data set needs the wave-frequency dynamics of the free SALM (FREMOT), which this program does "
       "not have yet.\n     Nothing was run.\n"},
  };
  for (const Case& c : cases) {
    e2e::Folder folder;
    folder.writeFile("SALMDAT", example(c.example));
    const e2e::Run run = folder.runAnalysis();
    ASSERT_FALSE(run.timedOut);
    EXPECT_EQ(run.status, 1) << c.example;
    EXPECT_EQ(run.err, c.message) << c.example;
    EXPECT_TRUE(contains(folder.readFile("Diagnostics.stxt"), c.message)) << c.example;
    EXPECT_EQ(folder.files(), (std::vector<std::string>{"Diagnostics.stxt", "SALMDAT"})) << c.example;
  }
}

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
       " ++> File not found or file access error in quorvel-run \n     File name: SALMDAT     \n"},
      {"a data file of 100 bytes", {}, true, tanker.substr(0, 100),
       " ++> Input Data File smaller than expected:\n     Expected   4975 I*4s, found     25 I*4s... CAUTION!\n"},
      {"two wave periods", {}, true, withWord(tanker, offsetof(Tpcm, NWP), std::int32_t{2}),
       " ++> The analysis needs at least 3 regular wave periods (page 14), positive,\n"
       "     increasing and equally spaced (NWP =   2).\n"},
      {"two wave periods, silently", {"--silent"}, true, withWord(tanker, offsetof(Tpcm, NWP), std::int32_t{2}),
       " ++> The analysis needs at least 3 regular wave periods (page 14), positive,\n"
       "     increasing and equally spaced (NWP =   2).\n"},
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
    if (c.dataFile) {
      EXPECT_TRUE(folder.readFile("SALMDAT") == c.image) << c.what;
    }
  }
}

TEST(AnalysisRunE2e, SilentContinuesTheDiagnosticsFileAndInteractiveTalksOnTheScreen) {
  e2e::Folder silent;
  silent.writeFile("SALMDAT", staticsOnlyTanker());
  silent.writeFile("Diagnostics.stxt", kNoChecksFound);
  e2e::Run run = silent.runAnalysis({"--silent"});
  ASSERT_FALSE(run.timedOut);
  EXPECT_EQ(run.status, 0) << run.err;
  const std::string diagnostics = silent.readFile("Diagnostics.stxt");
  EXPECT_EQ(diagnostics.substr(0, kNoChecksFound.size()), kNoChecksFound);
  EXPECT_TRUE(contains(diagnostics, "**   Welcome to Quorvel   **")) << diagnostics;
  EXPECT_TRUE(contains(diagnostics, kStaticsLines)) << diagnostics;

  // A failure after the editor's lines: only this run's message goes to standard error.
  e2e::Folder failing;
  failing.writeFile("SALMDAT", example("tanker-yoke"));
  failing.writeFile("Diagnostics.stxt", "\n ++> Warning: Nonpositive storm duration detected.\n" + kNoChecksFound);
  run = failing.runAnalysis({"--silent"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, kNoSlowDrift);

  e2e::Folder interactive;
  interactive.writeFile("SALMDAT", staticsOnlyTanker());
  run = interactive.runAnalysis({"--interactive"});
  ASSERT_FALSE(run.timedOut);
  EXPECT_EQ(run.status, 0) << run.out;
  EXPECT_EQ(run.err, "");
  EXPECT_TRUE(contains(run.out, "**   Welcome to Quorvel   **")) << run.out;
  EXPECT_TRUE(contains(run.out, kStaticsLines)) << run.out;
  EXPECT_EQ(interactive.files(), (std::vector<std::string>{"SALMDAT", "STATOUT.stxt", "STATPLT.plt"}));

  // Interactively a refusal is shown on the screen, waits for the user, and is not repeated on
  // standard error.
  e2e::Folder refused;
  refused.writeFile("SALMDAT", example("tanker-yoke"));
  run = refused.runAnalysis({"--interactive"}, "\n");
  EXPECT_EQ(run.status, 1);
  EXPECT_TRUE(contains(run.out, kNoSlowDrift + "\n Press <RETURN> to continue: ")) << run.out;
  EXPECT_EQ(run.err, "");
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
  EXPECT_EQ(run.status, 1) << run.out;
  EXPECT_TRUE(contains(run.out, kNotice + "\n Press <RETURN> to continue: ")) << run.out;
  std::string diagnostics = silent.readFile("Diagnostics.stxt");
  EXPECT_EQ(diagnostics.substr(0, kNoChecksFound.size()), kNoChecksFound) << diagnostics;
  EXPECT_TRUE(contains(diagnostics, kNoSlowDrift)) << diagnostics;
  EXPECT_EQ(run.err, kNoSlowDrift);
  EXPECT_TRUE(silent.readFile("SALMDAT") == tanker);
  EXPECT_FALSE(silent.exists("SALMBAK"));

  e2e::Folder silentStatics;
  silentStatics.writeFile("SALMDAT", staticsOnlyTanker());
  run = silentStatics.run("M\nL\n4\n\n");
  EXPECT_EQ(run.status, 0) << run.out << run.err;
  diagnostics = silentStatics.readFile("Diagnostics.stxt");
  EXPECT_EQ(diagnostics.substr(0, kNoChecksFound.size()), kNoChecksFound) << diagnostics;
  EXPECT_TRUE(contains(diagnostics, kStaticsLines)) << diagnostics;
  EXPECT_TRUE(silentStatics.exists("STATOUT.stxt"));

  // Interactively: the notice, then the run's progress on the screen.
  e2e::Folder interactive;
  interactive.writeFile("SALMDAT", staticsOnlyTanker());
  run = interactive.run("M\nL\n3\n\n");
  ASSERT_FALSE(run.timedOut);
  EXPECT_EQ(run.status, 0) << run.out;
  const std::size_t notice = run.out.find(kNotice);
  ASSERT_NE(notice, std::string::npos) << run.out;
  EXPECT_NE(run.out.find(kStaticsLines, notice), std::string::npos) << run.out;
  EXPECT_TRUE(interactive.exists("STATOUT.stxt"));
  EXPECT_FALSE(interactive.exists("Diagnostics.stxt"));
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
  EXPECT_TRUE(contains(run.out, " ++> The analysis program quorvel-run was not found beside the editor: " +
                                    (bin.path() / "quorvel-run").string() + "\n"))
      << run.out;
}

}  // namespace
}  // namespace qv
