// The wave-frequency stage of a free-standing SALM: a column of one or two members on its base
// joint, no vessel attached (TPCM FRESLM), in place of DYNSLM. FREMOT runs after the statics, which
// leave the member table and the joint loads at zero load in SOLVE; it needs no slow drift and no
// vessel motion file. It
//
//   - builds the run's sea state in WAVCOM (waves/sea_state.h): the grid of the regular-wave periods
//     T (frequencies, wave numbers) and the sea and swell spectra with their significant heights
//     (SWH, SWHSWL);
//   - stands the column upright (every member angle 0) as the single equilibrium ISTAB = 1 at no
//     load, with the static joint loads FAX (FSHR 0) and the restoring terms SPRGK;
//   - takes the dry part of the piercing member off its added mass and inertia (SOLVE HDRY, DRYVOL,
//     ADMBCY, ADMLBD changed in place);
//   - finds the normal modes of the member rotations: one member turns as a compound pendulum with
//     buoyancy, omega^2 = EFK1 / EFMS11 (WMODEH, TSALMH); two members have the symmetric mass
//     matrix [[EFMS11, EFMS12], [EFMS12, EFMS22]] and the diagonal stiffness (EFK1, EFK2), whose
//     two frequencies are the high mode (WMODEH, TSALMH) and the low mode (WMODEL, TSALML), with
//     their shapes AHI, ALO (member-2 over member-1 rotation) and modal masses EQMASS, EQMAS2;
//   - sets the quadratic drag integrals of the modes (A1MOM3 of member 1, A2MOMH and A2MOML of
//     member 2 in the shape of the high and of the low mode) and the run flags LREG, SPRDFG, MLTRAO;
//   - hands over to FRELOD for the response and the loads, closes the report and plot files and ends
//     with the statistics RANOUT.
//
// Files of the run: "DYNOUT.stxt" on IUNIT when IUNIT = 1 and "DYNPLT.plt" on kDynamicsPlotUnit when
// IPLOTS is set, both open through FRELOD and closed before RANOUT.
//
// Stops, each with its message, a pause and status 1: no regular-wave period; a swell whose period
// lies before T(3) - DT / 2 or from T(NWP) + DT / 2 on (its nearest grid period, NSWEL, outside
// 3 .. NWP); a column of other than one or two members (the swell is checked
// first); and a column without a stable upright mode: a restoring
// stiffness EFK1 or EFK2 not above 0, a mass matrix that is not positive, a negative discriminant of
// the frequency equation, or a coupling EFMS12 or a high-mode shape AHI of 0 where the shapes divide
// by them (the frequencies are in OUTPUT by then).
#pragma once

namespace qv {

void FREMOT();

}  // namespace qv
