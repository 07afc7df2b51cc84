#include "mooring/axial_wave.h"

#include <array>
#include <cmath>

#include "mooring/catcom.h"
#include "mooring/catenary_element.h"
#include "mooring/lincom.h"

namespace qv {

void LNGWAV(float OMEGA, Complex CYCAT, Complex CYELAS, float CATMASQ, float CQCNST, float RATIO, float sigma,
            float T, Complex& CTOPF, Complex& CBOTF, std::int32_t /*NBUG*/, std::int32_t /*EDUNIT*/,
            std::int32_t reversal, const float* SLEN, const float* ALPHA, std::int32_t NELEM, Complex* CNOD,
            std::int32_t LNODES) {
  const auto& k = LINCOM.WAVEK;
  const bool upward = reversal == 1;
  // The i-th element in the direction of travel, and the node at its far end.
  auto element = [&](int i) { return upward ? NELEM + 1 - i : i; };
  auto farNode = [&](int e) { return upward ? e : e + 1; };
  const int heldNode = upward ? NELEM + 1 : 1;

  // The chain: the elements that carry a wave, in the order of travel, with the state (p, q) at the
  // start of each.
  std::array<int, 25> chain{};
  std::array<float, 25> P{};
  std::array<float, 25> Q{};
  int links = 0;
  for (int i = 1; i <= NELEM; ++i) {
    if (k(element(i)) != 0.0f) chain[links++] = element(i);
  }

  if (links == 0) {
    // No element carries a wave: a massless spring whose tension follows the catenary part.
    const float a = std::abs(CYCAT);
    const Complex tension =
        CYCAT * Complex(sigma * a + CATCOM.KCTAN - OMEGA * OMEGA * CATMASQ, CQCNST * OMEGA * RATIO);
    CTOPF = tension;
    CBOTF = tension;
    if (LNODES != 0) {
      for (int n = 1; n <= NELEM + 1; ++n) CNOD[n - 1] = tension;
    }
    return;
  }

  auto theta = [&](int e) { return k(e) * SLEN[e - 1]; };
  auto compliance = [&](int e) { return EAINV(ALPHA, T, e); };
  P[0] = 1.0f;
  Q[0] = 0.0f;
  for (int i = 0; i + 1 < links; ++i) {
    const int e = chain[i];
    const int n = chain[i + 1];
    const float c = std::cos(theta(e));
    const float s = std::sin(theta(e));
    Q[i + 1] = P[i] * s + Q[i] * c;
    // The force carries over in the ratio of the axial impedances EA k of the two elements.
    P[i + 1] = (P[i] * c - Q[i] * s) * (k(e) * compliance(n)) / (k(n) * compliance(e));
  }
  const int first = chain[0];
  const int last = chain[links - 1];
  const float D = P[links - 1] * std::sin(theta(last)) + Q[links - 1] * std::cos(theta(last));
  const Complex U = CYELAS / D;
  // The force at the far end of chain element i.
  auto farForce = [&](int i) {
    const int e = chain[i];
    return (k(e) * U / compliance(e)) * (P[i] * std::cos(theta(e)) - Q[i] * std::sin(theta(e)));
  };
  CBOTF = k(first) * U / compliance(first);
  CTOPF = farForce(links - 1);

  if (LNODES != 0) {
    Complex force = CBOTF;
    CNOD[heldNode - 1] = force;
    int next = 0;  // the next chain element along the way
    for (int i = 1; i <= NELEM; ++i) {
      const int e = element(i);
      if (next < links && chain[next] == e) force = farForce(next++);
      CNOD[farNode(e) - 1] = force;
    }
  }
}

}  // namespace qv
