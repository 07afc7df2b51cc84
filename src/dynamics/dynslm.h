// The wave-frequency stage of a SALM attached to the moored vessel. DYNSLM runs after the statics
// (SOLVE, the load-offset table of EQUILB), the slow drift (the stable equilibrium ISTAB of EQUILB)
// and, unless the imposed extension drives the stage (LEXTND), the vessel-response stage that wrote
// the yoke motions to "YOKEMOT". It
//
//   - fixes the members' mean angles PHICON at the mean load FTOT(ISTAB) in the load-offset table,
//     with their static end loads FAX, FSHR, masses and the geometry of the connection;
//   - for two members, sets the kinematics ROTMAT from the yoke point's motion to the member
//     angles; for three, the in-plane and transverse normal modes through the linkage ratios
//     (dynamics/linkage.h) and the coefficients of the motion equations;
//   - sets the drag-area moments AMOM0 ... AMOM3 of every member and the run flags;
//   - walks the vessel headings of "YOKEMOT" (MEMMOT, then MEMLOD, per heading), closes its files
//     and ends with the statistics RANOUT.
//
// Files of the run: "DYNOUT.stxt" on IUNIT when IUNIT = 1, "DYNPLT.plt" on kDynamicsPlotUnit when
// IPLOTS is set, "YOKEMOT" on kYokeMotionUnit (unformatted, must exist) when LEXTND = 0; all are
// closed before RANOUT. MEMMOT walks "YOKEMOT" in blocks of the NWP it had when DYNSLM opened it,
// taking the yoke's motions from where the vessel response put them (vessel/point_motions.h).
//
// Stops, each with its message, a pause and status 1: a column of other than two or three members
// (two at most for a buoyant riser); members 1 and 2 at the same mean angle; and, before any motion
// is solved, every configuration whose formulas would divide by zero or take the root of a negative
// number: two members in line (no kinematics), a member that the formulas divide by standing
// vertical, members 2 and 3 in line, member 2 that does not turn with member 1 in the in-plane mode,
// a mode whose stiffness over inertia is not positive. A missing "YOKEMOT" stops in RHOPEN, one
// without the yoke's motions in FILERR with lines that say why. SINES C1 .. C3 hold the
// three-member static moment coefficients afterwards.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string_view>

#include "statics/wet_elements.h"

namespace qv {

inline constexpr std::int32_t kYokeMotionUnit = 13;    // "YOKEMOT", read by MEMMOT
inline constexpr std::int32_t kDynamicsPlotUnit = 14;  // "DYNPLT.plt"
inline constexpr std::string_view kDynamicsReportFile = "DYNOUT.stxt";
inline constexpr std::string_view kDynamicsPlotFile = "DYNPLT.plt";

void DYNSLM();

// The stop of DYNSLM and MEMMOT when "YOKEMOT" lacks the yoke's motions of `heading`: the file
// error of `routine`, followed by what the file lacks and why (no vessel point, no displacements
// written, or a file that ends early).
[[noreturn]] void noYokeMotions(std::string_view routine, std::int32_t heading);

// Shared with the free-SALM driver FREMOT.
// The report "DYNOUT.stxt" on IUNIT when IUNIT = 1 and the plot table "DYNPLT.plt" on
// kDynamicsPlotUnit when IPLOTS is set, as fresh files; a failing open or close ends the run under
// the caller's name. A run in which no heading was reported (DYNOUT, as the run flag LREG selects
// the headings) does not leave them empty: before they close, the report says why it holds no
// member response tables and which items of page 18 ask for them, and the plot table holds its
// unit and a count of 0 curves.
void openDynamicsReports(std::string_view caller);
void closeDynamicsReports(std::string_view caller);

// The headings DYNOUT has reported into the open reports: openDynamicsReports sets it to 0, DYNOUT
// counts one per call.
struct SectionSevenState {
  std::int32_t passes = 0;
  void reset() { *this = SectionSevenState{}; }
};
extern SectionSevenState sectionSevenState;
// One line of a debug listing on EDUNIT: the label after a blank, then the values as E14.6.
void listDebugValues(std::string_view label, std::initializer_list<float> values);
// The added inertia AMITMP of DYNCOM for every member (the statics sum the wet elements' alone, a wet
// yoke's too), and the buoyancy moment TMPLBD and buoyancy TMPBCY for each member up to the piercing
// one (SOLVE IPERCN), from the statics' sums; the piercing member's own are the driver's to correct.
void wetMemberTerms();
// The elements' buoyancy with the piercing member as the drivers leave it (DYNCOM TMPBCY, TMPLBD;
// SOLVE DRYVOL, HDRY): at the mean attitude of an attached SALM, upright for a free one.
WetElements dynamicsWetElements();
// The weight moment TMPLWE, the first mass moment CLMAS
// (weight and added mass, over G) and the moment of inertia CMOI (the added one AMITMP and the dry
// one) of each member about its lower joint, from SOLVE and AMITMP of DYNCOM.
void memberMassProperties(float G);

}  // namespace qv
