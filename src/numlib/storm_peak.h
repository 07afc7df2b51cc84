// The most probable largest of a narrow-band motion's cycles in a storm: its standard deviation
// sigma times sqrt(2 ln N), N the cycles it makes in the storm at its mean frequency, at least
// kFewestStormCycles (below that the factor stays about 2, the significant amplitude). The one home
// of that rule: the low-frequency report's storm-peak factors of the three slow-drift modes (and the
// riser's judge, which takes the surge's before the report), the random-sea statistics' combined
// peaks (HPKVAL) and their debug listing, and the buoyant riser's keel motion (keelPeakAlong). The
// stages count and take the factor in 4 bytes; the riser's judge in 8, its second entry point.
#pragma once

namespace qv {

inline constexpr float kStormCyclesPerRadian = 573.0f;  // 3600 / 2 pi: storm hours times rad/s give cycles
inline constexpr float kFewestStormCycles = 7.4f;

// The cycles of a motion of mean frequency omega [rad/s] in a storm of `hours`, as counted in 4 bytes
// (573 hours omega, in that order); not yet held to the fewest.
float stormCycles(float hours, float omega);

// The cycles held to at least kFewestStormCycles, and the peak factor sqrt(2 ln N) of those cycles.
float countedStormCycles(float cycles);
float stormPeakFactor(float cycles);

// The same in 8 bytes: the cycles counted and the factor taken in double.
double stormPeakFactorExact(double hours, double omega);

}  // namespace qv
