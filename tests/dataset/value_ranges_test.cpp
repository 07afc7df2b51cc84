// The values the analysis stages read, checked before any stage: from a SALM with a tanker that the
// stages take, each kind of value that no stage can work with (zero or negative where a stage divides,
// not a number, infinite, a count outside its table) becomes one fatal finding naming the value, its
// page and item; a value that no stage of this data set reads is not checked.
#include "dataset/value_ranges.h"

#include <gtest/gtest.h>

#include <bit>

#include <algorithm>
#include <cctype>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "dataset/lowcof.h"
#include "dataset/run_checks.h"
#include "dataset/tpcm.h"
#include "dataset/tpcm_codes.h"
#include "support/checks.h"
#include "support/data_set_fixture.h"
#include "support/fresh_run.h"
#include "support/run_findings.h"
#include "util/fortran_format.h"

namespace qv {
namespace {

using testing_support::contains;
using testing_support::DataSet;

class ValueRanges : public testing_support::FreshRun {};

// A SALM with a tanker, its slow drift and dynamics in a random sea: every value in its range. The
// column stands on two free members, as the wave-frequency dynamics take it.
void analysedTanker() {
  DataSet().withSalm().withTanker().with([] {
    TPCM.NELEM = 2;
    TPCM.IFREE(1) = TPCM.IFREE(2) = 1;
    TPCM.SLEN(2) = 20.0f;
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
    TPCM.OFFINC = 5.0f;
    TPCM.PNDARM = 10.0f;  // the yoke's sides, against its 20 ft member
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
       {" ++> Fatal Warning: Vessel displacement (page 5, item 1) is 0.00;",
        "     the analysis needs a value above 0 and at most 19200.00 (the displacement",
        "     of a box of the waterline length, beam and draft, page 5, items 8 to 10)."}},
      {"a density that is not a number", [] { TPCM.DWATR = kNaN; },
       {" ++> Fatal Warning: Water density (page 1, item 5) is not a number;",
        "     the analysis needs a value from 59.31 to 81.16."}},
      {"a negative element weight", [] { TPCM.TMASS(1) = -5.0f; },
       {" ++> Fatal Warning: Total dry weight of element (page 3, element 1, item 5)",
        "     is -5.00;",
        "     the analysis needs a value from 0.00 to 999990.00 (what the statics report",
        "     prints)."}},
      {"an infinite arm of the attachment", [] { TPCM.PNDARM = kInf; },
       {" ++> Fatal Warning: Separation of attachment points (page 3, item 14 then 3) is",
        "     infinite;",
        "     the analysis needs a separation from 0.20 (a hundredth of the length of the",
        "     attachment's member, 20.00 (page 3, item 2): the side loads are its loads",
        "     times its length over the separation) to 300.00 in size (the waterline",
        "     length, page 5, item 8)."}},
      {"a tiny draft given in E form", [] { TPCM.DRAFT = -1e-9f; },
       {" ++> Fatal Warning: Mean vessel draft (page 5, item 10) is -1.0000E-09;",
        "     the analysis needs a value above 0 and below 100.00 (the water depth,",
        "     page 1, item 4)."}},
      {"a draft deeper than the water", [] { TPCM.DRAFT = 120.0f; },
       {" ++> Fatal Warning: Mean vessel draft (page 5, item 10) is 120.00;",
        "     the analysis needs a value above 0 and below 100.00 (the water depth,",
        "     page 1, item 4)."}},
      {"a second sea state without a height", [] { TPCM.NPARM = 2; TPCM.SIGPD(2) = 8.0f; },
       {" ++> Fatal Warning: Significant height 2 (page 15, item 6) is 0.00;",
        "     the analysis needs a height above 0 and at most 45.07 (a seventh of the",
        "     wave length 315.52 of the peak period 8.00 s (page 15, item 7) in the water",
        "     depth: a steeper sea breaks)."}},
      {"user heave damping of 0", [] { TPCM.LHVDMP = 1; },
       {" ++> Fatal Warning: Heave damping (percent of critical) (page 7, item 2)",
        "     is 0.00;",
        "     the analysis needs a value above 0 and at most 100.00 (percent of",
        "     critical)."}},
      {"an auxiliary table whose loads do not rise", [] {
         TPCM.AUXTBL = 1;
         TPCM.NUMTAB = 3;
         TPCM.AUXFOR(1) = 0.0f;
         TPCM.AUXFOR(2) = 10.0f;
         TPCM.AUXFOR(3) = 10.0f;
       },
       {" ++> Fatal Warning: Auxiliary static offset table load 3 (page 3, item 11)",
        "     is 10.00;",
        "     the analysis needs a value above 10.00 (the load of point 2: the loads rise",
        "     from point to point) and at most 99990.00 (what the statics report prints)."}},
      {"a word no page shows", [] { TPCM.XCURNTDN = kInf; },
       {" ++> Fatal Warning: Surge current factor XCURNTDN (word 1652 of the data set,",
        "     which no page shows) is infinite;",
        "     the analysis needs a value from 0.00 to 10.00."}},
      {"the unit system at the integer's limit", [] { TPCM.NUNTS = INT_MAX; },
       {" ++> Fatal Warning: Unit system NUNTS (0 English, 1 metric) (page 1, item 3)",
        "     is 2147483647;",
        "     the analysis needs a value from 0 to 1."}},
      {"one table point (0 stands for 2)", [] { TPCM.NUMTAB = 1; },
       {" ++> Fatal Warning: Number of points in interpolation table (page 2, item 4)",
        "     is 1;",
        "     the analysis needs 0 (which stands for 2) or a value from 2 to 90."}},
      {"a count of vessel points past the table", [] { TPCM.NACC = 150; },
       {" ++> Fatal Warning: Number of vessel points NACC (word 754 of the data set,",
        "     which no page shows) is 150;",
        "     the analysis needs a value from 0 to 149."}},
      {"the dynamics without the tanker on the yoke", [] { TPCM.ISPM = 0; },
       {" ++> Fatal Warning: Vessel configuration ISPM (word 118 of the data set, which",
        "     no page shows) is 0;",
        "     the analysis needs 1 for the wave-frequency dynamics (the yoke's motions in",
        "     YOKEMOT)."}},
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
       {" ++> Fatal Warning: Wind speed (page 11, item 1) is -3.00;",
        "     the analysis needs a value from 0.00 to 250.00 (knots)."}},
      {"a free SALM: no vessel, but its dynamics read the sea", [] {
         TPCM.IARCO = kFreeSalm;
         TPCM.FRESLM = 1;
         TPCM.DISPL = 0.0f;
         TPCM.SWHT(1) = kNaN;
       },
       {" ++> Fatal Warning: Significant height (page 15, item 6) is not a number;",
        "     the analysis needs a height above 0 and at most 83.37 (a seventh of the",
        "     wave length 583.57 of the peak period 12.00 s (page 15, item 7) in the",
        "     water depth: a steeper sea breaks)."}},
  };
  for (const Case& c : cases) {
    analysedTanker();
    c.edit();
    EXPECT_EQ(findingLines(), c.lines) << c.what;
  }
}

// Beyond the ranges in which a stage can compute at all, each value is bounded by what it is: a
// length by the site and its member, a height by the water depth, a heading by a turn, a
// coefficient by the range of its load model, a code by its choices and the parameters of its
// branch. A bound that leans on another value names it with its page and item.
TEST_F(ValueRanges, EachValueIsBoundedByWhatItIs) {
  struct Case {
    const char* what;
    std::function<void()> edit;
    std::vector<std::string> lines;  // empty: nothing found
  };
  const Case cases[] = {
      {"a centroid beyond its element", [] { TPCM.CBUOY(1) = 31000.0f; },
       {" ++> Fatal Warning: Centroid of volume (page 3, element 1, item 4) is 31000.00;",
        "     the analysis needs a value from 0.00 to 150.00 (the element's",
        "     length, item 2)."}},
      {"a centre of gravity at the element's top", [] { TPCM.CGSALM(1) = 150.0f; }, {}},
      {"a column element longer than twice the water depth", [] { TPCM.SLEN(1) = 201.0f; },
       {" ++> Fatal Warning: Element length (page 3, element 1, item 2) is 201.00;",
        "     the analysis needs a value above 0 and at most 200.00 (twice the water",
        "     depth, page 1, item 4)."}},
      // The attachment above the piercing element (element 1) is a link of its own length.
      {"a hawser of three times the water depth", [] { TPCM.SLEN(2) = 300.0f; }, {}},
      {"a link longer than twice the longest ship", [] { TPCM.SLEN(2) = 3300.0f; },
       {" ++> Fatal Warning: Element length (page 3, element 2, item 2) is 3300.00;",
        "     the analysis needs a value above 0 and at most 3280.84 (twice the longest",
        "     ship built)."}},
      {"a regular wave higher than 0.78 of the water depth", [] { TPCM.SLPHT = 78.5f; },
       {" ++> Fatal Warning: Wave height or slope (page 14, item 4) is 78.50;",
        "     the analysis needs a height from 0.00 to 78.00 (0.78 of the water depth,",
        "     page 1, item 4: a higher wave breaks on the sea bed)."}},
      {"a slope steeper than the limiting wave's", [] { TPCM.LSLPHT = 1; TPCM.SLPHT = 30.0f; },
       {" ++> Fatal Warning: Wave height or slope (page 14, item 4) is 30.00;",
        "     the analysis needs a value from 0.00 to 25.70 (degrees: the limiting wave's",
        "     slope)."}},
      {"a heading beyond a turn", [] { TPCM.SEAHDG(1) = -360.5f; },
       {" ++> Fatal Warning: Wave heading (page 15, item 4) is -360.50;",
        "     the analysis needs a value from -360.00 to 360.00 (degrees)."}},
      {"an added-mass coefficient of 5", [] { TPCM.COFMST(1) = 5.0f; }, {}},
      {"a drag coefficient of 5.5", [] { TPCM.COFDMT(2) = 5.5f; },
       {" ++> Fatal Warning: Effective drag coefficient of element (page 3,",
        "     element 2, item 10) is 5.50;",
        "     the analysis needs a value from 0.00 to 5.00."}},
      {"a peak period of a capillary ripple", [] { TPCM.SIGPD(1) = 0.05f; },
       {" ++> Fatal Warning: Spectrum peak period (page 15, item 7) is 0.05;",
        "     the analysis needs a value from 0.10 to 999.99 (seconds)."}},
      {"the general JONSWAP sea without its shape", [] { TPCM.WAVTYP = 5; },
       {" ++> Fatal Warning: JONSWAP \"Gamma\" Parameter (page 15, item 8) is 0.00;",
        "     the analysis needs a value from 1.00 to 20.00.",
        " ++> Fatal Warning: JONSWAP \"Sigma a\" Shape Parameter (page 15, item 9) is 0.00;",
        "     the analysis needs a value above 0 and at most 1.00.",
        " ++> Fatal Warning: JONSWAP \"Sigma b\" Shape Parameter (page 15, item 10)",
        "     is 0.00;",
        "     the analysis needs a value above 0 and at most 1.00."}},
      {"the general JONSWAP sea with its shape", [] {
         TPCM.WAVTYP = 5;
         TPCM.JONGAM = 3.3f;
         TPCM.JONPL = 0.07f;
         TPCM.JONPG = 0.09f;
       },
       {}},
      {"a default swell sea peaking off the regular periods", [] {
         TPCM.WAVTYP = 0;
         TPCM.SIGPD(1) = 30.0f;  // the periods: 5 to 19.5 s in steps of 0.5 s
       },
       {" ++> Fatal Warning: Spectrum peak period (page 15, item 7) is 30.00;",
        "     the analysis needs a period on the regular wave periods, from 4.75 to",
        "     below 19.75 (page 14, item 2)."}},
      {"an Ochi-Hubble sea of five components", [] { TPCM.WAVTYP = 9; TPCM.N_OCHI_COMP = 5; },
       {" ++> Fatal Warning: Number of Ochi-Hubble wave components (page 15, item 5)",
        "     is 5;",
        "     the analysis needs a value from 1 to 4."}},
      {"an Ochi-Hubble component without a shape", [] {
         TPCM.WAVTYP = 9;
         TPCM.N_OCHI_COMP = 1;
         TPCM.OCHI_LAMBDA(1) = 0.0f;
       },
       {" ++> Fatal Warning: Component Lambda Value (page 15, item 8) is 0.00;",
        "     the analysis needs a value above 0 and at most 34.50."}},
      {"an Ochi-Hubble swell", [] { TPCM.LSWELL = 1; TPCM.SWELHT = 2.0f; TPCM.SWELPD = 12.0f; TPCM.SWLTYP = 9; },
       {" ++> Fatal Warning: Swell type (the list's number less 1) (page 16, item 2)",
        "     is 9;",
        "     the analysis needs a value from 0 to 10 but 9 (the Ochi-Hubble sea)."}},
      {"the report switch of the principal directions at 2", [] { TPCM.PRNRAO = 2; },
       {" ++> Fatal Warning: Output RAOs for principal wave directions (page 18, item 3)",
        "     is 2;",
        "     the analysis needs a value from 0 to 1."}},
      {"a switch tested only for 0 keeps any value", [] { TPCM.SMPDRG = 257; }, {}},
      {"the jack-up", [] { TPCM.VESTYP = 2; },
       {" ++> Fatal Warning: Vessel type for simulation (page 5, item 11) is 2;",
        "     the analysis needs 1, 3, 4, 5 or 6 (2, the jack-up, has no working hull",
        "     model)."}},
      {"the free switch against the yoke of page 3", [] { TPCM.FRESLM = 1; },
       {" ++> Fatal Warning: Free Salm switch FRESLM (word 2471 of the data set, which no",
        "     page shows) is 1;",
        "     the analysis needs 0 for the attachment Yoke (page 3, element 2, item 13);",
        "     the editor sets it when page 3 is left."}},
      // An integer word read as a real: 257 is the subnormal 3.6E-43, a radius the vessel response
      // divides by (a waterline length that small keeps its search running for minutes).
      {"a subnormal yaw gyradius", [] { TPCM.TYGYR = std::bit_cast<float>(std::int32_t{257}); },
       {" ++> Fatal Warning: Yaw Gyradius (page 6, item 3) is 3.6013E-43;",
        "     the analysis needs a value from 1.1755E-38 to 300.00 (the waterline length,",
        "     page 5, item 8)."}},
      {"a sector that is no number, the sea not spread", [] {
         TPCM.LSPRED = 0;
         TPCM.ANGSEC = std::numeric_limits<float>::quiet_NaN();
       },
       {" ++> Fatal Warning: Sector size containing wave energy (page 15, item 22) is not",
        "     a number;",
        "     the analysis needs a value from 0.00 to 99999.99 (degrees: what page 15",
        "     prints)."}},
      {"a unit system out of its choices: no bound in its units", [] {
         TPCM.NUNTS = 7;
         TPCM.DWATR = 1025.0f;  // a metric density, in a data set taken as English otherwise
       },
       {" ++> Fatal Warning: Unit system NUNTS (0 English, 1 metric) (page 1, item 3)",
        "     is 7;",
        "     the analysis needs a value from 0 to 1."}},
  };
  for (const Case& c : cases) {
    analysedTanker();
    c.edit();
    EXPECT_EQ(findingLines(), c.lines) << c.what;
  }
}

// ---- a value at its bound ----

constexpr float kInfinity = std::numeric_limits<float>::infinity();

// A value as a finding shows it ("100.01", "-0.00", "1.0000E-02", "30.00 knots"), read as a number;
// a negative zero reads below zero.
double readAs(const std::string& text) { return std::strtod(text.c_str(), nullptr); }
bool readsBeyond(const std::string& value, const std::string& bound, float outward) {
  const double v = readAs(value), b = readAs(bound);
  if (v == b) return outward > 0.0f ? !std::signbit(v) && std::signbit(b) : std::signbit(v) && !std::signbit(b);
  return outward > 0.0f ? v > b : v < b;
}

// The comparison of a bound of what a value is: a value within kBoundUlps units in the last place of
// a 4-byte float from its bound, or one that reads as the bound in a message (two decimals, five
// digits in E form), is the bound; below about 10,000 one print unit beyond is beyond, above it
// kBoundUlps + 1 units; 0 is exact; what is no number is beyond every bound.
float ulpsFrom(float x, int n) {
  for (int k = 0; k < n; ++k) x = std::nextafter(x, kInfinity);
  return x;
}

TEST(BoundComparison, TheBoundRoundedIsTheBound) {
  struct Case {
    float x, bound;
    bool above;  // aboveBound(x, bound)
  };
  const Case cases[] = {
      {100.0f, 100.0f, false},
      {ulpsFrom(100.0f, 1), 100.0f, false},  // 100 + 2^-17, a quotient of two equal values rounded
      {100.004f, 100.0f, false},             // reads 100.00
      {100.01f, 100.0f, true},
      // Above 2^15 kBoundUlps units exceed a hundredth: 1000000.25 is 1,000,000 rounded, 1000000.3125
      // the first value beyond.
      {ulpsFrom(1.0e6f, kBoundUlps), 1.0e6f, false},
      {ulpsFrom(1.0e6f, kBoundUlps + 1), 1.0e6f, true},
      {5.00001e-3f, 5.0e-3f, false},  // 5.0000E-03
      {5.0001e-3f, 5.0e-3f, true},    // 5.0001E-03
      {99.9f, 100.0f, false},
      {std::numeric_limits<float>::quiet_NaN(), 100.0f, true},
      {kInfinity, 1.0e30f, true},
      {-kInfinity, 100.0f, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(aboveBound(c.x, c.bound), c.above) << messageValue(c.x) << " against " << messageValue(c.bound);
    // The same below the negative bound.
    EXPECT_EQ(belowBound(-c.x, -c.bound), c.above) << messageValue(-c.x) << " against " << messageValue(-c.bound);
  }
  // Below 0 a value reads as negative however small: "-0.00" is below "0.00", and so is the third
  // float below 0, -4.2039E-45, which the checks of sign refuse too; 0 written with its sign is 0.
  EXPECT_TRUE(belowBound(-0.004f, 0.0f));
  EXPECT_TRUE(belowBound(-1.0e-30f, 0.0f));
  EXPECT_TRUE(belowBound(-std::nextafter(std::nextafter(std::nextafter(0.0f, 1.0f), 1.0f), 1.0f), 0.0f));
  EXPECT_TRUE(aboveBound(std::nextafter(0.0f, 1.0f), 0.0f));
  EXPECT_FALSE(belowBound(-0.0f, 0.0f));
  EXPECT_TRUE(withinBounds(ulpsFrom(100.0f, 1), 0.0f, 100.0f));
  EXPECT_FALSE(withinBounds(-kInfinity, 0.0f, 100.0f));
}

// What the checks take as an end of a range every stage takes as that end: the spreading index one
// unit in the last place beyond 67, or 67.004997 (shown 67.00), is 67, whose gamma functions hold.
TEST(BoundComparison, AValueTakenAsTheBoundIsTheBound) {
  struct Case {
    float x, low, high, taken;
  };
  const Case cases[] = {
      {ulpsFrom(67.0f, 1), 0.0f, 67.0f, 67.0f},
      {67.004997f, 0.0f, 67.0f, 67.0f},
      {67.01f, 0.0f, 67.0f, 67.01f},  // refused by the checks: no stage meets it
      {66.99f, 0.0f, 67.0f, 66.99f},
      {-0.0f, 0.0f, 67.0f, -0.0f},
      {-0.004f, -1.0f, 1.0f, -0.004f},
      {-1.004f, -1.0f, 1.0f, -1.0f},
      {ulpsFrom(34.5f, kBoundUlps), 0.0f, 34.5f, 34.5f},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(takenAsBound(c.x, c.low, c.high), c.taken) << messageValue(c.x);
    EXPECT_EQ(takenAsBound(c.x, c.low, c.high) != c.x, c.x != c.taken);
  }
  TPCM = Tpcm{};
  TPCM.COSEXP = 67.004997f;
  TPCM.OCHI_LAMBDA(2) = ulpsFrom(kLargestOchiLambda, 1);
  EXPECT_EQ(runSpreadingIndex(), kLargestSpreadingIndex);
  EXPECT_EQ(runOchiLambda(2), kLargestOchiLambda);
  TPCM = Tpcm{};
}

// A bound that a report's field sets compares exactly in the hundredths of a fixed field: a value is
// beyond it when its two decimals read beyond the figure.
TEST(BoundComparison, APrintedBoundIsExactInItsHundredths) {
  struct Case {
    float x;
    double printed;
    bool above;
  };
  const Case cases[] = {
      {99990.0f, 99990.0, false},
      {std::nextafter(99990.0f, kInfinity), 99990.0, true},  // 99990.0078: reads 99990.01
      {99999.99f, 99990.0, true},
      {999.99f, 999.99, false},
      {999.994f, 999.99, false},  // prints 999.99 in F6.2
      {999.996f, 999.99, true},   // prints 1000.00
      {15624843.0f, 15624843.0, false},
      {15624844.0f, 15624843.0, true},
      {1.0e9f, 15624843.0, true},  // in E form it would read 1.0000E+09 all the same
      {std::numeric_limits<float>::quiet_NaN(), 99990.0, true},
      {kInfinity, 99990.0, true},
      {-kInfinity, 99990.0, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(abovePrintedBound(c.x, c.printed), c.above) << fmtF(c.x, 0, 4) << " against " << c.printed;
  }
}

// One value of the range table with its bounds in the fixture of analysedTanker (English units, 100
// ft of water, a tanker 300 ft long, 50 ft wide and 20 ft deep displacing 15,000 kips), each in
// closed form; NaN where the value has no bound on that side beyond what it must be (above 0, 0 or
// more), which is exact.
struct BoundCase {
  const char* named;            // the finding's value as it begins: its label and where it is edited
  std::function<void()> reads;  // what makes the run read it, after analysedTanker()
  std::function<void(float)> set;
  float low, high;
  float shownPerStored = 1.0f;  // the finding shows the value and its bound in another unit
  std::string lowText = {}, highText = {};  // the bound as the finding writes it, where not messageValue
};

constexpr float kNone = std::numeric_limits<float>::quiet_NaN();

// The refusal of the value `named` among the value findings (a fatal one), if any.
std::optional<RunFinding> findingOf(const std::string& named) {
  std::vector<RunFinding> findings;
  valueRangeFindings(findings);
  for (const RunFinding& f : findings)
    if (f.fatal && (f.value.rfind(named + " (", 0) == 0 || f.value.rfind(named + " is ", 0) == 0)) return f;
  return std::nullopt;
}

// The value a finding names, as it shows it.
std::string shownValue(const RunFinding& f) { return f.value.substr(f.value.rfind(" is ") + 4); }

std::string allLines(const RunFinding& f) {
  std::string text;
  for (const std::string& line : f.lines) text += line + "\n";
  return text;
}

// The figures in `text`, read as numbers.
std::vector<double> figuresIn(const std::string& text) {
  std::vector<double> figures;
  for (std::size_t at = 0; at < text.size(); ++at) {
    const bool starts = std::isdigit(static_cast<unsigned char>(text[at])) != 0 &&
                        (at == 0 || (std::isdigit(static_cast<unsigned char>(text[at - 1])) == 0 && text[at - 1] != '.'));
    if (!starts) continue;
    const std::size_t from = at > 0 && text[at - 1] == '-' ? at - 1 : at;
    char* end = nullptr;
    figures.push_back(std::strtod(text.c_str() + from, &end));
    at = static_cast<std::size_t>(end - text.c_str());
  }
  return figures;
}

// The print unit of a figure shown as messageValue shows it: the hundredth, or the fifth digit.
double printUnitOf(double shown) {
  const double size = std::fabs(shown);
  return size == 0.0 || (size >= 0.01 && size < 1.0e7) ? 0.01 : 1.0e-4 * std::pow(10.0, std::floor(std::log10(size)));
}

// The bound and the nearest floats on either side, and up to kBoundUlps units in the last place
// beyond it: no finding. The first value beyond (one print unit beyond, or kBoundUlps + 1 units in
// the last place where those reach further): a fatal finding that shows a value that reads beyond
// the end it names. That end (`boundText` where given, else the figure of the finding nearest the
// bound) lies within the bound's rounding, and typed as printed (a 4-byte float) it raises no
// finding, while the next figure beyond it (that is stored as another float) does. Every refusal between the bound and one
// print unit beyond shows a value that reads beyond the end it names.
void expectBound(const BoundCase& c, float bound, float outward, const std::string& boundText) {
  const std::string side = outward > 0.0f ? "above " : "below ";
  const auto at = [&c](float x) {
    analysedTanker();
    c.reads();
    c.set(x);
    return findingOf(c.named);
  };
  const float toward = outward * kInfinity;
  if (bound == 0.0f) {
    // The floats next to 0 are subnormal, which no quantity of a data set is (a finding of their
    // own): 0 is 0 with either sign.
    EXPECT_FALSE(at(0.0f)) << c.named;
    EXPECT_FALSE(at(outward * 0.0f)) << c.named;
  } else {
    float x = bound;
    for (int k = 0; k <= kBoundUlps; ++k, x = std::nextafter(x, toward)) {
      const std::optional<RunFinding> f = at(x);
      EXPECT_FALSE(f) << c.named << ": " << k << " units in the last place " << side << messageValue(bound) << "\n"
                      << (f ? allLines(*f) : "");
    }
    EXPECT_FALSE(at(std::nextafter(bound, -toward))) << c.named << ": just inside " << messageValue(bound);
  }

  const double shownBound = static_cast<double>(bound) * c.shownPerStored;
  const double printUnit = printUnitOf(shownBound);
  float beyond = static_cast<float>((shownBound + outward * printUnit) / c.shownPerStored);
  float fewUlps = bound;
  for (int k = 0; k <= kBoundUlps; ++k) fewUlps = std::nextafter(fewUlps, toward);
  if (outward * (fewUlps - beyond) > 0.0f) beyond = fewUlps;
  const std::optional<RunFinding> refused = at(beyond);
  ASSERT_TRUE(refused) << c.named << ": the first value " << side << messageValue(bound);
  const std::string lines = allLines(*refused);
  const std::string need = lines.substr(lines.find("needs"));
  std::string endText = boundText;
  if (endText.empty()) {
    double nearest = kNone;
    for (const double figure : figuresIn(need))
      if (std::isnan(nearest) || std::fabs(figure - shownBound) < std::fabs(nearest - shownBound)) nearest = figure;
    endText = messageValue(nearest);
  }
  EXPECT_TRUE(contains(need, endText)) << c.named << ": " << endText << "\n" << lines;
  EXPECT_TRUE(readsBeyond(shownValue(*refused), endText, outward)) << lines;
  const double end = readAs(endText);
  // The end named is the bound within its rounding: a float's, or the half print unit of a message.
  const double rounding = std::max(printUnit / 2.0, kBoundUlps * std::fabs(static_cast<double>(fewUlps) - bound) /
                                                        (kBoundUlps + 1) * c.shownPerStored);
  EXPECT_LE(std::fabs(end - shownBound), rounding + printUnit) << c.named << ": " << endText;
  const auto typed = [&c](double shown) {
    return static_cast<float>(std::strtof(messageValue(shown).c_str(), nullptr) / c.shownPerStored);
  };
  const std::optional<RunFinding> atEnd = at(typed(end));
  EXPECT_FALSE(atEnd) << c.named << ": the end named, " << endText << ", typed as printed\n"
                      << (atEnd ? allLines(*atEnd) : "");
  // The next figure beyond that is stored as another float (floats lie 0.25 apart at 2,204,622.5).
  double next = end + outward * printUnitOf(end);
  while (typed(next) == typed(end)) next += outward * printUnitOf(end);
  EXPECT_TRUE(at(typed(next))) << c.named << ": " << messageValue(next) << ", beyond " << endText;
  for (int step = 1; step <= 9; ++step) {
    const float between = static_cast<float>((shownBound + outward * step * printUnit / 10.0) / c.shownPerStored);
    if (const std::optional<RunFinding> f = at(between)) {
      EXPECT_TRUE(readsBeyond(shownValue(*f), endText, outward)) << allLines(*f);
    }
  }
}

// Every bound of what a value is in the range table, at its bound (those that a report's field sets
// are EveryPrintedBoundIsTheLargestFigureThatPrints'): a value that is the bound rounded is taken,
// however it was rounded (an estimator's quotient, a unit conversion), a refusal never shows a value
// that reads as inside the range it names, and the end it names typed as printed is taken.
TEST_F(ValueRanges, EveryBoundHoldsAtTheBoundRounded) {
  const auto nothing = [] {};
  const auto windOn = [] { TPCM.LWIND = 1; };
  const auto tankerWind = [] {
    TPCM.LWIND = 1;
    TPCM.LWBARG = 0x444;  // the OCIMF tanker model in every direction
  };
  const auto currentOn = [] { TPCM.LCURNT = 1; };
  const auto currentTable = [] {
    TPCM.LCURNT = 1;
    TPCM.LCSTCR = 2;
    TPCM.NCURNT = 1;
  };
  const auto swellOn = [] {
    TPCM.LSWELL = 1;
    TPCM.SWELHT = 2.0f;
    TPCM.SWELPD = 12.0f;
    TPCM.SWLTYP = kSpectrumMeanJonswap;
  };
  const auto secondSwellOn = [=] {
    swellOn();
    TPCM.LSWEL2 = 1;
    TPCM.SWELHT2 = 2.0f;
    TPCM.SWELPD2 = 12.0f;
    TPCM.SWLTYP2 = kSpectrumMeanJonswap;
  };
  // A sea of 24 s, whose waves break at a seventh of 1312.375 ft, far above the water depth.
  const auto longSea = [] { TPCM.SIGPD(1) = 24.0f; };
  const auto externalForce = [] { TPCM.AUXFRC = 1; };
  const auto bilgeKeel = [] { TPCM.LKEEL = 1; };
  // The regular-wave grid of 3 to 4 s, where a wave higher than a seventh of 81.874 ft, the length
  // of the 4 s wave in 100 ft of water (reference/wave_length_reference.py), breaks at every period.
  const auto shortGrid = [] {
    TPCM.NWP = 3;
    for (int k = 1; k <= 3; ++k) TPCM.T(k) = 3.0f + 0.5f * static_cast<float>(k - 1);
  };
  const auto currentTableOfLowdat = [] {
    TPCM.LCURNT = 1;
    TPCM.LCBARG = 0x111;
    LOWCOF = Lowcof{};
    LOWCOF.NUCRPT = 3;
    for (int row = 1; row <= 3; ++row) {
      LOWCOF.UCRANG(row) = 90.0f * static_cast<float>(row - 1);
      for (int d = 1; d <= 3; ++d) LOWCOF.UCRCFS(row, d) = 0.5f;
    }
  };
  constexpr float kFeet = 3.2808399f;           // per metre
  constexpr float kDensity = 0.062428f;         // lb/ft^3 per kgf/m^3
  constexpr float kKips = 2.2046226f;           // per metric ton
  constexpr float kPrintedLoad = 99990.0f;  // ten units inside F8.2
  const float volume = 15000.0f * 1000.0f / 64.0f;  // displaced, ft^3
  const float kDepth = 100.0f, kLength = 300.0f, kBeam = 50.0f, kDraft = 20.0f;
  const float kExtent = kLength * kLength;
  // The least waterplane: one that floats the displacement with a heave period of 999.99 s, up to the
  // hundredth: (15,000 kips)(1000)/(64 lb/ft^3) (2 pi / 999.99 s)^2 / 32.152 ft/s^2 = 0.288 ft^2.
  const float leastWaterplane = 0.29f;
  // Froude 0.5 on 300 ft: 0.5 sqrt(32.152 x 300) ft/s.
  const float froudeSpeed = 0.5f * std::sqrt(32.152f * kLength);
  const BoundCase cases[] = {
      // Page 1.
      {"Site water depth (page 1, item 4)", nothing, [](float x) { TPCM.DEPTH = x; }, kNone, 11000.0f * kFeet},
      {"Water density (page 1, item 5)", nothing, [](float x) { TPCM.DWATR = x; }, 950.0f * kDensity,
       1300.0f * kDensity},
      // Page 2.
      {"Offset increment for static offset table (page 2, item 3)", nothing, [](float x) { TPCM.OFFINC = x; }, kNone,
       kDepth},
      {"Water plane area of water-piercing element (page 2, item 5)", nothing, [](float x) { TPCM.WPAPRC = x; },
       kNone, 0.25f * kPi * kDepth * kDepth},
      {"Default added mass coefficient (page 2, item 7)", nothing, [](float x) { TPCM.COFMAS = x; }, kNone, 5.0f},
      {"Default square-law drag coefficient (page 2, item 8)", nothing, [](float x) { TPCM.COFDMP = x; }, kNone, 5.0f},
      // Page 3: element 1 the column of 150 ft, element 2 the yoke's link of 20 ft.
      {"Element length (page 3, element 1, item 2)", nothing, [](float x) { TPCM.SLEN(1) = x; }, kNone, 2.0f * kDepth},
      {"Element length (page 3, element 2, item 2)", nothing, [](float x) { TPCM.SLEN(2) = x; }, kNone,
       1000.0f * kFeet},
      {"Total volume (page 3, element 1, item 3)", nothing, [](float x) { TPCM.BUOY(1) = x; }, kNone,
       0.25f * kPi * kDepth * kDepth * 150.0f},
      {"Centroid of volume (page 3, element 1, item 4)", nothing, [](float x) { TPCM.CBUOY(1) = x; }, 0.0f, 150.0f},
      {"Center of gravity (page 3, element 1, item 6)", nothing, [](float x) { TPCM.CGSALM(1) = x; }, 0.0f, 150.0f},
      {"Gyradius of element (page 3, element 1, item 8)", nothing, [](float x) { TPCM.GYRAD(1) = x; }, kNone, 150.0f},
      {"Added mass coefficient of element (page 3, element 1, item 9)", nothing, [](float x) { TPCM.COFMST(1) = x; },
       kNone, 5.0f},
      {"Effective drag coefficient of element (page 3, element 1, item 10)", nothing,
       [](float x) { TPCM.COFDMT(1) = x; }, kNone, 5.0f},
      {"Yoke to waterline height at vessel (page 3, item 14 then 1)", nothing, [](float x) { TPCM.YOKEHT = x; },
       -kDraft, kLength},
      {"X-Coordinate of Salm attachment (page 3, item 14 then 2)", nothing, [](float x) { TPCM.XSALM = x; }, -kLength,
       kLength},
      // At least a hundredth of the yoke's 20 ft, and on the vessel.
      {"Separation of attachment points (page 3, item 14 then 3)", nothing, [](float x) { TPCM.PNDARM = x; }, 0.2f,
       kLength},
      {"Auxiliary static offset table load 1 (page 3, item 11)",
       [] {
         TPCM.AUXTBL = 1;
         TPCM.AUXFOR(2) = kPrintedLoad;
       },
       [](float x) { TPCM.AUXFOR(1) = x; }, 0.0f, kNone},
      {"Equilibrium yaw angle (page 3, item 13)", nothing, [](float x) { TPCM.EQLYAW = x; }, -360.0f, 360.0f},
      {"Yaw increment to use in yaw table (page 3, item 14)", nothing, [](float x) { TPCM.YAWINC = x; }, -360.0f,
       360.0f},
      {"Yaw increment to use in yaw table (page 3, item 14)", [] { TPCM.YAWTBL = 1; },
       [](float x) { TPCM.YAWINC = x; }, kNone, 360.0f},
      {"Base inclination ANCHOR", nothing, [](float x) { TPCM.ANCHOR = x; }, -0.5f * kPi, 0.5f * kPi},
      {"Yoke angle offset YOKVES", nothing, [](float x) { TPCM.YOKVES = x; }, -kTwoPi, kTwoPi},
      // Page 4.
      {"Surge damping (percent of critical) (page 4, item 3)", [] { TPCM.LSGLFD = 1; },
       [](float x) { TPCM.SGLFDP = x; }, kNone, 100.0f},
      {"Sway damping (percent of critical) (page 4, item 5)", [] { TPCM.LSWLFD = 1; },
       [](float x) { TPCM.SWLFDP = x; }, kNone, 100.0f},
      {"Yaw damping (percent of critical) (page 4, item 7)", [] { TPCM.LYWLFD = 1; },
       [](float x) { TPCM.YWLFDP = x; }, kNone, 100.0f},
      // Page 5: the box of 300 x 50 x 20 ft.
      {"Vessel displacement (page 5, item 1)", nothing, [](float x) { TPCM.DISPL = x; }, kNone,
       64.0f * kLength * kBeam * kDraft / 1000.0f},
      {"Transverse metacentric height (KMT) (page 5, item 2)", [] { TPCM.TVKB = 10.0f; },
       [](float x) { TPCM.TVKMT = x; }, 10.0f, kDraft + kLength * kBeam * kBeam * kBeam / (12.0f * volume)},
      {"Longitudinal metacentric height (KML) (page 5, item 3)", [] { TPCM.TVKB = 10.0f; },
       [](float x) { TPCM.TVKML = x; }, 10.0f, kDraft + kBeam * kLength * kLength * kLength / (12.0f * volume)},
      {"Vertical center of buoyancy (VKB) (page 5, item 4)", nothing, [](float x) { TPCM.TVKB = x; }, 0.0f, kDraft},
      {"Vertical center of gravity (VKG) (page 5, item 5)", nothing, [](float x) { TPCM.TVKG = x; }, 0.0f, kLength},
      {"LCG-to-Midships distance (page 5, item 6)", nothing, [](float x) { TPCM.CG_to_Midship = x; }, -kLength,
       kLength},
      {"Vessel water plane area (page 5, item 7)", nothing, [](float x) { TPCM.AWP = x; }, leastWaterplane,
       kLength * kBeam},
      {"Length of vessel at waterline (page 5, item 8)", nothing, [](float x) { TPCM.LWL = x; }, kNone,
       1000.0f * kFeet},
      {"Beam of vessel at waterline (page 5, item 9)", nothing, [](float x) { TPCM.BWL = x; }, kNone, kLength},
      // Page 6.
      {"Pitch Gyradius (page 6, item 1)", nothing, [](float x) { TPCM.PGYR = x; }, kNone, kLength},
      {"Roll Gyradius (page 6, item 2)", nothing, [](float x) { TPCM.RGYR = x; }, kNone, kBeam},
      {"Yaw Gyradius (page 6, item 3)", nothing, [](float x) { TPCM.TYGYR = x; }, kNone, kLength},
      {"Bilge radius at maximum beam station (page 6, item 4)", nothing, [](float x) { TPCM.BILGR = x; }, kNone,
       0.5f * kBeam},
      {"Bilge keel length (page 6, item 6)", bilgeKeel, [](float x) { TPCM.TKEEL = x; }, kNone, kLength},
      {"Bilge keel width (page 6, item 7)", bilgeKeel, [](float x) { TPCM.RKEEL = x; }, kNone, 0.5f * kBeam},
      {"Inboard keel-to-vessel centerline distance (page 6, item 8)", bilgeKeel, [](float x) { TPCM.DKEEL = x; },
       -0.5f * kBeam, 0.5f * kBeam},
      {"Vessel speed (page 6, item 9)", nothing, [](float x) { TPCM.TVFWD = x; }, -froudeSpeed, froudeSpeed,
       1.0f / kFeetPerSecondPerKnot},
      {"Global direction of vessel motion (page 6, item 10)", nothing, [](float x) { TPCM.VGLDIR = x; }, -360.0f,
       360.0f},
      {"Trim angle (page 6, item 11)", nothing, [](float x) { TPCM.TRIMDG = x; }, -45.0f, 45.0f},
      {"Heel angle (page 6, item 12)", nothing, [](float x) { TPCM.HEELDG = x; }, -45.0f, 45.0f},
      // Page 7.
      {"Heave damping (percent of critical) (page 7, item 2)", [] { TPCM.LHVDMP = 1; },
       [](float x) { TPCM.HVDAMP = x; }, kNone, 100.0f},
      {"Pitch damping (percent of critical) (page 7, item 4)", [] { TPCM.LPTDMP = 1; },
       [](float x) { TPCM.PTDAMP = x; }, kNone, 100.0f},
      {"Roll damping (percent of critical) (page 7, item 6)", [] { TPCM.LRLDMP = 1; },
       [](float x) { TPCM.RLDAMP = x; }, kNone, 100.0f},
      {"Heave period (page 7, item 8)", [] { TPCM.LHVPRD = 1; }, [](float x) { TPCM.HEVPRD = x; }, 0.1f, kNone},
      {"Pitch period (page 7, item 10)", [] { TPCM.LPTPRD = 1; }, [](float x) { TPCM.PITPRD = x; }, 0.1f, kNone},
      {"Roll period (page 7, item 12)", [] { TPCM.LRLPRD = 1; }, [](float x) { TPCM.ROLPRD = x; }, 0.1f, kNone},
      // Page 8.
      {"Freeboard-Based Load (page 8, item 7)", tankerWind, [](float x) { TPCM.LOADED = x; }, kNone, 100.0f},
      {"Wind Bow Interpolation Factor (page 8, item 8)", tankerWind, [](float x) { TPCM.BOWWND = x; }, 0.0f, 1.0f},
      {"Draft-Based Load (page 8, item 17)", nothing, [](float x) { TPCM.DFTPCT = x; }, kNone, 100.0f},
      {"Current Bow Interpolation Factor (page 8, item 18)", nothing, [](float x) { TPCM.BOWCUR = x; }, 0.0f, 1.0f},
      {"Head-on shadowing & geometry factor (page 8, item 27)", nothing, [](float x) { TPCM.XSHDOW = x; }, 0.0f,
       10.0f},
      {"Beam-on shadowing & geometry factor (page 8, item 28)", nothing, [](float x) { TPCM.YSHDOW = x; }, 0.0f,
       10.0f},
      {"Vessel Deadweight (page 8, item 31)", tankerWind, [](float x) { TPCM.DWTONS = x; }, kNone, 1.0e6f * kKips},
      // Page 9.
      {"Applied force X-coordinate (page 9, item 6)", externalForce, [](float x) { TPCM.XVLOC = x; }, -kLength,
       kLength},
      {"Applied force Y-coordinate (page 9, item 7)", externalForce, [](float x) { TPCM.YVLOC = x; }, -kLength,
       kLength},
      // Page 10.
      {"Wind head-on effective drag area (page 10, item 2)", nothing, [](float x) { TPCM.TXWNDA = x; }, kNone,
       kExtent},
      {"Wind head-on drag area centroid (y) (page 10, item 3)", nothing, [](float x) { TPCM.XWARM = x; }, -kLength,
       kLength},
      {"Wind beam-on effective drag area (page 10, item 5)", nothing, [](float x) { TPCM.TYWNDA = x; }, kNone,
       kExtent},
      {"Wind beam-on drag area centroid (x) (page 10, item 6)", nothing, [](float x) { TPCM.YWARM = x; }, -kLength,
       kLength},
      {"Wind force enhancement factor (page 10, item 8)", nothing, [](float x) { TPCM.TWNDCF = x; }, kNone, 10.0f},
      {"Current head-on effective drag area (page 10, item 12)", nothing, [](float x) { TPCM.TXCURA = x; }, kNone,
       kExtent},
      {"Current head-on drag area centroid (y) (page 10, item 13)", nothing, [](float x) { TPCM.XCARM = x; },
       -kLength, kLength},
      {"Current beam-on effective drag area (page 10, item 15)", nothing, [](float x) { TPCM.TYCURA = x; }, kNone,
       kExtent},
      {"Current beam-on drag area centroid (x) (page 10, item 16)", nothing, [](float x) { TPCM.YCARM = x; },
       -kLength, kLength},
      {"Current force enhancement factor (page 10, item 18)", nothing, [](float x) { TPCM.CURFAC = x; }, kNone, 10.0f},
      {"Bow shape factor (page 10, item 21)", nothing, [](float x) { TPCM.BOWFAC = x; }, kNone, 10.0f},
      {"Stern shape factor (page 10, item 22)", nothing, [](float x) { TPCM.STRNFC = x; }, kNone, 10.0f},
      {"Wave reflection HEAD-ON enhancement factor (page 10, item 23)", nothing, [](float x) { TPCM.WVFCX = x; },
       kNone, 10.0f},
      {"Wave reflection BEAM-ON enhancement factor (page 10, item 24)", nothing, [](float x) { TPCM.WVFCY = x; },
       kNone, 10.0f},
      {"Wave reflection MOMENT enhancement factor (page 10, item 25)", nothing, [](float x) { TPCM.WVFCM = x; },
       kNone, 10.0f},
      {"Variable wave reflection enhancement factor (page 10, item 26)", nothing, [](float x) { TPCM.VWDFAC = x; },
       kNone, 10.0f},
      {"Wave absorption HEAD-ON enhancement factor (page 10, item 31)", nothing, [](float x) { TPCM.WVDGCX = x; },
       kNone, 10.0f},
      {"Wave absorption BEAM-ON enhancement factor (page 10, item 32)", nothing, [](float x) { TPCM.WVDGCY = x; },
       kNone, 10.0f},
      {"Wave absorption MOMENT enhancement factor (page 10, item 33)", nothing, [](float x) { TPCM.WVDGCM = x; },
       kNone, 10.0f},
      {"Variable wave absorption enhancement factor (page 10, item 34)", nothing, [](float x) { TPCM.VWDRGFC = x; },
       kNone, 10.0f},
      // Page 11.
      {"Wind speed (page 11, item 1)", windOn, [](float x) { TPCM.WNDSPD = x; }, kNone, 250.0f},
      {"Wind heading (page 11, item 2)", windOn, [](float x) { TPCM.WNDHDG = x; }, -360.0f, 360.0f},
      {"A.P.I. wind spectrum parameter (page 11, item 3)",
       [] {
         TPCM.LWIND = 1;
         TPCM.WNDTYP = kApiWind;
       },
       [](float x) { TPCM.APIPRM = x; }, 0.01f, 0.1f, 1.0f, "0.01", "0.10"},
      // Page 12.
      {"Current speed (page 12, item 1)", currentOn, [](float x) { TPCM.CURSPD = x; }, kNone, 25.0f},
      {"Current heading (page 12, item 2)", currentOn, [](float x) { TPCM.CURHDG = x; }, -360.0f, 360.0f},
      {"Current profile depth (page 12, item 5)", currentTable, [](float x) { TPCM.DPTHI(1) = x; }, 0.0f, kDepth},
      {"Current profile speed (page 12, item 5)", currentTable, [](float x) { TPCM.VELI(1) = x; }, 0.0f, 25.0f},
      // Page 14.
      {"Regular wave period 1 (page 14, item 2)", nothing, [](float x) { TPCM.T(1) = x; }, 0.1f, kNone},
      {"Wave height or slope (page 14, item 4)", nothing, [](float x) { TPCM.SLPHT = x; }, kNone,
       static_cast<float>(0.78 * 100.0)},
      {"Wave height or slope (page 14, item 4)", [] { TPCM.LSLPHT = 1; }, [](float x) { TPCM.SLPHT = x; }, kNone,
       25.7f},
      {"Wave height or slope (page 14, item 4)", shortGrid, [](float x) { TPCM.SLPHT = x; }, kNone,
       static_cast<float>(81.874 / 7.0)},
      {"Wave heading (page 14, item 6)", nothing, [](float x) { TPCM.WAVHDG(1) = x; }, -360.0f, 360.0f},
      // Page 15: the mean JONSWAP sea of 10 ft and 12 s.
      {"Wave heading (page 15, item 4)", nothing, [](float x) { TPCM.SEAHDG(1) = x; }, -360.0f, 360.0f},
      {"Significant height (page 15, item 6)", longSea, [](float x) { TPCM.SWHT(1) = x; }, kNone, kDepth},
      // Breaking: a seventh of 583.573 ft, the length of the 12 s wave in 100 ft of water.
      {"Significant height (page 15, item 6)", nothing, [](float x) { TPCM.SWHT(1) = x; }, kNone,
       static_cast<float>(583.573 / 7.0)},
      {"Spectrum peak period (page 15, item 7)", [] { TPCM.SWHT(1) = 0.001f; }, [](float x) { TPCM.SIGPD(1) = x; },
       0.1f, kNone},
      {"Spectral bandwidth parameter (page 15, item 8)", [] { TPCM.WAVTYP = kSpectrumDefaultSwell; },
       [](float x) { TPCM.WAVWID = x; }, kNone, 1.0f},
      {"JONSWAP \"Gamma\" Parameter (page 15, item 8)",
       [] {
         TPCM.WAVTYP = kSpectrumGeneralJonswap;
         TPCM.JONGAM = 3.3f;
         TPCM.JONPL = 0.07f;
         TPCM.JONPG = 0.09f;
       },
       [](float x) { TPCM.JONGAM = x; }, 1.0f, 20.0f},
      {"JONSWAP \"Sigma a\" Shape Parameter (page 15, item 9)",
       [] {
         TPCM.WAVTYP = kSpectrumGeneralJonswap;
         TPCM.JONGAM = 3.3f;
         TPCM.JONPG = 0.09f;
       },
       [](float x) { TPCM.JONPL = x; }, kNone, 1.0f},
      {"JONSWAP \"Sigma b\" Shape Parameter (page 15, item 10)",
       [] {
         TPCM.WAVTYP = kSpectrumGeneralJonswap;
         TPCM.JONGAM = 3.3f;
         TPCM.JONPL = 0.07f;
       },
       [](float x) { TPCM.JONPG = x; }, kNone, 1.0f},
      {"Component Lambda Value (page 15, item 8)",
       [] {
         TPCM.WAVTYP = kSpectrumOchiHubble;
         TPCM.N_OCHI_COMP = 1;
       },
       [](float x) { TPCM.OCHI_LAMBDA(1) = x; }, kNone, 34.5f},
      {"Wave spreading index (page 15, item 21)", nothing, [](float x) { TPCM.COSEXP = x; }, kNone, 67.0f},
      // Page 16.
      {"Swell heading (page 16, item 4)", swellOn, [](float x) { TPCM.SWLHDG = x; }, -360.0f, 360.0f},
      {"Swell significant height (page 16, item 6)",
       [=] {
         swellOn();
         TPCM.SWELPD = 24.0f;
       },
       [](float x) { TPCM.SWELHT = x; }, kNone, kDepth},
      {"Swell peak period (page 16, item 7)",
       [=] {
         swellOn();
         TPCM.SWELHT = 0.001f;
       },
       [](float x) { TPCM.SWELPD = x; }, 0.1f, kNone},
      {"Swell spectral bandwidth parameter (page 16, item 8)",
       [=] {
         swellOn();
         TPCM.SWLTYP = kSpectrumDefaultSwell;
       },
       [](float x) { TPCM.SWLWID = x; }, kNone, 1.0f},
      {"Swell JONSWAP \"Gamma\" Parameter (page 16, item 8)",
       [=] {
         swellOn();
         TPCM.SWLTYP = kSpectrumGeneralJonswap;
         TPCM.JONPL_SWL = 0.07f;
         TPCM.JONPG_SWL = 0.09f;
       },
       [](float x) { TPCM.JONGAM_SWL = x; }, 1.0f, 20.0f},
      {"Second swell heading (page 16, item 24)", secondSwellOn, [](float x) { TPCM.SWLHDG2 = x; }, -360.0f, 360.0f},
      {"Second swell significant height (page 16, item 26)",
       [=] {
         secondSwellOn();
         TPCM.SWELPD2 = 24.0f;
       },
       [](float x) { TPCM.SWELHT2 = x; }, kNone, kDepth},
      {"Second swell peak period (page 16, item 27)",
       [=] {
         secondSwellOn();
         TPCM.SWELHT2 = 0.001f;
       },
       [](float x) { TPCM.SWELPD2 = x; }, 0.1f, kNone},
      {"Second swell JONSWAP \"Sigma b\" Shape Parameter (page 16, item 30)",
       [=] {
         secondSwellOn();
         TPCM.SWLTYP2 = kSpectrumGeneralJonswap;
         TPCM.JONGAM_SWL2 = 3.3f;
         TPCM.JONPL_SWL2 = 0.07f;
       },
       [](float x) { TPCM.JONPG_SWL2 = x; }, kNone, 1.0f},
      // Page 17.
      {"Storm duration (page 17, item 51)", nothing, [](float x) { TPCM.DURATN = x; }, 0.0f, kNone},
      // Words that no page shows.
      {"Surge current factor XCURNTDN", nothing, [](float x) { TPCM.XCURNTDN = x; }, 0.0f, 10.0f},
      {"Current modification factor MUNKFAC1", nothing, [](float x) { TPCM.MUNKFAC1 = x; }, -10.0f, 10.0f},
      {"Vessel point coordinate RACC 3", nothing, [](float x) { TPCM.RACC(3, 1) = x; }, -kLength, kLength},
      // The user's coefficient table of LOWDAT.
      {"LOWDAT current table, row 2, attack angle", currentTableOfLowdat, [](float x) { LOWCOF.UCRANG(2) = x; }, 0.0f,
       180.0f},
      {"LOWDAT current table, row 2, Cy", currentTableOfLowdat, [](float x) { LOWCOF.UCRCFS(2, 2) = x; }, -100.0f,
       100.0f},
  };
  for (const BoundCase& c : cases) {
    SCOPED_TRACE(c.named);
    // The case's value within its bounds raises nothing.
    if (!std::isnan(c.low)) {
      ASSERT_NO_FATAL_FAILURE(expectBound(c, c.low, -1.0f, c.lowText));
    }
    if (!std::isnan(c.high)) {
      ASSERT_NO_FATAL_FAILURE(expectBound(c, c.high, 1.0f, c.highText));
    }
  }
}

// Each bound that a report's field sets, at its figure: every value the checks take prints in the
// field (its largest, and what follows from it: the buoyancy of a volume), the figure typed as
// printed is taken, and the first value beyond it is refused naming the figure in a fixed field,
// never in E form, with a value that reads beyond it. The figures are the fields' largest values
// less a margin for the stages' rounding where a stage prints what follows (ten units of a load, a
// weight, a buoyancy), the fields' largest values where the field prints the value itself.
TEST_F(ValueRanges, EveryPrintedBoundIsTheLargestFigureThatPrints) {
  struct PrintedCase {
    const char* named;
    std::function<void()> reads;
    std::function<void(float)> set;
    std::string figure;  // the bound as the refusal names it
    int width, decimals;  // the report's field
    std::function<double(float)> printed = [](float x) { return x; };  // what the field prints for x
  };
  const auto nothing = [] {};
  // A deep site, where no cylinder of the water depth's diameter bounds the volume before its
  // buoyancy does: 64 lb/ft^3 of water, so that 15,624,843.75 ft^3 weigh 999,990 kips.
  const auto deep = [] { TPCM.DEPTH = 1000.0f; };
  const PrintedCase cases[] = {
      {"Maximum horizontal load on Salm (page 2, item 2)", nothing, [](float x) { TPCM.TLOAD = x; }, "99990.00", 8, 2},
      {"Auxiliary static offset table load 2 (page 3, item 11)", [] { TPCM.AUXTBL = 1; },
       [](float x) { TPCM.AUXFOR(2) = x; }, "99990.00", 8, 2},
      {"Total dry weight of element (page 3, element 1, item 5)", nothing, [](float x) { TPCM.TMASS(1) = x; },
       "999990.00", 9, 2},
      {"Total volume (page 3, element 1, item 3)", deep, [](float x) { TPCM.BUOY(1) = x; }, "15624843.00", 9, 2,
       [](float x) { return x * (64.0f / 1000.0f); }},
      {"Regular wave period 1 (page 14, item 2)", nothing, [](float x) { TPCM.T(1) = x; }, "999.99", 6, 2},
      {"Heave period (page 7, item 8)", [] { TPCM.LHVPRD = 1; }, [](float x) { TPCM.HEVPRD = x; }, "999.99", 6, 2},
      {"Spectrum peak period (page 15, item 7)", [] { TPCM.SWHT(1) = 0.001f; }, [](float x) { TPCM.SIGPD(1) = x; },
       "999.99", 6, 2},
      {"Storm duration (page 17, item 51)", nothing, [](float x) { TPCM.DURATN = x; }, "99.90", 4, 1},
      {"Sector size containing wave energy (page 15, item 22)", nothing, [](float x) { TPCM.ANGSEC = x; },
       "99999.99", 8, 2},
  };
  for (const PrintedCase& c : cases) {
    SCOPED_TRACE(c.named);
    const auto at = [&c](float x) {
      analysedTanker();
      c.reads();
      c.set(x);
      return findingOf(c.named);
    };
    const float typed = std::strtof(c.figure.c_str(), nullptr);
    const std::optional<RunFinding> atFigure = at(typed);
    ASSERT_FALSE(atFigure) << c.figure << " typed as printed\n" << (atFigure ? allLines(*atFigure) : "");
    // The largest value taken, and the first beyond.
    float largest = typed;
    while (!at(std::nextafter(largest, kInfinity))) largest = std::nextafter(largest, kInfinity);
    const float first = std::nextafter(largest, kInfinity);
    EXPECT_EQ(fmtF(largest, 0, 2), c.figure) << "the largest value taken reads as the figure";
    const std::string field = fmtF(c.printed(largest), c.width, c.decimals);
    EXPECT_EQ(field.find('*'), std::string::npos) << field;
    const std::optional<RunFinding> refused = at(first);
    ASSERT_TRUE(refused) << fmtF(first, 0, 4);
    const std::string lines = allLines(*refused);
    EXPECT_TRUE(contains(lines, " " + c.figure + " ")) << lines;
    EXPECT_FALSE(contains(lines, "E+")) << lines;
    EXPECT_GT(readAs(shownValue(*refused)), readAs(c.figure)) << lines;
  }
}

// A default swell's peak lies on the regular wave periods: its grid position, which the spectrum
// centres its Gaussian on, from 1 to below the count plus 1. On a grid whose periods are no exact
// floats (3.3 s by 0.7 s) the refusal names the first figure the check takes and the first above
// it that it refuses, each typed as printed: the figure a hundredth inside either end is taken,
// one a hundredth outside refused, and the spectrum's position agrees.
TEST_F(ValueRanges, TheDefaultSwellsPeakNamesTheEndsItsSpectrumKeeps) {
  const auto at = [](float peak) {
    analysedTanker();
    TPCM.WAVTYP = kSpectrumDefaultSwell;
    TPCM.NWP = 10;
    for (int k = 1; k <= 10; ++k) TPCM.T(k) = 3.3f + 0.7f * static_cast<float>(k - 1);
    TPCM.SIGPD(1) = peak;
    return findingOf("Spectrum peak period");
  };
  const std::optional<RunFinding> refused = at(100.0f);
  ASSERT_TRUE(refused);
  const std::string text = allLines(*refused);
  const std::vector<double> figures = figuresIn(text.substr(text.find("from ")));
  ASSERT_GE(figures.size(), 2u) << text;
  const double first = figures[0], last = figures[1];
  // The ends lie half a step (0.35 s) outside the first and last periods, 3.3 and 9.6 s.
  EXPECT_NEAR(first, 2.95, 0.011) << text;
  EXPECT_NEAR(last, 9.95, 0.011) << text;
  const auto typed = [](double shown) { return std::strtof(messageValue(shown).c_str(), nullptr); };
  EXPECT_FALSE(at(typed(first))) << messageValue(first);
  EXPECT_TRUE(at(typed(first - 0.01))) << messageValue(first - 0.01);
  EXPECT_FALSE(at(typed(last - 0.01))) << messageValue(last - 0.01);
  EXPECT_TRUE(at(typed(last))) << messageValue(last);
  at(typed(first));
  EXPECT_GE(swellGridPosition(typed(first)), 1.0f);
  EXPECT_LT(swellGridPosition(typed(first - 0.01)), 1.0f);
}

// Every finding, warnings too, its kind first: "[fatal] <first line>" then its other lines.
std::vector<std::string> allFindingLines() {
  std::vector<RunFinding> findings;
  valueRangeFindings(findings);
  std::vector<std::string> lines;
  for (const RunFinding& f : findings) {
    for (std::size_t i = 0; i < f.lines.size(); ++i)
      lines.push_back(i == 0 ? (f.fatal ? "[fatal]" : "[warning]") + f.lines[i] : f.lines[i]);
  }
  return lines;
}

// A sea breaks when its significant height exceeds a seventh of the wave length of its peak period,
// in the water depth; a regular wave when its height exceeds a seventh of its own length. The
// lengths of the messages are those of the dispersion relation solved apart, in 100 ft of water
// (reference/wave_length_reference.py): 12 s 583.573 ft, 3 s 46.054 ft, 4 s 81.874 ft, 24 s
// 1312.375 ft.
TEST_F(ValueRanges, WavesAreBoundedByBreakingInTheWaterDepth) {
  const auto grid = [](float first, float step, int n) {
    TPCM.NWP = n;
    for (int k = 1; k <= n; ++k) TPCM.T(k) = first + step * static_cast<float>(k - 1);
  };
  struct Case {
    const char* what;
    std::function<void()> edit;
    std::vector<std::string> lines;
  };
  const Case cases[] = {
      {"a sea of 38 ft at 12 s: below a fifteenth of 583.57 ft", [] { TPCM.SWHT(1) = 38.0f; }, {}},
      {"a sea of 40 ft at 12 s: steeper than a fifteenth", [] { TPCM.SWHT(1) = 40.0f; },
       {"[warning] ++> Warning: Significant height (page 15, item 6) is 40.00;",
        "     steeper than a fifteenth of the wave length 583.57 of the peak",
        "     period 12.00 s (page 15, item 7): seas this steep are rare (they break at a",
        "     seventh)."}},
      {"a sea of 83.5 ft at 12 s: beyond a seventh, 83.37 ft", [] { TPCM.SWHT(1) = 83.5f; },
       {"[fatal] ++> Fatal Warning: Significant height (page 15, item 6) is 83.50;",
        "     the analysis needs a height above 0 and at most 83.37 (a seventh of the",
        "     wave length 583.57 of the peak period 12.00 s (page 15, item 7) in the",
        "     water depth: a steeper sea breaks)."}},
      {"a sea of 7 ft at 3 s: beyond a seventh of 46.05 ft", [] { TPCM.SWHT(1) = 7.0f; TPCM.SIGPD(1) = 3.0f; },
       {"[fatal] ++> Fatal Warning: Significant height (page 15, item 6) is 7.00;",
        "     the analysis needs a height above 0 and at most 6.58 (a seventh of the wave",
        "     length 46.05 of the peak period 3.00 s (page 15, item 7) in the water",
        "     depth: a steeper sea breaks)."}},
      {"a long sea higher than 0.6 of the depth", [] { TPCM.SWHT(1) = 65.0f; TPCM.SIGPD(1) = 24.0f; },
       {"[warning] ++> Warning: Significant height (page 15, item 6) is 65.00;",
        "     above 0.6 of the water depth 100.00 (page 1, item 4): a sea this high",
        "     breaks on the shallow water."}},
      {"a regular wave of 11 ft over 4 to 24 s: below a seventh of 81.87 ft", [&] {
         grid(4.0f, 2.0f, 11);
         TPCM.SLPHT = 11.0f;
       }, {}},
      {"a regular wave of 12 ft over 4 to 24 s: it breaks at 4 s only", [&] {
         grid(4.0f, 2.0f, 11);
         TPCM.SLPHT = 12.0f;
       },
       {"[warning] ++> Warning: Wave height or slope (page 14, item 4) is 12.00;",
        "     it breaks (is higher than a seventh of the wave length) at the periods of",
        "     up to 4.00 s (page 14, item 2): the responses there are those of a wave no",
        "     sea holds."}},
      {"a regular wave of 12 ft over 3 to 4 s: it breaks at every period", [&] {
         grid(3.0f, 0.5f, 3);
         TPCM.SLPHT = 12.0f;
       },
       {"[fatal] ++> Fatal Warning: Wave height or slope (page 14, item 4) is 12.00;",
        "     the analysis needs a height from 0.00 to 11.70 (a seventh of the wave",
        "     length 81.87 of the longest period 4.00 s, page 14, item 2: a higher wave",
        "     breaks at every period of the grid)."}},
      {"a slope is bounded by its own limit", [&] {
         grid(3.0f, 0.5f, 3);
         TPCM.LSLPHT = 1;
         TPCM.SLPHT = 20.0f;
       }, {}},
  };
  for (const Case& c : cases) {
    analysedTanker();
    grid(5.0f, 1.0f, 20);
    TPCM.SLPHT = 5.0f;
    c.edit();
    EXPECT_EQ(allFindingLines(), c.lines) << c.what;
  }
}

// The rows of the review of sound designs: what a value is bounds it, not a quantity it need not
// match. The fixture is in English units (ft, kips, ft/s), its tanker 300 ft long and 20 ft deep.
TEST_F(ValueRanges, SoundDesignsPassAndAbsurdOnesAreNamed) {
  struct Case {
    const char* what;
    std::function<void()> edit;
    std::vector<std::string> lines;
  };
  constexpr float kKnot = 1.687f;  // ft/s per knot, as page 6 shows the speed
  const Case cases[] = {
      // The deadweight picks the size family of the tanker wind model: a tanker in ballast displaces
      // far less than it carries.
      {"a tanker in ballast with the tanker wind model", [] {
         TPCM.LWIND = 1;
         TPCM.LWBARG = 0x444;
         TPCM.DWTONS = 330000.0f;  // kips, some 150,000 t
         TPCM.LOADED = 50.0f;
         TPCM.BOWWND = 0.5f;
       }, {}},
      // 1,000,000 t is 2,204,622.5 kips; floats lie 0.25 apart there, and the comparison takes the value
      // kBoundUlps units above as the bound: the end named is that value.
      {"a deadweight of twice the largest tanker's", [] {
         TPCM.LWIND = 1;
         TPCM.LWBARG = 0x444;
         TPCM.DWTONS = 2.3e6f;
       },
       {"[fatal] ++> Fatal Warning: Vessel Deadweight (page 8, item 31) is 2300000.00;",
        "     the analysis needs a value from 0.00 to 2204623.50 (about twice the",
        "     deadweight of the largest tanker built)."}},
      {"an absurd deadweight that no model reads", [] { TPCM.DWTONS = 2.3e6f; }, {}},
      // The yoke's hinge: down to the keel (20 ft), up to the tanker's length (300 ft).
      {"a yoke 90 ft above the waterline of 100 ft of water", [] { TPCM.YOKEHT = 90.0f; }, {}},
      {"a yoke at the keel", [] { TPCM.YOKEHT = -20.0f; }, {}},
      {"a yoke below the keel", [] { TPCM.YOKEHT = -21.0f; },
       {"[fatal] ++> Fatal Warning: Yoke to waterline height at vessel (page 3, item 14 then 1)",
        "     is -21.00;",
        "     the analysis needs a value from -20.00 (the draft, page 5, item 10)",
        "     to 300.00 (the waterline length, page 5, item 8)."}},
      {"a yoke above the vessel's length", [] { TPCM.YOKEHT = 301.0f; },
       {"[fatal] ++> Fatal Warning: Yoke to waterline height at vessel (page 3, item 14 then 1)",
        "     is 301.00;",
        "     the analysis needs a value from -20.00 (the draft, page 5, item 10)",
        "     to 300.00 (the waterline length, page 5, item 8)."}},
      // Froude 0.5 on 300 ft: 0.5 sqrt(32.152 x 300) = 49.11 ft/s, 29.11 knots.
      {"20 knots", [=] { TPCM.TVFWD = 20.0f * kKnot; }, {}},
      {"30 knots", [=] { TPCM.TVFWD = 30.0f * kKnot; },
       {"[fatal] ++> Fatal Warning: Vessel speed (page 6, item 9) is 30.00 knots;",
        "     the analysis needs a speed from -29.11 to 29.11 knots (a Froude number",
        "     of 0.5 on the waterline length 300.00, page 5, item 8)."}},
      {"30 knots astern", [=] { TPCM.TVFWD = -30.0f * kKnot; },
       {"[fatal] ++> Fatal Warning: Vessel speed (page 6, item 9) is -30.00 knots;",
        "     the analysis needs a speed from -29.11 to 29.11 knots (a Froude number",
        "     of 0.5 on the waterline length 300.00, page 5, item 8)."}},
      // The same numbers in metres: Froude 0.5 on 300 m is 0.5 sqrt(9.8 x 300) = 27.11 m/s, 52.74
      // knots of 0.514 m/s.
      {"50 knots in metric units", [] {
         TPCM.NUNTS = 1;
         TPCM.DWATR = 1025.0f;
         TPCM.TVFWD = 50.0f * 0.514f;
       }, {}},
      {"60 knots in metric units", [] {
         TPCM.NUNTS = 1;
         TPCM.DWATR = 1025.0f;
         TPCM.TVFWD = 60.0f * 0.514f;
       },
       {"[fatal] ++> Fatal Warning: Vessel speed (page 6, item 9) is 60.00 knots;",
        "     the analysis needs a speed from -52.74 to 52.74 knots (a Froude number",
        "     of 0.5 on the waterline length 300.00, page 5, item 8)."}},
      // The yoke's two sides: 10 ft apart on its 20 ft member; below a hundredth of it their loads
      // run away, and without a separation they are indeterminate.
      {"the yoke's sides 0.2 ft apart", [] { TPCM.PNDARM = 0.2f; }, {}},
      {"the yoke's sides 1e-30 ft apart", [] { TPCM.PNDARM = 1e-30f; },
       {"[fatal] ++> Fatal Warning: Separation of attachment points (page 3, item 14 then 3)",
        "     is 1.0000E-30;",
        "     the analysis needs a separation from 0.20 (a hundredth of the length of the",
        "     attachment's member, 20.00 (page 3, item 2): the side loads are its loads",
        "     times its length over the separation) to 300.00 in size (the waterline",
        "     length, page 5, item 8)."}},
      {"the yoke's sides -1e-30 ft apart", [] { TPCM.PNDARM = -1e-30f; },
       {"[fatal] ++> Fatal Warning: Separation of attachment points (page 3, item 14 then 3)",
        "     is -1.0000E-30;",
        "     the analysis needs a separation from 0.20 (a hundredth of the length of the",
        "     attachment's member, 20.00 (page 3, item 2): the side loads are its loads",
        "     times its length over the separation) to 300.00 in size (the waterline",
        "     length, page 5, item 8)."}},
      {"no separation without the wave-frequency dynamics", [] {
         TPCM.PNDARM = 0.0f;
         TPCM.LDYN = 0;
       }, {}},
      // The table's maximum load and the offset step.
      {"a maximum table load of 0", [] { TPCM.TLOAD = 0.0f; },
       {"[fatal] ++> Fatal Warning: Maximum horizontal load on Salm (page 2, item 2) is 0.00;",
        "     the analysis needs a value above 0 and at most 99990.00 (what the statics",
        "     report prints)."}},
      {"an offset step of 0 for the offset report", [] {
         TPCM.OFFINC = 0.0f;
         TPCM.STAMOT = TPCM.LOFFST = 1;
       },
       {"[warning] ++> Warning: Offset increment for static offset table (page 2, item 3) is 0.00;",
        "     the statics take 1.00 feet in its place, the step of the static offset",
        "     report."}},
      {"an offset step of 0 that nothing reads", [] { TPCM.OFFINC = 0.0f; }, {}},
  };
  for (const Case& c : cases) {
    analysedTanker();
    c.edit();
    EXPECT_EQ(allFindingLines(), c.lines) << c.what;
  }
}

// The user's coefficient tables of LOWDAT, where a model of the run reads them: every angle and
// every coefficient of the columns in use is a number within what it is, named by its table, row
// and column on page 8.
TEST_F(ValueRanges, LowdatTablesAreBoundedWhereTheRunReadsThem) {
  constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
  constexpr float kInf = std::numeric_limits<float>::infinity();
  const auto currentTable = [] {
    TPCM.LCURNT = 1;
    TPCM.LCBARG = 0x111;
    LOWCOF.NUCRPT = 3;
    for (int row = 1; row <= 3; ++row) {
      LOWCOF.UCRANG(row) = 90.0f * static_cast<float>(row - 1);
      for (int d = 1; d <= 3; ++d) LOWCOF.UCRCFS(row, d) = 0.5f;
    }
  };
  struct Case {
    const char* what;
    std::function<void()> edit;
    std::vector<std::string> lines;
  };
  const Case cases[] = {
      {"a sound table", [] {}, {}},
      {"a coefficient that is not a number", [] { LOWCOF.UCRCFS(2, 3) = kNaN; },
       {"[fatal] ++> Fatal Warning: LOWDAT current table, row 2, Cz (page 8, item 15 then 3) is",
        "     not a number;",
        "     the analysis needs a finite number."}},
      {"a coefficient of minus infinity", [=] { LOWCOF.UCRCFS(3, 1) = -kInf; },
       {"[fatal] ++> Fatal Warning: LOWDAT current table, row 3, Cx (page 8, item 15 then 3) is",
        "     minus infinite;",
        "     the analysis needs a finite number."}},
      {"an angle beyond the half circle", [] { LOWCOF.UCRANG(3) = 270.0f; },
       {"[fatal] ++> Fatal Warning: LOWDAT current table, row 3, attack angle",
        "     (page 8, item 15 then 2) is 270.00;",
        "     the analysis needs an angle from 0.00 to 180.00 degrees (the table spans",
        "     the half circle)."}},
      {"a column the models do not read", [] {
         TPCM.LCBARG = 0x411;  // Cx and Cy from the table (fields 1 and 2), Cz built in
         LOWCOF.UCRCFS(2, 3) = kNaN;
       }, {}},
      {"the statics alone", [] {
         TPCM.LQUAS = 0;
         LOWCOF.UCRCFS(2, 3) = kNaN;
       }, {}},
  };
  for (const Case& c : cases) {
    analysedTanker();
    LOWCOF = Lowcof{};
    currentTable();
    c.edit();
    EXPECT_EQ(allFindingLines(), c.lines) << c.what;
  }
}


// The bounds of the vessel's hydrostatics from the box its waterline length, beam and draft span:
// a box barge (block and waterplane coefficients 1) is the largest hull they admit, and its own
// metacentre, KM = T / 2 + B^2 / (12 T) transversely and T / 2 + L^2 / (12 T) along (the closed
// form of a rectangular section), lies within them; beyond the box each is named.
TEST_F(ValueRanges, TheBoxOfTheVesselBoundsItsHydrostatics) {
  const auto barge = [] {
    analysedTanker();
    Tpcm& t = TPCM;
    t.NUNTS = 1;
    t.DWATR = 1025.0f;
    t.LWL = 100.0f;
    t.BWL = 20.0f;
    t.DRAFT = 5.0f;
    t.DISPL = 1025.0f * 100.0f * 20.0f * 5.0f / 1000.0f;  // [metric tons]
    t.AWP = 100.0f * 20.0f;
    t.TVKB = 2.5f;
    t.TVKMT = 2.5f + 20.0f * 20.0f / (12.0f * 5.0f);
    t.TVKML = 2.5f + 100.0f * 100.0f / (12.0f * 5.0f);
    t.TVKG = 3.0f;
    t.RGYR = 7.0f;
    t.PGYR = t.TYGYR = 25.0f;
    t.XSALM = 50.0f;
    t.TLOAD = 500.0f;
  };
  barge();
  EXPECT_EQ(findingLines(), std::vector<std::string>{});

  struct Case {
    const char* what;
    std::function<void()> edit;
    std::vector<std::string> first;  // the finding's first lines, which name the value
  };
  const Case cases[] = {
      {"more displacement than the box holds", [] { TPCM.DISPL *= 1.01f; },
       {" ++> Fatal Warning: Vessel displacement (page 5, item 1) is 10352.50;"}},
      {"more waterplane than the waterline's rectangle", [] { TPCM.AWP = 2001.0f; },
       {" ++> Fatal Warning: Vessel water plane area (page 5, item 7) is 2001.00;"}},
      {"a transverse metacentre above the rectangle's", [] { TPCM.TVKMT = 5.0f + 20.0f * 20.0f / (12.0f * 5.0f) + 0.1f; },
       {" ++> Fatal Warning: Transverse metacentric height (KMT) (page 5, item 2)", "     is 11.77;"}},
      {"a metacentre under the centre of buoyancy", [] { TPCM.TVKML = 2.0f; },
       {" ++> Fatal Warning: Longitudinal metacentric height (KML) (page 5, item 3)", "     is 2.00;"}},
      {"a centre of buoyancy under the keel", [] { TPCM.TVKB = -0.5f; },
       {" ++> Fatal Warning: Vertical center of buoyancy (VKB) (page 5, item 4) is -0.50;"}},
      {"a beam wider than the hull is long", [] { TPCM.BWL = 101.0f; },
       {" ++> Fatal Warning: Beam of vessel at waterline (page 5, item 9) is 101.00;"}},
  };
  for (const Case& c : cases) {
    barge();
    c.edit();
    const std::vector<std::string> lines = findingLines();
    ASSERT_GE(lines.size(), c.first.size()) << c.what;
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + static_cast<std::ptrdiff_t>(c.first.size())),
              c.first)
        << c.what;
  }
}

// A spar buoy (metric): a cylinder 20 m across and 150 m deep, its centre of gravity 60 m and its
// gyradii up to 55 m above the keel, a deck 170 m above it; 20 x 150 m of current area beam-on.
// Every one of these lies farther from the keel than the waterline is long, and every one is
// sound: the bounds of a ship's points, gyradii and areas by its length do not hold a spar. Its
// extent (length, beam and draft together, 190 m) does; a deck at 10 km does not fit it.
TEST_F(ValueRanges, ASparIsBoundedByItsExtentNotItsWaterlineLength) {
  const auto spar = [] {
    analysedTanker();
    Tpcm& t = TPCM;
    t.NUNTS = 1;
    t.DWATR = 1025.0f;
    t.DEPTH = 300.0f;
    t.VESTYP = kCaissonSpar;
    t.SEMI_LIKE = 1;
    t.LWL = t.BWL = 20.0f;
    t.DRAFT = 150.0f;
    t.DISPL = 1025.0f * 3.14159265f * 100.0f * 150.0f / 1000.0f;  // [metric tons]
    t.AWP = 314.159f;
    t.TVKB = 75.0f;
    t.TVKMT = t.TVKML = 75.0f + 100.0f / (4.0f * 150.0f);  // KB + R^2 / (4 T)
    t.TVKG = 60.0f;
    t.RGYR = t.PGYR = 55.0f;
    t.TYGYR = 7.1f;
    t.TYCURA = 3000.0f;
    t.RACC(3, 1) = 170.0f;
    t.XSALM = 10.0f;
  };
  spar();
  EXPECT_EQ(findingLines(), std::vector<std::string>{});
  spar();
  TPCM.RACC(3, 1) = 10000.0f;
  const std::vector<std::string> lines = findingLines();
  ASSERT_FALSE(lines.empty());
  ASSERT_GE(lines.size(), 2u);
  EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 2),
            (std::vector<std::string>{" ++> Fatal Warning: Vessel point coordinate RACC 3 (word 905 of the data set,",
                                      "     which no page shows) is 10000.00;"}));
  // The same values on a ship are refused: its gyradius within its length.
  spar();
  TPCM.VESTYP = kShipVessel;
  TPCM.SEMI_LIKE = 0;
  EXPECT_FALSE(findingLines().empty());
}

