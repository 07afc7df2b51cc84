#include "statics/column_continuation.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "statics/column.h"

namespace qv {

namespace {

constexpr int kMostUnknowns = kMaxMembers + 1;  // the angles and the top's pull
using Vector = std::array<double, kMostUnknowns>;
using Matrix = std::array<Vector, kMostUnknowns>;

// A cotangent beyond this is a member standing straight up: COTANB takes its draft there, where the
// cotangent's square still fits a float.
constexpr float kUpright = 1.0E18f;

constexpr double kPi = std::numbers::pi;
constexpr double kTurnStep = 1.0E-4;   // of an angle, for the Jacobian's differences [rad]
constexpr double kMostTurn = 0.25;     // the largest turn of a member in one Newton step [rad]
// A Newton step this small in every angle ends the search: the steps shrink quadratically, so the
// shape is then known far closer, down to what the floats of the buoyancy allow (some 1e-7 rad) [rad].
constexpr double kConverged = 1.0E-5;
constexpr int kMostSteps = 40;
constexpr int kMostParts = 64;

float cotangentOf(double phi) {
  return static_cast<float>(std::clamp(std::cos(phi) / std::sin(phi), -static_cast<double>(kUpright),
                                       static_cast<double>(kUpright)));
}

// The residuals of the column with the angles x(0..n-1) [rad] and the top's pull x(n) under the load
// H: each member's moment balance about its lower joint over its length, H cos - T sin + M sin, with
// M its moment term (the piercing member's at its attitude and draft), from the top member down; then
// the top's height above YOKBOT.
Vector residuals(float H, const Vector& x) {
  Solve& s = SOLVE;
  const int n = s.NCON;
  Vector z{};  // the lower joint of each member
  for (int k = 1; k < n; ++k) z[k] = z[k - 1] + s.CNLEN(k) * std::cos(x[k - 1]);
  Vector r{};
  double T = x[n];
  for (int k = n; k >= 1; --k) {
    const double phi = x[k - 1];
    double M = s.WETARM(k);
    double N = s.WETWT(k);
    if (k == s.IPERCN) {
      s.HIGHPT = static_cast<float>(z[k - 1]);
      (void)COTANB(cotangentOf(phi));
      M = s.WEPERC - s.BOYMOM;
      N = s.CNMASS(k) - s.WETVOL;
    }
    r[k - 1] = H * std::cos(phi) - (T - M) * std::sin(phi);
    T -= N;
  }
  r[n] = z[n - 1] + s.CNLEN(n) * std::cos(x[n - 1]) - s.YOKBOT;
  return r;
}

// Solves A d = b for d (into b) by Gaussian elimination with partial pivoting; false when singular.
bool solveLinear(int m, Matrix A, Vector& b) {
  for (int col = 0; col < m; ++col) {
    int pivot = col;
    for (int row = col + 1; row < m; ++row)
      if (std::fabs(A[row][col]) > std::fabs(A[pivot][col])) pivot = row;
    if (!(std::fabs(A[pivot][col]) > 0.0)) return false;
    std::swap(A[pivot], A[col]);
    std::swap(b[pivot], b[col]);
    for (int row = col + 1; row < m; ++row) {
      const double f = A[row][col] / A[col][col];
      for (int j = col; j < m; ++j) A[row][j] -= f * A[col][j];
      b[row] -= f * b[col];
    }
  }
  for (int row = m - 1; row >= 0; --row) {
    for (int j = row + 1; j < m; ++j) b[row] -= A[row][j] * b[j];
    b[row] /= A[row][row];
  }
  return std::isfinite(b[0]);
}

// The pull at the top that balances the members best at the angles of x under the load H (least
// squares over the members' balances, in each of which it enters linearly): at zero load the pull
// that holds the leaning members, whatever x holds.
void balancingPull(float H, Vector& x) {
  const int n = SOLVE.NCON;
  const Vector r = residuals(H, x);
  double num = 0.0;
  double den = 0.0;
  for (int k = 0; k < n; ++k) {
    num += r[k] * std::sin(x[k]);
    den += std::sin(x[k]) * std::sin(x[k]);
  }
  if (den > 0.0) x[n] += num / den;
}

// Newton's method from x under the load H, the top's pull first set to balance the members: the
// Jacobian by differences in the angles (exact in the pull, which enters linearly), each step's turns
// held to kMostTurn and to half the way to the upright or the hanging, which the cotangents of the
// table cannot pass. Whether it converged; x holds the last iterate.
bool newton(float H, Vector& x) {
  const int n = SOLVE.NCON;
  const int m = n + 1;
  balancingPull(H, x);
  for (int step = 0; step < kMostSteps; ++step) {
    const Vector r = residuals(H, x);
    Matrix A{};
    for (int j = 0; j < n; ++j) {
      Vector xj = x;
      const double h = x[j] + kTurnStep < kPi ? kTurnStep : -kTurnStep;
      xj[j] += h;
      const Vector rj = residuals(H, xj);
      for (int i = 0; i < m; ++i) A[i][j] = (rj[i] - r[i]) / h;
    }
    for (int i = 0; i < n; ++i) A[i][n] = -std::sin(x[i]);
    Vector d{};
    for (int i = 0; i < m; ++i) d[i] = -r[i];
    if (!solveLinear(m, A, d)) return false;
    double largest = 0.0;
    double scale = 1.0;
    for (int j = 0; j < n; ++j) {
      const double turn = std::fabs(d[j]);
      largest = std::max(largest, turn);
      const double room = d[j] > 0.0 ? kPi - x[j] : x[j];
      scale = std::min(scale, std::min(kMostTurn, 0.5 * room) / std::max(turn, 1.0E-300));
    }
    for (int j = 0; j < m; ++j) x[j] += scale * d[j];
    if (largest <= kConverged) return true;
  }
  return false;
}

// The angles of the cotangents c(1..NCON); the top's pull is left to balancingPull.
Vector stateOf(const Arr<float, kMaxMembers>& c) {
  Vector x{};
  for (int k = 1; k <= SOLVE.NCON; ++k) x[k - 1] = std::atan2(1.0, static_cast<double>(c(k)));
  return x;
}

}  // namespace

bool continueColumn(float H0, const Arr<float, kMaxMembers>& c0, float H, Arr<float, kMaxMembers>& c) {
  const int n = SOLVE.NCON;
  if (n < 1 || riserFloats(SOLVE.IARC1)) return false;
  const Vector start = stateOf(c0);
  for (int parts = 1; parts <= kMostParts; parts *= 2) {
    Vector x = start;
    bool converged = true;
    for (int part = 1; part <= parts && converged; ++part) {
      const float load = part == parts ? H : H0 + (H - H0) * static_cast<float>(part) / static_cast<float>(parts);
      converged = newton(load, x);
    }
    if (converged) {
      for (int k = 1; k <= n; ++k) c(k) = cotangentOf(x[k - 1]);
      return true;
    }
  }
  return false;
}

}  // namespace qv
