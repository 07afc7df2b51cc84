// Folders as a user meets a failing disk: a folder mounted read-only, or a small file system that is
// full. The mounts are made in a mount namespace of the test process's own, which the programs it
// starts inherit: nothing outside the test sees them, and they go with the process. Where the
// system does not allow a namespace of one's own (no privilege for it), privateMountsAvailable() is
// false and a test takes another road to the same failure.
#pragma once

#include <sched.h>
#include <sys/mount.h>

#include <cerrno>
#include <filesystem>
#include <string>

namespace qv::testing_support {

// Enters the process's own mount namespace, once; whether that could be done.
inline bool privateMountsAvailable() {
  static const bool available = [] {
    if (::unshare(CLONE_NEWNS) != 0) return false;
    // Mounts made here must not propagate back to the system's namespace.
    return ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
  }();
  return available;
}

// A mount over a folder, undone at the end of the object's life (before the folder is removed).
class FolderMount {
 public:
  FolderMount() = default;
  FolderMount(const FolderMount&) = delete;
  FolderMount& operator=(const FolderMount&) = delete;
  ~FolderMount() {
    if (!path_.empty()) ::umount2(path_.c_str(), MNT_DETACH);
  }

  // The folder, bound onto itself read-only: its files stay readable, nothing can be written.
  bool readOnly(const std::filesystem::path& folder) {
    if (!privateMountsAvailable()) return false;
    if (::mount(folder.c_str(), folder.c_str(), nullptr, MS_BIND, nullptr) != 0) return false;
    path_ = folder.string();
    return ::mount(nullptr, folder.c_str(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) == 0;
  }

  // An empty file system of `size` ("100k") over the folder, which hides what it held.
  bool small(const std::filesystem::path& folder, const std::string& size) {
    if (!privateMountsAvailable()) return false;
    const std::string options = "size=" + size;
    if (::mount("tmpfs", folder.c_str(), "tmpfs", 0, options.c_str()) != 0) return false;
    path_ = folder.string();
    return true;
  }

 private:
  std::string path_;
};

}  // namespace qv::testing_support
