#include "lowfreq/drift_tables.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <string>

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

constexpr double kDegPerRad = 57.2957764;

// A bilinear function of frequency [rad/s] and table heading [deg] per component: bilinear
// interpolation reproduces it everywhere, extrapolation beyond the ends included.
double coefficient(int component, double f, double headingDeg) {
  return component * (0.1 + f) + 0.001 * headingDeg + 0.005 * f * headingDeg;
}

// Headings 0, 90, 180, 360, each block from 0.2 to 0.6 rad/s: with `ownFrequencies` the middle
// frequency of the blocks is 0.4, 0.45, 0.5 and 0.55 (a file that tabulates each heading where its
// own computation put the points), else 0.4 in all.
std::string driftFile(double scale = 1.0, const char* counts = "3 4", bool ownFrequencies = true) {
  std::ostringstream out;
  out << counts << "\n";
  const double headings[] = {0, 90, 180, 360};
  for (int j = 0; j < 4; ++j) {
    out << headings[j] << "\n";
    const double frequencies[] = {0.2, ownFrequencies ? 0.4 + 0.05 * j : 0.4, 0.6};
    for (const double f : frequencies) {
      out << f << ", " << scale * coefficient(1, f, headings[j]) << " " << scale * coefficient(2, f, headings[j])
          << " " << scale * coefficient(3, f, headings[j]) << "\n";
    }
  }
  return out.str();
}

float drift(float f, int component, double directionDeg, const char* name = "DRFTCOFS.txt",
            int unit = kScreenUnit) {
  return DRFTCB(f, component, static_cast<float>(directionDeg / kDegPerRad), unit, kKeyboardUnit, makeText<13>(name));
}

class DriftTables : public ::testing::Test {
 protected:
  void SetUp() override { driftTableState.reset(); }
  void TearDown() override { closeAllUnits(); }
  TempDir dir;
};

// The function the table samples comes back at the nodes and between them, whether the blocks share
// their frequencies or each holds its own: every block is read at its own.
TEST_F(DriftTables, NodesAndBilinearValues) {
  struct Case {
    float f;
    double direction;  // wave direction [deg]; the table heading is direction + 180
    double heading;
  };
  const Case cases[] = {
      {0.2f, 180, 0},  {0.4f, -90, 90},  {0.6f, 0, 180},     {0.4f, 179.99, 359.99},
      {0.3f, 45, 225}, {0.55f, -150, 30}, {0.25f, 90, 270}, {0.45f, -90, 90}, {0.5f, 0, 180},
  };
  for (const bool own : {false, true}) {
    driftTableState.reset();
    writeFileText("DRFTCOFS.txt", driftFile(1.0, "3 4", own));
    for (const Case& c : cases) {
      for (int component = 1; component <= 3; ++component) {
        EXPECT_TRUE(IsClose(drift(c.f, component, c.direction), coefficient(component, c.f, c.heading), 1e-5, 1e-5))
            << c.f << " rad/s, " << c.direction << " deg, component " << component << (own ? ", own frequencies" : "");
      }
    }
  }
}

// A block whose frequencies differ from the first block's serves with its own: the first block's
// would take the 90-degree block's point at 0.45 rad/s for one at 0.4 and be wrong by the slope
// between them (here 0.05 x (1 + 0.005 x 90) = 0.0725 for the surge).
TEST_F(DriftTables, ALaterBlockIsReadAtItsOwnFrequencies) {
  std::ostringstream file;
  file << "2 2\n0\n0.2 1 0 0\n0.4 1 0 0\n90\n0.25 " << coefficient(1, 0.25, 90) << " 0 0\n0.45 "
       << coefficient(1, 0.45, 90) << " 0 0\n";
  writeFileText("DRFTCOFS.txt", file.str());
  EXPECT_TRUE(IsClose(drift(0.4f, 1, -90), coefficient(1, 0.4, 90), 1e-5)) << drift(0.4f, 1, -90);
  // The frequency outside the 90-degree block (below its 0.25) but inside the first: the warning.
  ConsoleCapture console("\n");
  EXPECT_TRUE(IsClose(drift(0.2f, 1, -90), coefficient(1, 0.2, 90), 1e-5));
  EXPECT_TRUE(contains(console.screen(), " ++> Warning: Frequency outside user-supplied drift coefficient\n"));
}

