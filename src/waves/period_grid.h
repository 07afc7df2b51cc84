// Whether the regular-wave periods of the data set (TPCM T, NWP of them) can carry a spectrum. Every
// spectral moment is taken by Simpson's rule in period, and the analysis divides by the periods and
// by their step unchecked, so the editor's period page, its wave report and the analysis run all
// refuse a grid that fails this test.
#pragma once

namespace qv {

// At least 3 and at most 100 periods, positive, increasing at one step (within a thousandth of it).
bool periodsFitForSpectra();

}  // namespace qv
