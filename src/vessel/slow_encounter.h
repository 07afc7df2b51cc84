// The rows of the period grid that a vessel under way meets too slowly for the wave-frequency
// statistics.
//
// Under way the vessel meets the wave of grid frequency w and wave number k at the encounter
// frequency we = w - k U cos(beta), U cos(beta) its speed along the waves' direction. In following
// and stern-quartering seas we passes through 0: surge, sway and yaw have no restoring, so their
// response operators grow as 1 / we^2 there, while heave, roll and pitch stay bounded (they follow
// the slope of a wave they hardly pass). A response whose |we| lies below the lowest wave frequency
// of the grid is slower than any wave the grid holds: it belongs to the slow drift of the moored
// vessel, not to its wave-frequency response. Its size also depends on how close to we = 0 the grid
// happens to fall, so a statistic that took it in would move with the choice of the grid.
//
// Such a row stays in every operator table and motion file. The wave-frequency statistics of the
// vessel take the response there without surge, sway and yaw (heave, roll and pitch and the water's
// own motion stay in); a statistic whose row cannot be split so (a SALM's response to the whole
// motion at its yoke, a motion combined with another body's) leaves the row out.
#pragma once

#include <array>
#include <cstdint>

#include "hull/himem.h"

namespace qv {

// The vessel's speed along the waves' direction, TPCM TVFWD cos(heading - course), for the waves'
// heading and the course, both relative to the vessel [deg] [ft/s | m/s]; 0 at rest.
float speedAlongWaves(float headingDeg, float courseDeg);

// The rows of the grid (w[0..NWP-1] in rad/s, k[0..NWP-1] the wave numbers) whose encounter frequency
// at the speed along the waves `speedAlong` lies below the lowest frequency of the grid in size.
struct SlowEncounterRows {
  std::array<bool, kNarray> slow{};  // per grid row, 0-based
  int count = 0;
  bool at(int iw) const { return slow[static_cast<std::size_t>(iw - 1)]; }  // 1-based grid row
};
SlowEncounterRows slowEncounterRows(const float* w, const float* k, float speedAlong);

// The six operators of one row as the wave-frequency statistics take them (surge .. yaw): at a slow
// row without surge, sway and yaw.
void waveFrequencyOperators(const Complex* X, bool slow, Complex* out);

// The warning of the run, given at the first statistic that leaves rows out: the speed, the
// relative wave heading [deg] and the wave periods of the rows; once per run.
void warnSlowEncounterRows(float headingDeg, const SlowEncounterRows& rows);

struct SlowEncounterState {
  bool warned = false;
  void reset() { *this = SlowEncounterState{}; }
};
extern SlowEncounterState slowEncounterState;

}  // namespace qv
