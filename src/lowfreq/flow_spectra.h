// Spectral densities of wind gusts and of current fluctuations at the low frequencies of the moored
// vessel's horizontal motions, one-sided, per rad/s, and the user spectrum files "WINDSPEC.txt" and
// "CRNTSPEC.txt" (the count N, 2 to 1000, then N pairs of frequency [rad/s] and density, one to a
// line, frequencies strictly monotonic). Each file reader keeps the table of the file it read last. A
// row that cannot be read stops the run naming the file, the line and what the row holds; a frequency
// below 0 or above that of a 0.1 s period, or a density below 0 or above the square of the strongest
// flow of its kind (250 knots of wind, 25 of current) over 0.0005 rad/s, stops it as the file is
// read, naming the file, the line and the column; a missing file names the page and item that ask
// for it.
#pragma once

#include <cstdint>
#include <string_view>

#include "dataset/tpcm_codes.h"  // kMaxUserSpectrumPoints
#include "util/farray.h"

namespace qv {

// The wind-gust density at F [rad/s] for the mean wind U [kn] (0 when U is not above 0). SCONST the
// density of the legacy point model; NUNTS 0 English, 1 metric; ICODE the model (TPCM WNDTYP, the
// codes of WindSpectrum in dataset/tpcm_codes.h); APIPAR the API parameter; ZREF the height of the
// NPD model [ft | m]; RATIO out: the NPD squared speed ratio of the height to 10 m (1 for the other
// models); IUNIT the screen unit.
float WNDSPC(float F, float U, float SCONST, std::int32_t NUNTS, std::int32_t ICODE, float APIPAR, float ZREF,
             float& RATIO, std::int32_t IUNIT);
// The current density at W [rad/s]: ICODE (TPCM CURTYP, the codes of CurrentSpectrum) steady none,
// legacy point SCONST, band-limited SCONST up to 0.1257 rad/s and 0 above, anything else the file
// "CRNTSPEC.txt".
float CURSPC(float W, float SCONST, std::int32_t ICODE, std::int32_t IUNIT);

// The user file's density at W [rad/s], linear between its points; 0 outside them, with a warning
// the first time in the run that names the file, its frequencies and W.
float UWNDSPEC(float W, std::int32_t IUNIT, std::int32_t IIN, std::string_view FNAME);
float UCURSPEC(float W, std::int32_t IUNIT, std::int32_t IIN, std::string_view FNAME);

// The table one reader keeps between calls.
struct UserSpectrumTable {
  std::int32_t N = 0;                                  // points in use
  Arr<float, kMaxUserSpectrumPoints> frequency{};      // [rad/s]
  Arr<float, kMaxUserSpectrumPoints> density{};        // spectral density per rad/s
  Text<13> LASTFILE = makeText<13>("========");        // name of the file held
  std::int32_t FRSTIM = 1;                             // 1 until the first file is read
  bool outsideWarned = false;                          // the out-of-range warning has been given
};

struct UserSpectrumState {
  UserSpectrumTable wind;
  UserSpectrumTable current;
  void reset();
};
extern UserSpectrumState userSpectrumState;

}  // namespace qv
