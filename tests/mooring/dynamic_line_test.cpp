#include "mooring/dynamic_line.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <string>

#include "line_fixture.h"
#include "mooring/line_driver.h"
#include "mooring/line_setup.h"
#include "support/checks.h"
#include "support/console_capture.h"
#include "util/sim_types.h"
#include "waves/wavcom.h"

namespace qv {
namespace {

using testing_support::ConsoleCapture;
using testing_support::IsClose;
using testing_support::kAbortQuestion;
using testing_support::LineModelTest;
using testing_support::stopStatus;

struct Response {
  double CATPRM = 0;
  std::int32_t IDONE = 0;
  Complex CYCP, CYCM, CYEP, CYEM, CTOPP, CBOTP, CTOPM, CBOTM;
  float FSTP = 0, FSTM = 0, RATIO = 0;
  Arr<Complex, 26> CNODP, CNODM, CAXN, CTRN;
};

// The spread line (3000 ft, w = 0.1 kip/ft, EA = 1e5 kip, 300 ft from anchor to fairlead) as chain
// of 3 in diameter, dry weight 0.115 kip/ft, Cm 1, Cd 1.2, in water of 64 lb/ft^3; tables in five
// layers over 40 ft; solved by the line driver at its pretension of 100 kip and prepared as the disc
// mooring springs prepare it (touchdown element from the grounded length).
class DynamicLine : public LineModelTest {
 protected:
  void SetUp() override {
    LineModelTest::SetUp();
    WAVCOM.G = 32.152f;
    defineSpread(1);
    Tpcm& t = TPCM;
    Morcom& m = t.moor;
    t.CREATR = kSimQuorvel;
    t.DWATR = 64.0f;
    m.NLAYER = 5;
    m.ZSPAN = 40.0f;
    m.ZMCTR = 20.0f;
    m.DIAM(1, 1) = 3.0f;
    m.COFMST(1, 1) = 1.0f;
    m.COFDMT(1, 1) = 1.2f;
    solve();
  }

  static void solve() {
    setUpLineTables();
    Lincom& lc = LINCOM;
    LINDRV(lc.RANCK.data(), lc.ZANCK.data());
    const Morcom& m = TPCM.moor;
    const std::int32_t type = lc.ITYP;
    float weight = 0.0f, length = 0.0f;
    TUCHDN(static_cast<float>(lc.BOTLNM), &m.WETWT(1, type), &m.SLEN(1, type), lc.BETA.data(), m.NELEM(type),
           lc.DSLOPE, weight, lc.BOTELM, length);
  }

