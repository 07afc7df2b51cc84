// The folder of one analysis run. One run at a time holds it, and it receives the run's files only
// when the run ends: every report, plot table and file passed between the stages ("YOKEMOT",
// "MOMDAT") is held in memory (util/staged_files.h) and written at the end together with the
// messages file, each to a temporary file and then renamed (util/safe_save.h). So the folder holds
// either every file of the new run, complete, or the files of the earlier run as they were; a run
// that stops keeps only its messages in "Diagnostics.stxt", and a run killed at any point leaves the
// earlier files (a save killed among its renames is finished by the next load).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "util/folder_lock.h"

namespace qv {

// The name the runner's file messages give as their caller.
inline constexpr std::string_view kRunnerName = "quorvel-run";

// Holds the current folder for one run, from its construction to its end:
//   - the run's hold on the folder (util/folder_lock.h), which the system releases when the process
//     ends in any way, so that a run killed or paused blocks nothing after it: a run that finds the
//     folder held (by a run, or by the editor while it saves or prepares an execution) stops at
//     once, with status 1, saying that another analysis is running there, and changes nothing; the
//     editor neither saves nor executes in a folder a run holds;
//   - for a run with a messages file (`messagesFile`), a first check that the folder takes it: a
//     folder or a file that cannot be written stops the run at once, naming the file and the
//     system's reason, before anything is computed;
//   - the run's files held in memory until keepAll or keepMessagesOnly.
class RunFolder {
 public:
  explicit RunFolder(bool messagesFile);
  ~RunFolder();  // the lock released, any file not kept dropped
  RunFolder(const RunFolder&) = delete;
  RunFolder& operator=(const RunFolder&) = delete;

  // Every file of the run into the folder at once. A failure (a full disk) stops the run through the
  // fatal path, naming the file and the system's reason, with the folder's files as they were.
  void keepAll();
  // After a stop: the messages file alone (none in an interactive run), the other files dropped.
  // Where even that cannot be written, the earlier one stays; the lines returned say so (none when
  // it was written or there was none).
  std::vector<std::string> keepMessagesOnly();

 private:
  FolderLock hold_;
};

// A folder without the data file: the run stops before anything, saying that there is no data set
// here and how to make one, and leaves the folder as it was.
void requireDataFile();

}  // namespace qv
