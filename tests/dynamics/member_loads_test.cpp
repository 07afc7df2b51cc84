// The member loads of an attached SALM (MEMLOD), the "MOMDAT" hand-over and the loads at the moment
// elements (MOMOUT): the variance of a response against the sea's own moments (scipy), the heading's
// place and weight in a spread sea against hand values, the records of "MOMDAT", the imposed
// extension, the connection stations, the hinges between the members (both bending moments 0, the
// top loads of both computations alike), and the stops.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <filesystem>
#include <string>
#include <vector>

#include "dataset/tpcm_codes.h"
#include "dynamics/dyncom.h"
#include "dynamics/dynslm.h"
#include "dynamics/memlod.h"
#include "dynamics/momcom.h"
#include "dynamics/momout.h"
#include "dynamics_fixtures.h"
#include "dynamics_report_fixtures.h"
#include "dynamics_run.h"
#include "platform/units.h"
#include "slowdrift/output.h"
#include "statics/solve.h"
#include "support/checks.h"
#include "support/console_capture.h"
#include "support/record_file.h"
#include "support/temp_dir.h"
#include "support/member_free_body.h"
#include "util/files.h"
#include "yokemot_file.h"

namespace qv {
namespace {

using testing_support::contains;
using testing_support::IsClose;
using testing_support::YokeHeading;

class MemberLoads : public testing_support::DynamicsRun {};

// One heading of smooth yoke motions on the random sea.
void seaHeadingFile(float heading = 0.2f) {
  YokeHeading h = testing_support::smoothHeading(TPCM.NWP, 1, heading, 0);
  h.IRANFG = 1;
  testing_support::writeYokemot({h});
}

// A response that is the same at every period, c = 0.3 - 0.4i, in a random sea S over the periods
// 4 .. 10 s: its variance is |c|^2 m0 and that of its rate |c|^2 m2, the moments of S over the same
// grid by Simpson's rule in the period with d omega = omega^2 dT / (2 pi):
//   T = 4..10; w = float32(2 pi / T); S = [1, 3, 6, 5, 3.5, 2, 1.2]
//   scipy.integrate.simpson(S w^2 / (2 pi), x=T) = 3.150257385170019, ... w^4 ... = 3.6168769565653127
TEST_F(MemberLoads, VarianceOfAConstantResponseIsItsSquareTimesTheSeaMoments) {
  testing_support::threeMemberColumn();
  testing_support::setWaveGrid(7, 4.0f, 1.0f);
  seaHeadingFile();
  ASSERT_EQ(run(), -1) << screen;

  const float sea[7] = {1.0f, 3.0f, 6.0f, 5.0f, 3.5f, 2.0f, 1.2f};
  for (int i = 1; i <= 7; ++i) WAVCOM.WPSD(i) = sea[i - 1];
  TPCM.LRANDM = 1;
  OUTPUT.SIGVAR.fill(0.0f);
  const Complex c(0.3f, -0.4f);
  for (int i = 1; i <= 7; ++i) OUTPUT.PHIMEM(i, 1) = c;
  {
    testing_support::ConsoleCapture console;
    MEMLOD();
  }
  EXPECT_EQ(OUTPUT.SPDVAL, 1.0f);
  EXPECT_TRUE(IsClose(OUTPUT.SIGMA(31), 0.25 * 3.150257385170019, 1e-5));
  EXPECT_TRUE(IsClose(OUTPUT.SIGDOT(31), 0.25 * 3.6168769565653127, 1e-5));
}

// A spread sea of NA = 4 directions over a sector of 180 degrees with the cosine squared: the fan
// points lie 45 degrees apart, the sea heading at point 3; ANGNRM = DA / (3 pi / 2) = 1/6, so the
// weights are Simpson 1, 4, 2, 4, 1 times cos^2 of the offset over 6: 0, 1/3, 1/3, 1/3, 0 (the far
// edge gets none). A heading finds its point across 0/360 degrees, and one outside the fan weighs
// nothing. The heading at the centre of the fan is reported under LREG 1, the others are not.
TEST_F(MemberLoads, HeadingTakesTheWeightOfItsPointOfTheSpreadingFan) {
  struct Case {
    float seaHeading, waveHeading;  // [deg]
    int IANG;
    float SPDVAL;
    bool reported;
  };
  const Case cases[] = {
      {30.0f, 30.0f, 3, 1.0f / 3.0f, true},   {30.0f, 75.0f, 4, 1.0f / 3.0f, false},
      {30.0f, 345.0f, 2, 1.0f / 3.0f, false}, {30.0f, 120.0f, 5, 0.0f, false},
      {350.0f, 35.0f, 4, 1.0f / 3.0f, false}, {30.0f, 210.0f, 7, 0.0f, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.seaHeading) + " / " + std::to_string(c.waveHeading));
    testing_support::threeMemberColumn();
    Tpcm& t = TPCM;
    t.ALLRAO = 1;
    t.LRANDM = 1;
    t.LSPRED = 1;
    t.NA = 4;
    t.ANGSEC = 180.0f;
    t.COSEXP = 2.0f;
    t.SEAHDG(1) = c.seaHeading;
    WAVCOM.NA2 = 2;
    WAVCOM.DA = 0.7853982f;
    WAVCOM.ANGNRM = 1.0f / 6.0f;
    for (int i = 1; i <= t.NWP; ++i) WAVCOM.WPSD(i) = 1.0f;
    seaHeadingFile(c.waveHeading / 57.2957795f - EQUILB.TANGLE(1));
    ASSERT_EQ(run(), -1) << screen;
    EXPECT_EQ(OUTPUT.IANG, c.IANG);
    EXPECT_TRUE(IsClose(OUTPUT.SPDVAL, c.SPDVAL, 1e-6, 1e-7));
    EXPECT_EQ(contains(screen, " >>> Outputting wave-frequency rao data..."), c.reported);
  }
}

// "MOMDAT": per period, per moment element, per component one record of one complex value, the
// element's wave and drag load referred in phase to the base; under the imposed extension alone the
// members carry no wave force and the records no phase factor.
TEST_F(MemberLoads, MomdatHoldsOneComplexPerRecordPeriodMajor) {
  for (const std::int32_t extension : {0, 1}) {
    SCOPED_TRACE("LEXTND " + std::to_string(extension));
    testing_support::threeMemberColumn();
    testing_support::setElementTables(testing_support::threeMembers());
    testing_support::setWaveGrid(40, 4.0f, 0.25f);
    Tpcm& t = TPCM;
    t.LEXTND = extension;
    t.NMOMT = 3;
    for (int e = 1; e <= 3; ++e) t.LMOMT(e) = 1;
    seaHeadingFile();
    ASSERT_EQ(run(), -1) << screen;
    const testing_support::RecordDump dump = testing_support::dumpRecords("MOMDAT");
    ASSERT_TRUE(dump.clean);
    ASSERT_EQ(dump.records.size(), 600u);
    for (const testing_support::Record& r : dump.records) ASSERT_EQ(r.bytes(), 8u);

    // The last period's records are those of the tables the loads left.
    const Dyncom& d = DYNCOM;
    const float DRAGCF = 0.0316f * std::sqrt(64.0f / 3.1415927f) / testing_support::kFixtureG;
    const double phaseLength = d.CSLMWV * d.RBASE(1, 1) + d.SSLMWV * d.RBASE(2, 1);
    const std::complex<double> P =
        extension == 0 ? std::exp(std::complex<double>(0.0, WAVCOM.WVK(40) * phaseLength)) : 1.0;
    for (int C = 1; C <= 3; ++C) {
      for (int q = 1; q <= 5; ++q) {
        const std::complex<double> expected =
            (std::complex<double>(d.SHMOM1(q, C)) + double(DRAGCF) * std::complex<double>(d.SHMOM2(q, C))) * P;
        const std::complex<double> got = dump.records[static_cast<std::size_t>(585 + 5 * (C - 1) + q - 1)].complexAt(0);
        EXPECT_LE(std::abs(got - expected), 1e-5 * (std::abs(expected) + 1e-3)) << "element " << C << ", " << q;
        if (extension == 1) {
          EXPECT_EQ(d.SHMOM1(q, C), Complex(0.0f));
        }
      }
    }
    if (extension == 1) {
      for (int m = 1; m <= 3; ++m) {
        EXPECT_EQ(d.PARWV(m), Complex(0.0f));
        EXPECT_EQ(d.PRPWV(m), Complex(0.0f));
        EXPECT_EQ(d.TRANF(m), Complex(0.0f));
        EXPECT_EQ(d.TRANT(m), Complex(0.0f));
        EXPECT_EQ(d.TMOM(m), Complex(0.0f));
      }
      for (int j = 1; j <= kLoadStations; ++j) {
        EXPECT_EQ(OUTPUT.FWVSHR(j), Complex(0.0f)) << j;
        EXPECT_EQ(OUTPUT.FWVAXL(j), Complex(0.0f)) << j;
        EXPECT_EQ(OUTPUT.FWVLTR(j), Complex(0.0f)) << j;
      }
    }
  }
}

TEST_F(MemberLoads, WithoutMomentElementsMomdatIsNotTouched) {
  testing_support::threeMemberColumn();
  testing_support::writeFileText("MOMDAT", "an older run's file");
  seaHeadingFile();
  ASSERT_EQ(run(), -1) << screen;
  EXPECT_EQ(testing_support::readFileText("MOMDAT"), "an older run's file");
  EXPECT_FALSE(contains(screen, "shear/moment data"));
}

// A yoke splits the top load between its two sides, which carry the same shears, and rests on two
// hinges; any other connection has neither, and those columns stay 0.
TEST_F(MemberLoads, YokeSidesAndHingesExistOnlyWithAYoke) {
  for (const std::int32_t iarco : {kYoke, kRigidHawser}) {
    SCOPED_TRACE("IARCO " + std::to_string(iarco));
    testing_support::threeMemberColumn(iarco);
    EQUILB.TANGLE(1) = EQUILB.SLMANG(1) + 0.1f;
    EQUILB.FLTRL0 = 3.0f;
    seaHeadingFile();
    ASSERT_EQ(run(), -1) << screen;
    const Output& o = OUTPUT;
    for (int i = 1; i <= TPCM.NWP; ++i) {
      if (iarco == kYoke) {
        EXPECT_EQ(o.NETSHR(i, 7), o.NETSHR(i, 8)) << i;
        EXPECT_EQ(o.NETLTR(i, 7), o.NETLTR(i, 8)) << i;
        EXPECT_NE(o.NETAXL(i, 7), o.NETAXL(i, 8)) << i;
        for (int j = 9; j <= 10; ++j) EXPECT_NE(o.NETSHR(i, j), Complex(0.0f)) << i << ", " << j;
      } else {
        EXPECT_NE(o.NETSHR(i, 7), Complex(0.0f)) << i;
        for (int j = 8; j <= 10; ++j) {
          EXPECT_EQ(o.NETSHR(i, j), Complex(0.0f)) << i << ", " << j;
          EXPECT_EQ(o.NETAXL(i, j), Complex(0.0f)) << i << ", " << j;
          EXPECT_EQ(o.NETLTR(i, j), Complex(0.0f)) << i << ", " << j;
        }
      }
    }
  }
}

// The three-member column with its members in static balance at the mean load H = 40 kips: from the
// top member (1.2 rad) down, each member's cotangent is (Z - M) / H, Z the vertical pull at its top
// and M = (W cg - B cb) / L its moment term, Z growing down the column by the members' net
// buoyancy. Every element is a moment element; each member is one element.
void balancedColumn(std::int32_t iarco, std::vector<testing_support::DynMember> members = testing_support::threeMembers()) {
  const float H = 40.0f;
  const auto momentTerm = [](const testing_support::DynMember& m) {
    return (m.weight * m.cg - m.buoyancy * m.cb) / m.length;
  };
  const int top = static_cast<int>(members.size()) - 1;
  float Z = H / std::tan(members[static_cast<std::size_t>(top)].angle) + momentTerm(members[static_cast<std::size_t>(top)]);
  for (int m = top - 1; m >= 0; --m) {
    Z -= members[static_cast<std::size_t>(m + 1)].weight - members[static_cast<std::size_t>(m + 1)].buoyancy;
    members[static_cast<std::size_t>(m)].angle = std::atan2(H, Z - momentTerm(members[static_cast<std::size_t>(m)]));
  }
  testing_support::setDynamicsColumn(members, iarco);
  testing_support::setElementTables(members);
  Tpcm& t = TPCM;
  t.NMOMT = top + 1;
  for (int e = 1; e <= top + 1; ++e) t.LMOMT(e) = 1;
  seaHeadingFile();
}

// The joints between the members are hinges: with the column in static balance, the loads the load
// solver finds at the member ends keep every member in dynamic moment balance, so that the walk of
// the member-load report up a member (from its bottom loads through the element's weight, inertia
// and the wave and drag loads of "MOMDAT") arrives at the member's top with both bending moments 0
// and with the top loads the load solver found there; with the drag iterated or simplified, on a
// rigid hawser or on a yoke turned out of the SALM plane with a lateral load.
TEST_F(MemberLoads, MembersEndInHingesWithTheLoadsOfTheirTops) {
  struct Case {
    const char* name;
    std::int32_t iarco, SMPDRG;
  };
  const Case cases[] = {{"hawser", kRigidHawser, 0}, {"hawser, simplified drag", kRigidHawser, 1}, {"yoke", kYoke, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    balancedColumn(c.iarco);
    TPCM.SMPDRG = c.SMPDRG;
    if (c.iarco == kYoke) {
      EQUILB.TANGLE(1) = EQUILB.SLMANG(1) + 0.2f;
      EQUILB.FLTRL0 = 3.0f;
    }
    ASSERT_EQ(run(), -1) << screen;
    const Output& o = OUTPUT;
    Momcom& mc = MOMCOM;
    for (int m = 1; m <= 2; ++m) {
      const float L = SOLVE.CNLEN(m);
      EXPECT_LE(std::fabs(mc.STMOMI(m)) + std::fabs(mc.STMOMO(m)), 1e-4f * L * std::fabs(mc.STSHRI(m))) << m;
      for (int i = 1; i <= TPCM.NWP; ++i) {
        SCOPED_TRACE("member " + std::to_string(m) + ", period " + std::to_string(i));
        const Complex pairs[3][2] = {{mc.INSHR(i, m), o.NETSHR(i, 2 * m + 1)},
                                     {mc.ELMAXL(i, m), o.NETAXL(i, 2 * m + 1)},
                                     {mc.OUTSHR(i, m), o.NETLTR(i, 2 * m + 1)}};
        float scale = 0.0f;
        for (const auto& p : pairs) {
          EXPECT_NE(p[1], Complex(0.0f));
          EXPECT_LE(std::abs(p[0] - p[1]), 1e-4f * std::abs(p[1]) + 1e-5f) << p[0] << " against " << p[1];
          scale += std::abs(p[1]);
        }
        EXPECT_LE(std::abs(mc.INMOM(i, m)), 1e-5f * L * scale);
        EXPECT_LE(std::abs(mc.OUTMOM(i, m)), 1e-5f * L * scale);
      }
    }
    if (c.SMPDRG != 0) {
      for (int m = 1; m <= 3; ++m) EXPECT_EQ(DYNCOM.FDAX(m), Complex(0.0f));
    }
  }
}

// The yoke is one rigid body (support/member_free_body.h): the couple of its sides' axial loads carries
// its moment about its top across its plane, as its free body gives it from the loads at its lower end,
// its weight and buoyancy, its wave and drag loads ("MOMDAT"), the inertia of its translation with its
// lower end and of its rotation with its added mass; the member-load report's lateral moment at the
// yoke's top is that couple; and the hinge line at the top carries no moment, in the free body nor in
// the report. The yoke takes water, stands 0.2 rad out of the SALM plane with a lateral load, on
// three members and on two, driven by waves and by the imposed extension alone.
TEST_F(MemberLoads, TheYokeSidesCarryTheMomentOfItsRigidBody) {
  struct Case {
    const char* name;
    std::vector<testing_support::DynMember> members;
    std::int32_t LEXTND;
  };
  const Case cases[] = {{"three members", testing_support::threeMembers(), 0},
                        {"two members", testing_support::twoMembers(), 0},
                        {"three members, the imposed extension", testing_support::threeMembers(), 1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    balancedColumn(kYoke, c.members);
    TPCM.LEXTND = c.LEXTND;
    EQUILB.TANGLE(1) = EQUILB.SLMANG(1) + 0.2f;
    EQUILB.FLTRL0 = 3.0f;
    ASSERT_EQ(run(), -1) << screen;
    const int N = SOLVE.NCON;
    const testing_support::RecordDump momdat = testing_support::dumpRecords("MOMDAT");
    ASSERT_TRUE(momdat.clean);
    const testing_support::RigidPart yoke = testing_support::partOfTheRun(N, SOLVE.JELEM(N + 1) - 1, true, true);  // under water
    std::vector<testing_support::CutMoments> body;
    double peak = 0.0;
    for (int i = 1; i <= TPCM.NWP; ++i) {
      body.push_back(testing_support::cutMoments(yoke, testing_support::periodOfTheRun(i, N, momdat, N)));
      peak = std::max(peak, std::abs(body.back().lateral));
    }
    ASSERT_GT(peak, 1.0);
    Momcom& mc = MOMCOM;
    for (int i = 1; i <= TPCM.NWP; ++i) {
      SCOPED_TRACE("period " + std::to_string(i));
      const testing_support::CutMoments& b = body[static_cast<std::size_t>(i - 1)];
      const double allowed = 1e-3 * std::abs(b.lateral) + 1e-4 * peak;
      EXPECT_LE(std::abs(testing_support::sideCouple(i) - b.lateral), allowed)
          << testing_support::sideCouple(i) << " against " << b.lateral;
      EXPECT_LE(std::abs(std::complex<double>(mc.INMOM(i, N)) - b.lateral), allowed) << mc.INMOM(i, N);
      EXPECT_LE(std::abs(b.inPlane), 1e-4 * peak);
      EXPECT_LE(std::abs(mc.OUTMOM(i, N)), 1e-4 * peak);
    }
  }
}

TEST_F(MemberLoads, ShortMomdatEndsInTheFileErrorStop) {
  testing_support::englishHawserRun();
  ASSERT_EQ(run(), -1) << screen;
  const std::vector<char> bytes = testing_support::readFileBytes("MOMDAT");
  testing_support::writeFileBytes("MOMDAT", bytes.data(), bytes.size() - 16);
  testing_support::ConsoleCapture console("\n");
  EXPECT_EQ(testing_support::stopStatus([] { MOMOUT(); }), kExitFatal);
  EXPECT_TRUE(contains(console.screen(), "\n ++> End of file or related file error in routine MOMOUT\n"
                                         "     file name Unknown\n"))
      << console.screen();
  closeAllUnits();
}

// Members nearly in line leave the axial load to a small divisor: a warning that names the members,
// where they stand under the mean load and what to change (for a buoyant riser, its length against
// the height to the keel), and the user may stop; an unattended run stops after the warning.
TEST_F(MemberLoads, NearlyAlignedMembersAreWarnedOf) {
  const std::string warning =
      "\n ++> WARNING: All members are nearly aligned in mean condition;\n"
      "              Relative alignment is less than 0.573 degrees.\n"
      "              Member load calculations may be unreliable...\n"
      "     Under the mean load of 40.00 kips, member 1 (element 1) stands at 17.19 deg\n"
      "     and member 2 (element 2) at 17.76 deg from the vertical; their loads\n";
  struct Case {
    const char* what;
    std::int32_t attachment;
    std::string advice;
  };
  const Case cases[] = {
      {"a rigid hawser", kRigidHawser,
       "     need 1.72 deg between two members at least. Change the element lengths\n"
       "     (page 3, item 2), the water depth (page 1, item 4) or the height of the\n"
       "     attachment (page 3, item 14 then 1).\n\n"},
      {"a buoyant riser", kBuoyantRiser,
       "     need 1.72 deg between two members at least. Give the buoyant riser more\n"
       "     length than the height from its hinge to the vessel's keel: lengthen an\n"
       "     element (page 3, item 2), reduce the water depth (page 1, item 4) or deepen\n"
       "     the draft (page 5, item 10).\n\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const auto alignedColumn = [&c] {
      auto members = testing_support::twoMembers();
      members[1].angle = 0.31f;  // 0.01 rad from member 1
      testing_support::setDynamicsColumn(members, c.attachment);
      seaHeadingFile();
    };
    const std::string message = warning + c.advice;
    alignedColumn();
    EXPECT_EQ(run("a\n"), kExitFatal);
    EXPECT_TRUE(contains(screen, message + "\a\n Enter \"A\" to abort or Press <RETURN> to continue: ")) << screen;

    alignedColumn();
    EXPECT_EQ(run("\n"), -1);
    EXPECT_TRUE(contains(screen, message)) << screen;
    EXPECT_EQ(OUTPUT.ISPRED, 1);

    alignedColumn();
    TPCM.EDUNIT = kDiagnosticsUnit;
    RHOPEN("Diagnostics.stxt", kFormatted, kFresh, 0, kDiagnosticsUnit, "TEST", kScreenUnit, 0);
    EXPECT_EQ(run(), kExitFatal);
    closeAllUnits();
    EXPECT_TRUE(contains(testing_support::readFileText("Diagnostics.stxt"), message));
  }
}

TEST_F(MemberLoads, ColumnsItCannotLoadStop) {
  struct Case {
    const char* name;
    void (*setUp)();
    const char* message;
  };
  const Case cases[] = {
      {"a yoke without an arm",
       [] {
         testing_support::threeMemberColumn(kYoke);
         TPCM.PNDARM = 0.0f;
       },
       " ++> Wave heading   28.65: the arm of the yoke sides (PNDARM) is 0;\n"
       "     the side loads are indeterminate\n"
       "     Enter the separation of the yoke's attachment points\n"
       "     (page 3, item 14 then 3)."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    c.setUp();
    seaHeadingFile();
    EXPECT_EQ(run("\n"), kExitFatal);
    EXPECT_TRUE(contains(screen, std::string(c.message) + "\n\n Press <RETURN> to continue: ")) << screen;
  }
}

}  // namespace
}  // namespace qv
