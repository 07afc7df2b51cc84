// Response statistics over the sea states. With unit operators and no forward speed the response of
// a motion is the sea itself, so every table pair must equal the sea's moments from SMPINT; with
// spreading, the weights of one sea heading's directions sum to 1 within Simpson's error.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "dataset/tpcm.h"
#include "hull/himem.h"
#include "hull/hull_model.h"
#include "support/checks.h"
#include "support/console_capture.h"
#include "support/temp_dir.h"
#include "util/fortran_format.h"
#include "vessel/slow_encounter.h"
#include "vessel/statistics.h"
#include "vessel/stub_hull.h"
#include "vessel/vessel_fixture.h"
#include "vessel/vesl1.h"
#include "waves/spectral_integration.h"
#include "waves/wavcom.h"

namespace qv {
namespace {

using testing_support::ConsoleCapture;
using testing_support::contains;
using testing_support::IsClose;
using testing_support::StubHull;
using testing_support::TempDir;

struct Moments {
  float m0 = 0.0f;
  float m2 = 0.0f;
};

Moments smpint(const float* f) {
  Moments m;
  SMPINT(f, m.m0, m.m2);
  return m;
}

// Frequency [rad/s] and wave number of grid point i, from the work area.
float w(int i) { return HIMEM.RLDUM(HIMEM.LCNW + i - 1); }
float k(int i) { return HIMEM.RLDUM(HIMEM.LCNWK + i - 1); }

Moments pairAt(std::int32_t base, int q, int j, int h) {
  const std::int32_t at = statisticsPair(base, q, j, h);
  return {HIMEM.RLDUM(at), HIMEM.RLDUM(at + 1)};
}

class StatisticsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing_support::freeShipDataSet(41);  // 3 to 23 s: the seas below lose little of their tails
    for (int i = 1; i <= TPCM.NWP; ++i) TPCM.T(i) = 3.0f + 0.5f * static_cast<float>(i - 1);
    TPCM.NEGSUM = 1;
    // Two JONSWAP sea states and two sea headings.
    TPCM.LRANDM = 1;
    TPCM.WAVTYP = 2;
    TPCM.NSEAHT = 2;
    TPCM.SWHT(1) = 10.0f;
    TPCM.SIGPD(1) = 9.0f;
    TPCM.SWHT(2) = 20.0f;
    TPCM.SIGPD(2) = 12.0f;
    TPCM.NSEAHG = 2;
    TPCM.SEAHDG(1) = 0.0f;
    TPCM.SEAHDG(2) = 90.0f;
  }
  void TearDown() override { HULL_MODELS.reset(); }

  // Pass 1, then the motion statistics of every response heading, as the second pass gathers them.
  void runMotionStatistics() {
    ConsoleCapture console;
    VESL1();
    HIMEM.LFRFLG = 0;
    HIMEM.LOCSIG = HIMEM.LCNMOT;
    for (WAVCOM.IRAO = 1; WAVCOM.IRAO <= WAVCOM.NRAO; ++WAVCOM.IRAO) STAT1();
  }

  const float* seaSpectrum(int j) const { return &HIMEM.RLDUM(HIMEM.LCNPSD + (j - 1) * HIMEM.NARRAY); }

  TempDir dir;
};

TEST_F(StatisticsTest, UnitOperatorsReturnTheSeaWithoutSpreading) {
  TPCM.LSPRED = 0;
  TPCM.MOTION(4) = 0;  // roll not asked for
  runMotionStatistics();
  for (int j = 1; j <= 2; ++j) {
    const Moments sea = smpint(seaSpectrum(j));
    // The sea itself: M0 near Hs^2 / 16 on this grid, and its slot in the work area.
    EXPECT_TRUE(IsClose(sea.m0, TPCM.SWHT(j) * TPCM.SWHT(j) / 16.0, 0.05)) << "height " << j;
    const std::int32_t slot = seaStateRecord(j);
    EXPECT_TRUE(IsClose(HIMEM.RLDUM(slot), sea.m0, 1e-6));
    EXPECT_TRUE(IsClose(HIMEM.RLDUM(slot + 1), sea.m2, 1e-6));
    EXPECT_EQ(HIMEM.RLDUM(slot + 2), TPCM.SIGPD(j));  // the peak period WVSPEC settled on
    for (int h = 1; h <= 2; ++h) {
      for (int q = 1; q <= 6; ++q) {
        const Moments got = pairAt(HIMEM.LCNMOT, q, j, h);
        if (q == 4) {
          EXPECT_EQ(got.m0, 0.0f);
          EXPECT_EQ(got.m2, 0.0f);
          continue;
        }
        EXPECT_TRUE(IsClose(got.m0, sea.m0, 1e-5)) << "q " << q << " j " << j << " h " << h;
        EXPECT_TRUE(IsClose(got.m2, sea.m2, 1e-5)) << "q " << q << " j " << j << " h " << h;
      }
    }
  }
  EXPECT_EQ(WAVCOM.LWVCMP, 1);
}

