#include "lowfreq/semi_drag.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <string>

#include "dataset/tpcm.h"
#include "hull/pascom.h"
#include "hull/semi/simcom.h"
#include "lowfreq/curprof.h"
#include "lowfreq/semi_drag_functions.h"
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
using qv::testing_support::stopStatus;
using qv::testing_support::TempDir;
using qv::testing_support::writeFileText;

constexpr int kPoints = 27;  // Gaussian points of every call from DRAGF_SEMI

class SemiDragFunctions : public testing_support::FreshRun {};

TEST_F(SemiDragFunctions, ErrorFunctionBySimpsonsRule) {
  // scipy.special.erfc
  struct Case {
    float x;
    double erfc;
  };
  const Case cases[] = {{-0.5f, 1.5204998778130465}, {0.0f, 1.0},  {0.3f, 0.6713732405408726},
                        {1.0f, 0.15729920705028516}, {2.0f, 0.004677734981047266},
                        {3.5f, 7.430983723414129e-07}, {5.4f, 2.2276786794677863e-14}};
  for (const Case& c : cases) {
    EXPECT_TRUE(IsClose(RH_ERFC(c.x, kPoints), c.erfc, 0.0, 1e-4)) << c.x;
    EXPECT_TRUE(IsClose(RH_ERF(c.x, kPoints), 1.0 - c.erfc, 0.0, 1e-4)) << c.x;
  }
  EXPECT_EQ(RH_ERFC(5.5f, kPoints), 0.0f);
  EXPECT_EQ(RH_ERF(6.0f, kPoints), 1.0f);
}

TEST_F(SemiDragFunctions, DragFactorsMeetTheirBranchesAtOne) {
  // R = 0: the relative motion at the surface is 1, so y = |a|.
  for (float a : {0.99999f, 1.0f, 1.00001f}) {
    EXPECT_NEAR(SURF_DRAG(a, 0.0f, 0.3f), 1.0, 2e-5) << a;
    EXPECT_NEAR(SURF_DRAG_PRP(a, 0.0f, 0.3f), 0.5, 2e-5) << a;
    EXPECT_NEAR(SURF_DRAG_PRP(-a, 0.0f, 0.3f), -0.5, 2e-5) << a;
    EXPECT_NEAR(FCF_SUB_EXACT(a), 0.5, 2e-5) << a;
  }
  EXPECT_EQ(F_SURF(0.0f, 1.0f), 1.0f);
  EXPECT_FLOAT_EQ(F_SUB_Z(0.0f, 1.0f, -0.5f), std::exp(-0.5f));
}

TEST_F(SemiDragFunctions, GaussianMomentsOfTheSignedSquare) {
  // scipy quad, X standard normal: sqrt(2 pi) (E[(y + X)|y + X|] - y|y|) and 2 sqrt(2 pi) E|y + X|.
  struct Case {
    float y;
    double I1, I2;
  };
  const Case cases[] = {
      {-2.0f, -2.477708166839973, 10.111645239529736}, {-0.3f, -0.9923229727086326, 4.178662053083666},
      {0.0f, 0.0, 3.9999999999999987},                 {0.7f, 1.795006090476318, 4.94186152757822},
      {3.0f, 2.505608402381394, 15.043601323051533},   {7.9f, 2.5066282746310002, 39.6047267391698},
  };
  for (const Case& c : cases) {
    float I1 = 0.0f, I2 = 0.0f, I3 = 0.0f, I4 = 0.0f;
    ISUB_N_GET(I1, I2, I3, I4, c.y, kPoints);
    EXPECT_TRUE(IsClose(I1, c.I1, 1e-4, 1e-5)) << c.y;
    EXPECT_TRUE(IsClose(I2, c.I2, 1e-4, 1e-5)) << c.y;
  }
  // Beyond |y| = 8 the limits: continuous with the values just inside.
  for (float sign : {1.0f, -1.0f}) {
    float inside[4], beyond[4];
    ISUB_N_GET(inside[0], inside[1], inside[2], inside[3], 7.999f * sign, kPoints);
    ISUB_N_GET(beyond[0], beyond[1], beyond[2], beyond[3], 8.001f * sign, kPoints);
    EXPECT_TRUE(IsClose(beyond[0], 2.5066283 * sign, 1e-7));
    EXPECT_TRUE(IsClose(beyond[1], 2.0 * 8.001 * 2.5066283, 1e-6));
    EXPECT_TRUE(IsClose(beyond[2], 3.0 * 2.5066283 * sign, 1e-7));
    EXPECT_EQ(beyond[3], 0.0f);
    for (int m = 0; m < 3; ++m) EXPECT_TRUE(IsClose(inside[m], beyond[m], 1e-3)) << m << " " << sign;
    EXPECT_NEAR(inside[3], 0.0, 1e-5);
  }
}

