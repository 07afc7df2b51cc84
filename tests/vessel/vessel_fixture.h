// The data set of the vessel-response tests: a free ship of this program (CREATR 11, ISPM 0) in
// 150 ft of water, one regular-wave heading from astern, the saved data set's grid of periods from
// 5 s in steps of 0.5 s, and the stand-in hull in place of the ship model. The analysis blocks are
// as at the start of a process.
#pragma once

#include <fstream>
#include <string>

#include "dataset/tpcm.h"
#include "hull/himem.h"
#include "support/console_capture.h"
#include "support/data_set_fixture.h"
#include "support/fresh_run.h"
#include "support/temp_dir.h"
#include "vessel/stub_hull.h"
#include "vessel/vesl1.h"
#include "vessel/vesl2.h"
#include "vessel/vesl3.h"
#include "waves/wavcom.h"

namespace qv::testing_support {

// A sea of one height from ahead (180 deg; mean JONSWAP of `height` [ft] and `period` [s]), the
// regular waves from ahead too, and one output point on the vessel's centre line at the height
// `pointZ` [ft].
inline void headSeaWithOnePoint(float height, float period, float pointZ) {
  Tpcm& d = TPCM;
  d.NDIR = 1;
  d.WAVHDG(1) = 180.0f;
  d.LRANDM = 1;
  d.WAVTYP = 2;
  d.NSEAHT = 1;
  d.NSEAHG = 1;
  d.SWHT(1) = height;
  d.SIGPD(1) = period;
  d.SEAHDG(1) = 180.0f;
  d.NACC = 1;
  d.RACC(1, 1) = 0.0f;
  d.RACC(2, 1) = 0.0f;
  d.RACC(3, 1) = pointZ;
}

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

// The free ship on the grid of 5, 5.5 and 6 s (the stand-in hull's natural periods on the grid) in
// a long-crested sea of one height from ahead (mean JONSWAP, 10 ft, 6 s), one output point at the
// centre of gravity, no force or motion tables: a run of all three passes, pass 1 not run yet.
inline void freeShipInASea() {
  freeShipDataSet(3);
  StubHull::naturalPeriod = 5.5f;
  headSeaWithOnePoint(10.0f, 6.0f, TPCM.TVKG);
  TPCM.LSPRED = 0;
  TPCM.LFORCE = 0;
  TPCM.LMOTN = 0;
}

// A user operator file holding the same twelve values (real and imaginary parts of surge, sway,
// heave [-], roll, pitch, yaw [deg per deg of slope]) at 0.5 and 2 rad/s for every heading.
inline void sameUserRaos(const std::string& name, const std::string& values) {
  std::ofstream user(name);
  user << "2 2\n";
  for (const char* heading : {"0.0", "360.0"}) {
    user << heading << "\n";
    for (const char* w : {"0.5", "2.0"}) user << w << " " << values << "\n";
  }
}

// The fixture of the pass 2 and pass 3 tests: a fresh run of the free ship in a sea, in a folder of
// its own.
class ShipInASea : public FreshRun {
 protected:
  void SetUp() override {
    FreshRun::SetUp();
    freeShipInASea();
  }
  // Passes 1 to `last` (2 or 3) with the typed replies; the force scales set between passes 1 and 2
  // as a hull model sets them (kips per degree of slope, kips per foot of amplitude, foot-kips per
  // degree). The screen is kept.
  void runPasses(int last, const std::string& typed = "") {
    ConsoleCapture console(typed);
    VESL1();
    const float scales[6] = {100.0f, 200.0f, 3000.0f, 40000.0f, 50000.0f, 60000.0f};
    for (int q = 1; q <= 6; ++q) HIMEM.SCALE(q) = scales[q - 1];
    VESL2();
    if (last >= 3) VESL3();
    screen = console.screen();
  }

  TempDir dir;
  std::string screen;
};

}  // namespace qv::testing_support
