// SEMSUM and SEMOUT: report pages I (as input, then as estimated from the members) and II of the
// semi-submersible, on the summary report unit TPCM IUNIT. On the console each page ends with a
// pause, and a reply of -1 or less draws page I from its first half again, or page II again.
#include <cmath>
#include <string>
#include <string_view>

#include "dataset/tpcm.h"
#include "hull/himem.h"
#include "hull/pascom.h"
#include "hull/semi/semi.h"
#include "hull/semi/semi_common.h"
#include "hull/semi/simcom.h"
#include "numlib/circle_constants.h"
#include "hull/summary_page.h"
#include "util/captions.h"
#include "util/fortran_format.h"
#include "util/sim_types.h"
#include "waves/wavcom.h"

namespace qv {

namespace {

using summary_page::caption;
using summary_page::emptyLines;
using summary_page::heading;
using summary_page::line;
using summary_page::pageWanted;
using summary_page::startPage;
using summary_page::valueLine;

// A unit word in its 8 characters.
std::string unitWord(std::string_view word) { return summary_page::padded(word, 8); }

// A line of page II: the 40-character label with its dots, the value (F7.1), a blank and the unit.
void periodLine(std::string_view label, float value, std::string_view unit) {
  line(fmtX(15) + std::string(label) + fmtF(value, 7, 1) + " " + unitWord(unit));
}

// The unit texts of page I, each after its blank.
struct PageUnits {
  std::string length;  // " FEET    " or " METERS  "
  std::string area;    // " SQUARE FEET    "
  std::string force;   // " K.LBS   " or " M.TONS  "
};

PageUnits pageUnits() {
  const std::string length = caption(TPCM.NUNTS);
  return {" " + length, " SQUARE " + length, " " + caption(unitCode(4, TPCM.NUNTS))};
}

// Whether the righting arms differ from the metacentric heights: a tension-leg hull or a weight other
// than the displacement.
bool rightingArmsShown() { return semi::tensionLeg() || TPCM.LPHANTOM_WGHT == 1; }

// The labels of the metacentre lines about one axis.
struct MetacentreLabels {
  const char* GM;
  const char* arm;
  const char* KM;
  const char* IWP;
};
constexpr MetacentreLabels kLongitudinal = {"LONGITUDINAL GM (GML) ", "LONGITUDINAL RIGHTING ARM ",
                                            "LONGITUDINAL KM (KML) ", "LONGITUDINAL IWP/DELTA "};
constexpr MetacentreLabels kTransverse = {"TRANSVERSE GM (GMT) ", "TRANSVERSE RIGHTING ARM ",
                                          "TRANSVERSE KM (KMT) ", "TRANSVERSE IWP/DELTA "};

// Their values: the metacentric height against the input centre of gravity, the righting arm, the
// metacentre's height and its height above the centre of buoyancy.
struct Metacentre {
  float GM, arm, KM, IWP;
};

void metacentreLines(const MetacentreLabels& label, const Metacentre& value, std::string_view unit) {
  valueLine(label.GM, value.GM, unit);
  if (rightingArmsShown()) valueLine(label.arm, value.arm, unit);
  valueLine(label.KM, value.KM, unit);
  valueLine(label.IWP, value.IWP, unit);
}

void writeInputHalf() {
  const Tpcm& t = TPCM;
  const Himem& h = HIMEM;
  const PageUnits u = pageUnits();
  // "LBS/CUBIC FOOT" or "KGW/CUBIC METER".
  const std::string cubicWord = t.NUNTS == kEnglishUnits ? std::string("FOOT") : caption(t.NUNTS).substr(0, 5);
  const std::string density = " " + caption(unitCode(6, t.NUNTS)).substr(0, 3) + "/CUBIC " + cubicWord;

  startPage("   *************   I.  PHYSICAL CHARACTERISTICS SUMMARY (AS INPUT)  ***********");
  heading("----  SITE CHARACTERISTICS  ----", 2);
  valueLine("WATER DEPTH ", t.DEPTH, u.length);
  valueLine("WATER DENSITY ", t.DWATR, density);
  heading("----  VESSEL CHARACTERISTICS  ----", 2);
  valueLine("DISPLACEMENT ", t.TDISPL, u.force);
  valueLine("WATER PLANE AREA ", t.TAWP, u.area);
  valueLine("VERTICAL (Z) KB ", t.VKB, u.length);
  valueLine("DRAFT ", t.TDRAFT, u.length);
  line("");
  valueLine("VERTICAL (Z) KG ", t.VKG, u.length);
  valueLine("LONGITUDINAL (X) CG ", 0.0f, u.length);
  valueLine("TRANSVERSE (Y) CG ", 0.0f, u.length);
  line("");
  valueLine("PITCH GYRADIUS ", t.TPGYR, u.length);
  valueLine("ROLL GYRADIUS ", t.TRGYR, u.length);
  valueLine("YAW GYRADIUS ", t.YGYR, u.length);
  line("");
  metacentreLines(kLongitudinal, {t.VKML - t.VKG, h.GML, t.VKML, h.EVKML - h.EVKB}, u.length);
  line("");
  metacentreLines(kTransverse, {t.VKMT - t.VKG, h.GMT, t.VKMT, h.EVKMT - h.EVKB}, u.length);
  line("");
  valueLine("TRIM ANGLE ", t.TRIMDG, " " + unitWord("DEG"));
  valueLine("HEEL ANGLE ", t.HEELDG, " " + unitWord("DEG"));
}

// The estimated metacentric heights are taken against the effective centre of gravity; the GM lines
// restate them against the input one, the righting arms show them as they are.
void writeEstimatedHalf() {
  const Tpcm& t = TPCM;
  const Himem& h = HIMEM;
  const PageUnits u = pageUnits();
  startPage("   ***********   I.  PHYSICAL CHARACTERISTICS SUMMARY (AS ESTIMATED)  *********");
  heading("----  VESSEL CHARACTERISTICS  ----", 2);
  if (semi::tensionLeg()) valueLine("VERTICAL PULL-DOWN ", PASCOM.DELTA_DRAFT, u.length);
  valueLine("DISPLACEMENT ", h.EDISPL, u.force);
  valueLine("WATER PLANE AREA ", t.AWPEST, u.area);
  valueLine("VERTICAL (Z) KB ", t.VCBEST, u.length);
  valueLine("DRAFT ", h.EDRAFT, u.length);
  line("");
  valueLine("EQUIVALENT VERTICAL KG ", h.EVKG, u.length);
  valueLine("FORWARD (X) KB ", t.XCBEST, u.length);
  valueLine("LATERAL (Y) KB ", t.YCBEST, u.length);
  line("");
  valueLine("FORWARD (X) WATERPLANE CENTROID  ", t.XWPCTR, u.length);
  valueLine("LATERAL (Y) WATERPLANE CENTROID  ", t.YWPCTR, u.length);
  line("");
  const float KML = t.GMLEST + h.EVKG;
  metacentreLines(kLongitudinal, {KML - t.VKG, t.GMLEST, KML, KML - t.VCBEST}, u.length);
  valueLine("PITCH CENTER OF ROTATION ", h.VTCRP, u.length);
  line("");
  const float KMT = t.GMTEST + h.EVKG;
  metacentreLines(kTransverse, {KMT - t.VKG, t.GMTEST, KMT, KMT - t.VCBEST}, u.length);
  valueLine("ROLL CENTER OF ROTATION ", h.VTCRR, u.length);
}

// The natural period of a mode without its tendons: the user's, or from the restoring less the
// tendon stiffness.
float periodWithoutTendons(std::int32_t userGivesPeriod, float userPeriod, float restoring, float tendon,
                           float inertia) {
  if (userGivesPeriod != 0) return userPeriod;
  return kTwoPi / std::sqrt((restoring - tendon) / inertia);
}

// One mode of the damping section: its percent of critical and what 1 % of it is in physical units.
void dampingLines(std::string_view label, float GAM, float w, float inertia, std::string_view unitText) {
  line(fmtX(15) + std::string(label) + fmtF(50.0f * GAM, 7, 1) + " " + unitWord("PERCENT"));
  summary_page::conversionLine(0.02f * w * WAVCOM.RHOWTR * inertia, unitText);
  line("");
}

void writePageTwo() {
  const Tpcm& t = TPCM;
  const Himem& h = HIMEM;
  const Simcom& m = SIMCOM;
  const summary_page::DampingUnits units = summary_page::dampingUnits();
  const std::string& linearUnit = units.linear;
  const std::string& rotationalUnit = units.angular;

  startPage("   ***************  II.  UNMOORED VESSEL MOTION CHARACTERISTICS  **************");
  if (t.AUXVSH != 0) {
    line("");
    line(" ++> NOTE:  The data on this page represent DORVANE estimates;");
    line("            Motion data on subsequent pages derive from USER-SUPPLIED RAOs");
    line("            which may or may not be consistent with the data on this page.");
    line("");
  }
  heading("----  NATURAL PERIODS AT ZERO SPEED  ----", 3);
  // A tension-leg hull with its own natural periods: those without the tendons first, then those
  // with them.
  const bool moored = t.CREATR == kSimWistole;
  const float roll = kTwoPi / h.WR;
  const float pitch = kTwoPi / h.WP;
  const float heave = kTwoPi / h.WH;
  if (moored) {
    periodLine("NATURAL ROLL PERIOD ....................",
               periodWithoutTendons(t.LRLPRD, t.ROLPRD, h.RRMT, PASCOM.RTENDN, h.ROLI), "SECONDS");
    periodLine("NATURAL PITCH PERIOD ...................",
               periodWithoutTendons(t.LPTPRD, t.PITPRD, h.PRMT, PASCOM.PTENDN, h.PTCHI), "SECONDS");
    periodLine("NATURAL HEAVE PERIOD ...................",
               periodWithoutTendons(t.LHVPRD, t.HEVPRD, h.HC, PASCOM.HTENDN, h.HVMAS), "SECONDS");
    line("");
    periodLine("MOOR-MODIFIED ROLL PERIOD ..............", roll, "SECONDS");
    periodLine("MOOR-MODIFIED PITCH PERIOD .............", pitch, "SECONDS");
    periodLine("MOOR-MODIFIED HEAVE PERIOD .............", heave, "SECONDS");
  } else {
    periodLine("NATURAL ROLL PERIOD ....................", roll, "SECONDS");
    periodLine("NATURAL PITCH PERIOD ...................", pitch, "SECONDS");
    periodLine("NATURAL HEAVE PERIOD ...................", heave, "SECONDS");
  }

  // The frequencies of the conversions, for a tension-leg hull from its moor-modified periods.
  const float wRoll = moored ? kTwoPi / roll : h.WR;
  const float wPitch = moored ? kTwoPi / pitch : h.WP;
  const float wHeave = moored ? kTwoPi / heave : h.WH;
  heading("----  QUASI-LINEAR ZERO SPEED DAMPING COEFFICIENTS  ----", 3);
  dampingLines("NATURAL ROLL DAMPING ...................", m.GAMRL, wRoll, h.ROLI, rotationalUnit);
  dampingLines("NATURAL PITCH DAMPING ..................", m.GAMPT, wPitch, h.PTCHI, rotationalUnit);
  dampingLines("NATURAL HEAVE DAMPING ..................", m.GAMHV, wHeave, h.HVMAS, linearUnit);

  summary_page::waveLines(periodLine);
}

}  // namespace

void SEMSUM() {
  for (;;) {
    writeInputHalf();
    if (pageWanted()) continue;
    writeEstimatedHalf();
    if (!pageWanted()) return;
  }
}

void SEMOUT() {
  do {
    writePageTwo();
  } while (pageWanted());
}

}  // namespace qv
