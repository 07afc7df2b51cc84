// LOWPRT: the opening, sections III (vessel and environment) and IV (equilibria), and the order of
// the sections with the page and pause protocol. Section V is in lowprt_modes.cpp, section VI and
// the member statistics in lowprt_members.cpp.
#include "slowdrift/lowprt.h"

#include <cmath>
#include <string>
#include <string_view>
#include <vector>

#include "dataset/force_model.h"
#include "dataset/run_checks.h"
#include "dataset/spectrum_captions.h"
#include "dataset/tpcm_codes.h"
#include "dataset/tpcm.h"
#include "hull/equilb.h"
#include "lowfreq/sines.h"
#include "numlib/angles.h"
#include "numlib/circle_constants.h"
#include "numlib/interpolation.h"
#include "numlib/load_offset_table.h"
#include "platform/units.h"
#include "slowdrift/lowprt_parts.h"
#include "slowdrift/pekcom.h"
#include "statics/data_lines.h"
#include "statics/solve.h"
#include "statics/stprt.h"
#include "util/captions.h"
#include "util/console_io.h"
#include "util/dialogue.h"
#include "util/fatal.h"
#include "util/files.h"
#include "util/flowing_lines.h"
#include "util/fortran_format.h"
#include "util/packed_flags.h"
#include "waves/sea_state.h"
#include "waves/wavcom.h"

