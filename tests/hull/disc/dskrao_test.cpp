// DSKRAO: the free buoy in long waves follows the water surface; the mooring's spring holds it down
// as a spring-supported float would; a user's period and damping put a resonance where the user
// says; a zero denominator gives 0 with the warning of the run; the surge correction against a
// hardening work curve matches its closed-form energy-equivalent amplitude, and is 1 inside the
// first two table intervals and beyond the table; on the buoy's own nearly linear chain it leaves
// the surge amplitude within 3 %.
#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <string>
#include <vector>

#include "dataset/tpcm.h"
#include "hull/disc/disc.h"
#include "hull/disc/disc_data_set.h"
#include "hull/himem.h"
#include "mooring/lincom.h"
#include "support/checks.h"
#include "support/console_capture.h"
#include "support/fresh_run.h"
#include "waves/wavcom.h"

namespace qv {
namespace {

using testing_support::ConsoleCapture;
using testing_support::IsClose;

constexpr int kPeriods = testing_support::kDiscPeriods;

// The buoy on the grid 2, 4.5, ... 97 s: long waves at its end.
class DiscRaos : public testing_support::FreshRun {
 protected:
  void SetUp() override {
    FreshRun::SetUp();
    testing_support::setDiscDataSet(2.0f, 2.5f, kPeriods);
  }
  // The first pass (characteristics and calibration) and the second for one heading [deg]:
  // the exciting forces, kept, and the RAOs.
  static void run(float headingDeg, bool characterise = true) {
    if (characterise) {
      DSKCHR();
      std::int32_t calibration = 0;
      DSKFRC(calibration);
    }
    forces(headingDeg);
    DSKRAO();
  }
  static void forces(float headingDeg) {
    HIMEM.REDANG(1) = headingDeg;
    WAVCOM.IRAO = 1;
    std::int32_t production = 5;
    DSKFRC(production);
  }
  static float waveNumber(int i) { return HIMEM.RLDUM(HIMEM.LCNWK + i - 1); }
};

// In long waves the heave RAO tends to `limit`: its real part lies within 0.5 % of it from 60 s on,
// and what is left, the damping's share, shrinks with the frequency.
void heaveTendsTo(double limit) {
  Himem& h = HIMEM;
  double before = 1.0e30;
  int longWaves = 0;
  for (int i = 1; i <= kPeriods; ++i) {
    if (TPCM.T(i) < 60.0f) continue;
    ++longWaves;
    const std::complex<double> heave(h.HVRAO(i));
    EXPECT_TRUE(IsClose(heave.real(), limit, 0.005)) << TPCM.T(i) << " s: " << heave;
    const double miss = std::abs(heave - limit);
    EXPECT_LT(miss, before) << TPCM.T(i) << " s: " << heave;
    EXPECT_LT(miss, 0.05 * limit) << TPCM.T(i) << " s: " << heave;
    before = miss;
  }
  EXPECT_GE(longWaves, 15);
}

TEST_F(DiscRaos, FreeBuoyFollowsTheSurfaceInLongWaves) {
  // In head seas at zero speed, waves of 60 s and more: the buoy rises with the surface (heave 1)
  // and moves with the water's horizontal excursion at the surface, 1 / tanh(k d) per unit
  // amplitude (linear wave theory). It has no yaw.
  run(0.0f);
  heaveTendsTo(1.0);
  Himem& h = HIMEM;
  for (int i = 1; i <= kPeriods; ++i) {
    EXPECT_EQ(h.YWRAO(i), Complex(0.0f, 0.0f)) << i;
    if (TPCM.T(i) < 60.0f) continue;
    const double kd = waveNumber(i) * TPCM.DEPTH;
    EXPECT_TRUE(IsClose(std::abs(h.SGRAO(i)) * std::tanh(kd), 1.0, 0.02)) << TPCM.T(i) << " s: " << h.SGRAO(i);
  }
}

TEST_F(DiscRaos, MooringSpringHoldsTheBuoyDownInLongWaves) {
  // A float on a spring K under the wave's buoyancy HC a rises HC a / (HC + K / rho): with the four
  // lines' heave spring set to 40 kip/ft (a third of the 80 kip/ft of the water plane).
  testing_support::setDiscMooring(4);
  DSKCHR();
  std::int32_t calibration = 0;
  DSKFRC(calibration);
  TPCM.HVK = 40.0f;
  forces(0.0f);
  DSKRAO();
  const Himem& h = HIMEM;
  heaveTendsTo(h.HC / (h.HC + 40.0 / WAVCOM.RHOWTR));
}

TEST_F(DiscRaos, UserPeriodAndDampingPlaceTheHeaveResonance) {
  // The user's heave period of 7 s (grid point 3) at zero speed: there the response lags the force
  // by 90 deg and is inversely proportional to the user's damping.
  TPCM.LHVPRD = 1;
  TPCM.HEVPRD = 7.0f;
  TPCM.LHVDMP = 1;
  std::vector<Complex> response;
  for (float percent : {5.0f, 10.0f}) {
    TPCM.HVDAMP = percent;
    DSKCHR();
    std::int32_t calibration = 0;
    DSKFRC(calibration);
    forces(30.0f);
    const Complex force = HIMEM.HVRAO(3);
    DSKRAO();
    response.push_back(HIMEM.HVRAO(3) / force);
  }
  for (const Complex& r : response) {
    EXPECT_TRUE(IsClose(std::arg(r), -1.5707963, 1e-6)) << r;
  }
  EXPECT_TRUE(IsClose(std::abs(response[0]) / std::abs(response[1]), 2.0, 1e-6));
}

TEST_F(DiscRaos, ZeroDenominatorGivesZeroWithTheWarningOfTheRun) {
  // At 2 ft/s into waves of wave number 0.5 /ft and frequency 1 rad/s the encounter frequency is 0:
  // surge and sway, which have neither restoring nor damping there without mooring, have no finite
  // response. Heave has its restoring.
  DSKCHR();
  std::int32_t calibration = 0;
  DSKFRC(calibration);
  Himem& h = HIMEM;
  h.IW = 5;
  INDXUP();
  h.RLDUM(h.LW) = 1.0f;
  h.RLDUM(h.LWK) = 0.5f;
  TPCM.VFWD = 2.0f;
  ConsoleCapture console;
  forces(0.0f);
  DSKRAO();
  EXPECT_EQ(h.SGRAO(5), Complex(0.0f, 0.0f));
  EXPECT_EQ(h.SWRAO(5), Complex(0.0f, 0.0f));
  EXPECT_TRUE(std::isfinite(std::abs(h.HVRAO(5))));
  EXPECT_GT(std::abs(h.HVRAO(5)), 0.0f);
  EXPECT_EQ(console.screen(),
            " ++> Warning: wave period  12.00 s, discus buoy hull, surge:\n"
            "     the RAO denominator is zero;\n"
            "     the RAO is set to 0 wherever this occurs (warned once per run).\n");
}

// ---- The surge correction ----

// The moored buoy with a hardening line work curve in place of its own: the lines' force
// K x (1 + (x / x0)^2) stores W(x) = K x^2 / 2 + K x^4 / (4 x0^2) at the offset x, tabulated at the
// offsets 0, s, ... 89 s. The energy-equivalent amplitude c of a linear spring K at amplitude a,
// W(c) = K a^2 / 2, is c^2 = sqrt(x0^4 + 2 x0^2 a^2) - x0^2.
class SurgeCorrection : public DiscRaos {
 protected:
  static constexpr double kX0 = 5.0;    // [ft]
  static constexpr double kStep = 0.5;  // [ft]

