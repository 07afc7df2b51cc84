#include "dynamics/momdat.h"

#include <algorithm>

#include "dataset/tpcm.h"
#include "dynamics/dyncom.h"
#include "slowdrift/output.h"
#include "util/files.h"
#include "util/unformatted_io.h"

namespace qv {

int momentElements() { return std::clamp<int>(TPCM.NMOMT, 0, kMaxMomentElements); }

void createMomentFile(std::string_view caller) {
  const Tpcm& t = TPCM;
  RHOPEN(kMomentFile, kUnformatted, kFresh, t.IDRIVE, kMomentFileUnit, caller, t.EDUNIT, t.CMPUTR);
}

void writeMomentRecords(std::string_view caller, float DRAGCF, Complex phase) {
  const Dyncom& d = DYNCOM;
  const int elements = momentElements();
  for (int IM = 1; IM <= elements; ++IM) {
    for (int q = 1; q <= 5; ++q) {
      const Complex value = (d.SHMOM1(q, IM) + DRAGCF * d.SHMOM2(q, IM)) * phase;
      if (!writeUnformatted(kMomentFileUnit, value)) ACERR(caller, kMomentFile, TPCM.EDUNIT);
    }
  }
}

void closeMomentFile(std::string_view caller) { HCLOSE(kMomentFileUnit, kMomentFile, caller, TPCM.EDUNIT); }

}  // namespace qv
