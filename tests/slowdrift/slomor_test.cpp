// The slow-drift stage SLOMOR on the moored ship of the net-load tests (stand-in hull, cylindrical
// wind and current coefficients, sinusoidal drift tables) with a stiffening load-offset table: the
// equilibria and their stability against a centred difference of the moment taken here, the surge
// period against 2 pi sqrt(M / K), the coupled sway-yaw frequencies against scipy, the energy table,
// the square-law root, the modes without frequency, and the stops and warnings of the stage.
#include "slowdrift/slomor.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "dataset/tpcm.h"
#include "dataset/tpcm_codes.h"
#include "hull/equilb.h"
#include "hull/pascom.h"
#include "lowfreq/moored_ship_fixture.h"
#include "lowfreq/net_loads.h"
#include "lowfreq/sines.h"
#include "platform/block_reset.h"
#include "platform/units.h"
#include "slowdrift/ergcom.h"
#include "statics/solve.h"
#include "support/checks.h"
#include "support/console_capture.h"
#include "support/fresh_run.h"
#include "support/temp_dir.h"
#include "util/fatal.h"
#include "waves/wavcom.h"

namespace qv {
namespace {

using testing_support::ConsoleCapture;
using testing_support::contains;
using testing_support::IsClose;
using testing_support::stopStatus;
using testing_support::TempDir;

constexpr double kPi = 3.14159265358979;
constexpr int kTablePoints = 10;

// An angle difference reduced to [-pi, pi].
double turn(double a) { return std::remainder(a, 2.0 * kPi); }

// The stiffening table of the SALM: H = 2 x + 0.2 x^2 [kips] at offsets x = 0, 5, ..., 45 ft.
float tableLoad(float x) { return 2.0f * x + 0.2f * x * x; }

// The "DRFTCOFS.txt" of a yaw drift moment alone, -cz sin(2a): four equilibria, at a = 0, 90, 180
// and 270 deg (the file heading H is a + 180 deg, so sin 2a = sin 2H).
void writeQuadrantDriftTable(float cz) {
  std::ofstream out("DRFTCOFS.txt");
  out << "2 37\n";
  for (int j = 0; j <= 36; ++j) {
    const double H = 10.0 * j / 57.29577951308232;
    out << 10 * j << "\n";
    for (const double frequency : {0.1, 5.0}) out << frequency << " 0 0 " << -cz * std::sin(2.0 * H) << "\n";
  }
}

class SlowDrift : public testing_support::FreshRun {
 protected:
  void SetUp() override {
    FreshRun::SetUp();
    testing_support::mooredShipAfterPassOne();
    Tpcm& t = TPCM;
    t.DISPL = 340000.0f;
    t.TYGYR = 225.0f;
    t.XSALM = 420.0f;
    t.CG_to_Midship = 0.0f;
    t.LSPM = 1;
    t.NELEM = 0;
    t.DWTONS = 250000.0f;
    t.NUMTAB = kTablePoints;
    for (int k = 1; k <= kTablePoints; ++k) {
      EQUILB.OFFSET(k) = 5.0f * static_cast<float>(k - 1);
      EQUILB.HLOAD(k) = tableLoad(EQUILB.OFFSET(k));
    }
    console.emplace("\n\n\n\n");
  }

  void windOnly(float speed = 40.0f, float headingDeg = 200.0f) {
    TPCM.LWIND = 1;
    TPCM.WNDSPD = speed;
    TPCM.WNDHDG = headingDeg;
    TPCM.WNDTYP = 1;  // Davenport
  }

  // The slope of the moment at psi by a centred difference.
  static float momentSlope(float psi) { return (TORQUE(psi + 1.0e-3f) - TORQUE(psi - 1.0e-3f)) / 2.0e-3f; }

