// What takes a buoyant riser clear: the search of the amounts that make a judge of the held column
// sound, the run's checks of a changed data set that admit an amount or not, and the changes that
// both leave, by the amounts a message prints.
#include "dataset/riser_remedy.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <numbers>
#include <string>
#include <vector>

#include "dataset/column_reach.h"
#include "dataset/run_checks.h"
#include "dataset/tpcm.h"
#include "dataset/tpcm_codes.h"
#include "support/fresh_run.h"
#include "support/user_riser.h"

namespace qv {
namespace {

class RiserRemedy : public testing_support::FreshRun {};

// The user's riser with 2 ft to spare under a keel 110 ft above the hinge bends by 1.14 degrees
// under 600 kips. The least lowering of the keel and the least lengthening of each element that the
// search names for a judge of standing clear under 600 kips bring it to the least bend, to the
// search's precision, as heldColumn sums the changed elements from TPCM; and the raise of each
// element's volume searched up to a million cubic feet is the least of two free bodies in plain
// Python (tests/dataset/reference/riser_reach_reference.py): 4882.683 cubic feet for element 1,
// 4595.467 for element 2, with no end to it. Without a most raise to search, none is searched.
TEST_F(RiserRemedy, TheLeastChangesBringTheBendToTheLeast) {
  testing_support::userRiserDataSet(32.0f);
  const SalmMembers m = salmMembers();
  const HeldColumn column = heldColumn(m);
  const HeldColumnTest clearUnder600 = [](const HeldColumn& changed, double height) {
    return heldColumnStandsClear(changed, height, 600.0);
  };
  const HeldColumnRemedy remedy = heldColumnRemedy(m, 110.0, clearUnder600);
  ASSERT_EQ(remedy.lower.size(), 1u);
  EXPECT_NEAR(largestBend(heldColumnAngles(column, 110.0 - remedy.lower[0].least, 600.0)), kLeastMemberBend, 1e-9);
  ASSERT_EQ(remedy.lengthen.size(), 2u);
  for (int k = 1; k <= 2; ++k) {
    const SoundRanges& ranges = remedy.lengthen[static_cast<std::size_t>(k - 1)];
    ASSERT_FALSE(ranges.empty()) << "element " << k;
    const double extra = ranges[0].least;
    const HeldColumn longer = heldColumn(m, {.element = k, .length = extra});
    EXPECT_NEAR(largestBend(heldColumnAngles(longer, 110.0, 600.0)), kLeastMemberBend, 1e-9) << "element " << k;
  }
  EXPECT_TRUE(remedy.raise.empty());  // no raise searched

  const double python[] = {4882.683, 4595.467};  // [cubic feet]
  const std::vector<double> most(2, 1.0E6);
  const HeldColumnRemedy raised = heldColumnRemedy(m, 110.0, clearUnder600, most);
  ASSERT_EQ(raised.raise.size(), 2u);
  for (std::size_t i = 0; i < 2; ++i) {
    ASSERT_EQ(raised.raise[i].size(), 1u) << "element " << i + 1;
    EXPECT_NEAR(raised.raise[i][0].least, python[i], 2e-3) << "element " << i + 1;
    EXPECT_TRUE(std::isinf(raised.raise[i][0].most)) << "element " << i + 1;
  }
}

// A change that makes a column sound only over middle ranges of amounts is found with each range: a
// judge sound while element 2's extra length lies between 12 and 30 ft (out of the column's 112 ft),
// or the keel's lowering between 5 and 9 ft or beyond 40 ft, gives those ends to the search's
// precision, a range that goes on to the search's end without one; one never sound, none. The
// searches reach the members' whole length and the keel down to the hinge, 110 ft.
TEST_F(RiserRemedy, AChangeSoundOverMiddleRangesIsFoundWithTheirEnds) {
  Tpcm& t = TPCM;
  t.NELEM = 2;
  t.IPIERC = 3;
  t.IFREE(1) = t.IFREE(2) = 1;
  t.SLEN(1) = 80.0f;
  t.SLEN(2) = 32.0f;
  t.BUOY(1) = t.BUOY(2) = 1.0f;
  t.TMASS(1) = t.TMASS(2) = 1.0f;
  const SalmMembers m = salmMembers();
  const auto within = [](double amount, double from, double to) { return amount > from && amount < to; };
  const HeldColumnRemedy middle = heldColumnRemedy(m, 110.0, [&](const HeldColumn& column, double height) {
    return within(column.length[1] - 32.0, 12.0, 30.0) || within(110.0 - height, 5.0, 9.0) || 110.0 - height >= 40.0;
  });
  EXPECT_DOUBLE_EQ(middle.longest, 112.0);
  EXPECT_DOUBLE_EQ(middle.deepest, 110.0);
  ASSERT_EQ(middle.lengthen.size(), 2u);
  EXPECT_TRUE(middle.lengthen[0].empty());
  ASSERT_EQ(middle.lengthen[1].size(), 1u);
  EXPECT_NEAR(middle.lengthen[1][0].least, 12.0, 1e-6);
  EXPECT_NEAR(middle.lengthen[1][0].most, 30.0, 1e-6);
  ASSERT_EQ(middle.lower.size(), 2u);
  EXPECT_NEAR(middle.lower[0].least, 5.0, 1e-6);
  EXPECT_NEAR(middle.lower[0].most, 9.0, 1e-6);
  EXPECT_NEAR(middle.lower[1].least, 40.0, 1e-6);
  EXPECT_TRUE(std::isinf(middle.lower[1].most));
}

// The run's checks of a changed data set, on the user's riser with 15 ft to spare under water for the
// statics (page 3, option 7): element 1, below the top member, stands upright in the 150 ft of water,
// so it grows by 70 ft at most and the water gets no shallower than its 80 ft; element 2 is at most
// twice the water deep; element 2's volume may grow to a cylinder of its 45 ft and the water's 150 ft
// across, 795,215.7 cubic feet, less its 9,425, within a float's rounding. Each limit a hundredth
// either side, as the message shows amounts; the data set is left as it was, and the checks of the
// changed data set are over.
TEST_F(RiserRemedy, TheRunsChecksAdmitAChangeUpToTheirLimits) {
  testing_support::userRiserDataSet(45.0f);
  std::vector<std::byte> before(sizeof(Tpcm));
  std::memcpy(before.data(), &TPCM, sizeof(Tpcm));
  const RiserChangeChecks checks(false);
  const struct {
    const char* what;
    RiserChange change;
    double amount;
    bool admitted;
  } cases[] = {
      {"element 1 by 70.00 ft", {RiserChangeKind::kLengthen, 1}, 70.0, true},
      {"element 1 by 70.01 ft", {RiserChangeKind::kLengthen, 1}, 70.01, false},
      {"element 2 by 255.00 ft", {RiserChangeKind::kLengthen, 2}, 255.0, true},
      {"element 2 by 255.01 ft", {RiserChangeKind::kLengthen, 2}, 255.01, false},
      {"the depth by 70.00 ft", {RiserChangeKind::kReduceDepth}, 70.0, true},
      {"the depth by 70.01 ft", {RiserChangeKind::kReduceDepth}, 70.01, false},
      {"the draft by 60.00 ft", {RiserChangeKind::kDeepenDraft}, 60.0, true},
  };
  for (const auto& c : cases) EXPECT_EQ(checks.admits(c.change, c.amount), c.admitted) << c.what;
  EXPECT_EQ(std::memcmp(before.data(), &TPCM, sizeof(Tpcm)), 0);
  EXPECT_FALSE(checkingRiserChange());

  // The largest raise of element 2's volume they admit, to the hundredth below the cylinder.
  const double cylinder = 0.25 * std::numbers::pi * 150.0 * 150.0 * 45.0 - 9425.0;
  const double most = mostAdmittedRaise(2, checks.admitted());
  EXPECT_NEAR(most, cylinder, 1e-6 * cylinder);
  EXPECT_TRUE(checks.admits({RiserChangeKind::kRaiseVolume, 2}, most));
  EXPECT_FALSE(checks.admits({RiserChangeKind::kRaiseVolume, 2}, most + 0.1));

  // In the run they are the checks of the data set the run checked, not of TPCM as the stages left
  // it: the statics made forces of the volumes and held the riser's top at the keel.
  keepCheckedDataSet();
  for (int k = 1; k <= 2; ++k) TPCM.BUOY(k) *= 0.064f;
  TPCM.DEPTH = 75.0f;
  EXPECT_TRUE(RiserChangeChecks(true).admits({RiserChangeKind::kReduceDepth}, 70.0));
}

// The last amount the checks admit between one they admit and one they refuse, in the hundredths a
// message shows, and the largest raise they admit, doubled from a hundredth and then bisected:
// against a limit written here.
TEST_F(RiserRemedy, TheLastAdmittedAmountIsFoundToTheHundredth) {
  const auto upTo = [](double limit) {
    return [limit](const RiserChange&, double amount) { return amount <= limit; };
  };
  const RiserChange change{RiserChangeKind::kLengthen, 1};
  EXPECT_DOUBLE_EQ(lastAdmitted(change, 3.0, 90.0, upTo(47.318)), 47.31);
  EXPECT_DOUBLE_EQ(lastAdmitted(change, 3.0, 3.01, upTo(47.318)), 3.0);
  EXPECT_NEAR(mostAdmittedRaise(1, upTo(12345.678)), 12345.67, 1e-9);
  EXPECT_EQ(mostAdmittedRaise(1, upTo(0.0)), 0.0);
}

// The amounts at which the user's riser with 15 ft to spare folds in line at no load, its members of
// 80 and 45 ft upright or hanging under a keel 110 ft above the hinge: the keel lowered by 75 ft
// (80 - 45 = 35 ft above the hinge), element 1 lengthened by 75 ft (155 - 45 = 110); element 2 only
// by 145 ft (190 - 80), beyond the 125 ft searched; a volume moves no length.
TEST_F(RiserRemedy, TheAmountsAtWhichTheMembersFoldInLine) {
  testing_support::userRiserDataSet(45.0f);
  const HeldRiser riser = *heldRiser();
  const struct {
    RiserChange change;
    std::vector<double> folds;
  } cases[] = {
      {{RiserChangeKind::kReduceDepth, 0}, {75.0}},
      {{RiserChangeKind::kDeepenDraft, 0}, {75.0}},
      {{RiserChangeKind::kLengthen, 1}, {75.0}},
      {{RiserChangeKind::kLengthen, 2}, {}},
      {{RiserChangeKind::kRaiseVolume, 2}, {}},
  };
  for (const auto& c : cases) {
    const std::vector<double> folds = foldAmounts(riser, c.change, 0.0, 125.0);
    ASSERT_EQ(folds.size(), c.folds.size()) << static_cast<int>(c.change.kind) << " " << c.change.element;
    for (std::size_t i = 0; i < folds.size(); ++i) EXPECT_NEAR(folds[i], c.folds[i], 1e-12);
  }
  EXPECT_EQ(foldAmounts(riser, {RiserChangeKind::kLengthen, 2}, 0.0, 150.0), std::vector<double>{145.0});
}

// The changes that take the user's riser with 15 ft to spare clear for a judge written here, sound
// once the riser's whole length exceeds the keel's height by 20.004 ft: 5.004 ft more length, or the
// keel 5.004 ft lower, named as 5.01 ft. Element 1 is admitted up to 70 ft more and the water reduced
// up to 70 ft (the checks' limits above); element 2 has no end within the search, nor a volume,
// which this judge never takes clear. The draft goes on to the keel on the sea bed but for a band
// about 75 ft, where element 2 would hang straight down from element 1's top under the smallest
// loads: the run's checks refuse every hundredth between the two ranges and admit each end, and the
// band reaches no further than the gap says from the fold. Each by the hundredth the message shows.
TEST_F(RiserRemedy, TheChangesAreThoseTheJudgeAndTheChecksLeave) {
  testing_support::userRiserDataSet(45.0f);
  const std::optional<HeldRiser> riser = heldRiser();
  ASSERT_TRUE(riser.has_value());
  const HeldColumnTest slack = [](const HeldColumn& column, double height) {
    return column.length[0] + column.length[1] - height >= 20.004;
  };
  const std::vector<RiserChange> changes = riserRemedies(*riser, slack, false);
  const double infinity = std::numeric_limits<double>::infinity();
  const struct {
    RiserChangeKind kind;
    int element;
    double least, most;
    std::size_t gaps;
  } expected[] = {
      {RiserChangeKind::kLengthen, 1, 5.01, 70.0, 0},
      {RiserChangeKind::kLengthen, 2, 5.01, infinity, 0},
      {RiserChangeKind::kReduceDepth, 0, 5.01, 70.0, 0},
      {RiserChangeKind::kDeepenDraft, 0, 5.01, infinity, 1},
  };
  ASSERT_EQ(changes.size(), std::size(expected));
  for (std::size_t i = 0; i < changes.size(); ++i) {
    EXPECT_EQ(changes[i].kind, expected[i].kind) << i;
    EXPECT_EQ(changes[i].element, expected[i].element) << i;
    EXPECT_DOUBLE_EQ(changes[i].amount, expected[i].least) << i;
    EXPECT_EQ(changes[i].most, expected[i].most) << i;
    EXPECT_EQ(changes[i].gaps.size(), expected[i].gaps) << i;
  }
  const ChangeGap& gap = changes[3].gaps.at(0);
  EXPECT_EQ(gap.reason, ChangeGapReason::kFold);
  EXPECT_LT(gap.below, 75.0);
  EXPECT_GT(gap.above, 75.0);
  EXPECT_LE(gap.above - gap.below, 0.2);
  EXPECT_GE(gap.within, std::max(75.0 - gap.below, gap.above - 75.0) - 0.01);
  EXPECT_LE(gap.within, 0.1);
  const RiserChangeChecks checks(false);
  const RiserChange draft{RiserChangeKind::kDeepenDraft, 0};
  EXPECT_TRUE(checks.admits(draft, gap.below));
  EXPECT_TRUE(checks.admits(draft, gap.above));
  for (double amount = gap.below + 0.01; amount < gap.above - 0.005; amount += 0.01)
    EXPECT_FALSE(checks.admits(draft, amount)) << amount;

  // A judge sound while the riser's length exceeds the keel's height by 20.004 to 30.004 ft, or by
  // 40.004 ft or more: each change in two ranges, 5.01 to 15.00 ft and from 25.01 ft on, the gap the
  // judge's; the draft's second range cut again by the band about 75 ft.
  const HeldColumnTest twice = [](const HeldColumn& column, double height) {
    const double spare = column.length[0] + column.length[1] - height;
    return (spare >= 20.004 && spare <= 30.004) || spare >= 40.004;
  };
  const std::vector<RiserChange> split = riserRemedies(*riser, twice, false);
  ASSERT_EQ(split.size(), 4u);
  for (const RiserChange& change : split) {
    SCOPED_TRACE(static_cast<int>(change.kind));
    EXPECT_DOUBLE_EQ(change.amount, 5.01);
    ASSERT_GE(change.gaps.size(), 1u);
    EXPECT_EQ(change.gaps[0].reason, ChangeGapReason::kJudge);
    EXPECT_DOUBLE_EQ(change.gaps[0].below, 15.0);
    EXPECT_DOUBLE_EQ(change.gaps[0].above, 25.01);
    EXPECT_EQ(change.gaps.size(), change.kind == RiserChangeKind::kDeepenDraft ? 2u : 1u);
  }
  EXPECT_EQ(split[3].gaps.back().reason, ChangeGapReason::kFold);
}

// Where the statics report's offset pass could not show a changed riser's table, the run stops in
// that report, so no such amount is named. On the user's riser with 15 ft to spare and the judge of
// 20.004 ft more length than height, a pass written here that shows no table of a riser longer than
// 150 ft, nor of a keel from 70 ft up to 80 ft above the hinge or below 10 ft: each lengthening ends
// at 25.00 ft, where the open ranges had none; the water depth's reduction and the draft's deepening
// leave out 30.01 to 40.00 ft, the gap said with its reason, the draft's range beyond the band about
// 75 ft keeping the fold's reason and ending at 100.00 ft. Each by the hundredth the message shows.
TEST_F(RiserRemedy, AChangeIsNamedOnlyWhereTheOffsetPassShowsItsTable) {
  testing_support::userRiserDataSet(45.0f);
  const std::optional<HeldRiser> riser = heldRiser();
  ASSERT_TRUE(riser.has_value());
  const HeldColumnTest slack = [](const HeldColumn& column, double height) {
    return column.length[0] + column.length[1] - height >= 20.004;
  };
  const HeldColumnTest shown = [](const HeldColumn& column, double height) {
    return column.length[0] + column.length[1] <= 150.0 + 1e-9 && !(height >= 70.0 && height < 80.0) &&
           height >= 10.0;
  };
  const std::vector<RiserChange> changes = riserRemedies(*riser, slack, false, shown);
  ASSERT_EQ(changes.size(), 4u);
  for (std::size_t i = 0; i < 2; ++i) {
    EXPECT_EQ(changes[i].kind, RiserChangeKind::kLengthen) << i;
    EXPECT_DOUBLE_EQ(changes[i].amount, 5.01) << i;
    EXPECT_DOUBLE_EQ(changes[i].most, 25.0) << i;
    EXPECT_TRUE(changes[i].gaps.empty()) << i;
  }
  const RiserChange& depth = changes[2];
  EXPECT_EQ(depth.kind, RiserChangeKind::kReduceDepth);
  EXPECT_DOUBLE_EQ(depth.amount, 5.01);
  EXPECT_DOUBLE_EQ(depth.most, 70.0);
  ASSERT_EQ(depth.gaps.size(), 1u);
  EXPECT_EQ(depth.gaps[0], (ChangeGap{30.0, 40.01, ChangeGapReason::kOffsetStates, 0.0}));
  const RiserChange& draft = changes[3];
  EXPECT_EQ(draft.kind, RiserChangeKind::kDeepenDraft);
  EXPECT_DOUBLE_EQ(draft.amount, 5.01);
  EXPECT_DOUBLE_EQ(draft.most, 100.0);
  ASSERT_EQ(draft.gaps.size(), 2u);
  EXPECT_EQ(draft.gaps[0], depth.gaps[0]);
  EXPECT_EQ(draft.gaps[1].reason, ChangeGapReason::kFold);
  EXPECT_LT(draft.gaps[1].below, 75.0);
  EXPECT_GT(draft.gaps[1].above, 75.0);
}

}  // namespace
}  // namespace qv
