// SHPFRC and SHPRAO: the calibration pass and its roll damping, forces and RAOs of a true box against
// an independent evaluation of the written formulas, their long-wave limits, the deep- and
// finite-water forms meeting at k h = 10, head and beam seas, user periods and damping at resonance,
// and the rule for a zero RAO denominator.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <limits>
#include <string>
#include <vector>

#include "dataset/tpcm.h"
#include "hull/himem.h"
#include "hull/pascom.h"
#include "hull/rao_guard.h"
#include "hull/ship/ship.h"
#include "hull/ship/ship_common.h"
#include "hull/ship/ship_fits.h"
#include "hull/ship/ship_fixture.h"
#include "support/checks.h"
#include "support/console_capture.h"
#include "support/linear_waves.h"
#include "waves/wavcom.h"

namespace qv {
namespace {

using testing_support::ConsoleCapture;
using testing_support::contains;
using testing_support::IsClose;
using testing_support::setHeading;
using testing_support::stopStatus;

// The six operator columns at grid point i: surge, sway, heave, roll, pitch, yaw.
std::vector<Complex> columnsAt(int i) {
  Himem& h = HIMEM;
  return {h.SGRAO(i), h.SWRAO(i), h.HVRAO(i), h.RLRAO(i), h.PTRAO(i), h.YWRAO(i)};
}

const char* const kModes[] = {"surge", "sway", "heave", "roll", "pitch", "yaw"};

const Complex kQuadrature(0.0f, 1.0f);  // a quarter period: the roll and pitch moments' phase

::testing::AssertionResult SameComplex(Complex actual, Complex expected, double rel, double abs) {
  const double miss = std::abs(std::complex<double>(actual) - std::complex<double>(expected));
  if (miss <= abs + rel * std::abs(std::complex<double>(expected))) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << actual << " differs from " << expected << " by " << miss;
}

class ShipForcesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing_support::setTrueBox();
    testing_support::setGrid(5.0f, 0.5f, 51);
    testing_support::resetShipRun();
  }
  // CHR and the calibration pass, as the first pass runs them.
  static void characterise() {
    SHPCHR();
    std::int32_t flag = 0;
    SHPFRC(flag);
  }
  // The production pass at one heading; returns the forces before SHPRAO turns them into RAOs.
  static std::vector<std::vector<Complex>> forcesAndRaos(float headingDeg) {
    setHeading(headingDeg);
    std::int32_t flag = 5;
    SHPFRC(flag);
    std::vector<std::vector<Complex>> forces;
    for (int i = 1; i <= TPCM.NWP; ++i) forces.push_back(columnsAt(i));
    SHPRAO();
    return forces;
  }
};

TEST_F(ShipForcesTest, CalibrationPassAtTheNaturalRollFrequency) {
  SHPCHR();
  // Sentinels everywhere: the pass may write the grid point JR only.
  for (int i = 1; i <= TPCM.NWP; ++i) {
    for (Complex* c : {&HIMEM.SGRAO(i), &HIMEM.SWRAO(i), &HIMEM.HVRAO(i), &HIMEM.RLRAO(i), &HIMEM.PTRAO(i),
                       &HIMEM.YWRAO(i)}) {
      *c = Complex(-7.0f, 7.0f);
    }
  }
  TPCM.VFWD = 15.0f;  // set aside for the pass, back afterwards
  std::int32_t flag = 0;
  SHPFRC(flag);
  EXPECT_EQ(flag, 0);
  EXPECT_EQ(TPCM.VFWD, 15.0f);
  const int JR = HIMEM.JR;
  ASSERT_EQ(JR, 18);
  for (int i = 1; i <= TPCM.NWP; ++i) {
    if (i == JR) continue;
    for (const Complex& c : columnsAt(i)) EXPECT_EQ(c, Complex(-7.0f, 7.0f)) << "grid point " << i;
  }
  // /usr/bin/python3 (double precision, the formulas as written, beam seas at zero speed):
  // roll and heave forces at JR, then the damping linearisation. The roll moment is stored in
  // quadrature with the elevation, i times the formula's value; its amplitude there is TQFAC.
  EXPECT_TRUE(SameComplex(HIMEM.RLRAO(JR), kQuadrature * Complex(-0.7482123f, 0.007750708f), 3e-4, 1e-6));
  EXPECT_TRUE(SameComplex(HIMEM.HVRAO(JR), Complex(0.5604478f, 0.1146603f), 3e-4, 1e-6));
  EXPECT_TRUE(SameComplex(HIMEM.SWRAO(JR), Complex(0.0153776f, 1.662048f), 3e-4, 1e-6));
  EXPECT_TRUE(IsClose(HIMEM.TQFAC, 0.7482122962216022, 3e-4));
  EXPECT_TRUE(IsClose(HIMEM.BLGFAC, 1.0, 1e-7));  // no bilge radius
  EXPECT_TRUE(IsClose(HIMEM.RMASRT, 0.22276093617764084, 1e-4));
  EXPECT_TRUE(IsClose(HIMEM.GAMROL, 0.14175084616304298, 3e-4));
  EXPECT_EQ(HIMEM.GAMRLI, HIMEM.GAMROL);
}

