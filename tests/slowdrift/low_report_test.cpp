// The low-frequency report LOWPRT and the low-frequency member statistics, on the hand-filled states
// of low_report_fixtures.h.
//
// The expected reports of tests/slowdrift/expected/ (LOWOUT_full.stxt, LOWOUT_single.stxt) and the stored
// values pasted below come from tests/slowdrift/reference/low_report_reference.py, which writes the report
// from its layout and forms the member statistics from the physics of the column (the member angles
// at a load from the members' moment balances with the top at its height, joint loads from the top
// member's moment balance, internal loads from the free body below each point, the displaced state
// from the energy of the load-offset table). The script solves the column's statics in double
// precision, the program in single: the reports agree to one unit of each number's last digit.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "low_report_fixtures.h"
#include "slowdrift/ergcom.h"
#include "slowdrift/lowcom.h"
#include "slowdrift/lowprt.h"
#include "slowdrift/output.h"
#include "slowdrift/pekcom.h"
#include "support/checks.h"
#include "support/console_capture.h"
#include "support/expected_files.h"
#include "support/fresh_run.h"
#include "support/temp_dir.h"

namespace qv {
namespace {

using testing_support::ConsoleCapture;
using testing_support::contains;
using testing_support::expectedFile;
using testing_support::IsClose;
using testing_support::readFileText;
using testing_support::stopStatus;
using testing_support::TempDir;

int count(const std::string& text, const std::string& part) {
  int n = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
  return n;
}

std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> all;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) all.push_back(line);
  return all;
}

// The numbers of a line, and the line with each number (and the blanks before it) as one '#'.
struct LineNumbers {
  std::string skeleton;
  std::vector<double> values, units;  // a unit of each number's last digit (0: an integer)
};

LineNumbers numbersOf(const std::string& line) {
  static const std::regex number(R"(( *)([-+]?(\d+\.\d*|\.\d+))(E([-+]\d+))?)");
  LineNumbers out;
  std::size_t from = 0;
  for (auto it = std::sregex_iterator(line.begin(), line.end(), number); it != std::sregex_iterator(); ++it) {
    const std::smatch& m = *it;
    out.skeleton += line.substr(from, static_cast<std::size_t>(m.position(0)) - from) + "#";
    from = static_cast<std::size_t>(m.position(0) + m.length(0));
    const std::string mantissa = m[2].str();
    const int decimals = static_cast<int>(mantissa.size() - mantissa.find('.') - 1);
    const int exponent = m[5].matched ? std::stoi(m[5].str()) : 0;
    out.values.push_back(std::stod(mantissa) * std::pow(10.0, exponent));
    out.units.push_back(std::pow(10.0, exponent - decimals));
  }
  out.skeleton += line.substr(from);
  return out;
}

// The same text line by line, each line as long as its expected one, and every number within one unit
// of its last digit of the expected one.
::testing::AssertionResult agreesToTheLastDigit(const std::string& actual, const std::string& expected) {
  const std::vector<std::string> a = lines(actual), e = lines(expected);
  if (a.size() != e.size()) return ::testing::AssertionFailure() << a.size() << " lines, expected " << e.size();
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (a[i] == e[i]) continue;
    const LineNumbers x = numbersOf(a[i]), y = numbersOf(e[i]);
    bool agree = a[i].size() == e[i].size() && x.skeleton == y.skeleton;
    for (std::size_t k = 0; agree && k < x.values.size(); ++k)
      agree = std::fabs(x.values[k] - y.values[k]) <= 1.0001 * y.units[k];
    if (!agree) return ::testing::AssertionFailure() << "line " << i + 1 << ":\n" << a[i] << "\nexpected:\n" << e[i];
  }
  return ::testing::AssertionSuccess();
}

const char* const kProgress = "\n >>> Outputting low-frequency dynamics data...\n\n";
const char* const kSectionThree = "III.  VESSEL AND ENVIRONMENT SUMMARY";
const char* const kSectionFour = "IV.  STATIC EQUILIBRIUM SUMMARY";
const char* const kSectionFive = "V.  LOW-FREQUENCY DYNAMICS SUMMARY";
const char* const kSectionSix = "VI.  SINGLE MEMBER LOW-FREQUENCY STATISTICAL SUMMARY";
const char* const kPause = "Press <RETURN> to continue: ";
const char* const kAbortQuestion = "Enter \"A\" to abort or Press <RETURN> to continue: ";
const char* const kDepthWarning = " ++> Warning: A water depth/draft parameter lies outside valid range";

// ---- the report pages ----------------------------------------------------------------------------

struct PageCase {
  const char* name;
  void (*build)();
  const char* typed;  // the replies of the run
};

class LowReportPages : public ::testing::TestWithParam<PageCase> {
 protected:
  void SetUp() override { resetAllBlocks(); }
  void TearDown() override { resetAllBlocks(); }
};

// Wind, current, sea and swell with three equilibria; and a single equilibrium, whose NSMB current
// lies outside its depth range: the warning and its question on the console, Return goes on.
TEST_P(LowReportPages, WritesTheExpectedReport) {
  const PageCase& c = GetParam();
  c.build();
  TempDir dir;
  ConsoleCapture console(c.typed);
  LOWPRT();
  EXPECT_TRUE(agreesToTheLastDigit(readFileText("LOWOUT.stxt"),
                                   expectedFile("slowdrift", std::string("LOWOUT_") + c.name + ".stxt")));
  const std::string screen = console.screen();
  EXPECT_EQ(screen.rfind(kProgress, 0), 0u) << screen;
  EXPECT_EQ(count(screen, kAbortQuestion), std::string(c.name) == "single" ? 1 : 0) << screen;
  EXPECT_EQ(console.unread(), "");
}

INSTANTIATE_TEST_SUITE_P(Runs, LowReportPages,
                         ::testing::Values(PageCase{"full", testing_support::fullLowFrequencyRun, ""},
                                           PageCase{"single", testing_support::singleEquilibriumRun, "\n"}),
                         [](const ::testing::TestParamInfo<PageCase>& info) { return std::string(info.param.name); });

class LowFrequencyReport : public testing_support::FreshRun {};

