// Timing of the disc's mooring spring and damping terms, DYNSPR: 12 lines of 3 elements (chain,
// fibre rope with a cubic strain law, chain on the seabed, all with drag), fairleads 50 ft out at
// 30 deg steps, 300 ft above their anchors, tables of 90 points; one surge amplitude of 5 ft at
// 0.6 rad/s, every line through the dynamic line model. The disc characteristics call it once per
// motion and pass of their iteration and 89 times for the surge work table.
//
// And of the disc characteristics, DSKCHR, with mooring feedback: the buoy of the disc tests on
// four chain lines (tests/hull/disc/disc_data_set.h), the line set-up, the line driver, the passes
// to the settled periods and damping, the line work table. Built beside the tests, never run by them.
#include <benchmark/benchmark.h>

#include <cmath>
#include <complex>

#include "../tests/hull/disc/disc_data_set.h"
#include "dataset/tpcm.h"
#include "hull/disc/disc.h"
#include "hull/himem.h"
#include "mooring/lincom.h"
#include "mooring/line_driver.h"
#include "mooring/line_setup.h"
#include "platform/block_reset.h"
#include "waves/wavcom.h"

namespace {

constexpr int kLines = 12;

void mooredDisc() {
  qv::resetAllBlocks();
  qv::Tpcm& t = qv::TPCM;
  qv::Morcom& m = t.moor;
  t.EDUNIT = 6;
  t.TDRAFT = 20.0f;
  t.DWATR = 64.0f;
  t.NUMTAB = 90;
  qv::WAVCOM.G = 32.152f;
  m.NLAYER = 1;
  m.NLIN = kLines;
  m.NTYP = 1;
  m.NLINE(1) = kLines;
  m.ANCHGT(1) = 300.0f;
  m.ANCTYP(1) = 1;
  m.NELEM(1) = 3;
  const float length[3] = {100.0f, 800.0f, 1500.0f};     // [ft]
  const float wet[3] = {0.1f, 0.02f, 0.1f};              // [kip/ft]
  const float diameter[3] = {4.0f, 6.0f, 4.0f};          // [in]
  const float a[3][3] = {{1e-5f, 0, 0}, {4e-5f, -5e-8f, 1e-10f}, {1e-5f, 0, 0}};
  for (int k = 1; k <= 3; ++k) {
    m.SLEN(k, 1) = length[k - 1];
    m.WETWT(k, 1) = wet[k - 1];
    m.DIAM(k, 1) = diameter[k - 1];
    m.COFDMT(k, 1) = 1.2f;
    m.COFMST(k, 1) = 1.0f;
    for (int i = 1; i <= 3; ++i) m.ALPHA(i, k, 1) = a[k - 1][i - 1];
  }
  for (int line = 1; line <= kLines; ++line) {
    const double azimuth = 0.5235987755982988 * (line - 1);
    m.LINTYP(line, 1) = line;
    m.RFLD(1, line) = static_cast<float>(50.0 * std::cos(azimuth));
    m.RFLD(2, line) = static_cast<float>(50.0 * std::sin(azimuth));
    m.RFLD(3, line) = 20.0f;
    m.HTENS(line) = 100.0f;
  }
  qv::setUpLineTables();
  for (int line = 1; line <= kLines; ++line) qv::LINCOM.ANGDPP(line) = 30.0f * static_cast<float>(line - 1);
  qv::LINDRV(qv::LINCOM.RANCK.data(), qv::LINCOM.ZANCK.data());
}

void BM_DYNSPR_12Lines(benchmark::State& state) {
  mooredDisc();
  float K[6], B[6];
  std::complex<float> F[6];
  for (auto _ : state) {
    qv::DYNSPR({.SG = 5.0f, .SW = 0, .HV = 0, .RL = 0, .PT = 0, .YW = 0, .OMEGA = 0.6f, .DIST = qv::LINCOM.RANCK.data(),
                .out = {.KSG = K[0], .KSW = K[1], .KHV = K[2], .KRL = K[3], .KPT = K[4], .KYW = K[5], .BSG = B[0],
                        .BSW = B[1], .BHV = B[2], .BRL = B[3], .BPT = B[4], .BYW = B[5], .FX = F[0], .FY = F[1],
                        .FZ = F[2], .MX = F[3], .MY = F[4], .MZ = F[5]}});
    benchmark::DoNotOptimize(K[0]);
    benchmark::DoNotOptimize(B[0]);
  }
  state.SetItemsProcessed(state.iterations() * kLines);
}
BENCHMARK(BM_DYNSPR_12Lines)->Unit(benchmark::kMicrosecond);

void mooredBuoy() {
  qv::resetAllBlocks();
  qv::testing_support::setDiscDataSet();
  qv::testing_support::setDiscMooring(4);
}

void BM_DSKCHR_FourLines(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    mooredBuoy();
    state.ResumeTiming();
    qv::DSKCHR();
    benchmark::DoNotOptimize(qv::HIMEM.WSG);
  }
}
BENCHMARK(BM_DSKCHR_FourLines)->Unit(benchmark::kMillisecond);

}  // namespace
