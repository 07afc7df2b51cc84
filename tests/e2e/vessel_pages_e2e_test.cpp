// The vessel pages (5, 6, 7 and 10) through the real editor: a new data set ("C"), a jump to page 5,
// the tanker estimator for a known deadweight and draft with a few estimates copied by letter, the
// speed on page 6, a specified damping on page 7, a reflection factor on page 10, then L to the final
// page and choice 1 to save and exit. The saved "SALMDAT" is checked word by word (word w at byte
// 4(w-1)). And the estimator at a full-load draft, its data set run by the analysis.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "e2e/e2e_harness.h"
#include "example_sessions.h"
#include "support/checks.h"

namespace qv {
namespace {

using qv::testing_support::contains;
using qv::testing_support::IsClose;

// Words of the members edited here in the stored image.
constexpr int kWordLhvdmp = 767;
constexpr int kWordTxwnda = 1353;
constexpr int kWordBowfac = 1361;
constexpr int kWordHvdamp = 1371;
constexpr int kWordDispl = 1409;
constexpr int kWordTvkb = 1410;
constexpr int kWordDraft = 1412;
constexpr int kWordLwl = 1419;
constexpr int kWordBwl = 1420;
constexpr int kWordTvfwd = 1425;
constexpr int kWordDwtons = 1666;
constexpr int kWordLoaded = 1390;
constexpr int kWordDftpct = 1392;
constexpr int kWordDsppct = 1394;
constexpr std::size_t kStoredBytes = 4 * 4975;

using e2e::floatWord;
using e2e::intWord;

TEST(VesselPagesE2e, EstimatorSpeedDampingAndReflection) {
  e2e::Folder folder;
  const std::string script =
      "C\n"
      "j5\n"           // to page 5 (typed on the first page shown)
      "12\n"           // the tanker estimator: nothing to estimate from yet
      "1\n250000\n"    // deadweight 250000 long tons; the draft 0 is below the lightship draft
      "\n"             // ... and is raised to it
      "2\n62\n"        // draft 62 ft
      "a,c,d,e,s,t\n"  // copy displacement, length, beam, draft, deadweight, head-on wind area
      "\n"             // page 5 -> page 6
      "9\n10\n"        // 10 knots
      "\n"             // page 6 -> page 7
      "1\n5\n"         // heave damping specified: 5 percent
      "j10\n"          // to page 10
      "20\n21\n1.8\n"  // reflection factors shown, bow shape factor 1.8
      "l\n1\n";        // the final page: save and exit
  const e2e::Run run = folder.run(script);
  ASSERT_FALSE(run.timedOut);
  EXPECT_EQ(run.status, 0) << run.out;

  EXPECT_TRUE(contains(run.out, "\f ++> Requested draft is less than the minimum\n"));
  // tests/editor/reference/tanker_reference.py, estimate(250000, 62).
  EXPECT_TRUE(contains(run.out,
                       "     tanker property estimates:    2. Simulation Draft ...   62.00 feet           \n\n"
                       "A. Vessel Displacement     612731. Kips   L. Freeboard-based load...    88.6%\n"));
  EXPECT_TRUE(contains(run.out, "  1) Vessel displacement ................................  612731.12 k.lbs \n"));
  EXPECT_TRUE(contains(run.out, "  9) Vessel speed (knots) ...............................     10.00       \n"));
  EXPECT_TRUE(contains(run.out, "  2) Heave damping (percent of critical) ................     5.00\n"));
  EXPECT_TRUE(contains(run.out, " 21) Bow shape factor ...............................       1.80\n"));

  ASSERT_TRUE(folder.exists("SALMDAT"));
  const std::string image = folder.readFile("SALMDAT");
  ASSERT_EQ(image.size(), kStoredBytes);
  EXPECT_TRUE(IsClose(floatWord(image, kWordDispl), 612731.147, 1e-5));
  EXPECT_TRUE(IsClose(floatWord(image, kWordLwl), 1031.73837, 1e-5));
  EXPECT_TRUE(IsClose(floatWord(image, kWordBwl), 179.593547, 1e-5));
  EXPECT_EQ(floatWord(image, kWordDraft), 62.0f);
  EXPECT_TRUE(IsClose(floatWord(image, kWordDwtons), 560000.0, 1e-6)) << "250000 long tons in kips";
  EXPECT_TRUE(IsClose(floatWord(image, kWordTxwnda), 12185.1401, 1e-5));
  EXPECT_EQ(floatWord(image, kWordTvkb), 0.0f) << "P was not chosen";
  EXPECT_EQ(floatWord(image, kWordTvfwd), 16.87f) << "10 knots in feet per second";
  EXPECT_EQ(intWord(image, kWordLhvdmp), 1);
  EXPECT_EQ(floatWord(image, kWordHvdamp), 5.0f);
  EXPECT_EQ(floatWord(image, kWordBowfac), 1.8f);
}

TEST(VesselPagesE2e, InputEndingInTheEstimatorSavesNothing) {
  for (const char* script : {"C\nj5\n12\n", "C\nj5\n12\n1\n250000\n", "C\nj5\n11\n"}) {
    e2e::Folder folder;
    const e2e::Run run = folder.run(script, std::chrono::seconds(5));
    ASSERT_FALSE(run.timedOut) << script;
    EXPECT_EQ(run.status, 2) << script;
    EXPECT_FALSE(folder.exists("SALMDAT")) << script;
  }
}

// The tanker estimator of a new English data set at the full-load draft of 112,000 long tons
// deadweight, whose shares of the full load (freeboard-based, draft-based, displacement-based) the
// quotient of two equal values once rounded to 100 + 2^-17 percent, which the analysis refused as
// more than the full load: the list shows 100.0 % and the data set holds 100. Around it, the site
// and the yoke SALM of the tanker example (the data set converted to metric units, every value),
// so that the analysis runs past its data findings to the end.
TEST(VesselPagesE2e, TheEstimatorsFullLoadIsTheAnalysisFullLoad) {
  const std::string estimator =
      "j5\n"              // to page 5 of the new data set, in English units
      "12\n"              // the tanker estimator
      "1\n112000\n" "\n"  // the deadweight; the draft 0, below the lightship draft, raised to it
      "2\n300\n" "\n"     // a draft of 300 ft, held at the full-load draft
      "Z\n"               // every estimate into the data set
      "j1\n";             // back to page 1
  const std::string site = "1\nFull-load tanker\n" "2\nfrom the estimator\n"
                           "3\n2\n" "\n"  // every value converted to metric units, past the warning
                           "4\n100\n" "\n";
  // The example's pages 2 to 19, its own draft and estimate on page 5 left out.
  std::string salm = examples::kTankerSalmAndVesselPages;
  const std::string exampleEstimate = "10\n16\n" "12\n" "1\n147630\n" "Z\n";
  ASSERT_NE(salm.find(exampleEstimate), std::string::npos);
  salm.erase(salm.find(exampleEstimate), exampleEstimate.size());
  const std::string session = "C\n" + estimator + site + salm + examples::kTankerForceModelsPage +
                              examples::kTankerForcesAndAreasPages + examples::kWindAndCurrentPages + "\n" +
                              examples::kSeaAndOutputPages + "1\n";
  e2e::Folder folder;
  const e2e::Run edit = folder.run(session);
  ASSERT_FALSE(edit.timedOut);
  ASSERT_EQ(edit.status, 0) << edit.out;
  EXPECT_TRUE(contains(edit.out, "\f ++> Requested draft is greater than the maximum\n"));
  EXPECT_TRUE(contains(edit.out, "B. Displacement-based load    100.0%      M. Draft-based load.......   100.0%\n"));
  const std::string image = folder.readFile("SALMDAT");
  EXPECT_EQ(floatWord(image, kWordLoaded), 100.0f);
  EXPECT_EQ(floatWord(image, kWordDftpct), 100.0f);
  EXPECT_EQ(floatWord(image, kWordDsppct), 100.0f);

  const e2e::Run run = folder.runAnalysis();
  ASSERT_FALSE(run.timedOut);
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_FALSE(contains(folder.readFile("Diagnostics.stxt"), "Fatal")) << folder.readFile("Diagnostics.stxt");
}

}  // namespace
}  // namespace qv