  static Response respond(Complex fairlead, float omega, std::int32_t LNODES = 0, std::int32_t LWARN = 0,
                          Complex bottom = Complex(0, 0)) {
    CATCOM.CAFLD = fairlead;
    CATCOM.CABOT = bottom;
    Response r;
    DYNCOD({.LINNUM = 1, .OMEGA = omega, .DIAFAC = 0.0833f, .SEPARR = LINCOM.RANCK.data(), .LNODES = LNODES,
            .LWARN = LWARN,
            .out = {.CATPRM = r.CATPRM, .IDONE = r.IDONE, .CYCP = r.CYCP, .CYCM = r.CYCM, .CYEP = r.CYEP,
                    .CYEM = r.CYEM, .CTOPP = r.CTOPP, .CBOTP = r.CBOTP, .CTOPM = r.CTOPM, .CBOTM = r.CBOTM,
                    .FSTP = r.FSTP, .FSTM = r.FSTM, .CNODP = r.CNODP.data(), .CNODM = r.CNODM.data(),
                    .CAXN = r.CAXN.data(), .CTRN = r.CTRN.data(), .RATIO = r.RATIO}});
    return r;
  }
};

// The end extension along the line at the fairlead; the anchor holds.
const Complex kMotion(2.0f, 0.5f);

TEST_F(DynamicLine, NoEndMotionNoResponse) {
  TPCM.moor.INRLFG = 1;
  for (std::int32_t nonLinear : {0, 1}) {
    TPCM.moor.NLWVFG = nonLinear;
    const Response r = respond(Complex(0, 0), 0.6f, 1, 1);
    EXPECT_EQ(r.IDONE, 1);
    for (Complex z : {r.CYCP, r.CYCM, r.CYEP, r.CYEM, r.CTOPP, r.CBOTP, r.CTOPM, r.CBOTM}) {
      EXPECT_EQ(z, Complex(0, 0)) << nonLinear;
    }
    EXPECT_EQ(r.FSTP, 0.0f);
    EXPECT_EQ(r.FSTM, 0.0f);
    EXPECT_EQ(r.RATIO, 0.0f);
    for (int n = 1; n <= 2; ++n) {
      EXPECT_EQ(r.CNODP(n), Complex(0, 0));
      EXPECT_EQ(r.CNODM(n), Complex(0, 0));
      EXPECT_EQ(r.CAXN(n), Complex(0, 0));
      EXPECT_EQ(r.CTRN(n), Complex(0, 0));
    }
  }
}

TEST_F(DynamicLine, SlowMotionGivesTheStaticStiffness) {
  // Without drag and line mass, as omega tends to 0, the tension amplitude tends to KSTAT a, in phase
  // with the motion, equal at both ends. KSTAT is the change of the fairlead tension per unit move
  // along the line: from the elastic catenary (Irvine; reference_values.py, "fairlead"),
  // dT/dx cos + dT/dz sin = 2.68941160 * 0.76943470 + 1.06942623 * 0.63872548 = 2.75239 kip/ft;
  // the line driver's one-sided differences lie within 2 %.
  TPCM.moor.COFDMT(1, 1) = 0.0f;
  const Response r = respond(kMotion, 0.01f);
  const float a = std::abs(kMotion);
  EXPECT_TRUE(IsClose(CATCOM.KSTAT, 2.75239, 0.02));
  EXPECT_TRUE(IsClose(std::abs(r.CTOPP), CATCOM.KSTAT * a, 1e-3));
  EXPECT_TRUE(IsClose(std::abs(r.CTOPP - CATCOM.KSTAT * kMotion), 0, 0, 1e-3 * CATCOM.KSTAT * a));
  EXPECT_TRUE(IsClose(std::abs(r.CBOTP - r.CTOPP), 0, 0, 1e-3 * std::abs(r.CTOPP)));
  EXPECT_EQ(r.CTOPM, -r.CTOPP);
  EXPECT_EQ(r.CBOTM, -r.CBOTP);
  EXPECT_EQ(r.FSTP, CATCOM.KSTAT * a);
  EXPECT_EQ(r.FSTM, -CATCOM.KSTAT * a);
  // The catenary and the elastic line in series: the catenary takes 1 / (1 + KRAT) of the extension.
  EXPECT_TRUE(IsClose(r.RATIO, 1.0 / (1.0 + CATCOM.KRAT), 1e-5));
  EXPECT_TRUE(IsClose(std::abs(r.CYCP + r.CYEP - kMotion), 0, 0, 1e-5 * a));
  EXPECT_TRUE(IsClose(CATCOM.KELAS, 1.0 / (3000 * 1e-5f), 1e-6));
}

TEST_F(DynamicLine, NodeTensionsAndMotions) {
  // The nodes at the fairlead and at the anchor carry the end tensions; the negative excursion the
  // negative; the fairlead moves along the line by the end extension; the anchor not at all.
  const Response r = respond(kMotion, 0.6f, 1);
  EXPECT_EQ(r.CNODP(1), r.CTOPP);
  EXPECT_EQ(r.CNODP(2), r.CBOTP);
  EXPECT_EQ(r.CNODM(1), -r.CNODP(1));
  EXPECT_EQ(r.CNODM(2), -r.CNODP(2));
  EXPECT_TRUE(IsClose(std::abs(r.CAXN(1) - kMotion), 0, 0, 1e-3 * std::abs(kMotion)));
  EXPECT_EQ(r.CAXN(2), Complex(0, 0));
  EXPECT_EQ(r.CTRN(2), Complex(0, 0));
  EXPECT_TRUE(IsClose(r.RATIO, std::abs(r.CYCP) / std::abs(kMotion), 1e-6));
}

TEST_F(DynamicLine, QuasiStaticTension) {
  // The fairlead moved 5 ft along the line: the fairlead tension read from the tables at the
  // separation moved by 5 / cos = 6.4983 ft, where the elastic catenary has 149.50241752 kip
  // (reference_values.py, "oblique_fairlead"), less the static 129.9655448 kip: real and equal at
  // both ends.
  TPCM.moor.QSFLAG2 = 1;
  const float a = 5.0f;
  Response r = respond(Complex(a, 0), 0.6f);
  EXPECT_TRUE(IsClose(r.FSTP, 149.50241752 - 129.9655448, 0.005));
  EXPECT_EQ(r.CTOPP, Complex(r.FSTP, 0));
  EXPECT_EQ(r.CBOTP, Complex(r.FSTP, 0));
  EXPECT_EQ(r.CTOPM, Complex(-r.FSTP, 0));
  EXPECT_EQ(r.CBOTM, Complex(-r.FSTP, 0));
  // With the tension derivatives in charge, the linear static change KSTAT a.
  TPCM.moor.TENSRF = 1;
  r = respond(Complex(a, 0), 0.6f);
  EXPECT_EQ(r.FSTP, CATCOM.KSTAT * a);
  EXPECT_EQ(r.CTOPP, Complex(r.FSTP, 0));
  EXPECT_EQ(r.CBOTM, Complex(-r.FSTP, 0));
}

TEST_F(DynamicLine, InertialLoadAgainstTheFairleadMotion) {
  // At 3 rad/s the inertial load of the chain exceeds ten times the dynamic tension: the warning
  // once per run; the load is added against the fairlead's motion.
  const Response plain = respond(kMotion, 3.0f);
  TPCM.moor.INRLFG = 1;
  const std::string warning =
      "\n ++> The inertial load correction for line  1, and probably others,\n"
      "     may be excessive; consider disabling the inertial\n"
      "      correction for these lines.\n\n";
  Response r;
  {
    ConsoleCapture console("\n");
    r = respond(kMotion, 3.0f, 0, 1);
    respond(kMotion, 3.0f, 0, 1);
    EXPECT_EQ(console.screen(), warning + kAbortQuestion);
  }
  const Complex load = r.CTOPP - plain.CTOPP;
  EXPECT_GT(std::abs(load), 10.0f * std::abs(plain.CTOPP));
  EXPECT_TRUE(IsClose(std::abs(load / kMotion + std::abs(load) / std::abs(kMotion)), 0, 0, 1e-5 * std::abs(load)));
  EXPECT_EQ(r.CTOPM, -r.CTOPP);
  // An excluded line gets none; without drag there is no line mass to correct for.
  TPCM.moor.NEXCLD_I = 1;
  LINCOM.INRT_EXCL(1) = 1;
  EXPECT_EQ(respond(kMotion, 3.0f).CTOPP, plain.CTOPP);
  TPCM.moor.NEXCLD_I = 0;
  TPCM.moor.COFDMT(1, 1) = 0.0f;
  TPCM.moor.INRLFG = 0;
  const Complex dragless = respond(kMotion, 3.0f).CTOPP;
  TPCM.moor.INRLFG = 1;
  EXPECT_EQ(respond(kMotion, 3.0f).CTOPP, dragless);
  // "A" stops the run.
  TPCM.moor.COFDMT(1, 1) = 1.2f;
  DYNCOD_STATE.reset();
  ConsoleCapture console("A\n");
  EXPECT_EQ(stopStatus([] { respond(kMotion, 3.0f, 0, 1); }), kExitFatal);
  EXPECT_EQ(TPCM.LBACK, -1);
}

TEST_F(DynamicLine, InertialLoadAtTheNodes) {
  // The anchor moving and the fairlead held: no fairlead correction, but the nodes get theirs, and
  // the first excessive one is warned of.
  TPCM.moor.INRLFG = 1;
  ConsoleCapture console("\n");
  const Response r = respond(Complex(0, 0), 3.0f, 1, 1, Complex(0.5f, 0.2f));
  EXPECT_EQ(console.screen(),
            "\n ++> The inertial load correction for node  1 of line  1, and probably others,\n"
            "     may be excessive; consider disabling the inertial corrections for these\n"
            "     lines.\n\n" +
                kAbortQuestion);
  EXPECT_EQ(r.CNODM(1), -r.CNODP(1));
  EXPECT_EQ(DYNCOD_STATE.FRSTIM, 0);
}

TEST_F(DynamicLine, NonLinearBranchFromTheTables) {
  // The table stiffness makes the two excursions differ. Moved 20 ft along the line the fairlead
  // tension changes by 74.18519983 and -42.25040292 kip (reference_values.py, "oblique_fairlead"):
  // the static changes of the two directions, within the tables' 1 %.
  TPCM.moor.NLWVFG = 1;
  const Complex big = Complex(20.0f, 0.0f);
  Response r = respond(big, 0.6f);
  EXPECT_TRUE(IsClose(r.FSTP, 74.18519983, 0.01));
  EXPECT_TRUE(IsClose(r.FSTM, -42.25040292, 0.01));
  EXPECT_TRUE(IsClose(r.RATIO, std::abs(r.CYCP) / 20.0, 1e-4));
  EXPECT_NE(r.CTOPM, -r.CTOPP);
  // Slowly, without the drag's share, the dynamic tensions are the static changes. The amplitude
  // equation takes the quadratic term as stiffening both ways (its |sigma|), so the slackening
  // excursion comes out a little short: within 5 %.
  r = respond(big, 0.05f);
  EXPECT_TRUE(IsClose(std::abs(r.CTOPP), 74.18519983, 0.01));
  EXPECT_TRUE(IsClose(std::abs(r.CTOPM), 42.25040292, 0.05));
  // A small motion: the quadratic terms fade and the branch meets the linear one (the table's
  // stiffness within 3 % of the driver's).
  const Complex small(0.2f, 0.05f);
  r = respond(small, 0.6f);
  TPCM.moor.NLWVFG = 0;
  const Response linear = respond(small, 0.6f);
  EXPECT_TRUE(IsClose(std::abs(r.CTOPP), std::abs(linear.CTOPP), 0.03));
  EXPECT_TRUE(IsClose(std::abs(r.CTOPM), std::abs(linear.CTOPP), 0.03));
  // The hawser of a buoy-and-tanker data set, and the tug-and-barge type, stay linear.
  TPCM.moor.NLWVFG = 1;
  TPCM.CREATR = kSimFirnedo;
  TPCM.moor.HAWSTP = 1;
  r = respond(big, 0.6f);
  EXPECT_EQ(r.CTOPM, -r.CTOPP);
  TPCM.CREATR = kSimGandru;
  r = respond(big, 0.6f);
  EXPECT_EQ(r.CTOPM, -r.CTOPP);
}

TEST_F(DynamicLine, LineMassOnlyForTheTensionLegTypes) {
  // The tension-leg type takes the line mass into the balance until a call of another type leaves it
  // out for the rest of the run. With the mass the non-linear balance's two parts miss the end
  // extension by CYCAT omega^2 M / KELAS: 2 % at 0.3 rad/s, 9 % at 0.6 rad/s, 29 % at 1 rad/s for
  // this line; without it by the quadratic term alone.
  TPCM.moor.NLWVFG = 1;
  TPCM.CREATR = kSimYobrix;
  const float a = std::abs(kMotion);
  struct Case {
    float omega, lowest, highest;
  };
  const Case cases[] = {{0.3f, 0.015f, 0.03f}, {0.6f, 0.07f, 0.11f}, {1.0f, 0.25f, 0.35f}};
  for (const Case& c : cases) {
    const Response r = respond(kMotion, c.omega);
    const float miss = std::abs(r.CYCP + r.CYEP - kMotion) / a;
    EXPECT_GT(miss, c.lowest) << c.omega;
    EXPECT_LT(miss, c.highest) << c.omega;
  }
  const Response withMass = respond(kMotion, 0.6f);
  TPCM.CREATR = kSimQuorvel;
  const Response without = respond(kMotion, 0.6f);
  EXPECT_LT(std::abs(without.CYCP + without.CYEP - kMotion) / a, 0.01f);
  EXPECT_NE(withMass.CTOPP, without.CTOPP);
  TPCM.CREATR = kSimYobrix;
  EXPECT_EQ(respond(kMotion, 0.6f).CTOPP, without.CTOPP);
  EXPECT_EQ(DYNCOD_STATE.MAS_TYPE, 0);
}

TEST_F(DynamicLine, AWeightlessElementLeavesNoNaN) {
  // A chain of 100 ft, 500 ft of weightless rope, 2400 ft of chain: the rope hangs straight and the
  // line model forms no catenary parameter for it.
  defineLine(1, {{100.0f, 0.1f, 0.115f, 1e-5f, 0, 0}, {500.0f, 0.0f, 0.0f, 2e-5f, 0, 0},
                 {2400.0f, 0.1f, 0.115f, 1e-5f, 0, 0}});
  Morcom& m = TPCM.moor;
  for (int j = 1; j <= 3; ++j) {
    m.DIAM(j, 1) = 3.0f;
    m.COFMST(j, 1) = 1.0f;
    m.COFDMT(j, 1) = 1.2f;
  }
  solve();
  TPCM.moor.INRLFG = 1;
  const Response r = respond(kMotion, 0.6f, 1);
  for (Complex z : {r.CYCP, r.CYEP, r.CTOPP, r.CBOTP, r.CTOPM, r.CBOTM}) {
    EXPECT_TRUE(std::isfinite(z.real()) && std::isfinite(z.imag()));
  }
  for (int n = 1; n <= 4; ++n) {
    EXPECT_TRUE(std::isfinite(std::abs(r.CNODP(n)))) << n;
    EXPECT_TRUE(std::isfinite(std::abs(r.CTRN(n)))) << n;
  }
  EXPECT_GT(std::abs(r.CTOPP), 0.0f);
}

}  // namespace
}  // namespace qv
