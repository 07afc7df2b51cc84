#include "vessel/point_motions.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "dataset/tpcm.h"
#include "hull/himem.h"
#include "hull/pascom.h"
#include "numlib/algebra.h"
#include "numlib/angles.h"
#include "numlib/circle_constants.h"
#include "platform/units.h"
#include "util/captions.h"
#include "util/console_io.h"
#include "util/fatal.h"
#include "util/files.h"
#include "util/flowing_lines.h"
#include "util/fortran_format.h"
#include "util/sim_types.h"
#include "util/unformatted_io.h"
#include "vessel/rao_report.h"
#include "vessel/slow_encounter.h"
#include "vessel/statistics.h"
#include "vessel/water_motion.h"
#include "waves/wavcom.h"

namespace qv {

namespace {

constexpr std::string_view kRoutine = "ACCOUT";
constexpr Complex CQI(0.0f, 1.0f);
constexpr float ZUNIT[3] = {0.0f, 0.0f, 1.0f};
constexpr int kRecordItems = 9;             // complex values of a line-axis motion record
constexpr std::int32_t kHeaderBytes = 20;   // 4 INTEGER and a REAL
constexpr std::int32_t kPartnerBytes = 8 * kRecordItems;

enum Kind : int { kAcceleration = 2, kVelocity = 3, kDisplacement = 4 };

// ---- The configuration ----

// Which points of a page have records in the motion file.
enum class Records {
  kNone,       // a free vessel, ISPM 7 and beyond 8
  kYoke,       // ISPM 1: six complex values per point
  kEveryPoint, // ISPM 4, 5, 6, 8 and the buoy (ISPM 2, CREATR 13): the second point held back
  kFirstPoint, // the tug (ISPM 2, CREATR 10)
  kTrailing,   // ISPM 3: the first point, its second point read from the partner
};

Records recordsOf(std::int32_t ispm, std::int32_t creatr) {
  switch (ispm) {
    case 1:
      return Records::kYoke;
    case 2:
      return creatr == kSimFirnedo ? Records::kEveryPoint : Records::kFirstPoint;
    case 3:
      return Records::kTrailing;
    case 4:
    case 5:
    case 6:
    case 8:
      return Records::kEveryPoint;
    default:
      return Records::kNone;
  }
}

// Whether the table shows the motions along the line axes (else the vessel-axis motions).
bool showsLineAxes(std::int32_t ispm) { return ispm >= 2 && ispm != 7 && ispm <= 8; }

// The kind of the first ACCOUT call of a heading: the hinge statistics are added in that call.
std::int32_t firstKindOfHeading() {
  if (TPCM.LACC != 0) return kAcceleration;
  if (TPCM.LVEL != 0) return kVelocity;
  return kDisplacement;
}

// ---- Files ----

std::string fileOf(std::int32_t unit) { return unitFileName(unit); }

void writeMotionRecord(std::span<const Complex> values) {
  if (!writeUnformatted(kMotionFileUnit, values)) ACERR(kRoutine, fileOf(kMotionFileUnit), TPCM.EDUNIT);
}

[[noreturn]] void readFailed() { FILERR("Unknown", kRoutine, TPCM.EDUNIT, kKeyboardUnit); }

void expectRead(RecordStatus status) {
  if (status != RecordStatus::kOk) readFailed();
}

// A partner file written by a run with other headings, periods or points would pair this body's
// records with motions of other points, periods or headings.
[[noreturn]] void partnerMismatch() {
  const std::string name = fileOf(HIMEM.IUNX);
  std::vector<std::string> lines{""};
  addFlowingLines(lines, " ++> ",
                  "Relative wave heading" + fmtF(HIMEM.RAOANG(WAVCOM.IRAO), 8, 2) + " deg: the partner motion file " +
                      name + " does not match this run;");
  lines.push_back("     its number of headings, periods or points differs from this run's.");
  fatalStop(kRoutine, TPCM.EDUNIT, lines);
}

// The next partner record must be `bytes` long: a record of another length is a record of another
// layout.
void expectPartnerRecord(std::int32_t bytes) {
  std::int32_t length = 0;
  expectRead(nextRecordLength(HIMEM.IUNX, length));
  if (length != bytes) partnerMismatch();
}

void readPartnerHeader() {
  expectPartnerRecord(kHeaderBytes);
  std::int32_t headings = 0;
  std::int32_t flags[3] = {};
  float heading = 0.0f;
  expectRead(readUnformatted(HIMEM.IUNX, headings, flags[0], flags[1], flags[2], heading));
  if (headings != WAVCOM.NRAO) partnerMismatch();
}

void readPartnerMotion(Complex (&values)[kRecordItems]) {
  expectPartnerRecord(kPartnerBytes);
  expectRead(readUnformatted(HIMEM.IUNX, std::span<Complex>(values)));
}

// ---- Motions ----

struct LineAxes {
  float x[3];  // across the line in its vertical plane
  float y[3];  // horizontal, across the line plane
  float t[3];  // along the line tangent, away from the anchor
};

LineAxes lineAxes(float phi, float theta) {
  LineAxes a{};
  RCTNGL(theta, phi, a.t);
  float across[3];
  XPROD(ZUNIT, a.t, across);
  if (VMOD(across) == 0.0f) {
    a.y[0] = 0.0f;
    a.y[1] = 1.0f;
    a.y[2] = 0.0f;
  } else {
    UNITIZ(across, a.y);
  }
  XPROD(a.y, a.t, a.x);
  return a;
}

// The three components of m along the line axes (X', Y', Z').
void alongLine(const Complex* m, const LineAxes& a, Complex* out) {
  out[0] = -CXDOTP(m, a.x);
  out[1] = CXDOTP(m, a.y);
  out[2] = -CXDOTP(m, a.t);
}

struct Heading {
  float hw;          // relative wave heading [rad]
  float uCos;        // forward speed along the waves' direction relative to the course [ft/s | m/s]
};

// The motion of the point (x, y, z) of the call's kind from the vessel operators X at the wave
// frequency w, wave number k and encounter frequency we.
void pointMotion(const Complex* X, const float* p, float w, float k, float we, const Heading& hd, int kind,
                 Complex* m) {
  const Tpcm& d = TPCM;
  const Himem& h = HIMEM;
  const float G = WAVCOM.G;
  const float x = p[0];
  const float y = p[1];
  const float z = p[2];
  m[0] = X[0] + (z - h.VTCRP) * X[4] - y * X[5];
  m[1] = X[1] + x * X[5] - (z - h.VTCRR) * X[3];
  m[2] = X[2] + y * X[3] - x * X[4];
  if (kind == kAcceleration) {
    // Including the component of gravity along the tilted vessel axes.
    const float we2 = we * we;
    m[0] = we2 * m[0] + G * X[4];
    m[1] = we2 * m[1] - G * X[3];
    m[2] = we2 * m[2];
  } else if (kind == kVelocity) {
    for (int c = 0; c < 3; ++c) m[c] = CQI * we * m[c];
  } else if (d.LGAP != 0) {
    // Relative to the water at the point, with the water's motion decaying below the keel line.
    const float ch = std::cos(hd.hw);
    const float sh = std::sin(hd.hw);
    const Complex E = std::exp(-CQI * k * (x * ch + y * sh));
    const float f = (d.LGAP == 2 && z < d.DRAFT) ? std::exp(k * (z - d.DRAFT)) : 1.0f;
    const WaterMotion water = waterMotion(E, horizontalExcursion(w, k, G), ch, sh, f);
    m[0] -= water.x;
    m[1] -= water.y;
    m[2] -= water.z;
  }
}

float periodShown(int iw, float w, float k, const Heading& hd) {
  return TPCM.TVFWD != 0.0f ? kTwoPi / (w - k * hd.uCos) : TPCM.T(iw);
}

// ---- Report ----

std::string trimmed(std::string text) {
  while (!text.empty() && text.back() == ' ') text.pop_back();
  return text;
}

std::string valueCell(Complex value, float scale) {
  return fmtF(std::abs(value) * scale, 7, 3) + "/" + fmtI(static_cast<long long>(PHASE(value)), 4);
}

void writeHeader(const PointCoordinates& COORD, std::int32_t I1, std::int32_t I2, std::int32_t IBALL,
                 bool plotCopy) {
  const Tpcm& d = TPCM;
  const std::int32_t unit = d.IUNIT;
  HEADR2(0, plotCopy);
  if (d.AUXVSH != 0) writeRecord(unit, " >>> NOTE:  The following RAO data are USER-SUPPLIED");
  if (d.ISPM > 1) {
    if (d.TRIMDG == 0.0f && d.HEELDG == 0.0f) {
      writeRecord(unit, " >>> Notes: Coordinates in the vessel system.");
      writeRecord(unit, "     Vectorial components along rotated axes comprising:");
      writeRecord(unit, "     Origin at the fairlead;");
      writeRecord(unit, "     (x,z) in the (vertical) line plane;");
      writeRecord(unit, "     z points away from the anchor along the line tangent;");
      writeRecord(unit, "     [x,y] orientations set by z (and the right hand rule).");
    } else {
      writeRecord(unit, std::string(" >>> Note: Coordinates are relative to an earth-vertical ") + "global system with");
      writeRecord(unit, std::string("     origin at keel level below the plan-view waterplane ") + "centroid of the");
      writeRecord(unit, std::string("     untrimmed vessel. Vectorial motion components are ") + "in a rotated r.h.");
      writeRecord(unit, std::string("     system with (x,z) in plane of line, z upwards along ") + "line tangent.");
    }
  }
  Text<8> caption;
  CAPUN(caption, unitCode(2, d.NUNTS));
  const std::string length = caption.str().substr(0, 2);
  const std::string tail = " PER UNIT WAVE AMP. (S.A./S.A.)  +++";
  if (IBALL == 1) {
    writeRecord(unit, fmtX(5) + "+++  BALL HINGE RAOS (HA_ves) IN DEG. PER UNIT WAVE AMP. (S.A./S.A.) +++");
  } else if (HIMEM.LFRFLG == kAcceleration) {
    writeRecord(unit, fmtX(5) + "+++  ACCELERATION RAOS IN " + length + "/SEC**2" + tail);
  } else if (HIMEM.LFRFLG == kVelocity) {
    writeRecord(unit, fmtX(9) + "+++  VELOCITY RAOS IN " + length + "/SEC" + tail);
  } else {
    writeRecord(unit, fmtX(8) + (d.LGAP != 0 ? "+++ RELATIVE MOTION RAOS IN " : "+++   DISPLACEMENT RAOS IN  ") +
                          length + tail);
  }
  writeRecord(unit, "");
  writeRecord(unit, "");

  // Heads over the period column (7 wide) and over each point's three 12-wide cells.
  std::string frame = fmtX(7);
  std::string point = fmtX(7);
  std::string components = "  WAVE ";
  std::string cells = " PERIOD";
  const int points = I2 == I1 ? 1 : 2;
  for (int c = 0; c < points; ++c) {
    const std::int32_t ip = c == 0 ? I1 : I2;
    frame += "    ----     COORDINATES     ----   ";
    point += fmtX(5) + "(" + fmtF(COORD(1, ip), 7, 1) + "," + fmtF(COORD(2, ip), 7, 1) + "," +
             fmtF(COORD(3, ip), 7, 1) + ")" + fmtX(6);
    components += "   X COMP      Y COMP      Z COMP   ";
    cells += "  AM/PHASE    AM/PHASE    AM/PHASE  ";
  }
  writeRecord(unit, trimmed(frame));
  writeRecord(unit, trimmed(point));
  writeRecord(unit, trimmed(components));
  writeRecord(unit, trimmed(cells));
  writeRecord(unit, "  (SEC)");
  writeRecord(unit, "");
}

// The lines of one page: the point table, and for the moored configurations the hinge table.
struct PageText {
  std::int32_t first = 0;
  std::int32_t second = 0;  // = first on a page with one point
  std::vector<std::string> pointRows;
  std::vector<std::string> hingeRows;
};

void showRows(const std::vector<std::string>& rows) {
  for (const std::string& row : rows) writeRecord(TPCM.IUNIT, row);
}

// ---- One call ----

class PointMotionCall {
 public:
  PointMotionCall(std::int32_t npts, const PointCoordinates& coord)
      : npts_(npts),
        coord_(coord),
        records_(recordsOf(TPCM.ISPM, TPCM.CREATR)),
        lineAxes_(TPCM.ISPM > 1),
        kind_(HIMEM.LFRFLG) {
    const Tpcm& d = TPCM;
    const Himem& h = HIMEM;
    const std::int32_t irao = WAVCOM.IRAO;
    report_ = d.NEGSUM == 0 && ((h.LRAO(irao) != 0 && d.LMOTN != 0) || d.ALLRAO != 0);
    pauses_ = report_ && d.IUNIT == d.EDUNIT;
    heading_.hw = h.RAOANG(irao) / kDegreesPerRadian;
    heading_.uCos = d.TVFWD * std::cos((h.RAOANG(irao) - d.VGLDIR) / kDegreesPerRadian);
    rotate_ = d.ISPM >= 2 && (d.TRIMDG != 0.0f || d.HEELDG != 0.0f);
  }

