// The wave-frequency angular motions of the members of an attached SALM, for one vessel heading at
// every period of the wave grid. DYNSLM calls MEMMOT once per heading, MEMLOD right after it.
//
// The column's response is carried by two complex coordinates of member 1, its in-plane angle
// DELPHI(1) (the in-plane mode, WMODEH) and its transverse angle DELTHT(1) (the transverse mode,
// WMODEL); the other members follow through the linkage ratios and the yoke's motion. Each
// coordinate obeys one single-degree-of-freedom equation (DELFCN) driven by the members' wave forces
// and the inertia of the yoke's motion and damped by the members' drag, which is linearised by a
// secant iteration on both coordinates at once. Two members follow the yoke kinematically (ROTMAT).
//
// Per heading MEMMOT:
//   - reads the yoke's motions of heading OUTPUT ISPRED + 1 from "YOKEMOT" through the one reader of
//     the motions at the attachment (readAttachmentBlock of dynamics/attachment_motions.h): the
//     header NRAOSM, ISWLFG, ISWLFG2, IRANFG, RAODIR of the heading's displacement block and the
//     first vessel point's CRVEC(1..3, I), CVANG(1..3, I) of each period in the SALM's axes (the
//     angles are radians per unit wave amplitude, also with user operators); under the imposed
//     extension (LEXTND) it imposes unit horizontal motion instead;
//   - sets WAVDIR, the heading of the waves the block's motions belong to (RAODIR + TANGLE), which
//     names the pass in the reports and the heading line it writes; sets SLMWAV, YOKWAV from the
//     heading the members take their wave loads from (memberWaveHeading), EXTAMP and the drag
//     coefficients, and for three members the equivalent damping GAMPHI, GAMTHT at the two mode
//     frequencies;
//   - solves every period and stores PHIMEM(I, M) = DELPHI(M) and THTMEM(I, M) = DELTHT(M) EQSIN(M).
//
// After 100 secant steps without convergence it asks: -2 keeps the estimate and goes on with the next
// period, -3 starts the period again from zero, -4 keeps the estimate and ends the heading with NWP
// lowered to this period (not offered at period 1: the question comes again), "A" stops the run,
// anything else takes one more step and asks again. An unattended run (EDUNIT 41) stops after the
// message. A "YOKEMOT" without the heading's yoke motions ends in FILERR with lines that say why
// (noYokeMotions of dynamics/dynslm.h); a period at which a mode is undamped at its own frequency stops
// with a message (the equation has no bounded solution there).
#pragma once

#include <cstdint>
#include <string_view>

#include "numlib/algebra.h"

namespace qv {

// What MEMMOT keeps over the headings of one run: the periods of each heading block of "YOKEMOT",
// the NWP that DYNSLM found when it opened the file. The "-4" reply lowers NWP for the rest of the
// run, but the blocks keep the length they were written with.
struct MemmotState {
  std::int32_t filePeriods = 0;

  void reset() { *this = MemmotState{}; }
};
extern MemmotState memmotState;

void MEMMOT();

// The heading the members of the attached column take their wave loads from [rad], for the pass in
// hand (after MEMMOT has set WAVDIR): with several wave directions (OUTPUT MLTRAO) the block's own,
// WAVDIR; with one, that of the random waves that act (randomWavesHeading: the data set's sea,
// SEAHDG(1) not reduced to a turn, or with the sea switched off the swell, SWLHDG): the heading of the
// slow drift and of the statistics, whatever block's vessel motions the pass takes. With neither, the
// pass's own regular waves, WAVDIR.
float memberWaveHeading();
// The name of the waves of one direction that memberWaveHeading() takes, as the reports print it:
// "SEA", or "SWELL" where the swell acts alone.
std::string_view memberWaveSystem();

// WAVFOR for member M of the attached column at period IW (wave number k, frequency omega [rad/s]),
// the top member in the yoke's wave direction YOKWAV, the others in the SALM plane's CSLMWV, SSLMWV:
// the wave part (mode 0, moment table SHMOM1) or the drag part (mode 1, SHMOM2, at the member motions
// DELPHI, DELTHT and the base velocity BASVL1, at the amplitudes given) into CFORCE and CMOMT of
// DYNCOM, with the squared current speed VC2. With `record` set the member's moment elements are
// recorded in the table, counted on from `count`.
void memberWaveForces(int M, int IW, float k, float omega, std::int32_t mode, float amplitude, float dragAmplitude,
                      float VC2, std::int32_t record, std::int32_t& count);

// The debug question of the member solvers: shows SMPDRG and reads a new value at "INPUT SMPDRG:"
// (a blank reply keeps it).
void askSimplifiedDrag();

// The simplified member drag of DYNCOM from the angular rates PHIDOT and THTDOT of member 1 and the
// linear coefficients FDCP1 ... TDCT3: FDP, TDP, FDT, TDT of members 1 to 3.
void simplifiedDragForces();

// Response of a single-degree-of-freedom system of mass EM and squared natural frequency WN2 at the
// frequency W to the exciting moment A + B, with the damping term W C (C is i times a damping
// rate): (A + B) / (EM (WN2 - W^2 + W C)). A zero denominator is not guarded.
Complex DELFCN(Complex A, Complex B, float EM, float WN2, float W, Complex C);

}  // namespace qv
