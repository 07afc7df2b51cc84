// The taut-wire subline length: for a taut-wire or tension-leg line type, the length of subline 1
// (the one at the fairlead) at which the type's line, hanging vertically from its fairlead to its
// anchor with every subline stretched under its local tension, carries its pretension at the
// fairlead. The line-material help runs it on the user's request.
//
// Data, for line type t, from TPCM: moor.NELEM(t), SLEN(., t), WETWT(., t), ALPHA(., ., t),
// ANCHGT(t), LODTYP, and of the line moor.LINTYP(1, t) its fairlead height RFLD(3, .) and pretension
// HTENS(.); TDRAFT; EDUNIT for the dialogue. The working copy is TNDCOM.
#pragma once

#include <cstdint>

namespace qv {

// Finds the length of subline 1 of line type `lineType` and writes it into TPCM.moor.SLEN(1, type).
// First the warnings, each cleared onto a fresh screen and followed by the abort question (an "A"
// returns without a result): a pretension not given as fairlead tension (LODTYP other than 2), a
// pretension that is not positive, and a type with no elastic coefficient at all (whose length is
// then the distance less the other sublines, without a search). A type with no line, sublines 2..N
// that already reach the fairlead-anchor distance, a search that fails or a root that is not
// positive are reported, followed by a wait for Return (none on unit 41), and leave SLEN as it is:
// the data set never receives a length of zero or less.
void TENDNDP(std::int32_t lineType);

// The objective for a trial length X of subline 1: the fairlead-anchor distance less the stretched
// length of the whole line at the pretension, from TNDCOM. Sets TNDCOM.SLENDP(1) = X.
double DVSTER(double X);

}  // namespace qv
