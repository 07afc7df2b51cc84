#include "util/flowing_lines.h"

#include <algorithm>
#include <cctype>
#include <string_view>
#include <utility>

namespace qv {

namespace {

// A word of the text, with the blanks that part it from the word before (more than one where the
// text lays out a field, "Line   1") and whether it moves on with that word.
struct Word {
  std::string text;
  std::size_t blanks = 0;
  bool withPrevious = false;
};

bool isDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

bool continuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// A unit or a count's noun after a number: "feet", "metric tons", "3 values", "45 %".
bool isUnit(std::string word) {
  if (word.starts_with("%")) return true;
  while (!word.empty() && std::ispunct(static_cast<unsigned char>(word.back())) != 0) word.pop_back();
  return word == "feet" || word == "meters" || word == "kips" || word == "metric" || word == "tons" ||
         word == "square" || word == "deg" || word == "degrees" || word == "s" || word == "rad/s" ||
         word == "knots" || word == "value" || word == "values" || word == "percent";
}

bool isNumber(const std::string& word) {
  const std::size_t digit = word[0] == '-' || word[0] == '+' ? 1 : 0;  // a signed number is a number
  return digit < word.size() && isDigit(word[digit]);
}

// A number and nothing else, "-3.75", "1.0000E-30".
bool isBareNumber(std::string_view word) {
  return isNumber(std::string(word)) && word.find_first_not_of("+-.0123456789Ee") == std::string_view::npos;
}

// An entry of a list of numbers: a number and its comma, "11.43,".
bool isListedNumber(const std::string& word) {
  return word.ends_with(",") && isBareNumber(std::string_view(word).substr(0, word.size() - 1));
}

// Whether `word` moves on with `previous`, the word before it.
bool belongsToPrevious(const std::string& previous, const std::string& word) {
  if (word == "item" || word == "items" || word == "=") return true;
  // A number after a number and its comma begins the next entry of a list.
  if (isNumber(word)) return !isListedNumber(previous);
  const bool afterNumber = isDigit(previous.back()) || previous.ends_with("metric") || previous.ends_with("square");
  return afterNumber && isUnit(word);
}

std::vector<Word> wordsOf(const std::string& text) {
  std::vector<Word> words;
  std::size_t blanks = 0;
  bool kept = false;
  std::size_t k = 0;
  while (k < text.size()) {
    if (text[k] == ' ' || text[k] == kKeptBlank) {
      kept = kept || text[k] == kKeptBlank;
      ++blanks;
      ++k;
      continue;
    }
    const std::size_t end = std::min(text.find_first_of(std::string{' ', kKeptBlank}, k), text.size());
    Word word{text.substr(k, end - k), words.empty() ? 0 : blanks, false};
    if (!words.empty()) word.withPrevious = kept || belongsToPrevious(words.back().text, word.text);
    words.push_back(std::move(word));
    blanks = 0;
    kept = false;
    k = end;
  }
  // A range of numbers, "items 3 to 6", "from 0.00 to 150.00", is one, and so is an item's
  // sub-item, "item 14 then 3".
  for (std::size_t w = 1; w + 1 < words.size(); ++w) {
    const bool joining = words[w].text == "to" || words[w].text == "then";
    if (joining && isBareNumber(words[w - 1].text) && isNumber(words[w + 1].text)) words[w].withPrevious = true;
  }
  return words;
}

// The lines of a message as they fill: a word goes on the line it fits on, or begins the next.
class Filler {
 public:
  Filler(const std::string& lead, const std::string& indent, std::size_t width)
      : line_(lead), indent_(indent), width_(width) {}

  // Whether `size` columns after `blanks` blanks fit on the line as it stands.
  bool fits(std::size_t blanks, std::size_t size) const {
    return line_.size() + (fresh_ ? 0 : blanks) + size <= width_;
  }
  // Whether they fit on a line of their own.
  bool fitsAlone(std::size_t size) const { return indent_.size() + size <= width_; }
  bool fresh() const { return fresh_; }

  void add(std::size_t blanks, const std::string& text) {
    if (!fresh_) line_ += std::string(blanks, ' ');
    line_ += text;
    fresh_ = false;
  }

  void breakLine() {
    lines_.push_back(std::move(line_));
    line_ = indent_;
    fresh_ = true;
  }

  // A word longer than a line, begun on a line of its own and cut at each line's end: never before
  // the continuation byte of a character written in more than one byte, and at least one character
  // to a line.
  void cut(const std::string& word) {
    std::size_t start = 0;
    while (true) {
      const std::size_t room = width_ - std::min(width_, line_.size());
      std::size_t end = std::min(word.size(), start + room);
      while (end > start && end < word.size() && continuationByte(word[end])) --end;
      if (end == start) {
        for (end = start + 1; end < word.size() && continuationByte(word[end]);) ++end;
      }
      add(0, word.substr(start, end - start));
      start = end;
      if (start == word.size()) return;
      breakLine();
    }
  }

  std::vector<std::string> done() {
    lines_.push_back(std::move(line_));
    return std::move(lines_);
  }

 private:
  std::vector<std::string> lines_;
  std::string line_;
  std::string indent_;
  std::size_t width_;
  bool fresh_ = true;  // nothing yet after the lead or the indent
};

}  // namespace

std::vector<std::string> flowingLines(const std::string& lead, const std::string& text, const std::string& indent,
                                      std::size_t width) {
  const std::vector<Word> words = wordsOf(text);
  Filler filler(lead, indent, width);
  for (std::size_t first = 0; first < words.size();) {
    // The words that move on together, and the columns they take on one line.
    std::size_t last = first + 1;
    std::size_t size = words[first].text.size();
    for (; last < words.size() && words[last].withPrevious; ++last) size += words[last].blanks + words[last].text.size();
    if (!filler.fits(words[first].blanks, size) && !filler.fresh() && filler.fitsAlone(size)) filler.breakLine();
    if (filler.fits(words[first].blanks, size)) {
      for (std::size_t k = first; k < last; ++k) filler.add(words[k].blanks, words[k].text);
    } else {  // longer than a line: word by word after all
      for (std::size_t k = first; k < last; ++k) {
        const Word& word = words[k];
        if (!filler.fits(word.blanks, word.text.size()) && !filler.fresh()) filler.breakLine();
        if (filler.fits(word.blanks, word.text.size())) {
          filler.add(word.blanks, word.text);
        } else {
          filler.cut(word.text);
        }
      }
    }
    first = last;
  }
  return filler.done();
}

std::vector<std::string> flowingLines(const std::string& lead, const std::string& text, std::size_t width) {
  return flowingLines(lead, text, kFlowIndent, width);
}

std::string keptTogether(std::string words) {
  std::replace(words.begin(), words.end(), ' ', kKeptBlank);
  return words;
}

void addFlowingLines(std::vector<std::string>& lines, const std::string& lead, const std::string& text) {
  for (std::string& line : flowingLines(lead, text)) lines.push_back(std::move(line));
}

}  // namespace qv
