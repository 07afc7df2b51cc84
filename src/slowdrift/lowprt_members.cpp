// Section VI of the low-frequency report: the deviations of the SALM members from their mean
// equilibrium under the low-frequency motion of the vessel, case by case (LOWLAB), kept in LOWCOM,
// the net case in the low-frequency part of OUTPUT and the storm peak in PEKCOM.
//
// The vessel's surge (with the part of the high sway-yaw mode's yaw that the yoke angle turns into
// surge) moves the SALM top along the load-offset table to the load HD; the members take the angles
// of the statics solved at that load, and the deviations of their end loads, internal loads, angles and top
// positions from the mean equilibrium at FEQ are the statistics. The two sway-yaw modes turn the
// SALM out of its plane: the lateral angle and position deviations.
#include <algorithm>
#include <cmath>
#include <string>
#include <string_view>

#include "dataset/tpcm.h"
#include "hull/equilb.h"
#include "lowfreq/net_loads.h"
#include "numlib/angles.h"
#include "numlib/circle_constants.h"
#include "platform/units.h"
#include "slowdrift/ergcom.h"
#include "slowdrift/lowcom.h"
#include "slowdrift/lowprt.h"
#include "slowdrift/lowprt_parts.h"
#include "slowdrift/output.h"
#include "slowdrift/pekcom.h"
#include "statics/column.h"
#include "statics/column_at_load.h"
#include "statics/momupd.h"
#include "statics/solve.h"
#include "statics/wet_elements.h"
#include "util/console_io.h"
#include "util/fatal.h"
#include "util/fortran_format.h"
#include "waves/sea_state.h"

