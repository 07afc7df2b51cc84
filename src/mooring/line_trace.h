// Trace lines of the line model (TPCM NBUG = 1): a labelled heading, then the working values as
// integers in 5 columns and reals in exponent form with 4 decimals, six reals to a line. They belong
// to no report.
#pragma once

#include <cstdint>
#include <initializer_list>

namespace qv {

// The values of one trace block: the integers, then `count` reals from `reals`, continued on further
// lines after every six reals.
void writeTraceValues(std::int32_t unit, std::initializer_list<std::int32_t> ints, const double* reals, int count);
void writeTraceValues(std::int32_t unit, std::initializer_list<std::int32_t> ints,
                      std::initializer_list<double> reals);

}  // namespace qv
