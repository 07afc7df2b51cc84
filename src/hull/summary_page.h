// What the report pages I and II of the hull models share: every line goes to the summary report
// unit TPCM IUNIT; a page starts with PAGE and a box of three lines 79 characters wide; a labelled
// value of page I has its label and dots up to column 54 and the value in F10.2; on the console each
// page ends with a pause whose reply of -1 or less asks for the page again. And the site and
// hydrostatic lines that the ship's and the disc's page I have in common.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace qv::summary_page {

// One record on TPCM IUNIT.
void line(std::string_view text);
void emptyLines(int count);

// The unit caption of CAPUN `code`, all 8 characters.
std::string caption(std::int32_t code);
// `text` cut or padded with blanks to `width` characters.
std::string padded(std::string_view text, std::size_t width);

// PAGE on IUNIT, then the box: "   **", 72 blanks, "**"; the title line as given; the first again.
void startPage(std::string_view title);
// A section heading after 5 blanks, with `around` empty lines before and after it.
void heading(std::string_view text, int around);
// 15 blanks, the label and its dots to column 54, the value (F10.2) and the unit text, which carries
// its own leading blank.
void valueLine(std::string_view label, float value, std::string_view unitText);

// The units of the damping conversions of page II by TPCM NUNTS: linear " k.lb/(ft/sec)" or
// " m.ton/(m/sec)", angular " ft*kip/(rad/sec)" or " m.ton*m./(rad/sec)"; " PROBLEM here!" for
// both under any other unit system.
struct DampingUnits {
  std::string linear;
  std::string angular;
};
DampingUnits dampingUnits();

// A damping conversion of page II: 15 blanks, "Damping conversion: 1% = ", the value of 1 % of
// critical damping (E10.3) and directly after it the unit text.
void conversionLine(float onePercent, std::string_view unitText);

// A line of page II as one hull model writes it: the 40-character label with its dots, the value
// and the unit.
using PageTwoLine = void (*)(std::string_view label, float value, std::string_view unit);
// The closing lines of page II: three empty lines, the regular wave (SLPHT as a "SLOPE " in
// "DEGREES" when LSLPHT = 1, else as a "HEIGHT" in the length unit) and the water depth.
void waveLines(PageTwoLine write);

// On the console (IUNIT = EDUNIT): the pause, PRSRET into LBACK; true when the reply asks for the
// page again (-1 or less). On a report file: false, no pause.
bool pageWanted();

// The site lines of the ship and the disc: "WATER DEPTH " (DEPTH, length) and "WATER DENSITY " (DWATR,
// "LBS/CUBIC FOOT " or "KGW/CUBIC METER").
void siteLines();
// Their vessel lines, "DISPLACEMENT " to "TRANSVERSE IWP/DELTA ", with the rotation centres and the
// metacentric heights of the hull model.
void vesselLines(float VTCRR, float VTCRP, float GML, float GMT);

}  // namespace qv::summary_page
