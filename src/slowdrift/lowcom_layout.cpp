// Pins every member of LOWCOM to its word, in the order of the block's description.
#include "slowdrift/lowcom.h"

#include "platform/block_reset.h"
#include "util/block_layout.h"

namespace qv {

constinit Lowcom LOWCOM{};
const BlockReset resetLowcom{[] { LOWCOM.reset(); }};
const BlockBytes lowcomBytes{"LOWCOM", bytesOf(LOWCOM)};

QV_AT_WORD(Lowcom, SIGMTN, 1);
QV_AT_WORD(Lowcom, SIGYHI, 7);
QV_AT_WORD(Lowcom, SIGYLO, 13);
QV_AT_WORD(Lowcom, RTPVAL, 19);
QV_AT_WORD(Lowcom, REQTMP, 127);
QV_AT_WORD(Lowcom, AXLVAL, 148);
QV_AT_WORD(Lowcom, SHRVAL, 226);
QV_AT_WORD(Lowcom, LTRVAL, 304);
QV_AT_WORD(Lowcom, AXLTMP, 382);
QV_AT_WORD(Lowcom, SHRTMP, 385);
QV_AT_WORD(Lowcom, LTRTMP, 388);
QV_AT_WORD(Lowcom, PHIVAR, 391);
QV_AT_WORD(Lowcom, THTVAR, 427);
QV_AT_WORD(Lowcom, QMOM, 463);
QV_AT_WORD(Lowcom, MOMVAL, 523);
QV_AT_WORD(Lowcom, XSIG, 823);
QV_AT_WORD(Lowcom, ZSIG, 824);
QV_AT_WORD(Lowcom, YSIG, 825);
QV_AT_WORD(Lowcom, PHIDUM, 826);
QV_AT_WORD(Lowcom, EQANG, 832);
QV_AT_WORD(Lowcom, ZLDEQ, 838);
QV_AT_WORD(Lowcom, LASTLO, 845);

}  // namespace qv
