// What the low-frequency load models share to read their users' tables. The users' files of
// lowfreq/ ("WINDCOFS.txt", "CRNTCOFS.txt", "DRFTCOFS.txt", "WINDSPEC.txt", "CRNTSPEC.txt",
// "CRNTPROF.txt") are opened on unit 31 as existing files and read row by row through PlacedRead
// (util/user_file_values.h), each value bounded as it is read; a table of such a file or of the
// data set ("LOWDAT"'s tables, the data set's current profile) that cannot serve for interpolation
// (too few or too many points, a column out of order) is refused with the reader's message, a pause
// and a stop, and a file that cannot be opened with the reader's message, the abort question and a
// stop.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "util/column_order.h"
#include "util/user_file_values.h"

namespace qv {

inline constexpr int kUserFileUnit = 31;

// Opens the file named by the field (trailing blanks dropped) on unit 31 for reading, closing
// whatever the unit held; false when the file cannot be opened.
bool openUserFile(std::string_view nameField);

// The bounds of the values of the users' coefficient files: headings turn at most once either way
// [deg]; wave frequencies are those of waves of 0.1 s and longer [rad/s]; a force or moment
// coefficient of wind, current or wave drift stays within some units on any hull (a current's
// lateral one in water barely deeper than the draft reaches about 10): a hundred is no hull's.
inline constexpr float kLargestFileHeading = 360.0f;
inline constexpr float kHighestFileFrequency = 62.831855f;
inline constexpr float kLargestFileCoefficient = 100.0f;

// A file that cannot be opened: the lines on `unit`, the abort question, then the stop whatever the
// answer.
[[noreturn]] void stopUserFileMissing(std::string_view routine, std::int32_t unit,
                                      std::initializer_list<std::string_view> lines);

// A table refused: unit 31 is closed, the lines are written on `unit`, the pause, the stop.
[[noreturn]] void stopUserTableRefused(std::string_view routine, std::int32_t unit, std::int32_t inUnit,
                                       std::initializer_list<std::string_view> lines);
[[noreturn]] void stopUserTableRefused(std::string_view routine, std::int32_t unit, std::int32_t inUnit,
                                       std::span<const std::string> lines);

// "      <label> = [" numbers "]" followed by `tail`: the dimension lines of the refusals.
std::string dimensionLine(std::string_view label, std::string_view numbers, std::string_view tail = "");

// A column x(1..n) of a table the data set holds, judged whole before it is searched: the lines
// that refuse its first value out of order (util/column_order.h, `order` naming the values),
// "row <i> (a <noun>) is <value>;" and what the analysis needs there, each flowing after five
// blanks within a console's width; none when the whole column keeps its order.
std::vector<std::string> unorderedColumnLines(const float* x, int n, StrictOrder order);

}  // namespace qv
