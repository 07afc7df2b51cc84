// What the ship routines share among themselves and nobody else uses: the trace lines of NBUG = 1,
// the wave number of a grid point, the encounter frequency and speed that the exciting forces and
// the RAOs both use under way, and the zero-speed natural damping of heave and pitch that the trace
// of the characteristics and report page II both give.
#pragma once

#include <initializer_list>
#include <string_view>

namespace qv::ship {

// Trace of the working values on EDUNIT when TPCM NBUG = 1: the heading line, then the values six to
// a line in exponent form (E12.4). Nothing otherwise.
void trace(std::string_view heading, std::initializer_list<float> values);

// The wave number of grid point J [1/ft | 1/m] and its frequency [rad/s], from the work area.
float waveNumberAt(int J);
float frequencyAt(int J);

// The encounter frequency [rad/s] of the wave of frequency w [rad/s] and number k met by a ship
// whose speed along the waves' direction is UC: |w - k UC|. A ship that overtakes the waves meets
// them at w - k UC < 0; a harmonic motion at a negative frequency is the motion at its magnitude,
// its complex amplitude conjugated. Every mode is formed at |w - k UC|, so each mode's damping acts
// as a damping (the wave damping grows with the frequency, not with its sign, and the roll's
// constant damping holds at either sign), and the modes keep their phases to one another.
float encounterFrequency(float w, float k, float UC);

// The ship's speed through the water for the forward-speed correction of the added masses and wave
// damping (DAMMAS): the magnitude of TPCM VFWD, whatever the heading of the waves.
float speedThroughWater();

// Natural damping at zero speed in percent of critical, from the fits at the natural frequency and
// its grid point: heave 50 HB / (HVMAS WH), pitch 50 PB / (PTCHI WP).
struct NaturalDamping {
  float heave;
  float pitch;
};
NaturalDamping naturalDamping();

}  // namespace qv::ship
