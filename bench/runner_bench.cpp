// Timing of the whole analysis: the runner quorvel-run, built beside this benchmark, on a copy of the
// tanker example in a fresh folder, as a child process. The time reported is the child's user plus
// system time (so the start of the process counts, and nothing of this one); the aim is well under
// 0.1 s. Built beside the tests, never run by them.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <string>

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

void BM_QuorvelRun_TankerExample(benchmark::State& state) {
  const std::string runner = qv::programBesideThisOne("quorvel-run");
  const fs::path example = fs::path(QV_EXAMPLES_DIR) / "tanker-yoke" / "SALMDAT";
  const fs::path folder = fs::temp_directory_path() / ("qv_runner_bench_" + std::to_string(getpid()));
  for (auto _ : state) {
    fs::remove_all(folder);
    fs::create_directories(folder);
    fs::copy_file(example, folder / "SALMDAT");
    const ChildRun run = runIn(folder, runner);
    if (run.status != 0) {
      state.SkipWithError(("quorvel-run ended with status " + std::to_string(run.status)).c_str());
      break;
    }
    state.SetIterationTime(run.seconds);
  }
  fs::remove_all(folder);
}
BENCHMARK(BM_QuorvelRun_TankerExample)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
