// TNDCOM: the working copy of the taut-wire subline search (TENDNDP and its objective DVSTER): one
// line type hanging vertically from its fairlead to its anchor, in double precision. Its DELTAZ is
// an 8-byte value of its own, not LINCOM's. Every member sits at its word, pinned in
// tndcom_layout.cpp. Units are those of the data set: [ft | m], [kip | t].
#pragma once

#include <cstdint>

#include "util/farray.h"

namespace qv {

struct Tndcom {
  std::int32_t ITYPQ;           // line type being sized
  std::int32_t alignDELTAZ;     // alignment word: never read or written
  double DELTAZ;                // vertical fairlead-anchor distance [ft | m]
  double T0;                    // fairlead tension, the pretension of the type's line [kip | t]
  Arr<double, 25> SLENDP;       // unstretched subline lengths; subline 1 is the one sought [ft | m]
  Arr<double, 25> WETWDP;       // subline weights in water per unit length [kip/ft | t/m]
  Arr<double, 3, 25> ALPHDP;    // strain-law coefficients a1, a2, a3 of each subline [1/kip, 1/kip^2, 1/kip^3]

  // Back to the state at program start: every word zero. For tests.
  void reset();
};

extern Tndcom TNDCOM;

}  // namespace qv
