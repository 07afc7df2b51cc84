#include "numlib/algebra.h"

#include <cmath>
#include <string>
#include <type_traits>

#include "platform/stop.h"
#include "platform/units.h"
#include "util/fatal.h"

namespace qv {

namespace {

constexpr int kMaxSquare = 6;  // largest matrix of MATPRD and CMATPD

// One term added to a float accumulator: the sum is formed in double and rounded on store.
inline void addTerm(float& sum, double term) { sum = static_cast<float>(sum + term); }

inline void addTerm(Complex& sum, double re, double im) {
  sum = Complex(static_cast<float>(sum.real() + re), static_cast<float>(sum.imag() + im));
}

// Product terms of a float and a complex value, and of two complex values, in double.
inline double reOf(float a, Complex b) { return static_cast<double>(a) * b.real(); }
inline double imOf(float a, Complex b) { return static_cast<double>(a) * b.imag(); }
inline double reOf(Complex a, Complex b) {
  return static_cast<double>(a.real()) * b.real() - static_cast<double>(a.imag()) * b.imag();
}
inline double imOf(Complex a, Complex b) {
  return static_cast<double>(a.real()) * b.imag() + static_cast<double>(a.imag()) * b.real();
}

// R(N,L) = A(N,M) B(M,L), column by column, each sum over k in increasing order.
template <class TA, class TB, class TR>
void matrixProduct(const TA* A, const TB* B, TR* R, int N, int M, int L) {
  for (int j = 1; j <= L; ++j) {
    for (int i = 1; i <= N; ++i) {
      TR sum{};
      for (int k = 1; k <= M; ++k) {
        const TA& a = A[(k - 1) * N + (i - 1)];
        const TB& b = B[(j - 1) * M + (k - 1)];
        if constexpr (std::is_same_v<TR, Complex>) {
          addTerm(sum, reOf(a, b), imOf(a, b));
        } else if constexpr (std::is_same_v<TR, double>) {
          sum += a * b;
        } else {
          addTerm(sum, static_cast<double>(a) * b);
        }
      }
      R[(j - 1) * N + (i - 1)] = sum;
    }
  }
}

// R(M,L) = transpose(A(N,M)) B(N,L): element (i, j) sums A(k, i) B(k, j) over k = 1..N.
template <class TA, class TB, class TR>
void transposeProduct(const TA* A, const TB* B, TR* R, int N, int M, int L) {
  for (int j = 1; j <= L; ++j) {
    for (int i = 1; i <= M; ++i) {
      TR sum{};
      for (int k = 1; k <= N; ++k) {
        const TA& a = A[(i - 1) * N + (k - 1)];
        const TB& b = B[(j - 1) * N + (k - 1)];
        if constexpr (std::is_same_v<TR, Complex>) {
          addTerm(sum, reOf(a, b), imOf(a, b));
        } else if constexpr (std::is_same_v<TR, double>) {
          sum += a * b;
        } else {
          addTerm(sum, static_cast<double>(a) * b);
        }
      }
      R[(j - 1) * M + (i - 1)] = sum;
    }
  }
}

// An internal error of the square products: a caller asked for more than they can hold.
[[noreturn]] void tooManyDimensions(const char* routine, int unit) {
  fatalStop(routine, unit,
            {std::string(" Too many dimensions specified in ") + routine + "; contact Kestrin",
             " Press <RETURN> to continue..."},
            FatalWait::kReadLine);
}

inline float signOf(float a, float b) { return b >= 0.0f ? std::fabs(a) : -std::fabs(a); }

}  // namespace

void GMPRD(const float* A, const float* B, float* R, int N, int M, int L) {
  matrixProduct(A, B, R, N, M, L);
}
void DGMPRD(const double* A, const double* B, double* R, int N, int M, int L) {
  matrixProduct(A, B, R, N, M, L);
}
void CGMPRD(const Complex* A, const Complex* B, Complex* R, int N, int M, int L) {
  matrixProduct(A, B, R, N, M, L);
}
void GMPDCX(const float* A, const Complex* B, Complex* R, int N, int M, int L) {
  matrixProduct(A, B, R, N, M, L);
}

void GTPRD(const float* A, const float* B, float* R, int N, int M, int L) {
  transposeProduct(A, B, R, N, M, L);
}
void DGTPRD(const double* A, const double* B, double* R, int N, int M, int L) {
  transposeProduct(A, B, R, N, M, L);
}
void GTPDCX(const float* A, const Complex* B, Complex* R, int N, int M, int L) {
  transposeProduct(A, B, R, N, M, L);
}

void MATPRD(const float* A, const float* V, float* W, int N, int IUNIT) {
  if (N > kMaxSquare) tooManyDimensions("MATPRD", IUNIT);
  float work[kMaxSquare];
  for (int j = 0; j < N; ++j) work[j] = V[j];
  matrixProduct(A, work, W, N, N, 1);
}

void CMATPD(const float* A, const Complex* X, Complex* Y, int N, int IUNIT) {
  if (N > kMaxSquare) tooManyDimensions("CMATPD", IUNIT);
  Complex work[kMaxSquare];
  for (int j = 0; j < N; ++j) work[j] = X[j];
  matrixProduct(A, work, Y, N, N, 1);
}

void XPROD(const float* A, const float* B, float* C) {
  const double a1 = A[0], a2 = A[1], a3 = A[2];
  const double b1 = B[0], b2 = B[1], b3 = B[2];
  C[0] = static_cast<float>(a2 * b3 - a3 * b2);
  C[1] = static_cast<float>(a3 * b1 - a1 * b3);
  C[2] = static_cast<float>(a1 * b2 - a2 * b1);
}

void CXPROD(const float* A, const Complex* B, Complex* C) {
  auto cross = [&](int p, int q) {  // A(p) B(q) - A(q) B(p)
    return Complex(static_cast<float>(reOf(A[p], B[q]) - reOf(A[q], B[p])),
                   static_cast<float>(imOf(A[p], B[q]) - imOf(A[q], B[p])));
  };
  const Complex c1 = cross(1, 2), c2 = cross(2, 0), c3 = cross(0, 1);
  C[0] = c1;
  C[1] = c2;
  C[2] = c3;
}

float DOTP(const float* A, const float* B) {
  return static_cast<float>(static_cast<double>(A[0]) * B[0] + static_cast<double>(A[1]) * B[1] +
                            static_cast<double>(A[2]) * B[2]);
}

double DDOTP(const double* A, const double* B) { return A[0] * B[0] + A[1] * B[1] + A[2] * B[2]; }

Complex CXDOTP(const Complex* A, const float* B) {
  double re = 0.0, im = 0.0;
  for (int i = 0; i < 3; ++i) {
    re += static_cast<double>(A[i].real()) * B[i];
    im += static_cast<double>(A[i].imag()) * B[i];
  }
  return Complex(static_cast<float>(re), static_cast<float>(im));
}

float VMOD(const float* V) {
  const float sum = static_cast<float>(static_cast<double>(V[0]) * V[0] +
                                       static_cast<double>(V[1]) * V[1] +
                                       static_cast<double>(V[2]) * V[2]);
  return std::sqrt(sum);
}

float CVMOD(const Complex* C) {
  double sum = 0.0;
  for (int i = 0; i < 3; ++i) {
    const double re = C[i].real(), im = C[i].imag();
    const float modulus = static_cast<float>(std::sqrt(re * re + im * im));
    sum += static_cast<float>(static_cast<double>(modulus) * modulus);
  }
  return std::sqrt(static_cast<float>(sum));
}

void VECLEN(const float* P2, const float* P1, float& XLEN, int& IAXIS) {
  XLEN = 0.0f;
  IAXIS = 0;
  float D[3];
  float sum = 0.0f;  // accumulated in single precision
  for (int i = 0; i < 3; ++i) {
    D[i] = P2[i] - P1[i];
    addTerm(sum, static_cast<double>(D[i]) * D[i]);
  }
  XLEN = std::sqrt(sum);
  for (int i = 0; i < 3; ++i) {
    const float c = XLEN > 0.0f ? std::fabs(D[i]) / XLEN : 0.0f;
    if (c > 0.98f) IAXIS = i + 1;
  }
  if (IAXIS == 0) IAXIS = 4;
}

void UNITIZ(const float* V, float* U) {
  const float D = VMOD(V);
  if (!(D > 0.0f)) {
    U[0] = 1.0f;
    U[1] = 0.0f;
    U[2] = 0.0f;
    return;
  }
  for (int i = 0; i < 3; ++i) {
    U[i] = V[i] / D;
    if (std::fabs(U[i]) > 1.0f) U[i] = signOf(1.0f, U[i]);  // rounding can overshoot a unit axis
  }
}

void CUNITIZ(const Complex* C, Complex* U) {
  const float length = CVMOD(C);
  for (int i = 0; i < 3; ++i) {
    U[i] = length > 0.0f ? Complex(C[i].real() / length, C[i].imag() / length) : Complex(0.0f, 0.0f);
  }
}

void RCTNGL(float THETA, float PHI, float* V) {
  const float sinTheta = std::sin(THETA);
  V[0] = sinTheta * std::cos(PHI);
  V[1] = sinTheta * std::sin(PHI);
  V[2] = std::cos(THETA);
}

void POLAR(const float* V, float& R, float& THETA, float& PHI) {
  PHI = 0.0f;
  THETA = 0.0f;
  if (V[0] != 0.0f || V[1] != 0.0f) PHI = std::atan2(V[1], V[0]);
  R = VMOD(V);
  if (R != 0.0f) THETA = std::acos(V[2] / R);
}

float ABS2(Complex C) {
  const double re = C.real(), im = C.imag();
  return static_cast<float>(re * re + im * im);
}

void CEXLIM(Complex& Z, float XLIM) {
  if (std::fabs(Z.real()) > XLIM) Z.real(signOf(XLIM, Z.real()));
}

}  // namespace qv
