// How a message flows over the lines of the console: the one wrapping rule of the program. Every
// message that a value can lengthen goes through it: the data set's findings (dataset/run_checks,
// dataset/value_ranges, the end-of-session checks and the editor's final page), the warnings and
// stops of every analysis stage (statics, slow drift, dynamics, vessel, mooring, low-frequency
// loads, the runner), the readers of the user's files and the editor's messages that name a value.
// Pages, reports and debug dumps are laid out in their own fields and never pass through here.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace qv {

// The width of the program's messages on the screen [columns]: a console's, whose last column a
// line may fill.
inline constexpr std::size_t kConsoleWidth = 80;

// The blanks before each line of a message after its first.
inline constexpr const char* kFlowIndent = "     ";

// A blank between two words that stay on one line where they fit on one: written as a blank
// ("(pages 8 to 12)", "still water 1.50").
inline constexpr char kKeptBlank = '\x1f';

// A text flowing over lines within `width` columns, the first line after `lead` (" ++> Fatal
// Warning: ", or five blanks to go on a message), the others after `indent` (five blanks unless a
// caller lays out a list). Lines break between words; where a line breaks, words that belong
// together move on together:
//  - a number (signed or not) stays with the word before it and its unit with it, "item" with its
//    page (and "items"), "=" with its name, a range with its ends and a sub-item with its item:
//    "(page 3, item 2)", "at least 2.98 feet", "is -10.00", "(NWP =  2)", "(page 3, items 3 to 6)",
//    "(page 3, item 14 then 1)";
//  - a list of numbers breaks after a comma: a number after a number and its comma begins the next
//    entry ("to 14, 11.43, 11.43, ..." breaks after any of its commas; "lambda, 0.00" does not);
//  - words joined by kKeptBlank stay together.
// Words that belong together but are longer than a line break between them after all, and a word
// longer than a line is cut at the line's end (never within a character of more than one byte), so
// no line is wider than `width` whatever the words and numbers (a `lead` or `indent` as wide as
// `width` aside). Blanks between words within a line stay as the text has them ("Line   1", a
// number in its field); a line begins with its word.
std::vector<std::string> flowingLines(const std::string& lead, const std::string& text,
                                      std::size_t width = kConsoleWidth);
std::vector<std::string> flowingLines(const std::string& lead, const std::string& text, const std::string& indent,
                                      std::size_t width = kConsoleWidth);

// `words` with each blank a kept one: they move to the next line together where they do not fit on
// the rest of this one ("with 4.00 meters of it under water,").
std::string keptTogether(std::string words);

// The lines of flowingLines(lead, text) added after those of a message.
void addFlowingLines(std::vector<std::string>& lines, const std::string& lead, const std::string& text);

}  // namespace qv
