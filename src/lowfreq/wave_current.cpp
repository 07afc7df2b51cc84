#include "lowfreq/wave_current.h"

#include <cmath>
#include <cstring>
#include <initializer_list>
#include <string>
#include <vector>

#include "dataset/tpcm.h"
#include "numlib/roots.h"
#include "platform/block_reset.h"
#include "platform/units.h"
#include "util/fatal.h"
#include "util/flowing_lines.h"
#include "util/fortran_format.h"

namespace qv {

namespace {

constexpr double kDeepWater = 30.0;  // kd beyond which the finite-depth terms are left out
constexpr int kMostDoublings = 20;
constexpr int kSearchSteps = 100;

}  // namespace

float GRPVEL(float k, float omega, float d, float g) {
  float v = 0.5f * std::sqrt(g / k);
  if (omega < 0.0f) v = -v;
  const double kd = static_cast<double>(k) * d;
  if (kd > kDeepWater) return v;
  return static_cast<float>(v * (1.0 + kd / (std::cosh(kd) * std::sinh(kd))));
}

float GROUPSPD(float omega, float k, float d, float g) {
  const double kd = static_cast<double>(k) * d;
  if (kd > kDeepWater) return static_cast<float>(0.5 * omega / k);
  return static_cast<float>(g * 0.5 * (kd / std::cosh(kd) + std::sinh(kd)) / (omega * std::cosh(kd)));
}

float DISPRS2(const LocalcsCurrent& LOCALCS, float& x) {
  const double relative = LOCALCS.OMEGATMP - static_cast<double>(x) * LOCALCS.CURTMP;
  return static_cast<float>(relative * relative - x * std::tanh(static_cast<double>(x)));
}

namespace {

// What decides the waves' wave number on the current: the current speed and the water depth. An
// unattended run is told these in place of the request to contact Kestrin and press a key.
// The message: the lines `before`, those of the current and the depth, the lines `after`.
std::vector<std::string> withCurrentAndDepth(std::initializer_list<std::string> before,
                                             std::initializer_list<std::string> after) {
  const Tpcm& t = TPCM;
  std::vector<std::string> lines(before);
  addFlowingLines(lines, "     ",
                  "The waves meet the current of " + messageValue(t.CURSPD) +
                      " knots (page 12, item 1) in the water depth " + messageValue(t.DEPTH) + " (page 1, item 4).");
  lines.insert(lines.end(), after);
  return lines;
}

std::uint32_t bitsOf(float x) {
  std::uint32_t bits = 0;
  std::memcpy(&bits, &x, sizeof bits);
  return bits;
}

// The root search itself.
float solveWaveOnCurrent(float Omega, float U) {
  const LocalcsCurrent LOCALCS{Omega, U};
  const auto residual = [&LOCALCS](float& x) { return DISPRS2(LOCALCS, x); };
  float upper = std::fabs(Omega / U);
  for (int doublings = 0; doublings <= kMostDoublings; ++doublings) {
    float x = 0.0f;
    float f = 0.0f;
    int IER = 0;
    RTMI1(x, f, residual, 0.0f, upper, 1.0e-5f, 0.0f, kSearchSteps, IER);
    if (IER == kRootFound) return x;
    if (IER == kRootNotConverged) {
      const std::string first = " >>> In WAVCURVEC; IER = " + fmtI(IER, 2);
      if (TPCM.EDUNIT == kDiagnosticsUnit) {
        fatalStop("WAVCURVEC", TPCM.EDUNIT, withCurrentAndDepth({first}, {}), FatalWait::kNone);
      }
      fatalStop("WAVCURVEC", TPCM.EDUNIT,
                withCurrentAndDepth({first}, {"     Contact Kestrin; press \"C\" + <RETURN> to continue"}),
                FatalWait::kReadLine);
    }
    upper *= 2.0f;
  }
  return 0.0f;
}

}  // namespace

constinit WavcurvecState wavcurvecState{};
const BlockReset resetWavcurvecState{[] { wavcurvecState.reset(); }};

void WAVCURVEC(float Omega, float U, float& kd) {
  WavcurvecState& s = wavcurvecState;
  const std::uint32_t omegaBits = bitsOf(Omega);
  const std::uint32_t currentBits = bitsOf(U);
  constexpr std::uint32_t kMask = WavcurvecState::kSlots - 1;
  std::uint32_t slot = ((omegaBits * 0x9E3779B1u) ^ (currentBits * 0x85EBCA77u)) >> 16 & kMask;
  for (;; slot = (slot + 1) & kMask) {  // linear probing; the table never fills, so a free slot ends it
    const WavcurvecState::Solution& kept = s.solutions[slot];
    if (kept.used == 0) break;
    if (kept.omegaBits == omegaBits && kept.currentBits == currentBits) {
      kd = kept.kd;
      return;
    }
  }
  kd = solveWaveOnCurrent(Omega, U);
  if (4 * (s.kept + 1) <= 3 * WavcurvecState::kSlots) {
    s.solutions[slot] = {omegaBits, currentBits, kd, 1};
    ++s.kept;
  }
}

float VKYFUN(const Localq& LOCALQ, float& y) {
  const double r = static_cast<double>(y) * y + static_cast<double>(LOCALQ.ALPHAX) * LOCALQ.ALPHAX;
  return static_cast<float>(1.0 - std::pow(r, 0.25) - static_cast<double>(LOCALQ.BETAX) * y);
}

float VKYPFUN(const Localq& LOCALQ, float& y) {
  const double r = static_cast<double>(y) * y + static_cast<double>(LOCALQ.ALPHAX) * LOCALQ.ALPHAX;
  return static_cast<float>(y + 2.0 * LOCALQ.BETAX * std::pow(r, 0.75));
}

void GETVKY(float& y, float guess, std::int32_t unit, std::int32_t IIN, const Localq& LOCALQ) {
  const auto residual = [&LOCALQ](float& v) { return VKYFUN(LOCALQ, v); };
  float f = 0.0f;
  int IER = 0;
  RTMI1(y, f, residual, 0.0f, guess, 1.0e-6f, 0.0f, kSearchSteps, IER);
  if (IER == kRootNotBracketed) {
    y = 0.0f;
  } else if (IER == kRootNotConverged) {
    const std::string first = " ++> Iteration overflow in GETVKY; IER = " + fmtI(IER, 2);
    if (unit == kDiagnosticsUnit) fatalStop("GETVKY", unit, withCurrentAndDepth({"", first}, {""}), FatalWait::kNone);
    fatalStop("GETVKY", unit, withCurrentAndDepth({"", first}, {"     Please report this ocurrence to Kestrin", ""}),
              FatalWait::kPressReturn, IIN);
  }
}

}  // namespace qv
