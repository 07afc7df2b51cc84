// Pins every member of ERGCOM to its word, in the order of the block's description.
#include "slowdrift/ergcom.h"

#include "platform/block_reset.h"
#include "util/block_layout.h"

namespace qv {

constinit Ergcom ERGCOM{};
const BlockReset resetErgcom{[] { ERGCOM.reset(); }};
const BlockBytes ergcomBytes{"ERGCOM", bytesOf(ERGCOM)};

QV_AT_WORD(Ergcom, SRGERG, 1);
QV_AT_WORD(Ergcom, SWYERG, 91);
QV_AT_WORD(Ergcom, YAWERG, 181);
QV_AT_WORD(Ergcom, BSRGEG, 271);
QV_AT_WORD(Ergcom, BSWYEG, 361);
QV_AT_WORD(Ergcom, BYAWEG, 451);
QV_AT_WORD(Ergcom, DXSRG, 541);
QV_AT_WORD(Ergcom, DYSWY, 542);
QV_AT_WORD(Ergcom, DZYAW, 543);
QV_AT_WORD(Ergcom, EQBSRG, 544);
QV_AT_WORD(Ergcom, EQBSWY, 545);
QV_AT_WORD(Ergcom, EQBYAW, 546);
QV_AT_WORD(Ergcom, SPRNGX, 547);
QV_AT_WORD(Ergcom, SPRNGY, 548);
QV_AT_WORD(Ergcom, SPRNGZ, 549);
QV_AT_WORD(Ergcom, SRGOFF, 550);
QV_AT_WORD(Ergcom, SWYOFF, 551);
QV_AT_WORD(Ergcom, YAWOFF, 552);
QV_AT_WORD(Ergcom, REQLIB, 553);
QV_AT_WORD(Ergcom, SPRNGR, 554);
QV_AT_WORD(Ergcom, SPRNGP, 555);
QV_AT_WORD(Ergcom, SPRNGH, 556);
QV_AT_WORD(Ergcom, ROLOFF, 557);
QV_AT_WORD(Ergcom, PITOFF, 558);
QV_AT_WORD(Ergcom, HEVOFF, 559);
QV_AT_WORD(Ergcom, SPRNGX_L, 560);
QV_AT_WORD(Ergcom, SPRNGY_L, 561);
QV_AT_WORD(Ergcom, SPRNGZ_L, 562);
QV_AT_WORD(Ergcom, ERGDUM, 563);

}  // namespace qv
