// The water particle's displacement at the surface of a regular wave, per unit wave amplitude, in
// the vessel's axes: what the point motions and the drag operators take away from the vessel's
// motion to leave the motion relative to the water.
//
// E is the elevation at the point, exp(-i k (x cos h + y sin h)) for the relative wave heading h, the
// same phase reference as the vessel's operators. The particle moves up and down with the elevation
// (E) and to and fro along the wave's direction by (k g / w^2) E, a quarter period apart: horizontally
// it is -i (k g / w^2) E (cos h, sin h): under a crest the particle is half way along its horizontal
// path, moving with the wave. The factor k g / w^2 = 1 / tanh(k d) (1 in deep water) is
// the particle's own, formed with the wave frequency w: an observer under way meets the wave at
// another frequency, but the water moves the same.
#pragma once

#include <complex>

#include "hull/himem.h"

namespace qv {

struct WaterMotion {
  Complex x, y, z;  // [ft | m per unit wave amplitude]
};

// The horizontal over the vertical excursion of the particle at the surface, k g / w^2, for the wave
// frequency w [rad/s] and wave number k [1/ft | 1/m] under gravity G.
inline float horizontalExcursion(float w, float k, float G) { return k * G / (w * w); }

// The particle's displacement where the elevation is E, for the horizontal factor a (above), the
// cosine ch and sine sh of the relative heading, and the attenuation f of the motion at the point's
// depth (1 at the surface).
inline WaterMotion waterMotion(Complex E, float a, float ch, float sh, float f = 1.0f) {
  const Complex horizontal = Complex(0.0f, -a * f) * E;
  return {horizontal * ch, horizontal * sh, f * E};
}

}  // namespace qv
