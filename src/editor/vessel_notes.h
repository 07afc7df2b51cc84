// Pieces shared by the vessel pages 5, 6, 7 and 10: the unit codes and the widths of the line kit's
// item lines, and the frame of the help notes (headings, item headings, the note text itself).
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string_view>
#include <vector>

namespace qv {

// Unit codes of the line kit's labels (EUNIT), English; the metric label is the next code.
inline constexpr std::int32_t kWeightUnitCode = 0;  // k.lbs / m.ton
inline constexpr std::int32_t kLengthUnitCode = 7;  // ft / m
inline constexpr std::int32_t kAreaUnitCode = 19;   // ft^2 / m^2
inline constexpr std::int32_t kBlankUnitCode = 21;  // no unit

inline constexpr std::int32_t kVesselHeaderWidth = 74;  // nominal width of the boxed header
inline constexpr std::int32_t kVesselLabelWidth = 57;   // the dot leader ends in this column

// The page loop has cleared the screen already: the boxed header is told not to clear it again.
inline constexpr std::int32_t kScreenAlreadyCleared = 1;

// Clears the screen, then " ********************  Vessel Definition Notes  ********************"
// and an empty line: the top of the notes of pages 5, 6 and 7.
void vesselNotesHeading(std::int32_t unit);
// "****  title  ****" from column 18 after a cleared screen: the top of the other notes.
void centredNotesHeading(std::int32_t unit, std::string_view title);
// An empty line, then " ++> Item Number " with the number in 1 column below 10, else 2.
void ITEMNO(std::int32_t unit, std::int32_t item);
// An empty line, then " ++> Item Number  " for one item or " ++> Item Numbers " for a range,
// followed by the items as given ("8", "2 -> 7").
void itemsHeading(std::int32_t unit, std::string_view items);
// The lines of a note, one record each.
void writeNote(std::int32_t unit, std::initializer_list<std::string_view> lines);
// " ++> Sorry, no help for this ..." between empty lines; the ending differs from page to page.
void sorryNoHelp(std::int32_t unit, std::string_view ending);

// Writes the note of a topic of a page's help; false for a topic that has none.
using TopicWriter = bool (*)(std::int32_t unit, std::int32_t topic);

// The help of one item of pages 5, 6 and 7: the item heading (ITEMNO), the note of the item's topic
// or, for a topic without one, the page's "no help" line; then a pause.
void itemHelp(std::int32_t unit, std::int32_t inUnit, std::int32_t item, std::int32_t topic, TopicWriter writeTopic,
              std::string_view sorryEnding);

// One note of a whole help: the items it covers, as its heading shows them, and its topic.
struct NoteEntry {
  const char* items;
  std::int32_t topic;
};
// The screens of a whole help, each note under its items' heading, a pause and a cleared screen
// between two screens and a pause after the last.
void noteScreens(std::int32_t unit, std::int32_t inUnit, const std::vector<std::vector<NoteEntry>>& screens,
                 TopicWriter writeTopic);

}  // namespace qv
