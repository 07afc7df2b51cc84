// The users' tanker risers (tests/e2e/cases/riser-calm and riser-table) with the vessel under way: the
// buoyant riser is judged by the keel's wave-frequency motion as the member loads take it, without the
// rows the vessel meets near zero encounter frequency. At 7 m/s with the waves from astern, and
// astern at 7 m/s into the waves, the vessel meets the 4.5 s wave nearly at rest and surges by about
// 1,340 m per m of it there: motion that belongs to the slow drift, which the run warns of once and
// leaves out of every wave-frequency statistic. Each design runs as it runs at rest and at 6 m/s.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <regex>
#include <set>
#include <sstream>
#include <string>

#include "dataset/tpcm.h"
#include "dataset/tpcm_codes.h"
#include "dataset/unit_conversion.h"
#include "e2e/e2e_harness.h"
#include "support/checks.h"
#include "support/temp_dir.h"

namespace qv {
namespace {

using testing_support::contains;

constexpr float kMetresPerFoot = 0.3048f;
const std::string kSlowWarning = " ++> Warning: under way at ";

// The user's case tests/e2e/cases/<name>/SALMDAT with the vessel at `speed` [m/s] (negative: astern)
// and the sea and the regular waves from `heading` [deg] (0: from astern), in English units where
// `english` (the whole data set converted, the speed in ft/s).
std::string underWay(const std::string& name, float speed, float heading, bool english) {
  std::string image =
      testing_support::readFileText(std::filesystem::path(QV_SOURCE_DIR) / "tests/e2e/cases" / name / "SALMDAT");
  std::memcpy(&TPCM, image.data(), image.size());
  if (english) convertWholeDataSet();
  Tpcm& t = TPCM;
  t.TVFWD = english ? speed / kMetresPerFoot : speed;
  t.SEAHDG(1) = heading;
  t.WAVHDG(1) = heading;
  std::memcpy(image.data(), &TPCM, image.size());
  return image;
}

// The periods [s] the run's warning names as met more slowly than the grid reaches: the numbers
// between the end of its opening, "... of the grid (24.00 s):", and "motion that slow".
std::set<std::string> slowPeriods(const std::string& diagnostics) {
  std::set<std::string> periods;
  const std::size_t opening = diagnostics.find(" s):\n", diagnostics.find(kSlowWarning));
  const std::size_t end = diagnostics.find("motion that slow", opening);
  if (opening == std::string::npos || end == std::string::npos) return periods;
  std::istringstream numbers(diagnostics.substr(opening + 5, end - opening - 5));
  for (std::string word; numbers >> word;) periods.insert(word);
  return periods;
}

TEST(RiserUnderWayE2e, EachDesignRunsUnderWayAsAtRestLeavingOutTheRowsMetNearZeroEncounter) {
  const struct {
    const char* name;
    float speed, heading;  // [m/s], [deg]
    bool english;
  } cases[] = {
      {"riser-calm", 7.0f, 0.0f, false},  {"riser-calm", -7.0f, 180.0f, false}, {"riser-calm", 0.0f, 0.0f, false},
      {"riser-calm", 6.0f, 0.0f, false},  {"riser-calm", -6.0f, 180.0f, false}, {"riser-table", 7.0f, 0.0f, false},
      {"riser-table", -7.0f, 180.0f, false}, {"riser-table", 0.0f, 0.0f, false}, {"riser-table", 6.0f, 0.0f, false},
      {"riser-table", -6.0f, 180.0f, false}, {"riser-table", 7.0f, 0.0f, true},  {"riser-table", 0.0f, 0.0f, true},
  };
  const std::regex overflow(R"([0-9.]\*{4,}|\*{4,}[ ]*-?[0-9])");
  for (const auto& c : cases) {
    std::ostringstream what;
    what << c.name << " at " << c.speed << " m/s, waves from " << c.heading << " deg" << (c.english ? ", English" : "");
    SCOPED_TRACE(what.str());
    e2e::Folder folder;
    folder.writeFile("SALMDAT", underWay(c.name, c.speed, c.heading, c.english));
    const e2e::Run run = folder.runAnalysis();
    ASSERT_FALSE(run.timedOut);
    EXPECT_EQ(run.status, 0) << run.err;
    if (run.status != 0) continue;
    EXPECT_FALSE(contains(run.err, "would go taut")) << run.err;
    for (const char* report : {"STATOUT.stxt", "LOWOUT.stxt", "RANOUT.stxt"}) {
      ASSERT_TRUE(folder.exists(report)) << report;
      EXPECT_FALSE(std::regex_search(folder.readFile(report), overflow)) << report;
    }
    // Warned of once; at rest not at all.
    const std::string diagnostics = folder.readFile("Diagnostics.stxt");
    std::size_t warnings = 0;
    for (std::size_t at = diagnostics.find(kSlowWarning); at != std::string::npos;
         at = diagnostics.find(kSlowWarning, at + 1))
      ++warnings;
    EXPECT_EQ(warnings, c.speed == 0.0f ? 0u : 1u) << diagnostics;
    // The response tables keep every row whole: a load too large for its field lies on a row the
    // warning names.
    const std::set<std::string> slow = slowPeriods(diagnostics);
    EXPECT_EQ(slow.empty(), c.speed == 0.0f);
    std::istringstream dynout(folder.readFile("DYNOUT.stxt"));
    for (std::string line; std::getline(dynout, line);) {
      if (!std::regex_search(line, overflow)) continue;
      std::istringstream words(line);
      std::string period;
      words >> period;
      EXPECT_TRUE(slow.count(period) == 1) << line;
    }
  }
}

}  // namespace
}  // namespace qv
