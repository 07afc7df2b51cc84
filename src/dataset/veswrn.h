// The plausibility checks of a data set before the session ends.
#pragma once

#include <cstdint>

namespace qv {

// Adds the warnings and fatal warnings found to NWARN and NFATAL (the caller sets both to 0 first).
void VESWRN(std::int32_t& NWARN, std::int32_t& NFATAL);

}  // namespace qv