// With a single equilibrium the energy range is empty: it is the most stable root, index 100.
TEST_F(LowFrequencyReport, ASingleEquilibriumHasTheIndexOfTheMostStable) {
  testing_support::singleEquilibriumRun();
  TempDir dir;
  ConsoleCapture console("\n");
  LOWPRT();
  const std::string report = readFileText("LOWOUT.stxt");
  EXPECT_TRUE(contains(report, "Equilibrium stability index ................     100.00 percent")) << report;
  EXPECT_TRUE(contains(report, " Unstable Equilibria:\n\n\n Environmental forces")) << report;
}

// The vessel response computed the motions at the yoke with the vessel at heading 0; when the waves
// of the statistics meet the vessel at its stable heading more than 10 degrees away from that, the
// report warns, in section IV and on the screen's unit, and names the relative heading and every
// heading to enter to turn the environment so that the vessel lies near heading 0: each with its page
// and item, its value now and the new one, numbers with their leading 0; the regular waves' heading
// goes with the waves of the statistics, with the way to reach it on page 14. Runs without the
// attached SALM's dynamics driven by the waves say nothing. The fixture: sea toward 15 degrees, wind
// 30, current 45, a global swell 60, no regular-wave heading (NDIR 0).
TEST_F(LowFrequencyReport, WavesMeetingTheVesselOffTheHeadingOfItsMotionsAreWarnedOf) {
  struct Case {
    const char* what;
    float vessel;  // the stable vessel heading [deg]
    void (*change)();
    std::vector<std::string> named;  // parts of the warning; empty: no warning
    std::vector<std::string> absent = {};
  };
  const std::string newDataSet =
      " ++> Warning: at the stable equilibrium the vessel heads 180.00 deg, and the\n"
      "     sea of heading 0.00 deg meets it at the relative heading 180.00 deg;\n"
      "     but the vessel's motions at the yoke (\"YOKEMOT\"), which the wave-frequency\n"
      "     stage uses, were computed with the vessel at heading 0, at 0.00 deg.\n"
      "     Turn the environment by -180.00 deg (the vessel then lies near heading 0)\n"
      "     and run again; enter\n"
      "       180.00 deg as the irregular waves' heading (page 15, item 4),\n"
      "         now 0.00 deg,\n"
      "       180.00 deg as the regular waves' heading (page 14, item 6), now 0.00 deg,\n"
      "       180.00 deg as the wind heading (page 11, item 2), now 0.00 deg,\n"
      "       180.00 deg as the current heading (page 12, item 2), now 0.00 deg.\n"
      "     Page 14 shows item 6 only while the irregular waves (page 15, item 1) are\n"
      "     off: switch them off, enter the heading there, and switch them on again.\n";
  const Case cases[] = {
      {"the vessel at heading 0", 0.0f, [] {}, {}},
      {"within 10 degrees", 9.9f, [] {}, {}},
      {"beyond 10 degrees", 10.1f, [] {}, {"vessel heads 10.10 deg", "relative heading 4.90 deg;", "by -10.10 deg"}},
      {"the sea met from the other side", -66.59f, [] {},
       {"the vessel heads -66.59 deg, and the\n     sea of heading 15.00 deg meets it at the relative heading 81.59 deg;",
        "at heading 0, at 15.00 deg.\n     Turn the environment by 66.59 deg (the vessel then lies near heading 0)\n"
        "     and run again; enter\n"
        "       81.59 deg as the irregular waves' heading (page 15, item 4),\n"
        "         now 15.00 deg,\n"
        "       96.59 deg as the wind heading (page 11, item 2), now 30.00 deg,\n"
        "       111.59 deg as the current heading (page 12, item 2), now 45.00 deg,\n"
        "       126.59 deg as the swell heading (page 16, item 4), now 60.00 deg.\n"},
       {"page 14", "Page 14"}},
      {"across the turn of the circle", 179.0f, [] {}, {"relative heading 196.00 deg;"}},
      {"a new data set: every heading 0, the vessel weathervaned to 180", 180.0f,
       [] {
         TPCM.SEAHDG(1) = TPCM.WNDHDG = TPCM.CURHDG = 0.0f;
         TPCM.LSWELL = 0;
         TPCM.NDIR = 1;
         TPCM.WAVHDG(1) = 0.0f;
       },
       {newDataSet}},
      {"the regular waves apart from the sea, a swell on", 30.0f,
       [] {
         TPCM.NDIR = 1;
         TPCM.WAVHDG(1) = 195.0f;
       },
       {"       345.00 deg as the regular waves' heading (page 14, item 6),\n"
        "         now 195.00 deg,\n",
        "       30.00 deg as the swell heading (page 16, item 4), now 60.00 deg.\n"
        "     Page 14 shows item 6 only while the irregular waves (page 15, item 1) and\n"
        "     the swell (page 16, item 1) are off: switch them off, enter the heading\n"
        "     there, and switch them on again.\n"}},
      {"the regular waves already at the heading to enter, wind and current off", 30.0f,
       [] {
         TPCM.NDIR = 1;
         TPCM.WAVHDG(1) = 345.0f;
         TPCM.LWIND = TPCM.LCURNT = 0;
       },
       {"       345.00 deg as the irregular waves' heading (page 15, item 4),\n"
        "         now 15.00 deg,\n"
        "       30.00 deg as the swell heading (page 16, item 4), now 60.00 deg.\n"},
       {"the regular waves", "page 14", "Page 14", "wind", "current"}},
      {"a swell of its own heading without a sea", 30.0f,
       [] {
         TPCM.LRANDM = 0;
         TPCM.NDIR = 1;
         TPCM.WAVHDG(1) = 60.0f;
       },
       {"swell of heading 60.00 deg meets it at the relative heading 30.00 deg;",
        "     Turn the environment by -30.00 deg (the vessel then lies near heading 0)\n"
        "     and run again; enter\n"
        "       30.00 deg as the swell heading (page 16, item 4), now 60.00 deg,\n"
        "       30.00 deg as the regular waves' heading (page 14, item 6), now 60.00 deg,\n"
        "       0.00 deg as the wind heading (page 11, item 2), now 30.00 deg,\n"
        "       15.00 deg as the current heading (page 12, item 2), now 45.00 deg.\n"
        "     Page 14 shows item 6 only while the swell (page 16, item 1) is off:\n"
        "     switch it off, enter the heading there, and switch it on again.\n"},
       {"irregular"}},
      {"a swell locked to the sea headings, no sea", 30.0f, [] { TPCM.LRANDM = 0; TPCM.LSWLOK = 1; }, {}},
      {"no dynamics", 30.0f, [] { TPCM.LDYN = 0; }, {}},
      {"the dynamics driven by the extension", 30.0f, [] { TPCM.LEXTND = 1; }, {}},
      {"a free SALM", 30.0f, [] { TPCM.IARCO = kFreeSalm; TPCM.FRESLM = 1; }, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    resetAllBlocks();
    testing_support::fullLowFrequencyRun();
    TPCM.LDYN = 1;
    EQUILB.TANGLE(EQUILB.ISTAB) = c.vessel / 57.2957764f;
    c.change();
    std::string warning;
    for (const std::string& line : waveHeadingWarning()) warning += line + "\n";
    EXPECT_EQ(warning.empty(), c.named.empty()) << warning;
    for (const std::string& part : c.named) EXPECT_TRUE(contains(warning, part)) << warning;
    for (const std::string& part : c.absent) EXPECT_FALSE(contains(warning, part)) << part << "\n" << warning;
    if (warning.empty()) continue;
    EXPECT_EQ(warning.rfind(" ++> Warning: at the stable equilibrium the vessel heads ", 0), 0u) << warning;
    TempDir dir;
    ConsoleCapture console;
    LOWPRT();
    EXPECT_TRUE(contains(console.screen(), std::string(kProgress) + "\n" + warning)) << console.screen();
    const std::string report = readFileText("LOWOUT.stxt");
    const std::size_t at = report.find(warning);
    ASSERT_NE(at, std::string::npos) << report;
    EXPECT_LT(report.find(" Environmental forces: Most stable equilibrium"), at);
    EXPECT_GT(report.find(kSectionFive), at);
  }
}

// ---- what the report leaves for the statistics --------------------------------------------------

struct Tables {
  const Arr<float, 14>& shear;
  const Arr<float, 14>& axial;
  const Arr<float, 14>& lateral;
  const Arr<float, 6>& angles;
  const Arr<float, 6>& lateralAngles;
  const Arr<float, 21>& positions;
  const Arr<float, 10, 6>& moments;
};

struct ExpectedTables {
  std::vector<float> shear, axial, lateral, angles, lateralAngles, positions;
  std::vector<std::vector<float>> moments;
};

// The script solves the statics in double precision, the program in single: the deviations, which are
// differences of loads up to about 1200 kips and of moments up to about 5000 ft-kips, agree to a few
// units of the last place of those.
void expectTables(const Tables& t, const ExpectedTables& e) {
  auto near = [](const char* what, int i, float actual, float expected) {
    EXPECT_TRUE(IsClose(actual, expected, 1e-5, 2e-4)) << what << " " << i;
  };
  for (int i = 1; i <= 14; ++i) {
    near("shear", i, t.shear(i), e.shear[i - 1]);
    near("axial", i, t.axial(i), e.axial[i - 1]);
    near("lateral", i, t.lateral(i), e.lateral[i - 1]);
  }
  for (int m = 1; m <= static_cast<int>(e.angles.size()); ++m) {
    near("in-plane angle", m, t.angles(m), e.angles[m - 1]);
    near("lateral angle", m, t.lateralAngles(m), e.lateralAngles[m - 1]);
  }
  for (int i = 1; i <= static_cast<int>(e.positions.size()); ++i) near("position", i, t.positions(i), e.positions[i - 1]);
  for (int p = 1; p <= static_cast<int>(e.moments.size()); ++p)
    for (int c = 1; c <= 5; ++c) EXPECT_TRUE(IsClose(t.moments(p, c), e.moments[p - 1][c - 1], 1e-5, 3e-3)) << p << "," << c;
}

Tables netTables() {
  const Output& o = OUTPUT;
  return {o.FSHRLF, o.FAXLLF, o.FLTRLF, o.ASIGLF, o.TSIGLF, o.RSIGLF, o.MSIGLF};
}

Tables peakTables() {
  const Pekcom& p = PEKCOM;
  return {p.FSHRLP, p.FAXLLP, p.FLTRLP, p.ASIGLP, p.TSIGLP, p.RSIGLP, p.MSIGLP};
}

// The net variation in OUTPUT and the storm peak in PEKCOM, each with the yoke's two legs and hinges
// at load points 7 to 10 (shear: the legs' shear, then the hinges' vertical component; axial: the
// legs' axial load, then the horizontal component), and the mean internal loads in STMOM.
TEST_F(LowFrequencyReport, LeavesTheNetVariationAndTheStormPeakForTheStatistics) {
  testing_support::fullLowFrequencyRun();
  TempDir dir;
  ConsoleCapture console;
  LOWPRT();
  // low_report_reference.py, case 1 of the full fixture
  expectTables(netTables(),
               {{363.5356f, 3.514618f, 3.361771f, 1.392159f, 1.177948f, 2.673744f, 0.3138103f, 0.3138103f, 271.9254f,
                 271.9254f, 0, 0, 0, 0},
                {418.9308f, 547.7705f, 552.0463f, 555.8615f, 553.5314f, 548.8668f, 357.5645f, 357.5645f, 232.8703f,
                 232.8703f, 0, 0, 0, 0},
                {0, 0, 0, 0, 0, 54.32608f, 27.16304f, 27.16304f, 27.16304f, 27.16304f, 0, 0, 0, 0},
                {0.1801835f, 0.02890968f, 0.1973858f},
                {0.1448316f, 0.21984f, 0.05505795f},
                {15.28086f, 9.501541f, 23.09834f, 14.63833f, 8.919044f, 22.06074f, 6.875854f, 0, 19.7526f},
                {{0.7640561f, 550.431f, 0, 0, 82.51578f},
                 {0.5354385f, 554.114f, 0, 0, 8.567047f},
                 {0.9487398f, 553.029f, 54.32608f, 2173.043f, 34.50019f}}});
  // case 6
  expectTables(peakTables(),
               {{788.7162f, 3.941376f, 3.770065f, 1.99543f, 1.688446f, 3.122475f, 1.939497f, 1.939497f, 599.2567f,
                 599.2567f, 0, 0, 0, 0},
                {927.022f, 1209.512f, 1214.434f, 1218.801f, 1215.502f, 1210.396f, 782.504f, 782.504f, 504.1497f,
                 504.1497f, 0, 0, 0, 0},
                {0, 0, 0, 0, 0, 117.8643f, 58.93214f, 58.93214f, 58.93214f, 58.93214f, 0, 0, 0, 0},
                {0.2036396f, 0.04121107f, 0.2268213f},
                {0.2216035f, 0.3363721f, 0.08388376f},
                {17.13653f, 10.93613f, 37.1859f, 16.21555f, 10.11145f, 35.47237f, 7.15033f, 0, 31.56989f},
                {{0.8568119f, 1212.574f, 0, 0, 92.53816f},
                 {0.7675451f, 1216.326f, 0, 0, 12.27869f},
                 {1.107999f, 1215.115f, 117.8643f, 4714.571f, 40.28873f}}});
  const float stmom[3][5] = {{2.247474f, 206.8824f, 0, 0, 242.7263f},
                             {17.05718f, 120.9605f, 0, 0, 272.9146f},
                             {-5.979144f, 120.762f, -14.19662f, 567.8649f, -217.4235f}};
  for (int p = 1; p <= 3; ++p)
    for (int c = 1; c <= 5; ++c) EXPECT_TRUE(IsClose(OUTPUT.STMOM(p, c), stmom[p - 1][c - 1], 1e-5, 5e-4)) << p << c;
}

// Without a yoke the top member has one top end: nothing is stored past load point 2 NCON + 1, also
// where an earlier run left values, and the connection end of the end-load tables holds 0.
TEST_F(LowFrequencyReport, WithoutAYokeNoConnectionEntries) {
  testing_support::singleEquilibriumRun();
  for (float& v : OUTPUT.FSIGLF) v = 99.0f;
  for (float& v : PEKCOM.FSIGLP) v = 99.0f;
  TempDir dir;
  ConsoleCapture console("\n");
  LOWPRT();
  // low_report_reference.py, single fixture, cases 1 and 6
  expectTables(netTables(), {{63.84843f, 3.325008f, 3.324986f, 12.8716f, 13.99086f, 0, 0, 0, 0, 0, 0, 0, 0, 0},
                             {75.59598f, 98.33447f, 94.91156f, 113.7005f, 79.47154f, 0, 0, 0, 0, 0, 0, 0, 0, 0},
                             std::vector<float>(14, 0.0f),
                             {0.1247345f, 0.1815453f},
                             {0.08261155f, 0.01699649f},
                             {3.325f, 1.711447f, 2.513731f, 1.981876f, 0, 2.354966f},
                             {}});
  expectTables(peakTables(), {{243.5618f, 4.80341f, 4.803448f, 22.40935f, 24.35802f, 0, 0, 0, 0, 0, 0, 0, 0, 0},
                              {316.9393f, 399.5042f, 394.1988f, 422.0398f, 368.9859f, 0, 0, 0, 0, 0, 0, 0, 0, 0},
                              std::vector<float>(14, 0.0f),
                              {0.1831635f, 0.2957605f},
                              {0.2069864f, 0.04271622f},
                              {4.803425f, 2.652695f, 6.823251f, 2.465055f, 0, 6.379972f},
                              {}});
  for (int k = 1; k <= kLowCases; ++k) {
    EXPECT_EQ(LOWCOM.SHRVAL(5, k), 0.0f) << k;
    EXPECT_EQ(LOWCOM.AXLVAL(5, k), 0.0f) << k;
    EXPECT_EQ(LOWCOM.LTRVAL(5, k), 0.0f) << k;
  }
}

// With the report off nothing is written, and the statistics are the same as with it on; the mode
// records hold amplitudes, the low mode's as a lateral motion at the yaw arm.
TEST_F(LowFrequencyReport, WithTheReportOffTheStatisticsAreStillLeft) {
  testing_support::fullLowFrequencyRun();
  std::string screenWithReport;
  {
    TempDir dir;
    ConsoleCapture console;
    LOWPRT();
    screenWithReport = console.screen();
  }
  const Output withReport = OUTPUT;
  const Pekcom peaksWithReport = PEKCOM;
  const Equilb equilibriumWithReport = EQUILB;

  testing_support::fullLowFrequencyRun();
  TPCM.LOWMOT = 0;
  TempDir dir;
  ConsoleCapture console;
  LOWPRT();
  EXPECT_FALSE(std::filesystem::exists("LOWOUT.stxt"));
  // The progress line, and the warnings the statistics give (this fixture's storm peak lies beyond
  // its load table): the same screen as with the report.
  EXPECT_EQ(console.screen().rfind(kProgress, 0), 0u);
  EXPECT_EQ(console.screen(), screenWithReport);
  EXPECT_EQ(std::memcmp(&OUTPUT, &withReport, sizeof OUTPUT), 0);
  EXPECT_EQ(std::memcmp(&PEKCOM, &peaksWithReport, sizeof PEKCOM), 0);
  EXPECT_EQ(std::memcmp(&EQUILB, &equilibriumWithReport, sizeof EQUILB), 0);

  const Equilb& q = EQUILB;
  // The fixture's variances: surge 6, 3, 10, 4, 1.5, 0.5 (total 25); low mode 1e-4, 6e-5, 1.5e-4,
  // 5e-5, 2e-5, 1e-5 (total 3.9e-4). NETARM = |YAWARM| + X0 - OFFSET(1) with X0 = 113.73265 (the
  // offset at the mean load 95, low_report_reference.py) and OFFSET(1) = 60 sin(acos(16 / 60)) =
  // 57.83310 (the yoke leaning to the top's height 146 over the upright riser and buoy at rest).
  const double netArm = 400.0 + 113.73265 - 60.0 * std::sqrt(1.0 - (16.0 / 60.0) * (16.0 / 60.0));
  EXPECT_TRUE(IsClose(q.NETARM, netArm, 1e-6));
  EXPECT_TRUE(IsClose(q.VARTOT, 5.0, 1e-6));
  EXPECT_TRUE(IsClose(q.VARWAV, std::sqrt(10.0), 1e-6));
  EXPECT_TRUE(IsClose(q.EVRLO, std::sqrt(3.9e-4) * netArm, 1e-5));
  EXPECT_TRUE(IsClose(q.VRWND2, std::sqrt(1e-4) * netArm, 1e-5));
  EXPECT_TRUE(IsClose(q.EVRHI, std::sqrt(7.5e-4), 1e-5));
  // The yoke at the mean equilibrium: 0.45 - 0.35 + YOKVES 0.05 out of the SALM plane.
  EXPECT_TRUE(IsClose(q.YOKSLM, 0.15, 1e-6));
  EXPECT_TRUE(IsClose(q.FLTRL0, -std::sin(0.15) * 95.0, 1e-6));
  EXPECT_TRUE(IsClose(q.DELTA0, -std::sin(0.15) * 95.0 * 60.0 / 40.0, 1e-6));
}

// Peak factor sqrt(2 ln N) with N = 573 DURATN omega cycles, at least 7.4.
TEST_F(LowFrequencyReport, StormPeakFactors) {
  struct Case {
    float hours, omega;
    double factor;  // sqrt(2 ln max(573 hours omega, 7.4)), by hand
  };
  const Case cases[] = {
      {3.0f, 0.05f, 2.9845488},    // N = 85.95
      {3.0f, 0.2f, 3.4176191},     // N = 343.8
      {3.0f, 0.001f, 2.0007399},   // N = 1.719, floored
      {0.01f, 0.05f, 2.0007399},   // a short storm: N = 0.2865, floored
      {3.0f, 0.0f, 2.0007399},     // a mode without a frequency
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.hours) + " h at " + std::to_string(c.omega) + " rad/s");
    testing_support::fullLowFrequencyRun();
    TPCM.LOWMOT = 0;
    TPCM.DURATN = c.hours;
    EQUILB.WSURG = EQUILB.WYAWLO = EQUILB.WYAWHI = c.omega;
    ConsoleCapture console;
    LOWPRT();
    EXPECT_TRUE(IsClose(EQUILB.FSGPK, c.factor, 1e-5));
    EXPECT_TRUE(IsClose(EQUILB.FLOPK, c.factor, 1e-5));
    EXPECT_TRUE(IsClose(EQUILB.FHIPK, c.factor, 1e-5));
  }
}

