// Timing of the low-frequency coefficient evaluations that the slow-drift analysis repeats at every
// trial heading: the built-in tanker wind series over a scan of headings, the column drift
// coefficient over a wave grid, the slow-drift force spectral value in a current, and the drag and
// damping of a four-column hull. Built beside the tests, never run by them.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <vector>

#include "dataset/tpcm.h"
#include "hull/pascom.h"
#include "hull/semi/simcom.h"
#include "lowfreq/column_drift.h"
#include "lowfreq/curprof.h"
#include "lowfreq/drift_force.h"
#include "lowfreq/force_coefficients.h"
#include "lowfreq/semi_drag.h"
#include "numlib/wavenumber.h"
#include "platform/block_reset.h"
#include "platform/units.h"
#include "waves/wavcom.h"

namespace {

// Relative headings 0 to 360 degrees in steps of 1 degree [rad].
std::vector<float> headingScan() {
  std::vector<float> a;
  for (int i = 0; i < 360; ++i) a.push_back(static_cast<float>(i * 3.14159265358979 / 180.0));
  return a;
}

void BM_WINDCF_TankerSeries(benchmark::State& state) {
  const std::vector<float> scan = headingScan();
  const std::int32_t tanker = 4 | 4 << 4 | 4 << 8;
  for (auto _ : state) {
    for (float a : scan) {
      qv::TRIGLD(a);
      for (int component = 1; component <= 3; ++component) {
        benchmark::DoNotOptimize(qv::WINDCF(component, tanker, 60.0f, 0.4f, 0.7f, a, 1500, 9000, 12, 3, 800, 130,
                                            qv::kScreenUnit, 1, 11));
      }
    }
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(scan.size()) * 3);
}
BENCHMARK(BM_WINDCF_TankerSeries);

// A column of radius 5 m and draft 20 m in 60 m of water over 100 periods from 3 to 25 s.
void BM_CYLDFT_WaveGrid(benchmark::State& state) {
  std::vector<float> p;
  for (int i = 0; i < 100; ++i) {
    const double period = 3.0 + 22.0 * i / 99.0;
    p.push_back(static_cast<float>(2.0 * 3.14159265358979 / period * std::sqrt(60.0 / 9.8)));
  }
  for (auto _ : state) {
    for (float P : p) {
      float k = 0.0f;
      benchmark::DoNotOptimize(qv::CYLDFT(P, 5.0f, 20.0f, 60.0f, k, 0.0f, 0.0f, qv::kScreenUnit, qv::kKeyboardUnit));
    }
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(p.size()));
}
BENCHMARK(BM_CYLDFT_WaveGrid);

// The full wave grid of 100 periods from 3 s in steps of 0.22 s in 100 m of water (metric), a
// Pierson-Moskowitz sea of 4 m and 11 s, and a current of 1.5 kn toward 200 deg, uniform with depth.
std::vector<float> fullGridSea() {
  qv::resetAllBlocks();
  qv::Tpcm& t = qv::TPCM;
  qv::Wavcom& w = qv::WAVCOM;
  t.NUNTS = 1;
  t.EDUNIT = qv::kScreenUnit;
  t.NWP = 100;
  t.DEPTH = 100.0f;
  t.LCURNT = 1;
  t.CURSPD = 1.5f;
  t.CURHDG = 200.0f;
  w.G = 9.8f;
  w.DT = 0.22f;
  std::vector<float> S(100);
  const double wp = 2.0 * 3.14159265358979 / 11.0;
  for (int i = 1; i <= 100; ++i) {
    t.T(i) = 3.0f + 0.22f * static_cast<float>(i - 1);
    w.W(i) = 6.2831855f / t.T(i);
    w.W2(i) = w.W(i) * w.W(i);
    float kd = 0.0f;
    qv::WAVVEC(w.W(i) * std::sqrt(100.0f / 9.8f), kd);
    w.WVK(i) = kd / 100.0f;
    const double x = wp / w.W(i);
    S[i - 1] = static_cast<float>(5.0 / 16.0 * 16.0 * std::pow(x, 4) / w.W(i) * std::exp(-1.25 * std::pow(x, 4)));
  }
  qv::Curprof& p = qv::CURPROF;
  p.NCURNTPF = 2;
  p.DPTHIPF(1) = 50.0f;
  p.DPTHIPF(2) = 100.0f;
  p.VELIPF(1) = p.VELIPF(2) = 1.5f;
  p.CURHDGPF(1) = p.CURHDGPF(2) = 200.0f;
  return S;
}

// Drift model 4 (buoy or round ship), surge, waves from ahead: one slow-drift spectral value, which
// evaluates the drift coefficient in the current at every grid point.
void BM_DRIFTF_SlowDriftInCurrent(benchmark::State& state) {
  const std::vector<float> S = fullGridSea();
  qv::TPCM.LWL = 200.0f;
  qv::TPCM.DRAFT = 12.0f;
  qv::TPCM.WVFCX = 1.0f;
  qv::TPCM.LWVCOF = 0x444;
  for (auto _ : state) {
    float dw = 0.05f;
    benchmark::DoNotOptimize(qv::DRIFTF(1, 1, 0.0f, S.data(), dw, 0.0f, 1));
  }
}
BENCHMARK(BM_DRIFTF_SlowDriftInCurrent);

// Four columns of 6 m radius and 20 m draft with the column drift model: the drag and the damping
// pass of surge.
void BM_DRAGF_SEMI_FourColumns(benchmark::State& state) {
  const std::vector<float> S = fullGridSea();
  qv::Tpcm& t = qv::TPCM;
  t.SEMI_LIKE = 1;
  t.LWL = 80.0f;
  t.BWL = 60.0f;
  t.DRAFT = 20.0f;
  t.DWATR = 1025.0f;
  t.WVDGCX = 1.0f;
  t.VWDFAC = 1.0f;
  t.VWDRGFC = 1.0f;
  t.LWVCOF = 0x777;
  t.SEAHDG(1) = 30.0f;
  t.NCYL = 4;
  const float columns[4][2] = {{25.0f, 20.0f}, {25.0f, -20.0f}, {-25.0f, 20.0f}, {-25.0f, -20.0f}};
  for (int i = 1; i <= 4; ++i) {
    t.RCYLB(1, i) = columns[i - 1][0];
    t.RCYLB(2, i) = columns[i - 1][1];
    t.XAREA(i) = 113.1f;
    t.CYLCD(1, i) = t.CYLCD(2, i) = 0.6f;
    qv::SIMCOM.LPIERCE(i) = 1;
    qv::SIMCOM.CYLLEN(i) = 25.0f;
    qv::SIMCOM.DIRVEC(3, i) = 1.0f;
  }
  qv::Pascom& p = qv::PASCOM;
  p.VTCRPS = p.VTCRRS = 10.0f;
  p.MENWLX = p.MENWLY = 70.0f;
  for (int i = 1; i <= 100; ++i) {
    p.RLRAOH2(i, 1) = 1.0f;
    p.HRAO(i, 1) = 0.2f;
    p.HOR_WAV_RAO(i, 1) = {0.2f, 0.05f};
    p.ANG_WAV_RAO(i, 1) = {0.001f, 0.0f};
  }
  float work[5][24] = {};
  for (auto _ : state) {
    float dw = 0.05f, drag = 0.0f, damping = 0.0f;
    qv::DRAGF_SEMI(1, 1, 0.3f, S.data(), dw, drag, damping, 1, work[0], work[1], work[2], work[3], work[4]);
    benchmark::DoNotOptimize(drag);
    benchmark::DoNotOptimize(damping);
  }
}
BENCHMARK(BM_DRAGF_SEMI_FourColumns);

}  // namespace
