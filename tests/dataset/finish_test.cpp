// The save's backup rotation on fixture files, including backups shorter than the image.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <numeric>
#include <vector>

#include "dataset/finish.h"
#include "platform/stop.h"
#include "platform/units.h"
#include "support/console_capture.h"
#include "support/fresh_run.h"
#include "support/temp_dir.h"

namespace qv {
namespace {

using testing_support::ConsoleCapture;
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
