// The one file policy of the program: files in the current folder under the name given, sequential,
// formatted text or unformatted words, either an existing file or a fresh one, always positioned at
// their start. A failing open or close is fatal.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace qv {

inline constexpr int kFormatted = 1;
inline constexpr int kUnformatted = 0;
inline constexpr int kMustExist = 1;  // ISTAT: the file must exist
inline constexpr int kFresh = 0;      // ISTAT: any old file is deleted and an empty one made

// While a run holds its files in memory (util/staged_files.h), a fresh file is made there, and a file
// that must exist is read from there when the run made it, else from the folder.
// FNAME and CALLER keep their declared widths (trailing blanks are part of the messages); the file
// itself is named without them. IDRIVE and ICOMP are accepted and not used.
void RHOPEN(std::string_view FNAME, std::int32_t IFORM, std::int32_t ISTAT, std::int32_t IDRIVE,
            std::int32_t IUNIT, std::string_view CALLER, std::int32_t ISCRN, std::int32_t ICOMP);
void HCLOSE(std::int32_t IUNIT, std::string_view FNAME, std::string_view CALLER, std::int32_t ISCRN);
[[noreturn]] void ACERR(std::string_view CALLER, std::string_view FNAME, std::int32_t ISCRN);
// The lines of ACERR's message before its wait: an empty line, the access error naming CALLER, the
// file name, a line of one blank. For a caller that reports a file error and goes on.
std::vector<std::string> accessErrorLines(std::string_view CALLER, std::string_view FNAME);
// The same message followed by lines that say more (why, what became of the files, what to do),
// before the wait.
[[noreturn]] void ACERR(std::string_view CALLER, std::string_view FNAME, std::int32_t ISCRN,
                        std::span<const std::string> explanation);
// The same with two such lines: the system's reason and what became of the files.
[[noreturn]] void ACERR(std::string_view CALLER, std::string_view FNAME, std::int32_t ISCRN, std::string_view reason,
                        std::string_view outcome);
[[noreturn]] void FILERR(std::string_view FNAME, std::string_view CALLER, std::int32_t ISCRN, std::int32_t IIN);
// The same message followed by lines that say what the file lacks, before the wait.
[[noreturn]] void FILERR(std::string_view FNAME, std::string_view CALLER, std::int32_t ISCRN, std::int32_t IIN,
                         std::span<const std::string> explanation);

// The file name a text field stands for: the field without its trailing blanks.
std::string_view fileNameOf(std::string_view field);

}  // namespace qv
