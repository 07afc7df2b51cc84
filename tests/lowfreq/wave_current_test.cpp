#include "lowfreq/wave_current.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <utility>
#include <vector>

#include "platform/block_reset.h"
#include "platform/units.h"
#include "support/checks.h"
#include "support/fresh_run.h"

namespace qv {
namespace {

using qv::testing_support::IsClose;

class WaveCurrent : public testing_support::FreshRun {};

TEST_F(WaveCurrent, GroupSpeedsAgainstLinearTheory) {
  // k from scipy brentq on kd tanh kd = w^2 d / g (d = 100 m, g = 9.8); group speed
  // (w / 2k)(1 + 2kd / sinh 2kd), and GRPVEL that over sqrt(tanh kd).
  struct Case {
    float omega;
    double k, groupSpeed, grpvel;
  };
  const Case cases[] = {
      {0.3f, 0.011315992431638363, 19.564875491719818, 21.71776831367887},
      {0.8f, 0.06530640012794053, 6.125314112865293, 6.125327135143959},
      // kd = 40.8 > 30: the deep-water 0.5 w / k and 0.5 sqrt(g / k)
      {2.0f, 0.40816326530612246, 2.45, 2.45},
  };
  for (const Case& c : cases) {
    const float k = static_cast<float>(c.k);
    EXPECT_TRUE(IsClose(GROUPSPD(c.omega, k, 100.0f, 9.8f), c.groupSpeed, 1e-5)) << c.omega;
    EXPECT_TRUE(IsClose(GRPVEL(k, c.omega, 100.0f, 9.8f), c.grpvel, 1e-5)) << c.omega;
    EXPECT_TRUE(IsClose(GRPVEL(k, -c.omega, 100.0f, 9.8f), -c.grpvel, 1e-5)) << "sign of omega " << c.omega;
  }
}

TEST_F(WaveCurrent, WaveNumberOnACurrent) {
  // The root of (Omega - x U)^2 = x tanh x by scipy brentq on [0, |Omega / U|], the interval doubled
  // while it does not bracket; an opposing current that blocks the wave has none.
  struct Case {
    float Omega, U;
    double kd;
  };
  const Case cases[] = {
      {1.0f, 0.1f, 1.0354751679330678},   // following current: longer waves
      {2.0f, 0.05f, 3.3636110831021298},
      {0.5f, -0.05f, 0.5534462612494954}, // opposing current: shorter waves
      {1.5f, -0.2f, 0.0},                 // blocked: no root, kd = 0
  };
  for (const Case& c : cases) {
    float kd = -1.0f;
    WAVCURVEC(c.Omega, c.U, kd);
    EXPECT_TRUE(IsClose(kd, c.kd, 1e-5, 1e-6)) << c.Omega << " " << c.U;
  }
}

TEST_F(WaveCurrent, SolutionsKeptForIdenticalInputsOnly) {
  // Many distinct waves and currents, more than the table keeps: every answer is a root of
  // (Omega - kd U)^2 = kd tanh kd (or 0 for a blocked wave), a second ask gives the same bits, and
  // inputs one ulp apart are solved for themselves.
  std::vector<std::pair<float, float>> inputs;
  for (int i = 0; i < 60; ++i)
    for (int j = 0; j < 50; ++j)
      inputs.emplace_back(0.2f + 0.05f * static_cast<float>(i), -0.12f + 0.005f * static_cast<float>(j) + 0.0025f);
  std::vector<float> first;
  for (const auto& [Omega, U] : inputs) {
    float kd = -1.0f;
    WAVCURVEC(Omega, U, kd);
    first.push_back(kd);
    if (kd > 0.0f) {
      const double relative = Omega - static_cast<double>(kd) * U;
      EXPECT_NEAR(relative * relative, kd * std::tanh(static_cast<double>(kd)), 1e-4 * (1.0 + kd)) << Omega << " " << U;
    }
  }
  EXPECT_LE(4 * wavcurvecState.kept, 3 * WavcurvecState::kSlots);  // a bounded table, full by now
  EXPECT_GT(wavcurvecState.kept, 1000);
  const int kept = wavcurvecState.kept;
  for (std::size_t n = 0; n < inputs.size(); ++n) {
    float kd = -1.0f;
    WAVCURVEC(inputs[n].first, inputs[n].second, kd);
    EXPECT_EQ(std::bit_cast<std::uint32_t>(kd), std::bit_cast<std::uint32_t>(first[n])) << n;
  }
  EXPECT_EQ(wavcurvecState.kept, kept);
  // Nothing is carried into the next run; there, a neighbour one ulp from a kept input is no hit.
  resetAllBlocks();
  EXPECT_EQ(wavcurvecState.kept, 0);
  float kd = 0.0f;
  float near = 0.0f;
  WAVCURVEC(1.0f, 0.1f, kd);
  WAVCURVEC(1.0f, std::nextafter(0.1f, 1.0f), near);
  EXPECT_EQ(wavcurvecState.kept, 2);
  EXPECT_TRUE(IsClose(near, 1.0354751679330678, 1e-5, 1e-6));
}

TEST_F(WaveCurrent, RefractedTransverseWaveNumber) {
  // Roots of 1 - (y^2 + a^2)^0.25 - b y by scipy brentq on [0, guess]; 0 when the ends do not bracket.
  struct Case {
    float alpha, beta, guess;
    double y;
  };
  const Case cases[] = {
      {0.3f, -0.1f, 1.9f, 1.2234016983290952},
      {0.0f, 0.5f, 2.0f, 0.5358983848622454},
      {0.5f, 0.2f, -1.6f, 0.0},
  };
  for (const Case& c : cases) {
    float y = -9.0f;
    GETVKY(y, c.guess, kScreenUnit, kKeyboardUnit, Localq{c.alpha, c.beta});
    EXPECT_TRUE(IsClose(y, c.y, 1e-5, 1e-6)) << c.alpha << " " << c.beta;
  }
}

}  // namespace
}  // namespace qv