TEST_F(ShipForcesTest, DesignWaveSlopeIsHalfOfKTimesTheHeight) {
  characterise();
  // k at the natural roll frequency from omega^2 = g k tanh(k h), in double.
  const double k = testing_support::linearWaveNumber(HIMEM.WR, TPCM.DEPTH, 32.152);
  EXPECT_TRUE(IsClose(HIMEM.RSLOPE, k * TPCM.SLPHT / 2.0, 1e-5));
  // A design wave given as a slope in degrees.
  TPCM.LSLPHT = 1;
  TPCM.SLPHT = 4.0f;
  characterise();
  EXPECT_TRUE(IsClose(HIMEM.RSLOPE, 4.0 / 57.2957764, 1e-6));
}

TEST_F(ShipForcesTest, CalibrationRestoresTheSpeedWhenItStops) {
  SHPCHR();
  TPCM.VFWD = 12.0f;
  HIMEM.WCONST = std::numeric_limits<float>::quiet_NaN();  // the wave-number search cannot succeed
  ConsoleCapture console("x\n");
  std::int32_t flag = 0;
  EXPECT_NE(stopStatus([&flag] { SHPFRC(flag); }), -1);
  EXPECT_EQ(TPCM.VFWD, 12.0f);
}

TEST_F(ShipForcesTest, ForcesAndRaosMatchAnIndependentEvaluation) {
  // /usr/bin/python3, double precision: the box of SHPCHR, the calibration, then the forces and RAOs
  // as written, for the true box on the same grid (see the characteristics test). Under way (30 deg,
  // 15 ft/s) the heave and pitch values are those of reference/underway_reference.py, whose speed
  // correction is written from strip theory's transom terms with the ship's own speed.
  struct Point {
    int i;
    Complex forces[6];
    Complex raos[6];
  };
  struct Heading {
    float headingDeg, VFWD;
    std::vector<Point> points;
  };
  const Heading headings[] = {
      {30.0f,
       15.0f,
       {{1,
         {{2.616878e-08f, 0.00466677f}, {0.0007905377f, 0.004906975f}, {0.001374458f, 0.0001048017f},
          {-0.002168857f, 2.356119e-05f}, {-0.001576443f, 2.100452e-05f}, {-0.0102313f, 0.01596997f}},
         {{-1.000658e-07f, -0.01812417f}, {-0.001685793f, -0.010464f}, {0.003577603f, -0.005774069f},
          {0.0001503915f, 2.733589e-05f}, {-0.00027138f, 6.702989e-05f}, {0.00071757f, -0.001120048f}}},
        {9,
         {{-0.006853576f, -0.123913f}, {-0.00908937f, -0.1302909f}, {-0.07785986f, -0.01339114f},
          {0.05413715f, -0.001252154f}, {0.03969492f, -0.004982977f}, {0.03841885f, -0.007554575f}},
         {{0.009232963f, 0.2282395f}, {-0.006746845f, 0.1308737f}, {-0.170758f, 0.04535041f},
          {-0.003523168f, -0.002381944f}, {0.0009842385f, -0.0004808066f}, {-0.001288646f, 9.424378e-05f}}},
        {18,
         {{-0.01297962f, 0.3876084f}, {0.003909892f, 0.4075592f}, {0.3125708f, 0.03929111f},
          {-0.1860077f, 0.001183482f}, {0.3850709f, -0.04287543f}, {0.145727f, -0.004171285f}},
         {{0.05045846f, -0.6415697f}, {0.1178299f, -0.3281299f}, {0.4714635f, -0.0267302f},
          {-0.003541299f, 0.0008077798f}, {0.003905293f, -0.001093914f}, {-0.003885802f, -0.001312478f}}},
        {30,
         {{0.00975386f, 0.6796019f}, {0.001351321f, 0.7145819f}, {0.6250288f, 0.04367731f},
          {-0.3464922f, 0.0005336652f}, {0.5967962f, -0.03943725f}, {0.1217637f, -0.0009699001f}},
         {{0.0194651f, -1.331812f}, {0.1718745f, -0.7283453f}, {0.7749147f, -0.009580518f},
          {-0.002276264f, 0.0002000609f}, {0.003240185f, -0.0004674465f}, {-0.004087704f, -0.0009384389f}}},
        {51,
         {{0.007284711f, 0.8225451f}, {0.0002976202f, 0.8648826f}, {0.8245281f, 0.02610734f},
          {-0.4347778f, 0.0001227859f}, {0.7341022f, -0.02998398f}, {0.08373395f, -0.0001875772f}},
         {{0.004216353f, -2.252721f}, {0.113279f, -1.290653f}, {0.9098248f, -0.001907186f},
          {-0.001377964f, 6.20617e-05f}, {0.002206281f, -0.0001855386f}, {-0.004110322f, -0.0003529058f}}}}},
      {90.0f,
       0.0f,
       {{1,
         {{0, 0}, {-0.2408387f, 0.2184054f}, {0.01281273f, 0.008680564f}, {-0.1493765f, 0.007706565f}, {0, 0}, {0, 0}},
         {{0, 0}, {0.1244617f, -0.1128683f}, {-0.003655013f, -0.004021499f}, {0.001232279f, 1.194889e-05f}, {0, 0},
          {0, 0}}},
        {18,
         {{0, 0}, {0.0153776f, 1.662048f}, {0.5604478f, 0.1146603f}, {-0.7482123f, 0.007750708f}, {0, 0}, {0, 0}},
         {{0, 0}, {0.3016086f, -0.8390122f}, {1.192679f, -0.2070522f}, {0.0004517941f, 0.03935381f}, {0, 0},
          {0, 0}}},
        {51,
         {{0, 0}, {0.0006439623f, 1.880179f}, {0.8684667f, 0.02968199f}, {-0.9418454f, 0.0003875887f}, {0, 0}, {0, 0}},
         {{0, 0}, {0.1697564f, -1.934097f}, {1.010549f, -0.003091339f}, {-0.003204069f, 0.0002545142f}, {0, 0},
          {0, 0}}}}},
  };
  for (const Heading& hd : headings) {
    characterise();
    TPCM.VFWD = hd.VFWD;
    const std::vector<std::vector<Complex>> forces = forcesAndRaos(hd.headingDeg);
    for (const Point& p : hd.points) {
      const std::vector<Complex> raos = columnsAt(p.i);
      for (int m = 0; m < 6; ++m) {
        // The script gives the roll and pitch moments as the formulas are written; they are stored
        // in quadrature with the elevation (i times), and so are their RAOs.
        const Complex turn = (m == 3 || m == 4) ? kQuadrature : Complex(1.0f, 0.0f);
        // In beam seas surge, pitch and yaw vanish but for the cosine of the heading, which single
        // precision leaves at 4e-8: those are compared with zero.
        EXPECT_TRUE(SameComplex(forces[p.i - 1][m], turn * p.forces[m], 1e-3, 2e-6))
            << "force, heading " << hd.headingDeg << ", point " << p.i << ", " << kModes[m];
        EXPECT_TRUE(SameComplex(raos[m], turn * p.raos[m], 1e-3, 2e-6))
            << "RAO, heading " << hd.headingDeg << ", point " << p.i << ", " << kModes[m];
      }
    }
  }
}

