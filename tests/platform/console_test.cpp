// The console streams: the end of the keyboard input and the clearing of a captured screen.
#include <gtest/gtest.h>

#include <sstream>

#include "platform/screen.h"
#include "platform/stop.h"
#include "platform/units.h"

namespace qv {
namespace {

struct Console {
  explicit Console(const std::string& typed) : in(typed) { setConsole(&in, &out); }
  ~Console() { setConsole(nullptr, nullptr); }
  std::istringstream in;
  std::ostringstream out;
};

TEST(KeyboardEnd, StopsWithStatusTwoAndOneMessage) {
  for (const auto& read : {+[] {
                             std::string line;
                             readRecord(kKeyboardUnit, line);
                           },
                           +[] { readConsoleLine(); }}) {
    Console console("last line\r\n");
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
    EXPECT_EQ(console.out.str(), "\n ++> Keyboard input ended; nothing was saved.\n");
  }
}

TEST(ClearScreen, FormFeedWhenNotATerminal) {
  Console console("");
  clearScreen();
  EXPECT_EQ(console.out.str(), "\f");
}

}  // namespace
}  // namespace qv