  void run() {
    const Tpcm& d = TPCM;
    if (d.ISPM != 0) writeHeaderRecord();
    std::int32_t nskip = 0;
    if (lineAxes_) expectRead(readUnformatted(kLineAngleUnit, nskip));
    if (records_ == Records::kTrailing) {
      readPartnerHeader();
      if (d.CREATR == kSimFirnedo) {
        for (int block = 1; block <= nskip - 1; ++block) {
          for (int i = 1; i <= wavePoints(); ++i) {
            expectPartnerRecord(kPartnerBytes);
            expectRead(skipRecords(HIMEM.IUNX, 1));
          }
        }
      }
    }
    const int pages = (npts_ + 1) / 2;
    for (int page = 1; page <= pages; ++page) runPage(page);
  }

 private:
  void writeHeaderRecord() {
    const Himem& h = HIMEM;
    const Wavcom& wc = WAVCOM;
    const std::int32_t irao = wc.IRAO;
    const std::int32_t swell = irao == wc.ISWELL ? 1 : 0;
    const std::int32_t swell2 = irao == wc.ISWEL2 ? 1 : 0;
    std::int32_t randomSea = 0;
    if (wc.LEXP == 0) {
      randomSea = irao == h.IRAN(1) ? 1 : 0;
    } else {
      const int directions = static_cast<int>(std::clamp<std::int64_t>(std::int64_t{TPCM.NA} + 1, 0, kSpreadSlots));
      for (int dir = 1; dir <= directions; ++dir) {
        if (h.INTGFL(dir, 1) == irao) randomSea = 1;
      }
    }
    const float heading = h.RAOANG(irao) / kDegreesPerRadian;
    if (!writeUnformatted(kMotionFileUnit, wc.NRAO, swell, swell2, randomSea, heading)) {
      ACERR(kRoutine, fileOf(kMotionFileUnit), TPCM.EDUNIT);
    }
  }

