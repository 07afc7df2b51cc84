// The one rule of every hull model's response operators for a vanishing denominator. A mode whose
// RAO denominator is exactly zero (encounter frequency 0 in following seas at speed for the modes
// without restoring, or zero damping exactly at resonance) has no finite response there: its RAO at
// that grid point is 0, and the first such point of a run is reported once on the console, naming
// the wave period, the hull and the mode. So no infinity or NaN reaches the reports or the
// statistics.
#pragma once

#include "hull/himem.h"
#include "hull/hull_model.h"

namespace qv {

// Degrees of freedom, in the order of the operator columns' meaning (1 surge .. 6 yaw).
enum class Mode : int { kSurge = 1, kSway, kHeave, kRoll, kPitch, kYaw };

// numerator / denominator, or 0 (with the warning of the run) when the denominator is exactly zero.
// periodSeconds is the wave period of the grid point [s].
Complex guardedRao(Complex numerator, Complex denominator, HullKind hull, Mode mode, float periodSeconds);

// Whether the warning of the run has been given.
struct RaoGuardState {
  bool warned = false;
  void reset() { *this = RaoGuardState{}; }
};
extern RaoGuardState raoGuardState;

}  // namespace qv
