// The line-material help: a console calculator a user consults while entering the sublines of a
// mooring line type. From a built-in database of chain, wire-rope and synthetic-rope types it
// estimates, for a subline diameter, the weight per unit length submerged in air, fresh or sea water
// and dry, the breaking strength and the compliance coefficients of the cubic strain law; it also
// fits the coefficients to the user's own points (mooring/curve_fit.h) and finds the fairlead
// subline length of a taut-wire line type (mooring/taut_line.h). Every menu has a note per item.
//
// Units follow the data set (TPCM.NUNTS): 1 metric (diameter [mm], strength [t], weight [t/m],
// coefficients per t), any other value English (diameter [in], strength [kip], weight [kip/ft],
// coefficients per kip). Coefficients are a1, a2, a3 of e = a1 T + a2 T^2 + a3 T^3.
//
// Every menu reads its selection with ENTSEL: a number selects an item, "?" or "?n" shows the
// notes of all items or of item n, and any code below 1 (a blank reply, 0, "!", "H" after the
// navigation help) leaves the menu without a result. Numbers outside the items offered draw the
// menu again.
#pragma once

#include <cstdint>

namespace qv {

// The help facility's menu on TPCM.EDUNIT, read from the keyboard into TPCM.LBACK, until the user
// leaves. DIAM is the subline diameter [in | mm]; the items fill WETW (submerged weight per unit
// length), BREAK (breaking strength), A(1..3) (compliance coefficients) and DRYW (dry weight per
// unit length), each only when a result is chosen. Item 5 (not offered when TPCM.CREATR is 7) finds
// the fairlead subline length of line type ITYP into TPCM.moor.SLEN(1, ITYP), after a note of the
// data it needs and the abort question. A diameter that is not positive gets a message and a pause
// and nothing else.
void HELPUS(float DIAM, float& WETW, float& DRYW, float& BREAK, float* A, std::int32_t ITYP);

// One estimate from the database for the diameter DIAM [in | mm] (positive), in the units of NUNTS.
// KIND 0: the weight per unit length submerged in a medium asked for first, into RESULT; 1: the
// compliance coefficients into A(1..3) (from the user's points, or from the database with the
// breaking strength into RESULT); 2: the breaking strength into RESULT; 3: the dry weight per unit
// length into RESULT. Menus on IOUT, replies from IIN; leaving a menu writes nothing.
void HELP(float& RESULT, float* A, std::int32_t NUNTS, float DIAM, std::int32_t KIND, std::int32_t IOUT,
          std::int32_t IIN);

// The notes of the menus, each on a cleared screen under "****  Material Properties Help Notes  ****"
// and followed by a pause: ITEM 0 shows the notes of every item, ITEM n the note of item n (or that
// there is none). HHLP1: the compliance menu; HHLP2: the submergence-medium menu; HHLP3: the
// line-type menu; MTLHLP: the menu of HELPUS, whose item 5 has no note when CREATR is 7.
void HHLP1(std::int32_t IOUT, std::int32_t IIN, std::int32_t ITEM);
void HHLP2(std::int32_t IOUT, std::int32_t IIN, std::int32_t ITEM);
void HHLP3(std::int32_t IOUT, std::int32_t IIN, std::int32_t ITEM);
void MTLHLP(std::int32_t IOUT, std::int32_t IIN, std::int32_t ITEM, std::int32_t CREATR);

}  // namespace qv
