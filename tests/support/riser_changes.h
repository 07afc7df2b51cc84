// The changes a buoyant riser's refusal names, read back from its text as a user reads them, for the
// tests that make each change as written: what it changes, by how much at least and at most, and how
// to make it in a data set.
#pragma once

#include <cstddef>
#include <functional>
#include <limits>
#include <regex>
#include <string>
#include <utility>
#include <vector>

#include "dataset/tpcm.h"

namespace qv::testing_support {

struct NamedChange {
  std::string what;  // "element 2", "the volume of element 2", "the depth", "the draft"
  double least = 0.0;
  double most = 0.0;  // infinity: "by at least"
  std::function<void(Tpcm&, float)> make;
  // Each range it names, rising: least to most (infinity: "at least"); one where it names no gap.
  std::vector<std::pair<double, double>> ranges{};
};

// The ranges of an amount's text: "3.75 to 70.00", "20.53 to 50.48 or 50.54 to 70.00", "21.09 to
// 50.98 or at least 51.04", "12.00".
inline std::vector<std::pair<double, double>> amountRanges(const std::string& text) {
  std::vector<std::pair<double, double>> ranges;
  const std::regex range(R"((at least )?([0-9]+\.[0-9]+)(?: to ([0-9]+\.[0-9]+))?)");
  for (auto it = std::sregex_iterator(text.begin(), text.end(), range); it != std::sregex_iterator(); ++it) {
    const double least = std::stod((*it)[2].str());
    const double most = (*it)[1].matched ? std::numeric_limits<double>::infinity()
                                         : (*it)[3].matched ? std::stod((*it)[3].str()) : least;
    ranges.emplace_back(least, most);
  }
  return ranges;
}

// The changes a refusal's text (its lines joined) names: each element's lengthening ("element 2 by
// at least 5.08 feet", "element 1 by 3.75 to 70.00 meters", "element 1 by 3.20 to 59.99 or 60.05 to
// 70.00 feet (between them ...)"), each raise of an element's volume ("raise the volume of element 1
// by at least 439.58 cubic meters or element 2 by at least 439.58 cubic meters (page 3, item 3)"),
// the keel lowered either way by one amount ("lower the keel by at least 4.10 feet: reduce the water
// depth (page 1, item 4) or deepen the draft (page 5, item 10)") or each way by its own ("lower the
// keel: reduce the water depth (page 1, item 4) by 8.10 to 70.00 feet or deepen the draft (page 5,
// item 10) by at least 8.10 feet").
inline std::vector<NamedChange> namedChanges(const std::string& text) {
  const std::string ranges = R"(((?:at least )?[0-9]+\.[0-9]+(?: to [0-9]+\.[0-9]+)?(?:(?:, | or )(?:at least )?[0-9]+\.[0-9]+(?: to [0-9]+\.[0-9]+)?)*))";
  const std::string clause = R"((?: \(between [^)]*\))?)";
  const std::string amount = "by " + ranges + " (?:feet|meters)" + clause;
  const std::string volume = "by " + ranges + " cubic (?:feet|meters)" + clause;
  const auto named = [](std::string what, const std::string& amounts, std::function<void(Tpcm&, float)> make) {
    NamedChange change{std::move(what), 0.0, 0.0, std::move(make), amountRanges(amounts)};
    if (!change.ranges.empty()) {
      change.least = change.ranges.front().first;
      change.most = change.ranges.back().second;
    }
    return change;
  };
  std::vector<NamedChange> changes;
  const std::regex element("element ([0-9]+) " + amount);
  for (auto it = std::sregex_iterator(text.begin(), text.end(), element); it != std::sregex_iterator(); ++it) {
    const int k = std::stoi((*it)[1].str());
    changes.push_back(named("element " + std::to_string(k), (*it)[2].str(), [k](Tpcm& t, float x) { t.SLEN(k) += x; }));
  }
  // The raises follow "raise the volume of" (capitalised first), one element after another, "or" between.
  std::smatch raises;
  if (std::regex_search(text, raises, std::regex(R"([Rr]aise the volume of (.*?) \(page 3, item 3\))"))) {
    const std::string list = raises[1].str();
    const std::regex raise("element ([0-9]+) " + volume);
    for (auto it = std::sregex_iterator(list.begin(), list.end(), raise); it != std::sregex_iterator(); ++it) {
      const int k = std::stoi((*it)[1].str());
      changes.push_back(
          named("the volume of element " + std::to_string(k), (*it)[2].str(), [k](Tpcm& t, float x) { t.BUOY(k) += x; }));
    }
  }
  const auto depth = [](Tpcm& t, float x) { t.DEPTH -= x; };
  const auto draft = [](Tpcm& t, float x) { t.DRAFT += x; };
  std::smatch m;
  if (std::regex_search(text, m, std::regex("lower the keel " + amount + ": ([a-z (),0-9]+)"))) {
    if (m[2].str().find("reduce the water depth") != std::string::npos) changes.push_back(named("the depth", m[1].str(), depth));
    if (m[2].str().find("deepen the draft") != std::string::npos) changes.push_back(named("the draft", m[1].str(), draft));
  }
  if (std::regex_search(text, m, std::regex(R"(reduce the water depth \(page 1, item 4\) )" + amount)))
    changes.push_back(named("the depth", m[1].str(), depth));
  if (std::regex_search(text, m, std::regex(R"(deepen the draft \(page 5, item 10\) )" + amount)))
    changes.push_back(named("the draft", m[1].str(), draft));
  return changes;
}

}  // namespace qv::testing_support
