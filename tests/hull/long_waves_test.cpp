// The three hull models in waves much longer than the hull, against linear wave theory: per unit
// amplitude of the elevation exp(-i k (x cos b + y sin b)) at the origin (time factor exp(i w t)), a
// floating body rides the surface. Its heave is 1, its pitch and roll are the surface slopes along
// x and y (z = heave + y roll - x pitch: pitch +i k cos b, roll -i k sin b), its surge and sway are
// the water particle's horizontal excursion at the surface (-i cos b and -i sin b times
// 1 / tanh(k d)), and it has no yaw moment to turn it at these headings. The ship, the semi-
// submersible and the disc are held to the same limits in one test, so that their operators agree
// in phase as well as in amplitude.
#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <cstdint>
#include <functional>
#include <string>

#include "dataset/tpcm.h"
#include "hull/disc/disc_data_set.h"
#include "hull/himem.h"
#include "hull/hull_model.h"
#include "hull/semi/semi_fixture.h"
#include "hull/ship/ship_fixture.h"
#include "platform/block_reset.h"
#include "support/fresh_run.h"
#include "support/linear_waves.h"
#include "waves/wavcom.h"

namespace qv {
namespace {

using Cx = std::complex<double>;

constexpr double kPi = 3.14159265358979323846;
constexpr double kDegree = kPi / 180.0;

// A hull model's data set on a grid of long waves; the model is reached through the seam, as the
// vessel-response passes reach it.
struct Hull {
  const char* name;
  HullKind kind;
  std::function<void()> dataSet;
};

const Hull kHulls[] = {
    {"ship", HullKind::kShip,
     [] {
       testing_support::setTrueBox();
       testing_support::setGrid(300.0f, 50.0f, 5);
       testing_support::resetShipRun();
     }},
    {"semi-submersible", HullKind::kSemi,
     [] {
       testing_support::setFixtureSemi();
       testing_support::setGrid(300.0f, 50.0f, 5);
     }},
    {"disc", HullKind::kDisc, [] { testing_support::setDiscDataSet(300.0f, 50.0f, 5); }},
};

const char* const kModes[] = {"surge", "sway", "heave", "roll", "pitch", "yaw"};

// actual matches expected within 1 % of `scale` in amplitude and, where expected is not negligible
// (the cosine of 90 deg), within 2 degrees in phase.
::testing::AssertionResult RidesTheSurface(Cx actual, Cx expected, double scale) {
  const double amplitudeMiss = std::fabs(std::abs(actual) - std::abs(expected));
  if (amplitudeMiss > 0.01 * scale) {
    return ::testing::AssertionFailure() << "amplitude " << std::abs(actual) << " for " << std::abs(expected);
  }
  if (std::abs(expected) > 0.01 * scale) {
    const double phaseMiss = std::fabs(std::arg(actual / expected)) / kDegree;
    if (phaseMiss > 2.0) {
      return ::testing::AssertionFailure() << actual << " is " << phaseMiss << " deg out of phase with " << expected;
    }
  }
  return ::testing::AssertionSuccess();
}

class LongWaves : public testing_support::FreshRun {};

TEST_F(LongWaves, EveryHullRidesTheSurface) {
  // Waves of 300 to 500 s: the ship's 600 ft box in 200 ft of water, the semi-submersible's 90 m of
  // pontoons in 300 m, the disc of 40 ft in 200 ft; k d about 0.1 for all three (shallow water: the
  // water's horizontal excursion 1 / tanh(k d) of 8 to 32 amplitudes). At 0, 90, 180 and 270 deg the
  // hulls' symmetry leaves them no yaw; at 45 deg the ship and the semi-submersible, longer than
  // they are wide, turn a little, in phase with the elevation or against it (the moment of the
  // horizontal pressure on an elongated body), by no more than the excursion's k-fold.
  for (const Hull& hull : kHulls) {
    resetAllBlocks();
    hull.dataSet();
    ASSERT_EQ(selectHull(), hull.kind) << hull.name;
    hullCHR();
    std::int32_t flag = 0;
    hullFRC(flag);
    const double d = TPCM.DEPTH;
    const double g = WAVCOM.G;
    for (float headingDeg : {0.0f, 90.0f, 180.0f, 270.0f, 45.0f}) {
      HIMEM.REDANG(1) = headingDeg;
      WAVCOM.IRAO = 1;
      flag = 5;
      hullFRC(flag);
      hullRAO();
      const double b = headingDeg * kDegree;
      for (int i = 1; i <= TPCM.NWP; ++i) {
        const double w = 2.0 * kPi / TPCM.T(i);
        const double k = testing_support::linearWaveNumber(w, d, g);
        const double excursion = 1.0 / std::tanh(k * d);
        Himem& h = HIMEM;
        const Cx actual[6] = {Cx(h.SGRAO(i)), Cx(h.SWRAO(i)), Cx(h.HVRAO(i)),
                              Cx(h.RLRAO(i)), Cx(h.PTRAO(i)), Cx(h.YWRAO(i))};
        const Cx I(0.0, 1.0);
        const Cx expected[5] = {-I * std::cos(b) * excursion, -I * std::sin(b) * excursion, 1.0,
                                -I * k * std::sin(b), I * k * std::cos(b)};
        const double scale[5] = {excursion, excursion, 1.0, k, k};
        for (int m = 0; m < 5; ++m) {
          EXPECT_TRUE(RidesTheSurface(actual[m], expected[m], scale[m]))
              << hull.name << ", " << headingDeg << " deg, " << TPCM.T(i) << " s, " << kModes[m];
        }
        const Cx yaw = actual[5];
        EXPECT_LE(std::abs(yaw), k * excursion) << hull.name << ", " << headingDeg << " deg, " << TPCM.T(i) << " s";
        EXPECT_LE(std::fabs(yaw.imag()), std::tan(2.0 * kDegree) * std::fabs(yaw.real()) + 1e-4 * k * excursion)
            << hull.name << ", " << headingDeg << " deg, " << TPCM.T(i) << " s: yaw " << yaw;
      }
    }
  }
}

}  // namespace
}  // namespace qv
