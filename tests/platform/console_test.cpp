// The console streams: the end of the keyboard input and the clearing of a captured screen.
#include <gtest/gtest.h>

#include "platform/screen.h"
#include "platform/stop.h"
#include "platform/units.h"
#include "support/console_capture.h"
#include "support/fresh_run.h"

namespace qv {
namespace {

using testing_support::ConsoleCapture;

class KeyboardEnd : public testing_support::FreshRun {};

TEST_F(KeyboardEnd, StopsWithStatusTwoAndOneMessage) {
  for (const auto& read : {+[] {
                             std::string line;
                             readRecord(kKeyboardUnit, line);
                           },
                           +[] { readConsoleLine(); }}) {
    ConsoleCapture console("last line\r\n");
    std::string line;
    ASSERT_TRUE(readRecord(kKeyboardUnit, line));
    EXPECT_EQ(line, "last line");  // a DOS line end is not part of the reply
    int status = -1;
    try {
      read();
    } catch (const Stop& stop) {
      status = stop.status;
    }
    EXPECT_EQ(status, kExitInputEnded);
    EXPECT_EQ(console.screen(), "\n ++> Keyboard input ended; nothing was saved.\n");
  }
}

class ClearScreen : public testing_support::FreshRun {};

TEST_F(ClearScreen, FormFeedWhenNotATerminal) {
  ConsoleCapture console;
  clearScreen();
  EXPECT_EQ(console.screen(), "\f");
}

}  // namespace
}  // namespace qv