TEST_F(DriftTables, ExtrapolationWarnsOncePerRun) {
  writeFileText("DRFTCOFS.txt", driftFile());
  writeFileText("TANKDRFT.txt", driftFile(2.0));
  ConsoleCapture console("\n");
  EXPECT_TRUE(IsClose(drift(0.8f, 2, 0), coefficient(2, 0.8, 180), 1e-5));
  EXPECT_EQ(console.screen(),
            "\n ++> Warning: Frequency outside user-supplied drift coefficient\n"
            "     range; \"continue\" to extrapolate outside available range.\n"
            "\a\n Enter \"A\" to abort or Press <RETURN> to continue: ");
  // Later frequencies outside, in this table or another, go on silently.
  const std::string warned = console.screen();
  EXPECT_TRUE(IsClose(drift(0.1f, 1, 0), coefficient(1, 0.1, 180), 1e-5));
  EXPECT_TRUE(IsClose(drift(0.1f, 1, 0, "TANKDRFT.txt"), 2.0 * coefficient(1, 0.1, 180), 1e-5));
  EXPECT_EQ(console.screen(), warned);
}

TEST_F(DriftTables, ExtrapolationStopsOnAbortOrUnattended) {
  writeFileText("DRFTCOFS.txt", driftFile());
  {
    ConsoleCapture console("a\n");
    EXPECT_EQ(stopStatus([] { drift(0.1f, 1, 0); }), kExitFatal);
  }
  driftTableState.reset();
  ConsoleCapture console;
  EXPECT_EQ(stopStatus([] { drift(0.1f, 1, 0, "DRFTCOFS.txt", kDiagnosticsUnit); }), kExitFatal);
  EXPECT_EQ(console.screen().find("Enter"), std::string::npos);
}

TEST_F(DriftTables, FileIsReadOncePerName) {
  writeFileText("DRFTCOFS.txt", driftFile());
  writeFileText("BUOYDRFT.txt", driftFile(3.0, "3.0 4.9"));  // counts are read as reals and truncated
  EXPECT_TRUE(IsClose(drift(0.4f, 3, 0), coefficient(3, 0.4, 180), 1e-6));
  writeFileText("DRFTCOFS.txt", driftFile(5.0));
  EXPECT_TRUE(IsClose(drift(0.4f, 3, 0), coefficient(3, 0.4, 180), 1e-6));
  EXPECT_TRUE(IsClose(drift(0.4f, 3, 0, "BUOYDRFT.txt"), 3.0 * coefficient(3, 0.4, 180), 1e-6));
  EXPECT_TRUE(IsClose(drift(0.4f, 3, 0), 5.0 * coefficient(3, 0.4, 180), 1e-6));
}

// Every value the table keeps is bounded by what it is; the first one beyond is refused naming the
// file, its line and its column among the values of that line (a row read on from a later line names
// both lines and its place in the row). The file of driftFile: line 1 the counts, line 2 heading 0,
// lines 3 to 5 its frequencies, line 6 heading 90, line 7 its first frequency, line 10 heading 180.
TEST_F(DriftTables, AValueBeyondWhatItIsIsRefusedNamingItsLineAndColumn) {
  struct Case {
    const char* what;
    std::string from, to;  // the text replaced in the file
    std::string found;     // the message's first line after " ++> "
    std::string need;
  };
  const std::string coefficientNeed = "     the analysis needs a value from -100.00 to 100.00 (a hundred is no hull's drift coefficient).";
  const std::string orderNeed = " (the frequencies of a heading block strictly monotonic).";
  const Case cases[] = {
      {"a surge coefficient of 3.4e38", "\n90\n0.2, ", "\n90\n0.2, 3.4e38 ",
       "User file \"DRFTCOFS.txt\", line 7, column 2 (the surge coefficient) is 3.4000E+38;", coefficientNeed},
      {"a heading of 400 degrees", "\n180\n", "\n400\n",
       "User file \"DRFTCOFS.txt\", line 10, column 1 (a heading) is 400.00;",
       "     the analysis needs a value from -360.00 to 360.00 (degrees: one turn either way)."},
      {"a frequency of 70 rad/s", "\n0\n0.2, ", "\n0\n70, ",
       "User file \"DRFTCOFS.txt\", line 3, column 1 (a frequency) is 70.00;",
       "     the analysis needs a value from 0.00 to 62.83 (rad/s: waves of 0.1 s and longer)."},
      {"a row read on from the next line", "\n90\n0.2, ", "\n90\n0.2, 1e3\n",
       "User file \"DRFTCOFS.txt\", lines 7 to 8, value 2 of the row (the surge coefficient) is 1000.00;",
       coefficientNeed},
      // Every block's frequencies are bounded alike, and ordered within their block.
      {"a frequency of 70 rad/s in a later block", "\n90\n0.2, ", "\n90\n70, ",
       "User file \"DRFTCOFS.txt\", line 7, column 1 (a frequency) is 70.00;",
       "     the analysis needs a value from 0.00 to 62.83 (rad/s: waves of 0.1 s and longer)."},
      {"a frequency repeated", "\n0\n0.2, ", "\n0\n0.4, ",
       "User file \"DRFTCOFS.txt\", line 4, column 1 (a frequency) is 0.40;",
       "     the analysis needs a value other than 0.40" + orderNeed},
      {"a later block's frequencies turning back", "\n180\n0.2, ", "\n180\n0.55, ",
       "User file \"DRFTCOFS.txt\", line 13, column 1 (a frequency) is 0.60;",
       "     the analysis needs a value below 0.50" + orderNeed},
  };
  for (const Case& c : cases) {
    driftTableState.reset();
    std::string text = driftFile();
    const std::size_t at = text.find(c.from);
    ASSERT_NE(at, std::string::npos) << c.what;
    text.replace(at, c.from.size(), c.to);
    writeFileText("DRFTCOFS.txt", text);
    ConsoleCapture console("\n");
    EXPECT_EQ(stopStatus([] { drift(0.4f, 1, 0); }), kExitFatal) << c.what;
    EXPECT_TRUE(contains(console.screen(), "\n ++> " + c.found + "\n" + c.need + "\n")) << c.what << "\n"
                                                                                        << console.screen();
  }
}

