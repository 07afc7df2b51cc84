// The semi-submersible hull model: the column-stabilised hull as a table of up to 50 straight
// prismatic members (the hull-member table of the data set), each cut at the waterline, with Morison
// inertia, waterline and linearised drag forces summed over the members, and six uncoupled
// oscillators for the response.
//
// The five operations of the hull seam (hull/hull_model.h), in the order the drivers call them:
//   SEMCHR       the member table SIMCOM, the hydrostatic estimates (into TPCM) with their comparison
//                against the input on the first call of a run, added masses, rotation centres,
//                virtual inertias, the natural heave, pitch and roll frequencies and their grid
//                points (into HIMEM), the hand-over values of PASCOM and the square-law damping
//                constants
//   SEMFRC(flag) flag 0, 1, 2: the roll, pitch and heave damping calibrations at the natural
//                frequencies (a call with 0 runs all three and returns with the flag set to 2);
//                above 2: the dimensionless exciting forces at every grid point for the heading
//                REDANG(IRAO), with the quasi-linear drag iteration when TPCM SQLFRC = 1
//   SEMRAO       the forces of SEMFRC(5) turned in place into the motion RAOs of the same heading
//   SEMSUM       report page I, as input and as estimated
//   SEMOUT       report page II, natural periods and damping
//
// Masses and inertias are per unit water density (see hull/himem.h): a mass is a volume of water.
// Heights are above the keel; the waterline lies at HIMEM EDRAFT; the centre of gravity at x = y = 0.
#pragma once

#include <cstdint>

namespace qv {

void SEMCHR();
void SEMFRC(std::int32_t& IFLAG);
void SEMRAO();
void SEMSUM();
void SEMOUT();

// The dimensions D(1..3) of a member seen from its local axis J (1..3): DJ = D(J), DMAX the larger of
// the two others (the later one, D(m), when they are equal), with k = J mod 3 + 1, m = k mod 3 + 1.
void DIMADJ(const float* D, float& DMAX, float& DJ, int J);

// The notes of SEMCHR given once per run: the comparison of the estimates with the input (FRSTIM),
// the warning that no member crosses the waterline (FRSTIM2) and the notice that the crossing
// members' waterlines do not add up to the waterline length or beam (FRSTIM3). Set: not given yet.
struct SemchrState {
  bool FRSTIM = true;
  bool FRSTIM2 = true;
  bool FRSTIM3 = true;
  void reset() { *this = SemchrState{}; }
};
extern SemchrState semchrState;

// The symmetry check of the pitch calibration, made once per run (set: not made yet).
struct SemfrcState {
  bool FRSTIM = true;
  void reset() { *this = SemfrcState{}; }
};
extern SemfrcState semfrcState;

}  // namespace qv
