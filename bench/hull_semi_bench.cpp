// Timing of the semi-submersible hull model in the second vessel-response pass: the exciting forces
// SEMFRC(5) and the RAOs SEMRAO of the 8-member fixture semi over a grid of 100 wave periods, per
// heading, with drag from the waves alone (SQLFRC 2) and with the quasi-linear iteration of drag and
// response (SQLFRC 1). Built beside the tests, never run by them.
#include <benchmark/benchmark.h>

#include <cstdint>

#include "../tests/hull/semi/semi_fixture.h"
#include "dataset/tpcm.h"
#include "hull/himem.h"
#include "hull/semi/semi.h"
#include "waves/wavcom.h"

namespace {

constexpr int kPeriods = 100;
constexpr int kHeadings = 8;

// The fixture semi on periods 3 to 27.75 s, characterised and calibrated, headings every 45 degrees.
void setUpSemi(std::int32_t SQLFRC) {
  qv::testing_support::setFixtureSemi();
  qv::TPCM.SQLFRC = SQLFRC;
  qv::testing_support::setGrid(3.0f, 0.25f, kPeriods);
  for (int j = 1; j <= kHeadings; ++j) qv::HIMEM.REDANG(j) = 45.0f * static_cast<float>(j - 1);
  qv::SEMCHR();
  std::int32_t flag = 0;
  qv::SEMFRC(flag);
}

void headings(benchmark::State& state, std::int32_t SQLFRC) {
  setUpSemi(SQLFRC);
  for (auto _ : state) {
    for (int j = 1; j <= kHeadings; ++j) {
      qv::WAVCOM.IRAO = j;
      std::int32_t flag = 5;
      qv::SEMFRC(flag);
      qv::SEMRAO();
      benchmark::DoNotOptimize(qv::HIMEM.HVRAO(kPeriods));
    }
  }
  // One item per heading: the time per item is the time per heading.
  state.SetItemsProcessed(state.iterations() * kHeadings);
}

void BM_SemiForcesAndRaos_WaveDrag(benchmark::State& state) { headings(state, 2); }
BENCHMARK(BM_SemiForcesAndRaos_WaveDrag)->Unit(benchmark::kMillisecond);

void BM_SemiForcesAndRaos_QuasiLinear(benchmark::State& state) { headings(state, 1); }
BENCHMARK(BM_SemiForcesAndRaos_QuasiLinear)->Unit(benchmark::kMillisecond);

}  // namespace
