// Page 3, "More Salm information": the submergence option of the buoy top and yoke, the auxiliary
// offset tables, one sub-page per SALM element with copy, delete and insert of element data, the
// type of attachment to the vessel and the attachment dimensions.
#include <algorithm>
#include <array>
#include <string>

#include "dataset/tpcm.h"
#include "editor/pages.h"
#include "editor/salm_text.h"
#include "platform/units.h"
#include "util/autorp.h"
#include "util/console_io.h"
#include "util/dialogue.h"
#include "util/fortran_format.h"

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
  if (TPCM.LCOPY == 0) CLEAR(unit);
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

// The attachment name of IARCO; a value outside the known types reads as a free SALM.
const char* attachmentName(std::int32_t type) {
  constexpr std::array<const char*, kLastAttachment + 1> kNames = {"Yoke", "Rigid hawser", "Buoyant riser",
                                                                  "Pendular mass", "Spread moor"};
  return type >= kYoke && type <= kLastAttachment ? kNames[static_cast<std::size_t>(type)] : "Free Salm";
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
  if (t.LCOPY == 0) CLEAR(unit);
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

// The map of the submergence options; a reply of 2 to 8 chooses that option (more than 8 is 8).
void submergenceMap() {
  Tpcm& t = TPCM;
  for (;;) {
    drawSubmergenceMap();
    std::int32_t reply = 0;
    std::int32_t number = 0;
    ENTSEL(reply, t.EDUNIT, kKeyboardUnit, number);
    if (reply == kNavQuery) {
      NOHELP(t.EDUNIT, kKeyboardUnit);
      continue;
    }
    if (reply <= 1) return;
    t.WETYOK = reply - kSubmergenceOptionOffset;
    MAXCHK(t.WETYOK, kLastSubmergence);
    return;
  }
}

Screen mainPage(std::string_view label, std::int32_t& current) {
  Tpcm& t = TPCM;
  for (;;) {
    current = std::min(current, elementCount());
    drawMainPage(label);
    if (t.LCOPY != 0) {
      t.LBACK = 0;
      TWOPG(t.LCOPY, t.EDUNIT);
      if (t.AUXTBL == 1) editLateralTable();
      if (t.YAWTBL == 1) editYawTable();
      current = std::min(1, elementCount());
      return Screen::kElements;
    }
    ENTSEL(t.LBACK, t.EDUNIT, kKeyboardUnit, t.IPAG);
    const std::int32_t selection = t.LBACK;
    if (selection == kNavQuery) {
      NOHELP(t.EDUNIT, kKeyboardUnit);
      continue;
    }
    if (selection == 0 || selection > 15) return Screen::kElements;
    if (selection < 0) return Screen::kReturn;
    switch (selection) {
      case 10: TOGGLE2(t.AUXTBL, t.IBATCH, t.EDUNIT, kKeyboardUnit); break;
      case 11:
        if (t.AUXTBL == 1) editLateralTable();
        break;
      case 12: TOGGLE2(t.YAWTBL, t.IBATCH, t.EDUNIT, kKeyboardUnit); break;
      case 13:
        if (t.YAWTBL != 0) ENTERF(t.EQLYAW, t.EDUNIT, kKeyboardUnit);
        break;
      case 14:
        if (t.YAWTBL != 0) ENTERF(t.YAWINC, t.EDUNIT, kKeyboardUnit);
        break;
      case 15:
        if (t.YAWTBL == 1) editYawTable();
        break;
      default:  // 1 to 9
        if (t.NELEM != 0) submergenceMap();
        break;
    }
  }
}

// ---- element data: copy, delete, insert ------------------------------------------------------------

// Element `to` takes the data of element `from`. The bending-moment switch LMOMT belongs to the
// element position and does not move.
void copyElement(std::int32_t to, std::int32_t from) {
  Tpcm& t = TPCM;
  t.SLEN(to) = t.SLEN(from);
  t.COFMST(to) = t.COFMST(from);
  t.COFDMT(to) = t.COFDMT(from);
  t.BUOY(to) = t.BUOY(from);
  t.CBUOY(to) = t.CBUOY(from);
  t.TMASS(to) = t.TMASS(from);
  t.CGSALM(to) = t.CGSALM(from);
  t.IFREE(to) = t.IFREE(from);
  t.LOWER(to) = t.LOWER(from);
  t.GYRAD(to) = t.GYRAD(from);
}

void clearElement(std::int32_t n) {
  Tpcm& t = TPCM;
  t.SLEN(n) = 0.0f;
  t.COFMST(n) = 0.0f;
  t.COFDMT(n) = 0.0f;
  t.BUOY(n) = 0.0f;
  t.CBUOY(n) = 0.0f;
  t.TMASS(n) = 0.0f;
  t.CGSALM(n) = 0.0f;
  t.IFREE(n) = 0;
  t.LOWER(n) = 0.0f;
  t.GYRAD(n) = 0.0f;
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
  if (t.LCOPY == 0) CLEAR(unit);
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
  Tpcm& t = TPCM;
  for (;;) {
    if (t.LCOPY == 0) CLEAR(t.EDUNIT);
    for (const char* line : {" ----  Type of attachment to vessel:  ----", " 1) Free Salm", " 2) Yoke",
                              " 3) Rigid Hawser", " 4) Buoyant Riser", " 5) Pendular Mass", " 6) Spread Moor"}) {
      writeRecord(t.EDUNIT, line);
    }
    std::int32_t reply = 0;
    std::int32_t number = 0;
    ENTSEL(reply, t.EDUNIT, kKeyboardUnit, number);
    if (reply == kNavQuery) {
      NOHELP(t.EDUNIT, kKeyboardUnit);
      continue;
    }
    MAXCHK(reply, kLastAttachment + kAttachmentOptionOffset);
    if (reply != 0) t.IARCO = std::max<std::int32_t>(reply - kAttachmentOptionOffset, kFreeSalm);
    return;
  }
}

// The attachment dimensions. Returns kElements to go back to the element page, kReturn to leave
// the page with the code in LBACK.
Screen attachmentPage() {
  Tpcm& t = TPCM;
  const std::string length = lengthLabel();
  for (;;) {
    const bool separated = hasAttachmentSeparation(t.IARCO);
    if (t.LCOPY == 0) CLEAR(t.EDUNIT);
    writeRecord(t.EDUNIT, "");
    writeRecord(t.EDUNIT, " 1) Yoke to waterline height at vessel .......... " + fmtF(t.YOKEHT, 10, 2) + length);
    writeRecord(t.EDUNIT, " 2) X-Coordinate of Salm attachment ............. " + fmtF(t.XSALM, 10, 2) + length);
    if (separated) {
      writeRecord(t.EDUNIT, " 3) Separation of attachment points ............. " + fmtF(t.PNDARM, 10, 2) + length);
    }
    if (t.LCOPY != 0) {
      t.LBACK = 0;
      TWOPG(t.LCOPY, t.EDUNIT);
      return Screen::kReturn;
    }
    ENTSEL(t.LBACK, t.EDUNIT, kKeyboardUnit, t.IPAG);
    const std::int32_t selection = t.LBACK;
    if (selection == kNavQuery) {
      NOHELP(t.EDUNIT, kKeyboardUnit);
      continue;
    }
    if (selection == 0 || selection > 3) return Screen::kElements;
    if (selection < 0) return Screen::kReturn;
    if (selection == 1) ENTERF(t.YOKEHT, t.EDUNIT, kKeyboardUnit);
    else if (selection == 2) ENTERF(t.XSALM, t.EDUNIT, kKeyboardUnit);
    else if (separated) ENTERF(t.PNDARM, t.EDUNIT, kKeyboardUnit);
    else return Screen::kElements;
  }
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

void editElementItem(std::int32_t n, std::int32_t item) {
  Tpcm& t = TPCM;
  const std::int32_t unit = t.EDUNIT;
  switch (item) {
    case 2: ENTERF(t.SLEN(n), unit, kKeyboardUnit); break;
    case 3: ENTERF(t.BUOY(n), unit, kKeyboardUnit); break;
    case 4: ENTERF(t.CBUOY(n), unit, kKeyboardUnit); break;
    case 5: ENTERF(t.TMASS(n), unit, kKeyboardUnit); break;
    case 6: ENTERF(t.CGSALM(n), unit, kKeyboardUnit); break;
    case 7: TOGGLE3(t.IFREE(n), t.IBATCH, unit, kKeyboardUnit, "Free", "Frozen"); break;
    case 8: ENTERF(t.GYRAD(n), unit, kKeyboardUnit); break;
    case 9: ENTERF(t.COFMST(n), unit, kKeyboardUnit); break;
    case 10: ENTERF(t.COFDMT(n), unit, kKeyboardUnit); break;
    case 11: TOGGLE2(t.LMOMT(n), t.IBATCH, unit, kKeyboardUnit); break;
    case 12: copyDeleteOrInsert(n); break;
    case 13: attachmentTypePage(); break;
    default: break;
  }
}

// The element pages from element n on. Returns kMain for B on element 1, else kReturn with the
// code for the sequencer in LBACK.
Screen elementPages(std::int32_t& n) {
  Tpcm& t = TPCM;
  for (;;) {
    const std::int32_t last = elementCount();
    if (n < 1 || n > last) return Screen::kReturn;
    drawElementPage(n);
    if (t.LCOPY != 0) {
      t.LBACK = 0;
      TWOPG(t.LCOPY, t.EDUNIT);
      if (n < last) {
        ++n;
        continue;
      }
      if (t.IARCO != kFreeSalm) attachmentPage();
      return Screen::kReturn;
    }
    ENTSEL(t.LBACK, t.EDUNIT, kKeyboardUnit, t.IPAG);
    const std::int32_t code = t.LBACK;
    switch (code) {
      case kNavQuery: NOHELP(t.EDUNIT, kKeyboardUnit); continue;
      case kNavM: continue;
      case kNavC: copyFromAnother(n); continue;
      case kNavD: deleteElement(n); continue;
      case kNavI: insertElement(n); continue;
      case kNavBack:
        if (n == 1) return Screen::kMain;
        --n;
        continue;
      default: break;
    }
    if (code <= -2 || code > 14) return Screen::kReturn;
    if (((code == 13 || code == 14) && n != last) || (code == 14 && t.IARCO == kFreeSalm)) continue;
    if (code == 0) {
      if (n < last) {
        ++n;
        continue;
      }
      t.LBACK = 1;
      return Screen::kReturn;
    }
    if (code == 14) {
      if (attachmentPage() == Screen::kReturn) return Screen::kReturn;
      continue;
    }
    if (code == 1) {
      ENTERI(n, t.EDUNIT, kKeyboardUnit);
      MAXCHK(n, last);
      if (n == 0) n = 1;
      continue;
    }
    editElementItem(n, code);
  }
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
