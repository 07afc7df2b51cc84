// Stand-ins for the pages that are not built yet: each passes straight on, and the final page ends
// the editing run as the execute choice would.
#include "dataset/tpcm.h"
#include "editor/pages.h"
#include "util/nav_codes.h"

namespace qv {

void STATIC() { TPCM.LBACK = 0; }
void SALM(std::string_view) { TPCM.LBACK = 0; }
void SALM2B(std::string_view) { TPCM.LBACK = 0; }
void QUASCK(std::string_view) { TPCM.LBACK = 0; }
void VESEL1(std::string_view, std::string_view) { TPCM.LBACK = 0; }
void VESEL2(std::string_view, std::string_view) { TPCM.LBACK = 0; }
void VESEL3(std::string_view, std::string_view) { TPCM.LBACK = 0; }
void EXTFRC(std::string_view, std::string_view) { TPCM.LBACK = 0; }
void AREAS(std::string_view, std::string_view) { TPCM.LBACK = 0; }
void SLMOUT(std::string_view) { TPCM.LBACK = 0; }
void SLMOT2(std::string_view) { TPCM.LBACK = 0; }
void SLMFIN(std::string_view) { TPCM.LBACK = kNavExecute; }

}  // namespace qv
