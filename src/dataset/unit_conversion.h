// The full conversion of the data set between English units (feet, kips, inches) and metric units
// (metres, metric tons, millimetres): one converter per block of TPCM, each rescaling its members in
// place. TOPCVRT runs first: it alone flips NUNTS, and every other converter takes its direction
// from the flipped value (0: the data set is now English; anything else: now metric).
//
// Speeds, angles, periods, counts and flags are never converted, nor LOWCOF. Every array is walked
// over its whole extent, whatever count of it is in use.
#pragma once

#include <cstdint>

namespace qv {

// The factors of one direction, 4-byte floats. The derived ones are formed in 4-byte arithmetic in
// this order, so that a conversion and its reverse meet within the last place of each value:
// L2 = L*L, L3 = L*L2, FperL = F/L, FL = F*L, FperL3 = FperL/L2.
struct UnitFactors {
  float L;       // length: 0.3048 m/ft to metric, 3.2808399 ft/m to English
  float F;       // force and weight: 0.45359248 t/kip to metric, 2.204622 kip/t to English
  float D;       // line diameter: 25.400051 mm/in to metric, 0.03937 in/mm to English
  float L2;      // area
  float L3;      // volume
  float FperL;   // force per length (stiffness, line weight)
  float FL;      // moment
  float FperL3;  // density: 16.01847 (kgw/m^3)/(lbs/ft^3) to metric
};

// The factors into the unit system `nunts` (0 English; any other value metric).
UnitFactors unitFactors(std::int32_t nunts);

void TOPCVRT();  // flips NUNTS, then the site and environment members of section 1
void VESCVRT();  // the vessel block of section 1
void SEMCVRT();  // the hull-member table of section 2
void SLMCVRT();  // the SALM element layout of section 2
void MORCVRT();  // the mooring lines of section 3
void CATCVRT();  // the catenary layout of section 4 (creator type 8)
void STMCVRT();  // the spread-mooring statics layout of section 4 (creator type 7)
void TUGCVRT();  // the second body's vessel block in section 2 (creator types 10 and 13)

// The whole data set: TOPCVRT, VESCVRT, then the converters of the blocks that the data set's
// creator type CREATR uses. This program's data sets (CREATR 11) hold both the SALM elements and
// the hull-member table of a semi-submersible, tension-leg platform or spar: both convert.
void convertWholeDataSet();

}  // namespace qv
