// Free-standing SALM columns for the wave-frequency tests and benchmarks, hand-filled as the statics
// leave them for a free SALM (SOLVE at zero load), with the wave grid of the data set.
//
// The columns of dynamics_fixtures.h stand upright on their base joint 60 ft down (English units),
// fully submerged, one element per member. Each member's added mass is spread evenly along it
// (centre of buoyancy at mid-length, added inertia B (cb^2 + L^2 / 12) / G exactly), which is what
// tests/salm/reference/free_salm_reference.py assumes. The regular wave is 8 ft high; the periods
// are 5 to 15 s in steps of 2 s.
#pragma once

#include <vector>

#include "dataset/tpcm.h"
#include "dataset/tpcm_codes.h"
#include "salm/solve.h"
#include "dynamics_fixtures.h"

namespace qv::testing_support {

inline void setFreeColumn(const std::vector<DynMember>& members) {
  setDynamicsColumn(members, kFreeSalm);
  Tpcm& t = TPCM;
  Solve& s = SOLVE;
  t.FRESLM = 1;
  t.IPIERC = t.NELEM + 1;  // no element reaches the surface
  t.ALLRAO = 0;
  t.PRNRAO = 0;
  float netBelow = 0.0f;  // the net weight of the column: its base joint holds it down
  for (int m = 1; m <= s.NCON; ++m) {
    const DynMember& d = members[static_cast<std::size_t>(m - 1)];
    s.CADMOI(m) = d.buoyancy * (d.cb * d.cb + d.length * d.length / 12.0f) / kFixtureG;
    t.CBUOY(m) = d.cb;
    t.CGSALM(m) = d.cg;
    t.TMASS(m) = d.weight;
    netBelow += s.WETWT(m);
  }
  s.ZLOAD0(1) = -netBelow;
  for (int m = 1; m <= s.NCON; ++m) s.ZLOAD0(m + 1) = s.ZLOAD0(m) + s.WETWT(m);
  s.ZLDTMP = s.ZLOAD0;
  setWaveGrid(6, 5.0f, 2.0f);
}

inline void freeTwoMemberColumn() { setFreeColumn(twoMembers()); }
inline void freeOneMemberColumn() { setFreeColumn({twoMembers()[0]}); }

}  // namespace qv::testing_support
