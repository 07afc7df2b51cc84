#include "statics/data_lines.h"

#include "dataset/tpcm.h"
#include "statics/solve.h"
#include "util/advised_amount.h"
#include "util/captions.h"
#include "util/flowing_lines.h"
#include "util/fortran_format.h"

namespace qv {

namespace {

std::string label(std::int32_t labelCode) {
  Text<16> text;
  UNITP(text, labelCode);
  return std::string(text.trimmed());
}

// "a, b and c" of the texts of items 1 to n.
template <class Text>
std::string listed(int n, Text text) {
  std::string list;
  for (int k = 1; k <= n; ++k) list += (k == 1 ? "" : k == n ? " and " : ", ") + text(k);
  return list;
}

}  // namespace

std::string forceText(float value) { return messageValue(value) + label(TPCM.NUNTS); }
std::string lengthText(float value) { return messageValue(value) + label(unitCode(7, TPCM.NUNTS)); }
std::string lengthBeside(float value, double advised) {
  return shownBeside(value, advised) + label(unitCode(7, TPCM.NUNTS));
}
std::string fixedText(float value, int decimals) {
  const std::string field = fmtF(value, 24, decimals);
  return field.substr(field.find_first_not_of(' '));
}
std::string degreesText(float degrees) { return fixedText(degrees, 2) + " deg"; }
std::string areaText(float value) { return messageValue(value) + " square" + label(unitCode(7, TPCM.NUNTS)); }

std::string elementItem(std::int32_t element, int item) {
  return "page 3, element " + std::to_string(element) + ", item " + std::to_string(item);
}

std::string elementValues(const float* values) {
  return listed(TPCM.NELEM, [&](int k) { return messageValue(values[k - 1]); });
}

std::string memberCountText() {
  const Solve& s = SOLVE;
  if (s.NCON <= 0) return "The column has no members: it has no elements (page 2, item 1)";
  const std::string first = listed(s.NCON, [&](int I) { return std::to_string(s.JELEM(I)); });
  if (s.NCON == 1) return "The column has 1 member: element " + first + " has a free lower joint (page 3, item 7)";
  return "The column has " + std::to_string(s.NCON) + " members: elements " + first +
         " have a free lower joint (page 3, item 7)";
}

std::string memberElements(std::int32_t member) {
  const Solve& s = SOLVE;
  const std::int32_t first = s.JELEM(member);
  const std::int32_t last = s.JELEM(member + 1) - 1;
  if (last <= first) return "element " + std::to_string(first);
  return "elements " + std::to_string(first) + " to " + std::to_string(last);
}

std::string memberData(std::int32_t member) {
  const Solve& s = SOLVE;
  return "member " + std::to_string(member) + " (" + memberElements(member) + "): length " +
         lengthText(s.CNLEN(member)) + ", weight " + forceText(s.CNMASS(member)) + ", buoyancy " +
         forceText(s.CNBUOY(member));
}

std::vector<std::string> memberDataLines() {
  std::vector<std::string> lines;
  for (std::int32_t I = 1; I <= SOLVE.NCON; ++I) addFlowingLines(lines, "     ", memberData(I) + (I == SOLVE.NCON ? "." : ","));
  return lines;
}

}  // namespace qv