namespace qv {

namespace {

constexpr std::string_view kReportFile = "LOWOUT.stxt";
constexpr std::string_view kCaller = "VANTREL";  // the stage's name in file-error messages
constexpr std::int32_t kReportUnit = 1;

std::string unitLabel(std::int32_t code) {
  Text<16> label;
  UNITP(label, code);
  return label.str();
}

std::string densityLabel() { return unitLabel(unitCode(11, TPCM.NUNTS)); }
std::string speedLabel() { return unitLabel(13); }
std::string spectralDensityLabel() { return TPCM.NUNTS == kEnglishUnits ? " (ft/s)^2/[rad/s]" : " (m/s)^2/[rad/s]"; }

// A model title of the report's tables, 29 characters: blank for a code without a row.
std::string modelTitle(ForceLoad load, int code) {
  if (code < 1 || code > modelCount(load)) return std::string(kModelNameWidth, ' ');
  return modelName(load, code).str();
}

// A data line of section III: 13 blanks, the label, the value and its unit.
void dataLine(std::string_view label, const std::string& value, std::string_view unit = {}) {
  writeRecord(TPCM.IUNIT, fmtX(13) + std::string(label) + value + std::string(unit));
}

void titleLine(std::string_view label, ForceLoad load, int code) { dataLine(label, " " + modelTitle(load, code)); }

std::string bowShapeWord(float shape, std::string_view conventional, std::string_view cylindrical) {
  if (shape == 0.0f) return std::string(conventional);
  if (shape == 1.0f) return std::string(cylindrical);
  if (shape > 1.0f) return "Whoops!";
  return "Interpolated";
}

// The flags that choose the titles of section III, from the model words as TNKRID classifies them.
struct ModelClasses {
  int tankerWind = 0;       // a wind component uses the OCIMF tanker model
  int bowCurrent = 0;       // 1 a current component uses the OCIMF tanker model, 2 the NSMB set
  int windCentroid = 0;     // a wind model needs the centroids of the drag areas
  int currentCentroid = 0;  // a current model needs them
};

ModelClasses classifyModels(const LowReportRun& run) {
  const Tpcm& t = TPCM;
  // TNKRID normalises the words it is given; the data set keeps its own.
  std::int32_t wind = t.LWBARG;
  std::int32_t current = t.LCBARG;
  std::int32_t drift = t.LWVCOF;
  int windClass = 0, currentClass = 0, driftClass = 0;
  ModelClasses c;
  TNKRID(wind, run.windFlag, windClass, current, run.currentFlag, currentClass, drift, run.driftFlag, driftClass,
         c.bowCurrent, c.tankerWind, c.windCentroid, c.currentCentroid, t.EDUNIT);
  return c;
}

void writeVesselLines() {
  const Tpcm& t = TPCM;
  const std::string length = lengthLabel();
  dataLine("Water depth ........................ ", fmtF(t.DEPTH, 10, 2), length);
  dataLine("Water density ...................... ", fmtF(t.DWATR, 10, 2), densityLabel());
  dataLine("Air density ........................ ", fmtF(WAVCOM.RHOAIR * WAVCOM.G, 10, 5), densityLabel());
  dataLine("Vessel displacement ................ ", fmtF(t.DISPL, 10, 2), forceLabel());
  dataLine("Transverse metacentric height ...... ", fmtF(t.VKMT, 10, 2), length);
  dataLine("Longitudinal metacentric height .... ", fmtF(t.VKML, 10, 2), length);
  dataLine("Vertical center of buoyancy ........ ", fmtF(t.VKB, 10, 2), length);
  dataLine("Vertical center of gravity ......... ", fmtF(t.VKG, 10, 2), length);
  dataLine("Vessel water plane area ............ ", fmtF(t.AWP, 10, 2) + " square", length.substr(0, 10));
  dataLine("Salm attachment coordinate ......... ", fmtF(t.XSALM, 10, 2), length);
  dataLine("Length of vessel at waterline ...... ", fmtF(t.LWL, 10, 2), length);
  dataLine("Beam of vessel at waterline ........ ", fmtF(t.BWL, 10, 2), length);
  dataLine("Vessel draft ....................... ", fmtF(t.TDRAFT, 10, 2), length);
}

void writeWindModel(const LowReportRun& run, const ModelClasses& classes) {
  const Tpcm& t = TPCM;
  const std::int32_t u = t.IUNIT;
  if (run.windFlag == 1) {
    titleLine("Wind force model ................... ", ForceLoad::kWind, NIBVAL(t.LWBARG, 1, t.EDUNIT));
  } else {
    writeRecord(u, "");
    titleLine("Head-on Wind Coefficients (Cx) ..... ", ForceLoad::kWind, NIBVAL(t.LWBARG, 1, t.EDUNIT));
    titleLine("Beam-on Wind Coefficients (Cy) ..... ", ForceLoad::kWind, NIBVAL(t.LWBARG, 2, t.EDUNIT));
    titleLine("Wind Moment Coefficients  (Cz) ..... ", ForceLoad::kWind, NIBVAL(t.LWBARG, 3, t.EDUNIT));
  }
  const std::string bow = bowShapeWord(t.BOWWND, "Conventional", "Cylindrical");
  if (classes.tankerWind != 1) return;
  dataLine("Above-Water Bow Shape .............. ", " " + bow);
  dataLine("Freeboard-Based Load ............... ", fmtF(t.LOADED, 10, 2), " Percent");
  if (bow == "Interpolated") dataLine("Bow Interpolation Factor .......... ", fmtF(t.BOWWND, 10, 2));
}

// The current models, each with its water depth/draft parameter; the result says whether one of
// them lies outside the range of its model.
bool writeCurrentModel(const LowReportRun& run, const ModelClasses& classes) {
  const Tpcm& t = TPCM;
  const std::int32_t u = t.IUNIT;
  bool outside = false;
  // The NSMB set reads its coefficients at the draft-based depth ratio and needs at least 1.1; the
  // OCIMF tanker set needs a depth of at least 1.05 drafts.
  auto component = [&](std::string_view label, int code, bool nsmb) {
    float P = SINES.HOVERD;
    if (nsmb) {
      titleLine(label, ForceLoad::kCurrent, kCurrentNsmbTanker);
      P = t.DFTPCT * 0.01f * SINES.HOVERD;
      if (P < 1.1f) outside = true;
    } else {
      titleLine(label, ForceLoad::kCurrent, code);
      if (code == kCurrentOcimfTanker && P < 1.05f) outside = true;
    }
    dataLine("Water depth/draft parameter ........ ", fmtF(P, 6, 2));
  };
  const int first = NIBVAL(t.LCBARG, 1, t.EDUNIT);
  const bool firstIsNsmb = first == kCurrentNsmbTanker || first == kCurrentNsmbMeanCurve;
  writeRecord(u, "");
  if (run.currentFlag == 1) {
    component("Current force model ................ ", first, firstIsNsmb);
  } else {
    component("Head-on Current Coefficients (Cx) .. ", first, firstIsNsmb);
    const int second = NIBVAL(t.LCBARG, 2, t.EDUNIT);
    component("Beam-on Current Coefficients (Cy) .. ", second, second == kCurrentNsmbTanker);
    const int third = NIBVAL(t.LCBARG, 3, t.EDUNIT);
    component("Current Moment Coefficients  (Cz) .. ", third, third == kCurrentNsmbTanker);
  }
  if (first == kCurrentNsmbMeanCurve && t.DFTPCT != 100.0f) {
    writeRecord(u, "");
    writeRecord(u, fmtX(13) + ">>> NSMB \"Mean\" 40% load curves utilized for Cx <<<");
  }
  const std::string bow = bowShapeWord(t.BOWCUR, "Conventional (w/bulb)", "Cylindrical (no bulb)");
  if (classes.bowCurrent != 0) {
    dataLine("Below-Water Bow Shape .............. ", " " + bow);
    dataLine("Draft-Based Load ................... ", fmtF(t.DFTPCT, 10, 2), " Percent");
    if (bow == "Interpolated") dataLine("Bow Interpolation Factor ............ ", fmtF(t.BOWCUR, 10, 2));
  }
  return outside;
}

// The depth/draft warning: on the console with the abort question, then in the report. An "A" leaves
// -1 in LBACK, which writes section III again when the report goes to a file.
void warnDepthOutsideRange() {
  Tpcm& t = TPCM;
  auto warn = [](std::int32_t unit) {
    writeRecord(unit, "");
    writeRecord(unit, " ++> Warning: A water depth/draft parameter lies outside valid range");
    writeRecord(unit, "");
  };
  warn(t.EDUNIT);
  ABORT0(t.EDUNIT, kKeyboardUnit, t.LBACK);
  warn(t.IUNIT);
}

void writeDriftModel(const LowReportRun& run) {
  const Tpcm& t = TPCM;
  writeRecord(t.IUNIT, "");
  if (run.driftFlag == 1) {
    titleLine("Wave force model ................... ", ForceLoad::kDrift, NIBVAL(t.LWVCOF, 1, t.EDUNIT));
    return;
  }
  titleLine("Head-on Wave Coefficients (Cx) ..... ", ForceLoad::kDrift, NIBVAL(t.LWVCOF, 1, t.EDUNIT));
  titleLine("Beam-on Wave Coefficients (Cy) ..... ", ForceLoad::kDrift, NIBVAL(t.LWVCOF, 2, t.EDUNIT));
  titleLine("Wave Moment Coefficients  (Cz) ..... ", ForceLoad::kDrift, NIBVAL(t.LWVCOF, 3, t.EDUNIT));
}

void writeDampingChoices() {
  const Tpcm& t = TPCM;
  LINES(t.IUNIT, 1);
  struct Mode {
    std::string_view word;
    std::int32_t user;
    float percent;
  };
  const Mode modes[] = {{"Surge", t.LSGLFD, t.SGLFDP}, {"Sway ", t.LSWLFD, t.SWLFDP}, {"Yaw  ", t.LYWLFD, t.YWLFDP}};
  for (const Mode& m : modes) {
    const std::string lead = fmtX(13) + std::string(m.word);
    if (m.user != 0) {
      writeRecord(t.IUNIT, lead + " damping is ................... " + "  User-specified");
      writeRecord(t.IUNIT, lead + " damping (percent of critical) " + fmtF(m.percent, 11, 2));
    } else {
      writeRecord(t.IUNIT, lead + " damping is ................... " + " Computed");
    }
  }
}

// The drag areas of the wind or the current, with their centroids when the flow's model uses them.
void writeDragAreas(float headOn, float headOnCentroid, float beamOn, float beamOnCentroid, bool centroids) {
  const std::string length = lengthLabel();
  dataLine("Head-on effective drag area ........ ", fmtF(headOn, 10, 2) + " square", length);
  if (centroids) dataLine("Head-on drag area centroid ......... ", fmtF(headOnCentroid, 10, 2), length);
  dataLine("Beam-on effective drag area ........ ", fmtF(beamOn, 10, 2) + " square", length);
  if (centroids) dataLine("Beam-on drag area centroid ......... ", fmtF(beamOnCentroid, 10, 2), length);
}

void writeEnvironment(const ModelClasses& classes) {
  const Tpcm& t = TPCM;
  const std::int32_t u = t.IUNIT;
  const std::string length = lengthLabel();
  auto heading = [&](std::string_view text) {
    writeRecord(u, "");
    writeRecord(u, fmtX(13) + std::string(text));
    writeRecord(u, "");
  };
  if (t.LWIND != 0) {
    heading("------ WIND CONDITIONS ------");
    Text<30> name;
    WNDPRT(name, t.WNDTYP);
    dataLine("Wind spectral type ................. ", name.str());
    dataLine("Wind spectral density .............. ", fmtE(t.WNDDEN, 10, 3), spectralDensityLabel());
    dataLine("Wind speed ......................... ", fmtF(t.WNDSPD, 10, 2), speedLabel());
    dataLine("Wind heading ....................... ", fmtF(t.WNDHDG, 10, 2), degreesLabel());
    writeDragAreas(t.XWNDAR, t.XWARM, t.YWNDAR, t.YWARM, classes.windCentroid == 1);
    dataLine("Wind force enhancement factor ...... ", fmtF(t.WNDFAC, 10, 2));
  }
  if (t.LCURNT != 0) {
    heading("------ CURRENT CONDITIONS ------");
    Text<30> name;
    currentSpectrumCaption(name, t.CURTYP);
    dataLine("Current spectral type .............. ", name.str());
    if (t.CURTYP == kLegacyPointCurrent)
      dataLine("Current spectral density ........... ", fmtE(t.CURDEN, 10, 3), spectralDensityLabel());
    dataLine("Current speed ...................... ", fmtF(t.CURSPD, 10, 2), speedLabel());
    dataLine("Current heading .................... ", fmtF(t.CURHDG, 10, 2), degreesLabel());
    writeDragAreas(t.XCURAR, t.XCARM, t.YCURAR, t.YCARM, classes.currentCentroid == 1);
    dataLine("Current force enhancement factor ... ", fmtF(t.CURFAC, 10, 2));
  }
  if (t.LRANDM == 0 && t.LSWELL == 0) return;
  heading("------ WAVE CONDITIONS ------");
  if (t.LRANDM != 0) {
    Text<30> name;
    WAVPRT(name, t.WAVTYP);
    dataLine("Wave spectral type ................. ", name.str());
    dataLine("Computed significant wave height ... ", fmtF(WAVCOM.SWH, 10, 2), length);
    dataLine("Direction of maximum seas .......... ", fmtF(t.SEAHDG(1), 10, 2), degreesLabel());
    dataLine("Spectrum peak period ............... ", fmtF(WAVCOM.TPK, 10, 2), " seconds");
  }
  if (t.LSWELL != 0) {
    dataLine("Computed significant swell height .. ", fmtF(WAVCOM.SWHSWL, 10, 2), length);
    dataLine("Swell direction..................... ", fmtF(t.SWLHDG, 10, 2), degreesLabel());
    dataLine("Swell period ....................... ", fmtF(swellPeakPeriod(), 10, 2), " seconds");
  }
  // The second swell of a data set of another program: its drift, damping and variance are given
  // with the swell's below.
  if (secondSwellOn()) {
    dataLine("Second swell significant height .... ", fmtF(WAVCOM.SWHSWL2, 10, 2), length);
    dataLine("Second swell direction ............. ", fmtF(t.SWLHDG2, 10, 2), degreesLabel());
    dataLine("Second swell period ................ ", fmtF(swellPeakPeriod(2), 10, 2), " seconds");
  }
  dataLine("Head-on wave drift force factor .... ", fmtF(t.BOWFAC, 10, 2));
  dataLine("Variable wave drift enhancement factor", fmtF(t.VWDFAC, 9, 2));
}

void writeSectionThree(const LowReportRun& run) {
  const Tpcm& t = TPCM;
  const std::int32_t u = t.IUNIT;
  PAGE(u, t.EDUNIT, 1, 99);
  writeRecord(u, " ***********        III.  VESSEL AND ENVIRONMENT SUMMARY         ***********");
  LINES(u, 2);
  writeVesselLines();
  const ModelClasses classes = classifyModels(run);
  writeWindModel(run, classes);
  if (writeCurrentModel(run, classes)) warnDepthOutsideRange();
  writeDriftModel(run);
  if (classes.tankerWind == 1) {
    writeRecord(u, "");
    dataLine("Tanker Deadweight .................. ", fmtF(t.DWTONS, 10, 2), forceLabel());
  }
  writeDampingChoices();
  writeEnvironment(classes);
}

// The offset at which the statics table carries the load H, read off by straight lines (extrapolated
// beyond the table's ends); interval returns the table interval used.
float offsetAtLoad(float H, int& interval) {
  return tableOffsetAtLoad(EQUILB.HLOAD.data(), EQUILB.OFFSET.data(), TPCM.NUMTAB, H, interval);
}

// The quantities of the most stable equilibrium that sections IV to VI use: the mean load and offset,
// the yoke's angle out of the SALM plane with its lateral load and the load difference of its two
// sides, and (once, while the surge record holds variances) the F-scaled surge sigmas.
void equilibriumQuantities(LowReportRun& run) {
  const Tpcm& t = TPCM;
  Equilb& q = EQUILB;
  const std::int32_t k = q.ISTAB;
  run.FEQ = q.FTOT(k);
  run.X0 = offsetAtLoad(run.FEQ, run.loadInterval);
  q.YOKSLM = t.IARCO != kYoke ? 0.0f : ANGSYM(q.TANGLE(k) - q.SLMANG(k) + t.YOKVES);
  run.cosY = std::cos(q.YOKSLM);
  run.sinY = std::sin(q.YOKSLM);
  q.FLTRL0 = 0.0f - run.sinY * run.FEQ;  // a yoke in the SALM plane carries no lateral load, not -0
  q.DELTA0 = 0.0f;
  if (t.PNDARM != 0.0f && t.IARCO == kYoke && SOLVE.NCON >= 1) q.DELTA0 = q.FLTRL0 * SOLVE.CNLEN(SOLVE.NCON) / t.PNDARM;
  if (run.prepared) return;
  run.surge = {run.F * std::sqrt(q.VARTOT), run.F * std::sqrt(q.VARWND), run.F * std::sqrt(q.VARWAV),
               run.F * std::sqrt(q.VARSWL), run.F * std::sqrt(q.VARCUR)};
}

// One equilibrium of section IV.
void writeEquilibrium(std::int32_t n, std::int32_t j) {
  const Equilb& q = EQUILB;
  const std::int32_t u = TPCM.IUNIT;
  int interval = 1;
  const float X = offsetAtLoad(q.FTOT(j), interval);
  // With a single root every energy is the extreme one: the index of the most stable root.
  const float index = q.ERGMAX == q.ERGMIN ? 100.0f : 100.0f * (q.ENERGY(j) - q.ERGMIN) / (q.ERGMAX - q.ERGMIN);
  const std::string lead = fmtX(7);
  writeRecord(u, fmtX(1) + fmtI(n, 4) + fmtX(2) + "SALM heading ........................." + "...... " +
                     fmtF(q.SLMANG(j) * kDegreesPerRadian, 10, 2) + " degrees");
  writeRecord(u, lead + "SALM restoring force ....................... " + fmtF(q.FTOT(j), 10, 2) + forceLabel());
  writeRecord(u, lead + "Vessel offset .............................. " + fmtF(X - q.OFFSET(1), 10, 2) + lengthLabel());
  writeRecord(u, lead + "Vessel heading ............................. " + fmtF(q.TANGLE(j) * kDegreesPerRadian, 10, 2) +
                     " degrees");
  writeRecord(u, lead + "Equilibrium stability index ................ " + fmtF(index, 10, 2) + " percent");
  writeRecord(u, "");
}

void writeSectionFourHeading() {
  const std::int32_t u = TPCM.IUNIT;
  PAGE(u, TPCM.EDUNIT, 1, 99);
  writeRecord(u, " ***********           IV.  STATIC EQUILIBRIUM SUMMARY           ***********");
  LINES(u, 2);
}

void writeExternalForce() {
  const Tpcm& t = TPCM;
  const std::int32_t u = t.IUNIT;
  const std::string lead = fmtX(7);
  writeRecord(u, lead + "External force application point ");
  writeRecord(u, lead + "(x,y; in <<VESSEL>> coordinates):       (" + fmtF(t.XVLOC, 9, 1) + "," + fmtF(t.YVLOC, 9, 1) +
                     ")" + lengthLabel().substr(0, 12));
  writeRecord(u, "");
  writeRecord(u, "");
  writeRecord(u, std::string(" >>> Fixed forces/moment on vessel are in ") +
                     (t.CRDSYS == kVesselAxes ? "<<Vessel>>" : "<<Global>>") + " system");
  writeRecord(u, "");
  writeRecord(u, lead + "Applied force components (x,y):         (" + fmtF(t.XVFRC, 9, 1) + "," + fmtF(t.YVFRC, 9, 1) +
                     ")" + forceLabel().substr(0, 12));
  writeRecord(u, lead + "Vertical moment at c.g. (force couple):  " + fmtE(t.VESMOM, 20, 3) + " " +
                     (t.NUNTS == kEnglishUnits ? "ft-kips" : "m.ton-m"));
}

void writeEnvironmentalForces() {
  const Tpcm& t = TPCM;
  const Equilb& q = EQUILB;
  const std::int32_t u = t.IUNIT;
  writeRecord(u, "");
  writeRecord(u, " Environmental forces: Most stable equilibrium");
  writeRecord(u, "");
  writeRecord(u, " -- (VESSEL COORDINATE SYSTEM) --");
  writeRecord(u, "");
  auto source = [&](std::string_view word, float x, float y) {
    writeRecord(u, fmtX(7) + "Static " + fmtA(word, 7) + " force components (x,y): (" + fmtF(x, 9, 1) + "," +
                       fmtF(y, 9, 1) + ")" + forceLabel().substr(0, 12));
  };
  if (t.LWIND != 0) source(" wind ", q.SXWND, q.SYWND);
  if (t.LRANDM != 0) source(" wave ", q.SXWAV, q.SYWAV);
  if (t.LSWELL != 0) source(" swell", q.SXSWL, q.SYSWL);
  if (t.LCURNT != 0) source("current", q.SXCUR, q.SYCUR);
}

// Section IV ends with the warning of a vessel that meets the waves off the headings of its motions.
void writeHeadingWarning() {
  const std::vector<std::string> warning = waveHeadingWarning();
  if (warning.empty()) return;
  writeRecord(TPCM.IUNIT, "");
  for (const std::string& line : warning) writeRecord(TPCM.IUNIT, line);
}

void writeSectionFour() {
  const Tpcm& t = TPCM;
  const Equilb& q = EQUILB;
  const std::int32_t u = t.IUNIT;
  writeSectionFourHeading();
  writeRecord(u, "");
  writeRecord(u, " Stable Equilibria:");
  writeRecord(u, "");
  writeRecord(u, " -- (GLOBAL COORDINATE SYSTEM) --");
  writeRecord(u, "");
  std::int32_t n = 0;
  for (std::int32_t j = 1; j <= q.IANGLE; ++j) {
    if (q.LSTABL(j) == 0) continue;
    if (j == q.ISTAB) {
      writeRecord(u, " >>> Most stable equilibrium <<<");
      writeRecord(u, "");
    }
    writeEquilibrium(++n, j);
  }
  if (q.IANGLE > 4) writeSectionFourHeading();
  writeRecord(u, "");
  writeRecord(u, " Unstable Equilibria:");
  writeRecord(u, "");
  n = 0;
  for (std::int32_t j = 1; j <= q.IANGLE; ++j) {
    if (q.LSTABL(j) != 1) writeEquilibrium(++n, j);
  }
  if (t.AUXFRC != 0) writeExternalForce();
  writeEnvironmentalForces();
  writeHeadingWarning();
}

}  // namespace

std::vector<std::string> waveHeadingWarning() {
  const Tpcm& t = TPCM;
  const Equilb& q = EQUILB;
  // Only the attached SALM's dynamics driven by the waves reads the vessel's motions at the yoke.
  if (t.FRESLM != 0 || t.IARCO == kFreeSalm || t.LDYN == 0 || t.LEXTND != 0) return {};
  // The waves whose statistics the dynamics reports: the sea, or else a swell of its own heading.
  const bool sea = t.LRANDM != 0;
  const bool globalSwell = t.LSWELL != 0 && t.LSWLOK == 0;
  if (!sea && !globalSwell) return {};
  const float heading = sea ? t.SEAHDG(1) : t.SWLHDG;  // [deg], earth-fixed in the slow drift
  const float vessel = ANGSYM(q.TANGLE(q.ISTAB)) * kDegreesPerRadian;
  const float relative = REDDEG(heading - vessel);  // where the waves meet the vessel
  const float computed = REDDEG(heading);           // the vessel response's heading: the vessel at 0
  const auto apart = [](float a, float b) { return std::fabs(ANGSYM((a - b) / kDegreesPerRadian)) * kDegreesPerRadian; };
  if (apart(relative, computed) <= kHeadingTolerance) return {};

  // What to enter: every heading of the environment turned by minus the vessel's heading, which
  // gives the same equilibrium with the vessel near heading 0, where the vessel response's headings
  // are the relative ones; the regular waves' heading, which the vessel response computes as well,
  // goes with the waves of the statistics. Each names its page and item, its value now and the new.
  struct Change {
    const char* what;
    const char* where;
    float now, wanted;  // [deg]
  };
  std::vector<Change> changes;
  const auto turned = [vessel](float now) { return REDDEG(now - vessel); };
  if (sea) changes.push_back({"irregular waves' heading", "page 15, item 4", heading, relative});
  else changes.push_back({"swell heading", "page 16, item 4", heading, relative});
  const bool regularWaves = t.NDIR >= 1 && apart(REDDEG(t.WAVHDG(1)), relative) >= 0.005f;
  if (regularWaves) changes.push_back({"regular waves' heading", "page 14, item 6", t.WAVHDG(1), relative});
  if (t.LWIND != 0) changes.push_back({"wind heading", "page 11, item 2", t.WNDHDG, turned(t.WNDHDG)});
  if (t.LCURNT != 0) changes.push_back({"current heading", "page 12, item 2", t.CURHDG, turned(t.CURHDG)});
  if (sea && globalSwell) changes.push_back({"swell heading", "page 16, item 4", t.SWLHDG, turned(t.SWLHDG)});

  const std::string system = sea ? "sea" : "swell";
  std::vector<std::string> lines = {
      " ++> Warning: at the stable equilibrium the vessel heads " + degreesText(vessel) + ", and the",
      "     " + system + " of heading " + degreesText(heading) + " meets it at the relative heading " +
          degreesText(relative) + ";",
      "     but the vessel's motions at the yoke (\"YOKEMOT\"), which the wave-frequency",
      "     stage uses, were computed with the vessel at heading 0, at " + degreesText(computed) + ".",
      "     Turn the environment by " + degreesText(-vessel) + " (the vessel then lies near heading 0)",
      "     and run again; enter"};
  for (std::size_t i = 0; i < changes.size(); ++i) {
    const Change& c = changes[i];
    // One entry to a line; the value now goes under its entry where the two overrun the console.
    const std::string entry = degreesText(c.wanted) + " as the " + c.what + " (" + c.where + "), " +
                              keptTogether("now " + degreesText(c.now) + (i + 1 < changes.size() ? "," : "."));
    for (std::string& line : flowingLines("       ", entry, "         ")) lines.push_back(std::move(line));
  }
  if (!regularWaves) return lines;
  // The regular waves' heading is on the page only while no irregular wave or swell is simulated.
  if (sea && t.LSWELL != 0) {
    lines.insert(lines.end(), {"     Page 14 shows item 6 only while the irregular waves (page 15, item 1) and",
                               "     the swell (page 16, item 1) are off: switch them off, enter the heading",
                               "     there, and switch them on again."});
  } else if (sea) {
    lines.insert(lines.end(), {"     Page 14 shows item 6 only while the irregular waves (page 15, item 1) are",
                               "     off: switch them off, enter the heading there, and switch them on again."});
  } else {
    lines.insert(lines.end(), {"     Page 14 shows item 6 only while the swell (page 16, item 1) is off:",
                               "     switch it off, enter the heading there, and switch it on again."});
  }
  return lines;
}

namespace {

// The warning of a peak load beyond the table, whose offset the report extrapolates.
void warnExtrapolatedPeak(const std::string& peak, float load) {
  const Tpcm& t = TPCM;
  const float last = EQUILB.HLOAD(t.NUMTAB);
  if (!(load > last)) return;
  const std::vector<std::string> lines =
      flowingLines(" ++> Warning: ", peak + ", " + forceText(load) + ", lies beyond the load-offset table's last load of " +
                                         forceText(last) + ": its offset is extrapolated from the table's last "
                                         "interval. Raise the maximum horizontal load on Salm (page 2, item 2), now " +
                                         forceText(t.TLOAD) + ", above it.");
  writeRunWarning(t.EDUNIT, lines);
}

// LOWOUT's storm peak load: a buoyant riser's judge has judged the storm's peak in offsets before
// the report (judgeRiserReach), where the run computes them, not at this load read off the table.
void warnStormPeakBeyondTable(float load) { warnExtrapolatedPeak("the storm peak horizontal load of LOWOUT", load); }

}  // namespace

void warnPeakBeyondTable(const std::string& peak, float load) {
  const Tpcm& t = TPCM;
  if (attachedBuoyantRiser(t.FRESLM, t.IARCO)) {
    if (const auto finding = riserPeakLoadFinding(load, peak))
      fatalStop("VANTREL", t.EDUNIT, finding->lines, FatalWait::kPressReturn, kKeyboardUnit);
  }
  warnExtrapolatedPeak(peak, load);
}

std::string forceLabel() { return unitLabel(TPCM.NUNTS); }
std::string lengthLabel() { return unitLabel(unitCode(7, TPCM.NUNTS)); }
std::string degreesLabel() { return unitLabel(2); }

SectionEnd endOfSection() {
  Tpcm& t = TPCM;
  if (t.IUNIT == t.EDUNIT) PRSRET(t.EDUNIT, kKeyboardUnit, t.LBACK);
  return t.LBACK < 0 ? SectionEnd::kRepeat : SectionEnd::kGoOn;
}

void LOWPRT() {
  Tpcm& t = TPCM;
  LowReportRun run;
  INITFM(t.LWBARG, run.windFlag, t.LCBARG, run.currentFlag, t.LWVCOF, run.driftFlag, t.EDUNIT);
  if (t.NBUG0 == 1) {
    INBUG(t.NBUG, t.EDUNIT, kKeyboardUnit);
  } else {
    t.NBUG = 0;
  }
  writeProgressLine(" >>> Outputting low-frequency dynamics data...");
  if (const std::vector<std::string> warning = waveHeadingWarning(); !warning.empty())
    writeRunWarning(t.EDUNIT, warning);
  const bool report = t.LOWMOT != 0;
  const bool toFile = report && t.IUNIT == kReportUnit;
  if (toFile) RHOPEN(kReportFile, kFormatted, kFresh, t.IDRIVE, kReportUnit, kCaller, t.EDUNIT, t.CMPUTR);
  t.LBACK = 0;

  if (!report) {
    equilibriumQuantities(run);
    prepareDynamics(run);
    if (t.NELEM != 0) {
      memberStatistics(run);
      warnStormPeakBeyondTable(run.FEQ + PEKCOM.FSIGLP(1, 1));
    }
    return;
  }
  for (;;) {
    writeSectionThree(run);
    if (endOfSection() == SectionEnd::kRepeat) continue;
    equilibriumQuantities(run);
    writeSectionFour();
    if (endOfSection() == SectionEnd::kRepeat) continue;
    if (!run.prepared) prepareDynamics(run);
    writeSectionFive(run);
    if (endOfSection() == SectionEnd::kRepeat) continue;
    break;
  }
  if (t.NELEM != 0) {
    memberStatistics(run);
    writeSectionSix(run);
  }
  if (toFile) HCLOSE(kReportUnit, kReportFile, kCaller, t.EDUNIT);
  if (t.NELEM != 0) warnStormPeakBeyondTable(run.FEQ + PEKCOM.FSIGLP(1, 1));
}

}  // namespace qv