// ---- the mean configuration ----------------------------------------------------------------------

// The mean configuration at FEQ = 95, between the table's loads 70 and 110, is the column's
// equilibrium there (submergedColumnAngles, the members' moment balances solved here with the top at
// its height), not a straight line between the table's angles, which would miss the top's height:
// the joints against sums of the member vectors, the top at YOKBOT above the anchor, and each
// member's moment balance about its lower joint with the joint loads, H cot(phi) = Z(top) - M.
TEST_F(LowFrequencyReport, MeanJointsAreTheSumsOfTheMemberVectors) {
  testing_support::fullLowFrequencyRun();
  TPCM.LOWMOT = 0;
  ConsoleCapture console;
  LOWPRT();
  const std::vector<float> statics = testing_support::submergedColumnAngles(95.0f);
  const double length[3] = {100.0, 30.0, 60.0};
  const double moment[3] = {-22.0, -55.0, 58.0 / 3.0};  // (W g - B b) / L of the fixture's members
  double x = 0.0, z = 10.0, straightLine = 10.0, phi = 0.0;
  for (int m = 1; m <= 3; ++m) {
    phi = LOWCOM.EQANG(m);
    EXPECT_TRUE(IsClose(phi, statics[static_cast<std::size_t>(m - 1)], 0.0, 2e-6)) << m;
    x += length[m - 1] * std::sin(phi);
    z += length[m - 1] * std::cos(phi);
    EXPECT_TRUE(IsClose(LOWCOM.REQTMP(3 * m + 1), x, 1e-5)) << m;
    EXPECT_TRUE(IsClose(LOWCOM.REQTMP(3 * m + 2), z, 1e-5)) << m;
    EXPECT_TRUE(IsClose(95.0 / std::tan(phi), LOWCOM.ZLDEQ(m + 1) - moment[m - 1], 0.0, 2e-3)) << m;
    const double line = SOLVE.PHIANG(4, m) + 0.625 * (SOLVE.PHIANG(5, m) - SOLVE.PHIANG(4, m));
    straightLine += length[m - 1] * std::cos(line);
  }
  EXPECT_TRUE(IsClose(z, 10.0 + 146.0, 0.0, 1e-3));
  EXPECT_GT(std::fabs(straightLine - 156.0), 0.1);
  EXPECT_EQ(LOWCOM.REQTMP(1), 0.0f);
  EXPECT_EQ(LOWCOM.REQTMP(2), 10.0f);
  EXPECT_EQ(LOWCOM.REQTMP(9), 0.0f);  // joints below the top stay in the SALM plane
  EXPECT_TRUE(IsClose(LOWCOM.REQTMP(12), 60.0 * std::sin(phi) * std::sin(0.15), 1e-5));
}

