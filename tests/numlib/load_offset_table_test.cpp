// What the statics report can show of a load-offset table: how many offset states its offset pass
// shows, when it runs and at which increment, and whether a row's joint loads fit their fields. The
// rules the statics report stops on and the buoyant riser's judge names no change past. And the
// loads the statics step a table by, which the judge reads a changed riser's table at.
#include "numlib/load_offset_table.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <numbers>
#include <vector>

namespace qv {
namespace {

// One state at the first offset and one at each whole increment beyond it: a range of 89 increments
// and a hair is 90 states, one of 90 increments 91. At 1 m, 89.99 m are held by a report of 90 and
// 90.00 m are not; at 0.5 m the edge is 44.5 m, and a table of no range is one state. An increment
// far too small counts as many states as an integer holds, never wrapping to few; a range that is no
// number counts none.
TEST(OffsetStates, OneAtTheFirstOffsetAndOneAtEachWholeIncrementBeyond) {
  constexpr std::int32_t kHeld = 90;
  const struct {
    float range, increment;
    std::int32_t states;
    bool held;
  } cases[] = {
      {0.0f, 1.0f, 1, true},
      {0.99f, 1.0f, 1, true},
      {1.0f, 1.0f, 2, true},
      {89.99f, 1.0f, 90, true},
      {90.0f, 1.0f, 91, false},
      {90.05f, 1.0f, 91, false},
      {44.49f, 0.5f, 89, true},
      {44.5f, 0.5f, 90, true},
      {45.0f, 0.5f, 91, false},
      {96.65f, 1.08f, 90, true},
      {96.65f, 1.07f, 91, false},
      {3.75f, 0.25f, 16, true},
      {1.0E6f, 1.0E-6f, 2000000000, false},
      {std::numeric_limits<float>::quiet_NaN(), 1.0f, 0, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.range << " at " << c.increment);
    EXPECT_EQ(offsetStates(c.range, c.increment), c.states);
    EXPECT_EQ(offsetStatesHeld(c.range, c.increment, kHeld), c.held);
  }
}

// The pass runs for a report of the statics (STAMOT) of a column with elements held by a vessel, when
// it is asked for (LOFFST) or is the only pass (LTABL neither 0 nor 1); not for a free SALM, a column
// without elements, without the report, or with the pass off and the table-point pass asked for.
TEST(OffsetStates, ThePassRunsWhereTheReportShowsIt) {
  const struct {
    const char* what;
    std::int32_t STAMOT, NELEM, FRESLM, LOFFST, LTABL;
    bool runs;
  } cases[] = {
      {"asked for, after the table points", 1, 2, 0, 1, 1, true},
      {"asked for, alone", 1, 2, 0, 1, 0, true},
      {"not asked for, the table points alone", 1, 2, 0, 0, 1, false},
      {"not asked for, no pass asked", 1, 2, 0, 0, 0, false},
      {"the only pass of an LTABL of 2", 1, 2, 0, 0, 2, true},
      {"the only pass of an LTABL of -1", 1, 2, 0, 0, -1, true},
      {"no statics report", 0, 2, 0, 1, 1, false},
      {"no elements", 1, 0, 0, 1, 1, false},
      {"a free SALM", 1, 2, 1, 1, 1, false},
  };
  for (const auto& c : cases)
    EXPECT_EQ(offsetPassRuns(c.STAMOT, c.NELEM, c.FRESLM, c.LOFFST, c.LTABL), c.runs) << c.what;
}

// An increment of 0 is stepped as 1; any other as it is, however small.
TEST(OffsetStates, AnIncrementOfNoneIsSteppedAsOne) {
  EXPECT_EQ(offsetIncrementUsed(0.0f), 1.0f);
  EXPECT_EQ(offsetIncrementUsed(-0.0f), 1.0f);
  EXPECT_EQ(offsetIncrementUsed(0.25f), 0.25f);
  EXPECT_EQ(offsetIncrementUsed(std::numeric_limits<float>::denorm_min()), std::numeric_limits<float>::denorm_min());
}

// A row of joint loads prints while each load fits its field with two decimals: below 1,000,000 in
// the vertical load's and the shear's nine columns (999999.9375, the largest float below it, shows
// 999999.94), below 10,000,000 in the axial load's ten; the neighbours either side of each edge, in
// both precisions alike. One member standing upright (angle 0) puts the
// horizontal load H wholly in the shear and V in the axial load; one lying flat (pi/2) swaps them,
// the shear then -V, whose sign takes a column of its own.
TEST(StaticsRowLoads, PrintWhileEachLoadFitsItsField) {
  const double upright = 0.0, flat = std::numbers::pi / 2;
  const struct {
    const char* what;
    double H, angle, V, top;
    bool prints;
  } cases[] = {
      {"all small", 100.0, upright, 50.0, 40.0, true},
      {"the shear at its field's edge", 999999.9375, upright, 1.0, 1.0, true},
      {"the shear a print unit beyond", 1000000.0, upright, 1.0, 1.0, false},
      {"the vertical load at its edge", 1.0, -flat, 999999.9375, 1.0, true},
      {"the vertical load beyond", 1.0, -flat, 1000000.0, 1.0, false},
      {"the vertical load at its edge, its shear a sign too wide", 1.0, flat, 999999.9375, 1.0, false},
      {"the axial load over nine columns, within its own ten", 800000.0, std::numbers::pi / 4, 800000.0, 1.0, true},
      {"the axial load at its edge lying flat", 9999999.0, flat, 1.0, 1.0, true},
      {"the axial load beyond", 10000000.0, flat, 1.0, 1.0, false},
      {"the top's vertical load beyond", 1.0, upright, 1.0, 1000000.0, false},
      {"a negative load at its edge", -99999.99, upright, 1.0, 1.0, true},
      {"a negative load a unit beyond", -100000.0, upright, 1.0, 1.0, false},
  };
  for (const auto& c : cases) {
    const std::vector<double> angles{c.angle}, V{c.V, c.top};
    EXPECT_EQ(staticsRowLoadsPrint(c.H, std::span<const double>(angles), std::span<const double>(V)), c.prints)
        << c.what;
    const std::vector<float> anglesF{static_cast<float>(c.angle)};
    const std::vector<float> VF{static_cast<float>(c.V), static_cast<float>(c.top)};
    EXPECT_EQ(staticsRowLoadsPrint(static_cast<float>(c.H), std::span<const float>(anglesF), std::span<const float>(VF)),
              c.prints)
        << c.what << " (4 bytes)";
  }
}

}  // namespace
}  // namespace qv

