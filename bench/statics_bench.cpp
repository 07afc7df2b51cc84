// Timing of the SALM statics on the six-member column of the tests: member sums, the search over
// 6 x 2^5 member patterns, and the nested root searches of an 8-point load table. The report goes to
// a discarded console with no sections and no plot file, so that the computation dominates.
// Built beside the tests, never run by them.
#include <benchmark/benchmark.h>

#include <sstream>
#include <streambuf>

#include "../tests/statics/salm_fixtures.h"
#include "platform/units.h"
#include "statics/solve.h"
#include "statics/stsalm.h"

namespace {

// An output buffer that drops everything.
class Discard : public std::streambuf {
 protected:
  int overflow(int c) override { return c; }
  std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
};

void sixMemberColumnQuiet() {
  qv::testing_support::sixMemberSalm();
  qv::TPCM.IUNIT = qv::kScreenUnit;
  qv::TPCM.EDUNIT = qv::kDiagnosticsUnit;  // no pauses
  qv::TPCM.IPLOTS = 0;
  qv::TPCM.STAMOT = 0;
}

void BM_STSALM_SixMembers(benchmark::State& state) {
  Discard discard;
  std::ostream out(&discard);
  std::istringstream in;
  qv::setConsole(&in, &out);
  for (auto _ : state) {
    state.PauseTiming();
    sixMemberColumnQuiet();
    state.ResumeTiming();
    qv::STSALM();
    benchmark::DoNotOptimize(qv::SOLVE.PHIANG(8, 6));
  }
  qv::setConsole(nullptr, nullptr);
}
BENCHMARK(BM_STSALM_SixMembers)->Unit(benchmark::kMicrosecond);

}  // namespace
