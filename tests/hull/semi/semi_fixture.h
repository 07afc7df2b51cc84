// Semi-submersible data sets for the tests and the benchmark, set up the way the first vessel-response
// pass leaves them for the hull model (the wave grid from the ship fixture).
//
// The fixture semi (metric, 300 m of water, 1025 kgf/m^3, draft 20 m), eight members:
//   1-4  circular columns D = 10 m at (+-30, +-30), z 8 to 30 m (12 m wetted)
//   5-6  pontoons 12 m wide, 8 m high along x at y = +-30, x -45 to 45 m, axis at z = 4 m
//   7-8  braces D = 3 m along y at x = +-30, z = 4 m, y -24 to 24 m (brace 8 entered from +y to -y)
// Displaced volume 4 x 78.5398 x 12 + 2 x 96 x 90 + 2 x 7.06858 x 48 = 21728.5 m^3, KB 5.735 m,
// waterplane 314.159 m^2, KMT = KML = 18.84 m; the input hydrostatics below agree with these within
// the 2 % of the comparison, so that SEMCHR asks nothing.
#pragma once

#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <numbers>

#include "dataset/tpcm.h"
#include "hull/himem.h"
#include "hull/pascom.h"
#include "hull/rao_guard.h"
#include "hull/semi/semi.h"
#include "hull/semi/simcom.h"
#include "../ship/ship_fixture.h"  // relative: the benchmark includes this file too
#include "waves/wavcom.h"

