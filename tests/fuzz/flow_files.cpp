// The user's text files of the flows, on any bytes: the wind's gust spectrum "WINDSPEC.txt", the
// current's fluctuation spectrum "CRNTSPEC.txt" and the current's profile "CRNTPROF.txt" (the input's
// three files, in that order), under the tanker example set to read all three (its wave-frequency
// dynamics left out, which read none of them). The invariants of the run are those of
// fuzz/user_file_run.h: a value outside what it is stops the run naming its file, line and column.
#include <array>
#include <cstddef>
#include <cstdint>

#include "dataset/tpcm.h"
#include "dataset/tpcm_codes.h"
#include "fuzz/user_file_run.h"

using namespace qv;

namespace {

constexpr std::array<const char*, 3> kFiles = {"WINDSPEC.txt", "CRNTSPEC.txt", "CRNTPROF.txt"};
constexpr std::int32_t kProfileFromFile = 3;  // LCSTCR: the profile of "CRNTPROF.txt"

// The tanker example with the wind's and the current's spectra and the current's profile from the
// user's files, and no wave-frequency dynamics.
std::string dataSet;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  fuzz::TankerWithWords tanker("flow_files");
  tanker.set(offsetof(Tpcm, WNDTYP), std::int32_t{kUserWindSpectrum});
  tanker.set(offsetof(Tpcm, CURTYP), std::int32_t{kUserCurrentSpectrum});
  tanker.set(offsetof(Tpcm, LCSTCR), kProfileFromFile);
  tanker.set(offsetof(Tpcm, LDYN), std::int32_t{0});
  dataSet = tanker.image();
  fuzz::enterOwnFolder(argc, argv);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::runOverUserFiles(dataSet, kFiles, data, size);
  return 0;
}
