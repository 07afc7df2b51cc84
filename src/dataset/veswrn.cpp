// Stand-in: no plausibility checks yet, so no warnings are found.
#include "dataset/veswrn.h"

namespace qv {

void VESWRN(std::int32_t&, std::int32_t&) {}

}  // namespace qv
