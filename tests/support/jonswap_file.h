// A JONSWAP sea written as the user's wave spectrum file, from its closed form, for the tests that
// check a sound sea passes the file's bounds and gives the sea of the built-in spectrum.
#pragma once

#include <cmath>
#include <cstdio>
#include <string>

namespace qv::testing_support {

// S(w) = alpha g^2 w^-5 exp(-1.25 (wp / w)^4) gamma^exp(-(w - wp)^2 / (2 sigma^2 wp^2)), sigma 0.07
// below the peak and 0.09 above, wp = 2 pi / tp, gamma 3.3 (the mean JONSWAP sea), alpha set here so
// that the area over 0.05 to 20 rad/s (trapezoids of 0.0001 rad/s) is hs^2 / 16: the file's text, the
// count then 400 rows (frequency [rad/s], density [length^2 per rad/s]) from 0.1 to 4 rad/s.
inline std::string meanJonswapFile(double hs, double tp, double g) {
  const double wp = 2.0 * std::acos(-1.0) / tp;
  const auto shape = [&](double w) {
    const double sigma = w <= wp ? 0.07 : 0.09;
    const double r = std::exp(-(w - wp) * (w - wp) / (2.0 * sigma * sigma * wp * wp));
    return g * g / std::pow(w, 5) * std::exp(-1.25 * std::pow(wp / w, 4)) * std::pow(3.3, r);
  };
  const int steps = 199500;
  double area = 0.0;
  for (int i = 0; i < steps; ++i) {
    const double a = 0.05 + (20.0 - 0.05) * i / steps, b = 0.05 + (20.0 - 0.05) * (i + 1) / steps;
    area += 0.5 * (shape(a) + shape(b)) * (b - a);
  }
  const double alpha = hs * hs / 16.0 / area;
  std::string file = "400\n";
  for (int i = 0; i < 400; ++i) {
    const double w = 0.1 + 3.9 * i / 399.0;
    char row[64];
    std::snprintf(row, sizeof row, "%.7g %.7g\n", w, alpha * shape(w));
    file += row;
  }
  return file;
}

}  // namespace qv::testing_support
