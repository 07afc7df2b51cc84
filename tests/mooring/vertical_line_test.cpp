#include "mooring/vertical_line.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "line_fixture.h"
#include "mooring/dummy1.h"
#include "mooring/taut_line.h"
#include "mooring/vertical_elements.h"
#include "support/checks.h"
#include "support/console_capture.h"

namespace qv {
namespace {

using testing_support::ConsoleCapture;
using testing_support::contains;
using testing_support::IsClose;
using testing_support::LineModelTest;
using testing_support::stopStatus;

constexpr float kHalfPi = 1.5707964f;
const std::string kAbortQuestion = "\a\n Enter \"A\" to abort or Press <RETURN> to continue: ";
const std::string kPause = "\n Press <RETURN> to continue: ";

// ---- The double-precision root finder ----

TEST(Rtmidp, FindsRootsToTheTolerance) {
  // x^3 - 2x - 5 = 0 at 2.0945514815423265 (Newton's classical example); cos x = x at
  // 0.7390851332151607 (the Dottie number).
  struct Case {
    double (*f)(double);
    double left, right, root;
  };
  const Case cases[] = {
      {[](double x) { return x * x * x - 2.0 * x - 5.0; }, 2.0, 3.0, 2.0945514815423265},
      {[](double x) { return x * x * x - 2.0 * x - 5.0; }, 3.0, 2.0, 2.0945514815423265},
      {[](double x) { return std::cos(x) - x; }, 0.0, 1.0, 0.7390851332151607},
  };
  for (const Case& c : cases) {
    double X = 0.0, F = 0.0;
    int IER = -1, ITER = -1;
    RTMIDP(X, F, c.f, c.left, c.right, 1.0e-14, 100, IER, ITER);
    EXPECT_EQ(IER, 0);
    EXPECT_GE(ITER, 1);
    EXPECT_TRUE(IsClose(X, c.root, 0, 1e-13)) << c.left;
    EXPECT_EQ(F, c.f(X));
  }
}

TEST(Rtmidp, EndsAndFailures) {
  int calls = 0;
  auto line = [&](double x) {
    ++calls;
    return x - 2.0;
  };
  double X = 0.0, F = 0.0;
  int IER = -1, ITER = -1;
  RTMIDP(X, F, line, 2.0, 5.0, 1e-12, 100, IER, ITER);  // a root exactly at an end: found at once
  EXPECT_EQ(IER, 0);
  EXPECT_EQ(X, 2.0);
  EXPECT_EQ(calls, 1);

  calls = 0;
  RTMIDP(X, F, line, 3.0, 5.0, 1e-12, 100, IER, ITER);  // ends of one sign: no iteration
  EXPECT_EQ(IER, 2);
  EXPECT_EQ(ITER, 0);
  EXPECT_EQ(calls, 2);
  EXPECT_EQ(X, 5.0);
  EXPECT_EQ(F, 3.0);

  // Two bisection steps cannot reach 1e-12: code 1 and the bracket end nearer the root.
  RTMIDP(X, F, [](double x) { return std::exp(x) - 3.0; }, 0.0, 4.0, 1e-12, 2, IER, ITER);
  EXPECT_EQ(IER, 1);
  EXPECT_TRUE(std::fabs(F) < 1.0);
  EXPECT_EQ(F, std::exp(X) - 3.0);
}

TEST(Rtmidp, SearchInsideAnotherSearch) {
  // The outer search finds a with sqrt(a) = 1.5, the inner one sqrt(a) as the root of x^2 - a.
  auto innerRoot = [](double a) {
    double X = 0.0, F = 0.0;
    int IER = 0, ITER = 0;
    RTMIDP(X, F, [a](double x) { return x * x - a; }, 0.0, 10.0, 1e-14, 100, IER, ITER);
    return X;
  };
  double X = 0.0, F = 0.0;
  int IER = -1, ITER = 0;
  RTMIDP(X, F, [&](double a) { return innerRoot(a) - 1.5; }, 0.5, 9.0, 1e-13, 100, IER, ITER);
  EXPECT_EQ(IER, 0);
  EXPECT_TRUE(IsClose(X, 2.25, 0, 1e-11));
}

TEST(VerticalElements, TensionsAndStretchedLengths) {
  const double L[3] = {100.0, 50.0, 200.0};
  const double W[3] = {0.1, -0.2, 0.05};
  double T = 0.0;
  DTKLTN(L, W, 2, 3, 3, T, 7.0);  // 7 + (-0.2)(50) + 0.05(200)
  EXPECT_DOUBLE_EQ(T, 7.0);
  DTKLTN(L, W, 1, 3, 3, T, 1.0);
  EXPECT_DOUBLE_EQ(T, 11.0);
  // a = (1e-4, 2e-7, 3e-10) at T = -20 (|T| counts): the integral of 1 + e(T) from 0 to 20 is
  // 20 + 1e-4 400/2 + 2e-7 8000/3 + 3e-10 160000/4 = 20.0205453333..., over w = 0.05.
  const double a[3] = {1e-4, 2e-7, 3e-10};
  EXPECT_TRUE(IsClose(SFNCDP(a, -20.0, 0.05), (20.02 + 1.6e-3 / 3.0 + 1.2e-5) / 0.05, 1e-14));
  EXPECT_TRUE(IsClose(SFCDP2(a, -20.0), 1.0 + 2e-3 + 8e-5 + 2.4e-6, 1e-14));
}

// ---- The vertical line ----

using VerticalLine = LineModelTest;

struct VerticalResult {
  std::int32_t freeFlag = 7;  // 7: left alone
  float groundedA = -1, fairleadAngle = -1, fairleadTension = -1, groundedB = -1, lowerAngle = -1;
};

VerticalResult hang(float DZ, std::int32_t type, float guess = 100.0f) {
  VerticalResult r;
  VRTLIN(DZ, type, r.freeFlag, guess, r.groundedA, r.fairleadAngle, r.fairleadTension, r.groundedB, r.lowerAngle);
  return r;
}

TEST_F(VerticalLine, LineHangingFreeStretchesToTheDistance) {
  // L = 1000 ft, w = 0.05 kip/ft, a1 = 1e-4 /kip across 1010 ft: the stretched length
  // L + a1 (T0 L + w L^2 / 2) = 1010 gives the bottom tension T0 = 75 kip, 125 kip at the fairlead.
  // Below, the search scale is the line's weight (TLOAD 0), or TLOAD; a tension guess of 0.01 or
  // less takes the scale for the tolerance. A negative distance flips only the signs.
  defineLine(1, {{1000.0f, 0.05f, 0.06f, 1e-4f, 0, 0}});
  struct Case {
    float DZ, TLOAD, guess;
    std::int32_t flag;
    float angle;
  };
  const Case cases[] = {
      {1010.0f, 0.0f, 100.0f, 1, kHalfPi},
      {1010.0f, 500.0f, 0.0f, 1, kHalfPi},
      {-1010.0f, 0.0f, 100.0f, -1, -kHalfPi},
  };
  for (const Case& c : cases) {
    TPCM.TLOAD = c.TLOAD;
    const VerticalResult r = hang(c.DZ, 1, c.guess);
    EXPECT_EQ(r.freeFlag, c.flag) << c.DZ;
    EXPECT_TRUE(IsClose(r.fairleadTension, 125.0, 1e-6)) << c.DZ;
    EXPECT_EQ(r.groundedA, 0.0f);
    EXPECT_EQ(r.groundedB, 0.0f);
    EXPECT_EQ(r.fairleadAngle, c.angle);
    EXPECT_EQ(r.lowerAngle, c.angle);
    EXPECT_EQ(DUMMY1.LSTFRE, 1);
    // The bottom tension of 75 kip spans the distance, within 1e-6 of it (a1 is held as a float).
    EXPECT_TRUE(IsClose(DPDSTER(75.0), 0.0, 0, 1e-6 * 1010.0));
  }
}

TEST_F(VerticalLine, LinesLongerThanTheDistanceRestOnTheSeabed) {
  // Across 150 ft. Chain of 200 ft, w = 0.1 kip/ft, a1 = 1e-4 /kip, alone: the lifted length s
  // carries w s at its top and spans s + a1 w s^2 / 2 = 150, so T0 = w s solves
  // 5e-4 T0^2 + 10 T0 - 150 = 0: T0 = (sqrt(100.3) - 10) / 1e-3 = 14.988772..., grounded 200 - 10 T0.
  // Inextensible chains with a buoy of 10 ft, w = -0.5 kip/ft: T0 = 15 kip (150 ft lifted). A buoy
  // between two chains lifts x R = 25 ft of the chain above and (10 - x) Q = 25 ft of the one below,
  // R = Q = 5, x = (1 + Q) 10 / (2 + R + Q) = 5; a buoy at the end lifts 10 R / (2 + R) = 7.142857 ft
  // of the chain above only. A weightless rope of 200 ft (a1 = 1e-3) lifts nothing: T0 = 0 and its
  // excess of 50 ft lies on the seabed.
  struct Case {
    const char* what;
    std::vector<testing_support::LineElement> elements;
    double tension, grounded;
    std::int32_t lastFree;
  };
  const Case cases[] = {
      {"chain", {{200.0f, 0.1f, 0.12f, 1e-4f, 0, 0}}, 14.98877182, 200.0 - 149.8877182, 0},
      {"buoy between chains",
       {{200.0f, 0.1f, 0.12f, 0, 0, 0}, {10.0f, -0.5f, 0.1f, 0, 0, 0}, {200.0f, 0.1f, 0.12f, 0, 0, 0}},
       15.0,
       50.0 + (10.0 + 200.0 - 60.0),
       0},
      {"buoy at the end", {{200.0f, 0.1f, 0.12f, 0, 0, 0}, {10.0f, -0.5f, 0.1f, 0, 0, 0}}, 15.0,
       50.0 + 10.0 - (10.0 + 10.0 * 5.0 / 7.0), 0},
      {"hanging chain above a chain", {{100.0f, 0.1f, 0.12f, 0, 0, 0}, {300.0f, 0.1f, 0.12f, 0, 0, 0}}, 15.0,
       400.0 - 150.0, 1},
      {"weightless rope", {{200.0f, 0.0f, 0.01f, 1e-3f, 0, 0}, {100.0f, 0.1f, 0.12f, 0, 0, 0}}, 0.0, 150.0, 0},
  };
  for (const Case& c : cases) {
    defineLine(2, c.elements);
    const VerticalResult r = hang(150.0f, 2, 15.0f);
    EXPECT_EQ(DUMMY1.LSTFRE, c.lastFree) << c.what;
    EXPECT_TRUE(IsClose(r.fairleadTension, c.tension, 1e-6, 1e-12)) << c.what;
    EXPECT_TRUE(IsClose(r.groundedA, c.grounded, 1e-6)) << c.what;
    EXPECT_EQ(r.groundedB, r.groundedA) << c.what;
    EXPECT_EQ(r.fairleadAngle, kHalfPi) << c.what;  // sign of the tension (0 counts as positive)
    EXPECT_EQ(r.lowerAngle, 0.0f) << c.what;
    EXPECT_EQ(r.freeFlag, 7) << c.what;
  }
}

TEST_F(VerticalLine, BuoyantElementNextToAWeightlessOneIsAHandlingError) {
  // The buoy's neighbour above weighs nothing: its lifting share cannot be formed. Every output
  // is 0, the message and the pause.
  defineLine(3, {{200.0f, 0.1f, 0.12f, 0, 0, 0},
                 {10.0f, 0.0f, 0.01f, 0, 0, 0},
                 {10.0f, -0.5f, 0.1f, 0, 0, 0},
                 {100.0f, 0.1f, 0.12f, 0, 0, 0}});
  ConsoleCapture console("\nnext\n");
  const VerticalResult r = hang(150.0f, 3);
  EXPECT_EQ(r.freeFlag, 0);
  EXPECT_EQ(r.fairleadTension, 0.0f);
  EXPECT_EQ(r.groundedA, 0.0f);
  EXPECT_EQ(r.groundedB, 0.0f);
  EXPECT_EQ(r.fairleadAngle, 0.0f);
  EXPECT_EQ(r.lowerAngle, 0.0f);
  EXPECT_EQ(console.screen(),
            "\n ++> Buoyant line handling error. First data row of the interpolation tables\n"
            "     will probably be in error; this is usually a non-issue.\n\n" +
                kPause);
  EXPECT_EQ(console.unread(), "next\n");
}

TEST_F(VerticalLine, LiftedShareLongerThanItsNeighbourWarnsAndGoesOn) {
  // The buoy lifts 25 ft of the 10 ft chain above it: the same message and pause, then the solution
  // (T0 = 15 kip; grounded 50 + 10 + 10 + 200 - 60 ft).
  defineLine(4, {{200.0f, 0.1f, 0.12f, 0, 0, 0},
                 {10.0f, 0.1f, 0.12f, 0, 0, 0},
                 {10.0f, -0.5f, 0.1f, 0, 0, 0},
                 {200.0f, 0.1f, 0.12f, 0, 0, 0}});
  ConsoleCapture console("\n");
  const VerticalResult r = hang(150.0f, 4);
  EXPECT_TRUE(contains(console.screen(), " ++> Buoyant line handling error. First data row"));
  EXPECT_TRUE(IsClose(r.fairleadTension, 15.0, 1e-6));
  EXPECT_TRUE(IsClose(r.groundedA, 210.0, 1e-6));
  EXPECT_EQ(r.freeFlag, 7);
}

TEST_F(VerticalLine, LineThatCannotReachStops) {
  // An inextensible 100 ft line across 150 ft: no bottom tension spans it. The upper end of the
  // search doubles 19 times; the 20th failure stops the run.
  defineLine(5, {{100.0f, 0.1f, 0.12f, 0, 0, 0}});
  ConsoleCapture console("\nnext\n");
  EXPECT_EQ(stopStatus([] { (void)hang(150.0f, 5); }), kExitFatal);
  EXPECT_EQ(console.screen(), "  ++> Bounds error in VRTLIN \n\n Press <Return> to Continue...\n\n");
  EXPECT_EQ(console.unread(), "next\n");
}

// ---- The taut-wire subline length ----

class TautWire : public LineModelTest {
 protected:
  // Line 1 of type 1, its fairlead 40 ft above the keel of a 20 ft draft, the anchor 990 ft below
  // the water line: 1010 ft from fairlead to anchor. Pretension given as fairlead tension.
  void SetUp() override {
    LineModelTest::SetUp();
    Morcom& m = TPCM.moor;
    m.LINTYP(1, 1) = 1;
    m.RFLD(3, 1) = 40.0f;
    m.ANCHGT(1) = 990.0f;
    TPCM.TDRAFT = 20.0f;
    m.HTENS(1) = 125.0f;
    m.LODTYP = 2;
  }
};

TEST_F(TautWire, SublineLengthGivesThePretension) {
  // One subline, w = 0.05 kip/ft, a1 = 1e-4 /kip: 125 kip at the fairlead across 1010 ft is the
  // line of 1000 ft (L + a1 (T0 L + w L^2 / 2) = 1010 with T0 = 125 - w L).
  defineLine(1, {{300.0f, 0.05f, 0.06f, 1e-4f, 0, 0}});
  ConsoleCapture console;
  TENDNDP(1);
  EXPECT_TRUE(IsClose(TPCM.moor.SLEN(1, 1), 1000.0, 1e-6));
  EXPECT_EQ(console.screen(), "");

  // Two sublines, the first with a cubic strain law, 200 kip across 1000 ft: 675.841366783940 ft
  // (reference_values.py, taut_subline: the stretched lengths integrated along each subline with
  // scipy quad, the root by brentq), shorter than the 700 ft the inextensible line would need.
  defineLine(1, {{300.0f, 0.02f, 0.03f, 2e-4f, -1e-7f, 1e-11f}, {300.0f, 0.1f, 0.12f, 1e-5f, 0, 0}});
  TPCM.moor.ANCHGT(1) = 980.0f;
  TPCM.moor.HTENS(1) = 200.0f;
  TENDNDP(1);
  EXPECT_TRUE(IsClose(TPCM.moor.SLEN(1, 1), 675.841366783940, 1e-7));
  EXPECT_EQ(TPCM.moor.SLEN(2, 1), 300.0f);
}

TEST_F(TautWire, WarningsAskWhetherToGoOn) {
  // Each warning clears the screen and asks; "A" leaves the length alone, Return goes on.
  struct Case {
    const char* what;
    void (*change)();
    std::string warning;
    const char* reply;
    float length;  // SLEN(1) afterwards
  };
  const Case cases[] = {
      {"tension mode", [] { TPCM.moor.LODTYP = 1; },
       " ++> WARNING: Pretension specification must be determined by \n"
       "     fairlead tension for the exercise of this help option...\n",
       "A\n", 300.0f},
      {"tension mode, going on", [] { TPCM.moor.LODTYP = 0; },
       " ++> WARNING: Pretension specification must be determined by \n"
       "     fairlead tension for the exercise of this help option...\n",
       "\n", 1000.0f},
      {"no pretension", [] { TPCM.moor.HTENS(1) = 0.0f; },
       " ++> WARNING: The specified pretension for this line type is not positive\n", "a\n", 300.0f},
      {"inextensible", [] { TPCM.moor.ALPHA(1, 1, 1) = 0.0f; },
       " ++> WARNING: This line type is totally inelastic...\n", "A\n", 300.0f},
      {"inextensible, going on", [] { TPCM.moor.ALPHA(1, 1, 1) = 0.0f; },
       " ++> WARNING: This line type is totally inelastic...\n", "\n", 1010.0f},
  };
  for (const Case& c : cases) {
    defineLine(1, {{300.0f, 0.05f, 0.06f, 1e-4f, 0, 0}});
    TPCM.moor.LODTYP = 2;
    TPCM.moor.HTENS(1) = 125.0f;
    c.change();
    ConsoleCapture console(c.reply);
    TENDNDP(1);
    EXPECT_EQ(console.screen(), "\f" + c.warning + kAbortQuestion) << c.what;
    EXPECT_TRUE(IsClose(TPCM.moor.SLEN(1, 1), c.length, 1e-6)) << c.what;
  }
}

TEST_F(TautWire, FailuresLeaveTheLengthAlone) {
  // Sublines 2 and 3 (600 + 500 ft) already reach the 1010 ft; a pretension of 10 kip below the
  // line's weight has no root; a type without a line cannot be sized. Each message waits for Return.
  struct Case {
    const char* what;
    void (*change)();
    std::string message;
  };
  const Case cases[] = {
      {"spanned", [] { defineLine(1, {{300.0f, 0.05f, 0.06f, 1e-4f, 0, 0}, {600.0f, 0.05f, 0.06f, 0, 0, 0},
                                      {500.0f, 0.05f, 0.06f, 0, 0, 0}}); },
       " ++> Line type  1: the other sublines already span the fairlead-anchor distance\n"
       "     of   1010.00;\n"
       "     the length of subline 1 is left unchanged.\n"},
      {"pretension too low", [] { TPCM.moor.HTENS(1) = 10.0f; }, "++> Bounds error in TENDON \n"},
      {"no line", [] { TPCM.moor.LINTYP(1, 1) = 0; },
       " ++> Line type  1: no line of this type with sublines to size;\n"
       "     the subline lengths are left unchanged.\n"},
  };
  for (const Case& c : cases) {
    defineLine(1, {{300.0f, 0.05f, 0.06f, 1e-4f, 0, 0}});
    TPCM.moor.LINTYP(1, 1) = 1;
    TPCM.moor.HTENS(1) = 125.0f;
    c.change();
    ConsoleCapture console("\nnext\n");
    TENDNDP(1);
    EXPECT_EQ(console.screen(), c.message + "\n Press <Return> to Continue...\n") << c.what;
    EXPECT_EQ(console.unread(), "next\n") << c.what;
    EXPECT_EQ(TPCM.moor.SLEN(1, 1), 300.0f) << c.what;
  }
}

}  // namespace
}  // namespace qv
