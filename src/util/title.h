// The editor's opening screen with its start menu, and the title page that opens every analysis
// report. Both show the program's version text and its capacity, derived from the program type.
#pragma once

#include <cstdint>
#include <string_view>

#include "util/farray.h"

namespace qv {

// "Version: 6.80.00 " for 6.8: the version with 2 decimals, the sub-release 0, and "b" in place of the
// last blank for a version of 0 or below (a beta).
void VERSION_STRING(Text<17>& str, float ver);
// "6.80.03 " for 6.8 and sub-release 3, "6.80.12 " for 12, "6.80.03b" for -6.8; blank-padded.
void VERSION_STRING2(Text<17>& str, float ver, std::int32_t isub);

// The capacity line of a program type: 9 or less motion evaluations, 10 sublines, above 10 mooring
// lines.
struct Capacity {
  std::string_view caption;  // 20 characters
  std::int32_t count;
  std::string_view word;     // 7 characters
};
Capacity capacityOf(std::int32_t programType);

// The opening screen: the framed banner, then (unless skip is set) the start menu, asked again until
// the reply is M, C, E or B; choice is the upper-case letter. With skip set (a listing pass) nothing is
// cleared or asked and the caller sets the choice.
void TITLE(std::int32_t programType, std::string_view programName, float version, std::int32_t unit,
           std::int32_t inUnit, char& choice, std::int32_t skip);

// The title page of an analysis report; the run line carries the time and date of the run.
void TITLPG(std::int32_t programType, std::string_view reportTitle, std::int32_t titleLength,
            std::string_view programName, std::int32_t nameLength, float version, std::string_view ident1,
            std::string_view ident2, std::int32_t unit);

}  // namespace qv
