#include "mooring/splines.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstring>
#include <string>

#include "dataset/tpcm.h"
#include "numlib/interpolation.h"
#include "platform/units.h"
#include "support/checks.h"
#include "support/console_capture.h"
#include "support/temp_dir.h"
#include "util/files.h"

namespace qv {
namespace {

using testing_support::ConsoleCapture;
using testing_support::IsClose;

// The curve of tests/mooring/reference_values.py: scipy.interpolate.CubicSpline(X, Y, bc_type=...)
// with X = [0, 1, 2.5, 3, 4.5, 6], Y = [0, 0.8, 0.9, 0.1, -0.8, -1.0]; cs(X, 2) for the second
// derivatives, cs(x) and cs(x, 1) for values and slopes (7.0 extrapolates with the end cubic).
constexpr int kPoints = 6;
const float kX[kPoints] = {0, 1, 2.5f, 3, 4.5f, 6};
const float kY[kPoints] = {0, 0.8f, 0.9f, 0.1f, -0.8f, -1.0f};

TEST(Splines, OneDimensionalAgainstScipy) {
  struct Case {
    const char* ends;
    float yp1, ypn;
    double y2[kPoints];
    double values[4];  // at 0.5, 2.7, 5.9, 7.0
    double slopes[3];  // at 0.5, 2.7, 5.9
  };
  const Case cases[] = {
      {"natural", 1.0e30f, 1.0e30f,
       {0.0, -0.06894511383, -2.70351643, 1.834967678, 0.007924764094, 0.0},
       {0.4043090756, 0.5975667017, -0.986863906, -1.132232664},
       {0.802872725, -1.661491773, -0.1313785502}},
      {"clamped 0.5, -0.2", 0.5f, -0.2f,
       {1.05383877, -0.3076774692, -2.610301093, 1.805442043, 0.05558801161, -0.161127355},
       {0.3533649246, 0.5964886152, -0.9807815573, -1.304643163},
       {0.8567298552, -1.660833764, -0.1846096491}},
  };
  const float at[4] = {0.5f, 2.7f, 5.9f, 7.0f};
  for (const Case& c : cases) {
    float y2[kPoints] = {};
    spline(kX, kY, kPoints, c.yp1, c.ypn, y2);
    for (int i = 0; i < kPoints; ++i) EXPECT_TRUE(IsClose(y2[i], c.y2[i], 1e-5, 1e-6)) << c.ends << " " << i;
    for (int i = 0; i < 4; ++i) {
      float y = 0;
      splint(kX, kY, y2, kPoints, at[i], y);
      EXPECT_TRUE(IsClose(y, c.values[i], 1e-5, 1e-6)) << c.ends << " " << at[i];
      EXPECT_TRUE(IsClose(STRAIN_VAL(kX, kY, y2, kPoints, at[i]), c.values[i], 1e-5, 1e-6));
    }
    for (int i = 0; i < 3; ++i) {
      EXPECT_TRUE(IsClose(STRAIN_SLOPE(kX, kY, y2, kPoints, at[i]), c.slopes[i], 1e-5, 1e-6)) << c.ends << " " << at[i];
    }
    for (int i = 0; i < kPoints; ++i) {  // at the knots the tabulated values come back
      EXPECT_TRUE(IsClose(STRAIN_VAL(kX, kY, y2, kPoints, kX[i]), kY[i], 1e-6, 1e-7)) << c.ends << " " << i;
    }
  }

  // Only end slopes above 0.99e30 ask for natural ends: 0.99e30 itself is a (huge) clamped slope.
  float y2[kPoints] = {};
  spline(kX, kY, kPoints, 0.99e30f, 1.0e30f, y2);
  EXPECT_GT(std::fabs(y2[0]), 1e29f);
  EXPECT_EQ(y2[kPoints - 1], y2[kPoints - 1]);  // finite arithmetic, no NaN
}

TEST(Splines, BicubicAgainstTwoPassesOfNaturalSplines) {
  // Table f(x1, x2) = sin(x1) cos(x2 / 2) + x1 x2 / 10 on x1 = 0, 1, 2, 3.5 and x2 = 0, 0.5, 1.5, 2, 3
  // (rows along x1, entries 90 apart along x2). Reference (tests/mooring/reference_values.py): for
  // each row a natural CubicSpline along x2 at X2, then a natural CubicSpline along x1 through
  // those values at X1.
  const float x1[4] = {0, 1, 2, 3.5f};
  const float x2[5] = {0, 0.5f, 1.5f, 2, 3};
  static std::array<float, kLayerPoints * 5> table{};
  static std::array<float, kLayerPoints * 5> derivs{};
  for (int j = 1; j <= 4; ++j) {
    for (int k = 1; k <= 5; ++k) {
      const double a = x1[j - 1], b = x2[k - 1];
      table[(j - 1) + kLayerPoints * (k - 1)] = static_cast<float>(std::sin(a) * std::cos(0.5 * b) + a * b / 10);
    }
  }
  splie2(x1, x2, table.data(), 4, 5, derivs.data());
  // Row x1 = 1 of the reference: cs(x2, 2) = 0, -0.24721237, -0.14215184, -0.12237386, 0.
  const double row2[5] = {0, -0.24721237, -0.14215184, -0.12237386, 0};
  for (int k = 1; k <= 5; ++k) EXPECT_TRUE(IsClose(derivs[1 + kLayerPoints * (k - 1)], row2[k - 1], 1e-5, 1e-6)) << k;

  struct Case {
    float X1, X2;
    double value;
  };
  const Case cases[] = {{1.3f, 0.7f, 0.9929298507}, {2.9f, 2.6f, 0.825200805}, {0.2f, 1.9f, 0.1532936036}};
  for (const Case& c : cases) {
    float y = 0;
    splin2(x1, x2, table.data(), derivs.data(), 4, 5, c.X1, c.X2, y);
    EXPECT_TRUE(IsClose(y, c.value, 1e-5, 1e-6)) << c.X1 << " " << c.X2;
  }
}

TEST(Splines, EqualAbscissaeAroundThePointAreReported) {
  // Beyond a repeated last abscissa the end interval has zero width.
  const float x[3] = {0, 1, 1};
  const float y[3] = {0, 5, 7};
  const float y2[3] = {0, 0, 0};
  std::memset(static_cast<void*>(&TPCM), 0, sizeof TPCM);
  TPCM.EDUNIT = kScreenUnit;
  {
    ConsoleCapture console("\n\nnext\n");
    float value = -1;
    splint(x, y, y2, 3, 2.0f, value);
    EXPECT_EQ(value, 5.0f);  // the lower tabulated value
    EXPECT_EQ(STRAIN_SLOPE(x, y, y2, 3, 2.0f), 0.0f);
    EXPECT_EQ(console.screen(), "bad xa input in splint\nbad xa input in splint\n");
    EXPECT_EQ(console.unread(), "next\n");  // one line read after each message
  }
  {
    testing_support::TempDir dir;
    RHOPEN("Diagnostics.stxt", kFormatted, kFresh, 0, kDiagnosticsUnit, "TEST", kScreenUnit, 0);
    TPCM.EDUNIT = kDiagnosticsUnit;
    ConsoleCapture console("next\n");
    EXPECT_EQ(STRAIN_VAL(x, y, y2, 3, 2.0f), 5.0f);
    EXPECT_EQ(console.screen(), "");
    EXPECT_EQ(console.unread(), "next\n");  // an unattended run does not wait
    closeAllUnits();
    EXPECT_EQ(testing_support::readFileText("Diagnostics.stxt"), "bad xa input in splint\n");
  }
  TPCM.EDUNIT = 0;
}

}  // namespace
}  // namespace qv
