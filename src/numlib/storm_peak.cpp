#include "numlib/storm_peak.h"

#include <algorithm>
#include <cmath>

namespace qv {

float stormCycles(float hours, float omega) { return kStormCyclesPerRadian * hours * omega; }

float countedStormCycles(float cycles) { return cycles < kFewestStormCycles ? kFewestStormCycles : cycles; }

float stormPeakFactor(float cycles) { return std::sqrt(2.0f * std::log(countedStormCycles(cycles))); }

double stormPeakFactorExact(double hours, double omega) {
  const double cycles = std::max(static_cast<double>(kFewestStormCycles),
                                 static_cast<double>(kStormCyclesPerRadian) * hours * omega);
  return std::sqrt(2.0 * std::log(cycles));
}

}  // namespace qv
