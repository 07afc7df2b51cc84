// A message's text flowing over the lines of a screen, broken between words.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace qv {

// The width of the program's messages on the screen [columns]: a console's, whose last column a
// line may fill.
inline constexpr std::size_t kConsoleWidth = 80;

// A text flowing over lines within `width` columns, broken between words, the first line after
// `lead` (" ++> Fatal Warning: ", or five blanks to go on a message), the others indented by five
// blanks; a number (signed or not) stays with the word before it and its unit with it, and "item"
// with its page, so that "(page 3, item 2)", "at least 2.98 feet" and "is -10.00" are not split.
// Blanks between words within a line stay as the text has them ("Line   1", a number in its field).
std::vector<std::string> flowingLines(const std::string& lead, const std::string& text,
                                      std::size_t width = kConsoleWidth);

// The lines of flowingLines(lead, text) added after those of a message.
void addFlowingLines(std::vector<std::string>& lines, const std::string& lead, const std::string& text);

}  // namespace qv
