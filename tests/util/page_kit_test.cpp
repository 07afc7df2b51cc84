// The line kit of the vessel pages: header, label lines with their leader, value lines, unit labels
// and the warning pacer.
#include <gtest/gtest.h>

#include "platform/units.h"
#include "support/console_capture.h"
#include "util/page_kit.h"

namespace qv {
namespace {

using testing_support::ConsoleCapture;

TEST(Paghdr, AsterisksSizedFromTheWidth) {
  ConsoleCapture console;
  // L = 1 + 6 + 28 + 7 = 42; (74 - 42 - 4) / 2 = 14 asterisks a side; a 75-character line.
  PAGHDR("5", "Vessel", " Hydrostatic Characteristics", 74, kScreenUnit, 0);
  const std::string line = " " + std::string(14, '*') + "  Page 5: Vessel Hydrostatic Characteristics  " +
                           std::string(14, '*');
  EXPECT_EQ(line.size(), 75u);
  EXPECT_EQ(console.screen(), "\f" + line + "\n\n");
}

TEST(Paghdr, TooLongForTheWidthAndCopyMode) {
  ConsoleCapture console;
  // L = 2 + 6 + 36 + 7 = 51; (50 - 51 - 4) / 2 = -2: single blanks in place of the asterisks.
  PAGHDR("12", "Vessel", " Something Quite Long For This Width", 50, kScreenUnit, 1);
  EXPECT_EQ(console.screen(), "    Page 12: Vessel Something Quite Long For This Width   \n\n");
}

TEST(Edlnot, LeaderEndsInTheWidthColumn) {
  Text<79> line;
  EDLNOT(line, 3, "Vessel displacement", 57);
  const std::string expected = "  3) Vessel displacement " + std::string(33, '.');
  EXPECT_EQ(line.trimmed(), expected);
  EXPECT_EQ(expected.size(), 58u);  // width + 1; pages show the first 57

  // n = 57 - 51 - 5 = 1: a single blank, not a dot.
  EDLNOT(line, 12, std::string(51, 'L'), 57);
  EXPECT_EQ(line.view().substr(0, 58), " 12) " + std::string(51, 'L') + "  ");
}

TEST(ValueLines, LayoutsOfTheVesselPages) {
  ConsoleCapture console;
  std::int32_t item = 1;
  const ItemFormat page5{.labelColumns = 57, .valueWidth = 11, .decimals = 2, .unitGap = 1, .unitColumns = 6};
  const ItemFormat yesNo{.labelColumns = 57, .valueGap = 3, .valueWidth = 3};
  const ItemFormat typeName{.labelColumns = 57};
  const ItemFormat page7real{.labelColumns = 57, .valueWidth = 9, .decimals = 2};
  OUTCFU(item, "Vessel displacement", 123.456f, page5, 0 + 1, kScreenUnit, 57);
  OUTCC0(item, "Use estimator", "Yes", yesNo, kScreenUnit, 57);
  OUTCC0(item, "Vessel type", "Displacement hull", typeName, kScreenUnit, 57);
  OUTCF0(item, "Roll damping", 5.0f, page7real, kScreenUnit, 57);
  OUTCI0(item, "Count", 42, ItemFormat{.labelColumns = 57, .valueWidth = 5}, kScreenUnit, 57);
  OUTTXT(item, "Plain note", kScreenUnit);
  EXPECT_EQ(item, 7);
  const std::string expected =
      "  1) Vessel displacement " + std::string(32, '.') + "     123.46 m.ton \n" +
      "  2) Use estimator " + std::string(38, '.') + "   Yes\n" +
      "  3) Vessel type " + std::string(40, '.') + "Displacement hull\n" +
      "  4) Roll damping " + std::string(39, '.') + "     5.00\n" +
      "  5) Count " + std::string(46, '.') + "   42\n" +
      "  6) Plain note\n";
  EXPECT_EQ(console.screen(), expected);
}

TEST(Eunit, LabelsByCode) {
  struct Case {
    std::int32_t code;
    const char* label;
  };
  const Case cases[] = {{0, "k.lbs      "}, {1, "m.ton      "}, {11, "lbs/ft^3   "}, {17, "height:    "},
                        {20, "m^2        "}, {21, "           "}, {22, "Index Error"}, {-1, "Index Error"}};
  for (const Case& c : cases) {
    Text<11> label;
    EUNIT(label, c.code);
    EXPECT_EQ(label.view(), c.label) << c.code;
  }
}

TEST(Wrninc, PausesOnlyMixedListsAtMultiples) {
  struct Case {
    std::int32_t nwarn, nfatal, every;
    bool pauses;
  };
  const Case cases[] = {{3, 4, 7, true}, {7, 0, 7, false}, {0, 14, 7, false}, {3, 3, 7, false}, {10, 4, 7, true}};
  for (const Case& c : cases) {
    ConsoleCapture console("\n");
    std::int32_t counter = c.nwarn;
    WRNINC(counter, c.nwarn, c.nfatal, kScreenUnit, kKeyboardUnit, c.every);
    EXPECT_EQ(counter, c.nwarn + 1);
    EXPECT_EQ(console.screen(), c.pauses ? "\n Press <RETURN> to continue: \f" : "")
        << c.nwarn << "+" << c.nfatal;
  }
}

}  // namespace
}  // namespace qv
