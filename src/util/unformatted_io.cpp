#include "util/unformatted_io.h"

#include <bit>
#include <istream>
#include <limits>
#include <ostream>

#include "platform/units.h"

namespace qv {

namespace record_io {

namespace {

// The largest record a length word can describe.
constexpr std::int64_t kMaxRecordBytes = std::numeric_limits<std::int32_t>::max();

std::ostream* fileOut(int unit) { return unitConnected(unit) ? unitOut(unit) : nullptr; }
std::istream* fileIn(int unit) { return unitConnected(unit) ? unitIn(unit) : nullptr; }

void writeWord(std::ostream& out, Word word) {
  const char bytes[4] = {static_cast<char>(word & 0xFFu), static_cast<char>((word >> 8) & 0xFFu),
                         static_cast<char>((word >> 16) & 0xFFu), static_cast<char>((word >> 24) & 0xFFu)};
  out.write(bytes, 4);
}

bool readWord(std::istream& in, Word& word) {
  unsigned char bytes[4] = {};
  in.read(reinterpret_cast<char*>(bytes), 4);
  if (in.gcount() != 4) return false;
  word = static_cast<Word>(bytes[0]) | (static_cast<Word>(bytes[1]) << 8) | (static_cast<Word>(bytes[2]) << 16) |
         (static_cast<Word>(bytes[3]) << 24);
  return true;
}

// Reads a record's leading length: kEnd when the file ends cleanly before it, kError for a partial
// length word or a length no record can have.
RecordStatus readLength(std::istream& in, std::int64_t& length) {
  if (in.peek() == std::char_traits<char>::eof()) return RecordStatus::kEnd;
  Word word = 0;
  if (!readWord(in, word)) return RecordStatus::kError;
  const auto value = static_cast<std::int32_t>(word);
  if (value < 0) return RecordStatus::kError;  // a continued record of more than 2 GB is not ours
  length = value;
  return RecordStatus::kOk;
}

// Passes over `bytes` data bytes and checks that the trailing length equals the leading one.
RecordStatus finishRecord(std::istream& in, std::int64_t bytes, std::int64_t length) {
  if (bytes > 0) {
    in.ignore(static_cast<std::streamsize>(bytes));
    if (in.gcount() != bytes) return RecordStatus::kError;
  }
  Word trailer = 0;
  if (!readWord(in, trailer) || static_cast<std::int64_t>(static_cast<std::int32_t>(trailer)) != length) {
    return RecordStatus::kError;
  }
  return RecordStatus::kOk;
}

}  // namespace

Word wordOf(float value) { return std::bit_cast<Word>(value); }
float floatOf(Word word) { return std::bit_cast<float>(word); }

RecordWriter::RecordWriter(int unit, std::size_t words) : out_(fileOut(unit)), words_(words) {
  if (static_cast<std::int64_t>(4 * words_) > kMaxRecordBytes) out_ = nullptr;
  if (out_ != nullptr) putRaw(static_cast<Word>(4 * words_));
}

void RecordWriter::putRaw(Word word) {
  if (out_ != nullptr) writeWord(*out_, word);
}

void RecordWriter::put(Word word) {
  ++written_;
  putRaw(word);
}

bool RecordWriter::finish() {
  if (out_ == nullptr) return false;
  putRaw(static_cast<Word>(4 * words_));
  return written_ == words_ && out_->good();
}

RecordReader::RecordReader(int unit) : in_(fileIn(unit)) {
  if (in_ == nullptr) {
    status_ = RecordStatus::kError;
    return;
  }
  status_ = readLength(*in_, length_);
}

bool RecordReader::take(Word& word) {
  if (status_ != RecordStatus::kOk) return false;
  if (length_ - consumed_ < 4) {
    short_ = true;
    return false;
  }
  if (!readWord(*in_, word)) {
    status_ = RecordStatus::kError;
    return false;
  }
  consumed_ += 4;
  return true;
}

RecordStatus RecordReader::finish() {
  if (status_ == RecordStatus::kOk) {
    status_ = finishRecord(*in_, length_ - consumed_, length_);
    if (status_ == RecordStatus::kOk && short_) status_ = RecordStatus::kError;
  }
  // The status is the answer; the stream stays usable (a close after a failed read is no error).
  if (in_ != nullptr) in_->clear();
  return status_;
}

}  // namespace record_io

RecordStatus skipRecords(int unit, int count) {
  for (int i = 0; i < count; ++i) {
    record_io::RecordReader reader(unit);
    const RecordStatus status = reader.finish();
    if (status != RecordStatus::kOk) return status;
  }
  return RecordStatus::kOk;
}

RecordStatus nextRecordLength(int unit, std::int32_t& bytes) {
  std::istream* in = unitConnected(unit) ? unitIn(unit) : nullptr;
  if (in == nullptr) return RecordStatus::kError;
  const std::istream::pos_type start = in->tellg();
  std::int64_t length = 0;
  const RecordStatus status = record_io::readLength(*in, length);
  in->clear();
  if (status != RecordStatus::kOk) return status;
  bytes = static_cast<std::int32_t>(length);
  in->seekg(start);
  return in->good() ? RecordStatus::kOk : RecordStatus::kError;
}

void rewindUnit(int unit) {
  if (!unitConnected(unit)) return;
  if (std::istream* in = unitIn(unit)) {
    in->clear();
    in->seekg(0);
  }
  if (std::ostream* out = unitOut(unit)) {
    out->clear();
    out->seekp(0);
  }
}

}  // namespace qv
