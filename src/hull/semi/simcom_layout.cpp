// Pins every member of SIMCOM to its word: a layout mistake does not compile.
#include <cstddef>
#include <cstring>

#include "hull/semi/simcom.h"
#include "platform/block_reset.h"
#include "util/block_layout.h"

namespace qv {

constinit Simcom SIMCOM{};
const BlockReset resetSimcomBlock{[] { resetSimcom(); }};
const BlockBytes simcomBytes{"SIMCOM", bytesOf(SIMCOM)};

void resetSimcom() { std::memset(static_cast<void*>(&SIMCOM), 0, sizeof SIMCOM); }

QV_AT_WORD(Simcom, NPIERCE, 1);
QV_AT_WORD(Simcom, LPIERCE, 2);
QV_AT_WORD(Simcom, SIMAVBL, 52);
QV_AT_WORD(Simcom, CYLLEN, 102);
QV_AT_WORD(Simcom, DIRVEC, 152);
QV_AT_WORD(Simcom, CYLCG, 302);
QV_AT_WORD(Simcom, FRCCOF, 452);
QV_AT_WORD(Simcom, MNTCOF, 902);
QV_AT_WORD(Simcom, CQRL, 1352);
QV_AT_WORD(Simcom, CQPT, 1353);
QV_AT_WORD(Simcom, CQHV, 1354);
QV_AT_WORD(Simcom, GAMRL, 1355);
QV_AT_WORD(Simcom, GAMPT, 1356);
QV_AT_WORD(Simcom, GAMHV, 1357);
QV_AT_WORD(Simcom, CYLBAS, 1358);
QV_AT_WORD(Simcom, SIMDUM, 1508);
QV_AT_WORD(Simcom, MRWPG2, 1558);
QV_AT_WORD(Simcom, MPWPG2, 1608);
QV_AT_WORD(Simcom, DRGFCF, 1658);
QV_AT_WORD(Simcom, DRGMCF, 1808);

#undef QV_AT_WORD

}  // namespace qv
