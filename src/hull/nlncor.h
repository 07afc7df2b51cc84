// NLNCOR: the energy-equivalence correction of a linear motion amplitude against a tabulated
// non-linear restoring curve. A linear spring k driven to amplitude A stores 0.5 k A^2; the corrected
// amplitude is the displacement at which the tabulated curve stores the same energy, counted from the
// curve's reference point. The discus hull corrects its surge operators with it against the mooring's
// energy-versus-offset table.
//
// It stands with the hull models, its only caller, so that they can reach it; it uses nothing of the
// low-frequency loads.
#pragma once

#include <cstdint>

namespace qv {

// Arguments, in order:
//  X      energy table X(1..N) (X[0..N-1]), monotonic over the part searched.
//  P      reference energy, located first in X (the discus hull passes 0).
//  Y      displacement belonging to each X(i).
//  A      linear amplitude.
//  C      out: the corrected amplitude. A itself when the target lies in the same or the next table
//         interval as the reference (the curve is linear that near).
//  k      linear stiffness: the target energy is T = 0.5 k A^2.
//  spare  not read.
//  s      sign source: the search runs upwards from the reference when A SIGN(1, s) >= 0 (s = 0
//         counts as +1), downwards otherwise.
//  N      table length.
//  index  out: lower index j of the table interval (j, j + 1) that holds T.
//  mode   non-zero: C = Y interpolated at T less Y at the reference; zero: C counts table steps,
//         (steps from the reference + the fraction of the target's interval) |Y(1)| with the sign of A.
//  unit   message unit (41: an unattended run, which does not wait).
// A reference or target outside the table stops the run: " ++> Nonzero IER = " with the code (1 below
// every table value, 2 above) and " in NLNCOR", then "     Press <RETURN> to continue" and a wait.
void NLNCOR(const float* X, float P, const float* Y, float A, float& C, float k, float spare, float s, int N,
            int& index, std::int32_t mode, std::int32_t unit);

}  // namespace qv
