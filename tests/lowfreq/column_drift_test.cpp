#include "lowfreq/column_drift.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "platform/units.h"
#include "support/checks.h"
#include "support/console_capture.h"

namespace qv {
namespace {

using qv::testing_support::ConsoleCapture;
using qv::testing_support::IsClose;
using qv::testing_support::stopStatus;

class ColumnDrift : public ::testing::Test {
 protected:
  void SetUp() override { hn2pState.reset(); }
};

TEST_F(ColumnDrift, Hn2pAgainstBesselDerivatives) {
  // |H'n(x)|^2 = jvp(n, x)^2 + yvp(n, x)^2 from scipy.special.
  struct Case {
    float x;
    std::map<int, double> expected;
  };
  const Case cases[] = {
      {0.5f, {{0, 2.22392501}}},
      {2.0f, {{0, 0.344067445}, {1, 0.322130652}, {2, 0.310610408}, {3, 1.17946526}}},
      {10.0f, {{5, 0.0557414622}, {10, 0.0328832545}}},
      {30.0f, {{20, 0.0158760793}}},
      {65.0f, {{0, 0.00979501945}, {99, 5.00832075e+17}}},
  };
  for (const Case& c : cases) {
    hn2pState.reset();
    float sn = 0.0f;
    float sn1 = 0.0f;
    const int last = c.expected.rbegin()->first;
    for (int n = 0; n <= last; ++n) {
      HN2P(sn, sn1, c.x, n, kScreenUnit, kKeyboardUnit);
      if (const auto it = c.expected.find(n); it != c.expected.end()) {
        EXPECT_TRUE(IsClose(sn, it->second, 1e-4)) << "S(" << n << ") at " << c.x;
      }
      if (const auto it = c.expected.find(n + 1); it != c.expected.end()) {
        EXPECT_TRUE(IsClose(sn1, it->second, 1e-4)) << "S(" << n + 1 << ") at " << c.x;
      }
    }
  }
}

TEST_F(ColumnDrift, Hn2pReportsBadArguments) {
  float sn = 0.0f;
  float sn1 = 0.0f;
  {
    ConsoleCapture console("\n");
    HN2P(sn, sn1, 0.0f, 0, kScreenUnit, kKeyboardUnit);  // the computation goes on
    EXPECT_EQ(console.screen(),
              "  ++> IER =           99  in CYLDFT...\n\a\n Enter \"A\" to abort or Press <RETURN> to continue: ");
  }
  {
    hn2pState.reset();
    ConsoleCapture console("A\n");
    EXPECT_EQ(stopStatus([&] { HN2P(sn, sn1, -1.0f, 0, kScreenUnit, kKeyboardUnit); }), kExitFatal);
  }
  // An unattended run cannot be asked: the bad argument stops it.
  hn2pState.reset();
  EXPECT_EQ(stopStatus([&] { HN2P(sn, sn1, 0.0f, 0, kDiagnosticsUnit, kKeyboardUnit); }), kExitFatal);
}

TEST_F(ColumnDrift, CylinderAgainstTheSeriesInScipy) {
  // The same series written with scipy: k d from brentq on y tanh y = P^2, S(n) = jvp^2 + yvp^2,
  // t = (n (n + 1) - (ka)^2)^2 / (S(n) S(n + 1)) summed to |t| < 1e-4 from n = 5, result 4 sum F /
  // (pi^2 (ka)^7) with F = 1 - exp(-2 k T).
  struct Case {
    float P, a, T, d;
    double coefficient, k;
  };
  const Case cases[] = {
      {1.0f, 10.0f, 20.0f, 100.0f, 0.00201091749, 0.0119967864},
      {2.0f, 10.0f, 20.0f, 100.0f, 0.133374795, 0.040026703},
      {3.0f, 15.0f, 30.0f, 100.0f, 0.608321174, 0.0900000027},
      {0.5f, 5.0f, 10.0f, 50.0f, 8.24457164e-05, 0.010436269},
  };
  for (const Case& c : cases) {
    hn2pState.reset();
    float k = 0.0f;
    const float value = CYLDFT(c.P, c.a, c.T, c.d, k, 0, 0, kScreenUnit, kKeyboardUnit);
    EXPECT_TRUE(IsClose(k, c.k, 1e-5)) << c.P;
    EXPECT_TRUE(IsClose(value, c.coefficient, 2e-4)) << c.P;
  }
}

TEST_F(ColumnDrift, ShortWaveLimit) {
  // At P = 3 in 100 ft of water k = 0.09 (deep water); ka from 65.34 on takes 2F/3 without a series.
  float k = 0.0f;
  const float T = 20.0f;
  const float limit = CYLDFT(3.0f, 65.34f / 0.09f, T, 100.0f, k, 0, 0, kScreenUnit, kKeyboardUnit);
  EXPECT_EQ(limit, static_cast<float>(2.0 * (1.0 - std::exp(-2.0 * k * T)) / 3.0));
  // Just below, the series lies within 0.3 percent of the limit (scipy: 0.99805 of 2/3 at ka = 65.3).
  const float series = CYLDFT(3.0f, 65.3f / 0.09f, 1.0e4f, 100.0f, k, 0, 0, kScreenUnit, kKeyboardUnit);
  EXPECT_TRUE(IsClose(series, 2.0 / 3.0 * 0.9980486, 2e-4));
  EXPECT_LT(std::fabs(series / (2.0 / 3.0) - 1.0), 0.003);
  // A cylinder without draft feels no drift.
  EXPECT_EQ(CYLDFT(2.0f, 10.0f, 0.0f, 100.0f, k, 0, 0, kScreenUnit, kKeyboardUnit), 0.0f);
}

}  // namespace
}  // namespace qv
