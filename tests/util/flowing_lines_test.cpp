// The one wrapping rule of the messages: lines within the console's 80 columns whatever the words and
// numbers, a list of numbers broken after a comma, a number kept with its word where the two fit on a
// line, a word longer than a line cut, and the continuation indent.
#include "util/flowing_lines.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <random>
#include <string>
#include <vector>

namespace qv {
namespace {

std::string repeated(const std::string& piece, int times) {
  std::string text;
  for (int k = 0; k < times; ++k) text += piece;
  return text;
}

TEST(FlowingLines, BreaksWhereTheRuleSays) {
  struct Case {
    const char* what;
    std::string lead;
    std::string text;
    std::vector<std::string> expected;
    std::string indent = kFlowIndent;
  };
  const std::string path = repeated("abcdefghij", 10);  // a folder's name of 100 characters
  const std::string accents = repeated("\xC3\xA9", 50);  // "é" 50 times, two bytes each
  const Case cases[] = {
      {"nothing to say", " ++> ", "", {" ++> "}},
      {"a sentence over two lines, the second indented", " ++> Warning: ",
       "the wave period of the grid is shorter than the shortest period that the hull's table holds.",
       {" ++> Warning: the wave period of the grid is shorter than the shortest period",
        "     that the hull's table holds."}},
      // A line of 80 columns exactly is whole; a page and item go on together.
      {"the last column filled, a page and item moved whole", " ++> Fatal Warning: ",
       "The buoyant riser's members stand in line under every load. Its elements are too short for the "
       "height that the attachment needs here (page 3, item 2).",
       {" ++> Fatal Warning: The buoyant riser's members stand in line under every load.",
        "     Its elements are too short for the height that the attachment needs here",
        "     (page 3, item 2)."}},
      // A riser of fourteen elements: the list of its lengths breaks after a comma (one line of 95
      // columns before).
      {"a list of fourteen numbers", " ++> Fatal Warning: ",
       "The buoyant riser's members stand in line under every load. Elements 1 to 14, 11.43, 11.43, 11.43, "
       "11.43, 11.43, 11.43, 11.43, 4.29, 4.29, 4.29, 4.29, 4.29, 4.29 and 4.29 feet long, together 110.00 "
       "feet, span the 110.00 feet from the riser's hinge on the sea bed.",
       {" ++> Fatal Warning: The buoyant riser's members stand in line under every load.",
        "     Elements 1 to 14, 11.43, 11.43, 11.43, 11.43, 11.43, 11.43, 11.43, 4.29,",
        "     4.29, 4.29, 4.29, 4.29, 4.29 and 4.29 feet long, together 110.00 feet, span",
        "     the 110.00 feet from the riser's hinge on the sea bed."}},
      // A load of five digits: the weight moves on with its verb and unit (one line of 82 columns
      // before).
      {"a five-digit load", kFlowIndent,
       "pushed down at its top by 37776.76 metric tons; it weighs 300.00 metric tons,",
       {"     pushed down at its top by 37776.76 metric tons; it", "     weighs 300.00 metric tons,"}},
      // A name with a number after its comma is no list.
      {"a number after a word and its comma", kFlowIndent,
       "Ochi-Hubble component 2: the gamma function of its shape parameter lambda, 0.00 (page 15, item 8), "
       "cannot be formed.",
       {"     Ochi-Hubble component 2: the gamma function of its shape parameter",
        "     lambda, 0.00 (page 15, item 8), cannot be formed."}},
      {"a signed number kept with its word", " ++> Fatal Warning: ",
       "Yoke to waterline height at vessel (page 3, item 14 then 1) is -21.00;",
       {" ++> Fatal Warning: Yoke to waterline height at vessel (page 3, item 14 then 1)",
        "     is -21.00;"}},
      {"a range and a sub-item kept whole", kFlowIndent,
       "Check the element volumes, weights and their centres (page 3, items 3 to 6). Enter the separation "
       "of the yoke's attachment points (page 3, item 14 then 3).",
       {"     Check the element volumes, weights and their centres",
        "     (page 3, items 3 to 6). Enter the separation of the yoke's attachment",
        "     points (page 3, item 14 then 3)."}},
      // Together they would overrun a line: the number goes on alone.
      {"a number and its word longer than a line", kFlowIndent, repeated("x", 72) + " 12.50 feet",
       {"     " + repeated("x", 72), "     12.50 feet"}},
      {"a word longer than a line", " ++> Warning: ", "cannot open " + path + " now.",
       {" ++> Warning: cannot open", "     " + path.substr(0, 75), "     " + path.substr(75) + " now."}},
      {"a word longer than a line, cut between characters", kFlowIndent, accents,
       {"     " + accents.substr(0, 74), "     " + accents.substr(74)}},
      // Fields keep their blanks within a line; a line begins with its word.
      {"blanks of a field", " ++> ",
       "Line   1, element  12: the tension at the anchor is   -5.00 kips; the tension at the fairlead is   "
       "-7.25 kips.",
       {" ++> Line   1, element  12: the tension at the anchor is   -5.00 kips; the",
        "     tension at the fairlead is   -7.25 kips."}},
      {"words kept together", kFlowIndent,
       "Check the hull's drag coefficients and the wind, current and wave loads " + keptTogether("(pages 8 to 12)."),
       {"     Check the hull's drag coefficients and the wind, current and wave loads",
        "     (pages 8 to 12)."}},
      // A list of its own: each entry after seven blanks, what overruns it under the entry after nine.
      {"the continuation indent of a list", "       ",
       "-170.00 as the regular waves' heading (page 14, item 6), " + keptTogether("now 1000000000.00,"),
       {"       -170.00 as the regular waves' heading (page 14, item 6),", "         now 1000000000.00,"},
       "         "},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const std::vector<std::string> lines = flowingLines(c.lead, c.text, c.indent);
    EXPECT_EQ(lines, c.expected);
    for (const std::string& line : lines) EXPECT_LE(line.size(), kConsoleWidth) << line;
  }
}

// The characters of a text other than its blanks, in order.
std::string inked(const std::string& text) {
  std::string ink;
  for (const char c : text)
    if (c != ' ' && c != kKeptBlank) ink += c;
  return ink;
}

// Texts of words, numbers, units, lists, pages and items, fields, kept words and words longer than a
// line, drawn at random: every line within the console, each after its lead or indent, and every
// character of the text there in its order.
TEST(FlowingLines, NoLineOverrunsTheConsoleAndNothingIsLost) {
  const std::vector<std::string> vocabulary = {
      "the", "riser's", "members", "stand", "in", "line,", "under", "every", "load", "at", "least", "by", "is",
      "12.50", "-3.75", "99999.00", "37776.76", "4.29,", "11.43,", "feet", "metric", "tons;", "kips.", "(page",
      "3,", "item", "2)", "=", "  7", "   -1.0000E+30", keptTogether("(pages 8 to 12)."), std::string(79, 'w'),
      std::string(90, 'z'), repeated("\xC3\xA9", 45), "lambda,", "and"};
  std::mt19937 draw(76);
  for (int trial = 0; trial < 2000; ++trial) {
    std::string text;
    const int words = 1 + static_cast<int>(draw() % 60);
    for (int k = 0; k < words; ++k) text += (k == 0 ? "" : " ") + vocabulary[draw() % vocabulary.size()];
    const std::string lead = trial % 2 == 0 ? " ++> Fatal Warning: " : kFlowIndent;
    const std::vector<std::string> lines = flowingLines(lead, text);
    std::string ink;
    for (std::size_t i = 0; i < lines.size(); ++i) {
      const std::string& start = i == 0 ? lead : std::string(kFlowIndent);
      ASSERT_LE(lines[i].size(), kConsoleWidth) << text << "\n" << lines[i];
      ASSERT_EQ(lines[i].substr(0, start.size()), start) << text;
      if (i > 0) {
        ASSERT_NE(lines[i].substr(start.size(), 1), " ") << text << "\n" << lines[i];
      }
      ink += inked(lines[i].substr(start.size()));
    }
    ASSERT_EQ(ink, inked(text)) << text;
  }
}

}  // namespace
}  // namespace qv
