// Captions: codes turned into the texts of the editor pages and the reports. English and metric
// labels sit on neighbouring codes, so callers add the data set's unit selector to a base code. The
// names of the spectrum codes of the data set (WAVPRT, WNDPRT, CURPRT) stand with the code tables
// they read, in dataset/spectrum_captions.h.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "util/farray.h"

namespace qv {

// The code of a unit caption in the data set's unit system: the English caption's code `base`
// plus the unit selector NUNTS (0 English, 1 metric), the metric caption following the English one.
// Every caller of the tables below that adds NUNTS adds it here, where the sum cannot overflow: a
// selector at the end of its type gives a code beyond every table, whose caption is the error text.
std::int32_t unitCode(std::int32_t base, std::int32_t NUNTS);

void UNITP(Text<16>& text, std::int32_t code);   // unit label of a page item
void UNITS(Text<16>& text, std::int32_t code);   // short unit name of a report line
void CAPUN(Text<8>& text, std::int32_t code);    // upper-case unit caption of a report heading
void DOF(Text<8>& text, std::int32_t code);      // degree of freedom, 1 surge .. 6 yaw

using UnitNameRoutine = void (*)(Text<16>&, std::int32_t);

// One report line: the label, a run of dots, the value from column 49 and the unit name.
void ONELIN(std::string_view label, std::int32_t labelLength, float value, UnitNameRoutine unitName,
            std::int32_t unitCode, std::int32_t unit);

// Extremes of values(1..n) and whether they run monotonically in the direction of value n.
void MAX_MIN(const float* values, std::int32_t n, std::int32_t& indexMin, std::int32_t& indexMax, float& minimum,
             float& maximum, std::int32_t& monotonic, std::int32_t& increasing);

// Checks that x lies within values(i1..i2) (1-based) and that they are monotonic there:
// 0 fine, 1 outside an increasing range, 2 outside a decreasing one, plus 3 when not monotonic.
void RNGCHK(const float* values, std::int32_t i1, std::int32_t i2, float x, std::int32_t& error);

}  // namespace qv
