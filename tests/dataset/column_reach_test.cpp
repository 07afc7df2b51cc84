// The members the statics form from the elements, and whether such a column can bring its top to
// a height with every member standing straight up or down but one, which leans.
#include "dataset/column_reach.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <numeric>
#include <utility>
#include <string>
#include <vector>

#include "dataset/tpcm.h"
#include "support/fresh_run.h"

namespace qv {
namespace {

class ColumnReach : public testing_support::FreshRun {};

// A planar chain of links hinged at its foot reaches every height up to its whole length, above or
// below its foot, its top's horizontal place being free (the inner radius of its reach, 2 Lmax - sum
// L, can always be met sideways). The statics' patterns give the same set: with the longest member
// leaning, the signed sums of the others lie no further apart than twice the longest, so the leaning
// member bridges every gap. Checked against that closed form on columns of one to six members.
TEST_F(ColumnReach, AColumnReachesEveryHeightWithinItsWholeLength) {
  const std::vector<std::vector<float>> columns = {
      {30.0f},
      {76.0f, 30.0f},
      {1.0f, 10.0f},
      {10.0f, 1.0f, 1.0f},
      {62.0f, 30.0f, 30.0f},
      {5.0f, 40.0f, 2.0f, 8.0f, 13.0f, 1.0f},
  };
  for (const std::vector<float>& lengths : columns) {
    const float total = std::accumulate(lengths.begin(), lengths.end(), 0.0f);
    for (float share = -1.3f; share <= 1.31f; share += 0.05f) {
      if (std::fabs(std::fabs(share) - 1.0f) < 0.01f) continue;  // the edge itself is a rounding's call
      const float height = share * total;
      EXPECT_EQ(columnReachesHeight(lengths, height), std::fabs(height) <= total)
          << lengths.size() << " members, height " << height << " of " << total;
    }
  }
}

// The members: the leading frozen elements are the base, member 1 starts at the first free one (at
// the last element when no other is free), each later free joint starts one more.
TEST_F(ColumnReach, MembersAreFormedAsTheStaticsFormThem) {
  struct Case {
    const char* what;
    std::vector<std::int32_t> free;
    std::vector<int> firsts;
    std::vector<float> lengths;
    float base;
  };
  // Elements of 1, 2, 4, 8, 16 long: each sum names its elements.
  const Case cases[] = {
      {"all free", {1, 1, 1, 1, 1}, {1, 2, 3, 4, 5}, {1, 2, 4, 8, 16}, 0},
      {"a frozen base of two", {0, 0, 1, 0, 1}, {3, 5}, {12, 16}, 3},
      {"none free", {0, 0, 0, 0, 0}, {5}, {16}, 15},
      {"the first free only", {1, 0, 0, 0, 0}, {1}, {31}, 0},
  };
  for (const Case& c : cases) {
    TPCM.NELEM = 5;
    for (int k = 1; k <= 5; ++k) {
      TPCM.SLEN(k) = static_cast<float>(1 << (k - 1));
      TPCM.IFREE(k) = c.free[static_cast<std::size_t>(k - 1)];
    }
    const SalmMembers m = salmMembers();
    EXPECT_EQ(m.firstElement, c.firsts) << c.what;
    EXPECT_EQ(m.length, c.lengths) << c.what;
    EXPECT_EQ(m.baseLength, c.base) << c.what;
  }
  TPCM.NELEM = 0;
  EXPECT_TRUE(salmMembers().length.empty());
}

// A member as a free body: its length, and its weight W and buoyancy B [kips] at their centres g
// and b from its lower joint [ft].
struct Body {
  double L, W, g, B, b;
};

HeldColumn held(const std::vector<Body>& bodies) {
  HeldColumn column;
  for (const Body& m : bodies) {
    column.length.push_back(m.L);
    column.netWeight.push_back(m.W - m.B);
    column.momentTerm.push_back((m.W * m.g - m.B * m.b) / m.L);
  }
  return column;
}

// The shape of a column held at its top checked as free bodies, in forces rather than cotangents:
// each member takes at its top the horizontal load H and a vertical force P from above, its weight
// and its buoyancy; the top member's moments about its lower joint give P there, each member passes
// P less its net weight down to the one below, and every other member must then balance its moments
// about its lower joint too, while the members' heights add up to the height held. Buoyant risers
// with little and more to spare, three members, and a chain heavier than water.
TEST_F(ColumnReach, AHeldColumnsShapeBalancesEveryMember) {
  struct Case {
    const char* what;
    std::vector<Body> members;
    double height, H;
  };
  // The user's riser: 4,000 and 9,425 cubic feet at 64 lbs/cubic foot.
  const Body lower{80.0, 100.0, 35.0, 256.0, 40.0};
  const auto upper = [](double L) { return Body{L, 150.0, 15.0, 603.2, 15.0}; };
  const Case cases[] = {
      {"a riser with 2 ft to spare", {lower, upper(32.0)}, 110.0, 600.0},
      {"a riser with 10 ft to spare at its mean load", {lower, upper(40.0)}, 110.0, 380.68},
      {"a riser with 10 ft to spare under 1 kip", {lower, upper(40.0)}, 110.0, 1.0},
      {"three buoyant members", {{30.0, 10.0, 15.0, 60.0, 15.0}, {40.0, 20.0, 18.0, 50.0, 22.0}, {20.0, 5.0, 10.0, 90.0, 12.0}},
       80.0, 150.0},
      {"a chain heavier than water", {{50.0, 80.0, 25.0, 20.0, 25.0}, {50.0, 80.0, 25.0, 20.0, 25.0}}, 60.0, 40.0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const std::vector<double> phi = heldColumnAngles(held(c.members), c.height, c.H);
    ASSERT_EQ(phi.size(), c.members.size());
    double z = 0.0, span = 0.0;
    for (std::size_t k = 0; k < phi.size(); ++k) {
      z += c.members[k].L * std::cos(phi[k]);
      span += c.members[k].L;
    }
    EXPECT_NEAR(z, c.height, 1e-9 * span);
    // Moments about a member's lower joint of the loads at its top (H, P) and of its weight and
    // buoyancy: counterclockwise positive, the member leaning toward +x at phi from the vertical.
    const auto moment = [&](std::size_t k, double P) {
      const Body& m = c.members[k];
      const double s = std::sin(phi[k]), co = std::cos(phi[k]);
      return m.L * (s * P - co * c.H) + s * (m.B * m.b - m.W * m.g);
    };
    const std::size_t top = phi.size() - 1;
    const double unit = moment(top, 1.0) - moment(top, 0.0);  // the moment of P = 1 at the top
    double P = -moment(top, 0.0) / unit;
    for (std::size_t k = top; k-- > 0;) {
      P -= c.members[k + 1].W - c.members[k + 1].B;
      EXPECT_NEAR(moment(k, P), 0.0, 1e-9 * c.H * span) << "member " << k + 1;
    }
  }
  // Members that together just span the height, or fall short of it, have no shape out of line.
  EXPECT_TRUE(heldColumnAngles(held({lower, upper(30.0)}), 110.0, 600.0).empty());
  EXPECT_TRUE(heldColumnAngles(held({lower, upper(29.0)}), 110.0, 600.0).empty());
}

// The bend at the most bent joint. The user's riser with 2 ft to spare bends by 1.14 degrees under
// 600 kips (a peer of plain Python: bisection of the closure in member 1's cotangent,
// tests/dataset/reference/riser_bend_reference.py). A raise of an element's volume buoys it by the
// water's density at the same centre, its weight kept: raised by 4882.683 cubic feet (element 1) or
// 4595.467 (element 2), the least by two free bodies in plain Python
// (tests/dataset/reference/riser_reach_reference.py), the riser bends by the least under 600 kips.
TEST_F(ColumnReach, ARisersBendAndAnElementsRaisedVolume) {
  EXPECT_DOUBLE_EQ(largestBend({}), 0.0);
  EXPECT_NEAR(largestBend({0.1, 0.3, 0.25}), std::sin(0.2), 1e-15);

  Tpcm& t = TPCM;
  t.DWATR = 64.0f;
  t.NELEM = 2;
  t.IPIERC = 3;  // under water
  t.IFREE(1) = t.IFREE(2) = 1;
  const float lengths[] = {80.0f, 32.0f}, volumes[] = {4000.0f, 9425.0f}, cbs[] = {40.0f, 15.0f};
  const float weights[] = {100.0f, 150.0f}, cgs[] = {35.0f, 15.0f};
  for (int k = 1; k <= 2; ++k) {
    t.SLEN(k) = lengths[k - 1];
    t.BUOY(k) = volumes[k - 1];
    t.CBUOY(k) = cbs[k - 1];
    t.TMASS(k) = weights[k - 1];
    t.CGSALM(k) = cgs[k - 1];
  }
  const SalmMembers m = salmMembers();
  const HeldColumn column = heldColumn(m);
  ASSERT_EQ(column.length.size(), 2u);
  EXPECT_NEAR(column.netWeight[0], 100.0 - 256.0, 1e-9);
  EXPECT_NEAR(column.netWeight[1], 150.0 - 603.2, 1e-4);
  const double bend = largestBend(heldColumnAngles(column, 110.0, 600.0));
  EXPECT_NEAR(std::asin(bend) * 180.0 / std::numbers::pi, 1.1426, 5e-4);

  const double python[] = {4882.683, 4595.467};  // [cubic feet]
  for (int k = 1; k <= 2; ++k) {
    const auto i = static_cast<std::size_t>(k - 1);
    const double raise = python[i];
    const HeldColumn buoyed = heldColumn(m, {.element = k, .volume = raise});
    EXPECT_NEAR(largestBend(heldColumnAngles(buoyed, 110.0, 600.0)), kLeastMemberBend, 1e-6) << "element " << k;
    EXPECT_NEAR(buoyed.netWeight[i], column.netWeight[i] - 0.064 * raise, 1e-6) << "element " << k;
  }

  // A member cut in two elements is the same member: element 2 as two halves of 16 ft, each with
  // half the volume and weight, centred at 7 ft in its half, sums to what the whole gives.
  t.NELEM = 3;
  t.IPIERC = 4;
  t.IFREE(3) = 0;
  for (int k = 2; k <= 3; ++k) {
    t.SLEN(k) = 16.0f;
    t.BUOY(k) = volumes[1] / 2.0f;
    t.TMASS(k) = weights[1] / 2.0f;
    t.CBUOY(k) = t.CGSALM(k) = 7.0f;
  }
  const HeldColumn cut = heldColumn(salmMembers());
  ASSERT_EQ(cut.length.size(), 2u);
  for (std::size_t i = 0; i < 2; ++i) {
    EXPECT_NEAR(cut.length[i], column.length[i], 1e-9);
    EXPECT_NEAR(cut.netWeight[i], column.netWeight[i], 1e-4);
    EXPECT_NEAR(cut.momentTerm[i], column.momentTerm[i], 1e-4);
  }
  // A member that pierces the surface floats: its buoyancy follows its draft.
  t.IPIERC = 2;
  EXPECT_TRUE(heldColumn(salmMembers()).length.empty());
}

// The mean state of the user's riser and the load that brings it into line, against two free bodies
// of its members in plain Python (tests/dataset/reference/riser_reach_reference.py). Element 2 at
// 40 ft under the slow drift's mean load of 380.68 kips: members at 20.050 and 29.400 degrees, the
// keel 47.063 ft out and 119.645 ft from the hinge, 0.355 ft short of the riser's 120 ft; at 50 ft
// under 3.02 kips, 40.597 ft out, 12.748 ft short. The members come within 1.72 degrees of line
// (a sine of 0.03) under 405.20 kips with 2 ft of slack and 1996.86 kips with 10 ft; with no slack
// under no load at all. The elements' buoyancies as the data set holds them (volumes) or as the
// statics leave them (forces) give one column.
TEST_F(ColumnReach, ARisersMeanStateAndTheLoadThatBringsItIntoLine) {
  Tpcm& t = TPCM;
  t.DWATR = 64.0f;
  t.NELEM = 2;
  t.IPIERC = 3;  // under water
  t.IFREE(1) = t.IFREE(2) = 1;
  const float volumes[] = {4000.0f, 9425.0f}, cbs[] = {40.0f, 15.0f}, weights[] = {100.0f, 150.0f},
              cgs[] = {35.0f, 15.0f};
  const auto riser = [&](float second) {
    t.SLEN(1) = 80.0f;
    t.SLEN(2) = second;
    for (int k = 1; k <= 2; ++k) {
      t.BUOY(k) = volumes[k - 1];
      t.CBUOY(k) = cbs[k - 1];
      t.TMASS(k) = weights[k - 1];
      t.CGSALM(k) = cgs[k - 1];
    }
    return heldColumn(salmMembers());
  };
  const double degrees = 180.0 / std::numbers::pi;

  struct State {
    float second;
    double H, phi1, phi2, offset, distance;
  };
  for (const State& c : {State{40.0f, 380.68, 20.050, 29.400, 47.063, 119.645},
                         State{50.0f, 3.02, 0.429, 53.127, 40.597, 117.252}}) {
    const HeldColumn column = riser(c.second);
    const std::vector<double> angles = heldColumnAngles(column, 110.0, c.H);
    ASSERT_EQ(angles.size(), 2u);
    EXPECT_NEAR(angles[0] * degrees, c.phi1, 1e-3) << c.second;
    EXPECT_NEAR(angles[1] * degrees, c.phi2, 1e-3) << c.second;
    const double offset = heldColumnOffset(column, 110.0, c.H);
    EXPECT_NEAR(offset, c.offset, 1e-3) << c.second;
    EXPECT_NEAR(std::hypot(offset, 110.0), c.distance, 1e-3) << c.second;
  }

  struct Clear {
    float second;
    double load;  // 0: none; the Python bisection's to its last digit
  };
  for (const Clear& c : {Clear{30.0f, 0.0}, Clear{32.0f, 405.20}, Clear{40.0f, 1996.86}}) {
    const double load = heldColumnClearLoad(riser(c.second), 110.0);
    EXPECT_NEAR(load, c.load, 0.01 + 1e-4 * c.load) << c.second;
  }
  // The keel's offset from the hinge where the members come within 1.72 degrees of line: 21.017 ft
  // with 2 ft of slack, 47.928 ft with 10 ft.
  for (const auto& [second, offset] : {std::pair{32.0f, 21.017}, std::pair{40.0f, 47.928}}) {
    const HeldColumn column = riser(second);
    EXPECT_NEAR(heldColumnOffset(column, 110.0, heldColumnClearLoad(column, 110.0)), offset, 1e-3) << second;
  }
  // The same load found upward from a load under which the members stand clear, and that load
  // itself from one under which they do not.
  EXPECT_NEAR(heldColumnClearLoadAbove(riser(32.0f), 110.0, 100.0), 405.20, 0.01);
  EXPECT_DOUBLE_EQ(heldColumnClearLoadAbove(riser(32.0f), 110.0, 500.0), 500.0);
  // Too short to reach the keel: no shape, no load keeps it clear.
  EXPECT_DOUBLE_EQ(heldColumnClearLoad(riser(29.0f), 110.0), 0.0);
  EXPECT_TRUE(std::isnan(heldColumnOffset(riser(29.0f), 110.0, 100.0)));

  // The statics' forces in place of the volumes: the same column.
  const HeldColumn fromVolumes = riser(40.0f);
  SalmMembers asForces = salmMembers();
  asForces.buoyancyForce = 1.0;
  for (int k = 1; k <= 2; ++k) t.BUOY(k) *= 0.064f;
  const HeldColumn fromForces = heldColumn(asForces);
  for (std::size_t i = 0; i < 2; ++i) {
    EXPECT_NEAR(fromForces.netWeight[i], fromVolumes.netWeight[i], 1e-4);
    EXPECT_NEAR(fromForces.momentTerm[i], fromVolumes.momentTerm[i], 1e-4);
  }
}

// The loads that keep a held column clear of line are one range: members that span the height stand
// in line under every load; members with room to spare stand clear from no load up to where they
// straighten. A first member as long as the height and the second together (80 + 30 ft under a keel
// 50 ft above the hinge: 80 - 30) folds the second straight back down from the first's top under the
// smallest loads, in line there too, and opens out under larger ones. The bend in degrees is that
// of asin(bend): 0.03 is 1.7191 degrees.
TEST_F(ColumnReach, TheLoadsThatKeepARiserClearOfLine) {
  Tpcm& t = TPCM;
  t.DWATR = 64.0f;
  t.NELEM = 2;
  t.IPIERC = 3;
  t.IFREE(1) = t.IFREE(2) = 1;
  const float volumes[] = {4000.0f, 9425.0f}, cbs[] = {40.0f, 15.0f}, weights[] = {100.0f, 150.0f},
              cgs[] = {35.0f, 15.0f};
  for (int k = 1; k <= 2; ++k) {
    t.BUOY(k) = volumes[k - 1];
    t.CBUOY(k) = cbs[k - 1];
    t.TMASS(k) = weights[k - 1];
    t.CGSALM(k) = cgs[k - 1];
  }
  t.SLEN(1) = 80.0f;
  const auto riser = [&](float second) {
    t.SLEN(2) = second;
    return heldColumn(salmMembers());
  };
  const HeldColumnClearLoads spanning = heldColumnClearLoads(riser(30.0f), 110.0);
  EXPECT_EQ(spanning.lower, 0.0);
  EXPECT_EQ(spanning.upper, 0.0);
  const HeldColumnClearLoads slack = heldColumnClearLoads(riser(32.0f), 110.0);
  EXPECT_EQ(slack.lower, 0.0);
  EXPECT_NEAR(slack.upper, 405.20, 0.01);
  const HeldColumnClearLoads folded = heldColumnClearLoads(riser(30.0f), 50.0);
  EXPECT_GT(folded.lower, 0.0);
  EXPECT_GT(folded.upper, folded.lower);
  EXPECT_LT(largestBend(heldColumnAngles(riser(30.0f), 50.0, 0.5 * folded.lower)), kLeastMemberBend);
  EXPECT_GE(largestBend(heldColumnAngles(riser(30.0f), 50.0, 2.0 * folded.lower)), kLeastMemberBend);
  // The one test of standing clear agrees with the ends of the range, a hair either side of each.
  const struct {
    const char* what;
    float second;
    double height, load;
    bool clear;
  } edges[] = {
      {"2 ft of slack, just below its upper end", 32.0f, 110.0, slack.upper * (1.0 - 1e-6), true},
      {"2 ft of slack, just above its upper end", 32.0f, 110.0, slack.upper * (1.0 + 1e-6), false},
      {"folded, just below its lower end", 30.0f, 50.0, folded.lower * (1.0 - 1e-6), false},
      {"folded, just above its lower end", 30.0f, 50.0, folded.lower * (1.0 + 1e-6), true},
  };
  for (const auto& e : edges) EXPECT_EQ(heldColumnStandsClear(riser(e.second), e.height, e.load), e.clear) << e.what;
  EXPECT_EQ(heldColumnClearLoad(riser(30.0f), 50.0), folded.upper);

  EXPECT_NEAR(degreesOutOfLine(kLeastMemberBend), std::asin(0.03) * 180.0 / std::numbers::pi, 1e-6);
  EXPECT_NEAR(degreesOutOfLine(kLeastMemberBend), 1.7191, 1e-4);
  EXPECT_DOUBLE_EQ(degreesOutOfLine(2.0), degreesOutOfLine(1.0));  // at most a right angle
}

}  // namespace
}  // namespace qv
