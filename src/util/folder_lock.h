// The hold of a folder by an analysis run, and the editor's hold while it writes there. The
// hold is a lock on the folder itself, which the system releases when the process that took it ends
// in any way, so that a run killed, or paused at a question and then ended, blocks nothing after it.
#pragma once

#include <string_view>

namespace qv {

enum class FolderHold {
  kRun,   // exclusive: one analysis at a time holds a folder, and no save goes in meanwhile
  kSave,  // shared, while the editor writes into the folder (a save; an execution from its first file
          // to the start of its runner): refused while a run holds the folder; the editor's holds do
          // not refuse each other
};

// Takes the hold of `kind` on `folder` ("" the current folder) at once or not at all: it never
// waits. Released when the object ends. A file system without locks takes no hold and refuses
// nothing, as before there were any.
class FolderLock {
 public:
  FolderLock(std::string_view folder, FolderHold kind);
  ~FolderLock();
  FolderLock(const FolderLock&) = delete;
  FolderLock& operator=(const FolderLock&) = delete;

  // Another process holds the folder in a way that excludes this hold: an analysis runs there (or
  // waits at a question), or, for a run, a save is under way.
  bool refused() const { return refused_; }

 private:
  int folder_ = -1;  // the open folder that carries the lock; -1 when none is held
  bool refused_ = false;
};

}  // namespace qv
