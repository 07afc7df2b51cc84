// What the ship routines share among themselves and nobody else uses: the trace lines of NBUG = 1,
// the wave number of a grid point, and the zero-speed natural damping of heave and pitch that the
// trace of the characteristics and report page II both give.
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

// Natural damping at zero speed in percent of critical, from the fits at the natural frequency and
// its grid point: heave 50 HB / (HVMAS WH), pitch 50 PB / (PTCHI WP).
struct NaturalDamping {
  float heave;
  float pitch;
};
NaturalDamping naturalDamping();

}  // namespace qv::ship
