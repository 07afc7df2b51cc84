// The wave forces on the members of the semi-submersible: MEMFRC, the two line integrals along one
// member's wetted axis in a regular wave of unit amplitude, and SUMALL, their sum over the member
// table with the members' coefficients, in vessel axes.
//
// Frame of MEMFRC (the member frame): z up and zero at the still waterline, the member's axis in
// the x-z plane. The unit incident wave is
//   Phi0(x, y, z) = cosh(k (z + d)) / cosh(k d) exp(-i (kx x + ky y)),
// a harmonic quantity being the real part of its amplitude times exp(i omega t). KAPPA =
// (kx, ky, -i k) is its complex wave vector.
#pragma once

#include <cstdint>

#include "hull/himem.h"

namespace qv {

// The arguments of MEMFRC by name: what it only reads, then in `out` what it writes.
struct MemfrcArgs {
  float LEN;                 // member length [ft | m]
  const float* RBASEP;       // base point (3) in the member frame, z relative to the waterline [ft | m]
  const float* DIRMEM;       // unit axis (3); its second component must be 0
  float WKX;                 // wave number along x [1/ft | 1/m]
  float WKY;                 // wave number along y [1/ft | 1/m]
  float WK;                  // wave number k [1/ft | 1/m]
  float DEPTH;               // water depth d [ft | m]
  std::int32_t EDUNIT;       // output channel of the warnings and the trace
  std::int32_t NBUG;         // non-zero: the trace, and the question for the number of Simpson points
  std::int32_t WETELM;       // treatment of members cut by the waterline: only 0, the submerged member, is known
  float VCUR2;               // square of the steady flow speed past the member [ft^2/s^2 | m^2/s^2]
  const Complex* BASVLP;     // member velocity (3) at the base point (drag only)
  std::int32_t DRGFLG;       // 0 the inertia integral, otherwise the drag integral
  Complex DELPHI;            // body rotation about the member frame's y axis (drag only) [rad]
  Complex DELTHA;            // body rotation about the axis normal to the member in the x-z plane (drag only) [rad]
  float WFREQ;               // wave (encounter) frequency [rad/s]
  std::int32_t KBD;          // input channel of the questions
  float EXTAMP;              // amplitude factor of the member motion in the drag linearisation
  float WVAMP;               // amplitude factor of the wave velocity; 0 leaves the wave velocity out
  std::int32_t LTOPWT;       // non-zero: end drag at the member's far end
  struct Out {
    Complex* FMEM;           // force integral (3)
    Complex* MMEM;           // its moment (3) about RBASEP
    Complex* firstMoment;    // the first moment (3) of the force integral about RBASEP, the integral of
                             // q dF (drag; 0 for inertia): each force component at its lever along the axis
    std::int32_t& NCROSS;    // waterline crossing: 0 none, 1 base below and far end above, -1 the other way round
    Complex& WLFAC;          // waterline factor (inertia, NCROSS not 0)
    Complex& ENDBOT;         // end-drag term at the wetted start (drag)
    Complex& ENDTOP;         // end-drag term at the wetted far end (drag)
  } out;
};

// One member from its base point RBASEP (z relative to the waterline) along the unit axis DIRMEM
// (second component 0) over the length LEN, wave numbers WKX, WKY, WK in water of depth DEPTH.
// Results are per unit wave amplitude and per unit cross-section area:
//   DRGFLG 0, the inertia integral: FMEM = -integral of grad Phi0 along the wetted axis, MMEM its
//     moment about RBASEP; for a member crossing the waterline (NCROSS 1: base below, far end above;
//     -1 the other way round) WLFAC = exp(-i (incident phase at the cut)) / |DIRMEM(3)|.
//   DRGFLG not 0, the linearised drag integral by Simpson's rule: FMEM = integral of
//     sqrt(VREL2) (wave velocity - member velocity), MMEM its moment about RBASEP, with
//     VREL2 = VCUR2 + 1/2 |WVAMP v_wave - EXTAMP v_member|^2; the member moves with BASVLP at the base
//     and rotates with DELPHI about the frame's y axis and DELTHA about the axis normal to the member
//     in the x-z plane, at the frequency WFREQ; firstMoment = integral of q dF, q the distance from
//     RBASEP along the axis (MMEM = DIRMEM x firstMoment); ENDBOT and ENDTOP are sqrt(VREL2) times
//     the relative velocity along the axis at the ends that meet the water: the base when it lies
//     under water, the far end when it does and LTOPWT is set (a waterline cut is no end).
// A dry member (both ends above water) gives zeros; a member however deep or long gets finite
// integrals (the depth decay's exponents are never positive). NBUG not 0 writes a
// trace on EDUNIT and, for the drag integral, asks on KBD for the number of Simpson points (odd, at
// least 5; not on an unattended run).
void MEMFRC(const MemfrcArgs& args);

// Adds to FSUM and MSUM (three forces and three moments about the vessel's rotation centres) the wave
// force of every member of the table for the wave number WK with components WKX, WKY in vessel axes
// and the encounter frequency WE [rad/s]:
//   DRGFLG 0, inertia: the members' inertia integrals through their coefficient matrices FRCCOF and
//     MNTCOF, plus the waterline force of the crossing members (dropped with DRAG_ONLY), times
//     DENS XAREA;
//   DRGFLG 1, drag: the drag integrals of the members moving with the motion RAO(1..6) (surge, sway,
//     heave, roll, pitch, yaw), each force component times DENS DRGFCF of its axis and each moment
//     built from the force components with their own coefficients, with the end drag of the members
//     (times CYLCD(3)) at the base and, where its end type TOPTYP is 0, at the far end.
// EXTAMP, WVAMP and VCUR2 go to MEMFRC; WETELM is 0.
void SUMALL(Complex* FSUM, Complex* MSUM, float WK, float WKX, float WKY, float WE, float EXTAMP, float WVAMP,
            std::int32_t DRGFLG, float DENS, float VCUR2, std::int32_t WETELM, const Complex* RAO);

}  // namespace qv
