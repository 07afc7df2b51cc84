// A user's file that cannot be read is named by its line and what the row there must hold.
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

// Reads a count and then that many rows of four values, as the coefficient files are laid out;
// returns the screen (empty when every row was read).
std::string readTable(const std::string& text, RowLayout layout) {
  connectText(text);
  ConsoleCapture console("\n");
  PlacedRead in(kUnit, layout);
  const UserFileStop stop{"USRWND", kUnit, 6, 5, "TABLE.txt"};
  std::int32_t n = 0;
  float row[4];
  const int status = stopStatus([&] {
    in.readRow({&n}, stop, "the count of rows there");
    for (int i = 1; i <= n; ++i) {
      in.readRow({&row[0], &row[1], &row[2], &row[3]}, stop,
                 "row " + std::to_string(i) + " there: 4 values (heading, CX, CY, CMZ)");
    }
  });
  if (status == -1) return "";
  EXPECT_EQ(status, 1);
  return console.screen();
}

TEST_F(UserFileValues, AnUnreadableRowIsNamedByItsLineAndWhatItHolds) {
  struct Case {
    const char* text;
    RowLayout layout;
    const char* message;  // the stop's first line, after " ++> User file "TABLE.txt": "
  };
  const Case cases[] = {
      {"2\n0 1 2 3\n180 4 5 6\n", RowLayout::kOneLine, ""},
      // A short line takes the next line's first value in a free read; a row of its own is refused
      // at the short line, where the fault is, not at the end of the file it shifts.
      {"3\n0 1 2 3\n90 4 5\n180 7 8 9\n", RowLayout::kOneLine, "line 3 holds 3 values;"},
      {"3\n0 1 2 3\n90 4 5\n180 7 8 9\n", RowLayout::kFree,
       "the file ends after line 4;"},  // each row starts on a line of its own: "7 8 9" is passed over
      {"2\n0 1 2 3\n180 4\n5\n", RowLayout::kFree, "the file ends at line 4 within a row begun at line 3, after 3 values;"},
      {"2\n0 1 2 3\n180 4 5\n", RowLayout::kOneLine, "line 3 holds 3 values;"},
      {"2\n0 1 2 3\n", RowLayout::kOneLine, "the file ends after line 2;"},
      {"2\n0 1 2 3\n\n\n", RowLayout::kOneLine, "the file ends after line 4;"},
      {"", RowLayout::kOneLine, "the file is empty;"},
      {"2\n0 1 2 3\n180 4 x 6\n", RowLayout::kOneLine, "line 3, column 3 holds \"x\", which is no number;"},
      {"2\n0 1 2 3\n180 2*4 1.2.3 6\n", RowLayout::kFree, "line 3, column 4 holds \"1.2.3\", which is no number;"},
      // Blank lines between rows belong to no row.
      {"2\n\n0 1 2 3\n\n180 4 5 6\n", RowLayout::kOneLine, ""},
      // Values beyond a row's are passed over, as a list-directed read does.
      {"2\n0 1 2 3 99\n180 4 5 6\n", RowLayout::kOneLine, ""},
      {"2\n0 1 2\n3\n180 4 5 6\n", RowLayout::kFree, ""},
  };
  for (const Case& c : cases) {
    const std::string screen = readTable(c.text, c.layout);
    if (std::string(c.message).empty()) {
      EXPECT_EQ(screen, "") << c.text;
      continue;
    }
    EXPECT_NE(screen.find(" ++> User file \"TABLE.txt\": " + std::string(c.message) + "\n"), std::string::npos)
        << c.text << "\n" << screen;
  }
}

TEST_F(UserFileValues, TheStopSaysWhatTheRowThereHolds) {
  const std::string screen = readTable("2\n0 1 2 3\n180 4 5\n", RowLayout::kOneLine);
  EXPECT_NE(screen.find("     the analysis needs row 2 there: 4 values (heading, CX, CY, CMZ).\n"), std::string::npos)
      << screen;
}

}  // namespace
}  // namespace qv
