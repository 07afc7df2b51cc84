// The environment and force-model pages of the editor (page slots 8 and 11 to 16). Each follows the
// page protocol of the sequencer and leaves its navigation code in TPCM.LBACK. Until a page is built
// it returns at once with LBACK = 0, so that its slot passes straight on.
#pragma once

#include <cstdint>
#include <string_view>

#include "dataset/lowcof.h"
#include "dataset/tpcm.h"

namespace qv {

// Page 8, vessel environmental loads: the force-model words, bow and loading factors and the user
// coefficient tables of LOWCOF, with the page-control words.
void LOWVES(std::string_view label, std::string_view vesselText, std::int32_t& LWBARG, std::int32_t& LCBARG,
            std::int32_t& LWVCOF, float& BOWWND, float& BOWCUR, float& BOWWAV, float& LOADED, float& DFTPCT,
            float& DWTONS, std::int32_t& CURCOR, float& XSHDOW, float& YSHDOW, std::int32_t& VESTYP,
            std::int32_t& LEG_CYL_DFC, Lowcof& tables, std::int32_t& LCOPY, std::int32_t& EDUNIT, int inputUnit,
            std::int32_t& LBACK, std::int32_t& NUNTS, std::int32_t& IPAG, std::int32_t& IBATCH);

void WIND(std::string_view label);                          // page 11, wind conditions (when LWIND = 1)
void CURENT(std::int32_t& FRESLM, std::string_view label);  // page 12, current (when LCURNT = 1)
void EXTEND(std::string_view label);                        // page 13, extension against regular waves
void MORREG(std::string_view label);                        // page 14, regular wave characteristics
void MORRAN(std::string_view label);                        // page 15, irregular sea states
void SWELL(std::string_view label);                         // page 16, background swell

// The regular-wave report: "WAVEOUT.stxt" when IUNIT is 1, else the screen with pauses.
void WAVOUT();

}  // namespace qv
