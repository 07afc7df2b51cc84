// Pins every member of WAVCOM to its word: a layout mistake does not compile.
#include <cstddef>
#include <type_traits>

#include "waves/wavcom.h"
#include "platform/block_reset.h"
#include "util/block_layout.h"

namespace qv {

constinit Wavcom WAVCOM{};
const BlockReset resetWavcom{[] { WAVCOM.reset(); }};
const BlockBytes wavcomBytes{"WAVCOM", bytesOf(WAVCOM)};

QV_AT_WORD(Wavcom, G, 1);
QV_AT_WORD(Wavcom, NW, 2);
QV_AT_WORD(Wavcom, DW, 3);
QV_AT_WORD(Wavcom, TS, 4);
QV_AT_WORD(Wavcom, TL, 5);
QV_AT_WORD(Wavcom, DT, 6);
QV_AT_WORD(Wavcom, W, 7);
QV_AT_WORD(Wavcom, W2, 107);
QV_AT_WORD(Wavcom, WVK, 207);
QV_AT_WORD(Wavcom, WPSD, 307);
QV_AT_WORD(Wavcom, SWLPSD, 407);
QV_AT_WORD(Wavcom, SWLPSD2, 507);
QV_AT_WORD(Wavcom, SWH, 607);
QV_AT_WORD(Wavcom, TPK, 608);
QV_AT_WORD(Wavcom, WPK, 609);
QV_AT_WORD(Wavcom, WKPK, 610);
QV_AT_WORD(Wavcom, WSWLPK, 611);
QV_AT_WORD(Wavcom, WKSWLPK, 612);
QV_AT_WORD(Wavcom, WSWLPK2, 613);
QV_AT_WORD(Wavcom, WKSWLPK2, 614);
QV_AT_WORD(Wavcom, SWHSWL, 615);
QV_AT_WORD(Wavcom, SWHSWL2, 616);
QV_AT_WORD(Wavcom, NSPEC, 617);
QV_AT_WORD(Wavcom, NSWEL, 618);
QV_AT_WORD(Wavcom, DELSWL, 619);
QV_AT_WORD(Wavcom, NRAO, 620);
QV_AT_WORD(Wavcom, IRAO, 621);
QV_AT_WORD(Wavcom, ISWELL, 622);
QV_AT_WORD(Wavcom, ISWEL2, 623);
QV_AT_WORD(Wavcom, LEXP, 624);
QV_AT_WORD(Wavcom, LWVCMP, 625);
QV_AT_WORD(Wavcom, DA, 626);
QV_AT_WORD(Wavcom, DADEG, 627);
QV_AT_WORD(Wavcom, NA2, 628);
QV_AT_WORD(Wavcom, ANGNRM, 629);
QV_AT_WORD(Wavcom, RHOWTR, 630);
QV_AT_WORD(Wavcom, RHOAIR, 631);
QV_AT_WORD(Wavcom, TAVG, 632);
QV_AT_WORD(Wavcom, DURFAC, 633);
QV_AT_WORD(Wavcom, XTRMWV, 634);
QV_AT_WORD(Wavcom, GAUSFK, 635);
QV_AT_WORD(Wavcom, BEAMQ, 636);
QV_AT_WORD(Wavcom, DRAFTQ, 637);
QV_AT_WORD(Wavcom, SHPLNQ, 638);
QV_AT_WORD(Wavcom, BIGWVS, 639);
QV_AT_WORD(Wavcom, BEAMCF, 640);
QV_AT_WORD(Wavcom, BOWCF, 641);

static_assert(std::is_standard_layout_v<Wavcom>, "WAVCOM is handled as a run of words");

}  // namespace qv
