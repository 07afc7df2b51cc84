// Timing of the ship hull model in the second vessel-response pass: the exciting forces SHPFRC(5)
// and the RAOs SHPRAO over a grid of 100 wave periods, for each of 37 headings (every 10 degrees),
// after the characteristics and the calibration pass. Built beside the tests, never run by them.
#include <benchmark/benchmark.h>

#include <cstdint>

#include "../tests/hull/ship/ship_fixture.h"
#include "dataset/tpcm.h"
#include "hull/himem.h"
#include "hull/ship/ship.h"
#include "waves/wavcom.h"

namespace {

constexpr int kPeriods = 100;
constexpr int kHeadings = 37;

// The 600 x 100 x 40 ft box of the ship tests at 10 ft/s, periods 3 to 27.75 s.
void setUpShip() {
  qv::testing_support::setTrueBox();
  qv::TPCM.VFWD = 10.0f;
  qv::testing_support::setGrid(3.0f, 0.25f, kPeriods);
  qv::testing_support::resetShipRun();
  for (int j = 1; j <= kHeadings; ++j) qv::HIMEM.REDANG(j) = 10.0f * static_cast<float>(j - 1);
  qv::SHPCHR();
  std::int32_t flag = 0;
  qv::SHPFRC(flag);
}

void BM_ShipForcesAndRaos_37Headings(benchmark::State& state) {
  setUpShip();
  for (auto _ : state) {
    for (int j = 1; j <= kHeadings; ++j) {
      qv::WAVCOM.IRAO = j;
      std::int32_t flag = 5;
      qv::SHPFRC(flag);
      qv::SHPRAO();
      benchmark::DoNotOptimize(qv::HIMEM.HVRAO(kPeriods));
    }
  }
  state.SetItemsProcessed(state.iterations() * kHeadings * kPeriods);
}
BENCHMARK(BM_ShipForcesAndRaos_37Headings)->Unit(benchmark::kMillisecond);

}  // namespace