TEST_F(ShipForcesTest, LongWavesLiftTheBoxWithTheSurface) {
  // Periods of 100 to 1000 s in 200 ft of water: k tends to 0, the heave force to 1 + 0i and the
  // heave RAO to 1 at zero speed.
  testing_support::setGrid(100.0f, 100.0f, 10);
  characterise();
  const std::vector<std::vector<Complex>> forces = forcesAndRaos(45.0f);
  const int n = TPCM.NWP;
  EXPECT_TRUE(SameComplex(forces[n - 1][2], Complex(1.0f, 0.0f), 0.0, 2e-3));
  EXPECT_TRUE(SameComplex(HIMEM.HVRAO(n), Complex(1.0f, 0.0f), 0.0, 2e-3));
  // And the approach is monotonic from the shorter waves.
  EXPECT_LT(std::abs(HIMEM.HVRAO(n) - Complex(1.0f, 0.0f)), std::abs(HIMEM.HVRAO(1) - Complex(1.0f, 0.0f)));
}

TEST_F(ShipForcesTest, DeepAndFiniteWaterFormsMeetAtKhTen) {
  // One 7 s wave (k = 0.02498 1/ft in deep water) in 380 ft of water (k h = 9.5: finite-depth forms)
  // and in 420 ft (k h = 10.5: deep-water forms): at these depths the sea bottom no longer matters,
  // so both give the same forces.
  std::vector<Complex> byDepth[2];
  const float depths[2] = {380.0f, 420.0f};
  for (int d = 0; d < 2; ++d) {
    TPCM.DEPTH = depths[d];
    testing_support::setGrid(7.0f, 1.0f, 3);
    characterise();
    setHeading(30.0f);
    std::int32_t flag = 5;
    SHPFRC(flag);
    byDepth[d] = columnsAt(1);
    const float kh = HIMEM.RLDUM(HIMEM.LCNWK) * TPCM.DEPTH;
    EXPECT_EQ(kh > 10.0f, d == 1) << "k h " << kh;
  }
  for (int m = 0; m < 6; ++m) EXPECT_TRUE(SameComplex(byDepth[0][m], byDepth[1][m], 2e-4, 1e-7)) << kModes[m];
}

