// Report pages I and II of the ship, written after the characteristics and the calibration pass
// exactly as the first pass writes them, compared line by line with pages typed from their formats
// (tests/hull/ship/expected): an English ship with a design wave height and computed damping, a
// metric ship with a design slope, user damping, user RAOs and a value too wide for its field. On
// the console each page pauses and a reply of -1 draws it again.
#include <gtest/gtest.h>

#include <string>

#include "dataset/tpcm.h"
#include "hull/himem.h"
#include "hull/ship/ship.h"
#include "hull/ship/ship_fixture.h"
#include "support/checks.h"
#include "support/console_capture.h"
#include "support/expected_files.h"
#include "support/temp_dir.h"
#include "util/files.h"

namespace qv {
namespace {

using testing_support::ConsoleCapture;
using testing_support::contains;
using testing_support::expectedFile;
using testing_support::readFileText;
using testing_support::TempDir;

// The English true box of the fixture, trimmed and heeled a little.
void englishShip() {
  testing_support::setTrueBox();
  TPCM.TRIMDG = 0.5f;
  TPCM.HEELDG = -1.25f;
  testing_support::setGrid(5.0f, 0.5f, 51);
}

// A metric box 150 x 25 x 10 m in 50 m of water (1025 kgf/m^3): KMT = 5 + 25^2 / 120, KML = 5 +
// 150^2 / 120; a design slope of 4 degrees, user damping for pitch, heave and roll, user RAOs, and a
// draft too large for its field.
void metricShip() {
  testing_support::setTrueBox();
  TPCM.NUNTS = 1;
  TPCM.DEPTH = 50.0f;
  TPCM.DWATR = 1025.0f;
  TPCM.TDISPL = 38437.5f;
  TPCM.VKB = 5.0f;
  TPCM.VKG = 8.0f;
  TPCM.VKMT = 10.2083f;
  TPCM.VKML = 192.5f;
  TPCM.TDRAFT = 1.0e8f;
  TPCM.TAWP = 3750.0f;
  TPCM.TPGYR = 37.5f;
  TPCM.TRGYR = 9.0f;
  TPCM.YGYR = 37.5f;
  TPCM.TRIMDG = 0.75f;
  TPCM.HEELDG = -2.5f;
  TPCM.LSLPHT = 1;
  TPCM.SLPHT = 4.0f;
  TPCM.LPTDMP = TPCM.LHVDMP = TPCM.LRLDMP = 1;
  TPCM.PTDAMP = 6.0f;
  TPCM.HVDAMP = 8.5f;
  TPCM.RLDAMP = 4.3f;
  TPCM.AUXVSH = 1;
  testing_support::setGrid(4.0f, 0.5f, 41);
}

// CHR and the calibration pass, then the two pages.
void characteriseAndReport() {
  testing_support::resetShipRun();
  SHPCHR();
  std::int32_t flag = 0;
  SHPFRC(flag);
  SHPSUM();
  SHPOUT();
}

TEST(ShipPages, ReportFileMatchesTheTypedPages) {
  struct Case {
    void (*setUp)();
    const char* expected;
  };
  const Case cases[] = {{englishShip, "SHIPSUM_english.stxt"}, {metricShip, "SHIPSUM_metric.stxt"}};
  for (const Case& c : cases) {
    TempDir dir;
    c.setUp();
    TPCM.IUNIT = 1;
    RHOPEN("SHIPSUM.stxt", 1, 0, 0, 1, "TEST", 6, 0);
    ConsoleCapture console;  // a report file: no pause, nothing read
    characteriseAndReport();
    HCLOSE(1, "SHIPSUM.stxt", "TEST", 6);
    EXPECT_EQ(readFileText("SHIPSUM.stxt"), expectedFile("hull/ship", c.expected)) << c.expected;
    EXPECT_EQ(console.screen(), "") << c.expected;
  }
}

TEST(ShipPages, ConsolePausesAndRedrawsOnMinusOne) {
  englishShip();
  // The console's pages: a cleared screen (a form feed here) instead of the form-feed line, and the
  // pause after each page. Page I is asked for again once.
  const std::string file = expectedFile("hull/ship", "SHIPSUM_english.stxt");
  const std::size_t second = file.find("\f\n", 1);
  ASSERT_NE(second, std::string::npos);
  const std::string pageOne = "\f" + file.substr(2, second - 2);
  const std::string pageTwo = "\f" + file.substr(second + 2);
  const std::string pause = "\n Press <RETURN> to continue: ";
  ConsoleCapture console("-1\n\n\n");
  characteriseAndReport();
  EXPECT_EQ(console.screen(), pageOne + pause + pageOne + pause + pageTwo + pause);
  EXPECT_EQ(TPCM.LBACK, 0);
}

TEST(ShipPages, UnknownUnitSystemShowsTheProblem) {
  englishShip();
  TPCM.NUNTS = 2;
  TPCM.IUNIT = 41;
  TPCM.EDUNIT = 6;
  TempDir dir;
  RHOPEN("Diagnostics.stxt", 1, 0, 0, 41, "TEST", 6, 0);
  testing_support::resetShipRun();
  SHPCHR();
  SHPOUT();
  HCLOSE(41, "Diagnostics.stxt", "TEST", 6);
  const std::string page = readFileText("Diagnostics.stxt");
  EXPECT_TRUE(contains(page, "               Damping conversion: 1% = ")) << page;
  EXPECT_TRUE(contains(page, " PROBLEM here!\n")) << page;
  EXPECT_FALSE(contains(page, "ft*kip")) << page;
}

}  // namespace
}  // namespace qv
