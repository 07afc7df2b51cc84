// The user's files of the environment through the real programs, from the tanker example: the
// N.P.D. wind spectrum's height refused alike by the editor's execution and by the runner; a file
// that a choice asks for and the folder lacks named with that choice's page and item before any
// stage; a wave spectrum file that misses the run's frequencies named with both ranges.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "dataset/tpcm.h"
#include "dataset/tpcm_codes.h"
#include "e2e/e2e_harness.h"
#include "support/checks.h"
#include "support/example_data.h"

namespace qv {
namespace {

using testing_support::contains;
using testing_support::example;
using testing_support::withWord;

// The example's wind (40 knots, metric) with the N.P.D. spectrum evaluated 10 m under the sea.
std::string npdBelowTheSea() {
  const std::string image = withWord(example("tanker-yoke"), offsetof(Tpcm, WNDTYP), std::int32_t{kNpdWind});
  return withWord(image, offsetof(Tpcm, WSPEC_HGT), -10.0f);
}

// At 40 knots the wind profile 1 + C ln(z / 10 m) comes to nothing at 10 m exp(-1 / C) = 1.775 mm,
// C = 0.0573 sqrt(1 + 0.15 x 20.56 m/s) = 0.1158; the spectrum drops its gusts from 1.01 times that.
const std::string kNpdHeight =
    " ++> Fatal Warning: N.P.D. Spectral Evaluation Height (page 11, item 3) is -10.00;\n"
    "     the analysis needs a height above 1.7929E-03 meters: at and below it the N.P.D. wind profile,\n"
    "     the wind at 10 m times 1+C*ln(z/10m) with C = 0.12 at the wind speed of item 1, holds almost no\n"
    "     wind and the spectrum no gusts.\n";

// The editor's execution refuses it among the end-of-session checks and runs nothing; the runner,
// given the data set all the same, stops before any stage with the same words.
TEST(UserFilesE2e, TheNpdHeightIsRefusedAlikeByTheEditorAndTheRunner) {
  e2e::Folder folder;
  folder.writeFile("SALMDAT", npdBelowTheSea());
  const e2e::Run run = folder.run("M\nL\n4\n\n2\n\n");
  ASSERT_FALSE(run.timedOut);
  EXPECT_EQ(run.status, 0) << run.out;
  const std::string diagnostics = folder.readFile("Diagnostics.stxt");
  EXPECT_TRUE(contains(diagnostics, "\n" + kNpdHeight)) << diagnostics;
  EXPECT_TRUE(contains(diagnostics, " warning(s) and 1 fatal warning(s).\n")) << diagnostics;
  EXPECT_FALSE(contains(diagnostics, ">>> Computing")) << diagnostics;

  e2e::Folder runner;
  runner.writeFile("SALMDAT", npdBelowTheSea());
  const e2e::Run analysis = runner.runAnalysis();
  ASSERT_FALSE(analysis.timedOut);
  EXPECT_EQ(analysis.status, 1);
  EXPECT_EQ(analysis.err, kNpdHeight);
  EXPECT_EQ(runner.files(), (std::vector<std::string>{"Diagnostics.stxt", "SALMDAT"}));
}

// The example's wind taken from "WINDSPEC.txt", absent: the run stops before any stage, naming the
// choice that asks for the file; with the file in the folder it runs to its end.
TEST(UserFilesE2e, AMissingFileNamesThePageAndItemThatAskForIt) {
  e2e::Folder folder;
  folder.writeFile("SALMDAT",
                   withWord(example("tanker-yoke"), offsetof(Tpcm, WNDTYP), std::int32_t{kUserWindSpectrum}));
  const e2e::Run run = folder.runAnalysis();
  ASSERT_FALSE(run.timedOut);
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err,
            " ++> Fatal Warning: The wind spectrum file \"WINDSPEC.txt\" is missing;\n"
            "     the wind spectral type (page 11, item 3) reads it:\n"
            "     choose another there, or put the file in the data set's folder.\n");
  EXPECT_EQ(folder.files(), (std::vector<std::string>{"Diagnostics.stxt", "SALMDAT"}));

  // The Davenport spectrum of the example's wind, 0.02 U L x / (1 + x^2)^(4/3) with x = F L / U, U =
  // 20.556 m/s and L = 191 m, at four frequencies over the slow drift's.
  folder.writeFile("WINDSPEC.txt", "4\n0.0005 0.3648\n0.005 3.638\n0.05 28.11\n0.5 5.715\n");
  const e2e::Run again = folder.runAnalysis();
  ASSERT_FALSE(again.timedOut);
  EXPECT_EQ(again.status, 0) << again.err;
  EXPECT_TRUE(folder.exists("LOWOUT.stxt"));
}

// The example's sea taken from "WAVSPEC.txt" over 0.5 to 1.2 rad/s, where its periods, 4 to 24 s,
// need 2 pi / 24 = 0.26 to 2 pi / 4 = 1.57 rad/s: the unattended run stops at the warning, which
// names the file and both ranges, and says what to change.
TEST(UserFilesE2e, AWaveSpectrumShortOfTheRunsFrequenciesNamesBothRanges) {
  e2e::Folder folder;
  folder.writeFile("SALMDAT",
                   withWord(example("tanker-yoke"), offsetof(Tpcm, WAVTYP), std::int32_t{kSpectrumUserFile}));
  folder.writeFile("WAVSPEC.txt", "3\n0.5 1.0\n0.8 3.0\n1.2 1.0\n");
  const e2e::Run run = folder.runAnalysis();
  ASSERT_FALSE(run.timedOut);
  EXPECT_EQ(run.status, 1);
  EXPECT_TRUE(contains(run.err,
                       " ++> Warning: User file \"WAVSPEC.txt\" holds frequencies from 0.50 to 1.20 rad/s;\n"
                       "     the run's wave periods (page 14) need it from 0.26 to 1.57 rad/s (periods of 4.00 to "
                       "24.00 s).\n"))
      << run.err;
  EXPECT_TRUE(contains(run.err, " ++> The run stops here, in UWVSPC.")) << run.err;
}

}  // namespace
}  // namespace qv
