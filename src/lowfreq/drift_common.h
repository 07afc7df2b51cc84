// What the wave-drift, drift-force and column-stabilised drag routines share: the size of their
// work arrays, the current speed of the data set in the length unit per second, and the hull's
// horizontal relative motion of one wave system looked up at a wave number.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string_view>

namespace qv {

inline constexpr int kGridPoints = 100;  // capacity of the wave grid, the size of every work array

// Y at x by linear interpolation in the table X(1..N) (monotonic, either way), extrapolating from
// its end intervals; range out: BSRCH's code (0 inside, 1 below, 2 above the table).
float tableValue(const float* X, const float* Y, int N, float x, int& range);
float tableValue(const float* X, const float* Y, int N, float x);

// A warning of the drift and drag models: its lines on TPCM EDUNIT, then the abort question ("A"
// stops the run; an unattended run goes on).
void warnWithAbortQuestion(std::string_view routine, std::initializer_list<std::string_view> lines);

// CURSPD [kn] in ft/s (NUNTS 0) or m/s (otherwise).
float currentSpeed(float knots);

// Column waveSystem (1 sea, 2 swell, 3 second swell) of PASCOM RLRAOH2 at wave number k: linear in
// WAVCOM WVK between grid points; off the grid the value at its nearer end (the grid's wave numbers
// fall with the index, so a k below the grid takes grid point NWP, one above it grid point 1).
float relativeMotionAt(float k, std::int32_t waveSystem);

}  // namespace qv
