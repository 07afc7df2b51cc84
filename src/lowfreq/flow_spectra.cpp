#include "lowfreq/flow_spectra.h"

#include <cmath>
#include <string>
#include <vector>

#include "dataset/run_checks.h"
#include "dataset/tpcm.h"
#include "dataset/tpcm_codes.h"
#include "lowfreq/current_profile.h"
#include "lowfreq/user_file.h"
#include "numlib/circle_constants.h"
#include "numlib/interpolation.h"
#include "platform/block_reset.h"
#include "platform/units.h"
#include "util/dialogue.h"
#include "util/fatal.h"
#include "util/files.h"
#include "util/fortran_format.h"

namespace qv {

constinit UserSpectrumState userSpectrumState{};
const BlockReset resetUserSpectrumState{[] { userSpectrumState.reset(); }};

void UserSpectrumState::reset() {
  wind = UserSpectrumTable{};
  current = UserSpectrumTable{};
}

namespace {

constexpr float kBandLimit = 0.1257f;  // [rad/s] upper end of the band-limited current spectrum

// Which reader is at work: its table, its name for stops and read errors, the words of its
// out-of-range warning, the strongest flow of its kind [knots], and the file it stands for.
struct Reader {
  UserSpectrumTable& table;
  std::string_view routine;
  std::string_view flow;
  int strongestKnots;
  EnvironmentFile file;  // for the page and item that ask for it
};

// The strongest gusts measured stay below 220 knots (the strongest current, kStrongestCurrentKnots).
constexpr int kStrongestWindKnots = 250;
// A spectrum serves the slow drift's periods, 10,000 s and shorter: from 0.0005 rad/s on [rad/s].
constexpr float kLowestServedFrequency = 0.0005f;

// A density spreads the variance of the flow's speed over the frequencies: it is not negative, and
// not above the whole variance the strongest flow of its kind can have, the square of its speed,
// spread below the lowest frequency a spectrum serves. A density above that describes no wind or
// current, and one near the top of single precision overflows the variances of the slow drift.
float largestDensity(const Reader& r) {
  const float perKnot = TPCM.NUNTS == kMetricUnits ? kMetresPerSecondPerKnot : kFeetPerSecondPerKnot;
  const float speed = static_cast<float>(r.strongestKnots) * perKnot;
  return speed * speed / kLowestServedFrequency;
}

// The unit of the densities: the square of the flow's speed unit per rad/s.
std::string densityUnit() { return TPCM.NUNTS == kMetricUnits ? "(m/s)^2 per rad/s" : "(ft/s)^2 per rad/s"; }

void load(const Reader& r, std::string_view FNAME, std::int32_t IUNIT, std::int32_t IIN) {
  UserSpectrumTable& t = r.table;
  const std::string name(fileNameOf(FNAME));
  if (!openUserFile(FNAME)) {
    writeRecord(IUNIT, " ++>  User-supplied spectrum file \"" + name + "\" not found");
    for (const std::string& line : missingEnvironmentFileAdvice(r.file)) writeRecord(IUNIT, line);
    stopUserFileMissing(r.routine, IUNIT, {});
  }
  PlacedRead in(kUserFileUnit, RowLayout::kOneLine);
  const UserFileStop stop{r.routine, kUserFileUnit, IUNIT, IIN, name};
  std::int32_t count = 0;
  in.readRow({&count}, stop, "the count of rows there: 1 value (from 2 to " + fmtI(kMaxUserSpectrumPoints, 0) + ")");
  const int countLine = in.rowLine();
  if (count < 2 || count > kMaxUserSpectrumPoints) {
    stopUserTableRefused(r.routine, IUNIT, IIN,
                         {" ++>  User-supplied spectrum array in " + name,
                          dimensionLine("dimension", fmtI(count, 0), " out of range; allowable"),
                          dimensionLine("dimension", "2 to " + fmtI(kMaxUserSpectrumPoints, 0))});
  }
  const float largest = largestDensity(r);
  const std::string row =
      " of " + fmtI(count, 0) + " there: 2 values (frequency in rad/s, spectral density in " + densityUnit() + ")";
  ColumnOrder frequencies("frequency", "frequencies");
  for (int i = 1; i <= count; ++i) {
    in.readRow({&t.frequency(i), &t.density(i)}, stop, "row " + fmtI(i, 0) + row);
    requireUserFileValue(in, stop, 1, "a frequency", t.frequency(i), 0.0f, kHighestFileFrequency,
                         "rad/s: periods of 0.1 s and longer");
    requireUserFileValue(in, stop, 2, "a spectral density", t.density(i), 0.0f, largest,
                         fmtI(r.strongestKnots, 0) + " knots squared over 0.0005 rad/s");
    frequencies.require(in, stop, 1, t.frequency(i));
  }
  in.requireNoMoreRows(stop, countLine, "the " + fmtI(count, 0) + " rows");
  t.N = count;
  t.FRSTIM = 0;
  t.LASTFILE = makeText<13>(FNAME);
  HCLOSE(kUserFileUnit, name, r.routine, IUNIT);
}

// The warning of a frequency outside the table, the first in the run: the file's range, the
// frequency the slow drift asks for (the mode's), and what becomes of it.
void warnOutside(const Reader& r, float W, std::int32_t IUNIT, std::int32_t IIN) {
  const UserSpectrumTable& t = r.table;
  const float first = std::fmin(t.frequency(1), t.frequency(t.N));
  const float last = std::fmax(t.frequency(1), t.frequency(t.N));
  const std::vector<std::string> lines = userFileMessage(
      {"Warning: User file \"" + std::string(t.LASTFILE.trimmed()) + "\" holds frequencies from " +
           messageValue(first) + " to " + messageValue(last) + " rad/s;",
       "the slow drift needs the " + std::string(r.flow) + " spectrum's density at " + messageValue(W) +
           " rad/s, which is taken as 0 there and at every other frequency outside the file: if the " +
           std::string(r.flow) + " fluctuates there, extend the file."});
  for (const std::string& line : lines) writeRecord(IUNIT, line);
  std::int32_t answer = 0;
  ABORT0(IUNIT, IIN, answer);  // the run goes on whatever the answer
}

float lookUp(const Reader& r, float W, std::int32_t IUNIT, std::int32_t IIN, std::string_view FNAME) {
  UserSpectrumTable& t = r.table;
  if (t.FRSTIM == 1 || t.LASTFILE.view() != makeText<13>(FNAME).view()) load(r, FNAME, IUNIT, IIN);
  int range = 0;
  int i = 1;
  BSRCH(t.frequency.data(), W, range, i, t.N);
  if (range != 0) {
    if (!t.outsideWarned) {
      t.outsideWarned = true;
      warnOutside(r, W, IUNIT, IIN);
    }
    return 0.0f;
  }
  float value = 0.0f;
  INTERP(t.frequency.data(), t.density.data(), W, value, i);
  return value;
}

}  // namespace

float WNDSPC(float F, float U, float SCONST, std::int32_t NUNTS, std::int32_t ICODE, float APIPAR, float ZREF,
             float& RATIO, std::int32_t IUNIT) {
  double speed = 0.0;  // U' [ft/s | m/s]
  double scale = 0.0;  // length scale of the Davenport model [ft | m]
  double height = 0.0; // reference height of the API model [ft | m]
  if (NUNTS == kMetricUnits) {
    speed = 0.5139 * U;
    scale = 191.0;
    height = 10.0;
  } else if (NUNTS == kEnglishUnits) {
    speed = 1.6867 * U;
    scale = 626.67;
    height = 32.81;
  } else {
    fatalStop("WNDSPC", IUNIT, {" >>! NUNTS error in WNDSPC, <RETURN> to quit"}, FatalWait::kReadLine);
  }
  RATIO = 1.0f;
  // Every gust model scales with the mean wind; without one there are no gusts to describe.
  if (!(U > 0.0f)) return 0.0f;
  switch (ICODE) {
    case kDavenportWind: {
      const double x = F * scale / speed;
      return static_cast<float>(0.02 * speed * scale * x / std::pow(1.0 + x * x, 1.333333));
    }
    case kLegacyPointWind:
      return SCONST;
    case kSteadyWind:
      return 0.0f;
    case kApiWind: {
      if (!(APIPAR > 0.0f)) {
        fatalStop("WNDSPC", IUNIT, {" >>! API parameter error in WNDSPC, <RETURN> to quit"}, FatalWait::kReadLine);
      }
      const double peak = APIPAR * speed * kTwoPiFloatDigits / height;
      return static_cast<float>(0.02676 * speed * speed / (peak * std::pow(1.0 + 1.5 * F / peak, 1.66667)));
    }
    case kNpdWind: {
      const double zz = NUNTS == kEnglishUnits ? ZREF / 32.81 : 0.1 * ZREF;
      const double u = 0.05139 * U;  // the mean wind at 10 m [m/s] over 10
      const double c = 0.0573 * std::sqrt(1.0 + 1.5 * u);
      RATIO = zz > 1.01 * std::exp(-1.0 / c) ? static_cast<float>(1.0 / std::pow(1.0 + c * std::log(zz), 2)) : 0.0f;
      const double f = F / kTwoPiFloatDigits * 172.0 * std::pow(zz, 2.0 / 3.0) / std::pow(u, 0.75);
      double s = 320.0 / kTwoPiFloatDigits * u * u * std::pow(zz, 0.45) / std::pow(1.0 + std::pow(f, 0.468), 3.561253);
      if (NUNTS == kEnglishUnits) s *= 10.764;  // (m/s)^2 to (ft/s)^2
      return static_cast<float>(s);
    }
    case kUserWindSpectrum:
      return UWNDSPEC(F, IUNIT, kKeyboardUnit, "WINDSPEC.txt");
    default:
      return 0.0f;
  }
}

float CURSPC(float W, float SCONST, std::int32_t ICODE, std::int32_t IUNIT) {
  switch (ICODE) {
    case kSteadyCurrent:
      return 0.0f;
    case kLegacyPointCurrent:
      return SCONST;
    case kBandLimitedCurrent:
      return W <= kBandLimit ? SCONST : 0.0f;
    default:
      return UCURSPEC(W, IUNIT, kKeyboardUnit, "CRNTSPEC.txt");
  }
}

float UWNDSPEC(float W, std::int32_t IUNIT, std::int32_t IIN, std::string_view FNAME) {
  return lookUp({userSpectrumState.wind, "UWNDSPEC", "wind", kStrongestWindKnots, EnvironmentFile::kWindSpectrum}, W,
                IUNIT, IIN, FNAME);
}

float UCURSPEC(float W, std::int32_t IUNIT, std::int32_t IIN, std::string_view FNAME) {
  return lookUp({userSpectrumState.current, "UCURSPEC", "current", kStrongestCurrentKnots,
                 EnvironmentFile::kCurrentSpectrum},
                W, IUNIT, IIN, FNAME);
}

}  // namespace qv
