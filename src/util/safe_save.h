// Saving a set of files so that a failure changes none of them. Each file is first written whole
// into a temporary file beside it, flushed and synced; only when every one of them is on disk are
// they renamed into place, in the order they were added (oldest generation first), so that at every
// instant each name holds a complete file. The files that were replaced are kept under a second
// name until the last rename succeeded, so a failing rename puts them back. A failure anywhere
// leaves the folder as it was and says which file failed and why.
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
  void rollBack();
  void removeLeftovers();

  std::vector<File> files_;
  SaveFailure failure_;
};

// The words of an image as the bytes of a file.
std::vector<std::byte> imageBytes(const std::int32_t* words, std::int32_t count);

// One old generation of a data file, to be written on under another name.
struct Generation {
  bool missing = false;          // no file of that name
  std::vector<std::byte> bytes;  // its words as the image reader reads them; a file too short to be
                                 // read as an image is taken byte for byte
  std::string failure;           // why it cannot be read (a folder, no permission); empty when fine
};
Generation readGeneration(std::string_view field, std::int32_t ICOMP);

// A failed save: the access-error message naming the file, the system's reason, what became of the
// files, then the stop.
[[noreturn]] void stopFailedSave(const SaveFailure& failure, std::string_view caller, std::int32_t screen);

}  // namespace qv
