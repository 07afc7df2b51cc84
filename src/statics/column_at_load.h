// The column in equilibrium under a horizontal load that need not be a point of the load table: the
// mean load of the slow drift and the loads the low-frequency motion displaces it to.
//
// The members' angles there are those of the statics' own equilibrium: member 1's cotangent is the
// root of TOPHT at that load, found as a table point is found, and the members above it follow from
// their moment balances. Between two table points the angles are not a straight line in the load
// (the cotangents go as 1/H), and angles taken on such a line leave the members out of balance: a
// moment at a hinge, which a wave-frequency rotation turns into a moment about the other axis. The
// equilibrium found is then placed again from the top down, as ZFILL places the members when it forms
// the joint loads, and closed on the anchor to float precision: the piercing member's buoyancy in
// the joint loads is then the one the members balance with, and no hinge takes its moment.
//
// The cost is two root searches per call, member 1's and the top member's (each with the piercing
// member's inner search at each trial): a load on a table point takes that point's angles without a
// search.
#pragma once

#include <cstdint>

namespace qv {

// The member angles PHI(1..NCON) [rad from the vertical] at PHI[0..NCON-1] under the horizontal load
// H [kips | t]. A table of one element, whose angles the statics do not search, is read off by
// straight lines as the statics leave it. A load at which the search finds no equilibrium stops the
// run, naming the load. The search works in a table row it puts back afterwards, and leaves SOLVE's
// working members (the piercing member's draft outputs, HIGHPT, CUMWT) as its last trial left them:
// a ZFILL at the angles sets them for the angles.
void columnAtLoad(float H, float* PHI);

// The search of member 1's cotangent by RTMI1 over TOPHT into COTANP(J, 1), the table point J under
// HLOAD(J) (ITABLE = J), from the bracket [lower, upper]: a search without convergence narrows the
// bracket and tries again (five times at most), one without a sign change widens it by step (twenty
// times at most, from the second one fivefold). Whether it found a root; the bracket is left as last
// tried.
bool searchMemberOne(std::int32_t J, float& lower, float& upper, float step);

// The offset of the column's top under the load H with the members at PHI (from columnAtLoad): the
// horizontal reach of the members, with the auxiliary offset at H when the data set has its table,
// as the load-offset table holds it at its points [ft | m].
float topOffsetAtLoad(float H, const float* PHI);

// The auxiliary offset at the load H: the user's table of forces AUXFOR against offsets in steps of
// OFFINC, read off linearly and extended beyond its ends by the end pair's line [ft | m].
float auxiliaryOffset(float H);

}  // namespace qv
