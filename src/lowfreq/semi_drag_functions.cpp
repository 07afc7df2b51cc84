#include "lowfreq/semi_drag_functions.h"

#include <algorithm>
#include <cassert>
#include <cmath>

#include "dataset/tpcm.h"
#include "lowfreq/curprof.h"
#include "lowfreq/drift_common.h"
#include "numlib/angles.h"
#include "numlib/circle_constants.h"

namespace qv {

namespace {

constexpr double kLn2 = 0.6931472;
constexpr float kErfcEnd = 5.5f;      // beyond this erfc is taken as 0; the Gaussian averages end here
constexpr float kNoLevel = 1.0e30f;   // a sign-change level that does not exist
constexpr float kSmallScale = 0.0001f;

bool notRandom(float Q) { return std::fabs(Q) == kNotRandom; }

// Simpson's weight of point m of 1..N: 1 at the ends, 4 at even m, 2 at the other odd m.
double simpsonWeight(int m, int N) {
  if (m == 1 || m == N) return 1.0;
  return m % 2 == 0 ? 4.0 : 2.0;
}

double naturalLog(double x) { return std::log2(x) * kLn2; }

// Sum over the N Gaussian points x_m = (m - 1) 5.5 / N of w_m weight(x_m) f(x_m), times step / 3.
template <class Weight, class Function>
double gaussianAverage(int N, Weight weight, Function f) {
  const double step = kErfcEnd / N;
  double sum = 0.0;
  for (int m = 1; m <= N; ++m) {
    const double x = (m - 1) * step;
    sum += simpsonWeight(m, N) * weight(x) * f(static_cast<float>(x));
  }
  return step / 3.0 * sum;
}

double forceWeight(double x) { return x * std::exp(-0.5 * x * x); }
double dampingWeight(double x) { return x * (0.5 * x * x - 1.0) * std::exp(-0.5 * x * x); }

double squaredSurfaceMotion(float R, float theta) {
  return std::fabs(1.0 + static_cast<double>(R) * R - 2.0 * R * std::cos(static_cast<double>(theta)));
}

}  // namespace

float F_SURF(float R, float theta) { return static_cast<float>(std::sqrt(squaredSurfaceMotion(R, theta))); }

float F_SUB_Z(float R, float theta, float s) {
  const double e = std::exp(static_cast<double>(s));
  return static_cast<float>(std::sqrt(std::fabs(static_cast<double>(R) * R + 2.0 * R * e * std::sin(theta) + e * e)));
}

float REL_RAO(float k, float z, float x, float R, float phi) {
  return static_cast<float>(std::exp(static_cast<double>(k) * z) + R * std::sin(static_cast<double>(k) * x + phi));
}

float RAOFUN_Z(float k, float x, float z1, float z2, float R1, float phi1, float R2, float phi2) {
  const double E1 = std::exp(static_cast<double>(k) * z1);
  const double E2 = std::exp(static_cast<double>(k) * z2);
  const double psi1 = phi1 + static_cast<double>(k) * x;
  const double psi2 = phi2 + static_cast<double>(k) * x;
  const double C = E1 * E2 + E1 * R2 * std::sin(psi2) + E2 * R1 * std::sin(psi1) + R1 * R2 * std::cos(psi1 - psi2);
  const double S = R1 * R2 * std::sin(psi1 - psi2) + E1 * R2 * std::cos(psi2) - E2 * R1 * std::cos(psi1);
  return static_cast<float>(C * C + S * S);
}

float UNI(float a, float R, float theta, float s) {
  const double e = std::exp(static_cast<double>(s));
  return static_cast<float>(0.5 * a * a * (0.5 * e * e + s * static_cast<double>(R) * R - 2.0 * R * e * std::cos(theta)));
}

float OSC(float a, float R, float theta, float s) {
  const double E = std::exp(static_cast<double>(s));
  const double c = std::cos(static_cast<double>(theta));
  const double A = a;
  if (std::fabs(c) == 1.0) {
    double X = (kPiFourteenDecimals - 8.0) * s + 8.0 * A * (E - R * static_cast<double>(s));
    if (E - R <= 0.0) X -= 16.0 * A * (E - R * static_cast<double>(s));
    return static_cast<float>(X / kTwoPiFloatDigits);
  }
  const double Q = std::sqrt(std::fabs(E * E + static_cast<double>(R) * R - 2.0 * E * R * c));
  const double value = s * (8.0 * (A * R - 1.0) + kPiFourteenDecimals) + 8.0 * A * Q -
                       8.0 * A * R * (c * std::log(E - R * c + Q) + std::log(R - E * c + Q));
  return static_cast<float>(value / kTwoPiFloatDigits);
}

void A_AND_S(float a, float R, float theta, float& t1, float& t2, float& D, float& q, float& r) {
  const double inverse = 1.0 / a;
  const double across = R * std::sin(static_cast<double>(theta));
  D = static_cast<float>(std::max(0.0, inverse * inverse - across * across));
  const double along = R * std::cos(static_cast<double>(theta));
  q = static_cast<float>(along + std::sqrt(static_cast<double>(D)));
  r = static_cast<float>(along - std::sqrt(static_cast<double>(D)));
  if (a * R != 1.0f) {
    t1 = q > 1.0e-10f ? static_cast<float>(naturalLog(q)) : kNoLevel;
    t2 = kNoLevel;
  } else {
    t1 = q > 0.0f ? static_cast<float>(naturalLog(q)) : -kNoLevel;
    t2 = -kNoLevel;
  }
  if (r > 0.0f) t2 = static_cast<float>(naturalLog(r));
}

void RHSORT3(float& out1, float& out2, float& out3, float h, float t1, float t2, int& count) {
  if (t1 < t2) std::swap(t1, t2);
  const float bottom = -h;
  if (t2 >= bottom) {
    out1 = t1;
    out2 = t2;
    out3 = bottom;
    count = 0;
  } else if (t1 >= bottom) {
    out1 = t1;
    out2 = bottom;
    out3 = t2;
    count = 1;
  } else {
    out1 = bottom;
    out2 = t1;
    out3 = t2;
    count = 2;
  }
}

float RH_ERFC(float x, int N) {
  if (x >= kErfcEnd) return 0.0f;
  const double step = static_cast<double>(x) / (N - 1);
  double sum = 0.0;
  for (int m = 1; m <= N; ++m) {
    const double t = (m - 1) * step;
    sum += simpsonWeight(m, N) * std::exp(-t * t);
  }
  return static_cast<float>(1.0 - 1.1283792 * (step / 3.0) * sum);
}

float RH_ERF(float x, int N) { return 1.0f - RH_ERFC(x, N); }

float SUB_SURF_DRAG(float h, float a, float R, float theta) {
  if (a == 0.0f) return 0.0f;
  const float scale = std::fabs(a);
  float t1 = 0.0f, t2 = 0.0f, D = 0.0f, q = 0.0f, r = 0.0f;
  A_AND_S(scale, R, theta, t1, t2, D, q, r);
  float out1 = 0.0f, out2 = 0.0f, out3 = 0.0f;
  int below = 0;
  RHSORT3(out1, out2, out3, h, t1, t2, below);
  // The sign-change levels at or above the bottom, lowest first (the -h that RHSORT3 placed among
  // them is not one of them).
  float levels[2];
  int count = 0;
  if (below == 0) {
    levels[count++] = out2;
    levels[count++] = out1;
  } else if (below == 1) {
    levels[count++] = out1;
  }
  // Far below the member the velocity ratio tends to a R; each level crossed on the way up to -h
  // switches between a velocity that keeps its sign and one that oscillates through zero.
  bool oscillating = (scale * R >= 1.0f) != (below % 2 == 1);
  double integral = 0.0;
  float lower = -h;
  auto piece = [&](float upper) {
    const auto F = oscillating ? OSC : UNI;
    integral += static_cast<double>(F(scale, R, theta, upper)) - F(scale, R, theta, lower);
    lower = upper;
  };
  for (int j = 0; j < count; ++j) {
    if (levels[j] >= 0.0f) break;
    piece(levels[j]);
    oscillating = !oscillating;
  }
  piece(0.0f);
  return static_cast<float>(std::copysign(integral / h, static_cast<double>(a)));
}

float SURF_DRAG(float a, float R, float theta) {
  const double y = std::fabs(a) * static_cast<double>(F_SURF(R, theta));
  if (y <= 1.0) return static_cast<float>(y);
  return static_cast<float>(2.0 * ((2.0 * y * y + 1.0) * std::sqrt(y * y - 1.0) + 3.0 * y * y * std::asin(1.0 / y)) /
                            (9.424778 * y));
}

float SURF_DRAG_PRP(float a, float R, float theta) {
  const double y = std::fabs(a) * static_cast<double>(F_SURF(R, theta));
  const double v =
      y <= 1.0 ? 0.5 * y : (y * y * std::asin(1.0 / y) + std::sqrt(y * y - 1.0)) / (kPiFourteenDecimals * y);
  return static_cast<float>(std::copysign(v, static_cast<double>(a)));
}

float FCF_SUB_EXACT(float y) {
  const double Y = y;
  if (Y <= 1.0) return static_cast<float>(0.5 * Y * Y);
  const double root = std::sqrt(Y * Y - 1.0);
  return static_cast<float>(
      (3.0 * root + std::asin(1.0 / Y) + (1.0 + Y * Y) * std::atan(1.0 / root)) / kPiFourteenDecimals - 1.0);
}

float FCF_SUB(float h, float Q, float R, float theta, int N) {
  if (notRandom(Q)) return 0.0f;
  const double sum = gaussianAverage(N, forceWeight, [&](float x) { return SUB_SURF_DRAG(h, Q * x, R, theta); });
  return static_cast<float>(sum / (static_cast<double>(Q) * Q));
}

float GISUB(float h, float Q, float R, float theta, int N) {
  if (notRandom(Q)) return 0.0f;
  const double sum = gaussianAverage(N, dampingWeight, [&](float x) { return SUB_SURF_DRAG(h, Q * x, R, theta); });
  return static_cast<float>(sum / (static_cast<double>(Q) * Q));
}

float GISURF(float Q, float R, float theta, float C, int N) {
  if (notRandom(Q)) return static_cast<float>(C * 2.3936536 * squaredSurfaceMotion(R, theta));
  const double sum = gaussianAverage(N, dampingWeight, [&](float x) { return SURF_DRAG(Q * x, R, theta); });
  return static_cast<float>(C * sum / (static_cast<double>(Q) * Q));
}

float GISURF_PRP(float Q, float R, float theta, float C, int N) {
  if (notRandom(Q)) return 0.0f;
  const double sum = gaussianAverage(N, dampingWeight, [&](float x) { return SURF_DRAG_PRP(Q * x, R, theta); });
  return static_cast<float>(C * sum / (static_cast<double>(Q) * Q));
}

float FCF_SURF(float Q, float R, float theta, float C, int N) {
  if (notRandom(Q)) return static_cast<float>(C * 1.5957692 * squaredSurfaceMotion(R, theta));
  const double sigma = std::fabs(Q) * static_cast<double>(F_SURF(R, theta));
  double bracket = 0.0;
  if (sigma > kSmallScale) {
    const double e = RH_ERFC(static_cast<float>(0.70710677 / sigma), N);
    const double x = std::exp(-0.5 / (sigma * sigma));
    const double s2 = sigma * sigma;
    bracket = (2.0 * s2 * s2 + s2 * x * (0.5752220 - 6.8495564 * s2) / 9.424778 +
               sigma * (24.0 * s2 * s2 + 12.0 * s2 - 1.0) * e / 15.0398) /
              (s2 * sigma);
  }
  return static_cast<float>(C * bracket / (static_cast<double>(Q) * Q));
}

float FCF_SURF_PRP(float Q, float R, float theta, float C, int N) {
  if (notRandom(Q)) return 0.0f;
  const double sigma = std::fabs(Q) * static_cast<double>(F_SURF(R, theta));
  double v = sigma;
  if (sigma > kSmallScale) {
    const double e = RH_ERFC(static_cast<float>(0.70710677 / sigma), N);
    const double x = std::exp(-0.5 / (sigma * sigma));
    const double s2 = sigma * sigma;
    v = sigma + ((3.0 - 20.0 * s2 + 120.0 * s2 * s2) * kSqrtTwoPiFloatDigits * e -
                 6.0 * sigma * x * (10.0 * s2 * (kTwoPiFloatDigits * s2 - 0.858407) + 1.0)) /
                    (376.99112 * s2 * s2);
  }
  return static_cast<float>(C * std::copysign(v, static_cast<double>(Q)) / (static_cast<double>(Q) * Q));
}

float GET_VCX_LOC(float d, float surfaceSpeed, float surfaceHeading, float direction, const float* depths,
                  const float* speeds, const float* headings, int count) {
  float speed = surfaceSpeed;
  float heading = surfaceHeading;
  if (count >= 1 && d >= depths[0]) {
    if (count == 1) {
      speed = speeds[0];
      heading = headings[0];
    } else {
      speed = tableValue(depths, speeds, count, d);
      heading = tableValue(depths, headings, count, d);
      if (d > depths[count - 1] && speed < 0.0f) speed = 0.0f;
    }
  } else if (count >= 1 && depths[0] != 0.0f) {
    const float fraction = d / depths[0];
    speed = surfaceSpeed + (speeds[0] - surfaceSpeed) * fraction;
    heading = surfaceHeading + (headings[0] - surfaceHeading) * fraction;
  }
  return speed * std::cos((heading - direction) / kDegreesPerRadian);
}

void ISUB_N_GET(float& I1, float& I2, float& I3, float& I4, float x, int N) {
  if (std::fabs(x) > 8.0f) {
    const double sign = x > 0.0f ? 1.0 : -1.0;
    I1 = static_cast<float>(kSqrtTwoPiFloatDigits * sign);
    I2 = static_cast<float>(2.0 * x * kSqrtTwoPiFloatDigits * sign);
    I3 = static_cast<float>(3.0 * kSqrtTwoPiFloatDigits * sign);
    I4 = 0.0f;
    return;
  }
  const double X = x;
  const double A = kSqrtTwoPiFloatDigits * RH_ERF(static_cast<float>(X / 1.4142135), N);
  const double B = 2.0 * std::exp(-0.5 * X * X);
  const double D = (X * A + B - kSqrtTwoPiFloatDigits * std::fabs(X)) * X;
  I1 = static_cast<float>(D + A);
  I2 = static_cast<float>(2.0 * B + 2.0 * X * A);
  I3 = static_cast<float>(3.0 * A + D);
  I4 = static_cast<float>(D);
}

float DraftLevels::weight(int j) const { return static_cast<float>(simpsonWeight(j, n)); }

DraftLevels draftLevels(int& n) {
  n = std::min(n, kMaxLevels);
  assert(n >= 2);
  return {n, TPCM.DRAFT / static_cast<float>(n - 1)};
}

std::complex<float> motionAtLevel(std::complex<float> HOR, std::complex<float> ANG, float z, float zc) {
  return HOR + (TPCM.DRAFT + z - zc) * ANG;
}

float currentAlongWave(float z, float waveHeadingDeg) {
  const Tpcm& t = TPCM;
  const Curprof& p = CURPROF;
  return currentSpeed(GET_VCX_LOC(-z, t.CURSPD, t.CURHDG, waveHeadingDeg, &p.DPTHIPF(1), &p.VELIPF(1),
                                  &p.CURHDGPF(1), p.NCURNTPF));
}

float SUB_SURF_DRAG_Z(float x, std::complex<float> HOR, std::complex<float> ANG, float phi, float zc,
                      float waveHeadingDeg, float sigma, float omegaP, float k, int& n) {
  const DraftLevels levels = draftLevels(n);
  double sum = 0.0;
  for (int j = 1; j <= levels.n; ++j) {
    const float z = levels.z(j);
    const std::complex<float> M = motionAtLevel(HOR, ANG, z, zc);
    const float P = PHASE(M) / kDegreesPerRadian + phi;
    const float U = currentAlongWave(z, waveHeadingDeg);
    if (U == 0.0f) continue;
    const float y = x * F_SUB_Z(std::abs(M), P, k * z) * sigma * omegaP / U;
    sum += levels.weight(j) * static_cast<double>(FCF_SUB_EXACT(y)) * U * std::fabs(U);
  }
  return static_cast<float>(levels.dz / 3.0 * sum);
}

float FCF_SUB_Z(std::complex<float> HOR, std::complex<float> ANG, float phi, float zc, int N, float waveHeadingDeg,
                float sigma, float omegaP, float k, int& n) {
  return static_cast<float>(gaussianAverage(N, forceWeight, [&](float x) {
    return SUB_SURF_DRAG_Z(x, HOR, ANG, phi, zc, waveHeadingDeg, sigma, omegaP, k, n);
  }));
}

float GISUB_Z(std::complex<float> HOR, std::complex<float> ANG, float phi, float zc, int N, float waveHeadingDeg,
              float sigma, float omegaP, float k, int& n) {
  return static_cast<float>(gaussianAverage(N, dampingWeight, [&](float x) {
    return SUB_SURF_DRAG_Z(x, HOR, ANG, phi, zc, waveHeadingDeg, sigma, omegaP, k, n);
  }));
}

}  // namespace qv
