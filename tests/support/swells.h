// The swell and the second swell of a data set, set from one description: the swell page holds the
// first, a data set of another program of the family may hold the second.
#pragma once

#include <cstdint>

#include "dataset/tpcm.h"

namespace qv::testing_support {

// The items of one swell.
struct SwellItems {
  std::int32_t type;                    // spectrum type (WaveSpectrum)
  float height;                         // significant height [ft | m]
  float period;                         // peak period [s]
  float heading;                        // [deg]
  float width;                          // relative width of a default swell
  float gamma, sigmaBelow, sigmaAbove;  // a general JONSWAP's shape
};

// Swell k (1 the swell, 2 the second swell) on, with the items s.
inline void setSwell(Tpcm& t, int k, const SwellItems& s) {
  struct Place {
    std::int32_t &on, &type;
    float &height, &period, &heading, &width, &gamma, &sigmaBelow, &sigmaAbove;
  };
  const Place p = k == 1 ? Place{t.LSWELL, t.SWLTYP, t.SWELHT, t.SWELPD, t.SWLHDG, t.SWLWID, t.JONGAM_SWL,
                                 t.JONPL_SWL, t.JONPG_SWL}
                         : Place{t.LSWEL2, t.SWLTYP2, t.SWELHT2, t.SWELPD2, t.SWLHDG2, t.SWLWID2, t.JONGAM_SWL2,
                                 t.JONPL_SWL2, t.JONPG_SWL2};
  p.on = 1;
  p.type = s.type;
  p.height = s.height;
  p.period = s.period;
  p.heading = s.heading;
  p.width = s.width;
  p.gamma = s.gamma;
  p.sigmaBelow = s.sigmaBelow;
  p.sigmaAbove = s.sigmaAbove;
}

}  // namespace qv::testing_support
