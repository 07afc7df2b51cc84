#include "dataset/hull_ends.h"

#include <cmath>

#include "numlib/circle_constants.h"

namespace qv {

void endAngle(float factor, float& sine, float& angle, float& cotangent) {
  if (factor < kSquareEndFactor) {
    sine = std::sqrt(0.36f * factor);
    angle = std::asin(sine);
    cotangent = 1.0f / std::tan(angle);
  } else {
    sine = 1.0f;
    angle = kHalfPi;
    cotangent = 0.0f;
  }
}

bool endFitsHull(float factor, float beamOverLength) {
  float sine = 0.0f, angle = 0.0f, cotangent = 0.0f;
  endAngle(factor, sine, angle, cotangent);
  return 1.0f - beamOverLength * cotangent > 0.0f;
}

}  // namespace qv
