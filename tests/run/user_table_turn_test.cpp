// The user's tables over a turn of headings in the whole analysis of the tanker example, in an oblique
// environment (sea 190, wind 200, current 175 degrees: the vessel lies near heading 0 and meets the
// flows and the waves from either side of the bow, where a table from -180 to 180 has its ends). The wind and current coefficients are the cylinder's in closed form
// (CX = -cos a, CY = -sin a, the moment from the page's arms) at 145 headings 2.5 degrees apart, and
// the wave drift a smooth table (surge -A cos b, sway -B sin b, yaw -D sin 2b): written from 0 to 360
// or as the same rows labelled from -180 to 180, they are one table and give one analysis, to the
// last printed digit of LOWOUT and RANOUT. Independently of the labelling, the cylinder's table gives
// what the built-in cylinder models give: the table samples them, and the linear interpolation
// between rows 2.5 degrees apart cuts their circle by at most 2.4e-4.
//
// Values that are zero but for rounding (the moments at the hinges of member 2, some 1e-3 t m against
// the thousand of member 1) take their noise from the order of every sum and are compared to 0.01.
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>

#include "dataset/force_model.h"
#include "dataset/tpcm.h"
#include "example_run.h"
#include "hull/equilb.h"
#include "platform/block_reset.h"
#include "support/checks.h"
#include "support/report_values.h"
#include "support/temp_dir.h"

namespace qv {
namespace {

using testing_support::edited;
using testing_support::example;
using testing_support::IsClose;
using testing_support::maskClock;
using testing_support::readFileText;
using testing_support::sameToPrintPrecision;
using testing_support::writeFileText;

constexpr double kRadiansPerDegree = 3.14159265358979323846 / 180.0;

// Every component of the wind, the current and the drift from `code`.
constexpr std::int32_t everyComponent(std::int32_t code) { return code | code << 4 | code << 8; }

// The tanker in the oblique environment, its wind and current coefficients from the models `wind`
// and `current`, its wave drift from the user's table.
std::string obliqueTanker(std::int32_t wind, std::int32_t current) {
  return edited(example("tanker-yoke"), [&](Tpcm& t) {
    t.SEAHDG(1) = 190.0f;
    t.WNDHDG = 200.0f;
    t.CURHDG = 175.0f;
    t.LWBARG = everyComponent(wind);
    t.LCBARG = everyComponent(current);
    t.LWVCOF = everyComponent(kModelUserFile);
  });
}

// The cylinder's coefficients in the file's convention (its heading H is the flow's relative
// direction a plus 180), at 145 headings from `first` in steps of 2.5 degrees; the moment arms x and
// y over the waterline length.
std::string cylinderFile(double first, double x, double y) {
  std::ostringstream out;
  out.precision(9);
  out << "145\n";
  for (int k = 0; k < 145; ++k) {
    const double H = first + 2.5 * k;
    const double a = (H - 180.0) * kRadiansPerDegree;
    out << H << " " << -std::cos(a) << " " << -std::sin(a) << " " << x * std::cos(a) - y * std::sin(a) << "\n";
  }
  return out.str();
}

// The smooth drift table at 19 frequencies (0.1 to 1.8 rad/s, then 5 rad/s beyond the grid's highest)
// and 145 headings from `first` in steps of 2.5 degrees; b the wave direction, the heading less 180.
std::string driftFile(double first) {
  std::ostringstream out;
  out.precision(9);
  out << "19 145\n";
  for (int j = 0; j < 145; ++j) {
    const double H = first + 2.5 * j;
    const double b = (H - 180.0) * kRadiansPerDegree;
    out << H << "\n";
    for (int i = 0; i < 19; ++i) {
      const double w = i < 18 ? 0.1 + 0.1 * i : 5.0;
      const double A = 0.3 * w / (w + 0.5);
      const double B = 0.5 * w / (w + 0.8);
      const double D = 0.02 * w / (w + 1.0);
      out << w << " " << -A * std::cos(b) << " " << -B * std::sin(b) << " " << -D * std::sin(2.0 * b) << "\n";
    }
  }
  return out.str();
}

struct RunReports {
  float load = 0.0f;     // the stable equilibrium's total load, FTOT
  float heading = 0.0f;  // its vessel heading, TANGLE [rad]
  std::string lowout, ranout;
};

class UserTableTurn : public testing_support::ExampleRun {
 protected:
  // The analysis of `image` with the user's files written from `first` (0 or -180).
  RunReports run(const std::string& image, double first) {
    closeAllUnits();
    resetAllBlocks();
    double arms[4] = {};  // the wind's and the current's arms over the waterline length
    edited(image, [&arms](Tpcm& t) {
      arms[0] = t.XWARM / t.LWL;
      arms[1] = t.YWARM / t.LWL;
      arms[2] = t.XCARM / t.LWL;
      arms[3] = t.YCARM / t.LWL;
    });
    writeFileText("WINDCOFS.txt", cylinderFile(first, arms[0], arms[1]));
    writeFileText("CRNTCOFS.txt", cylinderFile(first, arms[2], arms[3]));
    writeFileText("DRFTCOFS.txt", driftFile(first));
    EXPECT_EQ(runImage(image), -1) << readFileText("Diagnostics.stxt");
    return {EQUILB.FTOT(EQUILB.ISTAB), EQUILB.TANGLE(EQUILB.ISTAB), maskClock(readFileText("LOWOUT.stxt")),
            maskClock(readFileText("RANOUT.stxt"))};
  }
};

TEST_F(UserTableTurn, TablesLabelledFromMinus180To180GiveTheAnalysisOfTheSameTablesFrom0To360) {
  const std::string files = obliqueTanker(kWindUserFile, kCurrentUserFile);
  const RunReports from0 = run(files, 0.0);
  const RunReports fromMinus180 = run(files, -180.0);
  ASSERT_FALSE(from0.lowout.empty());
  ASSERT_FALSE(from0.ranout.empty());
  EXPECT_TRUE(sameToPrintPrecision(fromMinus180.lowout, from0.lowout, 0.01)) << "LOWOUT.stxt";
  EXPECT_TRUE(sameToPrintPrecision(fromMinus180.ranout, from0.ranout, 0.01)) << "RANOUT.stxt";

  // The cylinder's table is the built-in cylinder: the same equilibrium, its load within the
  // interpolation's 2.4e-4 (96.653 against 96.668 t when this was written).
  const RunReports builtIn = run(obliqueTanker(kWindCylinder, kCurrentCylinder), 0.0);
  EXPECT_TRUE(IsClose(from0.load, builtIn.load, 5e-4)) << from0.load << " against " << builtIn.load;
  EXPECT_TRUE(IsClose(from0.heading, builtIn.heading, 0.0, 1e-4)) << from0.heading << " against " << builtIn.heading;
}

}  // namespace
}  // namespace qv
