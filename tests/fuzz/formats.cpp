// The fixed-width formatters and the field readers on any value, width and text. An input holds a
// width, a number of decimals, an 8-byte value (any bit pattern: infinities and NaNs included) and a
// text. A field of width w is always w characters, and no reader stores a non-finite value.
#include <cmath>
#include <cstring>
#include <string>

#include "fuzz/fuzz_support.h"
#include "util/fortran_format.h"

using namespace qv;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 10) return 0;
  const int width = 1 + data[0] % 80;
  const int decimals = data[1] % 40;
  double value = 0.0;
  std::memcpy(&value, data + 2, sizeof value);
  long long whole = 0;
  std::memcpy(&whole, data + 2, sizeof whole);
  const std::string text(reinterpret_cast<const char*>(data) + 10, size - 10);
  const auto w = static_cast<std::size_t>(width);

  fuzz::check(fmtI(whole, width).size() == w, "Iw is w characters");
  fuzz::check(fmtF(value, width, decimals).size() == w, "Fw.d is w characters");
  fuzz::check(fmtF(static_cast<float>(value), width, decimals).size() == w, "Fw.d of a 4-byte real is w characters");
  fuzz::check(fmtE(value, width, decimals).size() == w, "Ew.d is w characters");
  fuzz::check(fmtA(text, width).size() == w, "Aw is w characters");
  fuzz::check(fmtX(width).size() == w, "nX is n blanks");

  int i = 7;
  float f = 1.5f;
  double d = 2.5;
  (void)readIntField(text, i);
  (void)readRealField(text, f);
  (void)readRealField(text, d);
  fuzz::check(std::isfinite(f) && std::isfinite(d), "a field reader stores no non-finite value");
  (void)parseFortranInt(text, i);
  (void)parseFortranReal(text, f);
  (void)parseFortranReal(text, d);
  fuzz::check(std::isfinite(f) && std::isfinite(d), "a number reader stores no non-finite value");
  return 0;
}
