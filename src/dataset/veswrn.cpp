#include "dataset/veswrn.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <string>

#include "dataset/force_model.h"
#include "dataset/lowcof.h"
#include "dataset/member_checks.h"
#include "dataset/tpcm.h"
#include "dataset/tpcm_codes.h"
#include "numlib/roots.h"
#include "numlib/wavenumber.h"
#include "platform/units.h"
#include "util/console_io.h"
#include "util/flowing_lines.h"
#include "util/fortran_format.h"
#include "util/packed_flags.h"
#include "util/page_kit.h"
#include "util/sim_types.h"

namespace qv {

namespace {

constexpr int kWarningsPerScreen = 7;
constexpr int kMaxSeaStates = 6;      // the extent of SWHT and SIGPD
constexpr int kMaxHullMembers = 50;   // the extent of the hull-member table

constexpr float kGravityEnglish = 32.152f;  // [ft/s^2]
constexpr float kGravityMetric = 9.8f;      // [m/s^2]
constexpr float kRegularOverSignificant = 0.707f;  // a regular wave height over the significant height
constexpr float kPeakPeriodFactor = 15.66f;        // peak period = 15.66 sqrt(Hs / g) of spectrum type 1
constexpr float kHeightTolerance = 0.2f;           // of the regular-wave comparison
constexpr float kSpacingTolerance = 0.001f;        // of the period spacing [s]

constexpr std::string_view kForwardSpeedWithRaos = " ++> Warning: Nonzero forward speed with User-specified vessel RAOs.";
constexpr std::string_view kGmZero = " ++> Warning: A vessel GM is zero.";
constexpr std::string_view kGmNegative = " ++> Warning: A vessel GM is negative.";
constexpr std::string_view kGyradii = " ++> Fatal Warning: A vessel gyradii is nonpositive.";
constexpr std::string_view kNoPiercing = " ++> Warning: No member crosses the waterline.";
constexpr std::string_view kShadowing =
    " ++> Warning: Nonpositive semisubmersible geometry & shadowing factors detected.";
constexpr std::string_view kWindArea = " ++> Warning: A wind area or coefficient is nonpositive.";
constexpr std::string_view kCurrentArea = " ++> Warning: A current area or coefficient is nonpositive.";
constexpr std::string_view kWaterplane = " ++> Fatal Warning: A vessel water plane area is nonpositive.";
constexpr std::string_view kDraftBelowBed = " ++> Fatal Warning: A vessel draft exceeds water depth.";
constexpr std::string_view kDriftFactor = " ++> Fatal Warning: A wave drift factor is nonpositive.";
constexpr std::string_view kAsymmetry1 = " ++> Fatal Warning: Azimuthal ASSYMMETRY detected in vessel of";
constexpr std::string_view kAsymmetry2 = "     \"Azimuthally Symmetric\" type.";

// The places of the values that checks are about.
constexpr ValuePlace kDepthPlace[] = {{1, 4}};
constexpr ValuePlace kGyradiiPlaces[] = {{6, 1}, {6, 2}, {6, 3}};
constexpr ValuePlace kSeaStatePlaces[] = {{15, 6}, {15, 7}, {16, 6}, {16, 7}, {16, 26}, {16, 27}};
constexpr ValuePlace kDimensionPlaces[] = {{5, 1}, {5, 8}, {5, 9}, {5, 10}};
constexpr ValuePlace kWaterplanePlace[] = {{5, 7}};
constexpr ValuePlace kDraftPlace[] = {{5, 10}};
constexpr ValuePlace kWindAreaPlaces[] = {{10, 2}, {10, 5}, {10, 8}};
constexpr ValuePlace kCurrentAreaPlaces[] = {{10, 12}, {10, 15}};
constexpr ValuePlace kStormPlace[] = {{17, 51}};
constexpr ValuePlace kDriftFactorPlaces[] = {{10, 21}, {10, 22}, {10, 23}, {10, 24}, {10, 25}, {10, 26}};
constexpr ValuePlace kDampingPlaces[] = {{7, 2}, {7, 4}, {7, 6}};
constexpr ValuePlace kPeriodPlaces[] = {{7, 8}, {7, 10}, {7, 12}};
constexpr ValuePlace kWavePeriodPlace[] = {{14, 2}};

// The counts of one run of the checks.
struct Checks {
  std::int32_t& NWARN;
  std::int32_t& NFATAL;
  const CheckPlaces& places;

