#include "util/captions.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>

#include "platform/units.h"
#include "util/fortran_format.h"

namespace qv {

namespace {

template <std::size_t N, std::size_t M>
void pick(Text<N>& text, std::int32_t code, const std::array<std::string_view, M>& table, int firstCode,
          std::string_view fallback) {
  const long k = static_cast<long>(code) - firstCode;
  text.assign(k >= 0 && k < static_cast<long>(M) ? table[static_cast<std::size_t>(k)] : fallback);
}

constexpr std::array<std::string_view, 21> kPageUnits = {
    " kips",        " metric tons",  " degrees",         " inches",   " millimeters", " lbs/foot",
    " kgw/meter",   " feet",         " meters",          " feet/feet", " meters/meters", " lbs/cubic foot",
    " kgw/cubic meter", " knots",   " feet/sec",        " meters/sec", " seconds",     " height: ",
    " slope: ",     "k.lbs",         "m.ton"};

constexpr std::array<std::string_view, 23> kReportUnits = {
    "k.lbs",   "m.ton",  "degrees",         "in",       "mm",       "lbs/ft",         "kgw/m.",   "ft",
    "m.",      "feet/feet", "meters/meters", "lbs/cubic foot", "kgw/cubic meter", "knots", "feet/sec",
    "meters/sec", "seconds", "height",     "slope",    "foot-kips", "ton-meters", "ft-kp", "ton-m"};

constexpr std::array<std::string_view, 12> kCaptions = {"FEET",  "METERS", "FT",  "M.",  "K.LBS", "M.TONS",
                                                        "LBS",   "KGW",    "FT",  "DEG", "SLOPE", "HEIGHT"};

constexpr std::array<std::string_view, 6> kDegreesOfFreedom = {"SURGE", "SWAY", "HEAVE", "ROLL", "PITCH", "YAW"};

}  // namespace

std::int32_t unitCode(std::int32_t base, std::int32_t NUNTS) {
  const std::int64_t code = std::int64_t{base} + NUNTS;
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(code, std::numeric_limits<std::int32_t>::min(),
                                                             std::numeric_limits<std::int32_t>::max()));
}

void UNITP(Text<16>& text, std::int32_t code) { pick(text, code, kPageUnits, 0, " Index error"); }
void UNITS(Text<16>& text, std::int32_t code) { pick(text, code, kReportUnits, 0, " "); }
void CAPUN(Text<8>& text, std::int32_t code) { pick(text, code, kCaptions, 0, "ERROR !"); }
void DOF(Text<8>& text, std::int32_t code) { pick(text, code, kDegreesOfFreedom, 1, "ERROR !"); }

void ONELIN(std::string_view label, std::int32_t labelLength, float value, UnitNameRoutine unitName,
            std::int32_t unitCode, std::int32_t unit) {
  Text<16> name;
  unitName(name, unitCode);
  std::string line = fmtX(10);
  // The label is a 40-character field: a shorter text is padded, so the value keeps its column.
  std::string field(label.substr(0, static_cast<std::size_t>(std::max(0, labelLength))));
  field.resize(static_cast<std::size_t>(std::max(0, labelLength)), ' ');
  line += field;
  line += ' ';
  line += std::string(static_cast<std::size_t>(std::max(0, 37 - labelLength)), '.');
  line += fmtF(value, 10, 2);
  line += ' ';
  line += name.view();
  writeRecord(unit, line);
}

void MAX_MIN(const float* values, std::int32_t n, std::int32_t& indexMin, std::int32_t& indexMax, float& minimum,
             float& maximum, std::int32_t& monotonic, std::int32_t& increasing) {
  monotonic = 1;
  increasing = n >= 1 && values[n - 1] > values[0] ? 1 : 0;
  for (int i = 1; i <= n - 1; ++i) {
    const float step = values[i] - values[i - 1];
    if ((increasing == 1 && step < 0.0f) || (increasing == 0 && step > 0.0f)) monotonic = 0;
  }
  minimum = 1.0e30f;
  maximum = -1.0e30f;
  for (int i = 1; i <= n; ++i) {
    if (values[i - 1] > maximum) {
      maximum = values[i - 1];
      indexMax = i;
    }
    if (values[i - 1] < minimum) {
      minimum = values[i - 1];
      indexMin = i;
    }
  }
}

void RNGCHK(const float* values, std::int32_t i1, std::int32_t i2, float x, std::int32_t& error) {
  error = 0;
  if (i1 == i2) return;
  auto v = [values](int i) { return values[i - 1]; };
  const bool up = v(i2) - v(i1) > 0.0f;
  bool monotonic = true;
  for (int i = i1 + 1; i <= i2; ++i)
    if ((up && v(i) < v(i - 1)) || (!up && v(i) > v(i - 1))) monotonic = false;
  if (up) {
    if (x < v(i1) || x > v(i2)) error = 1;
  } else {
    if (x < v(i2) || x > v(i1)) error = 2;
  }
  if (!monotonic) error += 3;
}

}  // namespace qv
