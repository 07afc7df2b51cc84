#include "lowfreq/drift_tables.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "dataset/tpcm.h"
#include "platform/units.h"
#include "support/checks.h"
#include "support/console_capture.h"
#include "support/fresh_run.h"
#include "support/temp_dir.h"
#include "waves/wavcom.h"

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

// The screen of a lookup in driftFile() with its first `from` replaced by `to`, which must stop the
// run.
std::string stopOnEditedFile(const std::string& from, const std::string& to) {
  driftTableState.reset();
  std::string text = driftFile();
  const std::size_t at = text.find(from);
  if (at == std::string::npos) {
    ADD_FAILURE() << "driftFile() holds no \"" << from << "\"";
    return "";
  }
  text.replace(at, from.size(), to);
  writeFileText("DRFTCOFS.txt", text);
  ConsoleCapture console("\n");
  EXPECT_EQ(stopStatus([] { drift(0.4f, 1, 0); }), kExitFatal) << to;
  return console.screen();
}

class DriftTables : public testing_support::FreshRun {
 protected:
  void TearDown() override {
    closeAllUnits();
    FreshRun::TearDown();
  }
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
  EXPECT_TRUE(contains(console.screen(),
                       " ++> Warning: Frequency outside user-supplied drift coefficient range:\n"
                       "     \"DRFTCOFS.txt\" holds 0.25 to 0.40 rad/s; the run needs 0.20 rad/s here.\n"))
      << console.screen();
}

