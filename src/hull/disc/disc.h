// The discus-buoy hull model: the buoy as a flat vertical cylinder of radius RADIUS and equivalent
// draft EDRAFT (HIMEM), with Froude-Krylov exciting forces in closed form over Bessel functions of
// k R, added masses and damping from the empirical fits (disc_fits.h), and, with mooring feedback
// (TPCM MORFBK), the mooring lines' spring and damping terms at each motion's natural frequency.
//
// The five operations of the hull seam (hull/hull_model.h), in the order the drivers call them:
//   DSKCHR        the equivalent cylinder, its restoring terms and masses, the natural frequencies
//                 of heave, pitch and roll and, with mooring feedback, those of surge, sway and yaw
//                 with the mooring's spring and damping terms, iterated to a fixed point; then the
//                 line work table of the surge correction
//   DSKFRC(flag)  flag 0, the calibration pass: the forces at the grid points nearest the natural
//                 frequencies at zero speed, the quasi-linear damping of roll, pitch, heave, surge
//                 and sway and, with MORFBK, the response at each natural frequency; any other flag:
//                 the dimensionless exciting forces at every grid point for the heading
//                 REDANG(IRAO), with forward speed. The flag is only read.
//   DSKRAO        the forces of DSKFRC(5) turned in place into the motion RAOs of the same heading,
//                 the surge RAO corrected against the line work table with mooring feedback
//   DSKSUM        report page I, the physical characteristics of the buoy
//   DSKOUT        report page II, the natural periods and damping, unmoored or moor-modified
// and the routines they share:
//   DYNSPR        the spring and damping terms and the complex force of all mooring lines on the
//                 buoy for a harmonic motion of given amplitudes and frequency.
//   HTSLOP        the height and slope of the regular design wave at a frequency.
//
// Masses and inertias are per unit water density (see hull/himem.h); the mooring terms are true
// forces and meet them divided by WAVCOM RHOWTR.
#pragma once

#include <complex>
#include <cstdint>

