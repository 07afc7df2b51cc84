// The kinematics of linear waves along a line: the particle velocity against cosh and sinh in long
// double (whose range holds them in any of these waters), the segment integrals against their
// closed forms on both sides of the switch to the series, and the kinematics above the still-water
// level held at their value there: the acceleration's line integrals against a quadrature of the
// field written here, on lines below, across and above the level.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <string>
#include <vector>

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

// Above the still-water level the velocity is the level's, whatever the height: continuous at the
// level, constant above it, in the phase it is given.
TEST(WaveKinematics, ParticleVelocityAboveTheLevelIsTheLevels) {
  const double omega = 0.8;
  for (const double depth : {12.0, 100.0, 1500.0}) {
    const LinearWave wave = linearWave(0.05, 0.02, std::hypot(0.05, 0.02), depth);
    const ComplexD phase = std::polar(1.0, -1.3);
    const ParticleVelocity level = particleVelocity(wave, omega, 0.0, phase);
    const ParticleVelocity below = particleVelocity(wave, omega, -1e-7, phase);
    EXPECT_TRUE(Near(below.horizontal, ComplexL(level.horizontal), 1e-8L)) << depth;
    EXPECT_TRUE(Near(below.vertical, ComplexL(level.vertical), 1e-8L)) << depth;
    for (const double z : {1e-9, 3.0, 60.0}) {
      const ParticleVelocity v = particleVelocity(wave, omega, z, phase);
      EXPECT_EQ(v.horizontal, level.horizontal) << depth << " " << z;
      EXPECT_EQ(v.vertical, level.vertical) << depth << " " << z;
    }
  }
}

// The field written here: the acceleration over g of linear theory, (i kx C, i ky C, -k S) times
// e^{-i (kx x + ky y)}, C = cosh k(z + d) / cosh kd and S = sinh k(z + d) / cosh kd, the height taken
// at the still-water level above it.
struct Field {
  long double kx, ky, k, d;
  void at(const long double* p, ComplexL* a) const {
    const long double z = std::min(p[2], 0.0L);
    const ComplexL phase = std::polar(1.0L, -(kx * p[0] + ky * p[1]));
    const long double C = std::cosh(k * (z + d)) / std::cosh(k * d), S = std::sinh(k * (z + d)) / std::cosh(k * d);
    a[0] = ComplexL(0.0L, kx * C) * phase;
    a[1] = ComplexL(0.0L, ky * C) * phase;
    a[2] = -k * S * phase;
  }
};

// The field's integral along start + s n, s in [0, l], and of (s n) x a about the start: Simpson's
// rule on each side of the level (where the field has its kink), 4000 intervals a side.
void fieldIntegrals(const Field& f, const float* start, const float* n, double l, ComplexL* force, ComplexL* moment) {
  for (int c = 0; c < 3; ++c) force[c] = moment[c] = 0.0L;
  std::vector<long double> cuts = {0.0L};
  if (n[2] != 0.0f) {
    const long double level = -static_cast<long double>(start[2]) / n[2];
    if (level > 0.0L && level < l) cuts.push_back(level);
  }
  cuts.push_back(l);
  const int intervals = 4000;
  for (std::size_t piece = 0; piece + 1 < cuts.size(); ++piece) {
    const long double h = (cuts[piece + 1] - cuts[piece]) / intervals;
    for (int j = 0; j <= intervals; ++j) {
      const long double s = cuts[piece] + j * h;
      const long double w = (j == 0 || j == intervals ? 1.0L : (j % 2 == 1 ? 4.0L : 2.0L)) * h / 3.0L;
      const long double p[3] = {start[0] + s * n[0], start[1] + s * n[1], start[2] + s * n[2]};
      ComplexL a[3];
      f.at(p, a);
      const long double r[3] = {s * n[0], s * n[1], s * n[2]};
      for (int c = 0; c < 3; ++c) force[c] += w * a[c];
      moment[0] += w * (r[1] * a[2] - r[2] * a[1]);
      moment[1] += w * (r[2] * a[0] - r[0] * a[2]);
      moment[2] += w * (r[0] * a[1] - r[1] * a[0]);
    }
  }
}

