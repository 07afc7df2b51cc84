#include "util/column_order.h"

#include <charconv>
#include <utility>

#include "util/fortran_format.h"

namespace qv {

namespace {

// Two values as a message shows them, told apart where the message's two decimals would show them
// alike (0.101 after 0.104).
std::pair<std::string, std::string> distinctValues(float a, float b) {
  if (messageValue(a) != messageValue(b) || a == b) return {messageValue(a), messageValue(b)};
  const auto shortest = [](float v) {
    char text[32];
    const auto [end, error] = std::to_chars(text, text + sizeof text, v);
    return std::string(text, end);
  };
  return {shortest(a), shortest(b)};
}

std::string withArticle(std::string_view noun) {
  const bool vowel = !noun.empty() && std::string_view("aeiou").find(noun.front()) != std::string_view::npos;
  return (vowel ? "an " : "a ") + std::string(noun);
}

}  // namespace

std::optional<OrderRefusal> StrictOrder::take(float shown, float kept, std::string_view at) {
  if (count_ >= 1) {
    const bool up = count_ == 1 ? rising_ || kept > beforeKept_ : up_;
    if (up ? !(kept > beforeKept_) : !(kept < beforeKept_)) {
      const auto [value, before] = distinctValues(shown, before_);
      const std::string relation = count_ == 1 && !rising_ ? "a value other than " : up ? "a value above " : "a value below ";
      const std::string rule = rising_      ? " increase strictly"
                               : count_ == 1 ? " strictly monotonic, rising or falling"
                               : up          ? " rising strictly, as their first two do"
                                             : " falling strictly, as their first two do";
      return OrderRefusal{"(" + withArticle(noun_) + ") is " + value,
                          relation + before + ", the " + std::string(noun_) + " " + beforeAt_ + " (the " +
                              std::string(plural_) + rule + ")"};
    }
    if (count_ == 1) up_ = up;
  }
  before_ = shown;
  beforeKept_ = kept;
  beforeAt_ = std::string(at);
  ++count_;
  return std::nullopt;
}

}  // namespace qv
