#include "waves/period_grid.h"

#include <cmath>
#include <cstdint>

#include "dataset/tpcm.h"

namespace qv {

namespace {

// Spacing of the periods that still counts as one step, as a fraction of the step: periods typed
// to two decimals or repeated by the table editor stay well within it.
constexpr float kStepTolerance = 1.0e-3f;

}  // namespace

bool periodsFitForSpectra() {
  const Tpcm& t = TPCM;
  const std::int32_t n = t.NWP;
  if (n < 3 || n > kMaxPeriods || !(t.T(1) > 0.0f)) return false;
  const float step = t.T(2) - t.T(1);
  if (!(step > 0.0f)) return false;
  for (std::int32_t i = 2; i <= n; ++i)
    if (!(std::fabs(t.T(i) - t.T(i - 1) - step) <= kStepTolerance * step)) return false;
  return true;
}

}  // namespace qv
