// The current profile of the run (CURPROF) and the current averaged over the vessel's draft. The
// profile modes (TPCM LCSTCR): 0 the 1/7-power law over the depth, 1 uniform, 2 the data set's own
// table, 3 the file "CRNTPROF.txt" (the count N, 2 to 101, then N rows, one to a line, of depth below
// the surface [ft | m] from 0 to the water depth, speed [knots] from 0 to 25 and heading [deg] within
// a turn either way, depths strictly increasing). A missing file names the page and item that ask
// for it; a row that cannot be read, its line and what it holds; a value beyond what it is, its line
// and column.
#pragma once

#include <cstdint>

namespace qv {

// The strongest tidal streams run below 25 knots: a current, or its fluctuation, beyond is no sea's.
inline constexpr int kStrongestCurrentKnots = 25;

// Fills CURPROF from the data set, once per run; later calls only return DZMIN. VDRAFT the vessel
// draft [ft | m]; DZMIN out: the smallest spacing of the profile points, the first counted from the
// surface [ft | m]. Without current (LCURNT 0) the data set's CURSPD is set to 0. IUNIT the screen
// unit, IIN the input unit.
void CURPROF_INIT(float VDRAFT, float& DZMIN, std::int32_t IUNIT, std::int32_t IIN);

// The root mean square of the current speed over the draft VDRAFT in water of depth DEPTH [ft | m]:
// MODE 0 the 1/7-power profile of surface speed USURF, 1 the uniform speed USURF, 2 and 3 the table
// VEL(1..N) at depths DEP(1..N), starting from USURF at the surface and holding its last speed below
// its last point. Other modes give 0; a draft not above 0 gives USURF.
float AVGCUR(float DEPTH, float VDRAFT, std::int32_t MODE, const float* VEL, const float* DEP, float USURF,
             std::int32_t N);

// The current that acts on the vessel [knots]: AVGCUR over the data set's draft, by its profile mode
// LCSTCR, of the profile CURPROF (which CURPROF_INIT has built) under the page's surface speed
// CURSPD. The current's loads take it, and so does every term that scales with them.
float vesselCurrentSpeed();

// (1 - D / DEPTH)^(1/7), 0 at and below the bottom.
float VONE7TH(float DEPTH, float D);

// The first-call flag of CURPROF_INIT and the spacing it found.
struct CurrentProfileState {
  bool built = false;
  float dzmin = 0.0f;
  void reset();
};
extern CurrentProfileState currentProfileState;

}  // namespace qv
