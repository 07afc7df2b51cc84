#include "mooring/string_dynamics.h"

#include <cmath>
#include <complex>

#include "mooring/tmpcm2.h"
#include "numlib/circle_constants.h"
#include "numlib/roots.h"
#include "platform/units.h"
#include "util/fatal.h"
#include "util/fortran_format.h"
#include "util/sim_types.h"

namespace qv {

namespace {

constexpr float kLinearisedDrag = 0.848826f;  // 8 / (3 pi): quadratic drag linearised over a cycle
constexpr float kLinearisedDragType17 = 1.2f;
constexpr float kAllElastic = 1.0e5f;        // KRAT above: the catenary does not move
constexpr float kAllCatenary = 1.0e-20f;     // KRAT below: the elastic line does not stretch
constexpr float kLargestAmplification = 1.5f;

}  // namespace

float NULTMP(float X) {
  const Tmpcm2& p = TMPCM2;
  const float stiffness = p.BETACP + p.DELCOF * X;
  return 1.0f - X * X * (stiffness * stiffness + p.GMCOEF * X * X);
}

void CATSTR(float OMEGA, Complex A, float sigma, float parity, float M, float CQUAD, Complex& CYCAT, Complex& CYELAS,
            float KRAT, float KELAS, float& CQCNST, float& RATIO, std::int32_t EDUNIT, std::int32_t inUnit,
            std::int32_t iterate, std::int32_t CREATR, std::int32_t line) {
  const float a = std::abs(A);
  CYCAT = Complex(0.0f, 0.0f);
  CYELAS = Complex(0.0f, 0.0f);
  RATIO = 0.0f;
  const float c = CREATR == kSimWistole ? kLinearisedDragType17 : kLinearisedDrag;
  CQCNST = c * a * OMEGA * CQUAD;
  if (a == 0.0f) return;
  if (KRAT > kAllElastic) {
    CYELAS = A;
    return;
  }
  if (KRAT < kAllCatenary) {
    CYCAT = A;
    RATIO = 1.0f;
    return;
  }

  Tmpcm2& p = TMPCM2;
  const float beta = KRAT + 1.0f - OMEGA * OMEGA * M / KELAS;
  const float w = CQCNST * OMEGA / KELAS;
  p.BETACP = beta;
  p.GMCOEF = w * w;
  p.DELCOF = std::fabs(sigma * a / KELAS);

  // The linear amplitude, g^2 (beta^2 + w^2 g^2) = 1, in the form without cancellation.
  const double beta2 = static_cast<double>(beta) * beta;
  const double root = std::sqrt(beta2 * beta2 + 4.0 * static_cast<double>(p.GMCOEF));
  float g = static_cast<float>(std::sqrt(2.0 / (root + beta2)));
  const float Q = g * w;
  auto catenaryPart = [&](float amplification, float denominatorReal) {
    const float psi = -std::atan2(amplification * w, denominatorReal);
    return amplification * A * Complex(std::cos(psi), std::sin(psi));
  };
  RATIO = g;
  CYCAT = catenaryPart(g, beta);
  CYELAS = CYCAT * Complex(beta - 1.0f, Q);
  if (iterate == 0) return;

  // The amplitude with the quadratic stiffness.
  float F = 0.0f;
  int ier = 0;
  RTMI1(g, F, NULTMP, 0.0f, kLargestAmplification, 1.0e-4f, 1.0e-3f, 100, ier);
  if (ier != kRootFound) {
    fatalStop("CATSTR", EDUNIT,
              {"", " ++> Error return (IER = " + fmtI(ier, 1) + "; Line #" + fmtI(line, 3) + "; Period = " +
                       fmtF(kTwoPi / OMEGA, 6, 2) + ") from RTMI in CATSTR... "},
              FatalWait::kPressReturn, inUnit);
  }
  RATIO = g;
  CYCAT = catenaryPart(g, beta + p.DELCOF * g);
  const float n = parity * sigma * a * g / KELAS + KRAT;
  CYELAS = CYCAT * Complex(n, Q);
}

}  // namespace qv
