// The vertical line: a line of one type whose fairlead lies straight above (or below) its lower
// end. The elements hang one below the other, the tension growing upward by the weight of each
// element, each element stretched by its strain law over the tension it carries. Elements that do
// not fit into the vertical distance rest on the seabed; a buoyant element lying there lifts parts
// of its neighbours off it. The result is the line-table entry of the vertical configuration; the
// line-table reader LOADUP solves a line through it when the line carries no horizontal force.
//
// Data: TPCM.moor NELEM, SLEN, WETWT, ALPHA of the type; TPCM.TLOAD, the tension scale of the search
// (0 or less: the type's total submerged weight |sum w L|, or 1 when that is 0); EDUNIT and LBACK
// for the messages. The working state is DUMMY1. Units: [ft | m], [kip | t], angles in radians.
#pragma once

#include <cstdint>

namespace qv {

// Solves line type `lineType` hanging across the signed vertical distance DZ from its lower end up
// to its fairlead.
//  freeFlag        out: +1 or -1 (the sign of DZ) when the whole line hangs free; 0 after the
//                  buoyant-line handling error; otherwise unchanged.
//  tensionGuess    a tension of the expected size; it scales the root tolerance (the search scale
//                  does when it is 0.01 or less).
//  groundedA, groundedB  out: the length resting on the seabed, twice.
//  fairleadAngle, lowerAngle  out [rad]: with a grounded part, sign(T) pi/2 and 0; otherwise both
//                  sign(DZ) pi/2.
//  fairleadTension out: |T| at the fairlead.
// A buoyant element on the seabed whose neighbour is weightless, or whose lifting shares have a zero
// denominator, is the handling error: every output 0, the message " ++> Buoyant line handling
// error. ..." and a PRSRET pause. The same message and pause, without zeroing, warn of a lifted
// share longer than the neighbouring element. A search that fails 20 times stops the run.
void VRTLIN(float DZ, std::int32_t lineType, std::int32_t& freeFlag, float tensionGuess, float& groundedA,
            float& fairleadAngle, float& fairleadTension, float& groundedB, float& lowerAngle);

// The objective of VRTLIN's search, from DUMMY1: DELZP less the length hanging from the fairlead
// when the lower end of element LSTFRE (the top of the partly lifted element) carries T0.
double DPDSTER(double T0);

}  // namespace qv
