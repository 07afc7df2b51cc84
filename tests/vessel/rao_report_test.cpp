// The regular-wave response tables: the report of chosen complex operators against a reviewed
// expected file, rows recomputed by hand (amplitude, phase, wave length, slope), the column groups of
// RUTIL, the centre-of-gravity transfer, the plot table in both forms, and the console's pause.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "dataset/tpcm.h"
#include "hull/himem.h"
#include "platform/units.h"
#include "support/checks.h"
#include "support/console_capture.h"
#include "support/expected_files.h"
#include "support/fresh_run.h"
#include "support/temp_dir.h"
#include "util/files.h"
#include "vessel/rao_report.h"
#include "vessel/stub_hull.h"
#include "vessel/vessel_fixture.h"
#include "vessel/vesl1.h"
#include "waves/wavcom.h"

namespace qv {
namespace {

using testing_support::ConsoleCapture;
using testing_support::contains;
using testing_support::expectedFile;
using testing_support::readFileText;
using testing_support::TempDir;

std::vector<std::string> linesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// Surge 3 + 4i, sway -2i, heave -1, roll 0.01, pitch 0.02i, yaw -0.003 - 0.004i at every period.
void chosenOperators() {
  Himem& h = HIMEM;
  for (h.IW = 1; h.IW <= TPCM.NWP; ++h.IW) {
    INDXUP();
    h.CXDUM(h.LSG) = Complex(3.0f, 4.0f);
    h.CXDUM(h.LSW) = Complex(0.0f, -2.0f);
    h.CXDUM(h.LHV) = Complex(-1.0f, 0.0f);
    h.CXDUM(h.LRL) = Complex(0.01f, 0.0f);
    h.CXDUM(h.LPT) = Complex(0.0f, 0.02f);
    h.CXDUM(h.LYA) = Complex(-0.003f, -0.004f);
  }
}

class RaoReport : public testing_support::FreshRun {
 protected:
  void SetUp() override {
    FreshRun::SetUp();
    testing_support::threePeriodShipAfterPassOne();  // 5, 5.5, 6 s in 150 ft of water
    TPCM.LSLPHT = 0;
    TPCM.SLPHT = 8.0f;
    TPCM.LENDEG = 1;
    TPCM.LCGFLG = 0;
    TPCM.TVFWD = 0.0f;
    TPCM.IPLOTS = 0;
    TPCM.AUXVSH = 0;
    for (int i = 1; i <= 6; ++i) {
      TPCM.MOTION(i) = 1;
      HIMEM.SCALE(i) = 1000.0f * static_cast<float>(i) + 0.4f;
    }
    HIMEM.GAMRLI = 0.1f;
    WAVCOM.IRAO = 1;
    HIMEM.RAOANG(1) = 135.0f;
    chosenOperators();
  }
  void openReport() { RHOPEN("SHIPRAO.stxt", kFormatted, kFresh, 0, 1, "HOBRANE2", kScreenUnit, 0); }
  void openPlot() { RHOPEN("SHIPRAO.plt", kFormatted, kFresh, 0, kPlotUnit, "HOBRANE2", kScreenUnit, 0); }

