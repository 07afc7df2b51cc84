// The member loads that the wave-frequency reports print in fixed fields (the response tables of
// DYNOUT, the deviations and peaks of RANOUT), and the words with which a stop about a column's
// mean configuration names what to change.
//
// A buoyant riser's loads grow without bound as its members come into line, and a load its field
// cannot hold would print as asterisks in a report that the run then keeps with status 0. The run
// refuses a riser in line under every load before any stage, and one that its loads bring into line
// or its sea takes beyond its members' reach once the slow drift has found the mean state
// (riserBendFinding, riserReachFinding, dataset/run_checks.h); a load that still overflows its field
// stops the run where it would be printed instead, naming the load, its value and the field's limit,
// the members' mean angles and what to change.
#pragma once

#include <string>
#include <string_view>

namespace qv {

// "Under the mean load of 380.68 kips, member 1 (element 1) stands at 20.05 deg and member 2
// (element 2) at 29.40 deg from the vertical": the members of SOLVE at their mean angles (OUTPUT
// PHICON) under the mean load of the stable equilibrium.
std::string meanMemberAnglesText();

// What to change for the column to stand further out of line: for a buoyant riser its length
// against the height from its hinge to the keel, else the elements, the depth and the attachment's
// height; each with its page and item.
std::string alignmentRemedyText();

// Whether the run stops at a load its field cannot hold: an attached buoyant riser's.
bool riserLoadsGuarded();

// Whether `value` prints in a Fortran F field of `width` and `decimals` (fmtF) without asterisks.
bool fitsField(double value, int width, int decimals);

// Stops the run in `routine` when the load `value` of a buoyant riser, which it prints in an F
// field of `width` and `decimals`, does not fit the field: " ++> " routine ": " `what` " is " the
// value ", more than the report's field holds (" its limit ")." then the members' mean angles and
// what to change. A value that is no number is the finite-value rule's (util/fortran_format.h).
void requirePrintableLoad(float value, int width, int decimals, std::string_view routine, const std::string& what);

}  // namespace qv
