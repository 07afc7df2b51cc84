// The end-of-session plausibility checks: every row of the checks hit from a data set that passes
// them (this editor's SALM with a tanker, a buoy-and-tanker data set, a semi-submersible with its
// member table), with the exact message and the counter it goes to; the silent repairs, the pacing
// of a long list and the unattended run.
#include "dataset/veswrn.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "dataset/lowcof.h"
#include "dataset/tpcm.h"
#include "dataset/tpcm_codes.h"
#include "platform/units.h"
#include "support/checks.h"
#include "support/console_capture.h"
#include "support/data_set_fixture.h"
#include "support/fresh_run.h"
#include "support/hull_members.h"
#include "support/temp_dir.h"
#include "util/files.h"
#include "util/sim_types.h"

namespace qv {
namespace {

using testing_support::column;
using testing_support::ConsoleCapture;
using testing_support::contains;
using testing_support::DataSet;
using testing_support::putMember;

class Veswrn : public testing_support::FreshRun {};

// ---- data sets that pass every check ----

void salmWithTanker() {
  DataSet().withSalm().withTanker().with([] { TPCM.EDUNIT = kScreenUnit; });
}

// A buoy (a disc, 40 ft across) and a tanker: two bodies, written by the program of creator type
// `creator`.
void buoyAndTanker(std::int32_t creator) {
  DataSet().withTanker().with([creator] {
    TPCM.CREATR = creator;
    TPCM.EDUNIT = kScreenUnit;
    TPCM.DEPTH = 100.0f;
    TPCM.BVSTYP = kDiscBuoy;
    TPCM.BWVCOF = 0x444;  // the buoy drift model in all directions
    TPCM.BLWL = TPCM.BBWL = 40.0f;
    TPCM.BVKMT = TPCM.BVKML = 12.0f;
    TPCM.BVKG = 6.0f;
    TPCM.BDISPL = 1000.0f;
    TPCM.BDRAFT = 10.0f;
    TPCM.BAWP = 1250.0f;
    TPCM.BPGYR = TPCM.BRGYR = TPCM.BYGYR = 12.0f;
  });
}
void firnedo() { buoyAndTanker(kSimFirnedo); }
void gandru() { buoyAndTanker(kSimGandru); }

// A semi-submersible in this editor's data set: its first column pierces the 20 ft draft.
void semi() {
  salmWithTanker();
  TPCM.VESTYP = kSemiSubmersible;
  TPCM.LWVCOF = 0x333;  // the legacy semi-submersible drift model
  putMember(1, column(30, 30));
}
void semiTwoBody() {
  firnedo();
  TPCM.VESTYP = kSemiSubmersible;
  putMember(1, column(30, 30));
}

// A sea state of 10 ft whose regular-wave equivalent is the regular wave of the data set (0.707 x 10
// ft), so that the height comparison finds its match.
void matchingSea() {
  TPCM.LRANDM = 1;
  TPCM.NPARM = 1;
  TPCM.SWHT(1) = 10.0f;
  TPCM.SLPHT = 7.07f;
}
void matchingSwell() {
  TPCM.LSWELL = 1;
  TPCM.SWELHT = 10.0f;
  TPCM.SWELPD = 12.0f;
  TPCM.SLPHT = 7.07f;
}

// ---- the messages ----

// A message of the checks as it stands on the screen: an empty line, then its lines.
std::string msg(std::initializer_list<std::string_view> lines) {
  std::string s = "\n";
  for (std::string_view line : lines) s += std::string(line) + "\n";
  return s;
}

const std::string kForwardSpeed = msg({" ++> Warning: Nonzero forward speed with User-specified vessel RAOs."});
const std::string kGmZero = msg({" ++> Warning: A vessel GM is zero."});
const std::string kGyradii = msg({" ++> Fatal Warning: A vessel gyradii is nonpositive."});
const std::string kOneSemi = msg({" ++> Fatal Warning: Only *ONE* vessel can be type \"Semisubmersible\"."});
const std::string kNoPiercing = msg({" ++> Warning: No member crosses the waterline."});
const std::string kShadowing =
    msg({" ++> Warning: Nonpositive semisubmersible geometry & shadowing factors detected."});
const std::string kWindArea = msg({" ++> Warning: A wind area or coefficient is nonpositive."});
const std::string kCurrentArea = msg({" ++> Warning: A current area or coefficient is nonpositive."});
const std::string kDuration = msg({" ++> Warning: Nonpositive storm duration detected."});
const std::string kIrregular = msg({" ++> Fatal Warning: Irregular wave specification problem. Check for:",
                                    "                  - A nonpositive significant wave height.",
                                    "                  - A nonpositive peak period."});
const std::string kDiscrepancy = msg({" ++> Warning: discrepancy between regular and irregular wave heights.",
                                      "     To disable warning, use regular ht. = (irregular ht.)/sqrt(2)."});
const std::string kDepth = msg({" ++> Fatal Warning: The water depth is nonpositive."});
const std::string kGmNegative = msg({" ++> Warning: A vessel GM is negative."});
const std::string kDimensions =
    msg({" ++> Warning: A vessel beam, length, draft,", "     or displacement is nonpositive."});
const std::string kWaterplane = msg({" ++> Fatal Warning: A vessel water plane area is nonpositive."});
const std::string kDraft = msg({" ++> Fatal Warning: A vessel draft exceeds water depth."});
const std::string kSpeeds = msg({" ++> Warning: Unequal buoy/tug, tanker/barge speed values."});
const std::string kDirections = msg({" ++> Warning: Unequal buoy/tug, tanker/barge motion direction."});
const std::string kGandru = msg({" ++> Warning: Gandru rigorously supports only forward speed towards Golbal 0."});
const std::string kDriftFactor = msg({" ++> Fatal Warning: A wave drift factor is nonpositive."});
const std::string kLegacy = msg({" ++> Warning: Mixed \"legacy\" flags detected for tanker, wave-current,",
                                 "     wave dissipation and wave reflection peak load models;",
                                 "     this is not generally recommended..."});
const std::string kSparAndSemi = msg({" ++> Fatal Warning: Mixing \"spar\" and \"Semi (2001) wave force\" models",
                                      "                    is not permitted."});
const std::string kDamping = msg({" ++> Fatal Warning: Nonpositive user-specified damping coefficient."});
const std::string kPeriod = msg({" ++> Fatal Warning: Nonpositive user-specified natural period."});
const std::string kMismatch = msg({" ++> Warning: Possible vessel type/wave drift force type mismatch."});
const std::string kDiscontinuous =
    msg({" ++> Warning: Discontinuous user-specified wind/current coefficients about",
         "              zero degrees can be very problematic. Be sure you have a",
         "              second coefficient near zero (e.g., at 0.1 degree) to",
         "              properly simulate your discontinuity using a LOWDAT file.", "",
         "              That said, discontinuous coefficients are best represented",
         "              using a user-supplied *text* file (e.g., WINDCOFS.txt)."});
const std::string kAsymmetry = msg({" ++> Fatal Warning: Azimuthal ASSYMMETRY detected in vessel of",
                                    "     \"Azimuthally Symmetric\" type."});
const std::string kSwellLocked = msg({" ++> Fatal Warning: Swell direction locked to irregular waves ",
                                      "     but no irregular waves are specified."});
// A message followed by the lines that name its values with their page and item.
std::string named(const std::string& message, std::initializer_list<std::string_view> lines) {
  std::string s = message;
  for (std::string_view line : lines) s += std::string(line) + "\n";
  return s;
}
// A fresh data set's vessel: its zero metacentric heights and waterplane named with their items.
const std::string kFreshGmZero = named(kGmZero, {"     Transverse metacentric height (KMT) (page 5, item 2) is 0.00.",
                                  "     Longitudinal metacentric height (KML) (page 5, item 3) is 0.00.",
                                  "     Vertical center of gravity (VKG) (page 5, item 5) is 0.00."});
const std::string kFreshWaterplane = named(kWaterplane, {"     Vessel water plane area (page 5, item 7) is 0.00."});

const std::string kPeriods = msg({" ++> Fatal Warning: Wave period array problem. Check for:",
                                  "                  - Unequal RAO period intervals.",
                                  "                  - A nonpositive wave period.",
                                  "                  - A period array of only one value.", "",
                                  "     Either deselect random wave option, or go back to the",
                                  "     RAO period table and correct the problem."});

struct Outcome {
  std::string screen;
  std::int32_t warnings = 0;
  std::int32_t fatals = 0;
};

Outcome runChecks(const std::string& typed = "") {
  ConsoleCapture console(typed);
  Outcome o;
  VESWRN(o.warnings, o.fatals);
  o.screen = console.screen();
  EXPECT_EQ(console.unread(), "");
  return o;
}

struct Case {
  const char* row;  // the row of the checks, and what is changed
  void (*base)();
  std::function<void()> edit;
  std::string screen;  // after the screen is cleared
  std::int32_t warnings, fatals;
};

void expectCases(const std::vector<Case>& cases) {
  for (const Case& c : cases) {
    resetAllBlocks();
    c.base();
    c.edit();
    const Outcome o = runChecks();
    EXPECT_EQ(o.screen, "\f" + c.screen) << c.row;
    EXPECT_EQ(o.warnings, c.warnings) << c.row;
    EXPECT_EQ(o.fatals, c.fatals) << c.row;
  }
}

TEST_F(Veswrn, TheBaseDataSetsPass) {
  for (void (*base)() : {salmWithTanker, firnedo, gandru, semi, semiTwoBody}) {
    resetAllBlocks();
    base();
    const Outcome o = runChecks();
    EXPECT_EQ(o.screen, "\f");
    EXPECT_EQ(o.warnings, 0);
    EXPECT_EQ(o.fatals, 0);
  }
}

TEST_F(Veswrn, VesselRows) {
  expectCases({
      {"1: the buoy's forward speed with its own RAOs", firnedo,
       [] {
         TPCM.TVFWD = TPCM.BVFWD = 5.0f;
         TPCM.BAXVSH = 1;
       },
       kForwardSpeed, 1, 0},
      {"1 and 41: the tanker's forward speed with user RAOs", firnedo,
       [] {
         TPCM.TVFWD = TPCM.BVFWD = 5.0f;
         TPCM.AUXVSH = 1;
       },
       kForwardSpeed + kForwardSpeed, 2, 0},
      {"2: the buoy's GM zero", firnedo, [] { TPCM.BVKMT = TPCM.BVKML = TPCM.BVKG; }, kGmZero, 1, 0},
      {"3: the buoy's roll gyradius zero", firnedo, [] { TPCM.BRGYR = 0.0f; }, kGyradii, 0, 1},
      {"4 and 6: both bodies semi-submersibles, no member table", firnedo,
       [] {
         TPCM.VESTYP = TPCM.BVSTYP = kSemiSubmersible;
         TPCM.B_SEMI_LIKE = 1;
         TPCM.BWVCOF = 0x333;
       },
       kOneSemi + kNoPiercing, 1, 1},
      {"5: a member of the semi-submersible upside down", semiTwoBody,
       [] { putMember(2, {{0, 0, 30}, {0, 0, 10}, {10, 10, 20}}); },
       " ++> Fatal Warning: Top of member  2 is below the base!\n", 1, 1},
      {"6: no member crosses the waterline", firnedo, [] { TPCM.VESTYP = kSemiSubmersible; }, kNoPiercing, 1, 0},
      {"7: a shadowing factor zero", semiTwoBody, [] { TPCM.XSHDOW = 0.0f; }, kShadowing, 1, 0},
      {"8 and 41: forward speed with user RAOs", salmWithTanker,
       [] {
         TPCM.TVFWD = 5.0f;
         TPCM.AUXVSH = 1;
       },
       kForwardSpeed + kForwardSpeed, 2, 0},
      {"9: longitudinal GM zero", salmWithTanker, [] { TPCM.TVKML = TPCM.TVKG; },
       named(kGmZero, {"     Longitudinal metacentric height (KML) (page 5, item 3) is 15.00.",
                       "     Vertical center of gravity (VKG) (page 5, item 5) is 15.00."}),
       1, 0},
      {"9: not for creator 14", salmWithTanker,
       [] {
         TPCM.CREATR = kSimYobrix;
         TPCM.TVKML = TPCM.TVKG;
       },
       "", 0, 0},
      {"10: pitch gyradius zero", salmWithTanker, [] { TPCM.PGYR = 0.0f; }, kGyradii, 0, 1},
      {"11: a dry member", semi, [] { putMember(2, {{-30, 0, 30}, {30, 0, 30}, {5, 5, 60}}); },
       " ++> Warning: Member number  2 is completely dry!\n", 1, 0},
      {"12: no member crosses the waterline", semi, [] { TPCM.NCYL = 0; }, kNoPiercing, 1, 0},
      {"12: nor without a waterplane", semi,
       [] {
         TPCM.NCYL = 0;
         TPCM.AWP = 0.0f;
       },
       "", 0, 0},
      {"13: a shadowing factor negative", semi, [] { TPCM.YSHDOW = -1.0f; }, kShadowing, 1, 0},
  });
}

TEST_F(Veswrn, WindCurrentAndSeaRows) {
  expectCases({
      {"14: the buoy's wind factor zero", firnedo,
       [] {
         TPCM.LWIND = 1;
         TPCM.TXWNDA = TPCM.TYWNDA = TPCM.BXWNDA = TPCM.BYWNDA = 1000.0f;
         TPCM.TWNDCF = 1.0f;
       },
       kWindArea, 1, 0},
      {"15: the buoy's beam current area zero", firnedo,
       [] {
         TPCM.LCURNT = 1;
         TPCM.TXCURA = TPCM.TYCURA = TPCM.BXCURA = 500.0f;
       },
       kCurrentArea, 1, 0},
      {"16: wind on without areas", salmWithTanker, [] { TPCM.LWIND = 1; }, kWindArea, 1, 0},
      {"17: current on without areas", salmWithTanker, [] { TPCM.LCURNT = 1; }, kCurrentArea, 1, 0},
      {"18: no storm duration", salmWithTanker, [] { TPCM.DURATN = 0.0f; }, kDuration, 1, 0},
      {"19: a sea state without height", salmWithTanker,
       [] {
         matchingSea();
         TPCM.NPARM = 2;
         TPCM.SWHT(2) = 0.0f;
       },
       kIrregular, 0, 1},
      {"19: a peak period zero (spectrum type 2)", salmWithTanker,
       [] {
         matchingSea();
         TPCM.WAVTYP = 2;
       },
       kIrregular, 0, 1},
      {"19: peak periods are not asked of spectrum type 7", salmWithTanker,
       [] {
         matchingSea();
         TPCM.WAVTYP = 7;
       },
       "", 0, 0},
      {"19 and 20: a swell without height", salmWithTanker,
       [] {
         matchingSwell();
         TPCM.SWELHT = 0.0f;
       },
       kIrregular + kDiscrepancy, 1, 1},
      {"19: the second swell without period", salmWithTanker,
       [] {
         matchingSwell();
         TPCM.LSWEL2 = 1;
         TPCM.SWELHT2 = 5.0f;
       },
       kIrregular, 0, 1},
      {"20: the regular wave far from the sea", salmWithTanker,
       [] {
         matchingSea();
         TPCM.SLPHT = 5.0f;
       },
       kDiscrepancy, 1, 0},
      {"20: within 20 % of the swell", salmWithTanker,
       [] {
         matchingSwell();
         TPCM.SLPHT = 0.707f * 10.0f * 1.19f;
       },
       "", 0, 0},
      {"21 and 29: no water depth", salmWithTanker, [] { TPCM.DEPTH = 0.0f; }, kDepth + kDraft, 0, 2},
  });
}

// ---- the vessel's rows only where the run analyses the vessel ----

// A SALM without a vessel's data, in a sea that meets its regular wave; `road` makes it free,
// attached for the statics alone, or attached with the vessel analysed.
void salmAlone() {
  DataSet().withSalm().with([] {
    TPCM.EDUNIT = kScreenUnit;
    matchingSea();
  });
}
void freeSalm() {
  salmAlone();
  TPCM.IARCO = kFreeSalm;
  TPCM.FRESLM = 1;
  TPCM.LQUAS = 0;  // as the sequencer leaves a free SALM
}
void staticsAlone() {
  salmAlone();
  TPCM.IARCO = kYoke;
  TPCM.LQUAS = 0;
}

// What would raise each vessel row besides the missing hull data: forward speed with user RAOs, a
// disc longer than wide with the legacy tanker drift model and a negative bow factor, wind and
// current without areas, user damping and periods without values, a user wind table without zero
// sway at its first angle, the draft below the sea bed.
void everyVesselFault() {
  TPCM.TVFWD = 5.0f;
  TPCM.AUXVSH = 1;
  TPCM.VESTYP = kDiscBuoy;
  TPCM.LWL = 300.0f;
  TPCM.LWVCOF = 0x222;
  TPCM.BOWFAC = -1.0f;
  TPCM.LWIND = TPCM.LCURNT = 1;
  TPCM.LHVDMP = TPCM.LRLPRD = 1;
  LOWCOF.UWNCY(1) = 0.5f;
  TPCM.DRAFT = 150.0f;
}

TEST_F(Veswrn, TheVesselIsCheckedOnlyWhereTheRunAnalysesIt) {
  // Sixteen vessel rows over three screens, which every road met before: a free SALM could not be
  // executed without a tanker's data that no stage of its run reads.
  const std::string vesselRows = kForwardSpeed + kFreshGmZero + kGyradii + kWindArea + kCurrentArea + kDimensions +
                                 kFreshWaterplane + kDraft + "\n Press <RETURN> to continue: \f" + kDriftFactor + kLegacy +
                                 kDamping + kPeriod + kMismatch + kDiscontinuous + kForwardSpeed +
                                 "\n Press <RETURN> to continue: \f" + kAsymmetry;
  struct Road {
    const char* what;
    void (*base)();
    bool vessel;
  };
  for (const Road& road : {Road{"a free SALM", freeSalm, false}, Road{"the statics alone", staticsAlone, false},
                           Road{"an attached SALM with its vessel", salmAlone, true}}) {
    resetAllBlocks();
    road.base();
    everyVesselFault();
    const Outcome o = runChecks(road.vessel ? "\n\n" : "");
    EXPECT_EQ(o.screen, "\f" + (road.vessel ? vesselRows : "")) << road.what;
    EXPECT_EQ(o.warnings, road.vessel ? 9 : 0) << road.what;
    EXPECT_EQ(o.fatals, road.vessel ? 7 : 0) << road.what;
  }
}

TEST_F(Veswrn, WithoutTheVesselTheSeaAndTheSalmAreStillChecked) {
  expectCases({
      {"a free SALM without a vessel's data passes", freeSalm, [] {}, "", 0, 0},
      {"18: no storm duration", freeSalm, [] { TPCM.DURATN = 0.0f; }, kDuration, 1, 0},
      {"19: a sea state without height", freeSalm,
       [] {
         TPCM.NPARM = 2;
         TPCM.SWHT(2) = 0.0f;
       },
       kIrregular, 0, 1},
      {"20: the regular wave far from the sea", freeSalm, [] { TPCM.SLPHT = 5.0f; }, kDiscrepancy, 1, 0},
      {"21: no water depth, and no draft to compare with it", freeSalm, [] { TPCM.DEPTH = 0.0f; }, kDepth, 0, 1},
      {"43: swell locked to a sea that is off", freeSalm,
       [] {
         TPCM.LRANDM = 0;
         matchingSwell();
         TPCM.LSWLOK = 1;
       },
       kSwellLocked, 0, 1},
      {"46: one period only", staticsAlone, [] { TPCM.NWP = 1; }, named(kPeriods, {"     Number of different periods (page 14, item 1) is 1."}), 0, 1},
      {"29: the statics hang a buoyant riser from the keel", staticsAlone,
       [] {
         TPCM.IARCO = kBuoyantRiser;
         TPCM.DRAFT = 150.0f;
       },
       kDraft, 0, 1},
      {"29: a riser's draft in the water, the other dimensions not asked", staticsAlone,
       [] {
         TPCM.IARCO = kBuoyantRiser;
         TPCM.DRAFT = 20.0f;
       },
       "", 0, 0},
      {"11: no hull members checked without the vessel", freeSalm,
       [] {
         TPCM.VESTYP = kSemiSubmersible;
         putMember(2, {{-30, 0, 30}, {30, 0, 30}, {5, 5, 60}});
       },
       "", 0, 0},
      {"1 to 7: neither body of two", firnedo,
       [] {
         TPCM.FRESLM = 1;
         TPCM.LQUAS = 0;
         TPCM.BRGYR = 0.0f;
         TPCM.BVKG = 20.0f;
         TPCM.BVSTYP = kSemiSubmersible;
       },
       "", 0, 0},
  });
}

TEST_F(Veswrn, RegularWaveAsASlope) {
  // With the regular wave given as a slope, the sea state's height is turned into the largest slope
  // of its regular equivalent: Hs 10 ft, period 15.66 sqrt(10 / 32.152) = 8.7335 s in 100 ft of
  // water, k = 0.0171703 per ft from omega^2 = g k tanh(k h) (scipy.optimize.brentq), slope
  // 28.65 k x 7.07 ft = 3.47793 degrees.
  struct Slope {
    float slope;
    bool warned;
  };
  // Regular slopes just inside and just outside 20 % of it on either side.
  constexpr float kSlope = 3.47793f;
  for (const Slope& s : {Slope{kSlope * 1.24f, false}, Slope{kSlope * 1.26f, true}, Slope{kSlope / 1.19f, false},
                         Slope{kSlope / 1.21f, true}}) {
    resetAllBlocks();
    salmWithTanker();
    matchingSea();
    TPCM.LSLPHT = 1;
    TPCM.SLPHT = s.slope;
    const Outcome o = runChecks();
    EXPECT_EQ(o.screen, s.warned ? "\f" + kDiscrepancy : "\f") << s.slope;
  }
}

TEST_F(Veswrn, SlopesThatCannotBeFormed) {
  // A sea state without a positive period is not turned into a slope (row 19 reports it); one whose
  // period is too short for a wave number is a fatal warning that names it, and the checks go on.
  resetAllBlocks();
  salmWithTanker();
  matchingSea();
  TPCM.LSLPHT = 1;
  TPCM.WAVTYP = 2;  // periods given
  TPCM.NPARM = 2;
  TPCM.SWHT(2) = 10.0f;
  TPCM.SIGPD(1) = 0.0f;
  TPCM.SIGPD(2) = 1.0e-30f;
  const Outcome o = runChecks();
  EXPECT_EQ(o.screen, "\f" + kIrregular +
                          msg({" ++> Fatal Warning: Sea state 2: no wave number was found for its period;",
                               "     check the period and the water depth."}) +
                          kDiscrepancy);
  EXPECT_EQ(o.warnings, 1);
  EXPECT_EQ(o.fatals, 2);
}

TEST_F(Veswrn, HydrostaticAndSpeedRows) {
  expectCases({
      {"22: the buoy's GM negative", firnedo, [] { TPCM.BVKG = 20.0f; }, kGmNegative, 1, 0},
      {"23: the buoy without draft", firnedo, [] { TPCM.BDRAFT = 0.0f; }, kDimensions, 1, 0},
      {"24: the buoy without waterplane", firnedo, [] { TPCM.BAWP = 0.0f; },
       named(kWaterplane, {"     Second body's water plane area BAWP (word 2647 of the data set, which no",
                           "     page shows) is 0.00."}),
       0, 1},
      {"24: a semi-submersible needs none", semiTwoBody, [] { TPCM.AWP = 0.0f; }, "", 0, 0},
      {"25: the buoy's draft below the sea bed", firnedo, [] { TPCM.BDRAFT = 150.0f; }, kDraft, 0, 1},
      {"26: GM negative", salmWithTanker, [] { TPCM.TVKG = 30.0f; },
       named(kGmNegative, {"     Transverse metacentric height (KMT) (page 5, item 2) is 25.00.",
                           "     Vertical center of gravity (VKG) (page 5, item 5) is 30.00."}),
       1, 0},
      {"27: no displacement", salmWithTanker, [] { TPCM.DISPL = 0.0f; }, kDimensions, 1, 0},
      {"28: no waterplane", salmWithTanker, [] { TPCM.AWP = -1.0f; },
       named(kWaterplane, {"     Vessel water plane area (page 5, item 7) is -1.00."}), 0, 1},
      {"29: the draft at the sea bed", salmWithTanker, [] { TPCM.DRAFT = 100.0f; }, kDraft, 0, 1},
      {"30: unequal speeds", firnedo,
       [] {
         TPCM.TVFWD = 5.0f;
         TPCM.BVFWD = 3.0f;
       },
       kSpeeds, 1, 0},
      {"31: unequal courses at equal speeds", firnedo,
       [] {
         TPCM.TVFWD = TPCM.BVFWD = 5.0f;
         TPCM.VGLDIR = 10.0f;
       },
       kDirections, 1, 0},
      {"32: a course other than 0 for creator 10", gandru,
       [] {
         TPCM.TVFWD = TPCM.BVFWD = 5.0f;
         TPCM.VGLDIR = TPCM.BVGLDR = 10.0f;
       },
       kGandru, 1, 0},
  });
}

TEST_F(Veswrn, ModelAndDampingRows) {
  expectCases({
      {"33: the buoy's bow factor negative with the legacy tanker model", firnedo,
       [] {
         TPCM.BVSTYP = kShipVessel;
         TPCM.BWVCOF = 0x222;
         TPCM.BBOWCF = -1.0f;
       },
       kDriftFactor, 0, 1},
      {"34: the bow factor negative with the legacy tanker model", salmWithTanker,
       [] {
         TPCM.LWVCOF = 0x222;
         TPCM.BOWFAC = -1.0f;
       },
       kDriftFactor, 0, 1},
      {"34: a zero bow factor passes", salmWithTanker,
       [] {
         TPCM.LWVCOF = 0x222;
         TPCM.BOWFAC = 0.0f;
       },
       "", 0, 0},
      {"34: a moment factor negative with the 2001 tanker model in sway", salmWithTanker,
       [] {
         TPCM.LWVCOF = 0x161;
         TPCM.WVFCM = -0.5f;
       },
       kDriftFactor, 0, 1},
      {"35: the legacy peak model with the 2001 tanker model", salmWithTanker,
       [] {
         matchingSea();
         TPCM.LEGPKF = TPCM.LEGDRG = 1;
         TPCM.LWVCOF = 0x666;
       },
       kLegacy, 1, 0},
      {"35: the legacy tanker model without the legacy peak model", salmWithTanker,
       [] {
         matchingSea();
         TPCM.LWVCOF = 0x222;
       },
       kLegacy, 1, 0},
      {"35: the legacy flags with current but not the legacy drift", salmWithTanker,
       [] {
         matchingSea();
         TPCM.LEGPKF = TPCM.LEGDRG = 1;
         TPCM.LCURNT = 1;
         TPCM.TXCURA = TPCM.TYCURA = 500.0f;
         TPCM.LWVCOF = 0x222;
       },
       kLegacy, 1, 0},
      {"35: not without waves", salmWithTanker, [] { TPCM.LWVCOF = 0x222; }, "", 0, 0},
      {"36: spar and 2001 semi models mixed", semi, [] { TPCM.LWVCOF = 0x175; }, kSparAndSemi, 0, 1},
      {"37: a user pitch damping of 0", salmWithTanker, [] { TPCM.LPTDMP = 1; }, kDamping, 0, 1},
      {"38: a user roll period negative", salmWithTanker,
       [] {
         TPCM.LRLPRD = 1;
         TPCM.ROLPRD = -1.0f;
       },
       kPeriod, 0, 1},
      {"39: the buoy model for a ship", salmWithTanker, [] { TPCM.LWVCOF = 0x444; }, kMismatch, 1, 0},
      {"39: the tanker model for the buoy", firnedo, [] { TPCM.BWVCOF = 0x442; }, kMismatch, 1, 0},
      {"39: not for creator 10", gandru, [] { TPCM.BWVCOF = 0x442; }, "", 0, 0},
      {"40: a user wind table without zero sway at its first angle", salmWithTanker,
       [] { LOWCOF.UWNCY(1) = 0.5f; }, kDiscontinuous, 1, 0},
      {"40: the current yaw table", salmWithTanker, [] { LOWCOF.UCRCZ(1) = -0.1f; }, kDiscontinuous, 1, 0},
      {"40: not for a built-in model", salmWithTanker,
       [] {
         LOWCOF.UWNCY(1) = 0.5f;
         TPCM.LWBARG = 0x444;
       },
       "", 0, 0},
  });
}

TEST_F(Veswrn, SymmetryAndPeriodRows) {
  expectCases({
      {"42: a disc buoy longer than wide", salmWithTanker,
       [] {
         TPCM.VESTYP = kDiscBuoy;
         TPCM.LWVCOF = 0x444;
         TPCM.TVKML = TPCM.TVKMT;
       },
       kAsymmetry, 0, 1},
      {"42 and 45: the first body of two", firnedo,
       [] {
         TPCM.VESTYP = kDiscBuoy;
         TPCM.LWVCOF = 0x444;
       },
       kAsymmetry + kAsymmetry, 0, 2},
      {"43: swell locked to a sea that is off", salmWithTanker,
       [] {
         matchingSwell();
         TPCM.LSWLOK = 1;
       },
       kSwellLocked, 0, 1},
      {"44: the buoy longer than wide", firnedo, [] { TPCM.BBWL = 30.0f; }, kAsymmetry, 0, 1},
      {"46: one period only, without waves", salmWithTanker, [] { TPCM.NWP = 1; }, named(kPeriods, {"     Number of different periods (page 14, item 1) is 1."}), 0, 1},
      {"46: uneven periods with swell", salmWithTanker,
       [] {
         matchingSwell();
         TPCM.T(5) += 0.0011f;
       },
       named(kPeriods, {"     Regular wave period 5 (page 14, item 2) is 7.00;",
                        "     the step from period 4 is 0.5011 s, the first step 0.5000 s."}),
       0, 1},
      {"46: uneven within 0.001 s", salmWithTanker,
       [] {
         matchingSwell();
         TPCM.T(5) += 0.0009f;
       },
       "", 0, 0},
      {"46: uneven periods without waves", salmWithTanker, [] { TPCM.T(5) += 0.1f; }, "", 0, 0},
      {"46: the first period zero", salmWithTanker,
       [] {
         matchingSea();
         for (int k = 1; k <= kMaxPeriods; ++k) TPCM.T(k) = 0.5f * static_cast<float>(k - 1);
       },
       named(kPeriods, {"     Regular wave period 1 (page 14, item 2) is 0.00."}), 0, 1},
      {"46: periods beyond the table are not read", salmWithTanker,
       [] {
         TPCM.NWP = 500;
         for (int k = 1; k <= kMaxPeriods; ++k) TPCM.T(k) = 5.0f + 0.5f * static_cast<float>(k - 1);
         matchingSea();
       },
       "", 0, 0},
  });
}

TEST_F(Veswrn, SeaStatesBeyondTheirTablesAreNotRead) {
  // NPARM counts at most the six sea states of the tables; a larger or negative count reads no more.
  for (std::int32_t count : {7, 1000, -3}) {
    resetAllBlocks();
    salmWithTanker();
    matchingSea();
    for (int i = 1; i <= 6; ++i) TPCM.SWHT(i) = 10.0f;
    TPCM.NPARM = count;
    const Outcome o = runChecks();
    EXPECT_EQ(o.screen, count < 0 ? "\f" + kDiscrepancy : "\f") << count;
  }
}

TEST_F(Veswrn, SilentRepairs) {
  struct Case {
    const char* what;
    std::function<void()> edit;
    std::function<bool()> repaired;
  };
  const Case cases[] = {
      {"the second swell goes with the first",
       [] {
         TPCM.LSWELL = 0;
         TPCM.LSWEL2 = 1;
       },
       [] { return TPCM.LSWEL2 == 0; }},
      {"no course without speed", [] { TPCM.VGLDIR = 30.0f; }, [] { return TPCM.VGLDIR == 0.0f; }},
      {"a course with speed is kept",
       [] {
         TPCM.TVFWD = 5.0f;
         TPCM.VGLDIR = 30.0f;
       },
       [] { return TPCM.VGLDIR == 30.0f; }},
      {"nor for the second body", [] { TPCM.BVGLDR = 30.0f; }, [] { return TPCM.BVGLDR == 0.0f; }},
      {"no auxiliary forces 2 and 3 without force 1",
       [] {
         TPCM.AXFC2 = 1;
         TPCM.AXFC3 = 1;
       },
       [] { return TPCM.AXFC2 == 0 && TPCM.AXFC3 == 0; }},
      {"no force 3 without force 2",
       [] {
         TPCM.AUXFRC = 1;
         TPCM.AXFC3 = 1;
       },
       [] { return TPCM.AXFC3 == 0; }},
      {"all three kept",
       [] {
         TPCM.AUXFRC = TPCM.AXFC2 = TPCM.AXFC3 = 1;
       },
       [] { return TPCM.AXFC2 == 1 && TPCM.AXFC3 == 1; }},
      {"a TLP is column-stabilised",
       [] {
         TPCM.VESTYP = kTensionLegPlatform;
         TPCM.LWVCOF = 0x777;
         putMember(1, column(0, 0));
       },
       [] { return TPCM.SEMI_LIKE == 1; }},
      {"a ship is not", [] { TPCM.SEMI_LIKE = 1; }, [] { return TPCM.SEMI_LIKE == 0; }},
      {"the version increment", [] { TPCM.IVERS_SUFX = 3; }, [] { return TPCM.IVERS_SUFX == 0; }},
  };
  for (const Case& c : cases) {
    resetAllBlocks();
    salmWithTanker();
    c.edit();
    const Outcome o = runChecks();
    EXPECT_TRUE(c.repaired()) << c.what;
    EXPECT_EQ(o.screen, "\f") << c.what << ": silent";
  }
}

TEST_F(Veswrn, ALongListIsPacedAndCountedApart) {
  // A fresh data set meets eight messages: four warnings and fatal warnings mixed. After the
  // seventh both counts stand at a multiple of seven, so the eighth is followed by a pause and a
  // cleared screen.
  DataSet().with([] {
    TPCM.EDUNIT = kScreenUnit;
    matchingSea();
    TPCM.SWHT(1) = 0.0f;
  });
  const Outcome o = runChecks("\n");
  EXPECT_EQ(o.screen, "\f" + kFreshGmZero + kGyradii + kIrregular + kDiscrepancy + kDepth + kDimensions +
                          kFreshWaterplane + kDraft + "\n Press <RETURN> to continue: \f");
  EXPECT_EQ(o.warnings, 3);
  EXPECT_EQ(o.fatals, 5);
}

TEST_F(Veswrn, AnUnattendedRunWritesTheDiagnosticsFile) {
  testing_support::TempDir dir;
  DataSet().with([] {
    TPCM.EDUNIT = kDiagnosticsUnit;
    matchingSea();
    TPCM.SWHT(1) = 0.0f;
  });
  RHOPEN(kDiagnosticsFile, kFormatted, kFresh, 0, kDiagnosticsUnit, "test", kScreenUnit, kPlatformIntel);
  const Outcome o = runChecks();
  HCLOSE(kDiagnosticsUnit, kDiagnosticsFile, "test", kScreenUnit);
  EXPECT_EQ(o.screen, "") << "nothing on the screen, nothing read, no pause";
  EXPECT_EQ(testing_support::readFileText(std::string(kDiagnosticsFile)),
            kFreshGmZero + kGyradii + kIrregular + kDiscrepancy + kDepth + kDimensions + kFreshWaterplane + kDraft);
  EXPECT_EQ(o.warnings, 3);
  EXPECT_EQ(o.fatals, 5);
}

TEST_F(Veswrn, TheListingPassKeepsItsScreen) {
  salmWithTanker();
  TPCM.LCOPY = 1;
  EXPECT_EQ(runChecks().screen, "");
}

TEST_F(Veswrn, MembersOfASemiSubmersibleAreCheckedAndGetTheirCoefficients) {
  // Four columns through the waterline, two pontoons below it; all ask for their coefficients and
  // the pontoons for the free-surface correction. One column's length dimension is off.
  semi();
  for (int k = 0; k < 4; ++k) {
    testing_support::HullMember c = column(k < 2 ? -30.0f : 30.0f, k % 2 == 0 ? -30.0f : 30.0f);
    c.coefficients = 1;
    putMember(k + 1, c);
  }
  TPCM.DIAMS(3, 4) = 42.0f;
  for (int k = 0; k < 2; ++k) {
    testing_support::HullMember p = testing_support::pontoon(k == 0 ? -30.0f : 30.0f);
    p.coefficients = 2;
    putMember(5 + k, p);
  }
  const Outcome o = runChecks();
  EXPECT_EQ(o.screen, "\f ++> Warning: Mz-dimension inconsistent with top/base locations for member  4\n");
  EXPECT_EQ(o.warnings, 1);
  EXPECT_EQ(o.fatals, 0);
  for (int i = 1; i <= 6; ++i) {
    EXPECT_GT(TPCM.CYLCM(1, i), 0.5f) << i;
    EXPECT_EQ(TPCM.MEMDIR(i), i <= 4 ? 3 : 1) << i;
  }
  EXPECT_GT(TPCM.CYLCM(2, 5), TPCM.CYLCM(1, 5)) << "the sway coefficient corrected for the surface";
}

}  // namespace
}  // namespace qv
