// The fixture of the wave-frequency tests: each case in a fresh temporary folder and a fresh run,
// with a run of the attached-SALM stage (or another) on the column the case sets up.
#pragma once

#include <string>

#include "dynamics/dynslm.h"
#include "support/console_capture.h"
#include "support/fresh_run.h"
#include "support/temp_dir.h"

namespace qv::testing_support {

class DynamicsRun : public FreshRun {
 protected:
  // DYNSLM with the replies typed: the exit status of a stop (-1 when it returned); the screen and
  // the replies it did not read are kept.
  int run(const std::string& typed = "") { return runStage(DYNSLM, typed); }

  // The same for another stage of the wave-frequency dynamics.
  int runStage(void (*stage)(), const std::string& typed = "") {
    ConsoleCapture console(typed);
    const int status = stopStatus(stage);
    screen = console.screen();
    unread = console.unread();
    return status;
  }

  TempDir dir;
  std::string screen, unread;
};

}  // namespace qv::testing_support
