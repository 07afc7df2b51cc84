// The hull models built into the program behind the seam: the ship runs in the drivers' order and
// gives its response, the jack-up's five operations stop the run after their message, and the
// selection table reaches the right model (the semi-submersible whatever VESTYP holds after the
// ship and the jack-up, the discus buoy) or none.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <functional>
#include <string>

#include "dataset/tpcm.h"
#include "hull/himem.h"
#include "hull/hull_model.h"
#include "hull/jackup.h"
#include "hull/semi/semi.h"
#include "hull/ship/ship_fixture.h"
#include "support/checks.h"
#include "support/console_capture.h"

namespace qv {
namespace {

using testing_support::ConsoleCapture;
using testing_support::contains;
using testing_support::IsClose;
using testing_support::stopStatus;

class BuiltInModelsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    HULL_MODELS.reset();
    testing_support::setTrueBox();
    testing_support::setGrid(5.0f, 0.5f, 51);
    testing_support::resetShipRun();
  }
};

TEST_F(BuiltInModelsTest, ShipRunsInTheDriversOrder) {
  // Pass 1: CHR, FRC(0), the two pages on the report file (here the console, with its pauses);
  // pass 2 for the heading: FRC(5), RAO. The ship is selected even with SEMI_LIKE set.
  TPCM.SEMI_LIKE = 1;
  ConsoleCapture console("\n\n");
  std::int32_t flag = 0;
  hullCHR();
  hullFRC(flag);
  hullSUM();
  hullOUT();
  EXPECT_TRUE(contains(console.screen(), "I.  PHYSICAL CHARACTERISTICS SUMMARY"));
  EXPECT_TRUE(contains(console.screen(), "II.  UNMOORED VESSEL MOTION CHARACTERISTICS"));
  TPCM.VFWD = 15.0f;
  testing_support::setHeading(30.0f);
  flag = 5;
  hullFRC(flag);
  hullRAO();
  // The heave RAO at 13.5 s, 30 degrees, 15 ft/s (see the ship force tests for its source).
  const Complex heave = HIMEM.HVRAO(18);
  EXPECT_TRUE(IsClose(heave.real(), 0.4714635, 1e-3));
  EXPECT_TRUE(IsClose(heave.imag(), -0.0267302, 2e-3));
}

TEST_F(BuiltInModelsTest, JackUpStopsAtEveryOperation) {
  const std::string message = " ++> You are in an inoperative vessel utility file!\n     Press <Return> to quit\n";
  const std::function<void()> operations[] = {
      [] { JCKCHR(); },
      [] {
        std::int32_t flag = 5;
        JCKFRC(flag);
      },
      [] { JCKRAO(); },
      [] { JCKSUM(); },
      [] { JCKOUT(); },
      [] { hullCHR(); },  // through the seam: VESTYP 2
  };
  TPCM.VESTYP = 2;
  TPCM.EDUNIT = 41;  // the stubs write to the screen whatever the data set says
  for (const auto& operation : operations) {
    ConsoleCapture console("any reply\nnext\n");
    EXPECT_EQ(stopStatus(operation), 1);
    EXPECT_EQ(console.screen(), message);
    EXPECT_EQ(console.unread(), "next\n");  // one line read
  }
}

TEST_F(BuiltInModelsTest, SelectionReachesTheModelsOfTheProgram) {
  struct Case {
    std::int32_t vestyp, semiLike;
    const char* outcome;  // "ship", "semi", "none", or the text of the stop
  };
  const Case cases[] = {
      {1, 0, "ship"},
      {1, 1, "ship"},
      {3, 0, "none"},
      {5, 0, "none"},
      {2, 0, "inoperative vessel utility file"},
      {3, 1, "semi"},
      {4, 1, "semi"},
      {4, 0, "disc"},
  };
  for (const Case& c : cases) {
    testing_support::setTrueBox();
    testing_support::setGrid(5.0f, 0.5f, 51);  // the disc starts from the grid's last frequency
    TPCM.VESTYP = c.vestyp;
    TPCM.SEMI_LIKE = c.semiLike;
    HIMEM.EDRAFT = 0.0f;
    semchrState.reset();
    // The semi-submersible of a data set without members asks twice: no member crosses the
    // waterline, and the estimates differ from the input.
    ConsoleCapture console("\n\n");
    const int status = stopStatus([] { hullCHR(); });
    const std::string outcome = c.outcome;
    if (outcome == "ship") {
      EXPECT_EQ(status, -1);
      EXPECT_TRUE(IsClose(HIMEM.EDRAFT, 40.0, 2e-3)) << "VESTYP " << c.vestyp;
    } else if (outcome == "disc") {
      // The box as a flat cylinder of the same waterplane, whose centres give the same draft.
      EXPECT_EQ(status, -1);
      EXPECT_TRUE(IsClose(HIMEM.EDRAFT, 40.0, 1e-5)) << "VESTYP " << c.vestyp;
      EXPECT_TRUE(IsClose(HIMEM.RADIUS, std::sqrt(60000.0 / M_PI), 1e-6));
    } else if (outcome == "semi") {
      EXPECT_EQ(status, -1) << "VESTYP " << c.vestyp;
      EXPECT_EQ(HIMEM.EDRAFT, 40.0f) << "VESTYP " << c.vestyp;
      EXPECT_TRUE(contains(console.screen(), " ++> Warning: No member crosses the waterline.")) << console.screen();
    } else if (outcome == "none") {
      EXPECT_EQ(status, -1);
      EXPECT_EQ(HIMEM.EDRAFT, 0.0f) << "VESTYP " << c.vestyp;
      EXPECT_EQ(console.screen(), "");
    } else {
      EXPECT_EQ(status, 1) << "VESTYP " << c.vestyp;
      EXPECT_TRUE(contains(console.screen(), outcome)) << console.screen();
    }
  }
}

}  // namespace
}  // namespace qv
