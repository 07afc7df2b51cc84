// The sea of the drift and drag tests: a metric data set in 100 m of water on the grid of 21 wave
// periods from 4 s to 24 s in steps of 1 s (odd, so the grid integrals are plain Simpson), gravity
// 9.8, the wave numbers of the grid from the dispersion relation, and a Pierson-Moskowitz spectrum
// for any significant height and peak period. Python references use the same grid.
#pragma once

#include <cmath>

#include "dataset/tpcm.h"
#include "numlib/wavenumber.h"
#include "platform/units.h"
#include "waves/wavcom.h"

namespace qv::testing_support {

inline constexpr int kDriftGridPoints = 21;
inline constexpr float kDriftDepth = 100.0f;

inline void driftSea() {
  Tpcm& t = TPCM;
  t.NUNTS = 1;
  t.EDUNIT = kScreenUnit;
  t.NWP = kDriftGridPoints;
  t.DEPTH = kDriftDepth;
  Wavcom& w = WAVCOM;
  w.G = 9.8f;
  w.NW = kDriftGridPoints - 1;
  w.DT = 1.0f;
  w.TS = 4.0f;
  w.TL = 24.0f;
  for (int i = 1; i <= kDriftGridPoints; ++i) {
    t.T(i) = 3.0f + static_cast<float>(i);
    w.W(i) = 6.2831855f / t.T(i);
    w.W2(i) = w.W(i) * w.W(i);
    float kd = 0.0f;
    WAVVEC(w.W(i) * std::sqrt(kDriftDepth / w.G), kd);
    w.WVK(i) = kd / kDriftDepth;
  }
}

// The Pierson-Moskowitz (Bretschneider) spectrum of significant height Hs [m] and peak period Tp [s]
// on the grid: (5/16) Hs^2 wp^4 / w^5 exp(-1.25 (wp / w)^4).
inline void pmSpectrum(float Hs, float Tp, float* S) {
  const double wp = 6.283185307 / Tp;
  for (int i = 1; i <= kDriftGridPoints; ++i) {
    const double w = WAVCOM.W(i);
    S[i - 1] = static_cast<float>(5.0 / 16.0 * Hs * Hs * std::pow(wp, 4) / std::pow(w, 5) *
                                  std::exp(-1.25 * std::pow(wp / w, 4)));
  }
}

}  // namespace qv::testing_support
