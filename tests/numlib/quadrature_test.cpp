#include "numlib/quadrature.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <vector>

#include "support/checks.h"
#include "support/console_capture.h"

namespace qv {
namespace {

using qv::testing_support::IsClose;

constexpr double kPi = 3.14159265358979323846;

struct IntegralCase {
  const char* name;
  std::function<float(float)> f;
  float from, to;
  double value;  // closed form
};

TEST(Quadrature, IntegralsWithKnownValues) {
  const std::vector<IntegralCase> cases = {
      {"x^3 on [0,1]", [](float x) { return x * x * x; }, 0.0f, 1.0f, 0.25},
      {"sin on [0,pi]", [](float x) { return std::sin(x); }, 0.0f, static_cast<float>(kPi), 2.0},
      {"e^x on [0,1]", [](float x) { return std::exp(x); }, 0.0f, 1.0f, std::exp(1.0) - 1.0},
      {"1/x on [1,2]", [](float x) { return 1.0f / x; }, 1.0f, 2.0f, std::log(2.0)},
      {"4/(1+x^2) on [0,1]", [](float x) { return 4.0f / (1.0f + x * x); }, 0.0f, 1.0f, kPi},
      {"Gaussian on [-3,3]", [](float x) { return std::exp(-0.5f * x * x); }, -3.0f, 3.0f,
       std::sqrt(2.0 * kPi) * std::erf(3.0 / std::sqrt(2.0))},
  };
  for (const IntegralCase& c : cases) {
    float aux[12];
    float y = 0;
    int ier = -1;
    QATR(c.from, c.to, 1.0e-6f, 12, [&](float& x) { return c.f(x); }, y, ier, aux);
    EXPECT_EQ(ier, kQuadConverged) << c.name;
    EXPECT_TRUE(IsClose(y, c.value, 2e-6, 2e-6)) << c.name;
    // The table's first entry is the integral over the interval length.
    EXPECT_TRUE(IsClose(aux[0] * (c.to - c.from), y, 1e-6)) << c.name;

    // Reversed limits give the negated integral.
    float reversed = 0;
    QATR(c.to, c.from, 1.0e-6f, 12, [&](float& x) { return c.f(x); }, reversed, ier, aux);
    EXPECT_TRUE(IsClose(reversed, -c.value, 2e-6, 2e-6)) << c.name;
  }
}

TEST(Quadrature, CubicIsExactAtTheFifthLevel) {
  // Romberg extrapolation integrates a cubic exactly; the fifth level (17 points) is the first
  // allowed to stop.
  int calls = 0;
  float aux[10];
  float y = 0;
  int ier = -1;
  QATR(0.0f, 1.0f, 1.0e-6f, 10, [&](float& x) { ++calls; return 1.0f + x * (2.0f + x * (-3.0f + 4.0f * x)); },
       y, ier, aux);
  EXPECT_EQ(ier, kQuadConverged);
  EXPECT_EQ(calls, 17);
  // 1 + 1 - 1 + 1 = 2.
  EXPECT_TRUE(IsClose(y, 2.0, 2e-7));
}

TEST(Quadrature, DegenerateIntervalsAndLevels) {
  auto line = [](float& x) { return 3.0f * x + 1.0f; };
  float aux[10];
  float y = -1;
  int ier = -1;
  int calls = 0;
  QATR(2.0f, 2.0f, 1e-6f, 10, [&](float& x) { ++calls; return line(x); }, y, ier, aux);
  EXPECT_EQ(ier, kQuadConverged);
  EXPECT_EQ(y, 0.0f);
  EXPECT_EQ(calls, 2);

  // One level: the single trapezoid, flagged as not converged. 0.5 (1 + 7) 2 = 8.
  QATR(0.0f, 2.0f, 1e-6f, 1, line, y, ier, aux);
  EXPECT_EQ(ier, kQuadNoConvergence);
  EXPECT_EQ(y, 8.0f);
  // Fewer than five levels never converge, even for an exact rule.
  QATR(0.0f, 2.0f, 1e-6f, 4, line, y, ier, aux);
  EXPECT_EQ(ier, kQuadNoConvergence);
  EXPECT_TRUE(IsClose(y, 8.0, 1e-7));
  // A work array of length 0 is not written.
  float untouched = 123.0f;
  QATR(0.0f, 2.0f, 1e-6f, 0, line, y, ier, &untouched);
  EXPECT_EQ(untouched, 123.0f);
  EXPECT_EQ(y, 8.0f);
}

TEST(Quadrature, StagnationAndFailureCodes) {
  // A rapidly oscillating integrand: the extrapolated values stop improving long before a
  // tolerance of 1e-9 and the previous level's value comes back with code 1.
  float aux[20];
  float y = 0;
  int ier = -1;
  QATR(0.0f, 1.0f, 1.0e-9f, 20, [](float& x) { return std::sin(3000.0f * x) + 1.0f; }, y, ier, aux);
  EXPECT_EQ(ier, kQuadRoundoff);

  // Too few levels for a hard integrand: code 2.
  QATR(0.0f, 1.0f, 1.0e-7f, 6, [](float& x) { return std::sqrt(x); }, y, ier, aux);
  EXPECT_EQ(ier, kQuadNoConvergence);
  EXPECT_TRUE(IsClose(y, 2.0 / 3.0, 1e-3));

  // A value that is not a number ends the integration at once.
  int calls = 0;
  QATR(0.0f, 1.0f, 1.0e-6f, 20,
       [&](float& x) { ++calls; return x > 0.6f ? std::numeric_limits<float>::quiet_NaN() : x; }, y, ier, aux);
  EXPECT_EQ(ier, kQuadNoConvergence);
  EXPECT_LT(calls, 10);
}

TEST(Quadrature, RefinementStopsAtFloatResolution) {
  // An integrand that is 1 inside and 0 at both ends: the trapezoid error halves with every level,
  // so the change keeps decreasing and never meets a tolerance of 0. On [1000, 1000.01] the new
  // points coincide with the ends in 4-byte floats after about ten levels; the integration must
  // end there with code 2 instead of running on to level 60 (2^58 points).
  const float from = 1000.0f, to = 1000.01f;
  long long calls = 0;
  std::vector<float> aux(60);
  float y = 0;
  int ier = -1;
  QATR(from, to, 0.0f, 60, [&](float& x) { ++calls; return (x == from || x == to) ? 0.0f : 1.0f; }, y, ier,
       aux.data());
  EXPECT_EQ(ier, kQuadNoConvergence);
  EXPECT_LT(calls, 5000);
  EXPECT_TRUE(IsClose(y, to - from, 0.01));
}

TEST(SimpsonWeights, WeightsByPosition) {
  struct Case {
    int i, first, last;
    float weight;
  };
  const Case seive[] = {{5, 3, 9, 2}, {4, 3, 9, 4}, {3, 3, 9, 1}, {9, 3, 9, 1}, {8, 3, 9, 4}};
  for (const Case& c : seive) {
    float w = 0;
    SEIVE(c.i, c.first, c.last, w);
    EXPECT_EQ(w, c.weight) << c.i;
  }
  const Case smpfac[] = {{1, 0, 9, 1}, {9, 0, 9, 1}, {3, 0, 9, 2}, {2, 0, 9, 4}, {8, 0, 9, 4}};
  for (const Case& c : smpfac) {
    float w = 0;
    SMPFAC(c.i, c.last, w);
    EXPECT_EQ(w, c.weight) << c.i;
  }
}

TEST(SimpsonWeights, IntegrateACubicExactly) {
  // Simpson's rule is exact for cubics: x^3 + x over [0, 2] is 4 + 2 = 6.
  const int n = 9;
  const double h = 2.0 / (n - 1);
  double bySeive = 0, bySmpfac = 0;
  for (int i = 1; i <= n; ++i) {
    const double x = (i - 1) * h;
    float w1 = 0, w2 = 0;
    SEIVE(i, 1, n, w1);
    SMPFAC(i, n, w2);
    bySeive += w1 * (x * x * x + x);
    bySmpfac += w2 * (x * x * x + x);
  }
  EXPECT_TRUE(IsClose(bySeive * h / 3, 6.0, 1e-12));
  EXPECT_TRUE(IsClose(bySmpfac * h / 3, 6.0, 1e-12));
}

}  // namespace
}  // namespace qv
