// CATCOM: catenary derivatives and line stiffness of the dynamic line model, and the per-line
// sensitivities of the static solution that the line driver leaves for it. Every member sits at its
// word, pinned in catcom_layout.cpp; complex members are pairs of 4-byte floats, real part first.
// Per-line arrays keep one column per line (node 1..26, line 1..150; node 1 the fairlead) and are
// rewritten only for the lines a run of the line driver solves. Units are those of the data set:
// [ft | m] for lengths, [kip | t] for forces.
#pragma once

#include <cstdint>

#include "numlib/algebra.h"
#include "util/farray.h"

namespace qv {

struct Catcom {
  double DXDP0;                    // catenary derivative dx/dp at the lower end
  double DXDT0;                    // catenary derivative dx/dT at the lower end
  double DZDP0;                    // catenary derivative dz/dp at the lower end
  double DZDT0;                    // catenary derivative dz/dT at the lower end
  double DXDP1;                    // catenary derivative dx/dp at the upper end
  double DXDT1;                    // catenary derivative dx/dT at the upper end
  double DZDP1;                    // catenary derivative dz/dp at the upper end
  double DZDT1;                    // catenary derivative dz/dT at the upper end
  double DXFDP;                    // fairlead derivative dx/dp
  double DXFDT;                    // fairlead derivative dx/dT
  double DZFDP;                    // fairlead derivative dz/dp
  double DZFDT;                    // fairlead derivative dz/dT
  float KELAS;                     // elastic stiffness of the line [kip/ft | t/m]
  float KCTAN;                     // catenary stiffness of the line [kip/ft | t/m]
  float KSTAT;                     // static stiffness of the line [kip/ft | t/m]
  float KRAT;                      // KCTAN / KELAS
  double JACOBY;                   // Jacobian of the catenary derivatives
  Complex CAFLD;                   // complex end term at the fairlead
  Complex CABOT;                   // complex end term at the lower end
  Complex ZERO;                    // complex constant (0, 0)
  Complex ONE;                     // complex constant (1, 0)
  Complex IMAG;                    // complex constant (0, 1)
  Complex ZIP;                     // complex constant of the dynamic model
  Arr<float, 26, 150> DXSDZF;      // node's horizontal distance from the lower end per fairlead rise, H held
  Arr<float, 26, 150> DZSDZF;      // node's height per fairlead rise, H held
  Arr<float, 26, 150> DXSDH;       // node's horizontal distance per unit H, height held [ft/kip | m/t]
  Arr<float, 26, 150> DZSDH;       // node's height per unit H, height held [ft/kip | m/t]
  Arr<float, 150> DTFDZF;          // fairlead tension per vertical fairlead move [kip/ft | t/m]
  Arr<float, 150> DTBDZB;          // lower-end tension per vertical fairlead move [kip/ft | t/m]
  Arr<float, 150> DTFDAF;          // fairlead tension per fairlead move along the line [kip/ft | t/m]
  Arr<float, 150> DTBDAB;          // lower-end tension per fairlead move along the line [kip/ft | t/m]
  Arr<float, 150> DTFDXF;          // fairlead tension per horizontal fairlead move [kip/ft | t/m]
  Arr<float, 150> DTBDXB;          // lower-end tension per horizontal fairlead move [kip/ft | t/m]
  Arr<float, 150> DTZFDZ;          // vertical fairlead tension per fairlead rise [kip/ft | t/m]
  Arr<float, 150> DTZFDH;          // vertical fairlead tension per unit H [-]
  Arr<float, 26, 150> TANARR;      // slope at each node of each line's base solution
  Arr<float, 200> CATAVB;          // working values of the catenary derivatives
  std::int32_t CATEND;             // end marker of the block

  // Back to the state at program start: every word zero. For tests.
  void reset();
};

extern Catcom CATCOM;

}  // namespace qv
