// The one-dimensional root finder of the whole system (wave numbers, the tanker estimator, catenary
// and line solvers, statics and slow-drift equilibria): bisection steps mixed with inverse parabolic
// interpolation inside a bracketing interval, with an abscissa tolerance and an optional tolerance on
// function values. BRACKT finds, in an unordered sequence, the first pair of neighbours that
// brackets a value.
//
// Every solve keeps all its working state in its own call, so an objective function may itself run
// a solve (the tower height of the statics is solved by RTMI1 and calls RTMI2 inside; the line code
// nests RTMI1D and RTMI2D). The second entry point of each pair is the same routine under the name
// its callers use. One search, a template over the precision, serves these 4-byte entry points and
// the 8-byte finder of the vertical lines (RTMIDP).
#pragma once

#include "numlib/function_ref.h"

namespace qv {

// Result codes of the root finders.
inline constexpr int kRootFound = 0;
inline constexpr int kRootNotConverged = 1;   // X, F: the bracket end with the smaller |F|
inline constexpr int kRootNotBracketed = 2;   // X, F: XRI and FCT(XRI)

// Finds X in the interval XLI..XRI (either order) where FCT changes sign.
//  X, F   out: the root and FCT there. X also holds each trial abscissa while FCT runs; FCT itself
//         receives a private copy, which it may alter. Whatever the result code, the latest call of
//         FCT was made at the returned X, so state that FCT leaves behind belongs to that point.
//  EPS    abscissa tolerance: absolute for points of magnitude up to 1, relative above.
//  EPSF   function-value tolerance; 0 or below switches the test off.
//  IEND   most steps of one bisection loop, and most interpolation steps.
//  IER    out: kRootFound, kRootNotConverged or kRootNotBracketed. A function value that is not
//         finite (at an end: kRootNotBracketed; later: kRootNotConverged) and a bracket too narrow to
//         halve in 4-byte floats end the search with its code instead of stepping on.
void RTMI1(float& X, float& F, RealFunction FCT, float XLI, float XRI, float EPS, float EPSF, int IEND,
           int& IER);
void RTMI2(float& X, float& F, RealFunction FCT, float XLI, float XRI, float EPS, float EPSF, int IEND,
           int& IER);
// The same with an objective of 8-byte result, rounded to 4 bytes on receipt.
void RTMI1D(float& X, float& F, RealFunctionD FCT, float XLI, float XRI, float EPS, float EPSF,
            int IEND, int& IER);
void RTMI2D(float& X, float& F, RealFunctionD FCT, float XLI, float XRI, float EPS, float EPSF,
            int IEND, int& IER);

// The objective of an 8-byte search: a double of one double.
using DoubleFunction = FunctionRef<double(double)>;

// The search behind every root finder above and RTMIDP, at the precision Real (float or double):
// every stored value is a Real, sums and products are formed in double. Arguments, result codes and
// rules as for RTMI1, and
//  passes  out: the number of outer passes begun (each a bisection loop; after the first, each
//          follows an interpolation step); 0 when an end of the interval settles the search.
// Instantiated for float with RealFunction and RealFunctionD, for double with DoubleFunction.
template <class Real, class Objective>
void rootSearch(Real& X, Real& F, Objective FCT, Real XLI, Real XRI, Real EPS, Real EPSF, int IEND, int& IER,
                int& passes);

// Searches X(N1..N2) (1-based, any order of values) for the first neighbours with
// X(I) <= XVAL < X(I+1) or X(I) >= XVAL > X(I+1): IER 0 and IPOS = I. Otherwise IER 2 when XVAL is
// above every value, 1 when below every one, and IER 0 with IPOS at the extreme it equals (the
// first index that reached it, or N2). IPOS is left unchanged for IER 1 and 2.
void BRACKT(const float* X, float XVAL, int& IER, int& IPOS, int N1, int N2);

}  // namespace qv
