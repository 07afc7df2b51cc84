// Values read off the text reports of a run, for the tests that hold them against values of their
// own: a number after its label, a row of a table, the low-frequency report's stable heading.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>
#include <vector>

namespace qv::testing_support {

// The number that follows `label` in `text` after the first `from`; where there is none, a failure
// of the test and NaN.
inline double numberAfter(const std::string& text, const std::string& from, const std::string& label) {
  const std::size_t start = text.find(from);
  const std::size_t at = start == std::string::npos ? start : text.find(label, start);
  if (at == std::string::npos) {
    ADD_FAILURE() << "no \"" << label << "\" after \"" << from << "\"";
    return NAN;
  }
  std::istringstream in(text.substr(at + label.size()));
  double value = NAN;
  in >> value;
  return value;
}

// The numbers of the first line of `text` after `heading` whose first word is `first`, that word left
// out; empty where there is no such line or no such heading.
inline std::vector<double> rowAfter(const std::string& text, const std::string& heading, const std::string& first) {
  const std::size_t at = text.find(heading);
  if (at == std::string::npos) return {};
  std::istringstream in(text.substr(at + heading.size()));
  std::string line;
  while (std::getline(in, line)) {
    std::istringstream words(line);
    std::string word;
    if (!(words >> word) || word != first) continue;
    std::vector<double> numbers;
    for (double v = 0.0; words >> v;) numbers.push_back(v);
    return numbers;
  }
  return {};
}

// The vessel heading of the most stable equilibrium in section IV of the low-frequency report
// "LOWOUT.stxt" [deg].
inline double stableVesselHeading(const std::string& lowout) {
  return numberAfter(lowout, ">>> Most stable equilibrium <<<", "Vessel heading .............................");
}

}  // namespace qv::testing_support
