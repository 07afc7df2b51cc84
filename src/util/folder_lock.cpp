#include "util/folder_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <string>

namespace qv {

FolderLock::FolderLock(std::string_view folder, FolderHold kind) {
  const std::string path = folder.empty() ? std::string(".") : std::string(folder);
  // Not inherited: a program this process starts (the runner of an execution) must not hold it.
  folder_ = ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folder_ < 0) return;
  const int operation = (kind == FolderHold::kRun ? LOCK_EX : LOCK_SH) | LOCK_NB;
  if (::flock(folder_, operation) == 0) return;
  refused_ = errno == EWOULDBLOCK;
  ::close(folder_);
  folder_ = -1;
}

FolderLock::~FolderLock() {
  if (folder_ >= 0) ::close(folder_);  // closing the folder releases the lock
}

}  // namespace qv
