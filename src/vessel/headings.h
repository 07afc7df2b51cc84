// The response-heading table of the vessel response: every regular-wave heading, swell direction and
// sea direction (with its spreading directions) that a later pass needs operators for, each once,
// with the links from the sea headings to their response headings.
#pragma once

#include <cstdint>

namespace qv {

// Builds the table (WAVCOM NRAO, HIMEM REDANG and LRAO) and the links (WAVCOM ISWELL, ISWEL2; HIMEM
// IRAN, ISWL, ISWL2, INTGFL) from the data set, in this order: the NDIR regular-wave headings as
// given; the swell and second-swell directions (fixed, or relative to each sea heading when LSWLOK
// is 1); the sea headings, or with spreading (WAVCOM LEXP 1) the NA + 1 directions across the
// sector ANGSEC of each. Angles are reduced to [0, 360) degrees; a swell or sea direction within 0.05
// degree of an entry reuses it. More than 498 headings stop the run before the table overflows.
void LOADN();

// IFOUND = the last index i of TABLE(1..N) [deg] with |ANG - TABLE(i)| < 0.05, or 0.
void LOGFIL(std::int32_t& IFOUND, float ANG, const float* TABLE, std::int32_t N);

}  // namespace qv
