// State of the final page kept for the whole editing run.
#pragma once

#include <cstdint>

namespace qv {

struct FinalPageState {
  std::int32_t HCDONE = 0;  // the page listing before execution has been made
  std::int32_t UNTSAV = 0;  // EDUNIT kept while the listing is written
  void reset() { *this = FinalPageState{}; }
};
extern FinalPageState finalPageState;

// The checks of the final page before the data set is left or executed: the plausibility checks
// VESWRN, the SALM checks and the run's findings, each message on EDUNIT, counted from 0 as warnings
// and fatal warnings. A value that one of these checks and a finding of the run of the same kind
// both name is shown once: the check's text, then the value with its page and item. They also
// settle LSPM (1) and NMOMT, the number of moment elements.
void finalPageChecks(std::int32_t& warnings, std::int32_t& fatals);

}  // namespace qv
