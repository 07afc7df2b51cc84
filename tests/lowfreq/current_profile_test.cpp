#include "lowfreq/current_profile.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "dataset/tpcm.h"
#include "lowfreq/curprof.h"
#include "platform/units.h"
#include "support/checks.h"
#include "support/console_capture.h"
#include "support/temp_dir.h"

namespace qv {
namespace {

using qv::testing_support::ConsoleCapture;
using qv::testing_support::IsClose;
using qv::testing_support::stopStatus;
using qv::testing_support::TempDir;
using qv::testing_support::writeFileText;

TEST(DraftAveragedCurrent, ProfileModes) {
  const float none[1] = {0.0f};
  // Mode 0: the root mean square of (1 - z/d)^(1/7) over the draft, sqrt((1 - (1 - e)^(9/7)) /
  // (9/7 e)) for e = draft / depth; at draft = depth sqrt(7/9) = 0.8819171.
  EXPECT_TRUE(IsClose(AVGCUR(100, 100, 0, none, none, 2.0f, 0), 2.0 * 0.8819171, 1e-6));
  EXPECT_TRUE(IsClose(AVGCUR(100, 20, 0, none, none, 3.0f, 0),
                      3.0 * std::sqrt((1 - std::pow(0.8, 9.0 / 7.0)) / (9.0 / 7.0 * 0.2)), 1e-6));
  // Below the bottom the speed is 0: the squares integrate to d / (9/7) over the draft.
  EXPECT_TRUE(IsClose(AVGCUR(100, 150, 0, none, none, 1.0f, 0), std::sqrt(100 / (9.0 / 7.0) / 150), 1e-6));
  // Mode 1: the surface speed; a draft of nothing sees the surface speed too.
  EXPECT_EQ(AVGCUR(100, 20, 1, none, none, 2.5f, 0), 2.5f);
  EXPECT_EQ(AVGCUR(100, 0, 0, none, none, 2.5f, 0), 2.5f);
  EXPECT_EQ(AVGCUR(100, 20, 4, none, none, 2.5f, 0), 0.0f);
}

TEST(DraftAveragedCurrent, TabulatedProfile) {
  // From 2 at the surface to 1 at depth 10, then 1 to depth 20: the squares integrate to
  // (1 - 8) / (3 (-0.1)) = 70/3 over the first piece.
  const float speed[] = {1.0f, 1.0f};
  const float depth[] = {10.0f, 20.0f};
  struct Case {
    float draft;
    double expected;
  };
  const Case cases[] = {
      {15, std::sqrt((70.0 / 3 + 5) / 15)},
      {30, std::sqrt((70.0 / 3 + 20) / 30)},  // below the last point the last speed holds
      {5, std::sqrt((8 - 1.5 * 1.5 * 1.5) / 0.3 / 5)},  // cut inside the first piece at speed 1.5
      {10, std::sqrt(70.0 / 3 / 10)},
  };
  for (const Case& c : cases) {
    EXPECT_TRUE(IsClose(AVGCUR(50, c.draft, 2, speed, depth, 2.0f, 2), c.expected, 1e-6)) << c.draft;
    EXPECT_TRUE(IsClose(AVGCUR(50, c.draft, 3, speed, depth, 2.0f, 2), c.expected, 1e-6)) << c.draft;
  }
  // A point at the surface replaces the surface speed; a flat table is the uniform speed.
  const float fromSurface[] = {3.0f, 3.0f};
  const float surfaceDepths[] = {0.0f, 40.0f};
  EXPECT_TRUE(IsClose(AVGCUR(50, 12, 2, fromSurface, surfaceDepths, 9.0f, 2), 3.0, 1e-6));
}

TEST(DraftAveragedCurrent, FineTableConvergesToThePowerLaw) {
  // 101 points of the 1/7-power profile down to the bottom, read as a table.
  const float depth = 80.0f;
  std::vector<float> speeds, depths;
  for (int i = 1; i <= 101; ++i) {
    depths.push_back(depth * static_cast<float>(i) / 101);
    speeds.push_back(2.0f * VONE7TH(depth, depths.back()));
  }
  for (const float draft : {10.0f, 25.0f, 60.0f}) {
    const float law = AVGCUR(depth, draft, 0, nullptr, nullptr, 2.0f, 0);
    EXPECT_TRUE(IsClose(AVGCUR(depth, draft, 2, speeds.data(), depths.data(), 2.0f, 101), law, 1e-3)) << draft;
  }
  EXPECT_EQ(VONE7TH(80, 80), 0.0f);
  EXPECT_EQ(VONE7TH(80, 95), 0.0f);
  EXPECT_TRUE(IsClose(VONE7TH(80, 40), std::pow(0.5, 1.0 / 7), 1e-6));
}

class CurrentProfile : public ::testing::Test {
 protected:
  void SetUp() override {
    std::memset(&TPCM, 0, sizeof TPCM);
    CURPROF.reset();
    currentProfileState.reset();
    TPCM.DEPTH = 100.0f;
    TPCM.LCURNT = 1;
    TPCM.CURSPD = 2.0f;
    TPCM.CURHDG = 45.0f;
  }
  void TearDown() override { closeAllUnits(); }

