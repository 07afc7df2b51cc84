// The defaults that the load gives a new data set, for every program type of the family.
#pragma once

namespace qv {

// Clears the first `words` words of TPCM and stores the new-data-set defaults of program type
// `programType` (this editor: 11).
void newDataSetDefaults(int words, int programType);

}  // namespace qv