TEST_F(SemiDragFunctions, SurfaceCorrelationsAgainstGaussianAverages) {
  // scipy quad: C / Q^2 times the integral over x >= 0 of x^2 e^(-x^2/2) SURF_DRAG(Q x) (in line) and
  // SURF_DRAG_PRP (across); the closed forms are within 2e-3 of them. GISURF: the damping weight
  // x (x^2/2 - 1) e^(-x^2/2) over the span of the 27 points.
  struct Case {
    float Q, R, theta, C;
    double inLine, across, damping;
  };
  const Case cases[] = {
      {0.4f, 0.3f, 0.5f, 1.0f, 3.7534222073125805, 1.874956744041791, 1.1763221056293856},
      {1.5f, 0.3f, 0.5f, 0.8f, 0.9857273082741798, 0.2504248797067442, 0.40283100018130924},
      {-3.0f, 0.6f, 1.2f, 1.0f, 1.5641359473094398, -0.08691083163984983, 0.786850296910473},
  };
  for (const Case& c : cases) {
    EXPECT_TRUE(IsClose(FCF_SURF(c.Q, c.R, c.theta, c.C, kPoints), c.inLine, 2e-3)) << c.Q;
    EXPECT_TRUE(IsClose(FCF_SURF_PRP(c.Q, c.R, c.theta, c.C, kPoints), c.across, 2e-3)) << c.Q;
    EXPECT_TRUE(IsClose(GISURF(c.Q, c.R, c.theta, c.C, kPoints), c.damping, 5e-3)) << c.Q;
  }
  // Not random: the fully wetted linearisation sqrt(8 / pi) |1 + R^2 - 2R cos theta| C, and no
  // cross-flow terms.
  const double motion = 1.0 + 0.09 - 0.6 * std::cos(0.5);
  EXPECT_TRUE(IsClose(FCF_SURF(kNotRandom, 0.3f, 0.5f, 2.0f, kPoints), 2.0 * std::sqrt(8.0 / M_PI) * motion, 1e-6));
  EXPECT_TRUE(IsClose(GISURF(kNotRandom, 0.3f, 0.5f, 2.0f, kPoints), 2.0 * 3.0 * std::sqrt(2.0 / M_PI) * motion, 1e-6));
  EXPECT_EQ(FCF_SURF_PRP(-kNotRandom, 0.3f, 0.5f, 2.0f, kPoints), 0.0f);
  EXPECT_EQ(GISURF_PRP(kNotRandom, 0.3f, 0.5f, 2.0f, kPoints), 0.0f);
  EXPECT_EQ(FCF_SUB(5.0f, kNotRandom, 0.3f, 0.5f, kPoints), 0.0f);
  EXPECT_EQ(GISUB(5.0f, kNotRandom, 0.3f, 0.5f, kPoints), 0.0f);
}

