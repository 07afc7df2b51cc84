#include "numlib/interpolation.h"

namespace qv {

namespace {

// The bisection shared by the searches: IL from 1 and the upper index from N close in on XV until
// they are neighbours. `value(i)` gives the table value at point i.
template <class Value, class Real>
int bisect(Value value, Real XV, bool descending, int N) {
  int IL = 1;
  int IU = N;
  while (IU - IL > 1) {
    const int M = (IU + IL) / 2;
    const bool below = descending ? value(M) >= XV : value(M) < XV;
    if (below) {
      IL = M;
    } else {
      IU = M;
    }
  }
  return IL;
}

// Range code of XV against two end values: 0 between them (ends included), 1 below, 2 above.
inline int rangeCode(float XV, float end1, float end2) {
  const float lo = end1 < end2 ? end1 : end2;
  const float hi = end1 < end2 ? end2 : end1;
  if (XV < lo) return 1;
  if (XV > hi) return 2;
  return 0;
}

// Blended value of point i (1-based) of a profile table. A weight of 0 reads the first column only:
// at the last layer of a table the second column lies beyond it.
template <class Real>
Real blend(const Real* Z, int i, Real F) {
  if (F == 0) return Z[i - 1];
  return static_cast<Real>((1.0 - F) * Z[i - 1] + static_cast<double>(F) * Z[i - 1 + kLayerPoints]);
}

template <class Real>
void searchBlended(const Real* Z, Real F, Real ZVAL, int& IER, int& ILO, int N) {
  const Real first = Z[0];
  const Real last = Z[N - 1];
  if (ZVAL > first && ZVAL > last) {
    IER = 2;
  } else if (ZVAL < first && ZVAL < last) {
    IER = 1;
  } else {
    IER = 0;
  }
  const bool descending = blend(Z, 1, F) - blend(Z, N, F) > 0;
  ILO = bisect([&](int i) { return blend(Z, i, F); }, ZVAL, descending, N);
}

// VAL = v1 + (v2 - v1) (ZVAL - z1) / (z2 - z1), formed in double and rounded to the routine's width.
template <class Real>
Real linear(Real z1, Real z2, Real v1, Real v2, Real ZVAL) {
  return static_cast<Real>(v1 + (static_cast<double>(v2) - v1) * (static_cast<double>(ZVAL) - z1) /
                                    (static_cast<double>(z2) - z1));
}

}  // namespace

void INTERP(const float* X, const float* Y, float XVAL, float& YVAL, int I) {
  const double x1 = X[I - 1], x2 = X[I];
  const double y1 = Y[I - 1], y2 = Y[I];
  YVAL = static_cast<float>(y1 + (XVAL - x1) / (x2 - x1) * (y2 - y1));
}

void CINTRP(const float* X, const std::complex<float>* Y, float XVAL, std::complex<float>& YVAL, int I) {
  const double x1 = X[I - 1], x2 = X[I];
  const double fraction = (XVAL - x1) / (x2 - x1);
  const std::complex<float> y1 = Y[I - 1], y2 = Y[I];
  YVAL = std::complex<float>(
      static_cast<float>(y1.real() + fraction * (static_cast<double>(y2.real()) - y1.real())),
      static_cast<float>(y1.imag() + fraction * (static_cast<double>(y2.imag()) - y1.imag())));
}

void BSRCH(const float* X, float XV, int& IOUT, int& IL, int N) {
  const bool descending = X[0] > X[N - 1];
  IOUT = rangeCode(XV, X[0], X[N - 1]);
  IL = bisect([X](int i) { return X[i - 1]; }, XV, descending, N);
}

void BSRCH_MOOR(const float* X, float XV, int& IOUT, int& IL, int N) {
  auto at = [X](int i) { return X[i - 1]; };
  const bool descending = at(2) > at(N - 1);
  const bool firstStepAgainst = descending ? at(2) > at(1) : at(2) < at(1);
  const bool lastStepAgainst = descending ? at(N - 1) < at(N) : at(N - 1) > at(N);
  if (firstStepAgainst) {
    IOUT = -1;
  } else if (lastStepAgainst) {
    IOUT = -2;
  } else {
    IOUT = rangeCode(XV, at(1), at(N));
  }
  IL = bisect(at, XV, descending, N);
}

float MIDLAY(const float* A, float F) { return blend(A, 1, F); }

double MDLYDP(const double* A, double F) { return blend(A, 1, F); }

void BSRCHQ(const float* Z, float F, float ZVAL, int& IER, int& ILO, int N) {
  searchBlended(Z, F, ZVAL, IER, ILO, N);
}

void BSRCDP(const double* Z, double F, double ZVAL, int& IER, int& ILO, int N) {
  searchBlended(Z, F, ZVAL, IER, ILO, N);
}

void INTRPQ(const float* Z, const float* V, float ZVAL, float& VAL, int I, float F) {
  VAL = linear(blend(Z, I, F), blend(Z, I + 1, F), blend(V, I, F), blend(V, I + 1, F), ZVAL);
}

void INTRPR(const float* Z, const float* V, float ZVAL, float& VAL, int I, float F) {
  VAL = linear(blend(Z, I, F), blend(Z, I + 1, F), V[I - 1], V[I], ZVAL);
}

void INTRPS(const float* Z, const float* V, float ZVAL, float& VAL, int I, float F) {
  VAL = linear(Z[I - 1], Z[I], blend(V, I, F), blend(V, I + 1, F), ZVAL);
}

void INTDPQ(const double* Z, const double* V, double ZVAL, double& VAL, int I, double F) {
  VAL = linear(blend(Z, I, F), blend(Z, I + 1, F), blend(V, I, F), blend(V, I + 1, F), ZVAL);
}

void INTDPR(const double* Z, const double* V, double ZVAL, double& VAL, int I, double F) {
  VAL = linear(blend(Z, I, F), blend(Z, I + 1, F), V[I - 1], V[I], ZVAL);
}

void INTDPS(const double* Z, const double* V, double ZVAL, double& VAL, int I, double F) {
  VAL = linear(Z[I - 1], Z[I], blend(V, I, F), blend(V, I + 1, F), ZVAL);
}

}  // namespace qv
