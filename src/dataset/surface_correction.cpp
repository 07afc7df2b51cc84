#include "dataset/surface_correction.h"

#include <cmath>
#include <complex>
#include <string>

#include "numlib/roots.h"
#include "platform/units.h"
#include "util/console_io.h"
#include "util/dialogue.h"
#include "util/fortran_format.h"

namespace qv {

namespace {

// The root search of the map parameter: from X = 2 (a flat section) to ten times the depth.
constexpr float kRootLow = 2.0f;
constexpr float kRootHighFactor = 10.0f;
constexpr float kRootEps = 1.0e-5f;
constexpr float kRootEpsf = 0.001f;
constexpr int kRootSteps = 100;

constexpr float kDepthMargin = 1.0e-5f;  // how far beyond its limit a too small depth is put
constexpr float kSeriesEps = 1.0e-6f;
constexpr std::int32_t kSeriesTerms = 100000;

// The pause after a message that ends with its own "Press <RETURN>" line: one reply line, never on
// unit 41.
void waitForReply(std::int32_t unit) {
  if (unit != kDiagnosticsUnit) (void)readReply(kKeyboardUnit, 1);
}

// The depth limit of the aspect ratio: a depth at or below it is raised just beyond it.
void raiseTooSmallDepth(Tempcm& TEMPCM, std::int32_t IMEM, std::int32_t unit, std::int32_t& IPROB) {
  const float DLIM = (2.0f / TEMPCM.BOVRA + 12.0f) / 7.0f;
  if (!(TEMPCM.DCNTR <= DLIM)) return;
  TEMPCM.DCNTR = DLIM + kDepthMargin;
  writeRecord(unit, " ++> Warning: Member " + fmtI(IMEM, 2) + " center draft parameter too small;");
  writeRecord(unit, "              limiting value for this aspect ratio is " + fmtF(DLIM, 8, 4) + ".");
  writeRecord(unit, "              Added mass will default to its limiting value.");
  writeRecord(unit, "");
  writeRecord(unit, "     Press <RETURN> to continue");
  if (unit == kDiagnosticsUnit) {
    IPROB = 1;
  } else {
    IPROB = 0;
    waitForReply(unit);
  }
}

void reportRootFailure(int IER, std::int32_t unit) {
  if (IER == kRootNotBracketed) {
    writeRecord(unit, " ++> SRFCOR:RTMI1 - Root not found within initial bounds; contact Kestrin.");
    writeRecord(unit, "");
    writeRecord(unit, "     Press <RETURN> to Continue");
  } else {
    writeRecord(unit, " ++> Iteration overflow in SRFCOR:RTMI1 at; " + fmtI(kRootSteps, 3) +
                          " iterations, contact Kestrin.");
    writeRecord(unit, "");
    writeRecord(unit, "     Press <RETURN> to continue");
  }
  waitForReply(unit);
}

// The two critical points of the map, which must lie within the unit circle.
bool mapIsSound(float X, float Y, float A) {
  using C = std::complex<float>;
  const C s1 = std::sqrt(C(A * (A - Y), 0.0f));
  C z2 = std::sqrt(C(A - Y / 4.0f, 0.0f) + s1);
  C z4 = std::sqrt(C(A - Y / 4.0f, 0.0f) - s1);
  if (z2.imag() < 0.0f) z2 = -z2;
  if (z4.imag() < 0.0f) z4 = -z4;
  const C shift(0.0f, X / 2.0f);
  z2 -= shift;
  z4 -= shift;
  return !(std::abs(z2) > 1.0f || std::abs(z4) > 1.0f);
}

}  // namespace

float C1FUN(const Tempcm& TEMPCM, float X, float Y) {
  const float D = TEMPCM.DCNTR;
  return (X - D) / (2.0f * X / (Y + 1.0f) - D * (2.0f - Y) / (1.0f - Y));
}

float WIDE(float A, float Y) { return 2.0f * ((Y + 2.0f) * A / (Y + 1.0f) + 1.0f); }

float THICK(float A, float Y) { return 2.0f * (1.0f - (2.0f - Y) * A / (1.0f - Y)); }

float BAFUN(const Tempcm& TEMPCM, float X) {
  const float Y = X * X;
  const float A = C1FUN(TEMPCM, X, Y);
  return TEMPCM.BOVRA * WIDE(A, Y) - THICK(A, Y);
}

void DUMSUM(float& SUM, float R, std::int32_t N, float EPS, std::int32_t MAXIT, std::int32_t& IOVER,
            float& TERM, float SGN) {
  SUM = 0.0f;
  IOVER = 0;
  TERM = 0.0f;
  float power = 1.0f;  // R^i
  for (std::int32_t i = 1;; ++i) {
    if (i > MAXIT) {
      IOVER = 1;
      return;
    }
    power *= R;
    float powerN = 1.0f;  // (R^i)^N
    for (std::int32_t k = 0; k < N; ++k) powerN *= power;
    const float s = std::copysign(std::fabs(power), SGN);
    TERM = static_cast<float>(i) * powerN * (s + 1.0f) / (1.0f - s);
    SUM += TERM;
    if (std::fabs(TERM) <= EPS) return;
  }
}

void SRFCOR(float& FACT, std::int32_t IMEM, std::int32_t IUNIT, std::int32_t& IPROB, Tempcm& TEMPCM,
            std::int32_t& IERR) {
  FACT = 1.0f;
  IERR = kSurfaceCorrected;
  raiseTooSmallDepth(TEMPCM, IMEM, IUNIT, IPROB);

  const auto objective = [&TEMPCM](float& X) { return BAFUN(TEMPCM, X); };
  float X = 0.0f;
  float F = 0.0f;
  int IER = 0;
  RTMI1(X, F, objective, kRootLow, kRootHighFactor * TEMPCM.DCNTR, kRootEps, kRootEpsf, kRootSteps, IER);
  if (IER != kRootFound) {
    // The data checks go on: the member's correction is reported as failed instead of a stop.
    reportRootFailure(IER, IUNIT);
    IERR = kSurfaceNoRoot;
    return;
  }

  const float Y = X * X;
  const float A = C1FUN(TEMPCM, X, Y);
  if (!mapIsSound(X, Y, A)) {
    writeRecord(IUNIT, " ++> Warning: conformal map failure in surface added-mass correction algorithm;");
    std::int32_t answer = 0;
    ABORT0(IUNIT, kKeyboardUnit, answer);
    if (answer == -1) {
      IERR = kSurfaceAbandoned;
      return;
    }
    IPROB = 0;
  }

  // The image series of the free surface. X - F is formed as 4 / (X + F) (X^2 - F^2 = 4): the
  // difference itself loses every digit in 4-byte floats once the member lies deep.
  const float Fm = std::sqrt(Y - 4.0f);
  const float XminusF = 4.0f / (X + Fm);
  const float R = XminusF / (Fm + X);
  const float S = 1.0f / R - 1.0f;
  const float L = (Fm + X) / 2.0f;
  const float T = Fm + (1.0f - R) * A / (XminusF / 2.0f);
  const float U = 2.0f * A * S;
  const float Q = A * S / L;
  float sums[4] = {};
  for (std::int32_t n = 1; n <= 3; ++n) {
    std::int32_t IOVER = 0;
    float TERM = 0.0f;
    DUMSUM(sums[n], R, n, kSeriesEps, kSeriesTerms, IOVER, TERM, 1.0f);
    if (IOVER != 0) {
      IERR = kSurfaceNoSeries;
      return;
    }
  }
  const float halfWidth = WIDE(A, Y) / 2.0f;
  const float factor = (T * T * sums[1] + (T * U / L) * sums[2] + Q * Q * sums[3]) / (halfWidth * halfWidth);
  if (!std::isfinite(factor)) {
    IERR = kSurfaceNoSeries;
    return;
  }
  FACT = factor;
}

}  // namespace qv