// The N.P.D. wind spectrum's evaluation height (page 11, item 3) lies above where its wind profile,
// 1 + C ln(z / 10 m) times the wind at 10 m, holds no wind: at 40 knots (20.56 m/s) C = 0.0573
// sqrt(1 + 0.15 x 20.56) = 0.1158 and the profile comes to nothing at 10 m exp(-1 / C) = 1.775 mm
// (0.005824 ft); the spectrum drops its gusts from 1.01 times that down, 0.005883 ft. A height of 0
// or below has no profile at all. Other spectra do not read it.
TEST_F(ValueRanges, TheNpdHeightLiesWhereItsWindProfileBlows) {
  const std::vector<std::string> refused = {
      " ++> Fatal Warning: N.P.D. Spectral Evaluation Height (page 11, item 3)",
      "     is -10.00;",
      "     the analysis needs a height above 5.8826E-03 feet: at and below it the",
      "     N.P.D. wind profile, the wind at 10 m times 1+C*ln(z/10m) with C = 0.12 at",
      "     the wind speed of item 1, holds almost no wind and the spectrum no gusts."};
  struct Case {
    float height;  // [ft]
    std::int32_t type;
    bool named;
  };
  const Case cases[] = {{-10.0f, kNpdWind, true},     {0.0f, kNpdWind, true},     {0.0058f, kNpdWind, true},
                        {0.0059f, kNpdWind, false},   {32.81f, kNpdWind, false},  {1000.0f, kNpdWind, false},
                        {-10.0f, kDavenportWind, false}};
  for (const Case& c : cases) {
    analysedTanker();
    TPCM.LWIND = 1;
    TPCM.WNDSPD = 40.0f;
    TPCM.WNDTYP = c.type;
    TPCM.WSPEC_HGT = c.height;
    std::vector<std::string> lines;
    for (const std::string& line : findingLines())
      if (line.find("N.P.D.") != std::string::npos || !lines.empty()) lines.push_back(line);
    if (!c.named) {
      EXPECT_TRUE(lines.empty()) << c.height;
      continue;
    }
    // The height named on one line or two, then what the analysis needs.
    ASSERT_GE(lines.size(), 4u) << c.height << "\n" << ::testing::PrintToString(lines);
    EXPECT_EQ(std::vector<std::string>(lines.end() - 3, lines.end()),
              std::vector<std::string>(refused.end() - 3, refused.end()))
        << c.height;
    if (c.height == -10.0f) {
      EXPECT_EQ(lines, refused);
    }
  }
  // Without the wind no stage reads it.
  analysedTanker();
  TPCM.LWIND = 0;
  TPCM.WNDTYP = kNpdWind;
  TPCM.WSPEC_HGT = -10.0f;
  EXPECT_TRUE(findingLines().empty());
}

