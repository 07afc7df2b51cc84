// The save's backup rotation on fixture files, including backups shorter than the image.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <numeric>
#include <vector>

#include "dataset/finish.h"
#include "dataset/ioinit.h"
#include "dataset/lowcof.h"
#include "dataset/tpcm.h"
#include "dataset/tpcm_codes.h"
#include "platform/block_reset.h"
#include "platform/stop.h"
#include "platform/units.h"
#include "support/checks.h"
#include "support/console_capture.h"
#include "support/folder_hold_texts.h"
#include "support/fresh_run.h"
#include "support/temp_dir.h"
#include "util/folder_lock.h"
#include "util/nav_codes.h"
#include "util/sim_types.h"

namespace qv {
namespace {

using testing_support::ConsoleCapture;
using testing_support::contains;
using testing_support::stopStatus;
using testing_support::TempDir;

std::vector<std::int32_t> words(std::size_t n, std::int32_t first) {
  std::vector<std::int32_t> v(n);
  std::iota(v.begin(), v.end(), first);
  return v;
}

void writeWords(const std::string& name, const std::vector<std::int32_t>& w) {
  testing_support::writeFileBytes(name, w.data(), 4 * w.size());
}

std::vector<std::int32_t> readWords(const std::string& name) {
  const std::vector<char> b = testing_support::readFileBytes(name);
  std::vector<std::int32_t> w(b.size() / 4);
  std::memcpy(w.data(), b.data(), 4 * w.size());
  return w;
}

class Backit : public testing_support::FreshRun {};

TEST_F(Backit, Rotation) {
  const auto edited = words(100, 1000);
  const auto preEdit = words(100, 500);
  struct Case {
    const char* what;
    bool dataExistedAtLoad;
    std::vector<std::int32_t> onDisk, bak, last;  // empty: no file
    std::vector<std::int32_t> expectBak, expectLast;
  };
  const auto disk = words(100, 7);
  const auto oldBak = words(100, 3);
  const auto shortBak = words(40, 9);
  const Case cases[] = {
      {"no file at load: only the data file", false, {}, {}, {}, {}, {}},
      {"no backup yet: the file on disk, which is the image as loaded", true, preEdit, {}, {}, preEdit, {}},
      {"a new data set over an existing file keeps that file as the backup", true, disk, {}, {}, disk, {}},
      {"full rotation", true, disk, oldBak, {}, disk, oldBak},
      {"a shorter old backup moves on whole, not mixed", true, disk, shortBak, {}, disk, shortBak},
      {"a one-word data file is the first backup as it is, not the image as loaded", true, {11}, {}, {}, {11}, {}},
      {"a one-word backup moves on as it is", true, disk, {12}, {}, disk, {12}},
  };
  for (const Case& c : cases) {
    TempDir dir;
    if (!c.onDisk.empty()) writeWords("SALMDAT", c.onDisk);
    if (!c.bak.empty()) writeWords("SALMBAK", c.bak);
    auto scratch = preEdit;
    int flag = c.dataExistedAtLoad ? 0 : 1;
    BACKIT(6, "DRAVOKET", 5, 100, edited.data(), scratch.data(), "SALMDAT", flag, "SALMBAK", "LASTBAK");
    EXPECT_EQ(flag, 0) << c.what;
    EXPECT_EQ(readWords("SALMDAT"), edited) << c.what;
    EXPECT_EQ(std::filesystem::exists("SALMBAK"), !c.expectBak.empty()) << c.what;
    if (!c.expectBak.empty()) {
      EXPECT_EQ(readWords("SALMBAK"), c.expectBak) << c.what;
    }
    EXPECT_EQ(std::filesystem::exists("LASTBAK"), !c.expectLast.empty()) << c.what;
    if (!c.expectLast.empty()) {
      EXPECT_EQ(readWords("LASTBAK"), c.expectLast) << c.what;
    }
  }
}

TEST_F(Backit, FailingWriteIsFatal) {
  TempDir dir;
  std::filesystem::create_directory("SALMDAT");  // a data file that cannot be written
  const auto edited = words(10, 1);
  auto scratch = words(10, 2);
  int flag = 1;
  ConsoleCapture console("\n");
  const int status = testing_support::stopStatus([&] {
    BACKIT(6, "DRAVOKET    ", 5, 10, edited.data(), scratch.data(), "SALMDAT     ", flag, "SALMBAK", "LASTBAK");
  });
  EXPECT_EQ(status, kExitFatal);
  EXPECT_NE(console.screen().find("     File name: SALMDAT     \n"), std::string::npos);
}

TEST_F(Backit, AFolderWhereAGenerationShouldBeStopsBeforeAnythingIsWritten) {
  for (const std::string folder : {"SALMBAK", "LASTBAK"}) {
    TempDir dir;
    const auto disk = words(10, 7);
    writeWords("SALMDAT", disk);
    if (folder == "LASTBAK") writeWords("SALMBAK", words(10, 3));
    std::filesystem::create_directory(folder);
    const auto edited = words(10, 1);
    auto scratch = words(10, 2);
    int flag = 0;
    ConsoleCapture console("\n");
    const int status = stopStatus([&] {
      BACKIT(kScreenUnit, "DRAVOKET    ", kPlatformIntel, 10, edited.data(), scratch.data(), "SALMDAT     ", flag,
             "SALMBAK     ", "LASTBAK     ");
    });
    EXPECT_EQ(status, kExitFatal) << folder;
    EXPECT_TRUE(contains(console.screen(), "     File name: " + folder + "     \n \n     Reason: Is a directory\n"
                                           "     The data files are unchanged; the edits were not saved.\n"))
        << console.screen();
    EXPECT_EQ(readWords("SALMDAT"), disk) << folder;
    EXPECT_TRUE(std::filesystem::is_directory(folder));
  }
}

// The data set and the coefficient tables changed: their six files are saved together or not at all.
// A save that fails changes no file and goes back to the final page with the edits; the flags of the
// files at load stay as they were, and a second save, once the way is clear, rotates the
// generations as a first one would have.
class Finish : public testing_support::FreshRun {
 protected:
  // The images as loaded, and the load's read statuses of the two files (0: both were on disk).
  static inline TpcmImage preEditData;
  static inline LowcofImage preEditLow;
  int ret = 0, lowStatus = 0, dataStatus = 0;

