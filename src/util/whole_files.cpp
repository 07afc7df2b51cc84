#include "util/whole_files.h"

#include <memory>
#include <sstream>
#include <utility>

#include "platform/units.h"
#include "util/files.h"
#include "util/safe_save.h"

namespace qv {

namespace {

// The unit's stream: the file's text in memory, with the name as the caller declared it, for the
// messages.
class WholeFileStream : public std::stringstream {
 public:
  explicit WholeFileStream(std::string field) : field_(std::move(field)) {}
  const std::string& field() const { return field_; }

 private:
  std::string field_;
};

WholeFileStream* wholeFileOf(std::int32_t unit) {
  return unitConnected(unit) ? dynamic_cast<WholeFileStream*>(unitOut(unit)) : nullptr;
}

}  // namespace

bool openWholeFile(std::string_view FNAME, std::int32_t IUNIT, std::string_view CALLER, std::int32_t ISCRN,
                   std::int32_t IIN, std::span<const std::string> outcome) {
  closeUnit(IUNIT);  // a unit still connected is closed first
  if (const std::string reason = freshFileRefused(FNAME); !reason.empty()) {
    reportWriteFailure(SaveFailure{std::string(FNAME), reason}, CALLER, ISCRN, IIN, outcome);
    return false;
  }
  connectUnit(IUNIT, std::make_unique<WholeFileStream>(std::string(FNAME)), std::string(fileNameOf(FNAME)));
  return true;
}

bool writesWholeFile(std::int32_t IUNIT) { return wholeFileOf(IUNIT) != nullptr; }

std::vector<std::byte> wholeFileBytes(std::int32_t IUNIT) {
  const WholeFileStream* file = wholeFileOf(IUNIT);
  return file == nullptr ? std::vector<std::byte>{} : textBytes(file->str());
}

bool closeWholeFile(std::int32_t IUNIT, std::string_view CALLER, std::int32_t ISCRN, std::int32_t IIN,
                    std::span<const std::string> outcome) {
  const WholeFileStream* file = wholeFileOf(IUNIT);
  if (file == nullptr) {  // a file written in the folder itself, or none
    closeUnit(IUNIT);
    return true;
  }
  SafeSave save;
  save.add(file->field(), textBytes(file->str()));
  closeUnit(IUNIT);
  if (save.commit()) return true;
  reportWriteFailure(save.failure(), CALLER, ISCRN, IIN, outcome);
  return false;
}

std::vector<std::string> fileNotWrittenOutcome(std::string_view what) {
  return {"     " + std::string(what),
          "     The edits are kept, not yet saved: free some space, or make the folder and",
          "     the file writable (no folder of that name), then choose again; choice 1",
          "     saves the edits."};
}

std::vector<std::string> executionNotStartedOutcome() {
  return fileNotWrittenOutcome("The execution does not start, and no file was written.");
}

}  // namespace qv
