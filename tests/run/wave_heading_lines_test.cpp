// The heading lines of the statistics pages ("WAVE HEADING   = ") name the waves that act, in the
// whole analysis of the committed tanker example. The independent value is the member-response
// report of the same run: its passes say from which waves the members take their loads ("MEMBER WAVE
// LOADS FROM THE SWELL AT", or the pass's own "WAVE HEADING" where only regular waves act), and the
// pages of the low-frequency and the statistics reports must give that heading, not the one left on
// the page of a switched-off sea.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <optional>
#include <regex>
#include <string>
#include <vector>

#include "dataset/tpcm.h"
#include "dataset/tpcm_codes.h"
#include "example_run.h"
#include "platform/block_reset.h"
#include "support/report_values.h"
#include "support/swells.h"

namespace qv {
namespace {

using testing_support::edited;
using testing_support::readFileText;

// Every value of the lines "<label> <value> DEG" of a report, in order.
std::vector<double> degreesAfter(const std::string& report, const std::string& label) {
  const std::regex line(label + R"( *(-?[0-9]+\.[0-9]) DEG)");
  std::vector<double> values;
  for (std::sregex_iterator at(report.begin(), report.end(), line), end; at != end; ++at)
    values.push_back(std::stod((*at)[1]));
  return values;
}

constexpr const char* kWaveHeading = "WAVE HEADING   =";

// An example as the issue's user left the tanker: the sea's page keeps its 180 degrees; the sea
// switched on or off, a 3 m, 12 s swell at 165 degrees on or off, and page 14's regular waves at 165
// degrees, as the swell page sets them when the sea is off.
std::string example(const char* name, bool sea, bool swell) {
  return edited(testing_support::example(name), [sea, swell](Tpcm& t) {
    t.SEAHDG(1) = 180.0f;
    t.LRANDM = sea ? 1 : 0;
    t.LSWELL = 0;
    t.LSWEL2 = 0;
    if (swell) {
      t.LSWLOK = 0;
      testing_support::setSwell(t, 1, {kSpectrumMeanJonswap, 3.0f, 12.0f, 165.0f, 0.0f, 0.0f, 0.0f, 0.0f});
    }
    t.WAVHDG(1) = 165.0f;
  });
}

class WaveHeadingLines : public testing_support::ExampleRun {
 protected:
  struct Reports {
    std::string lowout, ranout, dynout;
  };
  Reports run(const std::string& image) {
    closeAllUnits();
    resetAllBlocks();
    for (const char* report : {"LOWOUT.stxt", "RANOUT.stxt", "DYNOUT.stxt"}) std::filesystem::remove(report);
    EXPECT_EQ(runImage(image), -1) << readFileText("Diagnostics.stxt");
    const auto text = [](const char* file) { return std::filesystem::exists(file) ? readFileText(file) : std::string(); };
    return {text("LOWOUT.stxt"), text("RANOUT.stxt"), text("DYNOUT.stxt")};
  }
};

TEST_F(WaveHeadingLines, NameTheWavesThatLoadTheMembers) {
  struct Case {
    const char* what;
    const char* example;
    bool sea, swell;
    std::optional<double> expected;  // [deg]; none: the heading of the member-response report's line
    const char* dynoutLabel;         // the member-response report's line that names the acting waves
    std::size_t lowoutLines;         // the low-frequency member statistics' four pages; none for a free SALM
    std::size_t ranoutLines;         // at least: the statistics' pages and the modes' page
  };
  const Case cases[] = {
      {"swell alone", "tanker-yoke", false, true, 165.0, "MEMBER WAVE LOADS FROM THE SWELL AT", 4, 9},
      // The sea's heading is the principal direction, a swell beside it or not.
      {"sea and swell", "tanker-yoke", true, true, 180.0, nullptr, 4, 9},
      {"sea alone", "tanker-yoke", true, false, 180.0, nullptr, 4, 9},
      {"regular waves alone", "tanker-yoke", false, false, std::nullopt, kWaveHeading, 4, 1},
      // The free column's pass is named by the waves that act.
      {"a free SALM in a swell alone", "free-salm", false, true, 165.0, kWaveHeading, 0, 1},
      {"a free SALM in the sea", "free-salm", true, false, 180.0, kWaveHeading, 0, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const Reports r = run(example(c.example, c.sea, c.swell));
    std::optional<double> expected = c.expected;
    if (c.dynoutLabel != nullptr) {
      // The member-response report names the waves its passes load the members with, once per pass:
      // one heading for the run.
      const std::vector<double> named = degreesAfter(r.dynout, c.dynoutLabel);
      ASSERT_FALSE(named.empty()) << c.dynoutLabel;
      for (const double h : named) EXPECT_EQ(h, named.front());
      if (expected) {
        EXPECT_EQ(named.front(), *expected);
      }
      expected = named.front();
    }
    const std::vector<double> low = degreesAfter(r.lowout, kWaveHeading);
    const std::vector<double> ran = degreesAfter(r.ranout, kWaveHeading);
    EXPECT_EQ(low.size(), c.lowoutLines);
    EXPECT_GE(ran.size(), c.ranoutLines);
    // To the print's last digit: the member-response report and these pages round the same heading.
    for (const double h : low) EXPECT_NEAR(h, *expected, 0.11) << "LOWOUT.stxt";
    for (const double h : ran) EXPECT_NEAR(h, *expected, 0.11) << "RANOUT.stxt";
  }
}

}  // namespace
}  // namespace qv
