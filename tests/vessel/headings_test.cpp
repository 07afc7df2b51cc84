// The response-heading table: regular-wave headings as given, swell and sea directions merged with
// an entry within 0.05 degree, spreading directions flagged as not reported unless they reuse a
// reported heading, and a table that would outgrow its 498 headings refused before it overflows.
#include <gtest/gtest.h>

#include <vector>

#include "dataset/tpcm.h"
#include "hull/himem.h"
#include "numlib/angles.h"
#include "support/checks.h"
#include "support/console_capture.h"
#include "support/data_set_fixture.h"
#include "vessel/headings.h"
#include "waves/wavcom.h"

namespace qv {
namespace {

using testing_support::ConsoleCapture;
using testing_support::contains;
using testing_support::stopStatus;

class HeadingsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing_support::fillSavedDataSet();
    TPCM.EDUNIT = kScreenUnit;
    TPCM.NDIR = 0;
    WAVCOM.reset();
    resetHimem();
  }
  static std::vector<float> table() {
    std::vector<float> t;
    for (int i = 1; i <= WAVCOM.NRAO; ++i) t.push_back(HIMEM.REDANG(i));
    return t;
  }
  static std::vector<int> reported() {
    std::vector<int> r;
    for (int i = 1; i <= WAVCOM.NRAO; ++i) r.push_back(HIMEM.LRAO(i));
    return r;
  }
};

TEST_F(HeadingsTest, RegularHeadingsAndFixedSwells) {
  TPCM.NDIR = 3;
  TPCM.WAVHDG(1) = 0.0f;
  TPCM.WAVHDG(2) = 0.01f;   // regular headings are never merged
  TPCM.WAVHDG(3) = 370.0f;  // reduced to 10
  TPCM.LSWELL = 1;
  TPCM.LSWEL2 = 1;
  TPCM.SWLHDG = 10.04f;     // within 0.05 of 10: reuses it
  TPCM.SWLHDG2 = -0.03f;    // 359.97: across 0/360 nothing merges
  LOADN();
  EXPECT_EQ(table(), (std::vector<float>{0.0f, 0.01f, 10.0f, REDDEG(-0.03f)}));
  EXPECT_EQ(reported(), (std::vector<int>{1, 1, 1, 1}));
  EXPECT_EQ(WAVCOM.ISWELL, 3);
  EXPECT_EQ(WAVCOM.ISWEL2, 4);
}

TEST_F(HeadingsTest, SwellsTiedToTheSeaHeadingsAndSeasWithoutSpreading) {
  TPCM.LSWELL = 1;
  TPCM.LSWEL2 = 1;
  TPCM.LSWLOK = 1;
  TPCM.SWLHDG = 90.0f;
  TPCM.SWLHDG2 = 180.0f;
  TPCM.LRANDM = 1;
  TPCM.NSEAHG = 2;
  TPCM.SEAHDG(1) = 0.0f;
  TPCM.SEAHDG(2) = 270.0f;
  WAVCOM.LEXP = 0;
  LOADN();
  // Sea 1: swells 90, 180; sea 2: 0 (360), 90 again; then the seas 0 and 270.
  EXPECT_EQ(table(), (std::vector<float>{90.0f, 180.0f, 0.0f, 270.0f}));
  EXPECT_EQ(HIMEM.ISWL(1), 1);
  EXPECT_EQ(HIMEM.ISWL2(1), 2);
  EXPECT_EQ(HIMEM.ISWL(2), 3);
  EXPECT_EQ(HIMEM.ISWL2(2), 1);
  EXPECT_EQ(HIMEM.IRAN(1), 3);
  EXPECT_EQ(HIMEM.IRAN(2), 4);
  EXPECT_EQ(WAVCOM.ISWELL, 0);
}

TEST_F(HeadingsTest, SpreadingDirectionsReuseReportedHeadings) {
  TPCM.NDIR = 1;
  TPCM.WAVHDG(1) = 120.0f;
  TPCM.LRANDM = 1;
  TPCM.NSEAHG = 1;
  TPCM.SEAHDG(1) = 90.0f;
  TPCM.NA = 6;
  TPCM.ANGSEC = 180.0f;
  WAVCOM.LEXP = 1;
  WAVCOM.DADEG = 30.0f;
  LOADN();
  // Directions 0, 30, ..., 180; 120 is the regular heading and stays reported.
  EXPECT_EQ(table(), (std::vector<float>{120.0f, 0.0f, 30.0f, 60.0f, 90.0f, 150.0f, 180.0f}));
  EXPECT_EQ(reported(), (std::vector<int>{1, 0, 0, 0, 0, 0, 0}));
  const std::vector<int> links = {2, 3, 4, 5, 1, 6, 7};
  for (int d = 1; d <= 7; ++d) EXPECT_EQ(HIMEM.INTGFL(d, 1), links[d - 1]) << "direction " << d;
  EXPECT_EQ(HIMEM.IRAN(1), 0);
}

TEST_F(HeadingsTest, LogfilFindsTheLastEntryWithinATwentiethOfADegree) {
  const float t[] = {10.0f, 20.0f, 10.04f, 30.0f};
  std::int32_t found = -1;
  LOGFIL(found, 10.02f, t, 4);
  EXPECT_EQ(found, 3);
  LOGFIL(found, 20.06f, t, 4);
  EXPECT_EQ(found, 0);
  LOGFIL(found, 30.0f, t, 3);
  EXPECT_EQ(found, 0);
}

TEST_F(HeadingsTest, TooManyHeadingsStopBeforeTheTableOverflows) {
  // 37 sea headings a degree apart, each spread over 21 directions: far beyond 498.
  TPCM.LRANDM = 1;
  TPCM.NSEAHG = 37;
  for (int h = 1; h <= 37; ++h) TPCM.SEAHDG(h) = static_cast<float>(h) * 0.7f;
  TPCM.NA = 20;
  TPCM.ANGSEC = 200.0f;
  WAVCOM.LEXP = 1;
  WAVCOM.DADEG = 10.0f;
  {
    ConsoleCapture console("\n");
    EXPECT_EQ(stopStatus([] { LOADN(); }), 1);
    EXPECT_TRUE(contains(console.screen(), " ++> Too many regular wave raos requested (= 499).\n"
                                           "     Reduce total number to 498 or less\n"))
        << console.screen();
    EXPECT_EQ(WAVCOM.NRAO, 498);
  }
  // More spreading directions than a sea heading's column holds.
  SetUp();
  TPCM.LRANDM = 1;
  TPCM.NSEAHG = 1;
  TPCM.NA = 500;
  WAVCOM.LEXP = 1;
  WAVCOM.DADEG = 0.01f;
  ConsoleCapture console("\n");
  EXPECT_EQ(stopStatus([] { LOADN(); }), 1);
  EXPECT_TRUE(contains(console.screen(), " ++> Too many regular wave raos requested (= 501).")) << console.screen();
}

}  // namespace
}  // namespace qv
