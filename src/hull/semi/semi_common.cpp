#include "hull/semi/semi_common.h"

#include <algorithm>
#include <cmath>


namespace qv::semi {

float periodInHand() {
  const int i = HIMEM.IW;
  return i >= 1 && i <= kNarray ? TPCM.T(i) : 0.0f;
}

Complex responseOperator(Complex numerator, Complex denominator, Mode mode) {
  return guardedRao(numerator, denominator, HullKind::kSemi, mode, periodInHand());
}

MemberFrame memberFrame(const float* n) {
  // The cosines and sines of t = -acos(n3) and p = -atan2(n2, n1) straight from the axis (the same
  // values without the trigonometric round trip): cos t = n3, sin t = -sqrt(1 - n3^2), and for an
  // axis off the vertical cos p = n1 / h, sin p = -n2 / h with h its horizontal length.
  const float ct = n[2];
  const float st = -std::sqrt(std::max(0.0f, 1.0f - n[2] * n[2]));
  const float h = std::sqrt(n[0] * n[0] + n[1] * n[1]);
  MemberFrame f{};
  f.cosP = 1.0f;
  f.sinP = 0.0f;
  if (n[0] != 0.0f || n[1] != 0.0f) {
    f.cosP = n[0] / h;
    f.sinP = -n[1] / h;
  }
  const float cp = f.cosP, sp = f.sinP;
  const float rows[3][3] = {{ct * cp, -ct * sp, st}, {sp, cp, 0.0f}, {-st * cp, st * sp, ct}};
  for (int i = 1; i <= 3; ++i)
    for (int j = 1; j <= 3; ++j) f.R(i, j) = rows[i - 1][j - 1];
  return f;
}

}  // namespace qv::semi
