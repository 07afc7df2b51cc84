#include "waves/wavcom.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>

namespace qv {
namespace {

TEST(Wavcom, ResetZeroesEveryWord) {
  std::memset(&WAVCOM, 0x5a, sizeof WAVCOM);
  WAVCOM.reset();
  const auto* bytes = reinterpret_cast<const unsigned char*>(&WAVCOM);
  std::size_t nonZero = 0;
  for (std::size_t k = 0; k < sizeof WAVCOM; ++k) nonZero += bytes[k] != 0;
  EXPECT_EQ(nonZero, 0u);
}

}  // namespace
}  // namespace qv
