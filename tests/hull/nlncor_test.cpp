#include "hull/nlncor.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "platform/units.h"
#include "support/checks.h"
#include "support/console_capture.h"
#include "support/fresh_run.h"

namespace qv {
namespace {

using qv::testing_support::ConsoleCapture;
using qv::testing_support::IsClose;
using qv::testing_support::stopStatus;

constexpr float kSpring = 10.0f;   // linear stiffness
constexpr float kCubic = 4.0f;     // stiffening of the restoring force c y^3
constexpr float kStep = 0.05f;     // offset step of the tables

// Energy stored by the stiffening spring at offset y: 0.5 k y^2 + 0.25 c y^4.
float energy(double y) { return static_cast<float>(0.5 * kSpring * y * y + 0.25 * kCubic * y * y * y * y); }

// The offset at which the stiffening spring stores the energy 0.5 k A^2 of the linear one (the root
// of a quadratic in y^2).
double equivalentOffset(double A) {
  const double T = 0.5 * kSpring * A * A;
  const double u = (-0.5 * kSpring + std::sqrt(0.25 * kSpring * kSpring + kCubic * T)) / (0.5 * kCubic);
  return std::sqrt(u);
}

// The stiffening spring tabulated at offsets (i - origin) kStep, i = 1..N: energies X, offsets Y.
struct SpringTable {
  std::vector<float> X, Y;
  SpringTable(int N, int origin) : X(N), Y(N) {
    for (int i = 1; i <= N; ++i) {
      Y[i - 1] = static_cast<float>((i - origin) * kStep);
      X[i - 1] = energy(Y[i - 1]);
    }
  }
};

class Nlncor : public testing_support::FreshRun {};

TEST_F(Nlncor, EnergyEquivalentAmplitudeOfAStiffeningSpring) {
  // A one-sided table from offset 0: the displacement column holds the offsets (mode 1); for
  // counting steps (mode 0) its first entry holds the step.
  const int N = 90;
  const SpringTable table(N, 1);
  const std::vector<float>& X = table.X;
  const std::vector<float>& offsets = table.Y;
  std::vector<float> steps(N, 0.0f);
  steps[0] = kStep;
  for (float A : {0.8f, 1.5f, 2.5f}) {
    const double expected = equivalentOffset(A);
    for (int mode : {1, 0}) {
      float C = 0.0f;
      int j = 0;
      NLNCOR(X.data(), 0.0f, mode != 0 ? offsets.data() : steps.data(), A, C, kSpring, 0.0f, 0.0f, N, j, mode,
             kScreenUnit);
      // Linear interpolation in energy within one table step: within a tenth of the step.
      EXPECT_TRUE(IsClose(C, expected, 0.0, 0.1 * kStep)) << "A " << A << " mode " << mode;
      EXPECT_LE(offsets[j - 1], expected) << A;
      EXPECT_GE(offsets[j], expected) << A;
    }
  }
}

TEST_F(Nlncor, NearTheReferenceTheLinearAmplitudeStands) {
  const int N = 20;
  const SpringTable table(N, 1);
  const std::vector<float>& X = table.X;
  const std::vector<float>& Y = table.Y;
  for (float A : {0.01f, 0.06f}) {  // targets in the first and the second interval
    float C = 0.0f;
    int j = 0;
    NLNCOR(X.data(), 0.0f, Y.data(), A, C, kSpring, 0.0f, 0.0f, N, j, 1, kScreenUnit);
    EXPECT_EQ(C, A);
  }
  // A target on the last table value: the last interval, its far end.
  float C = 0.0f;
  int j = 0;
  const float A = std::sqrt(2.0f * X[N - 1] / kSpring);
  NLNCOR(X.data(), 0.0f, Y.data(), A, C, kSpring, 0.0f, 0.0f, N, j, 1, kScreenUnit);
  EXPECT_EQ(j, N - 1);
  EXPECT_TRUE(IsClose(C, Y[N - 1], 1e-4));
}

TEST_F(Nlncor, TheSignSourceTurnsTheSearchDownwards) {
  // A table over offsets -2.25 .. 2.25 with the reference (energy 0) in the middle.
  const int N = 91;
  const SpringTable table(N, 46);
  const std::vector<float>& X = table.X;
  const std::vector<float>& Y = table.Y;
  const double expected = equivalentOffset(1.5);
  struct Case {
    float A, s, expected;
  };
  const Case cases[] = {
      {1.5f, 0.0f, static_cast<float>(expected)},    // s = 0 counts as +1: upwards
      {-1.5f, 0.0f, -static_cast<float>(expected)},  // a negative amplitude: downwards
      {1.5f, -2.0f, -static_cast<float>(expected)},  // a negative sign source turns it round
      {-1.5f, -2.0f, static_cast<float>(expected)},
  };
  for (const Case& c : cases) {
    float C = 0.0f;
    int j = 0;
    NLNCOR(X.data(), 0.0f, Y.data(), c.A, C, kSpring, 0.0f, c.s, N, j, 1, kScreenUnit);
    EXPECT_TRUE(IsClose(C, c.expected, 0.0, 0.1 * kStep)) << c.A << " " << c.s;
  }
}

TEST_F(Nlncor, TargetBeyondTheTableStops) {
  const int N = 10;
  const SpringTable table(N, 1);
  const std::vector<float>& X = table.X;
  const std::vector<float>& Y = table.Y;
  float C = 0.0f;
  int j = 0;
  {
    ConsoleCapture console("\n");
    EXPECT_EQ(stopStatus([&] { NLNCOR(X.data(), 0.0f, Y.data(), 5.0f, C, kSpring, 0.0f, 0.0f, N, j, 1, kScreenUnit); }),
              kExitFatal);
    EXPECT_EQ(console.screen(), " ++> Nonzero IER =  2 in NLNCOR\n     Press <RETURN> to continue\n");
    EXPECT_EQ(console.unread(), "");
  }
  {
    // A reference below the table; an unattended run does not wait.
    ConsoleCapture console("typed\n");
    EXPECT_EQ(stopStatus([&] {
                NLNCOR(X.data(), -1.0f, Y.data(), 0.5f, C, kSpring, 0.0f, 0.0f, N, j, 1, kDiagnosticsUnit);
              }),
              kExitFatal);
    EXPECT_EQ(console.unread(), "typed\n");
  }
}

}  // namespace
}  // namespace qv
