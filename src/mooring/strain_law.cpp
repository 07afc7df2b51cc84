#include "mooring/strain_law.h"

#include <array>
#include <cmath>
#include <string>

#include "dataset/tpcm.h"
#include "mooring/catenary_element.h"
#include "mooring/lincom.h"
#include "mooring/splines.h"
#include "mooring/static_solver.h"
#include "numlib/interpolation.h"
#include "util/fatal.h"
#include "util/fortran_format.h"
#include "util/packed_flags.h"

namespace qv {

namespace {

constexpr int kMaxCurvePoints = 30;
constexpr int kMaxFittingPasses = 10;

// A type or element number in the 2 columns of the message; a type above 99 keeps all its digits.
std::string numberField(std::int32_t value) { return fmtI(value, value >= 100 ? 3 : 2); }

[[noreturn]] void outsideCurve(std::string_view tag, std::int32_t type, std::int32_t element) {
  const std::string what = " ++> " + std::string(tag) + " evaluation produced a nonzero IER in LOAD_ALPHAS.";
  const std::string which = "     (ITYP,IELEM) = (" + numberField(type) + "," + numberField(element) + ").";
  fatalStop("LOAD_ALPHAS", TPCM.EDUNIT, {"", what, which, ""}, FatalWait::kPressReturn);
}

// Element `element`'s tension at the current solution and its interval on the element's curve.
// A tension outside the curve stops the run with the tag.
std::int32_t curveInterval(std::int32_t element, float H, std::string_view tag, float& T) {
  const Lincom& lc = LINCOM;
  const std::int32_t type = lc.ITYP;
  const std::int32_t points = lc.NSTRS_STRN(element, type);
  T = static_cast<float>(H * lc.SECARR(element));
  if (points < 2 || points > kMaxCurvePoints) outsideCurve(tag, type, element);
  int out = 0;
  int interval = 1;
  BSRCH(&lc.TENS_ARR(1, element, type), T, out, interval, points);
  if (out != 0) outsideCurve(tag, type, element);
  return interval;
}

}  // namespace

void GET_ALPHAS(float T, const float* TX, const float* EY, const float* E2, int N, float* A) {
  const float s = STRAIN_VAL(TX, EY, E2, N, T);
  const float a1 = STRAIN_SLOPE(TX, EY, E2, N, 0.0f);
  const float b = STRAIN_SLOPE(TX, EY, E2, N, T);
  float a2 = 0.0f;
  float a3 = 0.0f;
  if (T > 0.0f) {
    a2 = (3.0f * s - T * (2.0f * a1 + b)) / (T * T);
    a3 = (s - T * (T * a2 + a1)) / (T * T * T);
  }
  A[0] = a1;
  A[1] = a2;
  A[2] = a3;
}

void LOAD_ALPHAS(double H, std::int32_t L) {
  Lincom& lc = LINCOM;
  Morcom& moor = TPCM.moor;
  const std::int32_t type = lc.ITYP;
  const std::int32_t N = moor.NELEM(type);
  const float tension = static_cast<float>(H);

  int out = 0;
  int k = 1;  // the HLOD interval of H, for the start slopes
  BSRCH(lc.HLOD.data(), tension, out, k, TPCM.NUMTAB);

  auto solve = [&] {
    lc.DPHLD = tension;
    SCLWLD(lc.SCLWT.data(), &moor.WETWT(1, type), tension, N);
    BETALD(&moor.ALPHA(1, 1, type), lc.BETA.data(), tension, N);
    // Start from the tabulated fairlead angles at both ends of the interval; below the second table
    // point the upper slope is taken far up.
    float lower = std::tan(lc.TOPANG(k + 1, L, type));
    float upper = k > 1 ? std::tan(lc.TOPANG(k, L, type)) : 100.0f * lower;
    ITER8P(lower, upper);
  };
  auto isCurveElement = [&](std::int32_t i) { return BITVAL(moor.STRESS_STRAIN_FILE(type), i) == 1; };

  solve();
  std::array<std::int32_t, 26> fitted{};  // the curve interval each element was fitted in
  for (int pass = 0;;) {
    for (std::int32_t i = 1; i <= N; ++i) {
      if (!isCurveElement(i)) continue;
      float T = 0.0f;
      fitted[i] = curveInterval(i, tension, "MIN2", T);
      GET_ALPHAS(T, &lc.TENS_ARR(1, i, type), &lc.E_ARR(1, i, type), &lc.SPLINE_2DERIV(1, i, type),
                 lc.NSTRS_STRN(i, type), &moor.ALPHA(1, i, type));
    }
    solve();
    bool changed = false;
    for (std::int32_t i = 1; i <= N; ++i) {
      if (!isCurveElement(i)) continue;
      float T = 0.0f;
      if (curveInterval(i, tension, "MIN2Q", T) != fitted[i]) changed = true;
    }
    if (!changed) return;
    if (++pass >= kMaxFittingPasses) {
      fatalStop("LOAD_ALPHAS", TPCM.EDUNIT,
                {"", " ++> Alpha coefficient setting failed in LOAD_ALPHAS; contact Kestrin", ""},
                FatalWait::kPressReturn);
    }
  }
}

}  // namespace qv
