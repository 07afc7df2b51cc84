#include "lowfreq/column_drift.h"

#include <cassert>
#include <cmath>
#include <string>

#include "numlib/special_functions.h"
#include "numlib/wavenumber.h"
#include "platform/block_reset.h"
#include "platform/units.h"
#include "util/dialogue.h"
#include "util/fatal.h"
#include "util/fortran_format.h"

namespace qv {

constinit Hn2pState hn2pState{};
const BlockReset resetHn2pState{[] { hn2pState.reset(); }};

void Hn2pState::reset() { *this = Hn2pState{}; }

namespace {

constexpr float kBesselAccuracy = 0.00002f;
constexpr int kBadArgument = 99;  // error sum of a non-positive argument
constexpr int kMostTerms = 100;   // above this many terms the short-wave limit holds
constexpr double kPiSquared = 9.869605;

float squareSum(double a, double b) { return static_cast<float>(a * a + b * b); }

// " ++> IER = ", E, " in CYLDFT..." written list-directed: a leading blank, blanks between items
// that are not both texts, the integer in 11 columns.
void reportBesselError(int E, std::int32_t unit, std::int32_t IIN) {
  writeRecord(unit, "  ++> IER = " + std::string(" ") + fmtI(E, 11) + " " + " in CYLDFT...");
  if (unit == kDiagnosticsUnit && E == kBadArgument) silentStop("HN2P");
  std::int32_t answer = 0;
  ABORT0(unit, IIN, answer);
  if (answer == -1) silentStop("HN2P");
}

}  // namespace

void HN2P(float& SN, float& SN1, float x, int n, std::int32_t unit, std::int32_t IIN) {
  Hn2pState& s = hn2pState;
  // The recurrence builds on the values of the call before: the orders come in sequence at one x.
  assert(n == 0 || (n == s.nextOrder && x == s.x));
  int E = 0;
  std::int32_t ier = 0;
  if (n == 0) {
    if (x <= 0.0f) {
      E = kBadArgument;
    } else {
      float j[3] = {0.0f, 0.0f, 0.0f};
      float y[3] = {0.0f, 0.0f, 0.0f};
      for (int order = 0; order <= 2; ++order) {
        BESJ(x, order, j[order], kBesselAccuracy, ier);
        E += ier;
        BESY(x, order, y[order], ier);
        E += ier;
      }
      s.BJ0 = j[0];
      s.BJ1 = j[1];
      s.BY0 = y[0];
      s.BY1 = y[1];
      // J'0 = -J1, Y'0 = -Y1; J'1 = J0 - J1 / x, Y'1 = Y0 - Y1 / x.
      SN = squareSum(j[1], y[1]);
      SN1 = squareSum(j[0] - static_cast<double>(j[1]) / x, y[0] - static_cast<double>(y[1]) / x);
    }
  } else {
    SN = SN1;
    s.BJ0 = s.BJ1;
    s.BY0 = s.BY1;
    if (x <= 0.0f) {
      E = kBadArgument;
    } else {
      BESJ(x, n + 1, s.BJ1, kBesselAccuracy, ier);
      E += ier;
      BESY(x, n + 1, s.BY1, ier);
      E += ier;
      // J'(n+1) = J(n) - (n + 1) J(n+1) / x, and the same for Y.
      const double m = n + 1;
      SN1 = squareSum(s.BJ0 - m * s.BJ1 / x, s.BY0 - m * s.BY1 / x);
    }
  }
  s.nextOrder = n + 1;
  s.x = x;
  if (E != 0) reportBesselError(E, unit, IIN);
}

float CYLDFT(float P, float a, float T, float d, float& k, float /*spare1*/, float /*spare2*/, std::int32_t unit,
             std::int32_t IIN) {
  float kd = 0.0f;
  WAVVEC(P, kd);
  k = kd / d;
  const float ka = a * k;
  const float F = static_cast<float>(1.0 - std::exp(-2.0 * k * T));  // the draft's share of the wave's energy
  const int terms = static_cast<int>(std::trunc(1.5 * ka)) + 3;
  if (terms > kMostTerms) return static_cast<float>(2.0 * F / 3.0);
  float sum = 0.0f;
  float sn = 0.0f;
  float sn1 = 0.0f;
  for (int n = 0; n <= terms; ++n) {
    HN2P(sn, sn1, ka, n, unit, IIN);
    const double lead = static_cast<double>(n) * (n + 1) - static_cast<double>(ka) * ka;
    const float t = static_cast<float>(lead * lead / (static_cast<double>(sn) * sn1));
    sum += t;
    if (n >= 5 && std::fabs(t) < 0.0001f) break;
  }
  return static_cast<float>(4.0 * sum * F / (kPiSquared * std::pow(static_cast<double>(ka), 7)));
}

}  // namespace qv
