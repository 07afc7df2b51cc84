// Runs the real editor as a user would: in a fresh folder of its own, with a script of typed lines on
// its standard input, collecting what it writes and how it ends. The executable's path comes from the
// environment variable QV_QUORVEL, the analysis runner's from QV_QUORVEL_RUN (CTest sets both).
//
//   qv::e2e::Folder folder;                       // a fresh, empty temporary folder
//   folder.writeFile("SALMDAT", bytes);           // seed files the run should find
//   qv::e2e::Run run = folder.run("m\n1\n");      // type two lines, then end the input
//   run.status, run.out, folder.files(), folder.readFile("SALMDAT") ...
//   run = folder.runAnalysis({"--silent"});       // the analysis runner, with its arguments
//
// A run that outlives its time limit is killed and reported as timed out, so a program that loops or
// waits on the end of its input fails its test instead of hanging the suite. `beforeExec`, when given,
// runs in the child just before the program starts (an environment variable, a resource limit).
#pragma once

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "support/console_capture.h"
#include "support/temp_dir.h"

namespace qv::e2e {

using namespace std::chrono_literals;

// How a run ended and what it wrote.
struct Run {
  std::string out;         // standard output, byte for byte
  std::string err;         // standard error
  int status = -1;         // exit status; -1 when the run did not exit by itself
  int signal = 0;          // the signal that ended it, if any
  bool timedOut = false;   // killed at the time limit
  std::chrono::milliseconds elapsed{0};
};

// A path that CTest hands the tests in the environment variable `name`.
inline std::string pathFromEnvironment(const char* name) {
  const char* path = std::getenv(name);
  if (path == nullptr || *path == '\0')
    throw std::runtime_error(std::string(name) + " is not set: run the tests through CTest");
  return path;
}

// The path of the editor under test.
inline std::string quorvelPath() { return pathFromEnvironment("QV_QUORVEL"); }
// The analysis runner, built beside the editor.
inline std::string runnerPath() { return pathFromEnvironment("QV_QUORVEL_RUN"); }

// The output split at form feeds: one entry per screen the program cleared to (the text before the
// first clear is entry 0).
using testing_support::screens;

// Word w (1-based) of a stored image, at byte 4(w-1), as an integer or as a float.
inline std::int32_t intWord(std::string_view image, int w) {
  std::int32_t v = 0;
  std::memcpy(&v, image.data() + 4 * (w - 1), 4);
  return v;
}
inline float floatWord(std::string_view image, int w) {
  float v = 0.0f;
  std::memcpy(&v, image.data() + 4 * (w - 1), 4);
  return v;
}

// Starts `program` with `arguments` in `dir` with `input` on its standard input; see the header
// comment.
inline Run runIn(const std::filesystem::path& dir, const std::string& program, std::string_view input,
                 std::chrono::milliseconds limit, const std::function<void()>& beforeExec = {},
                 const std::vector<std::string>& arguments = {}) {
  std::vector<char*> argv{const_cast<char*>(program.c_str())};
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  ::signal(SIGPIPE, SIG_IGN);  // a program that stops reading early must not end the test process
  int in[2], out[2], err[2];
  if (pipe(in) != 0 || pipe(out) != 0 || pipe(err) != 0) throw std::runtime_error("pipe failed");
  const auto started = std::chrono::steady_clock::now();
  const pid_t pid = fork();
  if (pid < 0) throw std::runtime_error("fork failed");
  if (pid == 0) {
    if (chdir(dir.c_str()) != 0) _exit(126);
    dup2(in[0], STDIN_FILENO);
    dup2(out[1], STDOUT_FILENO);
    dup2(err[1], STDERR_FILENO);
    for (int fd : {in[0], in[1], out[0], out[1], err[0], err[1]}) close(fd);
    if (beforeExec) beforeExec();
    execv(program.c_str(), argv.data());
    _exit(127);
  }
  close(in[0]);
  close(out[1]);
  close(err[1]);
  for (int fd : {in[1], out[0], err[0]}) fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) | O_NONBLOCK);

  Run run;
  std::size_t written = 0;
  int toChild = in[1];
  if (input.empty()) {
    close(toChild);
    toChild = -1;
  }
  int fromChild[2] = {out[0], err[0]};
  std::string* sinks[2] = {&run.out, &run.err};
  while (fromChild[0] >= 0 || fromChild[1] >= 0) {
    const auto left = limit - std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - started);
    if (left <= 0ms) {
      run.timedOut = true;
      kill(pid, SIGKILL);
      break;
    }
    pollfd fds[3];
    nfds_t n = 0;
    if (toChild >= 0) fds[n++] = {toChild, POLLOUT, 0};
    for (int fd : fromChild)
      if (fd >= 0) fds[n++] = {fd, POLLIN, 0};
    if (poll(fds, n, static_cast<int>(left.count())) < 0 && errno != EINTR) break;
    for (nfds_t k = 0; k < n; ++k) {
      if (fds[k].revents == 0) continue;
      if (fds[k].fd == toChild) {
        const ssize_t w = write(toChild, input.data() + written, input.size() - written);
        if (w > 0) written += static_cast<std::size_t>(w);
        if (w < 0 && errno != EAGAIN) written = input.size();  // the program closed its input
        if (written == input.size()) {
          close(toChild);  // the end of the typed input
          toChild = -1;
        }
        continue;
      }
      for (int s = 0; s < 2; ++s) {
        if (fds[k].fd != fromChild[s]) continue;
        char buffer[4096];
        const ssize_t r = read(fromChild[s], buffer, sizeof buffer);
        if (r > 0) {
          sinks[s]->append(buffer, static_cast<std::size_t>(r));
        } else if (r == 0 || errno != EAGAIN) {
          close(fromChild[s]);
          fromChild[s] = -1;
        }
      }
    }
  }
  for (int fd : {toChild, fromChild[0], fromChild[1]})
    if (fd >= 0) close(fd);
  int wstatus = 0;
  while (waitpid(pid, &wstatus, 0) < 0 && errno == EINTR) {
  }
  run.elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - started);
  if (WIFEXITED(wstatus) && !run.timedOut) run.status = WEXITSTATUS(wstatus);
  if (WIFSIGNALED(wstatus)) run.signal = WTERMSIG(wstatus);
  return run;
}

// A fresh temporary folder for one or more runs, removed with everything in it at the end. The test
// process stays in its own folder: only the runs work in this one.
class Folder {
 public:
  const std::filesystem::path& path() const { return dir_.path(); }

  // Runs the editor here with the typed lines of `script`; the input ends after them.
  Run run(std::string_view script, std::chrono::milliseconds limit = 30s,
          const std::function<void()>& beforeExec = {}) const {
    return runIn(path(), quorvelPath(), script, limit, beforeExec);
  }

  // Runs the analysis runner here with `arguments` and the typed lines of `script`.
  Run runAnalysis(const std::vector<std::string>& arguments = {}, std::string_view script = "",
                  std::chrono::milliseconds limit = 60s) const {
    return runIn(path(), runnerPath(), script, limit, {}, arguments);
  }

  // The names of the files in the folder, sorted.
  std::vector<std::string> files() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(path()))
      names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }
  bool exists(const std::string& name) const { return std::filesystem::exists(path() / name); }
  std::string readFile(const std::string& name) const { return testing_support::readFileText(path() / name); }
  void writeFile(const std::string& name, std::string_view bytes) const {
    testing_support::writeFileBytes(path() / name, bytes.data(), bytes.size());
  }

 private:
  testing_support::TempDir dir_{testing_support::TempDir::Mode::kStayOutside};
};

}  // namespace qv::e2e
