#include "lowfreq/hull_drift_models.h"

#include <algorithm>
#include <cmath>

#include "dataset/force_model.h"
#include "lowfreq/drift_common.h"
#include "numlib/angles.h"
#include "numlib/circle_constants.h"
#include "numlib/special_functions.h"
#include "platform/block_reset.h"

namespace qv {

constinit OpacityState opacityState{};
const BlockReset resetOpacityState{[] { opacityState.reset(); }};

namespace {

constexpr float kCap = 1.67f;                   // largest tanker drift coefficient
constexpr float kOpacityPivot = 0.67139286f;    // below this the sway ratio carries the opacity
constexpr float kYawScale = 0.842f;             // frequency scale of the yaw curve of model 6
constexpr float kBesselLimit = 16.0f;           // from here the diffraction ratio is 1

// The surge curve of model 6: nondimensional frequency and coefficient.
constexpr int kTablePoints = 30;
constexpr float kTableX[kTablePoints] = {
    0.0f,     0.39102f, 0.40673f, 0.42244f, 0.43815f, 0.45735f, 0.47655f, 0.49924f, 0.52194f, 0.54812f,
    0.5778f,  0.60922f, 0.64588f, 0.68603f, 0.73141f, 0.75585f, 0.78378f, 0.80124f, 0.81171f, 0.82393f,
    0.84313f, 0.87804f, 0.9147f,  0.99674f, 1.09624f, 1.21844f, 1.3703f,  1.56756f, 1.83289f, 1745.611f};
constexpr float kTableY[kTablePoints] = {
    0.0f,     0.00022f, 0.00025f, 0.00029f, 0.00033f, 0.00038f, 0.00044f, 0.00052f, 0.00063f, 0.00095f,
    0.00233f, 0.00794f, 0.02806f, 0.08972f, 0.24278f, 0.36944f, 0.525f,   0.625f,   0.69444f, 0.76111f,
    0.86111f, 1.01944f, 1.20556f, 1.46944f, 1.56667f, 0.93333f, 0.98056f, 0.83611f, 0.78056f, 0.78056f};

// Above resonance the tanker's coefficient falls back towards full reflection.
float shortWaveCurve(float s) { return static_cast<float>(1.0 + 1.03 / std::pow(static_cast<double>(s), 11.4)); }

float legacyCurve(float s) {
  const float f = s < 1.0f ? static_cast<float>(2.275 * std::pow(static_cast<double>(s), 4.105)) : shortWaveCurve(s);
  return std::min(f, kCap);
}

// The share of the incident energy a vertical cylinder of scaled size s reflects:
// (pi I1)^2 / ((pi I1)^2 + K1^2). It vanishes with s (I1 -> 0, K1 -> infinity).
float diffractionRatio(float s) {
  if (s >= kBesselLimit) return 1.0f;
  if (!(s > 0.0f)) return 0.0f;
  float I1 = 0.0f;
  float K1 = 0.0f;
  std::int32_t ier = 0;
  BESI(s, 1, I1, ier);
  BESK(s, 1, K1, ier);
  const double a = static_cast<double>(kPi) * I1;
  return static_cast<float>(a * a / (a * a + static_cast<double>(K1) * K1));
}

// sin z / z, (z cos z - sin z) / z^3 and (S(z) - cos z) / z, with their small-z limits.
struct Sinc {
  double S, T, E;
};
Sinc sinc(double z) {
  if (std::fabs(z) <= 0.0001) return {1.0, -0.33333334, z / 3.0};
  const double s = std::sin(z) / z;
  return {s, (z * std::cos(z) - std::sin(z)) / (z * z * z), (s - std::cos(z)) / z};
}

void setFacets(float LWL, float BWL, float BOWARM, float STRNRM, float BOWANG, float STRNAN) {
  OpacityState& o = opacityState;
  const float cb = std::cos(BOWANG), sb = std::sin(BOWANG);
  const float cs = std::cos(STRNAN), ss = std::sin(STRNAN);
  const float normals[4][2] = {{cb, sb}, {-cs, ss}, {-cs, -ss}, {cb, -sb}};
  const float bow = BOWARM * LWL, stern = -STRNRM * LWL, side = BWL / 4.0f;
  const float points[4][2] = {{bow, side}, {stern, side}, {stern, -side}, {bow, -side}};
  for (int j = 1; j <= 4; ++j) {
    for (int c = 1; c <= 2; ++c) {
      o.NUNIT(c, j) = normals[j - 1][c - 1];
      o.RFACET(c, j) = points[j - 1][c - 1];
    }
  }
  o.FRSTIM = 0;
}

}  // namespace

float TABLE_DFCX(float X) { return tableValue(kTableX, kTableY, kTablePoints, X); }

float DRFTCA(int component, float X, float factor, int model, float R) {
  if (model == kDriftTankerLegacy) {
    if (component == 1 || component == 3) return legacyCurve(std::fabs(X));
    if (component == 2) return diffractionRatio(X * X);
    return 0.0f;
  }
  if (model == kDriftTanker2001) {
    if (component == 1 || component == 3) {
      const float s = std::fabs(component == 1 ? X * factor : X * factor * kYawScale);
      return std::min(s < 1.0f ? TABLE_DFCX(s) : shortWaveCurve(s), kCap);
    }
    if (component == 2) {
      if (X * X >= 16.0f) return 1.0f;
      const float s = X * X * 0.75f * factor;
      float value = diffractionRatio(s);
      if (s < kOpacityPivot) value *= R;
      return value;
    }
  }
  return 0.0f;
}

float SEMDFT(int component, float X, float XSHDOW, float YSHDOW) {
  const float b = component == 1 ? XSHDOW : component == 2 ? YSHDOW : 0.0f;
  const double c = b * 0.5001 * (std::tanh(kPiFiveDecimals * (3.0 * std::fabs(X) - 1.0)) + 0.99627);
  return static_cast<float>(std::max(c, 0.0));
}

float ANGFC(int IC, float theta, float BOWANG, float BLRAT0, float COTBOW) {
  const float p = std::sin(BOWANG + theta);
  const float m = std::sin(BOWANG - theta);
  if (IC == 3) return -(p * p - m * m) / 2.0f;
  const float P = p * std::fabs(p);
  const float M = m * std::fabs(m);
  if (IC == 2) return -BLRAT0 * 0.5f * COTBOW * (P - M);
  if (IC == 1) return -(P + M) / 2.0f;
  return 0.0f;
}

float S2LTPI(float x) {
  const float r = REDRAD(x);
  if (r > 0.0f && r < kPi) return std::sin(x) * std::sin(x);
  return 0.0f;
}

float S2GTPI(float x) {
  const float r = REDRAD(x);
  if (r > kPi && r < kTwoPi) return std::sin(x) * std::sin(x);
  return 0.0f;
}

float FILTA(float theta, float A, float B, const Arr<float, 8>& T, bool largerBow) {
  const float f = REDRAD(theta);
  int sector = 0;  // 0: f <= T(1); j: T(j) < f <= T(j + 1); 8: f > T(8)
  while (sector < 8 && f > T(sector + 1)) ++sector;
  // The bow term A drops out in the stern-on sectors, the stern term B in the bow-on ones; in the
  // sectors between the two entrance angles it is the end with the larger angle that still sees them.
  const bool bowSeen = !(sector == 4 || ((sector == 3 || sector == 5) && largerBow));
  const bool sternSeen = !(sector == 0 || sector == 8 || ((sector == 1 || sector == 7) && !largerBow));
  return ((bowSeen ? A : 0.0f) + (sternSeen ? B : 0.0f)) / 2.0f;
}

float ANGFC2(int IC, float theta, float BOWANG, float STRNAN, float BOWARM, float STRNRM, float BLRAT0, float COTBOW,
             float COTSTN) {
  const bool largerBow = BOWANG > STRNAN;
  const float a = std::min(BOWANG, STRNAN);
  const float b = std::max(BOWANG, STRNAN);
  const float s1 = S2LTPI(theta + BOWANG);
  const float s2 = S2GTPI(theta - BOWANG);
  const float s3 = S2LTPI(theta - STRNAN);
  const float s4 = S2GTPI(theta + STRNAN);
  Arr<float, 8> T;
  const float bounds[8] = {a, b, kPi - b, kPi - a, kPi + a, kPi + b, kTwoPi - b, kTwoPi - a};
  for (int j = 1; j <= 8; ++j) T(j) = bounds[j - 1];
  const float d = s2 - s1;
  const float e = s4 - s3;
  switch (IC) {
    case 1:
      return FILTA(theta, -(s2 + s1), s4 + s3, T, largerBow);
    case 2:
      return FILTA(theta, COTBOW * BLRAT0 * d, BLRAT0 * COTSTN * e, T, largerBow);
    case 3:
      return BLRAT0 * FILTA(theta, BOWARM * COTBOW * d - 0.25f * BLRAT0 * d,
                            -(STRNRM * COTSTN * e - 0.25f * BLRAT0 * e), T, largerBow);
    default:
      return 0.0f;
  }
}

float DOTP2D(const float* a, const float* b) { return a[0] * b[0] + a[1] * b[1]; }
float XPRD2D(const float* a, const float* b) { return a[0] * b[1] - a[1] * b[0]; }

void OPACITY(float& result, float k, float beta, float LWL, float BWL, float DRAFT, float BOWARM, float STRNRM,
             float BOWANG, float STRNAN, int component) {
  if (opacityState.FRSTIM != 0) setFacets(LWL, BWL, BOWARM, STRNRM, BOWANG, STRNAN);
  const double kT = static_cast<double>(k) * DRAFT;
  // The draft's share of the wave's pressure, and of its square, averaged over the draft.
  const double e1 = (1.0 - std::exp(-kT)) / kT;
  const double e2 = (1.0 - std::exp(-2.0 * kT)) / (2.0 * kT);
  const double L = LWL, B = BWL;
  const double r2 = (L * L + B * B) / 12.0;  // squared radius of gyration of the waterplane
  const double c = std::cos(beta), s = std::sin(beta);
  const double u = 0.5 * k * c * L, v = 0.5 * k * s * B;
  const Sinc su = sinc(u), sv = sinc(v);
  const double P = e1 * su.S * sv.S;
  const double Q = e1 * 0.25 * k * B * L / r2 * (sv.S * (L / B) * su.T - su.S * (B / L) * sv.T);
  switch (component) {
    case 1:
      result = static_cast<float>(1.0 - 2.0 * (e1 / e2) * std::cos(u) * (P * sv.S - 0.5 * Q * s * B * sv.E) +
                                  (P * P + (s * Q * B) * (s * Q * B) / 12.0) / e2);
      break;
    case 2:
      result = static_cast<float>(1.0 - 2.0 * (e1 / e2) * std::cos(v) * (P * su.S - 0.5 * Q * c * L * su.E) +
                                  (P * P + (c * Q * L) * (c * Q * L) / 12.0) / e2);
      break;
    case 3: {
      const OpacityState& o = opacityState;
      const float direction[2] = {static_cast<float>(c), static_cast<float>(s)};
      const float waveNumber[2] = {static_cast<float>(k * c), static_cast<float>(k * s)};
      double Sl = 0.0, Sm = 0.0, Sc = 0.0, Ss = 0.0;
      for (int j = 1; j <= 4; ++j) {
        const float* n = &o.NUNIT(1, j);
        const float* p = &o.RFACET(1, j);
        const double l = DOTP2D(n, direction);
        const double m = XPRD2D(n, p);
        const double phi = DOTP2D(waveNumber, p);
        Sl += l * l;
        Sm += m * m;
        Sc += l * l * std::cos(phi);
        Ss += l * m * std::sin(phi);
      }
      const double Qsc = Q * s * c;
      result = static_cast<float>((P * P + Qsc * Qsc * Sm / Sl) / e2 + 1.0 + 2.0 * e1 * (Qsc * Ss - P * Sc) / (Sl * e2));
      break;
    }
    default:
      break;
  }
}

}  // namespace qv
