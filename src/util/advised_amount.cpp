#include "util/advised_amount.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

#include "util/fortran_format.h"

namespace qv {

namespace {

// messageValue's fixed form holds the sizes from 0.01 to below 1.0E7, its E form the others.
constexpr double kSmallestFixed = 0.01;
constexpr double kLargestFixed = 1.0e7;

bool fixedForm(double amount, AmountForm form) {
  const double size = std::fabs(amount);
  return form == AmountForm::kFixed || size == 0.0 || (size >= kSmallestFixed && size < kLargestFixed);
}

// The print unit of `amount` as a power of ten: -2 for the hundredth, that of the fifth significant
// digit in E form.
int unitExponent(double amount, AmountForm form) {
  if (fixedForm(amount, form)) return -2;
  return static_cast<int>(std::floor(std::log10(std::fabs(amount)))) - 4;
}

// k print units of 10^exponent, as the nearest double to the decimal figure (so that it reads back
// as exactly that figure); never a negative zero.
double units(double k, int exponent) {
  const double scale = std::pow(10.0, std::abs(exponent));
  return (exponent < 0 ? k / scale : k * scale) + 0.0;
}

// The number of print units of 10^exponent in `amount`, unrounded.
double scaled(double amount, int exponent) {
  const double scale = std::pow(10.0, std::abs(exponent));
  return exponent < 0 ? amount * scale : amount / scale;
}

// The first figure to try for `amount`: the figure of its print unit at or short of the nearest
// float on the side that works (at or above a least amount, at or below a most amount), which the
// editor stores for it typed as printed. Short of it, since that float may lie a hair beyond a
// figure that is stored as itself (2.98 as 2.98000002 for a least of 2.98); from there the search goes
// on outward: 1000000.25 for a least of 1000000.2 (floats lie 0.0625 apart there, and 1000000.20 is
// stored as 1000000.1875), 15624843.00 for a most of 15624843.75.
double firstFigure(double amount, AmountForm form, bool up) {
  const float toward = up ? std::numeric_limits<float>::infinity() : -std::numeric_limits<float>::infinity();
  float stored = static_cast<float>(amount);
  if (up ? stored < amount : stored > amount) stored = std::nextafter(stored, toward);
  const double from = std::isfinite(stored) ? static_cast<double>(stored) : amount;
  const int exponent = unitExponent(from, form);
  const double k = scaled(from, exponent);
  return units(up ? std::floor(k) : std::ceil(k), exponent);
}

// The figure one print unit further on (up or down) from `shown`, a figure on its grid. Across a
// change of unit (into or out of the E form, or a decade within it) the figure lies on the grids of
// both: the finer grid holds the coarser one's figures.
double nextFigure(double shown, AmountForm form, bool up) {
  // Going down from a power of ten the finer grid below it is the one to step on.
  const int exponent = unitExponent(up ? shown : std::nextafter(shown, 0.0), form);
  const double k = std::nearbyint(scaled(shown, exponent));
  return units(up ? k + 1.0 : k - 1.0, exponent);
}

std::optional<double> advised(double amount, const AmountWorks& works, AmountForm form, bool up) {
  if (!std::isfinite(amount)) return std::nullopt;
  const AmountWorks stored = [amount, form, up](double shown) {
    const double typed = typedValue(shown, form);
    return up ? typed >= amount : typed <= amount;
  };
  const AmountWorks& passes = works ? works : stored;
  double shown = firstFigure(amount, form, up);
  for (int step = 0; step <= kAdvisedSteps && std::isfinite(shown); ++step) {
    if (passes(shown)) return shown;
    shown = nextFigure(shown, form, up);
  }
  return std::nullopt;
}

}  // namespace

std::string amountText(double shown, AmountForm form) {
  if (form == AmountForm::kMessage || !std::isfinite(shown)) return messageValue(shown);
  const std::string field = fmtF(shown, 0, 2);
  // A field of width 0 drops the zero before the point: "0.50" reads as the message writes it.
  if (field.front() == '.') return "0" + field;
  if (field.rfind("-.", 0) == 0) return "-0" + field.substr(1);
  return field;
}

std::optional<double> advisedLeast(double least, const AmountWorks& works, AmountForm form) {
  return advised(least, works, form, true);
}

std::optional<double> advisedMost(double most, const AmountWorks& works, AmountForm form) {
  return advised(most, works, form, false);
}

float typedValue(double shown, AmountForm form) {
  if (!std::isfinite(shown)) return static_cast<float>(shown);
  return std::strtof(amountText(shown, form).c_str(), nullptr);
}

std::string shownBeside(double value, double advised) {
  std::string text = messageValue(value);
  if (!std::isfinite(value) || text != messageValue(advised)) return text;
  const bool fixed = fixedForm(value, AmountForm::kMessage);
  // messageValue's two decimals, or the four of its E form, and on until the figure tells.
  for (int digits = fixed ? 3 : 5; digits <= 9; ++digits) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, fixed ? "%.*f" : "%.*E", digits, value);
    text = buffer;
    if (std::strtod(buffer, nullptr) != advised) break;
  }
  return text;
}

}  // namespace qv