  void runPage(int page) {
    const Tpcm& d = TPCM;
    Himem& h = HIMEM;
    const int n = wavePoints();
    PageText text;
    text.first = 2 * page - 1;
    text.second = std::min<std::int32_t>(2 * page, npts_);
    const int points = text.second == text.first ? 1 : 2;

    h.IREP = page;
    h.NCOL = points;
    h.LBASEX = h.LACRAO;
    if (report_) writeHeader(coord_, text.first, text.second, 0, true);

    LineAxes axes[2]{};
    Complex turn[2][3][kNarray];        // RX', RY', RZ' per point and period [rad]
    Complex turnWave[2][3][kNarray];    // the same as the statistics take them
    Complex held[kNarray][kRecordItems];  // the second point's records, written after the first's
    const EncounterWeights weights = encounterWeights(&h.RLDUM(h.LCNW), &h.RLDUM(h.LCNWK), heading_.uCos);
    if (h.LSKIP == 0) warnSlowEncounterRows(h.RAOANG(WAVCOM.IRAO), weights);
    for (h.IW = 1; h.IW <= n; ++h.IW) {
      INDXUP();
      const int iw = h.IW;
      const Complex X[kDof] = {h.CXDUM(h.LSG), h.CXDUM(h.LSW), h.CXDUM(h.LHV),
                               h.CXDUM(h.LRL), h.CXDUM(h.LPT), h.CXDUM(h.LYA)};
      Complex waveX[kDof];
      waveFrequencyOperators(X, weights.at(iw), waveX);
      const float w = h.RLDUM(h.LW);
      const float k = h.RLDUM(h.LWK);
      const float we = d.TVFWD != 0.0f ? w - k * heading_.uCos : w;
      const Complex P = std::exp(CQI * k * d.CNTSEP * std::cos(heading_.hw));
      // The table's text is formed only for a report (the motion file and the statistics need none).
      std::string row = report_ ? " " + fmtF(periodShown(iw, w, k, heading_), 6, 2) : std::string();
      for (int c = 0; c < points; ++c) {
        const std::int32_t ip = text.first + c;
        if (lineAxes_ && iw == 1) {
          float phi = 0.0f;
          float theta = 0.0f;
          expectRead(readUnformatted(kLineAngleUnit, phi, theta));
          axes[c] = lineAxes(phi, theta);
        }
        const PointValues full = pointValues(X, ip, axes[c], w, k, we);
        Complex partner[kRecordItems]{};
        if (lineAxes_) {
          for (int j = 0; j < 3; ++j) turn[c][j][iw - 1] = full.rot[j];
          exchange(c, X, full.line, full.rot, P, held[iw - 1], partner);
        } else if (records_ == Records::kYoke) {
          const Complex values[6] = {full.m[0], full.m[1], full.m[2], X[3], X[5], X[4]};
          writeMotionRecord(values);
        }
        Complex display[3];
        shown(c, full, P, partner, display);
        // Each period's response goes with its own wave's energy in the statistics, at any speed; at a
        // row met too slowly, with the vessel's surge, sway and yaw at the row's weight, and a motion
        // relative to the partner's point, which holds the partner's whole motion, whole at that
        // weight.
        Complex statistic[3] = {display[0], display[1], display[2]};
        if (!weights.whole(iw)) {
          const PointValues wave = pointValues(waveX, ip, axes[c], w, k, we);
          for (int j = 0; j < 3; ++j) turnWave[c][j][iw - 1] = wave.rot[j];
          if (records_ == Records::kTrailing && c == 1) {
            for (Complex& v : statistic) v *= weights.at(iw);
          } else {
            shown(c, wave, P, nullptr, statistic);
          }
        } else {
          for (int j = 0; j < 3; ++j) turnWave[c][j][iw - 1] = full.rot[j];
        }
        for (int j = 0; j < 3; ++j) {
          h.RLDUM(column(c, j) + h.IWM) = std::norm(statistic[j]);
          if (report_) row += valueCell(display[j], 1.0f);
        }
      }
      if (report_) text.pointRows.push_back(row);
    }
    if (report_) showRows(text.pointRows);
    pages_.push_back(text);
    pauseAndShowAgain();

    if (points == 2 && records_ == Records::kEveryPoint) {
      for (int iw = 1; iw <= n; ++iw) writeMotionRecord(held[iw - 1]);
    }
    if (h.LSKIP == 0) STAT1();
    if (lineAxes_) hingeSection(pages_.back(), turn, turnWave);
  }

