// The notes of the help screens of the editor pages: a few lines of text under a heading that names
// the item(s) they explain.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/units.h"

namespace qv {

using HelpNote = std::vector<std::string_view>;

inline void writeNote(std::int32_t unit, const HelpNote& note) {
  for (std::string_view line : note) writeRecord(unit, line);
}

// An empty line, the heading (" ++> Item Number  5", say) and the note.
inline void writeHeadedNote(std::int32_t unit, std::string_view heading, const HelpNote& note) {
  writeRecord(unit, "");
  writeRecord(unit, heading);
  writeNote(unit, note);
}

// The answer to a note asked for an item that has none.
inline void writeNoHelpForLine(std::int32_t unit) {
  writeRecord(unit, "");
  writeRecord(unit, " ++> Sorry, no help for this line...");
  writeRecord(unit, "");
}

}  // namespace qv
