// Wave kinematics of the drift models: the group velocity in the form the drift coefficients use,
// the group speed of the wave-drift damping, the wave number of a wave riding on a current, and the
// transverse wave number of a wave refracted by the locally modified current beside a hull.
//
// GRPVEL and GROUPSPD are two different group velocities and stay apart: GRPVEL takes the deep-water
// phase speed sqrt(g / k) times the finite-depth factor (1 + 2kd / sinh 2kd), so that the drift
// coefficients' factor 2 sqrt(k / g) GRPVEL is that depth factor alone, while GROUPSPD is the group
// speed of linear theory, (omega / 2k)(1 + 2kd / sinh 2kd) on the dispersion relation.
#pragma once

#include <array>
#include <cstdint>

namespace qv {

// The two parameters of the dispersion residual in a current, DISPRS2 (of the block LOCALCS).
struct LocalcsCurrent {
  float OMEGATMP;  // nondimensional frequency omega sqrt(depth / g)
  float CURTMP;    // current along the wave over sqrt(g depth)
};

// The two parameters of the refraction residual VKYFUN (block LOCALQ).
struct Localq {
  float ALPHAX;  // wave number along the hull over the refracted wave number
  float BETAX;   // transverse local current times sqrt(refracted wave number / g)
};

// 0.5 sqrt(g / k) (1 + kd / (cosh kd sinh kd)), kd = k d; beyond kd = 30 the deep-water 0.5 sqrt(g / k).
// Negative when omega is. k [1/ft | 1/m], d [ft | m], g [ft/s^2 | m/s^2]; result [ft/s | m/s].
float GRPVEL(float k, float omega, float d, float g);

// Linear-theory group speed at frequency omega [rad/s] and wave number k: 0.5 omega / k beyond
// kd = 30, else g 0.5 (kd / cosh kd + sinh kd) / (omega cosh kd).
float GROUPSPD(float omega, float k, float d, float g);

// kd out: k times depth for a wave of nondimensional frequency Omega = omega sqrt(depth / g) on a
// current of U = (current along the wave) / sqrt(g depth): the root of (Omega - x U)^2 = x tanh x,
// searched on [0, |Omega / U|] and, while it does not bracket a root, on an interval doubled up to
// 20 times; 0 when none is found (the drift coefficient is then 0). U must not be 0. A search that
// does not converge is an internal error: message on TPCM EDUNIT, a wait (none on unit 41), stop.
// The solutions are kept for the run in wavcurvecState and reused for the same exact inputs.
void WAVCURVEC(float Omega, float U, float& kd);
float DISPRS2(const LocalcsCurrent& LOCALCS, float& x);

// What WAVCURVEC keeps between calls: the solutions found, keyed by the exact bits of both inputs, so
// a kept kd is the one the search would find again. The slow-drift heading scan asks for the same
// waves on the same current at every trial heading (the current along the waves does not turn with
// the vessel), and each distinct pair is solved once. A fixed table: once it is three quarters full,
// further pairs are solved without being kept. Cleared with the blocks and at the start of each
// slow-drift stage, so nothing is carried from one run or data set to another.
struct WavcurvecState {
  struct Solution {
    std::uint32_t omegaBits;
    std::uint32_t currentBits;
    float kd;
    std::uint32_t used;  // 1 for a kept solution
  };
  static constexpr int kSlots = 2048;  // a power of two
  std::array<Solution, kSlots> solutions{};
  int kept = 0;
  void reset() {
    solutions.fill(Solution{});
    kept = 0;
  }
};
extern WavcurvecState wavcurvecState;

// y out: the root of VKYFUN between 0 and the guess (either sign), 0 when the two ends do not
// bracket one. A search that does not converge stops the run with its message on `unit` and a pause.
void GETVKY(float& y, float guess, std::int32_t unit, std::int32_t IIN, const Localq& LOCALQ);
// 1 - (y^2 + ALPHAX^2)^0.25 - BETAX y.
float VKYFUN(const Localq& LOCALQ, float& y);
// y + 2 BETAX (y^2 + ALPHAX^2)^0.75: VKYFUN's derivative times -2 (y^2 + ALPHAX^2)^0.75. Unused.
float VKYPFUN(const Localq& LOCALQ, float& y);

}  // namespace qv
