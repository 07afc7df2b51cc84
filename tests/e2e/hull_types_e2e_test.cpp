// Every hull the analysis runs, through the real editor and runner: a data set of a semi-submersible,
// a tension-leg platform, a caisson spar or a discus buoy opened in the editor and saved with no
// change is the same data set (no file written, no backup made) and runs to the same reports; a
// vessel type chosen on page 5 is kept at the next opening; each converted to English units on page
// 1 runs to the metric results converted, and converted back is the data set it was.
#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "dataset/tpcm.h"
#include "dataset/tpcm_codes.h"
#include "e2e/e2e_harness.h"
#include "run/hull_examples.h"
#include "support/checks.h"
#include "support/example_data.h"
#include "support/report_values.h"

namespace qv {
namespace {

using namespace std::chrono_literals;
using testing_support::contains;

constexpr int kVestypWord = 777;
constexpr int kSemiLikeWord = 791;
constexpr int kNuntsWord = 117;
constexpr int kStoredWords = 4975;

// The factors from metric into English units, written here from their definitions: a foot is
// 0.3048 m exactly; a metric ton weighs 1000 kg x 2.20462262 lb/kg = 2.20462262 kips.
constexpr double kFeetPerMetre = 1.0 / 0.3048;
constexpr double kKipsPerTon = 2.20462262;

// The four hulls, each with a line that only its model writes into the vessel summary.
struct Hull {
  const char* what;
  std::string image;
  std::int32_t vestyp;
  const char* summaryMark;
};
std::vector<Hull> hulls() {
  return {
      {"the semi-submersible", testing_support::semiExampleImage(), kSemiSubmersible, "(AS ESTIMATED)"},
      {"the tension-leg platform", testing_support::tlpImage(), kTensionLegPlatform, "(AS ESTIMATED)"},
      {"the caisson spar", testing_support::sparImage(), kCaissonSpar, "(AS ESTIMATED)"},
      {"the discus buoy", testing_support::discImage(), kDiscBuoy, "Disc-Shaped Buoys and Vessels"},
  };
}

// Page 1, item 3: the whole data set into the other units (the warning's pause answered with
// Return); then the last page: save and exit.
constexpr std::string_view kConvertAndSave = "M\n3\n2\n\nL\n1\n";

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
  for (const Hull& c : hulls()) {
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

TEST(HullTypesE2e, EachHullConvertedToEnglishUnitsRunsToTheMetricResultsAndConvertsBack) {
  // A value read off a report, with the unit factor that takes the metric one into the English one.
  struct Value {
    const char* report;
    const char* from;          // the section it is read in
    const char* metricLabel;
    const char* englishLabel;
    double factor;
    double resolution;         // half the last printed place of the English value
  };
  const Value values[] = {
      {"TANKSUM.stxt", "", "DISPLACEMENT ..........................", "DISPLACEMENT ..........................",
       kKipsPerTon, 0.005},
      {"TANKRAN.stxt", "SIGNIFICANT SINGLE AMPLITUDE FORCES", "SURGE (M.TONS)", "SURGE (K.LBS)", kKipsPerTon, 0.0005},
      {"TANKRAN.stxt", "SIGNIFICANT SINGLE AMPLITUDE FORCES", "PITCH (M.TON-MTR)", "PITCH (K.LBS-FT.)",
       kKipsPerTon * kFeetPerMetre, 0.0005},
      {"LOWOUT.stxt", "Most stable equilibrium", "SALM restoring force .......................",
       "SALM restoring force .......................", kKipsPerTon, 0.005},
      {"LOWOUT.stxt", "Most stable equilibrium", "Vessel offset ..............................",
       "Vessel offset ..............................", kFeetPerMetre, 0.005},
      {"LOWOUT.stxt", "Long-period single-amplitude surge motions", "Period .....................................",
       "Period .....................................", 1.0, 0.005},
      {"LOWOUT.stxt", "Long-period single-amplitude surge motions", "Damping due to current .....................",
       "Damping due to current .....................", 1.0, 0.005},
  };
  for (const Hull& c : hulls()) {
    ASSERT_EQ(e2e::intWord(c.image, kNuntsWord), 1) << c.what << ": a metric data set";
    const std::map<std::string, std::string> metric = analyse(c.image, c.what);

    e2e::Folder folder;
    folder.writeFile("SALMDAT", c.image);
    e2e::Run session = folder.run(kConvertAndSave);
    ASSERT_FALSE(session.timedOut) << c.what;
    ASSERT_EQ(session.status, 0) << c.what << "\n" << session.out;
    const std::string english = folder.readFile("SALMDAT");
    ASSERT_EQ(e2e::intWord(english, kNuntsWord), 0) << c.what;
    const std::map<std::string, std::string> converted = analyse(english, c.what);
    for (const Value& v : values) {
      ASSERT_TRUE(metric.count(v.report) && converted.count(v.report)) << c.what << ": " << v.report;
      const double m = testing_support::numberAfter(metric.at(v.report), v.from, v.metricLabel);
      const double e = testing_support::numberAfter(converted.at(v.report), v.from, v.englishLabel);
      const double expected = m * v.factor;
      // 0.1 % of the value, and the rounding of the two printed values.
      const double allowed = 1e-3 * std::fabs(expected) + v.resolution * (1.0 + std::fabs(v.factor));
      EXPECT_NEAR(e, expected, allowed) << c.what << ": " << v.report << ", " << v.englishLabel;
    }

    // Back to metric: every value within 1e-5 of what it was; words that are no number (flags,
    // counts, text) exactly as they were.
    session = folder.run(kConvertAndSave);
    ASSERT_FALSE(session.timedOut) << c.what;
    ASSERT_EQ(session.status, 0) << c.what << "\n" << session.out;
    const std::string back = folder.readFile("SALMDAT");
    ASSERT_EQ(back.size(), c.image.size()) << c.what;
    int faults = 0;
    for (int w = 1; w <= kStoredWords && faults < 10; ++w) {
      const std::int32_t was = e2e::intWord(c.image, w);
      const std::int32_t now = e2e::intWord(back, w);
      if (was == now) continue;
      const float a = e2e::floatWord(c.image, w);
      const float b = e2e::floatWord(back, w);
      if (std::isfinite(a) && std::isfinite(b) && std::fabs(b - a) <= 1e-5f * std::fabs(a)) continue;
      ++faults;
      ADD_FAILURE() << c.what << ": word " << w << " was " << a << " (" << was << "), is " << b << " (" << now << ")";
    }
  }
}

TEST(HullTypesE2e, ADiscsPeriodsGivenByTheUserKeepTheirSecondsInEnglishUnits) {
  // With the surge, sway and yaw periods given, each period stands in the word of its spring: the
  // conversion leaves them in seconds, and both runs report them.
  struct Period {
    std::size_t word;
    float seconds;
    const char* label;
  };
  const Period periods[] = {{offsetof(Tpcm, SGK), 90.0f, "MOOR-MODIFIED SURGE PERIOD ............."},
                            {offsetof(Tpcm, SWK), 80.0f, "MOOR-MODIFIED SWAY PERIOD .............."},
                            {offsetof(Tpcm, YWK), 40.0f, "MOOR-MODIFIED YAW PERIOD ..............."}};
  std::string image = testing_support::discImage();
  for (const Period& p : periods) image = testing_support::withWord(image, p.word, p.seconds);
  const std::map<std::string, std::string> metric = analyse(image, "metric");
  ASSERT_TRUE(metric.count("TANKSUM.stxt"));
  e2e::Folder folder;
  folder.writeFile("SALMDAT", image);
  const e2e::Run session = folder.run(kConvertAndSave);
  ASSERT_EQ(session.status, 0) << session.out;
  const std::map<std::string, std::string> english = analyse(folder.readFile("SALMDAT"), "English");
  ASSERT_TRUE(english.count("TANKSUM.stxt"));
  for (const Period& p : periods) {
    EXPECT_EQ(testing_support::numberAfter(metric.at("TANKSUM.stxt"), "", p.label), p.seconds) << p.label;
    EXPECT_EQ(e2e::floatWord(folder.readFile("SALMDAT"), static_cast<int>(p.word / 4) + 1), p.seconds) << p.label;
    EXPECT_EQ(testing_support::numberAfter(english.at("TANKSUM.stxt"), "", p.label), p.seconds) << p.label;
  }
}

// The lines a disc's mooring feedback would feed back lie in the mooring section, which this program
// neither edits nor stores: a data set that asks for the feedback (page 7, item 13) and leaves the
// buoy's surge, sway and yaw periods to the lines has no spring in those motions and no period to
// report. The final page's checks and the runner refuse it alike, before any report.
TEST(HullTypesE2e, ADiscFeedingBackMooringLinesThatTheDataSetDoesNotHoldIsRefused) {
  std::string image = testing_support::discImage();
  for (const std::size_t flag : {offsetof(Tpcm, LSGPRD), offsetof(Tpcm, LSWPRD), offsetof(Tpcm, LYWPRD)})
    image = testing_support::withWord(image, flag, std::int32_t{0});
  const std::string message =
      " ++> Fatal Warning: Mooring feedback of the discus buoy (page 7, item 13) is on,\n"
      "     but the data set holds no mooring line to feed back (this program neither\n"
      "     edits nor stores the mooring lines): without them the buoy's surge, sway\n"
      "     and yaw would have no spring and no moor-modified period.\n"
      "     Answer No at page 7, item 13, or analyse a data set that holds the mooring\n"
      "     lines.\n";

  // The last page, run silently: the checks stop it; leave without saving.
  e2e::Folder editor;
  editor.writeFile("SALMDAT", image);
  const e2e::Run session = editor.run("M\nL\n4\n\n2\n\n");
  ASSERT_FALSE(session.timedOut);
  EXPECT_EQ(session.status, 0) << session.out;
  const std::string diagnostics = editor.readFile("Diagnostics.stxt");
  EXPECT_TRUE(contains(diagnostics, "\n" + message)) << diagnostics;
  EXPECT_TRUE(contains(session.out, " ++> Silent execution stopped:")) << session.out;
  EXPECT_FALSE(contains(diagnostics, ">>> Computing")) << diagnostics;

  e2e::Folder runner;
  runner.writeFile("SALMDAT", image);
  const e2e::Run analysis = runner.runAnalysis();
  ASSERT_FALSE(analysis.timedOut);
  EXPECT_EQ(analysis.status, 1);
  EXPECT_TRUE(analysis.err.ends_with(message)) << analysis.err;  // after the warnings of the data set
  EXPECT_EQ(runner.files(), (std::vector<std::string>{"Diagnostics.stxt", "SALMDAT"}));

  // Answered No, the same buoy runs without the feedback.
  const std::map<std::string, std::string> reports =
      analyse(testing_support::withWord(image, offsetof(Tpcm, MORFBK), std::int32_t{0}), "no feedback");
  ASSERT_TRUE(reports.count("TANKSUM.stxt"));
  EXPECT_TRUE(contains(reports.at("TANKSUM.stxt"), "UNMOORED HEAVE PERIOD")) << reports.at("TANKSUM.stxt");
}

}  // namespace
}  // namespace qv