  TempDir dir;
  std::optional<ConsoleCapture> console;
};

// Wind alone: the ship lies head to the wind (stable) or stern to it (unstable); the head-to-wind
// root has the larger energy. Its surge period is 2 pi sqrt(M / K), M = DISPL / G (CMSRG c^2 + CMSWY
// s^2) with the angle between vessel and force turned by YOKVES, K the slope of the table's interval.
TEST_F(SlowDrift, WindAloneTwoEquilibriaAndTheSurgePeriod) {
  windOnly();
  TPCM.YOKVES = 0.3f;
  SLOMOR();
  const Equilb& q = EQUILB;
  ASSERT_EQ(q.IANGLE, 2);
  const double headToWind = 200.0 / 57.29577951 + kPi;
  for (int k = 1; k <= 2; ++k) {
    const float slope = momentSlope(q.TANGLE(k));
    EXPECT_EQ(q.LSTABL(k), slope < 0.0f ? 1 : 0) << k;
  }
  const int stable = q.LSTABL(1) == 1 ? 1 : 2;
  EXPECT_EQ(q.LSTABL(3 - stable), 0);
  EXPECT_EQ(q.ISTAB, stable);
  EXPECT_TRUE(IsClose(turn(q.TANGLE(stable) - headToWind), 0.0, 0.0, 2e-4));
  EXPECT_TRUE(IsClose(turn(q.TANGLE(3 - stable) - headToWind - kPi), 0.0, 0.0, 2e-4));
  EXPECT_EQ(q.VESANG, q.TANGLE(stable));
  EXPECT_GT(q.ENERGY(stable), q.ENERGY(3 - stable));
  EXPECT_TRUE(IsClose(q.FTOT(stable), SINES.WNDCOF * TPCM.TXWNDA, 1e-5));
  // The force pushes the ship astern: the SALM lies along the vessel, towards its stern.
  EXPECT_TRUE(IsClose(turn(q.SLMANG(stable) - headToWind - kPi), 0.0, 0.0, 2e-4));
  EXPECT_TRUE(IsClose(turn(q.SWIND_ATTACK), 0.0, 0.0, 2e-4));

  const float F = q.FTOT(stable);
  int J = 1;
  while (EQUILB.HLOAD(J + 1) < F) ++J;
  const double K = (tableLoad(5.0f * J) - tableLoad(5.0f * (J - 1))) / 5.0;
  EXPECT_TRUE(IsClose(ERGCOM.SPRNGX, K, 1e-5));
  const double A = q.TANGLE(stable) - q.SLMANG(stable) + 0.3;
  const double M = 340000.0 / 32.152 *
                   (PASCOM.CMSRG * std::cos(A) * std::cos(A) + PASCOM.CMSWY * std::sin(A) * std::sin(A));
  EXPECT_TRUE(IsClose(q.TSURG, 2.0 * kPi * std::sqrt(M / K), 1e-5));
  EXPECT_TRUE(IsClose(q.WSURG, 2.0 * kPi / q.TSURG, 1e-6));
  // The mean offset lies on the table at the mean load.
  const double x0 = 5.0 * (J - 1) + (F - tableLoad(5.0f * (J - 1))) / K;
  EXPECT_TRUE(IsClose(ERGCOM.REQLIB, x0, 1e-5));

  // Surge: the wind force F changes by 2 F dU / U with the gusts, which damps the surge by 2 F / U
  // per unit velocity (B / (M w) = 2 F / (U M w)) and drives it with the gust density S(w):
  // variance 2 pi (F / U)^2 S / (M^2 w^3) per unit of the total damping (Davenport, L = 626.67 ft).
  const double U = 40.0 * 1.687;
  const double w = q.WSURG;
  EXPECT_TRUE(IsClose(q.GAMWND, 2.0 * F / (U * q.EMSURG * w), 1e-5));
  const double Ug = 40.0 * 1.6867;
  const double x = w * 626.67 / Ug;
  const double S = 0.02 * Ug * 626.67 * x / std::pow(1.0 + x * x, 1.333333);
  EXPECT_TRUE(IsClose(q.VARWND * q.GAMTOT, 2.0 * kPi * F * F / (U * U) * S / (M * M * w * w * w), 1e-4));
  EXPECT_EQ(q.VARTOT, q.VARWND);
  EXPECT_EQ(q.EGMSG, q.GAMTOT);
  EXPECT_TRUE(IsClose(q.GAMTOT, q.GAMSTW + q.GAMWND, 1e-6));
}

// The energy table is the work of the table load from the unloaded position: a linear spring gives
// 0.5 k x^2 at every point, rising with the offset.
TEST_F(SlowDrift, EnergyTableOfALinearSpring) {
  windOnly();
  for (int k = 1; k <= kTablePoints; ++k) EQUILB.HLOAD(k) = 12.0f * EQUILB.OFFSET(k);
  SLOMOR();
  for (int k = 1; k <= kTablePoints; ++k) {
    const double x = 5.0 * (k - 1);
    EXPECT_TRUE(IsClose(ERGCOM.SRGERG(k), 0.5 * 12.0 * x * x, 1e-6, 1e-6)) << k;
  }
  EXPECT_TRUE(IsClose(ERGCOM.SPRNGX, 12.0, 1e-6));
}

TEST_F(SlowDrift, CoupledSwayYawFrequenciesAgainstScipy) {
  struct Case {
    float p, q, r;
    double low, high;  // sqrt of scipy.linalg.eigh(diag(q, p), [[1, -sqrt r], [-sqrt r, 1]])
  };
  const Case cases[] = {
      {0.0004f, 0.0009f, 0.3f, 0.0184035534, 0.0389673207},
      {0.002f, 0.0005f, 0.75f, 0.0204309644, 0.0978906313},
      {0.001f, 0.001f, 0.5f, 0.0242030254, 0.0584312721},
      {0.0f, 0.0016f, 0.2f, 0.0, 0.0447213595},  // no net force: the low mode has no frequency
  };
  for (const Case& c : cases) {
    float low = -1.0f;
    float high = -1.0f;
    coupledSwayYaw(c.p, c.q, c.r, low, high);
    EXPECT_TRUE(IsClose(low, c.low, 1e-6, 1e-9)) << c.p << " " << c.q << " " << c.r;
    EXPECT_TRUE(IsClose(high, c.high, 1e-6)) << c.p << " " << c.q << " " << c.r;
  }
}

// The moment of a yaw drift table -cz sin 2a: four roots over the turn, stable where the moment
// falls through 0 (a = 0 and 180 deg for cz > 0), each marked as the slope taken here says.
TEST_F(SlowDrift, FourEquilibriaOfAYawDriftMoment) {
  writeQuadrantDriftTable(0.04f);
  TPCM.LRANDM = 1;
  TPCM.WAVTYP = 1;
  TPCM.SWHT(1) = 20.0f;
  TPCM.SIGPD(1) = 10.0f;
  TPCM.SEAHDG(1) = 10.0f;
  SLOMOR();
  const Equilb& q = EQUILB;
  ASSERT_EQ(q.IANGLE, 4);
  int stable = 0;
  for (int k = 1; k <= 4; ++k) {
    EXPECT_EQ(q.LSTABL(k), momentSlope(q.TANGLE(k)) < 0.0f ? 1 : 0) << k;
    stable += q.LSTABL(k);
    // a multiple of 90 deg from the sea
    const double a = std::remainder(10.0 / 57.29577951 - q.TANGLE(k) + kPi, kPi / 2.0);
    EXPECT_TRUE(IsClose(a, 0.0, 0.0, 2e-4)) << k;
  }
  EXPECT_EQ(stable, 2);
  EXPECT_EQ(q.LSTABL(q.ISTAB), 1);
}

// The user's drift coefficients as the README states their use, held against the stage: a wave
// system gives the mean drift force w B m0 Cx along the vessel and w L m0 Cy across it, and the yaw
// moment w L^2 m0 Cz about midship, for coefficients constant over frequency and heading, each times
// its wave reflection enhancement factor; w is the water's weight density in kips per ft^3 (page 1's
// 64 lb/ft^3 over 1000), B and L the waterline beam and length (150 and 900 ft), m0 the area under
// the sea's spectrum, (Hs / 4)^2 of the height the stage reports. About the mooring point, the arm
// YAWARM - CG_to_Midship ahead of midship, the sway force adds its moment -arm Fy. (A regular wave
// of amplitude a has m0 = a^2 / 2: 0.5 w B Cx a^2, as the editor's help gives it.) The wind gives the
// scan its equilibria.
TEST_F(SlowDrift, ConstantDriftCoefficientsGiveTheForcesOfTheReadme) {
  const double Cx = -1.0, Cy = 0.1, Cz = 0.02;
  {
    std::ofstream out("DRFTCOFS.txt");
    out << "2 2\n";
    for (const int heading : {0, 360}) {
      out << heading << "\n";
      for (const double frequency : {0.1, 5.0}) out << frequency << " " << Cx << " " << Cy << " " << Cz << "\n";
    }
  }
  windOnly();
  Tpcm& t = TPCM;
  t.LRANDM = 1;
  t.WAVTYP = 1;
  t.SWHT(1) = 8.0f;
  t.SIGPD(1) = 10.0f;
  t.SEAHDG(1) = 150.0f;
  t.WVFCX = 1.5f;
  t.WVFCY = 2.0f;
  t.WVFCM = 0.5f;
  t.CG_to_Midship = 10.0f;
  ASSERT_EQ(stopStatus([] { SLOMOR(); }), -1) << console->screen();
  const Equilb& q = EQUILB;
  ASSERT_GE(q.IANGLE, 1);
  const double w = 64.0 / 1000.0;
  const double B = 150.0, L = 900.0;
  const double m0 = std::pow(WAVCOM.SWH / 4.0, 2);
  ASSERT_GT(m0, 1.0);
  const double Fx = w * B * m0 * 1.5 * Cx;
  const double Fy = w * L * m0 * 2.0 * Cy;
  const double Mz = w * L * L * m0 * 0.5 * Cz;
  const double arm = q.YAWARM - 10.0;
  for (const float psi : {q.VESANG, 1.0f}) {
    NetForce f{};
    NETFOR(f, psi, 1);
    EXPECT_TRUE(IsClose(f.drift[0].X, Fx, 1e-5)) << psi;
    EXPECT_TRUE(IsClose(f.drift[0].Y, Fy, 1e-5)) << psi;
    float total = 0.0f;
    TorqueParts parts{};
    TORQUE2(psi, total, parts);
    EXPECT_TRUE(IsClose(parts.sea[0].drift, Mz - arm * Fy, 1e-5)) << psi;
  }
  EXPECT_TRUE(IsClose(q.SXWAV, Fx, 1e-5));
  EXPECT_TRUE(IsClose(q.SYWAV, Fy, 1e-5));
}

// Head to the wind at -0.49995 rad, just inside the scan's start: the first interval finds it and
// the last, which closes the turn with 0.0001 rad to spare, finds it again; it is kept once.
TEST_F(SlowDrift, ARootAtTheSeamOfTheScanIsReportedOnce) {
  const float headingDeg = static_cast<float>((-0.49995 - kPi) * 57.29577951 + 360.0);
  windOnly(40.0f, headingDeg);
  SLOMOR();
  const Equilb& q = EQUILB;
  ASSERT_EQ(q.IANGLE, 2);
  EXPECT_TRUE(IsClose(q.TANGLE(1), -0.49995, 0.0, 2e-5));
  EXPECT_EQ(q.ISTAB, 1);
  EXPECT_EQ(q.LSTABL(1), 1);
}

// No load at all: the moment is 0 at every interval's start, so each interval yields a root, and
// with no net force the low sway-yaw mode has no frequency: period 0 ("N.A."), no damping, no
// variance, no square-law step. The other modes keep their still-water damping; every variance is 0.
TEST_F(SlowDrift, NoLoadStillWaterAloneAndAModeWithoutFrequency) {
  SLOMOR();
  const Equilb& q = EQUILB;
  EXPECT_EQ(q.IANGLE, 11);
  EXPECT_GT(q.WSURG, 0.0f);
  EXPECT_EQ(q.WSWAY, 0.0f);
  EXPECT_EQ(q.TSWAY, 0.0f);
  EXPECT_GT(q.WYAW, 0.0f);
  for (int mode = 1; mode <= 3; ++mode) {
    const LowModeRecord& rec = q.MODREC(mode);
    EXPECT_EQ(rec.VARTOT, 0.0f) << mode;
    EXPECT_EQ(rec.GAMWND + rec.GAMCUR + rec.GAMWV + rec.GAMSWL + rec.GAMQSG, 0.0f) << mode;
    EXPECT_EQ(rec.GAMTOT, rec.GAMSTW) << mode;
    EXPECT_TRUE(std::isfinite(rec.EGMSG)) << mode;
  }
  EXPECT_EQ(q.GMTOT2, 0.0f);
  EXPECT_GT(q.GAMTOT, 0.0f);
  EXPECT_EQ(q.EGMHI, q.GMTOT3);
}

// A spread mooring: nothing sets its sway and yaw stiffness, so those modes have no frequency.
TEST_F(SlowDrift, SpreadMooringHasNoSwayOrYawFrequency) {
  windOnly();
  TPCM.LSPM = 0;
  SLOMOR();
  const Equilb& q = EQUILB;
  EXPECT_GT(q.TSURG, 0.0f);
  EXPECT_EQ(q.TSWAY, 0.0f);
  EXPECT_EQ(q.TYAW, 0.0f);
  EXPECT_EQ(q.EVRLO + q.EVRHI + q.EGMLO + q.EGMHI, 0.0f);
  EXPECT_GT(q.VARWND, 0.0f);
}

// The exact root of CYQTP x^3 + x^2 - VARYTP on [0, 2 sigma], by bisection in double precision.
double exactCubicRoot(double CYQTP, double VARYTP) {
  double lo = 0.0;
  double hi = 2.0 * std::sqrt(VARYTP);
  for (int i = 0; i < 200; ++i) {
    const double mid = 0.5 * (lo + hi);
    (CYQTP * mid * mid * mid + mid * mid - VARYTP > 0.0 ? hi : lo) = mid;
  }
  return lo;
}

// Wind and a sea from beside the wind: the sway-yaw modes get square-law damping, whose amplitude is
// the root of CUBIC on [0, 2 sigma], found to a relative 1e-4 or better both for the sway of a strong
// slow-drift force (sigma of some feet) and for a yaw of some hundredths of a radian. User damping of
// 5 percent of critical is 0.1 and takes the mode out of the square-law step.
TEST_F(SlowDrift, SquareLawDampingAndUserDamping) {
  testing_support::writeDriftTable(0.3f, 0.5f, 0.02f);
  windOnly();
  TPCM.LRANDM = 1;
  TPCM.WAVTYP = 1;
  TPCM.SWHT(1) = 20.0f;
  TPCM.SIGPD(1) = 10.0f;
  TPCM.SEAHDG(1) = 150.0f;
  TPCM.VWDFAC = 400.0f;
  SLOMOR();
  Equilb& q = EQUILB;
  ASSERT_GT(q.GAMQHI, 0.0f);
  // The last mode solved is the yaw mode: CYQTP and VARYTP are its.
  float x = q.GAMQHI / (q.GMTOT3 * q.CYQTP);
  EXPECT_TRUE(IsClose(x, exactCubicRoot(q.CYQTP, q.VARYTP), 1e-4));
  EXPECT_TRUE(IsClose(q.EGMHI, q.GMTOT3 + q.GAMQHI, 1e-6));
  EXPECT_TRUE(IsClose(q.EVRHI, q.VARYTP * q.GMTOT3 / q.EGMHI, 1e-5));
  EXPECT_EQ(q.GMLNHI, 0.0f);

  TPCM.LYWLFD = 1;  // the sway mode is then the last solved
  TPCM.YWLFDP = 5.0f;
  SLOMOR();
  EXPECT_TRUE(IsClose(q.GMTOT3, 0.1, 1e-7));
  EXPECT_EQ(q.EGMHI, q.GMTOT3);
  EXPECT_EQ(q.GAMQHI, 0.0f);
  ASSERT_GT(q.GAMQLO, 0.0f);
  const float sigma = std::sqrt(q.VARYTP);
  ASSERT_GT(sigma, 2.0f);
  x = q.GAMQLO / (q.GMTOT2 * q.CYQTP);
  EXPECT_TRUE(IsClose(x, exactCubicRoot(q.CYQTP, q.VARYTP), 0.0, 1e-4 * sigma));
  EXPECT_TRUE(IsClose(CUBIC(x), 0.0, 0.0, 1e-4 * sigma));
  EXPECT_TRUE(IsClose(q.EVRLO, q.VARYTP * q.GMTOT2 / q.EGMLO, 1e-5));
}

// The amplitude with square-law damping against the closed form of the cubic over the (CYQTP,
// VARYTP) that the examples' sway [m] and yaw [rad] reach, a ship's sway in feet, and the ends where
// one term alone sets the root (tests/slowdrift/reference/square_law_root_reference.py): a thousandth
// of the amplitude can already change the printed damping; the root is held to a tenth of that,
// and the equation's residual to what that precision leaves (2 to 3 times it, relative to VARYTP).
TEST_F(SlowDrift, SquareLawRootAgainstItsEquation) {
  struct Case {
    float CYQTP;   // [1/rad | 1/length]
    float VARYTP;  // the linear motion variance [rad^2 | length^2]
    double root;   // the amplitude by the closed form
  };
  const Case cases[] = {
      {99.0559769f, 5.46623283e-18f, 2.337997340e-09},  // tanker yaw, wind toward 0 deg: hardly any yaw
      {16.709919f, 3.18290045e-13f, 5.641693401e-07},  // tanker sway, wind toward 0 deg
      {73.7353897f, 0.000830704637f, 1.868992131e-02},  // tanker yaw, wind toward 136.3 deg
      {80.5213242f, 0.000173329885f, 9.835040369e-03},  // tanker yaw, wind toward 160 deg
      {2.04140878f, 7.12948677e-05f, 8.372383829e-03},  // tanker yaw, wind toward 90 deg
      {1.6631099f, 0.0147808511f, 1.116514560e-01},  // tanker sway, wind toward 90 deg
      {3.80182195f, 0.00133701251f, 3.438650335e-02},  // tanker sway, wind toward 160 deg
      {45.0f, 0.001f, 2.233289229e-02},  // a yaw of 0.03 rad against a strong drag
      {0.05f, 150.0f, 9.999999979e+00},  // a ship's sway in feet
      {0.5f, 30.0f, 3.349142001e+00},  // a ship's sway in feet, more drag
      {0.01f, 10000.0f, 7.548776692e+01},  // a sway of 100 ft
      {0.001f, 1e-06f, 9.999994987e-04},  // square term alone: c sigma 1e-6
      {10000.0f, 1.0f, 4.638257893e-02},  // cubic term ahead: c sigma 1e4
      {1000000.0f, 100.0f, 4.641555501e-02},  // cubic term alone: c sigma 1e7
  };
  Equilb& q = EQUILB;
  for (const Case& c : cases) {
    q.CYQTP = c.CYQTP;
    q.VARYTP = c.VARYTP;
    const double x = squareLawAmplitude(std::sqrt(c.VARYTP));
    const double residual = (double{c.CYQTP} * x * x * x + x * x - c.VARYTP) / c.VARYTP;
    EXPECT_TRUE(IsClose(x, c.root, 1e-4)) << "CYQTP " << c.CYQTP << ", VARYTP " << c.VARYTP;
    EXPECT_LE(std::fabs(residual), 3e-4) << "CYQTP " << c.CYQTP << ", VARYTP " << c.VARYTP << ": x " << x;
  }
  EXPECT_EQ(console->screen(), "");  // no convergence failure on the way
}

// The root is continuous in both inputs: swept in steps of 0.1 % over two decades of the variance
// and of the drag about the tanker's yaw (CYQTP 74 /rad, sigma 0.029 rad), each step of ln x lies
// between the bounds that the cubic sets, whatever the amplitude: with s = CYQTP x, d ln x / d ln VARYTP
// = (1 + s) / (2 + 3 s), between 1/3 (the cubic term alone) and 1/2 (the square term alone), and
// d ln x / d ln CYQTP = -s / (2 + 3 s), between -1/3 and 0; a margin of 1e-4 takes the search's
// precision.
TEST_F(SlowDrift, SquareLawRootIsContinuousInItsInputs) {
  struct Sweep {
    const char* what;
    float Equilb::*swept;
    double low, high;  // the span of the swept input
    double leastSlope, mostSlope;  // the bounds of d ln x / d ln input
  };
  const Sweep sweeps[] = {{"VARYTP", &Equilb::VARYTP, 8.3e-5, 8.3e-3, 1.0 / 3.0, 0.5},
                          {"CYQTP", &Equilb::CYQTP, 7.4, 740.0, -1.0 / 3.0, 0.0}};
  constexpr double kStep = 1.001;
  constexpr double kMargin = 1e-4;
  Equilb& q = EQUILB;
  for (const Sweep& s : sweeps) {
    q.CYQTP = 73.7353897f;
    q.VARYTP = 8.30704637e-04f;
    double lastInput = 0.0;
    double lastRoot = 0.0;
    int steps = 0;
    double worst = 0.0;  // the largest step of ln x beyond its bounds
    double worstAt = 0.0;
    for (double input = s.low; input <= s.high; input *= kStep) {
      q.*s.swept = static_cast<float>(input);
      const double used = q.*s.swept;
      const double x = squareLawAmplitude(std::sqrt(q.VARYTP));
      if (lastRoot > 0.0) {
        const double run = std::log(used / lastInput);
        const double rise = std::log(x / lastRoot);
        const double beyond = std::max(s.leastSlope * run - rise, rise - s.mostSlope * run);
        if (beyond > worst) {
          worst = beyond;
          worstAt = used;
        }
        ++steps;
      }
      lastInput = used;
      lastRoot = x;
    }
    EXPECT_GT(steps, 4000) << s.what;
    EXPECT_LE(worst, kMargin) << s.what << " " << worstAt;
  }
}

// A wind switched on without speed is no wind; the current densities of the three modes all come
// from the data set's constant, which stays as it was.
TEST_F(SlowDrift, SourcesWithoutSpeedAndTheCurrentDensities) {
  windOnly(0.0f);
  TPCM.LCURNT = 1;
  TPCM.CURSPD = 3.0f;
  TPCM.CURHDG = 45.0f;
  TPCM.CURTYP = 3;  // band-limited white: the constant up to 0.1257 rad/s, 0 above
  TPCM.CURDEN = 0.7f;
  SLOMOR();
  const Equilb& q = EQUILB;
  EXPECT_EQ(q.GAMWND, 0.0f);
  EXPECT_EQ(q.SXWND, 0.0f);
  EXPECT_GT(q.GAMCUR, 0.0f);
  EXPECT_EQ(TPCM.CURDEN, 0.7f);
  const LowFrequencyDensities& d = lowFrequencyDensities;
  EXPECT_EQ(d.currentSurge, q.WSURG <= 0.1257f ? 0.7f : 0.0f);
  EXPECT_EQ(d.currentSway, q.WSWAY <= 0.1257f ? 0.7f : 0.0f);
  EXPECT_EQ(d.currentYaw, q.WYAW <= 0.1257f ? 0.7f : 0.0f);
  EXPECT_EQ(TPCM.CURDNY, d.currentSway);
  EXPECT_EQ(TPCM.CURDNZ, d.currentYaw);
}

TEST_F(SlowDrift, SetUpOfTheHullAndTheTankerSize) {
  windOnly();
  struct Case {
    float deadweight;  // [kips]: 0.00044642901 of it in thousands of long tons
    float size;
  };
  const Case cases[] = {{179200.5f, 0.0f}, {313600.9f, 1.0f}, {246400.7f, 0.5f}};
  for (const Case& c : cases) {
    TPCM.DWTONS = c.deadweight;
    SLOMOR();
    EXPECT_TRUE(IsClose(TPCM.SIZE, c.size, 0.0, 1e-5)) << c.deadweight;
  }
  const Equilb& q = EQUILB;
  EXPECT_TRUE(IsClose(q.SINBOW, std::sqrt(0.36), 1e-6));  // BOWFAC 1
  EXPECT_TRUE(IsClose(q.SINSTN, std::sqrt(0.45), 1e-6));  // STRNFC 1.25
  TPCM.BOWFAC = 2.77f;
  SLOMOR();
  EXPECT_EQ(q.SINBOW, 1.0f);
  EXPECT_EQ(q.COTBOW, 0.0f);
  TPCM.BOWFAC = 2.76f;
  SLOMOR();
  EXPECT_TRUE(IsClose(q.SINBOW, std::sqrt(0.9936), 1e-6));
  EXPECT_TRUE(IsClose(q.YAWARM, 420.0, 0.0));
  EXPECT_TRUE(IsClose(SINES.HOVERD, 3.0, 1e-7));
  EXPECT_TRUE(IsClose(SOLVE.DPHI, 6.2832856 / 11.0, 1e-7));
  EXPECT_NE(console->screen().find(" >>> Computing low-frequency dynamics...\n"), std::string::npos);
}

TEST_F(SlowDrift, StopsOfTheStage) {
  struct Case {
    const char* what;
    void (*setUp)();
    const char* message;
  };
  const Case cases[] = {
      {"swell off the grid",
       [] {
         TPCM.LSWELL = 1;
         TPCM.SWELPD = 16.0f;  // the grid ends at 15 s
       },
       " ++> SWELL OUTSIDE WAVE PERIOD RANGE\n"},
      {"second swell off the grid",
       [] {
         TPCM.LSWELL = 1;
         TPCM.SWELPD = 10.0f;
         TPCM.LSWEL2 = 1;
         TPCM.SWELPD2 = 16.0f;
       },
       " ++> SWELL OUTSIDE WAVE PERIOD RANGE\n     The second swell peak period 16.00 s (page 16) is nearest to none"},
      {"a moment no heading balances",
       [] {
         TPCM.AUXFRC = 1;
         TPCM.VESMOM = 1.0e6f;
       },
       " ++> No equilibrium condition found.\n     Check data file for oversized external force/moment.\n"
       "     The yaw moment keeps one sign over the turn; its largest is 1000000.00\n"
       "     ft-kips at the vessel heading -28.65 deg.\n"
       "     The largest part of it, 1000000.00 ft-kips, comes from the auxiliary\n"
       "     force 1 of the external forces (page 9).\n"},
      {"more than 30 roots: 40 intervals of zero moment",
       [] {
         TPCM.NBUG0 = 1;
         TPCM.EDUNIT = kScreenUnit;
       },
       " ++> Too many equilibrium angles found in VANTREL...\n     Contact Kestrin Systems for assistance.\n"},
  };
  for (const Case& c : cases) {
    SetUp();
    c.setUp();
    ConsoleCapture typed(std::string(c.what).find("40") != std::string::npos ? "1\n40\n\n" : "\n");
    EXPECT_EQ(stopStatus([] { SLOMOR(); }), kExitFatal) << c.what;
    EXPECT_TRUE(contains(typed.screen(), std::string("\n") + c.message)) << c.what << "\n" << typed.screen();
  }
}

// Thirty roots with the thirtieth in the last interval are kept.
TEST_F(SlowDrift, ThirtyRootsFillTheTable) {
  TPCM.NBUG0 = 1;
  ConsoleCapture typed("1\n30\n");
  SLOMOR();
  EXPECT_EQ(EQUILB.IANGLE, 30);
}

// A net force beyond the table: the warning, which names the load, the table's last load and where
// to raise it, then a negative reply stops, a blank one goes on and the offset is extrapolated from
// the last interval; an unattended run stops with the same lines.
TEST_F(SlowDrift, ALoadBeyondTheTable) {
  windOnly(150.0f);  // about 1560 kips against a table that ends at 495
  // A column without elements: the statics' table ends at the auxiliary table's last load.
  TPCM.AUXTBL = 1;
  TPCM.AUXFOR(kTablePoints) = tableLoad(45.0f);
  {
    ConsoleCapture typed("\n\n\n\n");
    SLOMOR();
    const std::string screen = typed.screen();
    const std::string warning = "\n ++> WARNING; a static load exceeds the maximum table value\n     At the vessel heading ";
    ASSERT_TRUE(contains(screen, warning)) << screen;
    // The load of the head wind, the wind's pressure on the frontal area (cylinder: Cx = 1).
    const std::size_t at = screen.find(" the net horizontal load is ", screen.find(warning));
    EXPECT_TRUE(IsClose(std::stod(screen.substr(at + 28)), SINES.WNDCOF * TPCM.TXWNDA, 1e-5)) << screen;
    EXPECT_TRUE(contains(screen,
                         " kips,\n     beyond the load-offset table's last load of 495.00 kips, from which its\n"
                         "     offset would be extrapolated. Raise the last load of the auxiliary static\n"
                         "     offset table (page 3, item 11), now 495.00 kips, above the loads of the\n"
                         "     run.\n"))
        << screen;
    const double F = EQUILB.FTOT(EQUILB.ISTAB);
    const double K = (tableLoad(45.0f) - tableLoad(40.0f)) / 5.0;
    EXPECT_TRUE(IsClose(ERGCOM.REQLIB, 45.0 + (F - tableLoad(45.0f)) / K, 1e-5));
  }
  {
    ConsoleCapture typed("-1\n");
    EXPECT_EQ(stopStatus([] { SLOMOR(); }), kExitFatal);
  }
  // Unattended it cannot be asked: it says that the run stops, and what to change.
  TPCM.EDUNIT = kDiagnosticsUnit;
  EXPECT_EQ(stopStatus([] { SLOMOR(); }), kExitFatal);
  const std::vector<std::string>& message = fatalStopState.message;
  ASSERT_EQ(message.size(), 6u);
  EXPECT_EQ(message[0], " ++> WARNING; a static load exceeds the maximum table value");
  EXPECT_EQ(message[2], "     beyond the load-offset table's last load of 495.00 kips.");
  EXPECT_EQ(message[3], "     The run stops: an unattended run does not extrapolate its offset from the");
  EXPECT_EQ(message[4], "     table's last interval. Raise the last load of the auxiliary static offset");
  EXPECT_EQ(message[5], "     table (page 3, item 11), now 495.00 kips, above the loads of the run.");
}

// The surge evaluated again at another spring (surgeStormAmplitude) leaves every block of the run as
// the slow drift left it, for the report that follows; at the run's own spring it gives the run's own
// amplitude, a stiffer spring a smaller one under the same gusts. The guard that keeps the slow
// drift's results puts them back however its scope ends, an exception included.
TEST_F(SlowDrift, TheSurgeAtAnotherSpringLeavesTheRunsBlocksAsTheyWere) {
  windOnly();
  SLOMOR();
  const auto snapshot = [] {
    std::vector<std::vector<std::byte>> bytes;
    for (const RegisteredBlock& block : registeredBlocks()) bytes.emplace_back(block.bytes.begin(), block.bytes.end());
    return bytes;
  };
  const auto changedBlocks = [](const std::vector<std::vector<std::byte>>& before) {
    std::vector<std::string> changed;
    const std::vector<RegisteredBlock>& blocks = registeredBlocks();
    for (std::size_t i = 0; i < blocks.size(); ++i) {
      if (!std::equal(blocks[i].bytes.begin(), blocks[i].bytes.end(), before[i].begin(), before[i].end()))
        changed.emplace_back(blocks[i].name);
    }
    return changed;
  };
  const std::vector<std::vector<std::byte>> run = snapshot();
  const float spring = ERGCOM.SPRNGX;
  const float own = surgeStormAmplitude(spring);
  const float stiffer = surgeStormAmplitude(4.0f * spring);
  EXPECT_TRUE(changedBlocks(run).empty()) << testing::PrintToString(changedBlocks(run));
  EXPECT_GT(own, 0.0f);
  EXPECT_LT(stiffer, own);
  EXPECT_EQ(surgeStormAmplitude(4.0f * spring), stiffer);

  try {
    const SlowDriftResultsKept kept;
    EQUILB.MODREC(1).VARTOT = -1.0f;
    SINES.S1 = 2.0f;
    lowFrequencyDensities.currentSurge = 3.0f;
    TPCM.WNDDEN = TPCM.CURDNY = TPCM.CURDNZ = 4.0f;
    ERGCOM.SPRNGX = 5.0f;
    throw std::runtime_error("a stop inside the evaluation");
  } catch (const std::runtime_error&) {
  }
  EXPECT_TRUE(changedBlocks(run).empty()) << testing::PrintToString(changedBlocks(run));
}

}  // namespace
}  // namespace qv
