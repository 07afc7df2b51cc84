// User response operators: the table is read once per file name, reproduced at its nodes and
// interpolated bilinearly between them (and extrapolated beyond the frequencies after one warning),
// angles are turned into per unit amplitude and surge and sway moved to the rotation centres; a
// missing file gives unit operators; tables the interpolation cannot use stop the run.
//
// The tables hold operators that are bilinear in frequency and heading, f = a + b w + c h + d w h,
// which bilinear interpolation reproduces exactly in every cell and by extrapolation from the end
// cells, so the expected values come from the function itself.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "dataset/tpcm.h"
#include "hull/himem.h"
#include "platform/units.h"
#include "support/checks.h"
#include "support/console_capture.h"
#include "support/temp_dir.h"
#include "util/files.h"
#include "util/fortran_format.h"
#include "vessel/user_raos.h"
#include "waves/wavcom.h"

namespace qv {
namespace {

using testing_support::ConsoleCapture;
using testing_support::contains;
using testing_support::IsClose;
using testing_support::readFileText;
using testing_support::stopStatus;
using testing_support::TempDir;

// Operator k (0 surge .. 5 yaw) at frequency w [rad/s] and heading h [deg].
Complex operatorAt(int k, float w, float h, float scale = 1.0f) {
  const float a = 0.3f * static_cast<float>(k + 1);
  return scale * Complex(a + 0.5f * w + 0.01f * h + 0.002f * w * h, -a + 0.25f * w - 0.004f * h + 0.003f * w * h);
}

// A table file of the given frequencies and headings holding operatorAt (times scale); `split` puts
// each row on two lines, the frequency and the surge, sway and heave parts on the first.
void writeTable(const std::string& name, const std::vector<float>& freqs, const std::vector<float>& heads,
                float scale = 1.0f, bool split = false) {
  std::ofstream out(name);
  out << freqs.size() << ", " << heads.size() << "\n";
  for (const float h : heads) {
    out << h << "\n";
    for (const float w : freqs) {
      out << w;
      for (int k = 0; k < 6; ++k) {
        const Complex x = operatorAt(k, w, h, scale);
        out << (split && k == 3 ? "\n" : " ") << x.real() << " " << x.imag();
      }
      out << "\n";
    }
  }
}

// Grid frequencies and wave numbers of the test grid (descending frequencies, as on a period grid).
const std::vector<float> kGridW = {1.0f, 0.6f, 0.4f, 0.2f};
const std::vector<float> kGridK = {0.031f, 0.0112f, 0.005f, 0.0013f};

class UserRaoTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::memset(&TPCM, 0, sizeof TPCM);
    TPCM.EDUNIT = 6;
    TPCM.NWP = static_cast<std::int32_t>(kGridW.size());
    TPCM.TVKG = 30.0f;
    WAVCOM.reset();
    resetHimem();
    layOutHimem();
    for (int i = 1; i <= TPCM.NWP; ++i) {
      HIMEM.IW = i;
      INDXUP();
      HIMEM.RLDUM(HIMEM.LW) = kGridW[i - 1];
      HIMEM.RLDUM(HIMEM.LWK) = kGridK[i - 1];
    }
    HIMEM.VTCRP = 30.0f;
    HIMEM.VTCRR = 30.0f;
    USRRAO_STATE.reset();
  }

  // The operators of grid point i, surge .. yaw.
  std::vector<Complex> operatorsAt(int i) {
    HIMEM.IW = i;
    INDXUP();
    const Himem& h = HIMEM;
    return {h.CXDUM(h.LSG), h.CXDUM(h.LSW), h.CXDUM(h.LHV), h.CXDUM(h.LRL), h.CXDUM(h.LPT), h.CXDUM(h.LYA)};
  }

  void atHeading(float degrees) {
    WAVCOM.IRAO = 2;
    HIMEM.RAOANG(2) = degrees;
  }

  TempDir dir;
};

