// Added-mass and added moment-of-inertia coefficients of the hull members of the data set (the
// member table of section 2), from each member's section, its end types and its waterline
// crossing, with the free-surface correction for a horizontal member near the surface; default drag
// coefficients; and two complete elliptic integrals.
#pragma once

#include <cstdint>

namespace qv {

// CYLCM(1..3, IMEM) and CYLCMI(1..3, IMEM), axis 3 along the member, from the ellipsoid integrals
// of an elliptic body with the member's proportions (a rectangular section scaled by RECTCM), a
// member that stands on the sea bed or pierces the surface counted as mirrored about that end, and
// MASCMP(IMEM) 2 asking for the free-surface correction of the sway coefficients. Messages go to
// EDUNIT. IPROB is set to 1 on missing data or when the coefficients cannot be formed, and for a
// vertical member that asks for the correction; to 0 after the not-horizontal warning; SRFCOR may
// set it too; otherwise unchanged. IFAIL 1 when the free-surface correction failed numerically (its
// coefficients are then left uncorrected and MASCMP stays 2, so that the next check finds it again),
// else 0.
void MSCALC(std::int32_t IMEM, std::int32_t& IPROB, std::int32_t& IFAIL);

// Default drag coefficients of member IMEM: 1 across the member and for its rotations about the
// cross axes, none about its own axis, end drag only when one of its ends is free (type 0).
void DGCALC(std::int32_t IMEM);

// RES = K(AK), the complete elliptic integral of the first kind of modulus AK (arithmetic-geometric
// mean); 1.0E38 for AK = 1. IER 1 when 1 - AK^2 < 0, else 0.
void CEL1(float& RES, float AK, std::int32_t& IER);
// RES = integral over 0..pi/2 of (A cos^2 t + B sin^2 t) / sqrt(cos^2 t + (1 - AK^2) sin^2 t) dt, the
// general complete elliptic integral of the second kind (A = B = 1: K; A = 1, B = 1 - AK^2: E). For
// AK = 1: -1.0E38, 1.0E38 or A by the sign of B. IER 1 when 1 - AK^2 < 0, else 0.
void CEL2(float& RES, float AK, float A, float B, std::int32_t& IER);

}  // namespace qv
