#include "util/files.h"

#include <unistd.h>

#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "platform/stop.h"
#include "platform/units.h"
#include "util/console_io.h"
#include "util/fatal.h"
#include "util/staged_files.h"

namespace qv {

std::string_view fileNameOf(std::string_view field) {
  while (!field.empty() && (field.back() == ' ' || field.back() == '\0')) field.remove_suffix(1);
  return field;
}

void RHOPEN(std::string_view FNAME, std::int32_t /*IFORM*/, std::int32_t ISTAT, std::int32_t /*IDRIVE*/,
            std::int32_t IUNIT, std::string_view CALLER, std::int32_t ISCRN, std::int32_t /*ICOMP*/) {
  // Text and word files are both kept as bytes: the records are written exactly as given.
  const std::string name(fileNameOf(FNAME));
  closeUnit(IUNIT);  // a unit still connected is closed first
  if (stagingFiles()) {  // a run's files go to the folder only at its end
    std::unique_ptr<std::iostream> held = ISTAT == kMustExist ? reopenStaged(name) : stageFile(name);
    if (held) {
      held->seekg(0);
      held->seekp(0);
      connectUnit(IUNIT, std::move(held), name);
      return;
    }
  }
  auto stream = std::make_unique<std::fstream>();
  if (ISTAT == kMustExist) {
    stream->open(name, std::ios::in | std::ios::out | std::ios::binary);
    if (!stream->is_open()) stream->open(name, std::ios::in | std::ios::binary);  // read-only file
    if (!stream->is_open()) ACERR(CALLER, FNAME, ISCRN);
  } else {
    // An old file goes, a folder of that name stays: the open then fails on it.
    ::unlink(name.c_str());
    stream->open(name, std::ios::in | std::ios::out | std::ios::trunc | std::ios::binary);
    if (!stream->is_open()) ACERR(CALLER, FNAME, ISCRN);
  }
  stream->seekg(0);
  stream->seekp(0);
  connectUnit(IUNIT, std::move(stream), name);
}

void HCLOSE(std::int32_t IUNIT, std::string_view FNAME, std::string_view CALLER, std::int32_t ISCRN) {
  if (!closeUnit(IUNIT)) ACERR(CALLER, FNAME, ISCRN);
}

std::vector<std::string> accessErrorLines(std::string_view CALLER, std::string_view FNAME) {
  return {"", " ++> File not found or file access error in " + std::string(CALLER),
          "     File name: " + std::string(FNAME), " "};
}

void ACERR(std::string_view CALLER, std::string_view FNAME, std::int32_t ISCRN) {
  fatalStop(CALLER, ISCRN, accessErrorLines(CALLER, FNAME), FatalWait::kPromptLine);
}

void ACERR(std::string_view CALLER, std::string_view FNAME, std::int32_t ISCRN,
           std::span<const std::string> explanation) {
  std::vector<std::string> lines = accessErrorLines(CALLER, FNAME);
  lines.insert(lines.end(), explanation.begin(), explanation.end());
  lines.emplace_back(" ");
  fatalStop(CALLER, ISCRN, lines, FatalWait::kPromptLine);
}

void ACERR(std::string_view CALLER, std::string_view FNAME, std::int32_t ISCRN, std::string_view reason,
           std::string_view outcome) {
  const std::string explanation[] = {std::string(reason), std::string(outcome)};
  ACERR(CALLER, FNAME, ISCRN, explanation);
}

void FILERR(std::string_view FNAME, std::string_view CALLER, std::int32_t ISCRN, std::int32_t IIN) {
  FILERR(FNAME, CALLER, ISCRN, IIN, {});
}

void FILERR(std::string_view FNAME, std::string_view CALLER, std::int32_t ISCRN, std::int32_t IIN,
            std::span<const std::string> explanation) {
  std::vector<std::string> lines{"", " ++> End of file or related file error in routine " + std::string(CALLER),
                                 "     file name " + std::string(FNAME)};
  lines.insert(lines.end(), explanation.begin(), explanation.end());
  fatalStop(CALLER, ISCRN, lines, FatalWait::kPressReturn, IIN);
}

}  // namespace qv
