// Version updates of loaded data sets and the mooring defaults for data sets of other creators.
#pragma once

#include <array>
#include <cstdint>

namespace qv {

// The page-control words LBACK, IPAG, LCOPY and EDUNIT (words 700 to 703) as the data file held them.
using PageControlWords = std::array<std::int32_t, 4>;

// Brings a SALM data set saved by an older program version up to the current layout, in place, with a
// note on each change on the dialogue unit EDUNIT and in the notes file (unit 21, open). VERSION is
// the program's own version. IFLAG = 1, or 0 when nothing was noted.
//
// An image of the 49-fairlead layout is moved to the current layout before the version steps run, so
// that every step finds its members where their names say. The load has already put the session's
// dialogue unit into EDUNIT's word; `asRead`, when given, holds what the file had in the page-control
// words, which in the older layout are vessel-point coordinates that the relayout must move as stored.
void SLMUPD(float VERSION, std::int32_t& IFLAG, const PageControlWords* asRead = nullptr);

// Mooring and table-size defaults for a vessel-only data set taken into a mooring program of type
// ITYPE; CHOICE 'C' (a data set being created) also sets the line tables.
void MRINIT(char CHOICE, std::int32_t ITYPE);

// The update entries of the other program types of the family: not available in this program, each
// says so, waits for Return and stops the run with status 1.
void SHPUPD();
void JCKUPD();
void SEMUPD();
void DSCUPD();
void STMUPD();
void CATUPD();
void TOWUPD();
void MORUPD();
void CLMUPD();
void SLOUPD();
void SPMUPD();
void SPRUPD();
void TLPUPD();
// The import entries of the other program types: nothing to do here.
void CATIMPORT();
void SLOIMPORT();

}  // namespace qv