::testing::AssertionResult complexClose(Complex actual, Complex expected) {
  auto re = IsClose(actual.real(), expected.real(), 1e-5, 1e-6);
  if (!re) return re << " (real part)";
  auto im = IsClose(actual.imag(), expected.imag(), 1e-5, 1e-6);
  if (!im) return im << " (imaginary part)";
  return ::testing::AssertionSuccess();
}

// Every value of the file is bounded by what it is: the first beyond is refused naming the file, its
// line and its column among the values of the line. writeTable's file: line 1 the counts, line 2
// heading 0, lines 3 to 5 its frequencies (column 1 the frequency, then the real and imaginary parts
// of surge, sway, heave, roll, pitch and yaw in columns 2 to 13), line 6 heading 90.
TEST_F(UserRaoTest, AValueBeyondWhatItIsIsRefusedNamingItsLineAndColumn) {
  struct Case {
    const char* what;
    int line;       // of the file, from 1
    int column;     // among the values of the line, from 1
    const char* value;
    std::string found;
    std::string need;
  };
  const std::string operatorNeed =
      "     the analysis needs a value from -100.00 to 100.00 (degrees of motion per\n"
      "     degree of wave slope).";
  const Case cases[] = {
      {"a yaw operator of 99999", 4, 12, "99999",
       "line 4, column 12 (the real part of the yaw\n     operator) is 99999.00;", operatorNeed},
      {"an imaginary pitch part of -1e30", 5, 11, "-1e30",
       "line 5, column 11 (the imaginary part of the\n     pitch operator) is -1.0000E+30;", operatorNeed},
      {"a heave operator of 150", 3, 6, "150", "line 3, column 6 (the real part of the heave\n     operator) is 150.00;",
       "     the analysis needs a value from -100.00 to 100.00 (motion per wave\n     amplitude)."},
      {"a heading of 1000", 6, 1, "1000", "line 6, column 1 (a heading) is 1000.00;",
       "     the analysis needs a value from -360.00 to 360.00 (degrees: one turn either\n     way)."},
      {"a frequency of -1", 3, 1, "-1", "line 3, column 1 (a frequency) is -1.00;",
       "     the analysis needs a value from 0.00 to 62.83 (rad/s: waves of 0.1 s and\n     longer)."},
  };
  for (const Case& c : cases) {
    USRRAO_STATE.reset();
    writeTable("USERRAOS.txt", {0.2f, 0.6f, 1.0f}, {0.0f, 90.0f, 180.0f, 270.0f, 360.0f});
    // The value at line and column of the file replaced by the case's.
    std::ifstream in("USERRAOS.txt");
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    in.close();
    std::string& line = lines[static_cast<std::size_t>(c.line - 1)];
    std::vector<std::string> words;
    for (std::size_t at = 0; at < line.size();) {
      const std::size_t end = std::min(line.find_first_of(" ,", at), line.size());
      if (end > at) words.push_back(line.substr(at, end - at));
      at = end + 1;
    }
    words[static_cast<std::size_t>(c.column - 1)] = c.value;
    line.clear();
    for (const std::string& w : words) line += (line.empty() ? "" : " ") + w;
    std::ofstream out("USERRAOS.txt");
    for (const std::string& l : lines) out << l << "\n";
    out.close();
    atHeading(45.0f);
    ConsoleCapture console("\n");
    EXPECT_EQ(stopStatus([] { USRRAO("USERRAOS.txt "); }), kExitFatal) << c.what;
    EXPECT_TRUE(contains(console.screen(), "\n ++> User file \"USERRAOS.txt\", " + c.found + "\n" + c.need + "\n"))
        << c.what << "\n" << console.screen();
  }
}

