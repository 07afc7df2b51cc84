// A data set and wave grid for the tests of the spectra: metric units, the grid of WAVCOM filled from
// the periods the way the drivers fill it, and the user-spectrum cache emptied.
#pragma once

#include <gtest/gtest.h>

#include <cstring>

#include "dataset/tpcm.h"
#include "platform/units.h"
#include "waves/user_spectrum.h"
#include "waves/wavcom.h"
#include "waves/wave_spectrum.h"

namespace qv::testing_support {

// NWP periods from t1 in steps of dt [s]; gravity 9.8 m/s^2.
inline void setWaveGrid(int nwp, float t1, float dt) {
  TPCM.NWP = nwp;
  for (int k = 1; k <= nwp; ++k) TPCM.T(k) = t1 + dt * static_cast<float>(k - 1);
  WAVCOM.G = 9.8f;
  WAVCOM.NW = nwp - 1;
  WAVCOM.DW = 0.0f;
  WAVCOM.TS = TPCM.T(1);
  WAVCOM.TL = TPCM.T(nwp);
  WAVCOM.DT = nwp > 1 ? TPCM.T(2) - TPCM.T(1) : 0.0f;
  for (int i = 1; i <= nwp; ++i) {
    WAVCOM.W(i) = 6.2831855f / TPCM.T(i);
    WAVCOM.W2(i) = WAVCOM.W(i) * WAVCOM.W(i);
  }
}

class WaveGridTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::memset(&TPCM, 0, sizeof TPCM);
    TPCM.NUNTS = 1;
    TPCM.EDUNIT = kScreenUnit;
    TPCM.DEPTH = 50.0f;
    WAVCOM.reset();
    uwvspcState.reset();
    wvspecState.reset();
  }
  void TearDown() override {
    closeUnit(kUserSpectrumUnit);
    uwvspcState.reset();
  }
};

}  // namespace qv::testing_support
