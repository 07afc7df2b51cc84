// The vessel's motions at the attachment as every user takes them, for a vessel under way: a buoyant
// riser's keel motion (riserKeelMotion) against an independent integration of its motion file with
// the rows met near zero encounter frequency at their weight (tests/dynamics/reference/
// keel_motion_reference.py), and the same motion as the member loads take it: the top of a
// two-member riser is held at the keel, so its motion in the member loads' statistics is the keel's.
// Both move continuously with the speed: a sweep of speeds in following seas, with the surge growing
// as 1 / we^2 where the vessel runs with the waves, finds no step in either.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <complex>
#include <map>
#include <optional>
#include <string>
#include <utility>
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

// keel_motion_reference.py: the moments of the keel's motion in the riser's plane, the rows met
// more slowly than the grid reaches (4 s and 14 to 24 s from astern) at their weight, the 4 s row,
// met at 0.036 rad/s, not at all; with every row whole the motion's m0 would be 18404.5 ft^2, with
// the 14 to 24 s rows left out whole 2.50479 ft^2.
TEST_F(AttachmentMotions, TheKeelUnderWayTakesTheRowsMetNearZeroEncounterAtTheirWeight) {
  const std::optional<KeelMotion> keel = riserKeelMotion();
  ASSERT_TRUE(keel.has_value());
  EXPECT_TRUE(IsClose(keel->xx0, 2.57853642, 1e-5)) << keel->xx0;
  EXPECT_TRUE(IsClose(keel->xx2, 1.56120362, 1e-5)) << keel->xx2;
  EXPECT_TRUE(IsClose(keel->zz0, 2.23801722, 1e-5)) << keel->zz0;
  EXPECT_TRUE(IsClose(keel->zz2, 0.909293891, 1e-5)) << keel->zz2;
  EXPECT_TRUE(IsClose(keel->xz0, 1.44876491, 1e-5)) << keel->xz0;
  EXPECT_TRUE(IsClose(keel->xz2, 0.962146882, 1e-5)) << keel->xz2;
}

// The member loads of the same riser: member 2's top, held at the keel, moves in their statistics
// (radial and vertical, OUTPUT SIGMA and SIGDOT of the member tops) as the judge's keel moves, both
// with the slow rows at their weight; the run warns of those rows once. The statistics report
// leaves the motions' variances as RMS values (ONETWO 1) and the variances of their rates as they
// are.
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

// The figures of the riser at `knots` in a following sea: the vessel's surge and sway from astern
// grow as w^2 / we^2 where it runs with the waves (no restoring; at rest the sea heading's motions),
// its heave and the swell from ahead as they are. The figures: the keel's six moments, and the
// member loads' variances and those of their rates (OUTPUT SIGMA, SIGDOT) after a run of the stage.
class FollowingSeaSweep : public AttachmentMotions {
 protected:
  std::vector<double> figures(double knots) {
    SetUp();
    TPCM.TVFWD = static_cast<float>(knots) * kFeetPerSecondPerKnot;
    YokeHeading sea = seaHeading();
    for (int i = 1; i <= kPeriods; ++i) {
      const float t = period(i), w = WAVCOM.W(i);
      const float we = w - WAVCOM.WVK(i) * TPCM.TVFWD;
      const float unrestored = w * w / (we * we + 1e-6f);
      sea.motion[static_cast<std::size_t>(i - 1)] = {C(1.2f - 0.04f * t, 0.02f * t) * unrestored,
                                                     C(0.1f, -0.05f) * unrestored, C(0.2f + 0.05f * t, -0.1f)};
    }
    testing_support::writeYokemot({sea, swellHeading()});
    std::vector<double> f;
    const std::optional<KeelMotion> keel = riserKeelMotion();
    EXPECT_TRUE(keel.has_value());
    if (keel) f = {keel->xx0, keel->xx2, keel->zz0, keel->zz2, keel->xz0, keel->xz2};
    EXPECT_EQ(run(), -1) << screen;
    const Output& o = OUTPUT;
    for (int q = 1; q <= kSigmaQuantities; ++q) {
      f.push_back(o.SIGMA(q));
      f.push_back(o.SIGDOT(q));
    }
    return f;
  }
};

