// The empirical added-mass and wave-damping fits of the discus buoy, the flat vertical cylinder of
// radius R (HIMEM RADIUS) that stands for it. Each fit is a function of the nondimensional wave
// number x = k R alone and returns a nondimensional coefficient; the callers scale it:
//   heave added mass, heave damping, surge and sway damping   times HCONST = R^3: a volume
//   pitch and roll added inertia, pitch and roll damping       times PCONST = R^5: a volume moment
// (added mass over water density; damping over water density and frequency).
//
// Single precision throughout: for the exponential forms the product c x is rounded to a float
// before it is negated and passed to the exponential, and the heave damping takes the float power
// (1 + x)^2.429. The callers never pass a negative x. Pure functions: no state, no global data.
#pragma once

namespace qv {

// Surge and sway added mass: 0.15 for every x. The disc's horizontal added mass comes from the
// elliptic-section integral instead (ELPCOF, COFCLC); this fit has no caller.
float SMASD(float x);
// Surge and sway damping: 0.181 x^2 e^(-0.8 x), 0 at x = 0, largest at x = 2.5.
float SDMPD(float x);
// Pitch added inertia: (0.641 x^2 + 0.089) e^(-1.825 x) + 0.11, 0.199 at x = 0, tending to 0.11.
float PMASD(float x);
// Pitch damping: 0.151 x^2 e^(-0.952 x), 0 at x = 0, largest at x = 2 / 0.952.
float PDMPD(float x);
// Roll added inertia and damping: the pitch fits, the body being axisymmetric.
float RMASD(float x);
float RDMPD(float x);
// Heave added mass: 1 + 1.7 e^(-1.224 x), 2.7 at x = 0, tending to 1.
float HMASD(float x);
// Heave damping: 4.92 x / (1 + x)^2.429, 0 at x = 0, largest at x = 1 / 1.429.
float HDMPD(float x);

}  // namespace qv
