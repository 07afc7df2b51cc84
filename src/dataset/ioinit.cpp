// Stand-in for the load at start: every session creates a new data set, as the start choice "C"
// does. The file load and its checks replace it.
#include "dataset/ioinit.h"

#include "dataset/new_dataset.h"

namespace qv {

void IOINIT(const Text<8>& /*NAME*/, const Text<5>& /*DATE*/, TpcmImage& /*IOBUF*/, LowcofImage& /*ILOBUF*/,
            char& ANSWER, int& JMPLOC, const Text<12>& /*DATFIL*/, int& IERR0, int& IERR1, float VERNQ,
            int IYEARQ, int CREATQ, const Text<12>& /*EDPRG*/, int CMPUTQ, int LEASTQ, int NTOGOQ,
            ComponentNames* /*SCOMP*/, Lowcof& /*ILOWCF*/) {
  JMPLOC = kStartNormal;
  IERR0 = 0;
  IERR1 = 0;
  if (TPCM.LCOPY != 0) {
    JMPLOC = kStartAfterHardCopy;
    return;
  }
  TPCM.EDUNIT = 6;
  // Opening screen
  ANSWER = 'C';

  newDataSetDefaults(NTOGOQ, CREATQ);

  // Stamp the header as this program's.
  TPCM.VERNO = VERNQ;
  TPCM.IYEAR = IYEARQ;
  TPCM.CREATR = CREATQ;
  TPCM.EDUNIT = 6;
  TPCM.IBATCH = 0;
  TPCM.SRCDAT = LEASTQ;
  TPCM.LEASTP = LEASTQ;
  TPCM.CMPUTR = CMPUTQ;
  TPCM.NTOGO = NTOGOQ;
  if (TPCM.LGAP < 0 || TPCM.LGAP > 2 || CREATQ >= 10) TPCM.LGAP = 0;
  if (CREATQ < 10) {
    TPCM.MORFBK = 0;
    TPCM.CATFBK = 0;
    TPCM.BMRFBK = 0;
    TPCM.BCTFBK = 0;
  }
  if (TPCM.IUNIT != 1 && TPCM.IUNIT != TPCM.EDUNIT && TPCM.IUNIT != 99) TPCM.IUNIT = 1;
}

}  // namespace qv