namespace qv {
namespace {

// The statics' table loads, against closed forms: 0 first; where an even step is no more than a
// tenth of the column's net weight, the largest load over the points - 1 steps (2000 t over 29 steps
// of 68.97 t, with a net buoyancy of 1000 t; the weight's sign does not matter); where it is more, a
// geometric series from 0.052 of the weight at the second point to the largest at the last (20 t of
// weight: 1.04 t, each point (2000 / 1.04)^(1/28) times the one before). Two points are 0 and the
// largest, evenly, whatever the weight; no weight gives an even table.
TEST(StaticsTableLoads, EvenOrGeometricByTheColumnsWeight) {
  const struct {
    const char* what;
    float weight;
    std::int32_t points;
    bool geometric;
  } cases[] = {
      {"1000 t of net buoyancy", -1000.0f, 30, false},
      {"1000 t of net weight", 1000.0f, 30, false},
      {"20 t of net buoyancy", -20.0f, 30, true},
      {"two points", -20.0f, 2, false},
      {"no weight", 0.0f, 30, false},
  };
  for (const auto& c : cases) {
    std::vector<float> load(static_cast<std::size_t>(c.points), -1.0f);
    const float least = staticsTableLoads(2000.0f, c.points, c.weight, load.data());
    EXPECT_FLOAT_EQ(least, 0.052f * std::fabs(c.weight)) << c.what;
    EXPECT_EQ(load[0], 0.0f) << c.what;
    for (std::int32_t J = 2; J <= c.points; ++J) {
      const double share = static_cast<double>(J - 2) / (c.points - 2);
      const double expected = c.geometric ? 0.052 * std::fabs(c.weight) * std::pow(2000.0 / (0.052 * std::fabs(c.weight)), share)
                                          : 2000.0 * (J - 1) / (c.points - 1);
      EXPECT_NEAR(load[static_cast<std::size_t>(J - 1)], expected, 1e-5 * expected) << c.what << ", point " << J;
    }
  }
}

}  // namespace
}  // namespace qv
