// Shared by the numerical-library tests: a closeness check for reals and a console swapped for
// string streams, so that messages and waits of the fatal paths can be read and answered.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>

#include "platform/units.h"

namespace qv::testing {

// |actual - expected| <= abs + rel |expected|.
inline ::testing::AssertionResult IsClose(double actual, double expected, double rel, double abs = 0.0) {
  const double allowed = abs + rel * std::fabs(expected);
  if (std::fabs(actual - expected) <= allowed) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << actual << " differs from " << expected << " by "
                                       << std::fabs(actual - expected) << " (allowed " << allowed << ")";
}

// The console reads `typed` and writes into `screen()` while the object lives.
class ConsoleCapture {
 public:
  explicit ConsoleCapture(const std::string& typed = "") : in_(typed) { setConsole(&in_, &out_); }
  ~ConsoleCapture() { setConsole(nullptr, nullptr); }
  ConsoleCapture(const ConsoleCapture&) = delete;
  ConsoleCapture& operator=(const ConsoleCapture&) = delete;
  std::string screen() const { return out_.str(); }

 private:
  std::istringstream in_;
  std::ostringstream out_;
};

}  // namespace qv::testing
