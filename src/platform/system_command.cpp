#include "platform/system_command.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>

#include "platform/units.h"

namespace qv {

namespace {

// Starts the program at `path` with the argument list `argv` (its own name first) and waits for it.
int runAndWait(const std::string& path, std::vector<std::string> argv) {
  consoleOut().flush();
  std::fflush(nullptr);
  std::vector<char*> pointers;
  for (std::string& argument : argv) pointers.push_back(argument.data());
  pointers.push_back(nullptr);
  const pid_t pid = fork();
  if (pid < 0) return -1;
  if (pid == 0) {
    execv(path.c_str(), pointers.data());
    _exit(kCommandNotFound);
  }
  int status = 0;
  while (waitpid(pid, &status, 0) < 0) {
    if (errno != EINTR) return -1;
  }
  if (WIFEXITED(status)) return WEXITSTATUS(status);
  return -1;
}

}  // namespace

int runSystemCommand(std::string_view commandLine) {
  return runAndWait("/bin/sh", {"sh", "-c", std::string(commandLine)});
}

std::string programBesideThisOne(std::string_view name) {
  std::error_code ec;
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec || self.empty()) return {};
  return (self.parent_path() / name).string();
}

int runProgram(const std::string& path, const std::vector<std::string>& arguments) {
  std::vector<std::string> argv{path};
  argv.insert(argv.end(), arguments.begin(), arguments.end());
  return runAndWait(path, std::move(argv));
}

}  // namespace qv
