// The statics report and plot file of whole runs, compared with reviewed expected files.
//
// The expected files of tests/statics/expected/ were written from the report layout field by field,
// with the numbers of an independent solution of each column (tests/statics/reference/
// statics_reference.py); the clock line of the title page is masked.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "salm_fixtures.h"
#include "statics/stsalm.h"
#include "support/checks.h"
#include "support/console_capture.h"
#include "support/expected_files.h"
#include "support/temp_dir.h"

namespace qv {
namespace {

using testing_support::ConsoleCapture;
using testing_support::contains;
using testing_support::expectedFile;
using testing_support::maskClock;
using testing_support::readFileText;
using testing_support::TempDir;

struct ReportCase {
  const char* name;
  void (*build)();
};

class StaticsReport : public ::testing::TestWithParam<ReportCase> {};

TEST_P(StaticsReport, WritesTheExpectedReportAndPlotFile) {
  const ReportCase& c = GetParam();
  c.build();
  TempDir dir;
  ConsoleCapture console;
  STSALM();
  EXPECT_EQ(maskClock(readFileText("STATOUT.stxt")),
            expectedFile("statics", std::string("STATOUT_") + c.name + ".stxt"));
  EXPECT_EQ(readFileText("STATPLT.plt"), expectedFile("statics", std::string("STATPLT_") + c.name + ".plt"));
  EXPECT_EQ(console.screen(),
            "\n >>> Computing Salm mass properties...\n\n\n >>> Computing Salm offset tables...\n\n"
            "\n >>> Outputting static offset data...\n\n");
}

INSTANTIATE_TEST_SUITE_P(Columns, StaticsReport,
                         ::testing::Values(ReportCase{"1member", testing_support::oneMemberSalm},
                                           ReportCase{"3member", testing_support::threeMemberSalm},
                                           ReportCase{"6member", testing_support::sixMemberSalm}),
                         [](const ::testing::TestParamInfo<ReportCase>& info) { return std::string(info.param.name); });

int count(const std::string& text, const std::string& part) {
  int n = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
  return n;
}

const char* const kSectionOne = "I.  INDIVIDUAL SALM ELEMENT SUMMARY";
const char* const kSectionTwoA = "II a.  INTERPOLATION TABLE SUMMARY";
const char* const kSectionTwoB = "II b.  HORIZONTAL OFFSET SUMMARY";
const char* const kTableEnd = " >>> Interpolation table contains  8 load values";

// Which sections the switches write, and whether the plot tables follow.
TEST(StaticsReportSections, FollowTheSwitches) {
  struct Case {
    const char* name;
    int STAMOT, LTABL, LOFFST;
    bool elements;
    int one, twoA, twoB;
    bool plotFile;      // the plot tables are written
    bool memberTables;  // with the member-angle tables
  };
  const Case cases[] = {
      {"both passes", 1, 1, 1, true, 1, 1, 1, true, true},
      {"table points only", 1, 1, 0, true, 1, 1, 0, false, false},
      {"section I only", 1, 0, 0, true, 1, 0, 0, false, false},
      {"offsets only", 1, 0, 1, true, 1, 0, 1, true, true},
      {"an offset pass of its own, whatever LOFFST", 1, 2, 0, true, 1, 0, 1, true, true},
      {"no report sections", 0, 1, 1, true, 0, 0, 0, true, true},
      {"no elements: the force table alone", 1, 1, 1, false, 0, 0, 0, true, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    testing_support::threeMemberSalm();
    TPCM.STAMOT = c.STAMOT;
    TPCM.LTABL = c.LTABL;
    TPCM.LOFFST = c.LOFFST;
    if (!c.elements) {
      TPCM.NELEM = 0;
      TPCM.AUXFOR(8) = 200.0f;
    }
    TempDir dir;
    ConsoleCapture console;
    STSALM();
    const std::string report = readFileText("STATOUT.stxt");
    const std::string plot = readFileText("STATPLT.plt");
    EXPECT_EQ(count(report, kSectionOne), c.one);
    EXPECT_EQ(count(report, kSectionTwoA), c.twoA);
    EXPECT_EQ(count(report, kSectionTwoB), c.twoB);
    EXPECT_EQ(count(report, kTableEnd), c.twoA + c.twoB);
    EXPECT_EQ(contains(plot, "NET HORIZONTAL FORCE\n"), c.plotFile);
    EXPECT_EQ(contains(plot, "MEMBER #  1"), c.memberTables);
  }
}

// On the console each part ends with a pause, and a negative reply writes it again: the title
// page on its own, the report from section I.
TEST(StaticsReportSections, NegativeRepliesOnTheConsoleWriteAgain) {
  testing_support::threeMemberSalm();
  TPCM.IUNIT = 6;
  TPCM.IPLOTS = 0;
  TempDir dir;
  // title page: -1, then on; section I: on; sections II: -2 (again from section I); section I: on;
  // sections II: on
  ConsoleCapture console("-1\n\n\n-2\n\n\n");
  STSALM();
  const std::string screen = console.screen();
  EXPECT_EQ(count(screen, "Articulated SALMS And Attached Storage Vessels"), 2);
  EXPECT_EQ(count(screen, kSectionOne), 2);
  EXPECT_EQ(count(screen, kSectionTwoA), 2);
  EXPECT_EQ(count(screen, kSectionTwoB), 2);
  EXPECT_EQ(count(screen, "Press <RETURN> to continue: "), 6);
  EXPECT_FALSE(std::filesystem::exists("STATOUT.stxt"));
}

// A free SALM has no load table: its report ends with the zero-load state of the first pass.
TEST(StaticsReportSections, FreeSalmShowsItsZeroLoadStateOnly) {
  testing_support::foldedFreeSalm();
  TempDir dir;
  ConsoleCapture console("\n");
  STSALM();
  const std::string report = readFileText("STATOUT.stxt");
  EXPECT_EQ(count(report, kSectionTwoA), 1);
  EXPECT_EQ(count(report, "    N. A."), 1);
  EXPECT_EQ(count(report, " >>> Interpolation table contains"), 0);
  EXPECT_TRUE(contains(report, "    0.0     0.00    4"));
  EXPECT_EQ(readFileText("STATPLT.plt"), "");
}

}  // namespace
}  // namespace qv
