#include "mooring/string_dynamics.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <string>

#include "line_fixture.h"
#include "mooring/line_setup.h"
#include "mooring/oblique_fairlead.h"
#include "mooring/tmpcm2.h"
#include "support/checks.h"
#include "support/console_capture.h"
#include "support/temp_dir.h"
#include "util/files.h"

namespace qv {
namespace {

using testing_support::ConsoleCapture;
using testing_support::IsClose;
using testing_support::kAbortQuestion;
using testing_support::LineModelTest;
using testing_support::stopStatus;
using testing_support::TempDir;

// |z - expected| within rel |expected|.
::testing::AssertionResult Near(Complex z, std::complex<double> expected, double rel) {
  return IsClose(std::abs(std::complex<double>(z) - expected), 0.0, 0.0, rel * std::abs(expected));
}

// The results of one CATSTR call.
struct Balance {
  Complex catenary, elastic;
  float CQCNST = 0.0f, RATIO = 0.0f;
};

Balance balance(float omega, Complex A, float sigma, float parity, float M, float CQUAD, float KRAT, float KELAS,
                std::int32_t iterate, std::int32_t line = 1) {
  Balance b;
  CATSTR(omega, A, sigma, parity, M, CQUAD, b.catenary, b.elastic, KRAT, KELAS, b.CQCNST, b.RATIO, kScreenUnit,
         kKeyboardUnit, iterate, 11, line);
  return b;
}

class StringDynamics : public LineModelTest {};

TEST_F(StringDynamics, TheTwoPartsMakeUpTheEndExtension) {
  // Without the quadratic term the catenary part solves (beta + i Q) CYCAT = A with Q = RATIO w,
  // beta = KRAT + 1 - omega^2 M / KELAS and w = CQCNST omega / KELAS, and CYCAT + CYELAS = A: for
  // stiffness ratios from 1e-3 to 9e4, with and without drag, and with line mass above the catenary
  // resonance (beta < 0), where the phase passes 90 degrees.
  struct Case {
    float KRAT, CQUAD, M;
  };
  const Case cases[] = {
      {1e-3f, 0, 0},   {1e-3f, 0.5f, 0},  {1e-3f, 20, 0}, {0.5f, 0, 0},     {0.5f, 0.5f, 0},  {0.5f, 20, 0},
      {3.0f, 0, 0},    {3.0f, 20, 0},     {50.0f, 0, 0},  {50.0f, 20, 0},   {9e4f, 0, 0},     {9e4f, 20, 0},
      {0.5f, 0, 100},  {0.5f, 5.0f, 100}, {3.0f, 2, 60},  {0.5f, 1.0f, 20},
  };
  const float omega = 0.9f, KELAS = 30.0f;
  const Complex A(2.0f, -1.5f);
  for (const Case& c : cases) {
    const Balance b = balance(omega, A, 0.0f, 1.0f, c.M, c.CQUAD, c.KRAT, KELAS, 0);
    const double beta = c.KRAT + 1.0 - 0.81 * c.M / KELAS;
    EXPECT_TRUE(IsClose(b.CQCNST, 0.848826 * 2.5 * 0.9 * c.CQUAD, 1e-6)) << c.KRAT << " " << c.CQUAD;
    const double Q = b.RATIO * (b.CQCNST * 0.9 / KELAS);
    EXPECT_TRUE(Near(b.catenary + b.elastic, std::complex<double>(A), 1e-5)) << c.KRAT << " " << c.CQUAD << " " << c.M;
    EXPECT_TRUE(Near(b.catenary * Complex(static_cast<float>(beta), static_cast<float>(Q)), std::complex<double>(A),
                     1e-5))
        << c.KRAT << " " << c.CQUAD << " " << c.M;
    EXPECT_TRUE(IsClose(std::abs(b.catenary), b.RATIO * 2.5, 1e-6));
  }
  // Without drag and mass the catenary part is A / (1 + KRAT), in phase with A.
  const Balance b = balance(omega, A, 0.0f, 1.0f, 0.0f, 0.0f, 3.0f, KELAS, 0);
  EXPECT_TRUE(Near(b.catenary, std::complex<double>(A) / 4.0, 1e-6));
  EXPECT_TRUE(IsClose(b.RATIO, 0.25, 1e-6));
}

TEST_F(StringDynamics, EdgesOfTheBalance) {
  const Complex A(2.0f, -1.5f);
  // No extension: nothing moves.
  Balance b = balance(0.9f, Complex(0, 0), 0.3f, 1.0f, 5.0f, 2.0f, 0.5f, 30.0f, 1);
  EXPECT_EQ(b.catenary, Complex(0, 0));
  EXPECT_EQ(b.elastic, Complex(0, 0));
  EXPECT_EQ(b.RATIO, 0.0f);
  // A catenary far stiffer than the line takes nothing; a vanishing one takes everything.
  b = balance(0.9f, A, 0.0f, 1.0f, 0.0f, 2.0f, 2.0e5f, 30.0f, 1);
  EXPECT_EQ(b.catenary, Complex(0, 0));
  EXPECT_EQ(b.elastic, A);
  b = balance(0.9f, A, 0.0f, 1.0f, 0.0f, 2.0f, 1.0e-21f, 30.0f, 1);
  EXPECT_EQ(b.catenary, A);
  EXPECT_EQ(b.elastic, Complex(0, 0));
  EXPECT_EQ(b.RATIO, 1.0f);
  // At the catenary resonance (beta = 1 + 1 - 2^2 16 / 32 = 0) the drag alone limits the amplitude:
  // g^2 w = 1, and the catenary part lags A by 90 degrees.
  b = balance(2.0f, A, 0.0f, 1.0f, 16.0f, 3.0f, 1.0f, 32.0f, 0);
  const double w = b.CQCNST * 2.0 / 32.0;
  EXPECT_TRUE(IsClose(b.RATIO, 1.0 / std::sqrt(w), 1e-6));
  EXPECT_TRUE(Near(b.catenary, std::complex<double>(A) * std::complex<double>(0, -1) * (1 / std::sqrt(w)), 1e-6));
}

TEST_F(StringDynamics, NonLinearAmplitudeWithTheQuadraticStiffness) {
  // omega 0.8, A = 3 - i (a = sqrt 10), sigma 0.4, CQUAD 2, KRAT 0.5, KELAS 30: delta = 0.4 a / 30
  // and the root of g^2 ((beta + delta g)^2 + w^2 g^2) = 1 is 0.6538498712 (scipy brentq). The phase
  // is the argument of the whole denominator; the elastic part CYCAT (n + i Q) takes n = parity sigma a
  // g / KELAS + KRAT and Q = g0 w of the amplitude g0 without the quadratic term.
  const float omega = 0.8f, sigma = 0.4f, KRAT = 0.5f, KELAS = 30.0f;
  const Complex A(3.0f, -1.0f);
  const double a = std::sqrt(10.0);
  for (float parity : {1.0f, -1.0f}) {
    const Complex end = parity * A;
    const Balance b = balance(omega, end, sigma, parity, 0.0f, 2.0f, KRAT, KELAS, 1);
    EXPECT_TRUE(IsClose(b.RATIO, 0.6538498712, 0, 1e-4));
    const double w = b.CQCNST * 0.8 / KELAS;
    const double beta = 1.5, delta = 0.4 * a / 30.0, g = b.RATIO;
    EXPECT_TRUE(IsClose(TMPCM2.DELCOF, delta, 1e-6));
    EXPECT_TRUE(IsClose(TMPCM2.GMCOEF, w * w, 1e-6));
    const std::complex<double> phase = std::polar(1.0, -std::atan2(g * w, beta + delta * g));
    EXPECT_TRUE(Near(b.catenary, g * std::complex<double>(end) * phase, 1e-5)) << parity;
    const double g0 = std::sqrt(2.0 / (std::sqrt(beta * beta * beta * beta + 4 * w * w) + beta * beta));
    const double n = parity * sigma * a * g / KELAS + KRAT;
    EXPECT_TRUE(Near(b.elastic, std::complex<double>(b.catenary) * std::complex<double>(n, g0 * w), 1e-5)) << parity;
  }

  // Without the quadratic term the iterated amplitude is the linear one (within the search's 1e-4),
  // and the parts make up A; with line mass the elastic part leaves out the mass term, so that the
  // sum misses A by CYCAT omega^2 M / KELAS (here M = 10: 0.2133 CYCAT, about 12 % of A).
  Balance b = balance(omega, A, 0.0f, 1.0f, 0.0f, 2.0f, KRAT, KELAS, 1);
  EXPECT_TRUE(Near(b.catenary + b.elastic, std::complex<double>(A), 2e-4));
  b = balance(omega, A, 0.0f, 1.0f, 10.0f, 2.0f, KRAT, KELAS, 1);
  const std::complex<double> missing = std::complex<double>(b.catenary) * (0.64 * 10.0 / 30.0);
  EXPECT_TRUE(IsClose(std::abs(std::complex<double>(b.catenary + b.elastic - A) - missing), 0, 0, 3e-4 * a));
  EXPECT_GT(std::abs(missing), 0.1 * a);
}

TEST_F(StringDynamics, AFailedAmplitudeSearchStops) {
  // beta = 0.1 + 1 - 1 * 24 / 30 = 0.3 without damping: the amplitude 1/0.3 lies beyond 1.5, the
  // amplitude equation keeps its sign over [0, 1.5] (NULTMP(0) = 1, NULTMP(1.5) = 1 - 2.25 * 0.09).
  ConsoleCapture console("\n");
  EXPECT_EQ(stopStatus([] { balance(1.0f, Complex(1, 0), 0.0f, 1.0f, 24.0f, 0.0f, 0.1f, 30.0f, 1, 7); }),
            kExitFatal);
  EXPECT_EQ(console.screen(),
            "\n ++> Error return (IER = 2; Line #  7; Period =   6.28) from RTMI in CATSTR... \n"
            "\n Press <RETURN> to continue: ");
  EXPECT_EQ(NULTMP(0.0f), 1.0f);
  EXPECT_TRUE(IsClose(NULTMP(1.5f), 1.0 - 2.25 * 0.09, 1e-6));
}

// ---- The table-based stiffness of an oblique fairlead motion ----

// The spread line in five layers over 40 ft, its table set up; its fairlead direction at 100 kip
// (cosine 0.7694347003, sine 0.6387254825) and its elastic stiffness 1 / (3000 a1).
class ObliqueFairlead : public LineModelTest {
 protected:
  static constexpr float kFX = 0.7694347003f;
  static constexpr float kFZ = 0.6387254825f;
  const float KELAS = 1.0f / (3000.0f * 1e-5f);

