#include "dataset/value_ranges.h"

#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

#include "dataset/tpcm.h"
#include "dataset/tpcm_codes.h"
#include "util/fortran_format.h"

namespace qv {

namespace {

// ---- Which stages read what ----
//
// The stages of a run follow from the data set (the runner's stage table): the statics always; the
// vessel response, the current profile, the slow drift and its report for an attached SALM with the
// low-frequency dynamics on; the wave-frequency dynamics when asked for. A value is checked only
// where a stage of this data set reads it.

bool always() { return true; }
bool attached() { return TPCM.FRESLM == 0; }
bool vesselStages() { return attached() && TPCM.LQUAS != 0; }
bool dynamics() { return TPCM.LDYN != 0 && (!attached() || TPCM.LQUAS != 0); }
bool attachedDynamics() { return vesselStages() && TPCM.LDYN != 0; }
bool waveStages() { return vesselStages() || dynamics(); }
bool randomSea() { return waveStages() && TPCM.LRANDM != 0; }
bool seaPeriods() {
  const std::int32_t w = TPCM.WAVTYP;  // Pierson-Moskowitz and the user's spectra take no peak period
  return randomSea() && w != 1 && w != 7 && w != 8;
}
bool spreading() { return randomSea() && TPCM.LSPRED != 0; }
bool swell() { return waveStages() && TPCM.LSWELL != 0; }
bool secondSwell() { return swell() && TPCM.LSWEL2 != 0; }
bool wind() { return vesselStages() && TPCM.LWIND != 0; }
bool current() { return vesselStages() && TPCM.LCURNT != 0; }
bool currentTable() { return current() && TPCM.LCSTCR == 2; }
bool tableLoads() { return TPCM.NELEM > 1 && attached(); }
bool auxiliaryTable() { return TPCM.AUXTBL != 0; }
bool bilgeKeel() { return vesselStages() && TPCM.LKEEL != 0; }
bool externalForce() { return vesselStages() && TPCM.AUXFRC != 0; }
bool heaveDamping() { return vesselStages() && TPCM.LHVDMP != 0; }
bool pitchDamping() { return vesselStages() && TPCM.LPTDMP != 0; }
bool rollDamping() { return vesselStages() && TPCM.LRLDMP != 0; }
bool heavePeriod() { return vesselStages() && TPCM.LHVPRD != 0; }
bool pitchPeriod() { return vesselStages() && TPCM.LPTPRD != 0; }
bool rollPeriod() { return vesselStages() && TPCM.LRLPRD != 0; }
bool surgeDamping() { return vesselStages() && TPCM.LSGLFD != 0; }
bool swayDamping() { return vesselStages() && TPCM.LSWLFD != 0; }
bool yawDamping() { return vesselStages() && TPCM.LYWLFD != 0; }

// ---- Counts of the arrays in use ----

int one() { return 1; }
int elements() { return TPCM.NELEM >= 0 && TPCM.NELEM <= kMaxSalmElements ? TPCM.NELEM : 0; }
int tablePoints() {
  const std::int32_t n = TPCM.NUMTAB == 0 ? 2 : TPCM.NUMTAB;
  return n >= 2 && n <= kMaxTablePoints ? n : 0;
}
int seaStates() { return TPCM.NPARM >= 1 && TPCM.NPARM <= 6 ? TPCM.NPARM : 0; }
int seaHeadings() { return TPCM.NSEAHG >= 1 && TPCM.NSEAHG <= 37 ? TPCM.NSEAHG : 0; }
int waveHeadings() { return TPCM.NDIR >= 1 && TPCM.NDIR <= 12 ? TPCM.NDIR : 0; }
int profileRows() { return TPCM.NCURNT >= 1 && TPCM.NCURNT <= 5 ? TPCM.NCURNT : 0; }
int vesselPoints() { return TPCM.NACC >= 1 && TPCM.NACC <= 149 ? TPCM.NACC : 0; }

// ---- The rules ----

enum class Need {
  kNumber,       // a finite number
  kPositive,     // above 0
  kNotNegative,  // 0 or above
};

std::string_view needText(Need need) {
  switch (need) {
    case Need::kNumber: return "a finite number";
    case Need::kPositive: return "a value above 0";
    case Need::kNotNegative: return "a value of 0 or more";
  }
  return "";
}

bool meets(float value, Need need) {
  if (!std::isfinite(value)) return false;
  switch (need) {
    case Need::kNumber: return true;
    case Need::kPositive: return value > 0.0f;
    case Need::kNotNegative: return value >= 0.0f;
  }
  return false;
}

// Where a value is edited: page and item; `element` for the rows of the SALM element page, and a
// sub-page's own item after the item that opens it. Page 0: no page of this editor shows the word.
struct Where {
  int page = 0;
  int item = 0;
  int subItem = 0;  // the item on the page that `item` opens (the attachment specifics of page 3)
  int word = 0;     // the word of the data set, for a value that no page shows
};

// One float value, or an array of them, with its rule.
struct FloatValue {
  std::string_view label;      // the page's words for it
  Where where;
  Need need;
  bool (*read)();              // whether this data set's stages read it
  float (*value)(int k);       // element k (1 for a single value)
  int (*count)();              // elements in use
  bool element = false;        // one value per SALM element (page 3's element page)
};

constexpr FloatValue kFloatValues[] = {
    // Page 1, site.
    {"Site water depth", {1, 4}, Need::kPositive, always, [](int) { return TPCM.DEPTH; }, one},
    {"Water density", {1, 5}, Need::kPositive, always, [](int) { return TPCM.DWATR; }, one},
    // Page 2, SALM information.
    {"Maximum horizontal load on Salm", {2, 2}, Need::kPositive, tableLoads, [](int) { return TPCM.TLOAD; }, one},
    {"Offset increment for static offset table", {2, 3}, Need::kNotNegative, always,
     [](int) { return TPCM.OFFINC; }, one},
    {"Water plane area of water-piercing element", {2, 5}, Need::kNotNegative, always,
     [](int) { return TPCM.WPAPRC; }, one},
    {"Default added mass coefficient", {2, 7}, Need::kNotNegative, always, [](int) { return TPCM.COFMAS; }, one},
    {"Default square-law drag coefficient", {2, 8}, Need::kNotNegative, always, [](int) { return TPCM.COFDMP; },
     one},
    // Page 3, SALM elements.
    {"Element length", {3, 2}, Need::kPositive, always, [](int k) { return TPCM.SLEN(k); }, elements, true},
    {"Total volume", {3, 3}, Need::kNotNegative, always, [](int k) { return TPCM.BUOY(k); }, elements, true},
    {"Centroid of volume", {3, 4}, Need::kNumber, always, [](int k) { return TPCM.CBUOY(k); }, elements, true},
    {"Total dry weight of element", {3, 5}, Need::kNotNegative, always, [](int k) { return TPCM.TMASS(k); },
     elements, true},
    {"Center of gravity", {3, 6}, Need::kNumber, always, [](int k) { return TPCM.CGSALM(k); }, elements, true},
    {"Gyradius of element", {3, 8}, Need::kNotNegative, always, [](int k) { return TPCM.GYRAD(k); }, elements, true},
    {"Added mass coefficient of element", {3, 9}, Need::kNotNegative, always, [](int k) { return TPCM.COFMST(k); },
     elements, true},
    {"Effective drag coefficient of element", {3, 10}, Need::kNotNegative, always,
     [](int k) { return TPCM.COFDMT(k); }, elements, true},
    {"Yoke to waterline height at vessel", {3, 14, 1}, Need::kNumber, always, [](int) { return TPCM.YOKEHT; }, one},
    {"X-Coordinate of Salm attachment", {3, 14, 2}, Need::kNumber, always, [](int) { return TPCM.XSALM; }, one},
    {"Separation of attachment points", {3, 14, 3}, Need::kNumber, always, [](int) { return TPCM.PNDARM; }, one},
    {"Auxiliary static offset table load", {3, 11}, Need::kNumber, auxiliaryTable,
     [](int k) { return TPCM.AUXFOR(k); }, tablePoints},
    {"Equilibrium yaw angle", {3, 13}, Need::kNumber, vesselStages, [](int) { return TPCM.EQLYAW; }, one},
    {"Yaw increment to use in yaw table", {3, 14}, Need::kNumber, vesselStages, [](int) { return TPCM.YAWINC; }, one},
    {"Version of the program that stored the data set VERNO", {0, 0, 0, 217}, Need::kNumber, always,
     [](int) { return TPCM.VERNO; }, one},
    {"Base inclination ANCHOR", {0, 0, 0, 2373}, Need::kNumber, always, [](int) { return TPCM.ANCHOR; }, one},
    {"Yoke angle offset YOKVES", {0, 0, 0, 2376}, Need::kNumber, always, [](int) { return TPCM.YOKVES; }, one},
    // Page 4, low-frequency dynamics.
    {"Surge damping (percent of critical)", {4, 3}, Need::kPositive, surgeDamping,
     [](int) { return TPCM.SGLFDP; }, one},
    {"Sway damping (percent of critical)", {4, 5}, Need::kPositive, swayDamping, [](int) { return TPCM.SWLFDP; }, one},
    {"Yaw damping (percent of critical)", {4, 7}, Need::kPositive, yawDamping, [](int) { return TPCM.YWLFDP; }, one},
    // Page 5, vessel hydrostatics.
    {"Vessel displacement", {5, 1}, Need::kPositive, vesselStages, [](int) { return TPCM.DISPL; }, one},
    {"Transverse metacentric height (KMT)", {5, 2}, Need::kPositive, vesselStages, [](int) { return TPCM.TVKMT; },
     one},
    {"Longitudinal metacentric height (KML)", {5, 3}, Need::kPositive, vesselStages,
     [](int) { return TPCM.TVKML; }, one},
    {"Vertical center of buoyancy (VKB)", {5, 4}, Need::kNumber, vesselStages, [](int) { return TPCM.TVKB; }, one},
    {"Vertical center of gravity (VKG)", {5, 5}, Need::kNumber, vesselStages, [](int) { return TPCM.TVKG; }, one},
    {"LCG-to-Midships distance", {5, 6}, Need::kNumber, vesselStages, [](int) { return TPCM.CG_to_Midship; }, one},
    {"Vessel water plane area", {5, 7}, Need::kNotNegative, vesselStages, [](int) { return TPCM.AWP; }, one},
    {"Length of vessel at waterline", {5, 8}, Need::kPositive, vesselStages, [](int) { return TPCM.LWL; }, one},
    {"Beam of vessel at waterline", {5, 9}, Need::kPositive, vesselStages, [](int) { return TPCM.BWL; }, one},
    {"Mean vessel draft", {5, 10}, Need::kPositive, vesselStages, [](int) { return TPCM.DRAFT; }, one},
    // Page 6, vessel inertia and motion.
    {"Pitch Gyradius", {6, 1}, Need::kPositive, vesselStages, [](int) { return TPCM.PGYR; }, one},
    {"Roll Gyradius", {6, 2}, Need::kPositive, vesselStages, [](int) { return TPCM.RGYR; }, one},
    {"Yaw Gyradius", {6, 3}, Need::kPositive, vesselStages, [](int) { return TPCM.TYGYR; }, one},
    {"Bilge radius at maximum beam station", {6, 4}, Need::kNotNegative, vesselStages,
     [](int) { return TPCM.BILGR; }, one},
    {"Bilge keel length", {6, 6}, Need::kNotNegative, bilgeKeel, [](int) { return TPCM.TKEEL; }, one},
    {"Bilge keel width", {6, 7}, Need::kNotNegative, bilgeKeel, [](int) { return TPCM.RKEEL; }, one},
    {"Inboard keel-to-vessel centerline distance", {6, 8}, Need::kNumber, bilgeKeel, [](int) { return TPCM.DKEEL; },
     one},
    {"Vessel speed", {6, 9}, Need::kNumber, vesselStages, [](int) { return TPCM.TVFWD; }, one},
    {"Global direction of vessel motion", {6, 10}, Need::kNumber, vesselStages, [](int) { return TPCM.VGLDIR; }, one},
    {"Trim angle", {6, 11}, Need::kNumber, vesselStages, [](int) { return TPCM.TRIMDG; }, one},
    {"Heel angle", {6, 12}, Need::kNumber, vesselStages, [](int) { return TPCM.HEELDG; }, one},
    // Page 7, damping and periods given by the user.
    {"Heave damping (percent of critical)", {7, 2}, Need::kPositive, heaveDamping, [](int) { return TPCM.HVDAMP; },
     one},
    {"Pitch damping (percent of critical)", {7, 4}, Need::kPositive, pitchDamping, [](int) { return TPCM.PTDAMP; },
     one},
    {"Roll damping (percent of critical)", {7, 6}, Need::kPositive, rollDamping, [](int) { return TPCM.RLDAMP; }, one},
    {"Heave period", {7, 8}, Need::kPositive, heavePeriod, [](int) { return TPCM.HEVPRD; }, one},
    {"Pitch period", {7, 10}, Need::kPositive, pitchPeriod, [](int) { return TPCM.PITPRD; }, one},
    {"Roll period", {7, 12}, Need::kPositive, rollPeriod, [](int) { return TPCM.ROLPRD; }, one},
    // Page 8, vessel low-frequency loads.
    {"Freeboard-Based Load", {8, 7}, Need::kNotNegative, vesselStages, [](int) { return TPCM.LOADED; }, one},
    {"Wind Bow Interpolation Factor", {8, 8}, Need::kNumber, vesselStages, [](int) { return TPCM.BOWWND; }, one},
    {"Draft-Based Load", {8, 17}, Need::kNotNegative, vesselStages, [](int) { return TPCM.DFTPCT; }, one},
    {"Current Bow Interpolation Factor", {8, 18}, Need::kNumber, vesselStages, [](int) { return TPCM.BOWCUR; }, one},
    {"Head-on shadowing & geometry factor", {8, 27}, Need::kNumber, vesselStages, [](int) { return TPCM.XSHDOW; },
     one},
    {"Beam-on shadowing & geometry factor", {8, 28}, Need::kNumber, vesselStages, [](int) { return TPCM.YSHDOW; },
     one},
    {"Vessel Deadweight", {8, 31}, Need::kNotNegative, vesselStages, [](int) { return TPCM.DWTONS; }, one},
    // Page 9, external force.
    {"X force component", {9, 2}, Need::kNumber, externalForce, [](int) { return TPCM.XVFRC; }, one},
    {"Y force component", {9, 3}, Need::kNumber, externalForce, [](int) { return TPCM.YVFRC; }, one},
    {"Applied moment (force couple) value", {9, 4}, Need::kNumber, externalForce, [](int) { return TPCM.VESMOM; },
     one},
    {"Applied force X-coordinate", {9, 6}, Need::kNumber, externalForce, [](int) { return TPCM.XVLOC; }, one},
    {"Applied force Y-coordinate", {9, 7}, Need::kNumber, externalForce, [](int) { return TPCM.YVLOC; }, one},
    // Page 10, areas and enhancement factors.
    {"Wind head-on effective drag area", {10, 2}, Need::kNotNegative, vesselStages, [](int) { return TPCM.TXWNDA; },
     one},
    {"Wind head-on drag area centroid (y)", {10, 3}, Need::kNumber, vesselStages, [](int) { return TPCM.XWARM; }, one},
    {"Wind head-on drag area centroid (z)", {10, 4}, Need::kNumber, vesselStages, [](int) { return TPCM.ZXWARM; },
     one},
    {"Wind beam-on effective drag area", {10, 5}, Need::kNotNegative, vesselStages, [](int) { return TPCM.TYWNDA; },
     one},
    {"Wind beam-on drag area centroid (x)", {10, 6}, Need::kNumber, vesselStages, [](int) { return TPCM.YWARM; }, one},
    {"Wind beam-on drag area centroid (z)", {10, 7}, Need::kNumber, vesselStages, [](int) { return TPCM.ZYWARM; },
     one},
    {"Wind force enhancement factor", {10, 8}, Need::kNotNegative, vesselStages, [](int) { return TPCM.TWNDCF; }, one},
    {"Current head-on effective drag area", {10, 12}, Need::kNotNegative, vesselStages,
     [](int) { return TPCM.TXCURA; }, one},
    {"Current head-on drag area centroid (y)", {10, 13}, Need::kNumber, vesselStages, [](int) { return TPCM.XCARM; },
     one},
    {"Current head-on drag area centroid (z)", {10, 14}, Need::kNumber, vesselStages,
     [](int) { return TPCM.ZXCARM; }, one},
    {"Current beam-on effective drag area", {10, 15}, Need::kNotNegative, vesselStages,
     [](int) { return TPCM.TYCURA; }, one},
    {"Current beam-on drag area centroid (x)", {10, 16}, Need::kNumber, vesselStages, [](int) { return TPCM.YCARM; },
     one},
    {"Current beam-on drag area centroid (z)", {10, 17}, Need::kNumber, vesselStages,
     [](int) { return TPCM.ZYCARM; }, one},
    {"Current force enhancement factor", {10, 18}, Need::kNotNegative, vesselStages, [](int) { return TPCM.CURFAC; },
     one},
    {"Bow shape factor", {10, 21}, Need::kNotNegative, vesselStages, [](int) { return TPCM.BOWFAC; }, one},
    {"Stern shape factor", {10, 22}, Need::kNotNegative, vesselStages, [](int) { return TPCM.STRNFC; }, one},
    {"Wave reflection HEAD-ON enhancement factor", {10, 23}, Need::kNotNegative, vesselStages,
     [](int) { return TPCM.WVFCX; }, one},
    {"Wave reflection BEAM-ON enhancement factor", {10, 24}, Need::kNotNegative, vesselStages,
     [](int) { return TPCM.WVFCY; }, one},
    {"Wave reflection MOMENT enhancement factor", {10, 25}, Need::kNotNegative, vesselStages,
     [](int) { return TPCM.WVFCM; }, one},
    {"Variable wave reflection enhancement factor", {10, 26}, Need::kNotNegative, vesselStages,
     [](int) { return TPCM.VWDFAC; }, one},
    {"Wave absorption HEAD-ON enhancement factor", {10, 31}, Need::kNotNegative, vesselStages,
     [](int) { return TPCM.WVDGCX; }, one},
    {"Wave absorption BEAM-ON enhancement factor", {10, 32}, Need::kNotNegative, vesselStages,
     [](int) { return TPCM.WVDGCY; }, one},
    {"Wave absorption MOMENT enhancement factor", {10, 33}, Need::kNotNegative, vesselStages,
     [](int) { return TPCM.WVDGCM; }, one},
    {"Variable wave absorption enhancement factor", {10, 34}, Need::kNotNegative, vesselStages,
     [](int) { return TPCM.VWDRGFC; }, one},
    // Page 11, wind.
    {"Wind speed", {11, 1}, Need::kNotNegative, wind, [](int) { return TPCM.WNDSPD; }, one},
    {"Wind heading", {11, 2}, Need::kNumber, wind, [](int) { return TPCM.WNDHDG; }, one},
    {"Wind speed spectral density", {11, 3}, Need::kNumber, wind, [](int) { return TPCM.WNDDEN; }, one},
    {"A.P.I. wind spectrum parameter", {11, 3}, Need::kNumber, wind, [](int) { return TPCM.APIPRM; }, one},
    {"N.P.D. Spectral Evaluation Height", {11, 3}, Need::kNumber, wind, [](int) { return TPCM.WSPEC_HGT; }, one},
    // Page 12, current.
    {"Current speed", {12, 1}, Need::kNotNegative, current, [](int) { return TPCM.CURSPD; }, one},
    {"Current heading", {12, 2}, Need::kNumber, current, [](int) { return TPCM.CURHDG; }, one},
    {"Current profile depth", {12, 5}, Need::kNumber, currentTable, [](int k) { return TPCM.DPTHI(k); },
     profileRows},
    {"Current profile speed", {12, 5}, Need::kNumber, currentTable, [](int k) { return TPCM.VELI(k); }, profileRows},
    {"Current speed spectral density", {12, 6}, Need::kNumber, current, [](int) { return TPCM.CURDEN; }, one},
    {"Fractional RMS current variation", {12, 7}, Need::kNumber, current, [](int) { return TPCM.RMS_CRNT; }, one},
    // Page 14, regular waves.
    {"Wave height or slope", {14, 4}, Need::kNotNegative, waveStages, [](int) { return TPCM.SLPHT; }, one},
    {"Wave heading", {14, 6}, Need::kNumber, waveStages, [](int k) { return TPCM.WAVHDG(k); }, waveHeadings},
    // Page 15, irregular waves.
    {"Wave heading", {15, 4}, Need::kNumber, randomSea, [](int k) { return TPCM.SEAHDG(k); }, seaHeadings},
    {"Significant height", {15, 6}, Need::kPositive, randomSea, [](int k) { return TPCM.SWHT(k); }, seaStates},
    {"Spectrum peak period", {15, 7}, Need::kPositive, seaPeriods, [](int k) { return TPCM.SIGPD(k); }, seaStates},
    {"Spectral bandwidth parameter", {15, 8}, Need::kNotNegative, randomSea, [](int) { return TPCM.WAVWID; }, one},
    {"JONSWAP \"Gamma\" Parameter", {15, 8}, Need::kNotNegative, randomSea, [](int) { return TPCM.JONGAM; }, one},
    {"JONSWAP \"Sigma a\" Shape Parameter", {15, 9}, Need::kNotNegative, randomSea, [](int) { return TPCM.JONPL; },
     one},
    {"JONSWAP \"Sigma b\" Shape Parameter", {15, 10}, Need::kNotNegative, randomSea, [](int) { return TPCM.JONPG; },
     one},
    {"Wave spreading index", {15, 21}, Need::kNotNegative, spreading, [](int) { return TPCM.COSEXP; }, one},
    {"Sector size containing wave energy", {15, 22}, Need::kPositive, spreading, [](int) { return TPCM.ANGSEC; },
     one},
    // Page 16, swell.
    {"Swell heading", {16, 4}, Need::kNumber, swell, [](int) { return TPCM.SWLHDG; }, one},
    {"Swell significant height", {16, 6}, Need::kPositive, swell, [](int) { return TPCM.SWELHT; }, one},
    {"Swell peak period", {16, 7}, Need::kPositive, swell, [](int) { return TPCM.SWELPD; }, one},
    {"Swell spectral bandwidth parameter", {16, 8}, Need::kNotNegative, swell, [](int) { return TPCM.SWLWID; }, one},
    {"Swell JONSWAP \"Gamma\" Parameter", {16, 8}, Need::kNotNegative, swell, [](int) { return TPCM.JONGAM_SWL; },
     one},
    {"Swell JONSWAP \"Sigma a\" Shape Parameter", {16, 9}, Need::kNotNegative, swell,
     [](int) { return TPCM.JONPL_SWL; }, one},
    {"Swell JONSWAP \"Sigma b\" Shape Parameter", {16, 10}, Need::kNotNegative, swell,
     [](int) { return TPCM.JONPG_SWL; }, one},
    {"Second swell heading", {16, 24}, Need::kNumber, secondSwell, [](int) { return TPCM.SWLHDG2; }, one},
    {"Second swell significant height", {16, 26}, Need::kPositive, secondSwell, [](int) { return TPCM.SWELHT2; },
     one},
    {"Second swell peak period", {16, 27}, Need::kPositive, secondSwell, [](int) { return TPCM.SWELPD2; }, one},
    {"Second swell spectral bandwidth parameter", {16, 28}, Need::kNotNegative, secondSwell,
     [](int) { return TPCM.SWLWID2; }, one},
    // Page 17, output options.
    {"Storm duration", {17, 51}, Need::kNumber, dynamics, [](int) { return TPCM.DURATN; }, one},
    // Words that no page of this editor shows: kept from the defaults or from another program.
    {"Surge current factor XCURNTDN", {0, 0, 0, 1652}, Need::kNumber, vesselStages,
     [](int) { return TPCM.XCURNTDN; }, one},
    {"Surge current factor XCURNTUP", {0, 0, 0, 1653}, Need::kNumber, vesselStages,
     [](int) { return TPCM.XCURNTUP; }, one},
    {"Sway current factor YCURNTDN", {0, 0, 0, 1654}, Need::kNumber, vesselStages,
     [](int) { return TPCM.YCURNTDN; }, one},
    {"Sway current factor YCURNTUP", {0, 0, 0, 1655}, Need::kNumber, vesselStages,
     [](int) { return TPCM.YCURNTUP; }, one},
    {"Vessel point coordinate RACC", {0, 0, 0, 905}, Need::kNumber, vesselStages,
     [](int k) { return TPCM.RACC((k - 1) % 3 + 1, (k - 1) / 3 + 1); }, [] { return 3 * vesselPoints(); }},
};

// One integer count or code with its tabled range.
struct IntValue {
  std::string_view label;
  Where where;
  std::int32_t low, high;
  bool (*read)();
  std::int32_t (*value)();
};

constexpr IntValue kIntValues[] = {
    {"Unit system NUNTS (0 English, 1 metric)", {1, 3}, 0, 1, always, [] { return TPCM.NUNTS; }},
    {"Number of Salm elements", {2, 1}, 0, kMaxSalmElements, always, [] { return TPCM.NELEM; }},
    {"Number of points in interpolation table", {2, 4}, 0, kMaxTablePoints, always, [] { return TPCM.NUMTAB; }},
    {"Number of points in interpolation table (0 stands for 2)", {2, 4}, 2, kMaxTablePoints, always,
     [] { return TPCM.NUMTAB == 0 ? 2 : TPCM.NUMTAB; }},
    {"Vessel configuration ISPM", {0, 0, 0, 118}, 0, 8, vesselStages, [] { return TPCM.ISPM; }},
    {"Number of vessel points NACC", {0, 0, 0, 754}, 0, 149, vesselStages, [] { return TPCM.NACC; }},
    {"Number of sea components", {15, 6}, 1, 6, randomSea, [] { return TPCM.NPARM; }},
    {"Number of sea headings", {15, 4}, 0, 37, randomSea, [] { return TPCM.NSEAHG; }},
    {"Number of angular wedges", {15, 23}, 0, 36, randomSea, [] { return TPCM.NA; }},
    {"Number of points in current profile", {12, 4}, 1, 5, currentTable, [] { return TPCM.NCURNT; }},
};

std::string whereText(const Where& w, int element) {
  if (w.page == 0) return "word " + std::to_string(w.word) + " of the data set, which no page shows";
  std::string text = "page " + std::to_string(w.page);
  if (element > 0) text += ", element " + std::to_string(element);
  text += ", item " + std::to_string(w.item);
  if (w.subItem > 0) text += " then " + std::to_string(w.subItem);
  return text;
}

void addFinding(std::vector<RunFinding>& findings, const std::string& what, const std::string& value,
                std::string_view need) {
  findings.push_back(RunFinding{true, {" ++> Fatal Warning: " + what + " is " + value + ";",
                                       "     the analysis needs " + std::string(need) + "."}});
}

}  // namespace

void valueRangeFindings(std::vector<RunFinding>& findings) {
  for (const FloatValue& v : kFloatValues) {
    if (!v.read()) continue;
    const int n = v.count();
    for (int k = 1; k <= n; ++k) {
      const float x = v.value(k);
      if (meets(x, v.need)) continue;
      const std::string label = n > 1 && !v.element ? std::string(v.label) + " " + std::to_string(k) : std::string(v.label);
      addFinding(findings, label + " (" + whereText(v.where, v.element ? k : 0) + ")", messageValue(x), needText(v.need));
    }
  }
  // The auxiliary offset table is interpolated in its loads: they must rise from point to point.
  if (auxiliaryTable()) {
    const int n = tablePoints();
    for (int k = 2; k <= n; ++k) {
      if (!(TPCM.AUXFOR(k) > TPCM.AUXFOR(k - 1))) {
        addFinding(findings, "Auxiliary static offset table load " + std::to_string(k) + " (page 3, item 11)",
                   messageValue(TPCM.AUXFOR(k)),
                   "loads that rise from point to point (point " + std::to_string(k - 1) + ": " +
                       messageValue(TPCM.AUXFOR(k - 1)) + ")");
        break;
      }
    }
  }
  // A draft reaching the sea bed leaves no water under the keel.
  if (vesselStages() && std::isfinite(TPCM.DRAFT) && std::isfinite(TPCM.DEPTH) && TPCM.DRAFT > 0.0f &&
      TPCM.DRAFT >= TPCM.DEPTH) {
    addFinding(findings, "Mean vessel draft (page 5, item 10)", messageValue(TPCM.DRAFT),
               "a draft less than the water depth (" + messageValue(TPCM.DEPTH) + ", page 1, item 4)");
  }
  // The attached column's dynamics read the yoke's motions from the file YOKEMOT, which the vessel
  // passes write only for the tanker on the yoke (ISPM 1); for it the run takes the yoke's hinge as
  // the first vessel point, with its displacements.
  if (attachedDynamics() && TPCM.ISPM != 1) {
    addFinding(findings, "Vessel configuration ISPM (word 118 of the data set, which no page shows)",
               std::to_string(TPCM.ISPM), "1 for the wave-frequency dynamics (the yoke's motions in YOKEMOT)");
  }
  const IntValue* previous = nullptr;
  for (const IntValue& v : kIntValues) {
    if (!v.read()) continue;
    const std::int32_t x = v.value();
    if (x >= v.low && x <= v.high) continue;
    // One finding for one word, even where two rules look at it.
    if (previous != nullptr && previous->where.page == v.where.page && previous->where.item == v.where.item &&
        previous->where.word == v.where.word)
      continue;
    previous = &v;
    addFinding(findings, std::string(v.label) + " (" + whereText(v.where, 0) + ")", std::to_string(x),
               "a value from " + std::to_string(v.low) + " to " + std::to_string(v.high));
  }
}

}  // namespace qv
