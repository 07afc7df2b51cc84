#include <gtest/gtest.h>

#include <filesystem>

#include "platform/stop.h"
#include "platform/units.h"
#include "support/console_capture.h"
#include "support/fresh_run.h"
#include "support/temp_dir.h"
#include "util/files.h"
#include "util/staged_files.h"

namespace qv {
namespace {

using testing_support::ConsoleCapture;
using testing_support::stopStatus;
using testing_support::TempDir;

class Files : public testing_support::FreshRun {};

TEST_F(Files, FreshOpenEmptiesAnOldFile) {
  TempDir dir;
  testing_support::writeFileBytes("NOTES.stxt", "old contents\n", 13);
  RHOPEN("NOTES.stxt  ", kFormatted, kFresh, 0, 21, "IoInit      ", 6, 5);
  EXPECT_EQ(std::filesystem::file_size("NOTES.stxt"), 0u);
  writeRecord(21, " a line");
  HCLOSE(21, "NOTES.stxt  ", "IoInit      ", 6);
  EXPECT_EQ(testing_support::readFileText("NOTES.stxt"), " a line\n");

  // An existing file opened again is read from its first record, even on a unit used before.
  RHOPEN("NOTES.stxt", kFormatted, kMustExist, 0, 21, "IoInit", 6, 5);
  std::string line;
  ASSERT_TRUE(readRecord(21, line));
  EXPECT_EQ(line, " a line");
  HCLOSE(21, "NOTES.stxt", "IoInit", 6);
}

// While a run holds its files in memory, a fresh file reaches no disk; a later open of it reads
// what the run wrote (a file passed between stages), and a file the run did not make is read from
// the folder. A file made again starts empty and keeps its first place in the list.
TEST_F(Files, ARunsFilesAreHeldUntilItsEnd) {
  TempDir dir;
  testing_support::writeFileBytes("INPUT.txt", "from the folder\n", 16);
  testing_support::writeFileBytes("B.stxt", "an earlier run's\n", 17);
  beginStaging();
  RHOPEN("A.stxt", kFormatted, kFresh, 0, 21, "TEST", 6, 5);
  writeRecord(21, " first");
  HCLOSE(21, "A.stxt", "TEST", 6);
  RHOPEN("B.stxt", kFormatted, kFresh, 0, 22, "TEST", 6, 5);
  writeRecord(22, " second");
  EXPECT_FALSE(std::filesystem::exists("A.stxt"));
  EXPECT_EQ(testing_support::readFileText("B.stxt"), "an earlier run's\n");

  std::string line;
  RHOPEN("A.stxt", kFormatted, kMustExist, 0, 21, "TEST", 6, 5);
  ASSERT_TRUE(readRecord(21, line));
  EXPECT_EQ(line, " first");
  RHOPEN("INPUT.txt", kFormatted, kMustExist, 0, 23, "TEST", 6, 5);
  ASSERT_TRUE(readRecord(23, line));
  EXPECT_EQ(line, "from the folder");
  RHOPEN("A.stxt", kFormatted, kFresh, 0, 21, "TEST", 6, 5);
  writeRecord(21, " again");
  closeAllUnits();

  const std::vector<StagedFile> files = stagedFiles();
  ASSERT_EQ(files.size(), 2u);
  EXPECT_EQ(files[0].name, "A.stxt");
  EXPECT_EQ(files[0].bytes, " again\n");
  EXPECT_EQ(files[1].name, "B.stxt");
  EXPECT_EQ(files[1].bytes, " second\n");

  // Dropped: a unit still open writes on into its own copy, and the folder never sees it.
  RHOPEN("C.stxt", kFormatted, kFresh, 0, 21, "TEST", 6, 5);
  endStaging();
  writeRecord(21, " after");
  closeAllUnits();
  EXPECT_TRUE(stagedFiles().empty());
  EXPECT_FALSE(std::filesystem::exists("A.stxt"));
  EXPECT_FALSE(std::filesystem::exists("C.stxt"));
}

TEST_F(Files, FatalFileErrorsNameCallerAndFile) {
  struct Case {
    const char* what;
    std::function<void()> run;
    int unit;
    std::string expected;
  };
  const std::string acerr =
      "\n ++> File not found or file access error in DRAVOKET    \n     File name: SALMDAT     \n \n";
  const Case cases[] = {
      {"missing file that must exist", [] { RHOPEN("SALMDAT     ", 0, kMustExist, 0, 1, "DRAVOKET    ", 6, 5); }, 6,
       acerr + " Press <RETURN> to continue: "},
      {"fresh file in a folder that does not exist",
       [] { RHOPEN("nowhere/X.stxt", 1, kFresh, 0, 1, "IoInit", 6, 5); }, 6,
       "\n ++> File not found or file access error in IoInit\n     File name: nowhere/X.stxt\n \n"
       " Press <RETURN> to continue: "},
      {"fresh file where a folder of that name stands: the folder stays",
       [] {
         std::filesystem::create_directory("X.stxt");
         RHOPEN("X.stxt", 1, kFresh, 0, 1, "IoInit", 6, 5);
       },
       6,
       "\n ++> File not found or file access error in IoInit\n     File name: X.stxt\n \n"
       " Press <RETURN> to continue: "},
      {"read error", [] { FILERR("WINDSPEC.txt", "WNDSPC      ", 6, 5); }, 6,
       "\n ++> End of file or related file error in routine WNDSPC      \n     file name WINDSPEC.txt\n\n"
       " Press <RETURN> to continue: "},
  };
  for (const Case& c : cases) {
    TempDir dir;
    ConsoleCapture console("\n");
    EXPECT_EQ(stopStatus(c.run), kExitFatal) << c.what;
    EXPECT_EQ(console.screen(), c.expected) << c.what;
    EXPECT_EQ(console.unread(), "") << c.what << ": the wait read its line";
  }
}

TEST_F(Files, UnattendedRunStopsWithoutWaiting) {
  TempDir dir;
  RHOPEN("Diagnostics.stxt", kFormatted, kFresh, 0, 41, "IoInit", 6, 5);
  ConsoleCapture console("");  // nothing to read: a wait would end the keyboard input
  EXPECT_EQ(stopStatus([] { ACERR("DRAVOKET    ", "SALMDAT     ", 41); }), kExitFatal);
  HCLOSE(41, "Diagnostics.stxt", "IoInit", 6);
  EXPECT_EQ(console.screen(), "");
  EXPECT_EQ(testing_support::readFileText("Diagnostics.stxt"),
            "\n ++> File not found or file access error in DRAVOKET    \n     File name: SALMDAT     \n \n");
}

}  // namespace
}  // namespace qv
