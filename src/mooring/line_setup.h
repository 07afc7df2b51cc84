// The line set-up: everything the line model reads but no routine of the model fills, built from
// the data set before the line driver (LINDRV), the line-table reader (LOADUP) or the mooring force
// (FMOOR2) run. The disc hull model calls it before LINDRV; so do the tests.
//
// From TPCM: NUMTAB (table points), TDRAFT and what requiredFairleadHeight reads (line_driver.h);
// from TPCM.moor: NLIN, NTYP, NLINE, LINTYP, NELEM, SLEN, WETWT, DRYWT, ALPHA, ANCTYP, RFLD, ANCHGT,
// HTENS, LODTYP, NLAYER, ZSPAN, WLFLAG. It fills in LINCOM:
//   LINEID      per line its type: the first NLINE(t) words of type t's LINTYP record are the numbers
//               of its lines;
//   HLOD        NUMTAB horizontal tensions in geometric progression from 0.02 to 4 times the largest
//               pretension HTENS of the lines;
//   MIDLYR      (NLAYER + 1) / 2, the layer of the undisplaced fairlead;
//   DLAYER      ZSPAN / (NLAYER - 1), the depth step between layers (0 for one layer);
//   the tables  for each line type in use, each layer l (the fairlead raised by (l - MIDLYR) DLAYER
//               above its undisplaced height) and each HLOD(i), one static solution: SEPVES the
//               anchor separation (the grounded part included), TOPTEN the fairlead tension, TOPANG
//               and BOTANG the inclinations at the fairlead and the lower end (atan of the end
//               slopes), BOTLEN the stretched grounded length and FFRICT 0 (no seabed friction);
//               TT_SPLINE_DERIV the splie2 derivatives of TOPTEN along the layers (with more than
//               one layer; the layer abscissae of layerAbscissae());
//   RANCK       per line the anchor separation at its pretension in layer MIDLYR, interpolated in
//               the table over HLOD (over TOPTEN when LODTYP = 2: the pretension is the fairlead
//               tension); ZANCK per line 0.
// The tables describe each line type at a fixed fairlead geometry, so they are solved without the
// buoy pull-down correction (moor.PULLDN), whatever the data set says; everything else of the static
// solver applies.
//
// Data the tables cannot be built from stop the run with a message naming what is wrong: NUMTAB
// outside 2..90, NLAYER outside 1..29, ZSPAN of 0 or less with several layers, NLIN outside 0..150,
// NTYP outside 1..150 (with lines), a LINTYP record naming a line outside 1..NLIN or a line named by
// two types, a line of no type, a type in use without 1 to 25 elements, no positive pretension.
// A static solution that fails stops the run inside the solver. With no lines only MIDLYR and DLAYER
// are set.
#pragma once

namespace qv {

void setUpLineTables();

// The abscissae of the depth layers for the bicubic spline of the fairlead tension: layer l at l
// (29 values), so that a position between layers reads as its layer index plus the blend fraction.
const float* layerAbscissae();

}  // namespace qv
