// A column-stabilised hull does not change when a member is cut into pieces: a caisson spar and the
// pontoons of the fixture semi cut into 2 and 5 members give the square-law damping constants and
// the response operators of the uncut hull. The pieces take what a user gives them: end drag 0
// where they join (and so 0 on the uncut member's ends too, which the pieces cannot carry), and the
// strip theory's added inertia about their own centre (the coefficient of the transverse added mass
// across the turn), so that the added masses and inertias add up to the whole member's. Independent
// value: the uncut hull.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "dataset/tpcm.h"
#include "hull/himem.h"
#include "hull/hull_model.h"
#include "hull/semi/semi.h"
#include "hull/semi/semi_fixture.h"
#include "hull/semi/simcom.h"
#include "support/checks.h"
#include "support/console_capture.h"
#include "support/fresh_run.h"
#include "waves/wavcom.h"

namespace qv {
namespace {

using testing_support::HullMember;
using testing_support::IsClose;
using testing_support::setMember;

// A caisson spar in 1000 m of water: one circular column 20 m across, keel at z = 0, 20 m of
// freeboard above its draft; its wetted part cut into `pieces` members of equal length, the last
// reaching through the waterline. Hydrostatics of the column (fresh from its geometry): volume
// pi 10^2 draft, KB draft / 2, KM = KB + pi 20^4 / 64 / volume; KG 0.4 draft; pitch and roll gyradius
// 0.3 draft.
void setSpar(float draft, int pieces) {
  testing_support::setSemiHull();
  Tpcm& t = TPCM;
  t.DEPTH = 1000.0f;
  const float area = 314.159265f;
  const float volume = area * draft;
  t.TDISPL = volume * 1.025f;
  t.TDRAFT = draft;
  t.TAWP = area;
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
    const float top = I == pieces ? draft + 20.0f : piece * static_cast<float>(I);
    setMember(I, {{0.0f, 0.0f, bottom}, {0.0f, 0.0f, top}, area, {20.0f, 20.0f, top - bottom}, {1.0f, 1.0f, 0.0f},
                  {1.0f, 1.0f, 0.0f}, 1, 3, 1});
    t.CYLCMI(1, I) = t.CYLCMI(2, I) = 1.0f;
  }
}

// The fixture semi with its two pontoons (members 5 and 6, along x from -45 to 45 m) each cut into
// `pieces` members; without end drag on the pontoons, and with their added inertia about their own
// centre from the added mass across the turn (pitch: the vertical 1.5, yaw: the lateral 1.0).
void setSemiWithCutPontoons(int pieces) {
  testing_support::setFixtureSemi();
  Tpcm& t = TPCM;
  std::vector<HullMember> pontoons;
  for (int I : {5, 6}) {
    const float y = t.RCYLB(2, I), z = t.RCYLB(3, I);
    const float piece = 90.0f / static_cast<float>(pieces);
    for (int p = 0; p < pieces; ++p) {
      const float x0 = -45.0f + piece * static_cast<float>(p);
      pontoons.push_back({{x0, y, z}, {x0 + piece, y, z}, 96.0f, {8.0f, 12.0f, piece}, {1.5f, 1.0f, 0.1f},
                          {2.0f, 2.0f, 0.0f}, 0, 1, 0});
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
}

struct Response {
  float CQHV, CQPT, CQRL;
  std::vector<Complex> rao[4];  // surge, heave, roll, pitch per period, at the heading
};

// The hull model in the order the vessel-response drivers call it: CHR, FRC(0), then FRC(5) and RAO
// at the heading.
Response respond(float headingDeg) {
  TPCM.NOWARN = 1;
  testing_support::ConsoleCapture console("\n\n\n");
  Response r;
  std::int32_t flag = 0;
  hullCHR();
  hullFRC(flag);
  r.CQHV = SIMCOM.CQHV;
  r.CQPT = SIMCOM.CQPT;
  r.CQRL = SIMCOM.CQRL;
  testing_support::setHeading(headingDeg);
  flag = 5;
  hullFRC(flag);
  hullRAO();
  for (int i = 1; i <= TPCM.NWP; ++i) {
    r.rao[0].push_back(HIMEM.SGRAO(i));
    r.rao[1].push_back(HIMEM.HVRAO(i));
    r.rao[2].push_back(HIMEM.RLRAO(i));
    r.rao[3].push_back(HIMEM.PTRAO(i));
  }
  return r;
}

// Each response operator of `cut` within 0.5 % of the largest of `whole`'s over the periods (and
// 1e-6, where it is 0 but for rounding: roll in head seas).
void expectSameResponse(const Response& whole, const Response& cut) {
  EXPECT_TRUE(IsClose(cut.CQHV, whole.CQHV, 1e-5, 1e-6));
  EXPECT_TRUE(IsClose(cut.CQPT, whole.CQPT, 1e-5));
  EXPECT_TRUE(IsClose(cut.CQRL, whole.CQRL, 1e-5));
  const char* names[] = {"surge", "heave", "roll", "pitch"};
  for (int k = 0; k < 4; ++k) {
    float peak = 0.0f;
    for (const Complex& v : whole.rao[k]) peak = std::max(peak, std::abs(v));
    for (std::size_t i = 0; i < whole.rao[k].size(); ++i) {
      ASSERT_TRUE(std::isfinite(std::abs(cut.rao[k][i]))) << names[k] << " at period " << i + 1;
      EXPECT_LE(std::abs(cut.rao[k][i] - whole.rao[k][i]), 0.005f * peak + 1e-6f)
          << names[k] << " at period " << i + 1 << ": " << cut.rao[k][i] << " against " << whole.rao[k][i];
    }
  }
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
      const Response whole = respond(headingDeg);
      for (const int pieces : {2, 5}) {
        SCOPED_TRACE(pieces);
        setSpar(draft, pieces);
        testing_support::setGrid(4.0f, 1.0f, 37);
        testing_support::resetSemiRun();
        expectSameResponse(whole, respond(headingDeg));
      }
    }
  }
}

TEST_F(CutMembers, ASemiWithItsPontoonsCutMovesAsTheWholeSemi) {
  for (const float headingDeg : {0.0f, 30.0f, 90.0f}) {
    SCOPED_TRACE(headingDeg);
    setSemiWithCutPontoons(1);
    const Response whole = respond(headingDeg);
    for (const int pieces : {2, 5}) {
      SCOPED_TRACE(pieces);
      setSemiWithCutPontoons(pieces);
      expectSameResponse(whole, respond(headingDeg));
    }
  }
}

}  // namespace
}  // namespace qv
