#include "hull/summary_page.h"

#include "dataset/tpcm.h"
#include "platform/units.h"
#include "util/captions.h"
#include "util/console_io.h"
#include "util/fortran_format.h"

namespace qv::summary_page {

void line(std::string_view text) { writeRecord(TPCM.IUNIT, text); }

void emptyLines(int count) {
  for (int i = 0; i < count; ++i) line("");
}

std::string caption(std::int32_t code) {
  Text<8> text;
  CAPUN(text, code);
  return std::string(text.view());
}

std::string padded(std::string_view text, std::size_t width) {
  std::string out(text.substr(0, width));
  out.resize(width, ' ');
  return out;
}

void startPage(std::string_view title) {
  PAGE(TPCM.IUNIT, TPCM.EDUNIT, 1, kPrinterUnit);
  const std::string border = fmtX(3) + "**" + fmtX(72) + "**";
  line(border);
  line(title);
  line(border);
}

void heading(std::string_view text, int around) {
  emptyLines(around);
  line(fmtX(5) + std::string(text));
  emptyLines(around);
}

void valueLine(std::string_view label, float value, std::string_view unitText) {
  std::string text = fmtX(15) + std::string(label);
  text.resize(54, '.');
  line(text + fmtF(value, 10, 2) + std::string(unitText));
}

DampingUnits dampingUnits() {
  switch (TPCM.NUNTS) {
    case kEnglishUnits:
      return {" k.lb/(ft/sec)", " ft*kip/(rad/sec)"};
    case kMetricUnits:
      return {" m.ton/(m/sec)", " m.ton*m./(rad/sec)"};
    default:
      return {" PROBLEM here!", " PROBLEM here!"};
  }
}

void conversionLine(float onePercent, std::string_view unitText) {
  line(fmtX(15) + "Damping conversion: 1% = " + fmtE(onePercent, 10, 3) + std::string(unitText));
}

void waveLines(PageTwoLine write) {
  const Tpcm& t = TPCM;
  const std::string length = caption(t.NUNTS);
  const bool slope = t.LSLPHT == 1;
  emptyLines(3);
  write(std::string("REGULAR WAVE ") + (slope ? "SLOPE " : "HEIGHT") + ".....................", t.SLPHT,
        slope ? std::string("DEGREES") : length);
  write("WATER DEPTH ............................", t.DEPTH, length);
}

bool pageWanted() {
  if (TPCM.IUNIT != TPCM.EDUNIT) return false;
  PRSRET(TPCM.EDUNIT, kKeyboardUnit, TPCM.LBACK);
  return TPCM.LBACK <= -1;
}

// The unit system of the captions: 0 English, any other value metric.
std::int32_t unitSystem() { return TPCM.NUNTS == kEnglishUnits ? kEnglishUnits : kMetricUnits; }

void siteLines() {
  const Tpcm& t = TPCM;
  const std::int32_t units = unitSystem();
  // "LBS/CUBIC FOOT " or "KGW/CUBIC METER".
  const std::string cubicWord = units == kEnglishUnits ? std::string("FOOT ") : caption(units).substr(0, 5);
  valueLine("WATER DEPTH ", t.DEPTH, " " + caption(units));
  valueLine("WATER DENSITY ", t.DWATR, " " + caption(units + 6).substr(0, 3) + "/CUBIC " + cubicWord);
}

void vesselLines(float VTCRR, float VTCRP, float GML, float GMT) {
  const Tpcm& t = TPCM;
  const std::int32_t units = unitSystem();
  const std::string length = " " + caption(units);
  valueLine("DISPLACEMENT ", t.TDISPL, " " + caption(units + 4));
  valueLine("WATER PLANE AREA ", t.TAWP, " SQUARE " + caption(units));
  valueLine("VERTICAL (Z) KB ", t.VKB, length);
  valueLine("DRAFT ", t.TDRAFT, length);
  line("");
  valueLine("VERTICAL (Z) KG ", t.VKG, length);
  valueLine("NATURAL ROLL CENTER (VKR) ", VTCRR, length);
  valueLine("NATURAL PITCH CENTER (VKP) ", VTCRP, length);
  line("");
  valueLine("PITCH GYRADIUS ", t.TPGYR, length);
  valueLine("ROLL GYRADIUS ", t.TRGYR, length);
  valueLine("YAW GYRADIUS ", t.YGYR, length);
  line("");
  valueLine("LONGITUDINAL GM (GML) ", GML, length);
  valueLine("LONGITUDINAL KM (KML) ", t.VKML, length);
  valueLine("LONGITUDINAL IWP/DELTA ", t.VKML - t.VKB, length);
  line("");
  valueLine("TRANSVERSE GM (GMT) ", GMT, length);
  valueLine("TRANSVERSE KM (KMT) ", t.VKMT, length);
  valueLine("TRANSVERSE IWP/DELTA ", t.VKMT - t.VKB, length);
}

}  // namespace qv::summary_page
