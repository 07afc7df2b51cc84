// The mean loads on the moored vessel at a trial heading, and the heading lines of the
// low-frequency and statistics reports.
#pragma once

#include <cstdint>

namespace qv {

// Three lines on `unit`, each after 27 blanks: "WAVE HEADING   = " with the wave heading as given,
// "SALM HEADING   = " and "VESSEL HEADING = " with the angle times `factor` reduced by 360 keeping
// its sign (a negative angle prints negative), each F6.1 and " DEG"; the last line ends in " DEG "
// and is followed by an empty line. Callers pass angles in radians with factor 57.2957764.
void HEADRS(float waveHeading, float salmAngle, float vesselAngle, float factor, std::int32_t unit);

}  // namespace qv