TEST_F(DriftTables, FilesThatCannotServeStop) {
  struct Case {
    const char* text;  // nullptr: no file
    std::string expected;
  };
  const std::string table = driftFile();
  const std::string badHeadings =
      "2 3\n0\n0.2 1 1 1\n0.4 1 1 1\n90\n0.2 1 1 1\n0.4 1 1 1\n30\n0.2 1 1 1\n0.4 1 1 1\n";
  const Case cases[] = {
      {nullptr,
       "\n ++>  User-supplied drift force coefficients \"DRFTCOFS.txt \" not found.\n\n\n Press <RETURN> to continue: "},
      {"122 4\n",
       "\n ++>  User-supplied drift force coefficient array \n      dimensions = [122,  4] out of range; allowable\n"
       "      dimensions = [121,145]\n\n\n Press <RETURN> to continue: "},
      {"3 146\n",
       "\n ++>  User-supplied drift force coefficient array \n      dimensions = [  3,146] out of range; allowable\n"
       "      dimensions = [121,145]\n\n\n Press <RETURN> to continue: "},
      {"3 1\n",
       "\n ++>  User-supplied drift force coefficient array \n      dimensions = [  3,  1] out of range; allowable\n"
       "      dimensions = [121,145]\n\n\n Press <RETURN> to continue: "},
      {badHeadings.c_str(),
       "\n ++>  User-supplied drift force coefficient array \n"
       "      row [  3] out of order; headings must be strictly monotonic\n\n\n Press <RETURN> to continue: "},
      {"3 4\n0\n0.2 1 1\n",
       "\n ++> End of file or related file error in routine DRFTCB\n     file name DRFTCOFS.txt \n\n"
       " Press <RETURN> to continue: "},
  };
  for (const Case& c : cases) {
    driftTableState.reset();
    std::remove("DRFTCOFS.txt");
    if (c.text) writeFileText("DRFTCOFS.txt", c.text);
    ConsoleCapture console("\n");
    EXPECT_EQ(stopStatus([] { drift(0.4f, 1, 0); }), kExitFatal);
    EXPECT_EQ(console.screen(), c.expected);
  }
}

TEST(Intrp4, HeadingFirstThenFrequency) {
  // C(i, j) with a first dimension of 121; the cell (1, 1)-(2, 2).
  static float c[121 * 2] = {};
  c[0] = 1.0f;    // C(1, 1)
  c[1] = 3.0f;    // C(2, 1)
  c[121] = 5.0f;  // C(1, 2)
  c[122] = 11.0f; // C(2, 2)
  const float w[] = {0.5f, 1.0f};
  const float a[] = {0.0f, 2.0f};
  float result = 0.0f;
  INTRP4(c, w, a, 0.75f, 0.5f, result, 1, 1, 0, 0);
  // Along the heading: 1 + 4/4 = 2 at f = 0.5, 3 + 8/4 = 5 at f = 1; then halfway: 3.5.
  EXPECT_EQ(result, 3.5f);
  INTRP4(c, w, a, 1.0f, 2.0f, result, 1, 1, 0, 0);
  EXPECT_EQ(result, 11.0f);
}

}  // namespace
}  // namespace qv
