// Reading the line tables: the state of a line whose fairlead has moved to a new horizontal
// distance from its anchor and a new vertical offset, interpolated between table points and depth
// layers instead of solved again (LOADUP); and the unpacking of a six-component displacement into
// the inputs of the mooring force (VARUPD). Both serve the mooring force FMOOR2 (mooring_force.h),
// an entry for a quasi-static analysis that no routine of the program calls.
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

// The arguments of LOADUP by name: what it only reads, then in `out` what it writes. The state of a
// line of type `type` whose fairlead lies `separation` from its anchor horizontally and has moved
// `dz` vertically (up positive).
struct LoadupArgs {
  float separation;               // horizontal fairlead-anchor distance [ft | m]
  float dz;                       // vertical displacement of the fairlead [ft | m]
  float fairleadHeight;           // the fairlead's vertical coordinate (RFLD(3)) [ft | m]
  float referenceHeight;          // subtracted in the vertical span: the draft of the body (TDRAFT) [ft | m]
  std::int32_t type;              // line type 1..150
  std::int32_t NLYR;              // depth layers of the tables
  float spacing;                  // depth step between layers (DLAYER) [ft | m]
  std::int32_t zeroLayer;         // the layer of zero displacement (MIDLYR)
  float span;                     // depth span of the layers (ZSPAN) [ft | m]
  std::int32_t NTAB;              // table points in use
  const float* HLOD;              // the table tensions [kip | t]
  const float* typeHeight;        // per type, the height added to the vertical span (ANCHGT) [ft | m]
  const float* tensionGuess;      // per type, a tension of the expected size for VRTLIN [kip | t]
  const float* SEPVES;            // the tables
  const float* TOPTEN;
  const float* BOTLEN;
  const float* TOPANG;
  const float* BOTANG;
  const float* TT_SPLINE_DERIV;
  const float* layerAbscissae;    // the layer abscissae of the spline (layer l at l)
  std::int32_t unit;              // output channel of the one message
  std::int32_t inUnit;            // input channel of its question
  struct Out {
    float& totalSpan;             // fairleadHeight - referenceHeight + typeHeight(type) + dz [ft | m]
    std::int32_t& interval;       // the table interval m of the separation (1..NTAB-1)
    float& fraction;              // the layer blend fraction f
    float& H;                     // horizontal force [kip | t]
    float& topTension;            // fairlead tension [kip | t]
    float& Fz;                    // vertical force of the line on the fairlead, -H tan(top angle) [kip | t]
    float& topAngle;              // inclination at the fairlead [rad]
    float& bottomAngle;           // inclination at the lower end [rad]
    float& grounded;              // length on the seabed [ft | m]
    std::int32_t& layer;          // the layer index L
  } out;
};

// The horizontal force is interpolated linearly in the separation column (outside the table the
// end interval extrapolates). Below 0.001 the line hangs vertically: H = 0 and VRTLIN solves it
// across the total span, Fz = -|T| sign(top angle); "Bottom length mismatch in LOADUP:VRTLIN" and
// the abort question follow should its two grounded lengths differ ("A" stops the run). Otherwise
// the fairlead tension comes from the bicubic spline of TOPTEN over (H, layer) (with one layer,
// linearly over the separation), the angles and grounded length linearly over the separation; in
// the interval just past a touchdown (grounded at point m - 1, none at m) the grounded length is
// read in interval m - 1 and the bottom angle in interval m + 1 (m at the table's end), neither
// below 0. In the first interval both are read there.
void LOADUP(const LoadupArgs& args);

// D: a displacement (surge, sway, heave [ft | m], then a rotation vector [rad]). XY = D(1), D(2);
// ZV = D(3); COPYOUT = COPYIN; DIR the unit rotation axis (each component held within +-1), (1, 0, 0)
// for no rotation; AMT the rotation amount [deg]; SCALE = 1, the factor the mooring force applies to
// the axis when it prints it.
void VARUPD(const float* D, float* XY, float& ZV, float& COPYOUT, float COPYIN, float* DIR, float& AMT,
            float& SCALE);

}  // namespace qv
