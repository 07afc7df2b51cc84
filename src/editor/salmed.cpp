#include "editor/salmed.h"

namespace qv {

void SALMED() {}

}  // namespace qv
