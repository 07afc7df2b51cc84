#include "lowfreq/drift_coefficient.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <string>
#include <string_view>

#include "dataset/force_model.h"
#include "dataset/tpcm.h"
#include "hull/equilb.h"
#include "hull/pascom.h"
#include "lowfreq/drift_force.h"
#include "platform/units.h"
#include "support/checks.h"
#include "support/console_capture.h"
#include "support/fresh_run.h"
#include "support/temp_dir.h"
#include "waves/wavcom.h"
#include "drift_fixture.h"

namespace qv {
namespace {

using qv::testing_support::ConsoleCapture;
using qv::testing_support::IsClose;
using qv::testing_support::stopStatus;
using qv::testing_support::TempDir;
using qv::testing_support::writeFileText;

constexpr float kBeam = 1.5707964f;     // waves from the side of positive y [rad]
constexpr float kQuarter = 0.78539819f;  // waves from the bow quarter [rad]
constexpr float kKnots = 2.0f;          // current speed of the current cases

// A 200 m by 40 m hull of 12 m draft on the sea of drift_fixture.h, with the drift factors, the
// waterline polygon of the tanker models (bow angle 0.5, stern angle 0.8 rad) and a relative-motion
// table per wave system: 0.5 + 0.02 i for the sea, 0.3 + 0.01 i for the swell.
void driftHull() {
  testing_support::driftSea();
  Tpcm& t = TPCM;
  t.LWL = 200.0f;
  t.BWL = 40.0f;
  t.DRAFT = 12.0f;
  t.WVFCX = 1.1f;
  t.WVFCY = 0.9f;
  t.WVFCM = 0.8f;
  t.XSHDOW = 1.2f;
  t.YSHDOW = 1.5f;
  t.WPITCH = 0.5f;
  t.VESTYP = 1;
  Equilb& e = EQUILB;
  e.BOWANG = 0.5f;
  e.STRNAN = 0.8f;
  e.COTBOW = 1.0f / std::tan(e.BOWANG);
  e.COTSTN = 1.0f / std::tan(e.STRNAN);
  e.BLRAT0 = t.BWL / t.LWL;
  e.LEFRAT = 1.0f - e.BLRAT0 * e.COTBOW;
  e.LEFRT2 = 1.0f - 0.5f * e.BLRAT0 * (e.COTBOW + e.COTSTN);
  e.BOWARM = 0.5f * (1.0f - 0.5f * e.BLRAT0 * e.COTBOW);
  e.STRNRM = 0.5f * (1.0f - 0.5f * e.BLRAT0 * e.COTSTN);
  e.MOMCOF = 0.5f * e.BLRAT0 * ((1.0f - 0.5f * e.BLRAT0 * e.COTBOW) * e.COTBOW - 0.5f * e.BLRAT0);
  for (int i = 1; i <= testing_support::kDriftGridPoints; ++i) {
    PASCOM.RLRAOH2(i, 1) = 0.5f + 0.02f * static_cast<float>(i);
    PASCOM.RLRAOH2(i, 2) = 0.3f + 0.01f * static_cast<float>(i);
  }
}

// A current of 2 knots flowing toward the heading [deg].
void current(float headingDeg) {
  TPCM.LCURNT = 1;
  TPCM.CURSPD = kKnots;
  TPCM.CURHDG = headingDeg;
}

// The coefficient of a fresh heading (first-call flag set), which must clear the flag.
float fresh(int component, int i, int model, float beta, int system = 1, std::string_view caller = "DRIFTF",
            int userFile = 0) {
  std::int32_t first = 1;
  const float value = DRFTC(component, i, userFile, model, makeText<13>("DRFTCOFS.txt"), beta, first, caller, system);
  EXPECT_EQ(first, 0);
  return value;
}

class DriftCoefficient : public testing_support::FreshRun {
 protected:
  void SetUp() override {
    FreshRun::SetUp();
    driftHull();
  }
};

// References: Python with numpy and scipy on the grid of drift_fixture.h (k by brentq on
// the dispersion relation; shallow-water factor 1 + 2kd / sinh 2kd; the cylinder series with
// scipy.special jvp and yvp; the diffraction ratio with iv and kv; the model-6 table with
// numpy.interp), each model written from its closed form:
//   3: F (-cos beta | -sin beta) 0.5001 b (tanh(3.14159 (3X - 1)) + 0.99627), X = w sqrt(L / g) / 2 pi
//   4: F 0.33333 (-1) (1 + tanh(0.5 k L - 3.5))
//   5, 7: sqrt(RLRAOH2) F^2 cylinder(B/2 or L/2) (-1)
//   2 surge: f(w / WPITCH) (-sin^2 bow); sway: -ratio cot(bow) cos^2(bow) f - LEFRAT B(X^2)
//   6 surge: table(1.1 X) (-sin^2 bow); sway: (angle factor - LEFRT2) B(0.675 X^2)
// all times the shallow-water factor.
TEST_F(DriftCoefficient, EveryModelWithoutCurrent) {
  struct Case {
    int component, model;
    float beta;
    int system, i;
    double expected;
  };
  const Case cases[] = {
      {1, 3, 0.0f, 1, 1, -1.317801305865174},    {1, 3, 0.0f, 1, 8, -1.0865801677184075},
      {1, 3, 0.0f, 1, 21, -0.123460652854573},   {2, 3, kBeam, 1, 8, -1.1112751715301894},
      {3, 3, kQuarter, 1, 8, 0.0},               {1, 4, 0.0f, 1, 1, -0.7333260000000001},
      {1, 4, 0.0f, 1, 8, -0.3128442719193837},   {2, 4, kBeam, 1, 21, -0.005722684543634852},
      {3, 4, kQuarter, 1, 8, 0.0},               {1, 5, 0.0f, 1, 1, -0.5604592985062582},
      {1, 5, 0.0f, 1, 8, -0.2716032749448701},   {1, 5, 0.0f, 1, 21, -0.0076212444111383},
      {2, 5, kBeam, 2, 8, -0.1771340856104402},  {2, 7, kBeam, 2, 21, -0.12315736457485833},
      {1, 7, 0.0f, 1, 8, -0.2716032749448701},   {3, 7, kQuarter, 1, 8, 0.0},
      {1, 2, 0.0f, 1, 1, -0.229849356128151},    {1, 2, 0.0f, 1, 21, -0.058134006807784785},
      {2, 2, kBeam, 1, 8, -0.9824196454322535},  {2, 2, kBeam, 1, 21, -0.08761893244644249},
      {3, 2, kQuarter, 1, 1, -0.05871036810592828}, {3, 2, kQuarter, 1, 8, -0.07317910781314865},
      {1, 6, 0.0f, 1, 8, -0.25152529943920665},  {1, 6, 0.0f, 1, 21, -0.0008166894176135973},
      {2, 6, kBeam, 1, 1, -0.9079477706044832},  {2, 6, kBeam, 1, 8, -0.7461894502901972},
      {3, 6, kBeam, 1, 1, -0.003959549547347202}, {3, 6, kBeam, 1, 8, 0.009613836773987272},
  };
  for (const Case& c : cases) {
    EXPECT_TRUE(IsClose(fresh(c.component, c.i, c.model, c.beta, c.system), c.expected, 2e-4, 1e-7))
        << "model " << c.model << " component " << c.component << " at grid point " << c.i;
  }
}

// Every built-in model of the table has its coefficient: head seas push the hull back, and no model
// falls to the warning of a model without drift forces. (The user's file is read apart from the
// models, by the callers' flag.)
TEST_F(DriftCoefficient, EveryModelOfTheTableHasItsCoefficient) {
  for (const DriftModelRow& row : kDriftModels) {
    if (row.code == kDriftUserFile) continue;
    ConsoleCapture console;
    EXPECT_LT(fresh(1, 8, row.code, 0.0f), 0.0f) << row.name;
    EXPECT_EQ(console.screen(), "") << row.name;
  }
}

TEST_F(DriftCoefficient, CylinderModelOptions) {
  // The relative motion unchanged instead of its square root (Python as above: RLRAOH2 F^2 ...).
  TPCM.LEG_CYL_DFC = 1;
  EXPECT_TRUE(IsClose(fresh(1, 8, 5, 0.0f), -0.22065154364770243, 2e-4));
  // A column-stabilised hull: the mean waterline extent of PASCOM instead of the beam.
  TPCM.LEG_CYL_DFC = 0;
  TPCM.SEMI_LIKE = 1;
  PASCOM.MENWLX = 60.0f;
  EXPECT_TRUE(IsClose(fresh(1, 8, 7, 0.0f), -0.36630925019767446, 2e-4));
  EXPECT_TRUE(IsClose(fresh(1, 21, 5, 0.0f), -0.02460057867331372, 2e-4));
}

TEST_F(DriftCoefficient, CurrentChangesWaveNumberAndEnergyFlux) {
  // Python: k from (w - U k)^2 = g k tanh(kd) by brentq, U the current along the propagation
  // (2 knots = 1.0284 m/s); the intrinsic frequency w - U k; the model-4 coefficient at k times the
  // enhancement 1 + 2U/Cg + U^2/Cg^2 (legacy: without U^2/Cg^2) and 2 sqrt(k/g) Cg, Cg the group
  // velocity of the drift models at k.
  struct Case {
    float headingDeg;  // toward which the current flows; the waves come from ahead (beta 0)
    std::int32_t legacy;
    int i;
    double expected;
  };
  const Case cases[] = {
      {180.0f, 0, 1, -1.2168443446787969},   {180.0f, 0, 8, -0.24859092781588593},
      {180.0f, 0, 21, -0.007055714506865658}, {0.0f, 0, 1, -0.2498076553211782},
      {0.0f, 0, 8, -0.3646374201902866},     {180.0f, 1, 1, -1.1559527998661494},
      {0.0f, 1, 1, -0.12268906679744446},    {0.0f, 1, 21, -0.006911356113785859},
  };
  for (const Case& c : cases) {
    current(c.headingDeg);
    TPCM.LEGDFC = c.legacy;
    EXPECT_TRUE(IsClose(fresh(1, c.i, 4, 0.0f), c.expected, 2e-4))
        << "current toward " << c.headingDeg << " legacy " << c.legacy << " at " << c.i;
  }
  // Following current: the wave number of the Doppler-shifted wave (scipy brentq, as above).
  current(180.0f);
  TPCM.LEGDFC = 0;
  (void)fresh(1, 1, 4, 0.0f);
  EXPECT_TRUE(IsClose(drftcState.KCOMOV, 0.19235428151615916, 1e-4));
  // The legacy interaction leaves the current out of the group speed's drift.
  TPCM.LEGDFC = 1;
  TPCM.LCURNT = 0;
  const float still = fresh(1, 8, 4, 0.0f);
  current(180.0f);
  EXPECT_FLOAT_EQ(fresh(1, 8, 4, 0.0f, 1, "GRPSPD"), still);
  EXPECT_NE(fresh(1, 8, 4, 0.0f, 1, "DRIFTF"), still);
}

TEST_F(DriftCoefficient, CurrentAcrossTheWaves) {
  // The current has no component along the waves: the grid's wave number stands, but the energy
  // flux turns (Python: cos of the flux angle 1 / sqrt(1 + U^2/Cg^2), enhancement 1 + U^2/Cg^2).
  current(90.0f);
  EXPECT_TRUE(IsClose(fresh(1, 1, 4, 0.0f), -0.7721492858808051, 2e-4));
  EXPECT_EQ(drftcState.KCOMOV, WAVCOM.WVK(1));
  EXPECT_TRUE(IsClose(fresh(1, 8, 4, 0.0f), -0.3150164078612586, 2e-4));
  // The heading's angle factor is that of its first frequency: grid point 8 after grid point 1.
  std::int32_t first = 1;
  const Text<13> none = makeText<13>("");
  (void)DRFTC(1, 1, 0, 4, none, 0.0f, first, "DRIFTF", 1);
  EXPECT_TRUE(IsClose(DRFTC(1, 8, 0, 4, none, 0.0f, first, "DRIFTF", 1), -0.30125478325829963, 2e-4));
}

TEST_F(DriftCoefficient, RefractionBesideTheHull) {
  // Model 6 sway, waves from 2 rad, current of 2 knots toward 135 deg, hull modifiers 1, 1, 0.8 and
  // Munk factor 0.9. Python: the flux direction in the current, the downstream local current, the
  // refracted transverse wave number by brentq on 1 - (y^2 + a^2)^0.25 - b y, the refracted flux
  // angle (1.44335 and 1.82940 rad) and the 2001 angle factor over the polygon's sectors.
  current(135.0f);
  TPCM.XCURNTDN = 1.0f;
  TPCM.XCURNTUP = 1.0f;
  TPCM.YCURNTDN = 0.8f;
  TPCM.MUNKFAC1 = 0.9f;
  EXPECT_TRUE(IsClose(fresh(2, 1, 6, 2.0f), -0.36278848533206065, 5e-4));
  EXPECT_TRUE(IsClose(drftcState.FLXANG1, 1.4433519081168569, 1e-4));
  EXPECT_TRUE(IsClose(fresh(2, 8, 6, 2.0f), -0.5905655986055297, 5e-4));
  EXPECT_TRUE(IsClose(drftcState.FLXANG1, 1.8293962055417374, 1e-4));
}

// The sway drift of a tanker through head seas in a current that runs with the waves (2 knots toward
// 180 degrees, the waves from ahead, the vessel turned by -beta), model 6, the hull's side currents
// with a Munk factor of 0: at the hull the along-ship current differs from the undisturbed one, which
// refracts the waves to the critical angle of grazing incidence however small the incidence. The
// drift of a hull symmetric about its centre line is odd in beta and vanishes at head seas; it must
// grow from 0 without a jump, so that the yaw stiffness it adds at head seas is finite.
TEST_F(DriftCoefficient, SwayDriftThroughHeadSeasInACurrentHasNoJump) {
  current(180.0f);
  TPCM.LEGDFC = 0;
  TPCM.XCURNTDN = TPCM.XCURNTUP = TPCM.YCURNTDN = 1.0f;
  TPCM.MUNKFAC1 = 0.0f;
  TPCM.LWVCOF = 0x666;
  float S[testing_support::kDriftGridPoints] = {};
  testing_support::pmSpectrum(4.0f, 10.0f, S);
  const auto sway = [&](double beta) {
    EQUILB.VESANG = static_cast<float>(-beta);
    float dw = 0.0f;
    return static_cast<double>(DRIFTF(0, 2, static_cast<float>(beta), S, dw, 0.0f, 1));
  };
  const double atHundredth = sway(0.01);
  ASSERT_LT(atHundredth, 0.0) << "waves from the side of positive y push the hull toward negative y";
  EXPECT_LT(std::fabs(sway(0.0)), 1e-6 * std::fabs(atHundredth));
  for (const double beta : {1e-5, 1e-4, 1e-3, 1e-2}) {
    EXPECT_LE(sway(beta), 0.0) << beta;
    EXPECT_NEAR(sway(-beta), -sway(beta), 1e-4 * std::fabs(sway(beta)) + 1e-9) << beta;
  }
  EXPECT_LT(std::fabs(sway(1e-4)), 0.05 * std::fabs(atHundredth));
  // No jump anywhere between head seas and the bow quarter: steps of a tenth of a degree change the
  // drift by a small part of its range.
  double previous = sway(0.0);
  double largest = 0.0;
  double largestStep = 0.0;
  for (int k = 1; k <= 450; ++k) {
    const double value = sway(k * 0.001745329);
    largestStep = std::max(largestStep, std::fabs(value - previous));
    largest = std::max(largest, std::fabs(value));
    previous = value;
  }
  EXPECT_LT(largestStep, 0.02 * largest);
}

TEST_F(DriftCoefficient, UserTable) {
  TempDir dir;
  // Two frequencies and two headings, coefficients linear in frequency and the same at every heading:
  // surge 0.2 + 0.5 f, so the table's bilinear value is exact.
  writeFileText("DRFTCOFS.txt",
                "2 2\n0\n0.1 0.25 1 1\n2.0 1.2 1 1\n360\n0.1 0.25 1 1\n2.0 1.2 1 1\n");
  const double w8 = WAVCOM.W(8);
  EXPECT_TRUE(IsClose(fresh(1, 8, 1, 0.3f, 1, "DRIFTF", 1), 1.1 * (0.2 + 0.5 * w8), 1e-5));
  // In a current with the current-corrected frequency (Python: the intrinsic frequency of the
  // following-current case and the enhancement 1 + 2U/Cg + U^2/Cg^2).
  current(180.0f);
  TPCM.CURCOR = 1;
  EXPECT_TRUE(IsClose(fresh(1, 8, 1, 0.0f, 1, "DRIFTF", 1), 0.6377146401780133, 2e-4));
  // Without the correction the table is read at the grid frequency and the current is left out.
  TPCM.CURCOR = 0;
  EXPECT_TRUE(IsClose(fresh(1, 8, 1, 0.0f, 1, "DRIFTF", 1), 1.1 * (0.2 + 0.5 * w8), 1e-5));
  closeAllUnits();
}

TEST_F(DriftCoefficient, ModelWithoutDriftForces) {
  const std::string warning =
      "\n ++> Warning: Drift forces for this vessel type are not implemented.\n\n"
      "\a\n Enter \"A\" to abort or Press <RETURN> to continue: ";
  {
    ConsoleCapture console("\n\n");
    std::int32_t first = 1;
    const Text<13> none = makeText<13>("");
    const int pastTheTable = static_cast<int>(std::size(kDriftModels)) + 1;
    EXPECT_EQ(DRFTC(1, 1, 0, pastTheTable, none, 0.0f, first, "DRIFTF", 1), 0.0f);
    EXPECT_EQ(DRFTC(1, 2, 0, pastTheTable, none, 0.0f, first, "DRIFTF", 1), 0.0f);  // at every frequency
    EXPECT_EQ(console.screen(), warning + warning);
  }
  {
    ConsoleCapture console("A\n");
    EXPECT_EQ(stopStatus([] { fresh(1, 1, 0, 0.0f); }), kExitFatal);
  }
  // An unattended run goes on with 0.
  TPCM.EDUNIT = kDiagnosticsUnit;
  ConsoleCapture console("typed\n");
  EXPECT_EQ(fresh(1, 1, 9, 0.0f), 0.0f);
  EXPECT_EQ(console.unread(), "typed\n");
}

TEST_F(DriftCoefficient, ComponentOutOfRangeStops) {
  ConsoleCapture console("\n");
  EXPECT_EQ(stopStatus([] { fresh(4, 1, 4, 0.0f); }), kExitFatal);
  EXPECT_EQ(console.screen(), " >>> LCOMP error in DRIFTF; contact Kestrin.\n\n Press <RETURN> to continue: ");
}

}  // namespace
}  // namespace qv
