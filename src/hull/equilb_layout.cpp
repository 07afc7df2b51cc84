// Pins every member of EQUILB to its word, and checks that the three low-frequency modes are three
// records of one layout: each mode's named members are the words of its record in MODREC.
#include "hull/equilb.h"

#include "platform/block_reset.h"
#include "util/block_layout.h"

namespace qv {

constinit Equilb EQUILB{};
const BlockReset resetEquilb{[] { EQUILB.reset(); }};
const BlockBytes equilbBytes{"EQUILB", bytesOf(EQUILB)};

static_assert(sizeof(LowModeRecord) == 4 * 24, "a mode record is 24 words");

// Word of member `member` of record `mode` of MODREC.
#define QV_RECORD_OFFSET(mode, member) \
  (offsetof(Equilb, MODREC) + ((mode) - 1) * sizeof(LowModeRecord) + offsetof(LowModeRecord, member))
#define QV_SAME_RECORD_WORD(surge, low, high)                                  \
  static_assert(offsetof(Equilb, surge) == QV_RECORD_OFFSET(1, surge), #surge); \
  static_assert(offsetof(Equilb, low) == QV_RECORD_OFFSET(2, surge), #low);     \
  static_assert(offsetof(Equilb, high) == QV_RECORD_OFFSET(3, surge), #high)

QV_AT_WORD(Equilb, OFFSET, 1);
QV_AT_WORD(Equilb, HLOAD, 91);
QV_AT_WORD(Equilb, PHIFEX, 181);
QV_AT_WORD(Equilb, FEXTRN, 182);
QV_AT_WORD(Equilb, PHIFX2, 183);
QV_AT_WORD(Equilb, FXTRN2, 184);
QV_AT_WORD(Equilb, PHIFX3, 185);
QV_AT_WORD(Equilb, FXTRN3, 186);
QV_AT_WORD(Equilb, IWDFPX, 187);
QV_AT_WORD(Equilb, IWDFPY, 188);
QV_AT_WORD(Equilb, ISDFPX, 189);
QV_AT_WORD(Equilb, ISDFPY, 190);
QV_AT_WORD(Equilb, REDWGT, 191);
QV_AT_WORD(Equilb, XCGVAR, 192);
QV_AT_WORD(Equilb, YCGVAR, 193);
QV_AT_WORD(Equilb, FDPTOT, 194);
QV_AT_WORD(Equilb, PHIFDP, 195);
QV_AT_WORD(Equilb, LSTABL, 196);
QV_AT_WORD(Equilb, SLMANG, 226);
QV_AT_WORD(Equilb, ENERGY, 256);
QV_AT_WORD(Equilb, TANGLE, 286);
QV_AT_WORD(Equilb, FTOT, 316);
QV_AT_WORD(Equilb, IANGLE, 346);
QV_AT_WORD(Equilb, ISTAB, 347);
QV_AT_WORD(Equilb, ERGMAX, 348);
QV_AT_WORD(Equilb, ERGMIN, 349);
QV_AT_WORD(Equilb, VESANG, 350);
QV_AT_WORD(Equilb, YAWARM, 351);
QV_AT_WORD(Equilb, WAVARM, 352);
QV_AT_WORD(Equilb, WSCALE, 353);
QV_AT_WORD(Equilb, SINBOW, 354);
QV_AT_WORD(Equilb, BOWANG, 355);
QV_AT_WORD(Equilb, COTBOW, 356);
QV_AT_WORD(Equilb, SINSTN, 357);
QV_AT_WORD(Equilb, STRNAN, 358);
QV_AT_WORD(Equilb, COTSTN, 359);
QV_AT_WORD(Equilb, BLRAT0, 360);
QV_AT_WORD(Equilb, LEFRAT, 361);
QV_AT_WORD(Equilb, LEFRT2, 362);
QV_AT_WORD(Equilb, BOWARM, 363);
QV_AT_WORD(Equilb, STRNRM, 364);
QV_AT_WORD(Equilb, MOMCOF, 365);
QV_AT_WORD(Equilb, SWHC, 366);
QV_AT_WORD(Equilb, SWIND_ATTACK, 367);
QV_AT_WORD(Equilb, SCRNT_ATTACK, 368);
QV_AT_WORD(Equilb, SWAVE_ATTACK, 369);
QV_AT_WORD(Equilb, SSWEL_ATTACK, 370);
QV_AT_WORD(Equilb, SXWND, 371);
QV_AT_WORD(Equilb, SYWND, 372);
QV_AT_WORD(Equilb, SXCUR, 373);
QV_AT_WORD(Equilb, SYCUR, 374);
QV_AT_WORD(Equilb, SXWAV, 375);
QV_AT_WORD(Equilb, SYWAV, 376);
QV_AT_WORD(Equilb, SXSWL, 377);
QV_AT_WORD(Equilb, SYSWL, 378);
QV_AT_WORD(Equilb, VARYTP, 379);
QV_AT_WORD(Equilb, CYQTP, 380);
QV_AT_WORD(Equilb, MODREC, 381);
QV_AT_WORD(Equilb, YOKSLM, 453);
QV_AT_WORD(Equilb, FLTRL0, 454);
QV_AT_WORD(Equilb, DELTA0, 455);
QV_AT_WORD(Equilb, NETARM, 456);
QV_AT_WORD(Equilb, BUYNGL, 457);
QV_AT_WORD(Equilb, SWLANG, 458);
QV_AT_WORD(Equilb, SWLANG2, 459);
QV_AT_WORD(Equilb, ZCGVAR, 460);

// Each named member of the three modes is the same word as its member of MODREC(mode).
QV_SAME_RECORD_WORD(TSURG, TSWAY, TYAW);
QV_SAME_RECORD_WORD(WSURG, WSWAY, WYAW);
QV_SAME_RECORD_WORD(EMSURG, EMILO, EMI);
QV_SAME_RECORD_WORD(GAMFAC, GMODE2, GMODE3);
QV_SAME_RECORD_WORD(GAMSTW, GMSTW2, GMSTW3);
QV_SAME_RECORD_WORD(GAMWND, GMWND2, GMWND3);
QV_SAME_RECORD_WORD(GAMCUR, GMCUR2, GMCUR3);
QV_SAME_RECORD_WORD(GAMWV, GMWV2, GMWV3);
QV_SAME_RECORD_WORD(GAMSWL, GMSWL2, GMSWL3);
QV_SAME_RECORD_WORD(GMWDG, GMWDG2, GMWDG3);
QV_SAME_RECORD_WORD(GMSDG, GMSDG2, GMSDG3);
QV_SAME_RECORD_WORD(GAMTOT, GMTOT2, GMTOT3);
QV_SAME_RECORD_WORD(GAMQSG, GAMQLO, GAMQHI);
QV_SAME_RECORD_WORD(GMLNSG, GMLNLO, GMLNHI);
QV_SAME_RECORD_WORD(EGMSG, EGMLO, EGMHI);
QV_SAME_RECORD_WORD(GAMLIN, GMLIN2, GMLIN3);
QV_SAME_RECORD_WORD(VARTOT, EVRLO, EVRHI);
QV_SAME_RECORD_WORD(VARWND, VRWND2, VRWND3);
QV_SAME_RECORD_WORD(VARCUR, VRCUR2, VRCUR3);
QV_SAME_RECORD_WORD(VARWAV, VRWAV2, VRWAV3);
QV_SAME_RECORD_WORD(VARSWL, VRSWL2, VRSWL3);
QV_SAME_RECORD_WORD(VWVDG, VWVDG2, VWVDG3);
QV_SAME_RECORD_WORD(VSWDG, VSWDG2, VSWDG3);
QV_SAME_RECORD_WORD(FSGPK, FLOPK, FHIPK);

// Second names of the same words.
static_assert(offsetof(Equilb, EMASS) == offsetof(Equilb, EMSURG));
static_assert(offsetof(Equilb, WYAWLO) == offsetof(Equilb, WSWAY));
static_assert(offsetof(Equilb, EMASSW) == offsetof(Equilb, EMILO));
static_assert(offsetof(Equilb, WYAWHI) == offsetof(Equilb, WYAW));
static_assert(offsetof(Equilb, EMIHI) == offsetof(Equilb, EMI));

}  // namespace qv
