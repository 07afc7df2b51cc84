#include "lowfreq/user_file.h"

#include <fstream>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "platform/units.h"
#include "util/dialogue.h"
#include "util/fatal.h"
#include "util/files.h"
#include "util/flowing_lines.h"

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
void stopUserTableRefused(std::string_view routine, std::int32_t unit, std::int32_t inUnit,
                          std::span<const std::string> lines) {
  closeUnit(kUserFileUnit);
  fatalStop(routine, unit, lines, FatalWait::kPressReturn, inUnit);
}

std::string dimensionLine(std::string_view label, std::string_view numbers, std::string_view tail) {
  return "      " + std::string(label) + " = [" + std::string(numbers) + "]" + std::string(tail);
}

std::vector<std::string> unorderedColumnLines(const float* x, int n, StrictOrder order) {
  std::vector<std::string> lines;
  for (int i = 1; i <= n; ++i) {
    const auto refused = order.take(x[i - 1], x[i - 1], "in row " + std::to_string(i));
    if (!refused) continue;
    addFlowingLines(lines, "     ", "row " + std::to_string(i) + " " + refused->found + ";");
    addFlowingLines(lines, "     ", "the analysis needs " + refused->need + ".");
    break;
  }
  return lines;
}

}  // namespace qv
