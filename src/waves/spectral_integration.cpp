#include "waves/spectral_integration.h"

#include <cmath>

#include "numlib/interpolation.h"
#include "waves/wavcom.h"

namespace qv {

namespace {

// Simpson's h/3 with dT = h and d omega = omega^2 dT / (2 pi): DT / (6 pi) times the weighted sum.
constexpr float kSixPi = 18.849556f;

// Weights of Simpson's 3/8 rule over three intervals in units of h/3.
constexpr float kThreeEighths[4] = {9.0f / 8.0f, 27.0f / 8.0f, 27.0f / 8.0f, 9.0f / 8.0f};

// Weight of point i in Simpson's 1, 4, 2, ..., 4, 1 over points 1..last (last odd; 0 for a single
// point, which spans no interval).
float simpsonWeight(int i, int last) {
  if (last < 3) return 0.0f;
  if (i == 1 || i == last) return 1.0f;
  return (i % 2 == 0) ? 4.0f : 2.0f;
}

}  // namespace

void SMPINT(const float* F, float& M0, float& M2) { gridMoments(F, WAVCOM.W2.data(), M0, M2); }

void gridMoments(const float* F, const float* W2, float& M0, float& M2, const float* R2) {
  const int n = wavePoints();
  const float* rate2 = R2 != nullptr ? R2 : W2;
  float sum0 = 0.0f;
  float sum2 = 0.0f;
  auto add = [&](int i, float weight) {
    const float term = F[i - 1] * W2[i - 1];
    sum0 += weight * term;
    sum2 += weight * term * rate2[i - 1];
  };

  if (n % 2 == 1) {
    // Pair by pair (2 for the odd point, 4 for the even one), then the first point's term taken off
    // once and the last point's added once: Simpson's 1, 4, 2, ..., 4, 1.
    const int intervals = n - 1;
    for (int j = 1; j <= (intervals + 1) / 2; ++j) {
      add(2 * j - 1, 2.0f);
      add(2 * j, 4.0f);
    }
    add(1, -1.0f);
    add(n, 1.0f);
  } else if (n >= 4) {
    // An even count: Simpson over the first n - 3 points, the last three intervals by the 3/8 rule.
    const int simpsonLast = n - 3;
    for (int i = 1; i <= n; ++i) {
      float weight = i <= simpsonLast ? simpsonWeight(i, simpsonLast) : 0.0f;
      if (i >= simpsonLast) weight += kThreeEighths[i - simpsonLast];
      add(i, weight);
    }
  } else if (n == 2) {
    add(1, 1.5f);  // the trapezoid's h/2 in units of h/3
    add(2, 1.5f);
  }
  M0 = WAVCOM.DT / kSixPi * sum0;
  M2 = WAVCOM.DT / kSixPi * sum2;
}

void GRPSPC(const float* PSD, float& SG, float DW) {
  const int n = wavePoints();
  SG = 0.0f;
  if (n < 2) return;  // no interval to interpolate in or integrate over
  const float* W = WAVCOM.W.data();
  // The spectrum at a frequency, 0 beyond the grid's ends.
  auto spectrumAt = [&](float w) {
    int IOUT = 0;
    int IL = 0;
    BSRCH(W, w, IOUT, IL, n);
    if (IOUT != 0) return 0.0f;
    float value = 0.0f;
    INTERP(W, PSD, w, value, IL);
    return value;
  };
  const float h = DW / 2.0f;
  float Q[kMaxWavePeriods] = {};
  for (int i = 1; i <= n; ++i) {
    const float a = std::fabs(WAVCOM.W(i) + h);
    const float b = std::fabs(WAVCOM.W(i) - h);
    Q[i - 1] = spectrumAt(a) * spectrumAt(b);
  }
  float M0 = 0.0f;
  float M2 = 0.0f;
  SMPINT(Q, M0, M2);
  SG = 8.0f * M0;
}

}  // namespace qv