TEST_F(ShipForcesTest, HeadAndBeamSeasStayFinite) {
  characterise();
  for (float headingDeg : {0.0f, 90.0f, 180.0f, 270.0f}) {
    const std::vector<std::vector<Complex>> forces = forcesAndRaos(headingDeg);
    for (int i = 1; i <= TPCM.NWP; ++i) {
      const std::vector<Complex> raos = columnsAt(i);
      for (int m = 0; m < 6; ++m) {
        EXPECT_TRUE(std::isfinite(forces[i - 1][m].real()) && std::isfinite(forces[i - 1][m].imag()))
            << headingDeg << " deg, point " << i << ", " << kModes[m];
        EXPECT_TRUE(std::isfinite(raos[m].real()) && std::isfinite(raos[m].imag()))
            << headingDeg << " deg, point " << i << ", " << kModes[m];
      }
    }
    if (headingDeg == 0.0f) {
      // In head seas sway, roll and yaw carry only the 1e-10 that stands for the zero angle.
      for (int i = 1; i <= TPCM.NWP; ++i) {
        EXPECT_LT(std::abs(forces[i - 1][1]), 1e-8f) << i;
        EXPECT_LT(std::abs(forces[i - 1][3]), 1e-8f) << i;
        EXPECT_LT(std::abs(forces[i - 1][5]), 1e-8f) << i;
      }
    }
  }
}

