#include "vessel/rao_report.h"

#include <cmath>
#include <string>
#include <string_view>
#include <vector>

#include "dataset/tpcm.h"
#include "hull/himem.h"
#include "numlib/angles.h"
#include "numlib/circle_constants.h"
#include "platform/units.h"
#include "util/captions.h"
#include "util/console_io.h"
#include "util/fortran_format.h"
#include "waves/wavcom.h"

namespace qv {

namespace {

constexpr int kMaxColumns = 3;

constexpr std::string_view kCentreOfGravity = "vessel center of gravity (VKG)";

// Where the heading lines of a table go: the report unit, and the plot table when it keeps a copy
// of the report (IPLOTS 1) and this is the table's first showing.
struct Sink {
  bool plotCopy;
  void line(std::string_view text) const {
    writeRecord(TPCM.IUNIT, text);
    if (plotCopy) writeRecord(kPlotUnit, text);
  }
};

bool plotCopyWanted() { return TPCM.IPLOTS == 1; }

std::string caption(std::int32_t code) {
  Text<8> text;
  CAPUN(text, code);
  return text.str();
}

std::string dofName(std::int32_t dof) {
  Text<8> text;
  DOF(text, dof);
  return text.str();
}

// A text in a field of `width` as a CHARACTER variable of that length holds it: cut, or padded
// with blanks on the right.
std::string padded(std::string_view text, std::size_t width) {
  std::string out(text.substr(0, std::min(width, text.size())));
  out.resize(width, ' ');
  return out;
}

// The two-character length caption, "FT" or "M.".
std::string lengthUnit() { return caption(unitCode(2, TPCM.NUNTS)).substr(0, 2); }

// '"natural" ' followed by the pair of centres, or the centre of gravity.
std::string centreNote(std::string_view centres) {
  if (TPCM.LCGFLG == 1) return std::string(kCentreOfGravity);
  return "\"natural\"" + std::string(centres);
}

void writeHeader(std::int32_t IFLAG, const Sink& out) {
  const Tpcm& d = TPCM;
  const Himem& h = HIMEM;
  PAGE(d.IUNIT, d.EDUNIT, 1, kPrinterUnit);
  const std::string border = fmtX(3) + "**" + fmtX(72) + "**";
  out.line(border);
  out.line(fmtX(3) + "***************  II.  UNMOORED VESSEL MOTION " + "CHARACTERISTICS  " + "**************");
  out.line(border);

  const bool slope = d.LSLPHT == 1;
  const std::string length = lengthUnit();
  out.line("");
  out.line("");
  out.line(fmtX(5) + "----  REGULAR" + " WAVE DATA:  WAVE HEADING        =" + fmtF(h.RAOANG(WAVCOM.IRAO), 6, 1) +
           " DEG");
  out.line(fmtX(31) + "WAVE " + padded(slope ? "SLOPE" : "HEIGHT", 7) + "        =" + fmtF(d.SLPHT, 6, 1) + " " +
           padded(slope ? "DEG" : length, 3));
  out.line(fmtX(31) + "VESSEL SPEED        =" + fmtF(d.TVFWD, 6, 1) + " " + length + "/SEC");
  out.line(fmtX(31) + "DIRECTION OF MOTION =" + fmtF(d.TVFWD != 0.0f ? d.VGLDIR : 0.0f, 6, 1) + " DEG");
  if (h.LFRFLG == 0 && IFLAG == 1 && d.VESTYP == kShipVessel) {
    const float damping = d.LRLDMP != 0 ? d.RLDAMP : 50.0f * h.GAMRLI;
    out.line(fmtX(31) + "ROLL DAMPING        =" + fmtF(damping, 6, 1) + " PERCENT");
  } else {
    out.line("");
  }
  out.line("");
}

void writeScaleFactors(const Sink& out) {
  const bool metric = TPCM.NUNTS == kMetricUnits;
  out.line("");
  out.line("");
  out.line(fmtX(5) + "----  REGULAR WAVE FORCE/TORQUE SCALE FACTORS" + "  ----");
  out.line("");
  for (int i = 1; i <= kDof; ++i) {
    std::string_view unit;
    if (i <= 2) unit = metric ? "M.TON/DEG" : "KIPS/DEG";
    else if (i == 3) unit = metric ? "M.TON/METER" : "KIPS/FT";
    else unit = metric ? "M.TON-METER/DEG" : "FT-KIPS/DEG";
    out.line(fmtX(7) + dofName(i).substr(0, 5) + " .................................." +
             fmtF(HIMEM.SCALE(i), 12, 1) + " " + padded(unit, 15));
  }
  out.line("");
  out.line("");
  out.line(" ++> Note: Moments evaluated about " + centreNote(" roll and pitch centers"));
}

// One row of a table: the period shown, the wave length, the wave's slope or height, and the
// amplitude and phase of each column.
struct Row {
  float period;
  float waveLength;
  float reference;
  float amplitude[kMaxColumns];
  float phase[kMaxColumns];
};

std::vector<Row> tableRows() {
  const Tpcm& d = TPCM;
  Himem& h = HIMEM;
  const bool forces = h.LFRFLG == 1;
  const float dR = h.VTCRR - d.TVKG;
  const float dP = h.VTCRP - d.TVKG;
  const float cR = h.GMT > 0.0f ? dR / h.GMT : 0.0f;
  const float cP = h.GML > 0.0f ? dP / h.GML : 0.0f;
  const float cosCourse = std::cos((h.RAOANG(WAVCOM.IRAO) - d.VGLDIR) / kDegreesPerRadian);
  std::vector<Row> rows;
  for (h.IW = 1; h.IW <= wavePoints(); ++h.IW) {
    INDXUP();
    const float w = h.RLDUM(h.LW);
    const float k = h.RLDUM(h.LWK);
    const Complex X[kDof] = {h.CXDUM(h.LSG), h.CXDUM(h.LSW), h.CXDUM(h.LHV),
                             h.CXDUM(h.LRL), h.CXDUM(h.LPT), h.CXDUM(h.LYA)};
    Row row{};
    row.period = d.TVFWD != 0.0f ? kTwoPi / (w - k * d.TVFWD * cosCourse) : d.T(h.IW);
    row.waveLength = kTwoPi / k;
    row.reference = d.LSLPHT == 0 ? d.SLPHT * k * kDegreesPerRadian / 2.0f : d.SLPHT / kDegreesPerRadian / k;
    for (int c = 1; c <= h.NCOL; ++c) {
      const int dof = h.IDCLMN(c);
      Complex x = X[dof - 1];
      if (d.LCGFLG == 1) {
        // Moved to the centre of gravity.
        if (forces && dof == 5) x += cP * X[0];
        if (forces && dof == 4) x -= cR * X[1];
        if (!forces && dof == 1) x -= dP * X[4];
        if (!forces && dof == 2) x += dR * X[3];
      }
      float amplitude = std::abs(x);
      if (!forces && dof >= 4) amplitude = d.LENDEG == 1 ? amplitude * kDegreesPerRadian : amplitude / k;
      row.amplitude[c - 1] = amplitude;
      row.phase[c - 1] = PHASE(x);
    }
    rows.push_back(row);
  }
  return rows;
}

void writeTable(std::int32_t IFLAG, const std::vector<Row>& rows, const Sink& out) {
  const Tpcm& d = TPCM;
  const Himem& h = HIMEM;
  const bool forces = h.LFRFLG == 1;
  const bool metric = d.NUNTS == kMetricUnits;
  writeHeader(IFLAG, out);
  out.line(fmtX(29) + (forces ? "+++  DIMENSIONLESS DRIVING FORCE/TORQUE RAOS  +++"
                              : "+++  QUASI-LINEAR RESPONSE RAOS (S.A./S.A.)  +++"));
  out.line("");
  if (!forces && d.AUXVSH != 0) {
    out.line(" >>> NOTE:  The following RAO data are USER-SUPPLIED");
    out.line("");
  }
  std::string names = " " + std::string(d.TVFWD != 0.0f ? "ENCOUNTER" : fmtX(9));
  std::string units = fmtX(28);
  std::string headings = "  PERIOD   LENGTH   " + padded(d.LSLPHT == 0 ? "SLOPE" : "HEIGHT", 6);
  for (int c = 1; c <= h.NCOL; ++c) {
    const int dof = h.IDCLMN(c);
    names += fmtX(c == 1 ? 24 : 9) + dofName(dof);
    std::string unit = dof <= 3 ? (metric ? "( M./ M.)" : "(FT./FT.)")
                                : (d.LENDEG == 1 ? (metric ? "(DEG/ M.)" : "(DEG/FT.)") : "(DEG/DEG)");
    units += (c == 1 ? fmtX(4) : fmtX(8)) + unit;
    headings += fmtX(c == 1 ? 7 : 9) + "AM/PHASE";
  }
  out.line(names);
  if (!forces) out.line(units);
  out.line("   WAVE     WAVE    WAVE");
  out.line(headings);
  const std::string length = lengthUnit();
  out.line("  (SEC)     (" + length + ")    (" + padded(d.LSLPHT == 0 ? "DEG" : length, 3) + ")");
  out.line("");
  out.line("");

  for (const Row& row : rows) {
    std::string text = fmtX(2) + fmtF(row.period, 6, 2) + fmtX(2) + fmtF(row.waveLength, 7, 1) + fmtX(2) +
                       fmtF(row.reference, 6, 2);
    for (int c = 0; c < h.NCOL; ++c) text += fmtF(row.amplitude[c], 10, 3) + "/" + fmtF(row.phase[c], 6, 1);
    writeRecord(d.IUNIT, text);
  }

  if (forces) {
    writeScaleFactors(out);
  } else {
    out.line("");
    out.line("");
    out.line(" >>> Note: Surge and sway RAOs evaluated at " + centreNote(" pitch and roll centers"));
  }
}

// A number of a tab-separated plot row, without padding.
std::string plotNumber(float value) {
  std::string text = fmtE(value, 14, 7);
  return text.substr(text.find_first_not_of(' '));
}

void writePlotRows(const std::vector<Row>& rows) {
  const int columns = HIMEM.NCOL;
  for (const Row& row : rows) {
    std::string text = " " + plotNumber(row.period) + "\t" + plotNumber(row.waveLength) + "\t" +
                       plotNumber(row.reference);
    for (int c = 0; c < columns; ++c) text += "\t" + plotNumber(row.amplitude[c]) + "\t" + plotNumber(row.phase[c]);
    writeRecord(kPlotUnit, text);
  }
}

// One curve per column: its number, the axis titles, the heading, the abscissae (for the first
// curve of the file only) and the amplitudes.
void writePlotCurves(const std::vector<Row>& rows) {
  const Tpcm& d = TPCM;
  Himem& h = HIMEM;
  const bool forces = h.LFRFLG == 1;
  const bool metric = d.NUNTS == kMetricUnits;
  const float heading = h.RAOANG(WAVCOM.IRAO);
  for (int c = 1; c <= h.NCOL; ++c) {
    const int dof = h.IDCLMN(c);
    writeRecord(kPlotUnit, fmtI(h.NCURV, 5));
    writeRecord(kPlotUnit, "ENCOUNTER PERIOD IN SECONDS");
    if (forces) {
      writeRecord(kPlotUnit, "DIMENSIONLESS RAO");
    } else {
      const std::string perLength = metric ? "M  " : "FT ";
      std::string pair;
      if (dof <= 3) pair = (metric ? "  M" : " FT") + std::string(" PER ") + perLength;
      else pair = "DEG PER " + (d.LENDEG == 1 ? perLength : std::string("DEG"));
      writeRecord(kPlotUnit, pair);
    }
    writeRecord(kPlotUnit, std::string(forces ? "FORCE/TORQUE RAO (S.A./S.A.) FOR WAVE HEADING"
                                              : "RESPONSE RAO (S.A./S.A.) FOR WAVE HEADING") +
                               fmtF(heading, 8, 2) + " DEGREES");
    writeRecord(kPlotUnit, fmtI(d.NWP, 5) + fmtI(h.IXFLAG, 5));
    if (h.IXFLAG != 0) {
      for (const Row& row : rows) writeRecord(kPlotUnit, fmtF(row.period, 8, 2));
      h.IXFLAG = 0;
    }
    for (const Row& row : rows) writeRecord(kPlotUnit, fmtF(row.amplitude[c - 1], 8, 2));
    writeRecord(kPlotUnit, dofName(dof));
    ++h.NCURV;
  }
}

}  // namespace

void HEADR2(std::int32_t IFLAG) { writeHeader(IFLAG, Sink{plotCopyWanted()}); }

void HEADR2(std::int32_t IFLAG, bool plotCopy) { writeHeader(IFLAG, Sink{plotCopy && plotCopyWanted()}); }

void SCALEF() { writeScaleFactors(Sink{plotCopyWanted()}); }

void RAOOUT(std::int32_t IFLAG) {
  Tpcm& d = TPCM;
  const std::vector<Row> rows = tableRows();
  bool first = true;
  do {
    const bool plotCopy = first && plotCopyWanted();
    writeTable(IFLAG, rows, Sink{plotCopy});
    if (plotCopy) writePlotRows(rows);
    if (first && d.IPLOTS == 2) writePlotCurves(rows);
    first = false;
    if (d.IUNIT != d.EDUNIT) return;  // a file gets the table once
    d.LBACK = 0;
    PRSRET(d.EDUNIT, kKeyboardUnit, d.LBACK);
  } while (d.LBACK < 0);
}

void RUTIL() {
  Himem& h = HIMEM;
  const Tpcm& d = TPCM;
  h.NCOL = 0;
  std::int32_t rollNote = d.MOTION(4) == 1 ? 1 : 0;
  for (int j = 1; j <= kDof; ++j) {
    if (d.MOTION(j) == 0) continue;
    ++h.NCOL;
    h.IDCLMN(h.NCOL) = j;
    if (h.NCOL == kMaxColumns) {
      std::int32_t flag = 0;
      if (j >= 4 && rollNote == 1) {
        flag = 1;
        rollNote = 0;
      }
      RAOOUT(flag);
      h.NCOL = 0;
    }
  }
  if (h.NCOL != 0) RAOOUT(rollNote);
}

}  // namespace qv
