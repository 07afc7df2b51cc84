// Stand-in for the end of a session: nothing is saved yet.
#include "dataset/finish.h"

namespace qv {

void FINISH(int, std::int32_t&, int, int, std::int32_t&, std::int32_t&, std::int32_t&, int, int& IRET, Tpcm&,
            TpcmImage&, Lowcof&, LowcofImage&, int, int&, int&, int, int, const Text<12>&, const Text<12>&,
            const Text<12>&, const Text<12>&, const Text<12>&, int) {
  IRET = 0;
}

}  // namespace qv
