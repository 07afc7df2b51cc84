// Linear wave theory as the tests write it, apart from the program's own solver (numlib/wavenumber.h),
// so that each checks the other.
#pragma once

#include <cmath>

namespace qv::testing_support {

// The wave number of the frequency omega [rad/s] in water of depth d (gravity g), the root of
// omega^2 = g k tanh(k d): Newton's method in double precision from the deep-water value omega^2 / g,
// which reaches it from shallow to deep water alike.
inline double linearWaveNumber(double omega, double d, double g) {
  double k = omega * omega / g;
  for (int i = 0; i < 60; ++i) {
    const double t = std::tanh(k * d);
    k -= (g * k * t - omega * omega) / (g * t + g * k * d * (1.0 - t * t));
  }
  return k;
}

}  // namespace qv::testing_support
