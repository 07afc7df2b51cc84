// Timing of the whole analysis: the runner quorvel-run, built beside this benchmark, on a copy of each
// committed example in a fresh folder, as a child process; once as the example stands and once with
// every report choice of its data set switched off, so that the analysis and the writing of the reports
// each show their own regressions. The time reported is the child's user plus system time (so the
// start of the process counts, and nothing of this one); the aim is well under 0.1 s for the tanker.
// Built beside the tests, never run by them.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <span>
#include <string>
#include <vector>

#include "dataset/tpcm.h"
#include "platform/system_command.h"

namespace {

namespace fs = std::filesystem;

// The child's exit status (-1 when it did not exit by itself) and its processor time [s].
struct ChildRun {
  int status = -1;
  double seconds = 0.0;
};

ChildRun runIn(const fs::path& folder, const std::string& program) {
  ChildRun result;
  const pid_t pid = fork();
  if (pid < 0) return result;
  if (pid == 0) {
    if (chdir(folder.c_str()) != 0) _exit(126);
    const int null = open("/dev/null", O_RDWR);
    dup2(null, STDIN_FILENO);
    dup2(null, STDOUT_FILENO);
    dup2(null, STDERR_FILENO);
    execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  int status = 0;
  rusage usage{};
  while (wait4(pid, &status, 0, &usage) < 0) {
    if (errno != EINTR) return result;
  }
  if (WIFEXITED(status)) result.status = WEXITSTATUS(status);
  const auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + 1e-6 * static_cast<double>(t.tv_usec); };
  result.seconds = seconds(usage.ru_utime) + seconds(usage.ru_stime);
  return result;
}

// The data set of `from` with every report choice switched off (vessel summary and operator reports,
// static offsets and element data, low-frequency motions, the position, angle and net-load operators),
// written to `to`; the analysis it calls for is the same.
bool writeWithoutReports(const fs::path& from, const fs::path& to) {
  std::ifstream in(from, std::ios::binary);
  std::vector<char> image((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  const std::span<std::byte> block = std::as_writable_bytes(std::span(&qv::TPCM, 1));
  if (image.size() != 4 * static_cast<std::size_t>(qv::kStoredWords)) return false;  // a plain image
  std::memcpy(block.data(), image.data(), image.size());
  qv::Tpcm& t = qv::TPCM;
  t.NEGSUM = 1;
  t.STAMOT = 0;
  t.LOFFST = 0;
  t.LOWMOT = 0;
  t.LPOSN = 0;
  t.LANGLE = 0;
  t.LODNET = 0;
  std::memcpy(image.data(), block.data(), image.size());
  std::ofstream out(to, std::ios::binary);
  out.write(image.data(), static_cast<std::streamsize>(image.size()));
  return static_cast<bool>(out);
}

void BM_QuorvelRun(benchmark::State& state, const char* example, bool reports) {
  const std::string runner = qv::programBesideThisOne("quorvel-run");
  const fs::path dataSet = fs::path(QV_EXAMPLES_DIR) / example / "SALMDAT";
  const fs::path folder = fs::temp_directory_path() / ("qv_runner_bench_" + std::to_string(getpid()));
  for (auto _ : state) {
    fs::remove_all(folder);
    fs::create_directories(folder);
    if (reports) {
      fs::copy_file(dataSet, folder / "SALMDAT");
    } else if (!writeWithoutReports(dataSet, folder / "SALMDAT")) {
      state.SkipWithError("the example is not a plain data set image");
      break;
    }
    const ChildRun run = runIn(folder, runner);
    if (run.status != 0) {
      state.SkipWithError(("quorvel-run ended with status " + std::to_string(run.status)).c_str());
      break;
    }
    state.SetIterationTime(run.seconds);
  }
  fs::remove_all(folder);
}
BENCHMARK_CAPTURE(BM_QuorvelRun, TankerExample, "tanker-yoke", true)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_QuorvelRun, TankerExampleWithoutReports, "tanker-yoke", false)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_QuorvelRun, FreeSalmExample, "free-salm", true)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_QuorvelRun, FreeSalmExampleWithoutReports, "free-salm", false)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace
