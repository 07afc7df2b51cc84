// SIMCOM, the member table of the semi-submersible hull model: per member (at most 50) whether it
// crosses the waterline, its wetted length, start, direction and centroid, its inertia and drag
// coefficients in vessel axes, and the square-law damping constants of the whole hull. Members
// wholly above the waterline keep whatever an earlier call stored.
#pragma once

#include <array>
#include <cstdint>

#include "util/farray.h"

namespace qv {

inline constexpr int kMaxHullMembers = 50;

struct Simcom {
  std::int32_t NPIERCE;                           // members that cross the waterline
  Arr<std::int32_t, kMaxHullMembers> LPIERCE;     // 1: the member crosses the waterline; 0: wholly submerged
  Arr<std::int32_t, kMaxHullMembers> SIMAVBL;     // reserved
  Arr<float, kMaxHullMembers> CYLLEN;             // submerged length (x 1.001 when crossing) [ft | m]
  Arr<float, 3, kMaxHullMembers> DIRVEC;          // unit vector along the member from CYLBAS [-]
  Arr<float, 3, kMaxHullMembers> CYLCG;           // centroid (x, y, z) of the submerged part [ft | m]
  Arr<float, 3, 3, kMaxHullMembers> FRCCOF;       // inertia-force coefficients in vessel axes [-]
  Arr<float, 3, 3, kMaxHullMembers> MNTCOF;       // inertia-moment coefficients in vessel axes [-]
  float CQRL;                                     // square-law roll damping constant
  float CQPT;                                     // square-law pitch damping constant
  float CQHV;                                     // square-law heave damping constant
  float GAMRL;                                    // linearised roll damping ratio [-]
  float GAMPT;                                    // linearised pitch damping ratio [-]
  float GAMHV;                                    // linearised heave damping ratio [-]
  // The end of each member that its wetted length CYLLEN runs from along DIRVEC, (x, y, z) above the
  // keel: its base RCYLB, or its far end RCYLT where that lies under water while the base stands in
  // the air; the base of a member that adds nothing [ft | m]. Every stage that walks the members
  // starts them here.
  Arr<float, 3, kMaxHullMembers> CYLBAS;
  Arr<std::int32_t, 50> SIMDUM;                   // spare
  Arr<float, kMaxHullMembers> MRWPG2;             // squared waterplane radius of gyration about x [ft^2 | m^2]
  Arr<float, kMaxHullMembers> MPWPG2;             // squared waterplane radius of gyration about y [ft^2 | m^2]
  Arr<float, 3, kMaxHullMembers> DRGFCF;          // drag-force coefficient per unit submerged length, vessel axes
  Arr<float, 3, kMaxHullMembers> DRGMCF;          // rotational drag coefficient over 32 (submerged length)^3
};

inline constexpr int kSimcomWords = 1957;
static_assert(sizeof(Simcom) == 4 * kSimcomWords, "SIMCOM must be 1,957 words");

extern Simcom SIMCOM;

// The horizontal position (x, y) of the top of member i's wetted length: its start CYLBAS and its
// length CYLLEN along DIRVEC (for a member through the waterline, where it crosses it).
inline std::array<float, 2> wettedTop(int i) {
  const Simcom& m = SIMCOM;
  return {m.CYLBAS(1, i) + m.CYLLEN(i) * m.DIRVEC(1, i), m.CYLBAS(2, i) + m.CYLLEN(i) * m.DIRVEC(2, i)};
}

// Clears the whole block (tests).
void resetSimcom();

}  // namespace qv
