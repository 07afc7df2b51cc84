#include "mooring/catenary_element.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <string>

#include "platform/units.h"
#include "support/checks.h"
#include "support/console_capture.h"

namespace qv {
namespace {

using testing_support::ConsoleCapture;
using testing_support::IsClose;

// Terms b(i, k) of up to 25 elements, all zero unless set.
struct Terms {
  std::array<double, 75> b{};
  void set(int k, double b1, double b2, double b3) {
    b[3 * (k - 1)] = b1;
    b[3 * (k - 1) + 1] = b2;
    b[3 * (k - 1) + 2] = b3;
  }
  const double* data() const { return b.data(); }
};

// The spans of one element from the differential equations themselves, by fourth-order Runge-Kutta
// over its unstretched length: dx/ds = (1 + e) cos phi, dz/ds = (1 + e) sin phi, tan phi falling by
// q per unit length, e = b1 sec + b2 sec^2 + b3 sec^3.
struct Spans {
  double dx, dz;
};
Spans integrateElement(double pTop, double q, double L, double b1, double b2, double b3) {
  auto rates = [&](double s) {
    const double p = pTop - q * s;
    const double sec = std::sqrt(1 + p * p);
    const double stretch = 1 + b1 * sec + b2 * sec * sec + b3 * sec * sec * sec;
    return Spans{stretch / sec, stretch * p / sec};
  };
  const int steps = 4000;
  const double h = L / steps;
  Spans sum{0, 0};
  for (int i = 0; i < steps; ++i) {
    const double s = i * h;
    const Spans k1 = rates(s), k2 = rates(s + h / 2), k4 = rates(s + h);  // k3 = k2: no state
    sum.dx += h / 6 * (k1.dx + 4 * k2.dx + k4.dx);
    sum.dz += h / 6 * (k1.dz + 4 * k2.dz + k4.dz);
  }
  return sum;
}

TEST(CatenaryElement, SpansAgreeWithDirectIntegration) {
  struct Case {
    const char* what;
    double pTop, q;
    float L;
    double b1, b2, b3;
  };
  const Case cases[] = {
      // a = (2e-5, -3e-8, 4e-11) at H = 150 kip, w = 0.08 kip/ft
      {"cubic law", 1.2, 0.08 / 150, 500.0f, 3e-3, -6.75e-4, 1.35e-4},
      {"buoyant", -0.2, -0.3 / 60, 100.0f, 6e-4, 0, 0},
      {"slope through zero", 0.1, 0.1 / 50, 200.0f, 5e-4, 2e-5, 3e-6},
      {"steep", 8.0, 0.002, 1000.0f, 1e-3, 1e-4, 1e-5},
  };
  for (const Case& c : cases) {
    Terms b;
    b.set(1, c.b1, c.b2, c.b3);
    const double q[1] = {c.q};
    const double p[2] = {c.pTop, c.pTop - c.q * c.L};
    const double s[2] = {SECFCN(p[0]), SECFCN(p[1])};
    const float L[1] = {c.L};
    const Spans ref = integrateElement(c.pTop, c.q, c.L, c.b1, c.b2, c.b3);
    EXPECT_TRUE(IsClose(elementRun(q, s, b.data(), 1, L, p), ref.dx, 1e-10)) << c.what;
    EXPECT_TRUE(IsClose(elementRise(q, s, b.data(), 1, L, p), ref.dz, 1e-10, 1e-10 * std::fabs(ref.dx))) << c.what;
    EXPECT_TRUE(IsClose(ZDIST(q, s, b.data(), 1, L, p), ref.dz, 1e-10, 1e-10 * std::fabs(ref.dx))) << c.what;
  }
}

TEST(CatenaryElement, WithoutStrainTheFunctionsReduceToTheCatenary) {
  Terms b;  // all zero
  for (double p : {-3.0, -0.5, 0.0, 0.25, 1.0, 7.5}) {
    const double s = SECFCN(p);
    EXPECT_EQ(STRECH(p, b.data(), 4), 1.0) << p;
    EXPECT_TRUE(IsClose(XFCN(s, p, 4, b.data()), std::asinh(p), 1e-14, 1e-15)) << p;
    EXPECT_EQ(ZFCN(s, 4, b.data()), s) << p;
    EXPECT_TRUE(IsClose(DCSPHI(p), std::cos(std::atan(p)), 1e-15)) << p;
    EXPECT_TRUE(IsClose(DSNPHI(p), std::sin(std::atan(p)), 1e-15, 1e-16)) << p;
  }
}

TEST(CatenaryElement, SlopeDerivativesAndTerms) {
  // DZFCN is d ZFCN(sec(p)) / dp written in sec; checked by central differences.
  Terms b;
  b.set(2, 2e-3, 3e-4, 5e-5);
  for (double p : {0.1, 0.8, 2.5}) {
    const double h = 1e-5;
    const double numeric = (ZFCN(SECFCN(p + h), 2, b.data()) - ZFCN(SECFCN(p - h), 2, b.data())) / (2 * h);
    EXPECT_TRUE(IsClose(DZFCN(SECFCN(p), 2, b.data()), numeric, 1e-8)) << p;
    EXPECT_TRUE(IsClose(DZFCNOQ(SECFCN(p), 2, b.data()), numeric / p, 1e-8)) << p;
  }

  // b(i, k) = a(i, k) H^i and q = w / H; the compliance de/dT by central differences.
  const float a[6] = {0, 0, 0, 1e-5f, 2e-8f, 3e-11f};
  double terms[6] = {};
  BETALD(a, terms, 200.0, 2);
  EXPECT_TRUE(IsClose(terms[3], 1e-5f * 200.0, 1e-15));
  EXPECT_TRUE(IsClose(terms[4], 2e-8f * 40000.0, 1e-15));
  EXPECT_TRUE(IsClose(terms[5], 3e-11f * 8e6, 1e-15));
  const float w[2] = {0.1f, -0.25f};
  double q[2] = {};
  SCLWLD(q, w, 200.0, 2);
  EXPECT_EQ(q[1], -0.25f / 200.0);
  auto strain = [&](double T) { return a[3] * T + a[4] * T * T + a[5] * T * T * T; };
  EXPECT_TRUE(IsClose(EAINV(a, 150.0f, 2), (strain(150.001) - strain(149.999)) / 0.002, 1e-4));
}

TEST(CatenaryElement, SumsOverElements) {
  // Two elements: a weighted one that reaches the seabed exactly at its lower end, then a
  // weightless one lying on the seabed. b1 = 1e-3, so grounded lengths stretch by 1.001.
  Terms b;
  b.set(1, 1e-3, 0, 0);
  b.set(2, 1e-3, 0, 0);
  const float L[2] = {300.0f, 200.0f};
  double q[2] = {0.001, 0.0};
  double p[3] = {0.3, 0.0, 0.0};
  double s[3] = {SECFCN(0.3), 1.0, 1.0};
  EXPECT_EQ(ZDIST(q, s, b.data(), 0, L, p), 0.0);
  EXPECT_EQ(XDIST(q, s, p, b.data(), 0, 2, 1, L, 0.0), 0.0);
  const double first = XDIST(q, s, p, b.data(), 1, 2, 1, L, 0.0);
  // The element on the seabed counts once, with its stretched length.
  EXPECT_TRUE(IsClose(XDIST(q, s, p, b.data(), 2, 2, 1, L, 0.0) - first, 200 * 1.001, 1e-12));

  // A weighted element that touches down mid-length: its suspended span and its grounded part,
  // (300 - 0.2 / 0.001) 1.001 = 100.1 ft stretched.
  p[0] = 0.2;
  s[0] = SECFCN(0.2);
  const double suspended = (XFCN(s[0], 0.2, 1, b.data()) - XFCN(1.0, 0.0, 1, b.data())) / 0.001;
  EXPECT_TRUE(IsClose(XDIST(q, s, p, b.data(), 1, 1, 1, L, 0.0), suspended + 100.1, 1e-12));
  EXPECT_TRUE(IsClose(XDIST(q, s, p, b.data(), 1, 1, 0, L, 0.0), suspended, 1e-12));  // anchor type 0
  // A buoyant element further down, or a rising upper end, keeps it off the seabed.
  q[1] = -0.002;
  EXPECT_TRUE(IsClose(XDIST(q, s, p, b.data(), 1, 2, 1, L, 0.0), suspended, 1e-12));
  q[1] = 0.0;
  p[0] = -0.2;
  s[0] = SECFCN(-0.2);
  p[1] = -0.5;
  s[1] = SECFCN(-0.5);
  EXPECT_TRUE(IsClose(XDIST(q, s, p, b.data(), 1, 1, 1, L, 0.0),
                      (XFCN(s[0], -0.2, 1, b.data()) - XFCN(s[1], -0.5, 1, b.data())) / 0.001, 1e-12));

  // The straight formula only for q exactly 0; a tiny q takes the catenary formula, which comes
  // close to the straight line.
  double qs[1] = {0.0};
  double ps[2] = {0.5, 0.5};
  double ss[2] = {SECFCN(0.5), SECFCN(0.5)};
  const float Ls[1] = {100.0f};
  const double line = ZDIST(qs, ss, b.data(), 1, Ls, ps);
  EXPECT_TRUE(IsClose(line, 100 * STRECH(0.5, b.data(), 1) * 0.5 / SECFCN(0.5), 1e-15));
  qs[0] = 1e-9;
  ps[1] = 0.5 - 1e-7;
  ss[1] = SECFCN(ps[1]);
  EXPECT_TRUE(IsClose(ZDIST(qs, ss, b.data(), 1, Ls, ps), line, 1e-6));
  EXPECT_NE(ZDIST(qs, ss, b.data(), 1, Ls, ps), line);
}

TEST(CatenaryElement, Touchdown) {
  // Elements of 100, 200 and 300 ft from the fairlead weighing 0.1, 0.02 and 0.1 kip/ft, all
  // stretched by 1.5 on the seabed: stretched lengths from the lower end 450, 300, 150.
  Terms b;
  for (int k = 1; k <= 3; ++k) b.set(k, 0.5, 0, 0);
  const float L[3] = {100.0f, 200.0f, 300.0f};
  const float w[3] = {0.1f, 0.02f, 0.1f};
  struct Case {
    float G;
    std::int32_t element;
    float weight, length;
  };
  const Case cases[] = {
      {0.0f, 3, 0.0f, 0.0f},       {75.0f, 3, 5.0f, 50.0f},     {450.0f, 2, 30.0f, 300.0f},
      {600.0f, 2, 32.0f, 400.0f},  {900.0f, 3, 44.0f, 600.0f},  {1200.0f, 3, 44.0f, 600.0f},
  };
  for (const Case& c : cases) {
    float weight = -1, length = -1;
    std::int32_t element = -1;
    TUCHDN(c.G, w, L, b.data(), 3, 0.0, weight, element, length);
    EXPECT_EQ(element, c.element) << c.G;
    EXPECT_TRUE(IsClose(weight, c.weight, 1e-6)) << c.G;
    EXPECT_TRUE(IsClose(length, c.length, 1e-6)) << c.G;
  }
}

TEST(CatenaryElement, DepthLayers) {
  struct Case {
    std::int32_t layers, middle;
    float step, span, z;
    std::int32_t layer;
    float fraction;
    std::int32_t outside;
  };
  // Five layers 10 apart, layer 3 at offset 0: they cover -20 .. 20.
  const Case cases[] = {
      {5, 3, 10, 40, 0, 3, 0, 0},      {5, 3, 10, 40, -20, 1, 0, 0},   {5, 3, 10, 40, 15, 4, 0.5f, 0},
      {5, 3, 10, 40, 20, 4, 1, 0},     {5, 3, 10, 40, 25, 4, 1.5f, 1}, {5, 3, 10, 40, -25, 1, -0.5f, 1},
      {2, 1, 10, 10, 10, 1, 1, 0},     {1, 1, 10, 0, 0, 1, 0, 0},       {1, 1, 10, 0, 5, 1, 0, 1},
      {1, 1, 10, 0, -5, 1, 0, 1},
  };
  for (const Case& c : cases) {
    std::int32_t layer = -1, outside = -1;
    float fraction = -9;
    SETLYR(c.layers, c.middle, c.step, c.span, c.z, layer, fraction, outside);
    EXPECT_EQ(layer, c.layer) << c.layers << " " << c.z;
    EXPECT_FLOAT_EQ(fraction, c.fraction) << c.layers << " " << c.z;
    EXPECT_EQ(outside, c.outside) << c.layers << " " << c.z;
    double fractionD = -9;
    SETLDP(c.layers, c.middle, c.step, c.span, c.z, layer, fractionD, outside);
    EXPECT_EQ(layer, c.layer);
    EXPECT_DOUBLE_EQ(fractionD, c.fraction);
    EXPECT_EQ(outside, c.outside);
  }
}

TEST(CatenaryElement, PointSeparationWithTheGroundedPiece) {
  // The one-element line of L = 3000 ft, w = 0.1 kip/ft, a1 = 1e-5 /kip at H = 100 kip from its
  // fairlead slope 0.8301230530156877 (tests/mooring/reference_values.py) to its touchdown: span
  // 2928.8949310983435 ft with the grounded piece, height 300 ft.
  Terms b;
  b.set(1, 1e-3, 0, 0);
  const double p1 = 0.8301230530156877;
  double dx = 0, dz = 0;
  ConsoleCapture console;
  PNTSEP(dx, dz, p1, 0.0, p1, 100 * SECFCN(p1), b.data(), 0.001, 3000.0f, 0.0, 0, 1, 1, kScreenUnit);
  EXPECT_TRUE(IsClose(dx, 2928.8949310983435, 1e-12));
  EXPECT_TRUE(IsClose(dz, 300.0, 1e-12));
  EXPECT_EQ(console.screen(), "");

  PNTSEP(dx, dz, p1, 0.0, p1, 130.0, b.data(), 0.001, 3000.0f, 0.0, 1, 1, 0, kScreenUnit);
  EXPECT_EQ(console.screen(),
            " IN CATCOF; RTMP,RTMPB,DQP,DQPF,DQPB,TX\n"
            "  0.1300E+01  0.1000E+01  0.8301E+00  0.8301E+00  0.0000E+00  0.1300E+03\n"
            " BEFORE BOTTOM CORRECTION: BOTFLG,DXSEP,DZSEP\n"
            "    0  0.7568E+03  0.3000E+03\n"
            " IELEM,DXSEP,DZSEP,SCLWTP,BOTLN,STRECH(DSLOPE,BETA,IELEM)\n"
            "    1  0.7568E+03  0.3000E+03  0.1000E-02  0.0000E+00  0.1001E+01\n");
}

}  // namespace
}  // namespace qv
