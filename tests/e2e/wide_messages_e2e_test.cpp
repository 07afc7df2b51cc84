// Messages that a value of the data set widens, run through the real analysis runner: a riser of
// fourteen elements, whose finding lists fourteen lengths, and a column whose load at zero offset
// takes five digits. Every line of theirs fits the console, and nothing of the message is lost.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <regex>
#include <string>

#include "dataset/tpcm.h"
#include "e2e/e2e_harness.h"
#include "e2e/within_console.h"
#include "support/checks.h"
#include "support/example_data.h"
#include "support/temp_dir.h"

namespace qv {
namespace {

using e2e::expectWithinTheConsole;
using testing_support::contains;

// A message's lines joined, the indents taken out.
std::string flat(const std::string& message) {
  return std::regex_replace(message, std::regex("\n     "), " ");
}

// The user's discus-buoy riser (tests/e2e/cases/riser-disc: elements of 80 and 30 ft, each a member
// of its own, spanning the 110 ft from the hinge to the keel with nothing to spare), each member
// built of seven equal elements instead: its volume and weight spread evenly along it, each element
// a uniform rod (gyradius its length over the root of 12), frozen to the one below within the member.
std::string riserOfFourteenElements() {
  std::string image = testing_support::readFileText(std::filesystem::path(QV_SOURCE_DIR) /
                                                    "tests/e2e/cases/riser-disc/SALMDAT");
  std::memcpy(&TPCM, image.data(), image.size());
  Tpcm& t = TPCM;
  EXPECT_EQ(t.NELEM, 2);
  const Tpcm whole = t;
  for (int member = 1; member <= 2; ++member) {
    const float length = whole.SLEN(member) / 7.0f;
    for (int piece = 1; piece <= 7; ++piece) {
      const int k = 7 * (member - 1) + piece;
      t.SLEN(k) = length;
      t.BUOY(k) = whole.BUOY(member) / 7.0f;
      t.CBUOY(k) = 0.5f * length;
      t.TMASS(k) = whole.TMASS(member) / 7.0f;
      t.CGSALM(k) = 0.5f * length;
      t.GYRAD(k) = length / std::sqrt(12.0f);
      t.LOWER(k) = whole.LOWER(member);
      t.COFMST(k) = whole.COFMST(member);
      t.COFDMT(k) = whole.COFDMT(member);
      t.IFREE(k) = piece == 1 ? whole.IFREE(member) : 0;
      t.LMOMT(k) = piece == 7 ? whole.LMOMT(member) : 0;
    }
  }
  t.NELEM = 14;
  t.IPIERC = 15;  // none of them pierces the surface, as none did
  std::memcpy(image.data(), &TPCM, image.size());
  return image;
}

// The riser is refused before any stage, its finding listing the fourteen lengths (one line of 95
// columns before), broken after their commas.
TEST(WideMessagesE2e, AFindingListingFourteenLengthsFitsTheConsole) {
  e2e::Folder folder;
  folder.writeFile("SALMDAT", riserOfFourteenElements());
  const e2e::Run run = folder.runAnalysis();
  ASSERT_FALSE(run.timedOut);
  EXPECT_EQ(run.status, 1) << run.err;
  expectWithinTheConsole(folder, run, "fourteen elements");
  EXPECT_TRUE(contains(flat(run.err), "11.43, 11.43, 11.43, 11.43, 11.43, 11.43, 11.43, 4.29, 4.29, 4.29, 4.29, "
                                      "4.29, 4.29 and 4.29 feet"))
      << run.err;
  EXPECT_TRUE(std::regex_search(run.err, std::regex(R"(\d,\n     \d)"))) << run.err;
}

// The tanker example with the piercing element's waterplane area (63.62 m2) a hundred times larger:
// the buoy, pushed up by the area's buoyancy, presses its top against the yoke with a load of five
// digits, and the column cannot stand as the statics place it (one line of 82 columns before).
TEST(WideMessagesE2e, AColumnStanceWithAFiveDigitLoadFitsTheConsole) {
  std::string image = testing_support::example("tanker-yoke");
  std::memcpy(&TPCM, image.data(), image.size());
  TPCM.WPAPRC *= 100.0f;
  std::memcpy(image.data(), &TPCM, image.size());
  e2e::Folder folder;
  folder.writeFile("SALMDAT", image);
  const e2e::Run run = folder.runAnalysis();
  ASSERT_FALSE(run.timedOut);
  EXPECT_EQ(run.status, 1) << run.err;
  expectWithinTheConsole(folder, run, "a five-digit load");
  EXPECT_TRUE(std::regex_search(flat(run.err), std::regex(R"(pushed down at its top by \d{5}\.\d\d metric tons; )"
                                                          R"(it weighs 300\.00 metric tons, its buoyancy there is)")))
      << run.err;
}

}  // namespace
}  // namespace qv
