#include "numlib/wavenumber.h"

#include <cmath>
#include <string>

#include "numlib/circle_constants.h"
#include "numlib/quadrature.h"
#include "numlib/roots.h"
#include "platform/stop.h"
#include "platform/units.h"
#include "util/console_io.h"
#include "util/dialogue.h"
#include "util/fatal.h"
#include "util/fortran_format.h"

namespace qv {

namespace {

// Root search of the dispersion relation: Y - P^2 never exceeds 0.28, so [P^2, P^2 + 0.5] brackets.
constexpr float kBracketWidth = 0.5f;
constexpr float kWaveEps = 1.0e-5f;
constexpr int kWaveSteps = 100;

constexpr float kHalfRadToDeg = 28.65f;      // (1/2) rad in degrees: slope k Hw / 2 in degrees

// JONSWAP quadrature: starting tolerance and levels, the most levels, and attempts per branch.
constexpr float kJonsEps = 1.0e-4f;
constexpr int kJonsStartLevels = 10;
constexpr int kJonsMaxDoubling = 40;          // levels are doubled while at or below this
constexpr int kJonsWorkLength = 80;
constexpr int kJonsAttempts[2] = {100, 20};  // below the peak, above the peak

// A failure of JONSVAL that adapting cannot fix: message, pause, stop.
[[noreturn]] void jonsvalFatal(std::int32_t unit, const char* message) {
  fatalStop("JONSVAL", unit, {message});
}

// One branch of JONSVAL: the integral of JONINT from `lower` to 1, with the tolerance kept at or
// below 1 % of the integral and the levels raised while the rule has not converged.
float jonswapBranch(const Localj& LOCALJ, float lower, int attemptLimit, std::int32_t unit) {
  const auto integrand = [&LOCALJ](float& U) { return JONINT(LOCALJ, U); };
  float EPS = kJonsEps;
  int NDIM = kJonsStartLevels;
  float AUX[kJonsWorkLength];
  int attempts = 0;
  for (;;) {
    if (++attempts > attemptLimit) {
      writeRecord(unit, " ++> Possible iteration failure in JONSVAL");
      std::int32_t answer = 0;
      ABORT0(unit, kKeyboardUnit, answer);
      if (answer == -1 || unit == kDiagnosticsUnit) silentStop("JONSVAL");
      attempts = 0;
    }
    float Y = 0.0f;
    int IER = 0;
    QATR(lower, 1.0f, EPS, NDIM, integrand, Y, IER, AUX);
    if (IER == kQuadRoundoff) {
      if (std::fabs(Y) > 10.0f * EPS) {
        EPS = 10.0f * EPS;
        continue;
      }
      jonsvalFatal(unit, " ++> FATAL error: unfixable roundoff error in JONSVAL");
    }
    if (IER == kQuadNoConvergence) {
      if (NDIM <= kJonsMaxDoubling) {
        NDIM = 2 * NDIM;
        continue;
      }
      jonsvalFatal(unit, "++> FATAL error: NDIM > NDMSUP in JONSVAL");
    }
    if (0.01f * Y >= EPS) return Y;
    EPS = 0.008f * Y;  // the tolerance must not exceed 1 % of the integral
  }
}

}  // namespace

float DISPRS(const Localcs& LOCALCS, float& X) {
  const float th = std::tanh(X);
  return static_cast<float>(LOCALCS.OMEGA2 - static_cast<double>(X) * th);
}

void WAVVEC(float P, float& Y, int& IER) {
  const float P2 = static_cast<float>(static_cast<double>(P) * P);
  const Localcs LOCALCS{P2};
  const auto residual = [&LOCALCS](float& X) { return DISPRS(LOCALCS, X); };
  float F = 0.0f;
  RTMI1(Y, F, residual, P2, P2 + kBracketWidth, kWaveEps, 0.0f, kWaveSteps, IER);
}

void WAVVEC(float P, float& Y) {
  int IER = 0;
  WAVVEC(P, Y, IER);
  if (IER == kRootFound) return;
  fatalStop("WAVVEC", kScreenUnit,
            {" >>> IER = " + fmtI(IER, 1) + " in WAVVEC; Please contact Kestrin.",
             "     press any letter key + <RETURN> to continue..."},
            FatalWait::kReadLine);
}

namespace {

// P = omega sqrt(H / G) of the period T, with the short 2 pi of CNHTSP.
float cnhtspFrequency(float T, float H, float G) {
  return static_cast<float>(kTwoPiThreeDecimals / static_cast<double>(T) * std::sqrt(static_cast<double>(H) / G));
}

// VAL times 28.65 Y / H, Y = k H.
float timesSlopeFactor(float VAL, float Y, float H) {
  return static_cast<float>(static_cast<double>(VAL) * (static_cast<double>(Y) * kHalfRadToDeg) / H);
}

}  // namespace

void CNHTSP(float& VAL, float T, float H, float G) {
  float Y = 0.0f;
  WAVVEC(cnhtspFrequency(T, H, G), Y);
  VAL = timesSlopeFactor(VAL, Y, H);
}

void CNHTSP(float& VAL, float T, float H, float G, int& IER) {
  float Y = 0.0f;
  WAVVEC(cnhtspFrequency(T, H, G), Y, IER);
  if (IER == kRootFound) VAL = timesSlopeFactor(VAL, Y, H);
}

float JONINT(const Localj& LOCALJ, float& U) {
  float S = 0.0f;
  if (U != 0.0f) {
    S = static_cast<float>(
        std::sqrt(-2.0 * LOCALJ.PVAL * static_cast<double>(LOCALJ.PVAL) * std::log(U)));
  }
  const float x = LOCALJ.BRANCH == 1 ? 1.0f - S : 1.0f + S;  // frequency over peak frequency
  const float x2 = x * x;
  const float x4 = x2 * x2;
  const float exponent = static_cast<float>(static_cast<double>(U) * std::log(LOCALJ.GAM) - 1.25 / x4);
  return std::exp(exponent);
}

void JONSVAL(float SIGA, float SIGB, float GAMMA, float& ALPHA, std::int32_t IUNIT) {
  // Below the peak the exponent runs from its value at zero frequency up to 1.
  const float lowerBelow = std::exp(static_cast<float>(-0.5 / (static_cast<double>(SIGA) * SIGA)));
  const float Y1 = jonswapBranch(Localj{SIGA, GAMMA, 1}, lowerBelow, kJonsAttempts[0], IUNIT);

  // Above the peak it runs from 0 (infinite frequency) up to 1.
  const float Y2 = jonswapBranch(Localj{SIGB, GAMMA, 2}, 0.0f, kJonsAttempts[1], IUNIT);

  ALPHA = static_cast<float>(0.2 * (1.0 - (static_cast<double>(Y1) - Y2) * std::log(GAMMA)));
}

}  // namespace qv
