// The one wetness rule of the submergence option (page 3, item 1: WETYOK) held against the mechanics
// of the column, on the examples, under every option that the examples can run (0 to 4; 5 and 6 put
// the whole system under water, which the tanker's yoke above the waterline and the free column's top
// above the water refuse):
//   - a hinge carries no moment: the tanker's buoy-top hinge and the yoke's top, the yoke given a
//     volume of 30 m3 (whose added mass the equations of motion, the wave loads and the member-load
//     walk must count alike);
//   - cutting a body does not change it: the buoy cut into two elements, its part above the water an
//     element of its own, gives the loads and modes of the one-element buoy, on the tanker and on the
//     free column (there exactly at the waterline);
//   - nothing holds a free top: the free column's top carries no load;
//   - the free column's modes with its buoy's top wet are those of its Lagrangian with the added mass
//     over the whole buoy (tests/run/reference/piercing_column_reference.py);
//   - a wet top above the water takes the wave's kinematics of the still-water level, held in height:
//     the free column's buoy, whole or cut above the water, loads its riser as its mechanics do
//     (tests/run/reference/above_water_reference.py);
//   - a tower whose free members all stand above the water runs.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "dataset/tpcm.h"
#include "example_run.h"
#include "platform/block_reset.h"
#include "slowdrift/output.h"
#include "statics/solve.h"
#include "support/checks.h"

