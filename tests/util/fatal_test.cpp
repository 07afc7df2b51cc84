#include "util/fatal.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/console_capture.h"
#include "support/fresh_run.h"
#include "support/temp_dir.h"
#include "util/farray.h"
#include "util/files.h"

namespace qv {
namespace {

using testing_support::ConsoleCapture;
using testing_support::TempDir;

// What one fatal stop leaves: the Stop it threw, the screen and the replies it did not read.
struct Outcome {
  Stop stop;
  std::string screen;
  std::string unread;
};

Outcome runFatal(const std::string& typed, std::int32_t unit, FatalWait wait, int status = kExitFatal) {
  ConsoleCapture console(typed);
  Outcome out;
  try {
    fatalStop("ROUTN", unit, {" ++> First line", "     second line"}, wait, kKeyboardUnit, status);
  } catch (const Stop& stop) {
    out.stop = stop;
  }
  out.screen = console.screen();
  out.unread = console.unread();
  return out;
}

class FatalStop : public testing_support::FreshRun {};

TEST_F(FatalStop, WritesWaitsAndCarriesStatusAndRoutine) {
  const std::string message = " ++> First line\n     second line\n";
  struct Case {
    FatalWait wait;
    std::string screen;   // after the message
    std::string unread;   // of the replies "x\ny\n"
  } cases[] = {
      {FatalWait::kNone, "", "x\ny\n"},
      {FatalWait::kPressReturn, "\n Press <RETURN> to continue: ", "y\n"},
      {FatalWait::kPromptLine, " Press <RETURN> to continue: ", "y\n"},
      {FatalWait::kReadLine, "", "y\n"},
  };
  for (const Case& c : cases) {
    const Outcome out = runFatal("x\ny\n", kScreenUnit, c.wait);
    EXPECT_EQ(out.stop.status, kExitFatal);
    EXPECT_EQ(out.stop.routine, "ROUTN");
    EXPECT_EQ(out.screen, message + c.screen) << static_cast<int>(c.wait);
    EXPECT_EQ(out.unread, c.unread) << static_cast<int>(c.wait);
  }
  EXPECT_EQ(runFatal("", kScreenUnit, FatalWait::kNone, kExitNormal).stop.status, kExitNormal);
}

TEST_F(FatalStop, AnUnattendedRunNeverWaits) {
  TempDir dir;
  RHOPEN("Diagnostics.stxt", kFormatted, kFresh, 0, kDiagnosticsUnit, "TEST", kScreenUnit, 0);
  // A message meant for the screen goes to the diagnostics file too: nobody watches the console.
  for (std::int32_t unit : {kDiagnosticsUnit, kScreenUnit}) {
    for (FatalWait wait : {FatalWait::kPressReturn, FatalWait::kPromptLine, FatalWait::kReadLine}) {
      const Outcome out = runFatal("x\n", unit, wait);
      EXPECT_EQ(out.stop.status, kExitFatal);
      EXPECT_EQ(out.screen, "");
      EXPECT_EQ(out.unread, "x\n");
      EXPECT_EQ(fatalStopState.message, (std::vector<std::string>{" ++> First line", "     second line"}));
    }
  }
  closeAllUnits();
  std::string expected;
  for (int k = 0; k < 6; ++k) expected += " ++> First line\n     second line\n";
  EXPECT_EQ(testing_support::readFileText("Diagnostics.stxt"), expected);
}

TEST_F(FatalStop, AnUnwatchedRunWithoutItsMessagesFileKeepsTheMessageForTheEnd) {
  // Before its messages file is open: nothing on the screen, no wait, the message kept for the
  // program to copy to standard error.
  fatalStopState.unwatched = true;
  for (FatalWait wait : {FatalWait::kPressReturn, FatalWait::kPromptLine, FatalWait::kReadLine}) {
    const Outcome out = runFatal("x\n", kScreenUnit, wait);
    EXPECT_EQ(out.stop.status, kExitFatal);
    EXPECT_EQ(out.screen, "");
    EXPECT_EQ(out.unread, "x\n");
    EXPECT_EQ(fatalStopState.message, (std::vector<std::string>{" ++> First line", "     second line"}));
  }
}

// Whether a run at the console would have gone on where the run stopped decides whether an
// unattended runner says that it stops there: a warning's stop and a silent stop at a question say
// so, a fatal message or an explained stop does not. Each stop sets its own answer, so the cases run
// one after the other on purpose: a mark left by the stop before must not carry over.
TEST_F(FatalStop, EachStopSaysWhetherARunAtTheConsoleWouldHaveGoneOn) {
  TempDir dir;
  RHOPEN("Diagnostics.stxt", kFormatted, kFresh, 0, kDiagnosticsUnit, "TEST", kScreenUnit, 0);
  fatalStopState.unwatched = true;
  const std::vector<std::string> warning{"", " ++> WARNING: a warning", "     what to change", ""};
  struct Case {
    const char* what;
    void (*stop)(const std::vector<std::string>& lines);
    bool unanswered;
    std::vector<std::string> message;
  };
  const Case cases[] = {
      {"a warning that the console goes on past",
       [](const std::vector<std::string>& lines) { unansweredStop("WARNR", kDiagnosticsUnit, lines); }, true,
       {" ++> WARNING: a warning", "     what to change"}},
      {"a fatal message",
       [](const std::vector<std::string>& lines) { fatalStop("WARNR", kDiagnosticsUnit, lines, FatalWait::kNone); },
       false, {" ++> WARNING: a warning", "     what to change"}},
      {"a question nobody answers", [](const std::vector<std::string>&) { silentStop("WARNR"); }, true, {}},
      {"a message that says what to do", [](const std::vector<std::string>&) { explainedStop("WARNR"); }, false, {}},
      {"a warning again", [](const std::vector<std::string>& lines) { unansweredStop("WARNR", kDiagnosticsUnit, lines); },
       true, {" ++> WARNING: a warning", "     what to change"}},
      {"a fatal message after it",
       [](const std::vector<std::string>& lines) { fatalStop("WARNR", kDiagnosticsUnit, lines, FatalWait::kNone); },
       false, {" ++> WARNING: a warning", "     what to change"}},
  };
  for (const Case& c : cases) {
    ConsoleCapture console("x\n");
    int status = -1;
    std::string routine;
    try {
      c.stop(warning);
    } catch (const Stop& stop) {
      status = stop.status;
      routine = stop.routine;
    }
    EXPECT_EQ(status, kExitFatal) << c.what;
    EXPECT_EQ(routine, "WARNR") << c.what;
    EXPECT_EQ(fatalStopState.unanswered, c.unanswered) << c.what;
    EXPECT_EQ(fatalStopState.message, c.message) << c.what;
    EXPECT_EQ(console.unread(), "x\n") << c.what << ": nobody is asked";
  }
  closeAllUnits();
  // A warning's stop writes its lines, blank ones included, where the run's messages go.
  std::string lines;
  for (const std::string& line : warning) lines += line + "\n";
  EXPECT_EQ(testing_support::readFileText("Diagnostics.stxt"), lines + lines + lines + lines);
}

TEST_F(FatalStop, TheEndOfInputDuringTheWaitIsTheInputEnd) {
  const Outcome out = runFatal("", kScreenUnit, FatalWait::kPressReturn);
  EXPECT_EQ(out.stop.status, kExitInputEnded);
}

TEST_F(FatalStop, FileErrorsNameTheCallerAsTheRoutine) {
  ConsoleCapture console("\n");
  try {
    ACERR("SAVER", "SALMDAT", kScreenUnit);
    FAIL() << "ACERR returned";
  } catch (const Stop& stop) {
    EXPECT_EQ(stop.status, kExitFatal);
    EXPECT_EQ(stop.routine, "SAVER");
  }
}

// Indexes its own small tables with what it is given, as a routine that trusts a count would.
float lookUp(int i, int j) {
  static Arr<float, 3> column{};
  static Arr<float, 2, 3> table{};
  return column(i) + table(i, j);
}

class ArrayBounds : public testing_support::FreshRun {};

TEST_F(ArrayBounds, AnIndexOutsideItsBoundsStopsNamingTheRoutine) {
  struct Case {
    int i, j;
    std::string message;
  };
  const Case cases[] = {
      {4, 1, " ++> Array index out of bounds in lookUp: index 4 of dimension 1\n     lies outside 1 to 3."},
      {0, 1, " ++> Array index out of bounds in lookUp: index 0 of dimension 1\n     lies outside 1 to 3."},
      {2, 4, " ++> Array index out of bounds in lookUp: index 4 of dimension 2\n     lies outside 1 to 3."},
  };
  for (const Case& c : cases) {
    ConsoleCapture console("\n");
    int status = -1;
    std::string routine;
    try {
      (void)lookUp(c.i, c.j);
    } catch (const Stop& stop) {
      status = stop.status;
      routine = stop.routine;
    }
    EXPECT_EQ(status, kExitFatal) << c.message;
    EXPECT_EQ(routine, "lookUp");
    EXPECT_NE(console.screen().find(c.message), std::string::npos) << console.screen();
  }
  EXPECT_EQ(arrayBoundsState.violations, 3);
  EXPECT_EQ(lookUp(2, 3), 0.0f) << "indices within bounds pass";
}

}  // namespace
}  // namespace qv