// The rows of the file are read free-form: a row may run over several lines, and a value beyond what
// it is in such a row is named by the lines it took and its place in the row.
TEST_F(UserRaoTest, ARowMayRunOverLines) {
  writeTable("USERRAOS.txt", {0.2f, 0.6f, 1.0f}, {0.0f, 180.0f, 360.0f});
  writeTable("SPLIT.txt", {0.2f, 0.6f, 1.0f}, {0.0f, 180.0f, 360.0f}, 1.0f, true);
  atHeading(123.5f);
  USRRAO("USERRAOS.txt ");
  const std::vector<Complex> whole = operatorsAt(3);
  USRRAO("SPLIT.txt    ");
  const std::vector<Complex> byLines = operatorsAt(3);
  for (int q = 0; q < 6; ++q) EXPECT_EQ(byLines[q], whole[q]) << "dof " << q + 1;

  // Line 3 holds the first row's first 6 values, line 4 its other 7: the roll's real part is value 8.
  testing_support::writeFileText("SPLIT.txt", "2 2\n0\n0.2 0 0 0 0 0\n0 1e9 0 0 0 0 0\n");
  USRRAO_STATE.reset();
  ConsoleCapture console("\n");
  EXPECT_EQ(stopStatus([] { USRRAO("SPLIT.txt    "); }), kExitFatal);
  EXPECT_TRUE(contains(console.screen(), " ++> User file \"SPLIT.txt\", lines 3 to 4, value 8 of the row (the real part of\n"
                                         "     the roll operator) is 1.0000E+09;\n"))
      << console.screen();
}

// Operators that come round with the heading, as a vessel's do: operator k (0 surge .. 5 yaw) at
// frequency w [rad/s] and heading h [deg].
Complex turningOperator(int k, float w, double h) {
  const double r = h / 57.29577951308232;
  return Complex(static_cast<float>((0.2 + 0.1 * k) * (1.0 + w) * std::cos(r + 0.3 * k)),
                 static_cast<float>((0.1 + 0.05 * k) * w * std::sin(2.0 * r + 0.2 * k)));
}

// The table of turningOperator at 13 headings 30 degrees apart from `first` in steps of `step`.
void writeTurningTable(const std::string& name, double first, double step) {
  std::ofstream out(name);
  out.precision(9);
  const float freqs[] = {0.2f, 0.6f, 1.0f};
  out << "3 13\n";
  for (int j = 0; j < 13; ++j) {
    const double h = first + step * j;
    out << h << "\n";
    for (const float w : freqs) {
      out << w;
      for (int k = 0; k < 6; ++k) out << " " << turningOperator(k, w, h).real() << " " << turningOperator(k, w, h).imag();
      out << "\n";
    }
  }
}

// One table of a whole turn, labelled from 0 to 360, from -180 to 180 or descending, holds the same
// operators at the same directions: the run reads one set of operators at every response heading,
// and at the table's own headings they are the operators written (the angles times k; the rotation
// centres lie at G).
TEST_F(UserRaoTest, ATableOverAnyTurnGivesOneAnswer) {
  struct Labelling {
    const char* what;
    double first, step;
  };
  const Labelling labellings[] = {
      {"0 to 360", 0.0, 30.0}, {"-180 to 180", -180.0, 30.0}, {"360 down to 0", 360.0, -30.0},
      {"180 down to -180", 180.0, -30.0},
  };
  const float headings[] = {0.0f, 15.0f, 30.0f, 100.0f, 180.0f, 200.5f, 270.0f, 345.0f, 359.5f};
  std::vector<Complex> reference;
  for (const Labelling& l : labellings) {
    USRRAO_STATE.reset();
    writeTurningTable("USERRAOS.txt", l.first, l.step);
    std::size_t n = 0;
    for (const float head : headings) {
      atHeading(head);
      USRRAO("USERRAOS.txt ");
      const bool node = std::fmod(head, 30.0f) == 0.0f;
      for (int i = 2; i <= 3; ++i) {  // the grid's 0.6 and 0.4 rad/s
        const std::vector<Complex> got = operatorsAt(i);
        for (int q = 0; q < 6; ++q) {
          if (node && i == 2) {
            const Complex written = turningOperator(q, 0.6f, head) * (q < 3 ? 1.0f : kGridK[1]);
            EXPECT_TRUE(complexClose(got[q], written)) << l.what << " at " << head << " deg, dof " << q + 1;
          }
          if (reference.size() <= n) {
            reference.push_back(got[q]);
          } else {
            EXPECT_TRUE(complexClose(got[q], reference[n]))
                << l.what << " against 0 to 360 at " << head << " deg, point " << i << ", dof " << q + 1;
          }
          ++n;
        }
      }
    }
  }
}

