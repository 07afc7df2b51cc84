#include "hull/rao_guard.h"

#include <string>
#include <string_view>

#include "dataset/tpcm.h"
#include "platform/block_reset.h"
#include "platform/units.h"
#include "util/fortran_format.h"

namespace qv {

constinit RaoGuardState raoGuardState{};
const BlockReset resetRaoGuardState{[] { raoGuardState.reset(); }};

namespace {

std::string_view modeName(Mode mode) {
  static constexpr std::string_view kNames[] = {"surge", "sway", "heave", "roll", "pitch", "yaw"};
  return kNames[static_cast<int>(mode) - 1];
}

}  // namespace

Complex guardedRao(Complex numerator, Complex denominator, HullKind hull, Mode mode, float periodSeconds) {
  if (denominator != Complex(0.0f, 0.0f)) return numerator / denominator;
  if (!raoGuardState.warned) {
    raoGuardState.warned = true;
    writeRecord(TPCM.EDUNIT, " ++> Warning: wave period" + fmtF(periodSeconds, 7, 2) + " s, " +
                                 std::string(hullName(hull)) + " hull, " + std::string(modeName(mode)) + ":");
    writeRecord(TPCM.EDUNIT, "     the RAO denominator is zero;");
    writeRecord(TPCM.EDUNIT, "     the RAO is set to 0 wherever this occurs (warned once per run).");
  }
  return Complex(0.0f, 0.0f);
}

}  // namespace qv