TEST_F(ShipForcesTest, ScalesAndRollHandOverAtTheHeadingOfTheLargestWaves) {
  characterise();
  HIMEM.REDANG(2) = 60.0f;
  WAVCOM.BIGWVS = 2.0f;
  WAVCOM.IRAO = 1;  // another heading: nothing handed over
  HIMEM.REDANG(1) = 0.0f;
  std::int32_t flag = 5;
  SHPFRC(flag);
  EXPECT_EQ(PASCOM.ROLGAM, 0.0f);
  EXPECT_EQ(PASCOM.WFROLF, 0.0f);
  WAVCOM.IRAO = 2;
  flag = 5;
  SHPFRC(flag);
  EXPECT_EQ(PASCOM.ROLGAM, HIMEM.GAMRLI);
  EXPECT_EQ(PASCOM.WFROLF, HIMEM.WR);
  EXPECT_TRUE(IsClose(PASCOM.ROLSPR, HIMEM.GMT * 153600.0, 1e-6));
  EXPECT_EQ(PASCOM.ROLARM, HIMEM.VTCRR);
  // Force units: 64 x 60000 / 1000 kips per unit heave; times draft over 57.2957764 for surge and
  // sway, and that times GMT (roll) or GML (pitch, yaw).
  const double heave = 64.0 * 60000.0 / 1000.0;
  const double surge = HIMEM.EDRAFT * heave / 57.2957764;
  const double expected[6] = {surge, surge, heave, surge * HIMEM.GMT, surge * 740.0, surge * 740.0};
  for (int m = 0; m < 6; ++m) EXPECT_TRUE(IsClose(HIMEM.SCALE(m + 1), expected[m], 1e-5)) << kModes[m];
  EXPECT_TRUE(IsClose(HIMEM.SDEPTH, 200.0 / HIMEM.EDRAFT, 1e-6));
}

TEST(ShipRollDamping, Getgam) {
  // G0 0.1, RMR 0.22, slope 0.07, TQ 0.75, BLG 0.9, KF 1.85, L 600; by hand in double precision:
  // GH = G0 RMR (0.576 + 0.424 sqrt(1 + 4 slope |sin head| TQ BLG KF / (G0^2 RMR))), the keel part
  // GK without heading and bilge factor.
  struct Case {
    float headRad;
    std::int32_t keel;
    float keelLength, keelDistance;
    double expected;
    const char* what;
  };
  const Case cases[] = {
      {1.5707964f, 0, 0.0f, 0.0f, 0.13063776, "beam seas, no keel: GH"},
      {0.0f, 0, 0.0f, 0.0f, 0.022, "head seas, no keel: G0 RMR"},
      {1.5707964f, 1, 600.0f, 20.0f, 0.13697995, "keel along the whole length: GK"},
      {1.5707964f, 1, 300.0f, 20.0f, 0.13380886, "keel along half the length"},
      {1.5707964f, 1, 300.0f, 0.0f, 0.13063776, "keel without a distance: GH"},
      {0.0f, 1, 300.0f, 20.0f, 0.079489975, "head seas, keel along half the length"},
  };
  for (const Case& c : cases) {
    float GAM = -1.0f;
    GETGAM(GAM, c.headRad, 0.1f, 0.22f, 0.07f, 0.75f, 0.9f, 1.85f, 600.0f, c.keel, c.keelLength, c.keelDistance);
    EXPECT_TRUE(IsClose(GAM, c.expected, 1e-6)) << c.what;
  }
}

TEST(ShipRollDamping, BoxMomentIntegrals) {
  // sin 0.6 (2 cos 2 - sin 2) / 4 and cos 0.6 (2 cos 2 - sin 2) / 4; the small-X forms -X sin TH / 3.
  EXPECT_TRUE(IsClose(YAWFKF(2.0f, 0.6f), -0.24584408, 1e-6));
  EXPECT_TRUE(IsClose(YAWDRG(2.0f, 0.6f), -0.35934929, 1e-6));
  EXPECT_TRUE(IsClose(YAWFKF(1e-5f, 0.6f), -1e-5 * std::sin(0.6) / 3.0, 1e-6));
  EXPECT_TRUE(IsClose(YAWDRG(-1e-4f, 0.6f), 1e-4 * std::cos(0.6) / 3.0, 1e-6));
}

class ShipRaoTest : public ShipForcesTest {};

