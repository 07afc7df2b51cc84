// A new user's buoyant riser in English units: two elements pinned on the sea bed and held at the
// keel of a buoy of 40 ft draft in 150 ft of water, 110 ft above the hinge. Element 1: 80 ft,
// 4,000 cubic feet centred at 40 ft, weighing 100 kips at 35 ft; element 2 of the length given:
// 9,425 cubic feet at 15 ft, 150 kips at 15 ft: 609.2 kips of net buoyancy in water of 64 lbs/cubic
// foot. Under water for the statics (page 3, option 7), no element piercing the surface.
#pragma once

#include <cstddef>
#include <functional>

#include "dataset/column_reach.h"
#include "dataset/riser_judge.h"
#include "dataset/tpcm.h"
#include "dataset/tpcm_codes.h"
#include "numlib/load_offset_table.h"
#include "platform/block_reset.h"

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

// The user's riser as a whole data set, every other block fresh: a discus buoy's keel of 40 ft draft
// in 150 ft of water of 64 lbs/cubic foot (English units), the riser's loads tabulated at 90 points up
// to 600 kips, the vessel analysed and the dynamics on.
inline void userRiserDataSet(float secondLength) {
  resetAllBlocks();
  Tpcm& t = TPCM;
  t.NUNTS = kEnglishUnits;
  t.DEPTH = 150.0f;
  t.DWATR = 64.0f;
  t.DRAFT = 40.0f;
  setUserRiser(t, secondLength);
  t.TLOAD = 600.0f;
  t.NUMTAB = 90;
  t.LDYN = 1;
  t.LQUAS = 1;
}

// What the run reaches with the riser of TPCM, its buoyancies as forces (as the statics leave them):
// the mean load, the keel's motion, the statics' load-offset table of this riser (its loads as the
// statics step them up to the table's largest, staticsTableLoads; the keel's offsets under them as
// the members' statics give them, under no load where every member but one stands upright or hangs)
// and the slow drift's surge amplitude at a spring of the table.
inline RiserReach reachOf(double meanLoad, const KeelMotion& keel, const std::function<float(float)>& surgePeak) {
  SalmMembers m = salmMembers();
  m.buoyancyForce = 1.0;
  const HeldColumn column = heldColumn(m);
  const double height = attachmentHeight(m);
  RiserReach reach{meanLoad, keel, {}, {}, surgePeak};
  const StaticsTable statics = staticsTableOf(TPCM);
  reach.tableLoads.resize(static_cast<std::size_t>(statics.points));
  float W = 0.0f;
  for (const double w : column.netWeight) W += static_cast<float>(w);
  staticsTableLoads(statics.maximumLoad, statics.points, W, reach.tableLoads.data());
  for (const float H : reach.tableLoads) {
    const double top = H > 0.0f ? heldColumnOffset(column, height, H) : noLoadTopOffset(column, height);
    reach.tableOffsets.push_back(static_cast<float>(top));
  }
  return reach;
}

// A slow drift whose surge amplitude is `a` at every spring.
inline std::function<float(float)> amplitude(float a) {
  return [a](float) { return a; };
}

}  // namespace qv::testing_support
