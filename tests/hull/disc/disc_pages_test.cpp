// Report pages I and II of the discus buoy compared line by line with pages typed from their formats
// (tests/hull/disc/expected): an English buoy without mooring feedback with a design wave height
// and one user damping, and a metric moored buoy with a design slope, user RAOs, one user damping,
// no yaw spring (its period too wide for the field) and a displacement too wide for its field. On
// the console each page pauses and a reply of -1 draws it again; an unknown unit system shows the
// problem in both damping units; a feedback flag other than 0 or 1 prints no mode lines.
#include <gtest/gtest.h>

#include <string>

#include "dataset/tpcm.h"
#include "hull/disc/disc.h"
#include "hull/himem.h"
#include "support/checks.h"
#include "support/console_capture.h"
#include "support/expected_files.h"
#include "support/fresh_run.h"
#include "support/temp_dir.h"
#include "util/files.h"
#include "waves/wavcom.h"

namespace qv {
namespace {

using testing_support::ConsoleCapture;
using testing_support::contains;
using testing_support::expectedFile;
using testing_support::readFileText;
using testing_support::TempDir;

// The values both pages print, as the characteristics and the calibration leave them.
void englishUnmoored() {
  Tpcm& t = TPCM;
  t.NUNTS = 0;
  t.DEPTH = 200.0f;
  t.DWATR = 64.0f;
  t.TDISPL = 482.5486f;
  t.TAWP = 1256.6371f;
  t.VKB = 3.0f;
  t.TDRAFT = 6.0f;
  t.VKG = 4.0f;
  t.TPGYR = 8.0f;
  t.TRGYR = 8.0f;
  t.YGYR = 12.0f;
  t.VKML = t.VKMT = 19.6667f;
  t.SLPHT = 10.0f;
  t.LPTDMP = 1;
  t.PTDAMP = 6.5f;
  WAVCOM.G = 32.152f;
  WAVCOM.RHOWTR = 0.001f * t.DWATR / WAVCOM.G;
  Himem& h = HIMEM;
  h.VTCRR = h.VTCRP = 3.83067518f;
  h.GML = h.GMT = 15.6667f;
  h.WR = h.WP = 1.95778823f;
  h.WH = 1.49700713f;
  h.ROLI = h.PTCHI = 990866.625f;
  h.HVMAS = 18028.9375f;
  h.GAMROL = 0.1234f;
  h.GAMPIT = 0.15f;
  h.GAMHEV = 0.7f;
}

void metricMoored() {
  Tpcm& t = TPCM;
  t.NUNTS = 1;
  t.DEPTH = 60.0f;
  t.DWATR = 1025.0f;
  t.TDISPL = 12345678.9f;
  t.TAWP = 113.1f;
  t.VKB = 1.2f;
  t.TDRAFT = 2.5f;
  t.VKG = 1.6f;
  t.TPGYR = 2.4f;
  t.TRGYR = 2.5f;
  t.YGYR = 3.6f;
  t.VKML = t.VKMT = 7.3f;
  t.LSLPHT = 1;
  t.SLPHT = 4.0f;
  t.AUXVSH = 1;
  t.MORFBK = 1;
  t.RLMDMP = 55.0f;
  t.LPTDMP = 1;
  t.PTDAMP = 6.5f;
  t.PTMDMP = 9.0f;
  t.HVMDMP = 3.2f;
  t.SGMDMP = 2.0f;
  t.LSWDMP = 1;
  t.SWMDMP = 7.5f;
  t.YWMDMP = 0.0f;
  WAVCOM.G = 9.8f;
  WAVCOM.RHOWTR = 0.001f * t.DWATR / WAVCOM.G;
  Himem& h = HIMEM;
  h.VTCRR = h.VTCRP = 1.42f;
  h.GML = h.GMT = 5.7f;
  h.WR = 2.1f;
  h.WP = 2.05f;
  h.WH = 1.6f;
  h.WSG = 0.31f;
  h.WSW = 0.33f;
  h.WY = 1.0e-15f;  // no yaw spring
  h.ROLI = 5200.0f;
  h.PTCHI = 5100.0f;
  h.HVMAS = 480.0f;
  h.SGMAS = 390.0f;
  h.YAWI = 4100.0f;
  h.GAMROL = 0.08f;
  h.GAMPIT = 0.1f;
  h.GAMHEV = 0.45f;
  h.GAMSRG = 0.21f;
  h.GAMSWY = 0.3f;
}

class DiscPages : public testing_support::FreshRun {
 protected:
  TempDir dir;
};

TEST_F(DiscPages, ReportFileMatchesTheTypedPages) {
  struct Case {
    void (*setUp)();
    const char* expected;
  };
  const Case cases[] = {{englishUnmoored, "DISCSUM_unmoored.stxt"}, {metricMoored, "DISCSUM_moored.stxt"}};
  for (const Case& c : cases) {
    resetAllBlocks();
    c.setUp();
    TPCM.EDUNIT = kScreenUnit;
    TPCM.IUNIT = 1;
    RHOPEN("DISCSUM.stxt", 1, 0, 0, 1, "TEST", kScreenUnit, 0);
    ConsoleCapture console;  // a report file: no pause, nothing read
    DSKSUM();
    DSKOUT();
    HCLOSE(1, "DISCSUM.stxt", "TEST", kScreenUnit);
    EXPECT_EQ(readFileText("DISCSUM.stxt"), expectedFile("hull/disc", c.expected)) << c.expected;
    EXPECT_EQ(console.screen(), "") << c.expected;
  }
}

TEST_F(DiscPages, ConsolePausesAndRedrawsOnMinusOne) {
  // On the console: a cleared screen (a form feed here) instead of the form-feed line, and the
  // pause after each page. Page II is asked for again once.
  metricMoored();
  TPCM.EDUNIT = TPCM.IUNIT = kScreenUnit;
  const std::string file = expectedFile("hull/disc", "DISCSUM_moored.stxt");
  const std::size_t second = file.find("\f\n", 1);
  ASSERT_NE(second, std::string::npos);
  const std::string pageOne = "\f" + file.substr(2, second - 2);
  const std::string pageTwo = "\f" + file.substr(second + 2);
  const std::string pause = "\n Press <RETURN> to continue: ";
  ConsoleCapture console("\n-1\n0\n");
  DSKSUM();
  DSKOUT();
  EXPECT_EQ(console.screen(), pageOne + pause + pageTwo + pause + pageTwo + pause);
  EXPECT_EQ(TPCM.LBACK, 0);
}

TEST_F(DiscPages, UnknownUnitsAndFeedbackFlags) {
  englishUnmoored();
  TPCM.EDUNIT = kScreenUnit;
  TPCM.IUNIT = 1;
  RHOPEN("DISCSUM.stxt", 1, 0, 0, 1, "TEST", kScreenUnit, 0);
  TPCM.NUNTS = 2;
  DSKOUT();
  TPCM.NUNTS = 0;
  TPCM.MORFBK = 2;
  DSKOUT();
  HCLOSE(1, "DISCSUM.stxt", "TEST", kScreenUnit);
  const std::string pages = readFileText("DISCSUM.stxt");
  const std::size_t second = pages.find("\f\n", 1);
  const std::string unknownUnits = pages.substr(0, second);
  const std::string otherFlag = pages.substr(second);
  // Both damping units, in their 24 characters.
  EXPECT_TRUE(contains(unknownUnits, "Damping conversion: 1% =  0.772E+02 PROBLEM here!          \n")) << unknownUnits;
  EXPECT_TRUE(contains(unknownUnits, "Damping conversion: 1% =  0.107E+01 PROBLEM here!          \n")) << unknownUnits;
  // Neither unmoored nor moored: the two headings with nothing under them.
  EXPECT_FALSE(contains(otherFlag, "PERIOD ..")) << otherFlag;
  EXPECT_FALSE(contains(otherFlag, "DAMPING ..")) << otherFlag;
  EXPECT_TRUE(contains(otherFlag, "     ----  NATURAL PERIODS AT ZERO SPEED  ----\n\n\n\n\n\n\n"
                                  "     ----  QUASI-LINEAR DAMPING COEFFICIENTS  ----\n\n\n\n\n\n\n"
                                  "               REGULAR WAVE HEIGHT....................."))
      << otherFlag;
}

}  // namespace
}  // namespace qv
