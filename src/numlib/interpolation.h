// Table lookup in two steps: a bisection search finds the interval of a monotonic table that holds a
// value, and linear interpolation evaluates a second table over that interval (extrapolating outside
// it). The layered-profile routines do the same on a profile blended between two columns of a table
// of 90 points per column: point i of the blend is (1 - F) Z(i) + F Z(i + 90).
//
// Tables are passed as a pointer to their first entry and indexed from 1. The interpolation
// routines test nothing: the caller supplies I (as a rule from a search) and X(I+1) != X(I).
#pragma once

#include <complex>

namespace qv {

inline constexpr int kLayerPoints = 90;  // points per column of a blended profile table

// YVAL = Y(I) + (XVAL - X(I)) / (X(I+1) - X(I)) (Y(I+1) - Y(I)).
void INTERP(const float* X, const float* Y, float XVAL, float& YVAL, int I);
// The same with a complex ordinate.
void CINTRP(const float* X, const std::complex<float>* Y, float XVAL, std::complex<float>& YVAL, int I);

// Bisection search of XV in X(1..N), ascending or descending (X(1) = X(N) counts as ascending).
// IOUT 0 inside [min, max] of the ends (ends included), 1 below, 2 above. IL in 1..N-1 (1 for N of 1
// or 2) with XV between X(IL) and X(IL+1); outside the table the end interval. A value equal to an
// inner entry lies at the larger-valued end of the interval found.
void BSRCH(const float* X, float XV, int& IOUT, int& IL, int N);
// The same search for line tables (N >= 3), with the direction taken from the inner points X(2),
// X(N-1) and a check of the end steps: IOUT -1 when the first step runs against the direction,
// else -2 when the last one does, else the range code of BSRCH. IL is found in every case.
void BSRCH_MOOR(const float* X, float XV, int& IOUT, int& IL, int N);

// Blend of A(1) and A(91): (1 - F) A(1) + F A(91). With F = 0 the blended routines read the first
// column only, so a table's last column can be read unblended.
float MIDLAY(const float* A, float F);
double MDLYDP(const double* A, double F);

// Bisection in the blended profile MIDLAY(Z(i), F), i = 1..N. IER from the plain first column's end
// values: 2 when ZVAL is above both, 1 when below both, else 0. ILO in 1..N-1.
void BSRCHQ(const float* Z, float F, float ZVAL, int& IER, int& ILO, int N);
void BSRCDP(const double* Z, double F, double ZVAL, int& IER, int& ILO, int N);

// Linear interpolation between points I and I+1 of blended tables: Q blends abscissa and ordinate,
// R only the abscissa, S only the ordinate.
void INTRPQ(const float* Z, const float* V, float ZVAL, float& VAL, int I, float F);
void INTRPR(const float* Z, const float* V, float ZVAL, float& VAL, int I, float F);
void INTRPS(const float* Z, const float* V, float ZVAL, float& VAL, int I, float F);
void INTDPQ(const double* Z, const double* V, double ZVAL, double& VAL, int I, double F);
void INTDPR(const double* Z, const double* V, double ZVAL, double& VAL, int I, double F);
void INTDPS(const double* Z, const double* V, double ZVAL, double& VAL, int I, double F);

}  // namespace qv
