#include "salm/memlod.h"

#include "salm/output.h"

namespace qv {

// Stand-in: the heading is counted, so that the next MEMMOT reads the next block of "YOKEMOT".
void MEMLOD() { ++OUTPUT.ISPRED; }

}  // namespace qv
