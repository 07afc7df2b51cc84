// The committed example data sets (examples/<name>/SALMDAT) as the tests start from them, and images
// with one word changed, as a user would change it on a page. For the test executables that are
// given the examples' folder (QV_EXAMPLES_DIR).
#pragma once

#include <cstddef>
#include <cstring>
#include <filesystem>
#include <string>

#include "support/temp_dir.h"

namespace qv::testing_support {

// The image of examples/<name>/SALMDAT.
inline std::string example(const std::string& name) {
  return readFileText(std::filesystem::path(QV_EXAMPLES_DIR) / name / "SALMDAT");
}

// An image with one 4-byte word changed: the member at byte `offset` of TPCM.
template <typename T>
std::string withWord(std::string image, std::size_t offset, T value) {
  static_assert(sizeof(T) == 4, "a data-set word is 4 bytes");
  std::memcpy(image.data() + offset, &value, 4);
  return image;
}

}  // namespace qv::testing_support
