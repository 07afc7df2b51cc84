// ERGCOM: the energy and stiffness data of the slow-drift stage, read by the low-frequency report.
// SLOMOR fills the surge energy table over the points of the load-offset table of EQUILB, the surge
// mooring stiffness at the mean load and the mean offset of the SALM; the other members keep the
// block's layout and are not filled by this program (the sway and yaw stiffnesses SPRNGY and SPRNGZ
// are read by the spread-mooring branch of the slow drift, so they stay 0).
//
// Energies are in force times length [kip-ft | t-m], stiffnesses in force per length [kips/ft | t/m],
// offsets in [ft | m]. Words are pinned in ergcom_layout.cpp. Static storage, zero at program start.
#pragma once

#include <cstring>

#include "dataset/tpcm_codes.h"
#include "util/farray.h"

namespace qv {

struct Ergcom {
  Arr<float, kMaxTablePoints> SRGERG;  // surge energy per load-offset table point, 0 at the first [kip-ft | t-m]
  Arr<float, kMaxTablePoints> SWYERG;  // sway energy table (not filled)
  Arr<float, kMaxTablePoints> YAWERG;  // yaw energy table (not filled)
  Arr<float, kMaxTablePoints> BSRGEG;  // second-body surge energy table (not filled)
  Arr<float, kMaxTablePoints> BSWYEG;  // second-body sway energy table (not filled)
  Arr<float, kMaxTablePoints> BYAWEG;  // second-body yaw energy table (not filled)
  float DXSRG;                         // not used
  float DYSWY;                         // not used
  float DZYAW;                         // not used
  float EQBSRG;                        // not used
  float EQBSWY;                        // not used
  float EQBYAW;                        // not used
  float SPRNGX;                        // surge mooring stiffness at the mean load [kips/ft | t/m]
  float SPRNGY;                        // sway stiffness of a spread mooring (never set: 0) [kips/ft | t/m]
  float SPRNGZ;                        // yaw stiffness of a spread mooring (never set: 0) [kip-ft/rad | t-m/rad]
  float SRGOFF;                        // not used
  float SWYOFF;                        // not used
  float YAWOFF;                        // not used
  float REQLIB;                        // mean horizontal offset of the SALM at the most stable equilibrium [ft | m]
  float SPRNGR;                        // not used
  float SPRNGP;                        // not used
  float SPRNGH;                        // not used
  float ROLOFF;                        // not used
  float PITOFF;                        // not used
  float HEVOFF;                        // not used
  float SPRNGX_L;                      // not used
  float SPRNGY_L;                      // not used
  float SPRNGZ_L;                      // not used
  Arr<float, 14> ERGDUM;               // spare words ending the block

  void reset() { std::memset(static_cast<void*>(this), 0, sizeof *this); }
};

inline constexpr int kErgcomWords = 576;
static_assert(sizeof(Ergcom) == 4 * kErgcomWords, "ERGCOM must be 576 words");

extern Ergcom ERGCOM;

}  // namespace qv