namespace qv::testing_support {

struct HullMember {
  float base[3];
  float top[3];
  float area;           // XAREA [ft^2 | m^2]
  float dims[3];        // DIAMS: section along local axes 1, 2; length
  float cm[3];          // CYLCM
  float cd[3];          // CYLCD
  std::int32_t kind;    // NCYLTP
  std::int32_t along;   // MEMDIR
  std::int32_t topType; // TOPTYP
};

inline void setMember(int I, const HullMember& m) {
  Tpcm& t = TPCM;
  for (int j = 1; j <= 3; ++j) {
    t.RCYLB(j, I) = m.base[j - 1];
    t.RCYLT(j, I) = m.top[j - 1];
    t.DIAMS(j, I) = m.dims[j - 1];
    t.CYLCM(j, I) = m.cm[j - 1];
    t.CYLCMI(j, I) = 0.0f;
    t.CYLCD(j, I) = m.cd[j - 1];
    t.CYLCDI(j, I) = 0.0f;
  }
  t.XAREA(I) = m.area;
  t.NCYLTP(I) = m.kind;
  t.MEMDIR(I) = m.along;
  t.TOPTYP(I) = m.topType;
  if (t.NCYL < I) t.NCYL = I;
}

using Point = std::array<float, 3>;

// A circular member of `diameter` from `from` to `to` as member I: added mass 1 across, drag 1
// across and `endDrag` at its ends, elliptic section, along no axis of the vessel.
inline void putCircularMember(int I, const Point& from, const Point& to, float diameter, float endDrag,
                              std::int32_t topType) {
  HullMember m{};
  for (int j = 0; j < 3; ++j) {
    m.base[j] = from[j];
    m.top[j] = to[j];
  }
  m.area = std::numbers::pi_v<float> * diameter * diameter / 4.0f;
  m.dims[0] = m.dims[1] = diameter;
  m.dims[2] = std::hypot(to[0] - from[0], to[1] - from[1], to[2] - from[2]);
  m.cm[0] = m.cm[1] = 1.0f;
  m.cd[0] = m.cd[1] = 1.0f;
  m.cd[2] = endDrag;
  m.kind = 1;
  m.along = 4;
  m.topType = topType;
  setMember(I, m);
}

// A pair of inclined braces beside the fixture semi's members, as members 9 and 10 at y = +30 and
// -30 m: from the top of a pontoon at (15, y, 8) to the deck at (-15, y, 26), two thirds of them
// under the 20 m waterline; or between other points of the plane y.
enum class Entered { kLowerEndFirst, kUpperEndFirst };
inline constexpr Point kBraceLower{15.0f, 0.0f, 8.0f};
inline constexpr Point kBraceUpper{-15.0f, 0.0f, 26.0f};

inline void putBraces(Entered entered, Point lower, Point upper, float diameter, float endDrag,
                      std::int32_t topType) {
  int I = 8;
  for (const float y : {30.0f, -30.0f}) {
    lower[1] = upper[1] = y;
    if (entered == Entered::kLowerEndFirst) {
      putCircularMember(++I, lower, upper, diameter, endDrag, topType);
    } else {
      putCircularMember(++I, upper, lower, diameter, endDrag, topType);
    }
  }
}

// The state every semi test starts from: the run's once-only switches at their start, the member
// table and the hand-over block zero.
inline void resetSemiRun() {
  semchrState.reset();
  semfrcState.reset();
  raoGuardState.reset();
  resetSimcom();
  resetPascom();
}

// The hull values of the fixture semi (metric): type, hydrostatics, gyradii, design wave; the
// member table as it is.
inline void putSemiHullValues() {
  Tpcm& t = TPCM;
  t.SEMI_LIKE = 1;
  t.VESTYP = 3;
  t.TDISPL = 22271.7f;  // 21728.5 m^3 x 1.025 t/m^3
  t.TDRAFT = 20.0f;
  t.TAWP = 314.159f;
  t.VKB = 5.74f;
  t.VKG = 12.0f;
  t.VKMT = 18.84f;
  t.VKML = 18.84f;
  t.TLWL = 44.0f;
  t.TBWL = 44.0f;
  t.TPGYR = 28.0f;
  t.TRGYR = 28.0f;
  t.YGYR = 30.0f;
  t.SLPHT = 6.0f;  // design wave height [m]
  t.SQLFRC = 0;
}

// A data set with no members: the hull values of the fixture semi, the site and the console.
inline void setSemiHull() {
  std::memset(static_cast<void*>(&TPCM), 0, sizeof TPCM);
  Tpcm& t = TPCM;
  t.EDUNIT = 6;
  t.IUNIT = 6;
  t.NUNTS = 1;
  t.DEPTH = 300.0f;
  t.DWATR = 1025.0f;
  putSemiHullValues();
}

// The eight members of the fixture semi into the member table, which they replace.
inline void putSemiMembers() {
  TPCM.NCYL = 0;
  const float column[] = {-30.0f, 30.0f};
  int I = 0;
  for (float x : column) {
    for (float y : column) {
      setMember(++I, {{x, y, 8.0f}, {x, y, 30.0f}, 78.5398f, {10.0f, 10.0f, 22.0f}, {1.0f, 1.0f, 0.0f},
                      {0.8f, 0.8f, 0.6f}, 1, 3, 1});
    }
  }
  for (float y : column) {
    setMember(++I, {{-45.0f, y, 4.0f}, {45.0f, y, 4.0f}, 96.0f, {8.0f, 12.0f, 90.0f}, {1.5f, 1.0f, 0.1f},
                    {2.0f, 2.0f, 0.5f}, 0, 1, 0});
  }
  setMember(++I, {{-30.0f, -24.0f, 4.0f}, {-30.0f, 24.0f, 4.0f}, 7.06858f, {3.0f, 3.0f, 48.0f}, {1.0f, 1.0f, 0.0f},
                  {1.0f, 1.0f, 0.0f}, 1, 2, 1});
  setMember(++I, {{30.0f, 24.0f, 4.0f}, {30.0f, -24.0f, 4.0f}, 7.06858f, {3.0f, 3.0f, 48.0f}, {1.0f, 1.0f, 0.0f},
                  {1.0f, 1.0f, 0.0f}, 1, 2, 1});
}

// The fixture semi on a grid of 49 periods, 4 to 28 s.
inline void setFixtureSemi() {
  setSemiHull();
  putSemiMembers();
  setGrid(4.0f, 0.5f, 49);
  resetSemiRun();
}

}  // namespace qv::testing_support
