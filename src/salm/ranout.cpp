#include "salm/ranout.h"

namespace qv {

// Stand-in: no statistics yet.
void RANOUT() {}

}  // namespace qv
