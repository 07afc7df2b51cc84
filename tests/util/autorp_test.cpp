// The table editor of a column of reals, driven with typed replies: its screen, its row entry and
// its whole-column operations.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/stop.h"
#include "platform/units.h"
#include "util/autorp.h"
#include "support/console_capture.h"

namespace qv {
namespace {

using testing_support::ConsoleCapture;

constexpr const char* kSelectionPrompt = " \n Enter number of selection (\"H\" for help): ";

// Runs the editor on a copy of `column` with the typed script; the script's last line should leave
// the editor (an empty reply).
std::vector<float> edit(std::vector<float> column, std::int32_t rows, std::int32_t fill, const std::string& typed,
                        std::string* screen = nullptr) {
  ConsoleCapture console(typed);
  std::int32_t listing = 0;
  AUTORP("Title", column, rows, fill, kScreenUnit, kKeyboardUnit, listing);
  if (screen != nullptr) *screen = console.screen();
  EXPECT_EQ(console.unread(), "") << "the script was read to its end: " << typed;
  return column;
}

std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> out;
  std::size_t from = 0;
  for (std::size_t nl; (nl = text.find('\n', from)) != std::string::npos; from = nl + 1) {
    out.push_back(text.substr(from, nl - from));
  }
  out.push_back(text.substr(from));
  return out;
}

TEST(Autorp, ScreenOfAShortTable) {
  std::string screen;
  edit({1.0f, -2.5f, 1234.567f}, 3, 3, "\n", &screen);
  const std::string expected = std::string("\f") +
                               " Title\n"
                               "\n"
                               "   1)      1.00\n"
                               "   2)     -2.50\n"
                               "   3)   1234.57\n"
                               "\n"
                               "   4) Auto repeat\n"
                               "\n"
                               "   5) Delete a row & collapse array\n"
                               "   6) Insert a null row & expand array\n"
                               "   7) Add a constant value to each array element\n"
                               "   8) Add a constant value to each array element (modulo 360)\n" +
                               kSelectionPrompt;
  EXPECT_EQ(screen, expected);
}

TEST(Autorp, ColumnsOfForty) {
  struct Case {
    std::int32_t rows;
    std::vector<int> entriesPerLine;  // lines 1, 2, 40 of the table
  };
  const Case cases[] = {
      {40, {1, 1, 1}},
      {41, {2, 1, 1}},
      {81, {3, 2, 2}},
      {160, {4, 4, 4}},
  };
  for (const Case& c : cases) {
    std::vector<float> column(static_cast<std::size_t>(c.rows), 0.0f);
    std::string screen;
    edit(column, c.rows, c.rows, "\n", &screen);
    const std::vector<std::string> shown = lines(screen);
    // Line 0 is the cleared screen and the title, line 1 empty, the table from line 2.
    const int tableLines[] = {2, 3, 41};
    for (std::size_t k = 0; k < 3; ++k) {
      const std::string& line = shown[static_cast<std::size_t>(tableLines[k])];
      EXPECT_EQ(static_cast<int>(line.size()), 15 + 20 * (c.entriesPerLine[k] - 1)) << c.rows << ": " << line;
    }
    EXPECT_EQ(shown[42], "") << c.rows << ": after 40 lines the operations";
  }
}

TEST(Autorp, TwoColumnLineLayout) {
  std::vector<float> column(45, 0.0f);
  column[4] = 12.5f;
  std::string screen;
  edit(column, 45, 45, "\n", &screen);
  // One blank, row 5 in 3 columns, ")", 12.50 in 10; six blanks, row 45, ")", 0.00 in 10.
  EXPECT_EQ(lines(screen)[6], "   5)     12.50       45)      0.00");
}

TEST(Autorp, Operations) {
  struct Case {
    const char* what;
    std::vector<float> column;
    std::int32_t rows, fill;
    std::string typed;
    std::vector<float> expected;
  };
  const std::vector<float> four = {1, 2, 3, 4};
  const std::vector<float> sixFilledFour = {1, 2, 3, 4, 9, 9};
  const Case cases[] = {
      // Row entry runs on from the chosen row and stops at a blank reply.
      {"row entry to the end", {0, 0, 0, 0, 0}, 5, 5, "3\n7\n8\n9\n\n", {0, 0, 7, 8, 9}},
      {"row entry stopped early", {0, 0, 0, 0, 0}, 5, 5, "3\n7\n\n\n", {0, 0, 7, 0, 0}},
      {"row entry stopped by a letter", four, 4, 4, "2\n5\nq\n\n", {1, 5, 3, 4}},
      // Auto repeat: start plus increment over the filled rows.
      {"auto repeat", four, 4, 4, "5\n5\n2.5\n\n", {5, 7.5f, 10, 12.5f}},
      {"auto repeat, blank increment", four, 4, 4, "5\n5\n\n\n", {5, 5, 5, 5}},
      {"auto repeat, blank start cancels", four, 4, 4, "5\n\n\n", four},
      {"auto repeat stops at the fill count", sixFilledFour, 6, 4, "7\n0\n1\n\n", {0, 1, 2, 3, 9, 9}},
      // Delete a row and close the gap.
      {"delete row 2", four, 4, 4, "6\n2\n\n", {1, 3, 4, 0}},
      {"delete the last row", four, 4, 4, "6\n4\n\n", {1, 2, 3, 0}},
      {"delete row 2.9 is row 2", four, 4, 4, "6\n2.9\n\n", {1, 3, 4, 0}},
      {"delete row 0", four, 4, 4, "6\n0\n\n", four},
      {"delete a row above the rows shown", four, 4, 4, "6\n5\n\n", four},
      {"delete, blank row", four, 4, 4, "6\n\n\n", four},
      {"delete, unreadable row", four, 4, 4, "6\nx\n\n", four},
      // A row beyond the filled rows: nothing to remove, the last filled value stays.
      {"delete a row above the fill count", sixFilledFour, 6, 4, "8\n5\n\n", sixFilledFour},
      // Insert a zero row and open a gap.
      {"insert at row 2", four, 4, 4, "7\n2\n\n", {1, 0, 2, 3}},
      {"insert at row 1", four, 4, 4, "7\n1\n\n", {0, 1, 2, 3}},
      {"insert at row -3", four, 4, 4, "7\n-3\n\n", four},
      {"insert above the rows shown", four, 4, 4, "7\n9\n\n", four},
      // Constants over the filled rows.
      {"add a constant", sixFilledFour, 6, 4, "10\n1.5\n\n", {2.5f, 3.5f, 4.5f, 5.5f, 9, 9}},
      {"add a blank constant", four, 4, 4, "8\n\n\n", four},
      {"modulo 360", {350, -100, 0, 330}, 4, 4, "9\n30\n\n", {20, 290, 30, 0}},
      {"modulo 360 of a large angle", {1000, -1000}, 2, 2, "7\n0\n\n", {280, 80}},
      // Selections that are no operation, help, and the navigation summary: the table again.
      {"a selection above the operations", four, 4, 4, "10\n\n", four},
      {"help on the table", four, 4, 4, "?\n\n\n", four},
      {"the navigation summary", four, 4, 4, "h\n\n\n", four},
      {"the bang reply", four, 4, 4, "!\n\n", four},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(edit(c.column, c.rows, c.fill, c.typed), c.expected) << c.what;
  }
}

TEST(Autorp, PromptsOfTheOperations) {
  struct Case {
    std::string typed;
    std::string prompts;  // what follows the first selection prompt
  };
  const Case cases[] = {
      {"2\n7\n\n\n", " Enter new value for #   2   Enter new value for #   3  "},
      {"4\n1\n2\n\n", " Enter starting value:  Enter increment: "},
      {"5\n1\n\n", " Enter row number to delete: "},
      {"6\n1\n\n", " Enter row number to nullify: "},
      {"7\n1\n\n", " Enter constant value: "},
      {"8\n1\n\n", " Enter constant value: "},
  };
  for (const Case& c : cases) {
    std::string screen;
    edit({1, 2, 3}, 3, 3, c.typed, &screen);
    const std::size_t first = screen.find(kSelectionPrompt);
    ASSERT_NE(first, std::string::npos);
    const std::size_t after = first + std::string(kSelectionPrompt).size();
    EXPECT_EQ(screen.substr(after, c.prompts.size()), c.prompts) << c.typed;
    EXPECT_EQ(screen.substr(after + c.prompts.size(), 1), "\f") << c.typed << ": the table is drawn again";
  }
}

TEST(Autorp, LeavesOnBlankOrNavigation) {
  for (const char* reply : {"\n", "b\n", "e\n", "j5\n", "-1\n"}) {
    std::string screen;
    edit({1, 2}, 2, 2, reply, &screen);
    EXPECT_EQ(lines(screen).size(), 13u) << reply << ": one table drawn, then back to the caller";
  }
}

TEST(Autorp, HelpShowsTheNoHelpScreenAndTheTableAgain) {
  std::string screen;
  edit({1}, 1, 1, "?\n\n\n", &screen);
  EXPECT_NE(screen.find("\f\n\n ++> Sorry, no help for this page...\n\n\n Press <RETURN> to continue: \f Title"),
            std::string::npos)
      << screen;
}

TEST(Autorp, ListingWritesTheTableOnceWithoutAsking) {
  ConsoleCapture console("3\n");
  std::vector<float> column = {1, 2};
  std::int32_t listing = 1;
  AUTORP("Title", column, 2, 2, kScreenUnit, kKeyboardUnit, listing);
  EXPECT_EQ(listing, 2) << "one screen counted";
  EXPECT_EQ(console.screen(), " Title\n\n   1)      1.00\n   2)      2.00\n\n\n\n") << "no clear, three empty lines";
  EXPECT_EQ(console.unread(), "3\n");
}

TEST(Autorp, MoreThanOneHundredSixtyRowsStopsTheRun) {
  ConsoleCapture console("\n");
  std::vector<float> column(161, 0.0f);
  std::int32_t listing = 0;
  int status = -1;
  try {
    AUTORP("Title", column, 161, 161, kScreenUnit, kKeyboardUnit, listing);
  } catch (const Stop& stop) {
    status = stop.status;
  }
  EXPECT_EQ(status, kExitFatal);
  const std::string screen = console.screen();
  EXPECT_NE(screen.find("\n ++> Array overflow in AUTORP\n\n Press <RETURN> to continue: "), std::string::npos);
}

TEST(Autorp, NeverReachesPastTheCallersTable) {
  // Rows and fill count larger than the table: the editor works on the table it was given.
  std::vector<float> column = {1, 2, 3};
  std::string screen;
  column = edit(column, 10, 10, "4\n0\n1\n\n", &screen);
  EXPECT_EQ(column, (std::vector<float>{0, 1, 2}));
  EXPECT_NE(screen.find("   4) Auto repeat"), std::string::npos);
}

}  // namespace
}  // namespace qv
