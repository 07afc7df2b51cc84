#include "lowfreq/user_coefficients.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>
#include <vector>

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
  for (int i = 0; i < 145; ++i) rows += std::to_string(i * 2.5) + " " + std::to_string(0.1 * i) + " 0 0\n";
  writeFileText("WINDCOFS.txt", coefficientFile(145, rows));
  EXPECT_TRUE(IsClose(windAt(1, -180 + 5), 0.2, 1e-5));  // file heading 5 degrees, row 3
  rows += "362.5 14.5 0 0\n";

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
    EXPECT_EQ(console.screen(), "\n ++>  User-supplied force coefficient array in CRNTCOFS.txt\n" +
                                    std::string(c.line) + "      dimension = [  2 to 145]\n\n\n Press <RETURN> to continue: ");
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
       "the analysis needs a value from -100.00 to 100.00 (a hundred is no hull's\n     coefficient)."},
      {"0 0.1 0.1 0.1\n-400 0.1 0.1 0.1\n", "line 3, column 1 (a heading) is -400.00;",
       "the analysis needs a value from -360.00 to 360.00 (degrees: one turn either\n     way)."},
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

// A heading out of order is named by its line, with the heading before it and that one's line.
TEST_F(UserCoefficients, HeadingsOutOfOrderAreRefused) {
  writeFileText("WINDCOFS.txt", coefficientFile(4, "0 1 1 1\n90 1 1 1\n90 1 1 1\n180 1 1 1\n"));
  ConsoleCapture console("\n");
  EXPECT_EQ(stopStatus([] { windAt(1, 0); }), kExitFatal);
  EXPECT_TRUE(contains(console.screen(), "\n ++> User file \"WINDCOFS.txt\", line 4, column 1 (a heading) is 90.00;\n"
                                         "     the analysis needs a value above 90.00, the heading on line 3 (the headings\n"
                                         "     rising strictly, as their first two do).\n"))
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
              "\n ++>  User-supplied force coefficients \"WINDCOFS.txt\" not found\n\n\a\n"
              " Enter \"A\" to abort or Press <RETURN> to continue: ");
  }
}

// A row that cannot be read is named by its line and what is wrong there, with what the row holds;
// each row lies on a line of its own.
TEST_F(UserCoefficients, AnUnreadableRowIsNamedByItsLine) {
  struct Case {
    const char* text;
    bool wind;
    const char* found;  // after the file's name
    const char* need;   // after "the analysis needs "
  };
  const Case cases[] = {
      {"3\n0 1 1 1\n90 1 1\n180 1 1 1\n", true, "line 3 holds 3 values",
       "row 2 of 3 there: 4 values (heading, CX, CY, CMZ)"},
      {"3\n0 1 1 1\n90 1 1 1\n", true, "the file ends after line 3",
       "row 3 of 3 there: 4 values (heading, CX, CY, CMZ)"},
      {"2\n0 1 x 1\n90 1 1 1\n", false, "line 2, column 3 holds \"x\", which is no number",
       "row 1 of 2 there: 4 values (heading, CX, CY, CMZ)"},
      {"", false, "the file is empty", "the count there: 1 value (the number of rows that\n     follow, 2 to 145)"},
      {"two\n", true, "line 1, column 1 holds \"two\", which is no number",
       "the count there: 1 value (the number of rows that\n     follow, 2 to 145)"},
      // A decimal comma makes two numbers of one: the line holds more than its row, which would take
      // "0,90" as a CX of 0 and a CY of 90.
      {"2\n0,0 0,90 0,00 0,00\n180,0 -0,90 0,00 0,00\n", true,
       "line 2 holds 8 values where its row has 4 (a\n     comma separates values: write 0.90, not 0,90)",
       "row 1 of 2 there: 4 values (heading, CX, CY, CMZ)"},
      // A count one short of the rows: the last row is named, not dropped.
      {"2\n0 1 1 1\n180 1 1 1\n360 1 1 1\n", false,
       "line 4 holds a row after the 2 rows that line 1\n     counts",
       "line 1 to count every row, or the rows after them\n     removed (a note after the last row begins with a word "
       "that is no number)"},
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
    EXPECT_EQ(console.screen(), "\n ++> User file \"" + std::string(name) + "\": " + c.found +
                                    ";\n     the analysis needs " + c.need + ".\n\n\n Press <RETURN> to continue: ")
        << c.text;
  }
}

// The cylinder's coefficients in closed form, in the file's convention (its heading H is the flow's
// relative direction a plus 180 degrees): CX = -cos a, CY = -sin a, and a moment from arms of 0.1 and
// 0.02 of the length, CMZ = 0.1 cos a - 0.02 sin a.
struct Cylinder {
  double cx, cy, cmz;
};
Cylinder cylinderAt(double a) {
  return {-std::cos(a), -std::sin(a), 0.1 * std::cos(a) - 0.02 * std::sin(a)};
}

