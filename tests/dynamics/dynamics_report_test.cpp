// The reports of the wave-frequency stage: whole small runs of the attached and the free SALM
// compared with reviewed expected files (section VII in "DYNOUT.stxt", with the member-load pages,
// its plot records "DYNPLT.plt" and sections IX to XI in "RANOUT.stxt"; the expected files of
// tests/dynamics/expected/ were read once against the layout of every page); the wave
// pages against linear wave theory solved in the test; the static rows against the rotation they
// stand for; the way back through the tables on the console.
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "dynamics/dynout.h"
#include "dynamics/dynslm.h"
#include "dynamics/fremot.h"
#include "dynamics_report_fixtures.h"
#include "hull/equilb.h"
#include "platform/units.h"
#include "slowdrift/output.h"
#include "statics/solve.h"
#include "support/checks.h"
#include "support/console_capture.h"
#include "support/expected_files.h"
#include "support/fresh_run.h"
#include "support/linear_waves.h"
#include "support/temp_dir.h"

namespace qv {
namespace {

using testing_support::expectedFile;
using testing_support::readFileText;

struct ReportCase {
  const char* name;
  void (*build)();
  void (*stage)();  // the wave-frequency stage that runs
};

class DynamicsReport : public testing_support::FreshRun, public ::testing::WithParamInterface<ReportCase> {};

TEST_P(DynamicsReport, WritesTheExpectedReportsAndPlotFile) {
  const ReportCase& c = GetParam();
  testing_support::TempDir dir;
  c.build();
  testing_support::ConsoleCapture console;
  ASSERT_EQ(testing_support::stopStatus(c.stage), -1) << console.screen();
  EXPECT_EQ(readFileText("DYNOUT.stxt"), expectedFile("dynamics", std::string("DYNOUT_") + c.name + ".stxt"));
  EXPECT_EQ(readFileText("DYNPLT.plt"), expectedFile("dynamics", std::string("DYNPLT_") + c.name + ".plt"));
  EXPECT_EQ(readFileText("RANOUT.stxt"), expectedFile("dynamics", std::string("RANOUT_") + c.name + ".stxt"));
}

INSTANTIATE_TEST_SUITE_P(Runs, DynamicsReport,
                         ::testing::Values(ReportCase{"english_hawser", testing_support::englishHawserRun, DYNSLM},
                                           ReportCase{"metric_yoke", testing_support::metricYokeRun, DYNSLM},
                                           ReportCase{"free_two_members", testing_support::freeTwoMemberReportRun,
                                                      FREMOT},
                                           ReportCase{"free_one_member", testing_support::freeOneMemberReportRun,
                                                      FREMOT}),
                         [](const ::testing::TestParamInfo<ReportCase>& info) { return std::string(info.param.name); });

class SectionSeven : public testing_support::FreshRun {};

// Linear wave theory in double precision: the wave number from omega^2 = g k tanh(k d), then the wave
// and its surface particle motions.
struct Wave {
  double k, length, c, cg, a, slopeDeg, height;
  double accH, accV, velH, velV, dispH, dispV;  // accelerations in g
};
Wave linearWave(double T, double depth, double g, bool slopeGiven, double value) {
  const double w = 2.0 * M_PI / T;
  const double k = testing_support::linearWaveNumber(w, depth, g);
  Wave v{};
  v.k = k;
  v.length = 2.0 * M_PI / k;
  v.c = w / k;
  const double kd = k * depth;
  v.cg = 0.5 * v.c * (1.0 + (kd > 300.0 ? 0.0 : 2.0 * kd / std::sinh(2.0 * kd)));
  v.a = slopeGiven ? value * M_PI / 180.0 / k : 0.5 * value;
  v.slopeDeg = v.a * k * 180.0 / M_PI;
  v.height = 2.0 * v.a;
  const double th = std::tanh(kd);
  v.accH = v.a * w * w / (g * th);
  v.accV = v.a * w * w / g;
  v.velH = v.a * w / th;
  v.velV = v.a * w;
  v.dispH = v.a / th;
  v.dispV = v.a;
  return v;
}

// The numbers of the rows of seven numbers on the screen, in their order.
std::vector<std::vector<double>> numberRows(const std::string& screen) {
  std::vector<std::vector<double>> rows;
  std::istringstream lines(screen);
  std::string line;
  while (std::getline(lines, line)) {
    std::istringstream in(line);
    std::vector<double> row;
    double v = 0.0;
    while (in >> v) row.push_back(v);
    if (in.eof() && row.size() == 7) rows.push_back(row);
  }
  return rows;
}

// One unit of the last digit of an E10.3 field holding v.
double lastDigitOfE(double v) { return std::pow(10.0, std::floor(std::log10(std::fabs(v))) + 1.0 - 3.0); }

// Every figure of the two wave pages within one unit of its last printed digit, for English and
// metric depth and gravity, a wave height and a wave slope; in deep water (kd of 80 and more) the
// group speed is exactly half the phase speed.
TEST_F(SectionSeven, WavePagesAgreeWithLinearWaveTheory) {
  struct Case {
    const char* name;
    std::int32_t NUNTS;
    float depth, g;
    std::int32_t LSLPHT;
    float SLPHT, first, step;
    bool deep;
  };
  const Case cases[] = {
      {"English, 60 ft, a height of 8 ft", 0, 60.0f, 32.152f, 0, 8.0f, 4.0f, 2.0f, false},
      {"metric, 25 m, a slope of 5 degrees", 1, 25.0f, 9.8f, 1, 5.0f, 3.0f, 2.0f, false},
      {"English, 1000 ft, deep water", 0, 1000.0f, 32.152f, 0, 3.0f, 2.0f, 0.5f, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    testing_support::threeMemberColumn();
    Tpcm& t = TPCM;
    t.NUNTS = c.NUNTS;
    t.DEPTH = c.depth;
    t.LSLPHT = c.LSLPHT;
    t.SLPHT = c.SLPHT;
    testing_support::setWaveGrid(3, c.first, c.step, c.g);
    OUTPUT.ISPRED = 1;
    testing_support::ConsoleCapture console("\n\n");
    DYNOUT();
    const std::vector<std::vector<double>> rows = numberRows(console.screen());
    ASSERT_EQ(rows.size(), 6u) << console.screen();
    for (int i = 0; i < 3; ++i) {
      const double T = c.first + c.step * i;
      const Wave w = linearWave(T, c.depth, c.g, c.LSLPHT != 0, c.SLPHT);
      const std::vector<double>& p = rows[static_cast<std::size_t>(i)];
      const std::vector<double>& q = rows[static_cast<std::size_t>(i + 3)];
      SCOPED_TRACE("period " + std::to_string(T));
      EXPECT_NEAR(p[0], T, 0.01);
      EXPECT_NEAR(p[1], w.length, 0.01);
      EXPECT_NEAR(p[2], c.LSLPHT != 0 ? w.height : w.slopeDeg, 0.01);
      EXPECT_NEAR(p[3], w.c, 0.01);
      EXPECT_NEAR(p[4], w.cg, 0.01);
      EXPECT_NEAR(p[5], w.k, lastDigitOfE(w.k));
      EXPECT_NEAR(p[6], 2.0 * M_PI / T, 0.001);
      if (c.deep) {
        EXPECT_NEAR(p[4], 0.5 * p[3], 0.0051);
      }
      const double expected[6] = {w.accH, w.accV, w.velH, w.velV, w.dispH, w.dispV};
      for (int n = 0; n < 6; ++n) EXPECT_NEAR(q[static_cast<std::size_t>(n + 1)], expected[n], 0.001) << n;
    }
  }
}

// The static loads of a member end are the mean horizontal load and the joint's vertical load turned
// into the member's axes, shear^2 + axial^2 = H^2 + Z^2; each side of the yoke carries half.
TEST_F(SectionSeven, StaticRowsAreTheMeanLoadsTurnedIntoTheMember) {
  testing_support::TempDir dir;
  testing_support::threeMemberColumn(kYoke);
  EQUILB.TANGLE(1) = 0.4f;
  EQUILB.YOKSLM = 0.1f;
  testing_support::writeYokemot({testing_support::smoothHeading(TPCM.NWP, 1, 0.2f, 0)});
  TPCM.IUNIT = 1;
  testing_support::ConsoleCapture console;
  ASSERT_EQ(testing_support::stopStatus([] { DYNSLM(); }), -1) << console.screen();
  const double H = EQUILB.FTOT(1);
  for (int m = 1; m <= 3; ++m) {
    const StaticLoadRows r = staticLoadRows(1, m);
    for (int end = 0; end < 2; ++end) {
      const double Z = SOLVE.ZLDTMP(m + end);
      const double shear = r.value[0][end], axial = r.value[1][end];
      EXPECT_TRUE(testing_support::IsClose(shear * shear + axial * axial, H * H + Z * Z, 1e-5))
          << "member " << m << ", end " << end;
    }
  }
  const StaticLoadRows sides = staticLoadRows(-1, 3);
  const double Z = SOLVE.ZLDTMP(4);
  for (int side = 0; side < 2; ++side) {
    const double shear = sides.value[0][side], axial = sides.value[1][side];
    EXPECT_TRUE(testing_support::IsClose(shear * shear + axial * axial, 0.25 * (H * H + Z * Z), 1e-5)) << side;
  }
}

// The tables the screen showed, in order: WP and PD the wave pages, Jn the position of joint n, IN
// and LAT the angle tables, BASE the base reaction, mB and mT the bottom and top loads of member m.
std::vector<std::string> tablesShown(const std::string& screen) {
  std::vector<std::string> shown;
  std::istringstream lines(screen);
  std::string line;
  while (std::getline(lines, line)) {
    if (line == " >>> WAVE PROPERTIES") shown.push_back("WP");
    else if (line == " >>> WATER PARTICLE DYNAMICS AT SURFACE") shown.push_back("PD");
    else if (line.find("----------------  JOINT #") != std::string::npos) shown.push_back("J" + line.substr(48, 1));
    else if (line.rfind(" >>> IN-PLANE ANGLE", 0) == 0) shown.push_back("IN");
    else if (line.rfind(" >>> LATERAL ANGLE", 0) == 0) shown.push_back("LAT");
    else if (line.find("NET BASE REACTION") != std::string::npos) shown.push_back("BASE");
    else if (line.find("NET BOTTOM LOAD") != std::string::npos) shown.push_back(line.substr(14, 1) + "B");
    else if (line.find("NET TOP LOAD") != std::string::npos) shown.push_back(line.substr(14, 1) + "T");
  }
  return shown;
}

// On the console a reply of -1 at a table's pause goes back: to the start of the section from a
// joint position, to the joint positions from the in-plane angles, to the in-plane angles from the
// lateral ones, to the angles from the base reaction, then one table back up to member 1's top
// load; a group that is switched off is passed over. The replies at the wave pages go on.
TEST_F(SectionSeven, BackRepliesOnTheConsoleFollowTheTables) {
  struct Case {
    const char* name;
    std::int32_t LPOSN, LANGLE;
    const char* replies;
    std::vector<std::string> shown;
  };
  const std::vector<std::string> loads = {"BASE", "1B", "1T", "2B", "2T", "3B", "3T"};
  const auto join = [](std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
  };
  const Case cases[] = {
      {"back through the angles and positions to the start", 1, 1, "-1\n\n\n\n\n\n-1\n-1\n-1\n",
       join({"WP", "PD", "J2", "J3", "J4", "IN", "LAT", "IN", "J2", "WP", "PD", "J2", "J3", "J4", "IN", "LAT"}, loads)},
      {"back from the loads, one table at a time", 1, 1, "\n\n\n\n\n\n\n\n\n\n-1\n-1\n-1\n",
       join({"WP", "PD", "J2", "J3", "J4", "IN", "LAT", "BASE", "1B", "1T", "2B", "1T", "1B"}, loads)},
      {"no positions: from the base reaction to the angles", 0, 1, "\n\n\n\n-1\n",
       join({"WP", "PD", "IN", "LAT", "BASE", "IN", "LAT"}, loads)},
      {"no positions and no angles: from the base reaction to the start", 0, 0, "\n\n-1\n",
       join({"WP", "PD", "BASE", "WP", "PD"}, loads)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    testing_support::TempDir dir;
    ASSERT_EQ(testing_support::englishHawserRunDoneForTheConsole(), -1);
    Tpcm& t = TPCM;
    t.IPLOTS = 0;
    t.LPOSN = c.LPOSN;
    t.LANGLE = c.LANGLE;
    testing_support::ConsoleCapture console(c.replies + std::string(20, '\n'));
    DYNOUT();
    EXPECT_EQ(tablesShown(console.screen()), c.shown);
  }
}

}  // namespace
}  // namespace qv
