// Small vector, matrix and complex algebra used by the member geometry, hull forces, response
// operators and SALM dynamics. Twins by element type: 4-byte float, 8-byte float (D in the name) and
// complex (a pair of 4-byte floats, real part first; C or CX in the name).
//
// Arrays are passed as a pointer to their first element, as a caller holding an Arr passes
// `a.data()` or `&a(1, j)`. Matrices are stored by columns: element (i, j) of a matrix with N rows is
// element (j - 1) N + i. Nothing is allocated; results go to the caller's arrays. The matrix
// products accumulate each result element in double precision and round it to its own type after
// every term; the small vector functions round once at the end.
#pragma once

#include <complex>

namespace qv {

using Complex = std::complex<float>;  // layout: real part, imaginary part, 4 bytes each

// R(N,L) = A(N,M) B(M,L). No checks; R is overwritten and must not overlap A or B.
void GMPRD(const float* A, const float* B, float* R, int N, int M, int L);
void DGMPRD(const double* A, const double* B, double* R, int N, int M, int L);
void CGMPRD(const Complex* A, const Complex* B, Complex* R, int N, int M, int L);
void GMPDCX(const float* A, const Complex* B, Complex* R, int N, int M, int L);

// R(M,L) = transpose(A(N,M)) B(N,L). No checks; R must not overlap A or B.
void GTPRD(const float* A, const float* B, float* R, int N, int M, int L);
void DGTPRD(const double* A, const double* B, double* R, int N, int M, int L);
void GTPDCX(const float* A, const Complex* B, Complex* R, int N, int M, int L);

// W = A V for an N by N matrix, N at most 6; the input vector is copied first, so W may be V.
// N above 6 is an internal error: message on IUNIT, a wait for Return (not on unit 41), stop.
void MATPRD(const float* A, const float* V, float* W, int N, int IUNIT);
void CMATPD(const float* A, const Complex* X, Complex* Y, int N, int IUNIT);

// 3-vectors.
void XPROD(const float* A, const float* B, float* C);            // C = A x B (C may be A or B)
void CXPROD(const float* A, const Complex* B, Complex* C);        // C = A x B, complex B (C may be B)
float DOTP(const float* A, const float* B);
double DDOTP(const double* A, const double* B);
Complex CXDOTP(const Complex* A, const float* B);                // sum of A(i) B(i)
float VMOD(const float* V);                                      // length; 0 for a zero vector
float CVMOD(const Complex* C);                                   // sqrt(|C1|^2 + |C2|^2 + |C3|^2)
// Length XLEN of the segment P1 -> P2 and the axis it runs along: IAXIS 1, 2 or 3 when its
// direction cosine on that axis exceeds 0.98 (within about 11.5 degrees), else 4 (also for a point).
void VECLEN(const float* P2, const float* P1, float& XLEN, int& IAXIS);
// U = V / |V| with each component clamped to [-1, 1]; a zero vector gives (1, 0, 0). U may be V.
void UNITIZ(const float* V, float* U);
// U = C / CVMOD(C); a zero vector gives all zeros. No clamping.
void CUNITIZ(const Complex* C, Complex* U);
// Unit vector from spherical angles [rad]: (sin THETA cos PHI, sin THETA sin PHI, cos THETA).
void RCTNGL(float THETA, float PHI, float* V);
// Inverse of RCTNGL: length R, THETA in [0, pi], PHI in (-pi, pi] [rad]; angles 0 where undefined.
void POLAR(const float* V, float& R, float& THETA, float& PHI);

// Complex scalars.
float ABS2(Complex C);               // Re^2 + Im^2, no root
void CEXLIM(Complex& Z, float XLIM);  // limits |Re(Z)| to XLIM, sign kept; Im unchanged

}  // namespace qv
