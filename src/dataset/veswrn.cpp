// Stand-in: the screen of the checks is cleared as usual, but no plausibility checks are made yet,
// so no warnings are found.
#include "dataset/veswrn.h"

#include "dataset/tpcm.h"
#include "util/console_io.h"

namespace qv {

void VESWRN(std::int32_t&, std::int32_t&) {
  if (TPCM.LCOPY == 0) CLEAR(TPCM.EDUNIT);
}

}  // namespace qv
