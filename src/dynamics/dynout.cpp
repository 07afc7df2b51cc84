#include "dynamics/dynout.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "dataset/tpcm.h"
#include "dynamics/attachment_motions.h"
#include "dynamics/dyncom.h"
#include "dynamics/dynslm.h"
#include "dynamics/heading_waves.h"
#include "dynamics/memmot.h"
#include "dynamics/printed_loads.h"
#include "hull/equilb.h"
#include "numlib/angles.h"
#include "numlib/circle_constants.h"
#include "platform/units.h"
#include "slowdrift/output.h"
#include "statics/data_lines.h"
#include "statics/solve.h"
#include "util/console_io.h"
#include "util/fortran_format.h"
#include "waves/sea_state.h"
#include "waves/wavcom.h"

// Records are built field by field as the formats give them; blanks of X editing are written even
// at the end of a record.

namespace qv {

namespace {

constexpr float kDeepWaterKd = 80.0f;  // from here on the group speed is half the phase speed
constexpr float kHeadingShown = 0.05f;  // [deg] half the last digit of a heading as the tables show it

bool english() { return TPCM.NUNTS == kEnglishUnits; }
void writeFieldsHeading(std::int32_t u);
std::string forceUnit() { return english() ? "K.LBS" : "M.TON"; }
bool toConsole() { return TPCM.IUNIT == TPCM.EDUNIT; }

// The pause of a page on the console; its reply stays in LBACK.
void pauseOnConsole() {
  if (toConsole()) PRSRET(TPCM.EDUNIT, kKeyboardUnit, TPCM.LBACK);
}

// "SLOPE" or "HEIGHT" of the data set's regular wave, 7 characters.
std::string waveWord() { return TPCM.LSLPHT != 0 ? "SLOPE  " : "HEIGHT "; }
std::string waveUnit() { return TPCM.LSLPHT != 0 ? "DEG" : std::string(lengthUnit()); }

// The regular wave of the data set at period IW: its amplitude, slope and the third column of the
// wave properties (the height for a slope, the slope in degrees for a height).
struct RegularWave {
  float a = 0.0f, slope = 0.0f, third = 0.0f;
};
RegularWave regularWave(int IW) {
  const float k = WAVCOM.WVK(IW);
  RegularWave w;
  if (TPCM.LSLPHT != 0) {
    w.slope = TPCM.SLPHT / kDegreesPerRadian;
    w.a = w.slope / k;
    w.third = 2.0f * w.a;
  } else {
    w.a = TPCM.SLPHT * 0.5f;
    w.slope = w.a * k;
    w.third = w.slope * kDegreesPerRadian;
  }
  return w;
}

// The group speed at frequency omega and wave number k; in deep water exactly half the phase speed.
float groupSpeed(float omega, float k) {
  const float kd = k * TPCM.DEPTH;
  if (kd >= kDeepWaterKd) return 0.5f * omega / k;
  const float ch = std::cosh(kd);
  return 0.5f * WAVCOM.G * (kd / ch + std::sinh(kd)) / (omega * ch);
}

// A new page of the wave pages: the section title, the page's heading and the wave line.
void startWavePage(std::string_view heading) {
  const std::int32_t u = TPCM.IUNIT;
  PAGE(u, TPCM.EDUNIT, 1, 99);
  writeSectionSevenTitle(u);
  writeRecord(u, heading);
  LINES(u, 2);
  writeRecord(u, fmtX(27) + "WAVE " + waveWord() + "   =" + fmtF(TPCM.SLPHT, 7, 2) + " " + waveUnit());
  LINES(u, 3);
}

void writeWaveProperties() {
  const Tpcm& t = TPCM;
  const std::int32_t u = t.IUNIT;
  const std::string len(lengthUnit());
  startWavePage(" >>> WAVE PROPERTIES");
  writeRecord(u, std::string("    WAVE       WAVE       WAVE       WAVE       WAVE ") + "       WAVE     CIRCULAR");
  writeRecord(u, "   PERIOD     LENGTH     " + std::string(t.LSLPHT != 0 ? "HEIGHT" : " SLOPE") + "      PHASE      GROUP" +
                     "      NUMBER    FREQUENCY");
  writeRecord(u, fmtX(37) + "SPEED      SPEED");
  writeRecord(u, "   (SEC)       (" + len + ")       (" + fmtA(t.LSLPHT != 0 ? len : "DEG", 3) + ")    (" + len +
                     "/SEC)   (" + len + "/SEC)     (1/" + len + ")    (RAD/SEC)");
  LINES(u, 2);
  for (int IW = 1; IW <= wavePoints(); ++IW) {
    const float k = WAVCOM.WVK(IW), omega = WAVCOM.W(IW);
    const RegularWave w = regularWave(IW);
    writeRecord(u, " " + fmtF(t.T(IW), 8, 2) + fmtX(3) + fmtF(kTwoPi / k, 8, 2) + fmtX(3) + fmtF(w.third, 8, 2) +
                       fmtX(3) + fmtF(omega / k, 8, 2) + fmtX(3) + fmtF(groupSpeed(omega, k), 8, 2) + fmtX(3) +
                       fmtE(k, 10, 3) + fmtX(2) + fmtF(omega, 8, 3));
  }
  pauseOnConsole();
}

void writeParticleDynamics() {
  const Tpcm& t = TPCM;
  const std::int32_t u = t.IUNIT;
  const std::string len(lengthUnit());
  startWavePage(" >>> WATER PARTICLE DYNAMICS AT SURFACE");
  writeRecord(u, std::string("   WAVE    << ACCELERATIONS  >>   <<   VELOCITIES   >>") + "   << DISPLACEMENTS >>");
  writeRecord(u, std::string("  PERIOD   HORIZONTAL  VERTICAL   HORIZONTAL  VERTICAL") + "   HORIZONTAL  VERTICAL");
  writeRecord(u, std::string("  (SEC)           (") + "G's" + ")                 (" + len + "/SEC)" + "                 (" +
                     len + ")");
  LINES(u, 2);
  const float G = WAVCOM.G;
  for (int IW = 1; IW <= wavePoints(); ++IW) {
    const float k = WAVCOM.WVK(IW), omega = WAVCOM.W(IW);
    const float a = regularWave(IW).a;
    const float tanhKd = omega * omega / (k * G);
    const float horizontalVelocity = a * omega / tanhKd;
    const float pairs[3][2] = {{a * k, a * omega * omega / G},
                               {horizontalVelocity, a * omega},
                               {horizontalVelocity / omega, a}};
    std::string row = " " + fmtF(t.T(IW), 7, 2) + " ";
    for (const auto& p : pairs) row += fmtF(p[0], 9, 3) + fmtX(2) + fmtF(p[1], 9, 3) + fmtX(3);
    writeRecord(u, row);
  }
  pauseOnConsole();
}

// One table of the sequence, and where a "back" reply at its pause leads.
struct Table {
  const char* raoTitle;
  const char* spectrumTitle;
  int column;  // load column (KIND 1 or less)
  int KIND;
  int IDX;
  int back;  // index of the table to go back to; -1 the start of the section
};

// The tables of the heading in their order, by the switches of the data set.
std::vector<Table> tableSequence() {
  const Tpcm& t = TPCM;
  const int N = SOLVE.NCON;
  std::vector<Table> tables;
  int positions = -1;  // the first table of the joint-position group, or of the nearest group before it
  if (t.LPOSN != 0) {
    positions = 0;
    for (int J = 1; J <= N; ++J) tables.push_back({">>> JOINT POSITION RAOS     ", ">>> JOINT POSITION SPECTRA  ", 0, 2, J, -1});
  }
  int angles = positions;
  if (t.LANGLE != 0) {
    angles = static_cast<int>(tables.size());
    tables.push_back({">>> IN-PLANE ANGLE RAOS     ", ">>> IN-PLANE ANGLE SPECTRA  ", 0, 3, 1, positions});
    tables.push_back({">>> LATERAL ANGLE RAOS      ", ">>> LATERAL ANGLE SPECTRA   ", 0, 4, 1, angles});
  }
  if (t.LODNET == 0) return tables;
  const int base = static_cast<int>(tables.size());
  tables.push_back({"NET BASE REACTION RAOS      ", "NET BASE REACTION SPECTRA   ", 1, 0, 1, angles});
  tables.push_back({"NET BOTTOM LOAD RAOS        ", "NET BOTTOM LOAD SPECTRA     ", 2, 1, 1, base});
  tables.push_back({"NET TOP LOAD RAOS           ", "NET TOP LOAD SPECTRA        ", 3, 1, 1, base + 1});
  if (N == 1) return tables;
  const int memberOneTop = base + 2;
  if (N == 3) {
    tables.push_back({"NET BOTTOM LOAD RAOS        ", "NET BOTTOM LOAD SPECTRA     ", 4, 1, 2, memberOneTop});
    tables.push_back({"NET TOP LOAD RAOS           ", "NET TOP LOAD SPECTRA        ", 5, 1, 2, memberOneTop});
  }
  tables.push_back({"NET BOTTOM LOAD RAOS        ", "NET BOTTOM LOAD SPECTRA     ", 2 * N, 1, N, memberOneTop});
  if (t.IARCO != kYoke) {
    tables.push_back({"NET TOP LOAD RAOS           ", "NET TOP LOAD SPECTRA        ", 2 * N + 1, 1, N, memberOneTop});
    return tables;
  }
  tables.push_back({"RIGHT SIDE YOKE LOAD RAOS   ", "RIGHT SIDE YOKE LOAD SPECTRA", 2 * N + 1, -2, N, memberOneTop});
  tables.push_back({"LEFT SIDE YOKE LOAD RAOS    ", "LEFT SIDE YOKE LOAD SPECTRA ", 2 * N + 2, -1, N, memberOneTop});
  tables.push_back({"RIGHT HINGE LOAD RAOS       ", "RIGHT HINGE LOAD SPECTRA    ", 2 * N + 3, -4, N + 1, memberOneTop});
  tables.push_back({"LEFT HINGE LOAD RAOS        ", "LEFT HINGE LOAD SPECTRA     ", 2 * N + 4, -4, N + 1, memberOneTop});
  return tables;
}

// One curve of the plot file.
void writeCurve(std::int32_t u, const std::string& ordinate, const std::string& title, bool periods,
                const std::vector<float>& values, const std::string& legend) {
  const int n = wavePoints();
  writeRecord(u, fmtI(1, 5));
  writeRecord(u, "PERIOD (SECONDS)");
  writeRecord(u, ordinate);
  writeRecord(u, title);
  writeRecord(u, fmtI(n, 5));
  writeRecord(u, fmtI(periods ? 1 : 0, 5));
  if (periods) {
    for (int IW = 1; IW <= n; ++IW) writeRecord(u, fmtF(TPCM.T(IW), 10, 2));
  }
  for (const float v : values) writeRecord(u, fmtF(v, 10, 2));
  writeRecord(u, legend);
}

// A curve title of the pass: the title, its wave heading as the vessel's response curves give it,
// and the sea of the members' wave loads where that is another heading; under the imposed extension
// the title alone, as the tables name no heading then.
std::string passTitle(const std::string& title) {
  if (TPCM.LEXTND != 0) return title;
  std::string named = title + " FOR WAVE HEADING" + fmtF(OUTPUT.WAVDIR * kDegreesPerRadian, 8, 2) + " DEGREES";
  if (const std::optional<float> sea = membersSeaHeading(OUTPUT.WAVDIR, TPCM.FRESLM == 0))
    named += ", MEMBER WAVE LOADS FROM THE " + std::string(memberWaveSystem()) + " AT" + fmtF(*sea, 8, 2) + " DEGREES";
  return named;
}

// The plot records of the heading: the member angles, then the shear and the axial load at every
// member end, each curve's title naming the pass.
void writePlotRecords() {
  const Output& o = OUTPUT;
  const int N = SOLVE.NCON;
  const int n = wavePoints();
  const std::int32_t u = kDynamicsPlotUnit;
  writeRecord(u, fmtI(TPCM.IUNIT, 5));
  writeRecord(u, fmtI(5 * N, 5));
  std::vector<float> values(static_cast<std::size_t>(n));
  for (int m = 1; m <= N; ++m) {
    for (int IW = 1; IW <= n; ++IW) values[static_cast<std::size_t>(IW - 1)] = std::abs(o.PHIMEM(IW, m)) * kDegreesPerRadian;
    writeCurve(u, "ANGLE IN DEG.", passTitle("ANGLE RAOS (S.A./S.A.)"), m == 1, values, "MEMBER # " + fmtI(m, 2));
  }
  const std::string ordinate = english() ? "KIPS/FT" : "M. TONS/METER";
  const auto endCurves = [&](const std::string& title, bool shear) {
    for (int e = 1; e <= 2 * N; ++e) {
      for (int IW = 1; IW <= n; ++IW) {
        values[static_cast<std::size_t>(IW - 1)] = std::abs(shear ? o.NETSHR(IW, e + 1) : o.NETAXL(IW, e + 1));
      }
      writeCurve(u, ordinate, passTitle(title), false, values,
                 "MEMBER #" + fmtI((e + 1) / 2, 2) + (e % 2 != 0 ? ", BOTTOM" : ", TOP"));
    }
  };
  endCurves("ENDPOINT SHEAR LOAD RAOS (S.A./S.A.)", true);
  endCurves("ENDPOINT AXIAL LOAD RAOS (S.A./S.A.)", false);
}

// The member's angle from the vertical; a member with a cosine of exactly 0 lies horizontal.
float memberAngle(const float* EQCOS, const float* EQSIN, int m) {
  const float cm = EQCOS[m - 1], sm = EQSIN[m - 1];
  return cm == 0.0f ? kHalfPi : std::atan2(sm, cm);
}

// The static block of a table: its title, column heading and rows.
void writeStaticBlock(int KIND, int IDX, const float* EQCOS, const float* EQSIN) {
  const Tpcm& t = TPCM;
  const Solve& sv = SOLVE;
  const Equilb& e = EQUILB;
  const std::int32_t u = t.IUNIT;
  const int N = sv.NCON;
  if (KIND <= 1) writeRecord(u, " " + fmtX(17) + "-------- STATIC EQUILIBRIUM LOADS --------");
  else if (KIND == 2) writeRecord(u, " " + fmtX(19) + "---- STATIC EQUILIBRIUM POSITIONS ----");
  else writeRecord(u, " " + fmtX(20) + "---- STATIC EQUILIBRIUM ANGLES ----");
  writeRecord(u, "");
  if (KIND < 0) writeRecord(u, " " + fmtX(30) + "RIGHT SIDE    LEFT SIDE ");
  else if (KIND == 0) writeRecord(u, " " + fmtX(24) + "VERTICAL      HORIZONTAL");
  else if (KIND == 1) writeRecord(u, " " + fmtX(30) + " BOTTOM           TOP");
  else if (KIND == 2) writeRecord(u, " " + fmtX(30) + " RADIAL        VERTICAL");
  else {
    writeRecord(u, " " + fmtX(30) + "  VERTICAL        LATERAL ");
    writeRecord(u, fmtX(31) + "    (DEG)          (DEG)");
  }
  writeRecord(u, "");

  if (KIND <= 1) {
    const StaticLoadRows rows = staticLoadRows(KIND, IDX);
    if (KIND == 0) {
      writeRecord(u, " " + fmtX(21) + fmtF(rows.value[0][0], 9, 1) + fmtX(6) + fmtF(rows.value[0][1], 9, 1) + fmtX(2) +
                         forceUnit());
    } else {
      const char* labels[3] = {"IN-PLANE SHEAR", "IN-PLANE AXIAL", "LATERAL SHEAR "};
      for (int r = 0; r < 3; ++r) {
        writeRecord(u, " " + fmtX(14) + labels[r] + fmtF(rows.value[r][0], 9, 1) + fmtX(6) + fmtF(rows.value[r][1], 9, 1) +
                           fmtX(2) + forceUnit());
      }
    }
    LINES(u, 2);
    writeRecord(u, " " + fmtX(11) + "EQUILIBRIUM ANGLE OF MEMBER FROM VERTICAL =" +
                       fmtF(memberAngle(EQCOS, EQSIN, IDX) * kDegreesPerRadian, 6, 2) + " DEG");
  } else if (KIND == 2) {
    const float cy = std::cos(e.YOKSLM);
    float radial = 0.0f, vertical = sv.ANCHT;
    for (int j = 1; j <= N + 1; ++j) {
      writeRecord(u, " " + fmtX(19) + "JOINT #" + fmtI(j, 2) + fmtF(radial, 9, 2) + fmtX(6) + fmtF(vertical, 9, 2) +
                         fmtX(2) + fmtA(lengthUnit(), 2));
      if (j > N) break;
      radial += EQSIN[j - 1] * sv.CNLEN(j) * (j == N ? cy : 1.0f);
      vertical += EQCOS[j - 1] * sv.CNLEN(j);
    }
  } else {
    for (int m = 1; m <= N; ++m) {
      // The yoke's angle out of the SALM plane as the low-frequency report reduced it, (-180, 180]
      // degrees: a yoke in line shows 0 on whichever side of it the equilibrium's rounding leaves it.
      const float lateral = m == N && t.IARCO == kYoke ? e.YOKSLM * kDegreesPerRadian : 0.0f;
      writeRecord(u, " " + fmtX(20) + "MEMBER #" + fmtI(m, 2) + fmtF(memberAngle(EQCOS, EQSIN, m) * kDegreesPerRadian, 9, 2) +
                         fmtX(6) + fmtF(lateral, 9, 2));
    }
  }
}

// The heading of the operator or spectrum rows.
void writeRowHeading(int KIND, int IDX) {
  const Tpcm& t = TPCM;
  const std::int32_t u = t.IUNIT;
  const bool spectra = t.SPECFG == 1;
  std::string name;
  std::string label;
  if (KIND <= 1) {
    name = spectra ? "++++      JOINT LOAD SPECTRA     ++++" : "++++ JOINT LOAD RAOS (S.A./S.A.) ++++";
    label = spectra ? (english() ? "(K.LBS**2*SEC)" : "(M.TON**2*SEC)") : (english() ? "  (K.LBS/FT)  " : "  (M.TON/M.)  ");
  } else if (KIND == 2) {
    name = spectra ? "++++      JOINT POSITION SPECTRA     ++++" : "++++ JOINT POSITION RAOS (S.A./S.A.) ++++";
    label = spectra ? (english() ? "  (FT**2*SEC) " : "  (M.**2*SEC) ") : (english() ? "    (FT/FT)   " : "    (M./M.)   ");
  } else {
    name = spectra ? "++++      MEMBER ANGLE SPECTRA     ++++" : "++++ MEMBER ANGLE RAOS (S.A./S.A.) ++++";
    label = spectra ? " (DEG**2*SEC) " : (english() ? "   (DEG/FT)   " : "   (DEG/M.)   ");
  }
  name.resize(41, ' ');
  writeRecord(u, "");
  writeRecord(u, " MOTION" + fmtX(4) + "WAVE" + fmtX(8) + name);
  writeRecord(u, " PERIOD" + fmtX(3) + "LENGTH" + fmtX(14) + (spectra ? fmtX(25) : "PER UNIT MOTION AMPLITUDE"));
  writeRecord(u, " (SEC)" + fmtX(5) + "(" + std::string(lengthUnit()) + ")" + fmtX(20) + label);
  writeRecord(u, "");
  if (KIND == 2) {
    writeRecord(u, " " + fmtX(21) + "----------------  JOINT #" + fmtI(IDX + 1, 2) + "  --------------");
    writeRecord(u, "");
    writeRecord(u, " " + fmtX(21) + "  RADIAL" + fmtX(9) + "VERTICAL" + fmtX(8) + " LATERAL ");
  } else if (KIND >= 3) {
    std::string line = " " + fmtX(22);
    for (int m = 1; m <= 3; ++m) line += "MEMBER #" + fmtI(m, 1) + fmtX(7);
    writeRecord(u, line);
    writeRecord(u, "");
  } else {
    writeLoadColumnsHeading(u);
    return;
  }
  writeFieldsHeading(u);
}

// The last line of a table heading: the three fields' "AM/PHASE" (blank for spectra).
void writeFieldsHeading(std::int32_t u) {
  const std::string field = TPCM.SPECFG == 1 ? fmtX(8) : "AM/PHASE";
  writeRecord(u, " " + fmtX(22) + field + fmtX(8) + field + fmtX(8) + field + fmtX(8));
  writeRecord(u, "");
}

}  // namespace

std::string_view lengthUnit() { return english() ? "FT" : "M."; }

void writeLoadColumnsHeading(std::int32_t unit) {
  writeRecord(unit, fmtX(25) + "---  IN-PLANE   ---" + fmtX(11) + "LATERAL");
  writeRecord(unit, fmtX(20) + "    SHEAR" + fmtX(11) + "AXIAL" + fmtX(9) + "  SHEAR");
  writeFieldsHeading(unit);
}

std::string responseRowStart(int IW) {
  return " " + fmtF(TPCM.T(IW), 6, 2) + fmtX(2) + fmtF(kTwoPi / WAVCOM.WVK(IW), 7, 1);
}

std::string responseField(Complex z, float scale, int decimals, float E) {
  const float amplitude = std::abs(z) * scale;
  if (TPCM.SPECFG == 1) return fmtX(2) + fmtE(amplitude * amplitude * E, 12, 3) + fmtX(2);
  return fmtF(amplitude, 9, decimals) + "/" + fmtF(PHASE(z), 6, 1);
}

// The load amplitudes of a row of a load table (shear, axial and lateral load, F9.2 each) must fit
// their fields.
void requirePrintableLoads(std::string_view TITLE, int IDX, int IW, const Complex z[3]) {
  static const char* const kLoad[3] = {"shear", "axial load", "lateral load"};
  std::string title(TITLE);
  title.erase(title.find_last_not_of(' ') + 1);
  for (int i = 0; i < 3; ++i) {
    const float amplitude = std::abs(z[i]);
    if (fitsField(amplitude, 9, 2)) continue;
    requirePrintableLoad(amplitude, 9, 2, "DYNOUT",
                         std::string("The amplitude of the ") + kLoad[i] + " of member " + fmtI(IDX, 0) + " in \"" +
                             title + "\" at the period " + fixedText(TPCM.T(IW), 2) + " s");
  }
}

void writeSectionSevenTitle(std::int32_t unit) {
  writeRecord(unit, "");
  writeRecord(unit, "   " + std::string(10, '*') + "      VII.  SALM MEMBER RESPONSE" + " CHARACTERISTICS       " +
                        std::string(10, '*'));
  LINES(unit, 2);
}

std::optional<float> membersSeaHeading(float WAVDIR, bool attached) {
  if (!attached || TPCM.LEXTND != 0) return std::nullopt;
  const float sea = memberWaveHeading();
  if (std::fabs(ANGSYM(sea - WAVDIR)) * kDegreesPerRadian <= kHeadingShown) return std::nullopt;
  return REDRAD(sea) * kDegreesPerRadian;
}

void writeHeadingConditions(std::int32_t unit, float WAVDIR, bool vesselLine) {
  const Tpcm& t = TPCM;
  const Equilb& e = EQUILB;
  if (t.LEXTND != 0) {
    writeRecord(unit, fmtX(23) + "EXTENSION AMPLITUDE   = " + fmtF(t.SLPHT, 6, 1) + " " + std::string(lengthUnit()));
    writeRecord(unit, "");
    return;
  }
  const auto heading = [unit](std::string_view label, float degrees, std::string_view end) {
    writeRecord(unit, fmtX(27) + std::string(label) + fmtF(degrees, 6, 1) + std::string(end));
  };
  writeRecord(unit, fmtX(27) + "WAVE " + waveWord() + "   = " + fmtF(t.SLPHT, 6, 1) + " " + waveUnit());
  heading("WAVE HEADING   = ", WAVDIR * kDegreesPerRadian, " DEG");
  if (const std::optional<float> sea = membersSeaHeading(WAVDIR, vesselLine))
    heading("MEMBER WAVE LOADS FROM THE " + std::string(memberWaveSystem()) + " AT", *sea, " DEG");
  // The SALM's and the vessel's headings are reduced by 360 keeping their sign.
  heading("SALM HEADING   = ", std::fmod(e.SLMANG(e.ISTAB) * kDegreesPerRadian, 360.0f), " DEG");
  if (vesselLine) heading("VESSEL HEADING = ", std::fmod(e.TANGLE(e.ISTAB) * kDegreesPerRadian, 360.0f), " DEG ");
  writeRecord(unit, "");
}

StaticLoadRows staticLoadRows(int KIND, int IDX) {
  const Output& o = OUTPUT;
  const Solve& sv = SOLVE;
  const Equilb& e = EQUILB;
  const int N = sv.NCON;
  const float F = e.FTOT(e.ISTAB);
  StaticLoadRows r{};
  if (KIND == 0) {
    r.value[0][0] = -sv.ZLDTMP(IDX);
    r.value[0][1] = -F;
    return r;
  }
  const float c = o.EQCOS(IDX), s = o.EQSIN(IDX);
  if (KIND == 1) {
    const float lateral = IDX == N && TPCM.IARCO == kYoke ? F * std::sin(e.YOKSLM) : 0.0f;
    for (int end = 0; end < 2; ++end) {
      const float Z = sv.ZLDTMP(IDX + end);
      r.value[0][end] = F * c - Z * s;
      r.value[1][end] = F * s + Z * c;
      r.value[2][end] = lateral;
    }
    return r;
  }
  // The yoke sides (and the hinges they rest on) share the top load and differ by DELTA0.
  const float Z = sv.ZLDTMP(N + 1);
  const float shear = 0.5f * (F * c - Z * s);
  const float M = 0.5f * (F * s + Z * c);
  const bool hinge = KIND == -4;
  r.value[0][0] = shear + (hinge ? e.DELTA0 * o.EQCOS(N) : 0.0f);
  r.value[0][1] = shear - (hinge ? e.DELTA0 * o.EQCOS(N) : 0.0f);
  r.value[1][0] = M - (hinge ? e.DELTA0 * o.EQSIN(N) : e.DELTA0);
  r.value[1][1] = M + (hinge ? e.DELTA0 * o.EQSIN(N) : e.DELTA0);
  r.value[2][0] = r.value[2][1] = 0.5f * e.FLTRL0;
  return r;
}

void RAOPRT(std::string_view TITLE, const Complex* SHR, const Complex* AXL, const Complex* LTR, int IDX, int KIND,
            const Complex* PHIMEM, const Complex* THTMEM, const float* EQCOS, const float* EQSIN, float WAVDIR,
            std::int32_t ISWLFG, std::int32_t ISWLFG2, std::int32_t IRANFG, float SPDVAL) {
  const Tpcm& t = TPCM;
  const Solve& sv = SOLVE;
  const Equilb& e = EQUILB;
  const std::int32_t u = t.IUNIT;
  const int N = sv.NCON;
  const auto phi = [&](int IW, int m) { return PHIMEM[(m - 1) * kMaxWavePeriods + IW - 1]; };
  const auto tht = [&](int IW, int m) { return THTMEM[(m - 1) * kMaxWavePeriods + IW - 1]; };

  PAGE(u, t.EDUNIT, 1, 99);
  writeSectionSevenTitle(u);
  if (KIND >= 2) writeRecord(u, " " + std::string(TITLE));
  else writeRecord(u, " >>> MEMBER #" + fmtI(IDX, 2) + " -- " + std::string(TITLE));
  writeRecord(u, "");
  writeHeadingConditions(u, WAVDIR, TPCM.FRESLM == 0);  // a free SALM has no vessel
  writeStaticBlock(KIND, IDX, EQCOS, EQSIN);
  writeRowHeading(KIND, IDX);

  WaveShares waves;
  if (t.LRANDM != 0 && IRANFG == 1) waves.sea = SPDVAL;
  if (t.LSWELL != 0 && ISWLFG == 1) waves.swell = 1.0f;
  if (secondSwellOn() && ISWLFG2 == 1) waves.swell2 = 1.0f;
  const float cy = std::cos(e.YOKSLM), sy = std::sin(e.YOKSLM);
  // A row that the vessel under way meets so near zero encounter frequency that its weight is 0 holds
  // the response to its surge there, without restoring: no statistic takes it, and its loads are no
  // sign of a riser in line. A row any statistic takes, in part or whole, prints. The table keeps
  // every row whole, as every table does.
  const EncounterWeights weights = riserLoadsGuarded() ? blockEncounterWeights(blockInHand()) : EncounterWeights{};
  for (int IW = 1; IW <= wavePoints(); ++IW) {
    Complex z[3];
    float scale = 1.0f;
    if (KIND <= 1) {
      z[0] = SHR[IW - 1];
      z[1] = AXL[IW - 1];
      z[2] = LTR[IW - 1];
    } else if (KIND == 2) {
      for (int m = 1; m <= IDX; ++m) {
        const float Lm = sv.CNLEN(m);
        const bool top = m == N;
        z[0] += Lm * phi(IW, m) * EQCOS[m - 1] * (top ? cy : 1.0f);
        z[1] -= Lm * phi(IW, m) * EQSIN[m - 1];
        z[2] += Lm * tht(IW, m) * (top ? cy : 1.0f);
        if (top) {
          z[0] -= Lm * sy * tht(IW, N);
          z[2] += Lm * EQCOS[N - 1] * sy * phi(IW, N);
        }
      }
    } else {
      for (int m = 1; m <= 3; ++m) z[m - 1] = KIND == 3 ? phi(IW, m) : tht(IW, m);
      scale = kDegreesPerRadian;
    }
    std::string row = responseRowStart(IW);
    const float E = waveDensity(IW, waves);
    if (KIND <= 1 && t.SPECFG != 1 && riserLoadsGuarded() && !weights.none(IW)) requirePrintableLoads(TITLE, IDX, IW, z);
    for (const Complex& v : z) row += responseField(v, scale, KIND >= 3 ? 3 : 2, E);
    writeRecord(u, row);
  }
}

void DYNOUT() {
  Tpcm& t = TPCM;
  Output& o = OUTPUT;
  Dyncom& d = DYNCOM;
  ++sectionSevenState.passes;
  writeRecord(t.EDUNIT, "");
  writeRecord(t.EDUNIT, " >>> Outputting wave-frequency rao data...");
  writeRecord(t.EDUNIT, "");
  const int N = SOLVE.NCON;
  d.IYKBOT = 2 * N;
  d.IYKTP1 = 2 * N + 1;
  d.IYKTP2 = 2 * N + 2;
  const std::vector<Table> tables = tableSequence();
  const Complex* phimem = &o.PHIMEM(1, 1);
  const Complex* thtmem = &o.THTMEM(1, 1);

  bool fromStart = true;
  std::size_t i = 0;
  while (true) {
    if (fromStart) {
      fromStart = false;
      t.LBACK = 0;
      if (t.LEXTND == 0 && o.ISPRED <= 1) {
        writeWaveProperties();
        writeParticleDynamics();
      }
      i = 0;
    }
    if (i >= tables.size()) break;
    const Table& table = tables[i];
    const std::string_view title = t.SPECFG == 1 ? table.spectrumTitle : table.raoTitle;
    const int column = std::max(table.column, 1);
    RAOPRT(title, &o.NETSHR(1, column), &o.NETAXL(1, column), &o.NETLTR(1, column), table.IDX, table.KIND, phimem,
           thtmem, o.EQCOS.data(), o.EQSIN.data(), o.WAVDIR, o.ISWLFG, o.ISWLFG2, o.IRANFG, o.SPDVAL);
    if (toConsole()) {
      PRSRET(t.EDUNIT, kKeyboardUnit, t.LBACK);
      if (t.LBACK <= -1) {
        if (table.back < 0) fromStart = true;
        else i = static_cast<std::size_t>(table.back);
        continue;
      }
    }
    ++i;
  }
  if (t.IPLOTS != 0) writePlotRecords();
}

}  // namespace qv
