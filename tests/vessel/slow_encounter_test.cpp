// The weight of a row met near zero encounter frequency: whole wherever the vessel meets the row at
// a frequency the grid's rows reach at rest, none from half the grid's lowest frequency down, and
// continuous between, so that no row steps a statistic as the speed moves it across either end.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "dataset/tpcm.h"
#include "hull/himem.h"
#include "platform/block_reset.h"
#include "support/checks.h"
#include "vessel/slow_encounter.h"
#include "waves/wavcom.h"

namespace qv {
namespace {

using testing_support::IsClose;

constexpr float kLowest = 0.4f;  // the grid's lowest frequency [rad/s]

// Each end with its neighbours either side, the middle, and both signs of we (the vessel overtaking
// the waves or falling behind them).
TEST(SlowEncounterWeight, IsWholeDownToTheGridsLowestFrequencyAndNoneFromHalfOfIt) {
  const float below = std::nextafter(kLowest, 0.0f);
  const float aboveHalf = std::nextafter(0.2f, 1.0f);
  const struct {
    float we;      // [rad/s]
    float weight;  // expected
    double tolerance;
  } cases[] = {
      {2.0f, 1.0f, 0.0},         {kLowest, 1.0f, 0.0},      {-kLowest, 1.0f, 0.0},
      {below, 1.0f, 1e-6},       {-below, 1.0f, 1e-6},      {0.39f, 0.95f, 1e-5},
      {0.3f, 0.5f, 1e-6},        {-0.3f, 0.5f, 1e-6},       {0.25f, 0.25f, 1e-6},
      {aboveHalf, 0.0f, 1e-6},   {0.2f, 0.0f, 0.0},         {-0.2f, 0.0f, 0.0},
      {0.1f, 0.0f, 0.0},         {0.0f, 0.0f, 0.0},         {-1e-8f, 0.0f, 0.0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE("we = " + std::to_string(c.we));
    const float s = slowEncounterWeight(c.we, kLowest);
    EXPECT_NEAR(s, c.weight, c.tolerance);
    EXPECT_GE(s, 0.0f);
    EXPECT_LE(s, 1.0f);
  }
  // Just inside either end the weight is already off its end value, so that it is the same rule on
  // both sides of each, not a line a row steps across.
  EXPECT_LT(slowEncounterWeight(below, kLowest), 1.0f);
  EXPECT_GT(slowEncounterWeight(aboveHalf, kLowest), 0.0f);
}

// Along a fine sweep of we the weight never moves by more than its slope (2 / lowest) allows.
TEST(SlowEncounterWeight, MovesByAHairWhereTheEncounterFrequencyMovesByAHair) {
  const float step = 1e-4f;
  float last = slowEncounterWeight(-0.6f, kLowest);
  for (float we = -0.6f + step; we <= 0.6f; we += step) {
    const float s = slowEncounterWeight(we, kLowest);
    EXPECT_LE(std::fabs(s - last), 2.0f / kLowest * step * 1.01f) << we;
    last = s;
  }
}

// The grid's rows: every weight 1 at rest; under way each row's weight from its encounter frequency
// w - k U, and the count of the rows not taken whole. Deep water, k = w^2 / g; the grid's frequencies
// 0.4 to 1.6 rad/s. At 10 ft/s following, the rows of 0.4 .. 1.6 rad/s meet we = w - w^2 10 / 32.2.
TEST(SlowEncounterWeights, WeightEachRowByItsEncounterFrequency) {
  resetAllBlocks();
  TPCM.NWP = 5;
  const std::vector<float> w = {1.6f, 1.3f, 1.0f, 0.7f, 0.4f};
  std::vector<float> k;
  for (const float x : w) k.push_back(x * x / 32.2f);
  const EncounterWeights still = encounterWeights(w.data(), k.data(), 0.0f);
  EXPECT_EQ(still.partial, 0);
  for (int i = 1; i <= 5; ++i) EXPECT_EQ(still.at(i), 1.0f);
  EXPECT_EQ(EncounterWeights{}.partial, 0);
  EXPECT_EQ(EncounterWeights{}.at(kNarray), 1.0f);

  // we: 1.6 - 0.79503 = 0.80497; 1.3 - 0.52484 = 0.77516; 1.0 - 0.31056 = 0.68944;
  // 0.7 - 0.15217 = 0.54783; 0.4 - 0.04969 = 0.35031: weights 1, 1, 1, 1, (0.35031 - 0.2) / 0.2.
  const EncounterWeights following = encounterWeights(w.data(), k.data(), 10.0f);
  const float expected[5] = {1.0f, 1.0f, 1.0f, 1.0f, 0.751553f};
  for (int i = 1; i <= 5; ++i) EXPECT_TRUE(IsClose(following.at(i), expected[i - 1], 1e-5)) << i;
  EXPECT_EQ(following.partial, 1);

  // At 40 ft/s: we = 1.6 - 3.18012 = -1.58012 (overtaking), 1.3 - 2.09938 = -0.79938,
  // 1.0 - 1.24224 = -0.24224, 0.7 - 0.60870 = 0.09130, 0.4 - 0.19876 = 0.20124.
  const EncounterWeights fast = encounterWeights(w.data(), k.data(), 40.0f);
  const float fastExpected[5] = {1.0f, 1.0f, 0.211180f, 0.0f, 0.006211f};
  for (int i = 1; i <= 5; ++i) EXPECT_NEAR(fast.at(i), fastExpected[i - 1], 1e-4) << i;
  EXPECT_EQ(fast.partial, 3);
  EXPECT_TRUE(fast.none(4));
  EXPECT_NEAR(fast.energyShare(3), 0.211180 * 0.211180, 1e-4);
}

// The operators as the statistics take them: surge, sway and yaw times the weight, the rest whole;
// at weight 1 every operator bit for bit.
TEST(SlowEncounterWeights, WeightSurgeSwayAndYawAlone) {
  const Complex X[kDof] = {{1.0f, 2.0f}, {3.0f, -1.0f}, {0.5f, 0.25f}, {0.1f, 0.2f}, {-0.3f, 0.4f}, {7.0f, 1.0f}};
  Complex out[kDof];
  waveFrequencyOperators(X, 1.0f, out);
  for (int q = 0; q < kDof; ++q) EXPECT_EQ(out[q], X[q]) << q;
  waveFrequencyOperators(X, 0.25f, out);
  const float factor[kDof] = {0.25f, 0.25f, 1.0f, 1.0f, 1.0f, 0.25f};
  for (int q = 0; q < kDof; ++q) EXPECT_EQ(out[q], X[q] * factor[q]) << q;
  waveFrequencyOperators(X, 0.0f, out);
  for (const int q : {0, 1, 5}) EXPECT_EQ(out[q], Complex(0.0f, 0.0f)) << q;
}

}  // namespace
}  // namespace qv
