// TMPCM2: the parameters that the harmonic balance of the catenary spring (CATSTR) hands to the
// objective of its amplitude search (NULTMP), string_dynamics.h. All three are ratios without a
// unit. Every member sits at its word, pinned in tmpcm2_layout.cpp.
#pragma once

namespace qv {

struct Tmpcm2 {
  float BETACP;  // dynamic stiffness ratio beta: KRAT + 1 - OMEGA^2 M / KELAS
  float GMCOEF;  // square of the damping ratio: (CQCNST OMEGA / KELAS)^2
  float DELCOF;  // quadratic stiffness ratio: |sigma a / KELAS|

  // Back to the state at program start: every word zero. For tests.
  void reset();
};

extern Tmpcm2 TMPCM2;

}  // namespace qv