TEST_F(SemiDragFunctions, SignChangeLevelsAndTheirOrder) {
  // The levels where a |e^t - R e^(i theta)| = 1.
  const float a = 3.0f, R = 0.5f, theta = 0.7f;
  float t1 = 0.0f, t2 = 0.0f, D = 0.0f, q = 0.0f, r = 0.0f;
  A_AND_S(a, R, theta, t1, t2, D, q, r);
  for (float t : {t1, t2}) {
    const double e = std::exp(static_cast<double>(t));
    EXPECT_NEAR(a * a * (e * e - 2.0 * R * e * std::cos(theta) + R * R), 1.0, 1e-5) << t;
  }
  // Velocity everywhere below the current's: no level (above the surface).
  A_AND_S(0.5f, 0.4f, 0.7f, t1, t2, D, q, r);
  EXPECT_EQ(t2, 1.0e30f);

  struct Case {
    float t1, t2;
    float out1, out2, out3;
    int count;
  };
  const Case cases[] = {
      {-0.5f, -1.2f, -0.5f, -1.2f, -2.0f, 0},  {-1.2f, -0.5f, -0.5f, -1.2f, -2.0f, 0},
      {-0.5f, -3.0f, -0.5f, -2.0f, -3.0f, 1},  {-4.0f, -3.0f, -2.0f, -3.0f, -4.0f, 2},
      {1.0e30f, -1.0e30f, 1.0e30f, -2.0f, -1.0e30f, 1},
  };
  for (const Case& c : cases) {
    float o1 = 0.0f, o2 = 0.0f, o3 = 0.0f;
    int count = -1;
    RHSORT3(o1, o2, o3, 2.0f, c.t1, c.t2, count);
    EXPECT_EQ(o1, c.out1);
    EXPECT_EQ(o2, c.out2);
    EXPECT_EQ(o3, c.out3);
    EXPECT_EQ(count, c.count);
  }
}

TEST_F(SemiDragFunctions, DepthAverageOfTheSignedSquare) {
  // No level where the velocity reaches the current's: scipy quad of 0.5 a^2 |e^s - R e^(i theta)|^2
  // over [-h, 0], over h.
  EXPECT_TRUE(IsClose(SUB_SURF_DRAG(2.0f, 0.5f, 0.4f, 0.7f), 0.01761103362287546, 1e-5));
  EXPECT_TRUE(IsClose(SUB_SURF_DRAG(2.0f, -0.5f, 0.4f, 0.7f), -0.01761103362287546, 1e-5));
  EXPECT_EQ(SUB_SURF_DRAG(2.0f, 0.0f, 0.4f, 0.7f), 0.0f);
  // a = 3, R = 0.5, theta = 0.7: the velocity oscillates through zero below -1.215 and above -0.759
  // and keeps its sign between. The running integral h SUB_SURF_DRAG(h) grows at the bottom level by
  // 0.5 y^2 where it keeps its sign and by the slope of OSC where it oscillates (Python).
  struct Case {
    float h;
    double slope;
  };
  const Case cases[] = {
      {0.5f, 0.7256250793563623}, {0.9f, 0.469517671719344},  {0.96f, 0.466894483764638},
      {1.3f, 0.5267547964482588}, {2.5f, 0.908980661629144},
  };
  const float delta = 2.0e-3f;
  for (const Case& c : cases) {
    const float up = c.h + delta, down = c.h - delta;
    const double slope =
        (up * static_cast<double>(SUB_SURF_DRAG(up, 3.0f, 0.5f, 0.7f)) - down * static_cast<double>(SUB_SURF_DRAG(down, 3.0f, 0.5f, 0.7f))) /
        (up - down);
    EXPECT_TRUE(IsClose(slope, c.slope, 2e-3)) << c.h;
  }
}

