// What the readers of the users' text files share: the files are opened on unit 31 as existing files
// and read with the list-directed rules, one READ per record group; a table that cannot serve for
// interpolation (too few or too many points, abscissae out of order) is refused with the reader's
// message, a pause and a stop, and a file that cannot be opened with the reader's message, the
// abort question and a stop.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

#include "util/list_read.h"
#include "util/user_file_values.h"

namespace qv {

inline constexpr int kUserFileUnit = 31;

// Opens the file named by the field (trailing blanks dropped) on unit 31 for reading, closing
// whatever the unit held; false when the file cannot be opened.
bool openUserFile(std::string_view nameField);

// One list-directed READ from unit 31, starting at the next record: true when every variable was
// given its value (or an empty value, or a "/" ended the read); false at the end of the file or for
// a value of the wrong kind.
bool readUserRecord(std::initializer_list<ListTarget> targets);

// The bounds of the values of the users' coefficient files: headings turn at most once either way
// [deg]; wave frequencies are those of waves of 0.1 s and longer [rad/s]; a force or moment
// coefficient of wind, current or wave drift stays within some units on any hull (a current's
// lateral one in water barely deeper than the draft reaches about 10): a hundred is no hull's.
inline constexpr float kLargestFileHeading = 360.0f;
inline constexpr float kHighestFileFrequency = 62.831855f;
inline constexpr float kLargestFileCoefficient = 100.0f;

// Refuses (refuseUserFileValue, unit 31) value `index` of the last READ of `in` unless it lies from
// `lowest` to `highest`; `what` names it, `why` says what the range is.
void requireFileValue(const PlacedRead& in, std::string_view routine, std::int32_t unit, std::int32_t inUnit,
                      std::string_view file, int index, std::string_view what, float value, float lowest,
                      float highest, std::string_view why);

// A file that cannot be opened: the lines on `unit`, the abort question, then the stop whatever the
// answer.
[[noreturn]] void stopUserFileMissing(std::string_view routine, std::int32_t unit,
                                      std::initializer_list<std::string_view> lines);

// A table refused: unit 31 is closed, the lines are written on `unit`, the pause, the stop.
[[noreturn]] void stopUserTableRefused(std::string_view routine, std::int32_t unit, std::int32_t inUnit,
                                       std::initializer_list<std::string_view> lines);

// The first point (2..n) at which x(1..n) stops being strictly monotonic in the direction of its
// first step, or 0 when the whole table is. With `increasing`, a first step downwards counts as out
// of order too.
int firstUnorderedPoint(const float* x, int n, bool increasing = false);

// "      <label> = [" numbers "]" followed by `tail`: the dimension lines of the refusals.
std::string dimensionLine(std::string_view label, std::string_view numbers, std::string_view tail = "");
// "      row [" row "] out of order; " followed by `rule`: the line of a refused abscissa.
std::string unorderedLine(int row, std::string_view rule);

}  // namespace qv
