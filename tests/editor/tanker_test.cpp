// The tanker property estimator: the estimates against an independent working of the average-tanker
// relations, the messages for a deadweight or draft outside the range, and the dialogue that copies
// the chosen estimates into the vessel data by letter.
#include "editor/tanker.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "dataset/tpcm.h"
#include "editor/pages.h"
#include "platform/units.h"
#include "support/checks.h"
#include "support/console_capture.h"
#include "support/fresh_run.h"
#include "util/nav_codes.h"

namespace qv {
namespace {

using testing_support::ConsoleCapture;
using testing_support::contains;
using testing_support::IsClose;
using testing_support::screens;

// ESTIM8's values in its argument order: DISPL, VKB, VKG, DRAFT, AWP, VKMT, VKML, LWL, BWL, PGYR,
// RGYR, YGYR, BILGR, XWNDA, YWNDA, XCURA, YCURA, deadweight, LOADED, DFTPCT, DSPPCT.
using Estimates = std::array<float, 21>;
constexpr const char* kNames[21] = {"DISPL", "VKB",   "VKG",   "DRAFT", "AWP",    "VKMT",   "VKML",
                                    "LWL",   "BWL",   "PGYR",  "RGYR",  "YGYR",   "BILGR",  "XWNDA",
                                    "YWNDA", "XCURA", "YCURA", "DWT",   "LOADED", "DFTPCT", "DSPPCT"};
constexpr int kDraft = 3;
constexpr int kDeadweight = 17;

struct Estim8Run {
  Estimates values{};
  std::int32_t abort = 99;
  std::string screen;
};

Estim8Run runEstim8(float deadweight, float draft, std::int32_t nunts, const std::string& typed) {
  Estim8Run run;
  Estimates& v = run.values;
  v[kDeadweight] = deadweight;
  v[kDraft] = draft;
  ConsoleCapture console(typed);
  ESTIM8({.unit = kScreenUnit, .inUnit = kKeyboardUnit, .NUNTS = nunts,
          .out = {.DISPL = v[0], .VKB = v[1], .VKG = v[2], .DRAFT = v[3], .AWP = v[4], .VKMT = v[5], .VKML = v[6],
                  .LWL = v[7], .BWL = v[8], .PGYR = v[9], .RGYR = v[10], .YGYR = v[11], .BILGR = v[12],
                  .XWNDA = v[13], .YWNDA = v[14], .XCURA = v[15], .YCURA = v[16], .DWTON = v[17], .LOADED = v[18],
                  .DFTPCT = v[19], .DSPPCT = v[20], .ABORT = run.abort}});
  EXPECT_EQ(console.unread(), "") << typed;
  run.screen = console.screen();
  return run;
}

const std::string kAbortPrompt = "\a\n Enter \"A\" to abort or Press <RETURN> to continue: ";
const std::string kDraftTooLarge =
    "\f ++> Requested draft is greater than the maximum\n     allowed draft for the specified deadweight...\n"
    "     To continue, the draft will be replaced by\n     the maximum allowable value\n" +
    kAbortPrompt;
const std::string kDraftTooSmall =
    "\f ++> Requested draft is less than the minimum\n     allowed draft for the specified deadweight...\n"
    "     To continue, the draft will be replaced by\n     the minimum allowable value\n" +
    kAbortPrompt;
const std::string kDeadweightTooSmall =
    "\f ++> Requested deadweight is less than 2000 long tons.\n"
    "     To continue, the deadweight will be replaced by 2000...\n" +
    kAbortPrompt;

class TankerEstimates : public testing_support::FreshRun {};

// Reference: tests/editor/reference/tanker_reference.py (8-byte working of the same relations, the
// lightship draft by brentq and by the quadratic volume law). By hand for the loaded tanker: the
// full-load displacement is W + 6.78 W^(2/3) + 0.0422 W = 287456.45 long tons = 643902.4 kips, and
// at full draft the volume law gives back the block coefficient 0.275 exp(-194/C) + 0.725 = 0.83696
// (C = (35 x 287456.45)^(1/3)): DISPL / 2.24 x 35 / (LWL BWL DRAFT) below.
TEST_F(TankerEstimates, AgainstAnIndependentWorking) {
  struct Case {
    const char* what;
    float deadweight, draft;
    std::int32_t nunts;
    std::string screen;  // the messages, each answered with Return
    Estimates expected;
  };
  const Case cases[] = {
      {"loaded: draft above the maximum, held at it",
       250000.0f,
       100.0f,
       0,
       kDraftTooLarge,
       {643902.443f, 33.4834182f, 44.0515284f, 64.8747972f, 170085.998f, 76.8910361f, 1307.1653f,
        1031.73837f, 179.593547f, 279.584545f, 59.614677f,  283.373332f, 12.5715483f, 11668.8451f,
        29481.7937f, 11651.0949f, 66933.8177f, 250000.0f,   100.0f,      100.0f,      100.0f}},
      {"ballast: draft below the lightship draft, raised to it",
       100000.0f,
       5.0f,
       0,
       kDraftTooSmall,
       {42172.6305f, 4.10404113f, 35.0748175f, 8.15135777f, 82526.619f,  169.984139f, 4144.99936f,
        796.802533f, 138.109371f, 240.673209f, 55.1375503f, 244.044013f, 9.66765594f, 13431.0509f,
        50833.0313f, 1125.77889f, 6495.02252f, 100000.0f,   31.9349953f, 17.4123536f, 15.8440898f}},
      {"metric, a draft within the range", 150000.0f, 12.0f, 1, "", {126674.167f, 6.15674156f, 11.456634f,  12.0f,
                                                                     11103.8632f, 21.6421291f, 427.176588f, 272.170222f,
                                                                     47.448356f,  71.0222749f, 16.0005103f, 72.1006857f,
                                                                     3.32138492f, 1090.6048f,  3420.90118f, 569.380272f,
                                                                     3266.04266f, 150000.0f,   58.1227923f, 73.100008f,
                                                                     71.0509292f}},
      {"deadweight below 2000 long tons, then the draft",
       1500.0f,
       5.0f,
       0,
       kDeadweightTooSmall + kDraftTooSmall,
       {2599.87373f, 3.61742618f, 10.470067f,  7.18122046f, 5783.58355f, 12.527328f,  493.701046f,
        263.098455f, 30.5339287f, 79.3418076f, 14.0203594f, 79.7560827f, 2.13737501f, 3603.19495f,
        6979.92314f, 219.270873f, 1889.36801f, 2000.0f,     4.26959867f, 38.0607415f, 36.7220353f}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const int messages = static_cast<int>(c.screen.size() > 0) + static_cast<int>(c.deadweight < 2000.0f);
    const Estim8Run run =
        runEstim8(c.deadweight, c.draft, c.nunts, std::string(static_cast<std::size_t>(messages), '\n'));
    EXPECT_EQ(run.screen, c.screen);
    EXPECT_EQ(run.abort, 0);
    for (int k = 0; k < 21; ++k) EXPECT_TRUE(IsClose(run.values[k], c.expected[k], 2e-5)) << kNames[k];
  }
  // The loaded tanker's block coefficient at full draft.
  const Estimates loaded = runEstim8(250000.0f, 100.0f, 0, "\n").values;
  EXPECT_TRUE(IsClose(loaded[0] / 2.24 * 35.0 / (loaded[7] * loaded[8] * loaded[kDraft]), 0.8369582, 1e-5));
}

TEST_F(TankerEstimates, AbortAtAMessageLeavesTheEstimateUnfinished) {
  struct Case {
    float deadweight, draft;
    std::string typed, screen;
  };
  const Case cases[] = {
      {1500.0f, 5.0f, "a\n", kDeadweightTooSmall},
      {250000.0f, 100.0f, "A\n", kDraftTooLarge},
      {100000.0f, 5.0f, "a\n", kDraftTooSmall},
  };
  for (const Case& c : cases) {
    const Estim8Run run = runEstim8(c.deadweight, c.draft, 0, c.typed);
    EXPECT_EQ(run.abort, -1) << c.deadweight;
    EXPECT_EQ(run.screen, c.screen);
    EXPECT_EQ(run.values[kDeadweight], c.deadweight) << "not raised on abort";
    EXPECT_EQ(run.values[0], 0.0f) << "no displacement on abort";
  }
}

// At the full-load draft every share of the full load is the full load, 100 percent as the list
// shows it, for every deadweight the estimator takes and in either unit system: the quotients of two
// equal values, each rounded, once stored 100 + 2^-17 for about a quarter of them (112,000 long tons:
// the draft-based load; 7,000: the freeboard-based load; 12,000: the displacement-based load).
// Below the full-load draft the shares stay below it.
TEST_F(TankerEstimates, TheFullLoadDraftIsTheFullLoad) {
  constexpr int kLoaded = 18, kDraftShare = 19, kDisplacementShare = 20;
  for (const std::int32_t nunts : {0, 1}) {
    for (float deadweight = 2000.0f; deadweight <= 600000.0f; deadweight += 1000.0f) {
      SCOPED_TRACE(::testing::Message() << deadweight << " long tons, units " << nunts);
      const Estim8Run full = runEstim8(deadweight, 1000.0f, nunts, "\n");  // held at the full-load draft
      ASSERT_EQ(full.screen, kDraftTooLarge);
      EXPECT_EQ(full.values[kLoaded], 100.0f);
      EXPECT_EQ(full.values[kDraftShare], 100.0f);
      EXPECT_EQ(full.values[kDisplacementShare], 100.0f);
      // Just below it: 0.9999 of the full-load draft.
      const Estim8Run below = runEstim8(deadweight, 0.9999f * full.values[kDraft], nunts, "");
      ASSERT_EQ(below.screen, "");
      EXPECT_LT(below.values[kLoaded], 100.0f);
      EXPECT_LT(below.values[kDraftShare], 100.0f);
      EXPECT_LE(below.values[kDisplacementShare], 100.0f);
    }
  }
}

TEST_F(TankerEstimates, VolumeLawOfTheLinearWaterplane) {
  // The volume fraction is the integral of the waterplane fraction ALPHA over the relative draft,
  // scaled to 1 at full draft: d(VOLFUN)/dt = 2 ALPHA / (1 + EPSLN).
  const EpsCom eps{.EPSLN = 0.6f, .MAXDFT = 50.0f, .MINRAT = 0.2f};
  EXPECT_FLOAT_EQ(VOLFUN(1.0f, eps), 1.0f);
  EXPECT_FLOAT_EQ(VOLFUN(0.0f, eps), 0.0f);
  EXPECT_FLOAT_EQ(ALPHA(0.0f, eps), 0.6f);
  EXPECT_FLOAT_EQ(ALPHA(50.0f, eps), 1.0f);
  const float h = 1e-3f;
  EXPECT_TRUE(IsClose((VOLFUN(0.5f + h, eps) - VOLFUN(0.5f - h, eps)) / (2 * h), 2 * ALPHA(25.0f, eps) / 1.6, 1e-3));
  // The lightship draft: 0.2 x 0.8 = 0.6 t + 0.2 t^2, t = (-0.6 + sqrt(0.36 + 0.128)) / 0.4 = 0.24642492.
  EXPECT_TRUE(IsClose(NULFUN(0.24642492f, eps), 0.0, 0.0, 1e-6));
}

// ---- the dialogue ----

void runTanker(const std::string& typed, std::string* screen = nullptr) {
  Tpcm& t = TPCM;
  ConsoleCapture console(typed);
  TANKER({.EDUNIT = t.EDUNIT, .IIN = kKeyboardUnit, .NUNTS = t.NUNTS,
          .out = {.DISPL = t.DISPL, .TVKB = t.TVKB, .TVKG = t.TVKG, .DRAFT = t.DRAFT, .AWP = t.AWP, .TVKMT = t.TVKMT,
                  .TVKML = t.TVKML, .LWL = t.LWL, .BWL = t.BWL, .PGYR = t.PGYR, .RGYR = t.RGYR, .TYGYR = t.TYGYR,
                  .BILGR = t.BILGR, .TXWNDA = t.TXWNDA, .TYWNDA = t.TYWNDA, .TXCURA = t.TXCURA, .TYCURA = t.TYCURA,
                  .DWTONS = t.DWTONS, .LOADED = t.LOADED, .DFTPCT = t.DFTPCT, .DSPPCT = t.DSPPCT, .LBACK = t.LBACK,
                  .IPAG = t.IPAG}});
  EXPECT_EQ(console.unread(), "") << typed;
  if (screen != nullptr) *screen = console.screen();
}

// The data items in letter order A to U.
std::array<float*, 21> letterItems() {
  Tpcm& t = TPCM;
  return {&t.DISPL, &t.DSPPCT, &t.LWL,    &t.BWL,    &t.DRAFT,  &t.RGYR,   &t.PGYR,
          &t.TYGYR, &t.AWP,    &t.TXCURA, &t.TYCURA, &t.LOADED, &t.DFTPCT, &t.TVKMT,
          &t.TVKML, &t.TVKB,   &t.TVKG,   &t.BILGR,  &t.DWTONS, &t.TXWNDA, &t.TYWNDA};
}

// Every data item of the estimator at a value of its own (letter A 1001, B 1002, ...).
void markItems() {
  TPCM.EDUNIT = kScreenUnit;
  float mark = 1001.0f;
  for (float* item : letterItems()) *item = mark++;
}

// A loaded tanker of 250000 long tons in the data set's own units (62 ft, or 61 ft in metres),
// estimated when the estimator opens.
void loadedTanker(std::int32_t nunts) {
  markItems();
  TPCM.NUNTS = nunts;
  TPCM.DWTONS = nunts == 1 ? 250000.0f / 0.9842f : 560000.0f;  // kips: 2.24 per long ton
  TPCM.DRAFT = nunts == 1 ? 61.0f * 0.3048f : 62.0f;
}

// Values: tests/editor/reference/tanker_reference.py, estimate(250000, 62).
const std::string kLoadedScreen =
    "\f >>> Independent variables for     1. Deadweight (DWT)....  250000. Long Tons\n"
    "     tanker property estimates:    2. Simulation Draft ...   62.00 feet           \n"
    "\n"
    "A. Vessel Displacement     612731. Kips   L. Freeboard-based load...    88.6%\n"
    "B. Displacement-based load     95.2%      M. Draft-based load.......    95.6%\n"
    "C. Length (LPP) ..........  1031.74       N. Transverse KM .........    77.02\n"
    "D. Beam ..................   179.59       O. Longitudinal KM .......  1341.38\n"
    "E. Draft .................    62.00       P. VKB ...................    31.96\n"
    "F. Roll Gyradius..........    59.71       Q. VKG ...................    44.07\n"
    "G. Pitch Gyradius ........   278.04       R. Bilge radius ..........    12.57\n"
    "H. Yaw Gyradius ..........   281.85\n"
    "I. Water Plane Area ......   168756.      S. Deadweight (DWT) ......   250000.\n"
    "J. Head-on Current Area ..    11135.      T. Head-on Wind Area .....    12185.\n"
    "K. Beam-on Current Area ..    63968.      U. Beam-on Wind Area .....    32448.\n"
    "\n"
    " >>> Change items 1 or 2 for new estimates or input letter(s) (\"ACD...\")\n"
    "     to select individual replacements (or \"Z\" to replace all);\n"
    "     \"?\" for help, <Return> to continue WITHOUT replacement: ";

TEST_F(TankerEstimates, ScreenOfTheEstimates) {
  loadedTanker(0);
  std::string screen;
  runTanker("\n", &screen);
  EXPECT_EQ(screen, kLoadedScreen);
  EXPECT_EQ(TPCM.LBACK, 0);
  EXPECT_EQ(TPCM.DISPL, 1001.0f) << "a blank reply copies nothing";
}

// The data items' values, letter A to U.
std::array<float, 21> itemValues() {
  std::array<float, 21> v{};
  const auto items = letterItems();
  for (int k = 0; k < 21; ++k) v[k] = *items[k];
  return v;
}

TEST_F(TankerEstimates, LettersCopyTheirEstimates) {
  // Every estimate, as "Z" copies it (the deadweight back in kips).
  loadedTanker(0);
  runTanker("z\n");
  EXPECT_EQ(TPCM.LBACK, kReplaceAllEstimates);
  const std::array<float, 21> estimates = itemValues();
  EXPECT_TRUE(IsClose(TPCM.DISPL, 612731.147, 1e-5));  // tanker_reference.py, estimate(250000, 62)
  EXPECT_TRUE(IsClose(TPCM.TYGYR, 281.854101, 1e-5));
  EXPECT_TRUE(IsClose(TPCM.TYWNDA, 32447.8323, 1e-5));
  EXPECT_TRUE(IsClose(TPCM.DSPPCT, 95.1590033, 1e-5));
  EXPECT_EQ(TPCM.DRAFT, 62.0f);
  EXPECT_TRUE(IsClose(TPCM.DWTONS, 560000.0, 1e-6));

  struct Case {
    const char* reply;
    const char* copied;  // the letters whose items take their estimates
  };
  const Case cases[] = {
      {"a,g,q", "AGQ"},
      {"AGQ", "AGQ"},
      {"Z", "ABCDEFGHIJKLMNOPQRSTU"},
      {"vwxy u", "U"},  // V to Y stand for nothing; blanks and commas are skipped
      {"-3", ""},       // no letter at all: nothing copied
      {"", ""},         // blank: nothing
      {"1x", ""},       // not a whole number: 0, nothing copied
      {"b z", "B"},     // "Z" counts only as the first character
      // The list holds 39 letters: a 40th is not taken.
      {"VVVVVVVVVVVVVVVVVVVVVVVVVVVVVVVVVVVVVVVA", ""},
      {"AVVVVVVVVVVVVVVVVVVVVVVVVVVVVVVVVVVVVVVV", "A"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.reply);
    resetAllBlocks();
    loadedTanker(0);
    const std::array<float, 21> before = itemValues();
    runTanker(std::string(c.reply) + "\n");
    const std::array<float, 21> after = itemValues();
    const std::string copied = c.copied;
    for (int k = 0; k < 21; ++k) {
      const char letter = static_cast<char>('A' + k);
      EXPECT_EQ(after[k], copied.find(letter) == std::string::npos ? before[k] : estimates[k]) << letter;
    }
  }
}

TEST_F(TankerEstimates, ANumberNeverCopiesAnEarlierList) {
  loadedTanker(0);
  runTanker("a\n");
  EXPECT_NE(TPCM.DISPL, 1001.0f);
  TPCM.DISPL = 1001.0f;
  runTanker(" -1\n");  // a whole number that reads as the code of a letter list
  EXPECT_EQ(TPCM.LBACK, -1);
  EXPECT_EQ(TPCM.DISPL, 1001.0f);
}

TEST_F(TankerEstimates, MetricDataSet) {
  loadedTanker(1);
  std::string screen;
  runTanker("s,a,e\n", &screen);
  // tanker_reference.py, estimate(250000, 61 * 0.3048, metric=True)
  EXPECT_TRUE(contains(screen, "2. Simulation Draft ...   18.59 meters         \n"));
  EXPECT_TRUE(contains(screen, "A. Vessel Displacement     273038. M.Tons L. Freeboard-based load...    85.2%\n"));
  EXPECT_TRUE(contains(screen, "C. Length (LPP) ..........   314.47       N. Transverse KM .........    23.50\n"));
  EXPECT_TRUE(contains(screen, "I. Water Plane Area ......    15635.      S. Deadweight (DWT) ......   250000.\n"));
  EXPECT_TRUE(IsClose(TPCM.DWTONS, 250000.0 / 0.9842, 1e-6)) << "deadweight back in metric tons";
  EXPECT_TRUE(IsClose(TPCM.DRAFT, 61.0 * 0.3048, 1e-6));
  EXPECT_TRUE(IsClose(TPCM.DISPL, 273037.903, 1e-5));
}

TEST_F(TankerEstimates, NewInputsAndTheHelp) {
  markItems();
  TPCM.DWTONS = 0.0f;  // nothing to estimate from: the data set's own values are shown
  std::string screen;
  // Deadweight 1500 (raised to 2000, the draft of 1005 ft held at the maximum), then a draft of 5 ft
  // (raised to the lightship draft), the help, and the copy of E and S.
  runTanker("1\n1500\n\n\n2\n5\n\n?\n\ne s\n", &screen);
  const auto shown = screens(screen);
  ASSERT_EQ(shown.size(), 9u) << screen;
  EXPECT_TRUE(contains(shown[1], "A. Vessel Displacement       1001. Kips   L. Freeboard-based load...  1012.0%\n"))
      << shown[1];
  EXPECT_TRUE(shown[1].ends_with(" 1. Deadweight ...............      0. Long Tons\n Enter new value: "));
  EXPECT_EQ(shown[2], kDeadweightTooSmall.substr(1));
  EXPECT_EQ(shown[3], kDraftTooLarge.substr(1));
  // tanker_reference.py, estimate(2000, 1005) and estimate(2000, 5).
  EXPECT_TRUE(
      shown[4].starts_with(" >>> Independent variables for     1. Deadweight (DWT)....    2000. Long Tons\n"
                           "     tanker property estimates:    2. Simulation Draft ...   18.87 feet"))
      << shown[4];
  EXPECT_TRUE(shown[4].ends_with(" 2. Simulation Draft .........  18.87 feet           \n Enter new value: "));
  EXPECT_EQ(shown[5], kDraftTooSmall.substr(1));
  EXPECT_TRUE(contains(shown[6], "2. Simulation Draft ...    7.18 feet"));
  EXPECT_TRUE(contains(shown[6], "E. Draft .................     7.18       P. VKB ...................     3.62\n"));
  EXPECT_TRUE(shown[7].starts_with("     A built-in database of average tanker characteristics \n"));
  EXPECT_TRUE(
      shown[7].ends_with("     deadweight (or cargo capacity) plus lightship weight.\n\n"
                         " Press <RETURN> to continue: "));
  EXPECT_EQ(shown[8], shown[6].substr(0, shown[8].size())) << "the same estimates again after the help";
  EXPECT_TRUE(IsClose(TPCM.DRAFT, 7.18122046, 1e-5));
  EXPECT_TRUE(IsClose(TPCM.DWTONS, 2000.0 / 0.44642857, 1e-6));
  EXPECT_EQ(TPCM.DISPL, 1001.0f);
}

TEST_F(TankerEstimates, TableKeptBetweenCallsAndAbortKeepsIt) {
  loadedTanker(0);
  std::string screen;
  runTanker("\n", &screen);
  // A later call shows the same estimates without estimating again, from whatever the data set holds now.
  TPCM.DWTONS = 1.0f;
  TPCM.DRAFT = 1.0f;
  std::string again;
  runTanker("\n", &again);
  EXPECT_EQ(again, screen);
  // A draft beyond the maximum, aborted at the message: the table stays as it was.
  runTanker("2\n100\na\n\n", &again);
  const auto shown = screens(again);
  ASSERT_EQ(shown.size(), 4u) << again;
  EXPECT_EQ(shown[2], kDraftTooLarge.substr(1));
  EXPECT_EQ("\f" + shown[3], kLoadedScreen);
  // The data set converted to metric units since: the table starts again from the data set.
  TPCM.NUNTS = 1;
  TPCM.DWTONS = 0.0f;
  runTanker("\n", &again);
  EXPECT_TRUE(contains(again, "1. Deadweight (DWT)....       0. Long Tons\n")) << again;
  EXPECT_TRUE(contains(again, "2. Simulation Draft ...    1.00 meters")) << again;
}

}  // namespace
}  // namespace qv
