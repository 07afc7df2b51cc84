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

// The acceleration over g of linear theory (i k cosh k(z + d), 0, -k sinh k(z + d)) / cosh kd per
// unit wave amplitude at x = 0, integrated along the vertical line from z1 up to z2 in water of depth
// d: `across` (over i) i (sinh k(z2 + d) - sinh k(z1 + d)) / cosh kd, `along` -(cosh k(z2 + d) -
// cosh k(z1 + d)) / cosh kd, and `moment` (over i) about the lower end, i (L sinh k(z2 + d) -
// (cosh k(z2 + d) - cosh k(z1 + d)) / k) / cosh kd with L = z2 - z1. In long double, whose range
// holds cosh kd up to kd = 11,000.
struct VerticalLineIntegrals {
  double across, along, moment;
};
inline VerticalLineIntegrals verticalLineIntegrals(long double k, long double d, long double z1, long double z2) {
  const long double coshKd = std::cosh(k * d);
  const long double top = k * (z2 + d), bottom = k * (z1 + d);
  const long double coshRise = std::cosh(top) - std::cosh(bottom);
  return {static_cast<double>((std::sinh(top) - std::sinh(bottom)) / coshKd),
          static_cast<double>(-coshRise / coshKd),
          static_cast<double>(((z2 - z1) * std::sinh(top) - coshRise / k) / coshKd)};
}

}  // namespace qv::testing_support
