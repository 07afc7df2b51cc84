#include "util/fatal.h"

#include <string>

#include "platform/block_reset.h"
#include "util/console_io.h"
#include "util/farray.h"
#include "util/whole_files.h"

namespace qv {

constinit ArrayBoundsState arrayBoundsState{};
const BlockReset resetArrayBoundsState{[] { arrayBoundsState.reset(); }};

constinit FatalStopState fatalStopState{};
const BlockReset resetFatalStopState{[] { fatalStopState.reset(); }};

namespace {
[[noreturn]] void throwStop(std::string_view routine, int status) { throw Stop{status, std::string(routine)}; }

template <class Lines>
[[noreturn]] void stopWith(std::string_view routine, std::int32_t unit, const Lines& lines, FatalWait wait,
                           std::int32_t inUnit, int status, bool unanswered = false) {
  // The messages of a silent execution that the editor still holds in memory never reach the
  // folder when the session stops: the message is said on the screen, where the user is.
  if (unit == kScreenUnit && unitConnected(kDiagnosticsUnit) && !writesWholeFile(kDiagnosticsUnit))
    unit = kDiagnosticsUnit;
  const bool keptOnly = fatalStopState.unwatched && unit == kScreenUnit;
  fatalStopState.message.clear();
  fatalStopState.unanswered = unanswered;
  for (std::string_view line : lines) {
    if (!keptOnly) writeRecord(unit, line);
    if (line.find_first_not_of(' ') != std::string_view::npos) fatalStopState.message.emplace_back(line);
  }
  if (fatalStopState.unwatched) wait = FatalWait::kNone;
  switch (wait) {
    case FatalWait::kNone:
      break;
    case FatalWait::kPressReturn:
      PRSRET(unit, inUnit);
      break;
    case FatalWait::kPromptLine:
      WRTLIN("Press <RETURN> to continue: ", unit);
      if (unit != kDiagnosticsUnit) (void)readConsoleLine();
      break;
    case FatalWait::kReadLine:
      if (unit != kDiagnosticsUnit) (void)readConsoleLine();
      break;
  }
  throwStop(routine, status);
}
}  // namespace

void fatalStop(std::string_view routine, std::int32_t unit, std::initializer_list<std::string_view> lines,
               FatalWait wait, std::int32_t inUnit, int status) {
  stopWith(routine, unit, lines, wait, inUnit, status);
}

void fatalStop(std::string_view routine, std::int32_t unit, std::span<const std::string> lines, FatalWait wait,
               std::int32_t inUnit, int status) {
  stopWith(routine, unit, lines, wait, inUnit, status);
}

void unansweredStop(std::string_view routine, std::int32_t unit, std::span<const std::string> lines) {
  stopWith(routine, unit, lines, FatalWait::kNone, kKeyboardUnit, kExitFatal, true);
}

void arrayBoundsStop(const char* routine, long long index, std::size_t extent, std::size_t dimension) {
  ++arrayBoundsState.violations;
  const std::string which = dimension == 0 ? "element " + std::to_string(index + 1)
                                           : "index " + std::to_string(index) + " of dimension " +
                                                 std::to_string(dimension);
  const std::string lines[] = {"", " ++> Array index out of bounds in " + std::string(routine) + ": " + which,
                               "     lies outside 1 to " + std::to_string(extent) +
                                   ". Please report this message to Kestrin."};
  // The messages of an unattended run go to its diagnostics file (stopWith sends them there), any
  // other run's to the screen.
  fatalStop(routine, kScreenUnit, std::span<const std::string>(lines), FatalWait::kPressReturn, kKeyboardUnit);
}

void silentStop(std::string_view routine, int status) {
  fatalStopState.message.clear();
  fatalStopState.unanswered = true;
  throwStop(routine, status);
}

void explainedStop(std::string_view routine) {
  fatalStopState.message.clear();
  fatalStopState.unanswered = false;
  throwStop(routine, kExitFatal);
}

}  // namespace qv
