// Water does not act on a SALM element above it: the tanker example's yoke given a volume, standing
// 5 to 12 m above the water, takes no buoyancy, no wave load and no added mass, so nothing the run
// reports may depend on its added-mass coefficient. Independent value: the run with the coefficient
// 0. Under the submergence option that puts the yoke under water for the dynamics, the same
// coefficient must show in the loads, or the comparison would prove nothing.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "dataset/tpcm.h"
#include "example_run.h"
#include "platform/block_reset.h"
#include "support/checks.h"
#include "support/report_values.h"

namespace qv {
namespace {

using testing_support::example;
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

}  // namespace
}  // namespace qv
