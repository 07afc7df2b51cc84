// Page 14: the regular wave periods on which every frequency-domain computation runs, the choice of
// a constant wave height or a constant wave slope with its value, and the regular-wave heading. With
// the extension as the wave-frequency driver (page 13) it asks for the extension amplitude instead.
#include <algorithm>
#include <string>

#include "dataset/tpcm.h"
#include "editor/env_page_parts.h"
#include "editor/env_pages.h"
#include "editor/page_loop.h"
#include "editor/salm_text.h"
#include "platform/units.h"
#include "util/autorp.h"
#include "util/captions.h"
#include "util/console_io.h"
#include "util/dialogue.h"
#include "util/fortran_format.h"
#include "util/sim_types.h"

namespace qv {

namespace {

enum Item : std::int32_t {
  kPeriodCount = 1,
  kPeriods = 2,
  kHeightOrSlope = 3,  // not with the extension
  kValue = 4,          // height, slope or extension amplitude
  kHeading = 6,        // only for regular waves alone
};
constexpr std::int32_t kLastItem = 6;  // a larger number leaves the page

constexpr std::int32_t kPeriodsPerLine = 6;
constexpr std::int32_t kExtensionNoteContext = 2;  // the help adds the extension amplitude

bool extensionDrives() { return TPCM.LEXTND != 0; }
bool constantSlope() { return TPCM.LSLPHT != 0; }
std::string extensionWord() { return TPCM.SIMTYP == kSimQuorvel ? "Salm" : "Line"; }

// Periods shown: NWP, but never more than the table holds.
std::int32_t periodsShown() { return TPCM.NWP >= 0 && TPCM.NWP <= kMaxPeriods ? TPCM.NWP : kMaxPeriods; }

std::string degreesLabel() {
  Text<16> label;
  UNITP(label, 2);
  return label.str();
}

bool offersHeading() { return !extensionDrives() && TPCM.LRANDM != 1 && TPCM.LSWELL == 0; }

std::string itemLine(Item item) {
  const Tpcm& t = TPCM;
  switch (item) {
    case kPeriodCount: return " 1) Number of different periods (Max " + fmtI(kMaxPeriods, 3) + "): " + fmtI(t.NWP, 3);
    case kPeriods: return " 2) Periods (seconds) --";
    case kHeightOrSlope:
      return std::string(" 3) Use constant wave height or wave slope: ") + (constantSlope() ? " slope" : " height");
    case kValue:
      if (extensionDrives())
        return " 4) " + extensionWord() + " extension amplitude:" + fmtF(t.SLPHT, 11, 2) + lengthLabel();
      return std::string(" 4) Wave") + (constantSlope() ? " slope" : " height") + " ............................." +
             fmtF(t.SLPHT, 11, 2) + (constantSlope() ? degreesLabel() : lengthLabel());
    case kHeading: return " 6) Wave heading ............................" + fmtF(t.WAVHDG(1), 11, 2) + " degrees";
  }
  return std::string();
}

void drawPage(std::string_view label) {
  Tpcm& t = TPCM;
  const std::int32_t u = t.EDUNIT;
  if (extensionDrives()) {
    writeRecord(u,
                "****  Page " + std::string(label) + ": " + extensionWord() + " Extension " + "Characteristics  ****");
  } else {
    writeRecord(u, "****  Page " + std::string(label) + ": Regular Wave Characteristics  ****");
  }
  LINES(u, 2);
  writeRecord(u, itemLine(kPeriodCount));
  if (t.NWP != 0) {
    writeRecord(u, itemLine(kPeriods));
    const std::int32_t n = periodsShown();
    for (std::int32_t first = 1; first <= n; first += kPeriodsPerLine) {
      std::string line = " ";
      for (std::int32_t i = first; i <= std::min(n, first + kPeriodsPerLine - 1); ++i) line += fmtF(t.T(i), 13, 2);
      writeRecord(u, line);
    }
  }
  if ((t.LRANDM == 1 || t.LSWELL == 1) && !periodsFitForSpectra()) {
    writeRecord(u, " ++> Warning: irregular waves and swell need at least 3 periods, positive,");
    writeRecord(u, "              increasing and equally spaced (auto repeat of item 2)");
  }
  writeRecord(u, "");
  if (extensionDrives()) {
    t.LSLPHT = 0;  // the extension amplitude is a length
  } else {
    writeRecord(u, itemLine(kHeightOrSlope));
  }
  writeRecord(u, itemLine(kValue));
  if (offersHeading()) writeRecord(u, itemLine(kHeading));
}

const PageItem kItems[] = {
    {kPeriodCount,
     [] {
       writeRecord(TPCM.EDUNIT, itemLine(kPeriodCount));
       ENTERI(TPCM.NWP, TPCM.EDUNIT, kKeyboardUnit);
       MAXCHK(TPCM.NWP, kMaxPeriods);
     }},
    // The whole-table operations run over all 100 periods, so that the auto repeat leaves an equally
    // spaced grid however many periods are used later.
    {kPeriods,
     [] {
       AUTORP("  -- Table of periods (seconds) --",
              TPCM.T,
              std::clamp<std::int32_t>(TPCM.NWP, 0, kMaxPeriods),
              kMaxPeriods,
              TPCM.EDUNIT,
              kKeyboardUnit,
              TPCM.LCOPY);
     }},
    {kHeightOrSlope, [] { TOGGLE3(TPCM.LSLPHT, TPCM.IBATCH, TPCM.EDUNIT, kKeyboardUnit, "Slope", "Height"); }},
    {kValue,
     [] {
       writeRecord(TPCM.EDUNIT, itemLine(kValue));
       ENTERF(TPCM.SLPHT, TPCM.EDUNIT, kKeyboardUnit);
     }},
    {kHeading,
     [] {
       writeRecord(TPCM.EDUNIT, itemLine(kHeading));
       ENTERF(TPCM.WAVHDG(1), TPCM.EDUNIT, kKeyboardUnit);
     },
     offersHeading},
};

// ---- help --------------------------------------------------------------------------------------

const std::string kTitle = fmtX(19) + "****  Regular Wave Definition Notes  ****";

std::vector<HelpNote> regularNotes(std::int32_t context) {
  std::vector<HelpNote> notes = {
      {{2},
       "2",
       {" The period array is used for the response operators and for the spectral",
        " integrations of the random-sea responses. It should span all periods at",
        " which irregular-wave or swell energy exists. Whenever irregular-wave",
        " computations are done the periods must be equally spaced: use the auto",
        " repeat of the table."}},
      {{3, 4},
       "3, 4",
       {" The response operators are computed at each period with a uniform wave",
        " height or a uniform wave slope, as the toggle chooses. The recommended",
        " constant height is SWH/SQRT[2]: the regular wave's RMS, A/SQRT[2] with A",
        " half the height, then matches the spectrum's RMS of about SWH/4. The",
        " recommended constant slope is the slope of the wave of height SWH/SQRT[2]",
        " at the spectral peak period Tp. Both choices give the same wave at Tp and",
        " differ at other periods. With both a wind sea and a swell, choose the",
        " spectrum of most design interest."}},
      {{6},
       "6",
       withAxesSketch({" Angles are measured in a right-handed earth-fixed system with z upwards:",
                       " zero along +x, increasing counter-clockwise (90 degrees along +y). The",
                       " heading is the direction TOWARD which the waves travel: 180-degree waves",
                       " progress toward -x, 90-degree waves toward +y. At vessel heading zero the",
                       " global and the vessel axes coincide."})},
  };
  if (context == kExtensionNoteContext) {
    std::vector<std::string>& amplitude = notes[1].text;
    amplitude.insert(amplitude.end(),
                     {"", " With a mooring extension in effect the extension amplitude is given here."});
  }
  return notes;
}

}  // namespace

void REGHLP(std::int32_t IOSCRN, std::int32_t KBD, std::int32_t LINE, std::int32_t context) {
  showHelpNotes(IOSCRN, KBD, LINE, kTitle, regularNotes(context));
}

void MORREG(std::string_view label) {
  PageLoop page;
  page.draw = [label] { drawPage(label); };
  page.items = kItems;
  page.help = [](std::int32_t item) { REGHLP(TPCM.EDUNIT, kKeyboardUnit, item, kExtensionNoteContext); };
  page.other = [](std::int32_t reply) {
    return reply <= 0 || reply > kLastItem ? PageStep::kLeave : PageStep::kRedraw;
  };
  runPage(page);
}

}  // namespace qv
