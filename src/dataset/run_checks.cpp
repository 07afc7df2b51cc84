#include "dataset/run_checks.h"

#include "dataset/builtin_current_rows.h"

namespace qv {

std::vector<RunFinding> runFindings() {
  std::vector<RunFinding> findings;
  addBuiltinCurrentFindings(findings);
  return findings;
}

}  // namespace qv
