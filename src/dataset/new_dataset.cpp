#include "dataset/new_dataset.h"

#include <cstring>

#include "dataset/tpcm.h"

namespace qv {

namespace {

// Force-model words with one code in the surge, sway and yaw fields.
constexpr int kCode1AllDirections = 0x111;  // 273
constexpr int kCode2AllDirections = 0x222;  // 546
constexpr int kCode3AllDirections = 0x333;  // 819
constexpr int kCode4AllDirections = 0x444;  // 1,092

void secondBodyDefaults(int programType) {
  TPCM.BRLTYP = 1;
  for (float* f : {&TPCM.BBOWCF, &TPCM.BVWDFC, &TPCM.BWVFCX, &TPCM.BWVFCY, &TPCM.BWVFCM, &TPCM.BWVDGCX,
                   &TPCM.BWVDGCY, &TPCM.BWVDGCM, &TPCM.BVWDRGFC, &TPCM.BXCURNTDN, &TPCM.BXCURNTUP,
                   &TPCM.BYCURNTDN, &TPCM.BYCURNTUP, &TPCM.BWNDCF, &TPCM.BCURCF, &TPCM.BXSHDW, &TPCM.BYSHDW})
    *f = 1.0f;
  TPCM.BLCBRG = kCode4AllDirections;
  TPCM.BLWBRG = kCode2AllDirections;
  TPCM.BLODED = 100.0f;
  TPCM.BDFTPC = 100.0f;
  if (programType == 13) {
    TPCM.BWVCOF = kCode4AllDirections;
    TPCM.BVSTYP = 4;
    TPCM.IARCO = 1;
  } else {
    TPCM.BWVCOF = kCode1AllDirections;
    TPCM.BVSTYP = 1;
    TPCM.IARCO = 0;
  }
}

}  // namespace

void newDataSetDefaults(int words, int programType) {
  std::memset(tpcmBytes().data(), 0, 4 * static_cast<std::size_t>(words));
  for (int i = 1; i <= 6; ++i) TPCM.MOTION(i) = 1;
  TPCM.CID1P.blank();
  TPCM.CID2P.blank();

  TPCM.IVERS_SUFX = 0;
  TPCM.IUNIT = 1;
  TPCM.WAVTYP = 1;
  TPCM.WNDTYP = 1;
  TPCM.DWATR = 64.0f;
  TPCM.NWP = 30;
  TPCM.NDIR = 1;
  TPCM.NACC = 1;
  TPCM.NCURNT = 2;
  TPCM.LFORCE = 1;
  TPCM.LMOTN = 1;
  TPCM.NA = 6;
  TPCM.ROLTYP = 1;
  TPCM.NEGSUM = 0;
  for (float* f : {&TPCM.BOWFAC, &TPCM.VWDFAC, &TPCM.WVFCX, &TPCM.WVFCY, &TPCM.WVFCM, &TPCM.WVDGCX,
                   &TPCM.WVDGCY, &TPCM.WVDGCM, &TPCM.VWDRGFC, &TPCM.WNDFAC, &TPCM.CURFAC, &TPCM.XCURNTDN,
                   &TPCM.XCURNTUP, &TPCM.YCURNTDN, &TPCM.YCURNTUP, &TPCM.XSHDOW, &TPCM.YSHDOW, &TPCM.DURATN})
    *f = 1.0f;
  TPCM.STRNFC = 1.25f;
  TPCM.COSEXP = 2.0f;
  TPCM.SWLWID = 0.1f;
  TPCM.WAVWID = 0.1f;
  TPCM.ANGSEC = 180.0f;
  TPCM.LOADED = 100.0f;
  TPCM.DFTPCT = 100.0f;
  TPCM.LWBARG = kCode1AllDirections;
  TPCM.LCBARG = kCode1AllDirections;
  TPCM.LWVCOF = kCode1AllDirections;
  for (int k = 1; k <= 100; ++k) TPCM.T(k) = 5.0f + 0.5f * static_cast<float>(k - 1);  // wave periods [s]
  TPCM.LRANDM = 0;
  TPCM.LSWELL = 0;
  TPCM.LSWEL2 = 0;
  TPCM.PRNRAO = 0;
  TPCM.LDYN = 1;
  TPCM.LQUAS = 1;
  TPCM.NSEAHG = 1;
  TPCM.NSEAHT = 1;
  TPCM.N_OCHI_COMP = 2;
  TPCM.VESTYP = 1;

  switch (programType) {
    case 10:
    case 13:
      secondBodyDefaults(programType);
      break;
    case 2:
      TPCM.VESTYP = 2;
      break;
    case 3:
    case 14:
      TPCM.VESTYP = 3;
      TPCM.LWVCOF = kCode2AllDirections;
      break;
    case 4:
      TPCM.VESTYP = 4;
      TPCM.LWVCOF = kCode4AllDirections;
      break;
    case 17:
      TPCM.VESTYP = 3;
      TPCM.LWVCOF = kCode3AllDirections;
      break;
    default:
      break;
  }
}

}  // namespace qv
