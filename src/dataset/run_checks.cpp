#include "dataset/run_checks.h"

#include <cmath>
#include <numbers>

#include "dataset/tpcm.h"
#include "util/fortran_format.h"
#include "dataset/builtin_current_rows.h"

namespace qv {

namespace {

void addYokeAngle(std::vector<RunFinding>& findings) {
  if (auto finding = yokeAngleFinding()) findings.push_back(*finding);
}

}  // namespace

std::optional<RunFinding> yokeAngleFinding() {
  const Tpcm& t = TPCM;
  if (t.IARCO == kFreeSalm || t.FRESLM != 0) return std::nullopt;
  // Any whole number of turns away from pi is the same yoke.
  const double turn = std::remainder(static_cast<double>(t.YOKVES) - kInLineYokeAngle, 2.0 * std::numbers::pi);
  if (std::fabs(turn) <= kYokeAngleTolerance) return std::nullopt;
  return RunFinding{false,
                    {" ++> Warning: the yoke-vessel angle YOKVES is" + fmtF(t.YOKVES, 9, 4) + " rad, where" +
                         fmtF(kInLineYokeAngle, 7, 4) + " puts the",
                     "     yoke in line with the SALM as the statics model it; the later stages would",
                     "     turn the yoke" + fmtF(static_cast<float>(turn), 8, 4) +
                         " rad out of line (0 folds it back over the buoy)."}};
}

std::vector<RunFinding> runFindings() {
  std::vector<RunFinding> findings;
  addYokeAngle(findings);
  addBuiltinCurrentFindings(findings);
  return findings;
}

}  // namespace qv
