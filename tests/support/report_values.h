// Values read off the text reports of a run, for the tests that hold them against values of their
// own: a number after its label, a row of a table, the low-frequency report's stable heading; and
// two reports compared number by number.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <regex>
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

// The numbers of two reports agree to their last printed digit (or differ by no more than `floor`,
// for values that are zero but for rounding noise), and the text around them is the same but for
// the blanks that align the numbers.
inline ::testing::AssertionResult sameToPrintPrecision(const std::string& a, const std::string& b,
                                                       double floor = 0.0) {
  static const std::regex number(R"([-+]?[0-9]*\.?[0-9]+(?:[Ee][-+]?[0-9]+)?)");
  std::sregex_token_iterator pa(a.begin(), a.end(), number, {-1, 0});
  std::sregex_token_iterator pb(b.begin(), b.end(), number, {-1, 0});
  const std::sregex_token_iterator end;
  const auto withoutBlanks = [](std::string text) {
    text.erase(std::remove(text.begin(), text.end(), ' '), text.end());
    return text;
  };
  int index = 0;
  for (; pa != end && pb != end; ++pa, ++pb, ++index) {
    const std::string x = *pa;
    const std::string y = *pb;
    const bool isNumber = index % 2 == 1;
    if (!isNumber) {
      if (withoutBlanks(x) != withoutBlanks(y)) {
        return ::testing::AssertionFailure() << "text \"" << x << "\" against \"" << y << "\"";
      }
      continue;
    }
    // One unit of the last printed digit, in the exponent the number carries.
    const std::size_t e = x.find_first_of("Ee");
    const std::string mantissa = x.substr(0, e);
    const std::size_t dot = mantissa.find('.');
    const int decimals = dot == std::string::npos ? 0 : static_cast<int>(mantissa.size() - dot - 1);
    const int exponent = e == std::string::npos ? 0 : std::stoi(x.substr(e + 1));
    const double unit = std::pow(10.0, exponent - decimals);
    if (std::fabs(std::stod(x) - std::stod(y)) > std::max(1.01 * unit, floor)) {
      return ::testing::AssertionFailure() << x << " against " << y << " (number " << index / 2 + 1 << ")";
    }
  }
  if (pa != end || pb != end) return ::testing::AssertionFailure() << "the reports differ in length";
  return ::testing::AssertionSuccess();
}

}  // namespace qv::testing_support
