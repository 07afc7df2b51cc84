// SUMALL: the heave force of a column crossing the waterline is the textbook Froude-Krylov force; a
// member gives the same drag force and moment whichever of its ends the data set names first; and a
// member's drag moment is its drag force at the lever where that force acts, whatever its drag across
// the other way.
#include <gtest/gtest.h>

#include <cmath>
#include <complex>

#include "dataset/tpcm.h"
#include "hull/himem.h"
#include "hull/semi/semi.h"
#include "hull/semi/semi_fixture.h"
#include "hull/semi/semi_forces.h"
#include "hull/semi/simcom.h"
#include "platform/units.h"
#include "support/checks.h"
#include "support/console_capture.h"
#include "support/fresh_run.h"

namespace qv {
namespace {

using testing_support::ConsoleCapture;
using testing_support::HullMember;
using testing_support::IsClose;
using testing_support::setMember;

class Sumall : public testing_support::FreshRun {};

TEST_F(Sumall, ColumnHeaveIsTheFroudeKrylovForce) {
  // One column of 78.54 m^2 from the keel through the waterline at 20 m in 300 m of water, no added
  // mass: the inertia integral up to the cut plus the waterline force is cosh(k(d - 20))/cosh(kd)
  // rho g A = 0.367879441 x 1.025 x 78.54 (numpy, k = 0.05), in tonnes.
  testing_support::setSemiHull();
  TPCM.NOWARN = 1;
  TPCM.TLWL = TPCM.TBWL = 10.0f;
  setMember(1, {{0.0f, 0.0f, 0.0f}, {0.0f, 0.0f, 30.0f}, 78.54f, {10.0f, 10.0f, 30.0f}, {0.0f, 0.0f, 0.0f},
                {1.0f, 1.0f, 0.0f}, 1, 3, 1});
  testing_support::setGrid(4.0f, 0.5f, 49);
  testing_support::resetSemiRun();
  ConsoleCapture console("\n\n");
  SEMCHR();
  Complex F[6] = {};
  const Complex still[6] = {};
  const float density = 0.001f * TPCM.DWATR;
  SUMALL(F, F + 3, 0.05f, 0.05f, 0.0f, 0.7f, 1.0f, 1.0f, 0, density, 0.0f, 0, still);
  EXPECT_TRUE(IsClose(F[2].real(), 0.367879441 * 1.025 * 78.54, 1e-5));
  EXPECT_TRUE(IsClose(F[2].imag(), 0.0, 0.0, 1e-5));
}

// The drag force and moment of the fixture semi's hull with member 5 replaced, at a motion with every
// rotation present.
void dragOf(const HullMember& member, Complex* F) {
  testing_support::setFixtureSemi();
  TPCM.NOWARN = 1;
  setMember(5, member);
  SEMCHR();
  const Complex motion[6] = {{0.3f, 0.1f}, {-0.2f, 0.05f}, {0.5f, -0.2f}, {0.02f, 0.01f}, {-0.015f, 0.02f},
                             {0.01f, -0.005f}};
  const float k = 0.08f;
  const float beta = 0.6f;  // [rad]
  for (int j = 0; j < 6; ++j) F[j] = Complex(0.0f, 0.0f);
  SUMALL(F, F + 3, k, k * std::cos(beta), k * std::sin(beta), 0.9f, 3.0f, 3.0f, 1, 0.05f, 0.5f, 0, motion);
}

TEST_F(Sumall, DragDoesNotDependOnWhichEndComesFirst) {
  // A pontoon along x with drag at both ends, a brace leaning in all three directions with no axis
  // code, and one along y: each entered both ways round. The Simpson points are the same points
  // taken in the other order, so the sums agree to rounding.
  struct Case {
    const char* name;
    HullMember forward;
  };
  const Case cases[] = {
      {"along x", {{-45.0f, 0.0f, 4.0f}, {45.0f, 0.0f, 4.0f}, 96.0f, {8.0f, 12.0f, 90.0f}, {1.5f, 1.0f, 0.1f},
                   {2.0f, 2.0f, 0.5f}, 0, 1, 0}},
      {"leaning", {{-20.0f, -10.0f, 2.0f}, {10.0f, 5.0f, 15.0f}, 7.0f, {3.0f, 3.0f, 36.0f}, {1.0f, 1.0f, 0.0f},
                   {1.0f, 1.2f, 0.4f}, 1, 0, 0}},
      {"along y", {{0.0f, -24.0f, 4.0f}, {0.0f, 24.0f, 4.0f}, 7.0f, {3.0f, 3.0f, 48.0f}, {1.0f, 1.0f, 0.0f},
                   {1.0f, 1.0f, 0.3f}, 1, 2, 0}},
  };
  for (const Case& c : cases) {
    HullMember backward = c.forward;
    for (int j = 0; j < 3; ++j) std::swap(backward.base[j], backward.top[j]);
    Complex forward[6], reversed[6];
    dragOf(c.forward, forward);
    dragOf(backward, reversed);
    double scale = 0.0;
    for (int j = 0; j < 6; ++j) scale = std::max(scale, static_cast<double>(std::abs(forward[j])));
    for (int j = 0; j < 6; ++j) {
      EXPECT_TRUE(IsClose(std::abs(reversed[j] - forward[j]), 0.0, 0.0, 2e-5 * scale))
          << c.name << " component " << j + 1 << ": (" << forward[j].real() << ", " << forward[j].imag()
          << ") against (" << reversed[j].real() << ", " << reversed[j].imag() << ")";
    }
  }
}

// A member lying along x (either way round) or along y, 30 m long from 10 to 40 m off the vessel's
// pitch or roll axis and at that axis's height, turning with the hull by pitch (or roll) alone in
// still water. Its points move up and down at i w theta times their distance s from the axis, so
// its drag per metre, the coefficient c3 (heave) times the linearised square law sqrt(1/2 |v|^2) v,
// grows as s^2: over 10 to 40 m the force is c3 K (40^3 - 10^3) / 3 and acts at the lever
// 3 (40^4 - 10^4) / (4 (40^3 - 10^3)) = 31.0 m (Simpson's rule is exact for these cubics). The drag
// across the other way (c2, sideways) is twice as large per metre and must not enter the moment.
TEST_F(Sumall, ADragMomentIsItsForceAtItsLever) {
  struct Case {
    const char* name;
    float base[3], axis[3];
    std::int32_t MEMDIR;
    int rotation;       // the RAO that turns the hull: 3 roll, 4 pitch
    double momentSign;  // pitch: M2 = -x F3; roll: M1 = y F3
    int moment;         // its component
  };
  const float z = 4.0f;  // [m] above the keel, the pitch and roll axes' height
  const Case cases[] = {
      {"along x, pitching", {10.0f, 0.0f, z}, {1.0f, 0.0f, 0.0f}, 1, 4, -1.0, 1},
      {"along x from its far end, pitching", {40.0f, 0.0f, z}, {-1.0f, 0.0f, 0.0f}, 1, 4, -1.0, 1},
      {"along y, rolling", {0.0f, 10.0f, z}, {0.0f, 1.0f, 0.0f}, 2, 3, 1.0, 0},
  };
  const float length = 30.0f;
  const float area = 96.0f;
  const float density = 0.05f;
  const float WE = 0.4f;  // [rad/s]
  const Complex angle(0.01f, 0.0f);  // [rad]
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Tpcm& t = TPCM;
    t.EDUNIT = kScreenUnit;
    t.DEPTH = 300.0f;
    t.NCYL = 1;
    t.MEMDIR(1) = c.MEMDIR;
    t.TOPTYP(1) = 1;
    t.XAREA(1) = area;
    t.CYLCD(3, 1) = 0.0f;
    Simcom& m = SIMCOM;
    m.CYLLEN(1) = length;
    // Per metre: 16 up (c3 = 2 x 8 m), 32 sideways, none along.
    const float sideways = 32.0f, up = 16.0f;
    for (int j = 1; j <= 3; ++j) {
      m.CYLBAS(j, 1) = c.base[j - 1];
      m.DIRVEC(j, 1) = c.axis[j - 1];
      m.DRGFCF(j, 1) = j == 3 ? up : (j == c.MEMDIR ? 0.0f : sideways);
    }
    Himem& h = HIMEM;
    h.EDRAFT = 20.0f;
    h.VTCRP = h.VTCRR = z;
    h.XCRPT = h.XCRYW = 0.0f;
    Complex RAO[6] = {};
    RAO[c.rotation] = angle;
    Complex F[6] = {};
    SUMALL(F, F + 3, 0.05f, 0.05f, 0.0f, WE, 1.0f, 0.0f, 1, density, 0.0f, 0, RAO);

    // The vertical velocity at s is i WE theta s (pitch: -, roll: +), the drag per metre
    // density c3 (WE |theta| s / sqrt(2)) (-velocity).
    const double K = density * up * WE * std::abs(angle) / std::sqrt(2.0) * WE * std::abs(angle);
    const double force = K * (std::pow(40.0, 3) - std::pow(10.0, 3)) / 3.0;
    const double lever = 3.0 * (std::pow(40.0, 4) - std::pow(10.0, 4)) / (4.0 * (std::pow(40.0, 3) - std::pow(10.0, 3)));
    const double sign = c.rotation == 4 ? 1.0 : -1.0;  // a pitch lifts the stern, a roll the port side
    EXPECT_TRUE(IsClose(F[2].real(), 0.0, 0.0, 1e-6 * force));
    EXPECT_TRUE(IsClose(F[2].imag(), sign * force, 1e-5)) << F[2];
    EXPECT_TRUE(IsClose(F[3 + c.moment].imag(), c.momentSign * lever * F[2].imag(), 1e-5)) << F[3 + c.moment];
    EXPECT_TRUE(IsClose(F[3 + c.moment].real(), 0.0, 0.0, 1e-6 * force * lever));
    for (int j = 0; j < 6; ++j) {
      if (j == 2 || j == 3 + c.moment) continue;
      EXPECT_TRUE(IsClose(std::abs(F[j]), 0.0, 0.0, 1e-6 * force * lever)) << j;
    }
  }
}

}  // namespace
}  // namespace qv
