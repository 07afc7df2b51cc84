// The values of a user's text file with their places: each list-directed READ starts at the next
// record, and the lines it took are kept, so a value outside what it is can be named by its file,
// line and column (its place among the values of the line), and refused with what is allowed.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

#include "util/list_read.h"

namespace qv {

// Reads a file connected to `unit`, counting its lines from 1.
class PlacedRead {
 public:
  explicit PlacedRead(int unit) : unit_(unit) {}

  // One list-directed READ, starting at the next record: the rules and results of listReadUnit.
  ListStatus read(std::initializer_list<ListTarget> targets);

  // Where value `index` (from 1) of the last READ stood: "line 81, column 4" when the READ took one
  // line (the value's place among the values of that line); "lines 81 to 82, value 7 of the row"
  // when it went on to later lines.
  std::string place(int index) const;

 private:
  int unit_;
  int lines_ = 0;      // the lines read so far
  int firstLine_ = 0;  // the lines of the last READ
  int lastLine_ = 0;
};

// Whether `value` is a number from `lowest` to `highest`.
bool inRange(float value, float lowest, float highest);

// A value of a user's file outside what it is: `unit` (the file's) is closed, then on `messageUnit`
// an empty line, " ++> User file "<file>", <place> (<what>) is <value>;", "     the analysis needs
// <need>.", an empty line, the pause, and the stop with status 1.
[[noreturn]] void refuseUserFileValue(std::string_view routine, int unit, std::int32_t messageUnit, std::int32_t inUnit,
                                      std::string_view file, const std::string& place, std::string_view what,
                                      float value, std::string_view need);

}  // namespace qv
