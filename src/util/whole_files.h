// The text files the editor writes for the user while a session goes on (the page listing
// "SALMIN.stxt", the wave report "WAVEOUT.stxt", the messages of a silent execution
// "Diagnostics.stxt") reach the folder whole or not at all. Such a file is written in memory on its
// unit, and its close puts it in place as a save puts the data set (util/safe_save.h): the old file
// is replaced only once the new one is on disk whole. A folder that does not take it (a folder of
// that name in its place, a file or folder that may not be written, a full disk) is reported,
// naming the file and the system's reason, and keeps what it had; the session goes on, its edits
// kept. A unit closed any other way (a stop) drops its file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace qv {

// Connects IUNIT to an empty file FNAME (its declared width: trailing blanks are not part of the
// name, but of the messages) held in memory. When the folder cannot take a file of that name
// (freshFileRefused), nothing is connected: the access-error message naming CALLER and the file,
// the reason and `outcome` on ISCRN, one reply from IIN (reportWriteFailure), and false.
bool openWholeFile(std::string_view FNAME, std::int32_t IUNIT, std::string_view CALLER, std::int32_t ISCRN,
                   std::int32_t IIN, std::span<const std::string> outcome);

// True while IUNIT writes a file opened by openWholeFile.
bool writesWholeFile(std::int32_t IUNIT);

// What IUNIT has written so far, for a caller that puts it in place together with other files
// (util/safe_save.h); the unit stays connected.
std::vector<std::byte> wholeFileBytes(std::int32_t IUNIT);

// Puts the file of IUNIT in place and closes the unit. When the folder does not take it, the old
// file stays and the failure is reported as at the open: false. A unit that writes in the folder
// itself is only closed.
bool closeWholeFile(std::int32_t IUNIT, std::string_view CALLER, std::int32_t ISCRN, std::int32_t IIN,
                    std::span<const std::string> outcome);

// What a file of the last page that the folder does not take leaves behind, for the lines after
// the file's name and the system's reason: `what` (what became of the file, and of what was to
// follow it), then that the edits are kept and what to do.
std::vector<std::string> fileNotWrittenOutcome(std::string_view what);

// The refusal of an execution whose first file the folder does not take, in one wording wherever it
// is met: as the end-of-session menu opens the listing before it or the messages of a silent
// execution (editor/fintop, editor/final_page), or as those messages go to the folder with a save
// that holds nothing else (dataset/finish).
std::vector<std::string> executionNotStartedOutcome();

}  // namespace qv
