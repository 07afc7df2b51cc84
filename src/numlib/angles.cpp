#include "numlib/angles.h"

#include <cmath>
#include <limits>

#include "numlib/circle_constants.h"

namespace qv {

namespace {

constexpr float kQuarter = 90.0f;             // [deg]
constexpr float kFullDeg = 360.0f;            // [deg]
constexpr float kJustBelowFull = 359.9999f;   // stored as 359.99991
constexpr float kHalf = 0.5f;

// SIGN(a, b): |a| with the sign of b, + for b = 0.
inline float signOf(float a, float b) { return b >= 0.0f ? std::fabs(a) : -std::fabs(a); }

// A - INT(A/P) P: the remainder with the sign of A (INT truncates toward zero).
inline float amod(float A, float P) {
  const double whole = std::trunc(static_cast<double>(A) / P);
  return static_cast<float>(A - whole * P);
}

inline float sum(float a, float b) { return static_cast<float>(static_cast<double>(a) + b); }

// 1 + t^2 rounded to a 4-byte float, the quantity whose root the tangent functions take.
inline float onePlusSquare(float t) { return static_cast<float>(1.0 + static_cast<double>(t) * t); }

}  // namespace

float PHASE(std::complex<float> Z) {
  if (Z.real() != 0.0f) {
    return static_cast<float>(std::atan2(static_cast<double>(Z.imag()), Z.real()) * kDegreesPerRadianCut);
  }
  return signOf(kQuarter, Z.imag());
}

float REDDEG(float A) {
  const float B = amod(A, kFullDeg);
  return B >= 0.0f ? B : sum(B, kFullDeg);
}

float REDDEG2(float A) {
  if (A == 0.0f) return A;
  return REDDEG(sum(A, kJustBelowFull));
}

float REDRAD(float A) {
  const float B = amod(A, kTwoPi);
  return B >= 0.0f ? B : sum(B, kTwoPi);
}

float ANGSYM(float A) {
  float B = amod(A, kTwoPi);
  if (B <= -kPi) B = sum(B, kTwoPi);
  if (B > kPi) B = sum(B, -kTwoPi);
  return B;
}

float REDRAD_SYM(float A) {
  const float B = amod(A, kTwoPi);
  if (std::fabs(B) > kPi) return sum(B, -signOf(kTwoPi, B));
  return B;
}

float COSPHT(float T) {
  return static_cast<float>(1.0 / std::sqrt(static_cast<double>(onePlusSquare(T))));
}

float SINPHT(float T) { return static_cast<float>(static_cast<double>(T) * COSPHT(T)); }

float SINPHI(float C) {
  return static_cast<float>(1.0 / std::sqrt(static_cast<double>(onePlusSquare(C))));
}

float COSPHI(float C) {
  return static_cast<float>(C / std::sqrt(static_cast<double>(onePlusSquare(C))));
}

float ARCCOS(float X) {
  if (X == 0.0f) return kHalfPi;
  const float underRoot = static_cast<float>(1.0 - static_cast<double>(X) * X);
  return static_cast<float>(std::atan2(std::sqrt(static_cast<double>(underRoot)), static_cast<double>(X)));
}

std::int32_t IROUND(float X) {
  const float shifted = sum(X, signOf(kHalf, X));
  // Truncation as a 32-bit conversion would do it; values beyond its range saturate and NaN gives
  // 0, so that a wild argument cannot make the conversion undefined.
  if (std::isnan(shifted)) return 0;
  if (shifted >= 2147483648.0f) return std::numeric_limits<std::int32_t>::max();
  if (shifted < -2147483648.0f) return std::numeric_limits<std::int32_t>::min();
  return static_cast<std::int32_t>(shifted);
}

void CHEWIT(int n) {
  const float x = static_cast<float>(n);
  const float ratio = (x - 1.0f) / std::cos(x);
  volatile float discarded = ARCCOS(ratio);  // kept so the work is not optimised away
  (void)discarded;
}

}  // namespace qv
