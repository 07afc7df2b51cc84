#include "mooring/catenary_damping.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>

#include "line_fixture.h"
#include "support/checks.h"
#include "support/console_capture.h"

namespace qv {
namespace {

using testing_support::ConsoleCapture;
using testing_support::contains;
using testing_support::IsClose;
using testing_support::LineModelTest;

// One suspended element of 400 ft, w = 0.1 kip/ft, a1 = 1e-5 /kip; at H = 100 kip (a = 1000 ft) its
// top slope is 1.0 and its bottom slope 0.6. The raised tension of the parameter derivative is
// (1 + 2^-7) H, as the line driver leaves it.
class CatenaryDamping : public LineModelTest {
 protected:
  void SetUp() override {
    LineModelTest::SetUp();
    defineLine(1, {{400.0f, 0.1f, 0.0f, 1e-5f, 0, 0}});
    LINCOM.DHFRAC = 0.0078125;
    atTension(100.0);
  }

  static void atTension(double H) {
    Lincom& lc = LINCOM;
    prepare(1, H, 0.0f);
    lc.DPHLD2 = (1.0 + lc.DHFRAC) * lc.DPHLD;
    SCLWLD(lc.SCLWTP.data(), &TPCM.moor.WETWT(1, 1), lc.DPHLD2, 1);
    BETALD(&TPCM.moor.ALPHA(1, 1, 1), lc.BETAP.data(), lc.DPHLD2, 1);
  }

  struct Integrals {
    float DISIPD = 0, DISOOP = 0, KEELMT = 0, KEELML = 0, KEOOP = 0, ADAMAXQ = 0, ADATOPQ = 0, LONTOPQ = 0;
    Complex CTXACC, CTZACC;
  };

