// The whole analysis run, unattended, on any data-file bytes (seeded with the two examples, which
// the fuzzer mutates). Whatever the file holds, the run ends by itself with status 0 or 1 (an
// unattended run never waits for the keyboard), never indexes past an array, never writes a result
// that is not a number or infinite into a report, says why when it stops, and never changes the data
// file. A run that does not end is a finding of libFuzzer's own time limit.
#include <string>

#include "fuzz/fuzz_support.h"
#include "platform/block_reset.h"
#include "run/analysis_run.h"

using namespace qv;

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  fuzz::enterOwnFolder(argc, argv);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string image(reinterpret_cast<const char*>(data), size);
  fuzz::clearFolder();
  fuzz::writeFile("SALMDAT", image);
  resetAllBlocks();  // every input starts from a fresh run

  fuzz::checkUnattendedRunEnd(fuzz::runWithReplies("", [] { runAnalysis(RunMode::kUnattended); }));
  fuzz::check(fuzz::readFile("SALMDAT") == image, "the run never changes the data file");
  return 0;
}