namespace qv {

namespace {

constexpr int kNetCase = 1;
constexpr int kStormPeakCase = 6;

// Mean joint coordinates of LOWCOM REQTMP, joints 1 (the anchor) to NCON + 1 (the top).
float& jointX(int j) { return LOWCOM.REQTMP(3 * j - 2); }
float& jointZ(int j) { return LOWCOM.REQTMP(3 * j - 1); }
float& jointY(int j) { return LOWCOM.REQTMP(3 * j); }

// The moment points of member m: first is the number of its first one, count how many it has.
struct MomentPoints {
  std::int32_t first, count;
};

MomentPoints momentPointsOf(std::int32_t m) {
  const Solve& s = SOLVE;
  std::int32_t first = 1;
  for (std::int32_t o = s.JELEM(1); o < s.JELEM(m); ++o)
    if (TPCM.LMOMT(o) != 0) ++first;
  std::int32_t count = 0;
  for (std::int32_t o = s.JELEM(m); o < s.JELEM(m + 1); ++o)
    if (TPCM.LMOMT(o) != 0) ++count;
  return {first, count};
}

// The internal loads of member m's moment points, with the buoyancy of the elements as the column lies
// at the attitude ZFILL last evaluated (the piercing element's wetted part).
void internalLoads(float H, float phi, float FLAT, const float* ZLOAD, std::int32_t m,
                   Arr<float, kMaxMomentElements, 6>& out, std::int32_t& count) {
  const Tpcm& t = TPCM;
  const WetElements wet = zfillWetElements();
  MOMUPD(H, std::sin(phi), std::cos(phi), SOLVE.JELEM.data(), ZLOAD, FLAT, t.TMASS.data(), wet.BUOY.data(),
         t.CGSALM.data(), wet.CBUOY.data(), t.SLEN.data(), t.LMOMT.data(), out, count, m, SOLVE.NCON, t.EDUNIT, t.NBUG);
}

// The mean configuration: member angles and joints at FEQ, the joint loads, and the internal loads of
// the moment points in OUTPUT STMOM. The angles are those of the statics solved at FEQ, in which every
// member balances: no moment at a hinge.
void meanConfiguration(const LowReportRun& run) {
  const Tpcm& t = TPCM;
  Solve& s = SOLVE;
  Lowcom& w = LOWCOM;
  const std::int32_t NCON = s.NCON;
  columnAtLoad(run.FEQ, w.EQANG.data());
  w.REQTMP.fill(0.0f);
  jointZ(1) = s.ANCHT;
  for (std::int32_t m = 1; m <= NCON; ++m) {
    jointX(m + 1) = jointX(m) + s.CNLEN(m) * std::sin(w.EQANG(m));
    jointZ(m + 1) = jointZ(m) + s.CNLEN(m) * std::cos(w.EQANG(m));
  }
  jointY(NCON + 1) = s.CNLEN(NCON) * std::sin(w.EQANG(NCON)) * run.sinY;

  ZFILL(run.FEQ, w.EQANG.data());
  for (std::int32_t j = 1; j <= NCON + 1; ++j) w.ZLDEQ(j) = s.ZLDTMP(j);

  std::int32_t count = 1;
  for (std::int32_t m = 1; m <= NCON; ++m)
    internalLoads(run.FEQ, w.EQANG(m), EQUILB.FLTRL0, w.ZLDEQ.data(), m, OUTPUT.STMOM, count);
  // The flagged elements must be the moment points the data set counts, and fit their tables.
  if (count != t.NMOMT + 1 || count - 1 > kMaxMomentElements) {
    CLEAR(t.EDUNIT);
    fatalStop("LOWPRT", t.EDUNIT, {" ++> Moment mismatch in static moment calcln"});
  }
}

// The low-frequency tables of OUTPUT and of PEKCOM, which share one layout.
struct SigmaTables {
  Arr<float, kLowLoadPoints>& shear;
  Arr<float, kLowLoadPoints>& axial;
  Arr<float, kLowLoadPoints>& lateral;
  Arr<float, 6>& inPlaneAngle;
  Arr<float, 6>& lateralAngle;
  Arr<float, 21>& position;
  Arr<float, kMaxMomentElements, 6>& moments;
};

SigmaTables netTables() {
  Output& o = OUTPUT;
  return {o.FSHRLF, o.FAXLLF, o.FLTRLF, o.ASIGLF, o.TSIGLF, o.RSIGLF, o.MSIGLF};
}

SigmaTables peakTables() {
  Pekcom& p = PEKCOM;
  return {p.FSHRLP, p.FAXLLP, p.FLTRLP, p.ASIGLP, p.TSIGLP, p.RSIGLP, p.MSIGLP};
}

void clearTables(const SigmaTables& tables) {
  for (auto* a : {&tables.shear, &tables.axial, &tables.lateral}) a->fill(0.0f);
  tables.inPlaneAngle.fill(0.0f);
  tables.lateralAngle.fill(0.0f);
  tables.position.fill(0.0f);
  tables.moments.fill(0.0f);
}

// The amplitudes of the cases: surge motion and the rotations of the two sway-yaw modes.
void caseAmplitudes(const LowReportRun& run) {
  const Equilb& q = EQUILB;
  Lowcom& w = LOWCOM;
  const LowModeRecord& low = q.MODREC(2);
  const LowModeRecord& high = q.MODREC(3);
  const float F = run.F;
  const float highCases[kLowCases] = {F * high.VARTOT, F * high.VARWND, F * high.VARWAV,
                                      F * high.VARSWL, F * high.VARCUR, high.FSGPK * high.VARTOT};
  const float lowCases[kLowCases] = {F * low.VARTOT, F * low.VARWND, F * low.VARWAV,
                                     F * low.VARSWL, F * low.VARCUR, low.FSGPK * low.VARTOT};
  for (int k = 1; k <= kLowCases; ++k) {
    w.SIGYHI(k) = highCases[k - 1];
    // The low mode's records hold its lateral motion at the yaw arm; no arm, no rotation.
    w.SIGYLO(k) = q.NETARM != 0.0f ? lowCases[k - 1] / q.NETARM : 0.0f;
  }
  const float surge[kLowCases] = {run.surge.total, run.surge.wind,  run.surge.wave,
                                  run.surge.swell, run.surge.current, q.FSGPK * q.VARTOT};
  for (int k = 1; k <= kLowCases; ++k) w.SIGMTN(k) = surge[k - 1];
}

// The yoke's two legs at the top of the column: the largest deviations of their loads between the
// mean and the displaced state.
struct LegDeviations {
  float A;   // axial load
  float S;   // in-plane shear
  float L;   // lateral shear
  float CH;  // horizontal component of the leg force
  float CV;  // vertical component of the leg force
};

LegDeviations legDeviations(const LowReportRun& run, float HD, float FL, float DD) {
  const Solve& s = SOLVE;
  const Equilb& q = EQUILB;
  const Lowcom& w = LOWCOM;
  const std::int32_t NCON = s.NCON;
  const float theta = w.EQANG(NCON);
  const float phi = w.PHIDUM(NCON);
  const float Z = w.ZLDEQ(NCON + 1);
  const float Zd = s.ZLDTMP(NCON + 1);
  const float st = std::sin(theta), ct = std::cos(theta);
  const float sp = std::sin(phi), cp = std::cos(phi);
  const float AR = 0.5f * (run.FEQ * run.cosY * st + Z * ct) - q.DELTA0;
  const float AL = AR + 2.0f * q.DELTA0;
  const float ARd = 0.5f * (HD * run.cosY * sp + Zd * cp) - DD;
  const float ALd = ARd + 2.0f * DD;
  const float SV = 0.5f * (run.FEQ * run.cosY * ct - Z * st);
  const float SVd = 0.5f * (HD * run.cosY * cp - Zd * sp);
  LegDeviations d;
  d.A = std::max(std::fabs(ARd - AR), std::fabs(ALd - AL));
  d.S = std::fabs(SVd - SV);
  d.L = std::fabs(0.5f * FL - 0.5f * q.FLTRL0);
  auto horizontal = [](float s, float c, float axial, float shear) { return s * axial + c * shear; };
  auto vertical = [](float s, float c, float axial, float shear) { return s * shear - c * axial; };
  d.CH = std::max(std::fabs(horizontal(sp, cp, ARd, SVd) - horizontal(st, ct, AR, SV)),
                  std::fabs(horizontal(sp, cp, ALd, SVd) - horizontal(st, ct, AL, SV)));
  d.CV = std::max(std::fabs(vertical(sp, cp, ARd, SVd) - vertical(st, ct, AR, SV)),
                  std::fabs(vertical(sp, cp, ALd, SVd) - vertical(st, ct, AL, SV)));
  return d;
}

// One case k: the displaced state and every member's deviations.
void caseDeviations(const LowReportRun& run, int k) {
  const Tpcm& t = TPCM;
  Solve& s = SOLVE;
  const Equilb& q = EQUILB;
  const Ergcom& e = ERGCOM;
  Lowcom& w = LOWCOM;
  const std::int32_t NCON = s.NCON;
  const bool yoke = t.IARCO == kYoke;

  float deviation = 0.0f;
  std::int32_t interval = 1;
  NLNCR3(e.SRGERG.data(), run.E0, q.HLOAD.data(), w.SIGMTN(k), deviation, e.SPRNGX, run.FEQ, run.FEQ, t.NUMTAB,
         interval, t.LSPM);
  const float HD = run.FEQ + deviation;
  columnAtLoad(HD, w.PHIDUM.data());
  ZFILL(HD, w.PHIDUM.data());

  const float FL = -HD * run.sinY;
  const float dFL = FL - q.FLTRL0;
  const float DD = t.PNDARM != 0.0f ? FL * s.CNLEN(NCON) / t.PNDARM : 0.0f;
  const LegDeviations leg = legDeviations(run, HD, FL, DD);

  const bool stored = k == kNetCase || k == kStormPeakCase;
  const SigmaTables tables = k == kNetCase ? netTables() : peakTables();
  if (stored) {
    tables.shear(1) = HD - run.FEQ;
    tables.axial(1) = s.ZLDTMP(1) - w.ZLDEQ(1);
    tables.lateral(1) = 0.0f;
  }

  const float yawArm = std::fabs(q.YAWARM);
  const float xTopLower = jointX(NCON);  // the top member's lower joint
  float xd = 0.0f;
  float zd = s.ANCHT;
  for (std::int32_t m = 1; m <= NCON; ++m) {
    const float theta = w.EQANG(m);
    const float phi = w.PHIDUM(m);
    const bool top = m == NCON;

    w.PHIVAR(m, k) = std::fabs(phi - theta);
    // The yaw of the high mode turns the members below the top about the anchor through the angle
    // its lateral motion at the top's lower joint makes; atan2 gives the limit when they stand
    // vertical.
    const float a = top ? w.SIGYHI(k) : std::atan2(yawArm * w.SIGYHI(k) * run.cosY, xTopLower);
    w.THTVAR(m, k) = std::sqrt(w.SIGYLO(k) * w.SIGYLO(k) + a * a) * std::sin(theta);

    // The displaced internal loads carry the displaced lateral load, so that their deviation from
    // the mean is that of the lateral load.
    const MomentPoints points = momentPointsOf(m);
    std::int32_t count = points.first;
    internalLoads(HD, phi, FL, s.ZLDTMP.data(), m, w.QMOM, count);
    for (std::int32_t p = points.first; p < points.first + points.count && p <= kMaxMomentElements; ++p) {
      for (int c = 1; c <= 5; ++c) {
        w.MOMVAL(c, p, k) = std::fabs(w.QMOM(p, c) - OUTPUT.STMOM(p, c));
        if (stored) tables.moments(p, c) = w.MOMVAL(c, p, k);
      }
    }

    const float sp = std::sin(phi), cp = std::cos(phi);
    const float st = std::sin(theta), ct = std::cos(theta);
    for (int end = 1; end <= 2; ++end) {
      const std::int32_t j = m + end - 1;
      w.SHRTMP(end) = std::fabs((HD * cp - s.ZLDTMP(j) * sp) - (run.FEQ * ct - w.ZLDEQ(j) * st));
      w.AXLTMP(end) = std::fabs((HD * sp + s.ZLDTMP(j) * cp) - (run.FEQ * st + w.ZLDEQ(j) * ct));
    }
    w.SHRTMP(3) = 0.0f;
    w.AXLTMP(3) = 0.0f;
    w.LTRTMP.fill(0.0f);
    if (top && yoke) {
      w.AXLTMP(2) = w.AXLTMP(3) = leg.A;
      w.SHRTMP(2) = w.SHRTMP(3) = leg.S;
      w.LTRTMP(1) = std::fabs(dFL);
      w.LTRTMP(2) = w.LTRTMP(3) = leg.L;
    }

    xd += s.CNLEN(m) * sp;
    zd += s.CNLEN(m) * cp;
    const float x = jointX(m + 1);
    w.XSIG = xd - x;
    w.ZSIG = std::fabs(zd - jointZ(m + 1));
    const float swayPart = w.SIGYLO(k) * x;
    const float yawPart = w.SIGYHI(k) * (yawArm + xTopLower - x);
    w.YSIG = std::sqrt(swayPart * swayPart + yawPart * yawPart);
    w.RTPVAL(1, m, k) = w.XSIG;
    w.RTPVAL(2, m, k) = w.ZSIG;
    w.RTPVAL(3, m, k) = w.YSIG;

    for (int end = 1; end <= (top ? 3 : 2); ++end) {
      w.AXLVAL(2 * m - 2 + end, k) = w.AXLTMP(end);
      w.SHRVAL(2 * m - 2 + end, k) = w.SHRTMP(end);
      w.LTRVAL(2 * m - 2 + end, k) = w.LTRTMP(end);
    }

    if (!stored) continue;
    tables.shear(2 * m) = w.SHRTMP(1);
    tables.shear(2 * m + 1) = w.SHRTMP(2);
    tables.axial(2 * m) = w.AXLTMP(1);
    tables.axial(2 * m + 1) = w.AXLTMP(2);
    tables.lateral(2 * m) = w.LTRTMP(1);
    tables.lateral(2 * m + 1) = w.LTRTMP(2);
    tables.inPlaneAngle(m) = w.PHIVAR(m, k);
    tables.lateralAngle(m) = w.THTVAR(m, k);
    tables.position(3 * m - 2) = w.XSIG;
    tables.position(3 * m - 1) = w.ZSIG;
    tables.position(3 * m) = w.YSIG;
    if (top && yoke) {
      // The two legs' tops and the two hinges at the vessel.
      const std::int32_t Q = 2 * NCON + 1;
      const float shear[4] = {leg.S, leg.S, leg.CV, leg.CV};
      const float axial[4] = {leg.A, leg.A, leg.CH, leg.CH};
      for (int i = 0; i < 4; ++i) {
        tables.shear(Q + i) = shear[i];
        tables.axial(Q + i) = axial[i];
        tables.lateral(Q + i) = leg.L;
      }
    }
  }
}

}  // namespace

void LOWLAB(Text<51>& label, std::int32_t& skip, std::int32_t kase, std::int32_t LWIND, std::int32_t LCURNT,
            std::int32_t LSWELL, std::int32_t LRANDM, std::int32_t CURTYP, std::int32_t WNDTYP) {
  std::string_view text;
  switch (kase) {
    case 1: text = "---- NET LOW-FREQUENCY VARIATION ABOUT MEAN"; break;
    case 2:
      if (LWIND != 0 && WNDTYP != kSteadyWind) text = "---- LOW-FREQUENCY WIND CONTRIBUTION";
      break;
    case 3:
      if (LRANDM != 0) text = "---- LOW-FREQUENCY WAVE CONTRIBUTION";
      break;
    case 4:
      if (LSWELL != 0) text = "---- LOW-FREQUENCY SWELL CONTRIBUTION";
      break;
    case 5:
      if (LCURNT != 0 && CURTYP != kSteadyCurrent) text = "---- LOW-FREQUENCY CURRENT CONTRIBUTION";
      break;
    case 6: text = "---- STORM PEAK LOW-FREQUENCY VARIATION ABOUT MEAN"; break;
    default: break;
  }
  skip = text.empty() ? 1 : 0;
  label.assign(text);
}

void memberStatistics(const LowReportRun& run) {
  const Tpcm& t = TPCM;
  meanConfiguration(run);
  caseAmplitudes(run);
  clearTables(netTables());
  clearTables(peakTables());
  Lowcom& w = LOWCOM;
  for (int k = 1; k <= kLowCases; ++k) {
    // The yaw of the high mode moves the yoke point along the vessel's heading by the yaw arm.
    const float yawSurge = std::fabs(EQUILB.YAWARM) * w.SIGYHI(k) * run.sinY;
    w.SIGMTN(k) = std::sqrt(w.SIGMTN(k) * w.SIGMTN(k) + yawSurge * yawSurge);
    Text<51> label;
    std::int32_t skip = 0;
    LOWLAB(label, skip, k, t.LWIND, t.LCURNT, t.LSWELL, t.LRANDM, t.CURTYP, t.WNDTYP);
    if (skip == 0) caseDeviations(run, k);
  }
}

// ---- the report of section VI ----------------------------------------------------------------------

namespace {

struct SixLabels {
  std::string force;   // "K.LBS" or "M.TON"
  std::string moment;  // "FT-KIPS" or "M.TON-M"
  std::string length;  // "FT" or "M."
  std::string word;    // "ONE" or "TWO"
};

SixLabels sixLabels() {
  const bool english = TPCM.NUNTS == kEnglishUnits;
  return {english ? "K.LBS" : "M.TON", english ? "FT-KIPS" : "M.TON-M", english ? "FT" : "M.",
          TPCM.ONETWO != 0 ? "ONE" : "TWO"};
}

// The waves' heading of the heading lines [deg]: that of the random waves that act; with neither sea
// nor swell, that of the regular waves (page 14) as the wave-frequency passes meet them, the vessel
// at its stable heading. Never the heading left on a switched-off sea's page.
float wavesHeading() {
  const Equilb& q = EQUILB;
  const float vessel = ANGSYM(q.TANGLE(q.ISTAB)) * kDegreesPerRadian;
  return randomWavesHeading().value_or(REDDEG(TPCM.WAVHDG(1) + vessel));
}

void sixPage(std::string_view table) {
  const Tpcm& t = TPCM;
  const Equilb& q = EQUILB;
  const std::int32_t u = t.IUNIT;
  PAGE(u, t.EDUNIT, 1, 99);
  writeRecord(u, " ******   VI.  SINGLE MEMBER LOW-FREQUENCY STATISTICAL SUMMARY: " + std::string(table) + "  ******");
  LINES(u, 2);
  HEADRS(wavesHeading(), q.SLMANG(q.ISTAB), q.TANGLE(q.ISTAB), kDegreesPerRadian, u);
}

void blockHeading(std::string_view text, int indent) {
  const std::int32_t u = TPCM.IUNIT;
  writeRecord(u, "");
  writeRecord(u, fmtX(indent) + std::string(text));
  writeRecord(u, "");
  writeRecord(u, "");
}

void sigmaHeading(const SixLabels& labels) {
  blockHeading("---------  " + labels.word + " SIGMA DEVIATIONS FROM MEAN " + " --------", 18);
}

// Each case that applies, with its label, then its rows.
template <class Rows>
void forEachCase(Rows rows) {
  const Tpcm& t = TPCM;
  for (int k = 1; k <= kLowCases; ++k) {
    Text<51> label;
    std::int32_t skip = 0;
    LOWLAB(label, skip, k, t.LWIND, t.LCURNT, t.LSWELL, t.LRANDM, t.CURTYP, t.WNDTYP);
    if (skip != 0) continue;
    writeRecord(t.IUNIT, "");
    writeRecord(t.IUNIT, " " + label.str());
    writeRecord(t.IUNIT, "");
    rows(k);
  }
}

// The pause after a page of section VI; its reply changes nothing.
void pauseOnConsole() {
  Tpcm& t = TPCM;
  if (t.IUNIT == t.EDUNIT) PRSRET(t.EDUNIT, kKeyboardUnit, t.LBACK);
}

std::string sixValues(std::initializer_list<float> values) {
  std::string text;
  for (const float v : values) text += fmtF(v, 9, 2) + fmtX(3);
  return text;
}

void writeMotions(const LowReportRun& run, const SixLabels& labels) {
  const Solve& s = SOLVE;
  const Lowcom& w = LOWCOM;
  const std::int32_t u = TPCM.IUNIT;
  const std::int32_t NCON = s.NCON;
  sixPage("MOTIONS");
  blockHeading("-------   MEMBER STATIC ORIENTATION   ------", 21);
  writeRecord(u, fmtX(16) + "++++ MEMBER TOP POSITION ++++" + fmtX(5) + "+++ MEMBER ANGLES +++");
  writeRecord(u, "");
  const std::string L = labels.length;
  auto columnHeadings = [&] {
    writeRecord(u, "    MEMBER      RADIAL     VERTICAL    LATERAL     IN-PLANE    LATERAL");
    writeRecord(u, "      #          (" + L + ")        (" + L + ")       (" + L + ")         (DEG)      (DEG)");
  };
  columnHeadings();
  writeRecord(u, "");
  auto row = [&](std::int32_t m, std::initializer_list<float> values) {
    writeRecord(u, fmtX(6) + fmtI(m, 1) + fmtX(6) + sixValues(values));
  };
  float radial = 0.0f;
  float vertical = s.ANCHT;
  for (std::int32_t m = 1; m <= NCON; ++m) {
    const bool top = m == NCON;
    const float phi = w.EQANG(m);
    const float sp = std::sin(phi), cp = std::cos(phi);
    // The top member leaves the SALM plane by the yoke angle.
    radial += s.CNLEN(m) * sp * (top ? run.cosY : 1.0f);
    vertical += s.CNLEN(m) * cp;
    const float lateral = top ? s.CNLEN(m) * run.sinY * sp : 0.0f;
    const float inPlane = cp == 0.0f ? 90.0f : std::atan2(sp, cp) * kDegreesPerRadian;
    const float outOfPlane = top ? EQUILB.YOKSLM * kDegreesPerRadian : 0.0f;  // (-180, 180]: in line is 0, never 360
    row(m, {radial, vertical, lateral, inPlane, outOfPlane});
  }
  sigmaHeading(labels);
  columnHeadings();
  forEachCase([&](int k) {
    for (std::int32_t m = 1; m <= NCON; ++m)
      row(m, {w.RTPVAL(1, m, k), w.RTPVAL(2, m, k), w.RTPVAL(3, m, k), w.PHIVAR(m, k) * kDegreesPerRadian,
              w.THTVAR(m, k) * kDegreesPerRadian});
  });
  pauseOnConsole();
}

void writeLoads(const LowReportRun& run, const SixLabels& labels) {
  const Solve& s = SOLVE;
  const Equilb& q = EQUILB;
  const Lowcom& w = LOWCOM;
  const std::int32_t u = TPCM.IUNIT;
  const std::int32_t NCON = s.NCON;
  sixPage("LOADS  ");
  blockHeading("--------   STATIC EQUILIBRIUM LOADS   --------", 21);
  auto columnHeadings = [&] {
    writeRecord(u, "           ++++++++   BOTTOM   ++++++++        ++++++++    TOP    +++++++++");
    writeRecord(u, " MEMBER   SHEAR       AXIAL      LATERAL      SHEAR       AXIAL      LATERAL");
    std::string units = "   #     (";
    for (int i = 1; i <= 6; ++i) units += labels.force + (i < 6 ? ")     (" : ")");
    writeRecord(u, units);
  };
  auto row = [&](std::int32_t m, char mark, std::initializer_list<float> values) {
    writeRecord(u, fmtX(3) + fmtI(m, 1) + std::string(1, mark) + fmtX(1) + sixValues(values));
  };
  columnHeadings();
  for (std::int32_t m = 1; m <= NCON; ++m) {
    const float st = std::sin(w.EQANG(m)), ct = std::cos(w.EQANG(m));
    const float bottomShear = run.FEQ * ct - w.ZLDEQ(m) * st;
    const float bottomAxial = run.FEQ * st + w.ZLDEQ(m) * ct;
    const float topShear = run.FEQ * ct - w.ZLDEQ(m + 1) * st;
    const float topAxial = run.FEQ * st + w.ZLDEQ(m + 1) * ct;
    if (m < NCON) {
      row(m, ' ', {bottomShear, bottomAxial, 0.0f, topShear, topAxial, 0.0f});
      continue;
    }
    // The top member as its two legs, each with half the loads and the difference of their sides.
    const float lateral = 0.5f * q.FLTRL0;
    row(m, 'R', {0.5f * bottomShear, 0.5f * bottomAxial, lateral, 0.5f * topShear, 0.5f * topAxial - q.DELTA0, lateral});
    row(m, 'L', {0.5f * bottomShear, 0.5f * bottomAxial, lateral, 0.5f * topShear, 0.5f * topAxial + q.DELTA0, lateral});
  }
  sigmaHeading(labels);
  columnHeadings();
  forEachCase([&](int k) {
    for (std::int32_t m = 1; m < NCON; ++m)
      row(m, ' ', {w.SHRVAL(2 * m - 1, k), w.AXLVAL(2 * m - 1, k), w.LTRVAL(2 * m - 1, k), w.SHRVAL(2 * m, k),
                   w.AXLVAL(2 * m, k), w.LTRVAL(2 * m, k)});
    const std::int32_t bottom = 2 * NCON - 1;
    for (const auto& [mark, end] : {std::pair{'R', 2 * NCON}, std::pair{'L', 2 * NCON + 1}})
      row(NCON, mark, {0.5f * w.SHRVAL(bottom, k), 0.5f * w.AXLVAL(bottom, k), 0.5f * w.LTRVAL(bottom, k),
                       w.SHRVAL(end, k), w.AXLVAL(end, k), w.LTRVAL(end, k)});
  });
  pauseOnConsole();
}

void writeMoments(const SixLabels& labels) {
  const Tpcm& t = TPCM;
  const Solve& s = SOLVE;
  const Lowcom& w = LOWCOM;
  const std::int32_t u = t.IUNIT;
  const std::string F = labels.force;
  const std::string M = labels.moment;
  auto columnHeadings = [&] {
    writeRecord(u, "         --- IN-PLANE LOADS ---    LATERAL      IN-PLANE       LATERAL");
    writeRecord(u, "  ELEMENT   SHEAR       AXIAL       SHEAR        MOMENT        MOMENT");
    writeRecord(u, "    #      (" + F + ")     (" + F + ")     (" + F + ")      (" + M + ")     (" + M + ")");
  };
  // The columns follow the loads' planes: the in-plane moment is the one the in-plane shear and the
  // members' weights bend the member with (MOMUPD's column 5), the lateral moment the lateral shear's
  // (column 4).
  auto row = [&](std::int32_t element, float v1, float v2, float v3, float v4, float v5) {
    writeRecord(u, fmtX(3) + fmtI(element, 2) + fmtX(1) + fmtF(v1, 12, 2) + fmtF(v2, 12, 2) + fmtF(v3, 12, 2) + fmtX(3) +
                       fmtE(v4, 12, 3) + fmtX(2) + fmtE(v5, 12, 3) + fmtX(2));
  };
  // Each member's flagged elements and their moment points, in element order.
  auto forEachPoint = [&](std::int32_t m, auto visit) {
    std::int32_t p = momentPointsOf(m).first;
    for (std::int32_t o = s.JELEM(m); o < s.JELEM(m + 1); ++o) {
      if (t.LMOMT(o) == 0) continue;
      if (p <= kMaxMomentElements) visit(o, p);
      ++p;
    }
  };
  for (std::int32_t m = 1; m <= s.NCON; ++m) {
    if (momentPointsOf(m).count == 0) continue;
    sixPage("MOMENTS");
    blockHeading("-----  STATIC EQUILIBRIUM MOMENTS/LOADS FOR MEMBER # " + fmtI(m, 1) + "  -----", 9);
    columnHeadings();
    forEachPoint(m, [&](std::int32_t o, std::int32_t p) {
      const Arr<float, kMaxMomentElements, 6>& st = OUTPUT.STMOM;
      row(o, st(p, 1), st(p, 2), st(p, 3), st(p, 5), st(p, 4));
    });
    blockHeading("------  " + labels.word + " SIGMA DEVIATIONS FROM MEAN " + "FOR MEMBER # " + fmtI(m, 1) + "  ------", 9);
    columnHeadings();
    forEachCase([&](int k) {
      forEachPoint(m, [&](std::int32_t o, std::int32_t p) {
        row(o, w.MOMVAL(1, p, k), w.MOMVAL(2, p, k), w.MOMVAL(3, p, k), w.MOMVAL(5, p, k), w.MOMVAL(4, p, k));
      });
    });
    pauseOnConsole();
  }
}

}  // namespace

void writeSectionSix(const LowReportRun& run) {
  const SixLabels labels = sixLabels();
  writeMotions(run, labels);
  writeLoads(run, labels);
  if (TPCM.NMOMT > 0) writeMoments(labels);
}

}  // namespace qv
