// The waves of a heading: the sea a body meets is the sum of the acting systems, each with its share.
// A free column's plane takes of each system the share cos^2 of its heading and its normal the rest
// (cos^2 + sin^2 = 1): in line and across, the densities sum to the whole sea; the swells count alike
// whichever is called first.
#include "dynamics/heading_waves.h"

#include <gtest/gtest.h>

#include <cmath>
#include <utility>

#include "dataset/tpcm.h"
#include "slowdrift/output.h"
#include "support/checks.h"
#include "support/fresh_run.h"
#include "waves/wavcom.h"

namespace qv {
namespace {

using testing_support::IsClose;

class HeadingWaves : public testing_support::FreshRun {
 protected:
  void SetUp() override {
    FreshRun::SetUp();
    TPCM.NWP = 5;
    for (int i = 1; i <= 5; ++i) {
      WAVCOM.WPSD(i) = 1.0f + static_cast<float>(i);
      WAVCOM.SWLPSD(i) = 0.5f * static_cast<float>(i);
      WAVCOM.SWLPSD2(i) = 3.0f - 0.25f * static_cast<float>(i);
    }
  }
};

TEST_F(HeadingWaves, InLineAndAcrossAFreeColumnTheSharesMakeTheWholeSea) {
  Output& o = OUTPUT;
  o.LRND = 1;
  o.LSWL = 1;
  o.LSWL2 = 1;
  const float headings[] = {180.0f, 210.0f, 135.0f};  // the sea, the swell, the second swell [deg]
  float* shares[] = {&o.XWVFAC, &o.XSWFAC, &o.XSWFAC2};
  for (int k = 0; k < 3; ++k) {
    const float c = std::cos(headings[k] / 57.29578f);
    *shares[k] = c * c;
  }
  for (int IW = 1; IW <= 5; ++IW) {
    const float whole = waveDensity(IW, freeSalmShares(FreeShare::kWhole));
    EXPECT_TRUE(IsClose(whole, WAVCOM.WPSD(IW) + WAVCOM.SWLPSD(IW) + WAVCOM.SWLPSD2(IW), 1e-6)) << IW;
    const float parts =
        waveDensity(IW, freeSalmShares(FreeShare::kInLine)) + waveDensity(IW, freeSalmShares(FreeShare::kAcross));
    EXPECT_TRUE(IsClose(parts, whole, 1e-6)) << IW;
  }
  // A system that does not act has no share.
  o.LSWL2 = 0;
  EXPECT_EQ(freeSalmShares(FreeShare::kAcross).swell2, 0.0f);
  EXPECT_TRUE(IsClose(waveDensity(2, freeSalmShares(FreeShare::kWhole)), WAVCOM.WPSD(2) + WAVCOM.SWLPSD(2), 1e-6));
}

// The attached column's heading: the sea with its spreading weight where it acts, each swell whole
// where the heading is its own; the swells swapped give the same sea.
TEST_F(HeadingWaves, AnAttachedHeadingTakesTheSystemsWhoseHeadingItIs) {
  Output& o = OUTPUT;
  o.SPDVAL = 0.25f;
  struct Case {
    std::int32_t LRND, LSWL, LSWL2;
    float expected;  // at period 3: WPSD 4, SWLPSD 1.5, SWLPSD2 2.25
  };
  const Case cases[] = {{1, 0, 0, 1.0f}, {0, 1, 0, 1.5f}, {0, 0, 1, 2.25f}, {1, 1, 1, 4.75f}, {0, 0, 0, 0.0f}};
  for (const Case& c : cases) {
    o.LRND = c.LRND;
    o.LSWL = c.LSWL;
    o.LSWL2 = c.LSWL2;
    EXPECT_TRUE(IsClose(waveDensity(3, headingShares()), c.expected, 1e-6)) << c.LRND << c.LSWL << c.LSWL2;
  }
  o.LRND = 0;
  o.LSWL = 1;
  o.LSWL2 = 1;
  const float both = waveDensity(4, headingShares());
  std::swap(WAVCOM.SWLPSD(4), WAVCOM.SWLPSD2(4));
  EXPECT_EQ(waveDensity(4, headingShares()), both);
}

}  // namespace
}  // namespace qv
