// The user's text files that the analysis reads, on any bytes: the response operators
// "USERRAOS.txt", the drift coefficients "DRFTCOFS.txt" and the wind and current coefficients
// "WINDCOFS.txt" and "CRNTCOFS.txt" (the input's four files, in that order), under the tanker
// example set to read all four (its wave-frequency dynamics left out, which read none of them). The
// invariants of the run are those of fuzz/user_file_run.h: a value outside what it is stops the run
// naming its file, line and column.
#include <array>
#include <cstddef>
#include <cstdint>

#include "dataset/force_model.h"
#include "dataset/tpcm.h"
#include "fuzz/user_file_run.h"

using namespace qv;

namespace {

constexpr std::array<const char*, 4> kFiles = {"USERRAOS.txt", "DRFTCOFS.txt", "WINDCOFS.txt", "CRNTCOFS.txt"};

// The tanker example with the user's operators in place of the hull model's, every wind, current
// and drift load model of its three directions from the user's files, and no wave-frequency dynamics.
std::string dataSet;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  fuzz::TankerWithWords tanker("user_files");
  tanker.set(offsetof(Tpcm, AUXVSH), std::int32_t{1});
  tanker.set(offsetof(Tpcm, LWBARG), std::int32_t{kWindUserFile * 0x111});
  tanker.set(offsetof(Tpcm, LCBARG), std::int32_t{kCurrentUserFile * 0x111});
  tanker.set(offsetof(Tpcm, LWVCOF), std::int32_t{kDriftUserFile * 0x111});
  tanker.set(offsetof(Tpcm, LDYN), std::int32_t{0});
  dataSet = tanker.image();
  fuzz::enterOwnFolder(argc, argv);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::runOverUserFiles(dataSet, kFiles, data, size);
  return 0;
}
