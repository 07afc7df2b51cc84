#include "mooring/mooring_force.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>

#include "line_fixture.h"
#include "mooring/line_setup.h"
#include "mooring/line_tables.h"
#include "support/checks.h"
#include "support/console_capture.h"

namespace qv {
namespace {

using testing_support::ConsoleCapture;
using testing_support::IsClose;
using testing_support::LineModelTest;
using testing_support::stopStatus;

constexpr float kHalfPi = 1.5707964f;
const std::string kAbortQuestion = "\a\n Enter \"A\" to abort or Press <RETURN> to continue: ";

// Reference values: tests/mooring/reference_values.py, sections "fairlead" and "spread_system":
// the spread line (L = 3000 ft, w = 0.1 kip/ft, a1 = 1e-5 /kip, 300 ft from anchor to fairlead)
// by the textbook elastic catenary with seabed contact (Irvine's equations, as MoorPy's catenary()
// solves them), and a body moored by four such lines summed line by line (as MoorPy's System with
// one Body does); MoorPy itself is not at hand.

// ---- LOADUP ----

struct LineState {
  float totalSpan = -1, fraction = -1, H = -1, T = -1, Fz = -1, topAngle = -1, bottomAngle = -1, grounded = -1;
  std::int32_t interval = -1, layer = -1;
};

// LOADUP on the LINCOM tables of line type 1 with the data set's layers, as the mooring force calls it.
LineState readTables(float separation, float dz) {
  const Lincom& lc = LINCOM;
  const Morcom& m = TPCM.moor;
  const std::array<float, 150> guesses = [] {
    std::array<float, 150> g{};
    g.fill(30.0f);
    return g;
  }();
  LineState s;
  LOADUP({.separation = separation, .dz = dz, .fairleadHeight = m.RFLD(3, 1), .referenceHeight = TPCM.TDRAFT,
          .type = 1, .NLYR = m.NLAYER, .spacing = lc.DLAYER, .zeroLayer = lc.MIDLYR, .span = m.ZSPAN,
          .NTAB = TPCM.NUMTAB, .HLOD = lc.HLOD.data(), .typeHeight = m.ANCHGT.data(), .tensionGuess = guesses.data(),
          .SEPVES = lc.SEPVES.data(), .TOPTEN = lc.TOPTEN.data(), .BOTLEN = lc.BOTLEN.data(),
          .TOPANG = lc.TOPANG.data(), .BOTANG = lc.BOTANG.data(), .TT_SPLINE_DERIV = lc.TT_SPLINE_DERIV.data(),
          .layerAbscissae = layerAbscissae(), .unit = kScreenUnit, .inUnit = kKeyboardUnit,
          .out = {.totalSpan = s.totalSpan, .interval = s.interval, .fraction = s.fraction, .H = s.H,
                  .topTension = s.T, .Fz = s.Fz, .topAngle = s.topAngle, .bottomAngle = s.bottomAngle,
                  .grounded = s.grounded, .layer = s.layer}});
  return s;
}

using LineTableReader = LineModelTest;

TEST_F(LineTableReader, TablePointsReadBackExactly) {
  // One layer, then three over 40 ft (the middle layer at the fairlead's own height): at a table
  // separation the linear reads return the tabulated state itself, the bicubic spline of the
  // fairlead tension its knot value.
  for (std::int32_t layers : {1, 3}) {
    defineSpread(1);
    TPCM.moor.NLAYER = layers;
    TPCM.moor.ZSPAN = 40.0f;
    setUpLineTables();
    const Lincom& lc = LINCOM;
    const std::int32_t mid = lc.MIDLYR;
    for (int point : {2, 45, 89}) {
      const LineState s = readTables(lc.SEPVES(point, mid, 1), 0.0f);
      EXPECT_EQ(s.layer, mid) << layers;
      EXPECT_EQ(s.fraction, 0.0f) << layers;
      EXPECT_EQ(s.totalSpan, 300.0f);
      EXPECT_EQ(s.H, lc.HLOD(point)) << layers << " " << point;
      EXPECT_EQ(s.topAngle, lc.TOPANG(point, mid, 1)) << layers << " " << point;
      EXPECT_EQ(s.grounded, lc.BOTLEN(point, mid, 1)) << layers << " " << point;
      EXPECT_EQ(s.bottomAngle, lc.BOTANG(point, mid, 1)) << layers << " " << point;
      EXPECT_TRUE(IsClose(s.T, lc.TOPTEN(point, mid, 1), layers == 1 ? 0.0 : 1e-6)) << layers << " " << point;
      EXPECT_EQ(s.Fz, -s.H * std::tan(s.topAngle));
    }
  }
}

TEST_F(LineTableReader, BetweenPointsAgreesWithTheCatenary) {
  // Reference (section "fairlead"): at 2900 ft H = 49.35798433, V = 62.11616110, T = 79.33869224,
  // top angle 0.8993519883, grounded 2380.012536; at 2950 ft H = 184.46892398, V = 109.28186491,
  // T = 214.40921135, top angle 0.5348224525, grounded 1910.699508. Within 0.5 %, with one layer
  // and, at the middle of three, through the bicubic spline.
  struct Case {
    float separation;
    double H, V, T, angle, grounded;
  };
  const Case cases[] = {
      {2900.0f, 49.35798433, 62.11616110, 79.33869224, 0.8993519883, 2380.012536},
      {2950.0f, 184.46892398, 109.28186491, 214.40921135, 0.5348224525, 1910.699508},
  };
  for (std::int32_t layers : {1, 3}) {
    defineSpread(1);
    TPCM.moor.NLAYER = layers;
    TPCM.moor.ZSPAN = 40.0f;
    setUpLineTables();
    for (const Case& c : cases) {
      const LineState s = readTables(c.separation, 0.0f);
      EXPECT_TRUE(IsClose(s.H, c.H, 0.005)) << layers << " " << c.separation;
      EXPECT_TRUE(IsClose(-s.Fz, c.V, 0.005)) << layers << " " << c.separation;
      EXPECT_TRUE(IsClose(s.T, c.T, 0.005)) << layers << " " << c.separation;
      EXPECT_TRUE(IsClose(s.topAngle, c.angle, 0.005)) << layers << " " << c.separation;
      EXPECT_TRUE(IsClose(s.grounded, c.grounded, 0.005)) << layers << " " << c.separation;
    }
  }
}

TEST_F(LineTableReader, LineWithoutHorizontalForceHangsVertically) {
  // Far below the table the extrapolated horizontal force is negative: the line hangs from its
  // fairlead 300 ft down, lifted off the seabed where its tension vanishes: 5e-5 T^2 + 10 T = 300
  // (the stretched hanging length of T / w of line), T = (sqrt(100.06) - 10) / 1e-4 = 29.99550...,
  // grounded 3000 - 10 T.
  defineSpread(1);
  setUpLineTables();
  const LineState s = readTables(100.0f, 0.0f);
  const double T = (std::sqrt(100.06) - 10.0) / 1e-4;
  EXPECT_EQ(s.H, 0.0f);
  EXPECT_TRUE(IsClose(s.T, T, 1e-5));
  EXPECT_TRUE(IsClose(s.Fz, -T, 1e-5));
  EXPECT_EQ(s.topAngle, kHalfPi);
  EXPECT_EQ(s.bottomAngle, 0.0f);
  EXPECT_TRUE(IsClose(s.grounded, 3000.0 - 10.0 * T, 1e-6));
}

TEST_F(LineTableReader, GroundedLengthAndBottomAngleAroundTheTouchdown) {
  // Tables made by hand, five points, one layer: separations 10..50 ft at tensions 0.001..4.001;
  // the grounded length reaches 0 between points 2 and 3 (a) or 3 and 4 (b).
  defineSpread(1);
  Lincom& lc = LINCOM;
  TPCM.NUMTAB = 5;
  const float grounded[2][5] = {{30, 10, 0, 0, 0}, {30, 20, 10, 0, 0}};
  const float bottom[5] = {-0.2f, -0.1f, 0.1f, 0.3f, 0.5f};
  struct Case {
    int table;
    float separation;
    float grounded, bottomAngle, H;
  };
  const Case cases[] = {
      {0, 15.0f, 20.0f, -0.15f, 0.501f},  // first interval: as they come, negative or not
      {0, 25.0f, 5.0f, 0.0f, 1.501f},     // touchdown ahead: interval 2
      {0, 35.0f, 0.0f, 0.2f, 2.501f},     // just past it: length from interval 2 (-5, raised to 0), angle from 4
      {0, 45.0f, -0.0f, 0.4f, 3.501f},    // past, points 3 and 4 both lifted: interval 4
      {1, 45.0f, 0.0f, 0.4f, 3.501f},     // just past at the table's end: angle stays in interval 4
      {0, 10.0f, 30.0f, -0.2f, 0.001f},   // 0.001 exactly is still a catenary
  };
  for (const Case& c : cases) {
    for (int i = 1; i <= 5; ++i) {
      lc.HLOD(i) = static_cast<float>(i - 1) + 0.001f;
      lc.SEPVES(i, 1, 1) = 10.0f * static_cast<float>(i);
      lc.BOTLEN(i, 1, 1) = grounded[c.table][i - 1];
      lc.BOTANG(i, 1, 1) = bottom[i - 1];
      lc.TOPANG(i, 1, 1) = 0.5f;
      lc.TOPTEN(i, 1, 1) = 2.0f * lc.HLOD(i);
    }
    const LineState s = readTables(c.separation, 0.0f);
    EXPECT_TRUE(IsClose(s.grounded, c.grounded, 0, 1e-5)) << c.table << " " << c.separation;
    EXPECT_TRUE(IsClose(s.bottomAngle, c.bottomAngle, 0, 1e-6)) << c.table << " " << c.separation;
    EXPECT_TRUE(IsClose(s.H, c.H, 0, 1e-6)) << c.separation;
    EXPECT_TRUE(IsClose(s.T, 2.0 * c.H, 0, 1e-5)) << c.separation;
  }
}

TEST(Varupd, DisplacementUnpacked) {
  struct Case {
    std::array<float, 6> D;
    std::array<float, 3> axis;
    float amount;
  };
  const Case cases[] = {
      {{1, 2, 3, 0, 0, 0}, {1, 0, 0}, 0.0f},                          // no rotation: the x axis
      {{0, 0, 0, 0, 0, 0.1f}, {0, 0, 1}, 0.1f * 57.2957764f},          // yaw of 0.1 rad
      {{0, 0, 0, 0.03f, -0.04f, 0}, {0.6f, -0.8f, 0}, 0.05f * 57.2957764f},
  };
  for (const Case& c : cases) {
    float XY[2] = {-1, -1}, ZV = -1, out = -1, DIR[3] = {-1, -1, -1}, AMT = -1, SCALE = -1;
    VARUPD(c.D.data(), XY, ZV, out, 7.5f, DIR, AMT, SCALE);
    EXPECT_EQ(XY[0], c.D[0]);
    EXPECT_EQ(XY[1], c.D[1]);
    EXPECT_EQ(ZV, c.D[2]);
    EXPECT_EQ(out, 7.5f);
    EXPECT_EQ(SCALE, 1.0f);
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(IsClose(DIR[i], c.axis[i], 0, 1e-6)) << i;
    EXPECT_TRUE(IsClose(AMT, c.amount, 1e-6));
  }
}

// ---- FMOOR2 ----

// One call of the mooring force over the four spread lines: the inputs as the test sets them, the
// outputs kept.
struct MooringForce {
  // In.
  float translation[2] = {0, 0};
  float gamma = 0, heading = 0, verticalTranslation = 0;
  float axis[3] = {0, 0, 1};
  float amount = 0, axisFactor = 1;
  std::int32_t frameMode = 0, mode1Flag = 0, belowOnly = 0, option = 2;
  float A[9] = {1, 0, 0, 0, 1, 0, 0, 0, 1};
  float B[9] = {1, 0, 0, 0, 1, 0, 0, 0, 1};
  float c[3] = {0, 0, 0};
  float centre[3] = {0, 0, 20};
  float reference[3] = {0, 0, 20};
  std::array<float, 150> azimuth{}, rest{}, guess{};
  // In and out.
  float M[9] = {9, 9, 9, 9, 9, 9, 9, 9, 9};
  std::int32_t latch = 0;
  // Out.
  float angles[3] = {};
  float forceG[3] = {}, momentG[3] = {}, forceV[3] = {}, momentV[3] = {};
  float energy = 0;
  float R1[9] = {}, R2[9] = {};
  std::int32_t lastOutside = 0;
  std::array<float, 150> newAzimuth{}, H{}, Fz{}, T{}, topAngle{}, grounded{}, bottomAngle{}, lineEnergy{},
      newDistance{}, dz{};

