// The options file "SQUALDAT" of the external time-domain program Tavrenoch: the current values of
// SQUALCOM (util/squalcom.h) as tab-separated text, with a version line, the group counts, the
// simulation duration and two lists of line picks.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "util/farray.h"

namespace qv {

// READ_TD_OPTS results.
inline constexpr std::int32_t kOptionsRead = 0;
inline constexpr std::int32_t kOptionsDamaged = 1;     // not readable: the file is deleted, use the defaults
inline constexpr std::int32_t kOptionsOtherSizes = 2;  // read, but written with other group sizes

// Writes the options file FNAME anew. VER and ISUB: this program's version and sub-release; SQVER and
// SQSUB: the options file's; DURH: the simulation duration [h]; NFLD: written as the pick count of
// the duration line. PICKA and PICKB: the two pick lists of nFldReports entries (entries the caller's
// arrays do not hold are written as 0). A file that cannot be made stops the run.
void WRITE_TD_OPTS(std::string_view FNAME, float VER, std::int32_t ISUB, float SQVER, std::int32_t SQSUB,
                   float DURH, std::int32_t NFLD, std::span<const std::int32_t> PICKA,
                   std::span<const std::int32_t> PICKB);

// Reads the options file FNAME into SQUALCOM: the current values, and the duration [s] and pick count
// of the duration line into fullDuration_D and nFldReports_D. PICKB and PICKA receive the pick lists;
// their sizes are the capacity, and a file with more picks than they hold is damaged. HDR receives
// characters 11 to 80 of the first line (HDRLEN their length without trailing blanks); VERLINE the
// first line itself, unless it is the title of a file Tavrenoch wrote. IERR: kOptionsRead,
// kOptionsDamaged or kOptionsOtherSizes. A missing file stops the run.
void READ_TD_OPTS(std::string_view FNAME, std::int32_t& IERR, std::span<std::int32_t> PICKB,
                  std::span<std::int32_t> PICKA, Text<72>& HDR, std::int32_t& HDRLEN, Text<80>& VERLINE);

// True when the pick lists differ: in length, or in any of the first NA entries.
bool overRideLinePicks_F(const std::int32_t* A, std::int32_t NA, const std::int32_t* B, std::int32_t NB);
// True when the two durations differ.
bool overRideFullDuration_F(float X, float Y);

}  // namespace qv
