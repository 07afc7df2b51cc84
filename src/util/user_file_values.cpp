#include "util/user_file_values.h"

#include <cmath>
#include <span>
#include <string>

#include "platform/units.h"
#include "util/fatal.h"
#include "util/fortran_format.h"

namespace qv {

ListStatus PlacedRead::read(std::initializer_list<ListTarget> targets) {
  firstLine_ = 0;
  const RecordSource counted = [this](std::string& out) {
    if (!readRecord(unit_, out)) return false;
    ++lines_;
    if (firstLine_ == 0) firstLine_ = lines_;
    lastLine_ = lines_;
    return true;
  };
  return listRead(counted, std::span<const ListTarget>(targets.begin(), targets.size()));
}

std::string PlacedRead::place(int index) const {
  if (firstLine_ == lastLine_) return "line " + std::to_string(firstLine_) + ", column " + std::to_string(index);
  return "lines " + std::to_string(firstLine_) + " to " + std::to_string(lastLine_) + ", value " +
         std::to_string(index) + " of the row";
}

bool inRange(float value, float lowest, float highest) {
  return std::isfinite(value) && value >= lowest && value <= highest;
}

void refuseUserFileValue(std::string_view routine, int unit, std::int32_t messageUnit, std::int32_t inUnit,
                         std::string_view file, const std::string& place, std::string_view what, float value,
                         std::string_view need) {
  closeUnit(unit);
  const std::string lines[] = {
      "",
      " ++> User file \"" + std::string(file) + "\", " + place + " (" + std::string(what) + ") is " +
          messageValue(value) + ";",
      "     the analysis needs " + std::string(need) + ".",
      ""};
  fatalStop(routine, messageUnit, std::span<const std::string>(lines), FatalWait::kPressReturn, inUnit);
}

}  // namespace qv
