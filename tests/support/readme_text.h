// The README as a reader reads it: each line break and the indentation after it read as one blank,
// so that a wrapped sentence is found whole; blanks within a line are kept. For the tests that hold
// the README's words against the program (QV_SOURCE_DIR).
#pragma once

#include <cstddef>
#include <filesystem>
#include <fstream>
#include <string>

namespace qv::testing_support {

inline std::string readmeText() {
  std::ifstream in(std::filesystem::path(QV_SOURCE_DIR) / "README.md");
  std::string text;
  for (std::string line; std::getline(in, line);) {
    const std::size_t first = line.find_first_not_of(' ');
    text += (first == std::string::npos ? std::string() : line.substr(first)) + " ";
  }
  return text;
}

}  // namespace qv::testing_support
