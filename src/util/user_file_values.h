// The values of a user's text file with their places: each list-directed READ starts at the next
// record, and the lines it took are kept, so a value outside what it is can be named by its file,
// line and column (its place among the values of the line), and refused with what is allowed.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "util/column_order.h"
#include "util/list_read.h"

namespace qv {

// Who stops when a user's file cannot be read: the routine that reads it, the file's unit (closed by
// the stop), the units of the messages and of the keyboard (for the pause), and the file's name as
// the user wrote it (trailing blanks of its field dropped).
struct UserFileStop {
  std::string_view routine;
  int unit;
  std::int32_t messageUnit;
  std::int32_t inUnit;
  std::string_view file;
};

// How the rows of a file lie on its lines: each row on a line of its own (the coefficient tables,
// the spectra, the profile), or running on over as many lines as its values need (the vessel's
// response operators).
enum class RowLayout { kOneLine, kFree };

// Reads a file connected to `unit`, counting its lines from 1. A byte-order mark before the first line
// (EF BB BF, with which spreadsheets and Windows editors begin a file saved as "UTF-8") is read past,
// so that the file reads as it would without it; every reader of a user's file reads through here.
class PlacedRead {
 public:
  explicit PlacedRead(int unit, RowLayout layout = RowLayout::kFree) : unit_(unit), layout_(layout) {}

  // One list-directed READ, starting at the next record: the rules and results of listReadUnit.
  ListStatus read(std::initializer_list<ListTarget> targets);

  // One READ that must give every variable its value and end at the end of a line. One that the
  // file ends within, that meets a value that is no number, that (RowLayout::kOneLine) needs more
  // values than its line holds, or that leaves numbers unread on its last line (more numbers on a
  // line than its row has: a decimal comma, a missing value shifting the next row into this one)
  // stops the run: the file, the line and what is wrong there, then "the analysis needs " and
  // `due`, what the row is and holds ("row 3 of 12 there: 4 values (heading, CX, CY, CMZ)"). Text
  // after a row's values that is no number is a note, passed over.
  void readRow(std::initializer_list<ListTarget> targets, const UserFileStop& stop, std::string_view due);

  // After the last row the count asks for: the lines left may be blank, or begin a note with a word
  // that is no number; a line whose first value is a number is a row the count leaves out, which
  // stops the run naming that line, the count's line `countLine` and what it counts (`counted`,
  // "the 37 rows"). The unit is left open.
  void requireNoMoreRows(const UserFileStop& stop, int countLine, std::string_view counted);

  // Where value `index` (from 1) of the last READ stood: "line 81, column 4" when the READ took one
  // line (the value's place among the values of that line); "lines 81 to 82, value 7 of the row"
  // when it went on to later lines.
  std::string place(int index) const;

  // The line on which the last READ found its first value (0: none).
  int rowLine() const { return firstLine_; }

 private:
  // The next line of the file into `out`, counted; false at the end of the file.
  bool nextLine(std::string& out);

  int unit_;
  RowLayout layout_;
  int lines_ = 0;      // the lines read so far
  int firstLine_ = 0;  // the lines of the last READ, from its first line with a value (0: none)
  int lastLine_ = 0;
  std::string firstRecord_;  // the first line of the last READ with a value
  std::string lastRecord_;   // the last line read
  ListProgress progress_;   // how far the last READ came
};

// One column of a user's table, its order (util/column_order.h) judged as its rows are read: a
// value out of order is refused naming its line and column and the value before it with that
// value's line.
class ColumnOrder {
 public:
  // `noun` and `plural` name the column's values: "heading", "headings".
  ColumnOrder(std::string_view noun, std::string_view plural, bool rising = false) : order_(noun, plural, rising) {}

  // Value `index` of the row `in` has just read: `value` as the file gives it, `kept` as the table
  // keeps it (a heading in radians), which the order is judged on.
  void require(const PlacedRead& in, const UserFileStop& stop, int index, float value, float kept);
  void require(const PlacedRead& in, const UserFileStop& stop, int index, float value) {
    require(in, stop, index, value, value);
  }

  // A new block of the column (the frequencies of the next heading) starts afresh.
  void restart() { order_.restart(); }

 private:
  StrictOrder order_;
};

// The lines of a message of a user file's reader: the first sentence after " ++> ", each next one on
// lines of its own after five blanks, each flowing within a console's width (80 columns).
std::vector<std::string> userFileMessage(std::initializer_list<std::string> sentences);

// Value `index` of the row `in` has just read, `value`, held to what it is: nothing when it is a
// number from `lowest` to `highest`. Else the file's unit is closed, then on the stop's message unit
// an empty line, " ++> User file "<file>", <place> (<what>) is <value>;", "     the analysis needs a
// value from <lowest> to <highest> (<why>).", each flowing over lines within a console's width, an
// empty line, the pause, and the stop with status 1. Each end is named through the one home of
// advised amounts (util/advised_amount.h): rounded toward the range, the figure nearest it that,
// written in the file as printed and read as the run reads the file (the list-directed reader, into
// a 4-byte float), lies within the range (where none does, a range with no figure in it, the end as
// messageValue writes it). The value is shown with the decimals that tell it from the end beyond
// which it lies (shownBeside).
void requireUserFileValue(const PlacedRead& in, const UserFileStop& stop, int index, std::string_view what,
                          float value, float lowest, float highest, std::string_view why);

// What a stop for a heading outside a table names.
struct HeadingOutsideTable {
  std::string_view routine;  // the reader that stops
  std::int32_t unit;         // of the message
  std::int32_t inUnit;       // of the pause's reply
  std::string_view file;     // the file's name, without the blanks of its field
  float headingDeg;          // the heading the run needs, in the file's convention [deg]
  std::string_view what;     // what that heading is ("the current from 135.00 deg off the bow")
  float lowestDeg;           // the table's lowest heading [deg]
  float highestDeg;          // its highest heading [deg]
};

// The stop for a heading no whole turn brings within the table: the file, the heading it needs and
// what it is, the headings the table holds, and what to change, within a console's width; a pause,
// then status 1.
[[noreturn]] void stopHeadingOutsideTable(const HeadingOutsideTable& c);

// What the warning for a frequency outside a user's table names.
struct FrequencyOutsideTable {
  std::string_view table;  // what the table holds: "drift coefficient", "RAO"
  std::string_view file;   // the file's name, without the blanks of its field
  float lowest;            // the table's lowest frequency [rad/s]
  float highest;           // its highest [rad/s]
  int gridPoints;          // the run's grid frequencies (0: none known)
  float gridLowest;        // the grid's lowest frequency [rad/s]
  float gridHighest;       // its highest [rad/s]
  float frequency;         // the frequency in hand [rad/s]
};

// The lines of that warning, within a console's width: the file, the frequencies it holds, the one in
// hand and those of the run's wave periods (page 14, item 2), what to change, and the offer to
// extrapolate ("continue"), which the caller's question follows.
std::vector<std::string> frequencyOutsideTableLines(const FrequencyOutsideTable& c);

}  // namespace qv
