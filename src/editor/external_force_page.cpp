// Page 9, "External Force/Moment Specification": a constant force and moment on the vessel
// (thrusters, a tug, a constant-tension line to a fixed point), its components, the axes they are
// given in and the point where the force acts.
#include <string>
#include <string_view>

#include "dataset/tpcm.h"
#include "dataset/tpcm_codes.h"
#include "editor/help_notes.h"
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
  kApplyForce = 1,
  kForceX = 2,
  kForceY = 3,
  kMoment = 4,
  kAxes = 5,
  kPointX = 6,
  kPointY = 7,
};

// The 11-character unit of the moment in the data set's unit system.
std::string momentLabel() { return TPCM.NUNTS == kEnglishUnits ? " k. ft-lbs " : " ton-meters"; }

std::string itemLine(Item item) {
  const Tpcm& t = TPCM;
  switch (item) {
    case kApplyForce: {
      Text<3> word;
      YESNO(word, t.AUXFRC);
      return " 1) Simulate constant force/moment on vessel: " + fmtA(word.view(), 5);
    }
    case kForceX: return " 2) X force component ........................" + fmtF(t.XVFRC, 11, 2) + forceLabel();
    case kForceY: return " 3) Y force component ........................" + fmtF(t.YVFRC, 11, 2) + forceLabel();
    case kMoment: return " 4) Applied moment (force couple) value ......" + fmtE(t.VESMOM, 11, 3) + momentLabel();
    case kAxes:
      return std::string(" 5) Auxiliary force components defined in ") +
             (t.CRDSYS == kVesselAxes ? "<<vessel>>" : "<<global>>") + " coordinate system";
    case kPointX: return " 6) Applied force X-coordinate (from c.g.) ..." + fmtF(t.XVLOC, 11, 2) + lengthLabel();
    case kPointY: return " 7) Applied force Y-coordinate (from c.g.) ..." + fmtF(t.YVLOC, 11, 2) + lengthLabel();
  }
  return std::string();
}

void drawPage(std::string_view label, std::string_view vesselText) {
  const std::int32_t unit = TPCM.EDUNIT;
  const auto line = [unit](Item item) { writeRecord(unit, itemLine(item)); };
  writeRecord(unit, fmtX(3) + "****  Page " + std::string(label) + ": " + std::string(vesselText) +
                        " External Force/Moment Specification  ****");
  writeRecord(unit, "");
  writeRecord(unit, "");
  line(kApplyForce);
  if (TPCM.AUXFRC == 0) return;
  writeRecord(unit, "");
  for (Item item : {kForceX, kForceY, kMoment, kAxes}) line(item);
  writeRecord(unit, "");
  writeRecord(unit, "   ++> Coordinates of Applied Force are in <<vessel>> system");
  writeRecord(unit, "");
  line(kPointX);
  line(kPointY);
}

bool forceApplied() { return TPCM.AUXFRC != 0; }

// Writes the item line again, then asks for the new value.
PageItem valueItem(Item item, float& value) {
  return {item,
          [item, &value] {
            writeRecord(TPCM.EDUNIT, itemLine(item));
            ENTERF(value, TPCM.EDUNIT, kKeyboardUnit);
          },
          forceApplied};
}

const PageItem kItems[] = {
    {kApplyForce, [] { TOGGLE2(TPCM.AUXFRC, TPCM.IBATCH, TPCM.EDUNIT, kKeyboardUnit); }},
    valueItem(kForceX, TPCM.XVFRC),
    valueItem(kForceY, TPCM.YVFRC),
    valueItem(kMoment, TPCM.VESMOM),
    {kAxes, [] { TOGGLE3(TPCM.CRDSYS, TPCM.IBATCH, TPCM.EDUNIT, kKeyboardUnit, "Vessel", "Global"); }, forceApplied},
    valueItem(kPointX, TPCM.XVLOC),
    valueItem(kPointY, TPCM.YVLOC),
};

const HelpNote kForceNote = {
    " A constant force and moment, given in vessel or in global axes, can stand",
    " for thrusters, for a tug, or for a constant-tension line to a point fixed",
    " on the earth.",
};
const HelpNote kPointNote = {
    " The X and Y force components and the moment act at the point given by",
    " items 6 and 7. Its coordinates are in the right-handed vessel system: x",
    " towards the bow, y to port, z up, with the plan origin at the vessel's",
    " centre of gravity.",
};
const HelpNote kMomentNote = {
    " A force whose line does not pass through the centre of gravity makes a",
    " moment of its own; the moment given in item 4 acts in addition to it.",
};
const HelpNote kAxesNote = {
    " A thruster fixed to the vessel is given in the vessel system; a tug that",
    " pulls in a fixed direction is given in the global system.",
};

// The notes of the page: item 0 all of them, else the notes of that item.
void EXTFHP(std::int32_t unit, std::int32_t inUnit, std::int32_t item) {
  CLEAR(unit);
  writeRecord(unit, fmtX(17) + "****  Vessel Environmental Load Notes  ****");
  const std::string heading = " ++> Item Number  " + fmtI(item, 2);
  switch (item) {
    case 0:
      writeHeadedNote(unit, " ++> Item Number  1", kForceNote);
      PRSRET(unit, inUnit);
      CLEAR(unit);
      writeHeadedNote(unit, " ++> Item Numbers 2 -> 4", kPointNote);
      writeNote(unit, kMomentNote);
      writeHeadedNote(unit, " ++> Item Number  5", kAxesNote);
      writeHeadedNote(unit, " ++> Item Numbers 6 -> 7", kPointNote);
      break;
    case kApplyForce: writeHeadedNote(unit, heading, kForceNote); break;
    case kForceX:
    case kForceY:
    case kMoment:
      writeHeadedNote(unit, heading, kPointNote);
      writeNote(unit, kMomentNote);
      break;
    case kAxes: writeHeadedNote(unit, heading, kAxesNote); break;
    case kPointX:
    case kPointY: writeHeadedNote(unit, heading, kPointNote); break;
    default: writeNoHelpForLine(unit); break;
  }
  PRSRET(unit, inUnit);
}

}  // namespace

void EXTFRC(std::string_view label, std::string_view vesselText) {
  PageLoop page;
  page.draw = [label, vesselText] { drawPage(label, vesselText); };
  page.items = kItems;
  page.help = [](std::int32_t item) { EXTFHP(TPCM.EDUNIT, kKeyboardUnit, item); };
  runPage(page);
}

}  // namespace qv
