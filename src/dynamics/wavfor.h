// First-order wave loads on the rigid members of the SALM column, for the wave-frequency dynamics.
// WAVFOR gives the complex force and moment on one member (a run of consecutive elements) in one
// regular wave of unit amplitude; MOMFOR the load on one element, integrating the undisturbed wave
// kinematics along it. A call computes one part: the inertia part (DRGFLG 0: Froude-Krylov plus added
// mass, closed form, with a waterline buoyancy term) or the drag part (DRGFLG 1: drag linearised on
// the mean square relative velocity, Simpson's rule).
//
// Axes: x horizontal in the member's plane, y across it, z up from the still-water level, the seabed
// at z = -DEPTH. The wave is Re{exp(i(omega t - kx x - ky y))}; every complex amplitude refers to the
// elevation at x = y = 0. A member lies in the x-z plane at the angle phi from the vertical,
// (EQSIN, 0, EQCOS) = (sin phi, 0, cos phi) pointing from its lower joint along it.
//
// Both routines work on their arguments only (arrays as a pointer to their first element, indexed
// from 1 by member or element number); only the record table SHRMOM and its counter IMOMT carry over
// between calls. Their warnings go to the console unit, each followed by the abort question ABORT0
// ("A" ends the run; an unattended run goes on).
#pragma once

#include <cstdint>

#include "numlib/algebra.h"
#include "statics/wet_elements.h"

