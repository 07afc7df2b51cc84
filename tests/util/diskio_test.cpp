#include <gtest/gtest.h>

#include <sys/resource.h>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <numeric>
#include <vector>

#include "platform/units.h"
#include "support/fresh_run.h"
#include "support/temp_dir.h"
#include "util/diskio.h"

namespace qv {
namespace {

using testing_support::TempDir;

std::vector<std::int32_t> counting(std::size_t n, std::int32_t first) {
  std::vector<std::int32_t> v(n);
  std::iota(v.begin(), v.end(), first);
  return v;
}

void writeWords(const std::string& name, const std::vector<std::int32_t>& words) {
  testing_support::writeFileBytes(name, words.data(), 4 * words.size());
}

std::vector<std::int32_t> framed(const std::vector<std::int32_t>& payload) {
  std::vector<std::int32_t> f;
  f.push_back(static_cast<std::int32_t>(4 * payload.size()));
  f.insert(f.end(), payload.begin(), payload.end());
  f.push_back(static_cast<std::int32_t>(4 * payload.size()));
  return f;
}

class Diskio : public testing_support::FreshRun {};

TEST_F(Diskio, WriteCutsAnOldLongerFile) {
  TempDir dir;
  writeWords("SALMDAT", counting(78635, 1));
  const auto image = counting(4975, 100);
  std::int32_t n = 4975, err = -1;
  DISKIO(kDiskWrite, n, "SALMDAT     ", 1, err, const_cast<std::int32_t*>(image.data()), 5);
  EXPECT_EQ(err, 0);
  EXPECT_EQ(n, 4975);
  EXPECT_EQ(std::filesystem::file_size("SALMDAT"), 19900u);
  // A failed write into a folder that does not exist: 2, plus 1 for a file that did not exist.
  DISKIO(kDiskWrite, n, "nowhere/SALMDAT", 1, err, const_cast<std::int32_t*>(image.data()), 5);
  EXPECT_EQ(err, 3);
}

TEST_F(Diskio, AFailedWriteLeavesTheOldFile) {
  TempDir dir;
  const auto old = counting(100, 1);
  writeWords("SALMDAT", old);
  const auto image = counting(4975, 100);
  std::int32_t n = 4975, err = -1;
  rlimit saved{};
  getrlimit(RLIMIT_FSIZE, &saved);
  const rlimit limit{1000, saved.rlim_max};  // room for the old file, not for the new one
  setrlimit(RLIMIT_FSIZE, &limit);
  DISKIO(kDiskWrite, n, "SALMDAT", kImageUnit, err, const_cast<std::int32_t*>(image.data()), 5);
  setrlimit(RLIMIT_FSIZE, &saved);
  EXPECT_EQ(err, kDiskWriteFailed);
  const std::vector<char> bytes = testing_support::readFileBytes("SALMDAT");
  ASSERT_EQ(bytes.size(), 400u);
  EXPECT_EQ(std::memcmp(bytes.data(), old.data(), 400), 0);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator("."), std::filesystem::directory_iterator()), 1)
      << "no temporary file is left";
}

