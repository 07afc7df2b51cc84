// The ship hull model: the ship replaced by a dynamically similar rectangular box (same displacement,
// metacentric heights and waterplane), whose closed-form added masses, damping and wave pressure
// integrals give the exciting forces and the response operators of six uncoupled oscillators.
//
// The five operations of the hull seam (hull/hull_model.h), in the order the drivers call them:
//   SHPCHR       the box, its restoring terms, added masses and the natural heave, pitch and roll
//                frequencies found on the wave grid; all into HIMEM
//   SHPFRC(flag) flag <= 0: the roll-damping calibration at the natural roll frequency in beam seas
//                at zero speed (forces at grid point JR only); flag > 0: the dimensionless exciting
//                forces at every grid point for the heading REDANG(IRAO). The flag is only read.
//   SHPRAO       the forces of SHPFRC(5) turned in place into the motion RAOs of the same heading
//   SHPSUM       report page I, the physical characteristics of the vessel and its box
//   SHPOUT       report page II, the unmoored natural periods and zero-speed damping
//
// Masses and inertias are per unit water density (see hull/himem.h); the restoring terms likewise,
// so that a natural frequency is the square root of restoring over virtual mass.
#pragma once

#include <cstdint>

namespace qv {

void SHPCHR();
void SHPFRC(std::int32_t& IFLAG);
void SHPRAO();
void SHPSUM();
void SHPOUT();

// The box-draft objective: L^2 B^2 T^2 - DELTA^2 of the box of draft T whose metacentres lie at TPCM
// VKML and VKMT, with L^2 = 12 T VKML - 6 T^2 and B^2 = 12 T VKMT - 6 T^2 (DELTA from HIMEM).
float FCT(float& T);

// The linearised roll damping ratio GAM (twice the fraction of critical) for the design wave: G0 the
// base ratio, HEAD the heading [rad], RMR the roll added-inertia ratio, SLOPE the wave slope
// amplitude, TQ the roll-moment factor, BLG the bilge factor, KF the keel factor; with a bilge keel
// (LKEEL set, KLEN its length and KDIST its distance from the centreline both non-zero) the part
// KLEN / L of the hull takes the keel's heading-free value.
void GETGAM(float& GAM, float HEAD, float G0, float RMR, float SLOPE, float TQ, float BLG, float KF, float L,
            std::int32_t LKEEL, float KLEN, float KDIST);

// The two box integrals of the yaw and rotational moments: sin TH (X cos X - sin X) / X^2 and
// cos TH (X cos X - sin X) / X^2, with their small-X limits -X sin TH / 3 and -X cos TH / 3 for
// |X| <= 0.0001.
float YAWFKF(float X, float TH);
float YAWDRG(float X, float TH);

// The warnings of SHPCHR that are given only the first time they occur in a run, each with its
// question: the box is the same each time the hull model runs again.
struct ShpchrState {
  bool beamBeyondLengthWarned = false;
  bool suspiciousBoxWarned = false;
  void reset() { *this = ShpchrState{}; }
};
extern ShpchrState shpchrState;

}  // namespace qv
