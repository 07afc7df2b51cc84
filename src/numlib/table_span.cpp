#include "numlib/table_span.h"

#include <algorithm>
#include <cmath>

namespace qv {

std::optional<float> headingWithinTable(const float* X, int N, float h, float turn) {
  const double lowest = std::min(X[0], X[N - 1]);
  const double highest = std::max(X[0], X[N - 1]);
  // A thousandth of a degree: the headings of a whole turn, read in degrees and turned into radians
  // in single precision, may span a turn short by a few rounding steps.
  const double slack = turn / 360000.0;
  const double heading = h;
  if (heading >= lowest - slack && heading <= highest + slack) return h;
  // Into [lowest, lowest + turn), then within the span, its ends a rounding step either way held.
  double within = heading - std::floor((heading - lowest) / turn) * turn;
  if (within > highest + slack && within - turn >= lowest - slack) within -= turn;
  if (within < lowest - slack || within > highest + slack) return std::nullopt;
  return static_cast<float>(std::clamp(within, lowest, highest));
}

}  // namespace qv
