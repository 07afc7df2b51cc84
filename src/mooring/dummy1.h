// DUMMY1: the working state that the vertical line solver VRTLIN shares with its objective DPDSTER:
// the line type's elements in double precision and the split of the line into the part that hangs,
// the element partly lifted from the seabed and the part that rests on it. Every member sits at its
// word, pinned in dummy1_layout.cpp. Units are those of the data set: [ft | m], [kip | t].
#pragma once

#include <cstdint>

#include "util/farray.h"

namespace qv {

struct Dummy1 {
  std::int32_t LSTFRE;          // elements that hang whole (0..N); element LSTFRE+1 is partly lifted
  std::int32_t ITYPP;           // line type being solved
  double DELZP;                 // vertical distance between fairlead and lower end, absolute [ft | m]
  double NULBOT;                // stretched excess length when the partly lifted element is weightless [ft | m]
  Arr<double, 3, 25> ALPHDP;    // strain-law coefficients a1, a2, a3 of each element [1/kip, 1/kip^2, 1/kip^3]
  Arr<double, 25> SLENDP;       // unstretched element lengths [ft | m]
  Arr<double, 25> WETWDP;       // element weights in water per unit length, negative buoyant [kip/ft | t/m]

  // Back to the state at program start: every word zero. For tests.
  void reset();
};

extern Dummy1 DUMMY1;

}  // namespace qv
