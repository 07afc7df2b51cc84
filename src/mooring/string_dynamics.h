// The harmonic balance of a mooring line reduced to one degree of freedom (CATSTR): the end
// extension A of the line is shared between the elastic stretch (stiffness KELAS) and the catenary
// displacement (stiffness KRAT KELAS, optionally stiffened by a quadratic term), the latter loaded by
// the line mass M and by quadratic drag linearised over a cycle. With
//   beta  = KRAT + 1 - OMEGA^2 M / KELAS       (dynamic stiffness ratio)
//   w     = CQCNST OMEGA / KELAS,  gamma = w^2 (damping ratio)
//   delta = |sigma a / KELAS|                  (quadratic stiffness ratio), a = |A|
// the catenary part is CYCAT = g A e^(i psi), g the catenary amplification: the root of
// g^2 ((beta + delta g)^2 + gamma g^2) = 1 and psi = -atan2(g w, beta + delta g), the argument of the
// whole denominator, so that the phase holds also above the catenary resonance (beta < 0).
//
// 4-byte floats; complex values are pairs of them. Units: [ft | m], [kip | t], rad/s.
#pragma once

#include <cstdint>

#include "numlib/algebra.h"

namespace qv {

// Arguments: OMEGA [rad/s]; A the complex end extension; sigma the quadratic stiffness coefficient;
// parity +1 or -1 (the direction of the excursion); M the line mass; CQUAD the quadratic damping
// coefficient of the line end; out CYCAT the catenary part and CYELAS the elastic part of A; KRAT the
// catenary over the elastic stiffness; KELAS; out CQCNST the linearised damping constant, c a OMEGA
// CQUAD with c = 1.2 for the simulation type 17, else 8/(3 pi); out RATIO the catenary amplification
// g; EDUNIT and inUnit the channels of the failure message; iterate 0 or 1; CREATR the simulation
// type; line the line number for the message.
//  - a = 0: everything 0.
//  - KRAT above 1.0e5: the whole extension is elastic (RATIO 0); KRAT below 1.0e-20: the whole
//    extension is catenary (RATIO 1).
//  - Linear amplitude (delta left out): g^2 = 2 / (sqrt(beta^4 + 4 gamma) + beta^2), 1/|beta|
//    without damping and w^(-1/2) at beta = 0; Q = g w, CYELAS = CYCAT ((beta - 1) + i Q), so that
//    CYCAT + CYELAS = A. (beta = 0 without damping is an undamped resonance of unbounded amplitude;
//    the dynamic line model cannot reach it, since its line mass is 0 whenever its damping is.)
//  - iterate = 1: g is the root of NULTMP in [0, 1.5] (RTMI1, 1.0e-4 on g, 1.0e-3 on the function),
//    psi as above, and CYELAS = CYCAT (n + i Q) with n = parity sigma a g / KELAS + KRAT and Q of the
//    linear amplitude: this elastic part leaves out the mass term, so with line mass CYCAT + CYELAS
//    differs from A by CYCAT OMEGA^2 M / KELAS. A failed search writes " ++> Error return (IER = ...)
//    from RTMI in CATSTR... " with the line and the wave period, pauses (PRSRET) and stops the run.
// The parameters of the search are left in TMPCM2 (tmpcm2.h).
void CATSTR(float OMEGA, Complex A, float sigma, float parity, float M, float CQUAD, Complex& CYCAT, Complex& CYELAS,
            float KRAT, float KELAS, float& CQCNST, float& RATIO, std::int32_t EDUNIT, std::int32_t inUnit,
            std::int32_t iterate, std::int32_t CREATR, std::int32_t line);

// The amplitude equation from TMPCM2: 1 - X^2 ((BETACP + DELCOF X)^2 + GMCOEF X^2).
float NULTMP(float X);

}  // namespace qv
