// The sizes of the data set's tables and the codes of its coded members, with the small predicates
// the pages and the analysis ask of them. The block itself (tpcm.h) declares its tables with these
// sizes.
//
// A code family whose codes are listed somewhere (a menu, a caption, a report title, a range check)
// has one table here, a row per code in code order, and every such list reads it: adding a code is
// its row and the code that computes it. Each table's rows are checked at compile time to run
// through consecutive codes, since the menus number them by position.
#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string_view>

#include "numlib/circle_constants.h"

namespace qv {

// ---- table sizes ----
inline constexpr int kMaxSalmElements = 40;    // SALM elements: NELEM at most, and every element table
inline constexpr int kMaxTablePoints = 90;     // points of the static load-offset tables: NTAB at most
inline constexpr int kMaxPeriods = 100;        // wave periods of the grid: NWP at most
inline constexpr int kMaxMomentElements = 10;  // elements with moment and load output: NMOMT at most
// Points of a user spectrum file ("WAVSPEC.txt", "WINDSPEC.txt", "CRNTSPEC.txt") at most.
inline constexpr int kMaxUserSpectrumPoints = 1000;

// Whether the rows of a code table hold the codes first, first + 1, ... in order.
template <typename Row, std::size_t N>
constexpr bool consecutiveCodes(const Row (&rows)[N], std::int32_t first) {
  for (std::size_t k = 0; k < N; ++k)
    if (rows[k].code != first + static_cast<std::int32_t>(k)) return false;
  return true;
}

// Whether every name of a code table fits the field that shows it.
template <typename Row, std::size_t N>
constexpr bool namesWithin(const Row (&rows)[N], std::size_t width) {
  for (const Row& row : rows)
    if (row.name.size() > width) return false;
  return true;
}

// The row of a code, or nullptr for a code the table does not hold.
template <typename Row, std::size_t N>
constexpr const Row* rowOf(const Row (&rows)[N], std::int32_t code) {
  for (const Row& row : rows)
    if (row.code == code) return &row;
  return nullptr;
}

// ---- CMPUTR: the platform code of the machine that wrote an image ----
inline constexpr std::int32_t kPlatformIntel = 5;  // this program's code; from 5 up the little-endian class
// Below 5: the big-endian class ("Macintosh PPC"), whose text fields the load converts.
constexpr bool isBigEndianPlatform(std::int32_t code) { return code < kPlatformIntel; }

// ---- NUNTS: the system of units ----
inline constexpr std::int32_t kEnglishUnits = 0;  // feet, kips, inches, lbs/ft^3
inline constexpr std::int32_t kMetricUnits = 1;   // metres, metric tons, millimetres, kgw/m^3
// The vessel's forward speed TVFWD is stored per second in the data set's length unit and shown in
// knots on page 6, by these factors.
inline constexpr float kFeetPerSecondPerKnot = 1.687f;
inline constexpr float kMetresPerSecondPerKnot = 0.514f;

// ---- WAVTYP, SWLTYP, SWLTYP2: the spectrum of a wave system ----
// Any code outside the table is computed as the Pierson-Moskowitz shape with the given peak period.
enum WaveSpectrum : std::int32_t {
  kSpectrumDefaultSwell = 0,      // Gaussian in frequency about the grid point nearest TP
  kSpectrumPiersonMoskowitz = 1,  // peak period from Hs: TP = 15.66 sqrt(Hs / g)
  kSpectrumMeanJonswap = 2,       // gamma 3.3
  kSpectrumSharpJonswap = 3,      // gamma 4.2
  kSpectrumVerySharpJonswap = 4,  // gamma 7.0
  kSpectrumGeneralJonswap = 5,    // the wave system's own widths and gamma
  kSpectrumBretschneider = 6,     // Pierson-Moskowitz shape scaled to Hs and Tp
  kSpectrumUserFile = 7,          // table of the file "WAVSPEC.txt"
  kSpectrumUserOrdinates = 8,     // one ordinate per grid period, TPCM USRPSD
  kSpectrumOchiHubble = 9,        // sum of the data set's Ochi-Hubble components
  kSpectrumTma = 10,              // general JONSWAP in finite depth, variance kept
};

// Where a spectrum's peak period comes from.
enum class PeakPeriod : std::uint8_t {
  kGiven,          // the sea state's period (SIGPD, SWELPD)
  kFromHeight,     // the Pierson-Moskowitz relation to the significant height
  kFromOrdinates,  // the user's ordinates, which give the height too
};
// The shape parameters a spectrum takes besides height and period.
enum class ShapeParameters : std::uint8_t {
  kNone,
  kBandwidth,   // the relative width WAVWID (SWLWID, SWLWID2)
  kJonswap,     // gamma and the two peak widths of the wave system
  kComponents,  // the wind sea's Ochi-Hubble components (height, period and lambda each)
};

struct WaveSpectrumRow {
  WaveSpectrum code;
  std::string_view name;             // as the pages list it and the low-frequency report names it (WAVPRT)
  std::string_view title;            // as the wave environment report titles it
  std::string_view statisticsTitle;  // as the irregular-wave statistics report titles it
  PeakPeriod period;
  ShapeParameters shape;
};

inline constexpr WaveSpectrumRow kWaveSpectra[] = {
    {kSpectrumDefaultSwell, " Kestrin swell spectrum", "Kestrin Default Swell", "KESTRIN DEFAULT SWELL",
     PeakPeriod::kGiven, ShapeParameters::kBandwidth},
    {kSpectrumPiersonMoskowitz, " Pierson-Moskowitz", "Standard Pierson-Moskowitz", "STANDARD PIERSON-MOSKOWITZ",
     PeakPeriod::kFromHeight, ShapeParameters::kNone},
    {kSpectrumMeanJonswap, " Mean JONSWAP", "Mean JONSWAP", "MEAN JONSWAP", PeakPeriod::kGiven,
     ShapeParameters::kNone},
    {kSpectrumSharpJonswap, " Sharp JONSWAP", "Sharp JONSWAP", "SHARP JONSWAP", PeakPeriod::kGiven,
     ShapeParameters::kNone},
    {kSpectrumVerySharpJonswap, " Squat JONSWAP", "Squat JONSWAP", "VERY SHARP JONSWAP", PeakPeriod::kGiven,
     ShapeParameters::kNone},
    {kSpectrumGeneralJonswap, " General JONSWAP", "General JONSWAP", "GENERAL JONSWAP", PeakPeriod::kGiven,
     ShapeParameters::kJonswap},
    {kSpectrumBretschneider, " Bretschneider", "Bretschneider", "BRETSCHNEIDER", PeakPeriod::kGiven,
     ShapeParameters::kNone},
    {kSpectrumUserFile, " WAVSPEC.txt input file", "WAVSPEC.txt input file", "USER-DEFINED",
     PeakPeriod::kFromOrdinates, ShapeParameters::kNone},
    {kSpectrumUserOrdinates, " Legacy custom spectrum", "Legacy User Spectrum", "USER-DEFINED",
     PeakPeriod::kFromOrdinates, ShapeParameters::kNone},
    {kSpectrumOchiHubble, " Ochi-Hubble", "Ochi-Hubble", "OCHI_HUBBLE", PeakPeriod::kGiven,
     ShapeParameters::kComponents},
    {kSpectrumTma, " TMA Shallow Water", "TMA Shallow Water", "TMA SHALLOW WATER", PeakPeriod::kGiven,
     ShapeParameters::kJonswap},
};
static_assert(consecutiveCodes(kWaveSpectra, 0), "the wave spectrum list numbers its rows: code + 1");
static_assert(namesWithin(kWaveSpectra, 30), "a name fills at most the 30 characters of WAVPRT");
inline constexpr std::int32_t kWaveSpectrumCount = static_cast<std::int32_t>(std::size(kWaveSpectra));
inline constexpr std::int32_t kLastWaveSpectrum = kWaveSpectrumCount - 1;

constexpr const WaveSpectrumRow* waveSpectrum(std::int32_t code) { return rowOf(kWaveSpectra, code); }
// A code outside the table takes no shape parameters and reads the given peak period, as the
// Pierson-Moskowitz shape that computes it.
constexpr ShapeParameters shapeParametersOf(std::int32_t code) {
  return waveSpectrum(code) != nullptr ? waveSpectrum(code)->shape : ShapeParameters::kNone;
}
constexpr PeakPeriod peakPeriodOf(std::int32_t code) {
  return waveSpectrum(code) != nullptr ? waveSpectrum(code)->period : PeakPeriod::kGiven;
}
constexpr bool hasJonswapShape(std::int32_t code) { return shapeParametersOf(code) == ShapeParameters::kJonswap; }
constexpr bool hasBandwidth(std::int32_t code) { return shapeParametersOf(code) == ShapeParameters::kBandwidth; }
constexpr bool hasComponents(std::int32_t code) { return shapeParametersOf(code) == ShapeParameters::kComponents; }
// The user's spectra: their ordinates give the height and the peak period.
constexpr bool userDefinedSpectrum(std::int32_t code) { return peakPeriodOf(code) == PeakPeriod::kFromOrdinates; }
constexpr bool peakPeriodFromHeight(std::int32_t code) { return peakPeriodOf(code) == PeakPeriod::kFromHeight; }
constexpr bool takesPeakPeriod(std::int32_t code) { return peakPeriodOf(code) == PeakPeriod::kGiven; }
// A swell may take any type but one made of the wind sea's components.
constexpr bool swellSpectrum(std::int32_t code) { return waveSpectrum(code) != nullptr && !hasComponents(code); }

// ---- WNDTYP: the spectrum of the wind's gusts ----
enum WindSpectrum : std::int32_t {
  kDavenportWind = 1,
  kLegacyPointWind = 2,    // the one density WNDDEN at every frequency
  kSteadyWind = 3,         // no gusts
  kApiWind = 4,            // with the parameter APIPRM
  kNpdWind = 5,            // evaluated at the height WSPEC_HGT
  kUserWindSpectrum = 6,   // read from "WINDSPEC.txt"
};

struct WindSpectrumRow {
  WindSpectrum code;
  std::string_view name;  // as the wind page and the low-frequency report show it (WNDPRT)
};
inline constexpr WindSpectrumRow kWindSpectra[] = {
    {kDavenportWind, " Davenport"}, {kLegacyPointWind, " Legacy point spectrum"}, {kSteadyWind, " Steady wind"},
    {kApiWind, " A.P.I."},          {kNpdWind, " N.P.D."},  {kUserWindSpectrum, " WINDSPEC.txt input file"},
};
static_assert(consecutiveCodes(kWindSpectra, kDavenportWind), "the wind type list numbers its rows by code");
static_assert(namesWithin(kWindSpectra, 30), "a name fills at most the 30 characters of WNDPRT");
inline constexpr std::int32_t kLastWindSpectrum =
    kDavenportWind + static_cast<std::int32_t>(std::size(kWindSpectra)) - 1;
constexpr const WindSpectrumRow* windSpectrum(std::int32_t code) { return rowOf(kWindSpectra, code); }

// ---- CURTYP: the spectrum of the current's fluctuations ----
enum CurrentSpectrum : std::int32_t {
  kSteadyCurrent = 0,
  kLegacyPointCurrent = 1,   // the one density CURDEN at every frequency
  kUserCurrentSpectrum = 2,  // read from "CRNTSPEC.txt"
  kBandLimitedCurrent = 3,   // CURDEN up to 0.1257 rad/s, nothing above
};

struct CurrentSpectrumRow {
  CurrentSpectrum code;
  std::string_view name;  // as the current page and the low-frequency report show it (CURPRT)
};
inline constexpr CurrentSpectrumRow kCurrentSpectra[] = {
    {kSteadyCurrent, " Steady current"},
    {kLegacyPointCurrent, " Legacy point spectrum"},
    {kUserCurrentSpectrum, " CRNTSPEC.txt input file"},
    {kBandLimitedCurrent, " Band-limited white spectrum"},
};
static_assert(consecutiveCodes(kCurrentSpectra, kSteadyCurrent), "the current type list numbers its rows: code + 1");
static_assert(namesWithin(kCurrentSpectra, 30), "a name fills at most the 30 characters of CURPRT");
inline constexpr std::int32_t kCurrentSpectrumCount = static_cast<std::int32_t>(std::size(kCurrentSpectra));
inline constexpr std::int32_t kLastCurrentSpectrum = kSteadyCurrent + kCurrentSpectrumCount - 1;
constexpr const CurrentSpectrumRow* currentSpectrum(std::int32_t code) { return rowOf(kCurrentSpectra, code); }

// ---- LEASTP and SRCDAT: the session mode ----
inline constexpr std::int32_t kModeEditor = 2;      // an interactive editing session (this editor's mode word)
inline constexpr std::int32_t kModeUnattended = 3;  // an unattended run: messages to "Diagnostics.stxt", no questions

// ---- IUNIT: where the analysis reports go ----
inline constexpr std::int32_t kReportsToFiles = 1;  // each report to its own file; EDUNIT: the console

// ---- CRDSYS: the axes of the auxiliary force components ----
inline constexpr std::int32_t kVesselAxes = 1;  // any other value: the global (earth-fixed) axes

// ---- IARCO: how the SALM is attached to the vessel ----
enum AttachmentKind : std::int32_t {
  kFreeSalm = -1,  // no vessel: the SALM stands free
  kYoke = 0,
  kRigidHawser = 1,
  kBuoyantRiser = 2,
  kPendularMass = 3,
  kSpreadMoor = 4,
};
inline constexpr std::int32_t kLastAttachment = kSpreadMoor;
inline constexpr std::int32_t kAttachmentOptionOffset = 2;  // the menu numbers the kinds from 1: IARCO + 2

// The attachment's name as page 3 shows it; a value outside the known types reads as a free SALM.
constexpr const char* attachmentName(std::int32_t iarco) {
  switch (iarco) {
    case kYoke:
      return "Yoke";
    case kRigidHawser:
      return "Rigid hawser";
    case kBuoyantRiser:
      return "Buoyant riser";
    case kPendularMass:
      return "Pendular mass";
    case kSpreadMoor:
      return "Spread moor";
    default:
      return "Free Salm";
  }
}

// ---- FRESLM and LQUAS: whether the run analyses the vessel ----
// Only an attached SALM (FRESLM 0) with the vessel pages on (LQUAS not 0) has the vessel's response,
// its slow drift and the motions that drive the SALM computed. A free SALM has no vessel, and with
// LQUAS 0 the run computes the statics alone, which read of the vessel only the draft of a buoyant
// riser's keel.
constexpr bool vesselAnalysed(std::int32_t freslm, std::int32_t lquas) { return freslm == 0 && lquas != 0; }

// ---- FRESLM and IARCO: an attached buoyant riser ----
// A buoyant riser (IARCO 2) is one only on an attached SALM (FRESLM 0), where its top is held at the
// vessel's keel: a free SALM has no vessel, whatever attachment the data set keeps. One predicate
// for every stage that treats the riser apart: the run's checks of its reach (dataset/run_checks),
// the vessel warnings that read its keel (dataset/veswrn), the statics' table (statics/stsalm), the
// slow drift and its report (slowdrift/slomor, slowdrift/lowprt), its reach and loads at wave
// frequency (dynamics/riser_reach, dynamics/printed_loads).
constexpr bool attachedBuoyantRiser(std::int32_t freslm, std::int32_t iarco) {
  return freslm == 0 && iarco == kBuoyantRiser;
}

// Only a yoke and a pendular mass hold the vessel at two points, PNDARM apart.
constexpr bool hasAttachmentSeparation(std::int32_t iarco) { return iarco == kYoke || iarco == kPendularMass; }

// ---- YOKVES: the angle between the yoke and the vessel ----
// The stages after the statics turn the yoke away from the SALM's plane by TANGLE - SLMANG + YOKVES.
// At an aligned equilibrium the SALM leans opposite the vessel's heading (SLMANG = TANGLE + pi), so
// pi puts the yoke in line with the SALM and the vessel, where the statics place it; 0 would fold it
// back over the buoy. Radians, as the stages take its sine and cosine.
inline constexpr float kInLineYokeAngle = kPi;

// ---- WETYOK: what of the buoy top and the yoke is taken as under water ----
// Options 0 to 6, shown to the user as options 2 to 8: 0 nothing; 1 the whole system for the
// dynamics only, without the dynamic waterplane correction; 2 to 4 parts of it for the dynamics only
// (0, 3 and 4 keep the buoy top dry, 3 and 4 wet the yoke); 5 and 6 the whole system for the
// dynamics and the statics.
inline constexpr std::int32_t kSubmergenceNone = 0;
inline constexpr std::int32_t kLastSubmergence = 6;
inline constexpr std::int32_t kSubmergenceOptionOffset = 2;  // option number shown = WETYOK + 2

// Options 7 and 8: the whole system is under water for the statics too, so no element pierces the
// surface. A value beyond the options (a finding of its own) is none of them.
constexpr bool wholeSystemSubmerged(std::int32_t wetyok) { return wetyok > 4 && wetyok <= kLastSubmergence; }
// The options under which the statics and the dynamic waterplane correction rely on an element that
// spans the water surface (WETYOK 0, 2 and 3; any value below 0 or at 7 and above from a file counts
// as below 4).
constexpr bool surfacePiercingExpected(std::int32_t wetyok) { return wetyok != 1 && wetyok < 4; }

// ---- VESTYP: the hull model of the vessel ----
enum VesselType : std::int32_t {
  kShipVessel = 1,  // ship, barge or tanker
  kJackUp = 2,
  kSemiSubmersible = 3,
  kDiscBuoy = 4,
  kTensionLegPlatform = 5,
  kCaissonSpar = 6,
};
// The hull model a vessel type calls on.
enum class HullFamily : std::uint8_t {
  kShip,
  kJackUp,             // inoperative: a run that reaches it stops
  kColumnStabilised,   // the semi-submersible model (SEMI_LIKE)
  kDisc,
};

struct VesselTypeRow {
  VesselType code;
  std::string_view name;      // page 5's item, in its field of 26
  std::string_view menuName;  // the vessel-type menu's line after its number
  HullFamily family;
};
inline constexpr VesselTypeRow kVesselTypes[] = {
    {kShipVessel, " Ship/barge/tanker", "Displacement hull (ship/barge/tanker)", HullFamily::kShip},
    {kJackUp, " Floating Jack-up ", "Floating Jack-up", HullFamily::kJackUp},
    {kSemiSubmersible, " Semisubmersible", "Semisubmersible", HullFamily::kColumnStabilised},
    {kDiscBuoy, " Disc-shaped vessel", "Disc-shaped vessel (CALM buoy, arctic drillship)", HullFamily::kDisc},
    {kTensionLegPlatform, " Tension Leg Platform", "Tension Leg Platform", HullFamily::kColumnStabilised},
    {kCaissonSpar, " Caisson Spar", "Caisson Spar", HullFamily::kColumnStabilised},
};
static_assert(consecutiveCodes(kVesselTypes, kShipVessel), "the vessel-type menu numbers its rows by code");
static_assert(namesWithin(kVesselTypes, 26), "a name fills at most the 26 characters of page 5's item");
inline constexpr std::int32_t kLastVesselType = kShipVessel + static_cast<std::int32_t>(std::size(kVesselTypes)) - 1;
constexpr const VesselTypeRow* vesselType(std::int32_t code) { return rowOf(kVesselTypes, code); }

// The column-stabilised hulls, which the semi-submersible model describes (SEMI_LIKE).
constexpr bool columnStabilised(std::int32_t vestyp) {
  return vesselType(vestyp) != nullptr && vesselType(vestyp)->family == HullFamily::kColumnStabilised;
}
// The types whose hull model computes a response (the jack-up's is inoperative).
constexpr bool workingHullModel(std::int32_t vestyp) {
  return vesselType(vestyp) != nullptr && vesselType(vestyp)->family != HullFamily::kJackUp;
}

}  // namespace qv
