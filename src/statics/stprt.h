// The statics report: section I (the SALM elements and their grouping into members) and section II
// (joint positions, angles and loads over the load states: II a at the table points, II b in steps of
// OFFINC of the offset), and the plot tables of "STATPLT.plt".
//
// STSALM calls STPRT once, after the title page, with the report on unit IUNIT ("STATOUT.stxt" when
// IUNIT = 1, the console otherwise) and the plot file open on kStaticsPlotUnit when IPLOTS is set. On
// the console every section ends with a pause, and a negative reply writes the report again from
// section I. STPRT leaves ITABLE = NUMTAB and ZLDTMP with the piercing member's draft outputs at the
// last load state reported.
#pragma once

#include <cstdint>
#include <string_view>

namespace qv {

inline constexpr std::int32_t kStaticsPlotUnit = 14;  // "STATPLT.plt"

void STPRT();

// A progress line of the statics on the console unit EDUNIT, between blank lines.
void writeProgressLine(std::string_view text);

}  // namespace qv
