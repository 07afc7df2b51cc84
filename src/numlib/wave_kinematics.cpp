#include "numlib/wave_kinematics.h"

#include <cmath>

namespace qv {

namespace {

const ComplexD kI(0.0, 1.0);

// Below this |b l| the integrals of e^{a + b s} are summed as series: the difference of the two ends
// would keep fewer than 14 of double's digits.
constexpr double kSeriesBelow = 0.01;
constexpr int kSeriesTerms = 8;  // the next term is below 1e-21 of the first

void cross(const double* a, const ComplexD* b, ComplexD* c) {
  c[0] = a[1] * b[2] - a[2] * b[1];
  c[1] = a[2] * b[0] - a[0] * b[2];
  c[2] = a[0] * b[1] - a[1] * b[0];
}

}  // namespace

LinearWave linearWave(double kx, double ky, double k, double depth) {
  LinearWave w{};
  w.kx = kx;
  w.ky = ky;
  w.k = k;
  w.depth = depth;
  w.image = std::exp(-2.0 * k * depth);
  w.coshNorm = 1.0 / (1.0 + w.image);
  w.sinhNorm = -1.0 / std::expm1(-2.0 * k * depth);  // 1 / (1 - e^{-2kd}), exact in shallow water too
  return w;
}

DepthParts depthParts(const LinearWave& wave, double z) {
  // The image e^{-k(z + 2d)} is e^{-2kd} / e^{kz}: where either underflows the image lies below
  // e^{-kd}, so far down that it is nothing beside the wave.
  const double rising = std::exp(wave.k * z);
  return {rising, rising > 0.0 ? wave.image / rising : 0.0};
}

ExpIntegrals expIntegrals(ComplexD a, ComplexD b, double l) {
  const ComplexD bl = b * l;
  const ComplexD start = std::exp(a);
  if (std::abs(bl) < kSeriesBelow) {
    // e^{a} l sum (bl)^n / (n + 1)!, e^{a} l^2 sum (bl)^n / (n! (n + 2)).
    ComplexD power = 1.0;  // (bl)^n / n!
    ComplexD value = 0.0, moment = 0.0;
    for (int n = 0; n <= kSeriesTerms; ++n) {
      value += power / static_cast<double>(n + 1);
      moment += power / static_cast<double>(n + 2);
      power *= bl / static_cast<double>(n + 1);
    }
    return {start * l * value, start * l * l * moment};
  }
  const ComplexD end = std::exp(a + bl);
  const ComplexD value = (end - start) / b;
  return {value, (l * end - value) / b};
}

LineIntegrals accelerationAlongLine(const LinearWave& wave, const float* start, float zDecay, const float* n, double l) {
  // e^{-i (kx x + ky y)} times the rising part, or its image, along the line: exponents a + b s.
  const double phase = wave.kx * start[0] + wave.ky * start[1];
  const double phaseRate = wave.kx * n[0] + wave.ky * n[1];
  const ComplexD rising0(wave.k * zDecay, -phase);
  const ComplexD image0(-wave.k * (zDecay + 2.0 * wave.depth), -phase);
  const ExpIntegrals rising = expIntegrals(rising0, ComplexD(wave.k * n[2], -phaseRate), l);
  const ExpIntegrals image = expIntegrals(image0, ComplexD(-wave.k * n[2], -phaseRate), l);

  // a / g = i (K image + conj(K) rising) / (1 + e^{-2kd}) with K = (kx, ky, -i k): the image part
  // pairs with K, the rising part with its conjugate.
  const ComplexD K[3] = {wave.kx, wave.ky, -kI * wave.k};
  const ComplexD Kc[3] = {wave.kx, wave.ky, kI * wave.k};
  const double d[3] = {n[0], n[1], n[2]};
  ComplexD N[3], Nc[3];
  cross(d, K, N);
  cross(d, Kc, Nc);
  const ComplexD factor = kI * wave.coshNorm;
  LineIntegrals r;
  for (int c = 0; c < 3; ++c) {
    r.force[c] = factor * (K[c] * image.value + Kc[c] * rising.value);
    r.moment[c] = factor * (N[c] * image.moment + Nc[c] * rising.moment);
  }
  return r;
}

ParticleVelocity particleVelocity(const LinearWave& wave, double omega, double z, ComplexD phase) {
  const DepthParts parts = depthParts(wave, z);
  const ComplexD scaled = omega * wave.sinhNorm * phase;
  return {scaled * (parts.rising + parts.image), kI * scaled * (parts.rising - parts.image)};
}

}  // namespace qv
