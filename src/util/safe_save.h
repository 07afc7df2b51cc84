// Saving a set of files so that a failure changes none of them. Each file is first written whole
// into a temporary file beside it, flushed and synced; only when every one of them is on disk are
// they renamed into place, in the order they were added (oldest generation first), so that at every
// instant each name holds a complete file. The files that were replaced are kept under a second
// name until the last rename succeeded, so a failing rename puts them back. A failure anywhere
// leaves the folder as it was and says which file failed and why.
//
// A process killed between two renames cannot finish its own save, so before the renames a journal
// (".qvjournal-<process>-<n>", hidden beside the first file) lists every temporary file with the
// name it goes to. finishInterruptedSaves(), called by the next load and the next save, completes
// such a save from its journal (the files of one save go in together), completes the undo of one
// whose undo was interrupted, and removes the temporary files and second names of a save killed
// before its renames, which changed nothing. A folder whose file system cannot rename (or a kill of
// the next load too) can still leave a new file beside an old one until a later load finishes it;
// each name always holds one whole generation.
//
// Whether a file may be written under a name is one rule, held here for every file the programs
// write: the name may be free, or held by a regular file that may be written; a folder, what is no
// regular file (a device, a pipe) and a write-protected file refuse it, with the system's reason.
// A save judges each of its files by it before it writes any (SafeSave::commit: the data set and
// its generations, the editor's text files, the runner's reports), and so does a file before it is
// begun (freshFileRefused: the editor's listing, wave report and messages, util/whole_files; the
// runner's messages, run/run_folder).
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace qv {

// Why a save failed.
struct SaveFailure {
  std::string file;     // the name as the caller gave it (its declared width, trailing blanks included)
  std::string reason;   // the system's reason ("No space left on device")
  bool changed = false; // some of the files could not be put back as they were
};

class SafeSave {
 public:
  SafeSave() = default;
  ~SafeSave();  // removes any temporary file left behind
  SafeSave(const SafeSave&) = delete;
  SafeSave& operator=(const SafeSave&) = delete;

  // Adds one file of the save: `field` names it (trailing blanks are not part of the name), `bytes`
  // are its whole new contents. Nothing is written before commit().
  void add(std::string_view field, std::vector<std::byte> bytes);
  bool empty() const { return files_.empty(); }
  // Refuses the whole save before anything is written: commit() returns false with `why`. For a
  // caller that finds, while adding, that an old generation cannot be moved on.
  void refuse(SaveFailure why);

  // Puts every file added in place. False when anything failed: failure() says what, and the folder
  // is as it was (unless failure().changed). A name held by a folder, or by a file that may not be
  // written, stops the save before anything is written. A file-size limit makes the write fail
  // instead of ending the process.
  bool commit();
  const SaveFailure& failure() const { return failure_; }

 private:
  struct File {
    std::string field;    // as given, for messages
    std::string target;   // the path written (a symbolic link is followed to the file it names)
    std::vector<std::byte> bytes;
    std::string temporary;  // the new contents, until renamed into place
    std::string kept;       // a second name of the old file, until the save is done
    bool existed = false;
    bool placed = false;
  };
  bool fail(const File& file, std::string reason);
  bool checkTarget(File& file);
  bool writeTemporary(File& file);
  bool writeJournal();
  void markJournalUndo();
  void removeJournal();
  void rollBack();
  void removeLeftovers();

  std::vector<File> files_;
  std::string journal_;  // the journal of the renames under way
  SaveFailure failure_;
  bool refused_ = false;
};

// Finishes what saves killed in `folder` ("" the current folder) left behind: a save with its
// whole journal is completed (or its undo, where the undo had begun), then its temporary files,
// second names and journal go; a save without one changed no file, and its leftovers go. Saves of
// processes that still run are left alone. Never fails: what cannot be done stays for a later call.
void finishInterruptedSaves(std::string_view folder);

// The words of an image as the bytes of a file.
std::vector<std::byte> imageBytes(const std::int32_t* words, std::int32_t count);
// A text as the bytes of a file.
std::vector<std::byte> textBytes(std::string_view text);

// One old generation of a data file, to be written on under another name byte for byte, whatever
// its length or framing.
struct Generation {
  bool missing = false;          // no file of that name
  std::vector<std::byte> bytes;  // the file's bytes as they are
  std::string failure;           // why it cannot be read (a folder, no permission); empty when fine
};
Generation readGeneration(std::string_view field);

// A failed save: the access-error message naming the file, the system's reason, what became of the
// files, then the stop.
[[noreturn]] void stopFailedSave(const SaveFailure& failure, std::string_view caller, std::int32_t screen);
// A failed save that the user can try again: the same message, saying that the edits are kept and
// what to do, then "Press <RETURN> to continue: " and one reply from `inUnit`. Unit 41 writes the
// message to the diagnostics file and waits for nothing.
void reportFailedSave(const SaveFailure& failure, std::string_view caller, std::int32_t screen, std::int32_t inUnit);
// A file that could not be written, for a caller that goes on: the access-error message naming
// the file, the system's reason, then the lines of `outcome` (what became of the files, what to
// do), then the wait as reportFailedSave's.
void reportWriteFailure(const SaveFailure& failure, std::string_view caller, std::int32_t screen, std::int32_t inUnit,
                        std::span<const std::string> outcome);

// Why a fresh file of the name `field` stands for cannot be written here, or "": the name is
// refused by the rule above (as a save's commit would refuse it), or its folder takes no new file (a
// temporary file of a save is made there and removed at once). Found before anything is written; a
// full disk shows only when the file is written.
std::string freshFileRefused(std::string_view field);

}  // namespace qv
