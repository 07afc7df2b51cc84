// Integration of a function over a finite interval by successive halving of the trapezoid rule with
// Romberg extrapolation (QATR), and the weights of Simpson's rule for callers that sum tabulated
// values themselves (SEIVE, SMPFAC).
#pragma once

#include "numlib/function_ref.h"

namespace qv {

// Result codes of QATR.
inline constexpr int kQuadConverged = 0;
inline constexpr int kQuadRoundoff = 1;       // the change stopped decreasing; previous level's value
inline constexpr int kQuadNoConvergence = 2;  // NDIM < 2, or NDIM levels (or float resolution) used up

// Y = integral of FCT from XL to XU (XU < XL gives the negated integral). EPS is an absolute
// tolerance on the integral: the change of the extrapolated value between levels, times |XU - XL|.
// NDIM is the most halving levels and the length of the caller's work array AUX, which holds on
// return the extrapolation table of the last level (AUX(1) the integral divided by XU - XL). At least
// five levels are used when NDIM >= 5. FCT receives private copies of every abscissa. A function
// value that is not finite ends the integration with kQuadNoConvergence.
void QATR(float XL, float XU, float EPS, int NDIM, RealFunction FCT, float& Y, int& IER, float* AUX);

// Simpson weight W of point I over the points I1..IN: 1 at either end, else 4 when I - I1 is odd
// and 2 when it is even.
void SEIVE(int I, int I1, int IN, float& W);
// Simpson weight W of point I over the points 1..N (N odd): 4 for even I, 1 for I = 1 or N, else 2.
void SMPFAC(int I, int N, float& W);

}  // namespace qv
