// The column's shape followed from one horizontal load to the next, as the load-offset table must
// follow it: from the zero-load configuration, load by load, each shape the equilibrium that the
// shape before it turns into as the load grows.
//
// The unknowns are the members' angles from the vertical and the vertical pull at the column's top;
// the equations are every member's moment balance about its lower joint, H L cos(phi) = (T L - W g)
// sin(phi) + B x (x the horizontal lever of its buoyancy, the piercing member's from COTANB at its
// attitude and draft), with the pull passed down the column less each member's net weight, and the
// top's height. Written in the angles and in moments they hold as well for a member standing straight
// up, whose cotangent (the unknown of the table's own search) would be no number, and they are solved
// together by Newton's method, so no member's root is chosen apart from the others'.
#pragma once

#include "statics/solve.h"

namespace qv {

// The shape under the load H continued from the shape c0 (cotangents of members 1..NCON) in
// equilibrium under H0 (the zero-load configuration COTANP(1, .) with H0 = 0), into c: Newton's method
// from c0, the step from H0 to H taken whole, or in 2, 4, ... up to 64 equal parts, each started from
// the shape the part before it found, where it does not converge. Whether it converged. ITABLE must
// stand at a loaded point (COTANB, which it calls, divides by HLOAD(ITABLE) for a residual it does not
// use); SOLVE's working members (the piercing member's draft outputs, HIGHPT) are left as its last
// evaluation left them. Not for a floating riser, whose top is not held.
bool continueColumn(float H0, const Arr<float, kMaxMembers>& c0, float H, Arr<float, kMaxMembers>& c);

}  // namespace qv
