// How much of each row of the period grid a vessel under way meets fast enough for the
// wave-frequency statistics: the one home of that rule.
//
// Under way the vessel meets the wave of grid frequency w and wave number k at the encounter
// frequency we = w - k U cos(beta), U cos(beta) its speed along the waves' direction. In following
// and stern-quartering seas we passes through 0: surge, sway and yaw have no restoring, so their
// response operators grow as 1 / we^2 there, while heave, roll and pitch stay bounded (they follow
// the slope of a wave they hardly pass). A response met more slowly than the lowest wave frequency of
// the grid is slower than any wave the grid holds: it belongs to the slow drift of the moored vessel,
// not to its wave-frequency response, and its size depends on how close to we = 0 the grid happens
// to fall.
//
// The rule is a weight per row, on the amplitude of its surge, sway and yaw:
//
//   s = 1                                  where |we| >= wl, the grid's lowest frequency,
//   s = (|we| - wl / 2) / (wl / 2)         between,
//   s = 0                                  where |we| <= wl / 2.
//
// Whole wherever the vessel meets the row at a frequency the grid's rows reach at rest, so that at
// rest and wherever no row is met that slowly every figure is the one without the rule, bit for bit;
// nothing from half the grid's lowest frequency down (an encounter period of twice the grid's
// longest and beyond), where the motion belongs plainly to the slow drift. Between, the weight runs
// straight in |we|, so that a speed or a period moved by a hair moves a statistic by a hair: no line
// lies where a row can cross it and step a figure. The end e = wl / 2 is the soonest one at which
// the weighted response of a body without restoring, s A / we^2 (A the wave load over the mass),
// still rises steadily with |we| over the whole fall ((|we| - e) / we^2 rises up to |we| = 2 e): a
// row met more slowly never counts for more than the same load met at the grid's lowest frequency,
// and there the weight's fall and the response's growth cancel to first order. Heave, roll and
// pitch, and the water's own motion, are taken whole at every row.
//
// Rows stay whole in every operator table and motion file. Where a statistic cannot split a row's
// response into surge, sway and yaw and the rest (a SALM's response to the whole motion at its
// attachment, a motion relative to another body's point), it takes the row's whole response at the
// same weight: its amplitude times s, its energy times s^2 (energyShare).
//
// Users: the vessel's response statistics (STATCM of vessel/statistics.h, on its surge, sway and yaw
// columns), and through waveFrequencyOperators the motions of its points (ACCOUT of
// vessel/point_motions.h) and the drift, drag and statistics quantities of RELRAO
// (vessel/relraoup.h); the attached SALM's member loads and moments (MEMLOD, MOMOUT), its riser's
// load tables (DYNOUT) and the buoyant riser's keel motion (riserKeelMotion) through
// blockEncounterWeights and blockRowDensities of dynamics/attachment_motions.h.
#pragma once

#include <array>
#include <cstdint>

#include "hull/himem.h"

namespace qv {

// The vessel's speed along the waves' direction, TPCM TVFWD cos(heading - course), for the waves'
// heading and the course, both relative to the vessel [deg] [ft/s | m/s]; 0 at rest.
float speedAlongWaves(float headingDeg, float courseDeg);

// Where the weight reaches 0, as a share of the grid's lowest frequency.
inline constexpr float kSlowEncounterEnd = 0.5f;

// The weight s of a row met at the encounter frequency `we` [rad/s] on a grid whose lowest frequency
// is `lowest` [rad/s].
float slowEncounterWeight(float we, float lowest);

// The weights of the rows of the grid (w[0..NWP-1] in rad/s, k[0..NWP-1] the wave numbers) at the
// speed along the waves `speedAlong`: 1 everywhere at rest and by default.
struct EncounterWeights {
  std::array<float, kNarray> s = ones();  // per grid row, 0-based
  int partial = 0;                        // rows taken in part or not at all (s < 1)

  float at(int iw) const { return s[static_cast<std::size_t>(iw - 1)]; }  // 1-based grid row
  bool whole(int iw) const { return at(iw) == 1.0f; }
  bool none(int iw) const { return at(iw) == 0.0f; }
  // The share of a row's energy where its whole response takes the weight: s^2.
  float energyShare(int iw) const { return at(iw) * at(iw); }

 private:
  static std::array<float, kNarray> ones() {
    std::array<float, kNarray> a{};
    a.fill(1.0f);
    return a;
  }
};
EncounterWeights encounterWeights(const float* w, const float* k, float speedAlong);

// The six operators of one row as the wave-frequency statistics take them (surge .. yaw): surge,
// sway and yaw times the row's weight s, the rest whole.
void waveFrequencyOperators(const Complex* X, float s, Complex* out);

// The warning of the run, given at the first statistic that weights rows: the speed, the relative
// wave heading [deg], the wave periods of the rows taken in part or not at all, and the encounter
// periods between which the share falls; once per run.
void warnSlowEncounterRows(float headingDeg, const EncounterWeights& rows);

struct SlowEncounterState {
  bool warned = false;
  void reset() { *this = SlowEncounterState{}; }
};
extern SlowEncounterState slowEncounterState;

}  // namespace qv
