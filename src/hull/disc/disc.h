// The discus-buoy hull model: the buoy as a flat vertical cylinder of radius RADIUS and equivalent
// draft EDRAFT (HIMEM), with Froude-Krylov exciting forces in closed form over Bessel functions of
// k R, added masses and damping from the empirical fits (disc_fits.h), and, with mooring feedback
// (TPCM MORFBK), the mooring lines' spring and damping terms at each motion's natural frequency.
//
// Operations here:
//   DSKFRC(flag)  flag 0, the calibration pass: the forces at the grid points nearest the natural
//                 frequencies at zero speed, the quasi-linear damping of roll, pitch, heave, surge
//                 and sway and, with MORFBK, the response at each natural frequency; any other flag:
//                 the dimensionless exciting forces at every grid point for the heading
//                 REDANG(IRAO), with forward speed. The flag is only read.
//
// Masses and inertias are per unit water density (see hull/himem.h); the mooring terms are true
// forces and meet them divided by WAVCOM RHOWTR.
#pragma once

#include <cstdint>

namespace qv {

// The exciting forces of the disc into the operator columns of HIMEM at the grid points of the
// pass, and in the calibration pass (IFLAG 0) the damping ratios GAMROL, GAMPIT, GAMHEV, GAMSRG,
// GAMSWY with RSLOPE and TQFAC and, with MORFBK set, the natural-frequency responses CRLRAX ...
// CYWRAX. Reads the disc's characteristics from HIMEM (RADIUS, EDRAFT, SDRAFT, the masses and
// natural frequencies with their grid points JR, JP, JH, JSG, JSW, JY), the grid from the work area
// and WAVCOM, and from TPCM the keel, bilge, speed, design wave, mooring and damping members.
// Writes SCALE, DLRAT, SDEPTH, CSG, CSW, BLGFAC and IW with its index words. The calibration pass
// runs at zero speed; TPCM VFWD is the same after the call however it ends. A Bessel function of
// k R that cannot be formed (a grid frequency whose wave number is 0, or the accuracy EPS not
// attained) stops the run with " ++> BESSEL function error. Increase smallest period and retry".
// With TPCM NBUG = 1 it writes its trace lines on EDUNIT. EPS of 0 and WCONST of 0 (the first pass
// never ran) are taken as 1.0e-5 and sqrt(DEPTH / G).
void DSKFRC(std::int32_t& IFLAG);

}  // namespace qv
