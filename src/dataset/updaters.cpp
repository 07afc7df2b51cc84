// Stand-ins: the version upgrade and the mooring defaults leave the data set as it is until they
// are built; the entries of other program types return at once.
#include "dataset/updaters.h"

namespace qv {

void SLMUPD(float, std::int32_t& FTLSRV) { FTLSRV = 0; }
void MRINIT(char, std::int32_t) {}

void SHPUPD() {}
void JCKUPD() {}
void SEMUPD() {}
void DSCUPD() {}
void STMUPD() {}
void CATUPD() {}
void TOWUPD() {}
void MORUPD() {}
void CLMUPD() {}
void SLOUPD() {}
void CATIMPORT() {}
void SLOIMPORT() {}

}  // namespace qv
