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

SlowEncounterRows slowEncounterRows(const float* w, const float* k, float speedAlong) {
  SlowEncounterRows rows;
  const int n = wavePoints();
  if (speedAlong == 0.0f || n < 1) return rows;
  const float lowest = *std::min_element(w, w + n);
  for (int i = 0; i < n; ++i) {
    const float we = w[i] - k[i] * speedAlong;
    if (std::fabs(we) < lowest) {
      rows.slow[static_cast<std::size_t>(i)] = true;
      ++rows.count;
    }
  }
  return rows;
}

void waveFrequencyOperators(const Complex* X, bool slow, Complex* out) {
  std::copy(X, X + kDof, out);
  if (!slow) return;
  for (const int dof : {1, 2, 6}) out[dof - 1] = Complex(0.0f, 0.0f);
}

void warnSlowEncounterRows(float headingDeg, const SlowEncounterRows& rows) {
  if (rows.count == 0 || slowEncounterState.warned) return;
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
    if (!rows.at(i)) continue;
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
                  "motion that slow belongs to the slow drift: the wave-frequency statistics leave out the vessel's "
                  "surge, sway and yaw there and what they drive (warned once per run).");
  writeRunWarning(t.EDUNIT, lines);
}

}  // namespace qv
