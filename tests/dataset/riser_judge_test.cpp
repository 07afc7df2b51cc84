// How far the run's loads and sea take a buoyant riser: the riser the checks judge, the keel's peak
// motion along a line, the slow drift's storm peak in offsets and the reserve at the mean state, on
// the user's riser under a discus buoy against closed forms and two free bodies in plain Python
// (tests/dataset/reference/riser_reach_reference.py).
#include "dataset/riser_judge.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <numbers>
#include <optional>
#include <utility>
#include <vector>

#include "dataset/column_reach.h"
#include "dataset/tpcm.h"
#include "dataset/tpcm_codes.h"
#include "support/fresh_run.h"
#include "support/user_riser.h"

namespace qv {
namespace {

using testing_support::amplitude;
using testing_support::reachOf;

class RiserJudge : public testing_support::FreshRun {};

// The user's riser as the statics leave it in the run: its volumes made forces.
void riserAfterStatics(float secondLength) {
  testing_support::userRiserDataSet(secondLength);
  for (int k = 1; k <= 2; ++k) TPCM.BUOY(k) *= TPCM.DWATR / 1000.0f;
}

// The riser the checks judge: an attached buoyant riser of two members or more that reaches the keel,
// none of them piercing the surface; its height from the hinge to the keel, 150 ft of water less the
// draft of 40. Its buoyancies as the data set holds them (volumes) and as the statics leave them
// (forces) give one column.
TEST_F(RiserJudge, TheRiserTheChecksJudge) {
  struct Case {
    const char* what;
    std::function<void()> edit;
    bool judged;
  };
  const Case cases[] = {
      {"the user's riser", [] {}, true},
      {"a yoke", [] { TPCM.IARCO = kYoke; }, false},
      {"a free SALM", [] { TPCM.FRESLM = 1; }, false},
      {"too short to reach the keel", [] { TPCM.SLEN(2) = 29.0f; }, false},
      {"its top element piercing the surface", [] { TPCM.IPIERC = 2; }, false},
      {"one element", [] { TPCM.NELEM = 1; }, false},
  };
  for (const Case& c : cases) {
    testing_support::userRiserDataSet(40.0f);
    c.edit();
    const std::optional<HeldRiser> riser = heldRiser();
    ASSERT_EQ(riser.has_value(), c.judged) << c.what;
    if (!riser) continue;
    EXPECT_DOUBLE_EQ(riser->height, 110.0) << c.what;
    EXPECT_EQ(riser->column.length.size(), 2u) << c.what;
  }
  testing_support::userRiserDataSet(40.0f);
  const HeldColumn fromVolumes = heldRiser()->column;
  riserAfterStatics(40.0f);
  const HeldColumn fromForces = heldRiser(true)->column;
  for (std::size_t i = 0; i < 2; ++i) EXPECT_NEAR(fromForces.netWeight[i], fromVolumes.netWeight[i], 1e-4) << i;
}

// The keel's most probable peak along a line in a storm, against closed forms: a heave of 3.614 ft
// RMS at a mean period of 10.615 s peaks at 3.614 sqrt(2 ln N) in 3 hours, N the 3 x 3600 / 10.615
// cycles of the storm (the statistics count 573 cycles an hour at 1 rad/s, 3600 / 2 pi to three
// figures): 13.45 ft along the vertical, none horizontally, twice the RMS without a storm. A
// horizontal motion as large in phase adds along the line (0.6, 0.8) to 1.4 times the heave's peak;
// against it, 0.2.
TEST_F(RiserJudge, TheKeelsPeakAlongALine) {
  const double sigma = 3.614, omega = 2.0 * std::numbers::pi / 10.615;
  const double heavePeak = sigma * std::sqrt(2.0 * std::log(3.0 * 3600.0 / 10.615));
  KeelMotion heave;
  heave.zz0 = sigma * sigma;
  heave.zz2 = sigma * sigma * omega * omega;
  EXPECT_NEAR(keelPeakAlong(heave, 0.0, 1.0, 3.0f), heavePeak, 1e-5 * heavePeak);
  EXPECT_NEAR(heavePeak, 13.45, 0.005);
  EXPECT_DOUBLE_EQ(keelPeakAlong(heave, 1.0, 0.0, 3.0f), 0.0);
  EXPECT_NEAR(keelPeakAlong(heave, 0.0, 1.0, 0.0f), 2.0 * sigma, 0.01);
  KeelMotion both = heave;
  both.xx0 = both.xz0 = heave.zz0;
  both.xx2 = both.xz2 = heave.zz2;
  EXPECT_NEAR(keelPeakAlong(both, 0.6, 0.8, 3.0f), 1.4 * heavePeak, 1e-5 * heavePeak);
  both.xz0 = -both.xz0;
  both.xz2 = -both.xz2;
  EXPECT_NEAR(keelPeakAlong(both, 0.6, 0.8, 3.0f), 0.2 * heavePeak, 1e-5 * heavePeak);
}

// The storm's peak in offsets, on the user's riser with 2 ft to spare and its own statics as the
// table: the members come within 1.72 degrees of line under 405.20 kips with the keel 21.017 ft from
// the hinge (the free bodies). A small surge carried through the table's energy comes back as
// itself, to the table's curvature (a table straight over the motion gives back its amplitude), the
// mean offset read between the table's rows; one that reaches the offset
// of the line, or a mean load beyond it, or a surge with no amplitude, comes into line. The table
// cut at 100 kips, continued by the column's own statics, gives the peak of the whole table: the cut
// is no extrapolation. A changed riser is read on the table the statics would build for it: at the
// loads they step it by, its own tops.
TEST_F(RiserJudge, TheStormsPeakInOffsets) {
  riserAfterStatics(32.0f);
  const HeldRiser riser = *heldRiser(true);
  const auto peakOf = [&](double meanLoad, float surge, float tableTop = 600.0f) {
    TPCM.TLOAD = tableTop;
    const RiserReach reach = reachOf(meanLoad, {}, amplitude(surge));
    return stormPeak(riser.column, riser.height, reach, riserTable(riser, reach, staticsTableOf(TPCM)), 1.0);
  };
  const StormPeak small = peakOf(100.0, 0.01f);
  EXPECT_FALSE(small.inLine);
  EXPECT_NEAR(small.meanOffset, heldColumnOffset(riser.column, riser.height, 100.0), 5e-3);  // between rows
  EXPECT_NEAR(small.excursion, 0.01, 3e-4);
  EXPECT_NEAR(small.clearLoad, 405.20, 0.01);
  EXPECT_NEAR(small.clearOffset, 21.017, 1e-3);

  const StormPeak whole = peakOf(100.0, 0.5f);
  const StormPeak cut = peakOf(100.0, 0.5f, 100.0f);
  EXPECT_FALSE(whole.inLine);
  EXPECT_FALSE(cut.inLine);
  EXPECT_NEAR(cut.excursion, whole.excursion, 0.01 * whole.excursion);
  EXPECT_NEAR(cut.clearOffset, whole.clearOffset, 1e-3);

  EXPECT_TRUE(peakOf(100.0, 12.0f).inLine);
  EXPECT_TRUE(peakOf(500.0, 0.0f).meanInLine);
  EXPECT_TRUE(peakOf(100.0, std::numeric_limits<float>::infinity()).inLine);

  TPCM.TLOAD = 600.0f;
  const RiserReach run = reachOf(100.0, {}, amplitude(0.01f));
  // A volume raised so far that a thousandth of the column's forces, the least load of its shape,
  // exceeds the mean load (3,000,000 cubic feet buoy 192,000 kips): the changed table stands flat
  // about it, a spring without bound, which the slow drift's surge answers with no amplitude to judge
  // by; the slow drift moves that riser not at all, and its storm's peak stays clear. The run's rows
  // here lie on its column's tops to the last bit, so that no rounding between them tilts the flat.
  SalmMembers buoyed = salmMembers();
  buoyed.buoyancyForce = 1.0;
  const HeldColumn stiff = heldColumn(buoyed, {.element = 2, .volume = 3.0E6});
  RiserReach stiffReach = run;
  stiffReach.surgePeak = [](float spring) {
    return std::isinf(spring) ? std::numeric_limits<float>::infinity() : 0.01f;
  };
  RiserTable onTops = riserTable(riser, run, staticsTableOf(TPCM));
  for (std::size_t j = 0; j < onTops.top.size(); ++j) onTops.top[j] = onTops.offset[j];
  const StormPeak flat = stormPeak(stiff, riser.height, stiffReach, onTops, 1.0);
  EXPECT_FALSE(flat.inLine);
  EXPECT_EQ(flat.excursion, 0.0);

  const RiserTable table = riserTable(riser, run, staticsTableOf(TPCM));
  SalmMembers members = salmMembers();
  members.buoyancyForce = 1.0;
  const HeldColumn longer = heldColumn(members, {.element = 2, .length = 1.0});
  const StormPeak changed = stormPeak(longer, riser.height, run, table, 1.0);
  EXPECT_NEAR(changed.meanOffset, heldColumnOffset(longer, riser.height, 100.0), 5e-3);
}

// The reserve at the mean state: element 2 at 40 ft under the slow drift's mean load of 380.68 kips
// holds the keel 47.063 ft out and 119.645 ft from the hinge, 0.355 ft short of the riser's 120 (the
// free bodies). A heave alone moves the keel along that line by its peak times the line's vertical
// share, 110 / 119.645, and a slow drift's excursion by its horizontal share, 47.063 / 119.645; each
// with the room asked for. The riser reaches while the reserve exceeds the two.
TEST_F(RiserJudge, TheReserveAgainstTheKeelsMotionsAlongTheLine) {
  riserAfterStatics(40.0f);
  const HeldRiser riser = *heldRiser(true);
  TPCM.DURATN = 3.0f;
  const double sigma = 0.1, omega = 2.0 * std::numbers::pi / 10.0;
  KeelMotion heave;
  heave.zz0 = sigma * sigma;
  heave.zz2 = sigma * sigma * omega * omega;
  const RiserReach reach = reachOf(380.68, heave, amplitude(0.0f));
  StormPeak peak;
  peak.excursion = 0.2;
  const double heavePeak = sigma * std::sqrt(2.0 * std::log(3.0 * 3600.0 / 10.0));
  for (const double room : {1.0, 1.1}) {
    const KeelReach keel = keelReach(riser.column, riser.height, reach, peak, room);
    ASSERT_EQ(keel.angles.size(), 2u);
    EXPECT_NEAR(keel.distance, 119.645, 1e-3) << room;
    EXPECT_NEAR(keel.reserve, 0.355, 1e-3) << room;
    EXPECT_NEAR(keel.wave, room * heavePeak * 110.0 / 119.645, 1e-3 * heavePeak) << room;
    EXPECT_NEAR(keel.drift, room * 0.2 * 47.063 / 119.645, 1e-5) << room;
  }
  peak.excursion = 1.0;
  EXPECT_FALSE(keelReach(riser.column, riser.height, reach, peak, 1.0).reaches());
  peak.excursion = 0.0;
  EXPECT_TRUE(keelReach(riser.column, riser.height, reachOf(380.68, {}, amplitude(0.0f)), peak, 1.0).reaches());
}

// The riser's top under no load, where the statics stand every member but one straight up or down:
// the user's riser with element 2 at 45 ft folds in line at no load with its keel 35 ft above the
// hinge (80 - 45). Below that height element 2 hangs straight down and element 1 leans, its top
// sqrt(80^2 - (h + 45)^2) out; above it element 1 stands upright and element 2 leans,
// sqrt(45^2 - (h - 80)^2) out; at the riser's own 110 ft too, where that pattern has the least
// potential energy. The column's shape under its least load stands some 0.1 to 0.2 ft further out,
// too far for a table whose range decides the count of its offset states, and further still a
// hundredth from the fold. A height the members cannot close to, above their whole length, has none.
TEST_F(RiserJudge, TheTopUnderNoLoadIsWhereTheMembersStandUprightOrHanging) {
  testing_support::userRiserDataSet(45.0f);
  const HeldRiser riser = *heldRiser();
  for (const double h : {-120.0, 0.0, 34.5, 34.99, 35.01, 35.5, 60.0, 110.0, 125.0}) {
    const double closed = h < 35.0 ? std::sqrt(80.0 * 80.0 - (h + 45.0) * (h + 45.0))
                                   : std::sqrt(45.0 * 45.0 - (h - 80.0) * (h - 80.0));
    EXPECT_NEAR(noLoadTopOffset(riser.column, h), closed, 1e-9) << h;
    if (h > 0.0 && h < 125.0) {
      EXPECT_GT(heldColumnOffset(riser.column, h, kLeastHeldLoad) - closed, 0.05) << h;
    }
  }
  EXPECT_TRUE(std::isnan(noLoadTopOffset(riser.column, 125.5)));
}

// The offset range of the table the statics would build for a changed riser: from its top under no
// load to its top under the table's last load. The user's riser with element 2 at 45 ft and its
// table to 600 kips, the keel lowered by 5 ft: with no run's table its own tops, element 2 leaning
// sqrt(45^2 - 25^2) ft out under no load; with a run's table that adds a lateral offset of a
// hundredth of a foot per kip to every row (as an auxiliary table would), that offset at the last
// load, 6 ft, and none at no load. With element 2 at 30.3 ft and the table to 99,990 kips, the
// statics report could not print the loads of the table's upper rows: the table ends at 63.15 kips,
// under which the members stand 1.72 degrees out of line (63.156 kips by the free bodies), and the
// range ends there too, 0.135 ft short of the whole table's: 3.741 ft, the keel 7.994 ft out under
// 63.15 kips less sqrt(30.3^2 - 30^2) = 4.253 ft under no load, by the free bodies in plain Python
// (tests/dataset/reference/riser_reach_reference.py).
TEST_F(RiserJudge, TheChangedTablesOffsetRange) {
  testing_support::userRiserDataSet(45.0f);
  const HeldRiser riser = *heldRiser();
  const double lowered = riser.height - 5.0;
  const double noLoad = std::sqrt(45.0 * 45.0 - 25.0 * 25.0);
  const double own = heldColumnOffset(riser.column, lowered, 600.0) - noLoad;
  EXPECT_NEAR(riserTableRange(riser.column, lowered, {}, 600.0), own, 1e-9);

  RiserReach run;
  for (int j = 0; j < 30; ++j) {
    const double H = 600.0 * j / 29.0;
    const double top = j == 0 ? std::sqrt(45.0 * 45.0 - 30.0 * 30.0) : heldColumnOffset(riser.column, riser.height, H);
    run.tableLoads.push_back(static_cast<float>(H));
    run.tableOffsets.push_back(static_cast<float>(top + 0.01 * H));
  }
  const RiserTable table = riserTable(riser, run, staticsTableOf(TPCM));
  EXPECT_NEAR(riserTableRange(riser.column, riser.height, table, 600.0), run.tableOffsets.back() - run.tableOffsets[0],
              1e-3);
  EXPECT_NEAR(riserTableRange(riser.column, lowered, table, 600.0), own + 6.0, 2e-3);

  testing_support::userRiserDataSet(30.3f);
  const HeldRiser taut = *heldRiser();
  EXPECT_NEAR(heldColumnClearLoad(taut.column, taut.height), 63.156, 0.001);
  const double tautNoLoad = std::sqrt(30.3 * 30.3 - 30.0 * 30.0);
  const double ended = riserTableRange(taut.column, taut.height, {}, 99990.0);
  EXPECT_NEAR(ended, heldColumnOffset(taut.column, taut.height, 63.15) - tautNoLoad, 2e-3);
  EXPECT_GT(heldColumnOffset(taut.column, taut.height, 99990.0) - tautNoLoad - ended, 0.1);
  EXPECT_NEAR(ended, 3.7410, 1e-4);  // riser_reach_reference.py: 3.74098
  // Under 600 kips the loads print: the table runs to its largest load.
  EXPECT_NEAR(riserTableRange(taut.column, taut.height, {}, 600.0),
              heldColumnOffset(taut.column, taut.height, 600.0) - tautNoLoad, 2e-3);
}

// Whether the statics report's offset pass could show a changed table: at the data set's increment
// (0 taken as 1, as the statics take it), no more states than the report's 90 over the range, on
// either side of a range of 89 and 91 increments; always where the pass does not run.
TEST_F(RiserJudge, ThePassShowsATableOfNoMoreStatesThanTheReportHolds) {
  testing_support::userRiserDataSet(45.0f);
  const HeldRiser riser = *heldRiser();
  const double range = riserTableRange(riser.column, riser.height, {}, 600.0);
  TPCM.STAMOT = 1;
  TPCM.LOFFST = 1;
  OffsetPass pass = offsetPassOf(TPCM);
  EXPECT_TRUE(pass.runs);
  EXPECT_EQ(pass.increment, 1.0f);
  EXPECT_EQ(pass.maximumLoad, 600.0);
  EXPECT_EQ(offsetPassShows(riser.column, riser.height, {}, pass), range < 90.0);
  for (const auto& [steps, shows] : {std::pair{89.0, true}, std::pair{91.0, false}}) {
    pass.increment = static_cast<float>(range / steps);
    EXPECT_EQ(offsetPassShows(riser.column, riser.height, {}, pass), shows) << steps;
  }
  TPCM.LOFFST = 0;
  pass = offsetPassOf(TPCM);
  pass.increment = static_cast<float>(range / 91.0);
  EXPECT_FALSE(pass.runs);
  EXPECT_TRUE(offsetPassShows(riser.column, riser.height, {}, pass));
}

}  // namespace
}  // namespace qv
