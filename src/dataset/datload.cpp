#include "dataset/datload.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "dataset/tpcm.h"
#include "platform/units.h"
#include "util/console_io.h"
#include "util/dialogue.h"
#include "util/diskio.h"
#include "util/fortran_format.h"
#include "util/list_read.h"
#include "util/packed_flags.h"
#include "util/sim_types.h"

namespace qv {

namespace {

constexpr int kTopcomWords = static_cast<int>(offsetof(Tpcm, TOPCOM_LAST) / 4) + 1;  // words 1 to 1,987
constexpr int kMooringImageWords = static_cast<int>(offsetof(Tpcm, moor.MORCOM_LAST) / 4) + 1;  // 78,635

// Bits of the header comparison.
constexpr int kOtherVersion = 1;   // bit 1
constexpr int kOtherPlatform = 2;  // bit 2
constexpr int kOtherCreator = 3;   // bit 3

// The words of one block of TPCM, first to last.
struct Block {
  int first;
  int last;
  int size() const { return last - first + 1; }
};

Block blockOf(int kind, std::int32_t creator) {
  switch (kind) {
    case 2: return {kStoredWords + 1, kMooringImageWords};
    case 3: return {kTopcomWords + 1, kStoredWords};
    default:  // the vessel-only programs keep only the header section
      return {1, creator == kSimDorvane || isMooringProgram(creator) ? kStoredWords : kTopcomWords};
  }
}

// A member of an image held as words, read by its place in TPCM.
template <class T>
T memberOf(const std::vector<std::int32_t>& image, std::size_t byteOffset) {
  T value;
  std::memcpy(&value, reinterpret_cast<const char*>(image.data()) + byteOffset, sizeof value);
  return value;
}

// The header of the data set being edited, kept through the import.
struct Kept {
  std::int32_t CREATR = TPCM.CREATR;
  std::int32_t ISPM = TPCM.ISPM;
  float VERNO = TPCM.VERNO;
  std::int32_t CMPUTR = TPCM.CMPUTR;
  std::int32_t NTOGO = TPCM.NTOGO;
};

// The typed path: one free-form text value (a quoted one keeps its blanks and slashes). Empty when
// the reply holds none or a path longer than the field.
std::string readPath() {
  std::string line;
  if (!readRecord(kKeyboardUnit, line)) keyboardEnded();
  std::string path;
  (void)listRead(line, {&path});
  if (path.size() > static_cast<std::size_t>(kMaxImportPath)) return "";
  if (path.find_first_not_of(' ') == std::string::npos) return "";
  return path;
}

void message(std::string_view line) {
  writeRecord(kScreenUnit, line);
  PRSRET(kScreenUnit, kKeyboardUnit);
}

bool aborted() {
  std::int32_t answer = 0;
  ABORT0(kScreenUnit, kKeyboardUnit, answer);
  return answer < 0;
}

// The advice after a warning about the file's origin, and the warnings themselves.
void writeAdvice() {
  writeRecord(kScreenUnit, "     bad idea. You are strongly advised to \"Abort\" this operation, save");
  writeRecord(kScreenUnit, "     any data file changes you have made, and update the target file");
  writeRecord(kScreenUnit, "     with the latest version of its application before importing the data.");
}

void versionWarning(float application, float importFile) {
  writeRecord(kScreenUnit, "");
  writeRecord(kScreenUnit, " >>> Importing data files across version number boundaries is a *very*");
  writeAdvice();
  writeRecord(kScreenUnit, "");
  writeRecord(kScreenUnit, "     Application version: " + fmtF(std::fabs(application), 7, 2));
  writeRecord(kScreenUnit, "     Import file version: " + fmtF(std::fabs(importFile), 7, 2));
  writeRecord(kScreenUnit, "");
}

void platformWarning() {
  writeRecord(kScreenUnit, "");
  writeRecord(kScreenUnit, " >>> Importing data files between computer operating systems is a *very*");
  writeAdvice();
}

}  // namespace

void DATLOAD(int KIND) {
  const Kept kept;
  CLEAR(kScreenUnit);
  writeRecord(kScreenUnit, " >>> Input full or relative path to import target in quotes");
  writeRecord(kScreenUnit, "     (e.g. \"C:\\Kestrin\\SHIPDAT\" or \"SHIPDAT\")");
  writeRecord(kScreenUnit, "");
  WRTLIN(">>> Path: ", kScreenUnit);
  const std::string path = readPath();
  if (path.empty()) {
    message(" >>> Invalid Filename!");
    return;
  }

  writeRecord(kScreenUnit, " ");
  const Block block = blockOf(KIND, kept.CREATR);
  const std::int32_t asked = KIND == 1 ? block.last : kMooringImageWords;
  // The buffer starts as a copy of the data set, so that a word the file does not hold compares
  // equal and is never exchanged.
  std::vector<std::int32_t> image(wordsOf(TPCM), wordsOf(TPCM) + kTpcmWords);
  std::int32_t found = asked;
  std::int32_t IERR = 0;
  DISKIO(kDiskRead, found, path, kNotesUnit, IERR, image.data(), kept.CMPUTR);
  if (IERR == kDiskMissing) {
    message(" >>> INPUT file not found!");
    return;
  }
  // A failed read that leaves the count as asked found no words it could use.
  const std::int32_t held = IERR == 0 ? asked : (found == asked ? 0 : std::min(found, asked));
  const Block exchanged{block.first, std::min(block.last, held)};
  if (exchanged.size() <= 0) {
    message(" >>> The import file holds none of this block's words: nothing is imported.");
    return;
  }

  // The imported header as the data set would receive it (with the screen as its dialogue unit),
  // compared with the kept one.
  image[offsetof(Tpcm, EDUNIT) / 4] = kScreenUnit;
  const float importVersion = memberOf<float>(image, offsetof(Tpcm, VERNO));
  std::int32_t flags = 0;
  if (importVersion != kept.VERNO) BITSET(flags, kOtherVersion, 1, kScreenUnit);
  if (memberOf<std::int32_t>(image, offsetof(Tpcm, CMPUTR)) != kept.CMPUTR) BITSET(flags, kOtherPlatform, 1, kScreenUnit);
  if (memberOf<std::int32_t>(image, offsetof(Tpcm, CREATR)) != kept.CREATR) BITSET(flags, kOtherCreator, 1, kScreenUnit);
  // An image of the other floating-point precision: the next load would refuse the data file.
  if (memberOf<std::int32_t>(image, offsetof(Tpcm, DP_FLAG)) == 1) {
    writeRecord(kScreenUnit, " >>> Import refused: the precision specification of the import file");
    message("     and the executable are not the same!");
    return;
  }

  const auto exchange = [&] {
    SWPCOM(exchanged.size(), wordsOf(TPCM) + (exchanged.first - 1), image.data() + (exchanged.first - 1));
  };
  exchange();
  const auto undoneOnAbort = [&] {
    if (!aborted()) return false;
    exchange();
    return true;
  };
  if (BITVAL(flags, kOtherVersion) == 1) {
    versionWarning(kept.VERNO, importVersion);
    if (undoneOnAbort()) return;
  }
  if (BITVAL(flags, kOtherPlatform) == 1) {
    platformWarning();
    if (undoneOnAbort()) return;
  }
  if (IERR == kDiskReadFailed && BITVAL(flags, kOtherCreator) == 0) {
    writeRecord(kScreenUnit, " >>> Suspicious import file size;there may be a problem!");
    if (undoneOnAbort()) return;
  }
  if (exchanged.last < block.last) {
    writeRecord(kScreenUnit, " >>> The import file holds words 1 to " + fmtI(held, 0) + " only; the words of this block after");
    writeRecord(kScreenUnit, "     them are left as they were.");
    if (undoneOnAbort()) return;
  }

  if (block.first > kStoredWords) {  // this program saves only the first kStoredWords words
    exchange();
    message(" >>> Import not kept: this program does not store mooring system data.");
    return;
  }
  TPCM.CREATR = kept.CREATR;
  TPCM.ISPM = kept.ISPM;
  TPCM.NTOGO = kept.NTOGO;
  message(" >>> Import successful!");
}

}  // namespace qv