// At a mean load on a table point the mean configuration is the statics' own: the table's angles,
// the top at the table's offset, and the joint loads of the column there (the top member's moment
// balance: H cot(phi3) plus its moment term (28 x 20 + 12 x 50) / 60; below it the net weights 40,
// -120 and -45 of the members).
TEST_F(LowFrequencyReport, AMeanLoadOnATablePointGivesTheStaticsConfiguration) {
  testing_support::fullLowFrequencyRun();
  EQUILB.FTOT(1) = 110.0f;
  TPCM.LOWMOT = 0;
  ConsoleCapture console;
  LOWPRT();
  for (int m = 1; m <= 3; ++m) EXPECT_TRUE(IsClose(LOWCOM.EQANG(m), SOLVE.PHIANG(5, m), 1e-6)) << m;
  EXPECT_TRUE(IsClose(LOWCOM.REQTMP(10), EQUILB.OFFSET(5), 1e-5));
  const double top = 110.0 / std::tan(SOLVE.PHIANG(5, 3)) + 1160.0 / 60.0;
  const double loads[4] = {top - 40.0 + 120.0 + 45.0, top - 40.0 + 120.0, top - 40.0, top};
  for (int j = 1; j <= 4; ++j) EXPECT_TRUE(IsClose(LOWCOM.ZLDEQ(j), loads[j - 1], 1e-5)) << j;
}

