#include "lowfreq/drift_force.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "dataset/tpcm.h"
#include "lowfreq/user_coefficients.h"
#include "platform/units.h"
#include "support/checks.h"
#include "support/console_capture.h"
#include "support/fresh_run.h"
#include "support/temp_dir.h"
#include "waves/spectral_integration.h"
#include "waves/wavcom.h"
#include "drift_fixture.h"

namespace qv {
namespace {

using qv::testing_support::ConsoleCapture;
using qv::testing_support::IsClose;
using qv::testing_support::kDriftGridPoints;
using qv::testing_support::pmSpectrum;
using qv::testing_support::stopStatus;
using qv::testing_support::TempDir;
using qv::testing_support::writeFileText;

// Drift model 4 (buoy or round ship) for surge, sway and yaw of a 200 m by 40 m hull of 12 m draft on
// the sea of drift_fixture.h, surge factor 1.1; waves from ahead.
class DriftForce : public testing_support::FreshRun {
 protected:
  void SetUp() override {
    FreshRun::SetUp();
    testing_support::driftSea();
    TPCM.LWL = 200.0f;
    TPCM.BWL = 40.0f;
    TPCM.DRAFT = 12.0f;
    TPCM.WVFCX = 1.1f;
    TPCM.WPITCH = 0.5f;
    TPCM.LWVCOF = 0x444;
    pmSpectrum(3.0f, 10.0f, S);
  }
  float S[kDriftGridPoints] = {};
};

// References: Python on the grid of drift_fixture.h, C = 1.1 0.33333 (-1) (1 + tanh(0.5 k 200 - 3.5))
// (1 + 2kd / sinh 2kd), S the Pierson-Moskowitz spectrum of 3 m and 10 s, F = S C; integrals by
// Simpson's rule over the period grid with d omega = omega^2 dT / 2 pi; F between grid frequencies by
// numpy.interp, 0 beyond the grid.
TEST_F(DriftForce, MeanDriftForceScalesWithTheSquareOfTheHeight) {
  float dw = 0.0f;
  const float mean = DRIFTF(0, 1, 0.0f, S, dw, 0.0f, 1);
  EXPECT_TRUE(IsClose(mean, -0.3175859789125817, 1e-4));
  float doubled[kDriftGridPoints] = {};
  pmSpectrum(6.0f, 10.0f, doubled);
  EXPECT_TRUE(IsClose(DRIFTF(0, 1, 0.0f, doubled, dw, 0.0f, 1), 4.0 * mean, 1e-5));
  // Yaw of model 4 carries no drift.
  EXPECT_EQ(DRIFTF(0, 3, 0.0f, S, dw, 0.0f, 1), 0.0f);
}

TEST_F(DriftForce, SlowDriftSpectrumAtDifferenceFrequencies) {
  struct Case {
    float dw;
    double expected;
  };
  const Case cases[] = {
      {0.0f, 0.1626314476924819},   // the integral of F^2
      {0.1f, 0.1394067684241149},
      {0.35f, 0.05583171265954776},
      {2.7f, 0.0},                  // more than twice the grid's span (1.31 rad/s): F+ is always 0
  };
  for (const Case& c : cases) {
    float dw = c.dw;
    EXPECT_TRUE(IsClose(DRIFTF(1, 1, 0.0f, S, dw, 0.0f, 1), c.expected, 1e-5, 1e-9)) << c.dw;
    EXPECT_EQ(dw, c.dw);
  }
  // The same integrals of the caller's own densities: the spare outputs are cleared.
  float F[kDriftGridPoints] = {};
  for (int i = 0; i < kDriftGridPoints; ++i) F[i] = S[i] * WAVCOM.W(i + 1);
  float dw = 0.1f, integral = 0.0f, moment = 0.0f, spare1 = 7.0f, spare2 = 7.0f;
  GET_GVAR(dw, &WAVCOM.W(1), kDriftGridPoints, F, integral, moment, spare1, spare2);
  EXPECT_EQ(spare1, 0.0f);
  EXPECT_EQ(spare2, 0.0f);
  float integral2 = 0.0f, moment2 = 0.0f;
  GET_GVAR2(dw, &WAVCOM.W(1), kDriftGridPoints, F, F, integral2, moment2);
  EXPECT_FLOAT_EQ(integral2, integral);
  EXPECT_FLOAT_EQ(moment2, moment);
  // Two densities (S and w S, Python as above): 0.5 (A+ B- + B+ A-).
  GET_GVAR2(dw, &WAVCOM.W(1), kDriftGridPoints, S, F, integral2, moment2);
  EXPECT_TRUE(IsClose(integral2, 0.28564389253328765, 1e-5));
}

TEST_F(DriftForce, NegativeDifferenceFrequencyIsTurnedRound) {
  const std::string warning = "  Negative DELTAW in GET_GVAR, using ABS[DELTAW]; press c + <Return> to continue\n";
  {
    ConsoleCapture console("c\nnext\n");
    float dw = -0.1f;
    EXPECT_TRUE(IsClose(DRIFTF(1, 1, 0.0f, S, dw, 0.0f, 1), 0.1394067684241149, 1e-5));
    EXPECT_EQ(dw, 0.1f);
    EXPECT_EQ(console.screen(), warning);
    EXPECT_EQ(console.unread(), "next\n");
  }
  // An unattended run: the warning in the diagnostics, no reply read.
  TPCM.EDUNIT = kDiagnosticsUnit;
  ConsoleCapture console("next\n");
  float dw = -0.1f, integral = 0.0f, moment = 0.0f;
  GET_GVAR2(dw, &WAVCOM.W(1), kDriftGridPoints, S, S, integral, moment);
  EXPECT_EQ(dw, 0.1f);
  EXPECT_EQ(console.unread(), "next\n");
}

TEST_F(DriftForce, TraceOfTheSlowDriftValue) {
  TPCM.NBUG = 1;
  ConsoleCapture console;
  float dw = 0.1f;
  (void)DRIFTF(1, 1, 0.0f, S, dw, 0.0f, 1);
  EXPECT_EQ(console.screen(), " GVAR =    0.1394\n");
}

TEST_F(DriftForce, GroupSpeedAtThePeakOfTheDriftForce) {
  // Python: the peak of |S C| is grid point 6 (9 s); (w / 2k)(1 + 2kd / sinh 2kd) there.
  std::int32_t peak = 0;
  EXPECT_TRUE(IsClose(GRPSPD(S, 1, 0.0f, peak, 1), 7.024740825549013, 1e-5));
  EXPECT_EQ(peak, 6);
  // No drift anywhere (yaw of model 4): the first grid point wins, 4 s.
  EXPECT_TRUE(IsClose(GRPSPD(S, 3, 0.0f, peak, 1), 3.1194367977949113, 1e-5));
  EXPECT_EQ(peak, 1);
}

// A sea whose density is no number at any period has no peak: the run stops naming the component,
// each line of the message within the console (one line of 92 columns before).
TEST_F(DriftForce, ADensityThatIsNoNumberAnywhereStopsWithinTheConsole) {
  float noNumber[kDriftGridPoints];
  for (float& v : noNumber) v = std::nanf("");
  ConsoleCapture console("\n");
  std::int32_t peak = -1;
  EXPECT_EQ(stopStatus([&] { (void)GRPSPD(noNumber, 2, 0.0f, peak, 1); }), kExitFatal);
  EXPECT_NE(console.screen().find("\n ++> GRPSPD: the wave drift force density of component 2 is not a number at any\n"
                                  "     wave period;\n"
                                  "     check the wave drift factors (page 10) and the sea state (pages 15 and 16).\n"),
            std::string::npos)
      << console.screen();
  std::size_t start = 0;
  for (std::size_t end; (end = console.screen().find('\n', start)) != std::string::npos; start = end + 1)
    EXPECT_LE(end - start, 80u) << console.screen().substr(start, end - start);
}

TEST_F(DriftForce, UserDriftFileOfTheConfiguration) {
  struct Case {
    std::int32_t CREATR, ISPM;
    const char* name;
  };
  const Case cases[] = {
      {13, 2, "BUOYDRFT.txt"}, {13, 3, "TANKDRFT.txt"}, {10, 2, "TUGDRFT.txt"},
      {10, 3, "BARGDRFT.txt"}, {11, 2, "DRFTCOFS.txt"}, {10, 5, "DRFTCOFS.txt"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(driftCoefficientFile(c.CREATR, c.ISPM).str(), makeText<13>(c.name).str()) << c.CREATR << " " << c.ISPM;
  }
  // Model code 1 reads the file of the configuration: a constant surge coefficient of 2 gives the
  // drift force 2 WVFCX m0, m0 = Hs^2 / 16 within the grid's share of the spectrum.
  TempDir dir;
  writeFileText("TUGDRFT.txt", "2 2\n0\n0.1 2 0 0\n2.0 2 0 0\n360\n0.1 2 0 0\n2.0 2 0 0\n");
  TPCM.CREATR = 10;
  TPCM.ISPM = 2;
  TPCM.LWVCOF = 0x441;
  float m0 = 0.0f, m2 = 0.0f;
  SMPINT(S, m0, m2);
  float dw = 0.0f;
  EXPECT_TRUE(IsClose(DRIFTF(0, 1, 0.0f, S, dw, 0.0f, 1), 2.0 * 1.1 * m0, 1e-5));
  closeAllUnits();
}

TEST_F(DriftForce, ComponentOutsideTheWordStops) {
  ConsoleCapture console("\n");
  float dw = 0.0f;
  EXPECT_EQ(stopStatus([&] { DRIFTF(0, 9, 0.0f, S, dw, 0.0f, 1); }), kExitFatal);
  EXPECT_NE(console.screen().find("Incorrect NIBBLE value in NIBVAL"), std::string::npos);
}

}  // namespace
}  // namespace qv