  // `named`: the lines that name the values of the check with their page and item, written when no
  // finding of the run about the same values (`places`) says where to change them.
  void warn(std::initializer_list<std::string_view> lines, std::span<const ValuePlace> about = {},
            const std::vector<std::string>& named = {}) {
    report(false, lines, about, named);
  }
  void fatal(std::initializer_list<std::string_view> lines, std::span<const ValuePlace> about = {},
             const std::vector<std::string>& named = {}) {
    report(true, lines, about, named);
  }
  void report(bool fatal, std::initializer_list<std::string_view> lines, std::span<const ValuePlace> about,
              const std::vector<std::string>& named) {
    std::vector<std::string> all(lines.begin(), lines.end());
    std::vector<std::string> notes;
    if (places && !about.empty()) notes = places(fatal, about);
    if (notes.empty()) notes = named;
    for (std::string& line : notes) all.push_back(std::move(line));
    reportCheck(NWARN, NFATAL, fatal, all);
  }
  // A message written by the routine that found it.
  void count(bool fatal) {
    WRNINC(fatal ? NFATAL : NWARN, NWARN, NFATAL, TPCM.EDUNIT, kKeyboardUnit, kWarningsPerScreen);
  }
};

// "     <label> (page <page>, item <item>) is <value>.": a value of a check, where it is changed.
std::string valueLine(std::string_view label, ValuePlace at, float value) {
  return "     " + std::string(label) + " (page " + std::to_string(at.page) + ", item " + std::to_string(at.item) +
         ") is " + messageValue(value) + ".";
}

void silentRepairs() {
  if (TPCM.LSWELL == 0) TPCM.LSWEL2 = 0;
  if (TPCM.TVFWD == 0.0f) TPCM.VGLDIR = 0.0f;
  if (TPCM.BVFWD == 0.0f) TPCM.BVGLDR = 0.0f;
  if (TPCM.AUXFRC == 0) {
    TPCM.AXFC2 = 0;
    TPCM.AXFC3 = 0;
  } else if (TPCM.AXFC2 == 0) {
    TPCM.AXFC3 = 0;
  }
  TPCM.SEMI_LIKE = columnStabilised(TPCM.VESTYP) ? 1 : 0;
  TPCM.IVERS_SUFX = 0;
}

bool anyNotPositive(std::initializer_list<float> values) {
  return std::any_of(values.begin(), values.end(), [](float v) { return v <= 0.0f; });
}
bool anyNegative(std::initializer_list<float> values) {
  return std::any_of(values.begin(), values.end(), [](float v) { return v < 0.0f; });
}
bool anyZero(std::initializer_list<float> values) {
  return std::any_of(values.begin(), values.end(), [](float v) { return v == 0.0f; });
}

// The metacentric heights above the centre of gravity: transverse and longitudinal, of each body.
float gmT() { return TPCM.TVKMT - TPCM.TVKG; }
float gmL() { return TPCM.TVKML - TPCM.TVKG; }
float bodyGmT() { return TPCM.BVKMT - TPCM.BVKG; }
float bodyGmL() { return TPCM.BVKML - TPCM.BVKG; }

constexpr ValuePlace kMetacentrePlaces[] = {{5, 2}, {5, 3}, {5, 5}};
// The first vessel's metacentric heights and centre of gravity behind a GM of 0 (or below 0).
std::vector<std::string> metacentreLines(bool (*raises)(float)) {
  const Tpcm& t = TPCM;
  std::vector<std::string> lines;
  if (raises(gmT())) lines.push_back(valueLine("Transverse metacentric height (KMT)", {5, 2}, t.TVKMT));
  if (raises(gmL())) lines.push_back(valueLine("Longitudinal metacentric height (KML)", {5, 3}, t.TVKML));
  if (!lines.empty()) lines.push_back(valueLine("Vertical center of gravity (VKG)", {5, 5}, t.TVKG));
  return lines;
}
bool zeroGm(float gm) { return gm == 0.0f; }
bool negativeGm(float gm) { return gm < 0.0f; }

bool forwardSpeedWithRaos() { return TPCM.TVFWD != 0.0f && TPCM.AUXVSH != 0; }

// The hull-member table of a column-stabilised hull, member by member (each member writes its own
// messages); then whether a member crosses the waterline.
void memberChecks(Checks& c) {
  std::int32_t IPIERC = 0;  // set when a member crosses the waterline (not the SALM's piercing element)
  for (std::int32_t I = 1; I <= kMaxHullMembers; ++I) {
    std::int32_t IWARN = 0, IFATAL = 0, IPROB = 0;
    CHKPAK(I, IWARN, IFATAL, IPROB, IPIERC);
    if (IFATAL != 0) c.count(true);
    if (IWARN != 0) c.count(false);
  }
  if (IPIERC == 0 && TPCM.AWP != 0.0f) c.warn({kNoPiercing});
}

void twoBodyVesselRows(Checks& c) {
  if (forwardSpeedWithRaos() || (TPCM.BVFWD != 0.0f && TPCM.BAXVSH != 0)) c.warn({kForwardSpeedWithRaos});
  if (anyZero({gmT(), bodyGmT(), gmL(), bodyGmL()})) c.warn({kGmZero}, kMetacentrePlaces, metacentreLines(zeroGm));
  if (anyNotPositive({TPCM.TYGYR, TPCM.RGYR, TPCM.PGYR, TPCM.BYGYR, TPCM.BRGYR, TPCM.BPGYR}))
    c.fatal({kGyradii}, kGyradiiPlaces);
  if (TPCM.SEMI_LIKE != 0 && TPCM.B_SEMI_LIKE != 0)
    c.fatal({" ++> Fatal Warning: Only *ONE* vessel can be type \"Semisubmersible\"."});
  if (TPCM.SEMI_LIKE != 0 || TPCM.B_SEMI_LIKE != 0) {
    memberChecks(c);
    if (TPCM.XSHDOW <= 0.0f || TPCM.YSHDOW <= 0.0f) c.warn({kShadowing});
  }
}

void singleVesselRows(Checks& c) {
  if (forwardSpeedWithRaos()) c.warn({kForwardSpeedWithRaos});
  if (TPCM.CREATR != kSimYobrix && anyZero({gmT(), gmL()})) c.warn({kGmZero}, kMetacentrePlaces, metacentreLines(zeroGm));
  if (anyNotPositive({TPCM.TYGYR, TPCM.RGYR, TPCM.PGYR})) c.fatal({kGyradii}, kGyradiiPlaces);
  if (TPCM.SEMI_LIKE != 0) {
    memberChecks(c);
    if (TPCM.CREATR >= kSimGandru && (TPCM.XSHDOW <= 0.0f || TPCM.YSHDOW <= 0.0f)) c.warn({kShadowing});
  }
}

// The wind and current areas of the vessel(s).
void windCurrentRows(Checks& c, bool twoBody) {
  if (twoBody) {
    if (TPCM.LWIND != 0 &&
        anyNotPositive({TPCM.TXWNDA, TPCM.TYWNDA, TPCM.TWNDCF, TPCM.BXWNDA, TPCM.BYWNDA, TPCM.BWNDCF}))
      c.warn({kWindArea}, kWindAreaPlaces);
    if (TPCM.LCURNT != 0 && anyNotPositive({TPCM.TXCURA, TPCM.TYCURA, TPCM.BXCURA, TPCM.BYCURA}))
      c.warn({kCurrentArea}, kCurrentAreaPlaces);
  } else if (TPCM.CREATR > kSimGandru) {
    if (TPCM.LWIND != 0 && anyNotPositive({TPCM.TXWNDA, TPCM.TYWNDA, TPCM.TWNDCF}))
      c.warn({kWindArea}, kWindAreaPlaces);
    if (TPCM.LCURNT != 0 && anyNotPositive({TPCM.TXCURA, TPCM.TYCURA})) c.warn({kCurrentArea}, kCurrentAreaPlaces);
  }
}

// The storm of the peak statistics, which every run with dynamics reads.
void stormDurationRow(Checks& c, bool twoBody) {
  if (!twoBody && TPCM.CREATR > kSimGandru && TPCM.DURATN <= 0.0f)
    c.warn({" ++> Warning: Nonpositive storm duration detected."}, kStormPlace);
}

// The sea states in use: NPARM, within the extent of their tables.
int seaStates() { return std::clamp(TPCM.NPARM, 0, kMaxSeaStates); }

bool irregularWavesBad() {
  const int n = seaStates();
  if (TPCM.LRANDM != 0) {
    for (int I = 1; I <= n; ++I) {
      if (TPCM.SWHT(I) <= 0.0f) return true;
      if (takesPeakPeriod(TPCM.WAVTYP) && TPCM.SIGPD(I) <= 0.0f) return true;
    }
  }
  if (TPCM.LSWELL != 0 && (TPCM.SWELHT <= 0.0f || TPCM.SWELPD <= 0.0f)) return true;
  if (TPCM.LSWEL2 != 0 && (TPCM.SWELHT2 <= 0.0f || TPCM.SWELPD2 <= 0.0f)) return true;
  return false;
}

// Whether a sea state of period T and significant height HS has a regular-wave equivalent within 20 %
// of the regular wave height, or of its slope. A sea state without a positive period and height, or
// water without depth, cannot be turned into a slope: the other checks report those. A wave number
// that cannot be found is a fatal warning naming the sea state.
bool matchesRegularWave(Checks& c, std::string_view seaState, float T, float HS, float g) {
  float H = kRegularOverSignificant * HS;
  if (TPCM.LSLPHT == 1) {
    if (!(T > 0.0f && H > 0.0f && TPCM.DEPTH > 0.0f)) return false;
    int IER = kRootFound;
    CNHTSP(H, T, TPCM.DEPTH, g, IER);
    if (IER != kRootFound) {
      c.fatal({" ++> Fatal Warning: " + std::string(seaState) + ": no wave number was found for its period;",
               "     check the period and the water depth."});
      return false;
    }
  }
  return std::fabs(H / TPCM.SLPHT - 1.0f) <= kHeightTolerance;
}

void waveHeightComparison(Checks& c) {
  if (!((TPCM.LRANDM == 1 && !userDefinedSpectrum(TPCM.WAVTYP)) || TPCM.LSWELL == 1)) return;
  const float g = TPCM.NUNTS == kMetricUnits ? kGravityMetric : kGravityEnglish;
  bool noMatch = true;
  if (TPCM.LRANDM != 0) {
    for (int I = 1; I <= seaStates(); ++I) {
      const float HS = TPCM.SWHT(I);
      const float T = peakPeriodFromHeight(TPCM.WAVTYP) ? kPeakPeriodFactor * std::sqrt(HS / g) : TPCM.SIGPD(I);
      if (matchesRegularWave(c, "Sea state " + fmtI(I, 0), T, HS, g)) noMatch = false;
    }
  }
  if (TPCM.LSWELL != 0 && matchesRegularWave(c, "Swell", TPCM.SWELPD, TPCM.SWELHT, g)) noMatch = false;
  if (noMatch)
    c.warn({" ++> Warning: discrepancy between regular and irregular wave heights.",
            "     To disable warning, use regular ht. = (irregular ht.)/sqrt(2)."});
}

void seaStateRows(Checks& c) {
  if (irregularWavesBad())
    c.fatal({" ++> Fatal Warning: Irregular wave specification problem. Check for:",
             "                  - A nonpositive significant wave height.",
             "                  - A nonpositive peak period."},
            kSeaStatePlaces);
  waveHeightComparison(c);
  if (TPCM.DEPTH <= 0.0f) c.fatal({" ++> Fatal Warning: The water depth is nonpositive."}, kDepthPlace);
}

std::string waterplaneLine() { return valueLine("Vessel water plane area", {5, 7}, TPCM.AWP); }
// Of two bodies, the one whose waterplane is not positive; the second body's no page of this editor
// shows.
std::vector<std::string> waterplaneLines() {
  const Tpcm& t = TPCM;
  std::vector<std::string> lines;
  if (t.AWP <= 0.0f && t.SEMI_LIKE == 0) lines.push_back(waterplaneLine());
  if (t.BAWP <= 0.0f && t.B_SEMI_LIKE == 0) {
    addFlowingLines(lines, "     ", "Second body's water plane area BAWP (word 2647 of the data set, which no page shows) is " +
                                       messageValue(t.BAWP) + ".");
  }
  return lines;
}

// `vessel`: the run analyses the vessel; otherwise only the draft is checked, and only where the
// statics read it (`draftRead`).
void hydrostaticRows(Checks& c, bool twoBody, bool vessel, bool draftRead) {
  const char* dimensions1 = " ++> Warning: A vessel beam, length, draft,";
  const char* dimensions2 = "     or displacement is nonpositive.";
  if (!vessel) {
    if (draftRead && TPCM.DRAFT >= TPCM.DEPTH) c.fatal({kDraftBelowBed}, kDraftPlace);
    return;
  }
  if (twoBody) {
    if (anyNegative({gmT(), bodyGmT(), gmL(), bodyGmL()})) c.warn({kGmNegative}, kMetacentrePlaces, metacentreLines(negativeGm));
    if (anyNotPositive({TPCM.DISPL, TPCM.DRAFT, TPCM.LWL, TPCM.BWL, TPCM.BDISPL, TPCM.BDRAFT, TPCM.BLWL, TPCM.BBWL}))
      c.warn({dimensions1, dimensions2}, kDimensionPlaces);
    if ((TPCM.AWP <= 0.0f && TPCM.SEMI_LIKE == 0) || (TPCM.BAWP <= 0.0f && TPCM.B_SEMI_LIKE == 0))
      c.fatal({kWaterplane}, kWaterplanePlace, waterplaneLines());
    if (TPCM.DRAFT >= TPCM.DEPTH || TPCM.BDRAFT >= TPCM.DEPTH) c.fatal({kDraftBelowBed}, kDraftPlace);
  } else {
    if (TPCM.CREATR != kSimYobrix && anyNegative({gmT(), gmL()})) c.warn({kGmNegative}, kMetacentrePlaces, metacentreLines(negativeGm));
    if (anyNotPositive({TPCM.DISPL, TPCM.DRAFT, TPCM.LWL, TPCM.BWL}))
      c.warn({dimensions1, dimensions2}, kDimensionPlaces);
    if (TPCM.AWP <= 0.0f && TPCM.SEMI_LIKE == 0) c.fatal({kWaterplane}, kWaterplanePlace, {waterplaneLine()});
    if (TPCM.DRAFT >= TPCM.DEPTH) c.fatal({kDraftBelowBed}, kDraftPlace);
  }
}

void speedRows(Checks& c, bool twoBody) {
  if (twoBody) {
    if (TPCM.TVFWD != TPCM.BVFWD) {
      c.warn({" ++> Warning: Unequal buoy/tug, tanker/barge speed values."});
    } else if (TPCM.TVFWD != 0.0f && TPCM.VGLDIR != TPCM.BVGLDR) {
      c.warn({" ++> Warning: Unequal buoy/tug, tanker/barge motion direction."});
    }
  }
  if (TPCM.CREATR == kSimGandru && (TPCM.VGLDIR != 0.0f || TPCM.BVGLDR != 0.0f))
    c.warn({" ++> Warning: Gandru rigorously supports only forward speed towards Golbal 0."});
}

// A negative factor of a drift model in use: the bow and vessel factors of the reflection models,
// the stern and enhancement factors of the 2001 tanker model. Zero passes.
struct DriftFactors {
  std::int32_t models;  // the packed model word
  float bow, vessel, stern, surge, sway, yaw;
};

bool driftFactorNegative(const DriftFactors& f) {
  const int unit = TPCM.EDUNIT;
  const bool tanker2001 = ONEON(f.models, kDriftTanker2001, unit);
  if ((ONEON(f.models, kDriftTankerLegacy, unit) || tanker2001) && anyNegative({f.bow, f.vessel})) return true;
  return tanker2001 && anyNegative({f.stern, f.surge, f.sway, f.yaw});
}

DriftFactors firstBodyDrift() {
  return {TPCM.LWVCOF, TPCM.BOWFAC, TPCM.VWDFAC, TPCM.STRNFC, TPCM.WVFCX, TPCM.WVFCY, TPCM.WVFCM};
}
DriftFactors secondBodyDrift() {
  return {TPCM.BWVCOF, TPCM.BBOWCF, TPCM.BVWDFC, TPCM.BSTRNC, TPCM.BWVFCX, TPCM.BWVFCY, TPCM.BWVFCM};
}

// The legacy peak models mixed with models of another generation.
bool legacyFlagsMixed() {
  int S = 0;
  if (TPCM.LEGPKF == 0 && TPCM.LEGDRG == 0) {
    S = TPCM.LCURNT == 1 && TPCM.LEGDFC != 0 ? 2 : 0;
  } else if (TPCM.LEGPKF == 1 && TPCM.LEGDRG == 1) {
    S = TPCM.LCURNT == 1 && TPCM.LEGDFC != 1 ? 2 : 1;
  }
  const int unit = TPCM.EDUNIT;
  const std::int32_t m = TPCM.LWVCOF;
  const bool newerModels = ONEON(m, kDriftSpar, unit) || ONEON(m, kDriftSemi2001, unit) ||
                           ONEON(m, kDriftTanker2001, unit);
  return S == 2 || (S != 1 && ONEON(m, kDriftTankerLegacy, unit)) || (S != 0 && newerModels);
}

void driftRows(Checks& c, bool twoBody, bool waves) {
  if (twoBody) {
    if (driftFactorNegative(firstBodyDrift()) || driftFactorNegative(secondBodyDrift()))
      c.fatal({kDriftFactor}, kDriftFactorPlaces);
  } else if (TPCM.CREATR > kSimGandru) {
    if (driftFactorNegative(firstBodyDrift())) c.fatal({kDriftFactor}, kDriftFactorPlaces);
  }
  const bool mooringModels = TPCM.CREATR >= kSimGandru && TPCM.CREATR != kSimKrebona;
  if (waves && mooringModels && legacyFlagsMixed())
    c.warn({" ++> Warning: Mixed \"legacy\" flags detected for tanker, wave-current,",
            "     wave dissipation and wave reflection peak load models;",
            "     this is not generally recommended..."});
  if (mooringModels && ONEON(TPCM.LWVCOF, kDriftSpar, TPCM.EDUNIT) && ONEON(TPCM.LWVCOF, kDriftSemi2001, TPCM.EDUNIT))
    c.fatal({" ++> Fatal Warning: Mixing \"spar\" and \"Semi (2001) wave force\" models",
             "                    is not permitted."});
}

void userDampingRows(Checks& c) {
  const auto bad = [](std::int32_t given, float value) { return given != 0 && value <= 0.0f; };
  if (bad(TPCM.LHVDMP, TPCM.HVDAMP) || bad(TPCM.LPTDMP, TPCM.PTDAMP) || bad(TPCM.LRLDMP, TPCM.RLDAMP))
    c.fatal({" ++> Fatal Warning: Nonpositive user-specified damping coefficient."}, kDampingPlaces);
  if (bad(TPCM.LHVPRD, TPCM.HEVPRD) || bad(TPCM.LPTPRD, TPCM.PITPRD) || bad(TPCM.LRLPRD, TPCM.ROLPRD))
    c.fatal({" ++> Fatal Warning: Nonpositive user-specified natural period."}, kPeriodPlaces);
}

// The hull whose drift models suit a vessel, as a bit of HullFamily; 0 for a vessel not tested. The
// hull is told as the hull models are chosen: the ship first, then any column-stabilised hull.
unsigned driftHull(std::int32_t vestyp, std::int32_t semiLike) {
  if (vestyp == kShipVessel) return hullBit(HullFamily::kShip);
  if (semiLike != 0) return hullBit(HullFamily::kColumnStabilised);
  if (vestyp == kDiscBuoy) return hullBit(HullFamily::kDisc);
  return 0;
}

bool driftModelMismatch(std::int32_t models, std::int32_t vestyp, std::int32_t semiLike) {
  const unsigned hull = driftHull(vestyp, semiLike);
  if (hull == 0) return false;
  for (int field = 1; field <= 3; ++field) {
    const DriftModelRow* model = driftModel(NIBVAL(models, field, TPCM.EDUNIT));
    if (model == nullptr || (model->hulls & hull) == 0) return true;
  }
  return false;
}

// User coefficient tables whose lateral force or yaw moment does not vanish at their first heading.
bool coefficientsDiscontinuous() {
  const int unit = TPCM.EDUNIT;
  const auto userTable = [unit](std::int32_t word, int field) {
    return NIBVAL(word, field, unit) == kModelLowdatTable;
  };
  return (userTable(TPCM.LWBARG, 2) && LOWCOF.UWNCY(1) != 0.0f) ||
         (userTable(TPCM.LWBARG, 3) && LOWCOF.UWNCZ(1) != 0.0f) ||
         (userTable(TPCM.LCBARG, 2) && LOWCOF.UCRCY(1) != 0.0f) ||
         (userTable(TPCM.LCBARG, 3) && LOWCOF.UCRCZ(1) != 0.0f);
}

void modelRows(Checks& c, bool twoBody) {
  if (TPCM.CREATR > kSimGandru) {
    const bool mismatch = driftModelMismatch(TPCM.LWVCOF, TPCM.VESTYP, TPCM.SEMI_LIKE) ||
                          (twoBody && driftModelMismatch(TPCM.BWVCOF, TPCM.BVSTYP, TPCM.B_SEMI_LIKE));
    if (mismatch) c.warn({" ++> Warning: Possible vessel type/wave drift force type mismatch."});
  }
  if (coefficientsDiscontinuous())
    c.warn({" ++> Warning: Discontinuous user-specified wind/current coefficients about",
            "              zero degrees can be very problematic. Be sure you have a",
            "              second coefficient near zero (e.g., at 0.1 degree) to",
            "              properly simulate your discontinuity using a LOWDAT file.",
            "",
            "              That said, discontinuous coefficients are best represented",
            "              using a user-supplied *text* file (e.g., WINDCOFS.txt)."});
}

// The first period that is not positive, or not spaced from the one before as the first two are
// (within 0.001 s); 0 when every one is sound.
int firstBadPeriod() {
  const int n = std::clamp(TPCM.NWP, 0, kMaxPeriods);
  if (n >= 1 && TPCM.T(1) <= 0.0f) return 1;
  if (n < 2) return 0;
  const float d0 = std::fabs(TPCM.T(2) - TPCM.T(1));
  for (int I = 2; I <= n; ++I) {
    if (std::fabs(std::fabs(TPCM.T(I) - TPCM.T(I - 1)) - d0) > kSpacingTolerance || TPCM.T(I) <= 0.0f) return I;
  }
  return 0;
}
bool periodsBad() { return firstBadPeriod() != 0; }

// The period count or the first bad period, with the steps that make it so.
std::vector<std::string> periodLines() {
  const Tpcm& t = TPCM;
  if (t.NWP <= 1) return {"     Number of different periods (page 14, item 1) is " + std::to_string(t.NWP) + "."};
  const int I = firstBadPeriod();
  if (I == 0) return {};
  const std::string line = "     Regular wave period " + std::to_string(I) + " (page 14, item 2) is " + messageValue(t.T(I));
  if (t.T(I) > 0.0f && I >= 2) {
    // Steps that differ by a thousandth of a second are told apart.
    const auto step = [](float d) {
      const std::string field = fmtF(d, 16, 4);
      return field.substr(field.find_first_not_of(' '));
    };
    std::vector<std::string> lines{line + ";"};
    addFlowingLines(lines, "     ", "the step from period " + std::to_string(I - 1) + " is " +
                                       step(std::fabs(t.T(I) - t.T(I - 1))) + " s, the first step " +
                                       step(std::fabs(t.T(2) - t.T(1))) + " s.");
    return lines;
  }
  return {line + "."};
}

void closingRows(Checks& c, bool twoBody, bool vessel) {
  const bool asymmetric = TPCM.LWL != TPCM.BWL || TPCM.TVKMT != TPCM.TVKML;
  if (vessel) {
    // The forward-speed warning once more: such a data set has it written and counted twice.
    if (forwardSpeedWithRaos()) c.warn({kForwardSpeedWithRaos});
    if (TPCM.VESTYP == kDiscBuoy && asymmetric) c.fatal({kAsymmetry1, kAsymmetry2});
  }
  if (TPCM.LSWELL == 1 && TPCM.LSWLOK == 1 && TPCM.LRANDM == 0)
    c.fatal({" ++> Fatal Warning: Swell direction locked to irregular waves ",
             "     but no irregular waves are specified."});
  if (vessel && twoBody) {
    if (TPCM.BVSTYP == kDiscBuoy && (TPCM.BLWL != TPCM.BBWL || TPCM.BVKMT != TPCM.BVKML))
      c.fatal({kAsymmetry1, kAsymmetry2});
    if (TPCM.VESTYP == kDiscBuoy && asymmetric) c.fatal({kAsymmetry1, kAsymmetry2});
  }
  const bool randomOrSwell = TPCM.LRANDM != 0 || TPCM.LSWELL != 0;
  if (TPCM.NWP <= 1 || (periodsBad() && randomOrSwell))
    c.fatal({" ++> Fatal Warning: Wave period array problem. Check for:",
             "                  - Unequal RAO period intervals.",
             "                  - A nonpositive wave period.",
             "                  - A period array of only one value.",
             "",
             "     Either deselect random wave option, or go back to the",
             "     RAO period table and correct the problem."},
            kWavePeriodPlace, periodLines());
}

}  // namespace

namespace {
template <class Lines>
void reportCheckLines(std::int32_t& NWARN, std::int32_t& NFATAL, bool fatal, const Lines& lines) {
  const int unit = TPCM.EDUNIT;
  writeRecord(unit, "");
  for (std::string_view line : lines) writeRecord(unit, line);
  WRNINC(fatal ? NFATAL : NWARN, NWARN, NFATAL, unit, kKeyboardUnit, kWarningsPerScreen);
}
}  // namespace

void reportCheck(std::int32_t& NWARN, std::int32_t& NFATAL, bool fatal, std::initializer_list<std::string_view> lines) {
  reportCheckLines(NWARN, NFATAL, fatal, lines);
}

void reportCheck(std::int32_t& NWARN, std::int32_t& NFATAL, bool fatal, std::span<const std::string> lines) {
  reportCheckLines(NWARN, NFATAL, fatal, lines);
}

void VESWRN(std::int32_t& NWARN, std::int32_t& NFATAL, const CheckPlaces& places) {
  if (TPCM.LCOPY == 0) CLEAR(TPCM.EDUNIT);
  silentRepairs();
  Checks c{NWARN, NFATAL, places};
  const bool twoBody = isTwoBodyType(TPCM.CREATR);
  const bool waves = TPCM.LRANDM == 1 || TPCM.LSWELL == 1;
  // The rows on the vessel (its hull, stability, speed, wind and current areas, drift and load
  // models, damping) only where the run analyses it: a free SALM has no vessel, and the statics
  // alone read of it only the draft of a buoyant riser's keel. The sea-state, depth, storm and
  // period rows serve the SALM's own dynamics and apply to every data set.
  const bool vessel = vesselAnalysed(TPCM.FRESLM, TPCM.LQUAS);
  const bool draftRead = attachedBuoyantRiser(TPCM.FRESLM, TPCM.IARCO);

  if (vessel) {
    if (twoBody) {
      twoBodyVesselRows(c);
    } else {
      singleVesselRows(c);
    }
    windCurrentRows(c, twoBody);
  }
  stormDurationRow(c, twoBody);
  seaStateRows(c);
  hydrostaticRows(c, twoBody, vessel, draftRead);
  if (vessel) {
    speedRows(c, twoBody);
    driftRows(c, twoBody, waves);
    userDampingRows(c);
    modelRows(c, twoBody);
  }
  closingRows(c, twoBody, vessel);
}

}  // namespace qv
