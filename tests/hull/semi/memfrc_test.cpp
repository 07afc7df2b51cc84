// MEMFRC: the closed-form inertia integral against numerical quadrature of -grad Phi0 along the axis,
// the waterline factor, the drag integral against an independent Simpson sum with its first moment
// and its end terms where an end meets the water, the point count, the dry members, deep and long
// members in short waves against linear theory, and the warning of an axis out of the member plane.
#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <string>

#include "hull/semi/semi_forces.h"
#include "numlib/algebra.h"
#include "platform/units.h"
#include "support/checks.h"
#include "support/console_capture.h"
#include "support/fresh_run.h"
#include "support/linear_waves.h"

namespace qv {
namespace {

using testing_support::ConsoleCapture;
using testing_support::contains;
using testing_support::IsClose;
using testing_support::stopStatus;

class Memfrc : public testing_support::FreshRun {};

struct Member {
  float LEN;
  float base[3];
  float axis[3];
  float kx, ky, k, depth;
};

// The motion and flow of a drag case.
struct DragInput {
  float omega, VCUR2;
  Complex BASVLP[3];
  Complex DELPHI, DELTHA;
  float EXTAMP, WVAMP;
};

struct Result {
  Complex F[3], M[3], G[3];  // force, its moment about the base, its first moment along the axis
  std::int32_t NCROSS = 0;
  Complex WLFAC, ENDBOT, ENDTOP;
};

Result inertia(const Member& m) {
  Result r;
  const Complex still[3] = {};
  MEMFRC({.LEN = m.LEN, .RBASEP = m.base, .DIRMEM = m.axis, .WKX = m.kx, .WKY = m.ky, .WK = m.k, .DEPTH = m.depth,
          .EDUNIT = kScreenUnit, .NBUG = 0, .WETELM = 0, .VCUR2 = 0.0f, .BASVLP = still, .DRGFLG = 0, .DELPHI = {},
          .DELTHA = {}, .WFREQ = 1.0f, .KBD = kKeyboardUnit, .EXTAMP = 1.0f, .WVAMP = 1.0f, .LTOPWT = 1,
          .out = {.FMEM = r.F, .MMEM = r.M, .firstMoment = r.G, .NCROSS = r.NCROSS, .WLFAC = r.WLFAC,
                  .ENDBOT = r.ENDBOT, .ENDTOP = r.ENDTOP}});
  return r;
}

Result drag(const Member& m, const DragInput& d, std::int32_t LTOPWT = 1) {
  Result r;
  MEMFRC({.LEN = m.LEN, .RBASEP = m.base, .DIRMEM = m.axis, .WKX = m.kx, .WKY = m.ky, .WK = m.k, .DEPTH = m.depth,
          .EDUNIT = kScreenUnit, .NBUG = 0, .WETELM = 0, .VCUR2 = d.VCUR2, .BASVLP = d.BASVLP, .DRGFLG = 1,
          .DELPHI = d.DELPHI, .DELTHA = d.DELTHA, .WFREQ = d.omega, .KBD = kKeyboardUnit, .EXTAMP = d.EXTAMP,
          .WVAMP = d.WVAMP, .LTOPWT = LTOPWT,
          .out = {.FMEM = r.F, .MMEM = r.M, .firstMoment = r.G, .NCROSS = r.NCROSS, .WLFAC = r.WLFAC,
                  .ENDBOT = r.ENDBOT, .ENDTOP = r.ENDTOP}});
  return r;
}

::testing::AssertionResult CloseTo(Complex actual, Complex expected, double rel, double scale) {
  const double allowed = rel * scale;
  const double error = std::abs(std::complex<double>(actual) - std::complex<double>(expected));
  if (error <= allowed) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "(" << actual.real() << ", " << actual.imag() << ") differs from ("
                                       << expected.real() << ", " << expected.imag() << ") by " << error
                                       << " (allowed " << allowed << ")";
}

// The largest modulus of three components: the scale of a relative comparison of a vector.
double scaleOf(const Complex* v) { return std::max({std::abs(v[0]), std::abs(v[1]), std::abs(v[2])}); }

TEST_F(Memfrc, InertiaIntegralMatchesQuadrature) {
  // References: scipy.integrate.quad (epsrel 1e-12, real and imaginary parts) of -grad Phi0(r(q)) and
  // of (q n) x -grad Phi0(r(q)) over the wetted part, Phi0 = cosh(k(z + d))/cosh(kd) exp(-i(kx x +
  // ky y)), r(q) = base + q n; for a member whose base lies above water the integral runs from the
  // cut q = -z0/nz to LEN with the arm still measured from the base. kx = k cos(beta), ky = k
  // sin(beta) rounded to float. WLFAC = exp(-i (kx x_cut + ky y_cut)) / |nz|.
  struct Case {
    const char* name;
    Member m;
    std::int32_t NCROSS;
    Complex F[3], M[3];
    Complex WLFAC;
  };
  const Case cases[] = {
      {"submerged, inclined 30 deg, beta 30",
       {20.0f, {3.0f, 2.0f, -25.0f}, {0.5f, 0.0f, 0.8660254f}, 0.0433012694f, 0.025f, 0.05f, 300.0f},
       0,
       {{0.162342713f, 0.35645227f}, {0.0937286123f, 0.205797821f}, {-0.411595635f, 0.187457222f}},
       {{-1.05275417f, -1.98203859f}, {4.11208469f, 2.21737561f}, {0.607807916f, 1.14433053f}},
       {}},
      {"crossing upwards, axis leaning aft, beta 150",
       {30.0f, {-4.0f, 1.0f, -12.0f}, {-0.6f, 0.0f, 0.8f}, -0.0692820325f, 0.0399999991f, 0.08f, 60.0f},
       1,
       {{-0.4127709f, -0.512198594f}, {0.238313384f, 0.295717988f}, {-0.591211175f, 0.47647966f}},
       {{-1.83650292f, -1.91626357f}, {-6.05452877f, -0.564968194f}, {-1.37737723f, -1.43719771f}},
       {0.736562123f, -1.00993871f}},
      {"base above water, beta 45",
       {25.0f, {2.0f, -3.0f, 6.0f}, {0.6f, 0.0f, -0.8f}, 0.0212132037f, 0.0212132037f, 0.03f, 100.0f},
       -1,
       {{0.0536005549f, 0.29811995f}, {0.0536005549f, 0.29811995f}, {-0.418445371f, 0.0751837876f}},
       {{0.747622708f, 3.71682679f}, {3.16281739f, -4.50292844f}, {0.560717045f, 2.78762016f}},
       {1.24655625f, -0.092722524f}},
      {"horizontal, beta 70",
       {40.0f, {-20.0f, 5.0f, -10.0f}, {1.0f, 0.0f, 0.0f}, 0.0136808055f, 0.037587706f, 0.04f, 200.0f},
       0,
       {{0.0676826835f, 0.355881947f}, {0.185956654f, 0.977777663f}, {-1.0405287f, 0.197890833f}},
       {{0.0f, 0.0f}, {20.4477853f, -5.86539401f}, {5.5116704f, 19.2146432f}},
       {}},
  };
  for (const Case& c : cases) {
    const Result r = inertia(c.m);
    EXPECT_EQ(r.NCROSS, c.NCROSS) << c.name;
    for (int j = 0; j < 3; ++j) {
      EXPECT_TRUE(CloseTo(r.F[j], c.F[j], 1e-5, scaleOf(c.F))) << c.name << " F" << j + 1;
      EXPECT_TRUE(CloseTo(r.M[j], c.M[j], 1e-5, scaleOf(c.M))) << c.name << " M" << j + 1;
    }
    EXPECT_TRUE(CloseTo(r.WLFAC, c.WLFAC, 1e-6, 1.0)) << c.name;
  }
}

TEST_F(Memfrc, VerticalColumnHeaveIntegral) {
  // A column from z = -20 to 0 in d = 300 at x = y = 0, k = 0.05: -integral of dPhi0/dz =
  // -(1 - cosh(k(d - 20))/cosh(kd)) = -(1 - 0.367879441) (numpy); its top on the waterline does not
  // count as crossing.
  const Member column{20.0f, {0.0f, 0.0f, -20.0f}, {0.0f, 0.0f, 1.0f}, 0.05f, 0.0f, 0.05f, 300.0f};
  const Result r = inertia(column);
  EXPECT_EQ(r.NCROSS, 0);
  EXPECT_TRUE(IsClose(r.F[2].real(), -0.632120559, 1e-5));
  EXPECT_TRUE(IsClose(r.F[2].imag(), 0.0, 0.0, 1e-7));
  // Horizontal: i kx integral of cosh(k(z + d))/cosh(kd) = i (sinh(kd) - sinh(k(d - 20)))/cosh(kd)
  // = 0.632120559 i at kx = k (numpy).
  EXPECT_TRUE(IsClose(r.F[0].imag(), 0.632120559, 1e-5));
  EXPECT_EQ(r.WLFAC, Complex(0.0f, 0.0f));
}

TEST_F(Memfrc, DragIntegralMatchesSimpsonSum) {
  // References: the same Simpson rule written in numpy (NSIMP = max(5, 2 ((k Lw) div 2) - 1) points
  // over the wetted part, weights 1 4 2 ... 4 1 times h/3) of sqrt(VREL2) (v_wave - v_member) and its
  // moment (q n) x ..., with v_wave = (w cosh(k(z+d))/sinh(kd) (kx, ky)/k, i w sinh(k(z+d))/sinh(kd))
  // exp(-i(kx x + ky y)), v_member(q) = BASVLP + i w q (DELPHI nz, -DELTHA, -DELPHI nx) and
  // VREL2 = VCUR2 + |WVAMP v_wave - EXTAMP v_member|^2 / 2. With the base above water the member
  // moves at the cut as the stepping moves it (the sign of DELTHA there as everywhere on the axis).
  // scipy's quad of the same integrand differs from the sums by at most 1.7e-4 (relative).
  struct Case {
    const char* name;
    Member m;
    DragInput d;
    std::int32_t NCROSS;
    Complex F[3], M[3];
    Complex ENDBOT, ENDTOP;
  };
  const Case cases[] = {
      {"submerged, moving",
       {20.0f, {3.0f, 2.0f, -25.0f}, {0.5f, 0.0f, 0.8660254f}, 0.0433012694f, 0.025f, 0.05f, 300.0f},
       {0.7f, 0.25f, {{0.1f, 0.2f}, {-0.05f, 0.1f}, {0.3f, -0.1f}}, {0.01f, -0.02f}, {-0.015f, 0.005f}, 2.0f, 2.0f},
       0,
       {{0.541776633f, -8.33401138f}, {3.44103651f, -6.10794973f}, {-1.78034877f, 9.32493516f}},
       {{-33.135218f, 67.578956f}, {5.59504194f, -143.698273f}, {19.1306274f, -39.0167292f}},
       {-0.167968881f, 0.123350541f},
       {0.136250948f, 0.289954681f}},
      {"base above water, rotating",
       {25.0f, {2.0f, -3.0f, 6.0f}, {0.6f, 0.0f, -0.8f}, 0.0212132037f, 0.0212132037f, 0.03f, 100.0f},
       {0.5f, 0.0f, {{0.2f, -0.1f}, {0.1f, 0.3f}, {-0.2f, 0.05f}}, {0.03f, 0.01f}, {0.02f, -0.04f}, 1.5f, 1.5f},
       -1,
       {{0.265204554f, 3.71658667f}, {7.7547619f, -2.82335717f}, {3.37220415f, 7.49751017f}},
       {{106.22902f, -34.8864217f}, {-33.3950734f, -125.864913f}, {79.6717667f, -26.164817f}},
       {0.0f, 0.0f},
       {-0.211670555f, -0.182468178f}},
      {"crossing, no wave velocity, 9 points",
       {30.0f, {-4.0f, 1.0f, -12.0f}, {-0.6f, 0.0f, 0.8f}, -0.606217802f, 0.349999994f, 0.7f, 60.0f},
       {2.6f, 1.0f, {{0.0f, 0.1f}, {0.2f, 0.0f}, {0.05f, -0.05f}}, {0.0f, 0.02f}, {0.01f, 0.0f}, 3.0f, 0.0f},
       1,
       {{7.74017246f, -2.21854911f}, {-4.43709821f, 4.83760771f}, {4.69585494f, 1.10927455f}},
       {{29.7698941f, -41.0603352f}, {97.0689862f, -9.30309176f}, {22.3274211f, -30.7952522f}},
       {-0.0446766165f, 0.111691543f},
       {0.0f, 0.0f}},
  };
  for (const Case& c : cases) {
    const Result r = drag(c.m, c.d);
    EXPECT_EQ(r.NCROSS, c.NCROSS) << c.name;
    Complex axisCrossFirstMoment[3];
    CXPROD(c.m.axis, r.G, axisCrossFirstMoment);
    for (int j = 0; j < 3; ++j) {
      EXPECT_TRUE(CloseTo(r.F[j], c.F[j], 1e-5, scaleOf(c.F))) << c.name << " F" << j + 1;
      EXPECT_TRUE(CloseTo(r.M[j], c.M[j], 1e-5, scaleOf(c.M))) << c.name << " M" << j + 1;
      // The moment about the base is the axis times the force's first moment along it.
      EXPECT_TRUE(CloseTo(axisCrossFirstMoment[j], c.M[j], 1e-5, scaleOf(c.M))) << c.name << " n x G" << j + 1;
    }
    EXPECT_TRUE(CloseTo(r.ENDBOT, c.ENDBOT, 1e-5, 0.3)) << c.name;
    EXPECT_TRUE(CloseTo(r.ENDTOP, c.ENDTOP, 1e-5, 0.3)) << c.name;
    // Without end drag at the far end the base keeps its own, where it meets the water; a pass
    // starting at the waterline cut has none (the cut is no end of the member).
    const Result baseOnly = drag(c.m, c.d, 0);
    EXPECT_TRUE(CloseTo(baseOnly.ENDBOT, c.ENDBOT, 1e-5, 0.3)) << c.name;
    EXPECT_EQ(baseOnly.ENDTOP, Complex(0.0f, 0.0f)) << c.name;
  }
}

TEST_F(Memfrc, DryMembersFeelNothing) {
  const Member dry{10.0f, {0.0f, 0.0f, 2.0f}, {0.0f, 0.0f, 1.0f}, 0.1f, 0.0f, 0.1f, 300.0f};
  const DragInput flow{1.0f, 1.0f, {{1.0f, 0.0f}, {}, {}}, {}, {}, 1.0f, 1.0f};
  for (const Result& r : {inertia(dry), drag(dry, flow)}) {
    for (int j = 0; j < 3; ++j) {
      EXPECT_EQ(r.F[j], Complex(0.0f, 0.0f));
      EXPECT_EQ(r.M[j], Complex(0.0f, 0.0f));
    }
  }
  // A base exactly on the waterline: no crossing, the whole member counts.
  const Member onTheLine{10.0f, {0.0f, 0.0f, 0.0f}, {0.0f, 0.0f, -1.0f}, 0.1f, 0.0f, 0.1f, 300.0f};
  const Result r = inertia(onTheLine);
  EXPECT_EQ(r.NCROSS, 0);
  // -integral of k sinh(k(z + d))/cosh(kd) over z in -10..0 = -(1 - cosh(k(d - 10))/cosh(kd)) (numpy).
  EXPECT_TRUE(IsClose(r.F[2].real(), -(1.0 - 0.367879441), 1e-5));
}

// Deep and long members in short waves, against linear theory in closed form (support/linear_waves.h,
// in long double, whose range holds cosh kd of all these waters): -grad Phi0 is the acceleration over
// g, integrated along a vertical member.
// Far below the wave's reach the member's drag still resists its own motion, as without waves.
TEST_F(Memfrc, DeepAndLongMembersInShortWavesFollowLinearTheory) {
  struct Case {
    const char* name;
    float z1, length, k, depth;
  };
  const Case cases[] = {
      {"a spar hull of 165 m, 4 s", -165.0f, 165.0f, 0.2516f, 1000.0f},
      {"a spar hull of 165 m, 2.5 s", -165.0f, 165.0f, 0.644f, 1000.0f},
      {"a 100 m pile on the seabed in 300 m, 3 s", -300.0f, 100.0f, 0.447f, 300.0f},
      {"a column through 1,500 m of water, 2 s", -1500.0f, 1500.0f, 1.006f, 1500.0f},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const Member m{c.length, {0.0f, 0.0f, c.z1}, {0.0f, 0.0f, 1.0f}, c.k, 0.0f, c.k, c.depth};
    ConsoleCapture console;
    const Result r = inertia(m);
    EXPECT_EQ(console.screen(), "");
    const testing_support::VerticalLineIntegrals exact =
        testing_support::verticalLineIntegrals(c.k, c.depth, c.z1, c.z1 + c.length);
    const double F1 = exact.across, F3 = exact.along, M2 = exact.moment;
    EXPECT_TRUE(CloseTo(r.F[0], Complex(0.0f, static_cast<float>(F1)), 1e-5, std::fabs(F1) + 1e-37));
    EXPECT_TRUE(CloseTo(r.F[2], Complex(static_cast<float>(F3), 0.0f), 1e-5, std::fabs(F3) + 1e-37));
    EXPECT_TRUE(CloseTo(r.M[1], Complex(0.0f, static_cast<float>(M2)), 1e-5, std::fabs(M2) + 1e-37));
  }
  const Member deep{10.0f, {0.0f, 0.0f, -120.0f}, {0.0f, 0.0f, 1.0f}, 0.3f, 0.0f, 0.3f, 300.0f};
  DragInput flow{1.0f, 1.0f, {{1.0f, 0.0f}, {}, {}}, {0.01f, 0.0f}, {}, 1.0f, 1.0f};
  const Result withWaves = drag(deep, flow);
  flow.WVAMP = 0.0f;
  const Result without = drag(deep, flow);
  EXPECT_NE(withWaves.F[0], Complex(0.0f, 0.0f));
  for (int j = 0; j < 3; ++j) EXPECT_TRUE(CloseTo(withWaves.F[j], without.F[j], 1e-6, std::abs(without.F[0])));
}

TEST_F(Memfrc, SimpsonPointsFollowTheWaveNumberAndTheTypedCount) {
  // k Lw = 3.5, 10 and 11.5 give 5, 9 and 9 points; with the trace on the typed count replaces it
  // when odd and at least 5 (4 and 3 are asked again, a blank keeps the computed count).
  struct Case {
    float k;
    std::int32_t NBUG;
    const char* typed;
    int prompts;
    int points;
  };
  const Case cases[] = {{0.35f, 0, "", 0, 5},     {1.0f, 0, "", 0, 9},      {1.15f, 0, "", 0, 9},
                        {1.0f, 1, "\n", 1, 9},    {1.0f, 1, "7\n", 1, 7},   {1.0f, 1, "4\n3\n11\n", 3, 11}};
  for (const Case& c : cases) {
    // A member moving steadily across a current with the wave velocity off: every Simpson point adds
    // the same force whatever the count, which shows in the trace (one DELQ line per point).
    const Member m{10.0f, {0.0f, 0.0f, -10.0f}, {0.0f, 0.0f, 1.0f}, c.k, 0.0f, c.k, 300.0f};
    ConsoleCapture console(c.typed);
    const DragInput flow{1.0f, 4.0f, {{0.5f, 0.0f}, {}, {}}, {}, {}, 1.0f, 0.0f};
    Result r;
    MEMFRC({.LEN = m.LEN, .RBASEP = m.base, .DIRMEM = m.axis, .WKX = m.kx, .WKY = m.ky, .WK = m.k,
            .DEPTH = m.depth, .EDUNIT = kScreenUnit, .NBUG = c.NBUG, .WETELM = 0, .VCUR2 = flow.VCUR2,
            .BASVLP = flow.BASVLP, .DRGFLG = 1, .DELPHI = {}, .DELTHA = {}, .WFREQ = flow.omega, .KBD = kKeyboardUnit,
            .EXTAMP = 1.0f, .WVAMP = 0.0f, .LTOPWT = 0,
            .out = {.FMEM = r.F, .MMEM = r.M, .firstMoment = r.G, .NCROSS = r.NCROSS, .WLFAC = r.WLFAC,
                    .ENDBOT = r.ENDBOT, .ENDTOP = r.ENDTOP}});
    const std::string screen = console.screen();
    int prompts = 0;
    for (std::size_t at = 0; (at = screen.find("Input NSIMP: ", at)) != std::string::npos; ++at) ++prompts;
    int points = 0;
    for (std::size_t at = 0; (at = screen.find("DELQ,QLEN", at)) != std::string::npos; ++at) ++points;
    EXPECT_EQ(prompts, c.prompts) << c.k << " " << c.typed;
    if (c.NBUG != 0) {
      EXPECT_EQ(points, c.points) << c.k << " " << c.typed;
    }
    // Force of a uniform relative velocity -0.5 (x) over 10 m: -sqrt(4 + 0.125) 0.5 10, acting at the
    // member's middle: its first moment along the axis 5 m times it.
    EXPECT_TRUE(IsClose(r.F[0].real(), -0.5 * 10.0 * std::sqrt(4.125), 1e-5)) << c.k;
    EXPECT_TRUE(IsClose(r.G[0].real(), -0.5 * 10.0 * std::sqrt(4.125) * 5.0, 1e-5)) << c.k;
  }
}

TEST_F(Memfrc, WarningsAskAndAStops) {
  // An axis out of the member plane: the warning, the question; "A" stops, Return goes on.
  const Member skew{10.0f, {0.0f, 0.0f, -20.0f}, {0.6f, 0.1f, 0.7937254f}, 0.05f, 0.0f, 0.05f, 300.0f};
  {
    ConsoleCapture console("\n");
    const Result r = inertia(skew);
    EXPECT_TRUE(contains(console.screen(), "\n\n ++> WARNING: Elemental unit vector out of member plane in MEMFRC.\n"))
        << console.screen();
    EXPECT_NE(r.F[2], Complex(0.0f, 0.0f));
  }
  {
    ConsoleCapture console("a\n");
    EXPECT_EQ(stopStatus([&] { inertia(skew); }), kExitFatal);
  }
}

}  // namespace
}  // namespace qv
