// The save through the real executable when the disk fails it: a write, a sync or a rename that
// fails (made to fail by a small library preloaded into the editor), a file-size limit, a folder
// where a generation should be. Every failure ends the run with status 1 and the reason, and leaves
// each generation byte for byte as it was. Old generations of any length move on as they are.
#include <gtest/gtest.h>

#include <sys/resource.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "dataset/tpcm.h"
#include "e2e/e2e_harness.h"
#include "support/checks.h"
#include "support/data_set_fixture.h"

namespace qv {
namespace {

using qv::testing_support::contains;

// A data set as this editor stores it; `depth` tells the generations apart. It is stored under
// another session mode, so every session counts it as changed and saves it.
std::string storedImage(float depth) {
  return testing_support::DataSet()
      .with([depth] {
        TPCM.LWBARG = TPCM.LCBARG = TPCM.LWVCOF = 0x444;  // built-in models: no LOWDAT needed
        TPCM.DEPTH = depth;
        TPCM.SRCDAT = 1;
      })
      .bytes();
}

// Open the data set, go to the last page, save and exit; one more line for the pause of a failure.
constexpr std::string_view kSaveScript = "M\nL\n1\n\n";

std::string failureMessage(const std::string& file, const std::string& reason, const std::string& outcome) {
  return "\n ++> File not found or file access error in DRAVOKET    \n     File name: " + file + "\n \n     Reason: " +
         reason + "\n     " + outcome + "\n \n Press <RETURN> to continue: ";
}
const std::string kUnchanged = "The data files are unchanged; the edits were not saved.";

// Runs the editor with the fault library preloaded and `variable` set to `calls`.
e2e::Run runFailing(const e2e::Folder& folder, const char* variable, const char* calls) {
  return folder.run(kSaveScript, std::chrono::seconds(30), [=] {
    setenv("LD_PRELOAD", QV_WRITE_FAULTS, 1);
    // A sanitizer build wants its runtime first among the libraries; the preloaded one comes first.
    const char* asan = std::getenv("ASAN_OPTIONS");
    const std::string options = std::string(asan != nullptr ? asan : "") + ":verify_asan_link_order=0";
    setenv("ASAN_OPTIONS", options.c_str(), 1);
    setenv(variable, calls, 1);
  });
}

TEST(SaveFaults, AFailingSaveChangesNothing) {
  const std::string data = storedImage(100.0f);
  const std::string backup = storedImage(200.0f);
  const std::string last = storedImage(300.0f);
  struct Case {
    const char* what;
    const char* variable;  // empty: a file-size limit instead
    const char* calls;
    std::string file;      // the file the message names
    std::string reason;
  };
  // The generations are written oldest first: LASTBAK, SALMBAK, SALMDAT.
  const Case cases[] = {
      {"the oldest generation's write fails", "QV_FAIL_WRITE", "1", "LASTBAK     ", "No space left on device"},
      {"the first backup's write fails", "QV_FAIL_WRITE", "2", "SALMBAK     ", "No space left on device"},
      {"the data file's write fails", "QV_FAIL_WRITE", "3", "SALMDAT     ", "No space left on device"},
      {"the first backup's sync fails", "QV_FAIL_FSYNC", "2", "SALMBAK     ", "Input/output error"},
      {"a rename fails after the first was done: it is undone", "QV_FAIL_RENAME", "2", "SALMBAK     ",
       "Input/output error"},
      {"a file-size limit: the write fails, no signal ends the run", "", "", "LASTBAK     ", "File too large"},
  };
  for (const Case& c : cases) {
    e2e::Folder folder;
    folder.writeFile("SALMDAT", data);
    folder.writeFile("SALMBAK", backup);
    folder.writeFile("LASTBAK", last);
    const e2e::Run run = *c.variable != '\0' ? runFailing(folder, c.variable, c.calls)
                                             : folder.run(kSaveScript, std::chrono::seconds(30), [] {
                                                 const rlimit limit{4096, 4096};
                                                 setrlimit(RLIMIT_FSIZE, &limit);
                                               });
    ASSERT_FALSE(run.timedOut) << c.what;
    EXPECT_EQ(run.signal, 0) << c.what;
    EXPECT_EQ(run.status, 1) << c.what << "\n" << run.out;
    EXPECT_TRUE(contains(run.out, failureMessage(c.file, c.reason, kUnchanged))) << c.what << "\n" << run.out;
    EXPECT_TRUE(folder.readFile("SALMDAT") == data) << c.what;
    EXPECT_TRUE(folder.readFile("SALMBAK") == backup) << c.what;
    EXPECT_TRUE(folder.readFile("LASTBAK") == last) << c.what;
    EXPECT_EQ(folder.files(), (std::vector<std::string>{"LASTBAK", "SALMBAK", "SALMDAT"})) << c.what;
  }
}

TEST(SaveFaults, AnUndoThatFailsTooIsReportedAndLosesNoGeneration) {
  const std::string data = storedImage(100.0f);
  const std::string backup = storedImage(200.0f);
  const std::string last = storedImage(300.0f);
  e2e::Folder folder;
  folder.writeFile("SALMDAT", data);
  folder.writeFile("SALMBAK", backup);
  folder.writeFile("LASTBAK", last);
  // The second rename fails, and so does the third: the one that would put the old LASTBAK back.
  const e2e::Run run = runFailing(folder, "QV_FAIL_RENAME", "2,3");
  ASSERT_FALSE(run.timedOut);
  EXPECT_EQ(run.status, 1) << run.out;
  EXPECT_TRUE(contains(run.out, failureMessage("SALMBAK     ", "Input/output error",
                                               "Not every file could be put back as it was; each holds a whole "
                                               "generation.")))
      << run.out;
  EXPECT_TRUE(folder.readFile("SALMDAT") == data);
  EXPECT_TRUE(folder.readFile("SALMBAK") == backup);
  EXPECT_TRUE(folder.readFile("LASTBAK") == backup) << "the backup moved on whole";
  // The old oldest generation is still on disk under its second name.
  int keptCopies = 0;
  for (const std::string& name : folder.files()) {
    if (name.rfind(".LASTBAK.", 0) != 0) continue;
    ++keptCopies;
    EXPECT_TRUE(folder.readFile(name) == last);
  }
  EXPECT_EQ(keptCopies, 1) << testing::PrintToString(folder.files());
}

TEST(SaveFaults, AFolderWhereAGenerationShouldBe) {
  const std::string data = storedImage(100.0f);
  const std::string backup = storedImage(200.0f);
  for (const std::string name : {"SALMBAK", "LASTBAK"}) {
    e2e::Folder folder;
    folder.writeFile("SALMDAT", data);
    if (name == "LASTBAK") folder.writeFile("SALMBAK", backup);
    std::filesystem::create_directory(folder.path() / name);
    const e2e::Run run = folder.run(kSaveScript);
    ASSERT_FALSE(run.timedOut) << name;
    EXPECT_EQ(run.status, 1) << name << "\n" << run.out;
    EXPECT_TRUE(contains(run.out, failureMessage(name + "     ", "Is a directory", kUnchanged))) << name << run.out;
    EXPECT_TRUE(folder.readFile("SALMDAT") == data) << name;
    if (name == "LASTBAK") {
      EXPECT_TRUE(folder.readFile("SALMBAK") == backup);
    }
    EXPECT_TRUE(std::filesystem::is_directory(folder.path() / name)) << name;
    EXPECT_EQ(folder.files().size(), name == "LASTBAK" ? 3u : 2u) << testing::PrintToString(folder.files());
  }
}

TEST(SaveFaults, OldGenerationsOfAnyLengthMoveOnAsTheyAre) {
  const std::string data = storedImage(100.0f);
  struct Case {
    const char* what;
    std::string backup;  // the old SALMBAK
  };
  const Case cases[] = {
      {"an empty backup", ""},
      {"a one-word backup", std::string("\x0b\0\0\0", 4)},
      {"a backup of one word and a byte", std::string("\x0b\0\0\0\x07", 5)},
  };
  for (const Case& c : cases) {
    e2e::Folder folder;
    folder.writeFile("SALMDAT", data);
    folder.writeFile("SALMBAK", c.backup);
    const e2e::Run run = folder.run(kSaveScript);
    ASSERT_FALSE(run.timedOut) << c.what;
    EXPECT_EQ(run.status, 0) << c.what << "\n" << run.out;
    EXPECT_EQ(folder.readFile("LASTBAK"), c.backup) << c.what;
    EXPECT_TRUE(folder.readFile("SALMBAK") == data) << c.what;
    EXPECT_EQ(folder.files(), (std::vector<std::string>{"LASTBAK", "SALMBAK", "SALMDAT"})) << c.what;
  }
}

TEST(SaveFaults, ADataFileTooShortForItsHeaderIsReportedAndKeptAsTheBackup) {
  e2e::Folder folder;
  const std::string oneWord("\x0b\0\0\0", 4);
  folder.writeFile("SALMDAT", oneWord);
  // The findings end with the abort question: go on, then save and exit.
  const e2e::Run run = folder.run("M\n\nL\n1\n");
  ASSERT_FALSE(run.timedOut);
  EXPECT_EQ(run.status, 0) << run.out;
  EXPECT_TRUE(contains(run.out, " ++> Input Data File smaller than expected:\n"
                                "     Expected   4975 I*4s, found      1 I*4s... CAUTION!\n"))
      << run.out;
  for (const char* finding : {"Macintosh PPC", "Creator was", "UNKNOWN", "corrupt", "Version mismatch", "precision"})
    EXPECT_FALSE(contains(run.out, finding)) << finding << "\n" << run.out;
  EXPECT_EQ(folder.readFile("SALMBAK"), oneWord);
  EXPECT_EQ(folder.readFile("SALMDAT").size(), 19900u);
}

}  // namespace
}  // namespace qv
