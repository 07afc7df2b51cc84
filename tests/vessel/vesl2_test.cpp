// The second vessel-response pass with the stand-in hull: the trim-and-heel rotation, the layout of
// the statistics pairs, the report of a free ship against a reviewed expected file, the vessel
// motion files of the yoke and of a tug and its barge checked with the record dumper (operators,
// heading records, statistics tails), the files that must exist, and the closing of every file.
#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <filesystem>
#include <string>
#include <vector>

#include "dataset/tpcm.h"
#include "hull/himem.h"
#include "hull/hull_model.h"
#include "hull/pascom.h"
#include "platform/stop.h"
#include "platform/units.h"
#include "support/checks.h"
#include "support/console_capture.h"
#include "support/expected_files.h"
#include "support/fresh_run.h"
#include "support/record_file.h"
#include "support/temp_dir.h"
#include "vessel/point_motions.h"
#include "vessel/rao_report.h"
#include "vessel/stub_hull.h"
#include "vessel/vessel_fixture.h"
#include "vessel/vesl1.h"
#include "vessel/vesl2.h"
#include "vessel/vesl3.h"
#include "waves/wavcom.h"

namespace qv {
namespace {

using testing_support::ConsoleCapture;
using testing_support::contains;
using testing_support::dumpRecords;
using testing_support::expectedFile;
using testing_support::IsClose;
using testing_support::readFileText;
using testing_support::Record;
using testing_support::RecordDump;
using testing_support::stopStatus;
using testing_support::StubHull;
using testing_support::TempDir;
using testing_support::writeRecords;

constexpr double kDeg = 57.2957764;

bool near(Complex actual, Complex expected, double rel = 1e-5) {
  return std::abs(actual - expected) <= rel * (std::abs(expected) + 1e-6);
}

// A hull whose response operators are its exciting forces, with a value of its own for every degree
// of freedom and grid point: what the pass does to the forces reaches the motion file unchanged.
struct PassThroughHull {
  static Complex force(int dof, int i) {
    return {0.1f * static_cast<float>(dof) + 0.01f * static_cast<float>(i),
            0.05f * static_cast<float>(dof) - 0.02f * static_cast<float>(i)};
  }
  static void FRC(std::int32_t&) {
    Himem& h = HIMEM;
    for (h.IW = 1; h.IW <= TPCM.NWP; ++h.IW) {
      INDXUP();
      const std::int32_t at[6] = {h.LSG, h.LSW, h.LHV, h.LRL, h.LPT, h.LYA};
      for (int dof = 1; dof <= 6; ++dof) h.CXDUM(at[dof - 1]) = force(dof, h.IW);
    }
  }
  static void RAO() {}
  static constexpr HullOps ops = {StubHull::CHR, FRC, RAO, StubHull::SUM, StubHull::OUT};
};

// The line angles of one call with two points on vertical lines (count, then phi and theta [rad]).
std::vector<Record> verticalLines(int points) {
  std::vector<Record> records = {Record().i(1)};
  for (int p = 1; p <= points; ++p) records.push_back(Record().f(0.0f).f(0.0f));
  return records;
}

class Vesl2Test : public testing_support::ShipInASea {
 protected:
  void passesOneAndTwo(const std::string& typed = "") { runPasses(2, typed); }
  // The sea's moments of height 1, as pass 2 leaves them in the work area.
  static float seaM0() { return HIMEM.RLDUM(seaStateRecord(1)); }
  static float seaM2() { return HIMEM.RLDUM(seaStateRecord(1) + 1); }
};

// Trim 2 and heel 5 degrees: ROTVES is a proper rotation (R^T R = I, det R = 1), level is the
// identity.
TEST_F(Vesl2Test, TrimAndHeelRotationIsProper) {
  setVesselRotation(2.0f, 5.0f);
  const auto& R = HIMEM.ROTVES;
  for (int i = 1; i <= 3; ++i) {
    for (int j = 1; j <= 3; ++j) {
      double dot = 0.0;
      for (int k = 1; k <= 3; ++k) dot += static_cast<double>(R(k, i)) * R(k, j);
      EXPECT_NEAR(dot, i == j ? 1.0 : 0.0, 1e-6) << i << " " << j;
    }
  }
  const double det = R(1, 1) * (R(2, 2) * R(3, 3) - R(2, 3) * R(3, 2)) -
                     R(1, 2) * (R(2, 1) * R(3, 3) - R(2, 3) * R(3, 1)) +
                     R(1, 3) * (R(2, 1) * R(3, 2) - R(2, 2) * R(3, 1));
  EXPECT_NEAR(det, 1.0, 1e-6);
  setVesselRotation(0.0f, 0.0f);
  for (int i = 1; i <= 3; ++i) {
    for (int j = 1; j <= 3; ++j) EXPECT_EQ(R(i, j), i == j ? 1.0f : 0.0f);
  }
}

// With trim and heel the force tables show the forces turned into the trimmed and heeled axes, and
// the hull model and the points get them back as they were: a hull that passes its forces on as
// operators leaves them unchanged in the motion file (1e-5).
TEST_F(Vesl2Test, ForcesTurnedForTheTablesAndBackForTheHull) {
  HULL_MODELS.ops[static_cast<int>(HullKind::kShip)] = &PassThroughHull::ops;
  TPCM.TRIMDG = 2.0f;
  TPCM.HEELDG = 5.0f;
  TPCM.LRANDM = 0;
  TPCM.ISPM = 1;
  TPCM.LDSP = 1;
  TPCM.LFORCE = 1;
  passesOneAndTwo();
  const RecordDump dump = dumpRecords("YOKEMOT");
  ASSERT_TRUE(dump.clean);
  ASSERT_EQ(dump.lengths(), (std::vector<std::size_t>{20, 48, 48, 48})) << dump.text();
  for (int i = 1; i <= 3; ++i) {
    // At the centre of gravity the displacement is (surge, sway, heave); then roll, yaw, pitch.
    const Record& r = dump.records[static_cast<std::size_t>(i)];
    const int dofs[6] = {1, 2, 3, 4, 6, 5};
    for (int c = 0; c < 6; ++c) {
      EXPECT_TRUE(near(r.complexAt(c), PassThroughHull::force(dofs[c], i))) << "period " << i << " item " << c;
    }
  }
  // The heave column of the first force table, first period: |R(3, .) (surge, sway, heave)|.
  const double t = 2.0 / kDeg;
  const double e = 5.0 / kDeg;
  const std::complex<double> heave = std::sin(t) * std::cos(e) * std::complex<double>(PassThroughHull::force(1, 1)) -
                                     std::sin(e) * std::complex<double>(PassThroughHull::force(2, 1)) +
                                     std::cos(t) * std::cos(e) * std::complex<double>(PassThroughHull::force(3, 1));
  const std::string report = readFileText("TANKRAO.stxt");
  const std::size_t row = report.find("\n    5.00 ");
  ASSERT_NE(row, std::string::npos) << report;
  EXPECT_NEAR(std::stod(report.substr(row + 1 + 25 + 34, 10)), std::abs(heave), 6e-4);
  EXPECT_GT(std::abs(std::abs(heave) - std::abs(PassThroughHull::force(3, 1))), 0.002);  // visibly turned
}

// Every (height, heading, quantity) of the full-size layout has a pair of its own inside its block:
// the force and motion blocks through LOCAT0, the point blocks (149 points, 3 components) through
// LOCAT1, which are the places the statistics are accumulated in.
TEST_F(Vesl2Test, StatisticsPairsLieApartInsideTheirBlocks) {
  layOutHimem();
  const Himem& h = HIMEM;
  struct Block {
    const char* name;
    std::int32_t base, next;
    bool points;
  };
  const Block blocks[] = {{"forces", h.LCNFTQ, h.LCNMOT, false},  {"motions", h.LCNMOT, h.LCNACC, false},
                          {"accelerations", h.LCNACC, h.LCNVEL, true}, {"velocities", h.LCNVEL, h.LCNHNG, true},
                          {"hinges", h.LCNHNG, h.LCNDSP, true},        {"displacements", h.LCNDSP, h.LCNSIG, true}};
  for (const Block& b : blocks) {
    std::vector<char> used(static_cast<std::size_t>(b.next - b.base), 0);
    std::int32_t last = 0;
    const int quantities = b.points ? kMaxOutputPoints * 3 : 6;
    for (int q = 1; q <= quantities; ++q) {
      for (int hd = 1; hd <= h.MAXHDG; ++hd) {
        for (int j = 1; j <= h.MAXHT; ++j) {
          const std::int32_t k = b.points ? LOCAT1(h.NHTNHD, h.MAXHT, hd, j, (q - 1) / 3 + 1, (q - 1) % 3 + 1, b.base)
                                          : LOCAT0(h.NHTNHD, h.MAXHT, hd, j, q, b.base);
          ASSERT_EQ(k, statisticsPair(b.base, q, j, hd)) << b.name;
          ASSERT_GE(k, b.base) << b.name;
          ASSERT_LT(k + 1, b.next) << b.name << " q " << q << " h " << hd << " j " << j;
          for (const std::int32_t word : {k, k + 1}) {
            ASSERT_EQ(used[static_cast<std::size_t>(word - b.base)], 0) << b.name << " word " << word;
            used[static_cast<std::size_t>(word - b.base)] = 1;
          }
          last = std::max(last, k + 1);
        }
      }
    }
    EXPECT_EQ(last, b.next - 1) << b.name << ": the pairs fill the block to its end";
  }
}

// A free ship at two headings with chosen tables: every row holds the stand-in's unit operators
// (forces per unit slope, motions per unit amplitude) and the point accelerations they give; the
// hull model runs once per heading, and the free vessel writes no motion file.
TEST_F(Vesl2Test, FreeShipReportMatchesTheReviewedPages) {
  TPCM.NDIR = 2;
  TPCM.WAVHDG(2) = 90.0f;
  TPCM.LFORCE = 1;
  TPCM.LMOTN = 1;
  for (int q = 1; q <= 6; ++q) TPCM.MOTION(q) = q % 2;  // surge, heave, pitch
  TPCM.LACC = 1;
  TPCM.RACC(1, 1) = 100.0f;
  TPCM.IPLOTS = 2;
  passesOneAndTwo();
  EXPECT_EQ(StubHull::calls, (std::vector<std::string>{"CHR", "FRC0", "SUM", "OUT", "FRC5", "RAO", "FRC5", "RAO"}));
  const std::string expected = expectedFile("vessel", "SHIPRAO_pass2.stxt");
  ASSERT_FALSE(expected.empty());
  EXPECT_EQ(readFileText("SHIPRAO.stxt"), expected);
  // The plot table: its two header lines, then a curve per column of every table (two headings,
  // three force and three motion columns each), the periods only with the first.
  const std::string plot = readFileText("SHIPRAO.plt");
  EXPECT_EQ(plot.rfind("     1\n  1000\n    1\nENCOUNTER PERIOD IN SECONDS\n", 0), 0u) << plot.substr(0, 80);
  std::size_t curves = 0;
  for (std::size_t at = plot.find("ENCOUNTER PERIOD IN SECONDS"); at != std::string::npos;
       at = plot.find("ENCOUNTER PERIOD IN SECONDS", at + 1)) {
    ++curves;
  }
  EXPECT_EQ(curves, 12u);
  EXPECT_TRUE(contains(plot, "\n   12\nENCOUNTER PERIOD IN SECONDS\n"));
  EXPECT_TRUE(contains(plot, "RESPONSE RAO (S.A./S.A.) FOR WAVE HEADING   90.00 DEGREES\n    3    0\n"));
  EXPECT_FALSE(std::filesystem::exists("FAIRMOT"));
  for (const int unit : {1, kPartnerUnit, kRelativeMotionUnit, kLineAngleUnit, kMotionFileUnit, kPlotUnit}) {
    EXPECT_FALSE(unitConnected(unit)) << unit;
  }
  EXPECT_TRUE(contains(screen, "\n\n --> Computing driving forces/torques for relative wave heading   90.00\n\n"));
  EXPECT_TRUE(contains(screen, "\n --> Computing raos and irregular wave statistics...\n\n"));
}

// The operators that reach the yoke's motion file (a point at the centre of gravity shows the
// vessel's surge, sway and heave, then roll, yaw and pitch): the hull model's as it gave them, also
// with trim and heel; the user's, deck-vertical ones turned back by R^T, earth-vertical ones turned
// by R; the hull's heave, roll and pitch switched off with QUASQUENCH, which leaves the user's.
TEST_F(Vesl2Test, OperatorsOfTheYokeMotionFile) {
  struct Case {
    const char* what;
    float trim, heel;
    std::int32_t user, deckUp, quench;
    // Expected (surge, sway, heave) before the turn, the turn (0 none, 1 R, -1 R^T), then roll, yaw, pitch.
    float x[3];
    int turn;
    float r[3];
  };
  const Case cases[] = {
      {"hull, level", 0.0f, 0.0f, 0, 0, 0, {1, 1, 1}, 0, {1, 1, 1}},
      {"hull, trimmed and heeled", 2.0f, 5.0f, 0, 0, 0, {1, 1, 1}, 0, {1, 1, 1}},
      {"hull, heave roll and pitch switched off", 0.0f, 0.0f, 0, 0, 1, {1, 1, 0}, 0, {0, 1, 0}},
      {"user, level", 0.0f, 0.0f, 1, 1, 0, {1, 2, 3}, 0, {0, 0, 0}},
      {"user, deck-vertical, trimmed and heeled", 2.0f, 5.0f, 1, 1, 0, {1, 2, 3}, -1, {0, 0, 0}},
      {"user, earth-vertical, trimmed and heeled (QUASQUENCH leaves them)", 2.0f, 5.0f, 1, 0, 1, {1, 2, 3}, 1, {0, 0, 0}},
  };
  for (const Case& c : cases) {
    SetUp();
    // Surge 1, sway 2, heave 3 and no rotations at every frequency and heading of the table.
    testing_support::sameUserRaos("USERRAOS.txt", "1 0 2 0 3 0 0 0 0 0 0 0");
    TPCM.LRANDM = 0;
    TPCM.ISPM = 1;
    TPCM.LDSP = 1;
    TPCM.TRIMDG = c.trim;
    TPCM.HEELDG = c.heel;
    TPCM.AUXVSH = c.user;
    TPCM.DECKUP = c.deckUp;
    PASCOM.QUASQUENCH = c.quench;
    passesOneAndTwo();
    const RecordDump dump = dumpRecords("YOKEMOT");
    ASSERT_EQ(dump.lengths(), (std::vector<std::size_t>{20, 48, 48, 48})) << c.what << "\n" << dump.text();
    const auto& R = HIMEM.ROTVES;
    float x[3];
    for (int i = 0; i < 3; ++i) {
      x[i] = c.x[i];
      if (c.turn != 0) {
        x[i] = 0.0f;
        for (int j = 0; j < 3; ++j) x[i] += (c.turn > 0 ? R(i + 1, j + 1) : R(j + 1, i + 1)) * c.x[j];
      }
    }
    for (std::size_t at = 1; at <= 3; ++at) {
      const Record& r = dump.records[at];
      for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(near(r.complexAt(i), Complex(x[i], 0.0f))) << c.what << " period " << at << " item " << i;
        EXPECT_TRUE(near(r.complexAt(3 + i), Complex(c.r[i], 0.0f))) << c.what << " period " << at << " item " << 3 + i;
      }
    }
  }
}

// A tug and the barge it tows (a sea of one height from ahead, two points on vertical lines): each
// motion file starts with the heading count and holds a heading record before the point block, and
// ends with the sea state and the statistics of the first point; the barge's second point goes to
// "RELMOT". With unit operators every statistic is the sea's: roll, yaw and pitch sqrt(m0) = HSW / 4;
// the hinge angles 57.2957764 sqrt(m0) and sqrt(m2) [deg]; the line-axis motion sqrt(2 m0) across
// and sqrt(m0) along the line.
TEST_F(Vesl2Test, TugAndBargeMotionFilesWithTheirTails) {
  TPCM.CREATR = 10;
  TPCM.LDSP = 1;
  TPCM.NACC = 2;
  TPCM.RACC(1, 2) = -50.0f;
  TPCM.RACC(3, 2) = TPCM.TVKG;
  const std::vector<std::size_t> layout = {4, 8, 20, 72, 72, 72, 28, 8, 8, 8, 8, 8};
  for (const std::int32_t ispm : {2, 3}) {
    TPCM.ISPM = ispm;
    writeRecords("LINEANG", verticalLines(2));
    passesOneAndTwo();
    const char* name = ispm == 2 ? "TUGSTERN" : "BARGEBOW";
    const RecordDump dump = dumpRecords(name);
    ASSERT_TRUE(dump.clean) << name;
    ASSERT_EQ(dump.lengths(), layout) << name << "\n" << dump.text();
    EXPECT_EQ(dump.records[0].intAt(0), 1) << name;
    EXPECT_EQ(dump.records[1].floatAt(0), 180.0f) << name;
    EXPECT_EQ(dump.records[1].intAt(1), 1) << name;
    const double m0 = seaM0();
    const double m2 = seaM2();
    const Record& sea = dump.records[6];
    EXPECT_TRUE(IsClose(sea.floatAt(0), 4.0 * std::sqrt(m0), 1e-6)) << name;
    EXPECT_EQ(sea.floatAt(1), 0.0f);
    EXPECT_EQ(sea.floatAt(2), 0.0f);
    EXPECT_EQ(sea.floatAt(3), HIMEM.RLDUM(seaStateRecord(1) + 2));
    for (int c = 4; c <= 6; ++c) EXPECT_TRUE(IsClose(sea.floatAt(c), sea.floatAt(0) / 4.0, 1e-5)) << name << " " << c;
    EXPECT_EQ(PASCOM.WRLRMS, sea.floatAt(4));
    EXPECT_EQ(PASCOM.WYWRMS, sea.floatAt(5));
    EXPECT_EQ(PASCOM.WPTRMS, sea.floatAt(6));
    for (std::size_t r = 7; r <= 9; ++r) {
      EXPECT_TRUE(IsClose(dump.records[r].floatAt(0), kDeg * std::sqrt(m0), 1e-5)) << name << " hinge " << r;
      EXPECT_TRUE(IsClose(dump.records[r].floatAt(1), kDeg * std::sqrt(m2), 1e-5)) << name << " hinge " << r;
    }
    EXPECT_TRUE(IsClose(dump.records[10].floatAt(0), std::sqrt(2.0 * m0), 1e-5)) << name;
    EXPECT_TRUE(IsClose(dump.records[10].floatAt(1), std::sqrt(2.0 * m2), 1e-5)) << name;
    EXPECT_TRUE(IsClose(dump.records[11].floatAt(0), std::sqrt(m0), 1e-5)) << name;
    EXPECT_TRUE(IsClose(dump.records[11].floatAt(1), std::sqrt(m2), 1e-5)) << name;
  }
  // The barge carries its first point to the tug (no separation: P = 1) and negates it: -(X', Y', Z')
  // of a point at the centre of gravity on a vertical line, (-1, 1, -1), is (1, -1, 1).
  const RecordDump barge = dumpRecords("BARGEBOW");
  EXPECT_TRUE(near(barge.records[3].complexAt(0), Complex(1.0f, 0.0f)));
  EXPECT_TRUE(near(barge.records[3].complexAt(1), Complex(-1.0f, 0.0f)));
  EXPECT_TRUE(near(barge.records[3].complexAt(2), Complex(1.0f, 0.0f)));
  const RecordDump relative = dumpRecords("RELMOT");
  ASSERT_EQ(relative.lengths(), (std::vector<std::size_t>{8, 8, 8, 8, 8}));
  EXPECT_TRUE(IsClose(relative.records[0].floatAt(0), kDeg * std::sqrt(seaM0()), 1e-5));
}

// The files a moored body reads must exist, and a partner motion file must come from a run of the
// same headings and points: otherwise the run stops naming the file, and nothing is half-read.
TEST_F(Vesl2Test, FilesAMooredBodyReads) {
  const Record count = Record().i(1);
  const Record header = Record().i(1).i(0).i(0).i(1).f(3.1415927f);
  struct Case {
    const char* what;
    std::int32_t ispm;
    bool lineAngles;
    std::vector<Record> partner;  // empty: no partner file
    std::vector<std::string> lines;
  };
  const Case cases[] = {
      {"tug without line angles", 2, false, {}, {" ++> File not found or file access error in HOBRANE2", "     File name: LINEANG"}},
      {"barge without its tug", 3, true, {}, {" ++> File not found or file access error in HOBRANE2", "     File name: TUGSTERN"}},
      {"a tug of three headings",
       3,
       true,
       {Record().i(3)},
       {" ++> The partner motion file TUGSTERN does not match this run;",
        "     it holds the motions of   3 headings, this run has   1."}},
      {"a tug of another output kind",
       3,
       true,
       {count, header},
       {" ++> The partner motion file TUGSTERN does not match this run;",
        "     at relative wave heading  180.00 deg its records differ from this run's",
        "     (points or output kinds)."}},
      {"a tug file that ends", 3, true, {count}, {" ++> End of file or related file error in routine HOBRANE2"}},
  };
  for (const Case& c : cases) {
    SetUp();
    TPCM.CREATR = 10;
    TPCM.ISPM = c.ispm;
    TPCM.LDSP = 1;
    std::filesystem::remove("LINEANG");
    std::filesystem::remove("TUGSTERN");
    if (c.lineAngles) writeRecords("LINEANG", verticalLines(1));
    if (!c.partner.empty()) writeRecords("TUGSTERN", c.partner);
    {
      ConsoleCapture console("\n");
      VESL1();
      EXPECT_EQ(stopStatus([] { VESL2(); }), kExitFatal) << c.what;
      for (const std::string& line : c.lines) {
        EXPECT_TRUE(contains(console.screen(), line + "\n")) << c.what << "\n" << console.screen();
      }
    }
    closeAllUnits();
  }
}

// No heading at all: every file of the configuration is still opened and closed; the tug's file
// holds only the count. Without a report the plot table is closed too, with its two header lines.
TEST_F(Vesl2Test, NoHeadingsStillClosesEveryFile) {
  TPCM.CREATR = 10;
  TPCM.ISPM = 2;
  TPCM.NDIR = 0;
  TPCM.LRANDM = 0;
  TPCM.NEGSUM = 1;
  TPCM.IPLOTS = 2;
  TPCM.LDSP = 1;
  writeRecords("LINEANG", {});
  passesOneAndTwo();
  EXPECT_EQ(WAVCOM.NRAO, 0);
  const RecordDump dump = dumpRecords("TUGSTERN");
  ASSERT_EQ(dump.lengths(), (std::vector<std::size_t>{4}));
  EXPECT_EQ(dump.records[0].intAt(0), 0);
  EXPECT_EQ(readFileText("TUGRAO.plt"), "     1\n  1000\n");
  EXPECT_FALSE(std::filesystem::exists("TUGRAO.stxt"));
  for (const int unit : {1, kPartnerUnit, kRelativeMotionUnit, kLineAngleUnit, kMotionFileUnit, kPlotUnit}) {
    EXPECT_FALSE(unitConnected(unit)) << unit;
  }
}

// Point tables asked for at every heading go to the report file, also without the vessel tables.
TEST_F(Vesl2Test, PointTablesAloneOpenTheReport) {
  TPCM.ALLRAO = 1;
  TPCM.LACC = 1;
  passesOneAndTwo();
  const std::string report = readFileText("SHIPRAO.stxt");
  EXPECT_TRUE(contains(report, "+++  ACCELERATION RAOS IN FT/SEC**2 PER UNIT WAVE AMP. (S.A./S.A.)  +++\n"));
  EXPECT_FALSE(contains(report, "DRIVING FORCE"));
  EXPECT_FALSE(contains(screen, "ACCELERATION RAOS")) << "nothing went to the screen instead";
}

TEST_F(Vesl2Test, ProgressLinesCanBeHidden) {
  TPCM.hideHobraneReports = 1;
  passesOneAndTwo();
  EXPECT_FALSE(contains(screen, " --> ")) << screen;
}

// A data set of simulation type 16 names no files: it runs as a free vessel reporting on the
// console, silently, and is refused at once when it asks for a file.
TEST_F(Vesl2Test, TypeSixteenOpensNoFiles) {
  TPCM.CREATR = 16;
  TPCM.IUNIT = kScreenUnit;
  passesOneAndTwo("\n\n");
  EXPECT_FALSE(contains(screen, "Computing driving forces")) << screen;
  EXPECT_EQ(StubHull::calls.back(), "RAO");

  SetUp();
  TPCM.CREATR = 16;
  TPCM.ISPM = 1;
  ConsoleCapture console("\n");
  VESL1();
  EXPECT_EQ(stopStatus([] { VESL2(); }), kExitFatal);
  EXPECT_TRUE(contains(console.screen(), " ++> Vessel response: a data set of simulation type 16 names no files;\n"));
  EXPECT_FALSE(std::filesystem::exists("YOKEMOT"));
}

}  // namespace
}  // namespace qv
