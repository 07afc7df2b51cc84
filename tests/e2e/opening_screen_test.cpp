// The editor's opening screen through the real executable: the banner and the start menu, replies
// that ask again, and the end of the typed input at the menu.
#include <gtest/gtest.h>

#include "e2e/e2e_harness.h"

namespace qv {
namespace {

using namespace std::chrono_literals;

// The cleared screen, the framed banner of program type 11 and the rule under it.
const std::string kBanner =
    "\f\n"
    "           +========================================================+\n"
    "           |                                                        |\n"
    "           |                                                        |\n"
    "           |                                                        |\n"
    "           |              **   Welcome to Quorvel   **              |\n"
    "           |                                                        |\n"
    "           |                                                        |\n"
    "           |                 Quorvel Version: 6.80.00               |\n"
    "           |                Mooring Capacity: 149 lines             |\n"
    "           |                                                        |\n"
    "           |                                                        |\n"
    "           |                                                        |\n"
    "           |                                                        |\n"
    "           +========================================================+\n"
    "\n\n\n\n"
    " ------------------------------------------------------------------------------\n";

const std::string kMenu =
    "\n"
    " (M) Modify existing, (C) Create new, (E) Execute simulation, (B) Batch modify\n"
    "\n"
    " Enter letter of selection: ";

const std::string kInputEnded = "\n ++> Keyboard input ended; nothing was saved.\n";

std::string menus(int n) {
  std::string s;
  for (int k = 0; k < n; ++k) s += kMenu;
  return s;
}

// The end of the input is met at once: no loop, no wait. The limit only catches a hang.
constexpr auto kPrompt = 2s;

TEST(OpeningScreen, BannerAndMenuByteForByte) {
  e2e::Folder folder;
  const e2e::Run run = folder.run("c\n");
  ASSERT_FALSE(run.timedOut);
  EXPECT_EQ(run.out.substr(0, kBanner.size() + kMenu.size()), kBanner + kMenu);
  EXPECT_EQ(run.err, "");
}

TEST(OpeningScreen, InvalidRepliesAskAgain) {
  e2e::Folder folder;
  // Not a letter, a letter that is no choice, an empty line, then a lower-case choice.
  const e2e::Run run = folder.run("1\nx\n\nc\n");
  ASSERT_FALSE(run.timedOut);
  const std::string opening = kBanner + menus(4);
  EXPECT_EQ(run.out.substr(0, opening.size()), opening);
  EXPECT_NE(run.out.substr(opening.size(), kMenu.size()), kMenu) << "the choice c is taken";
}

TEST(OpeningScreen, InputEndingAtTheMenuStopsWithStatusTwo) {
  struct Case {
    const char* name;
    const char* script;
    int menus;  // menus shown before the input ends
  };
  const Case cases[] = {
      {"no input at all", "", 1},
      {"invalid replies, then the end", "x\n1\n", 3},
      {"a last line without its line end", "q", 2},
  };
  for (const Case& c : cases) {
    e2e::Folder folder;
    const e2e::Run run = folder.run(c.script, kPrompt);
    ASSERT_FALSE(run.timedOut) << c.name;
    EXPECT_EQ(run.status, 2) << c.name;
    EXPECT_EQ(run.out, kBanner + menus(c.menus) + kInputEnded) << c.name;
    EXPECT_TRUE(folder.files().empty()) << c.name << ": nothing written in the folder";
  }
}

}  // namespace
}  // namespace qv
