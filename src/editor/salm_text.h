// Small text pieces shared by the SALM pages (pages 2 and 3): the leading blank of an item line and
// the unit labels of the data set's unit system.
#pragma once

#include <string>
#include <string_view>

#include "dataset/tpcm.h"
#include "util/captions.h"

namespace qv {

// An item line of the SALM pages: one blank, then the item's own text (which carries the item
// number right-aligned in three columns).
inline std::string salmItem(std::string_view text) { return " " + std::string(text); }

// The 16-character page labels of force or weight (" kips" / " metric tons") and of length
// (" feet" / " meters") in the data set's unit system.
inline std::string forceLabel() {
  Text<16> label;
  UNITP(label, TPCM.NUNTS);
  return label.str();
}
inline std::string lengthLabel() {
  Text<16> label;
  UNITP(label, unitCode(7, TPCM.NUNTS));
  return label.str();
}

}  // namespace qv
