// The prompt dialogues: selection with navigation help, toggles, clamps and abort questions.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/stop.h"
#include "platform/units.h"
#include "support/checks.h"
#include "support/console_capture.h"
#include "util/dialogue.h"

namespace qv {
namespace {

using testing_support::ConsoleCapture;
using testing_support::contains;
using testing_support::stopStatus;

constexpr const char* kSelectionPrompt = " \n Enter number of selection (\"H\" for help): ";

TEST(Entsel, BangGivesHelpCodeWithoutTheSummary) {
  ConsoleCapture console("!\n");
  std::int32_t selection = 5, number = -9;
  ENTSEL(selection, kScreenUnit, kKeyboardUnit, number);
  EXPECT_EQ(selection, -1979);
  EXPECT_EQ(console.screen(), kSelectionPrompt);  // no screen cleared, no summary
}

TEST(Entsel, HelpClearsShowsTheSummaryAndPauses) {
  ConsoleCapture console("h\n\n");
  std::int32_t selection = 0, number = -9;
  ENTSEL(selection, kScreenUnit, kKeyboardUnit, number);
  EXPECT_EQ(selection, -1979);
  const std::string expected = std::string(kSelectionPrompt) + "\f" +
                               "\n\n"
                               " At any \"Enter number of selection\" prompt:\n"
                               "\n"
                               " (F)  First page\n"
                               " (L)  Last page\n"
                               " (S)  Skip ahead a page\n"
                               " (E)  Execute program\n"
                               " (B)  Back a page\n"
                               " (Jn) Jump to page \"n\"\n"
                               " (?)  Help summary for current page\n"
                               " (?n) Help on current page for selection \"n\"\n"
                               "\n"
                               "\n Press <RETURN> to continue: ";
  EXPECT_EQ(console.screen(), expected);
  EXPECT_EQ(console.unread(), "");
}

TEST(Entsel, OtherRepliesPassThrough) {
  struct Case {
    const char* reply;
    std::int32_t selection, number;
  };
  const Case cases[] = {{"", 0, -9}, {"7", 7, 0}, {"?3", -1978, 3}, {"J12", -1984, 12}, {"b", -1, 0}};
  for (const Case& c : cases) {
    ConsoleCapture console(std::string(c.reply) + "\n");
    std::int32_t selection = 5, number = -9;  // the selection starts from 0 whatever it held
    ENTSEL(selection, kScreenUnit, kKeyboardUnit, number);
    EXPECT_EQ(selection, c.selection) << c.reply;
    EXPECT_EQ(number, c.number) << c.reply;
  }
}

TEST(Entervalues, BlankKeepsAndLettersGiveCodes) {
  ConsoleCapture console("\nx\n\n3.25\nabc\n");
  std::int32_t i = 4;
  ENTERI(i, kScreenUnit, kKeyboardUnit);
  EXPECT_EQ(i, 4);
  ENTERI(i, kScreenUnit, kKeyboardUnit);
  EXPECT_EQ(i, -1989);
  float f = 1.5f;
  ENTERF(f, kScreenUnit, kKeyboardUnit);
  EXPECT_EQ(f, 1.5f);
  ENTERF(f, kScreenUnit, kKeyboardUnit);
  EXPECT_EQ(f, 3.25f);
  ENTERF(f, kScreenUnit, kKeyboardUnit);
  EXPECT_EQ(f, 3.25f);
  EXPECT_EQ(console.screen(), " Enter new value:  Enter new value:  Enter new value:  Enter new value: "
                              " Enter new value: ");
  EXPECT_EQ(valueNoteState.lines, std::vector<std::string>{" ++> \"abc\" is not a number; the value was not changed."});
  valueNoteState.reset();
}

TEST(Entervalues, AReplyThatIsNoNumberKeepsTheValueAndTheNextSelectionPromptSaysSo) {
  struct Case {
    const char* reply;
    bool real;          // ENTERF, else ENTERI
    float expected;     // the value afterwards, from 7
    const char* note;   // the line under the redrawn page; empty: none
  };
  const Case cases[] = {
      {"1O0", true, 7.0f, " ++> \"1O0\" is not a number; the value was not changed."},
      {"abc", true, 7.0f, " ++> \"abc\" is not a number; the value was not changed."},
      {"150m", true, 7.0f, " ++> \"150m\" is not a number; the value was not changed."},
      {"1,5", true, 7.0f, " ++> \"1,5\" is not a number; the value was not changed."},
      {"  12 x  ", true, 7.0f, " ++> \"12 x\" is not a number; the value was not changed."},
      {"120 130", true, 120130.0f, ""},  // blanks are ignored: the item's bounds judge it
      {"2.5", true, 2.5f, ""},
      {"", true, 7.0f, ""},
      {"1O0", false, 7.0f, " ++> \"1O0\" is not a whole number; the value was not changed."},
      {"150m", false, 7.0f, " ++> \"150m\" is not a whole number; the value was not changed."},
      {"a5", false, 7.0f, " ++> \"a5\" is not a whole number; the value was not changed."},
      {"2.5", false, 7.0f, " ++> \"2.5\" is not a whole number; the value was not changed."},
      {"12", false, 12.0f, ""},
      {"e", false, -1983.0f, ""},  // a command letter leaves its code, for the item's clamp
      {"", false, 7.0f, ""},
  };
  for (const Case& c : cases) {
    valueNoteState.reset();
    ConsoleCapture console(std::string(c.reply) + "\n0\n");
    float value = 7.0f;
    if (c.real) {
      ENTERF(value, kScreenUnit, kKeyboardUnit);
    } else {
      std::int32_t whole = 7;
      ENTERI(whole, kScreenUnit, kKeyboardUnit);
      value = static_cast<float>(whole);
    }
    EXPECT_EQ(value, c.expected) << c.reply;
    EXPECT_EQ(console.screen(), " Enter new value: ") << c.reply << ": nothing under the prompt itself";
    std::int32_t selection = 0, number = 0;
    ENTSEL(selection, kScreenUnit, kKeyboardUnit, number);
    const std::string note = *c.note != '\0' ? std::string(c.note) + "\n" : "";
    EXPECT_EQ(console.screen(), " Enter new value:  \n" + note + " Enter number of selection (\"H\" for help): ")
        << c.reply;
    EXPECT_TRUE(valueNoteState.lines.empty()) << c.reply << ": said once";
  }
}

TEST(Toggle2, AskedRepliesOtherThanZeroOrOneKeepTheFlag) {
  struct Case {
    const char* reply;
    std::int32_t flag;  // from 1
  };
  const Case cases[] = {{"", 1}, {"0", 0}, {"1", 1}, {"5", 1}, {"b", 1}, {"!", 1}, {"-1", 1}};
  for (const Case& c : cases) {
    ConsoleCapture console(std::string(c.reply) + "\n");
    std::int32_t flag = 1;
    TOGGLE2(flag, 1, kScreenUnit, kKeyboardUnit);
    EXPECT_EQ(flag, c.flag) << c.reply;
    EXPECT_EQ(console.screen(), " Enter 1 for \"Yes\", 0 for \"No\": ");
  }
}

TEST(Toggle2, WithoutAskingFlips) {
  ConsoleCapture console;
  std::int32_t flag = 0;
  TOGGLE2(flag, 0, kScreenUnit, kKeyboardUnit);
  EXPECT_EQ(flag, 1);
  flag = 2;
  TOGGLE2(flag, 0, kScreenUnit, kKeyboardUnit);
  EXPECT_EQ(flag, 0);
  EXPECT_EQ(console.screen(), "");
}

TEST(Toggle2L, BlankKeepsAndAnswersSet) {
  struct Case {
    const char* reply;
    bool flag;  // from true
  };
  // A letter that is no command reads as 0 through READI, so "n" (and "y" too) answers 0.
  const Case cases[] = {{"", true}, {"0", false}, {"1", true}, {"2", true}, {"b", true}, {"n", false}};
  for (const Case& c : cases) {
    ConsoleCapture console(std::string(c.reply) + "\n");
    bool flag = true;
    TOGGLE2_L(flag, 1, kScreenUnit, kKeyboardUnit);
    EXPECT_EQ(flag, c.flag) << c.reply;
  }
  ConsoleCapture console("\n");
  std::int32_t word = 0;  // a blank reply must not read as "0 = false" either way
  TOGGLE2_L(word, 1, kScreenUnit, kKeyboardUnit);
  EXPECT_EQ(word, 0);
  word = 1;
  TOGGLE2_L(word, 0, kScreenUnit, kKeyboardUnit);
  EXPECT_EQ(word, 0);
}

TEST(Toggle3, PromptWithTheCallersWords) {
  ConsoleCapture console("0\n");
  std::int32_t flag = 1;
  TOGGLE3(flag, 1, kScreenUnit, kKeyboardUnit, "Computed", "Specified");
  EXPECT_EQ(flag, 0);
  EXPECT_EQ(console.screen(), " Enter 1 for \"Computed\", 0 for \"Specified\": ");
}

TEST(Toggle3, WordsKeepTheirBlanksAndLongPromptsAreCut) {
  ConsoleCapture console("\n\n");
  std::int32_t flag = 1;
  TOGGLE3(flag, 1, kScreenUnit, kKeyboardUnit, "On  ", "Off ");
  TOGGLE3(flag, 1, kScreenUnit, kKeyboardUnit, "A rather long first choice", "another    cut off");
  EXPECT_EQ(flag, 1);
  // The second prompt is cut at 60 characters, in the blanks after "another"; they go, one blank follows.
  EXPECT_EQ(console.screen(), " Enter 1 for \"On  \", 0 for \"Off \": "
                              " Enter 1 for \"A rather long first choice\", 0 for \"another ");
}

TEST(Toggle, InvalidValueStaysWithAMessage) {
  ConsoleCapture console;
  std::int32_t flag = 2;
  TOGGLE(flag);
  EXPECT_EQ(flag, 2);
  EXPECT_EQ(console.screen(), "  >>> Invalid argument in Toggle\n");
  flag = 1;
  TOGGLE(flag);
  EXPECT_EQ(flag, 0);
}

TEST(Clamps, MaxchkAndPoschk) {
  struct Case {
    std::int32_t value, maximum, maxchk, poschk;
  };
  const Case cases[] = {
      {12, 9, 9, 9}, {-3, 9, 0, 1}, {5, -1, 0, 1}, {0, 40, 0, 1}, {60, 40, 40, 40}, {7, 40, 7, 7},
  };
  for (const Case& c : cases) {
    std::int32_t v = c.value;
    MAXCHK(v, c.maximum);
    EXPECT_EQ(v, c.maxchk) << c.value << " max " << c.maximum;
    v = c.value;
    POSCHK(v, c.maximum);
    EXPECT_EQ(v, c.poschk) << c.value << " max " << c.maximum;
  }
}

TEST(Yesno, Words) {
  Text<3> word;
  YESNO(word, 1);
  EXPECT_EQ(word.view(), "Yes");
  YESNO(word, 0);
  EXPECT_EQ(word.view(), "No ");
  YESNO(word, 2);
  EXPECT_EQ(word.view(), "Awk");
  YESNO_L(word, true);
  EXPECT_EQ(word.view(), "Yes");
  YESNO_L(word, false);
  EXPECT_EQ(word.view(), "No ");
}

TEST(Nohelp, Screen) {
  ConsoleCapture console("\n");
  NOHELP(kScreenUnit, kKeyboardUnit);
  EXPECT_EQ(console.screen(), "\f\n\n ++> Sorry, no help for this page...\n\n\n Press <RETURN> to continue: ");
}

TEST(Abort0, AbortOnlyOnA) {
  struct Case {
    const char* reply;
    std::int32_t result;
  };
  const Case cases[] = {{"", 0}, {"a", -1}, {"Abort", -1}, {"x", 0}, {" a", 0}};
  for (const Case& c : cases) {
    ConsoleCapture console(std::string(c.reply) + "\n");
    std::int32_t result = 5;
    ABORT0(kScreenUnit, 0, result);
    EXPECT_EQ(result, c.result) << c.reply;
    EXPECT_EQ(console.screen(), "\a\n Enter \"A\" to abort or Press <RETURN> to continue: ");
  }
}

TEST(Abort0, UnattendedRunContinuesButServAbortStops) {
  ConsoleCapture console("a\n");
  std::int32_t result = 5;
  ABORT0(kDiagnosticsUnit, 0, result);
  EXPECT_EQ(result, 0);
  EXPECT_EQ(stopStatus([&] { SERV_ABORT(kDiagnosticsUnit, 0, result); }), kExitFatal);
  EXPECT_EQ(console.screen(), "");
  EXPECT_EQ(console.unread(), "a\n");
}

TEST(Abort3, Replies) {
  struct Case {
    const char* reply;
    std::int32_t result;
  };
  const Case cases[] = {{"", 0}, {"a", -1}, {"  Abort", -1}, {"99", 99}, {" 99 ", 99}};
  for (const Case& c : cases) {
    ConsoleCapture console(std::string(c.reply) + "\n");
    std::int32_t result = 5;
    ABORT3(kScreenUnit, kKeyboardUnit, result);
    EXPECT_EQ(result, c.result) << c.reply;
  }
}

TEST(Abort3, UnrecognisedReplyIsShownAndStops) {
  for (const char* reply : {"7", "99.5", "x", "1"}) {
    ConsoleCapture console(std::string(reply) + "\nany\n");
    std::int32_t result = 5;
    EXPECT_EQ(stopStatus([&] { ABORT3(kScreenUnit, kKeyboardUnit, result); }), kExitFatal) << reply;
    std::string shown = reply;
    shown.resize(12, ' ');
    EXPECT_EQ(console.screen(), "\a\n Enter \"A\" to abort or Press <RETURN> to continue: \n"
                                " >>> Unrecognized option in ABORT3: " + shown + "\n"
                                "     Press <Return> to continue\n");
    EXPECT_EQ(console.unread(), "") << "one line was read after the message";
  }
  ConsoleCapture console;
  std::int32_t result = 5;
  EXPECT_EQ(stopStatus([&] { ABORT3(kDiagnosticsUnit, kKeyboardUnit, result); }), kExitFatal);
}

TEST(Abort3, OrAcceptOneTakesOneAsWell) {
  struct Case {
    const char* reply;
    std::int32_t result;  // -2: the run stops
  };
  const Case cases[] = {{"", 0}, {"A", -1}, {"1", 1}, {" 1 ", 1}, {"99", 99}, {"2", -2}, {"1.5", -2}};
  for (const Case& c : cases) {
    ConsoleCapture console(std::string(c.reply) + "\nany\n");
    std::int32_t result = 5;
    const int status = stopStatus([&] { abort3OrAcceptOne(kScreenUnit, kKeyboardUnit, result); });
    if (c.result == -2) {
      EXPECT_EQ(status, kExitFatal) << c.reply;
      EXPECT_TRUE(contains(console.screen(), " >>> Unrecognized option in ABORT3: ")) << c.reply;
    } else {
      EXPECT_EQ(status, -1) << c.reply;
      EXPECT_EQ(result, c.result) << c.reply;
      EXPECT_EQ(console.screen(), "\a\n Enter \"A\" to abort or Press <RETURN> to continue: ") << c.reply;
    }
  }
  ConsoleCapture console;
  std::int32_t result = 5;
  EXPECT_EQ(stopStatus([&] { abort3OrAcceptOne(kDiagnosticsUnit, kKeyboardUnit, result); }), kExitFatal);
  EXPECT_EQ(console.screen(), "");
}

TEST(Wrnful, PausesFromFive) {
  {
    ConsoleCapture console("\n");
    std::int32_t count = 4;
    WRNFUL(count, kScreenUnit, kKeyboardUnit);
    EXPECT_EQ(count, 4);
    EXPECT_EQ(console.screen(), "");
  }
  {
    ConsoleCapture console("-1\n");
    std::int32_t count = 5;
    WRNFUL(count, kScreenUnit, kKeyboardUnit);
    EXPECT_EQ(count, 5);
    EXPECT_EQ(console.screen(), "\n Press <RETURN> to continue: ");
  }
  {
    ConsoleCapture console("\n");
    std::int32_t count = 6;
    WRNFUL(count, kScreenUnit, kKeyboardUnit);
    EXPECT_EQ(count, 0);
    EXPECT_EQ(console.screen(), "\n Press <RETURN> to continue: \f");
  }
}

// The listings are on or off: a blank reply gives 0 whatever the level held; 3 and -5 are refused and
// asked again, as are a word and a letter.
TEST(Inbug, BlankGivesZeroAndOnlyZeroOrOneIsTaken) {
  ConsoleCapture console("\n3\n-5\nabc\nB\n1\n5\n");
  std::int32_t level = 7;
  INBUG(level, kScreenUnit, kKeyboardUnit);
  EXPECT_EQ(level, 0);
  INBUG(level, kScreenUnit, kKeyboardUnit);
  EXPECT_EQ(level, 1);
  const std::string refused = " ++> Out of range: enter a value from 0 to 1.\n";
  EXPECT_EQ(console.screen(), " Input NBUG:  Input NBUG: " + refused + " Input NBUG: " + refused +
                                  " Input NBUG:  ++> \"abc\" is not a number: enter a value from 0 to 1.\n"
                                  " Input NBUG: " + refused + " Input NBUG: ");
  // An unattended run asks nothing and reads nothing: no debug listings.
  const std::string asked = console.screen();
  level = 7;
  INBUG(level, kDiagnosticsUnit, kKeyboardUnit);
  EXPECT_EQ(level, 0);
  EXPECT_EQ(console.unread(), "5\n");
  EXPECT_EQ(console.screen(), asked);
}

// A debug reply bounded by what it counts: a blank reply keeps the value even outside the bounds, a
// reply within them is taken, one outside (a letter's code too) or one that is no number is refused
// and asked again; the end of the input ends the run; an unattended run asks nothing.
TEST(EnterBounded, RefusesRepliesOutsideItsBoundsAndAsksAgain) {
  const std::string prompt = " Input NPHI (0 keeps 11): ";
  const std::string refused = " ++> Out of range: enter a value from 0 to 360.\n";
  {
    ConsoleCapture console("852002379\nh\n-5\n-1\n0\n\nHelp\n12\n");
    std::int32_t value = 11;
    enterBounded("Input NPHI (0 keeps 11): ", value, 0, 360, kScreenUnit, kKeyboardUnit);
    // READI reads 6 characters, so the long reply counts 852002. A negative count is refused as
    // typed, never taken for READI's item 0.
    EXPECT_EQ(value, 0);
    EXPECT_EQ(console.screen(), prompt + refused + prompt + refused + prompt + refused + prompt + refused + prompt);
    value = 400;
    enterBounded("Input NPHI (0 keeps 11): ", value, 1, 360, kScreenUnit, kKeyboardUnit);
    EXPECT_EQ(value, 400);
    enterBounded("Input NPHI (0 keeps 11): ", value, 1, 360, kScreenUnit, kKeyboardUnit);
    EXPECT_EQ(value, 12);
  }
  {
    ConsoleCapture console("abc\n?\n1\n");
    std::int32_t level = 0;
    enterBounded("Input NBUG: ", level, 0, 1, kScreenUnit, kKeyboardUnit);
    EXPECT_EQ(level, 1);
    EXPECT_EQ(console.screen(), " Input NBUG:  ++> \"abc\" is not a number: enter a value from 0 to 1.\n"
                                " Input NBUG:  ++> Out of range: enter a value from 0 to 1.\n Input NBUG: ");
  }
  {
    ConsoleCapture console("999\n");
    std::int32_t value = 1;
    EXPECT_EQ(stopStatus([&] { enterBounded("INPUT SMPDRG:", value, 0, 1, kScreenUnit, kKeyboardUnit); }),
              kExitInputEnded);
    EXPECT_EQ(value, 1);
  }
  ConsoleCapture console("5\n");
  std::int32_t value = 7;
  enterBounded("INPUT SMPDRG:", value, 0, 1, kDiagnosticsUnit, kKeyboardUnit);
  EXPECT_EQ(value, 7);
  EXPECT_EQ(console.unread(), "5\n");
  EXPECT_EQ(console.screen(), "");
}

}  // namespace
}  // namespace qv
