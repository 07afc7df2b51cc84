// The users' risers with the vessel under way: the buoyant riser is judged by the keel's
// wave-frequency motion as the member loads take it, the rows the vessel meets near zero encounter
// frequency at their weight. The tanker risers (tests/e2e/cases/riser-calm and riser-table): at
// 7 m/s with the waves from astern, and astern at 7 m/s into the waves, the vessel meets the 4.5 s
// wave nearly at rest and surges by about 1,340 m per m of it there: motion that belongs to the slow
// drift, which the run warns of once and leaves out of every wave-frequency statistic. Each design
// runs as it runs at rest and at 6 m/s. The discus buoy's riser (riser-disc) in a following swell:
// a speed that hardly moves the encounter frequencies judges it as at rest, and a speed that moves a
// row across the grid's lowest frequency moves its figures by a hair.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <functional>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "dataset/tpcm.h"
#include "dataset/tpcm_codes.h"
#include "dataset/unit_conversion.h"
#include "e2e/e2e_harness.h"
#include "support/checks.h"
#include "support/report_values.h"
#include "support/riser_changes.h"
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
    // The keel (member 2's top) moves by metres at wave frequency, not by the hundreds the rows met
    // near zero encounter would give it: its two-sigma radial and vertical motion.
    const std::vector<double> keel =
        testing_support::rowAfter(folder.readFile("RANOUT.stxt"), "---- WAVE-FREQUENCY MOTIONS", "2");
    ASSERT_EQ(keel.size(), 5u);
    const double metres = c.english ? 1.0 / kMetresPerFoot : 1.0;
    EXPECT_LT(keel[0], 3.0 * metres);
    EXPECT_LT(keel[1], 3.0 * metres);
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

// The user's discus-buoy riser (tests/e2e/cases/riser-disc, English) with `edit` made to it, every
// wave heading `heading` [deg] (0: with the vessel, whose direction of motion is 0) and the vessel
// at `knots`; wind and current as the case has them.
std::string discRiser(float heading, float knots, const std::function<void(Tpcm&)>& edit) {
  std::string image =
      testing_support::readFileText(std::filesystem::path(QV_SOURCE_DIR) / "tests/e2e/cases/riser-disc/SALMDAT");
  std::memcpy(&TPCM, image.data(), image.size());
  Tpcm& t = TPCM;
  edit(t);
  for (int j = 1; j <= std::max(1, t.NSEAHG); ++j) t.SEAHDG(j) = heading;
  for (int j = 1; j <= std::max(1, t.NDIR); ++j) t.WAVHDG(j) = heading;
  t.SWLHDG = heading;
  t.VGLDIR = 0.0f;
  t.TVFWD = knots * kFeetPerSecondPerKnot;
  std::memcpy(image.data(), &TPCM, image.size());
  return image;
}

// The same with element 2 (page 3, item 2) `secondLength` [ft] long, in an irregular sea of 0.5 ft
// and a swell of 12 ft at 19 s.
std::string discRiserInASwell(float secondLength, float heading, float knots) {
  return discRiser(heading, knots, [secondLength](Tpcm& t) {
    t.SLEN(2) = secondLength;
    t.SWHT(1) = 0.5f;
    t.LSWELL = 1;
    t.SWELHT = 12.0f;
    t.SWELPD = 19.0f;
  });
}

// A riser's verdict as the run gives it: the status, the keel's wave-frequency peak along the line
// from the hinge and the changes the refusal names, and what the run wrote on standard error.
struct RiserVerdict {
  int status = -1;
  double keelPeak = NAN;
  std::vector<testing_support::NamedChange> changes;
  std::string err;
};
RiserVerdict verdictOf(const std::string& image) {
  e2e::Folder folder;
  folder.writeFile("SALMDAT", image);
  const e2e::Run run = folder.runAnalysis();
  EXPECT_FALSE(run.timedOut);
  RiserVerdict v;
  v.status = run.status;
  v.err = run.err;
  const std::size_t finding = run.err.find(" ++> Fatal Warning: The buoyant riser would go taut");
  if (finding == std::string::npos) return v;
  const std::string text = std::regex_replace(run.err.substr(finding), std::regex("\n     "), " ");
  const std::string label = "moves the keel along the line from the hinge by ";
  const std::size_t at = text.find(label);
  if (at != std::string::npos) v.keelPeak = std::stod(text.substr(at + label.size()));
  v.changes = testing_support::namedChanges(text);
  return v;
}

// Two verdicts of one design that agree: the same status, and where refused the keel's peak and
// every change named, each amount within `lengths` [ft] (a length, the depth, the draft) or
// `volumes` of itself (a volume).
void expectSameVerdict(const RiserVerdict& a, const RiserVerdict& b, double lengths, double volumes) {
  EXPECT_EQ(a.status, b.status) << b.err;
  if (a.status != 1 || b.status != 1) return;
  EXPECT_NEAR(a.keelPeak, b.keelPeak, lengths) << b.err;
  ASSERT_EQ(a.changes.size(), b.changes.size()) << b.err;
  ASSERT_FALSE(a.changes.empty()) << a.err;
  for (std::size_t i = 0; i < a.changes.size(); ++i) {
    const testing_support::NamedChange &x = a.changes[i], &y = b.changes[i];
    SCOPED_TRACE(x.what);
    EXPECT_EQ(x.what, y.what);
    const double tolerance = x.what.find("volume") != std::string::npos ? volumes * x.least : lengths;
    EXPECT_NEAR(x.least, y.least, tolerance);
    if (std::isinf(x.most) || std::isinf(y.most)) EXPECT_EQ(x.most, y.most);
    else EXPECT_NEAR(x.most, y.most, tolerance);
  }
}

