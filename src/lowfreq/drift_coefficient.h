// DRFTC: the mean wave-drift coefficient of the moored vessel at one grid frequency, for one force
// component and one wave system, by the drift model the data set chooses for that component (TPCM
// LWVCOF, read by the callers), with the wave-current interaction.
//
// Models: 1 the user's drift table (DRFTCB), 2 the legacy tanker, 3 the legacy semi-submersible,
// 4 a buoy or round ship, 5 the caisson spar and 7 the semi/TLP of 2001 (both the vertical-cylinder
// coefficient times the hull's relative motion), 6 the tanker of 2001. A current changes the wave
// number (WAVCURVEC), the frequency the models see (the intrinsic one), the energy flux by the
// enhancement factor, and, unless the data set asks for the legacy interaction (LEGDFC 1), the
// direction of the energy flux, refracted again beside a tanker's hull for sway and yaw (the current
// the hull modifies blended in from the undisturbed one as the waves turn off the hull's axis).
//
// Inputs beyond the arguments: WAVCOM (W, WVK, G), the data set, EQUILB (VESANG and the waterline
// polygon of the tanker models, set by the slow-drift analysis) and PASCOM (MENWLX, MENWLY, RLRAOH2).
#pragma once

#include <cstdint>
#include <string_view>

#include "util/farray.h"

namespace qv {

// The coefficient at grid point i (1..NWP).
//  component    1 surge, 2 sway, 3 yaw; any other stops the run at the first call of a heading.
//  userFile     1: the user's drift table FNAME (model must then be 1); 0: the model below.
//  model        the component's drift model code. A code without a model warns and asks whether to
//               abort at every call, and gives 0.
//  beta         relative wave direction [rad]: where the waves come from, in vessel axes, 0 ahead.
//  firstCall    set to 1 by the caller for the first frequency of a heading and component: the
//               per-heading values are then formed, and the flag is cleared. Later calls reuse them.
//  caller       "DRIFTF", "GRPSPD" or "DRAGF "; with LEGDFC 1 the current is left out for "GRPSPD".
//  waveSystem   1 sea, 2 swell, 3 second swell: the column of PASCOM RLRAOH2 of models 5 and 7.
// Result: the coefficient times the angle factor, the current enhancement and the shallow-water factor.
// 0 when the current leaves the wave no wave number.
float DRFTC(int component, int i, std::int32_t userFile, std::int32_t model, const Text<13>& FNAME, float beta,
            std::int32_t& firstCall, std::string_view caller, std::int32_t waveSystem);

// What DRFTC keeps from the first call of a heading (and the values of the last frequency).
struct DrftcState {
  // per heading and component
  bool MODFLX = false;     // refraction beside the hull wanted (user table read in the current, or the 2001 tanker)
  float FRQSCL = 0.0f;     // frequency scale of the nondimensional frequency [rad/s]
  float WKVAL = 0.0f;      // reference wave number 0.67139286 / DRAFT [1/ft | 1/m]
  float RELHALF = 0.0f;    // opacity of the hull at WKVAL
  float WDCNST = 0.0f;     // sqrt(DEPTH / G) [s]
  float SINREL = 0.0f;     // sin beta
  float COSREL = 0.0f;     // cos beta
  float RELHDG = 0.0f;     // direction of propagation, beta + pi [rad]
  float SRWVHD = 0.0f;     // sin RELHDG
  float CRWVHD = 0.0f;     // cos RELHDG
  float TMPCSP = 0.0f;     // current speed [ft/s | m/s]
  float TMPHDG = 0.0f;     // current direction in vessel axes [rad]
  float COSCURVES = 0.0f;  // cos TMPHDG
  float SINCURVES = 0.0f;  // sin TMPHDG
  float CRXCMP2 = 0.0f;    // current along the vessel's x axis [ft/s | m/s]
  float CRYCMP2 = 0.0f;    // current along the vessel's y axis [ft/s | m/s]
  float CURCMP = 0.0f;     // current along the wave's propagation [ft/s | m/s]
  float CRXCMPDN = 0.0f;   // x current downstream of the hull [ft/s | m/s]
  float CRYCMPDN = 0.0f;   // y current downstream of the hull [ft/s | m/s]
  float CRXCMPUP = 0.0f;   // x current upstream of the hull [ft/s | m/s]
  float CRYCMPUP = 0.0f;   // y current upstream of the hull [ft/s | m/s]
  float CRXCMP1 = 0.0f;    // x current beside the hull where the waves refract [ft/s | m/s]
  float CRYCMP1 = 0.0f;    // y current beside the hull where the waves refract [ft/s | m/s]
  float SMNGFC = 0.0f;     // sign and direction factor of the component
  float SINCUB = 0.0f;     // sin^3 of the flux direction
  float FYENDK = 0.0f;     // sway end factor of the tanker models
  float FYBFAC = 0.0f;     // sway side factor of the tanker models
  float CUBFC2 = 0.0f;     // yaw side factor of the 2001 tanker
  float ANGFCQ = 1.0f;     // angle factor of the result
  // per frequency
  float KCOMOV = 0.0f;     // wave number in the current [1/ft | 1/m]
  float WCOMOV = 0.0f;     // intrinsic frequency [rad/s]
  float WTMP = 0.0f;       // frequency the models see [rad/s]
  float GRPSPQ = 0.0f;     // group velocity [ft/s | m/s]
  float CRNHNC = 1.0f;     // current enhancement of the energy flux
  float SWATFC = 1.0f;     // shallow-water factor
  float FLXANG1 = 0.0f;    // energy-flux direction, refracted beside the hull [rad]
  float SINFLX1 = 0.0f;
  float COSFLX1 = 0.0f;
  float FLXANG2 = 0.0f;    // energy-flux direction in the undisturbed current [rad]
  float SINFLX2 = 0.0f;
  float COSFLX2 = 0.0f;
  void reset() { *this = DrftcState{}; }
};
extern DrftcState drftcState;

}  // namespace qv
