// The findings of the run checks as one text, for comparing whole messages: each finding a line
// "[fatal]" or "[warning]" and then its lines.
#pragma once

#include <string>
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

}  // namespace qv::testing_support
