// The one way a run ends early: a fatal condition writes its message, then throws Stop with the exit
// status. Only the mains catch it; they close every unit and return the status.
#pragma once

namespace qv {

enum ExitStatus : int {
  kExitNormal = 0,         // a normal stop
  kExitFatal = 1,          // a fatal error
  kExitInputEnded = 2,     // the keyboard input ended
};

struct Stop {
  int status;
};

}  // namespace qv
