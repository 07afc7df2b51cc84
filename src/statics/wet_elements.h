// Which parts of the SALM column water acts on, and the buoyancy and added mass of the elements as
// the column lies in the water, for the walks up the members to their moment points (the
// member-load report, the low-frequency member statistics, the static moments of the statistics
// report).
//
// One rule, the option map of page 3 (WETYOK), serves every stage: the statics' added-mass sums, the
// dynamics drivers' added mass and inertia and their drag areas, the wave loads of WAVFOR and MOMFOR,
// and the added mass of the member-load walks. A part of the column under the water is wet; the buoy
// top (the piercing member's part above the water) is wet under WETYOK 1, 2, 5 and 6; the yoke (the
// members above the piercing member) under 1 to 6. Wet, a part takes added mass, wave loads and drag;
// dry, none. Static buoyancy is not the option's: above the water nothing floats under WETYOK 0 to 4
// (the statics count the piercing member's buoyancy up to its piercing element, and none above it),
// and under 5 and 6 no element pierces the surface.
//
// The statics and the dynamics count the piercing member's buoyancy up to and including its piercing
// element, and of that only the part under water; the members above the piercing one are dry. A walk
// that adds each element's net weight, buoyancy moment and added mass must count the same, or it
// finds loads at a free top and moments at a hinge. wetElements gives each element's buoyancy and its
// lever as the column floats:
//   - members below the piercing member, and elements of the piercing member below its piercing
//     element: the element's own BUOY and CBUOY, spread evenly along it;
//   - the piercing element (IPIERC): what stays of the member's wet buoyancy and of its moment about
//     the member's lower joint once the elements below have taken theirs;
//   - every element above the piercing element: none.
// and the buoyancy whose added mass the dynamics count, by the rule: a wet part's own (the piercing
// element's whole when the buoy top is wet), the wet buoyancy of the piercing element under a dry
// top, which loses its dry part (SOLVE DRYVOL over the dry length HDRY below the top of the buoyant
// part, BOYLEN) as the dynamics drivers take it off; none for a dry part. Its second moment is taken
// about the member's lower joint, as the equations of motion sum it: under a dry top the piercing
// element's is the whole element's less its dry part's, each about its own centre. It cannot be
// moved there from the element's lower end with the wet remainder's buoyancy and lever: that lever
// holds the waterplane's moment of the tilted buoyancy besides the wet centroid, and a piercing
// element that starts above the member's lower joint would then load the hinge at the member's top.
// With IPERCN = NCON + 1 (all submerged) every element keeps its own; with IPERCN = 0 all float none.
//
// The piercing member's wet buoyancy and its moment come from the stage at hand, at the attitude the
// column takes there. The moment is the buoyancy times an axial lever whose horizontal projection
// gives the moment of the vertical buoyancy about the lower joint (a centroid off the member's axis
// folded into it), the convention of DYNCOM TMPLBD and of ZFILL's BOYMOM.
#pragma once

#include <cstdint>

#include "dataset/tpcm_codes.h"
#include "util/farray.h"

namespace qv {

// Where a part of the column lies, for the wetness rule.
enum class ColumnPart : std::uint8_t {
  kBelowPiercing,       // a member below the piercing member, under water as the statics count it
  kPiercingUnderWater,  // the piercing member's part under the still water
  kBuoyTop,             // the piercing member's part above the still water
  kYoke,                // a member above the piercing member (every member when none pierces)
};

// The rule: whether water acts on a part of the column under the submergence option WETYOK. Values
// outside 0 to 6 count as 2, the whole system wet.
constexpr bool partIsWet(ColumnPart part, std::int32_t wetyok) {
  switch (part) {
    case ColumnPart::kBuoyTop: return wetyok != 0 && wetyok != 3 && wetyok != 4;
    case ColumnPart::kYoke: return wetyok != 0;
    default: return true;
  }
}

// The part that the stretches of member n above the still water belong to (SOLVE IPERCN): the buoy
// top on the piercing member, the yoke above it; below it the whole member counts as under water.
ColumnPart aboveWaterPart(std::int32_t n);

// The part that element k of member n belongs to as the statics count the column: the elements up to
// the piercing element IPIERC are under water (the piercing element's dry part is the dynamics' to
// take off, at the attitude they find), those above it the buoy top or the yoke. For an element above
// the piercing one, SOLVE IPERCN must be final; below it either answer is wet.
ColumnPart elementPart(std::int32_t k, std::int32_t n);

// Whether element k of member n is wet by the rule under the data set's WETYOK.
bool elementIsWet(std::int32_t k, std::int32_t n);

struct WetElements {
  Arr<float, kMaxSalmElements> BUOY;    // buoyant force of each element as it lies [kips | t]
  Arr<float, kMaxSalmElements> CBUOY;   // its lever from the element's lower end [ft | m]
  Arr<float, kMaxSalmElements> ADDBUO;  // the buoyancy whose added mass the dynamics count [kips | t]
  Arr<float, kMaxSalmElements> ADDCB;   // its lever from the element's lower end [ft | m]
  Arr<float, kMaxSalmElements> ADDINR;  // its second moment about the member's lower joint [kips ft^2 | t m^2]
};

// From the data set's element tables, WETYOK and SOLVE (NCON, IPERCN, JELEM, and the dry part DRYVOL,
// HDRY, BOYLEN); wetBuoyancy [kips | t] and wetMoment [ft kips | m t] are the piercing member's (not
// read unless 1 <= IPERCN <= NCON).
WetElements wetElements(float wetBuoyancy, float wetMoment);

// The second moment about the piercing member's lower joint of the buoyancy its dry part loses: SOLVE
// DRYVOL spread along the member's axis over the dry length HDRY below the top of the buoyant part,
// BOYLEN [kips ft^2 | t m^2]. What the dry part takes off the member's added inertia under a dry buoy
// top, in the drivers' equations of motion and in the member-load walk alike.
float dryPartSecondMoment();

// Whether the piercing member SOLVE IPERCN is one of the column's members (1 to NCON): only then
// are the piercing member's wet buoyancy and moment read.
bool piercingMemberInColumn();

// The piercing member at the attitude ZFILL last evaluated (SOLVE WETVOL, BOYMOM, DRYVOL, HDRY).
WetElements zfillWetElements();

}  // namespace qv
