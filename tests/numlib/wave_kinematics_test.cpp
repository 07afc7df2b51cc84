// The kinematics of linear waves along a line: the particle velocity against cosh and sinh in long
// double (whose range holds them in any of these waters), and the segment integrals against their
// closed forms on both sides of the switch to the series.
#include <gtest/gtest.h>

#include <cmath>
#include <complex>

#include "numlib/wave_kinematics.h"
#include "support/checks.h"

namespace qv {
namespace {

using testing_support::IsClose;

using ComplexL = std::complex<long double>;

::testing::AssertionResult Near(ComplexD actual, ComplexL expected, long double rel) {
  const long double error = std::abs(ComplexL(actual.real(), actual.imag()) - expected);
  if (error <= rel * std::abs(expected)) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << actual << " differs from (" << static_cast<double>(expected.real()) << ", "
                                       << static_cast<double>(expected.imag()) << ")";
}

// omega cosh k(z + d) / sinh kd and i omega sinh k(z + d) / sinh kd times the phase, from the seabed
// to the surface, in shallow water and in water so deep (kd up to 1500) that cosh kd is far beyond
// double's range.
TEST(WaveKinematics, ParticleVelocityIsLinearTheoryAtAnyDepth) {
  struct Case {
    double k, depth, z;
  };
  const Case cases[] = {{0.05, 10.0, -3.0},    {0.05, 10.0, -10.0},   {0.3, 100.0, -0.5},
                        {1.0, 100.0, -37.0},   {1.0, 1500.0, -20.0},  {1.0, 1500.0, -700.0},
                        {0.002, 300.0, -150.0}};
  const double omega = 0.8;
  const ComplexD phase = std::polar(1.0, -0.7);
  for (const Case& c : cases) {
    const LinearWave wave = linearWave(c.k, 0.0, c.k, c.depth);
    const ParticleVelocity v = particleVelocity(wave, omega, c.z, phase);
    const long double k = c.k, d = c.depth, z = c.z;
    const ComplexL p(phase.real(), phase.imag());
    const ComplexL horizontal = static_cast<long double>(omega) * std::cosh(k * (z + d)) / std::sinh(k * d) * p;
    const ComplexL vertical = ComplexL(0.0L, 1.0L) * static_cast<long double>(omega) * std::sinh(k * (z + d)) /
                              std::sinh(k * d) * p;
    EXPECT_TRUE(Near(v.horizontal, horizontal, 1e-12L)) << c.k << " " << c.depth << " " << c.z;
    EXPECT_TRUE(Near(v.vertical, vertical, 1e-12L)) << c.k << " " << c.depth << " " << c.z;
  }
}

// The integrals over [0, l] of e^{a + b s} and s e^{a + b s}: (e^{a + bl} - e^a) / b and
// (l e^{a + bl} - (e^{a + bl} - e^a) / b) / b written in long double, for b l from far below the
// series' switch (0.01) to far above it, and for exponents whose one end lies at e^-800.
TEST(WaveKinematics, SegmentIntegralsFromEndToEnd) {
  struct Case {
    ComplexD a, b;
    double l;
  };
  const Case cases[] = {{{-0.5, 0.3}, {1e-4, -2e-4}, 2.0},   {{-0.5, 0.3}, {0.0049, 0.0}, 2.0},
                        {{-0.5, 0.3}, {0.0051, 0.0}, 2.0},   {{-2.0, 1.0}, {0.3, -1.2}, 7.0},
                        {{-800.0, 0.0}, {20.0, -3.0}, 40.0}, {{-1.0, 0.0}, {-20.0, 0.5}, 40.0}};
  for (const Case& c : cases) {
    const ExpIntegrals r = expIntegrals(c.a, c.b, c.l);
    const ComplexL a(c.a.real(), c.a.imag()), b(c.b.real(), c.b.imag());
    const long double l = c.l;
    const ComplexL start = std::exp(a), end = std::exp(a + b * l);
    const ComplexL value = (end - start) / b;
    const ComplexL moment = (l * end - value) / b;
    EXPECT_TRUE(Near(r.value, value, 1e-11L)) << c.b;
    EXPECT_TRUE(Near(r.moment, moment, 1e-9L)) << c.b;
  }
  // b = 0: a constant integrand.
  const ExpIntegrals flat = expIntegrals({-1.0, 0.0}, 0.0, 3.0);
  EXPECT_TRUE(IsClose(flat.value.real(), 3.0 * std::exp(-1.0), 1e-15));
  EXPECT_TRUE(IsClose(flat.moment.real(), 4.5 * std::exp(-1.0), 1e-15));
}

}  // namespace
}  // namespace qv
