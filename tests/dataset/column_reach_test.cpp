// The members the statics form from the elements, and whether such a column can bring its top to
// a height with every member standing straight up or down but one, which leans.
#include "dataset/column_reach.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numeric>
#include <string>
#include <vector>

#include "dataset/tpcm.h"
#include "support/fresh_run.h"

namespace qv {
namespace {

class ColumnReach : public testing_support::FreshRun {};

// A planar chain of links hinged at its foot reaches every height up to its whole length, above or
// below its foot, its top's horizontal place being free (the inner radius of its reach, 2 Lmax - sum
// L, can always be met sideways). The statics' patterns give the same set: with the longest member
// leaning, the signed sums of the others lie no further apart than twice the longest, so the leaning
// member bridges every gap. Checked against that closed form on columns of one to six members.
TEST_F(ColumnReach, AColumnReachesEveryHeightWithinItsWholeLength) {
  const std::vector<std::vector<float>> columns = {
      {30.0f},
      {76.0f, 30.0f},
      {1.0f, 10.0f},
      {10.0f, 1.0f, 1.0f},
      {62.0f, 30.0f, 30.0f},
      {5.0f, 40.0f, 2.0f, 8.0f, 13.0f, 1.0f},
  };
  for (const std::vector<float>& lengths : columns) {
    const float total = std::accumulate(lengths.begin(), lengths.end(), 0.0f);
    for (float share = -1.3f; share <= 1.31f; share += 0.05f) {
      if (std::fabs(std::fabs(share) - 1.0f) < 0.01f) continue;  // the edge itself is a rounding's call
      const float height = share * total;
      EXPECT_EQ(columnReachesHeight(lengths, height), std::fabs(height) <= total)
          << lengths.size() << " members, height " << height << " of " << total;
    }
  }
}

// The members: the leading frozen elements are the base, member 1 starts at the first free one (at
// the last element when no other is free), each later free joint starts one more.
TEST_F(ColumnReach, MembersAreFormedAsTheStaticsFormThem) {
  struct Case {
    const char* what;
    std::vector<std::int32_t> free;
    std::vector<int> firsts;
    std::vector<float> lengths;
    float base;
  };
  // Elements of 1, 2, 4, 8, 16 long: each sum names its elements.
  const Case cases[] = {
      {"all free", {1, 1, 1, 1, 1}, {1, 2, 3, 4, 5}, {1, 2, 4, 8, 16}, 0},
      {"a frozen base of two", {0, 0, 1, 0, 1}, {3, 5}, {12, 16}, 3},
      {"none free", {0, 0, 0, 0, 0}, {5}, {16}, 15},
      {"the first free only", {1, 0, 0, 0, 0}, {1}, {31}, 0},
  };
  for (const Case& c : cases) {
    TPCM.NELEM = 5;
    for (int k = 1; k <= 5; ++k) {
      TPCM.SLEN(k) = static_cast<float>(1 << (k - 1));
      TPCM.IFREE(k) = c.free[static_cast<std::size_t>(k - 1)];
    }
    const SalmMembers m = salmMembers();
    EXPECT_EQ(m.firstElement, c.firsts) << c.what;
    EXPECT_EQ(m.length, c.lengths) << c.what;
    EXPECT_EQ(m.baseLength, c.base) << c.what;
  }
  TPCM.NELEM = 0;
  EXPECT_TRUE(salmMembers().length.empty());
}

}  // namespace
}  // namespace qv
