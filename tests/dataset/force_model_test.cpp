#include <gtest/gtest.h>

#include <cstdint>

#include "dataset/force_model.h"

namespace qv {
namespace {

constexpr int kScreen = 6;

TEST(ForceModel, InitfmFlagsWordsWithOneModel) {
  struct Case {
    std::int32_t wind, current, drift;
    int windFlag, currentFlag, driftFlag;
  };
  const Case cases[] = {
      {0x111, 0x111, 0x111, 1, 1, 1},
      {0x121, 0x114, 0x100, 0, 0, 0},
      {0x444, 0x44F, 0x777, 1, 1, 1},  // current code 15 in field 1 counts as 4
      {0x44F, 0x44F, 0x000, 0, 1, 1},  // ... but only for the current word
      {0x1333, 0x0666, 0x2555, 1, 1, 1},  // fields above 3 do not count
  };
  for (const Case& c : cases) {
    int w = -1, cu = -1, d = -1;
    INITFM(c.wind, w, c.current, cu, c.drift, d, kScreen);
    EXPECT_EQ(w, c.windFlag) << std::hex << c.wind;
    EXPECT_EQ(cu, c.currentFlag) << std::hex << c.current;
    EXPECT_EQ(d, c.driftFlag) << std::hex << c.drift;
  }
}

TEST(ForceModel, TnkridNormalisesAndClassifies) {
  struct Case {
    std::int32_t wind, current, drift;
    int windFlag, currentFlag, driftFlag;
    std::int32_t windOut, currentOut, driftOut;
    int windClass, currentClass, driftClass, currentKind, windKind, windCentroid, currentCentroid;
  };
  const Case cases[] = {
      // A new data set: the LOWDAT table in every direction.
      {0x111, 0x111, 0x111, 1, 1, 1, 0x111, 0x111, 0x111, 1, 1, 1, 0, 0, 0, 0},
      // Field 1 spread over fields 2 and 3 when flagged; current 15 becomes 4 there.
      {0x004, 0x00F, 0x002, 1, 1, 1, 0x444, 0x44F, 0x222, 0, 0, 0, 2, 1, 0, 0},
      // Mixed models, no flags: nothing is rewritten.
      {0x253, 0x762, 0x321, 0, 0, 0, 0x253, 0x762, 0x321, 2, 2, 1, 1, 0, 1, 1},
      // OCIMF current (6) and NSMB current (4) both present: NSMB wins.
      {0x333, 0x646, 0x444, 0, 0, 0, 0x333, 0x646, 0x444, 0, 0, 0, 2, 0, 1, 0},
      {0x555, 0x737, 0x444, 0, 0, 0, 0x555, 0x737, 0x444, 0, 0, 0, 0, 0, 1, 1},
  };
  for (const Case& c : cases) {
    std::int32_t w = c.wind, cu = c.current, d = c.drift;
    int wc = -1, cc = -1, dc = -1, ck = -1, wk = -1, wcent = -1, ccent = -1;
    TNKRID(w, c.windFlag, wc, cu, c.currentFlag, cc, d, c.driftFlag, dc, ck, wk, wcent, ccent, kScreen);
    SCOPED_TRACE(testing::Message() << std::hex << c.wind << " " << c.current << " " << c.drift);
    EXPECT_EQ(w, c.windOut);
    EXPECT_EQ(cu, c.currentOut);
    EXPECT_EQ(d, c.driftOut);
    EXPECT_EQ(wc, c.windClass);
    EXPECT_EQ(cc, c.currentClass);
    EXPECT_EQ(dc, c.driftClass);
    EXPECT_EQ(ck, c.currentKind);
    EXPECT_EQ(wk, c.windKind);
    EXPECT_EQ(wcent, c.windCentroid);
    EXPECT_EQ(ccent, c.currentCentroid);
  }
}

}  // namespace
}  // namespace qv
