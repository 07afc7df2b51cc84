// Page 7, the vessel's damping and natural periods: whether the heave, pitch and roll damping and
// periods are computed by the analysis or given by the user, the given values, and two switches of
// the wave-frequency analysis of a disc-shaped buoy (mooring feedback, static wave-force analysis).
#include <array>
#include <string>
#include <vector>

#include "dataset/tpcm.h"
#include "dataset/tpcm_codes.h"
#include "editor/page_loop.h"
#include "editor/pages.h"
#include "editor/vessel_notes.h"
#include "platform/units.h"
#include "util/console_io.h"
#include "util/dialogue.h"
#include "util/page_kit.h"
#include "util/sim_types.h"

namespace qv {

namespace {

enum Item : std::int32_t {
  kRollDampingIs = 5,
  kRollPeriod = 12,
  kMooringFeedback = 13,
  kStaticAnalysis = 14,
};

// One quantity: the flag item "... is" (computed 0, specified 1) and, after it, its value item.
struct Quantity {
  std::int32_t item;  // the flag's item; the value's is the next number
  const char* flagLabel;
  const char* valueLabel;
  std::int32_t& (*flag)();
  float& (*value)();
  std::int32_t helpTopic;
};

const std::array<Quantity, 6> kQuantities = {{
    {1, "Heave damping is", "Heave damping (percent of critical)", []() -> std::int32_t& { return TPCM.LHVDMP; },
     []() -> float& { return TPCM.HVDAMP; }, 1},
    {3, "Pitch damping is", "Pitch damping (percent of critical)", []() -> std::int32_t& { return TPCM.LPTDMP; },
     []() -> float& { return TPCM.PTDAMP; }, 1},
    {5, "Roll damping is", "Roll damping (percent of critical)", []() -> std::int32_t& { return TPCM.LRLDMP; },
     []() -> float& { return TPCM.RLDAMP; }, 1},
    {7, "Heave period is", "Heave period (sec)", []() -> std::int32_t& { return TPCM.LHVPRD; },
     []() -> float& { return TPCM.HEVPRD; }, 2},
    {9, "Pitch period is", "Pitch period (sec)", []() -> std::int32_t& { return TPCM.LPTPRD; },
     []() -> float& { return TPCM.PITPRD; }, 2},
    {11, "Roll period is", "Roll period (sec)", []() -> std::int32_t& { return TPCM.LRLPRD; },
     []() -> float& { return TPCM.ROLPRD; }, 2},
}};

constexpr std::int32_t kSpecified = 1;

constexpr ItemFormat kWordFormat{.labelColumns = 57, .valueWidth = 10};
constexpr ItemFormat kValueFormat{.labelColumns = 57, .valueWidth = 9, .decimals = 2};
constexpr ItemFormat kYesNoFormat{.labelColumns = 57, .valueGap = 3, .valueWidth = 3};

const Quantity& quantity(std::int32_t item) { return kQuantities[static_cast<std::size_t>((item - 1) / 2)]; }
bool specified(const Quantity& q) { return q.flag() == kSpecified; }

// The two switches belong to a disc-shaped buoy in a mooring program; the feedback switch not to the
// program that has no wave-frequency mooring.
bool switchesShown() { return TPCM.CREATR >= kSimGandru && TPCM.VESTYP == kDiscBuoy; }
bool feedbackShown() { return switchesShown() && TPCM.CREATR != kSimKrebona; }
// The item counter after the last item: the switches are the last items, so without them it ends at 13.
std::int32_t itemsEnd() { return switchesShown() ? 15 : 13; }

void writeFlagLine(const Quantity& q) {
  Text<10> word;
  word.assign(specified(q) ? " Specified" : " Computed");
  std::int32_t n = q.item;
  OUTCC0(n, q.flagLabel, word.view(), kWordFormat, TPCM.EDUNIT, kVesselLabelWidth);
}

void writeValueLine(const Quantity& q) {
  std::int32_t n = q.item + 1;
  OUTCF0(n, q.valueLabel, q.value(), kValueFormat, TPCM.EDUNIT, kVesselLabelWidth);
}

void writeSwitch(std::int32_t item) {
  const bool feedback = item == kMooringFeedback;
  Text<3> word;
  YESNO(word, feedback ? TPCM.MORFBK : TPCM.CATFBK);
  OUTCC0(item,
         feedback ? "Feedback mooring forces to wave-frequency motions? "
                  : "Output static wave force vs mooring force analysis? ",
         word.view(), kYesNoFormat, TPCM.EDUNIT, kVesselLabelWidth);
}

void drawPage(std::string_view label, std::string_view word) {
  const std::int32_t unit = TPCM.EDUNIT;
  PAGHDR(label, word, " Period and Damping Specifications", kVesselHeaderWidth, unit, kScreenAlreadyCleared);
  for (const Quantity& q : kQuantities) {
    writeFlagLine(q);
    if (specified(q)) {
      writeValueLine(q);
      if (q.item + 1 != kRollPeriod) writeRecord(unit, "");
    } else if (q.item == kRollDampingIs) {
      writeRecord(unit, "");  // the damping group and the period group stay apart
    }
  }
  if (feedbackShown()) {
    writeRecord(unit, "");
    writeSwitch(kMooringFeedback);
  }
  if (switchesShown()) {
    writeRecord(unit, "");
    writeSwitch(kStaticAnalysis);
  }
}

// ---- help ----

bool writeTopic(std::int32_t unit, std::int32_t topic) {
  switch (topic) {
    case 1:
      writeNote(unit, {"     Pitch, roll and heave damping are computed unless they are given",
                       "     in percent of critical damping. A given value is a simple linear",
                       "     damping, the same whatever the waves; the computed damping is an",
                       "     equivalent linear damping that grows with the waves."});
      return true;
    case 2:
      writeNote(unit, {"     The natural periods of heave, pitch and roll are normally",
                       "     computed; they may be given in special cases."});
      return true;
    case 3:
      writeNote(unit, {"     Mooring loads seldom matter for wave-frequency motions, but small",
                       "     vessels with stiff moorings (such as the buoy of a CALM-tanker",
                       "     system) may have their surge, sway and yaw periods moved into the",
                       "     wave band. This switch evaluates the motions with the mooring",
                       "     (\"Yes\") or without it (\"No\")."});
      return true;
    case 4:
      writeNote(unit,
                {"     An unsupported Kestrin debugging option, normally \"No\". It",
                 "     writes an \"OFFSETS\" file of six-degree-of-freedom static",
                 "     equilibrium positions under first-order wave forces, one row per",
                 "     10 degrees of wave phase (the format of the OFFSETS file of the", "     Pexira program)."});
      return true;
    default: return false;
  }
}

void V3HLP(std::int32_t UNIT, std::int32_t IIN, std::int32_t ITEM, std::int32_t TOPIC, std::int32_t MODE) {
  vesselNotesHeading(UNIT);
  if (ITEM > 0) {
    itemHelp(UNIT, IIN, ITEM, TOPIC, writeTopic, "item ...");
    return;
  }
  std::vector<std::vector<NoteEntry>> screens = {{{"1 -> 6", 1}, {"7 -> 12", 2}}};
  if (MODE == 2) {
    screens.push_back({{"13", 3}});
    screens.push_back({{"14", 4}});
  }
  noteScreens(UNIT, IIN, screens, writeTopic);
}

// The help topic of an item.
std::int32_t helpTopic(std::int32_t item) {
  if (item == kMooringFeedback) return 3;
  if (item == kStaticAnalysis) return 4;
  return quantity(item).helpTopic;
}

// Whole help with the disc-buoy notes for a disc buoy or a two-body buoy and tanker data set.
std::int32_t helpMode() { return TPCM.CREATR == kSimFirnedo || TPCM.VESTYP == kDiscBuoy ? 2 : 1; }

// ---- edits ----

// A flag item: flipped (or asked for); once specified, the value is asked for at once.
void editFlag(std::int32_t item) {
  const Quantity& q = quantity(item);
  TOGGLE3(q.flag(), TPCM.IBATCH, TPCM.EDUNIT, kKeyboardUnit, "Specified", "Computed");
  if (specified(q)) {
    writeValueLine(q);
    ENTERF(q.value(), TPCM.EDUNIT, kKeyboardUnit);
  }
}

void editValue(std::int32_t item) {
  const Quantity& q = quantity(item);
  writeValueLine(q);
  ENTERF(q.value(), TPCM.EDUNIT, kKeyboardUnit);
}

template <std::int32_t kItem>
bool valueShown() {
  return specified(quantity(kItem));
}

void toggle(std::int32_t& flag) { TOGGLE2(flag, TPCM.IBATCH, TPCM.EDUNIT, kKeyboardUnit); }

const PageItem kItems[] = {
    {1, [] { editFlag(1); }},
    {2, [] { editValue(2); }, valueShown<2>},
    {3, [] { editFlag(3); }},
    {4, [] { editValue(4); }, valueShown<4>},
    {5, [] { editFlag(5); }},
    {6, [] { editValue(6); }, valueShown<6>},
    {7, [] { editFlag(7); }},
    {8, [] { editValue(8); }, valueShown<8>},
    {9, [] { editFlag(9); }},
    {10, [] { editValue(10); }, valueShown<10>},
    {11, [] { editFlag(11); }},
    {12, [] { editValue(12); }, valueShown<12>},
    {kMooringFeedback, [] { toggle(TPCM.MORFBK); }, feedbackShown},
    {kStaticAnalysis, [] { toggle(TPCM.CATFBK); }, switchesShown},
};

}  // namespace

void VESEL3(std::string_view label, std::string_view vesselText) {
  PageLoop page;
  page.draw = [label, vesselText] { drawPage(label, vesselText); };
  page.items = kItems;
  page.help = [](std::int32_t item) {
    if (item == 0)
      V3HLP(TPCM.EDUNIT, kKeyboardUnit, 0, 0, helpMode());
    else if (item >= 1 && item < itemsEnd())
      V3HLP(TPCM.EDUNIT, kKeyboardUnit, item, helpTopic(item), helpMode());
  };
  runPage(page);
}

}  // namespace qv
