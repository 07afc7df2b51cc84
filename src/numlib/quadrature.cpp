#include "numlib/quadrature.h"

#include <cmath>

namespace qv {

namespace {

inline float stored(double v) { return static_cast<float>(v); }

}  // namespace

void QATR(float XL, float XU, float EPS, int NDIM, RealFunction FCT, float& Y, int& IER, float* AUX) {
  auto aux = [AUX](int i) -> float& { return AUX[i - 1]; };
  auto at = [&FCT](float x) {
    float argument = x;  // the function may alter what it receives
    return FCT(argument);
  };

  const float meanOfEnds = stored(0.5 * (static_cast<double>(at(XL)) + at(XU)));
  if (NDIM >= 1) aux(1) = meanOfEnds;  // a work array of length 0 is never written
  const float H = XU - XL;
  if (NDIM < 2) {
    IER = kQuadNoConvergence;
    Y = stored(static_cast<double>(H) * meanOfEnds);
    return;
  }
  if (H == 0.0f) {
    IER = kQuadConverged;
    Y = 0.0f;
    return;
  }

  float HH = H;
  const float E = stored(static_cast<double>(EPS) / std::fabs(H));
  float DELT2 = 0.0f;
  float P = 1.0f;
  long long JJ = 1;
  for (int I = 2; I <= NDIM; ++I) {
    Y = aux(1);
    const float DELT1 = DELT2;
    const float HD = HH;
    HH = 0.5f * HH;
    P = 0.5f * P;

    // New points halfway between the old ones. Once they no longer differ from the ends in 4-byte
    // floats the rule cannot be refined any further.
    float X = stored(static_cast<double>(XL) + HH);
    if (X == XL || stored(static_cast<double>(XU) - HH) == XU) {
      IER = kQuadNoConvergence;
      Y = stored(static_cast<double>(H) * aux(1));
      return;
    }
    float SM = 0.0f;
    for (long long J = 1; J <= JJ; ++J) {
      SM = stored(static_cast<double>(SM) + at(X));
      X = stored(static_cast<double>(X) + HD);
    }
    aux(I) = stored(0.5 * aux(I - 1) + static_cast<double>(P) * SM);

    // Romberg extrapolation down the table.
    float Q = 1.0f;
    for (int J = 1; J <= I - 1; ++J) {
      const int II = I - J;
      Q = 4.0f * Q;
      aux(II) = stored(aux(II + 1) + (static_cast<double>(aux(II + 1)) - aux(II)) / (Q - 1.0f));
    }
    if (!std::isfinite(aux(1))) {
      IER = kQuadNoConvergence;
      Y = stored(static_cast<double>(H) * aux(1));
      return;
    }
    DELT2 = std::fabs(static_cast<float>(static_cast<double>(Y) - aux(1)));

    if (I >= 5) {
      if (DELT2 <= E) {
        IER = kQuadConverged;
        Y = stored(static_cast<double>(H) * aux(1));
        return;
      }
      if (DELT2 >= DELT1) {
        IER = kQuadRoundoff;
        Y = stored(static_cast<double>(H) * Y);
        return;
      }
    }
    JJ = 2 * JJ;
  }
  IER = kQuadNoConvergence;
  Y = stored(static_cast<double>(H) * aux(1));
}

void SEIVE(int I, int I1, int IN, float& W) {
  if (I == I1 || I == IN) {
    W = 1.0f;
  } else {
    W = (I - I1) % 2 != 0 ? 4.0f : 2.0f;
  }
}

void SMPFAC(int I, int N, float& W) {
  if (I % 2 == 0) {
    W = 4.0f;
  } else {
    W = (I == 1 || I == N) ? 1.0f : 2.0f;
  }
}

}  // namespace qv
