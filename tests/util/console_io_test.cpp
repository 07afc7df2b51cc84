// The console readers and writers, driven through string streams.
#include <gtest/gtest.h>

#include <climits>
#include <fstream>
#include <functional>
#include <memory>

#include "platform/stop.h"
#include "platform/units.h"
#include "support/console_capture.h"
#include "support/fresh_run.h"
#include "support/temp_dir.h"
#include "util/console_io.h"

namespace qv {
namespace {

using testing_support::ConsoleCapture;
using testing_support::stopStatus;

TEST(Readi, RepliesToCodesAndNumbers) {
  struct Case {
    const char* reply;
    std::int32_t code;    // preset 0 unless the reply is blank
    std::int32_t number;  // preset -9: -9 means untouched
  };
  const Case cases[] = {
      {"", 0, -9},          {"      ", 0, -9},
      {"h", -1979, 0},      {"H5", -1979, 5},       {"?7", -1978, 7},   {"?", -1978, 0},
      {"j 3", -1984, 3},    {"J12", -1984, 12},     {"f", -1980, 0},    {"L", -1981, 0},
      {"s", -1982, 0},      {"E", -1983, 0},        {"m", -1985, 0},    {"C", -1986, 0},
      {"d", -1987, 0},      {"I", -1988, 0},        {"x", -1989, 0},    {"b", -1, 0},
      {"12", 12, 2},        {"123", 123, 23},       {"7", 7, 0},        {"-5", 0, 5},
      {"-1", -1, 1},        {"!x", -2013, -9},      {"!", -2013, -9},
      {"Help", 0, -9},      {"?a", 0, -9},          {" h", 0, -9},      {"1.5", 0, -9},
      {"1234567", 123456, 23456},  // only six characters are read
      {"k", 0, 0},                 // no command letter: read as a number, which it is not
  };
  for (const Case& c : cases) {
    ConsoleCapture console(std::string(c.reply) + "\nnext\n");
    std::int32_t code = 0, number = -9;
    READI(code, kKeyboardUnit, number);
    EXPECT_EQ(code, c.code) << "reply \"" << c.reply << "\"";
    EXPECT_EQ(number, c.number) << "reply \"" << c.reply << "\"";
    EXPECT_EQ(console.unread(), "next\n") << "one reply is one line";
  }
}

TEST(Readi, BlankReplyKeepsTheCode) {
  ConsoleCapture console("\n");
  std::int32_t code = 42, number = 3;
  READI(code, kKeyboardUnit, number);
  EXPECT_EQ(code, 42);
  EXPECT_EQ(number, 3);
}

TEST(Crread, RealReplies) {
  struct Case {
    const char* reply;
    std::int32_t blank;
    float value;  // preset 7.5
  };
  const Case cases[] = {
      {"", 1, 7.5f},      {"    ", 1, 7.5f},   {"2.5", 0, 2.5f},  {"1 0", 0, 10.0f},
      {"12", 0, 12.0f},   {"abc", 1, 7.5f},    {"-3e2", 0, -300.0f},
      {"123456789012345", 0, 123456789012.0f},  // twelve characters are read
      {"1e99", 1, 7.5f},                         // beyond a 4-byte real: nothing stored
  };
  for (const Case& c : cases) {
    ConsoleCapture console(std::string(c.reply) + "\n");
    float value = 7.5f;
    std::int32_t blank = -1;
    CRREAD(value, blank, kKeyboardUnit);
    EXPECT_EQ(blank, c.blank) << c.reply;
    EXPECT_EQ(value, c.value) << c.reply;
  }
}

TEST(Crreal, TypedTriples) {
  struct Case {
    const char* reply;
    std::int32_t blank;
    float x, y, z;  // preset 1, 2, 3
  };
  const Case cases[] = {
      {"4", 0, 4, 2, 3},       {",5", 0, 1, 5, 3},    {"", 1, 1, 2, 3},    {"4 5 6", 0, 4, 5, 6},
      {"4,,6", 0, 4, 2, 6},    {"9 / 8", 0, 9, 2, 3}, {"4 x 6", 0, 4, 2, 3},
  };
  for (const Case& c : cases) {
    ConsoleCapture console(std::string(c.reply) + "\n");
    float x = 1, y = 2, z = 3;
    std::int32_t blank = -1;
    CRREAL(x, y, z, blank, kKeyboardUnit);
    EXPECT_EQ(blank, c.blank) << c.reply;
    EXPECT_EQ(x, c.x) << c.reply;
    EXPECT_EQ(y, c.y) << c.reply;
    EXPECT_EQ(z, c.z) << c.reply;
  }
}

TEST(Prsret, PauseAndResult) {
  struct Case {
    const char* reply;
    std::int32_t result;
  };
  const Case cases[] = {
      {"", 0}, {"-1.7", -1}, {"99", 99}, {"abc", 0}, {"2.9", 2}, {"1e20", INT_MAX}, {"-1e20", INT_MIN},
  };
  for (const Case& c : cases) {
    ConsoleCapture console(std::string(c.reply) + "\n");
    std::int32_t result = -5;
    PRSRET(kScreenUnit, kKeyboardUnit, result);
    EXPECT_EQ(result, c.result) << c.reply;
    EXPECT_EQ(console.screen(), "\n Press <RETURN> to continue: ");
  }
}

class ScreenUnitRule : public testing_support::FreshRun {};

TEST_F(ScreenUnitRule, UnitFortyOneIsSilentWhereTheRuleSaysSo) {
  ConsoleCapture console("typed\n");
  std::int32_t result = -5;
  PRSRET(kDiagnosticsUnit, kKeyboardUnit, result);
  WRTLIN("Prompt: ", kDiagnosticsUnit);
  WRTLNI("Row", 3, 5, kDiagnosticsUnit);
  CLEAR(kDiagnosticsUnit);
  PAGE(kDiagnosticsUnit, kScreenUnit, 1, 99);
  EXPECT_EQ(result, 0);
  EXPECT_EQ(console.screen(), "");
  EXPECT_EQ(console.unread(), "typed\n") << "nothing was read";
}

TEST_F(ScreenUnitRule, LinesCenterAndTwopgWriteOnUnitFortyOne) {
  testing_support::TempDir dir;
  connectUnit(kDiagnosticsUnit, std::make_unique<std::fstream>("Diagnostics.stxt", std::ios::out | std::ios::trunc),
              "Diagnostics.stxt");
  ConsoleCapture console;
  LINES(kDiagnosticsUnit, 2);
  CENTER("ab", 2, " ", 1, 9, kDiagnosticsUnit);
  std::int32_t count = 1;
  TWOPG(count, kDiagnosticsUnit);  // even: three empty lines
  WRTLIN("never in the file: ", kDiagnosticsUnit);
  closeUnit(kDiagnosticsUnit);
  EXPECT_EQ(count, 2);
  EXPECT_EQ(testing_support::readFileText("Diagnostics.stxt"), "\n\n   ab \n\n\n\n");
  EXPECT_EQ(console.screen(), "");
}

class Prompts : public testing_support::FreshRun {};

TEST_F(Prompts, AlwaysOnTheConsoleWithoutLineEnd) {
  testing_support::TempDir dir;
  connectUnit(1, std::make_unique<std::fstream>("SALMIN.stxt", std::ios::out | std::ios::trunc), "SALMIN.stxt");
  ConsoleCapture console;
  WRTLIN("Enter new value: ", 1);
  WRTLNI("Row", 3, 5, kScreenUnit);
  WRTLIN("Trailing  ", 0, kScreenUnit);
  closeUnit(1);
  EXPECT_EQ(console.screen(), " Enter new value:  Row  5   Trailing  ");
  EXPECT_EQ(testing_support::readFileText("SALMIN.stxt"), "");
}

TEST(Entcrd, PromptByDimension) {
  struct Case {
    std::int32_t dimension;
    const char* prompt;
  };
  const Case cases[] = {{2, " Enter new data for #  7 (x,y): "},
                        {3, " Enter new data for #  7 (x,y,z): "},
                        {4, " Enter new data for #  7 ERROR!"}};
  for (const Case& c : cases) {
    ConsoleCapture console("5,6\n");
    float x = 0, y = 0, z = 0;
    std::int32_t blank = -1;
    ENTCRD(7, x, y, z, c.dimension, 0, kKeyboardUnit, blank);
    EXPECT_EQ(console.screen(), c.prompt);
    EXPECT_EQ(x, 5.0f);
    EXPECT_EQ(y, 6.0f);
    EXPECT_EQ(blank, 0);
  }
}

TEST(Center, PadIsHalfTheRoomAndNeverNegative) {
  ConsoleCapture console;
  CENTER("Volume 11", 9, " ", 1, 80, kScreenUnit);        // (80 - 10) / 2 = 35 blanks
  CENTER("abcdef", 6, "xyz", 3, 4, kScreenUnit);          // (4 - 9) / 2 = -2: no blanks
  CENTER("ab", 4, "cdef", 2, 10, kScreenUnit);            // lengths cut or pad the texts
  EXPECT_EQ(console.screen(), std::string(35, ' ') + "Volume 11 \n" + "abcdefxyz\n" + "  ab  cd\n");
}

TEST(Upcase, CharactersAndKinds) {
  struct Case {
    char in, out;
    std::int32_t kind;
  };
  const Case cases[] = {{'a', 'A', 0}, {'z', 'Z', 0}, {'M', 'M', 0}, {' ', ' ', 2},
                        {'1', '1', 1}, {'{', '[', 1}, {'!', '!', 1}};
  for (const Case& c : cases) {
    char ch = c.in;
    std::int32_t kind = -1;
    UPCASE(ch, kind);
    EXPECT_EQ(ch, c.out);
    EXPECT_EQ(kind, c.kind) << c.in;
  }
}

class Page : public testing_support::FreshRun {};

TEST_F(Page, NewPageByKindOfUnit) {
  testing_support::TempDir dir;
  connectUnit(1, std::make_unique<std::fstream>("listing", std::ios::out | std::ios::trunc), "listing");
  connectUnit(99, std::make_unique<std::fstream>("printer", std::ios::out | std::ios::trunc), "printer");
  ConsoleCapture console;
  PAGE(kScreenUnit, kScreenUnit, 1, 99);
  PAGE(1, kScreenUnit, 1, 99);
  PAGE(99, kScreenUnit, 1, 99);
  closeUnit(1);
  closeUnit(99);
  EXPECT_EQ(console.screen(), "\f");  // a cleared screen, captured
  EXPECT_EQ(testing_support::readFileText("listing"), "\f\n");
  EXPECT_EQ(testing_support::readFileText("printer"), "1\n");
}

TEST(Twopg, TwoScreensShareAListingPage) {
  ConsoleCapture console;
  std::int32_t count = 0;
  TWOPG(count, kScreenUnit);
  EXPECT_EQ(count, 1);
  EXPECT_EQ(console.screen(), "\f");
  TWOPG(count, kScreenUnit);
  EXPECT_EQ(count, 2);
  EXPECT_EQ(console.screen(), "\f\n\n\n");
}

class KeyboardEnd : public testing_support::FreshRun {};

TEST_F(KeyboardEnd, EveryReaderStopsTheRun) {
  const std::function<void()> readers[] = {
      [] { std::int32_t c = 0, n = 0; READI(c, kKeyboardUnit, n); },
      [] { float v = 0; std::int32_t b = 0; CRREAD(v, b, kKeyboardUnit); },
      [] { float x = 0, y = 0, z = 0; std::int32_t b = 0; CRREAL(x, y, z, b, kKeyboardUnit); },
      [] { char c = ' '; READC(c, kKeyboardUnit); },
      [] { char c = ' '; READCP(c); },
      [] { PRSRET(kScreenUnit, kKeyboardUnit); },
  };
  for (const auto& read : readers) {
    ConsoleCapture console("");  // nothing typed
    EXPECT_EQ(stopStatus(read), kExitInputEnded);
    EXPECT_NE(console.screen().find(" ++> Keyboard input ended; nothing was saved.\n"), std::string::npos);
  }
}

TEST_F(KeyboardEnd, ALastLineWithoutLineEndIsStillAReply) {
  ConsoleCapture console("J4");
  std::int32_t code = 0, number = 0;
  READI(code, kKeyboardUnit, number);
  EXPECT_EQ(code, -1984);
  EXPECT_EQ(number, 4);
  EXPECT_EQ(stopStatus([&] { READI(code, kKeyboardUnit, number); }), kExitInputEnded);
}

}  // namespace
}  // namespace qv
