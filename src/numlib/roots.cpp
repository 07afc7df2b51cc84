#include "numlib/roots.h"

#include <cmath>
#include <utility>

namespace qv {

namespace {

// SIGN(1, v): +1 for v >= 0, -1 below.
inline float sign1(float v) { return v >= 0.0f ? 1.0f : -1.0f; }
inline bool sameSign(float a, float b) { return sign1(a) + sign1(b) != 0.0f; }

inline float midpoint(float a, float b) { return static_cast<float>(0.5 * (static_cast<double>(a) + b)); }

// The abscissa tolerance at a point: EPS itself up to magnitude 1, relative beyond.
inline float toleranceAt(float EPS, float at) {
  const float magnitude = std::fabs(at);
  return magnitude > 1.0f ? static_cast<float>(static_cast<double>(EPS) * magnitude) : EPS;
}

// The search shared by all four entry points. Fn returns float or double; the value is rounded to
// a 4-byte float on receipt. Sums and products are formed in double, every stored value is a float.
template <class Fn>
void rootSearch(float& X, float& F, Fn FCT, float XLI, float XRI, float EPS, float EPSF, int IEND,
                int& IER) {
  float lastAt = 0.0f;  // the abscissa of the latest objective call
  auto evaluate = [&](float at) {
    X = at;
    lastAt = at;
    float argument = at;  // the function may alter what it receives, never X
    F = static_cast<float>(FCT(argument));
  };

  IER = kRootFound;
  float XL = XLI;
  float XR = XRI;
  evaluate(XL);
  if (F == 0.0f) return;
  float FL = F;
  evaluate(XR);
  if (F == 0.0f) return;
  float FR = F;
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
    const float at = std::fabs(FR) > std::fabs(FL) ? XL : XR;
    if (at != lastAt) {
      evaluate(at);
    } else {
      X = at;
      F = std::fabs(FR) > std::fabs(FL) ? FL : FR;
    }
  };

  for (int I = 1;; ++I) {
    // Bisection loop. It is left early for an interpolation step when the parabola through the
    // three points is well shaped, at most IEND times over the whole search.
    bool interpolate = false;
    float T = 0.0f;
    for (int step = 1; step <= IEND; ++step) {
      evaluate(midpoint(XL, XR));
      if (F == 0.0f) return;
      if (!std::isfinite(F)) return finishAtBetterEnd(kRootNotConverged);
      if (!sameSign(F, FR)) {  // keep F and FR on one side
        std::swap(XL, XR);
        std::swap(FL, FR);
      }
      T = static_cast<float>(static_cast<double>(F) - FL);
      const float A = static_cast<float>(2.0 * F * T);
      if (A < static_cast<double>(FR) * (static_cast<double>(FR) - FL) && I <= IEND) {
        interpolate = true;
        break;
      }
      XR = X;
      FR = F;
      const bool narrow = std::fabs(static_cast<double>(XR) - XL) <= toleranceAt(EPS, XR);
      const bool flat = !(EPSF > 0.0f && std::fabs(static_cast<double>(FR) - FL) > EPSF);
      if (narrow && flat) return finishAtBetterEnd(kRootFound);
      // Neighbouring floats: the next midpoint would repeat an end and change nothing.
      const float next = midpoint(XL, XR);
      if (next == XL || next == XR) return finishAtBetterEnd(kRootNotConverged);
    }
    if (!interpolate) return finishAtBetterEnd(kRootNotConverged);

    // Inverse parabolic interpolation through the left end, the current point and the right end.
    const float A = static_cast<float>(static_cast<double>(FR) - F);
    const float DX = static_cast<float>(
        (static_cast<double>(X) - XL) * FL *
        (1.0 + static_cast<double>(F) * (static_cast<double>(A) - T) /
                   (static_cast<double>(A) * (static_cast<double>(FR) - FL))) /
        T);
    const float XM = X;
    const float FM = F;
    const float trial = static_cast<float>(static_cast<double>(XL) - DX);
    if (!std::isfinite(trial)) return finishAtBetterEnd(kRootNotConverged);
    evaluate(trial);
    if (F == 0.0f) return;
    if (!std::isfinite(F)) return finishAtBetterEnd(kRootNotConverged);

    if (std::fabs(DX) <= toleranceAt(EPS, X) && (EPSF <= 0.0f || std::fabs(F) <= EPSF)) return;
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

}  // namespace

void RTMI1(float& X, float& F, RealFunction FCT, float XLI, float XRI, float EPS, float EPSF, int IEND,
           int& IER) {
  rootSearch(X, F, FCT, XLI, XRI, EPS, EPSF, IEND, IER);
}

void RTMI2(float& X, float& F, RealFunction FCT, float XLI, float XRI, float EPS, float EPSF, int IEND,
           int& IER) {
  rootSearch(X, F, FCT, XLI, XRI, EPS, EPSF, IEND, IER);
}

void RTMI1D(float& X, float& F, RealFunctionD FCT, float XLI, float XRI, float EPS, float EPSF,
            int IEND, int& IER) {
  rootSearch(X, F, FCT, XLI, XRI, EPS, EPSF, IEND, IER);
}

void RTMI2D(float& X, float& F, RealFunctionD FCT, float XLI, float XRI, float EPS, float EPSF,
            int IEND, int& IER) {
  rootSearch(X, F, FCT, XLI, XRI, EPS, EPSF, IEND, IER);
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
