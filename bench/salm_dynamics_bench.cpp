// Timing of the attached-SALM wave-frequency stage on the three-member column of the tests: the
// normal modes, then per heading the walk of "YOKEMOT" and the member motions over 20 periods with
// the secant iteration of the drag, over three headings. The console is discarded and unattended
// (no questions), the report goes to the console and there is no plot file, so that the computation
// dominates. Built beside the tests, never run by them.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <complex>
#include <cstdlib>
#include <filesystem>
#include <span>
#include <sstream>
#include <streambuf>
#include <string>

#include "../tests/salm/dynamics_fixtures.h"
#include "platform/units.h"
#include "salm/dynslm.h"
#include "salm/output.h"
#include "util/files.h"
#include "util/unformatted_io.h"

namespace {

constexpr int kPeriods = 20;
constexpr int kHeadings = 3;

// An output buffer that drops everything.
class Discard : public std::streambuf {
 protected:
  int overflow(int c) override { return c; }
  std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
};

void threeMemberColumnQuiet() {
  qv::testing_support::threeMemberColumn();
  qv::testing_support::setWaveGrid(kPeriods, 4.0f, 0.5f);
  qv::TPCM.EDUNIT = qv::kDiagnosticsUnit;  // no pauses, no questions
  qv::TPCM.IUNIT = qv::kScreenUnit;
}

// "YOKEMOT" of three headings of smooth yoke motions, through the program's record layer.
void writeMotionFile() {
  using qv::Complex;
  qv::RHOPEN("YOKEMOT", qv::kUnformatted, qv::kFresh, 0, qv::kYokeMotionUnit, "BENCH", qv::kScreenUnit, 0);
  for (int h = 0; h < kHeadings; ++h) {
    const std::int32_t headings = kHeadings, none = 0, random = 1;
    (void)qv::writeUnformatted(qv::kYokeMotionUnit, headings, none, none, random, 0.6f * static_cast<float>(h));
    for (int i = 1; i <= kPeriods; ++i) {
      const float a = 0.05f * static_cast<float>(i + h);
      const Complex record[6] = {{0.8f - a, 0.3f * a}, {0.2f + 0.5f * a, -0.1f}, {0.4f, 0.2f - a},
                                 {0.004f * a, 0.002f}, {-0.003f, 0.001f * a}, {0.001f, -0.002f * a}};
      (void)qv::writeUnformatted(qv::kYokeMotionUnit, std::span<const Complex, 6>(record));
    }
  }
  qv::HCLOSE(qv::kYokeMotionUnit, "YOKEMOT", "BENCH", qv::kScreenUnit);
}

void BM_DYNSLM_ThreeHeadings(benchmark::State& state) {
  std::string folder = (std::filesystem::temp_directory_path() / "qvbench-XXXXXX").string();
  if (mkdtemp(folder.data()) == nullptr) {
    state.SkipWithError("no temporary folder");
    return;
  }
  const std::filesystem::path previous = std::filesystem::current_path();
  std::filesystem::current_path(folder);
  Discard discard;
  std::ostream out(&discard);
  std::istringstream in;
  qv::setConsole(&in, &out);
  threeMemberColumnQuiet();
  writeMotionFile();
  for (auto _ : state) {
    state.PauseTiming();
    threeMemberColumnQuiet();
    state.ResumeTiming();
    qv::DYNSLM();
    benchmark::DoNotOptimize(qv::OUTPUT.PHIMEM(kPeriods, 3));
  }
  qv::setConsole(nullptr, nullptr);
  std::filesystem::current_path(previous);
  std::filesystem::remove_all(folder);
}
BENCHMARK(BM_DYNSLM_ThreeHeadings)->Unit(benchmark::kMicrosecond);

}  // namespace
