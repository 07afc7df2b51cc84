// The whole analysis run, unattended, on any data-file bytes (seeded with the two examples, which
// the fuzzer mutates). Whatever the file holds, the run ends by itself with status 0 or 1 (an
// unattended run never waits for the keyboard), never indexes past an array, never writes a result
// that is not a number or infinite into a report, says why when it stops, and never changes the data
// file. A run that does not end is a finding of libFuzzer's own time limit.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "fuzz/fuzz_support.h"
#include "platform/block_reset.h"
#include "run/analysis_run.h"
#include "util/fatal.h"

using namespace qv;

namespace {

// Whether a text file holds a number field that is no number: "NaN", "Infinity" or "Inf" as a word.
bool holdsNonFinite(const std::string& text) {
  for (const char* word : {"NaN", "Inf"}) {
    for (std::size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + 1)) {
      const bool startsWord = at == 0 || text[at - 1] == ' ' || text[at - 1] == '-' || text[at - 1] == '\n';
      if (startsWord) return true;
    }
  }
  return false;
}

bool isReport(const std::filesystem::path& file) {
  const std::string ext = file.extension().string();
  return ext == ".stxt" || ext == ".plt";
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  fuzz::enterOwnFolder(argc, argv);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string image(reinterpret_cast<const char*>(data), size);
  fuzz::clearFolder();
  fuzz::writeFile("SALMDAT", image);
  resetAllBlocks();  // every input starts from a fresh run

  const int status = fuzz::runWithReplies("", [] { runAnalysis(RunMode::kUnattended); });
  fuzz::check(arrayBoundsState.violations == 0, "no array is indexed past its bounds");
  fuzz::check(status == -1 || status == kExitFatal, "an unattended run ends with status 0 or 1");
  if (status == kExitFatal) {
    const std::string diagnostics = fuzz::readFile(std::string(kDiagnosticsFile)).value_or("");
    fuzz::check(!fatalStopState.message.empty() || diagnostics.find(" ++> ") != std::string::npos,
                "a run that stops says why");
  }
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator(".", ec)) {
    if (!isReport(entry.path())) continue;
    const std::string text = fuzz::readFile(entry.path().string()).value_or("");
    fuzz::check(!holdsNonFinite(text), "no report holds a value that is not a number or infinite");
  }
  fuzz::check(fuzz::readFile("SALMDAT") == image, "the run never changes the data file");
  return 0;
}
