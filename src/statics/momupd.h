// MOMUPD: the internal loads along one SALM member under a horizontal load at the column top, at
// the member's moment-output elements (the elements flagged in LMOMT).
//
// The member M leans at the angle phi from the vertical (sine S, cosine C). At its bottom joint the
// horizontal load H and the vertical load ZLOAD(M) at that joint resolve into the in-plane shear
// STISH = H C - ZLOAD(M) S and the axial load STAX = H S + ZLOAD(M) C; the top member (M = NCON)
// also carries the lateral load FLAT as out-of-plane shear STOSH. Walking up the member element by
// element, each element's net weight W = TMASS - BUOY takes W S off the shear and adds W C to the
// axial load, and the moments at the element's top grow by the shear over its length: the in-plane
// moment SMOMO by -SLEN STISH (the new shear) less the moment S (TMASS CGSALM - BUOY CBUOY) of the
// element's own weight and buoyancy about its lower end, the out-of-plane moment SMOMI by
// -SLEN STOSH. Both moments are 0 at the member's bottom joint, a hinge.
//
// Each flagged element stores its top values as row COUNT of OUT: column 1 STISH (in-plane shear),
// 2 STAX (axial), 3 STOSH (lateral shear), 4 SMOMI, 5 SMOMO (column 6 untouched); COUNT then
// advances. The caller passes in COUNT the number of the member's first moment point. A data set
// that flags more than kMaxMomentElements elements still counts them all, so the caller's count check
// sees the excess, but rows past the table are not stored.
//
// The element tables (JELEM(1..NCON+1) of SOLVE, TMASS, BUOY, CGSALM, CBUOY, SLEN, LMOMT of the data
// set) and ZLOAD (per joint, bottom first) are passed as pointers to their first entry and indexed
// from 1. Forces in kips or metric tons, lengths in feet or metres, moments in their products. With a
// debug level NBUG other than 0 a trace line before the walk and one per element go to `unit`.
#pragma once

#include <cstdint>

#include "dataset/tpcm_codes.h"
#include "util/farray.h"

namespace qv {

void MOMUPD(float H, float S, float C, const std::int32_t* JELEM, const float* ZLOAD, float FLAT, const float* TMASS,
            const float* BUOY, const float* CGSALM, const float* CBUOY, const float* SLEN, const std::int32_t* LMOMT,
            Arr<float, kMaxMomentElements, 6>& OUT, std::int32_t& COUNT, std::int32_t M, std::int32_t NCON,
            std::int32_t unit, std::int32_t NBUG);

}  // namespace qv