// Sea headings 0 and 90 spread in 6 intervals share some directions (merged headings), and the
// regular heading 180 is one of them. The heave operator is 1 at every heading, so each sea heading's
// variance over that of its spectrum is the sum of its directions' weights, which must be 1: a spread
// sea carries the energy of the long-crested one. Normalised by the integral of the cosine power the
// sums were (reference/spreading_reference.py: FACT = sqrt(pi) gamma((p+1)/2) / gamma(p/2+1), or
// 2 scipy.integrate.quad of |cos x|^p from 0 to pi 180 / ANGSEC above 360 degrees; ANGNRM =
// (180 / ANGSEC) DA / (3 FACT)): 1.0062793 (ANGSEC 180, p 4.5), 0.9980310 (ANGSEC 400, p 2; the first
// direction, 160 degrees for sea heading 0, merges with the last, which carries no weight) and
// 1.9807536 (ANGSEC 180, p 50, a fan too coarse for the exponent).
TEST_F(StatisticsTest, SpreadingWeightsOfASeaHeadingSumToOne) {
  struct Case {
    float angsec, cosexp;
  };
  for (const Case& c : {Case{180.0f, 4.5f}, Case{400.0f, 2.0f}, Case{180.0f, 50.0f}}) {
    SetUp();
    TPCM.LSPRED = 1;
    TPCM.NA = 6;
    TPCM.ANGSEC = c.angsec;
    TPCM.COSEXP = c.cosexp;
    runMotionStatistics();
    for (int j = 1; j <= 2; ++j) {
      const Moments sea = smpint(seaSpectrum(j));
      for (int h = 1; h <= 2; ++h) {
        const Moments got = pairAt(HIMEM.LCNMOT, 3, j, h);
        EXPECT_TRUE(IsClose(got.m0 / sea.m0, 1.0, 1e-5)) << "ANGSEC " << c.angsec << " COSEXP " << c.cosexp << " j " << j
                                                          << " h " << h;
        EXPECT_TRUE(IsClose(got.m2 / sea.m2, 1.0, 1e-5)) << "ANGSEC " << c.angsec << " COSEXP " << c.cosexp << " j " << j
                                                          << " h " << h;
      }
    }
  }
}

TEST_F(StatisticsTest, AFixedSwellReachesEverySeaStateAlsoWithoutARandomSea) {
  TPCM.LRANDM = 0;
  TPCM.LSWELL = 1;
  TPCM.SWLTYP = 2;
  TPCM.SWELHT = 6.0f;
  TPCM.SWELPD = 14.0f;
  TPCM.SWLHDG = 45.0f;
  runMotionStatistics();
  const Moments swell = smpint(&HIMEM.RLDUM(HIMEM.LCNPSD + 6 * HIMEM.NARRAY));
  EXPECT_TRUE(IsClose(swell.m0, 36.0 / 16.0, 0.05));
  EXPECT_TRUE(IsClose(HIMEM.RLDUM(HIMEM.LCNSWL), swell.m0, 1e-6));
  // No random sea: one height and one heading stand for the table.
  for (int q = 1; q <= 6; ++q) {
    const Moments got = pairAt(HIMEM.LCNMOT, q, 1, 1);
    EXPECT_TRUE(IsClose(got.m0, swell.m0, 1e-5)) << "q " << q;
    EXPECT_TRUE(IsClose(got.m2, swell.m2, 1e-5)) << "q " << q;
  }
  EXPECT_EQ(pairAt(HIMEM.LCNMOT, 1, 2, 1).m0, 0.0f);
}

