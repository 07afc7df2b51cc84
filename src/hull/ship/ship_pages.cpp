// SHPSUM and SHPOUT: report pages I and II of the ship model, on the summary report unit TPCM IUNIT.
// On the console each page ends with a pause, and a reply of -1 or less draws it again.
#include <string>
#include <string_view>

#include "dataset/tpcm.h"
#include "hull/himem.h"
#include "hull/ship/ship.h"
#include "hull/ship/ship_common.h"
#include "platform/units.h"
#include "util/captions.h"
#include "util/console_io.h"
#include "util/fortran_format.h"
#include "waves/wavcom.h"

namespace qv {

namespace {

constexpr float kTwoPi = 6.2831855f;

void line(std::string_view text) { writeRecord(TPCM.IUNIT, text); }

std::string caption(std::int32_t code) {
  Text<8> text;
  CAPUN(text, code);
  return std::string(text.view());
}

// The three-line box at the head of a page; the title line is 79 characters like the border.
void boxHeader(std::string_view title) {
  const std::string border = fmtX(3) + "**" + fmtX(72) + "**";
  line(border);
  line(fmtX(3) + std::string(title));
  line(border);
}

// A section heading: a line holding one blank, `before` empty lines, the heading, `after` empty lines.
void sectionHeading(std::string_view heading, int before, int after) {
  line(" ");
  for (int i = 0; i < before; ++i) line("");
  line(fmtX(5) + std::string(heading));
  for (int i = 0; i < after; ++i) line("");
}

// A labelled line of page I: the label and its dots fill 39 columns after 15 blanks, then the value
// (F10.2) and the unit text. The unit text is written as given, so it carries its own leading blank.
void valueLine(std::string_view label, float value, std::string_view unitText) {
  std::string text = fmtX(15) + std::string(label);
  text.resize(15 + 39, '.');
  line(text + fmtF(value, 10, 2) + std::string(unitText));
}

// A line of page II: a 40-character label with its dots after 15 blanks, the value (F6.1), a blank
// and the unit.
void shortLine(std::string_view label, float value, std::string_view unit) {
  line(fmtX(15) + std::string(label) + fmtF(value, 6, 1) + " " + std::string(unit));
}

// On the console: the pause; a reply of -1 or less asks for the page again.
bool pageWanted() {
  if (TPCM.IUNIT != TPCM.EDUNIT) return false;
  PRSRET(TPCM.EDUNIT, kKeyboardUnit, TPCM.LBACK);
  return TPCM.LBACK <= -1;
}

void writePageOne() {
  const Himem& h = HIMEM;
  const std::string length = " " + caption(TPCM.NUNTS);
  const std::string force = " " + caption(TPCM.NUNTS + 4);
  // "LBS/CUBIC FOOT " or "KGW/CUBIC METER".
  const std::string lengthWord = TPCM.NUNTS == 0 ? std::string("FOOT ") : caption(TPCM.NUNTS).substr(0, 5);
  const std::string density = " " + caption(TPCM.NUNTS + 6).substr(0, 3) + "/CUBIC" + " " + lengthWord;

  boxHeader(std::string("*****************   I.  PHYSICAL CHARACTERISTICS SUMMARY   ") + "*****************");
  sectionHeading("----  SITE CHARACTERISTICS  ----", 1, 2);
  valueLine("WATER DEPTH ", TPCM.DEPTH, length);
  valueLine("WATER DENSITY ", TPCM.DWATR, density);
  sectionHeading("----  VESSEL CHARACTERISTICS  ----", 1, 2);
  valueLine("DISPLACEMENT ", TPCM.TDISPL, force);
  valueLine("WATER PLANE AREA ", TPCM.TAWP, " SQUARE " + caption(TPCM.NUNTS));
  valueLine("VERTICAL (Z) KB ", TPCM.VKB, length);
  valueLine("DRAFT ", TPCM.TDRAFT, length);
  line("");
  valueLine("VERTICAL (Z) KG ", TPCM.VKG, length);
  valueLine("NATURAL ROLL CENTER (VKR) ", h.VTCRR, length);
  valueLine("NATURAL PITCH CENTER (VKP) ", h.VTCRP, length);
  line("");
  valueLine("PITCH GYRADIUS ", TPCM.TPGYR, length);
  valueLine("ROLL GYRADIUS ", TPCM.TRGYR, length);
  valueLine("YAW GYRADIUS ", TPCM.YGYR, length);
  line("");
  valueLine("LONGITUDINAL GM (GML) ", h.GML, length);
  valueLine("LONGITUDINAL KM (KML) ", TPCM.VKML, length);
  valueLine("LONGITUDINAL IWP/DELTA ", TPCM.VKML - TPCM.VKB, length);
  line("");
  valueLine("TRANSVERSE GM (GMT) ", h.GMT, length);
  valueLine("TRANSVERSE KM (KMT) ", TPCM.VKMT, length);
  valueLine("TRANSVERSE IWP/DELTA ", TPCM.VKMT - TPCM.VKB, length);
  if (TPCM.VESTYP == 1) {
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
  line(fmtX(15) + "Damping conversion: 1% = " +
       fmtE(0.02f * naturalFrequency * WAVCOM.RHOWTR * inertia, 10, 3) + std::string(unitText));
  line("");
}

void writePageTwo() {
  const Himem& h = HIMEM;
  std::string linearUnit = " PROBLEM here!";
  std::string rotationalUnit = " PROBLEM here!";
  if (TPCM.NUNTS == 1) {
    linearUnit = " m.ton/(m/sec)";
    rotationalUnit = " m.ton*m./(rad/sec)";
  } else if (TPCM.NUNTS == 0) {
    linearUnit = " k.lb/(ft/sec)";
    rotationalUnit = " ft*kip/(rad/sec)";
  }
  const bool slope = TPCM.LSLPHT == 1;
  const std::string length = caption(TPCM.NUNTS);

  boxHeader(std::string("***************  II.  UNMOORED VESSEL MOTION ") + "CHARACTERISTICS  " + "**************");
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

  line("");
  line("");
  line("");
  shortLine(std::string("REGULAR WAVE ") + (slope ? "SLOPE " : "HEIGHT") + ".....................", TPCM.SLPHT,
            slope ? std::string("DEGREES") : length);
  shortLine("WATER DEPTH ............................", TPCM.DEPTH, length);
}

}  // namespace

void SHPSUM() {
  do {
    PAGE(TPCM.IUNIT, TPCM.EDUNIT, 1, kPrinterUnit);
    writePageOne();
  } while (pageWanted());
}

void SHPOUT() {
  do {
    PAGE(TPCM.IUNIT, TPCM.EDUNIT, 1, kPrinterUnit);
    writePageTwo();
  } while (pageWanted());
}

}  // namespace qv
