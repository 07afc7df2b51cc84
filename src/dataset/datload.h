// Import of one block of another data file of the family into the data set being edited.
#pragma once

namespace qv {

// KIND 1 vessel and environment, 2 mooring system, 3 tug/buoy block.
void DATLOAD(int KIND);

}  // namespace qv
