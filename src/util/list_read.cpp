#include "util/list_read.h"

#include <optional>

#include "platform/units.h"
#include "util/fortran_format.h"

namespace qv {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool endsWord(char c) { return isBlank(c) || c == ',' || c == '/'; }
bool isQuote(char c) { return c == '\'' || c == '"'; }

// The characters of the read, record after record; the end of a record counts as a blank.
class Scanner {
 public:
  explicit Scanner(const RecordSource& next) : next_(next) {}

  bool start() { return next_(record_); }

  // Skips blanks, going on to later records as needed; false when the records end.
  bool skipBlanks() {
    for (;;) {
      while (pos_ < record_.size() && isBlank(record_[pos_])) ++pos_;
      if (pos_ < record_.size()) return true;
      if (!next_(record_)) return false;
      pos_ = 0;
    }
  }

  bool atRecordEnd() const { return pos_ >= record_.size(); }
  std::string rest() const { return pos_ < record_.size() ? record_.substr(pos_) : std::string(); }
  char peek() const { return record_[pos_]; }
  void advance() { ++pos_; }

  // A word up to the next separator or the end of the record.
  std::string word() {
    const std::size_t from = pos_;
    while (pos_ < record_.size() && !endsWord(record_[pos_])) ++pos_;
    return record_.substr(from, pos_ - from);
  }

  // A text in quotes, the opening quote at the current place; a doubled quote stands for one; the
  // text may go on in the next record. False when the records end before the closing quote.
  bool quoted(std::string& text) {
    const char quote = record_[pos_++];
    text.clear();
    for (;;) {
      if (pos_ >= record_.size()) {
        if (!next_(record_)) return false;
        pos_ = 0;
        continue;
      }
      const char c = record_[pos_++];
      if (c != quote) {
        text += c;
      } else if (pos_ < record_.size() && record_[pos_] == quote) {
        text += quote;
        ++pos_;
      } else {
        return true;
      }
    }
  }

 private:
  const RecordSource& next_;
  std::string record_;
  std::size_t pos_ = 0;
};

// One value as it stood in the record, before it meets its variable.
struct Value {
  std::string text;
  bool quotedText = false;
};

bool assign(const ListTarget& target, const Value& value) {
  return std::visit(
      [&](auto* variable) -> bool {
        using T = std::remove_pointer_t<decltype(variable)>;
        if constexpr (std::is_same_v<T, std::string>) {
          *variable = value.text;
          return true;
        } else {
          if (value.quotedText) return false;
          if constexpr (std::is_same_v<T, std::int32_t>) {
            int v = 0;
            if (!parseFortranInt(value.text, v)) return false;
            *variable = v;
            return true;
          } else {
            return parseFortranReal(value.text, *variable);
          }
        }
      },
      target);
}

// "r*" at the start of a word: the repeat count, or nothing when the word has no such prefix.
std::optional<long> repeatPrefix(const std::string& word, std::size_t& star) {
  star = word.find('*');
  if (star == std::string::npos || star == 0) return std::nullopt;
  long r = 0;
  for (std::size_t k = 0; k < star; ++k) {
    if (word[k] < '0' || word[k] > '9') return std::nullopt;
    r = r * 10 + (word[k] - '0');
    if (r > 1000000000L) return std::nullopt;
  }
  return r;
}

}  // namespace

ListStatus listRead(const RecordSource& nextRecord, std::span<const ListTarget> targets, ListProgress* progress) {
  ListProgress own;
  ListProgress& done = progress != nullptr ? *progress : own;
  done = ListProgress{};
  Scanner in(nextRecord);
  if (!in.start()) return ListStatus::kEnded;
  bool separatorDue = false;  // a value has ended; a comma after it is its separator, not an empty value
  long repeatLeft = 0;        // copies of `repeated` still to hand out
  std::optional<Value> repeated;  // nothing: the repeated value is empty

  for (const ListTarget& target : targets) {
    if (repeatLeft > 0) {
      --repeatLeft;
      if (repeated && !assign(target, *repeated)) {
        done.badText = repeated->text;
        return ListStatus::kBadValue;
      }
      ++done.handled;
      continue;
    }
    if (!in.skipBlanks()) return ListStatus::kEnded;
    if (in.peek() == ',' && separatorDue) {
      in.advance();
      separatorDue = false;
      if (!in.skipBlanks()) return ListStatus::kEnded;
    }
    if (in.peek() == '/') {
      done.rest = in.rest();
      return ListStatus::kDone;
    }
    if (in.peek() == ',') {  // an empty value
      in.advance();
      ++done.handled;
      continue;
    }

    Value value;
    bool empty = false;
    long count = 1;
    if (isQuote(in.peek())) {
      if (!in.quoted(value.text)) return ListStatus::kEnded;
      value.quotedText = true;
    } else {
      std::string word = in.word();
      std::size_t star = 0;
      if (const auto r = repeatPrefix(word, star)) {
        if (*r <= 0) {
          done.badText = word;
          return ListStatus::kBadValue;
        }
        count = *r;
        value.text = word.substr(star + 1);
        if (value.text.empty()) {
          // "r*" followed by a separator: empty values; followed by a quote: r copies of a text.
          if (!in.atRecordEnd() && isQuote(in.peek())) {
            if (!in.quoted(value.text)) return ListStatus::kEnded;
            value.quotedText = true;
          } else {
            empty = true;
          }
        }
      } else {
        value.text = std::move(word);
      }
    }
    separatorDue = true;
    if (!empty && !assign(target, value)) {
      done.badText = value.text;
      return ListStatus::kBadValue;
    }
    ++done.handled;
    repeatLeft = count - 1;
    if (empty) repeated.reset();
    else repeated = std::move(value);
  }
  done.rest = in.rest();
  done.copiesLeft = repeated ? repeatLeft : 0;
  return ListStatus::kDone;
}

ListStatus listRead(std::string_view record, std::span<const ListTarget> targets, ListProgress* progress) {
  bool given = false;
  const RecordSource once = [&](std::string& out) {
    if (given) return false;
    given = true;
    out.assign(record);
    return true;
  };
  return listRead(once, targets, progress);
}

ListStatus listRead(std::string_view record, std::initializer_list<ListTarget> targets) {
  return listRead(record, std::span<const ListTarget>(targets.begin(), targets.size()));
}

ListStatus listReadUnit(int unit, std::span<const ListTarget> targets) {
  const RecordSource fromUnit = [unit](std::string& out) { return readRecord(unit, out); };
  return listRead(fromUnit, targets);
}

ListStatus listReadUnit(int unit, std::initializer_list<ListTarget> targets) {
  return listReadUnit(unit, std::span<const ListTarget>(targets.begin(), targets.size()));
}

}  // namespace qv
