#include "lowfreq/drift_tables.h"

#include <cmath>
#include <string>

#include "lowfreq/user_file.h"
#include "numlib/angles.h"
#include "numlib/circle_constants.h"
#include "numlib/interpolation.h"
#include "platform/block_reset.h"
#include "platform/units.h"
#include "util/dialogue.h"
#include "util/fatal.h"
#include "util/files.h"
#include "util/fortran_format.h"

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

// Frequency i (2 on) of a heading block, just read, against those before it: a block's frequencies
// run one way, set by its first step, and never repeat.
void requireFrequencyInOrder(const PlacedRead& in, const Text<13>& FNAME, std::int32_t unit, std::int32_t IIN,
                             const float* block, int i) {
  if (firstUnorderedPoint(block, i) == 0) return;
  const float before = block[i - 2];
  const bool up = i > 2 && block[1] > block[0];
  const std::string need = i == 2 ? "a value other than " + messageValue(before)
                                  : std::string(up ? "a value above " : "a value below ") + messageValue(before);
  refuseUserFileValue(kRoutine, kUserFileUnit, unit, IIN, fileNameOf(FNAME.view()), in.place(1), "a frequency",
                      block[i - 1], need + " (the frequencies of a heading block strictly monotonic)");
}

void load(const Text<13>& FNAME, std::int32_t unit, std::int32_t IIN) {
  DriftTableState& t = driftTableState;
  const std::string name = FNAME.str();
  if (!openUserFile(FNAME.view())) {
    fatalStop(kRoutine, unit, {"", " ++>  User-supplied drift force coefficients \"" + name + "\" not found.", ""},
              FatalWait::kPressReturn, IIN);
  }
  PlacedRead in(kUserFileUnit);
  const auto read = [&](std::initializer_list<ListTarget> targets) {
    if (in.read(targets) != ListStatus::kDone) FILERR(FNAME.view(), kRoutine, unit, IIN);
  };
  const auto require = [&](int index, std::string_view what, float value, float lowest, float highest,
                           std::string_view why) {
    requireFileValue(in, kRoutine, unit, IIN, FNAME.view(), index, what, value, lowest, highest, why);
  };
  float frequencies = 0.0f;
  float headings = 0.0f;
  read({&frequencies, &headings});
  const std::int32_t nfreq = truncatedCount(frequencies);
  const std::int32_t naz = truncatedCount(headings);
  const std::string header = " ++>  User-supplied drift force coefficient array ";
  if (nfreq < 2 || nfreq > kMaxDriftFrequencies || naz < 2 || naz > kMaxDriftHeadings) {
    stopUserTableRefused(
        kRoutine, unit, IIN,
        {"", header, dimensionLine("dimensions", fmtI(nfreq, 3) + "," + fmtI(naz, 3), " out of range; allowable"),
         dimensionLine("dimensions", fmtI(kMaxDriftFrequencies, 3) + "," + fmtI(kMaxDriftHeadings, 3)), ""});
  }
  bool shared = true;
  for (int j = 1; j <= naz; ++j) {
    float heading = 0.0f;
    read({&heading});
    require(1, "a heading", heading, -kLargestFileHeading, kLargestFileHeading, "degrees: one turn either way");
    t.ANGARR(j) = heading / kDegreesPerRadian;
    for (int i = 1; i <= nfreq; ++i) {
      float& frequency = t.WARRAY(i, j);
      read({&frequency, &t.CFX(i, j), &t.CFY(i, j), &t.CMZ(i, j)});
      require(1, "a frequency", frequency, 0.0f, kHighestFileFrequency, "rad/s: waves of 0.1 s and longer");
      if (i >= 2) requireFrequencyInOrder(in, FNAME, unit, IIN, &t.WARRAY(1, j), i);
      shared = shared && frequency == t.WARRAY(i, 1);
      static const char* const kCoefficient[3] = {"the surge coefficient", "the sway coefficient",
                                                  "the yaw coefficient"};
      for (int c = 1; c <= 3; ++c) {
        require(c + 1, kCoefficient[c - 1], t.CF(i, j, c), -kLargestFileCoefficient, kLargestFileCoefficient,
                "a hundred is no hull's drift coefficient");
      }
    }
  }
  if (const int row = firstUnorderedPoint(t.ANGARR.data(), naz); row != 0) {
    stopUserTableRefused(kRoutine, unit, IIN,
                         {"", header, unorderedLine(row, "headings must be strictly monotonic"), ""});
  }
  t.NFREQ = nfreq;
  t.NAZ = naz;
  t.sharedFrequencies = shared;
  t.FRSTIM = 0;
  t.LASTFILE = FNAME;
  HCLOSE(kUserFileUnit, FNAME.view(), kRoutine, unit);
}

// The first frequency outside the table in the run: the user may stop; an unattended run stops.
void warnExtrapolation(std::int32_t unit, std::int32_t IIN) {
  writeRecord(unit, "");
  writeRecord(unit, " ++> Warning: Frequency outside user-supplied drift coefficient");
  writeRecord(unit, "     range; \"continue\" to extrapolate outside available range.");
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
  const float heading = REDRAD(direction + kPi);
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
    warnExtrapolation(unit, IIN);
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
