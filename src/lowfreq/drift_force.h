// The wave-drift loads of one force component in one wave system: the mean drift force, the
// slow-drift force spectral value at a difference frequency, the group speed at the peak of the
// drift-force density, and the difference-frequency integrals behind the slow-drift spectrum.
//
// The density of a component is F(omega) = S(omega) C(omega), S the wave spectrum of the system on
// the grid of WAVCOM and C the mean drift coefficient of DRFTC by the component's drift model (the
// 4-bit field `component` of TPCM LWVCOF; code 1 is the user's drift file). The grid's frequencies
// fall with the index: W(1) is the highest.
#pragma once

#include <cstdint>

namespace qv {

// mode 0: the mean drift force of the component, the integral of S C over frequency [force or
// moment, as the coefficient gives it]. Otherwise: the slow-drift force spectral value at the
// difference frequency dw [rad/s], |integral of F(w + dw/2) F(|w - dw/2|) dw|, never negative (a
// negative dw is warned about and turned positive in the caller's variable). component 1 surge,
// 2 sway, 3 yaw; beta the relative wave direction [rad]; S the spectrum S[0..NWP-1] of wave system
// waveSystem (1 sea, 2 swell, 3 second swell). The sixth argument is not read. With TPCM NBUG set,
// the slow-drift value is traced on EDUNIT.
float DRIFTF(std::int32_t mode, std::int32_t component, float beta, const float* S, float& dw, float spare,
             std::int32_t waveSystem);

// The group speed GROUPSPD at the grid frequency where |S C| peaks (the first, highest-frequency, of
// equal maxima; grid point 1 for a density that is zero everywhere). peak out: that grid index.
float GRPSPD(const float* S, std::int32_t component, float beta, std::int32_t& peak, std::int32_t waveSystem);

// Difference-frequency integral of F over the frequency table omega[0..N-1] (descending):
// integral = SMPINT of G(w) = F(w + dw/2) F(|w - dw/2|), F linear between table points and 0 beyond
// the table's ends, and moment the same integral weighted by w^2. No constant factor is applied. A
// negative dw writes a warning on TPCM EDUNIT and waits for a reply (not on unit 41), then goes on
// with |dw|, which is also left in the caller's variable. spare1 and spare2 are set to 0.
void GET_GVAR(float& dw, const float* omega, int N, const float* F, float& integral, float& moment, float& spare1,
              float& spare2);
// The same for two densities: G(w) = 0.5 (A(w + dw/2) B(|w - dw/2|) + B(w + dw/2) A(|w - dw/2|)).
void GET_GVAR2(float& dw, const float* omega, int N, const float* A, const float* B, float& integral, float& moment);

}  // namespace qv
