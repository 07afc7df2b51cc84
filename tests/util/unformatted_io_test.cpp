// The unformatted record layer against the test dumper, which reads and writes the same framing
// from the bytes alone: exact bytes of written records, partial reads, skips, the ends of a file and
// damaged records.
#include <gtest/gtest.h>

#include <complex>
#include <cstdint>
#include <span>
#include <vector>

#include "platform/units.h"
#include "support/fresh_run.h"
#include "support/record_file.h"
#include "support/temp_dir.h"
#include "util/files.h"
#include "util/unformatted_io.h"

namespace qv {
namespace {

using testing_support::dumpRecords;
using testing_support::Record;
using testing_support::TempDir;
using testing_support::writeRecords;

using Complex = std::complex<float>;

constexpr int kUnit = 13;

class UnformattedIo : public testing_support::FreshRun {
 protected:
  TempDir dir;
  void openFresh(const char* name) { RHOPEN(name, kUnformatted, kFresh, 0, kUnit, "TEST", 6, 5); }
  void openOld(const char* name) { RHOPEN(name, kUnformatted, kMustExist, 0, kUnit, "TEST", 6, 5); }
  void close(const char* name) { HCLOSE(kUnit, name, "TEST", 6); }
};

TEST_F(UnformattedIo, WritesLengthFramedLittleEndianWords) {
  openFresh("MOTIONS");
  const Complex nine[9] = {{1.0f, -2.0f}, {0.5f, 0.0f}, {}, {}, {}, {}, {}, {}, {3.0f, 4.0f}};
  ASSERT_TRUE(writeUnformatted(kUnit, std::int32_t{2}));
  ASSERT_TRUE(writeUnformatted(kUnit, std::int32_t{5}, std::int32_t{1}, std::int32_t{0}, true, 3.1415927f));
  ASSERT_TRUE(writeUnformatted(kUnit, std::span<const Complex>(nine)));
  ASSERT_TRUE(writeUnformatted(kUnit, -1.5f, false));
  close("MOTIONS");

  // The first record byte for byte: length 4, the integer 2, length 4, all little-endian.
  const std::vector<char> bytes = testing_support::readFileBytes("MOTIONS");
  const std::vector<char> first = {4, 0, 0, 0, 2, 0, 0, 0, 4, 0, 0, 0};
  ASSERT_GE(bytes.size(), first.size());
  EXPECT_EQ(std::vector<char>(bytes.begin(), bytes.begin() + 12), first);

  const auto dump = dumpRecords("MOTIONS");
  ASSERT_TRUE(dump.clean) << dump.text();
  EXPECT_EQ(dump.lengths(), (std::vector<std::size_t>{4, 20, 72, 8})) << dump.text();
  const Record& header = dump.records[1];
  EXPECT_EQ(header.intAt(0), 5);
  EXPECT_EQ(header.intAt(3), 1);  // LOGICAL true
  EXPECT_EQ(header.words[4], 0x40490FDBu);  // 3.1415927f in IEEE single precision
  EXPECT_EQ(dump.records[2].complexAt(0), Complex(1.0f, -2.0f));
  EXPECT_EQ(dump.records[2].complexAt(8), Complex(3.0f, 4.0f));
  EXPECT_EQ(dump.records[3].floatAt(0), -1.5f);
  EXPECT_EQ(dump.records[3].intAt(1), 0);
}

TEST_F(UnformattedIo, ReadsTakeTheFrontOfARecordAndDropTheRest) {
  writeRecords("PARTNER", {Record().i(3).i(1).i(0).i(1).f(0.25f),
                           Record().c({1.0f, 2.0f}).c({3.0f, 4.0f}).c({5.0f, 6.0f}),
                           Record().f(7.0f).f(8.0f), Record().i(42)});
  openOld("PARTNER");

  std::int32_t count = 0;
  EXPECT_EQ(readUnformatted(kUnit, count), RecordStatus::kOk);  // 1 of 5 items
  EXPECT_EQ(count, 3);

  std::int32_t bytes = 0;
  EXPECT_EQ(nextRecordLength(kUnit, bytes), RecordStatus::kOk);
  EXPECT_EQ(bytes, 24);
  Complex two[2];
  EXPECT_EQ(readUnformatted(kUnit, std::span<Complex>(two)), RecordStatus::kOk);
  EXPECT_EQ(two[1], Complex(3.0f, 4.0f));

  // Asking for more than the record holds is an error; the next read starts at the next record.
  float a = 0.0f;
  float b = 0.0f;
  float c = 0.0f;
  EXPECT_EQ(readUnformatted(kUnit, a, b, c), RecordStatus::kError);
  std::int32_t last = 0;
  EXPECT_EQ(readUnformatted(kUnit, last), RecordStatus::kOk);
  EXPECT_EQ(last, 42);
  EXPECT_EQ(readUnformatted(kUnit, last), RecordStatus::kEnd);
  EXPECT_EQ(nextRecordLength(kUnit, bytes), RecordStatus::kEnd);

  // Back to the start; skips pass whole records.
  rewindUnit(kUnit);
  EXPECT_EQ(skipRecords(kUnit, 3), RecordStatus::kOk);
  EXPECT_EQ(readUnformatted(kUnit, last), RecordStatus::kOk);
  EXPECT_EQ(last, 42);
  rewindUnit(kUnit);
  EXPECT_EQ(skipRecords(kUnit, 5), RecordStatus::kEnd);
  close("PARTNER");
}

TEST_F(UnformattedIo, DamagedRecordsAreErrors) {
  struct Case {
    const char* what;
    std::vector<char> bytes;
  };
  const Case cases[] = {
      {"trailing length differs", {4, 0, 0, 0, 1, 0, 0, 0, 8, 0, 0, 0}},
      {"file ends inside the data", {8, 0, 0, 0, 1, 0, 0, 0}},
      {"file ends before the trailing length", {4, 0, 0, 0, 1, 0, 0, 0, 4, 0}},
      {"partial length word", {4, 0}},
      {"negative length", {char(0xFC), char(0xFF), char(0xFF), char(0xFF), 1, 0, 0, 0}},
  };
  for (const Case& c : cases) {
    testing_support::writeFileBytes("DAMAGED", c.bytes.data(), c.bytes.size());
    openOld("DAMAGED");
    std::int32_t value = 0;
    EXPECT_EQ(readUnformatted(kUnit, value), RecordStatus::kError) << c.what;
    rewindUnit(kUnit);
    EXPECT_EQ(skipRecords(kUnit, 1), RecordStatus::kError) << c.what;
    close("DAMAGED");
  }
}

TEST_F(UnformattedIo, AnUnconnectedUnitNeitherReadsNorWrites) {
  std::int32_t value = 7;
  EXPECT_FALSE(writeUnformatted(kUnit, value));
  EXPECT_EQ(readUnformatted(kUnit, value), RecordStatus::kError);
  EXPECT_EQ(skipRecords(kUnit, 1), RecordStatus::kError);
  std::int32_t bytes = 0;
  EXPECT_EQ(nextRecordLength(kUnit, bytes), RecordStatus::kError);
  EXPECT_EQ(value, 7);
}

}  // namespace
}  // namespace qv
