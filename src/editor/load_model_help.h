// The help screens of the vessel environmental loads page (page 8) and its sub-pages: the page's own
// notes, the notes on the wind, current and wave-drift models, on the bow shapes of the tanker
// databases and on the user coefficient table. They state the rules that the low-frequency analysis
// relies on: file formats and limits, the angle convention, the load formulas, the validity ranges.
//
// Every screen has the same structure. It is cleared and starts with its title between two runs of
// asterisks, (73 - title length) / 2 long each, then an empty line. LINE = 0 shows every topic in
// turn, each on its own screen under " ++> Item Number  " or " ++> Item Numbers " and its item
// numbers, each ended by a pause. Any other LINE (the number typed after "?") shows the one topic
// that covers that item under " ++> Item Number  " and the number, or " ++> Sorry, no help for this
// line..." when none does, then a pause.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace qv {

// One topic of a help screen: the item numbers as shown, which replies "?n" it answers, its text.
struct HelpTopic {
  std::string_view items;
  bool (*covers)(std::int32_t line);
  std::span<const std::string_view> text;
};

// The title line: " ", the asterisks, two blanks, the title, two blanks, the asterisks.
std::string helpTitleLine(std::string_view title);
// A help screen of this family on the screen unit IOSCRN, pauses read from KBD.
void showHelpTopics(std::string_view title, std::span<const HelpTopic> topics, std::int32_t IOSCRN,
                    std::int32_t KBD, std::int32_t LINE);

// "Vessel Environmental Load Notes": the items of page 8. Every LINE up to 4 but 1 (a negative
// number included) is the model selection.
void LOWVHP(std::int32_t IOSCRN, std::int32_t KBD, std::int32_t LINE);
// "Wind Load Model Notes", "Current Load Model Notes", "Wave Load Model Notes": one topic per model
// code of the model menus.
void WNDFHP(std::int32_t IOSCRN, std::int32_t KBD, std::int32_t LINE);
void CURFHP(std::int32_t IOSCRN, std::int32_t KBD, std::int32_t LINE);
void WAVFHP(std::int32_t IOSCRN, std::int32_t KBD, std::int32_t LINE);
// The bow-shape menus: the wind tanker database, the OCIMF '77 and the NSMB '91 current databases.
void WBOWHP(std::int32_t IOSCRN, std::int32_t KBD, std::int32_t LINE);
void OCIMHP(std::int32_t IOSCRN, std::int32_t KBD, std::int32_t LINE);
void NSMBHP(std::int32_t IOSCRN, std::int32_t KBD, std::int32_t LINE);
// "User Coefficient Specification Notes": the rules a typed coefficient table must satisfy.
void COFHLP(std::int32_t IOSCRN, std::int32_t KBD, std::int32_t LINE);

}  // namespace qv
