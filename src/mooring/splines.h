// Cubic and bicubic splines: the tension-strain curves of the line elements and the line tables
// over tension and depth layer. All values are 4-byte floats; arrays are passed as a pointer to
// their first entry and indexed from 1; abscissae must ascend.
//
// Two-dimensional tables have a fixed leading dimension of 90 (the table points of a depth layer):
// entry (j, k), the j-th value along X1A and the k-th along X2A, lies at (j - 1) + 90 (k - 1).
#pragma once

namespace qv {

// An end slope above this (1.0e30, say) asks for a natural end, zero second derivative.
inline constexpr float kNaturalEnd = 0.99e30f;

// Second derivatives Y2(1..N) of the cubic spline through (X, Y), N at most 500; YP1 and YPN are
// the end slopes, or above kNaturalEnd for natural ends.
void spline(const float* X, const float* Y, int N, float YP1, float YPN, float* Y2);

// Spline value Y at X (outside the table the end interval's cubic extrapolates). Two equal
// abscissae around X write "bad xa input in splint" and wait for Return (an unattended run, EDUNIT
// 41, writes it there and goes on); Y is then the lower tabulated value.
void splint(const float* XA, const float* YA, const float* Y2A, int N, float X, float& Y);

// Row-wise second derivatives of a table YA(M, N) along X2A (natural ends), N at most 100, M at
// most 90. X1A is not used.
void splie2(const float* X1A, const float* X2A, const float* YA, int M, int N, float* Y2A);

// Bicubic spline value Y at (X1, X2) from YA and its splie2 derivatives: each row is interpolated
// at X2, then a natural spline along X1 through those values at X1.
void splin2(const float* X1A, const float* X2A, const float* YA, const float* Y2A, int M, int N, float X1,
            float X2, float& Y);

// The spline through (TX, EY) with second derivatives E2 (a tension-strain curve of N points): its
// value and its slope at T. Two equal abscissae around T give the message of splint; the value is
// then the lower tabulated one and the slope 0.
float STRAIN_VAL(const float* TX, const float* EY, const float* E2, int N, float T);
float STRAIN_SLOPE(const float* TX, const float* EY, const float* E2, int N, float T);

}  // namespace qv
