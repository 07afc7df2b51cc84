// What a user's table over headings and frequencies spans, and the messages for what it does not.
//
// A table over headings may be written over any stretch of the circle: 0 to 360, -180 to 180, 360
// down to 0, or less than a turn. A heading h is read at the h + k turns (k an integer) that lies
// within the table's span, from its lowest to its highest heading, so a table over a whole turn
// covers every heading and gives one answer however its turn is labelled, and a table over less
// than a turn covers only its own span. A heading that no whole turn brings within the span is not
// extrapolated: the run stops, naming the file, the heading and the span.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qv {

// The heading h + k `turn` (k an integer) that lies within the span of the strictly monotonic
// table X(1..N) (N >= 2, ascending or descending), in the table's unit (`turn` is 360 for degrees,
// 2 pi for radians); none when no whole turn brings h within it. A heading already within the span
// (or a thousandth of a degree outside it) is returned as it is, so a table from 0 to 360 reads
// every heading of [0, 360) unchanged. One reduction, no search.
std::optional<float> headingWithinTable(const float* X, int N, float h, float turn);

// What a stop for a heading outside a table names.
struct HeadingOutsideTable {
  std::string_view routine;  // the reader that stops
  std::int32_t unit;         // of the message
  std::int32_t inUnit;       // of the pause's reply
  std::string_view file;     // the file's name, without the blanks of its field
  float headingDeg;          // the heading the run needs, in the file's convention [deg]
  std::string_view what;     // what that heading is ("the current from 135.00 deg off the bow")
  float lowestDeg;           // the table's lowest heading [deg]
  float highestDeg;          // its highest heading [deg]
};

// The stop for a heading no whole turn brings within the table: the file, the heading it needs and
// what it is, the headings the table holds, and what to change; a pause, then status 1.
[[noreturn]] void stopHeadingOutsideTable(const HeadingOutsideTable& c);

// What the warning for a frequency outside a user's table names.
struct FrequencyOutsideTable {
  std::string_view table;  // what the table holds: "drift coefficient", "RAO"
  std::string_view file;   // the file's name, without the blanks of its field
  float lowest;            // the table's lowest frequency [rad/s]
  float highest;           // its highest [rad/s]
  int gridPoints;          // the run's grid frequencies (0: none known)
  float gridLowest;        // the grid's lowest frequency [rad/s]
  float gridHighest;       // its highest [rad/s]
  float frequency;         // the frequency in hand [rad/s]
};

// The lines of that warning: the file, the frequencies it holds, the one in hand and those of the
// run's wave periods (page 14, item 2), what to change, and the offer to extrapolate ("continue"),
// which the caller's question follows.
std::vector<std::string> frequencyOutsideTableLines(const FrequencyOutsideTable& c);

}  // namespace qv