// From 0 to 12 knots in steps of 0.1 knot (the vessel meets the 4 s wave at 0.04 rad/s at the end,
// where its surge is some 2,000 ft per ft of wave) no figure steps: each change of more than 1 %
// between neighbouring speeds, bisected toward its larger half down to 0.001 knot, shrinks with the
// step, to under a quarter of what it was. A row that crossed a line where the rule counted it or
// not would keep its step however fine the bisection. (Where the 4 s row comes in, its surge, some
// hundred times the rest's, takes the figures up by 70 % within 0.1 knot, and by 3 % within
// 0.001 knot: steep, as the fixture's unrestored surge makes it, but no step.)
TEST_F(FollowingSeaSweep, NoFigureStepsAsTheSpeedRises) {
  std::map<double, std::vector<double>> at;
  const auto figuresAt = [&](double knots) -> const std::vector<double>& {
    auto found = at.find(knots);
    if (found == at.end()) found = at.emplace(knots, figures(knots)).first;
    return found->second;
  };
  // The relative change of figure j between two speeds; figures below 1e-9 in both count as equal.
  const auto change = [&](double a, double b, std::size_t j) {
    const double x = figuresAt(a).at(j), y = figuresAt(b).at(j);
    const double size = std::max(std::fabs(x), std::fabs(y));
    return size < 1e-9 ? 0.0 : std::fabs(y - x) / size;
  };
  int bisected = 0;
  for (int step = 0; step < 120; ++step) {
    const double a = 0.1 * step, b = 0.1 * (step + 1);
    const std::size_t n = figuresAt(a).size();
    ASSERT_EQ(figuresAt(b).size(), n);
    for (std::size_t j = 0; j < n; ++j) {
      const double first = change(a, b, j);
      if (first <= 0.01) continue;
      ++bisected;
      double lo = a, hi = b;
      while (hi - lo > 0.001) {
        const double mid = 0.5 * (lo + hi);
        if (change(lo, mid, j) >= change(mid, hi, j)) hi = mid;
        else lo = mid;
      }
      const double last = change(lo, hi, j);
      EXPECT_LT(last, 0.25 * first) << "figure " << j << " between " << a << " and " << b << " knots: " << first
                                    << ", at " << lo << " to " << hi << ": " << last;
    }
  }
  // The sweep reaches the speeds where the rows from astern are weighted in part and where the surge
  // that grows without bound moves the figures fast.
  EXPECT_GT(bisected, 0);
}

// Each block's rows: the one from astern weights the rows met near zero encounter
// (keel_motion_reference.py gives the weights), the one from ahead none; at rest no block weights any.
TEST_F(AttachmentMotions, EachBlockWeightsTheRowsItsHeadingMeetsSlowly) {
  const struct {
    float speed, RAODIR;  // [ft/s], [rad]
    std::vector<std::pair<float, float>> weighted;  // the periods not taken whole [s] and their weights
  } cases[] = {
      {kSpeed,
       0.0f,
       {{4.0f, 0.0f},
        {14.0f, 0.7625485f},
        {16.0f, 0.5648514f},
        {18.0f, 0.4044034f},
        {20.0f, 0.2724452f},
        {22.0f, 0.1623965f},
        {24.0f, 0.0694142f}}},
      {kSpeed, 3.1415927f, {}},
      {0.0f, 0.0f, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.speed) + " ft/s at " + std::to_string(c.RAODIR) + " rad");
    TPCM.TVFWD = c.speed;
    const EncounterWeights rows = blockEncounterWeights({.RAODIR = c.RAODIR});
    std::vector<std::pair<float, float>> weighted;
    for (int i = 1; i <= kPeriods; ++i)
      if (!rows.whole(i)) weighted.emplace_back(period(i), rows.at(i));
    ASSERT_EQ(weighted.size(), c.weighted.size());
    EXPECT_EQ(rows.partial, static_cast<int>(c.weighted.size()));
    for (std::size_t j = 0; j < weighted.size(); ++j) {
      EXPECT_EQ(weighted[j].first, c.weighted[j].first);
      EXPECT_NEAR(weighted[j].second, c.weighted[j].second, 2e-5) << weighted[j].first;
    }
  }
}

}  // namespace
}  // namespace qv
