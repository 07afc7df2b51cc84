// The committed example data sets (examples/<name>/SALMDAT) run through the analysis in this process,
// in a fresh temporary folder, as the runner runs them unattended; the blocks the stages leave are
// there to read afterwards, and the reports lie in the folder.
#pragma once

#include <cstddef>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "platform/units.h"
#include "run/analysis_run.h"
#include "support/console_capture.h"
#include "support/fresh_run.h"
#include "support/temp_dir.h"

namespace qv::testing_support {

class ExampleRun : public FreshRun {
 protected:
  void TearDown() override {
    closeAllUnits();
    FreshRun::TearDown();
  }

  // The image of examples/<name>/SALMDAT.
  static std::string exampleImage(const std::string& name) {
    std::ifstream in(std::filesystem::path(QV_EXAMPLES_DIR) / name / "SALMDAT", std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

  // One 4-byte word of the image changed: the member at byte `offset` of TPCM.
  template <typename T>
  static void setWord(std::string& image, std::size_t offset, T value) {
    std::memcpy(image.data() + offset, &value, 4);
  }

  // The analysis of the image: the exit status of a stop, -1 when it ran to its end.
  int runImage(const std::string& image) {
    std::ofstream("SALMDAT", std::ios::binary) << image;
    ConsoleCapture console;
    return stopStatus([] { runAnalysis(RunMode::kUnattended); });
  }

  TempDir dir;
};

}  // namespace qv::testing_support
