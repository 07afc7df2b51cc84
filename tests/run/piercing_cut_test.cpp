// The tanker example's surface buoy (element 3, the whole of member 2: 30 m, 1908.5 m3, some 5.5 m of
// it above the water at the mean load) cut into pieces of the same volume per length, the piece at
// the top piercing the water: the same body, so the run must not see the cut, with the buoy's top dry
// (the part above the water takes no added mass) and wet. The buoy's top is a free joint (it carries
// the yoke on a hinge), so
//   - the bending moments the member-load report finds there are those of a free joint, 0 to within
//     the round-off of the walk (below 2e-5 of those at the column tube's top), whole and
//     cut: the walk counted the piercing element's added inertia about the member's lower joint
//     otherwise than the equations of motion, 4 t m of two-sigma moment for each metre the piercing
//     element starts above the buoy's bottom (60 t m cut in two, 80 t m in three) under a dry top;
//   - the buoy's free body, written in the test from the loads at its lower end, its weights, its
//     buoyancy, its wave and drag loads and the inertia of its mass and of its added mass as the
//     equations of motion hold them, leaves nothing to the hinge either;
//   - every other load of the run, and the modes, are those of the whole buoy within the
//     discretisation of the cut (the statics' 0.0833 for 1/12 in the elements' added inertia).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <cstdint>
#include <cstddef>
#include <string>
#include <vector>

#include "dataset/tpcm.h"
#include "dynamics/dyncom.h"
#include "dynamics/momcom.h"
#include "example_run.h"
#include "platform/block_reset.h"
#include "slowdrift/output.h"
#include "statics/solve.h"
#include "support/checks.h"
#include "support/member_free_body.h"
#include "support/record_file.h"

