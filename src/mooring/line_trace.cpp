#include "mooring/line_trace.h"

#include <string>

#include "platform/units.h"
#include "util/fortran_format.h"

namespace qv {

namespace {
constexpr int kRealsPerLine = 6;
}  // namespace

void writeTraceValues(std::int32_t unit, std::initializer_list<std::int32_t> ints, const double* reals, int count) {
  std::string line;
  for (std::int32_t value : ints) line += fmtI(value, 5);
  int onLine = 0;
  for (int i = 0; i < count; ++i) {
    if (onLine == kRealsPerLine) {
      writeRecord(unit, line);
      line.clear();
      onLine = 0;
    }
    line += fmtE(reals[i], 12, 4);
    ++onLine;
  }
  writeRecord(unit, line);
}

void writeTraceValues(std::int32_t unit, std::initializer_list<std::int32_t> ints,
                      std::initializer_list<double> reals) {
  writeTraceValues(unit, ints, reals.begin(), static_cast<int>(reals.size()));
}

}  // namespace qv
