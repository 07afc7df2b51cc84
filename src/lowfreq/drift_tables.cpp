#include "lowfreq/drift_tables.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "lowfreq/user_file.h"
#include "numlib/angles.h"
#include "numlib/circle_constants.h"
#include "numlib/interpolation.h"
#include "numlib/table_span.h"
#include "platform/block_reset.h"
#include "platform/units.h"
#include "util/dialogue.h"
#include "util/fatal.h"
#include "util/files.h"
#include "util/fortran_format.h"
#include "waves/wavcom.h"

namespace qv {

constinit DriftTableState driftTableState{};
const BlockReset resetDriftTableState{[] { driftTableState.reset(); }};

void DriftTableState::reset() {
  NFREQ = 0;
  NAZ = 0;
  LASTFILE = makeText<13>("========");
  FRSTIM = 1;
  WARN1 = 0;
  sharedFrequencies = true;
}

namespace {

const char* const kRoutine = "DRFTCB";

// A count read as a real and truncated; a value beyond any table stays beyond it.
std::int32_t truncatedCount(float value) {
  if (!(std::fabs(value) < 1.0e6f)) return value < 0.0f ? -999999 : 999999;
  return static_cast<std::int32_t>(value);
}

void load(const Text<13>& FNAME, std::int32_t unit, std::int32_t IIN) {
  DriftTableState& t = driftTableState;
  const std::string name(fileNameOf(FNAME.view()));
  if (!openUserFile(FNAME.view())) {
    fatalStop(kRoutine, unit, {"", " ++>  User-supplied drift force coefficients \"" + name + "\" not found.", ""},
              FatalWait::kPressReturn, IIN);
  }
  PlacedRead in(kUserFileUnit, RowLayout::kOneLine);
  const UserFileStop stop{kRoutine, kUserFileUnit, unit, IIN, name};
  float frequencies = 0.0f;
  float headings = 0.0f;
  in.readRow({&frequencies, &headings}, stop, "the counts there: 2 values (frequencies, headings)");
  const int countLine = in.rowLine();
  const std::int32_t nfreq = truncatedCount(frequencies);
  const std::int32_t naz = truncatedCount(headings);
  if (nfreq < 2 || nfreq > kMaxDriftFrequencies || naz < 2 || naz > kMaxDriftHeadings) {
    stopUserTableRefused(
        kRoutine, unit, IIN,
        {"", " ++>  User-supplied drift force coefficient array in " + name,
         dimensionLine("dimensions", fmtI(nfreq, 3) + "," + fmtI(naz, 3), " out of range; allowable"),
         dimensionLine("dimensions", fmtI(2, 3) + " to " + fmtI(kMaxDriftFrequencies, 3) + "," + fmtI(2, 3) +
                                         " to " + fmtI(kMaxDriftHeadings, 3)),
         ""});
  }
  bool shared = true;
  ColumnOrder headingOrder("heading", "headings");
  ColumnOrder frequencyOrder("frequency", "frequencies of a heading block");
  for (int j = 1; j <= naz; ++j) {
    float heading = 0.0f;
    in.readRow({&heading}, stop,
               "the heading of block " + std::to_string(j) + " of " + std::to_string(naz) + " there: 1 value");
    requireUserFileValue(in, stop, 1, "a heading", heading, -kLargestFileHeading, kLargestFileHeading,
                         "degrees: one turn either way");
    t.ANGARR(j) = heading / kDegreesPerRadian;
    headingOrder.require(in, stop, 1, heading, t.ANGARR(j));
    frequencyOrder.restart();
    for (int i = 1; i <= nfreq; ++i) {
      float& frequency = t.WARRAY(i, j);
      in.readRow({&frequency, &t.CFX(i, j), &t.CFY(i, j), &t.CMZ(i, j)}, stop,
                 "row " + std::to_string(i) + " of heading block " + std::to_string(j) +
                     " there: 4 values (frequency, surge, sway and yaw coefficients)");
      requireUserFileValue(in, stop, 1, "a frequency", frequency, 0.0f, kHighestFileFrequency,
                           "rad/s: waves of 0.1 s and longer");
      frequencyOrder.require(in, stop, 1, frequency);
      shared = shared && frequency == t.WARRAY(i, 1);
      static const char* const kCoefficient[3] = {"the surge coefficient", "the sway coefficient",
                                                  "the yaw coefficient"};
      for (int c = 1; c <= 3; ++c) {
        requireUserFileValue(in, stop, c + 1, kCoefficient[c - 1], t.CF(i, j, c), -kLargestFileCoefficient,
                             kLargestFileCoefficient, "a hundred is no hull's drift coefficient");
      }
    }
  }
  in.requireNoMoreRows(stop, countLine,
                       "the " + std::to_string(naz) + " heading blocks of " + std::to_string(nfreq) + " frequencies");
  t.NFREQ = nfreq;
  t.NAZ = naz;
  t.sharedFrequencies = shared;
  t.FRSTIM = 0;
  t.LASTFILE = FNAME;
  HCLOSE(kUserFileUnit, name, kRoutine, unit);
}

// The heading of the table at the wave direction [rad]: its turn within the table's headings. One
// that no turn brings within them (a table of less than a turn) stops the run.
float tableHeading(float direction, std::int32_t unit, std::int32_t IIN, const Text<13>& FNAME) {
  const DriftTableState& t = driftTableState;
  const float heading = REDRAD(direction + kPi);
  if (const std::optional<float> within = headingWithinTable(t.ANGARR.data(), t.NAZ, heading, kTwoPi)) return *within;
  const std::string what =
      "the waves from " + messageValue(ANGSYM(direction) * kDegreesPerRadian) +
      " deg off the bow, the file's heading their direction plus 180";
  stopHeadingOutsideTable({.routine = kRoutine, .unit = unit, .inUnit = IIN, .file = fileNameOf(FNAME.view()),
                           .headingDeg = heading * kDegreesPerRadian, .what = what,
                           .lowestDeg = std::min(t.ANGARR(1), t.ANGARR(t.NAZ)) * kDegreesPerRadian,
                           .highestDeg = std::max(t.ANGARR(1), t.ANGARR(t.NAZ)) * kDegreesPerRadian});
}

// The frequencies of the run's wave grid: how many, the lowest and the highest [rad/s].
struct WaveGridSpan {
  int points;
  float lowest;
  float highest;
};
WaveGridSpan waveGridSpan() {
  const int n = wavePoints();
  if (n < 1) return {0, 0.0f, 0.0f};
  const auto [lowest, highest] = std::minmax_element(&WAVCOM.W(1), &WAVCOM.W(1) + n);
  return {n, *lowest, *highest};
}

// The first frequency outside the table in the run: the file, what the table and the run's grid
// span, then the question; an unattended run stops. `blocks` are the heading blocks in use (1 or 2
// from `j`): the frequencies they all hold.
void warnExtrapolation(float frequency, int j, int blocks, std::int32_t unit, std::int32_t IIN,
                       const Text<13>& FNAME) {
  const DriftTableState& t = driftTableState;
  float lowest = 0.0f;
  float highest = 1.0e30f;
  for (int k = 0; k < blocks; ++k) {
    const float first = t.WARRAY(1, j + k);
    const float last = t.WARRAY(t.NFREQ, j + k);
    lowest = std::max(lowest, std::min(first, last));
    highest = std::min(highest, std::max(first, last));
  }
  const WaveGridSpan grid = waveGridSpan();
  const std::vector<std::string> lines = frequencyOutsideTableLines(
      {.table = "drift coefficient", .file = fileNameOf(FNAME.view()), .lowest = lowest, .highest = highest,
       .gridPoints = grid.points, .gridLowest = grid.lowest, .gridHighest = grid.highest, .frequency = frequency});
  for (const std::string& line : lines) writeRecord(unit, line);
  std::int32_t answer = 0;
  ABORT0(unit, IIN, answer);
  if (answer == -1 || unit == kDiagnosticsUnit) silentStop(kRoutine);
}

}  // namespace

void INTRP4(const float* C, const float* W, const float* A, float f, float h, float& result, int i, int j,
            int /*frequencies*/, int /*headings*/) {
  const auto c = [C](int fi, int hj) { return C[(fi - 1) + kMaxDriftFrequencies * (hj - 1)]; };
  const float th = (h - A[j - 1]) / (A[j] - A[j - 1]);
  const float tf = (f - W[i - 1]) / (W[i] - W[i - 1]);
  const float v1 = c(i, j) + (c(i, j + 1) - c(i, j)) * th;
  const float v2 = c(i + 1, j) + th * (c(i + 1, j + 1) - c(i + 1, j));
  result = v1 + (v2 - v1) * tf;
}

float DRFTCB(float frequency, int component, float direction, std::int32_t unit, std::int32_t IIN,
             const Text<13>& FNAME) {
  DriftTableState& t = driftTableState;
  if (t.FRSTIM == 1 || t.LASTFILE.view() != FNAME.view()) load(FNAME, unit, IIN);
  const float heading = tableHeading(direction, unit, IIN, FNAME);
  int headingRange = 0;
  int j = 1;
  BSRCH(t.ANGARR.data(), heading, headingRange, j, t.NAZ);
  // The frequency in each of the two blocks about the heading (the same search where they share
  // their frequencies).
  int i[2] = {1, 1};
  bool outside = false;
  for (int k = 0; k < (t.sharedFrequencies ? 1 : 2); ++k) {
    int frequencyRange = 0;
    BSRCH(&t.WARRAY(1, j + k), frequency, frequencyRange, i[k], t.NFREQ);
    outside = outside || frequencyRange == 1 || frequencyRange == 2;
  }
  if (outside && t.WARN1 == 0) {
    t.WARN1 = 1;
    warnExtrapolation(frequency, j, t.sharedFrequencies ? 1 : 2, unit, IIN, FNAME);
  }
  if (t.sharedFrequencies) {
    float value = 0.0f;
    INTRP4(&t.CF(1, 1, component), &t.WARRAY(1, 1), t.ANGARR.data(), frequency, heading, value, i[0], j, t.NFREQ,
           t.NAZ);
    return value;
  }
  // Along each block's own frequencies, then between the two headings.
  float along[2];
  for (int k = 0; k < 2; ++k) INTERP(&t.WARRAY(1, j + k), &t.CF(1, j + k, component), frequency, along[k], i[k]);
  const float th = (heading - t.ANGARR(j)) / (t.ANGARR(j + 1) - t.ANGARR(j));
  return along[0] + (along[1] - along[0]) * th;
}

}  // namespace qv
