#include "dynamics/ranout.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <initializer_list>
#include <string>
#include <vector>

#include "dataset/tpcm.h"
#include "dynamics/dynslm.h"
#include "dynamics/printed_loads.h"
#include "hull/equilb.h"
#include "lowfreq/net_loads.h"
#include "numlib/circle_constants.h"
#include "numlib/storm_peak.h"
#include "platform/block_reset.h"
#include "platform/units.h"
#include "slowdrift/lowprt.h"
#include "slowdrift/output.h"
#include "slowdrift/pekcom.h"
#include "statics/momupd.h"
#include "statics/solve.h"
#include "statics/wet_elements.h"
#include "util/console_io.h"
#include "util/dialogue.h"
#include "util/fatal.h"
#include "util/files.h"
#include "util/fortran_format.h"
#include "waves/sea_state.h"
#include "waves/wavcom.h"

// Records are built field by field as the formats give them; blanks of X editing are written even
// at the end of a record.

namespace qv {

constinit RanoutState ranoutState{};
const BlockReset resetRanoutState{[] { ranoutState.reset(); }};

namespace {

constexpr std::string_view kReportFile = "RANOUT.stxt";
constexpr int kConvertedWords = 84;  // the 45 amplitudes and the rates of the first 39

bool freeSalm() { return TPCM.FRESLM != 0; }
bool toConsole() { return TPCM.IUNIT == TPCM.EDUNIT; }

// The pause at the end of a page on the console; true for a reply of -1 or below.
bool pauseGoesBack() {
  if (!toConsole()) return false;
  PRSRET(TPCM.EDUNIT, kKeyboardUnit, TPCM.LBACK);
  return TPCM.LBACK <= -1;
}

void setAmplitudeFactor() {
  RanoutState& r = ranoutState;
  const bool one = TPCM.ONETWO != 0;
  r.SIGFAC = one ? 1.0f : 2.0f;
  std::snprintf(r.NUMSIG, sizeof r.NUMSIG, "%s", one ? "ONE" : "TWO");
}

// Six values F9.2, each followed by three blanks.
std::string values(const float* v, int count) {
  std::string s;
  for (int i = 0; i < count; ++i) s += fmtF(v[i], 9, 2) + fmtX(3);
  return s;
}

// The labels and subject of the pages of sections IX and X.
struct Labels {
  std::string AUNIT, TUNIT, MUNIT;
};

void writeSectionTitle(bool peaks, std::string_view MOTLOD) {
  const std::int32_t u = TPCM.IUNIT;
  PAGE(u, TPCM.EDUNIT, 1, 99);
  if (peaks) {
    writeRecord(u, " " + std::string("*************       X.  MOST PROBABLE ") + "PEAK " + std::string(MOTLOD) +
                       "        *************");
  } else {
    writeRecord(u, " " + std::string("********       IX.  COMPOSITE STATISTICAL") + " SUMMARIES: " + std::string(MOTLOD) +
                       "    ********");
  }
  LINES(u, 2);
}

// The heading lines of a page. The waves' heading is that of the random waves the statistics are
// of, or, with neither sea nor swell, that of the pass's own regular waves, as the member-response
// report names it; never the heading left on a switched-off sea's page.
void writeHeadings() {
  const Equilb& e = EQUILB;
  const float waves = randomWavesHeading().value_or(OUTPUT.WAVDIR * kDegreesPerRadian);
  HEADRS(waves, e.SLMANG(e.ISTAB), e.TANGLE(e.ISTAB), kDegreesPerRadian, TPCM.IUNIT);
}

// The sub-table titles: wave-frequency, low-frequency, combined.
void writeSubTitle(int part, std::string_view MOTLOD) {
  const std::int32_t u = TPCM.IUNIT;
  static const char* const kTitles[3] = {"---- WAVE-FREQUENCY ", "---- LOW-FREQUENCY ",
                                         "---- COMBINED WAVE AND LOW-FREQUENCY "};
  writeRecord(u, "");
  if (part == 2) writeRecord(u, "");
  writeRecord(u, " " + std::string(kTitles[part]) + std::string(MOTLOD));
  writeRecord(u, "");
}

void writeSigmaHeading() {
  const std::int32_t u = TPCM.IUNIT;
  writeRecord(u, "");
  writeRecord(u, fmtX(17) + "---------  " + ranoutState.NUMSIG + " SIGMA DEVIATIONS FROM MEAN " + " --------");
  LINES(u, 2);
}

// The storm duration and, unless the page has its own, the peak heading.
void writeStormLine(bool peakHeading) {
  const std::int32_t u = TPCM.IUNIT;
  LINES(u, 2);
  writeRecord(u, " >>>> Storm Duration (hrs): " + fmtF(TPCM.DURATN, 10, 2));
  if (!peakHeading) return;
  writeRecord(u, "");
  writeRecord(u, fmtX(18) + "----  MOST PROBABLE PEAK DEVIATIONS " + "FROM MEAN  ----");
  LINES(u, 2);
}

// ---- motions ----

constexpr std::string_view kMotions = "MOTIONS      ";

void writeMotionHeadings(const Labels& l) {
  const std::int32_t u = TPCM.IUNIT;
  writeRecord(u, fmtX(16) + "++++ MEMBER TOP POSITION ++++" + fmtX(5) + "+++ MEMBER ANGLES +++");
  writeRecord(u, "");
  writeRecord(u, std::string("    MEMBER      RADIAL     VERTICAL    ") + "LATERAL     IN-PLANE    LATERAL");
  writeRecord(u, "      #          (" + l.AUNIT + ")        (" + l.AUNIT + ")       (" + l.AUNIT +
                     ")        (DEG)       (DEG)");
  writeRecord(u, "");
}

void writeMotionRow(int member, const float v[5]) {
  writeRecord(TPCM.IUNIT, fmtX(6) + fmtI(member, 1) + fmtX(6) + values(v, 5));
}

void writeStaticOrientation(const Labels& l) {
  const std::int32_t u = TPCM.IUNIT;
  const Output& o = OUTPUT;
  const Solve& sv = SOLVE;
  const Equilb& e = EQUILB;
  writeRecord(u, "");
  writeRecord(u, fmtX(21) + "-------   MEMBER STATIC ORIENTATION   ------");
  LINES(u, 2);
  writeMotionHeadings(l);
  float X = 0.0f, Y = 0.0f, Z = sv.ANCHT, T = 0.0f;
  for (int M = 1; M <= sv.NCON; ++M) {
    float f = 1.0f;
    if (M == sv.NCON) {
      f = std::cos(e.YOKSLM);
      Y = std::sin(e.YOKSLM) * sv.CNLEN(M) * o.EQSIN(M);
      T = e.YOKSLM * kDegreesPerRadian;  // (-180, 180]: a yoke in line shows 0, never 360
    }
    X += o.EQSIN(M) * sv.CNLEN(M) * f;
    Z += o.EQCOS(M) * sv.CNLEN(M);
    const float E = o.EQCOS(M) != 0.0f ? std::atan2(o.EQSIN(M), o.EQCOS(M)) * kDegreesPerRadian : 90.0f;
    const float row[5] = {X, Z, Y, E, T};
    writeMotionRow(M, row);
  }
}

void writeMotionsPage(const Labels& l) {
  const Output& o = OUTPUT;
  setAmplitudeFactor();
  writeSectionTitle(false, kMotions);
  writeHeadings();
  writeStaticOrientation(l);
  writeSigmaHeading();
  writeMotionHeadings(l);
  for (int part = 0; part < 3; ++part) {
    writeSubTitle(part, kMotions);
    for (int J = 1; J <= SOLVE.NCON; ++J) {
      const float wave[5] = {o.RSIGHF(3 * J - 2), o.RSIGHF(3 * J - 1), o.RSIGHF(3 * J), o.ASIGHF(J) * kDegreesPerRadian,
                             o.TSIGHF(J) * kDegreesPerRadian};
      const float low[5] = {o.RSIGLF(3 * J - 2), o.RSIGLF(3 * J - 1), o.RSIGLF(3 * J), o.ASIGLF(J) * kDegreesPerRadian,
                            o.TSIGLF(J) * kDegreesPerRadian};
      float row[5];
      for (int n = 0; n < 5; ++n) row[n] = part == 0 ? wave[n] : part == 1 ? low[n] : FSQRT(wave[n], low[n]);
      writeMotionRow(J, row);
    }
  }
}

void writePeakMotionsPage(const Labels& l) {
  const Output& o = OUTPUT;
  const Pekcom& p = PEKCOM;
  RanoutState& r = ranoutState;
  r.WFREQ = 0.0f;
  if (o.ASIGHF(1) != 0.0f) r.WFREQ = o.SIGDOT(31) / o.ASIGHF(1);  // rate over angle of member 1
  writeSectionTitle(true, kMotions);
  writeHeadings();
  writeStaticOrientation(l);
  writeStormLine(true);
  writeMotionHeadings(l);
  const float hours = TPCM.DURATN;
  const auto peak = [&](float wave, float low) { return HPKVAL(wave, low, hours, r.WFREQ, r.SIGFAC); };
  for (int part = 0; part < 3; ++part) {
    writeSubTitle(part, kMotions);
    for (int J = 1; J <= SOLVE.NCON; ++J) {
      float wave[5], low[5];
      for (int i = 0; i < 3; ++i) {
        wave[i] = peak(o.RSIGHF(3 * J - 2 + i), o.RSIGLF(3 * J - 2 + i));
        low[i] = p.RSIGLP(3 * J - 2 + i);
      }
      wave[3] = peak(o.ASIGHF(J), o.ASIGLF(J));
      wave[4] = peak(o.TSIGHF(J), o.TSIGLF(J));
      low[3] = p.ASIGLP(J);
      low[4] = p.TSIGLP(J);
      float row[5];
      for (int n = 0; n < 5; ++n) {
        const float scale = n >= 3 ? kDegreesPerRadian : 1.0f;  // angles in degrees
        row[n] = scale * (part == 0 ? wave[n] : part == 1 ? low[n] : low[n] + wave[n]);
      }
      writeMotionRow(J, row);
    }
  }
}

// ---- loads ----

constexpr std::string_view kLoads = "LOADS        ";

// A row of member-end loads, each of which must fit its field: `table` names the loads of the
// table ("The static", "The most probable combined peak of the").
void writeLoadRow(int member, char side, const float v[6], const std::string& table) {
  static const char* const kLoad[3] = {"shear", "axial load", "lateral load"};
  for (int i = 0; i < 6 && riserLoadsGuarded(); ++i) {
    if (fitsField(v[i], 9, 2)) continue;
    std::string where = member == 0 ? "the base" : std::string(i < 3 ? "the bottom" : "the top") + " of member " + fmtI(member, 0);
    if (side != ' ') where += std::string(" (yoke side ") + side + ")";
    requirePrintableLoad(v[i], 9, 2, "RANOUT", table + " " + kLoad[i % 3] + " at " + where);
  }
  writeRecord(TPCM.IUNIT, fmtX(3) + fmtI(member, 1) + std::string(1, side) + " " + values(v, 6));
}

void writeStaticLoads(const Labels& l) {
  const std::int32_t u = TPCM.IUNIT;
  const Output& o = OUTPUT;
  const Solve& sv = SOLVE;
  const Equilb& e = EQUILB;
  const int N = sv.NCON;
  writeRecord(u, "");
  writeRecord(u, fmtX(20) + "--------   STATIC EQUILIBRIUM LOADS   --------");
  LINES(u, 2);
  writeRecord(u, std::string("           ++++++++   BOTTOM   ++++++++") + "        ++++++++    TOP    +++++++++");
  writeRecord(u, "");
  writeRecord(u, std::string(" MEMBER   SHEAR       AXIAL      LATERAL") + "      SHEAR       AXIAL      LATERAL");
  std::string units = "   #     (";
  for (int n = 0; n < 6; ++n) units += fmtA(l.TUNIT, 5) + (n < 5 ? ")     (" : ")");
  writeRecord(u, units);
  writeRecord(u, "");
  const float F = e.FTOT(e.ISTAB);
  const float base[6] = {F, sv.ZLDTMP(1), 0.0f, F, sv.ZLDTMP(1), 0.0f};
  const std::string table = "The static";
  writeLoadRow(0, ' ', base, table);
  // A yoke's two sides share the top member's loads and rest on two hinges; any other top member is
  // reported as the members below it.
  const bool yoke = !freeSalm() && TPCM.IARCO == kYoke;
  const int plain = yoke ? N - 1 : N;
  for (int M = 1; M <= plain; ++M) {
    const float row[6] = {o.FSHR(M, M), o.FAX(M, M), 0.0f, o.FSHR(M + 1, M), o.FAX(M + 1, M), 0.0f};
    writeLoadRow(M, ' ', row, table);
  }
  if (!yoke) return;
  const float bottomShear = 0.5f * o.FSHR(N, N), bottomAxial = 0.5f * o.FAX(N, N);
  const float topShear = 0.5f * o.FSHR(N + 1, N), lateral = 0.5f * e.FLTRL0;
  const float sideAxial[2] = {0.5f * o.FAX(N + 1, N) - e.DELTA0, 0.5f * o.FAX(N + 1, N) + e.DELTA0};
  const char sides[2] = {'R', 'L'};
  for (int k = 0; k < 2; ++k) {
    const float row[6] = {bottomShear, bottomAxial, lateral, topShear, sideAxial[k], lateral};
    writeLoadRow(N, sides[k], row, table);
  }
  const float s = o.EQSIN(N), c = o.EQCOS(N);
  for (int k = 0; k < 2; ++k) {
    const float A = sideAxial[k];
    const float axial = A * s + topShear * c, shear = topShear * s - A * c;
    const float row[6] = {shear, axial, lateral, shear, axial, lateral};
    writeLoadRow(N + 1, sides[k], row, table);
  }
}

void writeLoadsPage(const Labels& l) {
  writeSectionTitle(false, kLoads);
  writeHeadings();
  writeStaticLoads(l);
  writeSigmaHeading();
  const RanoutState& r = ranoutState;
  for (int part = 0; part < 3; ++part) {
    writeSubTitle(part, kLoads);
    RANDAT(part + 1, r.CNTF1, r.CNTF2, r.WFREQ, r.SIGFAC);
  }
}

// The peak period of the swells alone [s]: the swell's, or with a second swell the period of the
// higher of the two (the longer at equal heights), whichever the data set calls first.
float dominantSwellPeriod() {
  const Wavcom& w = WAVCOM;
  const float first = swellPeakPeriod(1);
  if (!secondSwellOn()) return first;
  const float second = swellPeakPeriod(2);
  return w.SWHSWL2 > w.SWHSWL || (w.SWHSWL2 == w.SWHSWL && second > first) ? second : first;
}

void writePeakLoadsPage(const Labels& l) {
  const Tpcm& t = TPCM;
  const Output& o = OUTPUT;
  const Solve& sv = SOLVE;
  RanoutState& r = ranoutState;
  writeSectionTitle(true, kLoads);
  writeHeadings();
  writeStaticLoads(l);
  writeStormLine(true);
  // A free column of one member: the centrifugal load of its swing adds to the axial peak, and the
  // in-line motion's phase to the wave takes part of it. The swing has the peak period of the sea
  // that acts: the random sea's, or the swell's when it is alone.
  r.CNTF1 = 0.0f;
  r.CNTF2 = 1.0f;
  if (freeSalm() && sv.NCON <= 1) {
    const float TP = t.LRANDM != 0 ? WAVCOM.TPK : dominantSwellPeriod();
    const float theta = HPKVAL(o.ASIGHF(1), o.ASIGLF(1), t.DURATN, r.WFREQ, r.SIGFAC);
    const float rate = kTwoPi * theta / TP;
    r.CNTF1 = rate * rate * (sv.CNMASS(1) * sv.CNCG(1) + 0.4f * sv.CNBUOY(1) * sv.CNCB(1)) / WAVCOM.G;
    const float ratio = o.TSALMH / TP;
    r.CNTF2 = std::fabs(std::cos(std::atan2(o.GAMPHI * ratio, 1.0f - ratio * ratio)));
  }
  if (t.NBUG != 0) writeRecord(t.EDUNIT, " CNTF1, CNTF2:" + fmtE(r.CNTF1, 14, 6) + fmtE(r.CNTF2, 14, 6));
  for (int part = 0; part < 3; ++part) {
    writeSubTitle(part, kLoads);
    RANDAT(part + 4, r.CNTF1, r.CNTF2, r.WFREQ, r.SIGFAC);
  }
}

// ---- moments ----

constexpr std::string_view kMoments = "MOMENTS/LOADS";

// The moment points of member ICON: its flagged elements and the moment point of each.
struct MomentPoint {
  int element, point;
};
std::vector<MomentPoint> memberMomentPoints(int ICON, int firstPoint) {
  const Solve& sv = SOLVE;
  std::vector<MomentPoint> points;
  for (int j = sv.JELEM(ICON); j <= sv.JELEM(ICON + 1) - 1; ++j) {
    if (TPCM.LMOMT(j) != 0) points.push_back({j, firstPoint + static_cast<int>(points.size())});
  }
  return points;
}

void writeMomentColumns(const Labels& l) {
  const std::int32_t u = TPCM.IUNIT;
  writeRecord(u, std::string("         --- IN-PLANE LOADS ---    LATERAL") + "      IN-PLANE       LATERAL");
  writeRecord(u, std::string("  ELEMENT   SHEAR       AXIAL       SHEAR        MOMENT") + "        MOMENT");
  const std::string t = fmtA(l.TUNIT, 5);
  writeRecord(u, "    #      (" + t + ")     (" + t + ")     (" + t + ")      (" + l.MUNIT + ")     (" + l.MUNIT + ")");
  writeRecord(u, "");
}

// One row of a moment point's five values in their stored order (in-plane shear, axial, lateral shear,
// the lateral shear's moment, the in-plane loads' moment). The columns follow the loads' planes, so
// the in-plane moment, the one the in-plane loads bend the member with, is printed first.
void writeMomentRow(int element, const float v[5]) {
  std::string row = fmtX(3) + fmtI(element, 2) + " ";
  for (int i = 0; i < 3; ++i) row += fmtF(v[i], 12, 2);
  row += fmtX(3);
  for (const int i : {4, 3}) row += fmtE(v[i], 12, 3) + fmtX(2);
  writeRecord(TPCM.IUNIT, row);
}

// The page's title, the heading lines and the member's static moments and loads (recomputed for a
// free SALM).
void writeStaticMoments(const Labels& l, bool peaks, int ICON, const std::vector<MomentPoint>& points) {
  const Tpcm& t = TPCM;
  const Solve& sv = SOLVE;
  const Equilb& e = EQUILB;
  Output& o = OUTPUT;
  const std::int32_t u = t.IUNIT;
  writeSectionTitle(peaks, kMoments);
  writeHeadings();
  writeRecord(u, "");
  writeRecord(u, fmtX(9) + "-----  STATIC EQUILIBRIUM MOMENTS/LOADS FOR MEMBER # " + fmtI(ICON, 1) + "  -----");
  LINES(u, 2);
  writeMomentColumns(l);
  if (freeSalm()) {
    // Upright, the piercing element carries its wetted part as the free driver left it.
    const WetElements wet = dynamicsWetElements();
    std::int32_t count = points.front().point;
    MOMUPD(e.FTOT(e.ISTAB), o.EQSIN(ICON), o.EQCOS(ICON), sv.JELEM.data(), sv.ZLOAD0.data(), e.FLTRL0, t.TMASS.data(),
           wet.BUOY.data(), t.CGSALM.data(), wet.CBUOY.data(), t.SLEN.data(), t.LMOMT.data(), o.STMOM, count, ICON,
           sv.NCON, t.EDUNIT, t.NBUG);
  }
  for (const MomentPoint& p : points) {
    if (p.point > kMaxMomentElements) break;
    const float row[5] = {o.STMOM(p.point, 1), o.STMOM(p.point, 2), o.STMOM(p.point, 3), o.STMOM(p.point, 4),
                          o.STMOM(p.point, 5)};
    writeMomentRow(p.element, row);
  }
}

// The three tables of a member's moment points: wave-frequency, low-frequency, combined.
void writeMomentTables(bool peaks, const std::vector<MomentPoint>& points) {
  const Output& o = OUTPUT;
  const RanoutState& r = ranoutState;
  for (int part = 0; part < 3; ++part) {
    writeSubTitle(part, kMoments);
    for (const MomentPoint& p : points) {
      if (p.point > kMaxMomentElements) break;
      float row[5];
      for (int I = 1; I <= 5; ++I) {
        const float wave = r.SIGFAC * std::sqrt(o.momentVariances(p.point, I));
        const float low = o.MSIGLF(p.point, I);
        float v = 0.0f;
        if (peaks) {
          const float wavePeak = HPKVAL(wave, low, TPCM.DURATN, r.WFREQ, r.SIGFAC);
          const float lowPeak = std::fabs(PEKCOM.MSIGLP(p.point, I));
          v = part == 0 ? wavePeak : part == 1 ? lowPeak : wavePeak + lowPeak;
        } else {
          v = part == 0 ? wave : part == 1 ? low : FSQRT(wave, low);
        }
        row[I - 1] = v;
      }
      writeMomentRow(p.element, row);
    }
  }
}

// Sections IX and X of the members with moment points: every member's deviations, then every
// member's peaks. True when the last pause asked to go back.
bool writeMomentPages(const Labels& l) {
  const Tpcm& t = TPCM;
  const std::int32_t u = t.IUNIT;
  const RanoutState& r = ranoutState;
  bool back = false;
  for (const bool peaks : {false, true}) {
    int IMOMT = 0;  // moment points of the members before
    for (int ICON = 1; ICON <= SOLVE.NCON; ++ICON) {
      const std::vector<MomentPoint> points = memberMomentPoints(ICON, IMOMT + 1);
      IMOMT += static_cast<int>(points.size());
      if (t.NBUG != 0) writeRecord(t.EDUNIT, " ICON, IMOMT:" + fmtI(ICON, 3) + fmtI(IMOMT, 4));
      if (points.empty()) continue;
      writeStaticMoments(l, peaks, ICON, points);
      if (peaks) writeStormLine(false);
      writeRecord(u, "");
      if (peaks) {
        writeRecord(u, fmtX(9) + "-------   PEAK DEVIATIONS FROM MEAN " + "FOR MEMBER # " + fmtI(ICON, 1) + "   -------");
      } else {
        writeRecord(u, fmtX(9) + "------  " + r.NUMSIG + " SIGMA DEVIATIONS FROM MEAN " + "FOR MEMBER # " +
                           fmtI(ICON, 1) + "  ------");
      }
      LINES(u, 2);
      writeMomentColumns(l);
      writeMomentTables(peaks, points);
      back = pauseGoesBack();
    }
  }
  return back;
}

// The cycle counts and peak factors of the low-frequency modes, for the debug listing.
void listLowFrequencyPeaks() {
  const Equilb& e = EQUILB;
  const float frequencies[3] = {e.WSURG, e.WYAWLO, e.WYAWHI};
  for (const float w : frequencies) {
    const float cycles = stormCycles(TPCM.DURATN, w);
    writeRecord(TPCM.EDUNIT, " CYCLES, PEAK FACTOR:" + fmtE(countedStormCycles(cycles), 14, 6) +
                                 fmtE(stormPeakFactor(cycles), 14, 6));
  }
}

// Section XI: the column's added mass and damping and its modes.
void writeModes() {
  const Tpcm& t = TPCM;
  const Output& o = OUTPUT;
  const std::int32_t u = t.IUNIT;
  PAGE(u, t.EDUNIT, 1, 99);
  const bool free = freeSalm();
  const std::string LABL1 = free ? "HIGH-FREQUENCY MODE PERIOD    = " : "IN-PLANE NORMAL MODE PERIOD   = ";
  const std::string LABL2 = free ? "LOW-FREQUENCY MODE PERIOD     = " : "TRANSVERSE NORMAL MODE PERIOD = ";
  writeRecord(u, " " + std::string("***********      XI.  SALM INTERNAL MODE CHAR") + "ACTERISTICS      **************");
  LINES(u, 2);
  if (t.LEXTND == 0) writeHeadings();
  LINES(u, 3);
  writeRecord(u, fmtX(15) + "---- ELEMENT 1 ASSIGNED ADDED MASS AND DAMPING ----");
  LINES(u, 2);
  writeRecord(u, fmtX(20) + "ADDED MASS COEFFICIENT = " + fmtF(t.COFMAS, 7, 2));
  writeRecord(u, fmtX(20) + "DAMPING COEFFICIENT    = " + fmtF(t.COFDMP, 7, 2));
  LINES(u, 3);
  writeRecord(u, fmtX(20) + "------  INTERNAL MODE CHARACTERISTICS  " + "------");
  LINES(u, 2);
  const auto mode = [&](const std::string& label, float period, float damping) {
    writeRecord(u, fmtX(20) + label + fmtF(period, 7, 2) + " SECONDS");
    writeRecord(u, fmtX(20) + "QUASI-LINEAR MODE DAMPING     = " + fmtF(50.0f * damping, 7, 2) + " PERCENT");
    writeRecord(u, "");
  };
  mode(LABL1, o.TSALMH, o.GAMPHI);
  if (SOLVE.NCON > 1) mode(LABL2, o.TSALML, o.GAMTHT);
}

}  // namespace

float FSQRT(float A, float B) { return std::sqrt(A * A + B * B); }

float HPKVAL(float P, float Q, float HOURS, float W, float DIV) {
  float R = 100.0f;
  if (Q != 0.0f) R = std::fabs(0.5f * P / Q);
  float C = 1.0f - R;
  if (!(C > 0.0f)) C = 1.0E-10f;
  // The share of the response cycles that the low-frequency motion leaves to the wave frequency.
  const float F = 0.63662f * std::atan(std::sqrt(1.0f - C * C) / C);
  return P * stormPeakFactor(stormCycles(HOURS, W) * F) / DIV;
}

namespace {

// "The two-sigma wave-frequency deviation of the", "The most probable combined peak of the": the
// loads of a table of RANDAT.
std::string loadTableName(int kind) {
  static const char* const kPart[3] = {"wave-frequency", "low-frequency", "combined"};
  const std::string part = kPart[(kind - 1) % 3];
  if (kind >= 4) return "The most probable " + part + " peak of the";
  std::string sigma = ranoutState.NUMSIG;
  for (char& c : sigma) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return "The " + sigma + "-sigma " + part + " deviation of the";
}

}  // namespace

void RANDAT(int kind, float CNTF1, float CNTF2, float WFREQ, float SIGFAC) {
  const Tpcm& t = TPCM;
  const Output& o = OUTPUT;
  const Pekcom& pk = PEKCOM;
  const int N = SOLVE.NCON;
  if (kind < 1 || kind > 6) {
    fatalStop("RANDAT", t.EDUNIT, {" ++> PROBLEMS IN RANDAT..."}, FatalWait::kPressReturn, kKeyboardUnit);
  }
  const bool free = freeSalm();
  const bool yoke = !free && t.IARCO == kYoke;
  // With a yoke the rows go on to its two sides and its two hinges; other attachments have neither.
  const int rows = free || yoke ? N + 4 : N + 1;
  for (int J = 1; J <= rows; ++J) {
    float YOKFAC = 1.0f;
    int MEM = J - 1;
    int IBOT = 2 * MEM, ITOP = IBOT + 1;
    char side = ' ';
    if (J == 1) IBOT = ITOP = 1;
    if (free && MEM > N) continue;
    if (yoke && MEM >= N) {
      side = (MEM == N || MEM == N + 2) ? 'R' : 'L';
      MEM = (J + N - 1) / 2;
      if (MEM == N) YOKFAC = 0.5f;
      ITOP = J + N;
      IBOT = 2 * N;
      if (J > N + 2) IBOT = ITOP;
    }
    float B[3], T[3];
    for (int II = 1; II <= 3; ++II) {
      const float waveB = o.FSIGHF(IBOT, II), waveT = o.FSIGHF(ITOP, II);
      const float lowB = o.FSIGLF(IBOT, II), lowT = o.FSIGLF(ITOP, II);
      if (kind == 1) {
        B[II - 1] = YOKFAC * waveB;
        T[II - 1] = waveT;
      } else if (kind == 2) {
        B[II - 1] = YOKFAC * lowB;
        T[II - 1] = lowT;
      } else if (kind == 3) {
        B[II - 1] = YOKFAC * FSQRT(waveB, lowB);
        T[II - 1] = FSQRT(waveT, lowT);
      } else {
        float BH = 0.0f, TH = 0.0f, BL = 0.0f, TL = 0.0f;
        if (kind != 5) {
          const bool centrifugal = J <= 2 && II == 2;  // the axial load of the base and member 1
          const float f = YOKFAC * (centrifugal ? CNTF2 : 1.0f);
          BH = f * HPKVAL(waveB, lowB, t.DURATN, WFREQ, SIGFAC) + (centrifugal ? CNTF1 : 0.0f);
          TH = MEM == 0 ? BH : HPKVAL(waveT, lowT, t.DURATN, WFREQ, SIGFAC);
        }
        if (kind != 4) {
          BL = std::fabs(YOKFAC * pk.FSIGLP(IBOT, II));
          TL = std::fabs(pk.FSIGLP(ITOP, II));
        }
        B[II - 1] = BH + BL;
        T[II - 1] = TH + TL;
      }
    }
    const float row[6] = {B[0], B[1], B[2], T[0], T[1], T[2]};
    writeLoadRow(MEM, side, row, loadTableName(kind));
  }
}

void RANNET(std::string_view AUNIT, std::string_view TUNIT, std::string_view MUNIT) {
  const Tpcm& t = TPCM;
  const Labels l{std::string(AUNIT), std::string(TUNIT), std::string(MUNIT)};
  const bool storm = t.DURATN > 0.0f;
  enum class Page { kMotions, kPeakMotions, kLoads, kPeakLoads, kMoments, kEnd };
  Page page = Page::kMotions;
  if (t.LBACK <= -1) page = storm ? Page::kPeakLoads : Page::kLoads;
  if (t.NBUG != 0) listLowFrequencyPeaks();
  while (page != Page::kEnd) {
    switch (page) {
      case Page::kMotions:
        writeMotionsPage(l);
        page = pauseGoesBack() ? Page::kMotions : storm ? Page::kPeakMotions : Page::kLoads;
        break;
      case Page::kPeakMotions:
        writePeakMotionsPage(l);
        page = pauseGoesBack() ? Page::kMotions : Page::kLoads;
        break;
      case Page::kLoads:
        writeLoadsPage(l);
        if (pauseGoesBack()) page = storm ? Page::kPeakMotions : Page::kLoads;
        else page = storm ? Page::kPeakLoads : Page::kEnd;
        break;
      case Page::kPeakLoads:
        writePeakLoadsPage(l);
        if (pauseGoesBack()) page = Page::kLoads;
        else page = t.NMOMT > 0 ? Page::kMoments : Page::kEnd;
        break;
      case Page::kMoments:
        writeMomentPages(l);
        page = Page::kEnd;
        break;
      case Page::kEnd:
        break;
    }
  }
}

void RANOUT() {
  Tpcm& t = TPCM;
  Output& o = OUTPUT;
  setAmplitudeFactor();
  writeRecord(t.EDUNIT, "");
  writeRecord(t.EDUNIT, " >>> Outputting irregular wave/peak load data...");
  writeRecord(t.EDUNIT, "");
  if (t.NBUG0 == 1) {
    writeRecord(t.EDUNIT, " ### In RANOUT:");
    INBUG(t.NBUG, t.EDUNIT, kKeyboardUnit);
  } else {
    t.NBUG = 0;
  }
  if (t.IUNIT == kReportsToFiles)
    RHOPEN(kReportFile, kFormatted, kFresh, t.IDRIVE, t.IUNIT, "DYNSLM", t.EDUNIT, t.CMPUTR);
  const float SIGFAC = ranoutState.SIGFAC;
  for (int k = 1; k <= kConvertedWords; ++k) o.SIGVAR(k) = SIGFAC * std::sqrt(o.SIGVAR(k));

  const bool english = t.NUNTS == kEnglishUnits;
  const std::string TUNIT = english ? "K.LBS" : "M.TON";
  const std::string MUNIT = english ? "FT-KIPS" : "M.TON-M";
  const std::string AUNIT = english ? "FT" : "M.";
  t.LBACK = 0;
  const bool sections = (t.LRANDM != 0 || t.LSWELL != 0) && t.LEXTND == 0;
  const bool modes = SOLVE.NCON >= 3 || freeSalm();
  for (;;) {
    if (sections) {
      do {
        RANNET(AUNIT, TUNIT, MUNIT);
      } while (t.LBACK <= -1);
    }
    if (!modes) break;
    writeModes();
    if (!pauseGoesBack()) break;
  }
  if (t.IUNIT == kReportsToFiles) HCLOSE(t.IUNIT, kReportFile, "DYNSLM", t.EDUNIT);
  // The peak horizontal load of the peak loads page: the mean load, the wave-frequency peak and the
  // low-frequency storm peak of the top's horizontal load (row 1 of its total peaks).
  if (sections && t.DURATN > 0.0f && !freeSalm()) {
    const RanoutState& r = ranoutState;
    const float peak = EQUILB.FTOT(EQUILB.ISTAB) + HPKVAL(o.FSIGHF(1, 1), o.FSIGLF(1, 1), t.DURATN, r.WFREQ, r.SIGFAC) +
                       std::fabs(PEKCOM.FSIGLP(1, 1));
    warnPeakBeyondTable("the most probable peak horizontal load of RANOUT", peak);
  }
}

}  // namespace qv