  static Integrals integrate(double qF, double qB, Complex Xtop, Complex Ztop, Complex Xbottom, Complex Zbottom,
                             std::int32_t j = 1, std::int32_t BOTFLG = 0) {
    Integrals r;
    const double a = LINCOM.DPHLD / TPCM.moor.WETWT(j, 1);
    CATDMP({.a = TPCM.moor.WETWT(j, 1) != 0.0f ? a : 0.0, .qF = qF, .qB = qB, .x0 = 0.0f, .n = 5,
            .DXTOP2 = Xtop, .DZTOP2 = Ztop, .DXBOT1 = Xbottom, .DZBOT1 = Zbottom, .j = j, .BOTFLG = BOTFLG,
            .DO_OOP = 0,
            .out = {.DISIPD = r.DISIPD, .DISOOP = r.DISOOP, .KEELMT = r.KEELMT, .KEELML = r.KEELML,
                    .KEOOP = r.KEOOP, .ADAMAXQ = r.ADAMAXQ, .ADATOPQ = r.ADATOPQ, .LONTOPQ = r.LONTOPQ,
                    .CTXACC = r.CTXACC, .CTZACC = r.CTZACC}});
    return r;
  }
};

TEST_F(CatenaryDamping, RigidTranslationOfTheElement) {
  // The top does not move relative to the bottom; the bottom moves by (X, Z): every point moves by
  // (X, Z), so N = Z c - X s and L = X c + Z s. The drag integral against (4/3) times the integral
  // of |N|^3 along the arc (scipy quad: tests/mooring/reference_values.py, section
  // "catenary_damping"); KEELMT and KEELML of the real case from the same quad, 363.6110278 and
  // 1636.388972.
  struct Case {
    Complex X, Z;
    double drag;
  };
  const Case cases[] = {
      {{1.0f, 0.0f}, {2.0f, 0.0f}, 477.6578774},
      {{0.7f, 0.4f}, {-0.2f, 1.1f}, 332.0388368},
  };
  const Complex none(0, 0);
  for (const Case& c : cases) {
    const Integrals r = integrate(1.0, 0.6, none, none, c.X, c.Z);
    EXPECT_TRUE(IsClose(r.DISIPD, c.drag, 1e-4)) << c.drag;
    const double cosF = 1 / std::sqrt(2.0), sinF = cosF;
    EXPECT_TRUE(IsClose(r.ADATOPQ, std::abs(std::complex<double>(c.Z) * cosF - std::complex<double>(c.X) * sinF), 1e-6));
    EXPECT_TRUE(IsClose(r.LONTOPQ, std::abs(std::complex<double>(c.X) * cosF + std::complex<double>(c.Z) * sinF), 1e-6));
    EXPECT_EQ(r.DISOOP, 0.0f);
  }
  const Integrals r = integrate(1.0, 0.6, none, none, Complex(1, 0), Complex(2, 0));
  EXPECT_TRUE(IsClose(r.KEELMT, 363.6110278, 1e-4));
  EXPECT_TRUE(IsClose(r.KEELML, 1636.388972, 1e-4));
  // N = (2 - q) / sqrt(1 + q^2) is largest at the bottom, q = 0.6.
  EXPECT_TRUE(IsClose(r.ADAMAXQ, 1.4 / std::sqrt(1.36), 1e-6));
  EXPECT_EQ(r.CTXACC, Complex(0, 0));  // not the touchdown element
}

TEST_F(CatenaryDamping, TheTopMovingRelativeToTheBottom) {
  // At H = 20 kip the element sags through its lowest point: top slope 1.2, bottom slope -0.8. Top
  // motion (1 + 0.2i, 0.5 - 0.3i) relative to the bottom, bottom motion (0.2, -0.1 + 0.05i). The
  // motion of the points from the exact Jacobian of the elastic catenary over (top slope, H) with the
  // bottom held and the length kept (reference_values.py, "catenary_damping"), integrated on the same
  // five points: |N| 0.0609878, 0.82509544, 0.9101377, 0.26268508, 0.73598935 from the bottom up,
  // DISIPD 187.82537, KEELMT 173.37483, KEELML 282.02311. The model takes its derivatives by
  // one-sided differences (2^-7 of the tension, at least 0.001 in slope), which put the motions about
  // 1 % off here: the squares within 2 %, the cubes of the drag within 4 %. At the top the point moves
  // exactly as the top does.
  atTension(20.0);
  const Integrals r = integrate(1.2, -0.8, Complex(1.0f, 0.2f), Complex(0.5f, -0.3f), Complex(0.2f, 0.0f),
                                Complex(-0.1f, 0.05f));
  EXPECT_TRUE(IsClose(r.DISIPD, 187.82537, 0.04));
  EXPECT_TRUE(IsClose(r.KEELMT, 173.37483, 0.02));
  EXPECT_TRUE(IsClose(r.KEELML, 282.02311, 0.02));
  EXPECT_TRUE(IsClose(r.ADAMAXQ, 0.9101377, 0.02));
  EXPECT_TRUE(IsClose(r.ADATOPQ, 0.73598935, 1e-5));
  EXPECT_TRUE(IsClose(r.LONTOPQ, 1.0774134, 1e-5));
  // The Jacobian of the top's position over the slope shift and the catenary parameter.
  const Catcom& cc = CATCOM;
  EXPECT_EQ(cc.JACOBY, cc.DXFDP * cc.DZFDT - cc.DXFDT * cc.DZFDP);
  EXPECT_NE(cc.JACOBY, 0.0);
}

TEST_F(CatenaryDamping, ElementsThatDoNotMove) {
  // No motion at all: every integral 0.
  const Complex none(0, 0);
  Integrals r = integrate(1.0, 0.6, none, none, none, none);
  EXPECT_EQ(r.DISIPD, 0.0f);
  EXPECT_EQ(r.KEELMT, 0.0f);
  EXPECT_EQ(r.KEELML, 0.0f);
  EXPECT_EQ(r.ADAMAXQ, 0.0f);
  // An element below the touchdown element, its top on the seabed: nothing, whatever moves.
  LINCOM.BOTELM = 1;
  r = integrate(0.0, 0.0, Complex(1, 0), Complex(1, 0), Complex(1, 0), Complex(1, 0));
  EXPECT_EQ(r.DISIPD, 0.0f);
  EXPECT_EQ(r.KEELML, 0.0f);
  EXPECT_EQ(r.LONTOPQ, 0.0f);
}

TEST_F(CatenaryDamping, AWeightlessElementIsStraight) {
  // 400 ft of weightless line at slope 1.0, stretched by 1 + 1e-5 * 100 sqrt 2: its points move
  // linearly from the bottom's motion (X0, Z0) to the top's. With real motions the transverse motion
  // N(t) = N0 + t (N1 - N0) keeps its sign, and Simpson's rule integrates N^3 exactly:
  // (4/3) l (N1^4 - N0^4) / (4 (N1 - N0)).
  defineLine(1, {{400.0f, 0.0f, 0.0f, 1e-5f, 0, 0}});
  prepare(1, 100.0, 0.0f);
  const double l = 400.0 * (1.0 + static_cast<double>(1e-5f) * 100.0 * std::sqrt(2.0));
  const double c = 1 / std::sqrt(2.0), s = c;
  const double X0 = 0.5, Z0 = 2.0, X1 = 1.5, Z1 = 3.5;  // bottom and top
  const double N0 = Z0 * c - X0 * s, N1 = Z1 * c - X1 * s;
  const Integrals r = integrate(1.0, 1.0, Complex(X1 - X0, 0), Complex(Z1 - Z0, 0), Complex(X0, 0), Complex(Z0, 0));
  EXPECT_TRUE(IsClose(r.DISIPD, 4.0 / 3.0 * l * (std::pow(N1, 4) - std::pow(N0, 4)) / (4 * (N1 - N0)), 1e-5));
  EXPECT_TRUE(IsClose(r.KEELMT, l * (N0 * N0 + N0 * (N1 - N0) + (N1 - N0) * (N1 - N0) / 3), 1e-5));
  EXPECT_TRUE(IsClose(r.ADATOPQ, N1, 1e-6));
  EXPECT_TRUE(IsClose(r.LONTOPQ, X1 * c + Z1 * s, 1e-6));
  EXPECT_TRUE(std::isfinite(r.KEELML));
}

TEST_F(CatenaryDamping, TraceOfOnePoint) {
  // Trace level 1: the working values of the point, its separations (PNTSEP's own trace), then a
  // pause that reads one reply.
  TPCM.NBUG = 1;
  ConsoleCapture console("\nnext\n");
  float DADXF = 0, DADZF = 0, tX = 0, tZ = 0, c = 0, s = 0;
  double DXDP = 0, DXDT = 0, DZDP = 0, DZDT = 0;
  CATMOT(DADXF, DADZF, tX, tZ, DXDP, DXDT, DZDP, DZDT, c, s, 0.8, 0.6, 1.0, 1, 0);
  const std::string screen = console.screen();
  for (const char* line : {"IN CATMOT\n", "IN CATMOT; BEFORE PNTSEP\n", " IN CATCOF; RTMP,RTMPB,DQP,DQPF,DQPB,TX\n",
                           " >>IN CATMOT:\n", " DXFDP,DXFDT,DZFDP,DZFDT\n", " DXDXF,DZDXF,DXDZF,DZDZF\n",
                           " DXDP,DXDT,DZDP,DZDT\n", " DXDSI,DZDSI,QP,TX \n",
                           "CATMOT END; DADXF,DADZF,DXDP,DZDP,DZDT,DXDSI,DZDSI,QP,DQB,DQF\n",
                           " Press <RETURN> to continue: TRY AGAIN, AND...\n"}) {
    EXPECT_TRUE(contains(screen, line)) << line;
  }
  EXPECT_EQ(console.unread(), "next\n");
}

}  // namespace
}  // namespace qv
