// Timing of the vessel-response passes 1 to 3 on a full data set with the stand-in hull (unit
// operators, so the passes' own work is timed): 100 wave periods, 37 sea headings every 10 degrees,
// 6 sea-state heights, directional spreading over 180 degrees, a tanker on the yoke with two points.
// With the reports and the motion file written (in a folder of its own), and without the reports.
// Built beside the tests, never run by them.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <sstream>

#include "../tests/support/data_set_fixture.h"
#include "../tests/vessel/stub_hull.h"
#include "dataset/tpcm.h"
#include "hull/himem.h"
#include "platform/units.h"
#include "vessel/vesl1.h"
#include "vessel/vesl2.h"
#include "vessel/vesl3.h"
#include "waves/wavcom.h"

namespace {

constexpr int kPeriods = 100;
constexpr int kSeaHeadings = 37;
constexpr int kHeights = 6;

void fullDataSet(std::int32_t noReports) {
  qv::testing_support::fillSavedDataSet();
  qv::Tpcm& d = qv::TPCM;
  d.EDUNIT = qv::kScreenUnit;
  d.CREATR = 11;
  d.ISPM = 1;
  d.NEGSUM = noReports;
  d.DEPTH = 150.0f;
  d.DRAFT = 50.0f;
  d.TVKG = 40.0f;
  d.LWL = 900.0f;
  d.BWL = 150.0f;
  d.NWP = kPeriods;  // 5 to 54.5 s
  d.NDIR = 1;
  d.WAVHDG(1) = 180.0f;
  d.LRANDM = 1;
  d.LSPRED = 1;
  d.WAVTYP = 2;
  d.NSEAHT = kHeights;
  d.NSEAHG = kSeaHeadings;
  for (int j = 1; j <= kHeights; ++j) {
    d.SWHT(j) = 2.0f * static_cast<float>(j);
    d.SIGPD(j) = 6.0f + static_cast<float>(j);
  }
  for (int h = 1; h <= kSeaHeadings; ++h) d.SEAHDG(h) = 10.0f * static_cast<float>(h - 1);
  d.LACC = 1;
  d.NACC = 2;
  d.RACC(1, 1) = 100.0f;
  d.RACC(3, 1) = 40.0f;
  d.RACC(1, 2) = -200.0f;
  d.RACC(2, 2) = 30.0f;
  d.RACC(3, 2) = 60.0f;
  qv::WAVCOM.reset();
  qv::resetHimem();
  qv::VESL1_STATE.reset();
  qv::testing_support::StubHull::install();
  qv::testing_support::StubHull::naturalPeriod = 10.0f;
}

void runPasses(benchmark::State& state, std::int32_t noReports) {
  const std::filesystem::path home = std::filesystem::current_path();
  const std::filesystem::path folder = std::filesystem::temp_directory_path() / "qv_vessel_bench";
  std::filesystem::create_directories(folder);
  std::filesystem::current_path(folder);
  std::istringstream keyboard;
  std::ostringstream screen;
  qv::setConsole(&keyboard, &screen);
  fullDataSet(noReports);
  for (auto _ : state) {
    qv::VESL1();
    qv::VESL2();
    qv::VESL3();
    screen.str("");
    benchmark::DoNotOptimize(qv::HIMEM.RLDUM(qv::HIMEM.LCNMOT));
  }
  state.counters["headings"] = static_cast<double>(qv::WAVCOM.NRAO);
  qv::setConsole(nullptr, nullptr);
  std::filesystem::current_path(home);
  std::filesystem::remove_all(folder);
}

void BM_VesselPasses_FullDataSet(benchmark::State& state) { runPasses(state, 0); }
BENCHMARK(BM_VesselPasses_FullDataSet)->Unit(benchmark::kMillisecond);

void BM_VesselPasses_FullDataSetNoReports(benchmark::State& state) { runPasses(state, 1); }
BENCHMARK(BM_VesselPasses_FullDataSetNoReports)->Unit(benchmark::kMillisecond);

}  // namespace
