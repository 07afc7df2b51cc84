#include "util/safe_save.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

#include "platform/units.h"
#include "util/diskio.h"
#include "util/files.h"

namespace qv {

namespace {

namespace fs = std::filesystem;

std::string systemReason(int error) { return std::strerror(error); }

// While files are written, a file-size limit makes the write fail with its reason instead of
// ending the process with a signal.
class FileSizeSignalIgnored {
 public:
  FileSizeSignalIgnored() {
    struct sigaction ignore = {};
    ignore.sa_handler = SIG_IGN;
    sigemptyset(&ignore.sa_mask);
    sigaction(SIGXFSZ, &ignore, &previous_);
  }
  ~FileSizeSignalIgnored() { sigaction(SIGXFSZ, &previous_, nullptr); }
  FileSizeSignalIgnored(const FileSizeSignalIgnored&) = delete;
  FileSizeSignalIgnored& operator=(const FileSizeSignalIgnored&) = delete;

 private:
  struct sigaction previous_ = {};
};

// A name beside `target` that no other file has: ".SALMDAT.qvsave-<process>-<n>". Hidden, so that a
// run killed in the middle leaves nothing that looks like a data file.
std::string besideName(const std::string& target, std::string_view kind, int n) {
  const fs::path path(target);
  const std::string name = "." + path.filename().string() + ".qv" + std::string(kind) + "-" +
                           std::to_string(getpid()) + "-" + std::to_string(n);
  return (path.parent_path() / name).string();
}

// The file a name stands for: a symbolic link is followed, so the save replaces the file it names
// and the link stays.
std::string resolvedTarget(const std::string& name) {
  std::error_code ec;
  if (!fs::is_symlink(fs::symlink_status(name, ec))) return name;
  const fs::path resolved = fs::weakly_canonical(name, ec);
  return ec ? name : resolved.string();
}

bool writeAll(int fd, const std::vector<std::byte>& bytes) {
  const std::byte* at = bytes.data();
  std::size_t left = bytes.size();
  while (left > 0) {
    const ssize_t written = ::write(fd, at, left);
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    if (written == 0) {
      errno = ENOSPC;
      return false;
    }
    at += written;
    left -= static_cast<std::size_t>(written);
  }
  return true;
}

// Makes the renames durable; a folder that cannot be synced still holds the new names.
void syncFolder(const fs::path& folder) {
  const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  (void)::fsync(fd);
  ::close(fd);
}

}  // namespace

SafeSave::~SafeSave() { removeLeftovers(); }

void SafeSave::add(std::string_view field, std::vector<std::byte> bytes) {
  File file;
  file.field = std::string(field);
  file.target = std::string(fileNameOf(field));
  file.bytes = std::move(bytes);
  files_.push_back(std::move(file));
}

bool SafeSave::fail(const File& file, std::string reason) {
  failure_.file = file.field;
  failure_.reason = std::move(reason);
  return false;
}

bool SafeSave::checkTarget(File& file) {
  file.target = resolvedTarget(file.target);
  struct stat st = {};
  if (::stat(file.target.c_str(), &st) != 0) {
    if (errno == ENOENT) return true;
    return fail(file, systemReason(errno));
  }
  if (S_ISDIR(st.st_mode)) return fail(file, systemReason(EISDIR));
  if (!S_ISREG(st.st_mode)) return fail(file, "Not a regular file");
  // A write-protected file is not replaced behind its protection.
  if (::access(file.target.c_str(), W_OK) != 0) return fail(file, systemReason(errno));
  file.existed = true;
  return true;
}

bool SafeSave::writeTemporary(File& file) {
  int fd = -1;
  for (int n = 0; fd < 0; ++n) {
    const std::string name = besideName(file.target, "save", n);
    fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0) {
      file.temporary = name;
    } else if (errno != EEXIST || n >= 100) {
      return fail(file, systemReason(errno));
    }
  }
  struct stat old = {};
  if (file.existed && ::stat(file.target.c_str(), &old) == 0) (void)::fchmod(fd, old.st_mode & 07777);
  bool ok = writeAll(fd, file.bytes) && ::fsync(fd) == 0;
  int error = errno;
  if (::close(fd) != 0 && ok) {
    ok = false;
    error = errno;
  }
  return ok ? true : fail(file, systemReason(error));
}

