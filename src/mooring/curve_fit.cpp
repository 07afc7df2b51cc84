#include "mooring/curve_fit.h"

#include <array>
#include <cassert>
#include <cmath>
#include <string>
#include <utility>

#include "platform/block_reset.h"
#include "platform/units.h"
#include "util/console_io.h"
#include "util/dialogue.h"
#include "util/fortran_format.h"
#include "util/nav_codes.h"

namespace qv {

constinit FitcrvState FITCRV_STATE{};
const BlockReset resetFitcrvState{[] { FITCRV_STATE.reset(); }};

void FitcrvState::reset() { *this = FitcrvState{}; }

namespace {

constexpr std::int32_t kMostPoints = 20;
constexpr std::int32_t kLeastPoints = 4;
constexpr std::int32_t kTerms = 3;
constexpr std::int32_t kRowsPerColumn = 15;  // the array editor's second column starts at value 16
constexpr std::int32_t kMostTerms = 20;      // the normal matrix holds 20 x 20

constexpr std::string_view kTensionLabel = "NONZERO Tension values (a point at [0,0] is ASSUMED)";
constexpr std::string_view kElongationLabel = "NONZERO Elongation values (a point at [0,0] is ASSUMED)";

// One value of the array editor: its index in 2 columns, ")" and the value in F13.4.
std::string arrayEntry(std::int32_t i, float value) { return fmtI(i, 2) + ")" + fmtF(value, 13, 4); }

// The number of points, asked until it is 4 or more; 0 when the user leaves.
std::int32_t askPointCount(FitcrvState& s, std::int32_t IOUT, std::int32_t IIN) {
  std::string prompt = "Enter number of data points (max ??, min 4; -1 to abort): ";
  prompt.replace(prompt.find("??"), 2, fmtI(kMostPoints, 2));
  for (;;) {
    WRTLIN(prompt, IOUT);
    std::int32_t number = 0;
    READI(s.NPTS, IIN, number);  // a blank reply keeps the count of the last fit
    if (s.NPTS <= 0) return 0;
    MAXCHK(s.NPTS, kMostPoints);
    if (s.NPTS >= kLeastPoints) return s.NPTS;
  }
}

// Both arrays, offered again until no tension or elongation is zero: the law passes through (0, 0)
// already, and a zero tension has no elongation per unit tension.
void enterPoints(FitcrvState& s, std::int32_t IOUT, std::int32_t IIN) {
  for (;;) {
    std::int32_t selection = 0;
    ARAYIN(s.NPTS, kMostPoints, IOUT, IIN, s.X.data(), selection, kTensionLabel);
    ARAYIN(s.NPTS, kMostPoints, IOUT, IIN, s.Y.data(), selection, kElongationLabel);
    bool zero = false;
    for (int i = 1; i <= s.NPTS; ++i) zero = zero || s.X(i) == 0.0f || s.Y(i) == 0.0f;
    if (!zero) return;
    writeRecord(IOUT, "");
    writeRecord(IOUT, " A tension or elongation of zero is not allowed;");
    writeRecord(IOUT, " a point at (0,0) is ASSUMED! - reenter arrays");
    PRSRET(IOUT, IIN);  // the array editor clears the screen: the message waits to be read
  }
}

// Shows the weighting and lets "C" switch it between none and 1/elongation, as often as asked.
void chooseWeighting(FitcrvState& s, std::int32_t IOUT, std::int32_t IIN) {
  for (;;) {
    writeRecord(IOUT, "");
    writeRecord(IOUT, std::string(" Curve fit will be ") + (s.MODE == 0 ? "unweighted" : "weighted by 1/elongation") +
                          "; to CHANGE weighting method,");
    WRTLIN("enter \"C\"; otherwise press <Return> to continue:", IOUT);
    if (IOUT == kDiagnosticsUnit) return;  // an unattended run is not asked
    char reply = ' ';
    READC(reply, IIN);
    if (reply != 'C' && reply != 'c') return;
    s.MODE = s.MODE == 0 ? -1 : 0;
  }
}

// Three coefficients need three different tensions: with fewer the normal matrix is singular (its
// determinant then comes out as zero or as a rounding residue, both meaningless).
bool enoughTensions(const FitcrvState& s) {
  std::int32_t different = 0;
  for (int i = 1; i <= s.NPTS; ++i) {
    bool seen = false;
    for (int j = 1; j < i; ++j) seen = seen || s.X(j) == s.X(i);
    if (!seen) ++different;
  }
  return different >= kTerms;
}

void writeNoFit(std::int32_t IOUT, std::int32_t IIN, bool enough) {
  writeRecord(IOUT, "");
  writeRecord(IOUT, " ++> These points do not determine the compliance coefficients;");
  writeRecord(IOUT, enough ? "     the fit overflows with tensions of this size."
                           : "     at least three different tensions are needed.");
  writeRecord(IOUT, "     The coefficients are left unchanged.");
  PRSRET(IOUT, IIN);
}

}  // namespace

void FITCRV(float* A, std::int32_t IOUT, std::int32_t IIN) {
  FitcrvState& s = FITCRV_STATE;
  s.NTERMS = kTerms;
  if (askPointCount(s, IOUT, IIN) == 0) return;
  enterPoints(s, IOUT, IIN);
  for (int i = 1; i <= s.NPTS; ++i) s.YP(i) = s.Y(i) / s.X(i);
  chooseWeighting(s, IOUT, IIN);

  const bool enough = enoughTensions(s);
  std::array<float, kTerms> fit{};
  if (enough) POLFIT(s.X.data(), s.YP.data(), s.SIGMAY.data(), s.NPTS, s.NTERMS, s.MODE, fit.data(), s.CHISQR);
  bool finite = true;
  for (float a : fit) finite = finite && std::isfinite(a);
  if (!enough || !finite) {
    writeNoFit(IOUT, IIN, enough);
    return;
  }
  for (int j = 0; j < kTerms; ++j) A[j] = fit[static_cast<std::size_t>(j)];
}

void ARAYIN(std::int32_t N, std::int32_t /*MAXN*/, std::int32_t IOUT, std::int32_t IIN, float* VALUES,
            std::int32_t& ISEL, std::string_view LABEL) {
  const auto value = [VALUES](std::int32_t i) -> float& { return VALUES[i - 1]; };
  for (;;) {
    CLEAR(IOUT);
    writeRecord(IOUT, " -->> Array input for " + std::string(LABEL));
    writeRecord(IOUT, "");
    const std::int32_t rows = N <= kRowsPerColumn ? N : kRowsPerColumn;
    for (std::int32_t r = 1; r <= rows; ++r) {
      std::string line = arrayEntry(r, value(r));
      if (r + kRowsPerColumn <= N) line += fmtX(10) + arrayEntry(r + kRowsPerColumn, value(r + kRowsPerColumn));
      writeRecord(IOUT, line);
    }
    std::int32_t number = 0;
    ENTSEL(ISEL, IOUT, IIN, number);
    if (ISEL == kNavQuery) {
      NOHELP(IOUT, IIN);
      continue;
    }
    if (ISEL == 0) return;
    if (ISEL < 0) continue;
    MAXCHK(ISEL, N);
    for (std::int32_t i = ISEL; i <= N; ++i) {
      WRTLNI("Enter new value for # ", 22, i, IOUT);
      std::int32_t blank = 0;
      CRREAD(value(i), blank, IIN);
      if (blank != 0) break;
    }
  }
}

void POLFIT(const float* X, const float* Y, const float* SIGMAY, std::int32_t NPTS, std::int32_t NTERMS,
            std::int32_t MODE, float* A, float& CHISQR) {
  assert(NTERMS >= 1 && NTERMS <= kMostTerms);
  const std::int32_t NMAX = 2 * NTERMS - 1;
  std::array<double, 2 * kMostTerms - 1> SUMX{};
  std::array<double, kMostTerms> SUMY{};
  const auto sumx = [&SUMX](std::int32_t n) -> double& { return SUMX[static_cast<std::size_t>(n - 1)]; };
  const auto sumy = [&SUMY](std::int32_t n) -> double& { return SUMY[static_cast<std::size_t>(n - 1)]; };
  double CHISQ = 0.0;
  for (std::int32_t i = 0; i < NPTS; ++i) {
    const double x = X[i];
    const double y = Y[i];
    double weight = 1.0;
    if (MODE < 0) {
      if (y != 0.0) weight = 1.0 / std::fabs(y);
    } else if (MODE > 0) {
      weight = 1.0 / (static_cast<double>(SIGMAY[i]) * SIGMAY[i]);
    }
    double xterm = weight;  // weight times x^(n-1)
    for (std::int32_t n = 1; n <= NMAX; ++n) {
      sumx(n) += xterm;
      if (n <= NTERMS) sumy(n) += xterm * y;
      xterm *= x;
    }
    CHISQ += weight * y * y;
  }

  Arr<double, 20, 20> ARRAY;
  const auto build = [&](std::int32_t replaced) {
    for (std::int32_t j = 1; j <= NTERMS; ++j)
      for (std::int32_t k = 1; k <= NTERMS; ++k) ARRAY(j, k) = k == replaced ? sumy(j) : sumx(j + k - 1);
  };
  build(0);
  const float DELTA = DETRM(ARRAY, NTERMS);
  if (DELTA == 0.0f) {
    CHISQR = 0.0f;
    for (std::int32_t l = 0; l < NTERMS; ++l) A[l] = 0.0f;
    return;
  }
  for (std::int32_t l = 1; l <= NTERMS; ++l) {
    build(l);
    A[l - 1] = DETRM(ARRAY, NTERMS) / DELTA;
  }

  for (std::int32_t j = 1; j <= NTERMS; ++j) {
    CHISQ -= 2.0 * A[j - 1] * sumy(j);
    for (std::int32_t k = 1; k <= NTERMS; ++k) CHISQ += static_cast<double>(A[j - 1]) * A[k - 1] * sumx(j + k - 1);
  }
  const std::int32_t FREE = NPTS - NTERMS;
  if (FREE != 0) CHISQR = static_cast<float>(CHISQ / FREE);
}

float DETRM(Arr<double, 20, 20>& ARRAY, std::int32_t NORDER) {
  double DET = 1.0;
  for (std::int32_t k = 1; k <= NORDER; ++k) {
    if (ARRAY(k, k) == 0.0) {
      std::int32_t j = k + 1;
      while (j <= NORDER && ARRAY(k, j) == 0.0) ++j;
      if (j > NORDER) return 0.0f;
      for (std::int32_t i = k; i <= NORDER; ++i) std::swap(ARRAY(i, j), ARRAY(i, k));
      DET = -DET;
    }
    for (std::int32_t i = k + 1; i <= NORDER; ++i)
      for (std::int32_t j = k + 1; j <= NORDER; ++j) ARRAY(i, j) -= ARRAY(i, k) * ARRAY(k, j) / ARRAY(k, k);
    DET *= ARRAY(k, k);
  }
  return static_cast<float>(DET);
}

}  // namespace qv
