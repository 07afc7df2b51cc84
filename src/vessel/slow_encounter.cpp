#include "vessel/slow_encounter.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "dataset/tpcm.h"
#include "dataset/tpcm_codes.h"
#include "numlib/circle_constants.h"
#include "platform/block_reset.h"
#include "util/console_io.h"
#include "util/flowing_lines.h"
#include "util/fortran_format.h"
#include "waves/wavcom.h"

namespace qv {

constinit SlowEncounterState slowEncounterState{};
const BlockReset resetSlowEncounterState{[] { slowEncounterState.reset(); }};

namespace {

constexpr int kPeriodsPerLine = 10;

}  // namespace

float speedAlongWaves(float headingDeg, float courseDeg) {
  const float speed = TPCM.TVFWD;
  if (speed == 0.0f) return 0.0f;
  return speed * std::cos((headingDeg - courseDeg) / kDegreesPerRadian);
}

float slowEncounterWeight(float we, float lowest) {
  const float size = std::fabs(we);
  if (size >= lowest) return 1.0f;
  const float end = kSlowEncounterEnd * lowest;
  if (size <= end) return 0.0f;
  return (size - end) / (lowest - end);
}

EncounterWeights encounterWeights(const float* w, const float* k, float speedAlong) {
  EncounterWeights rows;
  const int n = wavePoints();
  if (speedAlong == 0.0f || n < 1) return rows;
  const float lowest = *std::min_element(w, w + n);
  for (int i = 0; i < n; ++i) {
    const float s = slowEncounterWeight(w[i] - k[i] * speedAlong, lowest);
    rows.s[static_cast<std::size_t>(i)] = s;
    if (s < 1.0f) ++rows.partial;
  }
  return rows;
}

void waveFrequencyOperators(const Complex* X, float s, Complex* out) {
  std::copy(X, X + kDof, out);
  if (s == 1.0f) return;
  for (const int dof : {1, 2, 6}) out[dof - 1] *= s;
}

void warnSlowEncounterRows(float headingDeg, const EncounterWeights& rows) {
  if (rows.partial == 0 || slowEncounterState.warned) return;
  slowEncounterState.warned = true;
  const Tpcm& t = TPCM;
  const int n = wavePoints();
  const std::string speed = messageValue(t.TVFWD) + (t.NUNTS == kMetricUnits ? " m/s" : " ft/s");
  const float longest = *std::max_element(&t.T(1), &t.T(1) + n);
  std::vector<std::string> lines =
      flowingLines(" ++> Warning: ", "under way at " + speed + " with the waves at " + messageValue(headingDeg) +
                                         " deg to the vessel, it meets the waves of these periods [s] more slowly "
                                         "than the longest period of the grid (" + messageValue(longest) + " s):");
  std::string line = "    ";
  int onLine = 0;
  for (int i = 1; i <= n; ++i) {
    if (rows.whole(i)) continue;
    if (onLine == kPeriodsPerLine) {
      lines.push_back(line);
      line = "    ";
      onLine = 0;
    }
    line += fmtF(t.T(i), 7, 2);
    ++onLine;
  }
  lines.push_back(line);
  addFlowingLines(lines, "     ",
                  "motion that slow belongs to the slow drift: the wave-frequency statistics take the vessel's "
                  "surge, sway and yaw there, and what they drive, in a share that falls from whole at an encounter "
                  "period of " + messageValue(longest) + " s to none at " + messageValue(longest / kSlowEncounterEnd) +
                      " s and longer (warned once per run).");
  writeRunWarning(t.EDUNIT, lines);
}

}  // namespace qv
