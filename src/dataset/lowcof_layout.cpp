// Pins every member of LOWCOF to its word: a layout mistake does not compile.
#include <algorithm>

#include "dataset/lowcof.h"
#include "platform/block_reset.h"
#include "util/block_layout.h"

namespace qv {

constinit Lowcof LOWCOF{};

namespace {
const BlockReset resetLowcof{[] { std::ranges::fill(lowcofBytes(), std::byte{0}); }};
const BlockBytes lowcofBlock{"LOWCOF", lowcofBytes()};
}  // namespace

QV_AT_WORD(Lowcof, NUWNPT, 1);
QV_AT_WORD(Lowcof, ILOWCF, 1);
QV_AT_WORD(Lowcof, NUCRPT, 2);
QV_AT_WORD(Lowcof, NUWVPT, 3);
QV_AT_WORD(Lowcof, NUQQPT, 4);
QV_AT_WORD(Lowcof, UWNANG, 5);
QV_AT_WORD(Lowcof, UWNCFS, 26);
QV_AT_WORD(Lowcof, UWNCX, 26);
QV_AT_WORD(Lowcof, UWNCY, 47);
QV_AT_WORD(Lowcof, UWNCZ, 68);
QV_AT_WORD(Lowcof, UCRANG, 89);
QV_AT_WORD(Lowcof, UCRCFS, 110);
QV_AT_WORD(Lowcof, UCRCX, 110);
QV_AT_WORD(Lowcof, UCRCY, 131);
QV_AT_WORD(Lowcof, UCRCZ, 152);
QV_AT_WORD(Lowcof, UWVANG, 173);
QV_AT_WORD(Lowcof, UWVCFS, 194);
QV_AT_WORD(Lowcof, UWVCX, 194);
QV_AT_WORD(Lowcof, UWVCY, 215);
QV_AT_WORD(Lowcof, UWVCZ, 236);
QV_AT_WORD(Lowcof, UQQANG, 257);
QV_AT_WORD(Lowcof, UQQCX, 278);
QV_AT_WORD(Lowcof, UQQCY, 299);
QV_AT_WORD(Lowcof, UQQCZ, 320);
QV_AT_WORD(Lowcof, BUWNPT, 341);
QV_AT_WORD(Lowcof, BUCRPT, 342);
QV_AT_WORD(Lowcof, BUWVPT, 343);
QV_AT_WORD(Lowcof, BUQQPT, 344);
QV_AT_WORD(Lowcof, BWNANG, 345);
QV_AT_WORD(Lowcof, BWNCX, 366);
QV_AT_WORD(Lowcof, BWNCY, 387);
QV_AT_WORD(Lowcof, BWNCZ, 408);
QV_AT_WORD(Lowcof, BCRANG, 429);
QV_AT_WORD(Lowcof, BCRCX, 450);
QV_AT_WORD(Lowcof, BCRCY, 471);
QV_AT_WORD(Lowcof, BCRCZ, 492);
QV_AT_WORD(Lowcof, BWVANG, 513);
QV_AT_WORD(Lowcof, BWVCX, 534);
QV_AT_WORD(Lowcof, BWVCY, 555);
QV_AT_WORD(Lowcof, BWVCZ, 576);
QV_AT_WORD(Lowcof, BQQANG, 597);
QV_AT_WORD(Lowcof, BQQCX, 618);
QV_AT_WORD(Lowcof, BQQCY, 639);
QV_AT_WORD(Lowcof, BQQCZ, 660);

}  // namespace qv
