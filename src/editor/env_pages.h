// The environment and force-model pages of the editor (page slots 8 and 11 to 16). Each follows the
// page protocol of the sequencer and leaves its navigation code in TPCM.LBACK. Until a page is built
// it returns at once with LBACK = 0, so that its slot passes straight on.
#pragma once

#include <cstdint>
#include <string_view>

#include "dataset/lowcof.h"
#include "dataset/tpcm.h"

namespace qv {

// The arguments of LOWVES by name: what it only reads, then in `out` the data-set members and
// tables it edits and the page-control words it returns.
struct LowvesArgs {
  std::string_view label;        // the page number's text
  std::string_view vesselText;   // the vessel word of the title
  std::int32_t EDUNIT;           // output channel
  std::int32_t KBD;              // keyboard channel
  std::int32_t NUNTS;            // 0 English, 1 metric units
  std::int32_t IBATCH;           // non-zero: an unattended run, which asks for toggles as 1 or 0
  struct Out {
    std::int32_t& LWBARG;        // packed wind model codes: Cx, Cy, Cz
    std::int32_t& LCBARG;        // packed current model codes
    std::int32_t& LWVCOF;        // packed wave-drift model codes
    float& BOWWND;               // above-water bow shape of the wind tanker database: 0, 1 or the factor between
    float& BOWCUR;               // below-water bow shape of the current tanker databases
    float& LOADED;               // freeboard-based load condition [%]
    float& DFTPCT;               // draft-based load condition [%]
    float& DWTONS;               // deadweight [kip | t]
    Lowcof& tables;              // the user coefficient tables
    std::int32_t& CURCOR;        // 1: the built-in current correction of user drift coefficients
    float& XSHDOW;               // head-on shadowing and geometry factor of the column drift models
    float& YSHDOW;               // beam-on factor
    std::int32_t& LEG_CYL_DFC;   // 1: the legacy cylinder drift-force coefficients
    std::int32_t& LBACK;         // the page's navigation code on return
    std::int32_t& IPAG;          // page number; also the number typed after "?"
  } out;
};

// Page 8, vessel environmental loads: the force-model words, bow and loading factors and the user
// coefficient tables of LOWCOF, with the page-control words.
void LOWVES(const LowvesArgs& args);

void WIND(std::string_view label);                          // page 11, wind conditions (when LWIND = 1)
void CURENT(std::int32_t& FRESLM, std::string_view label);  // page 12, current (when LCURNT = 1)
void EXTEND(std::string_view label);                        // page 13, extension against regular waves
void MORREG(std::string_view label);                        // page 14, regular wave characteristics
void MORRAN(std::string_view label);                        // page 15, irregular sea states
void SWELL(std::string_view label);                         // page 16, background swell

// The regular-wave report: "WAVEOUT.stxt" when IUNIT is 1, else the screen with pauses.
void WAVOUT();

}  // namespace qv
