#include "vessel/user_raos.h"

#include <algorithm>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "dataset/tpcm.h"
#include "numlib/interpolation.h"
#include "numlib/table_span.h"
#include "platform/block_reset.h"
#include "platform/units.h"
#include "util/console_io.h"
#include "util/dialogue.h"
#include "util/fatal.h"
#include "util/files.h"
#include "util/fortran_format.h"
#include "util/list_read.h"
#include "util/user_file_values.h"
#include "waves/wavcom.h"

namespace qv {

constinit UsrraoState USRRAO_STATE{};
const BlockReset resetUsrraoState{[] { USRRAO_STATE.reset(); }};

namespace {

constexpr std::string_view kCaller = "USRRAO";

// Asks whether to go on after a warning; "A", or an unattended run that cannot be asked, stops.
void abortOrContinue() {
  ABORT0(TPCM.EDUNIT, kKeyboardUnit, TPCM.LBACK);
  if (TPCM.LBACK < 0 || TPCM.EDUNIT == kDiagnosticsUnit) silentStop(kCaller);
}

// Opens FNAME on the operator unit as an existing file; false when there is none.
bool openExisting(std::string_view FNAME) {
  closeUnit(kUserRaoUnit);
  const std::string name(fileNameOf(FNAME));
  auto stream = std::make_unique<std::fstream>(name, std::ios::in | std::ios::binary);
  if (!stream->is_open()) return false;
  connectUnit(kUserRaoUnit, std::move(stream), name);
  return true;
}

// One row of the file, its values running over as many lines as they need; one that cannot be read
// stops the run naming the file, the line and what the row holds (`due`).
void readValues(PlacedRead& in, std::string_view FNAME, std::initializer_list<ListTarget> targets,
                const std::string& due) {
  in.readRow(targets, {kCaller, kUserRaoUnit, TPCM.EDUNIT, kKeyboardUnit, fileNameOf(FNAME)}, due);
}

// Every value of the file is bounded by what it is. Headings turn at most once either way; the
// frequencies are those of waves of 0.1 s and longer; an operator is a motion per wave amplitude
// (surge, sway, heave) or degrees of motion per degree of wave slope (roll, pitch, yaw), which even
// a lightly damped vessel at resonance keeps within some tens: a hundred is no vessel's.
constexpr float kLargestHeading = 360.0f;              // [deg]
constexpr float kHighestFrequency = 62.831855f;        // [rad/s], a period of 0.1 s
constexpr float kLargestOperator = 100.0f;
void requireValue(const PlacedRead& in, std::string_view FNAME, int index, std::string_view what, float value,
                  float lowest, float highest, std::string_view why) {
  requireUserFileValue(in, {kCaller, kUserRaoUnit, TPCM.EDUNIT, kKeyboardUnit, fileNameOf(FNAME)}, index, what, value,
                       lowest, highest, why);
}

// The twelve operator values of a row: real and imaginary parts of surge, sway, heave, roll, pitch, yaw.
void requireOperators(const PlacedRead& in, std::string_view FNAME, const float (&v)[12]) {
  static const char* const kMotion[6] = {"surge", "sway", "heave", "roll", "pitch", "yaw"};
  for (int k = 0; k < 12; ++k) {
    const std::string what = std::string(k % 2 == 0 ? "the real part" : "the imaginary part") + " of the " +
                             kMotion[k / 2] + " operator";
    requireValue(in, FNAME, k + 2, what, v[k], -kLargestOperator, kLargestOperator,
                 k / 2 < 3 ? "motion per wave amplitude" : "degrees of motion per degree of wave slope");
  }
}

// Stops on a table the interpolation cannot use: too large for the arrays, or too small to hold an
// interval.
void checkDimensions(std::string_view FNAME, std::int32_t nfreq, std::int32_t naz) {
  if (nfreq >= 2 && nfreq <= kMaxUserFrequencies && naz >= 2 && naz <= kMaxUserHeadings) return;
  fatalStop(kCaller, TPCM.EDUNIT,
            {"", " ++>  User-supplied RAO array in \"" + std::string(fileNameOf(FNAME)) + "\"",
             "      dimensions = [" + fmtI(nfreq, 3) + "," + fmtI(naz, 3) + "] out of range; allowable",
             "      dimensions = [  2 to " + fmtI(kMaxUserFrequencies, 3) + ",  2 to " + fmtI(kMaxUserHeadings, 3) + "]",
             ""});
}

// The file is missing: named with the items that ask for it and what to change. Only at the console,
// where the question that follows lets the user go on, is the stand-in offered: an unattended run
// stops at this message and takes none.
void warnMissingFile(std::string_view name) {
  const std::int32_t unit = TPCM.EDUNIT;
  writeRecord(unit, "");
  writeRecord(unit, " ++> Warning: User-supplied vessel RAOs \"" + std::string(name) + "\" not found;");
  writeRecord(unit, "     page 6, item 13 (also page 18, item 9) asks for them: set it to No there,");
  writeRecord(unit, "     or put the file in the data set's folder.");
  if (unit != kDiagnosticsUnit) {
    writeRecord(unit, "     Continue, and the run takes dimensionless RAOs of unity in its place.");
  }
  writeRecord(unit, "");
  abortOrContinue();
}

// Reads the table of FNAME into the state, or notes that the file is missing.
void loadTable(std::string_view FNAME) {
  UsrraoState& s = USRRAO_STATE;
  s.FRSTIM = 0;
  s.LASTFILE.assign(FNAME);
  s.IERR = openExisting(FNAME) ? 0 : 1;
  if (s.IERR != 0) {
    warnMissingFile(s.LASTFILE.trimmed());
    return;
  }
  PlacedRead in(kUserRaoUnit);
  const UserFileStop stop{kCaller, kUserRaoUnit, TPCM.EDUNIT, kKeyboardUnit, fileNameOf(FNAME)};
  std::int32_t nfreq = 0;
  std::int32_t naz = 0;
  readValues(in, FNAME, {&nfreq, &naz}, "the counts there: 2 values (frequencies, headings)");
  const int countLine = in.rowLine();
  checkDimensions(FNAME, nfreq, naz);
  s.NFREQ = nfreq;
  s.NAZ = naz;
  UserRaoTable* tables[6] = {&s.CUSRG, &s.CUSWY, &s.CUHEV, &s.CUROL, &s.CUPIT, &s.CUYAW};
  // The search and the interpolation need distinct headings and frequencies each in one order;
  // checked row by row, they also stop a row short of a value where the rows after it shift.
  ColumnOrder headings("heading", "headings");
  ColumnOrder frequencies("frequency", "frequencies of a heading block");
  for (int ia = 1; ia <= naz; ++ia) {
    readValues(in, FNAME, {&s.DEGARR(ia)},
               "the heading of block " + std::to_string(ia) + " of " + std::to_string(naz) + " there: 1 value");
    requireValue(in, FNAME, 1, "a heading", s.DEGARR(ia), -kLargestHeading, kLargestHeading,
                 "degrees: one turn either way");
    headings.require(in, stop, 1, s.DEGARR(ia));
    frequencies.restart();
    for (int jf = 1; jf <= nfreq; ++jf) {
      float v[12] = {};
      readValues(in, FNAME,
                 {&s.WARRAY(jf), &v[0], &v[1], &v[2], &v[3], &v[4], &v[5], &v[6], &v[7], &v[8], &v[9], &v[10], &v[11]},
                 "row " + std::to_string(jf) + " of heading block " + std::to_string(ia) + " (heading " +
                     messageValue(s.DEGARR(ia)) +
                     " deg) there: 13 values (frequency, then the real and imaginary parts of the surge, sway,"
                     " heave, roll, pitch and yaw operators)");
      requireValue(in, FNAME, 1, "a frequency", s.WARRAY(jf), 0.0f, kHighestFrequency,
                   "rad/s: waves of 0.1 s and longer");
      frequencies.require(in, stop, 1, s.WARRAY(jf));
      requireOperators(in, FNAME, v);
      for (int k = 0; k < 6; ++k) (*tables[k])(jf, ia) = Complex(v[2 * k], v[2 * k + 1]);
    }
  }
  in.requireNoMoreRows(stop, countLine,
                       "the " + std::to_string(naz) + " heading blocks of " + std::to_string(nfreq) + " frequencies");
  HCLOSE(kUserRaoUnit, fileNameOf(FNAME), kCaller, TPCM.EDUNIT);
}

// The heading of the table at the response heading HEAD [deg]: its turn within the table's headings.
// One that no turn brings within them (a table of less than a turn) stops the run.
float tableHeading(float HEAD) {
  const UsrraoState& s = USRRAO_STATE;
  if (const std::optional<float> within = headingWithinTable(s.DEGARR.data(), s.NAZ, HEAD, 360.0f)) return *within;
  stopHeadingOutsideTable({.routine = kCaller, .unit = TPCM.EDUNIT, .inUnit = kKeyboardUnit,
                           .file = s.LASTFILE.trimmed(), .headingDeg = HEAD,
                           .what = "the waves' heading relative to the vessel in this response pass",
                           .lowestDeg = std::min(s.DEGARR(1), s.DEGARR(s.NAZ)),
                           .highestDeg = std::max(s.DEGARR(1), s.DEGARR(s.NAZ))});
}

// The first grid frequency W outside the table in the run: the file, what the table and the grid
// span, then the question; an unattended run stops.
void warnExtrapolation(float W) {
  const UsrraoState& s = USRRAO_STATE;
  const Himem& h = HIMEM;
  const int points = wavePoints();
  float gridLowest = 0.0f;
  float gridHighest = 0.0f;
  if (points > 0) {
    const float* grid = &h.RLDUM(h.LCNW);
    const auto [lowest, highest] = std::minmax_element(grid, grid + points);
    gridLowest = *lowest;
    gridHighest = *highest;
  }
  const std::vector<std::string> lines = frequencyOutsideTableLines(
      {.table = "RAO", .file = s.LASTFILE.trimmed(), .lowest = std::min(s.WARRAY(1), s.WARRAY(s.NFREQ)),
       .highest = std::max(s.WARRAY(1), s.WARRAY(s.NFREQ)), .gridPoints = points, .gridLowest = gridLowest,
       .gridHighest = gridHighest, .frequency = W});
  for (const std::string& line : lines) writeRecord(TPCM.EDUNIT, line);
  abortOrContinue();
}

// The six operators of the table at grid frequency W and the table's heading HEAD, in the order
// surge, sway, heave, roll, pitch, yaw.
void interpolateTable(float W, float HEAD, Complex (&X)[6]) {
  UsrraoState& s = USRRAO_STATE;
  int headingRange = 0;
  int IA = 0;
  BSRCH(s.DEGARR.data(), HEAD, headingRange, IA, s.NAZ);
  int frequencyRange = 0;
  int IF = 0;
  BSRCH(s.WARRAY.data(), W, frequencyRange, IF, s.NFREQ);
  if (frequencyRange != 0 && s.WARN1 == 0) {
    warnExtrapolation(W);
    s.WARN1 = 1;
  }
  const UserRaoTable* tables[6] = {&s.CUSRG, &s.CUSWY, &s.CUHEV, &s.CUROL, &s.CUPIT, &s.CUYAW};
  for (int k = 0; k < 6; ++k) {
    CINTRP4(*tables[k], s.WARRAY.data(), s.DEGARR.data(), W, HEAD, X[k], IF, IA, s.NFREQ, s.NAZ);
  }
}

}  // namespace

void UsrraoState::reset() {
  LASTFILE = kNoUserRaoFile;
  FRSTIM = 1;
  IERR = 0;
  WARN1 = 0;
  NFREQ = 0;
  NAZ = 0;
  DEGARR.fill(0.0f);
  WARRAY.fill(0.0f);
  for (UserRaoTable* t : {&CUSRG, &CUSWY, &CUHEV, &CUROL, &CUPIT, &CUYAW}) t->fill(Complex());
}

void USRRAO(std::string_view FNAME) {
  UsrraoState& s = USRRAO_STATE;
  if (s.FRSTIM == 1 || fileNameOf(FNAME) != s.LASTFILE.trimmed()) loadTable(FNAME);

  Himem& h = HIMEM;
  const float HEAD = h.RAOANG(WAVCOM.IRAO);
  // The table is read at the turn of the heading that its headings span.
  const float tableHEAD = s.IERR != 0 ? HEAD : tableHeading(HEAD);
  const float rollCentre = h.VTCRR - TPCM.TVKG;
  const float pitchCentre = h.VTCRP - TPCM.TVKG;
  for (h.IW = 1; h.IW <= wavePoints(); ++h.IW) {
    INDXUP();
    const float W = h.RLDUM(h.LW);
    Complex X[6];  // surge, sway, heave, roll, pitch, yaw
    if (s.IERR != 0) {
      UNITRAO(W, HEAD, X[0], X[1], X[2], X[4], X[3], X[5]);
    } else {
      interpolateTable(W, tableHEAD, X);
    }
    // Degrees per degree of wave slope are radians per radian of slope; times k, per unit amplitude.
    const float k = h.RLDUM(h.LWK);
    X[3] *= k;
    X[4] *= k;
    X[5] *= k;
    // From the centre of gravity to the pitch and roll centres.
    X[0] += pitchCentre * X[4];
    X[1] -= rollCentre * X[3];
    h.CXDUM(h.LSG) = X[0];
    h.CXDUM(h.LSW) = X[1];
    h.CXDUM(h.LHV) = X[2];
    h.CXDUM(h.LRL) = X[3];
    h.CXDUM(h.LPT) = X[4];
    h.CXDUM(h.LYA) = X[5];
  }
}

void CINTRP4(const UserRaoTable& TABLE, const float* WARRAY, const float* DEGARR, float W, float HEAD,
             Complex& RESULT, int IF, int IA, int /*NFREQ*/, int /*NAZ*/) {
  // Arrays from 1, as the indices.
  const float* deg = DEGARR - 1;
  const float* w = WARRAY - 1;
  const float c = (HEAD - deg[IA]) / (deg[IA + 1] - deg[IA]);
  const Complex b = TABLE(IF, IA) + c * (TABLE(IF, IA + 1) - TABLE(IF, IA));
  const Complex b1 = TABLE(IF + 1, IA) + c * (TABLE(IF + 1, IA + 1) - TABLE(IF + 1, IA));
  const float l = (W - w[IF]) / (w[IF + 1] - w[IF]);
  RESULT = b + l * (b1 - b);
}

void UNITRAO(float /*W*/, float /*HEAD*/, Complex& SURGE, Complex& SWAY, Complex& HEAVE, Complex& PITCH,
             Complex& ROLL, Complex& YAW) {
  // Each phase 60 degrees on from the one before, starting at 45.
  const Complex step(0.5f, 0.8660254f);
  SURGE = Complex(0.70710677f, 0.70710677f);
  SWAY = SURGE * step;
  HEAVE = SWAY * step;
  ROLL = HEAVE * step;
  PITCH = ROLL * step;
  YAW = PITCH * step;
}

}  // namespace qv