  struct Result {
    float RFORCE = 0, FGZTMP = 0, KSTATN = 0, KCATO = 0, SIGCP = 0, SIGCM = 0, YCATP = 0, YCATM = 0;
  };

  void SetUp() override {
    LineModelTest::SetUp();
    defineSpread(1);
    TPCM.moor.NLAYER = 5;
    TPCM.moor.ZSPAN = 40.0f;
    TPCM.moor.ZMCTR = 20.0f;  // the draft: the fairlead 300 ft above the anchor
    setUpLineTables();
  }

  Result probe(float s0, float a, float KCTAN, std::int32_t line = 1, std::int32_t unit = kScreenUnit) {
    const Lincom& lc = LINCOM;
    const Morcom& m = TPCM.moor;
    Result r;
    FOBLQ({.line = line, .ITYP = 1, .s0 = s0, .a = a, .KCTAN = KCTAN, .KELAS = KELAS, .SEPVES = lc.SEPVES.data(),
           .TOPANG = lc.TOPANG.data(), .TOPTEN = lc.TOPTEN.data(), .TOTWT = lc.TOTWT.data(),
           .ANCHGT = m.ANCHGT.data(), .HLOD = lc.HLOD.data(), .RFLD = m.RFLD.data(), .MIDLYR = lc.MIDLYR,
           .DLAYER = lc.DLAYER, .NLAYER = m.NLAYER, .NUMTAB = TPCM.NUMTAB, .ZSPAN = m.ZSPAN, .ZMCTR = m.ZMCTR,
           .EDUNIT = unit, .inUnit = kKeyboardUnit, .FXCOMP = kFX, .FZCOMP = kFZ,
           .out = {.RFORCE = r.RFORCE, .FGZTMP = r.FGZTMP, .KSTATN = r.KSTATN, .KCATO = r.KCATO, .SIGCP = r.SIGCP,
                   .SIGCM = r.SIGCM, .YCATP = r.YCATP, .YCATM = r.YCATM}});
    return r;
  }

