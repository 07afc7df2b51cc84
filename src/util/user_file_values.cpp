#include "util/user_file_values.h"

#include <algorithm>
#include <cmath>
#include <istream>
#include <optional>
#include <span>
#include <string>
#include <variant>

#include "platform/units.h"
#include "util/advised_amount.h"
#include "util/fatal.h"
#include "util/flowing_lines.h"
#include "util/fortran_format.h"

namespace qv {

bool PlacedRead::nextLine(std::string& out) {
  if (!readRecord(unit_, out)) return false;
  ++lines_;
  constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
  if (lines_ == 1 && out.starts_with(kByteOrderMark)) out.erase(0, kByteOrderMark.size());
  return true;
}

ListStatus PlacedRead::read(std::initializer_list<ListTarget> targets) {
  firstLine_ = 0;
  const RecordSource counted = [this](std::string& out) {
    if (!nextLine(out)) return false;
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

// The values of a line, each as it stands (an empty one as an empty text, "r*v" as its copies), and
// how the read of them ended. Every value ends at a separator or at the line's end: a variable for
// each is room enough, copies of a repeated value beyond them left in `progress.copiesLeft`.
std::vector<std::string> valuesOf(const std::string& line, ListProgress& progress) {
  const auto separator = [](char c) { return c == ' ' || c == '\t' || c == ',' || c == '/'; };
  std::vector<std::string> words(1 + static_cast<std::size_t>(std::count_if(line.begin(), line.end(), separator)));
  std::vector<ListTarget> targets(words.size());
  for (std::size_t k = 0; k < words.size(); ++k) targets[k] = &words[k];
  listRead(line, std::span<const ListTarget>(targets), &progress);
  words.resize(static_cast<std::size_t>(progress.handled));
  return words;
}
long valueCount(const std::string& line) {
  ListProgress progress;
  return static_cast<long>(valuesOf(line, progress).size()) + progress.copiesLeft;
}

// The numbers with which `text` begins, empty values passed over, up to its first word that is no
// number (a note) or its "/".
long numbersIn(const std::string& text) {
  ListProgress progress;
  long numbers = 0;
  for (const std::string& word : valuesOf(text, progress)) {
    float value = 0.0f;
    if (word.empty()) continue;
    if (!parseFortranReal(word, value)) return numbers;
    ++numbers;
  }
  return numbers + progress.copiesLeft;
}

// The place of `text` among the values of `line`, from 1 (0 when it is not there as a value).
int columnOf(const std::string& line, const std::string& text) {
  ListProgress progress;
  const std::vector<std::string> words = valuesOf(line, progress);
  for (std::size_t k = 0; k < words.size(); ++k) {
    if (words[k] == text || words[k].ends_with("*" + text)) return static_cast<int>(k) + 1;
  }
  return 0;
}

std::string counted(long n, std::string_view one) {
  return std::to_string(n) + " " + std::string(one) + (n == 1 ? "" : "s");
}

// A word of the user's as a message quotes it: its first few dozen columns, the cut marked with
// "..." and the word's length; a control character (a bell, a backspace) as its caret code ("^G"),
// which the console shows instead of obeying, and a byte beyond plain text as its hex code ("<EF>"),
// so that what the console would not show, a byte-order mark before a number, is seen.
std::string quotedWord(const std::string& word) {
  constexpr std::size_t kShown = 32;  // columns of the word's bytes as shown
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string shown;
  std::size_t cut = 0;
  for (; cut < word.size(); ++cut) {
    const unsigned char c = static_cast<unsigned char>(word[cut]);
    std::string_view code(&word[cut], 1);
    const char caret[] = {'^', static_cast<char>(c ^ 0x40)};
    const char hex[] = {'<', kHex[c >> 4], kHex[c & 0xF], '>'};
    if (c < 0x20 || c == 0x7F) code = std::string_view(caret, sizeof caret);
    if (c >= 0x80) code = std::string_view(hex, sizeof hex);
    if (shown.size() + code.size() > kShown) break;
    shown += code;
  }
  if (cut == word.size()) return "\"" + shown + "\"";
  return "\"" + shown + "...\" (" + std::to_string(word.size()) + " characters)";
}

// What a value that does not fit its variable is: the variable of a count takes no fraction.
std::string notFitting(const std::string& text, const ListTarget& target) {
  float value = 0.0f;
  const bool count = std::holds_alternative<std::int32_t*>(target);
  return count && parseFortranReal(text, value) ? "which is no whole number" : "which is no number";
}

// The stop of a user file: `unit` (the file's) is closed, then an empty line, " ++> " and `first`,
// "     the analysis needs " and `need`, each flowing within a console's width, an empty line, the
// pause and the stop with status 1.
[[noreturn]] void stopOnFile(const UserFileStop& stop, const std::string& first, const std::string& need) {
  closeUnit(stop.unit);
  std::vector<std::string> lines = {""};
  for (std::string& line : userFileMessage({first, "the analysis needs " + need + "."})) lines.push_back(std::move(line));
  lines.push_back("");
  fatalStop(stop.routine, stop.messageUnit, std::span<const std::string>(lines), FatalWait::kPressReturn,
            stop.inUnit);
}

std::string fileText(std::string_view file) { return "User file \"" + std::string(file) + "\""; }

}  // namespace

void PlacedRead::readRow(std::initializer_list<ListTarget> targets, const UserFileStop& stop, std::string_view due) {
  const ListStatus status = read(targets);
  const bool ownLine = layout_ == RowLayout::kOneLine;
  const bool split = firstLine_ != 0 && lastLine_ != firstLine_;
  std::string what;
  if (status == ListStatus::kDone && !(ownLine && split)) {
    // The numbers its last line holds beyond the row: none, or the row is not what the file meant.
    const long beyond = numbersIn(progress_.rest) + progress_.copiesLeft;
    if (beyond == 0) return;
    if (!split) {
      // A comma between two digits may be a decimal comma.
      const auto digit = [](char c) { return c >= '0' && c <= '9'; };
      bool comma = false;
      for (std::size_t k = 1; k + 1 < lastRecord_.size(); ++k) {
        comma = comma || (lastRecord_[k] == ',' && digit(lastRecord_[k - 1]) && digit(lastRecord_[k + 1]));
      }
      what = "line " + std::to_string(lastLine_) + " holds " + counted(progress_.handled + beyond, "value") +
             " where its row has " + std::to_string(targets.size()) +
             (comma ? " (a comma separates values: write 0.90, not 0,90)" : "");
    } else {
      what = "line " + std::to_string(firstLine_) + " holds " + counted(valueCount(firstRecord_), "value") +
             ", and the row begun there ends within line " + std::to_string(lastLine_) + ", before " +
             counted(beyond, "more value") + " there";
    }
  } else if (ownLine && firstLine_ != 0 && (split || status == ListStatus::kEnded)) {
    // The row's own line is short of values: the read went on to the next line, or to the end.
    what = "line " + std::to_string(firstLine_) + " holds " + counted(valueCount(firstRecord_), "value");
  } else if (status == ListStatus::kEnded && firstLine_ == 0) {
    what = lines_ == 0 ? "the file is empty" : "the file ends after line " + std::to_string(lines_);
  } else if (status == ListStatus::kEnded) {
    what = "the file ends at line " + std::to_string(lastLine_) + " within a row begun at line " +
           std::to_string(firstLine_) + ", after " + counted(progress_.handled, "value");
  } else {
    const int column = columnOf(lastRecord_, progress_.badText);
    what = "line " + std::to_string(lastLine_) + (column > 0 ? ", column " + std::to_string(column) : "") +
           " holds " + quotedWord(progress_.badText) + ", " +
           notFitting(progress_.badText, targets.begin()[progress_.handled]);
  }
  stopOnFile(stop, fileText(stop.file) + ": " + what + ";", std::string(due));
}

void PlacedRead::requireNoMoreRows(const UserFileStop& stop, int countLine, std::string_view counted) {
  std::string record;
  while (nextLine(record)) {
    if (record.find_first_not_of(" \t") == std::string::npos) continue;
    if (numbersIn(record) == 0) return;  // a note begins: the rest of the file belongs to it
    stopOnFile(stop,
               fileText(stop.file) + ": line " + std::to_string(lines_) + " holds a row after " +
                   std::string(counted) + " that line " + std::to_string(countLine) + " counts;",
               "line " + std::to_string(countLine) +
                   " to count every row, or the rows after them removed (a note after the last row begins with a "
                   "word that is no number)");
  }
  // Reading up to the end is no failure of the file: its close must not take it for one.
  if (std::istream* is = unitIn(unit_); is != nullptr && !is->bad()) is->clear();
}

std::string PlacedRead::place(int index) const {
  if (firstLine_ == lastLine_) return "line " + std::to_string(firstLine_) + ", column " + std::to_string(index);
  return "lines " + std::to_string(firstLine_) + " to " + std::to_string(lastLine_) + ", value " +
         std::to_string(index) + " of the row";
}

void ColumnOrder::require(const PlacedRead& in, const UserFileStop& stop, int index, float value, float kept) {
  if (const auto refused = order_.take(value, kept, "on line " + std::to_string(in.rowLine()))) {
    stopOnFile(stop, fileText(stop.file) + ", " + in.place(index) + " " + refused->found + ";", refused->need);
  }
}

void requireUserFileValue(const PlacedRead& in, const UserFileStop& stop, int index, std::string_view what,
                          float value, float lowest, float highest, std::string_view why) {
  const auto within = [lowest, highest](float v) { return std::isfinite(v) && v >= lowest && v <= highest; };
  if (within(value)) return;
  // A figure as the file would hold it, written as the message prints it.
  const AmountWorks readWithin = [&within](double shown) {
    float read = 0.0f;
    return listRead(amountText(shown), {&read}) == ListStatus::kDone && within(read);
  };
  const std::optional<double> low = advisedLeast(lowest, readWithin);
  const std::optional<double> high = advisedMost(highest, readWithin);
  const std::optional<double>& beyond = value < lowest ? low : high;
  stopOnFile(stop,
             fileText(stop.file) + ", " + in.place(index) + " (" + std::string(what) + ") is " +
                 (beyond ? shownBeside(value, *beyond) : messageValue(value)) + ";",
             "a value from " + (low ? amountText(*low) : messageValue(lowest)) + " to " +
                 (high ? amountText(*high) : messageValue(highest)) + " (" + std::string(why) + ")");
}

std::vector<std::string> userFileMessage(std::initializer_list<std::string> sentences) {
  std::vector<std::string> lines;
  for (const std::string& sentence : sentences) {
    for (std::string& line : flowingLines(lines.empty() ? " ++> " : "     ", sentence, kConsoleWidth)) {
      lines.push_back(std::move(line));
    }
  }
  return lines;
}

void stopHeadingOutsideTable(const HeadingOutsideTable& c) {
  std::vector<std::string> lines = {""};
  for (std::string& line : userFileMessage({fileText(c.file) + ": its headings run from " + messageValue(c.lowestDeg) +
                                                " to " + messageValue(c.highestDeg) + " deg, less than a whole turn;",
                                            "the analysis needs " + messageValue(c.headingDeg) + " deg there (" +
                                                std::string(c.what) + "), and a table is not extrapolated.",
                                            "Give the table a whole turn of headings, 0 to 360."})) {
    lines.push_back(std::move(line));
  }
  lines.push_back("");
  fatalStop(c.routine, c.unit, std::span<const std::string>(lines), FatalWait::kPressReturn, c.inUnit);
}

std::vector<std::string> frequencyOutsideTableLines(const FrequencyOutsideTable& c) {
  std::vector<std::string> lines = {"", " ++> Warning: Frequency outside user-supplied " + std::string(c.table) +
                                            " range:"};
  std::string text = "\"" + std::string(c.file) + "\" holds " + messageValue(c.lowest) + " to " +
                     messageValue(c.highest) + " rad/s; the run needs " + messageValue(c.frequency) + " rad/s here";
  if (c.gridPoints >= 1) {
    text += ", and " + messageValue(c.gridLowest) + " to " + messageValue(c.gridHighest) +
            " rad/s over its wave periods (page 14, item 2)";
  }
  text += ". Extend the table over the run's frequencies, or choose wave periods within its range;";
  for (std::string& line : flowingLines("     ", text, kConsoleWidth)) lines.push_back(std::move(line));
  lines.push_back("     \"continue\" to extrapolate outside available range.");
  return lines;
}

}  // namespace qv
