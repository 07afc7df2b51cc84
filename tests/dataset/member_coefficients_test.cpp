// Added-mass and added-moment coefficients of hull members against the closed forms of potential
// flow: Lamb's coefficients of the prolate spheroid (a member with free ends is an ellipsoid of its
// proportions, one closed end mirrors it about that end) and the two-dimensional flow about an
// ellipse (both ends closed). Reference values computed once with Python:
//   e = sqrt(1 - 1/r^2), L = ln((1 + e)/(1 - e))
//   alpha0 = 2 (1 - e^2)/e^3 (L/2 - e),  beta0 = 1/e^2 - (1 - e^2)/(2 e^3) L
//   k1 = alpha0/(2 - alpha0) (axial), k2 = beta0/(2 - beta0) (transverse),
//   k' = e^4 (beta0 - alpha0) / ((2 - e^2)(2 e^2 - (2 - e^2)(beta0 - alpha0))) (rotation about a
//   transverse axis), Lamb, Hydrodynamics, sections 114 to 124.
#include "dataset/member_coefficients.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>

#include "dataset/tpcm.h"
#include "dataset/tpcm_codes.h"
#include "numlib/member_geometry.h"
#include "platform/units.h"
#include "support/checks.h"
#include "support/console_capture.h"
#include "support/hull_members.h"