// The operator forms of STATCM, each against the response spectrum built here point by point and
// integrated by SMPINT.
class OperatorFormsTest : public StatisticsTest {
 protected:
  void SetUp() override {
    StatisticsTest::SetUp();
    TPCM.LSPRED = 0;
    ConsoleCapture console;
    VESL1();
    HIMEM.LOCSIG = HIMEM.LCNMOT;
    WAVCOM.IRAO = 1;
    HIMEM.RAOANG(1) = 0.0f;
    // A sea spectrum in place: that of height 2.
    WAVCOM.LWVCMP = 0;
    HIMEM.LFRFLG = 0;
    STAT1();
  }
  void setColumn(std::int32_t column, Complex (*value)(int)) {
    for (int i = 1; i <= TPCM.NWP; ++i) HIMEM.CXDUM(column + i - 1) = value(i);
  }
  // SMPINT of the sea of height 2 times |X(i)|^2.
  Moments expected(Complex (*X)(int)) const {
    std::vector<float> psd(100, 0.0f);
    for (int i = 1; i <= TPCM.NWP; ++i) psd[i - 1] = seaSpectrum(2)[i - 1] * std::norm(X(i));
    return smpint(psd.data());
  }
  Moments computed(std::int32_t column) {
    STATCM(column, HIMEM.LCNPSD + HIMEM.NARRAY, HIMEM.LCNSIG);
    return {HIMEM.RLDUM(HIMEM.LCNSIG), HIMEM.RLDUM(HIMEM.LCNSIG + 1)};
  }
};

TEST_F(OperatorFormsTest, ForcesOtherThanHeavePerUnitAmplitude) {
  HIMEM.LFRFLG = 1;
  setColumn(HIMEM.LCNSG, [](int) { return Complex(0.6f, 0.8f); });
  setColumn(HIMEM.LCNHV, [](int) { return Complex(0.6f, 0.8f); });
  const Moments surge = computed(HIMEM.LCNSG);
  const Moments surgeExpected = expected([](int i) { return Complex(k(i), 0.0f); });
  EXPECT_TRUE(IsClose(surge.m0, surgeExpected.m0, 1e-5));
  EXPECT_TRUE(IsClose(surge.m2, surgeExpected.m2, 1e-5));
  const Moments heave = computed(HIMEM.LCNHV);
  EXPECT_TRUE(IsClose(heave.m0, smpint(seaSpectrum(2)).m0, 1e-5));
}

TEST_F(OperatorFormsTest, AboutTheCentreOfGravity) {
  TPCM.LCGFLG = 1;
  HIMEM.VTCRP = TPCM.TVKG + 2.0f;
  HIMEM.VTCRR = TPCM.TVKG - 1.0f;
  HIMEM.GML = 10.0f;
  HIMEM.GMT = 5.0f;
  // Motions: surge - 2 pitch and sway + (-1) roll vanish for these columns.
  setColumn(HIMEM.LCNSG, [](int) { return Complex(1.0f, 0.5f); });
  setColumn(HIMEM.LCNPIT, [](int) { return Complex(0.5f, 0.25f); });
  setColumn(HIMEM.LCNSWY, [](int) { return Complex(0.0f, 2.0f); });
  setColumn(HIMEM.LCNROL, [](int) { return Complex(0.0f, 2.0f); });
  EXPECT_EQ(computed(HIMEM.LCNSG).m0, 0.0f);
  EXPECT_EQ(computed(HIMEM.LCNSWY).m0, 0.0f);
  // Forces: roll - (-1 / 5) sway = 0.6 + 0.2 * 2 = 1, then times k; pitch + (2 / 10) surge.
  HIMEM.LFRFLG = 1;
  setColumn(HIMEM.LCNROL, [](int) { return Complex(0.6f, 0.0f); });
  setColumn(HIMEM.LCNSWY, [](int) { return Complex(2.0f, 0.0f); });
  const Moments roll = computed(HIMEM.LCNROL);
  EXPECT_TRUE(IsClose(roll.m0, expected([](int i) { return Complex(k(i), 0.0f); }).m0, 1e-5));
  setColumn(HIMEM.LCNPIT, [](int) { return Complex(-0.2f, -0.1f); });
  EXPECT_EQ(computed(HIMEM.LCNPIT).m0, 0.0f);
}