  // Every fairlead tension of the table replaced by f(separation - s0).
  template <class F>
  static void reshapeTensions(F f) {
    Lincom& lc = LINCOM;
    for (int layer = 1; layer <= 5; ++layer) {
      for (int i = 1; i <= 90; ++i) lc.TOPTEN(i, layer, 1) = f(lc.SEPVES(i, layer, 1) - lc.RANCK(1));
    }
  }
};

TEST_F(ObliqueFairlead, StiffnessFromTheTablesAgainstTheElasticCatenary) {
  // The fairlead moved along its direction from the separation 2928.877737 ft: the tension changes
  // by 1.77661649 kip over the probe of 0.64 ft (0.01 * 2^6, the first with K h / T0 above 0.01 for
  // K = 1 / (1/3 + 1/KELAS)), by 74.18519983 kip over +20 ft and by -42.25040292 kip over -20 ft
  // (inverse elastic catenary: tests/mooring/reference_values.py, section "oblique_fairlead"). The
  // tables are read linearly between table points 2.2 ft apart and between layers 10 ft apart: the
  // changes over 20 ft within 1 %; the probe, inside one table interval, takes that interval's slope,
  // within 3 % of the catenary's.
  const Result r = probe(LINCOM.RANCK(1), 20.0f, 3.0f);
  EXPECT_TRUE(IsClose(r.KSTATN, 1.77661649 / 0.64, 0.03));
  EXPECT_TRUE(IsClose(r.KCATO, 1.77661649 / (0.64 - 1.77661649 / KELAS), 0.03));
  // The force law y (sigma y + KCATO) gives the tension change of each direction.
  EXPECT_TRUE(IsClose(r.YCATP * (r.YCATP * r.SIGCP + r.KCATO), 74.18519983, 0.01));
  EXPECT_TRUE(IsClose(r.YCATM * (r.YCATM * r.SIGCM + r.KCATO), -42.25040292, 0.01));
  EXPECT_TRUE(IsClose(r.YCATP, 20.0 - 74.18519983 / KELAS, 0.005));
  EXPECT_TRUE(IsClose(r.YCATM, -20.0 + 42.25040292 / KELAS, 0.005));
  // The catenary stiffens both ways, more when pulled than when slackened.
  EXPECT_GT(r.SIGCM, 0.0f);
  EXPECT_GT(r.SIGCP, 1.5f * r.SIGCM);
  // The last pass reads the table 20 ft back along the line: H = 58.96740801 kip.
  EXPECT_TRUE(IsClose(r.RFORCE, 58.96740801, 0.01));
}

TEST_F(ObliqueFairlead, TableFreeCases) {
  const float s0 = LINCOM.RANCK(1);
  // A line marked without a catenary part: y = 0, KCATO = KCTAN, no quadratic term.
  Result r = probe(s0, 20.0f, 1.23e23f);
  EXPECT_EQ(r.KCATO, 1.23e23f);
  EXPECT_EQ(r.SIGCP, 0.0f);
  EXPECT_EQ(r.SIGCM, 0.0f);
  EXPECT_EQ(r.YCATP, 0.0f);
  EXPECT_EQ(r.YCATM, 0.0f);

  // No series stiffness to speak of: the probe never moves the tension by 1 %; after 100 doublings
  // the warning, and the call goes on without the table's stiffness, probing at 0.01 ft.
  {
    ConsoleCapture console("\n");
    r = probe(s0, 20.0f, 1.0e-30f);
    EXPECT_EQ(console.screen(), "\n ++> Warning: DO-loop overflow in FOBLQ (label 49).\n" + kAbortQuestion);
  }
  EXPECT_EQ(r.KCATO, 1.0e-30f);
  EXPECT_EQ(r.SIGCP, 0.0f);
  EXPECT_EQ(r.SIGCM, 0.0f);
  EXPECT_TRUE(IsClose(r.KSTATN, 2.7509, 0.03));  // the table's slope at the mean separation
  EXPECT_TRUE(IsClose(r.YCATP, 20.0 - 74.18519983 / KELAS, 0.005));
  ConsoleCapture console("A\n");
  EXPECT_EQ(stopStatus([&] { probe(s0, 20.0f, 1.0e-30f); }), kExitFatal);
}

TEST_F(ObliqueFairlead, TheStiffnessWarningsAndTheirQuestions) {
  const float s0 = LINCOM.RANCK(1);
  const std::string prompt = "              Enter 99 to ignore additional ocurrences of this condition OR...\n";
  auto differ = [](int line) { return "\n ++> Warning: KCAT, KCATO differ in FOBLQ for line #" + std::string(2, ' ') +
                                      std::to_string(line) + "\n"; };
  // KCTAN = 10 against KCATO of about 3: the difference warning. A blank answer keeps it for other
  // lines; the same line again is not warned about; 99 silences it for the run.
  {
    ConsoleCapture console("\n");
    probe(s0, 20.0f, 10.0f, 1);
    probe(s0, 20.0f, 10.0f, 1);
    EXPECT_EQ(console.screen(), differ(1) + prompt + kAbortQuestion);
  }
  {
    ConsoleCapture console("99\n");
    probe(s0, 20.0f, 10.0f, 2);
    probe(s0, 20.0f, 10.0f, 3);
    EXPECT_EQ(console.screen(), differ(2) + prompt + kAbortQuestion);
  }
  EXPECT_EQ(FOBLQ_STATE.KFIRST, 0);
  // Unattended: the warning and an empty line for the question go to the diagnostics file, and the
  // answer is 99.
  FOBLQ_STATE.reset();
  {
    TempDir dir;
    RHOPEN("Diagnostics.stxt", kFormatted, kFresh, 0, kDiagnosticsUnit, "TEST", kScreenUnit, 0);
    ConsoleCapture console("next\n");
    probe(s0, 20.0f, 10.0f, 4, kDiagnosticsUnit);
    EXPECT_EQ(console.screen(), "");
    EXPECT_EQ(console.unread(), "next\n");
    closeAllUnits();
    EXPECT_EQ(testing_support::readFileText("Diagnostics.stxt"), differ(4) + "\n");
    EXPECT_EQ(FOBLQ_STATE.KFIRST, 0);
  }

  // A table whose tension falls as the fairlead moves out: KCATO < 0, warned of once per run.
  FOBLQ_STATE.reset();
  FOBLQ_STATE.KFIRST = 0;
  reshapeTensions([](float ds) { return 130.0f - 3.0f * ds; });
  {
    ConsoleCapture console("\n");
    Result r = probe(s0, 20.0f, 3.0f);
    EXPECT_LT(r.KCATO, 0.0f);
    r = probe(s0, 20.0f, 3.0f);
    EXPECT_EQ(console.screen(), "\n ++> Warning: Singular KCATO in line  1; routine FOBLQ.\n" + prompt + kAbortQuestion);
  }

  // A table that softens: 130 + 3 ds - 0.1 ds^2. Pulled back 20 ft the tension falls by more than
  // half, with a negative quadratic coefficient larger than half the linear term: the singular-sigma
  // warning, on the negative pass only; blank keeps it, 99 silences it.
  FOBLQ_STATE.reset();
  reshapeTensions([](float ds) { return 130.0f + 3.0f * ds - 0.1f * ds * ds; });
  const std::string singular = "\n ++> Warning: Singular SIGCQ in line  1; routine FOBLQ.\n";
  {
    ConsoleCapture console("\n99\n");
    const Result r = probe(s0, 20.0f, 2.5f);
    EXPECT_LT(r.SIGCM, 0.0f);
    EXPECT_LT(r.SIGCP, 0.0f);
    probe(s0, 20.0f, 2.5f);
    probe(s0, 20.0f, 2.5f);
    EXPECT_EQ(console.screen(), singular + prompt + kAbortQuestion + singular + prompt + kAbortQuestion);
  }
  EXPECT_EQ(FOBLQ_STATE.SGFRST, 0);
  FOBLQ_STATE.reset();
  ConsoleCapture console("A\n");
  EXPECT_EQ(stopStatus([&] { probe(s0, 20.0f, 2.5f); }), kExitFatal);
}

TEST_F(ObliqueFairlead, AFairleadCarriedOutOfTheLayersIsWarnedOfOnce) {
  // 40 ft along the line raises the fairlead by 25.55 ft, beyond the 20 ft above the middle layer.
  const std::string warning =
      "\n ++> Warning: A vertical translation of amount  25.55 has carried\n"
      "     fairlead number  1 (and possibly others) outside the bounds of the\n"
      "     specified vertical interpolation span in FOBLQ.\n"
      "     Consider increasing the span before continuing simulation.\n";
  {
    ConsoleCapture console("\n");
    probe(LINCOM.RANCK(1), 40.0f, 3.0f);
    probe(LINCOM.RANCK(1), 40.0f, 3.0f);
    EXPECT_EQ(console.screen(), warning + kAbortQuestion);
  }
  FOBLQ_STATE.reset();
  ConsoleCapture console("a\n");
  EXPECT_EQ(stopStatus([&] { probe(LINCOM.RANCK(1), 40.0f, 3.0f); }), kExitFatal);
}

TEST_F(ObliqueFairlead, WithoutHorizontalTensionTheLineHangsFromTheFairleadOfItsType) {
  // At 2600 ft the table holds no horizontal tension: the line hangs vertically from the fairlead of
  // the type's line. Type 1's record names line 2 first, whose fairlead is at 20 ft (the tables were
  // built from it); line 1's own fairlead is put at 50 ft. The last pass lowers the fairlead by
  // 5 * 0.6387 ft: a hanging elastic line of w = 0.1 kip/ft, a1 = 1e-5 /kip spans
  // h = l + a1 w l^2 / 2 with l its hanging length, and its tension is w l.
  defineSpread(2);
  Morcom& m = TPCM.moor;
  m.LINTYP(1, 1) = 2;
  m.LINTYP(2, 1) = 1;
  TPCM.moor.NLAYER = 5;
  TPCM.moor.ZSPAN = 40.0f;
  m.ZMCTR = 20.0f;
  setUpLineTables();
  m.RFLD(3, 1) = 50.0f;
  const Result r = probe(2600.0f, 5.0f, 3.0f);
  const double h = 300.0 - 5.0 * kFZ, aw = static_cast<double>(1e-5f) * 0.1;
  const double hanging = (std::sqrt(1.0 + 2.0 * aw * h) - 1.0) / aw;
  EXPECT_EQ(r.RFORCE, 0.0f);
  EXPECT_TRUE(IsClose(r.FGZTMP, -0.1 * hanging, 1e-4));
}

}  // namespace
}  // namespace qv
