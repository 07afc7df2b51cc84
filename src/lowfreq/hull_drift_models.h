// The closed-form mean wave-drift models of the hull shapes: the tanker curves of the legacy and the
// 2001 models with their angle factors over the waterline polygon and the hull's opacity to short
// waves, and the legacy semi-submersible curve. All angles in radians; the polygon is the one of
// EQUILB (bow and stern entrance angles, their cotangents, the facet arms as fractions of LWL).
#pragma once

#include <cstdint>

#include "util/farray.h"

namespace qv {

// The tanker coefficient at the nondimensional frequency X for component 1 surge, 2 sway, 3 yaw.
// Model kDriftTankerLegacy: surge and yaw the curve f(|X|) = 2.275 |X|^4.105 below 1, 1 + 1.03 / |X|^11.4
// above, capped at 1.67; sway the diffraction ratio B(X^2) = (pi I1)^2 / ((pi I1)^2 + K1^2), 1 from
// 16 on. The factor is not used. Model kDriftTanker2001: surge and yaw the table TABLE_DFCX below 1 at
// s = |X factor| (yaw |X factor 0.842|), the same curve above, capped at 1.67; sway 1 from X^2 = 16,
// else B(0.75 factor X^2), times the opacity ratio R below 0.67139286. Any other model or component
// gives 0.
float DRFTCA(int component, float X, float factor, int model, float R);

// Linear interpolation (and extrapolation from the end intervals) in the 30-point surge table of
// the 2001 tanker model over the nondimensional frequency.
float TABLE_DFCX(float X);

// The legacy semi-submersible curve: b 0.5001 (tanh(3.14159 (3 |X| - 1)) + 0.99627), never below 0,
// b = XSHDOW for surge, YSHDOW for sway, 0 for yaw.
float SEMDFT(int component, float X, float XSHDOW, float YSHDOW);

// Angle factors of the legacy tanker at the wave-energy direction theta, from the bow facets:
// IC 1 surge, 2 sway end term, 3 yaw; any other IC 0.
float ANGFC(int IC, float theta, float BOWANG, float BLRAT0, float COTBOW);
// The same over the bow and stern facets of the 2001 model, each facet counted only on the side that
// the waves reach.
float ANGFC2(int IC, float theta, float BOWANG, float STRNAN, float BOWARM, float STRNRM, float BLRAT0, float COTBOW,
             float COTSTN);
// sin^2 x when x, reduced to [0, 2 pi), lies strictly between 0 and pi (S2LTPI) or strictly between pi
// and 2 pi (S2GTPI); else 0.
float S2LTPI(float x);
float S2GTPI(float x);
// (g + h) / 2 with (g, h) chosen from (A, B) by the sector of theta (reduced to [0, 2 pi)) among the
// ascending bounds T(1..8); a theta on a bound belongs to the sector below it. largerBow: the bow
// entrance angle is the larger one.
float FILTA(float theta, float A, float B, const Arr<float, 8>& T, bool largerBow);

// result out: the opacity of the hull to waves of wave number k from the relative direction beta
// for component 1, 2 or 3 (any other leaves result as it was). It tends to 0 for long waves. The
// four side facets of the waterline polygon are fixed on the first call of the run.
void OPACITY(float& result, float k, float beta, float LWL, float BWL, float DRAFT, float BOWARM, float STRNRM,
             float BOWANG, float STRNAN, int component);
float DOTP2D(const float* a, const float* b);  // a1 b1 + a2 b2
float XPRD2D(const float* a, const float* b);  // a1 b2 - a2 b1

// The facets OPACITY fixes on its first call and keeps for the run.
struct OpacityState {
  std::int32_t FRSTIM = 1;    // 1 until the facets are set
  Arr<float, 2, 4> NUNIT{};   // outward unit normal of each facet
  Arr<float, 2, 4> RFACET{};  // centre point of each facet [ft | m]
  void reset() { *this = OpacityState{}; }
};
extern OpacityState opacityState;

}  // namespace qv
