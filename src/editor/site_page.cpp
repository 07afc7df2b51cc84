// Page 1, "Site conditions": the two identification lines of the data set, the system of units, the
// site water depth and the water density. It is the one place where the data set changes units:
// either the labels alone (with the water density), or every value of the data set.
#include <algorithm>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

#include "dataset/tpcm.h"
#include "dataset/tpcm_codes.h"
#include "dataset/unit_conversion.h"
#include "editor/page_loop.h"
#include "editor/pages.h"
#include "editor/site_page.h"
#include "platform/units.h"
#include "util/captions.h"
#include "util/console_io.h"
#include "util/dialogue.h"
#include "util/fortran_format.h"
#include "util/nav_codes.h"

namespace qv {

namespace {

using Lines = std::span<const std::string_view>;

constexpr float kSeawaterDensity = 64.0f;     // [lbs/ft^3]
constexpr float kFreshwaterDensity = 62.44f;  // [lbs/ft^3]
// (kgw/m^3) per (lbs/ft^3) of the labels-only conversion and of the density choices; the full
// conversion forms its own factor from the length and force factors.
constexpr float kDensityToMetric = 16.0185f;
// The page shows and edits the first 72 characters of each 80-character identification line.
constexpr std::size_t kIdentificationShown = 72;

enum Item : std::int32_t {
  kIdentification1 = 1,
  kIdentification2 = 2,
  kUnits = 3,
  kDepth = 4,
  kDensity = 5,
};

// ---- texts ------------------------------------------------------------------------------------

// The considerations shared by the warning of the full conversion and its help note.
constexpr std::string_view kFullConversionNote[] = {
    "     This option should be exercised with care.",
    "",
    "     Several things to consider:",
    "",
    "     1) Executing this option twice will not in general reproduce exactly",
    "     the original data file due to floating-point roundoff errors. Thus,",
    "     two \"equivalent\" data files (original and twice-converted) will in",
    "     general produce slightly differing output streams.",
    "",
    "     2) Using this option may compromise the usefulness of",
    "     inter-simulation data file transfers since the converted variable",
    "     sets differ between simulations. Conversions to an existing data",
    "     file should in general be carried out in the originating simulation.",
    "",
    "     For example, to transfer a data file from Heskova (English) to",
    "     Brantox (metric), you should do the conversion in Heskova, then use",
    "     the converted MOORDAT file as input to Brantox.",
    "",
    "     3) Any user-supplied data that is dimensional must be converted by",
    "     hand. For example, WINDSPEC.txt and CRNTSPEC.txt files contain",
    "     dimensional data; if they are to be used they must be converted by",
    "     the user to the new set of units.",
};

constexpr std::string_view kUserSpectraNote[] = {
    "",
    "",
    "     >>> NOTE:",
    "",
    "     Be aware that the data set to be converted calls for dimensional",
    "     user-supplied wind or current spectral data (WINDSPEC.txt or",
    "     CRNTSPEC.txt); these data files must be converted separately by",
    "     the user to the correct set of units to complete the units",
    "     conversion.",
};

constexpr std::string_view kUnitsNote[] = {
    "     The \"Units of measure\" item facilitates simulation in either",
    "     English units (feet, inches, kips, etc.) or metric units (meters,",
    "     millimeters, metric tons, etc.). The units employed are those most",
    "     commonly used in offshore practice; thus the metric unit of force is",
    "     the metric ton (the weight of 1000 kilograms) rather than the",
    "     kiloNewton, etc.",
    "",
    "     Selection of this item leads to a subpage of units conversion",
    "     options.",
    "",
    "     Note: speed units are always input and reported in knots regardless",
    "     of the state of the \"Units of measure\" toggle.",
};

constexpr std::string_view kDensityNote[] = {
    "     The water density is user-controllable. Changing the water density",
    "     does *not* result in any other data file changes; for example the",
    "     draft of a vessel of given displacement and the weight-in-water of an",
    "     underwater line segment are not adjusted automatically by a change in",
    "     water density. All such adjustments must be carried out manually to",
    "     produce an internally consistent set of hydrostatic parameters.",
};

constexpr std::string_view kLabelsNote[] = {
    "     With a single exception (the water density value), this item affects",
    "     only the *displayed* dimensional units (ft <-> meters, etc.). This",
    "     is generally of use only during original creation of a data file and",
    "     the action is perfectly reversible. That is, two invocations of this",
    "     option will return an existing data file to its unaltered original",
    "     state regardless of the contents of the data file.",
    "",
    "     To convert an *existing* data file between English and metric units,",
    "     you should use the alternate conversion option provided.",
};

void writeLines(std::int32_t unit, Lines lines) {
  for (std::string_view line : lines) writeRecord(unit, line);
}
void writeLines(std::int32_t unit, std::initializer_list<std::string_view> lines) {
  for (std::string_view line : lines) writeRecord(unit, line);
}

// ---- help screens -----------------------------------------------------------------------------

void writeItemNote(std::int32_t unit, std::int32_t item, Lines note) {
  writeRecord(unit, "");
  writeRecord(unit, " ++> Item Number  " + fmtI(item, 0));
  writeLines(unit, note);
}

void writeNoNote(std::int32_t unit) { writeRecord(unit, " ++> Sorry, no help for this line..."); }

void startHelp(std::int32_t unit, std::string_view title) {
  CLEAR(unit);
  writeRecord(unit, fmtX(21) + std::string(title));
}

// ---- the page ---------------------------------------------------------------------------------

std::string pageLabel(std::int32_t code) {
  Text<16> label;
  UNITP(label, code);
  return label.str();
}

Text<80>& identification(Item item) { return item == kIdentification1 ? TPCM.CID1P : TPCM.CID2P; }

// The line of an item as the page shows it; empty for the units of a flag that is neither 0 nor 1.
std::string itemLine(Item item) {
  const Tpcm& t = TPCM;
  switch (item) {
    case kIdentification1:
    case kIdentification2:
      return " " + fmtI(item, 1) + ") [" + std::string(identification(item).view().substr(0, kIdentificationShown)) +
             "]";
    case kUnits:
      if (t.NUNTS == kEnglishUnits) return " 3) Units of measure: English";
      if (t.NUNTS == kMetricUnits) return " 3) Units of measure: Metric";
      return std::string();
    case kDepth: return " 4) Site water depth: " + fmtX(5) + fmtF(t.DEPTH, 10, 2) + pageLabel(unitCode(7, t.NUNTS));
    case kDensity: return " 5) Water density: " + fmtX(8) + fmtF(t.DWATR, 10, 2) + pageLabel(unitCode(11, t.NUNTS));
  }
  return std::string();
}

void drawPage() {
  const std::int32_t unit = TPCM.EDUNIT;
  writeRecord(unit, fmtX(19) + " ****  Page 1: Site conditions  ****");
  writeRecord(unit, "");
  writeRecord(unit, "");
  writeRecord(unit, "     Two-line Identification for this simulation:");
  writeRecord(unit, "");
  writeRecord(unit, itemLine(kIdentification1));
  writeRecord(unit, itemLine(kIdentification2));
  writeRecord(unit, " ");
  if (const std::string units = itemLine(kUnits); !units.empty()) writeRecord(unit, units);
  writeRecord(unit, "");
  writeRecord(unit, itemLine(kDepth));
  writeRecord(unit, itemLine(kDensity));
}

// A reply of all blanks keeps the line; any other replaces all 72 characters shown, so a short reply
// blanks the rest of them. Characters 73 to 80 are never touched.
void editIdentification(Item item) {
  const std::int32_t unit = TPCM.EDUNIT;
  writeRecord(unit, itemLine(item));
  WRTLIN(fmtI(item, 1) + ") :", unit);
  const std::string reply = readReply(kKeyboardUnit, kIdentificationShown);
  if (reply.find_first_not_of(' ') == std::string::npos) return;
  std::copy(reply.begin(), reply.end(), identification(item).c);
}

// Option 1 of the conversion sub-page: the unit flag and the water density; nothing else changes.
void convertLabelsOnly() {
  Tpcm& t = TPCM;
  TOGGLE(t.NUNTS);
  if (t.NUNTS == kMetricUnits) t.DWATR *= kDensityToMetric;
  else if (t.NUNTS == kEnglishUnits) t.DWATR /= kDensityToMetric;
}

// Option 2: every value of the data set, after the warning; "A" at the question converts nothing.
void convertEverything() {
  Tpcm& t = TPCM;
  const std::int32_t unit = t.EDUNIT;
  CLEAR(unit);
  writeLines(unit, {"", "", "                >>> Warning <<<", ""});
  writeLines(unit, kFullConversionNote);
  if (t.CURTYP == kUserCurrentSpectrum || t.WNDTYP == kUserWindSpectrum) writeLines(unit, kUserSpectraNote);
  ABORT0(unit, kKeyboardUnit, t.LBACK);
  if (t.LBACK == kNavBack) return;
  convertWholeDataSet();
}

// Item 3: the choice of a labels-only or a full conversion into the other system of units. The
// sub-page is drawn on a cleared screen, and any reply but "?" goes back to the page.
void conversionSubpage() {
  std::int32_t target = TPCM.NUNTS;
  TOGGLE(target);
  // A flag that is neither 0 nor 1 stays as it is; the converters then take the metric factors.
  const std::string name = target == kEnglishUnits ? "English" : "metric ";
  std::int32_t selection = 0;
  PageLoop page;
  page.draw = [&name] {
    const std::int32_t unit = TPCM.EDUNIT;
    writeLines(unit, {"", "      >>> Units Conversion Options <<<", ""});
    writeRecord(unit, " 1) Convert only water density and unit labels to " + name + " units");
    writeRecord(unit, " 2) Convert ALL data values and units labels to " + name + " units");
  };
  page.reply = &selection;
  page.help = [](std::int32_t item) { CNVHLP(TPCM.EDUNIT, kKeyboardUnit, item); };
  page.other = [](std::int32_t choice) {
    if (choice == 1) convertLabelsOnly();
    else if (choice == 2) convertEverything();
    return PageStep::kLeave;
  };
  runPage(page);
}

// Item 5: seawater, freshwater or a density of the user's own; any other reply but "?" goes back to
// the page.
void densitySubpage() {
  std::int32_t selection = 0;
  PageLoop page;
  page.draw = [] {
    writeLines(TPCM.EDUNIT, {" -- Water density --", "", " 1) Seawater", " 2) Freshwater"});
    writeRecord(TPCM.EDUNIT, " 3) User-specified fluid density in" + pageLabel(unitCode(11, TPCM.NUNTS)));
  };
  page.reply = &selection;
  page.other = [](std::int32_t choice) {
    Tpcm& t = TPCM;
    if (choice == 1 || choice == 2) {
      t.DWATR = choice == 1 ? kSeawaterDensity : kFreshwaterDensity;
      if (t.NUNTS == kMetricUnits) t.DWATR *= kDensityToMetric;
    } else if (choice == 3) {
      writeRecord(t.EDUNIT, itemLine(kDensity));
      ENTERF(t.DWATR, t.EDUNIT, kKeyboardUnit);
    }
    return PageStep::kLeave;
  };
  runPage(page);
}

const PageItem kItems[] = {
    {kIdentification1, [] { editIdentification(kIdentification1); }},
    {kIdentification2, [] { editIdentification(kIdentification2); }},
    {kUnits, conversionSubpage},
    {kDepth,
     [] {
       writeRecord(TPCM.EDUNIT, itemLine(kDepth));
       ENTERF(TPCM.DEPTH, TPCM.EDUNIT, kKeyboardUnit);
     }},
    {kDensity, densitySubpage},
};

}  // namespace

void STATHLP(std::int32_t unit, std::int32_t inUnit, std::int32_t item) {
  startHelp(unit, "****  Site Definition Notes  ****");
  if (item == 0) {
    writeItemNote(unit, kUnits, kUnitsNote);
    writeItemNote(unit, kDensity, kDensityNote);
  } else if (item <= kUnits) {
    writeItemNote(unit, item, kUnitsNote);
  } else if (item == kDensity) {
    writeItemNote(unit, item, kDensityNote);
  } else {
    writeNoNote(unit);
  }
  PRSRET(unit, inUnit);
}

void CNVHLP(std::int32_t unit, std::int32_t inUnit, std::int32_t item) {
  startHelp(unit, "****  Units Conversion Notes  ****");
  if (item == 0 || item == 1) writeItemNote(unit, 1, kLabelsNote);
  if (item == 0 || item == 2) writeItemNote(unit, 2, kFullConversionNote);
  if (item != 0 && item != 1 && item != 2) writeNoNote(unit);
  PRSRET(unit, inUnit);
}

void STATIC() {
  PageLoop page;
  page.draw = drawPage;
  page.items = kItems;
  page.help = [](std::int32_t item) { STATHLP(TPCM.EDUNIT, kKeyboardUnit, item); };
  // Blank, a navigation code or a number that is no item: back to the sequencer with the code.
  page.other = [](std::int32_t) { return PageStep::kLeave; };
  runPage(page);
}

}  // namespace qv
