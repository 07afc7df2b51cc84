// Every hull the analysis runs, through the real editor and runner: a data set of a semi-submersible,
// a tension-leg platform, a caisson spar or a discus buoy opened in the editor and saved with no
// change is the same data set (no file written, no backup made) and runs to the same reports; a
// vessel type chosen on page 5 is kept at the next opening.
#include <gtest/gtest.h>

#include <cstddef>
#include <map>
#include <string>
#include <vector>

#include "dataset/tpcm.h"
#include "dataset/tpcm_codes.h"
#include "e2e/e2e_harness.h"
#include "run/hull_examples.h"
#include "support/checks.h"
#include "support/example_data.h"

namespace qv {
namespace {

using namespace std::chrono_literals;
using testing_support::contains;

constexpr int kVestypWord = 777;
constexpr int kSemiLikeWord = 791;

// Every file a run leaves beside the data set, its clock lines masked.
std::map<std::string, std::string> runOutputs(const e2e::Folder& folder) {
  std::map<std::string, std::string> outputs;
  for (const std::string& name : folder.files())
    if (name != "SALMDAT") outputs[name] = testing_support::maskClock(folder.readFile(name));
  return outputs;
}

// Runs the analysis in a folder of its own on `image`; the files it leaves.
std::map<std::string, std::string> analyse(const std::string& image, const std::string& what) {
  e2e::Folder folder;
  folder.writeFile("SALMDAT", image);
  const e2e::Run run = folder.runAnalysis();
  EXPECT_FALSE(run.timedOut) << what;
  EXPECT_EQ(run.status, 0) << what << "\n" << run.out << run.err << folder.readFile("Diagnostics.stxt");
  return runOutputs(folder);
}

TEST(HullTypesE2e, EachHullOpenedAndSavedWithNoChangeStaysAsItWasAndRunsAlike) {
  struct Case {
    const char* what;
    std::string image;
    std::int32_t vestyp;
    const char* summaryMark;  // a line of the vessel summary only that hull's model writes
  };
  const Case cases[] = {
      {"the semi-submersible", testing_support::semiExampleImage(), kSemiSubmersible, "(AS ESTIMATED)"},
      {"the tension-leg platform", testing_support::tlpImage(), kTensionLegPlatform, "(AS ESTIMATED)"},
      {"the caisson spar", testing_support::sparImage(), kCaissonSpar, "(AS ESTIMATED)"},
      {"the discus buoy", testing_support::discImage(), kDiscBuoy, "Disc-Shaped Buoys and Vessels"},
  };
  for (const Case& c : cases) {
    ASSERT_EQ(e2e::intWord(c.image, kVestypWord), c.vestyp) << c.what;
    const std::map<std::string, std::string> before = analyse(c.image, c.what);
    ASSERT_TRUE(before.count("TANKSUM.stxt")) << c.what;
    EXPECT_TRUE(contains(before.at("TANKSUM.stxt"), c.summaryMark)) << c.what;

    // Open, go to the last page, save and exit.
    e2e::Folder folder;
    folder.writeFile("SALMDAT", c.image);
    const e2e::Run session = folder.run("M\nL\n1\n");
    ASSERT_FALSE(session.timedOut) << c.what;
    EXPECT_EQ(session.status, 0) << c.what << "\n" << session.out;
    EXPECT_TRUE(folder.readFile("SALMDAT") == c.image) << c.what << ": the data set changed";
    EXPECT_EQ(folder.files(), std::vector<std::string>{"SALMDAT"}) << c.what << ": no backup of an unchanged set";

    const std::map<std::string, std::string> after = analyse(folder.readFile("SALMDAT"), c.what);
    EXPECT_EQ(before.size(), after.size()) << c.what;
    for (const auto& [name, text] : before) {
      ASSERT_TRUE(after.count(name)) << c.what << ": " << name;
      EXPECT_TRUE(after.at(name) == text) << c.what << ": " << name << " differs after the save";
    }
  }
}

TEST(HullTypesE2e, AVesselTypeChosenOnPage5IsKeptAtTheNextOpening) {
  e2e::Folder folder;
  folder.writeFile("SALMDAT", testing_support::example("tanker-yoke"));
  // Page 5, item 11 (the vessel type), a semi-submersible; then the last page: save and exit.
  e2e::Run run = folder.run("M\nJ5\n11\n3\nL\n1\n");
  ASSERT_FALSE(run.timedOut);
  ASSERT_EQ(run.status, 0) << run.out;
  const std::string saved = folder.readFile("SALMDAT");
  EXPECT_EQ(e2e::intWord(saved, kVestypWord), kSemiSubmersible);
  EXPECT_EQ(e2e::intWord(saved, kSemiLikeWord), 1);

  // Opened again: the page shows the semi-submersible, and a save with no change writes nothing.
  run = folder.run("M\nJ5\nL\n1\n");
  ASSERT_FALSE(run.timedOut);
  EXPECT_EQ(run.status, 0) << run.out;
  EXPECT_TRUE(contains(run.out, "Semisubmersible")) << run.out;
  EXPECT_TRUE(folder.readFile("SALMDAT") == saved);
  EXPECT_EQ(folder.files(), (std::vector<std::string>{"SALMBAK", "SALMDAT"}));
}

}  // namespace
}  // namespace qv