namespace qv {
namespace {

using testing_support::edited;
using testing_support::example;
using testing_support::IsClose;

constexpr int kTankerYoke = 4;  // the tanker example's element 4, its yoke (member 3)

class Wetness : public testing_support::ExampleRun {
 protected:
  bool run(const std::string& image) {
    closeAllUnits();
    resetAllBlocks();  // each case a fresh run
    return runImage(image) == -1;
  }
};

// The two-sigma value of quantity q (1 in-plane shear, 2 axial, 3 lateral shear, 4 and 5 the
// bending moments) at the top of moment element C, over the sea of the run.
double sigma(int C, int q) { return std::sqrt(OUTPUT.momentVariances(C, q)); }
double momentSigma(int C) { return std::max(sigma(C, 4), sigma(C, 5)); }

// The tanker example with a yoke of 30 m3 (some 31 t of buoyancy if it were under water), its
// added-mass coefficient 1, and its top a moment element as well; under the option `wetyok`.
std::string voluminousYoke(std::int32_t wetyok) {
  return edited(example("tanker-yoke"), [&](Tpcm& t) {
    t.BUOY(kTankerYoke) = 30.0f;
    t.COFMST(kTankerYoke) = 1.0f;
    t.LMOMT(kTankerYoke) = 1;
    t.WETYOK = wetyok;
  });
}

// The buoy's top (moment element 2) and the yoke's top at the vessel (moment element 3) are hinges:
// their bending moments below 1e-4 of the column tube's top (moment element 1), under every option.
// Before the rule, the yoke's top carried 4.5 % of it under the options that wet the buoy's top or
// the yoke.
TEST_F(Wetness, HingesCarryNoMomentUnderEveryOption) {
  for (std::int32_t wetyok = 0; wetyok <= 4; ++wetyok) {
    SCOPED_TRACE("WETYOK " + std::to_string(wetyok));
    ASSERT_TRUE(run(voluminousYoke(wetyok)));
    ASSERT_GT(momentSigma(1), 100.0);  // the base does bend
    EXPECT_LT(momentSigma(2), 1e-4 * momentSigma(1));
    EXPECT_LT(momentSigma(3), 1e-4 * momentSigma(1));
  }
}

// Element k cut into two, the lower `lower` long: the same body, its volume spread evenly along it as
// the examples' buoys have it, its weight, centre of gravity and moment of inertia kept (the upper
// part's weight `upperWeight` at its middle, evenly spread); the upper part frozen to the lower and the
// moment element, where k was one, at the upper part's top. The elements above move up by one.
void cutElement(Tpcm& t, int k, float lower, float upperWeight) {
  for (int j = t.NELEM; j > k; --j) {
    t.IFREE(j + 1) = t.IFREE(j);
    t.LMOMT(j + 1) = t.LMOMT(j);
    for (auto* table : {&t.SLEN, &t.BUOY, &t.CBUOY, &t.TMASS, &t.CGSALM, &t.LOWER, &t.GYRAD, &t.COFMST, &t.COFDMT}) {
      (*table)(j + 1) = (*table)(j);
    }
  }
  ++t.NELEM;
  const int u = k + 1;
  const double L = t.SLEN(k), W = t.TMASS(k), cg = t.CGSALM(k), rg = t.GYRAD(k), V = t.BUOY(k);
  const double Lu = L - lower;
  const double inertia = W * (rg * rg + cg * cg);  // about the lower end
  const double cgU = 0.5 * Lu, rgU2 = Lu * Lu / 12.0;
  const double Wl = W - upperWeight;
  const double cgL = (W * cg - upperWeight * (lower + cgU)) / Wl;
  const double inertiaL = inertia - upperWeight * ((lower + cgU) * (lower + cgU) + rgU2);
  for (auto* table : {&t.COFMST, &t.COFDMT, &t.LOWER}) (*table)(u) = (*table)(k);
  t.SLEN(k) = lower;
  t.SLEN(u) = static_cast<float>(Lu);
  t.BUOY(k) = static_cast<float>(V * lower / L);
  t.BUOY(u) = static_cast<float>(V * Lu / L);
  t.CBUOY(k) = 0.5f * lower;
  t.CBUOY(u) = static_cast<float>(0.5 * Lu);
  t.TMASS(k) = static_cast<float>(Wl);
  t.TMASS(u) = upperWeight;
  t.CGSALM(k) = static_cast<float>(cgL);
  t.CGSALM(u) = static_cast<float>(cgU);
  t.GYRAD(k) = static_cast<float>(std::sqrt(inertiaL / Wl - cgL * cgL));
  t.GYRAD(u) = static_cast<float>(std::sqrt(rgU2));
  t.IFREE(u) = 0;
  t.LMOMT(u) = t.LMOMT(k);
  t.LMOMT(k) = 0;
}

// What a run reports of the column, to compare two runs: the modes' periods, the two-sigma
// wave-frequency loads at every load point and the moment elements' variances.
struct Results {
  float TSALMH = 0.0f, TSALML = 0.0f;
  Arr<float, kWaveLoadPoints, 3> loads;
  Arr<float, kMaxMomentElements, 5> moments;
};
Results results() { return {OUTPUT.TSALMH, OUTPUT.TSALML, OUTPUT.FSIGHF, OUTPUT.momentVariances}; }

// The largest difference of the loads of b from those of a, relative to each (to a hundredth of the
// largest where one is smaller: the free top's residue), and of the moment elements' two-sigma values
// likewise.
double largestDifference(const Results& a, const Results& b) {
  double largest = 0.0, miss = 0.0;
  for (int j = 1; j <= kWaveLoadPoints; ++j)
    for (int c = 1; c <= 3; ++c) largest = std::max<double>(largest, a.loads(j, c));
  for (int j = 1; j <= kWaveLoadPoints; ++j)
    for (int c = 1; c <= 3; ++c)
      miss = std::max(miss, std::fabs(a.loads(j, c) - b.loads(j, c)) / std::max<double>(a.loads(j, c), 1e-2 * largest));
  largest = 0.0;
  for (int C = 1; C <= kMaxMomentElements; ++C)
    for (int q = 1; q <= 5; ++q) largest = std::max(largest, std::sqrt(static_cast<double>(a.moments(C, q))));
  for (int C = 1; C <= kMaxMomentElements; ++C)
    for (int q = 1; q <= 5; ++q) {
      const double x = std::sqrt(static_cast<double>(a.moments(C, q))), y = std::sqrt(static_cast<double>(b.moments(C, q)));
      miss = std::max(miss, std::fabs(x - y) / std::max(x, 1e-2 * largest));
    }
  return miss;
}

// The buoy cut into two elements, the lower one `lower` long, against the buoy whole, under every
// option: the same loads within `tolerance`, the same modes. The waterplane area is the buoy's own
// section (volume over length), so that the whole buoy's dry part and the cut one's upper element are
// the same body. On the tanker the cut lies 1.5 m above the buoy's waterline at the mean load (its
// dry 5.5 m of 30 m), the top of its lower element clear of the water at every load of the statics'
// table; under the options that wet the buoy's top it carried 11 t m at the buoy-top hinge and 18 %
// more shear than the whole buoy. On the free column the cut lies on the waterline itself (20 m of
// the buoy under water): its lower element ends at the surface, its upper one rises from it. There the
// statics' 0.0833 for 1/12 in the added inertia of the elements (left as the statics take it) moves
// the buoy's inertia by 1e-4 with the cut, and the loads near its period by up to a thousandth.
TEST_F(Wetness, CuttingTheBuoyChangesNothing) {
  struct Case {
    const char* example;
    int buoy;         // the buoy's element
    float lower;      // [m]
    double tolerance;
  };
  for (const Case& c : {Case{"tanker-yoke", 3, 26.0f, 1e-3}, Case{"free-salm", 2, 20.0f, 2e-3}}) {
    for (std::int32_t wetyok = 0; wetyok <= 4; ++wetyok) {
      SCOPED_TRACE(std::string(c.example) + ", WETYOK " + std::to_string(wetyok));
      const std::string whole = edited(example(c.example), [&](Tpcm& t) {
        t.WETYOK = wetyok;
        t.WPAPRC = t.BUOY(c.buoy) / t.SLEN(c.buoy);
      });
      ASSERT_TRUE(run(whole));
      const Results one = results();
      ASSERT_TRUE(run(edited(whole, [&](Tpcm& t) { cutElement(t, c.buoy, c.lower, 20.0f); })));
      const Results two = results();
      EXPECT_TRUE(IsClose(two.TSALMH, one.TSALMH, 0.2 * c.tolerance));
      EXPECT_TRUE(IsClose(two.TSALML, one.TSALML, 0.2 * c.tolerance));
      EXPECT_LT(largestDifference(one, two), c.tolerance);
    }
  }
}

// above_water_reference.py: the free example without current, its buoy's top wet (WETYOK 2), the
// buoy whole, cut 24 + 6 (its dry top an element of its own) or 21 + 3 + 3 + 3 (three elements wholly
// above the water). The riser's force on the buoy at their joint (load point 4: across the buoy and
// along it), per period and as two-sigma values over the sea, is that of the column's mechanics with
// the still-water level's kinematics held over the dry 10 m, for every cut. Grown as e^{kz} up the
// dry part the kinematics gave 80.40 t along and 86.1 t across (two sigma) for every cut (the
// reference, its kinematics grown likewise: 80.38 t along); grown afresh from the level's value in
// each dry element they gave 33.05 t along with the top in 1 m elements and 31.78 t in 0.5 m ones,
// approaching the held value only as the elements shrink.
TEST_F(Wetness, AWetBuoyTopLoadsAsTheStillWaterKinematicsWholeOrCut) {
  struct Cut {
    const char* name;
    std::vector<float> lowers;  // the lower part of each cut in turn, element 2 on up [m]
  };
  struct Period {
    int IW;                // period 4 s + 0.5 s (IW - 1)
    double across, along;  // [t per m of wave amplitude]
  };
  const Period periods[] = {{1, 14.6615, 72.7896}, {5, 23.9108, 29.3428}, {9, 26.6709, 10.0132},
                            {13, 33.2441, 1.28348}, {17, 18.7774, 8.51247}, {25, 7.4399, 16.7909},
                            {33, 10.3147, 21.0179}};
  const std::string whole = edited(example("free-salm"), [](Tpcm& t) {
    t.WETYOK = 2;
    t.LCURNT = 0;
    t.WPAPRC = t.BUOY(2) / t.SLEN(2);
  });
  for (const Cut& c : {Cut{"whole", {}}, Cut{"24 + 6", {24.0f}}, Cut{"21 + 3 + 3 + 3", {21.0f, 3.0f, 3.0f}}}) {
    SCOPED_TRACE(c.name);
    ASSERT_TRUE(run(edited(whole, [&](Tpcm& t) {
      for (std::size_t i = 0; i < c.lowers.size(); ++i) {
        const int k = 2 + static_cast<int>(i);
        // the part above the cut keeps its share of the buoy's 250 t, as if evenly spread
        cutElement(t, k, c.lowers[i], 250.0f * (t.SLEN(k) - c.lowers[i]) / 30.0f);
      }
    })));
    for (const Period& p : periods) {
      EXPECT_TRUE(IsClose(std::abs(OUTPUT.NETSHR(p.IW, 4)), p.across, 5e-3, 0.1)) << p.IW;
      EXPECT_TRUE(IsClose(std::abs(OUTPUT.NETAXL(p.IW, 4)), p.along, 5e-3, 0.1)) << p.IW;
    }
    EXPECT_TRUE(IsClose(OUTPUT.FSIGHF(4, 1), 58.0155, 5e-3));
    EXPECT_TRUE(IsClose(OUTPUT.FSIGHF(4, 2), 30.5814, 5e-3));
  }
}

// Nothing holds the free column's top (moment element 2): its loads and moments stay below a
// thousandth of those at the riser's top (moment element 1) under every option. Under the options that
// wet the buoy's top it carried 0.82 t of shear (two sigma) where the drivers left the added mass of
// the buoy's dry part out that its wave loads counted, and 0.16 t of it where the drag iteration
// stopped a percent short of the members' balance.
TEST_F(Wetness, FreeTopCarriesNothingUnderEveryOption) {
  for (std::int32_t wetyok = 0; wetyok <= 4; ++wetyok) {
    SCOPED_TRACE("WETYOK " + std::to_string(wetyok));
    ASSERT_TRUE(run(edited(example("free-salm"), [&](Tpcm& t) { t.WETYOK = wetyok; })));
    const double scale = std::max(sigma(1, 1), sigma(1, 2));
    ASSERT_GT(scale, 1.0);
    for (int q = 1; q <= 5; ++q) EXPECT_LT(sigma(2, q), 1e-3 * scale) << q;
  }
}

// piercing_column_reference.py: the free example's riser and buoy as rigid bodies, the buoy's wet
// buoyancy (20 m of 30 under water) at its wet centroid, its added mass over its whole length where
// the buoy's top is wet (WETYOK 1, 2), over its wetted length where it is dry (0, 3, 4).
TEST_F(Wetness, FreeColumnModesAreThoseOfItsLagrangianUnderEveryOption) {
  for (std::int32_t wetyok = 0; wetyok <= 4; ++wetyok) {
    SCOPED_TRACE("WETYOK " + std::to_string(wetyok));
    ASSERT_TRUE(run(edited(example("free-salm"), [&](Tpcm& t) { t.WETYOK = wetyok; })));
    const bool wetTop = wetyok == 1 || wetyok == 2;
    EXPECT_TRUE(IsClose(OUTPUT.TSALMH, wetTop ? 11.3374209 : 8.48050264, 1e-3));
    EXPECT_TRUE(IsClose(OUTPUT.TSALML, wetTop ? 37.8957104 : 30.962852, 1e-3));
  }
}

// The tanker's column with no element named as piercing the surface: its first free joint lies on the
// seabed, 100 m down, and the vessel would hold up members floating on no buoyancy (its top joint
// carried 895 t upward, and the run ended with status 0). The run stops before any stage, with no
// report written; and so does the system under water for the statics (option 7) with the buoy still
// named as piercing it.
TEST_F(Wetness, AColumnInTheWaterWithNothingPiercingItStopsBeforeAnyStage) {
  for (const std::int32_t wetyok : {0, 3, 5}) {
    SCOPED_TRACE("WETYOK " + std::to_string(wetyok));
    const std::string image = edited(example("tanker-yoke"), [&](Tpcm& t) {
      t.WETYOK = wetyok;
      if (wetyok != 5) t.IPIERC = 0;
    });
    closeAllUnits();
    resetAllBlocks();
    EXPECT_EQ(runImage(image), 1);
    EXPECT_FALSE(std::filesystem::exists("STATOUT.stxt"));
  }
}

// A frozen tower from the seabed to 4 m above the water (the tanker's column tube lengthened to 90 m,
// its tank frozen to it) carries the buoy and the yoke as its free members, all of them above the
// water, with no element piercing the surface: the run goes through under every option, the members
// dry for the statics.
TEST_F(Wetness, TowerWhoseFreeMembersStandAboveTheWaterRuns) {
  for (std::int32_t wetyok = 0; wetyok <= 4; ++wetyok) {
    SCOPED_TRACE("WETYOK " + std::to_string(wetyok));
    ASSERT_TRUE(run(edited(example("tanker-yoke"), [&](Tpcm& t) {
      t.WETYOK = wetyok;
      t.SLEN(1) = 90.0f;
      t.IFREE(1) = 0;
      t.IPIERC = 1;
    })));
    EXPECT_EQ(SOLVE.IPERCN, 0);
    EXPECT_EQ(SOLVE.NCON, 2);
    EXPECT_TRUE(std::isfinite(OUTPUT.FSIGHF(1, 1)));
  }
}

}  // namespace
}  // namespace qv
