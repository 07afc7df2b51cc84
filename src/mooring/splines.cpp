#include "mooring/splines.h"

#include <array>
#include <cassert>

#include "dataset/tpcm.h"
#include "numlib/interpolation.h"
#include "platform/units.h"

namespace qv {

namespace {

constexpr int kSplineWork = 500;  // most points of one spline
constexpr int kTableWork = 100;   // most points along either axis of a two-dimensional table

// The interval lo..hi = lo + 1 of an ascending table that holds x (the end interval outside).
struct Interval {
  int lo;
  int hi;
  float h;  // XA(hi) - XA(lo)
};

Interval locate(const float* XA, int N, float X) {
  int lo = 1;
  int hi = N;
  while (hi - lo > 1) {
    const int m = (hi + lo) / 2;
    if (XA[m - 1] > X) {
      hi = m;
    } else {
      lo = m;
    }
  }
  return {lo, hi, XA[hi - 1] - XA[lo - 1]};
}

// Two equal abscissae: say so and wait, except in an unattended run, which never reads the console.
void reportZeroInterval() {
  static constexpr const char* kMessage = "bad xa input in splint";
  if (TPCM.EDUNIT == kDiagnosticsUnit) {
    writeRecord(kDiagnosticsUnit, kMessage);
    return;
  }
  writeConsoleRecord(kMessage);
  (void)readConsoleLine();
}

// Entry (j, k) of a two-dimensional table.
inline float tableAt(const float* table, int j, int k) { return table[(j - 1) + kLayerPoints * (k - 1)]; }

}  // namespace

void spline(const float* X, const float* Y, int N, float YP1, float YPN, float* Y2) {
  assert(N >= 2 && N <= kSplineWork);
  auto x = [X](int i) { return X[i - 1]; };
  auto y = [Y](int i) { return Y[i - 1]; };
  std::array<float, kSplineWork> u;  // u(1..N-1), each written before it is read
  if (YP1 > kNaturalEnd) {
    Y2[0] = 0.0f;
    u[0] = 0.0f;
  } else {
    Y2[0] = -0.5f;
    u[0] = (3.0f / (x(2) - x(1))) * ((y(2) - y(1)) / (x(2) - x(1)) - YP1);
  }
  for (int i = 2; i <= N - 1; ++i) {
    const float sig = (x(i) - x(i - 1)) / (x(i + 1) - x(i - 1));
    const float p = sig * Y2[i - 2] + 2.0f;
    Y2[i - 1] = (sig - 1.0f) / p;
    const float curvature = (y(i + 1) - y(i)) / (x(i + 1) - x(i)) - (y(i) - y(i - 1)) / (x(i) - x(i - 1));
    u[i - 1] = (6.0f * curvature / (x(i + 1) - x(i - 1)) - sig * u[i - 2]) / p;
  }
  float qn = 0.0f;
  float un = 0.0f;
  if (!(YPN > kNaturalEnd)) {
    qn = 0.5f;
    un = (3.0f / (x(N) - x(N - 1))) * (YPN - (y(N) - y(N - 1)) / (x(N) - x(N - 1)));
  }
  Y2[N - 1] = (un - qn * u[N - 2]) / (qn * Y2[N - 2] + 1.0f);
  for (int k = N - 1; k >= 1; --k) Y2[k - 1] = Y2[k - 1] * Y2[k] + u[k - 1];
}

void splint(const float* XA, const float* YA, const float* Y2A, int N, float X, float& Y) {
  const Interval at = locate(XA, N, X);
  if (at.h == 0.0f) {
    reportZeroInterval();
    Y = YA[at.lo - 1];
    return;
  }
  const float a = (XA[at.hi - 1] - X) / at.h;
  const float b = (X - XA[at.lo - 1]) / at.h;
  Y = a * YA[at.lo - 1] + b * YA[at.hi - 1] +
      ((a * a * a - a) * Y2A[at.lo - 1] + (b * b * b - b) * Y2A[at.hi - 1]) * (at.h * at.h) / 6.0f;
}

float STRAIN_VAL(const float* TX, const float* EY, const float* E2, int N, float T) {
  float value = 0.0f;
  splint(TX, EY, E2, N, T, value);
  return value;
}

float STRAIN_SLOPE(const float* TX, const float* EY, const float* E2, int N, float T) {
  const Interval at = locate(TX, N, T);
  if (at.h == 0.0f) {
    reportZeroInterval();
    return 0.0f;
  }
  const float a = (TX[at.hi - 1] - T) / at.h;
  const float b = (T - TX[at.lo - 1]) / at.h;
  return (EY[at.hi - 1] - EY[at.lo - 1]) / at.h +
         ((3.0f * b * b - 1.0f) * E2[at.hi - 1] - (3.0f * a * a - 1.0f) * E2[at.lo - 1]) * at.h / 6.0f;
}

void splie2(const float* /*X1A*/, const float* X2A, const float* YA, int M, int N, float* Y2A) {
  assert(M <= kLayerPoints && N <= kTableWork);
  std::array<float, kTableWork> row{};
  std::array<float, kTableWork> d2{};
  for (int j = 1; j <= M; ++j) {
    for (int k = 1; k <= N; ++k) row[k - 1] = tableAt(YA, j, k);
    spline(X2A, row.data(), N, 1.0e30f, 1.0e30f, d2.data());
    for (int k = 1; k <= N; ++k) Y2A[(j - 1) + kLayerPoints * (k - 1)] = d2[k - 1];
  }
}

void splin2(const float* X1A, const float* X2A, const float* YA, const float* Y2A, int M, int N, float X1,
            float X2, float& Y) {
  assert(M <= kLayerPoints && N <= kTableWork);
  std::array<float, kTableWork> v;
  // Every row is read at X2 in the same interval of X2A, with the same weights: they are found once
  // and applied row by row exactly as splint applies them.
  const Interval at = locate(X2A, N, X2);
  if (at.h == 0.0f) {
    std::array<float, kTableWork> row{};
    std::array<float, kTableWork> rowD2{};
    for (int j = 1; j <= M; ++j) {
      for (int k = 1; k <= N; ++k) {
        row[k - 1] = tableAt(YA, j, k);
        rowD2[k - 1] = tableAt(Y2A, j, k);
      }
      splint(X2A, row.data(), rowD2.data(), N, X2, v[j - 1]);
    }
  } else {
    const float a = (X2A[at.hi - 1] - X2) / at.h;
    const float b = (X2 - X2A[at.lo - 1]) / at.h;
    const float ca = a * a * a - a;
    const float cb = b * b * b - b;
    const float hh = at.h * at.h;
    for (int j = 1; j <= M; ++j) {
      v[j - 1] = a * tableAt(YA, j, at.lo) + b * tableAt(YA, j, at.hi) +
                 (ca * tableAt(Y2A, j, at.lo) + cb * tableAt(Y2A, j, at.hi)) * hh / 6.0f;
    }
  }
  std::array<float, kTableWork> d2;
  spline(X1A, v.data(), M, 1.0e30f, 1.0e30f, d2.data());
  splint(X1A, v.data(), d2.data(), M, X1, Y);
}

}  // namespace qv