// The warning names the file, the frequencies it holds, those of the run's wave grid and the one in
// hand, and what to change.
TEST_F(DriftTables, ExtrapolationWarnsOncePerRun) {
  writeFileText("DRFTCOFS.txt", driftFile());
  writeFileText("TANKDRFT.txt", driftFile(2.0));
  // A grid of periods 6.28, 10.47 and 15.71 s.
  TPCM.NWP = 3;
  WAVCOM.W(1) = 1.0f;
  WAVCOM.W(2) = 0.6f;
  WAVCOM.W(3) = 0.4f;
  ConsoleCapture console("\n");
  EXPECT_TRUE(IsClose(drift(0.8f, 2, 0), coefficient(2, 0.8, 180), 1e-5));
  EXPECT_EQ(console.screen(),
            "\n ++> Warning: Frequency outside user-supplied drift coefficient range:\n"
            "     \"DRFTCOFS.txt\" holds 0.20 to 0.60 rad/s; the run needs 0.80 rad/s here,\n"
            "     and 0.40 to 1.00 rad/s over its wave periods (page 14, item 2). Extend the\n"
            "     table over the run's frequencies, or choose wave periods within its range;\n"
            "     \"continue\" to extrapolate outside available range.\n"
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
  const std::string coefficientNeed =
      "     the analysis needs a value from -100.00 to 100.00 (a hundred is no hull's\n"
      "     drift coefficient).";
  const std::string rangeNeed = "     the analysis needs a value from 0.00 to 62.83 (rad/s: waves of 0.1 s and\n     longer).";
  const Case cases[] = {
      // Heading 90, frequency 0.2: the surge coefficient 0.3 + 0.09 + 0.09.
      {"a surge coefficient of 3.4e38", "\n90\n0.2, 0.48 ", "\n90\n0.2, 3.4e38 ",
       "User file \"DRFTCOFS.txt\", line 7, column 2 (the surge coefficient)\n     is 3.4000E+38;", coefficientNeed},
      {"a heading of 400 degrees", "\n180\n", "\n400\n",
       "User file \"DRFTCOFS.txt\", line 10, column 1 (a heading) is 400.00;",
       "     the analysis needs a value from -360.00 to 360.00 (degrees: one turn either\n     way)."},
      {"a frequency of 70 rad/s", "\n0\n0.2, ", "\n0\n70, ",
       "User file \"DRFTCOFS.txt\", line 3, column 1 (a frequency) is 70.00;", rangeNeed},
      // Every block's frequencies are bounded alike, and ordered within their block: the message
      // names the frequency before, and its line.
      {"a frequency of 70 rad/s in a later block", "\n90\n0.2, ", "\n90\n70, ",
       "User file \"DRFTCOFS.txt\", line 7, column 1 (a frequency) is 70.00;", rangeNeed},
      {"a frequency repeated", "\n0\n0.2, ", "\n0\n0.4, ",
       "User file \"DRFTCOFS.txt\", line 4, column 1 (a frequency) is 0.40;",
       "     the analysis needs a value other than 0.40, the frequency on line 3 (the\n"
       "     frequencies of a heading block strictly monotonic, rising or falling)."},
      {"a later block's frequencies turning back", "\n180\n0.2, ", "\n180\n0.55, ",
       "User file \"DRFTCOFS.txt\", line 13, column 1 (a frequency) is 0.60;",
       "     the analysis needs a value below 0.50, the frequency on line 12 (the\n"
       "     frequencies of a heading block falling strictly, as their first two do)."},
  };
  for (const Case& c : cases) {
    const std::string screen = stopOnEditedFile(c.from, c.to);
    EXPECT_TRUE(contains(screen, "\n ++> " + c.found + "\n" + c.need + "\n")) << c.what << "\n" << screen;
  }
}

TEST_F(DriftTables, FilesThatCannotServeStop) {
  struct Case {
    const char* text;  // nullptr: no file
    std::string expected;
  };
  const std::string table = driftFile();
  const std::string oneBlockMore = table + "450\n0.2 1 1 1\n";
  const std::string badHeadings =
      "2 3\n0\n0.2 1 1 1\n0.4 1 1 1\n90\n0.2 1 1 1\n0.4 1 1 1\n30\n0.2 1 1 1\n0.4 1 1 1\n";
  const Case cases[] = {
      {nullptr,
       "\n ++>  User-supplied drift force coefficients \"DRFTCOFS.txt\" not found.\n\n\n Press <RETURN> to continue: "},
      {"122 4\n",
       "\n ++>  User-supplied drift force coefficient array in DRFTCOFS.txt\n      dimensions = [122,  4] out of range; allowable\n"
       "      dimensions = [  2 to 121,  2 to 145]\n\n\n Press <RETURN> to continue: "},
      {"3 146\n",
       "\n ++>  User-supplied drift force coefficient array in DRFTCOFS.txt\n      dimensions = [  3,146] out of range; allowable\n"
       "      dimensions = [  2 to 121,  2 to 145]\n\n\n Press <RETURN> to continue: "},
      {"3 1\n",
       "\n ++>  User-supplied drift force coefficient array in DRFTCOFS.txt\n      dimensions = [  3,  1] out of range; allowable\n"
       "      dimensions = [  2 to 121,  2 to 145]\n\n\n Press <RETURN> to continue: "},
      // A heading out of order is named by its line, with the heading before it and that one's line.
      {badHeadings.c_str(),
       "\n ++> User file \"DRFTCOFS.txt\", line 8, column 1 (a heading) is 30.00;\n"
       "     the analysis needs a value above 90.00, the heading on line 5 (the headings\n"
       "     rising strictly, as their first two do).\n\n\n Press <RETURN> to continue: "},
      // A heading block more than the counts give.
      {oneBlockMore.c_str(),
       "\n ++> User file \"DRFTCOFS.txt\": line 18 holds a row after the 4 heading blocks\n"
       "     of 3 frequencies that line 1 counts;\n"
       "     the analysis needs line 1 to count every row, or the rows after them\n"
       "     removed (a note after the last row begins with a word that is no number).\n\n\n"
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

// A row that cannot be read is named by its line and what is wrong there, with what the row holds;
// every row lies on a line of its own. The file of driftFile: line 1 the counts, line 2 heading 0,
// lines 3 to 5 its frequencies, line 6 heading 90, line 7 its first frequency.
TEST_F(DriftTables, AnUnreadableRowIsNamedByItsLine) {
  struct Case {
    const char* what;
    std::string from, to;  // the text replaced in driftFile's
    std::string found;     // after the file's name
    std::string need;      // after "the analysis needs "
  };
  const std::string row = " there: 4 values (frequency,\n     surge, sway and yaw coefficients)";
  const std::string row1 = "row 1 of heading block 2 there: 4 values (frequency,\n     surge, sway and yaw coefficients)";
  const Case cases[] = {
      {"a row of three values", "\n90\n0.2, ", "\n90\n", "line 7 holds 3 values", row1},
      {"a row running on to the next line", "\n90\n0.2, ", "\n90\n0.2\n", "line 7 holds 1 value", row1},
      {"a heading that is no number", "\n90\n", "\nninety\n",
       "line 6, column 1 holds \"ninety\", which is no\n     number", "the heading of block 2 of 4 there: 1 value"},
      {"a count missing", "3 4\n", "3\n", "line 1 holds 1 value", "the counts there: 2 values (frequencies, headings)"},
      {"a coefficient that is no number", "\n180\n0.2, ", "\n180\n0.2, one ",
       "line 11, column 2 holds \"one\", which is no\n     number",
       "row 1 of heading block 3 there: 4 values (frequency,\n     surge, sway and yaw coefficients)"},
      // A heading line that holds a row, where the row before it is short of a value.
      {"a heading line holding a row", "\n90\n", "\n90 0.2, 1, 1, 1\n",
       "line 6 holds 5 values where its row has 1",
       "the heading of block 2 of 4 there: 1 value"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(stopOnEditedFile(c.from, c.to), "\n ++> User file \"DRFTCOFS.txt\": " + std::string(c.found) +
                                                   ";\n     the analysis needs " + c.need +
                                                   ".\n\n\n Press <RETURN> to continue: ")
        << c.what;
  }
  // The end of the file within a block.
  driftTableState.reset();
  writeFileText("DRFTCOFS.txt", "3 4\n0\n0.2 1 1 1\n");
  ConsoleCapture console("\n");
  EXPECT_EQ(stopStatus([] { drift(0.4f, 1, 0); }), kExitFatal);
  EXPECT_TRUE(contains(console.screen(), " ++> User file \"DRFTCOFS.txt\": the file ends after line 3;\n"
                                         "     the analysis needs row 2 of heading block 1" + row + ".\n"))
      << console.screen();
}

// A smooth drift table, as a hull's might be: surge -A(w) cos b, sway -B(w) sin b, yaw -D(w) sin 2b,
// b the wave direction (the file's heading less 180 degrees), with A = 0.4 + 0.3 w^2,
// B = 0.8 w / (1 + w^2), D = 0.05 w.
double analyticDrift(int component, double w, double b) {
  switch (component) {
    case 1: return -(0.4 + 0.3 * w * w) * std::cos(b);
    case 2: return -(0.8 * w / (1.0 + w * w)) * std::sin(b);
    default: return -(0.05 * w) * std::sin(2.0 * b);
  }
}

// The table at 19 frequencies 0.2 to 2.0 rad/s and 145 headings 2.5 degrees apart from `first` in
// steps of `step`.
std::string analyticDriftFile(double first, double step) {
  std::ostringstream out;
  out.precision(9);
  out << "19 145\n";
  for (int j = 0; j < 145; ++j) {
    const double H = first + step * j;
    out << H << "\n";
    for (int i = 0; i < 19; ++i) {
      const double w = 0.2 + 0.1 * i;
      const double b = (H - 180.0) / 57.29577951308232;
      out << w << " " << analyticDrift(1, w, b) << " " << analyticDrift(2, w, b) << " " << analyticDrift(3, w, b)
          << "\n";
    }
  }
  return out.str();
}

// One table of a whole turn, labelled from 0 to 360, from -180 to 180 or descending, gives one answer
// at every direction, and that answer is the analytic table's between its rows and headings. Bilinear
// interpolation misses a smooth f by at most max|f''| h^2 / 8 in each direction: in frequency (h = 0.1
// rad/s) 7.5e-4 for the surge, 1.5e-3 for the sway, nothing for the yaw; in heading (h = 2.5 degrees)
// 2.4e-4 times the amplitude (1.6 at most), 4 times that for the yaw's 2b.
TEST_F(DriftTables, ATableOverAnyTurnGivesTheAnalyticDrift) {
  struct Labelling {
    const char* what;
    double first, step;
  };
  const Labelling labellings[] = {
      {"0 to 360", 0.0, 2.5}, {"-180 to 180", -180.0, 2.5}, {"360 down to 0", 360.0, -2.5},
      {"180 down to -180", 180.0, -2.5},
  };
  const double tolerance[] = {1.2e-3, 1.8e-3, 1.2e-4};
  std::vector<float> reference;
  for (const Labelling& l : labellings) {
    driftTableState.reset();
    writeFileText("DRFTCOFS.txt", analyticDriftFile(l.first, l.step));
    std::size_t n = 0;
    for (double d = -180.0; d <= 180.0; d += 3.7) {
      for (const float w : {0.2f, 0.37f, 0.95f, 1.55f, 2.0f}) {
        for (int component = 1; component <= 3; ++component) {
          const float got = drift(w, component, d);
          EXPECT_TRUE(IsClose(got, analyticDrift(component, w, d / kDegPerRad), 0.0, tolerance[component - 1]))
              << l.what << ": " << w << " rad/s, " << d << " deg, component " << component;
          if (reference.size() <= n) {
            reference.push_back(got);
          } else {
            EXPECT_TRUE(IsClose(got, reference[n], 0.0, 1e-5)) << l.what << " against 0 to 360: " << w << " rad/s, "
                                                               << d << " deg, component " << component;
          }
          ++n;
        }
      }
    }
  }
}

// A table of less than a turn serves within its headings; a run that needs a heading beyond them
// stops, naming the file, the heading in the file's convention and what it is, and the table's
// headings.
TEST_F(DriftTables, ATableOfLessThanATurnStopsWhereTheRunLeavesIt) {
  writeFileText("DRFTCOFS.txt", "2 3\n90\n0.2 1 1 1\n0.6 1 1 1\n180\n0.2 2 2 2\n0.6 2 2 2\n"
                                "270\n0.2 3 3 3\n0.6 3 3 3\n");
  EXPECT_TRUE(IsClose(drift(0.4f, 1, 45), 2.5, 1e-6));  // file heading 225
  ConsoleCapture console("\n");
  EXPECT_EQ(stopStatus([] { drift(0.4f, 1, 150); }), kExitFatal);  // file heading 330
  EXPECT_EQ(console.screen(),
            "\n ++> User file \"DRFTCOFS.txt\": its headings run from 90.00 to 270.00 deg, less\n"
            "     than a whole turn;\n"
            "     the analysis needs 330.00 deg there (the waves from 150.00 deg off the bow,\n"
            "     the file's heading their direction plus 180), and a table is not\n"
            "     extrapolated.\n"
            "     Give the table a whole turn of headings, 0 to 360.\n\n\n Press <RETURN> to continue: ");
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