// A table of less than a turn serves within its headings; a response heading beyond them stops the
// run (it was extrapolated in silence), naming the file, the heading and the table's headings.
TEST_F(UserRaoTest, ATableOfLessThanATurnStopsWhereTheRunLeavesIt) {
  writeTable("USERRAOS.txt", {0.2f, 0.6f, 1.0f}, {0.0f, 90.0f, 180.0f});
  atHeading(135.0f);
  USRRAO("USERRAOS.txt ");
  EXPECT_TRUE(complexClose(operatorsAt(2)[2], operatorAt(2, 0.6f, 135.0f)));
  atHeading(200.0f);
  ConsoleCapture console("\n");
  EXPECT_EQ(stopStatus([] { USRRAO("USERRAOS.txt "); }), kExitFatal);
  EXPECT_EQ(console.screen(),
            "\n ++> User file \"USERRAOS.txt\": its headings run from 0.00 to 180.00 deg, less\n"
            "     than a whole turn;\n"
            "     the analysis needs 200.00 deg there (the waves' heading relative to the\n"
            "     vessel in this response pass), and a table is not extrapolated.\n"
            "     Give the table a whole turn of headings, 0 to 360.\n\n\n Press <RETURN> to continue: ");
}

TEST_F(UserRaoTest, NodesAndBilinearValuesWithTheCentreTransfer) {
  writeTable("USERRAOS.txt", {0.2f, 0.6f, 1.0f}, {0.0f, 90.0f, 180.0f, 270.0f, 360.0f});
  HIMEM.VTCRP = 34.0f;  // pitch centre 4 above G
  HIMEM.VTCRR = 27.5f;  // roll centre 2.5 below G
  // Headings on a node, inside a cell, and the frequencies 1.0, 0.6, 0.2 on nodes, 0.4 between.
  for (const float head : {90.0f, 123.5f, 360.0f}) {
    atHeading(head);
    ConsoleCapture console;
    USRRAO("USERRAOS.txt ");
    EXPECT_EQ(console.screen(), "");
    for (int i = 1; i <= TPCM.NWP; ++i) {
      const float w = kGridW[i - 1];
      const float k = kGridK[i - 1];
      Complex x[6];
      for (int q = 0; q < 6; ++q) x[q] = operatorAt(q, w, head);
      for (int q = 3; q < 6; ++q) x[q] *= k;
      x[0] += 4.0f * x[4];
      x[1] -= -2.5f * x[3];
      const std::vector<Complex> got = operatorsAt(i);
      for (int q = 0; q < 6; ++q) {
        EXPECT_TRUE(complexClose(got[q], x[q])) << "heading " << head << ", w " << w << ", dof " << q + 1;
      }
    }
  }
}

TEST_F(UserRaoTest, AFileIsReadOncePerName) {
  writeTable("USERRAOS.txt", {0.2f, 1.0f}, {0.0f, 360.0f});
  writeTable("UTANKRAO.txt", {0.2f, 1.0f}, {0.0f, 360.0f}, 2.0f);
  atHeading(45.0f);
  const Complex heaveFirst = operatorAt(2, 0.6f, 45.0f);
  USRRAO("USERRAOS.txt ");
  EXPECT_TRUE(complexClose(operatorsAt(2)[2], heaveFirst));

  // Same name: the table in memory, even though the file has changed.
  writeTable("USERRAOS.txt", {0.2f, 1.0f}, {0.0f, 360.0f}, 3.0f);
  USRRAO("USERRAOS.txt ");
  EXPECT_TRUE(complexClose(operatorsAt(2)[2], heaveFirst));

  // Another name, then the first again: both are read anew.
  USRRAO("UTANKRAO.txt ");
  EXPECT_TRUE(complexClose(operatorsAt(2)[2], 2.0f * heaveFirst));
  USRRAO("USERRAOS.txt ");
  EXPECT_TRUE(complexClose(operatorsAt(2)[2], 3.0f * heaveFirst));
}

