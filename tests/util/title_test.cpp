// The opening screen with its start menu, the version texts and the report title page.
#include <gtest/gtest.h>

#include <sstream>

#include "platform/clock.h"
#include "platform/units.h"
#include "support/console_capture.h"
#include "support/fresh_run.h"
#include "util/title.h"

namespace qv {
namespace {

using testing_support::ConsoleCapture;

TEST(VersionString, Texts) {
  Text<17> s;
  VERSION_STRING(s, 6.8f);
  EXPECT_EQ(s.view(), "Version: 6.80.00 ");
  VERSION_STRING(s, -6.8f);
  EXPECT_EQ(s.view(), "Version: 6.80.00b");
  VERSION_STRING(s, 0.0f);
  EXPECT_EQ(s.view(), "Version: 0.00.00b");

  struct Case {
    float ver;
    std::int32_t isub;
    const char* text;
  };
  const Case cases[] = {
      {6.8f, 3, "6.80.03          "}, {6.8f, 12, "6.80.12          "}, {-6.8f, 3, "6.80.03b         "},
      {0.0f, 0, "0.00.00b         "}, {6.8f, 9, "6.80.09          "}, {6.8f, 123, "6.80.**          "},
      {12.5f, 1, "****.01          "},
  };
  for (const Case& c : cases) {
    VERSION_STRING2(s, c.ver, c.isub);
    EXPECT_EQ(s.view(), c.text) << c.ver << " " << c.isub;
  }
}

// The banner of program type 11 without its menu, as the opening screen writes it.
std::string banner(std::string_view capacityLine) {
  const std::string indent(11, ' ');
  const std::string rule = indent + "+" + std::string(56, '=') + "+\n";
  const std::string empty = indent + "|" + std::string(56, ' ') + "|\n";
  return "\n" + rule + empty + empty + empty +
         indent + "|              **   Welcome to Quorvel   **              |\n" + empty + empty +
         indent + "|                 Quorvel Version: 6.80.00               |\n" +
         indent + "|              " + std::string(capacityLine) + "            |\n" +
         empty + empty + empty + empty + rule + "\n\n\n\n " + std::string(78, '-') + "\n";
}

constexpr const char* kMenu =
    "\n (M) Modify existing, (C) Create new, (E) Execute simulation, (B) Batch modify\n\n"
    " Enter letter of selection: ";

TEST(Title, CapacityByProgramType) {
  struct Case {
    std::int32_t type;
    const char* line;
  };
  const Case cases[] = {{11, "  Mooring Capacity: 149 lines "},
                        {10, "  Subline Capacity:  25 items "},
                        {3, "Motion Evaluations: 149 points"}};
  for (const Case& c : cases) {
    ConsoleCapture console;
    char choice = '?';
    TITLE(c.type, "Quorvel", 6.8f, kScreenUnit, kKeyboardUnit, choice, 1);
    EXPECT_EQ(console.screen(), banner(c.line)) << c.type;
    EXPECT_EQ(choice, '?') << "with the skip flag the caller sets the choice";
  }
}

TEST(Title, MenuAsksAgainUntilMCEOrB) {
  ConsoleCapture console("x\n1\n\n m\nm\nrest\n");
  char choice = ' ';
  TITLE(11, "Quorvel", 6.8f, kScreenUnit, kKeyboardUnit, choice, 0);
  EXPECT_EQ(choice, 'M');
  std::string expected = "\f" + banner("  Mooring Capacity: 149 lines ");
  for (int k = 0; k < 5; ++k) expected += kMenu;
  EXPECT_EQ(console.screen(), expected);
  EXPECT_EQ(console.unread(), "rest\n");
}

TEST(Title, EveryStartLetterInEitherCase) {
  for (const char* reply : {"m", "C", "e", "B", "create"}) {
    ConsoleCapture console(std::string(reply) + "\n");
    char choice = ' ';
    TITLE(11, "Quorvel", 6.8f, kScreenUnit, kKeyboardUnit, choice, 0);
    EXPECT_EQ(choice, std::toupper(static_cast<unsigned char>(reply[0]))) << reply;
  }
}

class FixedClock : public testing_support::FreshRun {
 protected:
  void at(LocalTime t) {
    setClock(ClockHooks{[t] { return t; }, {}});
  }
};

TEST_F(FixedClock, TitlePageLayoutAndRunLine) {
  at(LocalTime{2025, 3, 12, 0, 7, 30});
  ConsoleCapture console;
  TITLPG(11, "SALM Statics Report", 19, "PELMOTAR", 8, 6.8f, "First identification line",
         "Second identification line", kScreenUnit);
  std::istringstream page(console.screen());
  std::vector<std::string> lines;
  for (std::string line; std::getline(page, line);) lines.push_back(line);
  ASSERT_EQ(lines.size(), 7u + 1 + 11 + 1 + 1 + 1 + 15 + 1 + 1 + 1 + 1 + 5 + 1 + 6 + 2 + 2 + 1);
  EXPECT_EQ(lines[7], std::string(26, ' ') + " Kestrin Simulation Library ");
  EXPECT_EQ(lines[19], std::string(35, ' ') + "Volume 11 ");
  EXPECT_EQ(lines[21], std::string(30, ' ') + "SALM Statics Report ");
  EXPECT_EQ(lines[37], std::string(24, ' ') + " ------------------------------ ");
  EXPECT_EQ(lines[39], std::string(27, ' ') + "PELMOTARVersion: 6.80.00 ");
  EXPECT_EQ(lines[40], std::string(25, ' ') + "  Mooring Capacity: 149 lines ");
  EXPECT_EQ(lines[53], "     First identification line" + std::string(72 - 25, ' '));
  EXPECT_EQ(lines[54], "     Second identification line" + std::string(72 - 26, ' '));
  EXPECT_EQ(lines[57], "     Executed at 00:07 on 3/12/25");
}

TEST_F(FixedClock, RunLineDigits) {
  struct Case {
    LocalTime t;
    const char* line;
  };
  const Case cases[] = {
      {{2025, 3, 12, 0, 7, 0}, "     Executed at 00:07 on 3/12/25"},
      {{2009, 11, 5, 23, 59, 59}, "     Executed at 23:59 on 11/5/09"},
      {{2100, 1, 1, 9, 0, 0}, "     Executed at 09:00 on 1/1/00"},
  };
  for (const Case& c : cases) {
    at(c.t);
    ConsoleCapture console;
    TITLPG(3, "R", 1, "P", 1, 6.8f, "", "", kScreenUnit);
    const std::string screen = console.screen();
    EXPECT_EQ(screen.substr(screen.rfind('\n', screen.size() - 2) + 1), std::string(c.line) + "\n");
  }
}

}  // namespace
}  // namespace qv
