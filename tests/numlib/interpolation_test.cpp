#include "numlib/interpolation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <vector>

#include "support/checks.h"
#include "support/console_capture.h"

namespace qv {
namespace {

using qv::testing_support::IsClose;

TEST(Interpolation, LinearInterpolationAndExtrapolation) {
  const float x[2] = {0, 1};
  const float y[2] = {0, 10};
  float v = 0;
  INTERP(x, y, 1.5f, v, 1);
  EXPECT_EQ(v, 15.0f);  // extrapolated beyond the interval
  INTERP(x, y, -0.25f, v, 1);
  EXPECT_EQ(v, -2.5f);

  const std::complex<float> cy[2] = {{1, -1}, {3, 5}};
  std::complex<float> cv;
  CINTRP(x, cy, 0.5f, cv, 1);
  EXPECT_EQ(cv, std::complex<float>(2, 2));
}

TEST(Interpolation, SearchThenInterpolateReproducesALine) {
  // y = 3x - 2 tabulated on an uneven grid is reproduced anywhere, inside or outside, in either
  // table direction.
  const std::vector<float> up = {-4, -1, 0.5f, 2, 7, 7.5f, 12};
  const std::vector<float> down(up.rbegin(), up.rend());
  for (const std::vector<float>* table : {&up, &down}) {
    std::vector<float> y;
    for (float x : *table) y.push_back(3 * x - 2);
    const int n = static_cast<int>(table->size());
    for (float xv : {-6.0f, -4.0f, -0.3f, 0.5f, 3.3f, 7.25f, 12.0f, 20.0f}) {
      int iout = -1, il = -1;
      BSRCH(table->data(), xv, iout, il, n);
      ASSERT_GE(il, 1);
      ASSERT_LE(il, n - 1);
      float v = 0;
      INTERP(table->data(), y.data(), xv, v, il);
      EXPECT_TRUE(IsClose(v, 3 * xv - 2, 1e-6, 1e-5)) << xv;
      EXPECT_EQ(iout, xv < -4 ? 1 : (xv > 12 ? 2 : 0)) << xv;
    }
  }
}

TEST(Interpolation, BisectionSearchIntervals) {
  struct Case {
    std::vector<float> x;
    float value;
    int iout, il;
  };
  const Case cases[] = {
      {{1, 2, 3, 4}, 2.5f, 0, 2}, {{1, 2, 3, 4}, 2.0f, 0, 1}, {{1, 2, 3, 4}, 1.0f, 0, 1},
      {{1, 2, 3, 4}, 4.0f, 0, 3}, {{1, 2, 3, 4}, 0.0f, 1, 1}, {{1, 2, 3, 4}, 9.0f, 2, 3},
      {{4, 3, 2, 1}, 2.5f, 0, 2}, {{4, 3, 2, 1}, 3.0f, 0, 2}, {{4, 3, 2, 1}, 9.0f, 2, 1},
      {{4, 3, 2, 1}, 0.0f, 1, 3}, {{4, 3, 2, 1}, 1.0f, 0, 3},
      {{5, 6}, 5.5f, 0, 1},       {{5}, 5.0f, 0, 1},
  };
  for (const Case& c : cases) {
    int iout = -1, il = -1;
    BSRCH(c.x.data(), c.value, iout, il, static_cast<int>(c.x.size()));
    EXPECT_EQ(iout, c.iout) << c.value;
    EXPECT_EQ(il, c.il) << c.value;
  }
}

TEST(Interpolation, LineTableSearchChecksItsEndSteps) {
  struct Case {
    std::vector<float> x;
    float value;
    int iout, il;
  };
  const Case cases[] = {
      {{2, 1, 3, 4, 5}, 3.5f, -1, 3},  // first step runs against the direction
      {{1, 2, 3, 5, 4}, 2.5f, -2, 2},  // last step runs against it
      {{1, 2, 3, 4, 5}, 3.5f, 0, 3},   // a sound table: as BSRCH
      {{5, 4, 3, 2, 1}, 0.5f, 1, 4},
      {{5, 4, 3, 2, 1}, 7.0f, 2, 1},
  };
  for (const Case& c : cases) {
    int iout = -9, il = -9;
    BSRCH_MOOR(c.x.data(), c.value, iout, il, static_cast<int>(c.x.size()));
    EXPECT_EQ(iout, c.iout) << c.value;
    EXPECT_EQ(il, c.il) << c.value;
  }
}

// Two columns of 90 points: the first z = i, the second z = 2 i (a profile at two states), with
// values v = 10 i and 30 i.
struct LayerTables {
  std::vector<float> z = std::vector<float>(2 * kLayerPoints);
  std::vector<float> v = std::vector<float>(2 * kLayerPoints);
  std::vector<double> zd = std::vector<double>(2 * kLayerPoints);
  std::vector<double> vd = std::vector<double>(2 * kLayerPoints);
  LayerTables() {
    for (int i = 1; i <= kLayerPoints; ++i) {
      z[i - 1] = zd[i - 1] = i;
      z[i - 1 + kLayerPoints] = zd[i - 1 + kLayerPoints] = 2 * i;
      v[i - 1] = vd[i - 1] = 10 * i;
      v[i - 1 + kLayerPoints] = vd[i - 1 + kLayerPoints] = 30 * i;
    }
  }
};

TEST(BlendedProfiles, BlendAndSearch) {
  const LayerTables t;
  EXPECT_EQ(MIDLAY(&t.z[4], 0.5f), 7.5f);  // mean of 5 and 10
  EXPECT_EQ(MIDLAY(&t.z[4], 0.0f), 5.0f);
  EXPECT_EQ(MDLYDP(&t.zd[4], 1.0), 10.0);

  struct Case {
    float weight, value;
    int ier, ilo;
  };
  const Case cases[] = {
      {0.0f, 10.5f, 0, 10},   // first column: between 10 and 11
      {1.0f, 10.5f, 0, 5},    // second column: between 10 and 12
      {0.5f, 10.5f, 0, 6},    // blended 1.5 i: 10.5 is point 7, which ends the interval found
      {1.0f, 151.0f, 2, 75},  // above the first column's end values, found in the second column
      {0.0f, -3.0f, 1, 1},
  };
  for (const Case& c : cases) {
    int ier = -1, ilo = -1;
    BSRCHQ(t.z.data(), c.weight, c.value, ier, ilo, kLayerPoints);
    EXPECT_EQ(ier, c.ier) << c.weight << " " << c.value;
    EXPECT_EQ(ilo, c.ilo) << c.weight << " " << c.value;
    BSRCDP(t.zd.data(), c.weight, c.value, ier, ilo, kLayerPoints);
    EXPECT_EQ(ier, c.ier);
    EXPECT_EQ(ilo, c.ilo);
  }
}

TEST(BlendedProfiles, WeightZeroReadsTheFirstColumnOnly) {
  // The last layer of a line table has no column after it: with weight 0 nothing there is read.
  // The second column holds NaN, which would show in any blend that touched it.
  LayerTables t;
  std::fill(t.z.begin() + kLayerPoints, t.z.end(), std::nanf(""));
  std::fill(t.v.begin() + kLayerPoints, t.v.end(), std::nanf(""));
  EXPECT_EQ(MIDLAY(&t.z[4], 0.0f), 5.0f);
  int ier = -1, ilo = -1;
  BSRCHQ(t.z.data(), 0.0f, 10.5f, ier, ilo, kLayerPoints);
  EXPECT_EQ(ier, 0);
  EXPECT_EQ(ilo, 10);
  float v = 0;
  INTRPQ(t.z.data(), t.v.data(), 6.5f, v, 6, 0.0f);
  EXPECT_TRUE(IsClose(v, 65, 1e-6));
}

TEST(BlendedProfiles, InterpolationBlendsTheChosenSides) {
  const LayerTables t;
  // Weight 0.5: blended z = 1.5 i, blended v = 20 i. At i = 4..5 and z = 6.75 (i = 4.5):
  //   both blended: v = 90; abscissa only (v = 10 i): 45; ordinate only (z = i, so z = 6.75 is
  //   i = 6.75, extrapolated from i = 4..5): 135.
  float v = 0;
  INTRPQ(t.z.data(), t.v.data(), 6.75f, v, 4, 0.5f);
  EXPECT_TRUE(IsClose(v, 90, 1e-6));
  INTRPR(t.z.data(), t.v.data(), 6.75f, v, 4, 0.5f);
  EXPECT_TRUE(IsClose(v, 45, 1e-6));
  INTRPS(t.z.data(), t.v.data(), 6.75f, v, 4, 0.5f);
  EXPECT_TRUE(IsClose(v, 135, 1e-6));

  double d = 0;
  INTDPQ(t.zd.data(), t.vd.data(), 6.75, d, 4, 0.5);
  EXPECT_DOUBLE_EQ(d, 90);
  INTDPR(t.zd.data(), t.vd.data(), 6.75, d, 4, 0.5);
  EXPECT_DOUBLE_EQ(d, 45);
  INTDPS(t.zd.data(), t.vd.data(), 6.75, d, 4, 0.5);
  EXPECT_DOUBLE_EQ(d, 135);
}

}  // namespace
}  // namespace qv
