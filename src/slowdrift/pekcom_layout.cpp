// Pins every member of PEKCOM to its word: the statistics read its load columns as one table and
// the whole block in the order of the low-frequency part of OUTPUT.
#include "slowdrift/pekcom.h"

#include "platform/block_reset.h"
#include "slowdrift/output.h"
#include "util/block_layout.h"

namespace qv {

constinit Pekcom PEKCOM{};
const BlockReset resetPekcom{[] { PEKCOM.reset(); }};
const BlockBytes pekcomBytes{"PEKCOM", bytesOf(PEKCOM)};

QV_AT_WORD(Pekcom, FSIGLP, 1);
QV_AT_WORD(Pekcom, FSHRLP, 1);
QV_AT_WORD(Pekcom, FAXLLP, 15);
QV_AT_WORD(Pekcom, FLTRLP, 29);
QV_AT_WORD(Pekcom, ASIGLP, 43);
QV_AT_WORD(Pekcom, TSIGLP, 49);
QV_AT_WORD(Pekcom, RSIGLP, 55);
QV_AT_WORD(Pekcom, MSIGLP, 76);
QV_AT_WORD(Pekcom, DUMMOM, 136);
QV_AT_WORD(Pekcom, LASTPK, 196);

// The peaks lie as the low-frequency sigmas at the start of OUTPUT, so that one walk serves both.
static_assert(offsetof(Pekcom, FSIGLP) == offsetof(Output, FSIGLF));
static_assert(offsetof(Pekcom, ASIGLP) == offsetof(Output, ASIGLF));
static_assert(offsetof(Pekcom, TSIGLP) == offsetof(Output, TSIGLF));
static_assert(offsetof(Pekcom, RSIGLP) == offsetof(Output, RSIGLF));
static_assert(offsetof(Pekcom, MSIGLP) == offsetof(Output, MSIGLF));
static_assert(offsetof(Pekcom, DUMMOM) == offsetof(Output, STMOM));

}  // namespace qv
