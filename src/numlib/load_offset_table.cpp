#include "numlib/load_offset_table.h"

#include <cmath>
#include <string>

#include "numlib/interpolation.h"
#include "util/fortran_format.h"

namespace qv {

float staticsTableLoads(float maximumLoad, std::int32_t points, float netWeight, float* load) {
  const float W = std::fabs(netWeight);
  const float least = 0.052f * W;
  const float linearStep = maximumLoad / static_cast<float>(points - 1);
  const bool logarithmic = linearStep > 0.1f * W && least > 0.0f && points > 2;
  const float logStep = logarithmic ? std::log(maximumLoad / least) / static_cast<float>(points - 2) : 0.0f;
  load[0] = 0.0f;
  for (std::int32_t J = 2; J <= points; ++J)
    load[J - 1] = logarithmic ? least * std::exp(static_cast<float>(J - 2) * logStep) : load[J - 2] + linearStep;
  return least;
}

float tableOffsetAtLoad(const float* load, const float* offset, std::int32_t points, float H, int& interval) {
  int range = 0;
  interval = 1;
  BSRCH(load, H, range, interval, points);
  float X = 0.0f;
  INTERP(load, offset, H, X, interval);
  return X;
}

float tableStiffness(const float* load, const float* offset, int interval) {
  const int J = interval - 1;  // 0-based
  return (load[J + 1] - load[J]) / (offset[J + 1] - offset[J]);
}

void tableEnergy(const float* load, const float* offset, std::int32_t points, float* energy) {
  energy[0] = 0.0f;
  for (int K = 1; K < points; ++K) energy[K] = energy[K - 1] + 0.5f * (load[K] + load[K - 1]) * (offset[K] - offset[K - 1]);
}

float tableEnergyAtOffset(const float* offset, const float* energy, std::int32_t points, float X) {
  int range = 0;
  int interval = 1;
  BSRCH(offset, X, range, interval, points);
  float E = 0.0f;
  INTERP(offset, energy, X, E, interval);
  return E;
}

float correctedEnergy(float E0, float X, float K, float FE) {
  const float E = (K * 0.5f * X) * X + E0 + X * std::fabs(FE);
  return E >= 0.0f ? E : 0.0f;
}

void NLNCR3(const float* ERG, float E0, const float* Q, float X, float& OUT, float K, float FE, float SUB,
            std::int32_t N, std::int32_t& IDX, std::int32_t SWITCH) {
  const float E = correctedEnergy(E0, X, K, FE);
  int range = 0;
  int interval = 1;
  BSRCH(ERG, E, range, interval, N);
  IDX = interval;
  if (SWITCH != 0) {
    INTERP(ERG, Q, E, OUT, IDX);
  } else {
    // The fractional table position from the first entry, in units of the first table value.
    const float position = static_cast<float>(IDX - 1) + (E - ERG[IDX - 1]) / (ERG[IDX] - ERG[IDX - 1]);
    OUT = Q[0] * position;
  }
  OUT = OUT - SUB;
}

bool offsetPassRuns(std::int32_t STAMOT, std::int32_t NELEM, std::int32_t FRESLM, std::int32_t LOFFST,
                    std::int32_t LTABL) {
  const bool asked = LOFFST != 0 || (LTABL != 0 && LTABL != 1);
  return STAMOT != 0 && NELEM != 0 && FRESLM == 0 && asked;
}

std::int32_t offsetStates(float range, float increment) {
  const float steps = range / increment;
  constexpr float kLargest = 2.0E9f;
  if (std::isnan(steps) || steps <= -kLargest) return 0;
  if (steps >= kLargest) return static_cast<std::int32_t>(kLargest);
  return static_cast<std::int32_t>(steps) + 1;
}

bool offsetStatesHeld(float range, float increment, std::int32_t capacity) {
  return offsetStates(range, increment) <= capacity;
}

float offsetIncrementUsed(float OFFINC) { return OFFINC == 0.0f ? kOffsetIncrementForNone : OFFINC; }

namespace {

bool fitsField(float value, int width) { return fmtF(value, width, 2).find('*') == std::string::npos; }

template <class Real>
bool rowLoadsPrint(Real H, std::span<const Real> angles, std::span<const Real> V) {
  const std::size_t n = angles.size();
  if (V.size() != n + 1) return false;
  for (std::size_t j = 0; j < n; ++j) {
    const Real phi = angles[j];
    const Real shear = H * std::cos(phi) - V[j] * std::sin(phi);
    const Real axial = H * std::sin(phi) + V[j] * std::cos(phi);
    if (!fitsField(static_cast<float>(V[j]), 9) || !fitsField(static_cast<float>(shear), 9) ||
        !fitsField(static_cast<float>(axial), 10))
      return false;
  }
  return fitsField(static_cast<float>(V[n]), 9);
}

}  // namespace

bool staticsRowLoadsPrint(double H, std::span<const double> angles, std::span<const double> V) {
  return rowLoadsPrint(H, angles, V);
}

bool staticsRowLoadsPrint(float H, std::span<const float> angles, std::span<const float> V) {
  return rowLoadsPrint(H, angles, V);
}

}  // namespace qv
