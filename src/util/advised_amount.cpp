#include "util/advised_amount.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "util/fortran_format.h"

namespace qv {

namespace {

// messageValue's E form begins at this size; below it an amount is printed to the hundredth.
constexpr double kLargestFixed = 1.0e7;

// The print unit of `amount` as a power of ten: -2 for the hundredth.
int unitExponent(double amount) {
  const double size = std::fabs(amount);
  if (size < kLargestFixed) return -2;
  return static_cast<int>(std::floor(std::log10(size))) - 4;
}

// k print units of 10^exponent, as the nearest double to the decimal figure (so that it reads back
// as exactly that figure); never a negative zero.
double units(double k, int exponent) {
  const double scale = std::pow(10.0, std::abs(exponent));
  return (exponent < 0 ? k / scale : k * scale) + 0.0;
}

// The figure on the grid of `amount`'s print unit at or short of it: at or below a least amount
// (up), at or above a most amount. The search for a figure that passes starts there, since a figure
// a hair short of the amount may be stored as a float that is not (0.29 as 0.289999992 for an
// amount of 0.289999992).
double shortOf(double amount, int exponent, bool up) {
  const double scale = std::pow(10.0, std::abs(exponent));
  const double scaled = exponent < 0 ? amount * scale : amount / scale;
  return units(up ? std::floor(scaled) : std::ceil(scaled), exponent);
}

// The amount one print unit further out (up or down) from `shown`, a figure on its grid.
double nextFigure(double shown, bool up) {
  const int exponent = unitExponent(shown);
  const double scale = std::pow(10.0, std::abs(exponent));
  const double k = std::nearbyint(exponent < 0 ? shown * scale : shown / scale);
  // Across a change of unit (into or out of the E form, or of a decade within it) the figure lies on
  // the grid of both: the finer grid of the two holds the coarser one's figures.
  return units(up ? k + 1.0 : k - 1.0, exponent);
}

std::optional<double> advised(double amount, const AmountWorks& works, bool up) {
  if (!std::isfinite(amount)) return std::nullopt;
  const AmountWorks stored = [amount, up](double shown) {
    const double typed = typedValue(shown);
    return up ? typed >= amount : typed <= amount;
  };
  const AmountWorks& passes = works ? works : stored;
  double shown = shortOf(amount, unitExponent(amount), up);
  for (int step = 0; step <= kAdvisedSteps; ++step) {
    if (passes(shown)) return shown;
    shown = nextFigure(shown, up);
    if (!std::isfinite(shown)) break;
  }
  return std::nullopt;
}

}  // namespace

double printUnit(double amount) { return units(1.0, unitExponent(amount)); }

std::optional<double> advisedLeast(double least, const AmountWorks& works) { return advised(least, works, true); }

std::optional<double> advisedMost(double most, const AmountWorks& works) { return advised(most, works, false); }

float typedValue(double shown) {
  if (!std::isfinite(shown)) return static_cast<float>(shown);
  return std::strtof(messageValue(shown).c_str(), nullptr);
}

std::string shownBeside(double value, double advised) {
  std::string text = messageValue(value);
  if (!std::isfinite(value) || text != messageValue(advised)) return text;
  const bool fixed = std::fabs(value) < kLargestFixed && (value == 0.0 || std::fabs(value) >= 0.01);
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
