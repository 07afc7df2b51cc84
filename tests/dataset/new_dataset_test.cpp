#include <gtest/gtest.h>

#include <cstring>

#include "dataset/new_dataset.h"
#include "dataset/tpcm.h"
#include "support/fresh_run.h"

namespace qv {
namespace {

class NewDataSet : public testing_support::FreshRun {};

TEST_F(NewDataSet, DefaultsOfThisEditor) {
  std::memset(&TPCM, 0x5A, sizeof TPCM);  // stale words from an earlier session
  newDataSetDefaults(kStoredWords, 11);
  EXPECT_EQ(TPCM.NTOGO, 0);  // cleared; the load stamps it afterwards
  EXPECT_EQ(TPCM.NWP, 30);
  EXPECT_EQ(TPCM.T(1), 5.0f);
  EXPECT_EQ(TPCM.T(100), 54.5f);
  EXPECT_EQ(TPCM.DWATR, 64.0f);
  EXPECT_EQ(TPCM.LWBARG, 273);
  EXPECT_EQ(TPCM.LCBARG, 273);
  EXPECT_EQ(TPCM.LWVCOF, 273);
  EXPECT_EQ(TPCM.STRNFC, 1.25f);
  EXPECT_EQ(TPCM.SWLWID, 0.1f);
  EXPECT_EQ(TPCM.ANGSEC, 180.0f);
  EXPECT_EQ(TPCM.VESTYP, 1);
  EXPECT_EQ(TPCM.NSEAHT, 1);
  EXPECT_EQ(TPCM.N_OCHI_COMP, 2);
  for (int i = 1; i <= 6; ++i) EXPECT_EQ(TPCM.MOTION(i), 1);
  EXPECT_EQ(TPCM.CID1P.view(), std::string(80, ' '));
  EXPECT_EQ(TPCM.SEMCOM_LAST, 0.0f);
  // Words beyond the stored image are left as they were.
  EXPECT_EQ(TPCM.MOOR_TOP(1), 0x5A5A5A5A);
}

TEST_F(NewDataSet, ByProgramType) {
  struct Case {
    int type;
    int vestyp;
    int lwvcof;
  };
  const Case cases[] = {{11, 1, 273}, {2, 2, 273}, {3, 3, 546}, {14, 3, 546}, {4, 4, 1092}, {17, 3, 819}};
  for (const Case& c : cases) {
    newDataSetDefaults(kStoredWords, c.type);
    EXPECT_EQ(TPCM.VESTYP, c.vestyp) << c.type;
    EXPECT_EQ(TPCM.LWVCOF, c.lwvcof) << c.type;
  }
  newDataSetDefaults(78635, 13);
  EXPECT_EQ(TPCM.BWVCOF, 1092);
  EXPECT_EQ(TPCM.BVSTYP, 4);
  EXPECT_EQ(TPCM.IARCO, 1);
  EXPECT_EQ(TPCM.BLCBRG, 1092);
  EXPECT_EQ(TPCM.BLWBRG, 546);
  EXPECT_EQ(TPCM.BYSHDW, 1.0f);
}

}  // namespace
}  // namespace qv
