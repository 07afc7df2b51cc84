#include "lowfreq/user_file.h"

#include <fstream>
#include <memory>
#include <string>

#include "platform/units.h"
#include "util/dialogue.h"
#include "util/fatal.h"
#include "util/files.h"
#include "util/fortran_format.h"

namespace qv {

bool openUserFile(std::string_view nameField) {
  const std::string name(fileNameOf(nameField));
  closeUnit(kUserFileUnit);
  auto stream = std::make_unique<std::fstream>();
  stream->open(name, std::ios::in | std::ios::binary);
  if (!stream->is_open()) return false;
  connectUnit(kUserFileUnit, std::move(stream), name);
  return true;
}

bool readUserRecord(std::initializer_list<ListTarget> targets) {
  return listReadUnit(kUserFileUnit, targets) == ListStatus::kDone;
}

void requireFileValue(const PlacedRead& in, std::string_view routine, std::int32_t unit, std::int32_t inUnit,
                      std::string_view file, int index, std::string_view what, float value, float lowest,
                      float highest, std::string_view why) {
  if (inRange(value, lowest, highest)) return;
  refuseUserFileValue(routine, kUserFileUnit, unit, inUnit, fileNameOf(file), in.place(index), what, value,
                      "a value from " + messageValue(lowest) + " to " + messageValue(highest) + " (" +
                          std::string(why) + ")");
}

void stopUserFileMissing(std::string_view routine, std::int32_t unit, std::initializer_list<std::string_view> lines) {
  for (std::string_view line : lines) writeRecord(unit, line);
  std::int32_t answer = 0;
  ABORT0(unit, kKeyboardUnit, answer);
  silentStop(routine);
}

void stopUserTableRefused(std::string_view routine, std::int32_t unit, std::int32_t inUnit,
                          std::initializer_list<std::string_view> lines) {
  closeUnit(kUserFileUnit);
  fatalStop(routine, unit, lines, FatalWait::kPressReturn, inUnit);
}

int firstUnorderedPoint(const float* x, int n, bool increasing) {
  if (n < 2) return 0;
  const bool up = increasing || x[1] > x[0];
  for (int i = 2; i <= n; ++i) {
    const bool ordered = up ? x[i - 1] > x[i - 2] : x[i - 1] < x[i - 2];
    if (!ordered) return i;
  }
  return 0;
}

std::string dimensionLine(std::string_view label, std::string_view numbers, std::string_view tail) {
  return "      " + std::string(label) + " = [" + std::string(numbers) + "]" + std::string(tail);
}

std::string unorderedLine(int row, std::string_view rule) {
  return "      row [" + fmtI(row, 3) + "] out of order; " + std::string(rule);
}

}  // namespace qv
