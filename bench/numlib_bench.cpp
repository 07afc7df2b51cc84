// Timing of the numerical routines that the analysis calls in its inner loops: wave numbers over a
// wave grid and the Bessel functions over the arguments of the drift and member-force models.
// Built beside the tests, never run by them.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <vector>

#include "numlib/special_functions.h"
#include "numlib/wavenumber.h"

namespace {

// The nondimensional frequencies omega sqrt(h / g) of a wave grid of 100 periods from 3 to 25 s in
// depths of 15, 60, 200 and 1000 m.
std::vector<float> waveGrid() {
  std::vector<float> p;
  const double g = 9.8;
  for (double depth : {15.0, 60.0, 200.0, 1000.0}) {
    for (int i = 0; i < 100; ++i) {
      const double period = 3.0 + 22.0 * i / 99.0;
      p.push_back(static_cast<float>(2.0 * 3.14159265358979 / period * std::sqrt(depth / g)));
    }
  }
  return p;
}

void BM_WAVVEC_WaveGrid(benchmark::State& state) {
  const std::vector<float> grid = waveGrid();
  for (auto _ : state) {
    for (float p : grid) {
      float y = 0;
      qv::WAVVEC(p, y);
      benchmark::DoNotOptimize(y);
    }
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(grid.size()));
}
BENCHMARK(BM_WAVVEC_WaveGrid);

// Arguments 0.05 to 16 (the drift models stay below 16) and orders 0, 1, 2 and 5.
std::vector<float> besselArguments() {
  std::vector<float> x;
  for (int i = 1; i <= 320; ++i) x.push_back(0.05f * static_cast<float>(i));
  return x;
}
constexpr std::int32_t kOrders[] = {0, 1, 2, 5};

template <class Call>
void besselGrid(benchmark::State& state, Call call) {
  const std::vector<float> xs = besselArguments();
  for (auto _ : state) {
    for (std::int32_t n : kOrders) {
      for (float x : xs) {
        float value = 0;
        std::int32_t ier = 0;
        call(x, n, value, ier);
        benchmark::DoNotOptimize(value);
        benchmark::DoNotOptimize(ier);
      }
    }
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(xs.size() * std::size(kOrders)));
}

void BM_BESJ(benchmark::State& state) {
  besselGrid(state, [](float x, std::int32_t n, float& v, std::int32_t& ier) { qv::BESJ(x, n, v, 1.0e-5f, ier); });
}
void BM_BESY(benchmark::State& state) {
  besselGrid(state, [](float x, std::int32_t n, float& v, std::int32_t& ier) { qv::BESY(x, n, v, ier); });
}
void BM_BESI(benchmark::State& state) {
  besselGrid(state, [](float x, std::int32_t n, float& v, std::int32_t& ier) { qv::BESI(x, n, v, ier); });
}
void BM_BESK(benchmark::State& state) {
  besselGrid(state, [](float x, std::int32_t n, float& v, std::int32_t& ier) { qv::BESK(x, n, v, ier); });
}
BENCHMARK(BM_BESJ);
BENCHMARK(BM_BESY);
BENCHMARK(BM_BESI);
BENCHMARK(BM_BESK);

}  // namespace
