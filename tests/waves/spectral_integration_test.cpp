#include "waves/spectral_integration.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "support/checks.h"
#include "waves/wave_grid_fixture.h"
#include "waves/wavcom.h"

namespace qv {
namespace {

using qv::testing_support::IsClose;
using qv::testing_support::setWaveGrid;

class SpectralMoments : public qv::testing_support::WaveGridTest {};

std::array<float, kMaxWavePeriods> ones() {
  std::array<float, kMaxWavePeriods> F;
  F.fill(1.0f);
  return F;
}

struct ConstantCase {
  int nwp;
  float t1;
  float dt;
  double relM0;  // the rule's own error on this grid
  double relM2;
};

TEST_F(SpectralMoments, ConstantSpectrumGivesTheFrequencyRange) {
  // F = 1 per rad/s: M0 = W(1) - W(NWP) and M2 = (W(1)^3 - W(NWP)^3) / 3 exactly; the rule in period
  // is off by its own truncation error only. Even counts close with the 3/8 rule; a last point
  // given weight 5 instead (4 too many) would miss by about 1 %.
  const ConstantCase cases[] = {
      {31, 5.0f, 0.5f, 3e-5, 3e-4},  // odd: Simpson 1, 4, 2, ..., 4, 1
      {30, 5.0f, 0.5f, 3e-5, 3e-4},  // the new-data-set grid: Simpson, then 3/8 over the last three
      {5, 8.0f, 1.0f, 1.5e-4, 1e-3},
      {4, 8.0f, 1.0f, 3e-4, 2e-3},   // the 3/8 rule alone
  };
  const std::array<float, kMaxWavePeriods> F = ones();
  for (const ConstantCase& c : cases) {
    setWaveGrid(c.nwp, c.t1, c.dt);
    float M0 = 0;
    float M2 = 0;
    SMPINT(F.data(), M0, M2);
    const double w1 = WAVCOM.W(1);
    const double wn = WAVCOM.W(c.nwp);
    EXPECT_TRUE(IsClose(M0, w1 - wn, c.relM0)) << "NWP " << c.nwp;
    EXPECT_TRUE(IsClose(M2, (w1 * w1 * w1 - wn * wn * wn) / 3.0, c.relM2)) << "NWP " << c.nwp;
  }
}

TEST_F(SpectralMoments, TwoPointsTakeTheTrapezoidAndOnePointNothing) {
  // Trapezoid in period: DT/2 (g(1) + g(2)) with g = F W^2 / (2 pi) for M0 and F W^4 / (2 pi) for M2.
  setWaveGrid(2, 8.0f, 1.0f);
  const float F[kMaxWavePeriods] = {2.0f, 3.0f};
  float M0 = 0;
  float M2 = 0;
  SMPINT(F, M0, M2);
  const double twoPi = 2.0 * 3.14159265358979;
  const double a = WAVCOM.W2(1);
  const double b = WAVCOM.W2(2);
  EXPECT_TRUE(IsClose(M0, 0.5 * (2.0 * a + 3.0 * b) / twoPi, 1e-6));
  EXPECT_TRUE(IsClose(M2, 0.5 * (2.0 * a * a + 3.0 * b * b) / twoPi, 1e-6));

  setWaveGrid(1, 8.0f, 1.0f);
  SMPINT(F, M0, M2);
  EXPECT_EQ(M0, 0.0f);
  EXPECT_EQ(M2, 0.0f);
}

TEST_F(SpectralMoments, AGridCountBeyondTheArraysIsHeldToTheirSize) {
  setWaveGrid(100, 1.0f, 0.5f);
  const std::array<float, kMaxWavePeriods> F = ones();
  float M0 = 0;
  float M2 = 0;
  SMPINT(F.data(), M0, M2);
  TPCM.NWP = 100000;  // a damaged count: the sum stops at the 100th point
  float M0damaged = 0;
  float M2damaged = 0;
  SMPINT(F.data(), M0damaged, M2damaged);
  EXPECT_EQ(M0damaged, M0);
  EXPECT_EQ(M2damaged, M2);
}

class GroupSpectrum : public qv::testing_support::WaveGridTest {};

TEST_F(GroupSpectrum, ZeroDifferenceFrequencyIsEightTimesTheSquaredSpectrumsMoment) {
  setWaveGrid(31, 5.0f, 0.5f);
  float S[kMaxWavePeriods] = {};
  float S2[kMaxWavePeriods] = {};
  for (int i = 1; i <= 31; ++i) {
    const float w = WAVCOM.W(i);
    S[i - 1] = std::exp(-50.0f * (w - 0.7f) * (w - 0.7f));  // a peak inside the grid
    S2[i - 1] = S[i - 1] * S[i - 1];
  }
  float SG = -1;
  GRPSPC(S, SG, 0.0f);
  float M0 = 0;
  float M2 = 0;
  SMPINT(S2, M0, M2);
  EXPECT_TRUE(IsClose(SG, 8.0 * M0, 1e-5));
}

TEST_F(GroupSpectrum, ShiftedValuesAreInterpolatedFoldedAndZeroOutsideTheGrid) {
  // S(w) = w is reproduced exactly by linear interpolation, so the product at grid point i is
  // (W + h) |W - h| where both frequencies lie within [W(NWP), W(1)], and 0 elsewhere. The largest
  // shift folds W - h below zero back into the grid for the lowest frequencies.
  setWaveGrid(21, 5.0f, 1.0f);  // W from 1.2566 down to 0.2513 rad/s
  float S[kMaxWavePeriods] = {};
  for (int i = 1; i <= 21; ++i) S[i - 1] = WAVCOM.W(i);
  const double top = WAVCOM.W(1);
  const double bottom = WAVCOM.W(21);
  for (float DW : {0.1f, 0.3f, 1.2f}) {
    const double h = DW / 2.0;
    float Q[kMaxWavePeriods] = {};
    for (int i = 1; i <= 21; ++i) {
      const double a = std::fabs(WAVCOM.W(i) + h);
      const double b = std::fabs(WAVCOM.W(i) - h);
      const bool inside = a >= bottom && a <= top && b >= bottom && b <= top;
      Q[i - 1] = inside ? static_cast<float>(a * b) : 0.0f;
    }
    float M0 = 0;
    float M2 = 0;
    SMPINT(Q, M0, M2);
    float SG = -1;
    GRPSPC(S, SG, DW);
    EXPECT_GT(SG, 0.0f) << "DW " << DW;
    EXPECT_TRUE(IsClose(SG, 8.0 * M0, 1e-5)) << "DW " << DW;
  }
}

}  // namespace
}  // namespace qv
