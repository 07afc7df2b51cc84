// A bow or stern shape factor of 0 leaves the tanker drift model an end without angle (an infinite
// cotangent), on which the slow drift found no equilibrium after the vessel's and the statics'
// reports were written. The run refuses it before any stage, naming the factor's page and item.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "dataset/tpcm.h"
#include "example_run.h"
#include "platform/block_reset.h"
#include "platform/stop.h"
#include "support/checks.h"

namespace qv {
namespace {

using testing_support::contains;
using testing_support::example;
using testing_support::readFileText;
using testing_support::withWord;

class HullEnd : public testing_support::ExampleRun {};

TEST_F(HullEnd, AnEndOfFactor0IsRefusedBeforeAnyStage) {
  struct Case {
    std::size_t word;
    const char* named;
  };
  const Case cases[] = {{offsetof(Tpcm, BOWFAC), "Bow shape factor (page 10, item 21) is 0.00;"},
                        {offsetof(Tpcm, STRNFC), "Stern shape factor (page 10, item 22) is 0.00;"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.named);
    closeAllUnits();
    resetAllBlocks();
    EXPECT_EQ(runImage(withWord(example("tanker-yoke"), c.word, 0.0f)), kExitFatal);
    closeAllUnits();  // the diagnostics file written out
    EXPECT_TRUE(contains(readFileText("Diagnostics.stxt"), c.named));
    for (const char* report : {"TANKSUM.stxt", "STATOUT.stxt", "LOWOUT.stxt"}) {
      EXPECT_FALSE(std::filesystem::exists(report)) << report;
    }
  }
}

}  // namespace
}  // namespace qv
