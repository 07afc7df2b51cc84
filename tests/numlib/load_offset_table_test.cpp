// How many offset states the statics report's offset pass shows over a load-offset table, and when
// it runs: the rule the statics report stops on and the buoyant riser's judge names no change past.
#include "numlib/load_offset_table.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

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

}  // namespace
}  // namespace qv
