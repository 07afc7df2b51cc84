#include "dynamics/linkage.h"

#include <cmath>

namespace qv {

namespace {

// The sines and cosines of one call, stored once in single precision.
struct ChainAngles {
  float s1, s2, s3, c1, c2, c3, ct, st;
  float R12, R13, DENOM;

  ChainAngles(const float* CNLEN, const float* PHICON, float THETA3)
      : s1(std::sin(PHICON[0])),
        s2(std::sin(PHICON[1])),
        s3(std::sin(PHICON[2])),
        c1(std::cos(PHICON[0])),
        c2(std::cos(PHICON[1])),
        c3(std::cos(PHICON[2])),
        ct(std::cos(THETA3)),
        st(std::sin(THETA3)),
        R12(CNLEN[0] / CNLEN[1]),
        R13(CNLEN[0] / CNLEN[2]),
        DENOM(s3 * c2 - s2 * c3 * ct) {}

  // The one evaluation of each ratio that every routine shares, so that all four agree to the bit.
  float beta2() const { return -R12 * (s3 * c1 - s1 * c3 * ct) / DENOM; }
  float beta3() const { return R13 * (s2 * c1 - s1 * c2) / DENOM; }
};

}  // namespace

float SQSUM(float X, float Y) { return X * X + Y * Y; }

void BTACLC(float& BETA2, float& BETA3, const float* CNLEN, const float* PHICON, float THETA3) {
  const ChainAngles a(CNLEN, PHICON, THETA3);
  BETA2 = a.beta2();
  BETA3 = a.beta3();
}

void BETCLC(float& BETA2, float& BETA3, float& DB2DP1, float& DB3DP1, float& DB2DP2, float& DB3DP2, float& DB2DP3,
            float& DB3DP3, float& DB2DTH, float& DB3DTH, const float* CNLEN, const float* PHICON, float THETA3) {
  const ChainAngles a(CNLEN, PHICON, THETA3);
  const float s1 = a.s1, s2 = a.s2, s3 = a.s3, c1 = a.c1, c2 = a.c2, c3 = a.c3, ct = a.ct, st = a.st;
  const float R12 = a.R12, R13 = a.R13, DENOM = a.DENOM;
  BETA2 = a.beta2();
  BETA3 = a.beta3();
  DB2DP1 = R12 * (s3 * s1 + c1 * c3 * ct) / DENOM;
  DB3DP1 = -R13 * (s2 * s1 + c1 * c2) / DENOM;
  DB2DP2 = BETA2 * (s3 * s2 + c2 * c3 * ct) / DENOM;
  DB3DP2 = (BETA3 * (s3 * s2 + c2 * c3 * ct) + R13 * (c2 * c1 + s1 * s2)) / DENOM;
  DB2DP3 = -(BETA2 * (c3 * c2 + s2 * s3 * ct) + R12 * (c3 * c1 + s1 * s3 * ct)) / DENOM;
  DB3DP3 = -BETA3 * (c3 * c2 + s2 * s3 * ct) / DENOM;
  DB2DTH = -(BETA2 * s2 * c3 * st + R12 * s1 * c3 * st) / DENOM;
  DB3DTH = -BETA3 * s2 * c3 * st / DENOM;
}

float BETA2C(const float* CNLEN, const float* PHICON, float THETA3) {
  return ChainAngles(CNLEN, PHICON, THETA3).beta2();
}

float BETA3C(const float* CNLEN, const float* PHICON, float THETA3) {
  return ChainAngles(CNLEN, PHICON, THETA3).beta3();
}

}  // namespace qv
