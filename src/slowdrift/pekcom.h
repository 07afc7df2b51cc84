// PEKCOM: the storm-peak low-frequency deviations of the SALM members from their mean equilibrium,
// left by the low-frequency report for the random-sea statistics to combine with the wave-frequency
// peaks. Its members have the shapes of the low-frequency part at the start of OUTPUT (slowdrift/output.h)
// and the same load-point and moment-point numbering; the three load columns lie one after the other
// (shear, axial, lateral) and are read as one table of 14 load points by 3 components.
//
// Entries are magnitudes, except the first entry of each load column (horizontal top load, vertical
// load at joint 1: displaced minus mean) and the radial top positions, which are signed.
//
// Words are pinned in pekcom_layout.cpp. Static storage, zero at program start; reset() for tests.
#pragma once

#include <cstdint>
#include <cstring>

#include "util/farray.h"

namespace qv {

struct Pekcom {
  union {
    Arr<float, 14, 3> FSIGLP;                   // storm-peak load deviation per load point and component
    struct {
      Arr<float, 14> FSHRLP;                    // its in-plane shear column [kips | t]
      Arr<float, 14> FAXLLP;                    // its axial column [kips | t]
      Arr<float, 14> FLTRLP;                    // its lateral shear column [kips | t]
    };
  };
  Arr<float, 6> ASIGLP;                         // storm-peak deviation of each member's in-plane angle [rad]
  Arr<float, 6> TSIGLP;                         // storm-peak deviation of each member's transverse angle [rad]
  Arr<float, 21> RSIGLP;                        // storm-peak deviation of each member top: radial, vertical, lateral [ft | m]
  Arr<float, 10, 6> MSIGLP;                     // storm-peak deviation per moment point and quantity 1-5 (6 not written)
  Arr<float, 10, 6> DUMMOM;                     // spare, the twin of OUTPUT's STMOM
  std::int32_t LASTPK;                          // end of the block

  void reset() { std::memset(static_cast<void*>(this), 0, sizeof *this); }
};

inline constexpr int kPekcomWords = 196;
static_assert(sizeof(Pekcom) == 4 * kPekcomWords, "PEKCOM must be 196 words");

extern Pekcom PEKCOM;

}  // namespace qv
