// The elements of a line that hangs vertically, and the double-precision root finder of the
// vertical and taut-wire lines (the vertical line solver VRTLIN and the taut-wire subline length
// TENDNDP).
//
// A vertical line carries at each height the tension at its lower end plus the weight of the line
// below. An element of weight w per unit length [kip/ft | t/m] whose tension runs from T1 at its
// lower end to T2 at its top, with the strain law e(T) = a1 T + a2 T^2 + a3 T^3, stretches to
// (F(T2) - F(T1)) / w, F(T) = T + a1 T^2 / 2 + a2 T^3 / 3 + a3 T^4 / 4 being the integral of 1 + e
// over tension; a weightless element under a uniform tension T stretches by the factor 1 + e(T).
//
// Arrays are passed as a pointer to their first entry and indexed from 1; the strain coefficients
// of one element are three doubles a1, a2, a3.
#pragma once

#include "numlib/roots.h"

namespace qv {

// T = TB + sum over k = I..N of W(k) LEN(k): the tension at the top of element I of a vertical line
// whose element N carries TB at its lower end. N2 is the element count once more and not used.
void DTKLTN(const double* LEN, const double* W, int I, int N, int N2, double& T, double TB);

// (x + a1 x^2 / 2 + a2 x^3 / 3 + a3 x^4 / 4) / W with x = |T|: the stretched length of a vertical
// element of weight W per unit length from tension 0 up to T.
double SFNCDP(const double* A, double T, double W);

// 1 + a1 x + a2 x^2 + a3 x^3 with x = |T|: the stretch factor at tension T.
double SFCDP2(const double* A, double T);

// Root X of FCT between XLI and XRI, in double precision: numlib's root search (rootSearch) at
// 8 bytes, with the function-value tolerance tied to the abscissa's; F = FCT(X).
//  EPS   abscissa tolerance, relative above magnitude 1; the function values at the two ends of the
//        final bracket, and the value at an interpolated point, must also be within 100 EPS.
//  IEND  most steps of one bisection loop, and most interpolation passes.
//  IER   out: 0 converged (or FCT exactly 0 at an end or a trial point); 1 not converged within
//        IEND steps, or a bracket too narrow to halve (X, F the end of the last bracket with the
//        smaller |F|); 2 FCT has the same sign at both ends (X = XRI, F = FCT(XRI)). A value of FCT
//        that is not finite ends the search: at an end with code 2, later with code 1.
//  ITER  out: the number of bisection loops begun.
// All working state is local: FCT may itself run another search. Whatever the result code, the
// latest call of FCT was made at the returned X.
void RTMIDP(double& X, double& F, DoubleFunction FCT, double XLI, double XRI, double EPS, int IEND, int& IER,
            int& ITER);

}  // namespace qv
