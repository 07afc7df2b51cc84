#include "mooring/strain_law.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "line_fixture.h"
#include "mooring/splines.h"
#include "support/checks.h"
#include "support/console_capture.h"

namespace qv {
namespace {

using testing_support::ConsoleCapture;
using testing_support::contains;
using testing_support::IsClose;
using testing_support::LineModelTest;
using testing_support::stopStatus;

// A strain curve sampled from e(T) at the tensions given, with the spline second derivatives for
// the end slopes given (above 0.99e30: natural ends).
struct Curve {
  std::vector<float> T, e, d2;
  Curve(std::vector<float> tensions, const std::function<double(double)>& strain, float slope1, float slopeN)
      : T(std::move(tensions)) {
    for (float t : T) e.push_back(static_cast<float>(strain(t)));
    d2.resize(T.size());
    spline(T.data(), e.data(), static_cast<int>(T.size()), slope1, slopeN, d2.data());
  }
  int n() const { return static_cast<int>(T.size()); }
};

TEST(StrainLaw, HermiteFitRecoversACubicLaw) {
  // e = 1.2e-5 T + 1.5e-8 T^2 + 2e-11 T^3, sampled at 0 .. 600 kip; with the exact end slopes the
  // clamped spline is the cubic itself, so the fit returns its coefficients at any tension.
  const double a1 = 1.2e-5, a2 = 1.5e-8, a3 = 2e-11;
  const Curve cubic({0, 50, 100, 200, 300, 400, 600}, [&](double T) { return a1 * T + a2 * T * T + a3 * T * T * T; },
                    1.2e-5f, 5.16e-5f);
  for (float T : {250.0f, 450.0f, 600.0f}) {
    float A[3] = {};
    GET_ALPHAS(T, cubic.T.data(), cubic.e.data(), cubic.d2.data(), cubic.n(), A);
    EXPECT_TRUE(IsClose(A[0], a1, 1e-4)) << T;
    EXPECT_TRUE(IsClose(A[1], a2, 1e-4)) << T;
    EXPECT_TRUE(IsClose(A[2], a3, 1e-4)) << T;
  }
  // At zero or negative tension only the slope at zero tension.
  float A[3] = {9, 9, 9};
  GET_ALPHAS(0.0f, cubic.T.data(), cubic.e.data(), cubic.d2.data(), cubic.n(), A);
  EXPECT_TRUE(IsClose(A[0], a1, 1e-4));
  EXPECT_EQ(A[1], 0.0f);
  EXPECT_EQ(A[2], 0.0f);

  // A straight curve (natural ends: all second derivatives 0) is a linear law.
  const Curve straight({0, 100, 250, 400}, [](double T) { return 2.5e-5 * T; }, 1.0e30f, 1.0e30f);
  GET_ALPHAS(180.0f, straight.T.data(), straight.e.data(), straight.d2.data(), straight.n(), A);
  EXPECT_TRUE(IsClose(A[0], 2.5e-5, 1e-5));
  EXPECT_NEAR(A[1], 0.0, 1e-6 * 2.5e-5 / 180);
  EXPECT_NEAR(A[2], 0.0, 1e-6 * 2.5e-5 / (180 * 180));
}

class StrainLawRefit : public LineModelTest {
 protected:
  // Line type `type` in layer 1 with table points HLOD = 50, 150, 300 kip and the fairlead angles
  // of the given slopes there: the start slopes of the solver.
  static void tables(std::int32_t type, float s1, float s2, float s3) {
    TPCM.NUMTAB = 3;
    LINCOM.HLOD(1) = 50.0f;
    LINCOM.HLOD(2) = 150.0f;
    LINCOM.HLOD(3) = 300.0f;
    LINCOM.TOPANG(1, 1, type) = std::atan(s1);
    LINCOM.TOPANG(2, 1, type) = std::atan(s2);
    LINCOM.TOPANG(3, 1, type) = std::atan(s3);
  }
  // Element `element` of type `type` takes its law from the curve.
  static void useCurve(std::int32_t type, std::int32_t element, const Curve& c) {
    TPCM.moor.STRESS_STRAIN_FILE(type) |= 1 << (element - 1);
    LINCOM.NSTRS_STRN(element, type) = c.n();
    for (int i = 1; i <= c.n(); ++i) {
      LINCOM.TENS_ARR(i, element, type) = c.T[i - 1];
      LINCOM.E_ARR(i, element, type) = c.e[i - 1];
      LINCOM.SPLINE_2DERIV(i, element, type) = c.d2[i - 1];
    }
  }
  static void prepareType(std::int32_t type, float dz) {
    LINCOM.ITYP = type;
    LINCOM.DELTAZ = dz;
  }
};

TEST_F(StrainLawRefit, CurveOfTheMaterialLawGivesTheLawsSolution) {
  // The fibre rope of the three-element line (static_solver_test) given by its curve, sampled from
  // its law at 0 .. 400 kip, instead of its coefficients: the refit finds the law again, and the
  // line hangs as with the law itself (reference_values.py at 150 kip: fairlead slope
  // 0.577240832237, grounded 895.4799598 ft).
  defineLine(2, {{100.0f, 0.1f, 0.115f, 1e-5f, 0, 0},
                 {800.0f, 0.02f, 0.08f, 0, 0, 0},
                 {1500.0f, 0.1f, 0.115f, 1e-5f, 0, 0}});
  tables(2, 0.93f, 0.58f, 0.44f);
  const Curve rope({0, 50, 100, 150, 200, 250, 300, 350, 400},
                   [](double T) { return 4e-5 * T - 5e-8 * T * T + 1e-10 * T * T * T; }, 4e-5f, 4.8e-5f);
  useCurve(2, 2, rope);
  prepareType(2, 500.0f);
  LOAD_ALPHAS(150.0, 1);
  EXPECT_TRUE(IsClose(TPCM.moor.ALPHA(1, 2, 2), 4e-5, 1e-4));
  EXPECT_TRUE(IsClose(TPCM.moor.ALPHA(2, 2, 2), -5e-8, 1e-4));
  EXPECT_TRUE(IsClose(TPCM.moor.ALPHA(3, 2, 2), 1e-10, 1e-4));
  EXPECT_EQ(TPCM.moor.ALPHA(1, 1, 2), 1e-5f);  // elements without a curve keep their law
  EXPECT_EQ(TPCM.moor.ALPHA(1, 3, 2), 1e-5f);
  EXPECT_EQ(LINCOM.DPHLD, 150.0);
  EXPECT_TRUE(IsClose(LINCOM.TMPTAN(1), 0.577240832237, 0, 2e-5));
  EXPECT_TRUE(IsClose(LINCOM.BOTLN, 895.4799598, 0, 0.05));
}

TEST_F(StrainLawRefit, WithoutCurvesTheLineIsSolvedFromTheTableSlopes) {
  // The one-element line of 3000 ft (fairlead slope 0.8301230530 at 100 kip). H = 100 lies in the
  // first table interval: the solver starts from tan TOPANG(2) = 0.9 and 100 times it; at 200 kip
  // from tan TOPANG(3) = 0.6 and tan TOPANG(2) = 0.9.
  defineLine(1, {{3000.0f, 0.1f, 0.12f, 1e-5f, 0, 0}});
  tables(1, 1.2f, 0.9f, 0.6f);
  prepareType(1, 300.0f);
  TPCM.NBUG = 1;
  struct Case {
    double H;
    std::string firstBracket;  // the step, TLO, THI of the first search
  };
  const Case cases[] = {
      {100.0, "  0.8910E+02  0.9000E+00  0.9000E+02"},
      {200.0, "  0.4500E+00  0.6000E+00  0.9000E+00"},
  };
  for (const Case& c : cases) {
    ConsoleCapture console;
    LOAD_ALPHAS(c.H, 1);
    EXPECT_TRUE(contains(console.screen(), "  ALEVER,TOPT1,TOPT2\n" + c.firstBracket + "\n")) << c.H;
  }
  EXPECT_EQ(TPCM.moor.ALPHA(1, 1, 1), 1e-5f);
  TPCM.NBUG = 0;
  LOAD_ALPHAS(100.0, 1);
  EXPECT_TRUE(IsClose(LINCOM.TMPTAN(1), 0.8301230530156877, 0, 2e-5));
}

TEST_F(StrainLawRefit, TensionOutsideTheCurveStops) {
  // The one-element line carries about 130 kip at its fairlead (129.2 to 130 as the fitted law
  // stretches it). A curve up to 50 kip misses it in the fitting pass; a curve from 129 kip with a
  // strain of 1e-3 per kip takes it there, then the stretched line's tension drops to 128.3 kip,
  // below the curve, in the check.
  struct Case {
    std::int32_t type;
    std::vector<float> tensions;
    std::string message;
  };
  const Case cases[] = {
      {120, {0, 25, 50},
       "\n ++> MIN2 evaluation produced a nonzero IER in LOAD_ALPHAS.\n     (ITYP,IELEM) = (120, 1).\n\n"},
      {7, {129, 150, 200},
       "\n ++> MIN2Q evaluation produced a nonzero IER in LOAD_ALPHAS.\n     (ITYP,IELEM) = ( 7, 1).\n\n"},
  };
  for (const Case& c : cases) {
    SetUp();
    defineLine(c.type, {{3000.0f, 0.1f, 0.12f, 0, 0, 0}});
    tables(c.type, 1.2f, 0.9f, 0.6f);
    useCurve(c.type, 1, Curve(c.tensions, [](double T) { return 1e-3 * T; }, 1.0e30f, 1.0e30f));
    prepareType(c.type, 300.0f);
    ConsoleCapture console("\nnext\n");
    EXPECT_EQ(stopStatus([] { LOAD_ALPHAS(100.0, 1); }), kExitFatal) << c.type;
    EXPECT_EQ(console.screen(), c.message + "\n Press <RETURN> to continue: ") << c.type;
    EXPECT_EQ(console.unread(), "next\n");
  }
}

TEST_F(StrainLawRefit, IntervalsStillChangingAfterTenPassesStop) {
  // A heavy line (w = 1 kip/ft, 1000 ft height, about 1100 kip at the fairlead) whose strain rises
  // by 0.1 in a smooth step around 1125 kip (tanh, width 50 kip): the fitted law swings the
  // fairlead tension between about 1114 and 1168 kip, two curve intervals, from pass to pass
  // (reference_values.py: the same refit with scipy's CubicSpline settles into that 2-cycle).
  defineLine(5, {{3000.0f, 1.0f, 1.2f, 0, 0, 0}});
  tables(5, 20.0f, 12.0f, 5.0f);
  std::vector<float> tensions;
  for (int i = 0; i < 30; ++i) tensions.push_back(i < 5 ? 200.0f * i : 800.0f + 40.0f * (i - 4));
  useCurve(5, 1, Curve(tensions, [](double T) { return 1e-6 * T + 0.05 * (1 + std::tanh((T - 1125) / 50)); },
                       1.0e30f, 1.0e30f));
  prepareType(5, 1000.0f);
  TPCM.NBUG = 1;
  ConsoleCapture console("\n");
  EXPECT_EQ(stopStatus([] { LOAD_ALPHAS(100.0, 1); }), kExitFatal);
  const std::string screen = console.screen();
  const std::string message = "\n ++> Alpha coefficient setting failed in LOAD_ALPHAS; contact Kestrin\n\n";
  EXPECT_TRUE(contains(screen, message + "\n Press <RETURN> to continue: "));
  // One solve before the first fit and one after each of the ten fitting passes.
  const std::string success = " LOOP DONE:ICOUNT,TOPT1,TOPT2,FUNC,TOPTAN\n    1";
  int solves = 0;
  for (std::size_t at = screen.find(success); at != std::string::npos; at = screen.find(success, at + 1)) ++solves;
  EXPECT_EQ(solves, 11);
}

}  // namespace
}  // namespace qv
