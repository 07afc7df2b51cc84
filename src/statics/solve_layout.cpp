// Pins every member of SOLVE to its word: the later stages read the column description by name, and
// the block keeps the word order of its description.
#include "statics/solve.h"

#include "platform/block_reset.h"
#include "util/block_layout.h"

namespace qv {

constinit Solve SOLVE{};
const BlockReset resetSolve{[] { SOLVE.reset(); }};
const BlockBytes solveBytes{"SOLVE", bytesOf(SOLVE)};

QV_AT_WORD(Solve, CNCB, 1);
QV_AT_WORD(Solve, CNCG, 7);
QV_AT_WORD(Solve, CNBUOY, 13);
QV_AT_WORD(Solve, CNMASS, 19);
QV_AT_WORD(Solve, CNLEN, 25);
QV_AT_WORD(Solve, ZLOAD0, 31);
QV_AT_WORD(Solve, COTANP, 38);
QV_AT_WORD(Solve, WETARM, 578);
QV_AT_WORD(Solve, WETWT, 584);
QV_AT_WORD(Solve, WETVL0, 590);
QV_AT_WORD(Solve, PRCCB, 591);
QV_AT_WORD(Solve, B0, 592);
QV_AT_WORD(Solve, HDRY0, 593);
QV_AT_WORD(Solve, CNGYR, 594);
QV_AT_WORD(Solve, CUMWT, 600);
QV_AT_WORD(Solve, DEFF, 601);
QV_AT_WORD(Solve, HIGHPT, 602);
QV_AT_WORD(Solve, COTAN1, 603);
QV_AT_WORD(Solve, FTOP, 604);
QV_AT_WORD(Solve, RB, 605);
QV_AT_WORD(Solve, RB2, 606);
QV_AT_WORD(Solve, WPA1, 607);
QV_AT_WORD(Solve, IPERCN, 608);
QV_AT_WORD(Solve, NCON, 609);
QV_AT_WORD(Solve, ITABLE, 610);
QV_AT_WORD(Solve, IARC1, 611);
QV_AT_WORD(Solve, IFIRST, 612);
QV_AT_WORD(Solve, JELEM, 613);
QV_AT_WORD(Solve, BOYMOM, 653);
QV_AT_WORD(Solve, CUMWT1, 654);
QV_AT_WORD(Solve, WE1, 655);
QV_AT_WORD(Solve, BD1, 656);
QV_AT_WORD(Solve, WEPERC, 657);
QV_AT_WORD(Solve, BOYLEN, 658);
QV_AT_WORD(Solve, WETVOL, 659);
QV_AT_WORD(Solve, BCONV, 660);
QV_AT_WORD(Solve, YOKBOT, 661);
QV_AT_WORD(Solve, DPHI, 662);
QV_AT_WORD(Solve, ANCHT, 663);
QV_AT_WORD(Solve, BYTOP, 664);
QV_AT_WORD(Solve, HWET, 665);
QV_AT_WORD(Solve, HDRY, 666);
QV_AT_WORD(Solve, DRYVOL, 667);
QV_AT_WORD(Solve, CADMOI, 668);
QV_AT_WORD(Solve, ZLDTMP, 674);
QV_AT_WORD(Solve, PHIANG, 681);
QV_AT_WORD(Solve, ADMLBD, 1221);
QV_AT_WORD(Solve, ADMBCY, 1224);

}  // namespace qv