// A speed that moves every encounter frequency by less than 0.1 % (0.01 knot moves the 5 s wave's
// by 0.07 %, the 19.5 s wave's by 0.02 %) judges the riser as at rest: the same verdict, the keel's
// peak and every length named within one print unit (0.01 ft), every volume within 0.2 % (at rest in
// following seas with element 2 at 90 ft: a peak of 5.64 ft, element 2 to be lengthened by at least
// 8.33 ft; at 92.8 ft refused too). The swell's 19.5 s row, met at 0.02 % below the grid's lowest
// frequency, is taken nearly whole; the run warns of it. Head seas, where no row is met slowly, are
// the control: the hull's own response under way moves the figures there too (a volume by 0.05 %; a
// volume's search holds it to a relative 1e-4, and no print unit of 0.01 cubic ft).
TEST(RiserUnderWayE2e, NearlyAtRestARiserInAFollowingSwellIsJudgedAsAtRest) {
  const struct {
    const char* what;
    float secondLength, heading;  // [ft], [deg]
    std::vector<float> knots;
    double keelPeak;  // at rest [ft]
  } cases[] = {
      {"following, element 2 at 90 ft", 90.0f, 0.0f, {0.01f}, 5.64},
      {"head seas, element 2 at 90 ft", 90.0f, 180.0f, {0.01f}, 5.83},
      {"following, element 2 at 92.8 ft", 92.8f, 0.0f, {0.001f, 0.01f}, 5.56},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const RiserVerdict atRest = verdictOf(discRiserInASwell(c.secondLength, c.heading, 0.0f));
    ASSERT_EQ(atRest.status, 1) << atRest.err;
    EXPECT_NEAR(atRest.keelPeak, c.keelPeak, 0.005);
    EXPECT_FALSE(contains(atRest.err, kSlowWarning));
    for (const float knots : c.knots) {
      SCOPED_TRACE(std::to_string(knots) + " knots");
      const RiserVerdict underWay = verdictOf(discRiserInASwell(c.secondLength, c.heading, knots));
      expectSameVerdict(atRest, underWay, 0.0101, 2e-3);
      // Following, the 19.5 s row is named as met more slowly than the grid reaches; in head seas
      // none is.
      const bool following = c.heading == 0.0f;
      EXPECT_EQ(contains(underWay.err, kSlowWarning), following) << underWay.err;
      if (following) {
        EXPECT_EQ(slowPeriods(underWay.err), std::set<std::string>{"19.50"}) << underWay.err;
        EXPECT_TRUE(contains(underWay.err,
                             "in a\n     share that falls from whole at an encounter period of 19.50 s to none\n"
                             "     at 39.00 s and longer (warned once per run).\n"))
            << underWay.err;
      }
    }
  }
}

// In following seas the speed moves the rows of the grid's long periods across its lowest frequency
// one by one. With element 2 at 50 ft in the case's own sea and swell from astern, from 10.50 to
// 10.55 knots the 13.5 s row, which carries much of the swell, crosses it (met at an encounter
// period of 19.5 s, far from zero): the keel's peak (8.44 ft) and every change named move by less
// than 1 %, as between any two speeds 0.05 knot apart where no row crosses.
TEST(RiserUnderWayE2e, ARowCrossingTheGridsLowestFrequencyMovesTheFiguresByAHair) {
  const auto image = [](float knots) { return discRiser(0.0f, knots, [](Tpcm& t) { t.SLEN(2) = 50.0f; }); };
  const RiserVerdict slower = verdictOf(image(10.50f));
  const RiserVerdict faster = verdictOf(image(10.55f));
  ASSERT_EQ(slower.status, 1) << slower.err;
  EXPECT_NEAR(slower.keelPeak, 8.44, 0.005);
  EXPECT_EQ(slowPeriods(slower.err).count("13.50"), 0u) << slower.err;
  EXPECT_EQ(slowPeriods(faster.err).count("13.50"), 1u) << faster.err;
  EXPECT_LT(std::fabs(faster.keelPeak - slower.keelPeak), 0.01 * slower.keelPeak);
  ASSERT_EQ(faster.changes.size(), slower.changes.size());
  for (std::size_t i = 0; i < slower.changes.size(); ++i) {
    SCOPED_TRACE(slower.changes[i].what);
    EXPECT_LT(std::fabs(faster.changes[i].least - slower.changes[i].least), 0.01 * slower.changes[i].least);
  }
}

}  // namespace
}  // namespace qv
