// The pieces of the discus buoy's exciting forces that have a meaning of their own: the pressure
// attenuation over the draft, the Bessel functions of k R, the Froude-Krylov terms of the flat
// cylinder, and the quasi-linear damping estimates of the calibration pass. DSKFRC (disc.h) is
// built from them; the tests check them against the textbook forms.
//
// Notation: R the radius, T the equivalent draft, d the water depth, k the wave number, x = k R.
// Single precision throughout.
#pragma once

#include <cstdint>

namespace qv::disc {

// The horizontal added-mass coefficient c of the flat cylinder of draft over radius DLRAT, from the
// elliptic-section integral C of axis ratios 1 / DLRAT^2 and 1 (ELPCOF, which warns on `unit`):
// c = C / (2 - C).
float horizontalAddedMass(float DLRAT, std::int32_t unit);

// The wave pressure below the surface over its surface value, cosh(k (d - z)) / cosh(k d) at the
// depth z (e^(-k z) in deep water, k d > 60), at the bottom (P0, z = T), at the keel plate (PK) and
// at the effective depth of the added mass (PE); and the pressure integrated over the draft:
// Q1 = (1 / x) k times the integral of the pressure from 0 to T, Q2 = -(1 / x^2) k^2 times the
// integral of z times the pressure (its first moment about the surface).
struct DepthFactors {
  float P0;
  float PK;
  float PE;
  float Q1;
  float Q2;
};
// From x and the products kd = k d, kT = k T, kK = k times the keel depth, kE = k times the
// effective depth.
DepthFactors depthFactors(float x, float kd, float kT, float kK, float kE);

// J0, J1 and J2 of x by BESJ with the accuracy `eps`; `failed` when BESJ reports an error for any
// of the three (x not positive, or the accuracy not attained).
struct BesselOfX {
  float J0;
  float J1;
  float J2;
  bool failed;
};
BesselOfX besselOfX(float x, float eps);

// J2(s) / s^2 by BESJ with the accuracy `eps`; its limit 1/8 at s = 0, where BESJ gives nothing.
float j2OverSquare(float s, float eps);

// The Froude-Krylov terms shared by the six forces, for x, the depth factors and SDRAFT = T / R:
//   j  = J1(x) / x;
//   A  = 8 P0 J2(x) / x^2;
//   F0 = 2 P0 j, the heave force of the pressure on the bottom disc over its hydrostatic value;
//   S0 = 2 Q1 j / SDRAFT, the horizontal force of the pressure on the side over the displaced
//        weight times the wave slope (in deep water 2 j (1 - e^(-kT)) / (kT)).
struct PressureTerms {
  float j;
  float A;
  float F0;
  float S0;
};
PressureTerms pressureTerms(const BesselOfX& bessel, float x, const DepthFactors& q, float SDRAFT);

// The heave damping ratio (twice the fraction of critical) for the design wave of height H at the
// natural heave frequency wn: TQFAC the heave force amplitude, g gravity, Fh the keel factor, R the
// radius, hdmpd = HDMPD(x). The written form TQFAC / sqrt(sqrt(b1^2/4 + a1) - b1/2) with
// a1 = 2 TQFAC / (r Fh), r = H wn^2 / g, b1 = (2/pi) (R / H) hdmpd / Fh loses everything to 1/H as
// H -> 0; taken as a1 / (sqrt(b1^2/4 + a1) + b1/2) with a1 and b1 multiplied through by H it keeps
// the same values and stays finite for H = 0. A force amplitude of 0 gives 0.
float heaveDampingEstimate(float TQFAC, float H, float wn, float g, float Fh, float R, float hdmpd);

// The surge or sway damping ratio at the natural frequency wn of a design motion of amplitude a
// under the mooring force amplitude `forcePerAmplitude` times a: zh the wave damping and zm the
// mooring damping Bm as ratios (SDMPD(x) HCONST / SGMAS and Bm / (SGMAS rho wn)),
// a2 = 0.5 XCURAR a / SGMAS the current drag, mass the virtual mass SGMAS and rho the water mass
// density. The result is forcePerAmplitude / (rho mass wn^2 sqrt(1 + z^2)) with
// z = 2 sqrt(1 + zm) / (sqrt((zh + zm)^2 + 4 sqrt(1 + zm) a2) + zh + zm), the root of the written
// form 0.5 (sqrt(y^2 + 4 sqrt(1 + zm) / a2) - y), y = (zh + zm) / a2, rewritten so that it holds
// for a2 = 0 (no current area) and a = 0 as well. With no damping of any kind (zh + zm = 0 and
// a2 = 0) z is unbounded and the result 0.
float horizontalDampingEstimate(float forcePerAmplitude, float zh, float zm, float a2, float mass, float rho,
                                float wn);

}  // namespace qv::disc
