// What a user's table over headings spans.
//
// A table over headings may be written over any stretch of the circle: 0 to 360, -180 to 180, 360
// down to 0, or less than a turn. A heading h is read at the h + k turns (k an integer) that lies
// within the table's span, from its lowest to its highest heading, so a table over a whole turn
// covers every heading and gives one answer however its turn is labelled, and a table over less
// than a turn covers only its own span. A heading that no whole turn brings within the span is not
// extrapolated: the run stops, naming the file, the heading and the span (util/user_file_values.h).
#pragma once

#include <optional>

namespace qv {

// The heading h + k `turn` (k an integer) that lies within the span of the strictly monotonic
// table X(1..N) (N >= 2, ascending or descending), in the table's unit (`turn` is 360 for degrees,
// 2 pi for radians); none when no whole turn brings h within it. A heading already within the span
// (or a thousandth of a degree outside it) is returned as it is, so a table from 0 to 360 reads
// every heading of [0, 360) unchanged. One reduction, no search.
std::optional<float> headingWithinTable(const float* X, int N, float h, float turn);

}  // namespace qv
