// The committed example data sets (support/example_data.h) run through the analysis in this process,
// in a fresh temporary folder, as the runner runs them unattended; the blocks the stages leave are
// there to read afterwards, and the reports lie in the folder.
#pragma once

#include <algorithm>
#include <cstring>
#include <fstream>
#include <functional>
#include <memory>
#include <string>

#include "dataset/tpcm.h"

#include "platform/units.h"
#include "run/analysis_run.h"
#include "support/console_capture.h"
#include "support/example_data.h"
#include "support/fresh_run.h"
#include "support/temp_dir.h"

namespace qv::testing_support {

class ExampleRun : public FreshRun {
 protected:
  void TearDown() override {
    closeAllUnits();
    FreshRun::TearDown();
  }

  // The analysis of the image: the exit status of a stop, -1 when it ran to its end.
  int runImage(const std::string& image) {
    std::ofstream("SALMDAT", std::ios::binary) << image;
    ConsoleCapture console;
    return stopStatus([] { runAnalysis(RunMode::kUnattended); });
  }

  TempDir dir;
};

// An image edited as the data set it holds.
inline std::string edited(std::string image, const std::function<void(Tpcm&)>& edit) {
  const auto t = std::make_unique<Tpcm>();
  const std::size_t bytes = std::min(image.size(), sizeof(Tpcm));
  std::memcpy(static_cast<void*>(t.get()), image.data(), bytes);
  edit(*t);
  std::memcpy(image.data(), static_cast<const void*>(t.get()), bytes);
  return image;
}

}  // namespace qv::testing_support
