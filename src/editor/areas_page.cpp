// Page 10, the vessel's environmental areas: the wind and current switches, the projected drag
// areas and their centroids, the wind and current force enhancement factors, and the adjustable
// factors of the built-in wave-reflection ("drift") and wave-absorption ("drag") force models, each
// group behind a switch of its own.
#include <array>
#include <string>
#include <vector>

#include "dataset/force_model.h"
#include "dataset/tpcm.h"
#include "editor/page_loop.h"
#include "editor/pages.h"
#include "editor/salm_text.h"
#include "editor/vessel_notes.h"
#include "platform/units.h"
#include "util/console_io.h"
#include "util/dialogue.h"
#include "util/fortran_format.h"
#include "util/sim_types.h"

namespace qv {

namespace {

enum Item : std::int32_t {
  kWindSwitch = 1,
  kCurrentSwitch = 11,
  kReflectionSwitch = 20,
  kAbsorptionSwitch = 30,
};

// Defaults of the wave factors.
constexpr float kFactorDefault = 1.0f;
constexpr float kSternDefault = 1.25f;  // a conventional VLCC stern

// What a value line shows after its value.
enum class Kind { kArea, kCentroid, kFactor };

// Which switch or indicator offers a value item.
enum class Shown { kAlways, kWindCentroid, kCurrentCentroid, kVerticalCentroid, kReflection, kAbsorption };

struct ValueItem {
  std::int32_t item;
  const char* label;
  float& (*member)();
  Kind kind;
  Shown shown;
};

// Items 2 to 8 (wind) and 12 to 18 (current) have the same labels and rules; then the two groups of
// wave factors.
const ValueItem kValues[] = {
    {2, "Head-on effective drag area", []() -> float& { return TPCM.TXWNDA; }, Kind::kArea, Shown::kAlways},
    {3, "Head-on drag area centroid (y, from CG)", []() -> float& { return TPCM.XWARM; }, Kind::kCentroid,
     Shown::kWindCentroid},
    {4, "Head-on drag area centroid (z, from Keel)", []() -> float& { return TPCM.ZXWARM; }, Kind::kCentroid,
     Shown::kVerticalCentroid},
    {5, "Beam-on effective drag area", []() -> float& { return TPCM.TYWNDA; }, Kind::kArea, Shown::kAlways},
    {6, "Beam-on drag area centroid (x, from CG)", []() -> float& { return TPCM.YWARM; }, Kind::kCentroid,
     Shown::kWindCentroid},
    {7, "Beam-on drag area centroid (z, from Keel)", []() -> float& { return TPCM.ZYWARM; }, Kind::kCentroid,
     Shown::kVerticalCentroid},
    {8, "Wind force enhancement factor", []() -> float& { return TPCM.TWNDCF; }, Kind::kFactor, Shown::kAlways},
    {12, "Head-on effective drag area", []() -> float& { return TPCM.TXCURA; }, Kind::kArea, Shown::kAlways},
    {13, "Head-on drag area centroid (y, from CG)", []() -> float& { return TPCM.XCARM; }, Kind::kCentroid,
     Shown::kCurrentCentroid},
    {14, "Head-on drag area centroid (z, from Keel)", []() -> float& { return TPCM.ZXCARM; }, Kind::kCentroid,
     Shown::kVerticalCentroid},
    {15, "Beam-on effective drag area", []() -> float& { return TPCM.TYCURA; }, Kind::kArea, Shown::kAlways},
    {16, "Beam-on drag area centroid (x, from CG)", []() -> float& { return TPCM.YCARM; }, Kind::kCentroid,
     Shown::kCurrentCentroid},
    {17, "Beam-on drag area centroid (z, from Keel)", []() -> float& { return TPCM.ZYCARM; }, Kind::kCentroid,
     Shown::kVerticalCentroid},
    {18, "Current force enhancement factor", []() -> float& { return TPCM.CURFAC; }, Kind::kFactor, Shown::kAlways},
    {21, "Bow shape factor", []() -> float& { return TPCM.BOWFAC; }, Kind::kFactor, Shown::kReflection},
    {22, "Stern shape factor", []() -> float& { return TPCM.STRNFC; }, Kind::kFactor, Shown::kReflection},
    {23, "Wave reflection HEAD-ON enhancement factor", []() -> float& { return TPCM.WVFCX; }, Kind::kFactor,
     Shown::kReflection},
    {24, "Wave reflection BEAM-ON enhancement factor", []() -> float& { return TPCM.WVFCY; }, Kind::kFactor,
     Shown::kReflection},
    {25, "Wave reflection MOMENT enhancement factor", []() -> float& { return TPCM.WVFCM; }, Kind::kFactor,
     Shown::kReflection},
    {26, "Variable wave reflection enhancement factor", []() -> float& { return TPCM.VWDFAC; }, Kind::kFactor,
     Shown::kReflection},
    {31, "Wave absorption HEAD-ON enhancement factor", []() -> float& { return TPCM.WVDGCX; }, Kind::kFactor,
     Shown::kAbsorption},
    {32, "Wave absorption BEAM-ON enhancement factor", []() -> float& { return TPCM.WVDGCY; }, Kind::kFactor,
     Shown::kAbsorption},
    {33, "Wave absorption MOMENT enhancement factor", []() -> float& { return TPCM.WVDGCM; }, Kind::kFactor,
     Shown::kAbsorption},
    {34, "Variable wave absorption enhancement factor", []() -> float& { return TPCM.VWDRGFC; }, Kind::kFactor,
     Shown::kAbsorption},
};

const ValueItem* valueItem(std::int32_t item) {
  for (const ValueItem& v : kValues)
    if (v.item == item) return &v;
  return nullptr;
}

// The page's own switches and indicators, set when the page is entered.
struct PageState {
  std::int32_t reflection = 0;       // R: the reflection factors are shown
  std::int32_t absorption = 0;       // A: the absorption factors are shown
  std::int32_t windCentroid = 0;     // W: a wind model takes the lateral centroids
  std::int32_t currentCentroid = 0;  // C: a current model takes them
};

bool isShown(const ValueItem& v, const PageState& s) {
  switch (v.shown) {
    case Shown::kAlways: return true;
    case Shown::kWindCentroid: return s.windCentroid == 1;
    case Shown::kCurrentCentroid: return s.currentCentroid == 1;
    case Shown::kVerticalCentroid: return TPCM.CREATR == kSimYobrix || TPCM.CREATR == kSimWistole;
    case Shown::kReflection: return s.reflection == 1;
    case Shown::kAbsorption: return s.absorption == 1;
  }
  return false;
}

// ---- the reflection and absorption groups ----

void SETFGS(float BOWFAC, float VWDFAC, float STRNFC, float WVFCX, float WVFCY, float WVFCM, std::int32_t /*UNIT*/,
            std::int32_t /*MODE*/, std::int32_t& OUT) {
  const bool atDefaults = BOWFAC == kFactorDefault && VWDFAC == kFactorDefault && STRNFC == kSternDefault &&
                          WVFCX == kFactorDefault && WVFCY == kFactorDefault && WVFCM == kFactorDefault;
  OUT = atDefaults ? 0 : 1;
}

bool reflectionAtDefaults() {
  const Tpcm& t = TPCM;
  std::int32_t out = 0;
  SETFGS(t.BOWFAC, t.VWDFAC, t.STRNFC, t.WVFCX, t.WVFCY, t.WVFCM, t.EDUNIT, 0, out);
  return out == 0;
}
void resetReflection() {
  Tpcm& t = TPCM;
  t.BOWFAC = t.VWDFAC = t.WVFCX = t.WVFCY = t.WVFCM = kFactorDefault;
  t.STRNFC = kSternDefault;
}

bool absorptionAtDefaults() {
  const Tpcm& t = TPCM;
  return t.WVDGCX == kFactorDefault && t.WVDGCY == kFactorDefault && t.WVDGCM == kFactorDefault &&
         t.VWDRGFC == kFactorDefault;
}
void resetAbsorption() {
  Tpcm& t = TPCM;
  t.WVDGCX = t.WVDGCY = t.WVDGCM = t.VWDRGFC = kFactorDefault;
}

// Turning a group's switch off puts its factors back to their defaults, after a warning that the
// user may answer with "A" to keep everything as it is.
void switchGroup(std::int32_t& flag, bool atDefaults, const char* word, void (*resetFactors)()) {
  Tpcm& t = TPCM;
  if (flag == 1 && !atDefaults) {
    writeRecord(t.EDUNIT, "");
    writeRecord(t.EDUNIT, std::string(" >>> Warning: Completing this request will reset all wave ") + word);
    writeRecord(t.EDUNIT, "              parameters to their default values.");
    std::int32_t abort = 0;
    ABORT0(t.EDUNIT, 0, abort);
    if (abort == -1) return;
    TOGGLE2(flag, t.IBATCH, t.EDUNIT, kKeyboardUnit);
    resetFactors();
    return;
  }
  TOGGLE2(flag, t.IBATCH, t.EDUNIT, kKeyboardUnit);
}

// ---- drawing ----

constexpr std::size_t kLeaderEnd = 51;  // every label's dot leader ends in this column, then ".."

std::string valueLine(const ValueItem& v) {
  std::string line = " " + fmtI(v.item, 2) + ") " + v.label + " ";
  line.resize(kLeaderEnd, '.');
  line += ".." + fmtF(v.member(), 11, 2);
  if (v.kind == Kind::kArea) line += " square" + lengthLabel().substr(0, 7);
  if (v.kind == Kind::kCentroid) line += lengthLabel().substr(0, 7);
  return line;
}

std::string switchLine(const char* label, std::int32_t flag) {
  Text<3> word;
  YESNO(word, flag);
  return label + fmtA(word.view(), 5);
}

// The block of a wind or current line set: area, lateral centroid, vertical centroid, twice, and
// the factor. A hidden lateral centroid leaves nothing; a hidden vertical one a line with a blank.
void drawFlowBlock(std::int32_t first, const PageState& s) {
  const std::int32_t unit = TPCM.EDUNIT;
  for (std::int32_t item = first; item <= first + 6; ++item) {
    const ValueItem& v = *valueItem(item);
    const bool vertical = v.shown == Shown::kVerticalCentroid;
    if (isShown(v, s)) writeRecord(unit, valueLine(v));
    if (vertical) writeRecord(unit, isShown(v, s) ? "" : " ");
  }
}

void drawFactorGroup(std::int32_t first, std::int32_t last, const PageState& s) {
  for (std::int32_t item = first; item <= last; ++item) {
    const ValueItem& v = *valueItem(item);
    if (isShown(v, s)) writeRecord(TPCM.EDUNIT, valueLine(v));
  }
}

void drawPage(std::string_view label, std::string_view word, const PageState& s) {
  const Tpcm& t = TPCM;
  const std::int32_t unit = t.EDUNIT;
  writeRecord(unit, " ****  Page " + std::string(label) + ": " + std::string(word) + " Environmental " +
                        "Area, Moment and Enhancement Data  ****");
  writeRecord(unit, "");
  writeRecord(unit, switchLine("  1) Simulate <<Wind>>? ", t.LWIND));
  writeRecord(unit, "");
  drawFlowBlock(2, s);
  LINES(unit, 2);
  writeRecord(unit, switchLine(" 11) Simulate <<Current>>? ", t.LCURNT));
  writeRecord(unit, "");
  drawFlowBlock(12, s);
  LINES(unit, 2);
  writeRecord(unit, switchLine(" 20) Micromanage wave reflection (aka \"drift\") settings?     ", s.reflection));
  writeRecord(unit, "");
  drawFactorGroup(21, 26, s);
  LINES(unit, 2);
  writeRecord(unit, switchLine(" 30) Micromanage wave absorption (aka \"drag\") settings?      ", s.absorption));
  writeRecord(unit, "");
  drawFactorGroup(31, 34, s);
}

// ---- help ----

// The note of an item; false for an item that has none. Items 19 and 27 to 29 share the note of the
// absorption factors.
bool writeItemNote(std::int32_t unit, std::int32_t item) {
  const auto flowAreas = [unit](const std::string& flow, const char* where) {
    writeNote(unit, {"     The " + flow + " drag areas are the projected areas of the vessel " + where,
                     "     the water. For tankers the OCIMF coefficients account for",
                     "     off-center centroids; for barges the lateral centroids must be",
                     "     given. The vertical centroid serves the overturning moments of",
                     "     vessels such as caisson spars."});
  };
  const auto flowFactor = [unit](const std::string& flow) {
    writeNote(unit, {"     The " + flow + " force enhancement factor is an average drag",
                     "     coefficient that multiplies all " + flow + " forces and moments;",
                     "     it is normally about 1."});
  };
  if (item >= 2 && item <= 7)
    flowAreas("wind", "above");
  else if (item == 8)
    flowFactor("wind");
  else if (item >= 12 && item <= 17)
    flowAreas("current", "below");
  else if (item == 18)
    flowFactor("current");
  else if (item == kReflectionSwitch)
    writeNote(unit, {"     Opens the adjustable parameters of the built-in Kestrin wave",
                     "     reflection models of tanker-type vessels. Not all of them apply",
                     "     to every model: the bow shape factor is ignored for spars, semis", "     and buoys."});
  else if (item == 21)
    writeNote(unit, {"     Scales the head-on reflection forces and the reflection moments.",
                     "     1.0 is a conventional VLCC bow; the usual range is 0.5 to 2.0,",
                     "     with an extreme upper bound of 2.78."});
  else if (item == 22)
    writeNote(unit, {"     Scales the reflection forces and moments like the bow shape",
                     "     factor. 1.25 is a conventional VLCC stern; the usual range is 1.0",
                     "     to 2.0, with an upper bound of 2.78."});
  else if (item >= 23 && item <= 25)
    writeNote(unit, {"     These factors govern how the reflection coefficients decline with",
                     "     wave period. They matter mainly for spectra rich in long waves."});
  else if (item == 26)
    writeNote(unit, {"     Multiplies all slowly-varying reflection forcing (surge, sway and",
                     "     yaw), for instance to match the group spectra of a wave basin."});
  else if (item == kAbsorptionSwitch)
    writeNote(unit, {"     Opens the factors of the square-law wave absorption (\"drag\")", "     model."});
  else if (item == 19 || (item >= 27 && item <= 34))
    writeNote(unit, {"     The absorption factors are plain multipliers with default 1.",
                     "     Values outside 0.5 to 2.0 are unlikely to be physical."});
  else
    return false;
  return true;
}

void ARHLP(std::int32_t UNIT, std::int32_t IIN, std::int32_t ITEM) {
  centredNotesHeading(UNIT, "Vessel Environmental Load Notes");
  if (ITEM == 0) {
    noteScreens(UNIT, IIN,
                {
                    {{"2 -> 7", 2}, {"8", 8}},
                    {{"12 -> 17", 12}, {"18", 18}},
                    {{"20", 20}},
                    {{"21", 21}},
                    {{"22", 22}},
                    {{"23-25", 23}},
                    {{"26", 26}, {"30", 30}, {"31-34", 31}},
                },
                writeItemNote);
    return;
  }
  writeRecord(UNIT, "");
  writeRecord(UNIT, " ++> Item Number  " + fmtI(ITEM, 2));
  if (!writeItemNote(UNIT, ITEM)) sorryNoHelp(UNIT, "line...");
  PRSRET(UNIT, IIN);
}

// The page's state on entry: the groups' switches from their factors; the centroid indicators from
// the force-model words, which are first normalised in place (one model in all three directions
// spread over all three fields).
PageState enterPage() {
  Tpcm& t = TPCM;
  PageState s;
  s.reflection = reflectionAtDefaults() ? 0 : 1;
  s.absorption = absorptionAtDefaults() ? 0 : 1;
  int windFlag = 0, currentFlag = 0, driftFlag = 0;
  INITFM(t.LWBARG, windFlag, t.LCBARG, currentFlag, t.LWVCOF, driftFlag, t.EDUNIT);
  int windClass = 0, currentClass = 0, driftClass = 0, currentKind = 0, windKind = 0, windCentroid = 0,
      currentCentroid = 0;
  TNKRID(t.LWBARG, windFlag, windClass, t.LCBARG, currentFlag, currentClass, t.LWVCOF, driftFlag, driftClass,
         currentKind, windKind, windCentroid, currentCentroid, t.EDUNIT);
  s.windCentroid = windCentroid;
  s.currentCentroid = currentCentroid;
  return s;
}

}  // namespace

void AREAS(std::string_view label, std::string_view vesselText) {
  PageState s = enterPage();
  std::vector<PageItem> items = {
      {kWindSwitch, [] { TOGGLE2(TPCM.LWIND, TPCM.IBATCH, TPCM.EDUNIT, kKeyboardUnit); }},
      {kCurrentSwitch, [] { TOGGLE2(TPCM.LCURNT, TPCM.IBATCH, TPCM.EDUNIT, kKeyboardUnit); }},
      {kReflectionSwitch, [&s] { switchGroup(s.reflection, reflectionAtDefaults(), "reflection", resetReflection); }},
      {kAbsorptionSwitch, [&s] { switchGroup(s.absorption, absorptionAtDefaults(), "absorption", resetAbsorption); }},
  };
  for (const ValueItem& v : kValues) {
    items.emplace_back(
        v.item,
        [&v] {
          writeRecord(TPCM.EDUNIT, valueLine(v));
          ENTERF(v.member(), TPCM.EDUNIT, kKeyboardUnit);
        },
        [&v, &s] { return isShown(v, s); });
  }
  PageLoop page;
  page.draw = [label, vesselText, &s] { drawPage(label, vesselText, s); };
  page.items = items;
  page.help = [](std::int32_t item) { ARHLP(TPCM.EDUNIT, kKeyboardUnit, item); };
  runPage(page);
}

}  // namespace qv