// The acceleration's integrals along lines below the level, across it both ways and wholly above it
// (upright, inclined and level, so that the horizontal phase runs along them), in shallow and deep
// water: those of the field. Above the level that is the level's acceleration held in height: a
// 20 m top in a short wave (k 0.3, where e^{kz} would reach 400) carries 20 times the level's.
TEST(WaveKinematics, AccelerationAlongALineHoldsTheLevelsValueAboveIt) {
  struct Case {
    const char* name;
    double kx, ky, depth;
    float start[3], phi, l;  // phi from the vertical, in the x-z plane [rad]
  };
  const Case cases[] = {
      {"below the level", 0.04, 0.03, 100.0, {1.0f, 2.0f, -60.0f}, 0.3f, 40.0f},
      {"rising across it", 0.04, 0.03, 100.0, {1.0f, 2.0f, -20.0f}, 0.4f, 32.0f},
      {"rising across it, shallow", 0.1, 0.0, 12.0, {0.0f, 0.0f, -12.0f}, 0.0f, 16.0f},
      {"coming down across it", 0.04, -0.03, 100.0, {3.0f, 0.0f, 6.0f}, 2.6f, 20.0f},
      {"a top standing above it", 0.3, 0.0, 100.0, {0.0f, 0.0f, 0.0f}, 0.0f, 20.0f},
      {"inclined above it", 0.06, 0.05, 100.0, {-4.0f, 1.0f, 2.0f}, 0.9f, 15.0f},
      {"level above it", 0.06, 0.05, 30.0, {-4.0f, 1.0f, 2.0f}, 1.5707964f, 15.0f},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const double k = std::hypot(c.kx, c.ky);
    const LinearWave wave = linearWave(c.kx, c.ky, k, c.depth);
    const float n[3] = {std::sin(c.phi), 0.0f, std::cos(c.phi)};
    const LineIntegrals r = accelerationAlongLine(wave, c.start, n, c.l);
    ComplexL force[3], moment[3];
    fieldIntegrals({c.kx, c.ky, k, c.depth}, c.start, n, c.l, force, moment);
    // each component to 1e-9 of the largest of its kind (a component can vanish)
    long double forceScale = 0.0L, momentScale = 0.0L;
    for (int i = 0; i < 3; ++i) {
      forceScale = std::max(forceScale, std::abs(force[i]));
      momentScale = std::max(momentScale, std::abs(moment[i]));
    }
    for (int i = 0; i < 3; ++i) {
      EXPECT_LE(std::abs(ComplexL(r.force[i]) - force[i]), 1e-9L * forceScale) << "force " << i + 1;
      EXPECT_LE(std::abs(ComplexL(r.moment[i]) - moment[i]), 1e-9L * momentScale) << "moment " << i + 1;
    }
  }
  // The top standing above the level: 20 times the level's acceleration (i k, 0, -k tanh kd).
  const LinearWave wave = linearWave(0.3, 0.0, 0.3, 100.0);
  const float foot[3] = {0.0f, 0.0f, 0.0f}, up[3] = {0.0f, 0.0f, 1.0f};
  const LineIntegrals top = accelerationAlongLine(wave, foot, up, 20.0);
  EXPECT_TRUE(Near(top.force[0], ComplexL(0.0L, 6.0L), 1e-12L));
  EXPECT_TRUE(Near(top.force[2], ComplexL(-6.0L * std::tanh(30.0L), 0.0L), 1e-12L));
}

// A line cut into pieces, each integrated from its own start and its moment carried to the line's,
// gives the whole line's integrals, wherever the cuts fall against the level: the rule depends on
// where a point stands, not on where its piece starts.
TEST(WaveKinematics, ALineCutIntoPiecesGivesTheWholeLine) {
  const LinearWave wave = linearWave(0.08, 0.02, std::hypot(0.08, 0.02), 60.0);
  const float n[3] = {std::sin(0.35f), 0.0f, std::cos(0.35f)};
  const float start[3] = {2.0f, -1.0f, -18.0f};
  const LineIntegrals whole = accelerationAlongLine(wave, start, n, 30.0);
  const std::vector<double> cuts[] = {{19.0, 11.0}, {12.0, 7.0, 3.0, 3.0, 5.0}, {18.0, 4.0, 8.0}};
  for (const std::vector<double>& pieces : cuts) {
    ComplexD force[3] = {}, moment[3] = {};
    double s0 = 0.0;
    for (const double l : pieces) {
      const float p[3] = {static_cast<float>(start[0] + s0 * n[0]), static_cast<float>(start[1] + s0 * n[1]),
                          static_cast<float>(start[2] + s0 * n[2])};
      const LineIntegrals r = accelerationAlongLine(wave, p, n, l);
      const double lever[3] = {s0 * n[0], s0 * n[1], s0 * n[2]};
      for (int c = 0; c < 3; ++c) force[c] += r.force[c];
      moment[0] += r.moment[0] + lever[1] * r.force[2] - lever[2] * r.force[1];
      moment[1] += r.moment[1] + lever[2] * r.force[0] - lever[0] * r.force[2];
      moment[2] += r.moment[2] + lever[0] * r.force[1] - lever[1] * r.force[0];
      s0 += l;
    }
    for (int c = 0; c < 3; ++c) {
      EXPECT_TRUE(Near(force[c], ComplexL(whole.force[c]), 1e-6L)) << pieces.size() << " pieces, force " << c + 1;
      EXPECT_TRUE(Near(moment[c], ComplexL(whole.moment[c]), 1e-6L)) << pieces.size() << " pieces, moment " << c + 1;
    }
  }
}

}  // namespace
}  // namespace qv
