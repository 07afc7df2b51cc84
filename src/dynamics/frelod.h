// FRELOD: the wave-frequency response and loads of a free SALM, called once by FREMOT without
// arguments, after the wave grid, the spectra and the modes are in WAVCOM, OUTPUT and DYNCOM.
//
// The column is two rotations, the in-plane angles DELPH1 and DELPH2 of its members (DELPHI(1..2)
// of DYNCOM; one member: DELPH2 stays 0), per unit wave amplitude, obeying
//
//   [EFK1 - w^2 EFMS11, -w^2 EFMS12; -w^2 EFMS12, EFK2 - w^2 EFMS22] (DELPH1, DELPH2) = (Q1, Q2),
//
// Q the generalised wave force of the members' inertia loads plus the generalised drag force, which
// WAVFOR linearises on the relative velocity at the regular-wave amplitude EXTAMP (half SLPHT, or
// the wave of slope SLPHT degrees when LSLPHT > 0), so that it depends on the response. Per period
//
//   - the first estimate is the sum of the two modes, each damped by the equivalent linear damping
//     of its quadratic drag at its own resonance (GAMPHI, GAMTHT, left in OUTPUT for the statistics);
//   - Newton's method then solves the equation with the drag, its Jacobian by forward differences of
//     1 % (a perturbation of an angle that is exactly 0 is (0.001, 0) instead), until both angles
//     change by less than 1 % or are below 2.0E-5; the Jacobian of a period starts from that of
//     the period before (one member: only its first entry is ever formed);
//   - with the simplified drag model (SMPDRG) the first estimate is the response, and the drag loads
//     of member 1 follow from the linear coefficients FDCP1, TDCP1 at resonance (member 2: none);
//   - the moment-element loads go to "MOMDAT" (dynamics/momdat.h; when NMOMT is not 0), with no phase
//     reference;
//   - the member-end loads are split into inertia, static and wave parts (stations 1 to 4: the
//     bottom and top of member 1, then of member 2; the free top carries nothing) and summed into
//     NETSHR and NETAXL (column 1 the base reaction, columns 2 to 4 stations 1 to 3) and PHIMEM.
//
// Then the response variances of the random sea and the swell: the in-plane share of each sea is
// cos^2 of its heading h (the column's plane is heading 0), or for a sea spread as cos^p (LSPRED)
// cos^2 h E + sin^2 h (1 - E), E = (p + 1) / (p + 2) its share along h; the cross share is the
// rest; they are added to SIGMA and SIGDOT (1..36), the joint positions stored in RSIGHF and
// SIGDOT(37..). ISPRED and NRAOSM are left at 1 (one heading). Last come the member-response report
// DYNOUT (when LREG is not 0) and the moment-element report MOMOUT (when NMOMT is not 0), which
// leaves TPCM ISTAT at 51 (37 without it).
//
// Stops: a singular Jacobian, or a period that needs 30 Newton steps, with their messages, a pause
// and status 1 ("MOMDAT" keeps the periods done); a period at which a mode without damping meets its
// own frequency in the modal estimate. The run's checks (momentElementFinding) have refused more moment elements than the
// moment tables hold before any stage.
#pragma once

#include "numlib/algebra.h"

namespace qv {

void FRELOD();

// The residual of one row of a two-by-two system: A C + B D - E.
Complex GFUNC(Complex A, Complex B, Complex C, Complex D, Complex E);
// The modal dynamic factor Y^2 - X^2 + X C of a mode of circular frequency Y at the frequency X with
// the damping term C (i times a damping rate) [rad/s].
Complex DLFCN2(float X, Complex C, float Y);

}  // namespace qv
