// The reviewed expected files of the tests, tests/<folder>/expected/<name>. They are found from the
// source folder that the build defines for every test executable (QV_SOURCE_DIR, absolute), never
// from the path the compiler was given for the test file: a compiler run on a relative path (ccache
// with a base folder does that) leaves __FILE__ relative to a folder the tests do not run in.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <string_view>

#include "support/temp_dir.h"

namespace qv::testing_support {

// The text of tests/<folder>/expected/<name>, e.g. expectedFile("hull/ship", "SHIPSUM_english.stxt").
// A file that is missing or empty fails the test that reads it, naming the path looked at.
inline std::string expectedFile(std::string_view folder, std::string_view name) {
  const std::filesystem::path path = std::filesystem::path(QV_SOURCE_DIR) / "tests" / folder / "expected" / name;
  std::string text = readFileText(path);
  if (text.empty()) ADD_FAILURE() << "no expected file " << path.string();
  return text;
}

}  // namespace qv::testing_support
