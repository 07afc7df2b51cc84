#include "lowfreq/drift_common.h"

#include "dataset/tpcm.h"
#include "hull/pascom.h"
#include "numlib/interpolation.h"
#include "platform/units.h"
#include "util/dialogue.h"
#include "util/fatal.h"
#include "waves/wavcom.h"

namespace qv {

float tableValue(const float* X, const float* Y, int N, float x, int& range) {
  int i = 1;
  BSRCH(X, x, range, i, N);
  float y = 0.0f;
  INTERP(X, Y, x, y, i);
  return y;
}

float tableValue(const float* X, const float* Y, int N, float x) {
  int range = 0;
  return tableValue(X, Y, N, x, range);
}

void warnWithAbortQuestion(std::string_view routine, std::initializer_list<std::string_view> lines) {
  const std::int32_t unit = TPCM.EDUNIT;
  for (std::string_view line : lines) writeRecord(unit, line);
  std::int32_t answer = 0;
  ABORT0(unit, kKeyboardUnit, answer);
  if (answer < 0) silentStop(routine);
}

float currentSpeed(float knots) { return knots * (TPCM.NUNTS != kEnglishUnits ? 0.5142f : 1.687f); }

float relativeMotionAt(float k, std::int32_t waveSystem) {
  const int n = TPCM.NWP;
  int range = 0;
  const float value = tableValue(&WAVCOM.WVK(1), &PASCOM.RLRAOH2(1, waveSystem), n, k, range);
  if (range == 1) return PASCOM.RLRAOH2(n, waveSystem);
  if (range == 2) return PASCOM.RLRAOH2(1, waveSystem);
  return value;
}

}  // namespace qv
