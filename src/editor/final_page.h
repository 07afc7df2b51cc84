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

}  // namespace qv