// ---- the integer words at the ends of their type ----

// One integer word of the data set with its range, where the run reads it (after analysedTanker and
// `reads`), and the start of its finding's value.
struct IntegerWordCase {
  const char* named;
  std::function<void()> reads;
  std::function<void(std::int32_t)> set;
  std::int32_t low, high;
  std::vector<std::int32_t> alsoRefused = {};  // values within low to high that are no choice
};

// The three kinds of SALM of the run's findings: the tanker on a yoke, a buoyant riser held at its
// keel, a free SALM.
void tankerOnAYoke() { analysedTanker(); }
void buoyantRiser() {
  analysedTanker();
  TPCM.IARCO = kBuoyantRiser;
  TPCM.WETYOK = 5;  // the whole system under water, so that the submergence findings judge it
  TPCM.IPIERC = 3;
}
void freeSalm() {
  analysedTanker();
  TPCM.IARCO = kFreeSalm;
  TPCM.FRESLM = 1;
}

// Every integer option, count and switch of the range table at the ends of its type (2147483647,
// 2147483646, -2147483648) and just outside its range: the run's data findings judge it against its
// range, name it with the value, and meet no arithmetic that overflows on it first (the sanitizer
// build runs this test); on the riser and the free SALM, which may not read it, they run as clean.
TEST_F(ValueRanges, EveryIntegerWordAtTheEndsOfItsTypeIsJudgedBeforeAnyArithmetic) {
  const auto nothing = [] {};
  const auto swellOn = [] {
    TPCM.LSWELL = 1;
    TPCM.SWELHT = 2.0f;
    TPCM.SWELPD = 12.0f;
  };
  const auto currentOn = [] { TPCM.LCURNT = 1; };
  constexpr std::int32_t kEnd = std::numeric_limits<std::int32_t>::max();
  const IntegerWordCase cases[] = {
      {"Unit system NUNTS", nothing, [](std::int32_t x) { TPCM.NUNTS = x; }, 0, 1},
      {"Number of Salm elements", nothing, [](std::int32_t x) { TPCM.NELEM = x; }, 0, kMaxSalmElements},
      {"Number of points in interpolation table", nothing, [](std::int32_t x) { TPCM.NUMTAB = x; }, 0,
       kMaxTablePoints, {1}},
      {"Vessel configuration ISPM", nothing, [](std::int32_t x) { TPCM.ISPM = x; }, 1, 1},
      {"Number of vessel points NACC", nothing, [](std::int32_t x) { TPCM.NACC = x; }, 0, 149},
      {"Number of sea components", nothing, [](std::int32_t x) { TPCM.NPARM = x; }, 1, 6},
      {"Number of sea headings", nothing, [](std::int32_t x) { TPCM.NSEAHG = x; }, 0, 37},
      {"Number of angular wedges", nothing, [](std::int32_t x) { TPCM.NA = x; }, 0, 36},
      // The vessel spreads its response over the wedges in a regular sea too.
      {"Number of angular wedges", [] { TPCM.LRANDM = 0; }, [](std::int32_t x) { TPCM.NA = x; }, 0, 36},
      {"Number of points in current profile",
       [] {
         TPCM.LCURNT = 1;
         TPCM.LCSTCR = 2;
       },
       [](std::int32_t x) { TPCM.NCURNT = x; }, 1, 5},
      {"Submergence option WETYOK", nothing, [](std::int32_t x) { TPCM.WETYOK = x; }, kSubmergenceNone,
       kLastSubmergence},
      {"Type of attachment to vessel IARCO", nothing, [](std::int32_t x) { TPCM.IARCO = x; }, kFreeSalm,
       kLastAttachment},
      {"Number of regular-wave headings NDIR", nothing, [](std::int32_t x) { TPCM.NDIR = x; }, 0, 12},
      {"Wave type", nothing, [](std::int32_t x) { TPCM.WAVTYP = x; }, kSpectrumDefaultSwell, kLastWaveSpectrum},
      {"Number of Ochi-Hubble wave components", [] { TPCM.WAVTYP = kSpectrumOchiHubble; },
       [](std::int32_t x) { TPCM.N_OCHI_COMP = x; }, 1, 4},
      {"Wind spectrum type", [] { TPCM.LWIND = 1; }, [](std::int32_t x) { TPCM.WNDTYP = x; }, kDavenportWind,
       kLastWindSpectrum},
      {"Current variation with depth", currentOn, [](std::int32_t x) { TPCM.LCSTCR = x; }, 0, 3},
      {"Current spectrum type", currentOn, [](std::int32_t x) { TPCM.CURTYP = x; }, kSteadyCurrent,
       kLastCurrentSpectrum},
      {"Create plotter file IPLOTS", nothing, [](std::int32_t x) { TPCM.IPLOTS = x; }, 0, 2},
      {"Simulate wind", nothing, [](std::int32_t x) { TPCM.LWIND = x; }, 0, 1},
      {"Simulate current", nothing, [](std::int32_t x) { TPCM.LCURNT = x; }, 0, 1},
      {"Heave damping is", nothing, [](std::int32_t x) { TPCM.LHVDMP = x; }, 0, 1},
      {"Pitch damping is", nothing, [](std::int32_t x) { TPCM.LPTDMP = x; }, 0, 1},
      {"Roll damping is", nothing, [](std::int32_t x) { TPCM.LRLDMP = x; }, 0, 1},
      {"Heave period is", nothing, [](std::int32_t x) { TPCM.LHVPRD = x; }, 0, 1},
      {"Pitch period is", nothing, [](std::int32_t x) { TPCM.LPTPRD = x; }, 0, 1},
      {"Roll period is", nothing, [](std::int32_t x) { TPCM.LRLPRD = x; }, 0, 1},
      {"Feedback mooring forces", [] { TPCM.VESTYP = kDiscBuoy; }, [](std::int32_t x) { TPCM.MORFBK = x; }, 0, 1},
      {"Apply current correction", nothing, [](std::int32_t x) { TPCM.CURCOR = x; }, 0, 1},
      {"Salm extension drives the excitation", nothing, [](std::int32_t x) { TPCM.LEXTND = x; }, 0, 1},
      {"Use constant wave height or wave slope", nothing, [](std::int32_t x) { TPCM.LSLPHT = x; }, 0, 1},
      {"Simulate irregular waves", nothing, [](std::int32_t x) { TPCM.LRANDM = x; }, 0, 1},
      {"Simulate swell", nothing, [](std::int32_t x) { TPCM.LSWELL = x; }, 0, 1},
      {"Lock swell heading", swellOn, [](std::int32_t x) { TPCM.LSWLOK = x; }, 0, 1},
      {"Simulate second swell", swellOn, [](std::int32_t x) { TPCM.LSWEL2 = x; }, 0, 1},
      {"Legacy current-wave drift force", nothing, [](std::int32_t x) { TPCM.LEGDFC = x; }, 0, 1},
      {"Exclude wave absorption", nothing, [](std::int32_t x) { TPCM.LEGDRG = x; }, 0, 1},
      {"Output RAOs for principal wave directions", nothing, [](std::int32_t x) { TPCM.PRNRAO = x; }, 0, 1},
      {"Output RAOs at all intermediate angles", nothing, [](std::int32_t x) { TPCM.ALLRAO = x; }, 0, 1},
      {"Output vessel motions summary NEGSUM", nothing, [](std::int32_t x) { TPCM.NEGSUM = x; }, 0, 1},
      {"Vessel force tables LFORCE", nothing, [](std::int32_t x) { TPCM.LFORCE = x; }, 0, 1},
      {"Vessel motion tables LMOTN", nothing, [](std::int32_t x) { TPCM.LMOTN = x; }, 0, 1},
      {"Vessel point accelerations LACC", nothing, [](std::int32_t x) { TPCM.LACC = x; }, 0, 1},
      {"Vessel point velocities LVEL", nothing, [](std::int32_t x) { TPCM.LVEL = x; }, 0, 1},
      {"Vessel point displacements LDSP", nothing, [](std::int32_t x) { TPCM.LDSP = x; }, 0, 1},
      // Codes whose choices are not one run of numbers.
      {"Vessel type for simulation", nothing, [](std::int32_t x) { TPCM.VESTYP = x; }, kShipVessel, kCaissonSpar,
       {kJackUp}},
      {"Swell type", swellOn, [](std::int32_t x) { TPCM.SWLTYP = x; }, kSpectrumDefaultSwell, kLastWaveSpectrum,
       {kSpectrumOchiHubble}},
      {"Second swell type",
       [=] {
         swellOn();
         TPCM.LSWEL2 = 1;
         TPCM.SWELHT2 = 2.0f;
         TPCM.SWELPD2 = 12.0f;
       },
       [](std::int32_t x) { TPCM.SWLTYP2 = x; }, kSpectrumDefaultSwell, kLastWaveSpectrum, {kSpectrumOchiHubble}},
      // The piercing element (0 for none, or the one past the last) and the free switch of the yoke.
      {"Salm element that pierces water", nothing, [](std::int32_t x) { TPCM.IPIERC = x; }, 0, 3},
      {"Free Salm switch FRESLM", nothing, [](std::int32_t x) { TPCM.FRESLM = x; }, 0, 0},
  };
  const std::function<void()> fixtures[] = {tankerOnAYoke, buoyantRiser, freeSalm};
  for (const IntegerWordCase& c : cases) {
    std::vector<std::int32_t> refused = {kEnd, kEnd - 1, std::numeric_limits<std::int32_t>::min(), c.low - 1,
                                         c.high + 1};
    refused.insert(refused.end(), c.alsoRefused.begin(), c.alsoRefused.end());
    for (const std::int32_t x : refused) {
      SCOPED_TRACE(::testing::Message() << c.named << " at " << x);
      for (const std::function<void()>& fixture : fixtures) {
        fixture();
        c.reads();
        c.set(x);
        const std::vector<RunFinding> findings = runFindings();
        if (&fixture != &fixtures[0]) continue;
        // The tanker reads it: the word is named, with its value, in a fatal finding.
        bool named = false;
        for (const RunFinding& f : findings) {
          named = named || (f.fatal && f.value.rfind(c.named, 0) == 0 &&
                            f.value.ends_with(" is " + std::to_string(x)));
        }
        EXPECT_TRUE(named) << testing_support::findingsText(findings);
      }
    }
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
