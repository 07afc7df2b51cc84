// The editor's lists of coded values stand on the data set's code tables: every code of a table has
// its note in the help of the menu that offers it, and the first number past the table has none. A
// help list that falls out of step with its table fails here.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "dataset/force_model.h"
#include "dataset/tpcm_codes.h"
#include "editor/env_page_parts.h"
#include "editor/load_model_help.h"
#include "platform/units.h"
#include "support/checks.h"
#include "support/console_capture.h"
#include "support/fresh_run.h"

namespace qv {
namespace {

using testing_support::ConsoleCapture;
using testing_support::contains;

using HelpRoutine = void (*)(std::int32_t, std::int32_t, std::int32_t);

// The menu numbers of a table's codes: the code itself, or the code + 1 where the menu counts from 1
// and the codes from 0.
template <typename Row, std::size_t N>
std::vector<std::int32_t> menuNumbers(const Row (&rows)[N], std::int32_t offset) {
  std::vector<std::int32_t> numbers;
  for (const Row& row : rows) numbers.push_back(row.code + offset);
  return numbers;
}

// What the help of one menu number shows (one screen, one pause).
std::string helpOf(HelpRoutine routine, std::int32_t number) {
  ConsoleCapture console("\n");
  routine(kScreenUnit, kKeyboardUnit, number);
  return console.screen();
}

class CodeLists : public testing_support::FreshRun {};

TEST_F(CodeLists, EveryCodeOfATableHasItsHelpNote) {
  struct Family {
    const char* name;
    HelpRoutine routine;
    std::vector<std::int32_t> numbers;
  };
  const Family families[] = {
      {"wave spectra", RANHP2, menuNumbers(kWaveSpectra, 1)},
      {"wind spectra", WNDHP2, menuNumbers(kWindSpectra, 0)},
      {"current spectra", CURHLP2, menuNumbers(kCurrentSpectra, 1)},
      {"wind models", WNDFHP, menuNumbers(kWindModels, 0)},
      {"current models", CURFHP, menuNumbers(kCurrentModels, 0)},
      {"drift models", WAVFHP, menuNumbers(kDriftModels, 0)},
  };
  const std::string sorry = " ++> Sorry, no help for this line...";
  for (const Family& f : families) {
    SCOPED_TRACE(f.name);
    for (std::int32_t number : f.numbers) EXPECT_FALSE(contains(helpOf(f.routine, number), sorry)) << number;
    EXPECT_TRUE(contains(helpOf(f.routine, f.numbers.back() + 1), sorry)) << "past the table";
  }
}

}  // namespace
}  // namespace qv
