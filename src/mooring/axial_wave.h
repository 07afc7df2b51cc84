// The axial elastic wave of a mooring line: the elastic part of the line's end extension turned into
// dynamic tensions, the line taken as a chain of uniform elastic bars in which an axial wave
// travels. One end of the chain is held; the other moves by the elastic extension.
//
// Element j carries the wave number k(j) = LINCOM WAVEK(j) (KELAST, line_stiffness.h, at the same
// frequency) and the compliance 1/EA = EAINV(ALPHA, T, j). In an element the displacement runs as
// q cos(kx) + p sin(kx) and the axial force as EA k (p cos(kx) - q sin(kx)) (x from the element's
// start in the direction of travel); the chain starts at the held end with p = 1, q = 0 and carries
// (p, q) across each junction so that displacement and force are continuous. Elements with k = 0
// are passed over: the state goes straight on to the next element that carries a wave.
//
// 4-byte floats; complex values are pairs of them. Units: [ft | m], [kip | t].
#pragma once

#include <cstdint>

#include "numlib/algebra.h"

namespace qv {

// Arguments by position:
//   1  OMEGA     circular frequency [rad/s]
//   2  CYCAT     catenary part of the end extension (massless case)
//   3  CYELAS    elastic part of the end extension: the moving end's displacement
//   4  CATMASQ   line mass of the dynamics (massless case)
//   5  CQCNST    linearised damping constant (massless case)
//   6  RATIO     catenary amplification (massless case)
//   7  sigma     quadratic stiffness coefficient (massless case)
//   8  T         the tension of the compliance, the static fairlead tension TPTEN0
//   9  CTOPF     out: tension at the moving end (the fairlead with reversal 1)
//  10  CBOTF     out: tension at the held end (the lower end with reversal 1)
//  11, 12        trace level and channel; not used
//  13  reversal  1: the chain runs from element NELEM (the held lower end) up to element 1 (the moving
//                fairlead); otherwise from element 1 (held) down to NELEM (moving)
//  14  SLEN      element lengths of the type (25)
//  15  ALPHA     strain-law coefficients of the type (3 x 25)
//  16  NELEM     elements of the type
//  17  CNOD      out: tension at each node 1..NELEM+1 (26 complex values)
//  18  LNODES    non-zero: fill CNOD
// Wave case: with D the moving end's displacement for the unit start state, U = CYELAS / D; the held
// end's tension is k U / EAINV of the first element of the chain, the moving end's the force at the
// far end of the last one. Node values: every node carries the axial force of the chain at its
// place, the force at the far end (in the direction of travel) of the last element with a wave at
// or before it, which by continuity is k U p / EAINV of the next such element at its start; a node
// before the first element with a wave carries the held end's tension, one after the last the moving
// end's. So the node at the held end is CBOTF and the node at the moving end CTOPF.
// Massless case (every k is 0): both ends, and every node, carry
// CYCAT ((sigma |CYCAT| + KCTAN - OMEGA^2 CATMASQ) + i CQCNST OMEGA RATIO), KCTAN from CATCOM.
void LNGWAV(float OMEGA, Complex CYCAT, Complex CYELAS, float CATMASQ, float CQCNST, float RATIO, float sigma,
            float T, Complex& CTOPF, Complex& CBOTF, std::int32_t NBUG, std::int32_t EDUNIT, std::int32_t reversal,
            const float* SLEN, const float* ALPHA, std::int32_t NELEM, Complex* CNOD, std::int32_t LNODES);

}  // namespace qv
