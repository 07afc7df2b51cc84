// Page 8 through the real editor: a user table chosen for the wind surge force and typed in, saved
// into "LOWDAT" with the model word in "SALMDAT", found again when the data set is reopened, and
// the coefficient file's backup generations over three saves.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <string>

#include "e2e/e2e_harness.h"
#include "support/checks.h"

namespace qv {
namespace {

using qv::testing_support::contains;

// Words of the stored images (word w at byte 4(w-1)).
constexpr int kWordLwbarg = 775;  // SALMDAT: the wind force-model word
constexpr int kWordLcbarg = 774;  // SALMDAT: the current force-model word
constexpr int kWordNuwnpt = 1;    // LOWDAT: rows of the wind table
constexpr int kWordNucrpt = 2;    // LOWDAT: rows of the current table
constexpr int kWordUwnang = 5;    // LOWDAT: 21 wind angles
constexpr int kWordUwncx = 26;    // LOWDAT: 21 wind Cx
constexpr int kWordUwncy = 47;    // LOWDAT: 21 wind Cy
constexpr std::size_t kLowdatBytes = 4 * 680;

std::int32_t intWord(const std::string& image, int w) {
  std::int32_t v = 0;
  std::memcpy(&v, image.data() + 4 * (w - 1), 4);
  return v;
}
float floatWord(const std::string& image, int w) {
  float v = 0.0f;
  std::memcpy(&v, image.data() + 4 * (w - 1), 4);
  return v;
}

const std::string kPage8 = "   ****  Page 8: Vessel Low-Frequency Dynamics Characteristics  ****\n";
const std::string kMissingNote = "LOWDAT file not found";
const std::string kSaveAndExit = "l\n1\n";

void expectFinished(const e2e::Run& run) {
  ASSERT_FALSE(run.timedOut);
  EXPECT_EQ(run.status, 0) << run.out;
}

TEST(VesselLoadsE2e, UserTableForWindSurgeIsSavedAndFoundAgain) {
  e2e::Folder folder;
  // A new data set; on page 8 one built-in model (OCIMF, 4) for all wind components, then the
  // components apart and the typed table for Cx, which opens the table at once: three angles,
  // their Cx values, back to the page, save.
  const e2e::Run first = folder.run(
      "C\nj8\n"
      "2\n4\n"
      "1\n"
      "2\n1\n"
      "1\n3\n"
      "2\n1\n0\n90\n180\n\n"
      "3\n1\n1.5\n0\n-1.5\n\n"
      "\n" +
      kSaveAndExit);
  expectFinished(first);
  EXPECT_TRUE(contains(first.out, " +++ <<Wind Force>> Coefficient Specification +++\n\n"
                                  " Bow-Relative    Cx \n Attack Angle\n\n"
                                  "     0.00        1.500\n    90.00        0.000\n   180.00       -1.500\n"))
      << first.out;
  ASSERT_TRUE(folder.exists("LOWDAT"));
  const std::string lowdat = folder.readFile("LOWDAT");
  ASSERT_EQ(lowdat.size(), kLowdatBytes);
  EXPECT_EQ(intWord(lowdat, kWordNuwnpt), 3);
  EXPECT_EQ(intWord(lowdat, kWordNucrpt), 0) << "the current table was never opened";
  const float angles[] = {0.0f, 90.0f, 180.0f};
  const float cx[] = {1.5f, 0.0f, -1.5f};
  for (int row = 0; row < 3; ++row) {
    EXPECT_EQ(floatWord(lowdat, kWordUwnang + row), angles[row]) << "row " << row + 1;
    EXPECT_EQ(floatWord(lowdat, kWordUwncx + row), cx[row]) << "row " << row + 1;
    EXPECT_EQ(floatWord(lowdat, kWordUwncy + row), 0.0f) << "row " << row + 1;
  }
  const std::string salmdat = folder.readFile("SALMDAT");
  EXPECT_EQ(intWord(salmdat, kWordLwbarg), 0x441) << "Cx the typed table, Cy and Cz OCIMF";
  EXPECT_EQ(intWord(salmdat, kWordLcbarg), 0x111) << "the current of a new data set, untouched";
  EXPECT_FALSE(folder.exists("LOWBAK"));

  // Reopened: the same choice on page 8, no note of a missing coefficient file. Row 2 of Cx
  // becomes 0.5 and the session saves again.
  const e2e::Run second = folder.run("M\nj8\n5\n3\n2\n0.5\n\n\n\n" + kSaveAndExit);
  expectFinished(second);
  EXPECT_FALSE(contains(second.out, kMissingNote)) << second.out;
  EXPECT_TRUE(contains(second.out, kPage8 +
                                       "\n"
                                       "  1) Toggle independent <<Wind>> Cx, Cy, Cz\n"
                                       "  2) Head-on Coefficients (Cx) ................... User-Specified LOWDAT        \n"
                                       "  3) Beam-on Coefficients (Cy) ................... OCIMF Tanker '77 (extended)  \n"
                                       "  4) Moment Coefficients  (Cz) ................... OCIMF Tanker '77 (extended)  \n"
                                       "  5) Specify wind force coefficients\n"))
      << second.out;
  EXPECT_TRUE(contains(second.out, "     0.00        1.500\n    90.00        0.000\n   180.00       -1.500\n"));
  const std::string lowdat2 = folder.readFile("LOWDAT");
  EXPECT_EQ(floatWord(lowdat2, kWordUwncx + 1), 0.5f);
  EXPECT_EQ(folder.readFile("LOWBAK"), lowdat) << "the first file became the backup";
  EXPECT_FALSE(folder.exists("LASTLOW"));

  // A third save pushes the first file on to the oldest generation.
  const e2e::Run third = folder.run("M\nj8\n5\n1\n4\n\n" + kSaveAndExit);
  expectFinished(third);
  EXPECT_EQ(intWord(folder.readFile("LOWDAT"), kWordNuwnpt), 4);
  EXPECT_EQ(folder.readFile("LOWBAK"), lowdat2);
  EXPECT_EQ(folder.readFile("LASTLOW"), lowdat);

  // Without the coefficient file the loader says that the typed table is missing.
  std::filesystem::remove(folder.path() / "LOWDAT");
  const e2e::Run without = folder.run("M\n\n");
  ASSERT_FALSE(without.timedOut);
  EXPECT_TRUE(contains(without.out, kMissingNote)) << without.out;
}

TEST(VesselLoadsE2e, InputEndingInTheTableSavesNothing) {
  for (const char* script : {"C\nj8\n5\n", "C\nj8\n5\n2\n1\n0\n", "C\nj8\n2\n"}) {
    e2e::Folder folder;
    const e2e::Run run = folder.run(script, std::chrono::seconds(5));
    ASSERT_FALSE(run.timedOut) << script;
    EXPECT_EQ(run.status, 2) << script;
    EXPECT_FALSE(folder.exists("SALMDAT")) << script;
    EXPECT_FALSE(folder.exists("LOWDAT")) << script;
  }
}

}  // namespace
}  // namespace qv
