// Page 6, the vessel's inertia and motion: gyradii, bilge radius and bilge keel, forward speed and
// its direction, trim and heel, and the switches of user-supplied response operators.
#include <array>
#include <string>

#include "dataset/tpcm.h"
#include "dataset/tpcm_codes.h"
#include "editor/page_loop.h"
#include "editor/pages.h"
#include "editor/vessel_notes.h"
#include "platform/units.h"
#include "util/captions.h"
#include "util/console_io.h"
#include "util/dialogue.h"
#include "util/page_kit.h"
#include "util/sim_types.h"

namespace qv {

namespace {

enum Item : std::int32_t {
  kPitchGyradius = 1,
  kRollGyradius = 2,
  kYawGyradius = 3,
  kBilgeRadius = 4,
  kBilgeKeel = 5,
  kKeelLength = 6,
  kKeelWidth = 7,
  kKeelDistance = 8,
  kSpeed = 9,
  kDirection = 10,
  kTrim = 11,
  kHeel = 12,
  kUserRaos = 13,
  kDeckVertical = 14,
};
// The item counter after the last item: hidden items keep their numbers, so it is always 15.
constexpr std::int32_t kItemsEnd = 15;

// The help topic of each item (index 0 unused).
constexpr std::array<std::int32_t, kItemsEnd> kHelpTopic = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 14, 10, 11, 12, 13};

// The page shows the forward speed in knots and stores a length per second.
float speedPerKnot() { return TPCM.NUNTS == kMetricUnits ? kMetresPerSecondPerKnot : kFeetPerSecondPerKnot; }

constexpr ItemFormat kValueFormat{.labelColumns = 57, .valueWidth = 10, .decimals = 2, .unitGap = 1, .unitColumns = 6};
constexpr ItemFormat kYesNoFormat{.labelColumns = 57, .valueGap = 3, .valueWidth = 3};

struct ValueItem {
  Item item;
  const char* label;
  float& (*member)();
  std::int32_t unitCode;  // English; the metric label is the next code (not for the blank label)
};

const std::array<ValueItem, 10> kValues = {{
    {kPitchGyradius, "Pitch Gyradius", []() -> float& { return TPCM.PGYR; }, kLengthUnitCode},
    {kRollGyradius, "Roll Gyradius", []() -> float& { return TPCM.RGYR; }, kLengthUnitCode},
    {kYawGyradius, "Yaw Gyradius", []() -> float& { return TPCM.TYGYR; }, kLengthUnitCode},
    {kBilgeRadius, "Bilge radius at maximum beam station", []() -> float& { return TPCM.BILGR; }, kLengthUnitCode},
    {kKeelLength, "Bilge keel length", []() -> float& { return TPCM.TKEEL; }, kLengthUnitCode},
    {kKeelWidth, "Bilge keel width", []() -> float& { return TPCM.RKEEL; }, kLengthUnitCode},
    {kKeelDistance, "Inboard keel-to-vessel centerline distance", []() -> float& { return TPCM.DKEEL; },
     kLengthUnitCode},
    {kDirection, "Global direction of vessel motion (degrees)", []() -> float& { return TPCM.VGLDIR; }, kBlankUnitCode},
    {kTrim, "Trim angle (deg; bow down positive)", []() -> float& { return TPCM.TRIMDG; }, kBlankUnitCode},
    {kHeel, "Heel angle (deg; starboard down positive)", []() -> float& { return TPCM.HEELDG; }, kBlankUnitCode},
}};

const ValueItem& valueItem(Item item) {
  for (const ValueItem& v : kValues)
    if (v.item == item) return v;
  return kValues[0];
}

bool keelShown() { return TPCM.LKEEL != 0; }
bool directionShown() { return TPCM.TVFWD != 0.0f; }
bool attitudeShown() { return TPCM.CREATR != kSimKrebona; }
bool userRaosShown() { return TPCM.CREATR != kSimPexira; }
bool deckVerticalShown() { return TPCM.AUXVSH != 0 && (TPCM.HEELDG != 0.0f || TPCM.TRIMDG != 0.0f); }

// Writes the line of one item.
void writeItem(Item item) {
  const Tpcm& t = TPCM;
  std::int32_t n = item;
  const auto yesNo = [&](const char* label, std::int32_t flag) {
    Text<3> word;
    YESNO(word, flag);
    OUTCC0(n, label, word.view(), kYesNoFormat, t.EDUNIT, kVesselLabelWidth);
  };
  switch (item) {
    case kBilgeKeel: yesNo("Is there a bilge keel", t.LKEEL); return;
    case kUserRaos: yesNo("Utilize user-supplied vessel RAO data", t.AUXVSH); return;
    case kDeckVertical: yesNo("User RAOs in Deck-Vertical Coordinate System?", t.DECKUP); return;
    case kSpeed:
      OUTCFU(n, "Vessel speed (knots)", t.TVFWD / speedPerKnot(), kValueFormat, kBlankUnitCode, t.EDUNIT,
             kVesselLabelWidth);
      return;
    default: break;
  }
  const ValueItem& v = valueItem(item);
  const std::int32_t code = v.unitCode == kBlankUnitCode ? kBlankUnitCode : unitCode(v.unitCode, t.NUNTS);
  OUTCFU(n, v.label, v.member(), kValueFormat, code, t.EDUNIT, kVesselLabelWidth);
}

void drawPage(std::string_view label, std::string_view word) {
  const std::int32_t unit = TPCM.EDUNIT;
  PAGHDR(label, word, " Gyradii and Bilge Specifications", kVesselHeaderWidth, unit, kScreenAlreadyCleared);
  for (Item item : {kPitchGyradius, kRollGyradius, kYawGyradius}) writeItem(item);
  writeRecord(unit, "");
  writeItem(kBilgeRadius);
  writeItem(kBilgeKeel);
  if (keelShown())
    for (Item item : {kKeelLength, kKeelWidth, kKeelDistance}) writeItem(item);
  writeRecord(unit, "");
  writeItem(kSpeed);
  if (directionShown()) writeItem(kDirection);
  writeRecord(unit, "");
  if (attitudeShown()) {
    writeItem(kTrim);
    writeItem(kHeel);
  }
  if (userRaosShown()) {
    writeRecord(unit, "");
    writeItem(kUserRaos);
  }
  if (deckVerticalShown()) writeItem(kDeckVertical);
}

// ---- help ----

bool writeTopic(std::int32_t unit, std::int32_t topic) {
  switch (topic) {
    case 1:
      writeNote(unit, {"     The pitch gyradius of slender displacement hulls is usually 0.24",
                       "     to 0.30 of the vessel length."});
      return true;
    case 2:
      writeNote(unit, {"     The roll gyradius is usually 0.28 to 0.40 of the beam; for most",
                       "     hulls it lies between 0.32 and 0.36 of the beam."});
      return true;
    case 3:
      writeNote(unit, {"     The yaw gyradius is about the square root of the sum of the",
                       "     squares of the pitch and roll gyradii."});
      return true;
    case 5:
      writeNote(unit,
                {"     The bilge radius and the bilge keel set the square-law roll",
                 "     damping of the vessel. The bilge radius is not used when a bilge", "     keel is present."});
      return true;
    case 6:
      writeNote(unit, {"     The total length of the bilge keel (for the Tulkesh hull family",
                       "     normally the circumference)."});
      return true;
    case 7:
      writeNote(unit, {"     The mean width of the bilge keel, from its attach line to its", "     outer edge."});
      return true;
    case 8:
      writeNote(unit, {"     The plan-view distance from the vessel centerline (or axis of",
                       "     symmetry) to the attach line of the bilge keel."});
      return true;
    case 9:
      writeNote(unit, {"     Forward speed changes the encounter period of a wave of given",
                       "     length. For large negative speeds the encounter period can", "     become multivalued."});
      return true;
    case 14:
      writeNote(unit, {"     The direction of vessel motion is given in the global right-",
                       "     handed system: 0 degrees is forward speed, and motion at 90",
                       "     degrees is equivalent to a current heading of 270 degrees."});
      return true;
    case 10:
    case 11:
      writeNote(unit, {"     Trim and heel are right-hand-rule rotations about the pitch and",
                       "     roll axes. Responses are reported in the earth-relative system,",
                       "     with the vertical normal to the waterplane."});
      return true;
    case 12:
      writeNote(unit, {"     User RAOs are complex, dimensionless response operators about",
                       "     the center of gravity on a grid of wave frequencies and headings",
                       "     (angular motions in degrees per degree of wave slope). Values",
                       "     between the grid points are interpolated."});
      return true;
    case 13:
      writeNote(unit, {"     With non-zero trim or heel, say whether the user RAOs are given",
                       "     in the deck-vertical or in the earth-vertical coordinate system."});
      return true;
    default: return false;
  }
}

void V2HELP(std::int32_t UNIT, std::int32_t IIN, std::int32_t ITEM, std::int32_t TOPIC) {
  vesselNotesHeading(UNIT);
  if (ITEM > 0) {
    itemHelp(UNIT, IIN, ITEM, TOPIC, writeTopic, "item...");
    return;
  }
  // Gyradii; bilge; speed and direction; trim and heel; user RAOs.
  noteScreens(UNIT, IIN,
              {
                  {{"1", 1}, {"2", 2}, {"3", 3}},
                  {{"4 -> 5", 5}, {"6", 6}, {"7", 7}, {"8", 8}},
                  {{"9", 9}, {"10", 14}},
                  {{"11 -> 12", 10}},
                  {{"13", 12}, {"14", 13}},
              },
              writeTopic);
}

// ---- edits ----

void editValue(Item item) {
  writeItem(item);
  ENTERF(valueItem(item).member(), TPCM.EDUNIT, kKeyboardUnit);
}

// Asks for the speed in knots; an unchanged reply leaves the stored speed exactly as it was.
void editSpeed() {
  writeItem(kSpeed);
  const float shown = TPCM.TVFWD / speedPerKnot();
  float knots = shown;
  ENTERF(knots, TPCM.EDUNIT, kKeyboardUnit);
  if (knots != shown) TPCM.TVFWD = knots * speedPerKnot();
}

void toggle(std::int32_t& flag) { TOGGLE2(flag, TPCM.IBATCH, TPCM.EDUNIT, kKeyboardUnit); }

const PageItem kItems[] = {
    {kPitchGyradius, [] { editValue(kPitchGyradius); }},
    {kRollGyradius, [] { editValue(kRollGyradius); }},
    {kYawGyradius, [] { editValue(kYawGyradius); }},
    {kBilgeRadius, [] { editValue(kBilgeRadius); }},
    {kBilgeKeel, [] { toggle(TPCM.LKEEL); }},
    {kKeelLength, [] { editValue(kKeelLength); }, keelShown},
    {kKeelWidth, [] { editValue(kKeelWidth); }, keelShown},
    {kKeelDistance, [] { editValue(kKeelDistance); }, keelShown},
    {kSpeed, editSpeed},
    {kDirection, [] { editValue(kDirection); }, directionShown},
    {kTrim, [] { editValue(kTrim); }, attitudeShown},
    {kHeel, [] { editValue(kHeel); }, attitudeShown},
    {kUserRaos, [] { toggle(TPCM.AUXVSH); }, userRaosShown},
    {kDeckVertical, [] { toggle(TPCM.DECKUP); }, deckVerticalShown},
};

}  // namespace

void VESEL2(std::string_view label, std::string_view vesselText) {
  PageLoop page;
  page.draw = [label, vesselText] { drawPage(label, vesselText); };
  page.items = kItems;
  page.help = [](std::int32_t item) {
    if (item == 0)
      V2HELP(TPCM.EDUNIT, kKeyboardUnit, 0, 0);
    else if (item >= 1 && item < kItemsEnd)
      V2HELP(TPCM.EDUNIT, kKeyboardUnit, item, kHelpTopic[static_cast<std::size_t>(item)]);
  };
  runPage(page);
}

}  // namespace qv
