// The one way a run ends early: a fatal condition writes its message, then throws Stop with the exit
// status and the name of the routine that stopped. Only the mains catch it; they close every unit and
// return the status. Below platform/, every fatal stop goes through fatalStop (util/fatal.h).
#pragma once

#include <string>

namespace qv {

enum ExitStatus : int {
  kExitNormal = 0,         // a normal stop
  kExitFatal = 1,          // a fatal error
  kExitInputEnded = 2,     // the keyboard input ended
};

struct Stop {
  int status = kExitFatal;
  std::string routine;     // the routine that stopped ("ACERR", "RTMI1 in ITER8", ...)
};

}  // namespace qv