TEST_F(ShipRaoTest, UserPeriodAndDampingAtResonance) {
  // Natural periods of 11 s (heave), 9 s (pitch) and 14 s (roll), all on the grid, with 5 % damping:
  // at its natural period each mode's RAO is the force times k^0 (heave) or k (pitch, roll) times
  // 1 / (2 zeta) = 10, a quarter period behind.
  TPCM.LHVPRD = TPCM.LPTPRD = TPCM.LRLPRD = 1;
  TPCM.HEVPRD = 11.0f;
  TPCM.PITPRD = 9.0f;
  TPCM.ROLPRD = 14.0f;
  TPCM.LHVDMP = TPCM.LPTDMP = TPCM.LRLDMP = 1;
  TPCM.HVDAMP = TPCM.PTDAMP = TPCM.RLDAMP = 5.0f;
  characterise();
  const std::vector<std::vector<Complex>> forces = forcesAndRaos(30.0f);
  struct Case {
    int i, mode;
    bool byK;
  };
  const Case cases[] = {{13, 2, false}, {9, 4, true}, {19, 3, true}};  // T = 11, 9, 14 s
  for (const Case& c : cases) {
    const float k = HIMEM.RLDUM(HIMEM.LCNWK + c.i - 1);
    const Complex expected = forces[c.i - 1][c.mode] * (c.byK ? k : 1.0f) * 10.0f / Complex(0.0f, 1.0f);
    EXPECT_TRUE(SameComplex(columnsAt(c.i)[c.mode], expected, 1e-5, 0.0)) << kModes[c.mode];
  }
}

TEST_F(ShipRaoTest, ZeroDampingAtResonanceGivesZeroWithOneWarning) {
  TPCM.LHVPRD = 1;
  TPCM.HEVPRD = 11.0f;  // grid point 13
  TPCM.LHVDMP = 1;
  TPCM.HVDAMP = 0.0f;
  characterise();
  ConsoleCapture console;
  forcesAndRaos(30.0f);
  EXPECT_EQ(HIMEM.HVRAO(13), Complex(0.0f, 0.0f));
  EXPECT_NE(HIMEM.HVRAO(12), Complex(0.0f, 0.0f));
  EXPECT_EQ(console.screen(),
            " ++> Warning: wave period  11.00 s, ship hull, heave:\n"
            "     the RAO denominator is zero;\n"
            "     the RAO is set to 0 wherever this occurs (warned once per run).\n");
  forcesAndRaos(60.0f);  // once per run
  EXPECT_EQ(HIMEM.HVRAO(13), Complex(0.0f, 0.0f));
  const std::string screen = console.screen();
  EXPECT_EQ(std::count(screen.begin(), screen.end(), '\n'), 3);
}

// Under way in every direction of the waves, from those it overtakes to those it meets head on: at
// every heading of a 15 deg sweep, speeds of about 1, 4 and 8 m/s, and every grid frequency. At the
// fixture's 5 s wave, 26.2 ft/s from astern overtakes the waves (w - k U = -0.03 rad/s), and a little
// longer the ship meets them at nearly zero frequency.
const float kSpeeds[] = {3.3f, 13.1f, 26.2f};  // [ft/s]

// The heave and pitch wave damping as the exciting forces and the RAOs take them, at the encounter
// frequency and corrected for the speed, is a damping (>= 0) everywhere. The same fits as the
// projection of the speed on the waves once gave them went below zero in following seas.
TEST_F(ShipRaoTest, UnderWayTheWaveDampingIsNeverNegative) {
  SHPCHR();
  const Himem& h = HIMEM;
  int rows = 0;
  for (const float speed : kSpeeds) {
    TPCM.VFWD = speed;
    for (int headingDeg = 0; headingDeg < 360; headingDeg += 15) {
      const float UC = speed * std::cos(static_cast<float>(headingDeg) / 57.2957764f);
      for (int i = 1; i <= TPCM.NWP; ++i) {
        const float w = h.RLDUM(h.LCNW + i - 1);
        const float k = h.RLDUM(h.LCNWK + i - 1);
        const float WE = ship::encounterFrequency(w, k, UC);
        float AH = 0.0f, AP = 0.0f, BH = 0.0f, BP = 0.0f;
        DPMAS0(AH, AP, BH, BP, WE, k * h.XSCALE, h.HCONST, h.IHI, h.HMSRAT, h.PCONST, h.PMAS0, h.PMSRAT);
        DAMMAS(AH, AP, BH, BP, WE * WE, ship::speedThroughWater());
        EXPECT_GE(BH, 0.0f) << speed << " ft/s, " << headingDeg << " deg, point " << i;
        EXPECT_GE(BP, 0.0f) << speed << " ft/s, " << headingDeg << " deg, point " << i;
        ++rows;
      }
    }
  }
  EXPECT_EQ(rows, 3 * 24 * 51);
}

