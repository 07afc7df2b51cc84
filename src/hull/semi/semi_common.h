// What the semi-submersible routines share among themselves and nobody else uses: the member frame
// and the tension-leg cases of the data set.
#pragma once

#include "dataset/tpcm.h"
#include "hull/himem.h"
#include "hull/rao_guard.h"
#include "util/farray.h"
#include "util/sim_types.h"

namespace qv::semi {

// Creator codes 14 and 17 are tension-leg hulls: effective draft and tendon stiffness.
inline bool tensionLeg() { return TPCM.CREATR == kSimYobrix || TPCM.CREATR == kSimWistole; }

// The wave period of the grid point in hand, HIMEM IW [s] (0 outside the grid): the period that a
// message about a response operator names.
float periodInHand();

// numerator / denominator for a mode of the semi-submersible at the grid point in hand, by the rule
// of every hull for a denominator of exactly zero.
Complex responseOperator(Complex numerator, Complex denominator, Mode mode);

// The frame of a member with unit axis n: R(i, j) (stored by columns, as GMPRD takes it) holds in
// row i the member's local axis i in vessel axes, row 3 being n itself. With the pitch angle
// t = -acos(n3) and the heading angle p = -atan2(n2, n1) (0 for a vertical member) the rows are
// (cos t cos p, -cos t sin p, sin t), (sin p, cos p, 0), (-sin t cos p, sin t sin p, cos t).
struct MemberFrame {
  Arr<float, 3, 3> R;
  float sinP, cosP;  // sine and cosine of the heading angle p
};
MemberFrame memberFrame(const float* n);

}  // namespace qv::semi
