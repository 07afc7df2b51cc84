#include "editor/vessel_notes.h"

#include <string>

#include "platform/units.h"
#include "util/console_io.h"
#include "util/fortran_format.h"

namespace qv {

void vesselNotesHeading(std::int32_t unit) {
  CLEAR(unit);
  const std::string stars(20, '*');
  writeRecord(unit, " " + stars + "  Vessel Definition Notes  " + stars);
  writeRecord(unit, "");
}

void centredNotesHeading(std::int32_t unit, std::string_view title) {
  CLEAR(unit);
  writeRecord(unit, fmtX(17) + "****  " + std::string(title) + "  ****");
}

void ITEMNO(std::int32_t unit, std::int32_t item) {
  writeRecord(unit, "");
  writeRecord(unit, " ++> Item Number " + fmtI(item, item < 10 ? 1 : 2));
}

void itemsHeading(std::int32_t unit, std::string_view items) {
  const bool range = items.find_first_not_of("0123456789") != std::string_view::npos;
  writeRecord(unit, "");
  writeRecord(unit, (range ? " ++> Item Numbers " : " ++> Item Number  ") + std::string(items));
}

void writeNote(std::int32_t unit, std::initializer_list<std::string_view> lines) {
  for (std::string_view line : lines) writeRecord(unit, line);
}

void itemHelp(std::int32_t unit, std::int32_t inUnit, std::int32_t item, std::int32_t topic, TopicWriter writeTopic,
              std::string_view sorryEnding) {
  ITEMNO(unit, item);
  if (!writeTopic(unit, topic)) sorryNoHelp(unit, sorryEnding);
  PRSRET(unit, inUnit);
}

void noteScreens(std::int32_t unit, std::int32_t inUnit, const std::vector<std::vector<NoteEntry>>& screens,
                 TopicWriter writeTopic) {
  for (std::size_t k = 0; k < screens.size(); ++k) {
    if (k > 0) {
      PRSRET(unit, inUnit);
      CLEAR(unit);
    }
    for (const NoteEntry& note : screens[k]) {
      itemsHeading(unit, note.items);
      writeTopic(unit, note.topic);
    }
  }
  PRSRET(unit, inUnit);
}

void sorryNoHelp(std::int32_t unit, std::string_view ending) {
  writeRecord(unit, "");
  writeRecord(unit, " ++> Sorry, no help for this " + std::string(ending));
  writeRecord(unit, "");
}

}  // namespace qv
