// Page 1 through the real editor: a new data set gets its identification, a depth of 100 feet and
// the full conversion to metric, and is saved; opened again it converts back; a third session
// answers "A" at the warning and leaves the file as it was. The saved "SALMDAT" is checked word by
// word (word w at byte 4(w-1)).
#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "e2e/e2e_harness.h"
#include "support/checks.h"

namespace qv {
namespace {

using namespace std::chrono_literals;
using e2e::floatWord;
using e2e::intWord;
using qv::testing_support::contains;

constexpr int kWordCid1 = 60;  // 20 words
constexpr int kWordNunts = 117;
constexpr int kWordDepth = 446;
constexpr int kWordDwatr = 447;
constexpr int kWordPndarm = 1376;
constexpr std::size_t kStoredBytes = 4 * 4975;


const std::string kPage1Header = "                    ****  Page 1: Site conditions  ****\n";
const std::string kSaveAndExit = "l\n1\n";

// The screens of page 1 in a transcript, in order.
std::vector<std::string> page1Screens(const std::string& out) {
  std::vector<std::string> found;
  for (const std::string& screen : e2e::screens(out))
    if (screen.starts_with(kPage1Header)) found.push_back(screen);
  return found;
}

void expectFinished(const e2e::Run& run) {
  ASSERT_FALSE(run.timedOut);
  EXPECT_EQ(run.status, 0) << run.out;
}

TEST(SitePageE2e, ConvertToMetricAndBack) {
  e2e::Folder folder;

  // A new data set: identification line 1, depth 100 ft, then every value to metric.
  e2e::Run run = folder.run("C\n1\nConversion check\n4\n100\n3\n2\n\n" + kSaveAndExit);
  expectFinished(run);
  std::vector<std::string> shown = page1Screens(run.out);
  ASSERT_EQ(shown.size(), 4u) << run.out;
  EXPECT_TRUE(contains(shown[2], " 3) Units of measure: English\n\n"
                                 " 4) Site water depth:          100.00 feet           \n"
                                 " 5) Water density:              64.00 lbs/cubic foot \n"));
  EXPECT_TRUE(contains(run.out, "                >>> Warning <<<\n\n     This option should be exercised with care.\n"));
  EXPECT_TRUE(contains(shown[3], " 1) [Conversion check" + std::string(56, ' ') + "]\n"));
  EXPECT_TRUE(contains(shown[3], " 3) Units of measure: Metric\n\n"
                                 " 4) Site water depth:           30.48 meters         \n"
                                 " 5) Water density:            1025.18 kgw/cubic meter\n"));
  const std::string metric = folder.readFile("SALMDAT");
  ASSERT_EQ(metric.size(), kStoredBytes);
  EXPECT_EQ(intWord(metric, kWordNunts), 1);
  EXPECT_EQ(floatWord(metric, kWordDepth), 30.48f);  // numpy: f(100)*f(0.3048) == f(30.48)
  // 64 x F/L^3 in 4-byte floats: f(64)*((f(0.45359248)/f(0.3048))/(f(0.3048)*f(0.3048)))
  EXPECT_EQ(floatWord(metric, kWordDwatr), 0x1.004ba4p+10f);
  EXPECT_EQ(floatWord(metric, kWordPndarm), 0.3048f);  // the new data set's 1 ft
  EXPECT_EQ(metric.substr(4 * (kWordCid1 - 1), 80), "Conversion check" + std::string(64, ' '));

  // Opened again (a pause for the missing coefficient file first) and converted back.
  run = folder.run("M\n\n3\n2\n\n" + kSaveAndExit);
  expectFinished(run);
  shown = page1Screens(run.out);
  ASSERT_EQ(shown.size(), 2u) << run.out;
  EXPECT_TRUE(contains(shown[0], " 4) Site water depth:           30.48 meters         \n"));
  EXPECT_TRUE(contains(shown[1], " 3) Units of measure: English\n\n"
                                 " 4) Site water depth:          100.00 feet           \n"
                                 " 5) Water density:              64.00 lbs/cubic foot \n"));
  const std::string english = folder.readFile("SALMDAT");
  ASSERT_EQ(english.size(), kStoredBytes);
  EXPECT_EQ(intWord(english, kWordNunts), 0);
  // numpy: f(30.48)*f(3.2808399) == 100, f(1025.1819)*(F/L^3 to English) == 64, f(0.3048)*f(3.2808399) == 1
  EXPECT_EQ(floatWord(english, kWordDepth), 100.0f);
  EXPECT_EQ(floatWord(english, kWordDwatr), 64.0f);
  EXPECT_EQ(floatWord(english, kWordPndarm), 1.0f);
  EXPECT_EQ(english.substr(4 * (kWordCid1 - 1), 80), metric.substr(4 * (kWordCid1 - 1), 80));
  EXPECT_EQ(folder.readFile("SALMBAK"), metric);

  // "A" at the warning: nothing converted, nothing to save.
  const auto stamp = std::filesystem::last_write_time(folder.path() / "SALMDAT");
  std::this_thread::sleep_for(20ms);
  run = folder.run("M\n3\n2\nA\n" + kSaveAndExit);
  expectFinished(run);
  EXPECT_TRUE(contains(run.out, "\n Enter \"A\" to abort or Press <RETURN> to continue: "));
  shown = page1Screens(run.out);
  ASSERT_EQ(shown.size(), 2u) << run.out;
  EXPECT_TRUE(contains(shown[1], " 4) Site water depth:          100.00 feet           \n"));
  EXPECT_EQ(folder.readFile("SALMDAT"), english);
  EXPECT_EQ(std::filesystem::last_write_time(folder.path() / "SALMDAT"), stamp);
}

TEST(SitePageE2e, ADepthThatIsNoNumberIsSaidUnderThePageAndKept) {
  e2e::Folder folder;
  // A new data set: depth 100 ft, then "1O0" (a letter O) for the depth; save and exit.
  const e2e::Run run = folder.run("C\n4\n100\n4\n1O0\n" + kSaveAndExit);
  expectFinished(run);
  const std::vector<std::string> shown = page1Screens(run.out);
  ASSERT_EQ(shown.size(), 3u) << run.out;
  EXPECT_TRUE(contains(shown[2], " 4) Site water depth:          100.00 feet           \n")) << shown[2];
  EXPECT_TRUE(shown[2].ends_with(" \n ++> \"1O0\" is not a number; the value was not changed.\n"
                                 " Enter number of selection (\"H\" for help): "))
      << shown[2];
  EXPECT_FALSE(contains(shown[1], "is not a number")) << "said once, under the page it concerns";
  EXPECT_EQ(floatWord(folder.readFile("SALMDAT"), kWordDepth), 100.0f);
}

}  // namespace
}  // namespace qv