// Members below the top standing vertical put the top's lower joint over the anchor: their lateral
// angle deviation is finite (0, as they do not lean), whether or not the high mode yaws. At rest (a
// mean load of 0, the table's first point) the riser and the buoy stand upright.
TEST_F(LowFrequencyReport, VerticalMembersBelowTheTopHaveAFiniteLateralAngle) {
  for (const bool yaws : {true, false}) {
    SCOPED_TRACE(yaws ? "with yaw" : "without yaw");
    testing_support::fullLowFrequencyRun();
    EQUILB.FTOT(1) = 0.0f;
    if (!yaws) {
      LowModeRecord& high = EQUILB.MODREC(3);
      high.VARTOT = high.VARWND = high.VARCUR = high.VARWAV = high.VARSWL = 0.0f;
    }
    TPCM.LOWMOT = 0;
    ConsoleCapture console;
    LOWPRT();
    EXPECT_EQ(LOWCOM.EQANG(1), 0.0f);
    EXPECT_EQ(LOWCOM.EQANG(2), 0.0f);
    EXPECT_EQ(LOWCOM.REQTMP(7), 0.0f);
    for (int k = 1; k <= kLowCases; ++k)
      for (int m = 1; m <= 2; ++m) EXPECT_EQ(LOWCOM.THTVAR(m, k), 0.0f) << m << "," << k;
    EXPECT_TRUE(std::isfinite(OUTPUT.TSIGLF(3)));
    EXPECT_TRUE(std::isfinite(PEKCOM.TSIGLP(3)));
  }
}

