#include "numlib/special_functions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "support/checks.h"
#include "support/console_capture.h"
#include "platform/stop.h"
#include "platform/units.h"

namespace qv {
namespace {

using qv::testing_support::ConsoleCapture;
using qv::testing_support::IsClose;

constexpr double kPi = 3.14159265358979323846;

struct BesselCase {
  float x;
  std::int32_t n;
  double value;
};

TEST(Bessel, FirstKindAgainstTables) {
  // Values from the standard tables of Bessel functions (Abramowitz and Stegun, tables 9.1, 9.4).
  const BesselCase cases[] = {
      {1.0f, 0, 0.7651976866},   {1.0f, 1, 0.4400505857},    {2.5f, 0, -0.0483837765},
      {5.0f, 1, -0.3275791376},  {3.0f, 2, 0.4860912606},    {10.0f, 0, -0.2459357645},
      {10.0f, 5, -0.2340615282}, {10.0f, 10, 0.2074861066},  {0.5f, 3, 0.002563729995},
      {0.1f, 0, 0.9975015620},   {20.0f, 1, 0.06683312418},  {7.0f, 4, 0.1577981447},
  };
  for (const BesselCase& c : cases) {
    float value = 99;
    std::int32_t ier = -1;
    BESJ(c.x, c.n, value, 1.0e-6f, ier);
    EXPECT_EQ(ier, 0) << c.x << " " << c.n;
    EXPECT_TRUE(IsClose(value, c.value, 1e-5, 1e-7)) << "J" << c.n << "(" << c.x << ")";
  }
}

TEST(Bessel, SecondKindAgainstTables) {
  // Abramowitz and Stegun, tables 9.1 and 9.2; x up to 4 takes the series, above the asymptotic
  // forms.
  const BesselCase cases[] = {
      {1.0f, 0, 0.0882569642},   {1.0f, 1, -0.7812128213},  {0.5f, 0, -0.4445187335},
      {0.1f, 1, -6.4589510947},  {4.0f, 0, -0.0169407393},  {4.0f, 1, 0.3979257106},
      {5.0f, 1, 0.1478631434},  {10.0f, 0, 0.0556711673},  {3.0f, 2, -0.1604003935},
      {10.0f, 5, 0.1354030477},  {20.0f, 0, 0.0626405968},
  };
  for (const BesselCase& c : cases) {
    float value = 99;
    std::int32_t ier = -1;
    BESY(c.x, c.n, value, ier);
    EXPECT_EQ(ier, 0);
    EXPECT_TRUE(IsClose(value, c.value, 2e-5, 2e-7)) << "Y" << c.n << "(" << c.x << ")";
  }
}

TEST(Bessel, ModifiedFirstKindAgainstTables) {
  // Abramowitz and Stegun, tables 9.8 and 9.11 (values beyond 12 use the asymptotic series).
  const BesselCase cases[] = {
      {1.0f, 0, 1.266065878},  {1.0f, 1, 0.565159104},   {5.0f, 0, 27.23987182},
      {5.0f, 1, 24.33564214},  {2.0f, 2, 0.688948448},   {1.0f, 3, 0.02216842492},
      {0.5f, 1, 0.2578943054}, {15.0f, 0, 339649.373},   {15.0f, 1, 328124.922},
      {20.0f, 1, 4.24549734e7}, {0.0f, 1, 0.0},
  };
  for (const BesselCase& c : cases) {
    float value = 99;
    std::int32_t ier = -1;
    BESI(c.x, c.n, value, ier);
    EXPECT_EQ(ier, 0);
    EXPECT_TRUE(IsClose(value, c.value, 1e-5)) << "I" << c.n << "(" << c.x << ")";
  }
}

TEST(Bessel, ModifiedSecondKindAgainstTables) {
  // Abramowitz and Stegun, tables 9.8 and 9.11; up to x = 1 the series, above the polynomials.
  const BesselCase cases[] = {
      {1.0f, 0, 0.4210244382},   {1.0f, 1, 0.6019072302},   {0.5f, 0, 0.9244190712},
      {0.5f, 1, 1.656441120},    {0.1f, 0, 2.427069025},    {0.1f, 1, 9.853844780},
      {2.0f, 0, 0.1138938727},   {2.0f, 1, 0.1398658818},   {5.0f, 0, 0.003691098334},
      {2.0f, 2, 0.2537597546},   {1.0f, 3, 7.101262825},    {10.0f, 1, 1.864877345e-5},
  };
  for (const BesselCase& c : cases) {
    float value = 99;
    std::int32_t ier = -1;
    BESK(c.x, c.n, value, ier);
    EXPECT_EQ(ier, 0);
    EXPECT_TRUE(IsClose(value, c.value, 2e-6)) << "K" << c.n << "(" << c.x << ")";
  }
}

TEST(Bessel, ErrorCodes) {
  struct Case {
    char kind;
    float x;
    std::int32_t n;
    std::int32_t ier;
    float value;  // the value returned (99 when it must stay unchanged)
  };
  const Case cases[] = {
      {'J', 1.0f, -1, 1, 99},  {'J', 0.0f, 0, 2, 99},  {'J', -2.0f, 0, 2, 99},
      {'J', 1.0f, 29, 4, 99},  // NTEST = INT(20 + 10 - 1/3) = 29
      {'J', 1.0f, 28, 3, 0},   // no start order fits below NTEST
      {'Y', 1.0f, -1, 1, 99},  {'Y', 0.0f, 0, 2, 99},
      {'Y', 1.0f, 40, 3, 99},  // |Y| passes 1e36 in the recurrence
      {'I', 1.0f, -1, 1, 1},   {'I', -1.0f, 0, 2, 1},  {'I', 0.0f, 0, 0, 1},
      {'I', 0.0f, 2, 3, 0},    {'I', 61.0f, 0, 4, 1},
      {'K', 1.0f, -1, 1, 0},   {'K', 0.0f, 0, 2, 0},   {'K', 61.0f, 0, 3, 0},
  };
  for (const Case& c : cases) {
    float value = 99;
    std::int32_t ier = -1;
    switch (c.kind) {
      case 'J': BESJ(c.x, c.n, value, 1.0e-5f, ier); break;
      case 'Y': BESY(c.x, c.n, value, ier); break;
      case 'I': BESI(c.x, c.n, value, ier); break;
      default: BESK(c.x, c.n, value, ier); break;
    }
    EXPECT_EQ(ier, c.ier) << c.kind << c.n << "(" << c.x << ")";
    EXPECT_EQ(value, c.value) << c.kind << c.n << "(" << c.x << ")";
  }
  // K of a high order at a small argument passes 1e36: that value is returned with code 4.
  float value = 0;
  std::int32_t ier = -1;
  BESK(0.01f, 30, value, ier);
  EXPECT_EQ(ier, 4);
  EXPECT_GT(value, 1.0e36f);
}

TEST(Gamma, AgainstKnownValues) {
  // Factorials, half-integer values (multiples of sqrt(pi)) and A&S table 6.1 values.
  struct Case {
    float x;
    double value;
  };
  const Case cases[] = {
      {5.0f, 24.0},       {1.0f, 1.0},          {2.0f, 1.0},           {10.0f, 362880.0},
      {0.5f, std::sqrt(kPi)}, {1.5f, 0.5 * std::sqrt(kPi)}, {2.5f, 0.75 * std::sqrt(kPi)},
      {-0.5f, -2.0 * std::sqrt(kPi)}, {-1.5f, 4.0 / 3.0 * std::sqrt(kPi)},
      {0.1f, 9.513507699},  {1.25f, 0.9064024771}, {30.0f, 8.841761994e30}, {34.0f, 8.683317619e36},
  };
  for (const Case& c : cases) {
    float g = 0;
    std::int32_t ier = -1;
    GAMMA(c.x, g, ier);
    EXPECT_EQ(ier, 0) << c.x;
    EXPECT_TRUE(IsClose(g, c.value, 3e-6)) << "Gamma(" << c.x << ")";
  }
}

TEST(Gamma, PolesAndOverflow) {
  struct Case {
    float x;
    std::int32_t ier;
    float value;
  };
  const Case cases[] = {
      {0.0f, 1, 1.0f},   {-2.0f, 1, 1.0f},  {5.0e-7f, 1, 1.0f}, {-1.9999999f, 1, 1.0f},
      {-1.0e30f, 1, 1.0f},
      {-std::numeric_limits<float>::infinity(), 1, 1.0f},
      {std::numeric_limits<float>::quiet_NaN(), 1, 1.0f},
      {35.0f, 2, 1.0e38f},
      {std::numeric_limits<float>::infinity(), 2, 1.0e38f},
  };
  for (const Case& c : cases) {
    float g = 0;
    std::int32_t ier = -1;
    GAMMA(c.x, g, ier);
    EXPECT_EQ(ier, c.ier) << c.x;
    EXPECT_EQ(g, c.value) << c.x;
  }
}

TEST(Spreading, FactorIsTheIntegralOfTheCosinePower) {
  // Independent reference: the integral of cos^s over -pi/2..pi/2 by Simpson's rule in double.
  auto integral = [](double s) {
    const int n = 20000;
    const double h = kPi / n;
    double sum = 0;  // both ends contribute cos(+-pi/2)^s = 0
    for (int i = 1; i < n; ++i) sum += (i % 2 ? 4.0 : 2.0) * std::pow(std::cos(-kPi / 2 + i * h), s);
    return sum * h / 3;
  };
  for (float s : {1.0f, 2.0f, 3.0f, 4.0f, 10.5f, 30.0f, 60.0f}) {
    EXPECT_TRUE(IsClose(FACTRI(s, kScreenUnit, kKeyboardUnit), integral(s), 3e-6)) << s;
  }
  EXPECT_TRUE(IsClose(FACTRI(2.0f, kScreenUnit, kKeyboardUnit), kPi / 2, 2e-6));
}

TEST(Spreading, AnIndexTheGammaFunctionCannotTakeStops) {
  // s = -1 puts Gamma at its pole 0; s = 70 beyond its range.
  for (float s : {-1.0f, 70.0f}) {
    ConsoleCapture console("\n");
    int status = -1;
    try {
      FACTRI(s, kScreenUnit, kKeyboardUnit);
    } catch (const Stop& stop) {
      status = stop.status;
    }
    EXPECT_EQ(status, kExitFatal);
    EXPECT_EQ(console.screen().rfind(
                  " ++> Invalid spreading index in FACTRI; reduce spreading index & retry\n", 0),
              0u)
        << console.screen();
  }
}

TEST(StillWaterDamping, EmpiricalFit) {
  // X = 0.1 / 0.05 = 2: 0.0198 (4 + 0.2026) / (2 x 2) = 0.02080287.
  EXPECT_TRUE(IsClose(GAMSTL(0.1f, 0.05f, 2.0f), 0.0198 * 4.2026 / 4.0, 1e-6));
}

}  // namespace
}  // namespace qv