  // The profile as (depth, speed, heading) rows.
  static std::vector<std::array<float, 3>> rows() {
    std::vector<std::array<float, 3>> r;
    for (int i = 1; i <= CURPROF.NCURNTPF; ++i) r.push_back({CURPROF.DPTHIPF(i), CURPROF.VELIPF(i), CURPROF.CURHDGPF(i)});
    return r;
  }
  TempDir dir;
};

TEST_F(CurrentProfile, BuiltFromTheDataSetOnce) {
  struct Case {
    std::int32_t current, mode;
    std::vector<std::array<float, 3>> expected;
    float dzmin;
  };
  const float s = 2.0f;
  const auto law = [&](float d) { return s * static_cast<float>(std::pow(1 - d / 100.0, 1.0 / 7)); };
  const Case cases[] = {
      {0, 0, {{50, 0, 0}, {100, 0, 0}}, 50},
      {1, 0,
       {{30, law(30), 45}, {60, law(60), 45}, {70, law(70), 45}, {80, law(80), 45}, {90, law(90), 45},
        {97.5f, law(97.5f), 45}, {100, 0, 45}},
       2.5f},
      {1, 1, {{20, s, 45}, {40, s, 45}, {60, s, 45}, {80, s, 45}, {100, s, 45}}, 20},
      {1, 2, {{5, 1.5f, 45}, {12, 1.0f, 45}, {40, 0.5f, 45}}, 5},
  };
  for (const Case& c : cases) {
    SetUp();
    TPCM.LCURNT = c.current;
    TPCM.LCSTCR = c.mode;
    TPCM.NCURNT = 3;
    TPCM.DPTHI(1) = 5;
    TPCM.DPTHI(2) = 12;
    TPCM.DPTHI(3) = 40;
    TPCM.VELI(1) = 1.5f;
    TPCM.VELI(2) = 1.0f;
    TPCM.VELI(3) = 0.5f;
    float dzmin = 0.0f;
    CURPROF_INIT(20.0f, dzmin, kScreenUnit, kKeyboardUnit);
    const auto got = rows();
    ASSERT_EQ(got.size(), c.expected.size()) << c.mode;
    for (std::size_t i = 0; i < got.size(); ++i) {
      for (int k = 0; k < 3; ++k) {
        EXPECT_TRUE(IsClose(got[i][k], c.expected[i][k], 1e-6)) << "mode " << c.mode << " point " << i;
      }
    }
    EXPECT_TRUE(IsClose(dzmin, c.dzmin, 1e-5)) << c.mode;
    EXPECT_EQ(TPCM.CURSPD, c.current == 0 ? 0.0f : s);
    // Later calls change nothing and return the same spacing.
    TPCM.LCSTCR = 1;
    TPCM.DEPTH = 7.0f;
    float again = -1.0f;
    CURPROF_INIT(20.0f, again, kScreenUnit, kKeyboardUnit);
    EXPECT_EQ(again, dzmin);
    EXPECT_EQ(rows(), got);
  }
}

TEST_F(CurrentProfile, FileWithANoteWhenTheHeadingTurnsAboveTheKeel) {
  TPCM.LCSTCR = 3;
  writeFileText("CRNTPROF.txt", "3\n4 2.2 45\n 15, 1.6, 60\n70 0.4 90\n");
  ConsoleCapture console("\n");
  float dzmin = 0.0f;
  CURPROF_INIT(20.0f, dzmin, kScreenUnit, kKeyboardUnit);
  EXPECT_EQ(console.screen(),
            " ++>  Note: The current direction specified in CRNTPROF.txt changes at a depth\n"
            "      less than vessel draft; vessel forces are computed assuming constant\n"
            "      current direction down to the vessel draft. \n"
            "\n Press <RETURN> to continue: ");
  EXPECT_EQ(rows(), (std::vector<std::array<float, 3>>{{4, 2.2f, 45}, {15, 1.6f, 60}, {70, 0.4f, 90}}));
  EXPECT_EQ(dzmin, 4.0f);
  // The heading turning below the keel needs no note.
  SetUp();
  TPCM.LCSTCR = 3;
  writeFileText("CRNTPROF.txt", "2\n4 2.2 45\n30 1.0 80\n");
  ConsoleCapture quiet;
  CURPROF_INIT(20.0f, dzmin, kScreenUnit, kKeyboardUnit);
  EXPECT_EQ(quiet.screen(), "");
  EXPECT_EQ(dzmin, 4.0f);
}

TEST_F(CurrentProfile, TablesThatCannotServeStop) {
  std::string rows101;
  for (int i = 1; i <= 102; ++i) rows101 += std::to_string(i) + " 1 45\n";
  struct Case {
    int mode;
    const char* file;  // nullptr: no file
    std::int32_t points;
    std::string expected;
  };
  const Case cases[] = {
      {3, nullptr, 0,
       " ++>  User-supplied current profile \"CRNTPROF.txt\" not found\n"
       "     the current variation with depth (page 12, item 3) reads it:\n"
       "     choose another there, or put the file in the data set's folder.\n\a\n"
       " Enter \"A\" to abort or Press <RETURN> to continue: "},
      {3, "102\n", 0,
       " ++>  User-supplied current profile array in CRNTPROF.txt\n      dimension = [102] out of range; allowable\n"
       "      dimension = [  2 to 101]\n\n Press <RETURN> to continue: "},
      {3, "1\n5 1 45\n", 0,
       " ++>  User-supplied current profile array in CRNTPROF.txt\n      dimension = [  1] out of range; allowable\n"
       "      dimension = [  2 to 101]\n\n Press <RETURN> to continue: "},
      {3, "3\n5 1 45\n9 1 45\n9 1 45\n", 0,
       "\n ++> User file \"CRNTPROF.txt\", line 4, column 1 (a depth) is 9.00;\n"
       "     the analysis needs a value above 9.00, the depth on line 3 (the depths\n"
       "     increase strictly).\n\n\n Press <RETURN> to continue: "},
      {3, "2\n5 1 45\n9 x 45\n", 0,
       "\n ++> User file \"CRNTPROF.txt\": line 3, column 2 holds \"x\", which is no number;\n"
       "     the analysis needs row 2 of 2 there: 3 values (depth below the surface in\n"
       "     ft, speed in knots, heading in degrees).\n\n\n Press <RETURN> to continue: "},
      // A row short of a value on its own line is named there, not where it would shift the next row.
      {3, "3\n5 1 45\n9 1\n20 0.5 45\n", 0,
       "\n ++> User file \"CRNTPROF.txt\": line 3 holds 2 values;\n"
       "     the analysis needs row 2 of 3 there: 3 values (depth below the surface in\n"
       "     ft, speed in knots, heading in degrees).\n\n\n Press <RETURN> to continue: "},
      // A row more than the count gives, and a decimal comma.
      {3, "2\n5 1 45\n9 1 45\n20 0.5 45\n", 0,
       "\n ++> User file \"CRNTPROF.txt\": line 4 holds a row after the 2 rows that line 1\n"
       "     counts;\n"
       "     the analysis needs line 1 to count every row, or the rows after them\n"
       "     removed (a note after the last row begins with a word that is no number).\n\n\n"
       " Press <RETURN> to continue: "},
      {3, "2\n5 1,5 45\n9 1 45\n", 0,
       "\n ++> User file \"CRNTPROF.txt\": line 2 holds 4 values where its row has 3 (a\n"
       "     comma separates values: write 0.90, not 0,90);\n"
       "     the analysis needs row 1 of 2 there: 3 values (depth below the surface in\n"
       "     ft, speed in knots, heading in degrees).\n\n\n Press <RETURN> to continue: "},
      // Each value bounded by what it is: a depth in the water (100 ft deep here), a current's speed, a
      // heading within a turn.
      {3, "2\n5 1 45\n120 1 45\n", 0,
       "\n ++> User file \"CRNTPROF.txt\", line 3, column 1 (a depth) is 120.00;\n"
       "     the analysis needs a value from 0.00 to 100.00 (the water depth,\n"
       "     page 1, item 4).\n\n\n"
       " Press <RETURN> to continue: "},
      {3, "2\n5 -1 45\n20 1 45\n", 0,
       "\n ++> User file \"CRNTPROF.txt\", line 2, column 2 (a speed) is -1.00;\n"
       "     the analysis needs a value from 0.00 to 25.00 (knots: the strongest tidal\n"
       "     streams run below 25).\n\n\n"
       " Press <RETURN> to continue: "},
      {3, "2\n5 1 45\n20 1 400\n", 0,
       "\n ++> User file \"CRNTPROF.txt\", line 3, column 3 (a heading) is 400.00;\n"
       "     the analysis needs a value from -360.00 to 360.00 (degrees: a turn either\n"
       "     way).\n\n\n"
       " Press <RETURN> to continue: "},
      {2, nullptr, 6,
       " ++>  Current profile table of the data set\n      dimension = [  6] out of range; allowable\n"
       "      dimension = [  5]\n\n Press <RETURN> to continue: "},
      {2, nullptr, 1,
       " ++>  Current profile table of the data set\n      dimension = [  1] out of range; allowable\n"
       "      dimension = [  5]\n\n Press <RETURN> to continue: "},
      {2, nullptr, 2,
       " ++>  Current profile table of the data set\n"
       "     row 2 (a depth) is 8.00;\n"
       "     the analysis needs a value above 10.00, the depth in row 1 (the depths\n"
       "     increase strictly).\n\n Press <RETURN> to continue: "},
  };
  for (const Case& c : cases) {
    SetUp();
    std::remove("CRNTPROF.txt");
    if (c.file) writeFileText("CRNTPROF.txt", std::string(c.file) + (c.file[0] == '1' && c.file[1] == '0' ? rows101 : ""));
    TPCM.LCSTCR = c.mode;
    TPCM.NCURNT = c.points;
    TPCM.DPTHI(1) = 10;
    TPCM.DPTHI(2) = 8;
    ConsoleCapture console("\n");
    float dzmin = 0.0f;
    EXPECT_EQ(stopStatus([&] { CURPROF_INIT(20.0f, dzmin, kScreenUnit, kKeyboardUnit); }), kExitFatal);
    EXPECT_EQ(console.screen(), c.expected);
  }
}

}  // namespace
}  // namespace qv
