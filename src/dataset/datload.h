// Import of one block of another data file of the family into the data set being edited.
#pragma once

namespace qv {

inline constexpr int kMaxImportPath = 160;  // characters of a typed import path

// KIND 1 vessel and environment, 2 mooring system, 3 tug/buoy block. Asks for the file's path on the
// screen and exchanges the block's words between the file's image and TPCM, so that an abort at any
// of the warnings (other version, other platform, unexpected size, short file) exchanges them back
// and leaves the data set as it was. Only the words the file holds are exchanged; an image of the
// other floating-point precision is refused; a block this program does not store is not kept.
void DATLOAD(int KIND);

}  // namespace qv
