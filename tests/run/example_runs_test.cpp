// The SALM mechanics of the committed examples against independent solutions: the free column's
// modes against the Lagrangian of its two members with the buoy's wet buoyancy at its wet centroid
// (tests/run/reference/piercing_column_reference.py), and the member-load walks to the moment
// elements against the free bodies of the members: nothing at a free top, no moment at a hinge and
// there the loads of the member's own top end, statically and per wave period, at the tanker's mean
// load itself (where the statics are solved again) as at a load of its statics' table; no moment at
// the hinge in the low-frequency and wave-frequency statistics either, also in oblique waves; the
// bending moment of the in-plane loads in the in-plane column of the reports.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <complex>
#include <cstddef>
#include <sstream>
#include <string>
#include <vector>

#include "dataset/tpcm.h"
#include "dynamics/dyncom.h"
#include "dynamics/dynslm.h"
#include "dynamics/momcom.h"
#include "example_run.h"
#include "hull/equilb.h"
#include "platform/block_reset.h"
#include "platform/units.h"
#include "slowdrift/lowcom.h"
#include "slowdrift/lowprt.h"
#include "slowdrift/output.h"
#include "slowdrift/pekcom.h"
#include "statics/solve.h"
#include "support/checks.h"
#include "support/report_values.h"
#include "support/temp_dir.h"
#include "waves/wavcom.h"

