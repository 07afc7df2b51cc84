// The fuzz targets of the user's text files that the analysis reads: the tanker example with some of
// its words set so that the run reads the files, and one unattended run of it over the files an
// input holds. Whatever the files hold, the run ends by itself with status 0 or 1, says why when it
// stops, never indexes past an array, never writes a result that is not a number or infinite into a
// report, and changes none of the files.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <span>
#include <string>

#include "fuzz/fuzz_support.h"
#include "platform/block_reset.h"
#include "run/analysis_run.h"

namespace qv::fuzz {

// The tanker example's data set, read once, with words set by the target.
class TankerWithWords {
 public:
  explicit TankerWithWords(const char* target)
      : target_(target), image_(readFile(QV_EXAMPLES_DIR "/tanker-yoke/SALMDAT").value_or("")) {}

  template <typename T>
  void set(std::size_t offset, T value) {
    static_assert(sizeof(T) == 4, "a data-set word is 4 bytes");
    if (image_.size() < offset + 4) {
      std::fprintf(stderr, "fuzz_%s: the tanker example in %s is too short\n", target_, QV_EXAMPLES_DIR);
      std::abort();
    }
    std::memcpy(image_.data() + offset, &value, 4);
  }
  const std::string& image() const { return image_; }

 private:
  const char* target_;
  std::string image_;
};

// The unattended run of `dataSet` with the files `names` as the input gives them.
inline void runOverUserFiles(const std::string& dataSet, std::span<const char* const> names, const std::uint8_t* data,
                             std::size_t size) {
  const Input in = splitInput(data, size, static_cast<int>(names.size()));
  clearFolder();
  writeFile("SALMDAT", dataSet);
  for (std::size_t f = 0; f < names.size(); ++f) writeFile(names[f], in.files[f]);
  resetAllBlocks();  // every input starts from a fresh run, with no file cached

  checkUnattendedRunEnd(runWithReplies("", [] { runAnalysis(RunMode::kUnattended); }));
  check(readFile("SALMDAT") == dataSet, "the run never changes the data file");
  for (std::size_t f = 0; f < names.size(); ++f) {
    check(readFile(names[f]) == in.files[f], "the run never changes a user's file");
  }
}

}  // namespace qv::fuzz
