#include "mooring/line_tables.h"

#include <algorithm>
#include <cmath>

#include "mooring/catenary_element.h"
#include "mooring/splines.h"
#include "mooring/vertical_line.h"
#include "numlib/circle_constants.h"
#include "numlib/interpolation.h"
#include "platform/units.h"
#include "util/dialogue.h"
#include "util/fatal.h"

namespace qv {

namespace {

constexpr float kVerticalLine = 0.001f;  // a horizontal force below this: the line hangs vertically

inline float sign1(float v) { return v >= 0.0f ? 1.0f : -1.0f; }

}  // namespace

void LOADUP(const LoadupArgs& args) {
  const LoadupArgs::Out& out = args.out;
  const std::int32_t type = args.type, NTAB = args.NTAB;
  const float separation = args.separation;
  std::int32_t outside = 0;
  SETLYR(args.NLYR, args.zeroLayer, args.spacing, args.span, args.dz, out.layer, out.fraction, outside);
  const std::int32_t layer = out.layer;
  const float f = out.fraction;
  const float* separations = tableColumn(args.SEPVES, layer, type);
  int range = 0;
  int m = 1;
  BSRCHQ(separations, f, separation, range, m, NTAB);
  out.interval = m;
  INTRPR(separations, args.HLOD, separation, out.H, m, f);
  out.totalSpan = args.fairleadHeight - args.referenceHeight + args.typeHeight[type - 1] + args.dz;

  if (out.H < kVerticalLine) {
    out.H = 0.0f;
    std::int32_t freeFlag = 0;
    float groundedAgain = 0.0f;
    VRTLIN(out.totalSpan, type, freeFlag, args.tensionGuess[type - 1], out.grounded, out.topAngle, out.topTension,
           groundedAgain, out.bottomAngle);
    out.Fz = -std::fabs(out.topTension) * sign1(out.topAngle);
    if (std::fabs(out.grounded - groundedAgain) > 0.00001f) {
      writeRecord(args.unit, "Bottom length mismatch in LOADUP:VRTLIN");
      std::int32_t answer = 0;
      ABORT0(args.unit, args.inUnit, answer);
      if (answer == -1) silentStop("LOADUP");
    }
    return;
  }

  if (args.NLYR > 1) {
    splin2(args.HLOD, args.layerAbscissae, tableColumn(args.TOPTEN, 1, type),
           tableColumn(args.TT_SPLINE_DERIV, 1, type), NTAB, args.NLYR, out.H, static_cast<float>(layer) + f,
           out.topTension);
  } else {
    INTRPQ(separations, tableColumn(args.TOPTEN, layer, type), separation, out.topTension, m, f);
  }
  INTRPQ(separations, tableColumn(args.TOPANG, layer, type), separation, out.topAngle, m, f);
  out.Fz = -out.H * std::tan(out.topAngle);

  const float* groundedColumn = tableColumn(args.BOTLEN, layer, type);
  const float* bottomColumn = tableColumn(args.BOTANG, layer, type);
  const bool pastTouchdown =
      m >= 2 && MIDLAY(groundedColumn + (m - 2), f) > 0.0f && MIDLAY(groundedColumn + (m - 1), f) <= 0.0f;
  if (pastTouchdown) {
    INTRPQ(separations, groundedColumn, separation, out.grounded, m - 1, f);
    INTRPQ(separations, bottomColumn, separation, out.bottomAngle, m + 1 >= NTAB ? m : m + 1, f);
    out.grounded = std::max(out.grounded, 0.0f);
    out.bottomAngle = std::max(out.bottomAngle, 0.0f);
  } else {
    INTRPQ(separations, groundedColumn, separation, out.grounded, m, f);
    INTRPQ(separations, bottomColumn, separation, out.bottomAngle, m, f);
  }
}

void VARUPD(const float* D, float* XY, float& ZV, float& COPYOUT, float COPYIN, float* DIR, float& AMT,
            float& SCALE) {
  XY[0] = D[0];
  XY[1] = D[1];
  ZV = D[2];
  COPYOUT = COPYIN;
  const float r = std::sqrt(D[3] * D[3] + D[4] * D[4] + D[5] * D[5]);
  if (r != 0.0f) {
    for (int i = 0; i < 3; ++i) DIR[i] = std::clamp(D[3 + i] / r, -1.0f, 1.0f);
  } else {
    DIR[0] = 1.0f;
    DIR[1] = 0.0f;
    DIR[2] = 0.0f;
  }
  AMT = r * kDegreesPerRadian;
  SCALE = 1.0f;
}

}  // namespace qv
