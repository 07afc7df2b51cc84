#include "util/flowing_lines.h"

#include <cctype>
#include <utility>

namespace qv {

std::vector<std::string> flowingLines(const std::string& lead, const std::string& text, std::size_t width) {
  // The words, a number kept with the word before it and its unit with it, "item" with its page and
  // "=" with its name: "(page 3, item 2)", "at least 2.98 feet", "holds 3 values", "(NWP =  2)".
  const auto unit = [](std::string word) {
    if (word.starts_with("%")) return true;
    while (!word.empty() && std::ispunct(static_cast<unsigned char>(word.back())) != 0) word.pop_back();
    return word == "feet" || word == "meters" || word == "kips" || word == "metric" || word == "tons" ||
           word == "square" || word == "deg" || word == "degrees" || word == "s" || word == "rad/s" ||
           word == "knots" || word == "value" || word == "values" || word == "percent";
  };
  // A run of blanks between two words stays as it is (a number in its field: "Line   1"); each word
  // carries the blanks beyond the one that parts it from the word before.
  std::vector<std::string> tokens;
  std::size_t start = 0;
  std::size_t extraBlanks = 0;
  while (start <= text.size()) {
    std::size_t end = text.find(' ', start);
    if (end == std::string::npos) end = text.size();
    const std::string word = text.substr(start, end - start);
    start = end + 1;
    if (word.empty()) {
      if (!tokens.empty()) ++extraBlanks;
      continue;
    }
    const bool afterNumber =
        !tokens.empty() && (std::isdigit(static_cast<unsigned char>(tokens.back().back())) != 0 ||
                            tokens.back().ends_with("metric") || tokens.back().ends_with("square"));
    const std::size_t digit = word[0] == '-' || word[0] == '+' ? 1 : 0;  // a signed number is a number
    const bool glued = (digit < word.size() && std::isdigit(static_cast<unsigned char>(word[digit])) != 0) ||
                       word == "item" || word == "=" || (afterNumber && unit(word));
    const std::string spaced = std::string(extraBlanks, ' ') + word;
    extraBlanks = 0;
    if (glued && !tokens.empty()) {
      tokens.back() += " " + spaced;
    } else {
      tokens.push_back(spaced);
    }
  }
  std::vector<std::string> lines;
  std::string line = lead;
  bool empty = true;
  for (const std::string& token : tokens) {
    if (!empty && line.size() + 1 + token.size() > width) {
      lines.push_back(line);
      line = "     ";
      empty = true;
    }
    // A line begins with its word, not with the blanks that parted it from the last line's.
    line += empty ? token.substr(token.find_first_not_of(' ')) : " " + token;
    empty = false;
  }
  lines.push_back(line);
  return lines;
}

void addFlowingLines(std::vector<std::string>& lines, const std::string& lead, const std::string& text) {
  for (std::string& line : flowingLines(lead, text)) lines.push_back(std::move(line));
}

}  // namespace qv
