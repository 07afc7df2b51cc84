// Ending an editing session: save what changed, with backup generations, by the code that the
// end-of-session menu left in LBACK.
#pragma once

#include <cstdint>

#include "dataset/ioinit.h"
#include "dataset/tpcm.h"
#include "util/farray.h"

namespace qv {

void FINISH(int ICOMP, std::int32_t& SRCDAT, int MODE, int IIN, std::int32_t& EDUNIT, std::int32_t& LBACK,
            std::int32_t& IPAG, int ISCRN, int& IRET, Tpcm& data, TpcmImage& preEditData, Lowcof& low,
            LowcofImage& preEditLow, int PROGTYPE, int& IFLGLOW, int& IFLGDAT, int NLOW, int NDAT,
            const Text<12>& DATFIL, const Text<12>& BAKFIL, const Text<12>& LOWFIL, const Text<12>& LOWBAKFIL,
            const Text<12>& CALLER, int CHAINFLAG);

}  // namespace qv
