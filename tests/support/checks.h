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

// How often `part` stands in `text`, one after another.
inline int occurrences(std::string_view text, std::string_view part) {
  int n = 0;
  for (auto at = text.find(part); at != std::string_view::npos; at = text.find(part, at + part.size())) ++n;
  return n;
}

// A message of several lines as one: its lines joined by a blank, the five blanks that indent a
// line after the first taken out.
inline std::string flatMessage(const std::string& message) {
  std::string text;
  std::size_t start = 0;
  while (start < message.size()) {
    std::size_t end = message.find('\n', start);
    if (end == std::string::npos) end = message.size();
    std::string line = message.substr(start, end - start);
    if (line.rfind("     ", 0) == 0) line = line.substr(5);
    text += (text.empty() ? "" : " ") + line;
    start = end + 1;
  }
  return text;
}

// A report with the time of its run (the line of the title page) masked.
inline std::string maskClock(std::string text) {
  const std::string stamp = "     Executed at ";
  for (std::size_t at = text.find(stamp); at != std::string::npos; at = text.find(stamp, at + 1)) {
    const std::size_t end = text.find('\n', at);
    text.replace(at + stamp.size(), end - at - stamp.size(), "<clock>");
  }
  return text;
}

}  // namespace qv::testing_support
