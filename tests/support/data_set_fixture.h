// The data set of this editor as its save leaves it, built up in TPCM for a test and taken as the
// image a fixture file holds:
//
//   const auto words = DataSet().withSalm().withTanker().with([] { TPCM.SRCDAT = 1; }).words();
//
// DataSet() starts from the new-data-set defaults, the header stamped as this program's, and the
// settings the editor gives every data set it opens.
#pragma once

#include <cstdint>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

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
  TPCM.CMPUTR = kPlatformIntel;
  TPCM.LEASTP = kModeEditor;
  TPCM.SRCDAT = kModeEditor;
  TPCM.MAXSEA = TPCM.MAXPRM = TPCM.MAXDIR = 1;
  TPCM.MAXANG = 36;
  TPCM.ISPM = 1;
}

class DataSet {
 public:
  DataSet() { fillSavedDataSet(); }

  // A SALM element hinged on the sea bed that pierces the surface of 100 ft of water, its volume and
  // length consistent with the waterplane area of the piercing element, its weight and buoyancy at
  // mid-length, and a yoke of 20 ft hinged at its top, 10 ft above the waterline at the vessel, its
  // sides 10 ft apart: at zero load the column leans with its top 30 ft above the water and the yoke
  // hanging from it. Loads tabulated up to 500 kips. The data checks find nothing in it.
  DataSet& withSalm() {
    TPCM.DEPTH = 100.0f;
    TPCM.NELEM = 2;
    TPCM.IPIERC = 1;
    TPCM.SLEN(1) = 150.0f;
    TPCM.BUOY(1) = 1500.0f;
    TPCM.CBUOY(1) = 75.0f;
    TPCM.TMASS(1) = 40.0f;
    TPCM.CGSALM(1) = 75.0f;
    TPCM.IFREE(1) = 1;
    TPCM.SLEN(2) = 20.0f;
    TPCM.TMASS(2) = 10.0f;
    TPCM.CGSALM(2) = 10.0f;
    TPCM.IFREE(2) = 1;
    TPCM.YOKEHT = 10.0f;
    TPCM.PNDARM = 10.0f;
    TPCM.TLOAD = 500.0f;
    TPCM.WPAPRC = 10.0f;
    TPCM.YOKVES = kInLineYokeAngle;  // as the sequencer gives a new data set
    return *this;
  }

  // A tanker's waterline length, beam and draft, its displacement, waterplane, stability and
  // gyradii: the vessel checks find nothing in them.
  DataSet& withTanker() {
    TPCM.LWL = 300.0f;
    TPCM.BWL = 50.0f;
    TPCM.DRAFT = 20.0f;
    TPCM.DISPL = 15000.0f;  // kips
    TPCM.AWP = 12750.0f;    // ft^2
    TPCM.TVKG = 15.0f;
    TPCM.TVKMT = 25.0f;
    TPCM.TVKML = 400.0f;
    TPCM.RGYR = 17.5f;
    TPCM.PGYR = 75.0f;
    TPCM.TYGYR = 75.0f;
    return *this;
  }

  // Any further edit of TPCM.
  DataSet& with(const std::function<void()>& edit) {
    edit();
    return *this;
  }

  // The stored image: the first kStoredWords words of TPCM, as words or as the file's bytes.
  std::vector<std::int32_t> words() const {
    std::vector<std::int32_t> w(kStoredWords);
    std::memcpy(w.data(), tpcmBytes().data(), 4 * w.size());
    return w;
  }
  std::string bytes() const { return std::string(reinterpret_cast<const char*>(tpcmBytes().data()), 4 * kStoredWords); }
};

}  // namespace qv::testing_support