// The missing file is named with the items that ask for it and what to change, on either road; the
// stand-in of unit operators is offered only at the console, where going on takes it.
const std::string kMissingFile =
    "\n ++> Warning: User-supplied vessel RAOs \"USERRAOS.txt\" not found;\n"
    "     page 6, item 13 (also page 18, item 9) asks for them: set it to No there,\n"
    "     or put the file in the data set's folder.\n";

TEST_F(UserRaoTest, AMissingFileGivesUnitOperatorsAfterOneWarning) {
  atHeading(30.0f);
  {
    ConsoleCapture console("\n");
    USRRAO("USERRAOS.txt ");
    EXPECT_TRUE(contains(console.screen(), kMissingFile +
                                               "     Continue, and the run takes dimensionless RAOs of unity in its"
                                               " place.\n\n"))
        << console.screen();
    EXPECT_TRUE(contains(console.screen(), "Enter \"A\" to abort or Press <RETURN> to continue: "));
  }
  // Magnitude 1 and phases 45, 105, ..., 345 degrees; the angles then times k. The centres lie at G.
  const float phases[6] = {45.0f, 105.0f, 165.0f, 225.0f, 285.0f, 345.0f};
  for (int i = 1; i <= TPCM.NWP; ++i) {
    const std::vector<Complex> got = operatorsAt(i);
    for (int q = 0; q < 6; ++q) {
      const float magnitude = q < 3 ? 1.0f : kGridK[i - 1];
      const Complex expected = std::polar(magnitude, phases[q] / 57.2957795f);
      EXPECT_TRUE(complexClose(got[q], expected)) << "point " << i << ", dof " << q + 1;
    }
  }
  // The same name again: no new warning, no question (there is no reply to read).
  ConsoleCapture quiet;
  USRRAO("USERRAOS.txt ");
  EXPECT_EQ(quiet.screen(), "");
}

// An unattended run stops at the message, which says nothing of a stand-in it does not take.
TEST_F(UserRaoTest, AMissingFileStopsOnAbortAndUnattended) {
  atHeading(0.0f);
  {
    ConsoleCapture console("A\n");
    EXPECT_EQ(stopStatus([] { USRRAO("USERRAOS.txt "); }), 1);
  }
  USRRAO_STATE.reset();
  RHOPEN("Diagnostics.stxt", kFormatted, kFresh, 0, kDiagnosticsUnit, "TEST", kScreenUnit, 0);
  TPCM.EDUNIT = kDiagnosticsUnit;
  ConsoleCapture console;
  EXPECT_EQ(stopStatus([] { USRRAO("USERRAOS.txt "); }), 1);
  closeAllUnits();
  EXPECT_EQ(console.screen(), "");
  EXPECT_EQ(readFileText("Diagnostics.stxt"), kMissingFile + "\n");
}

