// The order of a table's column that the run searches: each value runs on the way the column's
// first step set (upwards from the first, for a rising column) and never repeats, so that a value
// sought lies in one interval of it. The rule and the words of its refusal live here alone, for the
// readers of the users' files, which judge each value as its row is read (ColumnOrder,
// util/user_file_values.h: the headings and frequencies of the coefficient, drift and RAO files, the
// frequencies of the spectra, the depths of the current profile), and for the tables the data set
// holds, judged whole before they are searched (lowfreq/user_file.h, unorderedColumnLines: the
// attack angles of the "LOWDAT" tables, the depths of the data set's current profile).
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace qv {

// A value refused for its place in the column, in the words of every refusal: what it is, "(a
// heading) is 0.00", and what the analysis needs there, "a value above 120.00, the heading on line
// 14 (the headings rising strictly, as their first two do)".
struct OrderRefusal {
  std::string found;
  std::string need;
};

class StrictOrder {
 public:
  // `noun` and `plural` name the column's values: "heading", "headings".
  StrictOrder(std::string_view noun, std::string_view plural, bool rising = false)
      : noun_(noun), plural_(plural), rising_(rising) {}

  // The next value of the column: `shown` as its source gives it, `kept` as the table keeps it (a
  // heading in radians), which the order is judged on; `at` says where it stands, for the refusal
  // of the value after it ("on line 14", "in row 2"). Nothing when it keeps the order; else the
  // refusal, and the column stays at the value before.
  std::optional<OrderRefusal> take(float shown, float kept, std::string_view at);

  // A new block of the column (the frequencies of the next heading) starts afresh.
  void restart() { count_ = 0; }

 private:
  std::string_view noun_;
  std::string_view plural_;
  bool rising_;
  int count_ = 0;            // the values of the block so far
  bool up_ = true;           // the way the block's first step set
  float before_ = 0.0f;      // the value before, as its source gives it
  float beforeKept_ = 0.0f;  // and as the table keeps it
  std::string beforeAt_;     // where it stands
};

}  // namespace qv
