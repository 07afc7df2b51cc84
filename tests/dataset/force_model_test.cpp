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
      {0x444, 0xFFF, 0x644, 1, 0, 0},  // only field 1 of the current word is read as 4
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
      // The typed table wins over a user file; a drift code 2 is a built-in model.
      {0x221, 0x212, 0x222, 0, 0, 0, 0x221, 0x212, 0x222, 1, 1, 0, 0, 0, 0, 0},
      // Fresh words: nothing matches, and spreading 0 over 0 changes nothing.
      {0x000, 0x000, 0x000, 1, 1, 1, 0x000, 0x000, 0x000, 0, 0, 0, 0, 0, 0, 0},
      // The Mean-curve choice survives one model for all components: fields 2 and 3 take 4.
      {0x76F, 0x76F, 0x7F1, 0, 1, 0, 0x76F, 0x44F, 0x7F1, 0, 0, 1, 2, 0, 0, 0},
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

TEST(ForceModel, ModelNamesByCode) {
  struct Case {
    ForceLoad load;
    int code;
    const char* name;
  };
  const Case cases[] = {
      {ForceLoad::kWind, 1, "User-Specified LOWDAT"},
      {ForceLoad::kWind, 4, "OCIMF Tanker '77 (extended)"},
      {ForceLoad::kWind, 5, "Cylindrical Vessel"},
      {ForceLoad::kWind, 6, ""},  // the wind table has five rows
      {ForceLoad::kCurrent, 2, "User-Specified CRNTCOFS.txt"},
      {ForceLoad::kCurrent, 5, "Extreme Cylindrical Bow '91"},
      {ForceLoad::kCurrent, 7, "Cylindrical Vessel"},
      {ForceLoad::kCurrent, 15, "NSMB Tanker '91"},  // the Mean curve of the NSMB set
      {ForceLoad::kCurrent, 8, ""},
      {ForceLoad::kDrift, 1, "User-Specified DRFTCOFS.txt"},
      {ForceLoad::kDrift, 7, "Semi/TLP (2001)"},
      {ForceLoad::kDrift, 15, ""},  // 15 is a current code only
      {ForceLoad::kDrift, 0, ""},   // a fresh word
  };
  for (const Case& c : cases) {
    const auto name = modelName(c.load, c.code);
    EXPECT_EQ(name.trimmed(), c.name) << c.code;
    EXPECT_EQ(name.view().size(), 29u);
  }
  EXPECT_EQ(modelCount(ForceLoad::kWind), 5);
  EXPECT_EQ(modelCount(ForceLoad::kCurrent), 7);
  EXPECT_EQ(modelCount(ForceLoad::kDrift), 7);
}

}  // namespace
}  // namespace qv
