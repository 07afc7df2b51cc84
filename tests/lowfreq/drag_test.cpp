// The low-frequency drag and damping of a ship hull (DRAGF_SHIP) and the dispatch DRAGF. The sea of
// the drift tests (21 periods, 100 m of water, a Pierson-Moskowitz spectrum of 4 m and 10 s), chosen
// relative-motion operators in PASCOM and constant user drift coefficients, so that every output has
// a closed form; the references were computed once with Python from the formulas of the model:
//
//   S = PM(4, 10) on w = 2 pi / T, T = 4..24 s (float32); smp(F) = sum(Simpson weights F w^2) / (6 pi)
//   CC = 1.5 x (-cos b, -sin b, (6 cos b - 2 sin b) / 200), b = 0.6; L = (32, 200, 200^2)
//   A2 = 0.0005 x 1025 L CC / 9.8, A3 = 0.001 x 1025 L
//   MR = smp(S R^0.66667), R = (0.4 + 0.05 i, 1 + 0.1 i, 0.02 i); MD = (0.3, 0.5, 0.02) smp(S)
//   drag = 1.5958 A2 MR sqrt(MR), A3 MD
//   g = smp(S(w + 0.025) S(|w - 0.025|)) with S linear in w and 0 off the grid, G1 = g / smp(S)^2
//   damping = 0.8 x 11.46 A2^2 G1 MR^3, |sqrt(1.2 x 0.8) 9.575 A2 A3 G1 MD MR^1.5|
#include "lowfreq/drag.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <optional>
#include <string>

#include "dataset/tpcm.h"
#include "dataset/tpcm_codes.h"
#include "hull/pascom.h"
#include "lowfreq/drift_fixture.h"
#include "lowfreq/sines.h"
#include "platform/units.h"
#include "support/checks.h"
#include "support/console_capture.h"
#include "support/fresh_run.h"
#include "support/temp_dir.h"

namespace qv {
namespace {

using testing_support::ConsoleCapture;
using testing_support::IsClose;
using testing_support::stopStatus;
using testing_support::TempDir;

constexpr float kBeta = 0.6f;  // [rad]

class ShipDrag : public testing_support::FreshRun {
 protected:
  void SetUp() override {
    FreshRun::SetUp();
    testing_support::driftSea();
    testing_support::pmSpectrum(4.0f, 10.0f, S);
    Tpcm& t = TPCM;
    t.VESTYP = kShipVessel;
    t.CREATR = 11;
    t.DWATR = 1025.0f;
    t.LWL = 200.0f;
    t.BWL = 32.0f;
    t.DRAFT = 12.0f;
    t.LCBARG = 0x777;  // the cylindrical vessel
    t.XCARM = 6.0f;
    t.YCARM = 2.0f;
    t.CURFAC = 1.5f;
    t.VWDFAC = 1.2f;
    t.VWDRGFC = 0.8f;
    t.LWVCOF = 0x111;  // the user drift table
    t.WVFCX = t.WVFCY = t.WVFCM = 1.0f;
    SINES.HOVERD = t.DEPTH / t.DRAFT;
    for (int i = 1; i <= t.NWP; ++i) {
      PASCOM.RLRAO2(i, 1) = 0.4f + 0.05f * static_cast<float>(i);
      PASCOM.FDRGLAT(i, 1) = 1.0f + 0.1f * static_cast<float>(i);
      PASCOM.MDRGLAT(i, 1) = 0.02f * static_cast<float>(i);
    }
    std::ofstream table("DRFTCOFS.txt");  // the same coefficients at every frequency and heading
    table << "2 2\n0\n0.1 0.3 0.5 0.02\n5 0.3 0.5 0.02\n360\n0.1 0.3 0.5 0.02\n5 0.3 0.5 0.02\n";
    table.close();
    console.emplace("\n");
  }

