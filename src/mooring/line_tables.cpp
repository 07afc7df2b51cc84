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

void LOADUP(float separation, float dz, float fairleadHeight, float referenceHeight, std::int32_t type,
            std::int32_t NLYR, float spacing, std::int32_t zeroLayer, float span, std::int32_t NTAB,
            const float* HLOD, const float* typeHeight, const float* tensionGuess, const float* SEPVES,
            const float* TOPTEN, const float* BOTLEN, const float* TOPANG, const float* BOTANG, float& totalSpan,
            std::int32_t& interval, float& fraction, const float* TT_SPLINE_DERIV, const float* layerAbscissae,
            float& H, float& topTension, float& Fz, float& topAngle, float& bottomAngle, float& grounded,
            std::int32_t& layer, std::int32_t unit, std::int32_t inUnit) {
  std::int32_t outside = 0;
  SETLYR(NLYR, zeroLayer, spacing, span, dz, layer, fraction, outside);
  const float f = fraction;
  const float* separations = tableColumn(SEPVES, layer, type);
  int range = 0;
  int m = 1;
  BSRCHQ(separations, f, separation, range, m, NTAB);
  interval = m;
  INTRPR(separations, HLOD, separation, H, m, f);
  totalSpan = fairleadHeight - referenceHeight + typeHeight[type - 1] + dz;

  if (H < kVerticalLine) {
    H = 0.0f;
    std::int32_t freeFlag = 0;
    float groundedAgain = 0.0f;
    VRTLIN(totalSpan, type, freeFlag, tensionGuess[type - 1], grounded, topAngle, topTension, groundedAgain,
           bottomAngle);
    Fz = -std::fabs(topTension) * sign1(topAngle);
    if (std::fabs(grounded - groundedAgain) > 0.00001f) {
      writeRecord(unit, "Bottom length mismatch in LOADUP:VRTLIN");
      std::int32_t answer = 0;
      ABORT0(unit, inUnit, answer);
      if (answer == -1) silentStop("LOADUP");
    }
    return;
  }

  if (NLYR > 1) {
    splin2(HLOD, layerAbscissae, tableColumn(TOPTEN, 1, type), tableColumn(TT_SPLINE_DERIV, 1, type), NTAB,
           NLYR, H, static_cast<float>(layer) + f, topTension);
  } else {
    INTRPQ(separations, tableColumn(TOPTEN, layer, type), separation, topTension, m, f);
  }
  INTRPQ(separations, tableColumn(TOPANG, layer, type), separation, topAngle, m, f);
  Fz = -H * std::tan(topAngle);

  const float* groundedColumn = tableColumn(BOTLEN, layer, type);
  const float* bottomColumn = tableColumn(BOTANG, layer, type);
  const bool pastTouchdown =
      m >= 2 && MIDLAY(groundedColumn + (m - 2), f) > 0.0f && MIDLAY(groundedColumn + (m - 1), f) <= 0.0f;
  if (pastTouchdown) {
    INTRPQ(separations, groundedColumn, separation, grounded, m - 1, f);
    INTRPQ(separations, bottomColumn, separation, bottomAngle, m + 1 >= NTAB ? m : m + 1, f);
    grounded = std::max(grounded, 0.0f);
    bottomAngle = std::max(bottomAngle, 0.0f);
  } else {
    INTRPQ(separations, groundedColumn, separation, grounded, m, f);
    INTRPQ(separations, bottomColumn, separation, bottomAngle, m, f);
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
