// Water does not act on a SALM element above it: the tanker example's yoke given a volume, standing
// 5 to 12 m above the water, takes no buoyancy, no wave load and no added mass, so nothing the run
// reports may depend on its added-mass coefficient. Independent value: the run with the coefficient
// 0. Under the submergence option that puts the yoke under water for the dynamics, the same
// coefficient must show in the loads, or the comparison would prove nothing. So too for a dry element
// of the piercing member itself, above its piercing element, on the attached and the free SALM; the
// piercing member's added mass is then its piercing coefficient times the buoyancy it keeps under
// water.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "dataset/tpcm.h"
#include "dynamics/dyncom.h"
#include "example_run.h"
#include "platform/block_reset.h"
#include "slowdrift/output.h"
#include "statics/solve.h"
#include "support/checks.h"
#include "support/report_values.h"

namespace qv {
namespace {

using testing_support::edited;
using testing_support::example;
using testing_support::IsClose;
using testing_support::maskClock;
using testing_support::readFileText;
using testing_support::rowAfter;
using testing_support::withWord;

constexpr int kYoke = 4;  // the example's element 4, member 3

class DryYoke : public testing_support::ExampleRun {
 protected:
  struct Reports {
    std::string low, dynamics, statistics;
  };

  // The example with the yoke's volume (30 m3, some 31 t of buoyancy) and added-mass coefficient,
  // under the submergence option `wetyok`, run afresh; its reports with the clock masked.
  Reports run(std::int32_t wetyok, float cofmst) {
    std::string image = example("tanker-yoke");
    image = withWord(image, offsetof(Tpcm, BUOY) + 4 * (kYoke - 1), 30.0f);
    image = withWord(image, offsetof(Tpcm, COFMST) + 4 * (kYoke - 1), cofmst);
    image = withWord(image, offsetof(Tpcm, WETYOK), wetyok);
    closeAllUnits();
    resetAllBlocks();
    EXPECT_EQ(runImage(image), -1) << "WETYOK " << wetyok << ", COFMST " << cofmst;
    return {maskClock(readFileText("LOWOUT.stxt")), maskClock(readFileText("DYNOUT.stxt")),
            maskClock(readFileText("RANOUT.stxt"))};
  }
};

// The two-sigma wave-frequency loads of a member in the statistics report: bottom shear, axial,
// lateral, top shear, axial, lateral.
std::vector<double> waveLoads(const std::string& ranout, const std::string& member) {
  return rowAfter(ranout, "---- WAVE-FREQUENCY LOADS", member);
}

TEST_F(DryYoke, ItsAddedMassCoefficientChangesNothing) {
  const Reports dry = run(0, 0.0f);
  ASSERT_EQ(waveLoads(dry.statistics, "3R").size(), 6u);
  for (const float cofmst : {1.0f, 2.0f}) {
    SCOPED_TRACE("COFMST " + std::to_string(cofmst));
    const Reports r = run(0, cofmst);
    EXPECT_TRUE(r.statistics == dry.statistics);
    EXPECT_TRUE(r.dynamics == dry.dynamics);
    EXPECT_TRUE(r.low == dry.low);
    for (const char* member : {"2", "3R", "4R"}) {
      EXPECT_EQ(waveLoads(r.statistics, member), waveLoads(dry.statistics, member)) << member;
    }
  }
}

// WETYOK 3: the yoke under water for the dynamics (the buoy's top dry). Its added mass doubles the
// bottom shear of its legs between the coefficients 0 and 2.
TEST_F(DryYoke, UnderWaterForTheDynamicsItsAddedMassShows) {
  const std::vector<double> none = waveLoads(run(3, 0.0f).statistics, "3R");
  const std::vector<double> two = waveLoads(run(3, 2.0f).statistics, "3R");
  ASSERT_EQ(none.size(), 6u);
  ASSERT_EQ(two.size(), 6u);
  EXPECT_GT(two[0], 1.5 * none[0]);
}

// A deck of 2 m and 20 m3 (20.5 t of buoyancy if it were under water) on the buoy's top, a frozen
// joint making it part of the buoy's member: inserted as element `at`, the elements above it moving
// up by one, with the added-mass coefficient `cofmst`.
void insertDeck(Tpcm& t, int at, float cofmst) {
  for (int k = t.NELEM; k >= at; --k) {
    t.IFREE(k + 1) = t.IFREE(k);
    t.LMOMT(k + 1) = t.LMOMT(k);
    for (auto* table : {&t.SLEN, &t.BUOY, &t.CBUOY, &t.TMASS, &t.CGSALM, &t.LOWER, &t.GYRAD, &t.COFMST, &t.COFDMT}) {
      (*table)(k + 1) = (*table)(k);
    }
  }
  ++t.NELEM;
  t.IFREE(at) = 0;
  t.LMOMT(at) = 0;
  t.SLEN(at) = 2.0f;
  t.BUOY(at) = 20.0f;
  t.CBUOY(at) = 1.0f;
  t.TMASS(at) = 10.0f;
  t.CGSALM(at) = 1.0f;
  t.LOWER(at) = 0.0f;
  t.GYRAD(at) = 0.6f;
  t.COFMST(at) = cofmst;
  t.COFDMT(at) = t.COFDMT(t.IPIERC);
}

// The buoy's deck on the tanker example (element 4, 6 to 8 m above the water, the yoke now element 5)
// and on the free example (element 3, 10 to 12 m above the water), both under WETYOK 0 (the buoy's
// top dry). Its added-mass coefficient 0, 1 or 2 changes nothing the run reports, nor the periods of
// the modes; the buoy keeps the added mass of its own wet buoyancy, at its own coefficient (the
// examples' 1): on the free SALM standing upright, the buoy's 848.2 m3 less its 10 m above the water
// of 28.27 m2, 579.6 t; on the tanker the wet buoyancy of its attitude at the mean load.
class DryDeck : public testing_support::ExampleRun {
 protected:
  struct Run {
    std::string low, dynamics, statistics;
    float TSALMH = 0.0f, TSALML = 0.0f, addedMass = 0.0f, addedMoment = 0.0f, wetBuoyancy = 0.0f,
          wetMoment = 0.0f;
  };

