// The wave environment report "WAVEOUT.stxt" (choice 6 of the end-of-session menu): the regular
// wave properties and the water-particle dynamics at the surface at every regular period, and, with
// irregular waves or swell on, the spectral values of the sea and the swell and their wave-group
// spectra. It fills the wave grid and the spectra of WAVCOM on the way through the routines the
// analysis uses (waves/sea_state.h), and takes the wave-group values from GRPSPC. With IUNIT 1 the
// report goes to the file, otherwise to the screen with a pause after each page.
#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "dataset/spectrum_captions.h"
#include "dataset/tpcm.h"
#include "editor/env_page_parts.h"
#include "editor/env_pages.h"
#include "numlib/circle_constants.h"
#include "numlib/wavenumber.h"
#include "platform/stop.h"
#include "platform/units.h"
#include "util/captions.h"
#include "util/console_io.h"
#include "util/flowing_lines.h"
#include "util/fortran_format.h"
#include "util/whole_files.h"
#include "waves/sea_state.h"
#include "waves/spectral_integration.h"
#include "waves/wavcom.h"
#include "waves/wave_spectrum.h"

namespace qv {

namespace {

constexpr std::string_view kReportFile = "WAVEOUT.stxt";
constexpr std::string_view kCaller = "WAVEOUT";
constexpr std::int32_t kReportFileUnit = 1;

constexpr float kDeepWaterKh = 80.0f;        // from here on the group speed is half the phase speed
constexpr float kWindSpeedFactor = 0.1412f;  // characteristic wind speed over g Tp
constexpr std::int32_t kGroupRows = 75;      // difference frequencies 0 to 0.185 rad/s
constexpr float kGroupStep = 0.0025f;        // [rad/s]
constexpr std::int32_t kOchiComponents = 4;  // room for Ochi-Hubble components in the data set

// Unit codes of the report lines (UNITS); 99 has no name.
constexpr std::int32_t kDegreesName = 2;
constexpr std::int32_t kLengthName = 7;  // English; unitCode adds NUNTS
constexpr std::int32_t kSpeedName = 14;  // English; unitCode adds NUNTS
constexpr std::int32_t kSecondsName = 16;
constexpr std::int32_t kNoName = 99;

const std::string kStars15(15, '*');

// The regular wave of one period at the site depth, with the report's height or slope.
struct RegularWave {
  float omega;     // [rad/s]
  float kh;        // wave number times depth
  float k;         // wave number [1/ft | 1/m]
  float A;         // amplitude [ft | m]
  float slope;     // k A [rad]
  float property;  // the property column: 2A for a constant slope, the slope in degrees for a constant height
  float c;         // phase speed [ft/s | m/s]
  float cg;        // group speed [ft/s | m/s]
};

// The group speed from the dispersion relation's kh; in deep water exactly half the phase speed.
float groupSpeed(float omega, float kh, float c, float g) {
  if (kh >= kDeepWaterKh) return c / 2.0f;
  const float ch = std::cosh(kh);
  return g / 2.0f * (kh / ch + std::sinh(kh)) / (omega * ch);
}

// What every page of the report shares.
struct Report {
  std::int32_t u = 0;    // the report unit IUNIT
  bool console = false;  // IUNIT is the screen: a pause after every page
  std::string length;    // "ft" or "m."
  float g = 0.0f;
  float s = 0.0f;  // sqrt(depth / g): WAVVEC's scale
  bool constantSlope = false;
  std::string columnWord;    // " Slope" or "Height", 6 characters
  std::string columnUnit;    // "Deg", "ft " or "m. ", 3 characters
  bool sea = false;          // irregular waves on
  bool swell = false;        // swell on
  SeaSpectrum seaWaves;      // what the sea's spectrum stands for (its requested height, its peak)
  std::int32_t seaPeak = 1;  // grid index of the sea's peak period
  std::int32_t points = 0;   // regular periods

  RegularWave waveAt(float period) const {
    const Tpcm& t = TPCM;
    RegularWave w{};
    w.omega = kTwoPi / period;
    WAVVEC(w.omega * s, w.kh);
    w.k = w.kh / t.DEPTH;
    if (constantSlope) {
      w.slope = t.SLPHT / kDegreesPerRadianFiveDecimals;
      w.A = w.slope / w.k;
      w.property = 2.0f * w.A;
    } else {
      w.A = 0.5f * t.SLPHT;
      w.slope = w.k * w.A;
      w.property = w.slope * kDegreesPerRadianFiveDecimals;
    }
    w.c = w.omega / w.k;
    w.cg = groupSpeed(w.omega, w.kh, w.c, g);
    return w;
  }

