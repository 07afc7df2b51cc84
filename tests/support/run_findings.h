// The findings of the run checks as one text, for comparing whole messages: each finding a line
// "[fatal]" or "[warning]" and then its lines. And the findings of one kind among them all, for the
// tests of one check on a data set that raises others too.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "dataset/run_checks.h"

namespace qv::testing_support {

inline std::string findingsText(const std::vector<RunFinding>& findings) {
  std::string text;
  for (const RunFinding& f : findings) {
    text += f.fatal ? "[fatal]\n" : "[warning]\n";
    for (const std::string& line : f.lines) text += line + "\n";
  }
  return text;
}

// The findings whose first line holds `part`.
inline std::vector<RunFinding> findingsNaming(const std::vector<RunFinding>& findings, std::string_view part) {
  std::vector<RunFinding> named;
  for (const RunFinding& f : findings)
    if (f.lines.front().find(part) != std::string::npos) named.push_back(f);
  return named;
}

}  // namespace qv::testing_support
