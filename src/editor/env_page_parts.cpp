// What the environment pages share: the layout of their help screens and their list sub-pages.
#include "editor/env_page_parts.h"

#include <algorithm>

#include "platform/units.h"
#include "util/console_io.h"
#include "util/fortran_format.h"

namespace qv {

std::vector<std::string> withAxesSketch(std::vector<std::string> text) {
  text.insert(text.end(),
              {"",
               "                        +y (90)",
               "                          ^",
               "                          |",
               "             (180) <------+------> +x (0)",
               "                          |"});
  return text;
}

void showHelpNotes(std::int32_t unit, std::int32_t kbd, std::int32_t LINE, std::string_view titleLine,
                   const std::vector<HelpNote>& notes) {
  const auto writeText = [unit](const HelpNote& note) {
    for (const std::string& line : note.text) writeRecord(unit, line);
  };
  CLEAR(unit);
  writeRecord(unit, titleLine);
  if (LINE != 0) {
    const auto covers = [LINE](const HelpNote& note) {
      return std::find(note.items.begin(), note.items.end(), LINE) != note.items.end();
    };
    const auto note = std::find_if(notes.begin(), notes.end(), covers);
    writeRecord(unit, "");
    writeRecord(unit, " ++> Item Number  " + fmtI(LINE, 2));
    if (note != notes.end()) {
      writeText(*note);
    } else {
      writeRecord(unit, "");
      writeRecord(unit, " ++> Sorry, no help for this line...");
      writeRecord(unit, "");
    }
    PRSRET(unit, kbd);
    return;
  }
  bool first = true;
  for (const HelpNote& note : notes) {
    if (!first && note.ownScreen) {
      PRSRET(unit, kbd);
      CLEAR(unit);
    }
    first = false;
    writeRecord(unit, "");
    writeRecord(unit, (note.items.size() > 1 ? " ++> Item Numbers " : " ++> Item Number  ") + note.heading);
    writeText(note);
  }
  PRSRET(unit, kbd);
}

void runSubPage(const std::function<void()>& draw, const std::function<void(std::int32_t)>& help,
                const std::function<PageStep(std::int32_t& reply)>& choose) {
  std::int32_t reply = 0;
  std::int32_t number = 0;
  PageLoop list;
  list.draw = draw;
  list.help = help;
  list.other = [&reply, &choose](std::int32_t) { return choose(reply); };
  list.reply = &reply;
  list.number = &number;
  runPage(list);
}

}  // namespace qv
