#include "numlib/angles.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <cstdint>
#include <limits>

#include "support/checks.h"
#include "support/console_capture.h"

namespace qv {
namespace {

using qv::testing_support::IsClose;

constexpr double kPi = 3.14159265358979323846;
// The stored 4-byte constants, for results that land exactly on them.
constexpr float kPiF = 3.1415927f;
constexpr float kTwoPiF = 6.2831855f;

TEST(Angles, PhaseInDegrees) {
  struct Case {
    float re, im, degrees;
  };
  // atan2 values; with a zero real part the sign of the imaginary part decides, 0 counting as +.
  const Case cases[] = {
      {1, 1, 45}, {-1, 0, 180}, {1, -1.7320508f, -60}, {-2, -2, -135},
      {0, -2, -90}, {0, 3, 90}, {0, 0, 90},
  };
  for (const Case& c : cases) {
    // The degrees-per-radian constant is 57.29577, 2e-7 below the true value.
    EXPECT_TRUE(IsClose(PHASE({c.re, c.im}), c.degrees, 3e-7)) << c.re << "," << c.im;
  }
}

TEST(Angles, ReductionToAFullTurnInDegrees) {
  struct Case {
    float in, out;
  };
  const Case cases[] = {
      {-90, 270}, {720, 0}, {360, 0}, {725.5f, 5.5f}, {-370, 350}, {0, 0},
      // A tiny negative angle: the sum with 360 rounds to 360 in 4-byte floats.
      {-1.0e-5f, 360},
  };
  for (const Case& c : cases) EXPECT_EQ(REDDEG(c.in), c.out) << c.in;

  // REDDEG2 keeps 0 and moves every other angle 0.0001 degree down (to 4-byte precision).
  EXPECT_EQ(REDDEG2(0), 0.0f);
  EXPECT_TRUE(IsClose(REDDEG2(360), 359.9999, 0, 4e-5));
  EXPECT_TRUE(IsClose(REDDEG2(90), 89.9999, 0, 1e-5));
  EXPECT_TRUE(IsClose(REDDEG2(-90), 269.9999, 0, 4e-5));
  EXPECT_LT(REDDEG2(90), 90.0f);
}

TEST(Angles, ReductionToRangesInRadians) {
  struct Case {
    float in;
    double redrad, angsym, redradSym;
  };
  const Case cases[] = {
      {static_cast<float>(1.5 * kPi), 1.5 * kPi, -0.5 * kPi, -0.5 * kPi},
      {static_cast<float>(-1.5 * kPi), 0.5 * kPi, 0.5 * kPi, 0.5 * kPi},
      {static_cast<float>(-0.5 * kPi), 1.5 * kPi, -0.5 * kPi, -0.5 * kPi},
      {7.0f, 7.0 - 2 * kPi, 7.0 - 2 * kPi, 7.0 - 2 * kPi},
      {-20.0f, 8 * kPi - 20.0, 6 * kPi - 20.0, 6 * kPi - 20.0},
  };
  for (const Case& c : cases) {
    EXPECT_TRUE(IsClose(REDRAD(c.in), c.redrad, 0, 2e-6)) << c.in;
    EXPECT_TRUE(IsClose(ANGSYM(c.in), c.angsym, 0, 2e-6)) << c.in;
    EXPECT_TRUE(IsClose(REDRAD_SYM(c.in), c.redradSym, 0, 2e-6)) << c.in;
  }
  // The ends of the ranges, as stored.
  EXPECT_EQ(ANGSYM(-kPiF), kPiF);
  EXPECT_EQ(ANGSYM(kPiF), kPiF);
  EXPECT_EQ(REDRAD_SYM(-kPiF), -kPiF);
  EXPECT_EQ(REDRAD(-1.0e-7f), kTwoPiF);
  EXPECT_EQ(REDRAD(0.0f), 0.0f);
}

TEST(Angles, SineAndCosineFromTangentAndCotangent) {
  const float values[] = {0.0f, 0.25f, -1.0f, 3.0f, 1.0e3f, -40.0f};
  for (float t : values) {
    const double angle = std::atan(static_cast<double>(t));
    EXPECT_TRUE(IsClose(COSPHT(t), std::cos(angle), 2e-7)) << t;
    EXPECT_TRUE(IsClose(SINPHT(t), std::sin(angle), 2e-7, 1e-9)) << t;
    EXPECT_TRUE(IsClose(SINPHT(t) * SINPHT(t) + COSPHT(t) * COSPHT(t), 1.0, 1e-6)) << t;
    // With t read as a cotangent the angle is pi/2 - atan(t).
    EXPECT_TRUE(IsClose(SINPHI(t), std::sin(kPi / 2 - angle), 2e-7)) << t;
    EXPECT_TRUE(IsClose(COSPHI(t), std::cos(kPi / 2 - angle), 2e-7, 1e-9)) << t;
  }
}

TEST(Angles, ArcCosine) {
  EXPECT_EQ(ARCCOS(0.0f), 1.5707964f);
  EXPECT_EQ(ARCCOS(1.0f), 0.0f);
  EXPECT_EQ(ARCCOS(-1.0f), kPiF);
  const float values[] = {0.5f, -0.3f, 0.999f, -0.9999f, 1.0e-4f};
  for (float x : values) EXPECT_TRUE(IsClose(ARCCOS(x), std::acos(static_cast<double>(x)), 1e-6)) << x;
}

TEST(Angles, RoundingHalvesAwayFromZero) {
  struct Case {
    float in;
    std::int32_t out;
  };
  const Case cases[] = {
      {2.5f, 3}, {-2.5f, -3}, {2.49f, 2}, {-2.49f, -2}, {0.4f, 0}, {-0.4f, 0}, {0.0f, 0},
      {1.0e6f + 0.5f, 1000001},
      // Beyond the 4-byte integer range the result saturates; NaN gives 0.
      {1.0e10f, std::numeric_limits<std::int32_t>::max()},
      {-1.0e10f, std::numeric_limits<std::int32_t>::min()},
      {std::numeric_limits<float>::quiet_NaN(), 0},
  };
  for (const Case& c : cases) EXPECT_EQ(IROUND(c.in), c.out) << c.in;
}

}  // namespace
}  // namespace qv
