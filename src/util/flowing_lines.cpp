#include "util/flowing_lines.h"

#include <cctype>

namespace qv {

std::vector<std::string> flowingLines(const std::string& lead, const std::string& text, std::size_t width) {
  // The words, a number kept with the word before it and its unit with it, "item" with its page:
  // "(page 3, item 2)", "at least 2.98 feet", "holds 3 values".
  const auto unit = [](std::string word) {
    while (!word.empty() && std::ispunct(static_cast<unsigned char>(word.back())) != 0) word.pop_back();
    return word == "feet" || word == "meters" || word == "kips" || word == "metric" || word == "tons" ||
           word == "deg" || word == "degrees" || word == "s" || word == "rad/s" || word == "knots" ||
           word == "value" || word == "values";
  };
  std::vector<std::string> tokens;
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find(' ', start);
    if (end == std::string::npos) end = text.size();
    const std::string word = text.substr(start, end - start);
    const bool afterNumber =
        !tokens.empty() && (std::isdigit(static_cast<unsigned char>(tokens.back().back())) != 0 ||
                            tokens.back().ends_with("metric"));
    const bool glued = !word.empty() && (std::isdigit(static_cast<unsigned char>(word[0])) != 0 || word == "item" ||
                                         (afterNumber && unit(word)));
    if (glued && !tokens.empty()) {
      tokens.back() += " " + word;
    } else if (!word.empty()) {
      tokens.push_back(word);
    }
    start = end + 1;
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
    line += (empty ? "" : " ") + token;
    empty = false;
  }
  lines.push_back(line);
  return lines;
}

}  // namespace qv
