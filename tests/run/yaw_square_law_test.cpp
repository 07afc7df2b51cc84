// The tanker example's yaw with square-law hull drag, the wind turned across its sea and current
// (both toward 180 degrees). The square-law damping is K x / EMI for the amplitude x, the root of
// CYQTP x^3 + x^2 = VARYTP, and the damped two-sigma yaw is 2 sqrt(VARYTP / (1 + CYQTP x)), which is
// 2 x exactly where x is the root: so the damping in percent over the two-sigma yaw in degrees is one
// number for the hull (K / EMI does not depend on the heading), and both move smoothly with the wind.
// A root settled to 0.01 rad on a yaw of 0.02 to 0.05 rad halves the damping between 136.2 and 136.4
// degrees and scatters the ratio between 0.20 and 0.43.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "dataset/tpcm.h"
#include "example_run.h"
#include "hull/equilb.h"
#include "numlib/circle_constants.h"
#include "platform/block_reset.h"

namespace qv {
namespace {

using testing_support::example;
using testing_support::withWord;

struct YawAtHeading {
  double windDeg;
  double dampingPercent;  // the square-law yaw damping [percent of critical]
  double twoSigmaDeg;     // the damped two-sigma yaw [deg] (the report leaves EVRHI as the one-sigma amplitude)
};

class WindAcrossTheSea : public testing_support::ExampleRun {
 protected:
  // The slow drift of the example with the wind toward windDeg; the wave-frequency stages are not
  // what is checked.
  YawAtHeading yawAt(double windDeg) {
    closeAllUnits();
    resetAllBlocks();
    std::string image = withWord(example("tanker-yoke"), offsetof(Tpcm, LDYN), std::int32_t{0});
    image = withWord(image, offsetof(Tpcm, WNDHDG), static_cast<float>(windDeg));
    EXPECT_EQ(runImage(image), -1) << windDeg;
    const Equilb& e = EQUILB;
    return {windDeg, 50.0 * e.GAMQHI, 2.0 * e.EVRHI * kDegreesPerRadian};
  }
};

TEST_F(WindAcrossTheSea, TheSquareLawYawDampingOverTheTwoSigmaYawIsOneNumberAndBothAreContinuous) {
  std::vector<YawAtHeading> coarse;
  for (int h = 120; h <= 160; h += 4) coarse.push_back(yawAt(h));
  std::vector<double> ratios;
  for (const YawAtHeading& y : coarse) {
    ASSERT_GT(y.twoSigmaDeg, 0.1) << y.windDeg;
    ratios.push_back(y.dampingPercent / y.twoSigmaDeg);
  }
  const auto [least, most] = std::minmax_element(ratios.begin(), ratios.end());
  EXPECT_LE(*most / *least - 1.0, 1e-4) << "damping [%] per two-sigma yaw [deg] from " << *least << " to " << *most;

  // Across the heading where the old search's stopping point changed: the yaw changes by about 0.35 %
  // over these 0.2 degrees, so no step of 0.02 degrees may move either value by more than 0.2 %.
  YawAtHeading last = yawAt(136.2);
  for (int k = 1; k <= 10; ++k) {
    const YawAtHeading y = yawAt(136.2 + 0.02 * k);
    EXPECT_LE(std::fabs(y.dampingPercent / last.dampingPercent - 1.0), 2e-3) << y.windDeg;
    EXPECT_LE(std::fabs(y.twoSigmaDeg / last.twoSigmaDeg - 1.0), 2e-3) << y.windDeg;
    last = y;
  }
}

}  // namespace
}  // namespace qv
