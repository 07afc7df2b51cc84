#include "numlib/algebra.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "support/checks.h"
#include "support/console_capture.h"
#include "platform/stop.h"

namespace qv {
namespace {

using qv::testing_support::ConsoleCapture;
using qv::testing_support::IsClose;

// A 2 by 3 matrix stored by columns: rows (1 2 3) and (4 5 6).
const float kA23[6] = {1, 4, 2, 5, 3, 6};

TEST(MatrixProducts, RealProductsByColumns) {
  // (1 2 3; 4 5 6) (1, 0, -1) = (-2, -2), worked by hand.
  const float v[3] = {1, 0, -1};
  float r[2] = {99, 99};
  GMPRD(kA23, v, r, 2, 3, 1);
  EXPECT_EQ(r[0], -2.0f);
  EXPECT_EQ(r[1], -2.0f);

  // (1 2 3; 4 5 6) times the 3 by 2 matrix (1 0; 0 1; 1 1) = (4 5; 10 11).
  const float b[6] = {1, 0, 1, 0, 1, 1};
  float r22[4];
  GMPRD(kA23, b, r22, 2, 3, 2);
  EXPECT_EQ(std::vector<float>(r22, r22 + 4), (std::vector<float>{4, 10, 5, 11}));

  const double ad[6] = {1, 4, 2, 5, 3, 6};
  const double bd[6] = {1, 0, 1, 0, 1, 1};
  double rd[4];
  DGMPRD(ad, bd, rd, 2, 3, 2);
  EXPECT_EQ(std::vector<double>(rd, rd + 4), (std::vector<double>{4, 10, 5, 11}));
}

TEST(MatrixProducts, TransposeWithItselfGivesGramMatrix) {
  // transpose(A) A for the 2 by 3 A above: entries are dot products of its columns
  // (1,4), (2,5), (3,6): 17 22 27 / 22 29 36 / 27 36 45.
  float g[9];
  GTPRD(kA23, kA23, g, 2, 3, 3);
  EXPECT_EQ(std::vector<float>(g, g + 9), (std::vector<float>{17, 22, 27, 22, 29, 36, 27, 36, 45}));

  const double ad[6] = {1, 4, 2, 5, 3, 6};
  double gd[9];
  DGTPRD(ad, ad, gd, 2, 3, 3);
  EXPECT_EQ(std::vector<double>(gd, gd + 9),
            (std::vector<double>{17, 22, 27, 22, 29, 36, 27, 36, 45}));
}

TEST(MatrixProducts, ComplexProductsSplitIntoRealAndImaginaryParts) {
  // A real matrix times a complex vector is the real matrix applied to both parts.
  const Complex x[3] = {{1, 2}, {3, -1}, {0, 4}};
  Complex r[2];
  GMPDCX(kA23, x, r, 2, 3, 1);
  // Real parts (1,3,0): (7, 19); imaginary parts (2,-1,4): (12, 27).
  EXPECT_EQ(r[0], Complex(7, 12));
  EXPECT_EQ(r[1], Complex(19, 27));

  // transpose(A) with A 2 by 3 acting on a complex 2-vector.
  const Complex y[2] = {{1, 1}, {0, 2}};
  Complex t[3];
  GTPDCX(kA23, y, t, 2, 3, 1);
  // Rows of transpose(A): (1,4), (2,5), (3,6). Real (1,0): 1,2,3; imaginary (1,2): 9,12,15.
  EXPECT_EQ(t[0], Complex(1, 9));
  EXPECT_EQ(t[1], Complex(2, 12));
  EXPECT_EQ(t[2], Complex(3, 15));

  // Complex times complex: (i 0; 0 1+i)(1+i, 2) = (i(1+i), 2(1+i)) = (-1+i, 2+2i).
  const Complex a[4] = {{0, 1}, {0, 0}, {0, 0}, {1, 1}};
  const Complex b[2] = {{1, 1}, {2, 0}};
  Complex c[2];
  CGMPRD(a, b, c, 2, 2, 1);
  EXPECT_EQ(c[0], Complex(-1, 1));
  EXPECT_EQ(c[1], Complex(2, 2));
}

TEST(MatrixProducts, SquareProductMayOverwriteItsInput) {
  // A rotation of 90 degrees about z applied in place: (1, 2, 3) -> (-2, 1, 3).
  const float rot[9] = {0, 1, 0, -1, 0, 0, 0, 0, 1};
  float v[3] = {1, 2, 3};
  MATPRD(rot, v, v, 3, kScreenUnit);
  EXPECT_EQ(std::vector<float>(v, v + 3), (std::vector<float>{-2, 1, 3}));

  Complex z[3] = {{1, 0}, {2, -1}, {3, 5}};
  CMATPD(rot, z, z, 3, kScreenUnit);
  EXPECT_EQ(z[0], Complex(-2, 1));
  EXPECT_EQ(z[1], Complex(1, 0));
  EXPECT_EQ(z[2], Complex(3, 5));
}

TEST(MatrixProducts, MoreThanSixDimensionsStopsAfterTheMessage) {
  const float a[49] = {};
  float v[7] = {};
  Complex z[7] = {};
  struct Case {
    bool complex;
    int unit;
    const char* message;
  };
  const Case cases[] = {
      {false, kScreenUnit, " Too many dimensions specified in MATPRD; contact Kestrin\n"},
      {true, kScreenUnit, " Too many dimensions specified in CMATPD; contact Kestrin\n"},
      {false, kDiagnosticsUnit, " Too many dimensions specified in MATPRD; contact Kestrin\n"},
  };
  for (const Case& c : cases) {
    // An unattended run (unit 41) must not wait: it is given no reply, so a read would end the
    // run with the status of ended input instead.
    ConsoleCapture console(c.unit == kDiagnosticsUnit ? "" : "\n");
    int status = -1;
    try {
      if (c.complex) {
        CMATPD(a, z, z, 7, c.unit);
      } else {
        MATPRD(a, v, v, 7, c.unit);
      }
    } catch (const Stop& stop) {
      status = stop.status;
    }
    EXPECT_EQ(status, kExitFatal);
    EXPECT_EQ(console.screen(), std::string(c.message) + " Press <RETURN> to continue...\n");
  }
}

TEST(VectorAlgebra, CrossAndDotProducts) {
  struct Case {
    float a[3], b[3], cross[3], dot;
  };
  // Right-handed axes, and a general pair worked by hand.
  const Case cases[] = {
      {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}, 0},
      {{0, 1, 0}, {0, 0, 1}, {1, 0, 0}, 0},
      {{0, 0, 1}, {1, 0, 0}, {0, 1, 0}, 0},
      {{1, 2, 3}, {4, 5, 6}, {-3, 6, -3}, 32},
  };
  for (const Case& c : cases) {
    float r[3];
    XPROD(c.a, c.b, r);
    EXPECT_EQ(std::vector<float>(r, r + 3), std::vector<float>(c.cross, c.cross + 3));
    EXPECT_EQ(DOTP(c.a, c.b), c.dot);
    const double ad[3] = {c.a[0], c.a[1], c.a[2]};
    const double bd[3] = {c.b[0], c.b[1], c.b[2]};
    EXPECT_EQ(DDOTP(ad, bd), c.dot);
  }
}

TEST(VectorAlgebra, ComplexCrossAndDotFollowFromTheRealParts) {
  // Both are linear in the complex argument: the real and imaginary parts of the result are the
  // real operations on the real and imaginary parts.
  const float a[3] = {1, 2, 3};
  const Complex b[3] = {{4, -1}, {5, 2}, {6, 0.5f}};
  const float bRe[3] = {4, 5, 6}, bIm[3] = {-1, 2, 0.5f};
  float crossRe[3], crossIm[3];
  XPROD(a, bRe, crossRe);
  XPROD(a, bIm, crossIm);
  Complex c[3];
  CXPROD(a, b, c);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(c[i], Complex(crossRe[i], crossIm[i]));

  EXPECT_EQ(CXDOTP(b, a), Complex(DOTP(bRe, a), DOTP(bIm, a)));
}

TEST(VectorAlgebra, LengthsAndUnitVectors) {
  // 3-4-12-13 is a Pythagorean quadruple.
  const float v[3] = {3, 4, 12};
  EXPECT_EQ(VMOD(v), 13.0f);
  const Complex cv[3] = {{3, 4}, {0, 0}, {12, 0}};
  EXPECT_EQ(CVMOD(cv), 13.0f);
  const float zero[3] = {0, 0, 0};
  EXPECT_EQ(VMOD(zero), 0.0f);

  float u[3];
  UNITIZ(v, u);
  EXPECT_TRUE(IsClose(VMOD(u), 1.0, 1e-6));
  EXPECT_TRUE(IsClose(u[2], 12.0 / 13.0, 1e-6));
  UNITIZ(zero, u);
  EXPECT_EQ(std::vector<float>(u, u + 3), (std::vector<float>{1, 0, 0}));
  float inPlace[3] = {0, 0, -5};
  UNITIZ(inPlace, inPlace);
  EXPECT_EQ(std::vector<float>(inPlace, inPlace + 3), (std::vector<float>{0, 0, -1}));

  Complex cu[3];
  CUNITIZ(cv, cu);
  EXPECT_TRUE(IsClose(CVMOD(cu), 1.0, 1e-6));
  EXPECT_TRUE(IsClose(cu[0].imag(), 4.0 / 13.0, 1e-6));
  const Complex czero[3] = {};
  CUNITIZ(czero, cu);
  for (const Complex& e : cu) EXPECT_EQ(e, Complex(0, 0));
}

TEST(VectorAlgebra, SegmentLengthAndAxis) {
  struct Case {
    float p2[3];
    float length;
    int axis;
  };
  const Case cases[] = {
      {{0, 0, 5}, 5, 3},
      {{-7, 0, 0}, 7, 1},
      {{0.1f, 3, 0}, std::sqrt(9.01f), 2},  // 1.9 degrees off the y axis
      {{1, 1, 0}, std::sqrt(2.0f), 4},      // 45 degrees: no axis
      {{0, 0, 0}, 0, 4},                    // a point
  };
  const float origin[3] = {0, 0, 0};
  for (const Case& c : cases) {
    float length = -1;
    int axis = -1;
    VECLEN(c.p2, origin, length, axis);
    EXPECT_TRUE(IsClose(length, c.length, 1e-6));
    EXPECT_EQ(axis, c.axis);
  }
}

TEST(VectorAlgebra, SphericalAnglesRoundTrip) {
  const float pi = 3.14159265f;
  struct Case {
    float theta, phi;  // [rad]
  };
  const Case cases[] = {{0.3f, 0.2f}, {pi / 2, -pi / 2}, {2.5f, 3.0f}, {1.0f, -2.9f}};
  for (const Case& c : cases) {
    float v[3];
    RCTNGL(c.theta, c.phi, v);
    EXPECT_TRUE(IsClose(VMOD(v), 1.0, 1e-6));
    float r, theta, phi;
    POLAR(v, r, theta, phi);
    EXPECT_TRUE(IsClose(r, 1.0, 1e-6));
    EXPECT_TRUE(IsClose(theta, c.theta, 1e-5));
    EXPECT_TRUE(IsClose(phi, c.phi, 1e-5));
  }
  float r = -1, theta = -1, phi = -1;
  const float up[3] = {0, 0, 2};
  POLAR(up, r, theta, phi);
  EXPECT_EQ(r, 2.0f);
  EXPECT_EQ(theta, 0.0f);
  EXPECT_EQ(phi, 0.0f);
  const float zero[3] = {0, 0, 0};
  POLAR(zero, r, theta, phi);
  EXPECT_EQ(r, 0.0f);
  EXPECT_EQ(theta, 0.0f);
  EXPECT_EQ(phi, 0.0f);
}

TEST(ComplexScalars, SquaredModulusAndRealPartLimit) {
  EXPECT_EQ(ABS2(Complex(3, -4)), 25.0f);
  struct Case {
    Complex in;
    float limit;
    Complex out;
  };
  const Case cases[] = {
      {{5, 3}, 2, {2, 3}},
      {{-5, 3}, 2, {-2, 3}},
      {{1.5f, -7}, 2, {1.5f, -7}},  // within the limit: unchanged
      {{2, 1}, 2, {2, 1}},          // at the limit: unchanged
  };
  for (const Case& c : cases) {
    Complex z = c.in;
    CEXLIM(z, c.limit);
    EXPECT_EQ(z, c.out);
  }
}

}  // namespace
}  // namespace qv
