// The discus buoy of the disc tests as a data set, before any hull routine has run: a flat cylinder of
// radius 20 ft and draft 6 ft in 200 ft of sea water (64 lb/ft^3), displacement 482.5486 kips, KB
// 3 ft, KG 4 ft, KML 19.6667 ft, gyradii 8, 8 and 12 ft, bilge radius 1 ft, no keel; a design wave
// of height 10 ft, DURFAC 1.5; the periods 2, 2.5, ... 21 s (39 points) on the grid of the ship
// tests' setGrid. And its mooring: lines of one type hanging from the buoy's rim. The benchmark
// includes this file too, so it holds no test-framework code.
#pragma once

#include <cmath>

#include "../ship/ship_fixture.h"  // relative: the benchmark includes this file too
#include "dataset/tpcm.h"
#include "platform/units.h"
#include "waves/wavcom.h"

namespace qv::testing_support {

inline constexpr int kDiscPeriods = 39;

// The buoy's data set on the grid of `count` periods first, first + step, ...
inline void setDiscDataSet(float first = 2.0f, float step = 0.5f, int count = kDiscPeriods) {
  Tpcm& t = TPCM;
  t.EDUNIT = kScreenUnit;
  t.VESTYP = 4;
  t.DEPTH = 200.0f;
  t.DWATR = 64.0f;
  t.TDISPL = 482.5486f;
  t.TAWP = 1256.6371f;
  t.VKB = 3.0f;
  t.VKG = 4.0f;
  t.VKML = 19.6667f;
  t.VKMT = 19.6667f;
  t.TDRAFT = 6.0f;
  t.TPGYR = 8.0f;
  t.TRGYR = 8.0f;
  t.YGYR = 12.0f;
  t.TBILGR = 1.0f;
  t.SLPHT = 10.0f;
  t.XCURAR = 400.0f;
  setGrid(first, step, count);
  WAVCOM.DURFAC = 1.5f;
  WAVCOM.TAVG = 8.0f;
}

// One type of mooring line for the buoy, hanging from its rim at its keel to an anchor on the seabed.
struct DiscMooring {
  float rim;          // fairlead radius [ft | m]
  float depth;        // anchor depth below the water line, ANCHGT [ft | m]
  float length;       // SLEN [ft | m]
  float wetWeight;    // WETWT [kips/ft | t/m]
  float dryWeight;    // DRYWT [kips/ft | t/m]
  float diameter;     // DIAM [in | mm]
  float compliance;   // ALPHA(1): strain per unit tension, 1 / EA [1/kip | 1/t]
  float pretension;   // HTENS, horizontal [kips | t]
};

// `lines` lines of `type` at the azimuths 0, 360 / lines, ... deg: drag coefficient 1.2, added mass
// 1, tables of 90 points in one depth layer. The tension is taken along its gradient (TENSRF 1), so
// that the slow line restores with the catenary's own stiffness. Mooring feedback on.
inline void setDiscMooring(int lines, const DiscMooring& type) {
  Tpcm& t = TPCM;
  Morcom& m = t.moor;
  t.MORFBK = 1;
  t.NUMTAB = 90;
  m.TENSRF = 1;
  m.NLAYER = 1;
  m.NLIN = lines;
  m.NTYP = 1;
  m.NLINE(1) = lines;
  m.ANCHGT(1) = type.depth;
  m.ANCTYP(1) = 1;
  m.NELEM(1) = 1;
  m.SLEN(1, 1) = type.length;
  m.WETWT(1, 1) = type.wetWeight;
  m.DRYWT(1, 1) = type.dryWeight;
  m.DIAM(1, 1) = type.diameter;
  m.COFDMT(1, 1) = 1.2f;
  m.COFMST(1, 1) = 1.0f;
  m.ALPHA(1, 1, 1) = type.compliance;
  for (int line = 1; line <= lines; ++line) {
    const double azimuth = 6.283185307179586 * (line - 1) / lines;
    m.LINTYP(line, 1) = line;
    m.RFLD(1, line) = static_cast<float>(type.rim * std::cos(azimuth));
    m.RFLD(2, line) = static_cast<float>(type.rim * std::sin(azimuth));
    m.RFLD(3, line) = 0.0f;
    m.HTENS(line) = type.pretension;
  }
}

// The buoy's chains: from its rim at its keel (20 ft out, 6 ft below the water line) to an anchor on
// the seabed 194 ft below, 1200 ft of chain (3 in, 0.05 kip/ft in water, EA 1e5 kip) at a horizontal
// pretension of 20 kip, about 760 ft of it on the seabed.
inline void setDiscMooring(int lines) {
  setDiscMooring(lines, {20.0f, 200.0f, 1200.0f, 0.05f, 0.0575f, 3.0f, 1e-5f, 20.0f});
}

}  // namespace qv::testing_support