  TempDir dir;
};

// Forces of all six degrees of freedom (two tables and the scale factors), then the motions of four
// (a table of three and a table of roll alone, with the roll damping of the ship).
TEST_F(RaoReport, TablesMatchTheReviewedReport) {
  TPCM.IUNIT = 1;
  openReport();
  HIMEM.LFRFLG = 1;
  RUTIL();
  HIMEM.LFRFLG = 0;
  TPCM.MOTION(3) = 0;
  TPCM.MOTION(6) = 0;
  RUTIL();
  HCLOSE(1, "SHIPRAO.stxt", "HOBRANE2", kScreenUnit);
  const std::string expected = expectedFile("vessel", "SHIPRAO_chosen.stxt");
  ASSERT_FALSE(expected.empty());
  EXPECT_EQ(readFileText("SHIPRAO.stxt"), expected);
}

// Rows recomputed by hand. Wave numbers of 5 and 6 s in 150 ft (g = 32.152) from scipy's brentq on
// g k tanh(k d) = w^2: 0.0491148 and 0.0341099 1/ft, wave lengths 127.93 and 184.20 ft, slopes of an
// 8 ft wave 8 k 57.2957764 / 2 = 11.26 and 7.82 deg. Surge 3 + 4i: 5.000 at atan2(4, 3) = 53.1 deg;
// sway -2i: 2.000 at -90.0; heave -1: 1.000 at 180.0. Motions per unit wave slope (LENDEG 0): roll
// 0.01 / k = 0.204 and 0.293; pitch 0.02 / k = 0.407 and 0.586 at 90.0; yaw 0.005 / k = 0.102 and
// 0.147 at atan2(-4, -3) = -126.9.
TEST_F(RaoReport, RowsReproduceHandComputedValues) {
  TPCM.IUNIT = 1;
  TPCM.LENDEG = 0;
  openReport();
  HIMEM.LFRFLG = 0;
  RUTIL();
  HCLOSE(1, "SHIPRAO.stxt", "HOBRANE2", kScreenUnit);
  const std::vector<std::string> lines = linesOf(readFileText("SHIPRAO.stxt"));
  const std::vector<std::string> rows = {
      "    5.00    127.9   11.26     5.000/  53.1     2.000/ -90.0     1.000/ 180.0",
      "    6.00    184.2    7.82     5.000/  53.1     2.000/ -90.0     1.000/ 180.0",
      "    5.00    127.9   11.26     0.204/   0.0     0.407/  90.0     0.102/-126.9",
      "    6.00    184.2    7.82     0.293/   0.0     0.586/  90.0     0.147/-126.9",
  };
  for (const std::string& row : rows) {
    EXPECT_NE(std::find(lines.begin(), lines.end(), row), lines.end()) << row;
  }
  // Per unit slope the angles are in degrees per degree.
  EXPECT_TRUE(contains(readFileText("SHIPRAO.stxt"), "    (DEG/DEG)        (DEG/DEG)        (DEG/DEG)\n"));
}

// With LCGFLG 1 the moments and the horizontal motions move to the centre of gravity. The stub puts
// both rotation centres 10 ft above it (dR = dP = 10 ft) with GMT 10 ft and GML 100 ft:
// roll moment 0.01 - (10/10)(-2i) = 0.01 + 2i: 2.000 at 89.7 deg; pitch moment 0.02i + (10/100)(3 + 4i)
// = 0.3 + 0.42i: 0.516 at 54.5 deg; surge motion 3 + 4i - 10 (0.02i) = 3 + 3.8i: 4.841 at 51.7 deg;
// sway motion -2i + 10 (0.01) = 0.1 - 2i: 2.002 at -87.1 deg.
TEST_F(RaoReport, CentreOfGravityTransfer) {
  TPCM.IUNIT = 1;
  TPCM.LCGFLG = 1;
  HIMEM.VTCRR = TPCM.TVKG + 10.0f;
  HIMEM.VTCRP = TPCM.TVKG + 10.0f;
  openReport();
  HIMEM.LFRFLG = 1;
  RUTIL();
  HIMEM.LFRFLG = 0;
  RUTIL();
  HCLOSE(1, "SHIPRAO.stxt", "HOBRANE2", kScreenUnit);
  const std::string report = readFileText("SHIPRAO.stxt");
  EXPECT_TRUE(contains(report, "    5.00    127.9   11.26     2.000/  89.7     0.516/  54.5     0.005/-126.9\n"))
      << report;
  EXPECT_TRUE(contains(report, "    5.00    127.9   11.26     4.841/  51.7     2.002/ -87.1     1.000/ 180.0\n"));
  EXPECT_TRUE(contains(report, " ++> Note: Moments evaluated about vessel center of gravity (VKG)\n"));
  EXPECT_TRUE(contains(report, " >>> Note: Surge and sway RAOs evaluated at vessel center of gravity (VKG)\n"));
}

TEST_F(RaoReport, ColumnGroupsAndTheTableThatHoldsRoll) {
  struct Case {
    const char* what;
    std::vector<int> chosen;        // MOTION flags set
    std::vector<int> columns;       // columns of the tables, in order
    int rollDampingLines;           // motion tables showing the roll damping
  };
  const Case cases[] = {
      {"one", {2}, {1}, 0},
      {"four", {1, 2, 3, 4}, {3, 1}, 1},
      {"roll with two others", {1, 4, 5, 6}, {3, 1}, 1},
      {"no roll", {1, 2, 5}, {3}, 0},
  };
  for (const Case& c : cases) {
    SetUp();
    for (int i = 1; i <= 6; ++i) TPCM.MOTION(i) = 0;
    for (const int j : c.chosen) TPCM.MOTION(j) = 1;
    TPCM.IUNIT = 1;
    openReport();
    HIMEM.LFRFLG = 0;
    RUTIL();
    HCLOSE(1, "SHIPRAO.stxt", "HOBRANE2", kScreenUnit);
    const std::vector<std::string> lines = linesOf(readFileText("SHIPRAO.stxt"));
    std::vector<int> columns;
    int damping = 0;
    for (const std::string& line : lines) {
      if (line.rfind("  PERIOD   LENGTH", 0) == 0) {
        columns.push_back(static_cast<int>((line.size() - 20) / 17));  // each column: 9 + "AM/PHASE"
      }
      if (contains(line, "ROLL DAMPING        =   5.0 PERCENT")) ++damping;  // 50 GAMRLI
    }
    EXPECT_EQ(columns, c.columns) << c.what;
    EXPECT_EQ(damping, c.rollDampingLines) << c.what;
  }
}

TEST_F(RaoReport, PlotTableCopyAndCurves) {
  TPCM.IUNIT = 1;
  openReport();
  openPlot();
  TPCM.IPLOTS = 1;
  HIMEM.LFRFLG = 1;
  TPCM.MOTION(4) = TPCM.MOTION(5) = TPCM.MOTION(6) = 0;
  RUTIL();
  HCLOSE(kPlotUnit, "SHIPRAO.plt", "HOBRANE2", kScreenUnit);
  // The copy: every heading line of the report, and one tab-separated line per row.
  const std::vector<std::string> copy = linesOf(readFileText("SHIPRAO.plt"));
  EXPECT_EQ(copy.front(), "   **                                                                        **");
  int rows = 0;
  for (const std::string& line : copy) {
    if (std::count(line.begin(), line.end(), '\t') == 8) ++rows;
  }
  EXPECT_EQ(rows, 3);
  EXPECT_TRUE(contains(readFileText("SHIPRAO.plt"), " 0.5000000E+01\t0.1279286E+03\t"));
  EXPECT_TRUE(contains(readFileText("SHIPRAO.plt"), "       SURGE ..................................      1000.4 KIPS/DEG       \n"));

  // Curves: one block per column; the abscissae with the first curve of the file only.
  openPlot();
  TPCM.IPLOTS = 2;
  HIMEM.NCURV = 1;
  HIMEM.IXFLAG = 1;
  HIMEM.LFRFLG = 0;
  TPCM.MOTION(1) = 0;
  TPCM.MOTION(2) = 0;
  TPCM.MOTION(4) = 1;
  RUTIL();  // heave, roll
  HCLOSE(kPlotUnit, "SHIPRAO.plt", "HOBRANE2", kScreenUnit);
  HCLOSE(1, "SHIPRAO.stxt", "HOBRANE2", kScreenUnit);
  EXPECT_EQ(readFileText("SHIPRAO.plt"), expectedFile("vessel", "SHIPRAO_curves.plt"));
  EXPECT_EQ(HIMEM.NCURV, 3);
  EXPECT_EQ(HIMEM.IXFLAG, 0);
}

// On the console each table pauses; -1 shows it again. The plot table receives it once.
TEST_F(RaoReport, OnTheConsoleATableCanBeShownAgain) {
  TPCM.IUNIT = kScreenUnit;
  TPCM.IPLOTS = 2;
  HIMEM.NCURV = 1;
  HIMEM.IXFLAG = 1;
  openPlot();
  for (int i = 2; i <= 6; ++i) TPCM.MOTION(i) = 0;
  HIMEM.LFRFLG = 0;
  ConsoleCapture console("-1\n\n");
  RUTIL();
  HCLOSE(kPlotUnit, "SHIPRAO.plt", "HOBRANE2", kScreenUnit);
  const std::string screen = console.screen();
  const std::size_t first = screen.find("+++  QUASI-LINEAR RESPONSE RAOS");
  ASSERT_NE(first, std::string::npos);
  EXPECT_NE(screen.find("+++  QUASI-LINEAR RESPONSE RAOS", first + 1), std::string::npos);
  EXPECT_EQ(console.unread(), "");
  const std::vector<std::string> plot = linesOf(readFileText("SHIPRAO.plt"));
  EXPECT_EQ(std::count(plot.begin(), plot.end(), "ENCOUNTER PERIOD IN SECONDS"), 1);
}

}  // namespace
}  // namespace qv
