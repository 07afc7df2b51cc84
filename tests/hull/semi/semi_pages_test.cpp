// Report pages I (as input, as estimated) and II of the semi-submersible, written after the
// characteristics and the calibration passes as the first pass writes them, compared line by line
// with pages typed from their formats (tests/hull/semi/expected): a metric semi with a design wave
// height and calibrated damping; an English one whose weight is the displacement less a tension,
// with a design slope, user roll damping, user RAOs and a trim too wide for its field. Tension-leg
// hulls add the pull-down and the moor-modified periods; on the console each page pauses and a
// reply of -1 draws it again.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "dataset/tpcm.h"
#include "hull/himem.h"
#include "hull/pascom.h"
#include "hull/semi/semi.h"
#include "hull/semi/semi_fixture.h"
#include "support/checks.h"
#include "support/console_capture.h"
#include "support/expected_files.h"
#include "support/fresh_run.h"
#include "support/temp_dir.h"
#include "util/files.h"
#include "util/fortran_format.h"

namespace qv {
namespace {

using testing_support::ConsoleCapture;
using testing_support::contains;
using testing_support::expectedFile;
using testing_support::readFileText;
using testing_support::TempDir;

void metricSemi() {
  testing_support::setFixtureSemi();
  TPCM.TRIMDG = 0.5f;
  TPCM.HEELDG = -1.25f;
}

// The fixture's numbers in feet, in sea water of 64 lb/ft^3 (displacement 21728.5 x 0.064 kips),
// weighing 200 kips less than it displaces.
void englishSemi() {
  testing_support::setFixtureSemi();
  Tpcm& t = TPCM;
  t.NUNTS = 0;
  t.DWATR = 64.0f;
  t.TDISPL = 1390.62f;
  t.LPHANTOM_WGHT = 1;
  t.TLP_TENSION = 200.0f;
  t.LSLPHT = 1;
  t.SLPHT = 4.0f;  // design slope [deg]
  t.LRLDMP = 1;
  t.RLDAMP = 3.5f;
  t.AUXVSH = 1;
  t.TRIMDG = 1.0e8f;
  t.HEELDG = 0.75f;
  testing_support::setGrid(4.0f, 0.5f, 49);
}

// CHR and the calibration passes, then the two pages.
void characteriseAndReport() {
  SEMCHR();
  std::int32_t flag = 0;
  SEMFRC(flag);
  SEMSUM();
  SEMOUT();
}

class SemiPages : public testing_support::FreshRun {};

TEST_F(SemiPages, ReportFileMatchesTheTypedPages) {
  struct Case {
    void (*setUp)();
    const char* expected;
  };
  const Case cases[] = {{metricSemi, "SEMISUM_metric.stxt"}, {englishSemi, "SEMISUM_english.stxt"}};
  for (const Case& c : cases) {
    TempDir dir;
    c.setUp();
    TPCM.IUNIT = 1;
    RHOPEN("SEMISUM.stxt", 1, 0, 0, 1, "TEST", 6, 0);
    ConsoleCapture console;  // a report file: no pause, nothing read, no question asked
    characteriseAndReport();
    HCLOSE(1, "SEMISUM.stxt", "TEST", 6);
    EXPECT_EQ(readFileText("SEMISUM.stxt"), expectedFile("hull/semi", c.expected)) << c.expected;
    EXPECT_EQ(console.screen(), "") << c.expected;
  }
}

TEST_F(SemiPages, TensionLegHulls) {
  // Creator 14 shows the pull-down and the righting arms; 17 also the periods with and without the
  // tendons (here the tendons' heave stiffness shortens the heave period).
  for (std::int32_t creator : {14, 17}) {
    TempDir dir;
    testing_support::setFixtureSemi();
    TPCM.CREATR = creator;
    TPCM.NOWARN = 1;
    PASCOM.DELTA_DRAFT = 0.5f;
    PASCOM.TLPWGHT = 18000.0f;
    PASCOM.HTENDN = 3000.0f;
    TPCM.IUNIT = 1;
    RHOPEN("SEMISUM.stxt", 1, 0, 0, 1, "TEST", 6, 0);
    ConsoleCapture console;
    characteriseAndReport();
    HCLOSE(1, "SEMISUM.stxt", "TEST", 6);
    const std::string pages = readFileText("SEMISUM.stxt");
    EXPECT_TRUE(contains(pages, "\n               VERTICAL PULL-DOWN ....................      0.50 METERS  \n"))
        << pages;
    EXPECT_TRUE(contains(pages, "               LONGITUDINAL RIGHTING ARM ............."));
    EXPECT_TRUE(contains(pages, "               TRANSVERSE RIGHTING ARM ..............."));
    EXPECT_EQ(contains(pages, "               MOOR-MODIFIED HEAVE PERIOD ............."), creator == 17) << creator;
    if (creator == 17) {
      // Heave without the tendons: 2 pi sqrt(HVMAS / (HC - HTENDN)); with them 2 pi / WH.
      const Himem& h = HIMEM;
      const std::string without = fmtF(6.2831855f / std::sqrt((h.HC - 3000.0f) / h.HVMAS), 7, 1);
      const std::string with = fmtF(6.2831855f / h.WH, 7, 1);
      EXPECT_NE(without, with);
      EXPECT_TRUE(contains(pages, "NATURAL HEAVE PERIOD ..................." + without + " SECONDS \n")) << pages;
      EXPECT_TRUE(contains(pages, "MOOR-MODIFIED HEAVE PERIOD ............." + with + " SECONDS \n")) << pages;
    }
  }
}

TEST_F(SemiPages, ConsolePausesAndRedrawsOnMinusOne) {
  // The console's pages: a cleared screen (a form feed here) instead of the form-feed line, and the
  // pause after each page. -1 after the estimated half of page I shows the as-input half again;
  // -1 after page II draws it again.
  metricSemi();
  const std::string file = expectedFile("hull/semi", "SEMISUM_metric.stxt");
  std::vector<std::string> pages;
  for (std::size_t at = 0; at < file.size();) {
    const std::size_t next = file.find("\f\n", at + 2);
    pages.push_back("\f" + file.substr(at + 2, (next == std::string::npos ? file.size() : next) - at - 2));
    at = next == std::string::npos ? file.size() : next;
  }
  ASSERT_EQ(pages.size(), 3u);
  const std::string pause = "\n Press <RETURN> to continue: ";
  ConsoleCapture console("\n-1\n\n\n-1\n\n");
  characteriseAndReport();
  EXPECT_EQ(console.screen(), pages[0] + pause + pages[1] + pause + pages[0] + pause + pages[1] + pause + pages[2] +
                                  pause + pages[2] + pause);
  EXPECT_EQ(TPCM.LBACK, 0);
}

TEST_F(SemiPages, UnknownUnitSystemShowsTheProblem) {
  metricSemi();
  SEMCHR();
  TPCM.NUNTS = 2;
  TPCM.IUNIT = 1;
  TempDir dir;
  RHOPEN("SEMISUM.stxt", 1, 0, 0, 1, "TEST", 6, 0);
  SEMOUT();
  HCLOSE(1, "SEMISUM.stxt", "TEST", 6);
  const std::string page = readFileText("SEMISUM.stxt");
  EXPECT_TRUE(contains(page, "               Damping conversion: 1% = ")) << page;
  EXPECT_TRUE(contains(page, " PROBLEM here!\n")) << page;
  EXPECT_FALSE(contains(page, "m.ton")) << page;
}

}  // namespace
}  // namespace qv
