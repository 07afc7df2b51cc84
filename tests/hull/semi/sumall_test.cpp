// SUMALL: the heave force of a column crossing the waterline is the textbook Froude-Krylov force, and
// a member gives the same drag force and moment whichever of its ends the data set names first.
#include <gtest/gtest.h>

#include <cmath>
#include <complex>

#include "dataset/tpcm.h"
#include "hull/himem.h"
#include "hull/semi/semi.h"
#include "hull/semi/semi_fixture.h"
#include "hull/semi/semi_forces.h"
#include "hull/semi/simcom.h"
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

}  // namespace
}  // namespace qv
