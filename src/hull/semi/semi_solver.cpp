#include "hull/semi/semi_solver.h"

#include <cmath>

#include "dataset/tpcm.h"
#include "hull/semi/semi_common.h"

namespace qv {

namespace {

constexpr float kNoZero = 1.0e-10f;  // stands in for an exactly zero distance from resonance


// A mode with restoring: numerator / ((W2 - WE2) + i C), C present only where the user gave damping.
Complex restoredMode(Complex numerator, float W, float W2, float WE, float WE2, float GAM, std::int32_t userDamping,
                     Mode mode) {
  float D = W2 - WE2;
  if (D == 0.0f) D = kNoZero;
  const float C = userDamping == 1 ? GAM * WE * W : 0.0f;
  return semi::responseOperator(numerator, Complex(D, C), mode);
}

}  // namespace

void CSIMQ(Complex* A, Complex* B, int N, std::int32_t& KS) {
  auto a = [A, N](int i, int j) -> Complex& { return A[(j - 1) * N + (i - 1)]; };
  auto b = [B](int i) -> Complex& { return B[i - 1]; };
  KS = 0;
  for (int j = 1; j <= N; ++j) {
    int pivotRow = j;
    float largest = std::abs(Complex(0.0f, 0.0f));
    for (int i = j; i <= N; ++i) {
      if (std::abs(a(i, j)) > largest) {
        largest = std::abs(a(i, j));
        pivotRow = i;
      }
    }
    if (!(largest > std::abs(Complex(0.0f, 0.0f)))) {
      KS = 1;
      return;
    }
    const Complex pivot = a(pivotRow, j);
    for (int c = j; c <= N; ++c) {
      const Complex fromPivotRow = a(pivotRow, c);
      a(pivotRow, c) = a(j, c);
      a(j, c) = fromPivotRow / pivot;
    }
    const Complex fromPivotRow = b(pivotRow);
    b(pivotRow) = b(j);
    b(j) = fromPivotRow / pivot;
    if (j == N) break;
    for (int i = j + 1; i <= N; ++i) {
      for (int c = j + 1; c <= N; ++c) a(i, c) -= a(i, j) * a(j, c);
      b(i) -= b(j) * a(i, j);
    }
  }
  for (int j = 1; j <= N - 1; ++j) {
    const int r = N - j;
    for (int c = N; c >= r + 1; --c) b(r) -= a(r, c) * b(c);
  }
}

void GETRAO(const Complex* F, const float* S, Complex* FS, Complex* RAO, float WH, float WP, float WR, float WE,
            float WH2, float WP2, float WR2, float WE2, float GAMHV, float GAMPT, float GAMRL, float GD, float WK,
            float SURGF, float SWAYF, float YAWF, float HDIV, float RDIV, float PDIV) {
  for (int j = 0; j < 6; ++j) FS[j] = S[j] * F[j];
  const Tpcm& t = TPCM;
  if (t.SQLFRC != 1) return;
  const Complex WE2c(WE2, 0.0f);
  RAO[2] = WH2 <= 0.0f ? semi::responseOperator(-FS[2] * GD, WE2c, Mode::kHeave)
                       : restoredMode(WH2 * FS[2], WH, WH2, WE, WE2, GAMHV, t.LHVDMP, Mode::kHeave);
  RAO[0] = semi::responseOperator(-SURGF * WK * FS[0], WE2c, Mode::kSurge);
  RAO[1] = semi::responseOperator(-SWAYF * WK * FS[1], WE2c, Mode::kSway);
  RAO[4] = WP2 <= 0.0f ? semi::responseOperator(-WK * FS[4] * GD, WE2c, Mode::kPitch)
                       : restoredMode(WK * WP2 * FS[4], WP, WP2, WE, WE2, GAMPT, t.LPTDMP, Mode::kPitch);
  RAO[3] = WR2 <= 0.0f ? semi::responseOperator(-WK * FS[3] * GD, WE2c, Mode::kRoll)
                       : restoredMode(WK * WR2 * FS[3], WR, WR2, WE, WE2, GAMRL, t.LRLDMP, Mode::kRoll);
  RAO[5] = semi::responseOperator(-WK * YAWF * FS[5], WE2c, Mode::kYaw);
  if (semi::tensionLeg()) {
    RAO[2] *= HDIV;
    RAO[3] *= RDIV;
    RAO[4] *= PDIV;
  }
}

void CEQUAL(Complex* A, const Complex* B, int N) {
  for (int i = 0; i < N; ++i) A[i] = B[i];
}

void CCLEAR(Complex* A, int N) {
  for (int i = 0; i < N; ++i) A[i] = Complex(0.0f, 0.0f);
}

void CDIFF(Complex* C, const Complex* A, const Complex* B) {
  for (int i = 0; i < 6; ++i) C[i] = A[i] - B[i];
}

void PARTWY(const float* A, float* B, float S) {
  for (int i = 0; i < 3; ++i) B[i] = S * A[i];
}

}  // namespace qv
