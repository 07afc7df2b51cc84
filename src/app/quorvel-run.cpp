// The analysis runner: loads the data set of the current folder, runs the analysis stages it calls
// for and ends with their status. An unattended or silent run that stops also copies its message to
// standard error, since its console shows nothing. "--help" prints the usage and ends with status 0.
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/stop.h"
#include "platform/units.h"
#include "run/analysis_run.h"

int main(int argc, char** argv) {
  const std::vector<std::string_view> arguments(argv + 1, argv + argc);
  if (arguments.size() == 1 && arguments[0] == "--help") {
    std::cout << qv::kRunUsage << '\n' << qv::kRunHelp << '\n';
    return qv::kExitNormal;
  }
  const std::optional<qv::RunMode> mode = qv::runModeOf(arguments);
  if (!mode) {
    std::cerr << qv::kRunUsage << '\n';
    return qv::kExitFatal;
  }
  int status = qv::kExitNormal;
  std::string routine;
  try {
    qv::runAnalysis(*mode);
  } catch (const qv::Stop& stop) {
    status = stop.status;
    routine = stop.routine;
  }
  qv::closeAllUnits();
  if (status != qv::kExitNormal && *mode != qv::RunMode::kInteractive) std::cerr << qv::stopMessage(routine);
  return status;
}
