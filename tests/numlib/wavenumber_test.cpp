#include "numlib/wavenumber.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "numlib/roots.h"
#include "support/checks.h"
#include "support/console_capture.h"
#include "platform/stop.h"

namespace qv {
namespace {

using qv::testing_support::ConsoleCapture;
using qv::testing_support::IsClose;

constexpr double kPi = 3.14159265358979323846;

// Independent reference: the root of y tanh(y) = p2 by Newton's method in double, started from the
// deep-water value (the function is convex and increasing, so Newton from above converges).
double dispersionRoot(double p2) {
  double y = std::max(p2, std::sqrt(p2)) + 1.0;
  for (int i = 0; i < 100; ++i) {
    const double t = std::tanh(y);
    const double step = (y * t - p2) / (t + y * (1.0 - t * t));
    y -= step;
    if (std::fabs(step) < 1e-15 * y) break;
  }
  return y;
}

TEST(WaveNumber, NondimensionalRootOfTheDispersionRelation) {
  // Shallow (p = 0.1: y tanh y = 0.01, y = 0.10017) through deep water (p = 3: y = 9 to 4-byte
  // precision, tanh 9 = 1 - 3e-8).
  const float ps[] = {0.02f, 0.1f, 0.3f, 0.7f, 1.0f, 1.5f, 2.0f, 3.0f, 6.35f, 20.0f};
  for (float p : ps) {
    float y = -1;
    WAVVEC(p, y);
    const double expected = dispersionRoot(static_cast<double>(p) * p);
    EXPECT_TRUE(IsClose(y, expected, 2e-5, 2e-6)) << p;
  }
  float y = -1;
  WAVVEC(0.1f, y);
  EXPECT_TRUE(IsClose(y, 0.10017, 0, 1e-5));
  WAVVEC(3.0f, y);
  EXPECT_TRUE(IsClose(y, 9.0, 1e-5));
  WAVVEC(0.0f, y);
  EXPECT_EQ(y, 0.0f);
}

TEST(WaveNumber, SatisfiesTheDispersionRelationOverARealisticGrid) {
  // omega^2 = g k tanh(k h) for periods 3 to 25 s in depths of 10 to 1000 (metres with g = 9.8,
  // feet with g = 32.152): the wave number k = y / h that WAVVEC gives.
  for (double g : {9.8, 32.152}) {
    for (double depth : {10.0, 40.0, 150.0, 1000.0}) {
      for (double period = 3.0; period <= 25.0; period += 0.5) {
        const double omega = 2 * kPi / period;
        float y = 0;
        WAVVEC(static_cast<float>(omega * std::sqrt(depth / g)), y);
        const double k = y / depth;
        EXPECT_TRUE(IsClose(g * k * std::tanh(k * depth), omega * omega, 4e-5))
            << "g " << g << " depth " << depth << " period " << period;
      }
    }
  }
}

TEST(WaveNumber, ResidualReadsItsParameterBlock) {
  Localcs LOCALCS{1.0f};
  float x = 1.0f;
  EXPECT_TRUE(IsClose(DISPRS(LOCALCS, x), 1.0 - std::tanh(1.0), 1e-6));
  LOCALCS.OMEGA2 = 4.0f;
  x = 2.0f;
  EXPECT_TRUE(IsClose(DISPRS(LOCALCS, x), 4.0 - 2.0 * std::tanh(2.0), 1e-6));
}

TEST(WaveNumber, ASearchInsideAnotherSolversObjectiveKeepsBothFrequencies) {
  // An outer root search on the residual of one frequency whose objective runs the wave-number
  // search of another frequency, as a stage that solves for a heading and needs wave numbers on the
  // way does: each search keeps its own frequency, so both roots are those of their own frequency.
  const Localcs outer{2.25f};  // p = 1.5
  float inner = 0;
  const auto objective = [&](float& x) {
    WAVVEC(0.3f, inner);
    return DISPRS(outer, x);
  };
  float x = 0, f = 0;
  int ier = -1;
  RTMI1(x, f, objective, outer.OMEGA2, outer.OMEGA2 + 0.5f, 1.0e-5f, 0.0f, 100, ier);
  ASSERT_EQ(ier, kRootFound);
  EXPECT_TRUE(IsClose(x, dispersionRoot(2.25), 2e-5)) << "outer search";
  EXPECT_TRUE(IsClose(inner, dispersionRoot(0.09), 2e-5, 2e-6)) << "inner search";
}

TEST(WaveNumber, HeightToLargestSlope) {
  // T = 10 s in 1000 m with g = 9.8 is deep water: k = omega^2 / g = 0.0403 per metre; a value of
  // 1 becomes 28.65 k = 1.154.
  struct Case {
    float period, depth, gravity;
  };
  const Case cases[] = {{10, 1000, 9.8f}, {8, 30, 9.8f}, {14, 100, 32.152f}};
  for (const Case& c : cases) {
    const double omega = 6.283 / c.period;  // the routine's own period-to-frequency factor
    const double k = dispersionRoot(omega * omega * c.depth / c.gravity) / c.depth;
    float val = 2.0f;
    CNHTSP(val, c.period, c.depth, c.gravity);
    EXPECT_TRUE(IsClose(val, 2.0 * 28.65 * k, 3e-5)) << c.period;
  }
  float val = 1.0f;
  CNHTSP(val, 10, 1000, 9.8f);
  EXPECT_TRUE(IsClose(val, 1.154, 1e-3));
}

TEST(WaveNumber, ARootSearchFailureIsFatal) {
  // A frequency that is not a number gives no bracket: the message asks for a key and the run stops.
  ConsoleCapture console("x\n");
  int status = -1;
  try {
    float y = 0;
    WAVVEC(std::numeric_limits<float>::quiet_NaN(), y);
  } catch (const Stop& stop) {
    status = stop.status;
  }
  EXPECT_EQ(status, kExitFatal);
  EXPECT_EQ(console.screen(),
            " >>> IER = 2 in WAVVEC; Please contact Kestrin.\n"
            "     press any letter key + <RETURN> to continue...\n");
}

TEST(WaveNumber, TheCheckingFormsHandTheFailureBack) {
  // The same searches without the stop: the code comes back, nothing is written, VAL is untouched.
  ConsoleCapture console("");
  float y = 0;
  int ier = -1;
  WAVVEC(std::numeric_limits<float>::quiet_NaN(), y, ier);
  EXPECT_EQ(ier, kRootNotBracketed);
  // A period so short that P^2 overflows: no bracket either.
  float val = 2.0f;
  CNHTSP(val, 1.0e-30f, 100.0f, 32.152f, ier);
  EXPECT_EQ(ier, kRootNotBracketed);
  EXPECT_EQ(val, 2.0f);
  EXPECT_EQ(console.screen(), "");
  // A sound period gives the value of the stopping form.
  float expected = 2.0f;
  CNHTSP(expected, 8.0f, 30.0f, 9.8f);
  CNHTSP(val, 8.0f, 30.0f, 9.8f, ier);
  EXPECT_EQ(ier, kRootFound);
  EXPECT_EQ(val, expected);
}

// Independent reference for the JONSWAP factor: the integral over x = omega / omega_peak of
// x^-5 exp(-1.25 x^-4) gamma^r(x), r = exp(-(x - 1)^2 / (2 sigma^2)), by Simpson's rule in double on
// [0.2, 50] plus the tail beyond 50 (1 / (4 50^4)).
double jonswapShapeIntegral(double sigmaBelow, double sigmaAbove, double gamma) {
  auto f = [&](double x) {
    const double s = x <= 1.0 ? sigmaBelow : sigmaAbove;
    const double r = std::exp(-(x - 1.0) * (x - 1.0) / (2.0 * s * s));
    return std::pow(x, -5.0) * std::exp(-1.25 / std::pow(x, 4.0)) * std::pow(gamma, r);
  };
  const double a = 0.2, b = 50.0;
  const int n = 400000;
  const double h = (b - a) / n;
  double sum = f(a) + f(b);
  for (int i = 1; i < n; ++i) sum += (i % 2 ? 4.0 : 2.0) * f(a + i * h);
  return sum * h / 3.0 + 1.0 / (4.0 * std::pow(b, 4.0));
}

TEST(Jonswap, ScaleFactorMatchesTheShapeIntegral) {
  struct Case {
    float sigmaBelow, sigmaAbove, gamma;
  };
  // The mean, sharp and squat JONSWAP shapes and a general one.
  const Case cases[] = {{0.07f, 0.09f, 3.3f}, {0.07f, 0.09f, 7.0f}, {0.07f, 0.09f, 1.5f}, {0.1f, 0.12f, 2.0f}};
  for (const Case& c : cases) {
    float alpha = 0;
    JONSVAL(c.sigmaBelow, c.sigmaAbove, c.gamma, alpha, kScreenUnit);
    EXPECT_TRUE(IsClose(alpha, jonswapShapeIntegral(c.sigmaBelow, c.sigmaAbove, c.gamma), 1e-3))
        << "gamma " << c.gamma;
  }
  // gamma = 1 is the Pierson-Moskowitz shape, whose integral is 1 / (4 x 1.25) = 0.2.
  float alpha = 0;
  JONSVAL(0.07f, 0.09f, 1.0f, alpha, kScreenUnit);
  EXPECT_TRUE(IsClose(alpha, 0.2, 1e-6));
}

TEST(Jonswap, IntegrandAtThePeak) {
  // U = 0 on the branch below the peak is taken at x = 1: exp(-1.25).
  Localj LOCALJ{0.07f, 3.3f, 1};
  float u = 0.0f;
  EXPECT_TRUE(IsClose(JONINT(LOCALJ, u), std::exp(-1.25), 1e-6));
  // U = 1 is the peak itself: gamma exp(-1.25) on both branches.
  u = 1.0f;
  EXPECT_TRUE(IsClose(JONINT(LOCALJ, u), 3.3 * std::exp(-1.25), 1e-6));
  LOCALJ.BRANCH = 2;
  EXPECT_TRUE(IsClose(JONINT(LOCALJ, u), 3.3 * std::exp(-1.25), 1e-6));
}

TEST(Jonswap, AnIntegralThatCannotConvergeIsFatal) {
  // A negative enhancement factor has no logarithm: the integrand is not a number, the levels are
  // raised to their limit and the run stops with the message, after a pause except on unit 41.
  for (int unit : {kScreenUnit, kDiagnosticsUnit}) {
    ConsoleCapture console(unit == kScreenUnit ? "\n" : "");
    int status = -1;
    try {
      float alpha = 0;
      JONSVAL(0.07f, 0.09f, -1.0f, alpha, unit);
    } catch (const Stop& stop) {
      status = stop.status;
    }
    EXPECT_EQ(status, kExitFatal);
    const std::string screen = console.screen();
    EXPECT_EQ(screen.rfind("++> FATAL error: NDIM > NDMSUP in JONSVAL\n", 0), 0u) << screen;
    EXPECT_EQ(screen.find("Press <RETURN> to continue: ") != std::string::npos, unit == kScreenUnit);
  }
}

}  // namespace
}  // namespace qv
