// Attached SALM columns for the wave-frequency tests and benchmarks, hand-filled as the statics and
// the slow drift leave them (SOLVE, EQUILB), with the wave grid of WAVCOM.
//
// The three-member column stands fully submerged in 60 ft of water (English units), one element per
// member, at the angles 0.2, 0.5 and 1.2 rad from the vertical at the mean load, a point of its
// two-point load table (both points hold the same angles), so that its static moment coefficients are C1 = -900, C2 = -400, C3 = -150. It is
// attached by a rigid hawser (the yoke out of the SALM plane only where a test says so), writes its
// reports to their files (without pauses) and asks nothing more than a test types.
#pragma once

#include <cmath>
#include <cstring>
#include <vector>

#include "dataset/tpcm.h"
#include "dynamics/dyncom.h"
#include "hull/equilb.h"
#include "numlib/wavenumber.h"
#include "platform/units.h"
#include "slowdrift/output.h"
#include "statics/solve.h"
#include "waves/wavcom.h"

namespace qv::testing_support {

inline constexpr float kFixtureG = 32.152f;

// One member of one element, as the statics sums it. Buoyancy is a force [kips]; the element's
// added-mass coefficient is 1, so the added mass sums equal the buoyancy terms.
struct DynMember {
  float length, weight, cg, buoyancy, cb, gyradius, angle;
};

// The wave grid: `count` periods from `first` in steps of `step` [s], wave numbers at the depth
// for gravity g.
inline void setWaveGrid(int count, float first, float step, float g = kFixtureG) {
  TPCM.NWP = count;
  WAVCOM.G = g;
  WAVCOM.DT = step;
  WAVCOM.NW = count - 1;
  WAVCOM.TS = first;
  WAVCOM.TL = first + step * static_cast<float>(count - 1);
  for (int i = 1; i <= count; ++i) {
    TPCM.T(i) = first + step * static_cast<float>(i - 1);
    WAVCOM.W(i) = 6.2831855f / TPCM.T(i);
    WAVCOM.W2(i) = WAVCOM.W(i) * WAVCOM.W(i);
    float Y = 0.0f;
    WAVVEC(WAVCOM.W(i) * std::sqrt(TPCM.DEPTH / g), Y);
    WAVCOM.WVK(i) = Y / TPCM.DEPTH;
  }
}

// A column of the given members over the seabed (no frozen base), every element under water.
inline void setDynamicsColumn(const std::vector<DynMember>& members, std::int32_t iarco) {
  closeAllUnits();  // a stop in an earlier test may have left the run's files open
  std::memset(static_cast<void*>(&TPCM), 0, sizeof TPCM);
  SOLVE.reset();
  EQUILB.reset();
  OUTPUT.reset();
  DYNCOM.reset();
  WAVCOM.reset();
  Tpcm& t = TPCM;
  t.CREATR = 11;
  t.EDUNIT = kScreenUnit;
  t.IUNIT = 1;  // the reports to their files
  t.IARCO = iarco;
  t.NUMTAB = 2;
  t.DEPTH = 60.0f;
  t.DWATR = 64.0f;
  t.WETYOK = 2;
  t.SLPHT = 8.0f;  // regular-wave height [ft]
  t.COFDMP = 1.0f;
  t.SEAHDG(1) = 30.0f;
  t.XSALM = 100.0f;
  t.PNDARM = 20.0f;  // the arm of the yoke sides, where a test attaches by a yoke
  // "YOKEMOT" as the vessel response writes it for the one vessel point, the yoke's hinge, with its
  // displacements alone.
  t.ISPM = 1;
  t.NACC = 1;
  t.LDSP = 1;

  Solve& s = SOLVE;
  s.BCONV = t.DWATR / 1000.0f;
  s.NCON = static_cast<std::int32_t>(members.size());
  s.IPERCN = s.NCON + 1;  // nothing pierces the surface
  s.IFIRST = 1;
  s.DEFF = t.DEPTH;
  t.NELEM = s.NCON;
  for (int m = 1; m <= s.NCON; ++m) {
    const DynMember& d = members[static_cast<std::size_t>(m - 1)];
    s.JELEM(m) = m;
    s.CNLEN(m) = d.length;
    s.CNMASS(m) = d.weight;
    s.CNCG(m) = d.cg;
    s.CNBUOY(m) = d.buoyancy;
    s.CNCB(m) = d.cb;
    s.CNGYR(m) = d.gyradius;
    s.CADMOI(m) = d.buoyancy * (d.cb * d.cb + 0.0833f * d.length * d.length) / kFixtureG;
    if (m <= 3) {
      s.ADMBCY(m) = d.buoyancy;
      s.ADMLBD(m) = d.buoyancy * d.cb;
    }
    s.WETWT(m) = d.weight - d.buoyancy;
    s.WETARM(m) = (d.weight * d.cg - d.buoyancy * d.cb) / d.length;
    s.PHIANG(1, m) = d.angle;
    s.PHIANG(2, m) = d.angle;
    t.SLEN(m) = d.length;
    t.BUOY(m) = d.buoyancy;
    t.COFMST(m) = 1.0f;
    t.COFDMT(m) = 1.0f;
  }
  s.JELEM(s.NCON + 1) = s.NCON + 1;

  Equilb& e = EQUILB;
  // The mean load is the table's second point, where the statics' own angles hold (between points
  // the dynamics would solve the statics, which a hand-filled column does not hold).
  e.HLOAD(1) = 0.0f;
  e.HLOAD(2) = 40.0f;
  e.OFFSET(1) = 0.0f;
  e.OFFSET(2) = 8.0f;
  e.ISTAB = 1;
  e.FTOT(1) = 40.0f;
  e.TANGLE(1) = 0.3f;
  e.SLMANG(1) = 0.3f;
  e.YAWARM = 150.0f;
  setWaveGrid(6, 4.0f, 2.0f);
}

// The members of the three-member column; cb3 = 5 gives C3 = -150.
inline std::vector<DynMember> threeMembers(float cb3 = 5.0f) {
  return {
      {20.0f, 30.0f, 10.0f, 60.0f, 10.0f, 6.0f, 0.2f},
      {15.0f, 20.0f, 7.5f, 20.0f, 5.0f, 4.5f, 0.5f},
      {10.0f, 10.0f, 5.0f, 40.0f, cb3, 3.0f, 1.2f},
  };
}

// A two-member column: a riser and a buoy.
inline std::vector<DynMember> twoMembers() {
  return {
      {30.0f, 30.0f, 15.0f, 40.0f, 15.0f, 8.7f, 0.3f},
      {15.0f, 20.0f, 7.5f, 60.0f, 7.5f, 4.5f, 0.8f},
  };
}

inline void threeMemberColumn(std::int32_t iarco = 1) { setDynamicsColumn(threeMembers(), iarco); }
inline void twoMemberColumn(std::int32_t iarco = 1) { setDynamicsColumn(twoMembers(), iarco); }

}  // namespace qv::testing_support
