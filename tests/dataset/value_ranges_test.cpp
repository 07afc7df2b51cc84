// The values the analysis stages read, checked before any stage: from a SALM with a tanker that the
// stages take, each kind of value that no stage can work with (zero or negative where a stage divides,
// not a number, infinite, a count outside its table) becomes one fatal finding naming the value, its
// page and item; a value that no stage of this data set reads is not checked.
#include "dataset/value_ranges.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "dataset/run_checks.h"
#include "dataset/tpcm.h"
#include "support/data_set_fixture.h"
#include "support/fresh_run.h"

namespace qv {
namespace {

using testing_support::DataSet;

class ValueRanges : public testing_support::FreshRun {};

// A SALM with a tanker, its slow drift and dynamics in a random sea: every value in its range.
void analysedTanker() {
  DataSet().withSalm().withTanker().with([] {
    TPCM.DWATR = 64.0f;
    TPCM.LQUAS = 1;
    TPCM.LDYN = 1;
    TPCM.LRANDM = 1;
    TPCM.WAVTYP = 2;
    TPCM.NPARM = 1;
    TPCM.NSEAHG = 1;
    TPCM.SWHT(1) = 10.0f;
    TPCM.SIGPD(1) = 12.0f;
    TPCM.NACC = 1;
    TPCM.NA = 6;
    TPCM.TLOAD = 500.0f;
  });
}

std::vector<std::string> findingLines() {
  std::vector<RunFinding> findings;
  valueRangeFindings(findings);
  std::vector<std::string> lines;
  for (const RunFinding& f : findings) {
    EXPECT_TRUE(f.fatal);
    for (const std::string& line : f.lines) lines.push_back(line);
  }
  return lines;
}

TEST_F(ValueRanges, EachValueOutsideItsRangeIsNamedWithItsPageAndItem) {
  constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
  constexpr float kInf = std::numeric_limits<float>::infinity();
  struct Case {
    const char* what;
    std::function<void()> edit;
    std::vector<std::string> lines;  // empty: nothing found
  };
  const Case cases[] = {
      {"the data set as it is", [] {}, {}},
      {"a displacement of 0", [] { TPCM.DISPL = 0.0f; },
       {" ++> Fatal Warning: Vessel displacement (page 5, item 1) is 0.00;", "     the analysis needs a value above 0."}},
      {"a density that is not a number", [] { TPCM.DWATR = kNaN; },
       {" ++> Fatal Warning: Water density (page 1, item 5) is not a number;",
        "     the analysis needs a value above 0."}},
      {"a negative element weight", [] { TPCM.TMASS(1) = -5.0f; },
       {" ++> Fatal Warning: Total dry weight of element (page 3, element 1, item 5) is -5.00;",
        "     the analysis needs a value of 0 or more."}},
      {"an infinite arm of the attachment", [] { TPCM.PNDARM = kInf; },
       {" ++> Fatal Warning: Separation of attachment points (page 3, item 14 then 3) is infinite;",
        "     the analysis needs a finite number."}},
      {"a tiny draft given in E form", [] { TPCM.DRAFT = -1e-9f; },
       {" ++> Fatal Warning: Mean vessel draft (page 5, item 10) is -1.0000E-09;",
        "     the analysis needs a value above 0."}},
      {"a draft deeper than the water", [] { TPCM.DRAFT = 120.0f; },
       {" ++> Fatal Warning: Mean vessel draft (page 5, item 10) is 120.00;",
        "     the analysis needs a draft less than the water depth (100.00, page 1, item 4)."}},
      {"a second sea state without a height", [] { TPCM.NPARM = 2; TPCM.SIGPD(2) = 8.0f; },
       {" ++> Fatal Warning: Significant height 2 (page 15, item 6) is 0.00;", "     the analysis needs a value above 0."}},
      {"user heave damping of 0", [] { TPCM.LHVDMP = 1; },
       {" ++> Fatal Warning: Heave damping (percent of critical) (page 7, item 2) is 0.00;",
        "     the analysis needs a value above 0."}},
      {"an auxiliary table whose loads do not rise", [] {
         TPCM.AUXTBL = 1;
         TPCM.NUMTAB = 3;
         TPCM.AUXFOR(1) = 0.0f;
         TPCM.AUXFOR(2) = 10.0f;
         TPCM.AUXFOR(3) = 10.0f;
       },
       {" ++> Fatal Warning: Auxiliary static offset table load 3 (page 3, item 11) is 10.00;",
        "     the analysis needs loads that rise from point to point (point 2: 10.00)."}},
      {"a word no page shows", [] { TPCM.XCURNTDN = kInf; },
       {" ++> Fatal Warning: Surge current factor XCURNTDN (word 1652 of the data set, which no page shows) is infinite;",
        "     the analysis needs a finite number."}},
      {"the unit system at the integer's limit", [] { TPCM.NUNTS = INT_MAX; },
       {" ++> Fatal Warning: Unit system NUNTS (0 English, 1 metric) (page 1, item 3) is 2147483647;",
        "     the analysis needs a value from 0 to 1."}},
      {"one table point (0 stands for 2)", [] { TPCM.NUMTAB = 1; },
       {" ++> Fatal Warning: Number of points in interpolation table (0 stands for 2) (page 2, item 4) is 1;",
        "     the analysis needs a value from 2 to 90."}},
      {"a count of vessel points past the table", [] { TPCM.NACC = 150; },
       {" ++> Fatal Warning: Number of vessel points NACC (word 754 of the data set, which no page shows) is 150;",
        "     the analysis needs a value from 0 to 149."}},
      {"the dynamics without the tanker on the yoke", [] { TPCM.ISPM = 0; },
       {" ++> Fatal Warning: Vessel configuration ISPM (word 118 of the data set, which no page shows) is 0;",
        "     the analysis needs 1 for the wave-frequency dynamics (the yoke's motions in YOKEMOT)."}},
      // What the stages of this data set do not read is not checked.
      {"no vessel stages: the vessel's words are not read", [] {
         TPCM.LQUAS = 0;
         TPCM.DISPL = 0.0f;
         TPCM.ISPM = 99;
         TPCM.SWHT(1) = kNaN;
       },
       {}},
      {"the wind off: its speed is not read", [] { TPCM.WNDSPD = -3.0f; }, {}},
      {"the wind on", [] { TPCM.LWIND = 1; TPCM.WNDSPD = -3.0f; },
       {" ++> Fatal Warning: Wind speed (page 11, item 1) is -3.00;", "     the analysis needs a value of 0 or more."}},
      {"a free SALM: no vessel, but its dynamics read the sea", [] {
         TPCM.FRESLM = 1;
         TPCM.DISPL = 0.0f;
         TPCM.SWHT(1) = kNaN;
       },
       {" ++> Fatal Warning: Significant height (page 15, item 6) is not a number;",
        "     the analysis needs a value above 0."}},
  };
  for (const Case& c : cases) {
    analysedTanker();
    c.edit();
    EXPECT_EQ(findingLines(), c.lines) << c.what;
  }
}

// The run's list of findings carries them, so that the final page and the runner give one verdict.
TEST_F(ValueRanges, AreFindingsOfTheRun) {
  analysedTanker();
  TPCM.DEPTH = 0.0f;
  bool named = false;
  for (const RunFinding& f : runFindings())
    named = named || (f.fatal && f.lines.front() == " ++> Fatal Warning: Site water depth (page 1, item 4) is 0.00;");
  EXPECT_TRUE(named);
}

}  // namespace
}  // namespace qv
