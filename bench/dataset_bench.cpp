// Timing of the end-of-session checks of a full hull-member table: fifty members, each with its
// added-mass coefficients formed (two elliptic integrals per axis), the pontoons with the
// free-surface correction. Built beside the tests, never run by them.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstring>

#include "dataset/new_dataset.h"
#include "dataset/tpcm.h"
#include "dataset/tpcm_codes.h"
#include "dataset/veswrn.h"
#include "platform/units.h"
#include "util/sim_types.h"

namespace {

using qv::TPCM;

void putMember(int i, const float base[3], const float top[3], float width, float length, std::int32_t bottom,
               std::int32_t mascmp) {
  for (int k = 1; k <= 3; ++k) {
    TPCM.RCYLB(k, i) = base[k - 1];
    TPCM.RCYLT(k, i) = top[k - 1];
  }
  TPCM.DIAMS(1, i) = TPCM.DIAMS(2, i) = width;
  TPCM.DIAMS(3, i) = length;
  TPCM.XAREA(i) = 0.785398f * width * width;
  TPCM.BOTTYP(i) = bottom;
  TPCM.NCYLTP(i) = 1;
  TPCM.MASCMP(i) = mascmp;
}

// A semi-submersible of 25 columns through the 20 ft draft and 25 pontoons 15 ft below it.
void semiWithFiftyMembers() {
  std::memset(&TPCM, 0, sizeof TPCM);
  qv::newDataSetDefaults(qv::kStoredWords, qv::kSimQuorvel);
  TPCM.CREATR = qv::kSimQuorvel;
  TPCM.VESTYP = qv::kSemiSubmersible;
  TPCM.LWVCOF = 0x333;
  TPCM.DEPTH = 300.0f;
  TPCM.DRAFT = 20.0f;
  TPCM.LWL = TPCM.BWL = 100.0f;
  TPCM.DISPL = TPCM.AWP = 2000.0f;
  TPCM.TVKG = 10.0f;
  TPCM.TVKMT = TPCM.TVKML = 20.0f;
  TPCM.PGYR = TPCM.RGYR = TPCM.TYGYR = 30.0f;
  TPCM.LCOPY = 1;  // no screen clearing
  TPCM.EDUNIT = qv::kScreenUnit;
  for (int k = 0; k < 25; ++k) {
    const float x = 20.0f * static_cast<float>(k % 5);
    const float y = 20.0f * static_cast<float>(k / 5);
    const float foot[3] = {x, y, 0.0f}, head[3] = {x, y, 40.0f};
    putMember(k + 1, foot, head, 8.0f + 0.1f * static_cast<float>(k), 40.0f, 1, 1);
    const float from[3] = {x, y, 5.0f}, to[3] = {x + 15.0f, y, 5.0f};
    putMember(k + 26, from, to, 6.0f, 15.0f, 0, 2);
  }
  TPCM.NCYL = 50;
}

void BM_VESWRN_FiftyHullMembers(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    semiWithFiftyMembers();
    state.ResumeTiming();
    std::int32_t warnings = 0, fatals = 0;
    qv::VESWRN(warnings, fatals);
    benchmark::DoNotOptimize(warnings + fatals);
  }
}
BENCHMARK(BM_VESWRN_FiftyHullMembers)->Unit(benchmark::kMillisecond);

}  // namespace
