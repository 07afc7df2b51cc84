#include "util/diskio.h"

#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "util/files.h"
#include "util/safe_save.h"

namespace qv {

namespace {

constexpr int kThisPlatform = 5;
constexpr std::int32_t kLowdatFrameBytes = 2720;  // 4 x 680

bool isLowdatName(std::string_view name) { return name.substr(0, 6) == "LOWDAT"; }

// Reads up to `limit` words from the stream; returns the number read (a partial last word is dropped).
std::size_t readWords(std::istream& in, std::vector<std::int32_t>& buffer, std::size_t limit) {
  buffer.resize(limit);
  in.read(reinterpret_cast<char*>(buffer.data()), static_cast<std::streamsize>(4 * limit));
  const std::size_t words = static_cast<std::size_t>(in.gcount()) / 4;
  buffer.resize(words);
  return words;
}

// The file is replaced whole or not at all: a failing write leaves the old file as it was.
void writeImage(std::int32_t NWORDS, const std::string& name, std::int32_t& IERR, const std::int32_t* ARRAY) {
  IERR = 0;
  std::error_code ec;
  const bool existed = std::filesystem::exists(name, ec);
  SafeSave save;
  save.add(name, imageBytes(ARRAY, NWORDS));
  if (save.commit()) return;
  // A failure: the write code, and the flag of a file that did not exist before.
  IERR = kDiskWriteFailed + (existed ? 0 : 1);
}

void readImage(std::int32_t& NWORDS, const std::string& name, std::int32_t& IERR, std::int32_t* ARRAY,
               std::int32_t ICOMP) {
  IERR = 0;
  std::ifstream in(name, std::ios::binary);
  if (!in.is_open()) {
    IERR = kDiskMissing;
    return;
  }
  // The private buffer is cleared on every read, so a short file never hands on words of an
  // earlier one.
  std::vector<std::int32_t> buffer;
  const std::size_t fileWords = readWords(in, buffer, kDiskioBufferWords + 2);
  if (fileWords < 2) {
    IERR = kDiskReadFailed;
    return;
  }
  const std::int32_t w1 = buffer[0];
  const std::int32_t w2 = buffer[1];
  // A frame announces a payload: a file that starts with two zero words is plain, not framed.
  const bool framed = isLowdatName(name) ? w1 == kLowdatFrameBytes
                                         : w1 > 0 && static_cast<std::int64_t>(w1) == 4 * static_cast<std::int64_t>(w2);

  std::size_t first = 0;
  std::size_t count = 0;
  if (ICOMP == kThisPlatform) {
    const std::size_t f = std::min<std::size_t>(fileWords, kDiskioBufferWords);
    if (framed) {
      first = 1;
      count = f >= 2 ? f - 2 : 0;
    } else {
      count = f;
    }
  } else if (framed) {
    // A platform whose record reader strips the frame: the payload that the byte count announces.
    const std::size_t announced = static_cast<std::size_t>(std::max(0, w1)) / 4;
    if (fileWords < announced + 1) {
      IERR = kDiskReadFailed;
      return;
    }
    first = 1;
    count = std::min<std::size_t>(announced, kDiskioBufferWords);
  } else {
    count = std::min<std::size_t>(fileWords, kDiskioBufferWords);
  }
  std::int32_t found = static_cast<std::int32_t>(count);
  if (isLowdatName(name)) found = 680;  // reported as a whole block whatever the file held
  // Words a short "LOWDAT" did not hold come from the cleared buffer: zeros.
  buffer.resize(first + count);
  buffer.resize(std::max<std::size_t>(buffer.size(), first + static_cast<std::size_t>(found)), 0);
  const std::size_t copy = std::min<std::size_t>(static_cast<std::size_t>(found),
                                                 static_cast<std::size_t>(std::max(0, NWORDS)));
  MOVCOM(static_cast<std::int32_t>(copy), buffer.data() + first, ARRAY);
  if (found != NWORDS || count < static_cast<std::size_t>(found)) IERR = kDiskReadFailed;
  NWORDS = found;
}

}  // namespace

void DISKIO(std::int32_t IRW, std::int32_t& NWORDS, std::string_view FNAME, std::int32_t /*IUNIT*/,
            std::int32_t& IERR, std::int32_t* ARRAY, std::int32_t ICOMP) {
  const std::string name(fileNameOf(FNAME));
  if (IRW == kDiskWrite)
    writeImage(NWORDS, name, IERR, ARRAY);
  else
    readImage(NWORDS, name, IERR, ARRAY, ICOMP);
}

// Word copies run first word first, as callers that shift overlapping words expect.
void MOVCOM(std::int32_t N, const std::int32_t* SRC, std::int32_t* DST) {
  for (std::int32_t i = 0; i < N; ++i) DST[i] = SRC[i];
}
void MOVREL(std::int32_t N, const float* SRC, float* DST) {
  for (std::int32_t i = 0; i < N; ++i) DST[i] = SRC[i];
}
void MOVDP(std::int32_t N, const double* SRC, double* DST) {
  for (std::int32_t i = 0; i < N; ++i) DST[i] = SRC[i];
}

void NOCHNG(std::int32_t& ISAME, const std::int32_t* A, const std::int32_t* B, std::int32_t N) {
  ISAME = N <= 0 || std::memcmp(A, B, 4 * static_cast<std::size_t>(N)) == 0 ? 1 : 0;
}

std::intptr_t LRHLOC(const void* V) { return reinterpret_cast<std::intptr_t>(V); }

void VRCVRT(const std::int32_t& X, std::int32_t& Y) { Y = X; }

}  // namespace qv
