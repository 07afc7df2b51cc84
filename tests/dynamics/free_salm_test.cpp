// The free-SALM stage FREMOT and FRELOD (its reports: dynamics_report_test.cpp): the modes of one
// and two upright members against the mechanism of rigid bodies in still water
// (tests/dynamics/reference/free_salm_reference.py: the
// compound pendulum with buoyancy, scipy's eigh of the two members' Lagrangian), the response
// against the direct solve of the equations of motion with the wave loads of linear wave theory and
// against the drag solved by fsolve, the drag integrals against quadrature, the loads against the
// free body at the joint, the directional shares against the cosine-power integrals, the spectra
// against their significant heights, "MOMDAT", the centrifugal term of the statistics, and the stops.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "dataset/tpcm.h"
#include "dynamics/dyncom.h"
#include "dynamics/frelod.h"
#include "dynamics/fremot.h"
#include "dynamics/ranout.h"
#include "dynamics_fixtures.h"
#include "dynamics_report_fixtures.h"
#include "dynamics_run.h"
#include "free_salm_fixtures.h"
#include "hull/equilb.h"
#include "platform/units.h"
#include "slowdrift/output.h"
#include "statics/solve.h"
#include "support/checks.h"
#include "support/console_capture.h"
#include "util/files.h"
#include "util/unformatted_io.h"
#include "waves/wavcom.h"

