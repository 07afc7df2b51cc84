// Timing of the sea spectra: WVSPEC of every spectrum type on a grid of 99 periods (3 to 52 s), the
// size of the largest grids the analysis runs, as a run meets them (the JONSWAP normaliser of a shape
// and the user table found once), and the general JONSWAP types for a new shape each time.
// Built beside the tests, never run by them.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

#include "dataset/tpcm.h"
#include "platform/units.h"
#include "waves/user_spectrum.h"
#include "waves/wavcom.h"
#include "waves/wave_spectrum.h"

namespace {

using namespace qv;

constexpr int kPoints = 99;

// A metric data set in 30 m of water with the shape parameters of every type, and the grid of
// WAVCOM as a driver fills it.
void prepareDataSet() {
  TPCM.NUNTS = 1;
  TPCM.EDUNIT = kScreenUnit;
  TPCM.DEPTH = 30.0f;
  TPCM.NWP = kPoints;
  TPCM.WAVWID = 0.1f;
  TPCM.JONPL = 0.07f;
  TPCM.JONPG = 0.09f;
  TPCM.JONGAM = 2.5f;
  TPCM.N_OCHI_COMP = 2;
  const float heights[2] = {3.0f, 2.0f};
  const float periods[2] = {8.0f, 14.0f};
  const float lambdas[2] = {1.0f, 3.0f};
  for (int j = 1; j <= 2; ++j) {
    TPCM.SWHT(j) = heights[j - 1];
    TPCM.SIGPD(j) = periods[j - 1];
    TPCM.OCHI_LAMBDA(j) = lambdas[j - 1];
  }
  WAVCOM.reset();
  WAVCOM.G = 9.8f;
  for (int i = 1; i <= kPoints; ++i) {
    TPCM.T(i) = 3.0f + 0.5f * static_cast<float>(i - 1);
    WAVCOM.W(i) = 6.2831855f / TPCM.T(i);
    WAVCOM.W2(i) = WAVCOM.W(i) * WAVCOM.W(i);
    TPCM.USRPSD(i) = 1.0f / (1.0f + (WAVCOM.W(i) - 0.6f) * (WAVCOM.W(i) - 0.6f) * 40.0f);
  }
  WAVCOM.NW = kPoints - 1;
  WAVCOM.TS = TPCM.T(1);
  WAVCOM.TL = TPCM.T(kPoints);
  WAVCOM.DT = TPCM.T(2) - TPCM.T(1);
}

// The user spectrum file of type 7, covering the grid, in a folder of its own that becomes the
// current folder; returns the folder to come back to.
std::filesystem::path writeUserFile() {
  const std::filesystem::path previous = std::filesystem::current_path();
  std::string pattern = (std::filesystem::temp_directory_path() / "qvbench-XXXXXX").string();
  std::filesystem::current_path(mkdtemp(pattern.data()));
  std::ofstream out("WAVSPEC.txt");
  out << 60 << '\n';
  for (int k = 0; k < 60; ++k) {
    const float w = 0.05f + 0.05f * static_cast<float>(k);
    out << w << ' ' << 1.0f / (1.0f + (w - 0.6f) * (w - 0.6f) * 40.0f) << '\n';
  }
  return previous;
}

// One wind sea of Hs 4 m and Tp 10 s.
void windSea(std::int32_t type, float* psd) {
  float hs = 4.0f;
  float tp = 10.0f;
  float wp = 0;
  float wkp = 0;
  WVSPEC(type, psd, hs, tp, wp, wkp, kWindSea);
  benchmark::DoNotOptimize(psd);
  benchmark::DoNotOptimize(wkp);
}

void BM_WVSPEC(benchmark::State& state) {
  const auto type = static_cast<std::int32_t>(state.range(0));
  prepareDataSet();
  const bool userFile = type == kSpectrumUserFile;
  const std::filesystem::path previous = userFile ? writeUserFile() : std::filesystem::path();
  uwvspcState.reset();
  wvspecState.reset();
  float psd[kMaxWavePeriods] = {};
  for (auto _ : state) windSea(type, psd);
  if (userFile) {
    const std::filesystem::path folder = std::filesystem::current_path();
    std::filesystem::current_path(previous);
    std::filesystem::remove_all(folder);
    state.SetLabel("table read on the first call, cached after");
  }
}
BENCHMARK(BM_WVSPEC)->DenseRange(kSpectrumDefaultSwell, kSpectrumTma)->Unit(benchmark::kMicrosecond);

// The general JONSWAP types for a shape not met before: the normaliser's quadrature every time.
void BM_WVSPEC_NewShape(benchmark::State& state) {
  const auto type = static_cast<std::int32_t>(state.range(0));
  prepareDataSet();
  float psd[kMaxWavePeriods] = {};
  for (auto _ : state) {
    wvspecState.reset();
    windSea(type, psd);
  }
}
BENCHMARK(BM_WVSPEC_NewShape)->Arg(kSpectrumGeneralJonswap)->Arg(kSpectrumTma)->Unit(benchmark::kMicrosecond);

}  // namespace
