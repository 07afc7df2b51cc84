// The ends of the hull in the tanker wave-drift models: the bow and the stern are wedges whose
// half-angle at the waterline follows from their shape factors (BOWFAC, STRNFC, page 10). The slow
// drift derives the end geometry of EQUILB from them, and the run's checks refuse an end that does
// not fit the hull, before any stage.
#pragma once

namespace qv {

// From this factor on (0.36 times it reaching 0.9972) the end is square: half-angle pi/2, cotangent 0.
inline constexpr float kSquareEndFactor = 2.77f;

// The sine, the half-angle [rad] and its cotangent of an end from its shape factor: sine
// sqrt(0.36 factor) below kSquareEndFactor. A factor of 0 gives an infinite cotangent.
void endAngle(float factor, float& sine, float& angle, float& cotangent);

// Whether an end of this factor fits a hull of waterline beam over length `beamOverLength`: its
// wedge, (beam / 2) cot long, must end short of midships, 1 - beamOverLength cot > 0 (for the bow
// the models' LEFRAT). A factor of 0 never fits; a square end always does.
bool endFitsHull(float factor, float beamOverLength);

}  // namespace qv