TEST_F(SemiDragFunctions, CurrentOfTheProfile) {
  // Surface 3 kn; profile points at 10 m (2 kn) and 50 m (1 kn), all toward 90 deg.
  const float depths[] = {10.0f, 50.0f}, speeds[] = {2.0f, 1.0f}, headings[] = {90.0f, 90.0f};
  struct Case {
    float d, direction;
    double expected;
  };
  const Case cases[] = {
      {0.0f, 90.0f, 3.0},  {5.0f, 90.0f, 2.5},   {10.0f, 90.0f, 2.0},  {30.0f, 90.0f, 1.5},
      {80.0f, 90.0f, 0.25},                       // extrapolated past the deepest point
      {200.0f, 90.0f, 0.0},                       // ... but never against the current
      {30.0f, 30.0f, 0.75},                       // the component along 30 deg
  };
  for (const Case& c : cases) {
    EXPECT_TRUE(IsClose(GET_VCX_LOC(c.d, 3.0f, 90.0f, c.direction, depths, speeds, headings, 2), c.expected, 1e-5,
                        1e-6))
        << c.d << " " << c.direction;
  }
  // Without a profile, the surface values.
  EXPECT_FLOAT_EQ(GET_VCX_LOC(40.0f, 3.0f, 90.0f, 90.0f, depths, speeds, headings, 0), 3.0f);
}

// A column-stabilised hull on the sea of drift_fixture.h: four columns of 6 m radius at (+-25, +-20) m
// and one pontoon below the waterline, draft 20 m, held still (no motion operators), drag
// coefficients 0.6 in both horizontal directions; a Pierson-Moskowitz sea of 4 m and 11 s toward
// 30 deg, met at 0.3 rad off the bow; a current of 1.5 kn toward 200 deg, the same at every depth;
// the user drift table with a surge coefficient of 0.8 everywhere, read at the current-corrected
// frequency.
class SemiDrag : public testing_support::FreshRun {
 protected:
  void SetUp() override {
    FreshRun::SetUp();
    testing_support::driftSea();
    Tpcm& t = TPCM;
    t.SEMI_LIKE = 1;
    t.LWL = 80.0f;
    t.BWL = 60.0f;
    t.DRAFT = 20.0f;
    t.DWATR = 1025.0f;
    t.WVDGCX = 1.0f;
    t.WVDGCY = 1.2f;
    t.WVDGCM = 1.0f;
    t.VWDFAC = 1.0f;
    t.VWDRGFC = 1.0f;
    t.CREATR = 11;
    t.LWVCOF = 0x111;
    t.CURCOR = 1;
    t.SEAHDG(1) = 30.0f;
    t.SWHT(1) = 4.0f;
    t.LCURNT = 1;
    t.CURSPD = 1.5f;
    t.CURHDG = 200.0f;
    Curprof& p = CURPROF;
    p.NCURNTPF = 2;
    p.DPTHIPF(1) = 50.0f;
    p.DPTHIPF(2) = 100.0f;
    p.VELIPF(1) = p.VELIPF(2) = 1.5f;
    p.CURHDGPF(1) = p.CURHDGPF(2) = 200.0f;
    const float columns[4][2] = {{25.0f, 20.0f}, {25.0f, -20.0f}, {-25.0f, 20.0f}, {-25.0f, -20.0f}};
    t.NCYL = 5;
    for (int i = 1; i <= 5; ++i) {
      const bool column = i <= 4;
      SIMCOM.CYLBAS(1, i) = column ? columns[i - 1][0] : 0.0f;
      SIMCOM.CYLBAS(2, i) = column ? columns[i - 1][1] : 0.0f;
      t.XAREA(i) = 3.14159265f * 36.0f;
      t.CYLCD(1, i) = t.CYLCD(2, i) = 0.6f;
      t.CYLCD(3, i) = 1.0f;
      SIMCOM.LPIERCE(i) = column ? 1 : 0;
      SIMCOM.CYLLEN(i) = column ? 25.0f : 60.0f;
      SIMCOM.DIRVEC(column ? 3 : 1, i) = 1.0f;
    }
    PASCOM.VTCRPS = PASCOM.VTCRRS = 10.0f;
    testing_support::pmSpectrum(4.0f, 11.0f, S);
    writeFileText("DRFTCOFS.txt", "2 2\n0\n0.05 0.8 0 0\n3.0 0.8 0 0\n360\n0.05 0.8 0 0\n3.0 0.8 0 0\n");
  }
  void TearDown() override {
    closeAllUnits();
    FreshRun::TearDown();
  }

