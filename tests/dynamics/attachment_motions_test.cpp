// The vessel's motions at the attachment as every user takes them, for a vessel under way: a buoyant
// riser's keel motion (riserKeelMotion) against an independent integration of its motion file with
// the rows met near zero encounter frequency left out (tests/dynamics/reference/
// keel_motion_reference.py), and the same motion as the member loads take it: the top of a
// two-member riser is held at the keel, so its motion in the member loads' statistics is the keel's.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <complex>
#include <optional>
#include <string>
#include <vector>

#include "dataset/tpcm.h"
#include "dataset/tpcm_codes.h"
#include "dynamics/attachment_motions.h"
#include "dynamics/riser_reach.h"
#include "dynamics_fixtures.h"
#include "dynamics_run.h"
#include "hull/equilb.h"
#include "slowdrift/output.h"
#include "support/checks.h"
#include "waves/wavcom.h"
#include "yokemot_file.h"

namespace qv {
namespace {

using testing_support::IsClose;
using testing_support::YokeHeading;

using C = std::complex<float>;

constexpr int kPeriods = 11;  // 4 to 24 s by 2 s
constexpr float kSpeed = 20.0f;  // [ft/s]

float period(int i) { return 4.0f + 2.0f * static_cast<float>(i - 1); }

using Motion = std::array<C, 3>;  // surge, sway and heave per ft of wave

// A heading block of the two of the file, of the waves of `heading` relative to the vessel [rad], with
// the point's motion of each period from `motion` (of the period [s]) and small angles.
template <typename F>
YokeHeading block(float heading, F motion) {
  YokeHeading h;
  h.NRAOSM = 2;
  h.heading = heading;
  for (int i = 1; i <= kPeriods; ++i) {
    h.motion.push_back(motion(period(i)));
    h.angles.push_back({C(0.001f), C(0.002f), C(0.0005f)});
  }
  return h;
}

// The heading with the waves from astern (relative heading 0), on the random sea: the vessel meets
// the 4 s wave at 0.036 rad/s and surges 400 ft per ft of it, a motion without restoring that belongs
// to its slow drift.
YokeHeading seaHeading() {
  YokeHeading h = block(0.0f, [](float t) {
    const C surge = t == 4.0f ? C(400.0f, 150.0f) : C(1.2f - 0.04f * t, 0.02f * t);
    return Motion{surge, C(0.1f, -0.05f), C(0.2f + 0.05f * t, -0.1f)};
  });
  h.IRANFG = 1;
  return h;
}

// The heading with the waves from ahead (180 degrees), on the swell: no row met slowly.
YokeHeading swellHeading() {
  YokeHeading h = block(3.1415927f, [](float t) { return Motion{C(-0.6f, 0.03f * t), C(0.2f), C(0.9f, 0.01f * t)}; });
  h.ISWLFG = 1;
  return h;
}

// A two-member buoyant riser (dynamics_fixtures.h) under a vessel at 20 ft/s in 60 ft of water, its
// plane turned 0.5 rad from the vessel's axes, in a random sea and a swell.
class AttachmentMotions : public testing_support::DynamicsRun {
 protected:
  void SetUp() override {
    DynamicsRun::SetUp();
    testing_support::twoMemberColumn(kBuoyantRiser);
    testing_support::setWaveGrid(kPeriods, 4.0f, 2.0f);
    Tpcm& t = TPCM;
    t.TVFWD = kSpeed;
    t.VGLDIR = 0.0f;
    t.LRANDM = 1;
    t.LSWELL = 1;
    const float sea[kPeriods] = {0.5f, 2.0f, 6.0f, 8.0f, 5.0f, 3.0f, 2.0f, 1.2f, 0.8f, 0.5f, 0.3f};
    const float swell[kPeriods] = {0.0f, 0.0f, 0.0f, 0.0f, 1.0f, 4.0f, 6.0f, 4.0f, 1.0f, 0.0f, 0.0f};
    for (int i = 1; i <= kPeriods; ++i) {
      WAVCOM.WPSD(i) = sea[i - 1];
      WAVCOM.SWLPSD(i) = swell[i - 1];
    }
    EQUILB.SLMANG(1) = EQUILB.TANGLE(1) + 0.5f;
    testing_support::writeYokemot({seaHeading(), swellHeading()});
  }
};

// keel_motion_reference.py: the moments of the keel's motion in the riser's plane, the slow rows (4 s
// and 14 to 24 s from astern) left out; with them kept, the motion's m0 would be 18404.5 ft^2.
TEST_F(AttachmentMotions, TheKeelUnderWayMovesWithoutTheRowsMetNearZeroEncounter) {
  const std::optional<KeelMotion> keel = riserKeelMotion();
  ASSERT_TRUE(keel.has_value());
  EXPECT_TRUE(IsClose(keel->xx0, 2.50479287, 1e-5)) << keel->xx0;
  EXPECT_TRUE(IsClose(keel->xx2, 1.54699603, 1e-5)) << keel->xx2;
  EXPECT_TRUE(IsClose(keel->zz0, 2.07966256, 1e-5)) << keel->zz0;
  EXPECT_TRUE(IsClose(keel->zz2, 0.879659932, 1e-5)) << keel->zz2;
  EXPECT_TRUE(IsClose(keel->xz0, 1.35385129, 1e-5)) << keel->xz0;
  EXPECT_TRUE(IsClose(keel->xz2, 0.944007799, 1e-5)) << keel->xz2;
}

// The member loads of the same riser: member 2's top, held at the keel, moves in their statistics
// (radial and vertical, OUTPUT SIGMA and SIGDOT of the member tops) as the judge's keel moves, both
// without the slow rows; the run warns of those rows once. The statistics report leaves the motions'
// variances as RMS values (ONETWO 1) and the variances of their rates as they are.
TEST_F(AttachmentMotions, TheKeelAndTheMemberLoadsTakeTheSameRowsAndWeights) {
  const std::optional<KeelMotion> keel = riserKeelMotion();
  ASSERT_TRUE(keel.has_value());
  TPCM.ONETWO = 1;
  ASSERT_EQ(run(), -1) << screen;
  const Output& o = OUTPUT;
  const int radial = kResponseColumns + 3 + 1, vertical = radial + 1;  // member 2's top
  const struct {
    const char* what;
    float member;
    double keel;
  } pairs[] = {{"radial", o.SIGMA(radial), std::sqrt(keel->xx0)},
               {"radial rate", o.SIGDOT(radial), keel->xx2},
               {"vertical", o.SIGMA(vertical), std::sqrt(keel->zz0)},
               {"vertical rate", o.SIGDOT(vertical), keel->zz2}};
  for (const auto& p : pairs) {
    EXPECT_TRUE(IsClose(p.member, p.keel, 1e-4)) << p.what << ": " << p.member << " against " << p.keel;
  }
  std::size_t warnings = 0;
  for (std::size_t at = screen.find("Warning: under way"); at != std::string::npos;
       at = screen.find("Warning: under way", at + 1))
    ++warnings;
  EXPECT_EQ(warnings, 1u) << screen;
}

// Each block's rows: the one from astern leaves out the rows met near zero encounter, the one from
// ahead none; at rest no block leaves out any.
TEST_F(AttachmentMotions, EachBlockLeavesOutTheRowsItsHeadingMeetsSlowly) {
  const struct {
    float speed, RAODIR;  // [ft/s], [rad]
    std::vector<float> slow;  // the periods left out [s]
  } cases[] = {
      {kSpeed, 0.0f, {4.0f, 14.0f, 16.0f, 18.0f, 20.0f, 22.0f, 24.0f}},
      {kSpeed, 3.1415927f, {}},
      {0.0f, 0.0f, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.speed) + " ft/s at " + std::to_string(c.RAODIR) + " rad");
    TPCM.TVFWD = c.speed;
    const SlowEncounterRows rows = blockSlowRows({.RAODIR = c.RAODIR});
    std::vector<float> slow;
    for (int i = 1; i <= kPeriods; ++i)
      if (rows.at(i)) slow.push_back(period(i));
    EXPECT_EQ(slow, c.slow);
  }
}

}  // namespace
}  // namespace qv
