#include "util/fortran_format.h"

#include <charconv>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdint>
#include <cstdlib>
#include <system_error>
#include <vector>

#include "platform/block_reset.h"
#include "platform/units.h"
#include "util/fatal.h"
#include "util/flowing_lines.h"

namespace qv {

namespace {

std::string stars(int width) { return std::string(width > 0 ? width : 0, '*'); }

// Right-aligns body in a field of width; asterisks when it does not fit; width 0 is the body itself.
std::string fitRight(const std::string& body, int width) {
  if (width <= 0) return body;
  if (static_cast<int>(body.size()) > width) return stars(width);
  return std::string(width - body.size(), ' ') + body;
}

// The stage under the finite-value rule (the name of a routine, a text of static storage); empty
// when the rule is off.
struct FiniteValueRule {
  std::string_view stage;
};
constinit FiniteValueRule finiteValueRule{};
const BlockReset resetFiniteValueRule{[] { finiteValueRule = FiniteValueRule{}; }};

// The forms gfortran writes for NaN and the infinities: the long form where a field of a given width
// has room for it, the short form otherwise and in the shortest field (width 0). Under the
// finite-value rule the run stops instead.
std::string nonFinite(double value, int width, const char* caller) {
  if (!finiteValueRule.stage.empty()) {
    const std::string stage(finiteValueRule.stage);
    finiteValueRule.stage = {};  // the message itself is written under no rule
    const std::int32_t unit = unitConnected(kDiagnosticsUnit) ? kDiagnosticsUnit : kScreenUnit;
    std::vector<std::string> lines{""};
    addFlowingLines(lines, " ++> ",
                    stage + ": a result of " + std::string(caller) + " is " +
                        (std::isnan(value) ? "not a number" : "infinite") + "; it cannot be reported.");
    lines.push_back("     The data set leads to no usable answer here: check its values.");
    fatalStop(stage, unit, lines);
  }
  if (std::isnan(value)) return width > 0 && width < 3 ? stars(width) : fitRight("NaN", width);
  const bool negative = std::signbit(value);
  const std::string longForm = negative ? "-Infinity" : "Infinity";
  const std::string shortForm = negative ? "-Inf" : "Inf";
  if (width >= static_cast<int>(longForm.size())) return fitRight(longForm, width);
  return fitRight(shortForm, width);
}

// The digits of a value with a precision, as "%.*f" or "%.*e" writes them: the exact binary value
// rounded to nearest, ties to even, as gfortran rounds. std::to_chars gives the same digits at a
// fraction of the cost of the C library's formatted output; a value whose digits outrun the buffer
// (a huge value in fixed form) goes to snprintf.
class Digits {
 public:
  Digits(double value, std::chars_format form, int precision) {
    const std::to_chars_result r = std::to_chars(buffer_, buffer_ + sizeof buffer_, value, form, precision);
    if (r.ec == std::errc{}) {
      view_ = std::string_view(buffer_, static_cast<std::size_t>(r.ptr - buffer_));
      return;
    }
    const char* format = form == std::chars_format::fixed ? "%.*f" : "%.*e";
    const int n = std::snprintf(nullptr, 0, format, precision, value);
    spill_.assign(static_cast<std::size_t>(n) + 1, '\0');
    std::snprintf(spill_.data(), spill_.size(), format, precision, value);
    spill_.resize(static_cast<std::size_t>(n));
    view_ = spill_;
  }
  Digits(const Digits&) = delete;
  Digits& operator=(const Digits&) = delete;
  std::string_view view() const { return view_; }

 private:
  char buffer_[64];
  std::string spill_;
  std::string_view view_;
};

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The exponent that printf's exponent form writes after its "e": a sign and two or three digits.
int exponentOf(std::string_view text) {
  int magnitude = 0;
  for (char c : text.substr(1)) magnitude = magnitude * 10 + (c - '0');
  return text[0] == '-' ? -magnitude : magnitude;
}

// The exponent of an E field: "E+dd" up to 99, "+ddd" up to 999; false beyond.
bool exponentField(int exponent, std::string& exp) {
  const int magnitude = exponent < 0 ? -exponent : exponent;
  const char* sign = exponent < 0 ? "-" : "+";
  if (magnitude <= 99) exp = std::string("E") + sign + (magnitude < 10 ? "0" : "") + std::to_string(magnitude);
  else if (magnitude <= 999) exp = sign + std::to_string(magnitude);
  else return false;
  return true;
}

// Checks the Fortran form and rewrites it in the form strtod reads ("1.5e+3").
bool normaliseReal(std::string_view text, std::string& out) {
  std::size_t i = 0;
  out.clear();
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) out += text[i++];
  int digits = 0;
  bool point = false;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (isDigit(c)) {
      ++digits;
    } else if (c == '.' && !point) {
      point = true;
    } else {
      break;
    }
    out += c;
  }
  if (digits == 0) return false;
  if (i == text.size()) return true;
  // Exponent: a letter with an optional sign, or a sign alone, then at least one digit.
  const char c = text[i];
  if (c == 'E' || c == 'e' || c == 'D' || c == 'd' || c == 'Q' || c == 'q') ++i;
  else if (c != '+' && c != '-') return false;
  out += 'e';
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) out += text[i++];
  int expDigits = 0;
  for (; i < text.size() && isDigit(text[i]); ++i, ++expDigits) out += text[i];
  return expDigits > 0 && i == text.size();
}

std::string withoutBlanks(std::string_view field) {
  std::string s;
  s.reserve(field.size());
  for (char c : field)
    if (c != ' ' && c != '\t') s += c;
  return s;
}


}  // namespace

void requireFiniteValues(std::string_view stage) { finiteValueRule.stage = stage; }

