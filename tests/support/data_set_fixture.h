// The data set of this editor as its save leaves it: the new-data-set defaults, the header stamped
// as this program's, and the settings the editor gives every data set it opens. Tests edit it
// further and store it as a fixture file.
#pragma once

#include <cstring>

#include "dataset/new_dataset.h"
#include "dataset/tpcm.h"
#include "util/sim_types.h"

namespace qv::testing_support {

inline void fillSavedDataSet() {
  std::memset(&TPCM, 0, sizeof TPCM);
  newDataSetDefaults(kStoredWords, kSimQuorvel);
  TPCM.NTOGO = kStoredWords;
  TPCM.CREATR = kSimQuorvel;
  TPCM.VERNO = 6.8f;
  TPCM.IYEAR = 2020;
  TPCM.CMPUTR = 5;
  TPCM.LEASTP = kModeEditor;
  TPCM.SRCDAT = kModeEditor;
  TPCM.MAXSEA = TPCM.MAXPRM = TPCM.MAXDIR = 1;
  TPCM.MAXANG = 36;
  TPCM.ISPM = 1;
}

}  // namespace qv::testing_support
