// What the tests of the vessel pages share: a fresh ship of this program's data set, the selection
// prompt, one showing of a page on typed replies split into its screens, and whether a screen shows a
// numbered item.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "dataset/tpcm.h"
#include "dataset/tpcm_codes.h"
#include "platform/block_reset.h"
#include "platform/units.h"
#include "support/checks.h"
#include "support/console_capture.h"
#include "util/sim_types.h"

namespace qv::testing_support {

// A fresh run with a ship in a data set of this program, the pages writing on the screen.
inline void freshShip() {
  resetAllBlocks();
  TPCM.EDUNIT = kScreenUnit;
  TPCM.CREATR = kSimQuorvel;
  TPCM.VESTYP = kShipVessel;
}

inline constexpr const char* kSelectionPrompt = " \n Enter number of selection (\"H\" for help): ";

// Runs page(label, "Vessel") on the typed replies, which it must read to the end; the screens it
// wrote (entry 0 the text before the first clear).
inline std::vector<std::string> pageScreens(void (*page)(std::string_view, std::string_view), std::string_view label,
                                            const std::string& typed) {
  ConsoleCapture console(typed);
  page(label, "Vessel");
  EXPECT_EQ(console.unread(), "") << typed;
  return screens(console.screen());
}

// The item's number as it begins its line: " n) " right-aligned in three columns.
inline std::string itemStart(int item) { return (item < 10 ? "  " : " ") + std::to_string(item) + ") "; }
inline bool showsItem(const std::string& screen, int item) { return contains(screen, "\n" + itemStart(item)); }

}  // namespace qv::testing_support
