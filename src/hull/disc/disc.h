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
//   DYNSPR        the spring and damping terms and the complex force of all mooring lines on the
//                 buoy for a harmonic motion of given amplitudes and frequency.
//
// Masses and inertias are per unit water density (see hull/himem.h); the mooring terms are true
// forces and meet them divided by WAVCOM RHOWTR.
#pragma once

#include <complex>
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

// The mooring lines' equivalent linear spring and damping terms for a harmonic motion of the buoy:
// amplitudes SG, SW, HV [ft | m] and RL, PT, YW [rad] (surge, sway, heave, roll, pitch, yaw) at the
// frequency OMEGA [rad/s], line i at the horizontal fairlead-anchor distance DIST[i - 1] [ft | m].
// Out, each summed over the lines from 0: for every motion of non-zero amplitude A, with P its
// component of the line's complex force (surge, sway, heave: the force along x, y, z [kip | t]) or
// moment (roll, pitch, yaw: about x, y, z [kip ft | t m]) on the body, the spring term K.. += |Re P / A|,
// the damping term B.. += |Im P / (A OMEGA)| and the complex output F.. or M.. += P. So the lines
// never cancel in the spring and damping terms, and the complex outputs keep their signs; a motion
// of amplitude 0 adds nothing. Moments are about the point from which the fairleads RFLD are
// measured, at the height TDRAFT above the keel.
//
// Each line is taken in its static state from the line tables at its distance; the line driver
// (LINDRV) has run at the same distances. The body's heading is EQUILB BUYNGL for the simulation
// type 13, VESANG otherwise. Leaves the state of the last line in LINCOM (ITYP, HMEAN, TPTEN0,
// BTTEN0, FRICTN, DPHLD, DPHLD2, BOTELM, SCLWT, SCLWTP, BETA, BETAP) and CATCOM (CAFLD, CABOT).
// Lines whose code is above 1024 are left out. A distance whose table tension is not positive takes
// the line at the first table point, with the line driver's warning once per line and run.
void DYNSPR(float SG, float SW, float HV, float RL, float PT, float YW, float OMEGA, const float* DIST, float& KSG,
            float& KSW, float& KHV, float& KRL, float& KPT, float& KYW, float& BSG, float& BSW, float& BHV, float& BRL,
            float& BPT, float& BYW, std::complex<float>& FX, std::complex<float>& FY, std::complex<float>& FZ,
            std::complex<float>& MX, std::complex<float>& MY, std::complex<float>& MZ);

}  // namespace qv
