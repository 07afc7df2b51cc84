// The tanker example with a semi-submersible in place of the tanker, through the slow drift and its
// report: the drift drag of the columns in the sea, the current and the wind, all collinear. Drag in
// a random flow dissipates whichever way the flow goes (d/dv E[(U - v + u)|U - v + u|] = -2 E|U + u|
// < 0 for any current U and any wave velocity u), so the wave-drag damping is positive; the problem
// turned as a whole is the same problem, so is its damping; a hull symmetric fore and aft meets the
// environment from ahead and from astern alike, and the mirrored environment gives the mirrored
// equilibrium and the same damping. A mode whose damping does not dissipate has no motion: the run
// stops naming it, before the report. A semi-submersible with no member through the water surface
// has no waterplane: the run refuses it before any stage.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>

#include "dataset/force_model.h"
#include "dataset/tpcm.h"
#include "example_run.h"
#include "hull/equilb.h"
#include "semi_example.h"
#include "support/checks.h"
#include "support/report_values.h"
#include "util/fatal.h"

namespace qv {
namespace {

using testing_support::contains;
using testing_support::Environment;
using testing_support::IsClose;
using testing_support::readFileText;
using testing_support::semiImage;

constexpr float kDegrees = 57.2957764f;

class SemiExample : public testing_support::ExampleRun {
 protected:
  // The slow drift and its report of the image; false (and a test failure) when the run stopped.
  bool runs(const std::string& image) {
    resetAllBlocks();
    const int status = runImage(image);
    EXPECT_EQ(status, -1);
    return status == -1;
  }
  const LowModeRecord& surge() const { return EQUILB.MODREC(1); }
  const LowModeRecord& sway() const { return EQUILB.MODREC(2); }
};

// The whole environment turned in steps of 15 degrees: the vessel follows it exactly, and the drift
// drag's damping of each mode, positive, does not move.
TEST_F(SemiExample, WaveDragDampingIsPositiveAndTurnsWithTheEnvironment) {
  ASSERT_TRUE(runs(semiImage({})));
  const float surgeDamping = surge().GMWDG;
  EXPECT_GT(surgeDamping, 0.0f);
  // The report prints it as it is kept: percent of critical.
  const double printed = testing_support::numberAfter(readFileText("LOWOUT.stxt"), "surge motions:",
                                                      "Damping due to wave drag ...................");
  EXPECT_TRUE(IsClose(printed, 50.0 * surgeDamping, 0.0, 0.006));

  for (int turn = 15; turn < 360; turn += 15) {
    SCOPED_TRACE("the environment turned by " + std::to_string(turn) + " degrees");
    ASSERT_TRUE(runs(semiImage({static_cast<float>(turn)})));
    EXPECT_LT(std::fabs(std::remainder(EQUILB.VESANG * kDegrees - static_cast<float>(turn), 360.0f)), 0.05f);
    EXPECT_TRUE(IsClose(surge().GMWDG, surgeDamping, 1e-3));
    // Across the collinear environment it is nil, but for the last digits of the heading search.
    EXPECT_LT(sway().GMWDG, 0.01f * surgeDamping);
    EXPECT_GT(surge().EGMSG, 0.0f);
  }
}

// With the yoke at the stern the vessel turns its stern to the environment: the columns meet the
// same flow from astern, and a hull symmetric fore and aft takes the same drift-drag damping. Its
// wind and current loads are symmetric too, so the mean load, the surge stiffness and the frequency
// that a damping in percent of critical divides by are the same from either end.
TEST_F(SemiExample, HullSymmetricForeAndAftTakesTheSameDampingFromAheadAndAstern) {
  ASSERT_TRUE(runs(semiImage({}, 40.0f)));
  const LowModeRecord ahead = surge();
  EXPECT_LT(std::fabs(std::remainder(EQUILB.SWAVE_ATTACK, 6.2831855f)), 1e-3f);  // the waves from ahead
  ASSERT_TRUE(runs(semiImage({}, -40.0f)));
  EXPECT_LT(std::fabs(std::remainder(EQUILB.SWAVE_ATTACK - 3.1415927f, 6.2831855f)), 1e-3f);  // from astern
  EXPECT_TRUE(IsClose(surge().WSURG, ahead.WSURG, 1e-4));
  EXPECT_GT(ahead.GMWDG, 0.0f);
  EXPECT_TRUE(IsClose(surge().GMWDG, ahead.GMWDG, 1e-3));
}

// Wind, current and sea spread over 60 degrees, and the same spread mirrored about the mean
// direction, at two turns of the whole: the vessel heading is mirrored, the damping the same.
TEST_F(SemiExample, MirroredSpreadEnvironmentGivesTheSameDamping) {
  const Environment spread{0.0f, 210.0f, 190.0f, 150.0f};
  const Environment mirrored{0.0f, 150.0f, 170.0f, 210.0f};
  ASSERT_TRUE(runs(semiImage(spread)));
  const float heading = EQUILB.VESANG * kDegrees;
  const float surgeDamping = surge().GMWDG;
  const float swayDamping = sway().GMWDG;
  EXPECT_GT(surgeDamping, 0.0f);
  EXPECT_GT(swayDamping, 0.0f);
  for (const float turn : {0.0f, 40.0f}) {
    SCOPED_TRACE("turned by " + std::to_string(turn));
    Environment m = mirrored;
    m.turn = turn;
    ASSERT_TRUE(runs(semiImage(m)));
    EXPECT_LT(std::fabs(std::remainder(EQUILB.VESANG * kDegrees + heading - turn, 360.0f)), 0.05f);
    EXPECT_TRUE(IsClose(surge().GMWDG, surgeDamping, 1e-3));
    EXPECT_TRUE(IsClose(sway().GMWDG, swayDamping, 1e-3));
  }
}

// The semi with a pair of inclined braces 5 m across through the water surface, from its pontoons to
// its deck: entered from their upper ends they are the braces entered from their lower ends. The
// slow drift takes the hull's wave-frequency response (the relative motion of the drift drag) and
// the members' waterline cuts (where the columns' drag acts), so its report is the same, to the
// last printed digit, and so are its damping terms.
template <testing_support::Entered entered>
void braces() {
  testing_support::putBraces(entered, testing_support::kBraceLower, testing_support::kBraceUpper, 5.0f, 0.0f, 1);
  TPCM.NOWARN = 1;  // the braces add to the displacement
}

TEST_F(SemiExample, BracesEnteredFromEitherEndGiveOneSlowDrift) {
  const Environment spread{0.0f, 210.0f, 190.0f, 150.0f};
  using testing_support::Entered;
  ASSERT_TRUE(runs(semiImage(spread, 40.0f, braces<Entered::kLowerEndFirst>)));
  const std::string fromBelow = testing_support::maskClock(readFileText("LOWOUT.stxt"));
  const LowModeRecord surgeFromBelow = surge(), swayFromBelow = sway();
  ASSERT_TRUE(runs(semiImage(spread, 40.0f, braces<Entered::kUpperEndFirst>)));
  EXPECT_EQ(testing_support::maskClock(readFileText("LOWOUT.stxt")), fromBelow);
  EXPECT_TRUE(IsClose(surge().GMWDG, surgeFromBelow.GMWDG, 1e-4));
  EXPECT_TRUE(IsClose(sway().GMWDG, swayFromBelow.GMWDG, 1e-4));
  EXPECT_TRUE(IsClose(surge().EGMSG, surgeFromBelow.EGMSG, 1e-4));
  EXPECT_TRUE(IsClose(sway().EGMSG, swayFromBelow.EGMSG, 1e-4));
}

// Drag coefficients that push the columns' surge drag against the motion (a negative in-line
// coefficient, with a larger cross-flow one so that the members' weights stay positive), large
// enough to outweigh the current's damping of the semi (about 30 % of critical), make the net surge
// damping negative: the run stops after the slow drift, naming the mode and its terms, and writes
// no low-frequency report.
TEST_F(SemiExample, AModeWhoseDampingDoesNotDissipateStopsTheRun) {
  const std::string image = semiImage({}, 40.0f, [] {
    for (int I = 1; I <= 4; ++I) {
      TPCM.CYLCD(1, I) = -3.2f;
      TPCM.CYLCD(2, I) = 6.4f;
    }
  });
  resetAllBlocks();
  EXPECT_EQ(runImage(image), kExitFatal);
  std::string message;
  for (const std::string& line : fatalStopState.message) message += line + "\n";
  EXPECT_TRUE(contains(message, " ++> VANTREL: the low-frequency surge mode has a total damping of -")) << message;
  for (const char* term : {"still water ", "wind ", "current ", "wave reflection ", "wave drag -", "total -"})
    EXPECT_TRUE(contains(message, term)) << term << "\n" << message;
  EXPECT_TRUE(contains(message, "no motion can be")) << message;
  EXPECT_FALSE(std::filesystem::exists("LOWOUT.stxt"));
}

// No member through the water surface: the run stops on the run checks' finding, before the first
// stage writes anything.
TEST_F(SemiExample, NoMemberThroughTheWaterSurfaceStopsBeforeAnyStage) {
  struct Case {
    const char* what;
    void (*edit)();
    const char* words;
  };
  const Case cases[] = {
      {"an empty member table", [] { TPCM.NCYL = 0; }, "hull-member table is empty"},
      {"the columns submerged", [] { TPCM.TDRAFT = 35.0f; }, "No hull member of the semi-submersible crosses"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    resetAllBlocks();
    EXPECT_EQ(runImage(semiImage({}, 40.0f, c.edit)), kExitFatal);
    ASSERT_FALSE(fatalStopState.message.empty());
    EXPECT_TRUE(contains(fatalStopState.message.front(), c.words)) << fatalStopState.message.front();
    for (const auto& file : std::filesystem::directory_iterator(".")) {
      EXPECT_TRUE(file.path().filename() == "SALMDAT" || file.path().filename() == "Diagnostics.stxt")
          << file.path();
    }
  }
}

}  // namespace
}  // namespace qv