std::string messageValue(double value) {
  if (std::isnan(value)) return "not a number";
  if (std::isinf(value)) return value > 0 ? "infinite" : "minus infinite";
  const double a = std::fabs(value);
  const std::string text = a != 0.0 && (a < 0.01 || a >= 1.0e7) ? fmtES(value, 12, 4) : fmtF(value, 16, 2);
  return text.substr(text.find_first_not_of(' '));
}

std::string fmtI(long long value, int width) { return fitRight(std::to_string(value), width); }

std::string fmtF(double value, int width, int decimals, const char* caller) {
  if (!std::isfinite(value)) return nonFinite(value, width, caller);
  if (decimals < 0) decimals = 0;
  const Digits printed(std::fabs(value), std::chars_format::fixed, decimals);
  std::string_view digits = printed.view();
  const bool negative = std::signbit(value);
  const bool point = decimals == 0;  // no decimals: the point follows the digits ("2.")
  // Below 1 the leading zero is optional: kept where it fits, dropped where only it does not fit
  // (always in a field of width 0). With no decimals it stays, since "." alone would show no digit.
  if (decimals > 0 && digits[0] == '0' &&
      (width == 0 || (width > 0 && static_cast<int>(negative + digits.size()) > width)))
    digits.remove_prefix(1);
  const int length = static_cast<int>(negative + digits.size() + point);
  if (width > 0 && length > width) return stars(width);
  std::string field;
  field.reserve(static_cast<std::size_t>(width > length ? width : length));
  if (width > length) field.append(static_cast<std::size_t>(width - length), ' ');
  if (negative) field += '-';
  field += digits;
  if (point) field += '.';
  return field;
}

std::string fmtE(double value, int width, int decimals, const char* caller) {
  if (!std::isfinite(value)) return nonFinite(value, width, caller);
  if (decimals <= 0) return stars(width);  // E with no digits has no meaning
  std::string mantissa;
  int exponent = 0;
  if (value == 0.0) {
    mantissa.assign(decimals, '0');
  } else {
    // d significant digits: "%.(d-1)e" gives d.ddde+xx, the same digits one place higher.
    const Digits printed(std::fabs(value), std::chars_format::scientific, decimals - 1);
    const std::string_view s = printed.view();
    const std::size_t e = s.find('e');
    for (std::size_t k = 0; k < e; ++k)
      if (s[k] != '.') mantissa += s[k];
    exponent = exponentOf(s.substr(e + 1)) + 1;
  }
  std::string exp;
  if (!exponentField(exponent, exp)) return stars(width);
  const std::string sign = std::signbit(value) ? "-" : "";
  std::string body = sign + "0." + mantissa + exp;
  if (width > 0 && static_cast<int>(body.size()) > width) body = sign + "." + mantissa + exp;
  return fitRight(body, width);
}

std::string fmtES(double value, int width, int decimals, const char* caller) {
  if (!std::isfinite(value)) return nonFinite(value, width, caller);
  if (decimals < 0) decimals = 0;
  // One digit before the point and d after it: printf's own exponent form, with the exponent
  // rewritten as Fortran writes it.
  std::string digits = "0." + std::string(decimals, '0');
  int exponent = 0;
  if (value != 0.0) {
    const Digits printed(std::fabs(value), std::chars_format::scientific, decimals);
    const std::string_view s = printed.view();
    const std::size_t e = s.find('e');
    digits = s.substr(0, e);
    exponent = exponentOf(s.substr(e + 1));
  }
  if (decimals == 0) digits = digits.substr(0, 1) + ".";
  std::string exp;
  if (!exponentField(exponent, exp)) return stars(width);
  const std::string sign = std::signbit(value) ? "-" : "";
  return fitRight(sign + digits + exp, width);
}

std::string fmtA(std::string_view text, int width) {
  if (width <= 0) return std::string(text);
  if (static_cast<int>(text.size()) >= width) return std::string(text.substr(0, width));
  return std::string(width - text.size(), ' ') + std::string(text);
}

std::string fmtX(int count) { return std::string(count > 0 ? count : 0, ' '); }

bool parseFortranInt(std::string_view text, int& value) {
  std::size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  if (i == text.size()) return false;
  long long v = 0;
  for (; i < text.size(); ++i) {
    if (!isDigit(text[i])) return false;
    v = v * 10 + (text[i] - '0');
    if (v > static_cast<long long>(INT_MAX) + 1) return false;
  }
  if (negative) v = -v;
  if (v < INT_MIN || v > INT_MAX) return false;
  value = static_cast<int>(v);
  return true;
}

bool parseFortranReal(std::string_view text, float& value) {
  std::string s;
  if (!normaliseReal(text, s)) return false;
  const float v = std::strtof(s.c_str(), nullptr);
  if (!std::isfinite(v)) return false;  // beyond the range of a 4-byte real
  value = v;
  return true;
}

bool parseFortranReal(std::string_view text, double& value) {
  std::string s;
  if (!normaliseReal(text, s)) return false;
  const double v = std::strtod(s.c_str(), nullptr);
  if (!std::isfinite(v)) return false;
  value = v;
  return true;
}

bool readIntField(std::string_view field, int& value) {
  const std::string s = withoutBlanks(field);
  if (s.empty()) {
    value = 0;
    return true;
  }
  return parseFortranInt(s, value);
}

bool readRealField(std::string_view field, float& value) {
  const std::string s = withoutBlanks(field);
  if (s.empty()) {
    value = 0.0f;
    return true;
  }
  return parseFortranReal(s, value);
}

bool readRealField(std::string_view field, double& value) {
  const std::string s = withoutBlanks(field);
  if (s.empty()) {
    value = 0.0;
    return true;
  }
  return parseFortranReal(s, value);
}

}  // namespace qv
