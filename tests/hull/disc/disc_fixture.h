// The discus buoy of the disc tests (disc_data_set.h), set up the way the first vessel-response pass
// and the disc characteristics leave it for the exciting forces.
//
// The characteristics are literals: the disc characteristics' formulas in double precision, from
// tests/hull/disc/reference_values.py ("characteristics"), so that the force tests and that script
// start from the same numbers. Moored: surge and sway at 0.35 rad/s with the spring
// RHOWTR SGMAS 0.35^2 and damping 5 kip s/ft, yaw at 0.5 rad/s; heave, pitch and roll springs 2 kip/ft,
// 150 and 120 kip ft/rad with damping 1, 40 and 30. Design wave: height 10 ft, DURFAC 1.5.
#pragma once

#include <cmath>
#include <utility>

#include "dataset/tpcm.h"
#include "hull/disc/disc_data_set.h"
#include "hull/himem.h"
#include "platform/units.h"
#include "support/fresh_run.h"
#include "waves/wavcom.h"

namespace qv::testing_support {

// The disc on the grid of `count` periods first, first + step, ...
inline void setDisc(float first = 2.0f, float step = 0.5f, int count = kDiscPeriods) {
  setDiscDataSet(first, step, count);
  Tpcm& t = TPCM;
  Himem& h = HIMEM;
  h.DELTA = 7539.82188f;
  h.RADIUS = 20.0f;
  h.BEAM = h.SHIPL = 40.0f;
  h.XSCALE = 20.0f;
  h.EDRAFT = 6.0f;
  h.SDRAFT = h.DLRAT = 0.3f;
  h.CSG = h.CSW = 0.203839994f;
  h.VTCRR = h.VTCRP = 3.83067518f;
  h.WPML = h.WPMT = 125663.949f;
  h.WLCRP = -2.16932481f;
  h.SWLCRP = -0.10846624f;
  h.GML = h.GMT = 15.6667f;
  h.TQCNST = 1.06382965f;
  h.HCONST = 8000.0f;
  h.PCONST = 3200000.0f;
  h.HVM1 = 7539.82188f;
  h.PTCH1 = h.ROL1 = 483609.105f;
  h.HC = 40403.396f;
  h.PRMT = h.RRMT = 3797926.94f;
  h.PTCHI = h.ROLI = 988827.56f;
  h.PMAS1 = h.RMAS1 = 505218.454f;
  h.HVMAS = 18002.6007f;
  h.SGMAS = 9076.73912f;
  h.WP = h.WR = 1.95980573f;
  h.WH = 1.49810175f;
  h.WSG = h.WSW = 0.35f;
  h.WY = 0.5f;
  for (auto [w, J] : {std::pair{h.WP, &h.JP}, {h.WR, &h.JR}, {h.WH, &h.JH}, {h.WSG, &h.JSG}, {h.WSW, &h.JSW},
                      {h.WY, &h.JY}}) {
    *J = t.NWP;
    GRIDPT(6.2831855f / w, *J);
  }

  t.SGK = t.SWK = WAVCOM.RHOWTR * h.SGMAS * 0.35f * 0.35f;
  t.SGMDMP = t.SWMDMP = 5.0f;
  t.HVK = 2.0f;
  t.PTK = 150.0f;
  t.RLK = 120.0f;
  t.HVMDMP = 1.0f;
  t.PTMDMP = 40.0f;
  t.RLMDMP = 30.0f;
}

// Every disc test starts from a fresh run with the disc in place.
class DiscTest : public FreshRun {
 protected:
  void SetUp() override {
    FreshRun::SetUp();
    setDisc();
  }
};

}  // namespace qv::testing_support
