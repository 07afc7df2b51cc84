// The SALM column as the statics see it: the members its elements form, and whether such a column
// can bring its top to the height of the vessel's attachment. The run's checks and the statics
// read both from here, so they give one verdict on a column that cannot reach.
#pragma once

#include <span>
#include <vector>

namespace qv {

// The members the statics form from the elements of TPCM: the leading elements with a frozen lower
// joint are the base; member 1 starts at the first element with a free lower joint (at the last
// element when no other is free), and each later free joint starts one more. Lengths are summed in
// element order, as the statics sum them. Empty without elements.
struct SalmMembers {
  std::vector<int> firstElement;  // the first element of each member
  std::vector<float> length;      // each member's length [ft | m]
  float baseLength = 0.0f;        // the frozen base's elements together [ft | m]
};
SalmMembers salmMembers();

// The height above its lowest free joint that the top of an attached column must reach (YOKBOT of
// the statics): the water depth, less the frozen base's height when the first joint is frozen
// (its elements inclined by ANCHOR), plus the attachment's height above the waterline (YOKEHT; for a
// buoyant riser, held at the keel, less the draft).
float attachmentHeight(const SalmMembers& members);

// Whether a column of members of these lengths (lowest first), every one standing straight up or
// down but one, the closing member, which leans, can bring its top to `height` above its lowest
// joint: the configurations among which the statics look for the least potential energy. Patterns
// are taken as the statics take them, so the same lengths give the same verdict.
bool columnReachesHeight(std::span<const float> lengths, float height);

}  // namespace qv
