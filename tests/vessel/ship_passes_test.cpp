// The ship hull model under the real vessel-response passes, in place of the stand-in: a small
// tanker on the SALM yoke in head seas. In waves much longer than the ship it rides the surface:
// per unit wave amplitude the heave tends to 1 and the pitch to the wave slope k. Under way, the
// statistics report against the moments of the printed operators in a sea written out here.
#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <sstream>
#include <string>

#include "dataset/tpcm.h"
#include "hull/himem.h"
#include "hull/hull_model.h"
#include "hull/pascom.h"
#include "platform/block_reset.h"
#include "support/box_tanker.h"
#include "support/checks.h"
#include "support/console_capture.h"
#include "support/data_set_fixture.h"
#include "support/fresh_run.h"
#include "support/linear_waves.h"
#include "support/record_file.h"
#include "support/temp_dir.h"
#include "vessel/slow_encounter.h"
#include "vessel/vessel_fixture.h"
#include "vessel/vesl1.h"
#include "vessel/vesl2.h"
#include "vessel/vesl3.h"
#include "waves/wavcom.h"

namespace qv {
namespace {

using testing_support::ConsoleCapture;
using testing_support::dumpRecords;
using testing_support::IsClose;
using testing_support::RecordDump;
using testing_support::TempDir;

constexpr int kPeriods = 49;         // 5 to 53 s
constexpr double kLength = testing_support::kBoxTankerLength;
constexpr double kDepth = 200.0;     // [ft]
constexpr double kG = 32.152;        // [ft/s^2]

// The wave number of the period T [s] in water of depth d (gravity g): w^2 = g k tanh(k d).
double waveNumber(double T, double d = kDepth, double g = kG) {
  return testing_support::linearWaveNumber(2.0 * M_PI / T, d, g);
}

// The box tanker of tests/support/box_tanker.h in 200 ft of water on the yoke (ISPM 1), one point at
// the centre of gravity, head seas (180 deg), a sea of 6 ft and 10 s from ahead.
void smallTanker() {
  testing_support::fillSavedDataSet();
  Tpcm& d = TPCM;
  d.EDUNIT = kScreenUnit;
  d.CREATR = 11;
  d.ISPM = 1;
  d.DEPTH = static_cast<float>(kDepth);
  testing_support::boxTankerHull();
  d.SLPHT = 10.0f;
  d.NWP = kPeriods;
  for (int i = 1; i <= kPeriods; ++i) d.T(i) = 4.0f + static_cast<float>(i);
  testing_support::headSeaWithOnePoint(6.0f, 10.0f, d.VKG);
  d.LDSP = 1;
}

class ShipPasses : public testing_support::FreshRun {
 protected:
  TempDir dir;
};

TEST_F(ShipPasses, LongWavesInHeadSeasLiftAndTiltTheTankerWithTheSurface) {
  smallTanker();
  ASSERT_EQ(selectHull(), HullKind::kShip);
  {
    ConsoleCapture console("\n\n\n");
    VESL1();
    VESL2();
    VESL3();
  }
  Himem& h = HIMEM;
  int longWaves = 0;
  for (int i = 1; i <= kPeriods; ++i) {
    const double k = waveNumber(TPCM.T(i));
    ASSERT_TRUE(testing_support::IsClose(h.RLDUM(h.LCNWK + i - 1), k, 1e-5)) << "period " << TPCM.T(i);
    if (2.0 * M_PI / k <= 10.0 * kLength) continue;
    ++longWaves;
    const std::complex<double> heave(h.HVRAO(i));
    const double pitch = std::abs(std::complex<double>(h.PTRAO(i)));  // [rad per unit amplitude]
    EXPECT_LT(std::abs(heave - 1.0), 0.05) << "period " << TPCM.T(i) << " heave " << heave;
    EXPECT_LT(std::abs(pitch / k - 1.0), 0.05) << "period " << TPCM.T(i) << " pitch / k " << pitch / k;
  }
  EXPECT_GE(longWaves, 10);

  // The motion file holds the ship's operators: at the centre of gravity the displacement is the
  // surge, sway and heave, then roll, yaw and pitch; the point's displacement follows the operators.
  const RecordDump dump = dumpRecords("YOKEMOT");
  ASSERT_TRUE(dump.clean);
  ASSERT_EQ(dump.records.size(), 1u + kPeriods);
  for (int i = 1; i <= kPeriods; ++i) {
    const auto& r = dump.records[static_cast<std::size_t>(i)];
    EXPECT_EQ(r.complexAt(5), h.PTRAO(i)) << i;
    EXPECT_LT(std::abs(r.complexAt(2) - h.HVRAO(i)), 1e-5 * (1.0 + std::abs(h.HVRAO(i)))) << i;
  }

  // Pass 3 hands finite statistics of the sea state to the mooring side.
  for (int q = 1; q <= 6; ++q) {
    EXPECT_TRUE(std::isfinite(PASCOM.NETVESMOT_RMS(q))) << q;
    EXPECT_TRUE(std::isfinite(PASCOM.NETVESFRC_RMS(q))) << q;
  }
  EXPECT_GT(PASCOM.NETVESMOT_RMS(3), 0.0f);
  EXPECT_GT(PASCOM.NETVESMOT_RMS(5), 0.0f);
}


// Under way each wave is met at its encounter frequency, but row i of the operator tables is still the
// response to the wave of period T(i), and that wave alone carries the energy S(w_i). So each
// significant motion of the statistics report is 2 sqrt(m0) with m0 = integral of S(w) |X(w)|^2 dw
// over wave frequency, X the printed operators, and its significant rate 2 sqrt(m2) with m2 the same
// integral weighted by the squared encounter frequency we = w - k U cos(beta). Here S is written
// out: the Bretschneider spectrum 5/16 Hs^2 wp^4 / w^5 exp(-1.25 (wp / w)^4), integrated over the
// grid in double precision. At rest, in a quartering head sea under way, in a quartering following
// sea fast enough that we rises and falls again over the grid (the ship model's operators follow
// we, so each value of we is met at two wave periods), and in a following sea that the ship
// overtakes in its short waves, so that we passes through 0 where the sea has energy.
TEST_F(ShipPasses, SignificantMotionsUnderWayPairEachWaveWithItsOwnResponse) {
  struct Case {
    const char* what;
    float speed;    // [ft/s]
    float heading;  // of the waves relative to the course [deg]
  };
  const Case cases[] = {{"at rest", 0.0f, 150.0f},
                        {"under way, waves from the bow quarter", 15.0f, 150.0f},
                        {"under way, waves from the stern quarter", 15.0f, 30.0f},
                        {"under way, a following sea overtaken in its short waves", 30.0f, 0.0f}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    resetAllBlocks();
    smallTanker();
    Tpcm& d = TPCM;
    d.ISPM = 0;  // a free ship: its statistics report is "SHIPRAN.stxt"
    d.NWP = 99;  // 4 to 23.6 s
    for (int i = 1; i <= d.NWP; ++i) d.T(i) = 4.0f + 0.2f * static_cast<float>(i - 1);
    d.TVFWD = c.speed;
    d.VGLDIR = 0.0f;
    d.WAVHDG(1) = c.heading;
    d.SEAHDG(1) = c.heading;
    d.LSPRED = 0;
    d.WAVTYP = 6;  // Bretschneider
    d.SWHT(1) = 12.0f;
    d.SIGPD(1) = 10.0f;
    d.LCGFLG = 0;
    d.IUNIT = 1;
    d.NEGSUM = 0;
    for (int q = 1; q <= 6; ++q) d.MOTION(q) = 1;
    d.RACC(1, 1) = 0.0f;  // a point over the origin: its vertical motion is the heave
    d.RACC(2, 1) = 0.0f;
    d.LVEL = 1;
    d.LDSP = 1;
    d.LGAP = 0;
    {
      ConsoleCapture console(std::string(20, '\n'));
      VESL1();
      VESL2();
      VESL3();
    }
    const Himem& h = HIMEM;
    ASSERT_EQ(WAVCOM.NRAO, 1);

    // The integrals over the grid of the operators that the motion table prints.
    const double hs = 12.0, wp = 2.0 * M_PI / 10.0;
    const double uCos = c.speed * std::cos(c.heading / 57.29577951308232);
    // Surge, sway and yaw, without restoring, take the waves met more slowly than the longest wave
    // of the grid at the row's weight (slowEncounterWeight): their response there is the slow
    // drift's (it grows as 1 / we^2). Simpson's rule in period (dw = w^2 dT / 2 pi, the grid being
    // uniform in period), which takes the rows weighted as the grid has them.
    const double lowest = 2.0 * M_PI / d.T(d.NWP);
    const double step = d.T(2) - d.T(1);
    double m0[6] = {}, m2[6] = {};
    int turns = 0;  // where we stops rising or falling
    int slow = 0;   // rows met more slowly than the grid reaches
    double lastWe = 0.0;
    double lastStep = 0.0;
    for (int j = 1; j <= d.NWP; ++j) {
      const double w = 2.0 * M_PI / d.T(j);
      const double k = waveNumber(d.T(j));
      const double we = w - k * uCos;
      if (std::fabs(we) < lowest) ++slow;
      if (j > 1) {
        if (lastStep * (we - lastWe) < 0.0) ++turns;
        lastStep = we - lastWe;
      }
      lastWe = we;
      const double simpson = (j == 1 || j == d.NWP) ? 1.0 : (j % 2 == 0 ? 4.0 : 2.0);
      const double dw = simpson * step / 3.0 * w * w / (2.0 * M_PI);
      const double S = 5.0 / 16.0 * hs * hs * std::pow(wp, 4) / std::pow(w, 5) * std::exp(-1.25 * std::pow(wp / w, 4));
      for (int q = 1; q <= 6; ++q) {
        const bool restored = q >= 3 && q <= 5;
        const double weight = restored ? 1.0 : slowEncounterWeight(static_cast<float>(we), static_cast<float>(lowest));
        const double x = weight * std::abs(std::complex<double>(h.CXDUM(h.LCNSG + (q - 1) * h.NARRAY + j - 1))) *
                         (q >= 4 ? 57.29577951308232 : 1.0);
        m0[q - 1] += dw * S * x * x;
        m2[q - 1] += dw * we * we * S * x * x;
      }
    }
    EXPECT_EQ(turns, c.heading < 90.0f ? 1 : 0);  // following: we rises, then falls over the grid
    if (c.heading < 90.0f) {
      EXPECT_GT(slow, 0);
    }

    // The printed motion table: value, rate and period of each degree of freedom.
    const std::string report = testing_support::readFileText("SHIPRAN.stxt");
    const std::size_t table = report.find("SIGNIFICANT SINGLE AMPLITUDE MOTIONS");
    ASSERT_NE(table, std::string::npos);
    const char* names[6] = {"   SURGE (", "   SWAY  (", "   HEAVE (", "   ROLL  (", "   PITCH (", "   YAW   ("};
    for (int q = 0; q < 6; ++q) {
      const std::size_t at = report.find(names[q], table);
      ASSERT_NE(at, std::string::npos) << names[q];
      std::istringstream line(report.substr(report.find(')', at) + 1, 60));
      double value = 0.0, rate = 0.0;
      line >> value >> rate;
      EXPECT_TRUE(IsClose(value, 2.0 * std::sqrt(m0[q]), 0.01, 0.001)) << names[q];
      EXPECT_TRUE(IsClose(rate, 2.0 * std::sqrt(m2[q]), 0.01, 0.001)) << names[q];
    }

    // The point over the origin moves with the heave; its velocity is i we times its displacement,
    // so the variance of its velocity is the variance of the displacement's rate on board. Along
    // the ship it moves with the surge and the pitch about the pitch centre; where the surge takes
    // a row's weight the pitch's share stays whole, as it stays in the pitch.
    const double lever = d.RACC(3, 1) - h.VTCRP;
    double x0 = 0.0;
    for (int j = 1; j <= d.NWP; ++j) {
      const double w = 2.0 * M_PI / d.T(j);
      const double we = w - waveNumber(d.T(j)) * uCos;
      const double simpson = (j == 1 || j == d.NWP) ? 1.0 : (j % 2 == 0 ? 4.0 : 2.0);
      const double dw = simpson * step / 3.0 * w * w / (2.0 * M_PI);
      const double S = 5.0 / 16.0 * hs * hs * std::pow(wp, 4) / std::pow(w, 5) * std::exp(-1.25 * std::pow(wp / w, 4));
      const double weight = slowEncounterWeight(static_cast<float>(we), static_cast<float>(lowest));
      const std::complex<double> surge = weight * std::complex<double>(h.CXDUM(h.LCNSG + j - 1));
      x0 += dw * S * std::norm(surge + lever * std::complex<double>(h.CXDUM(h.LCNPIT + j - 1)));
    }
    EXPECT_TRUE(IsClose(h.RLDUM(statisticsPair(h.LCNDSP, 1, 1, 1)), x0, 0.01, 1e-6));
    const std::int32_t z = 3;
    const std::int32_t displacement = statisticsPair(h.LCNDSP, z, 1, 1);
    const std::int32_t velocity = statisticsPair(h.LCNVEL, z, 1, 1);
    const std::int32_t heave = statisticsPair(h.LCNMOT, 3, 1, 1);
    EXPECT_TRUE(IsClose(h.RLDUM(displacement), h.RLDUM(heave), 1e-5));
    EXPECT_TRUE(IsClose(h.RLDUM(displacement + 1), h.RLDUM(heave + 1), 1e-5));
    EXPECT_TRUE(IsClose(h.RLDUM(velocity), h.RLDUM(displacement + 1), 1e-5));
  }
}

// A 250 x 45 x 16 m box-shaped tanker in 100 m of sea water (1025 kg/m^3): displacement 250 x 45 x 16
// x 1.025 = 184,500 t, KB = 8 m, KMT = T/2 + B^2/(12 T) = 18.5469 m, KML = T/2 + L^2/(12 T) =
// 333.5208 m, KG 12 m; gyradii 0.25 L in pitch and yaw, 0.35 B in roll. On the yoke, the periods 5,
// 10, ... 200 s, a sea from ahead; one point at the bow, 122.4 m forward on the centre line at the
// waterline, whose displacement relative to the water is asked for.
void metricTankerWithABowPoint() {
  smallTanker();
  Tpcm& d = TPCM;
  d.NUNTS = 1;
  d.DEPTH = 100.0f;
  d.DWATR = 1025.0f;
  d.TDISPL = 184500.0f;
  d.VKB = 8.0f;
  d.VKG = 12.0f;
  d.VKMT = 18.54688f;
  d.VKML = 333.5208f;
  d.TDRAFT = 16.0f;
  d.TAWP = 11250.0f;
  d.TLWL = 250.0f;
  d.TBWL = 45.0f;
  d.TPGYR = 62.5f;
  d.TRGYR = 15.75f;
  d.YGYR = 62.5f;
  d.SLPHT = 4.0f;
  d.NWP = 40;
  for (int i = 1; i <= d.NWP; ++i) d.T(i) = 5.0f * static_cast<float>(i);
  testing_support::headSeaWithOnePoint(4.0f, 10.0f, d.TDRAFT);
  d.RACC(1, 1) = 122.4f;
  d.LGAP = 1;
}

// Passes 1 and 2 of the ship hull model on the data set in hand, and the motion file they write.
RecordDump shipYokeMotions() {
  EXPECT_EQ(selectHull(), HullKind::kShip);
  {
    ConsoleCapture console("\n\n\n");
    VESL1();
    VESL2();
  }
  return dumpRecords("YOKEMOT");
}

TEST_F(ShipPasses, ABowPointRisesAndFallsWithTheWaveAboveIt) {
  // In a 200 s wave from ahead (k = 0.001 1/m in 100 m of water) the surface at the bow, 122.4 m
  // forward, is 7 deg ahead of the surface at the centre: exp(-i k x cos b) with b = 180 deg. The
  // tanker, 250 m long, heaves and pitches with the surface, so the bow point's vertical motion
  // relative to the water there is within 1 % of the wave amplitude; in shorter waves it grows.
  metricTankerWithABowPoint();
  const RecordDump dump = shipYokeMotions();
  ASSERT_TRUE(dump.clean);
  ASSERT_EQ(dump.records.size(), 1u + 40u);
  Himem& h = HIMEM;
  double before = 1.0e30;
  for (int i = 20; i <= 40; ++i) {  // 100 to 200 s
    const double relative = std::abs(std::complex<double>(dump.records[static_cast<std::size_t>(i)].complexAt(2)));
    EXPECT_LT(relative, before) << "period " << TPCM.T(i);
    before = relative;
    // The same from the operators: heave - x pitch is the elevation exp(i k x) at the bow.
    const double k = h.RLDUM(h.LCNWK + i - 1);
    const std::complex<double> bow = std::complex<double>(h.HVRAO(i)) - 122.4 * std::complex<double>(h.PTRAO(i));
    EXPECT_NEAR(std::abs(bow - std::polar(1.0, k * 122.4)), relative, 1e-5) << "period " << TPCM.T(i);
  }
  EXPECT_LT(before, 0.01);
  EXPECT_TRUE(testing_support::IsClose(h.RLDUM(h.LCNWK + 39), waveNumber(200.0, 100.0, 9.8), 1e-4));
}

// In waves much longer than the tanker, the water at the centre of its water line carries it: the
// point there moves with the water particle, -i (cos b, sin b) / tanh(k d) horizontally and 1
// vertically per unit amplitude (linear wave theory, the wave number of this file), so its motion
// relative to the water tends to nothing: in every component, with the waves along the hull, across
// it and oblique to it, it is below 1 % of the particle's excursion from 100 s on and below 0.1 % from
// 300 s on. The box tanker of the ship hull model at rest, 200 ft of water, periods 25 to 500 s.
TEST_F(ShipPasses, InLongWavesTheTankerMovesWithTheWaterAroundIt) {
  for (const float headingDeg : {180.0f, 90.0f, 135.0f, 30.0f}) {
    SCOPED_TRACE(testing::Message() << "waves from " << headingDeg << " deg");
    resetAllBlocks();
    smallTanker();
    Tpcm& d = TPCM;
    d.NWP = 20;
    for (int i = 1; i <= d.NWP; ++i) d.T(i) = 25.0f * static_cast<float>(i);
    d.WAVHDG(1) = headingDeg;
    d.SEAHDG(1) = headingDeg;
    d.RACC(3, 1) = d.TDRAFT;  // the centre of the water line
    d.LGAP = 1;
    const RecordDump dump = shipYokeMotions();
    ASSERT_TRUE(dump.clean);
    ASSERT_EQ(dump.records.size(), 1u + 20u);
    for (int i = 1; i <= d.NWP; ++i) {
      const double k = waveNumber(d.T(i));
      const double excursion = 1.0 / std::tanh(k * kDepth);
      const auto& r = dump.records[static_cast<std::size_t>(i)];
      const double relative[3] = {std::abs(std::complex<double>(r.complexAt(0))) / excursion,
                                  std::abs(std::complex<double>(r.complexAt(1))) / excursion,
                                  std::abs(std::complex<double>(r.complexAt(2)))};
      if (d.T(i) < 100.0f) continue;
      const double bound = d.T(i) < 300.0f ? 0.01 : 0.001;
      for (int j = 0; j < 3; ++j) EXPECT_LT(relative[j], bound) << "period " << d.T(i) << ", component " << j;
    }
  }
}

}  // namespace
}  // namespace qv
