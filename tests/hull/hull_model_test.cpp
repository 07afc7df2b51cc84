// The hull seam: the data set's VESTYP and SEMI_LIKE select one model, the five dispatchers reach
// that model's operations and no other, no hull calls nothing, and a model the program lacks stops
// the run with a message that names it.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "dataset/tpcm.h"
#include "hull/hull_model.h"
#include "support/checks.h"
#include "support/console_capture.h"

namespace qv {
namespace {

using testing_support::ConsoleCapture;
using testing_support::contains;
using testing_support::stopStatus;

std::vector<std::string> calls;

// Two recording stand-ins, so that a call reaching the wrong model shows.
template <char Tag>
struct Recorder {
  static void CHR() { calls.push_back(std::string(1, Tag) + "CHR"); }
  static void FRC(std::int32_t& flag) {
    calls.push_back(std::string(1, Tag) + "FRC" + std::to_string(flag));
    flag = 2;  // a model may change its flag
  }
  static void RAO() { calls.push_back(std::string(1, Tag) + "RAO"); }
  static void SUM() { calls.push_back(std::string(1, Tag) + "SUM"); }
  static void OUT() { calls.push_back(std::string(1, Tag) + "OUT"); }
  static constexpr HullOps ops = {CHR, FRC, RAO, SUM, OUT};
};

class HullSeamTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::memset(&TPCM, 0, sizeof TPCM);
    TPCM.EDUNIT = 6;
    calls.clear();
  }
  void TearDown() override { HULL_MODELS.reset(); }
};

TEST_F(HullSeamTest, SelectionFirstMatchWins) {
  struct Case {
    std::int32_t vestyp, semiLike;
    HullKind kind;
  };
  const Case cases[] = {
      {1, 0, HullKind::kShip},   {1, 1, HullKind::kShip},  // the ship test comes first
      {2, 1, HullKind::kJackUp}, {3, 0, HullKind::kNone},  // VESTYP 3 alone selects nothing
      {3, 1, HullKind::kSemi},   {4, 1, HullKind::kSemi},  // SEMI_LIKE before the disc
      {4, 0, HullKind::kDisc},   {5, 0, HullKind::kNone},  {6, 0, HullKind::kNone},
      {0, 0, HullKind::kNone},   {7, 0, HullKind::kNone},  {0, 1, HullKind::kSemi},
  };
  for (const Case& c : cases) {
    TPCM.VESTYP = c.vestyp;
    TPCM.SEMI_LIKE = c.semiLike;
    EXPECT_EQ(selectHull(), c.kind) << "VESTYP " << c.vestyp << ", SEMI_LIKE " << c.semiLike;
  }
}

// Each vessel type of the data set's table, with the SEMI_LIKE the editor gives it, reaches the hull
// model of its family, so that the page's menu, the run checks and the hull models agree.
TEST_F(HullSeamTest, EveryVesselTypeReachesTheModelOfItsFamily) {
  for (const VesselTypeRow& row : kVesselTypes) {
    TPCM.VESTYP = row.code;
    TPCM.SEMI_LIKE = columnStabilised(row.code) ? 1 : 0;
    HullKind expected = HullKind::kNone;
    switch (row.family) {
      case HullFamily::kShip: expected = HullKind::kShip; break;
      case HullFamily::kJackUp: expected = HullKind::kJackUp; break;
      case HullFamily::kColumnStabilised: expected = HullKind::kSemi; break;
      case HullFamily::kDisc: expected = HullKind::kDisc; break;
    }
    EXPECT_EQ(selectHull(), expected) << row.name;
    EXPECT_EQ(workingHullModel(row.code), expected != HullKind::kJackUp) << row.name;
  }
}

TEST_F(HullSeamTest, DispatchReachesTheSelectedModelOnly) {
  HULL_MODELS.ops[static_cast<int>(HullKind::kShip)] = &Recorder<'s'>::ops;
  HULL_MODELS.ops[static_cast<int>(HullKind::kSemi)] = &Recorder<'m'>::ops;
  TPCM.VESTYP = 5;
  TPCM.SEMI_LIKE = 1;
  std::int32_t flag = 0;
  hullCHR();
  hullFRC(flag);
  EXPECT_EQ(flag, 2);  // the model's change reaches the caller
  flag = 5;
  hullFRC(flag);
  hullRAO();
  hullSUM();
  hullOUT();
  EXPECT_EQ(calls, (std::vector<std::string>{"mCHR", "mFRC0", "mFRC5", "mRAO", "mSUM", "mOUT"}));
}

TEST_F(HullSeamTest, NoHullCallsNothing) {
  HULL_MODELS.ops[static_cast<int>(HullKind::kShip)] = &Recorder<'s'>::ops;
  TPCM.VESTYP = 3;
  std::int32_t flag = 0;
  ConsoleCapture console;
  hullCHR();
  hullFRC(flag);
  hullRAO();
  hullSUM();
  hullOUT();
  EXPECT_TRUE(calls.empty());
  EXPECT_EQ(console.screen(), "");
}

TEST_F(HullSeamTest, AMissingModelStopsWithItsName) {
  HULL_MODELS.ops[static_cast<int>(HullKind::kDisc)] = nullptr;
  TPCM.VESTYP = 4;
  ConsoleCapture console("\n");
  EXPECT_EQ(stopStatus([] { hullCHR(); }), 1);
  EXPECT_TRUE(contains(console.screen(), " ++> Vessel response: the discus buoy hull model is not part of this program"))
      << console.screen();
  EXPECT_TRUE(contains(console.screen(), "(VESTYP =  4, SEMI_LIKE =  0)")) << console.screen();
}

}  // namespace
}  // namespace qv
