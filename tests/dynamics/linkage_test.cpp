// The linkage ratios of the three-member chain against the two closure conditions solved as a 2 x 2
// system in double precision in the test, their eight derivatives against central differences of
// that solve, the planar sine ratios, and the agreement to the bit of the four routines.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "dynamics/linkage.h"
#include "support/checks.h"

namespace qv {
namespace {

using testing_support::IsClose;

struct Chain {
  const char* name;
  float L[3];
  float phi[3];  // [rad from the vertical]
  float theta;   // out-of-plane angle of member 3 [rad]
};

const Chain kChains[] = {
    {"the fixture column, planar", {20.0f, 15.0f, 10.0f}, {0.2f, 0.5f, 1.2f}, 0.0f},
    {"the fixture column, member 3 out of the plane", {20.0f, 15.0f, 10.0f}, {0.2f, 0.5f, 1.2f}, 0.3f},
    {"a long middle member", {12.0f, 25.0f, 8.0f}, {-0.3f, 0.9f, 1.6f}, -0.5f},
    {"member 2 leaning back", {30.0f, 10.0f, 20.0f}, {0.6f, 0.1f, -0.4f}, 1.0f},
};

// The rates d phi2 / d phi1 and d phi3 / d phi1 that keep both ends of the chain in place: the
// closure conditions
//   L2 c2 b2 + L3 c3 ct b3 = -L1 c1,   L2 s2 b2 + L3 s3 b3 = -L1 s1
// solved by Cramer's rule. angles = (phi1, phi2, phi3, theta).
void closureRates(const float* L, const double* angles, double& b2, double& b3) {
  const double s1 = std::sin(angles[0]), s2 = std::sin(angles[1]), s3 = std::sin(angles[2]);
  const double c1 = std::cos(angles[0]), c2 = std::cos(angles[1]), c3 = std::cos(angles[2]);
  const double ct = std::cos(angles[3]);
  const double a11 = L[1] * c2, a12 = L[2] * c3 * ct, a21 = L[1] * s2, a22 = L[2] * s3;
  const double r1 = -L[0] * c1, r2 = -L[0] * s1;
  const double det = a11 * a22 - a12 * a21;
  b2 = (r1 * a22 - a12 * r2) / det;
  b3 = (a11 * r2 - a21 * r1) / det;
}

TEST(Linkage, RatiosSolveTheClosureConditionsAndTheirDerivativesAreTheSlopesOfThatSolve) {
  for (const Chain& c : kChains) {
    SCOPED_TRACE(c.name);
    float B2 = 0, B3 = 0;
    float D[8] = {};  // DB2DP1, DB3DP1, DB2DP2, DB3DP2, DB2DP3, DB3DP3, DB2DTH, DB3DTH
    BETCLC(B2, B3, D[0], D[1], D[2], D[3], D[4], D[5], D[6], D[7], c.L, c.phi, c.theta);

    const double angles[4] = {c.phi[0], c.phi[1], c.phi[2], c.theta};
    double b2 = 0, b3 = 0;
    closureRates(c.L, angles, b2, b3);
    EXPECT_TRUE(IsClose(B2, b2, 1e-5));
    EXPECT_TRUE(IsClose(B3, b3, 1e-5));

    const double h = 1e-4;  // [rad]
    for (int a = 0; a < 4; ++a) {
      double up[4], down[4];
      std::copy(angles, angles + 4, up);
      std::copy(angles, angles + 4, down);
      up[a] += h;
      down[a] -= h;
      double b2u, b3u, b2d, b3d;
      closureRates(c.L, up, b2u, b3u);
      closureRates(c.L, down, b2d, b3d);
      const double slope2 = (b2u - b2d) / (2 * h);
      const double slope3 = (b3u - b3d) / (2 * h);
      // The theta derivatives of a planar chain vanish: an absolute allowance for them.
      EXPECT_TRUE(IsClose(D[2 * a], slope2, 1e-3, 1e-6)) << "d BETA2 / d angle " << a + 1;
      EXPECT_TRUE(IsClose(D[2 * a + 1], slope3, 1e-3, 1e-6)) << "d BETA3 / d angle " << a + 1;
    }
  }
}

TEST(Linkage, TheFourRoutinesGiveTheSameRatiosToTheBit) {
  for (const Chain& c : kChains) {
    SCOPED_TRACE(c.name);
    float A2 = 0, A3 = 0, B2 = 0, B3 = 0, D[8] = {};
    BTACLC(A2, A3, c.L, c.phi, c.theta);
    BETCLC(B2, B3, D[0], D[1], D[2], D[3], D[4], D[5], D[6], D[7], c.L, c.phi, c.theta);
    EXPECT_EQ(A2, B2);
    EXPECT_EQ(A3, B3);
    EXPECT_EQ(BETA2C(c.L, c.phi, c.theta), B2);
    EXPECT_EQ(BETA3C(c.L, c.phi, c.theta), B3);
  }
}

// In the plane the closure gives the sine ratios of the chain: BETA2 = -(L1/L2) sin(phi3 - phi1) /
// sin(phi3 - phi2), BETA3 = (L1/L3) sin(phi2 - phi1) / sin(phi3 - phi2); with members 1 and 2 in
// line member 3 does not turn, and its rate changes with phi1 as -(L1/L3) / DENOM.
TEST(Linkage, PlanarChainsAndMembersInLine) {
  const float L[3] = {20.0f, 15.0f, 10.0f};
  const float phi[3] = {0.2f, 0.5f, 1.2f};
  const double d32 = std::sin(1.2 - 0.5);
  EXPECT_TRUE(IsClose(BETA2C(L, phi, 0.0f), -(20.0 / 15.0) * std::sin(1.2 - 0.2) / d32, 1e-6));
  EXPECT_TRUE(IsClose(BETA3C(L, phi, 0.0f), (20.0 / 10.0) * std::sin(0.5 - 0.2) / d32, 1e-6));

  const float inLine[3] = {0.4f, 0.4f, 1.1f};
  float B2 = 0, B3 = 0, D[8] = {};
  BETCLC(B2, B3, D[0], D[1], D[2], D[3], D[4], D[5], D[6], D[7], L, inLine, 0.25f);
  EXPECT_EQ(B3, 0.0f);
  const double denom = std::sin(1.1) * std::cos(0.4) - std::sin(0.4) * std::cos(1.1) * std::cos(0.25);
  EXPECT_TRUE(IsClose(D[1], -(20.0 / 10.0) / denom, 1e-6));

  EXPECT_EQ(SQSUM(3.0f, 4.0f), 25.0f);
}

}  // namespace
}  // namespace qv
