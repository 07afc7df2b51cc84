// resetAllBlocks reaches every data block and every kept state that the editor links: a run that
// left all of them changed starts afresh.
#include <gtest/gtest.h>

#include "dataset/lowcof.h"
#include "dataset/tpcm.h"
#include "editor/final_page.h"
#include "editor/fintop.h"
#include "platform/block_reset.h"
#include "platform/clock.h"
#include "platform/units.h"
#include "support/console_capture.h"
#include "support/temp_dir.h"
#include "util/files.h"

namespace qv {
namespace {

TEST(ResetAllBlocks, EveryBlockAndKeptStateStartsAfresh) {
  testing_support::TempDir dir;
  TPCM.DEPTH = 12.0f;
  TPCM.SEMCOM_LAST = 1.0f;
  LOWCOF.NUWNPT = 5;
  fintopState.SAVEDATA = 1;
  finalPageState.HCDONE = 1;
  RHOPEN("notes.stxt", kFormatted, kFresh, 0, kNotesUnit, "test", kScreenUnit, 5);
  noteSessionSaved();
  setClock(ClockHooks{[] { return LocalTime{1999, 1, 2, 3, 4, 5}; }, {}});

  resetAllBlocks();

  for (std::byte b : tpcmBytes()) ASSERT_EQ(b, std::byte{0});
  for (std::byte b : lowcofBytes()) ASSERT_EQ(b, std::byte{0});
  EXPECT_EQ(fintopState.SAVEDATA, 0);
  EXPECT_EQ(finalPageState.HCDONE, 0);
  EXPECT_FALSE(unitConnected(kNotesUnit));
  EXPECT_NE(localNow().year, 1999);
  // Nothing saved any more: the end of the input is the unsaved end.
  testing_support::ConsoleCapture console;
  EXPECT_EQ(testing_support::stopStatus([] { readConsoleLine(); }), kExitInputEnded);
}

}  // namespace
}  // namespace qv
