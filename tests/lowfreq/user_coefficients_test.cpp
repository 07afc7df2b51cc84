#include "lowfreq/user_coefficients.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "lowfreq/force_coefficients.h"
#include "platform/units.h"
#include "support/checks.h"
#include "support/console_capture.h"
#include "support/temp_dir.h"

namespace qv {
namespace {

using qv::testing_support::ConsoleCapture;
using qv::testing_support::contains;
using qv::testing_support::IsClose;
using qv::testing_support::stopStatus;
using qv::testing_support::TempDir;
using qv::testing_support::writeFileText;

constexpr double kPi = 3.14159265358979323846;
constexpr double kDeg = kPi / 180.0;

// A file of the given rows "heading cx cy cmz", with its count first.
std::string coefficientFile(int count, const std::string& rows) { return std::to_string(count) + "\n" + rows; }

// Headings 0 to 360 in steps of 90: CX = heading / 100, CY = -heading / 1000, CMZ = 1 + heading / 10.
const std::string kQuarterRows = "0, 0, 0, 1\n90 0.9 -0.09 10\n180,1.8,-0.18,19\n270 2.7 -0.27 28\n360 3.6 -0.36 37\n";

float windAt(int component, double degrees, const char* name = "WINDCOFS.txt") {
  return USRWND(component, static_cast<float>(degrees * kDeg), kScreenUnit, kKeyboardUnit, makeText<13>(name));
}

class UserCoefficients : public ::testing::Test {
 protected:
  void SetUp() override { userCoefficientState.reset(); }
  void TearDown() override { closeAllUnits(); }
  TempDir dir;
};

TEST(UserCoefficientFileNames, ByOriginatingTypeAndBody) {
  struct Case {
    std::int32_t creatr, ispm;
    const char* wind;
    const char* current;
  };
  const Case cases[] = {
      {13, 2, "BUOYWIND.txt ", "BUOYCRNT.txt "}, {13, 3, "TANKWIND.txt ", "TANKCRNT.txt "},
      {10, 2, "TUGWIND.txt  ", "TUGCRNT.txt  "}, {10, 3, "BARGWIND.txt ", "BARGCRNT.txt "},
      {11, 2, "WINDCOFS.txt ", "CRNTCOFS.txt "}, {13, 1, "WINDCOFS.txt ", "CRNTCOFS.txt "},
      {10, 0, "WINDCOFS.txt ", "CRNTCOFS.txt "},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(windCoefficientFile(c.creatr, c.ispm).view(), c.wind) << c.creatr << " " << c.ispm;
    EXPECT_EQ(currentCoefficientFile(c.creatr, c.ispm).view(), c.current) << c.creatr << " " << c.ispm;
  }
}

TEST_F(UserCoefficients, FileHeadingsAreTheFlowDirectionPlus180) {
  writeFileText("WINDCOFS.txt", coefficientFile(5, kQuarterRows));
  struct Case {
    double degrees;  // relative heading of the flow, 0 from ahead
    double fileHeading;
  };
  const Case cases[] = {{0, 180}, {180, 0}, {90, 270}, {-90, 90}, {-45, 135}, {30, 210}, {179.9, 359.9}};
  for (const Case& c : cases) {
    const double h = c.fileHeading;
    const double expected[] = {h / 100, -h / 1000, 1 + h / 10};
    for (int component = 1; component <= 3; ++component) {
      EXPECT_TRUE(IsClose(windAt(component, c.degrees), expected[component - 1], 1e-5, 1e-5))
          << c.degrees << " deg, component " << component;
    }
  }
}

TEST_F(UserCoefficients, FileIsReadOncePerName) {
  writeFileText("WINDCOFS.txt", coefficientFile(5, kQuarterRows));
  writeFileText("TANKWIND.txt", "2\n0 5 5 5\n360 5 5 5\n");
  writeFileText("CRNTCOFS.txt", "2\n0 -1 -1 -1\n360 -1 -1 -1\n");
  EXPECT_TRUE(IsClose(windAt(1, 0), 1.8, 1e-6));
  // A change on disk under the same name is not seen; the current reader keeps its own table.
  writeFileText("WINDCOFS.txt", "2\n0 7 7 7\n360 7 7 7\n");
  EXPECT_TRUE(IsClose(windAt(1, 0), 1.8, 1e-6));
  EXPECT_EQ(USRCRN(1, 0.0f, kScreenUnit, kKeyboardUnit, makeText<13>("CRNTCOFS.txt")), -1.0f);
  EXPECT_TRUE(IsClose(windAt(1, 0), 1.8, 1e-6));
  // Another name reloads, and coming back reads the changed file.
  EXPECT_EQ(windAt(2, 0, "TANKWIND.txt"), 5.0f);
  EXPECT_EQ(windAt(2, 0), 7.0f);
}

TEST_F(UserCoefficients, WindAndCurrentModelsChooseTheFileOfTheHull) {
  writeFileText("BARGCRNT.txt", "2\n0 0.5 0.5 0.5\n360 0.5 0.5 0.5\n");
  writeFileText("BUOYWIND.txt", "2\n0 0.25 0.25 0.25\n360 0.25 0.25 0.25\n");
  const std::int32_t userFile = 2 | 2 << 4 | 2 << 8;
  TRIGLD(0.4f);
  EXPECT_EQ(CRNTCF(3, userFile, 100, 0, 2, 0.4f, 1, 1, 1, 1, 300, 60, kScreenUnit, 3, 10), 0.5f);
  EXPECT_EQ(WINDCF(1, userFile, 100, 0, 1, 0.4f, 1, 1, 1, 1, 300, 60, kScreenUnit, 2, 13), 0.25f);
}

TEST_F(UserCoefficients, CountLimits) {
  std::string rows;
  for (int i = 0; i < 146; ++i) rows += std::to_string(i * 2.5) + " " + std::to_string(0.1 * i) + " 0 0\n";
  writeFileText("WINDCOFS.txt", coefficientFile(145, rows));
  EXPECT_TRUE(IsClose(windAt(1, -180 + 5), 0.2, 1e-5));  // file heading 5 degrees, row 3

  struct Case {
    int count;
    const char* line;
  };
  const Case cases[] = {
      {146, "      dimension = [146] out of range; allowable\n"},
      {1, "      dimension = [  1] out of range; allowable\n"},
      {0, "      dimension = [  0] out of range; allowable\n"},
      {-3, "      dimension = [ -3] out of range; allowable\n"},
  };
  for (const Case& c : cases) {
    userCoefficientState.reset();
    writeFileText("CRNTCOFS.txt", coefficientFile(c.count, rows));
    ConsoleCapture console("\n");
    EXPECT_EQ(stopStatus([] { USRCRN(1, 0.0f, kScreenUnit, kKeyboardUnit, makeText<13>("CRNTCOFS.txt")); }),
              kExitFatal);
    EXPECT_EQ(console.screen(), "\n ++>  User-supplied force coefficient array in CRNTCOFS.txt \n" +
                                    std::string(c.line) + "      dimension = [145]\n\n\n Press <RETURN> to continue: ");
  }
}

// A coefficient or heading beyond what it is is refused naming the file, line and column.
TEST_F(UserCoefficients, AValueBeyondWhatItIsIsRefusedNamingItsLineAndColumn) {
  struct Case {
    const char* rows;
    const char* found;
    const char* need;
  };
  const Case cases[] = {
      {"0 0.1 0.1 0.1\n90 0.1 1e30 0.1\n", "line 3, column 3 (CY) is 1.0000E+30;",
       "the analysis needs a value from -100.00 to 100.00 (a hundred is no hull's coefficient)."},
      {"0 0.1 0.1 0.1\n-400 0.1 0.1 0.1\n", "line 3, column 1 (a heading) is -400.00;",
       "the analysis needs a value from -360.00 to 360.00 (degrees: one turn either way)."},
  };
  for (const Case& c : cases) {
    userCoefficientState.reset();
    writeFileText("CRNTCOFS.txt", coefficientFile(2, c.rows));
    ConsoleCapture console("\n");
    EXPECT_EQ(stopStatus([] { USRCRN(1, 0.0f, kScreenUnit, kKeyboardUnit, makeText<13>("CRNTCOFS.txt")); }),
              kExitFatal);
    EXPECT_TRUE(contains(console.screen(), std::string("\n ++> User file \"CRNTCOFS.txt\", ") + c.found + "\n     " +
                                               c.need + "\n"))
        << console.screen();
  }
}

TEST_F(UserCoefficients, HeadingsOutOfOrderAreRefused) {
  writeFileText("WINDCOFS.txt", coefficientFile(4, "0 1 1 1\n90 1 1 1\n90 1 1 1\n180 1 1 1\n"));
  ConsoleCapture console("\n");
  EXPECT_EQ(stopStatus([] { windAt(1, 0); }), kExitFatal);
  EXPECT_TRUE(contains(console.screen(), " ++>  User-supplied force coefficient array in WINDCOFS.txt \n"
                                         "      row [  3] out of order; headings must be strictly monotonic\n"))
      << console.screen();
  // Descending headings are a table too.
  userCoefficientState.reset();
  writeFileText("WINDCOFS.txt", coefficientFile(3, "360 3 3 3\n180 2 2 2\n0 1 1 1\n"));
  EXPECT_TRUE(IsClose(windAt(1, 90), 2.5, 1e-6));
}

TEST_F(UserCoefficients, MissingFileStopsWhateverTheAnswer) {
  for (const char* answer : {"\n", "A\n"}) {
    userCoefficientState.reset();
    ConsoleCapture console(answer);
    EXPECT_EQ(stopStatus([] { windAt(1, 0); }), kExitFatal);
    EXPECT_EQ(console.screen(),
              "\n ++>  User-supplied force coefficients \"WINDCOFS.txt \" not found\n\n\a\n"
              " Enter \"A\" to abort or Press <RETURN> to continue: ");
  }
}

TEST_F(UserCoefficients, ReadErrorsNameTheReader) {
  struct Case {
    const char* text;
    bool wind;
    const char* label;
  };
  const Case cases[] = {
      {"3\n0 1 1 1\n90 1 1\n", true, "USRWND"},      // the file ends inside a row
      {"2\n0 1 x 1\n90 1 1 1\n", false, "USERWC"},    // a value that is not a number
      {"", false, "USERWC"},                          // no count at all
  };
  for (const Case& c : cases) {
    userCoefficientState.reset();
    const char* name = c.wind ? "WINDCOFS.txt" : "CRNTCOFS.txt";
    writeFileText(name, c.text);
    ConsoleCapture console("\n");
    EXPECT_EQ(stopStatus([&] {
                if (c.wind) windAt(1, 0);
                else USRCRN(1, 0.0f, kScreenUnit, kKeyboardUnit, makeText<13>(name));
              }),
              kExitFatal);
    EXPECT_EQ(console.screen(), "\n ++> End of file or related file error in routine " + std::string(c.label) +
                                    "\n     file name " + name + " \n\n Press <RETURN> to continue: ");
  }
}

}  // namespace
}  // namespace qv
