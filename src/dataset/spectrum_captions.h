// The names of the spectrum types of the data set, as the pages list them and the reports name them:
// each a 30-character field filled from the code tables (tpcm_codes.h), " Index error" for a code
// the table does not hold.
#pragma once

#include <cstdint>

#include "util/farray.h"

namespace qv {

void WAVPRT(Text<30>& text, std::int32_t code);  // wave spectrum type: WAVTYP, SWLTYP
void WNDPRT(Text<30>& text, std::int32_t code);  // wind spectrum type: WNDTYP
void CURPRT(Text<30>& text, std::int32_t code);  // current spectrum type by its list number: CURTYP + 1
// The current spectrum type of the data set by its code CURTYP, whatever the word holds: the name of
// list number CURTYP + 1, without forming that number.
void currentSpectrumCaption(Text<30>& text, std::int32_t CURTYP);

}  // namespace qv