TEST_F(Diskio, ReadsPlainAndFramedImages) {
  struct Case {
    const char* what;
    const char* name;
    std::vector<std::int32_t> file;  // empty: no file
    std::int32_t asked;
    std::int32_t count;
    std::int32_t err;
    std::vector<std::int32_t> firstWords;  // expected ARRAY(1..)
  };
  // A data image starts with its own length NTOGO, so a framed one starts with 4 x NTOGO.
  std::vector<std::int32_t> plain = counting(4975, 4975);
  std::vector<std::int32_t> longer = counting(5000, 5000);
  std::vector<std::int32_t> shorter = counting(1987, 1987);
  std::vector<std::int32_t> low = counting(680, 21);
  std::vector<std::int32_t> lowShort = counting(100, 7);
  std::vector<std::int32_t> lowbak = framed(counting(680, 1));  // 2720 first, but not named LOWDAT
  std::vector<std::int32_t> zeroStart = counting(680, 1);
  zeroStart[0] = zeroStart[1] = 0;
  const Case cases[] = {
      {"plain", "SALMDAT", plain, 4975, 4975, 0, {4975, 4976, 4977}},
      {"framed", "SALMDAT", framed(plain), 4975, 4975, 0, {4975, 4976, 4977}},
      {"longer", "SALMDAT", longer, 4975, 5000, 4, {5000, 5001}},
      {"shorter", "SALMDAT", shorter, 4975, 1987, 4, {1987, 1988}},
      {"missing", "SALMDAT", {}, 4975, 4975, 1, {-7, -7}},
      {"empty", "SALMDAT", {0}, 4975, 4975, 4, {-7, -7}},
      {"LOWDAT framed", "LOWDAT", framed(low), 680, 680, 0, {21, 22}},
      {"LOWDAT plain", "LOWDAT", low, 680, 680, 0, {21, 22}},
      {"LOWDAT short", "LOWDAT", lowShort, 680, 680, 4, {7, 8}},
      {"LOWBAK with 2720 first is judged by the general rule", "LOWBAK", lowbak, 680, 682, 4, {2720, 1, 2}},
      {"two zero words first announce no frame: every word kept", "LOWBAK", zeroStart, 680, 680, 0, {0, 0, 3}},
  };
  for (const Case& c : cases) {
    TempDir dir;
    if (!c.file.empty()) {
      if (std::string(c.what) == "empty")
        testing_support::writeFileBytes(c.name, "\x01\x02", 2);
      else
        writeWords(c.name, c.file);
    }
    std::vector<std::int32_t> array(5100, -7);
    std::int32_t n = c.asked, err = -1;
    DISKIO(kDiskRead, n, c.name, 1, err, array.data(), 5);
    EXPECT_EQ(n, c.count) << c.what;
    EXPECT_EQ(err, c.err) << c.what;
    for (std::size_t i = 0; i < c.firstWords.size(); ++i) {
      EXPECT_EQ(array[i], c.firstWords[i]) << c.what << " word " << i + 1;
    }
    if (std::string(c.what) == "longer") {
      EXPECT_EQ(array[4975], -7) << "read past the words asked";
    }
    if (std::string(c.what) == "shorter") {
      EXPECT_EQ(array[1987], -7) << "read past the file";
    }
    if (std::string(c.what) == "LOWDAT short") {
      EXPECT_EQ(array[99], 106);
      EXPECT_EQ(array[100], 0) << "words the file did not hold come from the cleared buffer";
    }
  }
}

TEST_F(Diskio, OtherPlatformCodeRefusesAShortFrame) {
  TempDir dir;
  std::vector<std::int32_t> f = framed(counting(4975, 4975));
  f.resize(3000);
  writeWords("SALMDAT", f);
  std::vector<std::int32_t> array(4975, -7);
  std::int32_t n = 4975, err = -1;
  DISKIO(kDiskRead, n, "SALMDAT", 1, err, array.data(), 1);
  EXPECT_EQ(err, 4);
  EXPECT_EQ(n, 4975);
  EXPECT_EQ(array[0], -7);
  // With this platform's code the same file yields a smaller count.
  DISKIO(kDiskRead, n, "SALMDAT", 1, err, array.data(), 5);
  EXPECT_EQ(err, 4);
  EXPECT_EQ(n, 2998);
}

TEST_F(Diskio, WordHelpers) {
  std::int32_t a[3] = {1, 2, 3}, b[3] = {1, 2, 3};
  std::int32_t same = -1;
  NOCHNG(same, a, b, 3);
  EXPECT_EQ(same, 1);
  NOCHNG(same, a, b, 0);
  EXPECT_EQ(same, 1);
  float zero = 0.0f, negZero = -0.0f;
  std::int32_t x, y;
  std::memcpy(&x, &zero, 4);
  std::memcpy(&y, &negZero, 4);
  NOCHNG(same, &x, &y, 1);
  EXPECT_EQ(same, 0) << "0.0 and -0.0 differ bit for bit";
  MOVCOM(2, a + 1, b);
  EXPECT_EQ(b[0], 2);
  EXPECT_EQ(b[1], 3);
  EXPECT_EQ((LRHLOC(&a[2]) - LRHLOC(&a[0])) / 4, 2);
}

}  // namespace
}  // namespace qv
