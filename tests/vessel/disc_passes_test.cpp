// The discus buoy hull model under the real vessel-response passes, free and moored by four chain
// lines, in head seas: in waves much longer than the buoy it rides the surface (heave 1), or is held
// down by the lines' heave spring as a float on a spring is; the summary report carries its pages;
// pass 3 hands finite statistics on.
#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <string>

#include "dataset/tpcm.h"
#include "hull/disc/disc_data_set.h"
#include "hull/himem.h"
#include "hull/hull_model.h"
#include "hull/pascom.h"
#include "support/checks.h"
#include "support/console_capture.h"
#include "support/data_set_fixture.h"
#include "support/fresh_run.h"
#include "support/temp_dir.h"
#include "vessel/vessel_fixture.h"
#include "vessel/vesl1.h"
#include "vessel/vesl2.h"
#include "vessel/vesl3.h"
#include "waves/wavcom.h"

namespace qv {
namespace {

using testing_support::ConsoleCapture;
using testing_support::contains;
using testing_support::IsClose;
using testing_support::readFileText;
using testing_support::TempDir;

constexpr int kPeriods = 49;  // 5 to 53 s

// The disc of the hull tests (tests/hull/disc/disc_data_set.h: radius 20 ft, draft 6 ft, 200 ft of
// water) as a saved data set of this program, a free vessel: one point at its centre of gravity,
// head seas (180 deg), a sea of 6 ft and 10 s from ahead, design wave height 10 ft.
void discDataSet() {
  testing_support::fillSavedDataSet();
  testing_support::setDiscDataSet();
  Tpcm& d = TPCM;
  d.EDUNIT = kScreenUnit;
  d.CREATR = 11;
  d.ISPM = 0;
  d.NWP = kPeriods;
  for (int i = 1; i <= kPeriods; ++i) d.T(i) = 4.0f + static_cast<float>(i);
  testing_support::headSeaWithOnePoint(6.0f, 10.0f, d.VKG);
}

class DiscPasses : public testing_support::FreshRun {
 protected:
  TempDir dir;
  static void runPasses() {
    ASSERT_EQ(selectHull(), HullKind::kDisc);
    ConsoleCapture console("\n\n\n");
    const int status = testing_support::stopStatus([] {
      VESL1();
      VESL2();
      VESL3();
    });
    ASSERT_EQ(status, -1) << console.screen();
  }
  // The heave RAO of the periods of 40 s and more against its long-wave limit: the real part within
  // 1 %, the damping's share (the imaginary part) small.
  static void heaveTendsTo(double limit) {
    Himem& h = HIMEM;
    int longWaves = 0;
    for (int i = 1; i <= kPeriods; ++i) {
      if (TPCM.T(i) < 40.0f) continue;
      ++longWaves;
      const std::complex<double> heave(h.HVRAO(i));
      EXPECT_TRUE(IsClose(heave.real(), limit, 0.01)) << TPCM.T(i) << " s: " << heave;
      EXPECT_LT(std::abs(heave.imag()), 0.1 * limit) << TPCM.T(i) << " s: " << heave;
    }
    EXPECT_GE(longWaves, 10);
  }
  static void statisticsAreFinite() {
    for (int q = 1; q <= 6; ++q) {
      EXPECT_TRUE(std::isfinite(PASCOM.NETVESMOT_RMS(q))) << q;
      EXPECT_TRUE(std::isfinite(PASCOM.NETVESFRC_RMS(q))) << q;
    }
    EXPECT_GT(PASCOM.NETVESMOT_RMS(3), 0.0f);
  }
};

TEST_F(DiscPasses, FreeBuoyRidesTheLongWaves) {
  discDataSet();
  runPasses();
  heaveTendsTo(1.0);
  statisticsAreFinite();
  const std::string report = readFileText("DISCSUM.stxt");
  EXPECT_TRUE(contains(report, "I.  PHYSICAL CHARACTERISTICS SUMMARY")) << report;
  EXPECT_TRUE(contains(report, "               UNMOORED HEAVE PERIOD ..................")) << report;
  EXPECT_FALSE(contains(report, "MOOR-MODIFIED")) << report;
}

TEST_F(DiscPasses, MooredBuoyIsHeldByTheLines) {
  discDataSet();
  testing_support::setDiscMooring(4);
  runPasses();
  const Himem& h = HIMEM;
  EXPECT_GT(TPCM.HVK, 0.0f);
  EXPECT_GT(TPCM.SGK, 0.0f);
  EXPECT_GT(h.WSG, 0.0f);
  heaveTendsTo(h.HC / (h.HC + TPCM.HVK / WAVCOM.RHOWTR));
  statisticsAreFinite();
  const std::string report = readFileText("DISCSUM.stxt");
  EXPECT_TRUE(contains(report, "               MOOR-MODIFIED SURGE PERIOD .............")) << report;
  EXPECT_FALSE(contains(report, "UNMOORED HEAVE")) << report;
}

}  // namespace
}  // namespace qv