  void drag(std::int32_t mode, std::int32_t component, float& out6, float& out7, std::int32_t system = 1) {
    float dw = 0.05f;
    DRAGF_SEMI(mode, component, 0.3f, S, dw, out6, out7, system, work[0], work[1], work[2], work[3], work[4]);
  }

  TempDir dir;
  float S[kDriftGridPoints] = {};
  float work[5][24] = {};
};

TEST_F(SemiDrag, DragPassAgainstAnIndependentComputation) {
  // reference/semi_drag_reference.py (numpy, scipy): per level the velocity variance m0j of
  // w^2 S e^(2kz) and the Gaussian mean of the signed square by quad, Simpson over the 11 levels; the
  // waterline's drag E[eta (U + u)|U + u|] with E|y + X| by quad; the drift direction from the energy
  // flux on the current (k by brentq), the current 170 deg from the waves; the cross-flow
  // correlation's closed form with scipy erfc. Drag heading psi = atan2(B g4 + aP, aG); output
  // F (aG e1 + aP e2).
  struct Case {
    std::int32_t component, current;
    double expected;
  };
  const Case cases[] = {
      {1, 1, -4.641940979914678}, {1, 0, -4.443433904432456},
      {2, 1, -0.5040638832094362}, {2, 0, -2.199224287016607},
  };
  for (const Case& c : cases) {
    TPCM.LCURNT = c.current;
    float out6 = 0.0f, out7 = 7.0f;
    drag(0, c.component, out6, out7);
    EXPECT_TRUE(IsClose(out6, c.expected, 1e-3)) << "component " << c.component << " current " << c.current;
    EXPECT_EQ(out7, 7.0f);  // the drag pass leaves it
  }
}

// The vessel turned by half a turn in the same sea and current: the hull, symmetric fore and aft and
// side to side, meets the same flow from the other end, so the drag on it is the same force, the
// other way along the vessel's axes, and the damping it gives is the same. Nothing of it may depend
// on the absolute heading of the vessel, which the routine is not given.
TEST_F(SemiDrag, HalfATurnOfTheVesselReversesTheDragAndKeepsTheDamping) {
  for (const std::int32_t component : {1, 2}) {
    SCOPED_TRACE("component " + std::to_string(component));
    float ahead = 0.0f, astern = 0.0f, unused = 0.0f;
    float dw = 0.05f;
    DRAGF_SEMI(0, component, 0.3f, S, dw, ahead, unused, 1, work[0], work[1], work[2], work[3], work[4]);
    DRAGF_SEMI(0, component, 0.3f + 3.1415927f, S, dw, astern, unused, 1, work[0], work[1], work[2], work[3],
               work[4]);
    EXPECT_NE(ahead, 0.0f);
    EXPECT_TRUE(IsClose(astern, -ahead, 1e-5));
    float damping[2][2] = {};
    DRAGF_SEMI(1, component, 0.3f, S, dw, damping[0][0], damping[0][1], 1, work[0], work[1], work[2], work[3],
               work[4]);
    dw = 0.05f;
    DRAGF_SEMI(1, component, 0.3f + 3.1415927f, S, dw, damping[1][0], damping[1][1], 1, work[0], work[1], work[2],
               work[3], work[4]);
    EXPECT_GT(damping[0][0], 0.0f);
    EXPECT_TRUE(IsClose(damping[1][0], damping[0][0], 1e-5));
    EXPECT_TRUE(IsClose(damping[1][1], damping[0][1], 1e-5, 1e-9));
  }
}