namespace qv {
namespace {

using testing_support::ConsoleCapture;
using testing_support::HullMember;
using testing_support::IsClose;
using testing_support::putMember;

class MemberCoefficients : public testing_support::HullMemberTest {};

struct Coefficients {
  float cm[3];
  float ci[3];
};

Coefficients coefficientsOf(const HullMember& m, std::int32_t* problem = nullptr) {
  putMember(1, m);
  std::int32_t IPROB = 0, IFAIL = 0;
  MSCALC(1, IPROB, IFAIL);
  EXPECT_EQ(IFAIL, 0);
  if (problem != nullptr) *problem = IPROB;
  return {{TPCM.CYLCM(1, 1), TPCM.CYLCM(2, 1), TPCM.CYLCM(3, 1)},
          {TPCM.CYLCMI(1, 1), TPCM.CYLCMI(2, 1), TPCM.CYLCMI(3, 1)}};
}

// Lamb's k1, k2, k' of prolate spheroids of length over diameter r.
struct Spheroid {
  float r, k1, k2, kRot;
};
constexpr Spheroid kSpheroids[] = {
    {2, 0.2100150f, 0.7042104f, 0.2394239f},
    {4, 0.0815573f, 0.8597606f, 0.6079380f},
    {8, 0.0292528f, 0.9447282f, 0.8393953f},
};

TEST_F(MemberCoefficients, CircularMembersAreLambsSpheroids) {
  // Everything well below the surface. The tolerances are those of the Simpson rule of ELPCOF (at
  // least 400 points for the masses, 4000 for the moments).
  TPCM.DRAFT = 200.0f;
  ConsoleCapture console;
  for (const Spheroid& s : kSpheroids) {
    // Free ends, below the surface: the spheroid itself, 10 ft across.
    const float length = 10.0f * s.r;
    const Coefficients free = coefficientsOf({{0, 0, 1}, {length, 0, 1}, {10, 10, length}, 0, 0, 1, 1});
    // One end closed (standing on the bed): the mirror image doubles the length.
    const float half = length / 2.0f;
    const Coefficients standing = coefficientsOf({{0, 0, 0}, {0, 0, half}, {10, 10, half}, 1, 0, 1, 1});
    for (const Coefficients& c : {free, standing}) {
      EXPECT_TRUE(IsClose(c.cm[0], s.k2, 5e-4)) << s.r;
      EXPECT_TRUE(IsClose(c.cm[1], s.k2, 5e-4)) << s.r;
      EXPECT_TRUE(IsClose(c.cm[2], s.k1, 2e-4)) << s.r;
      EXPECT_TRUE(IsClose(c.ci[0], s.kRot, 1e-3)) << s.r;
      EXPECT_TRUE(IsClose(c.ci[1], s.kRot, 1e-3)) << s.r;
      EXPECT_EQ(c.ci[2], 0.0f) << "a circle turning about its axis moves no water";
    }
  }
  EXPECT_EQ(console.screen(), "");
}

TEST_F(MemberCoefficients, SectionsBetweenClosedEndsAreTwoDimensional) {
  // Both ends closed: the flow about the section. A circle: 1 across, none along the member. An
  // ellipse of semi-axes a (axis 1) and b (axis 2): b/a moving along axis 1, a/b along axis 2, and
  // about its own axis the added moment pi rho (a^2 - b^2)^2 / 8 over the section's own
  // pi rho a b (a^2 + b^2) / 4 (Lamb, section 72).
  ConsoleCapture console;
  const Coefficients circle = coefficientsOf({{0, 0, 0}, {0, 0, 15}, {10, 10, 15}, 1, 2, 1, 1});
  EXPECT_EQ(circle.cm[0], 1.0f);
  EXPECT_EQ(circle.cm[1], 1.0f);
  EXPECT_EQ(circle.cm[2], 0.0f);
  EXPECT_EQ(circle.ci[2], 0.0f);
  const float a = 6.0f, b = 2.0f;
  const Coefficients ellipse = coefficientsOf({{0, 0, 0}, {0, 0, 15}, {2 * a, 2 * b, 15}, 2, 2, 1, 1});
  EXPECT_TRUE(IsClose(ellipse.cm[0], b / a, 1e-6));
  EXPECT_TRUE(IsClose(ellipse.cm[1], a / b, 1e-6));
  EXPECT_EQ(ellipse.cm[2], 0.0f);
  const double rotation = (a * a - b * b) * (a * a - b * b) / (2.0 * a * b * (a * a + b * b));
  EXPECT_TRUE(IsClose(ellipse.ci[2], rotation, 1e-6));

  // A long elliptic member with free ends, an ellipsoid of 200 by 12 by 4 ft, moves nearly as its
  // section does: the ellipsoid's own coefficients (the integrals of Lamb, section 114, by
  // scipy.integrate.quad: 0.3304874 and 2.9698200) lie within 1 % of b/a and a/b.
  const Coefficients slender = coefficientsOf({{0, 0, 1}, {200, 0, 1}, {2 * a, 2 * b, 200}, 0, 0, 1, 1});
  EXPECT_TRUE(IsClose(slender.cm[0], 0.3304874, 1e-3)) << slender.cm[0];
  EXPECT_TRUE(IsClose(slender.cm[1], 2.9698200, 1e-3)) << slender.cm[1];
  EXPECT_EQ(console.screen(), "");
}

TEST_F(MemberCoefficients, SectionKindsScaleTheCrossAxes) {
  // A square section (kind 0) takes the rectangle factor of its side ratio on the cross axes; kind 2
  // half of it; the axial coefficients are those of the elliptic section.
  ConsoleCapture console;
  const HullMember base{{0, 0, 1}, {40, 0, 1}, {10, 5, 40}, 0, 0, 1, 1};
  const Coefficients elliptic = coefficientsOf(base);
  HullMember m = base;
  for (std::int32_t kind : {0, 2}) {
    m.section = kind;
    const Coefficients c = coefficientsOf(m);
    const float f1 = kind == 0 ? RECTCM(0.5f) : (RECTCM(0.5f) + 1.0f) / 2.0f;  // H = W2/W1 on axis 1
    const float f2 = kind == 0 ? RECTCM(2.0f) : (RECTCM(2.0f) + 1.0f) / 2.0f;
    EXPECT_TRUE(IsClose(c.cm[0], f1 * elliptic.cm[0], 1e-6)) << kind;
    EXPECT_TRUE(IsClose(c.cm[1], f2 * elliptic.cm[1], 1e-6)) << kind;
    EXPECT_TRUE(IsClose(c.ci[0], f2 * elliptic.ci[0], 1e-6)) << kind;  // I = W1/W2 on axis 1
    EXPECT_TRUE(IsClose(c.ci[1], f1 * elliptic.ci[1], 1e-6)) << kind;
    EXPECT_EQ(c.cm[2], elliptic.cm[2]) << kind;
    EXPECT_EQ(c.ci[2], elliptic.ci[2]) << kind;
  }
}

TEST_F(MemberCoefficients, TheEndOfAPiercingColumnByHullType) {
  // A 10 ft column from the keel through the 20 ft draft, closed at its foot: 20 ft wetted, so
  // mirrored it is a spheroid of 40 by 10 ft (k1 = 0.0815573 axially, k2 = 0.8597606 across).
  ConsoleCapture console;
  const HullMember col = testing_support::column(0, 0);
  struct Case {
    std::int32_t vestyp;
    float awp;
    double axial;
  };
  const Case cases[] = {
      // Semi-submersible: at least 0.849 DEQ / draft = 0.4245.
      {kSemiSubmersible, 12750.0f, 0.849 * 10.0 / 20.0},
      // TLP: the end adds 0.125 DEQ / wetted length.
      {kTensionLegPlatform, 12750.0f, 0.0815573 + 0.125 * 10.0 / 20.0},
      // Caisson spar with a waterplane of the column's own section: no end term.
      {kCaissonSpar, 78.539816f, 0.0815573},
      // Caisson spar with a waterplane twice as wide: the mirror body is 40 by 20 ft, r = 2.
      {kCaissonSpar, 314.159265f, 0.2100150},
  };
  for (const Case& c : cases) {
    TPCM.VESTYP = c.vestyp;
    TPCM.AWP = c.awp;
    HullMember m = col;
    m.coefficients = 1;
    const Coefficients k = coefficientsOf(m);
    EXPECT_TRUE(IsClose(k.cm[2], c.axial, 2e-4)) << c.vestyp << " " << c.awp;
    EXPECT_TRUE(IsClose(k.cm[0], 0.8597606, 2e-4)) << c.vestyp;
    // Entered from its top, its end types with its ends: the same 20 ft under water, the same body.
    HullMember fromTop = m;
    std::swap(fromTop.base, fromTop.top);
    std::swap(fromTop.bottomType, fromTop.topType);
    const Coefficients swapped = coefficientsOf(fromTop);
    for (int u = 0; u < 3; ++u) {
      EXPECT_EQ(swapped.cm[u], k.cm[u]) << c.vestyp << " " << c.awp << " axis " << u + 1;
      EXPECT_EQ(swapped.ci[u], k.ci[u]) << c.vestyp << " " << c.awp << " axis " << u + 1;
    }
  }
  EXPECT_EQ(console.screen(), "");
}

TEST_F(MemberCoefficients, MissingDataAndUnusableMembers) {
  struct Case {
    const char* what;
    HullMember member;
    std::string screen;
    std::int32_t mascmp;  // after the call
  };
  const std::string missing =
      " ++> All member dimension data and member endpoint data must be\n"
      "     specified before mass/damping coefficients can be computed.\n"
      "     Check for missing or incorrect data...\n";
  HullMember noArea = testing_support::column(0, 0);
  noArea.coefficients = 1;
  noArea.area = -1.0f;
  HullMember odd = testing_support::column(0, 0);
  odd.coefficients = 1;
  odd.bottomType = 3;
  HullMember atTheSurface{{0, 0, 20}, {0, 0, 30}, {4, 4, 10}, 1, 0, 1, 1};
  const Case cases[] = {
      {"no section height", {{0, 0, 0}, {0, 0, 10}, {4, 0, 10}, 1, 0, 1, 1}, missing, 0},
      {"no length dimension", {{0, 0, 0}, {0, 0, 10}, {4, 4, 0}, 1, 0, 1, 1}, missing, 0},
      {"ends that coincide", {{0, 0, 0}, {0, 0, 0}, {4, 4, 10}, 1, 0, 1, 1}, missing, 0},
      {"a piercing member without section area", noArea, missing, 0},
      {"an end type unknown", odd,
       " ++> Warning: Member  1 end types must be 0, 1 or 2;\n"
       "     its added-mass coefficients were not computed.\n",
       1},
      {"a member whose foot is at the waterline", atTheSurface,
       " ++> Warning: Member  1 has no wetted length;\n"
       "     its added-mass coefficients were not computed.\n",
       1},
  };
  for (const Case& c : cases) {
    TPCM.CYLCM(1, 1) = 7.0f;
    putMember(1, c.member);
    ConsoleCapture console;
    std::int32_t IPROB = 0, IFAIL = 0;
    MSCALC(1, IPROB, IFAIL);
    EXPECT_EQ(console.screen(), c.screen) << c.what;
    EXPECT_EQ(IPROB, 1) << c.what;
    EXPECT_EQ(IFAIL, 0) << c.what;
    EXPECT_EQ(TPCM.MASCMP(1), c.mascmp) << c.what;
    EXPECT_EQ(TPCM.CYLCM(1, 1), 7.0f) << c.what << ": no coefficients";
  }
}

TEST_F(MemberCoefficients, FreeSurfaceCorrectionOfAHorizontalMember) {
  // A circular pontoon of 10 ft with its axis 15 ft below the surface: DCNTR = 4 x 15 / 10 = 6, a
  // circle at three radii from a rigid lid. The sway coefficients grow by the ratio of the added
  // mass of a circle moving parallel to a wall at centre distance 3a to that in open water,
  // 1.0572377 (multipole solution with images, computed once with Python and numpy: 40 terms
  // collocated at 400 points on the circle).
  ConsoleCapture console;
  const HullMember plain{{-30, 0, 5}, {30, 0, 5}, {10, 10, 60}, 0, 0, 1, 1};
  const Coefficients open = coefficientsOf(plain);
  HullMember corrected = plain;
  corrected.coefficients = 2;
  std::int32_t IPROB = 0;
  const Coefficients near = coefficientsOf(corrected, &IPROB);
  EXPECT_TRUE(IsClose(near.cm[1], open.cm[1] * 1.0572377, 1e-4));
  EXPECT_TRUE(IsClose(near.ci[1], open.ci[1] * 1.0572377, 1e-4));
  for (int k : {0, 2}) {
    EXPECT_EQ(near.cm[k], open.cm[k]) << k;
    EXPECT_EQ(near.ci[k], open.ci[k]) << k;
  }
  EXPECT_EQ(IPROB, 0);
  EXPECT_EQ(console.screen(), "");
}

TEST_F(MemberCoefficients, FreeSurfaceCorrectionOnlyForHorizontalMembers) {
  // Vertical: no correction, the request is dropped.
  {
    HullMember m{{0, 0, 0}, {0, 0, 10}, {4, 4, 10}, 1, 0, 1, 2};
    ConsoleCapture console;
    std::int32_t IPROB = 0;
    coefficientsOf(m, &IPROB);
    EXPECT_EQ(console.screen(),
              " ++> Member  1 is perfectly vertical; no surface\n"
              " proximity correction applies...\n");
    EXPECT_EQ(IPROB, 1);
    EXPECT_EQ(TPCM.MASCMP(1), 1);
  }
  // Sloping: a warning with the choice to abort the correction.
  const std::string sloping =
      " ++> Member  1 is not perfectly horizontal; the surface\n"
      "     proximity correction applies rigorously only to horizontal\n"
      "     members.  Proceed with caution or enter \"A\" at the \n"
      "     \"Press Return\" prompt to abort surface correction\n";
  const HullMember slope{{-30, 0, 4}, {30, 0, 6}, {10, 10, 60.0333f}, 0, 0, 1, 2};
  for (const char* reply : {"A\n", "\n"}) {
    ConsoleCapture console(reply);
    std::int32_t IPROB = 1;
    const Coefficients c = coefficientsOf(slope, &IPROB);
    EXPECT_TRUE(testing_support::contains(console.screen(), sloping)) << console.screen();
    EXPECT_EQ(IPROB, 0);
    const bool aborted = reply[0] == 'A';
    EXPECT_EQ(TPCM.MASCMP(1), aborted ? 1 : 2);
    // Corrected or not: compared with the same member without the request.
    HullMember plain = slope;
    plain.coefficients = 1;
    const float open = coefficientsOf(plain).cm[1];
    if (aborted) {
      EXPECT_EQ(c.cm[1], open);
    } else {
      EXPECT_GT(c.cm[1], open);
    }
  }
}

TEST_F(MemberCoefficients, DefaultDragCoefficients) {
  struct Case {
    std::int32_t bottom, top;
    float axial;
  };
  for (const Case& c : {Case{0, 0, 1.0f}, Case{1, 0, 1.0f}, Case{0, 2, 1.0f}, Case{1, 2, 0.0f}}) {
    TPCM.BOTTYP(3) = c.bottom;
    TPCM.TOPTYP(3) = c.top;
    DGCALC(3);
    EXPECT_EQ(TPCM.CYLCD(1, 3), 1.0f);
    EXPECT_EQ(TPCM.CYLCD(2, 3), 1.0f);
    EXPECT_EQ(TPCM.CYLCD(3, 3), c.axial) << c.bottom << c.top;
    EXPECT_EQ(TPCM.CYLCDI(1, 3), 1.0f);
    EXPECT_EQ(TPCM.CYLCDI(2, 3), 1.0f);
    EXPECT_EQ(TPCM.CYLCDI(3, 3), 0.0f);
  }
}

TEST(EllipticIntegrals, AgainstTheTables) {
  // K(k) and E(k) from scipy.special.ellipk / ellipe (parameter m = k^2); the general integral of
  // (A cos^2 + B sin^2) / sqrt(cos^2 + (1 - k^2) sin^2) over 0..pi/2 by scipy.integrate.quad.
  struct Case {
    float k, K, E, general;  // general: A = 0.3, B = 2
  };
  const Case cases[] = {
      {0.0f, 1.5707963f, 1.5707963f, 1.8064158f},
      {0.5f, 1.6857504f, 1.4674622f, 1.9900845f},
      {0.9f, 2.2805491f, 1.1716971f, 3.0113852f},
      {0.99f, 3.3566005f, 1.0284758f, 5.0451518f},
  };
  for (const Case& c : cases) {
    float res = 0.0f;
    std::int32_t ier = -1;
    CEL1(res, c.k, ier);
    EXPECT_EQ(ier, 0);
    EXPECT_TRUE(IsClose(res, c.K, 2e-6)) << c.k;
    CEL2(res, c.k, 1.0f, 1.0f, ier);
    EXPECT_TRUE(IsClose(res, c.K, 2e-6)) << c.k;
    CEL2(res, c.k, 1.0f, 1.0f - c.k * c.k, ier);
    EXPECT_TRUE(IsClose(res, c.E, 2e-6)) << c.k;
    CEL2(res, c.k, 0.3f, 2.0f, ier);
    EXPECT_TRUE(IsClose(res, c.general, 2e-6)) << c.k;
  }
  // k = 1: K is infinite, and the general integral takes the sign of B; beyond 1 an error.
  float res = 0.0f;
  std::int32_t ier = -1;
  CEL1(res, 1.0f, ier);
  EXPECT_EQ(res, 1.0e38f);
  CEL2(res, 1.0f, 0.5f, -1.0f, ier);
  EXPECT_EQ(res, -1.0e38f);
  CEL2(res, 1.0f, 0.5f, 0.0f, ier);
  EXPECT_EQ(res, 0.5f);
  CEL1(res, 1.5f, ier);
  EXPECT_EQ(ier, 1);
  CEL2(res, 1.5f, 0.5f, 1.0f, ier);
  EXPECT_EQ(ier, 1);
}

}  // namespace
}  // namespace qv
