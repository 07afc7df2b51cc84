// LOWCOM: the work block of the low-frequency report LOWPRT, holding the deviations of the SALM
// members from their mean equilibrium that the low-frequency motion of the vessel causes.
//
// Cases k (the second or last index of the case tables): 1 the net variation, 2 wind, 3 wave, 4 swell,
// 5 current, 6 the storm peak. Amplitudes of cases 1 to 5 are F times a standard deviation (F = 1 or
// 2 by the data set's ONETWO), of case 6 the storm-peak factor times it. Member ends: end 2m - 1 is
// the bottom and 2m the top of member m; end 2 NCON + 1 the top connection of a yoke. Joints: 1 the
// lowest free joint (the anchor) to NCON + 1 the column top.
//
// Lengths in feet or metres, forces in kips or metric tons, moments in their products, angles in
// radians. Words are pinned in lowcom_layout.cpp. Static storage, zero at program start; reset() for
// tests.
#pragma once

#include <cstdint>
#include <cstring>

#include "slowdrift/output.h"
#include "util/farray.h"

namespace qv {

inline constexpr int kLowCases = 6;      // net, wind, wave, swell, current, storm peak
inline constexpr int kMemberEnds = 13;   // two ends of 6 members and the top connection

struct Lowcom {
  Arr<float, kLowCases> SIGMTN;                     // surge motion amplitude per case [ft | m]
  Arr<float, kLowCases> SIGYHI;                     // rotation amplitude of the high sway-yaw mode per case [rad]
  Arr<float, kLowCases> SIGYLO;                     // rotation amplitude of the low sway-yaw mode per case [rad]
  Arr<float, 3, 6, kLowCases> RTPVAL;               // deviation of each member top: radial, vertical, lateral, by member and case [ft | m]
  Arr<float, 21> REQTMP;                            // mean joint coordinates x, z, y of joints 1 to NCON + 1 [ft | m]
  Arr<float, kMemberEnds, kLowCases> AXLVAL;        // deviation of the axial load per member end and case [kips | t]
  Arr<float, kMemberEnds, kLowCases> SHRVAL;        // deviation of the in-plane shear per member end and case [kips | t]
  Arr<float, kMemberEnds, kLowCases> LTRVAL;        // deviation of the lateral shear per member end and case [kips | t]
  Arr<float, 3> AXLTMP;                             // axial deviation of the member in hand: bottom, top, top connection [kips | t]
  Arr<float, 3> SHRTMP;                             // in-plane shear deviation of the member in hand [kips | t]
  Arr<float, 3> LTRTMP;                             // lateral shear deviation of the member in hand [kips | t]
  Arr<float, 6, kLowCases> PHIVAR;                  // in-plane angle deviation per member and case [rad]
  Arr<float, 6, kLowCases> THTVAR;                  // lateral angle deviation per member and case [rad]
  Arr<float, kMaxMomentElements, 6> QMOM;           // internal loads of the moment points at a displaced position (MOMUPD's columns 1-5)
  Arr<float, 5, kMaxMomentElements, kLowCases> MOMVAL;  // deviation of the five internal loads per moment point and case
  float XSIG;                                       // radial deviation of the top of the member in hand [ft | m]
  float ZSIG;                                       // vertical deviation of the top of the member in hand [ft | m]
  float YSIG;                                       // lateral deviation of the top of the member in hand [ft | m]
  Arr<float, 6> PHIDUM;                             // member angles at the displaced position [rad from the vertical]
  Arr<float, 6> EQANG;                              // member angles at the mean equilibrium [rad from the vertical]
  Arr<float, 7> ZLDEQ;                              // vertical load at each joint at the mean equilibrium [kips | t]
  std::int32_t LASTLO;                              // end of the block

  void reset() { std::memset(static_cast<void*>(this), 0, sizeof *this); }
};

inline constexpr int kLowcomWords = 845;
static_assert(sizeof(Lowcom) == 4 * kLowcomWords, "LOWCOM must be 845 words");

extern Lowcom LOWCOM;

}  // namespace qv
