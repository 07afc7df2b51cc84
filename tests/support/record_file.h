// The record dumper of the tests: reads a file of unformatted sequential records (a 4-byte
// little-endian length before and after the data of each record) into its records, shows them as
// text, and writes such files from records built in a test ("LINEANG", a partner motion file). It
// works on the bytes alone, apart from the program's own record layer, so that each checks the other.
#pragma once

#include <complex>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "support/temp_dir.h"

namespace qv::testing_support {

// One record: its data as 4-byte words.
struct Record {
  std::vector<std::uint32_t> words;

  Record& i(std::int32_t v) {
    words.push_back(static_cast<std::uint32_t>(v));
    return *this;
  }
  Record& f(float v) {
    std::uint32_t w = 0;
    std::memcpy(&w, &v, 4);
    words.push_back(w);
    return *this;
  }
  Record& c(std::complex<float> v) { return f(v.real()).f(v.imag()); }

  std::size_t bytes() const { return 4 * words.size(); }
  std::int32_t intAt(std::size_t k) const { return static_cast<std::int32_t>(words.at(k)); }
  float floatAt(std::size_t k) const {
    float v = 0.0f;
    std::memcpy(&v, &words.at(k), 4);
    return v;
  }
  // Complex item k (words 2k and 2k + 1).
  std::complex<float> complexAt(std::size_t k) const { return {floatAt(2 * k), floatAt(2 * k + 1)}; }
};

// What a file holds: its records, and whether the bytes ended cleanly after the last one.
struct RecordDump {
  std::vector<Record> records;
  bool clean = true;  // false: a length that does not match, or bytes left over

  std::vector<std::size_t> lengths() const {
    std::vector<std::size_t> out;
    for (const Record& r : records) out.push_back(r.bytes());
    return out;
  }
  // One line per record: its number, its length in bytes and its words in hexadecimal.
  std::string text() const {
    std::ostringstream out;
    for (std::size_t n = 0; n < records.size(); ++n) {
      out << "#" << (n + 1) << " " << records[n].bytes() << " bytes:";
      for (const std::uint32_t w : records[n].words) out << " " << std::hex << w << std::dec;
      out << "\n";
    }
    if (!clean) out << "(damaged end)\n";
    return out.str();
  }
};

inline std::uint32_t littleEndianWord(const unsigned char* p) {
  return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
         (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

inline RecordDump dumpRecords(const std::filesystem::path& name) {
  const std::vector<char> raw = readFileBytes(name);
  const auto* b = reinterpret_cast<const unsigned char*>(raw.data());
  RecordDump dump;
  std::size_t at = 0;
  while (at < raw.size()) {
    if (raw.size() - at < 4) {
      dump.clean = false;
      break;
    }
    const std::uint32_t length = littleEndianWord(b + at);
    if (length % 4 != 0 || raw.size() - at < 8 + static_cast<std::size_t>(length) ||
        littleEndianWord(b + at + 4 + length) != length) {
      dump.clean = false;
      break;
    }
    Record r;
    for (std::size_t k = 0; k < length; k += 4) r.words.push_back(littleEndianWord(b + at + 4 + k));
    dump.records.push_back(r);
    at += 8 + length;
  }
  return dump;
}

inline void putLittleEndian(std::vector<char>& out, std::uint32_t w) {
  for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<char>((w >> shift) & 0xFFu));
}

inline void writeRecords(const std::filesystem::path& name, const std::vector<Record>& records) {
  std::vector<char> out;
  for (const Record& r : records) {
    const auto length = static_cast<std::uint32_t>(r.bytes());
    putLittleEndian(out, length);
    for (const std::uint32_t w : r.words) putLittleEndian(out, w);
    putLittleEndian(out, length);
  }
  writeFileBytes(name, out.data(), out.size());
}

}  // namespace qv::testing_support
