#include "dataset/run_checks.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "dataset/tpcm.h"
#include "util/fortran_format.h"
#include "dataset/builtin_current_rows.h"
#include "dataset/value_ranges.h"

namespace qv {

namespace {

void addYokeAngle(std::vector<RunFinding>& findings) {
  if (auto finding = yokeAngleFinding()) findings.push_back(*finding);
}

// The element that pierces the water surface, when it is one of the column's free members (the
// statics take the leading frozen elements as the base, and member 1 starts at the first free
// element, or at the last element when none is free); 0 when none is.
std::int32_t piercingMemberElement() {
  const Tpcm& t = TPCM;
  const int n = std::clamp(t.NELEM, 0, kMaxSalmElements);
  if (n == 0) return 0;
  int first = n;
  for (int k = 1; k <= n; ++k) {
    if (t.IFREE(k) != 0) {
      first = k;
      break;
    }
  }
  return t.IPIERC >= first && t.IPIERC <= n ? t.IPIERC : 0;
}

void addPiercingRiser(std::vector<RunFinding>& findings) {
  if (auto finding = piercingRiserFinding()) findings.push_back(*finding);
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

std::optional<RunFinding> piercingRiserFinding() {
  const std::int32_t element = piercingMemberElement();
  if (TPCM.IARCO != kBuoyantRiser || element == 0) return std::nullopt;
  return RunFinding{true,
                    {" ++> Fatal Warning: Buoyant riser with element " + fmtI(element, 0) +
                         " piercing the water surface:",
                     "     the statics hold the riser's top at the vessel's keel, under water.",
                     "     Submerge the whole system (option 7 or 8, page 3, then page 2 shows no",
                     "     piercing element) or choose another attachment."}};
}

std::vector<RunFinding> runFindings() {
  std::vector<RunFinding> findings;
  // The values first: a run stops at them before any later finding reads a value that is no number.
  valueRangeFindings(findings);
  addYokeAngle(findings);
  addBuiltinCurrentFindings(findings);
  addPiercingRiser(findings);
  return findings;
}

}  // namespace qv
