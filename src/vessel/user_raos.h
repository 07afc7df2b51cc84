// Vessel response operators from a user's text file in place of the hull model's (TPCM AUXVSH not
// 0): the table is read once and kept until another file name is asked for, then interpolated to
// the response heading in hand and to every grid frequency, turned from per unit wave slope into per
// unit wave amplitude for the angles, and moved from the centre of gravity to the pitch and roll
// centres.
//
// The file, read list-directed on unit 32 (values separated by blanks, commas or line ends; each
// group below starts on a new line):
//   NFREQ NAZ                           frequencies (2 to 121) and headings (2 to 145)
//   then for each of the NAZ headings:
//     heading                           [deg], -360 to 360, the headings rising or falling
//                                       throughout, over any turn within that range (0 to 360,
//                                       -180 to 180, 360 down to 0)
//     NFREQ rows of 13 values           frequency [rad/s], then real and imaginary parts of surge,
//                                       sway, heave [-], roll, pitch, yaw [deg per deg of slope]
// The frequencies must rise or fall throughout; those of the last heading are the ones kept. A
// response heading is read at the turn of it that the table's headings span; one they do not span (a
// table of less than a turn) stops the run.
#pragma once

#include <cstdint>
#include <string_view>

#include "hull/himem.h"
#include "util/farray.h"

namespace qv {

inline constexpr int kMaxUserFrequencies = 121;
inline constexpr int kMaxUserHeadings = 145;
inline constexpr int kUserRaoUnit = 32;

using UserRaoTable = Arr<Complex, kMaxUserFrequencies, kMaxUserHeadings>;

// The name held before the first load: no file name matches it.
inline constexpr Text<13> kNoUserRaoFile = {{'=', '=', '=', '=', '=', '=', '=', '=', ' ', ' ', ' ', ' ', ' '}};

// What USRRAO keeps between calls, for the whole run.
struct UsrraoState {
  Text<13> LASTFILE = kNoUserRaoFile;          // name of the file now held
  std::int32_t FRSTIM = 1;                     // 1 until the first call
  std::int32_t IERR = 0;                       // not 0: the file is missing and unit operators are used
  std::int32_t WARN1 = 0;                      // the frequency-range warning has been given
  std::int32_t NFREQ = 0;                      // frequencies of the table
  std::int32_t NAZ = 0;                        // headings of the table
  Arr<float, kMaxUserHeadings> DEGARR;         // headings [deg]
  Arr<float, kMaxUserFrequencies> WARRAY;      // frequencies [rad/s]
  UserRaoTable CUSRG;                          // surge operators by (frequency, heading) [-]
  UserRaoTable CUSWY;                          // sway operators [-]
  UserRaoTable CUHEV;                          // heave operators [-]
  UserRaoTable CUROL;                          // roll operators [deg per deg of wave slope]
  UserRaoTable CUPIT;                          // pitch operators [deg per deg of wave slope]
  UserRaoTable CUYAW;                          // yaw operators [deg per deg of wave slope]

  // As at the start of a run: nothing loaded, no warning given.
  void reset();
};
extern UsrraoState USRRAO_STATE;

// Fills the six operator columns of HIMEM at grid points 1..NWP for the response heading
// RAOANG(IRAO) (IRAO of WAVCOM, set by the caller) from the file FNAME (13 characters, blank-padded).
// The grid (RLDUM at LW and LWK), the rotation centres VTCRP and VTCRR of HIMEM and TPCM TVKG must be
// in place. A missing file is named with the items that ask for it (page 6, item 13; page 18, item
// 9); at the console the run asks whether to go on and gives unit operators for as long as that name
// is asked for, an unattended run stops; a table too large or too small, not monotonic,
// or unreadable, or one whose headings do not span the response heading, stops the run with a
// message. A grid frequency outside the table warns once per run (naming the file, its frequencies
// and the grid's) and asks; going on extrapolates from the end interval.
void USRRAO(std::string_view FNAME);

// Bilinear interpolation of TABLE at frequency W and heading HEAD, given the lower bracketing
// indices IF (frequency) and IA (heading); outside the table, extrapolation from the end intervals.
void CINTRP4(const UserRaoTable& TABLE, const float* WARRAY, const float* DEGARR, float W, float HEAD,
             Complex& RESULT, int IF, int IA, int NFREQ, int NAZ);

// Unit operators: magnitude 1, phases 45, 105, 165, 225, 285, 345 degrees for surge, sway, heave,
// roll, pitch, yaw. W and HEAD are not used. Note the order of the arguments: pitch before roll.
void UNITRAO(float W, float HEAD, Complex& SURGE, Complex& SWAY, Complex& HEAVE, Complex& PITCH, Complex& ROLL,
             Complex& YAW);

}  // namespace qv
