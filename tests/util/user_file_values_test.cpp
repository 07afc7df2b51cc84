// A user's file that cannot be read is named by its line and what the row there must hold; a line
// holding more numbers than its row, a row after those the count gives and a value out of its
// column's order are named alike, each message within a console's width; a byte-order mark before the
// first line is read past.
#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>

#include "platform/stop.h"
#include "platform/units.h"
#include "support/console_capture.h"
#include "support/fresh_run.h"
#include "util/user_file_values.h"

namespace qv {
namespace {

using testing_support::ConsoleCapture;
using testing_support::stopStatus;

class UserFileValues : public testing_support::FreshRun {};

constexpr int kUnit = 31;

void connectText(const std::string& text) {
  connectUnit(kUnit, std::make_unique<std::stringstream>(text), "TABLE.txt");
}

// The message of a screen as one text: each line that goes on a message (five blanks) joined to the
// line before it. Every line of the screen stays within 80 columns.
std::string flowed(const std::string& screen) {
  std::string text;
  std::istringstream lines(screen);
  for (std::string line; std::getline(lines, line);) {
    EXPECT_LE(line.size(), 80u) << line;
    if (line.starts_with("     ") && !text.empty() && text.back() == '\n') {
      text.back() = ' ';
      line.erase(0, 5);
    }
    text += line + "\n";
  }
  return text;
}

// Reads a count and then that many rows of four values, as the coefficient files are laid out, the
// first value of each a heading in one order, and then the end of the table; returns the screen as
// flowed() gives it (empty when the table was read).
std::string readTable(const std::string& text, RowLayout layout) {
  connectText(text);
  ConsoleCapture console("\n");
  PlacedRead in(kUnit, layout);
  const UserFileStop stop{"USRWND", kUnit, 6, 5, "TABLE.txt"};
  std::int32_t n = 0;
  float row[4];
  ColumnOrder headings("heading", "headings");
  const int status = stopStatus([&] {
    in.readRow({&n}, stop, "the count of rows there");
    const int countLine = in.rowLine();
    for (int i = 1; i <= n; ++i) {
      in.readRow({&row[0], &row[1], &row[2], &row[3]}, stop,
                 "row " + std::to_string(i) + " there: 4 values (heading, CX, CY, CMZ)");
      headings.require(in, stop, 1, row[0]);
    }
    in.requireNoMoreRows(stop, countLine, "the " + std::to_string(n) + " rows");
  });
  if (status == -1) return "";
  EXPECT_EQ(status, 1);
  return flowed(console.screen());
}

// Reads `text` as readTable does: read whole when `message` is empty, else stopped with the message
// that begins " ++> User file "TABLE.txt"" and `message`.
void expectRead(const std::string& text, RowLayout layout, const std::string& message) {
  const std::string screen = readTable(text, layout);
  if (message.empty()) {
    EXPECT_EQ(screen, "") << text;
    return;
  }
  EXPECT_NE(screen.find("\n ++> User file \"TABLE.txt\"" + message), std::string::npos) << text << "\n" << screen;
}

TEST_F(UserFileValues, AnUnreadableRowIsNamedByItsLineAndWhatItHolds) {
  const std::string longWord(2000, 'a');
  std::string wholeTable;
  for (int k = 0; k < 100; ++k) wholeTable += std::to_string(k) + " 1 2 3 ";
  struct Case {
    std::string text;
    RowLayout layout;
    const char* message;  // the stop's first sentence, after " ++> User file "TABLE.txt""
  };
  const Case cases[] = {
      {"2\n0 1 2 3\n180 4 5 6\n", RowLayout::kOneLine, ""},
      // A short line takes the next line's first value in a free read; a row of its own is refused
      // at the short line, where the fault is, not at the end of the file it shifts.
      {"3\n0 1 2 3\n90 4 5\n180 7 8 9\n", RowLayout::kOneLine, ": line 3 holds 3 values;"},
      // A free row may run over lines, but ends at the end of one: a row that leaves numbers of its
      // last line unread is short of values on a line before.
      {"3\n0 1 2 3\n90 4 5\n180 7 8 9\n", RowLayout::kFree,
       ": line 3 holds 3 values, and the row begun there ends within line 4, before 3 more values there;"},
      {"2\n0 1 2\n3 99\n180 4 5 6\n", RowLayout::kFree,
       ": line 2 holds 3 values, and the row begun there ends within line 3, before 1 more value there;"},
      {"2\n0 1 2 3\n180 4\n5\n", RowLayout::kFree,
       ": the file ends at line 4 within a row begun at line 3, after 3 values;"},
      {"2\n0 1 2 3\n180 4 5\n", RowLayout::kOneLine, ": line 3 holds 3 values;"},
      {"2\n0 1 2 3\n", RowLayout::kOneLine, ": the file ends after line 2;"},
      {"2\n0 1 2 3\n\n\n", RowLayout::kOneLine, ": the file ends after line 4;"},
      {"", RowLayout::kOneLine, ": the file is empty;"},
      {"2\n0 1 2 3\n180 4 x 6\n", RowLayout::kOneLine, ": line 3, column 3 holds \"x\", which is no number;"},
      {"2\n0 1 2 3\n180 2*4 1.2.3 6\n", RowLayout::kFree, ": line 3, column 4 holds \"1.2.3\", which is no number;"},
      // A count takes no fraction; the word is a number all the same.
      {"2.5\n0 1 2 3\n180 4 5 6\n", RowLayout::kOneLine, ": line 1, column 1 holds \"2.5\", which is no whole number;"},
      // A word is quoted cut to its first 32 characters, its control characters as their codes.
      {"2\n0 1 " + longWord + " 3\n180 4 5 6\n", RowLayout::kOneLine,
       ": line 2, column 3 holds \"aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa...\" (2000 characters), which is no number;"},
      {"2\n0 1 a\a\bb 3\n180 4 5 6\n", RowLayout::kOneLine, ": line 2, column 3 holds \"a^G^Hb\", which is no number;"},
      // A byte-order mark before the first line (as spreadsheets and Windows editors save "UTF-8")
      // is read past, and the lines keep their numbers; anywhere else its bytes are a word's, shown
      // as their codes, which the console would not show.
      {"\xEF\xBB\xBF"
       "2\n0 1 2 3\n180 4 5 6\n",
       RowLayout::kOneLine, ""},
      {"\xEF\xBB\xBF"
       "2\r\n0 1 2 3\r\n180 4 5 6\r\n",
       RowLayout::kOneLine, ""},
      {"\xEF\xBB\xBF"
       "2\n0 1 2 3\n180 4 x 6\n",
       RowLayout::kOneLine, ": line 3, column 3 holds \"x\", which is no number;"},
      {"\xEF\xBB\xBF"
       "\xEF\xBB\xBF"
       "2\n0 1 2 3\n180 4 5 6\n",
       RowLayout::kOneLine, ": line 1, column 1 holds \"<EF><BB><BF>2\", which is no number;"},
      {"2\n\xEF\xBB\xBF"
       "0 1 2 3\n180 4 5 6\n",
       RowLayout::kOneLine, ": line 2, column 1 holds \"<EF><BB><BF>0\", which is no number;"},
      {"2\n0 1 " + std::string(100, '\xE9') + " 3\n180 4 5 6\n", RowLayout::kOneLine,
       ": line 2, column 3 holds \"<E9><E9><E9><E9><E9><E9><E9><E9>...\" (100 characters), which is no number;"},
      // Blank lines between rows belong to no row.
      {"2\n\n0 1 2 3\n\n180 4 5 6\n", RowLayout::kOneLine, ""},
      // A number beyond a row's on its line: a decimal comma makes two numbers of one, a fifth
      // column a value the row would drop.
      {"2\n0,0 0,90 0,00 0,00\n180 4 5 6\n", RowLayout::kOneLine,
       ": line 2 holds 8 values where its row has 4 (a comma separates values: write 0.90, not 0,90);"},
      {"2\n0 1 2 3 99\n180 4 5 6\n", RowLayout::kOneLine, ": line 2 holds 5 values where its row has 4;"},
      {"2\n0, 1, 2, 3, 99\n180 4 5 6\n", RowLayout::kOneLine, ": line 2 holds 5 values where its row has 4;"},
      {"2\n0 1 2 3\n180 4*5\n", RowLayout::kOneLine, ": line 3 holds 5 values where its row has 4;"},
      {"2 37\n0 1 2 3\n180 4 5 6\n", RowLayout::kOneLine, ": line 1 holds 2 values where its row has 1;"},
      // A whole table on one line, its numbers counted however many.
      {"2\n" + wholeTable + "\n", RowLayout::kOneLine, ": line 2 holds 400 values where its row has 4;"},
      // What follows a row and is no number is a note; a "/" ends the row, and a comma after its
      // last value is only a separator.
      {"2 rows\n0 1 2 3 from ahead, 7\n180, 4, 5, 6, \n", RowLayout::kOneLine, ""},
      {"2\n0 1 2 3 / 7\n180 4 5 6\n", RowLayout::kOneLine, ""},
      {"2\n0 1 2\n3\n180 4 5 6\n", RowLayout::kFree, ""},
      // After the rows the count gives: blank lines, and a note up to the file's end, whatever it
      // holds; a row the count leaves out is named with the count.
      {"2\n0 1 2 3\n180 4 5 6\n\n\n", RowLayout::kOneLine, ""},
      {"2\n0 1 2 3\n180 4 5 6\nmodel tests of 1998\n360 4 5 6\n", RowLayout::kOneLine, ""},
      {"2\n0 1 2 3\n180 4 5 6\n\n360 7 8 9\n", RowLayout::kOneLine,
       ": line 5 holds a row after the 2 rows that line 1 counts;"},
      {"2\n0 1 2\n3\n180 4 5 6\n,360 7 8 9\n", RowLayout::kFree, ": line 5 holds a row after the 2 rows that line 1 counts;"},
  };
  for (const Case& c : cases) {
    expectRead(c.text, c.layout, std::string(c.message) + (*c.message != '\0' ? " the analysis needs " : ""));
  }
}

TEST_F(UserFileValues, TheStopSaysWhatTheRowThereHoldsOrTheCountMustDo) {
  EXPECT_NE(readTable("2\n0 1 2 3\n180 4 5\n", RowLayout::kOneLine)
                .find("; the analysis needs row 2 there: 4 values (heading, CX, CY, CMZ).\n"),
            std::string::npos);
  EXPECT_NE(readTable("2\n0 1 2 3\n180 4 5 6\n360 7 8 9\n", RowLayout::kOneLine)
                .find("; the analysis needs line 1 to count every row, or the rows after them removed (a note "
                      "after the last row begins with a word that is no number).\n"),
            std::string::npos);
}

// A value out of its column's order names its line and column and the value before it with its line;
// the first two values set the way the column runs.
TEST_F(UserFileValues, AValueOutOfItsColumnsOrderNamesTheValueBeforeIt) {
  struct Case {
    const char* text;
    const char* message;  // after " ++> User file "TABLE.txt", "; empty: the table is read
  };
  const Case cases[] = {
      {"3\n0 1 1 1\n90 1 1 1\n180 1 1 1\n", ""},
      {"3\n180 1 1 1\n90 1 1 1\n0 1 1 1\n", ""},
      {"3\n0 1 1 1\n0 1 1 1\n180 1 1 1\n",
       "line 3, column 1 (a heading) is 0.00; the analysis needs a value other than 0.00, the heading on line 2 "
       "(the headings strictly monotonic, rising or falling)."},
      {"4\n0 1 1 1\n90 1 1 1\n180 1 1 1\n170 1 1 1\n",
       "line 5, column 1 (a heading) is 170.00; the analysis needs a value above 180.00, the heading on line 4 "
       "(the headings rising strictly, as their first two do)."},
      {"3\n\n180 1 1 1\n\n90 1 1 1\n\n120 1 1 1\n",
       "line 7, column 1 (a heading) is 120.00; the analysis needs a value below 90.00, the heading on line 5 "
       "(the headings falling strictly, as their first two do)."},
      // Values that two decimals show alike are shown as the file gives them.
      {"3\n0.1 1 1 1\n0.104 1 1 1\n0.101 1 1 1\n",
       "line 4, column 1 (a heading) is 0.101; the analysis needs a value above 0.104, the heading on line 3 "
       "(the headings rising strictly, as their first two do)."},
  };
  for (const Case& c : cases) {
    expectRead(c.text, RowLayout::kOneLine, *c.message != '\0' ? ", " + std::string(c.message) + "\n" : "");
  }
}

// A rising column (the depths of a profile) is refused at its first step down as at a repeat.
TEST_F(UserFileValues, ARisingColumnTakesNoStepDown) {
  connectText("9\n5\n");
  ConsoleCapture console("\n");
  PlacedRead in(kUnit, RowLayout::kOneLine);
  const UserFileStop stop{"CURPROF_INIT", kUnit, 6, 5, "CRNTPROF.txt"};
  ColumnOrder depths("depth", "depths", true);
  float depth = 0.0f;
  EXPECT_EQ(stopStatus([&] {
              for (int i = 0; i < 2; ++i) {
                in.readRow({&depth}, stop, "a depth");
                depths.require(in, stop, 1, depth);
              }
            }),
            1);
  EXPECT_NE(flowed(console.screen())
                .find(" ++> User file \"CRNTPROF.txt\", line 2, column 1 (a depth) is 5.00; the analysis needs a "
                      "value above 9.00, the depth on line 1 (the depths increase strictly).\n"),
            std::string::npos)
      << console.screen();
}

}  // namespace
}  // namespace qv
