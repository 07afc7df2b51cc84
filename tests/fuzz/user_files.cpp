// The user's text files that the analysis reads, on any bytes: the response operators
// "USERRAOS.txt", the drift coefficients "DRFTCOFS.txt" and the wind and current coefficients
// "WINDCOFS.txt" and "CRNTCOFS.txt" (the input's four files, in that order), under the tanker
// example set to read all four (its wave-frequency dynamics left out, which read none of them).
// Whatever the files hold, the unattended run ends by itself with status 0 or 1, says why when it
// stops (a value outside what it is named by its file, line and column), never indexes past an array,
// never writes a result that is not a number or infinite into a report, and changes none of the
// files.
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>

#include "dataset/force_model.h"
#include "dataset/tpcm.h"
#include "fuzz/fuzz_support.h"
#include "platform/block_reset.h"
#include "run/analysis_run.h"

using namespace qv;

namespace {

constexpr std::array<const char*, 4> kFiles = {"USERRAOS.txt", "DRFTCOFS.txt", "WINDCOFS.txt", "CRNTCOFS.txt"};

// The tanker example with the user's operators in place of the hull model's, every wind, current
// and drift load model of its three directions from the user's files, and no wave-frequency dynamics.
std::string dataSet;

template <typename T>
void setWord(std::size_t offset, T value) {
  static_assert(sizeof(T) == 4, "a data-set word is 4 bytes");
  if (dataSet.size() < offset + 4) {
    std::fprintf(stderr, "fuzz_user_files: the tanker example in %s is too short\n", QV_EXAMPLES_DIR);
    std::abort();
  }
  std::memcpy(dataSet.data() + offset, &value, 4);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  dataSet = fuzz::readFile(QV_EXAMPLES_DIR "/tanker-yoke/SALMDAT").value_or("");
  setWord(offsetof(Tpcm, AUXVSH), std::int32_t{1});
  setWord(offsetof(Tpcm, LWBARG), std::int32_t{kWindUserFile * 0x111});
  setWord(offsetof(Tpcm, LCBARG), std::int32_t{kCurrentUserFile * 0x111});
  setWord(offsetof(Tpcm, LWVCOF), std::int32_t{kDriftUserFile * 0x111});
  setWord(offsetof(Tpcm, LDYN), std::int32_t{0});
  fuzz::enterOwnFolder(argc, argv);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const fuzz::Input in = fuzz::splitInput(data, size, static_cast<int>(kFiles.size()));
  fuzz::clearFolder();
  fuzz::writeFile("SALMDAT", dataSet);
  for (std::size_t f = 0; f < kFiles.size(); ++f) fuzz::writeFile(kFiles[f], in.files[f]);
  resetAllBlocks();  // every input starts from a fresh run, with no file cached

  fuzz::checkUnattendedRunEnd(fuzz::runWithReplies("", [] { runAnalysis(RunMode::kUnattended); }));
  fuzz::check(fuzz::readFile("SALMDAT") == dataSet, "the run never changes the data file");
  for (std::size_t f = 0; f < kFiles.size(); ++f) {
    fuzz::check(fuzz::readFile(kFiles[f]) == in.files[f], "the run never changes a user's file");
  }
  return 0;
}
