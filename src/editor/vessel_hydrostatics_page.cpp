// Page 5, the vessel's hydrostatic characteristics: displacement, metacentres, centres of buoyancy
// and gravity, waterplane and main dimensions, the vessel type that selects the wave-frequency hull
// model, and the entry to the tanker property estimator.
#include <array>
#include <string>
#include <vector>

#include "dataset/tpcm.h"
#include "dataset/tpcm_codes.h"
#include "editor/page_loop.h"
#include "editor/pages.h"
#include "editor/tanker.h"
#include "editor/vessel_notes.h"
#include "platform/units.h"
#include "util/captions.h"
#include "util/console_io.h"
#include "util/dialogue.h"
#include "util/fortran_format.h"
#include "util/page_kit.h"
#include "util/sim_types.h"

namespace qv {

namespace {

enum Item : std::int32_t {
  kDisplacement = 1,
  kVesselType = 11,
  kTankerEstimates = 12,
};
// The item counter after the last item: hidden items keep their numbers, so it is always 13.
constexpr std::int32_t kItemsEnd = 13;

// The help topic of each item (index 0 unused).
constexpr std::array<std::int32_t, kItemsEnd> kHelpTopic = {0, 1, 2, 3, 4, 5, 15, 6, 7, 8, 9, 10, 11};

struct ValueItem {
  const char* label;
  float& (*member)();
  std::int32_t unitCode;  // English; the metric label is the next code
};

// Items 1 to 10 in order.
const std::array<ValueItem, 10> kValues = {{
    {"Vessel displacement", []() -> float& { return TPCM.DISPL; }, kWeightUnitCode},
    {"Transverse metacentric height (KMT)", []() -> float& { return TPCM.TVKMT; }, kLengthUnitCode},
    {"Longitudinal metacentric height (KML)", []() -> float& { return TPCM.TVKML; }, kLengthUnitCode},
    {"Vertical center of buoyancy (VKB)", []() -> float& { return TPCM.TVKB; }, kLengthUnitCode},
    {"Vertical center of gravity (VKG)", []() -> float& { return TPCM.TVKG; }, kLengthUnitCode},
    {"LCG-to-Midships distance", []() -> float& { return TPCM.CG_to_Midship; }, kLengthUnitCode},
    {"Vessel water plane area", []() -> float& { return TPCM.AWP; }, kAreaUnitCode},
    {"Length of vessel at waterline", []() -> float& { return TPCM.LWL; }, kLengthUnitCode},
    {"Beam of vessel at waterline", []() -> float& { return TPCM.BWL; }, kLengthUnitCode},
    {"Mean vessel draft", []() -> float& { return TPCM.DRAFT; }, kLengthUnitCode},
}};

constexpr ItemFormat kValueFormat{.labelColumns = 57, .valueWidth = 11, .decimals = 2, .unitGap = 1, .unitColumns = 6};
constexpr ItemFormat kTypeNameFormat{.labelColumns = 57};

// The name of a vessel type in its 26-character field.
std::string typeName(std::int32_t vestyp) {
  const VesselTypeRow* type = vesselType(vestyp);
  Text<26> name;
  name.assign(type != nullptr ? type->name : " Undefined!");
  return name.str();
}

// The vessel type is offered to a data set of this program and the programs that choose a hull
// model (a semi-submersible program, or a mooring program other than those with a fixed hull).
bool vesselTypeShown() {
  const std::int32_t creatr = TPCM.CREATR;
  return creatr == kSimDorvane || (creatr >= kSimGandru && creatr != kSimYobrix && creatr != kSimWistole);
}
bool estimatorShown() { return TPCM.VESTYP == kShipVessel; }

// The whole help tells the vessel type apart only for the mooring programs other than the spar's.
std::int32_t helpMode() { return TPCM.CREATR < kSimGandru || TPCM.CREATR == kSimWistole ? 1 : 2; }

void writeValueItem(std::int32_t item) {
  const ValueItem& v = kValues[static_cast<std::size_t>(item - kDisplacement)];
  OUTCFU(item, v.label, v.member(), kValueFormat, unitCode(v.unitCode, TPCM.NUNTS), TPCM.EDUNIT, kVesselLabelWidth);
}

void drawPage(std::string_view label, std::string_view word) {
  const Tpcm& t = TPCM;
  PAGHDR(label, word, " Hydrostatic Characteristics", kVesselHeaderWidth, t.EDUNIT, kScreenAlreadyCleared);
  for (std::int32_t item = kDisplacement; item < kVesselType; ++item) writeValueItem(item);
  std::int32_t item = kVesselType;
  if (vesselTypeShown()) {
    writeRecord(t.EDUNIT, "");
    OUTCC0(item, "Vessel type for simulation", typeName(t.VESTYP), kTypeNameFormat, t.EDUNIT, kVesselLabelWidth);
  }
  item = kTankerEstimates;
  if (estimatorShown()) {
    writeRecord(t.EDUNIT, "");
    OUTTXT(item, "Help for Tanker-Type Physical Characteristics", t.EDUNIT);
  }
}

// ---- help ----

// The note of a help topic; false for a topic without one.
bool writeTopic(std::int32_t unit, std::int32_t topic) {
  switch (topic) {
    case 1:
      writeNote(unit, {"     The vessel displacement is the total weight of the vessel as it is",
                       "     simulated: hull, machinery, cargo, ballast, fuel and stores."});
      return true;
    case 2:
    case 3:
      writeNote(unit, {"     The metacentric heights are measured up from the keel (KM). The",
                       "     metacentric height above the center of gravity follows from them:",
                       "          GM = KM - VKG = IWP / (displaced volume) - (VKG - VKB)",
                       "     where IWP is the moment of inertia of the water plane area about",
                       "     the axis of rotation: L*B**3/12 (transverse) and B*L**3/12",
                       "     (longitudinal) for a rectangular water plane of length L and",
                       "     beam B, and PI*R**4/4 for a circular water plane of radius R."});
      return true;
    case 4:
      writeNote(unit, {"     The vertical center of buoyancy is measured up from the keel. For",
                       "     displacement hulls it is usually 1.0 to 1.2 times half the draft."});
      return true;
    case 5:
      writeNote(unit, {"     The vertical center of gravity is measured up from the keel and",
                       "     includes the free-surface corrections of slack tanks."});
      return true;
    case 15:
      writeNote(unit, {"     The longitudinal center of gravity is measured from midships (the",
                       "     Lpp/2 point), positive aft. It is used with the OCIMF-type wind",
                       "     and current moment coefficients."});
      return true;
    case 6:
      writeNote(unit, {"     The water plane area is calculated from the lines, taken as beam",
                       "     x length x water plane coefficient, or read from the immersion",
                       "     curves (weight per unit immersion) divided by the water density."});
      return true;
    case 7:
    case 8:
      writeNote(unit, {"     Length and beam are the total extents of the vessel at the",
                       "     waterline, projected on a vertical plane. For semisubmersibles",
                       "     they are summed over the columns, ignoring any blanketing."});
      return true;
    case 9:
      writeNote(unit, {"     The mean draft is the draft at which the vessel has the same",
                       "     displacement at zero trim and zero heel."});
      return true;
    case 10:
      writeNote(unit, {"     The vessel type selects the wave-frequency simulation of the",
                       "     vessel's motions in waves (its hull model)."});
      return true;
    case 11:
      writeNote(unit, {"     Item 12 opens a database of nominal crude-carrier properties for",
                       "     a given deadweight and draft. Use its values with caution: real",
                       "     tankers vary by up to 20 percent from them, and its block",
                       "     coefficients lie above about 0.75."});
      return true;
    default: return false;
  }
}

void V1HLP(std::int32_t UNIT, std::int32_t IIN, std::int32_t ITEM, std::int32_t TOPIC, std::int32_t MODE) {
  vesselNotesHeading(UNIT);
  if (ITEM > 0) {
    itemHelp(UNIT, IIN, ITEM, TOPIC, writeTopic, "item ...");
    return;
  }
  // Displacement and metacentres; centres; waterplane and dimensions; draft; (vessel type); and the
  // estimator's note on the last screen.
  std::vector<std::vector<NoteEntry>> screens = {
      {{"1", 1}, {"2 -> 3", 2}},
      {{"4", 4}, {"5", 5}, {"6", 15}},
      {{"7", 6}, {"8 -> 9", 7}},
      {{"10", 9}},
  };
  if (MODE == 2) screens.push_back({{"11", 10}});
  screens.back().push_back({"12", 11});
  noteScreens(UNIT, IIN, screens, writeTopic);
}

// The notes of the vessel-type menu: the hull family each of its first four rows calls on.
void MRHP3B(std::int32_t UNIT, std::int32_t IIN, std::int32_t ITEM) {
  static constexpr const char* kPrograms[] = {"Brantox", "Velnira", "Dorvane", "Tulkesh"};
  const auto rowNote = [UNIT](std::int32_t row) {
    writeNote(UNIT, {"     This item causes the simulation to search for " + std::string(kPrograms[row - 1]) + " ",
                     "     to evaluate wave-frequency vessel motion response."});
  };
  centredNotesHeading(UNIT, "Vessel Definition Notes");
  if (ITEM == 0) {
    for (std::int32_t row = 1; row <= 4; ++row) {
      writeRecord(UNIT, "");
      writeRecord(UNIT, " ++> Item Number  " + fmtI(row, 1));
      rowNote(row);
    }
  } else if (ITEM >= 1 && ITEM <= 4) {
    writeRecord(UNIT, "");
    writeRecord(UNIT, " ++> Item Number  " + fmtI(ITEM, 2));
    rowNote(ITEM);
  } else {
    sorryNoHelp(UNIT, "line...");
  }
  PRSRET(UNIT, IIN);
}

// ---- the vessel-type menu ----

// The menu numbers each type with one digit, its code.
static_assert(kLastVesselType <= 9);

void drawTypeMenu() {
  Tpcm& t = TPCM;
  const std::int32_t unit = t.EDUNIT;
  LINES(unit, 2);
  writeRecord(unit, " +++   Vessel type for wave-frequency dynamics simulation  +++");
  writeRecord(unit, "");
  // A semi-submersible program's data set: column-stabilised hulls only (the reply is not held to them).
  const bool columnHullsOnly = t.CREATR == kSimDorvane;
  if (columnHullsOnly) t.SEMI_LIKE = 1;
  for (const VesselTypeRow& type : kVesselTypes) {
    if (columnHullsOnly && type.family != HullFamily::kColumnStabilised) continue;
    writeRecord(unit, " " + fmtI(type.code, 1) + ") " + std::string(type.menuName));
  }
  LINES(unit, 2);
}

void chooseVesselType() {
  std::int32_t reply = 0;
  std::int32_t number = 0;
  PageLoop menu;
  menu.draw = drawTypeMenu;
  menu.help = [](std::int32_t item) { MRHP3B(TPCM.EDUNIT, kKeyboardUnit, item); };
  menu.other = [](std::int32_t selection) {
    MAXCHK(selection, kLastVesselType);
    if (selection != 0) {
      TPCM.VESTYP = selection;
      TPCM.SEMI_LIKE = columnStabilised(selection) ? 1 : 0;
    }
    return PageStep::kLeave;
  };
  menu.reply = &reply;
  menu.number = &number;
  runPage(menu);
}

void runEstimator() {
  Tpcm& t = TPCM;
  TANKER({.EDUNIT = t.EDUNIT, .IIN = kKeyboardUnit, .NUNTS = t.NUNTS,
          .out = {.DISPL = t.DISPL, .TVKB = t.TVKB, .TVKG = t.TVKG, .DRAFT = t.DRAFT, .AWP = t.AWP, .TVKMT = t.TVKMT,
                  .TVKML = t.TVKML, .LWL = t.LWL, .BWL = t.BWL, .PGYR = t.PGYR, .RGYR = t.RGYR, .TYGYR = t.TYGYR,
                  .BILGR = t.BILGR, .TXWNDA = t.TXWNDA, .TYWNDA = t.TYWNDA, .TXCURA = t.TXCURA, .TYCURA = t.TYCURA,
                  .DWTONS = t.DWTONS, .LOADED = t.LOADED, .DFTPCT = t.DFTPCT, .DSPPCT = t.DSPPCT, .LBACK = t.LBACK,
                  .IPAG = t.IPAG}});
}

void editValue(std::int32_t item) {
  writeValueItem(item);
  ENTERF(kValues[static_cast<std::size_t>(item - kDisplacement)].member(), TPCM.EDUNIT, kKeyboardUnit);
}

const PageItem kItems[] = {
    {1, [] { editValue(1); }},
    {2, [] { editValue(2); }},
    {3, [] { editValue(3); }},
    {4, [] { editValue(4); }},
    {5, [] { editValue(5); }},
    {6, [] { editValue(6); }},
    {7, [] { editValue(7); }},
    {8, [] { editValue(8); }},
    {9, [] { editValue(9); }},
    {10, [] { editValue(10); }},
    {kVesselType, chooseVesselType, vesselTypeShown},
    {kTankerEstimates, runEstimator, estimatorShown},
};

}  // namespace

void VESEL1(std::string_view label, std::string_view vesselText) {
  PageLoop page;
  page.draw = [label, vesselText] { drawPage(label, vesselText); };
  page.items = kItems;
  page.help = [](std::int32_t item) {
    if (item == 0)
      V1HLP(TPCM.EDUNIT, kKeyboardUnit, 0, 0, helpMode());
    else if (item >= 1 && item < kItemsEnd)
      V1HLP(TPCM.EDUNIT, kKeyboardUnit, item, kHelpTopic[static_cast<std::size_t>(item)], helpMode());
  };
  runPage(page);
}

}  // namespace qv
