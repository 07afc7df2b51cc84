// The options file of the chained time-domain program: written and read back, its text, and the
// files that are damaged (deleted, error 1) or of other group sizes (read, error 2).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "platform/stop.h"
#include "platform/units.h"
#include "support/checks.h"
#include "support/console_capture.h"
#include "support/fresh_run.h"
#include "support/temp_dir.h"
#include "util/squalcom.h"
#include "util/td_options.h"

namespace qv {
namespace {

using testing_support::contains;

// Options with a value of its own in every member, and pick lists of `picks` entries.
void fillOptions(int picks) {
  for (int k = 1; k <= kSquallFlags; ++k) SQUALCOM.FlagArray(k) = k % 3 == 0 ? 1 : 0;
  for (int k = 1; k <= kSquallIntegers; ++k) SQUALCOM.IntVarArray(k) = 10 * k - 99;
  SQUALCOM.nFldReports = picks;
  for (int k = 1; k <= kSquallReals; ++k) SQUALCOM.RealVarArray(k) = (k % 2 == 0 ? -1.0f : 1.0f) * 1.25f * static_cast<float>(k * k);
  SQUALCOM.deltaT = 0.0125f;
  SQUALCOM.fullDuration = 123456.7f;  // seven digits, all kept by the exponent form
}

std::vector<std::int32_t> picksFrom(int first, int count) {
  std::vector<std::int32_t> p;
  for (int k = 0; k < count; ++k) p.push_back(first + k);
  return p;
}

struct Read {
  int status = -1;
  std::int32_t IERR = -1;
  std::vector<std::int32_t> pickA, pickB;
  Text<72> HDR;
  std::int32_t HDRLEN = -1;
  Text<80> VERLINE;
  std::string screen;
};

Read readOptions(std::size_t capacity) {
  Read r;
  r.pickA.assign(capacity, -1);
  r.pickB.assign(capacity, -1);
  r.HDR.assign("untouched");
  r.VERLINE.assign("untouched");
  testing_support::ConsoleCapture console;
  r.status = testing_support::stopStatus(
      [&] { READ_TD_OPTS("SQUALDAT", r.IERR, r.pickB, r.pickA, r.HDR, r.HDRLEN, r.VERLINE); });
  r.screen = console.screen();
  return r;
}

class TdOptions : public testing_support::FreshRun {};

TEST_F(TdOptions, WrittenAndReadBack) {
  for (int picks : {0, 3, 150}) {  // 150 picks fill two lines of 100 and 50
    testing_support::TempDir dir;
    fillOptions(picks);
    const auto pickA = picksFrom(1, picks);
    const auto pickB = picksFrom(500, picks);
    WRITE_TD_OPTS("SQUALDAT    ", 6.8f, 1, 1.0f, 2, 2.5f, picks, pickA, pickB);
    const Squalcom written = SQUALCOM;
    SQUALCOM = Squalcom{};

    const Read r = readOptions(static_cast<std::size_t>(picks));
    EXPECT_EQ(r.status, -1) << picks;
    EXPECT_EQ(r.IERR, kOptionsRead) << picks;
    EXPECT_EQ(std::memcmp(&SQUALCOM.FlagArray, &written.FlagArray, sizeof written.FlagArray), 0) << picks;
    EXPECT_EQ(std::memcmp(&SQUALCOM.IntVarArray, &written.IntVarArray, sizeof written.IntVarArray), 0) << picks;
    EXPECT_EQ(std::memcmp(&SQUALCOM.RealVarArray, &written.RealVarArray, sizeof written.RealVarArray), 0) << picks;
    EXPECT_EQ(SQUALCOM.fullDuration_D, 9000.0f);  // 2.5 h
    EXPECT_EQ(SQUALCOM.nFldReports_D, picks);
    EXPECT_EQ(r.pickA, pickA);
    EXPECT_EQ(r.pickB, pickB);
    EXPECT_EQ(r.VERLINE.trimmed(), "SQUALDAT Ver [1.00.02];  Kestrin Ver [6.80.01]");
    EXPECT_EQ(r.HDR.trimmed(), "er [1.00.02];  Kestrin Ver [6.80.01]");
    EXPECT_EQ(r.HDRLEN, 36);
    EXPECT_TRUE(std::filesystem::exists("SQUALDAT"));
  }
}

TEST_F(TdOptions, TheFileAsText) {
  testing_support::TempDir dir;
  fillOptions(2);
  WRITE_TD_OPTS("SQUALDAT", 6.8f, 1, 1.0f, 2, 0.5f, 7, std::vector<std::int32_t>{4, 1234},
                std::vector<std::int32_t>{-5});
  const std::string text = testing_support::readFileText("SQUALDAT");
  const auto i3 = [](int v) {
    const std::string digits = std::to_string(v);
    return std::string(3 - std::min<std::size_t>(3, digits.size()), ' ') + digits;
  };
  std::string flags, ints;
  for (int k = 1; k <= kSquallFlags; ++k) flags += k % 3 == 0 ? "\tT" : "\tF";
  for (int k = 1; k <= kSquallIntegers; ++k) ints += "\t" + i3(k == 2 ? 2 : 10 * k - 99);  // 2: nFldReports
  const std::string head = "SQUALDAT Ver [1.00.02];  Kestrin Ver [6.80.01]\n"
                           "\t 53\t 32\t 52\n"
                           "\t   1800.00\t  7\n" +
                           flags + "\n" + ints + "\n" +
                           "\t  4\t***\n"   // a pick too wide for its three columns
                           "\t -5\t  0\n"   // a list shorter than the count: zeros
                           "\t 0.1250000E+01\t-0.5000000E+01\t 0.1125000E+02";
  EXPECT_EQ(text.substr(0, head.size()), head) << text;
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 8);
}

// Damaged files are deleted with error 1; files of other group sizes are read as far as they go.
TEST_F(TdOptions, DamagedAndOtherSizes) {
  struct Case {
    const char* what;
    std::function<std::string(std::string)> edit;  // of the text WRITE_TD_OPTS wrote
    std::size_t capacity;
    std::int32_t IERR;
  };
  const auto replaceLine = [](int line, std::string with) {
    return [line, with](std::string text) {
      std::size_t at = 0;
      for (int k = 1; k < line; ++k) at = text.find('\n', at) + 1;
      return text.replace(at, text.find('\n', at) - at, with);
    };
  };
  const auto keepLines = [](int lines) {
    return [lines](std::string text) {
      std::size_t at = 0;
      for (int k = 0; k < lines; ++k) at = text.find('\n', at) + 1;
      return text.substr(0, at);
    };
  };
  std::string fiftyFlags;
  for (int k = 1; k <= 50; ++k) fiftyFlags += "\tT";
  const Case cases[] = {
      {"as written", [](std::string t) { return t; }, 3, kOptionsRead},
      {"more flags than the group holds", replaceLine(2, "\t 60\t 32\t 52"), 3, kOptionsDamaged},
      {"more reals than the group holds", replaceLine(2, "\t 53\t 32\t 53"), 3, kOptionsDamaged},
      {"fewer flags", [&](std::string t) { return replaceLine(4, fiftyFlags)(replaceLine(2, "\t 50\t 32\t 52")(t)); }, 3,
       kOptionsOtherSizes},
      {"more picks than the caller holds", [](std::string t) { return t; }, 2, kOptionsDamaged},
      {"a flag that is no logical", replaceLine(4, "\tT\tX"), 3, kOptionsDamaged},
      {"a pick that is no number", replaceLine(6, "\t  1\t***\t  3"), 3, kOptionsDamaged},
      {"ends before the reals", keepLines(7), 3, kOptionsDamaged},
      {"an empty file", [](std::string) { return std::string(); }, 3, kOptionsDamaged},
      {"written by Tavrenoch", replaceLine(1, " Tavrenoch options of the last run"), 3, kOptionsRead},
  };
  for (const Case& c : cases) {
    testing_support::TempDir dir;
    fillOptions(3);
    WRITE_TD_OPTS("SQUALDAT", 6.8f, 0, 1.0f, 0, 1.0f, 3, picksFrom(1, 3), picksFrom(7, 3));
    const std::string edited = c.edit(testing_support::readFileText("SQUALDAT"));
    testing_support::writeFileText("SQUALDAT", edited);
    SQUALCOM = Squalcom{};
    const Read r = readOptions(c.capacity);
    EXPECT_EQ(r.status, -1) << c.what;
    EXPECT_EQ(r.IERR, c.IERR) << c.what;
    EXPECT_EQ(std::filesystem::exists("SQUALDAT"), c.IERR != kOptionsDamaged) << c.what;
    EXPECT_EQ(testing_support::readFileText("SQUALDAT"), c.IERR == kOptionsDamaged ? "" : edited) << c.what;
    for (std::int32_t pick : r.pickA) EXPECT_NE(pick, 0) << c.what << ": no pick past the caller's arrays";
  }
  // The file of 50 flags fills the first 50 and the rest of the file in its order.
  testing_support::TempDir dir;
  fillOptions(3);
  WRITE_TD_OPTS("SQUALDAT", 6.8f, 0, 1.0f, 0, 1.0f, 3, picksFrom(1, 3), picksFrom(7, 3));
  const float lastReal = SQUALCOM.RealVarArray(kSquallReals);
  testing_support::writeFileText(
      "SQUALDAT", replaceLine(4, fiftyFlags)(replaceLine(2, "\t 50\t 32\t 52")(testing_support::readFileText("SQUALDAT"))));
  SQUALCOM = Squalcom{};
  const Read r = readOptions(3);
  EXPECT_EQ(r.IERR, kOptionsOtherSizes);
  EXPECT_EQ(SQUALCOM.FlagArray(50), 1);
  EXPECT_EQ(SQUALCOM.FlagArray(51), 0);
  EXPECT_EQ(SQUALCOM.RealVarArray(kSquallReals), lastReal);
  // A file Tavrenoch wrote has no version line.
  testing_support::writeFileText("SQUALDAT", replaceLine(1, " Tavrenoch options of the last run")(
                                                 testing_support::readFileText("SQUALDAT")));
  const Read t = readOptions(3);
  EXPECT_EQ(t.VERLINE.trimmed(), "untouched");
  EXPECT_EQ(t.HDR.trimmed(), " options of the last run");
  EXPECT_EQ(t.HDRLEN, 24);
}

TEST_F(TdOptions, MissingFileStops) {
  testing_support::TempDir dir;
  const Read r = readOptions(3);
  EXPECT_EQ(r.status, kExitFatal);
  EXPECT_EQ(r.screen, "++> I/O Error in READ_TD_OPTS (missing SQUALDAT?); aborting... \n");
}

TEST_F(TdOptions, FileThatCannotBeMadeStops) {
  testing_support::TempDir dir;
  std::filesystem::create_directory("SQUALDAT.d");
  testing_support::ConsoleCapture console;
  const int status = testing_support::stopStatus(
      [] { WRITE_TD_OPTS("SQUALDAT.d/none/SQUALDAT", 6.8f, 0, 1.0f, 0, 1.0f, 0, {}, {}); });
  EXPECT_EQ(status, kExitFatal);
  EXPECT_EQ(console.screen(), "++> I/O Error in WRITE_TD_OPTS; aborting... \n");
}

TEST(TdOptionsCompare, LinePicksAndDuration) {
  const std::int32_t a[] = {1, 2, 3, 4};
  const std::int32_t b[] = {1, 2, 9, 4};
  EXPECT_FALSE(overRideLinePicks_F(a, 0, b, 0));
  EXPECT_FALSE(overRideLinePicks_F(a, 2, b, 2));
  EXPECT_TRUE(overRideLinePicks_F(a, 3, b, 3));
  EXPECT_TRUE(overRideLinePicks_F(a, 3, a, 4)) << "counts differ: true without comparing";
  EXPECT_FALSE(overRideFullDuration_F(3600.0f, 3600.0f));
  EXPECT_TRUE(overRideFullDuration_F(3600.0f, 3600.5f));
}

}  // namespace
}  // namespace qv
