// The kinematics of a linear regular wave along a straight line, as the member wave loads of the SALM
// column and of the semi-submersible's members take them.
//
// The wave has unit amplitude, eta = Re{exp(i (omega t - kx x - ky y))}, in water of depth d (z up from
// the still-water level, the seabed at z = -d). Its depth decay is written with exponents that are
// never positive anywhere between the seabed and the still-water level:
//   cosh k(z + d) / cosh kd = (e^{kz} + e^{-k(z + 2d)}) / (1 + e^{-2kd}),
//   sinh k(z + d) / sinh kd = (e^{kz} - e^{-k(z + 2d)}) / (1 - e^{-2kd}),
// the rising part e^{kz} and its image in the seabed e^{-k(z + 2d)}. Nothing can overflow, an element
// far below the reach of the wave gets loads that are simply small, and an integral along a line is
// taken from the values at its two ends, so that it does not depend on how the line is cut. All in
// double precision.
//
// Above the still-water level linear theory has no water to describe: the kinematics are held there
// at their still-water value in height, each point keeping the horizontal phase of where it stands
// (the usual extrapolation of linear wave kinematics above the mean level). Grown as e^{kz} up a dry
// stretch instead, they would load the tip of a 10 m top 12 times as much as the level in a 4 s
// wave. Every helper below applies this one rule, so that a line whole or cut into pieces, above the
// water or across it, gets one answer.
#pragma once

#include <complex>

namespace qv {

using ComplexD = std::complex<double>;

// The wave number and the depth with the decay's constant factors.
struct LinearWave {
  double kx, ky;      // horizontal wave-number components [1/ft | 1/m]
  double k;           // wave number [1/ft | 1/m]
  double depth;       // water depth d [ft | m]
  double image;       // e^{-2kd}: the seabed's image of the surface; 0 in deep water
  double coshNorm;    // 1 / (1 + e^{-2kd})
  double sinhNorm;    // 1 / (1 - e^{-2kd})
};
LinearWave linearWave(double kx, double ky, double k, double depth);

// The rising part e^{kz} and the seabed's image e^{-k(z + 2d)} at the height z [ft | m]; above the
// still-water level, their values at it.
struct DepthParts {
  double rising, image;
};
DepthParts depthParts(const LinearWave& wave, double z);

// The integrals over s in [0, l] of e^{a + b s} (`value`) and of s e^{a + b s} (`moment`), from the
// exponential's values at the two ends, (e^{a + b l} - e^{a}) / b and its like; by their series
// where b l is so small that the difference would lose its digits.
struct ExpIntegrals {
  ComplexD value, moment;
};
ExpIntegrals expIntegrals(ComplexD a, ComplexD b, double l);

// The wave acceleration over g, (i kx C, i ky C, -k S) e^{-i (kx x + ky y)} with C and S the decays
// of the cosh and the sinh above, integrated along the line start + s n, s in [0, l]: `force` its
// integral, `moment` the integral of (s n) x (a / g) about the start. Where the line stands above the
// still-water level the decays take their still-water values, C = 1 and S = tanh kd, while the phase
// follows each point's (x, y).
struct LineIntegrals {
  ComplexD force[3], moment[3];
};
LineIntegrals accelerationAlongLine(const LinearWave& wave, const float* start, const float* n, double l);

// The particle velocity per unit amplitude at the height z [ft | m] where the horizontal phase factor
// is e^{-i (kx x + ky y)} = `phase`: `horizontal` along the wave (times (kx, ky) / k for its two
// components), omega cosh k(z + d) / sinh kd e^{...}, and `vertical`, i omega sinh k(z + d) /
// sinh kd e^{...}; above the still-water level, their values at it.
struct ParticleVelocity {
  ComplexD horizontal, vertical;
};
ParticleVelocity particleVelocity(const LinearWave& wave, double omega, double z, ComplexD phase);

}  // namespace qv
