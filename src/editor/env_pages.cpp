// Stand-ins for the environment and force-model pages: each passes straight on.
#include "editor/env_pages.h"

namespace qv {

void WIND(std::string_view) { TPCM.LBACK = 0; }
void CURENT(std::int32_t&, std::string_view) { TPCM.LBACK = 0; }
void EXTEND(std::string_view) { TPCM.LBACK = 0; }
void MORREG(std::string_view) { TPCM.LBACK = 0; }
void MORRAN(std::string_view) { TPCM.LBACK = 0; }
void SWELL(std::string_view) { TPCM.LBACK = 0; }
void WAVOUT() {}

}  // namespace qv
