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
    // A row starts on its first line with a value: blank lines before it belong to no row.
    if (firstLine_ == 0 && out.find_first_not_of(" \t") != std::string::npos) {
      firstLine_ = lines_;
      firstRecord_ = out;
    }
    lastLine_ = lines_;
    lastRecord_ = out;
    return true;
  };
  return listRead(counted, std::span<const ListTarget>(targets.begin(), targets.size()), &progress_);
}

namespace {

constexpr int kMostValuesOnALine = 64;  // more than any row of a user's file holds

// The values of a line, each as it stands ("r*v" counting r times, an empty one as an empty text).
int valuesOf(const std::string& line, std::string (&words)[kMostValuesOnALine]) {
  ListTarget targets[kMostValuesOnALine];
  for (int k = 0; k < kMostValuesOnALine; ++k) targets[k] = &words[k];
  ListProgress progress;
  listRead(line, std::span<const ListTarget>(targets), &progress);
  return progress.handled;
}

// The place of `text` among the values of `line`, from 1 (0 when it is not there as a value).
int columnOf(const std::string& line, const std::string& text) {
  std::string words[kMostValuesOnALine];
  const int n = valuesOf(line, words);
  for (int k = 0; k < n; ++k) {
    if (words[k] == text || words[k].ends_with("*" + text)) return k + 1;
  }
  return 0;
}

std::string counted(int n, std::string_view one) {
  return std::to_string(n) + " " + std::string(one) + (n == 1 ? "" : "s");
}

}  // namespace

void PlacedRead::readRow(std::initializer_list<ListTarget> targets, const UserFileStop& stop, std::string_view due) {
  const ListStatus status = read(targets);
  const bool ownLine = layout_ == RowLayout::kOneLine;
  const bool split = firstLine_ != 0 && lastLine_ != firstLine_;
  if (status == ListStatus::kDone && !(ownLine && split)) return;
  std::string what;
  if (ownLine && firstLine_ != 0 && (split || status == ListStatus::kEnded)) {
    // The row's own line is short of values: the read went on to the next line, or to the end.
    std::string words[kMostValuesOnALine];
    what = "line " + std::to_string(firstLine_) + " holds " + counted(valuesOf(firstRecord_, words), "value");
  } else if (status == ListStatus::kEnded && firstLine_ == 0) {
    what = lines_ == 0 ? "the file is empty" : "the file ends after line " + std::to_string(lines_);
  } else if (status == ListStatus::kEnded) {
    what = "the file ends at line " + std::to_string(lastLine_) + " within a row begun at line " +
           std::to_string(firstLine_) + ", after " + counted(progress_.handled, "value");
  } else {
    const int column = columnOf(lastRecord_, progress_.badText);
    what = "line " + std::to_string(lastLine_) + (column > 0 ? ", column " + std::to_string(column) : "") +
           " holds \"" + progress_.badText + "\", which is no number";
  }
  closeUnit(stop.unit);
  const std::string lines[] = {"", " ++> User file \"" + std::string(stop.file) + "\": " + what + ";",
                               "     the analysis needs " + std::string(due) + ".", ""};
  fatalStop(stop.routine, stop.messageUnit, std::span<const std::string>(lines), FatalWait::kPressReturn,
            stop.inUnit);
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

void stopHeadingOutsideTable(const HeadingOutsideTable& c) {
  const std::string lines[] = {
      "",
      " ++> User file \"" + std::string(c.file) + "\": its headings run from " + messageValue(c.lowestDeg) + " to " +
          messageValue(c.highestDeg) + " deg, less than a whole turn;",
      "     the analysis needs " + messageValue(c.headingDeg) + " deg there (" + std::string(c.what) +
          "), and a table is not extrapolated.",
      "     Give the table a whole turn of headings, 0 to 360.",
      ""};
  fatalStop(c.routine, c.unit, std::span<const std::string>(lines), FatalWait::kPressReturn, c.inUnit);
}

std::vector<std::string> frequencyOutsideTableLines(const FrequencyOutsideTable& c) {
  std::vector<std::string> lines = {
      "", " ++> Warning: Frequency outside user-supplied " + std::string(c.table) + " range:",
      "     \"" + std::string(c.file) + "\" holds " + messageValue(c.lowest) + " to " + messageValue(c.highest) +
          " rad/s; the run needs " + messageValue(c.frequency) + " rad/s here" + (c.gridPoints < 1 ? "." : ",")};
  if (c.gridPoints >= 1) {
    lines.push_back("     and " + messageValue(c.gridLowest) + " to " + messageValue(c.gridHighest) +
                    " rad/s over its wave periods (page 14, item 2).");
  }
  lines.push_back("     Extend the table over the run's frequencies, or choose wave periods within its range;");
  lines.push_back("     \"continue\" to extrapolate outside available range.");
  return lines;
}

}  // namespace qv
