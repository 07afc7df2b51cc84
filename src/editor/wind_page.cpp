// Page 11, "Wind Conditions": the mean wind speed (knots in both unit systems), its heading, and the
// wind speed spectrum with the one parameter its type needs. The spectra themselves belong to the
// low-frequency load analysis. Shown only when the data set simulates wind.
#include <string>

#include "dataset/spectrum_captions.h"
#include "dataset/tpcm.h"
#include "editor/env_page_parts.h"
#include "editor/env_pages.h"
#include "editor/page_loop.h"
#include "editor/salm_text.h"
#include "platform/units.h"
#include "util/console_io.h"
#include "util/dialogue.h"
#include "util/fortran_format.h"

namespace qv {

namespace {

enum Item : std::int32_t {
  kSpeed = 1,
  kHeading = 2,
  kSpectrumType = 3,
  kParameter = 4,  // the line of the type's parameter, drawn without its number
};

std::string windTypeName(std::int32_t type) {
  Text<30> name;
  WNDPRT(name, type);
  return name.str();
}

std::string itemLine(Item item) {
  const Tpcm& t = TPCM;
  switch (item) {
    case kSpeed: return " 1) Wind speed ................................." + fmtF(t.WNDSPD, 11, 2) + " knots";
    case kHeading: return " 2) Wind heading ..............................." + fmtF(t.WNDHDG, 11, 2) + " degrees";
    case kSpectrumType: return " 3) Wind spectral type ........................." + windTypeName(t.WNDTYP);
    case kParameter: break;
  }
  return std::string();
}

// The parameter line of a spectrum type, and whether an empty line follows it; no line for the
// types without a parameter (nor for the density in a unit system that is neither English nor metric).
struct ParameterLine {
  std::string text;
  bool spaced = false;
};

ParameterLine parameterLine(std::int32_t type) {
  const Tpcm& t = TPCM;
  switch (type) {
    case kLegacyPointWind:
      if (t.NUNTS != kEnglishUnits && t.NUNTS != kMetricUnits) return {};
      return {"    Wind speed spectral density ................" + fmtE(t.WNDDEN, 11, 3) +
              (t.NUNTS == kEnglishUnits ? " feet^2/sec" : " meters^2/sec")};
    case kApiWind: return {"    A.P.I. wind spectrum parameter ............." + fmtF(t.APIPRM, 14, 5), true};
    case kNpdWind:
      return {"    N.P.D. Spectral Evaluation Height .........." + fmtF(t.WSPEC_HGT, 11, 2) + lengthLabel(), true};
    default: return {};
  }
}

// The parameter of a type: its line again, then the new value. Only the typed-in parameters.
void enterParameter(std::int32_t type) {
  Tpcm& t = TPCM;
  float* value = type == kLegacyPointWind ? &t.WNDDEN
                 : type == kApiWind       ? &t.APIPRM
                 : type == kNpdWind       ? &t.WSPEC_HGT
                                          : nullptr;
  if (value == nullptr) return;
  const ParameterLine line = parameterLine(type);
  if (!line.text.empty()) writeRecord(t.EDUNIT, line.text);
  ENTERF(*value, t.EDUNIT, kKeyboardUnit);
}

void drawPage(std::string_view label) {
  const std::int32_t u = TPCM.EDUNIT;
  writeRecord(u, fmtX(19) + "****  Page " + std::string(label) + ": Wind Conditions  ****");
  LINES(u, 2);
  writeRecord(u, itemLine(kSpeed));
  writeRecord(u, itemLine(kHeading));
  writeRecord(u, "");
  writeRecord(u, itemLine(kSpectrumType));
  const ParameterLine parameter = parameterLine(TPCM.WNDTYP);
  if (parameter.text.empty()) return;
  writeRecord(u, parameter.text);
  if (parameter.spaced) writeRecord(u, "");
}

// The list of wind spectrum types. A choice sets the type and asks for its parameter; blank or a
// navigation letter goes back to the page with the type unchanged.
void chooseWindType() {
  runSubPage(
      [] {
        const std::int32_t u = TPCM.EDUNIT;
        writeRecord(u, " -- Wind type --");
        writeRecord(u, "");
        for (std::int32_t type = 1; type <= kLastWindSpectrum; ++type)
          writeRecord(u, " " + fmtI(type, 1) + ") " + windTypeName(type));
      },
      [](std::int32_t item) { WNDHP2(TPCM.EDUNIT, kKeyboardUnit, item); },
      [](std::int32_t& reply) {
        if (reply > kLastWindSpectrum) return PageStep::kRedraw;
        if (reply <= 0) return PageStep::kLeave;
        MAXCHK(reply, kLastWindSpectrum);
        TPCM.WNDTYP = reply;
        enterParameter(reply);
        return PageStep::kLeave;
      });
}

const PageItem kItems[] = {
    {kSpeed,
     [] {
       writeRecord(TPCM.EDUNIT, itemLine(kSpeed));
       ENTERF(TPCM.WNDSPD, TPCM.EDUNIT, kKeyboardUnit);
     }},
    {kHeading,
     [] {
       writeRecord(TPCM.EDUNIT, itemLine(kHeading));
       ENTERF(TPCM.WNDHDG, TPCM.EDUNIT, kKeyboardUnit);
     }},
    {kSpectrumType, chooseWindType},
    // The NPD height is asked for only when that type is chosen under item 3.
    {kParameter,
     [] { enterParameter(TPCM.WNDTYP); },
     [] { return TPCM.WNDTYP == kLegacyPointWind || TPCM.WNDTYP == kApiWind; }},
};

// ---- help --------------------------------------------------------------------------------------

const std::string kWindTitle = fmtX(23) + "****  Wind Definition Notes  ****";

const std::vector<HelpNote> kPageNotes = {
    {{1},
     "1",
     {" The wind speed is normally a long-term average at 10 m above the sea. The",
      " A.P.I. and N.P.D. spectra call for the one-hour average speed. The mean",
      " wind forces follow from this speed with the windage areas and enhancement",
      " coefficients of the editor page for vessel environmental areas, moments",
      " and enhancement data."}},
    {{2},
     "2",
     withAxesSketch({" Angles are measured in a right-handed earth-fixed system with z upwards:",
                     " zero along +x, increasing counter-clockwise (90 degrees along +y). The",
                     " heading is the direction TOWARD which the wind blows: a 180-degree wind",
                     " blows toward -x, a 90-degree wind from right to left. With vessel heading",
                     " zero the global and the vessel systems coincide."})},
    {{3}, "3", {" The wind spectral type is chosen on a sub-page of its own; its help", " describes each type."}},
};

const std::vector<HelpNote> kTypeNotes = {
    {{1},
     "1",
     {" Davenport: the sea-surface roughness is preset; the only parameter is the", " mean wind speed at 10 m."}},
    {{2},
     "2",
     {" Legacy point spectrum: one value of the wind speed spectrum at the surge",
      " natural frequency of the moor, for a spectrum defined on [0, infinity),",
      " in speed^2 per rad/sec in the simulation units."},
     false},
    {{3}, "3", {" Steady wind: no time variation, and so no low-frequency oscillation."}},
    {{4},
     "4",
     {" A.P.I.: the spectral value at 10 m above the sea. Besides the one-hour",
      " average speed at the 10 m reference level it takes one dimensionless",
      " parameter \"A\", which normally lies between .01 and .1 (default .025)."},
     false},
    {{5},
     "5",
     {" N.P.D.: the one-hour mean speed at a 10 m reference height, with the",
      " spectral values at an evaluation level of the user's choice (default",
      " 10 m). A level other than 10 m changes the fluctuating wind force but not",
      " the mean force."}},
    {{6},
     "6",
     {" \"WINDSPEC.txt\" file: the first line holds the number of (frequency,",
      " spectral value) pairs, at most 1000; then one pair per line. Frequencies",
      " are circular, in rad/sec; spectral values in (ft/sec)^2/(radian/sec) for",
      " English units, (m/sec)^2/(radian/sec) for metric units. The span should",
      " cover the low-frequency periods (10 to 10,000 seconds, so .0005 to .5",
      " rad/sec); the program warns of frequencies outside the table and takes",
      " the spectrum as 0 there. The pairs run monotonically",
      " in frequency, ascending or descending, separated by any standard value",
      " separator, and the file ends with at least one empty line. The area under",
      " the spectrum over (0, infinity) is the variance of the speed, so data",
      " given per Hz are divided by 2*pi = 6.2832."}},
};

}  // namespace

void WNDHP1(std::int32_t IOSCRN, std::int32_t KBD, std::int32_t LINE) {
  showHelpNotes(IOSCRN, KBD, LINE, kWindTitle, kPageNotes);
}

void WNDHP2(std::int32_t IOSCRN, std::int32_t KBD, std::int32_t LINE) {
  showHelpNotes(IOSCRN, KBD, LINE, kWindTitle, kTypeNotes);
}

void WIND(std::string_view label) {
  PageLoop page;
  page.draw = [label] { drawPage(label); };
  page.items = kItems;
  page.help = [](std::int32_t item) { WNDHP1(TPCM.EDUNIT, kKeyboardUnit, item); };
  runPage(page);
}

}  // namespace qv
