// Timing of the low-frequency coefficient evaluations that the slow-drift analysis repeats at every
// trial heading: the built-in tanker wind series over a scan of headings, and the column drift
// coefficient over a wave grid. Built beside the tests, never run by them.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <vector>

#include "lowfreq/column_drift.h"
#include "lowfreq/force_coefficients.h"
#include "platform/units.h"

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

}  // namespace
