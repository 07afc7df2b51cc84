// The ship hull model under the real vessel-response passes, in place of the stand-in: a small
// tanker on the SALM yoke in head seas. In waves much longer than the ship it rides the surface:
// per unit wave amplitude the heave tends to 1 and the pitch to the wave slope k.
#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <string>

#include "dataset/tpcm.h"
#include "hull/himem.h"
#include "hull/hull_model.h"
#include "hull/pascom.h"
#include "support/checks.h"
#include "support/console_capture.h"
#include "support/data_set_fixture.h"
#include "support/fresh_run.h"
#include "support/record_file.h"
#include "support/temp_dir.h"
#include "vessel/vessel_fixture.h"
#include "vessel/vesl1.h"
#include "vessel/vesl2.h"
#include "vessel/vesl3.h"
#include "waves/wavcom.h"

namespace qv {
namespace {

using testing_support::ConsoleCapture;
using testing_support::dumpRecords;
using testing_support::RecordDump;
using testing_support::TempDir;

constexpr int kPeriods = 49;         // 5 to 53 s
constexpr double kLength = 300.0;    // waterline length [ft]
constexpr double kDepth = 200.0;     // [ft]
constexpr double kG = 32.152;        // [ft/s^2]

// The wave number of the period T [s] in water of depth kDepth: w^2 = g k tanh(k h), by Newton's
// method from the deep-water value.
double waveNumber(double T) {
  const double w = 2.0 * M_PI / T;
  double k = w * w / kG;
  for (int i = 0; i < 50; ++i) {
    const double f = kG * k * std::tanh(k * kDepth) - w * w;
    const double df = kG * std::tanh(k * kDepth) + kG * k * kDepth / (std::cosh(k * kDepth) * std::cosh(k * kDepth));
    k -= f / df;
  }
  return k;
}

// A 300 x 50 x 20 ft box-shaped tanker in sea water (64 lb/ft^3): displacement 300 x 50 x 20 x 64 /
// 1000 = 19,200 kips, KB = 10 ft, KMT = T/2 + B^2/(12 T) = 20.4167 ft, KML = T/2 + L^2/(12 T) = 385 ft,
// KG 15 ft; gyradii 0.25 L in pitch and yaw, 0.35 B in roll. On the yoke (ISPM 1), one point at the
// centre of gravity, head seas (180 deg), a sea of 6 ft and 10 s from ahead.
void smallTanker() {
  testing_support::fillSavedDataSet();
  Tpcm& d = TPCM;
  d.EDUNIT = kScreenUnit;
  d.CREATR = 11;
  d.ISPM = 1;
  d.VESTYP = 1;
  d.DEPTH = static_cast<float>(kDepth);
  d.DWATR = 64.0f;
  d.TDISPL = 19200.0f;
  d.VKB = 10.0f;
  d.VKG = 15.0f;
  d.VKMT = 20.41667f;
  d.VKML = 385.0f;
  d.TDRAFT = 20.0f;
  d.TAWP = 15000.0f;
  d.TLWL = static_cast<float>(kLength);
  d.TBWL = 50.0f;
  d.TPGYR = 75.0f;
  d.TRGYR = 17.5f;
  d.YGYR = 75.0f;
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

}  // namespace
}  // namespace qv