  MooringForce() {
    for (int line = 1; line <= 4; ++line) {
      azimuth[line - 1] = 90.0f * static_cast<float>(line - 1);  // towards the anchor, outward
      rest[line - 1] = 2928.9f;
    }
    guess.fill(30.0f);
  }

  void run() {
    const Lincom& lc = LINCOM;
    const Morcom& m = TPCM.moor;
    FMOOR2({.translation = translation, .gamma = gamma, .heading = heading, .HLOD = lc.HLOD.data(),
            .azimuth = azimuth.data(), .verticalTranslation = verticalTranslation, .axis = axis, .amount = amount,
            .axisFactor = axisFactor, .zeroLayer = lc.MIDLYR, .spacing = lc.DLAYER, .NLYR = m.NLAYER,
            .span = m.ZSPAN, .frameMode = frameMode, .A = A, .B = B, .mode1Flag = mode1Flag, .c = c,
            .SEPVES = lc.SEPVES.data(), .TOPTEN = lc.TOPTEN.data(), .BOTLEN = lc.BOTLEN.data(),
            .TOPANG = lc.TOPANG.data(), .BOTANG = lc.BOTANG.data(), .TT_SPLINE_DERIV = lc.TT_SPLINE_DERIV.data(),
            .layerAbscissae = layerAbscissae(), .restDistance = rest.data(), .fairlead = &m.RFLD(1, 1),
            .lineCode = lc.LINEID.data(), .firstLine = 1, .lastLine = 4, .NTAB = TPCM.NUMTAB,
            .referenceX = reference[0], .referenceY = reference[1], .referenceZ = reference[2],
            .tensionGuess = guess.data(), .typeHeight = m.ANCHGT.data(), .centreX = centre[0],
            .centreY = centre[1], .centreZ = centre[2], .unit = kScreenUnit, .inUnit = kKeyboardUnit,
            .option = option, .referenceHeight = TPCM.TDRAFT, .belowOnly = belowOnly,
            .out = {.angle1 = angles[0], .angle2 = angles[1], .angle3 = angles[2], .forceXG = forceG[0],
                    .forceYG = forceG[1], .forceZG = forceG[2], .momentXG = momentG[0], .momentYG = momentG[1],
                    .momentZG = momentG[2], .forceXV = forceV[0], .forceYV = forceV[1], .forceZV = forceV[2],
                    .momentXV = momentV[0], .momentYV = momentV[1], .momentZV = momentV[2], .energy = energy,
                    .newAzimuth = newAzimuth.data(), .M = M, .latch = latch, .lastOutside = lastOutside,
                    .lineH = H.data(), .lineFz = Fz.data(), .lineTension = T.data(),
                    .lineTopAngle = topAngle.data(), .lineGrounded = grounded.data(),
                    .lineBottomAngle = bottomAngle.data(), .lineEnergy = lineEnergy.data(),
                    .newDistance = newDistance.data(), .lineDz = dz.data(), .R1 = R1, .R2 = R2}});
  }
};

class MooringForceTest : public LineModelTest {
 protected:
  // The four spread lines with `layers` depth layers over 40 ft.
  static void spread(std::int32_t layers) {
    defineSpread(4);
    TPCM.moor.NLAYER = layers;
    TPCM.moor.ZSPAN = 40.0f;
    setUpLineTables();
  }
};

TEST_F(MooringForceTest, SurgeOfASymmetricSpread) {
  // Reference (section "spread_system"): at rest the horizontal pulls cancel and the lines pull the
  // body down by 332.068508 kip. Surge 10, 20, 40 ft: the force and the work done against the
  // restoring force, its trapezoid integral over the offset (161 points), against the change of the
  // line energy.
  spread(1);
  MooringForce rest;
  rest.run();
  EXPECT_TRUE(IsClose(rest.forceG[0], 0.0, 0, 1e-3));
  EXPECT_TRUE(IsClose(rest.forceG[1], 0.0, 0, 1e-3));
  EXPECT_TRUE(IsClose(rest.forceG[2], -332.068508, 0.01));
  EXPECT_EQ(rest.angles[0], 0.0f);
  EXPECT_EQ(rest.angles[1], 0.0f);
  EXPECT_EQ(rest.angles[2], 0.0f);
  for (int line = 1; line <= 4; ++line) {
    EXPECT_EQ(rest.newDistance[line - 1], 2928.9f);
    EXPECT_EQ(rest.dz[line - 1], 0.0f);
  }
  struct Case {
    float surge;
    double Fx, Fz, work;
  };
  const Case cases[] = {
      {10.0f, -55.740085, -334.281614, 275.584028},
      {20.0f, -119.139567, -341.028169, 1140.234090},
      {40.0f, -303.378696, -368.909160, 5197.545024},
  };
  for (const Case& c : cases) {
    MooringForce moved;
    moved.translation[0] = c.surge;
    moved.run();
    EXPECT_TRUE(IsClose(moved.forceG[0], c.Fx, 0.01)) << c.surge;
    EXPECT_TRUE(IsClose(moved.forceG[1], 0.0, 0, 1e-3)) << c.surge;
    EXPECT_TRUE(IsClose(moved.forceG[2], c.Fz, 0.01)) << c.surge;
    EXPECT_TRUE(IsClose(moved.forceV[0], c.Fx, 0.01)) << c.surge;  // no rotation: the same in vessel axes
    EXPECT_TRUE(IsClose(moved.energy - rest.energy, c.work, 0.01)) << c.surge;
    EXPECT_EQ(moved.newDistance[0], 2928.9f - c.surge);  // line 1 points along the surge
  }
}

TEST_F(MooringForceTest, HeaveReadsBetweenTheLayers) {
  // Three layers over 40 ft; the body rises 10 ft, half way between the middle and the top layer:
  // the lines pull down by 352.547392 kip, and the work done against that pull over the rise (the
  // trapezoid integral over 41 points) is 3422.685710 kip ft.
  spread(3);
  MooringForce rest;
  rest.run();
  MooringForce raised;
  raised.verticalTranslation = 10.0f;
  raised.run();
  EXPECT_TRUE(IsClose(raised.forceG[2], -352.547392, 0.01));
  EXPECT_TRUE(IsClose(raised.energy - rest.energy, 3422.685710, 0.01));
  EXPECT_EQ(raised.dz[0], 10.0f);
  EXPECT_EQ(raised.lastOutside, 0);
  EXPECT_EQ(raised.latch, 0);
}

TEST_F(MooringForceTest, YawMovesEveryFairleadOnItsCircle) {
  // A rotation of 2 deg about the vertical: angles (0, 0, psi); each fairlead, 50 ft from the
  // centre, moves on its circle, so its anchor (50 + 2928.9 ft out on the line's azimuth) lies
  // sqrt(a^2 + 50^2 - 2 a 50 cos psi) away, a = 2978.9 ft. The pulls stay balanced and turn the
  // body back by -710.584973 kip ft (reference, section "spread_system").
  spread(1);
  MooringForce yawed;
  yawed.amount = 2.0f;
  yawed.run();
  const double psi = 2.0 / 57.2957764;
  EXPECT_TRUE(IsClose(yawed.angles[0], 0.0, 0, 1e-7));
  EXPECT_TRUE(IsClose(yawed.angles[1], 0.0, 0, 1e-7));
  EXPECT_TRUE(IsClose(yawed.angles[2], psi, 1e-6));
  const double a = 50.0 + 2928.9;
  const double distance = std::sqrt(a * a + 2500.0 - 2.0 * a * 50.0 * std::cos(psi));
  for (int line = 1; line <= 4; ++line) {
    const double azimuth = 90.0 * (line - 1);
    // The anchor seen from the turned fairlead: a e(azimuth) - 50 e(azimuth + psi).
    const double ax = a * std::cos(azimuth / 57.2957795) - 50.0 * std::cos(azimuth / 57.2957795 + psi);
    const double ay = a * std::sin(azimuth / 57.2957795) - 50.0 * std::sin(azimuth / 57.2957795 + psi);
    EXPECT_TRUE(IsClose(yawed.newDistance[line - 1], distance, 0, 1e-3)) << line;
    const double expected = std::atan2(ay, ax) * 57.2957795;
    EXPECT_TRUE(IsClose(std::remainder(yawed.newAzimuth[line - 1] - expected, 360.0), 0.0, 0, 1e-4)) << line;
  }
  EXPECT_TRUE(IsClose(yawed.forceG[0], 0.0, 0, 1e-3));
  EXPECT_TRUE(IsClose(yawed.forceG[1], 0.0, 0, 1e-3));
  EXPECT_TRUE(IsClose(yawed.momentV[2], -710.584973, 0.01));
  EXPECT_TRUE(IsClose(yawed.momentG[2], -710.584973, 0.01));
  // R1 turns the vertical axis onto itself; R2 turns by psi about it.
  EXPECT_EQ(yawed.R1[0], 1.0f);
  EXPECT_TRUE(IsClose(yawed.R2[1], std::sin(psi), 1e-6));  // (2, 1)
}

TEST_F(MooringForceTest, FrameModes) {
  // Mode 1 with A = I and c = (10, 0, 0) moves the fairleads as a surge of 10 ft does; with its flag
  // and B a quarter turn about z, B (A (B^T p + c)) moves them by B c = (0, 10, 0): a sway, whose
  // vessel-axis force B A^T B^T Fv = Fv. Mode 2 adds c to the displacement and c x F to the global
  // moment. Mode 3 clears its matrix and adds Fv r^T - (Fv . r) I per line, r the fairlead from the
  // centre: at rest, with every line pulling H outward from 50 ft, that is -100 H and -200 H on the
  // diagonal and nothing off it.
  spread(1);
  MooringForce surge;
  surge.translation[0] = 10.0f;
  surge.run();

  MooringForce mode1;
  mode1.frameMode = 1;
  mode1.c[0] = 10.0f;
  mode1.run();
  EXPECT_TRUE(IsClose(mode1.forceG[0], surge.forceG[0], 1e-5));
  EXPECT_TRUE(IsClose(mode1.forceV[0], surge.forceV[0], 1e-5));

  MooringForce sway;
  sway.frameMode = 1;
  sway.mode1Flag = 1;
  const float quarterTurn[9] = {0, 1, 0, -1, 0, 0, 0, 0, 1};  // by columns: x -> y, y -> -x
  std::copy(quarterTurn, quarterTurn + 9, sway.B);
  sway.c[0] = 10.0f;
  sway.run();
  EXPECT_TRUE(IsClose(sway.forceG[1], surge.forceG[0], 1e-4));
  EXPECT_TRUE(IsClose(sway.forceG[0], 0.0, 0, 1e-3));
  EXPECT_TRUE(IsClose(sway.forceV[1], surge.forceG[0], 1e-4));

  MooringForce mode2;
  mode2.frameMode = 2;
  mode2.c[0] = 10.0f;
  mode2.run();
  EXPECT_TRUE(IsClose(mode2.forceG[0], surge.forceG[0], 1e-5));
  // (c x F)_y = c_z F_x - c_x F_z
  EXPECT_TRUE(IsClose(mode2.momentG[1], surge.momentG[1] - 10.0 * surge.forceG[2], 1e-4));

  MooringForce mode3;
  mode3.frameMode = 3;
  mode3.run();
  const double H = mode3.H[0];
  EXPECT_TRUE(IsClose(mode3.M[0], -100.0 * H, 1e-5));
  EXPECT_TRUE(IsClose(mode3.M[4], -100.0 * H, 1e-5));
  EXPECT_TRUE(IsClose(mode3.M[8], -200.0 * H, 1e-5));
  for (int offDiagonal : {1, 2, 3, 5, 6, 7}) EXPECT_TRUE(IsClose(mode3.M[offDiagonal], 0.0, 0, 1e-2)) << offDiagonal;
}

TEST_F(MooringForceTest, DynamicLinesContributeNothing) {
  spread(1);
  LINCOM.LINEID(2) = 1024 + 1;
  MooringForce f;
  f.H[1] = f.Fz[1] = f.lineEnergy[1] = 5.0f;
  f.run();
  EXPECT_EQ(f.H[1], 0.0f);
  EXPECT_EQ(f.Fz[1], 0.0f);
  EXPECT_EQ(f.lineEnergy[1], 0.0f);
  EXPECT_EQ(f.newDistance[1], 2928.9f);
  EXPECT_EQ(f.newAzimuth[1], 90.0f);
  EXPECT_TRUE(IsClose(f.forceG[1], -f.H[3], 1e-5));  // line 4 pulls towards -y, unopposed
  EXPECT_TRUE(IsClose(f.forceG[0], 0.0, 0, 1e-3));
}

TEST_F(MooringForceTest, FairleadsCarriedOutOfTheLayersWarnOnce) {
  // Three layers over 40 ft: the span runs 20 ft below and above the fairleads. A heave of 25 ft
  // carries them all above; a pitch of 30 deg about y carries line 1 (x = 50 ft) 25 ft down and
  // line 3 25 ft up; both together are the third form. The warning names the first line found
  // outside; the last one found is recorded. A reply of "A" stops the run.
  spread(3);
  struct Case {
    const char* what;
    float heave, pitch;
    std::int32_t belowOnly;
    const char* reply;
    std::string warning;
    std::int32_t lastOutside;
  };
  const std::string closing =
      "     the bounds of the specified vertical interpolation span.\n"
      "     This may lead to interpolation errors. Consider increasing\n"
      "     the vertical interpolation span.\n\n";
  const Case cases[] = {
      {"heave", 25.0f, 0.0f, 0, "\n",
       "\n ++> Warning: A vertical translation of amount    25.00 has carried\n"
       "     fairlead number  1 outside the bounds of the specified vertical\n"
       "     interpolation span. This may lead to interpolation errors.\n"
       "     Consider increasing the vertical interpolation span.\n\n" +
           kAbortQuestion,
       4},
      {"pitch", 0.0f, 30.0f, 0, "\n",
       "\n ++> Warning: A rotation of amount  30.0 degrees about direction\n"
       "     ( 0.0, 2.0, 0.0) has carried fairlead number  1 outside \n" +
           closing + kAbortQuestion,
       3},
      {"both", 2.0f, 30.0f, 0, "\n",
       "\n ++> Warning: A vertical translation of amount     2.00\n"
       "     plus a rotation of amount  30.0 degrees about direction\n"
       "     ( 0.0, 2.0, 0.0) has carried fairlead number  1 outside \n" +
           closing + kAbortQuestion,
       3},
      {"above, with the flag", 25.0f, 0.0f, 1, "", "", 4},
  };
  for (const Case& c : cases) {
    MooringForce f;
    f.verticalTranslation = c.heave;
    f.amount = c.pitch;
    f.axis[0] = 0.0f;
    f.axis[1] = c.pitch != 0.0f ? 1.0f : 0.0f;
    f.axis[2] = c.pitch != 0.0f ? 0.0f : 1.0f;
    f.axisFactor = 2.0f;
    f.belowOnly = c.belowOnly;
    ConsoleCapture console(c.reply);
    f.run();
    EXPECT_EQ(console.screen(), c.warning) << c.what;
    EXPECT_EQ(f.latch, 99) << c.what;
    EXPECT_EQ(f.lastOutside, c.lastOutside) << c.what;
    // Once latched, the next call says nothing.
    ConsoleCapture again;
    f.run();
    EXPECT_EQ(again.screen(), "") << c.what;
  }

  MooringForce aborted;
  aborted.verticalTranslation = -25.0f;
  ConsoleCapture console("A\n");
  EXPECT_EQ(stopStatus([&] { aborted.run(); }), kExitFatal);
}

}  // namespace
}  // namespace qv
