// The example data sets of examples/ as a user types them into the editor `quorvel`: a new data set
// ("C"), then the pages in their order with the values of the example, up to the prompt of the last
// page (page 19, "End of Session"). What follows there is the user's choice: 1 saves the data set
// and ends the session; 4 runs the final page's checks, saves the data set with what they settle
// and executes the analysis silently (the builder quorvel-examples does so). The end-to-end tests
// type the same sessions.
//
// One typed line per reply; an empty line is a blank reply, which leaves a page for the next one (or
// an element page for the next element). Nothing is set that no page sets: the vessel comes from the
// tanker estimator of page 5, and what the analysis needs besides (the yoke's hinge as the vessel
// point whose motions drive the SALM) the analysis runner sets for its run.
#pragma once

#include <string>

namespace qv::examples {

// Page 1: the two title lines, metric units (the labels and the water density converted), 100 m
// of water; then on to page 2.
inline std::string typedSite(const std::string& title1, const std::string& title2) {
  return "1\n" + title1 + "\n" +
         "2\n" + title2 + "\n" +
         "3\n"      // units of measure: metric,
         "1\n"      // converting the labels and the water density only
         "4\n100\n" // water depth [m]
         "\n";
}

// Pages 2 to 10 of the tanker example, in three pieces: pages 2 to 7, page 8, pages 9 and 10. Page 2:
// four SALM elements, loads up to 600 t in a table of 30 points with offsets by 1 m, the surface buoy
// (element 3) piercing the water with 63.62 m2. Page 3: a 2 m column tube of 62 m on a universal
// joint at the seabed, under a 6 m buoyancy tank of 14 m; the 9 m surface buoy of 30 m turns on a
// joint at the tank's top; the yoke, 30 m long and dry, hangs from the buoy's top to the tanker's
// bow, 12 m above the waterline, 150 m ahead of midships; bending moments at the tops of the column
// and of the buoy. Pages 5 to 10: the tanker of 147,630 long tons (150,000 t) deadweight at 16 m
// draft from the estimator, the OCIMF wind, the extreme cylindrical bow current and the 2001 tanker
// wave drift models, wind and current on.
inline const std::string kTankerSalmAndVesselPages =
    // Page 2.
    "1\n4\n"        // SALM elements
    "2\n600\n"      // maximum horizontal load [t]
    "3\n1\n"        // offset increment [m]
    "4\n30\n"       // points of the interpolation table
    "5\n63.62\n"    // waterplane area of the piercing element [m2]
    "6\n3\n"        // the element that pierces the water
    "\n"
    // Page 3: the submergence option as it is; on to element 1.
    "\n"
    // Element 1, the column tube (member 1): length, volume, centre of volume, dry weight, centre of
    // gravity, its lower joint free, gyradius, a bending moment at its top.
    "2\n62\n" "3\n194.8\n" "4\n31\n" "5\n150\n" "6\n31\n" "7\n" "8\n17.9\n" "11\n"
    "\n"
    // Element 2, the buoyancy tank.
    "2\n14\n" "3\n395.8\n" "4\n7\n" "5\n150\n" "6\n6\n" "8\n4.5\n"
    "\n"
    // Element 3, the surface buoy (member 2).
    "2\n30\n" "3\n1908.5\n" "4\n15\n" "5\n500\n" "6\n10\n" "7\n" "8\n9.0\n" "11\n"
    "\n"
    // Element 4, the yoke (member 3), attached by a yoke: 12 m above the waterline at the vessel,
    // 150 m ahead of midships, its two sides 20 m apart.
    "2\n30\n" "5\n200\n" "6\n15\n" "7\n" "8\n8.7\n"
    "13\n2\n"
    "14\n" "1\n12\n" "2\n150\n" "3\n20\n" "\n"
    "\n"
    // Page 4 as it is.
    "\n"
    // Page 5: the draft, then the estimator: the deadweight in long tons, every estimate taken.
    "10\n16\n"
    "12\n" "1\n147630\n" "Z\n"
    "\n"
    // Pages 6 and 7 as the estimator left them.
    "\n"
    "\n";

// Page 8 of the tanker example: the force models of wind, current and wave drift.
inline const std::string kTankerForceModelsPage =
    "2\n4\n"   // OCIMF tanker '77
    "12\n5\n"  // extreme cylindrical bow '91
    "22\n6\n"  // tanker (2001)
    "\n";

// Pages 9 and 10 of the tanker example.
inline const std::string kTankerForcesAndAreasPages =
    // Page 9: no external force.
    "\n"
    // Page 10: wind and current on, their areas from the estimator.
    "1\n" "11\n"
    "\n";

// Pages 11 and 12 of both examples: wind of 40 knots and current of 2 knots (uniform over the depth)
// toward 180 degrees.
inline const std::string kWindAndCurrentPages =
    // Page 11: wind speed [knots] and heading [deg].
    "1\n40\n" "2\n180\n"
    "\n"
    // Page 12: current speed and heading, uniform over the depth.
    "1\n2\n" "2\n180\n" "3\n2\n"
    "\n";

// Pages 14 to 18 of both examples: periods 4 to 24 s by 0.5 s; a regular wave of 2.83 m (4 m /
// sqrt 2) toward 180 degrees (its heading is shown only while the irregular sea is off, so the sea
// goes off and on again around it); a mean JONSWAP sea of 4 m and 10 s toward 180 degrees without
// spreading; no swell; the position and angle response operators as well, a storm of 3 hours, plot
// files.
inline const std::string kSeaAndOutputPages =
    // Page 14: 41 periods, filled by the table's auto repeat from 4 s by 0.5 s; the wave height [m].
    "1\n41\n" "2\n" "42\n4\n0.5\n" "\n"
    "4\n2.83\n"
    "\n"
    // Page 15: the irregular sea off for a moment, back (B) to page 14 for the regular waves' heading,
    // then the sea on again: mean JONSWAP toward 180 degrees, 4 m, 10 s, long-crested.
    "1\n" "B\n"
    "6\n180\n" "\n"
    "1\n" "2\n3\n" "4\n180\n" "6\n4\n" "7\n10\n"
    "\n"
    // Page 16: no swell.
    "\n"
    // Page 17: position and angle response operators, a storm of 3 hours.
    "6\n" "7\n" "51\n3\n"
    "\n"
    // Page 18: plot files.
    "11\n"
    "\n";

// examples/tanker-yoke: the yoke SALM with its tanker; page 13 as it is (regular waves drive the
// wave-frequency dynamics). `forceModelsPage` types page 8 (the tests type other models there).
inline std::string tankerYokeSession(const std::string& forceModelsPage) {
  return "C\n" +
         typedSite("Example: 150,000 t tanker on a yoke SALM in 100 m of water",
                   "JONSWAP Hs 4 m, Tp 10 s; wind 40 knots, current 2 knots, all collinear") +
         kTankerSalmAndVesselPages + forceModelsPage + kTankerForcesAndAreasPages + kWindAndCurrentPages + "\n" +
         kSeaAndOutputPages;
}
inline const std::string kTankerYokeSession = tankerYokeSession(kTankerForceModelsPage);

// examples/free-salm: the same site and sea, and no vessel. Page 2: two SALM elements, loads up to
// 600 t in a table of 30 points with offsets by 1 m, the buoy (element 2) piercing the water with
// 28.27 m2. Page 3: a 2 m riser of 80 m on a universal joint at the seabed and a 6 m buoy of 30 m on a
// joint at its top, bending moments at the tops of both, no attachment (free SALM). A free SALM's
// pages skip the vessel's and the wind's, and show the current's only while the current is on: the
// session goes (J10) to page 10 to switch wind and current on, then on through pages 11 and 12 to
// the sea (page 13 is skipped). The current acts on the members; the wind of the title reaches no
// stage of a free SALM's run.
inline const std::string kFreeSalmSession =
    "C\n" +
    typedSite("Example: a free-standing two-member SALM in 100 m of water",
              "JONSWAP Hs 4 m, Tp 10 s; wind 40 knots, current 2 knots, all collinear") +
    // Page 2.
    "1\n2\n"       // SALM elements
    "2\n600\n"     // maximum horizontal load [t]
    "3\n1\n"       // offset increment [m]
    "4\n30\n"      // points of the interpolation table
    "5\n28.27\n"   // waterplane area of the piercing element [m2]
    "6\n2\n"       // the element that pierces the water
    "\n"
    // Page 3: the submergence option as it is; on to element 1.
    "\n"
    // Element 1, the riser (member 1): length, volume, centre of volume, dry weight, centre of
    // gravity, its lower joint free, gyradius, a bending moment at its top.
    "2\n80\n" "3\n251.3\n" "4\n40\n" "5\n150\n" "6\n40\n" "7\n" "8\n23.1\n" "11\n"
    "\n"
    // Element 2, the buoy (member 2), standing free.
    "2\n30\n" "3\n848.2\n" "4\n15\n" "5\n250\n" "6\n13\n" "7\n" "8\n8.7\n" "11\n"
    "13\n1\n"
    // On (J10) to page 10: wind and current on.
    "J10\n"
    "1\n" "11\n"
    "\n" +
    kWindAndCurrentPages + kSeaAndOutputPages;

}  // namespace qv::examples
