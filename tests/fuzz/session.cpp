// A whole editing session on any data file, first backup and coefficient file, and any typed replies.
// The run ends with status 0, 1 or 2; a run that ends with 1 or 2 leaves every file as it was and
// adds no file of the data set; and no save leaves a temporary file behind.
#include <filesystem>

#include "editor/salmed.h"
#include "fuzz/fuzz_support.h"
#include "platform/block_reset.h"

using namespace qv;

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  fuzz::enterOwnFolder(argc, argv);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const fuzz::Input in = fuzz::splitInput(data, size, 3);
  const char* const seeded[] = {"SALMDAT", "SALMBAK", "LOWDAT"};
  fuzz::clearFolder();
  for (int f = 0; f < 3; ++f) fuzz::writeFile(seeded[f], in.files[static_cast<std::size_t>(f)]);
  resetAllBlocks();  // every input starts from a fresh run

  const int status = fuzz::runWithReplies(in.replies, [] { SALMED(); });
  fuzz::check(fuzz::knownStatus(status), "the session ends with status 0, 1 or 2");
  if (status == kExitFatal || status == kExitInputEnded) {
    for (int f = 0; f < 3; ++f)
      fuzz::check(fuzz::readFile(seeded[f]) == in.files[static_cast<std::size_t>(f)],
                  "a run that ends with 1 or 2 leaves the data files as they were");
    for (const char* name : {"LASTBAK", "LOWBAK", "LASTLOW"})
      fuzz::check(!std::filesystem::exists(name), "a run that ends with 1 or 2 writes no generation");
  }
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator(".", ec))
    fuzz::check(entry.path().filename().string().find(".qvsave-") == std::string::npos,
                "no temporary file of a save is left behind");
  return 0;
}
