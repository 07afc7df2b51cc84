#include "numlib/member_geometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "support/checks.h"
#include "support/console_capture.h"
#include "platform/stop.h"
#include "platform/units.h"

namespace qv {
namespace {

using qv::testing_support::ConsoleCapture;
using qv::testing_support::IsClose;

// Lamb's closed forms for a prolate spheroid of axis ratio r = a/b (Hydrodynamics, art. 373):
// added-mass coefficients along the axis (k1), across it (k2) and of rotation about a transverse
// axis (kr). For r = 2 his table gives k1 = 0.210 and k2 = 0.704.
struct Spheroid {
  double k1, k2, kr;
};
Spheroid prolateSpheroid(double r) {
  const double e2 = 1.0 - 1.0 / (r * r);
  const double e = std::sqrt(e2);
  const double L = std::log((1.0 + e) / (1.0 - e));
  const double alpha0 = 2.0 * (1.0 - e2) / (e2 * e) * (0.5 * L - e);
  const double beta0 = 1.0 / e2 - (1.0 - e2) / (2.0 * e2 * e) * L;
  Spheroid s;
  s.k1 = alpha0 / (2.0 - alpha0);
  s.k2 = beta0 / (2.0 - beta0);
  s.kr = e2 * e2 * (beta0 - alpha0) / ((2.0 - e2) * (2.0 * e2 - (2.0 - e2) * (beta0 - alpha0)));
  return s;
}

// The coefficient from ELPCOF and COFCLC. A and B are the squared ratios of the semi-axis along the
// motion (or the rotation axis) to the two others.
float coefficient(int kind, float A, float B) {
  float c = 0;
  std::int32_t warned = 1;  // no warning wanted here
  ELPCOF(A, B, 0, kind, c, kScreenUnit, kKeyboardUnit, warned, 0);
  return COFCLC(kind, c, A, B);
}

TEST(AddedMass, SphereHasHalfItsDisplacedMassAndNoRotationalInertia) {
  // The integrals for a sphere are 2/3 (added mass) and 2/5 (moment). The integrand goes like
  // sqrt(cos T) at pi/2, so 400 Simpson points are good to a few parts in 1e5.
  float c = 0;
  std::int32_t warned = 0;
  ELPCOF(1, 1, 0, 1, c, kScreenUnit, kKeyboardUnit, warned, 0);
  EXPECT_TRUE(IsClose(c, 2.0 / 3.0, 1e-4));
  EXPECT_TRUE(IsClose(COFCLC(1, c, 1, 1), 0.5, 1e-4));
  ELPCOF(1, 1, 0, 2, c, kScreenUnit, kKeyboardUnit, warned, 0);
  EXPECT_TRUE(IsClose(c, 0.4, 1e-5));
  EXPECT_EQ(COFCLC(2, c, 1, 1), 0.0f);
  EXPECT_EQ(warned, 0);
}

TEST(AddedMass, ProlateSpheroidsAgreeWithLamb) {
  for (double r : {1.5, 2.0, 3.0, 5.0, 8.0}) {
    const Spheroid lamb = prolateSpheroid(r);
    const float r2 = static_cast<float>(r * r);
    EXPECT_TRUE(IsClose(coefficient(1, r2, r2), lamb.k1, 2e-3)) << "axial, ratio " << r;
    EXPECT_TRUE(IsClose(coefficient(1, 1 / r2, 1), lamb.k2, 2e-3)) << "transverse, ratio " << r;
    EXPECT_TRUE(IsClose(coefficient(2, 1 / r2, 1), lamb.kr, 2e-3)) << "rotation, ratio " << r;
  }
  const Spheroid two = prolateSpheroid(2.0);
  EXPECT_TRUE(IsClose(two.k1, 0.210, 0, 5e-4));
  EXPECT_TRUE(IsClose(two.k2, 0.704, 0, 5e-4));
}

TEST(AddedMass, PointCountRules) {
  auto integral = [](float A, int npts, int kind) {
    float c = 0;
    std::int32_t warned = 1;
    ELPCOF(A, 1, npts, kind, c, kScreenUnit, kKeyboardUnit, warned, 0);
    return c;
  };
  // An odd count is raised by one; small counts are raised to 400 (4000 for the moment).
  EXPECT_EQ(integral(0.3f, 401, 1), integral(0.3f, 402, 1));
  EXPECT_EQ(integral(0.3f, 0, 1), integral(0.3f, 400, 1));
  EXPECT_EQ(integral(0.3f, 10, 2), integral(0.3f, 4000, 2));
  EXPECT_NE(integral(0.3f, 402, 1), integral(0.3f, 400, 1));
  // A = 0.001 asks for 2000 points, no warning.
  ConsoleCapture console;
  float c = 0;
  std::int32_t warned = 0;
  ELPCOF(0.001f, 1, 0, 1, c, kScreenUnit, kKeyboardUnit, warned, 0);
  EXPECT_EQ(warned, 0);
  EXPECT_EQ(console.screen(), "");
  EXPECT_EQ(c, integral(0.001f, 2000, 1));
}

TEST(AddedMass, EccentricBodyWarnsOncePerFlag) {
  struct Case {
    std::int32_t member;
    const char* text;
  };
  const Case cases[] = {
      {3,
       " ++> Warning: Member  3 requires  10000 integration points\n"
       "              in ELPCOF; this may result in pathological mass coefficients.\n"
       "              Consider using a less eccentric member model; this will not\n"
       "              appreciably affect your added mass estimates.\n"},
      {0,
       " ++> Warning: A highly eccentric body requires  10000 integration points\n"
       "              in ELPCOF; this may result in pathological mass coefficients.\n"
       "              Contact Kestrin to report this message.\n"},
  };
  for (const Case& c : cases) {
    ConsoleCapture console("\n");
    float value = 0;
    std::int32_t warned = 0;
    ELPCOF(0.0002f, 1, 0, 1, value, kScreenUnit, kKeyboardUnit, warned, c.member);  // 10,000 points
    EXPECT_EQ(warned, 1);
    const std::string screen = console.screen();
    EXPECT_EQ(screen.substr(0, std::string(c.text).size()), c.text);
    EXPECT_NE(screen.find("Press <RETURN> to continue: "), std::string::npos);
    EXPECT_GT(value, 0.0f);

    // With the flag set the next eccentric body is integrated silently.
    ConsoleCapture quiet;
    ELPCOF(0.0002f, 1, 0, 1, value, kScreenUnit, kKeyboardUnit, warned, c.member);
    EXPECT_EQ(quiet.screen(), "");
  }
}

TEST(AddedMass, ADegenerateBodyStopsInsteadOfIntegratingForEver) {
  // A ratio of 1e-30 asks for 2e30 points, a ratio that is not a number for none that can be counted.
  const float ratios[][2] = {{1e-30f, 1.0f}, {1.0f, 0.0f}, {std::nanf(""), std::nanf("")}, {1.0f, 1e7f}};
  for (const auto& r : ratios) {
    ConsoleCapture console;
    float value = -1.0f;
    std::int32_t warned = 0;
    std::string routine;
    try {
      ELPCOF(r[0], r[1], 0, 1, value, kDiagnosticsUnit, kKeyboardUnit, warned, 0);
    } catch (const Stop& stop) {
      routine = stop.routine;
      EXPECT_EQ(stop.status, kExitFatal);
    }
    EXPECT_EQ(routine, "ELPCOF") << r[0] << " " << r[1];
    EXPECT_EQ(value, -1.0f);
  }
  // The largest count integrated (1,000,000 points): a needle along its axis, about 700 times as
  // long as it is wide, whose added mass along the axis tends to 0 (Lamb).
  float value = 0.0f;
  std::int32_t warned = 1;
  ELPCOF(5e5f, 5e5f, 0, 1, value, kScreenUnit, kKeyboardUnit, warned, 0);
  EXPECT_LT(COFCLC(1, value, 5e5f, 5e5f), 1e-4f);
  EXPECT_GT(COFCLC(1, value, 5e5f, 5e5f), 0.0f);
}

TEST(AddedMass, CoefficientFormulas) {
  EXPECT_EQ(COFCLC(1, 1.0f, 0.3f, 4.0f), 1.0f);
  EXPECT_EQ(RECTCM(1.0f), 1.215488f);
  // 1.215488 * 2^-0.14883 = 1.215488 * 0.902018
  EXPECT_TRUE(IsClose(RECTCM(2.0f), 1.215488 * std::pow(2.0, -0.14883), 1e-6));
}

TEST(MemberLevel, ClassificationAgainstALevel) {
  struct Case {
    float p1[3], p2[3], level;
    std::int32_t code;
    float length, wetted, factor;
  };
  const Case cases[] = {
      {{0, 0, -10}, {0, 0, 5}, 0, kMemberRising, 15, 10, 1},
      {{0, 0, 5}, {0, 0, -10}, 0, kMemberFalling, 15, 5, -1},
      {{0, 0, 2}, {3, 4, 2}, 0, kMemberAbove, 5, 0, 1},
      {{0, 0, -2}, {3, 4, -2}, 0, kMemberBelow, 5, 5, 1},
      {{0, 0, 0}, {0, 0, 7}, 0, kMemberRising, 7, 0, 1},    // P1 exactly at the level
      {{0, 0, 7}, {0, 0, 0}, 0, kMemberFalling, 7, 7, -1},  // P2 exactly at the level
      // A slanted member from 6 below to 2 above a level at z = -1: 3-4-5 triangle scaled by 2,
      // dz = 8 over a length 10, so FAC = 10/8 and the level lies 5 * 10/8 along it.
      {{0, 0, -6}, {6, 0, 2}, -1, kMemberRising, 10, 6.25f, 1.25f},
  };
  for (const Case& c : cases) {
    float d[3], dc[3], length = -1, wetted = -1, factor = -1;
    std::int32_t code = -7;
    WPCHEK(c.p1, c.p2, c.level, d, dc, length, wetted, factor, code);
    EXPECT_EQ(code, c.code);
    EXPECT_TRUE(IsClose(length, c.length, 1e-6));
    EXPECT_TRUE(IsClose(wetted, c.wetted, 1e-6));
    EXPECT_TRUE(IsClose(factor, c.factor, 1e-6));
    for (int i = 0; i < 3; ++i) {
      EXPECT_EQ(d[i], c.p2[i] - c.p1[i]);
      EXPECT_TRUE(IsClose(dc[i], d[i] / c.length, 1e-6));
    }
  }
}

}  // namespace
}  // namespace qv