  void SetUp() override {
    DiscRaos::SetUp();
    testing_support::setDiscMooring(4);
    DSKCHR();
    std::int32_t calibration = 0;
    DSKFRC(calibration);
    const double K = TPCM.SGK;
    LINCOM.WVOFST(1) = static_cast<float>(kStep);
    for (int i = 1; i <= 90; ++i) LINCOM.WFERGF(i) = static_cast<float>(work(K, (i - 1) * kStep));
  }
  static double work(double K, double x) { return 0.5 * K * x * x + 0.25 * K * x * x * x * x / (kX0 * kX0); }

  // The surge RAOs of the heading 30 deg at the design amplitude XTRMWV [ft].
  static std::vector<Complex> surge(float XTRMWV) {
    WAVCOM.XTRMWV = XTRMWV;
    forces(30.0f);
    DSKRAO();
    std::vector<Complex> raos;
    for (int i = 1; i <= kPeriods; ++i) raos.push_back(HIMEM.SGRAO(i));
    return raos;
  }
};

TEST_F(SurgeCorrection, EnergyEquivalentAmplitudeOnTheWorkCurve) {
  const std::vector<Complex> linear = surge(0.0f);  // no amplitude, no correction
  const double K = TPCM.SGK;
  const double tableEnd = LINCOM.WFERGF(90);
  const double firstTwo = LINCOM.WFERGF(3);
  int corrected = 0, near = 0, beyond = 0;
  for (float design : {0.05f, 2.0f, 10.0f, 400.0f}) {
    const std::vector<Complex> raos = surge(design);
    for (int i = 0; i < kPeriods; ++i) {
      const double a = std::abs(linear[i]) * design;
      const double energy = 0.5 * K * a * a;
      if (energy < firstTwo || energy > tableEnd) {
        // The curve is linear that near, or the energy lies beyond the table: no correction.
        EXPECT_EQ(raos[i], linear[i]) << design << " ft at " << TPCM.T(i + 1) << " s";
        (energy > tableEnd ? beyond : near) += 1;
        continue;
      }
      ++corrected;
      const double c = std::sqrt(std::sqrt(kX0 * kX0 * kX0 * kX0 + 2.0 * kX0 * kX0 * a * a) - kX0 * kX0);
      // Between table points the work is read on the chord, which lies above the convex curve by
      // at most W'' s^2 / 8: c comes out short by at most 3 s^2 / (8 c) (W'' / W' <= 3 / x here).
      const double allowed = 3.0 * kStep * kStep / (8.0 * c * c) + 1e-4;
      const Complex factor = raos[i] / linear[i];
      EXPECT_TRUE(IsClose(factor.real(), c / a, allowed)) << design << " ft at " << TPCM.T(i + 1) << " s";
      EXPECT_LE(factor.real(), c / a * (1.0 + 1e-4)) << design << " ft at " << TPCM.T(i + 1) << " s";
      EXPECT_TRUE(IsClose(factor.imag(), 0.0, 0.0, 1e-6));
    }
  }
  EXPECT_GT(corrected, 20);
  EXPECT_GT(near, 5);
  EXPECT_GT(beyond, 5);
}

TEST_F(SurgeCorrection, StepTableAndUserPeriodChoices) {
  // LSPM set reads the table in steps all the same (one step is stored). A user's surge period T
  // hands the correction the spring that period means, rho SGMAS (2 pi / T)^2: the same RAOs as the
  // spring K itself with its own frequency.
  const std::vector<Complex> reference = surge(10.0f);
  TPCM.LSPM = 1;
  EXPECT_EQ(surge(10.0f), reference);
  TPCM.LSPM = 0;

  const double K = TPCM.SGK;
  Himem& h = HIMEM;
  const float period = static_cast<float>(6.283185307179586 / std::sqrt(K / (WAVCOM.RHOWTR * h.SGMAS)));
  TPCM.LSGPRD = 1;
  TPCM.SGK = period;
  HIMEM.WSG = 6.2831855f / period;
  const std::vector<Complex> user = surge(10.0f);
  for (int i = 0; i < kPeriods; ++i) {
    EXPECT_LT(std::abs(user[i] - reference[i]), 1e-4 * std::abs(reference[i]) + 1e-7) << TPCM.T(i + 1) << " s";
  }
}

// The buoy with its four chain lines on the grid 2, 2.5, ... 21 s and the lines' own work table.
class MooredSurge : public testing_support::FreshRun {
 protected:
  void SetUp() override {
    FreshRun::SetUp();
    testing_support::setDiscDataSet();
    testing_support::setDiscMooring(4);
    DSKCHR();
    std::int32_t calibration = 0;
    DSKFRC(calibration);
  }
  // The surge RAOs in head seas at the design amplitude XTRMWV [ft].
  static std::vector<Complex> surge(float XTRMWV) {
    WAVCOM.XTRMWV = XTRMWV;
    HIMEM.REDANG(1) = 0.0f;
    WAVCOM.IRAO = 1;
    std::int32_t production = 5;
    DSKFRC(production);
    DSKRAO();
    std::vector<Complex> raos;
    for (int i = 1; i <= TPCM.NWP; ++i) raos.push_back(HIMEM.SGRAO(i));
    return raos;
  }
};

TEST_F(MooredSurge, NearlyLinearLinesLeaveTheSurgeAmplitude) {
  // A design wave of 2 ft moves the buoy 1.5 to 4.2 ft in surge, where the chain is nearly the linear
  // spring SGK: the lines' work there lies within 5 % above SGK x^2 / 2, so the energy-equivalent
  // amplitude lies within 3 % below the linear one (with the work summed from the force at the far
  // end of each step it came out 10 to 18 % below). Without the table (all zeros: every energy beyond
  // it) no correction is made.
  const double s = LINCOM.WVOFST(1);
  for (int i = 2; i <= 7; ++i) {
    const double x = (i - 1) * s;
    EXPECT_LE(LINCOM.WFERGF(i), 1.05 * 0.5 * TPCM.SGK * x * x) << x << " ft";
  }
  const std::vector<Complex> corrected = surge(2.0f);
  for (int i = 1; i <= 90; ++i) LINCOM.WFERGF(i) = 0.0f;
  const std::vector<Complex> linear = surge(2.0f);
  int compared = 0;
  for (int i = 1; i <= TPCM.NWP; ++i) {
    if (TPCM.T(i) < 4.5f) continue;
    ++compared;
    const double ratio = std::abs(corrected[i - 1]) / std::abs(linear[i - 1]);
    EXPECT_GE(ratio, 0.97) << TPCM.T(i) << " s";
    EXPECT_LE(ratio, 1.0) << TPCM.T(i) << " s";
    EXPECT_LE(2.0 * std::abs(linear[i - 1]), 4.5) << TPCM.T(i) << " s";
  }
  EXPECT_EQ(compared, 34);
}

}  // namespace
}  // namespace qv
