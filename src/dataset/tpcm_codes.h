// The sizes of the data set's tables and the codes of its coded members, with the small predicates
// the pages and the analysis ask of them. The block itself (tpcm.h) declares its tables with these
// sizes.
#pragma once

#include <cstdint>

#include "numlib/circle_constants.h"

namespace qv {

// ---- table sizes ----
inline constexpr int kMaxSalmElements = 40;    // SALM elements: NELEM at most, and every element table
inline constexpr int kMaxTablePoints = 90;     // points of the static load-offset tables: NTAB at most
inline constexpr int kMaxPeriods = 100;        // wave periods of the grid: NWP at most
inline constexpr int kMaxMomentElements = 10;  // elements with moment and load output: NMOMT at most

// ---- CMPUTR: the platform code of the machine that wrote an image ----
inline constexpr std::int32_t kPlatformIntel = 5;  // this program's code; from 5 up the little-endian class
// Below 5: the big-endian class ("Macintosh PPC"), whose text fields the load converts.
constexpr bool isBigEndianPlatform(std::int32_t code) { return code < kPlatformIntel; }

// ---- NUNTS: the system of units ----
inline constexpr std::int32_t kEnglishUnits = 0;  // feet, kips, inches, lbs/ft^3
inline constexpr std::int32_t kMetricUnits = 1;   // metres, metric tons, millimetres, kgw/m^3

// ---- WNDTYP: the spectrum of the wind's gusts ----
enum WindSpectrum : std::int32_t {
  kDavenportWind = 1,
  kLegacyPointWind = 2,    // the one density WNDDEN at every frequency
  kSteadyWind = 3,         // no gusts
  kApiWind = 4,            // with the parameter APIPRM
  kNpdWind = 5,            // evaluated at the height WSPEC_HGT
  kUserWindSpectrum = 6,   // read from "WINDSPEC.txt"
};
inline constexpr std::int32_t kLastWindSpectrum = kUserWindSpectrum;

// ---- CURTYP: the spectrum of the current's fluctuations ----
enum CurrentSpectrum : std::int32_t {
  kSteadyCurrent = 0,
  kLegacyPointCurrent = 1,   // the one density CURDEN at every frequency
  kUserCurrentSpectrum = 2,  // read from "CRNTSPEC.txt"
  kBandLimitedCurrent = 3,   // CURDEN up to 0.1257 rad/s, nothing above
};
inline constexpr std::int32_t kLastCurrentSpectrum = kBandLimitedCurrent;

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
// surface.
constexpr bool wholeSystemSubmerged(std::int32_t wetyok) { return wetyok > 4; }
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
// The column-stabilised hulls, which the semi-submersible model describes (SEMI_LIKE).
constexpr bool columnStabilised(std::int32_t vestyp) {
  return vestyp == kSemiSubmersible || vestyp == kTensionLegPlatform || vestyp == kCaissonSpar;
}

}  // namespace qv
