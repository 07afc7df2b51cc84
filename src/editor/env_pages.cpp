// Stand-ins for the environment and force-model pages: each passes straight on.
#include "editor/env_pages.h"

namespace qv {

void WAVOUT() {}

}  // namespace qv
