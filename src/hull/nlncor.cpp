#include "hull/nlncor.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "numlib/interpolation.h"
#include "numlib/roots.h"
#include "util/fatal.h"
#include "util/fortran_format.h"

namespace qv {

namespace {

// BRACKT over X(first..last); a value outside the scanned values ends the run.
int bracketOrStop(const float* X, float value, int first, int last, std::int32_t unit) {
  int code = 0;
  int j = first;
  BRACKT(X, value, code, j, first, last);
  if (code != 0) {
    fatalStop("NLNCOR", unit,
              {" ++> Nonzero IER = " + fmtI(code, 2) + " in NLNCOR", "     Press <RETURN> to continue"},
              FatalWait::kReadLine);
  }
  return j;
}

}  // namespace

void NLNCOR(const float* X, float P, const float* Y, float A, float& C, float k, float /*spare*/, float s, int N,
            int& index, std::int32_t mode, std::int32_t unit) {
  auto x = [X](int i) { return X[i - 1]; };
  auto y = [Y](int i) { return Y[i - 1]; };
  const float target = k * 0.5f * A * A;
  const float sign = s < 0.0f ? -1.0f : 1.0f;  // SIGN(1, s): +1 for s = 0
  int i0 = bracketOrStop(X, P, 1, N, unit);

  int j = 0;
  int nearPoint = 0;
  int farPoint = 0;
  int steps = 0;
  if (A * sign >= 0.0f) {
    j = bracketOrStop(X, target, i0, N, unit);
    // A target equal to the last table value is reported at that point; its interval ends there.
    j = std::min(j, N - 1);
    nearPoint = j;
    farPoint = j + 1;
    steps = j - i0;
  } else {
    if (i0 == 1) i0 = 2;
    j = bracketOrStop(X, target, 1, i0, unit);
    j = std::min(j, N - 1);
    nearPoint = j + 1;
    farPoint = j;
    steps = i0 - (j + 1);
  }
  index = j;

  if (std::abs(nearPoint - i0) < 2) {
    C = A;
    return;
  }
  if (mode != 0) {
    float value = 0.0f;
    INTERP(X, Y, target, value, j);
    C = value - y(i0);
  } else {
    const float fraction = (target - x(nearPoint)) / (x(farPoint) - x(nearPoint));
    C = std::copysign((static_cast<float>(steps) + fraction) * std::fabs(y(1)), A);
  }
}

}  // namespace qv
