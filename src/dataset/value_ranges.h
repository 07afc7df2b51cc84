// The values of the data set that the analysis stages read, each with the page and item that edit
// it: every float word that a stage of this data set reads must be a finite number, and the
// quantities a stage divides by, takes a root or a logarithm of, or turns into a count (the
// displacement, draft, metacentric heights, lengths and beam, densities, periods, the offset step,
// counts such as NA, NUNTS, ISPM, NACC) must lie in their physical or tabled range. Beyond that every
// value is bounded by what it is: a length by the site and the member it belongs to, a height by
// the water depth, a heading by one turn either way, a coefficient by the range in which the load
// models hold (or, where none is known, by what the reports' fields print), a code by its set and
// by the parameters its branch needs (the spectrum types and their shapes). A value outside is a
// fatal finding of runFindings(), named with its page and item, its value and what is allowed.
//
// Every range check compares a value with its bound through aboveBound and belowBound, the one home
// of that comparison: the findings here and in run_checks, and the editor's pages where they judge
// the same range (the bow interpolation factors of page 8), so that the two give one verdict.
#pragma once

#include <vector>

#include "dataset/run_checks.h"

namespace qv {

// A value beyond a bound of its range. A value within kBoundUlps units in the last place of a
// 4-byte float from its bound is that bound, rounded (what an estimator or a unit conversion of this
// program writes where it means the bound), and so is a value that reads as the bound where a
// message shows both (messageValue, two decimals or five digits in E form): no refusal names a value
// that reads as inside the range it names. A value one print unit beyond is beyond. A value that is
// no number lies beyond every bound; a bound that is no number holds no finite value.
inline constexpr int kBoundUlps = 4;
bool aboveBound(float x, float high);
bool belowBound(float x, float low);
// Neither below `low` nor above `high`.
bool withinBounds(float x, float low, float high);

// Adds one fatal finding for each value outside its range, in the order of the pages.
void valueRangeFindings(std::vector<RunFinding>& findings);

}  // namespace qv
