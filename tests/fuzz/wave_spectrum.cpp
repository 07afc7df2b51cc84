// The user's wave spectrum "WAVSPEC.txt" on any bytes, under the tanker example with its sea's
// spectrum taken from the file (its wave-frequency dynamics left out: the vessel's response, the
// statics and the slow drift read the sea). The invariants of the run are those of
// fuzz/user_file_run.h: a row that cannot be read, a value outside what it is or a sea no site holds
// stops the run naming the file and what to change.
#include <array>
#include <cstddef>
#include <cstdint>

#include "dataset/tpcm.h"
#include "dataset/tpcm_codes.h"
#include "fuzz/user_file_run.h"

using namespace qv;

namespace {

constexpr std::array<const char*, 1> kFiles = {"WAVSPEC.txt"};

// The tanker example with its sea's spectrum from the user's file, and no wave-frequency dynamics.
std::string dataSet;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  fuzz::TankerWithWords tanker("wave_spectrum");
  tanker.set(offsetof(Tpcm, WAVTYP), std::int32_t{kSpectrumUserFile});
  tanker.set(offsetof(Tpcm, LDYN), std::int32_t{0});
  dataSet = tanker.image();
  fuzz::enterOwnFolder(argc, argv);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::runOverUserFiles(dataSet, kFiles, data, size);
  return 0;
}
