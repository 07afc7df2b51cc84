// What the fuzz targets share: a folder of their own, the split of one input into files and typed
// replies, the run of a routine that may stop, the check that ends the run on a broken invariant
// (libFuzzer then keeps the input), and the invariants of an unattended analysis run's end.
#pragma once

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "platform/stop.h"
#include "platform/units.h"
#include "util/fatal.h"

namespace qv::fuzz {

// Ends the run with the invariant that did not hold.
inline void check(bool holds, const char* invariant) {
  if (holds) return;
  std::fprintf(stderr, "invariant broken: %s\n", invariant);
  std::abort();
}

// A fresh temporary folder becomes the current folder for the rest of the process, so that runs of
// a target side by side never share the program's fixed file names. Called from
// LLVMFuzzerInitialize, before libFuzzer reads its arguments: the corpus folders, input files and
// artifact paths given relative to the folder the run started in are made absolute first.
inline void enterOwnFolder(int* argc, char*** argv) {
  static std::vector<std::string> arguments;
  static std::vector<char*> pointers;
  for (int k = 0; k < *argc; ++k) {
    std::string arg = (*argv)[k];
    for (const char* flag : {"-artifact_prefix=", "-exact_artifact_path=", "-dict="}) {
      const std::string_view f(flag);
      if (arg.rfind(f, 0) == 0 && arg.size() > f.size() && arg[f.size()] != '/')
        arg = std::string(f) + std::filesystem::absolute(arg.substr(f.size())).string();
    }
    if (k > 0 && !arg.empty() && arg[0] != '-' && arg[0] != '/') arg = std::filesystem::absolute(arg).string();
    arguments.push_back(arg);
  }
  for (std::string& arg : arguments) pointers.push_back(arg.data());
  pointers.push_back(nullptr);
  *argv = pointers.data();

  std::string pattern = (std::filesystem::temp_directory_path() / "qvfuzz-XXXXXX").string();
  check(mkdtemp(pattern.data()) != nullptr, "a temporary folder can be made");
  std::filesystem::current_path(pattern);
  // The folder goes when the process ends normally; a crash leaves it for inspection.
  static const std::string folder = pattern;
  std::atexit([] {
    std::error_code ec;
    std::filesystem::current_path(std::filesystem::temp_directory_path(), ec);
    std::filesystem::remove_all(folder, ec);
  });
}

// Removes everything the previous input left in the current folder.
inline void clearFolder() {
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator(".", ec)) std::filesystem::remove_all(entry.path(), ec);
}

// One input as files and typed replies: for each file a 2-byte little-endian length (0xFFFF: no such
// file) followed by that many bytes, then the replies. Lengths past the end are cut.
struct Input {
  std::vector<std::optional<std::string>> files;
  std::string replies;
};

inline Input splitInput(const std::uint8_t* data, std::size_t size, int fileCount) {
  Input in;
  std::size_t at = 0;
  for (int f = 0; f < fileCount; ++f) {
    if (size - at < 2) {
      in.files.emplace_back();
      at = size;
      continue;
    }
    const std::size_t length = data[at] | (static_cast<std::size_t>(data[at + 1]) << 8);
    at += 2;
    if (length == 0xFFFF) {
      in.files.emplace_back();
      continue;
    }
    const std::size_t n = std::min(length, size - at);
    in.files.emplace_back(std::string(reinterpret_cast<const char*>(data) + at, n));
    at += n;
  }
  in.replies.assign(reinterpret_cast<const char*>(data) + at, size - at);
  return in;
}

inline void writeFile(const std::string& name, const std::optional<std::string>& bytes) {
  if (!bytes) return;
  std::ofstream out(name, std::ios::binary | std::ios::trunc);
  out.write(bytes->data(), static_cast<std::streamsize>(bytes->size()));
}

// The bytes of a file, or nothing when there is no such file.
inline std::optional<std::string> readFile(const std::string& name) {
  std::ifstream in(name, std::ios::binary);
  if (!in) return std::nullopt;
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Runs `call` with `replies` typed on the console. Returns -1 when it returned, else the status its
// stop carried; every unit is closed afterwards, as the program's main does.
inline int runWithReplies(const std::string& replies, const std::function<void()>& call) {
  std::istringstream in(replies);
  std::ostringstream out;
  setConsole(&in, &out);
  noteSessionSaved(false);
  int status = -1;
  try {
    call();
  } catch (const Stop& stop) {
    status = stop.status;
  }
  closeAllUnits();
  setConsole(nullptr, nullptr);
  return status;
}

inline bool knownStatus(int status) {
  return status == -1 || status == kExitNormal || status == kExitFatal || status == kExitInputEnded;
}

// Whether a text file holds a number field that is no number: "NaN", "Infinity" or "Inf" as a word.
inline bool holdsNonFinite(const std::string& text) {
  for (const char* word : {"NaN", "Inf"}) {
    for (std::size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + 1)) {
      const bool startsWord = at == 0 || text[at - 1] == ' ' || text[at - 1] == '-' || text[at - 1] == '\n';
      if (startsWord) return true;
    }
  }
  return false;
}

// What an unattended analysis run that ended with `status` (as runWithReplies gives it) must have
// kept to, whatever its data: no array indexed past its bounds, status 0 or 1 (it never waits for the
// keyboard), a stop that says why, and no report of the folder holding a value that is no number.
inline void checkUnattendedRunEnd(int status) {
  check(arrayBoundsState.violations == 0, "no array is indexed past its bounds");
  check(status == -1 || status == kExitFatal, "an unattended run ends with status 0 or 1");
  if (status == kExitFatal) {
    const std::string diagnostics = readFile(std::string(kDiagnosticsFile)).value_or("");
    check(!fatalStopState.message.empty() || diagnostics.find(" ++> ") != std::string::npos,
          "a run that stops says why");
  }
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator(".", ec)) {
    const std::string ext = entry.path().extension().string();
    if (ext != ".stxt" && ext != ".plt") continue;
    check(!holdsNonFinite(readFile(entry.path().string()).value_or("")),
          "no report holds a value that is not a number or infinite");
  }
}

}  // namespace qv::fuzz
