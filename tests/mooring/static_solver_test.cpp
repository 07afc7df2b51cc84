#include "mooring/static_solver.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "line_fixture.h"
#include "support/checks.h"
#include "support/console_capture.h"
#include "support/temp_dir.h"
#include "util/files.h"

namespace qv {
namespace {

using testing_support::ConsoleCapture;
using testing_support::countLines;
using testing_support::IsClose;
using testing_support::LineElement;
using testing_support::LineModelTest;
using testing_support::stopStatus;
using testing_support::TempDir;

using StaticSolver = LineModelTest;

// Reference values: tests/mooring/reference_values.py, an independent solution that integrates each
// element numerically (scipy quad) along its unstretched length and finds the fairlead slope with
// brentq. The slope is solved to 1e-5 (RTMI1's tolerance), so slopes are compared within 2e-5 and
// lengths within 0.05 ft.

TEST_F(StaticSolver, OneElementGroundedAndSuspended) {
  // L = 3000 ft (or 400 ft), w = 0.1 kip/ft, a1 = 1e-5 /kip, H = 100 kip, 300 ft fairlead height.
  // Cross-check with the textbook elastic catenary (the inverse problem of MoorPy's catenary(),
  // written with scipy fsolve from the equations of Irvine): at XF = 2928.89493 ft, ZF = 300 ft,
  // L = 3000 ft, EA = 1e5 kip, w = 0.1 kip/ft it returns H = 99.999997 kip; at XF = 264.72109 ft with
  // L = 400 ft, H = 99.99989 kip: within 1e-4 of the 100 kip solved for here.
  struct Case {
    float length;
    double slope, grounded, span;
  };
  const Case cases[] = {
      {3000.0f, 0.8301230530156877, 2172.0468239312963, 2928.8949310983435},
      {400.0f, 1.33984857093897, 0.0, 264.7210925887671},
  };
  for (const Case& c : cases) {
    defineLine(1, {{c.length, 0.1f, 0.12f, 1e-5f, 0, 0}});
    prepare(1, 100.0, 300.0f);
    float tlo = 0.1f, thi = 3.0f;
    ITER8P(tlo, thi);
    EXPECT_TRUE(IsClose(LINCOM.TMPTAN(1), c.slope, 0, 2e-5)) << c.length;
    EXPECT_TRUE(IsClose(LINCOM.BOTLN, c.grounded, 0, 0.05)) << c.length;
    EXPECT_TRUE(IsClose(span(1), c.span, 0, 0.05)) << c.length;
    EXPECT_EQ(thi, static_cast<float>(LINCOM.TMPTAN(1)));  // the bracket comes back as (root / 4, root)
    EXPECT_EQ(tlo, thi * 0.25f);
    EXPECT_EQ(LINCOM.SECARR(2), std::sqrt(1 + LINCOM.TMPTAN(2) * LINCOM.TMPTAN(2)));
  }
}

TEST_F(StaticSolver, ThreeElementLineWithSeabedContact) {
  // Chain 100 ft, fibre rope 800 ft with a cubic strain law, chain 1500 ft; 500 ft fairlead height.
  struct Case {
    double H, slope, grounded, span;
    double nodeSlopes[3];  // nodes 2 to 4; node 4 rests on the seabed
  };
  const Case cases[] = {
      {50.0, 0.932156651375, 1294.568635, 2267.534083, {0.7321566514, 0.4121566514, 0.0}},
      {150.0, 0.577240832237, 895.4799598, 2306.424746, {0.5105741656, 0.4039074989, 0.0}},
      {300.0, 0.435023548341, 456.294143, 2334.218064, {0.4016902150, 0.3483568817, 0.0}},
  };
  defineLine(2, {{100.0f, 0.1f, 0.115f, 1e-5f, 0, 0},
                 {800.0f, 0.02f, 0.08f, 4e-5f, -5e-8f, 1e-10f},
                 {1500.0f, 0.1f, 0.115f, 1e-5f, 0, 0}});
  for (const Case& c : cases) {
    prepare(2, c.H, 500.0f);
    float tlo = 0.2f, thi = 2.0f;
    ITER8P(tlo, thi);
    EXPECT_TRUE(IsClose(LINCOM.TMPTAN(1), c.slope, 0, 2e-5)) << c.H;
    for (int k = 2; k <= 4; ++k) EXPECT_TRUE(IsClose(LINCOM.TMPTAN(k), c.nodeSlopes[k - 2], 0, 2e-5)) << c.H;
    EXPECT_TRUE(IsClose(LINCOM.BOTLN, c.grounded, 0, 0.05)) << c.H;
    EXPECT_TRUE(IsClose(span(2), c.span, 0, 0.05)) << c.H;
  }
}

TEST_F(StaticSolver, WithoutAnAnchorTypeNothingIsGrounded) {
  // The same line at 150 kip with anchor type 0 sags below its lower end: the last node's slope is
  // negative (the line rises into the anchor) and BOTLN stays 0.
  defineLine(2,
             {{100.0f, 0.1f, 0.115f, 1e-5f, 0, 0},
              {800.0f, 0.02f, 0.08f, 4e-5f, -5e-8f, 1e-10f},
              {1500.0f, 0.1f, 0.115f, 1e-5f, 0, 0}},
             0);
  prepare(2, 150.0, 500.0f);
  float tlo = 0.2f, thi = 2.0f;
  ITER8P(tlo, thi);
  EXPECT_TRUE(IsClose(LINCOM.TMPTAN(1), 0.702690955514, 0, 2e-5));
  EXPECT_TRUE(IsClose(LINCOM.TMPTAN(4), -0.4706423778, 0, 2e-5));
  EXPECT_EQ(LINCOM.BOTLN, 0.0);
  EXPECT_TRUE(IsClose(span(2), 2223.951526, 0, 0.05));
}

TEST_F(StaticSolver, PullDownLowersTheRequiredHeight) {
  // Four lines on a buoy of 500 ft^2 waterplane in water of 64 lb/ft^3, tabulated fairlead tension
  // 80 kip: the required height is 300 - 1000 * 4 (100 p - 80) / (500 * 64) ft
  // (reference_values.py: solve(..., target=lambda p: 300 - 1000*4*(100*p - 80)/(500*64))).
  defineLine(3, {{3000.0f, 0.1f, 0.12f, 1e-5f, 0, 0}});
  TPCM.moor.PULLDN = 1;
  TPCM.moor.NLINE(1) = 4;
  TPCM.TAWP = 500.0f;
  TPCM.DWATR = 64.0f;
  LINCOM.MIDLYR = 2;
  LINCOM.TOPTEN(1, 2, 3) = 80.0f;
  prepare(3, 100.0, 300.0f);
  float tlo = 0.1f, thi = 3.0f;
  ITER8P(tlo, thi);
  EXPECT_TRUE(IsClose(LINCOM.TMPTAN(1), 0.829545472929, 0, 2e-5));
  EXPECT_TRUE(IsClose(LINCOM.BOTLN, 2172.624982, 0, 0.05));
}

// The water-level search: a short wire, a strongly buoyant section and a chain to the seabed, at
// H = 60 kip; the water level is the fairlead's. Solved from the bracket -1 .. 1 with the given
// weights of the buoyant section (in water and in air) and fairlead height; the bracket as it
// comes back.
struct Bracket {
  float lower, upper;
};
Bracket solveBuoyedLine(float wet, float dry, float dz, std::int32_t waterLevelSearch = 1) {
  LineModelTest::defineLine(4, {{50.0f, 0.05f, 0.06f, 1e-5f, 0, 0},
                                {100.0f, wet, dry, 1e-5f, 0, 0},
                                {1500.0f, 0.1f, 0.115f, 1e-5f, 0, 0}});
  TPCM.moor.WLFLAG = waterLevelSearch;
  LineModelTest::prepare(4, 60.0, dz);
  Bracket b{-1.0f, 1.0f};
  ITER8P(b.lower, b.upper);
  return b;
}

TEST_F(StaticSolver, BuoyantElementRaisedAboveTheWaterIsWeighedDown) {
  // Buoyant -0.8 kip/ft, dry 0.1 kip/ft, 200 ft height: solved as given, the element's midpoint
  // lies 10.6 ft above the water. Reference: the effective weight w at which the midpoint depth is
  // 0 (brentq over w in [-0.8, 0.1]): w = -0.674577787156 kip/ft, q = w / 60, fairlead slope
  // -0.232292605768. RTMI2 stops within 0.001 ft of the water level, about 2e-7 in q.
  Bracket b = solveBuoyedLine(-0.8f, 0.1f, 200.0f);
  EXPECT_EQ(LINCOM.KELEM, 2);
  EXPECT_TRUE(IsClose(LINCOM.SCLWT(2), -0.0112429631193, 0, 2e-6));
  EXPECT_TRUE(IsClose(LINCOM.TMPTAN(1), -0.232292605768, 0, 2e-4));
  EXPECT_EQ(b.lower, -1.0f);  // settled inside the search: the caller's bracket is unchanged
  EXPECT_EQ(b.upper, 1.0f);

  // Without the search the same line is one plain solve (reference: slope -0.4060385769965729).
  b = solveBuoyedLine(-0.8f, 0.1f, 200.0f, 0);
  EXPECT_EQ(LINCOM.SCLWT(2), -0.8f / 60.0);
  EXPECT_TRUE(IsClose(LINCOM.TMPTAN(1), -0.4060385769965729, 0, 2e-5));
  EXPECT_EQ(b.upper, static_cast<float>(LINCOM.TMPTAN(1)));
}

TEST_F(StaticSolver, BuoyantElementBelowTheWaterKeepsItsWeight) {
  // Buoyant -0.5 kip/ft at 250 ft height: the midpoint lies 24.5 ft below the water; one solve
  // inside WLERR stands (reference slope 0.1027326672, grounded 963.9384159 ft).
  const Bracket b = solveBuoyedLine(-0.5f, 0.1f, 250.0f);
  EXPECT_EQ(LINCOM.KELEM, 2);
  EXPECT_EQ(LINCOM.SCLWT(2), static_cast<float>(-0.5f / 60.0));  // handed through WLERR as a float
  EXPECT_TRUE(IsClose(LINCOM.TMPTAN(1), 0.1027326672, 0, 2e-5));
  EXPECT_TRUE(IsClose(LINCOM.BOTLN, 963.9384159, 0, 0.05));
  EXPECT_EQ(b.lower, -1.0f);
  EXPECT_EQ(b.upper, 1.0f);
  EXPECT_EQ(LOCITR.TOPT2C, static_cast<float>(LINCOM.TMPTAN(1)));  // the inner bracket narrowed
  EXPECT_EQ(LOCITR.TOPT1C, LOCITR.TOPT2C * 0.25f);
}

TEST_F(StaticSolver, ElementFloatingEvenAtItsDryWeightTakesIt) {
  // Buoyant -1.0 kip/ft with a "dry" weight of -0.6 kip/ft at 150 ft height: even at -0.6 the
  // midpoint floats 2.2 ft above the water, so the element takes that weight and the line is solved
  // plainly (reference slope -0.23061901394 with w = -0.6).
  const Bracket b = solveBuoyedLine(-1.0f, -0.6f, 150.0f);
  EXPECT_EQ(LINCOM.KELEM, 2);
  EXPECT_EQ(LINCOM.SCLWT(2), static_cast<float>(-0.6f / 60.0));
  EXPECT_TRUE(IsClose(LINCOM.TMPTAN(1), -0.23061901394, 0, 2e-5));
  EXPECT_EQ(b.upper, static_cast<float>(LINCOM.TMPTAN(1)));
  EXPECT_EQ(b.lower, b.upper * 0.25f);
}

TEST_F(StaticSolver, BracketWithoutTheRootIsWidened) {
  // Root 0.83; the bracket 0.1 .. 0.2 widens by 0.1, 0.2, 0.4 to -0.6 .. 0.9, then solves.
  defineLine(1, {{3000.0f, 0.1f, 0.12f, 1e-5f, 0, 0}});
  prepare(1, 100.0, 300.0f);
  TPCM.NBUG = 1;
  ConsoleCapture console;
  float tlo = 0.1f, thi = 0.2f;
  ITER8(tlo, thi, 1, 1, kScreenUnit);
  EXPECT_TRUE(IsClose(thi, 0.8301230530156877, 0, 2e-5));
  const std::string screen = console.screen();
  EXPECT_EQ(countLines(screen, "  ALEVER,TOPT1,TOPT2"), 4);
  EXPECT_EQ(countLines(screen, "  ++> RTMI ERROR #  2"), 3);
  EXPECT_EQ(countLines(screen, " LOOP DONE:ICOUNT,TOPT1,TOPT2,FUNC,TOPTAN"), 4);
  EXPECT_TRUE(testing_support::contains(screen, "  ALEVER,TOPT1,TOPT2\n  0.1000E+00  0.1000E+00  0.2000E+00\n"));
  EXPECT_TRUE(testing_support::contains(screen, "  ALEVER,TOPT1,TOPT2\n  0.8000E+00 -0.6000E+00  0.9000E+00\n"));
  EXPECT_TRUE(testing_support::contains(screen, " IN HTERR; ITYP, NELEM,TOPTAN,SCLWT(1),TMPTAN(1->NELEM+1),BOTLN\n"
                                                "    1    1"));
  EXPECT_TRUE(testing_support::contains(screen, "  IELEM,SECARR(IELEM)\n    1"));
  EXPECT_TRUE(testing_support::contains(screen, " ZDIST,DELTZP,DHTERR\n"));

  // Equal ends still widen: the first step is never 0.
  TPCM.NBUG = 0;
  tlo = thi = 0.0f;
  ITER8(tlo, thi, 1, 0, kScreenUnit);
  EXPECT_TRUE(IsClose(thi, 0.8301230530156877, 0, 2e-5));
}

TEST_F(StaticSolver, LineThatCannotSpanItsHeightStops) {
  // An inextensible 100 ft line cannot reach 300 ft at any slope: after 60 widenings the run stops.
  defineLine(7, {{100.0f, 0.1f, 0.12f, 0, 0, 0}}, 0);
  prepare(7, 100.0, 300.0f);
  const std::string message =
      "\n ++> Iteration overflow in ITER8P:ITER8; line type  7\n     Press <Return> to Continue...\n";
  {
    ConsoleCapture console("\nnext\n");
    float tlo = 0.1f, thi = 1.0f;
    EXPECT_EQ(stopStatus([&] { ITER8P(tlo, thi); }), kExitFatal);
    EXPECT_EQ(console.screen(), message);
    EXPECT_EQ(console.unread(), "next\n");  // one line read
  }
  {
    TempDir dir;
    RHOPEN("Diagnostics.stxt", kFormatted, kFresh, 0, kDiagnosticsUnit, "TEST", kScreenUnit, 0);
    TPCM.EDUNIT = kDiagnosticsUnit;
    ConsoleCapture console("next\n");
    float tlo = 0.1f, thi = 1.0f;
    EXPECT_EQ(stopStatus([&] { ITER8P(tlo, thi); }), kExitFatal);
    EXPECT_EQ(console.unread(), "next\n");  // an unattended run reads nothing
    closeAllUnits();
    EXPECT_EQ(testing_support::readFileText("Diagnostics.stxt"), message);
  }
}

}  // namespace
}  // namespace qv
