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
#pragma once

#include <vector>

#include "dataset/run_checks.h"

namespace qv {

// Adds one fatal finding for each value outside its range, in the order of the pages.
void valueRangeFindings(std::vector<RunFinding>& findings);

}  // namespace qv