namespace qv {

// Submerged-member option WETYOK: which parts of the column above the still-water level water acts
// on, by the wetness rule (statics/wet_elements.h) for the part of the column the member's stretches
// above the water belong to, the buoy top or the yoke; and whether the waterline term acts (not under
// WETYOK 1, 4 and 5: no dynamic waterplane correction). A stretch under the water is always loaded,
// one above it when its part is wet, by the wave's kinematics held at their still-water value
// (numlib/wave_kinematics.h).

// The arguments of WAVFOR by name: what it only reads, then in `out` what it writes (in/out: reads
// and writes). The member's number ICON picks its elements and its entries of the per-member arrays.
// The statics' first-element flag IFIRST, which the routine has no use for, is not among them.
struct WavforArgs {
  const float* RBASE;          // position of the member's lower joint (3) [ft | m]
  const std::int32_t* JELEM;   // first element of each member: member ICON holds JELEM(ICON)..JELEM(ICON+1)-1
  std::int32_t ICON;           // member number
  const float* SLEN;           // per element: length [ft | m]
  const float* DRMEM;          // unit vector along the member (3), its y component 0
  float WVKX;                  // wave-number component along x, in the member's plane [1/ft | 1/m]
  float WVKY;                  // wave-number component along y, across the plane [1/ft | 1/m]
  float WAVK;                  // wave number [1/ft | 1/m]
  float DEPTH;                 // water depth [ft | m]
  std::int32_t NBUG;           // non-zero: trace on the console unit
  std::int32_t unit;           // console unit of the warnings and the trace
  const float* BUOY;           // per element: buoyant force [kips | t]
  std::int32_t IW;             // index of the wave period, for the trace
  const float* EQCOS;          // per member: cos phi of its angle from the vertical
  const float* EQSIN;          // per member: sin phi
  std::int32_t WETYOK;         // submerged-member option, 0 to 6
  ColumnPart ABOVEWATER;       // the part of the column the member's stretches above the water belong to
  std::int32_t DRGFLG;         // 0 the inertia part, 1 the drag part; any other value leaves the sums at 0
  const Complex* DELPH1;       // per member: in-plane rotation amplitude [rad per ft | m of wave amplitude]
  const Complex* DELTHT;       // per member: transverse rotation amplitude [rad per ft | m of wave amplitude]
  float WFREQ;                 // wave frequency omega [rad/s]
  const Complex* BASEVEL;      // velocity amplitude of the member's lower joint (3) [ft/s | m/s per ft | m]
  float VCUR2;                 // square of the current speed at the still-water level [ft^2/s^2 | m^2/s^2]
  std::int32_t KBD;            // console input unit, read by the trace's point-count prompt
  float EXTAMP;                // amplitude applied to the member's velocity in the drag part [ft | m]
  float WVAMP;                 // amplitude applied to the wave's velocity in the drag part, 0 leaves it out [ft | m]
  const std::int32_t* LMOMT;   // per element: non-zero records the running totals at that element
  std::int32_t record;         // record switch: 0 records nothing
  const float* COFMST;         // per element: added-mass coefficient
  const float* COFDMT;         // per element: drag factor
  struct Out {
    Complex* CFORCE;           // member force (3) in member axes [kips | t per ft | m of wave amplitude]
    Complex* CMOMT;            // member moment (3) about its lower joint [ft kips | m t per ft | m]
    Complex* SHRMOM;           // in/out: record table (5, *), one column per recorded element
    std::int32_t& IMOMT;       // in/out: records so far, advanced here and never reset here
  } out;
};

// Member load. CFORCE (3) in member axes: 1 the in-plane normal (cos phi, 0, -sin phi), 2 across the
// plane, 3 along the member; CMOMT (3) about the member's lower joint: 1 about the in-plane normal,
// 2 about y, 3 always 0. Per element the inertia factor is (1 + COFMST) BUOY / SLEN across the member
// and BUOY / SLEN along it; the drag factor COFDMT sqrt(BUOY / SLEN) across it and 0 along it (the
// drag part's sums become forces with the caller's drag factor). With `record` set, each element
// whose LMOMT is set adds a column IMOMT + 1 to SHRMOM(5, *): (CFORCE(1), CFORCE(3), CFORCE(2),
// CMOMT(1), CMOMT(2)), the running totals from the lower joint.
void WAVFOR(const WavforArgs& args);

// The arguments of MOMFOR by name: what it only reads, then in `out` what it writes.
struct MomforArgs {
  float LEN;                   // element length [ft | m]
  const float* RBASE;          // position of the element's start point (3) [ft | m]
  const float* DIRMEM;         // unit vector along the element from its start point (3), y component 0
  float WVKX;                  // wave-number component along x [1/ft | 1/m]
  float WVKY;                  // wave-number component along y [1/ft | 1/m]
  float WAVK;                  // wave number [1/ft | 1/m]
  float DEPTH;                 // water depth [ft | m]
  std::int32_t unit;           // console unit of the warnings and the trace
  std::int32_t NBUG;           // non-zero: trace, and the drag integral's point count asked for
  std::int32_t WETELM;         // submerged-member option, as WETYOK of WAVFOR
  ColumnPart ABOVEWATER;       // the part of the column the element's stretches above the water belong to
  float VCUR2;                 // square of the current speed at the still-water level [ft^2/s^2 | m^2/s^2]
  const Complex* BASEVEL;      // velocity amplitude of the element's start point (3) [ft/s | m/s per ft | m]
  std::int32_t DRGFLG;         // 0 the inertia part, any other value the drag part
  Complex DELPH1;              // in-plane rotation amplitude of the element's member [rad per ft | m]
  Complex DELTHT;              // transverse rotation amplitude of the element's member [rad per ft | m]
  float WFREQ;                 // wave frequency omega [rad/s]
  std::int32_t KBD;            // console input unit of the trace's prompt
  float EXTAMP;                // amplitude applied to the member's velocity in the drag part [ft | m]
  float WVAMP;                 // amplitude applied to the wave's velocity in the drag part [ft | m]
  struct Out {
    Complex* CFORCE;           // element force (3) in x, y, z per buoyant force per length and wave amplitude
    Complex* CMOM;             // its moment (3) about the element's start point: CFORCE's unit times [ft | m]
  } out;
};

// Element load per unit of the member's buoyant force per length: CFORCE (3) in x, y, z and CMOM (3)
// about the element's start point, for the element of length LEN from RBASE along DIRMEM (y component
// expected 0). DRGFLG 0 the inertia part, any other value the drag part; BASEVEL is the velocity of
// the start point, DELPH1 and DELTHT the in-plane and transverse rotation amplitudes of the member.
// VCUR2 is the square of the current speed at the still-water level: the drag part takes the current
// at each point of the element, falling off toward the seabed by the one-seventh power law (WAVFOR
// passes its VCUR2 on as it is).
void MOMFOR(const MomforArgs& args);

// Points of the drag integral over a segment of kl radians of wave phase: odd, three intervals per
// radian, at least 9. A segment that starts on the seabed under a current takes twice the intervals,
// graded toward the seabed.
std::int32_t simpsonPointCount(float kl);

}  // namespace qv
