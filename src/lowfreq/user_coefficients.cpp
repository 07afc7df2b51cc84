#include "lowfreq/user_coefficients.h"

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>

#include "lowfreq/user_file.h"
#include "numlib/angles.h"
#include "numlib/circle_constants.h"
#include "numlib/interpolation.h"
#include "numlib/table_span.h"
#include "platform/block_reset.h"
#include "util/files.h"
#include "util/fortran_format.h"

namespace qv {

constinit UserCoefficientState userCoefficientState{};
const BlockReset resetUserCoefficientState{[] { userCoefficientState.reset(); }};

void UserCoefficientState::reset() {
  wind = UserCoefficientTable{};
  current = UserCoefficientTable{};
}

namespace {

// Which reader is at work: its table, its name in a stop and the flow its file is for.
struct Reader {
  UserCoefficientTable& table;
  std::string_view routine;
  std::string_view flow;  // "the wind" or "the current"
};

void load(const Reader& r, const Text<13>& FNAME, std::int32_t unit, std::int32_t IIN) {
  UserCoefficientTable& t = r.table;
  const std::string name(fileNameOf(FNAME.view()));
  if (!openUserFile(FNAME.view())) {
    stopUserFileMissing(r.routine, unit,
                        {"", " ++>  User-supplied force coefficients \"" + name + "\" not found", ""});
  }
  PlacedRead in(kUserFileUnit, RowLayout::kOneLine);
  const UserFileStop stop{r.routine, kUserFileUnit, unit, IIN, name};
  std::int32_t count = 0;
  in.readRow({&count}, stop, "the count there: 1 value (the number of rows that follow, 2 to 145)");
  const int countLine = in.rowLine();
  if (count < 2 || count > kMaxUserCoefficientRows) {
    stopUserTableRefused(r.routine, unit, IIN,
                         {"", " ++>  User-supplied force coefficient array in " + name,
                          dimensionLine("dimension", fmtI(count, 3), " out of range; allowable"),
                          dimensionLine("dimension", fmtI(2, 3) + " to " + fmtI(kMaxUserCoefficientRows, 3)), ""});
  }
  const std::string rows = " of " + std::to_string(count) + " there: 4 values (heading, CX, CY, CMZ)";
  ColumnOrder headings("heading", "headings");
  for (int i = 1; i <= count; ++i) {
    float heading = 0.0f;
    in.readRow({&heading, &t.coefficient(i, 1), &t.coefficient(i, 2), &t.coefficient(i, 3)}, stop,
               "row " + std::to_string(i) + rows);
    requireUserFileValue(in, stop, 1, "a heading", heading, -kLargestFileHeading, kLargestFileHeading,
                         "degrees: one turn either way");
    static const char* const kCoefficient[3] = {"CX", "CY", "CMZ"};
    for (int c = 1; c <= 3; ++c) {
      requireUserFileValue(in, stop, c + 1, kCoefficient[c - 1], t.coefficient(i, c), -kLargestFileCoefficient,
                           kLargestFileCoefficient, "a hundred is no hull's coefficient");
    }
    t.angle(i) = heading / kDegreesPerRadian;
    headings.require(in, stop, 1, heading, t.angle(i));
  }
  in.requireNoMoreRows(stop, countLine, "the " + std::to_string(count) + " rows");
  t.N = count;
  t.FRSTIM = 0;
  t.LASTFILE = FNAME;
  HCLOSE(kUserFileUnit, name, "USERWC", unit);
}

float lookUp(const Reader& r, int component, float a, std::int32_t unit, std::int32_t IIN, const Text<13>& FNAME) {
  UserCoefficientTable& t = r.table;
  if (t.FRSTIM == 1 || t.LASTFILE.view() != FNAME.view()) load(r, FNAME, unit, IIN);
  // The file's own convention: 180 degrees is flow from ahead; the table may run over any turn.
  const std::optional<float> heading = headingWithinTable(t.angle.data(), t.N, REDRAD(a + kPi), kTwoPi);
  if (!heading) {
    const std::string what = std::string(r.flow) + " from " + messageValue(ANGSYM(a) * kDegreesPerRadian) +
                             " deg off the bow, the file's heading its direction plus 180";
    stopHeadingOutsideTable({.routine = r.routine, .unit = unit, .inUnit = IIN, .file = fileNameOf(FNAME.view()),
                             .headingDeg = REDRAD(a + kPi) * kDegreesPerRadian, .what = what,
                             .lowestDeg = std::min(t.angle(1), t.angle(t.N)) * kDegreesPerRadian,
                             .highestDeg = std::max(t.angle(1), t.angle(t.N)) * kDegreesPerRadian});
  }
  int range = 0;
  int i = 1;
  BSRCH(t.angle.data(), *heading, range, i, t.N);
  float value = 0.0f;
  INTERP(t.angle.data(), &t.coefficient(1, component), *heading, value, i);
  return value;
}

}  // namespace

float USRWND(int component, float a, std::int32_t unit, std::int32_t IIN, const Text<13>& FNAME) {
  return lookUp({userCoefficientState.wind, "USRWND", "the wind"}, component, a, unit, IIN, FNAME);
}

float USRCRN(int component, float a, std::int32_t unit, std::int32_t IIN, const Text<13>& FNAME) {
  return lookUp({userCoefficientState.current, "USRCRN", "the current"}, component, a, unit, IIN, FNAME);
}

}  // namespace qv