  // The motion m of the point ip of the call's kind from the operators X, and with line axes its
  // components along them and the components of the vessel's rotation along them.
  struct PointValues {
    Complex m[3];
    Complex line[3];
    Complex rot[3];
  };
  PointValues pointValues(const Complex* X, std::int32_t ip, const LineAxes& axes, float w, float k, float we) const {
    PointValues v{};
    pointMotion(X, &coord_(1, ip), w, k, we, heading_, kind_, v.m);
    if (!lineAxes_) return v;
    alongLine(v.m, axes, v.line);
    if (TPCM.CREATR == kSimYobrix) {
      v.line[2] = -(v.m[2] * axes.t[2]) + v.m[0] * PASCOM.DSTRECH_DX + v.m[1] * PASCOM.DSTRECH_DY;
    }
    const Complex r[3] = {X[3], X[4], X[5]};
    alongLine(r, axes, v.rot);
    return v;
  }

  // What the table shows of point c (0 or 1 on the page): the motions along the line axes (ISPM 2
  // to 8 but 7), for the trailing body carried to the partner or seen relative to the partner's
  // point (`partner`, its record), otherwise the vessel-axis motions; turned into the trimmed and
  // heeled axes where the vessel has trim or heel.
  void shown(int c, const PointValues& v, Complex P, const Complex* partner, Complex* display) const {
    std::copy(v.m, v.m + 3, display);
    if (lineAxes_ && showsLineAxes(TPCM.ISPM)) std::copy(v.line, v.line + 3, display);
    if (lineAxes_ && records_ == Records::kTrailing) {
      if (c == 0) {
        for (int j = 0; j < 3; ++j) display[j] = P * v.line[j];
      } else {
        display[0] = partner[0] - P * v.line[0];
        display[1] = partner[1] + P * v.line[1];
        display[2] = partner[2] + P * v.line[2];
      }
    }
    if (rotate_) {
      Complex turned[3];
      GMPDCX(HIMEM.ROTVES.data(), display, turned, 3, 3, 1);
      std::copy(turned, turned + 3, display);
    }
  }