  Run run(const char* name, int at, float cofmst) {
    const std::string image = edited(example(name), [&](Tpcm& t) {
      insertDeck(t, at, cofmst);
      t.WETYOK = 0;
    });
    closeAllUnits();
    resetAllBlocks();
    EXPECT_EQ(runImage(image), -1) << name << ", COFMST " << cofmst;
    const Solve& s = SOLVE;
    const int P = s.IPERCN;
    return {maskClock(readFileText("LOWOUT.stxt")),
            maskClock(readFileText("DYNOUT.stxt")),
            maskClock(readFileText("RANOUT.stxt")),
            OUTPUT.TSALMH,
            OUTPUT.TSALML,
            s.ADMBCY(P),
            s.ADMLBD(P),
            DYNCOM.TMPBCY(P),
            DYNCOM.TMPLBD(P)};
  }
};

TEST_F(DryDeck, ItsAddedMassCoefficientChangesNothingAndTheBuoyKeepsItsWetAddedMass) {
  struct Case {
    const char* example;
    int deck;           // the deck's element
    double wetBuoyancy;  // of the buoy standing upright [t]; 0: at its attitude, as the dynamics find it
  };
  for (const Case& c : {Case{"tanker-yoke", 4, 0.0}, Case{"free-salm", 3, 579.6}}) {
    SCOPED_TRACE(c.example);
    const Run none = run(c.example, c.deck, 0.0f);
    ASSERT_FALSE(none.dynamics.empty());
    ASSERT_EQ(SOLVE.IPERCN, 2);
    EXPECT_EQ(TPCM.COFMST(TPCM.IPIERC), 1.0f);
    if (c.wetBuoyancy > 0.0) {
      EXPECT_TRUE(IsClose(none.wetBuoyancy, c.wetBuoyancy, 1e-3));
    }
    EXPECT_TRUE(IsClose(none.addedMass, none.wetBuoyancy, 1e-5));
    EXPECT_TRUE(IsClose(none.addedMoment, none.wetMoment, 1e-5));
    for (const float cofmst : {1.0f, 2.0f}) {
      SCOPED_TRACE("COFMST " + std::to_string(cofmst));
      const Run r = run(c.example, c.deck, cofmst);
      EXPECT_TRUE(r.statistics == none.statistics);
      EXPECT_TRUE(r.dynamics == none.dynamics);
      EXPECT_TRUE(r.low == none.low);
      EXPECT_EQ(r.TSALMH, none.TSALMH);
      EXPECT_EQ(r.TSALML, none.TSALML);
      EXPECT_EQ(r.addedMass, none.addedMass);
      EXPECT_EQ(r.addedMoment, none.addedMoment);
    }
  }
}

}  // namespace
}  // namespace qv
