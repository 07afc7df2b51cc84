#include "hull/ship/ship_fits.h"

#include <cmath>

#include "hull/himem.h"
#include "numlib/member_geometry.h"
#include "platform/units.h"

namespace qv {

float HDMP(float X) { return 2.42f * X / std::pow(X + 1.0f, 1.59f); }

float PDMP(float X) { return 0.1f * X * X * std::exp(-0.606f * X); }

float RDMP(float X) { return 0.151f * X * X * std::exp(-0.952f * X); }

float SDMP(float X) { return 1.425f * std::pow(X, 3.71f) * std::exp(-1.613f * X); }

float PMAS(float X, float R) { return R * (1.0f + (1.0f / R - 1.0f + 3.6f * X * X) * std::exp(-1.825f * X)); }

float RMAS(float X) { return (1.0f + (0.624f + 1.26f * X) * std::exp(-0.9f * X)) / 1.624f; }

// 2.54648 is 8 / pi to the stored precision.
float FHEAVE(float X) {
  const float S = std::sqrt(1.0f + X * X);
  return 2.54648f * ((1.0f + X * X * X - S * S * S) / 3.0f + X * X * std::log((1.0f + S) / X) +
                     X * std::log(X + S));
}

// 0.056588 is 8 / (45 pi) to the stored precision.
float FPITCH(float X) {
  const float S = std::sqrt(1.0f + X * X);
  const float X2 = X * X;
  return 0.056588f * (15.0f * X2 * std::log((1.0f + S) / X) - 3.0f + 15.0f * X2 * X + 2.0f * X2 * X2 * X +
                      (3.0f - 14.0f * X2 - 2.0f * X2 * X2) * S);
}

void DPMAS0(float& HA, float& PA, float& HB, float& PB, float W, float X, float HCONST, float IHI, float HMSRAT,
            float PCONST, float PMAS0, float PMSRAT) {
  // The heave added mass moves from IHI at X = 0 towards its high-frequency value IHI HMSRAT.
  const float E = std::exp(-X);
  HA = IHI * (HMSRAT + (1.0f - HMSRAT) * E);
  PA = PMAS0 * PMAS(X, PMSRAT);
  HB = W * HDMP(X) * HCONST;
  PB = W * PDMP(X) * PCONST;
}

// The radiation forces on a hull that oscillates while it advances act in water at rest: no incident
// wave takes part in them, so they depend on the ship's speed U through the water and on the
// encounter frequency, and on nothing else of the waves. The correction has the form of strip
// theory's for a box whose sections all carry the same added mass AH / L and damping BH / L and
// whose stern is a transom at L / 2 from the centre: its terms linear in U are the transom's, heave
// damping + U AH / L, heave added mass - U (BH / L) / WE2, pitch damping + U (L / 2)^2 AH / L,
// pitch added inertia - U (L / 2)^2 (BH / L) / WE2; its terms in U^2 / WE2 are even in U and add to
// the pitch values with the signs of AH and BH. Every damping term is then >= 0 for U >= 0: a
// passive hull gives energy to the water and never takes it back.
//
// With the speed projected on the waves, U cos(relative heading), in its place the terms linear in U
// would change sign when the waves come from astern, and the pitch and heave damping would go below
// zero in following seas. The box is symmetric fore and aft, so a hull running stern first takes the
// same values: the callers pass the speed's magnitude.
void DAMMAS(float& AH, float& AP, float& BH, float& BP, float WE2, float U) {
  if (WE2 == 0.0f) return;
  const float L = HIMEM.SHIPL;
  const float C1 = 1.5f * U * U / WE2;
  const float C2 = 0.25f * U * L;
  const float C3 = U / L;
  // Every new value is formed from the values on entry.
  const float AH0 = AH;
  const float BH0 = BH;
  BP = BP + BH0 * C1 + AH0 * C2;
  AP = AP + AH0 * C1 - BH0 * C2 / WE2;
  BH = BH0 + AH0 * C3;
  AH = AH0 - BH0 * C3 / WE2;
}

float SGSWMS(float A, float B, std::int32_t ITYPE, std::int32_t IUNIT) {
  const float A1 = 1.0f / (A * A);
  const float B1 = 1.0f / (B * B);
  float C = 0.0f;
  std::int32_t warned = 0;
  ELPCOF(A1, B1, 0, ITYPE, C, IUNIT, kKeyboardUnit, warned, 0);
  const float coefficient = COFCLC(ITYPE, C, A1, B1);
  return ITYPE == 1 ? coefficient * RECTCM(A) : coefficient;
}

}  // namespace qv