  // The records of point c (0 or 1 on the page) for the configuration; the trailing body's second
  // point reads its partner's record into `partner`.
  void exchange(int c, const Complex* X, const Complex* line, const Complex* rot, Complex P, Complex* held,
                Complex* partner) {
    const Complex values[kRecordItems] = {line[0], line[1], line[2], X[3], X[5], X[4], rot[0], rot[1], rot[2]};
    switch (records_) {
      case Records::kEveryPoint:
        if (c == 0) writeMotionRecord(values);
        else std::copy(values, values + kRecordItems, held);
        break;
      case Records::kFirstPoint:
        if (c == 0) writeMotionRecord(values);
        break;
      case Records::kTrailing:
        if (c == 0) {
          const Complex carried[kRecordItems] = {-P * line[0], -P * line[1], -P * line[2], X[3], X[5],
                                                 X[4],         rot[0],       rot[1],       rot[2]};
          writeMotionRecord(carried);
        } else {
          Complex record[kRecordItems];
          readPartnerMotion(record);
          std::copy(record, record + kRecordItems, partner);
        }
        break;
      default:
        break;
    }
  }

  std::int32_t column(int c, int j) const { return HIMEM.LBASEX + (3 * c + j) * HIMEM.NARRAY; }

  // The hinge table shows the angles `turn`; the statistics take `turnWave` (at a row met too
  // slowly, with the vessel's yaw at the row's weight).
  void hingeSection(PageText& text, const Complex (&turn)[2][3][kNarray], const Complex (&turnWave)[2][3][kNarray]) {
    Himem& h = HIMEM;
    const int n = wavePoints();
    const int points = h.NCOL;
    if (report_) writeHeader(coord_, text.first, text.second, 1, true);
    h.LBASEX = h.LACRAO + 3 * h.NARRAY;
    for (h.IW = 1; h.IW <= n; ++h.IW) {
      INDXUP();
      const float w = h.RLDUM(h.LW);
      const float k = h.RLDUM(h.LWK);
      std::string row = report_ ? " " + fmtF(periodShown(h.IW, w, k, heading_), 6, 2) : std::string();
      for (int c = 0; c < points; ++c) {
        for (int j = 0; j < 3; ++j) {
          const Complex r = turn[c][j][h.IW - 1];
          h.RLDUM(column(c, j) + h.IWM) = std::norm(turnWave[c][j][h.IW - 1] * kDegreesPerRadian);
          if (report_) row += valueCell(r, kDegreesPerRadian);
        }
      }
      if (report_) text.hingeRows.push_back(row);
    }
    if (report_) showRows(text.hingeRows);
    if (h.LSKIP == 0 && kind_ == firstKindOfHeading()) {
      const std::int32_t saved = h.LOCSIG;
      h.LOCSIG = h.LCNHNG;
      STAT1();
      h.LOCSIG = saved;
    }
  }

