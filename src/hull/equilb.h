// EQUILB: the static and low-frequency equilibrium of the moored SALM.
//
// The statics fills the load-offset table (OFFSET, HLOAD: horizontal load against horizontal offset
// of the column top, NUMTAB points with HLOAD(1) = 0, ascending). The slow-drift analysis fills the
// weathervane equilibria (up to 30), the most stable one, the vessel geometry terms and the three
// low-frequency mode records; the low-frequency report turns the records' seven variances into
// amplitudes, writes their peak factors and the yoke terms, and the wave-frequency dynamics reads the
// rest. Forces are in kips or metric tons, lengths in feet or metres, angles in radians.
//
// The three mode records (1 surge, 2 low sway-yaw mode, 3 high sway-yaw mode) have one layout,
// LowModeRecord, whose members are named for the surge record; MODREC(k) reaches a record by number
// and each member also has its own name in the block (TSURG, TSWAY, TYAW, ...).
//
// The block lives with the hull models, the lowest stage that reads it: the disc's mooring terms take
// the body's heading from it (VESANG, BUYNGL for the simulation type 13), and the low-frequency drift
// and drag models above them the vessel heading and the hull plan form.
//
// Words are pinned in equilb_layout.cpp. Static storage, zero at program start; reset() for tests.
#pragma once

#include <cstdint>
#include <cstring>

#include "util/farray.h"

namespace qv {

inline constexpr int kMaxEquilibria = 30;  // weathervane equilibria kept by the slow drift

// One low-frequency mode. Damping values are ratios B / (M omega), twice the fraction of critical;
// the variances are in the squared unit of the mode's motion until the low-frequency report turns
// them into amplitudes (one standard deviation).
struct LowModeRecord {
  float TSURG;   // natural period [s]
  float WSURG;   // natural frequency [rad/s]
  float EMSURG;  // effective mass or inertia of the mode
  float GAMFAC;  // damping normaliser 2 / (mass x frequency)
  float GAMSTW;  // still-water damping
  float GAMWND;  // wind damping
  float GAMCUR;  // current damping
  float GAMWV;   // wave-drift damping, wind sea
  float GAMSWL;  // wave-drift damping, swell (the second swell's added)
  float GMWDG;   // drift-drag damping, wind sea
  float GMSDG;   // drift-drag damping, swell (the second swell's added)
  float GAMTOT;  // total linear damping
  float GAMQSG;  // total square-law damping
  float GMLNSG;  // linear part carried with the square-law term (line part)
  float EGMSG;   // net equivalent linear damping
  float GAMLIN;  // damping by the wave-frequency line motions
  float VARTOT;  // total motion variance, then amplitude
  float VARWND;  // variance from wind gusts, then amplitude
  float VARCUR;  // variance from current variation, then amplitude
  float VARWAV;  // variance from slow-drift wave forces (wind sea), then amplitude
  float VARSWL;  // variance from slow-drift wave forces (both swells), then amplitude
  float VWVDG;   // variance from drift drag (wind sea), then amplitude
  float VSWDG;   // variance from drift drag (both swells), then amplitude
  float FSGPK;   // storm peak factor
};

struct Equilb {
  // ---- load-offset table of the statics ----
  Arr<float, 90> OFFSET;                        // horizontal offset of the column top per table point [ft | m]
  Arr<float, 90> HLOAD;                         // horizontal load per table point, HLOAD(1) = 0 [kips | t]

