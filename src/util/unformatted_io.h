// Unformatted sequential records on a unit opened by RHOPEN (form 0): the exchange files of the
// analysis ("YOKEMOT", the two-body motion files, "LINEANG", "MOMDAT"). One WRITE is one record:
//
//   length | data | length
//
// with the length the number of data bytes as a 4-byte integer, and the data the items of the record
// one after another as 4-byte words: INTEGER and LOGICAL (1 true, 0 false) as two's-complement
// integers, REAL as IEEE single precision, COMPLEX as two REALs (real part, then imaginary part).
// Every word and both lengths are little-endian, whatever the machine.
//
// A read takes the items it asks for from the front of the next record and drops the rest of that
// record, so a reader may take fewer items than were written (the first integer of a longer record,
// say); asking for more than the record holds is an error. Records can be skipped whole.
//
//   writeUnformatted(13, NRAO, F1, F2, F3, heading);          // one record of 4 integers and a real
//   if (readUnformatted(12, NSKIP) != RecordStatus::kOk) ...   // the first integer of the next record
//   readUnformatted(10, std::span<Complex>(partner, 9));       // nine complex values
//   skipRecords(10, NWP);
//   rewindUnit(13);                                            // read again from the first record
//
// Items are std::int32_t, float, Complex (std::complex<float>), bool and spans of these.
#pragma once

#include <complex>
#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <span>
#include <type_traits>

namespace qv {

enum class RecordStatus {
  kOk,     // the record was read (or skipped, or its length found)
  kEnd,    // the file ended before the record began
  kError,  // a damaged or truncated record, a record shorter than the items asked, an unconnected unit
};

namespace record_io {

using Word = std::uint32_t;

// One record being written: the leading length goes out when it is made, the trailing one at finish.
class RecordWriter {
 public:
  RecordWriter(int unit, std::size_t words);
  void put(Word word);
  // False when the stream failed at any point of the record (a full disk, say).
  bool finish();

 private:
  void putRaw(Word word);
  std::ostream* out_;
  std::size_t words_;
  std::size_t written_ = 0;
};

// One record being read: the leading length is read when it is made; take() hands out its words
// from the front; finish() drops what was not taken and checks the trailing length.
class RecordReader {
 public:
  explicit RecordReader(int unit);
  bool take(Word& word);
  RecordStatus finish();

 private:
  std::istream* in_;
  RecordStatus status_ = RecordStatus::kOk;
  std::int64_t length_ = 0;     // data bytes of the record
  std::int64_t consumed_ = 0;   // data bytes taken so far
  bool short_ = false;          // more words were asked than the record holds
};

Word wordOf(float value);
float floatOf(Word word);

inline std::size_t wordCount(std::int32_t) { return 1; }
inline std::size_t wordCount(float) { return 1; }
inline std::size_t wordCount(bool) { return 1; }
inline std::size_t wordCount(const std::complex<float>&) { return 2; }
template <class T, std::size_t N>
std::size_t wordCount(std::span<T, N> items) {
  std::size_t n = 0;
  for (const auto& item : items) n += wordCount(item);
  return n;
}

inline void put(RecordWriter& w, std::int32_t value) { w.put(static_cast<Word>(value)); }
inline void put(RecordWriter& w, float value) { w.put(wordOf(value)); }
inline void put(RecordWriter& w, bool value) { w.put(value ? 1u : 0u); }
inline void put(RecordWriter& w, const std::complex<float>& value) {
  put(w, value.real());
  put(w, value.imag());
}
template <class T, std::size_t N>
void put(RecordWriter& w, std::span<T, N> items) {
  for (const auto& item : items) put(w, item);
}

inline bool get(RecordReader& r, std::int32_t& value) {
  Word word = 0;
  if (!r.take(word)) return false;
  value = static_cast<std::int32_t>(word);
  return true;
}
inline bool get(RecordReader& r, float& value) {
  Word word = 0;
  if (!r.take(word)) return false;
  value = floatOf(word);
  return true;
}
inline bool get(RecordReader& r, bool& value) {
  Word word = 0;
  if (!r.take(word)) return false;
  value = word != 0;
  return true;
}
inline bool get(RecordReader& r, std::complex<float>& value) {
  float re = 0.0f;
  float im = 0.0f;
  if (!get(r, re) || !get(r, im)) return false;
  value = {re, im};
  return true;
}
template <class T, std::size_t N>
bool get(RecordReader& r, std::span<T, N> items) {
  static_assert(!std::is_const_v<T>, "a read needs items it can store into");
  for (auto& item : items) {
    if (!get(r, item)) return false;
  }
  return true;
}

}  // namespace record_io

// Writes one record holding the items in order. False when the unit is not connected or the file
// could not take the record; the caller reports it.
template <class... Items>
[[nodiscard]] bool writeUnformatted(int unit, const Items&... items) {
  record_io::RecordWriter writer(unit, (std::size_t{0} + ... + record_io::wordCount(items)));
  (record_io::put(writer, items), ...);
  return writer.finish();
}

// Reads the next record into the items in order and drops the rest of it. On any status but kOk the
// items may hold part of the record.
template <class... Items>
[[nodiscard]] RecordStatus readUnformatted(int unit, Items&&... items) {
  record_io::RecordReader reader(unit);
  const bool all = (true && ... && record_io::get(reader, items));
  const RecordStatus status = reader.finish();
  if (status == RecordStatus::kOk && !all) return RecordStatus::kError;
  return status;
}

// Skips `count` whole records.
[[nodiscard]] RecordStatus skipRecords(int unit, int count);

// The data bytes of the next record, which stays next.
[[nodiscard]] RecordStatus nextRecordLength(int unit, std::int32_t& bytes);

// Back to the first record of the file, for reading or writing.
void rewindUnit(int unit);

}  // namespace qv
