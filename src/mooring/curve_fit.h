// The compliance curve fit of the line-material help. The user types measured points (tension,
// elongation) of a line material, and the coefficients of the cubic strain law
// e = a1 T + a2 T^2 + a3 T^3 are fitted to them by least squares. Fitting e / T by a quadratic in T
// gives a1, a2, a3 directly, and keeps the law through (0, 0) without that point being typed.
//
// Tensions are in the data set's force unit [kip | t], elongations decimal fractions (10 % is 0.1).
// Arrays are passed as a pointer to their first entry and indexed from 1.
#pragma once

#include <cstdint>
#include <string_view>

#include "util/farray.h"

namespace qv {

// What the fit keeps between calls: the points typed last are offered again, and the weighting
// chosen last is the one proposed next time.
struct FitcrvState {
  std::int32_t NTERMS;    // number of fitted terms (3)
  std::int32_t NPTS;      // number of points, 4..20 (the count typed last; a blank reply keeps it)
  Arr<float, 20> X;       // tensions [kip | t]
  Arr<float, 20> Y;       // elongations, decimal fractions
  Arr<float, 20> YP;      // elongation per unit tension Y / X [1/kip | 1/t]
  Arr<float, 20> SIGMAY;  // standard deviations of the fitted values (the weighting by them is never chosen)
  std::int32_t MODE;      // weighting: 0 none, -1 by 1/elongation
  float CHISQR;           // reduced chi-square of the last fit (computed, not shown)

  void reset();  // as at the start of a run: no points, unweighted; for tests
};
extern FitcrvState FITCRV_STATE;

// The dialogue of the fit, on output unit IOUT and input unit IIN: the number of points (-1 or 0
// leaves, above 20 is taken as 20, below 4 is asked again), the tensions and the elongations in the
// array editor (a zero value is refused, with a pause, and both arrays are offered again), the
// choice of weighting ("C" switches it; no question on unit 41), then the fit into A(1..3).
// A, the caller's coefficients [1/kip, 1/kip^2, 1/kip^3 | per t], change only with a fit: points with
// fewer than three different tensions (or of a size that overflows the fit) get a message and a
// pause and leave A as it was.
void FITCRV(float* A, std::int32_t IOUT, std::int32_t IIN);

// The array editor: shows VALUES(1..N) under " -->> Array input for " and LABEL (one column up to
// 15 values, two above) and reads a selection into ISEL with ENTSEL. "?" shows the no-help screen;
// 0 or a blank reply returns; another code below 1 shows the array again; k >= 1 (at most N) asks
// for values k, k + 1, ... in turn until a blank reply or the last one, then shows the array again.
// MAXN (the room of VALUES) is not used.
void ARAYIN(std::int32_t N, std::int32_t MAXN, std::int32_t IOUT, std::int32_t IIN, float* VALUES,
            std::int32_t& ISEL, std::string_view LABEL);

// Weighted least squares Y ~ A(1) + A(2) X + ... + A(NTERMS) X^(NTERMS-1) over NPTS points, by the
// normal equations (double sums, double matrix) and Cramer's rule. Weights: MODE 0 none, MODE < 0
// 1/|Y| (1 where Y = 0), MODE > 0 1/SIGMAY^2. CHISQR is the weighted sum of squared residuals over
// NPTS - NTERMS (left as it was when that is 0). A singular normal matrix gives A = 0 and CHISQR = 0.
// NTERMS is 1..20.
void POLFIT(const float* X, const float* Y, const float* SIGMAY, std::int32_t NPTS, std::int32_t NTERMS,
            std::int32_t MODE, float* A, float& CHISQR);

// The determinant of the leading NORDER x NORDER block of ARRAY, by elimination without row
// exchanges: a zero pivot is replaced by exchanging its column with the first later column that has
// a non-zero entry in the pivot row (0 when there is none). ARRAY is overwritten.
float DETRM(Arr<double, 20, 20>& ARRAY, std::int32_t NORDER);

}  // namespace qv