  TempDir dir;
  std::optional<ConsoleCapture> console;
  float S[100] = {};
};

TEST_F(ShipDrag, DragAndDampingOfEachComponent) {
  struct Case {
    int component;
    double drag, drift, quadratic, cross;  // the two outputs of each pass (Python)
  };
  const Case cases[] = {
      {1, -2.15634468, 9.53010009, 24.3949343, 176.058577},
      {2, -21.1459273, 99.2718759, 2345.93924, 17984.3402},
      {3, 10.1968451, 794.175007, 545.500225, 69378.2886},
  };
  for (const Case& c : cases) {
    float dw = 0.05f;
    float out1 = 0.0f;
    float out2 = 0.0f;
    DRAGF(0, c.component, kBeta, S, dw, out1, out2, 1);
    EXPECT_TRUE(IsClose(out1, c.drag, 2e-5)) << "component " << c.component;
    EXPECT_TRUE(IsClose(out2, c.drift, 2e-5)) << "component " << c.component;
    DRAGF(1, c.component, kBeta, S, dw, out1, out2, 1);
    EXPECT_TRUE(IsClose(out1, c.quadratic, 1e-4)) << "component " << c.component;
    EXPECT_TRUE(IsClose(out2, c.cross, 1e-4)) << "component " << c.component;
  }
}

// No waves: nothing in either pass, the damping pass skipped. No current coefficient: the drift
// term alone in the drag pass, and nothing in the damping pass.
TEST_F(ShipDrag, NoWavesOrNoCurrentCoefficient) {
  float zero[100] = {};
  float dw = 0.05f;
  float out1 = 1.0f;
  float out2 = 1.0f;
  DRAGF(1, 2, kBeta, zero, dw, out1, out2, 1);
  EXPECT_EQ(out1, 0.0f);
  EXPECT_EQ(out2, 0.0f);

  TPCM.XCARM = TPCM.YCARM = 0.0f;  // the yaw coefficient of the cylinder vanishes
  DRAGF(0, 3, kBeta, S, dw, out1, out2, 1);
  EXPECT_EQ(out1, 0.0f);
  EXPECT_TRUE(IsClose(out2, 794.175007, 2e-5));
  DRAGF(1, 3, kBeta, S, dw, out1, out2, 1);
  EXPECT_EQ(out1, 0.0f);
  EXPECT_EQ(out2, 0.0f);
}

// Another hull takes the cylindrical vessel's current coefficient whatever LCBARG says, and a discus
// buoy only its sign: at 0.6 rad the surge coefficient -cos 0.6 becomes -1.
TEST_F(ShipDrag, OtherHullsTakeTheCylinderAndTheBuoyItsSign) {
  TPCM.LCBARG = 0;  // no model: a ship would have no current coefficient at all
  float dw = 0.0f;
  float out1 = 0.0f;
  float out2 = 0.0f;
  DRAGF(0, 1, kBeta, S, dw, out1, out2, 1);
  EXPECT_EQ(out1, 0.0f);

  TPCM.VESTYP = kTensionLegPlatform;  // not a column-stabilised hull here: SEMI_LIKE is 0
  DRAGF(0, 1, kBeta, S, dw, out1, out2, 1);
  EXPECT_TRUE(IsClose(out1, -2.15634468, 2e-5));
  TPCM.VESTYP = kDiscBuoy;
  DRAGF(0, 1, kBeta, S, dw, out1, out2, 1);
  EXPECT_TRUE(IsClose(out1, -2.15634468 / (1.5 * std::cos(0.6)), 2e-5));
}

TEST_F(ShipDrag, AnUnknownWaveSystemStops) {
  float dw = 0.0f;
  float out1 = 0.0f;
  float out2 = 0.0f;
  EXPECT_EQ(stopStatus([&] { DRAGF_SHIP(0, 1, kBeta, S, dw, out1, out2, 4); }), kExitFatal);
  EXPECT_NE(console->screen().find(" =+> Invalid IWAVID in dragf.f\n"), std::string::npos) << console->screen();
}

}  // namespace
}  // namespace qv
