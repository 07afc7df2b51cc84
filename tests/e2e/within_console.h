// Whether a run's messages fit the console: the check that the end-to-end tables of stops sweep
// every message through.
#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <sstream>
#include <string>
#include <utility>

#include "e2e/e2e_harness.h"

namespace qv::e2e {

// A console of 80 columns shows every line the runner writes, on its screen (standard output and
// standard error) and in "Diagnostics.stxt", whole: a longer line breaks where the terminal breaks
// it, in the middle of a word or a number.
inline void expectWithinTheConsole(const Folder& folder, const Run& run, const std::string& what) {
  constexpr std::size_t kConsoleColumns = 80;
  const std::pair<const char*, std::string> outputs[] = {
      {"standard output", run.out}, {"standard error", run.err}, {"Diagnostics.stxt", folder.readFile("Diagnostics.stxt")}};
  for (const auto& [where, text] : outputs) {
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);)
      EXPECT_LE(line.size(), kConsoleColumns) << what << ", " << where << ":\n" << line;
  }
}

}  // namespace qv::e2e
