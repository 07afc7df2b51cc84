#include "waves/user_spectrum.h"

#include <cmath>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <span>

#include "dataset/run_checks.h"
#include "dataset/tpcm.h"
#include "dataset/tpcm_codes.h"
#include "numlib/circle_constants.h"
#include "numlib/interpolation.h"
#include "numlib/roots.h"
#include "numlib/wavenumber.h"
#include "platform/block_reset.h"
#include "platform/units.h"
#include "util/advised_amount.h"
#include "util/dialogue.h"
#include "util/fatal.h"
#include "util/files.h"
#include "util/fortran_format.h"
#include "util/user_file_values.h"
#include "waves/wavcom.h"

namespace qv {

UwvspcState uwvspcState;
const BlockReset resetUwvspcState{[] { uwvspcState.reset(); }};

namespace {

constexpr std::string_view kCaller = "UWVSPC";

// Frequencies of waves of 0.1 s and longer [rad/s]: shorter ones are ripples that surface tension
// holds, as for every user file of frequencies.
constexpr float kHighestSpectrumFrequency = 62.831855f;

// The highest seas measured stay below 20 m significant height. A density above the whole variance
// of a sea of 30 m, (30 m / 4)^2, put within the 0.0005 rad/s of the slowest drift (periods of
// 10,000 s), describes no sea; one near the top of single precision overflows the moments.
constexpr float kHighestSeaMetres = 30.0f;
constexpr double kNarrowestBand = 0.0005;  // [rad/s]
constexpr float kFeetPerMetre = 3.2808399f;

// A sea steeper than a seventh of the wave length of its peak period breaks.
constexpr double kBreakingSteepness = 1.0 / 7.0;

bool metric() { return TPCM.NUNTS == kMetricUnits; }
std::string lengthUnit() { return metric() ? " m" : " ft"; }
float largestDensity() {
  const double height = metric() ? kHighestSeaMetres : kHighestSeaMetres * static_cast<double>(kFeetPerMetre);
  return static_cast<float>(height * height / 16.0 / kNarrowestBand);
}
std::string densityUnit() { return metric() ? "m^2 per rad/s" : "ft^2 per rad/s"; }

// A table UWVSPC cannot use: the message form of a count out of range, then a pause and a stop.
[[noreturn]] void refuseTable(std::string_view name, const std::string& problem, const std::string& allowed,
                              std::int32_t IUNIT, std::int32_t IIN) {
  fatalStop(kCaller, IUNIT,
            {" ++>  User-supplied wave spectral array in " + std::string(name), "      " + problem,
             "      " + allowed},
            FatalWait::kPressReturn, IIN);
}

// The significant height of the table, 4 times the root of the area under its densities (linear
// between the points), against the sea the site can hold: no higher than the water is deep, no
// steeper than breaking at the frequency of its largest density. A spectrum beyond either is no sea
// (densities in the wrong unit, say) and is refused naming the height it gives.
void requireSea(const UwvspcState& s, int count, std::string_view name, std::int32_t IUNIT, std::int32_t IIN) {
  double m0 = 0.0;
  int peak = 1;
  for (int i = 1; i < count; ++i) {
    m0 += 0.5 * (static_cast<double>(s.WSPEC(i)) + s.WSPEC(i + 1)) * std::fabs(s.WARRAY(i + 1) - s.WARRAY(i));
    if (s.WSPEC(i + 1) > s.WSPEC(peak)) peak = i + 1;
  }
  const double height = 4.0 * std::sqrt(m0);
  const double depth = TPCM.DEPTH;
  if (!(depth > 0.0) || !std::isfinite(depth)) return;  // the depth's own finding
  // The greatest height the site holds and what sets it, or none.
  double most = 0.0;
  std::string of, because;
  if (height > depth) {
    most = depth;
    of = ", the water depth (page 1, item 4):";
    because = "a sea higher than the water is deep has broken.";
  } else if (const double w = s.WARRAY(peak); w > 0.0) {
    const double g = metric() ? 9.8 : 32.152;
    float Y = 0.0f;
    int IER = kRootFound;
    WAVVEC(static_cast<float>(w * std::sqrt(depth / g)), Y, IER);
    const double length = IER == kRootFound && Y > 0.0f ? kTwoPi * depth / Y : 0.0;
    if (length > 0.0 && height > kBreakingSteepness * length) {
      most = kBreakingSteepness * length;
      of = ", a seventh of the wave length " + messageValue(length) + lengthUnit();
      because = "of its peak period " + messageValue(kTwoPi / w) + " s (its largest density, at " + messageValue(w) +
                " rad/s): a steeper sea breaks.";
    }
  }
  if (of.empty()) return;
  // The height named rounded down, and the sea's own shown with the decimals that tell it from that.
  const std::optional<double> named = advisedMost(most, [most](double shown) { return shown <= most; });
  const std::string need = (named ? amountText(*named) : messageValue(most)) + lengthUnit() + of;
  std::vector<std::string> lines = {""};
  for (std::string& line : userFileMessage(
           {"User file \"" + std::string(name) + "\" holds a sea of significant height " +
                (named ? shownBeside(height, *named) : messageValue(height)) + lengthUnit() +
                ", four times the root of the area under its densities (" + densityUnit() + ") from " +
                messageValue(std::fmin(s.WARRAY(1), s.WARRAY(count))) + " to " +
                messageValue(std::fmax(s.WARRAY(1), s.WARRAY(count))) + " rad/s;",
            "the analysis needs a sea of at most " + need + " " + because})) {
    lines.push_back(std::move(line));
  }
  lines.push_back("");
  closeUnit(kUserSpectrumUnit);
  fatalStop(kCaller, IUNIT, std::span<const std::string>(lines), FatalWait::kPressReturn, IIN);
}

// Reads the table of FNAME into the state; every failure stops the run.
void loadTable(std::string_view FNAME, std::int32_t IUNIT, std::int32_t IIN) {
  UwvspcState& s = uwvspcState;
  closeUnit(kUserSpectrumUnit);
  const std::string name(fileNameOf(FNAME));
  auto stream = std::make_unique<std::fstream>(name, std::ios::in | std::ios::binary);
  if (!stream->is_open()) {
    writeRecord(IUNIT, " ++>  User-supplied wave spectrum file \"" + name + "\" not found");
    for (const std::string& line : missingEnvironmentFileAdvice(EnvironmentFile::kWaveSpectrum)) {
      writeRecord(IUNIT, line);
    }
    std::int32_t answer = 0;
    ABORT0(IUNIT, IIN, answer);
    silentStop(kCaller);  // there is nothing to go on with, whatever the answer
  }
  connectUnit(kUserSpectrumUnit, std::move(stream), name);

  PlacedRead in(kUserSpectrumUnit, RowLayout::kOneLine);
  const UserFileStop stop{kCaller, kUserSpectrumUnit, IUNIT, IIN, name};
  std::int32_t count = 0;  // an empty value reads as no points
  const std::string points = "from 2 to " + std::to_string(kMaxUserSpectrumPoints);
  in.readRow({&count}, stop, "the count of rows there: 1 value (" + points + ")");
  const int countLine = in.rowLine();
  if (count < 2 || count > kMaxUserSpectrumPoints) {  // a single point spans no interval to interpolate in
    refuseTable(name, "dimension = [" + std::to_string(count) + "] out of range; allowable",
                "dimension = [2 to " + std::to_string(kMaxUserSpectrumPoints) + "]", IUNIT, IIN);
  }
  s.WARRAY.fill(0.0f);
  s.WSPEC.fill(0.0f);
  const float largest = largestDensity();
  const std::string row = " of " + std::to_string(count) +
                          " there: 2 values (frequency in rad/s, spectral density in " + densityUnit() + ")";
  // The search needs one direction throughout: a repeated or reversed frequency is refused.
  ColumnOrder frequencies("frequency", "frequencies");
  for (int i = 1; i <= count; ++i) {
    in.readRow({&s.WARRAY(i), &s.WSPEC(i)}, stop, "row " + std::to_string(i) + row);
    requireUserFileValue(in, stop, 1, "a frequency", s.WARRAY(i), 0.0f, kHighestSpectrumFrequency,
                         "rad/s: periods of 0.1 s and longer");
    requireUserFileValue(in, stop, 2, "a spectral density", s.WSPEC(i), 0.0f, largest,
                         densityUnit() + ": a sea of Hs " +
                             (metric() ? "30 m" : messageValue(kHighestSeaMetres * kFeetPerMetre) + " ft") +
                             " within 0.0005 rad/s");
    frequencies.require(in, stop, 1, s.WARRAY(i));
  }
  in.requireNoMoreRows(stop, countLine, "the " + std::to_string(count) + " rows");
  requireSea(s, count, name, IUNIT, IIN);
  HCLOSE(kUserSpectrumUnit, name, kCaller, IUNIT);
  s.NPOINT = count;
  // Remembered once the table is whole, so that a failed read is never taken for a loaded table.
  s.firstCall = false;
  s.loadedName = std::string(FNAME);
}

// The warning of a frequency outside the table: the file's range against the run's (the grid of
// WAVCOM, the wave periods in use; W alone where there is none), and what to do.
void warnOutside(float W, std::int32_t IUNIT) {
  const UwvspcState& s = uwvspcState;
  const float first = s.WARRAY(1);
  const float last = s.WARRAY(s.NPOINT);
  const int n = wavePoints();
  float lowest = n > 0 ? WAVCOM.W(1) : W;
  float highest = lowest;
  for (int i = 2; i <= n; ++i) {
    lowest = std::fmin(lowest, WAVCOM.W(i));
    highest = std::fmax(highest, WAVCOM.W(i));
  }
  const std::string need =
      lowest == highest
          ? "at " + messageValue(lowest) + " rad/s (a period of " + messageValue(kTwoPi / lowest) + " s)"
          : "from " + messageValue(lowest) + " to " + messageValue(highest) + " rad/s (periods of " +
                messageValue(kTwoPi / highest) + " to " + messageValue(kTwoPi / lowest) + " s)";
  const std::vector<std::string> lines = userFileMessage(
      {"Warning: User file \"" + std::string(fileNameOf(s.loadedName)) + "\" holds frequencies from " +
           messageValue(std::fmin(first, last)) + " to " + messageValue(std::fmax(first, last)) + " rad/s;",
       "the run's wave periods (page 14) need it " + need + ".",
       "Beyond its ends the spectrum is extrapolated from its end intervals (below 0 taken as 0): extend the file "
       "over the run's frequencies, or change the periods on page 14."});
  for (const std::string& line : lines) writeRecord(IUNIT, line);
}

}  // namespace

float UWVSPC(float W, std::int32_t IUNIT, std::int32_t IIN, std::string_view FNAME) {
  UwvspcState& s = uwvspcState;
  if (s.firstCall || FNAME != s.loadedName) loadTable(FNAME, IUNIT, IIN);

  int IOUT = 0;
  int IL = 0;
  BSRCH(s.WARRAY.data(), W, IOUT, IL, s.NPOINT);
  if (IOUT != 0 && !s.WARN1) {
    warnOutside(W, IUNIT);
    std::int32_t answer = 0;
    ABORT0(IUNIT, IIN, answer);
    // An unattended run cannot be asked whether a guessed tail is acceptable.
    if (answer == -1 || IUNIT == kDiagnosticsUnit) silentStop(kCaller);
    s.WARN1 = true;
  }
  float density = 0.0f;
  INTERP(s.WARRAY.data(), s.WSPEC.data(), W, density, IL);
  if (IOUT != 0 && density < 0.0f) density = 0.0f;  // an extrapolated tail cannot go below zero
  return density;
}

}  // namespace qv
