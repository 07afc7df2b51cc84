#include "numlib/table_span.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "util/fatal.h"
#include "util/fortran_format.h"

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

void stopHeadingOutsideTable(const HeadingOutsideTable& c) {
  const std::string lines[] = {
      "",
      " ++> User file \"" + std::string(c.file) + "\": its headings run from " + messageValue(c.lowestDeg) + " to " +
          messageValue(c.highestDeg) + " deg, less than a whole turn;",
      "     the analysis needs " + messageValue(c.headingDeg) + " deg there (" + std::string(c.what) +
          "), and a table is not extrapolated.",
      "     Give the table a whole turn of headings, 0 to 360.",
      ""};
  fatalStop(c.routine, c.unit, std::span<const std::string>(lines), FatalWait::kPressReturn, c.inUnit);
}

std::vector<std::string> frequencyOutsideTableLines(const FrequencyOutsideTable& c) {
  std::vector<std::string> lines = {
      "", " ++> Warning: Frequency outside user-supplied " + std::string(c.table) + " range:",
      "     \"" + std::string(c.file) + "\" holds " + messageValue(c.lowest) + " to " + messageValue(c.highest) +
          " rad/s; the run needs " + messageValue(c.frequency) + " rad/s here" + (c.gridPoints < 1 ? "." : ",")};
  if (c.gridPoints >= 1) {
    lines.push_back("     and " + messageValue(c.gridLowest) + " to " + messageValue(c.gridHighest) +
                    " rad/s over its wave periods (page 14, item 2).");
  }
  lines.push_back("     Extend the table over the run's frequencies, or choose wave periods within its range;");
  lines.push_back("     \"continue\" to extrapolate outside available range.");
  return lines;
}

}  // namespace qv
