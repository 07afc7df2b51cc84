// The committed example data sets as the end-to-end tests start from them, and images with one word
// changed, as a user would change it on a page.
#pragma once

#include <cstddef>
#include <cstring>
#include <filesystem>
#include <string>

#include "support/temp_dir.h"

namespace qv::e2e {

// The committed example of examples/<name>/.
inline std::string example(const std::string& name) {
  return testing_support::readFileText(std::filesystem::path(QV_EXAMPLES_DIR) / name / "SALMDAT");
}

// An image with one 4-byte word changed: the member at byte `offset` of TPCM.
template <typename T>
std::string withWord(std::string image, std::size_t offset, T value) {
  static_assert(sizeof(T) == 4, "a data-set word is 4 bytes");
  std::memcpy(image.data() + offset, &value, 4);
  return image;
}

}  // namespace qv::e2e