TEST_F(SemiDrag, MemberStatisticsOfAStillMember) {
  // reference/semi_drag_reference.py: g1, g2 and g12 of any member of the still hull, and the drift
  // term g4 with the current at 170 deg to the waves.
  Arr<float, 12> g{};
  int n = 11;
  float dw = 0.05f;
  const std::complex<float>* HOR = &PASCOM.HOR_WAV_RAO(1, 1);
  const std::complex<float>* ANG = &PASCOM.ANG_WAV_RAO(1, 1);
  const float alpha = (200.0f - 30.0f) / 57.2957764f;
  float m0 = 0.0f, m2 = 0.0f;
  SMPINT(S, m0, m2);
  G_FRC_PREP({.mode = 0, .S = S, .sigma = std::sqrt(m0), .xi = -17.0f, .zc = 10.0f, .HOR = HOR, .ANG = ANG,
              .N = kPoints, .userFile = 1, .FNAME = makeText<13>("DRFTCOFS.txt"), .beta = 0.3f, .caller = "DRAGF ",
              .cosAlpha = std::cos(alpha), .sinAlpha = std::sin(alpha), .waveHeadingDeg = 30.0f, .waveSystem = 1,
              .out = {.dw = dw, .g = g, .n = n}});
  EXPECT_TRUE(IsClose(g(1), 1.2147596582332763, 1e-4));
  EXPECT_TRUE(IsClose(g(2), -3.6853007458674174, 1e-4));
  EXPECT_TRUE(IsClose(g(12), 0.95631231324539, 1e-4));
  EXPECT_TRUE(IsClose(g(4), 0.014018340094568482, 2e-3));
  // A level count above 31 is cut, in the caller's variable too.
  n = 40;
  G_FRC_PREP({.mode = 0, .S = S, .sigma = std::sqrt(m0), .xi = -17.0f, .zc = 10.0f, .HOR = HOR, .ANG = ANG,
              .N = kPoints, .userFile = 1, .FNAME = makeText<13>("DRFTCOFS.txt"), .beta = 0.3f, .caller = "DRAGF ",
              .cosAlpha = std::cos(alpha), .sinAlpha = std::sin(alpha), .waveHeadingDeg = 30.0f, .waveSystem = 1,
              .out = {.dw = dw, .g = g, .n = n}});
  EXPECT_EQ(n, 31);
  n = 35;
  (void)SUB_SURF_DRAG_Z(1.0f, {}, {}, 0.0f, 10.0f, 30.0f, 1.0f, 0.5f, 0.03f, n);
  EXPECT_EQ(n, 31);
}

TEST_F(SemiDrag, CasesWithoutDragOrDamping) {
  float out6 = 5.0f, out7 = 5.0f;
  // Yaw: no direction factors.
  drag(1, 3, out6, out7);
  EXPECT_EQ(out6, 0.0f);
  EXPECT_EQ(out7, 0.0f);
  // The legacy drag switch leaves the quadratic and cross terms out: nothing remains.
  TPCM.LEGDRG = 1;
  out6 = out7 = 5.0f;
  drag(1, 1, out6, out7);
  EXPECT_EQ(out6, 0.0f);
  EXPECT_EQ(out7, 0.0f);
  TPCM.LEGDRG = 0;
  // A wave system without energy (a swell of zero height): no drag, no damping, and no division by
  // its zero standard deviation.
  float calm[kDriftGridPoints] = {};
  out6 = out7 = 5.0f;
  float dw = 0.05f;
  DRAGF_SEMI(1, 1, 0.3f, calm, dw, out6, out7, 2, work[0], work[1], work[2], work[3], work[4]);
  EXPECT_EQ(out6, 0.0f);
  EXPECT_EQ(out7, 0.0f);
  // No member pierces the waterline.
  for (int i = 1; i <= 4; ++i) SIMCOM.LPIERCE(i) = 0;
  out6 = out7 = 5.0f;
  drag(1, 1, out6, out7);
  EXPECT_EQ(out6, 0.0f);
  EXPECT_EQ(out7, 0.0f);
}

TEST_F(SemiDrag, DampingPass) {
  float out6 = 0.0f, out7 = 0.0f;
  work[4][0] = 1.0f;
  work[0][3] = work[3][23] = 9.0f;
  drag(1, 1, out6, out7);
  EXPECT_TRUE(std::isfinite(out6));
  EXPECT_GT(out6, 0.0f);
  EXPECT_GE(out7, 0.0f);
  EXPECT_EQ(work[0][3], 0.0f);  // scratch 9 to 12 cleared on request
  EXPECT_EQ(work[3][23], 0.0f);
  // The damping carried by VWDRGFC grows with it.
  float doubled = 0.0f;
  TPCM.VWDRGFC = 2.0f;
  drag(1, 1, doubled, out7);
  EXPECT_GT(doubled, out6);
}

