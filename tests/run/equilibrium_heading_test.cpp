// The slow drift's weathervane equilibrium is a root of the yaw moment wherever it lies on the turn.
// The tanker example has wind, current and waves in line; turned together by h, the problem is the
// same one turned, so (independent of every load model) the vessel heads h - 180 degrees into them
// and the SALM, along the net force, lies at h. Over a sweep of 15 degrees both must follow h within
// 0.05 degrees, and the yaw moment at the reported heading must be what a root leaves: below the
// moment's slope there times 1e-4 rad.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "dataset/tpcm.h"
#include "example_run.h"
#include "hull/equilb.h"
#include "lowfreq/net_loads.h"
#include "numlib/angles.h"
#include "numlib/circle_constants.h"
#include "platform/block_reset.h"

namespace qv {
namespace {

using testing_support::example;
using testing_support::withWord;

constexpr double kHeadingTolerance = 0.05;  // [deg]
constexpr float kSlopeStep = 1.0e-3f;       // half step of the moment's centred difference [rad]

// The environment's heading h for wind, current, the sea and the regular waves [deg].
std::string turnedExample(float h) {
  std::string image = example("tanker-yoke");
  image = withWord(image, offsetof(Tpcm, LDYN), std::int32_t{0});  // the slow drift is what is checked
  for (const std::size_t word : {offsetof(Tpcm, WNDHDG), offsetof(Tpcm, CURHDG), offsetof(Tpcm, SEAHDG),
                                 offsetof(Tpcm, WAVHDG)}) {
    image = withWord(image, word, h);
  }
  return image;
}

// a - b reduced to (-180, 180] [deg].
double degreesApart(double a, double b) { return ANGSYM(static_cast<float>((a - b) / kDegreesPerRadian)) * kDegreesPerRadian; }

// The yaw moment at the heading psi; the loads read the trial heading in EQUILB VESANG, as in the
// slow drift's scan.
float yawMoment(float psi) {
  EQUILB.VESANG = psi;
  return TORQUE(psi);
}

class TurnedEnvironment : public testing_support::ExampleRun {};

TEST_F(TurnedEnvironment, TheEquilibriumTurnsWithItAndIsARootOfTheYawMoment) {
  for (int h = 0; h < 360; h += 15) {
    SCOPED_TRACE("environment toward " + std::to_string(h) + " deg");
    closeAllUnits();
    resetAllBlocks();
    ASSERT_EQ(runImage(turnedExample(static_cast<float>(h))), -1);
    const Equilb& e = EQUILB;
    const float vessel = e.TANGLE(e.ISTAB);
    EXPECT_LE(std::fabs(degreesApart(vessel * kDegreesPerRadian, h - 180.0)), kHeadingTolerance) << "vessel";
    EXPECT_LE(std::fabs(degreesApart(e.SLMANG(e.ISTAB) * kDegreesPerRadian, h)), kHeadingTolerance) << "SALM";

    const float slope = (yawMoment(vessel + kSlopeStep) - yawMoment(vessel - kSlopeStep)) / (2.0f * kSlopeStep);
    EXPECT_LE(std::fabs(yawMoment(vessel)), 1.0e-4f * std::fabs(slope)) << "slope " << slope;
  }
}

}  // namespace
}  // namespace qv
