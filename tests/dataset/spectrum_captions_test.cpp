#include "dataset/spectrum_captions.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "dataset/tpcm_codes.h"

namespace qv {
namespace {

using Routine = void (*)(Text<30>&, std::int32_t);

std::string caption(Routine routine, std::int32_t code) {
  Text<30> t;
  routine(t, code);
  return std::string(t.trimmed());
}

TEST(SpectrumCaptions, NamesAndFallbacks) {
  struct Case {
    Routine routine;
    std::int32_t code;
    const char* text;
  };
  const Case cases[] = {
      {WAVPRT, 0, " Kestrin swell spectrum"},
      {WAVPRT, 4, " Squat JONSWAP"},
      {WAVPRT, 8, " Legacy custom spectrum"},
      {WAVPRT, 10, " TMA Shallow Water"},
      {WAVPRT, -1, " Index error"},
      {WNDPRT, 1, " Davenport"},
      {WNDPRT, 6, " WINDSPEC.txt input file"},
      {WNDPRT, 0, " Index error"},
      {CURPRT, 1, " Steady current"},  // the list numbers the current types from 1
      {CURPRT, 4, " Band-limited white spectrum"},
      {CURPRT, 0, " Index error"},
      {CURPRT, std::numeric_limits<std::int32_t>::min(), " Index error"},
  };
  for (const Case& c : cases) EXPECT_EQ(caption(c.routine, c.code), c.text) << c.code;
}

// Every code of a table has its own caption within the field, and the first code past the table has
// none: a caption list cannot fall out of step with the codes.
TEST(SpectrumCaptions, EveryCodeOfTheTablesHasItsCaption) {
  const std::string none = " Index error";
  for (const WaveSpectrumRow& row : kWaveSpectra) {
    EXPECT_NE(caption(WAVPRT, row.code), none) << row.code;
    EXPECT_LE(row.name.size(), 30u) << row.code;
  }
  EXPECT_EQ(caption(WAVPRT, kLastWaveSpectrum + 1), none);
  for (const WindSpectrumRow& row : kWindSpectra) {
    EXPECT_NE(caption(WNDPRT, row.code), none) << row.code;
    EXPECT_LE(row.name.size(), 30u) << row.code;
  }
  EXPECT_EQ(caption(WNDPRT, kLastWindSpectrum + 1), none);
  for (const CurrentSpectrumRow& row : kCurrentSpectra) {
    EXPECT_NE(caption(CURPRT, row.code + 1), none) << row.code;
    EXPECT_LE(row.name.size(), 30u) << row.code;
  }
  EXPECT_EQ(caption(CURPRT, kLastCurrentSpectrum + 2), none);
}

}  // namespace
}  // namespace qv
