// Page 3, "More Salm information": the submergence option of the buoy top and yoke, the auxiliary
// offset tables, one sub-page per SALM element with copy, delete and insert of element data, the
// type of attachment to the vessel and the attachment dimensions.
#include <algorithm>
#include <array>
#include <string>

#include "dataset/salm_elements.h"
#include "dataset/tpcm.h"
#include "editor/page_loop.h"
#include "editor/pages.h"
#include "editor/salm_text.h"
#include "platform/units.h"
#include "util/autorp.h"
#include "util/console_io.h"
#include "util/dialogue.h"
#include "util/fortran_format.h"
#include "util/nav_codes.h"

namespace qv {

namespace {

// Where the page goes after one of its screens.
enum class Screen { kMain, kElements, kReturn };

// The elements the pages can reach: NELEM, within the size of the element tables whatever a loaded
// file holds.
std::int32_t elementCount() { return std::min(TPCM.NELEM, kMaxSalmElements); }

// ---- texts ----------------------------------------------------------------------------------

// The two description lines of each submergence option, by WETYOK.
constexpr std::array<std::array<const char*, 2>, kLastSubmergence + 1> kSubmergenceText = {{
    {"   2)  No above-water \"submergence\" for dynamics OR statics:",
     "       \"DRY\" buoy top, \"DRY yoke\", <<FULL>> dynamic waterplane correction"},
    {"   3)  Total system \"submergence\" for dynamics only: ",
     "       \"WET\" buoy top, \"WET yoke\",  <<NO>>  dynamic waterplane correction"},
    {"   4)  Partial system \"submergence\" for dynamics only: ",
     "       \"WET\" buoy top, \"WET yoke\", <<FULL>> dynamic waterplane correction"},
    {"   5)  Partial system \"submergence\" for dynamics only: ",
     "       \"DRY\" buoy top, \"WET yoke\", <<FULL>> dynamic waterplane correction"},
    {"   6)  Partial system \"submergence\" for dynamics only: ",
     "       \"DRY\" buoy top, \"WET yoke\",  <<NO>>  dynamic waterplane correction"},
    {"   7)  Total system \"submergence\" for dynamics AND statics as follows: ",
     "       \"WET\" buoy top, \"WET yoke\",  <<NO>>  dynamic waterplane correction"},
    {"   8)  Total system \"submergence\" for dynamics AND statics as follows:",
     "       \"WET\" buoy top, \"WET yoke\", <<FULL>> dynamic waterplane correction"},
}};

// The map of the submergence options: a ruled table, one row per option.
constexpr std::array<int, 6> kMapWidths = {8, 13, 13, 10, 14, 14};

std::string centred(std::string_view text, int width) {
  const int room = width - static_cast<int>(text.size());
  const int left = room > 0 ? room / 2 : 0;
  std::string s = fmtX(left) + std::string(text);
  s.resize(static_cast<std::size_t>(width), ' ');
  return s;
}

std::string mapRule() {
  std::string s = " +";
  for (int width : kMapWidths) s += std::string(static_cast<std::size_t>(width), '-') + "+";
  return s;
}

std::string mapRow(const std::array<const char*, 6>& cells) {
  std::string s = " |";
  for (std::size_t k = 0; k < cells.size(); ++k) s += centred(cells[k], kMapWidths[k]) + "|";
  return s;
}

void drawSubmergenceMap() {
  const std::int32_t unit = TPCM.EDUNIT;
  writeRecord(unit, "      ********* Buoy Top/Yoke Submergence Options Map   *********");
  writeRecord(unit, "");
  writeRecord(unit, mapRule());
  writeRecord(unit, mapRow({"Option", "Submerge", "Submerge", "Salm", "Vessel", "Include"}));
  writeRecord(unit, mapRow({"Number", "dynamically", "statically", "buoy top", "attachment", "dynamic"}));
  writeRecord(unit, mapRow({"", "", "", "", "member (yoke)", "waterplane"}));
  writeRecord(unit, mapRow({"", "", "", "", "", "correction"}));
  writeRecord(unit, mapRule());
  constexpr std::array<std::array<const char*, 6>, kLastSubmergence + 1> kOptions = {{
      {"2", "No", "No", "Dry", "Dry", "Yes"},
      {"3", "Yes", "No", "Wet", "Wet", "No"},
      {"4", "Yes", "No", "Wet", "Wet", "Yes"},
      {"5", "Yes", "No", "Dry", "Wet", "Yes"},
      {"6", "Yes", "No", "Dry", "Wet", "No"},
      {"7", "Yes", "Yes", "Wet", "Wet", "No"},
      {"8", "Yes", "Yes", "Wet", "Wet", "Yes"},
  }};
  for (const auto& option : kOptions) writeRecord(unit, mapRow(option));
  writeRecord(unit, mapRule());
}

std::string yesNo(std::int32_t flag) {
  Text<3> word;
  YESNO(word, flag);
  return word.str();
}

// ---- auxiliary offset tables ------------------------------------------------------------------

// The tables hold at most kMaxTablePoints points whatever NTAB a loaded file holds.
std::int32_t auxiliaryRows() { return std::clamp(TPCM.NTAB, 0, kMaxTablePoints); }

void editLateralTable() {
  const std::int32_t rows = auxiliaryRows();
  AUTORP(" --> Input Auxiliary Lateral Offset Force", TPCM.AUXFOR, rows, rows, TPCM.EDUNIT, kKeyboardUnit,
         TPCM.LCOPY);
}

void editYawTable() {
  const std::int32_t rows = auxiliaryRows();
  AUTORP(" --> Input Auxiliary Yaw Offset Torque", TPCM.AUXTRQ, rows, rows, TPCM.EDUNIT, kKeyboardUnit, TPCM.LCOPY);
}

// ---- main page --------------------------------------------------------------------------------

void drawMainPage(std::string_view label) {
  const Tpcm& t = TPCM;
  const std::int32_t unit = t.EDUNIT;
  writeRecord(unit, fmtX(17) + "****  Page " + std::string(label) + ": More Salm information  ****");
  writeRecord(unit, " 1) Change statics/dynamics \"submergence\" option, currently:");
  writeRecord(unit, "");
  if (t.WETYOK >= kSubmergenceNone && t.WETYOK <= kLastSubmergence) {
    for (const char* line : kSubmergenceText[static_cast<std::size_t>(t.WETYOK)]) writeRecord(unit, salmItem(line));
  }
  writeRecord(unit, "10) Specify auxiliary lateral offset table ...... " + yesNo(t.AUXTBL));
  if (t.AUXTBL == 1) writeRecord(unit, "11) Input new auxiliary static offset table");
  writeRecord(unit, "12) Specify auxiliary yaw offset table .......... " + yesNo(t.YAWTBL));
  if (t.YAWTBL != 0) {
    writeRecord(unit, "13) Equilibrium yaw angle (deg) ................. " + fmtF(t.EQLYAW, 10, 2));
    writeRecord(unit, "14) Yaw increment to use in yaw table (deg) ..... " + fmtF(t.YAWINC, 10, 2));
    writeRecord(unit, "15) Input new auxiliary yaw offset table");
  }
  if (t.NELEM != 0) {
    writeRecord(unit, " Note: the next " + fmtI(t.NELEM, 2) + " pages consist of individual Salm element information.");
  }
}

// The map of the submergence options; a reply of 2 to 8 chooses that option (more than 8 is 8), a
// reply of 1 or less leaves it as it is.
void submergenceMap() {
  std::int32_t reply = 0;
  std::int32_t number = 0;
  PageLoop map;
  map.draw = drawSubmergenceMap;
  map.reply = &reply;
  map.number = &number;
  map.other = [](std::int32_t option) {
    if (option > 1) {
      TPCM.WETYOK = option - kSubmergenceOptionOffset;
      MAXCHK(TPCM.WETYOK, kLastSubmergence);
    }
    return PageStep::kLeave;
  };
  runPage(map);
}

bool yawTableOn() { return TPCM.YAWTBL != 0; }

const PageItem kMainItems[] = {
    {10, [] { TOGGLE2(TPCM.AUXTBL, TPCM.IBATCH, TPCM.EDUNIT, kKeyboardUnit); }},
    {11, editLateralTable, [] { return TPCM.AUXTBL == 1; }},
    {12, [] { TOGGLE2(TPCM.YAWTBL, TPCM.IBATCH, TPCM.EDUNIT, kKeyboardUnit); }},
    {13, [] { ENTERF(TPCM.EQLYAW, TPCM.EDUNIT, kKeyboardUnit); }, yawTableOn},
    {14, [] { ENTERF(TPCM.YAWINC, TPCM.EDUNIT, kKeyboardUnit); }, yawTableOn},
    {15, editYawTable, [] { return TPCM.YAWTBL == 1; }},
};
constexpr std::int32_t kLastMainItem = 15;

Screen mainPage(std::string_view label, std::int32_t& current) {
  Screen next = Screen::kElements;
  PageLoop page;
  page.draw = [&] {
    current = std::min(current, elementCount());  // the current element is limited when the page is drawn
    drawMainPage(label);
  };
  page.items = kMainItems;
  page.other = [&](std::int32_t selection) {
    if (selection == 0 || selection > kLastMainItem) return PageStep::kLeave;  // on to the elements
    if (selection < 0) {
      next = Screen::kReturn;
      return PageStep::kLeave;
    }
    if (selection <= 9 && TPCM.NELEM != 0) submergenceMap();  // items 1 to 9: the submergence option
    return PageStep::kRedraw;
  };
  page.listed = [&] {
    if (TPCM.AUXTBL == 1) editLateralTable();
    if (TPCM.YAWTBL == 1) editYawTable();
    current = std::min(1, elementCount());
    return PageStep::kLeave;
  };
  runPage(page);
  return next;
}

// ---- element data: copy, delete, insert ------------------------------------------------------------

// Element `to` takes the data of element `from`. The bending-moment switch LMOMT belongs to the
// element position and does not move.
void copyElement(std::int32_t to, std::int32_t from) {
  forEachElementTable([&](auto& table) { table(to) = table(from); });
}

void clearElement(std::int32_t n) {
  forEachElementTable([&](auto& table) { table(n) = 0; });
}

// Copies another element's data into element n; a blank reply or a command letter copies nothing.
void copyFromAnother(std::int32_t n) {
  WRTLIN("Copy data from which element? : ", TPCM.EDUNIT);
  std::int32_t source = 0;
  std::int32_t number = 0;
  READI(source, kKeyboardUnit, number);
  MAXCHK(source, elementCount());
  if (source == 0) return;
  copyElement(n, source);
}

// Element n is removed and the elements above move down one place; the last slot keeps its data.
// NELEM is set on page 2 and does not change here.
void deleteElement(std::int32_t n) {
  for (std::int32_t i = n; i <= kMaxSalmElements - 1; ++i) copyElement(i, i + 1);
}

// The elements from n on move up one place (the last slot's data falls off) and element n starts
// empty: zeros throughout, coefficients included.
void insertElement(std::int32_t n) {
  for (std::int32_t i = kMaxSalmElements; i >= n + 1; --i) copyElement(i, i - 1);
  clearElement(n);
}

// ---- element page ---------------------------------------------------------------------------------

void drawElementPage(std::int32_t n) {
  const Tpcm& t = TPCM;
  const std::int32_t unit = t.EDUNIT;
  const std::int32_t last = elementCount();
  const std::string length = lengthLabel();
  auto value = [](float x) { return fmtF(x, 10, 2); };
  auto heading = [&](const char* text) {
    writeRecord(unit, text);
    writeRecord(unit, "");
  };
  if (n == 1) heading("--- Element attached to anchor ---");
  if (n == last) heading(t.IARCO != kFreeSalm ? "--- Element attached to vessel ---" : "--- Topmost element ---");
  if (n == t.IPIERC) heading("--- Element that pierces water ---");
  writeRecord(unit, salmItem(" 1) Element number: " + fmtI(n, 2) + " of " + fmtI(t.NELEM, 2)));
  writeRecord(unit, "");
  writeRecord(unit, salmItem(" 2) Element length ....................... " + value(t.SLEN(n)) + length));
  writeRecord(unit, salmItem(" 3) Total volume ......................... " + value(t.BUOY(n)) + " cubic" + length));
  writeRecord(unit, salmItem(" 4) Centroid of volume (from lower end) .. " + value(t.CBUOY(n)) + length));
  writeRecord(unit, salmItem(" 5) Total dry weight of element .......... " + value(t.TMASS(n)) + forceLabel()));
  writeRecord(unit, salmItem(" 6) Center of gravity (from lower end) ... " + value(t.CGSALM(n)) + length));
  writeRecord(unit, salmItem(std::string(" 7) Constraint at lower joint ............ ") +
                             (t.IFREE(n) != 0 ? "free to rotate" : "frozen")));
  writeRecord(unit, salmItem(" 8) Gyradius of element .................. " + value(t.GYRAD(n)) + length));
  writeRecord(unit, salmItem(" 9) Added mass coefficient of element .... " + value(t.COFMST(n))));
  writeRecord(unit, salmItem("10) Effective drag coefficient of element  " + value(t.COFDMT(n))));
  writeRecord(unit, salmItem("11) Compute bending moment at top of element: " + yesNo(t.LMOMT(n))));
  writeRecord(unit, "");
  writeRecord(unit, salmItem("12) Copy another element, Delete or Insert an element"));
  if (n == last) {
    writeRecord(unit, salmItem(std::string("13) Type of attachment to vessel ......... ") + attachmentName(t.IARCO)));
    if (t.IARCO != kFreeSalm) writeRecord(unit, salmItem("14) Modify vessel attachment specifics"));
  }
}

// The type of attachment: a reply of 1 to 6 sets IARCO to reply - 2 (more than 6 is 6).
void attachmentTypePage() {
  std::int32_t reply = 0;
  std::int32_t number = 0;
  PageLoop page;
  page.draw = [] {
    for (const char* line : {" ----  Type of attachment to vessel:  ----", " 1) Free Salm", " 2) Yoke",
                              " 3) Rigid Hawser", " 4) Buoyant Riser", " 5) Pendular Mass", " 6) Spread Moor"}) {
      writeRecord(TPCM.EDUNIT, line);
    }
  };
  page.reply = &reply;
  page.number = &number;
  page.other = [](std::int32_t kind) {
    MAXCHK(kind, kLastAttachment + kAttachmentOptionOffset);
    if (kind != 0) TPCM.IARCO = std::max<std::int32_t>(kind - kAttachmentOptionOffset, kFreeSalm);
    return PageStep::kLeave;
  };
  runPage(page);
}

// The attachment dimensions. Returns kElements to go back to the element page, kReturn to leave
// the page with the code in LBACK.
Screen attachmentPage() {
  Screen next = Screen::kElements;
  PageLoop page;
  page.draw = [] {
    const Tpcm& t = TPCM;
    const std::string length = lengthLabel();
    writeRecord(t.EDUNIT, "");
    writeRecord(t.EDUNIT, " 1) Yoke to waterline height at vessel .......... " + fmtF(t.YOKEHT, 10, 2) + length);
    writeRecord(t.EDUNIT, " 2) X-Coordinate of Salm attachment ............. " + fmtF(t.XSALM, 10, 2) + length);
    if (hasAttachmentSeparation(t.IARCO)) {
      writeRecord(t.EDUNIT, " 3) Separation of attachment points ............. " + fmtF(t.PNDARM, 10, 2) + length);
    }
  };
  // Item 3 only for a yoke or a pendular mass; for another attachment it goes back to the element
  // page as a number that is no item does.
  const PageItem items[] = {
      {1, [] { ENTERF(TPCM.YOKEHT, TPCM.EDUNIT, kKeyboardUnit); }},
      {2, [] { ENTERF(TPCM.XSALM, TPCM.EDUNIT, kKeyboardUnit); }},
      {3, [] { ENTERF(TPCM.PNDARM, TPCM.EDUNIT, kKeyboardUnit); }, [] { return hasAttachmentSeparation(TPCM.IARCO); }},
  };
  page.items = items;
  page.other = [&](std::int32_t selection) {
    if (selection < 0) next = Screen::kReturn;
    return PageStep::kLeave;
  };
  if (runPage(page) == PageEnd::kListed) return Screen::kReturn;
  return next;
}

// The element data dialogue of item 12: one letter, C, D or I; anything else draws the page again.
void copyDeleteOrInsert(std::int32_t n) {
  WRTLIN("(C)opy, (D)elete, or (I)nsert? : ", TPCM.EDUNIT);
  char letter = ' ';
  std::int32_t kind = 0;
  READC(letter, kKeyboardUnit);
  UPCASE(letter, kind);
  if (kind != 0) return;
  if (letter == 'C') copyFromAnother(n);
  else if (letter == 'D') deleteElement(n);
  else if (letter == 'I') insertElement(n);
}

// The element pages from element n on. Returns kMain for B on element 1, else kReturn with the
// code for the sequencer in LBACK.
Screen elementPages(std::int32_t& n) {
  if (n < 1 || n > elementCount()) return Screen::kReturn;
  Screen next = Screen::kReturn;
  const auto ifLast = [&n] { return n == elementCount(); };
  const auto enterValue = [&n](Arr<float, kMaxSalmElements>& table) {
    return [&n, &table] { ENTERF(table(n), TPCM.EDUNIT, kKeyboardUnit); };
  };
  Tpcm& t = TPCM;
  const PageItem items[] = {
      {1,
       [&n] {
         ENTERI(n, TPCM.EDUNIT, kKeyboardUnit);
         MAXCHK(n, elementCount());
         if (n == 0) n = 1;
       }},
      {2, enterValue(t.SLEN)},
      {3, enterValue(t.BUOY)},
      {4, enterValue(t.CBUOY)},
      {5, enterValue(t.TMASS)},
      {6, enterValue(t.CGSALM)},
      {7, [&n] { TOGGLE3(TPCM.IFREE(n), TPCM.IBATCH, TPCM.EDUNIT, kKeyboardUnit, "Free", "Frozen"); }},
      {8, enterValue(t.GYRAD)},
      {9, enterValue(t.COFMST)},
      {10, enterValue(t.COFDMT)},
      {11, [&n] { TOGGLE2(TPCM.LMOMT(n), TPCM.IBATCH, TPCM.EDUNIT, kKeyboardUnit); }},
      {12, [&n] { copyDeleteOrInsert(n); }},
      {13, attachmentTypePage, ifLast},
  };
  PageLoop page;
  page.draw = [&n] { drawElementPage(n); };
  page.items = items;
  page.other = [&](std::int32_t code) {
    switch (code) {
      case kNavM: return PageStep::kRedraw;
      case kNavC: copyFromAnother(n); return PageStep::kRedraw;
      case kNavD: deleteElement(n); return PageStep::kRedraw;
      case kNavI: insertElement(n); return PageStep::kRedraw;
      case kNavBack:
        if (n == 1) {
          next = Screen::kMain;
          return PageStep::kLeave;
        }
        --n;
        return PageStep::kRedraw;
      case kNavBlank:
        if (n < elementCount()) {
          ++n;
          return PageStep::kRedraw;
        }
        TPCM.LBACK = 1;  // past the last element: on to the next page
        return PageStep::kLeave;
      case 13:  // on an element that is not the last
        return PageStep::kRedraw;
      case 14:
        if (!ifLast() || TPCM.IARCO == kFreeSalm) return PageStep::kRedraw;
        return attachmentPage() == Screen::kReturn ? PageStep::kLeave : PageStep::kRedraw;
      default: return PageStep::kLeave;  // another code below -1 or a number above 14: to the sequencer
    }
  };
  page.listed = [&] {
    if (n < elementCount()) {
      ++n;
      return PageStep::kRedraw;
    }
    if (TPCM.IARCO != kFreeSalm) attachmentPage();
    return PageStep::kLeave;
  };
  runPage(page);
  return next;
}

}  // namespace

void SALM2B(std::string_view label) {
  std::int32_t current = 1;
  Screen screen = Screen::kMain;
  while (screen != Screen::kReturn) {
    screen = screen == Screen::kMain ? mainPage(label, current) : elementPages(current);
  }
}

}  // namespace qv
