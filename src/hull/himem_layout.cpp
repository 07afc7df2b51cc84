// Pins every member of HIMEM to its word: a layout mistake does not compile.
#include <cstddef>

#include "hull/himem.h"
#include "platform/block_reset.h"
#include "util/block_layout.h"

namespace qv {

// Static storage: the work area is far too large for the stack.
constinit Himem HIMEM{};
const BlockReset resetHimemBlock{[] { resetHimem(); }};
const BlockBytes himemBytes{"HIMEM", bytesOf(HIMEM)};

// 1. Hull scalars
QV_AT_WORD(Himem, HMAS0, 1);
QV_AT_WORD(Himem, IHI, 1);
QV_AT_WORD(Himem, PMAS0, 2);
QV_AT_WORD(Himem, RMAS0, 3);
QV_AT_WORD(Himem, HVMAS, 4);
QV_AT_WORD(Himem, SGMAS, 5);
QV_AT_WORD(Himem, SWMAS, 6);
QV_AT_WORD(Himem, RMAS1, 7);
QV_AT_WORD(Himem, PMAS1, 8);
QV_AT_WORD(Himem, HMASHI, 9);
QV_AT_WORD(Himem, PMASHI, 10);
QV_AT_WORD(Himem, RMASHI, 11);
QV_AT_WORD(Himem, HMSRAT, 12);
QV_AT_WORD(Himem, PMSRAT, 13);
QV_AT_WORD(Himem, RMSRAT, 14);
QV_AT_WORD(Himem, RMASRT, 15);
QV_AT_WORD(Himem, GAMROL, 16);
QV_AT_WORD(Himem, GAMPIT, 17);
QV_AT_WORD(Himem, GAMSRG, 18);
QV_AT_WORD(Himem, GAMSWY, 19);
QV_AT_WORD(Himem, GAMHEV, 20);
QV_AT_WORD(Himem, GAMYAW, 21);
QV_AT_WORD(Himem, GAMRLI, 22);
QV_AT_WORD(Himem, SKAMHV, 23);
QV_AT_WORD(Himem, SKAMPT, 24);
QV_AT_WORD(Himem, SKAMRL, 25);
QV_AT_WORD(Himem, SKDPHV, 26);
QV_AT_WORD(Himem, SKDPPT, 27);
QV_AT_WORD(Himem, SKDPRL, 28);
QV_AT_WORD(Himem, BLRAT, 29);
QV_AT_WORD(Himem, BLRAT2, 30);
QV_AT_WORD(Himem, DBRAT, 31);
QV_AT_WORD(Himem, DLRAT, 32);
QV_AT_WORD(Himem, EVKG, 33);
QV_AT_WORD(Himem, WPML, 34);
QV_AT_WORD(Himem, WPMT, 35);
QV_AT_WORD(Himem, BEAM, 36);
QV_AT_WORD(Himem, BEAM2, 37);
QV_AT_WORD(Himem, SHIPL, 38);
QV_AT_WORD(Himem, SHIPL2, 39);
QV_AT_WORD(Himem, EDRAFT, 40);
QV_AT_WORD(Himem, SDRAFT, 41);
QV_AT_WORD(Himem, XSCALE, 42);
QV_AT_WORD(Himem, YSCALE, 43);
QV_AT_WORD(Himem, GML, 44);
QV_AT_WORD(Himem, GMT, 45);
QV_AT_WORD(Himem, DELTA, 46);
QV_AT_WORD(Himem, SDEPTH, 47);
QV_AT_WORD(Himem, EDISPL, 48);
QV_AT_WORD(Himem, EVKB, 49);
QV_AT_WORD(Himem, EVKML, 50);
QV_AT_WORD(Himem, EVKMT, 51);
QV_AT_WORD(Himem, HC, 52);
QV_AT_WORD(Himem, ARM, 53);
QV_AT_WORD(Himem, R, 54);
QV_AT_WORD(Himem, RADIUS, 54);
QV_AT_WORD(Himem, VTCRR, 55);
QV_AT_WORD(Himem, VTCRP, 56);
QV_AT_WORD(Himem, TCRP, 57);
QV_AT_WORD(Himem, TCRR, 58);
QV_AT_WORD(Himem, WLCRP, 59);
QV_AT_WORD(Himem, WLCRR, 60);
QV_AT_WORD(Himem, SWLCRP, 61);
QV_AT_WORD(Himem, SWLCRR, 62);
QV_AT_WORD(Himem, XCRYW, 63);
QV_AT_WORD(Himem, XCRPT, 64);
QV_AT_WORD(Himem, WPL, 65);
QV_AT_WORD(Himem, WRL, 66);
QV_AT_WORD(Himem, WHL, 67);
QV_AT_WORD(Himem, WP, 68);
QV_AT_WORD(Himem, WR, 69);
QV_AT_WORD(Himem, WH, 70);
QV_AT_WORD(Himem, WSG, 71);
QV_AT_WORD(Himem, WSW, 72);
QV_AT_WORD(Himem, WY, 73);
QV_AT_WORD(Himem, JP, 74);
QV_AT_WORD(Himem, JR, 75);
QV_AT_WORD(Himem, JH, 76);
QV_AT_WORD(Himem, JSG, 77);
QV_AT_WORD(Himem, JSW, 78);
QV_AT_WORD(Himem, JY, 79);
QV_AT_WORD(Himem, PRMT, 80);
QV_AT_WORD(Himem, RRMT, 81);
QV_AT_WORD(Himem, PTCHI, 82);
QV_AT_WORD(Himem, ROLI, 83);
QV_AT_WORD(Himem, YAWI, 84);
QV_AT_WORD(Himem, PTCH1, 85);
QV_AT_WORD(Himem, ROL1, 86);
QV_AT_WORD(Himem, HVM1, 87);
QV_AT_WORD(Himem, TQCNST, 88);
QV_AT_WORD(Himem, RCONST, 89);
QV_AT_WORD(Himem, HCONST, 90);
QV_AT_WORD(Himem, PCONST, 91);
QV_AT_WORD(Himem, CSW, 92);
QV_AT_WORD(Himem, CSG, 93);
QV_AT_WORD(Himem, CYW, 94);
QV_AT_WORD(Himem, SH, 95);
QV_AT_WORD(Himem, TQFAC, 96);
QV_AT_WORD(Himem, BLGFAC, 97);
QV_AT_WORD(Himem, CRLRAX, 98);
QV_AT_WORD(Himem, CPTRAX, 100);
QV_AT_WORD(Himem, CHVRAX, 102);
QV_AT_WORD(Himem, CSGRAX, 104);
QV_AT_WORD(Himem, CSWRAX, 106);
QV_AT_WORD(Himem, CYWRAX, 108);
QV_AT_WORD(Himem, ROTVES, 110);
QV_AT_WORD(Himem, EPS, 119);
QV_AT_WORD(Himem, RSLOPE, 120);
QV_AT_WORD(Himem, WCONST, 121);
QV_AT_WORD(Himem, BIGDUM, 122);

// 2. Grid point in hand
QV_AT_WORD(Himem, IW, 165);
QV_AT_WORD(Himem, IWM, 166);
QV_AT_WORD(Himem, LW, 167);
QV_AT_WORD(Himem, LW2, 168);
QV_AT_WORD(Himem, LWK, 169);
QV_AT_WORD(Himem, LHV, 170);
QV_AT_WORD(Himem, LSG, 171);
QV_AT_WORD(Himem, LSW, 172);
QV_AT_WORD(Himem, LPT, 173);
QV_AT_WORD(Himem, LRL, 174);
QV_AT_WORD(Himem, LYA, 175);

// 3. Links from the sea headings
QV_AT_WORD(Himem, IRAN, 176);
QV_AT_WORD(Himem, ISWL, 213);
QV_AT_WORD(Himem, ISWL2, 250);
QV_AT_WORD(Himem, INTGFL, 287);

// 4. Heading table
QV_AT_WORD(Himem, LRAO, 18787);
QV_AT_WORD(Himem, REDANG, 19287);
QV_AT_WORD(Himem, RAOANG, 19287);

// 5. Scratch spectrum
QV_AT_WORD(Himem, PSD, 19787);

// 6. Loop and layout words
QV_AT_WORD(Himem, IHT, 19887);
QV_AT_WORD(Himem, IHD, 19888);
QV_AT_WORD(Himem, NARRAY, 19889);
QV_AT_WORD(Himem, MAXHT, 19890);
QV_AT_WORD(Himem, MAXHDG, 19891);
QV_AT_WORD(Himem, MAX_HT_TOT, 19892);
QV_AT_WORD(Himem, MAX_HDG_TOT, 19893);
QV_AT_WORD(Himem, NHTNHD, 19894);
QV_AT_WORD(Himem, NHTNHD_TOT, 19895);
QV_AT_WORD(Himem, NDOF, 19896);
QV_AT_WORD(Himem, MAXDIF, 19897);
QV_AT_WORD(Himem, LCNSG, 19898);
QV_AT_WORD(Himem, LCNSWY, 19899);
QV_AT_WORD(Himem, LCNHV, 19900);
QV_AT_WORD(Himem, LCNROL, 19901);
QV_AT_WORD(Himem, LCNPIT, 19902);
QV_AT_WORD(Himem, LCNYAW, 19903);
QV_AT_WORD(Himem, NBASE, 19904);
QV_AT_WORD(Himem, LCNW, 19905);
QV_AT_WORD(Himem, LCNWK, 19906);
QV_AT_WORD(Himem, LCNW2, 19907);
QV_AT_WORD(Himem, LCNPSD, 19908);
QV_AT_WORD(Himem, LCNFTQ, 19909);
QV_AT_WORD(Himem, LCNMOT, 19910);
QV_AT_WORD(Himem, LCNACC, 19911);
QV_AT_WORD(Himem, LCNVEL, 19912);
QV_AT_WORD(Himem, LCNHNG, 19913);
QV_AT_WORD(Himem, LCNDSP, 19914);
QV_AT_WORD(Himem, LCNSIG, 19915);
QV_AT_WORD(Himem, LCNSIG2, 19916);
QV_AT_WORD(Himem, LCNSWL, 19917);
QV_AT_WORD(Himem, LCNSWL2, 19918);
QV_AT_WORD(Himem, LCNWV, 19919);
QV_AT_WORD(Himem, LACRAO, 19920);
QV_AT_WORD(Himem, NXTFRE, 19921);
QV_AT_WORD(Himem, LOCSIG, 19922);
QV_AT_WORD(Himem, LBASEX, 19923);
QV_AT_WORD(Himem, NCOL, 19924);
QV_AT_WORD(Himem, LSKIP, 19925);
QV_AT_WORD(Himem, NPASS, 19926);
QV_AT_WORD(Himem, IREP, 19927);
QV_AT_WORD(Himem, III, 19928);
QV_AT_WORD(Himem, IXFLAG, 19929);
QV_AT_WORD(Himem, NCURV, 19930);
QV_AT_WORD(Himem, LFRFLG, 19931);
QV_AT_WORD(Himem, IDCLMN, 19932);
QV_AT_WORD(Himem, SCALE, 19935);
QV_AT_WORD(Himem, IUNX, 19941);

// 7. Work array
QV_AT_WORD(Himem, RLDUM, 19942);
QV_AT_WORD(Himem, CXDUM, 19942);
QV_AT_WORD(Himem, LASTHI, 868243);

#undef QV_AT_WORD

}  // namespace qv
