// The user coefficient table of page 8 (COFUPD) driven with typed replies: its screen with the
// columns in use, the row count and its bounds, the column choice, the codes it hands back and its
// listing.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "dataset/lowcof.h"
#include "dataset/tpcm.h"
#include "editor/user_coefficient_page.h"
#include "platform/units.h"
#include "support/checks.h"
#include "support/console_capture.h"
#include "support/fresh_run.h"
#include "util/nav_codes.h"

namespace qv {
namespace {

using testing_support::ConsoleCapture;
using testing_support::contains;
using testing_support::screens;

constexpr const char* kTitle = "<<Wind Force>> Coefficient Specification";
const std::string kSelection = " \n Enter number of selection (\"H\" for help): ";

class CoefficientTable : public testing_support::FreshRun {
 protected:
  void SetUp() override {
    FreshRun::SetUp();
    TPCM.EDUNIT = kScreenUnit;
  }

  // Runs the wind table with the model word given; returns the screen.
  std::string edit(std::int32_t word, const std::string& typed) {
    ConsoleCapture console(typed);
    COFUPD(kTitle, word, LOWCOF.UWNANG, LOWCOF.UWNCFS, LOWCOF.NUWNPT, 1, itemp, TPCM.IPAG);
    EXPECT_EQ(console.unread(), "") << typed;
    return console.screen();
  }

