// Timing of the static line solver, the inner loop of the line tables and the line driver: 1,000
// solves of a three-element line (chain, fibre rope with a cubic strain law, chain resting on the
// seabed) at horizontal tensions spread from 50 to 300 kip. Built beside the tests, never run by them.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstring>

#include "dataset/tpcm.h"
#include "mooring/catenary_element.h"
#include "mooring/lincom.h"
#include "mooring/static_solver.h"

namespace {

constexpr std::int32_t kType = 1;
constexpr int kSolves = 1000;

void defineThreeElementLine() {
  std::memset(static_cast<void*>(&qv::TPCM), 0, sizeof qv::TPCM);
  qv::LINCOM.reset();
  qv::Morcom& m = qv::TPCM.moor;
  const float length[3] = {100.0f, 800.0f, 1500.0f};     // [ft]
  const float wet[3] = {0.1f, 0.02f, 0.1f};               // [kip/ft]
  const float a[3][3] = {{1e-5f, 0, 0}, {4e-5f, -5e-8f, 1e-10f}, {1e-5f, 0, 0}};
  for (int k = 1; k <= 3; ++k) {
    m.SLEN(k, kType) = length[k - 1];
    m.WETWT(k, kType) = wet[k - 1];
    for (int i = 1; i <= 3; ++i) m.ALPHA(i, k, kType) = a[k - 1][i - 1];
  }
  m.NELEM(kType) = 3;
  m.ANCTYP(kType) = 1;
  qv::TPCM.EDUNIT = 6;
  qv::LINCOM.ITYP = kType;
  qv::LINCOM.DELTAZ = 500.0f;  // fairlead height above the lower end [ft]
}

void BM_ITER8P_ThreeElementLine(benchmark::State& state) {
  defineThreeElementLine();
  qv::Lincom& lc = qv::LINCOM;
  for (auto _ : state) {
    for (int i = 0; i < kSolves; ++i) {
      const double H = 50.0 + 250.0 * i / (kSolves - 1);
      lc.DPHLD = H;
      qv::SCLWLD(lc.SCLWT.data(), &qv::TPCM.moor.WETWT(1, kType), H, 3);
      qv::BETALD(&qv::TPCM.moor.ALPHA(1, 1, kType), lc.BETA.data(), H, 3);
      float tlo = 0.3f, thi = 1.0f;  // fairlead slopes 0.43 .. 0.93 over the range
      qv::ITER8P(tlo, thi);
      benchmark::DoNotOptimize(lc.TMPTAN(1));
    }
  }
  state.SetItemsProcessed(state.iterations() * kSolves);
}
BENCHMARK(BM_ITER8P_ThreeElementLine)->Unit(benchmark::kMillisecond);

}  // namespace
