#include "statics/stprt.h"

#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "dataset/tpcm.h"
#include "dataset/tpcm_codes.h"
#include "hull/equilb.h"
#include "numlib/circle_constants.h"
#include "numlib/interpolation.h"
#include "numlib/load_offset_table.h"
#include "platform/units.h"
#include "statics/column.h"
#include "statics/solve.h"
#include "util/advised_amount.h"
#include "util/console_io.h"
#include "util/farray.h"
#include "util/fatal.h"
#include "util/flowing_lines.h"
#include "util/fortran_format.h"

namespace qv {

namespace {

// The two kinds of section II pass.
enum class Pass {
  kTablePoints,  // II a: one block per table point
  kOffsets,      // II b: one block per step OFFINC of the offset
};

// How a part of the report ends.
enum class Ending {
  kGoOn,        // the next part follows
  kRepeat,      // a negative reply at a console pause: the report again from section I
  kReportDone,  // STPRT ends here, without the closing pause and the plot tables
};

bool english() { return TPCM.NUNTS == kEnglishUnits; }
std::string lengthLabel() { return english() ? " FEET " : "METERS"; }
std::string forceLabel() { return english() ? "K.LBS" : "M.TON"; }
bool toConsole() { return TPCM.IUNIT == TPCM.EDUNIT; }

// The pause that ends a section on the console; a negative reply asks for the report again.
Ending pauseOnConsole() {
  if (!toConsole()) return Ending::kGoOn;
  PRSRET(TPCM.EDUNIT, kKeyboardUnit, TPCM.LBACK);
  return TPCM.LBACK <= -1 ? Ending::kRepeat : Ending::kGoOn;
}

std::string elementRule() { return fmtX(11) + "+" + std::string(63, '-') + "+"; }

// Section I: each element's properties, and after each group of elements the member it forms (or the
// frozen base).
void writeElementSummary() {
  const Tpcm& t = TPCM;
  const Solve& s = SOLVE;
  const std::int32_t u = t.IUNIT;
  PAGE(u, t.EDUNIT, 1, 99);
  writeRecord(u, " ***********         I.  INDIVIDUAL SALM ELEMENT SUMMARY         ***********");
  LINES(u, 2);
  writeRecord(u, " ELEMENT       LENGTH    BUOYANCY     CB        WEIGHT      CG     GYRADIUS");
  writeRecord(u, fmtX(15) + lengthLabel() + fmtX(5) + forceLabel() + fmtX(5) + lengthLabel() + fmtX(6) + forceLabel() +
                     fmtX(5) + lengthLabel() + fmtX(4) + lengthLabel());
  writeRecord(u, elementRule());

  bool firstGroup = true;
  std::int32_t member = 0;
  for (std::int32_t k = 1; k <= t.NELEM; ++k) {
    writeRecord(u, fmtX(1) + fmtI(k, 4) + fmtX(6) + "[ " + fmtF(t.SLEN(k), 7, 2) + fmtX(3) + fmtF(t.BUOY(k), 9, 2) +
                       fmtX(3) + fmtF(t.CBUOY(k), 7, 2) + fmtX(3) + fmtF(t.TMASS(k), 9, 2) + fmtX(3) +
                       fmtF(t.CGSALM(k), 7, 2) + fmtX(3) + fmtF(t.GYRAD(k), 7, 2) + " ]");
    const bool groupEnds = k == t.NELEM || t.IFREE(k + 1) != 0;
    if (!groupEnds) continue;
    writeRecord(u, elementRule());
    if (firstGroup && t.IFREE(1) == 0) {
      writeRecord(u, " ANCHOR");
    } else {
      ++member;
      writeRecord(u, " MEMBER:" + fmtI(member, 2) + fmtF(s.CNLEN(member), 10, 2) + fmtF(s.CNBUOY(member), 12, 2) +
                         fmtF(s.CNCB(member), 10, 2) + fmtF(s.CNMASS(member), 12, 2) + fmtF(s.CNCG(member), 10, 2) +
                         fmtF(s.CNGYR(member), 10, 2));
    }
    writeRecord(u, "");
    if (k != t.NELEM) writeRecord(u, elementRule());
    firstGroup = false;
  }
}

void writeJointLoadHeading(Pass pass) {
  const std::int32_t u = TPCM.IUNIT;
  PAGE(u, TPCM.EDUNIT, 1, 99);
  writeRecord(u, pass == Pass::kTablePoints
                     ? " ************         II a.  INTERPOLATION TABLE SUMMARY           ************"
                     : " ************         II b.  HORIZONTAL OFFSET SUMMARY             ************");
  LINES(u, 2);
  writeRecord(u, fmtX(26) + "RADIAL   VERTICAL" + fmtX(10) + "VERTICAL   SHEAR     AXIAL");
  writeRecord(u, fmtX(1) + " OFFSET   FORCE  JOINT  POSITION  POSITION   ANGLE    LOAD     LOAD      LOAD");
  writeRecord(u, fmtX(1) + (english() ? "  FEET    K.LBS    #      FEET      FEET    DEGREES   K.LBS    K.LBS     K.LBS"
                                      : " METERS   M.TON    #     METERS    METERS   DEGREES   M.TON    M.TON     M.TON"));
  LINES(u, 2);
}

// One load state: the column's joints from the lowest free joint up, with the loads resolved across
// and along each member, and the top joint with the offset and the horizontal load.
void writeLoadState(float offsetShown, float H, const Arr<float, kMaxMembers>& angle) {
  const Solve& s = SOLVE;
  const std::int32_t u = TPCM.IUNIT;
  float r = 0.0f;
  float z = s.ANCHT;
  for (std::int32_t J = 1; J <= s.NCON; ++J) {
    const float phi = angle(J);
    const float V = s.ZLDTMP(J);
    const float shear = H * std::cos(phi) - V * std::sin(phi);
    const float axial = H * std::sin(phi) + V * std::cos(phi);
    writeRecord(u, fmtX(19) + fmtI(J, 2) + fmtX(1) + fmtF(r, 9, 2) + fmtX(1) + fmtF(z, 9, 2) +
                       fmtF(phi * kDegreesPerRadian, 9, 2) + fmtX(1) + fmtF(V, 9, 2) + fmtF(shear, 9, 2) +
                       fmtF(axial, 10, 2));
    r += s.CNLEN(J) * std::sin(phi);
    z += s.CNLEN(J) * std::cos(phi);
  }
  writeRecord(u, fmtX(1) + fmtF(offsetShown, 6, 1) + fmtX(1) + fmtF(H, 8, 2) + fmtX(3) + fmtI(s.NCON + 1, 2) + fmtX(1) +
                     fmtF(r, 9, 2) + fmtX(1) + fmtF(z, 9, 2) + "    N. A." + fmtX(1) + fmtF(s.ZLDTMP(s.NCON + 1), 9, 2));
  writeRecord(u, "");
}

// The offset range of the load-offset table: its last offset less its first.
float tableOffsetRange() { return EQUILB.OFFSET(TPCM.NUMTAB) - EQUILB.OFFSET(1); }

// Number of load states of a pass: the table points, or the offset steps over the table's range.
std::int32_t loadStates(Pass pass) {
  return pass == Pass::kTablePoints ? TPCM.NUMTAB : offsetStates(tableOffsetRange(), TPCM.OFFINC);
}

// The offset pass shows a state at every OFFINC over the range of the load-offset table: no more
// states than that table holds, or a small increment would write a report without end.
void requireOffsetStep() {
  const Tpcm& t = TPCM;
  if (!offsetPassRuns(t.STAMOT, t.NELEM, t.FRESLM, t.LOFFST, t.LTABL)) return;
  const float range = tableOffsetRange();
  if (offsetStatesHeld(range, t.OFFINC, kMaxTablePoints)) return;
  const std::int32_t states = loadStates(Pass::kOffsets);
  const std::string unit = english() ? " feet" : " meters";
  std::vector<std::string> lines{""};
  addFlowingLines(lines, " ++> ",
                  "STPRT: the offset increment for the static offset table (page 2, item 3), " +
                      messageValue(t.OFFINC) + unit + ", gives " + std::to_string(states) +
                      " offset states over the table's " + messageValue(range) + unit + "; at most " +
                      std::to_string(kMaxTablePoints) + " are reported.");
  // The least increment that gives no more states, typed as the message prints it.
  const std::optional<double> least =
      advisedLeast(range / static_cast<float>(kMaxTablePoints - 1), [range](double shown) {
        return offsetStatesHeld(range, typedValue(shown), kMaxTablePoints);
      });
  if (least) lines.push_back("     Use an increment of at least " + amountText(*least) + unit + ".");
  fatalStop("STPRT", t.EDUNIT, lines, FatalWait::kPressReturn, kKeyboardUnit);
}

// One pass of section II: the zero-load state first, then the table points or the offset steps,
// each with the joint loads from ZFILL.
Ending writeJointLoads(Pass pass) {
  const Tpcm& t = TPCM;
  Solve& s = SOLVE;
  const Equilb& q = EQUILB;
  s.ZLDTMP = s.ZLOAD0;
  Arr<float, kMaxMembers> angle{};
  for (std::int32_t I = 1; I <= s.NCON; ++I) angle(I) = s.PHIANG(1, I);
  float H = 0.0f;
  float offsetShown = 0.0f;
  float X = q.OFFSET(1);

  const std::int32_t states = loadStates(pass);
  const std::int32_t perPage = 45 / (s.NCON + 2) + 1;
  for (std::int32_t block = 1; block <= states; ++block) {
    if ((block - 1) % perPage == 0) writeJointLoadHeading(pass);
    writeLoadState(offsetShown, H, angle);
    if (t.FRESLM != 0) return Ending::kReportDone;  // a free SALM has its zero-load state only
    if (block == states) break;
    if (pass == Pass::kTablePoints) {
      offsetShown = q.OFFSET(block + 1) - q.OFFSET(1);
      H = q.HLOAD(block + 1);
      for (std::int32_t I = 1; I <= s.NCON; ++I) angle(I) = s.PHIANG(block + 1, I);
    } else {
      X += t.OFFINC;
      offsetShown += t.OFFINC;
      int range = 0;
      int i = 1;
      BSRCH(q.OFFSET.data(), X, range, i, t.NUMTAB);
      INTERP(q.OFFSET.data(), q.HLOAD.data(), X, H, i);
      for (std::int32_t I = 1; I <= s.NCON; ++I) INTERP(q.OFFSET.data(), &s.PHIANG(1, I), X, angle(I), i);
    }
    ZFILL(H, angle.data());
  }
  writeRecord(t.IUNIT, "");
  writeRecord(t.IUNIT, " >>> Interpolation table contains " + fmtI(t.NUMTAB, 2) + " load values");
  return Ending::kGoOn;
}

// Section II: a table-point pass when LTABL is 1, followed by an offset pass; an offset pass alone
// otherwise. An offset pass is skipped, and the report ends there, when LOFFST is 0, unless it is the
// only pass of a data set whose LTABL is neither 0 nor 1.
Ending writeSectionTwo() {
  const Tpcm& t = TPCM;
  const bool offsetPassForced = t.LTABL != 0 && t.LTABL != 1;
  Pass pass = t.LTABL == 1 ? Pass::kTablePoints : Pass::kOffsets;
  for (bool first = true;; first = false) {
    if (pass == Pass::kOffsets && t.LOFFST == 0 && !(first && offsetPassForced)) return Ending::kReportDone;
    if (writeJointLoads(pass) == Ending::kReportDone) return Ending::kReportDone;
    if (pass == Pass::kOffsets) return Ending::kGoOn;
    pass = Pass::kOffsets;
  }
}

void writePlotLine(std::string_view text) { writeRecord(kStaticsPlotUnit, text); }
void writePlotInt(std::int32_t value) { writePlotLine(fmtI(value, 5)); }
void writePlotReal(float value) { writePlotLine(fmtF(value, 10, 2)); }

// The plot tables: the horizontal force against the offset, and each member's angle against it.
void writePlotTables() {
  const Tpcm& t = TPCM;
  const Solve& s = SOLVE;
  const Equilb& q = EQUILB;
  const std::string offsetLabel = english() ? "OFFSET (FT)" : "OFFSET (METERS)";
  writePlotInt(t.IUNIT);
  writePlotInt(4 * s.NCON + 2);
  writePlotInt(1);
  writePlotLine(offsetLabel);
  writePlotLine(english() ? "FORCE IN KIPS" : "FORCE IN M. TONS");
  writePlotLine("INTERPOLATION TABLE FOR HORIZONTAL FORCE");
  writePlotInt(t.NUMTAB);
  writePlotInt(1);
  for (std::int32_t k = 1; k <= t.NUMTAB; ++k) writePlotReal(q.OFFSET(k) - q.OFFSET(1));
  for (std::int32_t k = 1; k <= t.NUMTAB; ++k) writePlotReal(q.HLOAD(k));
  writePlotLine("NET HORIZONTAL FORCE");
  if (t.NELEM == 0) return;
  for (std::int32_t I = 1; I <= s.NCON; ++I) {
    writePlotInt(1);
    writePlotLine(offsetLabel);
    writePlotLine("ANGLE IN DEG.");
    writePlotLine("INTERPOLATION TABLE FOR MEMBER ANGLES");
    writePlotInt(t.NUMTAB);
    writePlotInt(0);
    for (std::int32_t k = 1; k <= t.NUMTAB; ++k) writePlotReal(s.PHIANG(k, I) * kDegreesPerRadian);
    writePlotLine("MEMBER # " + fmtI(I, 2));
  }
}

}  // namespace

void writeProgressLine(std::string_view text) {
  const std::int32_t unit = TPCM.EDUNIT;
  writeRecord(unit, "");
  writeRecord(unit, text);
  writeRecord(unit, "");
}

void STPRT() {
  Tpcm& t = TPCM;
  writeProgressLine(" >>> Outputting static offset data...");
  SOLVE.ITABLE = t.NUMTAB;
  t.LBACK = 0;
  requireOffsetStep();

  for (;;) {
    if (t.STAMOT == 0 || t.NELEM == 0) break;
    writeElementSummary();
    if (pauseOnConsole() == Ending::kRepeat) continue;
    if (writeSectionTwo() == Ending::kReportDone) return;
    if (pauseOnConsole() == Ending::kRepeat) continue;
    break;
  }
  if (t.IPLOTS != 0) writePlotTables();
}

}  // namespace qv