// Under way row i is still the response to the wave of frequency W(i): its energy S(i) goes with
// that row alone, so M0 is the same sum as at rest; M2 weights each row with its squared encounter
// frequency we = w - k U cos(beta). Here the waves follow the course (beta 0) at 20 ft/s, so that
// we rises, falls and passes through 0 over the grid (no ordering of we is needed); point
// quantities go the same way.
TEST_F(OperatorFormsTest, UnderWayEachRowGoesWithItsOwnWave) {
  TPCM.TVFWD = 20.0f;
  TPCM.VGLDIR = 0.0f;
  auto encounter = [](int i) { return w(i) - k(i) * 20.0f; };
  int sign = 0;
  for (int i = 1; i <= TPCM.NWP; ++i) sign |= encounter(i) < 0.0f ? 1 : 2;
  ASSERT_EQ(sign, 3);  // we changes sign on this grid
  setColumn(HIMEM.LCNHV, [](int i) { return Complex(0.2f + 0.5f * w(i), 1.0f - 0.3f * w(i)); });
  const Moments got = computed(HIMEM.LCNHV);
  std::vector<float> psd(100, 0.0f);
  std::vector<float> rate(100, 0.0f);  // psd we^2: its M0 is the integral of we^2 psd over w
  for (int i = 1; i <= TPCM.NWP; ++i) {
    psd[i - 1] = seaSpectrum(2)[i - 1] * std::norm(Complex(0.2f + 0.5f * w(i), 1.0f - 0.3f * w(i)));
    rate[i - 1] = psd[i - 1] * encounter(i) * encounter(i);
  }
  EXPECT_TRUE(IsClose(got.m0, smpint(psd.data()).m0, 1e-6));
  EXPECT_TRUE(IsClose(got.m2, smpint(rate.data()).m0, 1e-5));

  std::vector<float> f(100, 0.0f);
  for (int i = 1; i <= TPCM.NWP; ++i) f[i - 1] = psd[i - 1] / seaSpectrum(2)[i - 1];
  STATCP(f.data(), HIMEM.LCNPSD + HIMEM.NARRAY, HIMEM.LCNSIG);
  EXPECT_TRUE(IsClose(HIMEM.RLDUM(HIMEM.LCNSIG), got.m0, 1e-5));
  EXPECT_TRUE(IsClose(HIMEM.RLDUM(HIMEM.LCNSIG + 1), got.m2, 1e-5));

  // At rest the same column gives the same M0 and the wave frequency's M2.
  TPCM.TVFWD = 0.0f;
  const Moments still = computed(HIMEM.LCNHV);
  EXPECT_EQ(still.m0, got.m0);
  EXPECT_TRUE(IsClose(still.m2, smpint(psd.data()).m2, 1e-6));
}

