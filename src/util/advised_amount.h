// The one home of the rule for an amount that a message asks the user to type, or to change a value
// by: it is rounded toward the side that works, at the unit in which the message prints it, so that
// the amount typed as printed passes the check that named it. A least amount goes up, a most amount
// goes down. The user types the printed figure and the editor stores it as a 4-byte float, which may
// lie a hair on the wrong side of the figure (0.29 is stored as 0.289999992); where the caller has
// the check itself (its own test, the run's), the amount moves on by one print unit at a time until
// that check passes at the value as printed.
//
// The print unit is that of messageValue: a hundredth below 1.0E7 (tiny amounts included: a least
// amount of 0.003 is named 0.01), the fifth significant digit in E form from 1.0E7 on. An amount
// rounded here reads exactly as itself in messageValue, and in a fixed field of two decimals.
//
// Users: the statics' least water depth at which a column stands (statics/column_stance), the least
// and most values the data set's findings advise (dataset/value_ranges), the least offset increment
// of the statics report (statics/stprt); the buoyant riser's remedies round their lengthenings,
// raises and lowerings the same way.
#pragma once

#include <functional>
#include <optional>
#include <string>

namespace qv {

// Whether an amount, as the message prints it, passes the check that names it. The caller makes of
// it what the user would type or change: typedValue for a value typed as printed, the changed
// value for an amount to change a value by.
using AmountWorks = std::function<bool(double shown)>;

// The unit in which messageValue prints an amount of the size of `amount`.
double printUnit(double amount);

// The least amount to name for `least`: rounded up to the print unit, then on up by a print unit at
// a time while `works` (when given) refuses it, within kAdvisedSteps units; nothing when none of
// them works or `least` is no finite number. Without `works`, the value the editor stores for the
// printed amount is at least `least`.
inline constexpr int kAdvisedSteps = 1000;
std::optional<double> advisedLeast(double least, const AmountWorks& works = {});
// The most amount to name for `most`: rounded down, then on down, the mirror of advisedLeast.
std::optional<double> advisedMost(double most, const AmountWorks& works = {});

// The 4-byte float the editor stores when the user types `shown` as messageValue prints it.
float typedValue(double shown);

// The value a message shows beside an amount it advises ("from 60.43 meters on (now 60.42 ...)"):
// as messageValue writes it, or, where that reads as the advised amount, with the further decimals
// that tell the two apart ("now 60.426"), so that no message shows the value it asks for as the
// value that fails.
std::string shownBeside(double value, double advised);

}  // namespace qv
