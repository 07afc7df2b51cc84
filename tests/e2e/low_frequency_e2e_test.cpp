// The low-frequency loads through the real runner on the tanker example (a 150,000 t tanker on a yoke
// SALM; waves, wind and a current of 2 knots from ahead; the 2001 tanker drift model, whose Munk
// factor a new data set holds at 0): a beam wind turns the tanker off the head sea, a spread head sea
// carries no more than the long-crested one, and the built-in current models run where their rows
// are known and stop before any stage where they are not.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

#include "dataset/tpcm.h"
#include "e2e/e2e_harness.h"
#include "support/checks.h"
#include "support/example_data.h"
#include "support/report_values.h"

namespace qv {
namespace {

using testing_support::contains;
using testing_support::example;
using testing_support::numberAfter;
using testing_support::stableVesselHeading;
using testing_support::withWord;

// The runner unattended on `image` in a fresh folder: it must end well.
struct FinishedRun {
  e2e::Folder folder;
  explicit FinishedRun(const std::string& image) {
    folder.writeFile("SALMDAT", image);
    const e2e::Run run = folder.runAnalysis();
    EXPECT_FALSE(run.timedOut);
    EXPECT_EQ(run.status, 0) << run.err;
  }
  std::string file(const std::string& name) const { return folder.readFile(name); }
};

// The vessel heading of the most stable equilibrium of section IV of "LOWOUT.stxt" [deg].
double stableHeading(const FinishedRun& run) { return stableVesselHeading(run.file("LOWOUT.stxt")); }

// The significant surge force of the first sea state of the vessel's statistics report [t].
double significantSurgeForce(const FinishedRun& run) {
  return numberAfter(run.file("TANKRAN.stxt"), "III.  IRREGULAR WAVE STATISTICS SUMMARY", "SURGE (M.TONS)");
}

// With the wind on the beam the tanker turns off the head sea until the wind's yaw moment meets that of
// the waves and the current: the drift of the waves grows from 0 as they turn off the bow. (A sway
// drift that jumped across head seas held it within a hundredth of a degree of them.) The wind from the
// other beam turns it as far the other way.
TEST(LowFrequencyE2e, ABeamWindTurnsTheTankerOffTheHeadSea) {
  const std::string tanker = example("tanker-yoke");
  const FinishedRun headOn(tanker);
  EXPECT_LT(std::fabs(stableHeading(headOn)), 0.1);
  const FinishedRun port(withWord(tanker, offsetof(Tpcm, WNDHDG), 90.0f));
  const FinishedRun starboard(withWord(tanker, offsetof(Tpcm, WNDHDG), 270.0f));
  const double turned = stableHeading(port);
  EXPECT_GT(std::fabs(turned), 3.0);
  EXPECT_NEAR(stableHeading(starboard), -turned, 0.02);
}

// The head sea spread over 6 wedges: whatever the spreading index, the spread sea's significant surge
// force is no larger than the long-crested one (the weights of a fan sum to 1). An index of 50 is too
// sharp for 6 wedges, which the run says once; 36 wedges resolve it.
TEST(LowFrequencyE2e, ASpreadHeadSeaCarriesNoMoreThanTheLongCrestedOne) {
  const std::string tanker = example("tanker-yoke");
  const FinishedRun longCrested(tanker);
  const double reference = significantSurgeForce(longCrested);
  EXPECT_GT(reference, 0.0);
  const std::string spread = withWord(tanker, offsetof(Tpcm, LSPRED), std::int32_t{1});
  const std::string tooFew = "angular wedges are too few for the wave spreading index";
  for (const float index : {2.0f, 10.0f, 50.0f}) {
    const FinishedRun run(withWord(spread, offsetof(Tpcm, COSEXP), index));
    EXPECT_LE(significantSurgeForce(run), reference) << "COSEXP " << index;
    const std::string diagnostics = run.file("Diagnostics.stxt");
    EXPECT_EQ(contains(diagnostics, tooFew), index > 2.0f) << diagnostics;
    EXPECT_EQ(diagnostics.find(tooFew), diagnostics.rfind(tooFew));
  }
  const FinishedRun fine(withWord(withWord(spread, offsetof(Tpcm, COSEXP), 50.0f), offsetof(Tpcm, NA), std::int32_t{36}));
  EXPECT_LE(significantSurgeForce(fine), reference);
  EXPECT_FALSE(contains(fine.file("Diagnostics.stxt"), tooFew));
}

std::size_t lineCount(const std::string& text) { return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')); }

// A load-offset table that ends at 100 t under the tanker's mean load of some 70 t: the storm peak of
// the low-frequency report and the most probable peak of the statistics lie beyond it. Each says so in
// "Diagnostics.stxt" and on standard error, naming page 2's maximum load; the peaks exceed the mean load,
// the statistics' peak (which adds the wave-frequency peak) the low-frequency one; the reports keep their
// lines. The example's table, to 600 t, holds both peaks: no such line.
TEST(LowFrequencyE2e, APeakLoadBeyondTheStaticsTableIsAWarningThatNamesPageTwosMaximumLoad) {
  const std::string tanker = example("tanker-yoke");
  const FinishedRun withinTable(tanker);
  EXPECT_FALSE(contains(withinTable.file("Diagnostics.stxt"), "lies beyond the"));

  e2e::Folder folder;
  folder.writeFile("SALMDAT", withWord(tanker, offsetof(Tpcm, TLOAD), 100.0f));
  const e2e::Run run = folder.runAnalysis();
  ASSERT_FALSE(run.timedOut);
  ASSERT_EQ(run.status, 0) << run.err;
  const std::string diagnostics = folder.readFile("Diagnostics.stxt");
  const std::string low = " ++> Warning: the storm peak horizontal load of LOWOUT, ";
  const std::string statistics = " ++> Warning: the most probable peak horizontal load of\n     RANOUT, ";
  // Each warning's words after its load, as its lines break them.
  const std::string lowRest = " metric tons, lies\n"
                              "     beyond the load-offset table's last load of 100.00 metric tons: its offset\n"
                              "     is extrapolated from the table's last interval. Raise the maximum\n"
                              "     horizontal load on Salm (page 2, item 2), now 100.00 metric tons, above it.\n";
  const std::string statisticsRest = " metric tons, lies beyond the load-offset table's last load\n"
                                     "     of 100.00 metric tons: its offset is extrapolated from the table's last\n"
                                     "     interval. Raise the maximum horizontal load on Salm (page 2, item 2),\n"
                                     "     now 100.00 metric tons, above it.\n";
  for (const std::string& warning : {low, statistics}) {
    const std::string& rest = warning == low ? lowRest : statisticsRest;
    for (const std::string& text : {diagnostics, run.err}) {
      ASSERT_TRUE(contains(text, warning)) << text;
      const std::size_t at = text.find(warning) + warning.size();
      EXPECT_EQ(text.substr(text.find(' ', at), rest.size()), rest) << text;
    }
  }
  const double mean =
      numberAfter(folder.readFile("LOWOUT.stxt"), "Most stable equilibrium", "SALM restoring force .......................");
  const double lowPeak = numberAfter(diagnostics, low, low);
  const double peak = numberAfter(diagnostics, statistics, statistics);
  EXPECT_GT(lowPeak, 100.0);
  EXPECT_GT(lowPeak, mean);
  EXPECT_GE(peak, lowPeak);
  for (const char* report : {"LOWOUT.stxt", "RANOUT.stxt"}) {
    EXPECT_EQ(lineCount(folder.readFile(report)), lineCount(withinTable.file(report))) << report;
    EXPECT_FALSE(contains(folder.readFile(report), "lies beyond the")) << report;
  }
}

// OCIMF '77 (model 6) at the tanker's depth/draft of 6.25 weighs the deep-water sets alone, which are
// known: the run goes through. NSMB '91 (model 4) at its load of 98 percent weighs the deep-water
// load-40 set, whose surge and yaw rows are not on hand: the run stops before any stage, saying so.
TEST(LowFrequencyE2e, BuiltInCurrentModelsRunWhereTheirRowsAreKnownAndStopBeforeAnyStageElsewhere) {
  const std::string tanker = example("tanker-yoke");
  const FinishedRun ocimf(withWord(tanker, offsetof(Tpcm, LCBARG), std::int32_t{0x666}));
  EXPECT_TRUE(contains(ocimf.file("LOWOUT.stxt"), "Current force model ................  OCIMF Tanker '77"));
  EXPECT_FALSE(contains(ocimf.file("Diagnostics.stxt"), " ++> "));

  e2e::Folder folder;
  folder.writeFile("SALMDAT", withWord(tanker, offsetof(Tpcm, LCBARG), std::int32_t{0x444}));
  const e2e::Run run = folder.runAnalysis();
  ASSERT_FALSE(run.timedOut);
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(folder.files(), (std::vector<std::string>{"Diagnostics.stxt", "SALMDAT"}));
  const std::string message =
      " ++> Fatal Warning: Built-in current coefficients of model 4, NSMB Tanker '91,\n"
      "     are not on hand\n"
      "     for depth/draft 6.25 (6.13 to the full-load draft), draft-based load 98.0 %\n"
      "     and bow factor 0.00, which would need:\n"
      "     - surge: NSMB 1991, deep water (depth/draft 4.4 and beyond), load 40 %\n"
      "     - yaw: NSMB 1991, deep water (depth/draft 4.4 and beyond), load 40 %\n"
      "     Choose another current model on page 8.\n";
  EXPECT_TRUE(contains(run.err, message)) << run.err;
  const std::string diagnostics = folder.readFile("Diagnostics.stxt");
  EXPECT_TRUE(contains(diagnostics, message)) << diagnostics;
  EXPECT_FALSE(contains(diagnostics, " --> ")) << "no stage ran";
}

}  // namespace
}  // namespace qv