  // The group speed of the grid wave at index i.
  float gridGroupSpeed(std::int32_t i) const {
    const float kh = WAVCOM.WVK(i) * TPCM.DEPTH;
    return groupSpeed(WAVCOM.W(i), kh, WAVCOM.W(i) / WAVCOM.WVK(i), g);
  }

  void endPage() const {
    if (console) PRSRET(TPCM.EDUNIT, kKeyboardUnit);
  }
  void newPage() const { PAGE(u, TPCM.EDUNIT, 1, kPrinterUnit); }
};

// ---- what the report needs of the data set --------------------------------------------------------

// Grid index of a peak period: INT((TP - TS) / DT + 1.5), truncated.
std::int32_t gridIndexOf(float period) {
  const Tpcm& t = TPCM;
  return static_cast<std::int32_t>((period - t.T(1)) / (t.T(2) - t.T(1)) + 1.5f);
}

// Why the spectrum of one wave system cannot be formed, or nothing. The words are those of the
// sea (page 15) or of the swell (page 16).
struct SystemWords {
  std::int32_t type;
  float height, period, width, gamma, sigmaA, sigmaB;
};

std::optional<std::string> systemFault(const SystemWords& w, bool swell) {
  const Tpcm& t = TPCM;
  const auto bad = [](std::int32_t index, std::int32_t n) { return index < 1 || index > n; };
  switch (w.type) {
    case kSpectrumUserFile:
    case kSpectrumUserOrdinates: return std::nullopt;
    case kSpectrumOchiHubble:
      if (t.N_OCHI_COMP < 1 || t.N_OCHI_COMP > kOchiComponents) return "1 to 4 Ochi-Hubble components";
      for (std::int32_t j = 1; j <= t.N_OCHI_COMP; ++j)
        if (!(t.SIGPD(j) > 0.0f) || !(t.OCHI_LAMBDA(j) > 0.0f))
          return "a positive peak period and lambda for every Ochi-Hubble component";
      return std::nullopt;
    case kSpectrumPiersonMoskowitz:
      if (!(w.height > 0.0f)) return "a positive significant height (it sets the peak period)";
      return std::nullopt;
    default: break;
  }
  if (!(w.period > 0.0f)) return "a positive peak period";
  if (w.type == kSpectrumDefaultSwell) {
    if (!(w.width > 0.0f)) return "a positive spectral bandwidth";
    if (!swell && bad(gridIndexOf(w.period), t.NWP)) return "a peak period within the regular wave periods";
  }
  if (hasJonswapShape(w.type) && !(w.gamma > 0.0f && w.sigmaA > 0.0f && w.sigmaB > 0.0f))
    return "positive JONSWAP \"Gamma\", \"Sigma a\" and \"Sigma b\" parameters";
  return std::nullopt;
}

// The message that keeps the report from being written, or nothing: a depth and periods the
// dispersion relation can take, a period grid that can carry a spectrum, and sea and swell
// parameters from which the spectra can be formed.
std::vector<std::string> reportFault(bool sea, bool swell) {
  const Tpcm& t = TPCM;
  if (!(t.DEPTH > 0.0f)) return {" ++> Wave report: the water depth (page 1) must be positive."};
  for (std::int32_t i = 1; i <= wavePoints(); ++i)
    if (!(t.T(i) > 0.0f)) return {" ++> Wave report: the regular wave periods (page 14) must be positive."};
  if (!sea && !swell) return {};
  if (!periodsFitForSpectra()) {
    return {" ++> Wave report: irregular waves and swell need at least 3 regular wave periods",
            "     (page 14), positive, increasing and equally spaced."};
  }
  if (sea) {
    const SystemWords words{t.WAVTYP, t.SWHT(1), t.SIGPD(1), t.WAVWID, t.JONGAM, t.JONPL, t.JONPG};
    if (const auto fault = systemFault(words, false))
      return flowingLines(" ++> ", "Wave report: the irregular sea (page 15) needs " + *fault + ".");
  }
  if (swell) {
    const std::int32_t index = gridIndexOf(t.SWELPD);
    if (index < 1 || index > t.NWP) return {" ++> Swell outside wave period range"};
    const SystemWords words{t.SWLTYP, t.SWELHT, t.SWELPD, t.SWLWID, t.JONGAM_SWL, t.JONPL_SWL, t.JONPG_SWL};
    if (const auto fault = systemFault(words, true))
      return flowingLines(" ++> ", "Wave report: the swell (page 16) needs " + *fault + ".");
  }
  return {};
}

// ---- the wave grid and the spectra -------------------------------------------------------------

void fillGrid(const Report& r) {
  WAVCOM.G = r.g;
  fillWaveGrid();
  WAVCOM.NSPEC = TPCM.WAVTYP;
}

// The sea's spectrum in WAVCOM. The requested height and period are those of the first sea state;
// an Ochi-Hubble sea stands for the combined height of its components and the peak period of the
// highest one.
void fillSeaSpectrum(Report& r) {
  const Tpcm& t = TPCM;
  Wavcom& w = WAVCOM;
  float height = t.SWHT(1);
  float period = t.SIGPD(1);
  if (t.WAVTYP == kSpectrumOchiHubble) {
    float sum = 0.0f;
    for (std::int32_t j = 1; j <= t.N_OCHI_COMP; ++j) sum += t.SWHT(j) * t.SWHT(j);
    std::int32_t lowest = 0;
    std::int32_t highest = 0;
    float minimum = 0.0f;
    float maximum = 0.0f;
    std::int32_t monotonic = 0;
    std::int32_t increasing = 0;
    MAX_MIN(t.SWHT.data(), t.N_OCHI_COMP, lowest, highest, minimum, maximum, monotonic, increasing);
    height = std::sqrt(sum);
    period = t.SIGPD(highest);
  }
  r.seaWaves = waveSystemSpectrum(t.WAVTYP, kWindSea, height, period, w.WPSD.data());
  w.SWH = significantHeight(w.WPSD.data());
  w.TPK = r.seaWaves.TP;
  w.WPK = r.seaWaves.WP;
  w.WKPK = r.seaWaves.WKP;
  // A peak period off the grid (a user spectrum's, say) takes the nearest end of the grid.
  r.seaPeak = std::clamp<std::int32_t>(gridIndexOf(w.TPK), 1, r.points);
}

void fillSwellSpectrum(const Report& r) {
  const Tpcm& t = TPCM;
  Wavcom& w = WAVCOM;
  w.DELSWL = t.SWLWID;
  w.NSWEL = std::clamp<std::int32_t>(gridIndexOf(t.SWELPD), 1, r.points);
  const SeaSpectrum swell = swellSpectrum(1, w.SWLPSD.data());
  w.WSWLPK = swell.WP;
  w.WKSWLPK = swell.WKP;
  w.SWHSWL = significantHeight(w.SWLPSD.data());
}

// The spectra of the sea and the swell, before the report is opened. A sea or swell may take its
// spectrum from the user's "WAVSPEC.txt", whose reader stops on a file that cannot serve (missing,
// unreadable, out of its bounds, or a frequency outside it that the user chooses not to extrapolate)
// after saying what to change. In the editor that stop ends the report, not the session: the old
// report stays, the edits are kept and the menu comes back. The end of the keyboard input, and any
// other way of ending, still ends the session.
bool spectraFilled(Report& r) {
  try {
    if (r.sea) fillSeaSpectrum(r);
    if (r.swell) fillSwellSpectrum(r);
  } catch (const Stop& stop) {
    if (stop.status != kExitFatal || stop.routine == "keyboard input") throw;
    return false;
  }
  return true;
}

// ---- the pages ---------------------------------------------------------------------------------

void writeSummaryLines(const Report& r) {
  const Tpcm& t = TPCM;
  writeRecord(r.u, fmtX(27) + "Water Depth    =" + fmtF(t.DEPTH, 10, 2) + " " + r.length);
  writeRecord(r.u,
              fmtX(27) + "Wave " + (r.constantSlope ? "Slope  " : "Height ") + "   =" + fmtF(t.SLPHT, 10, 2) + " " +
                  (r.constantSlope ? "Deg" : r.length));
  LINES(r.u, 2);
}

void writeKinematicsTitle(const Report& r, std::string_view subtitle) {
  writeRecord(r.u, "");
  writeRecord(r.u, "   " + kStars15 + "       REGULAR WAVE KINEMATICS" + " SUMMARY      " + kStars15);
  LINES(r.u, 2);
  writeRecord(r.u, subtitle);
  LINES(r.u, 2);
  writeSummaryLines(r);
}

void writeWaveProperties(const Report& r) {
  const Tpcm& t = TPCM;
  const std::string& L = r.length;
  writeKinematicsTitle(r, " >>> Wave Properties");
  writeRecord(r.u, "    Wave       Wave       Wave       Wave       Wave " + std::string("       Wave     Circular"));
  writeRecord(r.u, "   Period     Length     " + r.columnWord + "      Phase      Group" + "      Number    Frequency");
  writeRecord(r.u, fmtX(37) + "Speed      Speed");
  writeRecord(r.u,
              "   (Sec)       (" + L + ")       (" + r.columnUnit + ")    (" + L + "/Sec)   (" + L + "/Sec)     (1/" +
                  L + ")    (Rad/Sec)");
  writeRecord(r.u, "");
  for (std::int32_t i = 1; i <= r.points; ++i) {
    const RegularWave w = r.waveAt(t.T(i));
    std::string row = " ";
    for (float value : {t.T(i), kTwoPi / w.k, w.property, w.c, w.cg}) row += fmtF(value, 8, 2) + fmtX(3);
    writeRecord(r.u, row + fmtE(w.k, 10, 3) + fmtX(2) + fmtF(w.omega, 8, 3));
  }
}

void writeParticleDynamics(const Report& r) {
  const Tpcm& t = TPCM;
  const std::string& L = r.length;
  writeKinematicsTitle(r, " >>> Water Particle Dynamics At Surface");
  writeRecord(r.u, "   Wave    << Accelerations  >>   <<   Velocities   >>" + std::string("   << Displacements >>"));
  writeRecord(r.u, "  Period   Horizontal  Vertical   Horizontal  Vertical" + std::string("   Horizontal  Vertical"));
  writeRecord(r.u, "  (Sec)           (G's)                 (" + L + "/Sec)" + "                 (" + L + ")");
  writeRecord(r.u, "");
  for (std::int32_t i = 1; i <= r.points; ++i) {
    const RegularWave w = r.waveAt(t.T(i));
    const float tanhKh = w.omega * w.omega / (w.k * r.g);
    const float pairs[3][2] = {
        {w.k * w.A, w.A * w.omega * w.omega / r.g}, {w.A * w.omega / tanhKh, w.A * w.omega}, {w.A / tanhKh, w.A}};
    std::string row = " " + fmtF(t.T(i), 7, 2) + " ";
    for (const auto& pair : pairs) row += fmtF(pair[0], 9, 3) + fmtX(2) + fmtF(pair[1], 9, 3) + fmtX(3);
    writeRecord(r.u, row);
  }
}

std::string seaSpectrumName(std::int32_t type) {
  const WaveSpectrumRow* row = waveSpectrum(type);
  return std::string(row != nullptr ? row->title : "Missing!");
}

// The slope in degrees of the wave of height `height` and the given period at the site depth.
float characteristicSlope(const Report& r, float height, float period) {
  float kh = 0.0f;
  WAVVEC(r.s * kTwoPi / period, kh);
  return 0.5f * height * (kh / TPCM.DEPTH) * kDegreesPerRadianFiveDecimals;
}

void line(const Report& r, std::string_view label, float value, std::int32_t unitCode) {
  ONELIN(label, static_cast<std::int32_t>(label.size()), value, UNITS, unitCode, r.u);
}

void writeCharacteristics(const Report& r) {
  const Tpcm& t = TPCM;
  const Wavcom& w = WAVCOM;
  writeRecord(r.u, fmtX(5) + "----  Wave Characteristics  ----");
  if (r.sea) {
    std::string name = seaSpectrumName(t.WAVTYP) + (t.LSPRED == 0 ? "; Long-crested seas" : "; Short-crested seas");
    name.resize(60, ' ');
    writeRecord(r.u, fmtX(5) + "Wave" + " Spectral Type -- " + name);
    if (t.LSPRED != 0) line(r, "Power of Cosine in spreading factor", t.COSEXP, kNoName);
    if (!userDefinedSpectrum(t.WAVTYP))
      line(r, "Requested Significant wave height", r.seaWaves.HS, unitCode(kLengthName, t.NUNTS));
    line(r, "Calculated Significant wave height", w.SWH, unitCode(kLengthName, t.NUNTS));
    line(r, "Direction of maximum seas", t.SEAHDG(1), kDegreesName);
    line(r, "Spectrum peak period", w.TPK, kSecondsName);
    line(r, "Spectrum characteristic wind speed", r.g * kWindSpeedFactor * w.TPK, unitCode(kSpeedName, t.NUNTS));
    line(r, "Spectrum characteristic wave slope", characteristicSlope(r, r.seaWaves.HS, w.TPK), kDegreesName);
    if (hasBandwidth(t.WAVTYP)) line(r, "Swell spectral bandwidth", t.WAVWID, kNoName);
  }
  if (r.swell) {
    Text<30> name;
    WAVPRT(name, t.SWLTYP);
    writeRecord(r.u, "");
    writeRecord(r.u, fmtX(5) + "Swell" + " Spectral Type -- " + name.str());
    line(r, "Requested Significant swell height", t.SWELHT, unitCode(kLengthName, t.NUNTS));
    line(r, "Calculated Significant swell height", w.SWHSWL, unitCode(kLengthName, t.NUNTS));
    line(r, "Swell direction", t.SWLHDG, kDegreesName);
    line(r, "Swell period", t.SWELPD, kSecondsName);
    line(r, "Swell characteristic wave slope", characteristicSlope(r, t.SWELHT, t.SWELPD), kDegreesName);
    if (hasBandwidth(t.SWLTYP)) line(r, "Swell spectral bandwidth", t.SWLWID, kNoName);
  }
}

std::string padTo(std::string text, std::size_t column) {
  if (text.size() < column) text.resize(column, ' ');
  return text;
}

void writeSpectralValues(const Report& r) {
  const Tpcm& t = TPCM;
  const Wavcom& w = WAVCOM;
  const std::string& L = r.length;
  const bool both = r.sea && r.swell;
  writeRecord(r.u,
              "   " + std::string("********************   Irregular Wave Spectral") + " Values  *******************");
  writeCharacteristics(r);
  writeRecord(r.u, "");
  writeRecord(r.u,
              fmtX(5) + (r.constantSlope ? ">>> Wave slope for height calculation = " + fmtF(t.SLPHT, 6, 2) + " degrees"
                                         : ">>> Wave height for slope calculation = " + fmtF(t.SLPHT, 6, 2) + " " + L));
  const std::string units = "     (Sec)       (rad/sec)      (" + L + ")         (" + r.columnUnit + ")";
  writeRecord(r.u, "");
  if (both) {
    writeRecord(r.u, "      Wave         Wave         Wave         Wave" + std::string("         Wave        Swell"));
    writeRecord(r.u, "     Period      Frequency     Length       " + r.columnWord + "      Spectrum     Spectrum");
    writeRecord(r.u, padTo(units, 54) + "<-- (" + L + "^2/[rad/sec]) -->");
  } else {
    writeRecord(r.u,
                "      Wave         Wave         Wave         Wave         " + std::string(r.sea ? "Wave " : "Swell"));
    writeRecord(r.u, "     Period      Frequency     Length       " + r.columnWord + "      Spectrum");
    writeRecord(r.u, padTo(units, 52) + "(" + L + "^2/[rad/sec])");
  }
  writeRecord(r.u, "");
  for (std::int32_t i = 1; i <= r.points; ++i) {
    const RegularWave wave = r.waveAt(t.T(i));
    std::string row =
        fmtF(t.T(i), 11, 3) + fmtF(wave.omega, 13, 3) + fmtF(kTwoPi / wave.k, 13, 3) + fmtF(wave.property, 13, 3);
    if (r.sea) row += fmtF(w.WPSD(i), 13, 4);
    if (r.swell) row += fmtF(w.SWLPSD(i), 13, 4);
    writeRecord(r.u, row);
  }
}

void writeGroupValues(const Report& r) {
  const Wavcom& w = WAVCOM;
  const std::string& L = r.length;
  const bool both = r.sea && r.swell;
  writeRecord(r.u,
              "   " + std::string("****************   Irregular Wave Group Spectral") + " Values  *****************");
  writeCharacteristics(r);
  const float seaSpeed = r.sea ? r.gridGroupSpeed(r.seaPeak) : 0.0f;
  const float swellSpeed = r.swell ? r.gridGroupSpeed(w.NSWEL) : 0.0f;
  writeRecord(r.u, "");
  if (both) {
    writeRecord(r.u, "                            Wave          Swell     " + std::string("  Wave          Swell"));
    writeRecord(r.u, "   Group      Group      InterGroup    InterGroup   " + std::string("  Group         Group"));
    writeRecord(r.u, " Frequency    Period       Spacing       Spacing    " + std::string(" Spectrum      Spectrum"));
    writeRecord(
        r.u, " (rad/sec)    (Sec)          (" + L + ")          (" + L + ")     " + "<-- (" + L + "^4/[rad/sec]) -->");
  } else {
    writeRecord(r.u,
                "   Group        Group         InterGroup      " + std::string(r.sea ? " Wave" : "Swell") + " Group");
    writeRecord(r.u, " Frequency      Period         Spacing          " + std::string("Spectrum"));
    writeRecord(r.u, " (rad/sec)      (Sec)           (" + L + ")        (" + L + "^4/[rad/sec])");
  }
  writeRecord(r.u, "");
  for (std::int32_t j = 0; j < kGroupRows; ++j) {
    const float dw = kGroupStep * static_cast<float>(j);
    float seaValue = 0.0f;
    float swellValue = 0.0f;
    if (r.sea) GRPSPC(w.WPSD.data(), seaValue, dw);
    if (r.swell) GRPSPC(w.SWLPSD.data(), swellValue, dw);
    std::string row = "  " + fmtF(dw, 5, 4);
    if (both) {
      if (j == 0) {
        row = padTo(padTo(padTo(row, 12) + "Infinity", 27) + "Infinity", 41) + "Infinity";
      } else {
        const float groupPeriod = kTwoPi / dw;
        row += fmtX(5) + fmtF(groupPeriod, 8, 2) + fmtX(4) + fmtF(seaSpeed * groupPeriod, 11, 2) + fmtX(3) +
               fmtF(swellSpeed * groupPeriod, 11, 2);
      }
      row += fmtX(4) + fmtES(seaValue, 9, 2) + fmtX(5) + fmtES(swellValue, 9, 2);
    } else {
      const float speed = r.sea ? seaSpeed : swellSpeed;
      if (j == 0) {
        row = padTo(padTo(row, 14) + "Infinity", 31) + "Infinity";
      } else {
        const float groupPeriod = kTwoPi / dw;
        row += fmtX(7) + fmtF(groupPeriod, 8, 2) + fmtX(6) + fmtF(speed * groupPeriod, 11, 2);
      }
      row += fmtX(8) + fmtES(r.sea ? seaValue : swellValue, 9, 2);
    }
    writeRecord(r.u, row);
  }
}

}  // namespace

void WAVOUT() {
  Tpcm& t = TPCM;
  writeRecord(t.EDUNIT, "");
  writeRecord(t.EDUNIT, " >>> Outputting wave kinematics data...");
  writeRecord(t.EDUNIT, "");
  t.LBACK = 0;

  Report r;
  r.sea = t.LRANDM != 0;
  r.swell = t.LSWELL != 0;
  // Nothing is written, and an old report stays, when the data cannot make one.
  if (const std::vector<std::string> fault = reportFault(r.sea, r.swell); !fault.empty()) {
    writeRecord(t.EDUNIT, "");
    for (const std::string& text : fault) writeRecord(t.EDUNIT, text);
    PRSRET(t.EDUNIT, kKeyboardUnit);
    return;
  }

  r.u = t.IUNIT;
  r.console = t.IUNIT == t.EDUNIT;
  r.length = t.NUNTS == kMetricUnits ? "m." : "ft";
  r.g = t.NUNTS == kMetricUnits ? 9.8f : 32.152f;
  r.constantSlope = t.LSLPHT != 0;
  r.columnWord = r.constantSlope ? "Height" : " Slope";
  r.columnUnit = r.constantSlope ? r.length + " " : "Deg";
  r.s = std::sqrt(t.DEPTH / r.g);
  r.points = wavePoints();
  fillGrid(r);
  if (!spectraFilled(r)) return;

  // The report goes to the folder whole when it ends; a folder that does not take it keeps its old
  // report, and the menu comes back with the edits.
  const std::vector<std::string> notWritten =
      fileNotWrittenOutcome("The wave report was not written; the folder keeps what it had.");
  if (t.IUNIT == kReportFileUnit &&
      !openWholeFile(kReportFile, t.IUNIT, kCaller, t.EDUNIT, kKeyboardUnit, notWritten))
    return;
  writeWaveProperties(r);
  r.endPage();
  r.newPage();
  writeParticleDynamics(r);
  r.endPage();

  if (r.sea || r.swell) {
    r.newPage();
    writeSpectralValues(r);
    r.endPage();
    r.newPage();
    writeGroupValues(r);
    r.endPage();
  }
  if (t.IUNIT == kReportFileUnit) closeWholeFile(t.IUNIT, kCaller, t.EDUNIT, kKeyboardUnit, notWritten);
}

}  // namespace qv
