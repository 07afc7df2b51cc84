// The page protocol of runPage on a page of its own: the replies typed, what the page was asked to
// do, and how the loop ended.
#include "editor/page_loop.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "dataset/tpcm.h"
#include "platform/units.h"
#include "support/console_capture.h"
#include "support/fresh_run.h"
#include "util/nav_codes.h"

namespace qv {
namespace {

using testing_support::ConsoleCapture;
using testing_support::screens;

class PageLoopProtocol : public testing_support::FreshRun {};

// A page of items 1 and 2; item 2 is offered only while `second` is set. Every call is logged.
struct TestPage {
  bool second = false;
  std::vector<std::string> log;

  PageEnd run(const std::string& typed, std::string* screen = nullptr) {
    const PageItem items[] = {
        {1, [this] { log.push_back("edit 1"); }},
        {2, [this] { log.push_back("edit 2"); }, [this] { return second; }},
    };
    PageLoop page;
    page.draw = [this] {
      log.push_back("draw");
      writeRecord(TPCM.EDUNIT, " the page");
    };
    page.items = items;
    page.help = [this](std::int32_t n) { log.push_back("help " + std::to_string(n)); };
    ConsoleCapture console(typed);
    const PageEnd end = runPage(page);
    EXPECT_EQ(console.unread(), "") << typed;
    if (screen != nullptr) *screen = console.screen();
    return end;
  }
};

TEST_F(PageLoopProtocol, RepliesAndWhatThePageDoes) {
  struct Case {
    const char* typed;
    bool second;
    std::vector<std::string> log;
    std::int32_t lback;
  };
  const Case cases[] = {
      {"\n", false, {"draw"}, 0},
      {"1\n2\n\n", true, {"draw", "edit 1", "draw", "edit 2", "draw"}, 0},
      // A hidden item keeps its number: selecting it only draws the page again, as any number that
      // is no item does.
      {"2\n7\nb\n", false, {"draw", "draw", "draw"}, kNavBack},
      {"?\n?4\nj12\n", false, {"draw", "help 0", "draw", "help 4", "draw"}, kNavJump},
  };
  for (const Case& c : cases) {
    TPCM.EDUNIT = kScreenUnit;
    TestPage page;
    page.second = c.second;
    std::string screen;
    EXPECT_EQ(page.run(c.typed, &screen), PageEnd::kLeft) << c.typed;
    EXPECT_EQ(page.log, c.log) << c.typed;
    EXPECT_EQ(TPCM.LBACK, c.lback) << c.typed;
    const auto draws = static_cast<std::size_t>(std::count(c.log.begin(), c.log.end(), "draw"));
    EXPECT_EQ(screens(screen).size(), draws + 1) << c.typed << ": each drawing on a cleared screen";
  }
}

TEST_F(PageLoopProtocol, ListingWritesThePageWithoutAsking) {
  TPCM.EDUNIT = kScreenUnit;
  TPCM.LCOPY = 1;
  TPCM.LBACK = kNavFirst;
  TestPage page;
  std::string screen;
  EXPECT_EQ(page.run("", &screen), PageEnd::kListed);
  EXPECT_EQ(page.log, (std::vector<std::string>{"draw"}));
  EXPECT_EQ(TPCM.LBACK, 0);
  EXPECT_EQ(TPCM.LCOPY, 2);
  EXPECT_EQ(screen, " the page\n\n\n\n") << "no screen cleared, no prompt; three empty lines for the second screen";
}

}  // namespace
}  // namespace qv
