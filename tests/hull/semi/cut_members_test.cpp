// A column-stabilised hull does not change when a member is cut into pieces: a caisson spar and the
// pontoons of the fixture semi cut into 2, 3 and 5 members give the square-law damping constants,
// the linearised damping and the response operators of the uncut hull. The pieces are described as a
// user describes a cut member: end drag where an end meets the water (the keel, a pontoon's two
// ends), none where two pieces join (the inner pieces' end-drag coefficient 0, their joints of end
// type 1), an end piece from its free end; and the strip theory's added inertia about their own
// centre (the coefficient of the transverse added mass across the turn), so that the added masses and
// inertias add up to the whole member's. Independent values: the uncut hull, and the spar's heave
// damping from its keel's drag in closed form.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <utility>
#include <vector>

#include "dataset/tpcm.h"
#include "hull/himem.h"
#include "hull/hull_model.h"
#include "hull/semi/semi.h"
#include "hull/semi/semi_fixture.h"
#include "hull/semi/semi_response.h"
#include "hull/semi/simcom.h"
#include "support/checks.h"
#include "support/console_capture.h"
#include "support/fresh_run.h"
#include "waves/wavcom.h"

namespace qv {
namespace {

using testing_support::HullMember;
using testing_support::IsClose;
using testing_support::semiResponse;
using testing_support::SemiResponse;
using testing_support::setMember;

// A caisson spar in 1000 m of water: one circular column 20 m across, keel at z = 0, 20 m of
// freeboard above its draft; its wetted part cut into `pieces` members of equal length, the last
// reaching through the waterline. Hydrostatics of the column (fresh from its geometry): volume
// pi 10^2 draft, KB draft / 2, KM = KB + pi 20^4 / 64 / volume; KG 0.4 draft; pitch and roll gyradius
// 0.3 draft. No heave added mass. The keel, the lowest piece's base, takes the end drag kKeelDrag;
// the joints above it (end type 1, the upper pieces' bases) none; the top, in the air, none.
constexpr float kKeelDrag = 1.0f;  // CYLCD(3) of the keel
constexpr float kSparArea = 314.159265f;  // [m^2]

void setSpar(float draft, int pieces) {
  testing_support::setSemiHull();
  Tpcm& t = TPCM;
  t.DEPTH = 1000.0f;
  const float volume = kSparArea * draft;
  t.TDISPL = volume * 1.025f;
  t.TDRAFT = draft;
  t.TAWP = kSparArea;
  t.VKB = 0.5f * draft;
  t.VKMT = t.VKML = t.VKB + 7853.98163f / volume;
  t.VKG = 0.4f * draft;
  t.TPGYR = t.TRGYR = 0.3f * draft;
  t.YGYR = 10.0f;
  t.TLWL = t.TBWL = 20.0f;
  t.NCYL = 0;
  const float piece = draft / static_cast<float>(pieces);
  for (int I = 1; I <= pieces; ++I) {
    const float bottom = piece * static_cast<float>(I - 1);
    const bool last = I == pieces;
    const float top = last ? draft + 20.0f : piece * static_cast<float>(I);
    setMember(I, {{0.0f, 0.0f, bottom}, {0.0f, 0.0f, top}, kSparArea, {20.0f, 20.0f, top - bottom},
                  {1.0f, 1.0f, 0.0f}, {1.0f, 1.0f, I == 1 ? kKeelDrag : 0.0f}, 1, 3, last ? 0 : 1});
    t.CYLCMI(1, I) = t.CYLCMI(2, I) = 1.0f;
  }
}

// The fixture semi with its two pontoons (members 5 and 6, along x from -45 to 45 m, end drag 0.5 at
// both ends) each cut into `pieces` members: the first from its free end at x = -45 m, the last from
// its free end at x = 45 m towards the joint (entered against the axis), each with the pontoon's end
// drag at that base; the inner pieces without end drag; every joint of end type 1. Their added
// inertia about their own centre from the added mass across the turn (pitch: the vertical 1.5, yaw:
// the lateral 1.0). The pontoons' drag across differs up (2 x 12 m) and sideways (2 x 8 m), so that
// their drag moments show which coefficient they take.
void setSemiWithCutPontoons(int pieces) {
  testing_support::setFixtureSemi();
  Tpcm& t = TPCM;
  std::vector<HullMember> pontoons;
  for (int I : {5, 6}) {
    const float y = t.RCYLB(2, I), z = t.RCYLB(3, I);
    if (pieces == 1) {
      pontoons.push_back({{-45.0f, y, z}, {45.0f, y, z}, 96.0f, {8.0f, 12.0f, 90.0f}, {1.5f, 1.0f, 0.1f},
                          {2.0f, 2.0f, 0.5f}, 0, 1, 0});
      continue;
    }
    const float piece = 90.0f / static_cast<float>(pieces);
    for (int p = 0; p < pieces; ++p) {
      float from = -45.0f + piece * static_cast<float>(p);
      float to = from + piece;
      const bool last = p == pieces - 1;
      if (last) std::swap(from, to);
      const bool end = p == 0 || last;
      pontoons.push_back({{from, y, z}, {to, y, z}, 96.0f, {8.0f, 12.0f, piece}, {1.5f, 1.0f, 0.1f},
                          {2.0f, 2.0f, end ? 0.5f : 0.0f}, 0, 1, 1});
    }
  }
  // The braces (members 7 and 8) move behind the pontoons' pieces.
  const HullMember braces[] = {
      {{-30.0f, -24.0f, 4.0f}, {-30.0f, 24.0f, 4.0f}, 7.06858f, {3.0f, 3.0f, 48.0f}, {1.0f, 1.0f, 0.0f},
       {1.0f, 1.0f, 0.0f}, 1, 2, 1},
      {{30.0f, 24.0f, 4.0f}, {30.0f, -24.0f, 4.0f}, 7.06858f, {3.0f, 3.0f, 48.0f}, {1.0f, 1.0f, 0.0f},
       {1.0f, 1.0f, 0.0f}, 1, 2, 1}};
  t.NCYL = 4;
  int I = 4;
  for (const HullMember& m : pontoons) {
    setMember(++I, m);
    t.CYLCMI(1, I) = 1.0f;
    t.CYLCMI(2, I) = 1.5f;
  }
  for (const HullMember& m : braces) setMember(++I, m);
  // Periods from 4 to 34 s, past the hull's pitch resonance.
  testing_support::setGrid(4.0f, 0.5f, 61);
}

// The damping constants of a cut hull within 1e-5 of the whole hull's, its linearised damping (from the
// drag forces of the calibration passes, which Simpson's rule sums over other points) within 0.5 %,
// and each response operator within 0.5 % of the largest of the whole hull's over the periods.
constexpr testing_support::ResponseTolerance kCutTolerance{1e-5, 5e-3, 5e-3};

// The spar's heave damping as a fraction of critical (GAMHV, twice it), from its keel alone: a
// column without heave added mass heaves at w^2 = g Awp / (Awp T) = g / T; in deep water (kd = 1000 / T)
// w^2 = g k, so k T = 1 and the wave's pressure, vertical velocity and acceleration at the keel fall
// to 1/e of the surface's. The design wave of amplitude a = 1.414 H / 2 (H = 6 m) drives the column
// with the Froude-Krylov pressure at the keel, rho g Awp a / e, and the keel's drag, a quarter
// period aside: its square law 0.5 rho Cd Awp |u| u at the rms speed of the wave at the keel, sqrt(1/2
// (2 (w a / e)^2)), and the vertical velocity w a / e, times 0.5642 / 0.5 (the linearisation of the
// drag). At resonance the square-law damping of the keel, 0.5 rho Cd Awp, balances that force F with
// the damping B of equal work over a cycle, B^2 = 8 / (3 pi) 0.5 rho Cd Awp F, and
// GAMHV = B / (w M), M = rho Awp T.
double sparHeaveDamping(double draft) {
  const double g = 9.8, rho = 1.025 / g;  // [m/s^2], [t s^2/m^4]
  const double a = 1.414 * 0.5 * 6.0;
  const double w = std::sqrt(g / draft);
  const double atKeel = std::exp(-1.0);
  const double pressure = rho * g * kSparArea * a * atKeel;
  const double speed = w * a * atKeel;
  const double drag = 0.5642 * rho * kKeelDrag * kSparArea * std::sqrt(0.5 * 2.0 * speed * speed) * speed;
  const double force = std::hypot(pressure, drag);
  const double B = std::sqrt(8.0 / (3.0 * std::numbers::pi) * 0.5 * rho * kKeelDrag * kSparArea * force);
  return B / (w * rho * kSparArea * draft);
}

class CutMembers : public testing_support::FreshRun {};

TEST_F(CutMembers, ASparCutInPiecesMovesAsTheWholeSpar) {
  // A spar of 60 m draft, and one of 165 m (whose single member once gave forces that were no
  // number from 4 s).
  for (const float draft : {60.0f, 165.0f}) {
    SCOPED_TRACE(draft);
    for (const float headingDeg : {0.0f, 45.0f}) {
      SCOPED_TRACE(headingDeg);
      setSpar(draft, 1);
      testing_support::setGrid(4.0f, 1.0f, 37);
      const SemiResponse whole = semiResponse(headingDeg);
      // The keel's square-law constant, 0.5 rho Cd Awp, and the damping it gives.
      EXPECT_TRUE(IsClose(whole.CQHV, 0.5 * 1.025 / 9.8 * kKeelDrag * kSparArea, 1e-5));
      EXPECT_TRUE(IsClose(whole.GAMHV, sparHeaveDamping(draft), 1e-4));
      for (const int pieces : {2, 3, 5}) {
        SCOPED_TRACE(pieces);
        setSpar(draft, pieces);
        testing_support::setGrid(4.0f, 1.0f, 37);
        testing_support::resetSemiRun();
        expectSameResponse(whole, semiResponse(headingDeg), kCutTolerance);
      }
    }
  }
}

TEST_F(CutMembers, ASemiWithItsPontoonsCutMovesAsTheWholeSemi) {
  for (const float headingDeg : {0.0f, 30.0f, 90.0f}) {
    SCOPED_TRACE(headingDeg);
    setSemiWithCutPontoons(1);
    const SemiResponse whole = semiResponse(headingDeg);
    for (const int pieces : {2, 3, 5}) {
      SCOPED_TRACE(pieces);
      setSemiWithCutPontoons(pieces);
      expectSameResponse(whole, semiResponse(headingDeg), kCutTolerance);
    }
  }
}

}  // namespace
}  // namespace qv
