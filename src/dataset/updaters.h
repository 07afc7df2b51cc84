// Version updates of loaded data sets and the mooring defaults for data sets of other creators.
#pragma once

#include <cstdint>

namespace qv {

// Brings a SALM data set of an older version up to date; FTLSRV = 1 when it wrote update notes.
void SLMUPD(float VERNQ, std::int32_t& FTLSRV);
// Mooring and table-size defaults for a vessel-only data set taken into a mooring program.
void MRINIT(char CHOICE, std::int32_t ITYPE);

// The update and import entries of the other program types of the family.
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
void CATIMPORT();
void SLOIMPORT();

}  // namespace qv
