// SOLVE: the SALM column as the statics leaves it for every later stage (slow drift, low-frequency
// report, wave-frequency dynamics of an attached or a free SALM).
//
// The column is a chain of NCON rigid members (at most 6), numbered upward from the lowest free joint
// (member 1) to the member that carries the vessel attachment; member IPERCN pierces the still-water
// surface. A member's attitude is the cotangent of its angle from the vertical. Arrays of 6 hold one
// value per member, arrays of 90 by 6 one value per load-table point and member (first index
// fastest). Lengths are in feet or metres and forces in kips or metric tons, by the data set's unit
// system; buoyancies are forces. The working members (CUMWT, HIGHPT, the piercing member's draft
// outputs HWET ... BOYMOM) describe the last attitude evaluated by the column routines
// (statics/column.h); ZFILL leaves them for its caller.
//
// Words are pinned in solve_layout.cpp. The block is static storage, zero at program start; the
// statics' member sums rely on that, so a second run in one process calls reset() first.
#pragma once

#include <cstdint>
#include <cstring>

#include "dataset/tpcm_codes.h"
#include "util/farray.h"

namespace qv {

inline constexpr int kMaxMembers = 6;  // members of the column

struct Solve {
  Arr<float, kMaxMembers> CNCB;                       // centre of buoyancy from the lower joint; the length when without buoyancy [ft | m]
  Arr<float, kMaxMembers> CNCG;                       // centre of gravity from the lower joint; the length when weightless [ft | m]
  Arr<float, kMaxMembers> CNBUOY;                     // buoyancy [kips | t]
  Arr<float, kMaxMembers> CNMASS;                     // weight [kips | t]
  Arr<float, kMaxMembers> CNLEN;                      // length [ft | m]
  Arr<float, kMaxMembers + 1> ZLOAD0;                 // vertical load at joints 1..NCON+1 at zero horizontal load [kips | t]
  Arr<float, kMaxTablePoints, kMaxMembers> COTANP;    // cotangent of the member's angle from the vertical, per table point
  Arr<float, kMaxMembers> WETARM;                     // moment term (W g - B b) / L of the member as it lies [kips | t]
  Arr<float, kMaxMembers> WETWT;                      // net weight W - B of the member as it lies [kips | t]
  float WETVL0;                                       // buoyancy of the piercing member up to and including its piercing element [kips | t]
  float PRCCB;                                        // centre of that buoyancy from the member's lower joint [ft | m]
  float B0;                                           // buoyancy of the piercing member at zero load [kips | t]
  float HDRY0;                                        // height of the piercing member's top above the surface at zero load [ft | m]
  Arr<float, kMaxMembers> CNGYR;                      // radius of gyration about the member's centre of gravity [ft | m]
  float CUMWT;                                        // running sum of net weights from member 2 up [kips | t]
  float DEFF;                                         // water depth above the lowest free joint [ft | m]
  float HIGHPT;                                       // running height of the current joint above the lowest free joint [ft | m]
  float COTAN1;                                       // upper end of the current table-search bracket
  float FTOP;                                         // vertical load at the top of a buoyant riser; always 0 [kips | t]
  float RB;                                           // equivalent radius sqrt(WPA1 / pi) of the piercing element [ft | m]
  float RB2;                                          // RB squared [ft^2 | m^2]
  float WPA1;                                         // waterplane area of the piercing element [ft^2 | m^2]
  std::int32_t IPERCN;                                // piercing member; 0 none (all dry), NCON+1 all submerged
  std::int32_t NCON;                                  // number of members
  std::int32_t ITABLE;                                // table point being solved (NUMTAB after the report)
  std::int32_t IARC1;                                 // copy of the data set's attachment type IARCO
  std::int32_t IFIRST;                                // first element of member 1
  Arr<std::int32_t, kMaxSalmElements> JELEM;          // first element of each member; JELEM(NCON+1) = NELEM+1
  float BOYMOM;                                       // buoyancy moment term B b / L of the piercing member at its draft [kips | t]
  float CUMWT1;                                       // CUMWT including the piercing member at its draft [kips | t]
  float WE1;                                          // weight moment term W g / L of member 1 [kips | t]
  float BD1;                                          // buoyancy moment term B b / L of member 1 [kips | t]
  float WEPERC;                                       // weight moment term W g / L of the piercing member [kips | t]
  float BOYLEN;                                       // axial distance from the piercing member's lower joint to the top of its buoyant part [ft | m]
  float WETVOL;                                       // wet buoyancy of the piercing member at its draft [kips | t]
  float BCONV;                                        // factor from volume to buoyant force, DWATR / 1000 [kips/ft^3 | t/m^3]
  float YOKBOT;                                       // height the column top must reach above the lowest free joint [ft | m]
  float DPHI;                                         // heading step of the slow-drift scan [rad]
  float ANCHT;                                        // height of the lowest free joint above the seabed [ft | m]
  float BYTOP;                                        // height of the piercing member's top above the lowest free joint at zero load [ft | m]
  float HWET;                                         // wetted axial length of the piercing member below the surface [ft | m]
  float HDRY;                                         // dry axial length of the piercing member's buoyant part [ft | m]
  float DRYVOL;                                       // buoyancy lost by the dry part [kips | t]
  Arr<float, kMaxMembers> CADMOI;                     // added moment of inertia about the lower joint [mass units x ft^2 | x m^2]
  Arr<float, kMaxMembers + 1> ZLDTMP;                 // working vertical loads at joints 1..NCON+1 (filled by ZFILL) [kips | t]
  Arr<float, kMaxTablePoints, kMaxMembers> PHIANG;    // member angle from the vertical per table point [rad]
  Arr<float, 3> ADMLBD;                               // added-mass moment sum COFMST B lever of members 1 to 3 [kips ft | t m]
  Arr<float, 3> ADMBCY;                               // added mass sum COFMST B of members 1 to 3 [kips | t]

  void reset() { std::memset(static_cast<void*>(this), 0, sizeof *this); }
};

inline constexpr int kSolveWords = 1226;
static_assert(sizeof(Solve) == 4 * kSolveWords, "SOLVE must be 1,226 words");

extern Solve SOLVE;

}  // namespace qv
