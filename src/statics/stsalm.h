// The statics stage of an analysis run. STSALM groups the SALM elements of the data set into rigid
// members, finds the column configuration of least potential energy at zero horizontal load, the
// vertical joint loads of that configuration, and the load-offset table with the member-angle table
// over up to 90 load points; then it writes the title page and the statics report (STPRT).
//
// It fills SOLVE and the load-offset table of EQUILB and changes the data set in memory for the later
// stages: BUOY becomes buoyant force in place, and YOKEHT (a buoyant riser), OFFINC, NUMTAB, TLOAD
// (no elements), HMIN, LPERCN and NBUG are written. It therefore runs once per loaded data set, and
// the data set is not saved afterwards.
//
// Refused before any work, with a message and a stop: more than 40 elements; more than 6 members (5
// with a yoke, whose two-legged top needs two more load entries downstream); NUMTAB outside 2 to 90
// (0 counts as 2); a largest table load TLOAD of 0 or below when the load table is to be searched; a
// buoyant riser with a piercing element (the run's own finding, dataset/run_checks.h).
//
// A table point is kept only when its shape is an equilibrium: the top at its height and every
// member's moment balance within the stated tolerances (stsalm.cpp). Otherwise the stage stops
// naming the load, the table point and the attachment, before anything is written to the report.
#pragma once

#include <cstdint>

namespace qv {

void STSALM();

// Deals out the bits of a pattern, lowest first: S = +1 when N is odd, -1 when even; then N = N / 2.
void BITSGN(float& S, std::int32_t& N);

}  // namespace qv
