// Timing of the slow-drift stage SLOMOR on a full data set with the stand-in hull (unit operators,
// so the stage's own work is timed): a tanker on a single point mooring over 100 wave periods, the
// built-in tanker wind coefficients, a current on the cylindrical-vessel model with a 1/7-power
// profile, the legacy tanker drift model, a wind sea and a swell with their drift drag, and a
// stiffening load-offset table of 40 points (stiff enough for the drift drag of the stand-in's
// unit rotations). Each run scans the full turn in 11 intervals, with the hull's operators
// recomputed at every trial heading. 30 to 37 ms on a busy shared machine (8 cores under a load of
// 11 to 23), three quarters of it in the wave numbers of the drift coefficients in the current
// (7.8 ms without current). Built beside the tests, never run by them.
#include <benchmark/benchmark.h>

#include <sstream>
#include <string>

#include "../tests/support/data_set_fixture.h"
#include "../tests/vessel/stub_hull.h"
#include "dataset/tpcm.h"
#include "dataset/tpcm_codes.h"
#include "hull/equilb.h"
#include "hull/himem.h"
#include "lowfreq/current_profile.h"
#include "platform/block_reset.h"
#include "platform/units.h"
#include "slowdrift/slomor.h"
#include "vessel/vesl1.h"
#include "waves/wavcom.h"

namespace {

constexpr int kPeriods = 100;  // 5 to 54.5 s
constexpr int kTablePoints = 40;

// The data set after pass 1, the current profile and the statics, as the runner leaves it.
void fullDataSetAfterStatics() {
  qv::testing_support::fillSavedDataSet();
  qv::Tpcm& t = qv::TPCM;
  t.EDUNIT = qv::kScreenUnit;
  t.CREATR = 11;
  t.ISPM = 1;
  t.DEPTH = 150.0f;
  t.DRAFT = 50.0f;
  t.TVKG = 40.0f;
  t.LWL = 900.0f;
  t.BWL = 150.0f;
  t.NWP = kPeriods;
  t.NDIR = 1;
  t.WAVHDG(1) = 180.0f;
  qv::testing_support::StubHull::install();
  t.NEGSUM = 1;
  t.LRANDM = 1;
  t.WAVTYP = 2;  // mean JONSWAP
  t.SWHT(1) = 20.0f;
  t.SIGPD(1) = 11.0f;
  t.SEAHDG(1) = 170.0f;
  t.LSWELL = 1;
  t.SWLTYP = 2;
  t.SWELHT = 8.0f;
  t.SWELPD = 16.0f;
  t.SWLHDG = 230.0f;
  qv::VESL1();
  t.LWIND = 1;
  t.WNDSPD = 45.0f;
  t.WNDHDG = 200.0f;
  t.WNDTYP = 4;  // API
  t.APIPRM = 0.025f;
  t.LCURNT = 1;
  t.CURSPD = 2.0f;
  t.CURHDG = 135.0f;
  t.CURTYP = 1;
  t.CURDEN = 0.05f;
  t.LCSTCR = 0;
  t.LWBARG = 0x444;  // the tanker wind series
  t.LCBARG = 0x777;  // the cylindrical vessel
  t.LWVCOF = 0x222;  // the legacy tanker drift
  t.LEGDRG = 0;
  t.TXWNDA = 20000.0f;
  t.TYWNDA = 80000.0f;
  t.XWARM = 20.0f;
  t.TXCURA = 7500.0f;
  t.TYCURA = 45000.0f;
  t.DWATR = 64.0f;
  t.DISPL = 340000.0f;
  t.TYGYR = 225.0f;
  t.XSALM = 420.0f;
  t.LSPM = 1;
  t.IARCO = qv::kRigidHawser;
  t.NELEM = 0;
  t.DWTONS = 250000.0f;
  t.EDUNIT = qv::kDiagnosticsUnit;  // no pauses
  float dzmin = 0.0f;
  qv::CURPROF_INIT(t.DRAFT, dzmin, t.EDUNIT, qv::kKeyboardUnit);
  qv::WAVCOM.G = 32.152f;
  qv::WAVCOM.RHOAIR = 0.0024356f;
  t.NUMTAB = kTablePoints;
  for (int k = 1; k <= kTablePoints; ++k) {
    const float x = 2.0f * static_cast<float>(k - 1);
    qv::EQUILB.OFFSET(k) = x;
    qv::EQUILB.HLOAD(k) = 1000.0f * x + 200.0f * x * x;
  }
}

void BM_SLOMOR_FullDataSet(benchmark::State& state) {
  qv::resetAllBlocks();  // before the console is set: the reset gives it back to the process
  std::istringstream keyboard;
  std::ostringstream screen;
  qv::setConsole(&keyboard, &screen);
  fullDataSetAfterStatics();
  for (auto _ : state) {
    qv::SLOMOR();
    screen.str("");
    benchmark::DoNotOptimize(qv::EQUILB.TYAW);
  }
  state.counters["equilibria"] = static_cast<double>(qv::EQUILB.IANGLE);
  qv::setConsole(nullptr, nullptr);
}
BENCHMARK(BM_SLOMOR_FullDataSet)->Unit(benchmark::kMillisecond);

}  // namespace
