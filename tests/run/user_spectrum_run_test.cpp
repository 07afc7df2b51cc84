// The tanker example's sea written as the user's wave spectrum file: a sound sea is not refused by
// the file's bounds, and the run carries the same sea as the built-in spectrum it was written from.
#include <gtest/gtest.h>

#include <string>

#include "dataset/tpcm.h"
#include "dataset/tpcm_codes.h"
#include "example_run.h"
#include "support/checks.h"
#include "support/jonswap_file.h"
#include "support/temp_dir.h"
#include "waves/sea_state.h"
#include "waves/wavcom.h"

namespace qv {
namespace {

using testing_support::edited;
using testing_support::example;
using testing_support::IsClose;

class UserSpectrumRun : public testing_support::ExampleRun {};

// The example's mean JONSWAP sea (Hs 4 m, Tp 10 s) written from its closed form as the file
// (meanJonswapFile). The run takes it and goes to its end; the sea it carries has the significant
// height of the built-in sea over the same periods within 1 %.
TEST_F(UserSpectrumRun, TheExamplesSeaAsTheFileRunsAsTheBuiltInSea) {
  const double hs = 4.0;
  testing_support::writeFileText("WAVSPEC.txt", testing_support::meanJonswapFile(hs, 10.0, 9.8));

  ASSERT_EQ(runImage(edited(example("tanker-yoke"), [](Tpcm& t) { t.WAVTYP = kSpectrumUserFile; })), -1);
  const float fromFile = WAVCOM.SWH;
  TPCM.WAVTYP = kSpectrumMeanJonswap;
  buildSeaState();
  EXPECT_TRUE(IsClose(fromFile, WAVCOM.SWH, 0.01));
  EXPECT_TRUE(IsClose(WAVCOM.SWH, hs, 0.05));  // the periods leave out the tails beyond 0.26 and 1.57 rad/s
}

}  // namespace
}  // namespace qv
