// Page 4, "Low-frequency dynamics selection": whether the slow-drift and wave-frequency dynamics of
// the moored vessel are computed, and for surge, sway and yaw whether their damping is computed by
// the analysis or given by the user in percent of critical. The page is not left while a damping
// given by the user is not positive: the analysis divides by it.
#include <array>
#include <string>
#include <string_view>

#include "dataset/tpcm.h"
#include "editor/help_notes.h"
#include "editor/page_loop.h"
#include "editor/pages.h"
#include "platform/units.h"
#include "util/console_io.h"
#include "util/dialogue.h"
#include "util/fortran_format.h"
#include "util/nav_codes.h"

namespace qv {

namespace {

constexpr std::int32_t kDynamicsItem = 1;
constexpr std::int32_t kLastHelpItem = 11;  // the help has a note for the items up to 11

// One low-frequency mode: its damping choice (item n) and the user's damping (item n + 1).
struct DampingMode {
  std::int32_t choiceItem;
  const char* word;  // in the choice line, 5 characters
  const char* name;  // in the value line, filled with dots to 6 characters
  std::int32_t& userGiven;
  float& percent;
};

std::array<DampingMode, 3> dampingModes() {
  Tpcm& t = TPCM;
  return {{{2, "surge", "Surge.", t.LSGLFD, t.SGLFDP},
           {4, "sway ", "Sway..", t.LSWLFD, t.SWLFDP},
           {6, " yaw ", "Yaw...", t.LYWLFD, t.YWLFDP}}};
}

std::string choiceLine(const DampingMode& mode) {
  return " " + fmtI(mode.choiceItem, 2) + ") Low-frequency " + mode.word + " damping is ................" +
         (mode.userGiven != 0 ? "  User-specified" : "  Computed      ");
}

std::string valueLine(const DampingMode& mode) {
  return " " + fmtI(mode.choiceItem + 1, 2) + ") " + mode.name + " damping (percent of critical) .........." +
         fmtF(mode.percent, 10, 2);
}

void drawPage(std::string_view label) {
  const Tpcm& t = TPCM;
  const std::int32_t unit = t.EDUNIT;
  writeRecord(unit, fmtX(12) + "****  Page " + std::string(label) + ": Low-frequency dynamics selection  ****");
  LINES(unit, 2);
  Text<3> word;
  YESNO(word, t.LQUAS);
  writeRecord(unit, "  1) Calculate low-frequency dynamics: ............. " + word.str());
  writeRecord(unit, "");
  if (t.LQUAS == 0) return;
  for (const DampingMode& mode : dampingModes()) {
    writeRecord(unit, choiceLine(mode));
    if (mode.userGiven != 0) writeRecord(unit, valueLine(mode));
  }
}

void enterDamping(const DampingMode& mode) {
  writeRecord(TPCM.EDUNIT, valueLine(mode));
  ENTERF(mode.percent, TPCM.EDUNIT, kKeyboardUnit);
}

// The damping choice flips between given by the user (asking for the value at once) and computed.
void editChoice(int k) {
  const DampingMode mode = dampingModes()[static_cast<std::size_t>(k)];
  TOGGLE3(mode.userGiven, TPCM.IBATCH, TPCM.EDUNIT, kKeyboardUnit, "Specified", "Computed");
  if (mode.userGiven != 0) enterDamping(mode);
}

void editValue(int k) {
  const DampingMode mode = dampingModes()[static_cast<std::size_t>(k)];
  if (mode.userGiven != 0) enterDamping(mode);
}

// The choices and values act whether or not the dynamics are on.
const PageItem kItems[] = {
    {kDynamicsItem, [] { TOGGLE2(TPCM.LQUAS, TPCM.IBATCH, TPCM.EDUNIT, kKeyboardUnit); }},
    {2, [] { editChoice(0); }},
    {3, [] { editValue(0); }},
    {4, [] { editChoice(1); }},
    {5, [] { editValue(1); }},
    {6, [] { editChoice(2); }},
    {7, [] { editValue(2); }},
};

// A damping the user gives must be positive (a value that is not a number is not either).
bool userDampingPositive() {
  if (TPCM.LQUAS == 0) return true;
  for (const DampingMode& mode : dampingModes())
    if (mode.userGiven != 0 && !(mode.percent > 0.0f)) return false;
  return true;
}

PageStep leaveWhenDampingPositive(std::int32_t reply) {
  if (isItemSelection(reply)) return PageStep::kRedraw;  // a number that is no item
  if (userDampingPositive()) return PageStep::kLeave;
  const std::int32_t unit = TPCM.EDUNIT;
  CLEAR(unit);
  writeRecord(unit, "");
  writeRecord(unit, " >>> User-specified damping must be positive definite.");
  PRSRET(unit, kKeyboardUnit);
  return PageStep::kRedraw;
}

const HelpNote kDynamicsNote = {
    " Set to \"No\", the low-frequency (slow-drift) and the wave-frequency dynamics",
    " of the moored vessel are skipped: the analysis produces the statics output",
    " only.",
};
const HelpNote kDampingNote = {
    " The damping of the low-frequency surge, sway and yaw modes is normally",
    " computed by the analysis. It holds nonlinear and environment-related parts",
    " (wind, current and wave drift) and therefore changes with the environment.",
    " A user-specified damping is a fixed linear damping, in percent of critical,",
    " that the environment does not change.",
};

// The notes of the page: item 0 all of them, else the note of that item.
void QUASHP(std::int32_t unit, std::int32_t inUnit, std::int32_t item) {
  CLEAR(unit);
  writeRecord(unit, fmtX(17) + "****  Low-Frequency Dynamics Notes  ****");
  if (item == 0) {
    writeHeadedNote(unit, " ++> Item Number  1", kDynamicsNote);
    writeHeadedNote(unit, " ++> Item Numbers 2+", kDampingNote);
  } else if (item >= kDynamicsItem && item <= kLastHelpItem) {
    writeHeadedNote(unit, " ++> Item Number  " + fmtI(item, 2), item == kDynamicsItem ? kDynamicsNote : kDampingNote);
  } else {
    writeNoHelpForLine(unit);
  }
  PRSRET(unit, inUnit);
}

}  // namespace

void QUASCK(std::string_view label) {
  PageLoop page;
  page.draw = [label] { drawPage(label); };
  page.items = kItems;
  page.other = leaveWhenDampingPositive;
  page.help = [](std::int32_t item) { QUASHP(TPCM.EDUNIT, kKeyboardUnit, item); };
  runPage(page);
}

}  // namespace qv
