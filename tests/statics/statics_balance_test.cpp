// Every table point the statics print is an equilibrium of the column, checked from first principles
// and not from the program's formulas: the members are grouped again from the element table, the
// buoyancy of the surface-piercing member is integrated numerically over the tilted cylinder of its
// waterplane area (the part above the still-water surface lost), and each member must balance
// vertically under the joint loads the report prints and in moment about its lower joint, with the
// column's top at the height of its attachment. So must the column be at a load between the table's
// points, where the low-frequency report and the dynamics place it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "hull/equilb.h"
#include "salm_fixtures.h"
#include "statics/column.h"
#include "statics/column_at_load.h"
#include "statics/solve.h"
#include "statics/stsalm.h"
#include "support/checks.h"
#include "support/console_capture.h"
#include "support/temp_dir.h"

namespace qv {
namespace {

using testing_support::ConsoleCapture;
using testing_support::contains;
using testing_support::TempDir;

constexpr double kPi = 3.14159265358979323846;

// One rigid member as the elements make it: totals and their centres from its lower joint.
struct Member {
  double length = 0.0;
  double weight = 0.0, weightMoment = 0.0;      // sum w, sum w (lever + cg)
  double buoyancy = 0.0, buoyancyMoment = 0.0;  // of its wet elements: sum b, sum b (lever + cb)
  bool pierces = false;
  double cutFrom = 0.0, cutTo = 0.0;  // the piercing element's extent along the member
};

struct Column {
  std::vector<Member> members;
  double surface = 0.0;  // still-water level above the lowest free joint
  double top = 0.0;      // height the column's top must reach above the lowest free joint
  double radius = 0.0;   // of the cylinder with the piercing element's waterplane area
  double density = 0.0;  // buoyant force per unit volume
};

// The column of the data set in TPCM after the statics (BUOY then holds forces): elements below the
// piercing element are wet, those above it dry, the piercing one wet up to the surface.
Column columnFromElements(double attachmentHeight) {
  const Tpcm& t = TPCM;
  Column col;
  int first = t.NELEM;
  for (int k = 1; k <= t.NELEM; ++k) {
    if (t.IFREE(k) != 0) {
      first = k;
      break;
    }
  }
  double base = 0.0;
  for (int k = 1; k < first; ++k) base += t.SLEN(k);
  for (int k = first; k <= t.NELEM; ++k) {
    if (k == first || t.IFREE(k) != 0) col.members.emplace_back();
    Member& m = col.members.back();
    const double lever = m.length;
    m.weight += t.TMASS(k);
    m.weightMoment += t.TMASS(k) * (lever + t.CGSALM(k));
    if (k <= t.IPIERC) {
      m.buoyancy += t.BUOY(k);
      m.buoyancyMoment += t.BUOY(k) * (lever + t.CBUOY(k));
    }
    if (k == t.IPIERC) {
      m.pierces = true;
      m.cutFrom = lever;
      m.cutTo = lever + t.SLEN(k);
    }
    m.length += t.SLEN(k);
  }
  col.surface = t.DEPTH - (t.IFREE(1) == 0 ? base : 0.0);
  col.top = col.surface + attachmentHeight;
  col.radius = std::sqrt(t.WPAPRC / kPi);
  col.density = t.DWATR / 1000.0;
  return col;
}

// Volume of the piercing element's cylinder above the surface and the moment of that volume's
// horizontal lever about the member's lower joint (at height `joint`, angle phi from the vertical).
// A point at axial distance z and transverse offset e (positive on the lower side of the leaning
// member) lies at x = z sin phi + e cos phi and height joint + z cos phi - e sin phi. Midpoint rule
// over the disc in e = R sin(theta), the dry axial range of each chord taken exactly.
void dryPart(const Column& col, const Member& m, double phi, double joint, double& volume, double& moment) {
  const double c = std::cos(phi), s = std::sin(phi);
  const double R = col.radius;
  constexpr int kSteps = 20000;
  volume = 0.0;
  moment = 0.0;
  for (int i = 0; i < kSteps; ++i) {
    const double theta = -kPi / 2 + (i + 0.5) * kPi / kSteps;
    const double e = R * std::sin(theta);
    const double chordArea = 2.0 * R * std::cos(theta) * R * std::cos(theta) * kPi / kSteps;  // width de
    // Dry above z = zs, where the point reaches the surface.
    const double zs = (col.surface - joint + e * s) / c;
    const double from = std::clamp(zs, m.cutFrom, m.cutTo);
    const double dry = m.cutTo - from;
    volume += chordArea * dry;
    moment += chordArea * ((m.cutTo * m.cutTo - from * from) / 2.0 * s + e * dry * c);
  }
}

struct Misfit {
  double vertical = 0.0;  // largest |net vertical force| on a member
  double moment = 0.0;    // largest |net moment about a lower joint| over its scale
  double height = 0.0;    // top height above where it must be
};

// The members at table point J with the angles PHIANG(J, .), under the load H = HLOAD(J) and the
// joint loads the report prints there: ZLOAD0 at zero load, ZFILL's at the loaded points. A moment
// misfit is measured against H L cos(phi) under load; at zero load, where nothing but a leaning
// member's own weight and buoyancy turn it, against their moment (W g + B b) sin(phi), at least one
// unit of moment. The joint loads are floats, which hold a member's pull to 2^-24 of its size: near no
// load that step outweighs H L cos(phi) itself (at 1e-3 t, the submerged riser's buoy, pulled by
// 811 t, turns by 2.8e-4 t of its pull per metre against a float step of 6e-5 t), so four steps of
// the balance's largest terms are allowed on top.
Misfit misfitUnder(const Column& col, float H, const std::vector<float>& phi, bool zeroLoadTable);

Misfit misfitAt(const Column& col, int J) {
  std::vector<float> phi;
  for (std::size_t k = 0; k < col.members.size(); ++k) phi.push_back(SOLVE.PHIANG(J, static_cast<int>(k + 1)));
  return misfitUnder(col, EQUILB.HLOAD(J), phi, J == 1);
}

// The same for the members at the angles phi under the load H and ZFILL's joint loads there (the
// table's ZLOAD0 for its zero-load point).
Misfit misfitUnder(const Column& col, float H, const std::vector<float>& phi, bool zeroLoadTable) {
  const bool atRest = H == 0.0f;
  if (zeroLoadTable) {
    SOLVE.ZLDTMP = SOLVE.ZLOAD0;
  } else {
    ZFILL(H, phi.data());
  }
  Misfit f;
  double joint = 0.0;
  for (std::size_t k = 0; k < col.members.size(); ++k) {
    const Member& m = col.members[k];
    const double c = std::cos(phi[k]), s = std::sin(phi[k]);
    double buoyancy = m.buoyancy;
    double buoyancyMoment = m.buoyancyMoment * s;
    if (m.pierces) {
      double dryVolume = 0.0, dryMoment = 0.0;
      dryPart(col, m, phi[k], joint, dryVolume, dryMoment);
      buoyancy -= col.density * dryVolume;
      buoyancyMoment -= col.density * dryMoment;
    }
    const double below = SOLVE.ZLDTMP(static_cast<int>(k + 1));
    const double above = SOLVE.ZLDTMP(static_cast<int>(k + 2));
    f.vertical = std::max(f.vertical, std::fabs(above - below - m.weight + buoyancy));
    // Turning the member over about its lower joint: the load at the top, the weight; righting it:
    // the pull at the top, the buoyancy.
    const double net = H * m.length * c - above * m.length * s + m.weightMoment * s - buoyancyMoment;
    const double scale =
        atRest ? std::max((m.weightMoment + m.buoyancyMoment) * s, 1.0) : H * m.length * std::fabs(c);
    const double rounding = 4.0 * 0x1p-24 *
                            (std::fabs(H * m.length * c) + std::fabs(above * m.length * s) +
                             std::fabs(m.weightMoment * s) + std::fabs(buoyancyMoment));
    f.moment = std::max(f.moment, std::max(std::fabs(net) - rounding, 0.0) / scale);
    joint += m.length * c;
  }
  f.height = joint - col.top;
  return f;
}

// Runs the statics of the data set in TPCM and returns the column it describes, its top held at the
// attachment's height: YOKEHT above the waterline, a riser's at the vessel's keel.
Column solvedColumn() {
  const double attachment = TPCM.IARCO == kBuoyantRiser ? -TPCM.DRAFT : TPCM.YOKEHT;
  TempDir dir;
  ConsoleCapture console;
  STSALM();
  return columnFromElements(attachment);
}

void tankerOnAHawser() {
  testing_support::tankerYokeSalm();
  TPCM.IARCO = kRigidHawser;
}

void threeMembersOnAPendularMass() {
  testing_support::threeMemberSalm();
  TPCM.IARCO = kPendularMass;
}

// The two members with a chain of 300 kips for the lower one: at zero load the chain leans under the
// upright buoy, which pierces the surface above the leaning member.
void chainUnderABuoy() {
  testing_support::twoMemberSalm();
  TPCM.TMASS(1) = 300.0f;
}

// The tanker's column with its tank (element 2) 21 m long instead of 14: the buoy stands with 17 m of
// its 30 under water, the yoke almost level at zero load. The search over the tube's cotangent found
// no configuration at the table's first load.
void tankerWithALongTank() {
  testing_support::tankerYokeSalm();
  TPCM.SLEN(2) = 21.0f;
}

struct BalanceCase {
  const char* name;
  void (*build)();
};

// A yoke, a rigid hawser, a pendular mass and a submerged riser; the tanker's, the three-member and
// the six-member buoys lean under the larger loads until the surface cuts their top disc. The top
// member leans at zero load, but for the two members, whose buoy leans, and the chain under its buoy.
const BalanceCase kAttachments[] = {
    {"tanker on a yoke", testing_support::tankerYokeSalm},
    {"tanker on a rigid hawser", tankerOnAHawser},
    {"six members on a rigid hawser", testing_support::sixMemberSalm},
    {"two members on a rigid hawser", testing_support::twoMemberSalm},
    {"three members on a pendular mass", threeMembersOnAPendularMass},
    {"submerged riser at the tanker's keel", testing_support::submergedRiserSalm},
    {"a chain under its buoy on a rigid hawser", chainUnderABuoy},
    {"tanker on a yoke, its tank 21 m long", tankerWithALongTank},
};

TEST(StaticsBalance, EveryLoadedTablePointIsAnEquilibriumOfEveryMember) {
  for (const BalanceCase& c : kAttachments) {
    SCOPED_TRACE(c.name);
    c.build();
    const Column col = solvedColumn();
    ASSERT_EQ(static_cast<int>(col.members.size()), SOLVE.NCON);
    for (int J = 2; J <= TPCM.NUMTAB; ++J) {
      const Misfit f = misfitAt(col, J);
      EXPECT_LE(f.vertical, 0.5) << "point " << J;
      EXPECT_LE(f.moment, 0.005) << "point " << J;
      EXPECT_LE(std::fabs(f.height), 0.01) << "point " << J;
    }
  }
}

// At zero load the closing member leans so that the top reaches its height, and the top's pull holds
// it there: the yoke of the tanker and of the three members, and the riser's buoy, which would
// stand up without the keel holding it down. (A leaning closing member that pierces the surface is
// taken upright in its draft at zero load, and is not among these.)
TEST(StaticsBalance, ZeroLoadHoldsTheLeaningMemberInBalance) {
  for (const BalanceCase& c : {kAttachments[0], kAttachments[4], kAttachments[5]}) {
    SCOPED_TRACE(c.name);
    c.build();
    const Column col = solvedColumn();
    const Misfit f = misfitAt(col, 1);
    EXPECT_LE(f.vertical, 0.5);
    EXPECT_LE(f.moment, 0.005);
    EXPECT_LE(std::fabs(f.height), 0.01);
  }
  // The riser's top pulls its buoy down: the keel holds a column that floats.
  testing_support::submergedRiserSalm();
  (void)solvedColumn();
  EXPECT_LT(SOLVE.ZLOAD0(SOLVE.NCON + 1), -100.0f);
}

// Off the table's points the column takes the equilibrium at its load too: midway between each pair
// of loaded points, a fifth of the table's largest load beyond it, and near no load (a calm sea's
// mean load: 10 % and 1 % of the first loaded point, a thousandth of a unit, and none at all), every
// member balances, the top is at its height, and the table is as the statics left it. Near no load
// the members that stand up at zero load take cotangents of pull over load (a million at 1e-3 t on
// the tanker), and a search over member 1's cotangent, as the table's points are found, could not
// place the leaning member: it stopped the run for every column here but the chain (the tanker at
// 0.21 t, a hundredth of its first loaded point, the two members at 0.71 kips, a tenth of theirs),
// and it closed the chain's column 0.015 ft off, 0.1 kips out of vertical balance, at 1e-3 kips
// without a word. A straight line between the table's angles, as the member statistics and the
// dynamics took them before, leaves the tanker's column out of balance between its first loaded
// points (31 t): a member by 0.7 % of H L cos(phi), the yoke's top 13 mm off its height. Closer than
// the table's points must it be, to the floats of the joint loads: the column reaches its anchor to a
// tenth of a millimetre, and the joint loads carry the piercing member's buoyancy as it lies there to
// 0.005 t (the tanker's buoy takes 65 t per metre of draft). A search stopped where the table's
// tolerances let it, its joint loads formed from the top down, missed both on the tanker: the buoy's
// buoyancy by up to 0.017 t, the anchor by 0.25 mm, and the yoke's hinge above the buoy took that
// buoyancy's moment.
TEST(StaticsBalance, ALoadBetweenTheTablePointsIsAnEquilibriumToo) {
  for (const BalanceCase& c : kAttachments) {
    SCOPED_TRACE(c.name);
    c.build();
    const Column col = solvedColumn();
    const int n = SOLVE.NCON;
    const Solve table = SOLVE;
    const Equilb loads = EQUILB;
    std::vector<float> between;
    for (int J = 2; J < TPCM.NUMTAB; ++J) between.push_back(0.5f * (EQUILB.HLOAD(J) + EQUILB.HLOAD(J + 1)));
    between.push_back(1.2f * EQUILB.HLOAD(TPCM.NUMTAB));
    for (const float H : {0.1f * EQUILB.HLOAD(2), 0.01f * EQUILB.HLOAD(2), 1e-3f}) between.push_back(H);
    // ZFILL takes the top's pull from the top member's balance, which a top member standing upright
    // at no load does not give: the chain's joint loads there are the statics' ZLOAD0 (checked at the
    // table's first point).
    if (c.build != chainUnderABuoy) between.push_back(0.0f);
    for (const float H : between) {
      SCOPED_TRACE(H);
      std::vector<float> phi(static_cast<std::size_t>(n));
      columnAtLoad(H, phi.data());
      const Misfit f = misfitUnder(col, H, phi, false);
      EXPECT_LE(f.vertical, 0.005) << H;
      EXPECT_LE(f.moment, 0.005) << H;
      EXPECT_LE(std::fabs(f.height), 1e-4) << H;
      EXPECT_EQ(std::memcmp(&SOLVE.COTANP, &table.COTANP, sizeof table.COTANP), 0) << H;
      EXPECT_EQ(std::memcmp(&EQUILB.HLOAD, &loads.HLOAD, sizeof loads.HLOAD), 0) << H;
      EXPECT_EQ(SOLVE.ITABLE, table.ITABLE) << H;
    }
    // On a table point, the table's own angles.
    std::vector<float> phi(static_cast<std::size_t>(n));
    columnAtLoad(EQUILB.HLOAD(5), phi.data());
    for (int I = 1; I <= n; ++I) EXPECT_EQ(phi[static_cast<std::size_t>(I - 1)], SOLVE.PHIANG(5, I)) << I;
  }

  testing_support::tankerYokeSalm();
  const Column col = solvedColumn();
  const float H = 0.5f * (EQUILB.HLOAD(2) + EQUILB.HLOAD(3));
  std::vector<float> line;
  for (int I = 1; I <= SOLVE.NCON; ++I) line.push_back(0.5f * (SOLVE.PHIANG(2, I) + SOLVE.PHIANG(3, I)));
  const Misfit f = misfitUnder(col, H, line, false);
  EXPECT_GT(f.moment, 0.005);
  EXPECT_GT(std::fabs(f.height), 0.01);
}

// A shape that is not an equilibrium is told apart: the top moved off its height, or the piercing
// member turned away from its balance.
TEST(StaticsBalance, MisfitOfAShapeOffItsEquilibrium) {
  testing_support::tankerYokeSalm();
  (void)solvedColumn();
  const int J = 20;
  ColumnMisfit m = columnMisfit(J);
  EXPECT_LT(std::fabs(m.height), 0.01f);
  EXPECT_LT(m.moment, 1e-4f);

  // The tube steeper and the members above it placed by their balances: the top misses its height.
  const float root = SOLVE.COTANP(J, 1);
  SOLVE.ITABLE = J;
  SOLVE.COTANP(J, 1) = 1.1f * root;
  (void)TOPHT(SOLVE.COTANP(J, 1));
  m = columnMisfit(J);
  EXPECT_GT(m.height, 0.5f);
  EXPECT_LT(m.moment, 1e-4f);

  // Back at the root, the buoy steeper than its balance asks.
  SOLVE.COTANP(J, 1) = root;
  (void)TOPHT(root);
  SOLVE.COTANP(J, 2) *= 1.05f;
  m = columnMisfit(J);
  EXPECT_EQ(m.member, 2);
  EXPECT_GT(m.moment, 0.01f);
}

// The two members in 100 ft of water with the hawser at the waterline: the 100 ft riser reaches the
// surface and the buoy lies flat on it at zero load. The statics take a piercing member's dry part off
// as a cylinder cut across its top disc, which a member lying flat does not have (the surface runs
// along it), so no shape of the statics' own balances holds under the first load, though the column
// has one (column_stance_reference.py's mechanics: the riser at 8.76 deg, the buoy at 88.51 deg).
// Neither the search over the riser's cotangent nor the shape continued from zero load closes; the
// run stops naming the load and the attachment, and the report stays empty.
TEST(StaticsBalance, NoEquilibriumStopsNamingTheLoadAndTheAttachment) {
  testing_support::twoMemberSalm();
  TPCM.DEPTH = 100.0f;
  TPCM.YOKEHT = 0.0f;
  TempDir dir;
  ConsoleCapture console("\n");
  EXPECT_EQ(testing_support::stopStatus(STSALM), kExitFatal);
  EXPECT_TRUE(contains(console.screen(),
                       " >>> Computing Salm offset tables...\n\n\n"
                       " ++> SALM statics: no equilibrium found under the horizontal load 8.11 kips\n"
                       "     (table point 2) with the attachment \"Rigid hawser\": member 2 misses its\n"
                       "     moment balance by "))
      << console.screen();
  EXPECT_TRUE(contains(console.screen(), "     Check the elements and the attachment (pages 2 and 3).\n\n\n"
                                         " Press <RETURN> to continue: "));
  EXPECT_EQ(testing_support::readFileText("STATOUT.stxt"), "");
}

// A riser whose element pierces the surface is refused before any work, as the run refuses it.
TEST(StaticsBalance, PiercingRiserIsRefused) {
  testing_support::twoMemberSalm();
  TPCM.IARCO = kBuoyantRiser;
  TPCM.DRAFT = 12.0f;
  TempDir dir;
  ConsoleCapture console("\n");
  EXPECT_EQ(testing_support::stopStatus(STSALM), kExitFatal);
  EXPECT_TRUE(contains(console.screen(), "\n ++> Fatal Warning: Buoyant riser with element 3 piercing the water surface:\n"
                                         "     the statics hold the riser's top at the vessel's keel, under water.\n"))
      << console.screen();
  EXPECT_FALSE(std::filesystem::exists("STATOUT.stxt"));
}

}  // namespace
}  // namespace qv
