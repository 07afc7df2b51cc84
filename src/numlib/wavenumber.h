// Linear wave theory the rest of the system relies on: the wave number of a wave of given frequency
// in water of given depth (the dispersion relation omega^2 = g k tanh(k h), solved with RTMI1), the
// largest slope of a wave of given height, and the normalising factor of the JONSWAP spectrum for
// given peak widths and peak-enhancement factor (two integrals by QATR).
//
// The two objective functions take their parameters in the small blocks LOCALCS and LOCALJ, which
// WAVVEC and JONSVAL fill and hand to the solver in a lambda's capture: no parameter lives outside
// the call, so a wave-number search inside another solver's objective disturbs nothing.
#pragma once

#include <cstdint>

namespace qv {

// Parameters of the dispersion residual DISPRS.
struct Localcs {
  float OMEGA2;  // nondimensional frequency squared, omega^2 h / g
};

// Parameters of the JONSWAP integrand JONINT.
struct Localj {
  float PVAL;           // peak width (sigma) of the branch being integrated
  float GAM;            // peak-enhancement factor gamma
  std::int32_t BRANCH;  // 1 below the peak, 2 above
};

// Y = k h, the root of Y tanh(Y) = P^2, for P = omega sqrt(h / g) (callers pass WCONST times omega).
// A failure of the root search is an internal error: message on the console, a wait, stop.
void WAVVEC(float P, float& Y);
// The same search with its result code handed back (kRootFound, or the failure code of RTMI1) instead
// of a stop: for the checks of a data set, which report a failure and go on.
void WAVVEC(float P, float& Y, int& IER);
// The residual OMEGA2 - X tanh(X) of X = k h.
float DISPRS(const Localcs& LOCALCS, float& X);
// VAL times 28.65 k, k the wave number of period T [s] in depth H with gravity G (consistent units):
// a wave height becomes the largest slope of that wave [deg] (k Hw / 2 rad).
void CNHTSP(float& VAL, float T, float H, float G);
// The same with the wave-number search's result code handed back instead of a stop; VAL is left
// unchanged unless IER is kRootFound.
void CNHTSP(float& VAL, float T, float H, float G, int& IER);

// ALPHA, the JONSWAP scale factor for the peak widths SIGA (below the peak) and SIGB (above) and the
// peak-enhancement factor GAMMA: the integral of x^-5 exp(-1.25 x^-4) GAMMA^r(x) over the frequency
// ratio x, r the peak-enhancement exponent (0.2 for GAMMA = 1). Messages go to IUNIT; a failure
// that cannot be fixed by adapting the tolerance stops the run.
void JONSVAL(float SIGA, float SIGB, float GAMMA, float& ALPHA, std::int32_t IUNIT);
// The integrand of JONSVAL over the enhancement exponent U in [0, 1].
float JONINT(const Localj& LOCALJ, float& U);

}  // namespace qv
