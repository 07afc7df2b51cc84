// Page 2, "Salm information": the number of SALM elements, the settings of the static offset
// analysis, the piercing element and its waterplane area, and the default element coefficients that
// can be spread over all the elements.
#include <cstdint>
#include <string>

#include "dataset/tpcm.h"
#include "editor/page_loop.h"
#include "editor/pages.h"
#include "editor/salm_text.h"
#include "platform/units.h"
#include "util/console_io.h"
#include "util/dialogue.h"
#include "util/fortran_format.h"

namespace qv {

namespace {

enum Item : std::int32_t {
  kElementCount = 1,
  kMaxLoad = 2,
  kOffsetIncrement = 3,
  kTablePoints = 4,
  kWaterplaneArea = 5,
  kPiercingElement = 6,
  kDefaultAddedMass = 7,
  kDefaultDrag = 8,
};

// Page 2 names no element that pierces the surface with 0, or with the element past the last, which
// it shows under options 7 and 8 (the whole system under water, where the runs read both as none).
// Counted wide, for a loaded count at the integer's limit.
bool namesNoElement(std::int32_t element) {
  return element == 0 || std::int64_t{element} == std::int64_t{TPCM.NELEM} + 1;
}

std::string itemLine(Item item) {
  const Tpcm& t = TPCM;
  switch (item) {
    case kElementCount:
      return salmItem(" 1) Number of Salm elements (Max " + fmtI(kMaxSalmElements, 2) + ") ............ " +
                      fmtI(t.NELEM, 2));
    case kMaxLoad:
      return salmItem(" 2) Maximum horizontal load on Salm ............. " + fmtF(t.TLOAD, 10, 2) + forceLabel());
    case kOffsetIncrement:
      return salmItem(" 3) Offset increment for static offset table .... " + fmtF(t.OFFINC, 10, 2) +
                      lengthLabel());
    case kTablePoints: return salmItem(" 4) Number of points in interpolation table ..... " + fmtI(t.NTAB, 2));
    case kWaterplaneArea:
      return salmItem(" 5) Water plane area of water-piercing element .. " + fmtF(t.WPAPRC, 10, 2) + " square" +
                      lengthLabel().substr(0, 7));
    case kPiercingElement:
      return salmItem(" 6) Salm element that pierces water ............. " + fmtI(t.IPIERC, 2) +
                      (namesNoElement(t.IPIERC) ? " (none)" : ""));
    case kDefaultAddedMass:
      return salmItem(" 7) Reset default added mass coefficient ........." + fmtF(t.COFMAS, 10, 2));
    case kDefaultDrag:
      return salmItem(" 8) Reset default square-law drag coefficient ...." + fmtF(t.COFDMP, 10, 2));
  }
  return std::string();
}

void drawPage(std::string_view label) {
  Tpcm& t = TPCM;
  writeRecord(t.EDUNIT, fmtX(19) + "****  Page " + std::string(label) + ": Salm information  ****");
  for (Item item : {kElementCount, kMaxLoad, kOffsetIncrement, kTablePoints}) writeRecord(t.EDUNIT, itemLine(item));
  if (t.NELEM == 0) return;
  writeRecord(t.EDUNIT, itemLine(kWaterplaneArea));
  // No element pierces the surface; a count beyond the element tables, which the run refuses, has no
  // element past its last.
  if (wholeSystemSubmerged(t.WETYOK) && t.NELEM <= kMaxSalmElements) t.IPIERC = t.NELEM + 1;
  for (Item item : {kPiercingElement, kDefaultAddedMass, kDefaultDrag}) writeRecord(t.EDUNIT, itemLine(item));
}

// A new default coefficient replaces the coefficient of every element, also those beyond NELEM, so
// that elements added later start from it. A blank or unreadable reply changes nothing.
void replaceDefault(const char* caption, float& defaultValue, Arr<float, kMaxSalmElements>& perElement) {
  Tpcm& t = TPCM;
  writeRecord(t.EDUNIT, "");
  writeRecord(t.EDUNIT, std::string(caption) + fmtF(defaultValue, 6, 2));
  writeRecord(t.EDUNIT, "");
  WRTLIN("Enter new value (<RETURN> to abort replacement): ", t.EDUNIT);
  float typed = defaultValue;
  std::int32_t blank = 0;
  CRREAD(typed, blank, kKeyboardUnit);
  if (blank != 0) return;
  defaultValue = typed;
  perElement.fill(typed);
}

// Writes the item line again, then asks for the new value.
void echoThenEnter(Item item, float& value) {
  writeRecord(TPCM.EDUNIT, itemLine(item));
  ENTERF(value, TPCM.EDUNIT, kKeyboardUnit);
}
void echoThenEnter(Item item, std::int32_t& value) {
  writeRecord(TPCM.EDUNIT, itemLine(item));
  ENTERI(value, TPCM.EDUNIT, kKeyboardUnit);
}

const PageItem kItems[] = {
    {kElementCount,
     [] {
       echoThenEnter(kElementCount, TPCM.NELEM);
       MAXCHK(TPCM.NELEM, kMaxSalmElements);
     }},
    {kMaxLoad, [] { echoThenEnter(kMaxLoad, TPCM.TLOAD); }},
    {kOffsetIncrement, [] { echoThenEnter(kOffsetIncrement, TPCM.OFFINC); }},
    {kTablePoints,
     [] {
       writeRecord(TPCM.EDUNIT,
                   " Interpolation table size (Max " + fmtI(kMaxTablePoints, 2) + "): " + fmtI(TPCM.NTAB, 2));
       ENTERI(TPCM.NTAB, TPCM.EDUNIT, kKeyboardUnit);
       MAXCHK(TPCM.NTAB, kMaxTablePoints);
     }},
    {kWaterplaneArea, [] { echoThenEnter(kWaterplaneArea, TPCM.WPAPRC); }},
    // Stored as typed: readers take a value outside 1..NELEM as "no element pierces the water".
    {kPiercingElement, [] { echoThenEnter(kPiercingElement, TPCM.IPIERC); }},
    {kDefaultAddedMass,
     [] { replaceDefault(" Current default elemental added mass coefficient = ", TPCM.COFMAS, TPCM.COFMST); }},
    {kDefaultDrag,
     [] { replaceDefault(" Current default elemental square-law drag coefficient = ", TPCM.COFDMP, TPCM.COFDMT); }},
};

}  // namespace

void SALM(std::string_view label) {
  PageLoop page;
  page.draw = [label] { drawPage(label); };
  page.items = kItems;
  runPage(page);
}

}  // namespace qv
