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
#include <cstring>
#include <filesystem>
#include <string>

#include "dataset/force_model.h"
#include "dataset/tpcm.h"
#include "example_run.h"
#include "hull/equilb.h"
#include "hull/semi/semi_fixture.h"
#include "support/checks.h"
#include "support/report_values.h"
#include "util/fatal.h"

namespace qv {
namespace {

using testing_support::contains;
using testing_support::example;
using testing_support::IsClose;
using testing_support::readFileText;

constexpr float kDegrees = 57.2957764f;
constexpr int kSemiDriftModel = 3;  // LWVCOF code of the semi-submersible's drift coefficients
constexpr int kBargeLoadModel = 3;  // LWBARG and LCBARG code of the square-law loads on projected areas

// The headings of the example's environment, each the direction it travels toward [deg]: 180 in
// the example (the vessel heads toward 0 to meet them), `turn` added to all.
struct Environment {
  float turn = 0.0f;
  float wind = 180.0f;
  float current = 180.0f;
  float sea = 180.0f;
};

// The example's image with the semi-submersible moored by its yoke at x = `yoke` [m], drift drag
// on, no wave-frequency dynamics, and the environment's headings; `edit` changes anything further.
std::string semiImage(const Environment& env, float yoke = 40.0f, void (*edit)() = nullptr) {
  std::string image = example("tanker-yoke");
  std::memcpy(&TPCM, image.data(), image.size());
  Tpcm& t = TPCM;
  // The semi-submersible of the hull models' tests: symmetric about both its axes, draft 20 m, four
  // columns of 10 m through the water surface at (+-30, +-30) m, pontoons and braces below it.
  testing_support::putSemiHullValues();
  testing_support::putSemiMembers();
  t.XSALM = yoke;
  // The column-stabilised hull's own drift model: the tanker's wedges fit no square waterline.
  t.LWVCOF = sameModelInAllDirections(kSemiDriftModel);
  // Wind and current on the semi's own projected areas, centred on it. The tanker's coefficient
  // series differ from ahead and from astern: so would the mean load, the surge stiffness and
  // frequency, and with them every damping in percent of critical. Above the water the four columns
  // (10 m wide, 10 m high) either way; below it the columns (4 x 10 x 12 m) and, head-on, the
  // pontoons' ends (2 x 12 x 8 m) and the braces (2 x 3 x 48 m), beam-on the pontoons' sides
  // (2 x 90 x 8 m); the braces' ends are left out.
  t.LWBARG = sameModelInAllDirections(kBargeLoadModel);
  t.LCBARG = sameModelInAllDirections(kBargeLoadModel);
  t.TXWNDA = 400.0f;
  t.TYWNDA = 400.0f;
  t.TXCURA = 960.0f;
  t.TYCURA = 1920.0f;
  t.XWARM = t.YWARM = t.XCARM = t.YCARM = 0.0f;
  t.LEGDRG = 0;
  t.LDYN = 0;
  t.WNDHDG = env.wind + env.turn;
  t.CURHDG = env.current + env.turn;
  t.SEAHDG(1) = env.sea + env.turn;
  for (int k = 1; k <= t.NDIR; ++k) t.WAVHDG(k) = env.sea + env.turn;
  if (edit != nullptr) edit();
  std::memcpy(image.data(), &TPCM, image.size());
  return image;
}

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
