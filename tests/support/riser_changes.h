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
};

// The changes a refusal's text (its lines joined) names: each element's lengthening ("element 2 by
// at least 5.08 feet", "element 1 by 3.75 to 70.00 meters"), each raise of an element's volume
// ("raise the volume of element 1 by at least 439.58 cubic meters or element 2 by at least 439.58
// cubic meters (page 3, item 3)"), the keel lowered either way by one amount ("lower the keel by at
// least 4.10 feet: reduce the water depth (page 1, item 4) or deepen the draft (page 5, item 10)")
// or each way by its own ("lower the keel: reduce the water depth (page 1, item 4) by 8.10 to 70.00
// feet or deepen the draft (page 5, item 10) by at least 8.10 feet").
inline std::vector<NamedChange> namedChanges(const std::string& text) {
  const std::string amount = R"(by (at least )?([0-9.]+)(?: to ([0-9.]+))? (?:feet|meters))";
  const std::string volume = R"(by (at least )?([0-9.]+)(?: to ([0-9.]+))? cubic (?:feet|meters))";
  const auto range = [](const std::smatch& m, std::size_t at) {
    const double least = std::stod(m[at + 1].str());
    return std::pair{least, m[at].matched ? std::numeric_limits<double>::infinity() : std::stod(m[at + 2].str())};
  };
  std::vector<NamedChange> changes;
  const std::regex element("element ([0-9]+) " + amount);
  for (auto it = std::sregex_iterator(text.begin(), text.end(), element); it != std::sregex_iterator(); ++it) {
    const int k = std::stoi((*it)[1].str());
    const auto [least, most] = range(*it, 2);
    changes.push_back({"element " + std::to_string(k), least, most, [k](Tpcm& t, float x) { t.SLEN(k) += x; }});
  }
  // The raises follow "raise the volume of" (capitalised first), one element after another, "or" between.
  std::smatch raises;
  if (std::regex_search(text, raises, std::regex(R"([Rr]aise the volume of (.*?) \(page 3, item 3\))"))) {
    const std::string list = raises[1].str();
    const std::regex raise("element ([0-9]+) " + volume);
    for (auto it = std::sregex_iterator(list.begin(), list.end(), raise); it != std::sregex_iterator(); ++it) {
      const int k = std::stoi((*it)[1].str());
      const auto [least, most] = range(*it, 2);
      changes.push_back(
          {"the volume of element " + std::to_string(k), least, most, [k](Tpcm& t, float x) { t.BUOY(k) += x; }});
    }
  }
  const auto depth = [](Tpcm& t, float x) { t.DEPTH -= x; };
  const auto draft = [](Tpcm& t, float x) { t.DRAFT += x; };
  std::smatch m;
  if (std::regex_search(text, m, std::regex("lower the keel " + amount + ": ([a-z (),0-9]+)"))) {
    const auto [least, most] = range(m, 1);
    if (m[4].str().find("reduce the water depth") != std::string::npos) changes.push_back({"the depth", least, most, depth});
    if (m[4].str().find("deepen the draft") != std::string::npos) changes.push_back({"the draft", least, most, draft});
  }
  if (std::regex_search(text, m, std::regex(R"(reduce the water depth \(page 1, item 4\) )" + amount))) {
    const auto [least, most] = range(m, 1);
    changes.push_back({"the depth", least, most, depth});
  }
  if (std::regex_search(text, m, std::regex(R"(deepen the draft \(page 5, item 10\) )" + amount))) {
    const auto [least, most] = range(m, 1);
    changes.push_back({"the draft", least, most, draft});
  }
  return changes;
}

}  // namespace qv::testing_support