namespace qv {
namespace {

using testing_support::edited;
using testing_support::example;
using testing_support::IsClose;

constexpr int kBuoy = 3;        // the example's surface buoy, the whole of member 2
constexpr int kBuoyMember = 2;
constexpr int kTubeTop = 1;     // moment element at the column tube's top, a cut within member 1
constexpr int kBuoyTop = 2;     // moment element at the buoy's top, the hinge of the yoke

// Element k cut into pieces of the given lengths, from its bottom up: its volume spread evenly, its
// weight along a density that falls linearly up the element with the element's weight and centre of
// gravity, each piece's gyradius holding the rest of the element's moment of inertia (the same share
// of weight in each piece), so that the pieces together are the element. The pieces above the first
// are frozen to it, the top one pierces the water and carries the element's moment element; the
// elements above move up.
void cutInto(Tpcm& t, int k, const std::vector<double>& pieces) {
  const int extra = static_cast<int>(pieces.size()) - 1;
  for (int j = t.NELEM; j > k; --j) {
    t.IFREE(j + extra) = t.IFREE(j);
    t.LMOMT(j + extra) = t.LMOMT(j);
    for (auto* table : {&t.SLEN, &t.BUOY, &t.CBUOY, &t.TMASS, &t.CGSALM, &t.LOWER, &t.GYRAD, &t.COFMST, &t.COFDMT}) {
      (*table)(j + extra) = (*table)(j);
    }
  }
  t.NELEM += extra;
  const double L = t.SLEN(k), W = t.TMASS(k), cg = t.CGSALM(k), rg = t.GYRAD(k), V = t.BUOY(k);
  // The density a + b x over 0 .. L with weight W and centre cg, and its moments up to x.
  const double b = W * (cg - 0.5 * L) / (L * L * L / 12.0);
  const double a = W / L - 0.5 * b * L;
  const auto weightUpTo = [&](double x) { return a * x + b * x * x / 2.0; };
  const auto firstUpTo = [&](double x) { return a * x * x / 2.0 + b * x * x * x / 3.0; };
  const auto secondUpTo = [&](double x) { return a * x * x * x / 3.0 + b * x * x * x * x / 4.0; };
  const double spread = rg * rg - (secondUpTo(L) / W - cg * cg);  // what the density does not hold
  ASSERT_GE(a, 0.0);
  ASSERT_GE(a + b * L, 0.0);
  ASSERT_GE(spread, 0.0);
  double z = 0.0;
  for (std::size_t i = 0; i < pieces.size(); ++i) {
    const int u = k + static_cast<int>(i);
    const double len = pieces[i], top = z + len;
    const double w = weightUpTo(top) - weightUpTo(z);
    const double centre = (firstUpTo(top) - firstUpTo(z)) / w;
    const double own = (secondUpTo(top) - secondUpTo(z)) / w - centre * centre;
    for (auto* table : {&t.COFMST, &t.COFDMT, &t.LOWER}) (*table)(u) = (*table)(k);
    t.SLEN(u) = static_cast<float>(len);
    t.BUOY(u) = static_cast<float>(V * len / L);
    t.CBUOY(u) = static_cast<float>(0.5 * len);
    t.TMASS(u) = static_cast<float>(w);
    t.CGSALM(u) = static_cast<float>(centre - z);
    t.GYRAD(u) = static_cast<float>(std::sqrt(own + spread));
    if (i > 0) t.IFREE(u) = 0;
    t.LMOMT(u) = 0;
    z = top;
  }
  t.LMOMT(k + extra) = 1;
  t.IPIERC = k + extra;
}

// The two-sigma value of quantity q (1 in-plane shear, 2 axial, 3 lateral shear, 4 and 5 the bending
// moments) at moment element C, over the sea of the run.
double twoSigma(int C, int q) { return 2.0 * std::sqrt(static_cast<double>(OUTPUT.momentVariances(C, q))); }

// What a run reports of the column: the modes' periods, the wave-frequency loads at every load point,
// the two-sigma values at the column tube's top.
struct Results {
  float TSALMH = 0.0f, TSALML = 0.0f;
  Arr<float, kWaveLoadPoints, 3> loads;
  double tube[5] = {};
};
Results results() {
  Results r{OUTPUT.TSALMH, OUTPUT.TSALML, OUTPUT.FSIGHF, {}};
  for (int q = 1; q <= 5; ++q) r.tube[q - 1] = twoSigma(kTubeTop, q);
  return r;
}

// Member 2 of the run, the buoy whole or cut, from its lower end to its top as one rigid body: the
// pieces' weights from the data set; its wet buoyancy as the drivers leave it at the mean attitude
// (TMPBCY at the lever TMPLBD / TMPBCY); and its added mass as the equations of motion hold it for the
// member, as one body: ADMBCY at the lever ADMLBD / ADMBCY, spread along the member so that its second
// moment about the lower joint is the member's added inertia AMITMP G.
testing_support::RigidPart buoyAsItFloats() {
  const Solve& s = SOLVE;
  const Dyncom& d = DYNCOM;
  const int m = kBuoyMember;
  testing_support::RigidPart part = testing_support::partOfTheRun(m, s.JELEM(m + 1) - 1, false, false);
  const double added = s.ADMBCY(m), lever = s.ADMLBD(m) / added;
  const double spread2 = d.AMITMP(m) * part.g / added - lever * lever;  // about the added mass's centre
  EXPECT_GT(spread2, 0.0);
  part.elements.push_back({0.0, 0.0, 0.0, 0.0, 0.0, d.TMPBCY(m), d.TMPLBD(m) / d.TMPBCY(m), 0.0});
  part.elements.push_back({0.0, std::sqrt(12.0 * spread2), 0.0, 0.0, 0.0, 0.0, lever, added});
  return part;
}

class PiercingElementCut : public testing_support::ExampleRun {
 protected:
  void run(std::int32_t wetyok, const std::vector<double>& pieces) {
    closeAllUnits();
    resetAllBlocks();  // each case a fresh run
    const std::string image = edited(example("tanker-yoke"), [&](Tpcm& t) {
      t.WETYOK = wetyok;
      cutInto(t, kBuoy, pieces);
    });
    ASSERT_EQ(runImage(image), -1);
    ASSERT_EQ(SOLVE.NCON, 3);
    ASSERT_EQ(SOLVE.IPERCN, kBuoyMember);
  }
};

TEST_F(PiercingElementCut, TheBuoyTopStaysAFreeJointAndTheRunDoesNotSeeTheCut) {
  struct Case {
    const char* name;
    std::int32_t WETYOK;         // 0: the buoy's top and the yoke dry; 2: all wet
    std::vector<double> pieces;  // [m], from the buoy's bottom up; one: the buoy whole, the reference
  };
  const Case cases[] = {{"whole", 0, {30.0}},
                        {"two equal pieces", 0, {15.0, 15.0}},
                        {"three equal pieces", 0, {10.0, 10.0, 10.0}},
                        {"a lower piece of 5 m", 0, {5.0, 25.0}},
                        {"a lower piece of 12 m", 0, {12.0, 18.0}},
                        {"whole, its top wet", 2, {30.0}},
                        {"a lower piece of 12 m, its top wet", 2, {12.0, 18.0}}};
  Results whole;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    run(c.WETYOK, c.pieces);
    if (HasFatalFailure()) return;
    const Results r = results();
    if (c.pieces.size() == 1) whole = r;

    // The hinge, in the statistics of the sea and per period in the report's operators.
    const double tube = std::max(r.tube[3], r.tube[4]);
    ASSERT_GT(tube, 100.0);  // the column tube's top does bend
    EXPECT_LT(twoSigma(kBuoyTop, 4), 2e-5 * tube);
    EXPECT_LT(twoSigma(kBuoyTop, 5), 2e-5 * tube);
    Momcom& mc = MOMCOM;
    double peak = 0.0;  // the largest moment operator at the tube's top
    for (int IW = 1; IW <= TPCM.NWP; ++IW) {
      peak = std::max({peak, static_cast<double>(std::abs(mc.OUTMOM(IW, kTubeTop))),
                       static_cast<double>(std::abs(mc.INMOM(IW, kTubeTop)))});
    }
    const testing_support::RecordDump momdat = testing_support::dumpRecords("MOMDAT");
    ASSERT_TRUE(momdat.clean);
    const testing_support::RigidPart buoy = buoyAsItFloats();
    for (int IW = 1; IW <= TPCM.NWP; ++IW) {
      SCOPED_TRACE("period " + std::to_string(TPCM.T(IW)));
      EXPECT_LE(std::abs(mc.OUTMOM(IW, kBuoyTop)), 2e-5 * peak);
      EXPECT_LE(std::abs(mc.INMOM(IW, kBuoyTop)), 2e-5 * peak);
      const testing_support::CutMoments body =
          testing_support::cutMoments(buoy, testing_support::periodOfTheRun(IW, kBuoyMember, momdat, kBuoyTop));
      EXPECT_LE(std::abs(body.inPlane), 2e-5 * peak) << body.inPlane;
      EXPECT_LE(std::abs(body.lateral), 2e-5 * peak) << body.lateral;
      if (IW == 1) {
        EXPECT_LT(std::fabs(body.meanInPlane), 0.1);  // the statics balance the buoy
      }
    }

    // Whole against cut: the modes and the loads, to the discretisation.
    EXPECT_TRUE(IsClose(r.TSALMH, whole.TSALMH, 2e-4));
    EXPECT_TRUE(IsClose(r.TSALML, whole.TSALML, 2e-4));
    float largest = 0.0f;
    for (int j = 1; j <= kWaveLoadPoints; ++j)
      for (int q = 1; q <= 3; ++q) largest = std::max(largest, whole.loads(j, q));
    for (int j = 1; j <= kWaveLoadPoints; ++j) {
      for (int q = 1; q <= 3; ++q) {
        EXPECT_TRUE(IsClose(r.loads(j, q), whole.loads(j, q), 1e-3, 1e-5 * largest)) << "load point " << j << ", " << q;
      }
    }
    for (int q = 1; q <= 5; ++q) {
      EXPECT_TRUE(IsClose(r.tube[q - 1], whole.tube[q - 1], 1e-3, 1e-5 * tube)) << "tube's top, quantity " << q;
    }
  }
}

}  // namespace
}  // namespace qv
