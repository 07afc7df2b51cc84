// The one home of the rule for an amount that a message asks the user to type, or to change a value
// by: it is rounded toward the side that works, at the unit in which the message prints it, so that
// the amount typed as printed passes the check that named it. A least amount goes up, a most amount
// goes down. The user types the printed figure and the editor stores it as a 4-byte float (or writes
// it in a file of the user's, which the run reads into one), which may lie a hair on the wrong side
// of the figure (0.29 is stored as 0.289999992); where the caller has the check itself (its own
// test, the run's), the amount moves on by one print unit at a time until that check passes at the
// value as printed.
//
// An amount is printed in one of two forms: as messageValue writes it (AmountForm::kMessage: to
// the hundredth from 0.01 to below 1.0E7, to the fifth significant digit in E form outside), or in a
// fixed field of two decimals as the pages and reports print values (AmountForm::kFixed: to the
// hundredth whatever its size, so that a least amount of 0.003 is named 0.01). An amount rounded here
// reads exactly as itself in its form.
//
// Users: the statics' least water depth at which a column stands and the depth shown beside it
// (statics/column_stance, statics/data_lines), the ends of ranges and the least and most values the
// data set's findings name (dataset/value_ranges), the least offset increment of the statics report
// (statics/stprt), the ends of the ranges the readers of the user's files name and the value shown
// beside them (util/user_file_values), the highest sea a user's wave spectrum may hold
// (waves/user_spectrum), and the buoyant riser's remedies: dataset/riser_remedy rounds every amount
// of a change in the fixed form (shownLeast, shownMost), and dataset/run_checks prints a volume in
// that form and a length in the message form, as the pages print lengths.
#pragma once

#include <functional>
#include <optional>
#include <string>

namespace qv {

// Whether an amount, as the message prints it, passes the check that names it. The caller makes of
// it what the user would type, write or change: typedValue for a value typed as printed, the float
// the reader of a user's file reads for it written there, the changed value for an amount to change
// a value by.
using AmountWorks = std::function<bool(double shown)>;

enum class AmountForm {
  kMessage,  // as messageValue writes it
  kFixed,    // two decimals in a fixed field, never the E form
};

// The amount as a message writes it in `form`, without leading blanks: "60.43", "1.5625E+07",
// "15624843.00".
std::string amountText(double shown, AmountForm form = AmountForm::kMessage);

// The least amount to name for `least`, a figure on the grid of its print unit: from the figure at
// or below the least float at or above `least` (a figure a hair below that float may be stored as
// it), on up by a print unit at a time to the first that `works` passes, or without `works` the
// first that, typed as printed, is stored as at least `least`; within kAdvisedSteps units. Nothing
// when none of them passes or `least` is no finite number.
inline constexpr int kAdvisedSteps = 1000;
std::optional<double> advisedLeast(double least, const AmountWorks& works = {},
                                   AmountForm form = AmountForm::kMessage);
// The most amount to name for `most`: the mirror of advisedLeast, rounded down.
std::optional<double> advisedMost(double most, const AmountWorks& works = {},
                                  AmountForm form = AmountForm::kMessage);

// The 4-byte float the editor stores when the user types `shown` as it is printed in `form`.
float typedValue(double shown, AmountForm form = AmountForm::kMessage);

// The value a message shows beside an amount it advises ("from 60.43 meters on (now 60.42 ...)"):
// as messageValue writes it, or, where that reads as the advised amount, with the further decimals
// that tell the two apart ("now 60.426"), so that no message shows the value it asks for as the
// value that fails.
std::string shownBeside(double value, double advised);

}  // namespace qv
