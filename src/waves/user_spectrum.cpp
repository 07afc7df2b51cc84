#include "waves/user_spectrum.h"

#include <fstream>
#include <memory>
#include <string>

#include "numlib/interpolation.h"
#include "platform/block_reset.h"
#include "platform/units.h"
#include "util/dialogue.h"
#include "util/fatal.h"
#include "util/files.h"
#include "util/list_read.h"

namespace qv {

UwvspcState uwvspcState;
const BlockReset resetUwvspcState{[] { uwvspcState.reset(); }};

namespace {

constexpr std::string_view kCaller = "UWVSPC";

// A table UWVSPC cannot use: the message form of a count out of range, then a pause and a stop.
[[noreturn]] void refuseTable(std::string_view FNAME, const std::string& problem, const std::string& allowed,
                              std::int32_t IUNIT, std::int32_t IIN) {
  fatalStop(kCaller, IUNIT,
            {" ++>  User-supplied wave spectral array in " + std::string(FNAME), "      " + problem,
             "      " + allowed},
            FatalWait::kPressReturn, IIN);
}

// Reads the table of FNAME into the state; every failure stops the run.
void loadTable(std::string_view FNAME, std::int32_t IUNIT, std::int32_t IIN) {
  UwvspcState& s = uwvspcState;
  closeUnit(kUserSpectrumUnit);
  const std::string name(fileNameOf(FNAME));
  auto stream = std::make_unique<std::fstream>(name, std::ios::in | std::ios::binary);
  if (!stream->is_open()) {
    writeRecord(IUNIT, " ++>  User-supplied wave spectrum file \"" + std::string(FNAME) + "\" not found");
    std::int32_t answer = 0;
    ABORT0(IUNIT, IIN, answer);
    silentStop(kCaller);  // there is nothing to go on with, whatever the answer
  }
  connectUnit(kUserSpectrumUnit, std::move(stream), name);

  std::int32_t count = 0;  // an empty value reads as no points
  if (listReadUnit(kUserSpectrumUnit, {&count}) != ListStatus::kDone) FILERR(FNAME, kCaller, IUNIT, IIN);
  if (count > kMaxUserSpectrumPoints) {
    refuseTable(FNAME, "dimension = [" + std::to_string(count) + "] out of range; allowable",
                "dimension = [" + std::to_string(kMaxUserSpectrumPoints) + "]", IUNIT, IIN);
  }
  if (count < 2) {  // a single point spans no interval to interpolate in
    refuseTable(FNAME, "dimension = [" + std::to_string(count) + "] out of range; allowable",
                "dimension = [2 to " + std::to_string(kMaxUserSpectrumPoints) + "]", IUNIT, IIN);
  }
  s.WARRAY.fill(0.0f);
  s.WSPEC.fill(0.0f);
  for (int i = 1; i <= count; ++i) {
    if (listReadUnit(kUserSpectrumUnit, {&s.WARRAY(i), &s.WSPEC(i)}) != ListStatus::kDone) {
      FILERR(FNAME, kCaller, IUNIT, IIN);
    }
  }
  HCLOSE(kUserSpectrumUnit, FNAME, kCaller, IUNIT);

  // The search needs one direction throughout: a repeated or reversed frequency is refused.
  const bool ascending = s.WARRAY(2) > s.WARRAY(1);
  for (int i = 1; i < count; ++i) {
    const float a = s.WARRAY(i);
    const float b = s.WARRAY(i + 1);
    if (!(ascending ? b > a : b < a)) {
      refuseTable(FNAME, "frequency [" + std::to_string(i + 1) + "] out of order; allowable",
                  "frequencies strictly ascending or strictly descending", IUNIT, IIN);
    }
  }
  s.NPOINT = count;
  // Remembered once the table is whole, so that a failed read is never taken for a loaded table.
  s.firstCall = false;
  s.loadedName = std::string(FNAME);
}

}  // namespace

float UWVSPC(float W, std::int32_t IUNIT, std::int32_t IIN, std::string_view FNAME) {
  UwvspcState& s = uwvspcState;
  if (s.firstCall || FNAME != s.loadedName) loadTable(FNAME, IUNIT, IIN);

  int IOUT = 0;
  int IL = 0;
  BSRCH(s.WARRAY.data(), W, IOUT, IL, s.NPOINT);
  if (IOUT != 0 && !s.WARN1) {
    writeRecord(IUNIT, " ++> Warning: Frequency outside user-supplied wave spectrum");
    writeRecord(IUNIT, "     range; \"continue\" to extrapolate outside available range.");
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
