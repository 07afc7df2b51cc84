// Running a command line to its end, as the command interpreter would: here through /bin/sh -c.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace qv {

inline constexpr int kCommandNotFound = 127;  // the shell's status for a program it cannot find

// Runs the command and waits for it; returns its exit status, kCommandNotFound for a missing
// program, or -1 when no process could be started.
int runSystemCommand(std::string_view commandLine);

// The path of the program `name` in the folder of the running executable (the editor starts the
// analysis runner that was built and installed beside it); empty when this executable's own path
// cannot be found.
std::string programBesideThisOne(std::string_view name);

// Runs the program at `path` with `arguments` in the current folder, on this process's console, and
// waits for it: no shell stands between, so a path with blanks needs no quoting. Returns its exit
// status, kCommandNotFound when it cannot be executed, or -1 when no process could be started or it
// ended by a signal.
int runProgram(const std::string& path, const std::vector<std::string>& arguments);

}  // namespace qv
