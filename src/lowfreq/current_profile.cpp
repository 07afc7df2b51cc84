#include "lowfreq/current_profile.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <string>
#include <vector>

#include "dataset/run_checks.h"
#include "dataset/tpcm.h"
#include "dataset/tpcm_codes.h"
#include "lowfreq/curprof.h"
#include "lowfreq/user_file.h"
#include "platform/block_reset.h"
#include "platform/units.h"
#include "util/console_io.h"
#include "util/farray.h"
#include "util/files.h"
#include "util/fortran_format.h"

namespace qv {

constinit CurrentProfileState currentProfileState{};
const BlockReset resetCurrentProfileState{[] { currentProfileState.reset(); }};

void CurrentProfileState::reset() { *this = CurrentProfileState{}; }

namespace {

constexpr double kPowerExponent = 1.2857143;  // 1 + 2/7: the mean of the squared 1/7-power profile
constexpr int kDataSetProfilePoints = 5;      // points of the data set's own profile table
const char* const kRoutine = "CURPROF_INIT";
constexpr std::int32_t kProfileFromFile = 3;  // LCSTCR of the file "CRNTPROF.txt"

// Points at the given fractions of the water depth, all with one speed and heading.
void setUniformPoints(std::initializer_list<float> fractions, float depth, float speed, float heading) {
  Curprof& p = CURPROF;
  p.NCURNTPF = static_cast<std::int32_t>(fractions.size());
  int i = 0;
  for (float fraction : fractions) {
    ++i;
    p.DPTHIPF(i) = fraction * depth;
    p.VELIPF(i) = speed;
    p.CURHDGPF(i) = heading;
  }
}

// The data set's own table (mode 2).
void copyDataSetTable(std::int32_t IUNIT, std::int32_t IIN) {
  const Tpcm& t = TPCM;
  const std::string header = " ++>  Current profile table of the data set";
  if (t.NCURNT < 2 || t.NCURNT > kDataSetProfilePoints) {
    stopUserTableRefused(kRoutine, IUNIT, IIN,
                         {header, dimensionLine("dimension", fmtI(t.NCURNT, 3), " out of range; allowable"),
                          dimensionLine("dimension", fmtI(kDataSetProfilePoints, 3))});
  }
  const StrictOrder order("depth", "depths", true);
  if (std::vector<std::string> refusal = unorderedColumnLines(t.DPTHI.data(), t.NCURNT, order); !refusal.empty()) {
    refusal.insert(refusal.begin(), header);
    stopUserTableRefused(kRoutine, IUNIT, IIN, refusal);
  }
  Curprof& p = CURPROF;
  p.NCURNTPF = t.NCURNT;
  for (int i = 1; i <= t.NCURNT; ++i) {
    p.DPTHIPF(i) = t.DPTHI(i);
    p.VELIPF(i) = t.VELI(i);
    p.CURHDGPF(i) = t.CURHDG;
  }
}

// The file "CRNTPROF.txt" (mode 3), one row to a line, each value bounded by what it is: a depth in
// the water (0 to the site's depth), a speed of a current (0 to the strongest tidal streams, below 25
// knots), a heading within a turn either way. A heading that changes above the keel is noted: the
// vessel forces take the current direction as constant down to the draft.
void readProfileFile(float VDRAFT, std::int32_t IUNIT, std::int32_t IIN) {
  const Text<13> FNAME = makeText<13>("CRNTPROF.txt");
  const std::string name(FNAME.trimmed());
  if (!openUserFile(FNAME.view())) {
    writeRecord(IUNIT, " ++>  User-supplied current profile \"" + name + "\" not found");
    for (const std::string& line : missingEnvironmentFileAdvice(EnvironmentFile::kCurrentProfile)) {
      writeRecord(IUNIT, line);
    }
    stopUserFileMissing(kRoutine, IUNIT, {});
  }
  PlacedRead in(kUserFileUnit, RowLayout::kOneLine);
  const UserFileStop stop{kRoutine, kUserFileUnit, IUNIT, IIN, name};
  std::int32_t count = 0;
  in.readRow({&count}, stop, "the count of rows there: 1 value (from 2 to " + fmtI(kMaxProfilePoints, 0) + ")");
  const int countLine = in.rowLine();
  if (count < 2 || count > kMaxProfilePoints) {
    stopUserTableRefused(kRoutine, IUNIT, IIN,
                         {" ++>  User-supplied current profile array in " + name,
                          dimensionLine("dimension", fmtI(count, 3), " out of range; allowable"),
                          dimensionLine("dimension", fmtI(2, 3) + " to " + fmtI(kMaxProfilePoints, 3))});
  }
  const Tpcm& t = TPCM;
  const std::string length = t.NUNTS == kMetricUnits ? "m" : "ft";
  const std::string row = " of " + fmtI(count, 0) + " there: 3 values (depth below the surface in " + length +
                          ", speed in knots, heading in degrees)";
  Curprof& p = CURPROF;
  bool headingChanges = false;
  ColumnOrder depths("depth", "depths", true);
  for (int i = 1; i <= count; ++i) {
    in.readRow({&p.DPTHIPF(i), &p.VELIPF(i), &p.CURHDGPF(i)}, stop, "row " + fmtI(i, 0) + row);
    requireUserFileValue(in, stop, 1, "a depth", p.DPTHIPF(i), 0.0f, t.DEPTH, "the water depth, page 1, item 4");
    requireUserFileValue(in, stop, 2, "a speed", p.VELIPF(i), 0.0f, static_cast<float>(kStrongestCurrentKnots),
                         "knots: the strongest tidal streams run below 25");
    requireUserFileValue(in, stop, 3, "a heading", p.CURHDGPF(i), -kLargestFileHeading, kLargestFileHeading,
                         "degrees: a turn either way");
    depths.require(in, stop, 1, p.DPTHIPF(i));
    if (p.DPTHIPF(i) < VDRAFT && p.CURHDGPF(i) != t.CURHDG) headingChanges = true;
  }
  in.requireNoMoreRows(stop, countLine, "the " + fmtI(count, 0) + " rows");
  p.NCURNTPF = count;
  HCLOSE(kUserFileUnit, name, kRoutine, IUNIT);
  if (headingChanges) {
    writeRecord(IUNIT, " ++>  Note: The current direction specified in " + name + " changes at a depth");
    writeRecord(IUNIT, "      less than vessel draft; vessel forces are computed assuming constant");
    writeRecord(IUNIT, "      current direction down to the vessel draft. ");
    PRSRET(IUNIT, IIN);
  }
}

}  // namespace

float vesselCurrentSpeed() {
  const Tpcm& t = TPCM;
  const Curprof& p = CURPROF;
  return AVGCUR(t.DEPTH, t.DRAFT, t.LCSTCR, p.VELIPF.data(), p.DPTHIPF.data(), t.CURSPD, p.NCURNTPF);
}

float VONE7TH(float DEPTH, float D) {
  const double r = 1.0 - static_cast<double>(D) / DEPTH;
  if (r <= 0.0) return 0.0f;
  return static_cast<float>(std::pow(r, 1.0 / 7.0));
}

float AVGCUR(float DEPTH, float VDRAFT, std::int32_t MODE, const float* VEL, const float* DEP, float USURF,
             std::int32_t N) {
  if (MODE < 0 || MODE > 3) return 0.0f;
  // A draft of nothing sees the surface speed.
  if (!(VDRAFT > 0.0f)) return USURF;
  switch (MODE) {
    case 0: {
      const double e = static_cast<double>(VDRAFT) / DEPTH;
      // Below the bottom the 1/7-power speed is 0.
      const double below = std::max(0.0, 1.0 - e);
      return static_cast<float>(USURF * std::sqrt((1.0 - std::pow(below, kPowerExponent)) / (kPowerExponent * e)));
    }
    case 1:
      return USURF;
    case 2:
    case 3: {
      // The square of the speed over linear pieces from the surface down to the draft.
      double integral = 0.0;
      double z0 = 0.0;
      double v0 = USURF;
      bool reached = false;
      for (int i = 1; i <= N && !reached; ++i) {
        double z1 = DEP[i - 1];
        double v1 = VEL[i - 1];
        if (z1 - z0 > 0.0) {
          if (z1 >= VDRAFT) {
            v1 = v0 + (v1 - v0) * (VDRAFT - z0) / (z1 - z0);
            z1 = VDRAFT;
            reached = true;
          }
          const double slope = (v1 - v0) / (z1 - z0);
          integral += slope != 0.0 ? (v1 * v1 * v1 - v0 * v0 * v0) / (3.0 * slope) : v0 * v0 * (z1 - z0);
        }
        z0 = DEP[i - 1];
        v0 = VEL[i - 1];
      }
      if (!reached && VDRAFT > z0) integral += v0 * v0 * (VDRAFT - z0);
      return static_cast<float>(std::sqrt(integral / VDRAFT));
    }
    default:
      return 0.0f;
  }
}

void CURPROF_INIT(float VDRAFT, float& DZMIN, std::int32_t IUNIT, std::int32_t IIN) {
  CurrentProfileState& state = currentProfileState;
  if (state.built) {
    DZMIN = state.dzmin;
    return;
  }
  Tpcm& t = TPCM;
  if (t.LCURNT == 0) {
    t.CURSPD = 0.0f;
    setUniformPoints({0.5f, 1.0f}, t.DEPTH, 0.0f, 0.0f);
  } else {
    switch (t.LCSTCR) {
      case 0: {
        setUniformPoints({0.3f, 0.6f, 0.7f, 0.8f, 0.9f, 0.975f, 1.0f}, t.DEPTH, 0.0f, t.CURHDG);
        Curprof& p = CURPROF;
        for (int i = 1; i < p.NCURNTPF; ++i) p.VELIPF(i) = t.CURSPD * VONE7TH(t.DEPTH, p.DPTHIPF(i));
        break;
      }
      case 1:
        setUniformPoints({0.2f, 0.4f, 0.6f, 0.8f, 1.0f}, t.DEPTH, t.CURSPD, t.CURHDG);
        break;
      case 2:
        copyDataSetTable(IUNIT, IIN);
        break;
      case kProfileFromFile:
        readProfileFile(VDRAFT, IUNIT, IIN);
        break;
      default:
        break;
    }
  }
  const Curprof& p = CURPROF;
  float smallest = 1.0e20f;
  float above = 0.0f;
  for (int i = 1; i <= p.NCURNTPF; ++i) {
    smallest = std::min(smallest, p.DPTHIPF(i) - above);
    above = p.DPTHIPF(i);
  }
  state.built = true;
  state.dzmin = smallest;
  DZMIN = smallest;
}

}  // namespace qv
