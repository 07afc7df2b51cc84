// The table tests of the editor pages: a page shown with replies typed up front, and a table of
// cases, each of which prepares the data set, types its script on the page and checks what changed.
//
//   const PageCase cases[] = {
//       {"x force", "2\n120.5\n\n", [] {}, [] { EXPECT_EQ(TPCM.XVFRC, 120.5f); }},
//       {"B", "b\n", [] {}, [] {}, "", kNavBack},
//   };
//   runPageCases(cases, forceOn, showPage);
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <span>
#include <string>

#include "dataset/tpcm.h"
#include "support/checks.h"
#include "support/console_capture.h"

namespace qv::testing_support {

// The selection prompt of every page, with the line before it.
inline constexpr const char* kSelectionPrompt = " \n Enter number of selection (\"H\" for help): ";

// Runs the page with the typed replies, which it must read to the last; returns the screen.
inline std::string typeOnPage(const std::function<void()>& page, const std::string& typed) {
  ConsoleCapture console(typed);
  page();
  EXPECT_EQ(console.unread(), "") << typed;
  return console.screen();
}

struct PageCase {
  const char* what;
  std::string typed;  // ends with the reply that leaves the page
  std::function<void()> prepare;
  std::function<void()> check;
  std::string shown = {};    // a piece the screen must hold; empty: nothing asked
  std::int32_t lback = 0;    // the code the page leaves for the sequencer
};

// The selection prompt followed by the question of a toggle in a batch-modify session.
inline std::string toggleAsked(const std::string& word1, const std::string& word0) {
  return kSelectionPrompt + (" Enter 1 for \"" + word1 + "\", 0 for \"" + word0 + "\": ");
}

// The start of the cases of a batch-modify session, where the toggles ask for the new state.
inline std::function<void()> inBatch(std::function<void()> start) {
  return [start] {
    start();
    TPCM.IBATCH = 1;
  };
}

// A check of the number that the page's last reply left in IPAG.
inline std::function<void()> ipagIs(std::int32_t number) {
  return [number] { EXPECT_EQ(TPCM.IPAG, number); };
}

// Each case: start() (the page's usual data set), its own preparation, the page shown with its
// typed replies, then its checks.
inline void runPageCases(std::span<const PageCase> cases, const std::function<void()>& start,
                         const std::function<std::string(const std::string&)>& show) {
  for (const PageCase& c : cases) {
    SCOPED_TRACE(c.what);
    start();
    c.prepare();
    const std::string screen = show(c.typed);
    c.check();
    EXPECT_EQ(TPCM.LBACK, c.lback);
    if (!c.shown.empty()) {
      EXPECT_TRUE(contains(screen, c.shown)) << c.shown << "\n" << screen;
    }
  }
}

}  // namespace qv::testing_support
