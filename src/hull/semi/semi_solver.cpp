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

void GETRAO(const GetraoArgs& args) {
  const GetraoArgs::Out& out = args.out;
  const float WE = args.WE, WE2 = args.WE2, WK = args.WK, GD = args.GD;
  for (int j = 0; j < 6; ++j) out.FS[j] = args.S[j] * args.F[j];
  const Tpcm& t = TPCM;
  if (t.SQLFRC != 1) return;
  const Complex WE2c(WE2, 0.0f);
  out.RAO[2] = args.WH2 <= 0.0f
                   ? semi::responseOperator(-out.FS[2] * GD, WE2c, Mode::kHeave)
                   : restoredMode(args.WH2 * out.FS[2], args.WH, args.WH2, WE, WE2, args.GAMHV, t.LHVDMP, Mode::kHeave);
  out.RAO[0] = semi::responseOperator(-args.SURGF * WK * out.FS[0], WE2c, Mode::kSurge);
  out.RAO[1] = semi::responseOperator(-args.SWAYF * WK * out.FS[1], WE2c, Mode::kSway);
  out.RAO[4] = args.WP2 <= 0.0f ? semi::responseOperator(-WK * out.FS[4] * GD, WE2c, Mode::kPitch)
                                : restoredMode(WK * args.WP2 * out.FS[4], args.WP, args.WP2, WE, WE2, args.GAMPT,
                                               t.LPTDMP, Mode::kPitch);
  out.RAO[3] = args.WR2 <= 0.0f ? semi::responseOperator(-WK * out.FS[3] * GD, WE2c, Mode::kRoll)
                                : restoredMode(WK * args.WR2 * out.FS[3], args.WR, args.WR2, WE, WE2, args.GAMRL,
                                               t.LRLDMP, Mode::kRoll);
  out.RAO[5] = semi::responseOperator(-WK * args.YAWF * out.FS[5], WE2c, Mode::kYaw);
  if (semi::tensionLeg()) {
    out.RAO[2] *= args.HDIV;
    out.RAO[3] *= args.RDIV;
    out.RAO[4] *= args.PDIV;
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