TEST_F(SemiDrag, InvalidWaveSystemStops) {
  ConsoleCapture console("\n");
  float out6 = 0.0f, out7 = 0.0f;
  EXPECT_EQ(stopStatus([&] { drag(0, 1, out6, out7, 4); }), kExitFatal);
  EXPECT_EQ(console.screen(), " =+> Invalid IWAVID in dragf_semi.f\n\n Press <RETURN> to continue: ");
}

// A warning that asks for the data file, with the abort question.
std::string forwardWarning(const std::string& line) {
  return "\n" + line + "\n     please forward this datafile to Kestrin for analysis.\n" +
         "\a\n Enter \"A\" to abort or Press <RETURN> to continue: ";
}

TEST_F(SemiDrag, RotationCentresFarApart) {
  PASCOM.VTCRPS = 10.0f;
  PASCOM.VTCRRS = 30.0f;
  const std::string warning =
      forwardWarning(" +=> Suspiciously large separation between pitch and roll rotation centers;");
  float out6 = 0.0f, out7 = 0.0f;
  {
    ConsoleCapture console("\n");
    drag(0, 1, out6, out7);
    EXPECT_EQ(console.screen(), warning);
    EXPECT_NE(out6, 0.0f);  // continuing keeps what is computed
  }
  {
    ConsoleCapture console("A\n");
    EXPECT_EQ(stopStatus([&] { drag(0, 1, out6, out7); }), kExitFatal);
  }
  // Only a column-stabilised hull is checked.
  TPCM.SEMI_LIKE = 0;
  ConsoleCapture console;
  drag(0, 1, out6, out7);
  EXPECT_EQ(console.screen(), "");
}

TEST_F(SemiDrag, CorrelationUnderflowWarnedOncePerWaveSystem) {
  // Two columns on the wave's crest line moving twice the wave's amplitude, 30 deg behind it: their
  // waterline velocity correlation g12 vanishes. Without the quadratic damping factor the
  // correlated drift term replaces the members' sum.
  TPCM.NCYL = 2;
  for (int i = 1; i <= 2; ++i) {
    SIMCOM.CYLBAS(1, i) = -20.0f * std::sin(0.3f) * (i == 1 ? 1.0f : -1.0f);
    SIMCOM.CYLBAS(2, i) = 20.0f * std::cos(0.3f) * (i == 1 ? 1.0f : -1.0f);
  }
  for (int i = 1; i <= kDriftGridPoints; ++i) {
    PASCOM.HOR_WAV_RAO(i, 1) = std::polar(2.0f, -0.5235988f);
    PASCOM.HOR_WAV_RAO(i, 2) = std::polar(2.0f, -0.5235988f);
  }
  TPCM.VWDRGFC = 0.0f;
  TPCM.SWLHDG = 30.0f;
  TPCM.SWELHT = 0.5f;
  const std::string warning = forwardWarning(" +=> Possible correlation underflow in DRAGF: Mode 1...");
  float out6 = 0.0f, out7 = 0.0f;
  {
    ConsoleCapture console("\n");
    drag(1, 1, out6, out7);
    EXPECT_EQ(console.screen(), warning);
  }
  {
    ConsoleCapture console;
    drag(1, 1, out6, out7);
    EXPECT_EQ(console.screen(), "");  // once per wave system
    // The swell's first time clears its flag, but a swell of 0.5 m is too low for the message.
    drag(1, 1, out6, out7, 2);
    EXPECT_EQ(console.screen(), "");
    EXPECT_EQ(dragfSemiState.FRSTWRN(2), 0);
  }
}

}  // namespace
}  // namespace qv
