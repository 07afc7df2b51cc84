#include <gtest/gtest.h>

#include "support/console_capture.h"
#include "util/captions.h"

namespace qv {
namespace {

template <std::size_t N>
std::string caption(void (*routine)(Text<N>&, std::int32_t), std::int32_t code) {
  Text<N> t;
  routine(t, code);
  return std::string(t.trimmed());
}

TEST(Captions, CodesAndFallbacks) {
  EXPECT_EQ(caption(UNITP, 0), " kips");
  EXPECT_EQ(caption(UNITP, 12), " kgw/cubic meter");
  EXPECT_EQ(caption(UNITP, 20), "m.ton");
  EXPECT_EQ(caption(UNITP, 21), " Index error");
  EXPECT_EQ(caption(UNITS, 22), "ton-m");
  EXPECT_EQ(caption(UNITS, -1), "");
  EXPECT_EQ(caption(CAPUN, 11), "HEIGHT");
  EXPECT_EQ(caption(CAPUN, 12), "ERROR !");
  EXPECT_EQ(caption(DOF, 1), "SURGE");
  EXPECT_EQ(caption(DOF, 6), "YAW");
  EXPECT_EQ(caption(DOF, 0), "ERROR !");
}

TEST(Captions, OneReportLine) {
  testing_support::ConsoleCapture console;
  ONELIN("Water depth", 11, 100.0f, UNITS, 7, 6);
  EXPECT_EQ(console.screen(), std::string(10, ' ') + "Water depth " + std::string(26, '.') + "    100.00 " + "ft" +
                           std::string(14, ' ') + "\n");
}

TEST(Captions, ExtremesAndRanges) {
  const float v[] = {3, 1, 1, 5};
  std::int32_t iMin = 0, iMax = 0, mono = -1, inc = -1;
  float lo = 0, hi = 0;
  MAX_MIN(v, 4, iMin, iMax, lo, hi, mono, inc);
  EXPECT_EQ(iMin, 2);
  EXPECT_EQ(iMax, 4);
  EXPECT_EQ(lo, 1.0f);
  EXPECT_EQ(hi, 5.0f);
  EXPECT_EQ(inc, 1);
  EXPECT_EQ(mono, 0);

  struct Case {
    std::vector<float> values;
    float x;
    std::int32_t error;
  };
  const Case cases[] = {
      {{1, 2, 3}, 4, 1}, {{1, 2, 3}, 2.5f, 0}, {{3, 2, 1}, 0, 2}, {{3, 2, 1}, 2, 0}, {{1, 3, 2}, 2, 3},
      {{1, 3, 2}, 7, 4},
  };
  for (const Case& c : cases) {
    std::int32_t err = -1;
    RNGCHK(c.values.data(), 1, static_cast<std::int32_t>(c.values.size()), c.x, err);
    EXPECT_EQ(err, c.error) << c.x;
  }
}

}  // namespace
}  // namespace qv
