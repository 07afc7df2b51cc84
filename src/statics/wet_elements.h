// The buoyancy of the SALM elements as the column lies in the water, for the walks up the members to
// their moment points (the member-load report, the low-frequency member statistics, the static
// moments of the statistics report).
//
// The statics and the dynamics count the piercing member's buoyancy up to and including its piercing
// element, and of that only the part under water; the members above the piercing one are dry. A walk
// that adds each element's net weight, buoyancy moment and added mass must count the same, or it
// finds loads at a free top and moments at a hinge. wetElements gives each element's buoyancy, its
// lever and the second moment of its buoyancy (the added inertia per unit added-mass coefficient):
//   - members below the piercing member, and elements of the piercing member below its piercing
//     element: the element's own BUOY and CBUOY, spread evenly along it;
//   - the piercing element (IPIERC): what stays of the member's wet buoyancy and of its moment about
//     the member's lower joint once the elements below have taken theirs; its second moment is the
//     whole element's less that of the dry part (SOLVE DRYVOL over the dry length HDRY below the top
//     of the buoyant part, BOYLEN), as the dynamics drivers take the added inertia;
//   - every element above the piercing element: none.
// With IPERCN = NCON + 1 (all submerged) every element keeps its own; with IPERCN = 0 all are dry.
//
// The piercing member's wet buoyancy and its moment come from the stage at hand, at the attitude the
// column takes there. The moment is the buoyancy times an axial lever whose horizontal projection
// gives the moment of the vertical buoyancy about the lower joint (a centroid off the member's axis
// folded into it), the convention of DYNCOM TMPLBD and of ZFILL's BOYMOM.
#pragma once

#include "dataset/tpcm_codes.h"
#include "util/farray.h"

namespace qv {

struct WetElements {
  Arr<float, kMaxSalmElements> BUOY;    // buoyant force of each element as it lies [kips | t]
  Arr<float, kMaxSalmElements> CBUOY;   // its lever from the element's lower end [ft | m]
  Arr<float, kMaxSalmElements> ADDINR;  // second moment of its buoyancy about its lower end [kips ft^2 | t m^2]
};

// From the data set's element tables and SOLVE (NCON, IPERCN, JELEM, and the dry part DRYVOL, HDRY,
// BOYLEN); wetBuoyancy [kips | t] and wetMoment [ft kips | m t] are the piercing member's (not read
// unless 1 <= IPERCN <= NCON).
WetElements wetElements(float wetBuoyancy, float wetMoment);

// Whether the piercing member SOLVE IPERCN is one of the column's members (1 to NCON): only then
// are the piercing member's wet buoyancy and moment read.
bool piercingMemberInColumn();

// The piercing member at the attitude ZFILL last evaluated (SOLVE WETVOL, BOYMOM, DRYVOL, HDRY).
WetElements zfillWetElements();

}  // namespace qv
