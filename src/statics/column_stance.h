// Whether the column stands as the statics place it at zero load. The zero-load configuration is a
// pattern of members standing straight up or hanging straight down with one closing member leaning
// between them (STSALM). A member standing straight up is an inverted pendulum: under the least
// horizontal load H it leans by the cotangent c = (T - M) / H of its moment balance about its lower
// joint (T the pull at its top, M = (W g - B b) / L its weight's moment less its buoyancy's, the
// piercing member's at the draft it stands in, the waterplane's righting included). With T - M > 0
// it leans with the load and comes back when the load goes: it stands. With T - M < 0 it would have
// to lean against the load, and it falls over: the zero-load configuration is no minimum of the
// potential energy but a maximum in that member's turn, and no load-offset table starts from it (the
// table's members lean with the load, their cotangents of one sign with the load). A member hanging
// straight down is the mirror: it hangs with T - M < 0. The pulls are the members' own: the closing
// member leans in balance, T = M, with the buoyancy of its draft when it pierces the surface (the
// zero-load joint loads ZLOAD0 count a leaning piercing member fully wet), and the pull passes along
// the column less each member's net weight.
#pragma once

#include <cstdint>

namespace qv {

// Stops the run when a member that stands straight up (or hangs straight down) at zero load is not
// righted (T - M not of the sign of its cosine): the message names each such member with its
// elements, what it carries and, for the piercing member, its draft, and the water depth (page 1,
// item 4) from which the column would stand as placed, where more depth makes it stand. `closing` is
// the member that leans at zero load. Not for a free SALM, whose members have no closing member.
void checkColumnStands(std::int32_t closing);

}  // namespace qv