  // The pause after a page's point table on the console; a reply of -1 or less shows the call's
  // pages again from the first, each with its pause, up to the page in hand.
  void pauseAndShowAgain() {
    if (!pauses_) return;
    const std::size_t last = pages_.size() - 1;
    std::size_t shown = last;
    for (;;) {
      Tpcm& d = TPCM;
      d.LBACK = 0;
      PRSRET(d.EDUNIT, kKeyboardUnit, d.LBACK);
      if (d.LBACK <= -1) {
        shown = 0;
      } else if (shown == last) {
        return;
      } else {
        if (lineAxes_) showAgain(pages_[shown], 1);
        ++shown;
      }
      showAgain(pages_[shown], 0);
    }
  }

  void showAgain(const PageText& text, std::int32_t IBALL) {
    writeHeader(coord_, text.first, text.second, IBALL, false);
    showRows(IBALL == 1 ? text.hingeRows : text.pointRows);
  }

  std::int32_t npts_;
  const PointCoordinates& coord_;
  Records records_;
  bool lineAxes_;
  std::int32_t kind_;
  bool report_ = false;
  bool pauses_ = false;
  bool rotate_ = false;
  Heading heading_{};
  std::vector<PageText> pages_;
};

}  // namespace

void ACC_HEADER(const PointCoordinates& COORD, std::int32_t I1, std::int32_t I2, std::int32_t IBALL) {
  writeHeader(COORD, I1, I2, IBALL, true);
}

YokeMotionLayout yokeMotionLayout(std::int32_t periods) {
  const Tpcm& d = TPCM;
  const std::int32_t points = std::clamp<std::int32_t>(d.NACC, 0, kMaxOutputPoints);
  const std::int32_t blockRecords = 1 + periods * points;  // the header, then each point's records
  YokeMotionLayout layout;
  for (const std::int32_t wanted : {d.LACC, d.LVEL}) {
    if (wanted != 0) layout.blockStart += blockRecords;
  }
  layout.headingRecords = layout.blockStart + (d.LDSP != 0 ? blockRecords : 0);
  layout.present = d.LDSP != 0 && points > 0;
  layout.periodStride = std::min<std::int32_t>(points, 2);
  return layout;
}

void ACCOUT(std::int32_t NPTS, const PointCoordinates& COORD) {
  if (NPTS < 0 || NPTS > kMaxOutputPoints) {
    fatalStop(kRoutine, TPCM.EDUNIT,
              {"", " ++> Vessel points: at most" + fmtI(kMaxOutputPoints, 4) + " points have motions (NACC =" +
                       fmtI(NPTS, 6) + ")."});
  }
  PointMotionCall call(NPTS, COORD);
  call.run();
}

}  // namespace qv
