#include "util/fortran_format.h"

#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace qv {

namespace {

std::string stars(int width) { return std::string(width > 0 ? width : 0, '*'); }

// Right-aligns body in a field of width; asterisks when it does not fit; width 0 is the body itself.
std::string fitRight(const std::string& body, int width) {
  if (width <= 0) return body;
  if (static_cast<int>(body.size()) > width) return stars(width);
  return std::string(width - body.size(), ' ') + body;
}

// The forms gfortran writes for NaN and the infinities; the long form where the field has room.
std::string nonFinite(double value, int width) {
  if (std::isnan(value)) return width > 0 && width < 3 ? stars(width) : fitRight("NaN", width);
  const bool negative = std::signbit(value);
  const std::string longForm = negative ? "-Infinity" : "Infinity";
  const std::string shortForm = negative ? "-Inf" : "Inf";
  if (width <= 0 || width >= static_cast<int>(longForm.size())) return fitRight(longForm, width);
  return fitRight(shortForm, width);
}

// printf with a precision: the C library rounds the exact binary value, ties to even, as gfortran does.
std::string printfValue(const char* format, int precision, double value) {
  const int n = std::snprintf(nullptr, 0, format, precision, value);
  std::string s(static_cast<std::size_t>(n) + 1, '\0');
  std::snprintf(s.data(), s.size(), format, precision, value);
  s.resize(static_cast<std::size_t>(n));
  return s;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

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

std::string fmtI(long long value, int width) { return fitRight(std::to_string(value), width); }

std::string fmtF(double value, int width, int decimals) {
  if (!std::isfinite(value)) return nonFinite(value, width);
  if (decimals < 0) decimals = 0;
  std::string digits = printfValue("%.*f", decimals, std::fabs(value));
  if (decimals == 0) digits += '.';
  const std::string sign = std::signbit(value) ? "-" : "";
  // Below 1 the leading zero is optional: kept where it fits, dropped where only it does not fit.
  // With no decimals it stays, since "." alone would show no digit.
  if (width > 0 && digits.size() > 1 && digits[0] == '0' && digits[1] == '.' &&
      static_cast<int>(sign.size() + digits.size()) > width && decimals > 0)
    digits.erase(0, 1);
  if (width == 0 && digits.size() > 2 && digits[0] == '0' && digits[1] == '.') digits.erase(0, 1);
  return fitRight(sign + digits, width);
}

std::string fmtE(double value, int width, int decimals) {
  if (!std::isfinite(value)) return nonFinite(value, width);
  if (decimals <= 0) return stars(width);  // E with no digits has no meaning
  std::string mantissa;
  int exponent = 0;
  if (value == 0.0) {
    mantissa.assign(decimals, '0');
  } else {
    // d significant digits: "%.(d-1)e" gives d.ddde+xx, the same digits one place higher.
    const std::string s = printfValue("%.*e", decimals - 1, std::fabs(value));
    const std::size_t e = s.find('e');
    for (std::size_t k = 0; k < e; ++k)
      if (s[k] != '.') mantissa += s[k];
    exponent = std::atoi(s.c_str() + e + 1) + 1;
  }
  std::string exp;
  if (!exponentField(exponent, exp)) return stars(width);
  const std::string sign = std::signbit(value) ? "-" : "";
  std::string body = sign + "0." + mantissa + exp;
  if (width > 0 && static_cast<int>(body.size()) > width) body = sign + "." + mantissa + exp;
  return fitRight(body, width);
}

std::string fmtES(double value, int width, int decimals) {
  if (!std::isfinite(value)) return nonFinite(value, width);
  if (decimals < 0) decimals = 0;
  // One digit before the point and d after it: printf's own exponent form, with the exponent
  // rewritten as Fortran writes it.
  std::string digits = "0." + std::string(decimals, '0');
  int exponent = 0;
  if (value != 0.0) {
    const std::string s = printfValue("%.*e", decimals, std::fabs(value));
    const std::size_t e = s.find('e');
    digits = s.substr(0, e);
    exponent = std::atoi(s.c_str() + e + 1);
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
