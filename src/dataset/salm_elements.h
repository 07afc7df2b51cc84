// The tables that hold one SALM element's data, visited in one order. Whatever moves an element's
// data (copy, delete, insert) or clears it goes through forEachElementTable, so a table added to
// the element data is added here only. LMOMT belongs to the element's position, not to its data,
// and is not among them.
#pragma once

#include <algorithm>
#include <cstdint>

#include "dataset/tpcm.h"

namespace qv {

// Calls visit(table) for SLEN, BUOY, CBUOY, TMASS, CGSALM, IFREE, LOWER, GYRAD, COFMST and COFDMT
// of TPCM, in that order; each table is an Arr of kMaxSalmElements entries (IFREE of integers).
template <class Visit>
void forEachElementTable(Visit&& visit) {
  Tpcm& t = TPCM;
  visit(t.SLEN);
  visit(t.BUOY);
  visit(t.CBUOY);
  visit(t.TMASS);
  visit(t.CGSALM);
  visit(t.IFREE);
  visit(t.LOWER);
  visit(t.GYRAD);
  visit(t.COFMST);
  visit(t.COFDMT);
}

// The elements whose bending moment and loads are reported (LMOMT), counted from the first element
// with a free lower joint upward: the NMOMT that the final page's checks settle. The count never runs
// past the element tables, whatever NELEM a file holds.
inline std::int32_t momentElementCount() {
  const Tpcm& t = TPCM;
  const int elements = std::clamp<int>(t.NELEM, 0, kMaxSalmElements);
  std::int32_t count = 0;
  bool aboveFirstFreeJoint = false;
  for (int i = 1; i <= elements; ++i) {
    if (t.IFREE(i) != 0) aboveFirstFreeJoint = true;
    if (aboveFirstFreeJoint && t.LMOMT(i) != 0) ++count;
  }
  return count;
}

}  // namespace qv
