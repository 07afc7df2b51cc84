// A new user's buoyant riser in English units: two elements pinned on the sea bed and held at the
// keel of a buoy of 40 ft draft in 150 ft of water, 110 ft above the hinge. Element 1: 80 ft,
// 4,000 cubic feet centred at 40 ft, weighing 100 kips at 35 ft; element 2 of the length given:
// 9,425 cubic feet at 15 ft, 150 kips at 15 ft: 609.2 kips of net buoyancy in water of 64 lbs/cubic
// foot. Under water for the statics (page 3, option 7), no element piercing the surface.
#pragma once

#include "dataset/tpcm.h"
#include "dataset/tpcm_codes.h"

namespace qv::testing_support {

inline void setUserRiser(Tpcm& t, float secondLength) {
  t.IARCO = kBuoyantRiser;
  t.WETYOK = 5;
  t.NELEM = 2;
  t.IPIERC = 3;
  t.IFREE(1) = t.IFREE(2) = 1;
  t.SLEN(1) = 80.0f;
  t.SLEN(2) = secondLength;
  t.BUOY(1) = 4000.0f;
  t.BUOY(2) = 9425.0f;
  t.CBUOY(1) = 40.0f;
  t.CBUOY(2) = 15.0f;
  t.TMASS(1) = 100.0f;
  t.TMASS(2) = 150.0f;
  t.CGSALM(1) = 35.0f;
  t.CGSALM(2) = 15.0f;
}

}  // namespace qv::testing_support
