#include "mooring/vertical_elements.h"

#include <cmath>
#include <utility>

#include "numlib/roots.h"

namespace qv {

namespace {

// SIGN(1, v): +1 for v >= 0, -1 below.
inline double sign1(double v) { return v >= 0.0 ? 1.0 : -1.0; }
inline bool sameSign(double a, double b) { return sign1(a) + sign1(b) != 0.0; }

// The abscissa tolerance at a point: EPS itself up to magnitude 1, relative beyond.
inline double toleranceAt(double EPS, double at) {
  const double magnitude = std::fabs(at);
  return magnitude > 1.0 ? EPS * magnitude : EPS;
}

}  // namespace

void DTKLTN(const double* LEN, const double* W, int I, int N, int /*N2*/, double& T, double TB) {
  T = TB;
  for (int k = I; k <= N; ++k) T += W[k - 1] * LEN[k - 1];
}

double SFNCDP(const double* A, double T, double W) {
  const double x = std::fabs(T);
  return (x + A[0] * x * x / 2.0 + A[1] * x * x * x / 3.0 + A[2] * x * x * x * x / 4.0) / W;
}

double SFCDP2(const double* A, double T) {
  const double x = std::fabs(T);
  return 1.0 + A[0] * x + A[1] * x * x + A[2] * x * x * x;
}

void RTMIDP(double& X, double& F, DoubleFunction FCT, double XLI, double XRI, double EPS, int IEND, int& IER,
            int& ITER) {
  auto evaluate = [&](double at) {
    X = at;
    F = FCT(at);
  };
  IER = kRootFound;
  ITER = 0;
  double XL = XLI;
  double XR = XRI;
  evaluate(XL);
  if (F == 0.0) return;
  double FL = F;
  evaluate(XR);
  if (F == 0.0) return;
  double FR = F;
  if (!std::isfinite(FL) || !std::isfinite(FR) || sameSign(FL, FR)) {
    IER = kRootNotBracketed;
    return;
  }
  const double TOLF = 100.0 * EPS;

  auto finishAtBetterEnd = [&](int code) {
    IER = code;
    if (std::fabs(FR) > std::fabs(FL)) {
      X = XL;
      F = FL;
    } else {
      X = XR;
      F = FR;
    }
  };

  for (;;) {
    ++ITER;
    // Bisection loop, left early for an interpolation step when the parabola through the three
    // points is well shaped (at most IEND times over the whole search).
    bool interpolate = false;
    double TOL = 0.0;
    for (int step = 1; step <= IEND; ++step) {
      evaluate(0.5 * (XL + XR));
      if (F == 0.0) return;
      if (!std::isfinite(F)) return finishAtBetterEnd(kRootNotConverged);
      if (!sameSign(F, FR)) {  // keep F and FR on one side, so that X replaces the end of its sign
        std::swap(XL, XR);
        std::swap(FL, FR);
      }
      TOL = F - FL;
      if (2.0 * F * TOL < FR * (FR - FL) && ITER <= IEND) {
        interpolate = true;
        break;
      }
      XR = X;
      FR = F;
      if (std::fabs(XR - XL) <= toleranceAt(EPS, XR) && std::fabs(FR - FL) <= TOLF) {
        return finishAtBetterEnd(kRootFound);
      }
    }
    if (!interpolate) return finishAtBetterEnd(kRootNotConverged);

    // Inverse parabolic interpolation through the left end, the current point and the right end.
    const double A = FR - F;
    const double DX = (X - XL) * FL * (1.0 + F * (A - TOL) / (A * (FR - FL))) / TOL;
    const double XM = X;
    const double FM = F;
    const double trial = XL - DX;
    if (!std::isfinite(trial)) return finishAtBetterEnd(kRootNotConverged);
    evaluate(trial);
    if (F == 0.0) return;
    if (!std::isfinite(F)) return finishAtBetterEnd(kRootNotConverged);
    if (std::fabs(DX) <= toleranceAt(EPS, X) && std::fabs(F) <= TOLF) return;
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

}  // namespace qv
