// Pins every member of DUMMY1 to its word: a layout mistake does not compile.
#include <type_traits>

#include "mooring/dummy1.h"
#include "platform/block_reset.h"
#include "util/block_layout.h"

namespace qv {

constinit Dummy1 DUMMY1{};
const BlockReset resetDummy1{[] { DUMMY1.reset(); }};
const BlockBytes dummy1Bytes{"DUMMY1", bytesOf(DUMMY1)};

void Dummy1::reset() { zeroBlock(*this); }

static_assert(std::is_standard_layout_v<Dummy1>);

QV_AT_WORD(Dummy1, LSTFRE, 1);
QV_AT_WORD(Dummy1, ITYPP, 2);
QV_AT_WORD(Dummy1, DELZP, 3);
QV_AT_WORD(Dummy1, NULBOT, 5);
QV_AT_WORD(Dummy1, ALPHDP, 7);
QV_AT_WORD(Dummy1, SLENDP, 157);
QV_AT_WORD(Dummy1, WETWDP, 207);
static_assert(sizeof(Dummy1) == 4 * 256);

}  // namespace qv