// A member whose angle falls as the load rises moves its top back toward the anchor: its radial
// deviation is negative, in LOWCOM as in OUTPUT and PEKCOM; vertical and lateral ones are not. A buoy
// that outweighs the water it displaces stands steeper than the riser under it (their cotangents
// differ by 8.5 t over the load), and as the load rises the riser rises toward it: 0.6426 rad at the
// mean load 52 t, 0.6356 rad at 100 t (the statics of low_report_reference.py).
TEST_F(LowFrequencyReport, ATopMovingBackHasANegativeRadialDeviation) {
  testing_support::singleEquilibriumRun();
  testing_support::setColumn({{{30.0f, 8.0f, 15.0f, 20.0f, 15.0f, 0}}, {{12.0f, 30.0f, 5.0f, 6.0f, 6.0f, 0}}}, 4.0f,
                             34.0f);
  testing_support::setLoadTable({0.0f, 10.0f, 25.0f, 45.0f, 70.0f, 100.0f}, 52.0f);
  TPCM.LOWMOT = 0;
  ConsoleCapture console("\n");
  LOWPRT();
  EXPECT_TRUE(IsClose(LOWCOM.EQANG(1), 0.6426, 0.0, 5e-5));
  for (int k : {1, 6}) {
    EXPECT_LT(LOWCOM.RTPVAL(1, 1, k), 0.0f) << k;
    EXPECT_GT(LOWCOM.RTPVAL(2, 1, k), 0.0f) << k;
    EXPECT_GT(LOWCOM.RTPVAL(3, 1, k), 0.0f) << k;
  }
  EXPECT_EQ(OUTPUT.RSIGLF(1), LOWCOM.RTPVAL(1, 1, 1));
  EXPECT_EQ(PEKCOM.RSIGLP(1), LOWCOM.RTPVAL(1, 1, 6));
}

// The moment points flagged in LMOMT must be the NMOMT of the data set, and fit the ten rows of the
// tables; otherwise the run stops after the mean internal loads.
TEST_F(LowFrequencyReport, MomentPointsThatDoNotMatchTheCountStopTheRun) {
  struct Case {
    const char* name;
    int flaggedInMember1;  // the fixture flags one element in each member; member 1 may have more
    int NMOMT;
  };
  const Case cases[] = {
      {"fewer counted than flagged", 1, 2},
      {"more counted than flagged", 1, 4},
      {"more flagged than the tables hold", 9, 11},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    testing_support::fullLowFrequencyRun();
    if (c.flaggedInMember1 > 1) {
      std::vector<testing_support::LowElement> member1;
      for (int i = 0; i < c.flaggedInMember1; ++i) member1.push_back({100.0f / c.flaggedInMember1, 2.0f, 5.0f, 7.0f, 5.0f, 1});
      testing_support::setColumn({member1,
                                  {{20.0f, 30.0f, 10.0f, 120.0f, 10.0f, 1}, {10.0f, 10.0f, 5.0f, 40.0f, 5.0f, 0}},
                                  {{40.0f, 28.0f, 20.0f, 0.0f, 0.0f, 1}, {20.0f, 12.0f, 10.0f, 0.0f, 0.0f, 0}}},
                                 10.0f, 146.0f);
    }
    TPCM.NMOMT = c.NMOMT;
    TempDir dir;
    ConsoleCapture console("\n");
    EXPECT_EQ(stopStatus(LOWPRT), 1);
    const std::string screen = console.screen();
    EXPECT_TRUE(contains(screen, " ++> Moment mismatch in static moment calcln\n")) << screen;
    EXPECT_TRUE(contains(screen, kPause)) << screen;
  }
}

// A data set without SALM elements has no members to follow: sections III to V only.
TEST_F(LowFrequencyReport, WithoutElementsNoMemberStatistics) {
  testing_support::fullLowFrequencyRun();
  TPCM.NELEM = 0;
  SOLVE.NCON = 0;
  TempDir dir;
  ConsoleCapture console;
  LOWPRT();
  const std::string report = readFileText("LOWOUT.stxt");
  EXPECT_EQ(count(report, kSectionFive), 1);
  EXPECT_EQ(count(report, kSectionSix), 0);
  EXPECT_EQ(EQUILB.DELTA0, 0.0f);
  for (const float v : OUTPUT.FSIGLF) EXPECT_EQ(v, 0.0f);
  for (const float v : PEKCOM.FSIGLP) EXPECT_EQ(v, 0.0f);
}

// ---- the routines of section V and VI ------------------------------------------------------------

// On a linear table (load K x, energy K x^2 / 2, the integral of the load) the energy of the mean
// offset X0 raised by the work of an amplitude a is reached at X0 + a: the offset and the load come
// back as a and K a. Mean offsets and amplitudes on table points, where the energy table is exact.
TEST(NonlinearCorrection, ALinearTableGivesBackTheLinearAmplitude) {
  constexpr int N = 41;
  constexpr float K = 10.0f;  // [kips/ft]
  float offset[N], load[N], energy[N];
  for (int i = 0; i < N; ++i) {
    offset[i] = static_cast<float>(i);
    load[i] = K * offset[i];
    energy[i] = i == 0 ? 0.0f : energy[i - 1] + 0.5f * (load[i] + load[i - 1]) * (offset[i] - offset[i - 1]);
  }
  for (const float X0 : {0.0f, 4.0f, 10.0f, 20.0f}) {
    for (const float a : {1.0f, 5.0f, 12.0f}) {
      SCOPED_TRACE("X0 " + std::to_string(X0) + ", amplitude " + std::to_string(a));
      const float FE = K * X0;
      const float E0 = 0.5f * K * X0 * X0;
      float out = 0.0f;
      std::int32_t idx = 0;
      NLNCR3(energy, E0, offset, a, out, K, FE, X0, N, idx, 1);
      EXPECT_TRUE(IsClose(out, a, 1e-4));
      NLNCR3(energy, E0, load, a, out, K, FE, FE, N, idx, 1);
      EXPECT_TRUE(IsClose(out, K * a, 1e-4));
    }
  }
}

