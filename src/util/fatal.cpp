#include "util/fatal.h"

#include <string>

#include "util/console_io.h"

namespace qv {

namespace {
template <class Lines>
[[noreturn]] void stopWith(std::string_view routine, std::int32_t unit, const Lines& lines, FatalWait wait,
                           std::int32_t inUnit, int status) {
  for (std::string_view line : lines) writeRecord(unit, line);
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
  silentStop(routine, status);
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

void silentStop(std::string_view routine, int status) { throw Stop{status, std::string(routine)}; }

}  // namespace qv