TEST_F(UserRaoTest, FrequenciesBeyondTheTableWarnOnceAndExtrapolate) {
  writeTable("USERRAOS.txt", {0.3f, 0.5f, 0.7f}, {0.0f, 180.0f, 360.0f});
  atHeading(200.0f);
  {
    ConsoleCapture console("\n");
    USRRAO("USERRAOS.txt ");
    // The file, the frequencies it holds, those of the grid and the first one outside.
    const std::string expected =
        "\n ++> Warning: Frequency outside user-supplied RAO range:\n"
        "     \"USERRAOS.txt\" holds 0.30 to 0.70 rad/s; the run needs 1.00 rad/s here,\n"
        "     and 0.20 to 1.00 rad/s over its wave periods (page 14, item 2). Extend the\n"
        "     table over the run's frequencies, or choose wave periods within its range;\n"
        "     \"continue\" to extrapolate outside available range.\n";
    EXPECT_TRUE(contains(console.screen(), expected)) << console.screen();
    EXPECT_EQ(console.screen().find(expected), console.screen().rfind(expected)) << "warned twice";
  }
  for (int i = 1; i <= TPCM.NWP; ++i) {
    EXPECT_TRUE(complexClose(operatorsAt(i)[2], operatorAt(2, kGridW[i - 1], 200.0f))) << "point " << i;
  }
  // Once per run, whatever the file.
  writeTable("UBUOYRAO.txt", {0.3f, 0.5f, 0.7f}, {0.0f, 360.0f});
  ConsoleCapture quiet;
  USRRAO("UBUOYRAO.txt ");
  EXPECT_EQ(quiet.screen(), "");
}

