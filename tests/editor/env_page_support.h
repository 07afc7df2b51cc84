// What the tests of the environment pages (pages 11 to 16) share: a data set as the editor leaves
// it on these pages, and a page driven with a script of typed replies.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "dataset/tpcm.h"
#include "editor/page_cases.h"
#include "platform/block_reset.h"
#include "platform/units.h"
#include "support/console_capture.h"
#include "support/data_set_fixture.h"
#include "support/fresh_run.h"

namespace qv::testing_support {

inline constexpr const char* kPause = "\n Press <RETURN> to continue: ";

// A new data set in English units, on the screen, as this editor opens it.
inline void environmentDataSet() {
  resetAllBlocks();
  (void)DataSet();
  TPCM.EDUNIT = kScreenUnit;
}

// Runs a page (or a sub-page) with the typed replies, which it must read to the last; the screen.
inline std::string drive(const std::string& typed, const std::function<void()>& page) {
  ConsoleCapture console(typed);
  page();
  EXPECT_EQ(console.unread(), "") << "typed: " << typed;
  return console.screen();
}

// Runs every case (page_cases.h; its typed replies end with the blank reply that leaves the page)
// on a fresh data set prepared by `start`, then by the case.
inline void runCases(const std::function<void()>& start, const std::function<void()>& page,
                     std::initializer_list<PageCase> cases) {
  for (const PageCase& c : cases) {
    start();
    c.prepare();
    drive(c.typed, page);
    SCOPED_TRACE(c.what);
    c.check();
    EXPECT_EQ(TPCM.LBACK, 0);
  }
}

}  // namespace qv::testing_support
