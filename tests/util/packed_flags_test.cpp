#include <gtest/gtest.h>

#include "platform/stop.h"
#include "support/console_capture.h"
#include "util/packed_flags.h"

namespace qv {
namespace {

TEST(PackedFlags, Bits) {
  EXPECT_EQ(BITVAL(6, 1), 0);
  EXPECT_EQ(BITVAL(6, 2), 1);
  EXPECT_EQ(BITVAL(6, 3), 1);
  EXPECT_EQ(BITVAL(-1, 32), 1);
  EXPECT_EQ(BITVAL(-5, 2), 0);  // truncating division, not the two's-complement bit
  std::int32_t w = 6;
  BITSET(w, 1, 1, 6);
  EXPECT_EQ(w, 7);
  BITSET(w, 1, 1, 6);
  EXPECT_EQ(w, 7);
  BITSET(w, 32, 1, 6);
  EXPECT_LT(w, 0);
  BITSET(w, 32, 0, 6);
  EXPECT_EQ(w, 7);
}

TEST(PackedFlags, Nibbles) {
  struct Case {
    std::int32_t word;
    int field, value;
    std::int32_t result;
  };
  const Case cases[] = {
      {0x321, 2, 9, 0x391}, {0x321, 1, 0, 0x320}, {0x321, 4, 5, 0x5321}, {0x321, 8, 7, 0x70000321},
      {0x7654321, 3, 0xF, 0x7654F21}, {0x321, 3, 3, 0x321},
  };
  for (const Case& c : cases) {
    std::int32_t w = c.word;
    NIBSET(w, c.field, c.value, 6);
    EXPECT_EQ(w, c.result) << std::hex << c.word << " field " << c.field;
    EXPECT_EQ(NIBVAL(w, c.field, 6), c.value);
  }
  EXPECT_EQ(NIBVAL(0x321, 1, 6), 1);
  EXPECT_EQ(NIBVAL(0x321, 3, 6), 3);
  EXPECT_EQ(NIBVAL(0x321, 4, 6), 0);
  EXPECT_TRUE(ONEON(0x321, 3, 6));
  EXPECT_FALSE(ONEON(0x321, 4, 6));
}

TEST(PackedFlags, ProgrammingErrorsStopAfterTheWait) {
  testing_support::ConsoleCapture console("\n");
  std::int32_t w = 0x321;
  try {
    NIBSET(w, 8, 8, 6);
    ADD_FAILURE() << "no stop";
  } catch (const Stop& s) {
    EXPECT_EQ(s.status, kExitFatal);
  }
  EXPECT_EQ(console.screen(),
            " Attempt to set most significant bit in NIBSET; contact Kestrin\n Press <Return> to continue\n");
  EXPECT_EQ(w, 0x321);
  EXPECT_THROW(BITSET(w, 1, 2, 41), Stop);  // unit 41: no wait, still a stop
}

TEST(PackedFlags, Moves) {
  std::int32_t a[5] = {1, 2, 3, 4, 5};
  MOVDWN(3, a, a + 1);
  EXPECT_EQ(std::vector<int>(a, a + 5), (std::vector<int>{1, 1, 2, 3, 5}));
  std::int32_t b[5] = {1, 2, 3, 4, 5};
  MOVUP(3, b + 1, b);
  EXPECT_EQ(std::vector<int>(b, b + 5), (std::vector<int>{2, 3, 4, 4, 5}));
  std::int32_t ints[2] = {0, 0};
  float reals[2] = {2.9f, -2.9f};
  FILLUP(ints, reals, 0, 2);
  EXPECT_EQ(ints[0], 2);
  EXPECT_EQ(ints[1], -2);
  std::int32_t grid[12];
  std::fill(grid, grid + 12, 9);
  CLEAR_2D(grid, 3, 4, 2, 3, 2, 2);
  EXPECT_EQ(std::vector<int>(grid, grid + 12), (std::vector<int>{9, 9, 9, 9, 0, 0, 9, 9, 9, 9, 9, 9}));
}

}  // namespace
}  // namespace qv
