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

}  // namespace qv
