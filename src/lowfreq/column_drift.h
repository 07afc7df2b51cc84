// The mean wave-drift force coefficient of a vertical circular cylinder of given radius and draft in
// water of finite depth, from a series over the squared moduli of Hankel-function derivatives,
// |H'n(ka)|^2 = J'n(ka)^2 + Y'n(ka)^2, with the short-wave limit 2F/3 for large ka.
#pragma once

#include <cstdint>

namespace qv {

// P the non-dimensional frequency (P^2 = omega^2 d / g), a the radius, T the draft, d the depth
// [ft | m]; k out: the wave number [1/ft | 1/m]. The two spare arguments are not read. Bessel
// failures are reported on `unit` with the abort question (replies from IIN).
float CYLDFT(float P, float a, float T, float d, float& k, float spare1, float spare2, std::int32_t unit,
             std::int32_t IIN);

// S(n) and S(n + 1), S(m) = |H'm(x)|^2. The orders must come as 0, 1, 2, ... with one x: order 0
// evaluates S(0) and S(1); order n >= 1 moves the S(n) of SN1 into SN and evaluates S(n + 1) from
// the Bessel values saved by the call before.
void HN2P(float& SN, float& SN1, float x, int n, std::int32_t unit, std::int32_t IIN);

// The Bessel values HN2P saves between calls, and the order and argument it expects next.
struct Hn2pState {
  float BJ0 = 0.0f;  // J_n(x) of the current order n
  float BJ1 = 0.0f;  // J_{n+1}(x)
  float BY0 = 0.0f;  // Y_n(x)
  float BY1 = 0.0f;  // Y_{n+1}(x)
  int nextOrder = 0; // the order of the next call in the sequence
  float x = 0.0f;    // the argument of the sequence
  void reset();
};
extern Hn2pState hn2pState;

}  // namespace qv
