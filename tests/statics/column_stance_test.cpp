// The tanker example's column under mild changes of one value: where its zero-load configuration
// stands, the load-offset table follows it from zero load; where it falls over, the statics refuse
// it before any table, naming the members that fall, what they carry and the water depth from which
// the column would stand. The values come from the mechanics of the planar chain
// (reference/column_stance_reference.py), not from the program's formulas.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "hull/equilb.h"
#include "salm_fixtures.h"
#include "statics/solve.h"
#include "statics/stsalm.h"
#include "support/checks.h"
#include "support/console_capture.h"
#include "support/temp_dir.h"

namespace qv {
namespace {

using testing_support::ConsoleCapture;
using testing_support::contains;
using testing_support::IsClose;
using testing_support::TempDir;

constexpr double kDegreesPerRadian = 57.29577951308232;

// The depth after "from a water depth of " in the message [m].
double depthFrom(const std::string& screen) {
  const std::string key = "from a water depth of ";
  const std::size_t at = screen.find(key);
  if (at == std::string::npos) return 0.0;
  return std::stod(screen.substr(at + key.size()));
}

// The tube and the buoy stand straight up at zero load and the yoke closes to the vessel. The least
// eigenvalue of the reduced Hessian of the potential energy (column_stance_reference.py) is negative
// in each of these: the buoy, with too little of it under water and the yoke's 100 t on its top, is
// an inverted pendulum that falls over (in 80 m of water the tube falls too: -7149.7 and -6451.1
// t m). Its shape continued under a load leans against the load (at 1 t in 80 m of water the tube
// -0.67 deg, the buoy -0.24 deg), and the stable equilibrium lies far from it (the buoy lying over at
// 72.78 deg). The search over the tube's cotangent stopped at the first load with "found no column
// configuration at 6.95 metric tons: the maximum horizontal load ... lies beyond what the column can
// carry".
TEST(ColumnStance, AColumnThatFallsOverAtZeroLoadIsRefusedWithTheDepthItStandsFrom) {
  struct Case {
    const char* name;
    float depth;       // DEPTH [m]
    int element;       // the element changed, 0 none
    float length;      // its SLEN, 0 unchanged
    float volume;      // its BUOY, 0 unchanged
    const char* buoy;  // the buoy's lines
    bool tubeFalls;
    double standsFrom;  // column_stance_reference.py: least depth at which the column stands [m]
  };
  const Case cases[] = {
      {"80 m of water", 80.0f, 0, 0.0f, 0.0f,
       "     member 2 (element 3) stands straight up with 4.00 meters of it under water,\n"
       "     pushed down at its top by 100.00 metric tons; it weighs 500.00 metric tons,\n",
       true, 91.3389},
      {"90 m of water", 90.0f, 0, 0.0f, 0.0f,
       "     member 2 (element 3) stands straight up\n     with 14.00 meters of it under water,\n", false, 91.3389},
      {"the tube 77.5 m long", 100.0f, 1, 77.5f, 0.0f,
       "     member 2 (element 3) stands straight up with 8.50 meters of it under water,\n", false, 106.8389},
      {"the buoy of half its volume", 100.0f, 3, 0.0f, 1908.5f / 2.0f,
       "     member 2 (element 3) stands straight up\n     with 24.00 meters of it under water,\n", false, 102.1774},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    testing_support::tankerYokeSalm();
    TPCM.DEPTH = c.depth;
    if (c.length != 0.0f) TPCM.SLEN(c.element) = c.length;
    if (c.volume != 0.0f) TPCM.BUOY(c.element) = c.volume;
    TempDir dir;
    ConsoleCapture console("\n");
    EXPECT_EQ(testing_support::stopStatus(STSALM), kExitFatal);
    const std::string screen = console.screen();
    EXPECT_TRUE(contains(screen, " >>> Computing Salm offset tables...\n\n\n"
                                 " ++> SALM statics: the column cannot stand as the statics place it at zero load:\n"))
        << screen;
    EXPECT_TRUE(contains(screen, c.buoy)) << screen;
    EXPECT_EQ(contains(screen, "     member 1 (elements 1 to 2) stands straight up,\n"), c.tubeFalls) << screen;
    EXPECT_FALSE(contains(screen, "member 3")) << screen;
    EXPECT_TRUE(contains(screen, " on\n     (now " + std::to_string(static_cast<int>(c.depth)) +
                                     ".00 meters, page 1, item 4); or change the element lengths, volumes\n"
                                     "     or weights (page 3, items 2, 3 and 5).\n"))
        << screen;
    EXPECT_TRUE(IsClose(depthFrom(screen), c.standsFrom, 0.0, 0.006)) << screen;
    EXPECT_EQ(testing_support::readFileText("STATOUT.stxt"), "");
  }
}

// The tank 21 m long: the buoy stands with 17 m under water and its least eigenvalue, 1751.5 t m, is
// positive. At the first load the search over the tube's cotangent met the buoy's balance on both
// sides of the horizontal (the buoy pointing down below a tube cotangent of 42.75, up above it), its
// closure jumped across its root, and it stopped with "found no column configuration at 20.69 metric
// tons". The table now follows the column from zero load; its angles and offsets are those of the
// chain followed in small steps of the load (column_stance_reference.py), within the table search's
// tolerance, and every point is a minimum of the energy there (both eigenvalues positive).
TEST(ColumnStance, TheTableOfAColumnThatStandsFollowsItFromZeroLoad) {
  testing_support::tankerYokeSalm();
  TPCM.SLEN(2) = 21.0f;
  TempDir dir;
  ConsoleCapture console;
  EXPECT_EQ(testing_support::stopStatus(STSALM), -1) << console.screen();
  struct Point {
    int J;
    double H;         // [t]
    double phi[3];    // [deg]
    double offset;    // from the zero-load offset, 29.9847 m [m]
  };
  // column_stance_reference.py, "Tank 21 m"; the offset at zero load is 30 sin(91.910 deg).
  const double zeroLoadOffset = 30.0 * std::sin(91.910 / kDegreesPerRadian);
  const Point points[] = {
      {2, 20.6897, {1.52078, 14.39939, 90.05412}, 39.6632},
      {3, 41.3793, {2.86677, 20.66823, 88.02352}, 44.7220},
      {4, 62.0690, {4.08727, 24.34624, 86.40908}, 48.2245},
      {10, 186.2069, {9.80325, 32.82969, 80.39940}, 59.9762},
      {20, 393.1034, {15.96567, 36.20188, 74.54715}, 69.4646},
      {30, 600.0000, {20.00905, 37.22700, 70.28013}, 74.7898},
  };
  for (const Point& p : points) {
    SCOPED_TRACE(p.J);
    EXPECT_TRUE(IsClose(EQUILB.HLOAD(p.J), p.H, 1e-5));
    for (int I = 1; I <= 3; ++I) EXPECT_TRUE(IsClose(SOLVE.PHIANG(p.J, I) * kDegreesPerRadian, p.phi[I - 1], 0.0, 0.002)) << I;
    EXPECT_TRUE(IsClose(EQUILB.OFFSET(p.J) - EQUILB.OFFSET(1), p.offset - zeroLoadOffset, 0.0, 0.002));
  }
}

}  // namespace
}  // namespace qv
