// SHPSUM and SHPOUT: report pages I and II of the ship model, on the summary report unit TPCM IUNIT.
// On the console each page ends with a pause, and a reply of -1 or less draws it again.
#include <string>
#include <string_view>

#include "dataset/tpcm.h"
#include "hull/himem.h"
#include "hull/ship/ship.h"
#include "hull/ship/ship_common.h"
#include "hull/summary_page.h"
#include "numlib/circle_constants.h"
#include "util/fortran_format.h"
#include "waves/wavcom.h"

namespace qv {

namespace {

using summary_page::caption;
using summary_page::line;
using summary_page::pageWanted;
using summary_page::startPage;
using summary_page::valueLine;

// A section heading: a line holding one blank, `before` empty lines, the heading, `after` empty lines.
void sectionHeading(std::string_view heading, int before, int after) {
  line(" ");
  summary_page::emptyLines(before);
  line(fmtX(5) + std::string(heading));
  summary_page::emptyLines(after);
}

// A line of page II: a 40-character label with its dots after 15 blanks, the value (F6.1), a blank
// and the unit.
void shortLine(std::string_view label, float value, std::string_view unit) {
  line(fmtX(15) + std::string(label) + fmtF(value, 6, 1) + " " + std::string(unit));
}

void writePageOne() {
  const Himem& h = HIMEM;
  const std::string length = " " + caption(TPCM.NUNTS);
  startPage(std::string("   *****************   I.  PHYSICAL CHARACTERISTICS SUMMARY   ") + "*****************");
  sectionHeading("----  SITE CHARACTERISTICS  ----", 1, 2);
  summary_page::siteLines();
  sectionHeading("----  VESSEL CHARACTERISTICS  ----", 1, 2);
  summary_page::vesselLines(h.VTCRR, h.VTCRP, h.GML, h.GMT);
  if (TPCM.VESTYP == kShipVessel) {
    sectionHeading(std::string("-----  DYNAMICALLY SIMILAR BOX CHARACTERISTICS") + "  ----", 1, 2);
  }
  valueLine("BOX LENGTH ", h.SHIPL, length);
  valueLine("BOX WIDTH ", h.BEAM, length);
  valueLine("BOX DRAFT ", h.EDRAFT, length);
  line("");
  valueLine("TRIM ANGLE ", TPCM.TRIMDG, " DEG");
  valueLine("HEEL ANGLE ", TPCM.HEELDG, " DEG");
}

// One mode of the damping section: its percent of critical and what 1 % of it is in physical units.
void dampingLines(std::string_view label, float percent, float naturalFrequency, float inertia,
                  std::string_view unitText) {
  line(fmtX(15) + std::string(label) + fmtF(percent, 6, 1) + " PERCENT");
  summary_page::conversionLine(0.02f * naturalFrequency * WAVCOM.RHOWTR * inertia, unitText);
  line("");
}

void writePageTwo() {
  const Himem& h = HIMEM;
  const summary_page::DampingUnits units = summary_page::dampingUnits();
  const std::string& linearUnit = units.linear;
  const std::string& rotationalUnit = units.angular;
  startPage(std::string("   ***************  II.  UNMOORED VESSEL MOTION ") + "CHARACTERISTICS  " +
            "**************");
  if (TPCM.AUXVSH != 0) {
    line("");
    line(" ++> NOTE:  The data on this page represent BRANTOX estimates;");
    line(std::string("            Motion data on subsequent pages derive ") + "from USER-SUPPLIED RAOs");
    line(std::string("            which may or may not be consistent with ") + "the data on this page.");
    line("");
  }
  sectionHeading("----  NATURAL PERIODS AT ZERO SPEED  ----", 2, 3);
  shortLine("NATURAL ROLL PERIOD ....................", kTwoPi / h.WR, "SECONDS");
  shortLine("NATURAL PITCH PERIOD ...................", kTwoPi / h.WP, "SECONDS");
  shortLine("NATURAL HEAVE PERIOD ...................", kTwoPi / h.WH, "SECONDS");

  const ship::NaturalDamping fitted = ship::naturalDamping();
  const float pitch = TPCM.LPTDMP != 0 ? TPCM.PTDAMP : fitted.pitch;
  const float heave = TPCM.LHVDMP != 0 ? TPCM.HVDAMP : fitted.heave;
  const float roll = TPCM.LRLDMP != 0 ? TPCM.RLDAMP : 50.0f * h.GAMROL;

  sectionHeading(std::string("----  QUASI-LINEAR ZERO SPEED DAMPING ") + "COEFFICIENTS  ----", 2, 3);
  dampingLines("NATURAL ROLL DAMPING IN BEAM WAVES .....", roll, h.WR, h.ROLI, rotationalUnit);
  dampingLines("NATURAL PITCH DAMPING IN HEAD WAVES ....", pitch, h.WP, h.PTCHI, rotationalUnit);
  dampingLines("NATURAL HEAVE DAMPING ..................", heave, h.WH, h.HVMAS, linearUnit);

  summary_page::waveLines(shortLine);
}

}  // namespace

void SHPSUM() {
  do {
    writePageOne();
  } while (pageWanted());
}

void SHPOUT() {
  do {
    writePageTwo();
  } while (pageWanted());
}

}  // namespace qv
