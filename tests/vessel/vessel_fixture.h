// The data set of the vessel-response tests: a free ship of this program (CREATR 11, ISPM 0) in
// 150 ft of water, one regular-wave heading from astern, the saved data set's grid of periods from
// 5 s in steps of 0.5 s, and the stand-in hull in place of the ship model. The analysis blocks are
// as at the start of a process.
#pragma once

#include "dataset/tpcm.h"
#include "hull/himem.h"
#include "support/console_capture.h"
#include "support/data_set_fixture.h"
#include "vessel/stub_hull.h"
#include "vessel/vesl1.h"
#include "waves/wavcom.h"

namespace qv::testing_support {

inline void freeShipDataSet(int periods) {
  fillSavedDataSet();
  TPCM.EDUNIT = kScreenUnit;
  TPCM.CREATR = 11;
  TPCM.ISPM = 0;
  TPCM.DEPTH = 150.0f;
  TPCM.DRAFT = 50.0f;
  TPCM.TVKG = 40.0f;
  TPCM.LWL = 900.0f;
  TPCM.BWL = 150.0f;
  TPCM.NWP = periods;
  TPCM.NDIR = 1;
  TPCM.WAVHDG(1) = 180.0f;
  WAVCOM.reset();
  resetHimem();
  VESL1_STATE.reset();
  StubHull::install();
}

// The free ship after the first pass on the grid of 5, 5.5 and 6 s, without its summary report and
// with the stand-in hull's natural periods on the grid: where the later stages of a run start.
inline void threePeriodShipAfterPassOne() {
  freeShipDataSet(3);
  StubHull::naturalPeriod = 5.5f;
  TPCM.NEGSUM = 1;
  {
    ConsoleCapture console;
    VESL1();
  }
  TPCM.NEGSUM = 0;
}

}  // namespace qv::testing_support
