#include "waves/sea_state.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "dataset/tpcm.h"
#include "support/checks.h"
#include "support/swells.h"
#include "waves/wave_grid_fixture.h"
#include "waves/wavcom.h"

namespace qv {
namespace {

using qv::testing_support::IsClose;
using qv::testing_support::setSwell;
using qv::testing_support::setWaveGrid;
using qv::testing_support::SwellItems;

constexpr double kPi = 3.14159265358979323846;
constexpr double kG = 9.8;

// Pierson-Moskowitz density alpha g^2 / w^5 exp(-1.25 (wp / w)^4) [m^2 s].
double piersonMoskowitz(double w, double wp) {
  return 0.0081 * kG * kG / std::pow(w, 5) * std::exp(-1.25 * std::pow(wp / w, 4));
}

// 45 periods from 3 to 25 s in 50 m of water, metric.
class SeaState : public qv::testing_support::WaveGridTest {
 protected:
  void SetUp() override {
    WaveGridTest::SetUp();
    setWaveGrid(45, 3.0f, 0.5f);
    WAVCOM = Wavcom{};
    WAVCOM.G = 9.8f;
  }
};

TEST_F(SeaState, TheGridHoldsTheFrequenciesAndTheirWaveNumbersAtTheSiteDepth) {
  fillWaveGrid();
  const Wavcom& w = WAVCOM;
  EXPECT_EQ(w.TS, 3.0f);
  EXPECT_EQ(w.TL, 25.0f);
  EXPECT_EQ(w.NW, 44);
  EXPECT_EQ(w.DT, 0.5f);
  EXPECT_EQ(w.DW, 0.0f);
  for (int i = 1; i <= 45; ++i) {
    const double omega = 2 * kPi / TPCM.T(i);
    EXPECT_TRUE(IsClose(w.W(i), omega, 1e-6)) << "point " << i;
    EXPECT_TRUE(IsClose(w.W2(i), omega * omega, 2e-6)) << "point " << i;
    // Linear waves: omega^2 = g k tanh(k h).
    const double k = w.WVK(i);
    EXPECT_TRUE(IsClose(kG * k * std::tanh(k * 50.0), omega * omega, 1e-4)) << "point " << i;
  }
  EXPECT_EQ(w.W(46), 0.0f);  // beyond the grid nothing is written
}

// The types that derive the height or the period hand them back in the result and in WAVCOM; the
// data set keeps what the user typed, byte for byte.
TEST_F(SeaState, DerivedHeightsAndPeriodsLeaveTheDataSetAsTyped) {
  Tpcm& t = TPCM;
  t.LRANDM = 1;
  t.WAVTYP = kSpectrumPiersonMoskowitz;
  t.SWHT(1) = 4.0f;
  t.SIGPD(1) = 7.0f;  // as typed; the spectrum's own peak follows from the height
  t.LSWELL = 1;
  t.SWLTYP = kSpectrumUserOrdinates;
  t.SWELHT = 1.0f;  // stale values of a page that no longer shows them
  t.SWELPD = 20.0f;
  // The Pierson-Moskowitz table of 4 m, peak period 15.66 sqrt(4 / g) = 10.0048 s.
  const double wp = 2 * kPi / 10.004807;
  for (int i = 1; i <= 45; ++i) t.USRPSD(i) = static_cast<float>(piersonMoskowitz(2 * kPi / t.T(i), wp));
  const std::vector<std::byte> typed(tpcmBytes().begin(), tpcmBytes().end());

  const RunSeaState built = buildSeaState();
  EXPECT_EQ(std::memcmp(typed.data(), tpcmBytes().data(), typed.size()), 0);

  // Pierson-Moskowitz: Hs = 0.21 U^2 / g and wp = 0.877 g / U for the wind speed U at 19.5 m, so
  // Tp = 2 pi / (0.877 sqrt(0.21)) sqrt(Hs / g) = 15.63 sqrt(Hs / g).
  const double tp = 2 * kPi / (0.877 * std::sqrt(0.21)) * std::sqrt(4.0 / kG);
  EXPECT_TRUE(IsClose(built.sea.TP, tp, 3e-3));
  EXPECT_EQ(WAVCOM.TPK, built.sea.TP);
  EXPECT_EQ(built.sea.HS, 4.0f);
  // scipy.integrate.quad of the Pierson-Moskowitz density of 4 m over [2 pi / 25, 2 pi / 3]:
  // 0.9901333357; the significant height on the grid is 4 sqrt of it.
  EXPECT_TRUE(IsClose(WAVCOM.SWH, 4.0 * std::sqrt(0.9901333357), 2e-4));
  EXPECT_TRUE(IsClose(WAVCOM.WPK, 2 * kPi / built.sea.TP, 1e-6));

  // The swell's table: its height is 4 sqrt(m0) of the table, its peak the grid period nearest it.
  EXPECT_TRUE(IsClose(built.swell.HS, 4.0 * std::sqrt(0.9901333357), 2e-4));
  EXPECT_EQ(WAVCOM.SWHSWL, built.swell.HS);
  EXPECT_TRUE(IsClose(built.swell.TP, 10.0, 1e-6));
  EXPECT_TRUE(IsClose(WAVCOM.WSWLPK, 2 * kPi / 10.0, 1e-6));
  EXPECT_TRUE(IsClose(swellPeakPeriod(), 10.0, 1e-6));
  EXPECT_EQ(WAVCOM.NSWEL, 35);  // the period typed, 20 s, is T(35)
}

TEST_F(SeaState, ASystemThatIsOffLeavesNothingOfAnEarlierSeaState) {
  Tpcm& t = TPCM;
  t.LRANDM = 1;
  t.WAVTYP = kSpectrumMeanJonswap;
  t.SWHT(1) = 4.0f;
  t.SIGPD(1) = 10.0f;
  buildSeaState();
  ASSERT_GT(WAVCOM.WPSD(20), 0.0f);
  t.LRANDM = 0;
  t.LSWELL = 0;
  const RunSeaState built = buildSeaState();
  for (int i = 1; i <= kMaxWavePeriods; ++i) {
    EXPECT_EQ(WAVCOM.WPSD(i), 0.0f) << "point " << i;
    EXPECT_EQ(WAVCOM.SWLPSD(i), 0.0f) << "point " << i;
  }
  EXPECT_EQ(built.sea.HS, 0.0f);
  EXPECT_EQ(built.swell.TP, 0.0f);
}

// The second swell's spectrum is built from its own items as the swell's is from the swell's: the
// two swells given in either order give the same two spectra. Each holds the variance Hs^2 / 16 of
// its height where the grid of 3 to 25 s takes its energy (a narrow default swell, JONSWAPs peaked
// well inside), and its peak at the period typed.
TEST_F(SeaState, TheSecondSwellIsBuiltFromItsOwnItemsAsTheSwellIs) {
  struct Case {
    const char* name;
    SwellItems a, b;
  };
  const Case cases[] = {
      {"a default swell and a mean JONSWAP", {kSpectrumDefaultSwell, 2.0f, 14.0f, 0.0f, 0.1f, 0, 0, 0},
       {kSpectrumMeanJonswap, 3.0f, 11.0f, 0.0f, 0.0f, 0, 0, 0}},
      {"two general JONSWAPs of their own shapes", {kSpectrumGeneralJonswap, 1.5f, 16.0f, 0.0f, 0.0f, 2.0f, 0.06f, 0.1f},
       {kSpectrumGeneralJonswap, 2.5f, 12.0f, 0.0f, 0.0f, 5.0f, 0.09f, 0.07f}},
  };
  Tpcm& t = TPCM;
  t.LRANDM = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    setSwell(t, 1, c.a);
    setSwell(t, 2, c.b);
    const RunSeaState first = buildSeaState();
    const Wavcom given = WAVCOM;
    setSwell(t, 1, c.b);
    setSwell(t, 2, c.a);
    const RunSeaState swapped = buildSeaState();
    for (int i = 1; i <= 45; ++i) {
      EXPECT_EQ(WAVCOM.SWLPSD(i), given.SWLPSD2(i)) << "point " << i;
      EXPECT_EQ(WAVCOM.SWLPSD2(i), given.SWLPSD(i)) << "point " << i;
    }
    EXPECT_EQ(WAVCOM.SWHSWL2, given.SWHSWL);
    EXPECT_EQ(WAVCOM.WSWLPK2, given.WSWLPK);
    EXPECT_EQ(WAVCOM.WKSWLPK2, given.WKSWLPK);
    EXPECT_EQ(swapped.swell2.HS, first.swell.HS);
    EXPECT_EQ(swapped.swell.TP, first.swell2.TP);

    EXPECT_TRUE(IsClose(given.SWHSWL, c.a.height, 0.02)) << "Hs^2 / 16 of the swell";
    EXPECT_TRUE(IsClose(given.SWHSWL2, c.b.height, 0.02)) << "Hs^2 / 16 of the second swell";
    EXPECT_TRUE(IsClose(swellPeakPeriod(1), c.b.period, 1e-5));
    EXPECT_TRUE(IsClose(swellPeakPeriod(2), c.a.period, 1e-5));
    // Linear waves in 50 m: the peak wave number solves omega^2 = g k tanh(k h).
    const double wp = 2 * kPi / c.a.period;
    const double k = WAVCOM.WKSWLPK2;
    EXPECT_TRUE(IsClose(kG * k * std::tanh(k * 50.0), wp * wp, 1e-4));
  }
}

// The second swell is a swell beside the swell: with the swell off (a data set of another program
// may hold it so) it is no wave system, and one built before leaves nothing.
TEST_F(SeaState, ASecondSwellWithoutTheSwellIsNone) {
  Tpcm& t = TPCM;
  setSwell(t, 1, {kSpectrumMeanJonswap, 2.0f, 12.0f, 0.0f, 0.0f, 0, 0, 0});
  setSwell(t, 2, {kSpectrumMeanJonswap, 3.0f, 15.0f, 0.0f, 0.0f, 0, 0, 0});
  buildSeaState();
  ASSERT_GT(WAVCOM.SWLPSD2(20), 0.0f);
  t.LSWELL = 0;
  EXPECT_FALSE(secondSwellOn());
  const RunSeaState built = buildSeaState();
  for (int i = 1; i <= kMaxWavePeriods; ++i) EXPECT_EQ(WAVCOM.SWLPSD2(i), 0.0f) << "point " << i;
  EXPECT_EQ(built.swell2.HS, 0.0f);
  EXPECT_TRUE(swellOffTheGrid(1).empty());  // nor is its period checked
}

// Each swell that is on must lie on the grid from T(first) on; the stop names the one that does not,
// the swell first.
TEST_F(SeaState, TheStopNamesTheSwellOffTheGrid) {
  struct Case {
    std::int32_t second;  // LSWEL2
    float period, period2;  // [s]
    std::int32_t first;     // the first grid period the swells may take
    std::vector<std::string> expected;
  };
  const Case cases[] = {
      {1, 12.0f, 15.0f, 1, {}},
      {1, 12.0f, 30.0f, 1,
       {"     The second swell peak period 30.00 s (page 16) is nearest to none of the",
        "     wave periods 3.00 to 25.00 s of page 14."}},
      {1, 2.0f, 30.0f, 1,
       {"     The swell peak period 2.00 s (page 16) is nearest to none of the wave",
        "     periods 3.00 to 25.00 s of page 14."}},
      {1, 12.0f, 3.5f, 3,
       {"     The second swell peak period 3.50 s (page 16) is nearest to none of the",
        "     wave periods 4.00 to 25.00 s of page 14."}},
      {0, 12.0f, 30.0f, 1, {}},  // a second swell that is off is not checked
  };
  Tpcm& t = TPCM;
  t.LSWELL = 1;
  for (const Case& c : cases) {
    t.LSWEL2 = c.second;
    t.SWELPD = c.period;
    t.SWELPD2 = c.period2;
    EXPECT_EQ(swellOffTheGrid(c.first), c.expected) << c.period << " " << c.period2 << " from " << c.first;
  }
  t.SWELPD2 = 30.0f;
  EXPECT_EQ(swellGridIndex(2), 55);
}

// The grid index nearest the swell's period on the grid of 3 to 25 s by 0.5 s.
TEST_F(SeaState, TheSwellIndexIsTheNearestGridPeriod) {
  struct Case {
    float period;
    std::int32_t index;
  };
  const Case cases[] = {
      {3.0f, 1},   {10.0f, 15}, {10.2f, 15}, {10.25f, 16},  // a tie takes the longer period
      {25.0f, 45}, {25.3f, 46}, {2.7f, 0},   {-50.0f, -104},  // off the grid: below 1 or beyond NWP
      {std::numeric_limits<float>::quiet_NaN(), 0},
  };
  for (const Case& c : cases) {
    TPCM.SWELPD = c.period;
    EXPECT_EQ(swellGridIndex(), c.index) << c.period;
  }
}

}  // namespace
}  // namespace qv
