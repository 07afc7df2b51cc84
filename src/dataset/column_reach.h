// The SALM column as the statics see it: the members its elements form, whether such a column can
// bring its top to the height of the vessel's attachment, and how a column held there bends under a
// horizontal load. The run's checks and the stages read these from here, so they give one verdict
// on a column that cannot reach or cannot be resolved.
#pragma once

#include <span>
#include <vector>

namespace qv {

// The members the statics form from the elements of TPCM: the leading elements with a frozen lower
// joint are the base; member 1 starts at the first element with a free lower joint (at the last
// element when no other is free), and each later free joint starts one more. Lengths are summed in
// element order, as the statics sum them. Empty without elements.
struct SalmMembers {
  std::vector<int> firstElement;  // the first element of each member
  std::vector<float> length;      // each member's length [ft | m]
  float baseLength = 0.0f;        // the frozen base's elements together [ft | m]
  // The force of one unit of TPCM BUOY [kips | t]: the water's density per thousand while the data set
  // holds volumes, 1 once the statics have turned them into forces in place (later stages read them so).
  double buoyancyForce = 0.0;
  // The force of one unit of volume [kips per ft^3 | t per m^3]: the water's density per thousand, as
  // the statics turn the elements' volumes into forces; a volume a change adds is made a force so.
  double volumeForce = 0.0;
};
SalmMembers salmMembers();

// The height above its lowest free joint that the top of an attached column must reach (YOKBOT of
// the statics): the water depth, less the frozen base's height when the first joint is frozen
// (its elements inclined by ANCHOR), plus the attachment's height above the waterline (YOKEHT; for a
// buoyant riser, held at the keel, less the draft).
float attachmentHeight(const SalmMembers& members);

// Whether a column of members of these lengths (lowest first), every one standing straight up or
// down but one, the closing member, which leans, can bring its top to `height` above its lowest
// joint: the configurations among which the statics look for the least potential energy. Patterns
// are taken as the statics take them, so the same lengths give the same verdict.
bool columnReachesHeight(std::span<const float> lengths, float height);

// The slack of an attached column: its members' whole length less the height its top is held at
// above its lowest free joint (attachmentHeight), the offset 0. A buoyant riser whose slack is nil
// stands in line between its hinge and the keel under every load; one whose reserve under its loads
// the keel's motion takes up goes taut in the waves. Either way its loads have no bound in the
// linear model.
float heldColumnSlack(const SalmMembers& members);

// A column whose top is held at a height, as a buoyant riser is at the vessel's keel: under a
// horizontal load H at its top every member leans to balance its moments about its lower joint,
// H c_k = T_k - M_k (c_k its cotangent, T_k the vertical pull at its top, M_k its moment term), so
// the cotangents differ from member 1's by what the net weights in between and the moment terms
// give, divided by H; the one shape whose top reaches the height is the column's. The closer its
// members come into line, the more the vertical pull (the riser's tension) grows, about as the square
// root of H times the members' net buoyancy over the sine of their bend, and with it what a small
// motion of the top does to their angles. In line, the balance leaves the pull undetermined.
//
// Each member's length, its net weight as it lies (W - B in the water, W above it) and its moment
// term M = (W g - B b) / L about its lower joint (g, b the centres of gravity and buoyancy from it),
// as the statics sum them [ft | m, kips | t].
struct HeldColumn {
  std::vector<double> length;
  std::vector<double> netWeight;
  std::vector<double> momentTerm;
};

// A change of one element of the members as page 3 makes it, one item alone: element `element` (0
// for none) counts `length` longer (item 2) and `volume` larger (item 3) [ft | m; ft^3 | m^3]. The
// rest of the element is kept: its weight and the centres of its weight and of its volume, each from
// its lower end (items 4 to 6), so that a longer element carries the same loads over a longer lever
// and a larger volume buoys it with more force at the same centre.
struct ElementChange {
  int element = 0;
  double length = 0.0;
  double volume = 0.0;
};

// The members of TPCM (salmMembers) as a held column. Each member lies wholly in the water or wholly
// above it, as the piercing element IPIERC puts it: beyond the elements, every member in the water;
// below the first free element, every member dry. Each element's volume is made a force as
// `members` says (SalmMembers buoyancyForce), a volume `change` adds by volumeForce. Empty when the
// piercing element is one of the members', whose buoyancy follows its draft.
HeldColumn heldColumn(const SalmMembers& members, const ElementChange& change = {});

// The least load of a held column's shape, in its forces (its net weights and moment terms): under a
// thousandth of them every member but one stands within a twentieth of a degree of the vertical, as
// at no load, and the cotangents of smaller loads lose their digits; smaller loads are taken at it.
inline constexpr double kLeastHeldLoad = 1.0E-3;

// Each member's balance term [kips | t]: under the horizontal load H at the top, member k's cotangent
// exceeds member 1's by its term over H, the net weights of the members between them (member 1's
// excluded, member k's included) less its own moment term, plus member 1's; 0 for member 1. The one
// home of the members' balance: their shape under a load (heldColumnAngles) and its limit as the
// load falls to nothing (noLoadTopOffset, dataset/riser_judge).
std::vector<double> memberBalanceTerms(const HeldColumn& column);

// The members' angles from the vertical [rad], lowest first, with the top held at `height` above the
// lowest free joint under the horizontal load H (> 0) at the top (kLeastHeldLoad at least): the
// column's one shape, since the top's height falls steadily as member 1 leans further. Empty when no
// shape reaches the height without the members standing in line: together they are no longer than
// the height (or no longer than its depth, below the joint).
std::vector<double> heldColumnAngles(const HeldColumn& column, double height, double H);

// How far a column bends at its most bent joint: the largest sine of the angle between two adjacent
// members (0 for no angles).
double largestBend(const std::vector<double>& angles);

// The sine of the least bend between two members at which the wave-frequency member loads solve
// for their axial loads (the divisor of that solution). A buoyant riser bent less under a load its
// run reaches cannot be resolved.
inline constexpr double kLeastMemberBend = 0.03;

// Whether the members of a held column with its top at `height` stand clear of line under H (> 0):
// bent by kLeastMemberBend at least at the most bent joint of their one shape (heldColumnAngles).
// The one test of it: the clear loads below, the riser's findings and the judges of its remedies
// (dataset/run_checks, dataset/riser_judge, dataset/riser_remedy) all ask it here.
bool heldColumnStandsClear(const HeldColumn& column, double height, double H);

// The horizontal distance of the top of a held column from its lowest free joint under H (> 0), the
// sum of its members' horizontal extents in their one shape (heldColumnAngles); NaN where the column
// has no shape.
double heldColumnOffset(const HeldColumn& column, double height, double H);

// The loads under which a held column bends by kLeastMemberBend at least at its most bent joint, one
// range from `lower` to `upper`. Large loads straighten the members into line. Small ones leave them
// as at no load, which is in line too where a member hangs folded back from the one below it (a
// first member as long as the height plus the second's length); between, the members open out.
// Loads are taken from kLeastHeldLoad of the column's forces to a billion times them: `lower` is 0
// when the members stand clear from the least load, `upper` infinity when clear up to the most; both
// 0 when no load keeps them clear (members that together just span the height).
struct HeldColumnClearLoads {
  double lower = 0.0;
  double upper = 0.0;
};
HeldColumnClearLoads heldColumnClearLoads(const HeldColumn& column, double height);

// The upper end of that range: the largest load under which the members still stand clear.
double heldColumnClearLoad(const HeldColumn& column, double height);

// The same upper end found from a load H under which the members stand clear (bisected upward from
// it, cheaper than the whole range); H itself when they do not stand clear under it.
double heldColumnClearLoadAbove(const HeldColumn& column, double height, double H);

// A bend (largestBend, the sine of the angle between two members) in degrees, as the messages that
// name one give it: kLeastMemberBend is 1.72 degrees. The one home of that turn: the riser's findings
// (dataset/run_checks), the statics' warning of a table that ends where the members come into line
// (statics/stsalm) and the member loads' warning of members nearly in line (dynamics/memlod).
double degreesOutOfLine(double bend);

}  // namespace qv
