// Pins every member of TMPCM2 to its word: a layout mistake does not compile.
#include <type_traits>

#include "mooring/tmpcm2.h"
#include "platform/block_reset.h"
#include "util/block_layout.h"

namespace qv {

constinit Tmpcm2 TMPCM2{};
const BlockReset resetTmpcm2{[] { TMPCM2.reset(); }};
const BlockBytes tmpcm2Bytes{"TMPCM2", bytesOf(TMPCM2)};

void Tmpcm2::reset() { zeroBlock(*this); }

static_assert(std::is_standard_layout_v<Tmpcm2>);

QV_AT_WORD(Tmpcm2, BETACP, 1);
QV_AT_WORD(Tmpcm2, GMCOEF, 2);
QV_AT_WORD(Tmpcm2, DELCOF, 3);
static_assert(sizeof(Tmpcm2) == 4 * 3);

}  // namespace qv
