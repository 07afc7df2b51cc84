// GRIDPT: the grid point whose frequency lies nearest 2 pi / T, checked against a brute-force search
// over the grid on random periods, within and beyond both ends of the grid.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <random>

#include "dataset/tpcm.h"
#include "hull/himem.h"
#include "waves/wavcom.h"

namespace qv {
namespace {

// A period grid of n points from ts in steps dt, with its frequencies in WAVCOM.
void setGrid(int n, float ts, float dt) {
  TPCM.NWP = n;
  WAVCOM.reset();
  for (int i = 1; i <= n; ++i) {
    TPCM.T(i) = ts + dt * static_cast<float>(i - 1);
    WAVCOM.W(i) = 6.2831855f / TPCM.T(i);
  }
}

// The nearest grid frequency by looking at every point; of two equally near, the lower index.
int nearestByBruteForce(float T, int n) {
  const float w = 6.2831855f / T;
  int best = 1;
  for (int i = 2; i <= n; ++i) {
    if (std::fabs(WAVCOM.W(i) - w) < std::fabs(WAVCOM.W(best) - w)) best = i;
  }
  return best;
}

TEST(Gridpt, NearestFrequencyOnRandomPeriods) {
  std::memset(&TPCM, 0, sizeof TPCM);
  struct Grid {
    int n;
    float ts, dt;
  };
  std::mt19937 random(20240617);
  for (const Grid& g : {Grid{100, 3.0f, 0.25f}, Grid{31, 4.0f, 0.5f}, Grid{2, 8.0f, 4.0f}}) {
    setGrid(g.n, g.ts, g.dt);
    const float tl = g.ts + g.dt * static_cast<float>(g.n - 1);
    // Periods from well below the shortest to well above the longest.
    std::uniform_real_distribution<float> period(0.5f * g.ts, 1.5f * tl);
    for (int k = 0; k < 2000; ++k) {
      const float T = period(random);
      std::int32_t idx = -1;
      GRIDPT(T, idx);
      ASSERT_EQ(idx, nearestByBruteForce(T, g.n)) << "T " << T << " on the grid of " << g.n << " points";
    }
    // The ends, and the grid periods themselves.
    for (const float T : {0.01f, g.ts, tl, 10.0f * tl}) {
      std::int32_t idx = -1;
      GRIDPT(T, idx);
      EXPECT_EQ(idx, nearestByBruteForce(T, g.n)) << "T " << T;
    }
  }
}

TEST(Gridpt, ExactMidpointGivesTheLowerIndex) {
  std::memset(&TPCM, 0, sizeof TPCM);
  TPCM.NWP = 3;
  WAVCOM.reset();
  WAVCOM.W(1) = 4.0f;
  WAVCOM.W(2) = 2.0f;
  WAVCOM.W(3) = 1.0f;
  // 2 pi / 3 is the period whose frequency lies halfway between W(1) and W(2).
  const float T = 6.2831855f / 3.0f;
  ASSERT_EQ(6.2831855f / T, 3.0f);
  std::int32_t idx = -1;
  GRIDPT(T, idx);
  EXPECT_EQ(idx, 1);
  GRIDPT(6.2831855f / 2.9f, idx);
  EXPECT_EQ(idx, 2);
  GRIDPT(6.2831855f / 0.5f, idx);  // below the lowest frequency
  EXPECT_EQ(idx, 3);
  GRIDPT(6.2831855f / 9.0f, idx);  // above the highest
  EXPECT_EQ(idx, 1);
}

}  // namespace
}  // namespace qv
