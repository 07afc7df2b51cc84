// One-line functions on angles used wherever headings, phases and line angles occur: the phase of a
// complex response, reduction of angles to a standard range, sine and cosine from a tangent or a
// cotangent, an arc cosine that is safe at 0, and rounding to the nearest integer. All work in
// 4-byte floats; intermediate sums and products are formed in double and rounded on store, and the
// sum under a root is rounded to a 4-byte float before the root is taken.
#pragma once

#include <complex>
#include <cstdint>

namespace qv {

float PHASE(std::complex<float> Z);  // phase [deg]; +-90 by the sign of Im when Re is exactly 0
float REDDEG(float A);               // [deg] reduced to [0, 360)
float REDDEG2(float A);              // 0 stays 0; otherwise REDDEG(A + 359.9999): 360 gives 359.9999
float REDRAD(float A);               // [rad] reduced to [0, 2 pi)
float ANGSYM(float A);               // [rad] reduced to (-pi, pi]
float REDRAD_SYM(float A);           // [rad] reduced to [-pi, pi], both ends possible
float COSPHT(float T);               // cosine of the angle whose tangent is T
float SINPHT(float T);               // sine of the angle whose tangent is T
float SINPHI(float C);               // sine of the angle whose cotangent is C
float COSPHI(float C);               // cosine of the angle whose cotangent is C
float ARCCOS(float X);               // [rad] in [0, pi]; pi/2 at X = 0 without a root; |X| > 1 unguarded
std::int32_t IROUND(float X);        // nearest integer, halves away from zero

// Spends a little time for the busy wait of the console's delay: evaluates
// ARCCOS((n - 1) / cos n) and discards the result.
void CHEWIT(int n);

}  // namespace qv
