// Reading the line tables: the state of a line whose fairlead has moved to a new horizontal
// distance from its anchor and a new vertical offset, interpolated between table points and depth
// layers instead of solved again (LOADUP); and the unpacking of a six-component displacement into
// the inputs of the mooring force (VARUPD).
//
// The tables are the LINCOM arrays (table point, depth layer, line type) of 90 x 29 x 150 4-byte
// floats, passed whole by their first entry (LINCOM.SEPVES.data(), ...): SEPVES the anchor
// separation at the horizontal tension HLOD(point), TOPTEN the fairlead tension, TT_SPLINE_DERIV its
// splie2 derivatives along the layers, TOPANG and BOTANG the inclinations at the fairlead and the
// lower end [rad below the horizontal], BOTLEN the grounded length. A position between layer L and
// L + 1 reads every table as (1 - f) value(L) + f value(L + 1). setUpLineTables (line_setup.h)
// fills them; the layer abscissae of the spline are layerAbscissae() there.
#pragma once

#include <cstdint>

#include "numlib/interpolation.h"

namespace qv {

// Column (., layer, type) of a line table passed whole: its 90 table points.
inline const float* tableColumn(const float* table, std::int32_t layer, std::int32_t type) {
  constexpr int kLayers = 29;
  return table + kLayerPoints * ((layer - 1) + kLayers * (type - 1));
}

// The state of a line of type `type` whose fairlead lies `separation` from its anchor horizontally
// and has moved `dz` vertically (up positive). Arguments in order:
//   1 separation        horizontal fairlead-anchor distance [ft | m]
//   2 dz                vertical displacement of the fairlead [ft | m]
//   3 fairleadHeight    the fairlead's vertical coordinate (RFLD(3)) [ft | m]
//   4 referenceHeight   subtracted in the vertical span: the draft of the body (TDRAFT) [ft | m]
//   5 type              line type 1..150
//   6 NLYR              depth layers of the tables
//   7 spacing           depth step between layers (DLAYER) [ft | m]
//   8 zeroLayer         the layer of zero displacement (MIDLYR)
//   9 span              depth span of the layers (ZSPAN) [ft | m]
//  10 NTAB              table points in use
//  11 HLOD              the table tensions [kip | t]
//  12 typeHeight        per type, the height added to the vertical span (ANCHGT) [ft | m]
//  13 tensionGuess      per type, a tension of the expected size for VRTLIN [kip | t]
//  14-18                the tables SEPVES, TOPTEN, BOTLEN, TOPANG, BOTANG
//  19 totalSpan         out: fairleadHeight - referenceHeight + typeHeight(type) + dz [ft | m]
//  20 interval          out: the table interval m of the separation (1..NTAB-1)
//  21 fraction          out: the layer blend fraction f
//  22 TT_SPLINE_DERIV   the table
//  23 layerAbscissae    the layer abscissae of the spline (layer l at l)
//  24 H                 out: horizontal force [kip | t]
//  25 topTension        out: fairlead tension [kip | t]
//  26 Fz                out: vertical force of the line on the fairlead, -H tan(top angle) [kip | t]
//  27 topAngle          out: inclination at the fairlead [rad]
//  28 bottomAngle       out: inclination at the lower end [rad]
//  29 grounded          out: length on the seabed [ft | m]
//  30 layer             out: the layer index L
//  31 unit, 32 inUnit   channels of the one message
// The horizontal force is interpolated linearly in the separation column (outside the table the
// end interval extrapolates). Below 0.001 the line hangs vertically: H = 0 and VRTLIN solves it
// across the total span, Fz = -|T| sign(top angle); "Bottom length mismatch in LOADUP:VRTLIN" and
// the abort question follow should its two grounded lengths differ ("A" stops the run). Otherwise
// the fairlead tension comes from the bicubic spline of TOPTEN over (H, layer) (with one layer,
// linearly over the separation), the angles and grounded length linearly over the separation; in
// the interval just past a touchdown (grounded at point m - 1, none at m) the grounded length is
// read in interval m - 1 and the bottom angle in interval m + 1 (m at the table's end), neither
// below 0. In the first interval both are read there.
void LOADUP(float separation, float dz, float fairleadHeight, float referenceHeight, std::int32_t type,
            std::int32_t NLYR, float spacing, std::int32_t zeroLayer, float span, std::int32_t NTAB,
            const float* HLOD, const float* typeHeight, const float* tensionGuess, const float* SEPVES,
            const float* TOPTEN, const float* BOTLEN, const float* TOPANG, const float* BOTANG, float& totalSpan,
            std::int32_t& interval, float& fraction, const float* TT_SPLINE_DERIV, const float* layerAbscissae,
            float& H, float& topTension, float& Fz, float& topAngle, float& bottomAngle, float& grounded,
            std::int32_t& layer, std::int32_t unit, std::int32_t inUnit);

// D: a displacement (surge, sway, heave [ft | m], then a rotation vector [rad]). XY = D(1), D(2);
// ZV = D(3); COPYOUT = COPYIN; DIR the unit rotation axis (each component held within +-1), (1, 0, 0)
// for no rotation; AMT the rotation amount [deg]; SCALE = 1, the factor the mooring force applies to
// the axis when it prints it.
void VARUPD(const float* D, float* XY, float& ZV, float& COPYOUT, float COPYIN, float* DIR, float& AMT,
            float& SCALE);

}  // namespace qv