TEST_F(UserRaoTest, TablesTheInterpolationCannotUseStop) {
  atHeading(0.0f);
  struct Case {
    const char* name;
    std::string text;
    std::string message;
  };
  // The largest table the arrays hold is accepted.
  std::vector<float> freqs(121);
  std::vector<float> heads(145);
  for (int i = 0; i < 121; ++i) freqs[i] = 0.1f + 0.01f * static_cast<float>(i);
  for (int i = 0; i < 145; ++i) heads[i] = 2.5f * static_cast<float>(i);
  writeTable("USERRAOS.txt", freqs, heads);
  USRRAO("USERRAOS.txt ");
  EXPECT_TRUE(complexClose(operatorsAt(2)[0], operatorAt(0, 0.6f, 0.0f)));

  const Case cases[] = {
      {"BIG1.txt", "122 2\n",
       " ++>  User-supplied RAO array in \"BIG1.txt\"\n"
       "      dimensions = [122,  2] out of range; allowable\n"
       "      dimensions = [  2 to 121,  2 to 145]\n"},
      {"BIG2.txt", "2,146\n",
       " ++>  User-supplied RAO array in \"BIG2.txt\"\n"
       "      dimensions = [  2,146] out of range; allowable\n"
       "      dimensions = [  2 to 121,  2 to 145]\n"},
      {"SMALL.txt", "1 5\n",
       " ++>  User-supplied RAO array in \"SMALL.txt\"\n"
       "      dimensions = [  1,  5] out of range; allowable\n"
       "      dimensions = [  2 to 121,  2 to 145]\n"},
      {"ORDER.txt",
       "2 3\n0\n0.2 0 0 0 0 0 0 0 0 0 0 0 0\n0.4 0 0 0 0 0 0 0 0 0 0 0 0\n"
       "90\n0.2 0 0 0 0 0 0 0 0 0 0 0 0\n0.4 0 0 0 0 0 0 0 0 0 0 0 0\n"
       "90\n0.2 0 0 0 0 0 0 0 0 0 0 0 0\n0.4 0 0 0 0 0 0 0 0 0 0 0 0\n",
       " ++> User file \"ORDER.txt\", line 8, column 1 (a heading) is 90.00;\n"
       "     the analysis needs a value above 90.00, the heading on line 5 (the headings\n"
       "     rising strictly, as their first two do).\n"},
      {"FREQ.txt", "2 2\n0\n0.2 0 0 0 0 0 0 0 0 0 0 0 0\n0.2 0 0 0 0 0 0 0 0 0 0 0 0\n",
       " ++> User file \"FREQ.txt\", line 4, column 1 (a frequency) is 0.20;\n"
       "     the analysis needs a value other than 0.20, the frequency on line 3 (the\n"
       "     frequencies of a heading block strictly monotonic, rising or falling).\n"},
      // A row that cannot be read: its file, its line and what it holds.
      {"SHORT.txt", "2 2\n0\n0.2 1 2 3\n",
       " ++> User file \"SHORT.txt\": the file ends at line 3 within a row begun at\n"
       "     line 3, after 4 values;\n"
       "     the analysis needs row 1 of heading block 1 (heading 0.00 deg)\n"
       "     there: 13 values (frequency, then the real and imaginary parts of the\n"
       "     surge, sway, heave, roll, pitch and yaw operators).\n"},
      {"BAD.txt", "2 2\n0\n0.2 x 2 3 0 0 0 0 0 0 0 0 0\n",
       " ++> User file \"BAD.txt\": line 3, column 2 holds \"x\", which is no number;\n"
       "     the analysis needs row 1 of heading block 1 (heading 0.00 deg)\n"},
      // A row short of a value is named where it is, not where the rows it shifts first fail: the
      // row runs on into the next line and leaves numbers there; a row short of a value at the end
      // of a block takes the next heading, and the heading is read from a line that holds a row.
      {"SHIFT.txt",
       "2 2\n0\n0.2 0 0 0 0 0 0 0 0 0 0 0\n0.4 0 0 0 0 0 0 0 0 0 0 0 0\n"
       "180\n0.2 0 0 0 0 0 0 0 0 0 0 0 0\n0.4 0 0 0 0 0 0 0 0 0 0 0 0\n",
       " ++> User file \"SHIFT.txt\": line 3 holds 12 values, and the row begun there ends\n"
       "     within line 4, before 12 more values there;\n"},
      {"ENDSHIFT.txt",
       "2 2\n0\n0.2 0 0 0 0 0 0 0 0 0 0 0 0\n0.4 0 0 0 0 0 0 0 0 0 0 0\n"
       "30\n0.2 0 0 0 0 0 0 0 0 0 0 0 0\n0.4 0 0 0 0 0 0 0 0 0 0 0 0\n",
       " ++> User file \"ENDSHIFT.txt\": line 6 holds 13 values where its row has 1;\n"
       "     the analysis needs the heading of block 2 of 2 there: 1 value.\n"},
      // A heading block more than the counts give.
      {"MORE.txt",
       "2 2\n0\n0.2 0 0 0 0 0 0 0 0 0 0 0 0\n0.4 0 0 0 0 0 0 0 0 0 0 0 0\n"
       "180\n0.2 0 0 0 0 0 0 0 0 0 0 0 0\n0.4 0 0 0 0 0 0 0 0 0 0 0 0\n"
       "360\n0.2 0 0 0 0 0 0 0 0 0 0 0 0\n0.4 0 0 0 0 0 0 0 0 0 0 0 0\n",
       " ++> User file \"MORE.txt\": line 8 holds a row after the 2 heading blocks of 2\n"
       "     frequencies that line 1 counts;\n"},
      {"HEAD.txt", "2 2\n0\n" + std::string(2, '\n') + "0.2 0 0 0 0 0 0 0 0 0 0 0 0\n0.4 0 0 0 0 0 0 0 0 0 0 0 0\n",
       " ++> User file \"HEAD.txt\": the file ends after line 6;\n"
       "     the analysis needs the heading of block 2 of 2 there: 1 value.\n"},
      {"COUNT.txt", "2\n",
       " ++> User file \"COUNT.txt\": the file ends at line 1 within a row begun at\n"
       "     line 1, after 1 value;\n"
       "     the analysis needs the counts there: 2 values (frequencies, headings).\n"},
  };
  for (const Case& c : cases) {
    std::ofstream(c.name) << c.text;
    const std::string field = std::string(c.name) + std::string(13 - std::strlen(c.name), ' ');
    ConsoleCapture console("\n");
    EXPECT_EQ(stopStatus([&] { USRRAO(field); }), 1) << c.name;
    EXPECT_TRUE(contains(console.screen(), c.message)) << c.name << ":\n" << console.screen();
  }
}

}  // namespace
}  // namespace qv