// The hull is passive: over a cycle the wave force F does work on each mode's motion X, (1/2) |we|
// Im(F conj(X)) >= 0, and in steady state that is the work the mode's damping gives to the water
// (with X = F c / (C - M we^2 + i B we), c > 0, it is c |F|^2 B we^2 / (2 |...|^2)). So each operator
// lags its force by 0 to 180 degrees, whatever the heading, speed and encounter frequency.
TEST_F(ShipRaoTest, UnderWayTheWavesDoWorkOnEveryMode) {
  characterise();
  ConsoleCapture console;  // warnings of zero denominators, if any
  for (const float speed : kSpeeds) {
    TPCM.VFWD = speed;
    for (int headingDeg = 0; headingDeg < 360; headingDeg += 15) {
      const std::vector<std::vector<Complex>> forces = forcesAndRaos(static_cast<float>(headingDeg));
      for (int i = 1; i <= TPCM.NWP; ++i) {
        const std::vector<Complex> raos = columnsAt(i);
        for (int m = 0; m < 6; ++m) {
          const std::complex<double> F(forces[i - 1][m]);
          const std::complex<double> X(raos[m]);
          EXPECT_GE(std::imag(F * std::conj(X)), -1e-5 * std::abs(F) * std::abs(X))
              << speed << " ft/s, " << headingDeg << " deg, point " << i << ", " << kModes[m] << ": force " << F
              << ", RAO " << X;
        }
      }
    }
  }
}

TEST_F(ShipRaoTest, FollowingSeasAtWaveSpeedStayFinite) {
  // A 10 s wave whose wave number is set to omega / 16 and a forward speed of 16 ft/s in the wave
  // direction: the encounter frequency is exactly 0 there. The free modes have no response; every
  // value stays finite, the forces included.
  characterise();
  const int i = 11;  // T = 10 s
  HIMEM.RLDUM(HIMEM.LCNWK + i - 1) = HIMEM.RLDUM(HIMEM.LCNW + i - 1) / 16.0f;
  TPCM.VFWD = 16.0f;
  TPCM.VGLDIR = 30.0f;
  ConsoleCapture console;
  const std::vector<std::vector<Complex>> forces = forcesAndRaos(30.0f);
  for (int m = 0; m < 6; ++m) {
    EXPECT_TRUE(std::isfinite(forces[i - 1][m].real()) && std::isfinite(forces[i - 1][m].imag())) << kModes[m];
    const Complex rao = columnsAt(i)[m];
    EXPECT_TRUE(std::isfinite(rao.real()) && std::isfinite(rao.imag())) << kModes[m];
  }
  EXPECT_EQ(HIMEM.SGRAO(i), Complex(0.0f, 0.0f));
  EXPECT_EQ(HIMEM.SWRAO(i), Complex(0.0f, 0.0f));
  EXPECT_EQ(HIMEM.YWRAO(i), Complex(0.0f, 0.0f));
  // Heave keeps its restoring: the static response to the force.
  EXPECT_TRUE(SameComplex(HIMEM.HVRAO(i), forces[i - 1][2], 1e-6, 0.0));
  EXPECT_TRUE(contains(console.screen(), " ++> Warning: wave period  10.00 s, ship hull, surge:")) << console.screen();
}

}  // namespace
}  // namespace qv
