// The convergence check of the semi-submersible's quasi-linear iteration (the Newton steps of
// SEMFRC that make the response and the motion-dependent drag agree), with the question the user
// is asked when a period does not converge.
#pragma once

#include "hull/himem.h"

namespace qv::semi {

// How far the iteration of one period has gone: Newton steps since the start or since the last
// blank reply, and the count the question reports (100 more at each question).
struct NewtonCount {
  int ITER = 0;
  int reported = 0;
};

enum class Convergence {
  kConverged,  // every degree of freedom settled (or taken as it is by the user)
  kIterate,    // another Newton step
  kTerminate,  // no further periods: TPCM NWP is cut to the periods done
};

// After a Newton step from the estimate X0 (six degrees of freedom, wave number k), whose residual
// X0 - G(X0) is `residual`: degree of freedom j is unsettled when |residual(j)| / M or |step(j)| / M
// is 0.01 or more, with M = |X0(j)| (0.001 for 0), and M, or for a rotation M / k, is above 0.001.
// The first unsettled one asks for another step, up to 100 steps; beyond them the user is asked
// (headingDeg and the period in hand named): "A" stops the run, a blank reply starts another 100
// steps, 1 takes this degree of freedom as it is and checks the next, 99 cuts NWP to the periods
// before the one in hand (a first period keeps its estimate: NWP 1).
Convergence checkNewtonStep(const Complex* X0, const Complex* residual, const Complex* step, float k,
                            NewtonCount& count, float headingDeg);

}  // namespace qv::semi
