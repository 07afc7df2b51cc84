// DSKFRC: the Bessel functions and Froude-Krylov terms against the textbook, the forces over the
// grid and the calibration pass against an independent evaluation, the long-wave limits, the
// damping estimates where the written forms break down, the mooring-feedback variants, the speed
// kept on every way out, the Bessel failure stop and the traces.
#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <functional>
#include <string>
#include <vector>

#include "dataset/tpcm.h"
#include "hull/disc/disc.h"
#include "hull/disc/disc_fits.h"
#include "hull/disc/disc_fixture.h"
#include "hull/disc/disc_forces.h"
#include "hull/himem.h"
#include "support/checks.h"
#include "support/console_capture.h"
#include "waves/wavcom.h"

namespace qv {
namespace {

using testing_support::ConsoleCapture;
using testing_support::DiscTest;
using testing_support::kDiscPeriods;
using testing_support::IsClose;
using testing_support::screens;
using testing_support::stopStatus;

::testing::AssertionResult SameComplex(Complex actual, std::complex<double> expected, double rel, double abs) {
  const double miss = std::abs(std::complex<double>(actual) - expected);
  if (miss <= abs + rel * std::abs(expected)) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << actual << " differs from " << expected << " by " << miss;
}

// Composite Simpson rule over [a, b] with n (even) intervals.
double simpson(const std::function<double(double)>& f, double a, double b, int n = 2000) {
  const double h = (b - a) / n;
  double sum = f(a) + f(b);
  for (int i = 1; i < n; ++i) sum += (i % 2 != 0 ? 4.0 : 2.0) * f(a + i * h);
  return sum * h / 3.0;
}

void calibrate() {
  std::int32_t flag = 0;
  DSKFRC(flag);
}

void forcesAt(float headingDeg) {
  HIMEM.REDANG(1) = headingDeg;
  WAVCOM.IRAO = 1;
  std::int32_t flag = 5;
  DSKFRC(flag);
}

// ---- The pieces with a textbook meaning ----

TEST(DiscForceTerms, BesselFunctionsAgainstTheStandardLibrary) {
  for (float x : {0.05f, 0.5f, 1.0f, 1.5707964f, 3.0f, 6.139341f, 10.0f, 14.0f}) {
    const disc::BesselOfX b = disc::besselOfX(x, 1.0e-5f);
    EXPECT_FALSE(b.failed) << x;
    EXPECT_TRUE(IsClose(b.J0, std::cyl_bessel_j(0.0, double(x)), 2e-5)) << x;
    EXPECT_TRUE(IsClose(b.J1, std::cyl_bessel_j(1.0, double(x)), 2e-5)) << x;
    EXPECT_TRUE(IsClose(b.J2, std::cyl_bessel_j(2.0, double(x)), 2e-5)) << x;
  }
  for (float s : {1.0e-3f, 0.2f, 1.0f, 4.6f}) {
    EXPECT_TRUE(IsClose(disc::j2OverSquare(s, 1.0e-5f), std::cyl_bessel_j(2.0, double(s)) / (double(s) * s), 2e-5))
        << s;
  }
  // J2(s) / s^2 tends to 1/8, the value taken where BESJ has none.
  EXPECT_EQ(disc::j2OverSquare(0.0f, 1.0e-5f), 0.125f);
  // A wave number of 0 has no Bessel functions here.
  EXPECT_TRUE(disc::besselOfX(0.0f, 1.0e-5f).failed);
}

TEST(DiscForceTerms, FroudeKrylovForcesOfTheCylinder) {
  // The pressure of a unit wave, p(r, theta, z) = cos(k r cos theta) cosh(k (d - z)) / cosh(k d)
  // (e^(-k z) in deep water), integrated over the bottom disc and the wetted side of a cylinder of
  // radius R and draft T by Simpson's rule. The heave force over rho g pi R^2 is F0 = 2 J1(x)/x P0;
  // the surge force over rho g pi R^2 T k (displaced weight times wave slope) is S0, in deep water
  // 2 (J1(x)/x) (1 - e^(-kT)) / (kT).
  struct Case {
    double k, R, T, d;
  };
  const Case cases[] = {
      {0.03, 20.0, 6.0, 200.0},     // k d = 6
      {0.3, 20.0, 6.0, 200.0},      // k d = 60: the finite-depth forms still
      {0.30001, 20.0, 6.0, 200.0},  // just past it: the deep-water forms
      {0.5, 20.0, 6.0, 1000.0},
      {0.002, 20.0, 6.0, 200.0},
      {0.12, 5.0, 9.0, 80.0},
  };
  for (const Case& c : cases) {
    const bool deep = c.k * c.d > 60.0;
    auto pressure = [&](double z) {
      return deep ? std::exp(-c.k * z) : std::cosh(c.k * (c.d - z)) / std::cosh(c.k * c.d);
    };
    const double x = c.k * c.R;
    const double bottom =
        simpson([&](double rho) { return rho * simpson([&](double th) { return std::cos(x * rho * std::cos(th)); },
                                                       0.0, 2.0 * M_PI, 400); },
                0.0, 1.0, 400) /
        M_PI;
    const double F0 = bottom * pressure(c.T);
    const double around =
        simpson([&](double th) { return std::cos(th) * std::sin(x * std::cos(th)); }, 0.0, 2.0 * M_PI);
    const double S0 = around * c.R * simpson(pressure, 0.0, c.T) / (M_PI * c.R * c.R * c.T * c.k);

    const float xf = static_cast<float>(x);
    const float ratio = static_cast<float>(c.T / c.R);
    const disc::DepthFactors q = disc::depthFactors(xf, static_cast<float>(c.k * c.d), xf * ratio, 0.0f, 0.0f);
    const disc::PressureTerms p = disc::pressureTerms(disc::besselOfX(xf, 1.0e-5f), xf, q, ratio);
    EXPECT_TRUE(IsClose(p.F0, F0, 1e-5)) << "k " << c.k << " R " << c.R;
    EXPECT_TRUE(IsClose(p.S0, S0, 1e-5)) << "k " << c.k << " R " << c.R;
    if (deep) {
      const double kT = c.k * c.T;
      EXPECT_TRUE(IsClose(p.S0, 2.0 * std::cyl_bessel_j(1.0, x) / x * (1.0 - std::exp(-kT)) / kT, 1e-5));
    }
  }
}

TEST(DiscForceTerms, DampingEstimatesWhereTheWrittenFormsBreakDown) {
  // Heave: the written form TQFAC / sqrt(sqrt(b1^2/4 + a1) - b1/2), a1 = 2 TQFAC / (r Fh),
  // r = H wn^2 / g, b1 = (2/pi) (R / H) hdmpd / Fh, in double: the same where it is finite, and its
  // limit as H -> 0 at H = 0.
  const float TQ = 0.28659f, wn = 1.4981f, g = 32.152f, Fh = 1.0f, R = 20.0f, hd = 0.8f;
  auto written = [&](double H) {
    const double r = H * wn * wn / g;
    const double a1 = 2.0 * TQ / (r * Fh);
    const double b1 = 0.6366197 * (R / H) * hd / Fh;
    return TQ / std::sqrt(std::sqrt(0.25 * b1 * b1 + a1) - 0.5 * b1);
  };
  for (float H : {15.0f, 1.0f, 0.1f}) {
    EXPECT_TRUE(IsClose(disc::heaveDampingEstimate(TQ, H, wn, g, Fh, R, hd), written(H), 1e-5)) << H;
  }
  const float atZero = disc::heaveDampingEstimate(TQ, 0.0f, wn, g, Fh, R, hd);
  EXPECT_TRUE(std::isfinite(atZero));
  EXPECT_TRUE(IsClose(atZero, written(1.0e-6), 1e-5));
  EXPECT_EQ(disc::heaveDampingEstimate(0.0f, 15.0f, wn, g, Fh, R, hd), 0.0f);

  // Surge and sway: the written form with y = (zh + zm) / a2 and the design-motion amplitude a in
  // the denominator; the rewritten one stays finite without a current area and at a = 0.
  const float perAmplitude = 3.7f, zh = 0.02f, zm = 0.6f, mass = 9076.74f, rho = 0.0019905f, w = 0.35f;
  auto writtenSurge = [&](double a2) {
    const double y = (zh + zm) / a2;
    const double z = 0.5 * (std::sqrt(y * y + 4.0 * std::sqrt(1.0 + zm) / a2) - y);
    return perAmplitude / (rho * mass * w * w * std::sqrt(1.0 + z * z));
  };
  for (float a2 : {0.5f, 0.01f}) {
    EXPECT_TRUE(IsClose(disc::horizontalDampingEstimate(perAmplitude, zh, zm, a2, mass, rho, w), writtenSurge(a2),
                        1e-5))
        << a2;
  }
  const float noCurrent = disc::horizontalDampingEstimate(perAmplitude, zh, zm, 0.0f, mass, rho, w);
  EXPECT_TRUE(std::isfinite(noCurrent));
  EXPECT_TRUE(IsClose(noCurrent, writtenSurge(1.0e-7), 1e-5));
  EXPECT_EQ(disc::horizontalDampingEstimate(perAmplitude, 0.0f, 0.0f, 0.0f, mass, rho, w), 0.0f);
}

// ---- The forces over the grid ----

class DiscForces : public DiscTest {};

TEST_F(DiscForces, ForcesOverTheGridAgainstAnIndependentEvaluation) {
  // tests/hull/disc/reference_values.py, section "force_mode": the written formulas in double
  // precision with scipy's Bessel functions, at grid points 1, 10, 25, 39, heading 30 deg.
  forcesAt(30.0f);
  struct Case {
    int i;
    std::complex<double> surge, sway, heave, roll, pitch;
  };
  const Case cases[] = {
      {1, {0.0111587551, -0.0167499872}, {0.00644251027, -0.00967060963}, {-0.0084746138, -0.000485639453},
       {0.000812471309, 0.00499831577}, {-0.00140724159, -0.00865733686}},
      {10, {0.0840056089, 0.910231106}, {0.0485006609, 0.525522174}, {0.573749393, 0.0965621241},
       {0.00893214318, -0.362520002}, {-0.0154709258, 0.627903063}},
      {25, {0.0081708997, 1.02029465}, {0.00471747114, 0.589067391}, {0.871004176, 0.0201288867},
       {0.000180587598, -0.468951793}, {-0.000312786895, 0.812248332}},
      {39, {0.00295216671, 1.03293002}, {0.00170443425, 0.596362425}, {0.939248997, 0.00646118378},
       {2.90313067e-05, -0.485925684}, {-5.02836983e-05, 0.841647973}},
  };
  const Himem& h = HIMEM;
  for (const Case& c : cases) {
    EXPECT_TRUE(SameComplex(HIMEM.SGRAO(c.i), c.surge, 1e-4, 2e-7)) << "surge at " << c.i;
    EXPECT_TRUE(SameComplex(HIMEM.SWRAO(c.i), c.sway, 1e-4, 2e-7)) << "sway at " << c.i;
    EXPECT_TRUE(SameComplex(HIMEM.HVRAO(c.i), c.heave, 1e-4, 2e-7)) << "heave at " << c.i;
    EXPECT_TRUE(SameComplex(HIMEM.RLRAO(c.i), c.roll, 1e-4, 2e-7)) << "roll at " << c.i;
    EXPECT_TRUE(SameComplex(HIMEM.PTRAO(c.i), c.pitch, 1e-4, 2e-7)) << "pitch at " << c.i;
    EXPECT_EQ(HIMEM.YWRAO(c.i), Complex(1.0e-10f, 1.0e-10f));
  }
  EXPECT_EQ(h.IW, kDiscPeriods);  // left at the last grid point
  // Scales of the force report, per unit amplitude (heave) or per degree of wave slope.
  const double heave = 0.001 * 64.0 * 1256.6371;
  EXPECT_TRUE(IsClose(h.SCALE(3), heave, 1e-6));
  EXPECT_TRUE(IsClose(h.SCALE(1), 6.0 * heave / 57.2957764, 1e-6));
  EXPECT_EQ(h.SCALE(2), h.SCALE(1));
  EXPECT_TRUE(IsClose(h.SCALE(4), 6.0 * heave / 57.2957764 * 15.6667, 1e-6));
  EXPECT_EQ(h.SCALE(6), h.SCALE(5));
  EXPECT_EQ(h.DLRAT, 0.3f);
  EXPECT_EQ(h.SDEPTH, 10.0f);
  EXPECT_TRUE(IsClose(h.BLGFAC, std::pow(1.0 - 1.0 / std::sqrt(400.0 + 3.83067518 * 3.83067518), 5), 1e-6));
  EXPECT_TRUE(IsClose(h.CSG, 0.203839994, 5e-5));  // the elliptic-section integral by quadrature
  EXPECT_EQ(h.CSW, h.CSG);

  // Any non-zero flag is the force mode.
  const Complex before = HIMEM.HVRAO(10);
  HIMEM.HVRAO(10) = Complex(0.0f, 0.0f);
  std::int32_t flag = 7;
  DSKFRC(flag);
  EXPECT_EQ(flag, 7);
  EXPECT_EQ(HIMEM.HVRAO(10), before);
}

TEST_F(DiscForces, ForwardSpeedEntersThroughTheEncounterFrequency) {
  // 8 ft/s along 10 deg in waves from 30 deg: V = 8 cos 20 deg; reference_values.py, "force_mode".
  TPCM.VFWD = 8.0f;
  TPCM.VGLDIR = 10.0f;
  forcesAt(30.0f);
  EXPECT_TRUE(SameComplex(HIMEM.HVRAO(10), {0.666472449, 0.0578454337}, 1e-4, 2e-7));
  EXPECT_TRUE(SameComplex(HIMEM.RLRAO(10), {0.00535079049, -0.381248394}, 1e-4, 2e-7));
  EXPECT_TRUE(SameComplex(HIMEM.PTRAO(10), {-0.00926784099, 0.660341589}, 1e-4, 2e-7));
  EXPECT_EQ(TPCM.VFWD, 8.0f);
}

TEST_F(DiscForces, LongWaveLimitsInHeadSeas) {
  // Periods of 200 to 2000 s (x down to 1.6e-3): heave tends to 1 + 0 i, surge to (1 + c) i, the
  // real parts of the moments to 0. Head seas: the heading 0 becomes 1e-10 rad, so sway and roll
  // are 1e-10 times surge and pitch; yaw is always 1e-10 (1 + i).
  testing_support::setDisc(200.0f, 600.0f, 4);
  forcesAt(0.0f);
  Himem& h = HIMEM;
  const float c = h.CSG;
  const Complex surge = h.SGRAO(4);
  EXPECT_TRUE(SameComplex(h.HVRAO(4), {1.0, 0.0}, 1e-4, 0.0));
  EXPECT_TRUE(SameComplex(surge, {0.0, 1.0 + c}, 1e-4, 0.0));
  EXPECT_TRUE(std::fabs(h.PTRAO(4).real()) < 1.0e-6f);
  EXPECT_TRUE(std::fabs(surge.real()) < 1.0e-4f);
  // Nearer the limit at the longer period.
  EXPECT_LT(std::fabs(h.HVRAO(4).real() - 1.0f), std::fabs(h.HVRAO(1).real() - 1.0f));
  EXPECT_LT(std::fabs(h.SGRAO(4).real()), std::fabs(h.SGRAO(1).real()));
  for (int i = 1; i <= 4; ++i) {
    EXPECT_TRUE(IsClose(h.SWRAO(i).imag(), 1.0e-10 * h.SGRAO(i).imag(), 1e-6)) << i;
    EXPECT_TRUE(IsClose(h.RLRAO(i).imag(), -1.0e-10 * h.PTRAO(i).imag(), 1e-6)) << i;
    EXPECT_EQ(h.YWRAO(i), Complex(1.0e-10f, 1.0e-10f));
  }
}

// ---- The calibration pass ----

TEST_F(DiscForces, CalibrationWithMooringFeedback) {
  // reference_values.py, section "calibration": roll at grid point 3 in beam seas, pitch at 3 and
  // heave at 5 in head seas, surge at 33 (head) and sway at 33 (beam), yaw at 22; the damping
  // estimates for the design wave of 1.5 x 10 ft and the responses at the natural frequencies.
  TPCM.MORFBK = 1;
  Himem& h = HIMEM;
  for (int i = 1; i <= kDiscPeriods; ++i) h.HVRAO(i) = h.SGRAO(i) = Complex(-7.0f, 7.0f);
  TPCM.VFWD = 12.0f;  // set aside for the pass, back afterwards
  calibrate();
  EXPECT_EQ(TPCM.VFWD, 12.0f);
  ASSERT_EQ(h.JR, 3);
  ASSERT_EQ(h.JP, 3);
  ASSERT_EQ(h.JH, 5);
  ASSERT_EQ(h.JSG, 33);
  ASSERT_EQ(h.JSW, 33);
  ASSERT_EQ(h.JY, 22);
  for (int i = 1; i <= kDiscPeriods; ++i) {
    const bool written = i == 3 || i == 5 || i == 33 || i == 22;
    EXPECT_EQ(h.HVRAO(i) != Complex(-7.0f, 7.0f), written) << i;
  }
  EXPECT_EQ(h.IW, 22);  // the yaw pass came last
  EXPECT_TRUE(IsClose(h.GAMROL, 0.445387416, 2e-4));
  EXPECT_TRUE(IsClose(h.GAMPIT, 0.445387416, 2e-4));
  EXPECT_TRUE(IsClose(h.GAMHEV, 0.414790985, 2e-4));
  EXPECT_TRUE(IsClose(h.GAMSRG, 0.871925312, 2e-4));
  EXPECT_TRUE(IsClose(h.GAMSWY, 0.871925312, 2e-4));
  EXPECT_TRUE(SameComplex(h.CRLRAX, {-0.00714182559, -0.0677747901}, 3e-4, 0.0));
  EXPECT_TRUE(SameComplex(h.CPTRAX, {0.00689510864, 0.0671809973}, 3e-4, 0.0));
  EXPECT_TRUE(SameComplex(h.CHVRAX, {0.576315303, -0.33402962}, 3e-4, 0.0));
  EXPECT_TRUE(SameComplex(h.CSGRAX, {1.48539483, 0.00296394716}, 3e-4, 0.0));
  EXPECT_TRUE(SameComplex(h.CSWRAX, {1.48539483, 0.00296394716}, 3e-4, 0.0));
  EXPECT_EQ(h.CYWRAX, Complex(0.0f, 0.0f));
  // The last pass is yaw's: its force amplitude and design steepness at WY.
  EXPECT_TRUE(IsClose(h.TQFAC, std::sqrt(2.0) * 1.0e-10, 1e-6));
}

TEST_F(DiscForces, MooringFeedbackDecidesPassesAndResponses) {
  // MORFBK 1: six passes and six responses; another non-zero value: roll, pitch and heave with their
  // responses; 0: the same three passes and no response.
  struct Case {
    std::int32_t MORFBK;
    bool surge, rotations;
  };
  for (const Case& c : {Case{1, true, true}, Case{2, false, true}, Case{0, false, false}}) {
    testing_support::setDisc();
    TPCM.MORFBK = c.MORFBK;
    Himem& h = HIMEM;
    const Complex sentinel(-7.0f, 7.0f);
    h.CRLRAX = h.CPTRAX = h.CHVRAX = h.CSGRAX = h.CSWRAX = h.CYWRAX = sentinel;
    h.GAMSRG = h.GAMSWY = -1.0f;
    calibrate();
    EXPECT_EQ(h.GAMSRG != -1.0f, c.surge) << c.MORFBK;
    EXPECT_EQ(h.GAMSWY != -1.0f, c.surge) << c.MORFBK;
    EXPECT_EQ(h.CSGRAX != sentinel, c.surge) << c.MORFBK;
    EXPECT_EQ(h.CYWRAX != sentinel, c.surge) << c.MORFBK;
    EXPECT_EQ(h.CRLRAX != sentinel, c.rotations) << c.MORFBK;
    EXPECT_EQ(h.CHVRAX != sentinel, c.rotations) << c.MORFBK;
    EXPECT_EQ(h.IW, c.surge ? h.JY : h.JH) << c.MORFBK;
    EXPECT_GT(h.GAMHEV, 0.0f);
  }
}

TEST_F(DiscForces, DampingEstimatesWithoutDesignWaveOrCurrentArea) {
  // A design wave of height 0 leaves the heave damping at the limit of small heights; no current
  // area leaves the surge and sway damping at the limit of small areas (1e-4 relative).
  auto damping = [](float height, float area) {
    testing_support::setDisc();
    TPCM.MORFBK = 1;
    TPCM.SLPHT = height;
    TPCM.XCURAR = area;
    calibrate();
    return std::vector<float>{HIMEM.GAMHEV, HIMEM.GAMSRG, HIMEM.GAMSWY};
  };
  const std::vector<float> noWave = damping(0.0f, 400.0f);
  const std::vector<float> smallWave = damping(1.0e-3f, 400.0f);
  EXPECT_TRUE(std::isfinite(noWave[0]));
  EXPECT_TRUE(IsClose(noWave[0], smallWave[0], 1e-4));
  const std::vector<float> noArea = damping(10.0f, 0.0f);
  const std::vector<float> smallArea = damping(10.0f, 1.0e-3f);
  for (int m : {1, 2}) {
    EXPECT_TRUE(std::isfinite(noArea[m]));
    EXPECT_GT(noArea[m], 0.0f);
    EXPECT_TRUE(IsClose(noArea[m], smallArea[m], 1e-4));
  }
  // A design wave given as its slope in degrees: the steepness 2 DURFAC SLPHT / 57.2957764 in every
  // pass, the height that steepness over k at the pass's natural frequency.
  testing_support::setDisc();
  TPCM.LSLPHT = 1;
  TPCM.SLPHT = 4.0f;
  calibrate();
  EXPECT_TRUE(IsClose(HIMEM.RSLOPE, 2.0 * 1.5 * 4.0 / 57.2957764, 1e-6));
  EXPECT_TRUE(std::isfinite(HIMEM.GAMHEV));
  EXPECT_GT(HIMEM.GAMHEV, 0.0f);
}

TEST_F(DiscForces, UserPeriodsAndDampingAtResonance) {
  // User roll period and damping 0 with the natural frequency on the grid point: the response has
  // no finite value there and is 0, with the warning of the run. A keel flag without a positive
  // keel dimension changes nothing.
  Himem& h = HIMEM;
  TPCM.MORFBK = 2;
  calibrate();
  const float gamrol = h.GAMROL;
  TPCM.TLKEEL = 1;
  TPCM.TRKEEL = 2.0f;
  TPCM.TDKEEL = 0.0f;
  calibrate();
  EXPECT_EQ(h.GAMROL, gamrol);
  TPCM.TDKEEL = 4.0f;  // q = 0.5: the roll damping grows with 1.5^5
  calibrate();
  EXPECT_GT(h.GAMROL, gamrol);

  testing_support::setDisc();
  TPCM.MORFBK = 2;
  h.WR = WAVCOM.W(h.JR);
  TPCM.LRLPRD = 1;
  TPCM.LRLDMP = 1;
  TPCM.RLDAMP = 0.0f;
  ConsoleCapture console;
  calibrate();
  EXPECT_EQ(h.CRLRAX, Complex(0.0f, 0.0f));
  EXPECT_EQ(console.screen(),
            " ++> Warning: wave period   3.00 s, discus buoy hull, roll:\n"
            "     the RAO denominator is zero;\n"
            "     the RAO is set to 0 wherever this occurs (warned once per run).\n");
  // With the user's damping the response at resonance is N F / (i bw we), bw = 0.02 RLDAMP WR:
  // inversely proportional to the damping, and a quarter period behind the force.
  TPCM.RLDAMP = 5.0f;
  calibrate();
  const Complex five = h.CRLRAX;
  TPCM.RLDAMP = 10.0f;
  calibrate();
  EXPECT_TRUE(SameComplex(five, 2.0 * std::complex<double>(h.CRLRAX), 1e-6, 0.0));
  // (The pitch pass at the same grid point left the roll moment of head seas there, 1e-10 times the
  // beam-sea moment: the same phase.)
  const Complex phase = five / h.RLRAO(h.JR);
  EXPECT_TRUE(std::fabs(phase.real()) < 1e-6f * std::abs(phase));
  EXPECT_LT(phase.imag(), 0.0f);
}

// ---- Failures and traces ----

TEST_F(DiscForces, BesselFailureStopsAndKeepsTheSpeed) {
  // A grid point whose wave number is 0: the Bessel functions of k R do not exist.
  const std::string expected = "\f\n ++> BESSEL function error. Increase smallest period and retry\n"
                               "     The smallest wave period of page 14 (item 2) is 2.00 s.\n\n"
                               "\n Press <RETURN> to continue: ";
  Himem& h = HIMEM;
  TPCM.VFWD = 12.0f;
  h.RLDUM(h.LCNWK + 6) = 0.0f;  // grid point 7
  {
    ConsoleCapture console("\n");
    EXPECT_EQ(stopStatus([] { forcesAt(0.0f); }), 1);
    EXPECT_EQ(console.screen(), expected);
  }
  EXPECT_EQ(TPCM.VFWD, 12.0f);
  // In the calibration pass the speed set aside comes back on the way out.
  h.RLDUM(h.LCNWK + h.JH - 1) = 0.0f;
  ConsoleCapture console("\n");
  EXPECT_EQ(stopStatus(calibrate), 1);
  EXPECT_EQ(console.screen(), expected);
  EXPECT_EQ(TPCM.VFWD, 12.0f);
  EXPECT_EQ(h.IW, h.JH);
}

TEST_F(DiscForces, TracesOfTheCalibrationPass) {
  // NBUG = 1, three passes (roll, pitch, heave): the set-up values seven to a line in E10.4 after a
  // blank (SCALE 1-6, BEAM, SHIPL, EDRAFT, DWATR, TAWP, the added-mass depth 6 + 0.287 x 20,
  // DEPTH, 57.2957764, CSG, CSW, VTCRR, VTCRP and the ship members BLRAT, WRL, WPL, here 0); per
  // pass the grid point, its work-array indices, its frequency, wave number, encounter frequency,
  // speed, XSCALE and EDRAFT (E12.4, four to a line), and after the estimate BLGFAC, TBILGR, VTCRR,
  // VTCRP, WCONST, RSLOPE, the inertia ratio PMAS1 / PTCHI, 0.1, the keel factor 1.5, RMAS1, ROLI,
  // TQFAC, GAMROL, SLPHT and WR.
  TPCM.NBUG = 1;
  ConsoleCapture console;
  calibrate();
  EXPECT_EQ(console.screen(), R"( 0.8422E+010.8422E+010.8042E+020.1319E+030.1319E+030.1319E+030.4000E+02
 0.4000E+020.6000E+010.6400E+020.1257E+040.1174E+020.2000E+030.5730E+02
 0.2038E+000.2038E+000.3831E+010.3831E+010.0000E+000.0000E+000.0000E+00
     3
 LW,LWK 1203 1303
 RLDUM(LW),RLDUM(LWK),WENC,VCOMP,XSCALE,EDRAFT
  0.2094E+01  0.1364E+00  0.2094E+01  0.0000E+00
  0.2000E+02  0.6000E+01
 0.7774E+000.1000E+010.3831E+010.3831E+010.2494E+010.1792E+010.5109E+00
 0.1000E+000.1500E+010.5052E+060.9888E+060.2248E+000.4454E+000.1000E+02
 0.1960E+01
     3
 LW,LWK 1203 1303
 RLDUM(LW),RLDUM(LWK),WENC,VCOMP,XSCALE,EDRAFT
  0.2094E+01  0.1364E+00  0.2094E+01  0.0000E+00
  0.2000E+02  0.6000E+01
 0.7774E+000.1000E+010.3831E+010.3831E+010.2494E+010.1792E+010.5109E+00
 0.1000E+000.1500E+010.5052E+060.9888E+060.2248E+000.4454E+000.1000E+02
 0.1960E+01
     5
 LW,LWK 1205 1305
 RLDUM(LW),RLDUM(LWK),WENC,VCOMP,XSCALE,EDRAFT
  0.1571E+01  0.7674E-01  0.1571E+01  0.0000E+00
  0.2000E+02  0.6000E+01
 0.7774E+000.1000E+010.3831E+010.3831E+010.2494E+010.1047E+010.5109E+00
 0.1000E+000.1500E+010.5052E+060.9888E+060.2866E+000.4454E+000.1000E+02
 0.1960E+01
)");
}

}  // namespace
}  // namespace qv