namespace qv {
namespace {

using testing_support::example;
using testing_support::IsClose;
using testing_support::readFileText;
using testing_support::rowAfter;
using testing_support::withWord;

constexpr double kLoadTolerance = 0.01;  // [t, t m, and per m of wave amplitude]
// The statics solve the members' cotangents to 1e-4: at the tanker's yoke hinge (70 t over 30 m of
// buoy) that leaves a few hundredths of a t m of the members' moment balance.
constexpr double kHingeMomentTolerance = 0.1;  // [t m]

// Where the tanker's low-frequency report and dynamics place the column: at the mean load of the
// stable equilibrium, between two points of the statics' table, where the statics are solved again;
// and at the table's load nearest it, where the table's own angles hold.
struct LoadCase {
  const char* name;
  bool atTableLoad;
};
constexpr LoadCase kLoadCases[] = {{"at the mean load", false}, {"at the table's load nearest the mean", true}};

class FreeExample : public testing_support::ExampleRun {};
class TankerExample : public testing_support::ExampleRun {
 protected:
  // The tanker's whole analysis; at a table load its statics and slow drift, then its low-frequency
  // report and dynamics with the mean load moved to the table's nearest point.
  bool run(const LoadCase& c, const std::string& image = example("tanker-yoke")) {
    closeAllUnits();
    resetAllBlocks();  // each case a fresh run
    if (!c.atTableLoad) return runImage(image) == -1;
    if (runImage(withWord(image, offsetof(Tpcm, LDYN), std::int32_t{0})) != -1) return false;
    Equilb& e = EQUILB;
    int nearest = 1;
    for (int j = 2; j <= TPCM.NUMTAB; ++j) {
      if (std::fabs(e.HLOAD(j) - e.FTOT(e.ISTAB)) < std::fabs(e.HLOAD(nearest) - e.FTOT(e.ISTAB))) nearest = j;
    }
    e.FTOT(e.ISTAB) = e.HLOAD(nearest);
    testing_support::ConsoleCapture console;
    return testing_support::stopStatus(LOWPRT) == -1 && testing_support::stopStatus(DYNSLM) == -1;
  }
};

// piercing_column_reference.py: the free example's riser (80 m) and buoy (30 m, 20 m under water) as
// two rigid bodies, the buoy's 579.6 t of wet buoyancy at 10 m above its lower joint, added mass over
// the wetted lengths; scipy's eigh of the Lagrangian's K and M.
TEST_F(FreeExample, ModesAreThoseOfTheLagrangianWithTheBuoyancyAtTheWetCentroid) {
  ASSERT_EQ(runImage(example("free-salm")), -1);
  const Output& o = OUTPUT;
  EXPECT_TRUE(IsClose(o.TSALMH, 8.48050264, 0.005));
  EXPECT_TRUE(IsClose(o.TSALML, 30.962852, 0.005));
  EXPECT_TRUE(IsClose(DYNCOM.AHI, -7.78163561, 0.005));
  EXPECT_TRUE(IsClose(DYNCOM.ALO, 1.54810704, 0.005));
  // Member 2's restoring about its lower joint: 579.6 t at 10 m less 250 t at 13 m.
  EXPECT_TRUE(IsClose(DYNCOM.EFK2, 2546.0333, 1e-3));
}

// The five loads of moment element C at every period: the walk's (MOMCOM) against the given ones.
struct FiveLoads {
  Complex shear, axial, lateral, inPlaneMoment, lateralMoment;
};
double largestMiss(int C, const std::function<FiveLoads(int IW)>& expected) {
  Momcom& mc = MOMCOM;  // its views have no const access
  double miss = 0.0;
  for (int IW = 1; IW <= TPCM.NWP; ++IW) {
    const FiveLoads e = expected(IW);
    for (const Complex d : {mc.INSHR(IW, C) - e.shear, mc.ELMAXL(IW, C) - e.axial, mc.OUTSHR(IW, C) - e.lateral,
                            mc.OUTMOM(IW, C) - e.inPlaneMoment, mc.INMOM(IW, C) - e.lateralMoment}) {
      miss = std::max(miss, static_cast<double>(std::abs(d)));
    }
  }
  return miss;
}

// The buoy's top (element 2) is free: the walk up the buoy from its lower joint, with the buoy's wet
// buoyancy as the statics and the dynamics take it, must arrive at nothing there, statically and at
// every period. The riser's top (element 1) is the hinge under the buoy: no moment, and the loads of
// the riser's own top end (DYNOUT's "NET TOP LOAD": station 2, column 3).
TEST_F(FreeExample, MemberLoadWalkEndsAtNothingAtTheFreeTopAndAtTheRiserTopLoadsAtTheHinge) {
  ASSERT_EQ(runImage(example("free-salm")), -1);
  Momcom& mc = MOMCOM;
  const Output& o = OUTPUT;
  for (const float v : {mc.STSHRI(2), mc.STSHRO(2), mc.STAXL(2), mc.STMOMI(2), mc.STMOMO(2)}) {
    EXPECT_LT(std::fabs(v), kLoadTolerance);
  }
  EXPECT_LT(largestMiss(2, [](int) { return FiveLoads{}; }), kLoadTolerance);
  // The statistics report's own static walk for the free column, upright.
  for (int c = 1; c <= 5; ++c) EXPECT_LT(std::fabs(o.STMOM(2, c)), kLoadTolerance) << c;

  EXPECT_TRUE(IsClose(mc.STAXL(1), o.FAX(2, 1), 1e-5));
  EXPECT_LT(std::fabs(mc.STSHRI(1) - o.FSHR(2, 1)), kLoadTolerance);
  EXPECT_LT(std::fabs(mc.STMOMO(1)), kLoadTolerance);
  EXPECT_LT(largestMiss(1, [&](int IW) { return FiveLoads{o.NETSHR(IW, 3), o.NETAXL(IW, 3), {}, {}, {}}; }),
            kLoadTolerance);
}


// The top of the surface buoy (element 3, moment element 2) is the hinge of the yoke: the walk up the
// buoy from its lower joint, with its wet buoyancy, arrives at no moment and at the buoy's own top
// loads, statically (the low-frequency report's walk and the member-load report's) and at every
// period (DYNOUT's "NET TOP LOAD" of member 2: station 4, column 5).
TEST_F(TankerExample, HingeOfTheYokeCarriesTheBuoyTopLoadsAndNoMoment) {
  for (const LoadCase& load : kLoadCases) {
    SCOPED_TRACE(load.name);
    ASSERT_TRUE(run(load));
    const Lowcom& l = LOWCOM;
    const Output& o = OUTPUT;
    const float H = EQUILB.FTOT(EQUILB.ISTAB);
    const float c = std::cos(l.EQANG(2)), s = std::sin(l.EQANG(2));
    EXPECT_LT(std::fabs(o.STMOM(2, 1) - (H * c - l.ZLDEQ(3) * s)), kLoadTolerance);
    EXPECT_LT(std::fabs(o.STMOM(2, 2) - (H * s + l.ZLDEQ(3) * c)), kLoadTolerance);
    EXPECT_LT(std::fabs(o.STMOM(2, 5)), kHingeMomentTolerance);

    Momcom& mc = MOMCOM;
    EXPECT_LT(std::fabs(mc.STSHRI(2) - o.FSHR(3, 2)), kLoadTolerance);
    EXPECT_LT(std::fabs(mc.STAXL(2) - o.FAX(3, 2)), kLoadTolerance);
    EXPECT_LT(std::fabs(mc.STMOMO(2)), kHingeMomentTolerance);
    EXPECT_LT(std::fabs(mc.STMOMI(2)), kLoadTolerance);
    const auto buoyTop = [&](int IW) { return FiveLoads{o.NETSHR(IW, 5), o.NETAXL(IW, 5), o.NETLTR(IW, 5), {}, {}}; };
    EXPECT_LT(largestMiss(2, buoyTop), kLoadTolerance);
  }
}

// The top of the tanker's column tube (element 1) lies 14 m below the top of member 1, the tank
// (element 2) between. The free body of that part above the cut, in the SALM's plane: the load of
// the joint at the member's top (the horizontal load and the joint's vertical load, giving the
// in-plane shear H cos - Z sin across the member) 14 m along it, the tank's weight and buoyancy at
// their centres. Its moment is the bending moment of the in-plane loads at the cut; the lateral
// loads are nil in the collinear sea. Each report prints it in its in-plane column, the lateral one
// at 0: LOWOUT's and RANOUT's static moment rows, DYNOUT's static bending moment row; and every row of
// DYNOUT's moment page has its waves' moment in the in-plane column, nothing in the transverse one.
TEST_F(TankerExample, BendingMomentOfTheInPlaneLoadsStandsInTheInPlaneColumns) {
  for (const LoadCase& load : kLoadCases) {
    SCOPED_TRACE(load.name);
    ASSERT_TRUE(run(load));
    const Tpcm& t = TPCM;
    const Lowcom& l = LOWCOM;
    const float H = EQUILB.FTOT(EQUILB.ISTAB);
    const double c = std::cos(l.EQANG(1)), s = std::sin(l.EQANG(1));
    const double above = t.SLEN(2) * (H * c - l.ZLDEQ(2) * s) + (t.CGSALM(2) * t.TMASS(2) - t.CBUOY(2) * t.BUOY(2)) * s;
    ASSERT_GT(std::fabs(above), 50.0);

    const std::string staticBlock = "STATIC EQUILIBRIUM MOMENTS/LOADS FOR MEMBER # 1";
    for (const char* report : {"LOWOUT.stxt", "RANOUT.stxt"}) {
      SCOPED_TRACE(report);
      const std::vector<double> row = rowAfter(readFileText(report), staticBlock, "1");
      ASSERT_EQ(row.size(), 5u);
      EXPECT_TRUE(IsClose(row[3], above, 0.005));
      EXPECT_EQ(row[4], 0.0);
    }
    const std::string dynout = readFileText("DYNOUT.stxt");
    const std::string page = ">>> MEMBER # 1: MOMENTS/LOADS AT TOP OF ELEMENT # 1";
    std::istringstream in(dynout.substr(dynout.find("BENDING MOMENT", dynout.find(page)) + 14));
    double inPlane = 0.0, lateral = 1.0;
    in >> inPlane >> lateral;
    EXPECT_NEAR(inPlane, above, 0.05 + kLoadTolerance);  // printed to a tenth
    EXPECT_EQ(lateral, 0.0);

    Momcom& mc = MOMCOM;
    for (int IW = 1; IW <= t.NWP; ++IW) {
      EXPECT_GT(std::abs(mc.OUTMOM(IW, 1)), 1.0f) << IW;
      // The lateral column holds only what the wave's small angle to the SALM plane stirs across it:
      // the stable equilibrium's headings are collinear to a few hundredths of a degree, which leaves
      // well under a percent of the in-plane moment there.
      EXPECT_LT(std::abs(mc.INMOM(IW, 1)), kLoadTolerance + 0.01 * std::abs(mc.OUTMOM(IW, 1))) << IW;
    }
    const std::string momentPage = dynout.substr(dynout.find("IN-PLANE MOMENT", dynout.find(page)));
    const std::vector<double> first = rowAfter(momentPage, "AM/PHASE", "4.00");
    ASSERT_GE(first.size(), 1u);
    EXPECT_TRUE(IsClose(first[1], std::abs(mc.OUTMOM(1, 1)), 0.005));  // (length, amplitude/phase ...)
  }
}

// The largest of moment element C's two bending moments over the wave periods, and their two-sigma
// values over the sea of the run (in the statistics' accumulators, before the factor).
double largestMomentRao(int C) {
  Momcom& mc = MOMCOM;
  double largest = 0.0;
  for (int IW = 1; IW <= TPCM.NWP; ++IW)
    largest = std::max({largest, static_cast<double>(std::abs(mc.INMOM(IW, C))), static_cast<double>(std::abs(mc.OUTMOM(IW, C)))});
  return largest;
}
double largestMomentSigma(int C) {
  const Output& o = OUTPUT;
  return std::sqrt(std::max(o.momentVariances(C, 4), o.momentVariances(C, 5)));
}

// The yoke's hinge at the buoy's top (moment element 2) carries no moment at the mean load itself:
// statically, in the low-frequency deviations (the net variation and the storm peak) and at wave
// frequency (the RAOs of the last heading and the sea's two-sigma values), each below a thousandth of
// the base element's (moment element 1) of the same kind; in head seas and in waves from 120 degrees,
// 60 degrees off the bow, where the buoy's lateral rotation turned the static moment that angles
// interpolated in the statics' table left at the hinge (-6.6 t m against the base's 85) into a
// transverse moment of 1.5 t m per m of wave at 12.5 s (0.3 % of the base's 495); and in a calm sea
// (wind and current off, a sea of 0.2 or 0.35 m), whose mean loads of 0.05 and 0.16 t, below a
// hundredth of the statics' first loaded point (20.7 t), stopped the run where the statics were
// solved at them.
TEST_F(TankerExample, HingeCarriesNoMomentAtTheMeanLoad) {
  struct Case {
    const char* name;
    float waveHeading;  // [deg]
    float calmSea;      // significant wave height with wind and current off [m]; 0: the example's
  };
  for (const Case& c : {Case{"head seas", 180.0f, 0.0f}, Case{"waves from 120 degrees", 120.0f, 0.0f},
                        Case{"a calm sea of 0.2 m", 180.0f, 0.2f}, Case{"a calm sea of 0.35 m", 180.0f, 0.35f}}) {
    SCOPED_TRACE(c.name);
    std::string image = withWord(example("tanker-yoke"), offsetof(Tpcm, WAVHDG), c.waveHeading);
    image = withWord(image, offsetof(Tpcm, SEAHDG), c.waveHeading);
    if (c.calmSea > 0.0f) {
      image = withWord(image, offsetof(Tpcm, LWIND), std::int32_t{0});
      image = withWord(image, offsetof(Tpcm, LCURNT), std::int32_t{0});
      image = withWord(image, offsetof(Tpcm, SWHT), c.calmSea);
    }
    ASSERT_TRUE(run(kLoadCases[0], image));
    const Output& o = OUTPUT;
    const Pekcom& p = PEKCOM;
    if (c.calmSea > 0.0f) {
      EXPECT_LT(EQUILB.FTOT(EQUILB.ISTAB), 0.01 * EQUILB.HLOAD(2));
    }
    EXPECT_LT(std::fabs(o.STMOM(2, 5)), 1e-3 * std::fabs(o.STMOM(1, 5)));
    EXPECT_LT(std::fabs(MOMCOM.STMOMO(2)), 1e-3 * std::fabs(MOMCOM.STMOMO(1)));
    EXPECT_LT(o.MSIGLF(2, 5), 1e-3 * o.MSIGLF(1, 5));
    EXPECT_LT(p.MSIGLP(2, 5), 1e-3 * p.MSIGLP(1, 5));
    EXPECT_LT(largestMomentRao(2), 1e-3 * largestMomentRao(1));
    EXPECT_LT(largestMomentSigma(2), 1e-3 * largestMomentSigma(1));
    EXPECT_GT(largestMomentRao(1), 100.0);  // the base does bend
  }
}

// The vessel's own statistics of its first point in the vessel statistics report: the coordinates
// of the point's row and its significant single amplitudes (two standard deviations) X, Y and Z.
std::vector<double> vesselPointRow(const std::string& report) {
  const std::size_t block = report.find("SIGNIFICANT SINGLE AMPL. <<DISPLACEMENTS>>");
  const std::size_t row = block == std::string::npos ? block : report.find("\n (", block);
  if (row == std::string::npos) return {};
  std::string line = report.substr(row + 3, report.find('\n', row + 1) - row - 3);
  for (char& ch : line)
    if (ch == ',' || ch == ')') ch = ' ';
  std::istringstream in(line);
  std::vector<double> numbers;
  for (double v = 0.0; in >> v;) numbers.push_back(v);
  return numbers;
}

// The tanker's column cut to its first three elements (member 1 the column tube and the tank,
// member 2 the buoy) and held as a buoyant riser under water (page 3 option 7, no element piercing):
// the statics hold the riser's top at the vessel's keel, where the run takes the first vessel point,
// so the top moves as that point of the vessel. Its two-sigma motions in RANOUT (the members' angles
// closed on the point) against the vessel's own statistics of the point in TANKRAN: vertically, and
// horizontally as the length of the two components (the SALM's plane turns with the equilibrium, the
// vessel's axes do not), in head seas and with the waves 30 degrees off the bow.
TEST_F(TankerExample, BuoyantRiserTopMovesAsTheVesselPointItIsHeldAt) {
  for (const float waves : {180.0f, 150.0f}) {
    SCOPED_TRACE("waves toward " + std::to_string(waves) + " deg");
    testing_support::TempDir folder;
    resetAllBlocks();
    std::string image = example("tanker-yoke");
    image = withWord(image, offsetof(Tpcm, IARCO), std::int32_t{kBuoyantRiser});
    image = withWord(image, offsetof(Tpcm, NELEM), std::int32_t{3});
    image = withWord(image, offsetof(Tpcm, IPIERC), std::int32_t{4});
    image = withWord(image, offsetof(Tpcm, WETYOK), std::int32_t{5});
    image = withWord(image, offsetof(Tpcm, SEAHDG), waves);
    image = withWord(image, offsetof(Tpcm, WAVHDG), waves);
    ASSERT_EQ(runImage(image), -1);
    closeAllUnits();
    ASSERT_EQ(SOLVE.NCON, 2);
    ASSERT_EQ(TPCM.ONETWO, 0);  // RANOUT's amplitudes are two standard deviations
    // The riser's top stands at the keel: the water depth less the draft above the sea bed.
    const float c1 = std::cos(OUTPUT.PHICON(1)), c2 = std::cos(OUTPUT.PHICON(2));
    EXPECT_TRUE(IsClose(SOLVE.CNLEN(1) * c1 + SOLVE.CNLEN(2) * c2, TPCM.DEPTH - TPCM.DRAFT, 1e-4));

    const std::vector<double> point = vesselPointRow(readFileText("TANKRAN.stxt"));
    ASSERT_EQ(point.size(), 6u);
    EXPECT_EQ(point[0], TPCM.XSALM);  // the keel under the riser's attachment
    EXPECT_EQ(point[1], 0.0);
    EXPECT_EQ(point[2], 0.0);
    const Output& o = OUTPUT;
    const double radial = o.RSIGHF(4), vertical = o.RSIGHF(5), lateral = o.RSIGHF(6);  // the top of member 2
    EXPECT_TRUE(IsClose(vertical, point[5], 0.02)) << vertical << " against " << point[5];
    EXPECT_TRUE(IsClose(std::hypot(radial, lateral), std::hypot(point[3], point[4]), 0.02))
        << radial << ", " << lateral << " against " << point[3] << ", " << point[4];
    EXPECT_GT(point[5], 1.0);
  }
}

}  // namespace
}  // namespace qv
