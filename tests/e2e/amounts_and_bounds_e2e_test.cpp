// The amounts a message names and the bounds the checks hold, through the real runner: a least
// amount a refusal asks for runs typed as printed, and the figure one print unit short of it is
// refused again by the same check; a value within a bound that a report's field sets prints in that
// field, and one beyond is refused naming the bound as it prints; a value the checks take as the
// bound of what it is runs as that bound through every stage.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <numbers>
#include <string>
#include <vector>

#include "dataset/tpcm.h"
#include "e2e/e2e_harness.h"
#include "support/checks.h"
#include "support/example_data.h"
#include "support/temp_dir.h"
#include "util/fortran_format.h"

namespace qv {
namespace {

using testing_support::contains;

std::filesystem::path casePath(const std::string& name) {
  return std::filesystem::path(QV_SOURCE_DIR) / "tests/e2e/cases" / name;
}

// A folder holding the user's case `name` (tests/e2e/cases/<name>: its SALMDAT with `edit` made to
// it as a user would make it on the pages, and its other files as they are).
void writeCase(const e2e::Folder& folder, const std::string& name, const std::function<void(Tpcm&)>& edit) {
  for (const auto& entry : std::filesystem::directory_iterator(casePath(name))) {
    const std::string file = entry.path().filename().string();
    std::string bytes = testing_support::readFileText(entry.path());
    if (file == "SALMDAT") {
      std::memcpy(&TPCM, bytes.data(), bytes.size());
      edit(TPCM);
      std::memcpy(bytes.data(), &TPCM, bytes.size());
    }
    folder.writeFile(file, bytes);
  }
}

using testing_support::flatMessage;

// The figure after `label` in `text`, as printed ("" where there is none).
std::string figureAfter(const std::string& text, const std::string& label) {
  const std::size_t at = text.find(label);
  if (at == std::string::npos) return {};
  const std::size_t from = at + label.size();
  return text.substr(from, text.find_first_of(" ,)", from) - from);
}

// ---- the least water depth at which a column stands ----

// The pendular case: a column of three members in 60 m of sea water (1.025 t/m^3): member 1
// (element 1, 45 m) stands on the sea bed; member 2, the buoy (element 2: 25 m long, 1256.6 m^3,
// 400 t with its centre of gravity 10 m above its lower end, waterplane 50.27 m^2), stands on it and
// pierces the surface; member 3, the link to the vessel (element 3: 350 t, its centre of gravity 22
// m above its lower end), hangs from the vessel onto the buoy's top.
//
// The buoy hinged at its lower end stands when its buoyancy and waterplane right it more than its
// weight and the link's load on its top turn it over, for a small tilt: rho A h^2 / 2 + rho I =
// W zg + P L, h its draft, A = 1256.6 / 25 m^2 its section, I = Awp^2 / (4 pi) its circular
// waterplane's second moment, and P = W3 (L3 - 22) / L3 the link's weight on its lower end (the
// link leans between two hinges under no horizontal load). The least depth is 45 m + h.
double closedFormLeastDepth(double linkLength) {
  constexpr double rho = 1.025, volume = 1256.6, length = 25.0, waterplane = 50.27, weight = 400.0, zg = 10.0;
  const double A = volume / length;
  const double I = waterplane * waterplane / (4.0 * std::numbers::pi);
  const double P = 350.0 * (linkLength - 22.0) / linkLength;
  const double h = std::sqrt((weight * zg + P * length - rho * I) / (0.5 * rho * A));
  return 45.0 + h;
}

struct DepthRun {
  int status = -1;
  std::string least;  // "60.43": the least depth the refusal names
  std::string now;    // the depth it shows beside it
};

DepthRun runAtDepth(float depth, float linkLength) {
  e2e::Folder folder;
  writeCase(folder, "pendular-60m", [&](Tpcm& t) {
    t.DEPTH = depth;
    t.SLEN(3) = linkLength;
  });
  const e2e::Run run = folder.runAnalysis();
  EXPECT_FALSE(run.timedOut);
  const std::string text = flatMessage(run.err);
  return {run.status, figureAfter(text, "the column stands from a water depth of "), figureAfter(text, "(now ")};
}

// The least depth the refusal names, typed back as printed (as the page stores it, a 4-byte float),
// runs; one hundredth less is refused by the same check, which names the same least depth and shows
// the depth typed as another figure. The named depth agrees with the buoy's closed form to within
// the print unit and the run's own float arithmetic. With the link as given the closed form's
// 60.4225 m lies below the run's own edge (60.424 refused, 60.425 runs), which a depth rounded to the
// nearest hundredth (60.42) missed; with a 36 m link it is 61.7144 m.
TEST(AmountsAndBoundsE2e, TheLeastDepthAColumnStandsAtRunsTypedAsPrinted) {
  for (const float link : {30.0f, 36.0f}) {
    SCOPED_TRACE("link of " + std::to_string(link) + " m");
    const DepthRun given = runAtDepth(60.0f, link);
    ASSERT_EQ(given.status, 1);
    ASSERT_FALSE(given.least.empty());
    EXPECT_EQ(given.now, "60.00");
    const double named = std::strtod(given.least.c_str(), nullptr);
    EXPECT_NEAR(named, closedFormLeastDepth(link), 0.015) << given.least;

    const DepthRun typed = runAtDepth(std::strtof(given.least.c_str(), nullptr), link);
    EXPECT_EQ(typed.status, 0) << given.least;
    EXPECT_TRUE(typed.least.empty());

    const float shortOfIt = std::strtof((std::to_string(std::lround(named * 100.0) - 1) + "e-2").c_str(), nullptr);
    const DepthRun refused = runAtDepth(shortOfIt, link);
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.least, given.least);
    EXPECT_NE(refused.now, refused.least);
  }
}


// ---- bounds that a report's field sets ----

// The example tanker on its yoke with `edit` made to its data set, run unattended.
struct ExampleRun {
  e2e::Run run;
  std::string statout;  // STATOUT.stxt, where the run wrote it
  std::vector<std::string> reports;  // the .stxt reports, clock masked, in the order of `kReports`
};
const char* const kReports[] = {"STATOUT.stxt", "LOWOUT.stxt", "DYNOUT.stxt", "RANOUT.stxt",
                                "TANKRAO.stxt", "TANKSUM.stxt", "TANKRAN.stxt"};
ExampleRun runTanker(const std::function<void(Tpcm&)>& edit) {
  std::string image = testing_support::example("tanker-yoke");
  std::memcpy(&TPCM, image.data(), image.size());
  edit(TPCM);
  std::memcpy(image.data(), &TPCM, image.size());
  e2e::Folder folder;
  folder.writeFile("SALMDAT", image);
  ExampleRun result{folder.runAnalysis(), "", {}};
  EXPECT_FALSE(result.run.timedOut);
  if (folder.exists("STATOUT.stxt")) result.statout = folder.readFile("STATOUT.stxt");
  for (const char* name : kReports)
    result.reports.push_back(folder.exists(name) ? testing_support::maskClock(folder.readFile(name)) : "");
  return result;
}

// A number field of a report that cannot hold its value: asterisks outside the section titles.
bool starredField(const std::string& report) {
  std::size_t start = 0;
  while (start < report.size()) {
    std::size_t end = report.find('\n', start);
    if (end == std::string::npos) end = report.size();
    const std::string line = report.substr(start, end - start);
    if (line.find('*') != std::string::npos && line.find("SUMMARY") == std::string::npos) return true;
    start = end + 1;
  }
  return false;
}

// The largest horizontal load (page 2, item 2): the statics report prints the loads of its table in
// F8.2, whose last load lands a little above the largest load. At the bound the refusal names,
// 99990.00, the example runs and prints every load; the first float beyond it and the loads that
// printed a last load of 100000.00 as asterisks (99999.94, 99999.99 and 100000.02, four units in the
// last place beyond 99999.99) are refused naming page 2, item 2 and that bound.
TEST(AmountsAndBoundsE2e, TheLargestLoadIsOneTheStaticsReportPrints) {
  const ExampleRun atBound = runTanker([](Tpcm& t) { t.TLOAD = std::strtof("99990.00", nullptr); });
  EXPECT_EQ(atBound.run.status, 0) << atBound.run.err;
  ASSERT_FALSE(atBound.statout.empty());
  EXPECT_FALSE(starredField(atBound.statout));
  EXPECT_TRUE(contains(atBound.statout, " 99989.99 ") || contains(atBound.statout, " 99990.00 ")) << "the last load";

  for (const float load : {std::nextafter(99990.0f, 1.0e6f), 99999.94f, 99999.99f, 100000.02f}) {
    SCOPED_TRACE(fmtF(load, 0, 4));
    const ExampleRun beyond = runTanker([load](Tpcm& t) { t.TLOAD = load; });
    EXPECT_EQ(beyond.run.status, 1);
    const std::string text = flatMessage(beyond.run.err);
    EXPECT_TRUE(contains(text, "Maximum horizontal load on Salm (page 2, item 2) is ")) << text;
    EXPECT_TRUE(contains(text, "a value above 0 and at most 99990.00 (what the statics report prints)")) << text;
    EXPECT_TRUE(beyond.statout.empty());
  }
}

// An element's volume (page 3, item 3), whose buoyancy the statics report prints in F9.2: the user's
// discus-buoy riser in 500 ft of water (where no cylinder of the depth's diameter bounds a volume
// first). 15,625,400 and 15,625,499 ft^3 of water of 64 lb/ft^3 weigh above 1,000,000 kips; they are
// refused naming the bound in a fixed field, 15624843.00 ft^3 (999,990 kips, at most 999,989.97
// kips as the statics form it in 4 bytes), which typed as printed is not refused (the riser then
// stops on another finding: its column does not reach the keel).
TEST(AmountsAndBoundsE2e, AnElementsVolumeIsOneWhoseBuoyancyTheStaticsReportPrints) {
  const auto run = [](float volume) {
    e2e::Folder folder;
    writeCase(folder, "riser-disc", [volume](Tpcm& t) {
      t.DEPTH = 500.0f;
      t.BUOY(1) = volume;
    });
    const e2e::Run r = folder.runAnalysis();
    EXPECT_FALSE(r.timedOut);
    return flatMessage(r.err);
  };
  for (const float volume : {15625400.0f, 15625499.0f, 15624844.0f}) {
    const std::string text = run(volume);
    EXPECT_TRUE(contains(text, "Total volume (page 3, element 1, item 3) is " + fmtF(volume, 0, 2) +
                                   "; the analysis needs a value from 0.00 to 15624843.00 (a buoyancy that the statics "
                                   "report prints)"))
        << text;
    EXPECT_FALSE(contains(text, "E+")) << text;
  }
  const std::string atBound = run(std::strtof("15624843.00", nullptr));
  EXPECT_FALSE(contains(atBound, "Total volume")) << atBound;
  EXPECT_TRUE(contains(atBound, "cannot reach the vessel's attachment")) << atBound;
  // The bound from the closed form: 999,990 kips over 64 lb/ft^3 is 15,624,843.75 ft^3.
  EXPECT_LE(15624843.0, 999990.0 * 1000.0 / 64.0);
}

// ---- a value taken as a bound of what it is ----

// The wave spreading index (page 15, item 21) is bounded by 67, where the gamma functions of its
// normalisation hold. One unit in the last place beyond it (67.0000076), and 67.004997 (shown
// 67.00), are taken as 67 by the checks, and so by every stage: the example runs with them and
// writes the reports of 67, byte for byte (the clock masked). 67.01 is refused naming page 15,
// item 21, before any stage.
TEST(AmountsAndBoundsE2e, ASpreadingIndexTakenAs67RunsAs67) {
  const ExampleRun bound = runTanker([](Tpcm& t) { t.COSEXP = 67.0f; });
  ASSERT_EQ(bound.run.status, 0) << bound.run.err;
  for (const float index : {std::nextafter(67.0f, 100.0f), 67.004997f}) {
    SCOPED_TRACE(fmtF(index, 0, 7));
    const ExampleRun taken = runTanker([index](Tpcm& t) { t.COSEXP = index; });
    EXPECT_EQ(taken.run.status, 0) << taken.run.err;
    for (std::size_t k = 0; k < bound.reports.size(); ++k) {
      EXPECT_FALSE(bound.reports[k].empty()) << kReports[k];
      EXPECT_TRUE(taken.reports[k] == bound.reports[k]) << kReports[k];
    }
  }
  const ExampleRun beyond = runTanker([](Tpcm& t) { t.COSEXP = 67.01f; });
  EXPECT_EQ(beyond.run.status, 1);
  EXPECT_TRUE(contains(flatMessage(beyond.run.err),
                       "Wave spreading index (page 15, item 21) is 67.01; the analysis needs a value from 0.00 to "
                       "67.00."))
      << beyond.run.err;
}

}  // namespace
}  // namespace qv
