// The calibration passes of the hull models work at zero forward speed. A SpeedSetAside that is
// active sets TPCM VFWD to 0 for its lifetime and puts the data set's speed back however the pass
// ends, a stop included.
#pragma once

#include "dataset/tpcm.h"

namespace qv {

class SpeedSetAside {
 public:
  explicit SpeedSetAside(bool active) : active_(active), saved_(TPCM.VFWD) {
    if (active_) TPCM.VFWD = 0.0f;
  }
  ~SpeedSetAside() {
    if (active_) TPCM.VFWD = saved_;
  }
  SpeedSetAside(const SpeedSetAside&) = delete;
  SpeedSetAside& operator=(const SpeedSetAside&) = delete;

 private:
  bool active_;
  float saved_;
};

}  // namespace qv
