// A table over headings written over any turn: the heading is found at the turn of it that the table
// spans. The independent value is the same heading named another way: h and h + 360 k are one
// direction, so each case gives the heading the table must read, by hand.
#include "numlib/table_span.h"
#include "util/user_file_values.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/checks.h"
#include "support/console_capture.h"

namespace qv {
namespace {

using testing_support::ConsoleCapture;
using testing_support::contains;
using testing_support::stopStatus;

TEST(TableSpan, AHeadingIsReadAtTheTurnTheTableSpans) {
  struct Case {
    const char* table;
    std::vector<float> headings;  // [deg]
    float h;                      // the heading looked up [deg]
    float expected;               // the heading the table reads; NAN: none
  };
  const float none = NAN;
  const Case cases[] = {
      // 0 to 360: every heading of [0, 360) as it is, 360 itself too.
      {"0 to 360", {0, 90, 180, 270, 360}, 0, 0},
      {"0 to 360", {0, 90, 180, 270, 360}, 359.99f, 359.99f},
      {"0 to 360", {0, 90, 180, 270, 360}, 360, 360},
      {"0 to 360", {0, 90, 180, 270, 360}, -90, 270},
      {"0 to 360", {0, 90, 180, 270, 360}, 725, 5},
      // -180 to 180: the second half turn a turn down.
      {"-180 to 180", {-180, -90, 0, 90, 180}, 0, 0},
      {"-180 to 180", {-180, -90, 0, 90, 180}, 179, 179},
      {"-180 to 180", {-180, -90, 0, 90, 180}, 181, -179},
      {"-180 to 180", {-180, -90, 0, 90, 180}, 350, -10},
      {"-180 to 180", {-180, -90, 0, 90, 180}, 180, 180},
      // Descending, 360 down to 0, and from 180 down to -180.
      {"360 to 0", {360, 270, 180, 90, 0}, 45, 45},
      {"360 to 0", {360, 270, 180, 90, 0}, -45, 315},
      {"180 to -180", {180, 0, -180}, 270, -90},
      // A turn short by less than a thousandth of a degree still covers it.
      {"0 to 359.9995", {0, 180, 359.9995f}, 359.9998f, 359.9998f},
      {"-180 to 179.9995", {-180, 0, 179.9995f}, 179.9998f, 179.9998f},
      // Less than a turn: its own span and the same span a turn away, nothing else.
      {"0 to 180", {0, 90, 180}, 90, 90},
      {"0 to 180", {0, 90, 180}, 450, 90},
      {"0 to 180", {0, 90, 180}, -180, 180},
      {"0 to 180", {0, 90, 180}, 270, none},
      {"0 to 180", {0, 90, 180}, -1, none},
      {"90 to 200", {200, 150, 90}, 300, none},
      {"90 to 200", {200, 150, 90}, -200, 160},
  };
  for (const Case& c : cases) {
    const std::optional<float> got =
        headingWithinTable(c.headings.data(), static_cast<int>(c.headings.size()), c.h, 360.0f);
    if (std::isnan(c.expected)) {
      EXPECT_FALSE(got.has_value()) << c.table << " at " << c.h << ": " << got.value_or(0);
      continue;
    }
    ASSERT_TRUE(got.has_value()) << c.table << " at " << c.h;
    EXPECT_NEAR(*got, c.expected, 2e-4) << c.table << " at " << c.h;
  }
}

// Within the span of a table from 0 to 360 the heading comes back bit for bit: such a table reads
// as it always did.
TEST(TableSpan, AHeadingWithinTheSpanIsReturnedAsItIs) {
  const float radians[] = {0.0f, 3.1415927f, 6.2831864f};  // 0, 180, 360 deg as a reader stores them
  for (float h = 0.0f; h < 6.2831855f; h += 0.0123f) {
    const std::optional<float> got = headingWithinTable(radians, 3, h, 6.2831855f);
    ASSERT_TRUE(got.has_value()) << h;
    EXPECT_EQ(*got, h);
  }
}

TEST(TableSpan, TheHeadingStopNamesFileHeadingAndSpan) {
  ConsoleCapture console("\n");
  EXPECT_EQ(stopStatus([] {
              stopHeadingOutsideTable({.routine = "USRCRN", .unit = kScreenUnit, .inUnit = kKeyboardUnit,
                                       .file = "CRNTCOFS.txt", .headingDeg = 315.0f,
                                       .what = "the current from 135.00 deg off the bow", .lowestDeg = 0.0f,
                                       .highestDeg = 180.0f});
            }),
            kExitFatal);
  EXPECT_EQ(console.screen(),
            "\n ++> User file \"CRNTCOFS.txt\": its headings run from 0.00 to 180.00 deg, less\n"
            "     than a whole turn;\n"
            "     the analysis needs 315.00 deg there (the current from 135.00 deg off the\n"
            "     bow), and a table is not extrapolated.\n"
            "     Give the table a whole turn of headings, 0 to 360.\n\n\n Press <RETURN> to continue: ");
}

}  // namespace
}  // namespace qv
