#include "dataset/new_dataset.h"

#include <cstring>

#include "dataset/force_model.h"
#include "dataset/tpcm.h"
#include "util/sim_types.h"

namespace qv {

namespace {

void secondBodyDefaults(int programType) {
  TPCM.BRLTYP = 1;
  for (float* f : {&TPCM.BBOWCF, &TPCM.BVWDFC, &TPCM.BWVFCX, &TPCM.BWVFCY, &TPCM.BWVFCM, &TPCM.BWVDGCX,
                   &TPCM.BWVDGCY, &TPCM.BWVDGCM, &TPCM.BVWDRGFC, &TPCM.BXCURNTDN, &TPCM.BXCURNTUP,
                   &TPCM.BYCURNTDN, &TPCM.BYCURNTUP, &TPCM.BWNDCF, &TPCM.BCURCF, &TPCM.BXSHDW, &TPCM.BYSHDW})
    *f = 1.0f;
  TPCM.BLCBRG = sameModelInAllDirections(kCurrentNsmbTanker);
  TPCM.BLWBRG = sameModelInAllDirections(kWindUserFile);
  TPCM.BLODED = 100.0f;
  TPCM.BDFTPC = 100.0f;
  if (programType == kSimFirnedo) {
    TPCM.BWVCOF = sameModelInAllDirections(kDriftBuoy);
    TPCM.BVSTYP = kDiscBuoy;
    TPCM.IARCO = kRigidHawser;
  } else {
    TPCM.BWVCOF = sameModelInAllDirections(kDriftUserFile);
    TPCM.BVSTYP = kShipVessel;
    TPCM.IARCO = kYoke;
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
  TPCM.WAVTYP = kSpectrumPiersonMoskowitz;
  TPCM.WNDTYP = kDavenportWind;
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
  TPCM.LWBARG = sameModelInAllDirections(kWindLowdatTable);
  TPCM.LCBARG = sameModelInAllDirections(kCurrentLowdatTable);
  TPCM.LWVCOF = sameModelInAllDirections(kDriftUserFile);
  for (int k = 1; k <= kMaxPeriods; ++k) TPCM.T(k) = 5.0f + 0.5f * static_cast<float>(k - 1);  // wave periods [s]
  TPCM.LRANDM = 0;
  TPCM.LSWELL = 0;
  TPCM.LSWEL2 = 0;
  TPCM.PRNRAO = 0;
  TPCM.LDYN = 1;
  TPCM.LQUAS = 1;
  TPCM.NSEAHG = 1;
  TPCM.NSEAHT = 1;
  TPCM.N_OCHI_COMP = 2;
  TPCM.VESTYP = kShipVessel;

  switch (programType) {
    case kSimGandru:
    case kSimFirnedo:
      secondBodyDefaults(programType);
      break;
    case kSimVelnira:
      TPCM.VESTYP = kJackUp;
      break;
    case kSimDorvane:
    case kSimYobrix:
      TPCM.VESTYP = kSemiSubmersible;
      TPCM.LWVCOF = sameModelInAllDirections(kDriftTankerLegacy);
      break;
    case kSimTulkesh:
      TPCM.VESTYP = kDiscBuoy;
      TPCM.LWVCOF = sameModelInAllDirections(kDriftBuoy);
      break;
    case kSimWistole:
      TPCM.VESTYP = kSemiSubmersible;
      TPCM.LWVCOF = sameModelInAllDirections(kDriftSemiLegacy);
      break;
    default:
      break;
  }
}

}  // namespace qv
