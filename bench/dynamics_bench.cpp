// Timing of the wave-frequency stages on the columns of the tests. The console is discarded and
// unattended (no questions) and there is no plot file. Built beside the tests, never run by them.
//
// The attached SALM of three members: the normal modes, then per heading the walk of "YOKEMOT",
// the member motions with the secant iteration of the drag and the member loads, over three
// headings, and the statistics. BM_DYNSLM_ThreeHeadings: 20 periods, no report but the statistics;
// BM_DYNSLM_ThreeHeadingsLoadsAndReports: 41 periods in a random sea, every element a moment element
// (with "MOMDAT"), every report of every heading to the discarded console.
//
// The free SALM of two members over 41 periods in a random sea: the grid and the sea spectrum, the
// two modes, the Newton iteration of the drag and the loads per period, and the statistics.
// BM_FREMOT_TwoMembers41Periods with no report but the statistics; BM_FREMOT_TwoMembersWithReports
// with both members' elements moment elements and every report.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <complex>
#include <cstdlib>
#include <filesystem>
#include <span>
#include <sstream>
#include <streambuf>
#include <string>
#include <vector>

#include "../tests/dynamics/dynamics_fixtures.h"
#include "../tests/dynamics/free_salm_fixtures.h"
#include "dynamics/dynslm.h"
#include "dynamics/fremot.h"
#include "platform/units.h"
#include "slowdrift/output.h"
#include "util/files.h"
#include "util/unformatted_io.h"

namespace {

constexpr int kHeadings = 3;

// An output buffer that drops everything.
class Discard : public std::streambuf {
 protected:
  int overflow(int c) override { return c; }
  std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
};

void threeMemberColumnQuiet(int periods, bool loadsAndReports) {
  qv::testing_support::threeMemberColumn();
  qv::testing_support::setWaveGrid(periods, 4.0f, 0.5f);
  qv::TPCM.EDUNIT = qv::kDiagnosticsUnit;  // no pauses, no questions
  qv::TPCM.IUNIT = qv::kScreenUnit;
  if (!loadsAndReports) return;
  qv::Tpcm& t = qv::TPCM;
  const std::vector<qv::testing_support::DynMember> members = qv::testing_support::threeMembers();
  t.NMOMT = 3;
  for (int e = 1; e <= 3; ++e) {
    const qv::testing_support::DynMember& m = members[static_cast<std::size_t>(e - 1)];
    t.LMOMT(e) = 1;
    t.TMASS(e) = m.weight;
    t.CGSALM(e) = m.cg;
    t.CBUOY(e) = m.cb;
    t.GYRAD(e) = m.gyradius;
  }
  t.LRANDM = 1;
  t.DURATN = 3.0f;
  t.LPOSN = t.LANGLE = t.LODNET = 1;
  t.ALLRAO = t.PRNRAO = 1;  // every heading reported
  for (int i = 1; i <= periods; ++i) qv::WAVCOM.WPSD(i) = 1.0f;
}

// "YOKEMOT" of three headings of smooth yoke motions on the random sea, through the program's record
// layer.
void writeMotionFile(int periods) {
  using qv::Complex;
  qv::RHOPEN("YOKEMOT", qv::kUnformatted, qv::kFresh, 0, qv::kYokeMotionUnit, "BENCH", qv::kScreenUnit, 0);
  for (int h = 0; h < kHeadings; ++h) {
    const std::int32_t headings = kHeadings, none = 0, random = 1;
    (void)qv::writeUnformatted(qv::kYokeMotionUnit, headings, none, none, random, 0.6f * static_cast<float>(h));
    for (int i = 1; i <= periods; ++i) {
      const float a = 0.05f * static_cast<float>(i + h);
      const Complex record[6] = {{0.8f - a, 0.3f * a}, {0.2f + 0.5f * a, -0.1f}, {0.4f, 0.2f - a},
                                 {0.004f * a, 0.002f}, {-0.003f, 0.001f * a}, {0.001f, -0.002f * a}};
      (void)qv::writeUnformatted(qv::kYokeMotionUnit, std::span<const Complex, 6>(record));
    }
  }
  qv::HCLOSE(qv::kYokeMotionUnit, "YOKEMOT", "BENCH", qv::kScreenUnit);
}

// A temporary folder as the current one and a console that discards, for the life of a benchmark.
class QuietFolder {
 public:
  QuietFolder() : out_(&discard_) {
    folder_ = (std::filesystem::temp_directory_path() / "qvbench-XXXXXX").string();
    ok_ = mkdtemp(folder_.data()) != nullptr;
    if (!ok_) return;
    previous_ = std::filesystem::current_path();
    std::filesystem::current_path(folder_);
    qv::setConsole(&in_, &out_);
  }
  ~QuietFolder() {
    if (!ok_) return;
    qv::setConsole(nullptr, nullptr);
    std::filesystem::current_path(previous_);
    std::filesystem::remove_all(folder_);
  }
  QuietFolder(const QuietFolder&) = delete;
  QuietFolder& operator=(const QuietFolder&) = delete;
  bool ok() const { return ok_; }