bool SafeSave::commit() {
  failure_ = SaveFailure{};
  FileSizeSignalIgnored sizeLimitFails;
  for (File& file : files_)
    if (!checkTarget(file)) return false;
  for (File& file : files_) {
    if (!writeTemporary(file)) {
      removeLeftovers();
      return false;
    }
  }
  // A second name for each old file, so that a failing rename can put it back. Where the file
  // system has no such names the save goes on without them.
  for (File& file : files_) {
    if (!file.existed) continue;
    for (int n = 0; n < 100; ++n) {
      const std::string name = besideName(file.target, "keep", n);
      if (::link(file.target.c_str(), name.c_str()) == 0) {
        file.kept = name;
        break;
      }
      if (errno != EEXIST) break;
    }
  }
  for (File& file : files_) {
    if (::rename(file.temporary.c_str(), file.target.c_str()) != 0) {
      fail(file, systemReason(errno));
      rollBack();
      removeLeftovers();
      return false;
    }
    file.temporary.clear();
    file.placed = true;
  }
  removeLeftovers();
  std::set<fs::path> folders;
  for (const File& file : files_) folders.insert(fs::path(file.target).parent_path());
  for (const fs::path& folder : folders) syncFolder(folder);
  files_.clear();
  return true;
}

void SafeSave::rollBack() {
  for (auto it = files_.rbegin(); it != files_.rend(); ++it) {
    File& file = *it;
    if (!file.placed) continue;
    const bool restored = file.existed ? !file.kept.empty() && ::rename(file.kept.c_str(), file.target.c_str()) == 0
                                       : ::unlink(file.target.c_str()) == 0;
    if (restored) {
      file.kept.clear();
      file.placed = false;
    } else {
      failure_.changed = true;
      file.kept.clear();  // the only copy left of the old file: never removed
    }
  }
}

void SafeSave::removeLeftovers() {
  for (File& file : files_) {
    if (!file.temporary.empty()) ::unlink(file.temporary.c_str());
    if (!file.kept.empty()) ::unlink(file.kept.c_str());
    file.temporary.clear();
    file.kept.clear();
  }
}

std::vector<std::byte> imageBytes(const std::int32_t* words, std::int32_t count) {
  const auto* first = reinterpret_cast<const std::byte*>(words);
  return std::vector<std::byte>(first, first + 4 * static_cast<std::size_t>(std::max(0, count)));
}

Generation readGeneration(std::string_view field, std::int32_t ICOMP) {
  Generation g;
  const std::string name(fileNameOf(field));
  struct stat st = {};
  if (::stat(name.c_str(), &st) != 0) {
    if (errno == ENOENT) {
      g.missing = true;
    } else {
      g.failure = systemReason(errno);
    }
    return g;
  }
  if (S_ISDIR(st.st_mode)) {
    g.failure = systemReason(EISDIR);
    return g;
  }
  if (!S_ISREG(st.st_mode)) {
    g.failure = "Not a regular file";
    return g;
  }
  if (::access(name.c_str(), R_OK) != 0) {
    g.failure = systemReason(errno);
    return g;
  }
  std::vector<std::int32_t> words(kDiskioBufferWords, 0);
  std::int32_t count = kDiskioBufferWords;
  std::int32_t status = 0;
  DISKIO(kDiskRead, count, field, kImageUnit, status, words.data(), ICOMP);
  if (status == kDiskMissing) {
    g.missing = true;
  } else if (status != 0 && count == kDiskioBufferWords) {
    // Too short to be read as an image (fewer than two words): still a generation, kept as it is.
    std::ifstream in(name, std::ios::binary);
    const std::string raw((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    g.bytes.resize(raw.size());
    std::transform(raw.begin(), raw.end(), g.bytes.begin(), [](char c) { return static_cast<std::byte>(c); });
  } else {
    g.bytes = imageBytes(words.data(), std::min(count, kDiskioBufferWords));
  }
  return g;
}

void stopFailedSave(const SaveFailure& failure, std::string_view caller, std::int32_t screen) {
  ACERR(caller, failure.file, screen, "     Reason: " + failure.reason,
        failure.changed ? "     Not every file could be put back as it was; each holds a whole generation."
                        : "     The data files are unchanged; the edits were not saved.");
}

}  // namespace qv