  // ---- slow drift: auxiliary forces, equilibria ----
  float PHIFEX;                                 // direction of auxiliary force 1 [rad]
  float FEXTRN;                                 // magnitude of auxiliary force 1 [kips | t]
  float PHIFX2;                                 // direction of auxiliary force 2 [rad]
  float FXTRN2;                                 // magnitude of auxiliary force 2 [kips | t]
  float PHIFX3;                                 // direction of auxiliary force 3 [rad]
  float FXTRN3;                                 // magnitude of auxiliary force 3 [kips | t]
  std::int32_t IWDFPX;                          // grid index of the wind-sea drift-force peak, surge
  std::int32_t IWDFPY;                          // grid index of the wind-sea drift-force peak, sway
  std::int32_t ISDFPX;                          // grid index of the swell drift-force peak, surge
  std::int32_t ISDFPY;                          // grid index of the swell drift-force peak, sway
  float REDWGT;                                 // reduced weight used as surge mass for simulation type 10 [kips | t]
  float XCGVAR;                                 // vessel x position for the positioning springs [ft | m]
  float YCGVAR;                                 // vessel y position for the positioning springs [ft | m]
  float FDPTOT;                                 // dynamic-positioning force [kips | t]
  float PHIFDP;                                 // dynamic-positioning force direction [rad]
  Arr<std::int32_t, kMaxEquilibria> LSTABL;     // per equilibrium: 1 stable, 0 unstable
  Arr<float, kMaxEquilibria> SLMANG;            // per equilibrium: SALM heading, net force direction in earth axes [rad]
  Arr<float, kMaxEquilibria> ENERGY;            // per equilibrium: running energy sum of the heading scan
  Arr<float, kMaxEquilibria> TANGLE;            // per equilibrium: vessel heading in (-pi, pi] [rad]
  Arr<float, kMaxEquilibria> FTOT;              // per equilibrium: net horizontal force [kips | t]
  std::int32_t IANGLE;                          // number of equilibria kept
  std::int32_t ISTAB;                           // index of the most stable equilibrium
  float ERGMAX;                                 // largest energy sum among the roots
  float ERGMIN;                                 // smallest energy sum among the roots
  float VESANG;                                 // vessel heading: scan variable, then TANGLE(ISTAB) [rad]
  float YAWARM;                                 // yaw arm from the vessel's centre of gravity to the mooring point [ft | m]
  float WAVARM;                                 // yaw arm of the wave-drift moments [ft | m]
  float WSCALE;                                 // frequency scale sqrt(G / LWL) [rad/s]

  // ---- slow drift: hull plan form ----
  float SINBOW;                                 // sine of the bow half-angle
  float BOWANG;                                 // bow half-angle [rad]
  float COTBOW;                                 // cotangent of the bow half-angle
  float SINSTN;                                 // sine of the stern half-angle
  float STRNAN;                                 // stern half-angle [rad]
  float COTSTN;                                 // cotangent of the stern half-angle
  float BLRAT0;                                 // beam over length
  float LEFRAT;                                 // plan-form ratio 1 - BLRAT0 COTBOW
  float LEFRT2;                                 // plan-form ratio of bow and stern together
  float BOWARM;                                 // bow moment arm over length
  float STRNRM;                                 // stern moment arm over length
  float MOMCOF;                                 // plan-form moment coefficient

  // ---- slow drift: loads at the most stable equilibrium ----
  float SWHC;                                   // kept for the layout: the sea's height is WAVCOM SWH (waves/sea_state.h)
  float SWIND_ATTACK;                           // relative attack angle of the wind [rad]
  float SCRNT_ATTACK;                           // relative attack angle of the current [rad]
  float SWAVE_ATTACK;                           // relative attack angle of the wind sea [rad]
  float SSWEL_ATTACK;                           // relative attack angle of the swell [rad]
  float SXWND;                                  // wind force, vessel x [kips | t]
  float SYWND;                                  // wind force, vessel y [kips | t]
  float SXCUR;                                  // current force, vessel x [kips | t]
  float SYCUR;                                  // current force, vessel y [kips | t]
  float SXWAV;                                  // wind-sea drift force, vessel x [kips | t]
  float SYWAV;                                  // wind-sea drift force, vessel y [kips | t]
  float SXSWL;                                  // drift force of both swells, vessel x [kips | t]
  float SYSWL;                                  // drift force of both swells, vessel y [kips | t]
  float VARYTP;                                 // right-hand side of the square-law damping equation
  float CYQTP;                                  // cubic coefficient of the square-law damping equation