 private:
  Discard discard_;
  std::ostream out_;
  std::istringstream in_;
  std::string folder_;
  std::filesystem::path previous_;
  bool ok_ = false;
};

// DYNSLM in a fresh temporary folder, the column set afresh before every run.
void runDynamics(benchmark::State& state, int periods, bool loadsAndReports) {
  QuietFolder quiet;
  if (!quiet.ok()) {
    state.SkipWithError("no temporary folder");
    return;
  }
  threeMemberColumnQuiet(periods, loadsAndReports);
  writeMotionFile(periods);
  for (auto _ : state) {
    state.PauseTiming();
    threeMemberColumnQuiet(periods, loadsAndReports);
    state.ResumeTiming();
    qv::DYNSLM();
    benchmark::DoNotOptimize(qv::OUTPUT.NETAXL(periods, 1));
  }
}

void BM_DYNSLM_ThreeHeadings(benchmark::State& state) { runDynamics(state, 20, false); }
BENCHMARK(BM_DYNSLM_ThreeHeadings)->Unit(benchmark::kMicrosecond);

void BM_DYNSLM_ThreeHeadingsLoadsAndReports(benchmark::State& state) { runDynamics(state, 41, true); }
BENCHMARK(BM_DYNSLM_ThreeHeadingsLoadsAndReports)->Unit(benchmark::kMicrosecond);

constexpr int kFreePeriods = 41;

// The free two-member column in a random sea, its periods 4 to 24 s; with reports, both elements
// moment elements and every report on.
void freeColumnQuiet(bool reports) {
  qv::testing_support::freeTwoMemberColumn();
  qv::testing_support::setWaveGrid(kFreePeriods, 4.0f, 0.5f);
  qv::Tpcm& t = qv::TPCM;
  t.EDUNIT = qv::kDiagnosticsUnit;
  t.IUNIT = qv::kScreenUnit;
  t.LRANDM = 1;
  t.WAVTYP = 2;  // mean JONSWAP
  t.SWHT(1) = 10.0f;
  t.SIGPD(1) = 10.0f;
  if (!reports) return;
  t.NMOMT = 2;
  t.LMOMT(1) = t.LMOMT(2) = 1;
  t.DURATN = 3.0f;
  t.LPOSN = t.LANGLE = t.LODNET = 1;
  t.ALLRAO = t.PRNRAO = 1;
}

void runFreeDynamics(benchmark::State& state, bool reports) {
  QuietFolder quiet;
  if (!quiet.ok()) {
    state.SkipWithError("no temporary folder");
    return;
  }
  for (auto _ : state) {
    state.PauseTiming();
    freeColumnQuiet(reports);
    state.ResumeTiming();
    qv::FREMOT();
    benchmark::DoNotOptimize(qv::OUTPUT.PHIMEM(kFreePeriods, 2));
  }
}

void BM_FREMOT_TwoMembers41Periods(benchmark::State& state) { runFreeDynamics(state, false); }
BENCHMARK(BM_FREMOT_TwoMembers41Periods)->Unit(benchmark::kMicrosecond);

void BM_FREMOT_TwoMembersWithReports(benchmark::State& state) { runFreeDynamics(state, true); }
BENCHMARK(BM_FREMOT_TwoMembersWithReports)->Unit(benchmark::kMicrosecond);

}  // namespace
