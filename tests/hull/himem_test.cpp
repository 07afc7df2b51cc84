// The work area of the vessel response: the location words lay the work array out block after block
// with no gap and no overlap, the per-point indices of INDXUP address the right columns, and the
// named views share their storage with the work array.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "hull/himem.h"
#include "hull/pascom.h"
#include "hull/semi/simcom.h"

namespace qv {
namespace {

class HimemTest : public ::testing::Test {
 protected:
  void SetUp() override {
    resetHimem();
    layOutHimem();
  }
};

// The full-size case: 100 grid points, 6 heights and 37 sea headings. Each block of the work array
// starts where the one before it ends, and the last word in use lies inside the array.
TEST_F(HimemTest, BlocksLineUpEndToEnd) {
  const Himem& h = HIMEM;
  // The six complex columns, in complex elements, then their last real word.
  const std::vector<std::int32_t> columns = {h.LCNSG, h.LCNSWY, h.LCNHV, h.LCNROL, h.LCNPIT, h.LCNYAW};
  for (std::size_t c = 0; c < columns.size(); ++c) {
    EXPECT_EQ(columns[c], 1 + static_cast<std::int32_t>(c) * h.NARRAY) << "operator column " << c + 1;
  }
  EXPECT_EQ(h.NBASE, 2 * (h.LCNYAW + h.NARRAY - 1));

  struct Block {
    const char* name;
    std::int32_t start;
    std::int32_t words;
  };
  const std::int32_t pointBlock = kMaxOutputPoints * h.NDOF * h.NHTNHD;
  const std::vector<Block> blocks = {
      {"LCNW", h.LCNW, h.NARRAY},           {"LCNWK", h.LCNWK, h.NARRAY},
      {"LCNW2", h.LCNW2, h.NARRAY},         {"LCNPSD", h.LCNPSD, h.MAX_HT_TOT * h.NARRAY},
      {"LCNFTQ", h.LCNFTQ, h.MAXDIF},       {"LCNMOT", h.LCNMOT, h.MAXDIF},
      {"LCNACC", h.LCNACC, pointBlock},     {"LCNVEL", h.LCNVEL, pointBlock},
      {"LCNHNG", h.LCNHNG, pointBlock},     {"LCNDSP", h.LCNDSP, pointBlock},
      {"LCNSIG", h.LCNSIG, 2},              {"LCNSIG2", h.LCNSIG2, 2},
      {"LCNSWL", h.LCNSWL, 2},              {"LCNSWL2", h.LCNSWL2, 2},
      {"LCNWV", h.LCNWV, 3 * h.MAX_HT_TOT}, {"LACRAO", h.LACRAO, 8 * h.NARRAY},
  };
  std::int32_t expected = h.NBASE + 1;
  for (const Block& b : blocks) {
    EXPECT_EQ(b.start, expected) << b.name;
    expected = b.start + b.words;
  }
  EXPECT_EQ(h.NXTFRE, expected);
  EXPECT_LE(h.NXTFRE - 1, kRldumWords);

  // The statistics pairs of the last quantity, height and sea heading end exactly at their block's
  // end: six forces or motions; three directions for each of the 149 points (two points, six
  // quantities a page, so point 149 ends with quantity 447).
  EXPECT_EQ(statisticsPair(h.LCNFTQ, 6, 6, 37) + 1, h.LCNMOT - 1);
  EXPECT_EQ(statisticsPair(h.LCNMOT, 6, 6, 37) + 1, h.LCNACC - 1);
  EXPECT_EQ(statisticsPair(h.LCNACC, 3 * kMaxOutputPoints, 6, 37) + 1, h.LCNVEL - 1);
  EXPECT_EQ(statisticsPair(h.LCNDSP, 3 * kMaxOutputPoints, 6, 37) + 1, h.LCNSIG - 1);
  // Neighbours: the next height is the next pair, the next heading six pairs on.
  EXPECT_EQ(statisticsPair(h.LCNMOT, 1, 2, 1), h.LCNMOT + 2);
  EXPECT_EQ(statisticsPair(h.LCNMOT, 1, 1, 2), h.LCNMOT + 12);
  EXPECT_EQ(statisticsPair(h.LCNMOT, 2, 1, 1), h.LCNMOT + 444);
}

TEST_F(HimemTest, IndxupAddressesTheColumnsOfTheGridPoint) {
  Himem& h = HIMEM;
  for (const std::int32_t iw : {1, 37, 100}) {
    h.IW = iw;
    INDXUP();
    EXPECT_EQ(h.IWM, iw - 1);
    EXPECT_EQ(h.LW, 1200 + iw);
    EXPECT_EQ(h.LWK, 1300 + iw);
    EXPECT_EQ(h.LW2, 1400 + iw);
    EXPECT_EQ(h.LSG, iw);
    EXPECT_EQ(h.LSW, 100 + iw);
    EXPECT_EQ(h.LHV, 200 + iw);
    EXPECT_EQ(h.LRL, 300 + iw);
    EXPECT_EQ(h.LPT, 400 + iw);
    EXPECT_EQ(h.LYA, 500 + iw);
  }
  // The last yaw operator fills the last two real words of the operator columns, just before the
  // grid frequencies.
  h.CXDUM(h.LYA) = Complex(3.0f, -4.0f);
  EXPECT_EQ(h.RLDUM(h.NBASE - 1), 3.0f);
  EXPECT_EQ(h.RLDUM(h.NBASE), -4.0f);
  EXPECT_EQ(h.RLDUM(h.LCNW), 0.0f);
}

TEST_F(HimemTest, NamedViewsShareTheWorkArray) {
  Himem& h = HIMEM;
  h.IW = 7;
  INDXUP();
  h.CXDUM(h.LSG) = Complex(1.0f, 0.0f);
  h.CXDUM(h.LSW) = Complex(2.0f, 0.0f);
  h.CXDUM(h.LHV) = Complex(3.0f, 0.0f);
  h.CXDUM(h.LRL) = Complex(4.0f, 0.0f);
  h.CXDUM(h.LPT) = Complex(5.0f, 0.0f);
  h.CXDUM(h.LYA) = Complex(6.0f, 0.0f);
  EXPECT_EQ(h.SGRAO(7).real(), 1.0f);
  EXPECT_EQ(h.SWRAO(7).real(), 2.0f);
  EXPECT_EQ(h.HVRAO(7).real(), 3.0f);
  EXPECT_EQ(h.RLRAO(7).real(), 4.0f);
  EXPECT_EQ(h.PTRAO(7).real(), 5.0f);
  EXPECT_EQ(h.YWRAO(7).real(), 6.0f);

  // The heading table has two names, and the spreading links run down a sea heading's column first.
  h.REDANG(3) = 45.0f;
  EXPECT_EQ(h.RAOANG(3), 45.0f);
  EXPECT_EQ(&h.INTGFL(1, 2) - &h.INTGFL(1, 1), kSpreadSlots);
  EXPECT_EQ(&h.INTGFL(2, 1) - &h.INTGFL(1, 1), 1);
}

TEST(AnalysisBlocks, ResetClearsEveryWord) {
  HIMEM.LASTHI = 5;
  HIMEM.RLDUM(kRldumWords) = 1.0f;
  PASCOM.SWLBANDW2 = 2.0f;
  SIMCOM.DRGMCF(3, kMaxHullMembers) = 3.0f;
  resetHimem();
  resetPascom();
  resetSimcom();
  EXPECT_EQ(HIMEM.LASTHI, 0);
  EXPECT_EQ(HIMEM.RLDUM(kRldumWords), 0.0f);
  EXPECT_EQ(PASCOM.SWLBANDW2, 0.0f);
  EXPECT_EQ(SIMCOM.DRGMCF(3, kMaxHullMembers), 0.0f);
}

}  // namespace
}  // namespace qv
