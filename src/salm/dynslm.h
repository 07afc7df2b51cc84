// The wave-frequency stage of a SALM attached to the moored vessel. DYNSLM runs after the statics
// (SOLVE, the load-offset table of EQUILB), the slow drift (the stable equilibrium ISTAB of EQUILB)
// and, unless the imposed extension drives the stage (LEXTND), the vessel-response stage that wrote
// the yoke motions to "YOKEMOT". It
//
//   - fixes the members' mean angles PHICON at the mean load FTOT(ISTAB) in the load-offset table,
//     with their static end loads FAX, FSHR, masses and the geometry of the connection;
//   - for two members, sets the kinematics ROTMAT from the yoke point's motion to the member
//     angles; for three, the in-plane and transverse normal modes through the linkage ratios
//     (salm/linkage.h) and the coefficients of the motion equations;
//   - sets the drag-area moments AMOM0 ... AMOM3 of every member and the run flags;
//   - walks the vessel headings of "YOKEMOT" (MEMMOT, then MEMLOD, per heading), closes its files
//     and ends with the statistics RANOUT.
//
// Files of the run: "DYNOUT.stxt" on IUNIT when IUNIT = 1, "DYNPLT.plt" on kDynamicsPlotUnit when
// IPLOTS is set, "YOKEMOT" on kYokeMotionUnit (unformatted, must exist) when LEXTND = 0; all are
// closed before RANOUT. MEMMOT walks "YOKEMOT" in blocks of the NWP it had when DYNSLM opened it.
//
// Stops, each with its message, a pause and status 1: a column of other than two or three members
// (two at most for a buoyant riser); members 1 and 2 at the same mean angle; and, before any motion
// is solved, every configuration whose formulas would divide by zero or take the root of a negative
// number: two members in line (no kinematics), a member that the formulas divide by standing
// vertical, members 2 and 3 in line, member 2 that does not turn with member 1 in the in-plane mode,
// a mode whose stiffness over inertia is not positive. A missing or empty "YOKEMOT" stops in RHOPEN
// or FILERR. SINES C1 .. C3 hold the three-member static moment coefficients afterwards.
#pragma once

#include <cstdint>

namespace qv {

inline constexpr std::int32_t kYokeMotionUnit = 13;    // "YOKEMOT", read by MEMMOT
inline constexpr std::int32_t kDynamicsPlotUnit = 14;  // "DYNPLT.plt"

void DYNSLM();

}  // namespace qv