// 145 rows 2.5 degrees apart from `first` in steps of `step`, each row the cylinder at its own
// heading: a whole turn, however it is labelled.
std::string cylinderFile(double first, double step) {
  std::ostringstream out;
  out.precision(9);
  out << "145\n";
  for (int k = 0; k < 145; ++k) {
    const double H = first + step * k;
    const Cylinder c = cylinderAt((H - 180.0) * kDeg);
    out << H << " " << c.cx << " " << c.cy << " " << c.cmz << "\n";
  }
  return out.str();
}

// One table of a whole turn, labelled from 0 to 360, from -180 to 180, or descending, gives one answer
// at every heading, and that answer is the cylinder's: its force obeys (Fx / (W Ax))^2 + (Fy / (W
// Ay))^2 = CX^2 + CY^2 = 1. Between rows 2.5 degrees apart the linear interpolation cuts the circle by
// at most 1 - cos(1.25 deg) = 2.4e-4.
TEST_F(UserCoefficients, ATableOverAnyTurnGivesTheCylinderAtEveryHeading) {
  struct Labelling {
    const char* what;
    double first, step;
  };
  const Labelling labellings[] = {
      {"0 to 360", 0.0, 2.5}, {"-180 to 180", -180.0, 2.5}, {"360 down to 0", 360.0, -2.5},
      {"180 down to -180", 180.0, -2.5}, {"-90 to 270", -90.0, 2.5},
  };
  std::vector<double> degrees;
  for (double d = -180.0; d <= 180.0; d += 0.7) degrees.push_back(d);
  for (double d : {-180.0, -90.0, -1.25, 0.0, 1.25, 90.0, 180.0}) degrees.push_back(d);
  std::vector<float> reference;  // the 0 to 360 table's values
  for (const Labelling& l : labellings) {
    userCoefficientState.reset();
    writeFileText("CRNTCOFS.txt", cylinderFile(l.first, l.step));
    std::size_t n = 0;
    for (const double d : degrees) {
      const float a = static_cast<float>(d * kDeg);
      const auto current = [a](int component) {
        return USRCRN(component, a, kScreenUnit, kKeyboardUnit, makeText<13>("CRNTCOFS.txt"));
      };
      const float values[] = {current(1), current(2), current(3)};
      const Cylinder exact = cylinderAt(a);
      EXPECT_TRUE(IsClose(values[0], exact.cx, 0.0, 3e-4)) << l.what << " at " << d;
      EXPECT_TRUE(IsClose(values[1], exact.cy, 0.0, 3e-4)) << l.what << " at " << d;
      EXPECT_TRUE(IsClose(values[2], exact.cmz, 0.0, 4e-5)) << l.what << " at " << d;
      const double circle = double(values[0]) * values[0] + double(values[1]) * values[1];
      EXPECT_TRUE(IsClose(circle, 1.0, 0.0, 5e-4)) << l.what << " at " << d;
      for (const float v : values) {
        if (reference.size() < 3 * degrees.size()) {
          reference.push_back(v);
        } else {
          EXPECT_TRUE(IsClose(v, reference[n], 0.0, 2e-6)) << l.what << " against 0 to 360 at " << d;
        }
        ++n;
      }
    }
  }
}

// A table of less than a turn serves within its headings (and the same headings a turn away); a run
// that needs a heading beyond them stops, naming the file, the heading in the file's convention and
// what it is, the table's headings and what to change.
TEST_F(UserCoefficients, ATableOfLessThanATurnStopsWhereTheRunLeavesIt) {
  writeFileText("CRNTCOFS.txt", coefficientFile(3, "180 -1 0 0\n90 0 1 0\n0 1 0 0\n"));
  const auto current = [](double degrees) {
    return USRCRN(2, static_cast<float>(degrees * kDeg), kScreenUnit, kKeyboardUnit, makeText<13>("CRNTCOFS.txt"));
  };
  EXPECT_TRUE(IsClose(current(-90.0), 1.0, 0.0, 1e-6));   // file heading 90
  EXPECT_TRUE(IsClose(current(-135.0), 0.5, 0.0, 1e-6));  // file heading 45
  EXPECT_TRUE(IsClose(current(180.0), 0.0, 0.0, 1e-6));   // file heading 360, a turn above 0
  struct Case {
    double degrees;
    const char* heading;
    const char* what;
  };
  const Case cases[] = {
      {135.0, "315.00", "the current from 135.00 deg off the\n     bow,"},
      {1.0, "181.00", "the current from 1.00 deg off the bow,\n    "},
      {90.0, "270.00", "the current from 90.00 deg off the\n     bow,"},
  };
  for (const Case& c : cases) {
    ConsoleCapture console("\n");
    EXPECT_EQ(stopStatus([&] { current(c.degrees); }), kExitFatal) << c.degrees;
    EXPECT_EQ(console.screen(),
              "\n ++> User file \"CRNTCOFS.txt\": its headings run from 0.00 to 180.00 deg, less\n"
              "     than a whole turn;\n"
              "     the analysis needs " + std::string(c.heading) + " deg there (" + c.what +
                  " the file's heading its direction plus 180), and a table is not\n"
                  "     extrapolated.\n"
                  "     Give the table a whole turn of headings, 0 to 360.\n\n\n Press <RETURN> to continue: ")
        << c.degrees;
  }
}

}  // namespace
}  // namespace qv
