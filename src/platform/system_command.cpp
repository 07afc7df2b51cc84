#include "platform/system_command.h"

#include <cerrno>
#include <cstdio>
#include <iostream>
#include <string>

#include <sys/wait.h>
#include <unistd.h>

#include "platform/units.h"

namespace qv {

int runSystemCommand(std::string_view commandLine) {
  consoleOut().flush();
  std::fflush(nullptr);
  const std::string command(commandLine);
  const pid_t pid = fork();
  if (pid < 0) return -1;
  if (pid == 0) {
    execl("/bin/sh", "sh", "-c", command.c_str(), static_cast<char*>(nullptr));
    _exit(kCommandNotFound);
  }
  int status = 0;
  while (waitpid(pid, &status, 0) < 0) {
    if (errno != EINTR) return -1;
  }
  if (WIFEXITED(status)) return WEXITSTATUS(status);
  return -1;
}

}  // namespace qv
