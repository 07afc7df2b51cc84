#include "numlib/circle_constants.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <numbers>

namespace qv {
namespace {

// The float n representable steps from the float nearest `exact` (negative: below it).
float stepsFromNearest(double exact, int n) {
  float f = static_cast<float>(exact);
  for (; n < 0; ++n) f = std::nextafter(f, 0.0f);
  for (; n > 0; --n) f = std::nextafter(f, 1.0e30f);
  return f;
}

// Each float is the rounding its name says, measured from the exact value: a constant "tidied"
// to a neighbouring float would move the last digits of the reports that use it.
TEST(CircleConstants, EachFloatIsTheRoundingItsNameSays) {
  constexpr double pi = std::numbers::pi;
  struct Case {
    const char* name;
    float value;
    double exact;
    int steps;  // from the float nearest the exact value
  };
  const Case cases[] = {
      {"kPi", kPi, pi, 0},
      {"kHalfPi", kHalfPi, pi / 2.0, 0},
      {"kQuarterPi", kQuarterPi, pi / 4.0, 0},
      {"kTwoPi", kTwoPi, 2.0 * pi, 0},
      {"kSqrtTwoPi", kSqrtTwoPi, std::sqrt(2.0 * pi), 0},
      {"kTwoPiSixDecimals", kTwoPiSixDecimals, 2.0 * pi, -1},
      {"kDegreesPerRadian", kDegreesPerRadian, 180.0 / pi, -1},
      {"kDegreesPerRadianFiveDecimals", kDegreesPerRadianFiveDecimals, 180.0 / pi, 0},
      {"kDegreesPerRadianCut", kDegreesPerRadianCut, 180.0 / pi, -3},
  };
  for (const Case& c : cases) EXPECT_EQ(c.value, stepsFromNearest(c.exact, c.steps)) << c.name;
  // The three-decimal 2 pi is far from every float near 2 pi: 1.85e-4 below.
  EXPECT_NEAR(kTwoPiThreeDecimals, 2.0 * pi, 1.86e-4);
  EXPECT_LT(kTwoPiThreeDecimals, stepsFromNearest(2.0 * pi, -300));
}

// Pi to fourteen and five decimals: the decimal roundings, not the double nearest pi.
TEST(CircleConstants, PiToFewerDecimalsIsItsDecimalRounding) {
  constexpr double pi = std::numbers::pi;
  EXPECT_NE(kPiFourteenDecimals, pi);
  EXPECT_NEAR(kPiFourteenDecimals, pi, 0.5e-14);
  EXPECT_NEAR(kPiFiveDecimals, pi, 0.5e-5);
}

// The 8-byte constants written with the digits that print a 4-byte float: exactly those digits
// (the shortest text that reads back as the float), so neither the float itself nor the exact value.
TEST(CircleConstants, DoublesHoldTheDigitsOfTheirFloats) {
  struct Case {
    const char* name;
    double value;
    float printed;
  };
  const Case cases[] = {
      {"kHalfPiFloatDigits", kHalfPiFloatDigits, kHalfPi},
      {"kTwoPiFloatDigits", kTwoPiFloatDigits, kTwoPi},
      {"kSqrtTwoPiFloatDigits", kSqrtTwoPiFloatDigits, kSqrtTwoPi},
  };
  for (const Case& c : cases) {
    char text[32] = {};
    std::to_chars(text, text + sizeof text - 1, c.printed);
    EXPECT_EQ(c.value, std::strtod(text, nullptr)) << c.name << " " << text;
    EXPECT_NE(c.value, static_cast<double>(c.printed)) << c.name;
  }
}

}  // namespace
}  // namespace qv
