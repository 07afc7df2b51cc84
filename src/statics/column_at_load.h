// The column in equilibrium under a horizontal load that need not be a point of the load table: the
// mean load of the slow drift and the loads the low-frequency motion displaces it to, a calm sea's
// fraction of a tonne included.
//
// The members' angles there are those of the statics' own equilibrium: every member balances in
// moment about its lower joint under the pull the members above pass down to it, and the column
// closes on its attachment. Between two table points the angles are not a straight line in the load
// (the cotangents go as 1/H), and angles taken on such a line leave the members out of balance: a
// moment at a hinge, which a wave-frequency rotation turns into a moment about the other axis.
//
// The column is placed about the member that leans at zero load, whose cotangent is searched as the
// root of the column's closure; the other members take the cotangents their balances ask for, the
// piercing member with the buoyancy of its draft in that placement (an inner search). Near no load
// the other members stand nearly upright and their cotangents grow as pull over load: the leaning
// member alone decides the closure, and its balance wants its pull to a small share of the load,
// which a search over member 1's cotangent (TOPHT, where the table's points are found) cannot give in
// floats. Where the piercing member lies on the far side of the leaning member from the top, the
// column is placed from the top down, as ZFILL places it when it forms the joint loads, and closes on
// its lowest joint to float precision; otherwise from the bottom up. A load on a table point takes
// that point's angles without a search.
#pragma once

#include <cstdint>

namespace qv {

// The member angles PHI(1..NCON) [rad from the vertical] at PHI[0..NCON-1] under the horizontal load
// H [kips | t]. A table of one element, whose angles the statics do not search, is read off by
// straight lines as the statics leave it; a load too small to turn a member by a float from its
// zero-load attitude takes the table's first point. A load at which the search finds no equilibrium
// stops the run, naming the load. The search leaves the load table as it is, and SOLVE's working
// members (the piercing member's draft outputs, HIGHPT) as its last trial left them: a ZFILL at the
// angles sets them for the angles.
void columnAtLoad(float H, float* PHI);

// The offset of the column's top under the load H with the members at PHI (from columnAtLoad): the
// horizontal reach of the members, with the auxiliary offset at H when the data set has its table,
// as the load-offset table holds it at its points [ft | m].
float topOffsetAtLoad(float H, const float* PHI);

// The auxiliary offset at the load H: the user's table of forces AUXFOR against offsets in steps of
// OFFINC, read off linearly and extended beyond its ends by the end pair's line [ft | m].
float auxiliaryOffset(float H);

}  // namespace qv
