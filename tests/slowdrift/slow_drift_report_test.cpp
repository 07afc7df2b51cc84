// The slow drift followed by the low-frequency report, as a run calls them: SLOMOR on the moored ship
// of the net-load tests (stand-in hull after pass 1, cylindrical wind coefficients, a user drift
// table) with the three-member column of the report tests on a yoke, then LOWPRT. What the report
// takes over from the slow drift is checked against the slow drift's own results: the equilibria it
// lists, the yaw arm from the mean offset REQLIB, the amplitudes from the variances, the peak factors
// from the mode frequencies.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "dataset/tpcm.h"
#include "dataset/tpcm_codes.h"
#include "hull/equilb.h"
#include "low_report_fixtures.h"
#include "lowfreq/moored_ship_fixture.h"
#include "slowdrift/ergcom.h"
#include "slowdrift/lowprt.h"
#include "slowdrift/output.h"
#include "slowdrift/pekcom.h"
#include "slowdrift/slomor.h"
#include "support/checks.h"
#include "support/console_capture.h"
#include "support/fresh_run.h"
#include "support/temp_dir.h"
#include "util/fortran_format.h"

namespace qv {
namespace {

using testing_support::ConsoleCapture;
using testing_support::contains;
using testing_support::IsClose;
using testing_support::readFileText;
using testing_support::TempDir;

class SlowDriftThenReport : public testing_support::FreshRun {};

TEST_F(SlowDriftThenReport, TheReportTakesOverWhatTheSlowDriftLeft) {
  TempDir dir;
  testing_support::mooredShipAfterPassOne();
  Tpcm& t = TPCM;
  t.DISPL = 340000.0f;
  t.TYGYR = 225.0f;
  t.XSALM = 420.0f;
  t.CG_to_Midship = 0.0f;
  t.LSPM = 1;
  t.DWTONS = 250000.0f;
  t.IARCO = kYoke;
  t.PNDARM = 40.0f;
  t.YOKVES = 0.05f;
  t.LWIND = 1;
  t.WNDSPD = 40.0f;
  t.WNDHDG = 200.0f;
  t.WNDTYP = 1;
  testing_support::writeDriftTable(0.3f, 0.5f, 0.02f);
  t.LRANDM = 1;
  t.WAVTYP = 1;
  t.SWHT(1) = 20.0f;
  t.SIGPD(1) = 10.0f;
  t.SEAHDG(1) = 170.0f;
  t.VWDFAC = 1.0f;
  t.DURATN = 3.0f;
  t.ONETWO = 0;
  t.LOWMOT = 1;
  t.IUNIT = 1;
  testing_support::setThreeMemberColumn();
  // the report fixture's table with three times its loads, to hold the mean load of this sea
  std::vector<float> loads = testing_support::threeMemberLoads();
  for (float& H : loads) H *= 3.0f;
  testing_support::setLoadTable(loads, 0.0f);

  ConsoleCapture console("\n\n\n\n");
  SLOMOR();
  const Equilb slowDrift = EQUILB;
  ASSERT_GE(slowDrift.IANGLE, 1);
  ASSERT_GT(slowDrift.VARTOT, 0.0f);
  ASSERT_GT(slowDrift.EVRLO, 0.0f);
  ASSERT_GT(slowDrift.EVRHI, 0.0f);
  LOWPRT();

  const Equilb& q = EQUILB;
  const std::string report = readFileText("LOWOUT.stxt");
  std::size_t listed = 0;
  for (std::size_t at = report.find("  SALM heading ....."); at != std::string::npos;
       at = report.find("  SALM heading .....", at + 1))
    ++listed;
  EXPECT_EQ(listed, static_cast<std::size_t>(slowDrift.IANGLE));
  EXPECT_TRUE(contains(report, "SALM restoring force ....................... " +
                                   fmtF(slowDrift.FTOT(slowDrift.ISTAB), 10, 2)));
  EXPECT_TRUE(contains(report, "Period ..................................... " + fmtF(slowDrift.TSURG, 10, 2)));
  EXPECT_TRUE(contains(report, "VI.  SINGLE MEMBER LOW-FREQUENCY STATISTICAL SUMMARY: MOMENTS"));

  // The yaw arm of the low mode: the arm of the mooring point plus the mean offset of the SALM top,
  // which the slow drift found at the mean load.
  const double netArm = std::fabs(slowDrift.YAWARM) + ERGCOM.REQLIB - q.OFFSET(1);
  EXPECT_TRUE(IsClose(q.NETARM, netArm, 1e-5));
  EXPECT_TRUE(IsClose(q.VARTOT, std::sqrt(slowDrift.VARTOT), 1e-6));
  EXPECT_TRUE(IsClose(q.VARWAV, std::sqrt(slowDrift.VARWAV), 1e-6));
  EXPECT_TRUE(IsClose(q.EVRLO, std::sqrt(slowDrift.EVRLO) * netArm, 1e-5));
  EXPECT_TRUE(IsClose(q.EVRHI, std::sqrt(slowDrift.EVRHI), 1e-6));
  const double omegas[3] = {slowDrift.WSURG, slowDrift.WYAWLO, slowDrift.WYAWHI};
  const double factors[3] = {q.FSGPK, q.FLOPK, q.FHIPK};
  for (int mode = 0; mode < 3; ++mode) {
    const double cycles = std::fmax(3600.0 / (2.0 * 3.14159265) * 3.0 * omegas[mode], 7.4);
    // 573 cycles per hour and rad/s in the program: 3600 / 2 pi rounded, 1e-5 of the factor
    EXPECT_TRUE(IsClose(factors[mode], std::sqrt(2.0 * std::log(cycles)), 1e-4)) << mode + 1;
  }
  // The yoke leaves the SALM plane by the angle between the vessel and the net force, and the
  // storm peak moves the top further than the net variation.
  const double yoke = std::remainder(slowDrift.TANGLE(slowDrift.ISTAB) - slowDrift.SLMANG(slowDrift.ISTAB) + 0.05,
                                     2.0 * 3.14159265358979);
  EXPECT_TRUE(IsClose(q.YOKSLM, yoke, 0.0, 1e-5));
  EXPECT_GT(OUTPUT.FSHRLF(1), 0.0f);
  EXPECT_GT(PEKCOM.FSHRLP(1), OUTPUT.FSHRLF(1));
}

}  // namespace
}  // namespace qv
