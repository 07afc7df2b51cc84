// The words with which the stops and warnings of the SALM stages name the data behind them: a value
// with the unit label its page shows, the item of an element on page 3, the elements that make up a
// member of the column (after the statics grouped them into SOLVE), and a member's data as the
// statics summed them. A user reads these to know what to change.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace qv {

// A force or a length with the unit label of the pages (" kips" or " metric tons", " feet" or
// " meters"), the value as messageValue writes it: "600.00 metric tons".
std::string forceText(float value);
std::string lengthText(float value);
// A length shown beside the length `advised` that a message asks for, with its unit label: as
// lengthText writes it, or with the further decimals that tell it from `advised` (shownBeside).
std::string lengthBeside(float value, double advised);
// A value in fixed-point form with `decimals` decimals, without leading blanks: "0.1000".
std::string fixedText(float value, int decimals);
// An angle in degrees with two decimals and " deg": "42.73 deg".
std::string degreesText(float degrees);
// An area as page 2 shows the waterplane area: the value, " square" and the length label.
std::string areaText(float value);

// "page 3, element 4, item 2": an item of the SALM element page.
std::string elementItem(std::int32_t element, int item);

// "element 3" or "elements 3 to 5": the SALM elements that member I of SOLVE groups.
std::string memberElements(std::int32_t member);

// "1.00, 1.00 and 0.80": the value of each SALM element 1..NELEM of a per-element array (values[0]
// the first element's).
std::string elementValues(const float* values);

// "The column has 3 members: elements 1, 3 and 4 have a free lower joint (page 3, item 7)": how the
// elements make the members of SOLVE (each free lower joint starts one).
std::string memberCountText();

// "member 2 (elements 3 to 4): length 60.00 meters, weight 700.00 metric tons, buoyancy
// 1956.26 metric tons": member I's sums of the element lengths, weights and volumes (as forces).
std::string memberData(std::int32_t member);
// memberData of every member, one to a line after five blanks, the last ending in a full stop.
std::vector<std::string> memberDataLines();

}  // namespace qv
