// SEMFRC: the calibration passes and their flag, the force models, the quasi-linear iteration
// (converged to a fixed point of response and drag, checked outside the Newton solver), the
// question after 100 steps with its four replies, the singular Jacobian and the asymmetry warning.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <complex>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "dataset/tpcm.h"
#include "hull/himem.h"
#include "hull/semi/semi.h"
#include "hull/semi/semi_fixture.h"
#include "hull/semi/semi_forces.h"
#include "hull/semi/semi_newton.h"
#include "hull/semi/semi_solver.h"
#include "hull/semi/simcom.h"
#include "platform/block_reset.h"
#include "platform/units.h"
#include "support/checks.h"
#include "support/console_capture.h"
#include "support/fresh_run.h"
#include "waves/wavcom.h"

namespace qv {
namespace {

using testing_support::ConsoleCapture;
using testing_support::contains;
using testing_support::IsClose;
using testing_support::stopStatus;

class Semfrc : public testing_support::FreshRun {
 protected:
  void SetUp() override {
    FreshRun::SetUp();
    testing_support::setFixtureSemi();
    SEMCHR();
  }
};

// The six stored forces of every grid point.
std::vector<Complex> storedForces() {
  std::vector<Complex> f;
  for (int i = 1; i <= TPCM.NWP; ++i) {
    for (const Complex& v : {HIMEM.SGRAO(i), HIMEM.SWRAO(i), HIMEM.HVRAO(i), HIMEM.RLRAO(i), HIMEM.PTRAO(i),
                             HIMEM.YWRAO(i)}) {
      f.push_back(v);
    }
  }
  return f;
}

std::vector<Complex> forcesOfHeading(std::int32_t SQLFRC, float headingDeg) {
  TPCM.SQLFRC = SQLFRC;
  testing_support::setHeading(headingDeg);
  std::int32_t flag = 5;
  SEMFRC(flag);
  return storedForces();
}

TEST_F(Semfrc, CalibrationPassesAndTheirFlag) {
  std::int32_t flag = 0;
  SEMFRC(flag);
  EXPECT_EQ(flag, 2);
  const Simcom& m = SIMCOM;
  for (float gam : {m.GAMRL, m.GAMPT, m.GAMHV}) {
    EXPECT_GT(gam, 0.0f);
    EXPECT_NE(gam, 0.1f);
    EXPECT_TRUE(std::isfinite(gam));
  }
  EXPECT_TRUE(IsClose(HIMEM.SCALE(1), 22271.7 / 57.2957764, 1e-6));
  EXPECT_TRUE(IsClose(HIMEM.SCALE(3), 1.025 * 314.159, 1e-6));  // rho g Awp in tonnes per metre
  EXPECT_TRUE(IsClose(HIMEM.SDEPTH, 15.0, 1e-6));

  // A call with 2 calibrates heave alone; user damping replaces the calibration.
  const float roll = m.GAMRL;
  TPCM.LHVDMP = 1;
  TPCM.HVDAMP = 7.5f;
  flag = 2;
  SEMFRC(flag);
  EXPECT_EQ(flag, 2);
  EXPECT_EQ(m.GAMRL, roll);
  EXPECT_TRUE(IsClose(m.GAMHV, 0.15, 1e-6));

  // Without heave restoring the heave pass runs at sqrt(G / DELTA^(1/3)) and still gives a ratio.
  HIMEM.WH = 0.0f;
  TPCM.LHVDMP = 0;
  SEMFRC(flag);
  EXPECT_TRUE(std::isfinite(m.GAMHV));
  EXPECT_GT(m.GAMHV, 0.0f);
}

TEST_F(Semfrc, ForceModels) {
  // SQLFRC 0 takes drag only in the calibration: its stored forces are those of no drag at all
  // (any other code); 2 adds the drag of the waves alone.
  std::int32_t flag = 0;
  SEMFRC(flag);
  const std::vector<Complex> calibrationOnly = forcesOfHeading(0, 30.0f);
  const std::vector<Complex> none = forcesOfHeading(7, 30.0f);
  const std::vector<Complex> waves = forcesOfHeading(2, 30.0f);
  EXPECT_EQ(calibrationOnly, none);
  EXPECT_NE(waves, none);
}

TEST_F(Semfrc, HeaveRaoTendsToOneInLongWaves) {
  // Periods 100 to 600 s at zero speed: the heave force per rho g Awp tends to 1, short of it by the
  // inertia of the hull in the water's vertical acceleration (falling with w^2); the heave RAO tends to
  // 1, lagging by the phase of a damped oscillator far below resonance, 2 zeta w / wn = GAMHV w / WH.
  testing_support::setGrid(100.0f, 100.0f, 6);
  SEMCHR();
  std::int32_t flag = 0;
  SEMFRC(flag);
  testing_support::setHeading(30.0f);
  flag = 5;
  SEMFRC(flag);
  const double short300 = 1.0 - std::abs(HIMEM.HVRAO(3));
  const double short600 = 1.0 - std::abs(HIMEM.HVRAO(6));
  EXPECT_LT(short600, 2e-3);
  EXPECT_TRUE(IsClose(short300 / short600, 4.0, 0.05)) << short300 << " " << short600;
  SEMRAO();
  for (int i : {3, 6}) {
    const Complex rao = HIMEM.HVRAO(i);
    const double w = 6.2831855 / TPCM.T(i);
    EXPECT_TRUE(IsClose(std::abs(rao), 1.0, 1e-3)) << TPCM.T(i);
    EXPECT_TRUE(IsClose(-rao.imag() / rao.real(), SIMCOM.GAMHV * w / HIMEM.WH, 0.02)) << TPCM.T(i);
  }
}

// The response G(X) of the hull at grid point i moving with the motion X (surge .. yaw) in the wave of
// headingDeg: the inertia forces and the drag of that motion through SUMALL, scaled and put through
// the response law of the quasi-linear forces (no user damping), outside the Newton solver.
void responseToOwnDrag(int i, float headingDeg, const Complex* X, Complex* G_X) {
  Himem& h = HIMEM;
  const float G = WAVCOM.G;
  const float density = 0.001f * TPCM.DWATR;
  const float amplitude = 1.414f * 0.5f * TPCM.SLPHT;
  const float beta = headingDeg == 0.0f ? 1.0e-10f : headingDeg / 57.2957764f;
  const float GD = G / std::pow(h.DELTA, 0.33333334f);
  const float w = h.RLDUM(h.LCNW + i - 1);
  const float k = h.RLDUM(h.LCNWK + i - 1);
  Complex F[6] = {};
  const Complex still[6] = {};
  SUMALL(F, F + 3, k, k * std::cos(beta), k * std::sin(beta), w, amplitude, amplitude, 0, density, 0.0f, 0, still);
  SUMALL(F, F + 3, k, k * std::cos(beta), k * std::sin(beta), w, amplitude, amplitude, 1, density * 0.5642f / G,
         0.0f, 0, X);
  const float S[6] = {1.0f / (TPCM.TDISPL * k),         1.0f / (TPCM.TDISPL * k),
                      1.0f / (density * TPCM.TAWP),      1.0f / (std::fabs(h.GMT) * TPCM.TDISPL * k),
                      1.0f / (std::fabs(h.GML) * TPCM.TDISPL * k), 1.0f / (std::fabs(h.GML) * TPCM.TDISPL * k)};
  Complex FS[6];
  GETRAO({.F = F, .S = S, .WH = h.WH, .WP = h.WP, .WR = h.WR, .WE = w, .WH2 = h.WH * h.WH, .WP2 = h.WP * h.WP,
          .WR2 = h.WR * h.WR, .WE2 = w * w, .GAMHV = 0.0f, .GAMPT = 0.0f, .GAMRL = 0.0f, .GD = GD, .WK = k,
          .SURGF = G / (h.CSG + 1.0f), .SWAYF = G / (h.CSW + 1.0f), .YAWF = G * h.GML * h.DELTA / h.YAWI, .HDIV = 1.0f,
          .RDIV = 1.0f, .PDIV = 1.0f, .out = {.FS = FS, .RAO = G_X}});
}

// The operators of every grid point after SEMFRC(5) and SEMRAO at headingDeg, quasi-linear forces.
std::vector<std::array<Complex, 6>> quasiLinearOperators(float headingDeg) {
  TPCM.SQLFRC = 1;
  std::int32_t flag = 0;
  SEMFRC(flag);
  testing_support::setHeading(headingDeg);
  flag = 5;
  SEMFRC(flag);
  SEMRAO();
  std::vector<std::array<Complex, 6>> raos;
  Himem& h = HIMEM;
  for (int i = 1; i <= TPCM.NWP; ++i) {
    raos.push_back({h.SGRAO(i), h.SWRAO(i), h.HVRAO(i), h.RLRAO(i), h.PTRAO(i), h.YWRAO(i)});
  }
  return raos;
}

TEST_F(Semfrc, QuasiLinearOperatorsAreFixedPointsOfResponseAndDrag) {
  // The RAOs that SEMRAO forms from the stored forces, put back into the drag of SUMALL and through
  // the response law, come back within 1 % (degrees of freedom above the iteration's floor) at every
  // period of the grid, 4 to 28 s, through the pitch and heave resonances (22.0 and 24.9 s; roll
  // 33.4 s), in head seas and at 30 deg. Near a resonance the response law magnifies the drag's
  // change with the motion: there a small Newton step is no sign of a fixed point (in head seas at
  // 22 s the response to the drag of the last estimate's step was 0.0240 rad/m in pitch, the fixed
  // point lies at 0.0131: the pontoons' pitching drag moment takes their vertical drag coefficient,
  // 2 x 12 m per metre, where their lateral one, 2 x 8 m, once left the fixed point at 0.0163).
  for (float headingDeg : {0.0f, 30.0f}) {
    SetUp();
    ConsoleCapture console;  // nothing to ask
    const std::vector<std::array<Complex, 6>> raos = quasiLinearOperators(headingDeg);
    EXPECT_EQ(console.screen(), "");
    ASSERT_EQ(TPCM.NWP, 49);
    for (int i = 1; i <= TPCM.NWP; ++i) {
      const std::array<Complex, 6>& rao = raos[static_cast<std::size_t>(i - 1)];
      Complex back[6];
      responseToOwnDrag(i, headingDeg, rao.data(), back);
      const double k = HIMEM.RLDUM(HIMEM.LCNWK + i - 1);
      for (int j = 0; j < 6; ++j) {
        const double M = std::abs(rao[j]);
        const double floor = j < 3 ? 0.001 : 0.001 * k;
        if (M <= floor) continue;
        EXPECT_LT(std::abs(back[j] - rao[j]), 0.01 * M)
            << headingDeg << " deg, period " << TPCM.T(i) << " dof " << j + 1 << ": " << rao[j] << " gives " << back[j];
      }
    }
    if (headingDeg == 0.0f) {
      EXPECT_TRUE(IsClose(std::abs(raos[36][4]), 0.01310, 0.01));  // 22 s, pitch [rad/m]
      EXPECT_TRUE(IsClose(std::abs(raos[42][2]), 1.189, 0.01));     // 25 s, heave
    }
  }
}

TEST_F(Semfrc, TheHullTurnedAQuarterInPlanHasTheSameOperators) {
  // The fixture semi turned 90 deg about the vertical, (x, y) -> (-y, x), its pontoons now along y and
  // its braces along x, in the waves of 90 deg: the same hull in the same waves, so the same
  // response, with the axes turned (surge -> sway, pitch -> -roll). Each is a fixed point within 1 %,
  // so they agree within 2 %, through the resonances.
  ConsoleCapture console;
  const std::vector<std::array<Complex, 6>> along = quasiLinearOperators(0.0f);
  SetUp();
  Tpcm& t = TPCM;
  for (int I = 1; I <= t.NCYL; ++I) {
    for (auto* end : {&t.RCYLB, &t.RCYLT}) {
      const float x = (*end)(1, I);
      (*end)(1, I) = -(*end)(2, I);
      (*end)(2, I) = x;
    }
    if (t.MEMDIR(I) != 3) t.MEMDIR(I) = 3 - t.MEMDIR(I);
  }
  std::swap(t.TLWL, t.TBWL);
  std::swap(t.VKML, t.VKMT);
  std::swap(t.TPGYR, t.TRGYR);
  testing_support::resetSemiRun();
  SEMCHR();
  const std::vector<std::array<Complex, 6>> turned = quasiLinearOperators(90.0f);
  EXPECT_EQ(console.screen(), "");
  for (int i = 1; i <= TPCM.NWP; ++i) {
    const std::array<Complex, 6>& a = along[static_cast<std::size_t>(i - 1)];
    const std::array<Complex, 6>& b = turned[static_cast<std::size_t>(i - 1)];
    const std::pair<Complex, Complex> pairs[] = {{a[0], b[1]}, {a[2], b[2]}, {a[4], -b[3]}};
    for (const auto& [expected, actual] : pairs) {
      EXPECT_LT(std::abs(actual - expected), 0.02 * std::abs(expected)) << "period " << TPCM.T(i) << ": " << actual
                                                                         << " for " << expected;
    }
  }
}

TEST_F(Semfrc, UndampedResonanceOnTheGridIsNotTakenAsConverged) {
  // The user's heave period exactly on grid point 20 (13.5 s) without damping: there the response law
  // divides by 1e-10, the drag of so large a motion overflows, and every Jacobian is singular. A
  // response that is not a number never passes the convergence test: after 100 steps the question
  // comes, and 99 keeps the 19 periods before it.
  TPCM.SQLFRC = 1;
  TPCM.LHVPRD = 1;
  TPCM.HEVPRD = TPCM.T(20);
  testing_support::resetSemiRun();
  SEMCHR();
  std::int32_t flag = 0;
  SEMFRC(flag);
  testing_support::setHeading(0.0f);
  {
    ConsoleCapture console(std::string(101, '\n') + "99\n");
    flag = 5;
    SEMFRC(flag);
    const std::string screen = console.screen();
    EXPECT_TRUE(contains(screen, " ++> Warning: singular solution matrix in SEMFRC; error index =  1\n"
                                 "\a\n Enter \"A\" to abort or Press <RETURN> to continue: "))
        << screen.substr(0, 400);
    EXPECT_TRUE(contains(screen, " ++> Warning: No RAO convergence after  100 iterations for\n"
                                 "     heading, =   0.0, wave period = 13.5, DOF = 1\n"))
        << screen.substr(screen.size() - 600);
    EXPECT_EQ(console.unread(), "");
  }
  EXPECT_EQ(TPCM.NWP, 19);
  for (int i = 1; i <= 19; ++i) EXPECT_TRUE(std::isfinite(std::abs(HIMEM.HVRAO(i)))) << i;
  // An unattended run cannot be asked: it stops there.
  TPCM.NWP = 49;
  TPCM.EDUNIT = kDiagnosticsUnit;
  ConsoleCapture unattended;  // the diagnostics unit is not connected here: its lines show on the screen
  EXPECT_EQ(stopStatus([] {
              std::int32_t production = 5;
              SEMFRC(production);
            }),
            kExitFatal);
  EXPECT_TRUE(contains(unattended.screen(), "No RAO convergence after  100 iterations"));
}

TEST_F(Semfrc, AsymmetricHullIsWarnedOnce) {
  // A fifth column on the starboard side only: a roll moment in head seas.
  testing_support::setMember(9, {{0.0f, 25.0f, 8.0f}, {0.0f, 25.0f, 30.0f}, 78.5398f, {10.0f, 10.0f, 22.0f},
                                 {1.0f, 1.0f, 0.0f}, {0.8f, 0.8f, 0.6f}, 1, 3, 1});
  TPCM.NOWARN = 1;
  testing_support::resetSemiRun();
  {
    ConsoleCapture console("\n\n");
    SEMCHR();
    std::int32_t flag = 0;
    SEMFRC(flag);
    flag = 0;
    SEMFRC(flag);
    EXPECT_TRUE(contains(console.screen(),
                         " ++> WARNING: This simulation does not rigorously support Semisubmersibles\n"
                         "              lacking bilateral (port-starboard) symmetry; proceed with caution\n"
                         "\a\n Enter \"A\" to abort or Press <RETURN> to continue: "))
        << console.screen();
    EXPECT_EQ(console.screen().find("WARNING: This"), console.screen().rfind("WARNING: This"));
  }
  testing_support::resetSemiRun();
  ConsoleCapture console("a\n");
  SEMCHR();
  EXPECT_EQ(stopStatus([] {
              std::int32_t flag = 0;
              SEMFRC(flag);
            }),
            kExitFatal);
}

class SemiNewton : public testing_support::FreshRun {};

const Complex kNoResidual[6] = {};  // the estimate stepped from reproduced itself

TEST_F(SemiNewton, QuestionAfterAHundredStepsAndItsReplies) {
  // A step that leaves sway (2) and pitch (5) unsettled after the 100 steps of the first round; the
  // grid point in hand is the 7th (period 7 s) of a heading of 30 degrees.
  struct Case {
    const char* typed;
    int status;                     // -1: returned
    semi::Convergence outcome;
    int ITER, reported, questions;  // after the check
    std::int32_t NWP;
  };
  const Case cases[] = {
      {"\n", -1, semi::Convergence::kIterate, 1, 100, 1, 20},
      {"1\n1\n", -1, semi::Convergence::kConverged, 102, 200, 2, 20},
      {"1\n\n", -1, semi::Convergence::kIterate, 1, 200, 2, 20},
      {"99\n", -1, semi::Convergence::kTerminate, 101, 100, 1, 6},
      {"A\n", kExitFatal, semi::Convergence::kIterate, 101, 100, 1, 20},
      {"2\nany\n", kExitFatal, semi::Convergence::kIterate, 101, 100, 1, 20},
  };
  for (const Case& c : cases) {
    resetAllBlocks();
    TPCM.EDUNIT = kScreenUnit;
    TPCM.NWP = 20;
    for (int i = 1; i <= 20; ++i) TPCM.T(i) = static_cast<float>(i);
    HIMEM.IW = 7;
    const Complex RAO[6] = {{1.0f, 0.0f}, {0.5f, 0.0f}, {0.2f, 0.0f}, {0.01f, 0.0f}, {0.02f, 0.0f}, {0.0f, 0.0f}};
    const Complex step[6] = {{0.001f, 0.0f}, {0.01f, 0.0f}, {0.0f, 0.0f}, {0.0f, 0.0f}, {0.001f, 0.0f}, {1.0e-6f, 0.0f}};
    semi::NewtonCount count{100, 0};
    semi::Convergence outcome = semi::Convergence::kIterate;
    ConsoleCapture console(c.typed);
    const int status =
        stopStatus([&] { outcome = semi::checkNewtonStep(RAO, kNoResidual, step, 0.1f, count, 30.0f); });
    EXPECT_EQ(status, c.status) << c.typed;
    if (status == -1) {
      EXPECT_EQ(outcome, c.outcome) << c.typed;
    }
    EXPECT_EQ(count.ITER, c.ITER) << c.typed;
    EXPECT_EQ(count.reported, c.reported) << c.typed;
    EXPECT_EQ(TPCM.NWP, c.NWP) << c.typed;
    const std::string screen = console.screen();
    int questions = 0;
    for (std::size_t at = 0; (at = screen.find("No RAO convergence", at)) != std::string::npos; ++at) ++questions;
    EXPECT_EQ(questions, c.questions) << c.typed;
    EXPECT_TRUE(contains(screen, " ++> Warning: No RAO convergence after  100 iterations for\n"
                                 "     heading, =  30.0, wave period =  7.0, DOF = 2\n"
                                 "     Enter 1 to continue with current estimate,\n"
                                 "     enter 99 to terminate additional RAO determinations OR ...\n"
                                 "\a\n Enter \"A\" to abort or Press <RETURN> to continue: "))
        << screen;
  }
  // Before the 100 steps are used up: another step, no question; a settled step: converged; 99 at
  // the first period keeps it.
  resetAllBlocks();
  const Complex RAO[6] = {{1.0f, 0.0f}, {1.0f, 0.0f}, {1.0f, 0.0f}, {0.0f, 0.0f}, {0.0f, 0.0f}, {0.0f, 0.0f}};
  const Complex small[6] = {{0.009f, 0.0f}, {}, {}, {1.0e-6f, 0.0f}, {}, {}};
  const Complex large[6] = {{0.011f, 0.0f}, {}, {}, {}, {}, {}};
  semi::NewtonCount count{5, 0};
  EXPECT_EQ(semi::checkNewtonStep(RAO, kNoResidual, large, 0.1f, count, 0.0f), semi::Convergence::kIterate);
  EXPECT_EQ(count.ITER, 6);
  EXPECT_EQ(semi::checkNewtonStep(RAO, kNoResidual, small, 0.1f, count, 0.0f), semi::Convergence::kConverged);
  // A small step from an estimate that the response to its drag does not reproduce (2 % off in
  // surge) is no fixed point; 0.9 % off it is.
  const Complex offByTwo[6] = {{0.0f, 0.02f}, {}, {}, {}, {}, {}};
  const Complex offByLessThanOne[6] = {{0.0f, 0.009f}, {}, {}, {}, {}, {}};
  EXPECT_EQ(semi::checkNewtonStep(RAO, offByTwo, small, 0.1f, count, 0.0f), semi::Convergence::kIterate);
  EXPECT_EQ(semi::checkNewtonStep(RAO, offByLessThanOne, small, 0.1f, count, 0.0f), semi::Convergence::kConverged);
  // A zero rotation counts as 0.001: a step of 2e-5 in it is 2 % of that, and 0.001 / k is above
  // the floor when k < 1.
  const Complex rollStep[6] = {{}, {}, {}, {2.0e-5f, 0.0f}, {}, {}};
  EXPECT_EQ(semi::checkNewtonStep(RAO, kNoResidual, rollStep, 0.1f, count, 0.0f), semi::Convergence::kIterate);
  EXPECT_EQ(semi::checkNewtonStep(RAO, kNoResidual, rollStep, 2.0f, count, 0.0f), semi::Convergence::kConverged);
  TPCM.EDUNIT = kScreenUnit;
  TPCM.NWP = 20;
  HIMEM.IW = 1;
  count = {100, 0};
  ConsoleCapture console("99\n");
  EXPECT_EQ(semi::checkNewtonStep(RAO, kNoResidual, large, 0.1f, count, 0.0f), semi::Convergence::kTerminate);
  EXPECT_EQ(TPCM.NWP, 1);
}

}  // namespace
}  // namespace qv
