// CSIMQ against numpy's complex solve, its zero pivot and its pivot choice; GETRAO's response law at
// the points where it must not fail: resonance without damping, no encounter frequency, no restoring.
#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <cstdint>

#include "dataset/tpcm.h"
#include "hull/himem.h"
#include "hull/rao_guard.h"
#include "hull/semi/semi_solver.h"
#include "support/checks.h"
#include "support/console_capture.h"
#include "support/fresh_run.h"

namespace qv {
namespace {

using testing_support::ConsoleCapture;
using testing_support::contains;
using testing_support::IsClose;

class SemiSolver : public testing_support::FreshRun {};

TEST_F(SemiSolver, CsimqSolvesAsNumpyDoes) {
  // numpy.random.default_rng(27): A = (integers(-9, 10, (6, 6)) + 1j integers(-9, 10, (6, 6))) / 4,
  // b = (integers(-9, 10, 6) + 1j integers(-9, 10, 6)) / 2, x = numpy.linalg.solve(A, b); the
  // condition number of A is 7.40.
  Complex A[36] = {
      {-2.25f, 0.25f}, {0.5f, 2.25f},   {1.25f, -2.25f},  {2.25f, 1.25f},   {-0.5f, 2.25f},  {-1.0f, -1.0f},
      {1.0f, 1.25f},   {-0.75f, 2.0f},  {-2.25f, 1.25f},  {2.0f, 1.75f},    {1.75f, -0.25f}, {-0.75f, -2.25f},
      {-1.25f, 2.25f}, {-0.25f, 2.25f}, {2.0f, -0.5f},    {-1.0f, -1.25f},  {-2.25f, -1.5f}, {-0.25f, 2.0f},
      {-1.0f, -0.25f}, {2.0f, -2.25f},  {-1.5f, 0.5f},    {-0.5f, 2.25f},   {2.0f, -0.75f},  {1.25f, 1.75f},
      {2.25f, 1.25f},  {-1.5f, 1.25f},  {-0.75f, -1.5f},  {0.75f, -1.25f},  {-1.75f, 0.5f}, {0.75f, 1.25f},
      {-1.75f, 0.75f}, {1.5f, -0.75f},  {-1.0f, -1.75f},  {-1.5f, -2.25f},  {-1.0f, 2.0f},   {-1.0f, -1.25f},
  };
  Complex B[6] = {{1.5f, -4.0f}, {-4.0f, 0.5f}, {-4.0f, 2.0f}, {-0.5f, -4.5f}, {-4.5f, 4.0f}, {-2.0f, 4.5f}};
  const Complex x[6] = {{1.48439841f, 1.95360174f},   {-0.810434592f, -1.8881989f}, {-0.375276319f, 2.10217101f},
                        {2.07724599f, -0.811701847f}, {4.4757752f, -2.03159765f},   {2.15719208f, -1.97938471f}};
  std::int32_t KS = 9;
  CSIMQ(A, B, 6, KS);
  EXPECT_EQ(KS, 0);
  for (int i = 0; i < 6; ++i) EXPECT_TRUE(IsClose(std::abs(B[i] - x[i]), 0.0, 0.0, 1e-5 * 7.40 * 4.94)) << i;
}

TEST_F(SemiSolver, CsimqEdgeCases) {
  // One equation: B / A.
  {
    Complex A[1] = {{0.0f, 2.0f}};
    Complex B[1] = {{4.0f, 2.0f}};
    std::int32_t KS = 9;
    CSIMQ(A, B, 1, KS);
    EXPECT_EQ(KS, 0);
    EXPECT_EQ(B[0], Complex(1.0f, -2.0f));
  }
  // A zero column 2 (after the first elimination nothing is left to pivot on): error index 1.
  {
    Complex A[9] = {{1.0f, 0.0f}, {2.0f, 0.0f}, {0.0f, 1.0f}, {}, {}, {}, {3.0f, 0.0f}, {1.0f, 0.0f}, {1.0f, 1.0f}};
    Complex B[3] = {{1.0f, 0.0f}, {1.0f, 0.0f}, {1.0f, 0.0f}};
    std::int32_t KS = 0;
    CSIMQ(A, B, 3, KS);
    EXPECT_EQ(KS, 1);
  }
  // Two pivots of equal modulus, 1 and -1: the upper one pivots, so the first row is divided by 1
  // and keeps its +1 in column 2 (the lower would have turned it into -1).
  {
    Complex A[4] = {{1.0f, 0.0f}, {-1.0f, 0.0f}, {1.0f, 0.0f}, {1.0f, 0.0f}};
    Complex B[2] = {{2.0f, 0.0f}, {0.0f, 0.0f}};
    std::int32_t KS = 9;
    CSIMQ(A, B, 2, KS);
    EXPECT_EQ(KS, 0);
    EXPECT_EQ(A[2], Complex(1.0f, 0.0f));
    EXPECT_EQ(B[0], Complex(1.0f, 0.0f));  // x + y = 2, -x + y = 0
    EXPECT_EQ(B[1], Complex(1.0f, 0.0f));
  }
}

// GETRAO with natural frequencies 0.5 (heave), 0.4 (pitch), 0.3 (roll), the encounter frequency WE,
// all damping ratios 0.2, GD 0.25, k 0.1, unit mass factors and tension-leg factors 2, 3, 4.
void law(const Complex* F, const float* S, Complex* FS, Complex* RAO, float WH, float WE) {
  GETRAO({.F = F, .S = S, .WH = WH, .WP = 0.4f, .WR = 0.3f, .WE = WE, .WH2 = WH * WH, .WP2 = 0.16f, .WR2 = 0.09f,
          .WE2 = WE * WE, .GAMHV = 0.2f, .GAMPT = 0.2f, .GAMRL = 0.2f, .GD = 0.25f, .WK = 0.1f, .SURGF = 1.0f,
          .SWAYF = 1.0f, .YAWF = 1.0f, .HDIV = 2.0f, .RDIV = 3.0f, .PDIV = 4.0f, .out = {.FS = FS, .RAO = RAO}});
}

TEST_F(SemiSolver, GetraoResponseLaw) {
  const Complex F[6] = {{1.0f, 0.0f}, {1.0f, 0.0f}, {1.0f, 0.0f}, {1.0f, 0.0f}, {1.0f, 0.0f}, {1.0f, 0.0f}};
  const float S[6] = {2.0f, 2.0f, 2.0f, 2.0f, 2.0f, 2.0f};
  Complex FS[6], RAO[6];
  // Any force model but the quasi-linear one: the forces are scaled, the RAOs left alone.
  for (Complex& r : RAO) r = Complex(7.0f, 7.0f);
  TPCM.SQLFRC = 2;
  law(F, S, FS, RAO, 0.5f, 0.6f);
  EXPECT_EQ(FS[3], Complex(2.0f, 0.0f));
  EXPECT_EQ(RAO[0], Complex(7.0f, 7.0f));

  TPCM.SQLFRC = 1;
  // Exactly at heave resonance without user damping: 1e-10 stands in for the zero distance, so the
  // response is large and finite: 0.25 x 2 / 1e-10.
  law(F, S, FS, RAO, 0.5f, 0.5f);
  EXPECT_TRUE(IsClose(RAO[2].real(), 0.5 / 1.0e-10, 1e-6));
  EXPECT_EQ(RAO[2].imag(), 0.0f);
  // With the user's heave damping the damping term enters: 0.25 x 2 / (i 0.2 x 0.5 x 0.5).
  TPCM.LHVDMP = 1;
  law(F, S, FS, RAO, 0.5f, 0.5f);
  EXPECT_TRUE(IsClose(RAO[2].imag(), -0.5 / 0.05, 1e-6));
  // Surge, free: -k FS / WE^2; pitch below resonance k WP^2 FS / (WP^2 - WE^2), no damping term.
  law(F, S, FS, RAO, 0.5f, 0.2f);
  EXPECT_TRUE(IsClose(RAO[0].real(), -0.1 * 2.0 / 0.04, 1e-6));
  EXPECT_TRUE(IsClose(RAO[4].real(), 0.1 * 0.16 * 2.0 / 0.12, 1e-6));
  EXPECT_EQ(RAO[4].imag(), 0.0f);
  // No heave restoring: the free-floating -FS GD / WE^2.
  law(F, S, FS, RAO, 0.0f, 0.2f);
  EXPECT_TRUE(IsClose(RAO[2].real(), -2.0 * 0.25 / 0.04, 1e-6));
  // A tension-leg hull multiplies heave, roll and pitch by its factors.
  TPCM.CREATR = 14;
  Complex plain[6];
  TPCM.CREATR = 0;
  law(F, S, FS, plain, 0.5f, 0.2f);
  TPCM.CREATR = 14;
  law(F, S, FS, RAO, 0.5f, 0.2f);
  EXPECT_EQ(RAO[2], plain[2] * 2.0f);
  EXPECT_EQ(RAO[3], plain[3] * 3.0f);
  EXPECT_EQ(RAO[4], plain[4] * 4.0f);
  EXPECT_EQ(RAO[0], plain[0]);
}

TEST_F(SemiSolver, GetraoWithoutEncounterFrequency) {
  // WE = 0 (following seas at the wave speed): the free modes have no finite response; by the hull
  // rule they are 0, with one warning of the run.
  const Complex F[6] = {{1.0f, 0.0f}, {1.0f, 0.0f}, {1.0f, 0.0f}, {1.0f, 0.0f}, {1.0f, 0.0f}, {1.0f, 0.0f}};
  const float S[6] = {1.0f, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f};
  Complex FS[6], RAO[6];
  TPCM.SQLFRC = 1;
  TPCM.NWP = 3;
  TPCM.T(2) = 12.5f;
  HIMEM.IW = 2;
  ConsoleCapture console;
  law(F, S, FS, RAO, 0.5f, 0.0f);
  law(F, S, FS, RAO, 0.5f, 0.0f);
  for (int j : {0, 1, 5}) EXPECT_EQ(RAO[j], Complex(0.0f, 0.0f)) << j;
  EXPECT_TRUE(std::isfinite(RAO[2].real()));
  EXPECT_EQ(console.screen(),
            " ++> Warning: wave period  12.50 s, semi-submersible hull, surge:\n"
            "     the RAO denominator is zero;\n"
            "     the RAO is set to 0 wherever this occurs (warned once per run).\n");
}

TEST_F(SemiSolver, VectorHelpers) {
  Complex a[6] = {{1.0f, 1.0f}, {2.0f, 0.0f}, {0.0f, 3.0f}, {4.0f, 4.0f}, {5.0f, 0.0f}, {0.0f, 6.0f}};
  Complex b[6];
  CEQUAL(b, a, 6);
  EXPECT_EQ(b[5], a[5]);
  CDIFF(b, b, a);
  for (const Complex& v : b) EXPECT_EQ(v, Complex(0.0f, 0.0f));
  CCLEAR(a, 0);  // nothing for N <= 0
  EXPECT_EQ(a[0], Complex(1.0f, 1.0f));
  CCLEAR(a, 6);
  EXPECT_EQ(a[5], Complex(0.0f, 0.0f));
  const float unit[3] = {0.6f, 0.0f, 0.8f};
  float point[3];
  PARTWY(unit, point, 5.0f);
  EXPECT_EQ(point[0], 3.0f);
  EXPECT_EQ(point[2], 4.0f);
}

}  // namespace
}  // namespace qv
