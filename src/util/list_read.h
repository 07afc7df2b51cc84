// Free-form (list-directed) reading, for typed replies and users' text files. Values are separated by
// blanks, by a comma (with blanks around it or not) or by the end of a record. Two commas with nothing
// between them, or a comma at the start, give an empty value that leaves its variable unchanged; "r*v"
// stands for r copies of v and "r*" for r empty values; a "/" ends the reading and leaves the
// remaining variables unchanged. A value that does not fit its variable's kind stops the reading and
// leaves that variable and the later ones unchanged.
#pragma once

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <variant>

namespace qv {

// One variable of a read. Text variables take a word up to the next separator or a text in quotes
// ('it''s' or "it's").
using ListTarget = std::variant<float*, double*, std::int32_t*, std::string*>;

enum class ListStatus {
  kDone,      // every variable had its value, an empty value, or a "/" came first
  kEnded,     // the records ended first: the variables not reached are unchanged
  kBadValue,  // a value was not of its variable's kind
};

// Supplies the next record of the read; false at the end of the file.
using RecordSource = std::function<bool(std::string& record)>;

// How far a read came: the variables handled (given a value or an empty one) before it ended, and
// the text of the value that did not fit its variable (kBadValue). A read that gave every variable
// its value (kDone) also leaves what it did not reach: the rest of its last record after its last
// value, and the copies of a repeated value ("r*v") left over.
struct ListProgress {
  int handled = 0;
  std::string badText;
  std::string rest;
  long copiesLeft = 0;
};

// Reads from one record only, as from a text variable.
ListStatus listRead(std::string_view record, std::span<const ListTarget> targets, ListProgress* progress = nullptr);
ListStatus listRead(std::string_view record, std::initializer_list<ListTarget> targets);
// Reads from as many records as the variables need, the first one included.
ListStatus listRead(const RecordSource& nextRecord, std::span<const ListTarget> targets,
                    ListProgress* progress = nullptr);
// Reads records from a unit (readRecord): at the end of the keyboard the run stops as everywhere.
ListStatus listReadUnit(int unit, std::span<const ListTarget> targets);
ListStatus listReadUnit(int unit, std::initializer_list<ListTarget> targets);

}  // namespace qv
