// A small box-shaped tanker for the tests that run the ship hull model: 300 x 50 x 20 ft in sea
// water (64 lb/ft^3), displacement 300 x 50 x 20 x 64 / 1000 = 19,200 kips, KB = 10 ft,
// KMT = T/2 + B^2/(12 T) = 20.4167 ft, KML = T/2 + L^2/(12 T) = 385 ft, KG 15 ft; gyradii 0.25 L in
// pitch and yaw, 0.35 B in roll. English units; the hull's values only (no site, grid or sea).
#pragma once

#include "dataset/tpcm.h"

namespace qv::testing_support {

inline constexpr double kBoxTankerLength = 300.0;  // waterline length [ft]

inline void boxTankerHull() {
  Tpcm& d = TPCM;
  d.VESTYP = 1;
  d.DWATR = 64.0f;
  d.TDISPL = 19200.0f;
  d.VKB = 10.0f;
  d.VKG = 15.0f;
  d.VKMT = 20.41667f;
  d.VKML = 385.0f;
  d.TDRAFT = 20.0f;
  d.TAWP = 15000.0f;
  d.TLWL = static_cast<float>(kBoxTankerLength);
  d.TBWL = 50.0f;
  d.TPGYR = 75.0f;
  d.TRGYR = 17.5f;
  d.YGYR = 75.0f;
}

}  // namespace qv::testing_support
