#include "hull/disc/disc_fits.h"

#include <cmath>

namespace qv {

namespace {

// e^(-c x) with the product c x rounded to a float first.
float decay(float c, float x) {
  const float cx = c * x;
  return std::exp(-cx);
}

// The shape shared by pitch and roll: (0.641 x^2 + 0.089) e^(-1.825 x) + 0.11.
float rotationalAddedInertia(float x) { return (0.641f * x * x + 0.089f) * decay(1.825f, x) + 0.11f; }

// The shape shared by pitch and roll: 0.151 x^2 e^(-0.952 x).
float rotationalDamping(float x) { return 0.151f * x * x * decay(0.952f, x); }

}  // namespace

float SMASD(float /*x*/) { return 0.15f; }

float SDMPD(float x) { return 0.181f * x * x * decay(0.8f, x); }

float PMASD(float x) { return rotationalAddedInertia(x); }

float PDMPD(float x) { return rotationalDamping(x); }

float RMASD(float x) { return rotationalAddedInertia(x); }

float RDMPD(float x) { return rotationalDamping(x); }

float HMASD(float x) { return 1.0f + 1.7f * decay(1.224f, x); }

float HDMPD(float x) { return 4.92f * x / std::pow(1.0f + x, 2.429f); }

}  // namespace qv
