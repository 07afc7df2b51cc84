// The check that a low-frequency mode's damping dissipates, between the damping sums of the slow
// drift and everything that divides by them: the motion variances, the square-law step and the
// low-frequency report's amplitudes.
#pragma once

namespace qv {

// Stops the run when low-frequency mode `mode` of EQUILB (1 surge, 2 the low sway-yaw mode, 3 the
// high one), its total linear damping summed (or the user's, TPCM LSGLFD ...) and its variances
// divided by it, has a damping that is not positive or a variance that is negative or no number:
// such a mode has no motion to report, and the square root of its variance would be none. The
// message names the mode, the fault and its damping terms by source in percent of critical.
void requireDissipation(int mode);

}  // namespace qv
