// Comparisons shared by the tests of every folder.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <string_view>

namespace qv::testing_support {

// |actual - expected| <= abs + rel |expected|; the failure shows both values and the allowance.
inline ::testing::AssertionResult IsClose(double actual, double expected, double rel, double abs = 0.0) {
  const double allowed = abs + rel * std::fabs(expected);
  if (std::fabs(actual - expected) <= allowed) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << actual << " differs from " << expected << " by "
                                       << std::fabs(actual - expected) << " (allowed " << allowed << ")";
}

inline bool contains(std::string_view text, std::string_view part) { return text.find(part) != std::string_view::npos; }

}  // namespace qv::testing_support
