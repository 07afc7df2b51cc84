// The closed-form fits behind the ship model: frequency-dependent added masses and wave damping of
// the equivalent box as functions of a nondimensional wave number X (wave number times half the box
// length or half its width), the zero-frequency coefficients of the box's waterplane, the
// forward-speed correction, and the surge and sway added-mass coefficients of the box taken as an
// ellipsoid (SGSWMS, which the slow-drift analysis calls too).
//
// Masses are per unit water density: added masses are volumes [ft^3 | m^3], added inertias volume
// times length squared [ft^5 | m^5]. Every routine is single precision, holds no state and
// allocates nothing.
#pragma once

#include <cstdint>

namespace qv {

// Damping shapes, each 0 at X = 0: heave 2.42 X / (X + 1)^1.59, pitch 0.1 X^2 e^(-0.606 X),
// roll 0.151 X^2 e^(-0.952 X), surge and sway 1.425 X^3.71 e^(-1.613 X).
float HDMP(float X);
float PDMP(float X);
float RDMP(float X);
float SDMP(float X);
// Pitch added-inertia shape: 1 at X = 0, tending to R (the high- over zero-frequency ratio).
float PMAS(float X, float R);
// Roll added-inertia shape: 1 at X = 0, tending to 1 / 1.624.
float RMAS(float X);
// Zero-frequency heave added mass and pitch added inertia of a rectangular waterplane of half length
// 1 and half width X (the box's BLRAT), to be scaled by SHIPL2^3 and SHIPL2^5; FPITCH(1 / BLRAT)
// scaled by BEAM2^5 serves roll. X > 0.
float FHEAVE(float X);
float FPITCH(float X);

// At frequency W [rad/s] and X = k SHIPL2: heave added mass HA, pitch added inertia PA, heave
// damping HB and pitch damping PB, from the box constants of the characteristics (HIMEM HCONST, IHI,
// HMSRAT, PCONST, PMAS0, PMSRAT).
void DPMAS0(float& HA, float& PA, float& HB, float& PB, float W, float X, float HCONST, float IHI, float HMSRAT,
            float PCONST, float PMAS0, float PMSRAT);
// Forward-speed correction of the four values of DPMAS0 in place, for the squared encounter
// frequency WE2 and U, the ship's speed through the water, whatever the heading of the waves (box
// length from HIMEM SHIPL). U = 0 changes nothing; for U >= 0 the two damping values stay >= 0.
// The correction is singular at zero encounter frequency: there (WE2 = 0) the values are left as
// they are rather than turned into infinities.
void DAMMAS(float& AH, float& AP, float& BH, float& BP, float WE2, float U);

// Added-mass coefficient of the box in one direction (ITYPE 1), taken as the ellipsoid whose
// semi-axes across the motion are A and B times the one along it, with the correction for a
// rectangular section; messages of the integration go to IUNIT. The ship calls it as
// CSG = SGSWMS(2 T / L, B / L, 1, EDUNIT) and CSW = SGSWMS(2 T / B, L / B, 1, EDUNIT).
float SGSWMS(float A, float B, std::int32_t ITYPE, std::int32_t IUNIT);

}  // namespace qv