// Under way in following seas surge, sway and yaw have no restoring: where the vessel meets a wave
// more slowly than the lowest frequency of the grid, |we| < min w, their response is the slow
// drift's, not a wave-frequency one, and it grows without bound as we passes through 0. There the
// motion statistics take surge, sway and yaw at the row's weight s (slowEncounterWeight, whose shape
// slow_encounter_test pins), so their energy at s^2 (about the centre of gravity the surge keeps
// the pitch's whole share: s - 2 pitch), heave, roll and pitch whole; the exciting forces stay
// whole. The rows are found here from the grid's own frequencies and wave numbers, among them rows
// taken in part and rows taken not at all; the first such statistic of the run warns, naming the
// speed, the heading and the periods of every row not taken whole, and no other does.
TEST_F(OperatorFormsTest, UnderWayTheRowsMetTooSlowlyTakeSurgeSwayAndYawAtTheirWeight) {
  TPCM.TVFWD = 20.0f;
  TPCM.VGLDIR = 0.0f;
  slowEncounterState.reset();
  const float lowest = w(TPCM.NWP);
  auto encounter = [](int i) { return w(i) - k(i) * 20.0f; };
  std::vector<float> sea(100, 0.0f), seaRate(100, 0.0f), kept(100, 0.0f), keptRate(100, 0.0f), weight(100, 1.0f);
  int partial = 0, none = 0;
  for (int i = 1; i <= TPCM.NWP; ++i) {
    const float s = slowEncounterWeight(encounter(i), lowest);
    EXPECT_EQ(s == 1.0f, std::fabs(encounter(i)) >= lowest) << TPCM.T(i);
    weight[i - 1] = s;
    sea[i - 1] = seaSpectrum(2)[i - 1];
    seaRate[i - 1] = sea[i - 1] * encounter(i) * encounter(i);
    kept[i - 1] = s * s * sea[i - 1];
    keptRate[i - 1] = s * s * seaRate[i - 1];
    if (s == 0.0f) ++none;
    if (s > 0.0f && s < 1.0f) ++partial;
  }
  ASSERT_GT(none, 0);
  ASSERT_GT(partial, 1);
  const float unit = smpint(kept.data()).m0;
  ASSERT_LT(unit, 0.99f * smpint(sea.data()).m0);  // the rows weighted carry energy of this sea

  ConsoleCapture console;
  for (const std::int32_t column : {HIMEM.LCNSG, HIMEM.LCNSWY, HIMEM.LCNHV, HIMEM.LCNROL, HIMEM.LCNPIT, HIMEM.LCNYAW}) {
    setColumn(column, [](int) { return Complex(1.0f, 0.0f); });
  }
  for (const std::int32_t column : {HIMEM.LCNSG, HIMEM.LCNSWY, HIMEM.LCNYAW}) {
    const Moments got = computed(column);
    EXPECT_TRUE(IsClose(got.m0, unit, 1e-5)) << column;
    EXPECT_TRUE(IsClose(got.m2, smpint(keptRate.data()).m0, 1e-5)) << column;
  }
  for (const std::int32_t column : {HIMEM.LCNHV, HIMEM.LCNROL, HIMEM.LCNPIT}) {
    const Moments got = computed(column);
    EXPECT_TRUE(IsClose(got.m0, smpint(sea.data()).m0, 1e-5)) << column;
    EXPECT_TRUE(IsClose(got.m2, smpint(seaRate.data()).m0, 1e-5)) << column;
  }
  // About the centre of gravity: surge - 2 pitch, of which the surge takes the row's weight.
  TPCM.LCGFLG = 1;
  HIMEM.VTCRP = TPCM.TVKG + 2.0f;
  std::vector<float> cg(100, 0.0f);
  for (int i = 1; i <= TPCM.NWP; ++i) cg[i - 1] = (weight[i - 1] - 2.0f) * (weight[i - 1] - 2.0f) * sea[i - 1];
  EXPECT_TRUE(IsClose(computed(HIMEM.LCNSG).m0, smpint(cg.data()).m0, 1e-5));
  TPCM.LCGFLG = 0;
  // The exciting forces are no motion: whole.
  HIMEM.LFRFLG = 1;
  EXPECT_TRUE(IsClose(computed(HIMEM.LCNHV).m0, smpint(sea.data()).m0, 1e-5));
  HIMEM.LFRFLG = 0;

  const std::string screen = console.screen();
  EXPECT_EQ(testing_support::occurrences(screen, " ++> Warning: under way at 20.00 ft/s with the waves at 0.00 deg"), 1)
      << screen;
  for (int i = 1; i <= TPCM.NWP; ++i)
    EXPECT_EQ(contains(screen, fmtF(TPCM.T(i), 7, 2)), weight[i - 1] < 1.0f) << TPCM.T(i) << screen;
}

TEST_F(OperatorFormsTest, PointQuantitiesUseTheirSquaredTransferFunctions) {
  std::vector<float> f(100, 0.0f);
  std::vector<float> psd(100, 0.0f);
  for (int i = 1; i <= TPCM.NWP; ++i) {
    f[i - 1] = 0.1f * static_cast<float>(i);
    psd[i - 1] = f[i - 1] * seaSpectrum(2)[i - 1];
  }
  STATCP(f.data(), HIMEM.LCNPSD + HIMEM.NARRAY, HIMEM.LCNSIG);
  const Moments want = smpint(psd.data());
  EXPECT_TRUE(IsClose(HIMEM.RLDUM(HIMEM.LCNSIG), want.m0, 1e-6));
  EXPECT_TRUE(IsClose(HIMEM.RLDUM(HIMEM.LCNSIG + 1), want.m2, 1e-6));
}

// An even number of periods: the work area's moment rule closes the grid as SMPINT does.
TEST_F(StatisticsTest, SmpIn2FollowsSmpintOnAnEvenGrid) {
  TPCM.NWP = 40;
  TPCM.LRANDM = 0;
  ConsoleCapture console;
  VESL1();
  std::vector<float> f(100, 0.0f);
  for (int i = 1; i <= TPCM.NWP; ++i) f[i - 1] = 1.0f / (1.0f + 0.1f * static_cast<float>(i));
  SMPIN2(f.data(), HIMEM.LCNSIG);
  const Moments want = smpint(f.data());
  EXPECT_EQ(HIMEM.RLDUM(HIMEM.LCNSIG), want.m0);
  EXPECT_EQ(HIMEM.RLDUM(HIMEM.LCNSIG + 1), want.m2);
}

}  // namespace
}  // namespace qv
