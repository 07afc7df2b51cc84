// Stand-ins for the environment and force-model pages: each passes straight on.
#include "editor/env_pages.h"

namespace qv {

void LOWVES(std::string_view, std::string_view, std::int32_t&, std::int32_t&, std::int32_t&, float&, float&,
            float&, float&, float&, float&, std::int32_t&, float&, float&, std::int32_t&, std::int32_t&, Lowcof&,
            std::int32_t&, std::int32_t&, int, std::int32_t& LBACK, std::int32_t&, std::int32_t&,
            std::int32_t&) {
  LBACK = 0;
}

void WIND(std::string_view) { TPCM.LBACK = 0; }
void CURENT(std::int32_t&, std::string_view) { TPCM.LBACK = 0; }
void EXTEND(std::string_view) { TPCM.LBACK = 0; }
void MORREG(std::string_view) { TPCM.LBACK = 0; }
void MORRAN(std::string_view) { TPCM.LBACK = 0; }
void SWELL(std::string_view) { TPCM.LBACK = 0; }
void WAVOUT() {}

}  // namespace qv
