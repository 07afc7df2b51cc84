#include "numlib/wave_kinematics.h"

#include <cmath>

namespace qv {

namespace {

const ComplexD kI(0.0, 1.0);

// Below this |b l| the integrals of e^{a + b s} are summed as series: the difference of the two ends
// would keep fewer than 14 of double's digits.
constexpr double kSeriesBelow = 0.01;
constexpr int kSeriesTerms = 8;  // the next term is below 1e-21 of the first

// Above the still-water level the kinematics take the level's height (the one rule of the header).
double heldHeight(double z) { return z > 0.0 ? 0.0 : z; }

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
  const double rising = std::exp(wave.k * heldHeight(z));
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

LineIntegrals accelerationAlongLine(const LinearWave& wave, const float* start, const float* n, double l) {
  // The line's stretches below and above the still-water level, in the order of s: on each the
  // integrand is e^{a + b s} times constant vectors, its decay's rate k n(3) below the level and 0
  // above it, where the height stays at the level's.
  struct Stretch {
    double s0, length;
    bool above;
  };
  const double z0 = start[2], nz = n[2];
  const double zEnd = z0 + l * nz;
  Stretch stretches[2];
  int count = 0;
  if ((z0 < 0.0 && zEnd > 0.0) || (z0 > 0.0 && zEnd < 0.0)) {
    const double toLevel = -z0 / nz;
    stretches[count++] = {0.0, toLevel, z0 > 0.0};
    stretches[count++] = {toLevel, l - toLevel, zEnd > 0.0};
  } else {
    stretches[count++] = {0.0, l, z0 + zEnd > 0.0};
  }

  const double phaseRate = wave.kx * n[0] + wave.ky * n[1];
  ExpIntegrals rising{}, image{};  // summed over the stretches, moments about the line's start
  for (int i = 0; i < count; ++i) {
    const Stretch& st = stretches[i];
    const double z = st.above ? 0.0 : z0 + st.s0 * nz;
    const double rate = st.above ? 0.0 : wave.k * nz;
    const double phase = wave.kx * start[0] + wave.ky * start[1] + phaseRate * st.s0;
    const ExpIntegrals r = expIntegrals(ComplexD(wave.k * z, -phase), ComplexD(rate, -phaseRate), st.length);
    const ExpIntegrals m =
        expIntegrals(ComplexD(-wave.k * (z + 2.0 * wave.depth), -phase), ComplexD(-rate, -phaseRate), st.length);
    rising.value += r.value;
    rising.moment += r.moment + st.s0 * r.value;
    image.value += m.value;
    image.moment += m.moment + st.s0 * m.value;
  }

  // a / g = i (K image + conj(K) rising) / (1 + e^{-2kd}) with K = (kx, ky, -i k): the image part
  // pairs with K, the rising part with its conjugate.
  const ComplexD K[3] = {wave.kx, wave.ky, -kI * wave.k};
  const ComplexD Kc[3] = {wave.kx, wave.ky, kI * wave.k};
  const double d[3] = {n[0], n[1], n[2]};
  ComplexD N[3], Nc[3];
  cross(d, K, N);
  cross(d, Kc, Nc);
  const ComplexD factor = kI * wave.coshNorm;
  LineIntegrals result;
  for (int c = 0; c < 3; ++c) {
    result.force[c] = factor * (K[c] * image.value + Kc[c] * rising.value);
    result.moment[c] = factor * (N[c] * image.moment + Nc[c] * rising.moment);
  }
  return result;
}

ParticleVelocity particleVelocity(const LinearWave& wave, double omega, double z, ComplexD phase) {
  const DepthParts parts = depthParts(wave, z);
  const ComplexD scaled = omega * wave.sinhNorm * phase;
  return {scaled * (parts.rising + parts.image), kI * scaled * (parts.rising - parts.image)};
}

}  // namespace qv
