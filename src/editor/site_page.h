// The help screens of page 1, "Site conditions" (the page itself, STATIC, is declared in pages.h with
// the other pages).
#pragma once

#include <cstdint>

namespace qv {

// The notes of page 1 for item `item` (0: the whole page) on `unit`, then a pause read on `inUnit`.
void STATHLP(std::int32_t unit, std::int32_t inUnit, std::int32_t item);
// The notes of the units-conversion sub-page of page 1, with the same arguments.
void CNVHLP(std::int32_t unit, std::int32_t inUnit, std::int32_t item);

}  // namespace qv