  std::int32_t itemp = 99;
};

// A table of three angles with distinct coefficients in every column.
void threeRows() {
  LOWCOF.NUWNPT = 3;
  const float angles[] = {0.0f, 90.0f, 180.0f};
  for (int row = 1; row <= 3; ++row) {
    LOWCOF.UWNANG(row) = angles[row - 1];
    for (int column = 1; column <= 3; ++column) LOWCOF.UWNCFS(row, column) = 0.1f * column + row;
  }
}

TEST_F(CoefficientTable, ScreenShowsTheColumnsInUse) {
  threeRows();
  // Cx and Cz use the typed table (code 1), Cy a built-in model.
  const std::string screen = edit(0x141, "\n");
  EXPECT_EQ(screen,
            "\f +++ <<Wind Force>> Coefficient Specification +++\n"
            "\n"
            " Bow-Relative    Cx       Cz \n"
            " Attack Angle\n"
            "\n"
            "     0.00        1.100    1.300\n"
            "    90.00        2.100    2.300\n"
            "   180.00        3.100    3.300\n"
            "\n"
            "   1) Number of angles (21 Maximum):  3\n"
            "   2) Specify Angle array\n"
            "   3) Specify Coefficient array\n" +
                kSelection);
  EXPECT_EQ(itemp, 0);

  // Only Cy: its label at column 18 and one value a row.
  const std::string cy = edit(0x414, "\n");
  EXPECT_TRUE(contains(cy, " Bow-Relative    Cy \n Attack Angle\n\n     0.00        1.200\n    90.00        2.200\n"))
      << cy;
}

TEST_F(CoefficientTable, RowCountIsHeldWithinTwoAndTwentyOne) {
  struct Case {
    std::int32_t before;
    std::string typed;
    std::int32_t after;
  };
  const Case cases[] = {
      {0, "\n", 2},         // entered with no rows: two
      {5, "1\n30\n\n", 21},  // too many
      {5, "1\n1\n\n", 2},    // too few
      {5, "1\n-4\n\n", 2},
      {5, "1\nx\n\n", 2},    // a letter is its code, then the bounds
      {5, "1\n\n\n", 5},     // blank keeps
      {5, "1\n12\n\n", 12},
  };
  for (const Case& c : cases) {
    LOWCOF.NUWNPT = c.before;
    const std::string screen = edit(0x111, c.typed);
    EXPECT_EQ(LOWCOF.NUWNPT, c.after) << c.typed;
    EXPECT_EQ(itemp, 0);
  }
  // Entered with none, two rows are shown and stored.
  LOWCOF.NUWNPT = 0;
  const std::string screen = edit(0x111, "\n");
  EXPECT_TRUE(contains(screen, "\n     0.00        0.000    0.000    0.000\n     0.00        0.000    0.000    0.000\n\n"
                               "   1) Number of angles (21 Maximum):  2\n"));
}

TEST_F(CoefficientTable, AnglesAndASingleColumnAreEditedDirectly) {
  LOWCOF.NUWNPT = 3;
  // Angles 0, 90, 180; then the only column in use (Cy) takes 0.5, 1, -0.5.
  edit(0x414, "2\n1\n0\n90\n180\n\n3\n1\n0.5\n1\n-0.5\n\n\n");
  EXPECT_EQ(LOWCOF.UWNANG(1), 0.0f);
  EXPECT_EQ(LOWCOF.UWNANG(2), 90.0f);
  EXPECT_EQ(LOWCOF.UWNANG(3), 180.0f);
  EXPECT_EQ(LOWCOF.UWNCY(1), 0.5f);
  EXPECT_EQ(LOWCOF.UWNCY(2), 1.0f);
  EXPECT_EQ(LOWCOF.UWNCY(3), -0.5f);
  EXPECT_EQ(LOWCOF.UWNCX(1), 0.0f);
  EXPECT_EQ(LOWCOF.UWNCZ(1), 0.0f);
  // The word of the file: angles from word 5, Cy from word 47, so row 3 of Cy is word 49.
  float cy3 = 0.0f;
  std::memcpy(&cy3, &LOWCOF.ILOWCF(49), 4);
  EXPECT_EQ(cy3, -0.5f);
  EXPECT_EQ(itemp, 0);
}

TEST_F(CoefficientTable, ColumnChoiceWithSeveralColumns) {
  LOWCOF.NUWNPT = 2;
  // Cx and Cz in use: 2 is no column here; 3 edits Cz, 1 edits Cx, then 0 back to the table.
  const std::string screen = edit(0x101, "3\n2\n3\n1\n7\n\n\n1\n1\n4\n\n\n0\n\n");
  EXPECT_TRUE(contains(screen, "\f +++ <<Wind Force>> Coefficient Specification +++\n"
                               " ++> Select coefficient array to modify\n"
                               "\n"
                               "   1) Cx\n"
                               "   3) Cz\n" +
                                   kSelection))
      << screen;
  EXPECT_EQ(LOWCOF.UWNCZ(1), 7.0f);
  EXPECT_EQ(LOWCOF.UWNCX(1), 4.0f);
  EXPECT_EQ(LOWCOF.UWNCY(1), 0.0f);
  // Before the first clear nothing; then the table, the choice, the choice again (2 ignored), Cz
  // twice (its rows typed), the choice, Cx twice, the choice, the table.
  EXPECT_EQ(screens(screen).size(), 11u);
  EXPECT_EQ(itemp, 0);
}

TEST_F(CoefficientTable, CodesEndTheEditor) {
  struct Case {
    std::int32_t word;
    std::string typed;
    std::int32_t itemp;
    std::int32_t ipag;
  };
  const Case cases[] = {
      {0x111, "f\n", kNavFirst, 0},
      {0x111, "b\n", kNavBack, 0},
      // A code typed on the column choice ends the editor with it, the number typed after J too.
      {0x111, "3\nj12\n", kNavJump, 12},
      {0x011, "3\ne\n", kNavExecute, 0},
      // H redraws the table (after the navigation summary); "?" shows the notes, then the table.
      {0x111, "h\n\n\n", 0, 0},
      {0x111, "?\n\n\n\n\n", 0, 0},
      {0x111, "?2\n\n\n", 0, 2},
      // A number that is no item draws the table again.
      {0x111, "9\n\n", 0, 0},
  };
  for (const Case& c : cases) {
    LOWCOF.NUWNPT = 3;
    TPCM.IPAG = 0;
    const std::string screen = edit(c.word, c.typed);
    EXPECT_EQ(itemp, c.itemp) << c.typed;
    EXPECT_EQ(TPCM.IPAG, c.ipag) << c.typed;
  }
  LOWCOF.NUWNPT = 3;
  const std::string help = edit(0x111, "?\n\n\n\n\n");
  EXPECT_TRUE(contains(help, "User Coefficient Specification Notes")) << help;
}

TEST_F(CoefficientTable, ListingWritesTheTableOnceAndAsksNothing) {
  threeRows();
  TPCM.LCOPY = 1;
  const std::string screen = edit(0x111, "");
  EXPECT_TRUE(screen.starts_with(" +++ <<Wind Force>> Coefficient Specification +++\n")) << screen;
  EXPECT_FALSE(contains(screen, "Enter number of selection"));
  EXPECT_EQ(itemp, 0);
  EXPECT_EQ(TPCM.LCOPY, 2) << "one screen counted";
}

TEST_F(CoefficientTable, CountBeyondTheTableShowsItsRowsOnly) {
  LOWCOF.NUWNPT = 400;  // a damaged file
  const std::string screen = edit(0x111, "\n");
  EXPECT_TRUE(contains(screen, "   1) Number of angles (21 Maximum): **\n")) << screen;
  int rows = 0;
  for (std::size_t at = screen.find("\n     0.00        0.000"); at != std::string::npos;
       at = screen.find("\n     0.00        0.000", at + 1))
    ++rows;
  EXPECT_EQ(rows, 21);
}

}  // namespace
}  // namespace qv