  // ---- the three low-frequency mode records ----
  union {
    Arr<LowModeRecord, 3> MODREC;               // records by number: 1 surge, 2 low sway-yaw, 3 high sway-yaw
    struct {
      // surge
      float TSURG;                              // surge natural period [s]
      float WSURG;                              // surge natural frequency [rad/s]
      union {
        float EMSURG;                           // surge effective mass
        float EMASS;
      };
      float GAMFAC;                             // surge damping normaliser
      float GAMSTW;                             // surge still-water damping
      float GAMWND;                             // surge wind damping
      float GAMCUR;                             // surge current damping
      float GAMWV;                              // surge wave-drift damping, wind sea
      float GAMSWL;                             // surge wave-drift damping, swell
      float GMWDG;                              // surge drift-drag damping, wind sea
      float GMSDG;                              // surge drift-drag damping, swell
      float GAMTOT;                             // surge total linear damping
      float GAMQSG;                             // surge square-law damping (always 0)
      float GMLNSG;                             // surge square-law line part (always 0)
      float EGMSG;                              // surge effective damping
      float GAMLIN;                             // surge damping by line motions
      float VARTOT;                             // surge total variance
      float VARWND;                             // surge variance, wind
      float VARCUR;                             // surge variance, current
      float VARWAV;                             // surge variance, wind-sea drift
      float VARSWL;                             // surge variance, swell drift
      float VWVDG;                              // surge variance, wind-sea drift drag
      float VSWDG;                              // surge variance, swell drift drag
      float FSGPK;                              // surge storm peak factor
      // low sway-yaw mode
      float TSWAY;                              // low-mode natural period [s]
      union {
        float WSWAY;                            // low-mode natural frequency [rad/s]
        float WYAWLO;
      };
      union {
        float EMILO;                            // low-mode effective inertia
        float EMASSW;
      };
      float GMODE2;                             // low-mode damping normaliser
      float GMSTW2;                             // low-mode still-water damping
      float GMWND2;                             // low-mode wind damping
      float GMCUR2;                             // low-mode current damping
      float GMWV2;                              // low-mode wave-drift damping, wind sea
      float GMSWL2;                             // low-mode wave-drift damping, swell
      float GMWDG2;                             // low-mode drift-drag damping, wind sea
      float GMSDG2;                             // low-mode drift-drag damping, swell
      float GMTOT2;                             // low-mode total linear damping
      float GAMQLO;                             // low-mode square-law damping
      float GMLNLO;                             // low-mode square-law line part
      float EGMLO;                              // low-mode effective damping
      float GMLIN2;                             // low-mode damping by line motions
      float EVRLO;                              // low-mode total variance
      float VRWND2;                             // low-mode variance, wind
      float VRCUR2;                             // low-mode variance, current
      float VRWAV2;                             // low-mode variance, wind-sea drift
      float VRSWL2;                             // low-mode variance, swell drift
      float VWVDG2;                             // low-mode variance, wind-sea drift drag
      float VSWDG2;                             // low-mode variance, swell drift drag
      float FLOPK;                              // low-mode storm peak factor
      // high sway-yaw mode
      float TYAW;                               // high-mode natural period [s]
      union {
        float WYAW;                             // high-mode natural frequency [rad/s]
        float WYAWHI;
      };
      union {
        float EMI;                              // high-mode effective inertia
        float EMIHI;
      };
      float GMODE3;                             // high-mode damping normaliser
      float GMSTW3;                             // high-mode still-water damping
      float GMWND3;                             // high-mode wind damping
      float GMCUR3;                             // high-mode current damping
      float GMWV3;                              // high-mode wave-drift damping, wind sea
      float GMSWL3;                             // high-mode wave-drift damping, swell
      float GMWDG3;                             // high-mode drift-drag damping, wind sea (not computed)
      float GMSDG3;                             // high-mode drift-drag damping, swell (not computed)
      float GMTOT3;                             // high-mode total linear damping
      float GAMQHI;                             // high-mode square-law damping
      float GMLNHI;                             // high-mode square-law line part
      float EGMHI;                              // high-mode effective damping
      float GMLIN3;                             // high-mode damping by line motions
      float EVRHI;                              // high-mode total variance
      float VRWND3;                             // high-mode variance, wind
      float VRCUR3;                             // high-mode variance, current
      float VRWAV3;                             // high-mode variance, wind-sea drift
      float VRSWL3;                             // high-mode variance, swell drift
      float VWVDG3;                             // high-mode variance, wind-sea drift drag (stays 0)
      float VSWDG3;                             // high-mode variance, swell drift drag (stays 0)
      float FHIPK;                              // high-mode storm peak factor
    };
  };

  // ---- low-frequency report: the yoke at the mean equilibrium ----
  float YOKSLM;                                 // angle of the top member (the yoke) out of the SALM plane [rad]
  float FLTRL0;                                 // static lateral load on the yoke; each side carries half [kips | t]
  float DELTA0;                                 // static load difference between the two yoke sides [kips | t]
  float NETARM;                                 // yaw arm of the low sway-yaw mode [ft | m]

  // ---- buoy body ----
  float BUYNGL;                                 // heading of the buoy body (simulation type 13) [rad]

  // ---- net loads at a trial heading ----
  float SWLANG;                                 // relative direction of the swell at the heading last tried [rad]
  float SWLANG2;                                // relative direction of the second swell there [rad]
  float ZCGVAR;                                 // rise of the draft of the current force of types 14, 17 (never set) [ft | m]

  void reset() { std::memset(static_cast<void*>(this), 0, sizeof *this); }
};

inline constexpr int kEquilbWords = 460;
static_assert(sizeof(Equilb) == 4 * kEquilbWords, "EQUILB must be 460 words");

extern Equilb EQUILB;

}  // namespace qv
