#include "lowfreq/hull_drift_models.h"

#include <gtest/gtest.h>

#include <cmath>

#include "support/checks.h"
#include "support/fresh_run.h"

namespace qv {
namespace {

using qv::testing_support::IsClose;

constexpr float kPi = 3.14159265f;

class HullDriftModels : public testing_support::FreshRun {};

TEST_F(HullDriftModels, TankerCurves) {
  struct Case {
    int component;
    float X, factor;
    int model;
    float R;
    double expected;
    const char* source;
  };
  const Case cases[] = {
      {1, 0.5f, 9.0f, 2, 1.0f, 0.1322066402778089, "2.275 0.5^4.105; the factor is not used"},
      {1, 1.0f, 1.0f, 2, 1.0f, 1.67, "the cap, not 2.275 or 2.03"},
      {1, -2.0f, 1.0f, 2, 1.0f, 1.000381149429567, "1 + 1.03 / 2^11.4 at |X|"},
      {3, 0.5f, 1.0f, 2, 1.0f, 0.1322066402778089, "yaw follows the surge curve"},
      // (pi I1(s))^2 / ((pi I1(s))^2 + K1(s)^2) with scipy.special iv, kv at s = X^2
      {2, 0.70710678f, 1.0f, 2, 1.0f, 0.1930528926972945, "B(0.5)"},
      {2, 1.0f, 1.0f, 2, 1.0f, 0.896920592356178, "B(1)"},
      {2, 2.0f, 1.0f, 2, 1.0f, 0.9999998342243265, "B(4)"},
      {2, 4.0f, 1.0f, 2, 1.0f, 1.0, "X^2 = 16: exactly 1"},
      {2, 0.0f, 1.0f, 2, 1.0f, 0.0, "no frequency, no diffraction (I1 = 0)"},
      // numpy.interp in the surge table of model 6
      {1, 0.8f, 1.0f, 6, 1.0f, 0.6178980526918676, "between 0.78378 and 0.80124"},
      {1, 0.75f, 1.2f, 6, 1.0f, 1.130929230769231, "at s = 0.9"},
      {3, 1.0f, 1.0f, 6, 1.0f, 0.855224583333333, "yaw at s = 0.842"},
      {1, 2.0f, 1.0f, 6, 1.0f, 1.000381149429567, "above s = 1 the legacy curve"},
      {2, 1.5f, 1.0f, 6, 0.7f, 0.9967199181697481, "B(0.75 X^2), no opacity above 0.67139286"},
      {2, 0.8f, 1.0f, 6, 0.7f, 0.11558712703973537, "B(0.48) times the opacity ratio"},
      {2, 4.0f, 0.1f, 6, 0.7f, 1.0, "X^2 = 16: exactly 1"},
      {1, 1.0f, 1.0f, 5, 1.0f, 0.0, "no tanker model"},
  };
  for (const Case& c : cases) {
    EXPECT_TRUE(IsClose(DRFTCA(c.component, c.X, c.factor, c.model, c.R), c.expected, 1e-4, 1e-7))
        << "model " << c.model << " component " << c.component << ": " << c.source;
  }
  EXPECT_FLOAT_EQ(TABLE_DFCX(1745.611f), 0.78056f);
  EXPECT_FLOAT_EQ(TABLE_DFCX(2000.0f), 0.78056f);  // the far end point holds the value
}

TEST_F(HullDriftModels, LegacySemiSubmersibleCurve) {
  // b 0.5001 (tanh(3.14159 (3|X| - 1)) + 0.99627), computed with numpy.
  EXPECT_TRUE(IsClose(SEMDFT(1, 1.0f, 2.0f, 9.0f), 1.996662277870632, 1e-5));
  EXPECT_TRUE(IsClose(SEMDFT(2, -0.4f, 9.0f, 1.5f), 1.1651051800214562, 1e-5));
  EXPECT_EQ(SEMDFT(3, 1.0f, 2.0f, 1.5f), 0.0f);
  // At X = 0 the curve dips 2e-6 below zero: it is held at 0.
  EXPECT_EQ(SEMDFT(1, 0.0f, 2.0f, 1.5f), 0.0f);
}

TEST_F(HullDriftModels, AngleFactorsOfTheWaterlinePolygon) {
  const float bow = 0.4f;    // bow entrance angle [rad]
  const float stern = 0.7f;  // stern entrance angle [rad]
  const float ratio = 0.18f, cotBow = 1.0f / std::tan(bow), cotStern = 1.0f / std::tan(stern);
  const float sb2 = std::sin(bow) * std::sin(bow);
  const float ss2 = std::sin(stern) * std::sin(stern);
  // Head seas: the bow facets alone, -sin^2 of the bow angle, in both models.
  EXPECT_TRUE(IsClose(ANGFC(1, 0.0f, bow, ratio, cotBow), -sb2, 1e-6));
  EXPECT_TRUE(IsClose(ANGFC2(1, 0.0f, bow, stern, 0.45f, 0.4f, ratio, cotBow, cotStern), -sb2, 1e-6));
  // Following seas in the 2001 model: the stern facets alone, +sin^2 of the stern angle.
  EXPECT_TRUE(IsClose(ANGFC2(1, kPi, bow, stern, 0.45f, 0.4f, ratio, cotBow, cotStern), ss2, 1e-5));
  // Beam seas, sway end term of the legacy model: -ratio cot(bow) cos^2(bow); yaw (p^2 - m^2) vanishes.
  EXPECT_TRUE(IsClose(ANGFC(2, kPi / 2, bow, ratio, cotBow), -ratio * cotBow * std::cos(bow) * std::cos(bow), 1e-5));
  EXPECT_TRUE(IsClose(ANGFC(3, kPi / 2, bow, ratio, cotBow), 0.0, 0.0, 1e-6));
  // Beam seas in the 2001 model: both ends' sway terms, -(cot(bow) cos^2(bow) + cot(stern) cos^2(stern)) ratio / 2.
  const double beamSway = -(cotBow * std::cos(bow) * std::cos(bow) + cotStern * std::cos(stern) * std::cos(stern)) *
                          ratio / 2.0;
  EXPECT_TRUE(IsClose(ANGFC2(2, kPi / 2, bow, stern, 0.45f, 0.4f, ratio, cotBow, cotStern), beamSway, 1e-5));
  EXPECT_EQ(ANGFC(4, 0.3f, bow, ratio, cotBow), 0.0f);
  EXPECT_EQ(ANGFC2(4, 0.3f, bow, stern, 0.45f, 0.4f, ratio, cotBow, cotStern), 0.0f);
}

TEST_F(HullDriftModels, SectorsOfFilta) {
  Arr<float, 8> T;
  const float bounds[8] = {0.4f, 0.7f, 2.4f, 2.7f, 3.5f, 3.8f, 5.6f, 5.9f};
  for (int j = 1; j <= 8; ++j) T(j) = bounds[j - 1];
  const float A = 2.0f, B = 10.0f;
  struct Case {
    float theta;
    bool largerBow;
    float expected;
  };
  const Case cases[] = {
      {0.1f, false, 1.0f},   {0.7f, false, 1.0f},  // on T(2): the sector below, no stern term
      {0.7f, true, 6.0f},    {0.71f, false, 6.0f}, {2.6f, false, 6.0f}, {2.6f, true, 5.0f},
      {3.0f, false, 5.0f},   {3.7f, true, 5.0f},   {3.7f, false, 6.0f}, {5.8f, false, 1.0f},
      {5.8f, true, 6.0f},    {6.0f, true, 1.0f},   {-0.1f, true, 1.0f},  // -0.1 reduces to 6.18
  };
  for (const Case& c : cases) {
    EXPECT_FLOAT_EQ(FILTA(c.theta, A, B, T, c.largerBow), c.expected) << c.theta << " " << c.largerBow;
  }
}

TEST_F(HullDriftModels, OpacityBetweenLongAndShortWaves) {
  // Long waves pass the hull (opacity 0), short waves are stopped by it (opacity 1), for every
  // component, from ahead and from the quarter.
  for (int component = 1; component <= 3; ++component) {
    for (float beta : {0.0f, 0.6f}) {
      float longWaves = -1.0f;
      float shortWaves = -1.0f;
      OPACITY(longWaves, 1.0e-4f, beta, 300.0f, 50.0f, 18.0f, 0.4f, 0.42f, 0.5f, 0.8f, component);
      OPACITY(shortWaves, 20.0f, beta, 300.0f, 50.0f, 18.0f, 0.4f, 0.42f, 0.5f, 0.8f, component);
      EXPECT_NEAR(longWaves, 0.0, 1e-3) << component << " " << beta;
      EXPECT_NEAR(shortWaves, 1.0, 2e-2) << component << " " << beta;
    }
  }
  float untouched = 7.0f;
  OPACITY(untouched, 0.1f, 0.0f, 300.0f, 50.0f, 18.0f, 0.4f, 0.42f, 0.5f, 0.8f, 4);
  EXPECT_EQ(untouched, 7.0f);
}

TEST_F(HullDriftModels, OpacityKeepsTheFacetsOfItsFirstCall) {
  float result = 0.0f;
  OPACITY(result, 0.05f, 0.3f, 300.0f, 50.0f, 18.0f, 0.4f, 0.42f, 0.5f, 0.8f, 3);
  const float first = result;
  EXPECT_FLOAT_EQ(opacityState.RFACET(1, 1), 0.4f * 300.0f);
  EXPECT_FLOAT_EQ(opacityState.RFACET(2, 3), -50.0f / 4.0f);
  // Another hull later in the run: the yaw facets stay those of the first call.
  OPACITY(result, 0.05f, 0.3f, 300.0f, 50.0f, 18.0f, 0.2f, 0.2f, 1.0f, 1.2f, 3);
  EXPECT_EQ(result, first);
  opacityState.reset();
  OPACITY(result, 0.05f, 0.3f, 300.0f, 50.0f, 18.0f, 0.2f, 0.2f, 1.0f, 1.2f, 3);
  EXPECT_NE(result, first);
}

}  // namespace
}  // namespace qv
