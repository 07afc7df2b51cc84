// Pins every member of TNDCOM to its word: a layout mistake does not compile.
#include <type_traits>

#include "mooring/tndcom.h"
#include "platform/block_reset.h"
#include "util/block_layout.h"

namespace qv {

constinit Tndcom TNDCOM{};
const BlockReset resetTndcom{[] { TNDCOM.reset(); }};
const BlockBytes tndcomBytes{"TNDCOM", bytesOf(TNDCOM)};

void Tndcom::reset() { zeroBlock(*this); }

static_assert(std::is_standard_layout_v<Tndcom>);

QV_AT_WORD(Tndcom, ITYPQ, 1);
QV_AT_WORD(Tndcom, alignDELTAZ, 2);
QV_AT_WORD(Tndcom, DELTAZ, 3);
QV_AT_WORD(Tndcom, T0, 5);
QV_AT_WORD(Tndcom, SLENDP, 7);
QV_AT_WORD(Tndcom, WETWDP, 57);
QV_AT_WORD(Tndcom, ALPHDP, 107);
static_assert(sizeof(Tndcom) == 4 * 256);

}  // namespace qv