// An energy below the table's start is the start; the branch of a spread mooring (SWITCH 0) reads
// the fractional table position in units of the first table value.
TEST(NonlinearCorrection, NegativeEnergyAndTheSpreadMooringBranch) {
  const float erg[4] = {0.0f, 10.0f, 30.0f, 60.0f};
  const float q[4] = {2.0f, 5.0f, 9.0f, 14.0f};
  float out = 0.0f;
  std::int32_t idx = 0;
  // E = (1 x 0.5 x -20) x -20 + 0 + -20 x 30 = -400: held at 0, the table's first value
  NLNCR3(erg, 0.0f, q, -20.0f, out, 1.0f, 30.0f, 1.0f, 4, idx, 1);
  EXPECT_EQ(idx, 1);
  EXPECT_FLOAT_EQ(out, 2.0f - 1.0f);
  // E = 0.5 x 2 x 2 x 2 ... with K = 0, E0 = 20 and X = 0: 20, halfway along interval 2: position 1.5
  NLNCR3(erg, 20.0f, q, 0.0f, out, 0.0f, 0.0f, 0.5f, 4, idx, 0);
  EXPECT_EQ(idx, 2);
  EXPECT_FLOAT_EQ(out, 2.0f * 1.5f - 0.5f);
}

TEST(CaseLabels, EachCaseAppliesWhenItsSourceActs) {
  struct Case {
    int kase, LWIND, LCURNT, LSWELL, LRANDM, CURTYP, WNDTYP;
    const char* label;  // nullptr: skipped
  };
  const Case cases[] = {
      {1, 0, 0, 0, 0, 0, 1, "---- NET LOW-FREQUENCY VARIATION ABOUT MEAN"},
      {2, 1, 0, 0, 0, 0, 1, "---- LOW-FREQUENCY WIND CONTRIBUTION"},
      {2, 1, 0, 0, 0, 0, 3, nullptr},  // a steady wind has no gusts
      {2, 0, 0, 0, 0, 0, 1, nullptr},
      {3, 0, 0, 0, 1, 0, 1, "---- LOW-FREQUENCY WAVE CONTRIBUTION"},
      {3, 1, 1, 1, 0, 1, 1, nullptr},
      {4, 0, 0, 1, 0, 0, 1, "---- LOW-FREQUENCY SWELL CONTRIBUTION"},
      {4, 1, 1, 0, 1, 1, 1, nullptr},
      {5, 0, 1, 0, 0, 2, 1, "---- LOW-FREQUENCY CURRENT CONTRIBUTION"},
      {5, 0, 1, 0, 0, 0, 1, nullptr},  // a steady current does not vary
      {5, 0, 0, 0, 0, 2, 1, nullptr},
      {6, 0, 0, 0, 0, 0, 1, "---- STORM PEAK LOW-FREQUENCY VARIATION ABOUT MEAN"},
      {7, 1, 1, 1, 1, 1, 1, nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("case " + std::to_string(c.kase));
    Text<51> label = makeText<51>("left over");
    std::int32_t skip = -1;
    LOWLAB(label, skip, c.kase, c.LWIND, c.LCURNT, c.LSWELL, c.LRANDM, c.CURTYP, c.WNDTYP);
    EXPECT_EQ(skip, c.label == nullptr ? 1 : 0);
    EXPECT_EQ(label.str(), makeText<51>(c.label == nullptr ? "" : c.label).str());
  }
}

// ---- the page and pause protocol -----------------------------------------------------------------

std::string between(const std::string& text, const std::string& from, const std::string& to, std::size_t start = 0) {
  const std::size_t a = text.find(from, start);
  const std::size_t b = text.find(to, a);
  return a == std::string::npos || b == std::string::npos ? "" : text.substr(a, b - a);
}

// On the console sections III to V end with a pause; a negative reply writes the report again from
// section III with the same values (the amplitudes are formed once); section VI pauses after each
// page and goes on whatever the reply.
TEST_F(LowFrequencyReport, ANegativeReplyOnTheConsoleWritesTheReportAgain) {
  testing_support::fullLowFrequencyRun();
  TPCM.IUNIT = 6;
  TempDir dir;
  // III, IV, V (-1: again from III), III, IV (-2: again), III, IV, V, then the pages of VI:
  // motions, loads and the moments of three members (-1 there changes nothing)
  ConsoleCapture console("\n\n-1\n\n-2\n\n\n\n-1\n\n\n\n\n");
  LOWPRT();
  const std::string screen = console.screen();
  EXPECT_FALSE(std::filesystem::exists("LOWOUT.stxt"));
  EXPECT_EQ(count(screen, kSectionThree), 3);
  EXPECT_EQ(count(screen, kSectionFour), 3);
  EXPECT_EQ(count(screen, kSectionFive), 2);
  EXPECT_EQ(count(screen, kSectionSix), 5);
  EXPECT_EQ(count(screen, kPause), 13);
  EXPECT_EQ(console.unread(), "");
  const std::string firstFive = between(screen, kSectionFive, kPause);
  const std::string secondFive = between(screen, kSectionFive, kPause, screen.find(kSectionFive) + 1);
  EXPECT_FALSE(firstFive.empty());
  EXPECT_EQ(firstFive, secondFive);
  EXPECT_TRUE(contains(firstFive, "Total Two sigma motion .....................       8.09 feet")) << firstFive;
}

// To the file there is no pause; an "A" at the depth warning writes section III again, with the
// warning and its question, until the reply is Return.
TEST_F(LowFrequencyReport, AnAbortAtTheDepthWarningWritesSectionThreeAgain) {
  testing_support::singleEquilibriumRun();
  TempDir dir;
  ConsoleCapture console("A\nA\n\n");
  LOWPRT();
  const std::string report = readFileText("LOWOUT.stxt");
  EXPECT_EQ(count(report, kSectionThree), 3);
  EXPECT_EQ(count(report, kDepthWarning), 3);
  EXPECT_EQ(count(report, kSectionFour), 1);
  const std::string screen = console.screen();
  EXPECT_EQ(count(screen, kAbortQuestion), 3);
  EXPECT_EQ(count(screen, kPause), 3);  // those of the question only
  EXPECT_EQ(console.unread(), "");
}

// ---- the choices of sections III to V -----------------------------------------------------------

std::string reportOf(void (*build)(), void (*change)(), const std::string& typed = "\n") {
  build();
  change();
  TempDir dir;
  ConsoleCapture console(typed);
  LOWPRT();
  return readFileText("LOWOUT.stxt");
}

TEST_F(LowFrequencyReport, ShapesModelsAndDepthChecksOfSectionThree) {
  struct Case {
    const char* name;
    void (*change)();
    std::vector<const char*> present, absent;
  };
  const Case cases[] = {
      {"a bow between the shapes", [] { TPCM.BOWWND = -0.2f; },
       {"Above-Water Bow Shape ..............  Interpolated\n", "Bow Interpolation Factor ..........      -0.20"},
       {}},
      {"a bow beyond the cylindrical", [] { TPCM.BOWWND = 1.5f; },
       {"Above-Water Bow Shape ..............  Whoops!\n"}, {"Bow Interpolation Factor"}},
      {"a cylindrical bow", [] { TPCM.BOWWND = 1.0f; }, {"Above-Water Bow Shape ..............  Cylindrical\n"}, {}},
      {"no tanker wind: no bow, no deadweight", [] { TPCM.LWBARG = 0x333; },
       {"Wind force model ...................  Barge (Kestrin)"}, {"Above-Water Bow Shape", "Tanker Deadweight"}},
      {"the NSMB set for all at the full draft",
       [] {
         TPCM.LCBARG = 0x44F;
         TPCM.DFTPCT = 100.0f;
       },
       {"Current force model ................  NSMB Tanker '91", "Water depth/draft parameter ........   3.00"},
       {"\"Mean\" 40% load curves", kDepthWarning}},
      {"the OCIMF current at 1.04 drafts",
       [] {
         TPCM.LCBARG = 0x666;
         SINES.HOVERD = 1.04f;
       },
       {"Current force model ................  OCIMF Tanker '77", kDepthWarning}, {}},
      {"the OCIMF current at 1.05 drafts",
       [] {
         TPCM.LCBARG = 0x666;
         SINES.HOVERD = 1.05f;
       },
       {"Water depth/draft parameter ........   1.05"}, {kDepthWarning}},
      {"the NSMB current at 1.09 drafts", [] { SINES.HOVERD = 1.09f; },
       {"Head-on Current Coefficients (Cx) ..  NSMB Tanker '91", kDepthWarning}, {}},
      {"one sigma", [] { TPCM.ONETWO = 3; }, {"One sigma motion due to wind", "ONE SIGMA DEVIATIONS"}, {"Two sigma"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string report = reportOf(testing_support::fullLowFrequencyRun, c.change);
    for (const char* text : c.present) EXPECT_TRUE(contains(report, text)) << text;
    for (const char* text : c.absent) EXPECT_FALSE(contains(report, text)) << text;
  }
}

// More than four equilibria put the unstable ones on a page of their own.
TEST_F(LowFrequencyReport, FiveEquilibriaPutTheUnstableOnesOnANewPage) {
  for (const int roots : {4, 5}) {
    SCOPED_TRACE(std::to_string(roots) + " equilibria");
    testing_support::fullLowFrequencyRun();
    std::vector<testing_support::Equilibrium> list = {{1, 0.35f, 0.45f, 95.0f, 120.0f},
                                                      {0, 2.1f, 2.0f, 60.0f, 35.0f},
                                                      {1, -2.8f, -2.95f, 130.0f, 80.0f},
                                                      {0, 1.0f, 1.1f, 40.0f, 50.0f},
                                                      {1, -1.0f, -1.2f, 70.0f, 60.0f}};
    list.resize(static_cast<std::size_t>(roots));
    Equilb& q = EQUILB;
    q.IANGLE = roots;
    for (int j = 1; j <= roots; ++j) {
      const auto& r = list[static_cast<std::size_t>(j - 1)];
      q.LSTABL(j) = r.stable;
      q.SLMANG(j) = r.salmHeading;
      q.TANGLE(j) = r.vesselHeading;
      q.FTOT(j) = r.force;
      q.ENERGY(j) = r.energy;
    }
    TempDir dir;
    ConsoleCapture console;
    LOWPRT();
    const std::string text = readFileText("LOWOUT.stxt");
    EXPECT_EQ(count(text, kSectionFour), roots > 4 ? 2 : 1);
    EXPECT_EQ(count(text, " Unstable Equilibria:"), 1);
    EXPECT_EQ(count(text, "SALM heading ....."), roots);
  }
}

TEST_F(LowFrequencyReport, ModesOfSectionFive) {
  struct Case {
    const char* name;
    void (*change)();
    std::vector<const char*> present, absent;
    int extremeLines;
  };
  const Case cases[] = {
      {"a spread mooring: every mode corrected, no angle line", [] { TPCM.LSPM = 0; }, {}, {}, 3},
      {"a mode without a period", [] { EQUILB.TSWAY = 0.0f; },
       {"Period .....................................       N.A.\n"}, {}, 4},
      {"drift drag left out", [] { TPCM.LEGDRG = 1; }, {},
       {"Damping due to wave drag", "Damping due to swell drag", "sigma motion due to wave drag",
        "sigma motion due to swell drag"}, 4},
      {"another simulation type: the line terms", [] { TPCM.CREATR = 12; },
       {"Damping due to wave-frequency line motions .", "Linearized square-law line damping ........."}, {}, 4},
      {"a steady wind: no wind motion", [] { TPCM.WNDTYP = 3; }, {"Damping due to wind"},
       {"sigma motion due to wind", "LOW-FREQUENCY WIND CONTRIBUTION"}, 4},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string report = reportOf(testing_support::fullLowFrequencyRun, c.change);
    for (const char* text : c.present) EXPECT_TRUE(contains(report, text)) << text;
    for (const char* text : c.absent) EXPECT_FALSE(contains(report, text)) << text;
    EXPECT_EQ(count(report, "Extreme motion in"), c.extremeLines);
  }
}

}  // namespace
}  // namespace qv
