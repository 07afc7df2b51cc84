// The attached-SALM driver: the in-plane mode of the three-member column against the mechanism of
// a chain with fixed ends (tests/dynamics/reference/dynamics_reference.py: the second derivative of the
// potential along the closure path, the kinetic energy of the three rigid members), the drag areas
// and drag integrals of member 2 against quadrature, the limit of G2CST in the SALM plane, the run
// flags, and the stops of the configurations it cannot evaluate.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "dataset/tpcm_codes.h"
#include "dynamics/dyncom.h"
#include "dynamics/dynslm.h"
#include "dynamics_fixtures.h"
#include "dynamics_run.h"
#include "lowfreq/sines.h"
#include "platform/units.h"
#include "slowdrift/output.h"
#include "support/checks.h"
#include "support/console_capture.h"
#include "support/temp_dir.h"
#include "yokemot_file.h"

namespace qv {
namespace {

using testing_support::ConsoleCapture;
using testing_support::contains;
using testing_support::IsClose;
using testing_support::stopStatus;

class DynamicsDriver : public testing_support::DynamicsRun {};

// dynamics_reference.py: the potential C1 cos phi1 + C2 cos phi2 + C3 cos phi3 (C = -900, -400,
// -150) has the second derivative 1522.887 along the closure path; twice the kinetic energy of the
// members for a unit rate of phi1 is 604.78687, so the in-plane mode has the period 3.9595624 s.
TEST_F(DynamicsDriver, InPlaneModeOfTheThreeMemberColumnIsTheChainWithFixedEnds) {
  testing_support::threeMemberColumn();
  TPCM.LEXTND = 1;
  ASSERT_EQ(run(), -1) << screen;
  EXPECT_EQ(SINES.C1, -900.0f);
  EXPECT_EQ(SINES.C2, -400.0f);
  EXPECT_EQ(SINES.C3, -150.0f);
  const Output& o = OUTPUT;
  EXPECT_TRUE(IsClose(o.WMODEH * o.WMODEH * o.EQMASS, 1522.887, 1e-4));
  EXPECT_TRUE(IsClose(o.EQMASS, 604.78687, 1e-5));
  EXPECT_TRUE(IsClose(o.TSALMH, 3.9595624, 1e-5));
  EXPECT_TRUE(contains(screen, " >>> Computing Salm normal mode parameters...\n"
                               " >>> Salm normal mode periods =  3.96,  4.30 seconds\n"));
}

// dynamics_reference.py: the projected area of a member is its diameter times its length, and
// member 2, whose points move as 1 + a x in the in-plane mode (a = BETA2 / (L1 cos(phi2 - phi1))
// = -0.0912, so the motion changes sign along it), has FRCFC2 = front x sum Cd D int q|q| dx and
// TRQFC2 = front x sum Cd D int x q|q| dx, front = (L1 cos(phi2 - phi1))^2.
TEST_F(DynamicsDriver, DragAreasAndTheDragIntegralsOfMemberTwo) {
  struct Case {
    const char* name;
    bool splitMember2;
    double FRCFC2, TRQFC2;
  };
  const Case cases[] = {
      {"member 2 one element, the sign change inside", false, 6535.2661, 14092.710},
      {"member 2 two elements, the sign change in the second", true, 7245.3068, 15783.511},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    testing_support::threeMemberColumn();
    TPCM.LEXTND = 1;
    if (c.splitMember2) {
      // Elements 20 ft (B 60) | 6 ft (B 10), 9 ft (B 10) | 10 ft (B 40).
      Tpcm& t = TPCM;
      const float length[] = {20.0f, 6.0f, 9.0f, 10.0f}, buoyancy[] = {60.0f, 10.0f, 10.0f, 40.0f};
      for (int k = 1; k <= 4; ++k) {
        t.SLEN(k) = length[k - 1];
        t.BUOY(k) = buoyancy[k - 1];
        t.COFMST(k) = t.COFDMT(k) = 1.0f;
      }
      t.NELEM = 4;
      SOLVE.JELEM(3) = 4;
      SOLVE.JELEM(4) = 5;
    }
    ASSERT_EQ(run(), -1) << screen;
    const Dyncom& d = DYNCOM;
    EXPECT_TRUE(IsClose(d.FRCFC2, c.FRCFC2, 2e-5));
    EXPECT_TRUE(IsClose(d.TRQFC2, c.TRQFC2, 2e-5));
    if (c.splitMember2) continue;
    const double area[] = {154.50967, 77.254837, 89.206202};
    const float cb[] = {10.0f, 5.0f, 5.0f};
    for (int m = 1; m <= 3; ++m) {
      EXPECT_TRUE(IsClose(d.AMOM0(m), area[m - 1], 1e-5)) << "member " << m;
      EXPECT_TRUE(IsClose(d.AMOM3(m), area[m - 1] * cb[m - 1] * cb[m - 1] * cb[m - 1], 1e-5)) << "member " << m;
    }
  }
}

// With the yoke in the SALM plane, G2CST = DVDTDP / APHI is 0 / 0; its value is the limit of the
// quotient, (C2/L2 - C3/L3) L1 s1 s2 s3 / DENOM, which a yoke turned 0.001 rad out of the plane
// reaches to the order of the angle squared.
TEST_F(DynamicsDriver, G2cstInTheSalmPlaneIsTheLimitOfTheQuotient) {
  const auto g2cst = [this](float relang) {
    testing_support::threeMemberColumn(kYoke);
    TPCM.LEXTND = 1;
    EQUILB.TANGLE(1) = EQUILB.SLMANG(1) + relang;
    EXPECT_EQ(run(), -1) << screen;
    return DYNCOM.G2CST;
  };
  const double s1 = std::sin(0.2f), s2 = std::sin(0.5f), s3 = std::sin(1.2f);
  const double limit = (-400.0 / 15.0 + 150.0 / 10.0) * 20.0 * s1 * s2 * s3 / std::sin(1.2f - 0.5f);
  EXPECT_TRUE(IsClose(g2cst(0.0f), limit, 1e-5));
  EXPECT_TRUE(IsClose(g2cst(0.001f), limit, 1e-4));
}

// Several wave directions act when the sea is spread, or when two of the random sea, the swell and
// the second swell act more than 0.1 degrees apart, whichever of the swells is called first (a second
// swell without the swell is none); the imposed extension knows one direction only.
TEST_F(DynamicsDriver, RunFlags) {
  struct Case {
    const char* name;
    std::int32_t LSPRED, LSWELL, LRANDM;
    float SWLHDG;
    std::int32_t LEXTND;
    std::int32_t SPRDFG, MLTRAO;
    std::int32_t LSWEL2 = 0;
    float SWLHDG2 = 0.0f;
  };
  const Case cases[] = {
      {"long-crested sea alone", 0, 0, 1, 90.0f, 0, 0, 0},
      {"spread sea", 1, 0, 1, 30.0f, 0, 1, 1},
      {"swell 0.05 deg off the sea", 0, 1, 1, 30.05f, 0, 0, 0},
      {"swell 0.2 deg off the sea", 0, 1, 1, 30.2f, 0, 0, 1},
      {"swell off the sea without a random sea", 0, 1, 0, 90.0f, 0, 0, 0},
      {"spread sea under the extension", 1, 0, 1, 30.0f, 2, 1, 0},
      {"two swells 0.2 deg apart without a random sea", 0, 1, 0, 90.0f, 0, 0, 1, 1, 90.2f},
      {"the same swells called the other way", 0, 1, 0, 90.2f, 0, 0, 1, 1, 90.0f},
      {"two swells of one heading without a random sea", 0, 1, 0, 90.0f, 0, 0, 0, 1, 90.0f},
      {"a second swell off the sea, the swell on it", 0, 1, 1, 30.0f, 0, 0, 1, 1, 60.0f},
      {"a second swell off the sea without the swell", 0, 0, 1, 30.0f, 0, 0, 0, 1, 60.0f},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    testing_support::threeMemberColumn();
    Tpcm& t = TPCM;
    t.LSPRED = c.LSPRED;
    t.LSWELL = c.LSWELL;
    t.LRANDM = c.LRANDM;
    t.SWLHDG = c.SWLHDG;
    t.LSWEL2 = c.LSWEL2;
    t.SWLHDG2 = c.SWLHDG2;
    t.LEXTND = c.LEXTND;
    t.ALLRAO = 1;
    t.PRNRAO = 1;
    testing_support::writeYokemot({testing_support::smoothHeading(t.NWP, 1, 0.2f, 0)});
    ASSERT_EQ(run(), -1) << screen;
    EXPECT_EQ(OUTPUT.SPRDFG, c.SPRDFG);
    EXPECT_EQ(OUTPUT.MLTRAO, c.MLTRAO);
    EXPECT_EQ(OUTPUT.LREG, 2);
    EXPECT_EQ(OUTPUT.NRAOSM, 1);
  }
}

// Every configuration the stage cannot evaluate stops before any motion is solved: the message, the
// pause, status 1.
TEST_F(DynamicsDriver, ConfigurationsItCannotEvaluateStop) {
  using testing_support::DynMember;
  struct Case {
    const char* name;
    std::function<void()> setUp;
    const char* message;
  };
  const auto withAngles = [](std::vector<DynMember> members, std::initializer_list<float> angles, std::int32_t iarco) {
    auto a = angles.begin();
    for (DynMember& m : members) m.angle = *a++;
    testing_support::setDynamicsColumn(members, iarco);
  };
  const Case cases[] = {
      {"four members with a yoke",
       [] {
         auto m = testing_support::threeMembers();
         m.push_back({5.0f, 5.0f, 2.5f, 0.0f, 2.5f, 1.4f, 1.5f});
         testing_support::setDynamicsColumn(m, kYoke);
       },
       " ++> Too many Salm members for dynamic evaluation\n"
       "     The column has 4 members: elements 1, 2, 3 and 4 have a free lower joint\n"
       "     (page 3, item 7); the dynamics of an attached Salm takes 2 or 3 members.\n"},
      {"three members on a buoyant riser", [] { testing_support::threeMemberColumn(kBuoyantRiser); },
       " ++> Too many Salm members for dynamic evaluation"},
      {"one member",
       [] { testing_support::setDynamicsColumn({testing_support::twoMembers()[0]}, kRigidHawser); },
       " ++> Too few Salm members for dynamic evaluation"},
      {"members 1 and 2 at one angle",
       [&] { withAngles(testing_support::twoMembers(), {0.4f, 0.4f}, kRigidHawser); },
       " ++> INDETERMINATE AXIAL LOAD CONFIGURATION"},
      {"two members in line with the yoke folded back",
       [&] {
         withAngles(testing_support::twoMembers(), {0.3f, -0.3f}, kYoke);
         EQUILB.SLMANG(1) = 0.0f;
         EQUILB.TANGLE(1) = 3.1415927f;  // RELANG = pi: cos = -1
       },
       " ++> Salm members aligned: member rotations indeterminate"},
      {"two members, member 1 vertical",
       [&] { withAngles(testing_support::twoMembers(), {0.0f, 0.5f}, kRigidHawser); },
       " ++> Salm member 1: vertical in the mean configuration;\n"
       "     its transverse rotation is indeterminate\n"},
      {"three members, member 2 vertical",
       [&] { withAngles(testing_support::threeMembers(), {0.2f, 0.0f, 1.2f}, kRigidHawser); },
       " ++> Salm member 2: vertical in the mean configuration;\n"
       "     its transverse rotation is indeterminate\n"},
      {"three members, members 2 and 3 in line",
       [&] { withAngles(testing_support::threeMembers(), {0.2f, 0.7f, 0.7f}, kRigidHawser); },
       " ++> Salm members 2 and 3: in line in the mean configuration;\n"
       "     the linkage ratios are indeterminate\n"},
      {"three members without buoyancy: the chain hangs the wrong way up",
       [] {
         auto m = testing_support::threeMembers();
         for (auto& x : m) x.buoyancy = 0.0f;
         testing_support::setDynamicsColumn(m, kRigidHawser);
       },
       // The message lists the members as the statics summed them, and the mean load.
       ";\n     the mode has no period\n"
       "     The weights and buoyancies of the members do not restore it in the mean\n"
       "     configuration under the load 40.00 kips:\n"
       "     member 1 (element 1): length 20.00 feet, weight 30.00 kips,\n"
       "     buoyancy 0.00 kips,\n"
       "     member 2 (element 2): length 15.00 feet, weight 20.00 kips,\n"
       "     buoyancy 0.00 kips,\n"
       "     member 3 (element 3): length 10.00 feet, weight 10.00 kips,\n"
       "     buoyancy 0.00 kips.\n"
       "     Check the element volumes, weights and their centres\n"
       "     (page 3, items 3 to 6).\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    c.setUp();
    TPCM.LEXTND = 1;
    EXPECT_EQ(run("\n"), kExitFatal);
    EXPECT_TRUE(contains(screen, c.message)) << screen;
    EXPECT_TRUE(contains(screen, "Press <RETURN> to continue: ")) << screen;
    EXPECT_FALSE(contains(screen, "wave-frequency motions")) << screen;
  }
}

// The report and plot files of the run are made fresh and every unit of the run is closed before
// the statistics. With page 18 asking for no table (LREG 0) the report says so and names the items
// that ask for them, and the plot table holds no curve: neither is left empty.
TEST_F(DynamicsDriver, FilesOfTheRunAreClosedAtItsEnd) {
  testing_support::threeMemberColumn();
  TPCM.IUNIT = 1;
  TPCM.IPLOTS = 1;
  testing_support::writeFileBytes("DYNOUT.stxt", "old report", 10);
  testing_support::writeYokemot({testing_support::smoothHeading(TPCM.NWP, 1, 0.2f, 0)});
  ASSERT_EQ(run(), -1) << screen;
  const std::string report = testing_support::readFileText("DYNOUT.stxt");
  EXPECT_FALSE(contains(report, "old report"));
  EXPECT_TRUE(contains(report, "VII.  SALM MEMBER RESPONSE CHARACTERISTICS")) << report;
  EXPECT_TRUE(contains(report, "\n >>> NO MEMBER RESPONSE TABLES\n\n     Page 18 asks for none: ")) << report;
  EXPECT_TRUE(contains(report, "(item 3)") && contains(report, "(item 4) are both 0.")) << report;
  EXPECT_EQ(testing_support::readFileText("DYNPLT.plt"), "    1\n    0\n");
  for (const int unit : {1, kYokeMotionUnit, kDynamicsPlotUnit}) EXPECT_FALSE(unitConnected(unit)) << unit;
}

// The debug listings and their questions change no result; the listing of the driver lets the user
// set the report level.
TEST_F(DynamicsDriver, DebugListingsChangeNoResult) {
  const auto solve = [this](std::int32_t debug, const std::string& typed) {
    testing_support::threeMemberColumn();
    TPCM.NBUG0 = debug;
    testing_support::writeYokemot({testing_support::smoothHeading(TPCM.NWP, 1, 0.2f, 0)});
    EXPECT_EQ(run(typed), -1) << screen;
    std::vector<Complex> angles;
    for (int i = 1; i <= TPCM.NWP; ++i) {
      for (int m = 1; m <= 3; ++m) angles.push_back(OUTPUT.PHIMEM(i, m));
      for (int m = 1; m <= 3; ++m) angles.push_back(OUTPUT.THTMEM(i, m));
    }
    return angles;
  };
  const std::vector<Complex> plain = solve(0, "");
  // DYNSLM: level 1, the pause, LREG 2, level 0; MEMMOT: level 1, SMPDRG kept, and the member
  // loads' own questions of the trace (the points of each drag integral) kept as they are.
  const std::vector<Complex> traced = solve(1, "1\n\n2\n0\n1\n" + std::string(5000, '\n'));
  EXPECT_EQ(traced, plain);
  EXPECT_EQ(OUTPUT.LREG, 2);
  EXPECT_EQ(TPCM.SMPDRG, 0);
  EXPECT_TRUE(contains(screen, " ### In DYNSLM:\n")) << screen;
  EXPECT_TRUE(contains(screen, "Input LREG (=0,1,2) ")) << screen;
  EXPECT_TRUE(contains(screen, " ### In MEMMOT:\n")) << screen;
  EXPECT_TRUE(contains(screen, "INPUT SMPDRG:")) << screen;
}

TEST_F(DynamicsDriver, AMotionFileWithoutItsFirstRecordStops) {
  testing_support::threeMemberColumn();
  testing_support::writeYokemot({});
  EXPECT_EQ(run("\n"), kExitFatal);
  EXPECT_TRUE(contains(screen, "\n ++> End of file or related file error in routine DYNSLM\n"
                               "     file name Unknown\n"))
      << screen;

  std::filesystem::remove("YOKEMOT");
  testing_support::threeMemberColumn();
  EXPECT_EQ(run("\n"), kExitFatal);
  EXPECT_TRUE(contains(screen, "DYNSLM")) << screen;
  EXPECT_TRUE(contains(screen, "YOKEMOT")) << screen;
}

}  // namespace
}  // namespace qv
