// The user's wave spectrum (spectrum type 7): a table of frequencies and densities read from a text
// file, kept in memory for the rest of the run, and looked up by linear interpolation.
//
// The file holds the number of points, then one pair (frequency [rad/s], spectral density
// [(length unit)^2 per rad/s]) to a line; the table may run ascending or descending in frequency but
// must be strictly monotonic, with 2 to 1000 points. A frequency lies from 0 to that of a 0.1 s wave,
// a density from 0 to the variance of a sea of 30 m significant height within 0.0005 rad/s, and the
// sea the table describes (4 times the root of its area) is no higher than the water is deep and no
// steeper than breaking at its peak. It is read on unit 31 when first asked for and again only when
// another name is asked for: a changed file of the same name is not read again in the same run.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "dataset/tpcm_codes.h"  // kMaxUserSpectrumPoints
#include "util/farray.h"

namespace qv {

inline constexpr int kUserSpectrumUnit = 31;
inline constexpr std::string_view kUserSpectrumFile = "WAVSPEC.txt  ";  // 13-character name field

// What UWVSPC keeps between calls for the rest of the run.
struct UwvspcState {
  std::string loadedName = "========     ";          // name field of the table in memory
  bool firstCall = true;                             // no table read yet
  std::int32_t NPOINT = 0;                           // points of the table
  Arr<float, kMaxUserSpectrumPoints> WARRAY{};       // frequencies [rad/s]
  Arr<float, kMaxUserSpectrumPoints> WSPEC{};        // spectral densities [(length unit)^2 s]
  bool WARN1 = false;                                // the warning of a frequency outside the table was given
  void reset() { *this = UwvspcState{}; }
};
extern UwvspcState uwvspcState;

// The user spectrum's density at frequency W [rad/s], from the table of file FNAME (a 13-character
// field, "WAVSPEC.txt" padded with blanks; messages name the file without the blanks). Messages go to
// IUNIT, replies come from IIN. Outside the table the end interval is extrapolated (a density below 0
// is taken as 0), after a warning given once per run that names the file's frequencies and those the
// run needs (the grid of WAVCOM, which every caller looks up), and that the user may answer with an
// abort; an unattended run (unit 41) stops there. A file that cannot be opened (the message names
// the page and item that ask for it), a row that cannot be read (its line and what it must hold), a
// value beyond what it is (its line and column), a count or an order of frequencies it cannot use,
// or a sea no site holds stops the run with its message.
float UWVSPC(float W, std::int32_t IUNIT, std::int32_t IIN, std::string_view FNAME);

}  // namespace qv
