#include "numlib/roots.h"

#include <cmath>
#include <utility>

namespace qv {

namespace {

// SIGN(1, v): +1 for v >= 0, -1 below.
template <class Real> Real sign1(Real v) { return v >= Real(0) ? Real(1) : Real(-1); }
template <class Real> bool sameSign(Real a, Real b) { return sign1(a) + sign1(b) != Real(0); }

template <class Real> Real midpoint(Real a, Real b) { return static_cast<Real>(0.5 * (static_cast<double>(a) + b)); }

// The abscissa tolerance at a point: EPS itself up to magnitude 1, relative beyond.
template <class Real> Real toleranceAt(Real EPS, Real at) {
  const Real magnitude = std::fabs(at);
  return magnitude > Real(1) ? static_cast<Real>(static_cast<double>(EPS) * magnitude) : EPS;
}

}  // namespace

template <class Real, class Objective>
void rootSearch(Real& X, Real& F, Objective FCT, Real XLI, Real XRI, Real EPS, Real EPSF, int IEND, int& IER,
                int& passes) {
  Real lastAt = 0;  // the abscissa of the latest objective call
  auto evaluate = [&](Real at) {
    X = at;
    lastAt = at;
    Real argument = at;  // the function may alter what it receives, never X
    F = static_cast<Real>(FCT(argument));
  };

  IER = kRootFound;
  passes = 0;
  Real XL = XLI;
  Real XR = XRI;
  evaluate(XL);
  if (F == Real(0)) return;
  Real FL = F;
  evaluate(XR);
  if (F == Real(0)) return;
  Real FR = F;
  if (!std::isfinite(FL) || !std::isfinite(FR) || sameSign(FL, FR)) {
    IER = kRootNotBracketed;
    return;
  }

  // The end of the bisection path, and every failure once a bracket exists: the end with the
  // smaller function value. Callers read the state their objective leaves behind (the line solver's
  // element tables, the statics' member angles), so the objective is called once more at the
  // returned point when its latest call was elsewhere.
  auto finishAtBetterEnd = [&](int code) {
    IER = code;
    const Real at = std::fabs(FR) > std::fabs(FL) ? XL : XR;
    if (at != lastAt) {
      evaluate(at);
    } else {
      X = at;
      F = std::fabs(FR) > std::fabs(FL) ? FL : FR;
    }
  };

  for (int I = 1;; ++I) {
    passes = I;
    // Bisection loop. It is left early for an interpolation step when the parabola through the
    // three points is well shaped, at most IEND times over the whole search.
    bool interpolate = false;
    Real T = 0;
    for (int step = 1; step <= IEND; ++step) {
      evaluate(midpoint(XL, XR));
      if (F == Real(0)) return;
      if (!std::isfinite(F)) return finishAtBetterEnd(kRootNotConverged);
      if (!sameSign(F, FR)) {  // keep F and FR on one side
        std::swap(XL, XR);
        std::swap(FL, FR);
      }
      T = static_cast<Real>(static_cast<double>(F) - FL);
      const Real A = static_cast<Real>(2.0 * F * T);
      if (A < static_cast<double>(FR) * (static_cast<double>(FR) - FL) && I <= IEND) {
        interpolate = true;
        break;
      }
      XR = X;
      FR = F;
      const bool narrow = std::fabs(static_cast<double>(XR) - XL) <= toleranceAt(EPS, XR);
      const bool flat = !(EPSF > Real(0) && std::fabs(static_cast<double>(FR) - FL) > EPSF);
      if (narrow && flat) return finishAtBetterEnd(kRootFound);
      // Neighbouring values: the next midpoint would repeat an end and change nothing.
      const Real next = midpoint(XL, XR);
      if (next == XL || next == XR) return finishAtBetterEnd(kRootNotConverged);
    }
    if (!interpolate) return finishAtBetterEnd(kRootNotConverged);

    // Inverse parabolic interpolation through the left end, the current point and the right end.
    const Real A = static_cast<Real>(static_cast<double>(FR) - F);
    const Real DX = static_cast<Real>(
        (static_cast<double>(X) - XL) * FL *
        (1.0 + static_cast<double>(F) * (static_cast<double>(A) - T) /
                   (static_cast<double>(A) * (static_cast<double>(FR) - FL))) /
        T);
    const Real XM = X;
    const Real FM = F;
    const Real trial = static_cast<Real>(static_cast<double>(XL) - DX);
    if (!std::isfinite(trial)) return finishAtBetterEnd(kRootNotConverged);
    evaluate(trial);
    if (F == Real(0)) return;
    if (!std::isfinite(F)) return finishAtBetterEnd(kRootNotConverged);

    if (std::fabs(DX) <= toleranceAt(EPS, X) && (EPSF <= Real(0) || std::fabs(F) <= EPSF)) return;
    if (sameSign(F, FL)) {
      XL = X;
      FL = F;
      XR = XM;
      FR = FM;
    } else {
      XR = X;
      FR = F;
    }
  }
}

template void rootSearch(float&, float&, RealFunction, float, float, float, float, int, int&, int&);
template void rootSearch(float&, float&, RealFunctionD, float, float, float, float, int, int&, int&);
template void rootSearch(double&, double&, DoubleFunction, double, double, double, double, int, int&, int&);

void RTMI1(float& X, float& F, RealFunction FCT, float XLI, float XRI, float EPS, float EPSF, int IEND,
           int& IER) {
  int passes = 0;
  rootSearch(X, F, FCT, XLI, XRI, EPS, EPSF, IEND, IER, passes);
}

void RTMI2(float& X, float& F, RealFunction FCT, float XLI, float XRI, float EPS, float EPSF, int IEND,
           int& IER) {
  int passes = 0;
  rootSearch(X, F, FCT, XLI, XRI, EPS, EPSF, IEND, IER, passes);
}

void RTMI1D(float& X, float& F, RealFunctionD FCT, float XLI, float XRI, float EPS, float EPSF,
            int IEND, int& IER) {
  int passes = 0;
  rootSearch(X, F, FCT, XLI, XRI, EPS, EPSF, IEND, IER, passes);
}

void RTMI2D(float& X, float& F, RealFunctionD FCT, float XLI, float XRI, float EPS, float EPSF,
            int IEND, int& IER) {
  int passes = 0;
  rootSearch(X, F, FCT, XLI, XRI, EPS, EPSF, IEND, IER, passes);
}

void BRACKT(const float* X, float XVAL, int& IER, int& IPOS, int N1, int N2) {
  auto at = [X](int i) { return X[i - 1]; };
  float XMAX = at(N2);
  float XMIN = at(N2);
  int indexMax = N2;
  int indexMin = N2;
  for (int I = N1; I <= N2 - 1; ++I) {
    if (at(I) < XMIN) {
      XMIN = at(I);
      indexMin = I;
    } else if (at(I) > XMAX) {
      XMAX = at(I);
      indexMax = I;
    }
    if ((at(I) <= XVAL && XVAL < at(I + 1)) || (at(I) >= XVAL && XVAL > at(I + 1))) {
      IER = 0;
      IPOS = I;
      return;
    }
  }
  if (XVAL > XMAX) {
    IER = 2;
  } else if (XVAL < XMIN) {
    IER = 1;
  } else {
    IER = 0;
    IPOS = XVAL == XMIN ? indexMin : indexMax;
  }
}

}  // namespace qv