namespace qv {

// The disc's characteristics into HIMEM: DELTA, RADIUS, BEAM, SHIPL, XSCALE, EDRAFT, SDRAFT, DLRAT,
// CSG, CSW, VTCRP, VTCRR, WPML, WPMT, WLCRP, SWLCRP, GML, GMT, TQCNST, HCONST, PCONST, HVM1, PTCH1,
// ROL1, YAWI, HC, PRMT, RRMT, SKAMHV, SKAMRL (the keel's added heave mass and pitch and roll inertia,
// 0 without a keel), PMAS1, RMAS1, PTCHI, ROLI, HVMAS, SGMAS, the natural frequencies WH, WP, WR,
// WSG, WSW, WY [rad/s] and their nearest grid points JH, JP, JR, JSG, JSW, JY.
//
// The frequencies start at the grid frequency W(NWP) and are iterated: each pass takes the added
// masses at the frequencies of the pass before; a user's natural period (TPCM LHVPRD ... with
// HEVPRD, PITPRD, ROLPRD, and for surge, sway, yaw the periods held in SGK, SWK, YWK) replaces the
// computed frequency. Without mooring feedback (TPCM MORFBK not 1) only heave, pitch and roll are
// found, the passes end when no nearest grid point moves, and WSG, WSW, WY are 0 at the grid point
// NWP. With feedback (MORFBK = 1) the line model is set up from the data set first (line tables,
// anchor geometry LINCOM RANCK and ZANCK, each line's azimuth ANGDPP that of its fairlead about the
// buoy's axis, the line driver's solution; no tables without lines; the simulation type 13 runs the
// driver with the second body's vessel words in the vessel's place), and each pass runs the
// calibration DSKFRC(0) and, for every motion whose period or damping the user does not give, the
// mooring's spring term K (TPCM HVK, PTK, RLK, SGK, SWK, YWK) at a tenth of the design wave and its
// damping (HVMDMP ... YWMDMP [kip s/ft | t s/m, or per radian]) at the expected motion; the moored
// frequency is sqrt(W0^2 + K / (RHOWTR M)) for heave, pitch and roll (W0 unmoored, M the virtual
// mass or inertia), sqrt(K / (RHOWTR M)) for surge, sway and yaw (1.0e-15 when K is not positive).
// The passes end when all twelve values change by at most 1 % (frequencies) and 5 % (damping; a
// value that stays 0 counts as unchanged) and then no nearest grid point moves. Unsettled passes
// are averaged with their predecessors after the 20th pass of an attempt; after two attempts (each
// ends when its pass count goes above 200) each further one ends with " ++> Possible iteration
// failure in DSKCHR period/damping loop." and ABORT3's question on EDUNIT: "A" stops, 99 accepts
// the current values, a blank reply runs another attempt, any other reply stops (an unattended
// run, unit 41, stops at once). A nearest grid point that still moves at the 50th grid check is
// left as it stands, with a warning.
// Last, with feedback, the line work table of the surge correction: LINCOM WVOFST(1) the surge step
// s, WFERGF(i) the lines' work over surge offsets 0, s, ... 89 s at the frequency 2 pi / TAVG (the
// trapezoid integral of their surge force amplitude).
// Input hydrostatics without an equivalent cylinder (TAWP or DWATR not positive, or KB, KG and
// draft that give no real positive draft) stop the run with a message.
void DSKCHR();

// The regular design wave at the frequency W [rad/s] in the depth DEPTH with gravity G: with
// LSLPHT = 1 SLPHT is its largest slope [deg], S = SLPHT / 57.2957764 [rad] and the height
// H = 2 S / k; otherwise SLPHT is the height H and S = k H / 2; k the wave number of W.
void HTSLOP(float DEPTH, float G, std::int32_t LSLPHT, float SLPHT, float W, float& H, float& S);

// The forces of DSKFRC(5) for the heading REDANG(IRAO) replaced in place, at every grid point, by the
// motion RAOs of uncoupled oscillators with the added masses at the point's wave number, the
// restoring terms with the mooring's springs, the damping ratios of the calibration with the
// mooring's damping (or the user's periods and percentages), and forward speed through the
// encounter frequency. Without feedback (MORFBK 0) surge and sway have no restoring and the wave
// damping of the surge fit. The yaw RAO is 0. With feedback the surge RAO is scaled by c / a, c the
// surge amplitude at which the lines' tabulated work equals the energy 0.5 K a^2 of the linear
// spring at the design amplitude a = |RAO| XTRMWV (NLNCOR), K the surge spring SGK or, for a user's
// surge period, RHOWTR SGMAS (2 pi / SGK)^2; an energy beyond the table, or c above a, leaves it.
// A zero denominator gives the RAO 0 with the warning of rao_guard.h.
void DSKRAO();

// Report pages I and II on TPCM IUNIT; on the console each page ends with a pause, and a reply of
// -1 or less draws it again.
void DSKSUM();
void DSKOUT();

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

// The arguments of DYNSPR by name: what it only reads, then in `out` what it writes.
struct DynsprArgs {
  float SG;                  // surge amplitude [ft | m]
  float SW;                  // sway amplitude [ft | m]
  float HV;                  // heave amplitude [ft | m]
  float RL;                  // roll amplitude [rad]
  float PT;                  // pitch amplitude [rad]
  float YW;                  // yaw amplitude [rad]
  float OMEGA;               // frequency of the motion [rad/s]
  const float* DIST;         // per line: horizontal fairlead-anchor distance, line i at DIST[i - 1] [ft | m]
  struct Out {
    float& KSG;              // spring terms of surge, sway, heave [kip/ft | t/m]
    float& KSW;
    float& KHV;
    float& KRL;              // and of roll, pitch, yaw [kip ft/rad | t m/rad]
    float& KPT;
    float& KYW;
    float& BSG;              // damping terms of surge, sway, heave [kip s/ft | t s/m]
    float& BSW;
    float& BHV;
    float& BRL;              // and of roll, pitch, yaw [kip ft s/rad | t m s/rad]
    float& BPT;
    float& BYW;
    std::complex<float>& FX; // complex line force along x, y, z [kip | t]
    std::complex<float>& FY;
    std::complex<float>& FZ;
    std::complex<float>& MX; // complex line moment about x, y, z [kip ft | t m]
    std::complex<float>& MY;
    std::complex<float>& MZ;
  } out;
};

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
void DYNSPR(const DynsprArgs& args);

}  // namespace qv
