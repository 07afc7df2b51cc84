#include "mooring/line_driver.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "line_fixture.h"
#include "mooring/line_setup.h"
#include "support/checks.h"
#include "support/console_capture.h"
#include "util/sim_types.h"

namespace qv {
namespace {

using testing_support::ConsoleCapture;
using testing_support::contains;
using testing_support::IsClose;
using testing_support::LineModelTest;
using testing_support::stopStatus;

// Reference values: tests/mooring/reference_values.py, section "fairlead": the textbook elastic
// catenary with seabed contact and no friction (Irvine's equations, the computation MoorPy's
// catenary() makes; MoorPy itself is not at hand), for the spread line L = 3000 ft, w = 0.1 kip/ft,
// EA = 1 / a1 with a1 = 1e-5 as a 4-byte float, 300 ft from anchor up to fairlead. The line is
// solved for the vertical fairlead tension V at which it spans the height; the fairlead stiffness
// K = [[dH/dx, dH/dz], [dV/dx, dV/dz]] is the inverse of the Jacobian of the closed-form spans
// (x, z) over (H, V), taken by complex-step differentiation (exact to rounding).

class LineSetUp : public LineModelTest {};

TEST_F(LineSetUp, TablesHoldTheStaticLineAtEachTensionAndLayer) {
  // Five layers over 40 ft: the middle layer 3 is the undisplaced fairlead, layer 5 is 20 ft higher,
  // layer 1 20 ft lower. The table tensions run geometrically from 2 to 400 kip. Reference spans,
  // fairlead tensions and angles at the table tensions 1, 45 and 90 (Irvine); the grounded length
  // stretched at H, (L - V / w)(1 + H / EA). The solver settles the slope within 1e-5.
  defineSpread(1);
  TPCM.moor.NLAYER = 5;
  TPCM.moor.ZSPAN = 40.0f;
  setUpLineTables();
  const Lincom& lc = LINCOM;
  EXPECT_EQ(lc.MIDLYR, 3);
  EXPECT_EQ(lc.DLAYER, 10.0f);
  EXPECT_EQ(lc.LINEID(1), 1);
  EXPECT_TRUE(IsClose(lc.HLOD(1), 2.0, 1e-6));
  EXPECT_TRUE(IsClose(lc.HLOD(90), 400.0, 1e-6));
  for (int i = 2; i <= 90; ++i) EXPECT_TRUE(IsClose(lc.HLOD(i) / lc.HLOD(i - 1), std::pow(200.0, 1.0 / 89), 1e-6));
  struct Case {
    int point, layer;
    double span, tension, angle, grounded;
  };
  const Case cases[] = {
      {1, 3, 2750.028660, 31.99490163, 1.5082455861, 2680.730309},
      {45, 3, 2872.021315, 57.44204383, 1.0724700243, 2496.123541},
      {90, 3, 2973.932779, 429.87603298, 0.3750185778, 1431.109502},
      {45, 5, 2860.016604, 59.44087568, 1.0906784563, 2473.473708},
      {45, 1, 2883.770019, 55.44317205, 1.0527455408, 2519.008850},
  };
  for (const Case& c : cases) {
    EXPECT_TRUE(IsClose(lc.SEPVES(c.point, c.layer, 1), c.span, 0, 0.05)) << c.point << " " << c.layer;
    EXPECT_TRUE(IsClose(lc.TOPTEN(c.point, c.layer, 1), c.tension, 1e-5)) << c.point << " " << c.layer;
    EXPECT_TRUE(IsClose(lc.TOPANG(c.point, c.layer, 1), c.angle, 0, 2e-5)) << c.point << " " << c.layer;
    EXPECT_TRUE(IsClose(lc.BOTLEN(c.point, c.layer, 1), c.grounded, 0, 0.05)) << c.point << " " << c.layer;
    EXPECT_EQ(lc.BOTANG(c.point, c.layer, 1), 0.0f);  // the line reaches the seabed level
    EXPECT_EQ(lc.FFRICT(c.point, c.layer, 1), 0.0f);
  }
  // The fairlead tension is a smooth function of the layer: the splie2 derivatives are small and
  // those of the end layers 0 (natural spline).
  EXPECT_EQ(lc.TT_SPLINE_DERIV(45, 1, 1), 0.0f);
  EXPECT_EQ(lc.TT_SPLINE_DERIV(45, 5, 1), 0.0f);
  EXPECT_TRUE(std::fabs(lc.TT_SPLINE_DERIV(45, 3, 1)) < 0.01f);

  // The anchor separation at the pretension of 100 kip: linear interpolation between the exact
  // separations at the table tensions 66 and 67 around it gives 2928.877737 ft (2928.894931 ft
  // exactly). Matched on the fairlead tension of 129.96554 kip (LODTYP 2), where the tension runs
  // almost linearly with H between the two points, it comes out the same.
  EXPECT_TRUE(IsClose(lc.RANCK(1), 2928.877737, 0, 0.05));
  EXPECT_EQ(lc.ZANCK(1), 0.0f);
  TPCM.moor.LODTYP = 2;
  TPCM.moor.HTENS(1) = 129.9655448f;
  setUpLineTables();
  EXPECT_TRUE(IsClose(lc.RANCK(1), 2928.877737, 0, 0.05));
}

TEST_F(LineSetUp, LinesTakeTheTypeWhoseRecordNamesThem) {
  // Type 1 lists lines 3 and 1, type 2 lines 2 and 4; a type with no lines in use gets no table.
  defineSpread(4);
  defineLine(2, {{2000.0f, 0.08f, 0.09f, 2e-5f, 0, 0}, {1200.0f, 0.1f, 0.115f, 1e-5f, 0, 0}});
  Morcom& m = TPCM.moor;
  m.NTYP = 3;
  m.NLINE(1) = 2;
  m.LINTYP(1, 1) = 3;
  m.LINTYP(2, 1) = 1;
  m.NLINE(2) = 2;
  m.LINTYP(1, 2) = 2;
  m.LINTYP(2, 2) = 4;
  m.ANCHGT(2) = 300.0f;
  m.NLINE(3) = 0;
  setUpLineTables();
  const Lincom& lc = LINCOM;
  EXPECT_EQ(lc.LINEID(1), 1);
  EXPECT_EQ(lc.LINEID(2), 2);
  EXPECT_EQ(lc.LINEID(3), 1);
  EXPECT_EQ(lc.LINEID(4), 2);
  EXPECT_GT(lc.SEPVES(1, 1, 2), 0.0f);
  EXPECT_EQ(lc.SEPVES(1, 1, 3), 0.0f);
  EXPECT_GT(lc.RANCK(2), lc.SEPVES(1, 1, 2));
}

TEST_F(LineSetUp, DataTheTablesCannotBeBuiltFromAreRefused) {
  struct Case {
    const char* what;
    void (*change)();
    std::string message;
  };
  const Case cases[] = {
      {"table points", [] { TPCM.NUMTAB = 1; }, "1 table points (NUMTAB); 2 to 90 are allowed."},
      {"layers", [] { TPCM.moor.NLAYER = 30; }, "30 depth layers (NLAYER); 1 to 29 are allowed."},
      {"depth span",
       [] {
         TPCM.moor.NLAYER = 3;
         TPCM.moor.ZSPAN = 0.0f;
       },
       "the depth span ZSPAN = 0.00 of 3 layers; it must be above 0."},
      {"line named twice", [] { TPCM.moor.LINTYP(2, 1) = 1; }, "line 1 is named by line types 1 and 1."},
      {"line of no type", [] { TPCM.moor.NLINE(1) = 1; }, "line 2 belongs to no line type."},
      {"line beyond the lines", [] { TPCM.moor.LINTYP(2, 1) = 3; },
       "line type 1 names line 3; the lines are 1 to 2."},
      {"no pretension",
       [] {
         TPCM.moor.HTENS(1) = 0.0f;
         TPCM.moor.HTENS(2) = -5.0f;
       },
       "no line has a positive pretension (HTENS); the line tables are\n     scaled on it."},
  };
  for (const Case& c : cases) {
    LINCOM.reset();
    defineSpread(2);
    c.change();
    ConsoleCapture console("\n");
    EXPECT_EQ(stopStatus(setUpLineTables), kExitFatal) << c.what;
    EXPECT_EQ(console.screen(), "\n ++> Line set-up: " + c.message + "\n\n\n Press <RETURN> to continue: ") << c.what;
  }
  // A type in use with no element is the driver's message.
  defineSpread(2);
  TPCM.moor.NELEM(1) = 0;
  ConsoleCapture console("\n");
  EXPECT_EQ(stopStatus(setUpLineTables), kExitFatal);
  EXPECT_TRUE(contains(console.screen(), " ++> Line type   1:   0 elements; 1 to 25 are allowed.\n"));
}

// ---- The line driver ----

class LineDriver : public LineModelTest {
 protected:
  void solveSpread(int lines) {
    defineSpread(lines);
    setUpLineTables();
    LINDRV(LINCOM.RANCK.data(), LINCOM.ZANCK.data());
  }
};

TEST_F(LineDriver, GroundedLineAgainstTheElasticCatenary) {
  // At the pretension of 100 kip: V = 83.0123053 kip, T = 129.9655448 kip at the fairlead, 100 kip
  // at the touchdown, fairlead slope 0.830123053; grounded 2172.0468 ft stretched. Stiffness from K:
  // dT/dx = (H dH/dx + V dV/dx) / T = 2.68941160 kip/ft, dT/dz = 1.06942623 kip/ft, and the change
  // of the vertical pull of the line -V per unit H at the fairlead height -(dV/dx) / (dH/dx) =
  // -0.36050861. The driver's one-sided differences of 2^-7 H and 3 ft lie within 2 %.
  solveSpread(1);
  const Lincom& lc = LINCOM;
  const Catcom& cc = CATCOM;
  EXPECT_TRUE(IsClose(lc.HMEAN, 100.0, 1e-5));
  EXPECT_TRUE(IsClose(lc.TPTEN0, 129.9655448, 1e-4));
  EXPECT_TRUE(IsClose(lc.BTTEN0, 100.0, 1e-4));
  EXPECT_TRUE(IsClose(lc.QF, 0.830123053, 1e-4));
  EXPECT_EQ(lc.QB, 0.0f);
  EXPECT_TRUE(IsClose(lc.BOTLNM, 2172.0468, 0, 0.05));
  EXPECT_TRUE(IsClose(lc.FXCOMP, 100.0 / 129.9655448, 1e-4));
  EXPECT_TRUE(IsClose(lc.FZCOMP, 83.0123053 / 129.9655448, 1e-4));
  EXPECT_TRUE(IsClose(cc.DTFDXF(1), 2.68941160, 0.02));
  EXPECT_TRUE(IsClose(cc.DTFDZF(1), 1.06942623, 0.02));
  EXPECT_TRUE(IsClose(cc.DTZFDH(1), -0.36050861, 0.02));
  EXPECT_EQ(lc.DHFRAC, 0.0078125);
  EXPECT_EQ(lc.DZFRAC, 0.001f);
  EXPECT_EQ(lc.TOTLEN, 3000.0f);
  // The lower end does not move: it keeps its place under every perturbation; a fairlead rise
  // raises the fairlead node by itself.
  EXPECT_EQ(cc.DXSDZF(2, 1), 0.0f);
  EXPECT_EQ(cc.DXSDH(2, 1), 0.0f);
  EXPECT_EQ(cc.DZSDZF(1, 1), 1.0f);
  EXPECT_EQ(cc.TANARR(1, 1), lc.QF);
}

TEST_F(LineDriver, DynamicLinesAndEmptySpreadsAreLeftAlone) {
  defineSpread(2);
  setUpLineTables();
  LINCOM.LINEID(2) = 1024 + 1;  // a dynamic-line request: skipped, its columns kept
  CATCOM.TANARR(1, 2) = 7.0f;
  CATCOM.DTFDXF(2) = 7.0f;
  LINDRV(LINCOM.RANCK.data(), LINCOM.ZANCK.data());
  EXPECT_EQ(CATCOM.TANARR(1, 2), 7.0f);
  EXPECT_EQ(CATCOM.DTFDXF(2), 7.0f);
  EXPECT_TRUE(IsClose(CATCOM.DTFDXF(1), 2.68941160, 0.02));

  // No lines: only the perturbation sizes are set.
  LINCOM.reset();
  TPCM.moor.NLIN = 0;
  LINCOM.HMEAN = 5.0f;
  LINDRV(LINCOM.RANCK.data(), LINCOM.ZANCK.data());
  EXPECT_EQ(LINCOM.HMEAN, 5.0f);
  EXPECT_EQ(LINCOM.ITYP, 0);
  EXPECT_EQ(LINCOM.DHFRAC, 0.0078125);
  EXPECT_EQ(LINCOM.DZFRAC, 0.001f);
}

TEST_F(LineDriver, SeparationBelowTheTableIsSolvedAtTheFirstTension) {
  // 1000 ft lies far below the table (2750 ft at 2 kip): the extrapolated mean tension is negative,
  // so the line is solved at 2 kip, with a warning once per run.
  defineSpread(1);
  setUpLineTables();
  LINCOM.RANCK(1) = 1000.0f;
  ConsoleCapture console;
  LINDRV(LINCOM.RANCK.data(), LINCOM.ZANCK.data());
  EXPECT_EQ(console.screen(),
            "\n"
            " ++> Warning: Line   1: the anchor separation   1000.00 gives no positive mean\n"
            "     tension; the line is solved at the first table tension      2.00.\n");
  EXPECT_EQ(LINCOM.HMEAN, LINCOM.HLOD(1));
  EXPECT_EQ(LINCOM.DPHLD, LINCOM.HLOD(1));
  EXPECT_TRUE(IsClose(LINCOM.TPTEN0, 31.99490163, 1e-4));  // the table's first point
  const std::string once = console.screen();
  LINDRV(LINCOM.RANCK.data(), LINCOM.ZANCK.data());
  EXPECT_EQ(console.screen(), once);  // not again
}

TEST_F(LineDriver, LayeredTypesReadTheFairleadsLayer) {
  // Simulation type 14: a line 20 ft higher (ZANCK) lies in layer 5 of five over 40 ft; at the
  // separation of table point 45 there it carries that point's tension, the fairlead 320 ft above
  // the anchor (reference 59.44087568 kip at the fairlead). With one layer and ZANCK = 0 the type
  // reads the table exactly as any other type.
  defineSpread(1);
  TPCM.CREATR = kSimYobrix;
  TPCM.moor.NLAYER = 5;
  TPCM.moor.ZSPAN = 40.0f;
  setUpLineTables();
  LINCOM.RANCK(1) = LINCOM.SEPVES(45, 5, 1);
  LINCOM.ZANCK(1) = 20.0f;
  LINDRV(LINCOM.RANCK.data(), LINCOM.ZANCK.data());
  EXPECT_EQ(LINCOM.ILAYER, 4);  // the last pair of layers, blended wholly into layer 5
  EXPECT_TRUE(IsClose(LINCOM.HMEAN, LINCOM.HLOD(45), 1e-6));
  EXPECT_EQ(LINCOM.DELTAZ, 320.0f);
  EXPECT_TRUE(IsClose(LINCOM.TPTEN0, 59.44087568, 1e-4));

  TPCM.moor.NLAYER = 1;
  setUpLineTables();
  LINDRV(LINCOM.RANCK.data(), LINCOM.ZANCK.data());
  const double layered = LINCOM.TPTEN0;
  TPCM.CREATR = kSimQuorvel;
  LINDRV(LINCOM.RANCK.data(), LINCOM.ZANCK.data());
  EXPECT_EQ(LINCOM.TPTEN0, layered);
}

TEST_F(LineDriver, TraceLevelAskedAndTraced) {
  // NBUG0 = 1: the driver asks for the level; at level 1 it asks again before the first two
  // solutions and after each of the three (the last reply 0 ends the questions and the trace).
  defineSpread(1);
  setUpLineTables();
  TPCM.NBUG0 = 1;
  ConsoleCapture console("1\n1\n1\n1\n1\n0\n");
  LINDRV(LINCOM.RANCK.data(), LINCOM.ZANCK.data());
  const std::string screen = console.screen();
  auto occurrences = [&screen](const std::string& text) {
    int count = 0;
    for (std::size_t at = screen.find(text); at != std::string::npos; at = screen.find(text, at + 1)) ++count;
    return count;
  };
  // A prompt has no line end: the trace goes on after the reply, on the prompt's line.
  EXPECT_EQ(screen.rfind(" ### In LINDRV:\n Input NBUG:  SETTING MEAN TMPTANS & SECARRS: MIN =    66\n", 0), 0u);
  EXPECT_EQ(occurrences("Input NBUG: "), 6);
  EXPECT_EQ(occurrences("ITERATION LOOP FOLLOWS:\n Input NBUG: "), 2);
  EXPECT_EQ(occurrences("HMEAN,RANCHR,TPTEN0,BTTEN0,BOTLNM,BXCOMP,BZCOMP,FXCOMP,FZCOMP\n"), 1);
  EXPECT_TRUE(contains(screen, "Dynamic line request: ILINE,ILINE,ITYP\n    1    1    1\n"));
  EXPECT_EQ(occurrences("BEFORE DXSDZF\n"), 2);  // a node each
  EXPECT_EQ(occurrences("DPHLD,DPHLD2,DHFRAC\n"), 1);
  // The reply 0 after the third solution ends the trace.
  EXPECT_EQ(occurrences("BEFORE DZSDH\n"), 0);
  EXPECT_EQ(occurrences(" I,DXSDZF(I,ILINE),DZSDZF(I,ILINE),DXSDH(I,ILINE),DZSDH(IELEM,ILINE)"), 0);
  EXPECT_EQ(TPCM.NBUG, 0);

  // Level 1 throughout: the node table closes the line's trace, a row per node.
  ConsoleCapture traced("1\n1\n1\n1\n1\n1\n");
  LINDRV(LINCOM.RANCK.data(), LINCOM.ZANCK.data());
  EXPECT_TRUE(contains(traced.screen(), "BEFORE DZSDH\n"
                                        " I,DXSDZF(I,ILINE),DZSDZF(I,ILINE),DXSDH(I,ILINE),DZSDH(IELEM,ILINE)\n"
                                        "    1"));
  EXPECT_TRUE(contains(traced.screen(), "\n    2  0.0000E+00 "));

  // Without NBUG0 the level is 0 and nothing is asked.
  TPCM.NBUG0 = 0;
  TPCM.NBUG = 1;
  ConsoleCapture quiet;
  LINDRV(LINCOM.RANCK.data(), LINCOM.ZANCK.data());
  EXPECT_EQ(quiet.screen(), "");
  EXPECT_EQ(TPCM.NBUG, 0);
}

TEST_F(LineDriver, CodeWithoutALineTypeStops) {
  defineSpread(1);
  setUpLineTables();
  LINCOM.LINEID(1) = 1024;
  ConsoleCapture console("\n");
  EXPECT_EQ(stopStatus([] { LINDRV(LINCOM.RANCK.data(), LINCOM.ZANCK.data()); }), kExitFatal);
  EXPECT_EQ(console.screen(),
            "\n"
            " ++> Line   1: code  1024 names no line type (1 to 150) and no dynamic line\n"
            "     (above 1024).\n"
            "\n"
            "\n"
            " Press <RETURN> to continue: ");
}

}  // namespace
}  // namespace qv
