// The tanker example under way in following and stern-quartering seas, through the whole chain.
// Surge, sway and yaw of a ship have no restoring: where the ship runs with a wave at nearly its own
// speed the encounter frequency we = w - k U cos(b) passes through 0 and their response operators
// grow as 1 / we^2 (7 m/s in the example's following sea meets the 4.5 s wave at 0.004 rad/s, its
// surge operator 1,340 m per m). How much of that a statistic takes in then depends only on how
// close to we = 0 the period grid happens to fall, which a statistic of the ship's motions, or of
// the SALM it drives, cannot do. So the check owes nothing to the stages' formulas: each case runs
// the example twice, the second time with every period of the grid 0.05 s longer (a tenth of its
// step), and every wave-frequency statistic of the ship's report (its six significant motions and
// the motion of the yoke's point) and of the SALM's statistics report (the two-sigma motions of the
// members and the loads at their ends) agrees within 25 %. Nearly at rest the statistics are those
// at rest.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstring>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "dataset/tpcm.h"
#include "example_run.h"
#include "platform/block_reset.h"
#include "platform/units.h"
#include "support/checks.h"
#include "support/example_data.h"
#include "support/report_values.h"
#include "util/fortran_format.h"

namespace qv {
namespace {

using testing_support::contains;
using testing_support::example;
using testing_support::occurrences;
using testing_support::readFileText;
using testing_support::rowAfter;
using testing_support::withWord;

constexpr int kPeriods = 41;  // the example's grid, 4 to 24 s

// The example at the forward speed `speed` [m/s] with its regular waves and its sea at `heading`
// [deg] relative to the ship (0: from astern), every grid period `shift` [s] longer.
std::string underWay(float speed, float heading, float shift) {
  std::string image = example("tanker-yoke");
  image = withWord(image, offsetof(Tpcm, TVFWD), speed);
  image = withWord(image, offsetof(Tpcm, WAVHDG), heading);
  image = withWord(image, offsetof(Tpcm, SEAHDG), heading);
  for (int i = 0; i < kPeriods; ++i) {
    const std::size_t at = offsetof(Tpcm, T) + 4 * static_cast<std::size_t>(i);
    float period = 0.0f;
    std::memcpy(&period, image.data() + at, 4);
    image = withWord(image, at, period + shift);
  }
  return image;
}

// The wave-frequency statistics of a run, by name: the ship's significant motions and the motion of
// its one point (the yoke), the SALM's two-sigma member motions and member-end loads.
std::map<std::string, double> statistics() {
  std::map<std::string, double> values;
  const std::string ship = readFileText("TANKRAN.stxt");
  const std::string table = "+++ SIGNIFICANT SINGLE AMPLITUDE MOTIONS +++";
  EXPECT_TRUE(contains(ship, table));
  for (const char* mode : {"SURGE", "SWAY", "HEAVE", "ROLL", "PITCH", "YAW"}) {
    std::istringstream row(ship.substr(ship.find(")", ship.find(std::string("   ") + mode, ship.find(table))) + 1));
    double value = NAN;
    row >> value;
    values[std::string("ship ") + mode] = value;
  }
  const std::size_t point = ship.find("( X, Y, Z)");
  EXPECT_NE(point, std::string::npos);
  std::istringstream components(ship.substr(ship.find(")", ship.find("\n (", point)) + 1));
  for (const char* c : {"x", "y", "z"}) {
    double value = NAN;
    components >> value;
    values[std::string("yoke point ") + c] = value;
  }

  const std::string salm = readFileText("RANOUT.stxt");
  const char* motions[] = {"radial", "vertical", "lateral", "in-plane angle", "lateral angle"};
  for (const char* member : {"1", "2", "3"}) {
    const std::vector<double> row = rowAfter(salm, "---- WAVE-FREQUENCY MOTIONS", member);
    EXPECT_EQ(row.size(), 5u) << "member " << member;
    for (std::size_t j = 0; j < std::min<std::size_t>(row.size(), 5); ++j) {
      values[std::string("member ") + member + " " + motions[j]] = row[j];
    }
  }
  const char* loads[] = {"bottom shear", "bottom axial", "bottom lateral", "top shear", "top axial", "top lateral"};
  for (const char* end : {"0", "1", "2", "3R", "3L", "4R", "4L"}) {
    const std::vector<double> row = rowAfter(salm, "---- WAVE-FREQUENCY LOADS", end);
    EXPECT_EQ(row.size(), 6u) << "load row " << end;
    for (std::size_t j = 0; j < std::min<std::size_t>(row.size(), 6); ++j) {
      values[std::string("load ") + end + " " + loads[j]] = row[j];
    }
  }
  return values;
}

class UnderWay : public testing_support::ExampleRun {
 protected:
  // One unattended run of the image to its end, as a process of its own would make it: its
  // statistics, and what it wrote on standard error.
  std::map<std::string, double> run(const std::string& image, std::string& standardError) {
    closeAllUnits();
    resetAllBlocks();
    ::testing::internal::CaptureStderr();
    const int status = runImage(image);
    standardError = ::testing::internal::GetCapturedStderr();
    closeAllUnits();
    EXPECT_EQ(status, -1) << standardError;
    return statistics();
  }
};

constexpr const char* kWarning = " ++> Warning: under way at ";

// The figures of two runs agree within `rel` of the larger, or within two steps of the reports'
// coarsest print (0.01) where both are that small.
void expectAgree(const std::map<std::string, double>& a, const std::map<std::string, double>& b, double rel,
                 const std::string& what) {
  ASSERT_EQ(a.size(), b.size());
  for (const auto& [name, x] : a) {
    const double y = b.at(name);
    EXPECT_LE(std::fabs(x - y), rel * std::max(std::fabs(x), std::fabs(y)) + 0.02) << what << ", " << name << ": " << x
                                                                                   << " and " << y;
  }
}

TEST_F(UnderWay, TheStatisticsDoNotMoveWithThePeriodGrid) {
  struct Case {
    float speed;    // [m/s]
    float heading;  // of the waves relative to the ship [deg]
  };
  const Case cases[] = {{2.0f, 0.0f},  {3.0f, 0.0f},  {4.0f, 0.0f},  {5.0f, 0.0f},  {6.0f, 0.0f},
                        {7.0f, 0.0f},  {8.0f, 0.0f},  {2.0f, 30.0f}, {3.0f, 30.0f}, {4.0f, 30.0f},
                        {5.0f, 30.0f}, {6.0f, 30.0f}, {7.0f, 30.0f}, {8.0f, 30.0f}};
  for (const Case& c : cases) {
    const std::string what = "at " + messageValue(c.speed) + " m/s, waves at " + messageValue(c.heading) + " deg";
    SCOPED_TRACE(what);
    std::string onGrid, shiftedErr;
    const std::map<std::string, double> plain = run(underWay(c.speed, c.heading, 0.0f), onGrid);
    // Each run warns once, on standard error and in its diagnostics, naming the speed.
    EXPECT_EQ(occurrences(readFileText("Diagnostics.stxt"), kWarning), 1);
    EXPECT_EQ(occurrences(onGrid, kWarning), 1) << onGrid;
    const std::map<std::string, double> shifted = run(underWay(c.speed, c.heading, 0.05f), shiftedErr);
    expectAgree(plain, shifted, 0.25, what);
  }
}

// In the following sea at 7 m/s the ship meets the 4.5 s wave at 0.004 rad/s: its surge there
// reaches 1,340 m per m in the operator tables, which still show every period (the 4.5 s wave, 31.6 m
// long, in both force tables, its encounter period of 1,658 s too long for the field). The run goes
// through every stage, and the ship's significant surge stays of the size it has at rest in the
// same sea (0.21 m) rather than of hundreds of metres.
TEST_F(UnderWay, AtSevenMetresASecondTheTablesKeepEveryRowAndTheSurgeItsSize) {
  std::string standardError;
  const std::map<std::string, double> got = run(underWay(7.0f, 0.0f, 0.0f), standardError);
  EXPECT_EQ(occurrences(readFileText("TANKRAO.stxt"), "\n  ******     31.6 "), 2);
  EXPECT_LT(got.at("ship SURGE"), 1.0);
  EXPECT_LT(got.at("yoke point x"), 1.0);
  EXPECT_LT(got.at("member 3 radial"), 1.0);
}

// As the speed goes to 0 the statistics go to those at rest: at 0.25 m/s in the following sea
// within 5 %, though the longest periods of the grid are already met more slowly than the grid
// reaches (their waves hold next to no energy of this sea).
TEST_F(UnderWay, NearlyAtRestTheStatisticsAreThoseAtRest) {
  std::string atRestErr, slowErr;
  const std::map<std::string, double> atRest = run(underWay(0.0f, 0.0f, 0.0f), atRestErr);
  EXPECT_EQ(occurrences(atRestErr, kWarning), 0);
  const std::map<std::string, double> nearlyAtRest = run(underWay(0.25f, 0.0f, 0.0f), slowErr);
  EXPECT_EQ(occurrences(slowErr, kWarning), 1);
  expectAgree(atRest, nearlyAtRest, 0.05, "at 0.25 m/s against at rest");
}

}  // namespace
}  // namespace qv
