// Running a command line to its end, as the command interpreter would: here through /bin/sh -c.
#pragma once

#include <string_view>

namespace qv {

inline constexpr int kCommandNotFound = 127;  // the shell's status for a program it cannot find

// Runs the command and waits for it; returns its exit status, kCommandNotFound for a missing
// program, or -1 when no process could be started.
int runSystemCommand(std::string_view commandLine);

}  // namespace qv
