// Short waves on the tanker example, whose column tube is one element of 62 m standing on the seabed
// in 100 m of water: from 2 s the waves barely reach the tube, and its load must be what it is when
// the tube is cut into three elements (a load does not depend on how a member is cut), the run ending
// normally without a word about precision.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "dataset/tpcm.h"
#include "example_run.h"
#include "support/checks.h"
#include "support/report_values.h"

namespace qv {
namespace {

using testing_support::example;
using testing_support::readFileText;
using testing_support::rowAfter;

// The example's image with its wave periods from `first` by 0.5 s, its tube (the first element,
// member 1, 2 m across) lengthened by `longer` and the water deepened as much, and the tube cut into
// `pieces` equal elements that share its volume, weight and moment output (at the top of the last);
// the elements above it move up by the pieces added.
std::string shortWaveImage(float first, int pieces, float longer = 0.0f) {
  std::string image = example("tanker-yoke");
  std::memcpy(&TPCM, image.data(), image.size());
  Tpcm& t = TPCM;
  for (int i = 1; i <= t.NWP; ++i) t.T(i) = first + 0.5f * static_cast<float>(i - 1);
  const float stretch = (t.SLEN(1) + longer) / t.SLEN(1);
  t.SLEN(1) *= stretch;
  t.BUOY(1) *= stretch;
  t.TMASS(1) *= stretch;
  t.DEPTH += longer;
  t.OFFINC *= stretch;  // the statics' offsets grow with the column
  const int added = pieces - 1;
  for (int e = t.NELEM; e >= 2; --e) {
    t.IFREE(e + added) = t.IFREE(e);
    t.LMOMT(e + added) = t.LMOMT(e);
    t.SLEN(e + added) = t.SLEN(e);
    t.BUOY(e + added) = t.BUOY(e);
    t.CBUOY(e + added) = t.CBUOY(e);
    t.TMASS(e + added) = t.TMASS(e);
    t.CGSALM(e + added) = t.CGSALM(e);
    t.LOWER(e + added) = t.LOWER(e);
    t.GYRAD(e + added) = t.GYRAD(e);
    t.COFMST(e + added) = t.COFMST(e);
    t.COFDMT(e + added) = t.COFDMT(e);
  }
  // The tube is uniform: its volume and weight centred, its gyradius L / sqrt(12).
  const float length = t.SLEN(1) / static_cast<float>(pieces);
  const float volume = t.BUOY(1) / static_cast<float>(pieces);
  const float weight = t.TMASS(1) / static_cast<float>(pieces);
  const std::int32_t moments = t.LMOMT(1);
  for (int e = 1; e <= pieces; ++e) {
    t.IFREE(e) = e == 1 ? t.IFREE(1) : 0;
    t.LMOMT(e) = e == pieces ? moments : 0;
    t.SLEN(e) = length;
    t.BUOY(e) = volume;
    t.CBUOY(e) = 0.5f * length;
    t.TMASS(e) = weight;
    t.CGSALM(e) = 0.5f * length;
    t.GYRAD(e) = length / std::sqrt(12.0f);
    t.COFMST(e) = t.COFMST(1);
    t.COFDMT(e) = t.COFDMT(1);
  }
  t.NELEM += added;
  t.IPIERC += added;
  std::memcpy(image.data(), &TPCM, image.size());
  return image;
}

class ShortWaves : public testing_support::ExampleRun {
 protected:
  // The most probable peak loads of the wave-frequency and combined sections, the base's (member 0)
  // and the tube's (member 1): bottom shear, axial, lateral, top shear, axial, lateral of each.
  std::vector<double> peakLoads(float first, int pieces, float longer = 0.0f) {
    closeAllUnits();
    resetAllBlocks();
    const int status = runImage(shortWaveImage(first, pieces, longer));
    closeAllUnits();
    const std::string messages = readFileText("Diagnostics.stxt");
    EXPECT_EQ(status, -1) << pieces << " pieces:\n" << messages;
    EXPECT_EQ(messages.find("precision"), std::string::npos) << messages;
    const std::string ranout = readFileText("RANOUT.stxt");
    std::vector<double> loads;
    for (const char* section : {"---- WAVE-FREQUENCY LOADS", "---- COMBINED WAVE AND LOW-FREQUENCY LOADS"}) {
      for (const char* member : {"0", "1"}) {
        const std::vector<double> row = rowAfter(ranout, section, member);
        EXPECT_EQ(row.size(), 6u) << section << " " << member;
        loads.insert(loads.end(), row.begin(), row.end());
      }
    }
    return loads;
  }
};

TEST_F(ShortWaves, TheTubeInOneElementCarriesWhatItCarriesInThree) {
  for (const float first : {2.0f, 3.0f}) {
    SCOPED_TRACE(first);
    const std::vector<double> whole = peakLoads(first, 1);
    const std::vector<double> cut = peakLoads(first, 3);
    ASSERT_EQ(whole.size(), cut.size());
    for (std::size_t i = 0; i < whole.size(); ++i) {
      EXPECT_TRUE(std::isfinite(whole[i])) << i;
      // Two decimals of a few hundred tonnes, and the drag integrated over other Simpson points.
      EXPECT_NEAR(whole[i], cut[i], 0.001 * std::fabs(cut[i]) + 0.02) << i;
    }
  }
}

// A column whose tube is one element of 362 m or 1,462 m (in 400 m or 1,500 m of water) runs from
// 4 s, and carries what it carries in six elements.
TEST_F(ShortWaves, AVeryLongTubeRunsAndCarriesWhatItCarriesInSix) {
  for (const float longer : {300.0f, 1400.0f}) {
    SCOPED_TRACE(longer);
    const std::vector<double> whole = peakLoads(4.0f, 1, longer);
    const std::vector<double> cut = peakLoads(4.0f, 6, longer);
    ASSERT_EQ(whole.size(), cut.size());
    for (std::size_t i = 0; i < whole.size(); ++i) {
      EXPECT_TRUE(std::isfinite(whole[i])) << i;
      EXPECT_NEAR(whole[i], cut[i], 0.001 * std::fabs(cut[i]) + 0.02) << i;
    }
  }
}

}  // namespace
}  // namespace qv
