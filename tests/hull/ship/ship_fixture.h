// A ship data set on a wave grid, set up the way the first vessel-response pass leaves it for the
// hull model: gravity and water density, the layout words of the work area, the grid frequencies
// with their squares and wave numbers (in WAVCOM and in the work array), the depth constant. The
// ship benchmark uses it too.
#pragma once

#include <cmath>
#include <cstring>

#include "dataset/tpcm.h"
#include "hull/himem.h"
#include "hull/pascom.h"
#include "hull/rao_guard.h"
#include "hull/ship/ship.h"
#include "numlib/wavenumber.h"
#include "waves/wavcom.h"

namespace qv::testing_support {

// The true box L = 600 ft, B = 100 ft, T = 40 ft in 200 ft of sea water (64 lb/ft^3): displacement
// 600 x 100 x 40 x 64 / 1000 = 153,600 kips, KMT = T/2 + B^2/(12 T) = 40.8333 ft, KML = T/2 +
// L^2/(12 T) = 770 ft, KB = T/2; KG 30 ft; gyradii 0.25 L (pitch, yaw) and 0.35 B (roll).
inline void setTrueBox() {
  std::memset(static_cast<void*>(&TPCM), 0, sizeof TPCM);
  TPCM.EDUNIT = 6;
  TPCM.IUNIT = 6;
  TPCM.NUNTS = 0;
  TPCM.VESTYP = 1;
  TPCM.DEPTH = 200.0f;
  TPCM.DWATR = 64.0f;
  TPCM.TDISPL = 153600.0f;
  TPCM.VKB = 20.0f;
  TPCM.VKG = 30.0f;
  TPCM.VKMT = 40.8333f;
  TPCM.VKML = 770.0f;
  TPCM.TDRAFT = 40.0f;
  TPCM.TAWP = 60000.0f;
  TPCM.TLWL = 600.0f;
  TPCM.TBWL = 100.0f;
  TPCM.TPGYR = 150.0f;
  TPCM.TRGYR = 35.0f;
  TPCM.YGYR = 150.0f;
  TPCM.SLPHT = 20.0f;  // design wave height [ft]
}

// The period grid first, first + step, ... (count periods) and everything the pass derives from it,
// with the Bessel accuracy the pass sets.
inline void setGrid(float first, float step, int count) {
  TPCM.NWP = count;
  for (int i = 1; i <= count; ++i) TPCM.T(i) = first + step * static_cast<float>(i - 1);
  resetHimem();
  layOutHimem();
  WAVCOM.reset();
  WAVCOM.G = TPCM.NUNTS == 0 ? 32.152f : 9.8f;
  WAVCOM.RHOWTR = 0.001f * TPCM.DWATR / WAVCOM.G;
  WAVCOM.BIGWVS = 1.0f;
  HIMEM.WCONST = std::sqrt(TPCM.DEPTH / WAVCOM.G);
  HIMEM.EPS = 1.0e-5f;
  Himem& h = HIMEM;
  for (h.IW = 1; h.IW <= count; ++h.IW) {
    INDXUP();
    const float w = 6.2831855f / TPCM.T(h.IW);
    float y = 0.0f;
    WAVVEC(h.WCONST * w, y);
    WAVCOM.W(h.IW) = w;
    WAVCOM.W2(h.IW) = w * w;
    h.RLDUM(h.LW) = w;
    h.RLDUM(h.LW2) = w * w;
    h.RLDUM(h.LWK) = y / TPCM.DEPTH;
    WAVCOM.WVK(h.IW) = h.RLDUM(h.LWK);
  }
}

// The state every ship test starts from: the run's once-only switches back at their start.
inline void resetShipRun() {
  shpchrState.reset();
  raoGuardState.reset();
  resetPascom();
}

// One heading in the table: REDANG(1) = headingDeg, IRAO = 1.
inline void setHeading(float headingDeg) {
  HIMEM.REDANG(1) = headingDeg;
  WAVCOM.IRAO = 1;
}

}  // namespace qv::testing_support