namespace qv {
namespace {

using testing_support::contains;
using testing_support::IsClose;

class FreeSalm : public testing_support::DynamicsRun {
 protected:
  // FREMOT with the replies typed: the exit status of a stop (-1 when it returned).
  int run(const std::string& typed = "") { return runStage(FREMOT, typed); }
};

// free_salm_reference.py, one member: omega^2 = (B zb - W zg) / (I_dry + I_added) = 0.229430994.
TEST_F(FreeSalm, OneMemberIsACompoundPendulumWithBuoyancy) {
  testing_support::freeOneMemberColumn();
  ASSERT_EQ(run(), -1) << screen;
  const Output& o = OUTPUT;
  EXPECT_TRUE(IsClose(o.WMODEH * o.WMODEH, 0.22943099358544367, 1e-5));
  EXPECT_TRUE(IsClose(o.TSALMH, 13.117583138332005, 1e-5));
  EXPECT_EQ(DYNCOM.AHI, 0.0f);
  EXPECT_EQ(DYNCOM.ALO, 0.0f);
  EXPECT_TRUE(contains(screen, " >>> Computing free Salm normal mode characteristics...\n"
                               " >>> Free Salm normal mode period = 13.12 seconds\n"))
      << screen;
}

// free_salm_reference.py, two members: K and M from the potential and the kinetic energy of the two
// rigid members with their added mass, the modes by scipy.linalg.eigh(K, M); the shape is the
// rotation of member 2 per unit rotation of member 1, the modal mass phi' M phi for that shape.
TEST_F(FreeSalm, TwoMemberModesAreTheEigenpairsOfTheLagrangian) {
  testing_support::freeTwoMemberColumn();
  ASSERT_EQ(run(), -1) << screen;
  const Output& o = OUTPUT;
  const Dyncom& d = DYNCOM;
  EXPECT_TRUE(IsClose(d.EFK1, 1350.0, 1e-5));
  EXPECT_TRUE(IsClose(d.EFK2, 300.0, 1e-5));
  EXPECT_TRUE(IsClose(d.EFMS11, 2893.1543500978946, 1e-5));
  EXPECT_TRUE(IsClose(d.EFMS12, 559.8407489677231, 1e-5));
  EXPECT_TRUE(IsClose(d.EFMS22, 187.5466509041872, 1e-5));
  EXPECT_TRUE(IsClose(o.WMODEH, 2.12112363, 1e-5));
  EXPECT_TRUE(IsClose(o.WMODEL, 0.626719798, 1e-5));
  EXPECT_TRUE(IsClose(o.TSALMH, 2.96219665, 1e-5));
  EXPECT_TRUE(IsClose(o.TSALML, 10.0255095, 1e-5));
  EXPECT_TRUE(IsClose(d.AHI, -4.63185059, 1e-5));
  EXPECT_TRUE(IsClose(d.ALO, 0.971533928, 1e-5));
  EXPECT_TRUE(IsClose(o.EQMASS, 1730.59027, 1e-5));
  EXPECT_TRUE(IsClose(o.EQMAS2, 4157.9841, 1e-5));
  // The second period one column wider than the first.
  EXPECT_TRUE(contains(screen, " >>> Free Salm normal mode periods =  2.96,  10.03 seconds\n")) << screen;
}

// Without coupling between the members (member 2 with its weight and added mass on its lower joint)
// the frequency equation factorises into the two members' own frequencies, the larger one the high
// mode; the shapes would divide by the coupling, so the run stops after the frequencies.
TEST_F(FreeSalm, UncoupledMembersGiveTheirOwnFrequencies) {
  struct Case {
    const char* name;
    float cb2;  // member 2's centre of buoyancy [ft]: its own stiffness
  };
  const Case cases[] = {{"member 2 the stiffer", 7.5f}, {"member 2 the softer", 0.05f}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    testing_support::freeTwoMemberColumn();
    Solve& s = SOLVE;
    s.CNCG(2) = 0.0f;
    s.CNCB(2) = c.cb2;
    s.ADMLBD(2) = 0.0f;
    ASSERT_EQ(run("\n"), 1) << screen;
    EXPECT_TRUE(contains(screen, " ++> Free Salm has no stable upright mode; check buoyancy and weights\n")) << screen;
    const Dyncom& d = DYNCOM;
    EXPECT_EQ(d.EFMS12, 0.0f);
    const double own1 = d.EFK1 / d.EFMS11, own2 = d.EFK2 / d.EFMS22;
    EXPECT_TRUE(IsClose(OUTPUT.WMODEH * OUTPUT.WMODEH, std::max(own1, own2), 1e-5));
    EXPECT_TRUE(IsClose(OUTPUT.WMODEL * OUTPUT.WMODEL, std::min(own1, own2), 1e-5));
  }
}

// free_salm_reference.py: without member drag the response is (K - w^2 M)^-1 Q, Q the generalised
// forces of the members' inertia loads in the wave of linear theory (numpy.linalg.solve). Newton's
// method reaches it; so does the modal estimate of the simplified drag model when the modes are
// undamped (COFDMP 0), two modes being the whole two-member system.
TEST_F(FreeSalm, ResponseWithoutDragIsTheDirectSolve) {
  struct Period {
    Complex dphi1, dphi2;
  };
  // (K - w^2 M) dphi = Q at T = 5, 7, ..., 15 s; the response is in quadrature with the crest.
  const Period expected[] = {
      {{0.0f, -0.0193592442f}, {0.0f, -0.00991109531f}}, {{0.0f, -0.0506324018f}, {0.0f, -0.0507341284f}},
      {{0.0f, -0.194481773f}, {0.0f, -0.192768801f}},    {{0.0f, 0.241140463f}, {0.0f, 0.230146635f}},
      {{0.0f, 0.08838209f}, {0.0f, 0.0819144545f}},      {{0.0f, 0.0573734662f}, {0.0f, 0.0520769929f}},
  };
  for (const std::int32_t simplified : {0, 1}) {
    SCOPED_TRACE(simplified != 0 ? "simplified drag, undamped modes" : "Newton's method, no member drag");
    testing_support::freeTwoMemberColumn();
    TPCM.COFDMT(1) = TPCM.COFDMT(2) = 0.0f;
    TPCM.SMPDRG = simplified;
    if (simplified != 0) TPCM.COFDMP = 0.0f;
    ASSERT_EQ(run(), -1) << screen;
    for (int i = 1; i <= 6; ++i) {
      const Period& e = expected[i - 1];
      EXPECT_LE(std::abs(OUTPUT.PHIMEM(i, 1) - e.dphi1), 1e-5 * std::abs(e.dphi1)) << "period " << i;
      EXPECT_LE(std::abs(OUTPUT.PHIMEM(i, 2) - e.dphi2), 1e-5 * std::abs(e.dphi2)) << "period " << i;
    }
  }
}

// free_salm_reference.py: the drag linearised on the relative velocity at the wave amplitude, its
// generalised forces by quadrature, the complex equation solved by fsolve. The program's drag is a
// Simpson sum within a few tenths of a percent of the quadrature, and Newton's step stops when the
// angles change by less than 1 %.
TEST_F(FreeSalm, ResponseWithDragIsTheSolutionOfTheDragEquation) {
  struct Period {
    Complex dphi1, dphi2;
  };
  const Period expected[] = {
      {{0.000699755282f, -0.0192834285f}, {0.00102083452f, -0.00987259193f}},
      {{0.0112002662f, -0.0465695291f}, {0.00862005123f, -0.0473601579f}},
      {{0.0660963526f, -0.054857838f}, {0.0604403873f, -0.0610977826f}},
      {{0.0901992792f, 0.00172451365f}, {0.0864873425f, -0.00588019537f}},
      {{0.0633594511f, 0.0367220507f}, {0.0606574059f, 0.0305627153f}},
      {{0.0389340283f, 0.0405733484f}, {0.0364561987f, 0.0354579572f}},
  };
  testing_support::freeTwoMemberColumn();
  ASSERT_EQ(run(), -1) << screen;
  for (int i = 1; i <= 6; ++i) {
    const Period& e = expected[i - 1];
    EXPECT_LE(std::abs(OUTPUT.PHIMEM(i, 1) - e.dphi1), 1e-2 * std::abs(e.dphi1)) << "period " << i;
    EXPECT_LE(std::abs(OUTPUT.PHIMEM(i, 2) - e.dphi2), 1e-2 * std::abs(e.dphi2)) << "period " << i;
  }
  EXPECT_EQ(TPCM.ISTAT, 37);
  EXPECT_EQ(OUTPUT.ISPRED, 1);
  EXPECT_EQ(OUTPUT.NRAOSM, 1);
}

// The free body at the joint: the shear at the bottom of member 2 is that at the top of member 1
// turned by the members' relative rotation under the joint's axial load ZLOAD0(2) (40 kips of
// upward pull), when the angles solve the equations of motion (no drag: exactly). The free top
// carries nothing; a single member has no stations 3 and 4.
TEST_F(FreeSalm, MemberEndLoadsBalanceAtTheJointAndVanishAtTheTop) {
  testing_support::freeTwoMemberColumn();
  TPCM.COFDMT(1) = TPCM.COFDMT(2) = 0.0f;
  ASSERT_EQ(run(), -1) << screen;
  const Output& o = OUTPUT;
  for (int i = 1; i <= 6; ++i) {
    const Complex turned = o.NETSHR(i, 3) + SOLVE.ZLOAD0(2) * (o.PHIMEM(i, 1) - o.PHIMEM(i, 2));
    EXPECT_LE(std::abs(o.NETSHR(i, 4) - turned), 1e-5 * std::abs(o.NETSHR(i, 4))) << "period " << i;
  }
  for (const auto* part : {&o.INRSHR, &o.INRAXL, &o.FWVSHR, &o.FWVAXL, &o.STASHR, &o.STAAXL}) {
    EXPECT_EQ((*part)(4), Complex(0.0f));
  }

  testing_support::freeOneMemberColumn();
  ASSERT_EQ(run(), -1) << screen;
  for (int i = 1; i <= 6; ++i) {
    for (int column = 3; column <= 4; ++column) {
      EXPECT_EQ(o.NETSHR(i, column), Complex(0.0f)) << "period " << i << " column " << column;
      EXPECT_EQ(o.NETAXL(i, column), Complex(0.0f)) << "period " << i << " column " << column;
    }
    EXPECT_EQ(o.PHIMEM(i, 2), Complex(0.0f));
    EXPECT_NE(o.NETSHR(i, 2), Complex(0.0f));
  }
  for (const auto* part : {&o.INRSHR, &o.INRAXL, &o.FWVSHR, &o.FWVAXL, &o.STASHR, &o.STAAXL}) {
    EXPECT_EQ((*part)(2), Complex(0.0f));
  }
}

// free_salm_reference.py: a member's projected area is its diameter D = 2 sqrt(B / (rho g pi L))
// times its length. The cubic drag integral of member 1 is the integral of D x^3 over member 1
// alone; that of member 2 in the high mode, integral of D |L1 + AHI s|^3 over it, exact about the
// node s = 6.4769 that this one-element member holds; in the low mode the element's centre stands
// for it.
TEST_F(FreeSalm, DragIntegralsOfTheModes) {
  testing_support::freeTwoMemberColumn();
  ASSERT_EQ(run(), -1) << screen;
  const Dyncom& d = DYNCOM;
  EXPECT_TRUE(IsClose(d.A1MOM3, 1042940.32, 1e-5));
  EXPECT_TRUE(IsClose(d.A2MOMH, 1559474.606, 1e-5));
  // D2 L2 (L1 + ALO cb2)^3 with ALO = 0.971533928.
  EXPECT_TRUE(IsClose(d.A2MOML, 6936515.163, 1e-5));
  // D1 L1 cb1^2 and times cb1.
  EXPECT_TRUE(IsClose(d.AMOM2(1), 34764.67818, 1e-5));
  EXPECT_TRUE(IsClose(d.AMOM3(1), 521470.1727, 1e-5));
}

// A piercing member standing upright with 10 ft of its buoyant part dry keeps the added mass, its
// moment and its added inertia of the wet 30 ft only (added mass coefficient 1, spread evenly) under a
// dry buoy top (WETYOK 0): 19.2 kips at 15 ft, inertia 19.2 (15^2 + 30^2 / 12) / G about the base;
// under a wet one (WETYOK 2) those of all 40 ft, 25.6 kips at 20 ft, inertia 25.6 (20^2 + 40^2 / 12)
// / G, as its wave loads act on the dry part too. Its buoyancy, 19.2 kips, acts at the wet centroid
// either way. The column is then the compound pendulum of
// tests/run/reference/piercing_column_reference.py: omega^2 = (B_wet 15 - W 20) / (I_dry + I_added).
TEST_F(FreeSalm, PiercingMemberKeepsTheBuoyancyOfItsWetPartAndTheAddedMassOfWhatIsWet) {
  struct Case {
    std::int32_t wetyok;
    double addedMass, addedLever, addedInertia, omega2, period;
  };
  for (const Case& c : {Case{0, 19.2, 15.0, 179.14903966967134, 0.2553012440611576, 12.435217988183071},
                        Case{2, 25.6, 20.0, 424.64956456332, 0.1491041783307424, 16.27177616496536}}) {
    SCOPED_TRACE(c.wetyok);
    testing_support::setFreeColumn({{40.0f, 10.0f, 20.0f, 25.6f, 20.0f, 11.5f, 0.0f}});
    Tpcm& t = TPCM;
    Solve& s = SOLVE;
    t.WETYOK = c.wetyok;
    t.DEPTH = 30.0f;
    t.IPIERC = 1;
    t.WPAPRC = 10.0f;  // 25.6 kips over 40 ft at 0.064 kips/ft^3
    s.DEFF = 30.0f;
    s.IPERCN = 1;
    s.HDRY0 = 10.0f;
    s.BOYLEN = 40.0f;
    s.WETVL0 = 25.6f;
    s.B0 = 19.2f;
    s.PRCCB = 20.0f;
    ASSERT_EQ(run(), -1) << screen;
    EXPECT_EQ(s.HDRY, 10.0f);
    EXPECT_TRUE(IsClose(s.DRYVOL, 6.4, 1e-6));
    EXPECT_TRUE(IsClose(s.ADMBCY(1), c.addedMass, 1e-6));
    EXPECT_TRUE(IsClose(s.ADMLBD(1), c.addedMass * c.addedLever, 1e-6));
    EXPECT_TRUE(IsClose(DYNCOM.AMITMP(1), c.addedInertia, 1e-5));
    EXPECT_EQ(DYNCOM.TMPBCY(1), 19.2f);
    EXPECT_TRUE(IsClose(DYNCOM.TMPLBD(1), 19.2 * 15.0, 1e-6));
    EXPECT_TRUE(IsClose(OUTPUT.WMODEH * OUTPUT.WMODEH, c.omega2, 1e-4));
    EXPECT_TRUE(IsClose(OUTPUT.TSALMH, c.period, 1e-4));
  }
}

// The stops of the driver, each with its message, the pause and status 1; the swell is checked
// before the member count. A swell's grid point (its period's offset in steps from T(1), rounded)
// must lie from T(3) on up to T(NWP).
TEST_F(FreeSalm, ColumnsItCannotEvaluateStop) {
  struct Case {
    const char* name;
    std::function<void()> setUp;
    const char* message;  // nullptr: the run goes through
  };
  const auto swellAt = [](float period) {
    TPCM.LSWELL = 1;
    TPCM.SWLTYP = 6;
    TPCM.SWELHT = 3.0f;
    TPCM.SWELPD = period;
  };
  const Case cases[] = {
      {"no regular-wave period", [] { testing_support::freeTwoMemberColumn(); TPCM.NWP = 0; },
       " ++> No regular-wave periods: the free Salm dynamics have nothing to evaluate"},
      {"swell at the second period",
       [&] {
         testing_support::freeTwoMemberColumn();
         swellAt(7.0f);
       },
       " ++> SWELL OUTSIDE WAVE PERIOD RANGE\n"
       "     The swell peak period 7.00 s (page 16) is nearest to none of the wave\n"
       "     periods 9.00 to 15.00 s of page 14."},
      {"swell at the third period", [&] {
         testing_support::freeTwoMemberColumn();
         swellAt(9.0f);
       },
       nullptr},
      {"swell at the last period",
       [&] {
         testing_support::freeTwoMemberColumn();
         swellAt(15.0f);
       },
       nullptr},
      {"swell half a step beyond the last period",
       [&] {
         testing_support::freeTwoMemberColumn();
         swellAt(16.0f);
       },
       " ++> SWELL OUTSIDE WAVE PERIOD RANGE\n"
       "     The swell peak period 16.00 s (page 16) is nearest to none of the wave\n"
       "     periods 9.00 to 15.00 s of page 14."},
      {"three members and a swell outside the grid",
       [&] {
         testing_support::setFreeColumn(testing_support::threeMembers());
         swellAt(40.0f);
       },
       " ++> SWELL OUTSIDE WAVE PERIOD RANGE\n"
       "     The swell peak period 40.00 s (page 16) is nearest to none of the wave\n"
       "     periods 9.00 to 15.00 s of page 14."},
      {"three members", [] { testing_support::setFreeColumn(testing_support::threeMembers()); },
       " ++> Too many Salm members for dynamic evaluation\n"
       "     The column has 3 members: elements 1, 2 and 3 have a free lower joint\n"
       "     (page 3, item 7); the dynamics of a free Salm takes 1 or 2 members."},
      // The message lists each member's weight and buoyancy with their heights over its lower joint:
      // the weight's moment outweighs the buoyancy's.
      {"one member heavier above its buoyancy",
       [] { testing_support::setFreeColumn({{30.0f, 50.0f, 15.0f, 40.0f, 15.0f, 8.7f, 0.0f}}); },
       " ++> Free Salm has no stable upright mode; check buoyancy and weights\n"
       "     Upright, above each member's lower joint:\n"
       "     member 1 (element 1): weight 50.00 kips at 15.00 feet,\n"
       "     buoyancy 40.00 kips at 15.00 feet.\n"
       "     Check the element volumes, weights and their centres\n"
       "     (page 3, items 3 to 6)."},
      {"member 2 heavier above its buoyancy",
       [] {
         auto members = testing_support::twoMembers();
         members[1].cg = 12.0f;
         members[1].cb = 4.0f;
         testing_support::setFreeColumn(members);
       },
       " ++> Free Salm has no stable upright mode; check buoyancy and weights\n"
       "     Upright, above each member's lower joint:\n"
       "     member 1 (element 1): weight 30.00 kips at 15.00 feet,\n"
       "     buoyancy 40.00 kips at 15.00 feet,\n"
       "     member 2 (element 2): weight 20.00 kips at 12.00 feet,\n"
       "     buoyancy 60.00 kips at 4.00 feet.\n"
       "     Check the element volumes, weights and their centres\n"
       "     (page 3, items 3 to 6)."},
      {"member 1 without weight or buoyancy",
       [] {
         auto members = testing_support::twoMembers();
         members[0].buoyancy = 0.0f;
         members[0].weight = 0.0f;
         members[1].buoyancy = 20.0f;
         testing_support::setFreeColumn(members);
       },
       " ++> Free Salm has no stable upright mode; check buoyancy and weights\n"
       "     Upright, above each member's lower joint:\n"
       "     member 1 (element 1): weight 0.00 kips at 15.00 feet,\n"
       "     no buoyancy,\n"
       "     member 2 (element 2): weight 20.00 kips at 7.50 feet,\n"
       "     buoyancy 20.00 kips at 7.50 feet.\n"
       "     Check the element volumes, weights and their centres\n"
       "     (page 3, items 3 to 6)."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    c.setUp();
    const int status = run("\n");
    if (c.message == nullptr) {
      EXPECT_EQ(status, -1) << screen;
      continue;
    }
    EXPECT_EQ(status, 1) << screen;
    EXPECT_TRUE(contains(screen, std::string(c.message) + "\n\n Press <RETURN> to continue: ")) << screen;
  }
}

// A weightless member 1 on buoyancy 1.5791 at 1 ft with an added inertia of 1: its frequency is that
// of the first wave period (5 s) to the last bit. Without drag Newton's Jacobian is K - w^2 M = 0
// there; without damping the modal estimate has no bounded value.
TEST_F(FreeSalm, ResonanceWithoutDragOrDampingStops) {
  struct Case {
    const char* name;
    float COFDMP;
    std::vector<std::string> lines;
  };
  const Case cases[] = {
      {"no member drag", 1.0f,
       {"", " ++> Singular denominator in damping iteration loop.  Execution terminated", "", "",
        " Press <RETURN> to continue: "}},
      {"no mode damping either", 0.0f,
       {"", " ++> Wave period    5.00: the high-frequency free Salm mode is undamped at its",
        "     own frequency; its response is unbounded",
        "", " Press <RETURN> to continue: "}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    testing_support::freeOneMemberColumn();
    const float w = 6.2831855f / 5.0f;
    Solve& s = SOLVE;
    s.CNMASS(1) = 0.0f;
    s.CNBUOY(1) = w * w;
    s.CNCB(1) = 1.0f;
    s.CADMOI(1) = 1.0f;
    TPCM.COFDMT(1) = 0.0f;
    TPCM.COFDMP = c.COFDMP;
    ASSERT_EQ(run("\n"), 1) << screen;
    std::string text;
    for (const std::string& line : c.lines) text += line + "\n";
    text.pop_back();
    EXPECT_TRUE(contains(screen, text)) << screen;
  }
}

// A drag that is no number never settles: the 30th step of the period ends the run, naming the
// period and what the drag grows with.
TEST_F(FreeSalm, PeriodThatDoesNotSettleStops) {
  testing_support::freeTwoMemberColumn();
  TPCM.COFDMT(2) = std::nanf("");
  ASSERT_EQ(run("\n"), 1) << screen;
  EXPECT_TRUE(contains(screen, "\n\n ++> Iteration failure in damping loop. Consult users manual.\n"
                               "     At the wave period 5.00 s (page 14) the members' drag did not settle in 30\n"
                               "     Newton steps.\n"
                               "     It grows with the element drag coefficients (page 3, item 10: 1.00 and not\n"
                               "     a number) and the wave height or slope (page 14, item 4: 8.00); check them\n"
                               "     and the element volumes and centroids (page 3, items 3 and 4).\n\n"
                               " Press <RETURN> to continue: "))
      << screen;
}

// Deep down in short waves the column feels nothing (in 1000 ft of water, where the kinematics of
// waves of 2 to 3 s at its top lie below the range of single precision): the modal estimate is
// exactly 0, and Newton's perturbation of an angle of 0 is (0.001, 0) rather than 0, so the period
// settles at once on 0 instead of dividing by 0.
TEST_F(FreeSalm, ColumnOutOfTheWavesReachSettlesAtRest) {
  testing_support::freeTwoMemberColumn();
  TPCM.DEPTH = 1000.0f;
  SOLVE.DEFF = 1000.0f;
  testing_support::setWaveGrid(3, 2.0f, 0.5f);
  ASSERT_EQ(run(), -1) << screen;
  for (int i = 1; i <= 3; ++i) {
    EXPECT_EQ(OUTPUT.PHIMEM(i, 1), Complex(0.0f)) << "period " << i;
    EXPECT_EQ(OUTPUT.PHIMEM(i, 2), Complex(0.0f)) << "period " << i;
  }
}

// The in-line share of each sea is the share of its variance in the column's own plane (heading
// 0): cos^2 of the heading for a long-crested sea or a swell; for a sea spread as cos^p about its
// heading h, the spreading's mean of cos^2(h + theta), which a narrow spreading brings to the
// long-crested cos^2 h. Along its own heading (h = 0) that is E, the ratio (p + 1) / (p + 2) of the
// cosine-power integrals. Values of tests/dynamics/reference/spread_share_reference.py (quadrature
// of the spreading). The spreading exponent is not evaluated without spreading.
TEST_F(FreeSalm, DirectionalSharesOfTheSeaAndTheSwell) {
  struct Case {
    const char* name;
    std::int32_t LSPRED;
    float COSEXP, SEAHDG, SWLHDG;
    double XWVFAC, XSWFAC;
  };
  const Case cases[] = {
      {"cos^0 spreading along the plane", 1, 0.0f, 0.0f, 0.0f, 0.5, 1.0},
      {"cos^2 spreading along the plane", 1, 2.0f, 0.0f, 0.0f, 0.75, 1.0},
      {"cos^10 spreading along the plane", 1, 10.0f, 0.0f, 0.0f, 0.916666667, 1.0},
      {"cos^50 spreading along the plane", 1, 50.0f, 0.0f, 0.0f, 0.980769231, 1.0},
      {"cos^2 spreading at 30 degrees", 1, 2.0f, 30.0f, 0.0f, 0.625, 1.0},
      {"cos^4 spreading at 30 degrees", 1, 4.0f, 30.0f, 60.0f, 0.666666667, 0.25},
      {"cos^0 spreading at 45 degrees", 1, 0.0f, 45.0f, 90.0f, 0.5, 0.0},
      {"cos^10 spreading across the plane", 1, 10.0f, 90.0f, 0.0f, 0.083333333, 1.0},
      {"cos^50 spreading at 17 degrees", 1, 50.0f, 17.0f, 0.0f, 0.898575756, 1.0},
      {"cos^50 spreading at -123 degrees", 1, 50.0f, -123.0f, 0.0f, 0.304453537, 1.0},
      {"long-crested sea at 30 degrees", 0, 2.0f, 30.0f, 45.0f, 0.75, 0.5},
      {"no spreading, an exponent that is not read", 0, -1.0f, 0.0f, 0.0f, 1.0, 1.0},
      {"cos^67 spreading, the largest the data set admits", 1, 67.0f, 0.0f, 0.0f, 0.985507246, 1.0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    testing_support::freeTwoMemberColumn();
    Tpcm& t = TPCM;
    t.LSPRED = c.LSPRED;
    t.COSEXP = c.COSEXP;
    t.SEAHDG(1) = c.SEAHDG;
    t.SWLHDG = c.SWLHDG;
    ASSERT_EQ(run(), -1) << screen;
    EXPECT_TRUE(IsClose(OUTPUT.XWVFAC, c.XWVFAC, 0.0, 1e-6));
    EXPECT_TRUE(IsClose(OUTPUT.XSWFAC, c.XSWFAC, 0.0, 1e-6));
  }
}

// The sea and the swell on a grid from 2 to 29.7 s that holds them: 4 sqrt(m0) of the Simpson
// moments is the significant height asked for, within 0.5 %.
TEST_F(FreeSalm, SpectraHaveTheirSignificantHeights) {
  testing_support::freeTwoMemberColumn();
  Tpcm& t = TPCM;
  testing_support::setWaveGrid(100, 2.0f, 0.28f);
  t.LRANDM = 1;
  t.WAVTYP = 2;  // mean JONSWAP
  t.SWHT(1) = 10.0f;
  t.SIGPD(1) = 10.0f;
  t.LSWELL = 1;
  t.SWLTYP = 6;  // Bretschneider
  t.SWELHT = 4.0f;
  t.SWELPD = 14.0f;
  ASSERT_EQ(run(), -1) << screen;
  EXPECT_TRUE(IsClose(WAVCOM.SWH, 10.0, 5e-3));
  EXPECT_TRUE(IsClose(WAVCOM.SWHSWL, 4.0, 5e-3));
  EXPECT_EQ(WAVCOM.NSWEL, 44);  // the grid period nearest 14 s: T(44) = 14.04 s
}

// The joint of a one-member column moves L1 times the member's angle, so its in-line and cross
// amplitudes (the statistics report has turned the variances into amplitudes) are L1 times those of
// the angle under the same shares; with sea and swell along the plane nothing acts across it.
TEST_F(FreeSalm, DeviationsOfTheJointFollowTheAngle) {
  struct Case {
    const char* name;
    float SEAHDG, SWLHDG;
  };
  const Case cases[] = {{"sea at 30, swell at 60 degrees", 30.0f, 60.0f},
                        {"sea and swell along the plane", 0.0f, 0.0f}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    testing_support::freeOneMemberColumn();
    Tpcm& t = TPCM;
    testing_support::setWaveGrid(21, 4.0f, 0.5f);
    t.LRANDM = 1;
    t.WAVTYP = 1;
    t.SWHT(1) = 6.0f;
    t.LSWELL = 1;
    t.SWLTYP = 6;
    t.SWELHT = 3.0f;
    t.SWELPD = 10.0f;
    t.SEAHDG(1) = c.SEAHDG;
    t.SWLHDG = c.SWLHDG;
    ASSERT_EQ(run(), -1) << screen;
    const Output& o = OUTPUT;
    const double L1 = 30.0;
    EXPECT_GT(o.SIGMA(31), 0.0f);
    EXPECT_TRUE(IsClose(o.RSIGHF(1), L1 * o.SIGMA(31), 1e-5));
    EXPECT_EQ(o.RSIGHF(2), 0.0f);
    EXPECT_TRUE(IsClose(o.RSIGHF(3), L1 * o.SIGMA(34), 1e-5, 1e-9));
    EXPECT_TRUE(IsClose(o.SIGDOT(37), L1 * o.SIGDOT(31), 1e-5));
    EXPECT_TRUE(IsClose(o.SIGDOT(39), L1 * o.SIGDOT(34), 1e-5, 1e-9));
    if (c.SEAHDG != 0.0f) continue;
    for (int n = 21; n <= 30; ++n) EXPECT_EQ(o.SIGMA(n), 0.0f) << "statistic " << n;
    for (int n = 34; n <= 36; ++n) EXPECT_EQ(o.SIGMA(n), 0.0f) << "statistic " << n;
    EXPECT_EQ(o.RSIGHF(3), 0.0f);
  }
}

// The debug listings show the driver's values and offer SMPDRG again; they change no result.
TEST_F(FreeSalm, DebugListingsChangeNothing) {
  testing_support::freeTwoMemberColumn();
  ASSERT_EQ(run(), -1) << screen;
  Complex plain[6];
  for (int i = 1; i <= 6; ++i) plain[i - 1] = OUTPUT.PHIMEM(i, 2);

  testing_support::freeTwoMemberColumn();
  TPCM.NBUG0 = 1;
  // NBUG 1 for FREMOT, then 0 after its listing; 1 for FRELOD, SMPDRG kept, 0 after the damping;
  // 0 for the statistics report.
  ASSERT_EQ(run("1\n0\n1\n\n0\n0\n"), -1) << screen;
  EXPECT_TRUE(contains(screen, " ### In FREMOT:\n")) << screen;
  EXPECT_TRUE(contains(screen, " EFK1, EFK2, AHI, ALO:")) << screen;
  EXPECT_TRUE(contains(screen, " ### In FRELOD:\n")) << screen;
  EXPECT_TRUE(contains(screen, " SMPDRG =  0\n INPUT SMPDRG:")) << screen;
  EXPECT_TRUE(contains(screen, " CQDAMP, CQDAMT, GAMPHI, GAMTHT:")) << screen;
  EXPECT_EQ(unread, "");
  for (int i = 1; i <= 6; ++i) EXPECT_EQ(OUTPUT.PHIMEM(i, 2), plain[i - 1]) << "period " << i;
}

// The report and spreading flags: SPRDFG follows the spreading exponent, MLTRAO a swell off the sea.
TEST_F(FreeSalm, RunFlags) {
  struct Case {
    const char* name;
    float COSEXP;
    std::int32_t LSWELL, LRANDM;
    float SWLHDG;
    std::int32_t SPRDFG, MLTRAO;
  };
  const Case cases[] = {
      {"long-crested sea alone", 0.0f, 0, 1, 90.0f, 0, 0},
      {"spreading exponent 2", 2.0f, 0, 1, 30.0f, 1, 1},
      {"swell 0.05 degrees off the sea", 0.0f, 1, 1, 30.05f, 0, 0},
      {"swell 0.2 degrees off the sea", 0.0f, 1, 1, 30.2f, 0, 1},
      {"swell off without a random sea", 0.0f, 1, 0, 90.0f, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    testing_support::freeTwoMemberColumn();
    Tpcm& t = TPCM;
    t.COSEXP = c.COSEXP;
    t.LSWELL = c.LSWELL;
    t.SWLTYP = 6;
    t.SWELHT = 2.0f;
    t.SWELPD = 11.0f;
    t.LRANDM = c.LRANDM;
    t.WAVTYP = 1;
    t.SWHT(1) = 5.0f;
    t.SWLHDG = c.SWLHDG;
    t.ALLRAO = 1;
    t.PRNRAO = 1;
    ASSERT_EQ(run(), -1) << screen;
    EXPECT_EQ(OUTPUT.SPRDFG, c.SPRDFG);
    EXPECT_EQ(OUTPUT.MLTRAO, c.MLTRAO);
    EXPECT_EQ(OUTPUT.LREG, 2);
  }
}

// A two-member column of four elements, with moment output at the tops of elements 1, 2 and 4.
void splitColumnWithMomentElements(int periods) {
  testing_support::freeTwoMemberColumn();
  Tpcm& t = TPCM;
  Solve& s = SOLVE;
  const float length[] = {15.0f, 15.0f, 7.5f, 7.5f}, buoyancy[] = {20.0f, 20.0f, 30.0f, 30.0f};
  for (int e = 1; e <= 4; ++e) {
    t.SLEN(e) = length[e - 1];
    t.BUOY(e) = buoyancy[e - 1];
    t.CBUOY(e) = 0.5f * length[e - 1];
    t.COFMST(e) = t.COFDMT(e) = 1.0f;
    t.LMOMT(e) = e == 3 ? 0 : 1;
  }
  t.NELEM = 4;
  t.IPIERC = 5;
  t.NMOMT = 3;
  s.JELEM(2) = 3;
  s.JELEM(3) = 5;
  testing_support::setWaveGrid(periods, 4.0f, 0.5f);
}

// "MOMDAT": five records of one complex value per moment element and period, period by element by
// component. At the top of a member the element's running totals are the member's whole wave load
// and drag: in-plane shear PRPWV + FDP, axial PARWV, nothing across the plane, moment TMOM + TDP.
TEST_F(FreeSalm, MomentElementFile) {
  for (const std::int32_t simplified : {0, 1}) {
    SCOPED_TRACE(simplified != 0 ? "simplified drag" : "Newton's method");
    splitColumnWithMomentElements(40);
    TPCM.SMPDRG = simplified;
    ASSERT_EQ(run(), -1) << screen;
    RHOPEN("MOMDAT", kUnformatted, kMustExist, 0, 12, "TEST", kScreenUnit, 0);
    std::vector<Complex> records;
    for (Complex value; readUnformatted(12, value) == RecordStatus::kOk;) records.push_back(value);
    HCLOSE(12, "MOMDAT", "TEST", kScreenUnit);
    ASSERT_EQ(records.size(), 600u);
    const Dyncom& d = DYNCOM;
    const Complex* last = &records[600 - 15];
    for (int member = 1; member <= 2; ++member) {
      SCOPED_TRACE("top of member " + std::to_string(member));
      const Complex* top = last + 5 * member;  // moment elements 2 and 3 of the last period
      EXPECT_LE(std::abs(top[0] - (d.PRPWV(member) + d.FDP(member))), 1e-5 * std::abs(top[0]));
      EXPECT_LE(std::abs(top[1] - d.PARWV(member)), 1e-5 * std::abs(top[1]));
      EXPECT_EQ(top[2], Complex(0.0f));
      EXPECT_EQ(top[3], Complex(0.0f));
      EXPECT_LE(std::abs(top[4] - (d.TMOM(member) + d.TDP(member))), 1e-5 * std::abs(top[4]));
    }
    if (simplified != 0) {
      EXPECT_EQ(d.FDP(2), Complex(0.0f));
      EXPECT_EQ(d.TDP(2), Complex(0.0f));
    }
  }
  splitColumnWithMomentElements(6);
  TPCM.NMOMT = 0;
  for (int e = 1; e <= 4; ++e) TPCM.LMOMT(e) = 0;
  std::remove("MOMDAT");
  ASSERT_EQ(run(), -1) << screen;
  EXPECT_FALSE(std::ifstream("MOMDAT").good());
}

// The swing of a one-member column adds its centrifugal load to the axial peak at the base and
// member 1, and its phase to the wave takes part of the peak: with the swell alone, the swing has
// the swell's peak period (11 s), no random sea having set one.
TEST_F(FreeSalm, OneMemberSwingsWithTheSwellWhenTheSwellIsAlone) {
  testing_support::freeOneMemberReportRun();
  ASSERT_EQ(run(), -1) << screen;
  const Output& o = OUTPUT;
  const RanoutState& r = ranoutState;
  const double theta = HPKVAL(o.ASIGHF(1), 0.0f, 3.0f, r.WFREQ, 2.0f);  // peak swing [rad]
  const double rate = 2.0 * M_PI * theta / 11.0;
  // weight 30 kips at 15 ft, buoyancy 40 kips at 15 ft
  EXPECT_TRUE(IsClose(r.CNTF1, rate * rate * (30.0 * 15.0 + 0.4 * 40.0 * 15.0) / 32.152, 1e-5));
  const double ratio = o.TSALMH / 11.0;
  EXPECT_TRUE(IsClose(r.CNTF2, std::fabs(std::cos(std::atan2(o.GAMPHI * ratio, 1.0 - ratio * ratio))), 1e-5));
}

}  // namespace
}  // namespace qv
