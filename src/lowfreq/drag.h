// The low-frequency drag and the wave-drift damping of the vessel's hull in one wave system: the
// drag term that the wave-frequency motions add to the current drag of a force component, and the
// damping pair of the slow-drift variances. DRAGF is the one entry: a column-stabilised hull
// (TPCM SEMI_LIKE not 0) is treated member by member (DRAGF_SEMI), any other hull as a whole with
// one reference length (DRAGF_SHIP): the beam for surge, the length for sway, its square for yaw.
//
// The ship form combines, by statistical linearisation, the current coefficient of the component
// (CRNTCF times CURFAC; the cylindrical-vessel model for every hull but a ship, and for a discus buoy
// only its sign), the relative-motion operators that RELRAOUP left in PASCOM for the wave system
// (RLRAO2 surge, FDRGLAT sway, MDRGLAT yaw), the mean drift coefficients of DRFTC and the wave
// spectrum. It reads SINES HOVERD, the grid of WAVCOM and the data set.
#pragma once

#include <cstdint>

namespace qv {

// MODE       0 the drag pass only; otherwise also the damping pass.
// IDOF       force component: 1 surge, 2 sway, 3 yaw.
// BETA       wave direction relative to the vessel [rad]: where the waves come from, 0 ahead.
// PSD        spectrum of the wave system, PSD[0..NWP-1] on the grid of WAVCOM [ft^2 s | m^2 s].
// DW         difference frequency of the damping pass [rad/s]; a negative one is warned about and
//            turned positive in place (GET_GVAR).
// OUT1, OUT2 drag pass: the drag term 1.5958 A2 MR sqrt|MR| and the drift term A3 MD of the
//            component (A2 = 0.0005 DWATR L CC / G, A3 = 0.001 DWATR L; MR and MD the zeroth moments
//            of S R^0.66667 and S D). Damping pass (when the drag pass gave not both 0): the square-law
//            damping term carried by VWDRGFC and the cross term, never negative.
// IWAVID     wave system: 1 sea, 2 swell, 3 second swell; any other stops the run.
void DRAGF_SHIP(std::int32_t MODE, std::int32_t IDOF, float BETA, const float* PSD, float& DW, float& OUT1,
                float& OUT2, std::int32_t IWAVID);

// The same arguments, handed to the model of the hull in the data set.
void DRAGF(std::int32_t MODE, std::int32_t IDOF, float BETA, const float* PSD, float& DW, float& OUT1, float& OUT2,
           std::int32_t IWAVID);

}  // namespace qv
