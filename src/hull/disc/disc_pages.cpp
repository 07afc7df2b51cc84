// DSKSUM and DSKOUT: report pages I and II of the discus buoy, on the summary report unit TPCM IUNIT.
// Page II gives the unmoored natural periods and damping, or with mooring feedback the moor-modified
// ones of all six modes. On the console each page ends with a pause, and a reply of -1 or less draws
// it again.
#include <span>
#include <string>
#include <string_view>

#include "dataset/tpcm.h"
#include "hull/disc/disc.h"
#include "hull/himem.h"
#include "hull/summary_page.h"
#include "numlib/circle_constants.h"
#include "util/fortran_format.h"
#include "waves/wavcom.h"

namespace qv {

namespace {

using summary_page::caption;
using summary_page::emptyLines;
using summary_page::heading;
using summary_page::line;
using summary_page::padded;
using summary_page::pageWanted;
using summary_page::startPage;

// A line of page II: the 40-character label with its dots, the value (F6.1), a blank and the unit
// in 8 characters.
void periodLine(std::string_view label, float value, std::string_view unit) {
  line(fmtX(15) + std::string(label) + fmtF(value, 6, 1) + " " + padded(unit, 8));
}

void writePageOne() {
  const Himem& h = HIMEM;
  startPage("   *****************   I.  PHYSICAL CHARACTERISTICS SUMMARY   *****************");
  heading("----  SITE CHARACTERISTICS  ----", 2);
  summary_page::siteLines();
  heading("----  VESSEL CHARACTERISTICS  ----", 2);
  summary_page::vesselLines(h.VTCRR, h.VTCRP, h.GML, h.GMT);
}

// One mode of page II: its label, natural frequency [rad/s] and virtual mass or inertia (per unit
// water density), its damping in percent of critical, and whether it is a rotation.
struct ModeLine {
  const char* periodLabel;
  const char* dampingLabel;
  float w;
  float inertia;
  float percent;
  bool rotation;
};

// The damping in percent of critical: the user's with the flag set, else 50 times the ratio.
float percent(std::int32_t flag, float user, float ratio) { return flag != 0 ? user : 50.0f * ratio; }

void writePageTwo() {
  const Tpcm& t = TPCM;
  const Himem& h = HIMEM;
  const float rho = WAVCOM.RHOWTR;
  const summary_page::DampingUnits units = summary_page::dampingUnits();
  const std::string& linearUnit = units.linear;
  const std::string& angularUnit = units.angular;
  // Moored, the mooring's damping joins the hydrodynamic ratio of each mode; the surge and sway
  // estimates of the calibration already hold it, and yaw has the mooring's alone.
  const ModeLine unmoored[] = {
      {"UNMOORED ROLL PERIOD ...................", "UNMOORED ROLL DAMPING ..................", h.WR, h.ROLI,
       percent(t.LRLDMP, t.RLDAMP, h.GAMROL), true},
      {"UNMOORED PITCH PERIOD ..................", "UNMOORED PITCH DAMPING .................", h.WP, h.PTCHI,
       percent(t.LPTDMP, t.PTDAMP, h.GAMPIT), true},
      {"UNMOORED HEAVE PERIOD ..................", "UNMOORED HEAVE DAMPING .................", h.WH, h.HVMAS,
       percent(t.LHVDMP, t.HVDAMP, h.GAMHEV), false},
  };
  const ModeLine moored[] = {
      {"MOOR-MODIFIED ROLL PERIOD ..............", "MOOR-MODIFIED ROLL DAMPING .............", h.WR, h.ROLI,
       percent(t.LRLDMP, t.RLDAMP, t.RLMDMP / (h.WR * rho * h.ROLI) + h.GAMROL), true},
      {"MOOR-MODIFIED PITCH PERIOD .............", "MOOR-MODIFIED PITCH DAMPING ............", h.WP, h.PTCHI,
       percent(t.LPTDMP, t.PTDAMP, t.PTMDMP / (h.WP * rho * h.PTCHI) + h.GAMPIT), true},
      {"MOOR-MODIFIED HEAVE PERIOD .............", "MOOR-MODIFIED HEAVE DAMPING ............", h.WH, h.HVMAS,
       percent(t.LHVDMP, t.HVDAMP, t.HVMDMP / (rho * h.WH * h.HVMAS) + h.GAMHEV), false},
      {"MOOR-MODIFIED SURGE PERIOD .............", "MOOR-MODIFIED SURGE DAMPING ............", h.WSG, h.SGMAS,
       percent(t.LSGDMP, t.SGMDMP, h.GAMSRG), false},
      {"MOOR-MODIFIED SWAY PERIOD ..............", "MOOR-MODIFIED SWAY DAMPING .............", h.WSW, h.SGMAS,
       percent(t.LSWDMP, t.SWMDMP, h.GAMSWY), false},
      {"MOOR-MODIFIED YAW PERIOD ...............", "MOOR-MODIFIED YAW DAMPING ..............", h.WY, h.YAWI,
       percent(t.LYWDMP, t.YWMDMP, t.YWMDMP / (h.WY * rho * h.YAWI)), true},
  };
  std::span<const ModeLine> modes;
  if (t.MORFBK == 0) modes = unmoored;
  if (t.MORFBK == 1) modes = moored;

  startPage("   ***************  II.  UNMOORED VESSEL MOTION CHARACTERISTICS  **************");
  if (t.AUXVSH != 0) {
    line("");
    line(" >>> NOTE:  The data on this page represent TULKESH estimates;");
    line("            Motion data on subsequent pages derive from USER-SUPPLIED RAOs");
    line("            which may or may not be consistent with the data on this page.");
    line("");
  }
  heading("----  NATURAL PERIODS AT ZERO SPEED  ----", 3);
  if (t.MORFBK == 1) line("");
  for (const ModeLine& m : modes) periodLine(m.periodLabel, kTwoPi / m.w, "SECONDS");

  heading("----  QUASI-LINEAR DAMPING COEFFICIENTS  ----", 3);
  if (t.MORFBK == 1) line("");
  for (const ModeLine& m : modes) {
    periodLine(m.dampingLabel, m.percent, "PERCENT");
    summary_page::conversionLine(0.02f * m.w * rho * m.inertia, padded(m.rotation ? angularUnit : linearUnit, 24));
    line("");
  }
  summary_page::waveLines(periodLine);
}

}  // namespace

void DSKSUM() {
  do {
    writePageOne();
  } while (pageWanted());
}

void DSKOUT() {
  do {
    writePageTwo();
  } while (pageWanted());
}

}  // namespace qv