  void takePreEditImages() {
    std::memcpy(preEditData.data(), wordsOf(TPCM), sizeof preEditData);
    std::memcpy(preEditLow.data(), wordsOf(LOWCOF), sizeof preEditLow);
  }
  // Save and exit; the stop's status, or -1 when FINISH came back.
  int saveAndExit() {
    TPCM.LBACK = kNavSaveAndExit;
    return stopStatus([&] {
      FINISH({.ICOMP = kPlatformIntel, .MODE = kModeEditor, .IIN = kKeyboardUnit, .EDUNIT = TPCM.EDUNIT,
              .ISCRN = kScreenUnit, .data = wordsOf(TPCM), .preEditData = preEditData.data(),
              .low = wordsOf(LOWCOF), .preEditLow = preEditLow.data(), .PROGTYPE = kSimQuorvel,
              .NLOW = kLowcofWords, .NDAT = kStoredWords, .DATFIL = makeText<12>("SALMDAT"),
              .BAKFIL = makeText<12>("SALMBAK"), .LOWFIL = makeText<12>("LOWDAT"),
              .LOWBAKFIL = makeText<12>("LOWBAK"), .CALLER = makeText<12>("DRAVOKET"), .CHAINFLAG = 0,
              .out = {.SRCDAT = TPCM.SRCDAT, .LBACK = TPCM.LBACK, .IPAG = TPCM.IPAG, .IRET = ret,
                      .IFLGLOW = lowStatus, .IFLGDAT = dataStatus}});
    });
  }
};

TEST_F(Finish, BothImagesAreSavedTogetherOrNotAtAllAndAFailedSaveCanBeMadeAgain) {
  TempDir dir;
  resetAllBlocks();
  takePreEditImages();
  const auto oldData = words(kStoredWords, 5);
  const auto oldBak = words(kStoredWords, 6);
  const auto oldLow = words(kLowcofWords, 9);
  writeWords("SALMDAT", oldData);
  writeWords("SALMBAK", oldBak);
  writeWords("LOWDAT", oldLow);
  std::filesystem::create_directory("LASTBAK");  // where the oldest generation should go
  TPCM.DEPTH = 10.0f;
  LOWCOF.NUWNPT = 3;
  {
    ConsoleCapture console("\n");
    EXPECT_EQ(saveAndExit(), -1) << "no stop: " << console.screen();
    EXPECT_EQ(ret, kFinishBackToFinalPage);
    EXPECT_TRUE(contains(console.screen(), "     File name: LASTBAK     \n \n     Reason: Is a directory\n"
                                           "     The data files are unchanged.\n"
                                           "     The edits are kept: free some space, or make the folder and the files\n"
                                           "     writable, then save again.\n \n Press <RETURN> to continue: "))
        << console.screen();
    EXPECT_EQ(readWords("LOWDAT"), oldLow) << "the tables were not saved without the data set";
    EXPECT_FALSE(std::filesystem::exists("LOWBAK"));
    EXPECT_EQ(readWords("SALMDAT"), oldData);
    EXPECT_EQ(readWords("SALMBAK"), oldBak);
    EXPECT_EQ(lowStatus, 0);
    EXPECT_EQ(dataStatus, 0);
    EXPECT_EQ(TPCM.DEPTH, 10.0f) << "the edits are kept";
  }
  std::filesystem::remove("LASTBAK");
  ConsoleCapture console;
  EXPECT_EQ(saveAndExit(), kExitNormal) << console.screen();
  EXPECT_EQ(readWords("LOWDAT")[0], 3);
  EXPECT_EQ(readWords("LOWBAK"), oldLow);
  EXPECT_EQ(readWords("SALMBAK"), oldData);
  EXPECT_EQ(readWords("LASTBAK"), oldBak);
  EXPECT_EQ(std::filesystem::file_size("SALMDAT"), 4u * kStoredWords);
}

// A run holds its folder until it ends: a save meanwhile writes nothing and says so, with the edits
// kept; once the run has ended, the same save goes through. The save's own hold ends with it, so a
// run started next (an execution's) finds the folder free.
TEST_F(Finish, NoSaveIntoAFolderAnAnalysisHolds) {
  TempDir dir;
  resetAllBlocks();
  takePreEditImages();
  const auto oldData = words(kStoredWords, 5);
  writeWords("SALMDAT", oldData);
  TPCM.DEPTH = 10.0f;
  {
    const FolderLock run("", FolderHold::kRun);
    ASSERT_FALSE(run.refused());
    ConsoleCapture console("\n");
    EXPECT_EQ(saveAndExit(), -1) << "no stop: " << console.screen();
    EXPECT_EQ(ret, kFinishBackToFinalPage);
    EXPECT_TRUE(contains(console.screen(), testing_support::kSaveRefused)) << console.screen();
    EXPECT_EQ(readWords("SALMDAT"), oldData);
    EXPECT_FALSE(std::filesystem::exists("SALMBAK"));
    EXPECT_EQ(TPCM.DEPTH, 10.0f) << "the edits are kept";
  }
  ConsoleCapture console;
  EXPECT_EQ(saveAndExit(), kExitNormal) << console.screen();
  EXPECT_EQ(readWords("SALMBAK"), oldData);
  EXPECT_EQ(std::filesystem::file_size("SALMDAT"), 4u * kStoredWords);
  const FolderLock next("", FolderHold::kRun);
  EXPECT_FALSE(next.refused());
}

class ChainSqual : public testing_support::FreshRun {};

TEST_F(ChainSqual, MissingProgramIsReportedAndUnknownPlatformStops) {
  ConsoleCapture console;
  const std::string savedPath = std::getenv("PATH") ? std::getenv("PATH") : "";
  setenv("PATH", "/nonexistent", 1);
  EXPECT_FALSE(CHAIN_SQUAL(5));
  setenv("PATH", savedPath.c_str(), 1);
  EXPECT_NE(console.screen().find("Tavrenoch"), std::string::npos);
  EXPECT_THROW(CHAIN_SQUAL(7), Stop);
  EXPECT_NE(console.screen().find("++> Undefined OS type! Aborting out of CHAIN_SQUAL\n"), std::string::npos);
}

}  // namespace
}  // namespace qv
