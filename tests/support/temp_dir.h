// A fresh temporary folder, removed with everything in it at the end. By default it becomes the
// current folder for the life of the object, since the program keeps all its files in the current
// folder under fixed names; a folder for a child process stays outside.
#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

#include <unistd.h>

namespace qv::testing_support {

class TempDir {
 public:
  enum class Mode { kEnter, kStayOutside };

  explicit TempDir(Mode mode = Mode::kEnter) {
    std::string pattern = (std::filesystem::temp_directory_path() / "qvtest-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
    if (mode == Mode::kEnter) {
      previous_ = std::filesystem::current_path();
      std::filesystem::current_path(path_);
    }
  }
  ~TempDir() {
    if (!previous_.empty()) std::filesystem::current_path(previous_);
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
  std::filesystem::path previous_;  // empty when the folder was not entered
};

inline std::vector<char> readFileBytes(const std::filesystem::path& name) {
  std::ifstream in(name, std::ios::binary);
  return std::vector<char>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void writeFileBytes(const std::filesystem::path& name, const void* data, std::size_t bytes) {
  std::ofstream out(name, std::ios::binary | std::ios::trunc);
  out.write(static_cast<const char*>(data), static_cast<std::streamsize>(bytes));
}

inline std::string readFileText(const std::filesystem::path& name) {
  const std::vector<char> b = readFileBytes(name);
  return std::string(b.begin(), b.end());
}

inline void writeFileText(const std::string& name, const std::string& text) {
  writeFileBytes(name, text.data(), text.size());
}

}  // namespace qv::testing_support
