// The line kit of the vessel input pages: the boxed page header, numbered item lines with their dot
// leader, item lines with a value (and a unit label), numbered text lines, unit labels by code, and
// the pacer of long warning lists. Every routine writes on the unit it is given (the data set's
// EDUNIT: 6 the screen, 1 the page listing, 41 the diagnostics file).
//
// The item counter belongs to the calling page and holds the number of the next numbered line; the
// line writers add 1 to it after writing.
#pragma once

#include <cstdint>
#include <string_view>

#include "util/farray.h"

namespace qv {

// The layout of one item line, composed by a page once: how much of the label line shows, then the
// value's field, then the unit label's.
struct ItemFormat {
  int labelColumns = 57;  // leading characters of the 79-character label line
  int valueGap = 0;       // blanks before the value
  int valueWidth = 0;     // width of the value's field; 0 for a text value written whole
  int decimals = 0;       // decimals of a real value
  int unitGap = 1;        // blanks before the unit label (OUTCFU only)
  int unitColumns = 6;    // leading characters of the unit label (OUTCFU only)
};

// " ****  Page 5: Vessel Hydrostatic Characteristics  ****" and an empty line; clears the screen first
// unless copy is set (a listing keeps its pages one after another).
void PAGHDR(std::string_view label, std::string_view word, std::string_view title, std::int32_t width,
            std::int32_t unit, std::int32_t copy);
// The numbered label line " 5) label ......" whose leader ends in column width, in a 79-character field.
void EDLNOT(Text<79>& line, std::int32_t item, std::string_view label, std::int32_t width);
// Item lines with a real value and a unit label, a real value, an integer value, a text value.
void OUTCFU(std::int32_t& item, std::string_view label, float value, const ItemFormat& format,
            std::int32_t unitCode, std::int32_t unit, std::int32_t width);
void OUTCF0(std::int32_t& item, std::string_view label, float value, const ItemFormat& format, std::int32_t unit,
            std::int32_t width);
void OUTCI0(std::int32_t& item, std::string_view label, std::int32_t value, const ItemFormat& format,
            std::int32_t unit, std::int32_t width);
void OUTCC0(std::int32_t& item, std::string_view label, std::string_view text, const ItemFormat& format,
            std::int32_t unit, std::int32_t width);
// A numbered text line " 5) text" without leader or value.
void OUTTXT(std::int32_t& item, std::string_view text, std::int32_t unit);
// The unit label of code 0..21 ("k.lbs", "m.ton", ...); "Index Error" for any other code. A metric
// label's code is its English label's code + 1.
void EUNIT(Text<11>& label, std::int32_t code);
// Called after each warning of a list: pauses and clears when both counts are positive and their sum
// is a multiple of `every`, then adds 1 to the counter (the caller's warning or fatal count).
void WRNINC(std::int32_t& counter, std::int32_t nwarn, std::int32_t nfatal, std::int32_t unit, std::int32_t inUnit,
            std::int32_t every);

}  // namespace qv
