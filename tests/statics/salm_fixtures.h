// SALM columns for the statics tests, built in code with round numbers. Each fixture starts from a
// zeroed data set and zeroed SOLVE and EQUILB, reports to "STATOUT.stxt" with the plot file, and
// talks on the screen unit. The reference values of the tests were computed from these numbers.
#pragma once

#include <cstring>
#include <initializer_list>

#include "dataset/tpcm.h"
#include "hull/equilb.h"
#include "platform/units.h"
#include "statics/solve.h"

namespace qv::testing_support {

// One SALM element as the data set holds it (volume, not yet buoyant force).
struct SalmElement {
  float length;    // SLEN
  float volume;    // BUOY
  float cb;        // CBUOY, from the element's lower end
  float weight;    // TMASS
  float cg;        // CGSALM, from the element's lower end
  float gyradius;  // GYRAD
  int free;        // IFREE: 1 a free lower joint, 0 frozen
};

inline void resetStatics() {
  closeAllUnits();  // a stop in an earlier test may have left the report files open
  std::memset(static_cast<void*>(&TPCM), 0, sizeof TPCM);
  SOLVE.reset();
  EQUILB.reset();
  TPCM.CREATR = 11;
  TPCM.VERNO = 6.8f;
  TPCM.IYEAR = 2020;
  TPCM.CID1P.assign("Statics test column");
  TPCM.CID2P.assign("Round numbers for hand checks");
  TPCM.EDUNIT = 6;
  TPCM.IUNIT = 1;
  TPCM.IPLOTS = 1;
  TPCM.STAMOT = 1;
  TPCM.LTABL = 1;
  TPCM.LOFFST = 1;
}

// Where the column stands and how it is attached and tabulated.
struct SalmSite {
  int ipierc;      // IPIERC
  float wpaprc;    // WPAPRC
  float depth;     // DEPTH
  float dwatr;     // DWATR
  float yokeht;    // YOKEHT
  int iarco;       // IARCO (-1 also sets FRESLM)
  int numtab;      // NUMTAB
  float tload;     // TLOAD
  float offinc;    // OFFINC
};

inline void setSite(const SalmSite& site) {
  TPCM.IPIERC = site.ipierc;
  TPCM.WPAPRC = site.wpaprc;
  TPCM.DEPTH = site.depth;
  TPCM.DWATR = site.dwatr;
  TPCM.YOKEHT = site.yokeht;
  TPCM.IARCO = site.iarco;
  TPCM.FRESLM = site.iarco == -1 ? 1 : 0;
  TPCM.NUMTAB = site.numtab;
  TPCM.TLOAD = site.tload;
  TPCM.OFFINC = site.offinc;
}

inline void setElements(std::initializer_list<SalmElement> elements) {
  int k = 0;
  for (const SalmElement& e : elements) {
    ++k;
    TPCM.SLEN(k) = e.length;
    TPCM.BUOY(k) = e.volume;
    TPCM.CBUOY(k) = e.cb;
    TPCM.TMASS(k) = e.weight;
    TPCM.CGSALM(k) = e.cg;
    TPCM.GYRAD(k) = e.gyradius;
    TPCM.IFREE(k) = e.free;
  }
  TPCM.NELEM = k;
}

// Three members over a frozen base, English units, with a yoke: a riser column, a buoy whose upper
// element pierces the surface, and the yoke up to the vessel.
inline void threeMemberSalm() {
  resetStatics();
  setElements({
      {10.0f, 100.0f, 5.0f, 15.0f, 5.0f, 3.0f, 0},       // base
      {100.0f, 500.0f, 50.0f, 20.0f, 50.0f, 28.9f, 1},  // riser column: member 1
      {30.0f, 2000.0f, 15.0f, 60.0f, 12.0f, 9.0f, 1},   // buoy body: member 2
      {15.0f, 1500.0f, 7.5f, 20.0f, 7.5f, 4.5f, 0},     // buoy top, piercing
      {60.0f, 0.0f, 0.0f, 40.0f, 30.0f, 17.0f, 1},      // yoke: member 3
  });
  setSite({4, 100.0f, 150.0f, 64.0f, 20.0f, 0, 8, 200.0f, 10.0f});
}

// Two members standing on the seabed, English units, attached by a rigid hawser at the buoy top: a
// riser column and a buoy whose upper element pierces the surface. The buoy closes the column.
inline void twoMemberSalm() {
  resetStatics();
  setElements({
      {100.0f, 500.0f, 50.0f, 20.0f, 50.0f, 28.9f, 1},
      {30.0f, 2000.0f, 15.0f, 60.0f, 12.0f, 9.0f, 1},
      {15.0f, 1500.0f, 7.5f, 20.0f, 7.5f, 4.5f, 0},
  });
  setSite({3, 100.0f, 140.0f, 64.0f, 3.0f, 1, 6, 150.0f, 10.0f});
}

// One member, metric, attached by a rigid hawser: a column with a buoyant top element that pierces.
inline void oneMemberSalm() {
  resetStatics();
  TPCM.NUNTS = 1;
  setElements({
      {45.0f, 40.0f, 22.5f, 30.0f, 20.0f, 13.0f, 1},
      {10.0f, 80.0f, 5.0f, 25.0f, 4.0f, 3.0f, 0},
  });
  setSite({2, 8.0f, 50.0f, 1025.0f, 3.0f, 1, 5, 100.0f, 2.0f});
}

// Six members over a frozen base, English units, attached by a rigid hawser: a chain of three heavy
// links and a light one, a buoy that pierces, and the hawser.
inline void sixMemberSalm() {
  resetStatics();
  setElements({
      {5.0f, 50.0f, 2.5f, 10.0f, 2.5f, 1.5f, 0},
      {40.0f, 200.0f, 20.0f, 20.0f, 20.0f, 11.5f, 1},
      {40.0f, 200.0f, 20.0f, 18.0f, 20.0f, 11.5f, 1},
      {40.0f, 200.0f, 20.0f, 16.0f, 20.0f, 11.5f, 1},
      {30.0f, 300.0f, 15.0f, 12.0f, 15.0f, 8.7f, 1},
      {40.0f, 4000.0f, 20.0f, 50.0f, 18.0f, 11.5f, 1},
      {30.0f, 0.0f, 0.0f, 10.0f, 15.0f, 8.7f, 1},
  });
  setSite({6, 100.0f, 190.0f, 64.0f, 20.0f, 1, 8, 150.0f, 20.0f});
}

// The tanker example's yoke SALM, metric, in 100 m of water: a 62 m tube under a 14 m buoyancy tank
// (member 1), a 30 m surface buoy that pierces (member 2) and a dry 30 m yoke to the bow, 12 m above
// the waterline. Under the larger loads the buoy leans until the surface cuts its top disc.
inline void tankerYokeSalm() {
  resetStatics();
  TPCM.NUNTS = 1;
  setElements({
      {62.0f, 194.8f, 31.0f, 150.0f, 31.0f, 17.9f, 1},
      {14.0f, 395.8f, 7.0f, 150.0f, 6.0f, 4.5f, 0},
      {30.0f, 1908.5f, 15.0f, 500.0f, 10.0f, 9.0f, 1},
      {30.0f, 0.0f, 0.0f, 200.0f, 15.0f, 8.7f, 1},
  });
  setSite({3, 63.62f, 100.0f, 1025.0f, 12.0f, 0, 30, 600.0f, 1.0f});
}

// The tanker example's tube, tank and buoy as a buoyant riser to the keel of the tanker (16 m
// draft), the whole system taken as submerged (WETYOK 5: no element pierces): the riser's top is
// held 84 m above the seabed joint.
inline void submergedRiserSalm() {
  tankerYokeSalm();
  TPCM.NELEM = 3;
  TPCM.IPIERC = 4;
  TPCM.IARCO = kBuoyantRiser;
  TPCM.YOKEHT = 0.0f;
  TPCM.WETYOK = 5;
  TPCM.DRAFT = 16.0f;
}

// A free-standing SALM of three members: a float, a heavy link and a buoy. Its least-energy shape
// folds: float and link hang down from the base joint, the buoy stands up from the link's end.
inline void foldedFreeSalm() {
  resetStatics();
  setElements({
      {40.0f, 800.0f, 20.0f, 20.0f, 20.0f, 11.5f, 1},
      {30.0f, 50.0f, 15.0f, 100.0f, 15.0f, 8.7f, 1},
      {40.0f, 1200.0f, 20.0f, 30.0f, 20.0f, 11.5f, 1},
  });
  setSite({3, 30.0f, 90.0f, 64.0f, 0.0f, -1, 0, 0.0f, 0.0f});
}

}  // namespace qv::testing_support
