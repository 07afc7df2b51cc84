// Page 13: what drives the wave-frequency excitation, an imposed extension (a fixed-amplitude motion
// of the SALM's end, or for the other simulation types of the line at its attachment) or regular
// waves. Page 14 then asks for the extension amplitude or for the wave height or slope.
#include <string>
#include <vector>

#include "dataset/tpcm.h"
#include "editor/env_page_parts.h"
#include "editor/env_pages.h"
#include "editor/page_loop.h"
#include "platform/units.h"
#include "util/console_io.h"
#include "util/dialogue.h"
#include "util/fortran_format.h"
#include "util/sim_types.h"

namespace qv {

namespace {

constexpr std::int32_t kDriverItem = 1;

// Help contexts: the SALM with its vessel, a line with a tugboat, a line with a vessel.
constexpr std::int32_t kSalmContext = 0;
constexpr std::int32_t kLineContext = 1;
constexpr std::int32_t kTugContext = 11;

std::string extensionWord() { return TPCM.SIMTYP == kSimQuorvel ? "Salm" : "Line"; }

std::int32_t helpContext() {
  if (TPCM.SIMTYP == kSimQuorvel) return kSalmContext;
  return TPCM.SIMTYP == kSimGandru ? kTugContext : kLineContext;
}

void drawPage(std::string_view label) {
  const std::int32_t u = TPCM.EDUNIT;
  writeRecord(u,
              "****  Page " + std::string(label) + ": " + extensionWord() + " Extension " +
                  "/ Regular wave characteristics  ****");
  LINES(u, 2);
  writeRecord(u,
              TPCM.LEXTND != 0 ? " 1) " + extensionWord() + " extension characteristics follow"
                               : std::string(" 1) Regular wave characteristics follow"));
}

const PageItem kItems[] = {
    {kDriverItem, [] { TOGGLE3(TPCM.LEXTND, TPCM.IBATCH, TPCM.EDUNIT, kKeyboardUnit, "Extension", "Wave"); }},
};

// The three screens of the help, for the SALM or for a line.
std::vector<std::vector<std::string>> extensionNotes(std::int32_t context) {
  if (context == kSalmContext) {
    return {
        {" This page toggles between the Salm extension and regular waves as the",
         " driving mechanism of the wave-frequency excitation."},
        {" The Salm extension imposes, at the periods of the regular-wave page, a",
         " fixed-amplitude horizontal motion of the Salm's end in two orthogonal",
         " directions at once: along the yoke's equilibrium axis in plan view and at",
         " right angles to it. This isolates the added mass, the damping and the",
         " inertia of the Salm from direct wave action and from the Vessel motion.",
         " Irregular waves then serve only the Vessel's equilibrium position and its",
         " low-frequency response: no wave-frequency wave forces are computed on the",
         " Salm or the Vessel, and no spectral analysis is possible."},
        {" With regular waves all wave-frequency effects are included: the wave",
         " forces on the Salm and on the Vessel, whose motions drive the Salm's end",
         " with amplitudes and phases that depend on the Vessel's characteristics",
         " and on its mean position from the low-frequency analysis."},
    };
  }
  const std::string body = context == kTugContext ? "tugboat" : "vessel";
  return {
      {" This page toggles between the Line extension and regular waves as the",
       " driving mechanism of the wave-frequency excitation."},
      {" The Line extension imposes, at the periods of the regular-wave page, a",
       " fixed-amplitude, frequency-independent motion tangential to the Line at",
       " the " + body + " attachment. Irregular waves then serve only the " + body + "'s",
       " equilibrium position and its low-frequency response: no wave-frequency",
       " wave forces are computed on the Line or the " + body + ", and no spectral",
       " analysis is possible."},
      {" With regular waves all wave-frequency effects are included: the wave",
       " forces on the Line and on the " + body + ", whose motions drive the fairleads",
       " with amplitudes and phases that depend on the " + body + "'s characteristics",
       " and on its mean position from the low-frequency analysis."},
  };
}

}  // namespace

void EXTHLP(std::int32_t IOSCRN, std::int32_t KBD, std::int32_t LINE, std::int32_t context) {
  const std::string word = context == kSalmContext ? "Salm" : "Line";
  CLEAR(IOSCRN);
  writeRecord(IOSCRN, fmtX(19) + "****  " + word + " Extension Help  ****");
  if (LINE != 0 && LINE != kDriverItem) {
    writeRecord(IOSCRN, "");
    writeRecord(IOSCRN, " ++> Sorry, no help for this line...");
    writeRecord(IOSCRN, "");
    PRSRET(IOSCRN, KBD);  // a pause, so that the apology can be read
    return;
  }
  bool first = true;
  for (const std::vector<std::string>& screen : extensionNotes(context)) {
    if (!first) {
      CLEAR(IOSCRN);
      writeRecord(IOSCRN, fmtX(19) + "****  " + word + " Extension Help (continued)  ****");
    }
    first = false;
    writeRecord(IOSCRN, "");
    for (const std::string& line : screen) writeRecord(IOSCRN, line);
    PRSRET(IOSCRN, KBD);
  }
}

void EXTEND(std::string_view label) {
  PageLoop page;
  page.draw = [label] { drawPage(label); };
  page.items = kItems;
  page.help = [](std::int32_t item) { EXTHLP(TPCM.EDUNIT, kKeyboardUnit, item, helpContext()); };
  page.other = [](std::int32_t) { return PageStep::kLeave; };  // every other reply leaves the page
  runPage(page);
}

}  // namespace qv
