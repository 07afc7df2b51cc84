// The slow-drift stage of a SALM run: the weathervane equilibria of the moored vessel and its
// low-frequency motions.
//
// SLOMOR builds the run's sea state in WAVCOM (waves/sea_state.h: the grid and the spectra of the
// first sea state and of the swells, whose periods must lie on the grid), derives the hull plan form,
// the auxiliary forces and the added-mass factors, and scans the vessel heading over a full turn in
// NPHI intervals for the roots of the net yaw moment TORQUE. Each root is an equilibrium
// (at most 30): stable when the moment falls through it, ranked by the running integral of the
// moment over the scan; the one of largest energy is the most stable. There it takes the mean offset
// and the surge stiffness from the statics' load-offset table, the surge energy table, the effective
// masses and the three natural frequencies (surge, and the coupled sway-yaw pair about the mooring
// point), the damping of each mode by source (still water, wind, current, wave drift and drift drag
// of the sea and the swell, the second swell's added to the swell's) and the motion variance each
// excitation causes, and for the two sway-yaw modes the square-law hull drag by the root of CUBIC.
//
// Runs once per data set, after the vessel-response pass 1 (RELRAOUP needs its work area), the
// current profile (CURPROF_INIT) and the statics (STSALM: SOLVE, the load-offset table, G and
// RHOAIR), and before the low-frequency report, which prints what it leaves in EQUILB, ERGCOM and
// WAVCOM. Writes in the data set SIZE, EQLYAW (0 without a yaw table), WNDDEN (the wind density at
// the surge frequency), CURDNY and CURDNZ; CURDEN stays the input constant.
//
// A mode whose natural frequency is 0 (no restoring stiffness: a flat table, no net force for the
// sway-yaw pair, a spread mooring) keeps period 0, which the report shows as "N.A.", and zero
// damping and variances; it gets no square-law step. A mode whose summed damping does not dissipate,
// or whose variance is negative, stops the stage (requireDissipation). The damping step reads the
// vessel's wave-frequency motions of the most stable equilibrium's heading, made afresh for it.
#pragma once

#include <memory>

namespace qv {

void SLOMOR();

// The two natural frequencies [rad/s] of the vessel's sway and yaw coupled about the mooring point:
// the square roots of the generalised eigenvalues of diag(q, p) against [[1, -sqrt r], [-sqrt r, 1]].
// p = FTOT |YAWARM| / EMILO the pendulum term of the net force, q = WSURG^2 CMSRG / CMSWY the mooring
// term, r = 1 / (1 + (TYGYR / YAWARM)^2) the share of the yaw inertia about the mooring point that
// the arm carries. An eigenvalue not above 0 gives 0.
void coupledSwayYaw(float p, float q, float r, float& low, float& high);

// CYQTP X^3 + X^2 - VARYTP (EQUILB): the square-law damping equation of a sway-yaw mode, whose root
// X in [0, 2 sqrt(VARYTP)] is the mode's amplitude with square-law damping.
float CUBIC(float& X);

// The root of CUBIC for EQUILB's CYQTP and VARYTP = sigma^2 on [0, 2 sigma]: the mode's amplitude
// with square-law damping, to a relative 1e-5 whatever the unit and the size of the motion. A search
// that does not converge gives the convergence-failure lines: a run at the keyboard may grant 100
// more steps (a reply of 99), any other reply or an unattended run stops.
float squareLawAmplitude(float sigma);

// The surge's most probable largest amplitude in the storm of DURATN (the low-frequency report's
// storm-peak factor times its standard deviation, before the energy correction) had the SALM's
// load-offset table the spring `spring` at the mean load [kips/ft | t/m]: the surge mode of the last
// SLOMOR evaluated again at it (its frequency, damping by source and variances), everything else of
// the mean state kept, and every block restored after it. A buoyant riser's judge weighs a changed
// riser with it, whose stiffness moves the slow drift's excursion. The run's own spring gives the
// run's own amplitude; no spring (0 or less) no motion; a surge the changed sources do not damp
// infinity; NaN before any SLOMOR.
float surgeStormAmplitude(float spring);

// The slow drift's results at the mean state as SLOMOR left them, kept for the guard's lifetime and
// put back however it ends, a stop included: everything the surge's evaluation at another spring
// writes (EQUILB, SINES, lowFrequencyDensities, TPCM WNDDEN, CURDNY and CURDNZ, ERGCOM SPRNGX), so
// that surgeStormAmplitude leaves the run's blocks as they were for the report.
class SlowDriftResultsKept {
 public:
  SlowDriftResultsKept();
  ~SlowDriftResultsKept();
  SlowDriftResultsKept(const SlowDriftResultsKept&) = delete;
  SlowDriftResultsKept& operator=(const SlowDriftResultsKept&) = delete;

 private:
  struct Kept;  // the copies, in slomor.cpp beside the blocks they copy
  std::unique_ptr<Kept> kept_;
};

// The current spectral densities at the three mode frequencies, each evaluated with the data set's
// CURDEN, the spectrum's constant, kept for the low-frequency report [ft^2/s | m^2/s]. 0 without
// current.
struct LowFrequencyDensities {
  float currentSurge = 0.0f;
  float currentSway = 0.0f;   // also in TPCM CURDNY
  float currentYaw = 0.0f;    // also in TPCM CURDNZ
  void reset() { *this = LowFrequencyDensities{}; }
};
extern LowFrequencyDensities lowFrequencyDensities;

}  // namespace qv
