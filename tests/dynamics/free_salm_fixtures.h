// Free-standing SALM columns for the wave-frequency tests and benchmarks, hand-filled as the statics
// leave them for a free SALM (SOLVE at zero load), with the wave grid of the data set.
//
// The columns of dynamics_fixtures.h stand upright on their base joint 60 ft down (English units),
// fully submerged, one element per member (the report runs of dynamics_report_fixtures.h split them
// into elements). Each member's added mass is spread evenly along it (centre of buoyancy at
// mid-length, added inertia B (cb^2 + L^2 / 12) / G exactly), which is what
// tests/dynamics/reference/free_salm_reference.py assumes. The regular wave is 8 ft high; the periods
// are 5 to 15 s in steps of 2 s.
#pragma once

#include <vector>

#include "dataset/tpcm.h"
#include "dataset/tpcm_codes.h"
#include "dynamics_fixtures.h"
#include "statics/solve.h"

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

// The elements of the data set for the members as given: each member cut into `pieces` equal
// elements that share its weight and buoyancy evenly, moment output at the elements flagged.
inline void splitIntoElements(const std::vector<DynMember>& members, int pieces,
                              const std::vector<int>& momentElements) {
  Tpcm& t = TPCM;
  Solve& s = SOLVE;
  int e = 0;
  for (std::size_t m = 0; m < members.size(); ++m) {
    const DynMember& d = members[m];
    s.JELEM(static_cast<int>(m) + 1) = e + 1;
    const float length = d.length / static_cast<float>(pieces);
    for (int p = 0; p < pieces; ++p) {
      ++e;
      t.SLEN(e) = length;
      t.BUOY(e) = d.buoyancy / static_cast<float>(pieces);
      t.TMASS(e) = d.weight / static_cast<float>(pieces);
      t.CBUOY(e) = 0.5f * length;
      t.CGSALM(e) = 0.5f * length;
      t.GYRAD(e) = 0.2887f * length;
      t.COFMST(e) = t.COFDMT(e) = 1.0f;
    }
  }
  s.JELEM(static_cast<int>(members.size()) + 1) = e + 1;
  t.NELEM = e;
  t.IPIERC = e + 1;
  for (const int k : momentElements) t.LMOMT(k) = 1;
  t.NMOMT = static_cast<std::int32_t>(momentElements.size());
}

}  // namespace qv::testing_support
